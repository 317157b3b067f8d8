#pragma once
#include "GameState.h"

#include <QString>
#include <QStringList>
#include <Qt>

namespace lexaroo {

// Longest word a word box takes from the keyboard.
constexpr int kMaxTypedWordLength = 12;

// What a key pressed in a word box does.
enum class WordKey {
    Insert,  // a letter, apostrophe or hyphen that fits: typed into the box
    Edit,    // Backspace and the keys that only move or select: handled by the box
    NextBox, // Enter: the focus moves to the next box
    Refuse,  // an allowed character that would make the word too long: dropped quietly
    Beep,    // anything else: dropped with the system beep
};

// Classifies a key press in a word box holding `length` characters of which
// `selected` are selected (typing replaces the selection). Keys held with Ctrl
// or Meta beep too, so a word can never be pasted in with characters the
// list file cannot hold.
WordKey FilterWordKey(int key, Qt::KeyboardModifiers modifiers, const QString& text, int length,
                      int selected);

// True for the characters a word may be typed with: A-Z, a-z, ' and -.
bool IsWordCharacter(QChar c);

// The header line of a printed list.
inline const QString kPrintCredit = QStringLiteral("Lexaroo Spelling Word List");

// The lines of a printed list, in order: three empty lines, the credit, an
// empty line, "List: " and the name, an empty line, then one line per word
// numbered so that the numbers end in one column.
QStringList PrintListLines(const GameState& state);

// The text of the question asked before a list that has not been saved is
// replaced.
QString DiscardQuestion(const QString& listName);

// The path a list is saved under: a name chosen without the list extension
// gets ".bsl", so the list's name can always be taken from its file name.
QString WithListExtension(const QString& path);

} // namespace lexaroo

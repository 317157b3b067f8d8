#pragma once
#include <QChar>
#include <QString>

namespace lexaroo {

// The on-screen letter tiles of the spelling games: 0..25 the letters,
// 26 the apostrophe, 27 the hyphen.
constexpr int kTileCount = 28;
constexpr int kApostropheTile = 26;
constexpr int kHyphenTile = 27;

// Caption of a tile. A list with lower-case letters only (ListCase 1) shows
// "a".."z"; every other list shows "A".."Z".
QChar TileCaption(int tile, int listCase);

// The tile a typed character enters: a letter of either case, the
// apostrophe or the hyphen. -1 for any other character.
int TileForKey(int code);

// Folds a character code: anything above 96 loses 32, so a lower-case letter
// becomes its capital; the apostrophe and hyphen stay as they are.
int FoldCode(int code);

// How a game compares an entry with the word's letter.
enum class CaseRule {
    // In a list that mixes cases (ListCase 3) a typed key must match the
    // letter's case exactly; tiles, and every other list, ignore case.
    CaseAware,
    // Case never matters.
    CaseBlind,
};

// Whether a letter entry matches the word's character `expected`. `tile` is
// the tile entered (clicked, or reached by the key); `typedChar` is the code
// of the key that produced the entry, 0 for a tile click.
bool LetterMatches(QChar expected, int tile, int typedChar, int listCase,
                   CaseRule rule = CaseRule::CaseAware);

} // namespace lexaroo

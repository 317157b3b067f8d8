#pragma once
#include "GameState.h"

namespace lexaroo {

// New list: no words, named "NONE", not saved. The folder is kept.
void NewList(GameState& state);

// Moves the non-empty words down to 1..n in order, empties the rest and sets
// WordCount to n.
void CompactList(GameState& state);

// Letter-case summary of Words(1..WordCount): 1 for lower-case letters, 2 for
// upper-case, 3 for both, 0 for none. Apostrophes and hyphens do not count.
std::int16_t ComputeListCase(const GameState& state);

// The file a word's recording lives in: ListFolder + its first 8 characters + ".wav".
QString PronunciationFileName(const QString& word);
QString PronunciationPath(const GameState& state, const QString& word);

} // namespace lexaroo

namespace lexaroo {
// Caption of an activity window: its title, ", List Name: " and the list name.
inline QString ActivityCaption(const QString& title, const QString& listName)
{
    return title + QStringLiteral(", List Name: ") + listName;
}
} // namespace lexaroo

#pragma once
#include "GameState.h"

#include <QString>

namespace lexaroo {

// Word list files (".bsl"): line 1 holds the number of words, then one quoted
// word per line, in list order. The list's name is its file name.

// Sets ListName (the file name without its ".bsl") and ListFolder (everything
// up to and including the last separator) from the path the user chose.
void NameFromListPath(GameState& state, const QString& path);

// Reads the file into Words and WordCount; the previous words are emptied
// first. Empty words are dropped, so Words(1..WordCount) are never empty, and
// a word the file could not hold again (a double quote, a control character)
// is a failure. On failure *error holds a message for the user and
// Words(1..WordCount) hold the words read before the failure. ListName, ListFolder and ListSaved
// are not touched: the caller names the list first and marks it saved after.
bool ReadListFile(GameState& state, const QString& path, QString* error);

// Writes WordCount and Words(1..WordCount), replacing the file only when the
// whole list was written. On failure *error holds a message for the user and
// any previous file is left as it was.
bool WriteListFile(const GameState& state, const QString& path, QString* error);

} // namespace lexaroo

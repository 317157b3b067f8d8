#pragma once
#include "GameState.h"

#include <QString>

namespace lexaroo {

// The settings file, AppFolder + "lexaroo5.ini": four lines,
//     BuiltInCase,BuiltInGrade,BuiltInList
//     BeeShowWord
//     GameSpeed
//     HatSayWord
// When the program folder cannot be written (an installed program), the
// user's copy in their configuration folder is used instead; until it exists
// the program folder's file is read.
QString SettingsPath(const GameState& state);
QString UserSettingsPath();

// Reads the six settings. A missing file, a field that is not a number, too
// few fields or a value outside its range gives all six their defaults,
// silently: a damaged file must never stop the program or leave half-read
// values behind.
void ReadSettings(GameState& state);

// Writes the six settings through a temporary file renamed over the old one,
// so a failed write leaves the previous file as it was. False, with a message
// for the user in *error, when the file could not be written.
bool WriteSettings(const GameState& state, QString* error);

} // namespace lexaroo

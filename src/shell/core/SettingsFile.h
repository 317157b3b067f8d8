#pragma once
#include "GameState.h"

#include <QString>

namespace lexaroo {

// Reads AppFolder + "lexaroo5.ini" into the six settings; any failure gives
// all six their defaults.
void ReadSettings(GameState& state);

// Writes the settings file beside the old one and renames it over it, so a
// failed write keeps the previous file. False with a message on failure.
bool WriteSettings(const GameState& state, QString* error);

} // namespace lexaroo

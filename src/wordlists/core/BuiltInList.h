#pragma once
#include "GameState.h"

#include <QString>

namespace lexaroo {

// AppFolder + "lexaroo.bil".
QString BuiltInListPath(const GameState& state);

// Name of the list chosen by BuiltInGrade and BuiltInList: "GKLIST10", "G4LIST7".
QString BuiltInListName(const GameState& state);

// Loads list BuiltInList of grade BuiltInGrade from the built-in list file:
// ListName is set to the list's name, ListFolder to AppFolder (whose empty
// recordings are then deleted), and Words(1..20) to the list, in lower case
// when BuiltInCase is 1, as stored when it is 2; WordCount = 20, ListSaved = 1.
// When the file is missing, too short or damaged, *error holds a message for
// the user and the list is left empty (ListName and ListFolder already set).
// A grade or list number out of range changes nothing.
bool LoadBuiltInList(GameState& state, QString* error);

} // namespace lexaroo

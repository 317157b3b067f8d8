#pragma once
#include "ActivityWindow.h"

#include <QVector>

namespace lexaroo {

// The eleven activities the menu offers: button index, caption, help topic
// and the window each opens.
QVector<ActivityEntry> MakeActivityTable();

} // namespace lexaroo

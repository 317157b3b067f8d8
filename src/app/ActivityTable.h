#pragma once
#include "ActivityWindow.h"

#include <QVector>

namespace lexaroo {

// The eleven activities the menu offers: button index, title, help topic
// and the window each opens. The one place a window's title and help topic
// are written.
QVector<ActivityEntry> MakeActivityTable();

} // namespace lexaroo

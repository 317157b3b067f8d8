#pragma once
#include "ActivityTable.h"

namespace lexaroo::uitest {

// The real table's entry for a menu button, so a window is tested with the
// title and help topic the program gives it.
inline ActivityInfo TableInfo(int index)
{
    for (const ActivityEntry& e : MakeActivityTable())
        if (e.index == index)
            return e.info;
    return {};
}

} // namespace lexaroo::uitest

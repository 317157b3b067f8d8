#include "ActivityTable.h"

#include "frmBee.h"
#include "frmEdit.h"

namespace lexaroo {

QVector<ActivityEntry> MakeActivityTable()
{
    return {
        {0, QStringLiteral("Typewriter"), 11, nullptr},
        {1, QStringLiteral("List Editor"), 1,
         [](GameState& s, Platform& p) -> ActivityWindow* { return new frmEdit(s, p); }},
        {2, QStringLiteral("Spelling Bee"), 2,
         [](GameState& s, Platform& p) -> ActivityWindow* { return new frmBee(s, p); }},
        {3, QStringLiteral("Magic Hat"), 3, nullptr},
        {4, QStringLiteral("Scrambled Word"), 4, nullptr},
        {5, QStringLiteral("Word Worm"), 5, nullptr},
        {6, QStringLiteral("Alien Return"), 6, nullptr},
        {7, QStringLiteral("Word Order"), 7, nullptr},
        {8, QStringLiteral("Find a Word"), 8, nullptr},
        {9, QStringLiteral("Cross Words"), 9, nullptr},
        {10, QStringLiteral("List Review"), 12, nullptr},
    };
}

} // namespace lexaroo

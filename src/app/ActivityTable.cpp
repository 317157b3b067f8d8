#include "ActivityTable.h"

#include "frmBee.h"
#include "frmEdit.h"

namespace lexaroo {

namespace {
template <class Window> auto Opens()
{
    return [](GameState& s, Platform& p, const ActivityInfo& info) -> ActivityWindow* {
        return new Window(s, p, info);
    };
}
} // namespace

QVector<ActivityEntry> MakeActivityTable()
{
    return {
        {0, {QStringLiteral("Typewriter"), 11}, nullptr},
        {1, {QStringLiteral("List Editor"), 1}, Opens<frmEdit>()},
        {2, {QStringLiteral("Spelling Bee"), 2}, Opens<frmBee>()},
        {3, {QStringLiteral("Magic Hat"), 3}, nullptr},
        {4, {QStringLiteral("Scrambled Word"), 4}, nullptr},
        {5, {QStringLiteral("Word Worm"), 5}, nullptr},
        {6, {QStringLiteral("Alien Return"), 6}, nullptr},
        {7, {QStringLiteral("Word Order"), 7}, nullptr},
        {8, {QStringLiteral("Find a Word"), 8}, nullptr},
        {9, {QStringLiteral("Cross Words"), 9}, nullptr},
        {10, {QStringLiteral("List Review"), 12}, nullptr},
    };
}

} // namespace lexaroo

#include "LetterRules.h"

namespace lexaroo {

QChar TileCaption(int tile, int listCase)
{
    if (tile == kApostropheTile)
        return QLatin1Char('\'');
    if (tile == kHyphenTile)
        return QLatin1Char('-');
    if (tile < 0 || tile > 25)
        return {};
    return QChar((listCase == 1 ? 'a' : 'A') + tile);
}

int TileForKey(int code)
{
    if (code >= 'a' && code <= 'z')
        return code - 'a';
    if (code >= 'A' && code <= 'Z')
        return code - 'A';
    if (code == '\'')
        return kApostropheTile;
    if (code == '-')
        return kHyphenTile;
    return -1;
}

int FoldCode(int code) { return code > 96 ? code - 32 : code; }

bool LetterMatches(QChar expected, int tile, int typedChar, int listCase, CaseRule rule)
{
    const bool exactCase = rule == CaseRule::CaseAware && listCase == 3 && typedChar != 0;
    const int entered = exactCase ? typedChar : FoldCode(TileCaption(tile, listCase).unicode());
    const int wanted = exactCase ? expected.unicode() : FoldCode(expected.unicode());
    return entered != 0 && entered == wanted;
}

} // namespace lexaroo

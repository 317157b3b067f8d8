#include "Scoring.h"

#include <algorithm>

namespace lexaroo {

int AddWordPoints(int scorePoints, int penalties)
{
    penalties = std::clamp(penalties, 0, kMaxPenalties);
    // Work in thirds: a remainder of 1 rounds down, 2 rounds up.
    const int thirds = 3 * scorePoints + 10 * (kMaxPenalties - penalties);
    return thirds >= 0 ? (thirds + 1) / 3 : -((-thirds + 1) / 3);
}

int ScoreBarPercent(int scorePoints, int wordsTried)
{
    if (wordsTried <= 0)
        return 0;
    return std::clamp(10 * scorePoints / wordsTried, 0, 100);
}

} // namespace lexaroo

#pragma once

namespace lexaroo {

// Highest number of penalties (wrong letters, extra looks) a word can take:
// at this many it is missed.
constexpr int kMaxPenalties = 3;

// ScorePoints after a word that ended with `penalties` (0..3): the nearest
// whole number to points + 10 x (3 - penalties) / 3. The total is rounded
// after every word, so a word adds 10, 7, 3 or 0 in effect; the added
// fraction is always a third, so there is never a tie to break.
int AddWordPoints(int scorePoints, int penalties);

// The running score bar in per cent: the whole part of
// 10 x ScorePoints / WordsTried, kept within 0..100; 0 before any word.
int ScoreBarPercent(int scorePoints, int wordsTried);

} // namespace lexaroo

#include "ScoredRun.h"

#include "Scoring.h"
#include "Services.h"

namespace lexaroo {

void ScoredRun::Open(Random& random)
{
    for (int i = 1; i <= kMaxWords; ++i)
        state_.WordStatus[i] = 0;
    ShuffleOrder(random, state_.WordCount, order_);
    state_.WordsTried = 0;
    state_.WordsMissed = 0;
    state_.ScorePoints = 0;
    attempted_ = false;
    word_.clear();
}

bool ScoredRun::NextWord()
{
    ++state_.WordsTried;
    if (state_.WordsTried > state_.WordCount) {
        state_.WordsTried = state_.WordCount;
        return false;
    }
    word_ = state_.Words[ListIndex()];
    attempted_ = false;
    return true;
}

void ScoredRun::Attempt()
{
    attempted_ = true;
    if (state_.WordsTried >= 1)
        state_.WordStatus[ListIndex()] = 1;
}

void ScoredRun::Miss()
{
    ++state_.WordsMissed;
    state_.WordStatus[ListIndex()] = -1;
}

void ScoredRun::FinishWithPenalties(int penalties)
{
    state_.ScorePoints = static_cast<std::int16_t>(AddWordPoints(state_.ScorePoints, penalties));
}

void ScoredRun::FinishWithPoints(int points)
{
    state_.ScorePoints = static_cast<std::int16_t>(state_.ScorePoints + points);
}

int ScoredRun::ScoreBarPercent() const
{
    return lexaroo::ScoreBarPercent(state_.ScorePoints, state_.WordsTried);
}

void ScoredRun::Stop()
{
    if (!attempted_ && state_.WordsTried > 0)
        --state_.WordsTried;
    attempted_ = true; // a second Stop takes nothing more back
}

} // namespace lexaroo

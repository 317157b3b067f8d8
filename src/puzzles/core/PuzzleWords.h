#pragma once
#include "GameState.h"

#include <QStringList>
#include <algorithm>

namespace lexaroo {

// The current list as the builders read it: Words(1..WordCount).
inline QStringList ListWords(const GameState& state)
{
    const int n = std::clamp<int>(state.WordCount, 0, kMaxWords);
    QStringList words;
    words.reserve(n);
    for (int i = 1; i <= n; ++i)
        words << state.Words[i];
    return words;
}

// A list holds at most 30 words, and the shuffled order has room for no more.
inline int ListSize(const QStringList& words)
{
    return std::min<int>(words.size(), kMaxWords);
}

} // namespace lexaroo

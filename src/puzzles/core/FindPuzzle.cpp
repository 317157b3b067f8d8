#include "FindPuzzle.h"

#include "PuzzleWords.h"
#include "Services.h"

namespace lexaroo {

namespace {

const QChar kEmptyCell = QLatin1Char('.');

// Whole part of (w * draw) + 1: 1..w, or 1 when w is 0. The draw is taken
// either way so the sequence of draws does not depend on the word's length.
int StartFrom(Random& random, int w)
{
    const double draw = random.Draw();
    const int start = static_cast<int>(w * draw) + 1;
    return start > w ? (w > 0 ? w : 1) : start;
}

class FindBuilder {
public:
    explicit FindBuilder(Random& random) : random_(random) {}

    FindPuzzle Build(const QStringList& words)
    {
        const int n = ListSize(words);
        WordOrder order{};
        ShuffleOrder(random_, n, order);
        for (int r = 1; r <= kFindSize; ++r)
            for (int c = 1; c <= kFindSize; ++c)
                puzzle_.grid[r][c] = kEmptyCell;
        int slot = 1;
        for (int i = 1; i <= n && slot <= kFindMaxWords; ++i) {
            if (Hide(words.at(order[i] - 1).toUpper(), puzzle_.hidden[slot]))
                ++slot;
        }
        puzzle_.placedCount = slot - 1;
        Fill();
        puzzle_.wordsRemaining = puzzle_.placedCount;
        return std::move(puzzle_);
    }

private:
    // Up to 99 random places; false when none fits and the word is left out.
    bool Hide(const QString& word, FindSlot& slot)
    {
        const int length = static_cast<int>(word.size());
        // A word that cannot lie inside a row or a column fits nowhere.
        if (length == 0 || length > kFindSize)
            return false;
        for (int attempt = 1; attempt <= kFindAttempts; ++attempt) {
            const bool horizontal = random_.Draw() > 0.5;
            // Column first, then row. Along the word the range is 16 - L, so a
            // word shorter than the grid never reaches the last column or row.
            const int col = StartFrom(random_, horizontal ? kFindSize - length : kFindSize);
            const int row = StartFrom(random_, horizontal ? kFindSize : kFindSize - length);
            const int rowStep = horizontal ? 0 : 1;
            const int colStep = horizontal ? 1 : 0;
            if (!Fits(word, row, col, rowStep, colStep))
                continue;
            for (int k = 1; k < length; ++k)
                puzzle_.grid[row + k * rowStep][col + k * colStep] = word.at(k);
            puzzle_.grid[row][col] = word.at(0);
            slot = {word, row, col, rowStep, colStep, false};
            return true;
        }
        return false;
    }

    // Crossing only where the letters are equal.
    bool Fits(const QString& word, int row, int col, int rowStep, int colStep) const
    {
        for (int k = 0; k < word.size(); ++k) {
            const QChar cell = puzzle_.grid[row + k * rowStep][col + k * colStep];
            if (cell != kEmptyCell && cell != word.at(k))
                return false;
        }
        return true;
    }

    // Every cell still empty gets a random capital, row by row.
    void Fill()
    {
        for (int r = 1; r <= kFindSize; ++r)
            for (int c = 1; c <= kFindSize; ++c)
                if (puzzle_.grid[r][c] == kEmptyCell)
                    puzzle_.grid[r][c] = QChar(static_cast<char16_t>('A' - 1 + PickOneTo(random_, 26)));
    }

    Random& random_;
    FindPuzzle puzzle_;
};

} // namespace

FindPuzzle BuildPuzzle(Random& random, const QStringList& words)
{
    return FindBuilder(random).Build(words);
}

FindPuzzle BuildPuzzle(Random& random, const GameState& state)
{
    return BuildPuzzle(random, ListWords(state));
}

} // namespace lexaroo

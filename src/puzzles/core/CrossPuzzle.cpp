#include "CrossPuzzle.h"

#include "PuzzleWords.h"
#include "Services.h"

namespace lexaroo {

void PlaceCrossWord(const CrossWord& word, CrossGrid& grid)
{
    for (int i = 0; i < word.length; ++i)
        grid[word.startRow + i * word.down][word.startCol + i * word.across] = word.text.at(i).unicode();
}

namespace {

// Which way the words through a cell run.
constexpr int kCoveredAcross = 1;
constexpr int kCoveredDown = 2;

struct Candidate {
    QString text; // upper case; emptied once the word is placed
    int length = 0;
};

// One run of construction: the construction grid and the candidates live
// only as long as this object.
class CrossBuilder {
public:
    CrossBuilder(Random& random, const QStringList& words) : random_(random), words_(words) {}

    CrossPuzzle Build()
    {
        Reset();
        TakeCandidates();
        if (m_ > 0) {
            PlaceFirstWord();
            RunPasses();
        }
        Finish();
        return std::move(puzzle_);
    }

private:
    void Reset()
    {
        for (int r = 1; r <= kCrossSize; ++r)
            for (int c = 1; c <= kCrossSize; ++c)
                puzzle_.cellState[r][c] = kCrossOutside;
        grid_ = {};
        covered_ = {};
        starts_ = {};
        rowFill_ = {};
        colFill_ = {};
    }

    // Words that cannot lie inside the 16 x 16 area never become candidates.
    void TakeCandidates()
    {
        m_ = 0;
        for (int i = 0; i < ListSize(words_); ++i) {
            const QString text = words_.at(i).toUpper();
            if (text.isEmpty() || text.size() > kCrossSize)
                continue;
            ++m_;
            candidates_[m_] = {text, static_cast<int>(text.size())};
        }
        ShuffleOrder(random_, m_, order_);
    }

    // The first word goes anywhere it fits, whatever its letters.
    void PlaceFirstWord()
    {
        const Candidate& w = candidates_[order_[1]];
        int row = 0;
        int col = 0;
        const bool across = random_.Draw() < 0.5;
        if (across) {
            row = PickOneTo(random_, kCrossSize);
            col = PickOneTo(random_, kCrossSize + 1 - w.length);
        } else {
            col = PickOneTo(random_, kCrossSize);
            row = PickOneTo(random_, kCrossSize + 1 - w.length);
        }
        Accept(order_[1], row, col, across);
    }

    // Passes over the unplaced words until 15 are placed or a pass places none.
    void RunPasses()
    {
        int firstPosition = 2;
        for (;;) {
            bool placedAny = false;
            for (int pos = firstPosition; pos <= m_; ++pos) {
                if (candidates_[order_[pos]].text.isEmpty())
                    continue;
                if (TryCandidate(order_[pos])) {
                    placedAny = true;
                    if (puzzle_.placedCount == kCrossMaxWords)
                        return;
                }
            }
            if (!placedAny)
                return;
            KeepUnplaced();
            ShuffleOrder(random_, m_, order_);
            firstPosition = 1;
        }
    }

    bool TryCandidate(int index)
    {
        const bool acrossFirst = random_.Draw() < 0.5;
        for (const bool across : {acrossFirst, !acrossFirst}) {
            int row = 0;
            int col = 0;
            if (FindStart(candidates_[index], across, row, col)) {
                Accept(index, row, col, across);
                return true;
            }
        }
        return false;
    }

    // The top-most, then left-most acceptable start cell.
    bool FindStart(const Candidate& w, bool across, int& row, int& col) const
    {
        const int lastRow = across ? kCrossSize : kCrossSize + 1 - w.length;
        const int lastCol = across ? kCrossSize + 1 - w.length : kCrossSize;
        for (int r = 1; r <= lastRow; ++r) {
            // A start needs a crossing, and a crossing needs a letter already
            // in the word's line: lines with none cannot hold a start.
            if (across && rowFill_[r] == 0)
                continue;
            for (int c = 1; c <= lastCol; ++c) {
                if (!across && colFill_[c] == 0)
                    continue;
                if (StartFits(w, r, c, across)) {
                    row = r;
                    col = c;
                    return true;
                }
            }
        }
        return false;
    }

    bool StartFits(const Candidate& w, int row, int col, bool across) const
    {
        if (starts_[row][col])
            return false;
        const int dr = across ? 0 : 1;
        const int dc = across ? 1 : 0;
        // Both end cells empty: the word never continues another in line.
        if (grid_[row - dr][col - dc] != 0 || grid_[row + dr * w.length][col + dc * w.length] != 0)
            return false;
        // Side neighbours: above and below an across word, left and right of a down word.
        const int sr = dc;
        const int sc = dr;
        const int parallel = across ? kCoveredAcross : kCoveredDown;
        bool crossing = false;
        for (int i = 0; i < w.length; ++i) {
            const int r = row + dr * i;
            const int c = col + dc * i;
            const int p = grid_[r][c];
            const int before = grid_[r - sr][c - sc];
            const int after = grid_[r + sr][c + sc];
            if (p == 0) {
                // An empty letter cell must not stand beside another letter.
                if (before != 0 || after != 0)
                    return false;
                continue;
            }
            // An occupied cell is taken only as a crossing with a word
            // running the other way, on the same letter. The neighbour test
            // alone would let a word swallow a parallel word that is crossed
            // at every letter (an "AT" crossed twice inside a new "HAT").
            if (before == 0 && after == 0)
                return false;
            if (p != w.text.at(i).unicode() || (covered_[r][c] & parallel) != 0)
                return false;
            crossing = true;
        }
        return crossing;
    }

    void Accept(int index, int row, int col, bool across)
    {
        Candidate& w = candidates_[index];
        const int k = ++puzzle_.placedCount;
        CrossWord& entry = puzzle_.placed[k];
        entry.text = w.text;
        entry.startRow = row;
        entry.startCol = col;
        entry.across = across ? 1 : 0;
        entry.down = across ? 0 : 1;
        entry.length = w.length;
        entry.completed = 0;
        PlaceCrossWord(entry, grid_);
        Cover(entry);
        w.text.clear();
    }

    void Cover(const CrossWord& word)
    {
        starts_[word.startRow][word.startCol] = true;
        for (int i = 0; i < word.length; ++i) {
            const int r = word.startRow + i * word.down;
            const int c = word.startCol + i * word.across;
            if (covered_[r][c] == 0) {
                ++rowFill_[r];
                ++colFill_[c];
            }
            covered_[r][c] |= word.across ? kCoveredAcross : kCoveredDown;
        }
    }

    // The unplaced candidates move down to 1..m', keeping their order.
    void KeepUnplaced()
    {
        int kept = 0;
        for (int i = 1; i <= m_; ++i)
            if (!candidates_[i].text.isEmpty())
                candidates_[++kept] = std::move(candidates_[i]);
        m_ = kept;
    }

    void Finish()
    {
        for (int k = 1; k <= puzzle_.placedCount; ++k) {
            const CrossWord& w = puzzle_.placed[k];
            for (int i = 0; i < w.length; ++i)
                puzzle_.cellState[w.startRow + i * w.down][w.startCol + i * w.across] = 0;
        }
        BuildClueOrder();
        puzzle_.wordsLeft = puzzle_.placedCount;
    }

    // Insertion by length: a word goes in front of the first longer one, so
    // equal lengths keep their placement order.
    void BuildClueOrder()
    {
        auto& order = puzzle_.clueOrder;
        for (int j = 1; j <= puzzle_.placedCount; ++j) {
            int at = 1;
            while (at < j && puzzle_.placed[order[at]].length <= puzzle_.placed[j].length)
                ++at;
            for (int s = j; s > at; --s)
                order[s] = order[s - 1];
            order[at] = j;
        }
    }

    Random& random_;
    const QStringList& words_;
    CrossPuzzle puzzle_;
    CrossGrid grid_{};
    CrossGrid covered_{};
    std::array<std::array<bool, kCrossSize + 2>, kCrossSize + 2> starts_{};
    std::array<int, kCrossSize + 2> rowFill_{};
    std::array<int, kCrossSize + 2> colFill_{};
    std::array<Candidate, kMaxWords + 1> candidates_{};
    WordOrder order_{};
    int m_ = 0;
};

} // namespace

CrossPuzzle BuildCrossPuzzle(Random& random, const QStringList& words)
{
    return CrossBuilder(random, words).Build();
}

CrossPuzzle BuildCrossPuzzle(Random& random, const GameState& state)
{
    return BuildCrossPuzzle(random, ListWords(state));
}

} // namespace lexaroo

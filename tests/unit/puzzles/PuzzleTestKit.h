#pragma once
#include "CrossPuzzle.h"
#include "FindPuzzle.h"
#include "Random.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace lexaroo::testing {

// Counts the draws a builder takes from another generator.
class CountingRandom : public Random {
public:
    explicit CountingRandom(Random& inner) : inner_(inner) {}
    double Draw() override
    {
        ++draws;
        return inner_.Draw();
    }
    void Randomize() override { inner_.Randomize(); }
    int draws = 0;

private:
    Random& inner_;
};

// A word list for the property runs, with what it is meant to exercise.
struct NamedList {
    const char* name;
    QStringList words;
};
std::vector<NamedList> PropertyLists();

// The letters of a Cross Words puzzle, written word by word.
CrossGrid CrossLetters(const CrossPuzzle& puzzle);

// Readable dumps, as kept in the golden files: the draw count, the word
// table and the grid ("." where no word lies in Cross Words).
QString DescribeCross(const CrossPuzzle& puzzle, int draws);
QString DescribeFind(const FindPuzzle& puzzle, int draws);

} // namespace lexaroo::testing

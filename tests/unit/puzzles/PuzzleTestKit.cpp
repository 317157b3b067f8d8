#include "PuzzleTestKit.h"

namespace lexaroo::testing {

std::vector<NamedList> PropertyLists()
{
    return {
        {"one word", {"garden"}},
        // Every word shares letters with the others, so more than 15 can interlock.
        {"interlocking",
         {"seat", "east", "tease", "state", "taste", "eats", "test", "set", "tea", "ate", "sea",
          "nest", "tent", "stone", "notes", "tones", "onset", "sent", "ten", "net", "toast",
          "treat", "sister", "teeth"}},
        {"thirty",
         {"apple", "banana", "cherry", "dragon", "eagle", "forest", "garden", "harbor", "island",
          "jungle", "kitten", "lemon", "market", "needle", "orange", "pencil", "quiet", "rabbit",
          "silver", "turtle", "umbrella", "violin", "window", "yellow", "zebra", "basket",
          "candle", "doctor", "finger", "hammer"}},
        {"no shared letter", {"cat", "dog", "fix", "hum", "by", "wren"}},
        {"duplicates", {"cat", "cat", "act", "cat", "tack", "act"}},
        {"lower and mixed case", {"Cat", "TAP", "pen", "Apple", "tAble", "nap"}},
        {"15 and 16 letters",
         {"troubleshooting", "extraordinarily", "misunderstanding", "characterization", "tin",
          "red", "sun"}},
        {"longer than 16", {"counterproductive", "incomprehensibilities", "cat", "tack", "act"}},
        // Short words crossed at every letter: a longer word could swallow one.
        {"short words", {"at", "ba", "to", "hat", "cat", "bat", "tab", "oat"}},
        {"one and two letters", {"a", "I", "at", "it", "in", "tin", "sat", "ant", "a", "tan"}},
        {"apostrophes and hyphens", {"don't", "can't", "x-ray", "it's", "top", "yo-yo"}},
    };
}

CrossGrid CrossLetters(const CrossPuzzle& puzzle)
{
    CrossGrid letters{};
    for (int k = 1; k <= puzzle.placedCount; ++k)
        PlaceCrossWord(puzzle.placed[k], letters);
    return letters;
}

namespace {

QString Direction(bool across)
{
    return across ? QStringLiteral("across") : QStringLiteral("down");
}

} // namespace

QString DescribeCross(const CrossPuzzle& puzzle, int draws)
{
    QStringList lines;
    lines << QStringLiteral("draws %1").arg(draws);
    lines << QStringLiteral("placed %1, words left %2").arg(puzzle.placedCount).arg(puzzle.wordsLeft);
    for (int k = 1; k <= puzzle.placedCount; ++k) {
        const CrossWord& w = puzzle.placed[k];
        lines << QStringLiteral("%1 %2 %3 %4 %5")
                     .arg(k)
                     .arg(w.text, Direction(w.across == 1))
                     .arg(w.startRow)
                     .arg(w.startCol);
    }
    QStringList order;
    for (int s = 1; s <= puzzle.placedCount; ++s)
        order << QString::number(puzzle.clueOrder[s]);
    lines << QStringLiteral("clueOrder %1").arg(order.join(QLatin1Char(' '))).trimmed();
    lines << QStringLiteral("grid");
    const CrossGrid letters = CrossLetters(puzzle);
    for (int r = 1; r <= kCrossSize; ++r) {
        QString row;
        for (int c = 1; c <= kCrossSize; ++c) {
            const int state = puzzle.cellState[r][c];
            if (state == kCrossOutside)
                row += QLatin1Char('.');
            else if (state != 0)
                row += QLatin1Char('!'); // construction leaves only 0 and 99
            else if (letters[r][c] == 0)
                row += QLatin1Char('?'); // a blank square under no word
            else
                row += QChar(letters[r][c]);
        }
        lines << row;
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString DescribeFind(const FindPuzzle& puzzle, int draws)
{
    QStringList lines;
    lines << QStringLiteral("draws %1").arg(draws);
    lines << QStringLiteral("placed %1, words remaining %2").arg(puzzle.placedCount).arg(puzzle.wordsRemaining);
    for (int k = 1; k <= puzzle.placedCount; ++k) {
        const FindSlot& s = puzzle.hidden[k];
        lines << QStringLiteral("%1 %2 %3 %4 %5")
                     .arg(k)
                     .arg(s.text, Direction(s.colStep == 1))
                     .arg(s.startRow)
                     .arg(s.startCol);
    }
    lines << QStringLiteral("grid");
    for (int r = 1; r <= kFindSize; ++r) {
        QString row;
        for (int c = 1; c <= kFindSize; ++c)
            row += puzzle.grid[r][c];
        lines << row;
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace lexaroo::testing

#include "Results.h"

namespace lexaroo {

namespace {
// Design layout of the results window (twips).
constexpr int kWindowHeight = 4065;
constexpr int kShapeHeight = 735;
constexpr int kLabel3Top = 2040;
constexpr int kShape2Top = 2520;
constexpr int kCmdOkTop = 3480;
constexpr int kCellLeft = 360;
constexpr int kRightTop = 1320;
constexpr int kWrongTop = 2760;
constexpr int kCellWidth = 2175;
constexpr int kCellHeight = 255;

QVector<QPoint> Cells(int n, int top)
{
    QVector<QPoint> cells;
    int x = kCellLeft;
    int y = top;
    for (int k = 1; k <= std::max(1, n); ++k) {
        cells.push_back(QPoint(x, y));
        x += kCellWidth;
        if (x > 4 * kCellWidth) {
            x = kCellLeft;
            y += kCellHeight;
        }
    }
    return cells;
}

int ExtraRows(int n) { return n > 0 ? (n - 1) / 4 : 0; }
} // namespace

int FinalScore(int wordsTried, int scorePoints)
{
    if (wordsTried == 0)
        return 0;
    return (100 * scorePoints) / (10 * wordsTried);
}

QString ResultsSentence(int wordsTried, int wordCount, int scorePoints)
{
    return QStringLiteral("You tried to spell %1 word%2 from a list of %3 words - Final score %4%")
        .arg(wordsTried)
        .arg(wordsTried == 1 ? QString() : QStringLiteral("s"))
        .arg(wordCount)
        .arg(FinalScore(wordsTried, scorePoints));
}

QString ResultsCaption(const QString& title, const QString& listName)
{
    return title + QStringLiteral(" Results, Word List: ") + listName;
}

ResultsLayout LayOutResults(int rightCount, int wrongCount)
{
    ResultsLayout l;
    const int grow1 = ExtraRows(rightCount) * kCellHeight;
    const int grow2 = ExtraRows(wrongCount) * kCellHeight;
    l.shape1Height = kShapeHeight + grow1;
    l.label3Top = kLabel3Top + grow1;
    l.shape2Top = kShape2Top + grow1;
    l.shape2Height = kShapeHeight + grow2;
    l.cmdOkTop = kCmdOkTop + grow1 + grow2;
    l.windowHeight = kWindowHeight + grow1 + grow2;
    l.rightCells = Cells(rightCount, kRightTop);
    l.wrongCells = Cells(wrongCount, kWrongTop + grow1);
    return l;
}

QStringList GridWords(const GameState& state, int status, int count)
{
    if (count <= 0)
        return {QStringLiteral("** NONE **")};
    QStringList words;
    for (int i = 1; i <= state.WordCount && i <= kMaxWords && words.size() < count; ++i)
        if (state.WordStatus[i] == status)
            words << state.Words[i];
    while (words.size() < count)
        words << QString();
    return words;
}

} // namespace lexaroo

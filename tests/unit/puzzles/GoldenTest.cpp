// Each golden file holds a word list, a fixed sequence of draws and the puzzle
// the builder must make from them, so any change to the order of the scan or
// of the draws shows up as a diff. The header lines are:
//   builder cross|find
//   words <words separated by spaces>
//   draws <values>     value*count repeats one value, [a b c]*count a group
//   seed <n>           the first 20000 draws of a seeded generator instead
// then a line "---" and the expected dump. Set LEXAROO_UPDATE_GOLDEN=1 to
// rewrite the expected part from the current builders (and review the diff).
#include "CrossPuzzle.h"
#include "FakePlatform.h"
#include "FindPuzzle.h"
#include "PuzzleTestKit.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>
#include <gtest/gtest.h>

#include <deque>

using namespace lexaroo;
using namespace lexaroo::testing;

namespace {

struct Golden {
    QString header; // everything up to and including the "---" line
    QString builder;
    QStringList words;
    std::deque<double> draws;
    QString expected;
};

QString GoldenPath(const char* name)
{
    return QStringLiteral(LEXAROO_PUZZLE_GOLDEN_DIR "/") + QString::fromLatin1(name) + QStringLiteral(".txt");
}

std::deque<double> ParseDraws(QString text)
{
    static const QRegularExpression group(QStringLiteral("\\[([^\\]]*)\\]\\*(\\d+)"));
    for (auto m = group.match(text); m.hasMatch(); m = group.match(text)) {
        QStringList copies;
        for (int i = 0; i < m.captured(2).toInt(); ++i)
            copies << m.captured(1);
        text.replace(m.capturedStart(), m.capturedLength(), copies.join(QLatin1Char(' ')));
    }
    std::deque<double> draws;
    for (const QString& token : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList parts = token.split(QLatin1Char('*'));
        const int count = parts.size() == 2 ? parts[1].toInt() : 1;
        for (int i = 0; i < count; ++i)
            draws.push_back(parts[0].toDouble());
    }
    return draws;
}

Golden ReadGolden(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << path.toStdString();
    const QString all = QString::fromUtf8(file.readAll());
    const qsizetype split = all.indexOf(QStringLiteral("\n---\n"));
    EXPECT_GE(split, 0) << "no --- line in " << path.toStdString();
    Golden g;
    g.header = all.left(split + 5);
    g.expected = all.mid(split + 5);
    for (const QString& line : g.header.split(QLatin1Char('\n'))) {
        const QString key = line.section(QLatin1Char(' '), 0, 0);
        const QString value = line.section(QLatin1Char(' '), 1);
        if (key == QLatin1String("builder"))
            g.builder = value;
        else if (key == QLatin1String("words"))
            g.words = value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        else if (key == QLatin1String("draws"))
            g.draws = ParseDraws(value);
        else if (key == QLatin1String("seed")) {
            MtRandom source(value.toUInt());
            for (int i = 0; i < 20000; ++i)
                g.draws.push_back(source.Draw());
        }
    }
    return g;
}

class GoldenPuzzle : public ::testing::TestWithParam<const char*> {};

TEST_P(GoldenPuzzle, MatchesTheRecordedGrid)
{
    const QString path = GoldenPath(GetParam());
    const Golden g = ReadGolden(path);
    ASSERT_FALSE(g.draws.empty());

    fakes::EventLog log;
    fakes::FakeRandom scripted(log);
    scripted.Script(g.draws);
    CountingRandom random(scripted);
    QString actual;
    if (g.builder == QLatin1String("cross")) {
        const CrossPuzzle puzzle = BuildCrossPuzzle(random, g.words);
        actual = DescribeCross(puzzle, random.draws);
    } else if (g.builder == QLatin1String("find")) {
        const FindPuzzle puzzle = BuildPuzzle(random, g.words);
        actual = DescribeFind(puzzle, random.draws);
    } else {
        FAIL() << "unknown builder in " << path.toStdString();
    }
    // Every draw must come from the script, not from the fake's fallback.
    ASSERT_LE(random.draws, static_cast<int>(g.draws.size()));

    if (qEnvironmentVariableIntValue("LEXAROO_UPDATE_GOLDEN") == 1) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate));
        out.write((g.header + actual).toUtf8());
        return;
    }
    EXPECT_EQ(actual.toStdString(), g.expected.toStdString());
}

INSTANTIATE_TEST_SUITE_P(Puzzles, GoldenPuzzle,
                         ::testing::Values("cross_crossing", "cross_start_cell", "cross_no_swallow",
                                           "cross_thirty", "cross_interlocking", "find_small",
                                           "find_left_out", "find_thirty", "find_long_words"),
                         [](const auto& info) { return std::string(info.param); });

} // namespace

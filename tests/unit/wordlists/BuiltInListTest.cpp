#include "BuiltInList.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace lexaroo;
using lexaroo::fakes::ProgramFolder;
using lexaroo::fakes::WriteFile;

namespace {

constexpr int kRecordLength = 315;
constexpr int kFieldLength = 15;

// Word k of record r in the fixture: capital letters only, different for every
// record and field, so a wrong record or field shows at once.
QString FixtureWord(int record, int k)
{
    if (record == 70 && k == 20)
        return QStringLiteral("ABCDEFGHIJKLMNO"); // fills its field
    if (record == 47 && k == 3)
        return QStringLiteral("CAN'T");
    if (record == 47 && k == 4)
        return QStringLiteral("X-RAY");
    return QStringLiteral("R") + QChar(u'A' + record / 26) + QChar(u'A' + record % 26)
        + QStringLiteral("W") + QChar(u'A' + k);
}

QByteArray Field(const QString& text)
{
    QByteArray field = text.toLatin1();
    field.append(kFieldLength - field.size(), ' ');
    return field;
}

// The first `records` records of a built-in list file, plus `extra` stray bytes.
QByteArray FixtureFile(int records, int extra = 0)
{
    QByteArray bytes;
    for (int r = 1; r <= records; ++r) {
        bytes += Field(QStringLiteral("REC%1").arg(r));
        for (int k = 1; k <= 20; ++k)
            bytes += Field(FixtureWord(r, k));
    }
    return bytes + QByteArray(extra, 'Z');
}

class BuiltInListTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString folder = dir.path() + QDir::separator();
    QString file = folder + "lexaroo.bil";

    // A state holding an unsaved 30-word list from another folder.
    GameState Choosing(int grade, int list, int letterCase)
    {
        GameState s;
        s.AppFolder = folder;
        s.ListFolder = QStringLiteral("/elsewhere/");
        s.ListName = QStringLiteral("OLD");
        for (int i = 1; i <= 30; ++i)
            s.Words[i] = QStringLiteral("old%1").arg(i);
        s.WordCount = 30;
        s.ListSaved = 0;
        s.BuiltInGrade = static_cast<std::int16_t>(grade);
        s.BuiltInList = static_cast<std::int16_t>(list);
        s.BuiltInCase = static_cast<std::int16_t>(letterCase);
        return s;
    }

    void ExpectEmptyList(const GameState& s)
    {
        EXPECT_EQ(s.WordCount, 0);
        for (int i = 1; i <= 30; ++i)
            EXPECT_TRUE(s.Words[i].isEmpty()) << i;
    }
};

} // namespace

TEST_F(BuiltInListTest, LoadsTheRecordOfGradeAndList)
{
    ASSERT_TRUE(WriteFile(file, FixtureFile(70)));
    struct Case {
        int grade, list, letterCase, record;
        const char* name;
    };
    const Case cases[] = {
        {0, 1, 2, 1, "GKLIST1"},   {0, 10, 1, 10, "GKLIST10"}, {1, 1, 2, 11, "G1LIST1"},
        {4, 7, 1, 47, "G4LIST7"},  {4, 7, 2, 47, "G4LIST7"},   {6, 10, 2, 70, "G6LIST10"},
        {6, 10, 1, 70, "G6LIST10"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name + std::string(c.letterCase == 1 ? " lower" : " upper"));
        GameState s = Choosing(c.grade, c.list, c.letterCase);
        QString error;
        ASSERT_TRUE(LoadBuiltInList(s, &error)) << error.toStdString();
        EXPECT_EQ(s.ListName, c.name);
        EXPECT_EQ(s.ListFolder, folder);
        EXPECT_EQ(s.ListSaved, 1);
        EXPECT_EQ(s.WordCount, 20);
        for (int k = 1; k <= 20; ++k) {
            const QString stored = FixtureWord(c.record, k);
            EXPECT_EQ(s.Words[k], c.letterCase == 1 ? stored.toLower() : stored) << k;
        }
        for (int i = 21; i <= 30; ++i)
            EXPECT_TRUE(s.Words[i].isEmpty()) << i;
    }
}

TEST_F(BuiltInListTest, FullFieldAndPunctuationSurviveLoading)
{
    ASSERT_TRUE(WriteFile(file, FixtureFile(70)));
    GameState s = Choosing(6, 10, 2);
    ASSERT_TRUE(LoadBuiltInList(s, nullptr));
    EXPECT_EQ(s.Words[20], "ABCDEFGHIJKLMNO");

    s = Choosing(4, 7, 1);
    ASSERT_TRUE(LoadBuiltInList(s, nullptr));
    EXPECT_EQ(s.Words[3], "can't");
    EXPECT_EQ(s.Words[4], "x-ray");
}

TEST_F(BuiltInListTest, ShortFileIsRefusedAndLeavesTheListEmpty)
{
    // 46 whole records and part of the 47th.
    ASSERT_TRUE(WriteFile(file, FixtureFile(46, 200)));
    GameState s = Choosing(4, 7, 1);
    QString error;
    EXPECT_FALSE(LoadBuiltInList(s, &error));
    EXPECT_TRUE(error.contains("lexaroo.bil")) << error.toStdString();
    EXPECT_TRUE(error.contains("G4LIST7")) << error.toStdString();
    ExpectEmptyList(s);
    EXPECT_EQ(s.ListName, "G4LIST7");
    EXPECT_EQ(s.ListFolder, folder);
    EXPECT_EQ(s.ListSaved, 0);

    // The last whole record still loads.
    s = Choosing(4, 6, 2);
    EXPECT_TRUE(LoadBuiltInList(s, &error)) << error.toStdString();
    EXPECT_EQ(s.Words[1], FixtureWord(46, 1));
}

TEST_F(BuiltInListTest, MissingFileIsReported)
{
    GameState s = Choosing(0, 10, 1);
    QString error;
    EXPECT_FALSE(LoadBuiltInList(s, &error));
    EXPECT_TRUE(error.contains("not found")) << error.toStdString();
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(file))) << error.toStdString();
    ExpectEmptyList(s);
}

TEST_F(BuiltInListTest, DamagedRecordIsRefusedWhole)
{
    const qsizetype record1Word5 = 5 * kFieldLength;
    QByteArray nul = FixtureFile(1);
    nul[record1Word5 + 1] = '\0';
    QByteArray blank = FixtureFile(1);
    blank[record1Word5] = ' ';
    QByteArray lowerCase = FixtureFile(1);
    lowerCase[record1Word5] = 'r';
    for (const QByteArray& bytes : {nul, blank, lowerCase}) {
        ASSERT_TRUE(WriteFile(file, bytes));
        GameState s = Choosing(0, 1, 2);
        QString error;
        EXPECT_FALSE(LoadBuiltInList(s, &error));
        EXPECT_TRUE(error.contains("damaged")) << error.toStdString();
        ExpectEmptyList(s);
    }
}

TEST_F(BuiltInListTest, SelectionOutOfRangeChangesNothing)
{
    ASSERT_TRUE(WriteFile(file, FixtureFile(70)));
    for (const auto& [grade, list] : {std::pair{7, 1}, {-1, 1}, {3, 0}, {3, 11}}) {
        GameState s = Choosing(grade, list, 1);
        QString error;
        EXPECT_FALSE(LoadBuiltInList(s, &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(s.ListName, "OLD");
        EXPECT_EQ(s.WordCount, 30);
        EXPECT_EQ(s.ListFolder, "/elsewhere/");
    }
}

TEST_F(BuiltInListTest, DeletesEmptyRecordingsInTheProgramFolder)
{
    ASSERT_TRUE(WriteFile(file, FixtureFile(70)));
    ASSERT_TRUE(WriteFile(folder + "stale.wav", {}));
    ASSERT_TRUE(WriteFile(folder + "kept.wav", "RIFF"));
    GameState s = Choosing(2, 3, 1);
    ASSERT_TRUE(LoadBuiltInList(s, nullptr));
    EXPECT_FALSE(QFile::exists(folder + "stale.wav"));
    EXPECT_TRUE(QFile::exists(folder + "kept.wav"));
}

// The file the build generates: 70 lists of 20 real words.
TEST(BuiltInListFile, GeneratedFileHoldsSeventyValidLists)
{
    const QString program = ProgramFolder();
    ASSERT_FALSE(program.isEmpty()) << "LEXAROO_PROGRAM_DIR is not set";
    QFile file(program + "lexaroo.bil");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), 70 * kRecordLength);

    const QRegularExpression wordPattern(QStringLiteral("^[A-Z](?:[A-Z'-]{0,13}[A-Z])?$"));
    for (int record = 1; record <= 70; ++record) {
        const int grade = (record - 1) / 10;
        SCOPED_TRACE("record " + std::to_string(record));
        QSet<QByteArray> seen;
        for (int k = 1; k <= 20; ++k) {
            const QByteArray field =
                bytes.mid((record - 1) * kRecordLength + k * kFieldLength, kFieldLength);
            const qsizetype space = field.indexOf(' ');
            const QByteArray word = space < 0 ? field : field.left(space);
            EXPECT_EQ(field.mid(word.size()), QByteArray(kFieldLength - word.size(), ' '))
                << "padding of word " << k;
            EXPECT_TRUE(wordPattern.match(QString::fromLatin1(word)).hasMatch())
                << "word " << k << ": " << word.toStdString();
            EXPECT_FALSE(seen.contains(word)) << "repeated: " << word.toStdString();
            seen.insert(word);
            if (grade == 0) {
                EXPECT_LE(word.size(), 4) << "Kindergarten word " << word.toStdString();
            }
        }
    }

    // Every list loads through the program's own loader (from a copy, so the
    // clean-up never touches the build's program folder).
    QTemporaryDir dir;
    const QString folder = dir.path() + QDir::separator();
    ASSERT_TRUE(WriteFile(folder + "lexaroo.bil", bytes));
    for (int grade = 0; grade <= 6; ++grade) {
        for (int list = 1; list <= 10; ++list) {
            GameState s;
            s.AppFolder = folder;
            s.BuiltInGrade = static_cast<std::int16_t>(grade);
            s.BuiltInList = static_cast<std::int16_t>(list);
            s.BuiltInCase = 1;
            QString error;
            ASSERT_TRUE(LoadBuiltInList(s, &error)) << error.toStdString();
            ASSERT_EQ(s.WordCount, 20);
            for (int k = 1; k <= 20; ++k)
                EXPECT_EQ(s.Words[k], s.Words[k].toLower()) << s.ListName.toStdString();
        }
    }
}

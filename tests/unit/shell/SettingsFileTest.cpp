#include "SettingsFile.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <gtest/gtest.h>


using namespace lexaroo;
using lexaroo::fakes::FileSizeLimit;
using lexaroo::fakes::WriteFile;

namespace {

QByteArray ReadAll(const QString& path) { return fakes::ReadFile(path, "<missing>"); }

// A state whose six settings all differ from the defaults.
GameState Unusual(const QString& folder)
{
    GameState s;
    s.AppFolder = folder;
    s.BuiltInCase = 2;
    s.BuiltInGrade = 0;
    s.BuiltInList = 10;
    s.BeeShowWord = 0;
    s.GameSpeed = 20;
    s.HatSayWord = 0;
    return s;
}

void ExpectDefaults(const GameState& s)
{
    EXPECT_EQ(s.BuiltInCase, 1);
    EXPECT_EQ(s.BuiltInGrade, 4);
    EXPECT_EQ(s.BuiltInList, 1);
    EXPECT_EQ(s.BeeShowWord, 1);
    EXPECT_EQ(s.GameSpeed, 2);
    EXPECT_EQ(s.HatSayWord, 1);
}

class SettingsFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString folder = dir.path() + QDir::separator();
    QString path = folder + "lexaroo5.ini";
};

} // namespace

TEST_F(SettingsFileTest, WritesFourCrLfLinesAndReadsThemBack)
{
    GameState written = Unusual(folder);
    QString error;
    ASSERT_TRUE(WriteSettings(written, &error)) << error.toStdString();
    EXPECT_EQ(ReadAll(path), QByteArray("2,0,10\r\n0\r\n20\r\n0\r\n"));

    GameState read;
    read.AppFolder = folder;
    ReadSettings(read);
    EXPECT_EQ(read.BuiltInCase, 2);
    EXPECT_EQ(read.BuiltInGrade, 0);
    EXPECT_EQ(read.BuiltInList, 10);
    EXPECT_EQ(read.BeeShowWord, 0);
    EXPECT_EQ(read.GameSpeed, 20);
    EXPECT_EQ(read.HatSayWord, 0);
}

TEST_F(SettingsFileTest, DefaultsWrittenAsTheDocumentedLines)
{
    GameState s;
    s.AppFolder = folder;
    ASSERT_TRUE(WriteSettings(s, nullptr));
    EXPECT_EQ(ReadAll(path), QByteArray("1,4,1\r\n1\r\n2\r\n1\r\n"));
}

TEST_F(SettingsFileTest, ToleratesSpacesAndLfLineEnds)
{
    ASSERT_TRUE(WriteFile(path, " 2 , 3 , 5 \n1\n0\n0\n"));
    GameState s;
    s.AppFolder = folder;
    ReadSettings(s);
    EXPECT_EQ(s.BuiltInCase, 2);
    EXPECT_EQ(s.BuiltInGrade, 3);
    EXPECT_EQ(s.BuiltInList, 5);
    EXPECT_EQ(s.BeeShowWord, 1);
    EXPECT_EQ(s.GameSpeed, 0);
    EXPECT_EQ(s.HatSayWord, 0);
}

TEST_F(SettingsFileTest, AnyDamageGivesAllSixDefaults)
{
    const std::pair<const char*, QByteArray> cases[] = {
        {"only three lines", "2,0,10\r\n0\r\n20\r\n"},
        {"empty file", ""},
        {"a word on line 2", "2,0,10\r\nyes\r\n20\r\n0\r\n"},
        {"line 1 with two numbers", "2,0\r\n0\r\n20\r\n0\r\n"},
        {"grade out of range", "2,7,10\r\n0\r\n20\r\n0\r\n"},
        {"list 0", "2,0,0\r\n0\r\n20\r\n0\r\n"},
        {"speed out of range", "2,0,10\r\n0\r\n21\r\n0\r\n"},
        {"negative case", "-1,0,10\r\n0\r\n20\r\n0\r\n"},
        {"binary data", QByteArray("2,0,\0\r\n", 7)},
    };
    for (const auto& [name, text] : cases) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(WriteFile(path, text));
        GameState s = Unusual(folder);
        ReadSettings(s);
        ExpectDefaults(s);
    }
}

TEST_F(SettingsFileTest, MissingFileOrFolderGivesDefaults)
{
    GameState s = Unusual(folder);
    ReadSettings(s);
    ExpectDefaults(s);

    GameState elsewhere = Unusual(folder + "no-such-folder" + QDir::separator());
    ReadSettings(elsewhere);
    ExpectDefaults(elsewhere);
}

TEST_F(SettingsFileTest, WriteIntoMissingFolderIsReported)
{
    GameState s = Unusual(folder + "no-such-folder" + QDir::separator());
    QString error;
    EXPECT_FALSE(WriteSettings(s, &error));
    EXPECT_TRUE(error.contains("lexaroo5.ini")) << error.toStdString();
    EXPECT_TRUE(error.contains("no-such-folder")) << error.toStdString();
}

TEST_F(SettingsFileTest, FailedWriteKeepsThePreviousFile)
{
    const QByteArray old = "1,4,1\r\n1\r\n2\r\n1\r\n";
    ASSERT_TRUE(WriteFile(path, old));
    GameState s = Unusual(folder);
    QString error;
    bool written = true;
    {
        FileSizeLimit full(4);
        written = WriteSettings(s, &error);
    }
    EXPECT_FALSE(written);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(ReadAll(path), old);
    // No temporary file is left behind.
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"lexaroo5.ini"});
}

TEST(SettingsFileFolders, ProgramFolderThatCannotBeWrittenUsesTheUsersOwnCopy)
{
    // /proc exists and takes no new files, even from root.
    if (QTemporaryFile(QStringLiteral("/proc/probe-XXXXXX")).open())
        GTEST_SKIP() << "/proc can be written here";
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    GameState s = Unusual(QStringLiteral("/proc/"));
    EXPECT_EQ(SettingsPath(s), config.filePath("lexaroo/lexaroo5.ini"));

    QString error;
    ASSERT_TRUE(WriteSettings(s, &error)) << error.toStdString();
    GameState back;
    back.AppFolder = s.AppFolder;
    ReadSettings(back);
    EXPECT_EQ(back.BuiltInList, 10);
    EXPECT_EQ(back.GameSpeed, 20);
    qunsetenv("XDG_CONFIG_HOME");
}

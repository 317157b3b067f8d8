#include "ListFile.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>
#include <vector>


using namespace lexaroo;
using lexaroo::fakes::FileSizeLimit;
using lexaroo::fakes::WriteFile;

namespace {

QByteArray ReadAll(const QString& path) { return fakes::ReadFile(path, "<missing>"); }

// A full list of placeholder words, so a test sees what reading empties.
GameState WithOldList()
{
    GameState s;
    for (int i = 1; i <= kMaxWords; ++i)
        s.Words[i] = QStringLiteral("old%1").arg(i);
    s.WordCount = kMaxWords;
    s.ListName = QStringLiteral("OLD");
    s.ListSaved = 0;
    return s;
}

class ListFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString folder = dir.path() + QDir::separator();
    QString path = folder + "ANIMALS.bsl";
};

} // namespace

TEST(NameFromListPath, NameAndFolder)
{
    struct Case {
        const char* path;
        const char* name;
        const char* folder;
    };
    const Case cases[] = {
        {"/home/user/lists/ANIMALS.bsl", "ANIMALS", "/home/user/lists/"},
        {"/home/user/lists/ANIMALS.BSL", "ANIMALS", "/home/user/lists/"},
        {"/ANIMALS.bsl", "ANIMALS", "/"},
        {"ANIMALS.bsl", "ANIMALS", ""},
        {"/a/b.c/my.words.bsl", "my.words", "/a/b.c/"},
        {"/lists/week 3.bsl", "week 3", "/lists/"},
        // No extension: the name stays whole and the folder stays right.
        {"/lists/ab", "ab", "/lists/"},
        {"/lists/spelling", "spelling", "/lists/"},
    };
    for (const auto& c : cases) {
        GameState s;
        NameFromListPath(s, QString::fromUtf8(c.path));
        EXPECT_EQ(s.ListName, QString::fromUtf8(c.name)) << c.path;
        EXPECT_EQ(s.ListFolder, QString::fromUtf8(c.folder)) << c.path;
    }
}

TEST_F(ListFileTest, ThreeWordsAreWrittenAsFourCrLfLines)
{
    GameState s;
    s.Words[1] = "cat";
    s.Words[2] = "dog";
    s.Words[3] = "emu";
    s.Words[4] = "not in the list";
    s.WordCount = 3;
    QString error;
    ASSERT_TRUE(WriteListFile(s, path, &error)) << error.toStdString();
    EXPECT_EQ(ReadAll(path), QByteArray("3\r\n\"cat\"\r\n\"dog\"\r\n\"emu\"\r\n"));
}

TEST_F(ListFileTest, WordsRoundTripUnchanged)
{
    GameState written;
    const char* words[] = {"don't", "well-known", "O'Neill-ish", "Cat", "a,b", "caf\xe9"};
    for (int i = 1; i <= kMaxWords; ++i)
        written.Words[i] = QString::fromLatin1(words[(i - 1) % std::size(words)])
            + QString(QChar(u'a' + i % 26));
    written.WordCount = kMaxWords;
    QString error;
    ASSERT_TRUE(WriteListFile(written, path, &error)) << error.toStdString();

    GameState read = WithOldList();
    ASSERT_TRUE(ReadListFile(read, path, &error)) << error.toStdString();
    EXPECT_EQ(read.WordCount, kMaxWords);
    for (int i = 1; i <= kMaxWords; ++i)
        EXPECT_EQ(read.Words[i], written.Words[i]) << i;
}

TEST_F(ListFileTest, ReadsWhatOtherEditorsMayWrite)
{
    // LF line ends, spaces around the count, a word without quotes, no final line end.
    ASSERT_TRUE(WriteFile(path, " 3 \n\"it's\"\nx-ray\n\"ice, cream\""));
    GameState s = WithOldList();
    QString error;
    ASSERT_TRUE(ReadListFile(s, path, &error)) << error.toStdString();
    EXPECT_EQ(s.WordCount, 3);
    EXPECT_EQ(s.Words[1], "it's");
    EXPECT_EQ(s.Words[2], "x-ray");
    EXPECT_EQ(s.Words[3], "ice, cream");
    for (int i = 4; i <= kMaxWords; ++i)
        EXPECT_TRUE(s.Words[i].isEmpty()) << i;
    // Reading leaves the name, the folder and the saved flag to the caller.
    EXPECT_EQ(s.ListName, "OLD");
    EXPECT_EQ(s.ListSaved, 0);
}

TEST_F(ListFileTest, FirstLineZeroGivesAnEmptyList)
{
    ASSERT_TRUE(WriteFile(path, "0\r\n"));
    GameState s = WithOldList();
    NameFromListPath(s, path);
    QString error;
    ASSERT_TRUE(ReadListFile(s, path, &error)) << error.toStdString();
    EXPECT_EQ(s.WordCount, 0);
    EXPECT_EQ(s.ListName, "ANIMALS");
    for (int i = 1; i <= kMaxWords; ++i)
        EXPECT_TRUE(s.Words[i].isEmpty()) << i;
}

TEST_F(ListFileTest, FailuresKeepTheWordsReadBeforeThem)
{
    struct Case {
        const char* name;
        QByteArray text;
        int wordsKept;
        const char* inMessage;
    };
    auto announcing = [](int count, int held) {
        QByteArray text = QByteArray::number(count) + "\r\n";
        for (int i = 1; i <= held; ++i)
            text += "\"w" + QByteArray::number(i) + "\"\r\n";
        return text;
    };
    const Case cases[] = {
        {"announces 5, holds 3", announcing(5, 3), 3, "after 3 of the 5 words"},
        {"empty file", "", 0, "empty"},
        {"first line not a number", "cat\r\n\"dog\"\r\n", 0, "line 1"},
        {"count far too large", "99999\r\n", 0, "line 1"},
        {"negative count", "-3\r\n\"w1\"\r\n", 0, "-3"},
        {"more than 30 words", announcing(31, 31), 30, "at most 30"},
        {"announces 40, holds 10", announcing(40, 10), 10, "after 10 of the 40 words"},
        {"word longer than 255 characters",
         "2\r\n\"w1\"\r\n\"" + QByteArray(256, 'a') + "\"\r\n", 1, "longer than 255"},
        {"missing closing quote", "3\r\n\"w1\"\r\n\"w2\r\n\"w3\"\r\n", 1, "closing double quote"},
        {"NUL bytes", QByteArray("2\r\n\"w1\"\r\n\"w\0\"\r\n", 15), 1, "not a word list file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(WriteFile(path, c.text));
        GameState s = WithOldList();
        QString error;
        EXPECT_FALSE(ReadListFile(s, path, &error));
        EXPECT_TRUE(error.contains(c.inMessage)) << error.toStdString();
        EXPECT_TRUE(error.contains("ANIMALS.bsl")) << error.toStdString();
        EXPECT_EQ(s.WordCount, c.wordsKept);
        for (int i = 1; i <= c.wordsKept; ++i)
            EXPECT_EQ(s.Words[i], QStringLiteral("w%1").arg(i));
        for (int i = c.wordsKept + 1; i <= kMaxWords; ++i)
            EXPECT_TRUE(s.Words[i].isEmpty()) << i;
    }
}

TEST_F(ListFileTest, MissingFileOrFolderIsReported)
{
    GameState s = WithOldList();
    QString error;
    EXPECT_FALSE(ReadListFile(s, folder + "NOSUCH.bsl", &error));
    EXPECT_TRUE(error.contains("NOSUCH.bsl")) << error.toStdString();
    EXPECT_TRUE(error.contains("not found")) << error.toStdString();
    EXPECT_EQ(s.WordCount, 0);
    EXPECT_TRUE(s.Words[1].isEmpty());

    ASSERT_TRUE(QDir(folder).mkdir("SUB.bsl"));
    EXPECT_FALSE(ReadListFile(s, folder + "SUB.bsl", &error));
    EXPECT_TRUE(error.contains("folder")) << error.toStdString();
}

TEST_F(ListFileTest, WriteIntoMissingFolderIsReported)
{
    GameState s;
    s.Words[1] = "cat";
    s.WordCount = 1;
    QString error;
    EXPECT_FALSE(WriteListFile(s, folder + "gone" + QDir::separator() + "A.bsl", &error));
    EXPECT_TRUE(error.contains("A.bsl")) << error.toStdString();
    EXPECT_TRUE(error.contains("does not exist")) << error.toStdString();
}

TEST_F(ListFileTest, FailedWriteLeavesThePreviousFile)
{
    const QByteArray old = "1\r\n\"old\"\r\n";
    ASSERT_TRUE(WriteFile(path, old));
    GameState s;
    for (int i = 1; i <= 20; ++i)
        s.Words[i] = QStringLiteral("word%1").arg(i);
    s.WordCount = 20;

    QString error;
    bool written = true;
    {
        FileSizeLimit full(16);
        written = WriteListFile(s, path, &error);
    }
    EXPECT_FALSE(written);
    EXPECT_TRUE(error.contains("ANIMALS.bsl")) << error.toStdString();
    EXPECT_EQ(ReadAll(path), old);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"ANIMALS.bsl"});

    // A word the file cannot hold is refused before anything is written.
    s.Words[7] = QStringLiteral("say \"hi\"");
    EXPECT_FALSE(WriteListFile(s, path, &error));
    EXPECT_TRUE(error.contains("word 7")) << error.toStdString();
    EXPECT_EQ(ReadAll(path), old);
}

TEST_F(ListFileTest, DamagedFilesNeverLeaveABrokenList)
{
    // Seeded random damage to a good file: bytes changed, cut short, lines
    // repeated. Whatever the outcome, the list in memory stays one the rest
    // of the program can use and save again: 0..30 words, each at most 255
    // characters, with no quote or NUL in it.
    GameState good;
    const char* words[] = {"cat", "don't", "well-known", "a,b", "zebra"};
    for (int i = 0; i < 5; ++i)
        good.Words[i + 1] = QString::fromLatin1(words[i]);
    good.WordCount = 5;
    ASSERT_TRUE(WriteListFile(good, path, nullptr));
    const QByteArray original = ReadAll(path);

    std::mt19937 random(2026);
    int failures = 0;
    for (int run = 0; run < 3000; ++run) {
        QByteArray bytes = original;
        switch (random() % 4) {
        case 0: // change a few bytes to anything
            for (int k = 0, n = 1 + random() % 4; k < n; ++k)
                bytes[random() % bytes.size()] = static_cast<char>(random() % 256);
            break;
        case 1: // cut short
            bytes.truncate(random() % bytes.size());
            break;
        case 2: // a count that lies
            bytes.replace(0, 1, QByteArray::number(static_cast<int>(random() % 80) - 20));
            break;
        case 3: // a line repeated many times
            bytes += QByteArray("\"again\"\r\n").repeated(static_cast<int>(random() % 40));
            break;
        }
        ASSERT_TRUE(WriteFile(path, bytes));
        GameState s = WithOldList();
        QString error;
        const bool ok = ReadListFile(s, path, &error);
        failures += ok ? 0 : 1;
        EXPECT_EQ(ok, error.isEmpty()) << run;
        ASSERT_GE(s.WordCount, 0) << run;
        ASSERT_LE(s.WordCount, kMaxWords) << run;
        for (int i = 1; i <= kMaxWords; ++i) {
            const QString& w = s.Words[i];
            if (i > s.WordCount) {
                EXPECT_TRUE(w.isEmpty()) << run << " word " << i;
                continue;
            }
            EXPECT_FALSE(w.isEmpty()) << run << " word " << i;
            EXPECT_LE(w.size(), 255) << run;
            EXPECT_FALSE(w.contains(QLatin1Char('"'))) << run;
            EXPECT_FALSE(w.contains(QChar(0))) << run;
        }
        // A list that opened must save again and read back the same.
        if (ok) {
            const QString copy = folder + "COPY.bsl";
            ASSERT_TRUE(WriteListFile(s, copy, &error)) << run << ": " << error.toStdString();
            GameState again = WithOldList();
            ASSERT_TRUE(ReadListFile(again, copy, &error)) << run << ": " << error.toStdString();
            EXPECT_EQ(again.WordCount, s.WordCount) << run;
            EXPECT_EQ(again.Words, s.Words) << run;
        }
    }
    // The damage was real: many files were refused, some still read.
    EXPECT_GT(failures, 500);
    EXPECT_LT(failures, 3000);
}

TEST_F(ListFileTest, ControlBytesInAWordAreRefusedOnOpen)
{
    // Every control byte, inside a quoted and an unquoted word. A file that
    // opens must save again, so each either fails with a message or (where
    // the byte is a tab or a line end, which the format reads as a space or
    // the end of the word) gives a word that saves and reads back unchanged.
    std::vector<char> bytes;
    for (int b = 0x01; b <= 0x1f; ++b)
        bytes.push_back(static_cast<char>(b));
    bytes.push_back('\x7f');
    for (const char b : bytes) {
        for (const bool quoted : {true, false}) {
            const QByteArray word = QByteArray("ca") + b + "t";
            const QByteArray text = "1\r\n" + (quoted ? '"' + word + '"' : word) + "\r\n";
            SCOPED_TRACE(QByteArray(text.toHex(' ')).toStdString());
            ASSERT_TRUE(WriteFile(path, text));
            GameState s = WithOldList();
            QString error;
            const bool ok = ReadListFile(s, path, &error);
            const bool lineEnd = b == '\r' || b == '\n';
            if (!quoted && (lineEnd || b == '\t')) {
                ASSERT_TRUE(ok) << error.toStdString();
                EXPECT_EQ(s.Words[1], lineEnd ? QString("ca") : QString("ca t"));
                EXPECT_TRUE(WriteListFile(s, folder + "COPY.bsl", &error)) << error.toStdString();
                continue;
            }
            EXPECT_FALSE(ok);
            EXPECT_TRUE(error.contains(lineEnd ? "closing double quote" : "control character"))
                << error.toStdString();
            EXPECT_TRUE(error.contains("word 1")) << error.toStdString();
            EXPECT_EQ(s.WordCount, 0);
            EXPECT_TRUE(s.Words[1].isEmpty());
        }
    }
    // The file that showed the fault: "1", a line feed, a backspace.
    ASSERT_TRUE(WriteFile(path, QByteArray::fromHex("310a08")));
    GameState s = WithOldList();
    QString error;
    EXPECT_FALSE(ReadListFile(s, path, &error));
    EXPECT_TRUE(error.contains("control character")) << error.toStdString();
    EXPECT_EQ(s.WordCount, 0);
}

TEST_F(ListFileTest, EmptyWordsAreDroppedAndNotCounted)
{
    struct Case {
        const char* name;
        QByteArray text;
        std::vector<const char*> words;
    };
    const Case cases[] = {
        {"a lone comma", QByteArray::fromHex("310a2c"), {}},
        {"empty quotes", "1\r\n\"\"", {}},
        {"empty quotes between words", "3\r\n\"cat\"\r\n\"\"\r\n\"dog\"\r\n", {"cat", "dog"}},
        {"empty fields on one line", "4\r\n,\"cat\",,\"emu\"\r\n", {"cat", "emu"}},
        {"only empty words", "3\r\n\"\"\r\n\"\"\r\n,\r\n", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(WriteFile(path, c.text));
        GameState s = WithOldList();
        QString error;
        ASSERT_TRUE(ReadListFile(s, path, &error)) << error.toStdString();
        ASSERT_EQ(s.WordCount, static_cast<int>(c.words.size()));
        for (int i = 1; i <= kMaxWords; ++i) {
            const QString expected = i <= s.WordCount ? QString(c.words[i - 1]) : QString();
            EXPECT_EQ(s.Words[i], expected) << i;
        }
    }
    // A failure after an empty word keeps the words before it, counted without it.
    ASSERT_TRUE(WriteFile(path, "4\r\n\"cat\"\r\n\"\"\r\n\"dog\"\r\n"));
    GameState s = WithOldList();
    QString error;
    EXPECT_FALSE(ReadListFile(s, path, &error));
    EXPECT_EQ(s.WordCount, 2);
    EXPECT_EQ(s.Words[1], "cat");
    EXPECT_EQ(s.Words[2], "dog");
    EXPECT_TRUE(s.Words[3].isEmpty());
}

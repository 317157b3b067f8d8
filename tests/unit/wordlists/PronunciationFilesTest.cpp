#include "PronunciationFiles.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace lexaroo;
using lexaroo::fakes::WriteFile;

TEST(CleanUpEmptySounds, DeletesOnlyEmptyWaveFiles)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QDir::separator();
    ASSERT_TRUE(WriteFile(folder + "cat.wav", {}));
    ASSERT_TRUE(WriteFile(folder + "DOG.WAV", {}));
    ASSERT_TRUE(WriteFile(folder + "emu.wav", "RIFF...."));
    ASSERT_TRUE(WriteFile(folder + "empty.txt", {}));
    ASSERT_TRUE(WriteFile(folder + "list.bsl", {}));
    ASSERT_TRUE(WriteFile(folder + "wav", {}));
    ASSERT_TRUE(QDir(folder).mkdir("folder.wav"));
    ASSERT_TRUE(QDir(folder).mkdir("sub"));
    ASSERT_TRUE(WriteFile(folder + "sub/inner.wav", {}));

    CleanUpEmptySounds(folder);

    EXPECT_FALSE(QFile::exists(folder + "cat.wav"));
    EXPECT_FALSE(QFile::exists(folder + "DOG.WAV"));
    EXPECT_TRUE(QFile::exists(folder + "emu.wav"));
    EXPECT_TRUE(QFile::exists(folder + "empty.txt"));
    EXPECT_TRUE(QFile::exists(folder + "list.bsl"));
    EXPECT_TRUE(QFile::exists(folder + "wav"));
    EXPECT_TRUE(QFileInfo(folder + "folder.wav").isDir());
    EXPECT_TRUE(QFile::exists(folder + "sub/inner.wav"));
}

TEST(CleanUpEmptySounds, EmptyFolderMeansTheCurrentFolder)
{
    // A list never saved has no folder; its recordings go to the current folder.
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    ASSERT_TRUE(WriteFile("cat.wav", {}));
    ASSERT_TRUE(WriteFile("dog.wav", "RIFF"));
    CleanUpEmptySounds(QString());
    const bool catGone = !QFile::exists("cat.wav");
    const bool dogKept = QFile::exists("dog.wav");
    QDir::setCurrent(before);
    EXPECT_TRUE(catGone);
    EXPECT_TRUE(dogKept);
}

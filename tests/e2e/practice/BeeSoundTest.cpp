// Spelling Bee on a real X server with real sound: the word's recording,
// a WAV file beside the list, must reach the private sound server's sink
// when the child presses Say Word.
#include "FakePlatform.h"
#include "OpenAlSound.h"
#include "SinkCapture.h"
#include "TableEntry.h"
#include "TestFiles.h"
#include "WordList.h"
#include "frmBee.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace lexaroo;
using namespace lexaroo::fakes;

namespace {

// Longest run of consecutive analysis windows near `hz`, and where it starts.
struct ToneRun {
    int length = 0;
    int start = -1;
};
ToneRun PlacedRunNear(const std::vector<double>& track, double hz)
{
    ToneRun best, run;
    for (int i = 0; i < static_cast<int>(track.size()); ++i) {
        if (std::abs(track[i] - hz) < hz * 0.05) {
            if (run.length == 0)
                run.start = i;
            ++run.length;
            if (run.length > best.length)
                best = run;
        } else {
            run = {};
        }
    }
    return best;
}

} // namespace

TEST(BeeRealSound, SayWordPlaysTheWordsRecordingToTheSink)
{
    if (!SoundServerAvailable())
        GTEST_SKIP() << "no private sound server (run through scripts/test)";

    // A recorded list: one WAV per word beside it, named by the word's first
    // 8 letters. Each word gets its own tone so the capture tells them apart.
    QTemporaryDir listDir;
    const QString folder = QDir::toNativeSeparators(listDir.path()) + QDir::separator();
    ASSERT_TRUE(WriteFile(folder + "butterfl.wav", MakeToneWav(660, 0.6)));
    ASSERT_TRUE(WriteFile(folder + "cat.wav", MakeToneWav(440, 0.6)));
    ASSERT_TRUE(WriteFile(folder + "bugs.bsl", "2\r\n\"butterfly\"\r\n\"cat\"\r\n"));

    GameState state;
    state.Words[1] = QStringLiteral("butterfly");
    state.Words[2] = QStringLiteral("cat");
    state.WordCount = 2;
    state.ListName = QStringLiteral("bugs");
    state.ListFolder = folder;
    state.ListCase = ComputeListCase(state);
    state.BeeShowWord = 1;
    QTemporaryDir appDir; // no effect files: the effects play as silence
    state.AppFolder = QDir::toNativeSeparators(appDir.path()) + QDir::separator();

    // Real sound, fakes for the rest; the shuffle keeps the list order.
    OpenAlSound sound;
    ASSERT_TRUE(sound.HasDevice());
    sound.Play(MakeToneWav(440, 0.2, 22050, 0.0), true); // wake the idle sink
    FakePlatform fake;
    fake.random.Script({0.999});
    Platform platform{fake.clock, fake.random, sound, fake.recorder, fake.printer,
                      fake.dialogs, fake.help, fake.keyboard};

    QPointer<frmBee> bee = new frmBee(state, platform, uitest::TableInfo(2));
    bee->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(bee.data()));
    QCoreApplication::processEvents();
    auto* say = bee->findChild<QPushButton*>("cmdFlash");
    auto* next = bee->findChild<QPushButton*>("cmdOK");
    ASSERT_TRUE(say && next);

    SinkCapture capture;
    ASSERT_TRUE(capture.Start());
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(say, Qt::LeftButton);
    const qint64 firstSay = timer.elapsed();
    QTest::keyClicks(bee->focusWidget(), "butterfly");
    ASSERT_TRUE(next->isVisible());
    QTest::mouseClick(next, Qt::LeftButton);
    QTest::mouseClick(say, Qt::LeftButton);
    const auto heard = capture.Stop();
    ASSERT_TRUE(heard);

    // Say Word returns once the word has been said (the device may report
    // the end a few milliseconds early), never at once.
    EXPECT_GE(firstSay, 450);
    EXPECT_LT(firstSay, 3000);
    EXPECT_EQ(state.ScorePoints, 10);

    // 0.6 s of each tone is 12 windows of 50 ms: the first word's tone, then
    // the second's.
    const auto track = FrequencyTrack(*heard, 0.05, 0.05);
    const ToneRun first = PlacedRunNear(track, 660);
    const ToneRun second = PlacedRunNear(track, 440);
    EXPECT_GE(first.length, 9);
    EXPECT_GE(second.length, 9);
    EXPECT_LT(first.start, second.start);

    delete bee;
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

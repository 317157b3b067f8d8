// The word recorder with the real microphone and speaker: the private sound
// server's sine source is the default input and its null sink the output.
// Recording a word must leave the word's file beside the list, in the
// template's format, holding the tone; Play must send it to the sink.
#include "FakePlatform.h"
#include "OpenAlRecorder.h"
#include "OpenAlSound.h"
#include "SinkCapture.h"
#include "TestFiles.h"
#include "WavCodec.h"
#include "frmRec.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace lexaroo;
using namespace lexaroo::fakes;

namespace {

std::optional<Pcm> ReadPcm(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return DecodeWav(f.readAll());
}

} // namespace

TEST(RecorderWindow, RecordsAWordBesideTheListAndPlaysItToTheSink)
{
    REQUIRE_SOUND_SERVER();
    const QString templatePath = ProgramFolder() + QStringLiteral("zzblank.wav");
    QString error;
    const auto templateFormat = ReadWavFormat(templatePath, &error);
    ASSERT_TRUE(templateFormat) << "the recording template: " << error.toStdString();

    QTemporaryDir lists;
    GameState state;
    state.AppFolder = ProgramFolder();
    state.ListFolder = lists.path() + QStringLiteral("/");
    state.Words[1] = QStringLiteral("kangaroos");
    state.Words[2] = QStringLiteral("emu");
    state.WordCount = 2;

    FakePlatform fake;
    OpenAlSound sound;
    ASSERT_TRUE(sound.HasDevice());
    OpenAlRecorder recorder(sound);
    Platform platform{fake.clock,   fake.random,  sound,     recorder,
                      fake.printer, fake.dialogs, fake.help, fake.keyboard};
    // The first sound after the sink has idled can start late.
    sound.Play(MakeToneWav(440, 0.2, 22050, 0.0), true);

    frmRec rec(state, platform);
    rec.show();
    QTest::mouseClick(rec.cmdRecord(), Qt::LeftButton);
    ASSERT_TRUE(rec.Recording()) << fake.dialogs.texts.join(' ').toStdString();
    QTest::qWait(1200);
    QTest::mouseClick(rec.cmdStop(), Qt::LeftButton); // saves, then plays it back
    EXPECT_TRUE(fake.log.Matching("msgbox").isEmpty()) << fake.log.Joined().toStdString();
    EXPECT_FALSE(rec.Recording());

    // The word's file: named after its first 8 letters, beside the list, in
    // the template's format, holding about 1.2 s of the microphone's tone.
    const QString word = state.ListFolder + QStringLiteral("kangaroo.wav");
    ASSERT_TRUE(QFile::exists(word));
    EXPECT_FALSE(QFile::exists(word + QStringLiteral(".rec")));
    const auto format = ReadWavFormat(word, &error);
    ASSERT_TRUE(format) << error.toStdString();
    EXPECT_EQ(format->sampleRate, templateFormat->sampleRate);
    EXPECT_EQ(format->channels, templateFormat->channels);
    EXPECT_EQ(format->format, templateFormat->format);
    const auto pcm = ReadPcm(word);
    ASSERT_TRUE(pcm);
    EXPECT_GT(pcm->Seconds(), 0.9);
    EXPECT_LT(pcm->Seconds(), 1.8);
    // Skip the first 100 ms while the stream settles.
    const size_t from = static_cast<size_t>(pcm->sampleRate / 10) * pcm->channels;
    EXPECT_NEAR(ZeroCrossingFrequency(*pcm, from, pcm->samples.size()), 440, 15);
    EXPECT_GT(Rms(*pcm, from, pcm->samples.size()), 0.05);

    // Play sends it to the speaker.
    SinkCapture capture;
    ASSERT_TRUE(capture.Start());
    QTest::mouseClick(rec.cmdPlay(), Qt::LeftButton);
    const auto heard = capture.Stop();
    ASSERT_TRUE(heard);
    // About 1.2 s of tone is 24 windows of 50 ms; allow for the settling
    // start of the recording and blurred edges.
    EXPECT_GE(LongestRunNear(FrequencyTrack(*heard, 0.05, 0.05), 440), 14);
    EXPECT_EQ(rec.lblPlay()->text(), QStringLiteral("Play"));
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

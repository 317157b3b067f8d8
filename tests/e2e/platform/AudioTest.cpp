// Real sound through the private PulseAudio server that scripts/test starts:
// what the program plays must reach the null sink, and a recording must hold
// what the (sine) microphone heard.
#include "OpenAlRecorder.h"
#include "OpenAlSound.h"
#include "SinkCapture.h"
#include "TestFiles.h"
#include "WavCodec.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>
#include <sndfile.h>

using namespace lexaroo;
using namespace lexaroo::fakes;

namespace {

void Warm(OpenAlSound& sound)
{
    // The first sound after the sink has idled can start late.
    sound.Play(MakeToneWav(440, 0.2, 22050, 0.0), true);
}

} // namespace

TEST(RealSound, ATonePlayedWithWaitReachesTheSinkAndReturnsAfterItEnds)
{
    REQUIRE_SOUND_SERVER();
    OpenAlSound sound;
    ASSERT_TRUE(sound.HasDevice());
    Warm(sound);
    SinkCapture capture;
    ASSERT_TRUE(capture.Start());

    QElapsedTimer timer;
    timer.start();
    sound.Play(MakeToneWav(440, 0.6, 22050, 0.5), true);
    const qint64 waited = timer.elapsed();
    const auto heard = capture.Stop();
    ASSERT_TRUE(heard);

    // Waiting means the sound has been played out, not handed over, and it
    // never hangs.
    EXPECT_GE(waited, 600);
    EXPECT_LT(waited, 3000);

    const auto track = FrequencyTrack(*heard, 0.05, 0.05);
    // 0.6 s of tone is 12 windows of 50 ms; allow the edges to blur.
    EXPECT_GE(LongestRunNear(track, 440), 9);
    double loudest = 0;
    for (size_t b = 0; b < heard->samples.size(); b += 2205)
        loudest = std::max(loudest, Rms(*heard, b, b + 2205));
    // A sine of amplitude 0.5 has an RMS of 0.35; the mono sound is panned
    // to both channels at -3 dB and mixed back to mono by the capture.
    EXPECT_GT(loudest, 0.15);
    EXPECT_LT(loudest, 0.45);
}

TEST(RealSound, PlayWithoutWaitReturnsAtOnceAndANewSoundCutsTheOld)
{
    REQUIRE_SOUND_SERVER();
    OpenAlSound sound;
    Warm(sound);
    SinkCapture capture;
    ASSERT_TRUE(capture.Start());

    QElapsedTimer timer;
    timer.start();
    sound.Play(MakeToneWav(440, 1.5, 22050, 0.5), false);
    const qint64 returned = timer.elapsed();
    QThread::msleep(400);
    sound.Play(MakeToneWav(880, 0.5, 22050, 0.5), true);
    const auto heard = capture.Stop();
    ASSERT_TRUE(heard);

    EXPECT_LT(returned, 300) << "a sound started without waiting blocked";
    const auto track = FrequencyTrack(*heard, 0.05, 0.05);
    // About 0.4 s of the low tone, then the high tone; the rest of the low
    // tone never plays.
    const int low = LongestRunNear(track, 440);
    EXPECT_GE(low, 5);
    EXPECT_LE(low, 12);
    EXPECT_GE(LongestRunNear(track, 880), 7);
    bool lowAfterHigh = false, seenHigh = false;
    for (double f : track) {
        if (std::abs(f - 880) < 44)
            seenHigh = true;
        else if (seenHigh && std::abs(f - 440) < 22)
            lowAfterHigh = true;
    }
    EXPECT_FALSE(lowAfterHigh);
}

TEST(RealSound, BadImagesAreSilent)
{
    REQUIRE_SOUND_SERVER();
    OpenAlSound sound;
    Warm(sound);
    SinkCapture capture;
    ASSERT_TRUE(capture.Start());
    const QByteArray tone = MakeToneWav(440, 0.5);
    sound.Play(tone.left(30), true);
    sound.Play(QByteArray("not a sound"), true);
    sound.Play(QByteArray(50000, '\x7f'), true);
    const auto heard = capture.Stop();
    ASSERT_TRUE(heard);
    EXPECT_LT(Rms(*heard, 0, heard->samples.size()), 0.01);
}

TEST(RealRecorder, RecordsTheMicrophoneInTheTemplatesFormat)
{
    REQUIRE_SOUND_SERVER();
    QTemporaryDir dir;
    const QString path = dir.filePath("cat.wav");
    // A 22.05 kHz 8-bit mono template, as a recording template might be.
    const WavFormat u8{22050, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_U8};
    Pcm silence;
    silence.samples.assign(2205, 0);
    ASSERT_TRUE(WriteFile(path, *EncodeWav(silence, u8, nullptr)));

    OpenAlSound sound;
    OpenAlRecorder recorder(sound);
    QString error;
    ASSERT_TRUE(recorder.StartRecording(path, &error)) << error.toStdString();
    QEventLoop loop;
    QTimer::singleShot(1000, &loop, &QEventLoop::quit);
    loop.exec();
    ASSERT_TRUE(recorder.StopAndSave(&error)) << error.toStdString();

    const auto format = ReadWavFormat(path, &error);
    ASSERT_TRUE(format);
    EXPECT_EQ(format->sampleRate, 22050);
    EXPECT_EQ(format->channels, 1);
    EXPECT_EQ(format->format, SF_FORMAT_WAV | SF_FORMAT_PCM_U8);

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const auto pcm = DecodeWav(f.readAll());
    ASSERT_TRUE(pcm);
    EXPECT_GT(pcm->Seconds(), 0.8);
    EXPECT_LT(pcm->Seconds(), 1.3);
    // The sine source: skip the first 100 ms while the stream settles.
    const size_t from = 2205;
    EXPECT_NEAR(ZeroCrossingFrequency(*pcm, from, pcm->samples.size()), 440, 15);
    EXPECT_GT(Rms(*pcm, from, pcm->samples.size()), 0.05);
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

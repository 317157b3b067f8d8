// Each sound effect of the program folder, played through the real sound
// device, reaches the private sound server's null sink at about its own
// level; the recording template plays as silence.
#include "OpenAlSound.h"
#include "SinkCapture.h"
#include "TestFiles.h"
#include "WavCodec.h"

#include <QCoreApplication>
#include <QFile>
#include <gtest/gtest.h>

using namespace lexaroo;
using namespace lexaroo::fakes;

namespace {

QByteArray ReadProgramFile(const char* name)
{
    QFile f(ProgramFolder() + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// RMS of the loudest 50 ms window: what a listener hears at the sound's
// strongest moment, wherever the sound sits in the capture.
double LoudestWindow(const Pcm& pcm)
{
    const size_t window = static_cast<size_t>(pcm.sampleRate / 20) * pcm.channels;
    double loudest = 0;
    for (size_t b = 0; b < pcm.samples.size(); b += window / 2)
        loudest = std::max(loudest, Rms(pcm, b, std::min(b + window, pcm.samples.size())));
    return loudest;
}

void Warm(OpenAlSound& sound)
{
    // The first sound after the sink has idled can start late.
    sound.Play(MakeToneWav(440, 0.2, 22050, 0.0), true);
}

} // namespace

TEST(EffectPlayback, EveryEffectReachesTheSink)
{
    if (!SoundServerAvailable())
        GTEST_SKIP() << "no private sound server (run through scripts/test)";
    OpenAlSound sound;
    ASSERT_TRUE(sound.HasDevice());
    Warm(sound);
    for (const char* name : {"xding.wav", "xuhoh.wav", "xtada.wav", "xchimes.wav", "xpoof.wav",
                             "xcook.wav", "xblast.wav", "xmusic.wav", "xraise.wav", "xeat.wav",
                             "xouch.wav"}) {
        SCOPED_TRACE(name);
        const QByteArray image = ReadProgramFile(name);
        const auto own = DecodeWav(image);
        ASSERT_TRUE(own);

        SinkCapture capture;
        ASSERT_TRUE(capture.Start());
        sound.Play(image, true);
        const auto heard = capture.Stop();
        ASSERT_TRUE(heard);

        // The mono sound is panned to both channels at -3 dB, resampled and
        // mixed back to mono by the capture: a little over half of the
        // file's own level arrives (0.5 to 0.6 measured).
        const double ratio = LoudestWindow(*heard) / LoudestWindow(*own);
        EXPECT_GT(ratio, 0.35);
        EXPECT_LT(ratio, 1.2);
    }
}

TEST(EffectPlayback, RecordingTemplatePlaysAsSilence)
{
    if (!SoundServerAvailable())
        GTEST_SKIP() << "no private sound server (run through scripts/test)";
    OpenAlSound sound;
    Warm(sound);
    SinkCapture capture;
    ASSERT_TRUE(capture.Start());
    sound.Play(ReadProgramFile("zzblank.wav"), true);
    const auto heard = capture.Stop();
    ASSERT_TRUE(heard);
    EXPECT_LT(LoudestWindow(*heard), 0.005);
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

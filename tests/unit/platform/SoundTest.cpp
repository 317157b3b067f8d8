#include "OpenAlSound.h"
#include "TestFiles.h"
#include "WavCodec.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sndfile.h>

using namespace lexaroo;
using lexaroo::fakes::MakeToneWav;

TEST(WavCodec, DecodesAToneImage)
{
    const auto pcm = DecodeWav(MakeToneWav(440, 0.5, 22050));
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->sampleRate, 22050);
    EXPECT_EQ(pcm->channels, 1);
    EXPECT_EQ(pcm->samples.size(), 11025u);
    EXPECT_NEAR(pcm->Seconds(), 0.5, 1e-9);
}

TEST(WavCodec, TruncatedImageKeepsTheSamplesThatAreThere)
{
    const QByteArray whole = MakeToneWav(440, 0.5);
    const auto pcm = DecodeWav(whole.left(44 + 2000));
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->samples.size(), 1000u);
}

struct BadImage {
    const char* what;
    QByteArray bytes;
};

TEST(WavCodec, BadImagesDecodeToNothing)
{
    const QByteArray tone = MakeToneWav(440, 0.1);
    const BadImage cases[] = {
        {"empty", QByteArray()},
        {"header only, cut short", tone.left(20)},
        {"header without samples", tone.left(44)},
        {"text", QByteArray("this is not a sound file at all, just words")},
        {"random bytes", QByteArray(4096, '\x5a')},
        {"oversized", QByteArray(kMaxSoundImageBytes + 1, '\0')},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(DecodeWav(c.bytes)) << c.what;
}

TEST(WavCodec, EncodesInTheTemplateFormat)
{
    Pcm pcm = *DecodeWav(MakeToneWav(440, 0.25, 22050));
    const WavFormat u8{22050, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_U8};
    QString error;
    const auto image = EncodeWav(pcm, u8, &error);
    ASSERT_TRUE(image) << error.toStdString();

    QTemporaryDir dir;
    const QString path = dir.filePath("x.wav");
    ASSERT_TRUE(lexaroo::fakes::WriteFile(path, *image));
    const auto format = ReadWavFormat(path, &error);
    ASSERT_TRUE(format);
    EXPECT_EQ(format->sampleRate, 22050);
    EXPECT_EQ(format->channels, 1);
    EXPECT_EQ(format->format, SF_FORMAT_WAV | SF_FORMAT_PCM_U8);
    const auto back = DecodeWav(*image);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->samples.size(), pcm.samples.size());
}

TEST(OpenAlSound, BadImagesPlayAsSilenceWithoutWaiting)
{
    OpenAlSound sound;
    const QByteArray tone = MakeToneWav(440, 0.1);
    for (const QByteArray& bad : {QByteArray(), tone.left(30), QByteArray("RIFF....WAVEjunk"),
                                  QByteArray(100000, '\x01')}) {
        sound.Play(bad, true);
        EXPECT_FALSE(sound.IsPlaying());
    }
    sound.Stop();
    sound.PlayFile(QStringLiteral("/nonexistent/sound.wav"));
    EXPECT_FALSE(sound.IsPlaying());
}

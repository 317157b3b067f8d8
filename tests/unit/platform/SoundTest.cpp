#include "OpenAlRecorder.h"
#include "OpenAlSound.h"
#include "TestFiles.h"
#include "WavCodec.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sndfile.h>

#include <atomic>
#include <cstdlib>
#include <new>

using namespace lexaroo;
using lexaroo::fakes::MakeToneWav;

// The largest single request made to operator new while a probe watches: a
// decoder must size its buffers by what an image holds, not by what its
// header claims.
namespace {
std::atomic<bool> gWatching{false};
std::atomic<std::size_t> gLargest{0};

class AllocationProbe {
public:
    AllocationProbe()
    {
        gLargest = 0;
        gWatching = true;
    }
    ~AllocationProbe() { gWatching = false; }
    std::size_t Largest() const { return gLargest; }
};
} // namespace

void* operator new(std::size_t n)
{
    if (gWatching.load(std::memory_order_relaxed)) {
        std::size_t seen = gLargest.load();
        while (n > seen && !gLargest.compare_exchange_weak(seen, n)) {
        }
    }
    if (void* p = std::malloc(n ? n : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {
// Images that once did harm: a FLAC header announcing a quarter of a
// gigabyte of samples, a damaged Ogg page, and a WAV header of 97 channels
// at 1,633,771,873 Hz.
const QByteArray kFlacHeader = QByteArray::fromHex(
    "664c61438000002210001000000000000000056222f00400000000000000000000000000000000000000");
const QByteArray kDamagedOgg = QByteArray::fromHex(
    "4f676753000200000000000000007c9f45670000000005d86dbf011e01766f726269730000000001225600"
    "000000000037b0000000000000a901");
const QByteArray kWildTemplate = QByteArray::fromHex(
    "524946466161616157415645666d742010000000010061006161616161616161616120006461746161");

QByteArray Encoded(const Pcm& pcm, int sampleRate, int channels, int format)
{
    QString error;
    const auto image = EncodeWav(pcm, WavFormat{sampleRate, channels, format}, &error);
    EXPECT_TRUE(image) << error.toStdString();
    return image.value_or(QByteArray());
}
} // namespace

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

TEST(WavCodec, OnlyRiffWaveImagesAreDecoded)
{
    // Every sound the program has is WAV; other formats are not sound images.
    const Pcm tone = *DecodeWav(MakeToneWav(440, 0.1, 22050));
    struct Case {
        const char* what;
        int format;
        bool decoded;
    };
    const Case cases[] = {
        {"WAV, 16-bit", SF_FORMAT_WAV | SF_FORMAT_PCM_16, true},
        {"WAV, 8-bit", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, true},
        {"WAV, 24-bit", SF_FORMAT_WAV | SF_FORMAT_PCM_24, true},
        {"WAV, float", SF_FORMAT_WAV | SF_FORMAT_FLOAT, true},
        {"WAV, extensible", SF_FORMAT_WAVEX | SF_FORMAT_PCM_16, true},
        {"AIFF", SF_FORMAT_AIFF | SF_FORMAT_PCM_16, false},
        {"AU", SF_FORMAT_AU | SF_FORMAT_PCM_16, false},
        {"CAF", SF_FORMAT_CAF | SF_FORMAT_PCM_16, false},
        {"Wave64", SF_FORMAT_W64 | SF_FORMAT_PCM_16, false},
        {"FLAC", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, false},
        {"Ogg Vorbis", SF_FORMAT_OGG | SF_FORMAT_VORBIS, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray image = Encoded(tone, 22050, 1, c.format);
        ASSERT_FALSE(image.isEmpty());
        const auto pcm = DecodeWav(image);
        EXPECT_EQ(pcm.has_value(), c.decoded);
        if (pcm && c.decoded) {
            EXPECT_EQ(pcm->samples.size(), tone.samples.size());
        }
    }
}

TEST(WavCodec, ImagesThatClaimMoreThanTheyHoldCostLittle)
{
    QByteArray claimsTooMuch = MakeToneWav(440, 0.01, 8000); // 80 samples
    claimsTooMuch.replace(40, 4, QByteArray::fromHex("00ffff7f"));
    struct Case {
        const char* what;
        QByteArray image;
        size_t samples; // 0: decodes to nothing
    };
    const Case cases[] = {
        {"FLAC header", kFlacHeader, 0},
        {"damaged Ogg page", kDamagedOgg, 0},
        {"WAV template header without samples", kWildTemplate, 0},
        {"data chunk announcing 2 GiB", claimsTooMuch, 80},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        AllocationProbe probe;
        const auto pcm = DecodeWav(c.image);
        const size_t largest = probe.Largest();
        EXPECT_EQ(pcm ? pcm->samples.size() : 0u, c.samples);
        EXPECT_LE(largest, 64 * 1024 + 16 * static_cast<size_t>(c.image.size()));
    }
}

TEST(OpenAlRecorder, RefusesATemplateItCannotRecordIn)
{
    const Pcm tone = *DecodeWav(MakeToneWav(440, 0.1, 22050));
    struct Case {
        const char* what;
        QByteArray image;
        const char* inMessage;
    };
    const Case cases[] = {
        {"97 channels at 1,633,771,873 Hz", kWildTemplate, "97 channels"},
        {"3 channels", Encoded(tone, 22050, 3, SF_FORMAT_WAV | SF_FORMAT_PCM_16), "3 channels"},
        {"24-bit samples", Encoded(tone, 22050, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_24), "24-bit"},
        {"float samples", Encoded(tone, 22050, 1, SF_FORMAT_WAV | SF_FORMAT_FLOAT), "floating"},
        {"7,999 Hz", Encoded(tone, 7999, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16), "7999 Hz"},
        {"96,001 Hz", Encoded(tone, 96001, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16), "96001 Hz"},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("cat.wav.rec");
    OpenAlSound sound;
    OpenAlRecorder recorder(sound);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(lexaroo::fakes::WriteFile(path, c.image));
        QString error;
        EXPECT_FALSE(recorder.StartRecording(path, &error));
        EXPECT_FALSE(recorder.IsRecording());
        EXPECT_TRUE(error.contains("recording template")) << error.toStdString();
        EXPECT_TRUE(error.contains(c.inMessage)) << error.toStdString();
        EXPECT_EQ(lexaroo::fakes::ReadFile(path), c.image);
    }
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

TEST(WavCodec, RecordingFormats)
{
    struct Case {
        const char* what;
        WavFormat format;
        const char* problem; // nullptr: can be recorded in
    };
    const int pcm16 = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    const Case cases[] = {
        {"mono 16-bit 22,050 Hz", {22050, 1, pcm16}, nullptr},
        {"stereo 8-bit 8,000 Hz", {8000, 2, SF_FORMAT_WAV | SF_FORMAT_PCM_U8}, nullptr},
        {"96,000 Hz", {96000, 1, pcm16}, nullptr},
        {"extensible WAV", {44100, 2, SF_FORMAT_WAVEX | SF_FORMAT_PCM_16}, nullptr},
        {"the issue's template", {1633771873, 97, pcm16}, "97 channels"},
        {"no channels", {22050, 0, pcm16}, "0 channels"},
        {"3 channels", {22050, 3, pcm16}, "3 channels"},
        {"7,999 Hz", {7999, 1, pcm16}, "7999 Hz"},
        {"96,001 Hz", {96001, 1, pcm16}, "96001 Hz"},
        {"negative rate", {-8000, 1, pcm16}, "-8000 Hz"},
        {"24-bit", {22050, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_24}, "24-bit"},
        {"32-bit", {22050, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_32}, "32-bit"},
        {"float", {22050, 1, SF_FORMAT_WAV | SF_FORMAT_FLOAT}, "floating-point"},
        {"ADPCM", {22050, 1, SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM}, "compressed"},
        {"AIFF", {22050, 1, SF_FORMAT_AIFF | SF_FORMAT_PCM_16}, "not a WAV file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString problem = RecordingFormatProblem(c.format);
        if (!c.problem) {
            EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
            continue;
        }
        EXPECT_TRUE(problem.contains(c.problem)) << problem.toStdString();
    }
    // The header that showed the fault reads as it says, and is refused.
    QString error;
    const auto format = ReadWavFormat(kWildTemplate, &error);
    ASSERT_TRUE(format) << error.toStdString();
    EXPECT_EQ(format->channels, 97);
    EXPECT_EQ(format->sampleRate, 1633771873);
    EXPECT_FALSE(RecordingFormatProblem(*format).isEmpty());
    // Other formats are not read as templates at all.
    EXPECT_FALSE(ReadWavFormat(kFlacHeader, &error));
    EXPECT_TRUE(error.contains("not a WAV file")) << error.toStdString();
}

TEST(SoundBufferCache, RemembersImagesThatCannotBeDecoded)
{
    std::vector<unsigned int> released;
    SoundBufferCache cache(2, [&](unsigned int buffer) { released.push_back(buffer); });
    unsigned int made = 0;
    auto make = [&](const QByteArray& image) {
        ++made;
        return image.startsWith("RIFF") ? SoundBufferCache::Entry{made, 0.5}
                                        : SoundBufferCache::Entry{};
    };
    const QByteArray bad = kFlacHeader;
    const QByteArray good = MakeToneWav(440, 0.01);
    const QByteArray other = MakeToneWav(880, 0.01);

    EXPECT_EQ(cache.Get(bad, make).buffer, 0u);
    EXPECT_EQ(cache.Get(bad, make).buffer, 0u);
    // The same bytes in another array are the same image.
    EXPECT_EQ(cache.Get(QByteArray(bad.constData(), bad.size()), make).buffer, 0u);
    EXPECT_EQ(made, 1u);

    EXPECT_EQ(cache.Get(good, make).buffer, 2u);
    EXPECT_EQ(cache.Get(good, make).seconds, 0.5);
    EXPECT_EQ(made, 2u);

    // Beyond the limit the least recently used goes; only real buffers are released.
    cache.Get(bad, make);
    EXPECT_EQ(cache.Get(other, make).buffer, 3u); // evicts good
    EXPECT_EQ(released, std::vector<unsigned int>{2});
    EXPECT_EQ(cache.Get(good, make).buffer, 4u); // evicts bad
    EXPECT_EQ(released, std::vector<unsigned int>{2});
    EXPECT_EQ(cache.Size(), 2u);
    EXPECT_EQ(cache.Get(bad, make).buffer, 0u); // decoded again: it had gone
    EXPECT_EQ(made, 5u);
    EXPECT_EQ(released, (std::vector<unsigned int>{2, 3}));

    cache.Clear();
    EXPECT_EQ(released, (std::vector<unsigned int>{2, 3, 4}));
    EXPECT_EQ(cache.Size(), 0u);
}

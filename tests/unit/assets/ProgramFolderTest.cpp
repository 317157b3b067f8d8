// The build's program folder holds every data file the program reads, and
// every sound in it is one the program can play: a 16-bit mono PCM WAV that
// libsndfile decodes, short, audible and not clipped.
#include "TestFiles.h"
#include "WavCodec.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace lexaroo;
using lexaroo::fakes::ProgramFolder;

namespace {

struct Sound {
    std::string name;
    double minSeconds;
    double maxSeconds;
};

std::vector<Sound> ProgramSounds()
{
    std::vector<Sound> sounds{
        {"xding.wav", 0.05, 0.25}, // plays on every right letter: must be quick
        {"xuhoh.wav", 0.2, 2.0},   {"xtada.wav", 0.3, 2.0},  {"xchimes.wav", 0.3, 2.0},
        {"xpoof.wav", 0.1, 2.0},   {"xcook.wav", 0.2, 2.0},  {"xblast.wav", 0.1, 2.0},
        {"xmusic.wav", 2.0, 4.0},  {"xraise.wav", 0.1, 2.0}, {"xeat.wav", 0.1, 2.0},
        {"xouch.wav", 0.1, 2.0},
    };
    for (char c = 'A'; c <= 'Z'; ++c)
        sounds.push_back({std::string("X") + c + ".wav", 0.15, 2.0});
    sounds.push_back({"Xap.wav", 0.15, 2.0});
    sounds.push_back({"Xhy.wav", 0.15, 2.0});
    return sounds;
}

QString PathOf(const std::string& name) { return ProgramFolder() + QString::fromStdString(name); }

std::optional<Pcm> Decode(const std::string& name)
{
    QFile f(PathOf(name));
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return DecodeWav(f.readAll());
}

double Peak(const Pcm& pcm, size_t from, size_t to)
{
    int top = 0;
    for (size_t i = from; i < to; ++i)
        top = std::max(top, std::abs(static_cast<int>(pcm.samples[i])));
    return top / 32768.0;
}

double Rms(const Pcm& pcm, size_t from, size_t to)
{
    double sum = 0;
    for (size_t i = from; i < to; ++i)
        sum += static_cast<double>(pcm.samples[i]) * pcm.samples[i];
    return to > from ? std::sqrt(sum / static_cast<double>(to - from)) / 32768.0 : 0.0;
}

void ExpectProgramFormat(const std::string& name)
{
    QString error;
    const auto format = ReadWavFormat(PathOf(name), &error);
    ASSERT_TRUE(format) << name << ": " << error.toStdString();
    EXPECT_EQ(format->format, SF_FORMAT_WAV | SF_FORMAT_PCM_16) << name;
    EXPECT_EQ(format->channels, 1) << name;
    EXPECT_TRUE(format->sampleRate == 22050 || format->sampleRate == 44100) << name;
}

} // namespace

TEST(ProgramFolder, HoldsEveryFileTheProgramReads)
{
    ASSERT_FALSE(ProgramFolder().isEmpty()) << "LEXAROO_PROGRAM_DIR is not set";
    std::vector<std::string> files{"lexaroo.hlp", "zzblank.wav", "lexaroo.bil", "lexaroo"};
    for (const auto& s : ProgramSounds())
        files.push_back(s.name);
    for (const auto& name : files) {
        const QFileInfo info(PathOf(name));
        EXPECT_TRUE(info.isFile()) << name << " is missing";
        EXPECT_GT(info.size(), 0) << name << " is empty";
    }
}

TEST(ProgramFolder, EverySoundDecodesAndIsShortAudibleAndUnclipped)
{
    for (const auto& sound : ProgramSounds()) {
        SCOPED_TRACE(sound.name);
        ExpectProgramFormat(sound.name);
        const auto pcm = Decode(sound.name);
        ASSERT_TRUE(pcm) << "does not decode";
        EXPECT_GE(pcm->Seconds(), sound.minSeconds);
        EXPECT_LT(pcm->Seconds(), sound.maxSeconds);
        const size_t n = pcm->samples.size();
        // Levelled to about -3 dBFS: well clear of clipping, never faint.
        const double peak = Peak(*pcm, 0, n);
        EXPECT_GT(peak, 0.5);
        EXPECT_LT(peak, 0.9);
        EXPECT_GT(Rms(*pcm, 0, n), 0.02) << "is (nearly) silent";
    }
}

TEST(ProgramFolder, LetterSoundsAreTrimmedToTheVoice)
{
    // A letter is spelled out one after another: silence before or after
    // the voice would drag the spelling out.
    for (const auto& sound : ProgramSounds()) {
        if (sound.name[0] != 'X')
            continue;
        SCOPED_TRACE(sound.name);
        const auto pcm = Decode(sound.name);
        ASSERT_TRUE(pcm);
        const size_t n = pcm->samples.size();
        const size_t ms = static_cast<size_t>(pcm->sampleRate / 1000);
        const double peak = Peak(*pcm, 0, n);
        // Quieter than -34 dB under the peak is silence here.
        const double quiet = 0.02 * peak;
        size_t first = 0;
        while (first < n && std::abs(pcm->samples[first]) / 32768.0 < quiet)
            ++first;
        size_t last = n;
        while (last > 0 && std::abs(pcm->samples[last - 1]) / 32768.0 < quiet)
            --last;
        EXPECT_LT(first, 40 * ms) << "silence before the voice";
        EXPECT_GT(last + 100 * ms, n) << "silence after the voice";
        // and the edges are faded, so no click
        EXPECT_LT(std::abs(pcm->samples.front()) / 32768.0, 0.01);
        EXPECT_LT(std::abs(pcm->samples.back()) / 32768.0, 0.01);
    }
}

TEST(ProgramFolder, CookingSizzleRestartsWithoutAGap)
{
    // Scrambled Word restarts the sizzle on every animation tick, so it must
    // be loud from its first milliseconds to its last: no fade at either end.
    const auto pcm = Decode("xcook.wav");
    ASSERT_TRUE(pcm);
    const size_t n = pcm->samples.size();
    const size_t edge = static_cast<size_t>(pcm->sampleRate / 50); // 20 ms
    const double whole = Rms(*pcm, 0, n);
    EXPECT_GT(Rms(*pcm, 0, edge), 0.5 * whole);
    EXPECT_GT(Rms(*pcm, n - edge, n), 0.5 * whole);
}

TEST(ProgramFolder, RecordingTemplateIsShortSilencePlayableAsIs)
{
    // The recorder records in the template's format; a copy of the template
    // left over from a failed recording must play as silence.
    ExpectProgramFormat("zzblank.wav");
    QString error;
    const auto format = ReadWavFormat(PathOf("zzblank.wav"), &error);
    ASSERT_TRUE(format) << error.toStdString();
    EXPECT_EQ(format->sampleRate, 22050);
    const auto pcm = Decode("zzblank.wav");
    ASSERT_TRUE(pcm);
    EXPECT_GT(pcm->samples.size(), 0u);
    EXPECT_LT(pcm->Seconds(), 1.0);
    EXPECT_EQ(Peak(*pcm, 0, pcm->samples.size()), 0.0);
}

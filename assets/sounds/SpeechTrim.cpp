// Build-time tool for the letter sounds: reads what the speech synthesiser
// said, cuts the silence before and after the voice, brings the level to
// that of the effects and writes the program's sound format.
// Usage: lexaroo_speech_trim INPUT.wav OUTPUT.wav
#include "SoundFile.h"

#include <cstdio>

using namespace lexaroo::assets;

namespace {

// Anything quieter than this, relative to the loudest sample, counts as
// silence (-30 dB: under the soft "f" and "h" sounds, over the breath the
// voice trails off into).
constexpr double kSilence = 0.03;
// Kept around the voice so a soft start or a fading end is not clipped.
constexpr double kLeadIn = 0.010;
constexpr double kTail = 0.040;

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s INPUT.wav OUTPUT.wav\n", argv[0]);
        return 2;
    }
    SF_INFO info{};
    SNDFILE* in = sf_open(argv[1], SFM_READ, &info);
    if (!in) {
        std::fprintf(stderr, "%s: %s\n", argv[1], sf_strerror(nullptr));
        return 1;
    }
    if (info.channels != 1 || info.samplerate != kRate) {
        std::fprintf(stderr, "%s: expected mono %d Hz, got %d channels at %d Hz\n", argv[1], kRate,
                     info.channels, info.samplerate);
        sf_close(in);
        return 1;
    }
    Signal s(static_cast<size_t>(info.frames));
    const sf_count_t got = sf_read_double(in, s.data(), info.frames);
    sf_close(in);
    s.resize(static_cast<size_t>(got));

    double top = 0;
    for (double v : s)
        top = std::max(top, std::abs(v));
    if (top <= 0) {
        std::fprintf(stderr, "%s: the speech is silent\n", argv[1]);
        return 1;
    }
    size_t first = 0;
    while (std::abs(s[first]) < kSilence * top)
        ++first;
    size_t last = s.size() - 1;
    while (std::abs(s[last]) < kSilence * top)
        --last;
    const size_t from = first > static_cast<size_t>(Samples(kLeadIn)) ? first - Samples(kLeadIn) : 0;
    const size_t to = std::min(s.size(), last + 1 + Samples(kTail));

    Signal voice(s.begin() + static_cast<long>(from), s.begin() + static_cast<long>(to));
    FadeIn(voice, 0.005);
    FadeOut(voice, 0.020);
    ScaleToPeak(voice);
    return WriteWav(argv[2], voice) ? 0 : 1;
}

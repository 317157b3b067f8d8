#pragma once
// Shared by the build-time sound tools: the one output format of every
// program-folder sound, and the last steps before writing (level, fades,
// rounding), kept free of anything that could make two builds differ.
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace lexaroo::assets {

constexpr int kRate = 22050;

// Effects and letters peak at about -3 dBFS: loud enough to hear over a
// game, with headroom so nothing clips after resampling in the sound server.
constexpr double kPeak = 0.70794578; // 10^(-3/20)

using Signal = std::vector<double>;

inline int Samples(double seconds) { return static_cast<int>(std::lround(seconds * kRate)); }

inline void ScaleToPeak(Signal& s, double peak = kPeak)
{
    double top = 0;
    for (double v : s)
        top = std::max(top, std::abs(v));
    if (top <= 0)
        return;
    for (double& v : s)
        v *= peak / top;
}

// Raised-cosine ramps, so a sound never starts or stops with a click.
inline void FadeIn(Signal& s, double seconds)
{
    const int n = std::min<int>(Samples(seconds), static_cast<int>(s.size()));
    for (int i = 0; i < n; ++i)
        s[i] *= 0.5 - 0.5 * std::cos(M_PI * i / n);
}

inline void FadeOut(Signal& s, double seconds)
{
    const int size = static_cast<int>(s.size());
    const int n = std::min(Samples(seconds), size);
    for (int i = 0; i < n; ++i)
        s[size - 1 - i] *= 0.5 - 0.5 * std::cos(M_PI * i / n);
}

// Writes 16-bit mono PCM WAV at kRate. libsndfile adds no dates or other
// varying chunks for this format, so equal samples give equal bytes.
inline bool WriteWav(const std::string& path, const Signal& s)
{
    std::vector<std::int16_t> pcm(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        const double v = std::clamp(s[i], -1.0, 1.0) * 32767.0;
        pcm[i] = static_cast<std::int16_t>(std::lround(v));
    }
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!f) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), sf_strerror(nullptr));
        return false;
    }
    const sf_count_t n = static_cast<sf_count_t>(pcm.size());
    const bool ok = sf_write_short(f, pcm.data(), n) == n;
    sf_close(f);
    if (!ok)
        std::fprintf(stderr, "%s: short write\n", path.c_str());
    return ok;
}

} // namespace lexaroo::assets

#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace lexaroo {

// Decoded sound: interleaved 16-bit samples.
struct Pcm {
    std::vector<std::int16_t> samples;
    int channels = 1;
    int sampleRate = 22050;
    double Seconds() const
    {
        return channels > 0 && sampleRate > 0
                   ? static_cast<double>(samples.size()) / channels / sampleRate
                   : 0.0;
    }
};

// The audio format of a WAV file as libsndfile describes it.
struct WavFormat {
    int sampleRate = 0;
    int channels = 0;
    int format = 0; // libsndfile's SF_FORMAT_* major | subtype
};

// Largest image we are willing to decode (a long sound effect or recording
// is far smaller); anything bigger plays as silence.
constexpr qsizetype kMaxSoundImageBytes = 64 * 1024 * 1024;

// Decodes a WAV image held in memory. Nothing for an empty, truncated,
// oversized or non-WAV image.
std::optional<Pcm> DecodeWav(const QByteArray& image);

// Reads the format of a WAV file on disk.
std::optional<WavFormat> ReadWavFormat(const QString& path, QString* error);

// Encodes samples as a WAV image in the given format.
std::optional<QByteArray> EncodeWav(const Pcm& pcm, const WavFormat& format, QString* error);

} // namespace lexaroo

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

// Decodes a WAV image held in memory. Only RIFF/WAVE images of PCM, floating
// point, A-law, mu-law or ADPCM samples, mono or stereo, are decoded; nothing
// comes of an empty, truncated to the header, oversized or other image. The
// buffers grow with the samples actually decoded, never with what a header
// announces.
std::optional<Pcm> DecodeWav(const QByteArray& image);

// Reads the format of a WAV image, or of a WAV file on disk. Anything but
// RIFF/WAVE data is refused with a message.
std::optional<WavFormat> ReadWavFormat(const QByteArray& image, QString* error);
std::optional<WavFormat> ReadWavFormat(const QString& path, QString* error);

// The formats the recorder can capture in: 1 or 2 channels of 8- or 16-bit
// PCM WAV, at 8,000..96,000 samples a second.
constexpr int kMinRecordingRate = 8000;
constexpr int kMaxRecordingRate = 96000;

// Why a recording cannot be made in this format, as a phrase for a message
// ("it has 97 channels, but a recording has 1 or 2"), or an empty string
// when it can.
QString RecordingFormatProblem(const WavFormat& format);

// Encodes samples as a WAV image in the given format.
std::optional<QByteArray> EncodeWav(const Pcm& pcm, const WavFormat& format, QString* error);

} // namespace lexaroo

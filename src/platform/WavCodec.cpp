#include "WavCodec.h"

#include <QFile>
#include <sndfile.h>

#include <algorithm>
#include <cstring>

namespace lexaroo {

namespace {

// libsndfile virtual I/O over a byte buffer, for reading and for writing.
struct MemoryFile {
    QByteArray data;
    sf_count_t pos = 0;
};

sf_count_t VioLength(void* user) { return static_cast<MemoryFile*>(user)->data.size(); }

sf_count_t VioSeek(sf_count_t offset, int whence, void* user)
{
    auto* f = static_cast<MemoryFile*>(user);
    sf_count_t base = 0;
    if (whence == SEEK_CUR)
        base = f->pos;
    else if (whence == SEEK_END)
        base = f->data.size();
    const sf_count_t target = base + offset;
    if (target < 0)
        return -1;
    f->pos = target;
    return f->pos;
}

sf_count_t VioRead(void* ptr, sf_count_t count, void* user)
{
    auto* f = static_cast<MemoryFile*>(user);
    const sf_count_t available = std::max<sf_count_t>(0, f->data.size() - f->pos);
    const sf_count_t n = std::min(count, available);
    if (n > 0)
        std::memcpy(ptr, f->data.constData() + f->pos, static_cast<size_t>(n));
    f->pos += n;
    return n;
}

sf_count_t VioWrite(const void* ptr, sf_count_t count, void* user)
{
    auto* f = static_cast<MemoryFile*>(user);
    const sf_count_t end = f->pos + count;
    if (end > f->data.size())
        f->data.resize(static_cast<qsizetype>(end));
    std::memcpy(f->data.data() + f->pos, ptr, static_cast<size_t>(count));
    f->pos = end;
    return count;
}

sf_count_t VioTell(void* user) { return static_cast<MemoryFile*>(user)->pos; }

SF_VIRTUAL_IO MemoryIo()
{
    SF_VIRTUAL_IO io{};
    io.get_filelen = VioLength;
    io.seek = VioSeek;
    io.read = VioRead;
    io.write = VioWrite;
    io.tell = VioTell;
    return io;
}

} // namespace

namespace {

// RIFF/WAVE, checked before libsndfile sees the bytes: it would otherwise
// take any of the formats it knows (some of which trust their headers for
// buffer sizes, or leak inside their codec libraries on damaged data).
bool IsRiffWave(const QByteArray& image)
{
    return image.size() >= 12 && image.startsWith("RIFF") && image.mid(8, 4) == "WAVE";
}

bool IsWavMajor(int format)
{
    const int major = format & SF_FORMAT_TYPEMASK;
    return major == SF_FORMAT_WAV || major == SF_FORMAT_WAVEX;
}

// The sample encodings a sound image may use; libsndfile knows more (GSM,
// G.72x, MPEG) that no sound of ours is made in.
bool IsDecodableSubtype(int format)
{
    switch (format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_U8:
    case SF_FORMAT_PCM_S8:
    case SF_FORMAT_PCM_16:
    case SF_FORMAT_PCM_24:
    case SF_FORMAT_PCM_32:
    case SF_FORMAT_FLOAT:
    case SF_FORMAT_DOUBLE:
    case SF_FORMAT_ULAW:
    case SF_FORMAT_ALAW:
    case SF_FORMAT_IMA_ADPCM:
    case SF_FORMAT_MS_ADPCM:
        return true;
    default:
        return false;
    }
}

// Samples read at a time; the image's own size bounds what is reserved.
constexpr sf_count_t kBlockFrames = 4096;
// The densest accepted encoding (4-bit ADPCM) gives two samples a byte.
constexpr qsizetype kMaxSamplesPerByte = 2;

} // namespace

std::optional<Pcm> DecodeWav(const QByteArray& image)
{
    if (image.size() > kMaxSoundImageBytes || !IsRiffWave(image))
        return std::nullopt;
    MemoryFile file{image, 0};
    SF_VIRTUAL_IO io = MemoryIo();
    SF_INFO info{};
    SNDFILE* sf = sf_open_virtual(&io, SFM_READ, &info, &file);
    if (!sf)
        return std::nullopt;
    std::optional<Pcm> result;
    const bool sane = IsWavMajor(info.format) && IsDecodableSubtype(info.format)
                      && info.channels >= 1 && info.channels <= 2 && info.samplerate >= 1000
                      && info.samplerate <= 192000 && info.frames > 0;
    if (sane) {
        Pcm pcm;
        pcm.channels = info.channels;
        pcm.sampleRate = info.samplerate;
        const qsizetype limit = image.size() * kMaxSamplesPerByte;
        pcm.samples.reserve(static_cast<size_t>(
            std::min<sf_count_t>(info.frames * info.channels, limit)));
        std::vector<std::int16_t> block(static_cast<size_t>(kBlockFrames * info.channels));
        bool tooLong = false;
        for (;;) {
            // A truncated image yields fewer frames than its header promised:
            // keep what is there.
            const sf_count_t got = sf_readf_short(sf, block.data(), kBlockFrames);
            if (got <= 0)
                break;
            const auto n = static_cast<size_t>(got * info.channels);
            if (pcm.samples.size() + n > static_cast<size_t>(limit)) {
                tooLong = true;
                break;
            }
            pcm.samples.insert(pcm.samples.end(), block.begin(), block.begin() + n);
        }
        if (!tooLong && !pcm.samples.empty())
            result = std::move(pcm);
    }
    sf_close(sf);
    return result;
}

std::optional<WavFormat> ReadWavFormat(const QByteArray& image, QString* error)
{
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return std::nullopt;
    };
    if (!IsRiffWave(image))
        return fail(QStringLiteral("it is not a WAV file"));
    MemoryFile mem{image, 0};
    SF_VIRTUAL_IO io = MemoryIo();
    SF_INFO info{};
    SNDFILE* sf = sf_open_virtual(&io, SFM_READ, &info, &mem);
    if (!sf)
        return fail(QString::fromUtf8(sf_strerror(nullptr)));
    sf_close(sf);
    if (!IsWavMajor(info.format))
        return fail(QStringLiteral("it is not a WAV file"));
    return WavFormat{info.samplerate, info.channels, info.format};
}

std::optional<WavFormat> ReadWavFormat(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    return ReadWavFormat(file.read(1 << 20), error);
}

QString RecordingFormatProblem(const WavFormat& format)
{
    if (!IsWavMajor(format.format))
        return QStringLiteral("it is not a WAV file");
    if (format.channels < 1 || format.channels > 2) {
        return QStringLiteral("it has %1 channels, but a recording has 1 or 2")
            .arg(format.channels);
    }
    if (format.sampleRate < kMinRecordingRate || format.sampleRate > kMaxRecordingRate) {
        return QStringLiteral("its rate is %1 Hz, but a recording is made at %2 to %3 Hz")
            .arg(format.sampleRate)
            .arg(kMinRecordingRate)
            .arg(kMaxRecordingRate);
    }
    switch (format.format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_U8:
    case SF_FORMAT_PCM_S8:
    case SF_FORMAT_PCM_16:
        return {};
    case SF_FORMAT_PCM_24:
        return QStringLiteral("it holds 24-bit samples, but a recording holds 8 or 16 bits");
    case SF_FORMAT_PCM_32:
        return QStringLiteral("it holds 32-bit samples, but a recording holds 8 or 16 bits");
    case SF_FORMAT_FLOAT:
    case SF_FORMAT_DOUBLE:
        return QStringLiteral("it holds floating-point samples, but a recording holds 8- or "
                              "16-bit whole numbers");
    default:
        return QStringLiteral("its samples are compressed, but a recording holds plain 8- or "
                              "16-bit samples");
    }
}

std::optional<QByteArray> EncodeWav(const Pcm& pcm, const WavFormat& format, QString* error)
{
    MemoryFile mem;
    SF_VIRTUAL_IO io = MemoryIo();
    SF_INFO info{};
    info.samplerate = format.sampleRate;
    info.channels = format.channels;
    info.format = format.format;
    if (!sf_format_check(&info)) {
        if (error)
            *error = QStringLiteral("The sound format cannot be written.");
        return std::nullopt;
    }
    SNDFILE* sf = sf_open_virtual(&io, SFM_WRITE, &info, &mem);
    if (!sf) {
        if (error)
            *error = QString::fromUtf8(sf_strerror(nullptr));
        return std::nullopt;
    }
    // Frames in the source channel layout, mixed or duplicated to the target's.
    const int inCh = std::max(1, pcm.channels);
    const size_t frames = pcm.samples.size() / static_cast<size_t>(inCh);
    std::vector<short> out(frames * static_cast<size_t>(format.channels));
    for (size_t i = 0; i < frames; ++i) {
        int sum = 0;
        for (int c = 0; c < inCh; ++c)
            sum += pcm.samples[i * inCh + c];
        const short mono = static_cast<short>(sum / inCh);
        for (int c = 0; c < format.channels; ++c)
            out[i * format.channels + c] = format.channels == inCh
                                               ? pcm.samples[i * inCh + c]
                                               : mono;
    }
    const sf_count_t written = sf_writef_short(sf, out.data(), static_cast<sf_count_t>(frames));
    sf_close(sf);
    if (written != static_cast<sf_count_t>(frames)) {
        if (error)
            *error = QStringLiteral("The sound could not be encoded.");
        return std::nullopt;
    }
    return mem.data;
}

} // namespace lexaroo

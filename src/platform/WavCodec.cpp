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

std::optional<Pcm> DecodeWav(const QByteArray& image)
{
    if (image.isEmpty() || image.size() > kMaxSoundImageBytes)
        return std::nullopt;
    MemoryFile file{image, 0};
    SF_VIRTUAL_IO io = MemoryIo();
    SF_INFO info{};
    SNDFILE* sf = sf_open_virtual(&io, SFM_READ, &info, &file);
    if (!sf)
        return std::nullopt;
    std::optional<Pcm> result;
    const bool sane = info.channels >= 1 && info.channels <= 2 && info.samplerate >= 1000
                      && info.samplerate <= 192000 && info.frames > 0
                      && info.frames <= kMaxSoundImageBytes;
    if (sane) {
        Pcm pcm;
        pcm.channels = info.channels;
        pcm.sampleRate = info.samplerate;
        pcm.samples.resize(static_cast<size_t>(info.frames * info.channels));
        const sf_count_t got = sf_readf_short(sf, pcm.samples.data(), info.frames);
        // A truncated file yields fewer frames than its header promised: keep
        // what is there.
        pcm.samples.resize(static_cast<size_t>(std::max<sf_count_t>(0, got) * info.channels));
        if (!pcm.samples.empty())
            result = std::move(pcm);
    }
    sf_close(sf);
    return result;
}

std::optional<WavFormat> ReadWavFormat(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    MemoryFile mem{file.read(1 << 20), 0};
    SF_VIRTUAL_IO io = MemoryIo();
    SF_INFO info{};
    SNDFILE* sf = sf_open_virtual(&io, SFM_READ, &info, &mem);
    if (!sf) {
        if (error)
            *error = QString::fromUtf8(sf_strerror(nullptr));
        return std::nullopt;
    }
    sf_close(sf);
    return WavFormat{info.samplerate, info.channels, info.format};
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

#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <cmath>
#include <csignal>

namespace lexaroo::fakes {

namespace {
QByteArray WavHeader(int dataBytes, int sampleRate)
{
    QByteArray h;
    auto u32 = [&h](quint32 v) { char b[4]; qToLittleEndian(v, b); h.append(b, 4); };
    auto u16 = [&h](quint16 v) { char b[2]; qToLittleEndian(v, b); h.append(b, 2); };
    h.append("RIFF");
    u32(36 + dataBytes);
    h.append("WAVEfmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(sampleRate);
    u32(sampleRate * 2);
    u16(2);
    u16(16);
    h.append("data");
    u32(dataBytes);
    return h;
}
} // namespace

QByteArray MakeTaggedSound(const QString& name)
{
    QByteArray data = "TAG:" + name.toLatin1();
    data.append('\0');
    if (data.size() % 2)
        data.append('\0');
    return WavHeader(static_cast<int>(data.size()), 22050) + data;
}

QByteArray MakeToneWav(double frequency, double seconds, int sampleRate, double amplitude)
{
    const int n = static_cast<int>(seconds * sampleRate);
    QByteArray data(n * 2, '\0');
    for (int i = 0; i < n; ++i) {
        const auto s = static_cast<qint16>(std::lround(
            amplitude * 32767.0 * std::sin(2 * M_PI * frequency * i / sampleRate)));
        qToLittleEndian(s, data.data() + 2 * i);
    }
    return WavHeader(n * 2, sampleRate) + data;
}

QByteArray ReadFile(const QString& path, const QByteArray& ifMissing)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : ifMissing;
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
}

QString ProgramFolder()
{
    const QString dir = qEnvironmentVariable("LEXAROO_PROGRAM_DIR");
    return dir.isEmpty() ? QString() : QDir::toNativeSeparators(dir) + QDir::separator();
}

} // namespace lexaroo::fakes

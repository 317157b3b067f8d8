#include "SinkCapture.h"

#include <QFile>
#include <QThread>
#include <cmath>

namespace lexaroo::fakes {

bool SoundServerAvailable() { return qEnvironmentVariable("LEXAROO_SOUND_SERVER") == "1"; }

SinkCapture::SinkCapture() = default;

SinkCapture::~SinkCapture()
{
    if (parec_.state() != QProcess::NotRunning) {
        parec_.terminate();
        parec_.waitForFinished(2000);
    }
}

bool SinkCapture::Start()
{
    parec_.start(QStringLiteral("parec"),
                 {QStringLiteral("-d"), QStringLiteral("out.monitor"), QStringLiteral("--channels=1"),
                  QStringLiteral("--rate=44100"), QStringLiteral("--format=s16le"),
                  QStringLiteral("--file-format=wav"), QStringLiteral("--latency-msec=20"),
                  dir_.filePath(QStringLiteral("capture.wav"))});
    if (!parec_.waitForStarted(3000))
        return false;
    // Give the stream a moment to connect before anything is played.
    QThread::msleep(300);
    return true;
}

std::optional<Pcm> SinkCapture::Stop()
{
    QThread::msleep(300);
    parec_.terminate();
    parec_.waitForFinished(3000);
    QFile f(dir_.filePath(QStringLiteral("capture.wav")));
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = f.readAll();
    // parec cannot rewrite the header's length when it is stopped: fix the
    // RIFF and data sizes so the decoder reads every sample.
    if (bytes.size() > 44 && bytes.startsWith("RIFF")) {
        const int data = bytes.indexOf("data");
        if (data > 0) {
            const quint32 riff = static_cast<quint32>(bytes.size() - 8);
            const quint32 len = static_cast<quint32>(bytes.size() - data - 8);
            for (int i = 0; i < 4; ++i) {
                bytes[4 + i] = static_cast<char>((riff >> (8 * i)) & 0xff);
                bytes[data + 4 + i] = static_cast<char>((len >> (8 * i)) & 0xff);
            }
        }
    }
    return DecodeWav(bytes);
}

double Rms(const Pcm& pcm, size_t begin, size_t end)
{
    end = std::min(end, pcm.samples.size());
    if (begin >= end)
        return 0;
    double sum = 0;
    for (size_t i = begin; i < end; ++i)
        sum += static_cast<double>(pcm.samples[i]) * pcm.samples[i];
    return std::sqrt(sum / static_cast<double>(end - begin)) / 32768.0;
}

double ZeroCrossingFrequency(const Pcm& pcm, size_t begin, size_t end)
{
    end = std::min(end, pcm.samples.size());
    if (begin + 1 >= end)
        return 0;
    int crossings = 0;
    for (size_t i = begin + 1; i < end; ++i)
        if ((pcm.samples[i - 1] < 0) != (pcm.samples[i] < 0))
            ++crossings;
    const double seconds = static_cast<double>(end - begin) / pcm.sampleRate / pcm.channels;
    return crossings / 2.0 / seconds;
}

std::vector<double> FrequencyTrack(const Pcm& pcm, double windowSeconds, double floor)
{
    std::vector<double> track;
    const size_t window = static_cast<size_t>(windowSeconds * pcm.sampleRate) * pcm.channels;
    for (size_t b = 0; b + window <= pcm.samples.size(); b += window)
        track.push_back(Rms(pcm, b, b + window) > floor ? ZeroCrossingFrequency(pcm, b, b + window) : 0.0);
    return track;
}

int LongestRunNear(const std::vector<double>& track, double hz)
{
    int best = 0, run = 0;
    for (double f : track) {
        run = std::abs(f - hz) < hz * 0.05 ? run + 1 : 0;
        best = std::max(best, run);
    }
    return best;
}

} // namespace lexaroo::fakes

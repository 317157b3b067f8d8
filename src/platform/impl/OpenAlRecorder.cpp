#include "OpenAlRecorder.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <QFile>
#include <QSaveFile>

namespace lexaroo {

namespace {
ALCdevice* Dev(void* p) { return static_cast<ALCdevice*>(p); }
constexpr int kCaptureSecondsBuffered = 4;
} // namespace

OpenAlRecorder::OpenAlRecorder(SoundDevice& player) : player_(player)
{
    drainTimer_.setInterval(100);
    connect(&drainTimer_, &QTimer::timeout, this, [this] { Drain(); });
}

OpenAlRecorder::~OpenAlRecorder() { CloseCapture(); }

bool OpenAlRecorder::StartRecording(const QString& path, QString* error)
{
    if (capture_)
        CloseCapture();
    QString why;
    const auto format = ReadWavFormat(path, &why);
    if (!format) {
        if (error)
            *error = QStringLiteral("The sound file %1 could not be read: %2").arg(path, why);
        return false;
    }
    // The file is a copy of the recording template; a format we cannot
    // capture in is the template's fault, and nothing is recorded.
    const QString problem = RecordingFormatProblem(*format);
    if (!problem.isEmpty()) {
        if (error)
            *error = QStringLiteral("The recording template cannot be used: %1.").arg(problem);
        return false;
    }
    const int channels = format->channels;
    ALCdevice* dev = alcCaptureOpenDevice(nullptr, static_cast<ALCuint>(format->sampleRate),
                                          channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16,
                                          format->sampleRate * kCaptureSecondsBuffered);
    if (!dev) {
        if (error)
            *error = QStringLiteral("No microphone or other sound input was found.");
        return false;
    }
    capture_ = dev;
    path_ = path;
    format_ = *format;
    captured_ = Pcm{};
    captured_.channels = channels;
    captured_.sampleRate = format->sampleRate;
    alcCaptureStart(dev);
    started_.start();
    drainTimer_.start();
    return true;
}

void OpenAlRecorder::Drain()
{
    if (!capture_)
        return;
    ALCint available = 0;
    alcGetIntegerv(Dev(capture_), ALC_CAPTURE_SAMPLES, 1, &available);
    if (available <= 0)
        return;
    const size_t old = captured_.samples.size();
    captured_.samples.resize(old + static_cast<size_t>(available) * captured_.channels);
    alcCaptureSamples(Dev(capture_), captured_.samples.data() + old, available);
}

void OpenAlRecorder::CloseCapture()
{
    drainTimer_.stop();
    if (!capture_)
        return;
    alcCaptureStop(Dev(capture_));
    alcCaptureCloseDevice(Dev(capture_));
    capture_ = nullptr;
}

bool OpenAlRecorder::StopAndSave(QString* error)
{
    if (!capture_) {
        if (error)
            *error = QStringLiteral("Nothing is being recorded.");
        return false;
    }
    Drain();
    const qint64 elapsedMs = started_.elapsed();
    CloseCapture();
    // Some inputs deliver in large blocks, ahead of real time; keep no more
    // than the time that was actually recorded.
    const size_t limit = static_cast<size_t>(elapsedMs * captured_.sampleRate / 1000)
                         * static_cast<size_t>(captured_.channels);
    if (captured_.samples.size() > limit)
        captured_.samples.resize(limit);
    QString why;
    const auto image = EncodeWav(captured_, format_, &why);
    if (!image) {
        if (error)
            *error = QStringLiteral("The recording could not be saved: %1").arg(why);
        return false;
    }
    // Written beside the old file and renamed over it, so a failed write
    // leaves what was there.
    QSaveFile out(path_);
    if (!out.open(QIODevice::WriteOnly) || out.write(*image) != image->size() || !out.commit()) {
        if (error)
            *error = QStringLiteral("The recording could not be saved in %1: %2")
                         .arg(path_, out.errorString());
        return false;
    }
    return true;
}

void OpenAlRecorder::PlayToEnd(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxSoundImageBytes)
        return;
    player_.Play(file.readAll(), true);
}

} // namespace lexaroo

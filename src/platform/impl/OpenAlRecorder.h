#pragma once
#include "SoundDevice.h"
#include "WaveRecorder.h"
#include "WavCodec.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <memory>

namespace lexaroo {

// Captures the default input with OpenAL and writes it with libsndfile in the
// format of the file being recorded over (the template copy).
class OpenAlRecorder : public QObject, public WaveRecorder {
    Q_OBJECT
public:
    explicit OpenAlRecorder(SoundDevice& player);
    ~OpenAlRecorder() override;

    bool StartRecording(const QString& path, QString* error) override;
    bool StopAndSave(QString* error) override;
    bool IsRecording() const override { return capture_ != nullptr; }
    void PlayToEnd(const QString& path) override;

private:
    void Drain();
    void CloseCapture();

    SoundDevice& player_;
    void* capture_ = nullptr; // ALCdevice*
    QString path_;
    WavFormat format_;
    Pcm captured_;
    QTimer drainTimer_;
    QElapsedTimer started_;
};

} // namespace lexaroo

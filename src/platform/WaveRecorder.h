#pragma once
#include <QString>

namespace lexaroo {

// Records the default input into a WAV file. The file must already exist and
// hold a WAV image (the template); its audio format is kept, and the recording
// replaces its sound from the start.
class WaveRecorder {
public:
    virtual ~WaveRecorder() = default;
    // Starts capturing; false with a message when the file's format cannot be
    // read or there is no input device.
    virtual bool StartRecording(const QString& path, QString* error) = 0;
    // Stops capturing and writes what was heard into the file; false with a
    // message when the file could not be written (the file is then unchanged).
    virtual bool StopAndSave(QString* error) = 0;
    virtual bool IsRecording() const = 0;
    // Plays a WAV file and returns when it has finished (at once if the file
    // is missing or cannot be played).
    virtual void PlayToEnd(const QString& path) = 0;
};

} // namespace lexaroo

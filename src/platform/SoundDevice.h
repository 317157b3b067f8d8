#pragma once
#include <QByteArray>
#include <QString>

namespace lexaroo {

// Plays WAV images held in memory. Only one sound plays at a time: a new
// sound cuts off the one before. A sound that cannot be decoded, or a machine
// without a sound device, plays as silence and never reports an error.
class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    // With wait, returns only when the sound has finished playing.
    virtual void Play(const QByteArray& wavImage, bool wait) = 0;
    virtual void Stop() = 0;
    // Starts a WAV file from disk and returns at once.
    virtual void PlayFile(const QString& path) = 0;
};

} // namespace lexaroo

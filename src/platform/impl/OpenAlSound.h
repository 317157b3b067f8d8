#pragma once
#include "SoundDevice.h"
#include "WavCodec.h"

#include <QByteArray>
#include <cstdint>
#include <list>
#include <memory>

namespace lexaroo {

// Sound through OpenAL Soft. Opens the default output on first use; with no
// device everything is silent. Decoded buffers are cached by image content so
// a window replaying its effects decodes each once.
class OpenAlSound : public SoundDevice {
public:
    OpenAlSound();
    ~OpenAlSound() override;
    OpenAlSound(const OpenAlSound&) = delete;
    OpenAlSound& operator=(const OpenAlSound&) = delete;

    void Play(const QByteArray& wavImage, bool wait) override;
    void Stop() override;
    void PlayFile(const QString& path) override;

    bool HasDevice();
    bool IsPlaying();

private:
    struct CachedBuffer {
        std::uint64_t key;
        qsizetype size;
        unsigned int buffer;
        double seconds;
    };
    bool Open();
    const CachedBuffer* BufferFor(const QByteArray& image);
    void WaitUntilStopped(double seconds);

    struct Device;
    std::unique_ptr<Device> device_;
    bool tried_ = false;
    std::list<CachedBuffer> cache_; // most recently used first
};

} // namespace lexaroo

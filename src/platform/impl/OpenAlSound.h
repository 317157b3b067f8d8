#pragma once
#include "SoundDevice.h"
#include "WavCodec.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>

namespace lexaroo {

// What images decoded to, by content, most recently used first, at most
// `limit` of them. An image that cannot be decoded is remembered as well (with
// buffer 0), so a damaged sound played again costs nothing the second time.
class SoundBufferCache {
public:
    struct Entry {
        unsigned int buffer = 0; // 0: the image plays as silence
        double seconds = 0;
    };
    using Make = std::function<Entry(const QByteArray&)>;
    using Release = std::function<void(unsigned int buffer)>;

    SoundBufferCache(std::size_t limit, Release release);
    ~SoundBufferCache();
    SoundBufferCache(const SoundBufferCache&) = delete;
    SoundBufferCache& operator=(const SoundBufferCache&) = delete;

    // The entry of the image, made by `make` only when it is not held yet.
    // Valid until the next call.
    const Entry& Get(const QByteArray& image, const Make& make);
    // Releases every buffer.
    void Clear();
    std::size_t Size() const { return entries_.size(); }

private:
    struct Held {
        std::uint64_t key;
        QByteArray image; // shared with the caller's copy, not duplicated
        Entry entry;
    };
    std::size_t limit_;
    Release release_;
    std::list<Held> entries_;
};

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
    bool Open();
    SoundBufferCache::Entry Decode(const QByteArray& image);
    void WaitUntilStopped(double seconds);

    struct Device;
    std::unique_ptr<Device> device_;
    bool tried_ = false;
    SoundBufferCache cache_;
};

} // namespace lexaroo

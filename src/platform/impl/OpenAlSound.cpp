#include "OpenAlSound.h"

#include "SystemClock.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <QElapsedTimer>
#include <QFile>

#include <functional>
#include <string_view>

namespace lexaroo {

namespace {
constexpr size_t kCacheLimit = 48;

std::uint64_t ContentKey(const QByteArray& image)
{
    return std::hash<std::string_view>{}(
        std::string_view(image.constData(), static_cast<size_t>(image.size())));
}
} // namespace

SoundBufferCache::SoundBufferCache(std::size_t limit, Release release)
    : limit_(limit), release_(std::move(release))
{
}

SoundBufferCache::~SoundBufferCache() { Clear(); }

void SoundBufferCache::Clear()
{
    for (const Held& held : entries_) {
        if (held.entry.buffer != 0)
            release_(held.entry.buffer);
    }
    entries_.clear();
}

const SoundBufferCache::Entry& SoundBufferCache::Get(const QByteArray& image, const Make& make)
{
    const std::uint64_t key = ContentKey(image);
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->key == key && it->image == image) {
            entries_.splice(entries_.begin(), entries_, it);
            return entries_.front().entry;
        }
    }
    entries_.push_front(Held{key, image, make(image)});
    if (entries_.size() > limit_) {
        // The source only ever holds the front buffer, so the oldest is free.
        if (entries_.back().entry.buffer != 0)
            release_(entries_.back().entry.buffer);
        entries_.pop_back();
    }
    return entries_.front().entry;
}

struct OpenAlSound::Device {
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    ALuint source = 0;
};

OpenAlSound::OpenAlSound()
    : cache_(kCacheLimit, [](unsigned int buffer) {
          const ALuint b = buffer;
          alDeleteBuffers(1, &b);
      })
{
}

OpenAlSound::~OpenAlSound()
{
    if (!device_)
        return;
    alSourceStop(device_->source);
    alSourcei(device_->source, AL_BUFFER, 0);
    alDeleteSources(1, &device_->source);
    cache_.Clear();
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(device_->context);
    alcCloseDevice(device_->device);
}

bool OpenAlSound::Open()
{
    if (device_)
        return true;
    if (tried_)
        return false;
    tried_ = true;
    auto d = std::make_unique<Device>();
    d->device = alcOpenDevice(nullptr);
    if (!d->device)
        return false;
    d->context = alcCreateContext(d->device, nullptr);
    if (!d->context || !alcMakeContextCurrent(d->context)) {
        if (d->context)
            alcDestroyContext(d->context);
        alcCloseDevice(d->device);
        return false;
    }
    alGenSources(1, &d->source);
    if (alGetError() != AL_NO_ERROR) {
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(d->context);
        alcCloseDevice(d->device);
        return false;
    }
    device_ = std::move(d);
    return true;
}

bool OpenAlSound::HasDevice() { return Open(); }

bool OpenAlSound::IsPlaying()
{
    if (!device_)
        return false;
    ALint state = AL_STOPPED;
    alGetSourcei(device_->source, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}

SoundBufferCache::Entry OpenAlSound::Decode(const QByteArray& image)
{
    const auto pcm = DecodeWav(image);
    if (!pcm)
        return {};
    ALuint buffer = 0;
    alGetError();
    alGenBuffers(1, &buffer);
    alBufferData(buffer, pcm->channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16,
                 pcm->samples.data(), static_cast<ALsizei>(pcm->samples.size() * sizeof(std::int16_t)),
                 pcm->sampleRate);
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &buffer);
        return {};
    }
    return {buffer, pcm->Seconds()};
}

void OpenAlSound::Play(const QByteArray& wavImage, bool wait)
{
    if (wavImage.isEmpty() || !Open())
        return;
    alSourceStop(device_->source);
    alSourcei(device_->source, AL_BUFFER, 0);
    const SoundBufferCache::Entry& cached =
        cache_.Get(wavImage, [this](const QByteArray& image) { return Decode(image); });
    if (cached.buffer == 0)
        return;
    const double seconds = cached.seconds;
    alSourcei(device_->source, AL_BUFFER, static_cast<ALint>(cached.buffer));
    alSourcePlay(device_->source);
    if (wait)
        WaitUntilStopped(seconds);
}

void OpenAlSound::WaitUntilStopped(double seconds)
{
    // The source reports stopped once its last samples have been mixed,
    // which is a period or two before they are heard; the sound cannot have
    // ended before its own length has passed either. Give up well after its
    // length so a stalled device can never hang the program.
    QElapsedTimer timer;
    timer.start();
    const qint64 lengthMs = static_cast<qint64>(seconds * 1000);
    const qint64 limitMs = lengthMs + 3000;
    while ((IsPlaying() || timer.elapsed() < lengthMs) && timer.elapsed() < limitMs)
        IdleWithoutInput(2);
}

void OpenAlSound::Stop()
{
    if (device_) {
        alSourceStop(device_->source);
        alSourcei(device_->source, AL_BUFFER, 0);
    }
}

void OpenAlSound::PlayFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxSoundImageBytes)
        return;
    Play(file.readAll(), false);
}

} // namespace lexaroo

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
}

struct OpenAlSound::Device {
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    ALuint source = 0;
};

OpenAlSound::OpenAlSound() = default;

OpenAlSound::~OpenAlSound()
{
    if (!device_)
        return;
    alSourceStop(device_->source);
    alSourcei(device_->source, AL_BUFFER, 0);
    alDeleteSources(1, &device_->source);
    for (const auto& c : cache_)
        alDeleteBuffers(1, &c.buffer);
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

const OpenAlSound::CachedBuffer* OpenAlSound::BufferFor(const QByteArray& image)
{
    const std::uint64_t key =
        std::hash<std::string_view>{}(std::string_view(image.constData(), static_cast<size_t>(image.size())));
    for (auto it = cache_.begin(); it != cache_.end(); ++it) {
        if (it->key == key && it->size == image.size()) {
            cache_.splice(cache_.begin(), cache_, it);
            return &cache_.front();
        }
    }
    const auto pcm = DecodeWav(image);
    if (!pcm)
        return nullptr;
    ALuint buffer = 0;
    alGetError();
    alGenBuffers(1, &buffer);
    alBufferData(buffer, pcm->channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16,
                 pcm->samples.data(), static_cast<ALsizei>(pcm->samples.size() * sizeof(std::int16_t)),
                 pcm->sampleRate);
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &buffer);
        return nullptr;
    }
    cache_.push_front(CachedBuffer{key, image.size(), buffer, pcm->Seconds()});
    if (cache_.size() > kCacheLimit) {
        // The source only ever holds the front buffer, so the oldest is free.
        alDeleteBuffers(1, &cache_.back().buffer);
        cache_.pop_back();
    }
    return &cache_.front();
}

void OpenAlSound::Play(const QByteArray& wavImage, bool wait)
{
    if (wavImage.isEmpty() || !Open())
        return;
    alSourceStop(device_->source);
    alSourcei(device_->source, AL_BUFFER, 0);
    const CachedBuffer* cached = BufferFor(wavImage);
    if (!cached)
        return;
    alSourcei(device_->source, AL_BUFFER, static_cast<ALint>(cached->buffer));
    alSourcePlay(device_->source);
    if (wait)
        WaitUntilStopped(cached->seconds);
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

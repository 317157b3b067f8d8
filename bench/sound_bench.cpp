// Reading and first play of a sound image, and how soon playback starts and
// waiting returns on the real device. Latencies need the private sound server
// (scripts/sound-server); without it the device benchmarks are skipped.
#include "GameState.h"
#include "OpenAlSound.h"
#include "Services.h"
#include "TestFiles.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace lexaroo;

// LoadSoundFile + decode + buffer of a 100 KB WAV file, a new image each time
// so nothing comes from the cache.
static void BM_LoadAndFirstPlay100KB(benchmark::State& st)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("word.wav");
    QByteArray image = fakes::MakeToneWav(440, 100000.0 / 2 / 22050, 22050);
    GameState state;
    OpenAlSound sound;
    const bool device = sound.HasDevice();
    int n = 0;
    for (auto _ : st) {
        st.PauseTiming();
        image[100] = static_cast<char>(++n);
        image[101] = static_cast<char>(n >> 8);
        fakes::WriteFile(path, image);
        st.ResumeTiming();
        const SoundImage loaded = LoadSoundFile(state, path);
        sound.Play(loaded, false);
        st.PauseTiming();
        sound.Stop();
        st.ResumeTiming();
    }
    st.counters["bytes"] = static_cast<double>(image.size());
    st.SetLabel(device ? "with device" : "no device: decode only");
}
BENCHMARK(BM_LoadAndFirstPlay100KB)->Unit(benchmark::kMicrosecond);

// Time from Play until OpenAL has started mixing the sound, plus the
// latency the device reports between mixing and the speaker.
static void BM_EventToFirstSample(benchmark::State& st)
{
    OpenAlSound sound;
    if (!sound.HasDevice()) {
        st.SkipWithError("no sound device");
        return;
    }
    const QByteArray tone = fakes::MakeToneWav(440, 0.3);
    sound.Play(tone, true); // warm up
    double deviceLatencyMs = 0;
    for (auto _ : st) {
        QElapsedTimer t;
        t.start();
        sound.Play(tone, false);
        ALint offset = 0;
        ALuint source = 0;
        // Watch the playing source until its sample offset moves.
        alGetError();
        for (ALuint id = 1; id < 16 && !source; ++id)
            if (alIsSource(id))
                source = id;
        while (offset == 0 && t.elapsed() < 1000)
            alGetSourcei(source, AL_SAMPLE_OFFSET, &offset);
        st.SetIterationTime(static_cast<double>(t.nsecsElapsed()) / 1e9);
        ALCdevice* device = alcGetContextsDevice(alcGetCurrentContext());
        if (alcIsExtensionPresent(device, "ALC_SOFT_device_clock")) {
            using GetI64 = void (*)(ALCdevice*, ALCenum, ALCsizei, ALCint64SOFT*);
            auto get = reinterpret_cast<GetI64>(alcGetProcAddress(device, "alcGetInteger64vSOFT"));
            ALCint64SOFT ns = 0;
            if (get) {
                get(device, alcGetEnumValue(device, "ALC_DEVICE_LATENCY_SOFT"), 1, &ns);
                deviceLatencyMs = static_cast<double>(ns) / 1e6;
            }
        }
        sound.Stop();
    }
    st.counters["device_latency_ms"] = deviceLatencyMs;
}
BENCHMARK(BM_EventToFirstSample)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// How long after a sound's end a waiting play returns (the overshoot).
static void BM_WaitOvershoot(benchmark::State& st)
{
    OpenAlSound sound;
    if (!sound.HasDevice()) {
        st.SkipWithError("no sound device");
        return;
    }
    const QByteArray tone = fakes::MakeToneWav(440, 0.1);
    sound.Play(tone, true);
    for (auto _ : st) {
        QElapsedTimer t;
        t.start();
        sound.Play(tone, true);
        st.SetIterationTime(static_cast<double>(t.nsecsElapsed()) / 1e9 - 0.1);
    }
}
BENCHMARK(BM_WaitOvershoot)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

BENCHMARK_MAIN();

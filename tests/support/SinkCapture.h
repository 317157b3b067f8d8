#pragma once
#include "WavCodec.h"

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <optional>
#include <vector>

namespace lexaroo::fakes {

// True when scripts/test started the private sound server for this run.
bool SoundServerAvailable();

// Skips a GoogleTest test when there is no private sound server.
#define REQUIRE_SOUND_SERVER()                                                                   \
    if (!::lexaroo::fakes::SoundServerAvailable())                                               \
    GTEST_SKIP() << "no private sound server (run through scripts/test)"

// Records what reaches the private server's null sink ("out.monitor") with
// parec, for as long as the object is capturing.
class SinkCapture {
public:
    SinkCapture();
    ~SinkCapture();
    bool Start();
    // Stops recording and returns what was heard (mono, 16-bit).
    std::optional<Pcm> Stop();

private:
    QTemporaryDir dir_;
    QProcess parec_;
};

// Measurements over a stretch of samples.
double Rms(const Pcm& pcm, size_t begin, size_t end);
// Frequency from zero crossings (good enough for pure tones).
double ZeroCrossingFrequency(const Pcm& pcm, size_t begin, size_t end);

// Windows of `windowSeconds` over the whole capture: the dominant frequency
// of each window whose RMS is above `floor`, or 0 for quiet windows.
std::vector<double> FrequencyTrack(const Pcm& pcm, double windowSeconds, double floor);

// Longest run of consecutive windows of a track within 5 % of `hz`.
int LongestRunNear(const std::vector<double>& track, double hz);

} // namespace lexaroo::fakes

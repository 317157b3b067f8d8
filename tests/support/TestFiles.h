#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <sys/resource.h>
#include <vector>

namespace lexaroo::fakes {

// A small valid WAV image (16-bit mono PCM) whose data carries "TAG:name", so
// FakeSound logs it by name when a window plays it.
QByteArray MakeTaggedSound(const QString& name);

// A WAV image of a sine tone.
QByteArray MakeToneWav(double frequency, double seconds, int sampleRate = 22050,
                       double amplitude = 0.5);

// The whole of a file, or `ifMissing` when it cannot be read.
QByteArray ReadFile(const QString& path, const QByteArray& ifMissing = {});

// Writes bytes to a file; false on failure.
bool WriteFile(const QString& path, const QByteArray& bytes);

// While it lives, every file write past `bytes` fails, as on a full disk.
// Works for root too, unlike a read-only folder.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

// The program folder of the build tree (LEXAROO_PROGRAM_DIR), with a separator.
QString ProgramFolder();

} // namespace lexaroo::fakes

#pragma once
#include "Platform.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

namespace lexaroo::fakes {

// One log for every fake, so a test reads the side effects in order:
//   sound xding.wav wait | sound xding.wav nowait | sound stop | pause 0.5
//   msgbox "No Word List" info ok -> ok | beep | help topic 2 | printer text "List: X"
class EventLog {
public:
    void Add(const QString& event) { events_ << event; }
    const QStringList& Events() const { return events_; }
    void Clear() { events_.clear(); }
    // Events that start with the prefix.
    QStringList Matching(const QString& prefix) const;
    bool Contains(const QString& event) const { return events_.contains(event); }
    QString Joined() const { return events_.join(QLatin1Char('\n')); }

private:
    QStringList events_;
};

// Sound images are named in the log: a test registers the bytes it gave a
// window (or the window reads real files, whose image is named by a tag the
// fake finds inside: see NameImage).
class FakeSound : public SoundDevice {
public:
    explicit FakeSound(EventLog& log) : log_(log) {}
    void Play(const QByteArray& image, bool wait) override;
    void Stop() override;
    void PlayFile(const QString& path) override;
    // How a played image is written in the log; defaults to "<N bytes>".
    void Name(const QByteArray& image, const QString& name) { names_.push_back({image, name}); }

private:
    QString NameOf(const QByteArray& image) const;
    EventLog& log_;
    std::vector<std::pair<QByteArray, QString>> names_;
};

class FakeTimer;

// Virtual time. Pause and Advance move it on at once; timers made here fire
// as virtual time passes their due times, in order. Logs "pause 0.5",
// "timer start 55", "timer stop" and "animate 13".
class FakeClock : public Clock {
public:
    explicit FakeClock(EventLog& log) : log_(log) {}
    ~FakeClock() override;
    double TimeOfDay() override { return now_; }
    std::uint32_t TickCount() override { return ticks_; }
    void Pause(double seconds) override;
    std::unique_ptr<Timer> NewTimer() override;
    // Every step at once, then the time the motion would have taken.
    void Animate(int steps, double secondsPerStep, const std::function<void(int)>& step) override;
    // Moves virtual time on (wrapping at midnight), firing the timers that
    // fall due on the way, and lets posted events run.
    void Advance(double seconds);
    void SetTimeOfDay(double t) { now_ = t; }
    // Timers made by this clock that are running now.
    int ActiveTimers() const;

private:
    friend class FakeTimer;
    void MoveTo(double elapsedMs);

    EventLog& log_;
    double now_ = 12 * 3600.0;
    std::uint32_t ticks_ = 1000;
    double elapsedMs_ = 0; // virtual milliseconds since the clock was made
    std::vector<FakeTimer*> timers_;
};

// A scripted sequence of draws, then a seeded generator once it runs out.
class FakeRandom : public Random {
public:
    explicit FakeRandom(EventLog& log, std::uint32_t seed = 12345) : log_(log), mt_(seed) {}
    double Draw() override;
    void Randomize() override { log_.Add(QStringLiteral("randomize")); }
    void Script(std::deque<double> draws) { script_ = std::move(draws); }

private:
    EventLog& log_;
    MtRandom mt_;
    std::deque<double> script_;
};

class FakeRecorder : public WaveRecorder {
public:
    explicit FakeRecorder(EventLog& log) : log_(log) {}
    bool StartRecording(const QString& path, QString* error) override;
    bool StopAndSave(QString* error) override;
    bool IsRecording() const override { return recording_; }
    void PlayToEnd(const QString& path) override;

    QString failStart; // when set, StartRecording fails with this message
    QString failSave;
    QByteArray recordedBytes = QByteArray("RIFF-fake-recording");

private:
    EventLog& log_;
    bool recording_ = false;
    QString path_;
};

class FakePrinter : public Printer {
public:
    explicit FakePrinter(EventLog& log) : log_(log) {}
    bool BeginDoc(const QString& documentName, QString* error) override;
    void SetFont(const QString& family, double points, bool bold) override;
    void SetPos(double x, double y) override;
    double CurrentX() const override { return x_; }
    double CurrentY() const override { return y_; }
    void PrintText(const QString& text, bool newline) override;
    double LineHeight() const override { return points_ / 72.0 * 100.0 * 1.15; }
    void Line(double x1, double y1, double x2, double y2) override;
    void Box(double x1, double y1, double x2, double y2, std::optional<Rgb> fill) override;
    bool EndDoc(QString* error) override;

    QString failBegin; // when set, BeginDoc fails with this message
    QStringList lines;  // the text of every PrintText call, in order

private:
    EventLog& log_;
    double x_ = 0, y_ = 0, points_ = 12;
};

class FakeDialogs : public Dialogs {
public:
    explicit FakeDialogs(EventLog& log) : log_(log) {}
    MsgAnswer MsgBox(const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons,
                     MsgAnswer defaultButton) override;
    QString OpenFileName(const QString& title, const QString& folder, const QString& filter) override;
    QString SaveFileName(const QString& title, const QString& proposedPath, const QString& filter) override;

    // Answers in order; when none is left a box gets its default button and
    // a file dialog is cancelled.
    std::deque<MsgAnswer> answers;
    std::deque<QString> fileNames;
    QStringList texts; // every message box text, in order

private:
    EventLog& log_;
};

class FakeHelp : public Help {
public:
    explicit FakeHelp(EventLog& log) : log_(log) {}
    void ShowContents() override { log_.Add(QStringLiteral("help contents")); }
    void ShowTopic(int topic) override { log_.Add(QStringLiteral("help topic %1").arg(topic)); }

private:
    EventLog& log_;
};

class FakeKeyboard : public Keyboard {
public:
    explicit FakeKeyboard(EventLog& log) : log_(log) {}
    void Beep() override { log_.Add(QStringLiteral("beep")); }
    bool CapsLockOn() override { return capsLock; }
    bool capsLock = false;

private:
    EventLog& log_;
};

// All fakes with one log.
class FakePlatform {
public:
    FakePlatform()
        : clock(log), random(log), sound(log), recorder(log), printer(log), dialogs(log), help(log),
          keyboard(log)
    {
    }
    Platform Get()
    {
        return Platform{clock, random, sound, recorder, printer, dialogs, help, keyboard};
    }

    EventLog log;
    FakeClock clock;
    FakeRandom random;
    FakeSound sound;
    FakeRecorder recorder;
    FakePrinter printer;
    FakeDialogs dialogs;
    FakeHelp help;
    FakeKeyboard keyboard;
};

} // namespace lexaroo::fakes

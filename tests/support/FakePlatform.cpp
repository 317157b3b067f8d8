#include "FakePlatform.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace lexaroo::fakes {

namespace {
QString IconName(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information: return QStringLiteral("info");
    case MsgIcon::Exclamation: return QStringLiteral("exclamation");
    case MsgIcon::Question: return QStringLiteral("question");
    case MsgIcon::Critical: return QStringLiteral("critical");
    }
    return {};
}
QString ButtonsName(MsgButtons b)
{
    switch (b) {
    case MsgButtons::Ok: return QStringLiteral("ok");
    case MsgButtons::OkCancel: return QStringLiteral("okcancel");
    case MsgButtons::YesNo: return QStringLiteral("yesno");
    }
    return {};
}
QString AnswerName(MsgAnswer a)
{
    switch (a) {
    case MsgAnswer::Ok: return QStringLiteral("ok");
    case MsgAnswer::Cancel: return QStringLiteral("cancel");
    case MsgAnswer::Yes: return QStringLiteral("yes");
    case MsgAnswer::No: return QStringLiteral("no");
    }
    return {};
}
QString Num(double v) { return QString::number(v, 'g', 6); }
} // namespace

QStringList EventLog::Matching(const QString& prefix) const
{
    QStringList out;
    for (const auto& e : events_)
        if (e.startsWith(prefix))
            out << e;
    return out;
}

QString FakeSound::NameOf(const QByteArray& image) const
{
    for (const auto& [bytes, name] : names_)
        if (bytes == image)
            return name;
    // Images made by tests with MakeTaggedSound carry their name after "TAG:".
    const int tag = image.indexOf("TAG:");
    if (tag >= 0) {
        const int end = image.indexOf('\0', tag);
        return QString::fromLatin1(image.mid(tag + 4, end < 0 ? -1 : end - tag - 4));
    }
    return QStringLiteral("<%1 bytes>").arg(image.size());
}

void FakeSound::Play(const QByteArray& image, bool wait)
{
    log_.Add(QStringLiteral("sound %1 %2").arg(NameOf(image), wait ? QStringLiteral("wait")
                                                                   : QStringLiteral("nowait")));
}

void FakeSound::Stop() { log_.Add(QStringLiteral("sound stop")); }

void FakeSound::PlayFile(const QString& path)
{
    log_.Add(QStringLiteral("sound file %1").arg(QFileInfo(path).fileName()));
}

class FakeTimer : public Timer {
public:
    explicit FakeTimer(FakeClock& clock) : clock_(&clock) { clock.timers_.push_back(this); }
    ~FakeTimer() override
    {
        if (clock_)
            std::erase(clock_->timers_, this);
    }
    void Start(int intervalMs) override
    {
        if (!clock_)
            return;
        clock_->log_.Add(QStringLiteral("timer start %1").arg(intervalMs));
        interval_ = std::max(1, intervalMs);
        due_ = clock_->elapsedMs_ + interval_;
        active_ = true;
    }
    void Stop() override
    {
        if (!clock_ || !active_)
            return;
        clock_->log_.Add(QStringLiteral("timer stop"));
        active_ = false;
    }
    bool IsActive() const override { return active_; }

private:
    friend class FakeClock;
    FakeClock* clock_;
    bool active_ = false;
    double interval_ = 1;
    double due_ = 0;
};

FakeClock::~FakeClock()
{
    // Timers may outlive the clock in a test's teardown; they go quiet.
    for (FakeTimer* t : timers_)
        t->clock_ = nullptr;
}

std::unique_ptr<Timer> FakeClock::NewTimer() { return std::make_unique<FakeTimer>(*this); }

int FakeClock::ActiveTimers() const
{
    return static_cast<int>(std::count_if(timers_.begin(), timers_.end(),
                                          [](const FakeTimer* t) { return t->active_; }));
}

void FakeClock::Pause(double seconds)
{
    log_.Add(QStringLiteral("pause %1").arg(Num(seconds)));
    Advance(seconds);
}

void FakeClock::Animate(int steps, double secondsPerStep, const std::function<void(int)>& step)
{
    log_.Add(QStringLiteral("animate %1").arg(steps));
    for (int k = 1; k <= steps; ++k)
        step(k);
    Advance(steps * secondsPerStep);
}

void FakeClock::MoveTo(double elapsedMs)
{
    const double seconds = (elapsedMs - elapsedMs_) / 1000.0;
    if (seconds <= 0)
        return;
    elapsedMs_ = elapsedMs;
    now_ += seconds;
    while (now_ >= 86400.0)
        now_ -= 86400.0;
    ticks_ += static_cast<std::uint32_t>(std::llround(seconds * 1000));
}

void FakeClock::Advance(double seconds)
{
    if (seconds <= 0)
        return;
    const double target = elapsedMs_ + seconds * 1000.0;
    // The earliest due timer fires first; a callback may stop, restart or
    // destroy timers, so the list is searched afresh each time.
    for (;;) {
        FakeTimer* next = nullptr;
        for (FakeTimer* t : timers_)
            if (t->active_ && t->due_ <= target && (!next || t->due_ < next->due_))
                next = t;
        if (!next)
            break;
        MoveTo(next->due_);
        next->due_ += next->interval_;
        next->Fire();
    }
    MoveTo(target);
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

double FakeRandom::Draw()
{
    if (!script_.empty()) {
        const double d = script_.front();
        script_.pop_front();
        return d;
    }
    return mt_.Draw();
}

bool FakeRecorder::StartRecording(const QString& path, QString* error)
{
    log_.Add(QStringLiteral("record start %1").arg(QFileInfo(path).fileName()));
    if (!failStart.isEmpty()) {
        if (error)
            *error = failStart;
        return false;
    }
    recording_ = true;
    path_ = path;
    return true;
}

bool FakeRecorder::StopAndSave(QString* error)
{
    log_.Add(QStringLiteral("record stop"));
    recording_ = false;
    if (!failSave.isEmpty()) {
        if (error)
            *error = failSave;
        return false;
    }
    QFile f(path_);
    if (!f.open(QIODevice::WriteOnly) || f.write(recordedBytes) != recordedBytes.size()) {
        if (error)
            *error = f.errorString();
        return false;
    }
    return true;
}

void FakeRecorder::PlayToEnd(const QString& path)
{
    log_.Add(QStringLiteral("record play %1").arg(QFileInfo(path).fileName()));
}

bool FakePrinter::BeginDoc(const QString& documentName, QString* error)
{
    log_.Add(QStringLiteral("printer begin %1").arg(documentName));
    if (!failBegin.isEmpty()) {
        if (error)
            *error = failBegin;
        return false;
    }
    x_ = y_ = 0;
    lines.clear();
    return true;
}

void FakePrinter::SetFont(const QString& family, double points, bool bold)
{
    points_ = points;
    log_.Add(QStringLiteral("printer font %1 %2%3").arg(family, Num(points),
                                                         bold ? QStringLiteral(" bold") : QString()));
}

void FakePrinter::SetPos(double x, double y)
{
    x_ = x;
    y_ = y;
    log_.Add(QStringLiteral("printer at %1 %2").arg(Num(x), Num(y)));
}

void FakePrinter::PrintText(const QString& text, bool newline)
{
    lines << text;
    log_.Add(QStringLiteral("printer text \"%1\"%2").arg(text, newline ? QString() : QStringLiteral(" ;")));
    if (newline) {
        x_ = 0;
        y_ += LineHeight();
    } else {
        x_ += text.size() * points_ * 0.6 / 0.72;
    }
}

void FakePrinter::Line(double x1, double y1, double x2, double y2)
{
    log_.Add(QStringLiteral("printer line %1 %2 %3 %4").arg(Num(x1), Num(y1), Num(x2), Num(y2)));
    x_ = x2;
    y_ = y2;
}

void FakePrinter::Box(double x1, double y1, double x2, double y2, std::optional<Rgb> fill)
{
    log_.Add(QStringLiteral("printer box %1 %2 %3 %4 %5")
                 .arg(Num(x1), Num(y1), Num(x2), Num(y2))
                 .arg(fill ? QStringLiteral("fill %1,%2,%3").arg(fill->r).arg(fill->g).arg(fill->b)
                           : QStringLiteral("outline")));
    x_ = x2;
    y_ = y2;
}

bool FakePrinter::EndDoc(QString*)
{
    log_.Add(QStringLiteral("printer end"));
    return true;
}

MsgAnswer FakeDialogs::MsgBox(const QString& text, const QString& title, MsgIcon icon,
                              MsgButtons buttons, MsgAnswer defaultButton)
{
    MsgAnswer answer = defaultButton;
    if (!answers.empty()) {
        answer = answers.front();
        answers.pop_front();
    }
    texts << text;
    log_.Add(QStringLiteral("msgbox \"%1\" %2 %3 -> %4")
                 .arg(title, IconName(icon), ButtonsName(buttons), AnswerName(answer)));
    return answer;
}

QString FakeDialogs::OpenFileName(const QString& title, const QString&, const QString& filter)
{
    QString name;
    if (!fileNames.empty()) {
        name = fileNames.front();
        fileNames.pop_front();
    }
    log_.Add(QStringLiteral("open dialog \"%1\" %2 -> %3").arg(title, filter, name));
    return name;
}

QString FakeDialogs::SaveFileName(const QString& title, const QString& proposedPath,
                                  const QString& filter)
{
    QString name;
    if (!fileNames.empty()) {
        name = fileNames.front();
        fileNames.pop_front();
    }
    log_.Add(QStringLiteral("save dialog \"%1\" %2 %3 -> %4")
                 .arg(title, QFileInfo(proposedPath).fileName(), filter, name));
    return name;
}

} // namespace lexaroo::fakes

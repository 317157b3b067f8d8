#include "SystemClock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTime>
#include <QTimer>

#include <chrono>

namespace lexaroo {

namespace {
// A game timer on the Qt event loop. Precise timing keeps short intervals
// (55 ms) steady instead of letting them drift to the coarse 5% slack.
class QtTimer : public Timer {
public:
    QtTimer()
    {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Fire(); });
    }
    void Start(int intervalMs) override { timer_.start(intervalMs); }
    void Stop() override { timer_.stop(); }
    bool IsActive() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};
} // namespace

double SystemClock::TimeOfDay()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

std::uint32_t SystemClock::TickCount()
{
    using namespace std::chrono;
    return static_cast<std::uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void IdleWithoutInput(int ms)
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, ms);
    QThread::msleep(static_cast<unsigned long>(ms));
}

void SystemClock::Pause(double seconds)
{
    WaitElapsed(seconds, [this] { return TimeOfDay(); }, [] { IdleWithoutInput(2); });
}

std::unique_ptr<Timer> SystemClock::NewTimer() { return std::make_unique<QtTimer>(); }

void SystemClock::Animate(int steps, double secondsPerStep, const std::function<void(int)>& step)
{
    // Each step is due at a fixed time from the start, so slow repaints do
    // not stretch the whole motion.
    QElapsedTimer elapsed;
    elapsed.start();
    for (int k = 1; k <= steps; ++k) {
        step(k);
        const qint64 due = static_cast<qint64>(k * secondsPerStep * 1000.0);
        do {
            IdleWithoutInput(1);
        } while (elapsed.elapsed() < due);
    }
}

} // namespace lexaroo

#include "SystemClock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTime>

#include <chrono>

namespace lexaroo {

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

} // namespace lexaroo

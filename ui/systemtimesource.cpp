#include "ui/systemtimesource.h"

#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <ctime>

#ifdef Q_OS_LINUX
#include <sys/timerfd.h>
#include <unistd.h>
#endif

namespace ui {

namespace {

class SystemAlarm final : public Alarm
{
public:
    SystemAlarm(const SystemTimeSource& source, std::function<void()> onDue)
        : source_(source), onDue_(std::move(onDue))
    {
        timer_.setSingleShot(true);
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] { check(); });
    }

    void arm(Milliseconds due) override
    {
        due_ = due;
        armed_ = true;
        schedule();
    }

    void disarm() override
    {
        armed_ = false;
        timer_.stop();
    }

    bool isArmed() const override { return armed_; }

private:
    // Qt's timers count whole milliseconds on another clock; one more keeps
    // the wake-up from landing a fraction early and having to sleep again.
    void schedule()
    {
        const auto left = due_ - source_.uptime();
        timer_.start(std::max<Milliseconds>(left, Milliseconds(0)) + Milliseconds(1));
    }

    // Qt's timers run on a clock that stops during suspend and round to the
    // millisecond; a wake-up before the due time only re-arms.
    void check()
    {
        if (!armed_)
            return;
        if (source_.uptime() < due_) {
            schedule();
            return;
        }
        armed_ = false;
        onDue_();
    }

    const SystemTimeSource& source_;
    std::function<void()> onDue_;
    QTimer timer_;
    Milliseconds due_{0};
    bool armed_ = false;
};

#ifdef Q_OS_LINUX
itimerspec farFuture()
{
    itimerspec spec{};
    spec.it_value.tv_sec = time_t(1) << 33; // some two centuries ahead
    return spec;
}
#endif

} // namespace

SystemTimeSource::SystemTimeSource(QObject* parent) : TimeSource(parent)
{
    watchWallClock();
}

SystemTimeSource::~SystemTimeSource()
{
#ifdef Q_OS_LINUX
    if (wallClockFd_ >= 0)
        ::close(wallClockFd_);
#endif
}

QDateTime SystemTimeSource::localNow() const
{
    return QDateTime::currentDateTime();
}

Milliseconds SystemTimeSource::uptime() const
{
#ifdef Q_OS_LINUX
    timespec ts{};
    clock_gettime(CLOCK_BOOTTIME, &ts);
    return Milliseconds(qint64(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000);
#else
    static QElapsedTimer origin = [] { QElapsedTimer t; t.start(); return t; }();
    return Milliseconds(origin.elapsed());
#endif
}

std::unique_ptr<Alarm> SystemTimeSource::createAlarm(std::function<void()> onDue)
{
    return std::make_unique<SystemAlarm>(*this, std::move(onDue));
}

// A realtime timer far in the future with TFD_TIMER_CANCEL_ON_SET is cancelled
// by the kernel whenever the wall clock is set or the machine resumes; it
// never expires by itself, so it costs no wake-ups while idle.
void SystemTimeSource::watchWallClock()
{
#ifdef Q_OS_LINUX
    wallClockFd_ = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (wallClockFd_ < 0)
        return;
    const itimerspec far = farFuture();
    if (timerfd_settime(wallClockFd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &far, nullptr) != 0) {
        ::close(wallClockFd_);
        wallClockFd_ = -1;
        return;
    }
    auto* notifier = new QSocketNotifier(wallClockFd_, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &SystemTimeSource::onWallClockEvent);
#endif
}

void SystemTimeSource::onWallClockEvent()
{
#ifdef Q_OS_LINUX
    quint64 expirations = 0;
    const ssize_t n = ::read(wallClockFd_, &expirations, sizeof expirations);
    if (n < 0 && errno != ECANCELED)
        return;
    // Reading a cancelled timer disarms it; arm it again for the next change.
    const itimerspec far = farFuture();
    timerfd_settime(wallClockFd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &far, nullptr);
    emit wallClockChanged();
#endif
}

} // namespace ui

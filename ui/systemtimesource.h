#pragma once

#include "ui/timesource.h"

namespace ui {

// The machine's clocks: CLOCK_BOOTTIME for uptime, Qt's precise timers for
// alarms, and a cancel-on-set timerfd to hear of wall-clock changes.
class SystemTimeSource final : public TimeSource
{
    Q_OBJECT
public:
    explicit SystemTimeSource(QObject* parent = nullptr);
    ~SystemTimeSource() override;

    QDateTime localNow() const override;
    Milliseconds uptime() const override;
    std::unique_ptr<Alarm> createAlarm(std::function<void()> onDue) override;

private:
    void watchWallClock();
    void onWallClockEvent();

    int wallClockFd_ = -1;
};

} // namespace ui

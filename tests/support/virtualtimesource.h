#pragma once

#include "ui/timesource.h"

#include <vector>

// Time that moves only when a test says so. Alarms fire in order of their
// due time, each seeing the clocks at that moment.
class VirtualTimeSource final : public ui::TimeSource
{
    Q_OBJECT
public:
    explicit VirtualTimeSource(const QDateTime& start);
    ~VirtualTimeSource() override;

    QDateTime localNow() const override;
    ui::Milliseconds uptime() const override { return uptime_; }
    std::unique_ptr<ui::Alarm> createAlarm(std::function<void()> onDue) override;

    // Lets time pass, firing every alarm that falls due on the way.
    void advance(ui::Milliseconds span);
    // Lets time pass with the program not running (a busy desktop, a
    // suspended machine); what fell due fires late, afterwards.
    void stall(ui::Milliseconds span);
    // Sets the wall clock, leaving uptime alone.
    void setWallClock(const QDateTime& now);

private:
    class VirtualAlarm;

    void fireDue();

    QDateTime wallAtZero_;
    ui::Milliseconds uptime_{0};
    std::vector<VirtualAlarm*> alarms_;
    quint64 armSequence_ = 0;
};

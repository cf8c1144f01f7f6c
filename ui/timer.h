#pragma once

#include "ui/component.h"
#include "ui/timesource.h"

#include <memory>

namespace ui {

// Ticks every Interval milliseconds, shown or hidden. Interval 0 stops it; a
// different non-zero value restarts it with the first tick one full interval
// later; the value it already has keeps the running phase. A tick never comes
// early, and a late one does not shift the ticks after it.
//
// With AlignToClock the ticks land on whole multiples of the interval of the
// local wall clock instead, re-armed from the clock at every tick, the first
// at least half an interval after the start; when the wall clock is set or
// the machine resumes, a tick comes at once.
class TTimer : public TComponent
{
    Q_OBJECT
public:
    TTimer(TForm* form, const QString& name);

    int interval() const { return interval_; }
    void setInterval(int interval);

    TNotifyEvent OnTimer;

    void applyLayoutProperty(const LayoutProperty& property, const LayoutContext& context) override;
    void loaded() override;

private:
    void start();
    void armForWallClock(qint64 wallTarget);
    void onAlarm();
    void onWallClockChanged();
    void tick();

    TimeSource& time_;
    std::unique_ptr<Alarm> alarm_;
    Milliseconds due_{0};
    qint64 wallTarget_ = 0; // ms since the epoch, aligned ticks only
    int interval_ = 1000;
    bool alignToClock_ = false;
    bool loaded_ = false;
};

} // namespace ui

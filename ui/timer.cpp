#include "ui/timer.h"

#include "ui/form.h"
#include "ui/propertyvalue.h"

namespace ui {

namespace {

qint64 wallMs(const TimeSource& time)
{
    return time.localNow().toMSecsSinceEpoch();
}

// The first whole multiple of `step` at or after `ms`.
qint64 ceilTo(qint64 ms, qint64 step)
{
    const qint64 rest = ms % step;
    return rest == 0 ? ms : ms + (step - rest);
}

} // namespace

TTimer::TTimer(TForm* form, const QString& name)
    : TComponent(form, name), time_(form->services().time), alarm_(time_.createAlarm([this] { onAlarm(); }))
{
    connect(&time_, &TimeSource::wallClockChanged, this, &TTimer::onWallClockChanged);
}

void TTimer::setInterval(int interval)
{
    if (interval == interval_)
        return;
    interval_ = interval;
    start();
}

void TTimer::applyLayoutProperty(const LayoutProperty& property, const LayoutContext& context)
{
    if (property.name == u"Interval")
        interval_ = intValue(property, 0, 24 * 60 * 60 * 1000);
    else if (property.name == u"AlignToClock")
        alignToClock_ = boolValue(property);
    else if (property.name == u"OnTimer")
        OnTimer = context.notifyHandler(property);
    else
        TComponent::applyLayoutProperty(property, context);
}

void TTimer::loaded()
{
    loaded_ = true;
    start();
}

void TTimer::start()
{
    alarm_->disarm();
    if (!loaded_ || interval_ == 0)
        return;
    if (alignToClock_) {
        armForWallClock(ceilTo(wallMs(time_) + interval_ / 2, interval_));
        return;
    }
    due_ = time_.uptime() + Milliseconds(interval_);
    alarm_->arm(due_);
}

// Wall-clock targets are reached through the uptime clock; onAlarm checks
// the wall clock again before ticking.
void TTimer::armForWallClock(qint64 wallTarget)
{
    wallTarget_ = wallTarget;
    due_ = time_.uptime() + Milliseconds(std::max<qint64>(0, wallTarget - wallMs(time_)));
    alarm_->arm(due_);
}

void TTimer::onAlarm()
{
    if (alignToClock_) {
        const qint64 now = wallMs(time_);
        if (now < wallTarget_) {
            armForWallClock(wallTarget_);
            return;
        }
        armForWallClock(ceilTo(now + 1, interval_));
    } else {
        const Milliseconds now = time_.uptime();
        const Milliseconds period(interval_);
        due_ += period;
        if (due_ <= now)
            due_ += ((now - due_) / period + 1) * period;
        alarm_->arm(due_);
    }
    tick();
}

void TTimer::onWallClockChanged()
{
    if (!alignToClock_ || !alarm_->isArmed())
        return;
    armForWallClock(ceilTo(wallMs(time_) + 1, interval_));
    tick();
}

void TTimer::tick()
{
    fire(OnTimer);
}

} // namespace ui

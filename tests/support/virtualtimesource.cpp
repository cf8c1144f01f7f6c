#include "support/virtualtimesource.h"

#include <algorithm>

class VirtualTimeSource::VirtualAlarm final : public ui::Alarm
{
public:
    VirtualAlarm(VirtualTimeSource& source, std::function<void()> onDue) : source_(source), onDue_(std::move(onDue))
    {
        source_.alarms_.push_back(this);
    }

    ~VirtualAlarm() override { std::erase(source_.alarms_, this); }

    void arm(ui::Milliseconds due) override
    {
        due_ = due;
        armed_ = true;
        sequence_ = ++source_.armSequence_;
    }

    void disarm() override { armed_ = false; }
    bool isArmed() const override { return armed_; }

    VirtualTimeSource& source_;
    std::function<void()> onDue_;
    ui::Milliseconds due_{0};
    quint64 sequence_ = 0;
    bool armed_ = false;
};

VirtualTimeSource::VirtualTimeSource(const QDateTime& start) : wallAtZero_(start)
{
}

VirtualTimeSource::~VirtualTimeSource() = default;

QDateTime VirtualTimeSource::localNow() const
{
    return wallAtZero_.addMSecs(uptime_.count());
}

std::unique_ptr<ui::Alarm> VirtualTimeSource::createAlarm(std::function<void()> onDue)
{
    return std::make_unique<VirtualAlarm>(*this, std::move(onDue));
}

void VirtualTimeSource::advance(ui::Milliseconds span)
{
    const ui::Milliseconds end = uptime_ + span;
    for (;;) {
        VirtualAlarm* next = nullptr;
        for (VirtualAlarm* alarm : alarms_) {
            if (alarm->armed_ && alarm->due_ <= end
                && (!next || alarm->due_ < next->due_
                    || (alarm->due_ == next->due_ && alarm->sequence_ < next->sequence_)))
                next = alarm;
        }
        if (!next)
            break;
        uptime_ = std::max(uptime_, next->due_);
        next->armed_ = false;
        next->onDue_();
    }
    uptime_ = end;
}

void VirtualTimeSource::stall(ui::Milliseconds span)
{
    uptime_ += span;
    advance(ui::Milliseconds(0));
}

void VirtualTimeSource::setWallClock(const QDateTime& now)
{
    wallAtZero_ = now.addMSecs(-uptime_.count());
    emit wallClockChanged();
}

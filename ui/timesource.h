#pragma once

#include <QDateTime>
#include <QObject>

#include <chrono>
#include <functional>
#include <memory>

namespace ui {

using Milliseconds = std::chrono::milliseconds;

// A one-shot wake-up on the time source's uptime clock. It fires on the
// user-interface thread, never before its due time.
class Alarm
{
public:
    virtual ~Alarm() = default;
    virtual void arm(Milliseconds due) = 0;
    virtual void disarm() = 0;
    virtual bool isArmed() const = 0;
};

// The program's only way to learn the time. Passing it in lets the tests run
// virtual time: minutes of ticks in milliseconds, every tick in order.
class TimeSource : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // The local wall-clock date and time, millisecond resolution.
    virtual QDateTime localNow() const = 0;
    // Time since an arbitrary origin that keeps counting through suspend and
    // never jumps when the wall clock is set.
    virtual Milliseconds uptime() const = 0;
    virtual std::unique_ptr<Alarm> createAlarm(std::function<void()> onDue) = 0;

signals:
    // The wall clock was set, or the machine woke from suspend.
    void wallClockChanged();
};

} // namespace ui

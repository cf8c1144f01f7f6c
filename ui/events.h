#pragma once

#include <functional>

namespace ui {

class TObject;

// The mouse buttons and modifier keys held during a mouse event.
enum class ShiftFlag { Shift = 1, Alt = 2, Ctrl = 4, Left = 8, Right = 16, Middle = 32 };

class TShiftState
{
public:
    TShiftState() = default;
    explicit TShiftState(unsigned bits) : bits_(bits) {}
    bool contains(ShiftFlag f) const { return bits_ & unsigned(f); }

private:
    unsigned bits_ = 0;
};

using TNotifyEvent = std::function<void(TObject* sender)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;

} // namespace ui

#pragma once

#include "ui/services.h"

namespace app {

// The program's five windows, created in order (the clock first, so it is
// the main window) and released in reverse; only the clock is shown.
class WindowSet
{
public:
    explicit WindowSet(const ui::Services& services);
    ~WindowSet();

    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

private:
    void release();
};

} // namespace app

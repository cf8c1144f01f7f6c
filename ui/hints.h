#pragma once

namespace ui {

// Tooltips show after the pointer has rested 500 ms, every time.
void installToolTipTimings();

} // namespace ui

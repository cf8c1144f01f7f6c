#pragma once

namespace ui {

// Settles the windowing platform before Qt starts.
void preparePlatform();

} // namespace ui

#pragma once

#include "ui/events.h"

#include <functional>

namespace ui {

class TForm;

// Moves the form with the pointer while the left button stays held, keeping
// the pointer where it pressed on the form. Called from a surface's mouse-move
// handler: without the left button it does nothing, and it starts only once
// the pointer has moved past the desktop's drag distance, so a press and
// release in place stays a click. The release that ends a drag raises no
// click; `finished` then runs once.
void BeginWindowDrag(TForm* form, TShiftState shift, std::function<void()> finished = {});

} // namespace ui

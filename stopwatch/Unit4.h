#pragma once

#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"

// The stopwatch strip.
class TForm4 : public ui::TForm
{
public:
    explicit TForm4(const ui::Services& services);

    ui::TImage* Image1 = nullptr;
    ui::TLabel* Label2 = nullptr;

    void Label2MouseMove(ui::TObject* Sender, ui::TShiftState Shift, int X, int Y);
};

extern TForm4* Form4;

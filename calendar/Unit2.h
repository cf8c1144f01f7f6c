#pragma once

#include "ui/form.h"
#include "ui/image.h"

// The month calendar below the clock, under a strip that drags it.
class TForm2 : public ui::TForm
{
public:
    explicit TForm2(const ui::Services& services);

    ui::TImage* Image1 = nullptr;

    void Image1MouseMove(ui::TObject* Sender, ui::TShiftState Shift, int X, int Y);
};

extern TForm2* Form2;

#pragma once

#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"

// The countdown timer strip.
class TForm3 : public ui::TForm
{
public:
    explicit TForm3(const ui::Services& services);

    ui::TImage* Image1 = nullptr;
    ui::TLabel* Label1 = nullptr;
    ui::TLabel* Label2 = nullptr;

    void Label1MouseMove(ui::TObject* Sender, ui::TShiftState Shift, int X, int Y);
};

extern TForm3* Form3;

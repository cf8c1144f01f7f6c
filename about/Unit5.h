#pragma once

#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/memo.h"

// The about window: version, usage and the author's site.
class TForm5 : public ui::TForm
{
public:
    explicit TForm5(const ui::Services& services);

    ui::TImage* Image1 = nullptr;
    ui::TLabel* Label1 = nullptr;
    ui::TLabel* Label2 = nullptr;
    ui::TMemo* Memo1 = nullptr;
    ui::TButton* Button1 = nullptr;

    void Image1MouseMove(ui::TObject* Sender, ui::TShiftState Shift, int X, int Y);
    void Label1MouseMove(ui::TObject* Sender, ui::TShiftState Shift, int X, int Y);
    void Label2Click(ui::TObject* Sender);
    void Label2MouseMove(ui::TObject* Sender, ui::TShiftState Shift, int X, int Y);
    void Label2MouseLeave(ui::TObject* Sender);
    void Button1Click(ui::TObject* Sender);
};

extern TForm5* Form5;

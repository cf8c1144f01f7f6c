#pragma once

#include "ui/form.h"
#include "ui/image.h"
#include "ui/menu.h"
#include "ui/monthcalendar.h"

// The month calendar below the clock, under a strip that drags it.
class TForm2 : public ui::TForm
{
public:
    explicit TForm2(const ui::Services& services);

    ui::TMonthCalendar* MonthCalendar1 = nullptr;
    ui::TImage* Image1 = nullptr;
    ui::TPopupMenu* PopupMenu1 = nullptr;

    void Image1Click(ui::TObject* Sender);
    void Image1MouseMove(ui::TObject* Sender, ui::TShiftState Shift, int X, int Y);
    void MonthCalendar1DblClick(ui::TObject* Sender);
    void Close1Click(ui::TObject* Sender);
};

extern TForm2* Form2;

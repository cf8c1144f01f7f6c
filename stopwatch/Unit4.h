#pragma once

#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/menu.h"
#include "ui/timer.h"

// The stopwatch strip: the time elapsed since it was started, refreshed once
// a second, with pause, resume and reset.
class TForm4 : public ui::TForm
{
public:
    explicit TForm4(const ui::Services& services);

    ui::TImage* Image1 = nullptr;
    ui::TLabel* Label2 = nullptr;
    ui::TTimer* Timer1 = nullptr;
    ui::TPopupMenu* PopupMenu1 = nullptr;
    ui::TMenuItem* N2 = nullptr;

    // Measured on the uptime clock, which neither jumps with the wall clock
    // nor stops during suspend.
    ui::Milliseconds StartTime{0};   // when the current run segment began
    ui::Milliseconds CarriedTime{0}; // carried over from earlier segments
    ui::Milliseconds ElapsedTime{0}; // the latest reading: a tick's, or a pause's

    void N1Click(ui::TObject* Sender);
    void Timer1Timer(ui::TObject* Sender);
    void N2Click(ui::TObject* Sender);
    void N3Click(ui::TObject* Sender);
    void Label2Click(ui::TObject* Sender);
    void Exit1Click(ui::TObject* Sender);
    void Label2MouseMove(ui::TObject* Sender, ui::TShiftState Shift, int X, int Y);

private:
    ui::Milliseconds reading() const;

    QString resetFace_;
};

extern TForm4* Form4;

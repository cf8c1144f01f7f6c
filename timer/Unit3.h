#pragma once

#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/menu.h"
#include "ui/timer.h"

// The countdown timer strip: 1 to 30 minutes, counted down in minutes and
// seconds, ending with a message in yellow.
class TForm3 : public ui::TForm
{
public:
    explicit TForm3(const ui::Services& services);

    ui::TImage* Image1 = nullptr;
    ui::TLabel* Label1 = nullptr;
    ui::TLabel* Label2 = nullptr;
    ui::TTimer* Timer1 = nullptr;
    ui::TPopupMenu* PopupMenu1 = nullptr;
    ui::TMenuItem* N2 = nullptr;

    int RemainingSeconds = 0;
    int DisplayMinutes = 0;
    int DisplaySeconds = 0;

    // Starts counting down `minutes`; while counting, the ticks keep their phase.
    void pickDuration(int minutes);

    void Timer1Timer(ui::TObject* Sender);
    void N2Click(ui::TObject* Sender);
    void N3Click(ui::TObject* Sender);
    void Label2DblClick(ui::TObject* Sender);
    void Close1Click(ui::TObject* Sender);
    void Label1MouseMove(ui::TObject* Sender, ui::TShiftState Shift, int X, int Y);

private:
    void startTicks();

    QString idleTitle_;
    QString idleCount_;
    QString timesUp_;
    // Tick periods are counted from when the ticks started, on the uptime
    // clock, so a late tick takes off every second that really passed.
    ui::Milliseconds ticksStarted_{0};
    qint64 periodsCounted_ = 0;
};

extern TForm3* Form3;

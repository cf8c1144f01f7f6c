#pragma once

#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/menu.h"
#include "ui/timer.h"

#include <QStringList>

// The clock strip, the main window: the time of day, refreshed on every
// whole second, with today's date and weekday in its tooltip. Its menu is the
// way to every other window.
class TForm1 : public ui::TForm
{
public:
    explicit TForm1(const ui::Services& services);

    ui::TImage* Image1 = nullptr;
    ui::TLabel* Label1 = nullptr;
    ui::TTimer* Timer1 = nullptr;
    ui::TPopupMenu* PopupMenu1 = nullptr;
    ui::TMenuItem* N1 = nullptr;
    ui::TMenuItem* N2 = nullptr;
    ui::TMenuItem* N5 = nullptr;
    ui::TMenuItem* N6 = nullptr;
    ui::TMenuItem* N3 = nullptr;
    ui::TMenuItem* N7 = nullptr;
    ui::TMenuItem* N4 = nullptr;
    ui::TMenuItem* Exit1 = nullptr;

    // Whether the companions follow the clock after it is dragged; agrees
    // with the check mark of N7.
    int MoveTogether = 0;

    void FormCreate(ui::TObject* Sender);
    void Timer1Timer(ui::TObject* Sender);
    void Label1DblClick(ui::TObject* Sender);
    void Label1MouseMove(ui::TObject* Sender, ui::TShiftState Shift, int X, int Y);
    void N1Click(ui::TObject* Sender);
    void N2Click(ui::TObject* Sender);
    void N5Click(ui::TObject* Sender);
    void N6Click(ui::TObject* Sender);
    void N3Click(ui::TObject* Sender);
    void N7Click(ui::TObject* Sender);
    void N4Click(ui::TObject* Sender);
    void Exit1Click(ui::TObject* Sender);

    // Places the companions below the clock after a drag of its face, shown
    // or hidden, when move-together is on.
    void FollowClockFace();

private:
    struct Offset {
        int top;
        int left;
    };
    void place(ui::TForm* companion, Offset offset) const;
    void showCalendar();
    void showTimer();
    void showStopwatch();

    QString todayPrefix_;
    QStringList weekdaySuffixes_;
    QString farewell_;
};

extern TForm1* Form1;

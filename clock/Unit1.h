#pragma once

#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/menu.h"
#include "ui/timer.h"

#include <QStringList>

// The clock strip, the main window: the time of day, refreshed on every
// whole second, with today's date and weekday in its tooltip.
class TForm1 : public ui::TForm
{
public:
    explicit TForm1(const ui::Services& services);

    ui::TImage* Image1 = nullptr;
    ui::TLabel* Label1 = nullptr;
    ui::TTimer* Timer1 = nullptr;
    ui::TPopupMenu* PopupMenu1 = nullptr;

    void FormCreate(ui::TObject* Sender);
    void Timer1Timer(ui::TObject* Sender);
    void Label1DblClick(ui::TObject* Sender);

private:
    QString todayPrefix_;
    QStringList weekdaySuffixes_;
};

extern TForm1* Form1;

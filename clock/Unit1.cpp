#include "clock/Unit1.h"

#include "about/Unit5.h"
#include "calendar/Unit2.h"
#include "stopwatch/Unit4.h"
#include "timer/Unit3.h"
#include "ui/desktop.h"
#include "ui/regional.h"
#include "ui/texts.h"
#include "ui/windowdrag.h"

#include <algorithm>

using namespace ui;

TForm1* Form1 = nullptr;

namespace {

constexpr int clockTop = 37;
constexpr int clockRightInset = 140; // the right edge sits 15 px in from the screen's

} // namespace

TForm1::TForm1(const Services& services) : TForm(services, QStringLiteral("Form1"), QStringLiteral("TForm1"))
{
    const StringTable strings = StringTable::fromResource(QStringLiteral(":/strings.dfm"));
    todayPrefix_ = strings.string(QStringLiteral("TodayPrefix"));
    weekdaySuffixes_ = strings.strings(QStringLiteral("WeekdaySuffixes"));
    farewell_ = strings.string(QStringLiteral("Farewell"));

    field(QStringLiteral("Image1"), Image1);
    field(QStringLiteral("Label1"), Label1);
    field(QStringLiteral("Timer1"), Timer1);
    field(QStringLiteral("PopupMenu1"), PopupMenu1);
    field(QStringLiteral("N1"), N1);
    field(QStringLiteral("N2"), N2);
    field(QStringLiteral("N5"), N5);
    field(QStringLiteral("N6"), N6);
    field(QStringLiteral("N3"), N3);
    field(QStringLiteral("N7"), N7);
    field(QStringLiteral("N4"), N4);
    field(QStringLiteral("Exit1"), Exit1);
    publish(QStringLiteral("FormCreate"), &TForm1::FormCreate);
    publish(QStringLiteral("Timer1Timer"), &TForm1::Timer1Timer);
    publish(QStringLiteral("Label1DblClick"), &TForm1::Label1DblClick);
    publish(QStringLiteral("Label1MouseMove"), &TForm1::Label1MouseMove);
    publish(QStringLiteral("N1Click"), &TForm1::N1Click);
    publish(QStringLiteral("N2Click"), &TForm1::N2Click);
    publish(QStringLiteral("N5Click"), &TForm1::N5Click);
    publish(QStringLiteral("N6Click"), &TForm1::N6Click);
    publish(QStringLiteral("N3Click"), &TForm1::N3Click);
    publish(QStringLiteral("N7Click"), &TForm1::N7Click);
    publish(QStringLiteral("N4Click"), &TForm1::N4Click);
    publish(QStringLiteral("Exit1Click"), &TForm1::Exit1Click);
    load(QStringLiteral("Unit1"));
}

void TForm1::FormCreate(TObject*)
{
    setTop(clockTop);
    setLeft(services().desktop.primaryScreenSize().width() - clockRightInset);
}

// One reading of the clock gives the time, the date and the weekday, so the
// tooltip never pairs one day's weekday with the next day's date.
void TForm1::Timer1Timer(TObject*)
{
    const QDateTime now = services().time.localNow();
    const RegionalSettings regional = services().regional.current();
    Label1->setCaption(formatLongTime(now.time(), regional));
    const int weekday = std::clamp(weekdayNumber(now.date()), 1, 7);
    setHint(todayPrefix_ + formatShortDate(now.date(), regional) + weekdaySuffixes_.value(weekday - 1));
}

void TForm1::Label1DblClick(TObject*)
{
    close();
}

void TForm1::Label1MouseMove(TObject*, TShiftState Shift, int, int)
{
    BeginWindowDrag(this, Shift, [this] { FollowClockFace(); });
}

void TForm1::place(TForm* companion, Offset offset) const
{
    companion->setTop(top() + offset.top);
    companion->setLeft(left() + offset.left);
}

void TForm1::showCalendar()
{
    place(Form2, {77, -3});
    Form2->MonthCalendar1->setDate(services().time.localNow().date());
    Form2->show();
}

void TForm1::showTimer()
{
    place(Form3, {29, 0});
    Form3->show();
}

void TForm1::showStopwatch()
{
    place(Form4, {50, 0});
    Form4->show();
}

void TForm1::N1Click(TObject*)
{
    showCalendar();
    setFocus();
}

void TForm1::N2Click(TObject*)
{
    showTimer();
}

void TForm1::N5Click(TObject*)
{
    showStopwatch();
}

void TForm1::N6Click(TObject*)
{
    showCalendar();
    showTimer();
    showStopwatch();
}

void TForm1::N3Click(TObject*)
{
    for (TForm* form : std::initializer_list<TForm*>{Form1, Form2, Form3, Form4})
        form->setAlphaBlend(!form->alphaBlend());
    N3->setChecked(!N3->checked());
}

void TForm1::N7Click(TObject*)
{
    N7->setChecked(!N7->checked());
    MoveTogether = N7->checked() ? 1 : 0;
}

void TForm1::N4Click(TObject*)
{
    Form5->show();
    Form5->Button1->setFocus();
}

void TForm1::Exit1Click(TObject*)
{
    Label1->setCaption(farewell_);
    close();
}

void TForm1::FollowClockFace()
{
    if (MoveTogether != 1)
        return;
    place(Form2, {75, -3});
    place(Form3, {25, 0});
    place(Form4, {50, 0});
}

#include "clock/Unit1.h"

#include "ui/desktop.h"
#include "ui/regional.h"
#include "ui/texts.h"

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

    field(QStringLiteral("Image1"), Image1);
    field(QStringLiteral("Label1"), Label1);
    field(QStringLiteral("Timer1"), Timer1);
    field(QStringLiteral("PopupMenu1"), PopupMenu1);
    publish(QStringLiteral("FormCreate"), &TForm1::FormCreate);
    publish(QStringLiteral("Timer1Timer"), &TForm1::Timer1Timer);
    publish(QStringLiteral("Label1DblClick"), &TForm1::Label1DblClick);
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

#include "timer/Unit3.h"

#include "ui/texts.h"
#include "ui/windowdrag.h"

#include <array>

using namespace ui;

TForm3* Form3 = nullptr;

namespace {

constexpr int tickInterval = 1000;

// The duration items' handlers, for 1 to 30 minutes in order.
constexpr std::array durationHandlers{
    "N11Click",  "N21Click",  "N31Click",  "N41Click",    "N51Click",   "N61Click",   "N71Click",   "N81Click",
    "N91Click",  "N101Click", "N111Click", "N121Click",   "N131Click",  "N141Click",  "N151Click",  "N161Click",
    "N171Click", "N181Click", "N191Click", "N201Click",   "N211Click",  "N221Click",  "N231Click",  "N241Click",
    "N251Click", "N261Click", "N27271Click", "N28s1Click", "N29t1Click", "N30u1Click",
};

QString twoDigits(int value)
{
    return value < 10 ? QStringLiteral("0") + QString::number(value) : QString::number(value);
}

} // namespace

TForm3::TForm3(const Services& services) : TForm(services, QStringLiteral("Form3"), QStringLiteral("TForm3"))
{
    timesUp_ = StringTable::fromResource(QStringLiteral(":/strings.dfm")).string(QStringLiteral("TimesUp"));

    field(QStringLiteral("Image1"), Image1);
    field(QStringLiteral("Label1"), Label1);
    field(QStringLiteral("Label2"), Label2);
    field(QStringLiteral("Timer1"), Timer1);
    field(QStringLiteral("PopupMenu1"), PopupMenu1);
    field(QStringLiteral("N2"), N2);
    for (int minutes = 1; minutes <= int(durationHandlers.size()); ++minutes)
        publish(QString::fromLatin1(durationHandlers[minutes - 1]), [this, minutes](TObject*) { pickDuration(minutes); });
    publish(QStringLiteral("Timer1Timer"), &TForm3::Timer1Timer);
    publish(QStringLiteral("N2Click"), &TForm3::N2Click);
    publish(QStringLiteral("N3Click"), &TForm3::N3Click);
    publish(QStringLiteral("Label2DblClick"), &TForm3::Label2DblClick);
    publish(QStringLiteral("Close1Click"), &TForm3::Close1Click);
    publish(QStringLiteral("Label1MouseMove"), &TForm3::Label1MouseMove);
    load(QStringLiteral("Unit3"));

    // A reset brings back the strip as the layout first draws it.
    idleTitle_ = Label2->caption();
    idleCount_ = Label1->caption();
}

void TForm3::startTicks()
{
    if (Timer1->interval() != tickInterval) {
        ticksStarted_ = services().time.uptime();
        periodsCounted_ = 0;
    }
    Timer1->setInterval(tickInterval);
}

void TForm3::pickDuration(int minutes)
{
    DisplayMinutes = minutes;
    RemainingSeconds = DisplayMinutes * 60;
    startTicks();
}

void TForm3::Timer1Timer(TObject*)
{
    const qint64 periods = (services().time.uptime() - ticksStarted_) / Milliseconds(tickInterval);
    const qint64 passed = std::max<qint64>(1, periods - periodsCounted_);
    periodsCounted_ += passed;
    RemainingSeconds = int(std::max<qint64>(0, RemainingSeconds - passed));

    DisplayMinutes = RemainingSeconds / 60;
    DisplaySeconds = RemainingSeconds % 60;
    Label1->setCaption(twoDigits(DisplayMinutes) + QStringLiteral(":") + twoDigits(DisplaySeconds));

    if (RemainingSeconds == 0) {
        Timer1->setInterval(0);
        Label2->setCaption(QString());
        Label1->setCaption(timesUp_);
        Label1->setFontColor(clYellow);
    }
}

// The check mark of N2 is the paused flag.
void TForm3::N2Click(TObject*)
{
    if (N2->checked()) {
        // Nothing left to count: resuming only clears the pause.
        if (RemainingSeconds > 0)
            startTicks();
        Label1->setFontColor(clBlack);
    } else {
        Timer1->setInterval(0);
        Label1->setFontColor(clRed);
    }
    N2->setChecked(!N2->checked());
}

void TForm3::N3Click(TObject*)
{
    Timer1->setInterval(0);
    Label2->setFontColor(clBlack);
    Label2->setCaption(idleTitle_);
    Label1->setFontColor(clBlack);
    Label1->setCaption(idleCount_);
}

void TForm3::Label2DblClick(TObject* Sender)
{
    N3Click(Sender);
    close();
}

void TForm3::Close1Click(TObject*)
{
    Timer1->setInterval(0);
    close();
}

// Label2 covers the strip and takes its mouse input; the handler keeps the
// name it has always had.
void TForm3::Label1MouseMove(TObject*, TShiftState Shift, int, int)
{
    BeginWindowDrag(this, Shift);
}

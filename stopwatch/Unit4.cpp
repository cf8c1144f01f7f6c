#include "stopwatch/Unit4.h"

#include "ui/regional.h"
#include "ui/texts.h"
#include "ui/windowdrag.h"

using namespace ui;

TForm4* Form4 = nullptr;

namespace {

constexpr int tickInterval = 1000;

} // namespace

TForm4::TForm4(const Services& services) : TForm(services, QStringLiteral("Form4"), QStringLiteral("TForm4"))
{
    resetFace_ = StringTable::fromResource(QStringLiteral(":/strings.dfm")).string(QStringLiteral("StopwatchReset"));

    field(QStringLiteral("Image1"), Image1);
    field(QStringLiteral("Label2"), Label2);
    field(QStringLiteral("Timer1"), Timer1);
    field(QStringLiteral("PopupMenu1"), PopupMenu1);
    field(QStringLiteral("N2"), N2);
    publish(QStringLiteral("N1Click"), &TForm4::N1Click);
    publish(QStringLiteral("Timer1Timer"), &TForm4::Timer1Timer);
    publish(QStringLiteral("N2Click"), &TForm4::N2Click);
    publish(QStringLiteral("N3Click"), &TForm4::N3Click);
    publish(QStringLiteral("Label2Click"), &TForm4::Label2Click);
    publish(QStringLiteral("Exit1Click"), &TForm4::Exit1Click);
    publish(QStringLiteral("Label2MouseMove"), &TForm4::Label2MouseMove);
    load(QStringLiteral("Unit4"));
}

Milliseconds TForm4::reading() const
{
    return services().time.uptime() - StartTime + CarriedTime;
}

// Starting again while running restarts the reading; the ticks keep their phase.
void TForm4::N1Click(TObject*)
{
    StartTime = services().time.uptime();
    Timer1->setInterval(tickInterval);
    CarriedTime = Milliseconds(0);
}

void TForm4::Timer1Timer(TObject*)
{
    ElapsedTime = reading();
    Label2->setCaption(formatDuration(ElapsedTime, services().regional.current()));
}

// The check mark of N2 is the paused flag. A pause keeps the exact reading,
// so pausing and resuming loses no time; the face still changes only on ticks.
void TForm4::N2Click(TObject*)
{
    const bool running = Timer1->interval() != 0;
    Timer1->setInterval(0);
    if (N2->checked()) {
        Timer1->setInterval(tickInterval);
        Label2->setFontColor(clBlack);
        CarriedTime = ElapsedTime;
        StartTime = services().time.uptime();
    } else {
        if (running)
            ElapsedTime = reading();
        Label2->setFontColor(clRed);
    }
    N2->setChecked(!N2->checked());
}

void TForm4::N3Click(TObject*)
{
    Timer1->setInterval(0);
    CarriedTime = Milliseconds(0);
    Label2->setCaption(resetFace_);
}

void TForm4::Label2Click(TObject* Sender)
{
    N3Click(Sender);
    close();
}

// A running stopwatch keeps going while hidden.
void TForm4::Exit1Click(TObject*)
{
    close();
}

void TForm4::Label2MouseMove(TObject*, TShiftState Shift, int, int)
{
    BeginWindowDrag(this, Shift);
}

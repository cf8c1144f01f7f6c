#include "timer/Unit3.h"

#include "ui/windowdrag.h"

using namespace ui;

TForm3* Form3 = nullptr;

TForm3::TForm3(const Services& services) : TForm(services, QStringLiteral("Form3"), QStringLiteral("TForm3"))
{
    field(QStringLiteral("Image1"), Image1);
    field(QStringLiteral("Label1"), Label1);
    field(QStringLiteral("Label2"), Label2);
    publish(QStringLiteral("Label1MouseMove"), &TForm3::Label1MouseMove);
    load(QStringLiteral("Unit3"));
}

// Label2 covers the strip and takes its mouse input; the handler keeps the
// name it has always had.
void TForm3::Label1MouseMove(TObject*, TShiftState Shift, int, int)
{
    BeginWindowDrag(this, Shift);
}

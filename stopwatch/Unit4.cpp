#include "stopwatch/Unit4.h"

#include "ui/windowdrag.h"

using namespace ui;

TForm4* Form4 = nullptr;

TForm4::TForm4(const Services& services) : TForm(services, QStringLiteral("Form4"), QStringLiteral("TForm4"))
{
    field(QStringLiteral("Image1"), Image1);
    field(QStringLiteral("Label2"), Label2);
    publish(QStringLiteral("Label2MouseMove"), &TForm4::Label2MouseMove);
    load(QStringLiteral("Unit4"));
}

void TForm4::Label2MouseMove(TObject*, TShiftState Shift, int, int)
{
    BeginWindowDrag(this, Shift);
}

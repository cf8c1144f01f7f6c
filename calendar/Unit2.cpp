#include "calendar/Unit2.h"

#include "ui/windowdrag.h"

using namespace ui;

TForm2* Form2 = nullptr;

TForm2::TForm2(const Services& services) : TForm(services, QStringLiteral("Form2"), QStringLiteral("TForm2"))
{
    field(QStringLiteral("Image1"), Image1);
    publish(QStringLiteral("Image1MouseMove"), &TForm2::Image1MouseMove);
    load(QStringLiteral("Unit2"));
}

void TForm2::Image1MouseMove(TObject*, TShiftState Shift, int, int)
{
    BeginWindowDrag(this, Shift);
}

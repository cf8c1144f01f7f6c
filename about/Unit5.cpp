#include "about/Unit5.h"

#include "ui/windowdrag.h"

using namespace ui;

TForm5* Form5 = nullptr;

TForm5::TForm5(const Services& services) : TForm(services, QStringLiteral("Form5"), QStringLiteral("TForm5"))
{
    field(QStringLiteral("Image1"), Image1);
    field(QStringLiteral("Label1"), Label1);
    publish(QStringLiteral("Image1MouseMove"), &TForm5::Image1MouseMove);
    publish(QStringLiteral("Label1MouseMove"), &TForm5::Label1MouseMove);
    load(QStringLiteral("Unit5"));
}

void TForm5::Image1MouseMove(TObject*, TShiftState Shift, int, int)
{
    BeginWindowDrag(this, Shift);
}

void TForm5::Label1MouseMove(TObject*, TShiftState Shift, int, int)
{
    BeginWindowDrag(this, Shift);
}

#include "calendar/Unit2.h"

#include "ui/windowdrag.h"

using namespace ui;

TForm2* Form2 = nullptr;

TForm2::TForm2(const Services& services) : TForm(services, QStringLiteral("Form2"), QStringLiteral("TForm2"))
{
    field(QStringLiteral("MonthCalendar1"), MonthCalendar1);
    field(QStringLiteral("Image1"), Image1);
    field(QStringLiteral("PopupMenu1"), PopupMenu1);
    publish(QStringLiteral("Image1Click"), &TForm2::Image1Click);
    publish(QStringLiteral("Image1MouseMove"), &TForm2::Image1MouseMove);
    publish(QStringLiteral("MonthCalendar1DblClick"), &TForm2::MonthCalendar1DblClick);
    publish(QStringLiteral("Close1Click"), &TForm2::Close1Click);
    load(QStringLiteral("Unit2"));
}

void TForm2::Image1Click(TObject*)
{
    close();
}

void TForm2::Image1MouseMove(TObject*, TShiftState Shift, int, int)
{
    BeginWindowDrag(this, Shift);
}

void TForm2::MonthCalendar1DblClick(TObject*)
{
    close();
}

void TForm2::Close1Click(TObject*)
{
    close();
}

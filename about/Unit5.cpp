#include "about/Unit5.h"

#include "ui/desktop.h"
#include "ui/windowdrag.h"

using namespace ui;

TForm5* Form5 = nullptr;

TForm5::TForm5(const Services& services) : TForm(services, QStringLiteral("Form5"), QStringLiteral("TForm5"))
{
    field(QStringLiteral("Image1"), Image1);
    field(QStringLiteral("Label1"), Label1);
    field(QStringLiteral("Label2"), Label2);
    field(QStringLiteral("Memo1"), Memo1);
    field(QStringLiteral("Button1"), Button1);
    publish(QStringLiteral("Image1MouseMove"), &TForm5::Image1MouseMove);
    publish(QStringLiteral("Label1MouseMove"), &TForm5::Label1MouseMove);
    publish(QStringLiteral("Label2Click"), &TForm5::Label2Click);
    publish(QStringLiteral("Label2MouseMove"), &TForm5::Label2MouseMove);
    publish(QStringLiteral("Label2MouseLeave"), &TForm5::Label2MouseLeave);
    publish(QStringLiteral("Button1Click"), &TForm5::Button1Click);
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

// The link's text is the address it opens.
void TForm5::Label2Click(TObject*)
{
    services().desktop.openUrl(Label2->caption());
}

void TForm5::Label2MouseMove(TObject*, TShiftState, int, int)
{
    Label2->setFontColor(clRed);
}

void TForm5::Label2MouseLeave(TObject*)
{
    Label2->setFontColor(clBlack);
}

void TForm5::Button1Click(TObject*)
{
    close();
}

#include "calendar/Unit2.h"

using namespace ui;

TForm2* Form2 = nullptr;

TForm2::TForm2(const Services& services) : TForm(services, QStringLiteral("Form2"), QStringLiteral("TForm2"))
{
    field(QStringLiteral("Image1"), Image1);
    load(QStringLiteral("Unit2"));
}

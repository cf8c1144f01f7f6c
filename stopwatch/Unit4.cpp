#include "stopwatch/Unit4.h"

using namespace ui;

TForm4* Form4 = nullptr;

TForm4::TForm4(const Services& services) : TForm(services, QStringLiteral("Form4"), QStringLiteral("TForm4"))
{
    field(QStringLiteral("Image1"), Image1);
    load(QStringLiteral("Unit4"));
}

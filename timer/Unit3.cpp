#include "timer/Unit3.h"

using namespace ui;

TForm3* Form3 = nullptr;

TForm3::TForm3(const Services& services) : TForm(services, QStringLiteral("Form3"), QStringLiteral("TForm3"))
{
    field(QStringLiteral("Image1"), Image1);
    load(QStringLiteral("Unit3"));
}

#include "about/Unit5.h"

using namespace ui;

TForm5* Form5 = nullptr;

TForm5::TForm5(const Services& services) : TForm(services, QStringLiteral("Form5"), QStringLiteral("TForm5"))
{
    field(QStringLiteral("Image1"), Image1);
    load(QStringLiteral("Unit5"));
}

#include "support/fakeservices.h"

FakeServices::FakeServices(const QDateTime& start) : time(start)
{
    application.setTitle(QStringLiteral("Velmora"));
}

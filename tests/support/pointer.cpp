#include "support/pointer.h"

#include <QTest>

void Pointer::press(QPoint local, Qt::MouseButton button)
{
    button_ = button;
    global_ = surface_->mapToGlobal(local);
    QTest::mousePress(surface_, button, {}, local);
}

void Pointer::moveTo(QPoint global)
{
    global_ = global;
    QTest::mouseMove(surface_, surface_->mapFromGlobal(global));
}

void Pointer::release()
{
    QTest::mouseRelease(surface_, button_, {}, surface_->mapFromGlobal(global_));
}

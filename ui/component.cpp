#include "ui/component.h"

#include "ui/application.h"
#include "ui/form.h"
#include "ui/layouterror.h"
#include "ui/propertyvalue.h"

namespace ui {

TComponent::TComponent(TForm* form, const QString& name) : form_(form)
{
    setObjectName(name);
}

QString TComponent::className() const
{
    const QString qualified = QString::fromLatin1(metaObject()->className());
    return qualified.mid(qualified.lastIndexOf(u':') + 1);
}

void TComponent::applyLayoutProperty(const LayoutProperty& property, const LayoutContext&)
{
    unknownProperty(property);
}

void TComponent::insertComponent(TComponent* child)
{
    throw PropertyError(QStringLiteral("%1 cannot hold %2").arg(className(), child->className()));
}

void TComponent::fire(const TNotifyEvent& event)
{
    if (event)
        form_->application().guard([&] { event(this); });
}

void TComponent::fire(const TMouseMoveEvent& event, TShiftState shift, int x, int y)
{
    if (event)
        form_->application().guard([&] { event(this, shift, x, y); });
}

} // namespace ui

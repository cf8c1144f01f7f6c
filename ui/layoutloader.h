#pragma once

#include "ui/component.h"

#include <QHash>

namespace ui {

// Builds a form from its parsed layout: creates the components in order,
// sets their properties, binds events to the form's published handlers and
// the form's fields to their components. Anything it does not know is a
// LayoutError naming the layout, the line and the item.
class LayoutLoader final : public LayoutContext
{
public:
    LayoutLoader(TForm& form, const QString& layoutName);

    void load(const LayoutObject& root);

    TNotifyEvent notifyHandler(const LayoutProperty& property) const override;
    TMouseMoveEvent mouseMoveHandler(const LayoutProperty& property) const override;
    TComponent* component(const LayoutProperty& property) const override;
    QImage picture(const LayoutProperty& property) const override;

private:
    void create(const LayoutObject& object, TComponent& holder);
    void apply(const LayoutObject& object);
    void applyProperties(const LayoutObject& object);
    template <class Event>
    Event handlerFor(const LayoutProperty& property) const;
    [[noreturn]] void fail(int line, const QString& item, const QString& message) const;

    TForm& form_;
    QString layoutName_;
    QHash<QString, TComponent*> components_;
    std::vector<TComponent*> created_;
};

} // namespace ui

#pragma once

#include "ui/events.h"
#include "ui/layout.h"

#include <QImage>
#include <QObject>

namespace ui {

class TComponent;
class TForm;

// What a component may ask of the layout it is being read from.
class LayoutContext
{
public:
    virtual ~LayoutContext() = default;
    virtual TNotifyEvent notifyHandler(const LayoutProperty& property) const = 0;
    virtual TMouseMoveEvent mouseMoveHandler(const LayoutProperty& property) const = 0;
    virtual TComponent* component(const LayoutProperty& property) const = 0;
    virtual QImage picture(const LayoutProperty& property) const = 0;
};

class TObject
{
public:
    virtual ~TObject() = default;
};

// Anything a layout declares: a form, a control, a timer, a menu.
class TComponent : public QObject, public TObject
{
    Q_OBJECT
public:
    TComponent(TForm* form, const QString& name);

    QString name() const { return objectName(); }
    // The class name a layout uses for this component, such as TLabel.
    virtual QString className() const;
    TForm* form() const { return form_; }

    // Sets one property read from a layout; throws PropertyError when the
    // property or its value is not this component's.
    virtual void applyLayoutProperty(const LayoutProperty& property, const LayoutContext& context);
    // Takes a component declared inside this one; throws PropertyError when
    // it cannot hold it.
    virtual void insertComponent(TComponent* child);
    // Called once every property of the layout is set.
    virtual void loaded() {}

protected:
    // Runs an event handler; whatever it throws goes to the application.
    void fire(const TNotifyEvent& event);
    void fire(const TMouseMoveEvent& event, TShiftState shift, int x, int y);

private:
    TForm* form_;
};

} // namespace ui

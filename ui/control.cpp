#include "ui/control.h"

#include "ui/form.h"
#include "ui/layouterror.h"
#include "ui/menu.h"
#include "ui/propertyvalue.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWidget>

namespace ui {

namespace {

constexpr int toolTipShownMs = 2500;

TShiftState shiftState(const QMouseEvent* event)
{
    unsigned bits = 0;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const Qt::MouseButtons buttons = event->buttons();
    if (modifiers & Qt::ShiftModifier)
        bits |= unsigned(ShiftFlag::Shift);
    if (modifiers & Qt::AltModifier)
        bits |= unsigned(ShiftFlag::Alt);
    if (modifiers & Qt::ControlModifier)
        bits |= unsigned(ShiftFlag::Ctrl);
    if (buttons & Qt::LeftButton)
        bits |= unsigned(ShiftFlag::Left);
    if (buttons & Qt::RightButton)
        bits |= unsigned(ShiftFlag::Right);
    if (buttons & Qt::MiddleButton)
        bits |= unsigned(ShiftFlag::Middle);
    return TShiftState(bits);
}

} // namespace

TControl::TControl(TForm* form, const QString& name, QWidget* widget) : TComponent(form, name), widget_(widget)
{
    widget_->setObjectName(name);
    // Tooltips follow the program's own rule: shown while any of its windows
    // is active, not only the one under the pointer.
    widget_->setAttribute(Qt::WA_AlwaysShowToolTips);
    widget_->installEventFilter(this);
    form->addControl(this);
}

int TControl::height() const
{
    return widget_->height();
}

void TControl::setBounds(const QRect& bounds)
{
    widget_->setGeometry(bounds);
}

void TControl::applyLayoutProperty(const LayoutProperty& property, const LayoutContext& context)
{
    const QString& name = property.name;
    if (name == u"Left")
        widget_->move(intValue(property, -32768, 32767), widget_->y());
    else if (name == u"Top")
        widget_->move(widget_->x(), intValue(property, -32768, 32767));
    else if (name == u"Width")
        widget_->resize(intValue(property, 0, 32767), widget_->height());
    else if (name == u"Height")
        widget_->resize(widget_->width(), intValue(property, 0, 32767));
    else if (name == u"Align")
        align_ = TAlign(enumValue(property, {"alNone", "alTop", "alBottom", "alClient"}));
    else if (name == u"TabOrder")
        tabOrder_ = intValue(property, 0, 32767);
    else if (name == u"Hint")
        hint_ = stringValue(property);
    else if (name == u"ShowHint") {
        showHint_ = boolValue(property);
        parentShowHint_ = false;
    } else if (name == u"ParentShowHint")
        parentShowHint_ = boolValue(property);
    else if (name == u"PopupMenu") {
        popupMenu_ = qobject_cast<TPopupMenu*>(context.component(property));
        if (!popupMenu_)
            throw PropertyError(QStringLiteral("'%1' is not a TPopupMenu").arg(referenceValue(property)));
    } else if (name == u"OnClick")
        OnClick = context.notifyHandler(property);
    else if (name == u"OnDblClick")
        OnDblClick = context.notifyHandler(property);
    else if (name == u"OnMouseMove")
        OnMouseMove = context.mouseMoveHandler(property);
    else if (name == u"OnMouseLeave")
        OnMouseLeave = context.notifyHandler(property);
    else
        unknownProperty(property);
}

void TControl::loaded()
{
    // Moves without a button held are reported too, as the handlers expect.
    widget_->setMouseTracking(bool(OnMouseMove));
}

bool TControl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != widget_)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        hintShown_ = false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        clickPending_ = mouse->button() == Qt::LeftButton;
        if (clickPending_)
            form()->notePress(this, mouse->globalPosition().toPoint());
        return true;
    }
    case QEvent::MouseButtonDblClick: {
        hintShown_ = false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        clickPending_ = false;
        if (mouse->button() == Qt::LeftButton)
            fire(OnDblClick);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && clickPending_) {
            clickPending_ = false;
            if (widget_->rect().contains(mouse->position().toPoint()))
                fire(OnClick);
        }
        return true;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = mouse->position().toPoint();
        form()->notePointer(mouse->globalPosition().toPoint());
        fire(OnMouseMove, shiftState(mouse), at.x(), at.y());
        return true;
    }
    case QEvent::Leave:
        hintShown_ = false;
        fire(OnMouseLeave);
        return false;
    case QEvent::KeyPress:
        hintShown_ = false;
        return false;
    case QEvent::ContextMenu:
        if (!popupMenu_)
            return false;
        popupMenu_->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    case QEvent::ToolTip:
        return showToolTip(event);
    default:
        return false;
    }
}

// The control's own tooltip text, or else its form's; taken when shown, not
// updated while shown, and shown once until the pointer leaves or a click or
// key press intervenes.
bool TControl::showToolTip(QEvent* event)
{
    TForm* owner = form();
    const bool enabled = parentShowHint_ ? owner->showHint() : showHint_;
    const QString text = hint_.isEmpty() ? owner->hint() : hint_;
    if (!enabled || text.isEmpty() || hintShown_ || !QApplication::activeWindow()) {
        event->ignore();
        return true;
    }
    hintShown_ = true;
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, widget_, QRect(), toolTipShownMs);
    return true;
}

} // namespace ui

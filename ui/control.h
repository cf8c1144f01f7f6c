#pragma once

#include "ui/component.h"

#include <QRect>

class QWidget;

namespace ui {

class TPopupMenu;

enum class TAlign { None, Top, Bottom, Client };

// A visible component on a form: its place, its popup menu, its tooltip and
// the mouse events it raises.
class TControl : public TComponent
{
    Q_OBJECT
public:
    TControl(TForm* form, const QString& name, QWidget* widget);

    TAlign align() const { return align_; }
    int height() const;
    void setBounds(const QRect& bounds);

    // Place in the form's keyboard focus chain; -1 when not in it.
    int tabOrder() const { return tabOrder_; }
    QWidget* focusWidget() const { return widget_; }

    QString hint() const { return hint_; }
    void setHint(const QString& hint) { hint_ = hint; }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseLeave;

    // A drag that began from this control takes the button release that ends
    // it, so the release raises no click.
    void cancelClick() { clickPending_ = false; }

    void applyLayoutProperty(const LayoutProperty& property, const LayoutContext& context) override;
    void loaded() override;

protected:
    QWidget* widget() const { return widget_; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool showToolTip(QEvent* event);

    QWidget* widget_; // owned by the form's window
    TPopupMenu* popupMenu_ = nullptr;
    TAlign align_ = TAlign::None;
    int tabOrder_ = -1;
    QString hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    bool clickPending_ = false;
    bool hintShown_ = false;
};

} // namespace ui

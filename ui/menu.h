#pragma once

#include "ui/component.h"

#include <QPoint>

#include <memory>

class QAction;
class QMenu;

namespace ui {

class TMenuItem;

// A right-click menu; captions show exactly as written, with no access keys.
class TPopupMenu : public TComponent
{
    Q_OBJECT
public:
    TPopupMenu(TForm* form, const QString& name);
    ~TPopupMenu() override;

    void popup(const QPoint& globalPosition);
    QMenu* menu() const { return menu_.get(); }

    void applyLayoutProperty(const LayoutProperty& property, const LayoutContext& context) override;
    void insertComponent(TComponent* child) override;

private:
    std::unique_ptr<QMenu> menu_;
};

// An item of a menu, or a submenu when it holds items of its own. Clicking
// it never changes its check mark; only its handler does.
class TMenuItem : public TComponent
{
    Q_OBJECT
public:
    TMenuItem(TForm* form, const QString& name);
    ~TMenuItem() override;

    QString caption() const;
    bool checked() const { return checked_; }
    void setChecked(bool checked);

    QAction* action() const { return action_.get(); }

    TNotifyEvent OnClick;

    void applyLayoutProperty(const LayoutProperty& property, const LayoutContext& context) override;
    void insertComponent(TComponent* child) override;

private:
    void triggered();

    std::unique_ptr<QMenu> submenu_;
    std::unique_ptr<QAction> action_; // goes before the submenu it opens
    bool checked_ = false;
};

} // namespace ui

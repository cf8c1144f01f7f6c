#include "ui/menu.h"

#include "ui/layouterror.h"
#include "ui/propertyvalue.h"

#include <QAction>
#include <QMenu>

namespace ui {

namespace {

// Qt reads '&' as an access-key marker; a caption shows every character.
QString literalText(const QString& caption)
{
    QString text = caption;
    return text.replace(u'&', QStringLiteral("&&"));
}

QMenu* holderMenu(QMenu* menu, TComponent* child)
{
    auto* item = qobject_cast<TMenuItem*>(child);
    if (!item)
        return nullptr;
    menu->addAction(item->action());
    return menu;
}

} // namespace

TPopupMenu::TPopupMenu(TForm* form, const QString& name) : TComponent(form, name), menu_(std::make_unique<QMenu>())
{
    menu_->setObjectName(name);
}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::popup(const QPoint& globalPosition)
{
    menu_->popup(globalPosition);
}

void TPopupMenu::applyLayoutProperty(const LayoutProperty& property, const LayoutContext& context)
{
    // Access keys are never added to captions.
    if (property.name == u"AutoHotkeys")
        enumValue(property, {"maManual"});
    else
        TComponent::applyLayoutProperty(property, context);
}

void TPopupMenu::insertComponent(TComponent* child)
{
    if (!holderMenu(menu_.get(), child))
        TComponent::insertComponent(child);
}

TMenuItem::TMenuItem(TForm* form, const QString& name) : TComponent(form, name), action_(std::make_unique<QAction>())
{
    action_->setObjectName(name);
    action_->setText(literalText(name));
    connect(action_.get(), &QAction::triggered, this, &TMenuItem::triggered);
}

TMenuItem::~TMenuItem() = default;

QString TMenuItem::caption() const
{
    QString text = action_->text();
    return text.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

void TMenuItem::setChecked(bool checked)
{
    checked_ = checked;
    // Only a checked item is checkable, so an unchecked one shows no empty box.
    action_->setCheckable(checked);
    action_->setChecked(checked);
}

void TMenuItem::applyLayoutProperty(const LayoutProperty& property, const LayoutContext& context)
{
    if (property.name == u"Caption")
        action_->setText(literalText(stringValue(property)));
    else if (property.name == u"Checked")
        setChecked(boolValue(property));
    else if (property.name == u"OnClick")
        OnClick = context.notifyHandler(property);
    else
        TComponent::applyLayoutProperty(property, context);
}

void TMenuItem::insertComponent(TComponent* child)
{
    if (!submenu_) {
        submenu_ = std::make_unique<QMenu>();
        action_->setMenu(submenu_.get());
    }
    if (!holderMenu(submenu_.get(), child))
        TComponent::insertComponent(child);
}

void TMenuItem::triggered()
{
    // Qt has already toggled a checkable action; put the mark back first.
    setChecked(checked_);
    fire(OnClick);
}

} // namespace ui

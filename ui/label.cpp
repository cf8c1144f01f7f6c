#include "ui/label.h"

#include "ui/form.h"
#include "ui/propertyvalue.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>
#include <array>

namespace ui {

TLabel::TLabel(TForm* form, const QString& name)
    : TControl(form, name, new QLabel(form->window())), font_(form->font()), color_(form->color())
{
    label()->setTextFormat(Qt::PlainText);
    label()->setText(name);
}

QLabel* TLabel::label() const
{
    return static_cast<QLabel*>(widget());
}

QString TLabel::caption() const
{
    return label()->text();
}

void TLabel::setCaption(const QString& caption)
{
    label()->setText(caption);
    fitText();
}

void TLabel::setFontColor(TColor color)
{
    font_.color = color;
    applyLook();
}

void TLabel::applyLayoutProperty(const LayoutProperty& property, const LayoutContext& context)
{
    const QString& name = property.name;
    if (font_.apply(property))
        return;
    if (name == u"Caption")
        label()->setText(stringValue(property));
    else if (name == u"Color")
        color_ = colorValue(property);
    else if (name == u"Transparent")
        transparent_ = boolValue(property);
    else if (name == u"AutoSize")
        autoSize_ = boolValue(property);
    else if (name == u"Alignment")
        horizontal_ = std::array{Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight}[enumValue(
            property, {"taLeftJustify", "taCenter", "taRightJustify"})];
    else if (name == u"Layout")
        vertical_ = std::array{Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom}[enumValue(
            property, {"tlTop", "tlCenter", "tlBottom"})];
    else
        TControl::applyLayoutProperty(property, context);
}

void TLabel::loaded()
{
    TControl::loaded();
    label()->setAlignment(horizontal_ | vertical_);
    applyLook();
    fitText();
}

void TLabel::applyLook()
{
    QLabel* widget = label();
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, toQColor(font_.color));
    palette.setColor(QPalette::Window, toQColor(color_));
    widget->setPalette(palette);
    widget->setAutoFillBackground(!transparent_);
}

// A label of fixed size narrows its font for a text wider than itself (a
// 12-hour time with its designator on the clock face) rather than cutting
// the text off at both ends.
void TLabel::fitText()
{
    QLabel* widget = label();
    QFont font = font_.toQFont();
    if (autoSize_ && align() == TAlign::None) {
        widget->setFont(font);
        widget->resize(widget->sizeHint());
        return;
    }
    const int width = QFontMetrics(font).horizontalAdvance(widget->text());
    if (width > widget->width() && widget->width() > 0)
        font.setPixelSize(std::max(1, font_.height * widget->width() / width));
    if (font != widget->font())
        widget->setFont(font);
}

} // namespace ui

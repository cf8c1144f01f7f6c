#include "ui/memo.h"

#include "ui/form.h"
#include "ui/propertyvalue.h"

#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QPushButton>
#include <QTextDocument>

namespace ui {

TMemo::TMemo(TForm* form, const QString& name)
    : TControl(form, name, new QTextEdit(form->window())), font_(form->font()), color_(form->color())
{
    edit()->setAcceptRichText(false);
    edit()->setLineWrapMode(QTextEdit::WidgetWidth);
    edit()->setWordWrapMode(QTextOption::WordWrap);
    edit()->document()->setDocumentMargin(0);
}

QTextEdit* TMemo::edit() const
{
    return static_cast<QTextEdit*>(widget());
}

QStringList TMemo::lines() const
{
    return edit()->toPlainText().split(u'\n');
}

void TMemo::applyLayoutProperty(const LayoutProperty& property, const LayoutContext& context)
{
    const QString& name = property.name;
    if (font_.apply(property))
        return;
    if (name == u"Lines.Strings")
        edit()->setPlainText(stringListValue(property).join(u'\n'));
    else if (name == u"ReadOnly")
        edit()->setReadOnly(boolValue(property));
    else if (name == u"Color")
        color_ = colorValue(property);
    else if (name == u"BorderStyle")
        border_ = enumValue(property, {"bsNone", "bsSingle"}) == 1;
    else if (name == u"ScrollBars")
        scrollBars_ = enumValue(property, {"ssNone", "ssVertical"}) == 1;
    else
        TControl::applyLayoutProperty(property, context);
}

void TMemo::loaded()
{
    TControl::loaded();
    QTextEdit* widget = edit();
    widget->setFont(font_.toQFont());
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, toQColor(color_));
    palette.setColor(QPalette::Text, toQColor(font_.color));
    widget->setPalette(palette);
    widget->setFrameShape(border_ ? QFrame::StyledPanel : QFrame::NoFrame);
    // Lines stand at the font's character height, as the layouts were drawn
    // for fonts without internal leading.
    QTextBlockFormat pitch;
    pitch.setLineHeight(font_.height, QTextBlockFormat::FixedHeight);
    QTextCursor all(widget->document());
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(pitch);
    const Qt::ScrollBarPolicy policy = scrollBars_ ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    widget->setVerticalScrollBarPolicy(policy);
    widget->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

// The memo takes its own mouse and key input.
bool TMemo::eventFilter(QObject*, QEvent*)
{
    return false;
}

TButton::TButton(TForm* form, const QString& name) : TControl(form, name, new QPushButton(form->window()))
{
    connect(static_cast<QPushButton*>(widget()), &QPushButton::clicked, this, [this] { fire(OnClick); });
}

QString TButton::caption() const
{
    return static_cast<QPushButton*>(widget())->text();
}

void TButton::setFocus()
{
    widget()->window()->activateWindow();
    widget()->setFocus(Qt::OtherFocusReason);
}

bool TButton::focused() const
{
    return widget()->hasFocus();
}

void TButton::applyLayoutProperty(const LayoutProperty& property, const LayoutContext& context)
{
    if (property.name == u"Caption")
        static_cast<QPushButton*>(widget())->setText(stringValue(property));
    else
        TControl::applyLayoutProperty(property, context);
}

// A button takes its own mouse input; Enter presses it as Space does.
bool TButton::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    static_cast<QPushButton*>(widget())->click();
    return true;
}

} // namespace ui

#pragma once

#include "ui/control.h"
#include "ui/fonts.h"

#include <QStringList>

class QTextEdit;

namespace ui {

// Several lines of text, wrapped at word boundaries; it takes its own input.
class TMemo : public TControl
{
    Q_OBJECT
public:
    TMemo(TForm* form, const QString& name);

    QStringList lines() const;

    void applyLayoutProperty(const LayoutProperty& property, const LayoutContext& context) override;
    void loaded() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTextEdit* edit() const;

    TFont font_;
    TColor color_;
    bool border_ = true;
    bool scrollBars_ = true;
};

// A push button; Space and Enter press it when it has the focus.
class TButton : public TControl
{
    Q_OBJECT
public:
    TButton(TForm* form, const QString& name);

    QString caption() const;
    void setFocus();
    bool focused() const;

    void applyLayoutProperty(const LayoutProperty& property, const LayoutContext& context) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace ui

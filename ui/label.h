#pragma once

#include "ui/control.h"
#include "ui/fonts.h"

class QLabel;

namespace ui {

// A line of text; transparent labels let the picture beneath show through.
class TLabel : public TControl
{
    Q_OBJECT
public:
    TLabel(TForm* form, const QString& name);

    QString caption() const;
    void setCaption(const QString& caption);
    TColor fontColor() const { return font_.color; }
    void setFontColor(TColor color);
    const TFont& font() const { return font_; }

    void applyLayoutProperty(const LayoutProperty& property, const LayoutContext& context) override;
    void loaded() override;

private:
    QLabel* label() const;
    void applyLook();
    void fitText();

    TFont font_;
    TColor color_;
    Qt::Alignment horizontal_ = Qt::AlignLeft;
    Qt::Alignment vertical_ = Qt::AlignTop;
    bool autoSize_ = true;
    bool transparent_ = false;
};

} // namespace ui

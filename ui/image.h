#pragma once

#include "ui/control.h"

namespace ui {

// A picture, drawn at its own size from the top-left corner or stretched to
// the control.
class TImage : public TControl
{
    Q_OBJECT
public:
    TImage(TForm* form, const QString& name);

    void applyLayoutProperty(const LayoutProperty& property, const LayoutContext& context) override;

private:
    friend class ImageWidget;
    QImage picture_;
    bool stretch_ = false;
};

} // namespace ui

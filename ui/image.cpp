#include "ui/image.h"

#include "ui/form.h"
#include "ui/propertyvalue.h"

#include <QPainter>
#include <QWidget>

namespace ui {

class ImageWidget final : public QWidget
{
public:
    ImageWidget(TImage& image, QWidget* parent) : QWidget(parent), image_(image) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (image_.picture_.isNull())
            return;
        QPainter painter(this);
        if (image_.stretch_) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(rect(), image_.picture_);
        } else {
            painter.drawImage(QPoint(0, 0), image_.picture_);
        }
    }

private:
    TImage& image_;
};

TImage::TImage(TForm* form, const QString& name) : TControl(form, name, new ImageWidget(*this, form->window()))
{
}

void TImage::applyLayoutProperty(const LayoutProperty& property, const LayoutContext& context)
{
    if (property.name == u"Picture")
        picture_ = context.picture(property);
    else if (property.name == u"Stretch")
        stretch_ = boolValue(property);
    else
        TControl::applyLayoutProperty(property, context);
}

} // namespace ui

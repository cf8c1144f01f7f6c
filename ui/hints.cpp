#include "ui/hints.h"

#include <QApplication>
#include <QProxyStyle>

namespace ui {

namespace {

class ToolTipTimings final : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        switch (hint) {
        case SH_ToolTip_WakeUpDelay:
            return 500;
        case SH_ToolTip_FallAsleepDelay:
            return 0; // no quick second tooltip: every one waits its 500 ms
        default:
            return QProxyStyle::styleHint(hint, option, widget, returnData);
        }
    }
};

} // namespace

void installToolTipTimings()
{
    QApplication::setStyle(new ToolTipTimings);
}

} // namespace ui

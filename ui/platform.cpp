#include "ui/platform.h"

#include <QByteArray>
#include <QtGlobal>

namespace ui {

void preparePlatform()
{
    // The windows are placed at absolute positions and kept on top, which
    // Wayland does not let clients do: run through XWayland unless the user
    // picked a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    // The strips are tiny and repaint once a second; shared-memory images
    // would add an X completion event, and two wake-ups, to every repaint.
    if (qEnvironmentVariableIsEmpty("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
}

} // namespace ui

#include "app/velmora.h"

#include "app/windowset.h"
#include "clock/Unit1.h"
#include "ui/application.h"
#include "ui/desktop.h"
#include "ui/fonts.h"
#include "ui/hints.h"
#include "ui/layouterror.h"
#include "ui/regional.h"
#include "ui/systemtimesource.h"
#include "ui/texts.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

namespace app {

int run()
{
    try {
        ui::installFontSubstitutes();
        ui::installToolTipTimings();
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/velmora.png")));

        ui::TApplication application;
        application.setTitle(
            ui::StringTable::fromResource(QStringLiteral(":/strings.dfm")).string(QStringLiteral("ApplicationTitle")));
        ui::SystemTimeSource time;
        ui::SystemRegionalFormats regional;
        ui::SystemDesktop desktop;
        const ui::Services services{time, regional, desktop, application};

        WindowSet windows(services);
        // Not quit(): it first asks every window to close, and the forms
        // answer a close by hiding or by asking for this very end.
        QObject::connect(
            &application, &ui::TApplication::terminated, qApp, [] { QCoreApplication::exit(0); },
            Qt::QueuedConnection);
        Form1->show();
        return QApplication::exec();
    } catch (const ui::LayoutError& error) {
        std::fprintf(stderr, "velmora: %s\n", error.what());
        return 1;
    }
}

} // namespace app

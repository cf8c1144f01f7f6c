#include "ui/desktop.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>

namespace ui {

QSize SystemDesktop::primaryScreenSize() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize();
}

void SystemDesktop::openUrl(const QString& address)
{
    QDesktopServices::openUrl(QUrl(address));
}

} // namespace ui

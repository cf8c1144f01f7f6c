#include "app/velmora.h"
#include "ui/platform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    ui::preparePlatform();
    QApplication qt(argc, argv);
    return app::run();
}

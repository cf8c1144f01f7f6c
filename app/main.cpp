#include "app/velmora.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    app::choosePlatform();
    QApplication qt(argc, argv);
    return app::run();
}

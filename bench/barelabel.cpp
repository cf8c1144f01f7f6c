// Reference program for bench/idle.sh: the least a Qt Widgets gadget of
// Velmora's size can be. One borderless, stay-on-top label and an event loop,
// no timers, so its start-up time, wake-ups and memory are the floor the
// real program is compared against.

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    QLabel label(QStringLiteral("12:34:56"));
    label.setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    label.setAlignment(Qt::AlignCenter);
    label.setFixedSize(125, 28);
    label.show();

    return app.exec();
}

#pragma once

#include <QPoint>
#include <QWidget>

// Presses, moves and releases the left button on a widget in screen
// coordinates, as a hand on the mouse would, even while the widget's window
// moves under the pointer.
class Pointer
{
public:
    explicit Pointer(QWidget* surface) : surface_(surface) {}

    void press(QPoint local, Qt::MouseButton button = Qt::LeftButton);
    void moveTo(QPoint global);
    void release();

private:
    QWidget* surface_;
    Qt::MouseButton button_ = Qt::LeftButton;
    QPoint global_;
};

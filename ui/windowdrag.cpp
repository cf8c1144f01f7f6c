#include "ui/windowdrag.h"

#include "ui/application.h"
#include "ui/control.h"
#include "ui/form.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace ui {

namespace {

// Lives for one drag, watching every mouse event until the left button is
// released: the pressed surface holds the implicit grab, so its moves and
// its release all come through here first.
class WindowDrag final : public QObject
{
public:
    WindowDrag(TForm& form, QPoint grip, std::function<void()> finished)
        : form_(form), grip_(grip), finished_(std::move(finished))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (!(mouse->buttons() & Qt::LeftButton)) {
                finish(); // the release went elsewhere, as when the grab was lost
                return false;
            }
            form_.window()->move(mouse->globalPosition().toPoint() - grip_);
            return true;
        }
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
                return true;
            finish();
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::ContextMenu:
            return true;
        default:
            return false;
        }
    }

private:
    void finish()
    {
        qApp->removeEventFilter(this);
        form_.endDrag();
        if (finished_)
            form_.application().guard(finished_);
        deleteLater();
    }

    TForm& form_;
    QPoint grip_;
    std::function<void()> finished_;
};

} // namespace

void BeginWindowDrag(TForm* form, TShiftState shift, std::function<void()> finished)
{
    if (!shift.contains(ShiftFlag::Left) || form->isDragging())
        return;
    const TForm::Press& press = form->lastPress();
    if (!press.control || (form->pointer() - press.global).manhattanLength() < QApplication::startDragDistance())
        return;
    press.control->cancelClick();
    form->beginDrag();
    const QPoint grip = press.global - press.windowPosition;
    form->window()->move(form->pointer() - grip);
    new WindowDrag(*form, grip, std::move(finished));
}

} // namespace ui

#include "support/fakeservices.h"
#include "support/pointer.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/windowdrag.h"

#include <QLabel>
#include <QTest>

using namespace ui;

namespace {

// A strip whose face counts clicks and drags the window.
class DragForm final : public TForm
{
public:
    explicit DragForm(const Services& services) : TForm(services, QStringLiteral("Form9"), QStringLiteral("TForm9"))
    {
        publish(QStringLiteral("Label1Click"), &DragForm::Label1Click);
        publish(QStringLiteral("Label1MouseMove"), &DragForm::Label1MouseMove);
        loadFromText(QStringLiteral("drag.dfm"),
                     "object Form9: TForm9\n  Left = 300\n  Top = 200\n  ClientWidth = 125\n  ClientHeight = 25\n"
                     "  BorderStyle = bsNone\n"
                     "  object Label1: TLabel\n    Align = alClient\n    OnClick = Label1Click\n"
                     "    OnMouseMove = Label1MouseMove\n  end\nend\n");
    }

    void Label1Click(TObject*) { ++clicks; }
    void Label1MouseMove(TObject*, TShiftState Shift, int, int)
    {
        BeginWindowDrag(this, Shift, [this] { ++drags; });
    }

    int clicks = 0;
    int drags = 0;
};

} // namespace

class WindowDragTest : public QObject
{
    Q_OBJECT
private slots:
    void clickOrDrag_data();
    void clickOrDrag();
    void moveWithoutButtonDoesNothing();
};

void WindowDragTest::clickOrDrag_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QList<QPoint>>("path"); // pointer moves, relative to the press
    QTest::addColumn<QPoint>("moved");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("drags");

    QTest::newRow("press and release in place is a click")
        << Qt::LeftButton << QList<QPoint>{} << QPoint(0, 0) << 1 << 0;
    QTest::newRow("a tremble within the drag distance is still a click")
        << Qt::LeftButton << QList<QPoint>{{1, 1}, {2, 0}} << QPoint(0, 0) << 1 << 0;
    QTest::newRow("a drag follows the pointer and is not a click")
        << Qt::LeftButton << QList<QPoint>{{30, 5}, {-120, 40}, {-100, 60}} << QPoint(-100, 60) << 0 << 1;
    QTest::newRow("the right button never drags")
        << Qt::RightButton << QList<QPoint>{{30, 5}, {-100, 60}} << QPoint(0, 0) << 0 << 0;
}

void WindowDragTest::clickOrDrag()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QList<QPoint>, path);
    QFETCH(QPoint, moved);
    QFETCH(int, clicks);
    QFETCH(int, drags);
    FakeServices fake;
    DragForm form(fake.services);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(form.window()));
    const QPoint start(form.left(), form.top());
    auto* face = form.window()->findChild<QLabel*>(QStringLiteral("Label1"));
    Pointer pointer(face);
    const QPoint grip(40, 12);
    pointer.press(grip, button);
    for (const QPoint step : path)
        pointer.moveTo(start + grip + step);
    pointer.release();
    QCOMPARE(QPoint(form.left(), form.top()) - start, moved);
    QCOMPARE(form.clicks, clicks);
    QCOMPARE(form.drags, drags);
    QVERIFY(!form.isDragging());
}

void WindowDragTest::moveWithoutButtonDoesNothing()
{
    FakeServices fake;
    DragForm form(fake.services);
    form.show();
    auto* face = form.window()->findChild<QLabel*>(QStringLiteral("Label1"));
    QTest::mouseMove(face, QPoint(5, 5));
    QTest::mouseMove(face, QPoint(100, 20));
    QCOMPARE(QPoint(form.left(), form.top()), QPoint(300, 200));
    QCOMPARE(form.drags, 0);
}

QTEST_MAIN(WindowDragTest)
#include "tst_windowdrag.moc"

#include "about/Unit5.h"
#include "app/windowset.h"
#include "calendar/Unit2.h"
#include "clock/Unit1.h"
#include "stopwatch/Unit4.h"
#include "support/fakeservices.h"
#include "support/pointer.h"
#include "timer/Unit3.h"

#include <QTest>
#include <QWidget>

#include <array>

using namespace ui;

class StartupTest : public QObject
{
    Q_OBJECT
private slots:
    void placesTheClock_data();
    void placesTheClock();
    void createsFiveFramesWithOnlyTheClockShown_data();
    void createsFiveFramesWithOnlyTheClockShown();
    void centresTheAboutWindowOnlyTheFirstTime_data();
    void centresTheAboutWindowOnlyTheFirstTime();
    void everyWindowDragsByItsSurface_data();
    void everyWindowDragsByItsSurface();
};

void StartupTest::placesTheClock_data()
{
    QTest::addColumn<int>("screenWidth");
    QTest::addColumn<int>("left");
    QTest::newRow("1024 wide") << 1024 << 884;
    QTest::newRow("1920 wide") << 1920 << 1780;
}

void StartupTest::placesTheClock()
{
    QFETCH(int, screenWidth);
    QFETCH(int, left);
    FakeServices fake;
    fake.desktop.screenSize = QSize(screenWidth, 768);
    app::WindowSet windows(fake.services);
    QCOMPARE(Form1->left(), left);
    QCOMPARE(Form1->top(), 37);
    Form1->show();
    QCOMPARE(Form1->window()->pos(), QPoint(left, 37));
}

void StartupTest::createsFiveFramesWithOnlyTheClockShown_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("stayOnTop");
    QTest::addColumn<int>("alphaBlendValue");

    QTest::newRow("clock") << 0 << "Velmora" << QSize(125, 28) << true << 55;
    QTest::newRow("calendar") << 1 << "Calender" << QSize(134, 157) << true << 55;
    QTest::newRow("timer") << 2 << "Timer" << QSize(125, 25) << true << 100;
    QTest::newRow("stopwatch") << 3 << "Form4" << QSize(125, 25) << true << 55;
    QTest::newRow("about") << 4 << "Form5" << QSize(307, 242) << false << 255;
}

void StartupTest::createsFiveFramesWithOnlyTheClockShown()
{
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QFETCH(bool, stayOnTop);
    QFETCH(int, alphaBlendValue);
    FakeServices fake;
    app::WindowSet windows(fake.services);
    Form1->show();
    const std::vector<TForm*> forms{Form1, Form2, Form3, Form4, Form5};
    QCOMPARE(fake.application.forms(), forms);
    QCOMPARE(fake.application.mainForm(), Form1);
    TForm* form = forms[index];
    QCOMPARE(form->visible(), index == 0);
    QCOMPARE(form->caption(), caption);
    QCOMPARE(form->window()->size(), size);
    QVERIFY(form->window()->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(bool(form->window()->windowFlags() & Qt::WindowStaysOnTopHint), stayOnTop);
    QCOMPARE(form->alphaBlendValue(), alphaBlendValue);
    QVERIFY(!form->alphaBlend());
    QCOMPARE(form->window()->windowOpacity(), 1.0);
}

void StartupTest::centresTheAboutWindowOnlyTheFirstTime_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QPoint>("centre");
    QTest::newRow("1024 x 768") << QSize(1024, 768) << QPoint(358, 263);
    QTest::newRow("screen smaller than the window") << QSize(200, 100) << QPoint(0, 0);
}

void StartupTest::centresTheAboutWindowOnlyTheFirstTime()
{
    QFETCH(QSize, screen);
    QFETCH(QPoint, centre);
    FakeServices fake;
    fake.desktop.screenSize = screen;
    app::WindowSet windows(fake.services);
    Form5->show();
    QCOMPARE(QPoint(Form5->left(), Form5->top()), centre);
    Form5->close();
    QVERIFY(!Form5->visible());
    Form5->setLeft(20);
    Form5->setTop(30);
    Form5->show();
    QCOMPARE(QPoint(Form5->left(), Form5->top()), QPoint(20, 30));
}

void StartupTest::everyWindowDragsByItsSurface_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("surface");
    QTest::addColumn<QPoint>("grip");
    QTest::newRow("clock face") << 0 << "Label1" << QPoint(20, 10);
    QTest::newRow("calendar strip") << 1 << "Image1" << QPoint(60, 7);
    QTest::newRow("timer strip") << 2 << "Label2" << QPoint(60, 12);
    QTest::newRow("stopwatch face") << 3 << "Label2" << QPoint(60, 12);
    QTest::newRow("about picture") << 4 << "Image1" << QPoint(10, 230);
    QTest::newRow("about version label") << 4 << "Label1" << QPoint(5, 5);
}

void StartupTest::everyWindowDragsByItsSurface()
{
    QFETCH(int, index);
    QFETCH(QString, surface);
    QFETCH(QPoint, grip);
    FakeServices fake;
    app::WindowSet windows(fake.services);
    TForm* form = std::array<TForm*, 5>{Form1, Form2, Form3, Form4, Form5}[index];
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form->window()));
    form->setLeft(100);
    form->setTop(100);
    auto* widget = form->window()->findChild<QWidget*>(surface);
    QVERIFY(widget);
    Pointer pointer(widget);
    pointer.press(grip);
    pointer.moveTo(widget->mapToGlobal(grip) + QPoint(150, 80));
    pointer.release();
    QCOMPARE(QPoint(form->left(), form->top()), QPoint(250, 180));
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"

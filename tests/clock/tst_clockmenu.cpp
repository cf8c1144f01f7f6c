#include "about/Unit5.h"
#include "app/windowset.h"
#include "calendar/Unit2.h"
#include "clock/Unit1.h"
#include "stopwatch/Unit4.h"
#include "support/fakeservices.h"
#include "support/pointer.h"
#include "timer/Unit3.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include <array>

using namespace ui;

namespace {

// The program's windows with the clock at top 37, left 884.
struct Program {
    Program() : windows(fake.services) { Form1->show(); }
    FakeServices fake;
    app::WindowSet windows;
};

QPoint position(const TForm* form)
{
    return {form->left(), form->top()};
}

TForm* companion(int index)
{
    return std::array<TForm*, 3>{Form2, Form3, Form4}[index];
}

void run(const QString& command)
{
    TMenuItem* item = Form1->findChild<TMenuItem*>(command);
    QVERIFY2(item, qPrintable(command));
    item->action()->trigger();
}

} // namespace

class ClockMenuTest : public QObject
{
    Q_OBJECT
private slots:
    void menuHasTheItemsInOrder();
    void placesCompanions_data();
    void placesCompanions();
    void translucencySwitchesHiddenWindowsToo();
    void moveTogetherAgreesWithItsMark();
    void checkMarkFlipsOncePerRealClick();
    void companionsFollowADragOfTheClock_data();
    void companionsFollowADragOfTheClock();
    void versionShowsTheAboutWindow();
    void exitSaysGoodbyeAndEnds();
    void companionsAboveTheClockYieldWhileAnotherApplicationIsActive_data();
    void companionsAboveTheClockYieldWhileAnotherApplicationIsActive();
};

void ClockMenuTest::menuHasTheItemsInOrder()
{
    Program program;
    QStringList captions;
    for (QAction* action : Form1->PopupMenu1->menu()->actions())
        captions << action->text();
    QCOMPARE(captions, (QStringList{"カレンダー表示", "タイマー表示", "ストップウォッチ表示", "全て表示", "透明化",
                                    "フォーム同時移動", "バージョン", "終了"}));
}

void ClockMenuTest::placesCompanions_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QList<QPoint>>("places"); // calendar, timer, stopwatch; (0,0) where untouched
    QTest::addColumn<QList<bool>>("shown");

    QTest::newRow("calendar") << "N1" << QList<QPoint>{{881, 114}, {0, 0}, {0, 0}} << QList<bool>{true, false, false};
    QTest::newRow("timer") << "N2" << QList<QPoint>{{0, 0}, {884, 66}, {0, 0}} << QList<bool>{false, true, false};
    QTest::newRow("stopwatch") << "N5" << QList<QPoint>{{0, 0}, {0, 0}, {884, 87}}
                               << QList<bool>{false, false, true};
    QTest::newRow("all") << "N6" << QList<QPoint>{{881, 114}, {884, 66}, {884, 87}} << QList<bool>{true, true, true};
}

void ClockMenuTest::placesCompanions()
{
    QFETCH(QString, command);
    QFETCH(QList<QPoint>, places);
    QFETCH(QList<bool>, shown);
    Program program;
    run(command);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(position(companion(i)), places[i]);
        QCOMPARE(companion(i)->visible(), shown[i]);
    }
    // A shown window is placed again from where the clock is now.
    Form1->setLeft(500);
    run(command);
    for (int i = 0; i < 3; ++i) {
        if (shown[i])
            QCOMPARE(companion(i)->left(), places[i].x() - 384);
    }
}

void ClockMenuTest::translucencySwitchesHiddenWindowsToo()
{
    Program program;
    run(QStringLiteral("N3"));
    QVERIFY(Form1->N3->checked());
    QVERIFY(!Form3->visible());
    run(QStringLiteral("N2"));
    QCOMPARE(Form3->window()->windowOpacity(), 100 / 255.0);
    QCOMPARE(Form1->window()->windowOpacity(), 55 / 255.0);
    QCOMPARE(Form2->window()->windowOpacity(), 55 / 255.0);
    QCOMPARE(Form4->window()->windowOpacity(), 55 / 255.0);
    QCOMPARE(Form5->window()->windowOpacity(), 1.0);
    run(QStringLiteral("N3"));
    QVERIFY(!Form1->N3->checked());
    for (TForm* form : std::initializer_list<TForm*>{Form1, Form2, Form3, Form4, Form5})
        QCOMPARE(form->window()->windowOpacity(), 1.0);
}

void ClockMenuTest::moveTogetherAgreesWithItsMark()
{
    Program program;
    QCOMPARE(Form1->MoveTogether, 0);
    run(QStringLiteral("N7"));
    QVERIFY(Form1->N7->checked());
    QCOMPARE(Form1->MoveTogether, 1);
    run(QStringLiteral("N7"));
    QVERIFY(!Form1->N7->checked());
    QCOMPARE(Form1->MoveTogether, 0);
}

void ClockMenuTest::checkMarkFlipsOncePerRealClick()
{
    Program program;
    QMenu* menu = Form1->PopupMenu1->menu();
    for (const bool expected : {true, false, true}) {
        Form1->PopupMenu1->popup(Form1->window()->mapToGlobal(QPoint(10, 10)));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(Form1->N3->action()).center());
        QTRY_VERIFY(!menu->isVisible());
        QCOMPARE(Form1->N3->checked(), expected);
        QCOMPARE(Form1->N3->action()->isChecked(), expected);
        QCOMPARE(Form1->alphaBlend(), expected);
    }
}

void ClockMenuTest::companionsFollowADragOfTheClock_data()
{
    QTest::addColumn<bool>("moveTogether");
    QTest::addColumn<QList<QPoint>>("places");
    QTest::newRow("move-together on, companions hidden")
        << true << QList<QPoint>{{497, 275}, {500, 225}, {500, 250}};
    QTest::newRow("move-together off moves only the clock") << false << QList<QPoint>{{1, 1}, {1, 1}, {1, 1}};
}

void ClockMenuTest::companionsFollowADragOfTheClock()
{
    QFETCH(bool, moveTogether);
    QFETCH(QList<QPoint>, places);
    Program program;
    for (int i = 0; i < 3; ++i) {
        companion(i)->setLeft(1);
        companion(i)->setTop(1);
    }
    if (moveTogether)
        run(QStringLiteral("N7"));
    QLabel* face = Form1->window()->findChild<QLabel*>(QStringLiteral("Label1"));
    const QPoint grip(20, 10);
    Pointer pointer(face);
    pointer.press(grip);
    pointer.moveTo(QPoint(700, 100));
    // Nothing follows while the drag goes on.
    QCOMPARE(position(Form3), QPoint(1, 1));
    pointer.moveTo(QPoint(500, 200) + grip);
    pointer.release();
    QCOMPARE(position(Form1), QPoint(500, 200));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(position(companion(i)), places[i]);
        QVERIFY(!companion(i)->visible());
    }
}

void ClockMenuTest::versionShowsTheAboutWindow()
{
    Program program;
    run(QStringLiteral("N4"));
    QVERIFY(Form5->visible());
    QCOMPARE(position(Form5), QPoint(358, 263));
}

void ClockMenuTest::exitSaysGoodbyeAndEnds()
{
    Program program;
    run(QStringLiteral("N2"));
    run(QStringLiteral("Exit1"));
    QCOMPARE(Form1->Label1->caption(), QStringLiteral("Bye!Bye!"));
    QVERIFY(program.fake.application.isTerminated());
}

void ClockMenuTest::companionsAboveTheClockYieldWhileAnotherApplicationIsActive_data()
{
    QTest::addColumn<bool>("clockRaisedLast");
    QTest::addColumn<bool>("timerKeptOnTop");
    QTest::newRow("timer shown after the clock yields") << false << false;
    QTest::newRow("clock raised after the timer: nothing yields") << true << true;
}

void ClockMenuTest::companionsAboveTheClockYieldWhileAnotherApplicationIsActive()
{
    QFETCH(bool, clockRaisedLast);
    QFETCH(bool, timerKeptOnTop);
    Program program;
    run(QStringLiteral("N2"));
    if (clockRaisedLast)
        Form1->show();
    program.fake.application.setActive(false);
    QVERIFY(Form1->keptOnTop());
    QCOMPARE(Form3->keptOnTop(), timerKeptOnTop);
    QVERIFY(Form2->keptOnTop()); // hidden: nothing to yield
    program.fake.application.setActive(true);
    QVERIFY(Form3->keptOnTop());
}

QTEST_MAIN(ClockMenuTest)
#include "tst_clockmenu.moc"

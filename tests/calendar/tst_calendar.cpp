#include "app/windowset.h"
#include "calendar/Unit2.h"
#include "clock/Unit1.h"
#include "support/fakeservices.h"
#include "support/pointer.h"

#include <QAction>
#include <QCalendarWidget>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTableView>
#include <QTest>

using namespace ui;

namespace {

// The program with the calendar shown through the clock's command, on
// Wednesday 2026-12-09.
struct Program {
    Program() : windows(fake.services)
    {
        Form1->show();
        Form1->N1->action()->trigger();
    }
    QCalendarWidget* calendar() const { return Form2->window()->findChild<QCalendarWidget*>(); }
    QWidget* grid() const { return calendar()->findChild<QTableView*>()->viewport(); }
    QPoint cell(int row, int column) const
    {
        auto* view = calendar()->findChild<QTableView*>();
        return view->visualRect(view->model()->index(row, column)).center();
    }
    FakeServices fake;
    app::WindowSet windows;
};

void rightClick(QWidget* widget, QPoint at)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

class CalendarTest : public QObject
{
    Q_OBJECT
private slots:
    void showsTodayBelowTheClock();
    void clockCommandReturnsToToday();
    void singleClickSelectsAndStays();
    void doubleClickCloses();
    void rightClickMenuOnlyOnTheCalendar();
    void menuAndStripClose_data();
    void menuAndStripClose();
    void weekStartsWhereTheLocaleSays_data();
    void weekStartsWhereTheLocaleSays();
};

void CalendarTest::showsTodayBelowTheClock()
{
    Program program;
    QVERIFY(Form2->visible());
    QCOMPARE(Form2->MonthCalendar1->date(), QDate(2026, 12, 9));
    QCOMPARE(program.calendar()->geometry(), QRect(0, 14, 134, 143));
    QCOMPARE(program.calendar()->verticalHeaderFormat(), QCalendarWidget::NoVerticalHeader);
}

void CalendarTest::clockCommandReturnsToToday()
{
    Program program;
    Form2->MonthCalendar1->setDate(QDate(2027, 3, 15));
    QCOMPARE(Form2->MonthCalendar1->shownMonth(), 3);
    Form1->N6->action()->trigger();
    QCOMPARE(Form2->MonthCalendar1->date(), QDate(2026, 12, 9));
    QCOMPARE(Form2->MonthCalendar1->shownMonth(), 12);
}

void CalendarTest::singleClickSelectsAndStays()
{
    Program program;
    QTest::mouseClick(program.grid(), Qt::LeftButton, {}, program.cell(3, 3));
    QVERIFY(Form2->visible());
    QVERIFY(Form2->MonthCalendar1->date() != QDate(2026, 12, 9));
}

void CalendarTest::doubleClickCloses()
{
    Program program;
    QTest::mouseDClick(program.grid(), Qt::LeftButton, {}, program.cell(2, 2));
    QVERIFY(!Form2->visible());
}

void CalendarTest::rightClickMenuOnlyOnTheCalendar()
{
    Program program;
    QMenu* menu = Form2->PopupMenu1->menu();
    rightClick(Form2->window()->findChild<QWidget*>(QStringLiteral("Image1")), QPoint(50, 7));
    QVERIFY(!menu->isVisible());
    rightClick(program.grid(), program.cell(2, 2));
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->actions().size(), 1);
    QCOMPARE(menu->actions().front()->text(), QStringLiteral("閉じる"));
    menu->hide();
}

void CalendarTest::menuAndStripClose_data()
{
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("閉じる from the menu") << true;
    QTest::newRow("a click on the strip") << false;
}

void CalendarTest::menuAndStripClose()
{
    QFETCH(bool, byMenu);
    Program program;
    if (byMenu) {
        Form2->PopupMenu1->menu()->actions().front()->trigger();
    } else {
        Pointer pointer(Form2->window()->findChild<QWidget*>(QStringLiteral("Image1")));
        pointer.press(QPoint(60, 7));
        pointer.release();
    }
    QVERIFY(!Form2->visible());
}

void CalendarTest::weekStartsWhereTheLocaleSays_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("firstDay");
    QTest::newRow("de_DE starts on Monday") << "de_DE" << int(Qt::Monday);
    QTest::newRow("en_US starts on Sunday") << "en_US" << int(Qt::Sunday);
}

void CalendarTest::weekStartsWhereTheLocaleSays()
{
    QFETCH(QString, locale);
    QFETCH(int, firstDay);
    Program program;
    program.fake.regional.settings = RegionalSettings::fromLocale(QLocale(locale));
    Form1->N1->action()->trigger();
    QCOMPARE(int(Form2->MonthCalendar1->firstDayOfWeek()), firstDay);
}

QTEST_MAIN(CalendarTest)
#include "tst_calendar.moc"

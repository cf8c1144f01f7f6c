#include "clock/Unit1.h"
#include "support/fakeservices.h"

#include <QHelpEvent>
#include <QLabel>
#include <QTest>
#include <QToolTip>

using namespace ui;
using std::chrono::milliseconds;

namespace {

QLabel* face(const TForm1& form)
{
    return form.window()->findChild<QLabel*>(QStringLiteral("Label1"));
}

} // namespace

class ClockFaceTest : public QObject
{
    Q_OBJECT
private slots:
    void showsHelloThenTheTime();
    void tooltipNamesTodayAndWeekday_data();
    void tooltipNamesTodayAndWeekday();
    void followsRegionalChangesAtTheNextTick();
    void showsANewWallClockAtOnce();
    void tooltipShowsTheLatestText();
    void doubleClickEndsTheProgram();
};

void ClockFaceTest::showsHelloThenTheTime()
{
    FakeServices fake; // 09:05:07.250
    TForm1 form(fake.services);
    QCOMPARE(form.Label1->caption(), QStringLiteral("Hello!!"));
    QCOMPARE(form.hint(), QString());
    fake.time.advance(milliseconds(749));
    QCOMPARE(form.Label1->caption(), QStringLiteral("Hello!!"));
    fake.time.advance(milliseconds(1));
    QCOMPARE(form.Label1->caption(), QStringLiteral("9:05:08"));
    QCOMPARE(form.hint(), QStringLiteral("Today 2026/12/09(水)"));
    fake.time.advance(milliseconds(1000));
    QCOMPARE(form.Label1->caption(), QStringLiteral("9:05:09"));
    // Three minutes of ticks, each on its own whole second.
    fake.time.advance(milliseconds(180'000));
    QCOMPARE(form.Label1->caption(), QStringLiteral("9:08:09"));
}

void ClockFaceTest::tooltipNamesTodayAndWeekday_data()
{
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("caption");

    const QTime morning(9, 0, 0);
    QTest::newRow("Sunday") << QDateTime(QDate(2026, 12, 6), morning) << "Today 2026/12/06(日)" << "9:00:01";
    QTest::newRow("Monday") << QDateTime(QDate(2026, 12, 7), morning) << "Today 2026/12/07(月)" << "9:00:01";
    QTest::newRow("Tuesday") << QDateTime(QDate(2026, 12, 8), morning) << "Today 2026/12/08(火)" << "9:00:01";
    QTest::newRow("Wednesday") << QDateTime(QDate(2026, 12, 9), morning) << "Today 2026/12/09(水)" << "9:00:01";
    QTest::newRow("Thursday") << QDateTime(QDate(2026, 12, 10), morning) << "Today 2026/12/10(木)" << "9:00:01";
    QTest::newRow("Friday") << QDateTime(QDate(2026, 12, 11), morning) << "Today 2026/12/11(金)" << "9:00:01";
    QTest::newRow("Saturday") << QDateTime(QDate(2026, 12, 12), morning) << "Today 2026/12/12(土)" << "9:00:01";
    QTest::newRow("first tick after midnight pairs the new date with its weekday")
        << QDateTime(QDate(2026, 12, 12), QTime(23, 59, 59, 400)) << "Today 2026/12/13(日)" << "0:00:00";
}

void ClockFaceTest::tooltipNamesTodayAndWeekday()
{
    QFETCH(QDateTime, start);
    QFETCH(QString, hint);
    QFETCH(QString, caption);
    FakeServices fake(start);
    TForm1 form(fake.services);
    fake.time.advance(milliseconds(1000));
    QCOMPARE(form.hint(), hint);
    QCOMPARE(form.Label1->caption(), caption);
}

void ClockFaceTest::followsRegionalChangesAtTheNextTick()
{
    FakeServices fake(QDateTime(QDate(2026, 12, 9), QTime(21, 5, 6, 900)));
    TForm1 form(fake.services);
    fake.time.advance(milliseconds(1100));
    QCOMPARE(form.Label1->caption(), QStringLiteral("21:05:08"));
    fake.regional.settings = RegionalSettings::fromLocale(QLocale(QStringLiteral("en_US")));
    fake.time.advance(milliseconds(1000));
    QCOMPARE(form.Label1->caption(), QStringLiteral("9:05:09 PM"));
    QCOMPARE(form.hint(), QStringLiteral("Today 12/9/26(水)"));
    // The longer text narrows the font to stay whole on the face.
    QLabel* label = face(form);
    QVERIFY(label->font().pixelSize() < 24);
    QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width());
}

void ClockFaceTest::showsANewWallClockAtOnce()
{
    FakeServices fake;
    TForm1 form(fake.services);
    fake.time.advance(milliseconds(800));
    fake.time.setWallClock(QDateTime(QDate(2026, 12, 9), QTime(10, 30, 0, 300)));
    QCOMPARE(form.Label1->caption(), QStringLiteral("10:30:00"));
    fake.time.advance(milliseconds(699));
    QCOMPARE(form.Label1->caption(), QStringLiteral("10:30:00"));
    fake.time.advance(milliseconds(1));
    QCOMPARE(form.Label1->caption(), QStringLiteral("10:30:01"));
}

void ClockFaceTest::tooltipShowsTheLatestText()
{
    FakeServices fake;
    TForm1 form(fake.services);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(form.window()));
    QLabel* label = face(form);
    const QPoint centre = label->rect().center();

    QHelpEvent beforeFirstTick(QEvent::ToolTip, centre, label->mapToGlobal(centre));
    QCoreApplication::sendEvent(label, &beforeFirstTick);
    QVERIFY(!QToolTip::isVisible());

    fake.time.advance(milliseconds(1000));
    QHelpEvent afterTick(QEvent::ToolTip, centre, label->mapToGlobal(centre));
    QCoreApplication::sendEvent(label, &afterTick);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("Today 2026/12/09(水)"));
    QToolTip::hideText();
}

void ClockFaceTest::doubleClickEndsTheProgram()
{
    FakeServices fake;
    TForm1 form(fake.services);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(form.window()));
    QTest::mouseDClick(face(form), Qt::LeftButton);
    QVERIFY(fake.application.isTerminated());
}

QTEST_MAIN(ClockFaceTest)
#include "tst_clockface.moc"

#include "app/windowset.h"
#include "stopwatch/Unit4.h"
#include "support/fakeservices.h"
#include "support/pointer.h"

#include <QLabel>
#include <QTest>

using namespace ui;
using std::chrono::milliseconds;

namespace {

// Plays steps such as "N1 wait:1000 N2 jump:3600000" on the stopwatch: its
// menu commands, time passing, and the wall clock set forward.
void play(FakeServices& fake, TForm4& form, const QString& steps)
{
    for (const QString& step : steps.split(u' ', Qt::SkipEmptyParts)) {
        const QString verb = step.section(u':', 0, 0);
        const qint64 amount = step.section(u':', 1).toLongLong();
        if (verb == u"N1")
            form.N1Click(nullptr);
        else if (verb == u"N2")
            form.N2Click(nullptr);
        else if (verb == u"N3")
            form.N3Click(nullptr);
        else if (verb == u"wait")
            fake.time.advance(milliseconds(amount));
        else if (verb == u"jump")
            fake.time.setWallClock(fake.time.localNow().addMSecs(amount));
        else
            QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
    }
}

RegionalSettings settingsOf(const QString& locale)
{
    if (locale == u"dot, leading zero") {
        RegionalSettings settings;
        settings.timeSeparator = QStringLiteral(".");
        settings.hourLeadingZero = true;
        return settings;
    }
    return RegionalSettings::fromLocale(QLocale(locale));
}

} // namespace

class StopwatchTest : public QObject
{
    Q_OBJECT
private slots:
    void measures_data();
    void measures();
    void goesOnWhileHidden();
    void clickOnTheFaceResetsAndHides();
};

void StopwatchTest::measures_data()
{
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("face");
    QTest::addColumn<TColor>("color");
    QTest::addColumn<bool>("paused");
    QTest::addColumn<bool>("ticking");

    const QDateTime morning(QDate(2026, 12, 9), QTime(9, 0, 0));
    QString cycles = QStringLiteral("N1");
    for (int i = 0; i < 20; ++i)
        cycles += QStringLiteral(" wait:1300 N2 wait:5000 N2");

    QTest::newRow("fresh") << morning << "C" << "" << "stopwatch" << clWindowText << false << false;
    QTest::newRow("65 ticks read 0:01:05") << morning << "ja_JP" << "N1 wait:65000" << "0:01:05" << clWindowText
                                           << false << true;
    QTest::newRow("nothing shows before the first tick")
        << morning << "ja_JP" << "N1 wait:999" << "stopwatch" << clWindowText << false << true;
    QTest::newRow("pause after 10.9 s keeps the face and turns it red")
        << morning << "ja_JP" << "N1 wait:10900 N2 wait:5000" << "0:00:10" << clRed << true << false;
    QTest::newRow("pause at 10.9 s, resume at once: the next tick reads 11 s")
        << morning << "ja_JP" << "N1 wait:10900 N2 N2 wait:1000" << "0:00:11" << clBlack << false << true;
    QTest::newRow("twenty pauses lose nothing in sum")
        << morning << "ja_JP" << cycles + " wait:1000" << "0:00:27" << clBlack << false << true;
    QTest::newRow("a run across midnight")
        << QDateTime(QDate(2026, 12, 9), QTime(23, 59, 50)) << "ja_JP" << "N1 wait:15000" << "0:00:15"
        << clWindowText << false << true;
    QTest::newRow("the wall clock set an hour on changes nothing")
        << morning << "ja_JP" << "N1 wait:5000 jump:3600000 wait:1000" << "0:00:06" << clWindowText << false << true;
    QTest::newRow("hours go on past 24") << morning << "ja_JP" << "N1 wait:90000000" << "25:00:00" << clWindowText
                                         << false << true;
    QTest::newRow("a 12-hour locale adds no designator")
        << morning << "en_US" << "N1 wait:65000" << "0:01:05" << clWindowText << false << true;
    QTest::newRow("a designator-first locale adds none either")
        << morning << "ko_KR" << "N1 wait:65000" << "0:01:05" << clWindowText << false << true;
    QTest::newRow("the user's separator and hour leading zero")
        << morning << "dot, leading zero" << "N1 wait:65000" << "00.01.05" << clWindowText << false << true;
    QTest::newRow("start while running restarts the reading, keeping the phase")
        << morning << "ja_JP" << "N1 wait:3500 N1 wait:1500" << "0:00:01" << clWindowText << false << true;
    QTest::newRow("reset keeps the colour and the mark")
        << morning << "ja_JP" << "N1 wait:5500 N2 N3" << "StopWatch" << clRed << true << false;
    QTest::newRow("resume after a reset goes on from the reading before it")
        << morning << "ja_JP" << "N1 wait:5500 N2 N3 N2 wait:1000" << "0:00:06" << clBlack << false << true;
    QTest::newRow("pause in the fresh state only marks it")
        << morning << "ja_JP" << "N2" << "stopwatch" << clRed << true << false;
    QTest::newRow("the next pause command then counts from zero")
        << morning << "ja_JP" << "N2 wait:60000 N2 wait:1000" << "0:00:01" << clBlack << false << true;
}

void StopwatchTest::measures()
{
    QFETCH(QDateTime, start);
    QFETCH(QString, locale);
    QFETCH(QString, steps);
    QFETCH(QString, face);
    QFETCH(TColor, color);
    QFETCH(bool, paused);
    QFETCH(bool, ticking);
    FakeServices fake(start);
    fake.regional.settings = settingsOf(locale);
    TForm4 form(fake.services);
    play(fake, form, steps);
    QCOMPARE(form.Label2->caption(), face);
    QCOMPARE(form.Label2->fontColor(), color);
    QCOMPARE(form.N2->checked(), paused);
    QCOMPARE(form.Timer1->interval() != 0, ticking);
}

void StopwatchTest::goesOnWhileHidden()
{
    FakeServices fake;
    app::WindowSet windows(fake.services);
    Form4->show();
    Form4->N1Click(nullptr);
    Form4->Exit1Click(nullptr);
    QVERIFY(!Form4->visible());
    fake.time.advance(milliseconds(42'000));
    Form4->show();
    QCOMPARE(Form4->Label2->caption(), QStringLiteral("0:00:42"));
}

void StopwatchTest::clickOnTheFaceResetsAndHides()
{
    FakeServices fake;
    app::WindowSet windows(fake.services);
    Form4->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form4->window()));
    Form4->N1Click(nullptr);
    fake.time.advance(milliseconds(3000));
    auto* face = Form4->window()->findChild<QLabel*>(QStringLiteral("Label2"));
    Pointer pointer(face);
    pointer.press(QPoint(30, 10));
    pointer.release();
    QVERIFY(!Form4->visible());
    QCOMPARE(Form4->Label2->caption(), QStringLiteral("StopWatch"));
    QCOMPARE(Form4->Timer1->interval(), 0);
}

QTEST_MAIN(StopwatchTest)
#include "tst_stopwatch.moc"

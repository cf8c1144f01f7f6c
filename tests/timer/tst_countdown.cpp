#include "app/windowset.h"
#include "support/fakeservices.h"
#include "timer/Unit3.h"

#include <QTest>

using namespace ui;
using std::chrono::milliseconds;

namespace {

// Plays steps such as "pick:3 wait:1000 N2 stall:5000" on the strip:
// pick a duration, let time pass, let it pass with the program stalled,
// use a menu command (N2, N3, Close1) or double-click the strip (dbl).
void play(FakeServices& fake, TForm3& form, const QString& steps)
{
    for (const QString& step : steps.split(u' ', Qt::SkipEmptyParts)) {
        const QString verb = step.section(u':', 0, 0);
        const int amount = step.section(u':', 1).toInt();
        if (verb == u"pick")
            form.pickDuration(amount);
        else if (verb == u"wait")
            fake.time.advance(milliseconds(amount));
        else if (verb == u"stall")
            fake.time.stall(milliseconds(amount));
        else if (verb == u"N2")
            form.N2Click(nullptr);
        else if (verb == u"N3")
            form.N3Click(nullptr);
        else if (verb == u"Close1")
            form.Close1Click(nullptr);
        else if (verb == u"dbl")
            form.Label2DblClick(nullptr);
        else
            QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
    }
}

} // namespace

class CountdownTest : public QObject
{
    Q_OBJECT
private slots:
    void countsDown_data();
    void countsDown();
    void picksThroughTheRealMenu();
    void goesOnWhileHidden();
};

void CountdownTest::countsDown_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("count");
    QTest::addColumn<TColor>("countColor");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("paused");
    QTest::addColumn<bool>("ticking");
    QTest::addColumn<int>("remaining");

    QTest::newRow("idle at start-up") << "" << "00:00" << clWindowText << "Timer" << false << false << 0;
    QTest::newRow("nothing changes until the first tick")
        << "pick:3 wait:999" << "00:00" << clWindowText << "Timer" << false << true << 180;
    QTest::newRow("three minutes show 02:59 a second later")
        << "pick:3 wait:1000" << "02:59" << clWindowText << "Timer" << false << true << 179;
    QTest::newRow("ten minutes show 09:59 after one tick")
        << "pick:10 wait:1000" << "09:59" << clWindowText << "Timer" << false << true << 599;
    QTest::newRow("thirty minutes first show 29:59")
        << "pick:30 wait:1000" << "29:59" << clWindowText << "Timer" << false << true << 1799;
    QTest::newRow("the 180th tick after picking three minutes ends it")
        << "pick:3 wait:180000" << "時間です!!" << clYellow << "" << false << false << 0;
    QTest::newRow("one second before the end")
        << "pick:3 wait:179999" << "00:01" << clWindowText << "Timer" << false << true << 1;
    QTest::newRow("picking mid-count keeps the phase")
        << "pick:10 wait:10500 pick:1 wait:500" << "00:59" << clWindowText << "Timer" << false << true << 59;
    QTest::newRow("pause turns the count red and stops")
        << "pick:3 wait:2000 N2 wait:5000" << "02:58" << clRed << "Timer" << true << false << 178;
    QTest::newRow("resume goes on from what was left")
        << "pick:3 wait:2000 N2 wait:5000 N2 wait:1000" << "02:57" << clBlack << "Timer" << false << true << 177;
    QTest::newRow("reset while paused keeps the pause mark")
        << "pick:3 wait:2000 N2 N3" << "00:00" << clBlack << "Timer" << true << false << 178;
    QTest::newRow("after reset while paused the next N2 resumes the old count")
        << "pick:3 wait:2000 N2 N3 N2 wait:1000" << "02:57" << clBlack << "Timer" << false << true << 177;
    QTest::newRow("a new count after a finished run is yellow without its title")
        << "pick:1 wait:60000 pick:2 wait:1000" << "01:59" << clYellow << "" << false << true << 119;
    QTest::newRow("picking while paused runs on in red, still marked")
        << "pick:3 wait:2000 N2 pick:1 wait:1000" << "00:59" << clRed << "Timer" << true << true << 59;
    QTest::newRow("resume after picking while paused keeps the phase")
        << "pick:3 wait:2000 N2 pick:1 wait:1500 N2 wait:500" << "00:58" << clBlack << "Timer" << false << true
        << 58;
    QTest::newRow("double-click resets; the count left survives")
        << "pick:3 wait:2000 dbl" << "00:00" << clBlack << "Timer" << false << false << 178;
    QTest::newRow("ending the timer stops it and keeps its texts")
        << "pick:3 wait:2000 Close1 wait:3000" << "02:58" << clWindowText << "Timer" << false << false << 178;
    QTest::newRow("resuming with nothing ever picked counts nothing")
        << "N2 N2 wait:5000" << "00:00" << clBlack << "Timer" << false << false << 0;
    QTest::newRow("resuming after a finished run counts nothing")
        << "pick:1 wait:60000 N2 N2 wait:5000" << "時間です!!" << clBlack << "" << false << false << 0;
    QTest::newRow("a tick five seconds late takes off the seconds that passed")
        << "pick:3 wait:10000 stall:6000" << "02:44" << clWindowText << "Timer" << false << true << 164;
    QTest::newRow("ticks after a late one stay on the second")
        << "pick:3 wait:10000 stall:6000 wait:1000" << "02:43" << clWindowText << "Timer" << false << true << 163;
    QTest::newRow("a stall past the end finishes without going negative")
        << "pick:1 wait:50000 stall:30000" << "時間です!!" << clYellow << "" << false << false << 0;
}

void CountdownTest::countsDown()
{
    QFETCH(QString, steps);
    QFETCH(QString, count);
    QFETCH(TColor, countColor);
    QFETCH(QString, title);
    QFETCH(bool, paused);
    QFETCH(bool, ticking);
    QFETCH(int, remaining);
    FakeServices fake;
    TForm3 form(fake.services);
    play(fake, form, steps);
    QCOMPARE(form.Label1->caption(), count);
    QCOMPARE(form.Label1->fontColor(), countColor);
    QCOMPARE(form.Label2->caption(), title);
    QCOMPARE(form.N2->checked(), paused);
    QCOMPARE(form.Timer1->interval() != 0, ticking);
    QCOMPARE(form.RemainingSeconds, remaining);
}

void CountdownTest::picksThroughTheRealMenu()
{
    FakeServices fake;
    TForm3 form(fake.services);
    for (const char* name : {"N11", "N101", "N111", "N201", "N261", "N27271", "N28s1", "N29t1", "N30u1"}) {
        TMenuItem* item = form.findChild<TMenuItem*>(QLatin1String(name));
        QVERIFY2(item, name);
        item->action()->trigger();
        QCOMPARE(form.RemainingSeconds, item->caption().chopped(1).toInt() * 60);
    }
    TMenuItem* first = form.findChild<TMenuItem*>(QStringLiteral("N1101"));
    QCOMPARE(first->caption(), QStringLiteral(" 1～10分"));
}

void CountdownTest::goesOnWhileHidden()
{
    FakeServices fake;
    app::WindowSet windows(fake.services);
    Form3->show();
    Form3->pickDuration(2);
    Form3->close(); // as the window manager's close does
    QVERIFY(!Form3->visible());
    fake.time.advance(milliseconds(30'000));
    Form3->show();
    QCOMPARE(Form3->Label1->caption(), QStringLiteral("01:30"));
}

QTEST_MAIN(CountdownTest)
#include "tst_countdown.moc"

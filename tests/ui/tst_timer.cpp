#include "support/fakeservices.h"
#include "ui/form.h"
#include "ui/timer.h"

#include <QTest>

using namespace ui;
using std::chrono::milliseconds;

namespace {

// A form with one timer that notes the uptime and wall time of every tick.
class TimerForm final : public TForm
{
public:
    TimerForm(const Services& services, int interval, bool aligned)
        : TForm(services, QStringLiteral("Form9"), QStringLiteral("TForm9"))
    {
        field(QStringLiteral("Timer1"), Timer1);
        publish(QStringLiteral("Timer1Timer"), &TimerForm::Timer1Timer);
        loadFromText(QStringLiteral("timer.dfm"),
                     QStringLiteral("object Form9: TForm9\n  ClientWidth = 10\n  ClientHeight = 10\n"
                                    "  object Timer1: TTimer\n    Interval = %1\n    AlignToClock = %2\n"
                                    "    OnTimer = Timer1Timer\n  end\nend\n")
                         .arg(interval)
                         .arg(aligned ? "True" : "False")
                         .toUtf8());
    }

    void Timer1Timer(TObject*)
    {
        ticks << services().time.uptime().count();
        wallTicks << services().time.localNow().time().toString(QStringLiteral("HH:mm:ss.zzz"));
    }

    TTimer* Timer1 = nullptr;
    QList<qint64> ticks;
    QStringList wallTicks;
};

// Runs "at:interval" and "at:stall<ms>" steps in order, then runs to `until`.
void play(VirtualTimeSource& time, TTimer& timer, const QString& steps, int until)
{
    for (const QString& step : steps.split(u' ', Qt::SkipEmptyParts)) {
        const int at = step.section(u':', 0, 0).toInt();
        const QString action = step.section(u':', 1);
        time.advance(milliseconds(at) - time.uptime());
        if (action.startsWith(u"stall"))
            time.stall(milliseconds(action.mid(5).toInt()));
        else
            timer.setInterval(action.toInt());
    }
    time.advance(milliseconds(until) - time.uptime());
}

} // namespace

class TimerTest : public QObject
{
    Q_OBJECT
private slots:
    void intervalSemantics_data();
    void intervalSemantics();
    void alignedToTheClock_data();
    void alignedToTheClock();
};

void TimerTest::intervalSemantics_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("until");
    QTest::addColumn<QList<qint64>>("ticks");

    QTest::newRow("zero is stopped") << 0 << "" << 5000 << QList<qint64>{};
    QTest::newRow("ticks every interval") << 1000 << "" << 3500 << QList<qint64>{1000, 2000, 3000};
    QTest::newRow("a tick is never early") << 1000 << "" << 999 << QList<qint64>{};
    QTest::newRow("starting from zero waits a full interval") << 0 << "300:1000" << 2500 << QList<qint64>{1300, 2300};
    QTest::newRow("a new value restarts the phase") << 1000 << "1500:2000" << 6000
                                                    << QList<qint64>{1000, 3500, 5500};
    QTest::newRow("the same value keeps the phase") << 1000 << "1500:1000" << 3500
                                                    << QList<qint64>{1000, 2000, 3000};
    QTest::newRow("zero stops") << 1000 << "1500:0" << 5000 << QList<qint64>{1000};
    QTest::newRow("stop and start again restarts") << 1000 << "1500:0 1700:1000" << 3000
                                                   << QList<qint64>{1000, 2700};
    QTest::newRow("a late tick keeps the later ones in phase")
        << 1000 << "900:stall1500" << 3500 << QList<qint64>{2400, 3000};
}

void TimerTest::intervalSemantics()
{
    QFETCH(int, interval);
    QFETCH(QString, steps);
    QFETCH(int, until);
    QFETCH(QList<qint64>, ticks);
    FakeServices fake;
    TimerForm form(fake.services, interval, false);
    play(fake.time, *form.Timer1, steps, until);
    QCOMPARE(form.ticks, ticks);
}

void TimerTest::alignedToTheClock_data()
{
    QTest::addColumn<QTime>("start");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("until");
    QTest::addColumn<QStringList>("wallTicks");

    QTest::newRow("first tick on the next second at least half a second away")
        << QTime(9, 5, 7, 250) << "" << 2800 << QStringList{"09:05:08.000", "09:05:09.000", "09:05:10.000"};
    QTest::newRow("less than half a second to go waits for the second after")
        << QTime(9, 5, 7, 600) << "" << 2500 << QStringList{"09:05:09.000", "09:05:10.000"};
    QTest::newRow("a late tick does not drift the next")
        << QTime(9, 5, 7, 250) << "700:stall900" << 2800
        << QStringList{"09:05:08.850", "09:05:09.000", "09:05:10.000"};
}

void TimerTest::alignedToTheClock()
{
    QFETCH(QTime, start);
    QFETCH(QString, steps);
    QFETCH(int, until);
    QFETCH(QStringList, wallTicks);
    FakeServices fake(QDateTime(QDate(2026, 12, 9), start));
    TimerForm form(fake.services, 1000, true);
    play(fake.time, *form.Timer1, steps, until);
    QCOMPARE(form.wallTicks, wallTicks);
}

QTEST_MAIN(TimerTest)
#include "tst_timer.moc"

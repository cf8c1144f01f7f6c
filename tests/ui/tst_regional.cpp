#include "ui/regional.h"

#include <QTest>

using namespace ui;

class RegionalTest : public QObject
{
    Q_OBJECT
private slots:
    void formatsOfLocales_data();
    void formatsOfLocales();
    void longTimeOfSettings_data();
    void longTimeOfSettings();
    void weekdayNumbers_data();
    void weekdayNumbers();
};

void RegionalTest::formatsOfLocales_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("longTime");
    QTest::addColumn<QString>("shortDate");
    QTest::addColumn<int>("firstDayOfWeek");

    const QTime morning(9, 5, 7, 999);
    const QTime evening(21, 5, 7);
    QTest::newRow("C morning, leading zero") << "C" << morning << "09:05:07" << "9 Dec 2026" << int(Qt::Monday);
    QTest::newRow("en_US morning") << "en_US" << morning << "9:05:07 AM" << "12/9/26" << int(Qt::Sunday);
    QTest::newRow("en_US evening") << "en_US" << evening << "9:05:07 PM" << "12/9/26" << int(Qt::Sunday);
    QTest::newRow("en_US midnight is twelve")
        << "en_US" << QTime(0, 0, 5) << "12:00:05 AM" << "12/9/26" << int(Qt::Sunday);
    QTest::newRow("en_US noon is twelve PM")
        << "en_US" << QTime(12, 30, 0) << "12:30:00 PM" << "12/9/26" << int(Qt::Sunday);
    QTest::newRow("ja_JP 24 hours, no leading zero")
        << "ja_JP" << morning << "9:05:07" << "2026/12/09" << int(Qt::Sunday);
    QTest::newRow("ja_JP evening") << "ja_JP" << evening << "21:05:07" << "2026/12/09" << int(Qt::Sunday);
    QTest::newRow("de_DE leading zero") << "de_DE" << morning << "09:05:07" << "09.12.26" << int(Qt::Monday);
    QTest::newRow("ko_KR designator first, morning")
        << "ko_KR" << morning << "오전 9:05:07" << "26. 12. 9." << int(Qt::Sunday);
    QTest::newRow("ko_KR designator first, evening")
        << "ko_KR" << evening << "오후 9:05:07" << "26. 12. 9." << int(Qt::Sunday);
}

void RegionalTest::formatsOfLocales()
{
    QFETCH(QString, locale);
    QFETCH(QTime, time);
    QFETCH(QString, longTime);
    QFETCH(QString, shortDate);
    QFETCH(int, firstDayOfWeek);
    const RegionalSettings settings = RegionalSettings::fromLocale(QLocale(locale));
    QCOMPARE(formatLongTime(time, settings), longTime);
    QCOMPARE(formatShortDate(QDate(2026, 12, 9), settings), shortDate);
    QCOMPARE(int(settings.firstDayOfWeek), firstDayOfWeek);
}

void RegionalTest::longTimeOfSettings_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("leadingZero");
    QTest::addColumn<bool>("twelveHour");
    QTest::addColumn<QString>("pm");
    QTest::addColumn<QString>("longTime");

    QTest::newRow("dot separator") << "." << false << false << "PM" << "21.05.07";
    QTest::newRow("leading zero in 12 hours") << ":" << true << true << "PM" << "09:05:07 PM";
    QTest::newRow("empty designator adds no space") << ":" << false << true << "" << "9:05:07";
}

void RegionalTest::longTimeOfSettings()
{
    QFETCH(QString, separator);
    QFETCH(bool, leadingZero);
    QFETCH(bool, twelveHour);
    QFETCH(QString, pm);
    QFETCH(QString, longTime);
    RegionalSettings settings;
    settings.timeSeparator = separator;
    settings.hourLeadingZero = leadingZero;
    settings.twelveHour = twelveHour;
    settings.pmDesignator = pm;
    QCOMPARE(formatLongTime(QTime(21, 5, 7), settings), longTime);
}

void RegionalTest::weekdayNumbers_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("number");
    QTest::newRow("Sunday is 1") << QDate(2026, 12, 6) << 1;
    QTest::newRow("Wednesday is 4") << QDate(2026, 12, 9) << 4;
    QTest::newRow("Saturday is 7") << QDate(2026, 12, 12) << 7;
}

void RegionalTest::weekdayNumbers()
{
    QFETCH(QDate, date);
    QFETCH(int, number);
    QCOMPARE(weekdayNumber(date), number);
}

QTEST_GUILESS_MAIN(RegionalTest)
#include "tst_regional.moc"

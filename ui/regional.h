#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

#include <chrono>

namespace ui {

// The user's regional date and time formats, as far as the program uses them.
struct RegionalSettings {
    QString timeSeparator = QStringLiteral(":");
    bool hourLeadingZero = false;
    bool twelveHour = false;
    QString amDesignator;
    QString pmDesignator;
    bool designatorFirst = false;
    QString shortDatePattern = QStringLiteral("yyyy/MM/dd");
    QLocale locale = QLocale::c(); // month and day names in date patterns
    Qt::DayOfWeek firstDayOfWeek = Qt::Sunday;

    static RegionalSettings fromLocale(const QLocale& locale);
};

// Where the settings come from; read afresh at every use, so a change made
// while the program runs shows at the next tick.
class RegionalFormats
{
public:
    virtual ~RegionalFormats() = default;
    virtual RegionalSettings current() const = 0;
};

// The settings of the user's locale (LC_ALL, LC_TIME, LANG).
class SystemRegionalFormats final : public RegionalFormats
{
public:
    RegionalSettings current() const override;
};

// Hour, separator, two-digit minutes, separator, two-digit seconds, with the
// AM/PM designator where a 12-hour setting puts it.
QString formatLongTime(QTime time, const RegionalSettings& settings);
// A span of time written like a time of day, but without a designator and
// with hours that go on past 24.
QString formatDuration(std::chrono::milliseconds span, const RegionalSettings& settings);
QString formatShortDate(QDate date, const RegionalSettings& settings);
// 1 = Sunday ... 7 = Saturday.
int weekdayNumber(QDate date);

} // namespace ui

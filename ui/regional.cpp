#include "ui/regional.h"

#include <QRegularExpression>

namespace ui {

namespace {

// Drops quoted literals, so letters inside them are not taken as fields.
QString withoutLiterals(const QString& pattern)
{
    QString result;
    bool quoted = false;
    for (const QChar c : pattern) {
        if (c == u'\'')
            quoted = !quoted;
        else
            result += quoted ? QChar(u' ') : c;
    }
    return result;
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString hoursMinutesSeconds(qint64 hours, int minutes, int seconds, const RegionalSettings& settings)
{
    const QString hourText = QStringLiteral("%1").arg(hours, settings.hourLeadingZero ? 2 : 1, 10, QLatin1Char('0'));
    return hourText + settings.timeSeparator + twoDigits(minutes) + settings.timeSeparator + twoDigits(seconds);
}

} // namespace

RegionalSettings RegionalSettings::fromLocale(const QLocale& locale)
{
    RegionalSettings settings;
    const QString time = withoutLiterals(locale.timeFormat(QLocale::ShortFormat));
    const qsizetype hour = time.indexOf(QRegularExpression(QStringLiteral("[hH]")));
    const qsizetype designator = time.indexOf(QRegularExpression(QStringLiteral("[aA]")));
    if (hour >= 0) {
        qsizetype end = hour;
        while (end < time.size() && time[end].toLower() == u'h')
            ++end;
        settings.hourLeadingZero = end - hour >= 2;
        const qsizetype minutes = time.indexOf(u'm', end);
        if (minutes > end)
            settings.timeSeparator = time.mid(end, minutes - end).trimmed();
        if (settings.timeSeparator.isEmpty())
            settings.timeSeparator = QStringLiteral(":");
    }
    settings.twelveHour = designator >= 0;
    settings.designatorFirst = designator >= 0 && designator < hour;
    settings.amDesignator = locale.amText();
    settings.pmDesignator = locale.pmText();
    settings.shortDatePattern = locale.dateFormat(QLocale::ShortFormat);
    settings.locale = locale;
    settings.firstDayOfWeek = locale.firstDayOfWeek();
    return settings;
}

RegionalSettings SystemRegionalFormats::current() const
{
    return RegionalSettings::fromLocale(QLocale::system());
}

QString formatDuration(std::chrono::milliseconds span, const RegionalSettings& settings)
{
    const qint64 seconds = std::max<qint64>(0, span.count() / 1000);
    return hoursMinutesSeconds(seconds / 3600, int(seconds / 60 % 60), int(seconds % 60), settings);
}

QString formatLongTime(QTime time, const RegionalSettings& settings)
{
    int hour = time.hour();
    if (settings.twelveHour)
        hour = hour % 12 == 0 ? 12 : hour % 12;
    const QString text = hoursMinutesSeconds(hour, time.minute(), time.second(), settings);
    const QString& designator = time.hour() < 12 ? settings.amDesignator : settings.pmDesignator;
    if (!settings.twelveHour || designator.isEmpty())
        return text;
    return settings.designatorFirst ? designator + u' ' + text : text + u' ' + designator;
}

QString formatShortDate(QDate date, const RegionalSettings& settings)
{
    return settings.locale.toString(date, settings.shortDatePattern);
}

int weekdayNumber(QDate date)
{
    return date.dayOfWeek() % 7 + 1;
}

} // namespace ui

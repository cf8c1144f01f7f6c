#pragma once

#include "ui/control.h"
#include "ui/fonts.h"

#include <QDate>

class QCalendarWidget;

namespace ui {

// A one-month calendar with arrows to the months before and after, today
// marked, one selected day and no week numbers. It takes its own mouse
// input, and no keyboard focus.
class TMonthCalendar : public TControl
{
    Q_OBJECT
public:
    TMonthCalendar(TForm* form, const QString& name);

    QDate date() const;
    // Selects the day and brings its month into view.
    void setDate(QDate date);
    int shownMonth() const;
    Qt::DayOfWeek firstDayOfWeek() const;

    void applyLayoutProperty(const LayoutProperty& property, const LayoutContext& context) override;
    void loaded() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QCalendarWidget* calendar() const;
    void followRegionalSettings();
    void markToday();

    TFont font_;
    QDate markedToday_;
};

} // namespace ui

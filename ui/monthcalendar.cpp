#include "ui/monthcalendar.h"

#include "ui/form.h"
#include "ui/menu.h"
#include "ui/regional.h"
#include "ui/timesource.h"

#include <QCalendarWidget>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QTextCharFormat>
#include <QHeaderView>
#include <QTableView>
#include <QToolButton>

namespace ui {

TMonthCalendar::TMonthCalendar(TForm* form, const QString& name)
    : TControl(form, name, new QCalendarWidget(form->window())), font_(form->font())
{
    QCalendarWidget* widget = calendar();
    widget->setGridVisible(false);
    widget->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    widget->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    widget->setSelectionMode(QCalendarWidget::SingleSelection);
    widget->setMinimumSize(0, 0);
    widget->setFocusPolicy(Qt::NoFocus);
    // The stock navigation bar is sized for a far larger calendar: shed its
    // padding and menu arrows so a whole month fits the small window.
    widget->setStyleSheet(QStringLiteral("QToolButton { padding: 0px; margin: 0px; }"
                                         "QToolButton::menu-indicator { image: none; width: 0px; }"));
    for (auto* button : widget->findChildren<QToolButton*>())
        button->setIconSize(QSize(10, 10));
    for (auto* view : widget->findChildren<QTableView*>()) {
        view->horizontalHeader()->setMinimumSectionSize(0);
        view->verticalHeader()->setMinimumSectionSize(0);
    }
    for (QWidget* part : widget->findChildren<QWidget*>()) {
        part->setFocusPolicy(Qt::NoFocus);
        part->installEventFilter(this);
    }
}

QCalendarWidget* TMonthCalendar::calendar() const
{
    return static_cast<QCalendarWidget*>(widget());
}

void TMonthCalendar::applyLayoutProperty(const LayoutProperty& property, const LayoutContext& context)
{
    if (!font_.apply(property))
        TControl::applyLayoutProperty(property, context);
}

QDate TMonthCalendar::date() const
{
    return calendar()->selectedDate();
}

int TMonthCalendar::shownMonth() const
{
    return calendar()->monthShown();
}

Qt::DayOfWeek TMonthCalendar::firstDayOfWeek() const
{
    return calendar()->firstDayOfWeek();
}

void TMonthCalendar::setDate(QDate date)
{
    followRegionalSettings();
    markToday();
    calendar()->setSelectedDate(date);
    calendar()->setCurrentPage(date.year(), date.month());
}

void TMonthCalendar::loaded()
{
    TControl::loaded();
    // The calendar gave its parts fonts of their own when it was made, and
    // its cells' text formats look no substitution up: name the stand-in.
    QFont font = font_.toQFont();
    font.setFamily(QFont::substitute(font_.name));
    calendar()->setFont(font);
    for (QWidget* part : calendar()->findChildren<QWidget*>()) {
        QFont partFont = font;
        partFont.setBold(part->font().bold());
        part->setFont(partFont);
    }
    QTextCharFormat header = calendar()->headerTextFormat();
    header.setFont(font);
    calendar()->setHeaderTextFormat(header);
    setDate(form()->services().time.localNow().date());
}

void TMonthCalendar::followRegionalSettings()
{
    calendar()->setFirstDayOfWeek(form()->services().regional.current().firstDayOfWeek);
}

void TMonthCalendar::markToday()
{
    const QDate today = form()->services().time.localNow().date();
    if (today == markedToday_)
        return;
    calendar()->setDateTextFormat(markedToday_, QTextCharFormat());
    QTextCharFormat mark;
    mark.setFontWeight(QFont::Bold);
    mark.setFontUnderline(true);
    calendar()->setDateTextFormat(today, mark);
    markedToday_ = today;
}

// The calendar's own parts handle the mouse first; the events are reported
// on the side, and a right-click opens the calendar's menu.
bool TMonthCalendar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == widget())
        return TControl::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            fire(OnDblClick);
        return false;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            fire(OnClick);
        return false;
    case QEvent::ContextMenu:
        return TControl::eventFilter(widget(), event);
    default:
        return false;
    }
}

} // namespace ui

#include "gui/cases/DateCombos.h"

#include <algorithm>

#include <QComboBox>

#include "core/climate/Calendar.h"
#include "gui/toolkit/FormControls.h"

namespace porvap {

namespace {

constexpr int kDecember = 12;
constexpr int kLastDay = 31;

QStringList TwoDigitItems(int first, int last) {
    QStringList items;
    for (int value = first; value <= last; ++value)
        items << QString::asprintf("%02d", value);
    return items;
}

void Refill(QComboBox* list, const QStringList& items, int selection) {
    list->clear();
    list->addItems(items);
    list->setCurrentIndex(selection);
}

}  // namespace

DateCombos::DateCombos(const char* dayName, const char* monthName, const char* hourName)
    : day_(MakeList(dayName)), month_(MakeList(monthName)), hour_(MakeList(hourName)) {
    Refill(day_, TwoDigitItems(1, kLastDay), 0);
    Refill(month_, TwoDigitItems(1, kDecember), 0);
    Refill(hour_, TwoDigitItems(0, 23), 0);
}

DatePositions DateCombos::Positions() const {
    return {day_->currentIndex(), month_->currentIndex(), hour_->currentIndex()};
}

void DateCombos::SetPositions(const DatePositions& positions) {
    month_->setCurrentIndex(positions.month);
    FillDayList();
    day_->setCurrentIndex(positions.day);
    hour_->setCurrentIndex(positions.hour);
}

bool DateCombos::IsComplete() const {
    return InvalidDateList(Positions()) == DateList::None;
}

DayHour DateCombos::Date() const {
    return DateAt(Positions());
}

void DateCombos::SetEnabled(bool enabled) {
    day_->setEnabled(enabled);
    month_->setEnabled(enabled);
    hour_->setEnabled(enabled);
}

void DateCombos::FillDayList() {
    const int month = month_->currentIndex();
    if (month < 0)
        return;
    const int days = DaysInMonth(month + 1);
    const int selected = day_->currentIndex();
    if (day_->count() != days)
        Refill(day_, TwoDigitItems(1, days), selected < 0 ? -1 : std::min(selected, days - 1));
}

void KeepFinishAfterStart(const DateCombos& start, DateCombos& finish) {
    if (!start.IsComplete() || !finish.IsComplete())
        return;
    const DayHour from = start.Date();
    const DayHour to = finish.Date();
    if (CompareDates(from.day, from.month, from.hour, to.day, to.month, to.hour) <= 0)
        return;
    if (from.month < kDecember) {
        finish.Month()->setCurrentIndex(from.month);
        finish.FillDayList();
        return;
    }
    finish.Month()->setCurrentIndex(kDecember - 1);
    finish.FillDayList();
    if (from.day < kLastDay) {
        finish.Day()->setCurrentIndex(from.day);
        return;
    }
    finish.Day()->setCurrentIndex(kLastDay - 1);
    finish.Hour()->setCurrentIndex(from.hour);
}

}  // namespace porvap

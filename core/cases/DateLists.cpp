#include "core/cases/DateLists.h"

#include <cstdio>

#include "core/climate/Calendar.h"

namespace porvap {

namespace {

constexpr int kMonths = 12;
constexpr int kHours = 24;

bool InList(int position, int items) {
    return position >= 0 && position < items;
}

}  // namespace

DateList InvalidDateList(const DatePositions& positions) {
    if (!InList(positions.month, kMonths))
        return DateList::Month;
    if (!InList(positions.day, DaysInMonth(positions.month + 1)))
        return DateList::Day;
    if (!InList(positions.hour, kHours))
        return DateList::Hour;
    return DateList::None;
}

DayHour DateAt(const DatePositions& positions) {
    return {positions.day + 1, positions.month + 1, positions.hour};
}

}  // namespace porvap

#pragma once

#include <array>
#include <string>

#include "core/climate/Calendar.h"

namespace porvap {

// Selected items of a day, month and hour drop-down list, zero-based; -1 when nothing is
// selected. The day list holds "01" up to the last day of the selected month, the month
// list "01" to "12" and the hour list "00" to "23".
struct DatePositions {
    int day = 0;
    int month = 0;
    int hour = 0;

    bool operator==(const DatePositions&) const = default;
};

// Items of the graph 3 plotting-interval list, days.
inline constexpr std::array<int, 6> kGraph3Days = {7, 10, 14, 15, 20, 21};

enum class DateList { Day, Month, Hour, None };

// The first list whose position lies outside it (month before day, as the day list
// depends on the month), or None when all three select an item.
DateList InvalidDateList(const DatePositions& positions);

// The date the three lists show; only for positions that pass InvalidDateList.
DayHour DateAt(const DatePositions& positions);

}  // namespace porvap

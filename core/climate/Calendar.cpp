#include "core/climate/Calendar.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <tuple>

namespace porvap {

namespace {

constexpr std::array<int, 12> kDaysPerMonth = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr std::array<const char*, 12> kMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

bool IsMonth(int month) {
    return month >= 1 && month <= 12;
}

int DaysOfMonthsBetween(int startMonth, int endMonth) {
    int days = 0;
    for (int month = std::max(startMonth + 1, 1); month < std::min(endMonth, 13); ++month)
        days += DaysInMonth(month);
    return days;
}

}  // namespace

int DaysInMonth(int month) {
    return IsMonth(month) ? kDaysPerMonth[month - 1] : 0;
}

void MonthAbbreviation(int month, std::string& target) {
    if (IsMonth(month))
        target = kMonthNames[month - 1];
}

int CompareDates(int day1, int month1, int hour1, int day2, int month2, int hour2) {
    const auto first = std::tie(month1, day1, hour1);
    const auto second = std::tie(month2, day2, hour2);
    return (first > second) - (first < second);
}

int HoursInInterval(int startDay, int startMonth, int startHour, int endDay, int endMonth,
                    int endHour) {
    const int restOfStartDay = 24 - startHour;
    if (startMonth == endMonth && startDay == endDay)
        return endHour - startHour + 1;
    if (startMonth == endMonth)
        return (endDay - startDay - 1) * 24 + restOfStartDay + endHour + 1;
    return 24 * DaysOfMonthsBetween(startMonth, endMonth) +
           24 * (DaysInMonth(startMonth) - startDay) + 24 * (endDay - 1) + restOfStartDay +
           endHour + 1;
}

double CountHourSteps(int startDay, int startMonth, int startHour, int endDay, int endMonth,
                      int endHour) {
    // Wide enough that at most a year of steps from any int date cannot overflow.
    long long day = startDay, month = startMonth, hour = startHour;
    int steps = 0;
    while (steps < kHoursPerYear && !(day == endDay && month == endMonth && hour == endHour)) {
        ++steps;
        if (++hour <= 23)
            continue;
        hour = 0;
        if (++day <= DaysInMonth(static_cast<int>(month)))
            continue;
        day = 1;
        ++month;
    }
    return steps;
}

std::string DateLabel(const DayHour& date) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d - %02d", date.day, date.month, date.hour);
    return text;
}

}  // namespace porvap

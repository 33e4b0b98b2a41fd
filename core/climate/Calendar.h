#pragma once

#include <string>

namespace porvap {

// The climate calendar: a 365-day year without leap years, dates as (day, month, hour)
// with hours 0..23. Months are compared before days, days before hours.

constexpr int kHoursPerYear = 8760;

struct DayHour {
    int day = 1;
    int month = 1;
    int hour = 0;
};

// Day "/" month " - " hour with two digits each, e.g. "01/01 - 00".
std::string DateLabel(const DayHour& date);

// Days of a month 1..12; 0 for any other month.
int DaysInMonth(int month);

// "Jan".."Dec" for months 1..12; any other month leaves target unchanged.
void MonthAbbreviation(int month, std::string& target);

// 1 when the first date is later, 0 when equal, -1 when earlier.
int CompareDates(int day1, int month1, int hour1, int day2, int month2, int hour2);

// Hourly records from start to end, both included.
int HoursInInterval(int startDay, int startMonth, int startHour, int endDay, int endMonth,
                    int endHour);

// Hour steps from start until end, end not counted. When end is never reached (end before
// start, or an invalid date) the count stops at one year, kHoursPerYear.
double CountHourSteps(int startDay, int startMonth, int startHour, int endDay, int endMonth,
                      int endHour);

}  // namespace porvap

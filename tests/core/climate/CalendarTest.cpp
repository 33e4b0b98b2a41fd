#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "core/climate/Calendar.h"

namespace porvap {
namespace {

TEST(Calendar, MonthsOfANonLeapYear) {
    int days = 0;
    for (int month = 1; month <= 12; ++month)
        days += DaysInMonth(month);
    EXPECT_EQ(days, 365);
    EXPECT_EQ(DaysInMonth(2), 28);
    for (int month : {0, 13, INT_MIN, INT_MAX})
        EXPECT_EQ(DaysInMonth(month), 0) << month;

    std::string name = "keep";
    MonthAbbreviation(13, name);
    EXPECT_EQ(name, "keep");
    MonthAbbreviation(12, name);
    EXPECT_EQ(name, "Dec");
}

TEST(Calendar, CompareDatesOrdersByMonthThenDayThenHour) {
    EXPECT_EQ(CompareDates(15, 6, 12, 15, 6, 12), 0);
    EXPECT_EQ(CompareDates(31, 1, 23, 1, 2, 0), -1);
    EXPECT_EQ(CompareDates(1, 2, 0, 31, 1, 23), 1);
    EXPECT_EQ(CompareDates(1, 3, 4, 1, 3, 5), -1);
}

TEST(Calendar, RecordsIncludeTheEndStepsLeaveItOut) {
    EXPECT_EQ(HoursInInterval(1, 1, 0, 31, 12, 23), 8760);
    EXPECT_EQ(HoursInInterval(31, 1, 0, 1, 2, 0), 25);
    EXPECT_EQ(HoursInInterval(1, 3, 22, 3, 3, 1), 28);
    EXPECT_DOUBLE_EQ(CountHourSteps(1, 1, 0, 31, 12, 23), 8759.0);
    EXPECT_DOUBLE_EQ(CountHourSteps(31, 1, 0, 1, 2, 0), 24.0);
    EXPECT_DOUBLE_EQ(CountHourSteps(1, 1, 0, 1, 1, 23), 23.0);

    // The closed forms and the hour-by-hour walk must agree on every kind of interval.
    const int dates[][3] = {{1, 1, 0},   {5, 1, 3},  {5, 1, 20},
                            {28, 2, 13}, {31, 8, 0}, {31, 12, 23}};
    for (const auto& s : dates) {
        for (const auto& e : dates) {
            if (CompareDates(s[0], s[1], s[2], e[0], e[1], e[2]) > 0)
                continue;
            EXPECT_DOUBLE_EQ(CountHourSteps(s[0], s[1], s[2], e[0], e[1], e[2]) + 1.0,
                             HoursInInterval(s[0], s[1], s[2], e[0], e[1], e[2]))
                << s[0] << "/" << s[1] << "-" << s[2] << " to " << e[0] << "/" << e[1];
        }
    }
}

TEST(Calendar, UnreachableEndsStopAfterOneYear) {
    EXPECT_DOUBLE_EQ(CountHourSteps(2, 1, 0, 1, 1, 0), kHoursPerYear);
    EXPECT_DOUBLE_EQ(CountHourSteps(1, 1, 0, 1, 1, 24), kHoursPerYear);
    EXPECT_DOUBLE_EQ(CountHourSteps(1, 13, 0, 1, 1, 0), kHoursPerYear);
    EXPECT_DOUBLE_EQ(CountHourSteps(INT_MAX, INT_MAX, INT_MAX, 1, 1, 0), kHoursPerYear);
}

}  // namespace
}  // namespace porvap

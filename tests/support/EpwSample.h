#pragma once

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "core/climate/Calendar.h"
#include "core/climate/ClimateFile.h"
#include "core/climate/ClimateRecord.h"
#include "core/climate/SolarGeometry.h"

namespace porvap::test {

// One hourly row of a weather file as the tests write it.
struct EpwRow {
    int year = 2024;
    int month = 1;
    int day = 1;
    int hour = 1;                  // 1..24, the hour ending then
    double temperature = 0;        // degC
    double humidity = 50;          // %
    double beam = 0;               // W/m2, direct normal
    double diffuse = 0;            // W/m2, horizontal
    std::optional<double> global;  // W/m2, horizontal; EpwText matches it to beam and diffuse
    double windDirection = 0;      // degrees from north, clockwise
    double windSpeed = 0;          // m/s
};

// A full row of 35 fields; the ones the program does not read hold typical values.
inline std::string EpwRowText(const EpwRow& r) {
    char text[512];
    std::snprintf(text, sizeof text,
                  "%d,%d,%d,%d,60,A7A7A7A7*0?9?9?9?9?9?9?9A7A7A7A7A7A7*0*0*0*0*0,%g,5.0,%g,"
                  "101300,0,0,300,%g,%g,%g,0,0,0,0,%g,%g,5,5,10.0,77777,9,999999999,0,0.0,0,88,"
                  "0.2,0.0,1.0",
                  r.year, r.month, r.day, r.hour, r.temperature, r.humidity,
                  r.global.value_or(r.diffuse), r.beam, r.diffuse, r.windDirection, r.windSpeed);
    return text;
}

// The sun of a row as the converter takes it: at the middle of the hour, on the 365-day
// calendar.
inline SunPosition RowSun(const Site& site, const EpwRow& r) {
    int dayOfYear = std::min(r.day, DaysInMonth(r.month));
    for (int month = 1; month < r.month; ++month)
        dayOfYear += DaysInMonth(month);
    return SolarPosition(site, dayOfYear, r.hour - 0.5);
}

inline std::string EpwHeader(double latitude, double longitude, double utcOffset) {
    char location[160];
    std::snprintf(location, sizeof location,
                  "LOCATION,Testplace,ST,XXX,test,000000,%g,%g,%g,10.0\n", latitude, longitude,
                  utcOffset);
    return location + std::string(
                          "DESIGN CONDITIONS,0\nTYPICAL/EXTREME PERIODS,0\nGROUND TEMPERATURES,0\n"
                          "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0\nCOMMENTS 1,written by a test\n"
                          "COMMENTS 2,\nDATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31\n");
}

// A weather file whose rows without a global irradiance get the one their beam and diffuse
// make with the site's sun.
inline std::string EpwText(double latitude, double longitude, double utcOffset,
                           const std::vector<EpwRow>& rows) {
    std::string text = EpwHeader(latitude, longitude, utcOffset);
    const Site site{latitude, longitude, utcOffset};
    for (EpwRow row : rows) {
        const double sine = std::sin(RowSun(site, row).altitude * std::numbers::pi / 180.0);
        row.global = row.global.value_or(row.diffuse + row.beam * std::max(sine, 0.0));
        text += EpwRowText(row) + "\n";
    }
    return text;
}

// Consecutive days from a date, 24 rows each, through a leap day when the year has one;
// `fill` sets the values of each row (its running index given).
inline std::vector<EpwRow> EpwDays(int year, int month, int day, int days,
                                   const std::function<void(EpwRow&, int)>& fill) {
    std::vector<EpwRow> rows;
    const bool leap = year % 4 == 0;
    for (int d = 0; d < days; ++d) {
        for (int hour = 1; hour <= 24; ++hour) {
            EpwRow row;
            row.year = year, row.month = month, row.day = day, row.hour = hour;
            fill(row, static_cast<int>(rows.size()));
            rows.push_back(row);
        }
        const int length = DaysInMonth(month) + (leap && month == 2 ? 1 : 0);
        if (++day > length) {
            day = 1;
            if (++month > 12)
                month = 1, ++year;
        }
    }
    return rows;
}

// Clear days of 2023 from the first of a month at a site: beam and diffuse follow the sun.
// With `beamTimesSine` the direct normal field holds the beam on the horizontal multiplied once
// more by sin(altitude), as some published files have it; global stays the true one.
inline std::vector<EpwRow> ClearSkyDays(const Site& site, int month, int days,
                                        bool beamTimesSine = false) {
    return EpwDays(2023, month, 1, days, [&](EpwRow& r, int) {
        const double sine = std::sin(RowSun(site, r).altitude * std::numbers::pi / 180.0);
        if (sine <= 0.0)
            return;
        r.beam = 900.0 * std::exp(-0.2 / sine);   // W/m2
        r.diffuse = 120.0 * std::pow(sine, 0.6);  // W/m2
        if (beamTimesSine) {
            r.global = r.diffuse + r.beam * sine;
            r.beam *= sine * sine;
        }
    });
}

// Every record of a layout-3 file as the program reads it.
inline std::vector<ClimateRecord> ReadLayout3(const std::string& path) {
    std::vector<ClimateRecord> records;
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (!file)
        return records;
    ClimateRecord record;
    while (ReadExternalFields(file, 3, record))
        records.push_back(record);
    std::fclose(file);
    return records;
}

}  // namespace porvap::test

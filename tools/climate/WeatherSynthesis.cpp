#include "tools/climate/WeatherSynthesis.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "core/climate/Calendar.h"
#include "core/climate/Psychrometrics.h"
#include "core/climate/WindDirection.h"
#include "tools/climate/Random.h"
#include "tools/climate/SolarRadiation.h"

namespace porvap::datagen {

namespace {

constexpr int kDays = 365;
constexpr int kHoursPerDay = 24;
constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kMinClearness = 0.03;
constexpr double kMaxClearness = 0.80;
constexpr double kMaxHourlyClearness = 0.85;
constexpr double kMinDailyHumidity = 0.30;
constexpr double kMaxDailyHumidity = 0.98;
constexpr double kMinRangeFraction = 0.25;  // of the monthly mean range
constexpr int kCalibrationPasses = 8;

// Deviations of one day from its month, drawn before any hour is built.
struct DayDraw {
    double temperature;  // K
    double humidity;     // fraction
    double clearness;    // standard normal
    double range;        // K
    double wind;         // log of the daily wind factor
    double direction;    // degrees
};

std::vector<DayDraw> DrawDays(const Variability& v, Random& random) {
    Autoregression temperature(v.temperatureLag1);
    Autoregression humidity(v.humidityLag1);
    Autoregression clearness(v.clearnessLag1);
    Autoregression wind(v.windLag1);
    Autoregression direction(v.directionLag1);
    const double humidityOwn = std::sqrt(1.0 - v.humidityClearness * v.humidityClearness);
    const double rangeOwn = std::sqrt(1.0 - v.rangeClearness * v.rangeClearness);
    std::vector<DayDraw> days(kDays);
    for (DayDraw& day : days) {
        const double z = clearness.Next(random);
        day.clearness = z;
        day.temperature = v.temperatureSd * temperature.Next(random);
        day.humidity =
            v.humiditySd * (v.humidityClearness * z + humidityOwn * humidity.Next(random));
        day.range = v.rangeSd * (v.rangeClearness * z + rangeOwn * random.Normal());
        day.wind = v.windSd * wind.Next(random);
        day.direction = v.directionSd * direction.Next(random);
    }
    return days;
}

std::vector<HourRecord> EmptyYear() {
    std::vector<HourRecord> year;
    year.reserve(kDays * kHoursPerDay);
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= DaysInMonth(month); ++day)
            for (int hour = 0; hour < kHoursPerDay; ++hour)
                year.push_back(HourRecord{month, day, hour, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    return year;
}

const MonthlyFigures& MonthOf(const ClimateFigures& climate, const HourRecord& record) {
    return climate.months[record.month - 1];
}

// Hourly value of a daily series whose values belong to the middle of each day: linear
// between neighbouring days, the year wrapping round so that 31 December meets 1 January.
double BetweenDays(const std::vector<double>& daily, int hourOfYear) {
    const double position = (hourOfYear + 0.5 - 0.5 * kHoursPerDay) / kHoursPerDay;
    const double first = std::floor(position);
    const double t = position - first;
    const int a = (static_cast<int>(first) + kDays) % kDays;
    const int b = (a + 1) % kDays;
    return daily[a] + t * (daily[b] - daily[a]);
}

// Mean of a quantity over the hours of each month.
template <typename Get>
std::array<double, 12> MonthlyMeans(const std::vector<HourRecord>& year, Get get) {
    std::array<double, 12> sum = {};
    std::array<int, 12> count = {};
    for (const HourRecord& r : year) {
        sum[r.month - 1] += get(r);
        ++count[r.month - 1];
    }
    for (int m = 0; m < 12; ++m)
        sum[m] /= count[m];
    return sum;
}

void FillSun(const ClimateFigures& climate, std::vector<HourRecord>& year) {
    for (std::size_t k = 0; k < year.size(); ++k) {
        const SunPosition sun =
            SolarPosition(climate.site, static_cast<int>(k) / kHoursPerDay + 1, year[k].hour + 0.5);
        year[k].altitude = sun.altitude;
        year[k].azimuth = sun.azimuth;
    }
}

double ExtraterrestrialHorizontal(const ClimateFigures& climate, int hourOfYear) {
    const SunPosition sun =
        SolarPosition(climate.site, hourOfYear / kHoursPerDay + 1, hourOfYear % kHoursPerDay + 0.5);
    return std::max(sun.extraterrestrialNormal * std::sin(sun.altitude * kDegree), 0.0);
}

void FillTemperature(const ClimateFigures& climate, const std::vector<DayDraw>& draws,
                     std::vector<HourRecord>& year) {
    std::vector<double> mean(kDays);
    std::vector<double> range(kDays);
    for (int d = 0; d < kDays; ++d) {
        const MonthlyFigures& m = MonthOf(climate, year[d * kHoursPerDay]);
        mean[d] = m.temperature + draws[d].temperature;
        range[d] = std::max(m.dailyRange + draws[d].range, kMinRangeFraction * m.dailyRange);
    }
    for (int k = 0; k < static_cast<int>(year.size()); ++k)
        year[k].temperature =
            BetweenDays(mean, k) + BetweenDays(range, k) * climate.temperatureShape[year[k].hour];
    // Temperatures may be negative, so the monthly correction is a shift, not a factor.
    const auto means = MonthlyMeans(year, [](const HourRecord& r) { return r.temperature; });
    for (HourRecord& r : year)
        r.temperature += MonthOf(climate, r).temperature - means[r.month - 1];
}

// A constant vapour pressure per day (interpolated between days), chosen so that the day's
// mean relative humidity meets its target: humidity then falls as the day warms.
void FillHumidity(const ClimateFigures& climate, const std::vector<DayDraw>& draws,
                  std::vector<HourRecord>& year) {
    std::vector<double> pressure(kDays);
    for (int d = 0; d < kDays; ++d) {
        const MonthlyFigures& m = MonthOf(climate, year[d * kHoursPerDay]);
        const double target =
            std::clamp(m.humidity + draws[d].humidity, kMinDailyHumidity, kMaxDailyHumidity);
        double inverse = 0.0;
        for (int h = 0; h < kHoursPerDay; ++h)
            inverse += 1.0 / SaturationPressure(year[d * kHoursPerDay + h].temperature);
        pressure[d] = target / (inverse / kHoursPerDay);
    }
    std::vector<double> hourly(year.size());
    for (int k = 0; k < static_cast<int>(year.size()); ++k)
        hourly[k] = BetweenDays(pressure, k);
    auto humidity = [&](std::size_t k) {
        return std::min(hourly[k] / SaturationPressure(year[k].temperature), 1.0);
    };
    // Capping at saturation lowers the mean, so the correction is repeated.
    for (int pass = 0; pass < kCalibrationPasses; ++pass) {
        for (std::size_t k = 0; k < year.size(); ++k)
            year[k].humidity = humidity(k);
        const auto means = MonthlyMeans(year, [](const HourRecord& r) { return r.humidity; });
        for (std::size_t k = 0; k < year.size(); ++k)
            hourly[k] *= MonthOf(climate, year[k]).humidity / means[year[k].month - 1];
    }
    for (std::size_t k = 0; k < year.size(); ++k)
        year[k].humidity = humidity(k);
}

// Daily clearness indices: the month's mean clearness plus the drawn deviation, scaled until
// the month's mean daily sum meets its figure.
std::vector<double> DailyClearness(const ClimateFigures& climate, const std::vector<DayDraw>& draws,
                                   const std::vector<double>& dailyExtraterrestrial) {
    std::vector<double> clearness(kDays);
    int first = 0;
    for (int month = 1; month <= 12; ++month) {
        const int days = DaysInMonth(month);
        const MonthlyFigures& m = climate.months[month - 1];
        double extraterrestrial = 0.0;
        for (int d = first; d < first + days; ++d)
            extraterrestrial += dailyExtraterrestrial[d];
        const double mean = m.irradiation * days / extraterrestrial;
        for (int d = first; d < first + days; ++d)
            clearness[d] = std::clamp(mean + m.clearnessSpread * draws[d].clearness, kMinClearness,
                                      kMaxClearness);
        for (int pass = 0; pass < kCalibrationPasses; ++pass) {
            double sum = 0.0;
            for (int d = first; d < first + days; ++d)
                sum += clearness[d] * dailyExtraterrestrial[d];
            const double factor = m.irradiation * days / sum;
            for (int d = first; d < first + days; ++d)
                clearness[d] = std::clamp(clearness[d] * factor, kMinClearness, kMaxClearness);
        }
        first += days;
    }
    return clearness;
}

// Factor on the hourly clearness indices that brings the day's sum to its target; hours
// capped at the clearest sky pass their share to the others.
double DayScale(const double* kt, const double* extraterrestrial, double sum, double target) {
    if (sum <= 0.0)
        return 0.0;
    double factor = target / sum;
    for (int pass = 0; pass < kCalibrationPasses; ++pass) {
        double reached = 0.0;
        for (int h = 0; h < kHoursPerDay; ++h)
            reached += std::min(kt[h] * factor, kMaxHourlyClearness) * extraterrestrial[h];
        factor *= target / reached;
    }
    return factor;
}

// Hourly clearness wanders about the day's value and is then scaled to keep the day's sum.
void FillSolar(const ClimateFigures& climate, const std::vector<DayDraw>& draws,
               std::vector<HourRecord>& year, Random& random) {
    std::vector<double> extraterrestrial(year.size());
    std::vector<double> daily(kDays, 0.0);
    for (int k = 0; k < static_cast<int>(year.size()); ++k) {
        extraterrestrial[k] = ExtraterrestrialHorizontal(climate, k);
        daily[k / kHoursPerDay] += extraterrestrial[k];
    }
    const std::vector<double> clearness = DailyClearness(climate, draws, daily);
    Autoregression wander(climate.variability.hourlyClearnessLag1);
    for (int d = 0; d < kDays; ++d) {
        double kt[kHoursPerDay] = {};
        double sum = 0.0;
        for (int h = 0; h < kHoursPerDay; ++h) {
            const double g0 = extraterrestrial[d * kHoursPerDay + h];
            if (g0 <= 0.0)
                continue;
            kt[h] = std::clamp(
                clearness[d] + climate.variability.hourlyClearnessSd * wander.Next(random),
                kMinClearness, kMaxHourlyClearness);
            sum += kt[h] * g0;
        }
        const double factor =
            DayScale(kt, &extraterrestrial[d * kHoursPerDay], sum, clearness[d] * daily[d]);
        for (int h = 0; h < kHoursPerDay; ++h) {
            HourRecord& r = year[d * kHoursPerDay + h];
            const double g0 = extraterrestrial[d * kHoursPerDay + h];
            r.global = std::min(kt[h] * factor, kMaxHourlyClearness) * g0;
            const BeamAndDiffuse split = SplitGlobal(r.global, g0, r.altitude);
            r.beam = split.beamNormal;
            r.diffuse = split.diffuse;
        }
    }
}

void FillWind(const ClimateFigures& climate, const std::vector<DayDraw>& draws,
              std::vector<HourRecord>& year, Random& random) {
    const Variability& v = climate.variability;
    Autoregression speed(v.windHourlyLag1);
    Autoregression direction(v.windHourlyLag1);
    for (std::size_t k = 0; k < year.size(); ++k) {
        HourRecord& r = year[k];
        const DayDraw& day = draws[k / kHoursPerDay];
        const MonthlyFigures& m = MonthOf(climate, r);
        const double hourly = v.windHourlySd * speed.Next(random);
        r.windSpeed = m.windSpeed * climate.windShape[r.hour] *
                      std::exp(day.wind - 0.5 * v.windSd * v.windSd + hourly -
                               0.5 * v.windHourlySd * v.windHourlySd);
        r.windDirection = ProgramWindDirection(m.windDirection + day.direction +
                                               v.directionHourlySd * direction.Next(random));
    }
    const auto means = MonthlyMeans(year, [](const HourRecord& r) { return r.windSpeed; });
    for (HourRecord& r : year)
        r.windSpeed *= MonthOf(climate, r).windSpeed / means[r.month - 1];
}

}  // namespace

std::vector<HourRecord> SynthesiseYear(const ClimateFigures& climate) {
    Random random(climate.seed);
    const std::vector<DayDraw> draws = DrawDays(climate.variability, random);
    std::vector<HourRecord> year = EmptyYear();
    FillSun(climate, year);
    FillTemperature(climate, draws, year);
    FillHumidity(climate, draws, year);
    FillSolar(climate, draws, year, random);
    FillWind(climate, draws, year, random);
    return year;
}

}  // namespace porvap::datagen

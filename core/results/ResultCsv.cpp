#include "core/results/ResultCsv.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <functional>
#include <initializer_list>

#include "core/common/FileReplacement.h"
#include "core/engine/SimulationEngine.h"

namespace porvap {

namespace {

constexpr int kDecimals = 6;
constexpr double kSecondsPerHour = 3600.0;
constexpr double kJoulesPerKilowattHour = 3.6e6;
constexpr double kGramHoursPerKilogramSecond = 1000.0 * kSecondsPerHour;

constexpr const char* kHourlyHeader =
    "Month,Day,Hour,Sensible heat to room (W/m2),Latent heat to room (W/m2),"
    "Total heat to room (W/m2),Water vapour to room (g/(m2 h)),Outdoor temperature (degC),"
    "Outdoor relative humidity (fraction),Indoor temperature (degC),"
    "Indoor relative humidity (fraction)\n";

constexpr const char* kMonthlyHeader =
    "Month,Hours,Mean element temperature (degC),Mean element moisture content (% vol),"
    "Sensible heat gain in office hours (kWh/m2),Sensible heat loss in office hours (kWh/m2),"
    "Latent heat gain in office hours (kWh/m2),Latent heat loss in office hours (kWh/m2)\n";

// A month of the summary, or the year.
struct Period {
    double hours = 0.0;
    double temperature = 0.0;                       // degC
    double moisture = 0.0;                          // % vol
    double sensibleGain = 0.0, sensibleLoss = 0.0;  // kWh/m2
    double latentGain = 0.0, latentLoss = 0.0;      // kWh/m2
};

// Appends ",value": shortest exact form when `decimals` is negative. The buffer holds any
// double in fixed notation.
void Append(std::string& line, double value, int decimals = kDecimals) {
    char text[400];
    const std::to_chars_result end =
        decimals < 0
            ? std::to_chars(text, text + sizeof text, value)
            : std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    line += ',';
    line.append(text, end.ptr);
}

std::string Joined(std::string first, std::initializer_list<double> values) {
    for (double value : values)
        Append(first, value);
    return first + '\n';
}

// A table is written whole or not at all: half a table must not pass for one.
bool WriteCsv(const std::string& path, const char* header,
              const std::function<void(std::FILE*)>& rows) {
    return ReplaceFile(path, [&](std::FILE* file) {
        std::fputs(header, file);
        rows(file);
    });
}

std::string HourRow(const HourlyFlow& flow) {
    const std::string date = std::to_string(flow.month) + ',' + std::to_string(flow.day) + ',' +
                             std::to_string(flow.hour);
    return Joined(date, {flow.sensible, flow.latent, flow.sensible + flow.latent,
                         0.0 - flow.vapour * kGramHoursPerKilogramSecond, flow.outdoorTemperature,
                         flow.outdoorHumidity, flow.indoorTemperature, flow.indoorHumidity});
}

std::array<int, 13> StepsPerMonth(const HourlyFlows& flows) {
    std::array<int, 13> steps{};
    for (const HourlyFlow& flow : flows.Rows()) {
        if (flow.month >= 1 && flow.month <= 12)
            ++steps[flow.month];
    }
    return steps;
}

Period MonthOf(const SimulationEngine& engine, int month, int steps) {
    const RunSummary& s = engine.summary;
    const double stepHours = engine.hourly.StepSeconds() / kSecondsPerHour;
    const double k = 1.0 / kJoulesPerKilowattHour;
    return {.hours = steps * stepHours,
            .temperature = s.meanTemperature[month],
            .moisture = 100.0 * s.meanTheta[month],
            .sensibleGain = k * s.qsPos[month],
            .sensibleLoss = 0.0 - k * s.qsNeg[month],
            .latentGain = k * s.qlPos[month],
            .latentLoss = 0.0 - k * s.qlNeg[month]};
}

void AddToYear(Period& year, const Period& month) {
    year.hours += month.hours;
    year.temperature += month.temperature * month.hours;
    year.moisture += month.moisture * month.hours;
    year.sensibleGain += month.sensibleGain;
    year.sensibleLoss += month.sensibleLoss;
    year.latentGain += month.latentGain;
    year.latentLoss += month.latentLoss;
}

std::string PeriodRow(std::string label, const Period& p) {
    Append(label, p.hours, -1);
    return Joined(label, {p.temperature, p.moisture, p.sensibleGain, p.sensibleLoss, p.latentGain,
                          p.latentLoss});
}

void WriteMonths(std::FILE* file, const SimulationEngine& engine) {
    const std::array<int, 13> steps = StepsPerMonth(engine.hourly);
    Period year;
    for (int month = 1; month <= 12; ++month) {
        if (steps[month] == 0)
            continue;
        const Period period = MonthOf(engine, month, steps[month]);
        AddToYear(year, period);
        std::fputs(PeriodRow(std::to_string(month), period).c_str(), file);
    }
    if (year.hours > 0.0) {
        year.temperature /= year.hours;
        year.moisture /= year.hours;
    }
    std::fputs(PeriodRow("Year", year).c_str(), file);
}

}  // namespace

bool WriteHourlyFlowsCsv(const std::string& path, const SimulationEngine& engine) {
    if (!engine.hourly.Complete())
        return false;
    return WriteCsv(path, kHourlyHeader, [&engine](std::FILE* file) {
        for (const HourlyFlow& flow : engine.hourly.Rows())
            std::fputs(HourRow(flow).c_str(), file);
    });
}

bool WriteMonthlySummaryCsv(const std::string& path, const SimulationEngine& engine) {
    if (!engine.hourly.Complete())
        return false;
    return WriteCsv(path, kMonthlyHeader,
                    [&engine](std::FILE* file) { WriteMonths(file, engine); });
}

}  // namespace porvap

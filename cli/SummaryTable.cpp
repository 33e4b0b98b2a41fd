#include "cli/SummaryTable.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace porvap {

namespace {

constexpr const char* kLegend =
    "Gain and cooling: heat the room gains through the element; loss and heating: heat it\n"
    "loses through it. Office hours of working days, as in arq.txt.\n";

using Row = std::vector<std::string>;

const Row kTitles = {"case", "status", "peak gain", "at", "peak loss", "at", "heating", "cooling"};
const Row kUnits = {"", "", "W/m2", "dd/mm hh", "W/m2", "dd/mm hh", "kWh/m2", "kWh/m2"};
constexpr std::size_t kFirstNumber = 2;  // the text columns come first

std::string Number(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// A peak that never occurred keeps the month 0.
std::string Date(const DayHour& date) {
    if (date.month == 0)
        return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d %02d:00", date.day, date.month, date.hour);
    return text;
}

Row Cells(const CaseReport& report) {
    Row row = {report.job.casePath, report.status};
    if (!report.Completed()) {
        row.resize(kTitles.size(), "-");
        return row;
    }
    const CaseOutcome& o = report.outcome;
    constexpr double kWattHoursPerKilo = 1000.0;
    row.insert(row.end(),
               {Number(o.gain.value, 2), Date(o.gain.date), Number(std::fabs(o.loss.value), 2),
                Date(o.loss.date), Number(std::fabs(o.energy.heating) / kWattHoursPerKilo, 3),
                Number(std::fabs(o.energy.cooling) / kWattHoursPerKilo, 3)});
    return row;
}

std::string Line(const Row& row, const std::vector<std::size_t>& widths) {
    std::string line;
    for (std::size_t c = 0; c < row.size(); ++c) {
        const std::string padding(widths[c] - row[c].size(), ' ');
        line += c < kFirstNumber ? row[c] + padding : padding + row[c];
        line += c + 1 < row.size() ? "  " : "";
    }
    line.erase(line.find_last_not_of(' ') + 1);
    return line + '\n';
}

}  // namespace

std::string SummaryTable(const std::vector<CaseReport>& reports) {
    std::vector<Row> rows = {kTitles, kUnits};
    for (const CaseReport& report : reports)
        rows.push_back(Cells(report));
    std::vector<std::size_t> widths(kTitles.size(), 0);
    for (const Row& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], row[c].size());
    }
    std::string table = kLegend;
    for (const Row& row : rows)
        table += Line(row, widths);
    return table;
}

}  // namespace porvap

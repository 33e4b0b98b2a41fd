#include "tools/validation/ReportText.h"

#include <array>

namespace porvap::validation {

std::string DateText(const DayHour& date) {
    static constexpr std::array<const char*, 12> kMonths = {
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    if (date.month < 1 || date.month > 12)
        return "?";
    return std::to_string(date.day) + " " + kMonths[date.month - 1];
}

std::string Picture(const std::set<std::string>& drawn, const char* file, const char* caption) {
    if (!drawn.contains(file))
        return std::string("*(") + caption +
               ": not drawn, porvap-validate was built without Qt)*\n\n";
    return std::string("![") + caption + "](validation/" + file + ")\n\n";
}

}  // namespace porvap::validation

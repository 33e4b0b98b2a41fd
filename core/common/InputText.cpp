#include "core/common/InputText.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace porvap {

namespace {

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

}  // namespace

bool ParseNumber(const std::string& text, double& value) {
    value = std::strtod(text.c_str(), nullptr);
    return value != 0.0 || text.starts_with('0');
}

std::string TrimFileName(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlankOrControl(text[first]))
        ++first;
    while (last > first && IsBlankOrControl(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

bool ParseSectionCount(const std::string& text, int& sections) {
    if (text.empty() || !std::isdigit(static_cast<unsigned char>(text.front())))
        return false;
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || errno == ERANGE || value < 1 || value > INT_MAX)
        return false;
    sections = static_cast<int>(value);
    return true;
}

bool ParseThickness(const std::string& text, float& thickness) {
    char* end = nullptr;
    const float value = std::strtof(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(value) || !(value > 0.0f))
        return false;
    thickness = value;
    return true;
}

bool TruncateToInt(double value, int& result) {
    const double truncated = std::trunc(value);
    if (!(truncated >= INT_MIN && truncated <= INT_MAX))
        return false;
    result = static_cast<int>(truncated);
    return true;
}

float ToSingle(double value) {
    constexpr double kLargest = std::numeric_limits<float>::max();
    if (std::fabs(value) > kLargest)
        return static_cast<float>(std::copysign(std::numeric_limits<float>::infinity(), value));
    return static_cast<float>(value);
}

}  // namespace porvap

#pragma once

#include <cstdio>
#include <set>
#include <string>

#include "core/engine/SimulationEngine.h"

namespace porvap::validation {

// Helpers of the report's text.

template <class... Args>
std::string Format(const char* format, Args... args) {
    const int length = std::snprintf(nullptr, 0, format, args...);
    if (length <= 0)
        return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, args...);
    text.pop_back();
    return text;
}

inline std::string Verdict(bool passes) {
    return passes ? "pass" : "**FAIL**";
}

std::string DateText(const DayHour& date);  // "14 January"
std::string Picture(const std::set<std::string>& drawn, const char* file, const char* caption);

}  // namespace porvap::validation

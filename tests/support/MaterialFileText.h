#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace porvap::test {

template <typename... Values>
std::string Format(const char* format, Values... values) {
    char text[128];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

// A valid material file in parts that a test spoils one at a time. Row i has
// K = 0.5 + 0.01 i; isotherm row k has phi = k step, theta = 0.01 k, slope = 1 + k.
struct MaterialFileText {
    explicit MaterialFileText(std::string materialName = "Brick", int intervals = 10)
        : name(std::move(materialName)) {
        for (int i = 0; i <= 100; ++i) {
            rows.push_back(std::to_string(i) +
                           Format(" %g 1e-11 2e-9 %g %g", 0.5 + 0.01 * i, 3e-11, 4e-9));
        }
        SetIsotherm(intervals);
    }

    void SetIsotherm(int intervals) {
        const double step = 1.2 / intervals;
        header = std::to_string(intervals) + Format(" %g", step);
        isotherm.clear();
        for (int k = 0; k <= intervals; ++k) {
            isotherm.push_back(Format("%.6f %g %g", k * step, 0.01 * k, 1.0 + k));
        }
    }

    std::string Text() const {
        std::string text = marker + eol + name + eol + scalars + eol;
        for (const auto& row : rows)
            text += row + eol;
        text += isothermMarker + eol + header + eol;
        for (const auto& row : isotherm)
            text += row + eol;
        return text;
    }

    std::string marker = "#Porvap file";
    std::string name;
    std::string scalars = "1800 0.25 840";
    std::vector<std::string> rows;
    std::string isothermMarker = "#Isotherms";
    std::string header;
    std::vector<std::string> isotherm;
    std::string eol = "\n";
};

}  // namespace porvap::test

#include "tools/limits/LimitWall.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/climate/Calendar.h"

namespace porvap {

namespace {

// The hour `hours` - 1 after 1 January 00h, as list positions.
DatePositions LastHour(int hours) {
    int day = (hours - 1) / 24;
    int month = 1;
    while (day >= DaysInMonth(month) && month < 12) {
        day -= DaysInMonth(month);
        ++month;
    }
    return {day, month - 1, (hours - 1) % 24};
}

// The template layer with `sections` sections of its own section thickness.
CaseLayer Scaled(const CaseLayer& layer, int sections) {
    const double spacing = std::atof(layer.thickness.c_str()) / std::atoi(layer.sections.c_str());
    char thickness[32];
    std::snprintf(thickness, sizeof thickness, "%.9g", spacing * sections);
    return {layer.material, std::to_string(sections), thickness};
}

}  // namespace

CaseRecord LimitWall(const CaseRecord& base, const LimitRun& run) {
    CaseRecord wall = base;
    if (base.layers.empty())
        return wall;
    const int sections = run.nodes - 1;
    wall.layers.clear();
    for (int l = 0; l < kMaxCaseLayers; ++l) {
        const int share = sections / kMaxCaseLayers + (l < sections % kMaxCaseLayers ? 1 : 0);
        wall.layers.push_back(Scaled(base.layers[l % base.layers.size()], share));
    }
    wall.modelLevel = run.level;
    wall.start = wall.profileStart = {0, 0, 0};
    wall.finish = wall.profileStop = LastHour(run.hours);
    wall.stepByStep = 0;
    wall.profiles = run.profileHours > 0;
    wall.profilesByInterval = 1;
    wall.plottingInterval = std::to_string(run.profileHours);
    return wall;
}

}  // namespace porvap

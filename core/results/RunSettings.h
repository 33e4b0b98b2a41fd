#pragma once

#include <string>
#include <vector>

#include "core/climate/Calendar.h"

namespace porvap {

// What a case window keeps from its inputs for running and charting, besides the engine
// parameters. Written by validation; the initialisers hold until the first one.
struct RunSettings {
    DayHour start{1, 1, 0};
    DayHour finish{31, 12, 23};
    int runDays = 365;
    bool stepByStep = false;
    bool profilesOn = false;
    bool profilesByInterval = false;
    std::vector<std::string> profileDates;  // "01/01 - 00"
    std::string profileStart;               // "01/01 - 00"
    std::string profileStop;
    int profileDays = 0;
    int plottingInterval = 0;  // h
    int plottingCounter = 0;   // h since the last plotted profile
    bool graphicalOutput = true;
    int graph3Days = 7;
};

}  // namespace porvap

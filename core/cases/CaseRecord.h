#pragma once

#include <string>
#include <vector>

#include "core/cases/DateLists.h"

namespace porvap {

// Rows of the layer editor.
inline constexpr int kMaxCaseLayers = 8;

// One layer row as typed, external face first.
struct CaseLayer {
    std::string material;   // catalog name; empty when none is selected
    std::string sections;   // number of sections
    std::string thickness;  // of the layer, m (the editor labels it "Thickness of section")

    bool operator==(const CaseLayer&) const = default;
};

// Every input of a case window, texts as typed and controls as states. The member
// initialisers are the inputs of a new window, except the first layer's material, which
// is the catalog's first name (see DefaultCase).
struct CaseRecord {
    std::vector<CaseLayer> layers{{"", "5", "0.1"}};
    std::string inclination = "90";  // degrees, 90 vertical
    std::string orientation = "0";   // degrees, 0 south, 90 east
    std::string groundReflectance = "0";
    std::string externalPermeance = "200e-12";  // kg/(m2 s Pa)
    std::string internalPermeance = "900e-12";  // kg/(m2 s Pa)
    std::string absorptivity = "0.35";
    int internalFromFile = 1;  // 1 hourly file, 0 constant conditions
    std::string externalFile = ".\\BrazilianWeathers\\floext.pvh";
    bool mainlyHot = true;
    std::string internalFile = ".\\InternalConditions(0HeatGain)\\FLOint0g.pvh";
    std::string internalTemperature = "25";  // degC
    std::string internalHumidity = "80.0";   // %
    bool calculateExternal = false;
    std::string externalCoefficient = "12.4";  // W/(m2 K)
    bool calculateInternal = false;
    std::string internalCoefficient = "3.6";  // W/(m2 K)
    std::string airVelocity = "0.5";          // m/s
    int naturalConvection = 1;                // 1 natural, 0 forced
    DatePositions start{0, 0, 0};
    DatePositions finish{30, 11, 23};
    std::string timeStep = "3600";  // s
    std::string tolerance = "1e-3";
    std::string maxIterations = "150";
    int stepByStep = 0;
    int modelLevel = 5;                    // 0 most complex .. 5 heat conduction only
    std::string moistureContent = "00.0";  // %
    bool profiles = false;
    int profilesByInterval = 1;          // 1 time interval, 0 specific dates
    std::string plottingInterval = "6";  // h
    DatePositions profileStart{0, 0, 0};
    DatePositions profileStop{30, 11, 23};
    DatePositions datePicker{0, 0, 0};
    std::vector<std::string> dates;  // "01/01 - 00"
    int graphicalOutput = 1;
    int graph3Interval = 0;  // position in kGraph3Days

    bool operator==(const CaseRecord&) const = default;
};

inline CaseRecord DefaultCase(const std::string& firstMaterialName) {
    CaseRecord record;
    record.layers.front().material = firstMaterialName;
    return record;
}

}  // namespace porvap

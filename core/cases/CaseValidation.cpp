#include "core/cases/CaseValidation.h"

#include <array>
#include <vector>

#include "core/climate/Calendar.h"
#include "core/climate/ClimateFile.h"
#include "core/common/InputText.h"
#include "core/engine/SimulationEngine.h"
#include "core/materials/MaterialCatalog.h"
#include "core/results/ProfileStore.h"

namespace porvap {

namespace {

struct Control {
    const char* page;
    const char* name;
};

// The day, month and hour lists of one date.
struct DateControls {
    const char* title;
    const char* page;
    std::array<const char*, 3> names;
};

constexpr std::array<const char*, kMaxCaseLayers> kMaterialLists = {
    "ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5",
    "ComboBox6", "ComboBox7", "ComboBox8", "ComboBox18"};
constexpr std::array<const char*, kMaxCaseLayers> kSectionEdits = {
    "Edit16", "Edit17", "Edit18", "Edit19", "Edit20", "Edit21", "Edit22", "Edit23"};
constexpr std::array<const char*, kMaxCaseLayers> kThicknessEdits = {
    "Edit25", "Edit26", "Edit27", "Edit28", "Edit29", "Edit30", "Edit31", "Edit32"};

constexpr DateControls kStartLists{
    "start", kPageSimulation, {"ComboBox1", "ComboBox9", "ComboBox10"}};
constexpr DateControls kFinishLists{
    "finish", kPageSimulation, {"ComboBox11", "ComboBox12", "ComboBox13"}};
constexpr DateControls kProfileStartLists{
    "profile start", kPageReportOptions, {"ComboBox22", "ComboBox23", "ComboBox24"}};
constexpr DateControls kProfileStopLists{
    "profile stop", kPageReportOptions, {"ComboBox25", "ComboBox26", "ComboBox27"}};

constexpr const char* kExternalBelowZero = "External convection coeficient less than zero";
constexpr const char* kInternalBelowZero = "Internal convection coeficient less than zero";

// Air temperatures as far as the Earth's extremes reach; a room beyond them is a typing error.
constexpr double kMinRoomTemperature = -90.0;  // degC
constexpr double kMaxRoomTemperature = 70.0;   // degC

// Beyond this many iterations a step that does not converge only stalls the window.
constexpr int kMaxIterationLimit = 10000;

// The recording pass makes one step fewer than the interval has hour steps, so a shorter
// interval would record nothing.
constexpr double kMinIntervalSteps = 2.0;  // hour steps

bool InPercentRange(double value) {
    return value >= 0.0 && value <= 100.0;
}

int CompareDates(const DayHour& a, const DayHour& b) {
    return porvap::CompareDates(a.day, a.month, a.hour, b.day, b.month, b.hour);
}

int DaysInInterval(const DayHour& start, const DayHour& end) {
    return HoursInInterval(start.day, start.month, start.hour, end.day, end.month, end.hour) / 24;
}

class Validation {
  public:
    Validation(const CaseRecord& inputs, const MaterialCatalog& catalog, SimulationEngine& engine,
               RunSettings& settings)
        : in_(inputs), catalog_(catalog), engine_(engine), settings_(settings) {}

    ValidationResult Run() {
        const bool passed = Layers() && Element() && ExternalFile() && InternalConditions() &&
                            ExternalCoefficient() && ClimateClass() && InternalCoefficient() &&
                            Interval() && Convergence() && Model() && Profiles() && Outputs();
        result_.ok = passed;
        return result_;
    }

  private:
    bool Fail(const std::string& message, Control control, const char* caption = kErrorCaption) {
        result_.message = message;
        result_.caption = caption;
        result_.page = control.page;
        result_.control = control.name;
        return false;
    }

    bool Ask(FlowIntervalQuestion question, const char* message, const char* control) {
        result_.question = question;
        return Fail(message, {kPageReportOptions, control}, kQuestionCaption);
    }

    bool Number(const std::string& text, const char* message, Control control, double& value) {
        return ParseNumber(text, value) || Fail(message, control);
    }

    bool Whole(const std::string& text, const char* message, Control control, int& value) {
        double number = 0.0;
        return Number(text, message, control, number) &&
               (TruncateToInt(number, value) || Fail(message, control));
    }

    bool SetNumber(const std::string& text, const char* message, Control control,
                   void (*setter)(SimulationEngine&, float)) {
        double value = 0.0;
        if (!Number(text, message, control, value))
            return false;
        setter(engine_, ToSingle(value));
        return true;
    }

    bool FileName(const std::string& text, const char* message, Control control,
                  std::optional<std::string>& trimmed) {
        trimmed = TrimFileName(text);
        return !trimmed->empty() || Fail(message, control);
    }

    bool Date(const DatePositions& positions, const DateControls& lists, DayHour& date) {
        static constexpr std::array<const char*, 3> kListNames = {"day", "month", "hour"};
        const DateList invalid = InvalidDateList(positions);
        if (invalid == DateList::None) {
            date = DateAt(positions);
            return true;
        }
        const auto list = static_cast<std::size_t>(invalid);
        return Fail(std::string("Invalid ") + lists.title + " " + kListNames[list],
                    {lists.page, lists.names[list]});
    }

    bool Layers();
    bool Element();
    bool ExternalFile();
    bool InternalConditions();
    bool ExternalCoefficient();
    bool ClimateClass();
    bool InternalCoefficient();
    bool Interval();
    bool Convergence();
    bool Model();
    bool Profiles();
    bool Outputs();

    const CaseRecord& in_;
    const MaterialCatalog& catalog_;
    SimulationEngine& engine_;
    RunSettings& settings_;
    ValidationResult result_;
    DayHour start_, finish_;
    int nodes_ = 0;
};

bool Validation::Layers() {
    const Control firstList{kPageBuildingElement, kMaterialLists[0]};
    if (in_.layers.empty() || in_.layers.size() > kMaxCaseLayers)
        return Fail("Invalid number of layers", firstList);
    std::vector<Layer> layers;
    long long totalSections = 0;
    for (std::size_t i = 0; i < in_.layers.size(); ++i) {
        const CaseLayer& row = in_.layers[i];
        const MaterialRecord* material = catalog_.Record(catalog_.FindMaterialByName(row.material));
        if (!material)
            return Fail("Material not found: " + row.material,
                        {kPageBuildingElement, kMaterialLists[i]});
        int sections = 0;
        const Control sectionEdit{kPageBuildingElement, kSectionEdits[i]};
        if (!ParseSectionCount(row.sections, sections))
            return Fail("Invalid number of sections", sectionEdit);
        totalSections += sections;
        if (totalSections > kMaxElementSections)
            return Fail("Too many sections in the building element (at most " +
                            std::to_string(kMaxElementSections) + " in all)",
                        sectionEdit);
        float thickness = 0.0f;
        if (!ParseThickness(row.thickness, thickness))
            return Fail("Invalid thickness", {kPageBuildingElement, kThicknessEdits[i]});
        layers.emplace_back(material, sections, thickness);
    }
    SetLayers(engine_, std::move(layers));
    nodes_ = static_cast<int>(totalSections) + 1;
    return true;
}

bool Validation::Element() {
    const char* page = kPageBuildingElement;
    double external = 0.0;
    double internal = 0.0;
    if (!SetNumber(in_.orientation, "Invalid building element orientation", {page, "Edit24"},
                   SetOrientation) ||
        !SetNumber(in_.inclination, "Invalid building element angle", {page, "Edit15"},
                   SetInclination) ||
        !SetNumber(in_.groundReflectance, "Invalid reflectance", {page, "Edit33"},
                   SetGroundReflectance) ||
        !Number(in_.externalPermeance, "Invalid external permeance", {page, "Edit34"}, external) ||
        !Number(in_.internalPermeance, "Invalid internal permeance", {page, "Edit35"}, internal)) {
        return false;
    }
    SetPermeances(engine_, ToSingle(external), ToSingle(internal));
    return SetNumber(in_.absorptivity, "Invalid absortivity", {page, "Edit36"}, SetAbsorptivity);
}

bool Validation::ExternalFile() {
    if (!FileName(in_.externalFile, "Enter an external hourly file (.PVH)", {kPageWeather, "Edit2"},
                  result_.externalFile)) {
        return false;
    }
    SetExternalClimateFile(engine_, *result_.externalFile);
    return true;
}

bool Validation::InternalConditions() {
    if (in_.internalFromFile == 1) {
        if (!FileName(in_.internalFile, "Enter an internal hourly file (.PVH)",
                      {kPageWeather, "Edit3"}, result_.internalFile)) {
            return false;
        }
        SetInternalClimateFile(engine_, *result_.internalFile);
        return true;
    }
    const Control humidityEdit{kPageWeather, "Edit5"};
    double temperature = 0.0;  // degC
    double humidity = 0.0;     // %
    const Control temperatureEdit{kPageWeather, "Edit4"};
    if (!Number(in_.internalTemperature, "Invalid temperature", temperatureEdit, temperature))
        return false;
    if (!(temperature >= kMinRoomTemperature && temperature <= kMaxRoomTemperature))
        return Fail("Temperature out of range [-90 to 70 oC]", temperatureEdit);
    if (!Number(in_.internalHumidity, "Invalid relative humidity", humidityEdit, humidity))
        return false;
    if (!InPercentRange(humidity))
        return Fail("Relative humidity out of range", humidityEdit);
    SetConstantInternalConditions(engine_, 1, ToSingle(temperature), ToSingle(humidity * 0.01));
    return true;
}

// A typed negative coefficient would reach the engine as "computed" and skip the layout
// check below, so it is refused like zero.
bool Validation::ExternalCoefficient() {
    const Control fileEdit{kPageWeather, "Edit2"};
    const Control coefficientEdit{kPageWeather, "Edit1"};
    const int layout = DetectClimateLayout(*result_.externalFile);
    if (layout == -1)
        return Fail("Invalid external hourly file", fileEdit);
    SetClimateLayout(engine_, layout);
    double he = -1.0;  // W/(m2 K); negative asks for the computed coefficient
    if (in_.calculateExternal) {
        if (layout != 3)
            return Fail(
                "External hourly file has old format\nCannot be used to calculate external "
                "convection coeficient",
                fileEdit);
    } else {
        if (!Number(in_.externalCoefficient, "Invalid external convection coeficient",
                    coefficientEdit, he)) {
            return false;
        }
        if (!(he >= 0.0))
            return Fail(kExternalBelowZero, coefficientEdit);
    }
    return SetExternalCoefficient(engine_, ToSingle(he)) == 0 ||
           Fail(kExternalBelowZero, coefficientEdit);
}

bool Validation::ClimateClass() {
    SetClimateClass(engine_, in_.mainlyHot ? 1 : 2);
    return true;
}

bool Validation::InternalCoefficient() {
    if (!in_.calculateInternal) {
        const Control coefficientEdit{kPageWeather, "Edit6"};
        double hi = 0.0;  // W/(m2 K)
        if (!Number(in_.internalCoefficient, "Invalid internal convection coeficient",
                    coefficientEdit, hi)) {
            return false;
        }
        return (hi >= 0.0 && SetInternalCoefficient(engine_, ToSingle(hi)) == 0) ||
               Fail(kInternalBelowZero, coefficientEdit);
    }
    SetInternalCoefficient(engine_, -1.0f);
    SetInternalNatural(engine_, in_.naturalConvection == 1 ? 1 : 0);
    if (in_.naturalConvection == 1)
        return true;
    const Control velocityEdit{kPageWeather, "Edit14"};
    double velocity = 0.0;  // m/s
    return Number(in_.airVelocity, "Invalid air velocity", velocityEdit, velocity) &&
           (SetForcedConvection(engine_, 0.0f, 0.0f, ToSingle(velocity)) == 0 ||
            Fail("Invalid air velocity", velocityEdit));
}

bool Validation::Interval() {
    if (!Date(in_.start, kStartLists, start_) || !Date(in_.finish, kFinishLists, finish_))
        return false;
    settings_.start = start_;
    settings_.finish = finish_;
    if (SetDates(engine_, start_, finish_) != 0)
        return Fail("Erro no intervalo. Nao deveria ocorrer",
                    {kPageSimulation, kFinishLists.names[0]}, "Err\u00e3o!!!");
    if (CountHourSteps(start_.day, start_.month, start_.hour, finish_.day, finish_.month,
                       finish_.hour) < kMinIntervalSteps) {
        return Fail(
            "Simulation interval too short\nThe finish must be at least two hours after "
            "the start",
            {kPageSimulation, kFinishLists.names[0]});
    }
    settings_.runDays = DaysInInterval(start_, finish_);
    return true;
}

bool Validation::Convergence() {
    const char* page = kPageSimulation;
    const Control toleranceEdit{page, "Edit8"};
    const Control iterationsEdit{page, "Edit9"};
    double tolerance = 0.0;
    int iterations = 0;
    if (!SetNumber(in_.timeStep, "Invalid time step", {page, "Edit7"}, SetTimeStep) ||
        !Number(in_.tolerance, "Invalid convergency criteria", toleranceEdit, tolerance)) {
        return false;
    }
    if (!(tolerance > 0.0))
        return Fail("Convergency criteria must be greater than zero", toleranceEdit);
    SetTolerance(engine_, tolerance);
    if (!Whole(in_.maxIterations, "Invalid maximum number of iterations", iterationsEdit,
               iterations)) {
        return false;
    }
    if (iterations > kMaxIterationLimit)
        return Fail("Maximum number of iterations too large (at most 10000)", iterationsEdit);
    SetMaxIterations(engine_, iterations);
    return true;
}

bool Validation::Model() {
    SetModelLevel(engine_, in_.modelLevel >= 0 && in_.modelLevel <= 4 ? in_.modelLevel : 5);
    settings_.stepByStep = in_.stepByStep == 1;
    const Control moistureEdit{kPageSimulation, "Edit10"};
    double moisture = 0.0;  // %
    if (!Number(in_.moistureContent, "Invalid humidity content", moistureEdit, moisture))
        return false;
    if (!InPercentRange(moisture))
        return Fail("Humidity content out of range [0-100]", moistureEdit);
    SetFixedMoisture(engine_, ToSingle(moisture * 0.01));
    return true;
}

// The flow-interval questions come whatever the profile settings.
bool Validation::Profiles() {
    settings_.profileDates = in_.dates;
    settings_.profilesOn = in_.profiles;
    SetProfileOutput(engine_, in_.profiles ? 1 : 0);
    settings_.profilesByInterval = in_.profilesByInterval == 1;
    DayHour profileStart, profileStop;
    if (!Date(in_.profileStart, kProfileStartLists, profileStart) ||
        !Date(in_.profileStop, kProfileStopLists, profileStop)) {
        return false;
    }
    settings_.profileStart = DateLabel(profileStart);
    settings_.profileStop = DateLabel(profileStop);
    if (CompareDates(start_, profileStart) > 0)
        return Ask(FlowIntervalQuestion::StartDate,
                   "Starting date of flow interval is less than starting date of simulation\n"
                   "Change starting date of flow interval?",
                   kProfileStartLists.names[0]);
    if (CompareDates(finish_, profileStop) < 0)
        return Ask(FlowIntervalQuestion::StopDate,
                   "Ending date of flow interval is bigger than ending date of simulation\n"
                   "Change ending date of flow interval?",
                   kProfileStopLists.names[0]);
    settings_.profileDays = DaysInInterval(profileStart, profileStop);
    return true;
}

// Profiles by time interval divide by the plotting interval, so there it must be at
// least one hour.
bool Validation::Outputs() {
    const Control hoursEdit{kPageReportOptions, "Edit11"};
    int hours = 0;
    if (!Whole(in_.plottingInterval, "Invalid number of hours", hoursEdit, hours))
        return false;
    if (in_.profiles && in_.profilesByInterval == 1 && hours < 1)
        return Fail("Invalid number of hours", hoursEdit);
    settings_.plottingInterval = hours;
    settings_.plottingCounter = hours;
    settings_.graphicalOutput = in_.graphicalOutput != 0;
    if (in_.graph3Interval < 0 || in_.graph3Interval >= static_cast<int>(kGraph3Days.size()))
        return Fail("Invalid plotting interval (graph 3)", {kPageReportOptions, "ComboBox17"});
    settings_.graph3Days = kGraph3Days[in_.graph3Interval];
    const bool keepsProfiles = settings_.graphicalOutput && settings_.profilesOn;
    if (keepsProfiles && !ProfileStore::Fits(ProfileStore::CapacityFor(settings_), nodes_))
        return Fail(
            "Too many profiles to keep for this many nodes\nChoose fewer profile dates, more "
            "hours between profiles or a shorter flow interval",
            hoursEdit);
    return true;
}

}  // namespace

ValidationResult ValidateAndSetUp(const CaseRecord& inputs, const MaterialCatalog& catalog,
                                  SimulationEngine& engine, RunSettings& settings) {
    return Validation(inputs, catalog, engine, settings).Run();
}

void ApplyFlowIntervalCorrection(CaseRecord& inputs, FlowIntervalQuestion question) {
    if (question == FlowIntervalQuestion::StartDate)
        inputs.profileStart = inputs.start;
    else if (question == FlowIntervalQuestion::StopDate)
        inputs.profileStop = inputs.finish;
}

}  // namespace porvap

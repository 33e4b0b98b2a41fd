#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "core/cases/CaseValidation.h"
#include "core/engine/SimulationEngine.h"
#include "core/materials/MaterialCatalog.h"
#include "core/materials/MaterialFile.h"

namespace porvap {
namespace {

// First lines of external hourly files: 11 fields (wind included) and 6 fields.
const std::string kWindLayout = "25.0 0.8 100.0 50.0 30.0 90.0 2.0 180.0 1 1 0\n";
const std::string kOldLayout = "25.0 0.8 100.0 1 1 0\n";

class CaseValidationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"Brick", "Mortar"}) {
            ConstantMaterialTexts texts = DefaultConstantMaterialTexts();
            texts.name = name;
            const std::string path = std::string(name) + ".dat";
            ASSERT_TRUE(WriteConstantMaterialFile(texts, path));
            ASSERT_TRUE(LoadMaterialFile(catalog_, path));
            catalog_.AppendEntry(name, path);
        }
        std::filesystem::create_directory("BrazilianWeathers");
        test::WriteFile("BrazilianWeathers/floext.pvh", kWindLayout);
        test::WriteFile("old.pvh", kOldLayout);
        inputs_.layers.push_back({"mortar", "3", "0.02"});
    }

    ValidationResult Validate() {
        ResetDefaults(*engine_);
        return ValidateAndSetUp(inputs_, catalog_, *engine_, settings_);
    }

    const EngineParameters& Params() const { return engine_->params; }

    void ExpectRefusal(const std::string& message, const std::string& page,
                       const std::string& control) {
        const ValidationResult result = Validate();
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, message);
        EXPECT_EQ(result.caption, "Error!") << message;
        EXPECT_EQ(result.page, page) << message;
        EXPECT_EQ(result.control, control) << message;
    }

    test::ScratchDir scratch_;
    MaterialCatalog catalog_;
    std::unique_ptr<SimulationEngine> engine_ = CreateEngine(nullptr);
    RunSettings settings_;
    CaseRecord inputs_ = DefaultCase("Brick");
};

TEST_F(CaseValidationTest, DefaultCaseSetsEngineAndRunSettings) {
    const ValidationResult result = Validate();
    ASSERT_TRUE(result.ok) << result.message;
    const EngineParameters& p = Params();
    ASSERT_EQ(engine_->layers.size(), 2u);
    EXPECT_EQ(engine_->layers[0].Material(), catalog_.Record(0));
    EXPECT_EQ(engine_->layers[0].Sections(), 5);
    EXPECT_TRUE(test::Near(engine_->layers[0].Thickness(), 0.1, 1e-6));
    EXPECT_EQ(engine_->layers[1].Material(), catalog_.Record(1));
    EXPECT_FLOAT_EQ(p.inclination, 90.0f);
    EXPECT_FLOAT_EQ(p.pe, 200e-12f);
    EXPECT_FLOAT_EQ(p.absorptivity, 0.35f);
    EXPECT_EQ(p.externalFile, ".\\BrazilianWeathers\\floext.pvh");
    EXPECT_EQ(p.internalFile, ".\\InternalConditions(0HeatGain)\\FLOint0g.pvh");
    EXPECT_EQ(p.climateLayout, 3);
    EXPECT_FLOAT_EQ(p.he, 12.4f);
    EXPECT_EQ(p.externalComputed, 0);
    EXPECT_FLOAT_EQ(p.hi, 3.6f);
    EXPECT_EQ(p.climateClass, 1);
    EXPECT_FLOAT_EQ(p.timeStep, 3600.0f);
    EXPECT_DOUBLE_EQ(p.tolerance, 1e-3);
    EXPECT_EQ(p.maxIterations, 150);
    EXPECT_EQ(p.modelLevel, 5);
    EXPECT_EQ(p.profileOutput, 0);
    EXPECT_EQ(settings_.runDays, 365);
    EXPECT_EQ(settings_.profileStart, "01/01 - 00");
    EXPECT_EQ(settings_.profileStop, "31/12 - 23");
    EXPECT_EQ(settings_.profileDays, 365);
    EXPECT_EQ(settings_.plottingInterval, 6);
    EXPECT_EQ(settings_.plottingCounter, 6);
    EXPECT_EQ(settings_.graph3Days, 7);
    EXPECT_EQ(result.externalFile, p.externalFile);
}

const char* const be = kPageBuildingElement;
const char* const we = kPageWeather;
const char* const si = kPageSimulation;
const char* const ro = kPageReportOptions;

struct TextRefusal {
    std::string CaseRecord::*field;
    const char* text;
    const char* message;
    const char* page;
    const char* control;
};

struct Refusal {
    std::function<void(CaseRecord&)> change;
    const char* message;
    const char* page;
    const char* control;
};

TEST_F(CaseValidationTest, RefusedTextNamesItsPageAndControl) {
    const std::vector<TextRefusal> refusals = {
        {&CaseRecord::orientation, "abc", "Invalid building element orientation", be, "Edit24"},
        {&CaseRecord::inclination, "", "Invalid building element angle", be, "Edit15"},
        {&CaseRecord::groundReflectance, " 0", "Invalid reflectance", be, "Edit33"},
        {&CaseRecord::externalPermeance, "-0", "Invalid external permeance", be, "Edit34"},
        {&CaseRecord::internalPermeance, ".0", "Invalid internal permeance", be, "Edit35"},
        {&CaseRecord::absorptivity, "x", "Invalid absortivity", be, "Edit36"},
        {&CaseRecord::externalFile, " \t ", "Enter an external hourly file (.PVH)", we, "Edit2"},
        {&CaseRecord::internalFile, "", "Enter an internal hourly file (.PVH)", we, "Edit3"},
        {&CaseRecord::externalFile, "missing.pvh", "Invalid external hourly file", we, "Edit2"},
        {&CaseRecord::externalCoefficient, "h", "Invalid external convection coeficient", we,
         "Edit1"},
        {&CaseRecord::externalCoefficient, "0", "External convection coeficient less than zero", we,
         "Edit1"},
        {&CaseRecord::externalCoefficient, "-3", "External convection coeficient less than zero",
         we, "Edit1"},
        {&CaseRecord::internalCoefficient, "h", "Invalid internal convection coeficient", we,
         "Edit6"},
        {&CaseRecord::internalCoefficient, "0.0", "Internal convection coeficient less than zero",
         we, "Edit6"},
        {&CaseRecord::timeStep, "", "Invalid time step", si, "Edit7"},
        {&CaseRecord::tolerance, "abc", "Invalid convergency criteria", si, "Edit8"},
        {&CaseRecord::tolerance, "0", "Convergency criteria must be greater than zero", si,
         "Edit8"},
        {&CaseRecord::tolerance, "-1e-3", "Convergency criteria must be greater than zero", si,
         "Edit8"},
        {&CaseRecord::maxIterations, "1e20", "Invalid maximum number of iterations", si, "Edit9"},
        {&CaseRecord::maxIterations, "10001",
         "Maximum number of iterations too large (at most 10000)", si, "Edit9"},
        {&CaseRecord::moistureContent, "w", "Invalid humidity content", si, "Edit10"},
        {&CaseRecord::moistureContent, "100.5", "Humidity content out of range [0-100]", si,
         "Edit10"},
        {&CaseRecord::plottingInterval, "h", "Invalid number of hours", ro, "Edit11"},
    };
    for (const TextRefusal& refusal : refusals) {
        inputs_ = DefaultCase("Brick");
        inputs_.*refusal.field = refusal.text;
        ExpectRefusal(refusal.message, refusal.page, refusal.control);
    }
}

TEST_F(CaseValidationTest, RefusedStateNamesItsPageAndControl) {
    // One hour step or none: the recording pass would record nothing.
    const char* const kTooShort =
        "Simulation interval too short\nThe finish must be at least two hours after the start";
    const std::vector<Refusal> refusals = {
        {[](CaseRecord& r) { r.layers.clear(); }, "Invalid number of layers", be, "ComboBox2"},
        {[](CaseRecord& r) { r.layers[1].material = "Stone"; }, "Material not found: Stone", be,
         "ComboBox3"},
        {[](CaseRecord& r) { r.layers[0].sections = "0"; }, "Invalid number of sections", be,
         "Edit16"},
        {[](CaseRecord& r) { r.layers[1].sections = "2.5"; }, "Invalid number of sections", be,
         "Edit17"},
        {[](CaseRecord& r) { r.layers[0].sections = "19998", r.layers[1].sections = "3"; },
         "Too many sections in the building element (at most 20000 in all)", be, "Edit17"},
        {[](CaseRecord& r) { r.layers[1].thickness = "0"; }, "Invalid thickness", be, "Edit26"},
        {[](CaseRecord& r) { r.internalTemperature = "t"; }, "Invalid temperature", we, "Edit4"},
        {[](CaseRecord& r) { r.internalTemperature = "-300"; },
         "Temperature out of range [-90 to 70 oC]", we, "Edit4"},
        {[](CaseRecord& r) { r.internalTemperature = "70.5"; },
         "Temperature out of range [-90 to 70 oC]", we, "Edit4"},
        {[](CaseRecord& r) { r.internalHumidity = "h"; }, "Invalid relative humidity", we, "Edit5"},
        {[](CaseRecord& r) { r.internalHumidity = "100.5"; }, "Relative humidity out of range", we,
         "Edit5"},
        {[](CaseRecord& r) { r.internalHumidity = "-0.5"; }, "Relative humidity out of range", we,
         "Edit5"},
        {[](CaseRecord& r) { r.externalFile = "old.pvh", r.calculateExternal = true; },
         "External hourly file has old format\nCannot be used to calculate external convection "
         "coeficient",
         we, "Edit2"},
        {[](CaseRecord& r) { r.calculateInternal = true, r.naturalConvection = 0; },
         "Invalid air velocity", we, "Edit14"},
        {[](CaseRecord& r) { r.start.month = 12; }, "Invalid start month", si, "ComboBox9"},
        {[](CaseRecord& r) { r.start.day = 31; }, "Invalid start day", si, "ComboBox1"},
        {[](CaseRecord& r) { r.start.hour = -1; }, "Invalid start hour", si, "ComboBox10"},
        {[](CaseRecord& r) {
             r.finish = {28, 1, 0};
         },
         "Invalid finish day", si, "ComboBox11"},
        {[](CaseRecord& r) { r.finish = r.start; }, kTooShort, si, "ComboBox11"},
        {[](CaseRecord& r) {
             r.finish = {0, 0, 1};
         },
         kTooShort, si, "ComboBox11"},
        {[](CaseRecord& r) { r.profileStart.day = -1; }, "Invalid profile start day", ro,
         "ComboBox22"},
        {[](CaseRecord& r) { r.profileStop.hour = 24; }, "Invalid profile stop hour", ro,
         "ComboBox27"},
        {[](CaseRecord& r) { r.profiles = true, r.plottingInterval = "0.5"; },
         "Invalid number of hours", ro, "Edit11"},
        {[](CaseRecord& r) { r.graph3Interval = 6; }, "Invalid plotting interval (graph 3)", ro,
         "ComboBox17"},
    };
    for (const Refusal& refusal : refusals) {
        inputs_ = DefaultCase("Brick");
        inputs_.layers.push_back({"Mortar", "3", "0.02"});
        inputs_.internalFromFile = 0;
        inputs_.airVelocity = "-1";
        refusal.change(inputs_);
        ExpectRefusal(refusal.message, refusal.page, refusal.control);
    }
}

TEST_F(CaseValidationTest, IntervalRefusedByEngineHasItsOwnCaption) {
    inputs_.start = {0, 5, 0};
    inputs_.finish = {0, 0, 0};
    const ValidationResult result = Validate();
    EXPECT_EQ(result.message, "Erro no intervalo. Nao deveria ocorrer");
    EXPECT_EQ(result.caption, "Errão!!!");
    EXPECT_FALSE(result.ok);
}

TEST_F(CaseValidationTest, NumbersFollowTheLeadingZeroRule) {
    for (const char* text : {"0", "0.0", "00.0", "0abc"}) {
        inputs_.orientation = text;
        EXPECT_TRUE(Validate().ok) << text;
        EXPECT_EQ(Params().orientation, 0.0f) << text;
    }
    for (const char* text : {"", "abc", " 0", "-0", ".0"}) {
        inputs_.orientation = text;
        EXPECT_EQ(Validate().control, "Edit24") << text;
    }
    inputs_.orientation = "12abc";
    inputs_.maxIterations = "150.9";
    inputs_.externalPermeance = " 3e-11";
    ASSERT_TRUE(Validate().ok);
    EXPECT_EQ(Params().orientation, 12.0f);
    EXPECT_EQ(Params().maxIterations, 150);
    EXPECT_FLOAT_EQ(Params().pe, 3e-11f);
}

TEST_F(CaseValidationTest, RangesAcceptTheirBounds) {
    inputs_.internalFromFile = 0;
    inputs_.maxIterations = "10000";
    inputs_.finish = inputs_.profileStop = {0, 0, 2};  // two hour steps record one
    for (const auto& [bound, temperature] : {std::pair{"0", "-90"}, std::pair{"100", "70"}}) {
        inputs_.internalTemperature = temperature;
        inputs_.internalHumidity = bound;
        inputs_.moistureContent = bound;
        const ValidationResult result = Validate();
        ASSERT_TRUE(result.ok) << result.message;
        EXPECT_EQ(Params().maxIterations, 10000);
        EXPECT_EQ(Params().constantInternal, 1);
        EXPECT_DOUBLE_EQ(Params().constantInternalTemperature, std::atof(temperature));
        EXPECT_FLOAT_EQ(static_cast<float>(Params().constantInternalHumidity),
                        std::atof(bound) * 0.01f);
        EXPECT_FLOAT_EQ(Params().fixedMoisture, std::atof(bound) * 0.01f);
    }
}

TEST_F(CaseValidationTest, ComputedCoefficients) {
    inputs_.calculateExternal = true;
    inputs_.calculateInternal = true;
    ASSERT_TRUE(Validate().ok);
    EXPECT_EQ(Params().externalComputed, 1);
    EXPECT_EQ(Params().internalComputed, 1);
    EXPECT_EQ(Params().internalNatural, 1);

    inputs_.naturalConvection = 0;
    inputs_.airVelocity = "2";
    ASSERT_TRUE(Validate().ok);
    EXPECT_EQ(Params().internalNatural, 0);
    EXPECT_FLOAT_EQ(Params().forcedInputs[2], 2.0f);
    EXPECT_TRUE(test::Near(Params().hi, (0.99 + 0.21 * 3.280839895013123 * 2) * 5.678, 1e-5));
}

TEST_F(CaseValidationTest, FileNamesAreTrimmedAndReturned) {
    inputs_.externalFile = " \t.\\BrazilianWeathers\\floext.pvh  ";
    inputs_.internalFile = "  room.pvh\r";
    const ValidationResult result = Validate();
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(result.externalFile, ".\\BrazilianWeathers\\floext.pvh");
    EXPECT_EQ(result.internalFile, "room.pvh");
    EXPECT_EQ(Params().internalFile, "room.pvh");

    inputs_.internalFromFile = 0;
    EXPECT_FALSE(Validate().internalFile.has_value());
}

TEST_F(CaseValidationTest, FlowIntervalQuestionsAndTheirCorrections) {
    struct Question {
        FlowIntervalQuestion question;
        std::string control;
        std::string message;
    };
    inputs_.start = {0, 1, 0};     // 01/02 00
    inputs_.finish = {29, 10, 5};  // 30/11 05
    for (const Question& expected :
         {Question{FlowIntervalQuestion::StartDate, "ComboBox22",
                   "Starting date of flow interval is less than starting date of simulation\n"
                   "Change starting date of flow interval?"},
          Question{FlowIntervalQuestion::StopDate, "ComboBox25",
                   "Ending date of flow interval is bigger than ending date of simulation\n"
                   "Change ending date of flow interval?"}}) {
        const ValidationResult result = Validate();
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.question, expected.question);
        EXPECT_EQ(result.message, expected.message);
        EXPECT_EQ(result.caption, "Porvap 2.0");
        EXPECT_EQ(result.page, "Report Opt.");
        EXPECT_EQ(result.control, expected.control);
        ApplyFlowIntervalCorrection(inputs_, result.question);
    }
    EXPECT_EQ(inputs_.profileStart, inputs_.start);
    EXPECT_EQ(inputs_.profileStop, inputs_.finish);
    ASSERT_TRUE(Validate().ok);
    EXPECT_EQ(settings_.profileStart, "01/02 - 00");
    EXPECT_EQ(settings_.profileStop, "30/11 - 05");
    EXPECT_EQ(settings_.runDays, settings_.profileDays);
    EXPECT_EQ(settings_.runDays, 302);
}

}  // namespace
}  // namespace porvap

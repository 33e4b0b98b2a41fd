#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>

#include "core/climate/Calendar.h"
#include "core/climate/Psychrometrics.h"
#include "core/common/FileReplacement.h"
#include "core/engine/Boundary.h"
#include "core/engine/MonthEnd.h"
#include "core/engine/Run.h"
#include "core/engine/SimulationEngine.h"

namespace porvap {

namespace {

constexpr double kInitialTheta = 0.03;  // m3/m3
constexpr double kInitialT = 20.0;      // degC
constexpr float kJoulesToWattHours = 1.0f / 3600.0f;

// All five or none: a run without one of them would leave it from an earlier run beside the
// others. arq.txt, whose summary ends a complete run, comes last and takes its place last.
bool CreateResultFiles(SimulationEngine& engine) {
    RunFiles& f = engine.files;
    f.folder = std::make_unique<ResultFolder>();
    if (!f.folder->Hold(engine.params.outputDirectory, engine.params.caseName))
        return false;
    const std::pair<FileHandle*, const char*> files[] = {{&f.hext, "hext.txt"},
                                                         {&f.hint, "hint.txt"},
                                                         {&f.flux, "flux.txt"},
                                                         {&f.perfis, "perfis.txt"},
                                                         {&f.arq, "arq.txt"}};
    for (const auto& [file, name] : files) {
        *file = f.folder->Create(name);
        if (!*file)
            return false;
    }
    return true;
}

void WriteHeaders(SimulationEngine& engine) {
    RunFiles& f = engine.files;
    const EngineParameters& p = engine.params;
    std::fputs(p.profileOutput ? "Date, flow of latent heat, flow of sensible heat, flow of mass\n"
                               : "Not generated",
               f.flux.get());
    if (p.externalComputed == 0)
        std::fputs("Not generated", f.hext.get());
    if (p.internalComputed == 0) {
        std::fputs("Not generated", f.hint.get());
    } else if (p.internalNatural == 1) {
        std::fputs("Natural coeficient\n", f.hint.get());
    } else {
        std::fputs("Forced coeficient (constant)\n", f.hint.get());
        std::fprintf(f.hint.get(), "%3.25f\n", p.hi);
    }
    std::fputs("\n VI & VUV \n\n", f.arq.get());
    std::fputs("\n PROFILES \n\n", f.perfis.get());
    std::fprintf(f.arq.get(), "\ncity = %d   model =%d\n==========\n", p.climateClass,
                 p.modelLevel);
}

void ResetAccumulators(SimulationEngine& engine) {
    RunSummary& s = engine.summary;
    s.sumTheta = s.sumTemperature = 0.0;
    s.monthSteps = 0;
    s.sensiblePos = s.sensibleNeg = s.latentPos = s.latentNeg = 0.0f;
    // An engine kept for the next run must not carry this run's months into a shorter one.
    for (MonthlyArray* month :
         {&s.meanTheta, &s.meanTemperature, &s.qsPos, &s.qsNeg, &s.qlPos, &s.qlNeg})
        month->fill(0.0f);
    s.positive = Peak{};
    s.negative = Peak{};
    s.dayCounter = 1;
    engine.boundary.subStepCounter = 0.0f;
    engine.boundary.current.month = 0;
}

void SetLinearisation(SimulationEngine& engine) {
    const bool mainlyHot = engine.params.climateClass == 1;
    engine.boundary.linA = mainlyHot ? 0.77467f : 0.58076f;
    engine.boundary.linB = mainlyHot ? -220.05579f : -162.01559f;
}

void SetInitialState(SimulationEngine& engine) {
    for (auto* field : {&engine.thetaNew, &engine.thetaIt, &engine.thetaOld})
        field->assign(field->size(), kInitialTheta);
    for (auto* field : {&engine.tNew, &engine.tIt, &engine.tOld})
        field->assign(field->size(), kInitialT);
}

}  // namespace

int StartRun(SimulationEngine& engine) {
    CloseRun(engine);  // one left open gives up its folder first
    RunState& run = engine.run;
    run.maxTheta0 = -1.0f;
    run.maxT0 = -999.0f;
    run.minTheta0 = 100.0f;
    run.minT0 = 999.0f;
    run.pass = 0;
    run.note.clear();
    run.drainedWater = 0.0;
    engine.summary.paint = 1;
    engine.hourly.Clear();
    if (!CreateResultFiles(engine)) {
        CloseRun(engine);
        return kOutputFilesFailed;
    }
    WriteHeaders(engine);
    const int opened = OpenClimate(engine);
    if (opened != 0) {
        CloseRun(engine);
        return opened;
    }
    run.elapsed += 2.0f * engine.params.timeStep;
    ResetAccumulators(engine);
    SetLinearisation(engine);
    if (engine.params.modelLevel >= 3)
        FillFixedProperties(engine, engine.params.fixedMoisture);
    SetInitialState(engine);
    return 0;
}

int RoomHeatFlows(SimulationEngine& engine) {
    BoundaryState& b = engine.boundary;
    const double surfaceT = engine.tNew[engine.n];
    b.sensibleFlow = (surfaceT - b.internalTemperature) * engine.params.hi;
    if (SurfaceFluxes(engine) < 0)
        return -1;
    b.latentFlow = -LatentHeat(static_cast<float>(surfaceT)) * b.gi;
    const double total = b.sensibleFlow + b.latentFlow;
    const DayHour now{b.current.day, b.current.month, b.current.hour};
    RunSummary& s = engine.summary;
    if (total > 0.0 && total > s.positive.value) {
        s.positive = Peak{total, b.latentFlow / total, now};
    }
    if (total <= 0.0 && std::fabs(total) > std::fabs(s.negative.value)) {
        s.negative = Peak{total, b.latentFlow / total, now};
    }
    return 0;
}

void CloseMonthMeans(SimulationEngine& engine, int month) {
    RunSummary& s = engine.summary;
    s.meanTheta[month] = static_cast<float>(s.sumTheta / s.monthSteps);
    s.meanTemperature[month] = static_cast<float>(s.sumTemperature / s.monthSteps);
    s.sumTheta = s.sumTemperature = 0.0;
    s.monthSteps = 0;
}

void CloseMonthEnergies(SimulationEngine& engine, int month) {
    RunSummary& s = engine.summary;
    s.qsPos[month] = s.sensiblePos;
    s.qsNeg[month] = s.sensibleNeg;
    s.qlPos[month] = s.latentPos;
    s.qlNeg[month] = s.latentNeg;
    s.sensiblePos = s.sensibleNeg = s.latentPos = s.latentNeg = 0.0f;
}

void ReportMonth(SimulationEngine& engine, int month) {
    if (!engine.owner)
        return;
    const RunSummary& s = engine.summary;
    engine.owner->MonthlyMeans(s.meanTheta, s.meanTemperature, month);
    engine.owner->MonthlyGains(month, s.qsPos[month], s.qlPos[month]);
    engine.owner->MonthlyLosses(month, s.qsNeg[month], s.qlNeg[month]);
}

namespace {

void WritePeaks(std::FILE* arq, const RunSummary& s) {
    std::fprintf(arq,
                 "\nPOSITIVE(cooling): Qpico_pos = %f W/m^2  rate_pos_Heat(Ql/Qt) = %f   DATE: "
                 "%d/%d-%d h\n",
                 s.positive.value, s.positive.ratio, s.positive.date.day, s.positive.date.month,
                 s.positive.date.hour);
    std::fprintf(arq,
                 "NEGATIVE(heating): Qpico_neg = %f W/m^2  rate_neg_Heat(Ql/Qt) = %f   DATE: "
                 "%d/%d-%d h\n",
                 s.negative.value, s.negative.ratio, s.negative.date.day, s.negative.date.month,
                 s.negative.date.hour);
    std::fputs(
        "\nmth Qs_monthly_pos-kWh Qs_monthly_neg-kWh Ql_monthly_pos-kWh Ql_monthly_neg-kWh "
        "Teta_mass_average(% vol) Average_temp(C)",
        arq);
}

// A share of nothing is written as 0 rather than a NaN or an infinity.
double Share(double part, double whole) {
    return whole == 0.0 ? 0.0 : part / whole;
}

void WriteYear(std::FILE* arq, const SimulationEngine& engine) {
    const RunSummary& s = engine.summary;
    const bool conduction = engine.params.modelLevel == 5;
    const bool mainlyHot = engine.params.climateClass == 1;
    const float k = kJoulesToWattHours;
    int latent = 0;
    for (int m = 1; m <= 12; ++m) {
        if (conduction) {
            std::fprintf(arq, "\n%d %e %e %6.4f", m, k * s.qsPos[m], k * s.qsNeg[m],
                         s.meanTemperature[m]);
            continue;
        }
        latent = static_cast<int>(latent + k * s.qlPos[m]);
        if (!mainlyHot)
            latent = static_cast<int>(latent + k * s.qlNeg[m]);
        std::fprintf(arq, "\n%d %e %e %e %e %6.4f %6.4f", m, k * s.qsPos[m], k * s.qsNeg[m],
                     k * s.qlPos[m], k * s.qlNeg[m], 100.0f * s.meanTheta[m], s.meanTemperature[m]);
    }
    const auto [cooling, heating] = AnnualEnergies(engine);
    std::fprintf(arq, "\n\ncooling_anual_energy=%e kW \nheating_anual_energy=%e kW\n", cooling,
                 heating);
    const Peak& peak = mainlyHot ? s.positive : s.negative;
    const double annual = mainlyHot ? cooling : heating;
    std::fprintf(arq, "%f\n\n%d/%d-%dh\n%f\n", peak.value, peak.date.day, peak.date.month,
                 peak.date.hour, conduction ? 0.0 : peak.ratio);
    std::fprintf(arq, "%f\n\n%f\n\nend", annual, conduction ? 0.0 : Share(latent, annual));
}

// Every result file whole on disk before any takes the place of the previous one.
bool PublishResults(SimulationEngine& engine) {
    RunFiles& f = engine.files;
    if (!f.folder)
        return false;
    bool written = true;
    for (FileHandle* file : {&f.hext, &f.hint, &f.flux, &f.perfis, &f.arq})
        written = *file && CloseOnDisk(*file) && written;
    return written && f.folder->Publish();
}

void AddNote(RunState& run, const std::string& line) {
    if (!run.note.empty())
        run.note += "\n";
    run.note += line;
}

void NoteWhereResultsWent(SimulationEngine& engine) {
    const std::string& requested = engine.params.outputDirectory;
    const std::string& used = engine.files.folder->Path();
    engine.run.results = used;
    if (used == requested)
        return;
    AddNote(engine.run, "Another run was in progress in " +
                            (requested.empty() ? std::string("the working folder") : requested) +
                            ", so the results of this run are in " + used);
}

}  // namespace

AnnualEnergy AnnualEnergies(const SimulationEngine& engine) {
    const RunSummary& s = engine.summary;
    const bool conduction = engine.params.modelLevel == 5;
    const float k = kJoulesToWattHours;
    AnnualEnergy year;
    for (int m = 1; m <= 12; ++m) {
        year.cooling += conduction ? k * s.qsPos[m] : k * (s.qsPos[m] + s.qlPos[m]);
        year.heating += conduction ? k * s.qsNeg[m] : k * (s.qsNeg[m] + s.qlNeg[m]);
    }
    return year;
}

int EnergySummary(SimulationEngine& engine) {
    const int month = engine.boundary.current.month;
    // No step since the last close: the run ended on the hour that closed its month, or
    // recorded nothing at all.
    if (month >= 1 && month <= 12 && engine.summary.monthSteps > 0) {
        CloseMonthMeans(engine, month);
        CloseMonthEnergies(engine, month);
        const ClimateRecord& now = engine.boundary.current;
        const DayHour& end = engine.params.end;
        if (CompareDates(now.day, now.month, now.hour, end.day, end.month, end.hour) <= 0) {
            ReportMonth(engine, month);
        }
    }
    WritePeaks(engine.files.arq.get(), engine.summary);
    WriteYear(engine.files.arq.get(), engine);
    if (!PublishResults(engine)) {
        CloseRun(engine);
        return kResultsNotWritten;
    }
    engine.files.external.reset();
    engine.files.internal.reset();
    engine.hourly.Finish();
    NoteWhereResultsWent(engine);
    return 0;
}

void CloseRun(SimulationEngine& engine) {
    engine.files = RunFiles{};
}

RunMessage RunCodeMessage(int code) {
    switch (code) {
        case kIsothermFailure:
            return {"Problems with materials isotherms", "Porvap 2.0"};
        case kNonFiniteSolution:
            return {"The solution is no longer finite numbers\nRun stopped", "Error!"};
        case kRunComplete:
            return {"Step by step execution sucessfully terminated", "Porvap 2.0"};
        case kStepContinue:
            return {"Execution sucessfully terminated", "Porvap 2.0"};
        case kExternalClimateUnreadable:
            return {"External hourly file could not be opened for reading", "Error!"};
        case kInternalClimateUnreadable:
            return {"Internal hourly file could not be opened for reading", "Error!"};
        case kClimateStartNotFound:
            return {"Internal/External hourly file(s) with invalid data", "Error!"};
        case kStepByStepAborted:
            return {"Step by step execution aborted by user", "Porvap 2.0"};
        case kRunAborted:
            return {"Execution aborted by user", "Porvap 2.0"};
        case kOutputFilesFailed:
            return {"Couldn't open output files", "Error!"};
        case kResultsNotWritten:
            return {"Couldn't write the result files", "Error!"};
        case kClimateRecordRefused:
            return {"Hourly file with missing or invalid data", "Error!"};
        default:
            return {nullptr, nullptr};
    }
}

RunNotice DescribeRunEnd(const SimulationEngine& engine, int code) {
    const RunMessage message = RunCodeMessage(code);
    if (!message.text)
        return {};
    RunNotice notice{message.text, message.caption};
    if (!engine.run.note.empty())
        notice.text += "\n" + engine.run.note;
    return notice;
}

}  // namespace porvap

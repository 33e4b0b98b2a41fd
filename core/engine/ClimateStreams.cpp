#include <cstdio>
#include <string>

#include "core/climate/Calendar.h"
#include "core/climate/ClimateFile.h"
#include "core/common/TextFiles.h"
#include "core/engine/Boundary.h"
#include "core/engine/Run.h"
#include "core/engine/SimulationEngine.h"

namespace porvap {

namespace {

bool Carries(const ClimateRecord& record, const DayHour& date) {
    return record.month == date.month && record.day == date.day && record.hour == date.hour;
}

DayHour DateOf(const ClimateRecord& record) {
    return {record.day, record.month, record.hour};
}

DayHour HourAfter(const ClimateRecord& record) {
    DayHour next{record.day, record.month, record.hour + 1};
    if (next.hour > 23) {
        next.hour = 0;
        ++next.day;
    }
    if (next.day > DaysInMonth(next.month)) {
        next.day = 1;
        next.month = next.month % 12 + 1;
    }
    return next;
}

std::string DateText(const DayHour& date) {
    char text[40];
    std::snprintf(text, sizeof text, "%02d/%02d-%02d", date.day, date.month, date.hour);
    return text;
}

std::string NumberText(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

void CloseClimate(SimulationEngine& engine) {
    engine.files.external.reset();
    engine.files.internal.reset();
}

// One of the two hourly files, as its refusals name it.
struct ClimateSource {
    const char* kind;
    const std::string& path;
    std::FILE* file;
    int fields;
};

ClimateSource External(const SimulationEngine& engine) {
    return {"External", engine.params.externalFile, engine.files.external.get(),
            LayoutFieldCount(engine.params.climateLayout)};
}

ClimateSource Internal(const SimulationEngine& engine) {
    return {"Internal", engine.params.internalFile, engine.files.internal.get(),
            kInternalFieldCount};
}

std::string LineText(const ClimateSource& source, const ClimateRead& read) {
    return "Line " + std::to_string(LineAt(source.file, read.offset));
}

// Why a read did not give the record of the date wanted; record holds what was read. A
// record read whole without a fault carries another date.
std::string Problem(const ClimateSource& source, const ClimateRead& read,
                    const ClimateRecord& record, const DayHour& wanted) {
    switch (read.fault) {
        case ReadFault::kEnd:
            return "The file ends before the record for " + DateText(wanted);
        case ReadFault::kUnreadable:
            return LineText(source, read) + " is not a record of " + std::to_string(source.fields) +
                   " numbers";
        case ReadFault::kDate:
            return LineText(source, read) + ": " + DateText(DateOf(record)) +
                   " is not a date of the year";
        case ReadFault::kRange: {
            const ValueRange& range = *read.range;
            return LineText(source, read) + ": " + range.quantity + " " + NumberText(read.value) +
                   " is outside " + NumberText(range.low) + "..." + NumberText(range.high) +
                   (*range.unit ? std::string(" ") + range.unit : std::string());
        }
        case ReadFault::kNone:
            return LineText(source, read) + " holds " + DateText(DateOf(record)) + " instead of " +
                   DateText(wanted);
    }
    return {};
}

// Notes for the user why the climate stops the run; reached is the last date the run has
// its climate for, if any.
int Refuse(SimulationEngine& engine, int code, const ClimateSource& source,
           const std::string& problem, const ClimateRecord* reached) {
    std::string& note = engine.run.note;
    if (!note.empty())
        note += "\n";
    note += std::string(source.kind) + " hourly file: " + source.path + "\n" + problem;
    if (reached)
        note += "\nDate reached: " + DateText(DateOf(*reached));
    return code;
}

ClimateRead ReadExternalRecord(SimulationEngine& engine, ClimateRecord& slot) {
    const EngineParameters& p = engine.params;
    const ClimateRead read = ReadExternalFields(engine.files.external.get(), p.climateLayout, slot);
    if (!read)
        return read;
    if (p.climateLayout == 2 || p.climateLayout == 3) {
        slot.irradiance =
            SurfaceIrradiance(slot, SurfaceGeometry{p.orientation, p.inclination, p.reflectance});
    }
    if (p.climateLayout == 3 && p.externalComputed == 1) {
        engine.params.he = ExternalCoefficient(engine, slot.windSpeed, slot.windDirection);
    }
    return read;
}

ClimateRead ReadInternalRecord(SimulationEngine& engine, double& temperature, double& humidity,
                               const ClimateRecord& withExternal) {
    EngineParameters& p = engine.params;
    ClimateRead read;
    if (p.constantInternal == 1) {
        temperature = p.constantInternalTemperature;
        humidity = p.constantInternalHumidity;
    } else {
        read = ReadInternalFields(engine.files.internal.get(), temperature, humidity);
    }
    if (p.internalComputed == 1 && p.internalNatural == 1) {
        p.hi = NaturalInternalCoefficient(engine);
        if (engine.files.hint) {
            std::fprintf(engine.files.hint.get(), "%d  %d  %d  %3.25f\n", withExternal.day,
                         withExternal.month, withExternal.hour, p.hi);
        }
    }
    return read;
}

// Reads both files in step up to the record of the start date. Records before it need only
// be readable: the run does not use them.
int FindStart(SimulationEngine& engine) {
    BoundaryState& b = engine.boundary;
    const DayHour& start = engine.params.start;
    for (;;) {
        const ClimateRead external = ReadExternalRecord(engine, b.current);
        if (!external && external.fault != ReadFault::kRange) {
            return Refuse(engine, kClimateStartNotFound, External(engine),
                          Problem(External(engine), external, b.current, start), nullptr);
        }
        const ClimateRead internal =
            ReadInternalRecord(engine, b.internalTemperature, b.internalHumidity, b.current);
        const bool atStart = Carries(b.current, start);
        if (atStart && !external) {
            return Refuse(engine, kClimateRecordRefused, External(engine),
                          Problem(External(engine), external, b.current, start), nullptr);
        }
        if (!internal && (atStart || internal.fault != ReadFault::kRange)) {
            return Refuse(engine, kClimateRecordRefused, Internal(engine),
                          Problem(Internal(engine), internal, b.current, DateOf(b.current)),
                          nullptr);
        }
        if (atStart)
            return 0;
    }
}

}  // namespace

int ReadNextRecords(SimulationEngine& engine) {
    BoundaryState& b = engine.boundary;
    const ClimateRead external = ReadExternalRecord(engine, b.next);
    const ClimateRead internal =
        ReadInternalRecord(engine, b.nextInternalTemperature, b.nextInternalHumidity, b.next);
    if (b.recordsToRead == 0)
        return kStepContinue;
    --b.recordsToRead;
    const DayHour wanted = HourAfter(b.current);
    if (!external || !Carries(b.next, wanted)) {
        return Refuse(engine, kClimateRecordRefused, External(engine),
                      Problem(External(engine), external, b.next, wanted), &b.current);
    }
    if (!internal) {
        return Refuse(engine, kClimateRecordRefused, Internal(engine),
                      Problem(Internal(engine), internal, b.next, wanted), &b.current);
    }
    return kStepContinue;
}

int OpenClimate(SimulationEngine& engine) {
    EngineParameters& p = engine.params;
    BoundaryState& b = engine.boundary;
    engine.files.external = OpenDataFile(p.externalFile);
    if (!engine.files.external)
        return kExternalClimateUnreadable;
    if (p.constantInternal != 1) {
        engine.files.internal = OpenDataFile(p.internalFile);
        if (!engine.files.internal || NoRecordLeft(engine.files.internal.get())) {
            CloseClimate(engine);
            return kInternalClimateUnreadable;
        }
    }
    const DayHour& s = p.start;
    const DayHour& e = p.end;
    const double steps = CountHourSteps(s.day, s.month, s.hour, e.day, e.month, e.hour);
    b.recordsToRead = static_cast<int>(steps);
    int found = FindStart(engine);
    if (found == 0)
        found = ReadNextRecords(engine);
    if (found != 0) {
        CloseClimate(engine);
        return found;
    }
    engine.run.elapsed = 0.0f;
    p.timeStep = p.hoursPerStep * 3600.0f;
    SetClimateIncrements(b, 3600.0f / p.timeStep);
    engine.run.intervalLength = static_cast<int>(steps * 3600.0);
    return 0;
}

}  // namespace porvap

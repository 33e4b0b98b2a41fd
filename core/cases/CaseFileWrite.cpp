#include <cstdio>
#include <initializer_list>

#include "core/cases/CaseFile.h"
#include "core/common/FileReplacement.h"

namespace porvap {

namespace {

class CaseFileWriter {
  public:
    explicit CaseFileWriter(std::FILE* file) : file_(file) {}

    // The whole text, zero bytes included, so that it reads back as it was.
    void Text(const std::string& text) {
        std::fwrite(text.data(), 1, text.size(), file_);
        std::fputc('\n', file_);
    }

    void Texts(std::initializer_list<const std::string*> texts) {
        for (const std::string* text : texts)
            Text(*text);
    }

    // One line of integers separated by single blanks.
    void Integers(std::initializer_list<int> values) {
        const char* separator = "";
        for (int value : values) {
            std::fprintf(file_, "%s%d", separator, value);
            separator = " ";
        }
        std::fputc('\n', file_);
    }

    void Positions(const DatePositions& positions) {
        Integers({positions.day, positions.month, positions.hour});
    }

    void EndMarker() { std::fputs(kCaseFileMarker, file_); }

  private:
    std::FILE* file_;
};

void WriteElement(CaseFileWriter& out, const CaseRecord& r) {
    out.Text(kCaseFileMarker);
    out.Integers({static_cast<int>(r.layers.size())});
    for (const CaseLayer& layer : r.layers)
        out.Texts({&layer.material, &layer.sections, &layer.thickness});
    out.Texts({&r.inclination, &r.orientation, &r.groundReflectance, &r.externalPermeance,
               &r.internalPermeance, &r.absorptivity});
}

void WriteClimate(CaseFileWriter& out, const CaseRecord& r) {
    out.Texts({&r.externalFile, &r.internalFile});
    out.Integers({r.mainlyHot, r.internalFromFile});
    out.Texts({&r.internalTemperature, &r.internalHumidity});
    out.Integers({r.calculateExternal, r.calculateInternal});
    out.Texts({&r.externalCoefficient, &r.internalCoefficient});
    out.Integers({r.naturalConvection});
    out.Text(r.airVelocity);
}

void WriteSimulation(CaseFileWriter& out, const CaseRecord& r) {
    out.Positions(r.start);
    out.Positions(r.finish);
    out.Texts({&r.timeStep, &r.tolerance, &r.maxIterations});
    out.Integers({r.stepByStep, r.modelLevel});
    out.Text(r.moistureContent);
}

void WriteReports(CaseFileWriter& out, const CaseRecord& r) {
    out.Integers({r.profiles, r.profilesByInterval});
    out.Text(r.plottingInterval);
    out.Positions(r.profileStart);
    out.Positions(r.profileStop);
    out.Positions(r.datePicker);
    out.Integers({static_cast<int>(r.dates.size())});
    for (const std::string& date : r.dates)
        out.Text(date);
    out.Integers({r.graphicalOutput, r.graph3Interval});
    out.EndMarker();
}

}  // namespace

int WriteCaseFile(const std::string& path, const CaseRecord& record) {
    const bool written = ReplaceFile(path, [&record](std::FILE* file) {
        CaseFileWriter out(file);
        WriteElement(out, record);
        WriteClimate(out, record);
        WriteSimulation(out, record);
        WriteReports(out, record);
    });
    return written ? 0 : -1;
}

}  // namespace porvap

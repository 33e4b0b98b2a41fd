#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "TestSupport.h"
#include "core/climate/Calendar.h"
#include "core/climate/ClimateFile.h"
#include "core/common/Messages.h"
#include "core/materials/MaterialCatalog.h"
#include "core/materials/MaterialFile.h"

// End to end: runs the generators as tools/generate-data.sh does, reads their output with the
// program's own readers, and checks the committed data against it.

namespace porvap {
namespace {

namespace fs = std::filesystem;

const fs::path kExternal = "BrazilianWeathers";
const fs::path kInternal = "InternalConditions(0HeatGain)";

void Generate(const fs::path& data) {
    for (const char* tool : {DATAGEN_MAKE_MATERIALS, DATAGEN_MAKE_CLIMATE, DATAGEN_MAKE_CASES}) {
        const std::string command = std::string("\"") + tool + "\" \"" + data.string() + "\"";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
}

int CountInternalRecords(const fs::path& path) {
    std::FILE* file = std::fopen(path.string().c_str(), "r");
    if (!file)
        return -1;
    int count = 0;
    double t = 0.0, h = 0.0;
    while (std::fscanf(file, "%lf %lf", &t, &h) == 2)
        ++count;
    std::fclose(file);
    return count;
}

// Numbers may differ in the last printed digit between maths libraries; nothing else may.
::testing::AssertionResult SameNumbers(const fs::path& committed, const fs::path& fresh) {
    std::ifstream a(committed), b(fresh);
    std::string x, y;
    int field = 0;
    while (true) {
        const bool moreA = static_cast<bool>(a >> x);
        const bool moreB = static_cast<bool>(b >> y);
        if (moreA != moreB)
            return ::testing::AssertionFailure() << "lengths differ";
        if (!moreA)
            return ::testing::AssertionSuccess();
        ++field;
        if (x == y)
            continue;
        const std::size_t dot = y.find('.');
        const double unit =
            dot == std::string::npos ? 1.0 : std::pow(10.0, -(double)(y.size() - dot - 1));
        char* endX = nullptr;
        char* endY = nullptr;
        const double vx = std::strtod(x.c_str(), &endX);
        const double vy = std::strtod(y.c_str(), &endY);
        if (*endX != '\0' || *endY != '\0' || std::fabs(vx - vy) > 1.5 * unit)
            return ::testing::AssertionFailure()
                   << committed << ": field " << field << " is " << x << ", generator gives " << y;
    }
}

class GeneratedData : public ::testing::Test {
  protected:
    test::ScratchDir scratch_;
    void SetUp() override { Generate(scratch_.Path()); }
};

TEST_F(GeneratedData, ClimateFilesHaveTheirLayoutsAndAYearOfRecords) {
    const int layouts[] = {3, 2, 1};
    const char* names[] = {"floext.pvh", "floext_layout2.pvh", "floext_layout1.pvh"};
    for (int i = 0; i < 3; ++i) {
        const fs::path path = kExternal / names[i];
        ASSERT_EQ(DetectClimateLayout(path.string()), layouts[i]) << path;
        std::FILE* file = std::fopen(path.string().c_str(), "r");
        ClimateRecord record;
        int count = 0, month = 1, day = 1, hour = 0;
        while (ReadExternalFields(file, layouts[i], record)) {
            ASSERT_EQ(record.month, month) << path << " record " << count;
            ASSERT_EQ(record.day, day) << path << " record " << count;
            ASSERT_EQ(record.hour, hour) << path << " record " << count;
            ++count;
            if (++hour == 24)
                hour = 0, ++day;
            if (day > DaysInMonth(month))
                day = 1, ++month;
        }
        std::fclose(file);
        EXPECT_EQ(count, kHoursPerYear) << path;
    }
    EXPECT_EQ(CountInternalRecords(kInternal / "FLOint0g.pvh"), kHoursPerYear);
}

TEST_F(GeneratedData, CatalogLoadsEveryMaterialWithAFullIsotherm) {
    MaterialCatalog catalog;
    RecordingMessageSink messages;
    catalog.LoadCatalog(messages);
    EXPECT_TRUE(messages.Messages().empty());
    ASSERT_EQ(catalog.Count(), 8);
    EXPECT_NE(catalog.FindMaterialByName("Constant properties"), -1);
    for (int k = 0; k < catalog.Count() - 1; ++k) {
        const IsothermTable* isotherm = catalog.Record(k)->Isotherm();
        ASSERT_EQ(isotherm->Intervals(), 120) << catalog.EntryName(k);
        for (int row = 0; row <= 120; ++row)
            EXPECT_TRUE(isotherm->IsDefined(row)) << catalog.EntryName(k) << " row " << row;
        EXPECT_NEAR(isotherm->HumidityAt(isotherm->MoistureAt(0.5)), 0.5, 1e-3);
    }
}

TEST_F(GeneratedData, CommittedDataIsTheGeneratorsOutput) {
    const fs::path committed = test::SourcePath("data");
    if (!fs::exists(committed / "materiais.cfg"))
        GTEST_SKIP() << "no committed data";
    for (const auto& entry : fs::recursive_directory_iterator(scratch_.Path())) {
        if (!entry.is_regular_file())
            continue;
        const fs::path relative = fs::relative(entry.path(), scratch_.Path());
        EXPECT_TRUE(SameNumbers(committed / relative, entry.path())) << relative;
    }
}

}  // namespace
}  // namespace porvap

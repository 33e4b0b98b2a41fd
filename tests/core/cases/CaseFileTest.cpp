#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "WriteInterruption.h"
#include "core/cases/CaseFile.h"

namespace porvap {
namespace {

// The default case with one layer of "Brick", k = 3 layer lines.
const std::string kDefaultText =
    "#Simulation\n1\nBrick\n5\n0.1\n90\n0\n0\n200e-12\n900e-12\n0.35\n"
    ".\\BrazilianWeathers\\floext.pvh\n.\\InternalConditions(0HeatGain)\\FLOint0g.pvh\n"
    "1 1\n25\n80.0\n0 0\n12.4\n3.6\n1\n0.5\n0 0 0\n30 11 23\n3600\n1e-3\n150\n0 5\n00.0\n"
    "0 1\n6\n0 0 0\n30 11 23\n0 0 0\n0\n1 0\n#Simulation";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string Join(const std::vector<std::string>& lines, const std::string& eol = "\n") {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += (i ? eol : "") + lines[i];
    return text;
}

// The default text with lines replaced, by 1-based number.
std::string WithLines(std::initializer_list<std::pair<int, std::string>> replacements) {
    auto lines = Lines(kDefaultText);
    for (const auto& [number, text] : replacements)
        lines[number - 1] = text;
    return Join(lines);
}

std::string WithLine(int number, const std::string& replacement) {
    return WithLines({{number, replacement}});
}

CaseRecord EveryFieldChanged() {
    CaseRecord r;
    r.layers.clear();
    for (int i = 0; i < kMaxCaseLayers; ++i)
        r.layers.push_back(
            {"Mat " + std::to_string(i), std::to_string(i + 2), "0.0" + std::to_string(i + 1)});
    r.inclination = "45";
    r.orientation = "-90";
    r.groundReflectance = "0.2";
    r.externalPermeance = "1e-11";
    r.internalPermeance = "2e-11";
    r.absorptivity = "0.7";
    r.internalFromFile = 0;
    r.externalFile = "C:\\weather\\ext.pvh";
    r.mainlyHot = false;
    r.internalFile = "int file.pvh";
    r.internalTemperature = "21.5";
    r.internalHumidity = "55";
    r.calculateExternal = true;
    r.externalCoefficient = "20";
    r.calculateInternal = true;
    r.internalCoefficient = "8";
    r.airVelocity = "1.5";
    r.naturalConvection = 0;
    r.start = {4, 2, 6};
    r.finish = {40, 13, -1};  // outside their lists: kept as read
    r.timeStep = "900";
    r.tolerance = "1e-4";
    r.maxIterations = "80";
    r.stepByStep = 1;
    r.modelLevel = 2;
    r.moistureContent = "3.5";
    r.profiles = true;
    r.profilesByInterval = 0;
    r.plottingInterval = "12";
    r.profileStart = {1, 3, 4};
    r.profileStop = {9, 8, 7};
    r.datePicker = {2, 5, 11};
    r.dates = {"05/03 - 04", "10/09 - 07", "  blank start kept"};
    r.graphicalOutput = 0;
    r.graph3Interval = 4;
    return r;
}

class CaseFileTest : public ::testing::Test {
  protected:
    // Reads text as a case file; returns the message, empty on success.
    std::string Read(const std::string& text, CaseRecord& record) {
        test::WriteFile("case.sim", text);
        std::string message;
        const int result = ReadCaseFile("case.sim", record, message);
        EXPECT_EQ(result == 0, message.empty()) << message;
        return message;
    }

    test::ScratchDir scratch_;
};

TEST_F(CaseFileTest, DefaultCaseIsWrittenByteExact) {
    ASSERT_EQ(WriteCaseFile("case.sim", DefaultCase("Brick")), 0);
    EXPECT_EQ(test::ReadFile("case.sim"), kDefaultText);
}

TEST_F(CaseFileTest, EveryFieldSurvivesWriteAndRead) {
    const CaseRecord written = EveryFieldChanged();
    ASSERT_EQ(WriteCaseFile("sub\\case.sim", CaseRecord{}), -1);  // no such directory
    std::filesystem::create_directory("sub");
    ASSERT_EQ(WriteCaseFile("sub\\case.sim", written), 0);
    CaseRecord read;
    std::string message;
    ASSERT_EQ(ReadCaseFile("sub/case.sim", read, message), 0) << message;
    EXPECT_EQ(read, written);
}

TEST_F(CaseFileTest, CarriageReturnLineFeedReadsLikeLineFeed) {
    CaseRecord plain, crlf;
    ASSERT_EQ(Read(kDefaultText, plain), "");
    ASSERT_EQ(Read(Join(Lines(kDefaultText), "\r\n") + "\r\n", crlf), "");
    EXPECT_EQ(crlf, plain);
    EXPECT_EQ(plain, DefaultCase("Brick"));
}

TEST_F(CaseFileTest, FailedChecksGiveTheirNumbers) {
    struct Case {
        std::string text;
        int number;
    };
    auto lines = Lines(kDefaultText);
    const std::string nineLayers = "#Simulation\n9\n" + Join({lines.begin() + 2, lines.end()});
    const std::vector<Case> cases = {
        {WithLine(1, "#Simulation "), 1},
        {WithLine(2, "-1"), 2},
        {WithLine(2, "x"), 2},
        {WithLine(2, "99999999999"), 2},
        {nineLayers, 2},
        {WithLine(14, "2 1"), 3},
        {WithLine(14, "1 2"), 4},
        {WithLine(14, "1"), 4},
        {WithLine(17, "0 2"), 5},
        {WithLine(20, "2"), 10},
        {WithLine(22, "a b c"), 6},  // a position line cannot be read: next check
        {WithLine(27, "2 5"), 6},
        {WithLine(27, "0 6"), 6},
        {WithLine(29, "0 -1"), 7},
        {WithLine(34, "m"), 8},
        {WithLine(35, "2 0"), 8},
        {WithLine(35, "1 x"), 8},
        {WithLine(36, "#simulation"), 9},
        {kDefaultText.substr(0, kDefaultText.size() - 4), 9},
        {WithLines({{20, "2"}, {27, "0 6"}}), 10},  // checks are met in file order
    };
    for (const Case& c : cases) {
        CaseRecord record;
        EXPECT_EQ(Read(c.text, record),
                  "Invalid simulation file (" + std::to_string(c.number) + ")")
            << c.text;
    }
    CaseRecord record;
    std::string message;
    EXPECT_EQ(ReadCaseFile("missing.sim", record, message), -1);
    EXPECT_EQ(message, "File could not be opened for reading");
    // One endless line, a writer to wait for, nothing to read.
    std::filesystem::create_directory("folder.sim");
    ASSERT_EQ(mkfifo("pipe.sim", 0600), 0);
    for (const char* path : {"/dev/zero", "pipe.sim", "folder.sim"}) {
        message.clear();
        EXPECT_EQ(ReadCaseFile(path, record, message), -1);
        EXPECT_EQ(message, "File could not be opened for reading") << path;
    }
}

// A text right after a numeric line is read whole like any other: an empty one is not
// passed over (which would read every later line one place early) and blanks stay.
TEST_F(CaseFileTest, EveryTextReadsBackEmptyOrWithLeadingBlanks) {
    using Text = std::function<std::string&(CaseRecord&)>;
    const auto field = [](std::string CaseRecord::*member) -> Text {
        return [member](CaseRecord& r) -> std::string& { return r.*member; };
    };
    const std::vector<std::pair<const char*, Text>> texts = {
        {"first material", [](CaseRecord& r) -> std::string& { return r.layers[0].material; }},
        {"sections", [](CaseRecord& r) -> std::string& { return r.layers[0].sections; }},
        {"thickness", [](CaseRecord& r) -> std::string& { return r.layers[7].thickness; }},
        {"inclination without layers",
         [](CaseRecord& r) -> std::string& {
             r.layers.clear();
             return r.inclination;
         }},
        {"inclination", field(&CaseRecord::inclination)},
        {"orientation", field(&CaseRecord::orientation)},
        {"ground reflectance", field(&CaseRecord::groundReflectance)},
        {"external permeance", field(&CaseRecord::externalPermeance)},
        {"internal permeance", field(&CaseRecord::internalPermeance)},
        {"absorptivity", field(&CaseRecord::absorptivity)},
        {"external file", field(&CaseRecord::externalFile)},
        {"internal file", field(&CaseRecord::internalFile)},
        {"internal temperature", field(&CaseRecord::internalTemperature)},
        {"internal humidity", field(&CaseRecord::internalHumidity)},
        {"external coefficient", field(&CaseRecord::externalCoefficient)},
        {"internal coefficient", field(&CaseRecord::internalCoefficient)},
        {"air velocity", field(&CaseRecord::airVelocity)},
        {"time step", field(&CaseRecord::timeStep)},
        {"tolerance", field(&CaseRecord::tolerance)},
        {"maximum iterations", field(&CaseRecord::maxIterations)},
        {"moisture content", field(&CaseRecord::moistureContent)},
        {"plotting interval", field(&CaseRecord::plottingInterval)},
        {"first date", [](CaseRecord& r) -> std::string& { return r.dates.front(); }},
        {"last date", [](CaseRecord& r) -> std::string& { return r.dates.back(); }},
    };
    for (const std::string value : {"", "  7"}) {
        for (const auto& [name, text] : texts) {
            CaseRecord written = EveryFieldChanged();
            text(written) = value;
            ASSERT_EQ(WriteCaseFile("case.sim", written), 0);
            CaseRecord read;
            EXPECT_EQ(Read(test::ReadFile("case.sim"), read), "") << name;
            EXPECT_EQ(read, written) << name << " as \"" << value << '"';
        }
    }
}

// The line end of a numeric line and whatever precedes it after the integers.
TEST_F(CaseFileTest, RestOfANumericLineIsDropped) {
    CaseRecord read;
    ASSERT_EQ(Read(WithLines({{2, "1  "}, {17, "0 0 \t"}, {22, "0 0 0 x"}}), read), "");
    EXPECT_EQ(read, DefaultCase("Brick"));
}

TEST_F(CaseFileTest, LongLineIsCutAndLaterLinesStayInPlace) {
    const std::string longName(600, 'x');
    CaseRecord record;
    ASSERT_EQ(Read(WithLine(12, longName), record), "");
    EXPECT_EQ(record.externalFile, longName.substr(0, kMaxCaseLine));
    CaseRecord expected = DefaultCase("Brick");
    expected.externalFile = record.externalFile;
    EXPECT_EQ(record, expected);
}

TEST_F(CaseFileTest, DateCountIsNotTrusted) {
    CaseRecord record;
    ASSERT_EQ(Read(WithLine(34, "-3"), record), "");
    EXPECT_TRUE(record.dates.empty());
    // A huge count ends with the file instead of allocating.
    EXPECT_EQ(Read(WithLine(34, "2000000000"), record), "Invalid simulation file (8)");
}

TEST_F(CaseFileTest, FileWithoutLayersReads) {
    CaseRecord record;
    const auto lines = Lines(kDefaultText);
    std::vector<std::string> noLayers = {lines[0], "0"};
    noLayers.insert(noLayers.end(), lines.begin() + 5, lines.end());
    ASSERT_EQ(Read(Join(noLayers), record), "");
    EXPECT_TRUE(record.layers.empty());
    EXPECT_EQ(record.inclination, "90");
}

// Found by fuzzing: a text starting with a zero byte was written as an empty line, which the
// reader passes over after a numeric line, so the saved case no longer read.
TEST_F(CaseFileTest, ZeroBytesInTextsAreWrittenBack) {
    CaseRecord read, reread;
    ASSERT_EQ(Read(WithLine(3, std::string("\0\0Brick", 7)), read), "");
    ASSERT_EQ(WriteCaseFile("again.sim", read), 0);
    ASSERT_EQ(Read(test::ReadFile("again.sim"), reread), "");
    EXPECT_EQ(reread, read);
    EXPECT_EQ(reread.layers[0].material, std::string("\0\0Brick", 7));
}

TEST_F(CaseFileTest, FullDiskOrKillPartWayLeavesTheOldFile) {
    ASSERT_EQ(WriteCaseFile("case.sim", DefaultCase("Brick")), 0);
    CaseRecord large = EveryFieldChanged();
    large.dates.assign(2000, "05/03 - 04");
    const auto write = [&] { return WriteCaseFile("case.sim", large) == 0; };

    EXPECT_EQ(test::WriteUnderFileSizeLimit(8192, test::AtLimit::Fail, write),
              test::Outcome::ReportedFailure);
    EXPECT_EQ(test::ReadFile("case.sim"), kDefaultText);
    EXPECT_EQ(test::DirectoryEntries(), std::set<std::string>{"case.sim"});
    EXPECT_EQ(test::WriteUnderFileSizeLimit(8192, test::AtLimit::Kill, write),
              test::Outcome::Killed);
    EXPECT_EQ(test::ReadFile("case.sim"), kDefaultText);

    ASSERT_TRUE(write());
    CaseRecord read;
    EXPECT_EQ(Read(test::ReadFile("case.sim"), read), "");
    EXPECT_EQ(read, large);
}

}  // namespace
}  // namespace porvap

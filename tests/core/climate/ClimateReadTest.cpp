#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "TestSupport.h"
#include "core/climate/ClimateFile.h"
#include "core/common/TextFiles.h"

namespace porvap {
namespace {

using File = FileHandle;

class HourlyRecords : public ::testing::Test {
  protected:
    File Open(const std::string& text) {
        test::WriteFile("records.pvh", text);
        return File(std::fopen("records.pvh", "r"));
    }
    test::ScratchDir dir_;
    ClimateRecord record_;
};

TEST_F(HourlyRecords, EachLayoutReadsItsFieldsInOrder) {
    const File one = Open("21.5 0.83 412.25 1 1 0\n");
    ASSERT_TRUE(ReadExternalFields(one.get(), 1, record_));
    EXPECT_DOUBLE_EQ(record_.relativeHumidity, 0.83);
    EXPECT_DOUBLE_EQ(record_.irradiance, 412.25);

    const File two = Open("18 0.9 640.5 120.25 35.5 -92.75 3 15 10\n");
    ASSERT_TRUE(ReadExternalFields(two.get(), 2, record_));
    EXPECT_FLOAT_EQ(record_.diffuse, 120.25f);
    EXPECT_FLOAT_EQ(record_.azimuth, -92.75f);
    EXPECT_DOUBLE_EQ(record_.irradiance, 412.25);  // derived by the engine, not read
    EXPECT_EQ(record_.day, 15);

    const File three = Open("18 0.9\r\n640 120 35 -92\r\n4.5 1.25\r\n12 31 23\r\n");
    ASSERT_TRUE(ReadExternalFields(three.get(), 3, record_));
    EXPECT_FLOAT_EQ(record_.windSpeed, 4.5f);
    EXPECT_FLOAT_EQ(record_.windDirection, 1.25f);
    EXPECT_EQ(record_.month, 12);
    EXPECT_EQ(record_.hour, 23);
}

TEST_F(HourlyRecords, HoldsTheLastWholeRecordPastTheEnd) {
    const File file = Open("21 0.8 400 6 30 22\r\n25 0.5 900 6\r\n");
    ASSERT_TRUE(ReadExternalFields(file.get(), 1, record_));
    EXPECT_EQ(ReadExternalFields(file.get(), 1, record_).fault, ReadFault::kUnreadable);
    EXPECT_EQ(ReadExternalFields(file.get(), 1, record_).fault, ReadFault::kEnd);
    EXPECT_DOUBLE_EQ(record_.temperature, 21.0);
    EXPECT_EQ(record_.hour, 22);
}

TEST_F(HourlyRecords, InternalRecordsHoldTheLastWholePair) {
    const File file = Open("20.5 0.55\r\n21.0 0.60\r\n22.0\r\n");
    double temperature = 0.0, humidity = 0.0;
    EXPECT_TRUE(ReadInternalFields(file.get(), temperature, humidity));
    EXPECT_TRUE(ReadInternalFields(file.get(), temperature, humidity));
    EXPECT_EQ(ReadInternalFields(file.get(), temperature, humidity).fault, ReadFault::kUnreadable);
    EXPECT_EQ(ReadInternalFields(file.get(), temperature, humidity).fault, ReadFault::kEnd);
    EXPECT_DOUBLE_EQ(temperature, 21.0);
    EXPECT_DOUBLE_EQ(humidity, 0.60);
}

struct Refusal {
    int layout;  // 0: an internal record
    const char* text;
    ReadFault fault;
    int line;                        // of the record's first field
    const char* quantity = nullptr;  // refused for its range
};

const Refusal kRefusals[] = {
    {1, " \r\n\n", ReadFault::kEnd, 3},
    {0, "", ReadFault::kEnd, 1},
    {1, "21 0.8 n/a 6 30 22\n", ReadFault::kUnreadable, 1},
    {1, "\n21 0.8 400 6 30\n", ReadFault::kUnreadable, 2},
    {1, "21 0.8 400 6 30\n22 0.8 400 6 30 23\n", ReadFault::kUnreadable, 1},
    {1, "21 0.8 400 0 0 6 30 22\n", ReadFault::kUnreadable, 1},
    {1, "21 0.8 400 6 30 22.5\n", ReadFault::kUnreadable, 1},
    {4, "21 0.8 400 6 30 22\n", ReadFault::kUnreadable, 1},
    {0, "20.5\n", ReadFault::kUnreadable, 1},
    {0, "20.5 0.55 3\n", ReadFault::kUnreadable, 1},
    {1, "21 0.8 400 13 1 0\n", ReadFault::kDate, 1},
    {1, "21 0.8 400 2 29 0\n", ReadFault::kDate, 1},
    {1, "21 0.8 400 1 1 24\n", ReadFault::kDate, 1},
    {1, "21 0.8 400 1 0 0\n", ReadFault::kDate, 1},
    {1, "-95 0.8 400 1 1 0\n", ReadFault::kRange, 1, "air temperature"},
    {1, "\n\n75 0.8 400 1 1 0\n", ReadFault::kRange, 3, "air temperature"},
    {1, "nan 0.8 400 1 1 0\n", ReadFault::kRange, 1, "air temperature"},
    {1, "21 1.06 400 1 1 0\n", ReadFault::kRange, 1, "relative humidity"},
    {1, "21 80 400 1 1 0\n", ReadFault::kRange, 1, "relative humidity"},
    {1, "21 -0.01 400 1 1 0\n", ReadFault::kRange, 1, "relative humidity"},
    {1, "21 0.8 -1 1 1 0\n", ReadFault::kRange, 1, "solar irradiance"},
    {1, "21 0.8 2500 1 1 0\n", ReadFault::kRange, 1, "solar irradiance"},
    {2, "18 0.9 -3 120 35 -92 3 15 10\n", ReadFault::kRange, 1, "beam irradiance"},
    {2, "18 0.9 640 inf 35 -92 3 15 10\n", ReadFault::kRange, 1, "diffuse irradiance"},
    {2, "18 0.9 640 120 95 -92 3 15 10\n", ReadFault::kRange, 1, "solar altitude"},
    {2, "18 0.9 640 120 35 -200 3 15 10\n", ReadFault::kRange, 1, "solar azimuth"},
    {3, "18 0.9 640 120 35 -92 -1 1.25 3 15 10\n", ReadFault::kRange, 1, "wind speed"},
    {3, "18 0.9 640 120 35 -92 4.5 270 3 15 10\n", ReadFault::kRange, 1, "wind direction"},
    {3, "18 0.9 640 120 35 -92 4.5 nan 3 15 10\n", ReadFault::kRange, 1, "wind direction"},
    {0, "99 0.55\n", ReadFault::kRange, 1, "air temperature"},
    {0, "\n20.5 1.2\n", ReadFault::kRange, 2, "relative humidity"},
};

TEST_F(HourlyRecords, RefusesWhatIsNoRecordOfTheYearAndTellsTheLine) {
    for (const Refusal& refusal : kRefusals) {
        SCOPED_TRACE(refusal.text);
        const File file = Open(refusal.text);
        double temperature = 0.0, humidity = 0.0;
        const ClimateRead read = refusal.layout == 0
                                     ? ReadInternalFields(file.get(), temperature, humidity)
                                     : ReadExternalFields(file.get(), refusal.layout, record_);
        EXPECT_EQ(read.fault, refusal.fault);
        EXPECT_EQ(LineAt(file.get(), read.offset), refusal.line);
        EXPECT_STREQ(read.range ? read.range->quantity : nullptr, refusal.quantity);
    }
}

// Hygrometers read a little above saturation, and a computed zero can print as a small
// negative number.
TEST_F(HourlyRecords, ValuesJustPastABoundReadAsTheBound) {
    const File one = Open("21 1.003 -0.3 1 1 0\n");
    ASSERT_TRUE(ReadExternalFields(one.get(), 1, record_));
    EXPECT_EQ(record_.relativeHumidity, 1.0);
    EXPECT_EQ(record_.irradiance, 0.0);

    const File two = Open("18 1.04 -0.2 -0.4 35 -92 3 15 10\n");
    ASSERT_TRUE(ReadExternalFields(two.get(), 2, record_));
    EXPECT_EQ(record_.relativeHumidity, 1.0);
    EXPECT_EQ(record_.beam, 0.0f);
    EXPECT_EQ(record_.diffuse, 0.0f);

    const File room = Open("21 1.01\n");
    double temperature = 0.0, humidity = 0.0;
    ASSERT_TRUE(ReadInternalFields(room.get(), temperature, humidity));
    EXPECT_EQ(humidity, 1.0);
}

}  // namespace
}  // namespace porvap

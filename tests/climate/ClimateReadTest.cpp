#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "TestSupport.h"
#include "climate/ClimateFile.h"
#include "climate/TextFiles.h"

namespace porvap {
namespace {

using File = FileHandle;

class ClimateRead : public ::testing::Test {
  protected:
    File Open(const std::string& text) {
        test::WriteFile("records.pvh", text);
        return File(std::fopen("records.pvh", "r"));
    }
    test::ScratchDir dir_;
    ClimateRecord record_;
};

TEST_F(ClimateRead, EachLayoutReadsItsFieldsInOrder) {
    const File one = Open("21.5 0.83 412.25 1 1 0\n");
    ASSERT_EQ(ReadExternalFields(one.get(), 1, record_), 0);
    EXPECT_DOUBLE_EQ(record_.relativeHumidity, 0.83);
    EXPECT_DOUBLE_EQ(record_.irradiance, 412.25);

    const File two = Open("18 0.9 640.5 120.25 35.5 -92.75 3 15 10\n");
    ASSERT_EQ(ReadExternalFields(two.get(), 2, record_), 0);
    EXPECT_FLOAT_EQ(record_.diffuse, 120.25f);
    EXPECT_FLOAT_EQ(record_.azimuth, -92.75f);
    EXPECT_DOUBLE_EQ(record_.irradiance, 412.25);  // derived by the engine, not read
    EXPECT_EQ(record_.day, 15);

    const File three = Open("18 0.9\r\n640 120 35 -92\r\n4.5 1.25\r\n12 31 23\r\n");
    ASSERT_EQ(ReadExternalFields(three.get(), 3, record_), 0);
    EXPECT_FLOAT_EQ(record_.windSpeed, 4.5f);
    EXPECT_FLOAT_EQ(record_.windDirection, 1.25f);
    EXPECT_EQ(record_.month, 12);
    EXPECT_EQ(record_.hour, 23);
}

TEST_F(ClimateRead, HoldsTheLastWholeRecordPastTheEnd) {
    const File file = Open("21 0.8 400 6 30 22\r\n25 0.5 900 6\r\n");
    ASSERT_EQ(ReadExternalFields(file.get(), 1, record_), 0);
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_EQ(ReadExternalFields(file.get(), 1, record_), 1);
        EXPECT_DOUBLE_EQ(record_.temperature, 21.0);
        EXPECT_EQ(record_.hour, 22);
    }
}

TEST_F(ClimateRead, BadRecordsFailInsteadOfPassingAsRead) {
    const File text = Open("21 0.8 n/a 6 30 22\n");
    for (int attempt = 0; attempt < 2; ++attempt)
        EXPECT_EQ(ReadExternalFields(text.get(), 1, record_), 1);
    EXPECT_DOUBLE_EQ(record_.temperature, 0.0);

    const File months = Open("21 0.8 400 13 1 0\n19 0.7 300 0 1 0\n");
    EXPECT_EQ(ReadExternalFields(months.get(), 1, record_), 1);
    EXPECT_EQ(record_.month, 13);  // values read are kept for the caller to use as they are
    EXPECT_EQ(ReadExternalFields(months.get(), 1, record_), 1);
    EXPECT_DOUBLE_EQ(record_.temperature, 19.0);

    EXPECT_EQ(ReadExternalFields(months.get(), 4, record_), 1);
    EXPECT_EQ(ReadExternalFields(nullptr, 1, record_), 1);
}

TEST_F(ClimateRead, InternalRecordsHoldTheLastWholePair) {
    const File file = Open("20.5 0.55\r\n21.0 0.60\r\n22.0\r\n");
    double temperature = 0.0, humidity = 0.0;
    for (int attempt = 0; attempt < 4; ++attempt)
        EXPECT_EQ(ReadInternalFields(file.get(), temperature, humidity), 0);
    EXPECT_DOUBLE_EQ(temperature, 21.0);
    EXPECT_DOUBLE_EQ(humidity, 0.60);
}

}  // namespace
}  // namespace porvap

#include <gtest/gtest.h>

#include "core/materials/MaterialRecord.h"

namespace porvap {
namespace {

TEST(MaterialRecord, TablesHave101RowsAndNamesAreCut) {
    MaterialRecord record;
    record.SetRow(100, 1.0f, 2.0f, 3.0f, 4.0f, 5.0f);
    record.SetRow(101, 9.0f, 9.0f, 9.0f, 9.0f, 9.0f);
    EXPECT_FLOAT_EQ(record.DTetaV().Get(100), 5.0f);
    EXPECT_FLOAT_EQ(record.K().Get(101), -1.0f);
    EXPECT_EQ(record.Isotherm(), nullptr);
    record.SetName(std::string(50, 'a'));
    EXPECT_EQ(record.Name().size(), 39u);
}

}  // namespace
}  // namespace porvap

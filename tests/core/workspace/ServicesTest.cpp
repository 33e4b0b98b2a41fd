#include <gtest/gtest.h>

#include "core/workspace/RunningSimulations.h"

namespace porvap {
namespace {

TEST(SimulationCounter, NeverGoesBelowZero) {
    SimulationCounter counter;
    EXPECT_FALSE(counter.SimulationStopped());
    EXPECT_EQ(counter.RunningSimulations(), 0);
    counter.SimulationStarted();
    counter.SimulationStarted();
    EXPECT_TRUE(counter.SimulationStopped());
    EXPECT_EQ(counter.RunningSimulations(), 1);
    EXPECT_TRUE(counter.SimulationStopped());
    EXPECT_FALSE(counter.SimulationStopped());
    EXPECT_EQ(counter.RunningSimulations(), 0);
}

}  // namespace
}  // namespace porvap

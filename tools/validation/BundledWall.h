#pragma once

#include <memory>
#include <string>

#include "core/engine/SimulationEngine.h"
#include "core/materials/MaterialCatalog.h"

namespace porvap::validation {

inline constexpr int kConductionOnly = 5;  // the model level of heat conduction alone

// data/cases/wall-level<N>.sim: 0.02 m mortar, 0.10 m brick, 0.02 m mortar (5, 25 and 5
// sections) under the bundled year of Florianopolis and its free-running room.
struct BundledRun {
    int level = 0;
    int refinement = 1;       // sections of every layer multiplied by this
    DayHour end{31, 12, 23};  // of the run, which starts on 1 January 00h
};

// The case read, checked and handed to the engine as the Run button does, in a working
// directory holding a copy of data/. The engine's layers point into the catalog.
class BundledWall {
  public:
    // Empty message when the engine is ready; otherwise why not.
    std::string Load(const BundledRun& run);
    SimulationEngine& Engine() { return *engine_; }

  private:
    MaterialCatalog catalog_;
    std::unique_ptr<SimulationEngine> engine_;
};

}  // namespace porvap::validation

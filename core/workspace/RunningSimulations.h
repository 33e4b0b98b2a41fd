#pragma once

namespace porvap {

// Number of case windows whose simulation is running: while it is above 0 the program
// may not close and the catalog may not change.
class SimulationCounter {
  public:
    void SimulationStarted() { ++running_; }
    // False, and no change, when nothing was running.
    bool SimulationStopped() {
        if (running_ < 1)
            return false;
        --running_;
        return true;
    }
    int RunningSimulations() const { return running_; }

  private:
    int running_ = 0;
};

}  // namespace porvap

#pragma once

#include <cstddef>
#include <vector>

namespace porvap {

// The room side of one recorded time step, dated as the climate record of the step.
struct HourlyFlow {
    int month = 0;
    int day = 0;
    int hour = 0;
    double sensible = 0.0;            // W/m2 to the room
    double latent = 0.0;              // W/m2 to the room
    double vapour = 0.0;              // kg/(m2 s) into the element at its internal face
    double outdoorTemperature = 0.0;  // degC
    double outdoorHumidity = 0.0;     // fraction
    double indoorTemperature = 0.0;   // degC
    double indoorHumidity = 0.0;      // fraction
};

// The flows of a run's recording pass, one row per time step (an hour), kept for exports
// once the run is over. The record holds at most the step count of the run's interval,
// fixed when recording starts, so no run can make it grow without bound.
class HourlyFlows {
  public:
    // Forgets the previous run.
    void Clear() { *this = HourlyFlows{}; }
    // Recording starts: up to `steps` rows of `stepSeconds` each.
    void Start(std::size_t steps, float stepSeconds) {
        Clear();
        rows_.reserve(steps);
        capacity_ = steps;
        stepSeconds_ = stepSeconds;
    }
    // A row beyond the capacity is refused, and the record can no longer be complete.
    bool Add(const HourlyFlow& flow) {
        if (rows_.size() >= capacity_) {
            lost_ = true;
            return false;
        }
        rows_.push_back(flow);
        return true;
    }
    // The run has reached its summary.
    void Finish() { complete_ = !lost_ && capacity_ > 0; }

    // Every step of a run that went to its end is here.
    bool Complete() const { return complete_; }
    const std::vector<HourlyFlow>& Rows() const { return rows_; }
    float StepSeconds() const { return stepSeconds_; }  // s

  private:
    std::vector<HourlyFlow> rows_;
    std::size_t capacity_ = 0;
    float stepSeconds_ = 3600.0f;  // s
    bool lost_ = false;
    bool complete_ = false;
};

}  // namespace porvap

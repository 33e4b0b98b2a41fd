#pragma once

#include <array>
#include <string>
#include <utility>

#include "core/common/ChartData.h"

namespace porvap {

class IsothermTable;
class MaterialRecord;

// The user's separators, for the factor labels and the humidity labels.
struct NumberSeparators {
    std::string group = ",";
    std::string decimal = ".";
};

// The material viewer's charts without their widgets: the points a material adds at a
// sampling interval, their axis labels, and the vertical ranges that follow the values.
// Charts hold copies of the values, never the records they came from.
class PropertyCurves {
  public:
    // In page order; the isotherm page is the one shown first.
    enum Page { kK, kDT, kDTeta, kDTV, kDTetaV, kIsotherms };
    static constexpr int kPages = 6;
    static constexpr int kSlots = 8;  // materials plotted at once, one series each
    static constexpr int kMaxInterval = 100;

    explicit PropertyCurves(NumberSeparators separators = {});

    static const char* Caption(Page page);
    // "x" and the factor the page's values are multiplied by; empty when they are not.
    std::string FactorLabel(Page page) const;

    // Adds the material's curves as series `slot` of every chart, sampled every `interval`
    // per cent of saturation and every `interval` hundredths of relative humidity.
    void Draw(const MaterialRecord& record, int slot, int interval);
    // Empties every series before the list is drawn again. The isotherm range is kept, so
    // that its axis never shrinks while the viewer is open.
    void Clear();

    const ChartData& Chart(Page page) const { return charts_[page]; }

  private:
    void AddPropertyPoints(const MaterialRecord& record, int slot, int interval);
    void AddPropertyRow(const MaterialRecord& record, int slot, int percent,
                        const std::string& label, bool tracked);
    void AddIsothermPoints(const IsothermTable& isotherm, int slot, int interval);
    void AddIsothermPoint(const IsothermTable& isotherm, int slot, float phi, std::string label);
    void TrackK(double k);
    void FitDiffusivityAxes();
    std::string HumidityLabel(double phi) const;

    NumberSeparators separators_;
    std::array<ChartData, kPages> charts_;
    double lowestK_;             // W/(m K)
    double highestK_;            // W/(m K)
    double lowestTheta_ = 0.0;   // m3/m3
    double highestTheta_ = 0.0;  // m3/m3
};

}  // namespace porvap

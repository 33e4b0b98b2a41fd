#pragma once

#include <memory>
#include <string>

#include "core/materials/IsothermTable.h"
#include "core/materials/PropertyTable.h"

namespace porvap {

// One loaded material: scalars of the dry material, five transport properties sampled
// at 101 degrees of saturation, and the sorption isotherm once the loader attaches it.
class MaterialRecord {
  public:
    static constexpr int kRows = 101;
    static constexpr std::size_t kMaxName = 39;
    static constexpr std::size_t kMaxPath = 159;

    MaterialRecord();

    // Names longer than the catalog's name field are cut; paths are never cut (the
    // loader refuses a path that does not fit).
    void SetName(const std::string& name);
    void SetFilePath(const std::string& path);
    void SetScalars(float density, float porosity, float specificHeat);
    void SetRow(int i, float k, float dt, float dteta, float dtv, float dtetav);
    void AttachIsotherm(std::unique_ptr<IsothermTable> isotherm);

    const std::string& Name() const { return name_; }
    const std::string& FilePath() const { return path_; }
    float DryDensity() const { return density_; }
    float DryPorosity() const { return porosity_; }
    float SpecificHeat() const { return specificHeat_; }
    const PropertyTable& K() const { return k_; }
    const PropertyTable& DT() const { return dt_; }
    const PropertyTable& DTeta() const { return dteta_; }
    const PropertyTable& DTV() const { return dtv_; }
    const PropertyTable& DTetaV() const { return dtetav_; }
    const IsothermTable* Isotherm() const { return isotherm_.get(); }

  private:
    std::string name_;
    std::string path_;
    float density_ = 0.0f;       // kg/m3
    float porosity_ = 0.0f;      // m3/m3
    float specificHeat_ = 0.0f;  // J/(kg K)
    PropertyTable k_;            // W/(m K)
    PropertyTable dt_;           // m2/(s K)
    PropertyTable dteta_;        // m2/s
    PropertyTable dtv_;          // m2/(s K)
    PropertyTable dtetav_;       // m2/s
    std::unique_ptr<IsothermTable> isotherm_;
};

}  // namespace porvap

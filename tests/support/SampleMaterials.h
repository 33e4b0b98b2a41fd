#pragma once

#include <memory>
#include <string>

#include "core/materials/IsothermTable.h"
#include "core/materials/MaterialRecord.h"

namespace porvap::test {

// Diffusivities of the sample materials when dry; they double up to saturation.
inline constexpr float kDryDT = 2e-11f;      // m2/(s K)
inline constexpr float kDryDTeta = 3e-7f;    // m2/s
inline constexpr float kDryDTV = 4e-11f;     // m2/(s K)
inline constexpr float kDryDTetaV = 5e-11f;  // m2/s

// A material whose conductivity runs linearly from kDry to kWet (W/(m K)) over the degrees
// of saturation and whose isotherm is theta = thetaFull * phi (m3/m3).
inline std::unique_ptr<MaterialRecord> LinearMaterial(const std::string& name, float kDry,
                                                      float kWet, double thetaFull = 0.1) {
    auto record = std::make_unique<MaterialRecord>();
    record->SetName(name);
    for (int i = 0; i < MaterialRecord::kRows; ++i) {
        const float s = static_cast<float>(i) / 100.0f;
        record->SetRow(i, kDry + (kWet - kDry) * s, kDryDT * (1 + s), kDryDTeta * (1 + s),
                       kDryDTV * (1 + s), kDryDTetaV * (1 + s));
    }
    auto isotherm = std::make_unique<IsothermTable>(100);
    for (int k = 0; k <= isotherm->Intervals(); ++k) {
        const double phi = k * isotherm->Step();
        isotherm->SetRow(phi, thetaFull * phi, thetaFull);
    }
    record->AttachIsotherm(std::move(isotherm));
    return record;
}

}  // namespace porvap::test

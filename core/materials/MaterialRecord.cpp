#include "core/materials/MaterialRecord.h"

namespace porvap {

MaterialRecord::MaterialRecord()
    : k_(kRows), dt_(kRows), dteta_(kRows), dtv_(kRows), dtetav_(kRows) {}

void MaterialRecord::SetName(const std::string& name) {
    name_ = name.substr(0, kMaxName);
}

void MaterialRecord::SetFilePath(const std::string& path) {
    path_ = path;
}

void MaterialRecord::SetScalars(float density, float porosity, float specificHeat) {
    density_ = density;
    porosity_ = porosity;
    specificHeat_ = specificHeat;
}

void MaterialRecord::SetRow(int i, float k, float dt, float dteta, float dtv, float dtetav) {
    k_.Set(i, k);
    dt_.Set(i, dt);
    dteta_.Set(i, dteta);
    dtv_.Set(i, dtv);
    dtetav_.Set(i, dtetav);
}

void MaterialRecord::AttachIsotherm(std::unique_ptr<IsothermTable> isotherm) {
    isotherm_ = std::move(isotherm);
}

}  // namespace porvap

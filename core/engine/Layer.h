#pragma once

namespace porvap {

class MaterialRecord;

// Sections of all layers of one element together (20 001 nodes). The engine's per-node
// buffers and every saved profile grow with them; a case asking for more is refused.
inline constexpr int kMaxElementSections = 20000;

// One layer of the element, external face first. The material belongs to the catalog.
class Layer {
  public:
    Layer(const MaterialRecord* material, int sections, double thickness)
        : material_(material), sections_(sections), thickness_(thickness) {}

    const MaterialRecord* Material() const { return material_; }
    int Sections() const { return sections_; }
    double Thickness() const { return thickness_; }            // m
    double Spacing() const { return thickness_ / sections_; }  // m

  private:
    const MaterialRecord* material_;
    int sections_;
    double thickness_;
};

}  // namespace porvap

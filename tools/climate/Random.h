#pragma once

#include <cstdint>

namespace porvap::datagen {

// xorshift64* generator with Box-Muller normals. Written out here rather than taken from
// <random>, whose distributions may give other numbers under another standard library:
// the bundled climate must come out the same wherever it is regenerated.
class Random {
  public:
    explicit Random(std::uint64_t seed);

    std::uint64_t NextBits();
    double Uniform();  // in (0, 1)
    double Normal();   // standard normal

  private:
    std::uint64_t state_;
    bool hasSpare_ = false;
    double spare_ = 0.0;
};

// First-order autoregressive series of unit variance: x' = r x + sqrt(1 - r^2) z.
class Autoregression {
  public:
    explicit Autoregression(double lag1) : lag1_(lag1) {}

    double Next(Random& random);

  private:
    double lag1_;
    double value_ = 0.0;
    bool started_ = false;
};

}  // namespace porvap::datagen

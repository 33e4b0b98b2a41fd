#include "tools/climate/Random.h"

#include <cmath>
#include <numbers>

namespace porvap::datagen {

Random::Random(std::uint64_t seed) : state_(seed != 0 ? seed : 0x9E3779B97F4A7C15ull) {}

// Vigna's xorshift64* (shifts 12, 25, 27 and the odd multiplier of his paper).
std::uint64_t Random::NextBits() {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return state_ * 0x2545F4914F6CDD1Dull;
}

double Random::Uniform() {
    constexpr double kTwoToMinus53 = 1.0 / 9007199254740992.0;
    return (static_cast<double>(NextBits() >> 11) + 0.5) * kTwoToMinus53;
}

double Random::Normal() {
    if (hasSpare_) {
        hasSpare_ = false;
        return spare_;
    }
    const double radius = std::sqrt(-2.0 * std::log(Uniform()));
    const double angle = 2.0 * std::numbers::pi * Uniform();
    spare_ = radius * std::sin(angle);
    hasSpare_ = true;
    return radius * std::cos(angle);
}

double Autoregression::Next(Random& random) {
    const double innovation = random.Normal();
    value_ = started_ ? lag1_ * value_ + std::sqrt(1.0 - lag1_ * lag1_) * innovation : innovation;
    started_ = true;
    return value_;
}

}  // namespace porvap::datagen

// A small deterministic random source for the simulated measurements: the same seed gives
// the same values on every platform and standard library (std::normal_distribution does not
// promise that), so a run started with --seed can be repeated exactly.
#pragma once

#include <cmath>
#include <cstdint>
#include <numbers>

namespace tarvix::sim {

class Noise {
  public:
    explicit Noise(std::uint64_t seed = 1) : state_(seed) {}

    // splitmix64: fast, full period, good enough for measurement noise.
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    double Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

    // Standard normal (Box-Muller, one value per call).
    double Gauss() {
        const double u1 = 1.0 - Uniform();  // (0, 1]
        const double u2 = Uniform();
        return std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * std::numbers::pi * u2);
    }

  private:
    std::uint64_t state_;
};

}  // namespace tarvix::sim

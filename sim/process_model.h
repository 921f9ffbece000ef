// The process the simulated flowmeter sits in: water at room temperature flowing at about
// 1.2 t/h, with slow swings and measurement noise. Sampled at the transmitter's update rate;
// the same seed and the same steps give the same values.
#pragma once

#include "sim/noise.h"

#include <cstdint>

namespace tarvix::sim {

struct ProcessValues {
    double massFlowKgS = 0.0;
    double densityKgM3 = 0.0;
    double temperatureC = 0.0;
};

// Density of air-free water at atmospheric pressure (Tanaka et al. 2001), kg/m3.
double WaterDensity(double temperatureC);

class ProcessModel {
  public:
    explicit ProcessModel(std::uint64_t seed = 1) : noise_(seed) {}

    // Set points the swings and the noise are laid over. A density set point of 0 means
    // "water at the present temperature".
    double massFlowKgH = 1200.0;
    double densityKgM3 = 0.0;
    double temperatureC = 20.5;
    double noise = 1.0;   // scale of the noise, 0 = none
    bool frozen = false;  // values hold still exactly at the set points

    // Scale of the measurement noise the transmitter adds on top (0 while frozen).
    double NoiseScale() const { return frozen ? 0.0 : noise; }

    // The process at time t seconds (one call per update step, t ascending).
    ProcessValues Sample(double t);

  private:
    Noise noise_;
};

}  // namespace tarvix::sim

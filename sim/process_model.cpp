// The simulated process.
#include "sim/process_model.h"

#include <cmath>
#include <numbers>

namespace tarvix::sim {

double WaterDensity(double t) {
    constexpr double a1 = -3.983035, a2 = 301.797, a3 = 522528.9, a4 = 69.34881, a5 = 999.974950;
    return a5 * (1.0 - (t + a1) * (t + a1) * (t + a2) / (a3 * (t + a4)));
}

ProcessValues ProcessModel::Sample(double t) {
    ProcessValues v;
    if (frozen) {
        v.massFlowKgS = massFlowKgH / 3600.0;
        v.temperatureC = temperatureC;
        v.densityKgM3 = densityKgM3 > 0.0 ? densityKgM3 : WaterDensity(temperatureC);
        return v;
    }
    constexpr double k2Pi = 2.0 * std::numbers::pi;
    // A pump that breathes over a minute and a half, a valve hunting every 23 s, and the
    // turbulence noise of a real line (0.3 %).
    const double swing = 1.0 + 0.05 * std::sin(k2Pi * t / 90.0) + 0.02 * std::sin(k2Pi * t / 23.0);
    const double flowKgH =
        massFlowKgH * swing + std::abs(massFlowKgH) * 0.003 * noise * noise_.Gauss();
    v.massFlowKgS = flowKgH / 3600.0;
    // The line warms and cools slowly (ten-minute cycle); the sensor resolves 0.02 degrees.
    v.temperatureC =
        temperatureC + 0.4 * std::sin(k2Pi * t / 600.0) + 0.02 * noise * noise_.Gauss();
    const double base = densityKgM3 > 0.0 ? densityKgM3 : WaterDensity(v.temperatureC);
    v.densityKgM3 = base + 0.05 * noise * noise_.Gauss();
    return v;
}

}  // namespace tarvix::sim

// Unit menus of the transmitter as factors against the base unit.
#include "sim/units.h"

#include <array>
#include <span>

namespace tarvix::sim {
namespace {

// Factor f of each item: value_in_item = base * f (temperature is handled apart).
constexpr std::array<double, 9> kFlowFactors = {
    1e3,  6e4,  3.6e6,   // g/s, g/min, g/h        (from kg/s)
    1.0,  60.0, 3600.0,  // kg/s, kg/min, kg/h
    1e-3, 6e-2, 3.6,     // t/s, t/min, t/h
};
constexpr std::array<double, 9> kVolumeFlowFactors = {
    1e6, 6e7,  3.6e9,   // cm3/s, cm3/min, cm3/h  (from m3/s)
    1.0, 60.0, 3600.0,  // m3/s, m3/min, m3/h
    1e3, 6e4,  3.6e6,   // l/s, l/min, l/h
};
constexpr std::array<double, 3> kDensityFactors = {1e-3, 1e-3, 1.0};  // g/cm3, kg/l, kg/m3
constexpr std::array<double, 3> kMassFactors = {1e3, 1.0, 1e-3};      // g, kg, t
constexpr std::array<double, 3> kVolumeFactors = {1e6, 1e3, 1.0};     // cm3, l, m3

std::span<const double> Factors(Quantity q) {
    switch (q) {
        case Quantity::MassFlow:
            return kFlowFactors;
        case Quantity::VolumeFlow:
        case Quantity::CorrVolumeFlow:
            return kVolumeFlowFactors;
        case Quantity::Density:
        case Quantity::RefDensity:
            return kDensityFactors;
        case Quantity::Mass:
            return kMassFactors;
        case Quantity::Volume:
        case Quantity::CorrVolume:
            return kVolumeFactors;
        default:
            return {};
    }
}

}  // namespace

int UnitCount(Quantity q) {
    if (q == Quantity::Temperature) return 2;
    return static_cast<int>(Factors(q).size());
}

int BaseUnit(Quantity q) {
    switch (q) {
        case Quantity::MassFlow:
        case Quantity::VolumeFlow:
        case Quantity::CorrVolumeFlow:
            return 3;
        case Quantity::Density:
        case Quantity::RefDensity:
        case Quantity::Volume:
        case Quantity::CorrVolume:
            return 2;
        case Quantity::Mass:
            return 1;
        default:
            return 0;
    }
}

double FromBase(Quantity q, int unit, double base) {
    if (q == Quantity::Temperature) return unit == 1 ? base + 273.15 : base;
    const auto f = Factors(q);
    if (f.empty()) return base;
    if (unit < 0 || unit >= static_cast<int>(f.size())) unit = BaseUnit(q);
    return base * f[static_cast<std::size_t>(unit)];
}

double ToBase(Quantity q, int unit, double value) {
    if (q == Quantity::Temperature) return unit == 1 ? value - 273.15 : value;
    const auto f = Factors(q);
    if (f.empty()) return value;
    if (unit < 0 || unit >= static_cast<int>(f.size())) unit = BaseUnit(q);
    return value / f[static_cast<std::size_t>(unit)];
}

}  // namespace tarvix::sim

// A simulated device for the register-level tests: the process held at its set points,
// without noise, with a clock the test advances, and writes as the master would send them.
#pragma once

#include "sim/device.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

namespace tarvix::sim {

class DeviceFixture : public ::testing::Test {
  protected:
    explicit DeviceFixture(std::uint64_t seed) : d(seed) {}

    void SetUp() override { d.Process().frozen = true; }
    void Run(double seconds) {
        t += seconds;
        d.AdvanceTo(t);
    }
    std::uint8_t WriteWord(int reg, std::uint16_t v) { return d.WriteHolding(reg, 1, &v); }
    std::uint8_t WriteFloat(int low, float v) {
        const auto bits = std::bit_cast<std::uint32_t>(v);
        const std::uint16_t w[2] = {static_cast<std::uint16_t>(bits),
                                    static_cast<std::uint16_t>(bits >> 16)};
        return d.WriteHolding(low, 2, w);
    }
    float F(int low) const { return d.Float(low); }

    Device d;
    double t = 0.0;
};

}  // namespace tarvix::sim

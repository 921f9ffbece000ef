// Request frames for the simulator tests, built by hand as a master would send them.
#pragma once

#include "link/protocol.h"
#include "sim/slave.h"
#include "tests/support/modbus_frames.h"

#include <bit>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace tarvix::sim::test {

using testing::Bytes;
using testing::WithCrc;

inline Bytes Read(int address, int start, int count) {
    return WithCrc({static_cast<std::uint8_t>(address), kFnReadHolding,
                    static_cast<std::uint8_t>(start >> 8), static_cast<std::uint8_t>(start),
                    static_cast<std::uint8_t>(count >> 8), static_cast<std::uint8_t>(count)});
}

inline Bytes Write(int address, int start, std::initializer_list<std::uint16_t> values) {
    Bytes b{static_cast<std::uint8_t>(address),
            kFnWriteHolding,
            static_cast<std::uint8_t>(start >> 8),
            static_cast<std::uint8_t>(start),
            0,
            static_cast<std::uint8_t>(values.size()),
            static_cast<std::uint8_t>(2 * values.size())};
    for (const std::uint16_t v : values) {
        b.push_back(static_cast<std::uint8_t>(v >> 8));
        b.push_back(static_cast<std::uint8_t>(v));
    }
    return WithCrc(b);
}

// A float the device's way: low-order word in the lower register.
inline Bytes WriteFloat(int address, int lowRegister, float value) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    return Write(address, lowRegister,
                 {static_cast<std::uint16_t>(bits), static_cast<std::uint16_t>(bits >> 16)});
}

inline Bytes Dsp(int address, int sub, std::initializer_list<std::uint8_t> data) {
    Bytes b{static_cast<std::uint8_t>(address), kFnDspExchange, static_cast<std::uint8_t>(sub),
            static_cast<std::uint8_t>(data.size())};
    b.insert(b.end(), data.begin(), data.end());
    return WithCrc(b);
}

// The answer the slave sends to one request received at time t (seconds).
inline Bytes Exchange(Slave& slave, const Bytes& request, double t = 0.0) {
    const Delivery d = slave.OnBurst(request.data(), static_cast<int>(request.size()), t);
    return Bytes(d.bytes.begin(), d.bytes.begin() + d.length);
}

// The exception code of an exception answer, 0 for any other answer.
inline int ExceptionOf(const Bytes& answer) {
    return answer.size() == kExceptionAnswerLength && (answer[1] & kExceptionBit) != 0 ? answer[2]
                                                                                       : 0;
}

inline std::uint16_t Word(const Bytes& readAnswer, int i) {
    return static_cast<std::uint16_t>((readAnswer[3 + 2 * i] << 8) | readAnswer[4 + 2 * i]);
}

inline float FloatOf(const Bytes& readAnswer, int i) {
    return std::bit_cast<float>(static_cast<std::uint32_t>(Word(readAnswer, i)) |
                                (static_cast<std::uint32_t>(Word(readAnswer, i + 1)) << 16));
}

}  // namespace tarvix::sim::test

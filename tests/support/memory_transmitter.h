// A transmitter in memory for the link's unit tests: it answers register reads and writes the
// way the device frames them, behind a MemorySerialDevice plugged into a ComSetup.
#pragma once

#include "link/com_setup.h"
#include "link/memory_serial.h"
#include "link/protocol.h"
#include "model/register_image.h"
#include "tests/support/modbus_frames.h"

#include <map>
#include <memory>
#include <set>
#include <utility>

namespace tarvix::testing {

// Function 3 answers from regs and 16 stores into them and echoes the header. A request
// whose first register is in silent gets no answer, one in refusals that exception code.
// When next is set, it is the next answer whatever was asked. Set it up before a list is
// launched: the worker calls it from its own thread.
struct MemoryTransmitter {
    std::vector<std::uint16_t> regs = std::vector<std::uint16_t>(kRegCount, 0);
    std::set<int> silent;
    std::map<int, std::uint8_t> refusals;
    Bytes next;

    Bytes operator()(const Bytes& req) {
        if (!next.empty()) return std::exchange(next, {});
        if (req.size() < 8) return {};
        const int start = (req[2] << 8) | req[3];
        const int count = (req[4] << 8) | req[5];
        if (silent.count(start)) return {};
        if (const auto r = refusals.find(start); r != refusals.end()) {
            return Refusal(req[0], req[1], r->second);
        }
        if (start + count > static_cast<int>(regs.size())) {
            return Refusal(req[0], req[1], kExceptionIllegalAddress);
        }
        if (req[1] == kFnReadHolding) {
            Bytes a{req[0], req[1], static_cast<std::uint8_t>(2 * count)};
            for (int i = 0; i < count; ++i) {
                a.push_back(static_cast<std::uint8_t>(regs[At(start + i)] >> 8));
                a.push_back(static_cast<std::uint8_t>(regs[At(start + i)] & 0xFF));
            }
            return WithCrc(a);
        }
        if (req[1] == kFnWriteHolding) {
            for (int i = 0; i < count; ++i) {
                regs[At(start + i)] =
                    static_cast<std::uint16_t>((req[At(7 + 2 * i)] << 8) | req[At(8 + 2 * i)]);
            }
            return WithCrc(Bytes(req.begin(), req.begin() + 6));
        }
        return {};
    }

    // Puts this transmitter on com's line; the line stays valid while com holds it.
    MemorySerialDevice* AttachTo(ComSetup& com) {
        auto line =
            std::make_unique<MemorySerialDevice>([this](const Bytes& r) { return (*this)(r); });
        MemorySerialDevice* raw = line.get();
        com.Attach(std::move(line));
        return raw;
    }

  private:
    static std::size_t At(int i) { return static_cast<std::size_t>(i); }
};

}  // namespace tarvix::testing

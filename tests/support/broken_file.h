// A file-mode stand-in whose first read breaks the worker's loop: the way to test what the
// program does when its communication worker dies.
#pragma once

#include "link/thread_com.h"

#include <stdexcept>

namespace tarvix::testing {

struct BrokenFile : FileTransactions {
    std::uint8_t FileRead(ModbusList&, int) override { throw std::runtime_error("broken"); }
    std::uint8_t FileWrite(ModbusList&, int) override { return 0; }
};

}  // namespace tarvix::testing

// Command-line options of tarvix-sim, and its --help text.
#pragma once

#include "link/protocol.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tarvix::sim {

struct SimOptions {
    std::string link;     // publish a pseudo-terminal under this path (a symbolic link)
    std::string device;   // or serve a real serial device
    std::string control;  // UNIX socket of the control channel
    std::string load;     // configuration file to start from
    std::string save;     // configuration file written on exit
    int address = 1;
    int baud = kDefaultBaud;
    int parity = kParityNone;  // or kParityOdd, kParityEven
    int stopBits = 1;
    int lineRate = 0;         // > 0: answers take the wire time of this rate
    double frameGapMs = 0.0;  // 0: 3.5 characters, at least kMinGapMs
    std::uint64_t seed = 0;
    bool seedGiven = false;
    bool trace = false;  // frames to stderr
    bool help = false;
    bool addressGiven = false, baudGiven = false, parityGiven = false;
    // Control commands run before the line opens (fault options become such commands).
    std::vector<std::string> commands;
    // Client mode: commands sent to a running simulator's control socket.
    std::vector<std::string> send;
};

// Silence that ends a frame on a pseudo-terminal, where bytes of one write arrive together
// and the character time means nothing: long enough for a master that writes a request in
// pieces, short against any answer time-out.
inline constexpr double kMinGapMs = 2.0;

bool ParseOptions(int argc, const char* const* argv, SimOptions* options, std::string* error);

// Inter-frame silence: 3.5 character times at the line's settings (Modbus fixes 1.75 ms
// above 19200 baud), never below kMinGapMs on a pseudo-terminal; --frame-gap overrides.
double FrameGapMs(const SimOptions& options, int baud, int parity, bool pty);

// Bits one character takes on the wire: start, 8 data, parity, stop bits.
int BitsPerChar(int parity, int stopBits);

std::string HelpText();

}  // namespace tarvix::sim

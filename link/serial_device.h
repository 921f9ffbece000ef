// The transport under the Modbus transactions: an open serial line that can discard its
// input, send bytes and read an answer under the line's read time-outs. The termios
// implementation serves real ports and pseudo-terminals; tests may plug in a memory line.
#pragma once

#include "link/protocol.h"

#include <QString>

#include <cstdint>
#include <memory>

namespace tarvix {

// Line settings the port is opened with, coded as in the settings file.
struct LineSettings {
    int baudRate = kDefaultBaud;
    int parity = kParityNone;
    int stopBits = kStopBitsOne;
};

// How long a write may take: 50 ms + 50 ms per byte. A line that stops taking bytes (a
// stalled or vanished adapter) then costs one bounded wait instead of hanging the worker.
constexpr int WriteTimeoutMs(int n) { return 50 + 50 * n; }

class SerialDevice {
  public:
    virtual ~SerialDevice() = default;

    // Discards whatever has been received and not read yet (the output is not touched).
    virtual void PurgeInput() = 0;

    // Sends n bytes within WriteTimeoutMs(n); returns how many were written (fewer when the
    // line stalled).
    virtual int Write(const std::uint8_t* data, int n) = 0;

    // Reads up to n bytes: returns when n bytes arrived, when no further byte came within
    // gapMs after the last one, or when totalMs passed since the call (0 bytes: no answer).
    virtual int Read(std::uint8_t* data, int n, int totalMs, int gapMs) = 0;

    // The system's error (errno) that showed the device behind the line gone, such as a USB
    // adapter pulled out; 0 while it is there. Once gone, a line never comes back: the port
    // must be closed and opened again. Safe to ask from another thread than the one using
    // the line.
    virtual int LostError() const { return 0; }
};

// Opens a named port. On failure returns nullptr and puts the reason into *error.
using SerialOpener = std::unique_ptr<SerialDevice> (*)(const QString& name,
                                                       const LineSettings& settings,
                                                       QString* error);

}  // namespace tarvix

// The transport under the Modbus transactions: an open serial line that can discard its
// input, send bytes and read an answer under the line's read time-outs. The termios
// implementation serves real ports and pseudo-terminals; tests may plug in a memory line.
#pragma once

#include <QString>

#include <cstdint>
#include <memory>

namespace tarvix {

// Line settings the port is opened with. Codes are those of the settings file:
// parity 0 none, 1 odd, 2 even; stop bits 0 one, 2 two.
struct LineSettings {
    int baudRate = 9600;
    int parity = 0;
    int stopBits = 0;
};

class SerialDevice {
  public:
    virtual ~SerialDevice() = default;

    // Discards whatever has been received and not read yet (the output is not touched).
    virtual void PurgeInput() = 0;

    // Sends n bytes; returns how many were written.
    virtual int Write(const std::uint8_t* data, int n) = 0;

    // Reads up to n bytes: returns when n bytes arrived, when no further byte came within
    // gapMs after the last one, or when totalMs passed since the call (0 bytes: no answer).
    virtual int Read(std::uint8_t* data, int n, int totalMs, int gapMs) = 0;
};

// Opens a named port. On failure returns nullptr and puts the reason into *error.
using SerialOpener = std::unique_ptr<SerialDevice> (*)(const QString& name,
                                                       const LineSettings& settings,
                                                       QString* error);

}  // namespace tarvix

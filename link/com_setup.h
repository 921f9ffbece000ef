// The live connection settings and the one serial port of the program: open, close and the
// three raw operations every Modbus transaction is made of.
#pragma once

#include "link/frame_trace.h"
#include "link/protocol.h"
#include "link/serial_device.h"

#include <QString>

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>

namespace tarvix {

// The device path a port name stands for on this system: a path is kept, a bare name
// ("ttyUSB0") is looked for in /dev, and a Windows name "COMn" maps to /dev/ttyS(n-1)
// so settings files written on Windows still name a port here.
QString PortDevicePath(const QString& portName);

// The platform's opener (termios on Linux).
std::unique_ptr<SerialDevice> OpenPlatformSerial(const QString& name, const LineSettings& settings,
                                                 QString* error);

class ComSetup {
  public:
    ComSetup();
    ~ComSetup();
    ComSetup(const ComSetup&) = delete;
    ComSetup& operator=(const ComSetup&) = delete;

    QString PortName;
    std::int32_t BaudRate = kDefaultBaud;
    std::int32_t StopBits = kStopBitsOne;
    std::int32_t Parity = kParityNone;
    std::uint16_t AnsDelay = kDefaultAnsDelayMs;
    std::uint8_t CharTime = CharTimeFor(kDefaultBaud);
    std::uint8_t Address = 1;
    // The pause after a good answer before the next request may go out. The program keeps
    // 2 ms, which its worker's pacing is tuned to; a master that sends back to back (the
    // command line) keeps only the line's inter-frame silence (InterFrameMicros).
    std::chrono::microseconds AfterAnswerPause{2000};

    std::array<std::uint8_t, kFrameMax> TxBuf{};
    std::array<std::uint8_t, kFrameMax> RxBuf{};

    // Sets BaudRate and the CharTime that goes with it.
    void SetBaudRate(std::int32_t baud);
    // The 3.5 characters of silence that end a Modbus RTU frame at the current settings.
    std::chrono::microseconds InterFrameMicros() const;

    // Opens PortName with the settings above. False, with the handle left empty and the
    // reason kept in LastError(), when the port is missing, busy or not a serial device.
    bool OpenPort();
    // Closes the port; false when none was open.
    bool ClosePort();
    bool IsOpen() const { return Handle() != nullptr; }
    // The open port, or none. The worker holds its own reference for the length of each
    // raw operation, so closing the port from the window thread (leaving the online state
    // while a read is still waiting) never pulls the line from under a running read: the
    // device closes when that read has returned.
    std::shared_ptr<SerialDevice> Handle() const;
    const QString& LastError() const { return lastError_; }

    void PurgeInput();
    int WriteBytes(int n);
    // Reads up to n bytes into RxBuf under the time-outs AnsDelay + n x CharTime (total)
    // and CharTime (between bytes).
    int ReadBytes(int n);

    // Replaces the way ports are opened (tests use a memory line; Windows its own API).
    void SetOpener(SerialOpener opener) { opener_ = opener; }
    // Puts an already open line in place of the port (tests); the previous one is closed.
    void Attach(std::unique_ptr<SerialDevice> device);
    void SetTrace(FrameTrace* trace) { trace_ = trace; }

  private:
    void SetHandle(std::shared_ptr<SerialDevice> device);

    mutable std::mutex handleMutex_;
    std::shared_ptr<SerialDevice> handle_;
    SerialOpener opener_;
    FrameTrace* trace_ = nullptr;
    QString lastError_;
};

}  // namespace tarvix

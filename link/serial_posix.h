// The serial port on Linux: a tty opened exclusively and driven with termios and poll().
#pragma once

#include "link/serial_device.h"

#include <atomic>

namespace tarvix {

class PosixSerialDevice final : public SerialDevice {
  public:
    // Opens and configures the tty at path; nullptr with the reason in *error on failure,
    // told as the user can act on it (link/port_problem.h).
    static std::unique_ptr<PosixSerialDevice> Open(const QString& path,
                                                   const LineSettings& settings, QString* error);
    ~PosixSerialDevice() override;

    void PurgeInput() override;
    int Write(const std::uint8_t* data, int n) override;
    int Read(std::uint8_t* data, int n, int totalMs, int gapMs) override;
    int LostError() const override { return lost_.load(std::memory_order_acquire); }

    int fd() const { return fd_; }

  private:
    explicit PosixSerialDevice(int fd) : fd_(fd) {}
    // Keeps the first error that shows the device gone.
    void NoteError(int error);

    int fd_;
    std::atomic<int> lost_{0};
};

}  // namespace tarvix

// The simulator's end of the line: a pseudo-terminal published under a path, or a real
// serial port. Non-blocking; the event loop polls its descriptors.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace tarvix::sim {

class SimLine {
  public:
    // A new pseudo-terminal whose slave side appears as the symbolic link linkPath.
    static std::unique_ptr<SimLine> OpenPty(const std::string& linkPath, std::string* error);
    // A serial port with the given settings (parity 0 none, 1 odd, 2 even).
    static std::unique_ptr<SimLine> OpenSerial(const std::string& path, int baud, int parity,
                                               int stopBits, std::string* error);
    ~SimLine();
    SimLine(const SimLine&) = delete;
    SimLine& operator=(const SimLine&) = delete;

    int Fd() const { return fd_; }
    // Descriptor reporting opens and closes of the pseudo-terminal by the master, or -1.
    int WatchFd() const { return watchFd_; }
    void OnWatchEvent();

    // Reads what has arrived, up to n bytes; 0 when nothing (or the master is away).
    int Read(std::uint8_t* buffer, int n);
    // Sends with one write() call, so the master receives the answer without gaps.
    bool Write(const std::uint8_t* bytes, int n);
    // Waits until written bytes have left (before changing the line settings).
    void Drain();
    // New settings after the device's DevAddr/BaudIndex/Parity changed (serial only).
    bool Configure(int baud, int parity, int stopBits);
    bool IsPty() const { return slaveFd_ >= 0; }
    std::string Describe() const;

  private:
    SimLine() = default;
    int fd_ = -1;
    int slaveFd_ = -1;  // held open so the master never sees a hang-up
    int watchFd_ = -1;
    std::string linkPath_;
    std::string devicePath_;
};

}  // namespace tarvix::sim

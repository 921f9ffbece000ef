// Pseudo-terminal and serial port of the simulator.
//
// Pseudo-terminal quirks handled here:
// - When the last slave descriptor closes, the master side reports a hang-up (POLLHUP, read
//   gives EIO) until someone opens the slave again, which would make poll() spin. The
//   simulator keeps a slave descriptor of its own open for its whole life, so the master
//   never sees a hang-up and masters can come and go.
// - That descriptor keeps the terminal alive between the master's sessions, and with it the
//   exclusive mode (TIOCEXCL) the program sets on the ports it opens: a second open by a
//   non-root user would fail with EBUSY. An inotify watch on the slave device reports every
//   close, and the simulator then clears the exclusive mode again (TIOCNXCL).
#include "sim/sim_line.h"

#include "link/protocol.h"
#include "link/serial_baud_linux.h"

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tarvix::sim {
namespace {

std::string Errno(const std::string& what) { return what + ": " + std::strerror(errno); }

void MakeRaw(int fd, int parity, int stopBits) {
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) return;
    ::cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cflag &= ~static_cast<tcflag_t>(PARENB | PARODD | CSTOPB | CRTSCTS);
    if (parity == kParityOdd) tio.c_cflag |= PARENB | PARODD;
    if (parity == kParityEven) tio.c_cflag |= PARENB;
    if (stopBits == 2) tio.c_cflag |= CSTOPB;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    ::tcsetattr(fd, TCSANOW, &tio);
}

}  // namespace

std::unique_ptr<SimLine> SimLine::OpenPty(const std::string& linkPath, std::string* error) {
    std::unique_ptr<SimLine> line(new SimLine);
    line->fd_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (line->fd_ < 0 || ::grantpt(line->fd_) != 0 || ::unlockpt(line->fd_) != 0) {
        *error = Errno("cannot create a pseudo-terminal");
        return nullptr;
    }
    char name[128] = {};
    if (::ptsname_r(line->fd_, name, sizeof name) != 0) {
        *error = Errno("ptsname");
        return nullptr;
    }
    line->devicePath_ = name;
    line->slaveFd_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (line->slaveFd_ < 0) {
        *error = Errno(std::string("cannot open ") + name);
        return nullptr;
    }
    // No echo, no line editing, no CR/LF translation until the master sets its own mode.
    MakeRaw(line->slaveFd_, 0, 1);
    line->watchFd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (line->watchFd_ >= 0)
        ::inotify_add_watch(line->watchFd_, name, IN_CLOSE_WRITE | IN_CLOSE_NOWRITE);

    // Publish atomically: a new link under a temporary name renamed over the old one, so a
    // master polling for the path never sees it missing or pointing at a dead terminal.
    const std::string temp = linkPath + ".new";
    ::unlink(temp.c_str());
    if (::symlink(name, temp.c_str()) != 0 || ::rename(temp.c_str(), linkPath.c_str()) != 0) {
        *error = Errno("cannot create the link " + linkPath);
        ::unlink(temp.c_str());
        return nullptr;
    }
    line->linkPath_ = linkPath;
    return line;
}

std::unique_ptr<SimLine> SimLine::OpenSerial(const std::string& path, int baud, int parity,
                                             int stopBits, std::string* error) {
    std::unique_ptr<SimLine> line(new SimLine);
    line->fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (line->fd_ < 0) {
        *error = Errno("cannot open " + path);
        return nullptr;
    }
    if (!::isatty(line->fd_)) {
        *error = path + " is not a serial device";
        return nullptr;
    }
    ::ioctl(line->fd_, TIOCEXCL);
    line->devicePath_ = path;
    if (!line->Configure(baud, parity, stopBits)) {
        *error = "the driver of " + path + " refuses " + std::to_string(baud) + " baud";
        return nullptr;
    }
    ::tcflush(line->fd_, TCIOFLUSH);
    return line;
}

SimLine::~SimLine() {
    if (!linkPath_.empty()) {
        // Remove the link only while it is still ours: another simulator may have taken
        // the path over since.
        char target[128] = {};
        const ssize_t n = ::readlink(linkPath_.c_str(), target, sizeof target - 1);
        if (n > 0 && devicePath_ == std::string(target, static_cast<std::size_t>(n))) {
            ::unlink(linkPath_.c_str());
        }
    }
    if (watchFd_ >= 0) ::close(watchFd_);
    if (slaveFd_ >= 0) ::close(slaveFd_);
    if (fd_ >= 0) ::close(fd_);
}

void SimLine::OnWatchEvent() {
    alignas(inotify_event) char buffer[1024];
    bool closed = false;
    while (::read(watchFd_, buffer, sizeof buffer) > 0) closed = true;
    if (closed) ::ioctl(slaveFd_, TIOCNXCL);
}

int SimLine::Read(std::uint8_t* buffer, int n) {
    const ssize_t got = ::read(fd_, buffer, static_cast<std::size_t>(n));
    return got > 0 ? static_cast<int>(got) : 0;
}

bool SimLine::Write(const std::uint8_t* bytes, int n) {
    // Non-blocking: when nobody reads the other end and its buffer is full, the answer is
    // dropped instead of stopping the simulator.
    const ssize_t w = ::write(fd_, bytes, static_cast<std::size_t>(n));
    return w == n;
}

void SimLine::Drain() {
    if (!IsPty()) ::tcdrain(fd_);
}

bool SimLine::Configure(int baud, int parity, int stopBits) {
    if (IsPty()) return true;
    MakeRaw(fd_, parity, stopBits);
    return SetLinuxBaudRate(fd_, baud);
}

std::string SimLine::Describe() const {
    if (IsPty()) return linkPath_ + " (pts " + devicePath_ + ")";
    return devicePath_;
}

}  // namespace tarvix::sim

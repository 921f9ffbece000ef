#include "serial_posix.h"

#include "base/system_error.h"
#include "link/com_setup.h"
#include "link/port_problem.h"
#include "link/serial_baud_linux.h"

#include <QFile>

#include <cerrno>
#include <chrono>
#include <cstring>

#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace tarvix {
namespace {

using Clock = std::chrono::steady_clock;

int ElapsedMs(Clock::time_point since) {
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since).count());
}

QString ErrnoText(int err) { return SystemErrorText(err); }

bool WaitWritable(int fd, int ms) {
    pollfd p{fd, POLLOUT, 0};
    int r = 0;
    do {
        r = ::poll(&p, 1, ms);
    } while (r < 0 && errno == EINTR);
    return r > 0 && (p.revents & POLLOUT);
}

}  // namespace

std::unique_ptr<PosixSerialDevice> PosixSerialDevice::Open(const QString& path,
                                                           const LineSettings& s, QString* error) {
    auto fail = [&](const QString& why, int fd) -> std::unique_ptr<PosixSerialDevice> {
        if (error) *error = why;
        if (fd >= 0) ::close(fd);
        return nullptr;
    };
    // The port is closed before the problem is looked into, so that a search for the
    // program holding it does not find this one.
    auto failWith = [&](int err, int fd) {
        if (fd >= 0) ::close(fd);
        return fail(PortProblemText(ClassifyPortError(err, path)), -1);
    };
    const QByteArray native = QFile::encodeName(path);
    // Non-blocking for good: opening must not wait for carrier, and every read and write
    // waits in poll() under its own time-out, so a stalled line cannot hold the worker.
    const int fd = ::open(native.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return failWith(errno, -1);
    if (!::isatty(fd)) return fail(QStringLiteral("not a serial device"), fd);
    // Not shared: the advisory lock keeps out other programs that honour it (and a second
    // copy of ours); TIOCEXCL refuses further opens by anyone but root, with EBUSY.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return failWith(EBUSY, fd);
    ::ioctl(fd, TIOCEXCL);

    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) return fail(ErrnoText(errno), fd);
    ::cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    tio.c_cflag |= CS8;
    if (s.parity == kParityOdd) tio.c_cflag |= PARENB | PARODD;
    if (s.parity == kParityEven) tio.c_cflag |= PARENB;
    if (s.stopBits == kStopBitsTwo) tio.c_cflag |= CSTOPB;
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    ::tcsetattr(fd, TCSANOW, &tio);
    // Any rate, including those without a Bxxx constant, goes through termios2.
    SetLinuxBaudRate(fd, s.baudRate);

    // USB adapters otherwise hold received bytes for their latency timer (16 ms on common
    // chips), which would split answers at the inter-byte time-out of fast rates.
    serial_struct ss{};
    if (::ioctl(fd, TIOCGSERIAL, &ss) == 0) {
        ss.flags |= ASYNC_LOW_LATENCY;
        ::ioctl(fd, TIOCSSERIAL, &ss);
    }

    // DTR first, then RTS; both stay up while the port is open. A pseudo-terminal has no
    // modem lines and refuses, which is harmless.
    int bit = TIOCM_DTR;
    ::ioctl(fd, TIOCMBIS, &bit);
    bit = TIOCM_RTS;
    ::ioctl(fd, TIOCMBIS, &bit);
    ::tcflush(fd, TCIOFLUSH);
    return std::unique_ptr<PosixSerialDevice>(new PosixSerialDevice(fd));
}

PosixSerialDevice::~PosixSerialDevice() {
    if (fd_ >= 0) ::close(fd_);
}

// A USB adapter pulled out hangs its tty up: reads and writes then fail with EIO (ENODEV
// with some drivers) and poll() reports a hang-up, for good. A pseudo-terminal whose other
// side was closed behaves the same way.
void PosixSerialDevice::NoteError(int error) {
    if (!IsLineLostError(error)) return;
    int none = 0;
    lost_.compare_exchange_strong(none, error, std::memory_order_acq_rel);
}

void PosixSerialDevice::PurgeInput() {
    if (::tcflush(fd_, TCIFLUSH) != 0) NoteError(errno);
}

// The descriptor never blocks: when the line takes no more bytes (EAGAIN), poll() waits for
// room, and the write gives up with what went out once its time-out is spent.
int PosixSerialDevice::Write(const std::uint8_t* data, int n) {
    const auto start = Clock::now();
    const int budget = WriteTimeoutMs(n);
    int done = 0;
    while (done < n) {
        const ssize_t w = ::write(fd_, data + done, static_cast<size_t>(n - done));
        if (w > 0) {
            done += static_cast<int>(w);
            continue;
        }
        if (w < 0 && errno == EINTR) continue;
        if (w < 0 && errno != EAGAIN) {
            NoteError(errno);
            break;
        }
        const int left = budget - ElapsedMs(start);
        if (left <= 0 || !WaitWritable(fd_, left)) break;
    }
    return done;
}

int PosixSerialDevice::Read(std::uint8_t* data, int n, int totalMs, int gapMs) {
    const auto start = Clock::now();
    int got = 0;
    while (got < n) {
        int wait = totalMs - ElapsedMs(start);
        if (wait <= 0) break;
        // After the first byte the answer ends at the first pause longer than the gap.
        if (got > 0 && gapMs < wait) wait = gapMs;
        pollfd p{fd_, POLLIN, 0};
        const int r = ::poll(&p, 1, wait);
        if (r < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (r == 0) break;
        if (p.revents & (POLLHUP | POLLERR | POLLNVAL)) {
            // Hung up: the device is gone, whatever may still sit in the buffer.
            NoteError(EIO);
            break;
        }
        if (!(p.revents & POLLIN)) break;
        const ssize_t rd = ::read(fd_, data + got, static_cast<size_t>(n - got));
        if (rd < 0) {
            if (errno == EINTR || errno == EAGAIN) continue;
            NoteError(errno);
            break;
        }
        if (rd == 0) break;
        got += static_cast<int>(rd);
    }
    return got;
}

std::unique_ptr<SerialDevice> OpenPlatformSerial(const QString& name, const LineSettings& s,
                                                 QString* error) {
    const QString path = PortDevicePath(name);
    if (path.isEmpty()) {
        if (error) *error = QStringLiteral("no port name");
        return nullptr;
    }
    return PosixSerialDevice::Open(path, s, error);
}

}  // namespace tarvix

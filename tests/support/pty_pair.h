// A pseudo-terminal for serial-port tests: the program opens the slave side as its port, the
// test plays the device on the master side.
#pragma once

#include <QString>

#include <chrono>
#include <cstdint>
#include <cstdlib>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace tarvix::testing {

struct PtyPair {
    int master = -1;
    QString slavePath;

    PtyPair() {
        master = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) return;
        slavePath = QString::fromLocal8Bit(::ptsname(master));
    }
    ~PtyPair() {
        if (master >= 0) ::close(master);
    }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    // Waits up to ms for n bytes from the program; returns how many came.
    int ReadRequest(std::uint8_t* buf, int n, int ms = 1000) const {
        int got = 0;
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (got < n && std::chrono::steady_clock::now() < end) {
            pollfd p{master, POLLIN, 0};
            if (::poll(&p, 1, 20) > 0) {
                const ssize_t r = ::read(master, buf + got, static_cast<size_t>(n - got));
                if (r > 0) got += static_cast<int>(r);
            }
        }
        return got;
    }

    // Reads and drops whatever the program has sent so far.
    void Drain() const {
        std::uint8_t buf[4096];
        pollfd p{master, POLLIN, 0};
        while (::poll(&p, 1, 0) > 0 && (p.revents & POLLIN) != 0) {
            if (::read(master, buf, sizeof buf) <= 0) break;
        }
    }
};

}  // namespace tarvix::testing

// The event loop.
#include "sim/sim_loop.h"

#include "sim/control_commands.h"
#include "sim/control_server.h"
#include "sim/sim_line.h"
#include "sim/slave.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace tarvix::sim {
namespace {

int g_signalPipe[2] = {-1, -1};

void OnSignal(int) {
    const char c = 1;
    [[maybe_unused]] const ssize_t w = ::write(g_signalPipe[1], &c, 1);
}

void Trace(const char* direction, const std::uint8_t* bytes, int n, double t) {
    std::fprintf(stderr, "%10.3f %s", t, direction);
    for (int i = 0; i < n; ++i) std::fprintf(stderr, " %02X", bytes[i]);
    std::fprintf(stderr, "\n");
}

// An answer waiting for its moment on the line.
struct Pending {
    Delivery delivery;
    bool active = false;
    double at = 0.0;
    int sent = 0;
};

}  // namespace

bool InstallSignalHandlers() {
    if (::pipe2(g_signalPipe, O_NONBLOCK | O_CLOEXEC) != 0) return false;
    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    ::sigemptyset(&sa.sa_mask);
    ::sigaction(SIGINT, &sa, nullptr);
    ::sigaction(SIGTERM, &sa, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    return true;
}

int RunLoop(const SimOptions& options, Slave& slave, SimLine& line, ControlServer& control) {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    auto now = [&] { return std::chrono::duration<double>(Clock::now() - start).count(); };
    slave.device.AdvanceTo(0.0);

    // Bytes of the frame being received. Longer than any frame; a longer burst (noise, a
    // babbling master) keeps its newest half, so memory stays fixed whatever arrives.
    std::array<std::uint8_t, 512> rx{};
    int rxLength = 0;
    double lastByte = 0.0;
    Pending pending;
    bool linkChange = false;
    bool quit = false;
    LinkSettings link = slave.device.Link();
    double gap =
        FrameGapMs(options, BaudRateOfIndex(link.baudIndex), link.parity, line.IsPty()) / 1000.0;
    const ControlServer::Handler handler = [&](const std::string& text) {
        const ControlReply reply = ExecuteCommand(slave, text);
        quit = quit || reply.quit;
        return reply.text;
    };

    std::array<pollfd, 3 + 1 + ControlServer::kMaxClients> fds{};
    while (!quit) {
        double t = now();
        double wait = 0.1;  // the measuring cycle
        if (rxLength > 0) wait = std::min(wait, lastByte + gap - t);
        if (pending.active) wait = std::min(wait, pending.at - t);
        const int timeoutMs = std::max(0, static_cast<int>(std::ceil(wait * 1000.0)));

        int n = 0;
        fds[static_cast<std::size_t>(n++)] = {line.Fd(), POLLIN, 0};
        const int signalIndex = n;
        fds[static_cast<std::size_t>(n++)] = {g_signalPipe[0], POLLIN, 0};
        int watchIndex = -1;
        if (line.WatchFd() >= 0) {
            watchIndex = n;
            fds[static_cast<std::size_t>(n++)] = {line.WatchFd(), POLLIN, 0};
        }
        const int controlIndex = n;
        n += control.PollFds(&fds[static_cast<std::size_t>(n)]);

        if (::poll(fds.data(), static_cast<nfds_t>(n), timeoutMs) < 0 && errno != EINTR) {
            std::fprintf(stderr, "tarvix-sim: poll: %s\n", std::strerror(errno));
            return 1;
        }
        t = now();
        if (fds[static_cast<std::size_t>(signalIndex)].revents != 0) break;
        if (watchIndex >= 0 && fds[static_cast<std::size_t>(watchIndex)].revents != 0)
            line.OnWatchEvent();

        const short lineEvents = fds[0].revents;
        if ((lineEvents & POLLIN) != 0) {
            for (;;) {
                if (rxLength == static_cast<int>(rx.size())) {
                    const int half = rxLength / 2;
                    std::memmove(rx.data(), rx.data() + half, static_cast<std::size_t>(half));
                    rxLength = half;
                }
                const int got =
                    line.Read(rx.data() + rxLength, static_cast<int>(rx.size()) - rxLength);
                if (got <= 0) break;
                rxLength += got;
                lastByte = t;
            }
        } else if ((lineEvents & (POLLERR | POLLHUP | POLLNVAL)) != 0 && !line.IsPty()) {
            std::fprintf(stderr, "tarvix-sim: the serial device is gone\n");
            return 1;
        }

        if (rxLength > 0 && t - lastByte >= gap) {
            if (options.trace) Trace("rx", rx.data(), rxLength, t);
            const Delivery d = slave.OnBurst(rx.data(), rxLength, t);
            const int requestLength = rxLength;
            rxLength = 0;
            linkChange = slave.device.TakeLinkChange() || linkChange;
            if (d.length > 0) {
                // With --line-rate: the time request and answer spend on the wire, and the
                // silences after each.
                const double wire = options.lineRate > 0
                                        ? (requestLength + d.length + 7) *
                                              BitsPerChar(link.parity, options.stopBits) /
                                              static_cast<double>(options.lineRate)
                                        : 0.0;
                pending = {d, true, t + d.delayMs / 1000.0 + wire, 0};
            }
        }

        if (pending.active && t >= pending.at) {
            const Delivery& d = pending.delivery;
            if (d.trickleMs > 0) {
                line.Write(&d.bytes[static_cast<std::size_t>(pending.sent)], 1);
                pending.at = t + d.trickleMs / 1000.0;
                pending.active = ++pending.sent < d.length;
            } else {
                line.Write(d.bytes.data(), d.length);
                pending.active = false;
            }
            if (!pending.active && options.trace) Trace("tx", d.bytes.data(), d.length, t);
        }

        // New address, rate or parity apply once the answer that confirmed them is out.
        if (linkChange && !pending.active) {
            linkChange = false;
            line.Drain();
            link = slave.device.Link();
            line.Configure(BaudRateOfIndex(link.baudIndex), link.parity, options.stopBits);
            gap = FrameGapMs(options, BaudRateOfIndex(link.baudIndex), link.parity, line.IsPty()) /
                  1000.0;
            std::fprintf(stderr, "tarvix-sim: now address %d, %d baud, parity %d\n", link.address,
                         BaudRateOfIndex(link.baudIndex), link.parity);
        }

        slave.device.AdvanceTo(t);
        if (n > controlIndex)
            control.Service(&fds[static_cast<std::size_t>(controlIndex)], n - controlIndex,
                            handler);
    }
    return 0;
}

}  // namespace tarvix::sim

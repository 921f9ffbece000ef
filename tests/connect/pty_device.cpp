#include "pty_device.h"

#include "link/protocol.h"
#include "model/register_ids.h"
#include "tests/support/modbus_frames.h"

#include <algorithm>
#include <chrono>
#include <vector>

#include <poll.h>
#include <unistd.h>

namespace tarvix {

PtyDevice::PtyDevice(Rule rule) : rule_(std::move(rule)) {
    if (Ok()) thread_ = std::thread([this] { Run(); });
}

// The thread stops before the pseudo-terminal closes with pty_.
PtyDevice::~PtyDevice() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
}

PtyDevice::Rule PtyDevice::At(std::uint8_t address) {
    return [address](std::uint8_t asked) -> std::optional<std::uint16_t> {
        if (asked == address) return address;
        return std::nullopt;
    };
}

PtyDevice::Rule PtyDevice::Silent() {
    return [](std::uint8_t) -> std::optional<std::uint16_t> { return std::nullopt; };
}

PtyDevice::Rule PtyDevice::AnswersAll(std::uint16_t value) {
    return [value](std::uint8_t) -> std::optional<std::uint16_t> { return value; };
}

void PtyDevice::Run() {
    testing::Bytes frame;
    while (!stop_) {
        pollfd p{pty_.master, POLLIN, 0};
        const int r = ::poll(&p, 1, 10);
        if (r <= 0) continue;
        std::uint8_t buf[256];
        const ssize_t got = ::read(pty_.master, buf, sizeof buf);
        if (got <= 0) {
            // Nobody has the slave side open (EIO): wait for the program to open it.
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        frame.insert(frame.end(), buf, buf + got);
        // The program sends whole 8-byte read requests; anything that does not check out
        // is dropped, as a device drops a damaged frame.
        while (frame.size() >= 8) {
            const testing::Bytes checked = testing::WithCrc({frame.begin(), frame.begin() + 6});
            if (!std::equal(checked.begin(), checked.end(), frame.begin())) {
                frame.clear();
                break;
            }
            ++requests_;
            Answer(frame.data());
            frame.erase(frame.begin(), frame.begin() + 8);
        }
    }
}

void PtyDevice::Answer(const std::uint8_t* request) {
    if (request[1] != kFnReadHolding) return;
    const std::optional<std::uint16_t> value = rule_(request[0]);
    if (!value) return;
    const int count = (request[4] << 8) | request[5];
    const int start = (request[2] << 8) | request[3];
    testing::Bytes answer{request[0], kFnReadHolding, static_cast<std::uint8_t>(2 * count)};
    for (int i = 0; i < count; ++i) {
        const std::uint16_t v = start + i == mrDevAddr ? *value : 0;
        answer.push_back(static_cast<std::uint8_t>(v >> 8));
        answer.push_back(static_cast<std::uint8_t>(v & 0xFF));
    }
    answer = testing::WithCrc(std::move(answer));
    [[maybe_unused]] const ssize_t w = ::write(pty_.master, answer.data(), answer.size());
}

}  // namespace tarvix

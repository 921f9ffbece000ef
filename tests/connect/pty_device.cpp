#include "pty_device.h"

#include "link/crc16.h"

#include <chrono>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>
#include <cerrno>

namespace tarvix {

PtyDevice::PtyDevice(Rule rule) : rule_(std::move(rule)) {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return;
    path_ = QString::fromLocal8Bit(::ptsname(master_));
    thread_ = std::thread([this] { Run(); });
}

PtyDevice::~PtyDevice() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (master_ >= 0) ::close(master_);
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
    std::vector<std::uint8_t> frame;
    while (!stop_) {
        pollfd p{master_, POLLIN, 0};
        const int r = ::poll(&p, 1, 10);
        if (r <= 0) continue;
        std::uint8_t buf[256];
        const ssize_t got = ::read(master_, buf, sizeof buf);
        if (got <= 0) {
            // Nobody has the slave side open (EIO): wait for the program to open it.
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        frame.insert(frame.end(), buf, buf + got);
        // The program sends whole 8-byte read requests; anything that does not check out
        // is dropped, as a device drops a damaged frame.
        while (frame.size() >= 8) {
            const std::uint16_t crc = Crc16(frame.data(), 6);
            if (frame[6] != (crc & 0xFF) || frame[7] != (crc >> 8)) {
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
    if (request[1] != 3) return;
    const std::optional<std::uint16_t> value = rule_(request[0]);
    if (!value) return;
    const int count = (request[4] << 8) | request[5];
    const int start = (request[2] << 8) | request[3];
    std::vector<std::uint8_t> answer{request[0], 3, static_cast<std::uint8_t>(2 * count)};
    for (int i = 0; i < count; ++i) {
        const std::uint16_t v = start + i == 430 ? *value : 0;
        answer.push_back(static_cast<std::uint8_t>(v >> 8));
        answer.push_back(static_cast<std::uint8_t>(v & 0xFF));
    }
    const std::uint16_t crc = Crc16(answer.data(), static_cast<int>(answer.size()));
    answer.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    answer.push_back(static_cast<std::uint8_t>(crc >> 8));
    [[maybe_unused]] const ssize_t w = ::write(master_, answer.data(), answer.size());
}

}  // namespace tarvix

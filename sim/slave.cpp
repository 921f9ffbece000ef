// The simulated transmitter on the line.
#include "sim/slave.h"

#include "link/modbus_rtu.h"
#include "sim/request_handler.h"

#include <array>
#include <cmath>
#include <sstream>

namespace tarvix::sim {
namespace {

// A file-record read request: file number and record length, both high byte first.
constexpr int kFileOffset = 4;
constexpr int kRecordLengthOffset = 8;

int Be16(const std::uint8_t* p) { return (p[0] << 8) | p[1]; }

}  // namespace

Delivery Slave::OnBurst(const std::uint8_t* bytes, int n, double now) {
    device.AdvanceTo(now);
    ++stats.bursts;
    int length = 0;
    const int offset = FindRequest(bytes, n, device.Address(), &length);
    if (offset < 0) {
        ++stats.badFrames;
        return {};
    }
    const std::uint8_t* request = bytes + offset;
    if (request[0] != device.Address() && request[0] != 0) {
        ++stats.foreign;
        return {};
    }
    // A silent device is cut off the line: it neither answers nor executes. A restarting
    // processor does not listen either.
    if (faults.silent || device.Rebooting()) {
        ++stats.ignored;
        return {};
    }
    ++stats.requests;
    std::array<std::uint8_t, kFrameMax> answer{};
    const int answerLength = HandleRequest(device, faults, request, length, answer.data());
    if (request[0] == 0) {
        ++stats.broadcasts;
        return {};
    }
    if (answerLength == 0) {
        ++stats.ignored;
        return {};
    }
    if (answerLength == kExceptionAnswerLength && (answer[1] & kExceptionBit) != 0)
        ++stats.exceptions;
    Delivery delivery = faults.Apply(answer.data(), answerLength);
    if (delivery.length > 0) ++stats.answers;
    if (request[1] == kFnReadFileRecord && answer[1] == kFnReadFileRecord &&
        Be16(request + kFileOffset) == Device::kSignalFile) {
        const int words = Be16(request + kRecordLengthOffset);
        delivery.delayMs += file10DelayMs >= 0 ? file10DelayMs : SignalRecordFetchMs(words);
    }
    return delivery;
}

int SignalRecordFetchMs(int words) {
    constexpr double kModuleLinkBaud = 57600.0;
    constexpr double kBitsPerChar = 10.0;
    return static_cast<int>(std::ceil(2.0 * words * kBitsPerChar * 1000.0 / kModuleLinkBaud));
}

std::string Slave::DescribeStats() const {
    std::ostringstream s;
    s << "bursts=" << stats.bursts << " requests=" << stats.requests << " answers=" << stats.answers
      << " exceptions=" << stats.exceptions << " broadcasts=" << stats.broadcasts
      << " bad-frames=" << stats.badFrames << " foreign=" << stats.foreign
      << " ignored=" << stats.ignored;
    return s.str();
}

}  // namespace tarvix::sim

// Request frames in, answer frames out.
#include "sim/request_handler.h"

#include "link/crc16.h"
#include "link/modbus_rtu.h"
#include "sim/device.h"
#include "sim/dsp_module.h"
#include "sim/fault_plan.h"

#include <array>
#include <cstring>

namespace tarvix::sim {
namespace {

int Be16(const std::uint8_t* p) { return (p[0] << 8) | p[1]; }

void PutBe16(std::uint8_t* p, int v) {
    p[0] = static_cast<std::uint8_t>(v >> 8);
    p[1] = static_cast<std::uint8_t>(v);
}

int Exception(const std::uint8_t* request, std::uint8_t code, std::uint8_t* answer) {
    if (request[0] == 0) return 0;  // a broadcast is never answered, not even a refusal
    answer[0] = request[0];
    answer[1] = static_cast<std::uint8_t>(request[1] | kExceptionBit);
    answer[2] = code;
    return AppendCrc(answer, 3);
}

int Echo(const std::uint8_t* request, int n, std::uint8_t* answer) {
    if (request[0] == 0) return 0;
    std::memcpy(answer, request, static_cast<std::size_t>(n));
    return n;
}

int ReadHolding(Device& device, const FaultPlan& faults, const std::uint8_t* rq, int n,
                std::uint8_t* answer) {
    if (rq[0] == 0) return 0;  // reads are not broadcast
    if (n != 8) return Exception(rq, kExceptionIllegalData, answer);
    const int start = Be16(rq + 2), count = Be16(rq + 4);
    if (count == 0) return Exception(rq, kExceptionIllegalData, answer);
    if (count > kMaxReadRegisters || start + count > kRegisters)
        return Exception(rq, kExceptionIllegalAddress, answer);
    if (const auto code = faults.ExceptionFor(start, count)) return Exception(rq, code, answer);
    std::array<std::uint16_t, kMaxReadRegisters> values{};
    if (const auto code = device.ReadHolding(start, count, values.data())) {
        return Exception(rq, code, answer);
    }
    answer[0] = rq[0];
    answer[1] = rq[1];
    answer[2] = static_cast<std::uint8_t>(2 * count);
    for (int i = 0; i < count; ++i)
        PutBe16(answer + 3 + 2 * i, values[static_cast<std::size_t>(i)]);
    return AppendCrc(answer, 3 + 2 * count);
}

int WriteSingle(Device& device, const FaultPlan& faults, const std::uint8_t* rq, int n,
                std::uint8_t* answer) {
    if (n != 8) return Exception(rq, kExceptionIllegalData, answer);
    const int reg = Be16(rq + 2);
    const auto value = static_cast<std::uint16_t>(Be16(rq + 4));
    if (reg >= kRegisters) return Exception(rq, kExceptionIllegalAddress, answer);
    if (const auto code = faults.ExceptionFor(reg, 1)) return Exception(rq, code, answer);
    if (const auto code = device.WriteHolding(reg, 1, &value)) return Exception(rq, code, answer);
    return Echo(rq, n, answer);
}

int WriteMultiple(Device& device, const FaultPlan& faults, const std::uint8_t* rq, int n,
                  std::uint8_t* answer) {
    if (n < 9) return Exception(rq, kExceptionIllegalData, answer);
    const int start = Be16(rq + 2), count = Be16(rq + 4), bytes = rq[6];
    if (count == 0 || bytes != 2 * count || n != 9 + bytes)
        return Exception(rq, kExceptionIllegalData, answer);
    if (count > kMaxWriteRegisters || start + count > kRegisters)
        return Exception(rq, kExceptionIllegalAddress, answer);
    if (const auto code = faults.ExceptionFor(start, count)) return Exception(rq, code, answer);
    std::array<std::uint16_t, kMaxWriteRegisters> values{};
    for (int i = 0; i < count; ++i) {
        values[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(Be16(rq + 7 + 2 * i));
    }
    if (const auto code = device.WriteHolding(start, count, values.data())) {
        return Exception(rq, code, answer);
    }
    if (rq[0] == 0) return 0;
    std::memcpy(answer, rq, 6);
    return AppendCrc(answer, 6);
}

// File records: words low byte first (the device's word order).
int ReadFileRecord(Device& device, const std::uint8_t* rq, int n, std::uint8_t* answer) {
    if (rq[0] == 0) return 0;
    if (n != 12 || rq[2] != 7 || rq[3] != kFileReferenceType)
        return Exception(rq, kExceptionIllegalData, answer);
    const int file = Be16(rq + 4), record = Be16(rq + 6), length = Be16(rq + 8);
    if (length == 0) return Exception(rq, kExceptionIllegalData, answer);
    if (length > kMaxFileWords) return Exception(rq, kExceptionIllegalAddress, answer);
    std::array<std::uint16_t, kMaxFileWords> words{};
    if (const auto code = device.ReadFile(file, record, length, words.data())) {
        return Exception(rq, code, answer);
    }
    answer[0] = rq[0];
    answer[1] = rq[1];
    answer[2] = static_cast<std::uint8_t>(2 * length + 2);  // all sub-answers
    answer[3] = static_cast<std::uint8_t>(2 * length + 1);  // this sub-answer
    answer[4] = kFileReferenceType;
    for (int j = 0; j < length; ++j) {
        answer[5 + 2 * j] = static_cast<std::uint8_t>(words[static_cast<std::size_t>(j)]);
        answer[6 + 2 * j] = static_cast<std::uint8_t>(words[static_cast<std::size_t>(j)] >> 8);
    }
    return AppendCrc(answer, 5 + 2 * length);
}

int WriteFileRecord(Device& device, const std::uint8_t* rq, int n, std::uint8_t* answer) {
    if (n < 12 || n != rq[2] + 5 || rq[3] != kFileReferenceType)
        return Exception(rq, kExceptionIllegalData, answer);
    const int file = Be16(rq + 4), record = Be16(rq + 6), length = Be16(rq + 8);
    if (length == 0 || rq[2] != 2 * length + 7) return Exception(rq, kExceptionIllegalData, answer);
    std::array<std::uint16_t, kMaxFileWords> words{};
    for (int j = 0; j < length && j < kMaxFileWords; ++j) {
        words[static_cast<std::size_t>(j)] =
            static_cast<std::uint16_t>(rq[10 + 2 * j] | (rq[11 + 2 * j] << 8));
    }
    if (const auto code = device.WriteFile(file, record, length, words.data())) {
        return Exception(rq, code, answer);
    }
    return Echo(rq, n, answer);
}

int DspExchange(Device& device, FaultPlan& faults, const std::uint8_t* rq, int n,
                std::uint8_t* answer) {
    if (n < 6 || n != 6 + rq[3]) return Exception(rq, kExceptionIllegalData, answer);
    const std::uint8_t sub = rq[2];
    // Broadcast reaches the module only with the commands that change something.
    if (rq[0] == 0 && sub != kDspWriteParam && sub != kDspCaptureStart) return 0;
    std::array<std::uint8_t, kMaxDspDataBytes> data{};
    int length = 0;
    std::uint8_t code = faults.TakeDspRefusal(sub);
    const std::uint8_t spoil = code;
    if (code == kWrongBlock || code == kShortBlock) code = 0;
    if (code == 0) {
        std::array<std::uint8_t, kMaxDspDataBytes> request{};
        std::memcpy(request.data(), rq + 4, rq[3]);
        if (spoil == kWrongBlock && sub == kDspReadSignalBlock && rq[3] >= 3) {
            // The following block (the first one after the last), as the module sends it.
            const int first = (request[1] | (request[2] << 8)) + request[3] / 4;
            const int next = first + request[3] / 4 > DspModule::kSamples ? 0 : first;
            request[1] = static_cast<std::uint8_t>(next);
            request[2] = static_cast<std::uint8_t>(next >> 8);
        }
        code = device.DspExchange(sub, request.data(), rq[3], data.data(), &length);
        if (code == 0 && spoil == kShortBlock && sub == kDspReadSignalBlock && length > 6) {
            const int samples = (length - 6) / 2;
            data[5] = static_cast<std::uint8_t>(samples);
            length = 6 + samples;
        }
    }
    if (code == kNoAnswer) return 0;
    if (code != 0) return Exception(rq, code, answer);
    if (rq[0] == 0) return 0;
    answer[0] = rq[0];
    answer[1] = rq[1];
    answer[2] = sub;
    answer[3] = static_cast<std::uint8_t>(length);
    std::memcpy(answer + 4, data.data(), static_cast<std::size_t>(length));
    return AppendCrc(answer, 4 + length);
}

int DspReset(Device& device, const std::uint8_t* rq, int n, std::uint8_t* answer) {
    if (n != 5 || rq[2] != kDspResetCommand) return Exception(rq, kExceptionIllegalData, answer);
    device.DspReset();
    if (rq[0] == 0) return 0;
    answer[0] = rq[0];
    answer[1] = rq[1];
    return AppendCrc(answer, 2);
}

}  // namespace

int AppendCrc(std::uint8_t* frame, int n) {
    const std::uint16_t crc = Crc16(frame, n);
    frame[n] = static_cast<std::uint8_t>(crc);
    frame[n + 1] = static_cast<std::uint8_t>(crc >> 8);
    return n + 2;
}

bool CrcOk(const std::uint8_t* frame, int n) {
    if (n < 4) return false;
    return Crc16(frame, n - 2) == (frame[n - 2] | (frame[n - 1] << 8));
}

int RequestLength(const std::uint8_t* p, int n) {
    if (n < 2) return 0;
    switch (p[1]) {
        case kFnReadHolding:
        case kFnWriteSingle:
            return 8;
        case kFnWriteHolding:
            return n >= 7 ? 9 + p[6] : 0;
        case kFnReadFileRecord:
        case kFnWriteFileRecord:
            return n >= 3 ? 5 + p[2] : 0;
        case kFnDspExchange:
            return n >= 4 ? 6 + p[3] : 0;
        case kFnDspReset:
            return 5;
        default:
            return 0;
    }
}

int FindRequest(const std::uint8_t* burst, int n, std::uint8_t address, int* length) {
    if (CrcOk(burst, n)) {
        *length = n;
        return 0;
    }
    for (int i = 1; i + 4 <= n; ++i) {
        if (burst[i] != address && burst[i] != 0) continue;
        const int len = RequestLength(burst + i, n - i);
        if (len == n - i && CrcOk(burst + i, len)) {
            *length = len;
            return i;
        }
    }
    return -1;
}

int HandleRequest(Device& device, FaultPlan& faults, const std::uint8_t* rq, int n,
                  std::uint8_t* answer) {
    if (n < 4) return 0;
    switch (rq[1]) {
        case kFnReadHolding:
            return ReadHolding(device, faults, rq, n, answer);
        case kFnWriteSingle:
            return WriteSingle(device, faults, rq, n, answer);
        case kFnWriteHolding:
            return WriteMultiple(device, faults, rq, n, answer);
        case kFnReadFileRecord:
            return ReadFileRecord(device, rq, n, answer);
        case kFnWriteFileRecord:
            return WriteFileRecord(device, rq, n, answer);
        case kFnDspExchange:
            return DspExchange(device, faults, rq, n, answer);
        case kFnDspReset:
            return DspReset(device, rq, n, answer);
        default:
            return Exception(rq, kExceptionIllegalFunction, answer);
    }
}

}  // namespace tarvix::sim

// The simulated transmitter: register access, bus operations, clock.
#include "sim/device.h"
#include "sim/device_layout.h"

#include "link/crc16.h"
#include "link/modbus_rtu.h"
#include "model/register_ids.h"
#include "sim/request_handler.h"

#include <algorithm>
#include <bit>

namespace tarvix::sim {
namespace {

// File 10 is a window on the measuring module's signal memory: 4 channels x 1000 samples
// of 32 bits, low word first. Every record read from it ends with two check words, the
// CRC-16 of the data words' bytes and the record number, which the master drops.
constexpr int kSignalFileWords = DspModule::kChannels * DspModule::kSamples * 2;

}  // namespace

Device::Device(std::uint64_t seed)
    : files_(static_cast<std::size_t>((kFiles - 1) * kFileWords), 0),
      process_(seed),
      dsp_(seed),
      noise_(seed ^ 0x5EED5EEDull) {
    LoadFactory();
}

void Device::SetWord(int reg, std::uint16_t value) {
    if (!RegisterMap::InRange(reg)) return;
    regs_[Idx(reg)] = value;
}

float Device::F(int low) const {
    const std::uint32_t bits = static_cast<std::uint32_t>(regs_[Idx(low)]) |
                               (static_cast<std::uint32_t>(regs_[Idx(low + 1)]) << 16);
    return std::bit_cast<float>(bits);
}

void Device::SetF(int low, float value) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    regs_[Idx(low)] = static_cast<std::uint16_t>(bits);
    regs_[Idx(low + 1)] = static_cast<std::uint16_t>(bits >> 16);
}

float Device::Float(int reg) const {
    const RegKind k = RegisterMap::Instance().Kind(reg);
    if (k == RegKind::FloatLow) return F(reg);
    if (k == RegKind::FloatHigh) return F(reg - 1);
    return 0.0f;
}

void Device::SetFloat(int reg, float value) {
    const RegKind k = RegisterMap::Instance().Kind(reg);
    if (k == RegKind::FloatLow) SetF(reg, value);
    if (k == RegKind::FloatHigh) SetF(reg - 1, value);
}

LinkSettings Device::Link() const { return {Word(mrDevAddr), Word(mrBaudIndex), Word(mrParity)}; }

std::uint16_t Device::AccessKey() const {
    const std::uint16_t sn = Word(mrCUR_SN);
    const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(sn),
                                   static_cast<std::uint8_t>(sn >> 8)};
    return Crc16(bytes, 2);
}

void Device::SetMicroSwitches(bool writeLock, bool keyLock) {
    writeLock_ = writeLock;
    keyLock_ = keyLock;
    regs_[mrWriteProtection] = writeLock ? 1 : 0;
}

bool Device::HoldNotice(int slot, std::uint16_t word) {
    if (slot < 1 || slot > kMaxNotices) return false;
    heldNotices_[static_cast<std::size_t>(slot - 1)] = word;
    Status();
    return true;
}

bool Device::HoldRegister(int reg, std::uint16_t value) {
    if (!RegisterMap::InRange(reg)) return false;
    Held* place = nullptr;
    for (Held& h : holds_) {
        if (h.reg == reg) place = &h;
        if (h.reg < 0 && place == nullptr) place = &h;
    }
    if (place == nullptr) return false;
    *place = {reg, value};
    ApplyHolds();
    return true;
}

void Device::ReleaseRegister(int reg) {
    for (Held& h : holds_) {
        if (h.reg == reg) h = Held{};
    }
}

void Device::ReleaseRegisters() { holds_.fill(Held{}); }

void Device::ApplyHolds() {
    for (const Held& h : holds_) {
        if (h.reg >= 0) regs_[Idx(h.reg)] = h.value;
    }
}

void Device::SetCurrentBoard(const CurrentBoard& board) {
    board_ = board;
    CurrentOutput();
}

void Device::SyncFromRegisters() {
    for (int k = 0; k < 4; ++k) {
        // A total is kept as overflow count x 10 000 000 + sum, in the totaliser's unit.
        const int base = kTotalBase[k];
        const double shown = static_cast<double>(F(base + kTotOverflow)) * 1e7 + F(base + kTotSum);
        const int assign = regs_[Idx(base + kTotAssign)];
        Total& t = totals_[static_cast<std::size_t>(k)];
        t.value = ToBase(TotalQuantity(assign), regs_[Idx(base + kTotUnit)], shown);
        t.seconds = 3600.0 * F(base + kTotTime);
        t.assign = assign;
    }
}

std::uint8_t Device::ReadHolding(int start, int count, std::uint16_t* out) const {
    if (start < 0 || count < 0 || start + count > kRegisters) return kExceptionIllegalAddress;
    // Registers no parameter covers read as 0: the firmware keeps nothing there.
    const auto& map = RegisterMap::Instance();
    for (int i = 0; i < count; ++i) {
        out[i] = map.Kind(start + i) == RegKind::None ? 0 : regs_[Idx(start + i)];
    }
    return 0;
}

std::uint8_t Device::WriteHolding(int start, int count, const std::uint16_t* values) {
    if (start < 0 || count < 0 || start + count > kRegisters) return kExceptionIllegalAddress;
    if (const std::uint8_t refused = CheckWrite(start, count, values)) return refused;
    for (int i = 0; i < count; ++i) regs_[Idx(start + i)] = values[i];
    AfterWrite(start, count);
    return 0;
}

std::uint8_t Device::ReadFile(int file, int record, int length, std::uint16_t* out) const {
    if (file < 1 || file > kFiles || record < 0 || length < 1) return kExceptionIllegalAddress;
    if (file == kSignalFile) {
        const int data = length - 2;
        if (data < 1) return kExceptionIllegalData;
        if (record + data > kSignalFileWords) return kExceptionIllegalAddress;
        if (!dsp_.MemoryValid()) return kExceptionSignalsUnreadable;
        std::array<std::uint8_t, 2 * 256> bytes{};
        for (int j = 0; j < data; ++j) {
            const std::uint32_t sample = dsp_.Memory()[static_cast<std::size_t>((record + j) / 2)];
            out[j] = static_cast<std::uint16_t>((record + j) % 2 == 0 ? sample : sample >> 16);
            bytes[static_cast<std::size_t>(2 * j)] = static_cast<std::uint8_t>(out[j]);
            bytes[static_cast<std::size_t>(2 * j + 1)] = static_cast<std::uint8_t>(out[j] >> 8);
        }
        out[data] = Crc16(bytes.data(), 2 * data);
        out[data + 1] = static_cast<std::uint16_t>(record);
        return 0;
    }
    if (record + length > kFileWords) return kExceptionIllegalAddress;
    const auto base = static_cast<std::size_t>((file - 1) * kFileWords + record);
    std::copy_n(files_.begin() + static_cast<std::ptrdiff_t>(base), length, out);
    return 0;
}

std::uint8_t Device::WriteFile(int file, int record, int length, const std::uint16_t* words) {
    if (file < 1 || file > kFiles || record < 0 || length < 1) return kExceptionIllegalAddress;
    if (writeLock_) return kExceptionWriteProtected;
    if (file == kSignalFile)
        return kExceptionWriteFailed;  // the signal memory is written by the recorder only
    if (record + length > kFileWords) return kExceptionIllegalAddress;
    const auto base = static_cast<std::size_t>((file - 1) * kFileWords + record);
    std::copy_n(words, length, files_.begin() + static_cast<std::ptrdiff_t>(base));
    return 0;
}

std::uint8_t Device::DspExchange(std::uint8_t sub, const std::uint8_t* data, int len,
                                 std::uint8_t* out, int* outLen) {
    *outLen = 0;
    if (sub == kDspWriteParam && writeLock_) return kExceptionWriteProtected;
    if (dsp_.Starting()) {
        ++regs_[mrTimeOutErrLink];
        ++regs_[mrAllErrLink];
        return kNoAnswer;
    }
    const std::uint8_t code = dsp_.Exchange(sub, data, len, out, outLen);
    // The processor mirrors the module's serial number into its technological registers.
    if (code == 0 && sub == kDspWriteParam)
        regs_[mrSN_MeasureModul] = static_cast<std::uint16_t>(dsp_.Param(0));
    return code;
}

void Device::DspReset() {
    dsp_.Restart();
    Status();
}

void Device::AdvanceTo(double seconds) {
    if (seconds <= now_) return;
    // After a long pause (a suspended process, a stopped debugger) the device does not
    // replay hours of ticks before it answers: beyond ten minutes it resumes from the
    // present, as a device that was switched off meanwhile would, and the totalisers do
    // not count the gap.
    if (seconds - tickAt_ > kMaxCatchUpSeconds) tickAt_ = seconds - kTickSeconds;
    while (tickAt_ + kTickSeconds <= seconds) {
        tickAt_ += kTickSeconds;
        now_ = tickAt_;
        Tick();
    }
    now_ = seconds;
}

void Device::Tick() {
    dsp_.Advance(now_,
                 {live_.tubeHz, live_.delayUs, 0.001 * F(mrMp1n), live_.temperature, live_.boardC});
    Measure();
    Concentration();
    Totalisers();
    Outputs();
    Technological();
    Status();
}

}  // namespace tarvix::sim

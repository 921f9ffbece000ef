#include "modbus_rtu.h"

#include "base/date_time.h"
#include "base/string_table.h"
#include "link/com_setup.h"
#include "link/crc16.h"

#include <chrono>
#include <thread>

namespace tarvix {
namespace {

std::uint8_t Hi(unsigned v) { return static_cast<std::uint8_t>((v >> 8) & 0xFFu); }
std::uint8_t Lo(unsigned v) { return static_cast<std::uint8_t>(v & 0xFFu); }

// Appends the CRC (low byte first) behind n bytes; returns the frame length.
int Seal(std::uint8_t* tx, int n) {
    const std::uint16_t crc = Crc16(tx, n);
    tx[n] = Lo(crc);
    tx[n + 1] = Hi(crc);
    return n + 2;
}

std::size_t At(int i) { return static_cast<std::size_t>(i); }

// Byte k of the value slots from slot s on, in memory order (low byte of each slot first).
std::uint8_t SlotByte(const ModbusList& L, int s, int k) {
    const int slot = s + k / 2;
    if (slot < 0 || slot >= kListSlots) return 0;
    const std::uint16_t w = L.Values[At(slot)];
    return (k % 2 == 0) ? Lo(w) : Hi(w);
}

void PutSlotByte(ModbusList& L, int s, int k, std::uint8_t b, double stamp) {
    const int slot = s + k / 2;
    if (slot < 0 || slot >= kListSlots) return;
    std::uint16_t& w = L.Values[At(slot)];
    w = (k % 2 == 0) ? static_cast<std::uint16_t>((w & 0xFF00u) | b)
                     : static_cast<std::uint16_t>((w & 0x00FFu) | (b << 8));
    L.Stamps[At(slot)] = stamp;
}

void PutBufferByte(ModbusList& L, int offset, std::uint8_t b) {
    if (!L.Buffer || offset < 0 || offset >= kSignalBufferBytes) return;
    std::uint16_t& w = L.Buffer[At(offset / 2)];
    w = (offset % 2 == 0) ? static_cast<std::uint16_t>((w & 0xFF00u) | b)
                          : static_cast<std::uint16_t>((w & 0x00FFu) | (b << 8));
}

}  // namespace

int BuildRequest(const ModbusList& L, int e, std::uint8_t address, std::uint8_t* tx) {
    if (e < 0 || e >= kListEntries) return 0;
    const std::uint8_t func = L.Func[At(e)];
    const unsigned start = L.Start[At(e)];
    const unsigned count = L.Count[At(e)];
    const unsigned dataLen = L.DataLen[At(e)];
    const int slot = L.Slot[At(e)];
    tx[0] = address;
    tx[1] = func;
    switch (func) {
        case kFnReadHolding:
            tx[2] = Hi(start);
            tx[3] = Lo(start);
            tx[4] = Hi(count);
            tx[5] = Lo(count);
            return Seal(tx, 6);
        case kFnWriteHolding: {
            if (count > kMaxWriteRegisters) return 0;
            tx[2] = Hi(start);
            tx[3] = Lo(start);
            tx[4] = Hi(count);
            tx[5] = Lo(count);
            tx[6] = Lo(2 * count);
            int n = 7;
            for (unsigned i = 0; i < count; ++i) {
                const int s = slot + static_cast<int>(i);
                const std::uint16_t v = s < kListSlots ? L.Values[At(s)] : 0;
                tx[n++] = Hi(v);
                tx[n++] = Lo(v);
            }
            return Seal(tx, n);
        }
        case kFnReadFileRecord:
            tx[2] = 7;  // the bytes of the one sub-request that follow
            tx[3] = kFileReferenceType;
            tx[4] = Hi(dataLen);
            tx[5] = Lo(dataLen);
            tx[6] = Hi(start);
            tx[7] = Lo(start);
            tx[8] = Hi(count);
            tx[9] = Lo(count);
            return Seal(tx, 10);
        case kFnWriteFileRecord: {
            if (12 + 2 * count > kFrameMax) return 0;
            tx[2] = Lo(2 * count + 7);
            tx[3] = kFileReferenceType;
            tx[4] = Hi(dataLen);
            tx[5] = Lo(dataLen);
            tx[6] = Hi(start);
            tx[7] = Lo(start);
            tx[8] = Hi(count);
            tx[9] = Lo(count);
            int n = 10;
            for (unsigned j = 0; j < count; ++j) {
                const int idx = slot + static_cast<int>(j);
                const std::uint16_t v =
                    (L.Buffer && idx < kSignalBufferWords) ? L.Buffer[At(idx)] : 0;
                tx[n++] = Lo(v);  // record words travel low byte first
                tx[n++] = Hi(v);
            }
            return Seal(tx, n);
        }
        case kFnDspExchange: {
            const int len = static_cast<int>(Lo(dataLen));
            if (len > kMaxDspDataBytes) return 0;
            tx[2] = Lo(start);
            tx[3] = Lo(dataLen);
            for (int k = 0; k < len; ++k) tx[4 + k] = SlotByte(L, slot, k);
            return Seal(tx, 4 + len);
        }
        case kFnDspReset:
            tx[2] = kDspResetCommand;
            return Seal(tx, 3);
        default:
            return 0;
    }
}

int ExpectedAnswerLength(const ModbusList& L, int e) {
    if (e < 0 || e >= kListEntries) return 0;
    const int count = L.Count[At(e)];
    switch (L.Func[At(e)]) {
        case kFnReadHolding:
            return 2 * count + 5;
        case kFnWriteHolding:
            return 8;
        case kFnReadFileRecord:
            return (2 * count + 7) % 256;
        case kFnWriteFileRecord:
            return 2 * count + 12;
        case kFnDspExchange:
            return count + 6;
        case kFnDspReset:
            return 4;
        default:
            return 0;
    }
}

std::uint8_t ClassifyAnswer(std::uint8_t func, const std::uint8_t* rx, int got, int expected,
                            std::uint8_t address) {
    if (got <= 0) return kResultNoAnswer;
    // A refusal is recognised by its length alone (the read ended at the inter-byte gap after
    // it); everything it says is still checked below like any other frame.
    const bool refusal =
        got != expected && got == kExceptionAnswerLength && (rx[1] & kExceptionBit) != 0;
    if (got != expected && !refusal) return kResultBadLength;
    if (rx[0] != address) return kResultOtherAddress;
    if (got < kCrcBytes + 1) return kResultBadCrc;
    const auto sent = static_cast<std::uint16_t>(rx[got - 2] | (rx[got - 1] << 8));
    if (Crc16(rx, got - kCrcBytes) != sent) return kResultBadCrc;
    if (refusal) {
        // Only 1..15 are exception codes: a code 0 would read as success and one of 16 and
        // above as a line failure, so anything else is a malformed answer, as is a refusal
        // of another function than the one asked.
        const bool sane = rx[1] == (func | kExceptionBit) && IsDeviceException(rx[2]);
        return sane ? rx[2] : kResultBadLength;
    }
    return kResultOk;
}

void StoreAnswer(ModbusList& L, int e, const std::uint8_t* rx, int got, double stamp) {
    if (e < 0 || e >= kListEntries) return;
    const int count = L.Count[At(e)];
    const int slot = L.Slot[At(e)];
    switch (L.Func[At(e)]) {
        case kFnReadHolding:
            for (int i = 0; i < count && 4 + 2 * i < got; ++i) {
                const int s = slot + i;
                if (s >= kListSlots) break;
                L.Values[At(s)] = static_cast<std::uint16_t>((rx[3 + 2 * i] << 8) | rx[4 + 2 * i]);
                L.Stamps[At(s)] = stamp;
            }
            break;
        case kFnReadFileRecord: {
            const int words =
                L.DataLen[At(e)] == kFileWithTrailer ? count - kFileTrailerWords : count;
            for (int j = 0; j < words && 6 + 2 * j < got; ++j) {
                const int idx = slot + j;
                if (!L.Buffer || idx >= kSignalBufferWords) break;
                L.Buffer[At(idx)] =
                    static_cast<std::uint16_t>(rx[5 + 2 * j] | (rx[6 + 2 * j] << 8));
            }
            break;
        }
        case kFnDspExchange:
            if (L.Start[At(e)] == kDspReadSignalBlock) {
                // Bytes 6..9 are the block header; the caller parked the byte offset of
                // this block in the signal buffer in slot Slot+2.
                for (int k = 0; k < 4 && 6 + k < got; ++k)
                    PutSlotByte(L, slot, k, rx[6 + k], stamp);
                const int offset = (slot + 2 < kListSlots) ? L.Values[At(slot + 2)] : 0;
                for (int k = 0; 10 + k <= count + 3 && 10 + k < got; ++k) {
                    PutBufferByte(L, offset + k, rx[10 + k]);
                }
            } else {
                for (int k = 0; k < count && 4 + k < got; ++k) {
                    PutSlotByte(L, slot, k, rx[4 + k], stamp);
                }
            }
            break;
        default:  // 16, 21 and 0xAF answers carry nothing to keep
            break;
    }
}

bool AnswerInSlots(const ModbusList& L, int e) {
    if (e < 0 || e >= kListEntries) return false;
    const int slot = L.Slot[At(e)];
    const int count = L.Count[At(e)];
    int slots = 0;
    switch (L.Func[At(e)]) {
        case kFnReadHolding:
            slots = count;
            break;
        case kFnDspExchange:
            // A signal block keeps only its 4 header bytes in the slots.
            slots = L.Start[At(e)] == kDspReadSignalBlock ? 2 : (count + 1) / 2;
            break;
        default:
            return false;
    }
    if (slots <= 0 || slot + slots > kListSlots) return false;
    for (int s = slot; s < slot + slots; ++s) {
        if (L.Stamps[At(s)] <= 0.0) return false;
    }
    return true;
}

std::uint8_t ExecuteTransaction(ComSetup& com, ModbusList& L) {
    const int e = L.Index.load(std::memory_order_acquire);
    if (e < 0 || e >= kListEntries) return kResultNoAnswer;
    const std::uint8_t func = L.Func[At(e)];
    const int n = BuildRequest(L, e, com.Address, com.TxBuf.data());
    // An entry that cannot be framed is a builder's fault; nothing goes on the line and
    // it ends like a garbled exchange, so the failure is counted and journalled.
    if (n == 0) return kResultBadLength;
    com.PurgeInput();
    // A request that did not leave whole within the write time-out (a stalled line) cannot
    // be answered; waiting for the answer time-out as well would only hold the list longer.
    if (com.WriteBytes(n) < n) return kResultNoAnswer;
    if (func == kFnReadFileRecord || func == kFnWriteFileRecord) {
        L.Busy.store(1, std::memory_order_release);
    }
    const int expected = ExpectedAnswerLength(L, e);
    const int got = com.ReadBytes(expected);
    const std::uint8_t r = ClassifyAnswer(func, com.RxBuf.data(), got, expected, com.Address);
    if (r != kResultOk) return r;
    StoreAnswer(L, e, com.RxBuf.data(), got, NowStamp());
    std::this_thread::sleep_for(com.AfterAnswerPause);
    return kResultOk;
}

std::uint8_t ReadHoldingRegs(ComSetup& com, ModbusList& L) { return ExecuteTransaction(com, L); }
std::uint8_t WriteHoldingRegs(ComSetup& com, ModbusList& L) { return ExecuteTransaction(com, L); }
std::uint8_t ReadFileRecord(ComSetup& com, ModbusList& L) { return ExecuteTransaction(com, L); }
std::uint8_t WriteFileRecord(ComSetup& com, ModbusList& L) { return ExecuteTransaction(com, L); }
std::uint8_t DspExchange(ComSetup& com, ModbusList& L) { return ExecuteTransaction(com, L); }
std::uint8_t DspReset(ComSetup& com, ModbusList& L) { return ExecuteTransaction(com, L); }

QString ResultText(int code) {
    switch (code) {
        case kExceptionIllegalFunction:
            return Str(kStrIllegalFunction);
        case kExceptionIllegalAddress:
            return Str(kStrIllegalAddress);
        case kExceptionIllegalData:
            return Str(kStrIllegalData);
        case kExceptionWriteFailed:
            return Str(kStrWriteFailed);
        case kExceptionWriteProtected:
            return Str(kStrWriteProtected);
        case kExceptionSignalsUnreadable:
            return Str(kStrSignalsUnreadable);
        case kResultNoAnswer:
            return Str(kStrNoBytes);
        case kResultBadLength:
            return Str(kStrBadLength);
        case kResultOtherAddress:
            return Str(kStrOtherAddress);
        case kResultBadCrc:
            return Str(kStrBadCrc);
        case kResultNoFileData:
            return Str(kStrNoFileData);
        case kResultFileNotWritten:
            return Str(kStrFileNotWritten);
        default:
            return {};
    }
}

}  // namespace tarvix

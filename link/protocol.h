// The words of the transmitter's Modbus RTU protocol, named once for the program, the
// command line and the simulator: function codes, frame and register limits, the attempts a
// failed exchange gets, exception and result codes, connection modes and the baud rates the
// device's BaudIndex register selects.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace tarvix {

// Function codes.
inline constexpr std::uint8_t kFnReadHolding = 3;
// One register: the device answers it, the program never sends it (a list writes with 16).
inline constexpr std::uint8_t kFnWriteSingle = 6;
inline constexpr std::uint8_t kFnWriteHolding = 16;
inline constexpr std::uint8_t kFnReadFileRecord = 20;
inline constexpr std::uint8_t kFnWriteFileRecord = 21;
inline constexpr std::uint8_t kFnDspExchange = 0xAC;  // vendor: the measuring module
inline constexpr std::uint8_t kFnDspReset = 0xAF;     // vendor: reset its controller

// A refusal answers with the request's function code with this bit set.
inline constexpr std::uint8_t kExceptionBit = 0x80;

// Sub-functions of the measuring-module exchange (0xAC).
inline constexpr std::uint8_t kDspCaptureStatus = 5;
inline constexpr std::uint8_t kDspCaptureStart = 6;
inline constexpr std::uint8_t kDspReadParam = 10;
inline constexpr std::uint8_t kDspWriteParam = 11;
inline constexpr std::uint8_t kDspReadSignalBlock = 22;
inline constexpr std::uint8_t kDspReadAdc = 33;

// The one byte after the function code of a measuring-module reset.
inline constexpr std::uint8_t kDspResetCommand = 0x01;

// File records (20, 21) are addressed with reference type 6. Every record of file 10 ends
// with two words of bookkeeping that are not data.
inline constexpr std::uint8_t kFileReferenceType = 6;
inline constexpr int kFileWithTrailer = 10;
inline constexpr int kFileTrailerWords = 2;

// Frames. Every request and every answer fits the 256-byte buffers of the port.
inline constexpr int kFrameMax = 256;
inline constexpr int kCrcBytes = 2;
// A refusal: address, function | kExceptionBit, exception code, CRC.
inline constexpr int kExceptionAnswerLength = 5;

// Register and data limits per request, each the most that keeps its frame within 255 bytes
// (the device refuses larger counts with exception 2).
inline constexpr int kMaxReadRegisters = 125;   // answer 5 + 2 x 125
inline constexpr int kMaxWriteRegisters = 123;  // request 9 + 2 x 123
inline constexpr int kMaxFileWords = 124;       // answer 7 + 2 x 124
inline constexpr int kMaxDspDataBytes = 250;    // answer 6 + 250 (the receive buffer's 256)
static_assert(5 + 2 * kMaxReadRegisters < kFrameMax && 9 + 2 * kMaxWriteRegisters < kFrameMax &&
              7 + 2 * kMaxFileWords < kFrameMax && 6 + kMaxDspDataBytes <= kFrameMax);

// Slave addresses: 0 reaches every device and is never answered.
inline constexpr int kBroadcastAddress = 0;
inline constexpr int kMinSlaveAddress = 1;
inline constexpr int kMaxSlaveAddress = 247;

// A communication failure is tried this many times in all before the entry is given up; a
// refusal by the device is final at once.
inline constexpr int kAttempts = 3;

// The silence between two frames, in character times (Modbus RTU's 3.5, rounded down to
// whole characters of at least a millisecond each).
inline constexpr int kInterFrameChars = 3;

// Exception codes of the transmitter's refusals. 1 to 3 are the standard ones; 4, 5 and 9
// carry this device's own meanings.
inline constexpr std::uint8_t kExceptionIllegalFunction = 1;
inline constexpr std::uint8_t kExceptionIllegalAddress = 2;
inline constexpr std::uint8_t kExceptionIllegalData = 3;
inline constexpr std::uint8_t kExceptionWriteFailed = 4;
inline constexpr std::uint8_t kExceptionWriteProtected = 5;
inline constexpr std::uint8_t kExceptionSignalsUnreadable = 9;
inline constexpr std::uint8_t kExceptionFirst = 1;
inline constexpr std::uint8_t kExceptionLast = 15;

// Result codes of a transaction: success, the device's exception code (1..15), or one of
// the failures below. Every code from kResultNoAnswer on is retried, except a configuration
// file that could not be written: a retry would hand the same bytes to the same full or
// vanished disk, and the failure has to reach the journal as the entry's own result instead
// of disappearing among the skipped entries of a list that "got no answer".
inline constexpr std::uint8_t kResultOk = 0;
inline constexpr std::uint8_t kResultNoAnswer = 16;
inline constexpr std::uint8_t kResultBadLength = 17;  // also: any malformed answer
inline constexpr std::uint8_t kResultOtherAddress = 18;
inline constexpr std::uint8_t kResultBadCrc = 19;
inline constexpr std::uint8_t kResultNoFileData = 32;  // file mode: no file, or a key missing
// File mode: the file was not changed (gone, not writable, disk full); nothing of the entry
// reached it.
inline constexpr std::uint8_t kResultFileNotWritten = 33;

constexpr bool IsDeviceException(int result) {
    return result >= kExceptionFirst && result <= kExceptionLast;
}
constexpr bool IsCommunicationFailure(int result) {
    return result >= kResultNoAnswer && result != kResultFileNotWritten;
}

// Connection modes (WorkMode): no data source, the transmitter on the line, a configuration
// file answering in its place.
inline constexpr int kModeOffline = 0;
inline constexpr int kModeOnline = 1;
inline constexpr int kModeFile = 2;

// Line settings as the settings file and the serial API codes them.
inline constexpr int kParityNone = 0;
inline constexpr int kParityOdd = 1;
inline constexpr int kParityEven = 2;
inline constexpr int kStopBitsOne = 0;
inline constexpr int kStopBitsTwo = 2;

// Milliseconds one character takes on the line, as the time-outs count it: 19200 / baud
// below 19200, otherwise 1 (a faster line still gets a whole millisecond).
constexpr int CharTimeFor(int baudRate) {
    if (baudRate <= 0) return 1;
    return baudRate < 19200 ? 19200 / baudRate : 1;
}

// The rates the transmitter offers, in the order of its BaudIndex register (index 0..9),
// with their character times.
struct BaudRateEntry {
    int BaudRate;
    int CharTime;
};
inline constexpr std::array<BaudRateEntry, 10> kBaudRates{{{1200, 16},
                                                           {2400, 8},
                                                           {4800, 4},
                                                           {9600, 2},
                                                           {14400, 1},
                                                           {19200, 1},
                                                           {28800, 1},
                                                           {38400, 1},
                                                           {57600, 1},
                                                           {115200, 1}}};
inline constexpr int kDefaultBaud = 115200;
inline constexpr int kDefaultAnsDelayMs = 100;  // answer time-out

// The rate of a BaudIndex value; 0 for a value outside the table.
constexpr int BaudRateOfIndex(int index) {
    return index >= 0 && index < static_cast<int>(kBaudRates.size())
               ? kBaudRates[static_cast<std::size_t>(index)].BaudRate
               : 0;
}

// The BaudIndex of a rate; -1 for a rate the transmitter does not offer.
constexpr int BaudIndexOf(int baudRate) {
    for (std::size_t i = 0; i < kBaudRates.size(); ++i) {
        if (kBaudRates[i].BaudRate == baudRate) return static_cast<int>(i);
    }
    return -1;
}

static_assert([] {
    for (const BaudRateEntry& b : kBaudRates) {
        if (CharTimeFor(b.BaudRate) != b.CharTime) return false;
    }
    return BaudIndexOf(kDefaultBaud) >= 0;
}());

}  // namespace tarvix

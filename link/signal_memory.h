// The measuring module's signal memory as the program reads it: four channels of 1000
// samples (raw pickoff A and B as signed integers, filtered A and B as floats), fetched in
// blocks of 50 samples with sub-function 22 of the vendor exchange into the signal buffer.
// The block list, the check of what the module says it answered, and the samples decoded
// from the buffer; the window, the command line and the benchmark share them.
#pragma once

#include "link/modbus_list.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tarvix {

inline constexpr int kSignalSamples = 1000;
inline constexpr int kSignalBlockBytes = 200;  // 50 samples of 4 bytes
inline constexpr int kSignalBlockSamples = kSignalBlockBytes / 4;
inline constexpr int kSignalBlocksPerChannel = kSignalSamples / kSignalBlockSamples;
inline constexpr int kSignalTransferEntries = 2 * kSignalBlocksPerChannel;
inline constexpr int kSignalBlockRequestBytes = 4;  // mask, first sample (2, low first), count
// The answer data of a block: status and a reserved byte, the request echoed, the samples.
inline constexpr int kSignalBlockAnswerBytes = 2 + kSignalBlockRequestBytes + kSignalBlockBytes;
// Raw signals fill the first 8000 bytes of the buffer, filtered ones the next 8000.
inline constexpr int kSignalChannelBytes = kSignalSamples * 4;
inline constexpr int kSignalMemoryBytes = 4 * kSignalChannelBytes;
static_assert(kSignalMemoryBytes <= kSignalBufferBytes);
static_assert(kSignalBlockAnswerBytes <= kMaxDspDataBytes);

// Recording: the start command's data (9, 0), its answer and the status answer's length, and
// the status bit that says the recording has finished.
inline constexpr std::uint8_t kCaptureStartCode = 9;
inline constexpr int kCaptureAnswerBytes = 4;
inline constexpr std::uint8_t kCaptureFinishedBit = 0x02;
inline constexpr int kCaptureMaxPolls = 10000;

enum class SignalKind { Raw, Filtered };

// The list flag that asks for the chart refill of a kind (0x0002 raw, 0x0004 filtered).
std::uint16_t SignalFlag(SignalKind kind);

// Block e (0..39) of a transfer: channel by channel, 20 blocks of each.
struct SignalBlock {
    std::uint8_t mask = 0;    // channel bit: 1, 2 (raw A, B), 4, 8 (filtered A, B)
    std::uint16_t first = 0;  // first sample number
    int offset = 0;           // byte offset into the signal buffer
};
SignalBlock TransferBlock(SignalKind kind, int e);

// Resets nothing: appends the 40 block reads of a kind to an empty list L, with the request
// data and the buffer offset in each entry's three slots, and sets L.Flags to the kind's
// flag. The list then runs from its last entry down (Index = 39).
void AppendSignalTransfer(ModbusList& L, SignalKind kind);

// The entries of a finished transfer whose answer the module said was another block than
// the one asked for (its echo of mask, first sample or byte count differs): their bytes in
// the buffer are not the samples asked for. Entries that failed are not listed.
std::vector<int> MisplacedBlocks(const ModbusList& L, SignalKind kind);

// The two channels of a kind from the buffer: raw samples as signed integers, filtered ones
// as floats, 1000 each.
std::array<std::vector<double>, 2> SignalChannels(const SignalBufferArray& buffer, SignalKind kind);

// The bytes of the buffer from offset, count bytes (little-endian words), and back.
std::vector<std::uint8_t> BufferBytes(const SignalBufferArray& buffer, int offset, int count);
void PutBufferBytes(SignalBufferArray& buffer, int offset, const std::vector<std::uint8_t>& bytes);

}  // namespace tarvix

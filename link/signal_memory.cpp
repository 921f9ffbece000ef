#include "link/signal_memory.h"

#include <bit>

namespace tarvix {
namespace {

std::size_t At(int i) { return static_cast<std::size_t>(i); }

int FirstMaskBit(SignalKind kind) { return kind == SignalKind::Raw ? 0 : 2; }

std::uint8_t SlotByte(const ModbusList& L, int slot, int k) {
    const std::uint16_t w = L.Values[At(slot + k / 2)];
    return static_cast<std::uint8_t>(k % 2 == 0 ? (w & 0xFF) : (w >> 8));
}

}  // namespace

std::uint16_t SignalFlag(SignalKind kind) {
    return kind == SignalKind::Raw ? kFlagRawSignals : kFlagFilteredSignals;
}

SignalBlock TransferBlock(SignalKind kind, int e) {
    const int channel = e / kSignalBlocksPerChannel;  // 0 or 1 within the kind
    const int block = e % kSignalBlocksPerChannel;
    SignalBlock b;
    b.mask = static_cast<std::uint8_t>(1u << (FirstMaskBit(kind) + channel));
    b.first = static_cast<std::uint16_t>(block * kSignalBlockSamples);
    b.offset = (kind == SignalKind::Raw ? 0 : 2 * kSignalChannelBytes) + e * kSignalBlockBytes;
    return b;
}

void AppendSignalTransfer(ModbusList& L, SignalKind kind) {
    for (int e = 0; e < kSignalTransferEntries; ++e) {
        const SignalBlock b = TransferBlock(kind, e);
        // Two slots of request data, the third the buffer offset (not sent).
        const int i = L.Append(kFnDspExchange, kDspReadSignalBlock, kSignalBlockAnswerBytes,
                               kSignalBlockRequestBytes, 3);
        if (i < 0) return;
        const int s = L.Slot[At(i)];
        L.Values[At(s)] = static_cast<std::uint16_t>(b.mask | ((b.first & 0xFF) << 8));
        L.Values[At(s + 1)] = static_cast<std::uint16_t>((b.first >> 8) | (kSignalBlockBytes << 8));
        L.Values[At(s + 2)] = static_cast<std::uint16_t>(b.offset);
    }
    L.Flags = SignalFlag(kind);
}

std::vector<int> MisplacedBlocks(const ModbusList& L, SignalKind kind) {
    std::vector<int> wrong;
    const int n = std::min<int>(L.Len, kSignalTransferEntries);
    for (int e = 0; e < n; ++e) {
        if (L.Result[At(e)] != kResultOk || L.Start[At(e)] != kDspReadSignalBlock) continue;
        const int s = L.Slot[At(e)];
        // An entry run in file mode keeps its request unstamped: no module answered.
        if (L.Stamps[At(s)] == 0) continue;
        const SignalBlock b = TransferBlock(kind, e);
        const int first = SlotByte(L, s, 1) | (SlotByte(L, s, 2) << 8);
        if (SlotByte(L, s, 0) != b.mask || first != b.first ||
            SlotByte(L, s, 3) != kSignalBlockBytes) {
            wrong.push_back(e);
        }
    }
    return wrong;
}

std::array<std::vector<double>, 2> SignalChannels(const SignalBufferArray& buffer,
                                                  SignalKind kind) {
    std::array<std::vector<double>, 2> out;
    const int base = kind == SignalKind::Raw ? 0 : 2 * kSignalSamples;  // in 32-bit elements
    for (int c = 0; c < 2; ++c) {
        out[At(c)].reserve(kSignalSamples);
        for (int i = 0; i < kSignalSamples; ++i) {
            const int w = 2 * (base + c * kSignalSamples + i);
            const std::uint32_t bits =
                buffer[At(w)] | (static_cast<std::uint32_t>(buffer[At(w + 1)]) << 16);
            out[At(c)].push_back(kind == SignalKind::Raw
                                     ? static_cast<double>(static_cast<std::int32_t>(bits))
                                     : static_cast<double>(std::bit_cast<float>(bits)));
        }
    }
    return out;
}

std::vector<std::uint8_t> BufferBytes(const SignalBufferArray& buffer, int offset, int count) {
    std::vector<std::uint8_t> out;
    for (int k = offset; k < offset + count && k < kSignalBufferBytes; ++k) {
        const std::uint16_t w = buffer[At(k / 2)];
        out.push_back(static_cast<std::uint8_t>(k % 2 == 0 ? (w & 0xFF) : (w >> 8)));
    }
    return out;
}

void PutBufferBytes(SignalBufferArray& buffer, int offset, const std::vector<std::uint8_t>& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const int k = offset + static_cast<int>(i);
        if (k < 0 || k >= kSignalBufferBytes) break;
        std::uint16_t& w = buffer[At(k / 2)];
        w = k % 2 == 0 ? static_cast<std::uint16_t>((w & 0xFF00u) | bytes[i])
                       : static_cast<std::uint16_t>((w & 0x00FFu) | (bytes[i] << 8));
    }
}

}  // namespace tarvix

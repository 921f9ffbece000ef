// Faults the simulated transmitter can be told to make on the line: no answer, a spoilt
// answer (CRC, address, length), a late or trickled answer, a chosen exception for a chosen
// register, and random faults at a given rate. Tests and demonstrations switch them at start
// (options) or while running (control channel).
#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>

namespace tarvix::sim {

// How an answer is spoilt. None delivers it unchanged.
enum class AnswerFault : std::uint8_t {
    None,
    Crc,       // last CRC byte inverted: the master sees a CRC error
    Address,   // sent from address + 1 with a correct CRC: answer from another device
    Truncate,  // only the first half of the bytes: wrong answer length
    Delay,     // sent after `delayMs` more: beyond the master's time-out
    Trickle,   // one byte at a time, `trickleMs` apart: a slow or stuttering line
    Silent,    // not sent at all (random faults only; `silent` is a switch of its own)
};

// Parses "crc", "address", "truncate", "delay", "trickle", "none"; false for other words.
bool ParseAnswerFault(const std::string& word, AnswerFault* fault);
const char* AnswerFaultName(AnswerFault fault);

// How one answer goes out: its bytes after the fault and the pacing of the write.
struct Delivery {
    std::array<std::uint8_t, 256> bytes{};
    int length = 0;     // 0: nothing is sent
    int delayMs = 0;    // extra wait before the first byte
    int trickleMs = 0;  // > 0: bytes written one by one with this gap
};

class FaultPlan {
  public:
    explicit FaultPlan(std::uint64_t seed = 1) : rng_(seed) {}

    // No answer to anything; requests are not even executed (the device is cut off).
    bool silent = false;

    // The fault applied to every answer; after `remaining` answers (when > 0) it reverts to
    // None by itself, so a test can spoil exactly the first attempt of a transaction.
    AnswerFault fault = AnswerFault::None;
    int remaining = 0;
    int delayMs = 0;
    int trickleMs = 0;

    // Probability (0..1) that an answer gets a random fault of the kinds Silent, Crc,
    // Address, Truncate. Independent of `fault`.
    double randomRate = 0.0;

    // Exception code answered for any read or write touching register reg (0 removes).
    bool SetException(int reg, std::uint8_t code);
    void ClearExceptions() { exceptions_.fill(0); }
    // The injected exception for the range start..start+count-1, or 0.
    std::uint8_t ExceptionFor(int start, int count) const;

    // Refusal of measuring-module sub-function sub: an exception code, or kNoAnswer for
    // silence; for the next `times` requests of it (0: until cleared). Code 0 removes it.
    void SetDspRefusal(std::uint8_t sub, std::uint8_t code, int times = 0, int after = 0);
    void ClearDspRefusals();
    // The refusal for one request of sub (0: none), counting it against `times`.
    std::uint8_t TakeDspRefusal(std::uint8_t sub);

    // Turns a correct answer into what goes on the line.
    Delivery Apply(const std::uint8_t* answer, int length);

    void Reset();
    std::string Describe() const;

  private:
    std::array<std::uint8_t, 1796> exceptions_{};
    struct DspRefusal {
        std::uint8_t code = 0;
        int left = 0;  // requests still to refuse; 0: every one
        int pass = 0;  // requests still to let through before the refusals begin
    };
    std::array<DspRefusal, 256> dspRefusals_{};
    std::mt19937_64 rng_;
};

}  // namespace tarvix::sim

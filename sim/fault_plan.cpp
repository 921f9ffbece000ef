// Applying the fault plan to an answer.
#include "sim/fault_plan.h"

#include "link/crc16.h"
#include "sim/request_handler.h"

#include <algorithm>
#include <cstring>
#include <sstream>

namespace tarvix::sim {
namespace {

struct FaultName {
    AnswerFault fault;
    const char* name;
};
constexpr FaultName kNames[] = {
    {AnswerFault::None, "none"},       {AnswerFault::Crc, "crc"},
    {AnswerFault::Address, "address"}, {AnswerFault::Truncate, "truncate"},
    {AnswerFault::Delay, "delay"},     {AnswerFault::Trickle, "trickle"},
    {AnswerFault::Silent, "silent"},
};

void Spoil(AnswerFault fault, Delivery& d, int delayMs, int trickleMs) {
    switch (fault) {
        case AnswerFault::Crc:
            d.bytes[static_cast<std::size_t>(d.length - 1)] ^= 0xFF;
            break;
        case AnswerFault::Address: {
            d.bytes[0] = static_cast<std::uint8_t>(d.bytes[0] + 1);
            const std::uint16_t crc = Crc16(d.bytes.data(), d.length - 2);
            d.bytes[static_cast<std::size_t>(d.length - 2)] = static_cast<std::uint8_t>(crc);
            d.bytes[static_cast<std::size_t>(d.length - 1)] = static_cast<std::uint8_t>(crc >> 8);
            break;
        }
        case AnswerFault::Truncate:
            // Half an answer never passes for an exception answer: those are 5 bytes long
            // (half is 2), and the function byte of any other answer has bit 7 clear.
            d.length = std::max(1, d.length / 2);
            break;
        case AnswerFault::Delay:
            d.delayMs += delayMs;
            break;
        case AnswerFault::Trickle:
            d.trickleMs = std::max(1, trickleMs);
            break;
        case AnswerFault::Silent:
            d.length = 0;
            break;
        case AnswerFault::None:
            break;
    }
}

}  // namespace

bool ParseAnswerFault(const std::string& word, AnswerFault* fault) {
    for (const auto& n : kNames) {
        if (word == n.name && n.fault != AnswerFault::Silent) {
            *fault = n.fault;
            return true;
        }
    }
    return false;
}

const char* AnswerFaultName(AnswerFault fault) {
    for (const auto& n : kNames) {
        if (n.fault == fault) return n.name;
    }
    return "?";
}

bool FaultPlan::SetException(int reg, std::uint8_t code) {
    if (reg < 0 || reg >= static_cast<int>(exceptions_.size())) return false;
    exceptions_[static_cast<std::size_t>(reg)] = code;
    return true;
}

std::uint8_t FaultPlan::ExceptionFor(int start, int count) const {
    const int last = std::min(start + count, static_cast<int>(exceptions_.size()));
    for (int r = std::max(start, 0); r < last; ++r) {
        if (exceptions_[static_cast<std::size_t>(r)] != 0) {
            return exceptions_[static_cast<std::size_t>(r)];
        }
    }
    return 0;
}

void FaultPlan::SetDspRefusal(std::uint8_t sub, std::uint8_t code, int times, int after) {
    dspRefusals_[sub] = {code, code != 0 ? std::max(times, 0) : 0, std::max(after, 0)};
}

void FaultPlan::ClearDspRefusals() { dspRefusals_.fill(DspRefusal{}); }

std::uint8_t FaultPlan::TakeDspRefusal(std::uint8_t sub) {
    DspRefusal& r = dspRefusals_[sub];
    if (r.code != 0 && r.pass > 0) {
        --r.pass;
        return 0;
    }
    const std::uint8_t code = r.code;
    if (code != 0 && r.left > 0 && --r.left == 0) r = DspRefusal{};
    return code;
}

Delivery FaultPlan::Apply(const std::uint8_t* answer, int length) {
    Delivery d;
    d.length = std::clamp(length, 0, static_cast<int>(d.bytes.size()));
    if (d.length > 0) std::memcpy(d.bytes.data(), answer, static_cast<std::size_t>(d.length));
    if (d.length < 3) return d;

    if (fault != AnswerFault::None) {
        Spoil(fault, d, delayMs, trickleMs);
        if (remaining > 0 && --remaining == 0) fault = AnswerFault::None;
    }
    if (randomRate > 0.0 && d.length >= 3) {
        std::uniform_real_distribution<double> chance(0.0, 1.0);
        if (chance(rng_) < randomRate) {
            constexpr AnswerFault kRandom[] = {AnswerFault::Silent, AnswerFault::Crc,
                                               AnswerFault::Address, AnswerFault::Truncate};
            std::uniform_int_distribution<int> pick(0, 3);
            Spoil(kRandom[pick(rng_)], d, 0, 0);
        }
    }
    return d;
}

void FaultPlan::Reset() {
    silent = false;
    fault = AnswerFault::None;
    remaining = 0;
    delayMs = 0;
    trickleMs = 0;
    randomRate = 0.0;
    ClearExceptions();
    ClearDspRefusals();
}

std::string FaultPlan::Describe() const {
    std::ostringstream s;
    s << "silent=" << (silent ? "on" : "off") << " fault=" << AnswerFaultName(fault);
    if (fault == AnswerFault::Delay) s << ' ' << delayMs;
    if (fault == AnswerFault::Trickle) s << ' ' << trickleMs;
    if (remaining > 0) s << " next=" << remaining;
    s << " random=" << randomRate << " exceptions=";
    bool any = false;
    for (std::size_t r = 0; r < exceptions_.size(); ++r) {
        if (exceptions_[r] == 0) continue;
        s << (any ? "," : "") << r << ':' << int{exceptions_[r]};
        any = true;
    }
    if (!any) s << "none";
    s << " dsp-faults=";
    any = false;
    for (std::size_t sub = 0; sub < dspRefusals_.size(); ++sub) {
        const DspRefusal& r = dspRefusals_[sub];
        if (r.code == 0) continue;
        s << (any ? "," : "") << sub << ':';
        if (r.code == kNoAnswer)
            s << "silent";
        else
            s << int{r.code};
        if (r.left > 0) s << "/next" << r.left;
        any = true;
    }
    if (!any) s << "none";
    return s.str();
}

}  // namespace tarvix::sim

// Commands that inject device conditions.
#include "sim/control_injection.h"

#include "sim/request_handler.h"
#include "sim/slave.h"

#include <bit>
#include <cstdio>
#include <limits>

namespace tarvix::sim {
namespace {

// Full scale of the 24-bit converters behind the raw signal channels.
constexpr std::int32_t kRawFullScale = (1 << 23) - 1;
constexpr int kRawChannels = 2;  // channels 1 and 2 hold integers, 3 and 4 floats

std::string Hold(Slave& s, const Args& a) {
    const std::string usage = "usage: hold REG VALUE | hold REG off | hold clear";
    if (a.size() == 2 && a[1] == "clear") {
        s.device.ReleaseRegisters();
        return "ok";
    }
    int reg = 0;
    if (a.size() != 3 || !ParseReg(a[1], &reg)) return Error(usage);
    if (a[2] == "off") {
        s.device.ReleaseRegister(reg);
        return "ok";
    }
    long long v = 0;
    if (!ParseInt(a[2], &v) || v < -32768 || v > 65535) return Error(usage);
    if (!s.device.HoldRegister(reg, static_cast<std::uint16_t>(v))) {
        return Error("no more than " + std::to_string(Device::kMaxHolds) + " held registers");
    }
    return "ok";
}

std::string Adc(Slave& s, const Args& a) {
    const std::string usage = "usage: adc N(1..6) CODE | adc N off | adc clear";
    DspModule& m = s.device.Dsp();
    if (a.size() == 2 && a[1] == "clear") {
        m.ReleaseAdcCodes();
        return "ok";
    }
    long long n = 0, code = 0;
    if (a.size() != 3 || !ParseInt(a[1], &n) || n < 1 || n > 6) return Error(usage);
    if (a[2] == "off") {
        m.ReleaseAdcCode(static_cast<int>(n - 1));
        return "ok";
    }
    if (!ParseInt(a[2], &code) || code < std::numeric_limits<std::int32_t>::min() ||
        code > std::numeric_limits<std::int32_t>::max()) {
        return Error(usage);
    }
    m.ChooseAdcCode(static_cast<int>(n - 1), static_cast<std::int32_t>(code));
    return "ok";
}

// A sample of channel (1..4) as the memory holds it: an integer for the raw channels, a
// float's bits for the filtered ones; "max" and "min" are full scale.
bool ParseSample(int channel, const std::string& word, std::uint32_t* bits) {
    constexpr float kFloatMax = std::numeric_limits<float>::max();
    if (channel <= kRawChannels) {
        long long v = 0;
        if (word == "max" || word == "min") {
            v = word == "max" ? kRawFullScale : -kRawFullScale - 1;
        } else if (!ParseInt(word, &v) || v < std::numeric_limits<std::int32_t>::min() ||
                   v > std::numeric_limits<std::int32_t>::max()) {
            return false;
        }
        *bits = static_cast<std::uint32_t>(static_cast<std::int32_t>(v));
        return true;
    }
    float f = 0.0f;
    double d = 0.0;
    if (word == "nan") {
        f = std::numeric_limits<float>::quiet_NaN();
    } else if (word == "inf" || word == "-inf") {
        f = word == "inf" ? std::numeric_limits<float>::infinity()
                          : -std::numeric_limits<float>::infinity();
    } else if (word == "max" || word == "min") {
        f = word == "max" ? kFloatMax : -kFloatMax;
    } else if (ParseDouble(word, &d) && d >= -kFloatMax && d <= kFloatMax) {
        f = static_cast<float>(d);
    } else {
        return false;
    }
    *bits = std::bit_cast<std::uint32_t>(f);
    return true;
}

std::string Signal(Slave& s, const Args& a) {
    const std::string usage = "usage: signal CHANNEL(1..4) FIRST COUNT VALUE | signal clear";
    DspModule& m = s.device.Dsp();
    if (a.size() == 2 && a[1] == "clear") {
        m.ClearInjections();
        return "ok";
    }
    long long channel = 0, first = 0, count = 0;
    std::uint32_t bits = 0;
    if (a.size() != 5 || !ParseInt(a[1], &channel) || channel < 1 ||
        channel > DspModule::kChannels || !ParseInt(a[2], &first) || !ParseInt(a[3], &count) ||
        !ParseSample(static_cast<int>(channel), a[4], &bits)) {
        return Error(usage);
    }
    if (first < 0 || count < 1 || first + count > DspModule::kSamples) {
        return Error("samples 0.." + std::to_string(DspModule::kSamples - 1) + " only");
    }
    if (!m.InjectSamples(static_cast<int>(channel - 1), static_cast<int>(first),
                         static_cast<int>(count), bits)) {
        return Error("no more than " + std::to_string(DspModule::kMaxInjections) +
                     " injections before a recording");
    }
    return "ok";
}

std::string DspFault(Slave& s, const Args& a) {
    const std::string usage =
        "usage: dsp-fault SUB CODE|silent|wrong-block|short-block [next N|after K] | dsp-fault "
        "clear";
    if (a.size() == 2 && a[1] == "clear") {
        s.faults.ClearDspRefusals();
        return "ok";
    }
    long long sub = 0, code = 0, next = 0, after = 0;
    if ((a.size() != 3 && a.size() != 5) || !ParseInt(a[1], &sub) || sub < 0 || sub > 255) {
        return Error(usage);
    }
    if (a[2] == "silent") {
        code = kNoAnswer;
    } else if (a[2] == "wrong-block" || a[2] == "short-block") {
        if (sub != kDspReadSignalBlock) return Error("wrong-block and short-block: SUB 22 only");
        code = a[2] == "wrong-block" ? kWrongBlock : kShortBlock;
    } else if (!ParseInt(a[2], &code) || code < 0 || code >= kShortBlock) {
        return Error(usage);
    }
    if (a.size() == 5) {
        long long& n = a[3] == "after" ? after : next;
        if ((a[3] != "next" && a[3] != "after") || !ParseInt(a[4], &n) || n < 1)
            return Error(usage);
    }
    s.faults.SetDspRefusal(static_cast<std::uint8_t>(sub), static_cast<std::uint8_t>(code),
                           static_cast<int>(next), static_cast<int>(after));
    return "ok";
}

std::string BoardError(Slave& s, const Args& a) {
    if (a.size() == 1) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "ok %.6g %.6g", s.device.Board().offsetMa,
                      s.device.Board().gain);
        return buf;
    }
    double offset = 0.0, gain = 0.0;
    if (a.size() != 3 || !ParseDouble(a[1], &offset) || !ParseDouble(a[2], &gain) ||
        offset < -4.0 || offset > 4.0 || gain < 0.5 || gain > 2.0) {
        return Error("usage: board-error OFFSET_MA(-4..4) GAIN(0.5..2)");
    }
    s.device.SetCurrentBoard({offset, gain});
    return "ok";
}

std::string File10Delay(Slave& s, const Args& a) {
    long long ms = 0;
    if (a.size() == 2 && a[1] == "auto") {
        s.file10DelayMs = -1;
        return "ok";
    }
    if (a.size() != 2 || !ParseInt(a[1], &ms) || ms < 0 || ms > 60000) {
        return Error("usage: file10-delay MS(0..60000)|auto");
    }
    s.file10DelayMs = static_cast<int>(ms);
    return "ok";
}

}  // namespace

bool ExecuteInjection(Slave& s, const Args& a, std::string* reply) {
    const std::string& c = a[0];
    if (c == "hold")
        *reply = Hold(s, a);
    else if (c == "adc")
        *reply = Adc(s, a);
    else if (c == "signal")
        *reply = Signal(s, a);
    else if (c == "dsp-fault")
        *reply = DspFault(s, a);
    else if (c == "board-error")
        *reply = BoardError(s, a);
    else if (c == "file10-delay")
        *reply = File10Delay(s, a);
    else if (c == "ammeter" && a.size() == 1) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "ok %.4f", s.device.AmmeterMa());
        *reply = buf;
    } else {
        return false;
    }
    return true;
}

const char* InjectionHelp() {
    return "  hold REG VALUE | hold REG off | hold clear\n"
           "                                keep a register at VALUE whatever the device\n"
           "                                computes (CommonNotice, CodeInternalAdc ...)\n"
           "  adc N CODE | adc N off | adc clear   ADC N (1..6) reports exactly CODE\n"
           "  signal CH FIRST COUNT VALUE   in the next recording, samples FIRST.. of channel\n"
           "                                CH (1, 2 raw: integer; 3, 4 filtered: float, nan,\n"
           "                                inf, -inf) take VALUE; max/min = full scale\n"
           "  signal clear                  drop the injections not yet recorded\n"
           "  dsp-fault SUB CODE|silent [next N|after K]   refuse measuring-module\n"
           "                                sub-function SUB with exception CODE or no answer\n"
           "                                (next N: N requests; after K: from the K+1st on)\n"
           "  dsp-fault clear               stop refusing\n"
           "  dsp-fault 22 wrong-block|short-block [next N]\n"
           "                                answer the next block instead, or half a block\n"
           "  ammeter                       the current the output drives now, in mA\n"
           "  board-error [OFFSET GAIN]     the current output's hardware: it drives\n"
           "                                GAIN x (DAC current) + OFFSET mA\n"
           "  file10-delay MS|auto          time per record of file 10 before the answer\n";
}

}  // namespace tarvix::sim

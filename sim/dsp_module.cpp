// The measuring module: EEPROM parameters, signal recorder, ADC codes.
#include "sim/dsp_module.h"

#include "link/crc16.h"
#include "link/modbus_rtu.h"
#include "sim/register_map.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numbers>

namespace tarvix::sim {
namespace {

constexpr std::uint32_t FloatBits(float f) { return std::bit_cast<std::uint32_t>(f); }
constexpr std::uint32_t IntBits(std::int32_t i) { return static_cast<std::uint32_t>(i); }

// Counts of the 24-bit converters per ohm of the resistance channels.
constexpr double kCountsPerOhm = 20000.0;

// A signal block: the request is channel mask, first sample (2 bytes), byte count; the
// answer data start with a header of 6 bytes.
constexpr int kBlockRequestBytes = 4;
constexpr int kBlockHeaderBytes = 6;

void PutLe(std::uint8_t* p, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint32_t GetLe(const std::uint8_t* p, int bytes) {
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) v |= static_cast<std::uint32_t>(p[i]) << (8 * i);
    return v;
}

}  // namespace

DspModule::DspModule(std::uint64_t seed) : noise_(seed ^ 0xD5B0D5B0ull) { LoadFactoryEeprom(); }

void DspModule::LoadFactoryEeprom() {
    eeprom_ = {
        4711,                          // 0 SnBoard
        5u | (6u << 8) | (23u << 16),  // 1 ManufactureData: 05.06.2023
        FloatBits(100.02f),            // 2 R0, ohm
        IntBits(1600000),
        IntBits(4400000),  // 3, 4 ADC1 (Pt100 on the tubes)
        IntBits(3900000),
        IntBits(4100000),  // 5, 6 ADC2 (reference resistor)
        IntBits(0),
        IntBits(200000),  // 7, 8 ADC3 (three-wire lead)
        IntBits(4000000),
        IntBits(6000000),  // 9, 10 ADC4 (board diode)
        IntBits(2000000),
        IntBits(4000000),  // 11, 12 ADC5 (drive level)
        IntBits(900000),
        IntBits(1200000),  // 13, 14 ADC6 (diagnostic divider)
        FloatBits(1.0f),
        FloatBits(3.9083e-3f),  // 15, 16 Rw: Callendar-Van Dusen
        FloatBits(-5.775e-7f),
        FloatBits(-4.183e-12f),
        0,  // 19 Checksum, set below
    };
    eeprom_[19] = ComputedChecksum();
}

std::uint16_t DspModule::ComputedChecksum() const {
    std::array<std::uint8_t, 19 * 4> bytes{};
    int n = 0;
    for (int p = 0; p < 19; ++p) {
        const int size = RegisterMap::Instance().DspSize(p);
        PutLe(bytes.data() + n, eeprom_[static_cast<std::size_t>(p)], size);
        n += size;
    }
    return Crc16(bytes.data(), n);
}

void DspModule::SetParam(int n, std::uint32_t value) {
    if (n < 0 || n >= kDspParams) return;
    const int size = RegisterMap::Instance().DspSize(n);
    if (size < 4) value &= (1u << (8 * size)) - 1u;
    eeprom_[static_cast<std::size_t>(n)] = value;
    if (n < 19) eeprom_[19] = ComputedChecksum();
}

void DspModule::Advance(double now, const DspInputs& in) {
    now_ = now;
    in_ = in;
    if (recording_ && now_ >= captureDone_) {
        recording_ = false;
        FillMemory();
        memoryValid_ = true;
    }
    // Limits are judged on the noiseless codes, so a code near a limit does not flicker.
    const auto codes = IdealCodes();
    adcOutOfLimits_ = -1;
    for (int i = 0; i < 6 && adcOutOfLimits_ < 0; ++i) {
        const auto lo = static_cast<std::int32_t>(Param(3 + 2 * i));
        const auto hi = static_cast<std::int32_t>(Param(4 + 2 * i));
        if (codes[i] < lo || codes[i] > hi) adcOutOfLimits_ = i;
    }
}

std::array<double, 6> DspModule::IdealCodes() const {
    // Pt100 on the tubes by the EEPROM's R0 and Callendar-Van Dusen coefficients, the
    // reference resistor, the lead, the board diode, the drive level, the diagnostic divider.
    const double r0 = std::bit_cast<float>(Param(2));
    const double a = std::bit_cast<float>(Param(16));
    const double b = std::bit_cast<float>(Param(17));
    const double t = in_.temperatureC;
    std::array<double, 6> codes = {r0 * (1.0 + a * t + b * t * t) * kCountsPerOhm,
                                   200.0 * kCountsPerOhm,
                                   0.42 * kCountsPerOhm,
                                   5120000.0 - 12000.0 * (in_.boardC - 25.0),
                                   3100000.0 * in_.pickoffV / 0.125,
                                   1048576.0};
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (adcChosen_[i]) codes[i] = chosenAdc_[i];
    }
    return codes;
}

std::array<std::int32_t, 6> DspModule::AdcCodes() {
    const auto ideal = IdealCodes();
    std::array<std::int32_t, 6> codes{};
    for (std::size_t i = 0; i < codes.size(); ++i) {
        codes[i] = adcChosen_[i]
                       ? chosenAdc_[i]
                       : static_cast<std::int32_t>(std::lround(ideal[i] + 25.0 * noise_.Gauss()));
    }
    return codes;
}

bool DspModule::ChooseAdcCode(int adc, std::int32_t code) {
    if (adc < 0 || adc >= static_cast<int>(chosenAdc_.size())) return false;
    chosenAdc_[static_cast<std::size_t>(adc)] = code;
    adcChosen_[static_cast<std::size_t>(adc)] = true;
    return true;
}

void DspModule::ReleaseAdcCode(int adc) {
    if (adc >= 0 && adc < static_cast<int>(adcChosen_.size()))
        adcChosen_[static_cast<std::size_t>(adc)] = false;
}

void DspModule::ReleaseAdcCodes() { adcChosen_.fill(false); }

bool DspModule::InjectSamples(int channel, int first, int count, std::uint32_t bits) {
    if (channel < 0 || channel >= kChannels || first < 0 || count < 1 || first >= kSamples ||
        count > kSamples - first || injections_ >= kMaxInjections) {
        return false;
    }
    injected_[static_cast<std::size_t>(injections_++)] = {channel, first, count, bits};
    return true;
}

void DspModule::Restart() {
    restartUntil_ = now_ + kRestartSeconds;
    recording_ = false;
    memoryValid_ = false;
}

void DspModule::FillMemory() {
    // Two pickoff coils see the same oscillation, the outlet one later by the Coriolis time
    // delay; the filtered channels are the band-passed signals in volts, lagging the raw
    // ones by the filter's group delay of 12 samples.
    const double w = 2.0 * std::numbers::pi * in_.tubeHz / kSampleRateHz;
    const double shift = 2.0 * std::numbers::pi * in_.tubeHz * in_.delayUs * 1e-6;
    const double theta = 2.0 * std::numbers::pi * noise_.Uniform();
    const double rawAmp = 3.2e6 * in_.pickoffV / 0.125;
    for (int i = 0; i < kSamples; ++i) {
        const double x = w * i + theta;
        const auto k = static_cast<std::size_t>(i);
        memory_[k] = IntBits(
            static_cast<std::int32_t>(std::lround(rawAmp * std::sin(x) + 900.0 * noise_.Gauss())));
        memory_[kSamples + k] = IntBits(static_cast<std::int32_t>(
            std::lround(0.985 * rawAmp * std::sin(x - shift) + 900.0 * noise_.Gauss())));
        const double lag = 12.0 * w;
        memory_[2 * kSamples + k] =
            FloatBits(static_cast<float>(in_.pickoffV * std::sin(x - lag) + 4e-5 * noise_.Gauss()));
        memory_[3 * kSamples + k] = FloatBits(static_cast<float>(
            0.985 * in_.pickoffV * std::sin(x - lag - shift) + 4e-5 * noise_.Gauss()));
    }
    for (int k = 0; k < injections_; ++k) {
        const Injection& j = injected_[static_cast<std::size_t>(k)];
        const auto at = memory_.begin() + j.channel * kSamples + j.first;
        std::fill_n(at, j.count, j.bits);
    }
    injections_ = 0;
}

std::uint8_t DspModule::Exchange(std::uint8_t sub, const std::uint8_t* data, int len,
                                 std::uint8_t* out, int* outLen) {
    *outLen = 0;
    switch (sub) {
        case kDspCaptureStatus: {  // recording status: bit 0 running, bit 1 finished
            if (len != 0) return kExceptionIllegalData;
            out[0] = static_cast<std::uint8_t>((recording_ ? 1 : 0) | (memoryValid_ ? 2 : 0));
            out[1] = 0;
            PutLe(out + 2, memoryValid_ ? kSamples : 0, 2);
            *outLen = 4;
            return 0;
        }
        case kDspCaptureStart: {  // start recording; the first data byte is the recording mode
            if (len != 2) return kExceptionIllegalData;
            recording_ = true;
            memoryValid_ = false;
            captureDone_ = now_ + kCaptureSeconds;
            out[0] = 0;
            out[1] = data[0];
            PutLe(out + 2, static_cast<std::uint32_t>(kCaptureSeconds * 1000.0), 2);
            *outLen = 4;
            return 0;
        }
        case kDspReadParam:
            return ReadParam(data, len, out, outLen);
        case kDspWriteParam:
            return WriteParam(data, len, out, outLen);
        case kDspReadSignalBlock:
            return ReadBlock(data, len, out, outLen);
        case kDspReadAdc: {
            if (len != 0) return kExceptionIllegalData;
            out[0] = 0;
            out[1] = 0;
            const auto codes = AdcCodes();
            for (std::size_t i = 0; i < codes.size(); ++i) {
                PutLe(out + 2 + 4 * i, static_cast<std::uint32_t>(codes[i]), 4);
            }
            *outLen = 26;
            return 0;
        }
        default:
            return kExceptionIllegalFunction;
    }
}

// Parameter answers: status, reserved, the request word (size and code, number), value.
std::uint8_t DspModule::ReadParam(const std::uint8_t* data, int len, std::uint8_t* out,
                                  int* outLen) {
    if (len != 2) return kExceptionIllegalData;
    const int n = data[1];
    if (n >= kDspParams) return kExceptionIllegalAddress;
    const auto& map = RegisterMap::Instance();
    const int size = map.DspSize(n);
    if (data[0] != (map.DspCode(n) | size)) return kExceptionIllegalData;
    out[0] = 0;
    out[1] = 0;
    out[2] = data[0];
    out[3] = static_cast<std::uint8_t>(n);
    PutLe(out + 4, Param(n), size);
    *outLen = size + 4;
    return 0;
}

std::uint8_t DspModule::WriteParam(const std::uint8_t* data, int len, std::uint8_t* out,
                                   int* outLen) {
    if (len < 2) return kExceptionIllegalData;
    const int n = data[1];
    if (n >= kDspParams) return kExceptionIllegalAddress;
    const auto& map = RegisterMap::Instance();
    const int size = map.DspSize(n);
    if (data[0] != (map.DspCode(n) | size) || len != size + 2) return kExceptionIllegalData;
    // The module stores what it is sent: it checks no value, not even the production date
    // (day, month, year - 2000), which a dump file missing that key carries as 2, 0, 0.
    SetParam(n, GetLe(data + 2, size));
    return ReadParam(data, 2, out, outLen);
}

std::uint8_t DspModule::ReadBlock(const std::uint8_t* data, int len, std::uint8_t* out,
                                  int* outLen) {
    if (len != kBlockRequestBytes) return kExceptionIllegalData;
    const int mask = data[0];
    const int first = data[1] | (data[2] << 8);
    const int bytes = data[3];
    int channel = -1;
    switch (mask) {
        case 1:
            channel = 0;
            break;
        case 2:
            channel = 1;
            break;
        case 4:
            channel = 2;
            break;
        case 8:
            channel = 3;
            break;
        default:
            return kExceptionIllegalData;
    }
    if (bytes == 0 || bytes % 4 != 0 || bytes > 200) return kExceptionIllegalData;
    if (first + bytes / 4 > kSamples) return kExceptionIllegalAddress;
    if (!memoryValid_) return kExceptionSignalsUnreadable;
    // Status and a reserved byte, then the four request bytes echoed: the master stores
    // them back where it keeps the request, so the entry still holds it after the answer.
    out[0] = 0;
    out[1] = 0;
    std::copy_n(data, kBlockRequestBytes, out + kBlockHeaderBytes - kBlockRequestBytes);
    for (int i = 0; i < bytes / 4; ++i) {
        PutLe(out + kBlockHeaderBytes + 4 * i,
              memory_[static_cast<std::size_t>(channel * kSamples + first + i)], 4);
    }
    *outLen = bytes + kBlockHeaderBytes;
    return 0;
}

}  // namespace tarvix::sim

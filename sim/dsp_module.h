// The transmitter's measuring module (DSP) as the processor module reaches it through the
// vendor function 0xAC: its 20 EEPROM parameters, the signal recorder with four channels of
// 1000 samples, the six ADC codes, and the controller restart of function 0xAF.
#pragma once

#include "sim/noise.h"

#include <array>
#include <cstdint>

namespace tarvix::sim {

// What the module measures at the moment; the signals and ADC codes are made from it.
struct DspInputs {
    double tubeHz = 148.0;       // oscillation frequency of the measuring tubes
    double delayUs = 0.8;        // time delay between the two pickoff coils
    double pickoffV = 0.125;     // pickoff amplitude
    double temperatureC = 20.0;  // fluid temperature (the Pt100 on the tubes)
    double boardC = 35.0;        // electronics temperature
};

class DspModule {
  public:
    static constexpr int kChannels = 4;
    static constexpr int kSamples = 1000;
    static constexpr double kSampleRateHz = 9765.625;
    static constexpr double kCaptureSeconds = 1.2;  // recording takes this long
    static constexpr double kRestartSeconds = 3.0;  // controller start-up after 0xAF

    explicit DspModule(std::uint64_t seed = 1);

    // Factory EEPROM contents (serial number, production date, R0, ADC limits, Rw).
    void LoadFactoryEeprom();

    // Moves the module's clock; a recording in progress completes from the inputs given.
    void Advance(double now, const DspInputs& in);

    // Sub-function `sub` of function 0xAC with its request data. Writes the answer data into
    // out (250 bytes room) and its length into *outLen. Returns 0 or a Modbus exception code:
    // 1 unknown sub-function, 2 parameter or sample beyond the memory, 3 malformed data,
    // 9 signal memory read while it holds no finished recording.
    std::uint8_t Exchange(std::uint8_t sub, const std::uint8_t* data, int len, std::uint8_t* out,
                          int* outLen);

    // Controller reset (0xAF): the recorder forgets its memory and the module starts up.
    void Restart();
    bool Starting() const { return now_ < restartUntil_; }

    // EEPROM parameter n as its 4 bytes read little-endian (unused upper bytes 0).
    std::uint32_t Param(int n) const { return eeprom_[static_cast<std::size_t>(n)]; }
    void SetParam(int n, std::uint32_t value);
    // Checksum parameter (19) as the module computes it: CRC-16 of the value bytes of
    // parameters 0..18. Writing any of those recomputes it; writing 19 stores what is sent.
    std::uint16_t ComputedChecksum() const;
    bool EepromConsistent() const { return (Param(19) & 0xFFFF) == ComputedChecksum(); }

    // The six ADC codes as the module reports them now (sub-function 33).
    std::array<std::int32_t, 6> AdcCodes();
    // ADC `adc` (0..5) reports exactly `code` (no noise) until released; the EEPROM limits
    // judge the chosen code like a measured one.
    bool ChooseAdcCode(int adc, std::int32_t code);
    void ReleaseAdcCode(int adc);
    void ReleaseAdcCodes();

    // Samples first..first+count-1 of a channel (0 raw A, 1 raw B, 2 filtered A, 3 filtered
    // B) take the sample `bits` (a signed integer or a float's bit pattern) in the next
    // recording, on top of the signals; the recording then forgets the injections. False
    // for samples beyond the memory or when kMaxInjections are pending.
    static constexpr int kMaxInjections = 16;
    bool InjectSamples(int channel, int first, int count, std::uint32_t bits);
    void ClearInjections() { injections_ = 0; }
    int PendingInjections() const { return injections_; }
    // Index 0..5 of the first ADC whose code lies outside its EEPROM limits, or -1.
    int AdcOutOfLimits() const { return adcOutOfLimits_; }

    bool Recording() const { return recording_; }
    bool MemoryValid() const { return memoryValid_; }
    const std::array<std::uint32_t, kChannels * kSamples>& Memory() const { return memory_; }

  private:
    void FillMemory();
    std::array<double, 6> IdealCodes() const;
    std::uint8_t ReadParam(const std::uint8_t* data, int len, std::uint8_t* out, int* outLen);
    std::uint8_t WriteParam(const std::uint8_t* data, int len, std::uint8_t* out, int* outLen);
    std::uint8_t ReadBlock(const std::uint8_t* data, int len, std::uint8_t* out, int* outLen);

    Noise noise_;
    DspInputs in_;
    double now_ = 0.0;
    double restartUntil_ = -1.0;
    double captureDone_ = 0.0;
    bool recording_ = false;
    bool memoryValid_ = false;
    int adcOutOfLimits_ = -1;
    std::array<std::int32_t, 6> chosenAdc_{};
    std::array<bool, 6> adcChosen_{};
    struct Injection {
        int channel = 0, first = 0, count = 0;
        std::uint32_t bits = 0;
    };
    std::array<Injection, kMaxInjections> injected_{};
    int injections_ = 0;
    std::array<std::uint32_t, 20> eeprom_{};
    // Raw A, raw B (signed integers), filtered A, filtered B (float bit patterns).
    std::array<std::uint32_t, kChannels * kSamples> memory_{};
};

}  // namespace tarvix::sim

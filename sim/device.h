// The simulated transmitter: its 1796 holding registers with the rules its firmware applies
// to writes, the live measurement that updates them ten times a second, totalisers, outputs,
// status messages, file records and the measuring module behind function 0xAC.
//
// The device knows nothing of the line: the request handler turns frames into calls of the
// bus operations below, and everything else (control channel, configuration files, tests)
// uses the raw register access, which bypasses the firmware's rules.
#pragma once

#include "link/protocol.h"
#include "sim/dsp_module.h"
#include "sim/noise.h"
#include "sim/process_model.h"
#include "sim/register_map.h"
#include "sim/units.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace tarvix::sim {

// Communication settings of the device's own RS-485 port (registers 430..432).
struct LinkSettings {
    int address = 1;
    int baudIndex = 5;  // 0..9, the rate kBaudRates lists at this index (5: 19200)
    int parity = kParityNone;
};

class Device {
  public:
    static constexpr double kTickSeconds = 0.1;  // the firmware's measuring cycle
    static constexpr double kMaxCatchUpSeconds = 600.0;
    static constexpr double kZeroAdjustSeconds = 5.0;
    static constexpr double kRebootSeconds = 2.0;
    static constexpr int kFiles = 10;       // file records: files 1..10
    static constexpr int kSignalFile = 10;  // the last one is the measuring module's memory
    static constexpr int kFileWords = 10000;
    // The message list: the count field of CommonNotice has four bits, so the device keeps
    // up to 15 messages, of which the first 8 have a register (Notice1..8).
    static constexpr int kMaxNotices = 15;
    static constexpr int kNoticeRegisters = 8;
    static constexpr int kMaxHolds = 16;
    // The two points of the current output's calibration.
    static constexpr std::array<double, 2> kTrimPointsMa = {4.0, 20.0};

    explicit Device(std::uint64_t seed = 1);

    // Factory configuration: the state of a transmitter as it leaves the works.
    void LoadFactory();

    // ---- Bus operations. Each returns 0 or the Modbus exception code of the refusal;
    // a refused write changes nothing.
    std::uint8_t ReadHolding(int start, int count, std::uint16_t* out) const;
    std::uint8_t WriteHolding(int start, int count, const std::uint16_t* values);
    std::uint8_t ReadFile(int file, int record, int length, std::uint16_t* out) const;
    std::uint8_t WriteFile(int file, int record, int length, const std::uint16_t* words);
    // The processor relays the request to the measuring module. While the module starts up
    // after a reset it does not answer its link: the processor counts a time-out and the
    // master gets no answer either (kNoAnswer).
    std::uint8_t DspExchange(std::uint8_t sub, const std::uint8_t* data, int len, std::uint8_t* out,
                             int* outLen);
    void DspReset();

    // ---- Clock. The device runs its measuring cycle for every tick up to `seconds`.
    void AdvanceTo(double seconds);
    double Now() const { return now_; }
    // While the processor restarts (after ResetProcessor) the device does not answer.
    bool Rebooting() const { return now_ < rebootUntil_; }

    // ---- Raw access: no rules, no side effects except keeping derived state in step.
    std::uint16_t Word(int reg) const { return RegisterMap::InRange(reg) ? regs_[Idx(reg)] : 0; }
    void SetWord(int reg, std::uint16_t value);
    // A float by either of its registers.
    float Float(int reg) const;
    void SetFloat(int reg, float value);
    // Re-reads the totals kept beside the registers after raw changes of their registers.
    // WriteProtection (433) and CodeInternalAdc (237) always follow the micro switches.
    void SyncFromRegisters();

    // ---- The device's surroundings.
    ProcessModel& Process() { return process_; }
    DspModule& Dsp() { return dsp_; }
    const DspModule& Dsp() const { return dsp_; }
    void SetMicroSwitches(bool writeLock, bool keyLock);
    bool WriteLocked() const { return writeLock_; }
    bool KeyLocked() const { return keyLock_; }
    // Jumper that enables writes to the FRAM of the hidden current-output parameters
    // (registers 1300..1399). Fitted at the works.
    bool fram_jumper = true;
    void SetInput(int n, bool on);  // discrete input 1 or 2
    // A message word (high byte type, low byte index) held in the status list, slot
    // 1..kMaxNotices; 0 removes it. Held messages come first, then the device's own.
    bool HoldNotice(int slot, std::uint16_t word);
    // A register held at a value whatever the device computes for it (a status word, the
    // internal ADC code), until released. At most kMaxHolds registers at once.
    bool HoldRegister(int reg, std::uint16_t value);
    void ReleaseRegister(int reg);
    void ReleaseRegisters();

    // The current output's own hardware: the current it really drives is
    // gain x (the DAC current) + offset. The factory coefficients make up for the board
    // the device left the works with; another board error makes the output read wrong on
    // an ammeter until the output is calibrated.
    struct CurrentBoard {
        double offsetMa = 0.012;
        double gain = 0.9987;
    };
    void SetCurrentBoard(const CurrentBoard& board);
    const CurrentBoard& Board() const { return board_; }
    // What an ammeter in the current loop reads now, in mA.
    double AmmeterMa() const { return outputMa_; }

    LinkSettings Link() const;
    std::uint8_t Address() const { return static_cast<std::uint8_t>(Word(430)); }
    // True once after DevAddr, BaudIndex or Parity was written: the line applies the new
    // settings after the answer has gone out.
    bool TakeLinkChange() { return std::exchange(linkChanged_, false); }
    // The key register 201 must hold to unlock the protected sensor data: CRC-16 of the
    // two bytes of CUR_SN (register 1300), low byte first.
    std::uint16_t AccessKey() const;

  private:
    static std::size_t Idx(int reg) { return static_cast<std::size_t>(reg); }
    float F(int low) const;
    void SetF(int low, float value);

    // Write rules (device_rules.cpp).
    std::uint8_t CheckWrite(int start, int count, const std::uint16_t* values) const;
    std::uint8_t CheckValue(int reg, int start, int count, const std::uint16_t* values) const;
    void AfterWrite(int start, int count);
    bool AdjustmentPossible(int start, int count, const std::uint16_t* values) const;
    void RememberTrimDrive(int start, int count);
    void ComputeCurrentCoefficients();
    double DacCurrent(double nominalMa) const;
    void ApplyHolds();

    // The measuring cycle (device_measure.cpp, device_outputs.cpp, device_status.cpp).
    void Tick();
    void Measure();
    double PwlCorrection(double massFlowKgH) const;
    double FluidDensity(int methodReg, double temperatureC) const;
    void Concentration();
    void Totalisers();
    void Outputs();
    void CurrentOutput();
    void StatusOutputs();
    void Technological();
    void Status();
    // A main value by assignment code of the frequency and current outputs, in base units.
    bool OutputValue(int assign, int unitReg, double* value) const;
    void PublishTotal(int k);
    void ResetTotal(int k);

    std::array<std::uint16_t, kRegisters> regs_{};
    std::vector<std::uint16_t> files_;  // files 1..9, kFileWords each
    ProcessModel process_;
    DspModule dsp_;
    Noise noise_;

    double now_ = 0.0;
    double tickAt_ = 0.0;
    double rebootUntil_ = -1.0;
    bool linkChanged_ = false;
    bool writeLock_ = false;
    bool keyLock_ = false;
    std::array<bool, 2> inputs_{};
    std::array<std::uint16_t, kMaxNotices> heldNotices_{};
    struct Held {
        int reg = -1;  // -1: a free place
        std::uint16_t value = 0;
    };
    std::array<Held, kMaxHolds> holds_{};

    CurrentBoard board_;
    double outputMa_ = 4.0;  // the current the output really drives
    // The DAC current the output was driving at the nominal 4 and 20 mA when each trim was
    // written, i.e. with the coefficients in force while the ammeter was read.
    std::array<double, 2> trimDrive_{};

    // Measurement, base units: kg/s, m3/s, kg/m3, degrees C.
    struct Live {
        double massFlow = 0, volumeFlow = 0, corrVolumeFlow = 0;
        double density = 998.2, refDensity = 998.2, temperature = 20.0;  // sensor, damped
        double densityOut = 998.2, temperatureOut = 20.0;                // after corrections
        double targetMassFlow = 0, carrierMassFlow = 0, targetVolumeFlow = 0, carrierVolumeFlow = 0;
        double tubeHz = 148.0, delayUs = 0.0, delayRawUs = 0.0, rawMassFlowKgH = 0.0;
        double boardC = 35.0;
    } live_;
    // The flow a totaliser or the pulse output counts, by its assignment (1..7, base units;
    // 0 for no assignment or one beyond the menu).
    double AssignedFlow(int assign) const;
    bool faultActive_ = false;    // a system or process error is reported
    bool warningActive_ = false;  // a warning is reported
    bool currentSaturated_ = false;
    bool pulseOverflow_ = false;

    // Totalisers 1..4 in base units (kg, m3, Nm3), with the flow they last counted.
    struct Total {
        double value = 0.0, seconds = 0.0, lastFlow = 0.0;
        int assign = 0;  // what it counted: changing the assignment starts it from zero
    };
    std::array<Total, 4> totals_{};

    double zeroStart_ = -1.0;  // zero adjustment running since, or -1
    double zeroSum_ = 0.0;
    int zeroCount_ = 0;
    double pulses_ = 0.0;  // pulse output: fractional pulses not yet emitted
    double lastLinkError_ = 0.0;
    struct Relay {
        bool on = false;
        double since = 0.0;  // time the input first asked for the other state
        bool pending = false;
    };
    std::array<Relay, 3> relays_{};
};

}  // namespace tarvix::sim

#include "tools/current_calibration.h"

#include "base/string_table.h"
#include "base/user_error.h"
#include "link/list_ops.h"
#include "link/modbus_rtu.h"
#include "model/register_ids.h"
#include "pages/numeric_picture.h"
#include "session/program.h"

#include <QLocale>

#include <bit>

namespace tarvix {
namespace {

std::size_t At(int i) { return static_cast<std::size_t>(i); }

// The words the device takes as "on" and as "start" in its mode and command registers.
constexpr std::uint16_t kSimulationOn = 1;
constexpr std::uint16_t kSimulationOff = 0;
constexpr std::uint16_t kCommandStart = 1;

// The test step keeps this many readings for the report (the latest ones).
constexpr std::size_t kMaxTestReadings = 50;

QChar DecimalSep() { return QLocale::system().decimalPoint().at(0); }

void AppendWord(ModbusList& list, int reg, std::uint16_t value) {
    const int e = list.Append(kFnWriteHolding, static_cast<std::uint16_t>(reg), 1, 0, 1);
    if (e >= 0) list.Values[At(list.Slot[At(e)])] = value;
}

// A float as its two registers, the low-order word in the lower one.
void AppendFloat(ModbusList& list, int lowReg, float value) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    const int e = list.Append(kFnWriteHolding, static_cast<std::uint16_t>(lowReg), 2, 0, 2);
    if (e < 0) return;
    list.Values[At(list.Slot[At(e)])] = static_cast<std::uint16_t>(bits & 0xFFFF);
    list.Values[At(list.Slot[At(e)] + 1)] = static_cast<std::uint16_t>(bits >> 16);
}

// The outcome of a whole list: the first failure in the order the worker executed the
// entries (from the last one), or success. A list whose value write succeeded while the
// switch into simulation before it was refused has not set the current.
std::uint8_t ListResult(const ModbusList& list) {
    for (int e = list.Len - 1; e >= 0; --e) {
        if (list.Result[At(e)] != kResultOk) return list.Result[At(e)];
    }
    return kResultOk;
}

QString Milliamps(float value) {
    return FormatPicture(value, u"0", DecimalSep()) + Str(kStrMilliampere);
}

}  // namespace

QString OperationStartText(CurrentCalibration::Operation op, float value) {
    using Op = CurrentCalibration::Operation;
    switch (op) {
        case Op::SetNominal:
        case Op::SetTest:
            return Str(kStrCalSettingCurrent) + Milliamps(value);
        case Op::WriteTrim4:
            return Str(kStrCalWritingMeasured) + Milliamps(CurrentCalibration::kPoint4mA);
        case Op::WriteTrim20:
            return Str(kStrCalWritingMeasured) + Milliamps(CurrentCalibration::kPoint20mA);
        case Op::Compute:
            return Str(kStrCalComputing);
        case Op::RestoreFactory:
            return Str(kStrCalRestoring);
    }
    return {};
}

QString OperationDoneText(CurrentCalibration::Operation op, float value) {
    using Op = CurrentCalibration::Operation;
    switch (op) {
        case Op::SetNominal:
            return Str(kStrCalCurrentSet) + Milliamps(value);
        case Op::SetTest:
            return Str(kStrCalTestCurrentSet);
        case Op::WriteTrim4:
            return Str(kStrCalMeasuredWritten) + Milliamps(CurrentCalibration::kPoint4mA);
        case Op::WriteTrim20:
            return Str(kStrCalMeasuredWritten) + Milliamps(CurrentCalibration::kPoint20mA);
        case Op::Compute:
            return Str(kStrCalComputed);
        case Op::RestoreFactory:
            return Str(kStrCalRestored);
    }
    return {};
}

CurrentCalibration::CurrentCalibration(Program& program, QObject* parent)
    : QObject(parent), p_(program) {
    timer_.setObjectName(QStringLiteral("Timer1"));
    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, &CurrentCalibration::Tick);
}

void CurrentCalibration::Start(Operation op, float value) {
    const Request r{op, value};
    if (timer_.isActive()) {
        queued_ = r;
        return;
    }
    Launch(r);
}

void CurrentCalibration::Launch(const Request& r) {
    ModbusList& list = p_.Lists->OpList;
    running_ = r;
    // The wizard owns the list while it is open (the window's cycles are stopped), so an
    // idle list is free; Busy only says that nobody took the last results. A list still
    // running (a closing write the device never answered) is given its bounded waits.
    if (!SettleList()) {
        Q_EMIT Started(r.Op, r.Value);
        Q_EMIT Finished(r.Op, r.Value, kResultNoAnswer);
        return;
    }
    p_.Lists->ResetList(list);
    switch (r.Op) {
        case Operation::SetNominal:
        case Operation::SetTest:
            // The list runs from its last entry: simulation is switched on first.
            AppendFloat(list, mrCUR_Value_Simulation, r.Value);
            AppendWord(list, mrCUR_Simulation_Mode, kSimulationOn);
            simulationMayBeOn_ = true;
            break;
        case Operation::WriteTrim4:
            AppendFloat(list, mrCUR_Trim_4mA, r.Value);
            break;
        case Operation::WriteTrim20:
            AppendFloat(list, mrCUR_Trim_20mA, r.Value);
            break;
        case Operation::Compute:
            AppendWord(list, mrCUR_Adjustment_Mode, kCommandStart);
            break;
        case Operation::RestoreFactory:
            AppendWord(list, mrCUR_Restore_Coefficient, kCommandStart);
            break;
    }
    Q_EMIT Started(r.Op, r.Value);
    list.Launch();
    timer_.start();
}

void CurrentCalibration::Tick() {
    if (!timer_.isActive()) return;
    ModbusList& list = p_.Lists->OpList;
    std::uint8_t result = kResultOk;
    if (p_.Worker.WorkerDead.load()) {
        // A dead worker never hands the list back: the operation has failed.
        if (p_.OnWorkerDead) p_.OnWorkerDead();
        result = kResultNoAnswer;
    } else if (!list.Idle()) {
        return;
    } else {
        result = ListResult(list);
        TakeFirstResult(list, p_.Image);
    }
    timer_.stop();
    const Request done = running_;
    if (done.Op == Operation::Compute && result == kResultOk) {
        computed_ = true;
        // Readings taken with the coefficients before belong to no report of these.
        report_.Tests.clear();
    }
    Q_EMIT Finished(done.Op, done.Value, result);
    if (queued_ && !timer_.isActive()) {
        const Request next = *queued_;
        queued_.reset();
        Launch(next);
    }
}

bool CurrentCalibration::SettleList() {
    ModbusList& list = p_.Lists->OpList;
    try {
        if (list.Idle()) return true;
        if (p_.WaitOpList()) return true;
        list.Abort.store(1, std::memory_order_release);
        if (p_.WaitOpList()) return true;
    } catch (const UserError&) {
        return false;  // the worker is dead; its death has been reported
    }
    return list.Idle();
}

void CurrentCalibration::AppendLeaveSimulation(ModbusList& list) {
    AppendWord(list, mrCUR_Simulation_Mode, kSimulationOff);
}

std::uint8_t CurrentCalibration::LeaveSimulation() {
    queued_.reset();
    timer_.stop();
    ModbusList& list = p_.Lists->OpList;
    std::uint8_t result = kResultNoAnswer;
    if (SettleList()) {
        p_.Lists->ResetList(list);
        AppendLeaveSimulation(list);
        list.Launch();
        if (SettleList()) result = ListResult(list);
        list.Busy.store(0, std::memory_order_relaxed);
    }
    if (result == kResultOk) simulationMayBeOn_ = false;
    report_.SimulationOff = result == kResultOk;
    return result;
}

void CurrentCalibration::SetMeasured(Operation trim, float mA) {
    if (trim == Operation::WriteTrim4) measured4_ = mA;
    if (trim == Operation::WriteTrim20) measured20_ = mA;
}

double CurrentCalibration::TestError(float measured) {
    const double error = (static_cast<double>(measured) - testSet_) / testSet_ * 100.0;
    if (report_.Tests.size() >= kMaxTestReadings) report_.Tests.erase(report_.Tests.begin());
    report_.Tests.push_back({testSet_, measured, error});
    return error;
}

void CurrentCalibration::BeginSession() {
    computed_ = false;
    report_ = {};
    // The coefficients as the page that opened the wizard has just read them.
    const RegisterImage& img = p_.Image;
    if (img.RegTime[mrCUR_Current_OffsetH] > 0 && img.RegTime[mrCUR_Current_GainH] > 0)
        report_.Before = CurrentCoefficients{img.ReadFloat(mrCUR_Current_OffsetH),
                                             img.ReadFloat(mrCUR_Current_GainH)};
}

bool CurrentCalibration::ReadReportValues() {
    report_.When = QDateTime::currentDateTime();
    report_.Measured4 = measured4_;
    report_.Measured20 = measured20_;
    ModbusList& list = p_.Lists->OpList;
    if (!SettleList()) return false;
    p_.Lists->ResetList(list);
    // Entry 0, the coefficients, is read last: TakeFirstResult puts them into the image.
    list.AppendRead(mrCUR_Current_Offset, 4);
    list.AppendRead(mrSerialNumberDevice, 1);
    list.AppendRead(mrCUR_SN, 1);
    list.Launch();
    const bool back = SettleList();
    const bool ok = back && ListResult(list) == kResultOk;
    if (ok) {
        const auto word = [&list](int e) { return list.Values[At(list.Slot[At(e)])]; };
        report_.ModuleSerial = word(2);
        report_.DeviceSerial = word(1);
        TakeFirstResult(list, p_.Image);
        report_.After = CurrentCoefficients{p_.Image.ReadFloat(mrCUR_Current_OffsetH),
                                            p_.Image.ReadFloat(mrCUR_Current_GainH)};
    } else if (p_.Image.RegTime[mrCUR_SN] > 0) {
        // The module's number as the page that opened the wizard read it.
        report_.ModuleSerial = p_.Image.ModbusRegs[mrCUR_SN];
    }
    list.Busy.store(0, std::memory_order_relaxed);
    return ok;
}

}  // namespace tarvix

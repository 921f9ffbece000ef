#include "tools/register_dump_transfer.h"

#include "link/list_ops.h"
#include "link/register_dump.h"
#include "model/param_table.h"
#include "model/register_ids.h"
#include "pages/page_requests.h"
#include "session/program.h"

namespace tarvix {
namespace {

std::size_t At(int i) { return static_cast<std::size_t>(i); }

}  // namespace

RegisterDumpTransfer::RegisterDumpTransfer(Program& program, QObject* parent)
    : QObject(parent), p_(program) {
    connect(&timer_, &QTimer::timeout, this, &RegisterDumpTransfer::Tick);
}

bool RegisterDumpTransfer::Begin(Direction d) {
    ModbusList& op = p_.Lists->OpList;
    if (timer_.isActive() || !op.Idle() || op.Busy.load()) return false;
    dir_ = d;
    position_ = 0;
    abortRequested_ = false;
    failedResult_ = 0;
    failedRegister_ = 0;
    if (d == Direction::Write) {
        rows_ = RestoreRows();
        if (rows_.empty()) return false;
    }
    RequestNext();
    timer_.start(d == Direction::Read ? kReadTickMs : kWriteTickMs);
    return true;
}

bool RegisterDumpTransfer::StartRead() { return Begin(Direction::Read); }
bool RegisterDumpTransfer::StartWrite() { return Begin(Direction::Write); }

void RegisterDumpTransfer::RequestNext() {
    if (dir_ == Direction::Read) {
        RequestBlock(position_);
    } else {
        RequestRow(rows_[At(position_)]);
    }
    ++position_;
    const int total = dir_ == Direction::Read ? kDumpBlockCount : static_cast<int>(rows_.size());
    Q_EMIT Requested(requestedReg_, position_ - 1, total);
}

void RegisterDumpTransfer::RequestBlock(int block) {
    ModbusList& op = p_.Lists->OpList;
    p_.Lists->ResetList(op);
    const DumpBlock& b = kDumpBlocks[At(block)];
    op.AppendRead(static_cast<std::uint16_t>(b.First), static_cast<std::uint16_t>(b.Count));
    requestedReg_ = b.First;
    op.Ticks = static_cast<std::uint16_t>(TickBudget(op, p_.Com, kReadTickMs));
    op.Launch();
}

void RegisterDumpTransfer::RequestRow(int row) {
    ModbusList& op = p_.Lists->OpList;
    p_.Lists->ResetList(op);
    const int reg = ParamRegs[At(row)].Reg;
    const int count = RowRegCount(row);
    const int e =
        op.Append(kFnWriteHolding, static_cast<std::uint16_t>(reg),
                  static_cast<std::uint16_t>(count), static_cast<std::uint16_t>(count * 2), count);
    for (int k = 0; k < count; ++k)
        op.Values[At(op.Slot[At(e)] + k)] = p_.Image.ModbusRegs[At(reg + k)];
    if (position_ == 0 && AccessLevel < 3) AppendOpeningWrites();
    requestedReg_ = reg;
    op.Ticks = static_cast<std::uint16_t>(TickBudget(op, p_.Com, kWriteTickMs));
    op.Launch();
}

void RegisterDumpTransfer::AppendOpeningWrites() {
    // The list runs from its last entry: the device receives the calibration serial number
    // first, then the key made from it, then the first row.
    ModbusList& op = p_.Lists->OpList;
    const std::uint16_t key = AccessKey(p_.Image);
    p_.Image.ModbusRegs[mrSensorData_AccessKey] = key;
    for (const auto& [reg, value] : {std::pair{mrSensorData_AccessKey, key},
                                     std::pair{mrCUR_SN, p_.Image.ModbusRegs[mrCUR_SN]}}) {
        const int e = op.Append(kFnWriteHolding, static_cast<std::uint16_t>(reg), 1, 2, 1);
        op.Values[At(op.Slot[At(e)])] = value;
    }
    bracketOpen_ = true;
}

void RegisterDumpTransfer::CloseProtection() {
    if (!bracketOpen_) return;
    bracketOpen_ = false;
    // Its result is not awaited: the dialog's owner waits for the list when the dialog
    // closes.
    ModbusList& op = p_.Lists->OpList;
    p_.Image.ModbusRegs[mrSensorData_AccessKey] = 0;
    p_.Lists->ResetList(op);
    const int e = op.Append(kFnWriteHolding, mrSensorData_AccessKey, 1, 2, 1);
    op.Values[At(op.Slot[At(e)])] = 0;
    op.Launch();
}

void RegisterDumpTransfer::Tick() {
    if (!timer_.isActive()) return;
    ModbusList& op = p_.Lists->OpList;
    if (!op.Idle()) {
        if (op.Ticks.load() > 0) {
            op.Ticks.fetch_sub(1);
            return;
        }
        // The bracket stays as it is: the list still runs and would be overtaken.
        op.Abort = 1;
        bracketOpen_ = false;
        End(Outcome::TimedOut);
        return;
    }
    const std::uint8_t r = TakeFirstResult(op, p_.Image);
    if (r != kResultOk) {
        failedResult_ = r;
        failedRegister_ = requestedReg_;
        End(Outcome::Failed);
        return;
    }
    if (abortRequested_) {
        End(Outcome::Aborted);
        return;
    }
    const int total = dir_ == Direction::Read ? kDumpBlockCount : static_cast<int>(rows_.size());
    if (position_ >= total) {
        End(Outcome::Done);
        return;
    }
    RequestNext();
}

void RegisterDumpTransfer::End(Outcome outcome) {
    timer_.stop();
    if (outcome != Outcome::TimedOut) CloseProtection();
    Q_EMIT Finished(outcome);
}

}  // namespace tarvix

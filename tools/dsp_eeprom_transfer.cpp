#include "tools/dsp_eeprom_transfer.h"

#include "link/list_ops.h"
#include "link/modbus_rtu.h"
#include "pages/page_requests.h"
#include "session/program.h"

namespace tarvix {
namespace {

std::size_t At(int i) { return static_cast<std::size_t>(i); }

}  // namespace

DspEepromTransfer::DspEepromTransfer(Program& program, QObject* parent)
    : QObject(parent), p_(program) {
    connect(&timer_, &QTimer::timeout, this, &DspEepromTransfer::Tick);
}

bool DspEepromTransfer::Begin(bool reading) {
    const ModbusList& op = p_.Lists->OpList;
    if (timer_.isActive() || !op.Idle() || op.Busy.load()) return false;
    reading_ = reading;
    position_ = 0;
    tries_ = 0;
    abortRequested_ = false;
    Request();
    timer_.start(kTickMs);
    return true;
}

bool DspEepromTransfer::StartRead() { return Begin(true); }

bool DspEepromTransfer::StartWrite(const DspEepromValues& values) {
    if (timer_.isActive()) return false;
    values_ = values;
    return Begin(false);
}

void DspEepromTransfer::Request() {
    ModbusList& op = p_.Lists->OpList;
    p_.Lists->ResetList(op);
    if (reading_) {
        AddDspRead(op, position_);
    } else {
        DspValueArray bytes{};
        for (int k = 0; k < 4; ++k)
            bytes[At(position_)][At(k)] =
                static_cast<std::uint8_t>(values_[At(position_)] >> (8 * k));
        bool keyNeeded = false;
        AddWriteForControl(op, Binding{position_, true}, keyNeeded, p_.Image, bytes, {});
    }
    op.Ticks = static_cast<std::uint16_t>(TickBudget(op, p_.Com, kTickMs));
    op.Launch();
    Q_EMIT Requested(position_, tries_);
}

void DspEepromTransfer::Tick() {
    if (!timer_.isActive()) return;
    ModbusList& op = p_.Lists->OpList;
    if (!op.Idle()) {
        if (op.Ticks.load() > 0) {
            op.Ticks.fetch_sub(1);
            return;
        }
        op.Abort = 1;
        End(Outcome::TimedOut);
        return;
    }
    // The result is taken straight from the entry: the register image has no place for a
    // module's answer.
    op.Busy.store(0, std::memory_order_relaxed);
    if (abortRequested_) {
        End(Outcome::Aborted);
        return;
    }
    std::uint8_t r = op.Len > 0 ? op.Result[0] : kResultNoAnswer;
    if (r == kResultOk && reading_) {
        const auto v = DspParamAnswer(op, 0, position_);
        if (v) {
            values_[At(position_)] = *v;
            if (ValueArrived) {
                QByteArray bytes(4, '\0');
                for (int k = 0; k < 4; ++k) bytes[k] = static_cast<char>(*v >> (8 * k));
                // The controls bound to the parameter show it without marking an edit.
                p_.Distributing = true;
                ValueArrived(position_, bytes);
                p_.Distributing = false;
            }
        } else {
            r = kResultBadLength;  // an answer for another parameter
        }
    }
    if (r != kResultOk) {
        ++tries_;
        Q_EMIT Retrying(position_, r, tries_);
        Request();
        return;
    }
    tries_ = 0;
    ++position_;
    if (position_ >= kDspEepromParams) {
        End(Outcome::Done);
        return;
    }
    Request();
}

void DspEepromTransfer::End(Outcome outcome) {
    timer_.stop();
    Q_EMIT Finished(outcome);
}

}  // namespace tarvix

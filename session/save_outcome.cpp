#include "save_outcome.h"

#include "base/string_table.h"
#include "link/modbus_rtu.h"
#include "link/protocol.h"
#include "model/register_ids.h"

namespace tarvix {
namespace {

// A value of the save: a register write other than the access-key bracket the protected
// sensor data need around them (the user wrote values, not keys).
bool IsValueWrite(const ModbusList& L, int e) {
    const auto i = static_cast<std::size_t>(e);
    const std::uint8_t func = L.Func[i];
    if (func == kFnDspExchange) return L.Start[i] == kDspWriteParam;
    const bool write =
        func == kFnWriteHolding || func == kFnWriteSingle || func == kFnWriteFileRecord;
    return write && L.Start[i] != mrSensorData_AccessKey;
}

}  // namespace

void SaveOutcome::Begin(const ModbusList& L) {
    total_ = 0;
    notWritten_ = 0;
    reason_ = 0;
    for (int e = 0; e < L.Len; ++e) {
        if (IsValueWrite(L, e)) ++total_;
    }
}

void SaveOutcome::EntryFailed(const ModbusList& L, int e) {
    if (e < 0 || e >= L.Len) return;
    if (reason_ == 0) reason_ = L.Result[static_cast<std::size_t>(e)];
    // A refused key refuses the values it guards: they are counted as their own entries.
    if (IsValueWrite(L, e) && notWritten_ < total_) ++notWritten_;
}

void SaveOutcome::NoAnswer() {
    notWritten_ = total_;
    reason_ = kResultNoAnswer;
}

QString SaveOutcome::Text() const {
    return Str(kStrSaveNotWritten).arg(notWritten_).arg(total_).arg(ResultText(reason_));
}

}  // namespace tarvix

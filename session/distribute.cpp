#include "distribute.h"

#include "base/string_table.h"
#include "link/modbus_rtu.h"
#include "model/param_table.h"
#include "session/program.h"

#include <cstring>

namespace tarvix {
namespace {

std::size_t At(int i) { return static_cast<std::size_t>(i); }

// Byte k of the answer data held in the slots from s on (low byte of each slot first).
std::uint8_t DataByte(const ModbusList& L, int s, int k) {
    const int slot = s + k / 2;
    if (slot < 0 || slot >= kListSlots) return 0;
    const std::uint16_t w = L.Values[At(slot)];
    return static_cast<std::uint8_t>(k % 2 == 0 ? (w & 0xFF) : (w >> 8));
}

QString EntryName(const ModbusList& L, int e) {
    const int start = L.Start[At(e)];
    const int row = L.Func[At(e)] == kFnDspExchange ? DspRow(start) : RegRow(start);
    return IsParamRow(row) ? ParamName(row) : QString();
}

void DistributeDsp(Program& p, ModbusList& L, int e, const DistributeHooks& h, bool online) {
    // Answer bytes are read out of the slots only where an answer filled them: the exchange
    // succeeds without data in file mode, which has no measuring module, and a write that
    // reached no module is no success to journal.
    if (!AnswerInSlots(L, e)) return;
    const int s = L.Slot[At(e)];
    switch (L.Start[At(e)]) {
        case kDspReadParam: {
            const int n = DataByte(L, s, 3);
            const int row = DspRow(n);
            if (!IsDspRow(row) || ParamRegs[At(row)].Reg != n) return;
            const int size = std::min(ParamRegs[At(row)].DspSize, 4);
            QByteArray bytes(size, '\0');
            for (int k = 0; k < size; ++k) bytes[k] = static_cast<char>(DataByte(L, s, 4 + k));
            if (h.DspValueArrived) h.DspValueArrived(n, bytes);
            break;
        }
        case kDspWriteParam: {
            const int row = DspRow(DataByte(L, s, 3));
            const QString name = IsParamRow(row) ? ParamName(row) : QString();
            p.Log.WriteJournal(name + QStringLiteral(" - ") +
                                   Str(online ? kStrWrittenToDevice : kStrWrittenToFile),
                               kJournalInfo);
            break;
        }
        case kDspReadAdc: {
            std::array<std::int32_t, 6> codes{};
            for (int i = 0; i < 6; ++i) {
                std::uint32_t v = 0;
                for (int k = 0; k < 4; ++k)
                    v |= std::uint32_t{DataByte(L, s, 2 + 4 * i + k)} << (8 * k);
                codes[At(i)] = static_cast<std::int32_t>(v);
            }
            if (h.AdcCodesArrived) h.AdcCodesArrived(codes);
            break;
        }
        default:
            break;
    }
}

void DistributeRegisters(Program& p, ModbusList& L, int e, const DistributeHooks& h, bool fromOp) {
    const int start = L.Start[At(e)];
    const int slot = L.Slot[At(e)];
    const int count = L.Count[At(e)];
    RegisterImage& img = p.Image;
    // All values of the entry go into the image before any control is told, so that a
    // two-register value is complete when its descriptor (on the higher register) shows it.
    for (int i = 0; i < count; ++i) {
        const int r = start + i;
        const int s = slot + i;
        if (!IsUserRegister(r) || s >= kListSlots) break;
        if (L.Stamps[At(s)] > img.RegTime[At(r)]) img.ModbusRegs[At(r)] = L.Values[At(s)];
    }
    for (int i = 0; i < count; ++i) {
        const int r = start + i;
        const int s = slot + i;
        if (!IsUserRegister(r) || s >= kListSlots) break;
        if (L.Stamps[At(s)] > img.RegTime[At(r)]) {
            img.RegTime[At(r)] = L.Stamps[At(s)];
            if (L.Func[At(e)] == kFnReadHolding && h.ValueArrived) h.ValueArrived(r, fromOp);
        }
    }
}

}  // namespace

int DistributeResults(Program& p, ModbusList& L, const DistributeHooks& h) {
    if (L.Len == 0) return 0;
    p.Distributing = true;
    const bool online = p.Worker.WorkMode.load() != kModeFile;
    const bool fromOp = &L == &p.Lists->OpList;
    int failed = 0;
    for (int e = 0; e < L.Len; ++e) {
        const std::uint8_t func = L.Func[At(e)];
        if (L.Result[At(e)] != kResultOk) {
            p.Log.WriteJournal(
                EntryName(L, e) + QStringLiteral(" - ") + ResultText(L.Result[At(e)]),
                kJournalError);
            ++failed;
            if (h.EntryFailed) h.EntryFailed(L, e);
        } else if (func == kFnWriteHolding) {
            p.Log.WriteJournal(EntryName(L, e) + QStringLiteral(" - ") +
                                   Str(online ? kStrWrittenToDevice : kStrWrittenToFile),
                               kJournalInfo);
        } else if (func == kFnDspExchange) {
            DistributeDsp(p, L, e, h, online);
        } else {
            DistributeRegisters(p, L, e, h, fromOp);
        }
    }
    L.Busy.store(0, std::memory_order_relaxed);

    const std::uint16_t flags = L.Flags;
    if (L.Func[0] == kFnReadHolding && h.Refresh) {
        for (std::uint16_t flag :
             {kFlagLiveValues, kFlagCharts, kFlagRegisterPolling, kFlagIndicator, kFlagErrors,
              kFlagPwlTable, kFlagTargetTable, kFlagCarrierTable}) {
            if (flags & flag) h.Refresh(flag);
        }
    }
    if (L.Func[0] == kFnWriteHolding && (flags & kFlagLinkSettings) && h.LinkSettingsWritten) {
        h.LinkSettingsWritten(failed, L.Len);
    }
    if (h.SignalsArrived) {
        if (flags & kFlagRawSignals) {
            h.SignalsArrived(kFlagRawSignals);
        } else if (flags & kFlagFilteredSignals) {
            h.SignalsArrived(kFlagFilteredSignals);
        }
    }
    L.Flags = 0;
    p.Distributing = false;
    if (h.ConnectingVisible && h.ConnectingVisible() && h.ConnectionConfirmed)
        h.ConnectionConfirmed();
    return failed;
}

}  // namespace tarvix

#include "pages/page_requests.h"

#include "link/crc16.h"
#include "link/modbus_rtu.h"
#include "model/param_table.h"
#include "model/register_ids.h"

#include <utility>
#include <vector>

namespace tarvix {
namespace {

std::size_t At(int i) { return static_cast<std::size_t>(i); }

// The first register of the value identified by mr: a float is identified by its high one.
int FirstRegister(int mr) { return RegType(mr) == kTypeFloat ? mr - 1 : mr; }

bool HasEntryAt(const ModbusList& list, std::uint8_t func, int start) {
    for (int e = 0; e < list.Len; ++e) {
        if (list.Func[At(e)] == func && list.Start[At(e)] == start) return true;
    }
    return false;
}

void SetSlot(ModbusList& list, int e, int k, std::uint16_t v) {
    if (e < 0) return;
    const int s = list.Slot[At(e)] + k;
    if (s >= 0 && s < kListSlots) list.Values[At(s)] = v;
}

// The first word of a measuring-module request: the parameter number in the high byte, the
// value code OR the byte count in the low byte.
std::uint16_t DspRequestWord(int n, int code, int size) {
    return static_cast<std::uint16_t>((n << 8) | ((code | size) & 0xFF));
}

void AppendWrite(ModbusList& list, int start, std::span<const std::uint16_t> values) {
    const int e =
        list.Append(kFnWriteHolding, static_cast<std::uint16_t>(start),
                    static_cast<std::uint16_t>(values.size()), 0, static_cast<int>(values.size()));
    for (std::size_t k = 0; k < values.size(); ++k)
        SetSlot(list, e, static_cast<int>(k), values[k]);
}

}  // namespace

void AddRead(ModbusList& list, int mr) {
    if (!IsUserRegister(mr)) return;
    const bool isFloat = RegType(mr) == kTypeFloat;
    const int first = FirstRegister(mr);
    if (!IsUserRegister(first)) return;
    // Only reads count as "already requested": a measuring-module entry keeps its
    // sub-function in Start, which must not hide a register of the same number.
    if (HasEntryAt(list, kFnReadHolding, first)) return;
    list.AppendRead(static_cast<std::uint16_t>(first), isFloat ? 2 : 1);
}

void AddDspRead(ModbusList& list, int n) {
    const int size = DspSize(n);
    if (size == 0) return;
    const int e = list.Append(kFnDspExchange, kDspReadParam, static_cast<std::uint16_t>(size + 4),
                              2, size + 4);
    SetSlot(list, e, 0, DspRequestWord(n, DspCode(n), size));
}

void AddReadForControl(ModbusList& list, QStringView control, const Bindings& bindings) {
    const auto b = bindings.Find(control);
    if (!b) return;
    if (b->Dsp) {
        AddDspRead(list, b->Id);
    } else {
        AddRead(list, b->Id);
    }
}

void AddPollListReads(ModbusList& list, QStringView page, const Bindings& bindings) {
    for (const char* control : PollListOf(page)) {
        AddReadForControl(list, QString::fromLatin1(control), bindings);
    }
}

void ReadPageRequests(ModbusList& list, std::span<const PageGroupBox> groups,
                      const Bindings& bindings) {
    for (const PageGroupBox& g : groups) {
        if (g.Skip) continue;
        for (const QString& control : g.Controls) AddReadForControl(list, control, bindings);
    }
}

std::uint16_t AccessKey(const RegisterImage& image) {
    const std::uint16_t sn = image.ModbusRegs[At(mrCUR_SN)];
    const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(sn & 0xFF),
                                   static_cast<std::uint8_t>(sn >> 8)};
    return Crc16(bytes, 2);
}

void AddWriteForControl(ModbusList& list, const Binding& b, bool& keyNeeded,
                        const RegisterImage& image, const DspValueArray& dspValues,
                        const std::function<void()>& convert) {
    if (b.Dsp) {
        const int n = b.Id;
        if (convert) convert();
        const int size = DspSize(n);
        if (size == 0 || n < 0 || n >= kDspParams) return;
        // Request bytes: the parameter word, then the value's bytes; 16-bit slots carry them
        // low byte first.
        const int e =
            list.Append(kFnDspExchange, kDspWriteParam, static_cast<std::uint16_t>(size + 4),
                        static_cast<std::uint16_t>(size + 2), (size + 3) / 2);
        std::vector<std::uint8_t> bytes{static_cast<std::uint8_t>((DspCode(n) | size) & 0xFF),
                                        static_cast<std::uint8_t>(n)};
        const DspValue& v = dspValues[At(n)];
        bytes.insert(bytes.end(), v.begin(), v.begin() + size);
        for (std::size_t k = 0; k < bytes.size(); k += 2) {
            const std::uint16_t hi = k + 1 < bytes.size() ? bytes[k + 1] : 0;
            SetSlot(list, e, static_cast<int>(k / 2),
                    static_cast<std::uint16_t>(bytes[k] | (hi << 8)));
        }
        return;
    }

    const int mr = b.Id;
    const int first = FirstRegister(mr);
    if (!IsUserRegister(mr) || !IsUserRegister(first)) return;
    if (HasEntryAt(list, kFnWriteHolding, first)) return;
    if (convert) convert();
    if (IsProtectedId(mr) && !keyNeeded) {
        keyNeeded = true;
        const std::uint16_t close[] = {0};
        AppendWrite(list, kAccessKeyRegister, close);
    }
    if (RegType(mr) == kTypeFloat) {
        const std::uint16_t words[] = {image.ModbusRegs[At(mr - 1)], image.ModbusRegs[At(mr)]};
        AppendWrite(list, mr - 1, words);
    } else {
        const std::uint16_t word[] = {image.ModbusRegs[At(mr)]};
        AppendWrite(list, mr, word);
    }
}

void AddAdcRead(ModbusList& list) { list.Append(kFnDspExchange, kDspReadAdc, 26, 0, 26); }

void AddPwlRead(ModbusList& list) {
    list.AppendRead(mrCUR_SN, 1);
    list.AppendRead(mrCount_LinearInterpolation, 33);
}

void AddTargetFluidRead(ModbusList& list) { list.AppendRead(mrTF_ApproximationMethod, 96); }

void AddCarrierFluidRead(ModbusList& list) { list.AppendRead(mrCF_ApproximationMethod, 96); }

WritePageResult WritePage(const QString& page, std::span<const PageControlState> controls,
                          bool start, PageWriteContext& ctx) {
    ModbusList& op = ctx.OpList;
    if (!ctx.WindowReady) return WritePageResult::NotReady;
    if (ctx.WorkMode == kModeOffline) return WritePageResult::Offline;
    if (!op.Idle() || op.Busy.load(std::memory_order_acquire) != 0) return WritePageResult::Busy;

    op.Len = 0;
    op.Slot[0] = 0;
    op.Flags = page == QLatin1String("PageRS485") ? kFlagLinkSettings : 0;
    // The device checks the key against the serial number it holds: the one last read,
    // before an edit of the same page may put a new one into the image.
    const std::uint16_t key = AccessKey(ctx.Image);
    // A save is all or nothing. The conversions store into the image as they go, so a
    // failing one puts back what the controls before it stored, and no mark is cleared
    // until every control converted: the user corrects the one value and saves the page
    // again, with nothing of the first attempt lost or left unsent in the image.
    const RegisterImage imageBefore = ctx.Image;
    const DspValueArray dspBefore = ctx.DspValues;
    bool keyNeeded = false;
    std::vector<const QString*> written;
    try {
        for (const PageControlState& c : controls) {
            if (!c.Modified || !c.Visible) continue;
            if (const auto b = ctx.Binds.Find(c.Name)) {
                AddWriteForControl(op, *b, keyNeeded, ctx.Image, ctx.DspValues, [&] {
                    if (ctx.Convert) ctx.Convert(c.Name, *b);
                });
            }
            written.push_back(&c.Name);
        }
    } catch (...) {
        ctx.Image = imageBefore;
        ctx.DspValues = dspBefore;
        op.Len = 0;
        op.Slot[0] = 0;
        throw;
    }
    if (ctx.ClearMark) {
        for (const QString* name : written) ctx.ClearMark(*name);
    }
    if (keyNeeded) {
        const std::uint16_t open[] = {key};
        AppendWrite(op, kAccessKeyRegister, open);
    }
    if (op.Len == 0) return WritePageResult::Ok;
    op.Launch();
    if (start && ctx.StartOpList) ctx.StartOpList();
    return WritePageResult::Ok;
}

}  // namespace tarvix

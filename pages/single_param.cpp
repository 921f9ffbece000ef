#include "pages/single_param.h"

#include "base/user_error.h"
#include "link/protocol.h"
#include "model/param_table.h"
#include "pages/conversion_errors.h"
#include "pages/device_menus.h"
#include "pages/page_requests.h"

namespace tarvix {
namespace {

std::size_t At(int i) { return static_cast<std::size_t>(i); }

void AppendKeyWrite(ModbusList& list, std::uint16_t value) {
    const int e = list.Append(kFnWriteHolding, kAccessKeyRegister, 1, 0, 1);
    if (e >= 0) list.Values[At(list.Slot[At(e)])] = value;
}

// The text as a message may quote it: a pasted page of text is cut.
QString Quoted(const QString& typed) {
    constexpr int kQuoted = 24;
    return typed.size() <= kMaxTypedValue ? typed : typed.left(kQuoted) + QStringLiteral("...");
}

// The parse of the command line speaks its own language about menus; the page answers with
// the pages' messages: a number beyond the menu is out of range, anything else is no value.
void ConvertMenuValue(const ParamRef& p, const QString& typed, RegisterImage& image,
                      DspValueArray& dspValues, int langIndex, QChar decimalSep) {
    try {
        const ParsedInput in = ParseValue(p, typed, image, langIndex, decimalSep);
        if (p.IsDsp()) dspValues[At(p.Id)] = in.Dsp;
    } catch (const UserError&) {
        bool isNumber = false;
        typed.toLongLong(&isNumber);
        if (!isNumber) throw InvalidValueError(typed);
        const auto items = MenuItems(MenuOf(p, image, langIndex)).size();
        throw OutOfRangeError(typed, 0, static_cast<std::int64_t>(items) - 1);
    }
}

}  // namespace

std::vector<int> SingleParamRows(int accessLevel) {
    std::vector<int> rows;
    for (int row = 0; row < FirstDspRow; ++row) {
        if (ParamVisibleAt(row, accessLevel)) rows.push_back(row);
    }
    for (int row = FirstDspRow; row < ParamCount; ++row) {
        const bool title = ParamRegs[At(row)].Type == kTypeGroup;
        if (title || ParamVisibleAt(row, accessLevel)) rows.push_back(row);
    }
    return rows;
}

void AppendParamRead(ModbusList& list, const ParamRef& p) {
    if (p.IsDsp()) {
        AddDspRead(list, p.Id);
        return;
    }
    for (const int id : IdsToRead(p)) AddRead(list, id);
}

void AppendParamWrite(ModbusList& list, const ParamRef& p, const QString& typed,
                      RegisterImage& image, DspValueArray& dspValues, int langIndex,
                      QChar decimalSep, ParamBackup& backup) {
    const QString text = typed.trimmed();
    if (text.isEmpty() || text.size() > kMaxTypedValue) throw InvalidValueError(Quoted(typed));
    if (p.Row == kNoRow) return;

    backup.Words.clear();
    for (int k = 0; k < p.RegCount; ++k)
        backup.Words.push_back(image.ModbusRegs[At(p.FirstReg + k)]);
    if (p.IsDsp()) backup.Dsp = dspValues[At(p.Id)];

    // The device checks the key against the serial number it holds, the one last read.
    const std::uint16_t key = AccessKey(image);
    const bool bracket = NeedsAccessKey(p);
    const int lenBefore = list.Len;
    try {
        // Executed from the last entry: the key opens, the value is written, 0 closes.
        if (bracket) AppendKeyWrite(list, 0);
        bool keyHandled = true;  // the bracket is this function's, whatever the identifier
        const Binding b{p.Id, p.IsDsp()};
        AddWriteForControl(list, b, keyHandled, image, dspValues, [&] {
            if (!MenuOf(p, image, langIndex).empty()) {
                ConvertMenuValue(p, text, image, dspValues, langIndex, decimalSep);
                return;
            }
            const ParsedInput in = ParseValue(p, text, image, langIndex, decimalSep);
            if (p.IsDsp()) dspValues[At(p.Id)] = in.Dsp;
        });
        if (bracket) AppendKeyWrite(list, key);
    } catch (...) {
        RestoreParam(p, backup, image, dspValues);
        list.Len = lenBefore;
        throw;
    }
}

void RestoreParam(const ParamRef& p, const ParamBackup& backup, RegisterImage& image,
                  DspValueArray& dspValues) {
    for (std::size_t k = 0; k < backup.Words.size(); ++k)
        image.ModbusRegs[At(p.FirstReg) + k] = backup.Words[k];
    if (p.IsDsp()) dspValues[At(p.Id)] = backup.Dsp;
}

QString ParamResultLine(const QTime& at, const QString& item, const QString& status) {
    const QString time = at.toString(QStringLiteral("hh:mm:ss"));
    if (item.isEmpty()) return time + QStringLiteral(" --> ") + status;
    return time + QStringLiteral(" --> ") + item + QStringLiteral(" : ") + status;
}

}  // namespace tarvix

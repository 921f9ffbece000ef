#include "param_table.h"

#include <cstdint>

namespace tarvix {

namespace {

const ParamReg& RegsAt(int row) { return ParamRegs[static_cast<std::size_t>(row)]; }
const ParamText& TextsAt(int row) { return ParamTexts[static_cast<std::size_t>(row)]; }

// Measuring-module rows are looked for among the last rows only, as the device program does;
// the 20 parameters and the three group rows before them fit in this window.
constexpr int kDspWindow = 25;

// The access a row has at a level: 0 hidden, 1 read only, 2 read and write. The attribute
// bytes compare as signed values.
int AccessAt(int row, int level) {
    if (!IsParamRow(row)) return kHidden;
    switch (level) {
        case 1:
            return RegsAt(row).Access;
        case 2:
            return static_cast<std::int8_t>((TextsAt(row).Attr >> 8) & 0xFFu);
        case 3:
            return static_cast<std::int8_t>(TextsAt(row).Attr & 0xFFu);
        default:
            return kHidden;
    }
}

QString Text(const char* s) { return QString::fromUtf8(s); }

}  // namespace

int RegRow(int mr) {
    for (int row = 0; row < ParamCount; ++row) {
        const ParamReg& r = RegsAt(row);
        // Reg + 1 == mr rather than Reg == mr - 1: mr may be any int, Reg is small.
        if (r.Reg == mr || (r.Reg + 1 == mr && r.Type == kTypeFloat)) return row;
    }
    return kNoRow;
}

int RegType(int mr) {
    const int row = RegRow(mr);
    if (row == kNoRow) return kTypeNone;
    return RegsAt(row).Reg == mr ? RegsAt(row).Type : kTypeFloat;
}

int DspRow(int n) {
    for (int row = ParamCount - kDspWindow; row < ParamCount; ++row) {
        if (RegsAt(row).DspSize != 0 && RegsAt(row).Reg == n) return row;
    }
    return 0;
}

bool ParamVisibleAt(int row, int level) { return AccessAt(row, level) > kHidden; }

bool ParamWritableAt(int row, int level) { return AccessAt(row, level) == kReadWrite; }

QString ParamTitle(int row, int langIndex) {
    if (!IsParamRow(row)) return {};
    return Text(langIndex == 1 ? TextsAt(row).EnName : TextsAt(row).RuName);
}

QString ParamHint(int row, int langIndex) {
    if (!IsParamRow(row)) return {};
    return Text(langIndex == 1 ? TextsAt(row).EnDesc : TextsAt(row).RuDesc);
}

QString ParamName(int row) { return IsParamRow(row) ? Text(RegsAt(row).Name) : QString(); }

int ParamRowByName(std::string_view utf8Name) {
    for (int row = 0; row < ParamCount; ++row) {
        if (utf8Name == RegsAt(row).Name) return row;
    }
    return kNoRow;
}

int ParamRowByName(const QString& name) {
    const QByteArray utf8 = name.toUtf8();
    return ParamRowByName(
        std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

int RowValueId(int row) {
    if (!IsRegisterRow(row)) return -1;
    return RegsAt(row).Type == kTypeFloat ? RegsAt(row).Reg + 1 : RegsAt(row).Reg;
}

int RowRegCount(int row) {
    if (!IsRegisterRow(row)) return 0;
    return RegsAt(row).Type == kTypeFloat ? 2 : 1;
}

}  // namespace tarvix

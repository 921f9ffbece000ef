// The parameter table: the static description of every device parameter (ParamRegs,
// ParamTexts) and the lookups that the rest of the program asks it. Rows 0..433 are group and
// register rows, rows 434..453 the measuring-module (DSP) parameters.
#pragma once

#include <QString>
#include <array>
#include <string_view>

#include "model/param_rows.h"
#include "model/param_types.h"

#ifndef TARVIX_ACCESS_LEVEL
#error "TARVIX_ACCESS_LEVEL comes from the tarvix_model target (CMake option TARVIX_ACCESS_LEVEL)"
#endif

namespace tarvix {

// The access level of this edition: 3 is the user edition; 2 and 1 are service editions
// that also show the hidden parameters and pages. Fixed at build time.
inline constexpr int AccessLevel = TARVIX_ACCESS_LEVEL;
static_assert(AccessLevel >= 1 && AccessLevel <= 3);

extern const std::array<ParamText, ParamCount> ParamTexts;

// "No row" of the row lookups.
inline constexpr int kNoRow = -1;

constexpr bool IsParamRow(int row) { return row >= 0 && row < ParamCount; }

// The first row with DspSize != 0. The rows before it are the complete set of register rows
// (with the group rows among them); the configuration file, the dumps and the lists of the
// service pages stop there.
constexpr int FirstDspRowOf(const std::array<ParamReg, ParamCount>& regs) {
    for (int row = 0; row < ParamCount; ++row) {
        if (regs[static_cast<std::size_t>(row)].DspSize != 0) return row;
    }
    return ParamCount;
}
inline constexpr int FirstDspRow = FirstDspRowOf(ParamRegs);

constexpr bool IsGroupRow(int row) {
    return IsParamRow(row) && ParamRegs[static_cast<std::size_t>(row)].Type == kTypeGroup &&
           ParamRegs[static_cast<std::size_t>(row)].DspSize == 0;
}
// A word or float row: one that owns holding registers.
constexpr bool IsRegisterRow(int row) {
    return IsParamRow(row) && row < FirstDspRow && !IsGroupRow(row);
}
constexpr bool IsDspRow(int row) { return IsParamRow(row) && row >= FirstDspRow; }

// The kind of value register mr holds: kTypeWord, kTypeFloat (both halves of a float),
// kTypeGroup for kNoRegister (1796), kTypeNone for a register no row covers.
int RegType(int mr);

// The row whose value occupies register mr (a float's row for either half), or kNoRow.
int RegRow(int mr);

// The row of measuring-module parameter n, or 0 when there is none (row 0 is a group row,
// so 0 never names a parameter).
int DspRow(int n);

// Visibility and write permission of a row at an access level (1, 2 or 3): level 1 uses the
// row's Access, level 2 byte 1 of Attr, level 3 byte 0. Rows outside the table, and levels
// other than 1..3, are neither visible nor writable.
bool ParamVisibleAt(int row, int level);
bool ParamWritableAt(int row, int level);
inline bool ParamVisible(int row) { return ParamVisibleAt(row, AccessLevel); }
inline bool ParamWritable(int row) { return ParamWritableAt(row, AccessLevel); }

// Title and description in a language (LangIndex: 1 English, anything else Russian). Empty
// for a row outside the table.
QString ParamTitle(int row, int langIndex);
QString ParamHint(int row, int langIndex);

// The row's Name as text (journal lines, lists); empty for a row outside the table.
QString ParamName(int row);

// The first row whose Name equals name exactly, group rows included; kNoRow when none does.
int ParamRowByName(std::string_view utf8Name);
int ParamRowByName(const QString& name);
inline int ParamRowByName(const char* utf8Name) {
    return utf8Name ? ParamRowByName(std::string_view(utf8Name)) : kNoRow;
}

// The register identifier of a row's value: Reg for a word, Reg + 1 (the high half, which
// carries the descriptor) for a float; -1 for group, measuring-module and unknown rows.
int RowValueId(int row);

// Registers a row's value occupies: 1 for a word, 2 for a float, 0 for any other row.
int RowRegCount(int row);

// The dump set: every register of the register rows, a float's two registers both,
// ascending. It is what a configuration or dump file holds and what its checksum covers.
inline constexpr int DumpSetSize = 654;

constexpr std::array<int, DumpSetSize> DumpSetOf(const std::array<ParamReg, ParamCount>& regs) {
    std::array<int, DumpSetSize> set{};
    std::size_t n = 0;
    for (int row = 0; row < FirstDspRowOf(regs); ++row) {
        const ParamReg& r = regs[static_cast<std::size_t>(row)];
        if (r.Type == kTypeGroup) continue;
        const int count = r.Type == kTypeFloat ? 2 : 1;
        for (int k = 0; k < count; ++k) {
            // Indexing past DumpSetSize is not a constant expression: a table that does not
            // give exactly DumpSetSize registers fails to compile.
            set.at(n++) = r.Reg + k;
        }
    }
    if (n != set.size()) throw "the register rows do not give DumpSetSize registers";
    return set;
}
inline constexpr std::array<int, DumpSetSize> DumpSet = DumpSetOf(ParamRegs);

}  // namespace tarvix

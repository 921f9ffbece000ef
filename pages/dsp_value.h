// The measuring-module parameters as the pages hold them (DspValues: 4 raw bytes each) and
// their conversions to and from the text of a control, by the parameter's value code.
#pragma once

#include "pages/value_text.h"

#include <QChar>
#include <QString>

#include <array>
#include <cstdint>

namespace tarvix {

inline constexpr int kDspParams = 20;

// Little-endian; a 2-byte value in bytes 0-1, a date in bytes 0-2 as day, month, year byte.
using DspValue = std::array<std::uint8_t, 4>;
using DspValueArray = std::array<DspValue, kDspParams>;

// The value code and byte count of parameter n (its row's Type and DspSize); -1 and 0 for
// a number without a row.
int DspCode(int n);
int DspSize(int n);

// The value as an integer by its code: u8, s16, u16, s32 (0x80, 0xA0), the date's three
// bytes as day | month << 8 | year << 16; a float's bit pattern for 0xC0.
std::int64_t DspIntValue(int code, const DspValue& raw);

// The display text by code: "NaN" or the picture for a float (the general decimal form when
// the format is empty), "dd.mm.20yy" for a date, the menu or combo text when the descriptor
// has one, else the decimal number.
QString DspValueText(int code, const DspValue& raw, const ValueDescriptor& dc, QChar decimalSep);

struct DspInputResult {
    DspValue Value;
    QString Text;  // what the edit shows afterwards; empty for an index input
};

// Converts what the first modified control of parameter n holds into its 4 bytes: an index
// as a number; an edit by code (float within -100 000 000 .. 100 000 000, u16 within
// 0 .. 65535, s32 within -2 000 000 000 .. 2 000 000 000, a date "dd.mm.yy"; other codes
// give 0). Throws UserError on bad input.
DspInputResult ControlValueToDsp(int n, const ControlInput& input, QChar decimalSep);

}  // namespace tarvix

#include "pages/dsp_value.h"

#include "model/param_table.h"
#include "pages/numeric_picture.h"
#include "pages/value_parse.h"

#include <bit>
#include <cmath>

namespace tarvix {
namespace {

const ParamReg* DspParam(int n) {
    const int row = DspRow(n);
    return row > 0 ? &ParamRegs[static_cast<std::size_t>(row)] : nullptr;
}

std::uint32_t U32(const DspValue& b) {
    return std::uint32_t{b[0]} | (std::uint32_t{b[1]} << 8) | (std::uint32_t{b[2]} << 16) |
           (std::uint32_t{b[3]} << 24);
}

DspValue Bytes(std::uint32_t v) {
    return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
            static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
}

}  // namespace

int DspCode(int n) {
    const ParamReg* p = DspParam(n);
    return p ? p->Type : -1;
}

int DspSize(int n) {
    const ParamReg* p = DspParam(n);
    return p ? p->DspSize : 0;
}

std::int64_t DspIntValue(int code, const DspValue& raw) {
    switch (code) {
        case kDspU8:
            return raw[0];
        case kDspI16:
            return static_cast<std::int16_t>(raw[0] | (raw[1] << 8));
        case kDspU16:
            return raw[0] | (raw[1] << 8);
        case kDspI32:
        case kDspI32Alt:
            return static_cast<std::int32_t>(U32(raw));
        case kDspDate:
            return raw[0] | (raw[1] << 8) | (raw[2] << 16);
        case kDspFloat:
            return U32(raw);
        default:
            return 0;
    }
}

QString DspValueText(int code, const DspValue& raw, const ValueDescriptor& dc, QChar decimalSep) {
    const std::int64_t v = DspIntValue(code, raw);
    if (!dc.Menu.empty()) {
        const QString text =
            v >= 0 && v <= 0xFFFF ? MenuValueText(dc.Menu, static_cast<int>(v)) : QString();
        return text.isNull() ? QString::number(v) : text;
    }
    if (code == kDspFloat) {
        const float f = std::bit_cast<float>(U32(raw));
        if (std::isnan(f)) return QStringLiteral("NaN");
        if (dc.Format.isEmpty()) return GeneralFloatText(f, decimalSep);
        return FormatPicture(f, dc.Format, decimalSep);
    }
    if (code == kDspDate) {
        return QString::asprintf("%02d.%02d.20%02d", raw[0], raw[1], raw[2]);
    }
    if (dc.FirstIsCombo && dc.ComboItemText && v >= 0 && v <= 0xFFFF) {
        const QString text = dc.ComboItemText(static_cast<int>(v));
        if (!text.isNull()) return text;
    }
    return QString::number(v);
}

DspInputResult ControlValueToDsp(int n, const ControlInput& input, QChar decimalSep) {
    const int code = DspCode(n);
    if (const int* index = std::get_if<int>(&input)) {
        const std::uint32_t bits = code == kDspFloat
                                       ? std::bit_cast<std::uint32_t>(static_cast<float>(*index))
                                       : static_cast<std::uint32_t>(*index);
        return {Bytes(bits), QString()};
    }
    const QString& s = std::get<QString>(input);
    switch (code) {
        case kDspFloat: {
            const ParsedFloat p = ParseFloat(s, kEditMin, kEditMax, decimalSep);
            return {Bytes(std::bit_cast<std::uint32_t>(static_cast<float>(p.Value))), p.Text};
        }
        case kDspU16:
            return {Bytes(static_cast<std::uint32_t>(ParseInteger(s, 0, 65535))), s};
        case kDspI32:
            return {Bytes(static_cast<std::uint32_t>(ParseInteger(s, -2000000000, 2000000000))), s};
        case kDspDate: {
            const auto date = ParseDspDate(s);
            return {DspValue{date[0], date[1], date[2], 0}, s};
        }
        default:
            return {DspValue{}, s};
    }
}

}  // namespace tarvix

#include "pages/value_text.h"

#include "model/param_table.h"
#include "model/register_ids.h"
#include "pages/conversion_errors.h"
#include "pages/numeric_picture.h"
#include "pages/value_parse.h"
#include "pages/word_format.h"

#include <cmath>

namespace tarvix {
namespace {

// Floats without a picture of their own: very large and very small magnitudes in scientific
// form, writable parameters with as many decimals as reproduce them, the rest with three.
QString DefaultFloatText(float f, int row, QChar sep) {
    if (std::isnan(f)) return QStringLiteral("NaN");
    if (f >= 10000000.0f || f <= -10000000.0f || (f != 0.0f && f > -0.001f && f < 0.001f)) {
        return FormatPicture(f, u"0.0000e+00", sep);
    }
    if (IsParamRow(row) && ParamRegs[static_cast<std::size_t>(row)].Access == kReadWrite) {
        return FormatPicture(f, FloatFormatFor(f), sep);
    }
    return FormatPicture(f, u"0.000", sep);
}

}  // namespace

bool IsTotaliserSum(int mr) {
    return mr == mrSum1H || mr == mrSum3H || mr == mrSum2H || mr == mrSum4H;
}

int WordValue(const RegisterImage& image, int mr) {
    return IsUserRegister(mr) ? image.ModbusRegs[static_cast<std::size_t>(mr)] : 0;
}

QString ValueText(const RegisterImage& image, int mr, bool total, bool high, bool raw,
                  const ValueDescriptor* dc, QChar decimalSep) {
    const int t = RegType(mr);
    const int row = RegRow(mr);
    const int w = WordValue(image, mr);
    float f = high ? image.ReadFloat(mr) : image.ReadFloat(mr + 1);
    if (total && IsTotaliserSum(mr)) f = image.ReadTotaliser(mr);

    if (!dc) {
        if (t == kTypeFloat) return DefaultFloatText(f, row, decimalSep);
        if (t == kTypeWord) return QString::number(w);
        return QStringLiteral("-----");
    }
    if (!dc->Menu.empty() && !raw) {
        const QString text = MenuValueText(dc->Menu, w);
        return text.isNull() ? QString::number(w) : text;
    }
    if (t == kTypeFloat) {
        if (std::isnan(f)) return QStringLiteral("NaN");
        if (!dc->Format.isEmpty()) return FormatPicture(f, dc->Format, decimalSep);
        return DefaultFloatText(f, row, decimalSep);
    }
    if (!dc->Format.isEmpty()) return FormatWord(dc->Format, w);
    if (dc->ControlCount == 0) return QString::number(w);
    if (dc->FirstIsCombo && !raw && dc->ComboItemText) {
        const QString text = dc->ComboItemText(w);
        if (!text.isNull()) return text;
    }
    return QString::number(w);
}

QString ControlValueToRegister(RegisterImage& image, int mr, const ControlInput& input,
                               const QString& format, QChar decimalSep, WordOverflow overflow) {
    const bool refuse = overflow == WordOverflow::Refuse;
    const int t = RegType(mr);
    double value = 0;
    QString shown;
    if (const int* index = std::get_if<int>(&input)) {
        value = *index;
    } else {
        const QString& s = std::get<QString>(input);
        shown = s;
        if (t == kTypeFloat) {
            const ParsedFloat p = ParseFloat(s, kEditMin, kEditMax, decimalSep);
            value = p.Value;
            shown = p.Text;
        } else if (!format.isEmpty()) {
            const auto v = ScanWord(format, s);
            if (!v) throw NotInFormatError(s, format);
            const std::int64_t min = ScanWordMinimum(format);
            if (refuse && (*v < min || *v > kWordMax)) throw OutOfRangeError(s, min, kWordMax);
            value = static_cast<double>(*v);
        } else {
            value = static_cast<double>(refuse ? ParseInteger(s, kWordMin, kWordMax)
                                               : ParseInteger(s, kEditMin, kEditMax));
        }
    }
    if (t == kTypeFloat) {
        image.StoreFloat(mr, static_cast<float>(value));
    } else if (t == kTypeWord) {
        // The bits of a negative number a signed short format reads back, or the low 16 bits
        // of a number the caller lets overflow.
        const auto bits = static_cast<std::uint32_t>(static_cast<std::int64_t>(value));
        image.Store(mr, static_cast<std::uint16_t>(bits & 0xFFFFu));
    }
    return shown;
}

}  // namespace tarvix

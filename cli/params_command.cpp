#include "params_command.h"

#include <QTextStream>
#include <cstdint>

#include "base/user_error.h"
#include "model/param_table.h"
#include "pages/param_value.h"

namespace tarvix {
namespace {

// A register row's value as get shows it; empty for any other row.
QString ValueField(int row, const RegisterImage& values, QChar decimalSep) {
    const ParamRef p = RefOf(row);
    if (p.Row == kNoRow || p.IsDsp()) return {};
    try {
        return ShowValue(p, values, {}, 0, decimalSep).Text.trimmed();
    } catch (const UserError&) {
        return {};  // a display format that cannot show the value
    }
}

}  // namespace

int RunParamsCommand(QTextStream& out, const RegisterImage* values, QChar decimalSep) {
    const QChar tab = QLatin1Char('\t');
    for (int row = 0; row < ParamCount; ++row) {
        const ParamReg& r = ParamRegs[static_cast<std::size_t>(row)];
        const std::uint32_t attr = ParamTexts[static_cast<std::size_t>(row)].Attr;
        out << row << tab << ParamName(row) << tab << r.DspSize << tab << r.Type << tab << r.Access
            << tab << r.Reg << tab
            << QStringLiteral("0x") +
                   QString::number(attr, 16).toUpper().rightJustified(3, QLatin1Char('0'))
            << tab << ParamTitle(row, 0) << tab << ParamTitle(row, 1);
        if (values) out << tab << ValueField(row, *values, decimalSep);
        out << '\n';
    }
    out.flush();
    return 0;
}

}  // namespace tarvix

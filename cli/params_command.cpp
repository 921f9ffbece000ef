#include "params_command.h"

#include <QTextStream>
#include <cstdint>

#include "model/param_table.h"

namespace tarvix {

int RunParamsCommand(QTextStream& out) {
    const QChar tab = QLatin1Char('\t');
    for (int row = 0; row < ParamCount; ++row) {
        const ParamReg& r = ParamRegs[static_cast<std::size_t>(row)];
        const std::uint32_t attr = ParamTexts[static_cast<std::size_t>(row)].Attr;
        out << row << tab << ParamName(row) << tab << r.DspSize << tab << r.Type << tab << r.Access
            << tab << r.Reg << tab
            << QStringLiteral("0x") +
                   QString::number(attr, 16).toUpper().rightJustified(3, QLatin1Char('0'))
            << tab << ParamTitle(row, 0) << tab << ParamTitle(row, 1) << '\n';
    }
    out.flush();
    return 0;
}

}  // namespace tarvix

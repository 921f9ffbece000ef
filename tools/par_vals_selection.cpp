#include "par_vals_selection.h"

#include "base/date_time.h"
#include "link/modbus_list.h"
#include "model/param_table.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace tarvix {

std::vector<int> ParValsListRows() {
    std::vector<int> rows;
    for (int row = 0; row < FirstDspRow; ++row) {
        if (ParamVisible(row)) rows.push_back(row);
    }
    return rows;
}

bool ParValsSelectable(int row) { return IsRegisterRow(row) && ParamVisible(row); }

ParValsSelection ApplySelection(const std::vector<int>& rows) {
    ParValsSelection s;
    s.fill(kParValsEnd);
    for (std::size_t k = 0; k < rows.size() && k < s.size(); ++k) s[k] = rows[k];
    return s;
}

std::vector<int> SelectedRows(const ParValsSelection& s) {
    std::vector<int> rows;
    for (const std::int32_t row : s) {
        if (row == kParValsEnd) break;
        rows.push_back(row);
    }
    return rows;
}

QStringList ParValsHeader(const QString& timeCaption, const std::vector<int>& rows) {
    QStringList cells{timeCaption};
    for (int k = 0; k < kParValsPlaces; ++k) {
        cells.append(k < static_cast<int>(rows.size())
                         ? ParamName(rows[static_cast<std::size_t>(k)])
                         : QString());
    }
    return cells;
}

double AppendParValsRequests(ModbusList& L, const ParValsSelection& s) {
    for (const int row : SelectedRows(s)) {
        if (!IsRegisterRow(row)) continue;
        const ParamReg& r = ParamRegs[static_cast<std::size_t>(row)];
        L.AppendRead(static_cast<std::uint16_t>(r.Reg),
                     static_cast<std::uint16_t>(RowRegCount(row)));
    }
    L.Flags |= kFlagRegisterPolling;
    return NowStamp();
}

QString ParValsCell(const RegisterImage& image, int row, double cycleStart,
                    const ParValsTextFunction& text) {
    if (!IsRegisterRow(row)) return QString::fromLatin1(kParValsMissing);
    const int reg = ParamRegs[static_cast<std::size_t>(row)].Reg;
    const bool isFloat = RowRegCount(row) == 2;
    for (int r = reg; r < reg + RowRegCount(row); ++r) {
        // A value kept from an earlier cycle is not this cycle's value: a device that fell
        // silent must not look as if it still measured the same.
        if (!(image.RegTime[static_cast<std::size_t>(r)] > cycleStart))
            return QString::fromLatin1(kParValsMissing);
    }
    return isFloat ? text(reg + 1, true) : text(reg, false);
}

bool ParValsNumber(const QString& cell, QChar decimalSep, float* value) {
    QString t = cell.trimmed();
    if (t.isEmpty()) return false;
    if (decimalSep != u'.') t.replace(decimalSep, u'.');
    bool ok = false;
    const double d = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(d)) return false;
    const auto f = static_cast<float>(d);
    if (f == std::numeric_limits<float>::max()) return false;
    *value = f;
    return true;
}

}  // namespace tarvix

#include "pages/point_tables.h"

#include "base/user_error.h"
#include "link/protocol.h"
#include "model/register_ids.h"
#include "pages/conversion_errors.h"
#include "pages/numeric_picture.h"
#include "pages/page_requests.h"
#include "pages/value_parse.h"

#include <algorithm>

namespace tarvix {
namespace {

std::size_t At(int i) { return static_cast<std::size_t>(i); }

constexpr char16_t kPicture[] = u"0.00##";

QString Shown(float value, QChar sep) { return FormatPicture(value, kPicture, sep); }

bool Blank(const QString& cell) { return cell.trimmed().isEmpty(); }

// A cell's number: empty is 0, anything else as the edits read it.
float CellValue(const QString& cell, int min, int max, QChar sep) {
    if (Blank(cell)) return 0.0f;
    return static_cast<float>(ParseFloat(cell, min, max, sep).Value);
}

// The flow of a row for the sort; a cell that is no number sorts last.
double SortKey(const QString& cell, QChar sep) {
    try {
        return CellValue(cell, kFlowFractionMin, kFlowFractionMax, sep);
    } catch (const UserError&) {
        return 2.0;
    }
}

void AppendWord(ModbusList& list, int reg, std::uint16_t value) {
    const int e = list.Append(kFnWriteHolding, static_cast<std::uint16_t>(reg), 1, 0, 1);
    if (e >= 0) list.Values[At(list.Slot[At(e)])] = value;
}

// Stores the float at lowReg (and lowReg + 1) into the image and writes both registers.
void AppendFloat(ModbusList& list, RegisterImage& image, int lowReg, float value) {
    image.StoreFloat(lowReg + 1, value);
    const int e = list.Append(kFnWriteHolding, static_cast<std::uint16_t>(lowReg), 2, 0, 2);
    if (e < 0) return;
    list.Values[At(list.Slot[At(e)])] = image.ModbusRegs[At(lowReg)];
    list.Values[At(list.Slot[At(e)] + 1)] = image.ModbusRegs[At(lowReg + 1)];
}

int PointRegister(int k) { return mrPointInterpolation1 + 2 * k; }
int CorrectionRegister(int k) { return mrDQ_Correction1 + 2 * k; }

}  // namespace

std::optional<QChar> FilterTableKey(QChar typed, QChar decimalSep) {
    if (typed == u'.' || typed == u',') return decimalSep;
    if (typed.isDigit() && typed.unicode() < 0x80) return typed;
    if (typed == u'-' || typed.category() == QChar::Other_Control) return typed;
    return std::nullopt;
}

PointCells PwlCellsOf(const RegisterImage& image, QChar sep) {
    PointCells cells(kPwlPoints);
    for (int k = 0; k < kPwlPoints; ++k) {
        cells[At(k)] = {Shown(image.ReadFloat(PointRegister(k) + 1), sep),
                        Shown(image.ReadFloat(CorrectionRegister(k) + 1), sep)};
    }
    return cells;
}

void CompactPwl(PointCells& cells, QChar sep) {
    const int n = static_cast<int>(cells.size());
    const QString zero = QStringLiteral("0") + sep + QStringLiteral("0");
    int row = 0;
    for (int pass = 0; pass < n && row < n; ++pass) {
        if (!Blank(cells[At(row)][0]) && !Blank(cells[At(row)][1])) {
            ++row;
            continue;
        }
        // The same row is looked at again: the row moved into it may be empty too.
        std::move(cells.begin() + row + 1, cells.end(), cells.begin() + row);
        cells.back() = {zero, zero};
    }
}

bool InsertPwlRow(PointCells& cells, int row) {
    const int n = static_cast<int>(cells.size());
    if (row < 0 || row >= n) return false;
    const QString& lastFlow = cells.back()[0];
    bool free = Blank(lastFlow);
    if (!free) {
        try {
            free = ParseFloat(lastFlow, kFlowFractionMin, kFlowFractionMax, u'.').Value == 0.0;
        } catch (const UserError&) {
            free = false;
        }
    }
    if (!free) return false;
    std::move_backward(cells.begin() + row, cells.end() - 1, cells.end());
    cells[At(row)] = {QString(), QString()};
    return true;
}

PwlCheck CheckPwl(const PointCells& cells, QStringView countText, QChar sep) {
    PwlCheck c;
    try {
        c.Count = static_cast<int>(ParseInteger(countText, 0, kPwlCountMax));
    } catch (const UserError& e) {
        c.Fail = PwlCheck::Failure::Count;
        c.Message = e.message();
        return c;
    }
    const int rows = std::min<int>(kPwlPoints, static_cast<int>(cells.size()));
    for (int k = 0; k < rows; ++k) {
        const bool point = k < c.Count;
        const PointRow& row = cells[At(k)];
        int column = 0;
        try {
            // A point lies strictly inside the range: at 0 or at full flow it corrects nothing.
            const float flow = CellValue(row[0], kFlowFractionMin, kFlowFractionMax, sep);
            if (point && (flow == 0.0f || flow == 1.0f)) throw InvalidValueError(row[0]);
            column = 1;
            const float correction = CellValue(row[1], kCorrectionMin, kCorrectionMax, sep);
            if (point && k > 0 && flow < c.Flow[At(k - 1)]) c.Unsorted = true;
            c.Flow[At(k)] = flow;
            c.Correction[At(k)] = correction;
        } catch (const UserError& e) {
            c.Fail = PwlCheck::Failure::Cell;
            c.Message = e.message();
            c.Row = k;
            c.Column = column;
            return c;
        }
    }
    return c;
}

void SortPwl(PointCells& cells, int count, QChar sep) {
    const int n = std::min<int>(count, static_cast<int>(cells.size()));
    for (int r = 0; r < n; ++r) {
        int smallest = r;
        for (int k = r + 1; k < n; ++k) {
            if (Blank(cells[At(k)][0])) break;
            if (SortKey(cells[At(k)][0], sep) < SortKey(cells[At(smallest)][0], sep)) smallest = k;
        }
        std::swap(cells[At(r)], cells[At(smallest)]);
    }
}

void AppendPwlWrite(ModbusList& list, RegisterImage& image, const PwlCheck& values) {
    // The key of the serial number the device holds, as the page read it.
    const std::uint16_t key = AccessKey(image);
    AppendWord(list, kAccessKeyRegister, 0);
    for (int k = 0; k < kPwlPoints; ++k) {
        AppendFloat(list, image, PointRegister(k), values.Flow[At(k)]);
        AppendFloat(list, image, CorrectionRegister(k), values.Correction[At(k)]);
    }
    image.Store(mrCount_LinearInterpolation, static_cast<std::uint16_t>(values.Count));
    AppendWord(list, mrCount_LinearInterpolation, static_cast<std::uint16_t>(values.Count));
    AppendWord(list, kAccessKeyRegister, key);
}

FluidRegisters RegistersOf(Fluid fluid) {
    if (fluid == Fluid::Target) {
        return {mrTF_ApproximationMethod, mrTF_PWL_Table_t0, mrTF_PWL_Table_d0,
                mrTF_PWLTable_PointsCount};
    }
    return {mrCF_ApproximationMethod, mrCF_PWL_Table_t0, mrCF_PWL_Table_d0,
            mrCF_PWLTable_PointsCount};
}

PointCells DensityCellsOf(const RegisterImage& image, Fluid fluid, QChar sep) {
    const FluidRegisters r = RegistersOf(fluid);
    PointCells cells(kDensityPoints);
    for (int k = 0; k < kDensityPoints; ++k) {
        cells[At(k)] = {Shown(image.ReadFloat(r.FirstT + 2 * k + 1), sep),
                        Shown(image.ReadFloat(r.FirstD + 2 * k + 1), sep)};
    }
    return cells;
}

DensityTable ParseDensityCells(const PointCells& cells, QChar sep) {
    DensityTable t;
    const int rows = std::min<int>(kDensityPoints, static_cast<int>(cells.size()));
    for (int k = 0; k < rows; ++k) {
        t.T[At(k)] = CellValue(cells[At(k)][0], kTemperatureMin, kTemperatureMax, sep);
        t.D[At(k)] = CellValue(cells[At(k)][1], kDensityMin, kDensityMax, sep);
    }
    return t;
}

int ParseDensityCount(QStringView text) {
    return static_cast<int>(ParseInteger(text, kDensityCountMin, kDensityCountMax));
}

void AppendDensityWrite(ModbusList& list, RegisterImage& image, Fluid fluid,
                        const std::optional<DensityTable>& table, int count, int method) {
    const FluidRegisters r = RegistersOf(fluid);
    if (table) {
        for (int k = 0; k < kDensityPoints; ++k) {
            AppendFloat(list, image, r.FirstT + 2 * k, table->T[At(k)]);
            AppendFloat(list, image, r.FirstD + 2 * k, table->D[At(k)]);
        }
    }
    image.Store(r.Count, static_cast<std::uint16_t>(count));
    AppendWord(list, r.Count, static_cast<std::uint16_t>(count));
    image.Store(r.Method, static_cast<std::uint16_t>(method));
    AppendWord(list, r.Method, static_cast<std::uint16_t>(method));
}

}  // namespace tarvix

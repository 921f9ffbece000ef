// The point tables of the configuration pages, without widgets: the piecewise-linear
// correction of the mass flow (up to 8 points of flow fraction and correction, protected
// sensor data) and the density tables of the two components (up to 20 points of temperature
// and density). Their cells as the grids show them, the key filter, compaction and row
// insertion, the checks before a write, and the write lists.
#pragma once

#include "link/modbus_list.h"
#include "model/register_image.h"

#include <QChar>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <vector>

namespace tarvix {

inline constexpr int kPwlPoints = 8;
inline constexpr int kDensityPoints = 20;
// The limits of the values and counts the tables take.
inline constexpr int kPwlCountMax = 8;
inline constexpr int kFlowFractionMin = 0, kFlowFractionMax = 1;
inline constexpr int kCorrectionMin = -1000, kCorrectionMax = 1000;
inline constexpr int kDensityCountMin = 1, kDensityCountMax = 20;
inline constexpr int kTemperatureMin = -273, kTemperatureMax = 1000;
inline constexpr int kDensityMin = 0, kDensityMax = 14203;

// The cells of a table's point rows: [point][0] the flow fraction or temperature, [point][1]
// the correction or density (the number column is not part of them).
using PointRow = std::array<QString, 2>;
using PointCells = std::vector<PointRow>;

// What a character typed into a table cell becomes: either decimal separator is the system's
// one; digits, the separator, "-" and control characters pass; nullopt drops the character.
std::optional<QChar> FilterTableKey(QChar typed, QChar decimalSep);

// --- Flow correction points ---

// Shown values: each point formatted "0.00##".
PointCells PwlCellsOf(const RegisterImage& image, QChar decimalSep);

// Moves the rows below a row with an empty cell up, filling the last row with zeros, until
// the filled rows stand together at the top.
void CompactPwl(PointCells& cells, QChar decimalSep);
// Opens an empty row at `row` (0-based), moving the rows below down; false, with nothing
// changed, when the last row holds a point. A flow of 0 (what compaction leaves, and what a
// read shows for an unused point) is no point: no point lies at 0.
bool InsertPwlRow(PointCells& cells, int row);

// The outcome of checking the correction points before a write.
struct PwlCheck {
    enum class Failure { None, Count, Cell };
    Failure Fail = Failure::None;
    QString Message;  // the parse message of the count or the cell
    int Row = -1;     // the cell that failed (0-based point, column 0 or 1)
    int Column = -1;
    int Count = 0;
    bool Unsorted = false;  // a flow smaller than the one before it (equal ones are fine)
    std::array<float, kPwlPoints> Flow{};
    std::array<float, kPwlPoints> Correction{};
};
// Reads the count (0..8) and every row: points within the count must have a flow inside
// ]0, 1[ and a correction in -1000..1000; the rows beyond it are written too, so they must
// be numbers in the same ranges (0 allowed). An empty cell is 0.
PwlCheck CheckPwl(const PointCells& cells, QStringView countText, QChar decimalSep);
// Sorts the first count rows by flow, ascending, moving each correction with its flow.
void SortPwl(PointCells& cells, int count, QChar decimalSep);

// The write list: 201 := 0, the sixteen values (each also stored into the image), the
// count, 201 := key; executed from its last entry, the device sees the key first and the
// closing 0 last.
void AppendPwlWrite(ModbusList& list, RegisterImage& image, const PwlCheck& values);

// --- Density tables ---

enum class Fluid { Target, Carrier };

struct FluidRegisters {
    int Method;  // 0 polynomial, 1 piecewise linear
    int FirstT;  // low register of t0; t_k at FirstT + 2k
    int FirstD;  // low register of d0
    int Count;   // number of points
};
FluidRegisters RegistersOf(Fluid fluid);

PointCells DensityCellsOf(const RegisterImage& image, Fluid fluid, QChar decimalSep);

struct DensityTable {
    std::array<float, kDensityPoints> T{};
    std::array<float, kDensityPoints> D{};
};
// Reads the 20 rows (temperature -273..1000, density 0..14203; an empty cell is 0). Throws
// UserError with the parse message of the first cell that is none.
DensityTable ParseDensityCells(const PointCells& cells, QChar decimalSep);
// Reads the count edit, 1..20; throws UserError.
int ParseDensityCount(QStringView text);

// The write list of a density table: the table values when given (temperature k, then
// density k, each stored into the image too), the count and the method; executed from its
// last entry: method, count, then the table from its last value back.
void AppendDensityWrite(ModbusList& list, RegisterImage& image, Fluid fluid,
                        const std::optional<DensityTable>& table, int count, int method);

}  // namespace tarvix

// The register polling selection: which parameter rows may be polled, the applied selection
// of up to six rows, the reads one poll cycle makes of them and the text of each value a
// cycle brings (or "-----" for a value that did not arrive in that cycle).
#pragma once

#include "model/register_image.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace tarvix {

struct ModbusList;

inline constexpr int kParValsPlaces = 6;
inline constexpr int kParValsColumns = kParValsPlaces + 1;  // the time, then the values
// A free place of the applied selection.
inline constexpr std::int32_t kParValsEnd = 0x7FFFFFFF;
// The cell of a value that did not arrive.
inline constexpr char kParValsMissing[] = "-----";

using ParValsSelection = std::array<std::int32_t, kParValsPlaces>;

// The rows "Полный набор" lists: every visible register or group row before the measuring-
// module rows, in table order.
std::vector<int> ParValsListRows();
// A row that may be selected: a visible word or float row.
bool ParValsSelectable(int row);
// The applied selection of rows (at most six are taken), free places the end marker.
ParValsSelection ApplySelection(const std::vector<int>& rows);
// The places before the first end marker.
std::vector<int> SelectedRows(const ParValsSelection& s);

// The header row of a block: timeCaption, then the names of the rows, empty for free places.
QStringList ParValsHeader(const QString& timeCaption, const std::vector<int>& rows);

// Appends one read per selected row (one register for a word, two for a float) and marks
// the list as a register polling list. Returns the moment the requests were made (a day
// stamp): values received after it belong to this cycle.
double AppendParValsRequests(ModbusList& L, const ParValsSelection& s);

// The text of a value the device shows for register identifier mr (a float's high register
// with high set), as the pages convert it.
using ParValsTextFunction = std::function<QString(int mr, bool high)>;

// The cell of a selected row after a cycle that started at cycleStart: "-----" when one of
// its registers was not received since then, otherwise its text.
QString ParValsCell(const RegisterImage& image, int row, double cycleStart,
                    const ParValsTextFunction& text);

// The value a cell holds for a chart: false for texts that are no number (menu items,
// "NaN", "-----") and for the largest float, which the device sends for "no value".
bool ParValsNumber(const QString& cell, QChar decimalSep, float* value);

}  // namespace tarvix

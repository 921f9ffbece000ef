// The single-parameter page without its widgets: which rows its list offers, the requests
// that read one parameter and write a typed value into it (with the access-key bracket the
// device wants around its protected registers), and the line that reports the outcome.
#pragma once

#include "link/modbus_list.h"
#include "model/register_image.h"
#include "pages/dsp_value.h"
#include "pages/param_value.h"

#include <QChar>
#include <QString>
#include <QTime>

#include <cstdint>
#include <vector>

namespace tarvix {

// The rows of the page's list at an access level: the visible register rows (their group
// titles too when visible), then every measuring-module group title and visible module row.
std::vector<int> SingleParamRows(int accessLevel);

// A typed value longer than this is no value of any parameter; it is refused unparsed.
inline constexpr int kMaxTypedValue = 64;

// Appends the reads that show p: its own registers (and those that choose its unit's menu,
// as its page would read them), or its measuring-module read.
void AppendParamRead(ModbusList& list, const ParamRef& p);

// What a write changed before it was sent, to be put back when the device refuses it.
struct ParamBackup {
    std::vector<std::uint16_t> Words{};
    DspValue Dsp{};
};

// Converts typed as p's page would and appends the write of p into an empty list, bracketed
// by the access key (CRC of CUR_SN as image holds it before the write) when the device
// protects p. The converted value is stored into image or dspValues; backup receives what they
// held. Throws UserError with the pages' message for text that is no value of p (empty, too
// long, not a number, beyond the range or the menu); then image, dspValues and list are as
// they were.
void AppendParamWrite(ModbusList& list, const ParamRef& p, const QString& typed,
                      RegisterImage& image, DspValueArray& dspValues, int langIndex,
                      QChar decimalSep, ParamBackup& backup);

// Puts back what AppendParamWrite changed (the device refused or never got the write).
void RestoreParam(const ParamRef& p, const ParamBackup& backup, RegisterImage& image,
                  DspValueArray& dspValues);

// "hh:mm:ss --> item : status"; without an item "hh:mm:ss --> status".
QString ParamResultLine(const QTime& at, const QString& item, const QString& status);

}  // namespace tarvix

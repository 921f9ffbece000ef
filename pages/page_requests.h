// The requests that read and write a page: holding-register and measuring-module reads of
// bound controls merged into few ranges, the writes of modified controls with the access-key
// bracket around the protected sensor data, and the fixed reads of the table pages.
// Everything here fills a ModbusList; starting it is the caller's.
#pragma once

#include "link/list_ops.h"
#include "link/modbus_list.h"
#include "link/protocol.h"
#include "model/register_image.h"
#include "pages/catalogue.h"
#include "pages/dsp_value.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <span>

namespace tarvix {

// Writing this register opens the protection of the sensor data (the key) or closes it (0).
inline constexpr int kAccessKeyRegister = 201;

// The read of identifier mr (a float's two registers), unless a read already starts at the
// value's first register.
void AddRead(ModbusList& list, int mr);
// The read of measuring-module parameter n.
void AddDspRead(ModbusList& list, int n);
// The read of whatever the control is bound to; nothing for an unbound control.
void AddReadForControl(ModbusList& list, QStringView control, const Bindings& bindings);

// The reads the poll cycle adds while page is the active one: one per control of its poll
// list (nothing for a page without one).
void AddPollListReads(ModbusList& list, QStringView page, const Bindings& bindings);

// One group box placed directly on a page: the controls placed directly in it, in order.
// Skip is set for a group box whose tag is not 0 (its values come from requests of their
// own).
struct PageGroupBox {
    bool Skip = false;
    QStringList Controls{};
};

// The reads of a page: every control of every group box not skipped, in page order.
void ReadPageRequests(ModbusList& list, std::span<const PageGroupBox> groups,
                      const Bindings& bindings);

// The access key: the CRC-16 of register 1300 (CUR_SN) as the image holds it, low byte first.
std::uint16_t AccessKey(const RegisterImage& image);

// The write of a modified control bound to b. convert puts the control's content into the
// image or the DSP values (ControlToRegister / ControlToDsp) and may throw UserError. A value
// whose first register a write of the list already starts at is not converted again. The
// first protected value of a page write appends the closing write (201 <- 0) in front of it
// and sets keyNeeded; WritePage appends the opening write last, so that the list, executed
// from its last entry, sends the key first.
void AddWriteForControl(ModbusList& list, const Binding& b, bool& keyNeeded,
                        const RegisterImage& image, const DspValueArray& dspValues,
                        const std::function<void()>& convert);

// The measuring-module read of the six ADC codes.
void AddAdcRead(ModbusList& list);
// The readers of the table pages.
void AddPwlRead(ModbusList& list);
void AddTargetFluidRead(ModbusList& list);
void AddCarrierFluidRead(ModbusList& list);

// A control of a page as WritePage sees it, in page order (group boxes placed directly on
// the page, controls placed directly in them).
struct PageControlState {
    QString Name{};
    bool Modified = false;
    bool Visible = true;
};

enum class WritePageResult { Ok = 0, NotReady = 1, Offline = 2, Busy = 3 };

// What WritePage works with; the window supplies the conversions and the marks.
struct PageWriteContext {
    bool WindowReady = false;
    int WorkMode = kModeOffline;
    ModbusList& OpList;
    const Bindings& Binds;
    RegisterImage& Image;  // the conversions store into these; a failed save restores them
    DspValueArray& DspValues;
    // ControlToRegister / ControlToDsp of the control's descriptor; may throw UserError.
    std::function<void(const QString& control, const Binding& b)> Convert;
    std::function<void(const QString& control)> ClearMark;
    std::function<void()> StartOpList;
};

// Writes the modified visible controls of a page into OpList and launches it; the access key
// is that of the serial number in the image before the page's edits are converted (and, when
// start is set, runs StartOpList). Refuses, changing nothing, while the window is not ready,
// offline, or while OpList is busy. All or nothing: the marks are cleared only once every
// control converted; a conversion error propagates with the image, the DSP values and every
// mark as they were before, and OpList empty and not launched. Nothing modified: nothing is
// launched and the result is Ok.
WritePageResult WritePage(const QString& page, std::span<const PageControlState> controls,
                          bool start, PageWriteContext& ctx);

}  // namespace tarvix

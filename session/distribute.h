// Distribution of a finished list on the window thread: received values go into the register
// image by the newest-wins rule and on to the controls, failed entries become journal lines
// with the parameter's name, and the list's flags select what is refreshed afterwards.
#pragma once

#include "link/modbus_list.h"

#include <QByteArray>

#include <array>
#include <cstdint>
#include <functional>

namespace tarvix {

struct Program;

// What distribution triggers in the windows. Every member may be empty: the pages and
// tools that own an effect install it.
struct DistributeHooks {
    // A register of a function-3 read was accepted into the image; fromOp is true for the
    // operation list (input controls are updated too), false for the poll list.
    std::function<void(int mr, bool fromOp)> ValueArrived;
    // Measuring-module parameter n arrived with these value bytes.
    std::function<void(int n, const QByteArray& bytes)> DspValueArrived;
    // The six ADC codes arrived.
    std::function<void(const std::array<std::int32_t, 6>& codes)> AdcCodesArrived;
    // Entry e of L failed (its result is not kResultOk); called after its journal line.
    std::function<void(const ModbusList& L, int e)> EntryFailed;
    // Refreshes after a function-3 list, one call per set flag, in the order
    // 0x0001, 0x0400, 0x0200, 0x0040, 0x0008, 0x0080, 0x0800, 0x1000.
    std::function<void(std::uint16_t flag)> Refresh;
    // A write of the device's own link settings ended with this many failures of len.
    std::function<void(int failed, int len)> LinkSettingsWritten;
    // The signal buffer holds new raw (0x0002) or filtered (0x0004) signals.
    std::function<void(std::uint16_t flag)> SignalsArrived;
    // Whether the connecting dialog is up, and the confirmation of the connection.
    std::function<bool()> ConnectingVisible;
    std::function<void()> ConnectionConfirmed;
};

// Distributes list L (which must be idle). Returns the number of failed entries; a list
// with no entries changes nothing and returns 0.
int DistributeResults(Program& p, ModbusList& L, const DistributeHooks& hooks);

}  // namespace tarvix

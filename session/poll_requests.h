// The reads every poll cycle may carry besides those of the shown page: the transmitter's
// status words and the values its own display shows.
#pragma once

#include "link/modbus_list.h"

namespace tarvix {

// The common notice, the eight message words and the registers the status indication reads
// with them (each at most once in the list).
void AppendStatusRequests(ModbusList& L);

// The main values with their units, the four totaliser assignments, the delay and frequency,
// and the status requests; marks the list for the indicator refresh.
void AppendIndicatorRequests(ModbusList& L);

}  // namespace tarvix

// What the window thread does with the lists around the worker: the time budgets of a run,
// the bounded waits for a list to finish, taking a single result into the register image, and
// merging a list's reads into ranges.
#pragma once

#include "link/com_setup.h"
#include "link/modbus_list.h"
#include "link/thread_com.h"
#include "model/register_image.h"

#include <functional>
#include <stdexcept>

namespace tarvix {

// The budget of an operation list in 50 ms ticks of the operation timer, from the bytes
// its entries move and the answer time-out: ((17 x Len + 2 x a) x CharTime + Len x AnsDelay)
// x 3 / 50, at least 2, where a is the sum of the counts (x 5/2 for a read of file 10).
int OpListBudget(const ModbusList& L, const ComSetup& com);

// The budget of a list run by a timer of the given interval: three times the time its
// entries take on the line, in whole ticks, at least 2.
int TickBudget(const ModbusList& L, const ComSetup& com, int intervalMs);

// The worker has died; the waits raise this with the message for the user.
class WorkerDeadError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Waits for the operation list (at most 70 x 10 ms) or the poll list (150 x 10 ms) to
// finish. True when it did (its Busy is then cleared). False when the time ran out; when
// the worker is dead the wait raises WorkerDeadError instead (onDead runs first, so the
// caller can stop its timers and journal the failure).
bool WaitList(ModbusList& L, int maxSleeps, const WorkerState& state,
              const std::function<void()>& onDead);

// For single-entry operations: the result of entry 0, its values copied with their stamps
// into the image unconditionally. Len 0 gives 16. Clears Busy in every case.
std::uint8_t TakeFirstResult(ModbusList& L, RegisterImage& image);

// Merges the holding-register reads of a list into ranges: registers more than 10 apart
// start a new range, registers between are read too. A list holding anything but reads is
// left as it is, and so is one the merge cannot hold (more than 255 registers or ranges, or
// more registers than the list has slots). A range longer than one answer can carry
// (kMaxReadRegisters) is split.
void CoalesceReads(ModbusList& list);

}  // namespace tarvix

#include "live_quantities.h"

namespace tarvix {

void AppendLiveRequest(ModbusList& L, bool table, bool charts) {
    if (!table && !charts) return;
    if (table) L.Flags |= kFlagLiveValues;
    if (charts) L.Flags |= kFlagCharts;
    constexpr int kCount = mrUnitRefDensity - mrMassFlow + 1;
    L.AppendRead(mrMassFlow, kCount);
}

}  // namespace tarvix

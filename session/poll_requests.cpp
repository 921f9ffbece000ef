#include "poll_requests.h"

#include "link/modbus_rtu.h"
#include "model/register_ids.h"

namespace tarvix {
namespace {

// Ranges by their first and last register, so that the counts follow the register map.
constexpr int Span(int first, int last) { return last - first + 1; }

// The main values (two registers each) with the units of the six display quantities.
constexpr int kMainValuesCount = Span(mrMassFlow, mrUnitRefDensity);
// A totaliser's group from its assignment to its sum (overflow count, sum, and their units).
constexpr int kTotaliserCount = Span(mrSumAssign1, mrSum1H);
// The phase delay and the tube frequency.
constexpr int kDelayFrequencyCount = Span(mrDelay, mrFrequencyH);
// The common notice and the eight message words after it.
constexpr int kNoticeCount = 9;

// Appends a one-register read unless the list already reads that register.
void AddReadOnce(ModbusList& L, int reg) {
    for (int e = 0; e < L.Len; ++e) {
        const auto i = static_cast<std::size_t>(e);
        if (L.Func[i] == kFnReadHolding && L.Start[i] <= reg && reg < L.Start[i] + L.Count[i])
            return;
    }
    L.AppendRead(static_cast<std::uint16_t>(reg), 1);
}

}  // namespace

void AppendStatusRequests(ModbusList& L) {
    L.AppendRead(mrCommonNotice, kNoticeCount);
    for (int r : {mrAllErrLink, mrTimeOutErrLink, mrErr, mrCodeInternalAdc}) AddReadOnce(L, r);
}

void AppendIndicatorRequests(ModbusList& L) {
    L.Flags |= kFlagIndicator;
    L.AppendRead(mrMassFlow, kMainValuesCount);
    for (int assign : {mrSumAssign1, mrSumAssign2, mrSumAssign3, mrSumAssign4})
        L.AppendRead(static_cast<std::uint16_t>(assign), kTotaliserCount);
    L.AppendRead(mrDelay, kDelayFrequencyCount);
    AppendStatusRequests(L);
}

}  // namespace tarvix

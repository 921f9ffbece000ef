#include "value_freshness.h"

namespace tarvix {
namespace {
constexpr double kMsPerDay = 24.0 * 60 * 60 * 1000;
std::size_t At(int r) { return static_cast<std::size_t>(r); }
}  // namespace

double TwoPollIntervals(int pollIntervalMs) { return 2.0 * pollIntervalMs / kMsPerDay; }

void ValueFreshness::ReadFailed(int start, int count, double now) {
    for (int r = start; r < start + count; ++r) {
        if (IsUserRegister(r)) failed_[At(r)] = now;
    }
}

double ValueFreshness::Received(int mr) const {
    return IsUserRegister(mr) ? image_.RegTime[At(mr)] : 0.0;
}

bool ValueFreshness::Stale(int mr, bool polled, double now, int pollIntervalMs) const {
    if (!IsUserRegister(mr)) return false;
    const double received = image_.RegTime[At(mr)];
    // The reception stamp is taken when the answer arrives, the failure when the list is
    // distributed: a failure seen after the last reception is the newer news.
    if (failed_[At(mr)] > received) return true;
    return polled && now - received > TwoPollIntervals(pollIntervalMs);
}

void ValueFreshness::Restart(int got, int lost, double now) {
    got_ = got;
    lost_ = lost;
    lastAnswer_ = now;
    lastFailure_ = 0;
}

void ValueFreshness::Sample(int got, int lost, double now) {
    // Both counters moving in one sample is a device that answers (a single fault among
    // good exchanges): only failures without any success count towards silence.
    if (got != got_) {
        lastAnswer_ = now;
    } else if (lost != lost_) {
        lastFailure_ = now;
    }
    got_ = got;
    lost_ = lost;
}

bool ValueFreshness::Silent(double now, int pollIntervalMs) const {
    return lastFailure_ > lastAnswer_ && now - lastAnswer_ > TwoPollIntervals(pollIntervalMs);
}

}  // namespace tarvix

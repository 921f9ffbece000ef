// How fresh the values the window shows are: a value whose last read failed, or that the poll
// cycle should refresh but was received longer ago than two poll intervals, is stale; and the
// device is silent when exchanges fail and none has succeeded for two poll intervals. No
// widgets: the window asks and greys what is stale.
#pragma once

#include "model/register_image.h"

#include <array>

namespace tarvix {

class ValueFreshness {
  public:
    explicit ValueFreshness(const RegisterImage& image) : image_(image) {}

    // A read of registers start..start+count-1 failed at now.
    void ReadFailed(int start, int count, double now);

    // Whether the value of register mr is stale at now. polled: the poll cycle refreshes it
    // (a value read once on entering its page does not age).
    bool Stale(int mr, bool polled, double now, int pollIntervalMs) const;
    // When the value of mr was received; 0 when it never was.
    double Received(int mr) const;

    // Starts watching the exchange counters afresh (a connection confirmed at now).
    void Restart(int got, int lost, double now);
    // The worker's counters of successful and failed exchanges, sampled at now.
    void Sample(int got, int lost, double now);
    // Exchanges have failed since the last good answer, which is more than two poll
    // intervals old.
    bool Silent(double now, int pollIntervalMs) const;
    double LastAnswer() const { return lastAnswer_; }

  private:
    const RegisterImage& image_;
    std::array<double, kRegCount> failed_{};  // when the last failed read of each was seen
    int got_ = 0;
    int lost_ = 0;
    double lastAnswer_ = 0;
    double lastFailure_ = 0;
};

// Two poll intervals as a span of day stamps.
double TwoPollIntervals(int pollIntervalMs);

}  // namespace tarvix

// When a shown value counts as stale and when the device counts as silent, on a clock the
// test sets: two poll intervals of age for what the poll refreshes, a failed read at once
// for anything, and silence only for failures without a single success.
#include "session/value_freshness.h"

#include <gtest/gtest.h>

namespace tarvix {
namespace {

constexpr double kMs = 1.0 / (24.0 * 60 * 60 * 1000);
constexpr int kInterval = 1000;
constexpr double kT0 = 46000.5;  // some afternoon

TEST(ValueFreshness, StaleByAgeOrFailedRead) {
    struct Case {
        const char* what;
        double receivedAgoMs;  // -1: never received
        double failedAgoMs;    // -1: no failure seen
        bool polled;
        bool stale;
    };
    const Case cases[] = {
        {"polled, one interval old", 1000, -1, true, false},
        {"polled, just two intervals old", 1990, -1, true, false},
        {"polled, beyond two intervals", 2100, -1, true, true},
        {"read once on entry, an hour old", 3600e3, -1, false, false},
        {"read once, its read failed since", 5000, 10, false, true},
        {"polled, failed then received again", 10, 500, true, false},
        {"never received, the read failed", -1, 10, false, true},
        {"never received, never asked", -1, -1, false, false},
    };
    for (const Case& c : cases) {
        RegisterImage image;
        ValueFreshness f(image);
        constexpr int mr = 301;
        if (c.receivedAgoMs >= 0) image.Accept(mr, 7, kT0 - c.receivedAgoMs * kMs);
        if (c.failedAgoMs >= 0) f.ReadFailed(300, 2, kT0 - c.failedAgoMs * kMs);
        EXPECT_EQ(f.Stale(mr, c.polled, kT0, kInterval), c.stale) << c.what;
    }
}

TEST(ValueFreshness, SilentOnlyWhenFailuresFollowTheLastAnswer) {
    RegisterImage image;
    ValueFreshness f(image);
    f.Restart(0, 0, kT0);
    // Answers and a stray failure in the same moment: the device answers.
    f.Sample(5, 1, kT0 + 500 * kMs);
    EXPECT_FALSE(f.Silent(kT0 + 5000 * kMs, kInterval));
    // Only failures from here on: silent once the last answer is two intervals old.
    f.Sample(5, 4, kT0 + 1000 * kMs);
    EXPECT_FALSE(f.Silent(kT0 + 2000 * kMs, kInterval));
    EXPECT_TRUE(f.Silent(kT0 + 2600 * kMs, kInterval));
    EXPECT_DOUBLE_EQ(f.LastAnswer(), kT0 + 500 * kMs);
    // One answer ends it.
    f.Sample(6, 4, kT0 + 3000 * kMs);
    EXPECT_FALSE(f.Silent(kT0 + 3100 * kMs, kInterval));
    // Nothing asked at all (no page polls, no indicator): nothing failed, not silent.
    EXPECT_FALSE(f.Silent(kT0 + 60000 * kMs, kInterval));
}

}  // namespace
}  // namespace tarvix

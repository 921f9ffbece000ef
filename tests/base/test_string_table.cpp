// The numbered string table: every number it defines is found, because the lookup is a
// binary search over a table that must stay sorted as strings are added.
#include "base/string_table.h"

#include <gtest/gtest.h>

namespace tarvix {
namespace {

TEST(StringTable, EveryNumberIsFoundInAscendingOrder) {
    ASSERT_GT(StrCount(), 0);
    for (int i = 0; i < StrCount(); ++i) {
        const int n = StrNumberAt(i);
        if (i > 0) {
            EXPECT_LT(StrNumberAt(i - 1), n) << "unsorted at " << n;
        }
        EXPECT_FALSE(StrSource(n).isEmpty()) << n;
    }
    EXPECT_TRUE(StrSource(-1).isEmpty());
}

}  // namespace
}  // namespace tarvix

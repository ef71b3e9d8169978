#include "lowlib/row_series_reuse.h"

#include <gtest/gtest.h>

namespace brevant {
namespace {

TEST(RowSeriesScope, EachScopeHasItsOwnNumberAndNoneOutside) {
    set_row_series_reuse(true);
    EXPECT_EQ(row_series_epoch(), 0u);
    unsigned long long first = 0;
    {
        const RowSeriesScope a;
        first = row_series_epoch();
        EXPECT_NE(first, 0u);
        {
            // A nested scope is the same series: results kept in the outer one stay valid.
            const RowSeriesScope b;
            EXPECT_EQ(row_series_epoch(), first);
        }
        EXPECT_EQ(row_series_epoch(), first);
    }
    EXPECT_EQ(row_series_epoch(), 0u);
    {
        const RowSeriesScope c;
        // A result kept in an earlier scope is never valid in a later one.
        EXPECT_NE(row_series_epoch(), first);
        EXPECT_NE(row_series_epoch(), 0u);
    }
}

TEST(RowSeriesScope, SwitchedOffNoScopeIsOpen) {
    set_row_series_reuse(false);
    {
        const RowSeriesScope a;
        EXPECT_EQ(row_series_epoch(), 0u);
    }
    set_row_series_reuse(true);
    const RowSeriesScope b;
    EXPECT_NE(row_series_epoch(), 0u);
}

}  // namespace
}  // namespace brevant

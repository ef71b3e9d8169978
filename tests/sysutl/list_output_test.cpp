// List-directed output of reals and whole records, against gfortran's own output (the table is
// generated once by tools/gfortran_list_output.py; the mixed records below were written by
// gfortran for the same item lists).
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>

#include "sysutl/fortran_format.h"

namespace brevant {
namespace {

struct ListRealCase {
    std::uint32_t bits;
    const char* record;
};

constexpr ListRealCase kGfortranListReals[] = {
#include "gfortran_list_real_cases.inc"
};

TEST(ListOutput, OneRealAsGfortranWritesIt) {
    for (const ListRealCase& c : kGfortranListReals) {
        const float v = std::bit_cast<float>(c.bits);
        EXPECT_EQ(list_record({FmtItem(v)}), c.record) << std::hex << c.bits;
        EXPECT_EQ(fmt_list_real(v).size(), 16u) << std::hex << c.bits;
    }
}

TEST(ListOutput, MixedRecordsSeparateItemsAsGfortranDoes) {
    const std::string tab = "\t";
    // write(*,*) enc, t, t, t, nm, t, t  (texts side by side, no separator)
    EXPECT_EQ(list_record({FmtItem("ENCOUNTER"), FmtItem(tab), FmtItem(tab), FmtItem(tab), FmtItem("SURGE   "),
                           FmtItem(tab), FmtItem(tab)}),
              " ENCOUNTER\t\t\tSURGE   \t\t");
    // write(*,*) 8.0, t, 99.8, t, -90.0, t
    EXPECT_EQ(list_record({FmtItem(8.0f), FmtItem(tab), FmtItem(99.8f), FmtItem(tab), FmtItem(-90.0f), FmtItem(tab)}),
              "   8.00000000     \t   99.8000031     \t  -90.0000000     \t");
    // write(*,*) t, 8.0
    EXPECT_EQ(list_record({FmtItem(tab), FmtItem(8.0f)}), " \t   8.00000000    ");
    // write(*,*) 8.0, -90.0
    EXPECT_EQ(list_record({FmtItem(8.0f), FmtItem(-90.0f)}), "   8.00000000      -90.0000000    ");
}

}  // namespace
}  // namespace brevant

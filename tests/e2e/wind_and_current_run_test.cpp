// Whole-program runs through the wind page (9) and the current page (10) with its profile table:
// the values typed there reach the saved data file word for word. (The stand-ins these pages
// replace took an item number as a selection and moved on, so none of these words was written.)
#include <gtest/gtest.h>

#include <string>

#include "e2e_support.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

WordFile saved_case(const std::string& answers, std::string* out = nullptr) {
    const ProgramResult r = run_brevant(answers);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT"}));
    if (out != nullptr) *out = r.out;
    return WordFile("BREVDAT");
}

TEST(WindAndCurrentRun, WindTypedOnPageNineIsSaved) {
    testing::ScratchDir dir;
    std::string out;
    // Wind switched on, Return to page 9: speed, heading, then the A.P.I. spectrum and its parameter.
    const WordFile f = saved_case("C\nJ8\n1\n\n1\n35\n2\n225\n3\n4\n0.03\nL\n1\n", &out);
    EXPECT_EQ(f.integer(175), 1);        // LWIND
    EXPECT_EQ(f.real(455), 35.0f);       // WNDSPD
    EXPECT_EQ(f.real(454), 225.0f);      // WNDHDG
    EXPECT_EQ(f.integer(165), 4);        // WNDTYP
    EXPECT_EQ(f.real(460), 0.03f);       // APIPRM
    EXPECT_NE(out.find("  1) Wind speed .................................      35.00 knots\n"), std::string::npos);
    EXPECT_NE(out.find("    A.P.I. wind spectrum parameter .............        .03000\n"), std::string::npos);
}

TEST(WindAndCurrentRun, CurrentWithItsSpectrumAndProfileIsSaved) {
    testing::ScratchDir dir;
    std::string out;
    // Depth 200 on page 1; current on; page 9 is skipped (no wind). On page 10: the speed, the
    // band-limited spectrum with its fraction, then the legacy profile, whose table opens at once
    // on the two rows a new case holds; both rows typed, Return leaves the table.
    const WordFile f = saved_case(
        "C\n4\n200\nJ8\n11\n\n1\n1.5\n6\n4\n0.08\n3\n3\n1\n25,1.2\n200,0.4\n\nL\n1\n", &out);
    EXPECT_EQ(f.real(446), 200.0f);      // DEPTH
    EXPECT_EQ(f.integer(176), 1);        // LCURNT
    EXPECT_EQ(f.real(458), 1.5f);        // CURSPD
    EXPECT_EQ(f.integer(166), 3);        // CURTYP
    EXPECT_EQ(f.real(484), 0.08f);       // RMS_CRNT
    EXPECT_NEAR(f.real(459), 0.3260334, 0.3260334 * 1e-6);  // CURDEN = (1.5 x 0.08)^2 x 2.846 / 0.1257
    EXPECT_EQ(f.integer(177), 2);        // LCSTCR, the legacy table
    EXPECT_EQ(f.integer(178), 2);        // NCURNT
    EXPECT_EQ(f.real(462), 25.0f);       // DPTHI(1)
    EXPECT_EQ(f.real(463), 200.0f);      // DPTHI(2)
    EXPECT_EQ(f.real(467), 1.2f);        // VELI(1)
    EXPECT_EQ(f.real(468), 0.4f);        // VELI(2)
    EXPECT_EQ(count_of(out, "Page 9:"), 0u);
    EXPECT_NE(out.find("     Current speed spectral density ............. 0.326E+00 feet^2/sec       \n"),
              std::string::npos);
    EXPECT_NE(out.find("  2)       200.00         .40\n"), std::string::npos);
}

}  // namespace
}  // namespace brevant::e2e

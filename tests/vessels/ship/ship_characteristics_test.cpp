// SHPCHR on exact boxes: the box identities (KMT = T/2 + B^2/(12 T), KML = T/2 + L^2/(12 T), the
// box's own centre of gravity), the water-plane fill-in and its warning, the beam warning, the two
// fatal failures, and the natural-period loop with periods given, on a one-period grid and on a
// grid where it cannot settle.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <sstream>
#include <string>

#include "e2e/e2e_support.h"
#include "numeric/grid_point.h"
#include "sysutl/program_end.h"
#include "vessels/hull_table.h"
#include "vessels/ship/ship_box_fixture.h"
#include "vessels/ship/ship_characteristics.h"
#include "vessels/ship/ship_hull.h"

namespace brevant {
namespace {

using e2e::count_of;

class ShipCharacteristics : public testing::ShipBoxTest {
protected:
    // Runs SHPCHR and returns the exit status when it ends the program, -1 when it returns.
    static int run_shpchr() {
        try {
            SHPCHR();
        } catch (const ProgramEnd& e) {
            return e.status;
        }
        return -1;
    }
    // Records of the natural-period loop's debug line of grid indices ((1X,3I5)): one per pass.
    static int index_lines(const std::string& text) {
        static const std::regex line("^ [ 0-9]{4}[0-9][ 0-9]{4}[0-9][ 0-9]{4}[0-9]$");
        std::istringstream in(text);
        std::string s;
        int n = 0;
        while (std::getline(in, s))
            if (std::regex_match(s, line)) ++n;
        return n;
    }
};

TEST_F(ShipCharacteristics, ExactBoxesComeBack) {
    struct Case {
        float L, B, T;
    };
    const Case cases[] = {{100.0f, 20.0f, 5.0f}, {600.0f, 100.0f, 35.0f}, {80.0f, 40.0f, 2.0f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.L);
        reset_himem();
        set_grid({4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25}, 1000.0f);
        set_box(c.L, c.B, c.T);
        TPCM.VKG = c.T;
        TPCM.AWP = 0.0f;
        ASSERT_EQ(run_shpchr(), -1);
        EXPECT_NEAR(HIMEM.EDRAFT, c.T, 1e-3f * c.T);
        EXPECT_NEAR(HIMEM.BEAM, c.B, 1e-3f * c.B);
        EXPECT_NEAR(HIMEM.SHIPL, c.L, 1e-3f * c.L);
        EXPECT_EQ(WAVCOM.DRAFTQ, HIMEM.EDRAFT);
        EXPECT_EQ(WAVCOM.BEAMQ, HIMEM.BEAM);
        EXPECT_EQ(WAVCOM.SHPLNQ, HIMEM.SHIPL);
        EXPECT_FLOAT_EQ(HIMEM.DELTA, c.L * c.B * c.T);
        // The box that matches GMT has the ship's centre of gravity.
        EXPECT_NEAR(HIMEM.EVKG, TPCM.VKG, 1e-3f);
        EXPECT_NEAR(HIMEM.WPMT / HIMEM.DELTA, TPCM.VKMT - c.T / 2.0f, 1e-3f * TPCM.VKMT);
        EXPECT_FLOAT_EQ(HIMEM.GMT, TPCM.VKMT - TPCM.VKG);
        EXPECT_FLOAT_EQ(HIMEM.GML, TPCM.VKML - TPCM.VKG);
        EXPECT_EQ(HIMEM.SHIPL2, HIMEM.SHIPL / 2.0f);
        EXPECT_EQ(HIMEM.XSCALE, HIMEM.SHIPL2);
        EXPECT_EQ(HIMEM.YSCALE, HIMEM.BEAM2);
        EXPECT_EQ(TPCM.AWP, HIMEM.SHIPL * HIMEM.BEAM);
        EXPECT_EQ(HIMEM.HC, 32.152f * TPCM.AWP);
        EXPECT_EQ(HIMEM.EPS, 0.001f);
    }
    EXPECT_EQ(screen(), "");
}

TEST_F(ShipCharacteristics, TheFirstBoxInDetail) {
    ASSERT_EQ(run_shpchr(), -1);
    EXPECT_NEAR(HIMEM.EDRAFT, 5.0f, 5e-3f);
    EXPECT_NEAR(HIMEM.BEAM, 20.0f, 0.02f);
    EXPECT_NEAR(HIMEM.SHIPL, 100.0f, 0.1f);
    EXPECT_NEAR(HIMEM.GMT, 4.1666667f, 1e-5f);
    EXPECT_NEAR(HIMEM.GML, 164.16667f, 1e-3f);
    // Restoring terms per unit water density.
    EXPECT_FLOAT_EQ(HIMEM.RRMT, 32.152f * HIMEM.GMT * 10000.0f);
    EXPECT_FLOAT_EQ(HIMEM.PRMT, 32.152f * HIMEM.GML * 10000.0f);
    // Zero- and high-frequency added masses keep their ratios, and the natural periods land on the
    // grid point nearest to them.
    EXPECT_FLOAT_EQ(HIMEM.HMSRAT, HIMEM.HMASHI / HIMEM.HMAS0);
    for (auto [w, j] : {std::pair{HIMEM.WP, HIMEM.JP}, {HIMEM.WH, HIMEM.JH}, {HIMEM.WR, HIMEM.JR}}) {
        Int nearest = 0;
        GRIDPT(w, nearest);
        EXPECT_EQ(j, nearest);
    }
    EXPECT_EQ(screen(), "");
}

TEST_F(ShipCharacteristics, GivenPeriodsSettleInTheSecondPass) {
    TPCM.LPTPRD = 1;
    TPCM.LHVPRD = 1;
    TPCM.LRLPRD = 1;
    TPCM.PITPRD = 10.0f;
    TPCM.HEVPRD = 12.0f;
    TPCM.ROLPRD = 15.0f;
    TPCM.NBUG = 1;
    ASSERT_EQ(run_shpchr(), -1);
    EXPECT_EQ(HIMEM.WP, 6.2831855f / 10.0f);
    EXPECT_EQ(HIMEM.WH, 6.2831855f / 12.0f);
    EXPECT_EQ(HIMEM.WR, 6.2831855f / 15.0f);
    EXPECT_EQ(HIMEM.JP, 7);
    EXPECT_EQ(HIMEM.JH, 9);
    EXPECT_EQ(HIMEM.JR, 12);
    EXPECT_EQ(index_lines(screen()), 2);
    // The inertias are those of the given periods' grid points.
    const float k12 = HIMEM.RLDUM(HIMEM.LCNWK + 12 - 1);
    EXPECT_FLOAT_EQ(HIMEM.RMAS1, HIMEM.RMAS0 * (1.0f + (0.624f + 1.26f * k12 * HIMEM.BEAM2) *
                                                            std::exp(-0.9f * k12 * HIMEM.BEAM2)) /
                                     1.624f);
    EXPECT_EQ(HIMEM.ROLI, HIMEM.ROL1 + HIMEM.RMAS1);
}

TEST_F(ShipCharacteristics, OnePeriodGridEndsAfterOnePass) {
    set_grid({10.0f}, 1000.0f);
    TPCM.NBUG = 1;
    ASSERT_EQ(run_shpchr(), -1);
    EXPECT_EQ(HIMEM.JP, 1);
    EXPECT_EQ(HIMEM.JH, 1);
    EXPECT_EQ(HIMEM.JR, 1);
    EXPECT_EQ(index_lines(screen()), 1);
}

// Heave period 3.88 s with the high-frequency added mass and 5.34 s with the zero-frequency one: a
// grid whose wave numbers send the heave index from 3.9 s to 5.3 s and back never settles.
TEST_F(ShipCharacteristics, UnsettledPeriodsEndTheRunAfter31Passes) {
    std::vector<float> periods;
    for (int i = 0; i < 18; ++i) periods.push_back(static_cast<float>(38 + i) / 10.0f);
    set_grid(periods, 1000.0f);
    for (int j = 1; j <= 18; ++j) set_grid_point(j, 6.2831855f / periods[j - 1], j == 2 ? 0.0f : 10.0f);
    TPCM.NBUG = 1;
    TPCM.EDUNIT = SILENT_UNIT;
    EXPECT_EQ(run_shpchr(), 1);
    EXPECT_EQ(index_lines(silent()), 31);
    EXPECT_NE(silent().find(" ++> Failure in natural period loop; change wave period grid and retry.\n"),
              std::string::npos);
}

TEST_F(ShipCharacteristics, UnreachableDisplacementFailsWithIndex2) {
    TPCM.VKMT = 10.0f;
    TPCM.VKML = 100.0f;
    TPCM.DISPL = 10000.0f;
    TPCM.EDUNIT = SILENT_UNIT;
    EXPECT_EQ(run_shpchr(), 1);
    EXPECT_EQ(silent(),
              " ++> Equivalent box determination failure;\n"
              "     recheck vessel hydrostatics (especially KML, KMT) and retry\n"
              "     Error Index =     2\n");
}

TEST_F(ShipCharacteristics, SuspiciousBoxLinesOncePerRunQuestionEveryCall) {
    TPCM.AWP = 1000.0f;
    TPCM.EDUNIT = SILENT_UNIT;
    ASSERT_EQ(run_shpchr(), -1);
    ASSERT_EQ(run_shpchr(), -1);
    EXPECT_EQ(silent(), " ++> Suspicious equivalent box\n --> Re-check input data and retry or proceed at risk...\n");
    EXPECT_EQ(TPCM.AWP, 1000.0f);
    EXPECT_EQ(HIMEM.HC, 32.152f * 1000.0f);

    // At the keyboard the question comes on every call; the report file gets the lines as well.
    reset_ship_characteristics();
    clear_captured(SILENT_UNIT);
    TPCM.EDUNIT = SCREEN_UNIT;
    TPCM.NEGSUM = 0;
    TPCM.IUNIT = 1;
    capture_unit(1);
    answers("\n\n");
    ASSERT_EQ(run_shpchr(), -1);
    ASSERT_EQ(run_shpchr(), -1);
    EXPECT_EQ(count_of(screen(), " ++> Suspicious equivalent box\n"), 1u);
    EXPECT_EQ(count_of(screen(), "Enter \"A\" to abort"), 2u);
    EXPECT_EQ(captured(1), " ++> Suspicious equivalent box\n --> Re-check input data and retry or proceed at risk...\n");
}

TEST_F(ShipCharacteristics, AnsweringAEndsTheRun) {
    TPCM.AWP = 1000.0f;
    answers("A\n");
    EXPECT_EQ(run_shpchr(), 1);
    // A box wider than long: the beam warning, then the same question.
    reset_ship_characteristics();
    clear_captured(SCREEN_UNIT);
    set_box(20.0f, 40.0f, 5.0f);
    TPCM.AWP = 0.0f;
    answers("\n");
    ASSERT_EQ(run_shpchr(), -1);
    EXPECT_NE(screen().find(" ++> Warning: equivalent box beam exceeds length;\n"
                            " --> Pitch/roll damping estimates may be compromised.\n"),
              std::string::npos);
    EXPECT_NEAR(HIMEM.BEAM, 40.0f, 0.04f);
    answers("a\n");
    EXPECT_EQ(run_shpchr(), 1);
}

TEST_F(ShipCharacteristics, TheDispatchReachesTheRealShip) {
    install_hull_table(real_hull_table());
    TPCM.VESTYP = 1;
    hull_characteristics();
    EXPECT_NEAR(HIMEM.BEAM, 20.0f, 0.02f);
    clear_hull_table();
}

}  // namespace
}  // namespace brevant

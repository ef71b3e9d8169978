// SEMCHR against the closed-form hydrostatics of two vertical columns (parallel-axis theorem for
// the waterplane, added mass equal to the displaced volume in surge and sway), the once-per-run
// messages and their questions, the member table rules of inclined, horizontal and axis-aligned
// members, and DIMADJ.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "e2e/e2e_support.h"
#include "vessels/semi/semi_hull_fixture.h"

namespace brevant {
namespace {

using e2e::count_of;
using testing::TwinColumnTest;

using SemiCharacteristics = TwinColumnTest;

void expect_rel(double actual, double expected, double tol, const char* what) {
    EXPECT_NEAR(actual, expected, tol * std::fabs(expected)) << what;
}

TEST_F(SemiCharacteristics, TwinColumnsMatchTheClosedForms) {
    ASSERT_EQ(run_semchr(), -1);
    const double V = 2.0 * kArea * kDraft;
    expect_rel(TPCM.VOLEST, V, 1e-6, "VOLEST");
    expect_rel(TPCM.VOLEST, 2513.274, 1e-6, "VOLEST");
    expect_rel(TPCM.VCBEST, kDraft / 2.0, 1e-6, "VCBEST");
    expect_rel(TPCM.AWPEST, 2.0 * kArea, 1e-6, "AWPEST");
    // KM - KB: r^2/(4T) of each circle about its own centre, plus y^2/T transversely.
    const double bmt = kRadius * kRadius / (4.0 * kDraft) + kOffset * kOffset / kDraft;
    const double bml = kRadius * kRadius / (4.0 * kDraft);
    expect_rel(TPCM.GMTEST + TPCM.VKG - TPCM.VCBEST, bmt, 1e-5, "KMT - KB");
    expect_rel(bmt, 16.16, 1e-9, "KMT - KB");
    expect_rel(TPCM.GMLEST + TPCM.VKG - TPCM.VCBEST, bml, 1e-4, "KML - KB");
    EXPECT_EQ(TPCM.XCBEST, 0.0f);
    EXPECT_EQ(TPCM.YCBEST, 0.0f);
    EXPECT_EQ(TPCM.XWPCTR, 0.0f);
    EXPECT_EQ(TPCM.YWPCTR, 0.0f);

    EXPECT_EQ(SIMCOM.NPIERCE, 2);
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(SIMCOM.LPIERCE(i), 1);
        expect_rel(SIMCOM.CYLLEN(i), 1.001 * kDraft, 1e-6, "CYLLEN");
        EXPECT_FLOAT_EQ(SIMCOM.DIRVEC(3, i), 1.0f);
        EXPECT_FLOAT_EQ(SIMCOM.CYLCG(3, i), 12.5f);
        // Circle: I = A r^2/4 about any diameter.
        EXPECT_FLOAT_EQ(SIMCOM.MRWPG2(i), 4.0f);
        EXPECT_FLOAT_EQ(SIMCOM.MPWPG2(i), 4.0f);
    }

    // Added mass V in surge and sway; the centres of rotation lie between G (mass V at 8) and the
    // added mass (V at 12.5).
    const double delta = 2576.106 * 1000.0 / 1025.0;
    expect_rel(HIMEM.DELTA, delta, 1e-6, "DELTA");
    expect_rel(HIMEM.CSG, V / delta, 1e-5, "CSG");
    expect_rel(HIMEM.CSG, 1.0, 1e-5, "CSG");
    const double centre = (8.0 + 12.5 * V / delta) / (1.0 + V / delta);
    expect_rel(HIMEM.VTCRP, centre, 1e-5, "VTCRP");
    expect_rel(HIMEM.VTCRR, centre, 1e-5, "VTCRR");
    expect_rel(HIMEM.VTCRP, 10.25, 1e-5, "VTCRP");
    EXPECT_EQ(PASCOM.VTCRPS, HIMEM.VTCRP);
    EXPECT_EQ(PASCOM.VTCRRS, HIMEM.VTCRR);
    expect_rel(PASCOM.CMSRG, 2.0, 1e-5, "CMSRG");
    // No heave added mass: w_h = sqrt(g AWP / V) = sqrt(g / T).
    expect_rel(HIMEM.WH, std::sqrt(9.8 / kDraft), 1e-5, "WH");
    expect_rel(HIMEM.WH, 0.6260990, 1e-5, "WH");
    // Pitch inertia about the centre: body mass at 8 and added mass at 12.5, both V, plus the gyradius.
    const double ptchi = delta * (20.0 * 20.0 + (centre - 8.0) * (centre - 8.0)) + V * (centre - 12.5) * (centre - 12.5);
    expect_rel(HIMEM.PTCHI, ptchi, 1e-4, "PTCHI");
    expect_rel(HIMEM.WP, std::sqrt(9.8 * (12.66 - 8.0) * delta / ptchi), 1e-4, "WP");
    // Grid index: the period nearest 2 pi / WH = 10.04 s is 10 s, the sixth of 5, 6, ...
    EXPECT_EQ(HIMEM.JH, 6);
    // Waterline widths: each column 8 wide both ways.
    EXPECT_FLOAT_EQ(PASCOM.MENWLX, 8.0f);
    EXPECT_FLOAT_EQ(PASCOM.MENWLY, 8.0f);
    // The inputs agree with the estimates: nothing written, nothing asked.
    EXPECT_EQ(screen(), "");
}

TEST_F(SemiCharacteristics, DiscrepanciesAreReportedOnceOnTheFirstCall) {
    TPCM.VKB = 13.0f;
    TPCM.DISPL = 2833.7f;
    answers("\n");
    ASSERT_EQ(run_semchr(), -1);
    const std::string expected = std::string("\n") + " ++> WARNING <++\n\n" +
                                 " Possible discrepancy in vessel vertical center of buoyancy:\n" +
                                 " (Input value, simulation estimated value) = ( 1.3000E+01, 1.2500E+01)\n\n" +
                                 " Possible discrepancy in vessel displacement:\n" +
                                 " (Input value, simulation estimated value) = ( 2.8337E+03, 2.5761E+03)\n\n";
    EXPECT_EQ(screen().substr(0, expected.size()), expected);
    EXPECT_EQ(count_of(screen(), "to abort or Press <RETURN> to continue: "), 1u);
    // A second call checks nothing (and reads nothing: there is no answer left).
    const std::string before = screen();
    ASSERT_EQ(run_semchr(), -1);
    EXPECT_EQ(screen(), before);
}

// "A" ends the run unfinished: no success (status 1), as on the ship's question.
TEST_F(SemiCharacteristics, AbortAnswerEndsTheRunUnfinished) {
    TPCM.VKB = 13.0f;
    answers("A\n");
    EXPECT_EQ(run_semchr(), 1);
}

TEST_F(SemiCharacteristics, NowarnSpendsTheCheckSilently) {
    TPCM.VKB = 13.0f;
    TPCM.NOWARN = 1;
    ASSERT_EQ(run_semchr(), -1);
    TPCM.NOWARN = 0;
    ASSERT_EQ(run_semchr(), -1);
    EXPECT_EQ(screen(), "");
}

TEST_F(SemiCharacteristics, NoPiercingMemberWarnsOnceByHullType) {
    // Columns wholly below the waterline: draft 50 against tops at 40.
    struct Case {
        int simtyp;
        int unit;
        int status;  // -1: SEMCHR returns
        const char* first_line;
    };
    const Case cases[] = {
        {16, SCREEN_UNIT, -1, " ++> Warning: No member crosses the waterline.\n"},
        {16, SILENT_UNIT, -1, " ++> Warning: No member crosses the waterline.\n"},
        {14, SCREEN_UNIT, -1, " ++> Warning: No member crosses the waterline. Quasi-static pulldown may\n"},
        {17, SILENT_UNIT, 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.simtyp);
        SetUp();
        TPCM.SIMTYP = c.simtyp;
        TPCM.EDUNIT = c.unit;
        TPCM.DRAFT = 50.0f;
        TPCM.NOWARN = 1;
        answers("\n");
        EXPECT_EQ(run_semchr(), c.status);
        const std::string text = c.unit == SCREEN_UNIT ? screen() : silent();
        if (c.status == -1) {
            EXPECT_EQ(SIMCOM.NPIERCE, 0);
            EXPECT_EQ(SIMCOM.LPIERCE(1), 0);
            EXPECT_EQ(SIMCOM.MRWPG2(1), 0.0f);
            EXPECT_EQ(count_of(text, c.first_line), 1u);
            EXPECT_EQ(text.substr(0, 1), "\n");
            if (c.simtyp == 14) {
                EXPECT_NE(text.find("     have completely submerged all water-piercing members; you should\n"
                                    "     increase their lengths to prevent this.\n"),
                          std::string::npos);
            }
            // Once per run.
            const std::string before = text;
            ASSERT_EQ(run_semchr(), -1);
            EXPECT_EQ(c.unit == SCREEN_UNIT ? screen() : silent(), before);
        }
    }
}

TEST_F(SemiCharacteristics, WaterlineSumNoticeComparesWidthsAcrossXWithLwlAndAcrossYWithBwl) {
    struct Case {
        float lwl, bwl;
        bool notice;
    };
    // Both columns are 8 wide across x and across y: the sums are 16 and 16.
    const Case cases[] = {{16.0f, 16.0f, false}, {13.5f, 19.0f, false}, {12.0f, 16.0f, true},
                          {16.0f, 21.0f, true},  {32.0f, 16.0f, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lwl);
        SetUp();
        TPCM.LWL = c.lwl;
        TPCM.BWL = c.bwl;
        TPCM.NOWARN = 1;
        answers("\n");
        ASSERT_EQ(run_semchr(), -1);
        EXPECT_EQ(count_of(screen(), "\n ++> Notice: Summed water-piercing member waterlines differ from LWL, BWL...\n\n"),
                  c.notice ? 1u : 0u);
        ASSERT_EQ(run_semchr(), -1);
        EXPECT_LE(count_of(screen(), " ++> Notice"), 1u);
    }
}

TEST_F(SemiCharacteristics, HullWithNoWetMemberHasNoEstimatesAndNoCheck) {
    TPCM.DRAFT = -1.0f;  // both columns above the water
    answers("\n");       // the no-piercing question
    ASSERT_EQ(run_semchr(), -1);
    EXPECT_EQ(TPCM.VOLEST, 0.0f);
    for (float v : {TPCM.VCBEST, TPCM.GMTEST, TPCM.GMLEST, TPCM.XCBEST, TPCM.YCBEST, HIMEM.VTCRP, HIMEM.PTCHI})
        EXPECT_TRUE(std::isfinite(v));
    EXPECT_EQ(screen().find("WARNING <++"), std::string::npos);
    EXPECT_EQ(SIMCOM.CYLLEN(1), 0.0f);
}

TEST_F(SemiCharacteristics, DryMemberKeepsItsEntries) {
    TPCM.NOWARN = 1;
    ASSERT_EQ(run_semchr(), -1);
    const float cyllen = SIMCOM.CYLLEN(2);
    // Member 2 raised above the water: its entries stay, it adds nothing.
    TPCM.RCYLB(3, 2) = 30.0f;
    TPCM.RCYLT(3, 2) = 70.0f;
    answers("\n");  // one column is half of BWL: the waterline notice
    ASSERT_EQ(run_semchr(), -1);
    EXPECT_EQ(SIMCOM.CYLLEN(2), cyllen);
    EXPECT_EQ(SIMCOM.NPIERCE, 1);
    EXPECT_NEAR(TPCM.VOLEST, kArea * kDraft, 1e-3);
}

TEST_F(SemiCharacteristics, UnknownProfileTakesTheRectangularCoefficient) {
    TPCM.NOWARN = 1;
    // Member 1 elliptic (1/16), member 2 with an unknown code: not member 1's coefficient but 1/12.
    TPCM.NCYLTP(2) = 7;
    ASSERT_EQ(run_semchr(), -1);
    EXPECT_FLOAT_EQ(SIMCOM.MRWPG2(1), 64.0f / 16.0f);
    EXPECT_FLOAT_EQ(SIMCOM.MRWPG2(2), 64.0f / 12.0f);
    TPCM.NCYLTP(2) = 2;
    ASSERT_EQ(run_semchr(), -1);
    EXPECT_FLOAT_EQ(SIMCOM.MRWPG2(2), 64.0f * 0.0714f);
}

TEST_F(SemiCharacteristics, MemberCountBeyondTheTablesStopsAtFifty) {
    TPCM.NOWARN = 1;
    TPCM.NCYL = 1000;
    // Members 3 .. 50 are of no length at the origin; only the last slot holds a third column.
    set_member(50, {30.0f, 0.0f, 0.0f}, {30.0f, 0.0f, 40.0f});
    answers("\n");  // three columns are wider than LWL and BWL: the waterline notice
    ASSERT_EQ(run_semchr(), -1);
    EXPECT_EQ(SIMCOM.NPIERCE, 3);
    EXPECT_EQ(SIMCOM.LPIERCE(50), 1);
    EXPECT_NEAR(TPCM.VOLEST, 3.0 * kArea * kDraft, 1e-2);
    EXPECT_TRUE(std::isfinite(HIMEM.WP));
}

TEST_F(SemiCharacteristics, UserPeriodReplacesTheRestoringTerm) {
    TPCM.NOWARN = 1;
    TPCM.LPTPRD = 1;
    TPCM.PITPRD = 20.0f;
    ASSERT_EQ(run_semchr(), -1);
    EXPECT_NEAR(HIMEM.WP, 0.31416, 1e-5);
    EXPECT_FLOAT_EQ(HIMEM.PRMT, HIMEM.WP * HIMEM.WP * HIMEM.PTCHI);
    EXPECT_EQ(HIMEM.JP, 16);  // 20 s
    // A computed period with no restoring moment: frequency 0, index NWP.
    TPCM.LPTPRD = 0;
    TPCM.VKML = 5.0f;  // GML negative
    ASSERT_EQ(run_semchr(), -1);
    EXPECT_EQ(HIMEM.WP, 0.0f);
    EXPECT_EQ(HIMEM.JP, TPCM.NWP);
}

TEST_F(SemiCharacteristics, TlpSetDownAndTendonTerms) {
    TPCM.SIMTYP = 14;
    TPCM.NOWARN = 1;
    PASCOM.DELTA_DRAFT = 1.0f;
    PASCOM.TLPWGHT = 2000.0f;
    PASCOM.HTENDN = 500.0f;
    ASSERT_EQ(run_semchr(), -1);
    EXPECT_FLOAT_EQ(HIMEM.EDRAFT, 26.0f);
    const double added = 1.0 * 100.53096 * 1025.0 / 1000.0;
    expect_rel(HIMEM.EDISPL, 2576.106 + added, 1e-6, "EDISPL");
    expect_rel(HIMEM.EVKB, (2576.106 * 12.5 + 25.5 * added) / (2576.106 + added), 1e-6, "EVKB");
    expect_rel(HIMEM.HC, 9.8 * 100.53096 + 500.0, 1e-6, "HC");
    // The members see the new draft.
    expect_rel(TPCM.VOLEST, 2.0 * kArea * 26.0, 1e-5, "VOLEST");
}

TEST(SemiDimadj, WidthAlongTheAxisAndTheLargerOfTheOthers) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case {
        float dim[3];
        int index;
        float width, length;
    };
    const Case cases[] = {
        {{4.0f, 1.0f, 6.0f}, 1, 4.0f, 6.0f}, {{4.0f, 1.0f, 6.0f}, 2, 1.0f, 6.0f}, {{3.0f, 2.0f, 2.0f}, 1, 3.0f, 2.0f},
        {{2.0f, 5.0f, 3.0f}, 1, 2.0f, 5.0f}, {{2.0f, 5.0f, 3.0f}, 3, 3.0f, 5.0f}, {{1.0f, nan, 7.0f}, 1, 1.0f, 7.0f},
    };
    for (const Case& c : cases) {
        float length = -1.0f, width = -1.0f;
        DIMADJ(c.dim, length, width, c.index);
        EXPECT_EQ(width, c.width) << c.index;
        EXPECT_EQ(length, c.length) << c.index;
    }
}

TEST(SemiMemberAxes, RotationIsOrthonormalAndMapsTheMemberAxis) {
    const float memvec[3] = {3.0f, 4.0f, 12.0f};
    float theta = 0.0f, phi = 0.0f, R[9];
    member_axes(memvec, 12.0f / 13.0f, theta, phi, R);
    for (int a = 0; a < 3; ++a)
        for (int b = 0; b < 3; ++b) {
            double dot = 0.0;  // rows a and b
            for (int c = 0; c < 3; ++c) dot += static_cast<double>(R[c * 3 + a]) * static_cast<double>(R[c * 3 + b]);
            EXPECT_NEAR(dot, a == b ? 1.0 : 0.0, 1e-6);
        }
    // Row 3 (Mz) is the member's unit vector.
    EXPECT_NEAR(R[2], 3.0 / 13.0, 1e-6);
    EXPECT_NEAR(R[5], 4.0 / 13.0, 1e-6);
    EXPECT_NEAR(R[8], 12.0 / 13.0, 1e-6);
    // Horizontal and vertical members.
    const float horizontal[3] = {5.0f, 0.0f, 0.0f};
    member_axes(horizontal, 0.0f, theta, phi, R);
    EXPECT_FLOAT_EQ(theta, -3.1415927f / 2.0f);
    EXPECT_NEAR(R[2], 1.0, 1e-6);
    const float vertical[3] = {0.0f, 0.0f, 7.0f};
    member_axes(vertical, 1.0f, theta, phi, R);
    EXPECT_EQ(theta, 0.0f);
    EXPECT_EQ(phi, 0.0f);
    for (int j = 0; j < 9; ++j) EXPECT_FLOAT_EQ(R[j], (j % 4 == 0) ? 1.0f : 0.0f);
}

TEST_F(SemiCharacteristics, InclinedMemberCoefficientMatrix) {
    TPCM.NOWARN = 1;
    TPCM.NCYL = 3;
    set_member(3, {0.0f, 0.0f, 0.0f}, {3.0f, 4.0f, 12.0f});
    TPCM.MEMDIR(3) = 4;
    TPCM.CYLCM(1, 3) = 0.5f;
    TPCM.CYLCM(2, 3) = 0.8f;
    TPCM.CYLCM(3, 3) = 0.1f;
    answers("\n\n");
    ASSERT_EQ(run_semchr(), -1);
    auto F = [](int r, int c) { return static_cast<double>(SIMCOM.FRCCOF(r, c, 3)); };
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c) EXPECT_NEAR(F(r, c), F(c, r), 1e-6);
    // Invariants of a symmetric matrix with eigenvalues 1.5, 1.8, 1.1.
    const double trace = F(1, 1) + F(2, 2) + F(3, 3);
    const double minors = F(1, 1) * F(2, 2) - F(1, 2) * F(2, 1) + F(1, 1) * F(3, 3) - F(1, 3) * F(3, 1) +
                          F(2, 2) * F(3, 3) - F(2, 3) * F(3, 2);
    const double det = F(1, 1) * (F(2, 2) * F(3, 3) - F(2, 3) * F(3, 2)) -
                       F(1, 2) * (F(2, 1) * F(3, 3) - F(2, 3) * F(3, 1)) +
                       F(1, 3) * (F(2, 1) * F(3, 2) - F(2, 2) * F(3, 1));
    EXPECT_NEAR(trace, 4.4, 1e-5);
    EXPECT_NEAR(minors, 1.5 * 1.8 + 1.5 * 1.1 + 1.8 * 1.1, 1e-5);
    EXPECT_NEAR(det, 1.5 * 1.8 * 1.1, 1e-5);
    // The member axis is the eigenvector of 1 + CYLCM(3).
    const double n[3] = {3.0 / 13.0, 4.0 / 13.0, 12.0 / 13.0};
    for (int r = 1; r <= 3; ++r) {
        const double Fn = F(r, 1) * n[0] + F(r, 2) * n[1] + F(r, 3) * n[2];
        EXPECT_NEAR(Fn, 1.1 * n[r - 1], 1e-5);
    }
}

TEST_F(SemiCharacteristics, DragOnlyZeroesTheInertiaMatricesAndNothingElse) {
    TPCM.NOWARN = 1;
    ASSERT_EQ(run_semchr(), -1);
    const float WH = HIMEM.WH, VTCRP = HIMEM.VTCRP, VTCRR = HIMEM.VTCRR, PTCHI = HIMEM.PTCHI;
    TPCM.DRAG_ONLY = 1;
    ASSERT_EQ(run_semchr(), -1);
    for (int i = 1; i <= 2; ++i)
        for (int r = 1; r <= 3; ++r)
            for (int c = 1; c <= 3; ++c) {
                EXPECT_EQ(SIMCOM.FRCCOF(r, c, i), 0.0f);
                EXPECT_EQ(SIMCOM.MNTCOF(r, c, i), 0.0f);
            }
    EXPECT_EQ(HIMEM.WH, WH);
    EXPECT_EQ(HIMEM.VTCRP, VTCRP);
    EXPECT_EQ(HIMEM.VTCRR, VTCRR);
    EXPECT_EQ(HIMEM.PTCHI, PTCHI);
}

TEST_F(SemiCharacteristics, DragFactorsPerUnitWettedLengthExceptTheAxisEnd) {
    TPCM.NOWARN = 1;
    for (int i = 1; i <= 2; ++i) {
        TPCM.CYLCD(1, i) = 0.6f;
        TPCM.CYLCD(2, i) = 0.7f;
        TPCM.CYLCD(3, i) = 0.8f;
    }
    TPCM.MEMDIR(2) = 4;
    ASSERT_EQ(run_semchr(), -1);
    // Side areas 8 x 25 wetted; end area 8 x 8.
    for (int i = 1; i <= 2; ++i) {
        EXPECT_NEAR(SIMCOM.DRGFCF(1, i), 0.6 * 8.0, 1e-5);
        EXPECT_NEAR(SIMCOM.DRGFCF(2, i), 0.7 * 8.0, 1e-5);
    }
    EXPECT_NEAR(SIMCOM.DRGFCF(3, 1), 0.8 * 64.0, 1e-4);         // MEMDIR 3: the whole end area
    EXPECT_NEAR(SIMCOM.DRGFCF(3, 2), 0.8 * 64.0 / 25.0, 1e-5);  // inclined class: per unit length
    // Heave constant: both end areas, times half the mass density.
    EXPECT_NEAR(SIMCOM.CQHV, 2.0 * 0.8 * 64.0 * 0.0005 * 1025.0 / 9.8, 1e-4);
    EXPECT_NEAR(PASCOM.ACDSG, 0.6, 1e-6);
    EXPECT_NEAR(PASCOM.ACDSW, 0.7, 1e-6);
}

}  // namespace
}  // namespace brevant

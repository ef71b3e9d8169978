// The drag of a member-built hull: two columns on a smooth sea, in both modes, against the
// properties its results must have (members out of the water, yaw, wave drag left out, the mean
// mode's untouched drift, the tables of the entry), the zero sea, a current across the waves,
// members whose cross terms differ in sign, and the two warnings.
#include <algorithm>
#include <array>
#include <cmath>

#include "drift_fixture.h"
#include "member_drag_case.h"
#include "lowlib/drag_entry.h"
#include "lowlib/member_spectral_preparation.h"
#include "numeric/grid_integrals.h"
#include "records/member_table.h"
#include "records/response_record.h"

namespace brevant::testing {
namespace {

class MemberDragTest : public MemberDragCase {
protected:
    CrossSpectra X{}, XC{}, D{}, DC{};
    Real FOUTD = -99.0f, FOUTR = -99.0f;

    void SetUp() override {
        DriftTest::SetUp();
        set_up_case(false);
        current(1.0f, 30.0f);
    }
    void call(Int LVARST, Int LCOMP = 1, Real RELANG = 0.3f, Logical FRSTIM = 1, Int IWAVID = 1) {
        Real WC = 0.05f;
        DRAGF_SEMI(LVARST, LCOMP, RELANG, PSD.data(), WC, FOUTD, FOUTR, IWAVID, X, XC, D, DC, FRSTIM);
    }
};

double d(Real x) { return static_cast<double>(x); }

bool all_finite(const CrossSpectra& t) {
    return std::all_of(t.begin(), t.end(), [](Real v) { return std::isfinite(v); });
}
bool slice_zero(const CrossSpectra& t, Int K) {
    for (Int I = 1; I <= 2; ++I) {
        for (Int J = 1; J <= 2; ++J) {
            if (t(I, J, K) != 0.0f) return false;
        }
    }
    return true;
}

TEST_F(MemberDragTest, MembersOutOfTheSurfaceCarryNoLoad) {
    column(1, 0.0f, 20.0f, false);
    column(2, 0.0f, -20.0f, false);
    for (Int LVARST : {0, 1}) {
        FOUTD = FOUTR = -99.0f;
        call(LVARST);
        EXPECT_EQ(FOUTD, 0.0f);
        EXPECT_EQ(FOUTR, 0.0f);
    }
    // One piercing column is enough to give load.
    column(2, 0.0f, -20.0f, true);
    call(0);
    EXPECT_NE(FOUTD, 0.0f);
}

TEST_F(MemberDragTest, MeanModeGivesTheDragAndLeavesTheDriftAsItWas) {
    FOUTR = -99.0f;
    call(0, 1);
    const Real surge = FOUTD;
    EXPECT_TRUE(std::isfinite(surge));
    EXPECT_NE(surge, 0.0f);
    EXPECT_EQ(FOUTR, -99.0f);
    // The surge drag follows its own enhancement factor only.
    TPCM.WVDGCX = 2.0f;
    TPCM.WVDGCY = 5.0f;
    call(0, 1);
    EXPECT_FLOAT_EQ(FOUTD, 2.0f * surge);
    EXPECT_EQ(FOUTR, -99.0f);
    // Through the entry: the same drag, the drift still untouched.
    Real WC = 0.05f, FD = 0.0f, FR = -42.0f;
    TPCM.WVDGCX = 1.0f;
    DRAGF(0, 1, 0.3f, PSD.data(), WC, FD, FR, 1);
    EXPECT_EQ(FD, surge);
    EXPECT_EQ(FR, -42.0f);
}

TEST_F(MemberDragTest, YawHasNoMemberDragButTheCrossSpectraAreFilled) {
    FOUTR = -99.0f;
    call(0, 3);
    EXPECT_EQ(FOUTD, 0.0f);
    EXPECT_EQ(FOUTR, -99.0f);
    call(1, 3);
    EXPECT_EQ(FOUTD, 0.0f);
    EXPECT_EQ(FOUTR, 0.0f);
    for (Int K = 1; K <= 6; ++K) {
        EXPECT_FALSE(slice_zero(X, K)) << K;
    }
    // Each slice is one constant times cos^2, sin^2 and cos sin of the same direction.
    for (Int K = 1; K <= 6; ++K) {
        EXPECT_FLOAT_EQ(X(1, 2, K), X(2, 1, K));
        EXPECT_NEAR(d(X(1, 2, K)) * d(X(1, 2, K)), d(X(1, 1, K)) * d(X(2, 2, K)),
                    1e-5 * std::fabs(d(X(1, 1, K)) * d(X(2, 2, K))));
    }
}

TEST_F(MemberDragTest, WaveDragLeftOutKeepsOnlyTheDriftSlice) {
    TPCM.LEGDRG = 1;
    D.fill(7.0f);
    call(0);
    EXPECT_EQ(FOUTD, 0.0f);
    call(1);
    EXPECT_EQ(FOUTD, 0.0f);
    EXPECT_EQ(FOUTR, 0.0f);
    for (Int K = 1; K <= 6; ++K) {
        EXPECT_EQ(slice_zero(X, K), K != 3) << K;
        EXPECT_EQ(slice_zero(D, K), K != 3) << K;
    }
    for (Int I = 1; I <= 2; ++I) {
        for (Int J = 1; J <= 2; ++J) {
            EXPECT_EQ(D(I, J, 3), X(I, J, 3));
        }
    }
}

TEST_F(MemberDragTest, TablesAreClearedOnlyOnAFirstCall) {
    XC.fill(7.0f);
    DC.fill(7.0f);
    D.fill(7.0f);
    call(1, 1, 0.3f, 0);
    EXPECT_TRUE(std::all_of(XC.begin(), XC.end(), [](Real v) { return v == 7.0f; }));
    EXPECT_TRUE(std::all_of(DC.begin(), DC.end(), [](Real v) { return v == 7.0f; }));
    EXPECT_EQ(D(1, 1, 1), 7.0f);  // only the drift slice is written
    const Real FD = FOUTD, FR = FOUTR;
    call(1, 1, 0.3f, 1);
    EXPECT_TRUE(std::all_of(XC.begin(), XC.end(), [](Real v) { return v == 0.0f; }));
    EXPECT_TRUE(std::all_of(DC.begin(), DC.end(), [](Real v) { return v == 0.0f; }));
    EXPECT_EQ(D(1, 1, 1), 0.0f);
    EXPECT_EQ(FOUTD, FD);
    EXPECT_EQ(FOUTR, FR);
    // The entry answers as the member model with fresh tables.
    Real WC = 0.05f, ED = 0.0f, ER = 0.0f;
    DRAGF(1, 1, 0.3f, PSD.data(), WC, ED, ER, 1);
    EXPECT_EQ(ED, FD);
    EXPECT_EQ(ER, FR);
}

TEST_F(MemberDragTest, ZeroSeaGivesNothingInEitherMode) {
    PSD.fill(0.0f);
    X.fill(7.0f);
    for (Int LVARST : {0, 1}) {
        FOUTD = FOUTR = -99.0f;
        call(LVARST);
        EXPECT_EQ(FOUTD, 0.0f);
        EXPECT_EQ(FOUTR, 0.0f);
    }
    EXPECT_EQ(X(1, 1, 1), 7.0f);
    Real WC = 0.05f, FD = -1.0f, FR = -1.0f;
    DRAGF(1, 2, 0.3f, PSD.data(), WC, FD, FR, 1);
    EXPECT_EQ(FD, 0.0f);
    EXPECT_EQ(FR, 0.0f);
    EXPECT_EQ(screen(), "");
}

TEST_F(MemberDragTest, CurrentSquareToTheWavesIsTheLimitOfNearbyHeadings) {
    // Waves travel towards 180 degrees (RELANG 0, heading 0): a current towards 270 crosses them.
    // Half a knot against an RMS wave particle speed of about 0.8 m/s.
    auto loads = [&](Real heading) {
        current(0.5f, heading);
        Real WC = 0.05f, mean = 0.0f, FR = 0.0f, sv = 0.0f, svr = 0.0f;
        DRAGF_SEMI(0, 1, 0.0f, PSD.data(), WC, mean, FR, 1, X, XC, D, DC, 1);
        DRAGF_SEMI(1, 1, 0.0f, PSD.data(), WC, sv, svr, 1, X, XC, D, DC, 1);
        EXPECT_TRUE(all_finite(X));
        return std::array<double, 3>{d(mean), d(sv), d(svr)};
    };
    const auto across = loads(270.0f);
    const auto above = loads(270.1f);
    const auto below = loads(269.9f);
    for (int k = 0; k < 2; ++k) {
        SCOPED_TRACE(k);
        EXPECT_TRUE(std::isfinite(across[k]));
        EXPECT_NE(across[k], 0.0);
        EXPECT_NEAR(across[k], above[k], 0.01 * std::fabs(above[k]));
        EXPECT_NEAR(across[k], below[k], 0.01 * std::fabs(below[k]));
        // No step at the crossing: the loads run straight through it.
        EXPECT_NEAR(across[k], 0.5 * (above[k] + below[k]), 1e-3 * std::fabs(across[k]));
    }
    EXPECT_TRUE(std::isfinite(across[2]));
}

// The cross term of surface and submerged drag of a column standing at (x, y), as the member model
// prepares it (relative angle 0.3, current as set).
Real cross_term(const FArray<Real, 100>& PSD, Real x, Real y) {
    Real VAR = 0, VD = 0;
    SMPINT(PSD.data(), VAR, VD);
    const Real RELANG = 0.3f;
    const Real theta = TPCM.CURHDG / 57.29578f - (RELANG + 3.1415927f);
    const Real XCOL = -x * std::cos(RELANG) - y * std::sin(RELANG);
    Real WC = 0.05f, FSURF, FSUB, P1, P2, P3, RR, BB, WD, BR, WB, WR, VS;
    Int N = 11;
    G_FRC_PREP(WC, FSURF, FSUB, P1, P2, P3, RR, BB, WD, BR, WB, WR, VS, 1, PSD.data(), std::sqrt(VAR),
               0.5142f * TPCM.CURSPD * std::cos(theta), XCOL, 10.0f, &PASCOM.HOR_WAV_RAO(1, 1),
               &PASCOM.ANG_WAV_RAO(1, 1), 27, 0, 7, FixedText<13>("Not Defined").view(), RELANG, 1, "DRAGF ",
               std::cos(theta), std::sin(theta), 180.0f, 1, N);
    return BR;
}

TEST_F(MemberDragTest, MembersWhoseCrossTermsDifferInSignStillGiveFiniteSpectra) {
    // A current that turns against the waves below 4 m: the sign of the cross term then depends on
    // where the column stands.
    current(1.0f, 0.0f);
    CURPROF.DPTHIPF(1) = 4.0f;
    CURPROF.VELIPF(1) = CURPROF.VELIPF(2) = -0.17f;
    const Real first = cross_term(PSD, 0.0f, 20.0f);
    ASSERT_NE(first, 0.0f);
    Real x2 = 0.0f;
    bool found = false;
    for (Real x = -60.0f; x <= 60.0f && !found; x += 2.0f) {
        if (std::signbit(cross_term(PSD, x, -20.0f)) != std::signbit(first)) {
            x2 = x;
            found = true;
        }
    }
    ASSERT_TRUE(found);
    column(2, x2, -20.0f, true);
    call(1);
    EXPECT_TRUE(std::isfinite(FOUTD));
    EXPECT_TRUE(std::isfinite(FOUTR));
    EXPECT_GE(FOUTR, 0.0f);
    EXPECT_TRUE(all_finite(X));
    EXPECT_TRUE(all_finite(D));
    EXPECT_FALSE(slice_zero(X, 4));
}

constexpr const char* kSeparation =
    "\n +=> Suspiciously large separation between pitch and roll rotation centers;\n"
    "     please forward this datafile to Velmora for analysis.\n\n";

TEST_F(MemberDragTest, RotationCentreWarningOnEveryCall) {
    PASCOM.VTCRPS = 3.0f;
    PASCOM.VTCRRS = 0.5f;
    answers("\n\n");
    call(0);
    const Real mean = FOUTD;
    call(0);
    EXPECT_EQ(FOUTD, mean);
    EXPECT_EQ(count_of(screen(), kSeparation), 2u);
    EXPECT_EQ(count_of(screen(), "Enter \"A\" to abort or Press <RETURN> to continue: "), 2u);
    // "A" ends the run.
    answers("A\n");
    EXPECT_EQ(end_status([&] { call(0); }), 1);
    // A silent run goes on without asking.
    TPCM.EDUNIT = SILENT_UNIT;
    call(0);
    EXPECT_EQ(FOUTD, mean);
    EXPECT_EQ(count_of(silent(), "Enter \"A\""), 0u);
    // Centres close together, or both near the keel: no warning.
    TPCM.EDUNIT = SCREEN_UNIT;
    const std::string before = screen();
    PASCOM.VTCRPS = 3.0f;
    PASCOM.VTCRRS = 2.5f;
    call(0);
    PASCOM.VTCRPS = 0.9f;
    PASCOM.VTCRRS = 0.1f;
    call(0);
    EXPECT_EQ(screen(), before);
}

TEST_F(MemberDragTest, CorrelationWarningOncePerWaveSystem) {
    // A large hull motion whose phase turns from one frequency to the next: the wave elevation
    // and the relative velocity at the water line are hardly correlated.
    TPCM.LCURNT = 0;
    TPCM.SWELHT = 2.0f;
    TPCM.SWLHDG = 180.0f;
    for (Int i = 1; i <= NWP; ++i) {
        for (Int s = 1; s <= 2; ++s) {
            PASCOM.HOR_WAV_RAO(i, s) = std::polar(3.0f, 2.0f * static_cast<Real>(i));
            PASCOM.HRAO(i, s) = 3.0f;
            PASCOM.ANG_WAV_RAO(i, s) = Complex(0.002f, 0.0f);
            PASCOM.RLRAOH2(i, s) = 1.0f;
        }
    }
    answers("\n\n\n\n");
    for (Int IWAVID : {1, 1, 2, 2, 1}) {
        for (Int LCOMP : {1, 2}) {
            call(1, LCOMP, 0.3f, 1, IWAVID);
            EXPECT_TRUE(std::isfinite(FOUTD));
        }
    }
    const std::string warning = "\n +=> Possible correlation underflow in DRAGF: Mode 1...\n"
                                "     please forward this datafile to Velmora for analysis.\n\n";
    EXPECT_EQ(count_of(screen(), warning), 2u);
    EXPECT_EQ(count_of(screen(), "Possible correlation underflow"), 2u);
    // A low sea clears its flag without a word: no warning later in the run either.
    reset_dragf_semi();
    const std::string before = screen();
    TPCM.SWHT(1) = 0.5f;
    call(1);
    TPCM.SWHT(1) = 4.0f;
    call(1);
    EXPECT_EQ(screen(), before);
}

TEST_F(MemberDragTest, InvalidWaveSystemEndsTheRun) {
    answers("\n");
    FOUTD = FOUTR = -99.0f;
    EXPECT_EQ(end_status([&] { call(0, 1, 0.3f, 1, 4); }), 1);
    EXPECT_EQ(FOUTD, -99.0f);
    EXPECT_EQ(count_of(screen(), " =+> Invalid IWAVID in dragf_semi\n"), 1u);
    EXPECT_EQ(count_of(screen(), "Press <RETURN> to continue: "), 1u);
    // A silent run: the line in its file "Diagnostics.stxt", nothing on the screen, no pause read.
    const std::string before = screen();
    TPCM.EDUNIT = SILENT_UNIT;
    answers("X\n");
    EXPECT_EQ(end_status([&] { call(0, 1, 0.3f, 1, 0); }), 1);
    EXPECT_EQ(silent(), " =+> Invalid IWAVID in dragf_semi\n");
    EXPECT_EQ(screen(), before);
    EXPECT_EQ(read_keyboard_line(), "X");
}

}  // namespace
}  // namespace brevant::testing

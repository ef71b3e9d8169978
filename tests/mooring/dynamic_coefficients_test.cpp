// Dynamic line coefficients on the line that the statics driver leaves for the one-element catenary
// fixture (its touchdown element from TUCHDN, as the disc buoy sets it), and on a hand-made state for
// the quasi-static corner of a vertical fairlead end.
#include "mooring/morlib/dynamic_coefficients.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "mooring/catlib/line_spans.h"
#include "mooring/line_statics.h"
#include "mooring/morlib/catenary_iteration.h"
#include "mooring/morlib/catenary_string.h"
#include "mooring/morlib/line_stiffness.h"
#include "mooring/morlib/oblique_stiffness.h"
#include "mooring_statics_fixture.h"
#include "records/data_image.h"
#include "records/mooring_line_records.h"
#include "records/wave_record.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"
#include "test_support.h"

namespace brevant {
namespace {

constexpr Real kRanck = 904.7258f;

struct Out {
    double TX = 0;
    Logical CATSKP = 0;
    Complex CYCATP, CYCATM, CYELAP, CYELAM, CTOPFP, CBOTFP, CTOPFM, CBOTFM;
    Real STOPFP = -1, STOPFM = -1, XCATP = -1;
    NodeForces CTOPFIP{}, CTOPFIM{}, CXTEND_N{}, C_ADA_END_N{};
};

class DynamicCoefficients : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_all();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.SIMTYP = 16;
        TPCM.NUNTS = 1;
        TPCM.DWATR = 1.025f;
        WAVCOM.G = 9.8f;
    }
    void TearDown() override {
        reset_all();
        ConsoleTest::TearDown();
    }
    static void reset_all() {
        reset_tpcm();
        reset_lincom();
        reset_catcom();
        reset_locitr();
        reset_wavcom();
        reset_kelast();
        reset_tmpcm2();
        reset_foblq();
        reset_dyncod();
    }
    // Line ILIN of the fixture's line type solved by the statics driver, its touchdown element set.
    static void solve_line(Int ILIN = 1) {
        TPCM.NLIN = ILIN;
        testing::put_fixture_line(1);
        TPCM.DIAM(1, 1) = 80.0f;
        TPCM.COFMST(1, 1) = 1.0f;
        TPCM.COFDMT(1, 1) = 1.2f;
        LINCOM.LINEID(ILIN) = 1;
        LINCOM.MIDLYR = 1;
        LINCOM.RANCK(ILIN) = kRanck;
        LINDRV(LINCOM.RANCK, LINCOM.ZANCK);
        Real BOTWGT = 0, UNSTRL = 0;
        Int BOTELM = 0;
        TUCHDN(static_cast<Real>(LINCOM.BOTLNM), element_column(TPCM.WETWT, 1), element_column(TPCM.SLEN, 1),
               LINCOM.BETA, TPCM.NELEM(1), LINCOM.DSLOPE, BOTWGT, BOTELM, UNSTRL);
        LINCOM.BOTELM = BOTELM;
    }
    static Out run(Int ILIN, Complex CAFLD, Complex CABOT, Real WFREQ, Int GETNODEQ = 0, Logical WRNFLG = 1) {
        CATCOM.CAFLD = CAFLD;
        CATCOM.CABOT = CABOT;
        Out o;
        DYNCOD(ILIN, o.TX, o.CATSKP, WFREQ, 1.0f, 0.0f, o.CYCATP, o.CYCATM, o.CYELAP, o.CYELAM, o.CTOPFP, o.CBOTFP,
               o.CTOPFM, o.CBOTFM, o.STOPFP, o.STOPFM, LINCOM.RANCK, o.CTOPFIP, o.CTOPFIM, o.CXTEND_N, o.C_ADA_END_N,
               GETNODEQ, o.XCATP, WRNFLG);
        return o;
    }
};

TEST_F(DynamicCoefficients, LowFrequencyForceIsTheStaticStiffnessTimesTheExtension) {
    solve_line();
    TPCM.COFDMT(1, 1) = 0.0f;
    ASSERT_EQ(LINCOM.BOTELM, 1);  // the anchor end lies on the floor
    const Out o = run(1, {0.2f, 0}, {0, 0}, 0.001f);
    EXPECT_EQ(CATCOM.KSTAT, CATCOM.DTFDAF(1));
    EXPECT_GT(CATCOM.KSTAT, 0.0f);
    const Real F = CATCOM.KSTAT * 0.2f;
    EXPECT_NEAR(o.CTOPFP.real(), F, 0.01f * F);
    EXPECT_NEAR(std::abs(o.CTOPFP), F, 0.01f * F);
    EXPECT_NEAR(std::abs(o.CBOTFP - o.CTOPFP), 0.0f, 0.01f * F);
    EXPECT_EQ(o.CATSKP, 1);
    EXPECT_EQ(o.TX, LINCOM.DPHLD / static_cast<double>(0.8f));
    // KELAS 1 / (L a1) = 500 for the elastic bar, and the static stiffness in series with it.
    EXPECT_NEAR(CATCOM.KELAS, 500.0f, 1e-3f);
    EXPECT_NEAR(1.0f / CATCOM.KSTAT, 1.0f / CATCOM.KCTAN + 1.0f / CATCOM.KELAS, 1e-4f / CATCOM.KSTAT);
    EXPECT_EQ(dyncod_work().CQUAD, 0.0f);
    EXPECT_EQ(dyncod_work().KELINT, 0.0f);
    EXPECT_EQ(screen(), "");
}

// The quadratic drag coefficient is the drag energy of the line per cycle, and so the drag force's
// scale: element diameter times the water's mass density (weight density over g) times the drag
// coefficient. Doubling one of them doubles CQUAD; doubling g halves it (the line's shape and motion
// stay those of the statics, which g does not enter here).
TEST_F(DynamicCoefficients, DragCoefficientScalesWithDiameterDensityDragCoefficientAndGravity) {
    solve_line();
    const Complex fairlead(0.3f, 0.2f);
    run(1, fairlead, {0, 0}, 0.6f);
    const double base = dyncod_work().CQUAD;
    ASSERT_GT(base, 0.0);
    struct Case {
        const char* what;
        Real* word;
        double factor;  // of CQUAD when the word doubles
    };
    const Case cases[] = {
        {"diameter", &TPCM.DIAM(1, 1), 2.0},
        {"water weight density", &TPCM.DWATR, 2.0},
        {"drag coefficient", &TPCM.COFDMT(1, 1), 2.0},
        {"g", &WAVCOM.G, 0.5},
    };
    for (const Case& c : cases) {
        const Real kept = *c.word;
        *c.word = 2.0f * kept;
        run(1, fairlead, {0, 0}, 0.6f);
        *c.word = kept;
        EXPECT_NEAR(dyncod_work().CQUAD, c.factor * base, 1e-5 * c.factor * base) << c.what;
    }
    // The diameter factor of the caller (inches or millimetres to the length unit) scales it too.
    CATCOM.CAFLD = fairlead;
    CATCOM.CABOT = Complex{};
    Out o;
    DYNCOD(1, o.TX, o.CATSKP, 0.6f, 2.0f, 0.0f, o.CYCATP, o.CYCATM, o.CYELAP, o.CYELAM, o.CTOPFP, o.CBOTFP, o.CTOPFM,
           o.CBOTFM, o.STOPFP, o.STOPFM, LINCOM.RANCK, o.CTOPFIP, o.CTOPFIM, o.CXTEND_N, o.C_ADA_END_N, 0, o.XCATP, 1);
    EXPECT_NEAR(dyncod_work().CQUAD, 2.0 * base, 1e-5 * 2.0 * base);
}

TEST_F(DynamicCoefficients, EqualEndAmplitudesGiveNoDragNoMassAndNoStaticForce) {
    solve_line();
    TPCM.SIMTYP = 17;
    TPCM.INRLFG = 1;
    const Out o = run(1, {0.2f, 0.1f}, {0.2f, 0.1f}, 0.5f, 1);
    const DyncodWork& w = dyncod_work();
    EXPECT_EQ(w.CQUAD, 0.0f);
    EXPECT_EQ(w.KELINL, 0.0f);
    EXPECT_EQ(w.KELINT, 0.0f);
    EXPECT_EQ(w.CATMASQ, 0.0f);
    EXPECT_EQ(w.CTACCT, Complex(0, 0));
    EXPECT_EQ(o.STOPFP, 0.0f);
    EXPECT_EQ(o.STOPFM, 0.0f);
    EXPECT_EQ(o.CYCATP, Complex(0, 0));
    // No extension: the node amplitudes have no phase and stay 0.
    EXPECT_EQ(o.CXTEND_N(1), Complex(0, 0));
    EXPECT_EQ(o.C_ADA_END_N(1), Complex(0, 0));
    EXPECT_EQ(o.CXTEND_N(2), Complex(0, 0));
}

TEST_F(DynamicCoefficients, LinearModelNegativeOutputsAreExactNegatives) {
    solve_line();
    TPCM.SIMTYP = 17;
    TPCM.INRLFG = 1;
    const Out o = run(1, {0.3f, 0.2f}, {0, 0}, 0.6f, 1);
    EXPECT_GT(dyncod_work().CQUAD, 0.0f);
    EXPECT_GT(dyncod_work().CATMASQ, 0.0f);
    EXPECT_NE(dyncod_work().CTACCT, Complex(0, 0));
    EXPECT_EQ(o.CTOPFM, -o.CTOPFP);
    EXPECT_EQ(o.CBOTFM, -o.CBOTFP);
    EXPECT_EQ(o.CYCATM, -o.CYCATP);
    EXPECT_EQ(o.CYELAM, -o.CYELAP);
    EXPECT_EQ(o.STOPFM, -o.STOPFP);
    EXPECT_FLOAT_EQ(o.STOPFP, CATCOM.KSTAT * std::abs(Complex(0.3f, 0.2f)));
    for (Int k = 1; k <= 2; ++k) EXPECT_EQ(o.CTOPFIM(k), -o.CTOPFIP(k)) << k;
    // The correction is directed against the fairlead motion.
    const Complex c = dyncod_work().CTACCT;
    const Complex dir = Complex(0.3f, 0.2f) / std::abs(Complex(0.3f, 0.2f));
    EXPECT_NEAR(std::arg(c), std::arg(-dir), 1e-5f);
}

TEST_F(DynamicCoefficients, QuasiStaticModeGivesTheStaticForceAtBothEnds) {
    solve_line();
    // Fairlead tensions of the table from the oracle.
    const Real H[3] = {80.0f, 100.0f, 120.0f};
    for (Int i = 1; i <= 3; ++i)
        LINCOM.TOPTEN(i, 1, 1) = static_cast<Real>(testing::oracle_at(static_cast<double>(H[i - 1]), 200.0).T);
    TPCM.QSFLAG2 = 1;
    const Out o = run(1, {0.2f, 0}, {0, 0}, 0.5f);
    // The tension at the distance moved by 0.2 / FXCOMP, on the straight line of its table interval.
    const Real x = kRanck + 0.2f / LINCOM.FXCOMP;
    const Int i = x < LINCOM.ANCDST(2, 1, 1) ? 1 : 2;
    const Real x0 = LINCOM.ANCDST(i, 1, 1), x1 = LINCOM.ANCDST(i + 1, 1, 1);
    const Real t = LINCOM.TOPTEN(i, 1, 1) + (x - x0) / (x1 - x0) * (LINCOM.TOPTEN(i + 1, 1, 1) - LINCOM.TOPTEN(i, 1, 1));
    const Real STOPFP = t - static_cast<Real>(LINCOM.TPTEN0);
    EXPECT_NEAR(o.STOPFP, STOPFP, 1e-3f * std::fabs(STOPFP) + 1e-3f);
    EXPECT_EQ(o.CTOPFP, Complex(o.STOPFP, 0));
    EXPECT_EQ(o.CBOTFP, o.CTOPFP);
    EXPECT_EQ(o.CTOPFM, -o.CTOPFP);
    EXPECT_EQ(o.CBOTFM, -o.CTOPFP);
    EXPECT_EQ(o.STOPFM, -CATCOM.KSTAT * 0.2f);  // the linear model's value stays
}

TEST_F(DynamicCoefficients, QuasiStaticVerticalFairleadKeepsTheStaticAmplitude) {
    // A hand-made line of no elements with a vertical fairlead end (FXCOMP 0): no table distance to
    // move to, so STOPFP stays KSTAT |extension|.
    LinCom& L = LINCOM;
    L.ITYP = 1;
    L.MIDLYR = 1;
    L.TPTEN0 = 100.0;
    CATCOM.TANARR(1, 1) = 1e30f;
    CATCOM.DXSDH(1, 1) = 0.01f;
    CATCOM.DTFDAF(1) = 2.0f;
    TPCM.NTAB = 3;
    TPCM.QSFLAG2 = 1;
    const Out o = run(1, {0.5f, 0}, {0, 0}, 0.5f);
    EXPECT_EQ(L.FXCOMP, 0.0f);
    EXPECT_TRUE(std::isfinite(o.STOPFP));
    EXPECT_FLOAT_EQ(o.STOPFP, CATCOM.KSTAT * 0.5f);
    EXPECT_EQ(o.CTOPFP, Complex(o.STOPFP, 0));
}

TEST_F(DynamicCoefficients, LineMassFallsToZeroForTheRun) {
    solve_line();
    TPCM.SIMTYP = 17;
    run(1, {0.3f, 0}, {0, 0}, 0.6f);
    EXPECT_GT(dyncod_work().CATMASQ, 0.0f);
    TPCM.SIMTYP = 16;
    run(1, {0.3f, 0}, {0, 0}, 0.6f);
    EXPECT_EQ(dyncod_work().CATMASQ, 0.0f);
    TPCM.SIMTYP = 17;
    run(1, {0.3f, 0}, {0, 0}, 0.6f);
    EXPECT_EQ(dyncod_work().CATMASQ, 0.0f);
    EXPECT_GT(dyncod_work().KELINT, 0.0f);  // the energies are still there, only the mass is off
}

TEST_F(DynamicCoefficients, LegacyWaveLoadsSwitchTheLineMassOff) {
    solve_line();
    TPCM.SIMTYP = 14;
    TPCM.LEG_WF_LOADS = 1;
    run(1, {0.3f, 0}, {0, 0}, 0.6f);
    EXPECT_EQ(dyncod_work().CATMASQ, 0.0f);
}

TEST_F(DynamicCoefficients, ExcludedLinesGetNoInertialCorrection) {
    solve_line();
    TPCM.INRLFG = 1;
    struct Case {
        Int NEXCLD_I, INRT_EXCL;
        bool corrected;
    };
    for (const Case c : {Case{0, 0, true}, Case{-1, 0, false}, Case{1, 1, false}, Case{1, 0, true}}) {
        reset_dyncod();
        TPCM.NEXCLD_I = c.NEXCLD_I;
        LINCOM.INRT_EXCL(1) = c.INRT_EXCL;
        const Out o = run(1, {0.3f, 0}, {0, 0}, 0.6f, 1, 0);
        EXPECT_EQ(dyncod_work().CTACCT != Complex(0, 0), c.corrected) << c.NEXCLD_I << " " << c.INRT_EXCL;
        if (!c.corrected) {
            // Without the correction the fairlead force is that of the wave alone.
            TPCM.INRLFG = 0;
            const Out plain = run(1, {0.3f, 0}, {0, 0}, 0.6f, 1, 0);
            EXPECT_EQ(o.CTOPFP, plain.CTOPFP);
            EXPECT_EQ(o.CTOPFIP(1), plain.CTOPFIP(1));
            TPCM.INRLFG = 1;
        }
    }
}

TEST_F(DynamicCoefficients, ExcessiveCorrectionWarnsOncePerRun) {
    // Line 3 (lines 1 and 2 left out). At 2 rad/s the line's inertia far exceeds its stiffness.
    solve_line(3);
    TPCM.INRLFG = 1;
    answers("\n");
    const Out o = run(3, {0.3f, 0}, {0, 0}, 2.0f);
    ASSERT_GT(0.1f * std::abs(dyncod_work().CTACCT), std::abs(o.CTOPFP - dyncod_work().CTACCT));
    const std::string message =
        "\n ++> The inertial load correction for line  3, and probably others,\n"
        "     may be excessive; consider disabling the inertial\n"
        "     correction for these lines.\n\n";
    EXPECT_EQ(screen(), message + std::string("\a\0\0\0\n", 5) +
                            " Enter \"A\" to abort or Press <RETURN> to continue: ");
    run(3, {0.3f, 0}, {0, 0}, 2.0f, 1);
    EXPECT_EQ(testing::count_of(screen(), "inertial load correction"), 1u);
}

TEST_F(DynamicCoefficients, ExcessiveCorrectionAbortEndsTheRun) {
    solve_line(3);
    TPCM.INRLFG = 1;
    answers("A\n");
    try {
        run(3, {0.3f, 0}, {0, 0}, 2.0f);
        FAIL() << "the run went on";
    } catch (const ProgramEnd& e) {
        EXPECT_EQ(e.status, 1);
    }
}

TEST_F(DynamicCoefficients, TensionDerivativesGiveTheEndAnglesWhenAsked) {
    solve_line();
    TPCM.TENSRF = 1;
    CATCOM.DTFDXF(1) = 0.3f;
    CATCOM.DTFDZF(1) = 0.9f;
    CATCOM.DTBDXB(1) = 0.5f;
    CATCOM.DTBDZB(1) = 0.1f;
    run(1, {0.2f, 0}, {0, 0}, 0.001f);
    EXPECT_FLOAT_EQ(LINCOM.QF, 3.0f);
    EXPECT_FLOAT_EQ(LINCOM.QB, 0.2f);
    EXPECT_FLOAT_EQ(LINCOM.FXCOMP, 1.0f / std::sqrt(10.0f));
    EXPECT_FLOAT_EQ(LINCOM.FZCOMP, 3.0f / std::sqrt(10.0f));
    // With the anchor end at rest the static stiffness is the fairlead tension derivative along the
    // fairlead direction.
    EXPECT_FLOAT_EQ(CATCOM.KSTAT, (0.3f + 3.0f * 0.9f) / std::sqrt(10.0f));
}

TEST_F(DynamicCoefficients, ModelChoiceByCreatorAndHawser) {
    // The nonlinear model reads the straight table through FOBLQ, whose secant stiffness differs from
    // the line's KSTAT; the linear model's static amplitude is KSTAT |extension| exactly.
    struct Case {
        Int NLWVFG, CREATR, HAWSTP;
        bool nonlinear;
    };
    for (const Case c : {Case{0, 16, 0, false}, Case{1, 16, 0, true}, Case{1, 10, 0, false}, Case{1, 13, 1, false},
                         Case{1, 13, 2, true}}) {
        reset_all();
        TPCM.EDUNIT = SILENT_UNIT;
        TPCM.NUNTS = 1;
        TPCM.DWATR = 1.025f;
        WAVCOM.G = 9.8f;
        solve_line();
        for (Int i = 1; i <= 3; ++i) LINCOM.TOPTEN(i, 1, 1) = 120.0f + 2.0f * (LINCOM.ANCDST(i, 1, 1) - kRanck);
        TPCM.NLAYER = 1;
        TPCM.NLWVFG = c.NLWVFG;
        TPCM.SIMTYP = c.CREATR;
        TPCM.HAWSTP = c.HAWSTP;
        const Out o = run(1, {0.2f, 0}, {0, 0}, 0.001f);
        const Real linear = CATCOM.KSTAT * 0.2f;
        if (c.nonlinear)
            EXPECT_GT(std::fabs(o.STOPFP - linear), 0.05f * linear) << c.CREATR << " " << c.HAWSTP;
        else
            EXPECT_EQ(o.STOPFP, linear) << c.CREATR << " " << c.HAWSTP;
    }
}

TEST_F(DynamicCoefficients, ExcessiveNodeCorrectionWarnsOnce) {
    // A hand-made two-element line of catenary parameter 125 (tangents 1.2, 0.75, 0.3): only the anchor
    // end moves, so the fairlead gets no correction, while the node between the elements carries the
    // inertia of the lower element against a line of almost no static stiffness.
    LinCom& L = LINCOM;
    CatCom& C = CATCOM;
    TPCM.NELEM(1) = 2;
    for (Int j = 1; j <= 2; ++j) {
        TPCM.SLEN(j, 1) = 60.0f;
        TPCM.WETWT(j, 1) = 0.4f;
        TPCM.DIAM(j, 1) = 80.0f;
        TPCM.COFDMT(j, 1) = 1.2f;
        TPCM.COFMST(j, 1) = 1.0f;
    }
    L.ITYP = 1;
    L.MIDLYR = 1;
    L.DHFRAC = 0.0078125;
    L.DPHLD = 50.0;
    L.DPHLD2 = 1.0078125 * 50.0;
    L.TPTEN0 = 50.0 * std::sqrt(1.0 + 1.44);
    for (Int j = 1; j <= 2; ++j) {
        L.SCLWT(j) = static_cast<double>(0.4f) / L.DPHLD;
        L.SCLWTP(j) = static_cast<double>(0.4f) / L.DPHLD2;
    }
    const Real tan[3] = {1.2f, 0.75f, 0.3f};
    for (Int k = 1; k <= 3; ++k) {
        C.TANARR(k, 2) = tan[k - 1];
        C.DXSDH(k, 2) = 1.0f - 0.4f * static_cast<Real>(k - 1);
        C.DZSDH(k, 2) = -0.5f + 0.2f * static_cast<Real>(k - 1);
        C.DXSDZF(k, 2) = 0.3f;
        C.DZSDZF(k, 2) = 1.0f - 0.5f * static_cast<Real>(k - 1);
    }
    C.DTFDAF(2) = 0.001f;
    C.DTBDAB(2) = 0.001f;
    TPCM.INRLFG = 1;
    answers("\n");
    const Out o = run(2, {0, 0}, {0.3f, 0}, 3.0f, 1);
    EXPECT_EQ(dyncod_work().CTACCT, Complex(0, 0));
    const std::string message =
        "\n ++> The inertial load correction for node  1 of line  2, and probably others, may be excessive;\n"
        "     consider disabling the inertial corrections for these lines.\n\n";
    EXPECT_EQ(screen(), message + std::string("\a\0\0\0\n", 5) +
                            " Enter \"A\" to abort or Press <RETURN> to continue: ");
    EXPECT_NE(o.CXTEND_N(1), Complex(0, 0));
    EXPECT_EQ(o.CTOPFIM(1), -o.CTOPFIP(1));
    run(2, {0, 0}, {0.3f, 0}, 3.0f, 1);
    EXPECT_EQ(testing::count_of(screen(), "inertial load correction"), 1u);
}

TEST_F(DynamicCoefficients, NonlinearModelUsesTheObliqueStiffness) {
    // The nonlinear model on a linear hand-made table (the fixture line with a straight TOPTEN): the
    // static amplitudes come from FOBLQ's catenary displacements, and the two excursions mirror.
    solve_line();
    for (Int i = 1; i <= 3; ++i)
        LINCOM.TOPTEN(i, 1, 1) = 120.0f + 2.0f * (LINCOM.ANCDST(i, 1, 1) - kRanck);
    TPCM.NLAYER = 1;
    TPCM.ZSPAN = 0.0f;
    LINCOM.DLAYER = 0.0f;
    TPCM.NLWVFG = 1;
    answers("\n\n\n\n");
    const Out o = run(1, {0.2f, 0}, {0, 0}, 0.001f);
    EXPECT_TRUE(std::isfinite(o.STOPFP));
    EXPECT_TRUE(std::isfinite(o.STOPFM));
    EXPECT_NEAR(o.STOPFM, -o.STOPFP, 1e-3f * std::fabs(o.STOPFP));
    // Low frequency: the force follows the static amplitude in each direction.
    EXPECT_NEAR(o.CTOPFP.real(), o.STOPFP, 0.02f * std::fabs(o.STOPFP));
    EXPECT_NEAR(o.CTOPFM.real(), o.STOPFM, 0.02f * std::fabs(o.STOPFM));
}

}  // namespace
}  // namespace brevant

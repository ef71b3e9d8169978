// SEMFRC, SUMALL and GETRAO on a single column whose forces have closed forms: the resonance
// damping (the user's percentages, and the quasi-linear heave damping against the deep-water
// heave force), the stored normalised forces of the all-periods pass, the three square-law options,
// the Newton iteration checked as a fixed point from outside, the no-convergence dialogue and its
// answers, the singular-Jacobian path, a member described from either end, and the asymmetry warning.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <string>
#include <vector>

#include "semi_column_fixture.h"
#include "sysutl/pauses.h"
#include "sysutl/units.h"

namespace brevant::testing {
namespace {

constexpr float kFac2 = 0.84882635f;

// The bell record and the prompt of the abort questions.
const std::string kQuestion = std::string("\a\0\0\0\n", 5) + " " + kAbortPrompt;

// The line block of the no-convergence question, from its empty first line to the prompt.
std::string no_convergence_block(const std::string& count, const std::string& heading, const std::string& period,
                                 int dof) {
    return "\n ++> Warning: No RAO convergence after " + count + " iterations for\n" + "     heading, = " + heading +
           ", wave period =" + period + ", DOF = " + std::to_string(dof) + "\n\n" +
           "     Enter 1 to continue with current estimate,\n" +
           "     enter 99 to terminate additional RAO determinations OR ...\n\n" + kQuestion;
}

std::string repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

class SemiForces : public ColumnForcesTest {
protected:
    // The wave of period j at a heading, as the all-periods pass sees it at zero speed.
    struct PeriodWave {
        float k, kx, ky, w, amp;
        float fcofs[6];
    };
    static PeriodWave wave_at(int j, float heading) {
        PeriodWave p{};
        p.k = wave_k(j);
        p.w = omega(j);
        const float theta = heading / 57.2957764f;
        p.kx = p.k * std::cos(theta);
        p.ky = p.k * std::sin(theta);
        p.amp = 1.414f * 0.5f * TPCM.SLPHT;
        const float dw = 0.001f * TPCM.DWATR;
        p.fcofs[0] = p.fcofs[1] = 1.0f / (TPCM.DISPL * p.k);
        p.fcofs[2] = 1.0f / (dw * TPCM.AWP);
        p.fcofs[3] = 1.0f / (std::fabs(HIMEM.GMT) * TPCM.DISPL * p.k);
        p.fcofs[4] = p.fcofs[5] = 1.0f / (std::fabs(HIMEM.GML) * TPCM.DISPL * p.k);
        return p;
    }
    // The normalised forces of the motion X (inertia forces plus the drag of X) and the RAOs they
    // give, through SUMALL and GETRAO called directly.
    static void forces_of_motion(const PeriodWave& p, const Complex* X, Complex* CRFRC, Complex* CRAO) {
        const float g = WAVCOM.G;
        const float dw = 0.001f * TPCM.DWATR;
        const Complex z(0.0f, 0.0f);
        Complex C[6] = {};
        SUMALL(C, C + 3, p.k, p.kx, p.ky, p.w, p.amp, p.amp, 0, dw, 0.0f, 0, z, z, z, z, z, z);
        SUMALL(C, C + 3, p.k, p.kx, p.ky, p.w, p.amp, p.amp, 1, dw * 0.5642f / g, 0.0f, 0, X[0], X[1], X[2], X[3],
               X[4], X[5]);
        const Himem& H = HIMEM;
        const float w2scal = g / std::pow(H.DELTA, 0.33333334f);
        GETRAO(C, p.fcofs, CRFRC, CRAO, H.WH, H.WP, H.WR, p.w, H.WH * H.WH, H.WP * H.WP, H.WR * H.WR, p.w * p.w,
               SIMCOM.GAMHV, SIMCOM.GAMPT, SIMCOM.GAMRL, w2scal, p.k, g / (1.0f + H.CSG), g / (1.0f + H.CSW),
               g * H.GML * H.DELTA / H.YAWI, 1.0f, 1.0f, 1.0f);
    }
    // The square-law case: drag coefficients on the column, a steep wave, the full iteration.
    static void square_law_case(float heading, const std::vector<float>& periods) {
        TPCM.CYLCD(1, 1) = 1.0f;
        TPCM.CYLCD(2, 1) = 1.0f;
        TPCM.SLPHT = 8.0f;
        build(periods);
        SIMCOM.GAMHV = SIMCOM.GAMPT = SIMCOM.GAMRL = 0.1f;
        TPCM.SQLFRC = 1;
        set_heading(heading);
    }
    // Every degree of the stored forces at period j: the RAOs they give (SEMRAO's formulas with no
    // user damping, which are GETRAO's) are a fixed point of the square-law map to 1 %, or small.
    static void expect_fixed_point(int j, float heading) {
        const PeriodWave p = wave_at(j, heading);
        Complex stored[6];
        for (int m = 1; m <= 6; ++m) stored[m - 1] = pool(m, j);
        Complex X[6], Y[6], scratch[6], forces[6];
        {
            // The RAOs of the stored forces.
            Complex C[6];
            for (int m = 0; m < 6; ++m) C[m] = stored[m] / p.fcofs[m];
            const Himem& H = HIMEM;
            const float g = WAVCOM.G;
            GETRAO(C, p.fcofs, scratch, X, H.WH, H.WP, H.WR, p.w, H.WH * H.WH, H.WP * H.WP, H.WR * H.WR, p.w * p.w,
                   SIMCOM.GAMHV, SIMCOM.GAMPT, SIMCOM.GAMRL, g / std::pow(H.DELTA, 0.33333334f), p.k,
                   g / (1.0f + H.CSG), g / (1.0f + H.CSW), g * H.GML * H.DELTA / H.YAWI, 1.0f, 1.0f, 1.0f);
            for (int m = 0; m < 6; ++m) EXPECT_NEAR(std::abs(scratch[m] - stored[m]), 0.0f, 1e-5f * std::abs(stored[m]) + 1e-12f);
        }
        forces_of_motion(p, X, forces, Y);
        for (int m = 0; m < 6; ++m) {
            const float amp = std::abs(X[m]) / (m >= 3 ? p.k : 1.0f);
            if (amp <= 0.001f) continue;
            EXPECT_LT(std::abs(X[m] - Y[m]) / std::abs(X[m]), 0.02f) << "period " << j << " dof " << m + 1;
            EXPECT_LT(std::abs(forces[m] - stored[m]) / std::abs(stored[m]), 0.02f) << "period " << j << " dof " << m + 1;
        }
    }
};

TEST_F(SemiForces, ResonancePassesTakeTheUsersDampingAndLeaveThePoolAlone) {
    build();
    TPCM.LRLDMP = TPCM.LPTDMP = TPCM.LHVDMP = 1;
    TPCM.RLDAMP = 4.0f;
    TPCM.PTDAMP = 6.0f;
    TPCM.HVDAMP = 1.5f;
    for (int i = 1; i <= 2000; ++i) HIMEM.CXDUM(i) = Complex(static_cast<float>(i), -1.0f);
    const std::vector<Complex> before(HIMEM.CXDUM.begin(), HIMEM.CXDUM.begin() + 2000);
    Int npass = 0;
    ASSERT_EQ(run_semfrc(npass), -1);
    EXPECT_EQ(npass, 2);
    EXPECT_FLOAT_EQ(SIMCOM.GAMRL, 0.08f);
    EXPECT_FLOAT_EQ(SIMCOM.GAMPT, 0.12f);
    EXPECT_FLOAT_EQ(SIMCOM.GAMHV, 0.03f);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), HIMEM.CXDUM.begin()));
    EXPECT_EQ(screen(), "");
}

// The heave pass against the deep-water heave force rho A a e^(-kT) (the bottom pressure) at the
// heave frequency, k from the dispersion relation: waves given by height (a = 1.414 H / 2) or by
// slope (a = 1.414 slope depth / kh), and a hull without heave restoring, whose pass runs at
// sqrt(g / DELTA^(1/3)).
TEST_F(SemiForces, QuasiLinearHeaveDampingFromTheDeepWaterHeaveForce) {
    struct Case {
        const char* what;
        Int lslpht;
        float slpht;
        bool no_restoring;
    };
    const Case cases[] = {
        {"height", 0, 4.0f, false},
        {"slope in degrees", 1, 3.0f, false},
        {"no heave restoring", 0, 4.0f, true},
    };
    for (const Case& c : cases) {
        reset_all();
        ColumnForcesTest::SetUp();
        TPCM.LSLPHT = c.lslpht;
        TPCM.SLPHT = c.slpht;
        build();
        if (c.no_restoring) HIMEM.WH = 0.0f;
        SIMCOM.CQHV = 2.5f;
        SIMCOM.CQRL = 3.0f;
        SIMCOM.CQPT = 4.0f;
        Int npass = 0;
        ASSERT_EQ(run_semfrc(npass), -1) << c.what;
        const double g = WAVCOM.G;
        const double wh = c.no_restoring ? std::sqrt(g / std::cbrt(static_cast<double>(HIMEM.DELTA)))
                                         : static_cast<double>(HIMEM.WH);
        const double kh = dispersion_kh(wh, kDepth, g);
        const double k = kh / kDepth;
        const double rho = 1.025;
        const double amp = c.lslpht == 0 ? 1.414 * 0.5 * static_cast<double>(c.slpht)
                                         : 1.414 * (static_cast<double>(c.slpht) / 57.2957764) * kDepth / kh;
        const double thv = rho * kArea * std::exp(-k * kDraft) * amp;
        const double masden = rho / g;
        const double expected =
            std::sqrt(static_cast<double>(kFac2) * 2.5 * thv) / (wh * static_cast<double>(HIMEM.HVMAS) * masden);
        EXPECT_NEAR(SIMCOM.GAMHV, expected, 2e-4 * expected) << c.what;
        // Roll and pitch were replaced from their start value 0.1 by their own passes.
        EXPECT_GT(SIMCOM.GAMRL, 0.0f) << c.what;
        EXPECT_NE(SIMCOM.GAMRL, 0.1f) << c.what;
        EXPECT_GT(SIMCOM.GAMPT, 0.0f) << c.what;
        EXPECT_NE(SIMCOM.GAMPT, 0.1f) << c.what;
    }
}

TEST_F(SemiForces, AllPeriodsPassStoresTheClosedFormForces) {
    build();
    set_heading(0.0f);
    ASSERT_EQ(all_periods(), -1);
    EXPECT_NEAR(HIMEM.SCALE(3), 1.025f * 50.265482f, 1e-3f);
    EXPECT_FLOAT_EQ(HIMEM.SDEPTH, 120.0f);
    EXPECT_FLOAT_EQ(WAVCOM.DWATRP(), 1.025f);
    EXPECT_EQ(HIMEM.IW, TPCM.NWP + 1);
    for (int j = 1; j <= TPCM.NWP; ++j) {
        const double kT = static_cast<double>(wave_k(j)) * kDraft;
        const std::complex<double> heave(std::exp(-kT), 0.0);
        const std::complex<double> surge(0.0, 2.0 * (1.0 - std::exp(-kT)) / kT);
        const Complex hv = pool(3, j);
        const Complex sg = pool(1, j);
        EXPECT_NEAR(hv.real(), heave.real(), 1e-4 * std::abs(heave)) << "period " << TPCM.T(j);
        EXPECT_NEAR(hv.imag(), heave.imag(), 1e-4 * std::abs(heave)) << "period " << TPCM.T(j);
        EXPECT_NEAR(sg.real(), surge.real(), 1e-4 * std::abs(surge)) << "period " << TPCM.T(j);
        EXPECT_NEAR(sg.imag(), surge.imag(), 1e-4 * std::abs(surge)) << "period " << TPCM.T(j);
    }
}

// The column's inertia forces through coefficient matrices that are not the identity, against the
// closed forms of a vertical column of draft T in deep water, head seas, unit wave at the column:
// along the wetted length the pressure head is e^(kz), so the bare horizontal force is
// Fx = i (1 - e^(-kT)), the vertical one Fz = -(1 - e^(-kT)), and the moment about the base
// (at z = -T) My = i (T - (1 - e^(-kT)) / k). The matrices act about the member's centre, half its
// length L up the axis (the member table's length, the wetted 25 and a little): the force becomes c Fx, the
// moment a (My - L/2 Fx) + L/2 c Fx; the
// waterplane adds 1 to the heave force and i k r^2/4 to the moment (the circle's own waterplane
// inertia per area); the hull's pitch moment adds (zb - VTCRP) times the force along x, zb the base
// above the keel. With identity matrices the shift to the centre cancels; here it does not.
TEST_F(SemiForces, ColumnPitchMomentThroughCoefficientMatricesInClosedForm) {
    build();
    const double c = 1.7, cz = 1.2, a = 0.6;
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) {
            SIMCOM.FRCCOF(i, j, 1) = 0.0f;
            SIMCOM.MNTCOF(i, j, 1) = 0.0f;
        }
    SIMCOM.FRCCOF(1, 1, 1) = static_cast<float>(c);
    SIMCOM.FRCCOF(2, 2, 1) = 2.3f;
    SIMCOM.FRCCOF(3, 3, 1) = static_cast<float>(cz);
    SIMCOM.MNTCOF(1, 1, 1) = 0.9f;
    SIMCOM.MNTCOF(2, 2, 1) = static_cast<float>(a);
    SIMCOM.MNTCOF(3, 3, 1) = 0.3f;
    const double area = 50.265482, T = kDraft, L = static_cast<double>(SIMCOM.CYLLEN(1)), r = 4.0;
    ASSERT_NEAR(L, T, 0.1);
    const double zb = 0.0 - static_cast<double>(HIMEM.VTCRP);  // base on the keel, lever from the pitch centre
    ASSERT_EQ(HIMEM.XCRPT, 0.0f);
    const std::complex<double> I(0.0, 1.0);
    for (int j = 1; j <= TPCM.NWP; j += 3) {
        const float kf = wave_k(j);
        const double k = static_cast<double>(kf), e = std::exp(-k * T);
        Complex C[6] = {};
        SUMALL(C, C + 3, kf, kf, 0.0f, omega(j), 1.0f, 1.0f, 0, 1.0f, 0.0f, 0, Complex{}, Complex{}, Complex{},
               Complex{}, Complex{}, Complex{});
        const std::complex<double> Fx = I * (1.0 - e), Fz = -(1.0 - e), My = I * (T - (1.0 - e) / k);
        const std::complex<double> surge = area * c * Fx;
        const std::complex<double> heave = area * (cz * Fz + 1.0);
        const std::complex<double> member = area * (a * (My - 0.5 * L * Fx) + 0.5 * L * c * Fx + I * k * r * r / 4.0);
        const std::complex<double> pitch = member + zb * surge;
        const double scale = std::abs(pitch);
        EXPECT_NEAR(std::abs(std::complex<double>(C[0]) - surge), 0.0, 1e-4 * std::abs(surge)) << TPCM.T(j);
        EXPECT_NEAR(std::abs(std::complex<double>(C[2]) - heave), 0.0, 1e-4 * std::abs(heave)) << TPCM.T(j);
        EXPECT_NEAR(std::abs(std::complex<double>(C[4]) - pitch), 0.0, 1e-4 * scale) << TPCM.T(j) << ": " << C[4]
                                                                                        << " against " << pitch;
    }
}

// With only the square-law driving forces the waterplane term goes: the heave force of the
// column is then the integral along the wetted length alone, e^(-kT) - 1.
TEST_F(SemiForces, DragOnlyDropsTheWaterplaneForce) {
    build();
    set_heading(0.0f);
    TPCM.DRAG_ONLY = 1;
    ASSERT_EQ(all_periods(), -1);
    for (int j = 1; j <= TPCM.NWP; ++j) {
        const double kT = static_cast<double>(wave_k(j)) * kDraft;
        const double heave = std::exp(-kT) - 1.0;
        EXPECT_NEAR(pool(3, j).real(), heave, 1e-4 * std::fabs(heave)) << "period " << TPCM.T(j);
        EXPECT_NEAR(pool(3, j).imag(), 0.0, 1e-4 * std::fabs(heave)) << "period " << TPCM.T(j);
    }
}

TEST_F(SemiForces, DragOfTheFixedVesselOnlyWithOptionTwo) {
    TPCM.CYLCD(1, 1) = 1.0f;
    TPCM.CYLCD(2, 1) = 1.0f;
    build();
    set_heading(30.0f);
    auto run = [](Int option) {
        TPCM.SQLFRC = option;
        EXPECT_EQ(all_periods(), -1);
        std::vector<Complex> out;
        for (int m = 1; m <= 6; ++m)
            for (int j = 1; j <= TPCM.NWP; ++j) out.push_back(pool(m, j));
        return out;
    };
    const std::vector<Complex> none = run(0);
    const std::vector<Complex> fixed = run(2);
    // The same hull without drag coefficients.
    TPCM.CYLCD(1, 1) = 0.0f;
    TPCM.CYLCD(2, 1) = 0.0f;
    reset_semi_characteristics();
    ASSERT_EQ(run_semchr(), -1);
    const std::vector<Complex> no_drag = run(2);
    const int n = TPCM.NWP;
    for (std::size_t i = 0; i < none.size(); ++i) EXPECT_NEAR(std::abs(none[i] - no_drag[i]), 0.0f, 1e-6f);
    for (int j = 0; j < n; ++j) {
        // Surge and sway take the drag at every period; heave (along the column) does not.
        for (int m : {0, 1}) {
            const std::size_t i = static_cast<std::size_t>(m * n + j);
            EXPECT_GT(std::abs(fixed[i] - none[i]), 1e-3f * std::abs(none[i])) << "mode " << m + 1 << " period " << j + 1;
        }
        const std::size_t hv = static_cast<std::size_t>(2 * n + j);
        EXPECT_NEAR(std::abs(fixed[hv] - none[hv]), 0.0f, 1e-6f);
    }
}

TEST_F(SemiForces, NewtonIterationEndsAtAFixedPoint) {
    square_law_case(45.0f, {6.0f, 9.0f, 12.0f, 16.0f});
    ASSERT_EQ(all_periods(), -1);
    EXPECT_EQ(screen(), "");
    for (int j = 1; j <= TPCM.NWP; ++j) expect_fixed_point(j, 45.0f);
}

TEST_F(SemiForces, NoConvergenceMessageAndAcceptAnswers) {
    square_law_case(90.0f, {12.0f});
    SEMI_FORCE_SEAMS.rel_err = 0.0f;
    answers(repeat("1\n", 6));
    ASSERT_EQ(all_periods(), -1);
    const std::string out = screen();
    EXPECT_EQ(out.find(no_convergence_block(" 100", " 90.0", " 12.0", 2)), 0u) << out;
    // Answer 1 takes the estimate of sway and moves on: the next degree asks at once, 100 more.
    EXPECT_NE(out.find(no_convergence_block(" 200", " 90.0", " 12.0", 3)), std::string::npos) << out;
    EXPECT_EQ(count_of(out, "DOF = 1"), 0u);
    EXPECT_NE(pool(2, 1), Complex(0.0f, 0.0f));
}

TEST_F(SemiForces, EmptyAnswerIteratesAHundredMore) {
    square_law_case(90.0f, {12.0f});
    SEMI_FORCE_SEAMS.rel_err = 0.0f;
    answers("\n" + repeat("1\n", 6));
    ASSERT_EQ(all_periods(), -1);
    const std::string out = screen();
    const std::size_t first = out.find(no_convergence_block(" 100", " 90.0", " 12.0", 2));
    ASSERT_EQ(first, 0u) << out;
    EXPECT_NE(out.find(no_convergence_block(" 200", " 90.0", " 12.0", 2), first + 1), std::string::npos) << out;
}

TEST_F(SemiForces, AbortAnswerAndSilentRunEndTheProgram) {
    square_law_case(90.0f, {12.0f});
    SEMI_FORCE_SEAMS.rel_err = 0.0f;
    answers("A\n");
    EXPECT_EQ(all_periods(), 1);
    EXPECT_EQ(count_of(screen(), " ++> Warning: No RAO convergence after"), 1u);

    TPCM.EDUNIT = SILENT_UNIT;
    answers("1\n");
    EXPECT_EQ(all_periods(), 1);
    EXPECT_NE(silent().find(" ++> Warning: No RAO convergence after  100 iterations for"), std::string::npos);
    EXPECT_EQ(silent().find(kAbortPrompt), std::string::npos);
    // Nothing was read: the answer is still there.
    EXPECT_EQ(read_keyboard_line(KBD_UNIT), "1");
}

TEST_F(SemiForces, UnrecognisedAnswerEndsWithTheQuestionsMessage) {
    square_law_case(90.0f, {12.0f});
    SEMI_FORCE_SEAMS.rel_err = 0.0f;
    answers("7\n\n");
    EXPECT_EQ(all_periods(), 1);
    EXPECT_NE(screen().find(" >>> Unrecognized option in ABORT3: 7"), std::string::npos);
}

TEST_F(SemiForces, NinetyNineEndsTheRaosAndShortensTheGrid) {
    square_law_case(90.0f, {10.0f, 11.0f, 12.0f});
    SEMI_FORCE_SEAMS.rel_err = 0.0f;
    // How many questions the first two periods ask when every answer is 1.
    answers(repeat("1\n", 40));
    ASSERT_EQ(all_periods(), -1);
    const std::string first = screen();
    const int asked = static_cast<int>(count_of(first, "wave period = 10.0") + count_of(first, "wave period = 11.0"));
    ASSERT_GT(asked, 0);

    for (int m = 1; m <= 6; ++m) pool(m, 3) = Complex(-7.0f, 7.0f);
    answers(repeat("1\n", asked) + "99\n");
    ASSERT_EQ(all_periods(), -1);
    EXPECT_EQ(TPCM.NWP, 2);
    EXPECT_EQ(WAVCOM.NW, 1);
    EXPECT_FLOAT_EQ(WAVCOM.TL, 11.0f);
    EXPECT_FLOAT_EQ(WAVCOM.TS, 10.0f);
    EXPECT_FLOAT_EQ(WAVCOM.G, 9.8f);
    for (int m = 1; m <= 6; ++m) EXPECT_EQ(pool(m, 3), Complex(-7.0f, 7.0f));
    EXPECT_NE(pool(2, 2), Complex(-7.0f, 7.0f));
}

TEST_F(SemiForces, NinetyNineThatLeavesFewerThanTwoPeriodsEndsTheProgram) {
    square_law_case(90.0f, {10.0f, 11.0f, 12.0f});
    SEMI_FORCE_SEAMS.rel_err = 0.0f;
    answers("99\n");
    EXPECT_EQ(all_periods(), 1);
    EXPECT_EQ(TPCM.NWP, 3);
}

TEST_F(SemiForces, SingularJacobianTakesTheFixedPointValue) {
    square_law_case(90.0f, {12.0f});
    SEMI_FORCE_SEAMS.singular_jacobian = true;
    TPCM.EDUNIT = SILENT_UNIT;
    ASSERT_EQ(all_periods(), -1) << silent();
    EXPECT_NE(silent().find("\n ++> Warning: singular solution matrix in SEMFRC; error index =  1\n"),
              std::string::npos);
    EXPECT_EQ(silent().find("No RAO convergence"), std::string::npos);
    // A singular step is never taken as converged: the hundred iterations it may spend run out
    // (one warning each, and one more) before the convergence test accepts the fixed point.
    EXPECT_EQ(count_of(silent(), " ++> Warning: singular solution matrix in SEMFRC"), 101u);
    expect_fixed_point(1, 90.0f);
}

TEST_F(SemiForces, SingularJacobianAsksToAbort) {
    square_law_case(90.0f, {12.0f});
    SEMI_FORCE_SEAMS.singular_jacobian = true;
    answers("A\n");
    EXPECT_EQ(all_periods(), 1);
    EXPECT_EQ(screen(), std::string("\n ++> Warning: singular solution matrix in SEMFRC; error index =  1\n") +
                            kQuestion);
}

// A horizontal submerged member described from either end, with identity coefficients: the same
// inertia force and moment, and the same drag under a motion with every rotation in it.
TEST_F(SemiForces, MemberFromEitherEndGivesTheSameForces) {
    TPCM.EDUNIT = SILENT_UNIT;
    TPCM.NCYL = 1;
    TPCM.DEPTH = 200.0f;
    TPCM.MEMDIR(1) = 4;
    TPCM.TOPTYP(1) = 1;
    TPCM.XAREA(1) = 2.0f;
    TPCM.CYLCD(3, 1) = 0.0f;
    HIMEM.EDRAFT = 25.0f;
    HIMEM.VTCRP = 9.0f;
    HIMEM.VTCRR = 11.0f;
    HIMEM.XCRPT = 1.5f;
    HIMEM.XCRYW = -2.0f;
    SIMCOM.CYLLEN(1) = 10.0f;
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 3; ++j) {
            SIMCOM.FRCCOF(i, j, 1) = i == j ? 1.0f : 0.0f;
            SIMCOM.MNTCOF(i, j, 1) = i == j ? 1.0f : 0.0f;
        }
        SIMCOM.DRGFCF(i, 1) = 0.7f;
    }
    const float k = 0.05f;
    const float theta = 30.0f / 57.2957764f;
    const Complex X[6] = {{0.3f, 0.1f}, {0.0f, 0.2f}, {0.5f, 0.0f}, {0.02f, 0.01f}, {0.0f, 0.03f}, {0.01f, 0.0f}};
    auto forces = [&](float x0, float dx, int drag) {
        TPCM.RCYLB(1, 1) = x0;
        TPCM.RCYLB(2, 1) = 3.0f;
        TPCM.RCYLB(3, 1) = 10.0f;
        SIMCOM.DIRVEC(1, 1) = dx;
        SIMCOM.DIRVEC(2, 1) = 0.0f;
        SIMCOM.DIRVEC(3, 1) = 0.0f;
        std::vector<Complex> C(6, Complex(0.0f, 0.0f));
        SUMALL(C.data(), C.data() + 3, k, k * std::cos(theta), k * std::sin(theta), 0.7f, 1.5f, 1.5f, drag,
               drag ? 0.05f : 1.025f, 0.0f, 0, X[0], X[1], X[2], X[3], X[4], X[5]);
        return C;
    };
    for (int drag : {0, 1}) {
        const std::vector<Complex> forward = forces(0.0f, 1.0f, drag);
        const std::vector<Complex> backward = forces(10.0f, -1.0f, drag);
        float scale = 0.0f;
        for (const Complex& c : forward) scale = std::max(scale, std::abs(c));
        ASSERT_GT(scale, 0.0f);
        for (int m = 0; m < 6; ++m)
            EXPECT_NEAR(std::abs(forward[static_cast<std::size_t>(m)] - backward[static_cast<std::size_t>(m)]), 0.0f,
                        2e-4f * scale)
                << (drag ? "drag" : "inertia") << " dof " << m + 1 << ": " << forward[static_cast<std::size_t>(m)]
                << " against " << backward[static_cast<std::size_t>(m)];
    }
}

TEST_F(SemiForces, AsymmetryWarningOncePerRun) {
    place_column(0.0f, 10.0f);
    TPCM.VKMT = 16.66f;
    build();
    answers("\n\n");
    Int npass = 0;
    ASSERT_EQ(run_semfrc(npass), -1);
    const std::string warning = std::string("\n ++> WARNING: This simulation does not rigorously support ") +
                                "Semisubmersibles\n" + "              lacking bilateral (port-starboard) " +
                                "symmetry; proceed with caution\n" + kQuestion;
    EXPECT_EQ(screen(), warning);
    npass = 0;
    ASSERT_EQ(run_semfrc(npass), -1);
    EXPECT_EQ(screen(), warning);
}

TEST_F(SemiForces, AsymmetryAbortEndsTheProgram) {
    place_column(0.0f, 10.0f);
    build();
    answers("a\n");
    Int npass = 0;
    EXPECT_EQ(run_semfrc(npass), 1);
}

TEST_F(SemiForces, SymmetricTwinColumnsRaiseNoWarning) {
    TwinColumnTest::SetUp();  // the two columns at y = +-20 again
    reset_semi_forces();
    TPCM.NOWARN = 1;
    TPCM.DEPTH = 3000.0f;
    TPCM.SLPHT = 4.0f;
    ASSERT_EQ(run_semchr(), -1);
    set_grid({8.0f});
    Int npass = 0;
    ASSERT_EQ(run_semfrc(npass), -1);
    EXPECT_EQ(screen(), "");
}

}  // namespace
}  // namespace brevant::testing

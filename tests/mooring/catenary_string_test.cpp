// Catenary string dynamics against the single-degree-of-freedom oscillator: the catenary mass between
// the elastic spring KELAS and the catenary spring KRAT KELAS, driven through the elastic spring, with
// the drag linearised to G x. Its response ratio is the positive root of G^2 x^4 + beta'^2 x^2 - 1 = 0
// and its response CXTEND / (beta' + i G x), computed here in double precision, on both sides of the
// catenary resonance.
#include "mooring/morlib/catenary_string.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <string>
#include <vector>

#include "sysutl/program_end.h"
#include "sysutl/units.h"
#include "test_support.h"

namespace brevant {
namespace {

using CD = std::complex<double>;

struct Input {
    Real WFREQ;
    Complex CXTEND;
    Real CATMASQ, CQUAD, KRAT, KELAS;
    Int CREATR = 16;
    Real SIGCAT = 0.0f, PARITQ = 1.0f;
};

struct Output {
    Complex CYCAT, CYELAS;
    Real CQCNST = 42.0f, XCAT = -1.0f;
};

Output run(const Input& in, bool nonlinear = false, Int ioscrn = SCREEN_UNIT, Int line = 7) {
    Output o;
    o.CYCAT = o.CYELAS = Complex(-9.0f, -9.0f);
    CATSTR(in.WFREQ, in.CXTEND, in.SIGCAT, in.PARITQ, in.CATMASQ, in.CQUAD, o.CYCAT, o.CYELAS, in.KRAT, in.KELAS,
           o.CQCNST, o.XCAT, ioscrn, KBD_UNIT, nonlinear ? 1 : 0, in.CREATR, line);
    return o;
}

struct Oscillator {
    double CQCNST, beta, G, x;
    CD cycat;
};
// The oscillator in double precision from the same inputs (drag constant 8 / (3 pi), or 1.2).
Oscillator oscillator(const Input& in) {
    const double w = in.WFREQ, A = std::abs(CD(in.CXTEND.real(), in.CXTEND.imag()));
    const double c = in.CREATR == 17 ? 1.2 : 8.0 / (3.0 * 3.14159265358979);
    Oscillator o{};
    o.CQCNST = c * A * w * static_cast<double>(in.CQUAD);
    o.beta = static_cast<double>(in.KRAT) + 1.0 - w * w * static_cast<double>(in.CATMASQ) / static_cast<double>(in.KELAS);
    o.G = o.CQCNST * w / static_cast<double>(in.KELAS);
    const double b2 = o.beta * o.beta;
    o.x = std::sqrt(2.0 / (b2 + std::sqrt(b2 * b2 + 4.0 * o.G * o.G)));
    o.cycat = CD(in.CXTEND.real(), in.CXTEND.imag()) / CD(o.beta, o.G * o.x);
    return o;
}

void expect_near(Complex got, CD want, double tol, const std::string& what) {
    EXPECT_NEAR(static_cast<double>(got.real()), want.real(), tol) << what;
    EXPECT_NEAR(static_cast<double>(got.imag()), want.imag(), tol) << what;
}

class CatenaryString : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tmpcm2();
    }
    void TearDown() override {
        reset_tmpcm2();
        ConsoleTest::TearDown();
    }
};

TEST_F(CatenaryString, LinearResponseIsTheSingleMassOscillator) {
    struct Case {
        const char* name;
        Input in;
    };
    const std::vector<Case> cases = {
        {"below resonance", {0.6f, {0.5f, -0.2f}, 2.0f, 3.0f, 0.4f, 10.0f}},
        {"creator 17", {0.6f, {0.5f, -0.2f}, 2.0f, 3.0f, 0.4f, 10.0f, 17}},
        {"above resonance", {1.5f, {0.5f, -0.2f}, 10.0f, 0.1f, 0.2f, 1.0f}},
        {"above resonance, heavy drag", {2.0f, {1.0f, 0.0f}, 1.0f, 0.2f, 1.0f, 1.0f}},
        {"light damping, first-order ratio", {0.5f, {1.0f, 0.0f}, 1.0f, 0.05f, 1.0f, 10.0f}},
        {"no drag", {0.5f, {0.3f, 0.4f}, 4.0f, 0.0f, 0.5f, 2.0f}},
        {"no drag, above resonance", {1.5f, {0.3f, 0.4f}, 4.0f, 0.0f, 0.5f, 2.0f}},
        // beta' = 1 + 1 - 1 2 / 1 = 0 exactly: the drag alone holds the ratio, 1 / sqrt(G).
        {"at resonance", {1.0f, {1.0f, 0.0f}, 2.0f, 0.5f, 1.0f, 1.0f}},
    };
    // The ratio's formula, sqrt((sqrt(4 G^2 / beta'^4 + 1) - 1) / 2) in single precision, cancels
    // for moderate damping: a few parts in 1e5.
    for (const Case& c : cases) {
        const Oscillator want = oscillator(c.in);
        const Output o = run(c.in);
        EXPECT_NEAR(o.CQCNST, want.CQCNST, 1e-6 * want.CQCNST) << c.name;
        EXPECT_NEAR(o.XCAT, want.x, 3e-5 * want.x) << c.name;
        const double scale = std::abs(CD(c.in.CXTEND.real(), c.in.CXTEND.imag()));
        expect_near(o.CYCAT, want.cycat, 3e-5 * scale, c.name);
        // The elastic stretch takes the rest of the fairlead motion.
        expect_near(o.CYCAT + o.CYELAS, CD(c.in.CXTEND.real(), c.in.CXTEND.imag()), 1e-6 * scale, c.name);
    }
}

TEST_F(CatenaryString, NumbersOfTheWorkedCases) {
    const Output o = run({0.6f, {0.5f, -0.2f}, 2.0f, 3.0f, 0.4f, 10.0f});
    EXPECT_NEAR(o.CQCNST, 0.8227922f, 1e-6f);
    EXPECT_NEAR(o.XCAT, 0.7527174f, 1e-5f);
    EXPECT_NEAR(o.CYCAT.real(), 0.3720006f, 1e-5f);
    EXPECT_NEAR(o.CYCAT.imag(), -0.1610116f, 1e-5f);
    EXPECT_NEAR(o.CYELAS.real(), 0.1279994f, 1e-5f);
    EXPECT_NEAR(o.CYELAS.imag(), -0.0389884f, 1e-5f);
    const Output o17 = run({0.6f, {0.5f, -0.2f}, 2.0f, 3.0f, 0.4f, 10.0f, 17});
    EXPECT_NEAR(o17.CQCNST, 0.8227922f * 1.2f / 0.848826f, 1e-5f);
    // Past the resonance the catenary moves against the fairlead (beta' = -2).
    const Output above = run({2.0f, {1.0f, 0.0f}, 1.0f, 0.2f, 1.0f, 1.0f});
    EXPECT_NEAR(above.CYCAT.real(), -0.486365f, 1e-5f);
    EXPECT_NEAR(above.CYCAT.imag(), -0.081434f, 1e-5f);
}

TEST_F(CatenaryString, LimitsOfTheStiffnessRatio) {
    for (const bool nonlinear : {false, true}) {
        const Output rigid = run({0.6f, {0.5f, -0.2f}, 2.0f, 3.0f, 2e5f, 10.0f}, nonlinear);
        EXPECT_EQ(rigid.CYELAS, Complex(0.5f, -0.2f));
        EXPECT_EQ(rigid.CYCAT, Complex(0.0f, 0.0f));
        EXPECT_EQ(rigid.XCAT, 0.0f);
        EXPECT_NEAR(rigid.CQCNST, 0.8227922f, 1e-6f);
        const Output slack = run({0.6f, {0.5f, -0.2f}, 2.0f, 3.0f, 0.0f, 10.0f}, nonlinear);
        EXPECT_EQ(slack.CYCAT, Complex(0.5f, -0.2f));
        EXPECT_EQ(slack.CYELAS, Complex(0.0f, 0.0f));
        EXPECT_EQ(slack.XCAT, 1.0f);
        EXPECT_NEAR(slack.CQCNST, 0.8227922f, 1e-6f);
    }
    // No elastic spring: the fairlead motion is all stretch, the limit of a vanishing KELAS.
    const Output loose = run({0.6f, {0.5f, -0.2f}, 2.0f, 3.0f, 0.4f, 0.0f}, true);
    EXPECT_EQ(loose.CYELAS, Complex(0.5f, -0.2f));
    EXPECT_EQ(loose.CYCAT, Complex(0.0f, 0.0f));
    EXPECT_EQ(loose.XCAT, 0.0f);
    // No fairlead motion: nothing moves, and the drag constant is left as it was.
    const Output still = run({0.6f, {0.0f, 0.0f}, 2.0f, 3.0f, 0.4f, 10.0f}, true);
    EXPECT_EQ(still.CYCAT, Complex(0.0f, 0.0f));
    EXPECT_EQ(still.CYELAS, Complex(0.0f, 0.0f));
    EXPECT_EQ(still.XCAT, 0.0f);
    EXPECT_EQ(still.CQCNST, 42.0f);
    EXPECT_EQ(screen(), "");
}

TEST_F(CatenaryString, NonlinearPassWithoutAmplitudeStiffnessFindsTheLinearRatio) {
    for (const Input& in : {Input{0.6f, {0.5f, -0.2f}, 2.0f, 3.0f, 0.4f, 10.0f},
                            Input{1.5f, {0.5f, -0.2f}, 10.0f, 0.1f, 0.2f, 1.0f}}) {
        const Output linear = run(in);
        const Output o = run(in, true);
        const Oscillator want = oscillator(in);
        EXPECT_NEAR(o.XCAT, linear.XCAT, 1e-4f);
        EXPECT_NEAR(TMPCM2.BETACP, want.beta, 1e-6 * std::fabs(want.beta));
        EXPECT_NEAR(TMPCM2.GMCOEF, want.G * want.G, 1e-5 * want.G * want.G);
        EXPECT_EQ(TMPCM2.DELCOF, 0.0f);
        // The single-mass response with the ratio found, on both sides of the resonance.
        const CD X(in.CXTEND.real(), in.CXTEND.imag());
        const double x = static_cast<double>(o.XCAT);
        expect_near(o.CYCAT, X / CD(want.beta, want.G * x), 2e-3 * std::abs(X), "catenary");
        // The elastic stretch of the nonlinear pass: CYCAT (KRAT + i g), g from the linear ratio.
        const CD cy(o.CYCAT.real(), o.CYCAT.imag());
        expect_near(o.CYELAS, cy * CD(in.KRAT, static_cast<double>(linear.XCAT) * want.G), 1e-5 * std::abs(X),
                    "stretch");
    }
    EXPECT_EQ(screen(), "");
}

TEST_F(CatenaryString, NonlinearPassWithAmplitudeStiffness) {
    // delta = |SIGCAT A / KELAS|: the ratio x = 1 / |beta' + delta x + i G x|, within the search's
    // tolerances; the phase that of 1 / (beta' + delta x + i G x).
    struct Case {
        Input in;
        Real PARITQ;
    };
    for (const Case& c : {Case{{0.6f, {0.5f, -0.2f}, 2.0f, 3.0f, 0.4f, 10.0f, 16, 5.0f}, -1.0f},
                          Case{{1.5f, {0.5f, -0.2f}, 10.0f, 0.1f, 0.2f, 1.0f, 16, 3.0f}, 1.0f}}) {
        Input in = c.in;
        in.PARITQ = c.PARITQ;
        const Output linear = run(in);
        const Output o = run(in, true);
        const Oscillator want = oscillator(in);
        const CD X(in.CXTEND.real(), in.CXTEND.imag());
        const double A = std::abs(X), x = static_cast<double>(o.XCAT);
        const double delta = std::fabs(static_cast<double>(in.SIGCAT) * A / static_cast<double>(in.KELAS));
        const CD z(want.beta + delta * x, want.G * x);
        EXPECT_NEAR(x * std::abs(z), 1.0, 1e-3);
        expect_near(o.CYCAT, x * X * std::polar(1.0, -std::arg(z)), 1e-3 * A, "catenary");
        const double q = static_cast<double>(in.KRAT) +
                         static_cast<double>(c.PARITQ * in.SIGCAT) * A * x / static_cast<double>(in.KELAS);
        const CD cy(o.CYCAT.real(), o.CYCAT.imag());
        expect_near(o.CYELAS, cy * CD(q, static_cast<double>(linear.XCAT) * want.G), 1e-5 * A, "stretch");
    }
}

TEST_F(CatenaryString, RatioBeyondTheSearchEndsTheRun) {
    struct Case {
        Input in;
        Int line;
        const char* message;
    };
    const std::vector<Case> cases = {
        // beta' near 0.1 with little drag: the ratio, near 10, lies beyond 1.5.
        {{0.6f, {0.1f, 0.0f}, 2.7777777f, 0.01f, 0.1f, 1.0f},
         123,
         " ++> Error return (IER = 2; Line #123; Period =  10.47) from RTMI in CATSTR... "},
        // Undamped exactly at the resonance: the ratio is unbounded, even in the linear pass.
        {{1.0f, {1.0f, 0.0f}, 2.0f, 0.0f, 1.0f, 1.0f}, 7,
         " ++> Error return (IER = 2; Line #  7; Period =   6.28) from RTMI in CATSTR... "},
    };
    for (const Case& c : cases) {
        clear_captured(SCREEN_UNIT);
        answers("\n");
        try {
            run(c.in, c.line == 123, SCREEN_UNIT, c.line);
            ADD_FAILURE() << "the run should end";
        } catch (const ProgramEnd& e) {
            EXPECT_EQ(e.status, 1);
        }
        EXPECT_EQ(screen(), std::string("\n") + c.message + "\n\n \n Press <RETURN> to continue: ");
    }
    // On the silent unit the message is written and nothing is waited for.
    try {
        run(cases[1].in, false, SILENT_UNIT, 7);
        ADD_FAILURE() << "the run should end";
    } catch (const ProgramEnd& e) {
        EXPECT_EQ(e.status, 1);
    }
    EXPECT_EQ(silent(), std::string("\n") + cases[1].message + "\n\n");
}

TEST_F(CatenaryString, NultmpVanishesAtTheRatio) {
    TMPCM2 = {1.328f, 0.0025f, 0.3f};
    Real x = 0.0f;
    EXPECT_EQ(NULTMP(x), 1.0f);
    // 1 - x^2 ((0.3 x + 1.328)^2 + 0.0025 x^2) at x = 0.5.
    x = 0.5f;
    EXPECT_NEAR(NULTMP(x), 1.0 - 0.25 * (1.478 * 1.478 + 0.0025 * 0.25), 1e-6);
}

}  // namespace
}  // namespace brevant

// MEMFRC against independent values: the deep-water closed form of a vertical column, and
// double-precision integrals of minus the pressure-head gradient (and of its moment about the base)
// for inclined, horizontal and piercing members; the drag integral of a rigidly translating member
// and a double-precision Simpson sum of |V| (u - v) in waves; the Simpson count and its diagnostic
// answer; the two once-per-run wave-period warnings; a finite result where e^(aL) would overflow;
// the waves too short for the drag integration, refused.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <limits>
#include <string>

#include "e2e/e2e_support.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"
#include "test_support.h"
#include "vessels/semi/member_forces.h"

namespace brevant {
namespace {

using e2e::count_of;
using cd = std::complex<double>;

// Arguments of one call, with the defaults of a caller in this system.
struct Call {
    float LEN = 20.0f;
    float RBASE[3] = {0.0f, 0.0f, -20.0f};
    float DIRMEM[3] = {0.0f, 0.0f, 1.0f};
    float KX = 0.0f, KY = 0.0f, WVK = 0.1f, WDEPTH = 1000.0f;
    int EDUNIT = SILENT_UNIT, NBUG = 0, WETELM = 0;
    float VCUR2 = 0.0f;
    Complex BASVEL[3] = {};
    int DRGFLG = 0;
    Complex DELPHI{}, DELTHA{};
    float WFREQ = 1.0f;
    float EXTAMP = 1.0f, WVAMP = 1.0f;
    bool GET_TOP_DRAG = true;

    Complex CFORCE[3], CMOMT[3], CWPFRC, CQDBOT, CQDTOP;
    int PIERCE = -7;

    bool run() {
        return MEMFRC(LEN, RBASE, DIRMEM, KX, KY, WVK, WDEPTH, CFORCE, CMOMT, EDUNIT, NBUG, WETELM, VCUR2, BASVEL, DRGFLG,
               DELPHI, DELTHA, WFREQ, KBD_UNIT, EXTAMP, WVAMP, PIERCE, CWPFRC, GET_TOP_DRAG, CQDBOT, CQDTOP);
    }
};

// Pressure head of the unit wave, cosh(kz + kd')/cosh(kd') e^(-i(kx x + ky y)), and minus its
// gradient, in double precision.
struct Wave {
    double kx, ky, k, kdp;
    cd phase(const double* r) const { return std::exp(cd(0.0, -(kx * r[0] + ky * r[1]))); }
    void minus_gradient(const double* r, cd* f) const {
        const cd e = phase(r);
        const double ch = std::cosh(k * r[2] + kdp) / std::cosh(kdp);
        const double sh = std::sinh(k * r[2] + kdp) / std::cosh(kdp);
        f[0] = cd(0.0, kx) * ch * e;
        f[1] = cd(0.0, ky) * ch * e;
        f[2] = -k * sh * e;
    }
    // Horizontal and vertical particle velocity per unit amplitude at frequency w.
    void velocity(const double* r, double w, cd* u) const {
        const cd e = phase(r);
        const double ch = std::cosh(k * r[2] + kdp) / std::sinh(kdp);
        const double sh = std::sinh(k * r[2] + kdp) / std::sinh(kdp);
        u[0] = w * ch * e * (kx / k);
        u[1] = w * ch * e * (ky / k);
        u[2] = cd(0.0, w) * sh * e;
    }
};

Wave wave_of(const Call& c) {
    return {c.KX, c.KY, c.WVK, std::min(static_cast<double>(c.WVK) * static_cast<double>(c.WDEPTH), 70.0)};
}

// Integral of minus the gradient over s in [s0, s1] along the member, and its moment about RBASE,
// by Simpson's rule on 20000 intervals in double precision.
void reference_inertia(const Call& c, double s0, double s1, cd* F, cd* M) {
    const Wave w = wave_of(c);
    const int N = 20000;
    const double h = (s1 - s0) / N;
    for (int j = 0; j < 3; ++j) F[j] = M[j] = 0.0;
    for (int p = 0; p <= N; ++p) {
        const double s = s0 + p * h;
        const double wt = (p == 0 || p == N) ? 1.0 : (p % 2 ? 4.0 : 2.0);
        double r[3], a[3];
        for (int j = 0; j < 3; ++j) {
            a[j] = s * static_cast<double>(c.DIRMEM[j]);
            r[j] = static_cast<double>(c.RBASE[j]) + a[j];
        }
        cd f[3];
        w.minus_gradient(r, f);
        const cd m[3] = {a[1] * f[2] - a[2] * f[1], a[2] * f[0] - a[0] * f[2], a[0] * f[1] - a[1] * f[0]};
        for (int j = 0; j < 3; ++j) {
            F[j] += wt * h / 3.0 * f[j];
            M[j] += wt * h / 3.0 * m[j];
        }
    }
}

double norm3(const cd* v) { return std::sqrt(std::norm(v[0]) + std::norm(v[1]) + std::norm(v[2])); }

void expect_vector_near(const Complex* actual, const cd* expected, double rel, const char* what) {
    const double scale = norm3(expected);
    for (int j = 0; j < 3; ++j) {
        EXPECT_NEAR(actual[j].real(), expected[j].real(), rel * scale) << what << " " << j;
        EXPECT_NEAR(actual[j].imag(), expected[j].imag(), rel * scale) << what << " " << j;
    }
}

class MemberForces : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_member_forces();
    }
    void TearDown() override {
        reset_member_forces();
        ConsoleTest::TearDown();
    }
};

TEST_F(MemberForces, SubmergedVerticalColumnInDeepWaterMatchesTheClosedForm) {
    Call c;
    c.WVK = 0.08f;
    c.KX = 0.08f * std::cos(0.5f);
    c.KY = 0.08f * std::sin(0.5f);
    c.run();
    EXPECT_EQ(c.PIERCE, 0);
    const double k = 0.08, L = 20.0, f = 1.0 - std::exp(-k * L);
    const cd F[3] = {cd(0, std::cos(0.5)) * f, cd(0, std::sin(0.5)) * f, -f};
    const double m = L - f / k;
    const cd M[3] = {cd(0, -std::sin(0.5)) * m, cd(0, std::cos(0.5)) * m, 0.0};
    expect_vector_near(c.CFORCE, F, 1e-5, "CFORCE");
    expect_vector_near(c.CMOMT, M, 1e-5, "CMOMT");
    EXPECT_NEAR(c.CFORCE[0].imag(), 0.7004017, 1e-5);
    EXPECT_NEAR(c.CFORCE[2].real(), -0.7981035, 1e-5);
    EXPECT_NEAR(c.CMOMT[0].imag(), -4.805621, 5e-5);
    EXPECT_NEAR(c.CMOMT[1].imag(), 8.796630, 5e-5);
    EXPECT_EQ(c.CWPFRC, Complex(0.0f, 0.0f));
}

TEST_F(MemberForces, InertiaIntegralsAgainstDoublePrecisionQuadrature) {
    struct Case {
        const char* what;
        float LEN, base[3], dir[3], k, heading, depth;
        int pierce;
    };
    const Case cases[] = {
        {"inclined, submerged", 25.0f, {1.0f, 2.0f, -30.0f}, {0.6f, 0.0f, 0.8f}, 0.05f, 0.3f, 60.0f, 0},
        // k.n = 0: the singular limits.
        {"horizontal, normal to the waves", 30.0f, {0.0f, 0.0f, -10.0f}, {1.0f, 0.0f, 0.0f}, 0.05f, 1.5707964f, 60.0f,
         0},
        {"horizontal, along the waves", 30.0f, {0.0f, 3.0f, -10.0f}, {1.0f, 0.0f, 0.0f}, 0.05f, 0.0f, 60.0f, 0},
        {"piercing upward", 30.0f, {1.0f, 2.0f, -15.0f}, {0.6f, 0.0f, 0.8f}, 0.05f, 0.3f, 60.0f, 1},
        {"piercing downward", 20.0f, {0.0f, 1.0f, 5.0f}, {0.6f, 0.0f, -0.8f}, 0.07f, 2.0f, 40.0f, -1},
        {"shallow water, vertical", 8.0f, {2.0f, 0.0f, -10.0f}, {0.0f, 0.0f, 1.0f}, 0.02f, 0.7f, 12.0f, 0},
    };
    for (const Case& cs : cases) {
        SCOPED_TRACE(cs.what);
        Call c;
        c.LEN = cs.LEN;
        for (int j = 0; j < 3; ++j) {
            c.RBASE[j] = cs.base[j];
            c.DIRMEM[j] = cs.dir[j];
        }
        c.WVK = cs.k;
        c.KX = cs.k * std::cos(cs.heading);
        c.KY = cs.k * std::sin(cs.heading);
        c.WDEPTH = cs.depth;
        c.run();
        EXPECT_EQ(c.PIERCE, cs.pierce);
        // Only the part below still water counts.
        double s0 = 0.0, s1 = cs.LEN;
        if (cs.pierce != 0) {
            const double sw = -static_cast<double>(cs.base[2]) / static_cast<double>(cs.dir[2]);
            (cs.pierce == 1 ? s1 : s0) = sw;
        }
        cd F[3], M[3];
        reference_inertia(c, s0, s1, F, M);
        expect_vector_near(c.CFORCE, F, 1e-4, "CFORCE");
        expect_vector_near(c.CMOMT, M, 1e-4, "CMOMT");
        if (cs.pierce != 0) {
            const double sw = -static_cast<double>(cs.base[2]) / static_cast<double>(cs.dir[2]);
            const double rw[3] = {static_cast<double>(cs.base[0]) + sw * static_cast<double>(cs.dir[0]),
                                  static_cast<double>(cs.base[1]) + sw * static_cast<double>(cs.dir[1]), 0.0};
            const cd expected = wave_of(c).phase(rw) / std::fabs(static_cast<double>(cs.dir[2]));
            EXPECT_NEAR(c.CWPFRC.real(), expected.real(), 1e-5);
            EXPECT_NEAR(c.CWPFRC.imag(), expected.imag(), 1e-5);
        } else {
            EXPECT_EQ(c.CWPFRC, Complex(0.0f, 0.0f));
        }
    }
}

TEST_F(MemberForces, MemberAboveStillWaterGivesNothing) {
    Call c;
    c.RBASE[2] = 2.0f;
    c.KX = 0.1f;
    c.CFORCE[0] = Complex(5.0f, 5.0f);
    c.run();
    EXPECT_EQ(c.PIERCE, 0);
    for (int j = 0; j < 3; ++j) {
        EXPECT_EQ(c.CFORCE[j], Complex(0.0f, 0.0f));
        EXPECT_EQ(c.CMOMT[j], Complex(0.0f, 0.0f));
    }
}

TEST_F(MemberForces, DownwardMemberBeyondTheFloatRangeStaysFinite) {
    // k |d3| L = 99: e^(aL) alone would overflow single precision.
    Call c;
    c.LEN = 99.0f;
    c.RBASE[2] = -1.0f;
    c.DIRMEM[2] = -1.0f;
    c.WVK = 1.0f;
    c.KX = 1.0f;
    c.WDEPTH = 100.0f;
    c.run();
    for (int j = 0; j < 3; ++j) {
        EXPECT_TRUE(std::isfinite(c.CFORCE[j].real()) && std::isfinite(c.CFORCE[j].imag()));
        EXPECT_TRUE(std::isfinite(c.CMOMT[j].real()) && std::isfinite(c.CMOMT[j].imag()));
    }
    cd F[3], M[3];
    reference_inertia(c, 0.0, 99.0, F, M);
    expect_vector_near(c.CFORCE, F, 1e-4, "CFORCE");
    // The second wave-period warning went to the silent console.
    EXPECT_EQ(count_of(silent(), "MAY exceed IEEE precision in MEMFRC."), 1u);
}

TEST_F(MemberForces, RigidTranslationDragHasItsClosedForm) {
    Call c;
    c.DRGFLG = 1;
    c.WVAMP = 0.0f;
    c.EXTAMP = 2.0f;
    c.DIRMEM[0] = 0.6f;
    c.DIRMEM[2] = 0.8f;
    c.LEN = 12.0f;
    c.KX = 0.1f;
    const Complex v0[3] = {Complex(1.0f, 0.5f), Complex(-0.3f, 0.0f), Complex(0.0f, 0.2f)};
    for (int j = 0; j < 3; ++j) c.BASVEL[j] = v0[j];
    c.run();
    const double speed2 = std::norm(cd(1.0, 0.5)) + 0.09 + 0.04;
    const double V = std::sqrt(0.5 * 4.0 * speed2);
    for (int j = 0; j < 3; ++j) {
        EXPECT_NEAR(c.CFORCE[j].real(), -12.0 * V * static_cast<double>(v0[j].real()), 1e-4);
        EXPECT_NEAR(c.CFORCE[j].imag(), -12.0 * V * static_cast<double>(v0[j].imag()), 1e-4);
    }
    const cd ndotv = 0.6 * cd(1.0, 0.5) + 0.8 * cd(0.0, 0.2);
    EXPECT_NEAR(c.CQDBOT.real(), -V * ndotv.real(), 1e-5);
    EXPECT_NEAR(c.CQDBOT.imag(), -V * ndotv.imag(), 1e-5);
    EXPECT_NEAR(c.CQDTOP.real(), -V * ndotv.real(), 1e-5);

    // At rest, with no wave and no current: nothing.
    Call rest = c;
    for (auto& v : rest.BASVEL) v = Complex(0.0f, 0.0f);
    rest.run();
    for (int j = 0; j < 3; ++j) EXPECT_EQ(rest.CFORCE[j], Complex(0.0f, 0.0f));
    EXPECT_EQ(rest.CQDBOT, Complex(0.0f, 0.0f));
}

TEST_F(MemberForces, DragInWavesAgainstADoublePrecisionSimpsonSum) {
    Call c;
    c.DRGFLG = 1;
    c.LEN = 30.0f;
    c.RBASE[0] = 1.0f;
    c.RBASE[2] = -25.0f;
    c.DIRMEM[0] = 0.6f;
    c.DIRMEM[2] = 0.8f;
    c.WVK = 0.3f;
    c.KX = 0.3f * std::cos(0.4f);
    c.KY = 0.3f * std::sin(0.4f);
    c.WDEPTH = 50.0f;
    c.WFREQ = 1.7f;
    c.VCUR2 = 0.5f;
    c.EXTAMP = c.WVAMP = 1.5f;
    c.BASVEL[0] = Complex(0.2f, 0.1f);
    c.BASVEL[2] = Complex(0.0f, -0.3f);
    c.DELPHI = Complex(0.01f, 0.02f);
    c.DELTHA = Complex(-0.015f, 0.0f);
    c.run();
    // k L = 9: 7 points.
    const Wave w = wave_of(c);
    const int N = 7;
    const double L = 30.0, h = L / (N - 1), om = 1.7, d1 = 0.6, d3 = 0.8;
    const cd rot[3] = {cd(0, om) * d3 * cd(0.01, 0.02), -cd(0, om) * cd(-0.015, 0.0), -cd(0, om) * d1 * cd(0.01, 0.02)};
    cd F[3] = {}, M[3] = {}, bottom, top;
    for (int p = 1; p <= N; ++p) {
        const double s = (p - 1) * h;
        const double r[3] = {1.0 + s * d1, 0.0, -25.0 + s * d3};
        cd u[3], v[3];
        w.velocity(r, om, u);
        double sum = 0.5;
        for (int j = 0; j < 3; ++j) {
            v[j] = cd(c.BASVEL[j]) + s * rot[j];
            sum += 0.5 * std::norm(1.5 * u[j] - 1.5 * v[j]);
        }
        const double Vr = std::sqrt(sum);
        const double wt = (p == 1 || p == N) ? 1.0 : (p % 2 == 0 ? 4.0 : 2.0);
        cd D[3];
        for (int j = 0; j < 3; ++j) {
            D[j] = h / 3.0 * wt * Vr * (u[j] - v[j]);
            F[j] += D[j];
        }
        M[0] += -s * d3 * D[1];
        M[1] += s * (d3 * D[0] - d1 * D[2]);
        M[2] += s * d1 * D[1];
        const cd axial = Vr * (d1 * (u[0] - v[0]) + d3 * (u[2] - v[2]));
        if (p == 1) bottom = axial;
        if (p == N) top = axial;
    }
    expect_vector_near(c.CFORCE, F, 1e-5, "CFORCE");
    expect_vector_near(c.CMOMT, M, 1e-5, "CMOMT");
    EXPECT_NEAR(std::abs(cd(c.CQDBOT) - bottom), 0.0, 1e-5 * std::abs(bottom));
    EXPECT_NEAR(std::abs(cd(c.CQDTOP) - top), 0.0, 1e-5 * std::abs(top));
}

// Simpson points of one drag pass, counted by their diagnostic lines.
int simpson_points(const std::string& text) { return static_cast<int>(count_of(text, " DELQ,QLEN,VREL2,")); }

TEST_F(MemberForces, SimpsonCountAndTheDiagnosticAnswer) {
    struct Case {
        float k;
        const char* answer;
        int points;
    };
    const Case cases[] = {
        {0.395f, "\n", 5},  // k L 7.9
        {0.4f, "\n", 7},    // k L 8.0
        {0.5f, "\n", 9},    // k L 10
        {0.1f, "9\n", 9},   {0.1f, "4\n", 5}, {0.1f, "B\n", 5}, {0.1f, "1\n", 5},
    };
    for (const Case& cs : cases) {
        SCOPED_TRACE(cs.answer);
        SetUp();
        Call c;
        c.DRGFLG = 1;
        c.NBUG = 1;
        c.EDUNIT = SCREEN_UNIT;
        c.WVK = cs.k;
        c.KX = cs.k;
        c.BASVEL[0] = Complex(1.0f, 0.0f);
        answers(cs.answer);
        c.run();
        EXPECT_NE(screen().find(" IN MEMFRC; drag calculation.\n"), std::string::npos);
        EXPECT_EQ(count_of(screen(), " Input NSIMP: "), 1u);
        EXPECT_EQ(simpson_points(screen()), cs.points);
    }
}

bool all_finite(const Complex* v) {
    for (int j = 0; j < 3; ++j)
        if (!std::isfinite(v[j].real()) || !std::isfinite(v[j].imag())) return false;
    return true;
}

// The drag integral takes a wave while its count of points, about k L, stays within 2^17 (a
// horizontal member just below the water line: no exponent grows along it), and while its sums stay
// in the float range (a column from 25 m down to the water line, whose e^(kz) term starts from the
// held exponent of the base); beyond either it reports, and the caller names the frequency.
TEST_F(MemberForces, DragWavesTooShortForTheIntegrationAreReported) {
    struct Case {
        const char* what;
        float k, LEN, z0, d1, d3;
        bool taken;
    };
    const float at_bound = 131072.0f / 32.0f;  // k L exactly 2^17
    const Case cases[] = {
        {"horizontal, k L 2^17", at_bound, 32.0f, -0.001f, 1.0f, 0.0f, true},
        {"horizontal, k L one float above 2^17", std::nextafter(at_bound, 1.0e9f), 32.0f, -0.001f, 1.0f, 0.0f, false},
        {"horizontal, k L 1e9", 3.0e7f, 32.0f, -1.0e-7f, 1.0f, 0.0f, false},
        {"horizontal, k L 1e9, deeper than 30 / k: dropped", 3.0e7f, 32.0f, -0.001f, 1.0f, 0.0f, true},
        {"column, k |z0| 50 below the held 70", 2.0f, 25.0f, -25.0f, 0.0f, 1.0f, true},
        {"column, k |z0| 2500: e^(kz) leaves the float range", 100.0f, 25.0f, -25.0f, 0.0f, 1.0f, false},
    };
    for (const Case& cs : cases) {
        SCOPED_TRACE(cs.what);
        SetUp();
        answers(std::string(10, '\n'));
        Call c;
        c.DRGFLG = 1;
        c.LEN = cs.LEN;
        c.RBASE[2] = cs.z0;
        c.DIRMEM[0] = cs.d1;
        c.DIRMEM[2] = cs.d3;
        c.WVK = cs.k;
        c.KX = cs.k;
        c.WFREQ = std::sqrt(9.81f * cs.k);
        c.BASVEL[0] = Complex(0.1f, 0.0f);
        EXPECT_EQ(c.run(), cs.taken);
        if (cs.taken) {
            EXPECT_TRUE(all_finite(c.CFORCE) && all_finite(c.CMOMT));
        }
        EXPECT_EQ(member_drag_points_resolvable(cs.k, cs.LEN), cs.k * cs.LEN <= 131072.0f);
    }
    EXPECT_FALSE(member_drag_points_resolvable(std::nanf(""), 1.0f));
    EXPECT_FALSE(member_drag_points_resolvable(std::numeric_limits<float>::infinity(), 1.0f));
}

TEST_F(MemberForces, WavePeriodWarningsOncePerRun) {
    // A submerged portion with k |d3| L = 75: the second warning, and the first switch spent silently.
    Call c;
    c.EDUNIT = SCREEN_UNIT;
    c.LEN = 100.0f;
    c.RBASE[2] = -100.0f;
    c.WVK = 0.75f;
    c.KX = 0.75f;
    c.WDEPTH = 200.0f;
    c.WFREQ = 2.7f;
    answers("\n");
    c.run();
    const std::string expected = std::string("\n\n") + " ++> WARNING: A (wave period, submerged element length) combination\n" +
                                 "              of ( 2.33,   100.00) MAY exceed IEEE precision in MEMFRC.\n" +
                                 "              Subdivide element or increase minimum wave period\n\n";
    EXPECT_EQ(screen().substr(0, expected.size()), expected);
    EXPECT_EQ(count_of(screen(), "to abort or Press <RETURN> to continue: "), 1u);
    // Again, and then an above-water portion above 2: neither warning, nothing asked.
    const std::string before = screen();
    c.run();
    Call above;
    above.EDUNIT = SCREEN_UNIT;
    above.RBASE[2] = 1.0f;
    above.LEN = 10.0f;
    above.WETELM = 3;
    above.WVK = 0.5f;
    above.KX = 0.5f;
    above.run();
    EXPECT_EQ(screen(), before);
}

TEST_F(MemberForces, FirstWarningForAnAboveWaterPortionAndAbort) {
    Call above;
    above.EDUNIT = SCREEN_UNIT;
    above.RBASE[2] = 1.0f;
    above.LEN = 10.0f;
    above.WETELM = 3;
    above.WVK = 0.5f;
    above.KX = 0.5f;
    above.WFREQ = 2.2f;
    answers("A\n");
    int status = -1;
    try {
        above.run();
    } catch (const ProgramEnd& e) {
        status = e.status;
    }
    EXPECT_EQ(status, 1);  // the run ends unfinished: no success
    const std::string expected = std::string("\n\n") + " ++> WARNING: A (wave period, above-water element length)\n" +
                                 " combination of ( 2.86,    10.00) may exaggerate member forces.\n" +
                                 " Subdivide element, increase minimum wave period or deactivate\n" +
                                 " submerged member option.\n\n";
    EXPECT_EQ(screen().substr(0, expected.size()), expected);
}

TEST_F(MemberForces, AxisOutOfThePlaneIsWarnedAndTheCallGoesOn) {
    Call c;
    c.EDUNIT = SCREEN_UNIT;
    c.DIRMEM[1] = 0.1f;
    answers("\n");
    c.run();
    const std::string expected = "\n\n ++> WARNING: Elemental unit vector out of member plane in MEMFRC.\n\n";
    EXPECT_EQ(screen().substr(0, expected.size()), expected);
    EXPECT_EQ(c.PIERCE, 0);
}

TEST_F(MemberForces, DeepPortionIsDroppedOnlyWhenWhollyBelowTheCutOff) {
    struct Case {
        float base, len;
        bool dropped;
    };
    // k = 1: the cut-off lies 30 below still water.
    const Case cases[] = {{-40.0f, 5.0f, true}, {-40.0f, 20.0f, false}, {-31.0f, 0.5f, true}, {-29.0f, 5.0f, false}};
    for (const Case& cs : cases) {
        SCOPED_TRACE(cs.len);
        reset_member_forces();
        Call c;
        c.RBASE[2] = cs.base;
        c.LEN = cs.len;
        c.WVK = 1.0f;
        c.KX = 1.0f;
        c.WDEPTH = 100.0f;
        c.DRGFLG = 1;
        c.VCUR2 = 1.0f;
        c.BASVEL[0] = Complex(1.0f, 0.0f);
        c.run();
        EXPECT_EQ(c.CFORCE[0] == Complex(0.0f, 0.0f), cs.dropped);
    }
}

}  // namespace
}  // namespace brevant

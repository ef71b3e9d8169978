// The point-motion report: the kinematics against closed forms (through the records it files), the
// line axes and ball-hinge components, the line-end groups, the page layout, the statistics series
// with and without speed, the pause that shows a page again, the read failure and the point count.
#include "veslib/point_motion_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <functional>
#include <string>
#include <vector>

#include "motion_stats_fixture.h"
#include "numeric/algebra.h"
#include "sysutl/fortran_format.h"
#include "sysutl/binary_records.h"
#include "sysutl/report_files.h"
#include "veslib/motion_export.h"
#include "veslib/motion_phase2.h"

namespace brevant {
namespace {

using Rec = std::vector<Complex>;

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> out;
    std::size_t from = 0;
    while (from < text.size()) {
        const auto nl = text.find('\n', from);
        if (nl == std::string::npos) {
            out.push_back(text.substr(from));
            break;
        }
        out.push_back(text.substr(from, nl - from));
        from = nl + 1;
    }
    return out;
}

// One binary record as read back: its byte count and its words as complex pairs (or the raw words).
struct Read {
    std::size_t bytes = 0;
    std::vector<std::byte> raw;
    Rec values() const {
        BinaryRecord r;
        r.assign(raw);
        Rec out;
        while (r.bytes_left() >= 8) {
            const Real re = r.get_real();
            const Real im = r.get_real();
            out.emplace_back(re, im);
        }
        return out;
    }
};

class PointMotion : public testing::MotionStatsTest {
protected:
    void SetUp() override {
        MotionStatsTest::SetUp();
        capture_unit(DISK_UNIT);
        TPCM.IUNIT = DISK_UNIT;
        WAVCOM.IRAO = 1;
        WAVCOM.NRAO = 1;
        HIMEM.RAOANG(1) = 30.0f;
        HIMEM.LFRFLG = 4;
        HIMEM.LOCSIG = HIMEM.LCNDSP;
        HIMEM.LSKIP = 1;
        TPCM.NEGSUM = 0;
        HIMEM.VTCRR = 4.0f;
        HIMEM.VTCRP = 6.0f;
        TPCM.DRAFT = 8.0f;
        HIMEM.IUNX = kCompanionUnit;
    }
    // The six RAOs at frequency index i (1-based): S, W, H, R, P, Y.
    static void raos(const std::function<std::array<Complex, 6>(int)>& f) {
        for (int i = 1; i <= TPCM.NWP; ++i) {
            const auto v = f(i);
            HIMEM.CXDUM(HIMEM.LCNSG + i - 1) = v[0];
            HIMEM.CXDUM(HIMEM.LCNSWY + i - 1) = v[1];
            HIMEM.CXDUM(HIMEM.LCNHV + i - 1) = v[2];
            HIMEM.CXDUM(HIMEM.LCNROL + i - 1) = v[3];
            HIMEM.CXDUM(HIMEM.LCNPIT + i - 1) = v[4];
            HIMEM.CXDUM(HIMEM.LCNYAW + i - 1) = v[5];
        }
    }
    static Real w(int i) { return HIMEM.RLDUM(HIMEM.LCNW + i - 1); }
    static Real k(int i) { return HIMEM.RLDUM(HIMEM.LCNWK + i - 1); }
    void points(const std::vector<std::array<Real, 3>>& p) {
        NACC = static_cast<Int>(p.size());
        for (std::size_t i = 0; i < p.size() && i < 149; ++i)
            for (int c = 0; c < 3; ++c) RACC(c + 1, static_cast<int>(i) + 1) = p[i][static_cast<std::size_t>(c)];
    }
    // The line-angle file: NLIN, then the (ANGLAT, ANGVRT) records given.
    static void line_angles(const std::vector<std::pair<Real, Real>>& angles) {
        RHOPEN("LINEANG", 0, 0, 0, kLineAngleUnit, "TEST", SCREEN_UNIT, 5);
        BinaryRecord n;
        n.add_int(static_cast<Int>(angles.size()));
        write_binary_record(kLineAngleUnit, n);
        for (const auto& [lat, vrt] : angles) {
            BinaryRecord r;
            r.add_real(lat).add_real(vrt);
            write_binary_record(kLineAngleUnit, r);
        }
        HCLOSE(kLineAngleUnit, "LINEANG", "TEST", SCREEN_UNIT);
    }
    // Runs ACCOUT with the files its mode needs open, and returns the point-motion file's records.
    std::vector<Read> run() {
        if (TPCM.ISPM > 1) RHOPEN("LINEANG", 0, 1, 0, kLineAngleUnit, "TEST", SCREEN_UNIT, 5);
        if (TPCM.ISPM == 3) RHOPEN("EXCHANGE", 0, 1, 0, kCompanionUnit, "TEST", SCREEN_UNIT, 5);
        if (TPCM.ISPM != 0) RHOPEN("PTMOTION", 0, 0, 0, kExportUnit, "TEST", SCREEN_UNIT, 5);
        ACCOUT(NACC, RACC);
        if (TPCM.ISPM > 1) HCLOSE(kLineAngleUnit, "LINEANG", "TEST", SCREEN_UNIT);
        if (TPCM.ISPM == 3) HCLOSE(kCompanionUnit, "EXCHANGE", "TEST", SCREEN_UNIT);
        std::vector<Read> out;
        if (TPCM.ISPM == 0) return out;
        HCLOSE(kExportUnit, "PTMOTION", "TEST", SCREEN_UNIT);
        RHOPEN("PTMOTION", 0, 1, 0, kExportUnit, "TEST", SCREEN_UNIT, 5);
        BinaryRecord r;
        while (read_binary_record(kExportUnit, r) == RecordRead::Ok) out.push_back({r.bytes().size(), r.bytes()});
        HCLOSE(kExportUnit, "PTMOTION", "TEST", SCREEN_UNIT);
        return out;
    }
    static Real series(int s, int i) { return HIMEM.RLDUM(HIMEM.LACRAO + (s - 1) * HIMEM.NARRAY + i - 1); }
    std::vector<std::string> report() const { return lines_of(captured(DISK_UNIT)); }
    std::vector<Real> blocks() const {
        std::vector<Real> v;
        for (Int l = HIMEM.LCNACC; l < HIMEM.LCNDSP + (HIMEM.LCNHNG - HIMEM.LCNVEL); ++l) v.push_back(HIMEM.RLDUM(l));
        return v;
    }
    static void near(Complex a, Complex b, Real tol, const char* what) {
        EXPECT_NEAR(a.real(), b.real(), tol) << what;
        EXPECT_NEAR(a.imag(), b.imag(), tol) << what;
    }
    Int NACC = 0;
    FArray<Real, 3, 149> RACC{};
    testing::ScratchDir dir;
};

const Complex S0(0.3f, -0.2f), W0(-0.15f, 0.4f), H0(0.9f, 0.1f), R0(0.02f, -0.01f), P0(-0.03f, 0.015f),
    Y0(0.01f, 0.025f);

TEST_F(PointMotion, DisplacementLeverHeightsAndTheRecordsOfMode1) {
    grid(5.0f, 2.0f, 3);
    raos([](int) { return std::array<Complex, 6>{S0, W0, H0, R0, P0, Y0}; });
    points({{0.0f, 0.0f, 2.5f}, {0.0f, 0.0f, 6.0f}, {0.0f, 0.0f, 4.0f}, {7.0f, -3.0f, 11.0f}});
    TPCM.ISPM = 1;
    const auto recs = run();
    // Heading record, then per frequency the four points (two pages of two).
    ASSERT_EQ(recs.size(), 1u + 2u * 3u * 2u);
    EXPECT_EQ(recs[0].bytes, 20u);
    BinaryRecord h;
    h.assign(recs[0].raw);
    EXPECT_EQ(h.get_int(), 1);
    h.get_int();
    h.get_int();
    EXPECT_EQ(h.get_int(), 0);
    EXPECT_FLOAT_EQ(h.get_real(), 30.0f / 57.2957763671875f);
    for (std::size_t r = 1; r < recs.size(); ++r) {
        EXPECT_EQ(recs[r].bytes, 48u);
        const Rec v = recs[r].values();
        near(v[3], R0, 0.0f, "R");
        near(v[4], Y0, 0.0f, "Y");
        near(v[5], P0, 0.0f, "P");
    }
    // Page 1, frequency 1: points 1 and 2.
    near(recs[1].values()[2], H0, 1e-7f, "Dz at x = y = 0 is heave");
    near(recs[2].values()[0], S0, 1e-7f, "Dx at the pitch centre is surge");
    // Page 2, frequency 1: point 3 at the roll centre, point 4 general.
    near(recs[7].values()[1], W0, 1e-7f, "Dy at the roll centre is sway");
    const Rec g = recs[8].values();
    near(g[0], S0 + (11.0f - 6.0f) * P0 - (-3.0f) * Y0, 1e-6f, "Dx");
    near(g[1], W0 + 7.0f * Y0 - (11.0f - 4.0f) * R0, 1e-6f, "Dy");
    near(g[2], H0 + (-3.0f) * R0 - 7.0f * P0, 1e-6f, "Dz");
}

TEST_F(PointMotion, RelativeMotionVanishesWhenTheVesselFollowsTheWaveAndDecaysWithDepth) {
    grid(6.0f, 3.0f, 4);
    const Real b = 30.0f / 57.2957763671875f;
    raos([&](int i) {
        const Real f = k(i) * WAVCOM.G / (w(i) * w(i));
        return std::array<Complex, 6>{Complex(0.0f, -f * std::cos(b)), Complex(0.0f, -f * std::sin(b)),
                                      Complex(1.0f, 0.0f), {}, {}, {}};
    });
    points({{0.0f, 0.0f, 8.0f}, {0.0f, 0.0f, 3.0f}});
    TPCM.ISPM = 1;
    TPCM.LGAP = 1;
    auto recs = run();
    for (int i = 0; i < 4; ++i) {
        const Rec d = recs[static_cast<std::size_t>(1 + 2 * i)].values();
        EXPECT_LT(std::abs(d[0]) + std::abs(d[1]) + std::abs(d[2]), 1e-6f);
    }
    // Below the draft the wave term is scaled by exp(k (z - T)); above it LGAP 2 is LGAP 1.
    TPCM.LGAP = 2;
    recs = run();
    for (int i = 1; i <= 4; ++i) {
        const Real c = std::exp(k(i) * (3.0f - 8.0f));
        const Rec d = recs[static_cast<std::size_t>(2 * i)].values();
        const Real f = k(i) * WAVCOM.G / (w(i) * w(i));
        near(d[2], Complex(1.0f - c, 0.0f), 1e-6f, "Dz");
        near(d[0], Complex(0.0f, -f * std::cos(b) * (1.0f - c)), 1e-5f, "Dx");
        const Rec top = recs[static_cast<std::size_t>(2 * i - 1)].values();
        EXPECT_LT(std::abs(top[2]), 1e-6f);
    }
}

TEST_F(PointMotion, VelocityAndAccelerationAreBuiltFromThePointsOwnDisplacement) {
    grid(5.0f, 1.0f, 3);
    // A zero frequency at index 1: acceleration (g P, -g R, 0), and relative motion stays finite.
    HIMEM.RLDUM(HIMEM.LCNW) = 0.0f;
    HIMEM.RLDUM(HIMEM.LCNWK) = 0.0f;
    raos([](int) { return std::array<Complex, 6>{S0, W0, H0, R0, P0, Y0}; });
    points({{2.0f, 1.0f, 9.0f}});
    TPCM.ISPM = 1;
    TPCM.LGAP = 1;
    const auto disp = run();
    for (const Complex c : disp[1].values()) EXPECT_TRUE(std::isfinite(c.real()) && std::isfinite(c.imag()));
    TPCM.LGAP = 0;
    const auto d0 = run();
    TPCM.LGAP = 1;
    HIMEM.LFRFLG = 3;
    const auto vel = run();
    HIMEM.LFRFLG = 2;
    const auto acc = run();
    const Real g = WAVCOM.G;
    near(acc[1].values()[0], g * P0, 1e-6f, "ax at zero frequency");
    near(acc[1].values()[1], -g * R0, 1e-6f, "ay at zero frequency");
    near(acc[1].values()[2], Complex{}, 0.0f, "az at zero frequency");
    for (int i = 2; i <= 3; ++i) {
        const Rec D = d0[static_cast<std::size_t>(i)].values();
        const Rec V = vel[static_cast<std::size_t>(i)].values();
        const Rec A = acc[static_cast<std::size_t>(i)].values();
        const Real we = w(i);
        for (std::size_t c = 0; c < 3; ++c) near(V[c], Complex(0.0f, we) * D[c], 1e-6f, "velocity");
        near(A[0], we * we * D[0] + g * P0, 1e-5f, "ax");
        near(A[1], we * we * D[1] - g * R0, 1e-5f, "ay");
        near(A[2], we * we * D[2], 1e-5f, "az");
    }
}

TEST_F(PointMotion, OnePointVelocityPageInEnglishUnits) {
    TPCM.NUNTS = 0;
    grid(10.0f, 1.0f, 1);
    const Real om = w(1);
    // V = i w D0 for a point with no rotation: D0 = V / (i w).
    const Complex vx = std::polar(1.25f, -179.6f / 57.2957763671875f);
    const Complex vz = std::polar(0.5f, 89.99f / 57.2957763671875f);
    raos([&](int) {
        return std::array<Complex, 6>{vx / Complex(0.0f, om), Complex{}, vz / Complex(0.0f, om), {}, {}, {}};
    });
    points({{-12.5f, 3.0f, 0.5f}});
    TPCM.ALLRAO = 1;
    HIMEM.LFRFLG = 3;
    run();
    const auto lines = report();
    std::size_t t = 0;
    while (t < lines.size() && lines[t] != "         +++  VELOCITY RAOS IN FT/SEC PER UNIT WAVE AMP. (S.A./S.A.)  +++") ++t;
    ASSERT_LT(t + 12, lines.size()) << captured(DISK_UNIT);
    const std::vector<std::string> expected = {
        "",
        "",
        "          ----     COORDINATES     ----",
        "            (  -12.5,    3.0,     .5)",
        "",
        "",
        "  WAVE      X COMP      Y COMP      Z COMP",
        " PERIOD    AM/PHASE    AM/PHASE    AM/PHASE  ",
        "  (SEC)",
        "",
        "",
        "  10.00  1.250/-179   .000/  90   .500/  89",
    };
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[t + 1 + i], expected[i]) << i;
    EXPECT_EQ(lines.size(), t + 1 + expected.size());
}

TEST_F(PointMotion, TwoPointPagesAndTheTitlesOfEachKind) {
    grid(8.0f, 1.0f, 2);
    raos([](int) { return std::array<Complex, 6>{S0, W0, H0, R0, P0, Y0}; });
    points({{1.0f, 2.0f, 3.0f}, {-4.0f, 5.0f, 6.0f}, {0.0f, 0.0f, 1.0f}});
    TPCM.ALLRAO = 1;
    struct Case {
        Int LFRFLG, LGAP, NUNTS;
        const char* title;
    };
    const Case cases[] = {
        {2, 0, 1, "     +++  ACCELERATION RAOS IN M./SEC**2 PER UNIT WAVE AMP. (S.A./S.A.)  +++"},
        {4, 0, 1, "        +++   DISPLACEMENT RAOS IN  M. PER UNIT WAVE AMP. (S.A./S.A.)  +++"},
        {4, 1, 0, "        +++ RELATIVE MOTION RAOS IN FT PER UNIT WAVE AMP. (S.A./S.A.)  +++"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        capture_unit(DISK_UNIT);
        HIMEM.LFRFLG = c.LFRFLG;
        TPCM.LGAP = c.LGAP;
        TPCM.NUNTS = c.NUNTS;
        run();
        const std::string out = captured(DISK_UNIT);
        EXPECT_EQ(testing::count_of(out, c.title), 2u) << out;
        EXPECT_EQ(testing::count_of(out, "          ----     COORDINATES     ----       ----     COORDINATES     ----"), 1u);
        EXPECT_EQ(testing::count_of(out, "            (    1.0,    2.0,    3.0)           (   -4.0,    5.0,    6.0)"), 1u);
        EXPECT_EQ(testing::count_of(out, " PERIOD    AM/PHASE    AM/PHASE    AM/PHASE    AM/PHASE    AM/PHASE    AM/PHASE\n"),
                  1u);
        // Two rows of 79 characters on page 1, two of 43 on page 2.
        std::size_t wide = 0, narrow = 0;
        for (const auto& l : report()) {
            const bool row = l.size() > 15 && l[14] == '/';
            if (row && l.size() == 79) ++wide;
            if (row && l.size() == 43) ++narrow;
        }
        EXPECT_EQ(wide, 2u);
        EXPECT_EQ(narrow, 2u);
    }
    // The print test: neither ALLRAO nor (LRAO and LMOTN) prints nothing.
    capture_unit(DISK_UNIT);
    TPCM.ALLRAO = 0;
    HIMEM.LRAO(1) = 1;
    TPCM.LMOTN = 0;
    run();
    EXPECT_EQ(captured(DISK_UNIT), "");
    TPCM.LMOTN = 1;
    run();
    EXPECT_NE(captured(DISK_UNIT), "");
}

TEST_F(PointMotion, LineAxesAreOrthonormalAndKeepTheLengthOfTheMotion) {
    grid(5.0f, 1.5f, 4);
    raos([](int i) {
        const Real s = static_cast<Real>(i);
        return std::array<Complex, 6>{S0 * s, W0, H0 / s, R0, P0 * s, Y0};
    });
    points({{3.0f, -2.0f, 10.0f}, {0.0f, 0.0f, 0.0f}});
    TPCM.ISPM = 2;
    TPCM.SIMTYP = 16;
    struct Angles {
        Real lat, vrt;
    };
    for (const Angles a : {Angles{0.4f, 2.1f}, Angles{-2.5f, 1.3f}, Angles{1.0f, 3.0f}}) {
        SCOPED_TRACE(a.vrt);
        line_angles({{a.lat, a.vrt}, {0.0f, 0.0f}});
        const auto recs = run();
        // Heading record, then the first point's 72-byte record per frequency.
        ASSERT_EQ(recs.size(), 5u);
        for (int i = 1; i <= 4; ++i) {
            const Rec v = recs[static_cast<std::size_t>(i)].values();
            ASSERT_EQ(recs[static_cast<std::size_t>(i)].bytes, 72u);
            const Real s = static_cast<Real>(i);
            const Complex D[3] = {S0 * s + (10.0f - 6.0f) * P0 * s + 2.0f * Y0, W0 + 3.0f * Y0 - 6.0f * R0,
                                  H0 / s - 2.0f * R0 - 3.0f * P0 * s};
            const Real d2 = std::norm(D[0]) + std::norm(D[1]) + std::norm(D[2]);
            EXPECT_NEAR(std::norm(v[0]) + std::norm(v[1]) + std::norm(v[2]), d2, 1e-5f * d2);
            const Real t2 = std::norm(R0) + std::norm(P0 * s) + std::norm(Y0);
            EXPECT_NEAR(std::norm(v[6]) + std::norm(v[7]) + std::norm(v[8]), t2, 1e-5f * t2);
            // The axial component is along the tangent away from the anchor (-RUNIT).
            const Real ru[3] = {std::sin(a.vrt) * std::cos(a.lat), std::sin(a.vrt) * std::sin(a.lat), std::cos(a.vrt)};
            near(v[2], -(ru[0] * D[0] + ru[1] * D[1] + ru[2] * D[2]), 1e-5f, "axial");
            // y' is horizontal and normal to the line plane: (-sin lat, cos lat, 0) for a line leaning out.
            near(v[1], -std::sin(a.lat) * D[0] + std::cos(a.lat) * D[1], 1e-5f, "y'");
            // x' = y' x z' completes a right-handed set.
            const Real yp[3] = {-std::sin(a.lat), std::cos(a.lat), 0.0f};
            const Real zp[3] = {-ru[0], -ru[1], -ru[2]};
            const Real xp[3] = {yp[1] * zp[2] - yp[2] * zp[1], yp[2] * zp[0] - yp[0] * zp[2], yp[0] * zp[1] - yp[1] * zp[0]};
            near(v[0], xp[0] * D[0] + xp[1] * D[1] + xp[2] * D[2], 1e-5f, "x'");
        }
    }
}

TEST_F(PointMotion, VerticalLineAndStretchTypeAndTheTurnThroughHeel) {
    grid(5.0f, 1.0f, 2);
    raos([](int) { return std::array<Complex, 6>{S0, W0, H0, {}, {}, {}}; });
    points({{0.0f, 0.0f, 0.0f}});
    TPCM.SIMTYP = 16;
    TPCM.ISPM = 2;
    line_angles({{0.7f, 0.0f}});
    auto recs = run();
    // Straight up: y' = (0, 1, 0), x' = (-1, 0, 0), z' = (0, 0, -1).
    Rec v = recs[1].values();
    near(v[0], -S0, 0.0f, "x'");
    near(v[1], W0, 0.0f, "y'");
    near(v[2], -H0, 0.0f, "z'");
    // Type 14 with the stretch coefficients at zero: the axial part takes only -RUNIT(3) Dz.
    TPCM.SIMTYP = 14;
    line_angles({{0.7f, 1.0f}});
    recs = run();
    near(recs[1].values()[2], -std::cos(1.0f) * H0, 1e-6f, "axial of type 14");
    // A heel of 5 degrees turns the printed line-axis vector and keeps its length.
    TPCM.SIMTYP = 16;
    line_angles({{0.7f, 1.0f}});
    recs = run();
    const Rec flat = recs[1].values();
    const Real flat_y = series(2, 1);
    TPCM.HEELDG = 5.0f;
    set_ROTVES(0.0f, 5.0f);
    line_angles({{0.7f, 1.0f}});
    TPCM.ALLRAO = 1;
    recs = run();
    // Both passes carry the earth-vertical note, framed by empty lines.
    EXPECT_EQ(testing::count_of(captured(DISK_UNIT),
                                "\n\n >>> Note: Coordinates are relative to an earth-vertical global system with\n"
                                "     origin at keel level below the plan-view waterplane centroid of the\n"
                                "     untrimmed vessel. Vectorial motion components are in a rotated r.h.\n"
                                "     system with (x,z) in plane of line, z upwards along line tangent.\n\n"),
              2u);
    TPCM.ALLRAO = 0;
    EXPECT_EQ(recs[1].values(), flat);  // the record is the line-axis vector before the turn
    const Real n2 = std::norm(flat[0]) + std::norm(flat[1]) + std::norm(flat[2]);
    EXPECT_NEAR(series(1, 1) + series(2, 1) + series(3, 1), n2, 1e-5f * n2);
    EXPECT_GT(std::abs(series(2, 1) - flat_y), 1e-4f);
    // Modes 0 and 1 keep the vessel-axis vector whatever the heel.
    for (Int ispm : {0, 1}) {
        TPCM.ISPM = ispm;
        run();
        EXPECT_FLOAT_EQ(series(1, 1), std::norm(S0));
        EXPECT_FLOAT_EQ(series(2, 1), std::norm(W0));
        EXPECT_FLOAT_EQ(series(3, 1), std::norm(H0));
    }
}

TEST_F(PointMotion, Mode7PrintsVesselAxesAndStillRunsTheBallHingePass) {
    grid(5.0f, 1.0f, 2);
    raos([](int) { return std::array<Complex, 6>{S0, W0, H0, R0, P0, Y0}; });
    points({{0.0f, 0.0f, 0.0f}});
    HIMEM.VTCRR = 0.0f;
    HIMEM.VTCRP = 0.0f;
    TPCM.ISPM = 7;
    TPCM.ALLRAO = 1;
    line_angles({{0.0f, 0.0f}});
    const auto recs = run();
    ASSERT_EQ(recs.size(), 1u);  // the heading record only
    const std::string out = captured(DISK_UNIT);
    EXPECT_EQ(testing::count_of(out, "        +++   DISPLACEMENT RAOS IN  M. PER UNIT WAVE AMP. (S.A./S.A.)  +++"), 1u);
    EXPECT_EQ(testing::count_of(out, "     +++  BALL HINGE RAOS (HA_ves) IN DEG. PER UNIT WAVE AMP. (S.A./S.A.) +++"), 1u);
    EXPECT_EQ(testing::count_of(out, " >>> Notes: Coordinates in the vessel system."), 2u);
    // Hinge series (three series after the first pass's) in degrees squared: vertical line, so
    // x' = -x, y' = y, z' = -z applied to (R, P, Y).
    const Real d = 57.2957763671875f;
    EXPECT_FLOAT_EQ(series(4, 1), std::norm(R0) * d * d);
    EXPECT_FLOAT_EQ(series(5, 1), std::norm(P0) * d * d);
    EXPECT_FLOAT_EQ(series(6, 1), std::norm(Y0) * d * d);
    // The first pass kept the vessel axes (point at the origin: (S, W, H)).
    EXPECT_FLOAT_EQ(series(1, 2), std::norm(S0));
}

TEST_F(PointMotion, GroupAWritesTheSecondPointAsABlockAfterTheFrequencies) {
    grid(5.0f, 1.0f, 3);
    raos([](int i) {
        const Real s = static_cast<Real>(i);
        return std::array<Complex, 6>{S0 * s, W0, H0, R0, P0, Y0 * s};
    });
    points({{1.0f, 2.0f, 3.0f}, {1.0f, 2.0f, 3.0f}});
    TPCM.ISPM = 4;
    line_angles({{0.3f, 1.2f}, {0.3f, 1.2f}});
    auto recs = run();
    // The same point on the same line twice: the block repeats the first point's records.
    ASSERT_EQ(recs.size(), 1u + 3u + 3u);
    for (std::size_t i = 1; i <= 3; ++i) {
        EXPECT_EQ(recs[i].bytes, 72u);
        EXPECT_EQ(recs[i + 3].raw, recs[i].raw);
        near(recs[i].values()[5], P0, 0.0f, "pitch is the sixth value");
    }
    // A one-point page writes no block.
    points({{1.0f, 2.0f, 3.0f}});
    line_angles({{0.3f, 1.2f}});
    recs = run();
    EXPECT_EQ(recs.size(), 4u);
    // Mode 2 of type 13 is group A too.
    points({{1.0f, 2.0f, 3.0f}, {1.0f, 2.0f, 3.0f}});
    TPCM.ISPM = 2;
    TPCM.SIMTYP = 13;
    line_angles({{0.3f, 1.2f}, {0.3f, 1.2f}});
    EXPECT_EQ(run().size(), 7u);
}

// The exchange file of the other body: its first record, NSKIP records of six complex values (full
// of 7s, so that reading one in place of an exchange record shows), then per frequency the nine
// values whose first three are (3, 0.5, 0.25).
void exchange_file(int NSKIP, int NWP) {
    RHOPEN("EXCHANGE", 0, 0, 0, kCompanionUnit, "TEST", SCREEN_UNIT, 5);
    BinaryRecord head;
    head.add_int(1).add_int(2).add_int(3).add_int(4).add_real(5.0f);
    write_binary_record(kCompanionUnit, head);
    for (int i = 0; i < NSKIP; ++i) {
        BinaryRecord r;
        for (int c = 0; c < 12; ++c) r.add_real(7.0f);
        write_binary_record(kCompanionUnit, r);
    }
    for (int i = 1; i <= NWP; ++i) {
        BinaryRecord r;
        const Real other[9][2] = {{3.0f, 0.0f}, {0.5f, 0.0f}, {0.25f, 0.0f}, {9, 9}, {9, 9}, {9, 9}, {9, 9}, {9, 9}, {9, 9}};
        for (const auto& c : other) r.add_real(c[0]).add_real(c[1]);
        write_binary_record(kCompanionUnit, r);
    }
    HCLOSE(kCompanionUnit, "EXCHANGE", "TEST", SCREEN_UNIT);
}

TEST_F(PointMotion, GroupBCombinesTheSecondPointWithTheOtherBodysRecord) {
    grid(5.0f, 1.0f, 2);
    raos([](int) { return std::array<Complex, 6>{Complex(1.0f, 0.0f), {}, {}, {}, {}, {}}; });
    HIMEM.VTCRR = HIMEM.VTCRP = 0.0f;
    TPCM.ISPM = 3;
    TPCM.CNTSEP = 20.0f;
    TPCM.ALLRAO = 1;
    struct Case {
        Int SIMTYP, n;
        int NSKIP;
        std::size_t records;
    };
    // Type 13 skips NLIN x NWP records first; a one-point page reads no exchange record.
    for (const Case c : {Case{16, 3, 0, 1 + 2 + 2}, Case{13, 2, 2 * 2, 1 + 2}}) {
        SCOPED_TRACE(c.SIMTYP);
        capture_unit(DISK_UNIT);
        TPCM.SIMTYP = c.SIMTYP;
        points(std::vector<std::array<Real, 3>>(static_cast<std::size_t>(c.n), {0.0f, 0.0f, 0.0f}));
        line_angles(std::vector<std::pair<Real, Real>>(static_cast<std::size_t>(c.n), {0.0f, 0.0f}));
        exchange_file(c.NSKIP, 2);
        const auto recs = run();
        ASSERT_EQ(recs.size(), c.records);
        const Real b = 30.0f / 57.2957763671875f;
        for (int i = 1; i <= 2; ++i) {
            const Complex ph = std::exp(Complex(0.0f, k(i) * 20.0f * std::cos(b)));
            // x' = -x for a vertical line: CQRX = -1 turned by the separation, written negated.
            near(recs[static_cast<std::size_t>(i)].values()[0], ph, 1e-6f, "first point, negated");
            // Second point: CQRX = 3 - (-ph), CQRY = 0.5 + 0, CQRZ = 0.25 + 0.
            const Complex cx = Complex(3.0f, 0.0f) + ph;
            const std::string group = fmt_F(std::abs(cx), 7, 3) + "/" +
                                      fmt_I(static_cast<long long>(static_cast<Int>(PHASE(cx))), 4) +
                                      "   .500/   0   .250/   0";
            EXPECT_NE(captured(DISK_UNIT).find(group), std::string::npos) << group << "\n" << captured(DISK_UNIT);
        }
    }
}

TEST_F(PointMotion, WithSpeedLinearRaosAreReGriddedOntoTheWaveFrequenciesExactly) {
    grid(6.0f, 1.0f, 8);
    raos([](int) { return std::array<Complex, 6>{Complex(0.5f, 0.25f), Complex(0.1f, 0.0f), Complex(0.0f, 0.2f), {}, {}, {}}; });
    points({{0.0f, 0.0f, 0.0f}});
    HIMEM.VTCRR = HIMEM.VTCRP = 0.0f;
    TPCM.VFWD = 1.5f;
    TPCM.VGLDIR = 0.0f;
    HIMEM.LFRFLG = 3;  // velocity: i we D0, linear in the encounter frequency
    TPCM.ALLRAO = 1;
    run();
    for (int i = 1; i <= 8; ++i) {
        const Real w2 = w(i) * w(i);
        EXPECT_NEAR(series(1, i), w2 * std::norm(Complex(0.5f, 0.25f)), 2e-5f * w2);
        EXPECT_NEAR(series(2, i), w2 * 0.01f, 2e-5f * w2);
        EXPECT_NEAR(series(3, i), w2 * 0.04f, 2e-5f * w2);
    }
    // The rows keep the encounter periods.
    const Real we = w(1) - k(1) * 1.5f * std::cos(30.0f / 57.2957763671875f);
    EXPECT_NE(captured(DISK_UNIT).find(" " + fmt_F(6.2831855f / we, 6, 2) + fmt_F(std::abs(Complex(0.0f, we) * Complex(0.5f, 0.25f)), 7, 3)),
              std::string::npos);
}

TEST_F(PointMotion, EqualEncounterFrequenciesTakeTheFirstValue) {
    grid(6.0f, 1.0f, 3);
    // Two grid points with one encounter frequency.
    HIMEM.RLDUM(HIMEM.LCNW + 1) = HIMEM.RLDUM(HIMEM.LCNW);
    HIMEM.RLDUM(HIMEM.LCNWK + 1) = HIMEM.RLDUM(HIMEM.LCNWK);
    raos([](int i) { return std::array<Complex, 6>{Complex(static_cast<Real>(i), 0.0f), {}, {}, {}, {}, {}}; });
    points({{0.0f, 0.0f, 0.0f}});
    HIMEM.VTCRR = HIMEM.VTCRP = 0.0f;
    TPCM.VFWD = 1.0f;
    run();
    for (int i = 1; i <= 3; ++i) EXPECT_TRUE(std::isfinite(series(1, i)));
    EXPECT_FLOAT_EQ(series(1, 1), 1.0f);
}

// Statistics through STAT1: a sea on heading 1.
class PointMotionStats : public PointMotion {
protected:
    void SetUp() override {
        PointMotion::SetUp();
        grid(4.0f, 1.0f, 9);
        sea_spectrum(1, [](Real x) { return x * x; });
        TPCM.LRANDM = 1;
        TPCM.NSEAHT() = 1;
        TPCM.NSEAHG = 1;
        HIMEM.IRAN(1) = 1;
        HIMEM.LSKIP = 0;
        raos([](int) { return std::array<Complex, 6>{S0, W0, H0, R0, P0, Y0}; });
        points({{1.0f, 2.0f, 3.0f}, {4.0f, -1.0f, 2.0f}});
    }
    static bool any_nonzero(Int from, Int count) {
        for (Int l = from; l < from + count; ++l)
            if (HIMEM.RLDUM(l) != 0.0f) return true;
        return false;
    }
};

TEST_F(PointMotionStats, HingeStatisticsGoToTheHingeAreaAndLocsigIsRestored) {
    TPCM.ISPM = 2;
    TPCM.SIMTYP = 16;
    HIMEM.LFRFLG = 2;
    HIMEM.LOCSIG = HIMEM.LCNACC;
    line_angles({{0.2f, 1.0f}, {1.2f, 2.0f}});
    run();
    EXPECT_EQ(HIMEM.LOCSIG, HIMEM.LCNACC);
    const Int block = HIMEM.LCNHNG - HIMEM.LCNVEL;
    EXPECT_TRUE(any_nonzero(HIMEM.LCNACC, block));
    EXPECT_TRUE(any_nonzero(HIMEM.LCNHNG, block));
    EXPECT_FALSE(any_nonzero(HIMEM.LCNVEL, block));
    EXPECT_FALSE(any_nonzero(HIMEM.LCNDSP, block));
    // LSKIP 1 files nothing.
    HIMEM.RLDUM(HIMEM.LCNACC) = 0.0f;
    for (Int l = HIMEM.LCNACC; l < HIMEM.LCNDSP + block; ++l) HIMEM.RLDUM(l) = 0.0f;
    HIMEM.LSKIP = 1;
    line_angles({{0.2f, 1.0f}, {1.2f, 2.0f}});
    run();
    EXPECT_FALSE(any_nonzero(HIMEM.LCNACC, 3 * block + block));
}

TEST_F(PointMotionStats, AnsweringMinusOneShowsThePageAgainWithoutFilingTwice) {
    TPCM.ISPM = 1;
    TPCM.IUNIT = SCREEN_UNIT;
    TPCM.ALLRAO = 1;
    HIMEM.LFRFLG = 3;
    HIMEM.LOCSIG = HIMEM.LCNVEL;
    answers("\n");
    run();
    const std::string once_file = testing::file_bytes("PTMOTION");
    const auto once_stats = blocks();
    const std::string once = screen();
    for (Int l = HIMEM.LCNACC; l < HIMEM.LCNDSP + (HIMEM.LCNHNG - HIMEM.LCNVEL); ++l) HIMEM.RLDUM(l) = 0.0f;
    capture_unit(SCREEN_UNIT);
    answers("-1\n\n");
    run();
    EXPECT_EQ(testing::file_bytes("PTMOTION"), once_file);
    EXPECT_EQ(blocks(), once_stats);
    const std::string twice = screen();
    const std::string title = "+++  VELOCITY RAOS IN M./SEC";
    EXPECT_EQ(testing::count_of(once, title), 1u);
    EXPECT_EQ(testing::count_of(twice, title), 2u);
    EXPECT_EQ(testing::count_of(twice, "Press <RETURN> to continue"), 2u);
    EXPECT_EQ(TPCM.LBACK, 0);
}

TEST_F(PointMotionStats, NoSummaryMeansNoPageButTheRecordsAndStatistics) {
    TPCM.ISPM = 1;
    TPCM.IUNIT = SCREEN_UNIT;
    TPCM.ALLRAO = 1;
    TPCM.NEGSUM = 1;
    HIMEM.LOCSIG = HIMEM.LCNDSP;
    const auto recs = run();
    EXPECT_EQ(screen(), "");
    EXPECT_EQ(recs.size(), 1u + 2u * 9u);
    EXPECT_TRUE(any_nonzero(HIMEM.LCNDSP, HIMEM.LCNHNG - HIMEM.LCNVEL));
}

TEST_F(PointMotion, EndOfTheLineAngleFileEndsTheRunThroughTheReadErrorReport) {
    grid(5.0f, 1.0f, 2);
    points({{0.0f, 0.0f, 0.0f}});
    TPCM.ISPM = 2;
    line_angles({});
    answers("\n");
    EXPECT_EQ(end_status([this] { run(); }), 1);
    const auto s = lines_of(screen());
    std::size_t i = 0;
    while (i < s.size() && s[i] != " ++> End of file or related file error in routine ACCOUT") ++i;
    ASSERT_LT(i + 1, s.size()) << screen();
    EXPECT_EQ(s[i - 1], "");
    EXPECT_EQ(s[i + 1], "     file name Unknown");
    EXPECT_NE(screen().find("Press <RETURN> to continue"), std::string::npos);
}

TEST_F(PointMotion, HeadingFlagsAndTheSpreadSea) {
    grid(5.0f, 1.0f, 1);
    WAVCOM.NRAO = 4;
    WAVCOM.IRAO = 3;
    HIMEM.RAOANG(3) = 90.0f;
    TPCM.ISPM = -1;
    struct Case {
        const char* what;
        Logical LEXP;
        Int ISWELL, ISWEL2, IRAN1, spread_hit;
        Int f1, f2, f3;
    };
    const Case cases[] = {
        {"swell", 0, 3, 0, 1, 0, 1, 0, 0},
        {"second swell and sea", 0, 0, 3, 3, 0, 0, 1, 1},
        {"spread sea, last spread angle", 1, 0, 0, 3, 3, 0, 0, 1},
        {"spread sea misses; own heading not tested", 1, 0, 0, 3, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WAVCOM.LEXP = c.LEXP;
        WAVCOM.ISWELL = c.ISWELL;
        WAVCOM.ISWEL2 = c.ISWEL2;
        HIMEM.IRAN(1) = c.IRAN1;
        TPCM.NA = 2;
        for (int a = 1; a <= 3; ++a) HIMEM.INTGFL(a, 1) = 1;
        if (c.spread_hit != 0) HIMEM.INTGFL(c.spread_hit, 1) = 3;
        points({{0.0f, 0.0f, 0.0f}});
        const auto recs = run();
        ASSERT_EQ(recs.size(), 1u);  // a negative mode writes the heading record only
        BinaryRecord h;
        h.assign(recs[0].raw);
        EXPECT_EQ(h.get_int(), 4);
        EXPECT_EQ(h.get_int(), c.f1);
        EXPECT_EQ(h.get_int(), c.f2);
        EXPECT_EQ(h.get_int(), c.f3);
        EXPECT_FLOAT_EQ(h.get_real(), 90.0f / 57.2957763671875f);
    }
}

TEST_F(PointMotion, APointCountAbove149IsTakenAs149) {
    grid(5.0f, 1.0f, 1);
    TPCM.ISPM = 1;
    TPCM.ALLRAO = 1;
    points({});
    NACC = 200;
    const auto recs = run();
    EXPECT_EQ(recs.size(), 1u + 149u);
    EXPECT_EQ(testing::count_of(captured(DISK_UNIT), "COORDINATES"), 149u);
    NACC = -3;
    EXPECT_EQ(run().size(), 1u);
}

}  // namespace
}  // namespace brevant

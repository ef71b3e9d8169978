// Motion derivatives and drag damping of one catenary element, against the closed forms of an
// inextensible element: separation x = a (asinh q - asinh qB), z = a (r - rB) in the tangent q, with
// a = H / w the catenary parameter and arc length s = a (q - qB).
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "mooring/catlib/catenary_motion.h"
#include "mooring/catlib/line_drag_damping.h"
#include "records/data_image.h"
#include "records/mooring_line_records.h"
#include "sysutl/units.h"
#include "test_support.h"

namespace brevant {
namespace {

constexpr double kH = 50.0;
constexpr double kW = static_cast<double>(0.4f);
constexpr double kA = kH / kW;  // 125
constexpr double kDhfrac = 0.0078125;

double rsec(double q) { return std::sqrt(1.0 + q * q); }

// Element 1 of line type 1, inextensible, of catenary parameter 125, as the statics driver leaves it.
class CatenaryMotion : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_all();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.NELEM(1) = 1;
        TPCM.WETWT(1, 1) = static_cast<Real>(kW);
        TPCM.SLEN(1, 1) = 400.0f;
        LinCom& L = LINCOM;
        L.ITYP = 1;
        L.DHFRAC = kDhfrac;
        L.DPHLD = kH;
        L.DPHLD2 = (1.0 + kDhfrac) * kH;
        L.SCLWT(1) = static_cast<double>(TPCM.WETWT(1, 1)) / L.DPHLD;
        L.SCLWTP(1) = static_cast<double>(TPCM.WETWT(1, 1)) / L.DPHLD2;
    }
    void TearDown() override {
        reset_all();
        ConsoleTest::TearDown();
    }
    static void reset_all() {
        reset_tpcm();
        reset_lincom();
        reset_catcom();
    }
    struct Motion {
        Real dadxf, dadzf, dsdxf, dsdzf, c, s;
        double dxdp, dxdt, dzdp, dzdt;
    };
    static Motion catmot(Real qp, double qb, double qf, Int botflg = 0) {
        Motion m{};
        CATMOT(m.dadxf, m.dadzf, m.dsdxf, m.dsdzf, m.dxdp, m.dxdt, m.dzdp, m.dzdt, m.c, m.s, qp, qb, qf, 1, botflg);
        return m;
    }
    struct Damping {
        Real dissip = -1, disoop = -1, keelmt = -1, keelml = -1, keoop = -1, adamax = -1, adatop = -1, lontop = -1;
        Complex ctx{-1, -1}, ctz{-1, -1};
    };
    static Damping catdmp(double tx, double qf, double qb, Complex dxf, Complex dzf, Complex dxb, Complex dzb,
                          Int botflg = 0, Int ielem = 1, Int nqp = 5) {
        Damping d;
        CATDMP(tx, qf, qb, d.dissip, d.disoop, d.keelmt, d.keelml, d.keoop, 0.0f, 0.0f, nqp, dxf, dzf, dxb, dzb,
               d.adamax, d.adatop, d.lontop, 0, ielem, d.ctx, d.ctz, botflg, 0);
        return d;
    }
};

TEST_F(CatenaryMotion, TangentDerivativesOfAnInextensibleElementAreTheClosedForms) {
    const Motion m = catmot(1.2f, 0.3, 1.2);
    // a (1/r - 1/rB) and a (q/r - qB/rB).
    EXPECT_NEAR(m.dxdp, kA * (1.0 / rsec(1.2) - 1.0 / rsec(0.3)), 0.01 * 39.705);
    EXPECT_NEAR(m.dzdp, kA * (1.2 / rsec(1.2) - 0.3 / rsec(0.3)), 0.01 * 60.109);
    EXPECT_NEAR(m.dxdp, -39.705, 0.01 * 39.705);
    EXPECT_NEAR(m.dzdp, 60.109, 0.01 * 60.109);
    EXPECT_FLOAT_EQ(m.c, static_cast<Real>(1.0 / rsec(1.2)));
    EXPECT_FLOAT_EQ(m.s, static_cast<Real>(1.2 / rsec(1.2)));
}

TEST_F(CatenaryMotion, ParameterDerivativesHoldTheUpperEndTangent) {
    // With the upper-end tangent qF held and the arc length kept, qB = qF - (qF - qB0) a0 / a, so
    // dx/da = asinh qF - asinh qB - (qF - qB)/rB and dz/da = rF - rB - qB (qF - qB)/rB at the upper end.
    const double qf = 1.2, qb = 0.3;
    const Motion m = catmot(static_cast<Real>(qf), qb, qf);
    const double dxda = std::asinh(qf) - std::asinh(qb) - (qf - qb) / rsec(qb);
    const double dzda = rsec(qf) - rsec(qb) - qb * (qf - qb) / rsec(qb);
    EXPECT_NEAR(m.dxdt, dxda, 0.02 * std::fabs(dxda));
    EXPECT_NEAR(m.dzdt, dzda, 0.02 * std::fabs(dzda));
    // The forward difference over the step to a2 = (1 + DHFRAC) a, from the closed form itself.
    const double a2 = (1.0 + kDhfrac) * kA, qb2 = qf - (qf - qb) * kA / a2, da = a2 - kA;
    const double fx = (a2 * (std::asinh(qf) - std::asinh(qb2)) - kA * (std::asinh(qf) - std::asinh(qb))) / da;
    const double fz = (a2 * (rsec(qf) - rsec(qb2)) - kA * (rsec(qf) - rsec(qb))) / da;
    EXPECT_NEAR(m.dxdt, fx, 1e-6);
    EXPECT_NEAR(m.dzdt, fz, 1e-6);
}

TEST_F(CatenaryMotion, SmallTangentsStepByTheFloorValue) {
    // |QP| below 0.001 / DHFRAC = 0.128 steps by 0.001; above it by |QP DHFRAC|. The forward
    // difference of the closed form with each step tells them apart.
    auto forward = [](double q, double qb, double dq) {
        const double x1 = kA * (std::asinh(q) - std::asinh(qb));
        const double x2 = kA * (std::asinh(q + dq) - std::asinh(qb + dq));
        return (x2 - x1) / dq;
    };
    for (const double q : {0.1, -0.12, 0.0}) {
        const Motion m = catmot(static_cast<Real>(q), -0.8, 0.5);
        EXPECT_NEAR(m.dxdp, forward(static_cast<double>(static_cast<Real>(q)), -0.8, 0.001), 1e-7) << q;
        EXPECT_GT(std::fabs(m.dxdp - forward(static_cast<double>(static_cast<Real>(q)), -0.8, 0.0009)), 1e-5) << q;
    }
    const double q = 0.5;
    const Motion m = catmot(0.5f, -0.8, 0.5);
    EXPECT_NEAR(m.dxdp, forward(q, -0.8, q * kDhfrac), 1e-7);
}

TEST_F(CatenaryMotion, SeparationIsZeroAtTheLowerEndAndCountsTheSeaFloorPart) {
    double dx = 1, dz = 1;
    PNTSEP(dx, dz, 0.3, 0.3, 1.2, kA, LINCOM.BETA, 1.0 / kA, 400.0f, 0.0, 0, 1, 0, SCREEN_UNIT);
    EXPECT_EQ(dx, 0.0);
    EXPECT_EQ(dz, 0.0);
    // A grounded element from qB 0 to qF 1.2 on a flat floor: the suspended arc is a qF = 150 long, so
    // 250 of the 400 lie on the floor, in front of the catenary.
    PNTSEP(dx, dz, 0.5, 0.0, 1.2, kA, LINCOM.BETA, 1.0 / kA, 400.0f, 0.0, 0, 1, 1, SCREEN_UNIT);
    EXPECT_NEAR(dx, kA * std::asinh(0.5) + (400.0 - 1.2 * kA), 1e-9);
    EXPECT_NEAR(dz, kA * (rsec(0.5) - 1.0), 1e-9);
    // On a slope of tangent 0.1 the floor part follows the slope.
    PNTSEP(dx, dz, 0.5, 0.1, 1.2, kA, LINCOM.BETA, 1.0 / kA, 400.0f, 0.1, 0, 1, 1, SCREEN_UNIT);
    const double Lb = 400.0 - (1.2 - 0.1 - 0.1) * kA;
    EXPECT_NEAR(dx, kA * (std::asinh(0.5) - std::asinh(0.1)) + Lb / rsec(0.1), 1e-9);
    EXPECT_NEAR(dz, kA * (rsec(0.5) - rsec(0.1)) + Lb * 0.1 / rsec(0.1), 1e-9);
    EXPECT_EQ(screen(), "");
}

TEST_F(CatenaryMotion, GroundedElementKeepsItsLowerEndTangent) {
    // The lower end is held: shifting the tangents moves only the point, and the floor part shrinks by
    // a dq, so dx/dp = a / r - a and dz/dp = a q / r.
    const Motion m = catmot(0.5f, 0.0, 1.2, 1);
    EXPECT_NEAR(m.dxdp, kA / rsec(0.5) - kA, 0.01 * kA);
    EXPECT_NEAR(m.dzdp, kA * 0.5 / rsec(0.5), 0.01 * kA * 0.5);
}

TEST_F(CatenaryMotion, TraceWritesItsBlocksAndAsksForTheSwitch) {
    TPCM.NBUG = 1;
    answers("0\n");
    catmot(1.2f, 0.3, 1.2);
    const std::string out = screen();
    EXPECT_EQ(out.rfind("IN CATMOT\n", 0), 0u);
    EXPECT_NE(out.find("IN CATMOT; BEFORE PNTSEP\n"), std::string::npos);
    EXPECT_EQ(testing::count_of(out, " IN CATCOF; RTMP,RTMPB,DQP,DQPF,DQPB,TX\n"), 3u);
    EXPECT_NE(out.find(" >>IN CATMOT:\n DXFDP,DXFDT,DZFDP,DZFDT\n"), std::string::npos);
    EXPECT_NE(out.find("CATMOT END; DADXF,DADZF,DXDP,DZDP,DZDT,DXDSI,DZDSI,QP,DQB,DQF\n"), std::string::npos);
    EXPECT_NE(out.find("Input NBUG: "), std::string::npos);
    EXPECT_EQ(out.find("TRY AGAIN"), std::string::npos);
    EXPECT_EQ(TPCM.NBUG, 0);
}

TEST_F(CatenaryMotion, RigidTranslationMatchesTheArcLengthIntegrals) {
    // Both ends move together by 0.5 horizontally: across the line -0.5 s, along it 0.5 c, so the
    // integrals over ds = a dq are 0.25 a (q - atan q) and 0.25 a atan q between the end tangents.
    const Damping d = catdmp(kA, 1.2, 0.3, {0, 0}, {0, 0}, {0.5f, 0}, {0, 0});
    const double it = 0.25 * kA * ((1.2 - std::atan(1.2)) - (0.3 - std::atan(0.3)));
    const double il = 0.25 * kA * (std::atan(1.2) - std::atan(0.3));
    EXPECT_NEAR(it, 9.856211, 1e-6);
    EXPECT_NEAR(il, 18.268789, 1e-6);
    EXPECT_NEAR(d.keelmt, it, 0.0005 * it);
    EXPECT_NEAR(d.keelml, il, 0.0005 * il);
    EXPECT_NEAR(d.keelmt, 9.858727, 1e-5 * 9.858727);
    EXPECT_NEAR(d.keelml, 18.266273, 1e-5 * 18.266273);
    EXPECT_NEAR(d.dissip, 4.174546, 1e-5 * 4.174546);
    EXPECT_NEAR(d.adamax, 0.384111, 1e-6);
    EXPECT_EQ(d.adamax, d.adatop);
    EXPECT_NEAR(d.lontop, 0.320092, 1e-6);
    EXPECT_NEAR(d.ctz.real(), -25.184267, 1e-5 * 25.184267);
    EXPECT_NEAR(d.ctz.imag(), 0.0, 1e-6);
    EXPECT_EQ(d.ctx, Complex(0, 0));
    EXPECT_EQ(d.disoop, 0.0f);
    EXPECT_EQ(d.keoop, 0.0f);
    // The upper end's derivatives are left in CATCOM with their Jacobian.
    EXPECT_NEAR(CATCOM.DXFDP, kA * (1.0 / rsec(1.2) - 1.0 / rsec(0.3)), 0.4);
    EXPECT_DOUBLE_EQ(CATCOM.JACOBY, CATCOM.DXFDP * CATCOM.DZFDT - CATCOM.DXFDT * CATCOM.DZFDP);
}

TEST_F(CatenaryMotion, UpperEndMovesAsItsImposedMotion) {
    // Lower end fixed, upper end moved horizontally by 1: at the upper end the point's motion is the
    // imposed one, -s across and c along the line (the Jacobian divides out).
    const Damping d = catdmp(kA, 1.2, 0.3, {1, 0}, {0, 0}, {0, 0}, {0, 0});
    EXPECT_NEAR(d.adatop, 1.2 / rsec(1.2), 1e-4);
    EXPECT_NEAR(d.lontop, 1.0 / rsec(1.2), 1e-4);
    // A vertical upper-end motion: c across, s along.
    const Damping v = catdmp(kA, 1.2, 0.3, {0, 0}, {0, 2}, {0, 0}, {0, 0});
    EXPECT_NEAR(v.adatop, 2.0 / rsec(1.2), 2e-4);
    EXPECT_NEAR(v.lontop, 2.4 / rsec(1.2), 2e-4);
}

TEST_F(CatenaryMotion, GroundedElementAndRestingEndsGiveZeros) {
    // An element on the floor (IELEM >= BOTELM, DQF <= DSLOPE): zeros, CATCOM untouched.
    LINCOM.BOTELM = 1;
    CATCOM.DXFDP = 7.0;
    CATCOM.JACOBY = 3.0;
    const Damping g = catdmp(kA, 0.0, 0.0, {1, 0}, {0, 1}, {0.5f, 0}, {0, 0}, 1, 2);
    EXPECT_EQ(g.dissip, 0.0f);
    EXPECT_EQ(g.keelmt, 0.0f);
    EXPECT_EQ(g.keelml, 0.0f);
    EXPECT_EQ(g.adamax, 0.0f);
    EXPECT_EQ(g.lontop, 0.0f);
    EXPECT_EQ(g.ctx, Complex(0, 0));
    EXPECT_EQ(g.ctz, Complex(0, 0));
    EXPECT_EQ(CATCOM.DXFDP, 7.0);
    EXPECT_EQ(CATCOM.JACOBY, 3.0);
    // Both ends at rest: everything zero, CTXACC too although the element is grounded.
    LINCOM.BOTELM = 0;
    const Damping r = catdmp(kA, 1.2, 0.3, {0, 0}, {0, 0}, {0, 0}, {0, 0}, 1);
    EXPECT_EQ(r.dissip, 0.0f);
    EXPECT_EQ(r.keelmt, 0.0f);
    EXPECT_EQ(r.ctx, Complex(0, 0));
    EXPECT_EQ(r.ctz, Complex(0, 0));
}

TEST_F(CatenaryMotion, ZeroJacobianBecomesTiny) {
    // An element of no length: the upper-end derivatives are all 0.
    catdmp(kA, 0.75, 0.75, {0, 0}, {0, 0}, {0.5f, 0}, {0, 0});
    EXPECT_EQ(CATCOM.JACOBY, 1e-20);
}

TEST_F(CatenaryMotion, GroundedElementKeepsTheHorizontalResultant) {
    // Off the floor CTXACC is always 0; with BOTFLG set it is the resultant of the sums, which for a
    // rigid horizontal translation is (h a / 6) (X^2 - Z^2) / X with X, Z the Simpson sums of
    // -0.5 s^2 and -0.5 s c.
    const double qb = 0.3, qf = 1.2, h = static_cast<double>(static_cast<Real>((qf - qb) / 4.0));
    double X = 0, Z = 0;
    const double w[5] = {1, 4, 2, 4, 1};
    Real q = static_cast<Real>(qb);
    for (int i = 0; i < 5; ++i) {
        if (i > 0) q = q + static_cast<Real>(h);
        const double c = 1.0 / rsec(static_cast<double>(q)), s = static_cast<double>(q) * c;
        X += w[i] * (-0.5 * s * s);
        Z += w[i] * (-0.5 * s * c);
    }
    const Damping d = catdmp(kA, qf, qb, {0, 0}, {0, 0}, {0.5f, 0}, {0, 0}, 1);
    const double expect = kA * 0.5 * h / 3.0 * (X * X - Z * Z) / X;
    EXPECT_NEAR(d.ctx.real(), expect, 1e-4 * std::fabs(expect));
    EXPECT_NEAR(d.ctz.real(), kA * h / 3.0 * Z, 1e-4 * std::fabs(kA * h / 3.0 * Z));
}

TEST_F(CatenaryMotion, OutOfPlaneTermIsTheIntegralOfTheSquaredHorizontalPosition) {
    // Inextensible: DXFCN = 1/r, so the term is the integral over the arc length of p^2, p the
    // horizontal position XBASE + a (asinh q - asinh qB); compared with a fine Simpson sum.
    Real dissip, disoop, keelmt, keelml, keoop = -1, adamax, adatop, lontop;
    Complex ctx, ctz;
    CATDMP(kA, 1.2, 0.3, dissip, disoop, keelmt, keelml, keoop, 30.0f, 0.0f, 5, {0, 0}, {0, 0}, {0.5f, 0}, {0, 0},
           adamax, adatop, lontop, 0, 1, ctx, ctz, 0, 1);
    auto f = [](double q) {
        const double p = 30.0 + kA * (std::asinh(q) - std::asinh(0.3));
        return kA * p * p;
    };
    const int n = 2000;
    const double h = 0.9 / n;
    double I = f(0.3) + f(1.2);
    for (int i = 1; i < n; ++i) I += (i % 2 ? 4.0 : 2.0) * f(0.3 + i * h);
    I *= h / 3.0;
    EXPECT_NEAR(keoop, I, 2e-4 * I);
    EXPECT_EQ(disoop, 0.0f);
    // The switch off leaves it 0.
    CATDMP(kA, 1.2, 0.3, dissip, disoop, keelmt, keelml, keoop, 30.0f, 0.0f, 5, {0, 0}, {0, 0}, {0.5f, 0}, {0, 0},
           adamax, adatop, lontop, 0, 1, ctx, ctz, 0, 0);
    EXPECT_EQ(keoop, 0.0f);
}

TEST_F(CatenaryMotion, EvenOrTooFewPointsStillIntegrate) {
    // 4 points take 5, 1 takes 3: the rigid-translation integral stays close to its closed form.
    const double it = 0.25 * kA * ((1.2 - std::atan(1.2)) - (0.3 - std::atan(0.3)));
    for (const Int nqp : {1, 3, 4, 6}) {
        const Damping d = catdmp(kA, 1.2, 0.3, {0, 0}, {0, 0}, {0.5f, 0}, {0, 0}, 0, 1, nqp);
        EXPECT_NEAR(d.keelmt, it, 0.01 * it) << nqp;
    }
    EXPECT_EQ(catdmp(kA, 1.2, 0.3, {0, 0}, {0, 0}, {0.5f, 0}, {0, 0}, 0, 1, 4).keelmt,
              catdmp(kA, 1.2, 0.3, {0, 0}, {0, 0}, {0.5f, 0}, {0, 0}, 0, 1, 5).keelmt);
}

}  // namespace
}  // namespace brevant

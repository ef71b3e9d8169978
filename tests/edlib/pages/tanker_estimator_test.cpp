// The tanker property estimator: the area and volume laws, the light-ship gyradii of a box shell,
// the estimate at the full-load and the minimum draft in both unit systems, its warnings, and an
// abort that leaves every value as it was.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "edlib/pages/tanker_estimator.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "sysutl/program_end.h"
#include "test_support.h"

namespace brevant {
namespace {

// The 21 values the estimator works on, in its argument order (no padding: 21 floats).
struct Values {
    Real DISPL, VKB, VKG, DRAFT, AWP, VKMT, VKML, LWL, BWL, PGYR, RGYR, YGYR, BILGR, XWNDAR, YWNDAR, XCURAR, YCURAR,
        DWTONS, LOADED, DFTPCT, DSPPCT;
};
static_assert(sizeof(Values) == 21 * sizeof(Real));

void estimate(Values& v) {
    ESTIM8(v.DISPL, v.VKB, v.VKG, v.DRAFT, v.AWP, v.VKMT, v.VKML, v.LWL, v.BWL, v.PGYR, v.RGYR, v.YGYR, v.BILGR,
           v.XWNDAR, v.YWNDAR, v.XCURAR, v.YCURAR, v.DWTONS, v.LOADED, v.DFTPCT, v.DSPPCT);
}

// Values that no estimate gives, so that whatever is not written shows.
Values marked(Real dwt, Real draft) {
    Values v;
    Real* p = &v.DISPL;
    for (int k = 0; k < 21; ++k) p[k] = -1000.0f - static_cast<Real>(k);
    v.DWTONS = dwt;
    v.DRAFT = draft;
    return v;
}

bool identical(const Values& a, const Values& b) { return std::memcmp(&a, &b, sizeof(Values)) == 0; }

// The full-load hull as the database defines it, worked in double: used for the closed forms below.
struct Hull {
    double LTSHIP, LTSVOL, MAXVOL, MAXDSP, VOLSCL, D, MAXDFT, B, L, EPSLN, MINRAT, LTSVKG, BKHDWT, SHELWT;
};
Hull hull_in_double(double dwt) {
    Hull h{};
    h.BKHDWT = 0.0422 * dwt;
    h.SHELWT = 6.78 * std::pow(dwt, 2.0 / 3.0);
    h.LTSHIP = h.BKHDWT + h.SHELWT;
    h.LTSVOL = 35.0 * h.LTSHIP;
    h.MAXDSP = dwt + h.LTSHIP;
    h.MAXVOL = 35.0 * h.MAXDSP;
    h.VOLSCL = std::cbrt(h.MAXVOL);
    h.D = 0.4039 * h.VOLSCL;
    h.LTSVKG = 0.54 * h.D;
    h.MINRAT = h.LTSVOL / h.MAXVOL;
    h.MAXDFT = 13.32 - 1.502e-7 * h.MAXVOL + 0.01673 * std::sqrt(h.MAXVOL);
    h.B = 0.25 * h.VOLSCL * h.VOLSCL / h.MAXDFT;
    const double blk = 0.275 * std::exp(-194.0 / h.VOLSCL) + 0.725;
    const double wp = 0.3 * std::exp(-69.0 / h.VOLSCL) + 0.7;
    h.EPSLN = 2.0 * blk / wp - 1.0;
    h.L = h.MAXVOL / (blk * h.MAXDFT * h.B);
    return h;
}

// The positive root of (1 - e) x^2 + 2 e x - (1 + e) MINRAT = 0: the draft ratio at which the linear
// area law holds the light-ship volume.
double light_ship_ratio(double e, double minrat) {
    const double a = 1.0 - e, b = 2.0 * e, c = -(1.0 + e) * minrat;
    return (-b + std::sqrt(b * b - 4.0 * a * c)) / (2.0 * a);
}

// Gyradius squared of a thin-walled box shell L (x) by B (y) by D (z) of uniform plating, from its six
// plates, with bulkheads B x D of r times the shell weight spread along the length.
struct Gyradii {
    double roll, pitch, yaw;
};
Gyradii box_shell(double L, double B, double D, double r) {
    const double top = L * B, side = L * D, end = B * D;  // each face twice
    const double mass = 2.0 * (top + side + end);
    const double ixx = 2.0 * (top * (B * B / 12 + D * D / 4) + side * (D * D / 12 + B * B / 4) + end * (B * B + D * D) / 12);
    const double iyy = 2.0 * (top * (L * L / 12 + D * D / 4) + side * (L * L + D * D) / 12 + end * (D * D / 12 + L * L / 4));
    const double izz = 2.0 * (top * (L * L + B * B) / 12 + side * (L * L / 12 + B * B / 4) + end * (B * B / 12 + L * L / 4));
    const auto with_bulkheads = [&](double shell_k2, double bulkhead_k2) {
        return std::sqrt((shell_k2 + r * bulkhead_k2) / (1.0 + r));
    };
    return {with_bulkheads(ixx / mass, (B * B + D * D) / 12), with_bulkheads(iyy / mass, (L * L + D * D) / 12),
            with_bulkheads(izz / mass, (B * B + L * L) / 12)};
}

void expect_within(double value, double expected, double rel, const char* what) {
    EXPECT_NEAR(value, expected, rel * std::fabs(expected)) << what;
}

class TankerEstimatorTest : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        TPCM.EDUNIT = SCREEN_UNIT;
    }
    void TearDown() override {
        reset_tpcm();
        ConsoleTest::TearDown();
    }
    Values run(Real dwt, Real draft, const std::string& script = "") {
        answers(script);
        Values v = marked(dwt, draft);
        estimate(v);
        return v;
    }
};

const std::string kGreaterWarning =
    "\n ++> Requested draft is greater than the maximum\n"
    "     allowed draft for the specified deadweight...\n"
    "     To continue, the draft will be replaced by \n"
    "     the maximum allowable value\n";
const std::string kLessWarning =
    "\n ++> Requested draft is less than the minimum\n"
    "     allowed draft for the specified deadweight...\n"
    "     To continue, the draft will be replaced by \n"
    "     the minimum allowable value\n";
// The abort question after its bell line (the bell and three zero bytes).
const std::string kAbortQuestion = std::string("\a\0\0\0\n", 5) + " Enter \"A\" to abort or Press <RETURN> to continue: ";

TEST(TankerShapeLaws, VolumeIsTheNormalisedIntegralOfTheAreaFraction) {
    for (Real e : {0.2f, 0.5f, 0.80336f, 0.95f, 1.0f}) {
        EPSCOM = Epscom{e, 40.0f, 0.15f};
        Real zero = 0.0f, one = 1.0f, full = 40.0f;
        EXPECT_EQ(VOLFUN(zero), 0.0f) << e;
        EXPECT_NEAR(VOLFUN(one), 1.0f, 1e-6f) << e;
        EXPECT_FLOAT_EQ(ALPHA(zero), e);
        EXPECT_FLOAT_EQ(ALPHA(full), 1.0f);
        // dVOLFUN/dx = 2 ALPHA(x MAXDFT) / (1 + e), by central differences.
        for (double x : {0.1, 0.37, 0.8}) {
            Real lo = static_cast<Real>(x - 1e-2), hi = static_cast<Real>(x + 1e-2);
            const double slope = (static_cast<double>(VOLFUN(hi)) - static_cast<double>(VOLFUN(lo))) / 2e-2;
            Real draft = static_cast<Real>(x * 40.0);
            EXPECT_NEAR(slope, 2.0 * static_cast<double>(ALPHA(draft)) / (1.0 + static_cast<double>(e)), 2e-4)
                << e << " " << x;
            Real at = static_cast<Real>(x);
            EXPECT_FLOAT_EQ(NULFUN(at), 0.15f - VOLFUN(at));
        }
    }
}

TEST(TankerShapeLaws, LightShipGyradiiAreThoseOfABoxShell) {
    struct Case {
        Real L, B, D, r;
    };
    for (const Case& c : {Case{1, 1, 1, 0}, Case{300, 50, 25, 0}, Case{656.32f, 110.9f, 48.2f, 0.37f},
                          Case{80, 20, 120, 2.0f}}) {
        Real roll = 0, pitch = 0, yaw = 0;
        light_ship_gyradii(c.L, c.B, c.D, c.r, roll, pitch, yaw);
        const Gyradii g = box_shell(c.L, c.B, c.D, c.r);
        expect_within(roll, g.roll, 1e-5, "roll");
        expect_within(pitch, g.pitch, 1e-5, "pitch");
        expect_within(yaw, g.yaw, 1e-5, "yaw");
    }
    // A hollow cube: k^2 = 5 a^2 / 18 about every axis.
    Real roll = 0, pitch = 0, yaw = 0;
    light_ship_gyradii(1, 1, 1, 0, roll, pitch, yaw);
    EXPECT_NEAR(roll, 0.52705, 1e-5);
    EXPECT_NEAR(yaw, 0.52705, 1e-5);
    // A flat plate (no depth) rolls like a plate of width B.
    light_ship_gyradii(100, 12, 0, 0, roll, pitch, yaw);
    EXPECT_NEAR(roll, 12.0 / std::sqrt(12.0), 1e-4);
}

TEST(TankerShapeLaws, TheFullLoadHullOfTheDatabase) {
    const TankerHull h = tanker_hull(1.0e5f, SCREEN_UNIT);
    expect_within(h.MAXDFT, 46.81, 1e-3, "MAXDFT");
    expect_within(h.MLDPTH, 64.95, 1e-3, "MLDPTH");
    expect_within(h.LWL, 796.8, 1e-3, "LWL");
    expect_within(h.BWL, 138.1, 1e-3, "BWL");
    expect_within(h.MINDFT, 8.1514, 1e-3, "MINDFT");
    expect_within(h.MINRAT, 0.158440, 1e-4, "MINRAT");
    expect_within(h.EPSLN, 0.80336, 1e-4, "EPSLN");
    // At full load the linear area law holds the block volume.
    const double e = h.EPSLN;
    expect_within(h.MAXVOL, h.BLKCOF * h.LWL * h.BWL * h.MAXDFT, 1e-5, "block volume");
    expect_within(h.BLKCOF / h.WPCOF, (1 + e) / 2, 1e-6, "coefficients");
}

TEST_F(TankerEstimatorTest, DraftAboveTheMaximumIsReplacedByTheFullLoadDraft) {
    TPCM.LBACK = 55;
    const Values v = run(5.0e4f, 200.0f, "\n");
    EXPECT_EQ(TPCM.LBACK, 0);
    EXPECT_NE(screen().find(kGreaterWarning + kAbortQuestion), std::string::npos) << screen();
    EXPECT_EQ(screen().find("less"), std::string::npos);

    const Hull h = hull_in_double(5.0e4);
    const double e = h.EPSLN;
    expect_within(v.DRAFT, 37.505, 1e-3, "DRAFT");
    expect_within(v.DRAFT, h.MAXDFT, 1e-5, "DRAFT = MAXDFT");
    expect_within(v.LWL, 656.32, 1e-3, "LWL");
    expect_within(v.BWL, 110.90, 1e-3, "BWL");
    expect_within(v.BILGR, 7.763, 1e-3, "BILGR");
    // The exact centroid of the linear waterplane-area law.
    expect_within(v.VKB, h.MAXDFT * (2 + e) / (3 * (1 + e)), 1e-4, "VKB");
    expect_within(v.VKB, 19.465, 1e-3, "VKB");
    expect_within(v.LOADED, 100, 1e-5, "LOADED");
    expect_within(v.DFTPCT, 100, 1e-5, "DFTPCT");
    expect_within(v.DSPPCT, 100, 1e-5, "DSPPCT");
    expect_within(v.DISPL, 137338.6, 1e-3, "DISPL");
    expect_within(v.DISPL, 2.24 * h.MAXDSP, 1e-5, "DISPL = 2.24 MAXDSP");
    // With a full hold the cargo sits at half the depth.
    expect_within(v.VKG, (h.LTSVKG * h.LTSHIP + 0.5 * h.D * 5.0e4) / h.MAXDSP, 1e-4, "VKG");
    // Current areas are the submerged beam and length; wind areas add the freeboard.
    expect_within(v.XCURAR, h.B * h.MAXDFT, 1e-4, "XCURAR");
    expect_within(v.YCURAR, h.L * h.MAXDFT, 1e-4, "YCURAR");
    expect_within(v.XWNDAR, 0.1 * h.VOLSCL * h.VOLSCL + 3000 + h.B * (h.D - h.MAXDFT), 1e-4, "XWNDAR");
    expect_within(v.YWNDAR, 16 * h.VOLSCL + 3000 + h.L * (h.D - h.MAXDFT), 1e-4, "YWNDAR");
    EXPECT_EQ(v.DWTONS, 5.0e4f);
}

TEST_F(TankerEstimatorTest, TheLargerTankerOfTheDatabaseAtFullLoad) {
    const Values v = run(1.0e5f, 60.0f, "\n");
    expect_within(v.DRAFT, 46.81, 1e-3, "DRAFT");
    expect_within(v.LWL, 796.8, 1e-3, "LWL");
    expect_within(v.BWL, 138.1, 1e-3, "BWL");
    expect_within(v.DISPL, 2.24 * 1.188e5, 1e-3, "DISPL");
    // Rectangular-waterplane limit check of the metacentric radii: BMT = Cw-weighted B^2/(12 T).
    const Hull h = hull_in_double(1.0e5);
    const double wp = 0.3 * std::exp(-69.0 / h.VOLSCL) + 0.7;
    const double blk = 0.275 * std::exp(-194.0 / h.VOLSCL) + 0.725;
    expect_within(v.VKMT - v.VKB, (3 * wp - 1) * h.B * h.B / (24 * h.MAXDFT * blk), 1e-4, "BMT");
    expect_within(v.AWP, h.L * h.B * wp, 1e-4, "AWP");
}

TEST_F(TankerEstimatorTest, DraftBelowTheMinimumIsReplacedByTheLightShipDraft) {
    struct Case {
        Real draft;
        const char* what;
    };
    // -400 ft lies on the second branch of the volume law, whose volume exceeds the light ship's.
    for (const Case& c : {Case{0.0f, "zero draft"}, Case{-400.0f, "large negative draft"}, Case{2.0f, "shallow"}}) {
        clear_captured(SCREEN_UNIT);
        const Values v = run(5.0e4f, c.draft, "\n");
        EXPECT_NE(screen().find(kLessWarning + kAbortQuestion), std::string::npos) << c.what << screen();
        EXPECT_EQ(TPCM.LBACK, 0);

        const Hull h = hull_in_double(5.0e4);
        const double x = light_ship_ratio(h.EPSLN, h.MINRAT);
        expect_within(v.DRAFT, 1.00001 * h.MAXDFT * x, 1e-4, c.what);
        expect_within(v.DRAFT, 7.611, 1e-3, c.what);
        expect_within(v.DSPPCT, 18.45, 1e-3, c.what);
        expect_within(v.DISPL, 2.24 * h.LTSHIP, 1e-4, c.what);
        expect_within(v.VKG, h.LTSVKG, 1e-4, c.what);
        // No cargo: the loaded gyradii are the light ship's.
        const Gyradii g = box_shell(h.L, h.B, h.D, h.BKHDWT / h.SHELWT);
        expect_within(v.RGYR, g.roll, 1e-4, c.what);
        expect_within(v.PGYR, g.pitch, 1e-4, c.what);
        expect_within(v.YGYR, g.yaw, 1e-4, c.what);
        expect_within(v.RGYR, 44.66, 1e-3, c.what);
        expect_within(v.PGYR, 198.37, 1e-3, c.what);
        expect_within(v.YGYR, 201.04, 1e-3, c.what);
        EXPECT_GT(v.AWP, 0.0f) << c.what;
        EXPECT_GT(v.XCURAR, 0.0f) << c.what;
    }
}

TEST_F(TankerEstimatorTest, MetricDraftIsConvertedInAndTheResultOut) {
    TPCM.NUNTS = 1;
    TPCM.LBACK = 55;
    const Values v = run(5.0e4f, 9.0f);  // a question would meet the end of the input
    EXPECT_EQ(screen(), "");
    EXPECT_EQ(TPCM.LBACK, 55);  // untouched without a warning
    expect_within(v.DRAFT, 9.0, 1e-6, "DRAFT");
    expect_within(v.LWL, 200.05, 1e-3, "LWL");
    expect_within(v.BWL, 33.80, 1e-3, "BWL");
    expect_within(v.DISPL, 47856, 1e-3, "DISPL");
    EXPECT_EQ(v.DWTONS, 5.0e4f);
    // The same estimate in English units, converted by the exact factors.
    TPCM.NUNTS = 0;
    const Values f = run(5.0e4f, 9.0f / 0.3048f);
    expect_within(v.LWL, static_cast<double>(f.LWL) * 0.3048, 1e-5, "LWL ft");
    expect_within(v.AWP, static_cast<double>(f.AWP) * 0.09290304, 1e-5, "AWP ft^2");
    expect_within(v.YWNDAR, static_cast<double>(f.YWNDAR) * 0.09290304, 1e-5, "YWNDAR ft^2");
    expect_within(v.DISPL, static_cast<double>(f.DISPL) / 2.24 * 1.0160469, 1e-5, "DISPL kips");
    expect_within(v.VKMT, static_cast<double>(f.VKMT) * 0.3048, 1e-5, "VKMT ft");
    expect_within(v.LOADED, f.LOADED, 1e-5, "LOADED");
}

TEST_F(TankerEstimatorTest, AnAbortChangesNoValue) {
    struct Case {
        Real dwt, draft;
        const std::string warning;
    };
    for (const Case& c : {Case{5.0e4f, 200.0f, kGreaterWarning}, Case{5.0e4f, -400.0f, kLessWarning},
                          Case{5.0e4f, 0.0f, kLessWarning}}) {
        for (const char* answer : {"A\n", "a\n"}) {
            clear_captured(SCREEN_UNIT);
            answers(answer);
            const Values before = marked(c.dwt, c.draft);
            Values v = before;
            estimate(v);
            EXPECT_EQ(TPCM.LBACK, -1);
            EXPECT_TRUE(identical(v, before)) << c.draft << " LWL " << v.LWL;
            EXPECT_NE(screen().find(c.warning), std::string::npos);
        }
    }
}

TEST_F(TankerEstimatorTest, DeadweightBelowTwoThousandLongTons) {
    const std::string warning =
        "\n ++> Requested deadweight is less than 2000 long tons.\n"
        "     To continue, the deadweight will be replaced by 2000...\n" + kAbortQuestion;
    // Return: the estimate of a 2000-ton tanker, the deadweight raised.
    const Values low = run(1999.0f, 10.0f, "\n");
    EXPECT_NE(screen().find(warning), std::string::npos) << screen();
    EXPECT_EQ(low.DWTONS, 2000.0f);
    clear_captured(SCREEN_UNIT);
    const Values exact = run(2000.0f, 10.0f);
    EXPECT_EQ(screen(), "");
    EXPECT_TRUE(identical(low, exact));
    // "A": nothing changes, not even the deadweight.
    clear_captured(SCREEN_UNIT);
    const Values before = marked(1999.0f, 10.0f);
    Values v = before;
    answers("a\n");
    estimate(v);
    EXPECT_EQ(TPCM.LBACK, -1);
    EXPECT_TRUE(identical(v, before));
    // Raised, then aborted at the draft: only the raised deadweight stays.
    clear_captured(SCREEN_UNIT);
    const Values deep = marked(100.0f, 500.0f);
    v = deep;
    answers("\nA\n");
    estimate(v);
    EXPECT_EQ(TPCM.LBACK, -1);
    Values expected = deep;
    expected.DWTONS = 2000.0f;
    EXPECT_TRUE(identical(v, expected));
}

TEST_F(TankerEstimatorTest, SilentRunReplacesWithoutAQuestion) {
    TPCM.EDUNIT = SILENT_UNIT;
    TPCM.LBACK = 55;
    const Values v = run(1000.0f, 0.0f);  // no answers: a read would end the program
    EXPECT_EQ(TPCM.LBACK, 0);
    EXPECT_EQ(v.DWTONS, 2000.0f);
    const Hull h = hull_in_double(2000.0);
    expect_within(v.DRAFT, 1.00001 * h.MAXDFT * light_ship_ratio(h.EPSLN, h.MINRAT), 1e-4, "DRAFT");
    EXPECT_EQ(screen(), "");
    EXPECT_EQ(silent().find("Enter"), std::string::npos);
    EXPECT_NE(silent().find(" ++> Requested draft is less than the minimum"), std::string::npos);
}

TEST_F(TankerEstimatorTest, FailedMinimumDraftSearchEndsTheProgram) {
    // An infinite deadweight leaves no volume ratio to find a root for.
    answers("\n");
    Values v = marked(std::numeric_limits<Real>::infinity(), 10.0f);
    try {
        estimate(v);
        ADD_FAILURE() << "the estimate went on";
    } catch (const ProgramEnd& end) {
        EXPECT_EQ(end.status, 1);
    }
    const std::string s = screen();
    EXPECT_NE(s.find("\n ++> RTMI failure in minimum draft determination (subroutine ESTIM8)\n     Error Index = "),
              std::string::npos)
        << s;
    EXPECT_NE(s.find(" Press <RETURN> to continue: "), std::string::npos);
}

}  // namespace
}  // namespace brevant

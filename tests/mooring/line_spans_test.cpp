// Spans, touchdown and layer choice of the catenary library: spans against the classic elastic
// catenary, the sea-floor part and its conditions, touchdown by hand sums, layers by hand arithmetic.
#include "mooring/catlib/line_spans.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "classic_catenary.h"
#include "mooring/catlib/element_functions.h"

namespace brevant {
namespace {

using testing::classic_line;
using testing::ClassicElement;

// One line type's element words, as the data image holds them.
struct Line {
    std::array<Real, 25> slen{}, wetwt{};
    std::array<Real, 75> alpha{};
    void element(int j, Real L, Real w, Real a1) {
        slen[static_cast<std::size_t>(j - 1)] = L;
        wetwt[static_cast<std::size_t>(j - 1)] = w;
        alpha[static_cast<std::size_t>(3 * (j - 1))] = a1;
    }
    ElementColumn SLEN() const { return ElementColumn(slen); }
    ElementColumn WETWT() const { return ElementColumn(wetwt); }
    AlphaBlock ALPHA() const { return AlphaBlock(alpha); }
};

// Node tangents and secants from the fairlead vertical force V, the elements hanging freely.
struct Shape {
    ElementArray s{};
    NodeArray P{}, R{};
    BetaBlock B{};
};
Shape shape_of(const Line& line, int n, double H, double V) {
    Shape sh;
    SCLWLD(sh.s, line.WETWT(), H, n);
    BETALD(line.ALPHA(), sh.B, H, n);
    sh.P(1) = V / H;
    for (int j = 1; j <= n; ++j) sh.P(j + 1) = sh.P(j) - sh.s(j) * static_cast<double>(line.slen[static_cast<std::size_t>(j - 1)]);
    for (int k = 1; k <= n + 1; ++k) sh.R(k) = SECFCN(sh.P(k));
    return sh;
}

TEST(Sclwld, WeightOverHorizontalTension) {
    Line line;
    line.element(1, 10.0f, 0.8f, 0.0f);
    line.element(25, 10.0f, -0.3f, 0.0f);
    ElementArray s;
    s.fill(9.0);
    SCLWLD(s, line.WETWT(), 4.0, 25);
    EXPECT_EQ(s(1), static_cast<double>(0.8f) / 4.0);
    EXPECT_EQ(s(2), 0.0);
    EXPECT_EQ(s(25), static_cast<double>(-0.3f) / 4.0);
}

// Suspended elements, one and several, against the classic formulas (no floor).
TEST(Spans, SuspendedElementsMatchTheClassicCatenary) {
    struct Case {
        std::vector<ClassicElement> el;  // from the fairlead down (EA = 1 / a1 of the float a1)
        double H, V;
    };
    const Real a1 = 2e-6f, a2 = 1e-5f;
    const double EA1 = 1.0 / static_cast<double>(a1), EA2 = 1.0 / static_cast<double>(a2);
    const Case cases[] = {
        {{{300, static_cast<double>(0.5f), EA2}}, 50, 105.59},                       // dips below its lower end
        {{{250, static_cast<double>(0.5f), EA2}}, 80, 179.88},                       // rising all along
        {{{400, static_cast<double>(0.1f), EA2}, {600, static_cast<double>(0.9f), EA1}}, 120, 700},
        {{{100, static_cast<double>(0.8f), EA1}, {30, static_cast<double>(-1.5f), EA2}, {200, static_cast<double>(0.8f), EA1}},
         60, 150},  // with a buoyant element
    };
    for (const Case& c : cases) {
        Line line;
        const int n = static_cast<int>(c.el.size());
        for (int j = 1; j <= n; ++j) {
            const ClassicElement& e = c.el[static_cast<std::size_t>(j - 1)];
            line.element(j, static_cast<Real>(e.L), static_cast<Real>(e.w), e.EA == EA1 ? a1 : a2);
        }
        const Shape sh = shape_of(line, n, c.H, c.V);
        const auto oracle = classic_line(c.H, c.V, c.el, false);
        EXPECT_NEAR(XDIST(sh.s, sh.R, sh.P, sh.B, n, n, 0, line.SLEN(), 0.0), oracle.x, 1e-9 * oracle.x);
        EXPECT_NEAR(ZDIST(sh.s, sh.R, sh.B, n, line.SLEN(), sh.P), oracle.z, 1e-9 * std::fabs(oracle.z) + 1e-9);
        // Partial sums: the spans of the first elements alone.
        for (int k = 1; k < n; ++k) {
            EXPECT_NEAR(ZDIST(sh.s, sh.R, sh.B, k, line.SLEN(), sh.P), oracle.depth[static_cast<std::size_t>(k)],
                        1e-9 * (1 + std::fabs(oracle.depth[static_cast<std::size_t>(k)])));
        }
    }
}

// The slack line: the part beyond the point where the tangent reaches 0 lies on the floor.
TEST(Spans, SeaFloorPartAndItsConditions) {
    const double H = 100, V = 239.9376;
    Line line;
    line.element(1, 1000.0f, 0.8f, 2e-6f);
    Shape sh = shape_of(line, 1, H, V);
    sh.P(2) = 0.0;  // the iteration stops the tangent at the floor slope
    sh.R(2) = 1.0;
    const std::vector<ClassicElement> el = {{1000, static_cast<double>(0.8f), 1.0 / static_cast<double>(2e-6f)}};
    const auto oracle = classic_line(H, V, el, true);
    EXPECT_NEAR(XDIST(sh.s, sh.R, sh.P, sh.B, 1, 1, 1, line.SLEN(), 0.0), oracle.x, 1e-9 * oracle.x);
    EXPECT_NEAR(ZDIST(sh.s, sh.R, sh.B, 1, line.SLEN(), sh.P), oracle.z, 1e-9 * oracle.z);
    // Not allowed on the floor: the suspended part only.
    const double suspended = (XFCN(sh.R(1), sh.P(1), 1, sh.B) - XFCN(1.0, 0.0, 1, sh.B)) / sh.s(1);
    EXPECT_DOUBLE_EQ(XDIST(sh.s, sh.R, sh.P, sh.B, 1, 1, 0, line.SLEN(), 0.0), suspended);
    EXPECT_DOUBLE_EQ(XDIST(sh.s, sh.R, sh.P, sh.B, 1, 1, 2, line.SLEN(), 0.0), suspended);
    // A buoyant element below holds the line off the floor.
    line.element(2, 10.0f, -1.0f, 0.0f);
    sh.s(2) = -1.0 / H;
    sh.P(3) = sh.P(2) + 0.1;
    sh.R(3) = SECFCN(sh.P(3));
    EXPECT_DOUBLE_EQ(XDIST(sh.s, sh.R, sh.P, sh.B, 1, 2, 1, line.SLEN(), 0.0), suspended);
}

// A weightless element is straight: its stretched length times the cosine and the sine of its slope.
TEST(Spans, WeightlessElement) {
    Line line;
    line.element(1, 50.0f, 0.0f, 1e-3f);
    Shape sh = shape_of(line, 1, 40.0, 20.0);  // tangent 0.5 at both nodes
    ASSERT_EQ(sh.P(2), 0.5);
    const double stretched = 50.0 * (1.0 + static_cast<double>(1e-3f) * 40.0 * std::sqrt(1.25));
    const double x = XDIST(sh.s, sh.R, sh.P, sh.B, 1, 1, 1, line.SLEN(), 0.0);
    const double z = ZDIST(sh.s, sh.R, sh.B, 1, line.SLEN(), sh.P);
    EXPECT_NEAR(x, stretched * std::cos(std::atan(0.5)), 1e-12);
    EXPECT_NEAR(z, stretched * std::sin(std::atan(0.5)), 1e-12);
    EXPECT_NEAR(x, 46.72136, 5e-6);
    EXPECT_NEAR(z, 23.36068, 5e-6);
    // Lying flat on the floor its stretched length counts once, not twice.
    Shape flat = shape_of(line, 1, 40.0, 0.0);
    EXPECT_NEAR(XDIST(flat.s, flat.R, flat.P, flat.B, 1, 1, 1, line.SLEN(), 0.0),
                50.0 * (1.0 + static_cast<double>(1e-3f) * 40.0), 1e-12);
    // Nothing summed, nothing spanned.
    EXPECT_EQ(XDIST(sh.s, sh.R, sh.P, sh.B, 0, 1, 1, line.SLEN(), 0.0), 0.0);
    EXPECT_EQ(ZDIST(sh.s, sh.R, sh.B, 0, line.SLEN(), sh.P), 0.0);
}

// The two-element line of the acceptance case: upper 400 of 0.1 (a1 1e-5), lower 600 of 0.9 (a1 2e-6).
TEST(Tuchdn, TouchdownElementByHandSums) {
    Line line;
    line.element(1, 400.0f, 0.1f, 1e-5f);
    line.element(2, 600.0f, 0.9f, 2e-6f);
    BetaBlock B{};
    BETALD(line.ALPHA(), B, 120.0, 2);
    struct Case {
        Real botlen;
        Int botelm;
        double unstrl, botwgt;
    };
    const double s2 = 1.0 + static_cast<double>(2e-6f) * 120.0;  // stretch of element 2 at a flat slope
    const Case cases[] = {
        {527.165f, 2, 527.165 / s2, 0.9 * 527.165 / s2},
        {0.0f, 2, 0.0, 0.0},
        {2000.0f, 1, 1000.0, 0.1 * 400 + 0.9 * 600},  // whole line on the floor: no index 0
        {700.0f, 1, 600.0 + (700.0 - 600.0 * s2) / (1.0 + static_cast<double>(1e-5f) * 120.0),
         0.9 * 600 + 0.1 * (700.0 - 600.0 * s2) / (1.0 + static_cast<double>(1e-5f) * 120.0)},
    };
    for (const Case& c : cases) {
        Real BOTWGT = -1, UNSTRL = -1;
        Int BOTELM = -1;
        TUCHDN(c.botlen, line.WETWT(), line.SLEN(), B, 2, 0.0, BOTWGT, BOTELM, UNSTRL);
        EXPECT_EQ(BOTELM, c.botelm) << c.botlen;
        EXPECT_NEAR(UNSTRL, c.unstrl, 2e-4) << c.botlen;
        EXPECT_NEAR(BOTWGT, c.botwgt, 2e-4) << c.botlen;
    }
    Real BOTWGT = -1, UNSTRL = -1;
    Int BOTELM = -1;
    TUCHDN(527.165f, line.WETWT(), line.SLEN(), B, 2, 0.0, BOTWGT, BOTELM, UNSTRL);
    EXPECT_NEAR(UNSTRL, 527.038, 0.05);
    EXPECT_NEAR(BOTWGT, 474.335, 0.05);
    TUCHDN(5.0f, line.WETWT(), line.SLEN(), B, 0, 0.0, BOTWGT, BOTELM, UNSTRL);
    EXPECT_EQ(BOTELM, 0);
    EXPECT_EQ(UNSTRL, 0.0f);
    EXPECT_EQ(BOTWGT, 0.0f);
}

TEST(Setlyr, LayerAndFractionByHand) {
    // NLAYER 5, MIDLYR 3, DLAYER 4, ZSPAN 16: layers from -8 to 8.
    struct Case {
        Real z;
        Int layer;
        Real frac;
        Int out;
    };
    const Case cases[] = {
        {0.0f, 3, 0.0f, 0}, {2.0f, 3, 0.5f, 0},  {8.0f, 5, 0.0f, 0},  {-8.0f, 1, 0.0f, 0},
        {-12.0f, 1, -1.0f, 1}, {11.0f, 4, 1.75f, 1}, {7.0f, 4, 0.75f, 0},
    };
    for (const Case& c : cases) {
        Int ILAYER = -1, OUTWRN = -1;
        Real DELLAY = -9;
        SETLYR(5, 3, 4.0f, 16.0f, c.z, ILAYER, DELLAY, OUTWRN);
        EXPECT_EQ(ILAYER, c.layer) << c.z;
        EXPECT_EQ(DELLAY, c.frac) << c.z;
        EXPECT_EQ(OUTWRN, c.out) << c.z;
        Int il = -1, ow = -1;
        double dl = -9;
        SETLDP(5, 3, 4.0, 16.0, static_cast<double>(c.z), il, dl, ow);
        EXPECT_EQ(il, c.layer) << c.z;
        EXPECT_EQ(dl, static_cast<double>(c.frac)) << c.z;
        EXPECT_EQ(ow, c.out) << c.z;
    }
}

// One layer, or no height between layers: layer 1 at any height, so the caller stays in its tables.
TEST(Setlyr, NothingToBlendOver) {
    for (Real z : {0.0f, 3.0f, 50.0f, -50.0f}) {
        Int ILAYER = -1, OUTWRN = -1;
        Real DELLAY = -9;
        SETLYR(1, 1, 4.0f, 0.0f, z, ILAYER, DELLAY, OUTWRN);
        EXPECT_EQ(ILAYER, 1) << z;
        EXPECT_EQ(DELLAY, 0.0f) << z;
        EXPECT_EQ(OUTWRN, z != 0.0f ? 1 : 0) << z;
        SETLYR(5, 3, 0.0f, 16.0f, z, ILAYER, DELLAY, OUTWRN);
        EXPECT_EQ(ILAYER, 1) << z;
        EXPECT_EQ(DELLAY, 0.0f) << z;
    }
}

}  // namespace
}  // namespace brevant

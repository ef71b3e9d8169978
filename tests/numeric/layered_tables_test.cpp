// Layered tables: blending against its closed form, and search and interpolation against the
// plain routines run on an explicitly blended copy of the table.
#include "numeric/layered_tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "numeric/table_search.h"

namespace brevant {
namespace {

// Two neighbouring layers of NWP points each, sized so that nothing past entry NWP of the upper
// layer exists (the sanitizer build catches a read beyond it).
template <typename T>
struct TwoLayers {
    std::vector<T> v;
    explicit TwoLayers(const std::vector<T>& lower, const std::vector<T>& upper)
        : v(LAYER_STRIDE + upper.size(), T(-999)) {
        for (std::size_t i = 0; i < lower.size(); ++i) v[i] = lower[i];
        for (std::size_t i = 0; i < upper.size(); ++i) v[LAYER_STRIDE + i] = upper[i];
    }
    const T* data() const { return v.data(); }
    std::vector<T> blended(T d) const {
        std::vector<T> b(v.size() - LAYER_STRIDE);
        for (std::size_t i = 0; i < b.size(); ++i)
            b[i] = static_cast<T>((1.0 - static_cast<double>(d)) * static_cast<double>(v[i]) +
                                  static_cast<double>(d) * static_cast<double>(v[LAYER_STRIDE + i]));
        return b;
    }
};

const std::vector<Real> kLowerTop = {1.0f, 2.0f, 4.0f, 7.0f};

TEST(Midlay, BlendsTheSameEntryOfTheNextLayer) {
    TwoLayers<Real> t({2.0f}, {4.0f});
    EXPECT_EQ(MIDLAY(t.data(), 0.25f), 2.5f);
    EXPECT_EQ(MIDLAY(t.data(), 0.0f), 2.0f);
    EXPECT_EQ(MIDLAY(t.data(), 1.0f), 4.0f);
    EXPECT_EQ(MIDLAY(t.data(), 1.5f), 5.0f);  // outside 0..1 extrapolates
    TwoLayers<double> d({2.0}, {4.0});
    EXPECT_EQ(MDLYDP(d.data(), 0.25), 2.5);
    EXPECT_EQ(MDLYDP(d.data(), -0.5), 1.0);
}

// At the top layer a caller blends with weight 0 towards a layer that is not there (the tables of
// line type 150 end with layer 29). The term of weight 0 is never read: here the "next layer" holds
// NaN, and in the sanitizer build a table of one layer only catches any read past it.
TEST(LayeredTables, AZeroWeightTermIsNotRead) {
    const Real nan = std::numeric_limits<Real>::quiet_NaN();
    TwoLayers<Real> t(kLowerTop, std::vector<Real>(4, nan));
    std::vector<Real> top(kLowerTop.begin(), kLowerTop.end());
    top.resize(LAYER_STRIDE, 50.0f);  // one whole layer and nothing beyond it
    std::vector<Real> hl = {1.0f, 2.0f, 3.0f, 4.0f};
    hl.resize(LAYER_STRIDE, 9.0f);
    for (const Real* x : {t.data(), static_cast<const Real*>(top.data())}) {
        EXPECT_EQ(MIDLAY(x + 2, 0.0f), 4.0f);
        Int IER = 9, MIN = 0;
        BSRCHQ(x, 0.0f, 3.0f, IER, MIN, 4);
        EXPECT_EQ(IER, 0);
        EXPECT_EQ(MIN, 2);
        Real q = 0, r = 0;
        INTRPQ(x, hl.data(), 3.0f, q, MIN, 0.0f);
        INTRPR(x, hl.data(), 3.0f, r, MIN, 0.0f);
        EXPECT_EQ(q, 2.5f);
        EXPECT_EQ(r, 2.5f);
    }
    // Weight 1 on the upper layer leaves the lower one out the same way.
    TwoLayers<Real> u(std::vector<Real>(4, nan), kLowerTop);
    EXPECT_EQ(MIDLAY(u.data() + 1, 1.0f), 2.0f);

    const double dnan = std::numeric_limits<double>::quiet_NaN();
    std::vector<double> d = {1.0, 2.0, 4.0, 7.0};
    d.resize(LAYER_STRIDE, 50.0);
    std::vector<double> dh = {1.0, 2.0, 3.0, 4.0};
    dh.resize(LAYER_STRIDE, 9.0);
    EXPECT_EQ(MDLYDP(d.data() + 3, 0.0), 7.0);
    Int IER = 9, MIN = 0;
    BSRCDP(d.data(), 0.0, 3.0, IER, MIN, 4);
    EXPECT_EQ(MIN, 2);
    double yq = 0;
    INTDPQ(d.data(), dh.data(), 3.0, yq, MIN, 0.0);
    EXPECT_EQ(yq, 2.5);
    TwoLayers<double> du(std::vector<double>(4, dnan), {1.0, 2.0, 4.0, 7.0});
    EXPECT_EQ(MDLYDP(du.data(), 1.0), 1.0);
}

const std::vector<Real> kLower = {0.0f, 1.0f, 2.5f, 4.0f, 7.0f, 11.0f};
const std::vector<Real> kUpper = {1.0f, 3.0f, 4.0f, 8.0f, 9.0f, 15.0f};

TEST(Bsrchq, MatchesBsrchOnTheBlendedTable) {
    TwoLayers<Real> t(kLower, kUpper);
    const Int NWP = static_cast<Int>(kLower.size());
    for (Real d : {0.0f, 0.3f, 0.5f, 1.0f}) {
        const std::vector<Real> b = t.blended(d);
        for (Real wp = -0.7f; wp < 16.0f; wp += 0.9f) {
            Int IER = 9, MIN = 0, ier_ref = 9, min_ref = 0;
            BSRCHQ(t.data(), d, wp, IER, MIN, NWP);
            BSRCH(b.data(), wp, ier_ref, min_ref, NWP);
            EXPECT_EQ(MIN, min_ref) << "DELLAY " << d << " WP " << wp;
            // The range flag always comes from the lower layer's own ends.
            EXPECT_EQ(IER, wp > 11.0f ? 2 : wp < 0.0f ? 1 : 0) << "DELLAY " << d << " WP " << wp;
        }
    }
}

TEST(Bsrchq, DescendingLayersAndTheDirectionFreeFlag) {
    const std::vector<Real> lower = {9.0f, 6.0f, 4.0f, 1.0f};
    const std::vector<Real> upper = {19.0f, 16.0f, 14.0f, 11.0f};
    TwoLayers<Real> t(lower, upper);
    Int IER = 9, MIN = 0;
    BSRCHQ(t.data(), 0.0f, 5.0f, IER, MIN, 4);
    EXPECT_EQ(IER, 0);
    EXPECT_EQ(MIN, 2);
    // 12 lies above the lower layer (flag 2) but inside the upper one, where the search finds it.
    BSRCHQ(t.data(), 1.0f, 12.0f, IER, MIN, 4);
    EXPECT_EQ(IER, 2);
    EXPECT_EQ(MIN, 3);
    // 5 lies inside the lower layer's ends but below the whole upper layer: flag 0, last interval.
    BSRCHQ(t.data(), 1.0f, 5.0f, IER, MIN, 4);
    EXPECT_EQ(IER, 0);
    EXPECT_EQ(MIN, 3);
    BSRCHQ(t.data(), 1.0f, 0.5f, IER, MIN, 4);
    EXPECT_EQ(IER, 1);
}

TEST(Intrp, EachVariantBlendsItsOwnColumns) {
    TwoLayers<Real> x(kLower, kUpper);
    TwoLayers<Real> y({10.0f, 20.0f, 5.0f, 0.0f, -3.0f, 8.0f}, {0.0f, 2.0f, 40.0f, 1.0f, 6.0f, 7.0f});
    for (Real d : {0.0f, 0.25f, 1.0f}) {
        const std::vector<Real> bx = x.blended(d), by = y.blended(d);
        for (Int mn = 1; mn <= 5; ++mn) {
            for (Real xval : {-1.0f, 2.0f, 5.5f, 12.0f}) {
                auto line = [xval, mn](const Real* xs, const Real* ys) {
                    const double x0 = xs[mn - 1], x1 = xs[mn], y0 = ys[mn - 1], y1 = ys[mn];
                    return y0 + (y1 - y0) * (static_cast<double>(xval) - x0) / (x1 - x0);
                };
                Real q = 0, r = 0, s = 0;
                INTRPQ(x.data(), y.data(), xval, q, mn, d);
                INTRPR(x.data(), y.data(), xval, r, mn, d);
                INTRPS(x.data(), y.data(), xval, s, mn, d);
                const double tol = 1e-5 * (1.0 + std::fabs(line(bx.data(), by.data())));
                EXPECT_NEAR(q, line(bx.data(), by.data()), tol) << d << " " << mn << " " << xval;
                EXPECT_NEAR(r, line(bx.data(), y.data()), 1e-5 * (1.0 + std::fabs(line(bx.data(), y.data()))));
                EXPECT_NEAR(s, line(x.data(), by.data()), 1e-5 * (1.0 + std::fabs(line(x.data(), by.data()))));
                if (d == 0.0f) {
                    // No blend: exactly the plain interpolation on the lower layer.
                    Real plain = 0;
                    INTERP(x.data(), y.data(), xval, plain, mn);
                    EXPECT_EQ(q, plain);
                    EXPECT_EQ(r, plain);
                    EXPECT_EQ(s, plain);
                }
            }
        }
    }
}

TEST(DoublePrecisionFamily, SameStepsInDouble) {
    const std::vector<double> lo = {0.0, 0.1, 0.35, 0.9}, hi = {1.0, 1.3, 1.35, 2.0};
    const std::vector<double> ylo = {1.0, 2.0, 3.0, 4.0}, yhi = {-1.0, -2.0, -4.0, -8.0};
    TwoLayers<double> x(lo, hi), y(ylo, yhi);
    const double d = 0.1;
    const std::vector<double> bx = x.blended(d), by = y.blended(d);
    Int IER = 9, MIN = 0;
    BSRCDP(x.data(), d, 0.4, IER, MIN, 4);
    EXPECT_EQ(IER, 0);
    EXPECT_EQ(MIN, 2);  // blended table 0.1, 0.22, 0.45, 1.01
    BSRCDP(x.data(), d, 0.95, IER, MIN, 4);
    EXPECT_EQ(IER, 2);  // above the lower layer's end 0.9, though inside the blended range
    EXPECT_EQ(MIN, 3);
    const double xval = 0.3;
    auto line = [xval](const std::vector<double>& xs, const std::vector<double>& ys, int mn) {
        return ys[mn - 1] + (ys[mn] - ys[mn - 1]) * (xval - xs[mn - 1]) / (xs[mn] - xs[mn - 1]);
    };
    double q = 0, r = 0, s = 0;
    INTDPQ(x.data(), y.data(), xval, q, 2, d);
    INTDPR(x.data(), y.data(), xval, r, 2, d);
    INTDPS(x.data(), y.data(), xval, s, 2, d);
    EXPECT_NEAR(q, line(bx, by, 2), 1e-13);
    EXPECT_NEAR(r, line(bx, ylo, 2), 1e-13);
    EXPECT_NEAR(s, line(lo, by, 2), 1e-13);
}

}  // namespace
}  // namespace brevant

// Load factors against the dynamic-pressure form 1/2 rho V^2, and the effective current speed
// against the root-mean-square of its profile taken independently (quadrature, exact integrals of
// straight pieces).
#include "lowlib/load_constants.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <utility>
#include <vector>

#include "records/data_image.h"
#include "records/sines_record.h"
#include "records/wave_record.h"

namespace brevant {
namespace {

class LoadConstants : public ::testing::Test {
protected:
    void SetUp() override { reset_all(); }
    void TearDown() override { reset_all(); }
    static void reset_all() {
        reset_tpcm();
        reset_wavcom();
        reset_sines();
        reset_curprof();
    }
};

// Root-mean-square over 0..draft of a speed given at depths, straight between them, exactly.
double rms_of_pieces(const std::vector<std::pair<double, double>>& pts, double draft) {
    double sum = 0.0;
    for (std::size_t i = 1; i < pts.size(); ++i) {
        auto [z0, v0] = pts[i - 1];
        auto [z1, v1] = pts[i];
        if (z0 >= draft) break;
        if (z1 > draft) {
            v1 = v0 + (draft - z0) / (z1 - z0) * (v1 - v0);
            z1 = draft;
        }
        sum += (z1 - z0) * (v0 * v0 + v0 * v1 + v1 * v1) / 3.0;
    }
    const auto& last = pts.back();
    if (last.first < draft) sum += (draft - last.first) * last.second * last.second;
    return std::sqrt(sum / draft);
}

// Root-mean-square of the one-seventh power law over 0..draft by Simpson's rule.
double rms_power_law(double speed, double depth, double draft) {
    const int n = 20000;
    const double h = draft / n;
    double sum = 0.0;
    for (int i = 0; i <= n; ++i) {
        const double z = i * h;
        const double base = std::max(1.0 - z / depth, 0.0);
        const double f = speed * speed * std::pow(base, 2.0 / 7.0);
        sum += f * (i == 0 || i == n ? 1.0 : (i % 2 == 1 ? 4.0 : 2.0));
    }
    return std::sqrt(sum * h / 3.0 / draft);
}

ProfileArray profile(std::initializer_list<Real> values) {
    ProfileArray a{};
    int i = 1;
    for (Real v : values) a(i++) = v;
    return a;
}

TEST_F(LoadConstants, PowerLawIsTheRmsOfTheProfile) {
    const ProfileArray none{};
    const Real v = AVGCUR(50.0f, 15.0f, 0, none, none, 1.5f, 0);
    EXPECT_NEAR(v, 1.464794f, 2e-6f * 1.464794f);
    EXPECT_NEAR(v, rms_power_law(1.5, 50.0, 15.0), 2e-6 * 1.464794);
    for (Real draft : {1.0f, 20.0f, 45.0f, 49.5f})
        EXPECT_NEAR(AVGCUR(100.0f, draft, 0, none, none, 2.0f, 0), rms_power_law(2.0, 100.0, draft), 2e-5)
            << draft;
}

TEST_F(LoadConstants, PowerLawAtAndBeyondTheSeaFloor) {
    const ProfileArray none{};
    // At the floor: sqrt(7/9) of the surface speed; beyond it no current below the floor.
    EXPECT_NEAR(AVGCUR(50.0f, 50.0f, 0, none, none, 1.5f, 0), 1.5 * std::sqrt(7.0 / 9.0), 2e-6);
    const Real deep = AVGCUR(50.0f, 62.5f, 0, none, none, 1.5f, 0);
    EXPECT_NEAR(deep, 1.183216f, 2e-6f);
    EXPECT_NEAR(deep, 1.5 * std::sqrt(7.0 / (9.0 * 1.25)), 2e-6);
    // A draft of 0 is the limit, the surface speed.
    EXPECT_EQ(AVGCUR(50.0f, 0.0f, 0, none, none, 1.5f, 0), 1.5f);
    // A shallow draft comes near it (the closed form loses digits as tau goes to 0 in single precision).
    EXPECT_NEAR(AVGCUR(50.0f, 0.5f, 0, none, none, 1.5f, 0), rms_power_law(1.5, 50.0, 0.5), 1e-4);
}

TEST_F(LoadConstants, UniformCurrentIsTheSurfaceSpeed) {
    const ProfileArray none{};
    EXPECT_EQ(AVGCUR(50.0f, 15.0f, 1, none, none, 1.7f, 0), 1.7f);
}

TEST_F(LoadConstants, TableIsTheExactRmsOfItsStraightPieces) {
    const ProfileArray depths = profile({5.0f, 12.0f, 40.0f});
    const ProfileArray speeds = profile({1.8f, 1.2f, 0.4f});
    const Real v = AVGCUR(50.0f, 20.0f, 2, speeds, depths, 2.0f, 3);
    EXPECT_NEAR(v, 1.474647f, 2e-6f);
    EXPECT_NEAR(v, rms_of_pieces({{0, 2.0}, {5, 1.8}, {12, 1.2}, {40, 0.4}}, 20.0), 2e-6);
    // The file kind reads the same way.
    EXPECT_EQ(AVGCUR(50.0f, 20.0f, 3, speeds, depths, 2.0f, 3), v);

    // Without the deepest point the speed at 12 holds down to the draft.
    const Real two = AVGCUR(50.0f, 20.0f, 2, speeds, depths, 2.0f, 2);
    EXPECT_NEAR(two, 1.509084f, 2e-6f);
    EXPECT_NEAR(two, rms_of_pieces({{0, 2.0}, {5, 1.8}, {12, 1.2}}, 20.0), 2e-6);
}

TEST_F(LoadConstants, TableEdgeCases) {
    // A point exactly at the draft ends the walk there; the deeper point changes nothing.
    const ProfileArray d1 = profile({10.0f, 30.0f});
    const ProfileArray v1 = profile({1.0f, 0.2f});
    EXPECT_NEAR(AVGCUR(50.0f, 10.0f, 2, v1, d1, 2.0f, 2), rms_of_pieces({{0, 2.0}, {10, 1.0}}, 10.0), 2e-6);
    // A first point at depth 0 is a layer of no thickness, skipped.
    const ProfileArray d2 = profile({0.0f, 8.0f});
    const ProfileArray v2 = profile({1.5f, 1.0f});
    EXPECT_NEAR(AVGCUR(50.0f, 16.0f, 2, v2, d2, 1.5f, 2), rms_of_pieces({{0, 1.5}, {8, 1.0}}, 16.0), 2e-6);
    // Speeds all equal to the surface speed (a zero slope in every layer).
    const ProfileArray d3 = profile({4.0f, 9.0f, 30.0f});
    const ProfileArray v3 = profile({1.3f, 1.3f, 1.3f});
    EXPECT_NEAR(AVGCUR(50.0f, 12.0f, 2, v3, d3, 1.3f, 3), 1.3f, 2e-6f);
}

TEST_F(LoadConstants, TableWithoutACountedLayerNeverReadsBeforeTheTable) {
    // No points at all: the surface speed.
    const ProfileArray none{};
    EXPECT_EQ(AVGCUR(50.0f, 15.0f, 2, none, none, 1.5f, 0), 1.5f);
    EXPECT_EQ(AVGCUR(50.0f, 15.0f, 2, none, none, 1.5f, -3), 1.5f);
    // One point at depth 0 counts no layer: the surface speed carries down to the draft.
    const ProfileArray d = profile({0.0f});
    const ProfileArray v = profile({0.5f});
    EXPECT_FLOAT_EQ(AVGCUR(50.0f, 15.0f, 2, v, d, 1.5f, 1), 1.5f);
    // A draft of 0 is the limit for the table too.
    EXPECT_EQ(AVGCUR(50.0f, 0.0f, 2, profile({5.0f}), profile({1.0f}), 1.5f, 1), 1.5f);
}

// The metric case of the acceptance, wind and current on.
void metric_case() {
    TPCM.NUNTS = 1;
    TPCM.LWIND = 1;
    TPCM.WNDFAC = 1.0f;
    TPCM.WNDSPD = 30.0f;
    WAVCOM.RHOAIR = 1.226f;
    TPCM.LCURNT = 1;
    TPCM.LCSTCR = 1;
    TPCM.CURSPD = 1.5f;
    TPCM.DWATR = 10.05f;
    TPCM.CURFAC = 1.0f;
    TPCM.DEPTH = 100.0f;
    TPCM.DRAFT = 15.0f;
    WAVCOM.G = 9.81f;
}

TEST_F(LoadConstants, CofldIsHalfRhoVSquaredPerThousand) {
    metric_case();
    COFLD();
    EXPECT_FLOAT_EQ(SINES.WNDCOF, 0.1457922f);
    // Within 0.06 % of 1/2 rho (0.5142 V)^2 / 1000, the knot conversion being 0.5142 m/s.
    EXPECT_NEAR(SINES.WNDCOF, 0.5 * 1.226 * std::pow(0.5142 * 30.0, 2) / 1000.0, 6e-4 * 0.1458704);
    EXPECT_FLOAT_EQ(SINES.CURCOF, 3.045657e-4f);
    EXPECT_NEAR(SINES.CURCOF, 0.5 * 10.05 / 9.81 * std::pow(0.5142 * 1.5, 2) / 1000.0, 6e-4 * 3.046e-4);
    // The enhancement factors scale the factors.
    TPCM.WNDFAC = 2.0f;
    TPCM.CURFAC = 0.5f;
    COFLD();
    EXPECT_FLOAT_EQ(SINES.WNDCOF, 2.0f * 0.1457922f);
    EXPECT_FLOAT_EQ(SINES.CURCOF, 0.5f * 3.045657e-4f);
}

TEST_F(LoadConstants, CofldUsesTheAverageCurrentOfTheProfileRecord) {
    metric_case();
    TPCM.LCSTCR = 2;
    // The record's profile, not the data image's table of the same names, feeds the average.
    CURPROF.NCURNTPF = 2;
    CURPROF.DPTHIPF(1) = 5.0f;
    CURPROF.DPTHIPF(2) = 12.0f;
    CURPROF.VELIPF(1) = 1.8f;
    CURPROF.VELIPF(2) = 1.2f;
    TPCM.NCURNT = 0;
    TPCM.CURSPD = 2.0f;
    TPCM.DRAFT = 20.0f;
    COFLD();
    const double k = rms_of_pieces({{0, 2.0}, {5, 1.8}, {12, 1.2}}, 20.0);
    EXPECT_NEAR(SINES.CURCOF, 10.05 / 9.81 * 0.00013213 * k * k, 1e-6 * 3.2e-4);
}

TEST_F(LoadConstants, CofldWithLoadsOffAndEnglishUnits) {
    metric_case();
    SINES.WNDCOF = 5.0f;
    SINES.CURCOF = 5.0f;
    TPCM.LWIND = 0;
    TPCM.LCURNT = 0;
    COFLD();
    EXPECT_EQ(SINES.WNDCOF, 0.0f);
    EXPECT_EQ(SINES.CURCOF, 0.0f);

    // Every unit system other than metric uses the English constant.
    for (Int nunts : {0, 2, -1}) {
        metric_case();
        TPCM.NUNTS = nunts;
        COFLD();
        EXPECT_FLOAT_EQ(SINES.WNDCOF, 1.0f * 1.226f * 0.0014224f * 30.0f * 30.0f) << nunts;
        EXPECT_FLOAT_EQ(SINES.CURCOF, 10.05f / 9.81f * 1.0f * 0.0014224f * 1.5f * 1.5f) << nunts;
    }
    // 0.0014224 is 1/2 (1.687 ft/s)^2 / 1000 to four figures.
    EXPECT_NEAR(0.0014224, 0.5 * 1.68666 * 1.68666 / 1000.0, 1e-7);
}

TEST_F(LoadConstants, CofldLeavesTheTrigonometricWordsAlone) {
    metric_case();
    SINES.S3() = 0.25f;
    SINES.HOVERD = 6.0f;
    COFLD();
    EXPECT_EQ(SINES.S3(), 0.25f);
    EXPECT_EQ(SINES.HOVERD, 6.0f);
}

}  // namespace
}  // namespace brevant

// DSKCHR without mooring feedback: the equivalent cylinder of a disc of radius 8 m against the
// cylinder identities, the keel skirt, the pass loop that stops when the grid indices stand still,
// and HTSLOP against deep-water wave theory.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "disc_fixture.h"
#include "numeric/grid_point.h"
#include "vessels/disc/disc_characteristics.h"

namespace brevant::testing {
namespace {

using DiscCharacteristics = DiscTest;

void expect_rel(double actual, double expected, double rel, const char* what) {
    EXPECT_NEAR(actual, expected, rel * std::fabs(expected)) << what;
}

TEST_F(DiscCharacteristics, EquivalentCylinderOfTheDisc) {
    DSKCHR();
    const Himem& H = HIMEM;
    expect_rel(H.RADIUS(), 8.0, 1e-5, "RADIUS");
    // With KB at half the draft the effective draft is the draft.
    expect_rel(H.EDRAFT, 3.0, 1e-5, "EDRAFT");
    expect_rel(H.GML, 6.8333333 - 2.5, 1e-5, "GML");
    EXPECT_EQ(H.GMT, H.GML);
    expect_rel(H.TQCNST, 1.2307692, 1e-5, "TQCNST");
    expect_rel(H.HC, 1970.407, 1e-5, "HC");
    expect_rel(H.HCONST, 512.0, 1e-5, "HCONST");
    expect_rel(H.PCONST, 32768.0, 1e-5, "PCONST");
    EXPECT_EQ(H.SKAMHV, 0.0f);
    EXPECT_EQ(H.SKAMRL, 0.0f);
    expect_rel(H.DELTA, 618.2654 * 1000.0 / 1025.0, 1e-6, "DELTA");
    EXPECT_EQ(H.BEAM, 2.0f * H.RADIUS());
    // The natural frequencies belong to the masses of the last pass.
    expect_rel(H.WH, std::sqrt(dbl(H.HC) / dbl(H.HVMAS)), 1e-6, "WH");
    expect_rel(H.WP, std::sqrt(dbl(H.PRMT) / dbl(H.PTCHI)), 1e-6, "WP");
    expect_rel(H.WR, std::sqrt(dbl(H.PRMT) / dbl(H.ROLI)), 1e-6, "WR");
    expect_rel(H.SGMAS, (1.0 + dbl(H.CSG)) * dbl(H.HVM1), 1e-6, "SGMAS");
}

TEST_F(DiscCharacteristics, KeelSkirtAddedMasses) {
    TPCM.LKEEL = 1;
    TPCM.RKEEL = 1.0f;
    TPCM.DKEEL = 2.0f;
    DSKCHR();
    expect_rel(HIMEM.SKAMHV, 2252.429, 1e-5, "SKAMHV");
    expect_rel(HIMEM.SKAMRL, 154761.6, 1e-5, "SKAMRL");
    TPCM.DKEEL = 0.0f;
    DSKCHR();
    EXPECT_NEAR(HIMEM.SKAMHV, -0.1536f, 1e-4f);
    EXPECT_EQ(HIMEM.SKAMRL, 0.0f);
}

// Reads the pass traces: each is the label line and a line of twelve integers, every saved index
// followed by the current one.
std::vector<std::array<int, 12>> pass_traces(const std::string& text) {
    std::vector<std::array<int, 12>> out;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (line != "JRR,JR,JPP,JP,JHH,JH,JGG,JSG,JWW,JSW,JYY,JY") continue;
        std::getline(in, line);
        std::istringstream v(line);
        std::array<int, 12> a{};
        for (int& x : a) v >> x;
        out.push_back(a);
    }
    return out;
}

TEST_F(DiscCharacteristics, PassLoopStopsWhenTheGridIndicesStandStill) {
    TPCM.NBUG = 1;
    DSKCHR();
    const auto traces = pass_traces(screen());
    ASSERT_GE(traces.size(), 2u) << screen();
    // Every pass but the last moved an index (else the loop would have stopped after it)...
    for (std::size_t p = 1; p < traces.size(); ++p) {
        const auto& t = traces[p];
        bool moved = false;
        for (int i = 0; i < 12; i += 2) moved = moved || t[static_cast<std::size_t>(i)] != t[static_cast<std::size_t>(i + 1)];
        EXPECT_TRUE(moved) << "pass " << p + 1;
    }
    // ...and the last pass ended on the indices it started with, those of its frequencies.
    const auto& last = traces.back();
    EXPECT_EQ(last[1], HIMEM.JR);
    EXPECT_EQ(last[3], HIMEM.JP);
    EXPECT_EQ(last[5], HIMEM.JH);
    Int j = 0;
    GRIDPT(HIMEM.WH, j);
    EXPECT_EQ(j, HIMEM.JH);
    GRIDPT(HIMEM.WP, j);
    EXPECT_EQ(j, HIMEM.JP);
}

TEST(DiscHeightSlope, DeepWaterHeightAndSlope) {
    Real WHGT = 0.0f;
    Real WSLOPE = 0.0f;
    HTSLOP(2000.0f, 9.8f, 0, 4.0f, 0.8f, WHGT, WSLOPE);
    const double k = 0.64 / 9.8;  // deep water: k = w^2 / g
    EXPECT_NEAR(WSLOPE, 0.5 * 4.0 * k, 1e-6);
    EXPECT_NEAR(WSLOPE, 0.1306122, 1e-6);
    EXPECT_EQ(WHGT, 4.0f);
    HTSLOP(2000.0f, 9.8f, 1, 3.0f, 0.8f, WHGT, WSLOPE);
    EXPECT_NEAR(WSLOPE, 0.0523599, 1e-6);
    EXPECT_NEAR(WHGT, 2.0 * 0.0523599 / k, 1e-4);
    EXPECT_NEAR(WHGT, 1.603521, 1e-5);
}

TEST(DiscAverage, ValuesAndSavedValuesTakeTheMean) {
    std::array<Real, 24> v{};
    for (std::size_t i = 0; i < 24; ++i) v[i] = static_cast<Real>(i + 1) * (i % 2 == 0 ? 1.0f : 3.0f);
    AVGUPD(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12], v[13], v[14], v[15],
           v[16], v[17], v[18], v[19], v[20], v[21], v[22], v[23]);
    for (std::size_t i = 0; i < 24; i += 2) {
        const Real expected = (static_cast<Real>(i + 1) + static_cast<Real>(i + 2) * 3.0f) * 0.5f;
        EXPECT_EQ(v[i], expected) << i;
        EXPECT_EQ(v[i + 1], expected) << i;
    }
}

}  // namespace
}  // namespace brevant::testing

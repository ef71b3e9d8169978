// An analysis run of a disc buoy (radius 8 m, draft 3 m) without mooring feedback, traced with debug
// level 1: the characteristics' pass trace and the force routine's per-period lines appear, and the
// natural periods that the model finds lie on the period grid (no warning from motion phase 1).
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "e2e_support.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

void write_disc() {
    std::vector<std::pair<int, std::uint32_t>> w = {
        {117, 1u},                       // NUNTS metric
        {446, real_word(150.0f)},        // DEPTH
        {447, real_word(1025.0f)},       // DWATR
        {777, 4u},                       // VESTYP disc buoy
        {780, 0u},                       // MORFBK
        {104, 1u},                       // NEGSUM
        {109, 1u},                       // IUNIT
        {180, 0u},                       // BRVFLG
        {114, 1u},                       // NBUG0
        {1409, real_word(618.2654f)},    // DISPL
        {1410, real_word(1.5f)},         // VKB
        {1411, real_word(2.5f)},         // VKG
        {1412, real_word(3.0f)},         // DRAFT
        {1413, real_word(201.06193f)},   // AWP
        {1414, real_word(3.0f)},         // PGYR
        {1415, real_word(3.0f)},         // RGYR
        {1416, real_word(3.0f)},         // YGYR
        {1417, real_word(6.8333333f)},   // VKMT
        {1418, real_word(6.8333333f)},   // VKML
        {1419, real_word(16.0f)},        // LWL
        {1420, real_word(16.0f)},        // BWL
        {167, 35u},                      // NWP
    };
    for (int i = 1; i <= 35; ++i) w.push_back({317 + i, real_word(3.0f + 0.5f * static_cast<float>(i - 1))});
    edit_on_disk(w);
}

TEST(DiscHullRun, TracedRunOfADisc) {
    testing::ScratchDir dir;
    create_case();
    make_runnable();
    write_disc();
    const ProgramResult r = run_brevant("E\n1\n");
    ASSERT_EQ(r.status, 0) << r.err << r.out.substr(0, 3000);
    EXPECT_GE(count_of(r.out, "JRR,JR,JPP,JP,JHH,JH,JGG,JSG,JWW,JSW,JYY,JY"), 2u);
    EXPECT_GE(count_of(r.out, " RLDUM(LW),RLDUM(LWK),WENC,VCOMP,XSCALE,EDRAFT"), 3u);
    EXPECT_EQ(r.out.find(" ++> Warning: A natural period of heave, pitch or roll lies outside the"), std::string::npos)
        << r.out.substr(0, 3000);
}

}  // namespace
}  // namespace brevant::e2e

// An analysis run of a disc buoy (radius 8 m, draft 3 m) without mooring feedback, traced with debug
// level 1: the characteristics' pass trace and the force routine's per-period lines appear, and the
// natural periods that the model finds lie on the period grid (no warning from motion phase 1).
#include <gtest/gtest.h>

#include <filesystem>
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

// With the vessel summary on and the report on disk, the disc's own pages follow the title page in its
// summary file: page I with the density in the metric unit, then page II with the unmoored periods.
TEST(DiscHullRun, SummaryFileHoldsTheDiscPages) {
    testing::ScratchDir dir;
    create_case();
    make_runnable();
    write_disc();
    edit_on_disk({{104, 0u}, {109, 1u}, {114, 0u}});  // NEGSUM on, IUNIT disk, NBUG0 off
    const ProgramResult r = run_brevant("E\n\n\n\n\n\n");
    ASSERT_EQ(r.status, 0) << r.err << r.out.substr(0, 3000);
    ASSERT_TRUE(std::filesystem::is_regular_file("VOSKSUM.stxt"));
    const std::string summary = file_bytes("VOSKSUM.stxt");
    EXPECT_EQ(summary.substr(0, 2), "\f\n");
    // Records: a form-feed record opens the title page and each page after it.
    std::vector<std::size_t> breaks;
    for (std::size_t at = 0; (at = summary.find("\f\n", at)) != std::string::npos; at += 2) breaks.push_back(at);
    ASSERT_EQ(breaks.size(), 3u) << summary;
    const std::size_t density = summary.find("               WATER DENSITY .........................   1025.00 KGW/CUBIC METER");
    ASSERT_NE(density, std::string::npos) << summary;
    EXPECT_GT(density, breaks[1]);
    EXPECT_LT(density, breaks[2]);
    const std::string page2 = summary.substr(breaks[2]);
    EXPECT_EQ(count_of(page2, " DAMPING ......"), 3u) << page2;
    std::size_t periods = 0;
    for (const char* mode : {"HEAVE", "PITCH", "ROLL"}) {
        periods += count_of(page2, std::string("               UNMOORED ") + mode + " PERIOD ......");
    }
    EXPECT_EQ(periods, 3u) << page2;
    EXPECT_EQ(count_of(page2, " PERIOD ......"), 3u);
    EXPECT_EQ(count_of(summary, "MOOR-MODIFIED"), 0u);
}

}  // namespace
}  // namespace brevant::e2e

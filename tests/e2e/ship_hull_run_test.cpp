// A silent analysis run of a ship whose hydrostatics are those of an exact box but whose
// water-plane area is half the box's: the run goes on past the suspicious-box warning, which the
// ship model writes once into the silent console file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "e2e_support.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

TEST(ShipHullRun, SuspiciousBoxWarnedOnceInASilentRun) {
    testing::ScratchDir dir;
    create_case();
    make_runnable();
    // The box 100 x 20 x 5 ft in water of 64 lb/ft^3: volume 10000 ft^3, KMT = T/2 + B^2/(12 T),
    // KML = T/2 + L^2/(12 T); a water plane of 1000 ft^2 against the box's 2000.
    edit_on_disk({{446, real_word(1000.0f)},        // DEPTH
                  {447, real_word(64.0f)},          // DWATR
                  {1409, real_word(640.0f)},        // DISPL
                  {1410, real_word(2.5f)},          // VKB
                  {1411, real_word(5.0f)},          // VKG
                  {1412, real_word(5.0f)},          // DRAFT
                  {1413, real_word(1000.0f)},       // AWP
                  {1417, real_word(55.0f / 6.0f)},  // VKMT
                  {1418, real_word(1015.0f / 6.0f)},  // VKML
                  {1419, real_word(100.0f)},        // LWL
                  {1420, real_word(20.0f)}});       // BWL
    const ProgramResult r = run_brevant("M\nL\n4\n");
    const std::string diagnostics = file_bytes("Diagnostics.stxt");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::filesystem::is_regular_file("BREVOUT.stxt"));
    EXPECT_EQ(count_of(diagnostics, " ++> Suspicious equivalent box\n"), 1u);
    EXPECT_EQ(count_of(diagnostics, " --> Re-check input data and retry or proceed at risk...\n"), 1u);
}

}  // namespace
}  // namespace brevant::e2e

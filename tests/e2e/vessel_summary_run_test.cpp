// A whole analysis run of the default ship case with the summaries on: motion phase 1 writes the
// vessel summary file beside the run's report, each with its own page break and title page, and
// the summary does not leak into the report.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "e2e_support.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

using brevant::testing::lines_of;

// The lines of a text.
TEST(VesselSummaryRun, SummaryFileBesideTheReportWithItsOwnTitlePage) {
    testing::ScratchDir dir;
    create_case();
    make_runnable();
    // The hydrostatics of an exact box 100 x 20 ft at 10 ft draft in water of 64 lb/ft^3: volume
    // 20000 ft^3, KB 5, KM = KB + B^2 / 12T transverse and KB + L^2 / 12T longitudinal.
    edit_on_disk({{1409, real_word(1280.0f)},     // DISPL, kips
                  {1410, real_word(5.0f)},        // VKB
                  {1413, real_word(2000.0f)},     // AWP
                  {1417, real_word(25.0f / 3.0f)},   // VKMT
                  {1418, real_word(265.0f / 3.0f)},  // VKML
                  // Summaries on, as a new case stores them; nothing forced by a normal load.
                  {104, 0},
                  {498, real_word(0.0f)},
                  {32, 12}});
    const ProgramResult r = run_brevant("E\n\n\n\n\n\n\n\n\n\n");
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_TRUE(std::filesystem::is_regular_file("KORVSUM.stxt"));
    ASSERT_TRUE(std::filesystem::is_regular_file("BREVOUT.stxt"));

    const std::string summary = file_bytes("KORVSUM.stxt");
    const std::string report = file_bytes("BREVOUT.stxt");
    for (const std::string* text : {&summary, &report}) {
        EXPECT_EQ(text->substr(0, 2), "\f\n");
        EXPECT_NE(text->find("Velmora Systems Simulation Library"), std::string::npos);
    }
    EXPECT_NE(summary.find(" Displacement-Hull Offshore Vessels"), std::string::npos);
    EXPECT_NE(summary.find("Korvell"), std::string::npos);
    // Nothing of the summary's own captions in the report.
    for (const std::string& line : lines_of(summary)) {
        if (line.find("Korvell") != std::string::npos || line.find("Displacement-Hull") != std::string::npos) {
            EXPECT_EQ(report.find(line), std::string::npos) << line;
        }
    }
    // After the title page, page I (one half, with the box) and page II, each after a page break.
    EXPECT_EQ(count_of(summary, "\f\n"), 3u);
    const std::size_t page1 = summary.find("I.  PHYSICAL CHARACTERISTICS SUMMARY   ");
    const std::size_t page2 = summary.find("II.  UNMOORED VESSEL MOTION CHARACTERISTICS");
    ASSERT_NE(page1, std::string::npos);
    ASSERT_NE(page2, std::string::npos);
    EXPECT_LT(page1, page2);
    EXPECT_NE(summary.find("               BOX WIDTH .............................     20.00 FEET    "),
              std::string::npos);
    EXPECT_EQ(count_of(summary, "NATURAL ROLL PERIOD ...................."), 1u);
    EXPECT_EQ(count_of(summary, "NATURAL PITCH PERIOD ..................."), 1u);
    EXPECT_EQ(count_of(summary, "NATURAL HEAVE PERIOD ..................."), 1u);
    EXPECT_EQ(count_of(summary, "Damping conversion: 1% = "), 3u);
    // No value overflowed its field.
    for (const std::string& line : lines_of(summary.substr(page1))) {
        if (line.find("....") != std::string::npos) {
            EXPECT_EQ(line.find('*'), std::string::npos) << line;
        }
    }
}

}  // namespace
}  // namespace brevant::e2e

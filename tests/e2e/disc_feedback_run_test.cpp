// A moored disc buoy with mooring feedback, run whole: the reference disc (16 m diameter, 3 m draft,
// the reference sea, wind, current and report) with the feedback word set and the surge and sway
// periods and dampings typed. A data file holds no mooring lines, so the lines add no spring: the
// moor-modified heave period is that of the free disc, which the test finds from the heave
// added-mass fit of its own, and the surge correction meets a mooring that stores no energy.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <numbers>
#include <string>

#include "e2e_support.h"
#include "reference/reference_cases.h"
#include "reference/report_reader.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

// The free disc's heave period: w^2 = g Awp / (V + a(w^2 R / g) R^3), a(y) = 1.7 e^(-1.224 y) + 1.
double free_heave_period() {
    const double g = 9.8, R = 8.0, V = 16.0 * 16.0 * std::numbers::pi / 4.0 * 3.0, Awp = std::numbers::pi * R * R;
    double w2 = 1.0;
    for (int i = 0; i < 200; ++i) w2 = g * Awp / (V + (1.7 * std::exp(-1.224 * w2 * R / g) + 1.0) * R * R * R);
    return 2.0 * std::numbers::pi / std::sqrt(w2);
}

// The number printed after a label of the summary page, or NaN.
double value_after(const std::string& page, const std::string& label) {
    const std::size_t at = page.find(label);
    if (at == std::string::npos) return std::nan("");
    return std::strtod(page.c_str() + at + label.size(), nullptr);
}

struct FeedbackRun {
    ProgramResult program;
    std::string summary;
    std::string report;
};

FeedbackRun run_moored_disc(std::uint32_t morfbk) {
    testing::ScratchDir dir;
    reference::ShipOptions o;
    o.hull = reference::Hull::disc;
    reference::write_reference_ship(o);
    edit_on_disk({{780, morfbk},                                    // MORFBK
                  {104, 0u},                                        // NEGSUM: the summary file
                  {784, 1u}, {1377, real_word(12.0f)},              // LSGPRD, SGK: surge period 12 s
                  {785, 1u}, {1378, real_word(12.0f)},              // LSWPRD, SWK: sway period 12 s
                  {781, 1u}, {1383, real_word(5.0f)},               // LSGDMP, SGMDMP: 5 % of critical
                  {782, 1u}, {1384, real_word(5.0f)}});             // LSWDMP, SWMDMP
    FeedbackRun r;
    r.program = run_brevant("E\n\n\n\n\n\n");
    if (std::filesystem::is_regular_file("VOSKSUM.stxt")) r.summary = file_bytes("VOSKSUM.stxt");
    if (std::filesystem::is_regular_file("BREVOUT.stxt")) r.report = file_bytes("BREVOUT.stxt");
    return r;
}

TEST(DiscFeedbackRun, MooredDiscRunsThroughWithTheFreeHeavePeriodAndTheTypedSurgePeriod) {
    const FeedbackRun r = run_moored_disc(1u);
    ASSERT_EQ(r.program.status, 0) << r.program.out.substr(r.program.out.size() > 2000 ? r.program.out.size() - 2000 : 0);
    EXPECT_EQ(r.program.out.find("NLNCOR"), std::string::npos);
    EXPECT_NEAR(free_heave_period(), 5.13, 0.01);
    EXPECT_NEAR(value_after(r.summary, "MOOR-MODIFIED HEAVE PERIOD ............."), free_heave_period(), 0.051)
        << r.summary;
    EXPECT_EQ(value_after(r.summary, "MOOR-MODIFIED SURGE PERIOD ............."), 12.0);
    EXPECT_EQ(value_after(r.summary, "MOOR-MODIFIED SWAY PERIOD .............."), 12.0);
    EXPECT_EQ(value_after(r.summary, "MOOR-MODIFIED SURGE DAMPING ............"), 5.0);
    EXPECT_EQ(r.summary.find("NaN"), std::string::npos) << r.summary;
    EXPECT_EQ(r.report.find("NaN"), std::string::npos);
    EXPECT_GT(r.report.size(), 10000u);
}

// Another non-zero feedback word: the motions take the mooring words of the case (the moored-period
// iteration belongs to 1 alone), and the run goes through to its report as well. The typed surge
// mooring (12 s, 5 % of critical) changes the disc's surge response, and with it the absorption
// coefficients, which follow the motions; the reflection coefficients, which do not, stay as they
// are without feedback.
TEST(DiscFeedbackRun, AnotherFeedbackValueBringsTheTypedMooringIntoTheMotions) {
    const FeedbackRun r = run_moored_disc(2u);
    ASSERT_EQ(r.program.status, 0) << r.program.out.substr(r.program.out.size() > 2000 ? r.program.out.size() - 2000 : 0);
    EXPECT_EQ(r.program.out.find("NLNCOR"), std::string::npos);
    EXPECT_EQ(r.report.find("NaN"), std::string::npos);
    EXPECT_GT(r.report.size(), 10000u);

    const FeedbackRun unmoored = run_moored_disc(0u);
    ASSERT_EQ(unmoored.program.status, 0);
    const reference::Report with(r.report), without(unmoored.report);
    const auto reflection = with.all("Ia."), reflection0 = without.all("Ia.");
    ASSERT_FALSE(reflection.empty());
    ASSERT_EQ(reflection.size(), reflection0.size());
    for (std::size_t i = 0; i < reflection.size(); ++i)
        EXPECT_EQ(reflection[i]->rows(7), reflection0[i]->rows(7)) << "reflection table " << i;

    // Period, frequency, length, slope, Cx, Cy, Cz; the first table is that of head seas.
    const reference::Section* absorption = with.find("Ib.");
    const reference::Section* absorption0 = without.find("Ib.");
    ASSERT_NE(absorption, nullptr);
    ASSERT_NE(absorption0, nullptr);
    const auto rows = absorption->rows(7), rows0 = absorption0->rows(7);
    ASSERT_FALSE(rows.empty());
    ASSERT_EQ(rows.size(), rows0.size());
    EXPECT_EQ(rows[0][0], 3.0);
    EXPECT_EQ(rows0[0][0], 3.0);
    // The 3 s row: the surge absorption moves by about 1 %.
    EXPECT_GT(std::fabs(rows[0][4] - rows0[0][4]), 0.005 * std::fabs(rows0[0][4]))
        << rows[0][4] << " against " << rows0[0][4];
}

}  // namespace
}  // namespace brevant::e2e

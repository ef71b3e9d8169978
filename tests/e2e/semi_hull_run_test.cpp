// An analysis run of a member-built hull of two vertical columns whose typed KB and displacement
// disagree with the members: the input-versus-estimate warning appears once, between its empty
// lines, with its abort question, and the run ends normally; with NOWARN 1 nothing of it appears.
// A single column off the centreline warns once of its port-starboard asymmetry. With the
// summaries on, the hull's pages I and II go to "PELMSUM.stxt".
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "e2e_support.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

// Two columns of radius 4 at y = +-20, bases on the keel, tops 40 up, draft 25 (metric); KB 13 and a
// displacement of 2833.7 t against the members' 12.5 and 2576.1 t.
void write_columns(int nowarn, const std::vector<float>& ys, float displ, float lwl) {
    std::vector<std::pair<int, std::uint32_t>> w = {
        {117, 1u},                        // NUNTS metric
        {446, real_word(200.0f)},         // DEPTH
        {447, real_word(1025.0f)},        // DWATR
        {777, 3u},                        // VESTYP semi-submersible
        {3661, static_cast<std::uint32_t>(ys.size())},  // NCYL
        {144, static_cast<std::uint32_t>(nowarn)},  // NOWARN
        {104, 1u},                        // NEGSUM
        {109, 1u},                        // IUNIT
        {180, 0u},                        // BRVFLG
        {1409, real_word(displ)},         // DISPL
        {1410, real_word(13.0f)},         // VKB
        {1411, real_word(8.0f)},          // VKG
        {1412, real_word(25.0f)},         // DRAFT
        {1413, real_word(100.53096f)},    // AWP
        {1417, real_word(28.66f)},        // VKMT
        {1418, real_word(12.66f)},        // VKML
        {1419, real_word(lwl)},           // LWL
        {1420, real_word(lwl)},           // BWL
    };
    for (int i = 1; i <= static_cast<int>(ys.size()); ++i) {
        const float y = ys[static_cast<std::size_t>(i - 1)];
        // Free base on the keel, piercing top 40 up, along z, typed coefficients.
        push_member(w, i, {{0.0f, y, 0.0f}, {0.0f, y, 40.0f}, {8.0f, 8.0f, 40.0f}, 0u, 1u, 3u, 0u, 50.265482f});
    }
    edit_on_disk(w);
}

void write_twin_columns(int nowarn) { write_columns(nowarn, {20.0f, -20.0f}, 2833.7f, 16.0f); }

const char* const kWarning =
    "\n"
    " ++> WARNING <++\n"
    "\n"
    " Possible discrepancy in vessel vertical center of buoyancy:\n"
    " (Input value, simulation estimated value) = ( 1.3000E+01, 1.2500E+01)\n"
    "\n"
    " Possible discrepancy in vessel displacement:\n"
    " (Input value, simulation estimated value) = ( 2.8337E+03, 2.5761E+03)\n"
    "\n";

TEST(SemiHullRun, DiscrepancyWarningOnceWithItsQuestion) {
    testing::ScratchDir dir;
    create_case();
    make_runnable();
    write_twin_columns(0);
    const ProgramResult r = run_brevant("E\n\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(count_of(r.out, kWarning), 1u) << r.out;
    EXPECT_EQ(count_of(r.out, " ++> WARNING <++"), 1u);
    const std::size_t after = r.out.find(kWarning) + std::string(kWarning).size();
    EXPECT_EQ(r.out.find("Enter \"A\" to abort or Press <RETURN> to continue: ", after) != std::string::npos, true);
}

TEST(SemiHullRun, NowarnRunWritesNoDiscrepancy) {
    testing::ScratchDir dir;
    create_case();
    make_runnable();
    write_twin_columns(1);
    const ProgramResult r = run_brevant("E\n\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.find("Possible discrepancy"), std::string::npos);
    EXPECT_EQ(r.out.find(" ++> WARNING <++"), std::string::npos);
    EXPECT_EQ(r.out.find("does not rigorously support"), std::string::npos);
}

// One column off the centreline: the resonance passes of the motion phase find a roll force in head
// seas and say so once, with the abort question; the run goes on to its normal end.
TEST(SemiHullRun, ColumnOffTheCentrelineWarnsOfAsymmetryOnce) {
    testing::ScratchDir dir;
    create_case();
    make_runnable();
    write_columns(1, {10.0f}, 1288.053f, 8.0f);
    const ProgramResult r = run_brevant("E\n\n");
    ASSERT_EQ(r.status, 0) << r.err << r.out;
    const std::string warning = std::string("\n") +
                                " ++> WARNING: This simulation does not rigorously support Semisubmersibles\n" +
                                "              lacking bilateral (port-starboard) symmetry; proceed with caution\n";
    EXPECT_EQ(count_of(r.out, warning), 1u) << r.out;
    EXPECT_EQ(count_of(r.out, "does not rigorously support"), 1u);
    const std::size_t after = r.out.find(warning) + warning.size();
    EXPECT_EQ(r.out.find("Enter \"A\" to abort or Press <RETURN> to continue: ", after),
              r.out.find("Enter \"A\"", after));
    EXPECT_NE(r.out.find("Enter \"A\" to abort or Press <RETURN> to continue: ", after), std::string::npos);
}

TEST(SemiHullRun, SummaryFileHoldsBothHalvesOfPageOneAndPageTwo) {
    testing::ScratchDir dir;
    create_case();
    make_runnable();
    write_twin_columns(1);
    edit_on_disk({{104, 0u}});  // NEGSUM: summaries on
    const ProgramResult r = run_brevant("E\n\n\n\n\n\n\n\n");
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_TRUE(std::filesystem::is_regular_file("PELMSUM.stxt"));
    const std::string summary = file_bytes("PELMSUM.stxt");
    EXPECT_EQ(summary.substr(0, 2), "\f\n");
    const std::size_t input = summary.find("I.  PHYSICAL CHARACTERISTICS SUMMARY (AS INPUT)");
    const std::size_t estimate = summary.find("I.  PHYSICAL CHARACTERISTICS SUMMARY (AS ESTIMATED)");
    const std::size_t motion = summary.find("II.  UNMOORED VESSEL MOTION CHARACTERISTICS");
    ASSERT_NE(input, std::string::npos);
    ASSERT_NE(estimate, std::string::npos);
    ASSERT_NE(motion, std::string::npos);
    EXPECT_LT(input, estimate);
    EXPECT_LT(estimate, motion);
    // Each page and half after a page break; the title page has its own.
    EXPECT_EQ(count_of(summary, "\f\n"), 4u);
    EXPECT_EQ(count_of(summary, "NATURAL ROLL PERIOD ...................."), 1u);
    EXPECT_EQ(count_of(summary, "NATURAL PITCH PERIOD ..................."), 1u);
    EXPECT_EQ(count_of(summary, "NATURAL HEAVE PERIOD ..................."), 1u);
    EXPECT_EQ(count_of(summary, "Damping conversion: 1% = "), 3u);
    // The members give KB = T/2 = 12.5 m and the displacement 2 A T x 1.025 = 2576.1 t.
    EXPECT_NE(summary.find("               VERTICAL (Z) KB .......................     12.50 METERS  "),
              std::string::npos);
    // No value overflowed its field.
    std::size_t from = input;
    for (std::size_t end; (end = summary.find('\n', from)) != std::string::npos; from = end + 1) {
        const std::string line = summary.substr(from, end - from);
        if (line.find("....") != std::string::npos) {
            EXPECT_EQ(line.find('*'), std::string::npos) << line;
        }
    }
}

}  // namespace
}  // namespace brevant::e2e

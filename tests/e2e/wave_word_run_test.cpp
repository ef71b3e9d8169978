// Wave words the run could not compute with, as a user meets them: the reference ship (metric and
// English) or the sample with the words changed or typed, executed silently. Each is refused before
// the run by its page and item (or file), status 1 and no report; the values the run can take run
// to a finite report.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "e2e/reference/reference_cases.h"
#include "e2e_support.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

using reference::Units;
using Words = std::vector<std::pair<int, std::uint32_t>>;

// "E" at the title screen, Return past the warnings, 4: a silent run from the End of Session page.
constexpr const char* kSilentRun = "E\n\n4\n";

struct Recipe {
    const char* what;
    Words (*words)(float feet);  // FEET: a length unit's metres (1, or 3.28084 in the English case)
    const char* file;            // "WAVSPEC.txt" beside the case; nullptr: none
    std::vector<std::string> finding;  // the lines of the finding; empty: the run ends well
};

std::uint32_t r(float v) { return real_word(v); }

const Recipe kRecipes[] = {
    {"the sea's swell-type bandwidth 0", [](float) { return Words{{164, 0u}, {436, r(10.0f)}, {488, r(0.0f)}}; }, nullptr,
     {" ++> Fatal Warning: Spectral bandwidth parameter (page 12, item 8) is a value",
      "     the swell-type spectrum cannot compute with."}},
    {"the swell's swell-type bandwidth 0", [](float) { return Words{{190, 0u}, {461, r(0.0f)}}; }, nullptr,
     {" ++> Fatal Warning: Swell spectral bandwidth parameter (page 13, item 8) is a value",
      "     the swell-type spectrum cannot compute with."}},
    {"the swell's swell-type bandwidth 1e-9, a spike of a sea beyond the height bound",
     [](float) { return Words{{190, 0u}, {461, r(1.0e-9f)}}; }, nullptr,
     {" ++> Fatal Warning: Swell spectral bandwidth parameter (page 13, item 8) gives the swell-type spectrum"}},
    {"the sea's bandwidth 1e30, a faint flat sea", [](float) { return Words{{164, 0u}, {436, r(10.0f)}, {488, r(1.0e30f)}}; },
     nullptr, {}},
    {"the swell's bandwidth 1e30", [](float) { return Words{{190, 0u}, {461, r(1.0e30f)}}; }, nullptr, {}},
    {"a regular wave height of -1", [](float) { return Words{{448, r(-1.0f)}}; }, nullptr,
     {" ++> Fatal Warning: Regular wave height or slope (page 11, item 4) is negative: the roll damping",
      "     of this hull takes the slope of the waves, which cannot be negative."}},
    {"a regular wave slope of -1", [](float) { return Words{{108, 1u}, {448, r(-1.0f)}}; }, nullptr,
     {" ++> Fatal Warning: Regular wave height or slope (page 11, item 4) is negative: the roll damping"}},
    {"an Ochi-Hubble component period of 0",
     [](float ft) {
         return Words{{164, 9u}, {192, 2u}, {430, r(3.0f * ft)}, {431, r(2.0f * ft)}, {436, r(10.0f)}, {437, r(0.0f)},
                      {442, r(1.0f)}, {443, r(1.0f)}};
     },
     nullptr,
     {" ++> Fatal Warning: Component peak periods (page 12, item 7) hold a period of component 2",
      "     too close to 0 for the Ochi-Hubble spectrum to compute."}},
    {"an Ochi-Hubble component period of -1 computes as its size does",
     [](float ft) {
         return Words{{164, 9u}, {192, 2u}, {430, r(3.0f * ft)}, {431, r(2.0f * ft)}, {436, r(10.0f)}, {437, r(-1.0f)},
                      {442, r(1.0f)}, {443, r(1.0f)}};
     },
     nullptr, {}},
    {"WAVSPEC.txt with a density of 1e38", [](float) { return Words{{164, 7u}}; }, "3\n0.1 0\n1.0 1e38\n3.0 0\n",
     {" ++> Fatal Warning: The file \"WAVSPEC.txt\" of the wave type (page 12, item 2)"}},
    {"WAVSPEC.txt with a density of -1", [](float) { return Words{{164, 7u}}; }, "3\n0.1 0\n1.0 -1\n3.0 0\n",
     {" ++> Fatal Warning: The file \"WAVSPEC.txt\" of the wave type (page 12, item 2)",
      "     integrates to a negative variance: no significant height to compute."}},
    {"the swell's WAVSPEC.txt with a density of -1", [](float) { return Words{{190, 7u}}; }, "3\n0.1 0\n1.0 -1\n3.0 0\n",
     {" ++> Fatal Warning: The file \"WAVSPEC.txt\" of the swell type (page 13, item 2)",
      "     integrates to a negative variance: no significant height to compute."}},
    {"a Pierson-Moskowitz sea of 1.4e-45", [](float) { return Words{{430, r(1.4e-45f)}}; }, nullptr,
     {" ++> Fatal Warning: Significant wave height (page 12, item 6) is too small to compute:",
      "     its Pierson-Moskowitz peak period is too short for this water depth."}},
    {"a Pierson-Moskowitz swell of 1.4e-45", [](float) { return Words{{451, r(1.4e-45f)}}; }, nullptr,
     {" ++> Fatal Warning: Significant swell height (page 13, item 6) is too small to compute:",
      "     its Pierson-Moskowitz peak period is too short for this water depth."}},
    {"a spreading power of -1", [](float) { return Words{{173, 1u}, {449, r(-1.0f)}}; }, nullptr,
     {" ++> Fatal Warning: Power of cosine in spreading factor (page 12, item 21) is a value",
      "     the spreading factor cannot compute with."}},
    {"a spreading power of -0.5", [](float) { return Words{{173, 1u}, {449, r(-0.5f)}}; }, nullptr, {}},
    {"a swell period off the period table", [](float) { return Words{{452, r(40.0f)}}; }, nullptr,
     {" ++> Fatal Warning: Swell period (page 13, item 7) lies off the table of wave periods",
      "     (page 11, item 2), where the swell is centred."}},
    {"a JONSWAP sea of peak period 3e38",
     [](float) { return Words{{164, 5u}, {477, r(3.3f)}, {475, r(0.07f)}, {476, r(0.09f)}, {436, r(3.0e38f)}}; }, nullptr,
     {" ++> Fatal Warning: Peak period (page 12, item 7) is too long to compute: the sea's",
      "     characteristic wind speed (0.1412 g Tp) leaves single precision."}},
    {"water 3e38 deep in a current", [](float) { return Words{{446, r(3.0e38f)}}; }, nullptr,
     {" ++> Fatal Warning: Water depth (page 1, item 4) is too large for the wave numbers",
      "     in the current (page 10, item 1) to compute."}},
};

TEST(WaveWordRun, EachRecipeIsRefusedByItsPageAndItemOrRunsFinite) {
    for (const Units units : {Units::metric, Units::english}) {
        const float feet = units == Units::english ? reference::kFeetPerMetre : 1.0f;
        for (const Recipe& recipe : kRecipes) {
            SCOPED_TRACE(std::string(recipe.what) + (units == Units::english ? " (English)" : " (metric)"));
            testing::ScratchDir dir;
            reference::write_reference_ship({.units = units});
            edit_on_disk(recipe.words(feet));
            if (recipe.file != nullptr) put_file("WAVSPEC.txt", recipe.file);
            const ProgramResult run = run_brevant(kSilentRun, 60);
            const std::string console =
                run.out + (std::filesystem::exists("Diagnostics.stxt") ? file_bytes("Diagnostics.stxt") : "");
            if (recipe.finding.empty()) {
                EXPECT_EQ(run.status, 0) << console;
                ASSERT_TRUE(std::filesystem::exists("BREVOUT.stxt"));
                EXPECT_EQ(testing::non_finite_words(file_bytes("BREVOUT.stxt")), 0);
                continue;
            }
            std::string lines;
            for (const std::string& line : recipe.finding) lines += line + "\n";
            EXPECT_EQ(run.status, 1);
            EXPECT_NE(console.find("\n" + lines), std::string::npos) << console;
            EXPECT_EQ(console.find(kRunBanner), std::string::npos) << "the run started";
            EXPECT_FALSE(std::filesystem::exists("BREVOUT.stxt"));
        }
    }
}

// The sample's periods typed down to 0.0001 s (the table's "add" of -4.9999 to every period): the
// ship's surge and sway damping fits were NaN there (a power overflowing where its exponential is
// 0); they take their limit 0 and the run is finite. The sea's bandwidth typed 0 on its page is
// refused by name.
TEST(WaveWordRun, TypedOnTheSampleShip) {
    struct Typed {
        const char* what;
        const char* answers;
        const char* finding;  // nullptr: a finite report
    };
    const Typed rows[] = {
        {"periods from 0.0001 s", "M\nJ11\n2\n35\n-4.9999\n\nL\n4\n", nullptr},
        {"periods from 0.0005 s", "M\nJ11\n2\n35\n-4.9995\n\nL\n4\n", nullptr},
        {"the swell-type sea, bandwidth 0", "M\nJ12\n2\n1\n8\n0\nL\n4\n",
         " ++> Fatal Warning: Spectral bandwidth parameter (page 12, item 8) is a value"},
    };
    for (const Typed& t : rows) {
        SCOPED_TRACE(t.what);
        testing::ScratchDir dir;
        copy_sample();
        const ProgramResult run = run_brevant(t.answers, 60);
        // A silent run started from the End of Session page gives its findings in its diagnostics.
        const std::string console = run.out + (std::filesystem::exists("Diagnostics.stxt") ? file_bytes("Diagnostics.stxt") : "");
        if (t.finding == nullptr) {
            EXPECT_EQ(run.status, 0) << console;
            EXPECT_EQ(testing::non_finite_words(file_bytes("BREVOUT.stxt")), 0);
        } else {
            EXPECT_EQ(run.status, 1);
            EXPECT_NE(console.find(t.finding), std::string::npos) << console;
            EXPECT_FALSE(std::filesystem::exists("BREVOUT.stxt"));
        }
    }
    // The periods typed are what the run took: 5 s less 4.9999 s.
    testing::ScratchDir dir;
    copy_sample();
    run_brevant("M\nJ11\n2\n35\n-4.9999\n\nL\n1\n", 60);
    EXPECT_EQ(WordFile("BREVDAT").real(318), 5.0f + -4.9999f);
}

}  // namespace
}  // namespace brevant::e2e

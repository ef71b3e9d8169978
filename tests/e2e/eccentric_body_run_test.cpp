// Whole-program runs of bodies so slender or flat that the ellipsoid integral's rounded abscissa
// reaches the end of its range: a light barge, a flat disc buoy, a ship of great waterline length
// over beam and a slender brace of a member-built hull. Each runs to its normal end with finite
// numbers, and the barge's many-points warning comes once.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "e2e_support.h"
#include "ellipsoid_closed_forms.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

// The Ia reflection coefficient pages with the net-force pages.
constexpr std::uint32_t kReflectionAndNetForcePages = 1u | (1u << 22);  // BRVFLG bits 1 and 23

// A number printed as NaN (any case), not the letters inside a word such as "resonance".
const std::regex kNaN(R"(\bnan\b)", std::regex::icase);

bool has_nan(const std::string& text) { return std::regex_search(text, kNaN); }

// Light barges in metres: the box's surge added mass comes from the integral over 13888 or 20000
// intervals. The run ends normally with finite reflection coefficients, and the many-points warning
// comes once, with one pause, though every hull solve asks for the fit.
TEST(EccentricBodyRun, LightBargesRunWithOneWarning) {
    struct Barge {
        float L, B, T;
        const char* count;
    };
    for (const Barge b : {Barge{200.0f, 50.0f, 1.0f, "  20000"}, Barge{250.0f, 50.0f, 1.5f, "  13888"},
                          Barge{400.0f, 40.0f, 2.0f, "  20000"}}) {
        testing::ScratchDir dir;
        write_ship_case(b.L, b.B, b.T);
        edit_on_disk({{180, kReflectionAndNetForcePages}});  // BRVFLG
        const ProgramResult r = run_brevant("E\n\n", 300);
        ASSERT_EQ(r.status, 0) << b.L << r.err << r.out;
        const std::string report = file_bytes("BREVOUT.stxt");
        EXPECT_EQ(count_of(report, "Ia. Dimensionless Regular Wave Reflection Coefficients"), 13u) << b.L;
        EXPECT_FALSE(has_nan(report)) << b.L;
        EXPECT_FALSE(has_nan(r.out)) << b.L;
        EXPECT_EQ(count_of(r.out, " ++> Warning: A highly eccentric body requires"), 1u) << b.L << r.out;
        EXPECT_EQ(count_of(r.out, std::string(" ++> Warning: A highly eccentric body requires") + b.count +
                                      " integration points"),
                  1u)
            << b.L << r.out;
        EXPECT_EQ(count_of(r.out, "Press <RETURN> to continue: "), 1u) << b.L;
    }
}

// The Cy and Cz columns of every row of the Ia pages of a report, in order.
std::vector<std::pair<double, double>> reflection_cy_cz(const std::string& report) {
    static const std::regex row(R"(^ +[0-9.]+ +[0-9.]+ +[0-9.]+ +[0-9.]+ +(-?[0-9.]+) +(-?[0-9.]+) +(-?[0-9.]+)$)");
    std::vector<std::pair<double, double>> rows;
    bool in_ia = false;
    std::istringstream lines(report);
    for (std::string line; std::getline(lines, line);) {
        if (line.find("*********  I") != std::string::npos) in_ia = line.find(" Ia. ") != std::string::npos;
        std::smatch m;
        if (in_ia && std::regex_match(line, m, row)) rows.emplace_back(std::stod(m[2].str()), std::stod(m[3].str()));
    }
    return rows;
}

// The ship case with its waterline beam (page 2, item 9) typed so that LWL over BWL is about 100:
// the drift preparation's Munk factors come from the ellipsoid integral over some 20000 intervals.
// The Ia sway and yaw coefficients of a beam whose count's abscissa reaches the end of the range
// (1.5: 20000 intervals) lie between those of the beams on either side whose counts stop short
// (1.48 and 1.52).
TEST(EccentricBodyRun, GreatLengthOverBeamGivesSmoothSwayAndYawCoefficients) {
    std::vector<std::vector<std::pair<double, double>>> runs;
    for (const float bwl : {1.48f, 1.5f, 1.52f}) {
        testing::ScratchDir dir;
        write_ship_case();
        edit_on_disk({{1420, real_word(bwl)},                // BWL
                      {180, kReflectionAndNetForcePages}});  // BRVFLG
        const ProgramResult r = run_brevant("E\n\n\n\n\n\n", 300);
        ASSERT_EQ(r.status, 0) << bwl << r.err;
        const std::string report = file_bytes("BREVOUT.stxt");
        EXPECT_FALSE(has_nan(report)) << bwl;
        // The drift preparation's many-points warning, once (the box's own fits need fewer points).
        EXPECT_EQ(count_of(r.out, " ++> Warning: A highly eccentric body requires"), 1u) << bwl;
        if (bwl == 1.5f) {
            EXPECT_EQ(count_of(r.out, " requires  20000 integration points"), 1u);
        }
        runs.push_back(reflection_cy_cz(report));
        ASSERT_EQ(runs.back().size(), 13u * 31u) << bwl;
    }
    const double rounding = 1e-5;  // the report's last digit
    int compared = 0;
    for (std::size_t k = 0; k < runs[1].size(); ++k) {
        const auto [cy0, cz0] = runs[0][k];
        const auto [cy, cz] = runs[1][k];
        const auto [cy2, cz2] = runs[2][k];
        EXPECT_GE(cy, std::min(cy0, cy2) - rounding) << k;
        EXPECT_LE(cy, std::max(cy0, cy2) + rounding) << k;
        EXPECT_GE(cz, std::min(cz0, cz2) - rounding) << k;
        EXPECT_LE(cz, std::max(cz0, cz2) + rounding) << k;
        if (std::fabs(cy) > 0.01) ++compared;
    }
    EXPECT_GT(compared, 50);  // rows with a sway force well above the report's resolution
}

// A flat disc buoy 30 m across and 0.1 m deep, free (no mooring feedback), on periods 3 to 20 s:
// its surge and sway added mass is the integral over 45000 intervals. The run ends normally, the
// wave numbers are found and its summary pages hold finite numbers.
TEST(EccentricBodyRun, FlatDiscRunsToItsEnd) {
    testing::ScratchDir dir;
    create_case();
    make_runnable();
    const float R = 15.0f, T = 0.1f, PI = 3.1415927f;
    std::vector<std::pair<int, std::uint32_t>> w = {
        {117, 1u},                                                 // NUNTS metric
        {446, real_word(150.0f)},                                  // DEPTH
        {447, real_word(1025.0f)},                                 // DWATR
        {777, 4u},                                                 // VESTYP disc buoy
        {780, 0u},                                                 // MORFBK
        {104, 0u},                                                 // NEGSUM: the summary pages
        {109, 1u},                                                 // IUNIT
        {180, 0u},                                                 // BRVFLG
        {1409, real_word(PI * R * R * T * 1.025f)},                // DISPL
        {1410, real_word(T / 2.0f)},                               // VKB
        {1411, real_word(T)},                                      // VKG
        {1412, real_word(T)},                                      // DRAFT
        {1413, real_word(PI * R * R)},                             // AWP
        {1414, real_word(0.5f * R)},                               // PGYR
        {1415, real_word(0.5f * R)},                               // RGYR
        {1416, real_word(0.7f * R)},                               // YGYR
        {1417, real_word(T / 2.0f + R * R / (4.0f * T))},          // VKMT
        {1418, real_word(T / 2.0f + R * R / (4.0f * T))},          // VKML
        {1419, real_word(2.0f * R)},                               // LWL
        {1420, real_word(2.0f * R)},                               // BWL
        {167, 35u},                                                // NWP
    };
    for (int i = 1; i <= 35; ++i) w.push_back({317 + i, real_word(3.0f + 0.5f * static_cast<float>(i - 1))});
    edit_on_disk(w);
    const ProgramResult r = run_brevant("E\n\n\n\n\n\n\n\n", 300);
    ASSERT_EQ(r.status, 0) << r.err << r.out;
    EXPECT_EQ(r.out.find(" >>> IER = 2 in WAVVEC"), std::string::npos);
    EXPECT_EQ(count_of(r.out, " ++> Warning: A highly eccentric body requires  45000 integration points"), 1u)
        << r.out;
    ASSERT_TRUE(std::filesystem::is_regular_file("VOSKSUM.stxt"));
    EXPECT_FALSE(has_nan(file_bytes("VOSKSUM.stxt")));
    EXPECT_FALSE(has_nan(file_bytes("BREVOUT.stxt")));
}

// Two columns of radius 4 at y = +-20 through the waterline at 25 m, and member 1 a brace 0.6 m
// across and 60 m long along x at 5 m above the keel, free at both ends, whose added mass the
// program computes (a prolate spheroid of axis ratio 100, over 20000 intervals). Page 5 shows the
// computed coefficients, the run is not refused, and the saved case holds Lamb's values.
TEST(EccentricBodyRun, SlenderBraceGetsItsComputedCoefficients) {
    testing::ScratchDir dir;
    create_case();
    make_runnable();
    std::vector<std::pair<int, std::uint32_t>> w = {
        {117, 1u},                       // NUNTS metric
        {446, real_word(200.0f)},        // DEPTH
        {447, real_word(1025.0f)},       // DWATR
        {777, 3u},                       // VESTYP semi-submersible
        {791, 1u},                       // SEMI_LIKE
        {3661, 3u},                      // NCYL
        {3663, 50u},                     // member capacity
        {144, 1u},                       // NOWARN
        {104, 1u},                       // NEGSUM
        {109, 1u},                       // IUNIT
        {180, 0u},                       // BRVFLG
        {1409, real_word(2593.5f)},      // DISPL
        {1410, real_word(12.5f)},        // VKB
        {1411, real_word(8.0f)},         // VKG
        {1412, real_word(25.0f)},        // DRAFT
        {1413, real_word(100.53096f)},   // AWP
        {1417, real_word(28.66f)},       // VKMT
        {1418, real_word(12.66f)},       // VKML
        {1419, real_word(60.0f)},        // LWL
        {1420, real_word(48.0f)},        // BWL
    };
    push_member(w, 1, {{-30.0f, 0.0f, 5.0f}, {30.0f, 0.0f, 5.0f}, {0.6f, 0.6f, 60.0f}, 0u, 0u, 1u, 1u, 0.28274334f});
    for (int i = 2; i <= 3; ++i) {
        const float y = i == 2 ? 20.0f : -20.0f;
        push_member(w, i, {{0.0f, y, 0.0f}, {0.0f, y, 40.0f}, {8.0f, 8.0f, 40.0f}, 0u, 1u, 3u, 0u, 50.265482f});
    }
    edit_on_disk(w);
    // Page 5, member 1, its added mass computed afresh (deep water) past the many-points warning,
    // back out, execute.
    const ProgramResult r = run_brevant("M\nJ4\n\n\n15\n2\n\nB\nB\nL\n3\n\n\n\n\n\n", 300);
    ASSERT_EQ(r.status, 0) << r.err << r.out;
    const std::size_t warned = r.out.find(" ++> Warning: Member  1 requires  20000 integration points");
    ASSERT_NE(warned, std::string::npos) << r.out;
    const std::string page = r.out.substr(warned);
    EXPECT_NE(page.find(" 16) (Mx,My,Mz) Added mass coefficients:          1.00      1.00      0.00\n"), std::string::npos)
        << page;
    EXPECT_NE(page.find(" 17) (Mx,My,Mz) Added moment coefficients:        1.00      1.00       .00\n"), std::string::npos)
        << page;
    EXPECT_FALSE(has_nan(r.out));
    EXPECT_EQ(r.out.find("is not a finite number"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_regular_file("BREVOUT.stxt"));
    const WordFile saved("BREVDAT");
    const double r_axis = 100.0;
    const double across = testing::translation_coefficient(testing::prolate_across(r_axis));
    const double along = testing::translation_coefficient(testing::prolate_along(r_axis));
    EXPECT_EQ(saved.integer(3558), 1);                                   // MASCMP(1): computed
    EXPECT_NEAR(saved.real(4176), across, 1e-3);                         // CYLCM(1, 1)
    EXPECT_NEAR(saved.real(4177), across, 1e-3);                         // CYLCM(2, 1)
    EXPECT_NEAR(saved.real(4178), along, 1e-3);                          // CYLCM(3, 1)
    EXPECT_NEAR(saved.real(4326), testing::prolate_rotation(r_axis), 1e-3);  // CYLCMI(1, 1)
    EXPECT_NEAR(saved.real(4327), testing::prolate_rotation(r_axis), 1e-3);  // CYLCMI(2, 1)
    EXPECT_EQ(saved.real(4328), 0.0f);                                   // CYLCMI(3, 1): about its own axis
}

}  // namespace
}  // namespace brevant::e2e

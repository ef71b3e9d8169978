// The periods the dispersion solver cannot take: refused exactly where the solver itself would stop
// (its own failure is the independent check), alike in feet and in metres, and only for the periods
// the run turns into wave numbers.
#include "edlib/wave_frequency_checks.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "numeric/wave_number.h"
#include "pre_run_case.h"
#include "sysutl/program_end.h"
#include "test_support.h"

namespace brevant {
namespace {

// Whether WAVVEC computes a wave number at the frequency the run hands it for PERIOD in DEPTH:
// 2 pi / T, times the square root of depth over gravity, in single precision.
bool solver_takes(Real PERIOD, Real DEPTH, Real G) {
    const Real W = 6.2831855f / PERIOD;
    const Real OMEGA = W * std::sqrt(DEPTH / G);
    Real kh = 0.0f;
    try {
        WAVVEC(OMEGA, kh, SILENT_UNIT);  // the stop reads no key on the silent unit
    } catch (const ProgramEnd&) {
        return false;
    }
    return std::isfinite(kh);
}

class WaveNumberComputable : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        answers(std::string(100, '\n'));
        TPCM.EDUNIT = SCREEN_UNIT;
    }
};

TEST_F(WaveNumberComputable, RefusedExactlyWhereTheSolverStops) {
    struct Case {
        Real period;
        Real depth;  // metres
    };
    // Real seas and hulls, the deepest ocean, and periods around the edge of single precision.
    const Case cases[] = {{1.0f, 10.0f},     {30.0f, 11000.0f}, {0.001f, 11000.0f}, {1.0e-15f, 100.0f},
                          {1.0e-17f, 100.0f}, {1.0e-18f, 100.0f}, {1.0e-19f, 100.0f}, {1.0e-30f, 100.0f},
                          {1.0e-18f, 1.0e-6f}, {1.0e-20f, 1.0e-6f}, {1.0e-22f, 1.0e-6f}, {2.0f, 1.0e30f},
                          {2.0f, 1.0e36f}, {1.0f, 1.0e38f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.period) + " s in " + std::to_string(c.depth) + " m");
        const bool metres = wave_number_computable(c.period, c.depth, 9.8f);
        EXPECT_EQ(metres, solver_takes(c.period, c.depth, 9.8f));
        // The same water in feet: the verdict is the same.
        EXPECT_EQ(wave_number_computable(c.period, c.depth / 0.3048f, 32.152f), metres);
    }
    EXPECT_TRUE(wave_number_computable(30.0f, 11000.0f, 9.8f));
    EXPECT_FALSE(wave_number_computable(1.0e-30f, 100.0f, 9.8f));
}

// The shortest period the solver takes, found float by float: the check takes it and refuses the
// float below, whose frequency squared leaves single precision in the run's own steps although
// its square in double precision lies within a thousandth above the largest float.
TEST_F(WaveNumberComputable, RefusedAtTheFloatOnEachSideOfTheEdge) {
    struct Case {
        Real depth;
        Real G;
    };
    const Case cases[] = {{10.0f, 9.8f}, {100.0f, 9.8f}, {11000.0f, 9.8f}, {328.0f, 32.152f}, {1.0e-6f, 9.8f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.depth) + " at g " + std::to_string(c.G));
        // Bisection on the bit patterns of positive floats: refused at lo, taken at hi.
        std::uint32_t lo = std::bit_cast<std::uint32_t>(1.0e-38f);
        std::uint32_t hi = std::bit_cast<std::uint32_t>(1.0f);
        ASSERT_FALSE(solver_takes(std::bit_cast<Real>(lo), c.depth, c.G));
        ASSERT_TRUE(solver_takes(std::bit_cast<Real>(hi), c.depth, c.G));
        while (hi - lo > 1) {
            const std::uint32_t mid = lo + (hi - lo) / 2;
            (solver_takes(std::bit_cast<Real>(mid), c.depth, c.G) ? hi : lo) = mid;
        }
        const Real shortest = std::bit_cast<Real>(hi);
        const Real below = std::bit_cast<Real>(lo);
        EXPECT_TRUE(wave_number_computable(shortest, c.depth, c.G)) << shortest;
        EXPECT_FALSE(wave_number_computable(below, c.depth, c.G)) << below;
        // A few floats further on either side.
        for (std::uint32_t d = 1; d <= 4; ++d) {
            EXPECT_TRUE(wave_number_computable(std::bit_cast<Real>(hi + d), c.depth, c.G));
            EXPECT_FALSE(wave_number_computable(std::bit_cast<Real>(lo - d), c.depth, c.G));
        }
    }
}

TEST_F(WaveNumberComputable, AZeroPeriodIsAnInfiniteFrequency) {
    EXPECT_FALSE(wave_number_computable(0.0f, 100.0f, 9.8f));
    EXPECT_FALSE(solver_takes(0.0f, 100.0f, 9.8f));
    // A period or depth that is no number, or a depth of 0, has checks of its own.
    EXPECT_TRUE(wave_number_computable(std::nanf(""), 100.0f, 9.8f));
    EXPECT_TRUE(wave_number_computable(1.0f, 0.0f, 9.8f));
    EXPECT_TRUE(wave_number_computable(0.0f, 0.0f, 9.8f));
    EXPECT_TRUE(wave_number_computable(0.0f, -0.0f, 9.8f));
    EXPECT_TRUE(wave_number_computable(1.0f, std::nanf(""), 9.8f));
}

constexpr const char* kTable = " ++> Fatal Warning: Table of wave periods (page 11, item 2) holds a period too short to compute";

class WaveFrequencyFindings : public ::testing::Test {
protected:
    void SetUp() override {
        testing::passing_ship();
        TPCM.NWP = 31;
        for (Int i = 1; i <= 31; ++i) TPCM.T(i) = 5.0f + 0.5f * static_cast<Real>(i - 1);
    }
    void TearDown() override { reset_images(); }
    static std::vector<std::string> heads() { return testing::first_lines(run_input_findings()); }
};

TEST_F(WaveFrequencyFindings, ARealPeriodTableAndRealNaturalPeriodsPass) {
    TPCM.LRLPRD = 1;
    TPCM.ROLPRD = 0.5f;
    EXPECT_TRUE(run_input_findings().empty());
}

// The table's last slot is read, and a table of bad periods is one finding, however many it holds.
TEST_F(WaveFrequencyFindings, AFullTableOfAHundredPeriods) {
    struct Case {
        const char* what;
        std::vector<Int> bad;  // slots given a period of 1e-30 s
        bool found;
    };
    const Case cases[] = {{"a hundred real periods", {}, false},
                          {"the hundredth too short", {100}, true},
                          {"the first too short", {1}, true},
                          {"the fiftieth and the hundredth too short", {50, 100}, true},
                          {"every period too short", {}, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        TPCM.NWP = 100;
        for (Int i = 1; i <= 100; ++i) TPCM.T(i) = 2.0f + 0.5f * static_cast<Real>(i - 1);
        for (Int i : c.bad) TPCM.T(i) = 1.0e-30f;
        if (c.found && c.bad.empty())
            for (Int i = 1; i <= 100; ++i) TPCM.T(i) = 1.0e-30f + 1.0e-32f * static_cast<Real>(i);
        const std::vector<std::string> found = heads();
        EXPECT_EQ(found, c.found ? std::vector<std::string>{kTable} : std::vector<std::string>{});
    }
}

TEST_F(WaveFrequencyFindings, PeriodsTooShortForTheDepthByPageAndItem) {
    struct Case {
        const char* what;
        void (*damage)();
        const char* finding;  // nullptr: no finding
    };
    const Case cases[] = {
        {"a table from 0 s", [] { for (Int i = 1; i <= 31; ++i) TPCM.T(i) = 0.5f * static_cast<Real>(i - 1); },
         kTable},
        {"one period of 1e-30 s", [] { TPCM.T(31) = 1.0e-30f; },
         kTable},
        {"a period of 0 beyond the count", [] { TPCM.T(32) = 0.0f; }, nullptr},
        // Water of depth exactly 0 makes every frequency 0 (a period of 0: 0 times infinity): the
        // consistency checks' finding of the depth, not one of the periods.
        {"a table from 0 s in water of depth 0",
         [] {
             TPCM.DEPTH = 0.0f;
             for (Int i = 1; i <= 31; ++i) TPCM.T(i) = 0.5f * static_cast<Real>(i - 1);
         },
         nullptr},
        {"a table from 0 s in water of depth -0",
         [] {
             TPCM.DEPTH = -0.0f;
             for (Int i = 1; i <= 31; ++i) TPCM.T(i) = 0.5f * static_cast<Real>(i - 1);
         },
         nullptr},
        {"the same table in feet", [] { TPCM.NUNTS = 0; TPCM.DEPTH = 328.0f; TPCM.T(1) = 0.0f; },
         kTable},
        {"heave period 1e-30 s", [] { TPCM.LHVPRD = 1; TPCM.HEVPRD = 1.0e-30f; },
         " ++> Fatal Warning: Heave period (page 4, item 8) is too short to compute"},
        {"pitch period 1e-30 s", [] { TPCM.LPTPRD = 1; TPCM.PITPRD = 1.0e-30f; },
         " ++> Fatal Warning: Pitch period (page 4, item 10) is too short to compute"},
        {"roll period 1e-30 s", [] { TPCM.LRLPRD = 1; TPCM.ROLPRD = 1.0e-30f; },
         " ++> Fatal Warning: Roll period (page 4, item 12) is too short to compute"},
        {"roll period 1e-30 s in feet", [] { TPCM.NUNTS = 0; TPCM.LRLPRD = 1; TPCM.ROLPRD = 1.0e-30f; },
         " ++> Fatal Warning: Roll period (page 4, item 12) is too short to compute"},
        {"roll period 1e-30 s, computed", [] { TPCM.LRLPRD = 0; TPCM.ROLPRD = 1.0e-30f; }, nullptr},
        {"roll period 0 specified: the consistency checks' finding", [] { TPCM.LRLPRD = 1; TPCM.ROLPRD = 0.0f; },
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        c.damage();
        const std::vector<std::string> found = heads();
        if (c.finding == nullptr) {
            EXPECT_TRUE(found.empty()) << found.front();
        } else {
            EXPECT_EQ(found, std::vector<std::string>{c.finding});
            const std::vector<RunInputFinding> all = run_input_findings();
            ASSERT_EQ(all.front().size(), 2u);
            EXPECT_EQ(all.front()[1], "     in this water depth (page 1, item 4).");
        }
    }
}

}  // namespace
}  // namespace brevant

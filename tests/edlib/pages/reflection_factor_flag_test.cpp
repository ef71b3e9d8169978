// The wave-reflection factor test: exact comparisons with the six defaults, the stern's 1.25
// included, and nothing written but the flag.
#include "edlib/pages/reflection_factor_flag.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "edlib/new_case.h"
#include "records/data_image.h"

namespace brevant {
namespace {

// The six factors in the order SETFGS takes them, with their defaults written out here.
struct Factors {
    std::array<Real, 6> v{1.0f, 1.0f, 1.25f, 1.0f, 1.0f, 1.0f};  // BOWFAC VWDFAC STRNFC WVFCX WVFCY WVFCM
};
constexpr const char* kNames[] = {"BOWFAC", "VWDFAC", "STRNFC", "WVFCX", "WVFCY", "WVFCM"};

Int flag_of(const Factors& f, Int start = -7) {
    const Int EDUNIT = 6;
    const Int NEWTKR = 2;
    Int SHOFAC = start;
    SETFGS(f.v[0], f.v[1], f.v[2], f.v[3], f.v[4], f.v[5], EDUNIT, NEWTKR, SHOFAC);
    return SHOFAC;
}

TEST(ReflectionFactorFlag, DefaultsGiveZeroAndAnyNeighbourOfADefaultGivesOne) {
    struct Case {
        std::string what;
        Factors f;
        Int expected;
    };
    std::vector<Case> cases{{"all six defaults", Factors{}, 0}};
    for (int k = 0; k < 6; ++k) {
        for (Real toward : {std::numeric_limits<Real>::infinity(), -std::numeric_limits<Real>::infinity()}) {
            Factors f;
            f.v[k] = std::nextafter(f.v[k], toward);
            cases.push_back({std::string(kNames[k]) + (toward > 0.0f ? " next above" : " next below"), f, 1});
        }
    }
    Factors swapped;  // the stern default on VWDFAC and the others' default on the stern
    swapped.v[1] = 1.25f;
    swapped.v[2] = 1.0f;
    cases.push_back({"VWDFAC 1.25 with STRNFC 1.0", swapped, 1});
    Factors stern_one;
    stern_one.v[2] = 1.0f;
    cases.push_back({"every factor 1.0, the stern too", stern_one, 1});
    Factors negative_zero;
    negative_zero.v[0] = -0.0f;
    cases.push_back({"BOWFAC -0.0", negative_zero, 1});

    for (const Case& c : cases) {
        // The flag is written whatever it held before.
        EXPECT_EQ(flag_of(c.f, -7), c.expected) << c.what;
        EXPECT_EQ(flag_of(c.f, 1 - c.expected), c.expected) << c.what;
    }
}

TEST(ReflectionFactorFlag, ConsoleUnitAndDriftIndicatorAreLeftAsTheyWere) {
    const Factors f;
    Int EDUNIT = 41;
    Int NEWTKR = 2;
    Int SHOFAC = 5;
    Real BOWFAC = f.v[0], VWDFAC = 3.0f, STRNFC = f.v[2], WVFCX = f.v[3], WVFCY = f.v[4], WVFCM = f.v[5];
    SETFGS(BOWFAC, VWDFAC, STRNFC, WVFCX, WVFCY, WVFCM, EDUNIT, NEWTKR, SHOFAC);
    EXPECT_EQ(SHOFAC, 1);
    EXPECT_EQ(EDUNIT, 41);
    EXPECT_EQ(NEWTKR, 2);
    EXPECT_EQ(VWDFAC, 3.0f);
    EXPECT_EQ(BOWFAC, 1.0f);
    EXPECT_EQ(STRNFC, 1.25f);
}

TEST(ReflectionFactorFlag, ANewCaseHoldsTheDefaults) {
    reset_tpcm();
    store_new_case_defaults(16);
    Int SHOFAC = -1;
    SETFGS(TPCM.BOWFAC, TPCM.VWDFAC, TPCM.STRNFC, TPCM.WVFCX, TPCM.WVFCY, TPCM.WVFCM, TPCM.EDUNIT, TPCM.IPAG,
           SHOFAC);
    EXPECT_EQ(SHOFAC, 0);
    reset_tpcm();
}

}  // namespace
}  // namespace brevant

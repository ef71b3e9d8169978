// The pre-run checks of values: every real of the case that is not a finite number, sizes beyond
// single precision and main dimensions the hull models cannot compute with, each by page and item;
// values beyond their table's count are not part of the case and pass.
#include "edlib/run_input_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "records/coefficient_image.h"
#include "records/data_image.h"
#include "records/member_words.h"
#include "pre_run_case.h"

namespace brevant {
namespace {

const Real kNaN = std::numeric_limits<Real>::quiet_NaN();
const Real kInf = std::numeric_limits<Real>::infinity();

using testing::passing_ship;

std::vector<std::string> heads() { return testing::first_lines(run_input_findings()); }

std::string not_finite(const std::string& name, int page, int item) {
    return " ++> Fatal Warning: " + name + " (page " + std::to_string(page) + ", item " + std::to_string(item) +
           ") is not a finite number.";
}

std::string too_large(const std::string& name, int page, int item) {
    return " ++> Fatal Warning: " + name + " (page " + std::to_string(page) + ", item " + std::to_string(item) +
           ") is too large to compute";
}

class RunInputChecksTest : public ::testing::Test {
protected:
    void SetUp() override { passing_ship(); }
    void TearDown() override { reset_images(); }
};

TEST_F(RunInputChecksTest, APassingCaseHasNoFinding) { EXPECT_TRUE(run_input_findings().empty()); }

// One member column of page 5: its item, its name in the message, and the value it holds for a member.
struct MemberColumn {
    int item;
    const char* name;
    std::function<Real&(Int member, int k)> word;
};

const std::vector<MemberColumn>& member_columns() {
    static const std::vector<MemberColumn> columns = {
        {4, "Dimensions", [](Int m, int k) -> Real& { return TPCM.DIAMS(k, m); }},
        {5, "Cross-sectional area", [](Int m, int) -> Real& { return TPCM.XAREA(m); }},
        {10, "Base coordinate", [](Int m, int k) -> Real& { return TPCM.RCYLB(k, m); }},
        {12, "Top coordinate", [](Int m, int k) -> Real& { return TPCM.RCYLT(k, m); }},
        {16, "Added mass coefficients", [](Int m, int k) -> Real& { return TPCM.CYLCM(k, m); }},
        {17, "Added moment coefficients", [](Int m, int k) -> Real& { return TPCM.CYLCMI(k, m); }},
        {19, "Drag coefficients", [](Int m, int k) -> Real& { return TPCM.CYLCD(k, m); }},
        {20, "Drag moment coefficients", [](Int m, int k) -> Real& { return TPCM.CYLCDI(k, m); }},
    };
    return columns;
}

// Every column of the member table, in the last member slot that the count reaches and in each of
// its three components: not a number and infinite are refused by page 5 and the item; the same
// value in the slot after the count passes.
TEST_F(RunInputChecksTest, EveryMemberColumnInTheLastMemberOfTheCount) {
    for (const MemberColumn& c : member_columns()) {
        for (int k = 1; k <= 3; ++k) {
            for (Real bad : {kNaN, kInf, -kInf}) {
                passing_ship();
                TPCM.NCYL = kMemberCapacity;
                c.word(kMemberCapacity, k) = bad;
                const std::string name = std::string(c.name) + " of member 50";
                EXPECT_EQ(heads(), std::vector<std::string>{not_finite(name, 5, c.item)}) << name << " " << k;

                passing_ship();
                TPCM.NCYL = 3;
                c.word(4, k) = bad;
                EXPECT_TRUE(run_input_findings().empty()) << c.name << " beyond the count";
            }
        }
    }
}

TEST_F(RunInputChecksTest, AMemberCountBeyondTheTableReadsTheFiftySlots) {
    TPCM.NCYL = 2147483647;
    TPCM.CYLCD(2, kMemberCapacity) = kNaN;
    EXPECT_EQ(heads(), std::vector<std::string>{not_finite("Drag coefficients of member 50", 5, 19)});
    TPCM.NCYL = -4;
    EXPECT_TRUE(run_input_findings().empty());
}

// Sizes and coefficients at their bounds pass; just beyond (either sign), they are refused.
TEST_F(RunInputChecksTest, MemberSizesAndCoefficientsWithinTheirBounds) {
    struct Bound {
        int item;
        const char* name;
        Real limit;
    };
    const Bound bounds[] = {{4, "Dimensions", 1.0e4f},      {5, "Cross-sectional area", 1.0e8f},
                            {10, "Base coordinate", 1.0e4f}, {12, "Top coordinate", 1.0e4f},
                            {16, "Added mass coefficients", 1.0e3f}, {17, "Added moment coefficients", 1.0e3f},
                            {19, "Drag coefficients", 1.0e3f}, {20, "Drag moment coefficients", 1.0e3f}};
    for (const Bound& b : bounds) {
        const MemberColumn& c = *std::find_if(member_columns().begin(), member_columns().end(),
                                              [&](const MemberColumn& m) { return m.item == b.item; });
        for (Real sign : {1.0f, -1.0f}) {
            passing_ship();
            TPCM.NCYL = 2;
            c.word(2, 1) = sign * b.limit;
            EXPECT_TRUE(run_input_findings().empty()) << b.name << " at " << sign * b.limit;
            c.word(2, 1) = sign * std::nextafter(b.limit, 2.0f * b.limit);
            EXPECT_EQ(heads(), std::vector<std::string>{too_large(std::string(b.name) + " of member 2", 5, b.item)})
                << b.name;
        }
    }
    // A pontoon of diameter 1e30 (its square leaves single precision).
    passing_ship();
    TPCM.NCYL = 1;
    TPCM.DIAMS(1, 1) = 1.0e30f;
    EXPECT_EQ(heads(), std::vector<std::string>{too_large("Dimensions of member 1", 5, 4)});
}

TEST_F(RunInputChecksTest, PeakPeriodsTooShortToCompute) {
    TPCM.NPARM = 2;
    TPCM.SIGPD(1) = 10.0f;
    TPCM.SIGPD(2) = 1.0e-3f;
    EXPECT_TRUE(run_input_findings().empty());
    TPCM.SIGPD(2) = std::nextafter(1.0e-3f, 0.0f);
    EXPECT_EQ(heads(), std::vector<std::string>{" ++> Fatal Warning: Peak period (page 12, item 7) is too short to compute"});
    TPCM.SIGPD(2) = 1.0e-40f;  // a denormal
    EXPECT_EQ(heads(), std::vector<std::string>{" ++> Fatal Warning: Peak period (page 12, item 7) is too short to compute"});
    TPCM.SIGPD(2) = 0.0f;  // refused by the consistency checks, not here
    EXPECT_TRUE(run_input_findings().empty());
}

// Tables of the pages over their counts: a value that is not a number in the last row the count
// reaches is refused; the row after it is not part of the case.
TEST_F(RunInputChecksTest, PageTablesOverTheirCounts) {
    struct Table {
        const char* what;
        std::function<void()> count;
        std::function<Real&(int row)> word;
        int last;
        std::string finding;
    };
    // An Ochi-Hubble sea whose COUNT holds N.
    const auto ochi_hubble = [](Int Tpcm::*count, Int n) {
        return [=] {
            TPCM.WAVTYP = 9;
            TPCM.*count = n;
        };
    };
    const std::vector<Table> tables = {
        {"profile depths", [] { TPCM.NCURNT = 3; }, [](int r) -> Real& { return TPCM.DPTHI(r); }, 3,
         not_finite("Current profile depths", 10, 5)},
        {"profile speeds", [] { TPCM.NCURNT = 4; }, [](int r) -> Real& { return TPCM.VELI(r); }, 4,
         not_finite("Current profile speeds", 10, 5)},
        {"wave headings", [] { TPCM.NDIR = 4; }, [](int r) -> Real& { return TPCM.WAVHDG(r); }, 4,
         not_finite("Table of wave headings", 11, 6)},
        // Periods the run can take (a table of zeros has no wave numbers), then the one damaged row.
        {"periods",
         [] {
             TPCM.NWP = 7;
             for (int i = 1; i <= 8; ++i) TPCM.T(i) = 4.0f + static_cast<Real>(i);
         },
         [](int r) -> Real& { return TPCM.T(r); }, 7,
         not_finite("Table of wave periods", 11, 2)},
        {"sea heights over the count of seas", [] { TPCM.NPARM = 3; }, [](int r) -> Real& { return TPCM.SWHT(r); },
         3, not_finite("Significant wave height", 12, 6)},
        {"peak periods of Ochi-Hubble components", ochi_hubble(&Tpcm::N_OCHI_COMP, 2),
         [](int r) -> Real& { return TPCM.SIGPD(r); }, 2, not_finite("Peak period", 12, 7)},
        {"Ochi-Hubble lambdas", [] { TPCM.N_OCHI_COMP = 3; }, [](int r) -> Real& { return TPCM.OCHI_LAMBDA(r); },
         3, not_finite("Component lambda values", 12, 8)},
        {"Ochi-Hubble headings", ochi_hubble(&Tpcm::NSEAHG, 2),
         [](int r) -> Real& { return TPCM.SEAHDG(r); }, 2, not_finite("Direction of irregular seas", 12, 4)},
        {"attack angles, the array unused", [] { TPCM.NUMBRV = 5; }, [](int r) -> Real& { return TPCM.BRVHDG(r); },
         5, not_finite("Angular array", 15, 19)},
    };
    for (const Table& t : tables) {
        passing_ship();
        t.count();
        t.word(t.last) = kNaN;
        EXPECT_EQ(heads(), std::vector<std::string>{t.finding}) << t.what;
        passing_ship();
        t.count();
        t.word(t.last + 1) = kNaN;
        EXPECT_TRUE(run_input_findings().empty()) << t.what << ": the row after the count";
    }
    // One sea of another spectrum: its second slot is not read.
    passing_ship();
    TPCM.SWHT(2) = kNaN;
    EXPECT_TRUE(run_input_findings().empty());
}

// Single reals the pages edit that the run may not read (a spectrum of another type, a second swell
// that is off): not a number is refused all the same, by page and item.
TEST_F(RunInputChecksTest, SingleRealsWhetherTheRunReadsThemOrNot) {
    struct Single {
        Real* word;
        std::string finding;
    };
    Tpcm& t = TPCM;
    const std::vector<Single> singles = {
        {&t.JONGAM, not_finite("JONSWAP gamma parameter", 12, 8)},
        {&t.JONPL, not_finite("JONSWAP sigma a shape parameter", 12, 9)},
        {&t.JONPG, not_finite("JONSWAP sigma b shape parameter", 12, 10)},
        {&t.WAVWID, not_finite("Spectral bandwidth parameter", 12, 8)},
        {&t.SWLWID, not_finite("Swell spectral bandwidth parameter", 13, 8)},
        {&t.JONGAM_SWL, not_finite("Swell JONSWAP gamma parameter", 13, 8)},
        {&t.SWELHT2, not_finite("Second significant swell height", 13, 26)},
        {&t.SWELPD2, not_finite("Second swell period", 13, 27)},
        {&t.JONPG_SWL2, not_finite("Second swell JONSWAP sigma b shape parameter", 13, 30)},
        {&t.CCOFDY, not_finite("Default member My-damping coefficient", 5, 3)},
    };
    for (const Single& s : singles) {
        passing_ship();
        *s.word = kNaN;
        EXPECT_EQ(heads(), std::vector<std::string>{s.finding}) << s.finding;
    }
    // The storm duration is on no page: its word names it.
    passing_ship();
    t.DURATN = kInf;
    EXPECT_EQ(heads(), std::vector<std::string>{
                           " ++> Fatal Warning: Storm duration (word 450 of the data file) is not a finite number."});
}

TEST_F(RunInputChecksTest, AUserTableOutOfUseWithANonFiniteValue) {
    LOWCOF.NUWNPT = 3;
    LOWCOF.UWNCFS(3, 2) = kNaN;
    EXPECT_EQ(heads(), std::vector<std::string>{not_finite("User wind coefficient table", 6, 5)});
    passing_ship();
    LOWCOF.NUCRPT = 2;
    LOWCOF.UCRANG(3) = kInf;  // beyond the count
    EXPECT_TRUE(run_input_findings().empty());
    LOWCOF.UCRANG(2) = kInf;
    EXPECT_EQ(heads(), std::vector<std::string>{not_finite("User current coefficient table", 6, 15)});
}

TEST_F(RunInputChecksTest, ProfileSpeedsAtTheSpeedOfSoundAndTheirLoads) {
    TPCM.NCURNT = 2;
    TPCM.VELI(2) = 2916.0f;
    EXPECT_EQ(heads(),
              std::vector<std::string>{" ++> Fatal Warning: Current profile speeds (page 10, item 5) reach the speed of sound"});
    // A profile speed the surface speed does not show: the current drag load takes the largest.
    passing_ship();
    testing::current_on_beam_area(1.0e15f);
    TPCM.LCSTCR = 2;
    TPCM.NCURNT = 2;
    TPCM.VELI(1) = 1.0f;
    TPCM.VELI(2) = 1.0f;
    EXPECT_TRUE(run_input_findings().empty());
    TPCM.VELI(2) = 2000.0f;
    EXPECT_EQ(heads(),
              std::vector<std::string>{" ++> Fatal Warning: Current drag areas (page 8, items 12 and 15) give loads"});
}

// Main dimensions by hull type: fatal where the run ended in a stop or no number, a warning of the
// consistency checks (no finding here) where it computed.
TEST_F(RunInputChecksTest, MainDimensionsNoHullCanComputeWith) {
    const std::string displacement =
        " ++> Fatal Warning: Vessel displacement (page 2, item 1) is not positive:";
    const std::string length = " ++> Fatal Warning: Length of vessel at waterline (page 2, item 8) is not positive:";
    const std::string zero_length = " ++> Fatal Warning: Length of vessel at waterline (page 2, item 8) is zero:";
    const std::string beam = " ++> Fatal Warning: Beam of vessel at waterline (page 2, item 9) is zero:";
    const std::string draft = " ++> Fatal Warning: Mean vessel draft (page 2, item 10) is zero:";
    const std::string roll = " ++> Fatal Warning: Transverse metacentric height (page 2, item 2) is not";
    const std::string pitch = " ++> Fatal Warning: Longitudinal metacentric height (page 2, item 3) is not";
    const std::string density = " ++> Fatal Warning: Water density (page 1, item 5) is not positive:";
    const std::string disc_draft = " ++> Fatal Warning: The disc buoy's displacement, KB, KG, water plane area and";
    struct Case {
        const char* what;
        Int type;
        std::function<void()> set;
        std::vector<std::string> findings;
    };
    // The disc: 30 across at a draft of 8 with its centres where the cylinder has them.
    const auto disc = [] {
        Tpcm& t = TPCM;
        t.VESTYP = 4;
        t.LWL = t.BWL = 30.0f;
        t.AWP = 706.8583f;
        t.DISPL = 706.8583f * 8.0f * 1.025f;
        t.VKMT = t.VKML = 11.03f;
        t.VKG = 6.0f;
    };
    const std::vector<Case> cases = {
        {"ship: displacement 0", 1, [] { TPCM.DISPL = 0.0f; }, {displacement}},
        {"semi: displacement below 0", 3, [] { TPCM.DISPL = -5.0f; }, {displacement}},
        {"ship: length below 0", 1, [] { TPCM.LWL = -5.0f; }, {length}},
        {"semi: length 0", 3, [] { TPCM.LWL = 0.0f; }, {zero_length}},
        {"semi: length below 0 computes", 3, [] { TPCM.LWL = -5.0f; }, {}},
        {"ship: beam 0", 1, [] { TPCM.BWL = 0.0f; }, {beam}},
        {"ship: beam below 0 computes", 1, [] { TPCM.BWL = -5.0f; }, {}},
        {"semi: beam 0 computes", 3, [] { TPCM.BWL = 0.0f; }, {}},
        {"ship: draft 0", 1, [] { TPCM.DRAFT = 0.0f; }, {draft}},
        {"ship: draft below 0 computes", 1, [] { TPCM.DRAFT = -5.0f; }, {}},
        {"ship: water density 0", 1, [] { TPCM.DWATR = 0.0f; }, {density}},
        {"ship: GM 0", 1, [] { TPCM.VKMT = TPCM.VKG; }, {roll}},
        {"ship: GM below 0 with the periods given", 1,
         [] {
             TPCM.VKML = 7.0f;
             TPCM.LPTPRD = TPCM.LRLPRD = 1;
         },
         {pitch}},
        {"semi: GM below 0 computes", 3, [] { TPCM.VKMT = 7.0f; }, {}},
        {"creator 14: no GM to check", 1,
         [] {
             TPCM.SIMTYP = 14;
             TPCM.VKMT = 7.0f;
         },
         {}},
        {"two vessels: the warnings alone", 1,
         [] {
             TPCM.SIMTYP = 13;
             TPCM.DISPL = 0.0f;
         },
         {}},
        {"disc: consistent", 4, disc, {}},
        {"disc: diameter 0", 4, [&] { disc(); TPCM.LWL = TPCM.BWL = 0.0f; }, {zero_length, beam}},
        {"disc: diameter below 0 computes", 4, [&] { disc(); TPCM.LWL = TPCM.BWL = -5.0f; }, {}},
        {"disc: displacement 0", 4, [&] { disc(); TPCM.DISPL = 0.0f; }, {displacement}},
        {"disc: GM below 0, periods computed", 4, [&] { disc(); TPCM.VKG = 12.0f; }, {roll, pitch}},
        {"disc: GM below 0, periods given", 4,
         [&] {
             disc();
             TPCM.VKG = 12.0f;
             TPCM.LPTPRD = TPCM.LRLPRD = 1;
         },
         {}},
        {"disc: centre of buoyancy far above the draft", 4, [&] { disc(); TPCM.VKB = 1000.0f; }, {disc_draft}},
    };
    for (const Case& c : cases) {
        passing_ship();
        TPCM.VESTYP = c.type;
        c.set();
        EXPECT_EQ(heads(), c.findings) << c.what;
    }
}

}  // namespace
}  // namespace brevant

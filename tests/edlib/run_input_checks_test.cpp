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

// The same hull alike in feet and in metres: a bound holds the same size in either unit.
TEST_F(RunInputChecksTest, ABoundHoldsTheSameSizeInFeetAndInMetres) {
    struct Bounded {
        const char* name;
        int page, item;
        Real metres;  // the bound in metres
        std::function<Real&()> word;
    };
    const std::vector<Bounded> bounded = {
        {"Length of vessel at waterline", 2, 8, 1.0e4f, [] () -> Real& { return TPCM.LWL; }},
        {"Roll gyradius", 3, 2, 1.0e4f, [] () -> Real& { return TPCM.RGYR; }},
        {"Significant wave height", 12, 6, 1.0e3f, [] () -> Real& { return TPCM.SWHT(1); }},
        {"Wind force enhancement factor", 8, 8, 1.0e3f, [] () -> Real& { return TPCM.WNDFAC; }},
    };
    for (const Bounded& b : bounded) {
        const bool factor = b.page == 8;
        for (const Int units : {1, 0}) {
            const Real bound = units == 1 || factor ? b.metres : b.metres * 3.2808399f;
            passing_ship();
            TPCM.NUNTS = units;
            b.word() = bound;
            EXPECT_TRUE(run_input_findings().empty()) << b.name << " at " << bound << ", units " << units;
            b.word() = std::nextafter(bound, 2.0f * bound);
            EXPECT_EQ(heads(), std::vector<std::string>{too_large(b.name, b.page, b.item)}) << b.name << " " << units;
        }
    }
    // A member's diameter and cross-section likewise.
    passing_ship();
    TPCM.NUNTS = 0;
    TPCM.NCYL = 1;
    TPCM.DIAMS(1, 1) = 32808.0f;
    TPCM.XAREA(1) = 1.076e9f;
    EXPECT_TRUE(run_input_findings().empty());
    TPCM.NUNTS = 1;
    EXPECT_EQ(heads(), (std::vector<std::string>{too_large("Dimensions of member 1", 5, 4),
                                                 too_large("Cross-sectional area of member 1", 5, 5)}));
}

// The metacentric heights are no lengths to bound: long light barges in feet (their longitudinal
// metacentric height L^2 / 12 T over the draft's half) pass, as in metres.
TEST_F(RunInputChecksTest, LightBargesPassInFeetAndInMetres) {
    struct Barge {
        Real L, B, T;  // metres
    };
    for (const Barge& b : {Barge{350, 60, 3}, Barge{400, 100, 3}, Barge{260, 63, 1.8f}, Barge{1000, 121, 1}}) {
        for (const Int units : {1, 0}) {
            const Real f = units == 1 ? 1.0f : 3.2808399f;
            const Real L = b.L * f, B = b.B * f, T = b.T * f;
            passing_ship();
            Tpcm& t = TPCM;
            t.NUNTS = units;
            t.DWATR = units == 1 ? 1025.0f : 64.0f;
            t.DEPTH = 100.0f * f;
            t.LWL = L;
            t.BWL = B;
            t.DRAFT = T;
            t.AWP = L * B;
            t.DISPL = L * B * T * (units == 1 ? 1.025f : 0.064f);
            t.VKB = T / 2.0f;
            t.VKG = 1.3f * T;
            t.VKMT = T / 2.0f + B * B / (12.0f * T);
            t.VKML = T / 2.0f + L * L / (12.0f * T);
            EXPECT_TRUE(run_input_findings().empty()) << b.L << " x " << b.B << " x " << b.T << ", units " << units;
        }
    }
    // The pontoon's 273,000 ft.
    EXPECT_GT(TPCM.VKML, 273000.0f);
}

// Parameters whose formula needs a sign or a size: refused by page and item where the run computes
// the spectrum with them and the formula cannot; where it can (or does not use them), nothing.
TEST_F(RunInputChecksTest, SpectrumParametersTheFormulaCannotComputeWith) {
    const auto head = [](const std::string& name, int page, int item, const std::string& rest) {
        return " ++> Fatal Warning: " + name + " (page " + std::to_string(page) + ", item " + std::to_string(item) +
               ")" + rest;
    };
    const std::string api = head("A.P.I. wind spectrum parameter", 9, 3, " is not positive:");
    const std::string lambda = head("Component lambda values", 12, 8, " hold a lambda of component 2");
    const auto jonswap = [&](const std::string& name, int page, int item) { return head(name, page, item, " is a value"); };
    const std::string gamma = jonswap("JONSWAP gamma parameter", 12, 8);
    const std::string below = jonswap("JONSWAP sigma a shape parameter", 12, 9);
    const std::string above = jonswap("JONSWAP sigma b shape parameter", 12, 10);
    // Wind with its speed spectrum reported; a sea with periods 9, 10 and 11 s and its peak at 10.
    const auto api_wind = [](Real p) {
        TPCM.LWIND = 1;
        TPCM.BRVFLG = 1 << 15;  // the wind speed spectrum
        TPCM.WNDTYP = 4;
        TPCM.APIPRM = p;
    };
    const auto sea = [](Int type) {
        TPCM.LRANDM = 1;
        TPCM.WAVTYP = type;
        TPCM.NWP = 3;
        for (int i = 1; i <= 3; ++i) TPCM.T(i) = 8.0f + static_cast<float>(i);
        TPCM.SIGPD(1) = 10.0f;
        TPCM.JONGAM = 3.3f;
        TPCM.JONPL = 0.07f;
        TPCM.JONPG = 0.09f;
    };
    const auto ochi = [&](Real l2) {
        sea(9);
        TPCM.N_OCHI_COMP = 2;
        TPCM.OCHI_LAMBDA(1) = 2.0f;
        TPCM.OCHI_LAMBDA(2) = l2;
    };
    struct Case {
        const char* what;
        std::function<void()> set;
        std::vector<std::string> findings;
    };
    const std::vector<Case> cases = {
        {"API 0", [&] { api_wind(0.0f); }, {api}},
        {"API below 0", [&] { api_wind(-1.0f); }, {api}},
        {"API tiny", [&] { api_wind(1.0e-30f); }, {}},
        {"API 0, wind off", [&] { api_wind(0.0f); TPCM.LWIND = 0; }, {}},
        {"API 0, no speed spectrum", [&] { api_wind(0.0f); TPCM.BRVFLG = 0; }, {}},
        {"API 0, Davenport", [&] { api_wind(0.0f); TPCM.WNDTYP = 1; }, {}},
        {"lambda 0 (a new case)", [&] { ochi(0.0f); }, {lambda}},
        {"lambda at the gamma function's pole tolerance", [&] { ochi(1.0e-6f); }, {lambda}},
        {"lambda just above it", [&] { ochi(2.0e-6f); }, {}},
        {"lambda -0.1: the density computes", [&] { ochi(-0.1f); }, {}},
        {"lambda -0.25", [&] { ochi(-0.25f); }, {lambda}},
        {"lambda -1, a pole", [&] { ochi(-1.0f); }, {lambda}},
        {"lambda -1.5", [&] { ochi(-1.5f); }, {lambda}},
        {"lambda 34.5", [&] { ochi(34.5f); }, {}},
        {"lambda 34.6, beyond the gamma function", [&] { ochi(34.6f); }, {lambda}},
        {"lambda 0 beyond the count", [&] { ochi(2.0f); TPCM.OCHI_LAMBDA(3) = 0.0f; }, {}},
        {"lambda 0, the sea off", [&] { ochi(0.0f); TPCM.LRANDM = 0; }, {}},
        {"JONSWAP as given", [&] { sea(5); }, {}},
        {"gamma 0", [&] { sea(5); TPCM.JONGAM = 0.0f; }, {gamma}},
        {"gamma below 0", [&] { sea(10); TPCM.JONGAM = -1.0f; }, {gamma}},
        {"gamma 0, Mean JONSWAP", [&] { sea(2); TPCM.JONGAM = 0.0f; }, {}},
        {"sigma a 0, the peak on the grid", [&] { sea(5); TPCM.JONPL = 0.0f; }, {below}},
        {"sigma a 1e-23, its square 0", [&] { sea(5); TPCM.JONPL = 1.0e-23f; }, {below}},
        {"sigma a 0, the peak off the grid", [&] { sea(5); TPCM.JONPL = 0.0f; TPCM.SIGPD(1) = 10.25f; }, {}},
        {"sigma a below 0 computes", [&] { sea(5); TPCM.JONPL = -0.07f; }, {}},
        {"sigma b 0 computes", [&] { sea(5); TPCM.JONPG = 0.0f; }, {}},
        {"sigma a whose square leaves single precision", [&] { sea(5); TPCM.JONPL = 1.4e19f; }, {below}},
        {"sigma b likewise", [&] { sea(5); TPCM.JONPG = 1.4e19f; }, {above}},
        {"sigma b 1.3e19", [&] { sea(5); TPCM.JONPG = 1.3e19f; }, {}},
        {"the swell's gamma",
         [&] {
             TPCM.LSWELL = 1;
             TPCM.SWLTYP = 10;
             TPCM.JONGAM_SWL = 0.0f;
         },
         {jonswap("Swell JONSWAP gamma parameter", 13, 8)}},
        {"the second swell's width",
         [&] {
             sea(2);
             TPCM.LSWELL = TPCM.LSWEL2 = 1;
             TPCM.SWLTYP2 = 5;
             TPCM.JONGAM_SWL2 = 1.0f;
             TPCM.JONPL_SWL2 = 0.0f;
             TPCM.SWELPD2 = 9.0f;
         },
         {jonswap("Second swell JONSWAP sigma a shape parameter", 13, 29)}},
    };
    for (const Case& c : cases) {
        passing_ship();
        c.set();
        EXPECT_EQ(heads(), c.findings) << c.what;
    }
}

// The custom spectrum table of wave type 8: every row its count reaches finite, named on the page
// of the sea or of the swell that uses it, and a significant height it can give.
TEST_F(RunInputChecksTest, TheCustomSpectrumTable) {
    const auto table = [](Real value) {
        TPCM.NWP = 5;
        for (int i = 1; i <= 5; ++i) {
            TPCM.T(i) = 5.0f + static_cast<float>(i);
            TPCM.USRPSD(i) = value;
        }
    };
    const std::string sea_head = " ++> Fatal Warning: Custom spectrum table (page 12, item 2)";
    const std::string swell_head = " ++> Fatal Warning: Custom spectrum table (page 13, item 2)";
    // Not a number in the last row: refused whether a sea uses the table or not.
    table(1.0f);
    TPCM.USRPSD(5) = kNaN;
    EXPECT_EQ(heads(), std::vector<std::string>{sea_head + " is not a finite number."});
    TPCM.USRPSD(5) = 1.0f;
    TPCM.USRPSD(6) = kNaN;  // beyond the count
    EXPECT_TRUE(run_input_findings().empty());
    // A swell of the table's type alone names the swell page.
    TPCM.USRPSD(5) = kInf;
    TPCM.LSWELL = 1;
    TPCM.SWLTYP = 8;
    EXPECT_EQ(heads(), std::vector<std::string>{swell_head + " is not a finite number."});
    // A sea of the type: a table whose integral is negative has no significant height; one negative
    // row in a positive table computes.
    passing_ship();
    TPCM.LRANDM = 1;
    TPCM.WAVTYP = 8;
    table(-1.0f);
    EXPECT_EQ(heads(), std::vector<std::string>{sea_head + " integrates to a negative"});
    table(1.0f);
    TPCM.USRPSD(3) = -2.0f;
    EXPECT_TRUE(run_input_findings().empty());
    // The significant height 4 sqrt(m0) held to the bound of the heights: 1000 m, 3280.8 ft.
    table(1.0f);
    TPCM.USRPSD(3) = 1.0e8f;
    EXPECT_EQ(heads(), std::vector<std::string>{sea_head + " gives a significant height too large"});
    TPCM.NUNTS = 0;
    EXPECT_EQ(heads(), std::vector<std::string>{sea_head + " gives a significant height too large"});
    TPCM.USRPSD(3) = 1.0e6f;
    EXPECT_TRUE(run_input_findings().empty());
    TPCM.NUNTS = 1;
    EXPECT_EQ(heads(), std::vector<std::string>{sea_head + " gives a significant height too large"});
}

// The semi output options' phantom weight (word 483): finite always; with the switch on for a
// member-built hull, below the displacement, which it takes its weight from.
TEST_F(RunInputChecksTest, ThePhantomWeight) {
    const std::string not_below =
        " ++> Fatal Warning: Phantom weight value (word 483 of the data file) is not below the vessel";
    const auto phantom = [](Real weight) {
        passing_ship();
        TPCM.VESTYP = 3;
        TPCM.LPHANTOM_WGHT = 1;
        TPCM.TLP_TENSION = weight;
    };
    phantom(29999.0f);
    EXPECT_TRUE(run_input_findings().empty());
    phantom(-1.0e30f);  // a negative phantom weight adds mass
    EXPECT_TRUE(run_input_findings().empty());
    for (Real weight : {30000.0f, 1.0e30f}) {
        phantom(weight);
        EXPECT_EQ(heads(), std::vector<std::string>{not_below}) << weight;
    }
    phantom(1.0e30f);
    TPCM.LPHANTOM_WGHT = 0;
    EXPECT_TRUE(run_input_findings().empty());
    phantom(1.0e30f);
    TPCM.VESTYP = 1;
    EXPECT_TRUE(run_input_findings().empty());
    phantom(1.0e30f);
    TPCM.SIMTYP = 14;  // a tension-leg program's tendons take its place
    EXPECT_TRUE(run_input_findings().empty());
    passing_ship();
    TPCM.TLP_TENSION = kNaN;
    EXPECT_EQ(heads(), std::vector<std::string>{
                           " ++> Fatal Warning: Phantom weight value (word 483 of the data file) is not a finite number."});
}

// More rows of the speed and group spectra than they are written with: refused before the run.
TEST_F(RunInputChecksTest, SpeedAndGroupSpectraOfTooManyRows) {
    const std::string refused = " ++> Fatal Warning: Frequency interval and minimum period (page 15, items 22";
    TPCM.BRV_PD_MIN() = 30.0f;
    TPCM.BRVFRQ_DELTA = 2.09437417e-06f;  // 100001 rows
    EXPECT_TRUE(run_input_findings().empty());  // no such table asked for
    for (const Int bit : {15, 16, 7, 8}) {
        TPCM.BRVFLG = 1 << (bit - 1);
        EXPECT_EQ(heads(), std::vector<std::string>{refused}) << bit;
    }
    TPCM.BRVFRQ_DELTA = 2.09439509e-06f;  // 100000 rows
    EXPECT_TRUE(run_input_findings().empty());
    TPCM.BRVFRQ_DELTA = 0.0f;  // no rows: the last page's own warning
    EXPECT_TRUE(run_input_findings().empty());
}

}  // namespace
}  // namespace brevant

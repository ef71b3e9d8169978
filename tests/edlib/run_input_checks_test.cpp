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

#include "options/output_selection.h"
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

// A profile point above the surface counts its layer into the mean current over the draft, past the
// table's speeds: refused by page and item where the current's loads in the tables asked for leave
// single precision (the spectra's 4 F F here, F the sway load of a 1200 m2 beam area), and only
// there. A sound profile under enormous areas is the areas' finding, not the profile's.
TEST_F(RunInputChecksTest, ProfileDepthsAboveTheSurfaceAndTheirLoads) {
    const std::string depths = " ++> Fatal Warning: Current profile depths (page 10, item 5) give a mean current over the draft";
    const auto point = [](Real depth) {
        passing_ship();
        testing::current_on_beam_area(1200.0f);
        TPCM.LCSTCR = 2;
        TPCM.NCURNT = 1;
        TPCM.DPTHI(1) = depth;
        TPCM.VELI(1) = 1.0f;
        TPCM.NUMBRV = 13;
        TPCM.BRVINC = 15.0f;
        TPCM.BRVFLG = testing::bits({kBitCurrentSpectraByAngle});
    };
    point(-1.0e19f);
    EXPECT_EQ(run_input_findings(), (std::vector<RunInputFinding>{{depths, "     whose loads are too large to compute."}}));
    const std::vector<std::pair<const char*, std::function<void()>>> computable = {
        {"-1e18 m", [&] { point(-1.0e18f); }},
        {"1e30 m, below the keel", [&] { point(1.0e30f); }},
        {"no table of the current's loads", [&] { point(-1.0e19f); TPCM.BRVFLG = testing::bits({kBitCurrentCoefficients}); }},
        {"the current off", [&] { point(-1.0e19f); TPCM.LCURNT = 0; }},
        {"no attack angle", [&] { point(-1.0e19f); TPCM.NUMBRV = 0; }},
        {"no current force factor", [&] { point(-1.0e19f); TPCM.CURFAC = 0.0f; }},
        {"the power law", [&] { point(-1.0e19f); TPCM.LCSTCR = 0; }},
    };
    for (const auto& [what, set] : computable) {
        set();
        EXPECT_TRUE(run_input_findings().empty()) << what;
    }
    point(10.0f);
    testing::current_on_beam_area(1.0e20f);
    EXPECT_EQ(heads(), std::vector<std::string>{" ++> Fatal Warning: Current drag areas (page 8, items 12 and 15) give loads"});
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

// The table of reals, row by row, in the order the checks walk it. Each row names the word it reads
// (the last slot its count reaches, the count set as it says) and the kind of its bound: a length
// (10,000 m), a height (1,000 m), each the same size in feet, or a factor (1,000) in either unit.
enum class RowBound { None, Length, Height, Coefficient };
struct RealRow {
    int page, item;
    const char* name;
    RowBound bound;
    std::function<Real&()> word;
};

const std::vector<RealRow>& real_rows() {
    constexpr RowBound kNone = RowBound::None, kLength = RowBound::Length, kHeight = RowBound::Height,
                       kCoefficient = RowBound::Coefficient;
    static const std::vector<RealRow> table = {
        {1, 4, "Water depth", kNone, []() -> Real& { return TPCM.DEPTH; }},
        {1, 5, "Water density", kNone, []() -> Real& { return TPCM.DWATR; }},
        {2, 1, "Vessel displacement", kNone, []() -> Real& { return TPCM.DISPL; }},
        {2, 2, "Transverse metacentric height", kNone, []() -> Real& { return TPCM.VKMT; }},
        {2, 3, "Longitudinal metacentric height", kNone, []() -> Real& { return TPCM.VKML; }},
        {2, 4, "Vertical center of buoyancy", kLength, []() -> Real& { return TPCM.VKB; }},
        {2, 5, "Vertical center of gravity", kLength, []() -> Real& { return TPCM.VKG; }},
        {2, 6, "LCG-to-Midships distance", kLength, []() -> Real& { return TPCM.CG_to_Midship; }},
        {2, 7, "Vessel water plane area", kNone, []() -> Real& { return TPCM.AWP; }},
        {2, 8, "Length of vessel at waterline", kLength, []() -> Real& { return TPCM.LWL; }},
        {2, 9, "Beam of vessel at waterline", kLength, []() -> Real& { return TPCM.BWL; }},
        {2, 10, "Mean vessel draft", kLength, []() -> Real& { return TPCM.DRAFT; }},
        {3, 1, "Pitch gyradius", kLength, []() -> Real& { return TPCM.PGYR; }},
        {3, 2, "Roll gyradius", kLength, []() -> Real& { return TPCM.RGYR; }},
        {3, 3, "Yaw gyradius", kLength, []() -> Real& { return TPCM.YGYR; }},
        {3, 4, "Bilge radius", kLength, []() -> Real& { return TPCM.BILGR; }},
        {3, 6, "Bilge keel length", kLength, []() -> Real& { return TPCM.TKEEL; }},
        {3, 7, "Bilge keel width", kLength, []() -> Real& { return TPCM.RKEEL; }},
        {3, 8, "Inboard keel-to-vessel centerline distance", kLength, []() -> Real& { return TPCM.DKEEL; }},
        {3, 9, "Forward speed", kNone, []() -> Real& { return TPCM.VFWD; }},
        {3, 10, "Global direction of vessel motion", kNone, []() -> Real& { return TPCM.VGLDIR; }},
        {3, 11, "Trim angle", kNone, []() -> Real& { return TPCM.TRIMDG; }},
        {3, 12, "Heel angle", kNone, []() -> Real& { return TPCM.HEELDG; }},
        {4, 2, "Heave damping", kNone, []() -> Real& { return TPCM.HVDAMP; }},
        {4, 4, "Pitch damping", kNone, []() -> Real& { return TPCM.PTDAMP; }},
        {4, 6, "Roll damping", kNone, []() -> Real& { return TPCM.RLDAMP; }},
        {4, 8, "Heave period", kNone, []() -> Real& { return TPCM.HEVPRD; }},
        {4, 10, "Pitch period", kNone, []() -> Real& { return TPCM.PITPRD; }},
        {4, 12, "Roll period", kNone, []() -> Real& { return TPCM.ROLPRD; }},
        {5, 2, "Default member Mx-damping coefficient", kCoefficient, []() -> Real& { return TPCM.CCOFDX; }},
        {5, 3, "Default member My-damping coefficient", kCoefficient, []() -> Real& { return TPCM.CCOFDY; }},
        {5, 4, "Default member Mz-damping coefficient", kCoefficient, []() -> Real& { return TPCM.CCOFDZ; }},
        {6, 7, "Freeboard-based load", kCoefficient, []() -> Real& { return TPCM.LOADED; }},
        {6, 8, "Above-water bow interpolation factor", kCoefficient, []() -> Real& { return TPCM.BOWWND; }},
        {6, 17, "Draft-based load", kCoefficient, []() -> Real& { return TPCM.DFTPCT; }},
        {6, 18, "Below-water bow interpolation factor", kCoefficient, []() -> Real& { return TPCM.BOWCUR; }},
        {6, 27, "Head-on shadowing & geometry factor", kCoefficient, []() -> Real& { return TPCM.XSHDOW; }},
        {6, 28, "Beam-on shadowing & geometry factor", kCoefficient, []() -> Real& { return TPCM.YSHDOW; }},
        {6, 31, "Vessel deadweight", kNone, []() -> Real& { return TPCM.DWTONS; }},
        {7, 2, "External force X", kNone, []() -> Real& { return TPCM.XVFRC; }},
        {7, 3, "External force Y", kNone, []() -> Real& { return TPCM.YVFRC; }},
        {7, 4, "External moment", kNone, []() -> Real& { return TPCM.VESMOM; }},
        {7, 6, "External force location X", kLength, []() -> Real& { return TPCM.XVLOC; }},
        {7, 7, "External force location Y", kLength, []() -> Real& { return TPCM.YVLOC; }},
        {8, 2, "Head-on wind drag area", kNone, []() -> Real& { return TPCM.XWNDAR; }},
        {8, 3, "Head-on wind drag area centroid (y)", kLength, []() -> Real& { return TPCM.XWARM; }},
        {8, 4, "Head-on wind drag area centroid (z)", kLength, []() -> Real& { return TPCM.ZXWARM; }},
        {8, 5, "Beam-on wind drag area", kNone, []() -> Real& { return TPCM.YWNDAR; }},
        {8, 6, "Beam-on wind drag area centroid (x)", kLength, []() -> Real& { return TPCM.YWARM; }},
        {8, 7, "Beam-on wind drag area centroid (z)", kLength, []() -> Real& { return TPCM.ZYWARM; }},
        {8, 8, "Wind force enhancement factor", kCoefficient, []() -> Real& { return TPCM.WNDFAC; }},
        {8, 12, "Head-on current drag area", kNone, []() -> Real& { return TPCM.XCURAR; }},
        {8, 13, "Head-on current drag area centroid (y)", kLength, []() -> Real& { return TPCM.XCARM; }},
        {8, 14, "Head-on current drag area centroid (z)", kLength, []() -> Real& { return TPCM.ZXCARM; }},
        {8, 15, "Beam-on current drag area", kNone, []() -> Real& { return TPCM.YCURAR; }},
        {8, 16, "Beam-on current drag area centroid (x)", kLength, []() -> Real& { return TPCM.YCARM; }},
        {8, 17, "Beam-on current drag area centroid (z)", kLength, []() -> Real& { return TPCM.ZYCARM; }},
        {8, 18, "Current force enhancement factor", kCoefficient, []() -> Real& { return TPCM.CURFAC; }},
        {8, 21, "Bow shape factor", kCoefficient, []() -> Real& { return TPCM.BOWFAC; }},
        {8, 22, "Stern shape factor", kCoefficient, []() -> Real& { return TPCM.STRNFC; }},
        {8, 23, "Wave reflection head-on enhancement factor", kCoefficient, []() -> Real& { return TPCM.WVFCX; }},
        {8, 24, "Wave reflection beam-on enhancement factor", kCoefficient, []() -> Real& { return TPCM.WVFCY; }},
        {8, 25, "Wave reflection moment enhancement factor", kCoefficient, []() -> Real& { return TPCM.WVFCM; }},
        {8, 26, "Variable wave reflection enhancement factor", kCoefficient, []() -> Real& { return TPCM.VWDFAC; }},
        {8, 31, "Wave absorption head-on enhancement factor", kCoefficient, []() -> Real& { return TPCM.WVDGCX; }},
        {8, 32, "Wave absorption beam-on enhancement factor", kCoefficient, []() -> Real& { return TPCM.WVDGCY; }},
        {8, 33, "Wave absorption moment enhancement factor", kCoefficient, []() -> Real& { return TPCM.WVDGCM; }},
        {8, 34, "Variable wave absorption enhancement factor", kCoefficient, []() -> Real& { return TPCM.VWDRGFC; }},
        {9, 1, "Wind speed", kNone, []() -> Real& { return TPCM.WNDSPD; }},
        {9, 2, "Wind direction", kNone, []() -> Real& { return TPCM.WNDHDG; }},
        {9, 3, "Wind speed spectral density", kNone, []() -> Real& { return TPCM.WNDDEN; }},
        {9, 3, "A.P.I. wind spectrum parameter", kNone, []() -> Real& { return TPCM.APIPRM; }},
        {9, 3, "N.P.D. spectral evaluation height", kNone, []() -> Real& { return TPCM.WSPEC_HGT; }},
        {10, 1, "Current speed", kNone, []() -> Real& { return TPCM.CURSPD; }},
        {10, 2, "Current direction", kNone, []() -> Real& { return TPCM.CURHDG; }},
        {10, 5, "Current profile depths", kNone, []() -> Real& { TPCM.NCURNT = 5; return TPCM.DPTHI(5); }},
        {10, 5, "Current profile speeds", kNone, []() -> Real& { TPCM.NCURNT = 5; return TPCM.VELI(5); }},
        {10, 6, "Current speed spectral density", kNone, []() -> Real& { return TPCM.CURDEN; }},
        {10, 6, "RMS current variation", kNone, []() -> Real& { return TPCM.RMS_CRNT; }},
        {11, 2, "Table of wave periods", kNone, []() -> Real& { TPCM.NWP = 100; return TPCM.T(100); }},
        {11, 4, "Regular wave height or slope", kHeight, []() -> Real& { return TPCM.SLPHT; }},
        {11, 6, "Table of wave headings", kNone, []() -> Real& { TPCM.NDIR = 12; return TPCM.WAVHDG(12); }},
        {12, 4, "Direction of irregular seas", kNone, []() -> Real& { TPCM.WAVTYP = 9; TPCM.NSEAHG = 40; return TPCM.SEAHDG(40); }},
        {12, 6, "Significant wave height", kHeight, []() -> Real& { TPCM.NPARM = 6; return TPCM.SWHT(6); }},
        {12, 7, "Peak period", kNone, []() -> Real& { TPCM.NPARM = 6; return TPCM.SIGPD(6); }},
        {12, 8, "Spectral bandwidth parameter", kNone, []() -> Real& { return TPCM.WAVWID; }},
        {12, 8, "JONSWAP gamma parameter", kNone, []() -> Real& { return TPCM.JONGAM; }},
        {12, 8, "Component lambda values", kNone, []() -> Real& { TPCM.N_OCHI_COMP = 4; return TPCM.OCHI_LAMBDA(4); }},
        {12, 9, "JONSWAP sigma a shape parameter", kNone, []() -> Real& { return TPCM.JONPL; }},
        {12, 10, "JONSWAP sigma b shape parameter", kNone, []() -> Real& { return TPCM.JONPG; }},
        {12, 21, "Power of cosine in spreading factor", kNone, []() -> Real& { return TPCM.COSEXP; }},
        {12, 22, "Spreading sector size", kNone, []() -> Real& { return TPCM.ANGSEC; }},
        {13, 4, "Swell direction", kNone, []() -> Real& { return TPCM.SWLHDG; }},
        {13, 6, "Significant swell height", kHeight, []() -> Real& { return TPCM.SWELHT; }},
        {13, 7, "Swell period", kNone, []() -> Real& { return TPCM.SWELPD; }},
        {13, 8, "Swell spectral bandwidth parameter", kNone, []() -> Real& { return TPCM.SWLWID; }},
        {13, 8, "Swell JONSWAP gamma parameter", kNone, []() -> Real& { return TPCM.JONGAM_SWL; }},
        {13, 9, "Swell JONSWAP sigma a shape parameter", kNone, []() -> Real& { return TPCM.JONPL_SWL; }},
        {13, 10, "Swell JONSWAP sigma b shape parameter", kNone, []() -> Real& { return TPCM.JONPG_SWL; }},
        {13, 24, "Second swell direction", kNone, []() -> Real& { return TPCM.SWLHDG2; }},
        {13, 26, "Second significant swell height", kHeight, []() -> Real& { return TPCM.SWELHT2; }},
        {13, 27, "Second swell period", kNone, []() -> Real& { return TPCM.SWELPD2; }},
        {13, 28, "Second swell spectral bandwidth parameter", kNone, []() -> Real& { return TPCM.SWLWID2; }},
        {13, 28, "Second swell JONSWAP gamma parameter", kNone, []() -> Real& { return TPCM.JONGAM_SWL2; }},
        {13, 29, "Second swell JONSWAP sigma a shape parameter", kNone, []() -> Real& { return TPCM.JONPL_SWL2; }},
        {13, 30, "Second swell JONSWAP sigma b shape parameter", kNone, []() -> Real& { return TPCM.JONPG_SWL2; }},
        {15, 17, "Uniform angular increment", kNone, []() -> Real& { return TPCM.BRVINC; }},
        {15, 18, "Starting attack angle", kNone, []() -> Real& { return TPCM.VESAN0; }},
        {15, 19, "Angular array", kNone, []() -> Real& { TPCM.NUMBRV = 37; return TPCM.BRVHDG(37); }},
        {15, 20, "Offset from CG for moment calculations", kLength, []() -> Real& { return TPCM.BRVARM; }},
        {15, 21, "Frequency of low-frequency oscillations", kNone, []() -> Real& { return TPCM.BRVFRQ; }},
        {15, 22, "Frequency interval for group spectral tables", kNone, []() -> Real& { return TPCM.BRVFRQ_DELTA; }},
        {15, 23, "Minimum period for L.F. spectral tables", kNone, []() -> Real& { return TPCM.BRV_PD_MIN(); }},
        {12, 2, "Custom spectrum table", kNone, []() -> Real& { TPCM.NWP = 100; return TPCM.USRPSD(100); }},
        {13, 2, "Custom spectrum table", kNone, []() -> Real& {
             TPCM.LSWELL = 1;
             TPCM.SWLTYP = 8;
             TPCM.NWP = 100;
             return TPCM.USRPSD(100);
         }},
        {0, 450, "Storm duration", kNone, []() -> Real& { return TPCM.DURATN; }},
        {0, 483, "Phantom weight value", kNone, []() -> Real& { return TPCM.TLP_TENSION; }},
    };
    return table;
}

// The bound of a row in the case's units: 1 metric, 0 English.
Real row_bound(RowBound bound, Int units) {
    const Real feet = units == 1 ? 1.0f : 3.2808399f;
    switch (bound) {
        case RowBound::Length: return 1.0e4f * feet;
        case RowBound::Height: return 1.0e3f * feet;
        case RowBound::Coefficient: return 1.0e3f;
        case RowBound::None: break;
    }
    return 0.0f;
}

// The first lines of the findings that hold WHAT ("is not a finite number.", "is too large").
std::vector<std::string> heads_with(const std::string& what) {
    std::vector<std::string> found;
    for (const std::string& line : heads())
        if (line.find(what) != std::string::npos) found.push_back(line);
    return found;
}

// Every row of the table of reals: the rows the checks walk are these, in this order; not a number
// in the row's word is refused by the row's page, item and name; a bounded row passes at its bound
// (either sign) and is refused just beyond it, in metres and in feet; an unbounded row takes any
// finite size.
TEST_F(RunInputChecksTest, EveryRowOfTheTableOfReals) {
    const std::vector<EnteredRealPlace> places = entered_real_places();
    ASSERT_EQ(places.size(), real_rows().size());
    for (std::size_t i = 0; i < places.size(); ++i) {
        const RealRow& r = real_rows()[i];
        EXPECT_EQ(places[i].page, r.page) << r.name;
        EXPECT_EQ(places[i].item, r.item) << r.name;
        EXPECT_EQ(places[i].name, r.name) << "row " << i + 1;
    }
    for (const RealRow& r : real_rows()) {
        for (const Int units : {1, 0}) {
            SCOPED_TRACE(std::string(r.name) + (units == 1 ? ", metres" : ", feet"));
            const auto with = [&](Real value) {
                passing_ship();
                TPCM.NUNTS = units;
                r.word() = value;
            };
            const std::string head = " ++> Fatal Warning: " + std::string(r.name) +
                                     (r.page == 0 ? " (word " + std::to_string(r.item) + " of the data file)"
                                                  : " (page " + std::to_string(r.page) + ", item " +
                                                        std::to_string(r.item) + ")");
            for (Real bad : {kNaN, kInf, -kInf}) {
                with(bad);
                EXPECT_EQ(heads_with(" is not a finite number."),
                          std::vector<std::string>{head + " is not a finite number."});
            }
            if (r.bound == RowBound::None) {
                with(1.0e30f);
                EXPECT_EQ(heads_with(" is too large"), std::vector<std::string>{});
                continue;
            }
            const Real bound = row_bound(r.bound, units);
            for (Real sign : {1.0f, -1.0f}) {
                with(sign * bound);
                EXPECT_EQ(heads_with(" is too large"), std::vector<std::string>{}) << sign * bound;
                with(sign * std::nextafter(bound, kInf));
                EXPECT_EQ(heads_with(" is too large"), std::vector<std::string>{head + " is too large to compute"})
                    << sign * std::nextafter(bound, kInf);
            }
        }
    }
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

// The profile table of page 10 where the run looks it up (a member-built hull in a current, one
// column with drag through the surface, its regular-wave absorption table asked for), at the levels
// of the members' draft from the surface down: two equal depths are refused by page and item only
// where a level falls at the first of them (equal first depths) or below them (equal last depths),
// where the interpolation divides by their difference of 0. The levels of a 20 m draft are 0, 2,
// ..., 20 m.
TEST_F(RunInputChecksTest, ProfileTableDepthsOfAnIntervalTheLookUpWouldPick) {
    const auto semi_in_current = [](std::vector<Real> depths, Int count, Real draft) {
        passing_ship();
        Tpcm& t = TPCM;
        t.VESTYP = 3;
        t.DRAFT = draft;
        t.SLPHT = 2.0f;
        t.NCYL = 1;  // a column of 10 m diameter from the keel to 60 m up
        t.RCYLT(3, 1) = 60.0f;
        t.XAREA(1) = 78.54f;
        t.CYLCD(1, 1) = t.CYLCD(2, 1) = 1.0f;
        t.LCURNT = 1;
        t.CURSPD = 1.0f;
        t.NUMBRV = 1;
        t.BRVFLG = testing::bits({11});
        t.LCSTCR = 2;
        t.NCURNT = count;
        for (std::size_t j = 0; j < depths.size(); ++j) t.DPTHI(static_cast<int>(j) + 1) = depths[j];
    };
    const auto equal_at = [](Int first) {
        return std::vector<RunInputFinding>{
            {" ++> Fatal Warning: Current profile depths (page 10, item 5) are equal at points " +
                 std::to_string(first) + " and " + std::to_string(first + 1),
             "     at an end of the table: no interval to interpolate in."}};
    };
    struct Row {
        std::vector<Real> depths;
        Int count;
        Real draft;
        Int picked;  // the first of the two equal depths refused, 0 none
    };
    const Row rows[] = {
        // Equal depths the 20 m draft never looks between, nor at the first of.
        {{30, 30, 50}, 3, 20, 0},
        {{5, 10, 50, 50}, 4, 20, 0},
        {{2, 4, 6, 30, 30}, 5, 20, 0},
        {{5, 5, 10, 15}, 4, 20, 0},
        {{10, 20, 20}, 3, 20, 0},  // the last level is at 20 m, not below
        {{10, 20, 20, 30}, 4, 20, 0},
        {{10, 20, 20, 30, 40}, 3, 20, 0},
        {{10, 20, 20, 30, 40}, 2, 20, 0},
        // Equal depths it looks at or below.
        {{5, 10, 10}, 3, 20, 2},
        {{10, 10, 20}, 3, 20, 1},
        {{4, 4}, 2, 20, 1},
        {{0, 0, 10}, 3, 20, 1},
        {{10, 20, 30, 40, 40}, 7, 50, 4},  // the count held to the five slots
        {{10, 20, 20}, 3, 21, 2},
        {{20, 20, 10}, 3, 22, 1},  // a falling table: below its first point
        {{20, 20, 10}, 3, 20, 0},
        {{20, 10, 10}, 3, 40, 0},
        // The regular waves' drag steps down to its levels: at 8 m the last is below the keel.
        {{4, 8, 8}, 3, 8, 2},
        {{4, 9, 9}, 3, 9, 0},
        {{12, 12, 20}, 3, 12, 0},
        {{10}, 1, 20, 0},
        {{10, 20, 30}, 3, 20, 0},
    };
    for (const Row& r : rows) {
        semi_in_current(r.depths, r.count, r.draft);
        const std::string what = ::testing::PrintToString(r.depths) + " count " + std::to_string(r.count) +
                                 " draft " + std::to_string(r.draft);
        if (r.picked == 0)
            EXPECT_TRUE(run_input_findings().empty()) << what;
        else
            EXPECT_EQ(run_input_findings(), equal_at(r.picked)) << what;
    }
    // The mean absorption of a sea takes the levels of the spectral preparation, (i - 1) DZ: at 8 m
    // the last is the keel, at 12 m it is 12 m where the stepped one is 11.999999 m.
    const Row scaled[] = {{{4, 8, 8}, 3, 8, 0}, {{12, 12, 20}, 3, 12, 1}, {{6, 12, 12}, 3, 12, 0}};
    for (const Row& r : scaled) {
        semi_in_current(r.depths, r.count, r.draft);
        TPCM.LRANDM = 1;
        TPCM.BRVFLG = testing::bits({13});
        const std::string what = ::testing::PrintToString(r.depths) + " draft " + std::to_string(r.draft) + ", IIIb";
        if (r.picked == 0)
            EXPECT_TRUE(run_input_findings().empty()) << what;
        else
            EXPECT_EQ(run_input_findings(), equal_at(r.picked)) << what;
    }
    // The same table where the run never looks it up, or takes no table.
    const std::vector<std::pair<const char*, std::function<void()>>> unused = {
        {"a ship", [] { TPCM.VESTYP = 1; }},
        {"a disc buoy", [] { TPCM.VESTYP = 4; }},
        {"no current", [] { TPCM.LCURNT = 0; }},
        {"the power law", [] { TPCM.LCSTCR = 0; }},
        {"no variation", [] { TPCM.LCSTCR = 1; }},
        {"the profile file", [] { TPCM.LCSTCR = 3; }},
        {"without the wave drag", [] { TPCM.LEGDRG = 1; }},
        {"no attack angle", [] { TPCM.NUMBRV = 0; }},
        {"no drag across the column", [] { TPCM.CYLCD(1, 1) = TPCM.CYLCD(2, 1) = 0.0f; }},
        {"drags across the column that cancel", [] { TPCM.CYLCD(2, 1) = -1.0f; }},
        {"a column under water", [] { TPCM.RCYLT(3, 1) = 19.0f; }},
        {"no member", [] { TPCM.NCYL = 0; }},
        {"a regular wave of no height", [] { TPCM.SLPHT = 0.0f; }},
    };
    for (const auto& [what, change] : unused) {
        semi_in_current({5, 10, 10}, 3, 20);
        change();
        EXPECT_TRUE(run_input_findings().empty()) << what;
    }
    // A depth that is not a number is refused as such, and only so.
    semi_in_current({10, kNaN, 20}, 3, 20);
    EXPECT_EQ(heads(), std::vector<std::string>{not_finite("Current profile depths", 10, 5)});
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

// Page 5, member particulars: the main page and its defaults, the member walk and sub-page, the
// selection lists with the member check, the default drag, copy with its transformations, delete,
// insert, the mended member counts, help and the dump walk.
#include "edlib/pages/member_page.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <string>

#include "edlib/members/member_table.h"
#include "edlib/pages/vessel_pages.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "test_support.h"

namespace brevant {
namespace {

using testing::count_of;

const std::string kPrompt = "Enter number of selection (\"H\" for help): ";
const std::string kPause = "Press <RETURN> to continue: ";
const std::string kMainHeader = "****  Page 5: Member Particulars  ****";
const std::string kMemberHeader = " +++ Member Specification +++";

bool has(const std::string& text, const std::string& what) { return text.find(what) != std::string::npos; }

using Vec = std::array<Real, 3>;

Vec base_of(Int m) { return {TPCM.RCYLB(1, m), TPCM.RCYLB(2, m), TPCM.RCYLB(3, m)}; }
Vec top_of(Int m) { return {TPCM.RCYLT(1, m), TPCM.RCYLT(2, m), TPCM.RCYLT(3, m)}; }

class MemberPageTest : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.SIMTYP = 16;
        TPCM.VESTYP = 3;
        TPCM.SEMI_LIKE = 1;
        TPCM.MAXCYL = 50;
        TPCM.DRAFT = 20.0f;
        TPCM.CCOFDX = TPCM.CCOFDY = 1.0f;
    }
    void TearDown() override {
        reset_tpcm();
        ConsoleTest::TearDown();
    }
    std::string run(const std::string& script) {
        clear_captured(SCREEN_UNIT);
        answers(script);
        CYLNDR("5");
        return screen();
    }
    // Member M: a column of the given end points with its dimensions, and tags that show where
    // each member's data went.
    static void member(Int m, Vec base, Vec top, Vec dims = {1, 1, 1}) {
        for (int j = 1; j <= 3; ++j) {
            TPCM.RCYLB(j, m) = base[j - 1];
            TPCM.RCYLT(j, m) = top[j - 1];
            TPCM.DIAMS(j, m) = dims[j - 1];
        }
    }
    static void tag(Int m) {
        const Real t = static_cast<Real>(m);
        TPCM.XAREA(m) = t;
        TPCM.MEMTYP(m) = 0;
        TPCM.NCYLTP(m) = m % 3;
        TPCM.MASCMP(m) = 0;
        TPCM.DRGCMP(m) = m % 2;
        TPCM.BOTTYP(m) = m % 3;
        TPCM.TOPTYP(m) = (m + 1) % 3;
        TPCM.MEMDIR(m) = 1 + m % 4;
        for (int j = 1; j <= 3; ++j) {
            TPCM.RCYLB(j, m) = t + 0.1f * static_cast<Real>(j);
            TPCM.RCYLT(j, m) = t + 0.2f * static_cast<Real>(j);
            TPCM.DIAMS(j, m) = t + 0.3f * static_cast<Real>(j);
            TPCM.CYLCM(j, m) = t + 0.4f * static_cast<Real>(j);
            TPCM.CYLCMI(j, m) = t + 0.5f * static_cast<Real>(j);
            TPCM.CYLCD(j, m) = t + 0.6f * static_cast<Real>(j);
            TPCM.CYLCDI(j, m) = t + 0.7f * static_cast<Real>(j);
        }
    }
    static void tag_all() {
        for (Int m = 1; m <= kMemberCapacity; ++m) tag(m);
    }
    // Member M holds the data that tag(FROM) gave.
    static void expect_holds(Int m, Int from) {
        const Real t = static_cast<Real>(from);
        EXPECT_EQ(TPCM.XAREA(m), t) << m;
        EXPECT_EQ(TPCM.NCYLTP(m), from % 3) << m;
        EXPECT_EQ(TPCM.DRGCMP(m), from % 2) << m;
        EXPECT_EQ(TPCM.BOTTYP(m), from % 3) << m;
        EXPECT_EQ(TPCM.TOPTYP(m), (from + 1) % 3) << m;
        EXPECT_EQ(TPCM.MEMDIR(m), 1 + from % 4) << m;
        for (int j = 1; j <= 3; ++j) {
            EXPECT_EQ(TPCM.RCYLB(j, m), t + 0.1f * static_cast<Real>(j)) << m;
            EXPECT_EQ(TPCM.RCYLT(j, m), t + 0.2f * static_cast<Real>(j)) << m;
            EXPECT_EQ(TPCM.DIAMS(j, m), t + 0.3f * static_cast<Real>(j)) << m;
            EXPECT_EQ(TPCM.CYLCM(j, m), t + 0.4f * static_cast<Real>(j)) << m;
            EXPECT_EQ(TPCM.CYLCMI(j, m), t + 0.5f * static_cast<Real>(j)) << m;
            EXPECT_EQ(TPCM.CYLCD(j, m), t + 0.6f * static_cast<Real>(j)) << m;
            EXPECT_EQ(TPCM.CYLCDI(j, m), t + 0.7f * static_cast<Real>(j)) << m;
        }
    }
    static void expect_empty(Int m) {
        EXPECT_EQ(TPCM.XAREA(m), 0.0f);
        EXPECT_EQ(TPCM.NCYLTP(m) + TPCM.MASCMP(m) + TPCM.DRGCMP(m) + TPCM.BOTTYP(m) + TPCM.TOPTYP(m) +
                      TPCM.MEMTYP(m),
                  0);
        for (int j = 1; j <= 3; ++j) {
            EXPECT_EQ(TPCM.RCYLB(j, m), 0.0f);
            EXPECT_EQ(TPCM.RCYLT(j, m), 0.0f);
            EXPECT_EQ(TPCM.DIAMS(j, m), 0.0f);
            EXPECT_EQ(TPCM.CYLCM(j, m), 0.0f);
            EXPECT_EQ(TPCM.CYLCMI(j, m), 0.0f);
            EXPECT_EQ(TPCM.CYLCD(j, m), 0.0f);
            EXPECT_EQ(TPCM.CYLCDI(j, m), 0.0f);
        }
    }
    // The member sub-pages drawn, in order, by their "Member number" lines.
    std::string members_drawn() const {
        std::string out;
        const std::string s = screen();
        const std::string key = "  1) Member number: ";
        for (auto p = s.find(key); p != std::string::npos; p = s.find(key, p + 1))
            out += s.substr(p + key.size(), 2) + ",";
        return out;
    }
};

// ---- Main page -----------------------------------------------------------------------------

TEST_F(MemberPageTest, MainPageAsDrawn) {
    TPCM.NCYL = 2;
    TPCM.CCOFDZ = 0.25f;
    TPCM.NOWARN = 1;
    run("L\n");
    EXPECT_EQ(TPCM.LBACK, NAV_LAST);
    EXPECT_EQ(TPCM.NMEM, 2);
    const std::string expected =
        "                  ****  Page 5: Member Particulars  ****\n"
        "\n"
        "  1) Number of members (Max 50):  2\n"
        "  2) Default member Mx-damping coefficient ...........      1.00\n"
        "  3) Default member My-damping coefficient ...........      1.00\n"
        "  4) Default member Mz-damping coefficient ...........       .25\n"
        "\n"
        "  5) Suppress hydrostatic warning messages ........... Yes\n"
        "\n"
        " Note: the next  2 sub-pages consist of individual member information.\n"
        " \n"
        " " + kPrompt;
    EXPECT_EQ(screen(), expected);
}

TEST_F(MemberPageTest, NoMembersNoNoteAndReturnGoesOn) {
    TPCM.NCYL = 0;
    TPCM.LBACK = 9;
    run("\n");
    EXPECT_FALSE(has(screen(), "Note:"));
    EXPECT_FALSE(has(screen(), kMemberHeader));
    EXPECT_EQ(TPCM.LBACK, 0);
    // A number above 5 enters the walk like Return and is handed on.
    run("7\n");
    EXPECT_EQ(TPCM.LBACK, 7);
    EXPECT_EQ(count_of(screen(), kMainHeader), 1u);
}

TEST_F(MemberPageTest, MemberCountIsClampedToTheCapacity) {
    struct Case {
        const char* typed;
        Int ncyl;
    };
    // A command letter is a count like any other entry, clamped to 0.
    const Case cases[] = {{"3", 3}, {"99", 50}, {"-4", 0}, {"", 7}, {"h", 0}};
    for (const Case& c : cases) {
        TPCM.NCYL = 7;
        run(std::string("1\n") + c.typed + "\nB\n");
        EXPECT_EQ(TPCM.NCYL, c.ncyl) << c.typed;
        EXPECT_EQ(TPCM.LBACK, NAV_BACK);
    }
}

TEST_F(MemberPageTest, DefaultDampingGoesToEveryMemberInUse) {
    TPCM.NCYL = 2;
    for (Int m = 1; m <= 3; ++m) {
        TPCM.DRGCMP(m) = 1;
        for (int j = 1; j <= 3; ++j) TPCM.CYLCD(j, m) = TPCM.CYLCDI(j, m) = 1.0f;
    }
    run("2\n0.8\nB\n");
    EXPECT_EQ(TPCM.CCOFDX, 0.8f);
    for (Int m = 1; m <= 2; ++m) {
        EXPECT_EQ(TPCM.CYLCD(1, m), 0.8f);
        EXPECT_EQ(TPCM.CYLCDI(1, m), 0.8f);
        EXPECT_EQ(TPCM.CYLCD(2, m), 1.0f);
        EXPECT_EQ(TPCM.DRGCMP(m), 0);
    }
    EXPECT_EQ(TPCM.CYLCD(1, 3), 1.0f);  // beyond NCYL: untouched
    EXPECT_EQ(TPCM.DRGCMP(3), 1);
    EXPECT_TRUE(has(screen(), "\n ++> NOTE: This will change the coefficient for ALL members;\n"
                              "           press <RETURN> to abort change operation\n\n"
                              "  2) Default member Mx-damping coefficient ...........      1.00\n"));

    // Items 3 and 4 go to the My and Mz components.
    run("3\n0.5\n4\n0.25\nB\n");
    EXPECT_EQ(TPCM.CYLCD(2, 1), 0.5f);
    EXPECT_EQ(TPCM.CYLCDI(2, 2), 0.5f);
    EXPECT_EQ(TPCM.CYLCD(3, 2), 0.25f);
    EXPECT_EQ(TPCM.CYLCDI(3, 1), 0.25f);
    EXPECT_EQ(TPCM.CCOFDZ, 0.25f);
}

TEST_F(MemberPageTest, UnchangedDefaultExplainsAndPauses) {
    TPCM.NCYL = 1;
    TPCM.CYLCD(1, 1) = 3.0f;
    TPCM.DRGCMP(1) = 1;
    for (const char* typed : {"1.0", ""}) {
        run(std::string("2\n") + typed + "\n\nB\n");
        EXPECT_TRUE(has(screen(), "\n ++> To fill all member values with an EXISTING default value,\n"
                                  "     first change to an (intermediate) NEW value,\n"
                                  "     then BACK to the desired original value.\n \n " +
                                      kPause))
            << typed;
        EXPECT_EQ(TPCM.CYLCD(1, 1), 3.0f);
        EXPECT_EQ(TPCM.DRGCMP(1), 1);
    }
}

TEST_F(MemberPageTest, WarningSwitchFlips) {
    run("5\nB\n");
    EXPECT_EQ(TPCM.NOWARN, 1);
    run("5\nB\n");
    EXPECT_EQ(TPCM.NOWARN, 0);
}

// ---- Mended counts -------------------------------------------------------------------------

TEST_F(MemberPageTest, StoredCountsOutsideTheTableAreBroughtIntoIt) {
    struct Case {
        Int maxcyl, ncyl, want_max, want_n;
    };
    const Case cases[] = {{0, 0, 50, 0}, {75, 3, 50, 3}, {50, 60, 50, 50}, {-2, -5, 50, 0},
                          {20, 30, 20, 20}, {50, 4, 50, 4}};
    for (const Case& c : cases) {
        TPCM.MAXCYL = c.maxcyl;
        TPCM.NCYL = c.ncyl;
        run("B\n");
        EXPECT_EQ(TPCM.MAXCYL, c.want_max) << c.maxcyl;
        EXPECT_EQ(TPCM.NCYL, c.want_n) << c.ncyl;
    }
}

TEST_F(MemberPageTest, DeleteAndInsertOnTheLastMemberStayInsideTheTable) {
    // The words after the member table must survive: they are the next arrays of the image.
    tag_all();
    const Real extra = 123.5f;
    TPCM.EXTRA(1) = extra;
    TPCM.MAXCYL = 75;
    TPCM.NCYL = 60;
    run("\n1\n50\nD\nS\n");  // to member 50 through member 1
    EXPECT_EQ(TPCM.NCYL, 50);
    expect_holds(50, 50);  // nothing after it to pull in
    expect_holds(49, 49);
    run("\n1\n50\nI\nS\n");
    expect_empty(50);
    expect_holds(49, 49);
    EXPECT_EQ(TPCM.EXTRA(1), extra);
}

// ---- Member walk and sub-page ---------------------------------------------------------------

TEST_F(MemberPageTest, MemberSubPageAsDrawn) {
    TPCM.NCYL = 2;
    member(1, {6, -14, -20}, {6, -14, 5}, {10, 10, 25});
    TPCM.XAREA(1) = 78.5f;
    TPCM.NCYLTP(1) = SECTION_ELLIPTIC;
    TPCM.BOTTYP(1) = END_FREE;
    TPCM.TOPTYP(1) = END_PIERCING;
    TPCM.MASCMP(1) = MASS_DEEP_WATER;
    TPCM.DRGCMP(1) = DRAG_DEFAULT;
    for (int j = 1; j <= 3; ++j) TPCM.CYLCM(j, 1) = 1.0f;
    TPCM.CYLCD(1, 1) = 1.0f;
    run("\nB\nB\n");
    const std::string s = screen();
    const std::string expected =
        "                      +++ Member Specification +++\n"
        "\n"
        "  1) Member number:  1 of  2\n"
        "  3) Axial cross-section profile: Circular/elliptic                       \n"
        "\n"
        "  4) Member dimensions (Mx,My,Mz) ..........     10.00     10.00     25.00\n"
        "  5) Cross-sectional area ............................     78.50 square feet           \n"
        "\n"
        " 10) (Vx,Vy,Vz) coordinate of member base:        6.00    -14.00    -20.00\n"
        " 11) Base end termination type: Free, submerged \n"
        "\n"
        " 12) (Vx,Vy,Vz) coordinate of member top:         6.00    -14.00      5.00\n"
        " 13) Top end termination type:  Water-piercing  \n"
        "\n"
        " 15) Added mass/moment coefficients: Computed (deep water assumption)        \n"
        " 16) (Mx,My,Mz) Added mass coefficients:          1.00      1.00      1.00\n"
        " 17) (Mx,My,Mz) Added moment coefficients:         .00       .00       .00\n"
        "\n"
        " 18) Drag/drag moment coefficients: Default         \n"
        " 19) (Mx,My,Mz) Drag coefficients                 1.00       .00       .00\n"
        " 20) (Mx,My,Mz) Drag moment coefficients:          .00       .00       .00\n"
        "\n"
        " (\"C\", \"D\", \"I\" to Copy, Delete, Insert)\n"
        " \n"
        " " + kPrompt;
    ASSERT_TRUE(has(s, kMemberHeader));
    EXPECT_EQ(s.substr(s.find("                      +++ Member"), expected.size()), expected);
    // A member never drawn before gets the axis class 1.
    EXPECT_EQ(TPCM.MEMDIR(1), AXIS_VX);
}

TEST_F(MemberPageTest, MetricAreaAndOtherMemberKinds) {
    TPCM.NCYL = 1;
    TPCM.NUNTS = 1;
    run("\nB\nB\n");
    EXPECT_TRUE(has(screen(), " square meters"));
    // A member of another kind hides items 3 and 5 and refuses item 3; item 5 is still edited.
    TPCM.MEMTYP(1) = 2;
    TPCM.NCYLTP(1) = 1;
    run("\n3\n5\n12.5\nB\nB\n");
    EXPECT_FALSE(has(screen(), "Axial cross-section profile"));
    EXPECT_FALSE(has(screen(), "Cross-Section Profile Selection"));
    EXPECT_EQ(count_of(screen(), "  5) Cross-sectional area"), 1u);  // only before its prompt
    EXPECT_EQ(TPCM.XAREA(1), 12.5f);
    EXPECT_EQ(TPCM.NCYLTP(1), 1);
}

TEST_F(MemberPageTest, WalkForwardBackAndOut) {
    TPCM.NCYL = 2;
    // Return to member 1, Return to member 2, B to member 1, B to the main page, B to the driver.
    run("\n\nB\nB\nB\n");
    EXPECT_EQ(members_drawn(), " 1, 2, 1,");
    EXPECT_EQ(count_of(screen(), kMainHeader), 2u);
    EXPECT_EQ(TPCM.LBACK, NAV_BACK);
    // Return on the last member hands 1 to the driver.
    run("\n\n\n");
    EXPECT_EQ(members_drawn(), " 1, 2,");
    EXPECT_EQ(TPCM.LBACK, 1);
    // Item 1 picks a member, clamped to 1..NCYL; M redraws; other codes go to the driver.
    run("\n1\n9\nM\n1\n0\nS\n");
    EXPECT_EQ(members_drawn(), " 1, 1, 2, 2, 2, 1,");
    EXPECT_EQ(TPCM.LBACK, NAV_SKIP);
}

TEST_F(MemberPageTest, DimensionsWarnWhenMzIsNotTheLargest) {
    TPCM.NCYL = 1;
    const std::string warning =
        "\n\n ++> WARNING: The largest member dimension is NOT the axial dimension Mz.\n"
        "              Be sure this is what you want...\n";
    run("\n4\n3,2,1\n\nB\nB\n");
    EXPECT_TRUE(has(screen(), warning));
    EXPECT_TRUE(has(screen(), "  4) Member dimensions (Mx,My,Mz) ..........       .00       .00       .00\n"
                              " Enter new (Mx,My,Mz) dimensions: "));
    EXPECT_EQ(TPCM.DIAMS(1, 1), 3.0f);  // kept after the warning
    EXPECT_EQ(TPCM.DIAMS(3, 1), 1.0f);
    run("\n4\n2,2,1\nB\nB\n");
    EXPECT_FALSE(has(screen(), "WARNING"));
    EXPECT_EQ(count_of(screen(), kPause), 0u);
    EXPECT_EQ(TPCM.DIAMS(1, 1), 2.0f);
}

TEST_F(MemberPageTest, EndPointsSetTheAxisClass) {
    TPCM.NCYL = 1;
    run("\n10\n0 0 -20\n12\n0,0,5\nB\nB\n");
    EXPECT_EQ(base_of(1), (Vec{0, 0, -20}));
    EXPECT_EQ(top_of(1), (Vec{0, 0, 5}));
    EXPECT_EQ(TPCM.MEMDIR(1), AXIS_VZ);
    EXPECT_TRUE(has(screen(), " Enter new (Vx,Vy,Vz) coordinate: "));
    run("\n12\n10,0,-20\nB\nB\n");
    EXPECT_EQ(TPCM.MEMDIR(1), AXIS_VX);
}

TEST_F(MemberPageTest, SelectionListsStoreTheChoiceLessOne) {
    TPCM.NCYL = 1;
    run("\n3\n3\n11\n2\n13\n9\nB\nB\n");
    EXPECT_EQ(TPCM.NCYLTP(1), SECTION_INTERMEDIATE);
    EXPECT_EQ(TPCM.BOTTYP(1), END_PIERCING);
    EXPECT_EQ(TPCM.TOPTYP(1), END_WALL);  // 9 clamped to 3
    EXPECT_TRUE(has(screen(), "\n +++ Base-End Termination Type Selection +++\n\n 1) Free, Submerged\n"
                              " 2) Water-piercing\n 3) Wall-terminated\n\n"));
    EXPECT_TRUE(has(screen(), " +++  Top-End Termination Type Selection +++\n"));
    // 0 or a blank keeps the value.
    run("\n3\n0\n11\n\n15\n\nB\nB\n");
    EXPECT_EQ(TPCM.NCYLTP(1), SECTION_INTERMEDIATE);
    EXPECT_EQ(TPCM.BOTTYP(1), END_PIERCING);
    EXPECT_EQ(TPCM.MASCMP(1), MASS_USER);
}

TEST_F(MemberPageTest, ComputedCoefficientsAndDefaultDragRefuseTyping) {
    TPCM.NCYL = 1;
    TPCM.MASCMP(1) = MASS_DEEP_WATER;
    TPCM.DRGCMP(1) = DRAG_DEFAULT;
    run("\n16\n17\n19\n20\nB\nB\n");
    EXPECT_FALSE(has(screen(), "Enter new (Mx,My,Mz) coefficients"));
    EXPECT_EQ(members_drawn(), " 1, 1, 1, 1, 1,");
    // Typed in once the options allow it.
    TPCM.MASCMP(1) = MASS_USER;
    TPCM.DRGCMP(1) = 0;
    run("\n16\n1.5,0.5,0\n17\n0,0,.25\n19\n1,1,0\n20\n2,2,2\nB\nB\n");
    EXPECT_EQ(TPCM.CYLCM(1, 1), 1.5f);
    EXPECT_EQ(TPCM.CYLCMI(3, 1), 0.25f);
    EXPECT_EQ(TPCM.CYLCD(3, 1), 0.0f);
    EXPECT_EQ(TPCM.CYLCDI(2, 1), 2.0f);
}

TEST_F(MemberPageTest, DefaultDragFollowsTheEndTypes) {
    struct Case {
        Int bottom, top;
        Real axial;
    };
    const Case cases[] = {{END_WALL, END_WALL, 0.0f}, {END_FREE, END_PIERCING, 1.0f}, {END_PIERCING, END_WALL, 0.0f}};
    for (const Case& c : cases) {
        TPCM.NCYL = 1;
        TPCM.BOTTYP(1) = c.bottom;
        TPCM.TOPTYP(1) = c.top;
        TPCM.DRGCMP(1) = 0;
        for (int j = 1; j <= 3; ++j) TPCM.CYLCD(j, 1) = TPCM.CYLCDI(j, 1) = 7.0f;
        run("\n18\nB\nB\n");
        EXPECT_EQ(TPCM.DRGCMP(1), DRAG_DEFAULT);
        EXPECT_EQ(TPCM.CYLCD(1, 1), 1.0f);
        EXPECT_EQ(TPCM.CYLCD(2, 1), 1.0f);
        EXPECT_EQ(TPCM.CYLCD(3, 1), c.axial);
        EXPECT_EQ(TPCM.CYLCDI(1, 1), 1.0f);
        EXPECT_EQ(TPCM.CYLCDI(3, 1), 0.0f);
        // Back to user-specified keeps them.
        run("\n18\nB\nB\n");
        EXPECT_EQ(TPCM.DRGCMP(1), 0);
        EXPECT_EQ(TPCM.CYLCD(3, 1), c.axial);
    }
}

TEST_F(MemberPageTest, MemberCheckRunsForComputedCoefficients) {
    TPCM.NCYL = 1;
    // A submerged circular column of the right length: the check computes its coefficients quietly.
    member(1, {0, 0, 2}, {0, 0, 12}, {1, 1, 10});
    TPCM.XAREA(1) = 0.7853982f;
    TPCM.NCYLTP(1) = SECTION_ELLIPTIC;
    run("\n15\n2\nB\nB\n");
    EXPECT_EQ(TPCM.MASCMP(1), MASS_DEEP_WATER);
    EXPECT_GT(TPCM.CYLCM(1, 1), 0.5f);
    EXPECT_EQ(count_of(screen(), kPause), 0u);
    EXPECT_EQ(TPCM.MEMDIR(1), AXIS_VZ);

    // Top below the base: a fatal finding, a pause, and typed coefficients again (values kept).
    const Real kept = TPCM.CYLCM(1, 1);
    member(1, {0, 0, 12}, {0, 0, 2}, {1, 1, 10});
    run("\n13\n1\n\nB\nB\n");
    EXPECT_TRUE(has(screen(), " ++> Fatal Warning: Top of member  1 is below the base!"));
    EXPECT_EQ(count_of(screen(), kPause), 1u);
    EXPECT_EQ(TPCM.MASCMP(1), MASS_USER);
    EXPECT_EQ(TPCM.CYLCM(1, 1), kept);

    // With typed coefficients no check runs.
    run("\n13\n2\nB\nB\n");
    EXPECT_FALSE(has(screen(), "Fatal"));
}

TEST_F(MemberPageTest, FailedSurfaceCorrectionLeavesTheDeepWaterValuesTyped) {
    TPCM.NCYL = 1;
    // So deep that the surface correction finds no root.
    TPCM.DRAFT = 3.0e38f;
    member(1, {0, 0, 0}, {20, 0, 0}, {1, 1, 20});
    TPCM.XAREA(1) = 0.7853982f;
    TPCM.NCYLTP(1) = SECTION_ELLIPTIC;
    run("\n15\n3\n\n\n\n\nB\nB\n");
    EXPECT_TRUE(has(screen(), "its deep water added mass coefficients are kept."));
    EXPECT_EQ(TPCM.MASCMP(1), MASS_USER);
    EXPECT_TRUE(std::isfinite(TPCM.CYLCM(1, 1)));
    EXPECT_GT(TPCM.CYLCM(1, 1), 0.5f);
}

// ---- Copy, delete, insert -------------------------------------------------------------------

TEST_F(MemberPageTest, CopyWithReflection) {
    struct Case {
        const char* selection;
        Vec base, top;
    };
    const Case cases[] = {
        {"1", {6, 14, -20}, {6, 14, 5}},   {"2", {-6, -14, -20}, {-6, -14, 5}},
        {"3", {-6, 14, -20}, {-6, 14, 5}}, {"4", {-14, 6, -20}, {-14, 6, 5}},
        {"", {6, -14, -20}, {6, -14, 5}},  {"9", {6, -14, -20}, {6, -14, 5}},
    };
    for (const Case& c : cases) {
        tag(1);
        tag(2);
        member(1, {6, -14, -20}, {6, -14, 5}, {1.3f, 1.6f, 1.9f});
        TPCM.NCYL = 2;
        run(std::string("\n\nC\n1\n") + c.selection + "\nB\nB\nB\n");
        EXPECT_EQ(base_of(2), c.base) << c.selection;
        EXPECT_EQ(top_of(2), c.top) << c.selection;
        // Everything else is member 1's, its axis class included; the count does not change.
        EXPECT_EQ(TPCM.XAREA(2), 1.0f);
        EXPECT_EQ(TPCM.MEMDIR(2), TPCM.MEMDIR(1));
        EXPECT_EQ(TPCM.DIAMS(3, 2), 1.9f);
        EXPECT_EQ(TPCM.CYLCDI(2, 2), TPCM.CYLCDI(2, 1));
        EXPECT_EQ(TPCM.NCYL, 2);
    }
    EXPECT_TRUE(has(screen(), " Copy data from which member? : "));
    EXPECT_TRUE(has(screen(), " +++   Coordinate Transformation Properties  +++\n"
                              "         (<Return> for no transformation)\n\n"
                              " 1) Reflect about Vx-Vz plane  (x,y) -> (x, -y)\n"));
    EXPECT_TRUE(has(screen(), "\n\n          (Vz is out of screen)\n\n"));
}

TEST_F(MemberPageTest, RotationTurnsCounterClockwiseAndBack) {
    const Real angles[] = {90.0f, 30.0f, -135.0f, 400.0f};
    for (Real angle : angles) {
        member(1, {6, -14, -20}, {2.5f, 1, 5});
        TPCM.NCYL = 3;
        const std::string a = std::to_string(angle);
        const std::string minus = std::to_string(-angle);
        // Member 1 turned into member 2, then member 2 turned back into member 3.
        run("\n\nC\n1\n5\n" + a + "\n\nC\n2\n5\n" + minus + "\nB\nB\nB\nB\n");
        for (int j = 1; j <= 3; ++j) {
            EXPECT_NEAR(TPCM.RCYLB(j, 3), TPCM.RCYLB(j, 1), 1e-5) << angle;
            EXPECT_NEAR(TPCM.RCYLT(j, 3), TPCM.RCYLT(j, 1), 1e-5) << angle;
        }
        const double r1 = std::hypot(6.0, -14.0);
        const double x2 = TPCM.RCYLB(1, 2);
        const double y2 = TPCM.RCYLB(2, 2);
        EXPECT_NEAR(std::hypot(x2, y2), r1, 1e-5) << angle;
        EXPECT_EQ(TPCM.RCYLB(3, 2), -20.0f);
        // The turn is counter-clockwise seen from above.
        const double turned = std::atan2(y2, x2) - std::atan2(-14.0, 6.0);
        const double wanted = static_cast<double>(angle) * std::numbers::pi / 180.0;
        EXPECT_NEAR(std::remainder(turned - wanted, 2 * std::numbers::pi), 0.0, 1e-5) << angle;
    }
    // 90 degrees turns (1, 0) into (0, 1).
    member(1, {1, 0, -3}, {1, 0, 3});
    TPCM.NCYL = 2;
    run("\n\nC\n1\n5\n90\nB\nB\nB\n");
    EXPECT_NEAR(TPCM.RCYLB(1, 2), 0.0f, 1e-6);
    EXPECT_NEAR(TPCM.RCYLB(2, 2), 1.0f, 1e-6);
    // A blank angle shows the transformation sub-page again.
    run("\n\nC\n1\n5\n\n1\nB\nB\nB\n");
    EXPECT_EQ(count_of(screen(), "Coordinate Transformation Properties"), 2u);
    EXPECT_NEAR(TPCM.RCYLB(2, 2), 0.0f, 1e-6);  // then reflected about Vx-Vz
    EXPECT_EQ(TPCM.RCYLB(1, 2), 1.0f);
}

TEST_F(MemberPageTest, CopySourceOutsideTheMembers) {
    tag_all();
    TPCM.NCYL = 3;
    // A source above NCYL copies member NCYL.
    run("\n\nC\n9\n\nB\nB\nB\n");
    expect_holds(2, 3);
    // 0, a negative number or a command letter copies nothing.
    tag_all();
    for (const char* source : {"0", "-2", "B", ""}) {
        run(std::string("\n\nC\n") + source + "\nB\nB\nB\n");
        expect_holds(2, 2);
        EXPECT_FALSE(has(screen(), "Coordinate Transformation")) << source;
    }
}

TEST_F(MemberPageTest, DeleteAndInsertShiftTheMembers) {
    tag_all();
    TPCM.NCYL = 4;
    run("\n\nD\nB\nB\nB\n");
    EXPECT_EQ(TPCM.NCYL, 4);
    expect_holds(1, 1);
    expect_holds(2, 3);
    expect_holds(4, 5);
    expect_holds(49, 50);
    expect_holds(50, 50);

    tag_all();
    run("\n\nI\nB\nB\nB\n");
    EXPECT_EQ(TPCM.NCYL, 4);
    expect_holds(1, 1);
    expect_empty(2);
    expect_holds(3, 2);
    expect_holds(50, 49);
    // The empty member is drawn with the axis class 1.
    EXPECT_EQ(TPCM.MEMDIR(2), AXIS_VX);
    EXPECT_TRUE(has(screen(), " 11) Base end termination type: Free, submerged \n"));

    // Insert on member 50 empties it and moves nothing.
    tag_all();
    TPCM.NCYL = 50;
    run("\n1\n50\nI\nS\n");
    expect_empty(50);
    expect_holds(49, 49);
}

// ---- Help and dump --------------------------------------------------------------------------

TEST_F(MemberPageTest, HelpScreens) {
    TPCM.NCYL = 1;
    run("?\n\n\nB\n");
    EXPECT_EQ(count_of(screen(), kPause), 2u);
    EXPECT_TRUE(has(screen(), "                     ****  Member Definition Notes  ****\n"));
    EXPECT_TRUE(has(screen(), "Case A"));
    EXPECT_TRUE(has(screen(), "Mem 3"));
    EXPECT_TRUE(has(screen(), " ++> Item Numbers 2 -> 4\n"));

    run("\n?\n\n\n\n\n\n\n\nB\nB\n");
    EXPECT_EQ(count_of(screen(), kPause), 7u);
    EXPECT_TRUE(has(screen(), " ++> Item Numbers 18,19,20\n"));

    run("?3\n\n?9\n\nB\n");
    EXPECT_TRUE(has(screen(), " ++> Item Number   3\n"));
    EXPECT_TRUE(has(screen(), " ++> Item Number   9\n ++> Sorry, no help for this line...\n"));
    EXPECT_EQ(count_of(screen(), kPause), 2u);

    run("\n?12\n\n?14\n\nB\nB\n");
    EXPECT_TRUE(has(screen(), " ++> Item Number  12\n"));
    EXPECT_TRUE(has(screen(), "Vy <"));
    EXPECT_TRUE(has(screen(), " ++> Item Number  14\n ++> Sorry, no help for this line...\n"));

    // The transformation sub-page: its own notes, then the sub-page again.
    tag(1);
    run("\nC\n1\n?\n\n\n?4\n\n\nB\nB\n");
    EXPECT_EQ(count_of(screen(), "****  Reflection Definition Notes  ****"), 2u);
    EXPECT_TRUE(has(screen(), std::string(19, ' ') + "****  Reflection Definition Notes  ****\n\n"
                              "     This sub-page enters the base and top points"));
    EXPECT_EQ(count_of(screen(), "Coordinate Transformation Properties"), 3u);
    EXPECT_TRUE(has(screen(), " ++> Item Number   4\n ++> Sorry, no help for this line...\n"));
}

TEST_F(MemberPageTest, DumpWalksTheMainPageAndEveryMember) {
    TPCM.NCYL = 3;
    TPCM.LCOPY = 1;
    run("");
    EXPECT_EQ(TPCM.LBACK, 0);
    EXPECT_EQ(count_of(screen(), kMainHeader), 1u);
    EXPECT_EQ(members_drawn(), " 1, 2, 3,");
    EXPECT_EQ(TPCM.LCOPY, 5);  // one half-page step after each of the four pages
    EXPECT_FALSE(has(screen(), kPrompt));
    // No members: the main page only.
    TPCM.NCYL = 0;
    TPCM.LCOPY = 1;
    run("");
    EXPECT_EQ(members_drawn(), "");
    EXPECT_EQ(TPCM.LBACK, 0);
}

TEST(MemberSelectionList, EndNames) {
    reset_units();
    capture_unit(SCREEN_UNIT);
    SHOSEL(SCREEN_UNIT, "Base");
    EXPECT_EQ(captured(SCREEN_UNIT), "\n +++ Base-End Termination Type Selection +++\n\n 1) Free, Submerged\n"
                                     " 2) Water-piercing\n 3) Wall-terminated\n\n");
    reset_units();
}

}  // namespace
}  // namespace brevant

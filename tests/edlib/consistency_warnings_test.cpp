// Pre-run consistency warnings: a consistent case stays quiet; each inconsistency gives its message
// once and counts it as a warning or a fatal warning.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <initializer_list>
#include <limits>
#include <string>
#include <vector>

#include "records/coefficient_image.h"
#include "edlib/consistency_warnings.h"
#include "records/data_image.h"
#include "edlib/members/member_table.h"
#include "numeric/wave_number.h"
#include "pre_run_case.h"
#include "test_support.h"

namespace brevant {
namespace {

using testing::ConsoleTest;

constexpr const char* kPeriodMessage =
    "\n"
    " ++> Fatal Warning: Wave period array problem. Check for:\n"
    "                  - Unequal RAO period intervals.\n"
    "                  - A nonpositive wave period.\n"
    "                  - A period array of only one value.\n"
    "\n"
    "     Either deselect random wave option, or go back to the\n"
    "     RAO period table and correct the problem.\n";

constexpr Int kAllOnes = 0x111;  // model 1 in the fields of Cx, Cy and Cz

// A metric ship of displacement 1000 in water 100 deep, one irregular sea of height 4 and period
// 10 with the regular wave at height 4 / sqrt(2), evenly spaced periods, written by this program.
void consistent_case() {
    reset_images();
    Tpcm& t = TPCM;
    t.SIMTYP = 16;
    t.NUNTS = 1;
    t.EDUNIT = SCREEN_UNIT;
    t.IUNIT = 1;
    t.LCOPY = 1;
    t.VESTYP = 1;
    t.DWATR = 1025.0f;
    t.DISPL = 1000.0f;
    t.DRAFT = 10.0f;
    t.AWP = 1500.0f;
    t.LWL = 100.0f;
    t.BWL = 20.0f;
    t.VKG = 5.0f;
    t.VKMT = 8.0f;
    t.VKML = 120.0f;
    t.PGYR = 25.0f;
    t.RGYR = 7.0f;
    t.YGYR = 25.0f;
    t.XWNDAR = 300.0f;
    t.YWNDAR = 1200.0f;
    t.WNDFAC = 1.0f;
    t.XCURAR = 200.0f;
    t.YCURAR = 1000.0f;
    t.DEPTH = 100.0f;
    t.DURATN = 3.0f;
    t.LRANDM = 1;
    t.NPARM = 1;
    t.SWHT(1) = 4.0f;
    t.SIGPD(1) = 10.0f;
    t.WAVTYP = 2;
    t.WAVWID = 0.1f;  // the widths of the swell-type spectrum a new case holds
    t.SWLWID = 0.1f;
    t.WNDTYP = 1;
    t.LSLPHT = 0;
    t.SLPHT = 2.828f;
    t.NWP = 4;
    t.T(1) = 5.0f;
    t.T(2) = 6.0f;
    t.T(3) = 7.0f;
    t.T(4) = 8.0f;
    t.LWVCOF = kAllOnes;
    t.LWBARG = kAllOnes;
    t.LCBARG = kAllOnes;
    t.BOWFAC = 1.0f;
    t.VWDFAC = 1.0f;
    t.STRNFC = 1.25f;
    t.WVFCX = t.WVFCY = t.WVFCM = 1.0f;
    // The user wind and current tables the models above choose: two rows a half circle apart.
    Lowcof& c = LOWCOF;
    c.NUWNPT = c.NUCRPT = 2;
    c.UWNANG(1) = c.UCRANG(1) = 0.0f;
    c.UWNANG(2) = c.UCRANG(2) = 180.0f;
}

// Two-vessel data: the second vessel a copy of the first.
void two_vessel_case(Int creator) {
    consistent_case();
    Tpcm& t = TPCM;
    t.SIMTYP = creator;
    t.BVSTYP = t.VESTYP;
    t.BDISPL = t.DISPL;
    t.BDRAFT = t.DRAFT;
    t.BAWP = t.AWP;
    t.BLWL = t.LWL;
    t.BBWL = t.BWL;
    t.BVKG = t.VKG;
    t.BVKMT = t.VKMT;
    t.BVKML = t.VKML;
    t.BPGYR = t.PGYR;
    t.BRGYR = t.RGYR;
    t.BYGYR = t.YGYR;
    t.BXWNDA = t.XWNDAR;
    t.BYWNDA = t.YWNDAR;
    t.BWNDCF = t.WNDFAC;
    t.BXCURA = t.XCURAR;
    t.BYCURA = t.YCURAR;
    t.BWVCOF = kAllOnes;
    t.BBOWCF = t.BVWDFC = 1.0f;
    t.BSTRNC = 1.25f;
    t.BWVFCX = t.BWVFCY = t.BWVFCM = 1.0f;
}

// The first line of each message in the order written.
std::vector<std::string> headlines(const std::string& out) {
    std::vector<std::string> r;
    std::size_t pos = 0;
    while (pos < out.size()) {
        std::size_t end = out.find('\n', pos);
        if (end == std::string::npos) end = out.size();
        const std::string line = out.substr(pos, end - pos);
        if (line.rfind(" ++>", 0) == 0) r.push_back(line);
        pos = end + 1;
    }
    return r;
}

class ConsistencyWarningsTest : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        consistent_case();
        // The user files the models of a case can choose are there: no finding names them.
        testing::put_valid_user_files();
    }
    testing::ScratchDir dir_;
    void TearDown() override {
        reset_images();
        ConsoleTest::TearDown();
    }
    Int WARNEM = 0;
    Int FWARN = 0;
};

TEST_F(ConsistencyWarningsTest, ConsistentCaseIsQuietAndNormalised) {
    Tpcm& t = TPCM;
    t.IVERS_SUFX = 3;
    t.SEMI_LIKE = 1;
    t.LSWEL2 = 1;     // no swell: no second swell either
    t.VGLDIR = 45.0f;  // no speed: no direction
    t.BVGLDR = 30.0f;
    t.AUXFRC = 0;
    t.AXFC2 = 1;
    t.AXFC3 = 1;
    WARNEM = 2;
    FWARN = 1;
    VESWRN(WARNEM, FWARN);
    EXPECT_EQ(screen(), "");
    EXPECT_EQ(WARNEM, 2);
    EXPECT_EQ(FWARN, 1);
    EXPECT_EQ(t.IVERS_SUFX, 0);
    EXPECT_EQ(t.SEMI_LIKE, 0);
    EXPECT_EQ(t.LSWEL2, 0);
    EXPECT_EQ(t.VGLDIR, 0.0f);
    EXPECT_EQ(t.BVGLDR, 0.0f);
    EXPECT_EQ(t.AXFC2, 0);
    EXPECT_EQ(t.AXFC3, 0);
}

TEST_F(ConsistencyWarningsTest, ThirdExternalForceNeedsTheSecond) {
    TPCM.AUXFRC = 1;
    TPCM.AXFC2 = 0;
    TPCM.AXFC3 = 1;
    VESWRN(WARNEM, FWARN);
    EXPECT_EQ(TPCM.AXFC3, 0);
    TPCM.AXFC2 = 1;
    TPCM.AXFC3 = 1;
    VESWRN(WARNEM, FWARN);
    EXPECT_EQ(TPCM.AXFC2, 1);
    EXPECT_EQ(TPCM.AXFC3, 1);
}

TEST_F(ConsistencyWarningsTest, MemberBuiltFlagFollowsTheVesselType) {
    for (Int type = 0; type <= 7; ++type) {
        TPCM.VESTYP = type;
        TPCM.SEMI_LIKE = 7;
        // Types 0 and 7 are findings of their own: the counts start afresh for each type.
        WARNEM = FWARN = 0;
        VESWRN(WARNEM, FWARN);
        EXPECT_EQ(TPCM.SEMI_LIKE, (type == 3 || type == 5 || type == 6) ? 1 : 0) << type;
    }
}

TEST_F(ConsistencyWarningsTest, UnevenPeriodsWithIrregularWaves) {
    TPCM.T(4) = 8.5f;
    VESWRN(WARNEM, FWARN);
    EXPECT_EQ(screen(), kPeriodMessage);
    EXPECT_EQ(FWARN, 1);
    EXPECT_EQ(WARNEM, 0);
}

TEST_F(ConsistencyWarningsTest, PeriodTableCases) {
    struct Case {
        const char* what;
        std::function<void()> set;
        bool reported;
    };
    const std::vector<Case> cases = {
        {"even periods", [] {}, false},
        {"uneven without waves", [] { TPCM.T(4) = 8.5f; TPCM.LRANDM = 0; }, false},
        {"uneven with swell only",
         [] {
             TPCM.T(4) = 8.5f;
             TPCM.LRANDM = 0;
             TPCM.LSWELL = 1;
             TPCM.SWELHT = 4.0f;
             TPCM.SWELPD = 10.0f;
         },
         true},
        {"one period, no waves", [] { TPCM.NWP = 1; TPCM.LRANDM = 0; }, true},
        {"no periods", [] { TPCM.NWP = 0; }, true},
        {"a negative period evenly spaced", [] {
             for (int i = 1; i <= 4; ++i) TPCM.T(i) = static_cast<Real>(i) - 3.0f;
         }, true},
        {"the first period alone is not tested", [] {
             for (int i = 1; i <= 4; ++i) TPCM.T(i) = static_cast<Real>(i) - 1.0f;
         }, false},
        {"a count beyond the table", [] {
             TPCM.NWP = 500;
             for (int i = 1; i <= 100; ++i) TPCM.T(i) = static_cast<Real>(i);
         }, true},
        {"the whole table", [] {
             TPCM.NWP = 100;
             for (int i = 1; i <= 100; ++i) TPCM.T(i) = static_cast<Real>(i);
         }, false},
    };
    for (const Case& c : cases) {
        consistent_case();
        clear_captured(SCREEN_UNIT);
        c.set();
        WARNEM = FWARN = 0;
        VESWRN(WARNEM, FWARN);
        EXPECT_EQ(screen().find("Wave period array problem") != std::string::npos, c.reported) << c.what;
    }
}

TEST_F(ConsistencyWarningsTest, StormDurationIsWordedAsAWarningButFatal) {
    TPCM.DURATN = 0.0f;
    VESWRN(WARNEM, FWARN);
    EXPECT_EQ(screen(), "\n ++> Warning: Nonpositive storm duration detected.\n");
    EXPECT_EQ(FWARN, 1);
    EXPECT_EQ(WARNEM, 0);
    // Data of a vessel-only type are not checked for it.
    clear_captured(SCREEN_UNIT);
    TPCM.SIMTYP = 5;
    VESWRN(WARNEM, FWARN);
    EXPECT_EQ(screen(), "");
}

TEST_F(ConsistencyWarningsTest, SeventhFindingPausesBeforeItIsCounted) {
    answers("\n");
    TPCM.VFWD = 2.0f;
    TPCM.AUXVSH = 1;
    WARNEM = 6;
    FWARN = 1;
    VESWRN(WARNEM, FWARN);
    EXPECT_EQ(screen(),
              "\n"
              " ++> Warning: Nonzero forward speed with User-specified vessel RAOs.\n"
              " \n"
              " Press <RETURN> to continue: ");
    EXPECT_EQ(WARNEM, 7);
    EXPECT_EQ(FWARN, 1);
    EXPECT_THROW(read_keyboard_line(KBD_UNIT), ProgramEnd);  // the pause took its answer

    // Without a fatal warning counted there is no pause.
    clear_captured(SCREEN_UNIT);
    WARNEM = 7;
    FWARN = 0;
    VESWRN(WARNEM, FWARN);
    EXPECT_EQ(screen(), "\n ++> Warning: Nonzero forward speed with User-specified vessel RAOs.\n");
    EXPECT_EQ(WARNEM, 8);
}

TEST_F(ConsistencyWarningsTest, MessagesGoToTheEditorUnit) {
    TPCM.EDUNIT = SILENT_UNIT;
    TPCM.LCOPY = 0;
    TPCM.DEPTH = 0.0f;
    VESWRN(WARNEM, FWARN);
    EXPECT_EQ(screen(), "");
    EXPECT_EQ(silent(),
              "\n ++> Fatal Warning: The water depth is nonpositive.\n"
              "\n ++> Fatal Warning: A vessel draft exceeds water depth.\n");
    EXPECT_EQ(FWARN, 2);
}

struct FindingCase {
    const char* what;
    std::function<void()> set;
    std::vector<std::string> lines;  // first line of each message, in order
    Int warnings;
    Int fatals;
};

const char* const kFwd = " ++> Warning: Nonzero forward speed with User-specified vessel RAOs.";
const char* const kGmZero = " ++> Warning: A vessel GM is zero.";
const char* const kGmNeg = " ++> Warning: A vessel GM is negative.";
const char* const kGyr = " ++> Fatal Warning: A vessel gyradii is nonpositive.";
const char* const kWind = " ++> Warning: A wind area or coefficient is nonpositive.";
const char* const kCurrent = " ++> Warning: A current area or coefficient is nonpositive.";
const char* const kIrregular = " ++> Fatal Warning: Irregular wave specification problem. Check for:";
const char* const kHeights = " ++> Warning: discrepancy between regular and irregular wave heights.";
const char* const kSizes = " ++> Warning: A vessel beam, length, draft,";
const char* const kWaterplane = " ++> Fatal Warning: A vessel water plane area is nonpositive.";
const char* const kDraft = " ++> Fatal Warning: A vessel draft exceeds water depth.";
const char* const kDrift = " ++> Fatal Warning: A wave drift factor is nonpositive.";
const char* const kMismatch = " ++> Warning: Possible vessel type/wave drift force type mismatch.";
const char* const kAsym = " ++> Fatal Warning: Azimuthal ASSYMMETRY detected in vessel of";
const char* const kShadow = " ++> Warning: Nonpositive semisubmersible geometry & shadowing factors detected.";
const char* const kNoCrossing = " ++> Warning: No member crosses the waterline.";
const char* const kNoDisplacement = " ++> Fatal Warning: Vessel displacement (page 2, item 1) is not positive:";
const char* const kNoRollStability =
    " ++> Fatal Warning: Transverse metacentric height (page 2, item 2) is not";
const char* const kNoPitchStability =
    " ++> Fatal Warning: Longitudinal metacentric height (page 2, item 3) is not";

void run_cases(const std::vector<FindingCase>& cases, const std::function<void()>& base) {
    for (const FindingCase& c : cases) {
        base();
        clear_captured(SCREEN_UNIT);
        c.set();
        Int WARNEM = 0;
        Int FWARN = 0;
        VESWRN(WARNEM, FWARN);
        EXPECT_EQ(headlines(captured(SCREEN_UNIT)), c.lines) << c.what;
        EXPECT_EQ(WARNEM, c.warnings) << c.what;
        EXPECT_EQ(FWARN, c.fatals) << c.what;
    }
}

TEST_F(ConsistencyWarningsTest, SingleVesselFindings) {
    const std::vector<FindingCase> cases = {
        {"speed with user RAOs", [] { TPCM.VFWD = 1.0f; TPCM.AUXVSH = 1; }, {kFwd}, 1, 0},
        {"zero GM of a ship", [] { TPCM.VKMT = TPCM.VKG; }, {kGmZero, kNoRollStability}, 1, 1},
        {"negative GM of a ship", [] { TPCM.VKML = 4.0f; }, {kGmNeg, kNoPitchStability}, 1, 1},
        {"creator 14 has no GM checks", [] { TPCM.SIMTYP = 14; TPCM.VKMT = 4.0f; TPCM.VKML = 5.0f; }, {}, 0, 0},
        {"gyradius", [] { TPCM.RGYR = 0.0f; }, {kGyr}, 0, 1},
        {"wind coefficient", [] { TPCM.LWIND = 1; TPCM.WNDFAC = 0.0f; }, {kWind}, 1, 0},
        {"wind off", [] { TPCM.WNDFAC = 0.0f; }, {}, 0, 0},
        {"wind of a vessel-only type", [] { TPCM.SIMTYP = 3; TPCM.LWIND = 1; TPCM.WNDFAC = 0.0f; }, {}, 0, 0},
        {"current area", [] { TPCM.LCURNT = 1; TPCM.YCURAR = -1.0f; }, {kCurrent}, 1, 0},
        {"sea height", [] { TPCM.SWHT(1) = 0.0f; }, {kIrregular, kHeights}, 1, 1},
        {"peak period", [] { TPCM.SIGPD(1) = 0.0f; }, {kIrregular}, 0, 1},
        {"no period needed for Pierson-Moskowitz", [] { TPCM.SIGPD(1) = 0.0f; TPCM.WAVTYP = 1; }, {}, 0, 0},
        {"swell height", [] { TPCM.LSWELL = 1; TPCM.SWELPD = 7.0f; }, {kIrregular}, 0, 1},
        {"second swell without the first is switched off", [] { TPCM.LSWEL2 = 1; }, {}, 0, 0},
        {"regular height too large", [] { TPCM.SLPHT = 2.3f; }, {kHeights}, 1, 0},
        {"regular height within 20 per cent", [] { TPCM.SLPHT = 2.4f; }, {}, 0, 0},
        {"one sea of several matches",
         [] {
             TPCM.NPARM = 3;
             TPCM.SWHT(2) = 12.0f;
             TPCM.SIGPD(2) = 14.0f;
             TPCM.SWHT(3) = 1.0f;
             TPCM.SIGPD(3) = 6.0f;
         },
         {}, 0, 0},
        {"file spectrum is not compared", [] { TPCM.WAVTYP = 7; TPCM.SLPHT = 20.0f; }, {}, 0, 0},
        {"draft beyond depth", [] { TPCM.DEPTH = 10.0f; }, {kDraft}, 0, 1},
        {"displacement", [] { TPCM.DISPL = 0.0f; }, {kSizes, kNoDisplacement}, 1, 1},
        {"waterplane", [] { TPCM.AWP = 0.0f; }, {kWaterplane}, 0, 1},
        {"bow factor just below zero", [] { TPCM.LWVCOF = 0x222; TPCM.BOWFAC = -0.001f; }, {kDrift}, 0, 1},
        {"bow factor of zero", [] { TPCM.LWVCOF = 0x222; TPCM.BOWFAC = 0.0f; }, {kDrift}, 0, 1},
        {"stern factor of zero", [] { TPCM.LWVCOF = 0x611; TPCM.STRNFC = 0.0f; }, {kDrift}, 0, 1},
        {"stern factor not a number", [] { TPCM.LWVCOF = 0x611; TPCM.STRNFC = std::nanf(""); },
         {kDrift, " ++> Fatal Warning: Stern shape factor (page 8, item 22) is not a finite number."}, 0, 2},
        {"variable reflection factor of zero passes", [] { TPCM.LWVCOF = 0x222; TPCM.VWDFAC = 0.0f; }, {}, 0, 0},
        {"bow factor unused by the model", [] { TPCM.BOWFAC = -1.0f; }, {}, 0, 0},
        {"semi factor", [] { TPCM.LWVCOF = 0x611; TPCM.WVFCM = -1.0f; }, {kDrift}, 0, 1},
        {"damping", [] { TPCM.LHVDMP = 1; }, {" ++> Fatal Warning: Nonpositive user-specified damping coefficient."},
         0, 1},
        {"natural period",
         [] {
             TPCM.LRLPRD = 1;
             TPCM.ROLPRD = -1.0f;
         },
         {" ++> Fatal Warning: Nonpositive user-specified natural period."}, 0, 1},
        {"drift model of a semi on a ship", [] { TPCM.LWVCOF = 0x131; }, {kMismatch}, 1, 0},
        {"drift model of a ship", [] { TPCM.LWVCOF = 0x621; }, {}, 0, 0},
        {"discontinuous wind Cy", [] { LOWCOF.UWNCY(1) = 0.5f; },
         {" ++> Warning: Discontinuous user-specified wind/current coefficients about"}, 1, 0},
        {"current Cz from another model", [] { LOWCOF.UCRCZ(1) = 0.5f; TPCM.LCBARG = 0x211; }, {}, 0, 0},
        {"asymmetric disc",
         [] {
             TPCM.VESTYP = 4;
             TPCM.VKML = TPCM.VKMT;
         },
         {kAsym}, 0, 1},
        {"disc", [] { TPCM.VESTYP = 4; TPCM.VKML = TPCM.VKMT; TPCM.BWL = TPCM.LWL; }, {}, 0, 0},
        {"swell locked to missing irregular waves",
         [] {
             TPCM.LRANDM = 0;
             TPCM.LSWELL = 1;
             TPCM.LSWLOK = 1;
             TPCM.SWELHT = 4.0f;
             TPCM.SWELPD = 7.0f;
         },
         {" ++> Fatal Warning: Swell direction locked to irregular waves "}, 0, 1},
        {"legacy flags of another type",
         [] {
             TPCM.SIMTYP = 12;
             TPCM.LEGPKF = 1;
             TPCM.LEGDRG = 1;
             TPCM.LCURNT = 1;
         },
         {" ++> Warning: Mixed \"legacy\" flags detected for tanker, wave-current,"}, 1, 0},
        {"legacy flags are not checked for this program's data",
         [] {
             TPCM.LEGPKF = 1;
             TPCM.LEGDRG = 1;
             TPCM.LCURNT = 1;
         },
         {}, 0, 0},
        {"spar and semi models mixed", [] { TPCM.SIMTYP = 12; TPCM.LWVCOF = 0x575; },
         {" ++> Fatal Warning: Mixing \"spar\" and \"Semi (2001) wave force models", kMismatch}, 1, 1},
    };
    run_cases(cases, consistent_case);
}

TEST_F(ConsistencyWarningsTest, TwoVesselFindings) {
    const std::vector<FindingCase> cases = {
        {"consistent", [] {}, {}, 0, 0},
        {"second vessel's speed with user RAOs", [] { TPCM.BVFWD = 1.0f; TPCM.VFWD = 1.0f; TPCM.BAXVSH = 1; },
         {kFwd}, 1, 0},
        {"negative GM on either vessel counted once",
         [] {
             TPCM.VKMT = 4.0f;
             TPCM.BVKML = 4.0f;
         },
         {kGmNeg}, 1, 0},
        {"second vessel's gyradius", [] { TPCM.BYGYR = -1.0f; }, {kGyr}, 0, 1},
        {"second vessel's draft", [] { TPCM.BDRAFT = 150.0f; }, {kDraft}, 0, 1},
        {"second vessel's wind area", [] { TPCM.LWIND = 1; TPCM.BYWNDA = 0.0f; }, {kWind}, 1, 0},
        {"unequal speeds", [] { TPCM.VFWD = 1.0f; }, {" ++> Warning: Unequal buoy/tug, tanker/barge speed values."}, 1,
         0},
        {"unequal directions at equal speed",
         [] {
             TPCM.VFWD = TPCM.BVFWD = 1.0f;
             TPCM.VGLDIR = 10.0f;
         },
         {" ++> Warning: Unequal buoy/tug, tanker/barge motion direction.",
          " ++> Warning: Mardek rigorously supports only forward speed towards Golbal 0."},
         2, 0},
        {"second vessel's bow factor", [] { TPCM.BWVCOF = 0x222; TPCM.BBOWCF = -1.0f; }, {kDrift}, 0, 1},
        {"only the second vessel's drift model is tested for creator 10", [] { TPCM.LWVCOF = 0x333; }, {}, 0, 0},
        {"second vessel's drift model", [] { TPCM.BWVCOF = 0x333; }, {kMismatch}, 1, 0},
        {"asymmetric second disc", [] { TPCM.BVSTYP = 4; TPCM.BBWL = 1.0f; }, {kAsym}, 0, 1},
    };
    run_cases(cases, [] { two_vessel_case(10); });

    const std::vector<FindingCase> thirteen = {
        {"both vessels member-built",
         [] {
             TPCM.VESTYP = 3;
             TPCM.BVSTYP = 3;
             TPCM.B_SEMI_LIKE = 1;
             TPCM.LWVCOF = TPCM.BWVCOF = 0x111;
             TPCM.XSHDOW = TPCM.YSHDOW = 1.0f;
         },
         {" ++> Fatal Warning: Only *ONE* vessel can be type \"Semisubmersible\"."}, 0, 1},
        {"first vessel's drift model tested for creator 13", [] { TPCM.LWVCOF = 0x333; }, {kMismatch}, 1, 0},
        {"shadowing factors of the member-built vessel", [] { TPCM.BVSTYP = 3; TPCM.B_SEMI_LIKE = 1; }, {kShadow}, 1,
         0},
    };
    run_cases(thirteen, [] { two_vessel_case(13); });
}

// A member-built hull of one member, a column through the waterline.
void member_case() {
    consistent_case();
    Tpcm& t = TPCM;
    t.VESTYP = 3;
    t.LWVCOF = kAllOnes;
    t.XSHDOW = t.YSHDOW = 1.0f;
    t.NCYL = 1;
    t.RCYLB(3, 1) = 0.0f;
    t.RCYLT(3, 1) = 20.0f;
    t.DIAMS(1, 1) = t.DIAMS(2, 1) = 4.0f;
    t.DIAMS(3, 1) = 20.0f;
    t.BOTTYP(1) = END_FREE;
    t.TOPTYP(1) = END_PIERCING;
}

// Switches a load on and gives its user coefficient table a row at each of the ANGLES.
void user_table_at(Int& load_switch, Int& rows, FArray<Real, 21>& angle, std::initializer_list<Real> angles) {
    load_switch = 1;
    rows = static_cast<Int>(angles.size());
    int row = 0;
    for (const Real a : angles) angle(++row) = a;
}

void wind_table_at(std::initializer_list<Real> angles) {
    user_table_at(TPCM.LWIND, LOWCOF.NUWNPT, LOWCOF.UWNANG, angles);
}

void current_table_at(std::initializer_list<Real> angles) {
    user_table_at(TPCM.LCURNT, LOWCOF.NUCRPT, LOWCOF.UCRANG, angles);
}

// Values a run cannot compute with: each is fatal, named by its page and item; a value that is not
// a number fails the older checks as well.
TEST_F(ConsistencyWarningsTest, ValuesTheRunCannotComputeWith) {
    const Real nan = std::nanf("");
    const Real inf = std::numeric_limits<Real>::infinity();
    const char* const kWindTable = " ++> Fatal Warning: The user wind coefficient table (load-model page 6, item 5)";
    const char* const kCurrentTable =
        " ++> Fatal Warning: The user current coefficient table (load-model page 6, item 15)";
    const char* const kPeriods = " ++> Fatal Warning: Wave period array problem. Check for:";
    const std::vector<FindingCase> cases = {
        {"wind speed not a number, wind off", [=] { TPCM.WNDSPD = nan; },
         {" ++> Fatal Warning: Wind speed (page 9, item 1) is not a finite number."}, 0, 1},
        {"infinite depth", [=] { TPCM.DEPTH = inf; },
         {" ++> Fatal Warning: Water depth (page 1, item 4) is not a finite number."}, 0, 1},
        {"depth not a number", [=] { TPCM.DEPTH = nan; },
         {" ++> Fatal Warning: The water depth is nonpositive.", kDraft,
          " ++> Fatal Warning: Water depth (page 1, item 4) is not a finite number."}, 0, 3},
        {"a period not a number", [=] { TPCM.T(3) = nan; },
         {kPeriods, " ++> Fatal Warning: Table of wave periods (page 11, item 2) is not a finite number."}, 0, 2},
        {"a slot beyond the period count is not read", [=] { TPCM.T(5) = nan; }, {}, 0, 0},
        {"an angle of the angle array", [=] { TPCM.LANGARR = 1; TPCM.NUMBRV = 3; TPCM.BRVHDG(3) = inf; },
         {" ++> Fatal Warning: Angular array (page 15, item 19) is not a finite number."}, 0, 1},
        {"the angle array unused is part of the case", [=] { TPCM.LANGARR = 0; TPCM.NUMBRV = 3; TPCM.BRVHDG(3) = inf; },
         {" ++> Fatal Warning: Angular array (page 15, item 19) is not a finite number."}, 0, 1},
        {"a slot beyond the count of angles is not read", [=] { TPCM.NUMBRV = 3; TPCM.BRVHDG(4) = inf; }, {}, 0, 0},
        {"wind at the speed of sound", [] { TPCM.WNDSPD = 661.5f; },
         {" ++> Fatal Warning: Wind speed (page 9, item 1) reaches the speed of sound"}, 0, 1},
        {"wind just below it", [] { TPCM.LWIND = 1; TPCM.WNDSPD = 661.0f; }, {}, 0, 0},
        {"current at the speed of sound in water", [] { TPCM.CURSPD = -2916.0f; },
         {" ++> Fatal Warning: Current speed (page 10, item 1) reaches the speed of sound"}, 0, 1},
        {"forward speed at the speed of sound, m/s", [] { TPCM.VFWD = 1500.0f; },
         {" ++> Fatal Warning: Forward speed (page 3, item 9) reaches the speed of sound"}, 0, 1},
        {"forward speed just below it", [] { TPCM.VFWD = 1499.0f; }, {}, 0, 0},
        {"forward speed of ft/s in English units", [] { TPCM.NUNTS = 0; TPCM.VFWD = 4000.0f; }, {}, 0, 0},
        {"wind area whose load squared overflows", [] { TPCM.LWIND = 1; TPCM.WNDSPD = 30.0f; TPCM.XWNDAR = 1e30f; },
         {" ++> Fatal Warning: Wind drag areas (page 8, items 2 and 5) give loads"}, 0, 1},
        {"the same area without wind", [] { TPCM.WNDSPD = 30.0f; TPCM.XWNDAR = 1e30f; }, {}, 0, 0},
        {"current area whose moment squared overflows", [] { testing::current_on_beam_area(1e20f); },
         {" ++> Fatal Warning: Current drag areas (page 8, items 12 and 15) give loads"}, 0, 1},
        {"a large current area that fits", [] { testing::current_on_beam_area(1e15f); }, {}, 0, 0},
        {"unit flag of no unit system", [] { TPCM.NUNTS = 2; },
         {" ++> Fatal Warning: Unit system flag 2 (page 1) is"}, 0, 1},
        {"a new case's wind table: both rows at 0", [] { TPCM.LWIND = 1; LOWCOF.UWNANG(2) = 0.0f; }, {kWindTable}, 0, 1},
        {"a wind table of one row", [] { TPCM.LWIND = 1; LOWCOF.NUWNPT = 1; }, {kWindTable}, 0, 1},
        {"a wind table of more rows than slots", [] { TPCM.LWIND = 1; LOWCOF.NUWNPT = 22; }, {kWindTable}, 0, 1},
        {"angles falling from 180 to 0 run", [] { wind_table_at({180.0f, 90.0f, 0.0f}); }, {}, 0, 0},
        {"angles that turn", [] { wind_table_at({0.0f, 180.0f, 90.0f}); }, {kWindTable}, 0, 1},
        {"falling angles that turn at the last row", [] { current_table_at({180.0f, 90.0f, 120.0f}); },
         {kCurrentTable}, 0, 1},
        {"falling angles with a repeated angle", [] { current_table_at({180.0f, 90.0f, 90.0f}); },
         {kCurrentTable}, 0, 1},
        {"a current coefficient not a number", [=] { TPCM.LCURNT = 1; LOWCOF.UCRCFS(2, 3) = nan; },
         {kCurrentTable}, 0, 1},
        {"a current angle not a number", [=] { TPCM.LCURNT = 1; LOWCOF.UCRANG(1) = nan; }, {kCurrentTable}, 0, 1},
        {"wind off, its coefficient table in the report", [] { TPCM.BRVFLG = 1 << 16; LOWCOF.UWNANG(2) = 0.0f; },
         {kWindTable}, 0, 1},
        {"wind off, table unused", [] { LOWCOF.UWNANG(2) = 0.0f; }, {}, 0, 0},
        {"wind on another model", [] { TPCM.LWIND = 1; TPCM.LWBARG = 0x555; LOWCOF.UWNANG(2) = 0.0f; }, {}, 0, 0},
    };
    run_cases(cases, consistent_case);
}

TEST_F(ConsistencyWarningsTest, PeriodCountBeyondTheTableIsGivenWithTheCount) {
    for (const Int count : {101, 2147483647}) {
        consistent_case();
        clear_captured(SCREEN_UNIT);
        TPCM.NWP = count;
        WARNEM = FWARN = 0;
        VESWRN(WARNEM, FWARN);
        const std::string expected = "\n"
                                     " ++> Fatal Warning: Wave period array problem. Check for:\n"
                                     "                  - A count of" +
                                     std::string(11 - std::to_string(count).size(), ' ') + std::to_string(count) +
                                     " periods; at most 100.\n"
                                     "\n"
                                     "     Go back to the RAO period table and correct the number of periods.\n";
        EXPECT_EQ(screen(), expected) << count;
        EXPECT_EQ(FWARN, 1);
    }
}

TEST_F(ConsistencyWarningsTest, MemberBuiltHull) {
    const std::vector<FindingCase> cases = {
        {"a column through the waterline", [] {}, {}, 0, 0},
        {"no member through the waterline", [] { TPCM.RCYLT(3, 1) = 8.0f; TPCM.DIAMS(3, 1) = 8.0f; },
         {kNoCrossing}, 1, 0},
        {"no member and no waterplane", [] { TPCM.NCYL = 0; TPCM.AWP = 0.0f; }, {}, 0, 0},
        {"a dry member",
         [] {
             TPCM.RCYLB(3, 1) = 12.0f;
             TPCM.DIAMS(3, 1) = 8.0f;
         },
         {" ++> Warning: Member number  1 is completely dry!", kNoCrossing}, 2, 0},
        {"a fatal member finding counts in both",
         [] {
             TPCM.RCYLB(3, 1) = 20.0f;
             TPCM.RCYLT(3, 1) = 0.0f;
         },
         {" ++> Fatal Warning: Top of member  1 is below the base!"}, 1, 1},
        {"50 members, only the last with its top below its base",
         [] {
             // Members 2..50 copies of the column through the waterline, then the last reversed.
             TPCM.NCYL = kMemberCapacity;
             for (Int m = 2; m <= kMemberCapacity; ++m) {
                 for (int j = 1; j <= 3; ++j) {
                     TPCM.RCYLB(j, m) = TPCM.RCYLB(j, 1);
                     TPCM.RCYLT(j, m) = TPCM.RCYLT(j, 1);
                     TPCM.DIAMS(j, m) = TPCM.DIAMS(j, 1);
                 }
                 TPCM.BOTTYP(m) = TPCM.BOTTYP(1);
                 TPCM.TOPTYP(m) = TPCM.TOPTYP(1);
             }
             TPCM.RCYLB(3, kMemberCapacity) = 20.0f;
             TPCM.RCYLT(3, kMemberCapacity) = 0.0f;
         },
         {" ++> Fatal Warning: Top of member 50 is below the base!"}, 1, 1},
        {"shadowing factors", [] { TPCM.YSHDOW = 0.0f; }, {kShadow}, 1, 0},
        {"shadowing factors are not checked for vessel-only types", [] { TPCM.SIMTYP = 3; TPCM.YSHDOW = 0.0f; }, {},
         0, 0},
    };
    run_cases(cases, member_case);
}

TEST_F(ConsistencyWarningsTest, RegularWaveGivenBySlope) {
    Real slope = 0.707f * 4.0f;
    CNHTSP(slope, 10.0f, 100.0f, 9.8f, SCREEN_UNIT);
    TPCM.LSLPHT = 1;
    TPCM.SLPHT = slope;
    VESWRN(WARNEM, FWARN);
    EXPECT_EQ(screen(), "");
    EXPECT_EQ(WARNEM, 0);

    TPCM.SLPHT = 2.0f * slope;
    VESWRN(WARNEM, FWARN);
    EXPECT_EQ(headlines(screen()), std::vector<std::string>{kHeights});
    EXPECT_EQ(WARNEM, 1);

    // English units take the other gravity: the metric slope no longer matches.
    clear_captured(SCREEN_UNIT);
    TPCM.SLPHT = slope;
    TPCM.NUNTS = 0;
    VESWRN(WARNEM, FWARN);
    EXPECT_EQ(headlines(screen()), std::vector<std::string>{kHeights});

    // A sea without a period has no slope; the program goes on.
    clear_captured(SCREEN_UNIT);
    TPCM.NUNTS = 1;
    TPCM.SIGPD(1) = 0.0f;
    EXPECT_NO_THROW(VESWRN(WARNEM, FWARN));
    EXPECT_EQ(headlines(screen()), (std::vector<std::string>{kIrregular, kHeights}));

    // Only the square of the frequency enters the slope: a negative period is reported as such,
    // yet its slope is that of its magnitude and matches.
    clear_captured(SCREEN_UNIT);
    TPCM.SIGPD(1) = -10.0f;
    VESWRN(WARNEM, FWARN);
    EXPECT_EQ(headlines(screen()), std::vector<std::string>{kIrregular});

    // A period so short that the frequency overflows has no slope either; it is too short to
    // compute with.
    clear_captured(SCREEN_UNIT);
    TPCM.SIGPD(1) = 1.0e-30f;
    EXPECT_NO_THROW(VESWRN(WARNEM, FWARN));
    EXPECT_EQ(headlines(screen()),
              (std::vector<std::string>{kHeights, " ++> Fatal Warning: Peak period (page 12, item 7) is too short to compute"}));
}

}  // namespace
}  // namespace brevant

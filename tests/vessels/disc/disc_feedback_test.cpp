// DSKCHR with mooring feedback, on a double of the line springs: the block exchange around the line
// statics, settling of zero dampings, relaxation from pass 21 of an attempt, the failure report and
// its question after three spent attempts, and the mooring energy table.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "disc_fixture.h"
#include "sysutl/program_end.h"
#include "vessels/disc/disc_characteristics.h"

namespace brevant::testing {
namespace {

// Calls of one pass: heave, pitch, roll, surge and sway twice, yaw once.
constexpr int kCallsPerPass = 11;

class DiscFeedback : public DiscTest {
protected:
    int calls = 0;
    int lindrv_calls = 0;
    Int vessel_word_in_statics = 0;
    std::vector<Real> heave_damping_at_pass_start;  // entry p-1: the word at the start of pass p
    std::function<Real(int pass)> heave_damping = [](int) { return 0.0f; };

    void SetUp() override {
        DiscTest::SetUp();
        TPCM.MORFBK = 1;
        // Specified heave, pitch and roll periods: with zero line springs only the dampings move.
        TPCM.LHVPRD = TPCM.LPTPRD = TPCM.LRLPRD = 1;
        TPCM.HEVPRD = 5.0f;
        TPCM.PITPRD = 8.0f;
        TPCM.ROLPRD = 8.0f;
        DiscLineCalls& c = disc_line_calls();
        c.lindrv = [this](const FArray<Real, 150>&, const FArray<Real, 150>&) {
            ++lindrv_calls;
            vessel_word_in_statics = TPCM.IVESL;
        };
        c.dynspr = [this](Real XOFF, Real, Real, Real, Real, Real, Real, const FArray<Real, 150>&, Real& XSPR,
                          Real& YSPR, Real& ZSPR, Real& XTSPR, Real& YTSPR, Real& ZTSPR, Real& XDMP, Real& YDMP,
                          Real& ZDMP, Real& XTDMP, Real& YTDMP, Real& ZTDMP, Complex& CFNETX, Complex& CFNETY,
                          Complex& CFNETZ, Complex& CTNETX, Complex& CTNETY, Complex& CTNETZ) {
            const int pass = calls / kCallsPerPass + 1;
            const int slot = calls % kCallsPerPass;
            ++calls;
            XSPR = YSPR = ZSPR = XTSPR = YTSPR = ZTSPR = 0.0f;
            XDMP = YDMP = ZDMP = XTDMP = YTDMP = ZTDMP = 0.0f;
            if (slot == 0) heave_damping_at_pass_start.push_back(TPCM.HVMDMP);
            if (slot < 2) ZDMP = heave_damping(pass);
            CFNETX = Complex(2.0f * XOFF, 0.0f);
            CFNETY = CFNETZ = CTNETX = CTNETY = CTNETZ = Complex(0.0f, 0.0f);
        };
    }
    // Passes of the loop: the calls before the 89 of the energy table, when the run built one.
    std::size_t passes(bool table = true) const {
        return static_cast<std::size_t>((calls - (table ? 89 : 0)) / kCallsPerPass);
    }
    // Runs DSKCHR, which may end the program: the exit status, or -1 for a normal return.
    static int run() {
        try {
            DSKCHR();
        } catch (const ProgramEnd& e) {
            return e.status;
        }
        return -1;
    }
};

const char* const kReport3 =
    "\n"
    " ++> Possible iteration failure in DSKCHR period/damping loop.\n"
    "\n"
    "     Completing attempt #  3\n"
    "     Enter 99 to continue with current best estimate OR...\n";

TEST_F(DiscFeedback, ZeroDampingIsSettledAndAFallToZeroIsNot) {
    EXPECT_EQ(run(), -1);
    EXPECT_EQ(passes(), 2u);  // the first pass never settles
    EXPECT_EQ(lindrv_calls, 1);

    calls = 0;
    heave_damping_at_pass_start.clear();
    heave_damping = [](int pass) { return pass == 1 ? 5.0f : 0.0f; };
    EXPECT_EQ(run(), -1);
    EXPECT_EQ(passes(), 3u);
    EXPECT_EQ(TPCM.HVMDMP, 0.0f);
}

TEST_F(DiscFeedback, OtherFeedbackValuesMeanNoFeedback) {
    TPCM.MORFBK = 2;
    LINCOM.WVOFST(1) = 7.0f;
    EXPECT_EQ(run(), -1);
    EXPECT_EQ(lindrv_calls, 0);
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(LINCOM.WVOFST(1), 7.0f);
}

TEST_F(DiscFeedback, DiagnosticLevelTwoChangesNothing) {
    TPCM.NBUG0 = 2;
    EXPECT_EQ(run(), -1);
    EXPECT_EQ(passes(), 2u);
}

TEST_F(DiscFeedback, BuoyCaseSolvesTheLinesWithTheSecondVesselBlock) {
    TPCM.SIMTYP = 13;
    TPCM.IVESL = 111;
    TPCM.BNACC = 222;
    EXPECT_EQ(run(), -1);
    EXPECT_EQ(vessel_word_in_statics, 222);
    EXPECT_EQ(TPCM.IVESL, 111);
    EXPECT_EQ(TPCM.BNACC, 222);
}

TEST_F(DiscFeedback, UnsettledLoopAveragesFromPass21AndAsksAfterThreeAttempts) {
    heave_damping = [](int pass) { return pass % 2 == 1 ? 1.0f : 3.0f; };
    answers("99\n");
    EXPECT_EQ(run(), -1);
    const auto& r = heave_damping_at_pass_start;
    ASSERT_EQ(passes(), 603u);  // three attempts of 201 passes
    EXPECT_EQ(r[20], 3.0f);     // after pass 20: its own value
    EXPECT_EQ(r[21], 2.0f);     // after pass 21: the mean of 1 and 3
    // The second attempt starts at pass 202: its pass 20 (221) again keeps its value, its pass 21 is averaged.
    EXPECT_EQ(r[221], 1.0f);
    EXPECT_EQ(r[222], 2.0f);
    EXPECT_NE(screen().find(kReport3), std::string::npos) << screen().substr(0, 2000);
    EXPECT_EQ(screen().find("attempt #  4"), std::string::npos);

    // "99" goes on to the energy table: 89 steps of the surge offset, the work of the net line force.
    const float step = LINCOM.WVOFST(1);
    EXPECT_GT(step, 0.0f);
    EXPECT_EQ(LINCOM.WFERGF(1), 0.0f);
    for (int i = 2; i <= 90; ++i) {
        const float offset = static_cast<float>(i - 1) * step;
        EXPECT_NEAR(LINCOM.WFERGF(i) - LINCOM.WFERGF(i - 1), 2.0f * offset * step, 1e-4f * 2.0f * offset * step) << i;
    }
    EXPECT_EQ(calls, 603 * kCallsPerPass + 89);
}

TEST_F(DiscFeedback, ReturnRunsAnotherAttempt) {
    heave_damping = [](int pass) { return pass % 2 == 1 ? 1.0f : 3.0f; };
    answers("\n99\n");
    EXPECT_EQ(run(), -1);
    EXPECT_EQ(passes(), 804u);
    const std::size_t third = screen().find(kReport3);
    ASSERT_NE(third, std::string::npos);
    EXPECT_NE(screen().find("     Completing attempt #  4\n", third), std::string::npos);
}

TEST_F(DiscFeedback, AbortAnswerEndsTheRun) {
    heave_damping = [](int pass) { return pass % 2 == 1 ? 1.0f : 3.0f; };
    answers("A\n");
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(passes(false), 603u);
}

TEST_F(DiscFeedback, SilentRunEndsAfterTheReport) {
    heave_damping = [](int pass) { return pass % 2 == 1 ? 1.0f : 3.0f; };
    TPCM.EDUNIT = SILENT_UNIT;
    EXPECT_EQ(run(), 1);
    EXPECT_NE(silent().find(kReport3), std::string::npos) << silent().substr(0, 500);
    EXPECT_EQ(passes(false), 603u);
}

}  // namespace
}  // namespace brevant::testing

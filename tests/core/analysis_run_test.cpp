// The whole set-up and run in the process, on a new case made an exact box ship: the moment arm and
// water density scale after the set-up, the current profile given the vessel's draft, the words the
// run changes only for its own duration, and the report closed at the end.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "core/analysis_core.h"
#include "core/run_setup.h"
#include "core/run_values.h"
#include "deep_box_case.h"
#include "semi_ring_case.h"
#include "edlib/new_case.h"
#include "lowlib/current_profile.h"
#include "lowlib/drift_preparation.h"
#include "records/coefficient_image.h"
#include "records/data_image.h"
#include "records/equilibrium_record.h"
#include "records/motion_record.h"
#include "records/response_record.h"
#include "records/sines_record.h"
#include "records/wave_record.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"
#include "test_support.h"
#include "vessels/ship/ship_characteristics.h"
#include "veslib/hull_dispatch.h"
#include "veslib/motion_phase1.h"
#include "veslib/rao_refresh.h"

namespace brevant {
namespace {

using testing::non_finite_words;
using testing::reset_run_state;

// A new case of this program made an exact box 100 x 20 x 10 ft in 100 ft of water, periods 2 to
// 31 s (its natural periods among them), current 1 knot, the report to "BREVOUT.stxt", console on
// the silent unit.
class AnalysisRunInProcess : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_run_state();
        store_new_case_defaults(16);
        Tpcm& P = TPCM;
        P.EDUNIT = SILENT_UNIT;
        P.IUNIT = DISK_UNIT;
        P.NEGSUM = 1;
        P.DEPTH = 100.0f;
        P.DISPL = 1280.0f;
        P.VKB = 5.0f;
        P.VKG = 5.0f;
        P.DRAFT = 10.0f;
        P.AWP = 2000.0f;
        P.PGYR = 20.0f;
        P.RGYR = 10.0f;
        P.YGYR = 20.0f;
        P.VKMT = 25.0f / 3.0f;
        P.VKML = 265.0f / 3.0f;
        P.LWL = 100.0f;
        P.BWL = 20.0f;
        P.NWP = 30;
        for (int i = 1; i <= 30; ++i) P.T(i) = static_cast<float>(i + 1);
        P.LCURNT = 1;
        P.CURSPD = 1.0f;
        P.CURHDG = 180.0f;
        P.XSALM = 3.0f;
        P.BRVARM = 12.5f;
    }
    void TearDown() override {
        reset_run_state();
        ConsoleTest::TearDown();
    }
    testing::ScratchDir dir_;
};

TEST_F(AnalysisRunInProcess, SetUpLeavesTheArmAndTheWaterDensityScale) {
    TPCM.DWATR = 64.0f;
    RunValues R;
    run_setup(R);
    ASSERT_TRUE(close_unit(DISK_UNIT));
    EXPECT_EQ(EQUILB.YAWARM, 12.5f);  // not the arm of the load preparation
    EXPECT_EQ(WAVCOM.DWATRP(), 0.064f);
    EXPECT_EQ(WAVCOM.BOWCF, 0.064f * 20.0f);
    EXPECT_EQ(TPCM.LBACK, 0);
    EXPECT_NE(silent().find("\n >>> Brevant Version: "), std::string::npos) << silent();
    EXPECT_EQ(testing::file_bytes(kReportFile).substr(0, 2), "\f\n");
}

TEST_F(AnalysisRunInProcess, CurrentProfileIsCheckedAgainstTheVesselDraft) {
    // The file's current turns at 6 ft: above the 10 ft draft the note is written, below a 5 ft
    // draft it is not.
    TPCM.LCSTCR = 3;
    testing::put_file("CRNTPROF.txt", "3\n0 1 180\n6 1 90\n100 0 90\n");
    for (auto [draft, note] : {std::pair{10.0f, true}, {5.0f, false}}) {
        reset_curprof();
        clear_captured(SILENT_UNIT);
        TPCM.DRAFT = draft;
        RunValues R;
        run_setup(R);
        ASSERT_TRUE(close_unit(DISK_UNIT));
        EXPECT_EQ(silent().find("changes at a depth") != std::string::npos, note) << draft;
    }
}

// The profile file read again by the run (it may have changed since the checks before the run): a
// depth given twice is refused by the run itself where its members' drag looks the profile up between
// the two or at equal first depths, through the file error report, and read as written elsewhere.
// The hull is a member-built one of 20 m draft whose columns pierce the surface with drag, the regular
// waves' absorption table asked for: its drag looks the profile up at 0, 2, ..., 20 m.
TEST_F(AnalysisRunInProcess, TheRunRefusesAProfileFileDepthGivenTwiceWhereItsDragLooksBetween) {
    struct Row {
        const char* file;
        bool semi;
        bool refused;
    };
    const Row rows[] = {
        {"3\n10 1 0\n10 1 0\n20 1 0\n", false, false},      // a ship never looks it up
        {"3\n10 1 0\n10 1 0\n20 1 0\n", true, true},        // the level at 10 m, at the equal first depths
        {"3\n10 1 0\n20 1 0\n20 0.5 0\n", true, false},     // the deepest level on the last point, not below
    };
    TPCM.LCSTCR = 3;
    TPCM.SLPHT = 3.0f;
    TPCM.NUMBRV = 1;
    TPCM.BRVFLG = testing::bits({11});
    for (const Row& r : rows) {
        const std::string what = std::string(r.file) + (r.semi ? ", the semi-submersible" : ", the box ship");
        reset_curprof();
        clear_captured(SILENT_UNIT);
        if (r.semi) testing::shape_semi(TPCM, 4);
        testing::put_file("CRNTPROF.txt", r.file);
        RunValues R;
        int status = -1;
        try {
            run_setup(R);
        } catch (const ProgramEnd& end) {
            status = end.status;
        }
        close_unit(DISK_UNIT);
        EXPECT_EQ(status, r.refused ? 1 : -1) << what << "\n" << silent();
        EXPECT_EQ(silent().find("\n ++> End of file or related file error in routine CURPROF_INIT\n"
                                "     file name CRNTPROF.txt\n") != std::string::npos,
                  r.refused)
            << what << "\n" << silent();
        if (!r.refused) {
            EXPECT_EQ(CURPROF.NCURNTPF, 3) << what;
        }
    }
}

TEST_F(AnalysisRunInProcess, RunPutsBackTheWordsItChangesForItsOwnDuration) {
    TPCM.NUMBRV = 400;
    TPCM.LSWEL2 = 1;
    TPCM.BRVFLG = static_cast<Int>(1u << 22);
    BRVCOR();
    EXPECT_FALSE(unit_is_open(DISK_UNIT));  // the report is closed
    EXPECT_EQ(TPCM.NUMBRV, 400);
    EXPECT_EQ(TPCM.LSWEL2, 1);
    EXPECT_NE(silent().find("\n ++> Note: number of attack angles reduced to 361\n\n"), std::string::npos);
    const std::string report = testing::file_bytes(kReportFile);
    EXPECT_NE(report.find("Vessel-Based Z Moments"), std::string::npos);
}

// NaN and Infinity fields of a report that no pre-run check foresaw: here a user current table whose
// two rows stand at the same angle (as a new case's did), which the run is given without the
// editor's checks. The report counts them independently: every "NaN" or "Infinity" word outside the
// zero-frequency rows (whose period and spacings are written as the text "Infinity") and the
// program's messages.

class NaNReport : public AnalysisRunInProcess {
protected:
    void SetUp() override {
        AnalysisRunInProcess::SetUp();
        reset_lowcof();
        TPCM.LCBARG = 0x111;
        LOWCOF.NUCRPT = 2;
        LOWCOF.UCRANG(1) = 0.0f;
        LOWCOF.UCRANG(2) = 0.0f;
        for (int j = 1; j <= 3; ++j) LOWCOF.UCRCFS(1, j) = LOWCOF.UCRCFS(2, j) = 1.0f;
        // A sea: the ship's wave drag takes its coefficient from the current model.
        TPCM.LRANDM = 1;
        TPCM.SWHT(1) = 10.0f;
        TPCM.SIGPD(1) = 10.0f;
        TPCM.SLPHT = 10.0f / 1.4142135f;
        TPCM.LWVCOF = 0x666;  // the 2001 tanker drift model
        TPCM.BRVFLG = static_cast<Int>(1u << 22);  // the net-force pages for four attack angles
        TPCM.NUMBRV = 4;
        TPCM.BRVINC = 90.0f;
    }
    void TearDown() override {
        reset_lowcof();
        AnalysisRunInProcess::TearDown();
    }
    static int run_status() {
        try {
            BRVCOR();
        } catch (const ProgramEnd& end) {
            return end.status;
        }
        return 0;
    }
    static std::string last_line(const std::string& text) {
        std::string t = text;
        while (!t.empty() && t.back() == '\n') t.pop_back();
        return t.substr(t.rfind('\n') + 1);
    }
};

constexpr const char* kFirstInNetForces = " report fields are NaN or Infinity (the first in section IX. Net Environmental "
                                          "Forces & Moments): the case holds values the analysis cannot use.";

TEST_F(NaNReport, SilentRunEndsWithTheWarningInTheReportAndTheDiagnosticsAndStatus1) {
    EXPECT_EQ(run_status(), 1) << silent();
    EXPECT_FALSE(unit_is_open(DISK_UNIT));  // the report is closed before the end
    const std::string report = testing::file_bytes(kReportFile);
    const long long n = non_finite_words(report);
    ASSERT_GT(n, 0) << report;
    const std::string warning = " ++> Warning: " + std::to_string(n) + kFirstInNetForces;
    EXPECT_EQ(last_line(report), warning);
    EXPECT_EQ(testing::count_of(silent(), warning + "\n"), 1u) << silent();
    EXPECT_EQ(last_line(silent()), warning);
}

TEST_F(NaNReport, ReportOnTheConsoleHoldsTheWarningOnceAsItsLastLine) {
    TPCM.EDUNIT = SCREEN_UNIT;
    TPCM.IUNIT = SCREEN_UNIT;
    answers(std::string(40, '\n'));
    EXPECT_EQ(run_status(), 1) << silent();
    const long long n = non_finite_words(screen());
    ASSERT_GT(n, 0) << screen();
    const std::string warning = " ++> Warning: " + std::to_string(n) + kFirstInNetForces;
    EXPECT_EQ(testing::count_of(screen(), warning), 1u) << screen();
    // After the last pause's prompt, which an answer from a file leaves open.
    EXPECT_EQ(last_line(screen()), " Press <RETURN> to continue: " + warning);
}

TEST_F(NaNReport, TheSameCaseWithAGoodTableEndsNormally) {
    LOWCOF.UCRANG(2) = 180.0f;
    EXPECT_EQ(run_status(), 0) << silent();
    const std::string report = testing::file_bytes(kReportFile);
    EXPECT_EQ(non_finite_words(report), 0) << report;
    EXPECT_EQ(report.find("++> Warning"), std::string::npos);
    EXPECT_EQ(silent().find("NaN or Infinity"), std::string::npos);
}

}  // namespace
}  // namespace brevant

// The reuse of hull solves in the RAO refresh and of the cylinder drift coefficients in the member
// drag path changes no digit of the report: whole runs in the process with the reuse on and off
// give the same report byte for byte, and the run with the reuse solves the hull fewer times (the
// swell of the attack-angle form repeats the sea's solve) and answers cylinder drift coefficients
// from the kept ones.
#include <gtest/gtest.h>

#include <string>

#include "core/run_values.h"
#include "deep_box_case.h"
#include "lowlib/depth_current_drag.h"
#include "lowlib/row_series_reuse.h"
#include "lowlib/waves_in_current.h"
#include "sysutl/result_reuse.h"
#include "semi_ring_case.h"
#include "platform/platform.h"
#include "veslib/hull_dispatch.h"
#include "veslib/rao_refresh.h"

namespace brevant {
namespace {

class RaoReuseReport : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        platform::set_fixed_local_time({2026, 12, 10, 3, 4, 5, 6});
    }
    void TearDown() override {
        set_rao_solve_reuse(true);
        set_member_drift_reuse(true);
        set_row_series_reuse(true);
        set_result_reuse(true);
        testing::reset_run_state();
        ConsoleTest::TearDown();
    }
    struct Run {
        std::string report;
        unsigned long long hull_runs;
        unsigned long long drift_reuses;
        unsigned long long row_reuses;
    };
    // The case as SETUP leaves it, analysed with the reuse on or off.
    template <typename Setup>
    Run run(Setup setup, bool reuse) {
        testing::reset_run_state();
        testing::store_deep_box_case();
        setup();
        set_rao_solve_reuse(reuse);
        set_member_drift_reuse(reuse);
        set_row_series_reuse(reuse);
        set_result_reuse(reuse);
        const unsigned long long before = hull_run_count();
        const unsigned long long reused_before = member_drift_reuse_count();
        const unsigned long long rows_before = row_series_reuse_count();
        BRVCOR();
        return {testing::file_bytes(kReportFile), hull_run_count() - before,
                member_drift_reuse_count() - reused_before, row_series_reuse_count() - rows_before};
    }
    testing::ScratchDir dir_;
};

// The sections the sample ship case asks for, with the sample's 36 rows of low frequencies (the
// spectra pages by attack angle and the IX spectra have rows only with a grid).
Int every_section() {
    TPCM.BRVFRQ_DELTA = 0.005f;
    TPCM.BRV_PD_MIN() = 34.9f;
    return testing::bits({1, 2, 3, 4, 5, 7, 9, 10, 11, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 27});
}

void sea_and_swell(Real swell_heading) {
    Tpcm& P = TPCM;
    testing::add_sea();
    P.LSWELL = 1;
    P.SWLTYP = 0;
    P.SWELHT = 2.0f;
    P.SWELPD = 12.0f;
    P.SWLWID = 0.1f;
    P.SWLHDG = swell_heading;
    P.BRVFLG = every_section();
    P.NUMBRV = 13;
    P.VESAN0 = 0.0f;
    P.BRVINC = 15.0f;
}

TEST_F(RaoReuseReport, ReportsWithAndWithoutReuseAreIdentical) {
    struct Case {
        const char* name;
        void (*setup)();
    };
    const Case cases[] = {
        {"sea and swell from ahead, wind and current",
         [] {
             sea_and_swell(180.0f);
             Tpcm& P = TPCM;
             P.LWIND = 1;
             P.WNDHDG = 180.0f;
             P.WNDSPD = 30.0f;
             P.LCURNT = 1;
             P.CURHDG = 180.0f;
             P.CURSPD = 1.0f;
         }},
        {"swell on the beam", [] { sea_and_swell(90.0f); }},
        // The 2001 tanker's drift in a current on the quarter: the flux direction behind the hull
        // is solved for every frequency (the transverse wave number behind the current step), and
        // the series leave their state in the records the solvers share.
        {"tanker drift in a quartering current",
         [] {
             sea_and_swell(150.0f);
             Tpcm& P = TPCM;
             P.LWVCOF = 0x666;
             P.LCURNT = 1;
             P.CURHDG = 135.0f;
             P.CURSPD = 2.0f;
         }},
        {"sea alone", [] {
             testing::add_sea();
             TPCM.BRVFLG = every_section();
             TPCM.NUMBRV = 13;
             TPCM.VESAN0 = 0.0f;
             TPCM.BRVINC = 15.0f;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Run off = run(c.setup, false);
        const Run on = run(c.setup, true);
        ASSERT_GT(off.report.size(), 10000u);
        EXPECT_TRUE(on.report == off.report);
        EXPECT_LE(on.hull_runs, off.hull_runs);
        // The drift and drag series of the spectra pages are taken again down the rows.
        EXPECT_EQ(off.row_reuses, 0u);
        EXPECT_GT(on.row_reuses, 0u);
    }
}

TEST_F(RaoReuseReport, AttackAngleFormSolvesTheHullOnceForSeaAndSwell) {
    const Run off = run([] { sea_and_swell(180.0f); }, false);
    const Run on = run([] { sea_and_swell(180.0f); }, true);
    EXPECT_TRUE(on.report == off.report);
    EXPECT_LT(on.hull_runs, off.hull_runs);
}

// The member-built semi-submersible of four columns and four pontoons, with sea and swell, wind and
// current: its drag path evaluates the cylinder drift coefficient for every member, row, component
// and attack angle, and the kept ones give the same report.
TEST_F(RaoReuseReport, SemiSubmersibleReportsWithAndWithoutReuseAreIdentical) {
    const auto setup = [] {
        sea_and_swell(150.0f);
        Tpcm& P = TPCM;
        P.DEPTH = 200.0f;
        P.LWIND = 1;
        P.WNDHDG = 180.0f;
        P.WNDSPD = 30.0f;
        P.LCURNT = 1;
        P.CURHDG = 160.0f;
        P.CURSPD = 1.0f;
        // Eight low-frequency rows, not the sample's 36: without the reuse each row prepares the
        // drag of every member again, which would make this run some thirty seconds.
        P.BRVFRQ_DELTA = 0.02f;
        P.BRV_PD_MIN() = 35.0f;
        testing::shape_semi(P, 4);
    };
    const Run off = run(setup, false);
    const Run on = run(setup, true);
    ASSERT_GT(off.report.size(), 10000u);
    EXPECT_TRUE(on.report == off.report);
    EXPECT_EQ(off.drift_reuses, 0u);
    EXPECT_GT(on.drift_reuses, 0u);
    // The member preparations and group terms kept down the rows of the spectra pages.
    EXPECT_EQ(off.row_reuses, 0u);
    EXPECT_GT(on.row_reuses, 0u);
}

}  // namespace
}  // namespace brevant

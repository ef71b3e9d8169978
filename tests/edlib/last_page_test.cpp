// The last page: tidying the output options, the checks of the low-frequency tables, the echo walk.
#include "edlib/last_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "records/coefficient_image.h"
#include "records/data_image.h"
#include "edlib/editor_driver.h"
#include "edlib/end_of_session.h"
#include "sysutl/option_words.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"
#include "sysutl/word_ops.h"
#include "test_support.h"

namespace brevant {
namespace {

using testing::count_of;

const char* const kDeltaWarning = "\n ++> Warning: Non-positive frequency interval for low-frequency spectral tables.\n";
const char* const kPeriodWarning =
    "\n ++> Warning: Non-positive minimum period (maximum frequency) for low-frquency spectral tables.\n";

class LastPageTest : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        start_state();
    }
    // The case every test starts from.
    static void start_state() {
        reset_images();
        reset_end_of_session();
        reset_last_page();
        TPCM.SIMTYP = 16;
        TPCM.CMPUTR = 5;
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.LRANDM = 1;
        TPCM.LSWELL = 1;
        TPCM.LWIND = 1;
        TPCM.LCURNT = 1;
        TPCM.BRVFRQ_DELTA = 0.01f;
        TPCM.BRV_PD_MIN() = 35.0f;
        make_runnable();
    }
    // A site, a vessel, wind and current areas and a period table that the consistency checks pass.
    static void make_runnable() {
        Tpcm& T = TPCM;
        T.DEPTH = 100.0f;
        T.DWATR = 64.0f;
        T.DISPL = 1000.0f;
        T.VKG = 5.0f;
        T.DRAFT = 10.0f;
        T.AWP = 500.0f;
        T.PGYR = 20.0f;
        T.RGYR = 10.0f;
        T.YGYR = 20.0f;
        T.TVKMT() = 8.0f;
        T.TVKML() = 100.0f;
        T.LWL = 100.0f;
        T.BWL = 20.0f;
        T.DURATN = 1.0f;
        T.XWNDAR = 100.0f;
        T.YWNDAR = 300.0f;
        T.WNDFAC = 1.0f;
        T.XCURAR = 100.0f;
        T.YCURAR = 300.0f;
        T.NWP = 30;
        for (int i = 1; i <= 30; ++i) T.T(i) = 5.0f + 0.5f * static_cast<float>(i - 1);
        // Built-in load models: cylindrical wind and current, the 2001 tanker drift with its shape
        // and enhancement factors.
        T.LWBARG = 0x555;
        T.LCBARG = 0x777;
        T.LWVCOF = 0x666;
        T.BOWFAC = 1.0f;
        T.VWDFAC = 1.0f;
        T.STRNFC = 1.25f;
        T.WVFCX = T.WVFCY = T.WVFCM = 1.0f;
        T.WNDTYP = 1;
        T.VESTYP = 1;
        T.IUNIT = 1;
        // No irregular waves or swell: their heights and periods are not checked.
        T.LRANDM = 0;
        T.LSWELL = 0;
    }
    void TearDown() override {
        reset_images();
        reset_end_of_session();
        reset_last_page();
        ConsoleTest::TearDown();
    }
    static Int bits(std::initializer_list<Int> list) {
        Int w = 0;
        for (Int b : list) BITSET(w, b, 1, SCREEN_UNIT);
        return w;
    }
};

TEST_F(LastPageTest, OptionsTheCaseCannotProduceAreCleared) {
    struct Case {
        Int lrandm, lswell, lwind, lcurnt;
        Int cleared;
    };
    const Int all = bits({1, 2, 3, 4, 5, 6, 7, 8, 12, 15, 16, 18, 19, 20, 21, 22});
    const Case cases[] = {
        {1, 1, 1, 1, bits({12})},
        {1, 1, 0, 1, bits({12, 16, 18, 19})},
        {1, 1, 1, 0, bits({12, 15, 21, 22})},
        {0, 0, 1, 1, bits({2, 3, 4, 5, 6, 7, 8, 12})},
        {0, 1, 1, 1, bits({5, 7, 12})},
        {1, 0, 1, 1, bits({6, 8, 12})},
    };
    for (const Case& c : cases) {
        TPCM.LRANDM = c.lrandm;
        TPCM.LSWELL = c.lswell;
        TPCM.LWIND = c.lwind;
        TPCM.LCURNT = c.lcurnt;
        TPCM.BRVFLG = all;
        answers("2\n");
        BRVFIN("17");
        EXPECT_EQ(TPCM.BRVFLG, all & ~c.cleared) << c.lrandm << c.lswell << c.lwind << c.lcurnt;
        EXPECT_EQ(TPCM.LBACK, 101);
        EXPECT_EQ(TPCM.LCOPY, 0);
    }
}

TEST_F(LastPageTest, TidiesHeadingsAndSpectrumDensities) {
    TPCM.SEAHDG(1) = 30.0f;
    TPCM.WAVHDG(1) = 5.0f;
    TPCM.DPAFLG = 1;
    TPCM.DPRFLG = 1;
    TPCM.WNDTYP = 3;
    TPCM.WNDDEN = 2.0f;
    TPCM.CURTYP = 0;
    TPCM.CURDEN = 3.0f;
    answers("2\n");
    BRVFIN("17");
    EXPECT_EQ(TPCM.WAVHDG(1), 30.0f);
    EXPECT_EQ(TPCM.DPAFLG, 0);
    EXPECT_EQ(TPCM.DPRFLG, 0);
    EXPECT_EQ(TPCM.WNDDEN, 0.0f);
    EXPECT_EQ(TPCM.CURDEN, 0.0f);
}

TEST_F(LastPageTest, LowFrequencyTableWarningsThenExecuteAgainStartsTheEcho) {
    testing::ScratchDir dir;
    capture_unit(SCREEN_UNIT);
    TPCM.BRVFLG = bits({9});
    TPCM.BRVFRQ_DELTA = 0.0f;
    TPCM.BRV_PD_MIN() = 0.0f;
    // Execute, the pause after the two warnings, execute again past the non-fatal warnings.
    answers("3\n\n3\n");
    BRVFIN("17");
    EXPECT_NE(screen().find(std::string(kDeltaWarning) + kPeriodWarning), std::string::npos) << screen();
    EXPECT_EQ(count_of(screen(), "End of Session"), 2u);
    EXPECT_EQ(count_of(screen(), "Press <RETURN> to continue: "), 1u);
    EXPECT_EQ(TPCM.LCOPY, 1);
    EXPECT_EQ(TPCM.LBACK, -1980);
    EXPECT_EQ(TPCM.EDUNIT, DISK_UNIT);
    EXPECT_EQ(UNTSAV, SCREEN_UNIT);
    EXPECT_EQ(HCDONE, 1);
    // The echo waits under its own name until the case is saved.
    EXPECT_TRUE(std::filesystem::exists(kPendingEchoFile));
    EXPECT_FALSE(std::filesystem::exists("BREVIN.stxt"));
}

TEST_F(LastPageTest, NoWarningWithoutLowFrequencyTables) {
    testing::ScratchDir dir;
    capture_unit(SCREEN_UNIT);
    TPCM.BRVFLG = bits({1, 2, 3, 4, 5, 6, 11, 12, 13, 14, 17, 18});
    TPCM.BRVFRQ_DELTA = -1.0f;
    TPCM.BRV_PD_MIN() = 0.0f;
    answers("3\n");
    BRVFIN("17");
    EXPECT_EQ(screen().find("Warning"), std::string::npos);
    EXPECT_EQ(TPCM.LCOPY, 1);  // straight on to the echo walk
}

TEST_F(LastPageTest, SilentRunWithWarningsGoesOnWithoutAPause) {
    testing::ScratchDir dir;
    capture_unit(SCREEN_UNIT);
    capture_unit(SILENT_UNIT);
    TPCM.BRVFLG = bits({16});
    TPCM.BRVFRQ_DELTA = 0.0f;
    TPCM.NBUG = 3;
    TPCM.NBUG0 = 2;
    TPCM.IUNIT = 6;
    answers("4\n");  // nothing more may be read
    BRVFIN("17");
    EXPECT_NE(silent().find(kDeltaWarning), std::string::npos);
    EXPECT_EQ(TPCM.NBUG, 0);
    EXPECT_EQ(TPCM.NBUG0, 0);
    EXPECT_EQ(TPCM.IUNIT, 1);
    EXPECT_EQ(TPCM.LCOPY, 1);
    EXPECT_EQ(UNTSAV, SILENT_UNIT);
    EXPECT_EQ(TPCM.EDUNIT, DISK_UNIT);
}

// The two items that size the low-frequency tables: beyond 100000 rows of the speed or group
// spectra, a fatal finding of the pre-run checks (the silent run stops on it); beyond 1000 rows the
// force spectra by attack angle, printed or not, come without rows, of which a warning tells. The
// speed and group spectra of 1001 to 100000 rows are written whole and warned of by nothing.
TEST_F(LastPageTest, LowFrequencyRowCountsWarnOfTheTablesTheyKeepFromTheReport) {
    const std::string refused =
        "\n ++> Fatal Warning: Frequency interval and minimum period (page 15, items 22\n"
        "     and 23) give the speed and group spectra more than 100000 rows to write.\n";
    const std::string skip =
        "\n ++> Warning: Frequency interval and minimum period give more than 1000 rows: the run skips the rows"
        " of the force spectra by attack angle (VIIq, VIIr, VIIs).\n";
    enum Warned { none, refuses, skips };
    struct Case {
        const char* what;
        Int BRVFLG;
        Real PDMIN, DELTA;
        Int NUMBRV;
        bool sources;  // wind and current on (the sea and the swell are off)
        Warned warned;
    };
    const Case cases[] = {
        {"1005 rows of the wind speed spectrum", bits({16}), 25.0f, 0.00025f, 1, true, none},
        {"1256 rows of the wind and current speed spectra", bits({15, 16}), 5.0f, 0.001f, 1, true, none},
        {"100000 rows of the wind speed spectrum", bits({16}), 30.0f, 2.09439509e-06f, 1, true, none},
        {"100001 rows of the wind speed spectrum", bits({16}), 30.0f, 2.09437417e-06f, 1, true, refuses},
        {"a tiny minimum period for the current speed spectrum and the series", bits({15, 24, 27}), 1e-30f, 0.01f,
         1, true, refuses},
        {"1005 rows of the wind pages of the series", bits({24, 27}), 25.0f, 0.00025f, 1, true, skips},
        {"1001 rows of the series", bits({25, 27}), 6.2831855f, 0.000999000971f, 1, true, skips},
        {"1000 rows of the series", bits({25, 27}), 6.28f, 0.001f, 1, true, none},
        {"100001 rows of the series alone", bits({24, 25, 27}), 30.0f, 2.09437417e-06f, 1, true, skips},
        {"a denormal interval for the series", bits({24, 27}), 35.0f, 1e-40f, 1, true, skips},
        {"the series computed unprinted (bit 27 alone)", bits({27}), 25.0f, 0.00025f, 1, true, skips},
        {"bit 27 alone with every source off", bits({27}), 25.0f, 0.00025f, 1, false, none},
        {"a summed page with every source off", bits({24, 27}), 25.0f, 0.00025f, 1, false, skips},
        {"the series without an attack angle", bits({24, 27}), 25.0f, 0.00025f, 0, true, none},
        {"the wind pages without bit 27", bits({24}), 25.0f, 0.00025f, 1, true, none},
        {"no low-frequency table asked for", bits({17}), 25.0f, 0.00025f, 1, true, none},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // Each case from a fresh console: the silent run of the one before closes its units.
        ConsoleTest::TearDown();
        ConsoleTest::SetUp();
        testing::ScratchDir dir;
        start_state();
        capture_unit(SILENT_UNIT);
        clear_captured(SILENT_UNIT);
        if (!c.sources) TPCM.LWIND = TPCM.LCURNT = 0;
        TPCM.BRVFLG = c.BRVFLG;
        TPCM.NUMBRV = c.NUMBRV;
        TPCM.BRV_PD_MIN() = c.PDMIN;
        TPCM.BRVFRQ_DELTA = c.DELTA;
        answers("4\n");  // a silent run: nothing more may be read
        bool ended = false;
        try {
            BRVFIN("17");
        } catch (const ProgramEnd&) {
            ended = true;
        }
        EXPECT_EQ(count_of(silent(), refused), c.warned == refuses ? 1u : 0u) << silent();
        EXPECT_EQ(count_of(silent(), skip), c.warned == skips ? 1u : 0u) << silent();
        if (c.warned == none) {
            EXPECT_EQ(silent().find("rows"), std::string::npos) << silent();
        }
        // A warning goes on to the echo walk; the refusal ends the silent run before it.
        EXPECT_EQ(ended, c.warned == refuses);
        EXPECT_EQ(TPCM.LCOPY, c.warned == refuses ? 0 : 1);
    }
}

TEST_F(LastPageTest, SecondExecuteDoesNotWriteTheEchoAgain) {
    testing::ScratchDir dir;
    HCDONE = 1;
    TPCM.LBACK = -1983;
    BRVFIN("17");
    EXPECT_EQ(TPCM.LBACK, -1983);
    EXPECT_EQ(TPCM.LCOPY, 0);
    EXPECT_EQ(TPCM.EDUNIT, SCREEN_UNIT);
    EXPECT_FALSE(std::filesystem::exists("BREVIN.stxt"));
}

TEST_F(LastPageTest, NonFatalWarningsPauseOnceBeforeThePageReturns) {
    // Two warnings: the caller's pause only; the counter pauses only when fatal ones are counted too.
    TPCM.BRVFLG = bits({10});
    TPCM.BRVFRQ_DELTA = 0.0f;
    TPCM.BRV_PD_MIN() = -1.0f;
    answers("3\n\n2\n");
    BRVFIN("17");
    EXPECT_EQ(count_of(screen(), "Press <RETURN> to continue: "), 1u);
    EXPECT_EQ(TPCM.LBACK, 101);
}

TEST_F(LastPageTest, PausesFollowTheCountOfFindings) {
    // The warning counter pauses with the eighth finding of a pass when both counts are positive;
    // the last page pauses after the checks, so that the last finding is always paused over, also
    // when the total is a multiple of 7 (the counter's pause never comes right after the last one).
    struct Case {
        const char* what;
        bool fatal_gyradii;
        bool fatal_duration;
        bool two_more;
        bool period_warning;
        Int findings, fatal, pauses;
    };
    const Case cases[] = {
        {"seven findings, one fatal", false, true, false, true, 7, 1, 1},
        {"seven findings, none fatal", false, false, true, false, 7, 0, 1},
        {"eight findings, two fatal", true, true, false, true, 8, 2, 2},
        {"eight findings, none fatal", false, false, true, true, 8, 0, 1},
    };
    for (const Case& c : cases) {
        SetUp();
        Tpcm& T = TPCM;
        T.VESTYP = 2;       // a floating jack-up: its zero GM and beam are warnings, not fatal
        T.TVKMT() = T.VKG;  // a GM of zero
        T.YWNDAR = 0.0f;    // a wind area
        T.YCURAR = 0.0f;    // a current area
        T.BWL = 0.0f;       // a main dimension
        T.BRVFLG = bits({9});
        T.BRVFRQ_DELTA = 0.0f;  // both low-frequency table checks
        T.BRV_PD_MIN() = c.period_warning ? 0.0f : 35.0f;
        if (c.fatal_gyradii) T.PGYR = 0.0f;
        T.DURATN = c.fatal_duration ? 0.0f : 1.0f;  // worded as a warning, counted as fatal
        if (c.two_more) {
            T.TVFWD() = 2.0f;  // forward speed with user RAOs
            T.AUXVSH = 1;
            T.LWBARG = 0x111;  // a user wind table whose Cy does not vanish head-on
            LOWCOF.NUWNPT = 2;
            LOWCOF.UWNANG(2) = 180.0f;
            LOWCOF.UWNCY(1) = 0.5f;
        }
        // Execute, answer every pause, leave without saving.
        std::string script = "3\n";
        for (Int k = 0; k < c.pauses; ++k) script += "\n";
        answers(script + "2\n");
        BRVFIN("17");
        const std::string s = screen();
        EXPECT_EQ(count_of(s, "\n ++> Warning") + count_of(s, "\n ++> Fatal Warning"),
                  static_cast<std::size_t>(c.findings))
            << c.what << s;
        EXPECT_EQ(count_of(s, "Fatal Warning") + count_of(s, "Nonpositive storm duration"),
                  static_cast<std::size_t>(c.fatal))
            << c.what;
        EXPECT_EQ(count_of(s, "Press <RETURN> to continue: "), static_cast<std::size_t>(c.pauses)) << c.what;
        // The last finding is followed by the pause, before the page is drawn again.
        const auto last_of = [&s](const char* what) {
            const std::size_t p = s.rfind(what);
            return p == std::string::npos ? std::size_t{0} : p;
        };
        const std::size_t last_finding = std::max(last_of("\n ++> Warning"), last_of("\n ++> Fatal Warning"));
        const std::size_t last_pause = s.rfind("Press <RETURN> to continue: ");
        EXPECT_LT(last_finding, last_pause) << c.what;
        EXPECT_LT(last_pause, s.rfind("End of Session")) << c.what;
        EXPECT_EQ(count_of(s, "End of Session"), 2u) << c.what;
        EXPECT_EQ(TPCM.LBACK, 101) << c.what;
    }
}

TEST_F(LastPageTest, FatalFindingBlocksExecuteInAnInteractiveRun) {
    testing::ScratchDir dir;
    capture_unit(SCREEN_UNIT);
    TPCM.DEPTH = 0.0f;
    // Execute twice: each time the checks find the depth fatal, pause and show the page again.
    answers("3\n\n3\n\n2\n");
    BRVFIN("17");
    EXPECT_EQ(count_of(screen(), " ++> Fatal Warning: The water depth is nonpositive."), 2u);
    EXPECT_EQ(count_of(screen(), "End of Session"), 3u);
    EXPECT_EQ(TPCM.LBACK, 101);
    EXPECT_EQ(TPCM.LCOPY, 0);
    EXPECT_EQ(HCDONE, 0);
    EXPECT_FALSE(std::filesystem::exists("BREVIN.stxt"));
}

// A silent run stopped by a fatal finding: with nothing unsaved it ends (status 1, its line on
// standard error); with an edit no save has kept (or the load copies differing only where this page
// tidies) the session comes back to the page on the screen, with the silent run's own settings undone.
TEST_F(LastPageTest, FatalFindingInASilentRun) {
    struct Case {
        const char* what;
        bool edited;   // an edit since the load
        bool untidy;   // the load copy holds an output bit this page clears
    };
    for (const Case& c : {Case{"nothing unsaved", false, false}, Case{"only the page's tidying", false, true},
                          Case{"an edit unsaved", true, false}}) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        start_state();
        reset_session();
        capture_unit(SCREEN_UNIT);
        capture_unit(SILENT_UNIT);
        capture_unit(0);
        TPCM.DEPTH = 0.0f;
        TPCM.IUNIT = 0;
        TPCM.NBUG = 2;
        MOVCOM(NTOGOQ, word_span(TPCM), word_span(SESSION.COPIES.IOBUF));
        MOVCOM(kLowcofWords, word_span(LOWCOF), word_span(SESSION.COPIES.ILOBUF));
        if (c.untidy) SESSION.COPIES.IOBUF(180) = TPCM.BRVFLG | (1 << 11);  // bit 12, cleared here
        if (c.edited) TPCM.DWATR = 62.44f;
        answers("4\n2\n");
        int status = -1;
        bool said = false;
        try {
            BRVFIN("17");
        } catch (const ProgramEnd& end) {
            status = end.status;
            said = end.said;
        }
        EXPECT_NE(silent().find(" ++> Fatal Warning: The water depth is nonpositive."), std::string::npos);
        EXPECT_EQ(captured(0), " ++> Fatal findings stop the silent run: see \"Diagnostics.stxt\".\n");
        EXPECT_FALSE(std::filesystem::exists("BREVIN.stxt"));
        EXPECT_FALSE(std::filesystem::exists(kPendingEchoFile));
        if (!c.edited) {
            EXPECT_EQ(status, 1);
            EXPECT_TRUE(said);  // no second line from the end of the program
            EXPECT_EQ(count_of(screen(), "End of Session"), 1u);
        } else {
            // Back on the screen, where "2" chose to leave.
            EXPECT_EQ(status, -1);
            EXPECT_EQ(TPCM.LBACK, 101);
            EXPECT_EQ(TPCM.EDUNIT, SCREEN_UNIT);
            EXPECT_EQ(count_of(screen(), "End of Session"), 2u);
            EXPECT_EQ(TPCM.IUNIT, 0);
            EXPECT_EQ(TPCM.NBUG, 2);
        }
    }
    reset_session();
}

}  // namespace
}  // namespace brevant

// The End of Session page: what it lists, what each choice answers, the end of a page pass, help.
#include "edlib/end_of_session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "edlib/editor_driver.h"
#include "edlib/last_page.h"
#include "records/data_image.h"
#include "sysutl/program_end.h"
#include "sysutl/report_files.h"
#include "sysutl/units.h"
#include "test_support.h"

namespace brevant {
namespace {

using testing::count_of;

class FintopTest : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_end_of_session();
    }
    void TearDown() override {
        reset_end_of_session();
        ConsoleTest::TearDown();
    }
    void call(Int CREATR = 16, Int aux = 0) {
        FINTOP("17", CREATR, LRETRN, "BREVIN.stxt ", "Brevedit    ", IPAG, LCOPY, EDUNIT, UNTSAV, LBACK, WARNEM, FWARN, 5,
               aux);
    }
    Int LRETRN = -5, IPAG = 0, LCOPY = 0, EDUNIT = SCREEN_UNIT, UNTSAV = 0, LBACK = 0, WARNEM = 0, FWARN = 0;
};

const char* const kPage16 =
    "                   ****  Page 17: End of Session  ****\n"
    "\n\n"
    " 1) Exit to operating system and update data file\n"
    " 2) Exit to operating system WITHOUT updating data file\n"
    "\n"
    " 3) Execute simulation in interactive mode\n"
    " 4) Execute simulation in silent mode\n"
    "\n"
    " 5) Produce diskfile of input data\n"
    " 6) Produce \"WAVEOUT\" file containing regular wave kinematics data\n"
    "\n"
    " 7) Import Vessel and environment data from an external file\n"
    "\n"
    "  (Press <RETURN> to review data)\n"
    " \n"
    " Enter number of selection (\"H\" for help): ";

TEST_F(FintopTest, PageOfThisProgramListsItemsOneToSeven) {
    answers("1\n");
    call();
    EXPECT_EQ(screen(), kPage16);
}

TEST_F(FintopTest, ListedItemsFollowTheCreatingType) {
    struct Case {
        Int creatr, aux;
        std::vector<std::string> present, absent;
    };
    const Case cases[] = {
        {10, 0, {" 7) Import Barge and", " 8) Import mooring", " 9) Import Tug data from an external file"}, {"10)"}},
        {13, 0, {" 7) Import Tanker and", " 8) Import mooring", " 9) Import Buoy data from an external file"}, {"10)"}},
        {7, 0, {" 7) Import Vessel and", " 8) Import mooring"}, {" 6) ", " 9) ", "10)"}},
        {3, 0, {" 6) Produce"}, {" 8) ", " 9) ", "10)"}},
        {12, 1, {" 8) Import mooring", "\n\n10) Chain to VestraKel\n\n  (Press"}, {" 9) "}},
        {15, 0, {" 8) Import mooring"}, {"10)"}},
    };
    for (const Case& c : cases) {
        clear_captured(SCREEN_UNIT);
        answers("2\n");
        call(c.creatr, c.aux);
        for (const auto& s : c.present) EXPECT_NE(screen().find(s), std::string::npos) << c.creatr << ": " << s;
        for (const auto& s : c.absent) EXPECT_EQ(screen().find(s), std::string::npos) << c.creatr << ": " << s;
    }
}

TEST_F(FintopTest, EachChoiceAnswersTheCaller) {
    struct Case {
        const char* answer;
        Int warnem, fwarn;
        Int lback, lretrn;
    };
    const Case cases[] = {
        {"1", 0, 0, -2, 1},       {"2", 0, 0, 101, 1},      {"", 0, 0, 0, 1},         {"F", 0, 0, -1980, 1},
        {"B", 0, 0, -1, 1},       {"J4", 0, 0, -1984, 1},   {"3", 0, 0, -1983, 0},    {"E", 0, 0, -1983, 0},
        {"3", 2, 0, -1983, 1},    {"E", 2, 0, -1983, 1},    {"3", 2, 1, -1983, 0},    {"3", 0, 1, -1983, 0},
    };
    for (const Case& c : cases) {
        reset_end_of_session();
        answers(std::string(c.answer) + "\n");
        LBACK = 0;
        WARNEM = c.warnem;
        FWARN = c.fwarn;
        call();
        EXPECT_EQ(LBACK, c.lback) << c.answer;
        EXPECT_EQ(LRETRN, c.lretrn) << c.answer << " warnings " << c.warnem << "/" << c.fwarn;
        if (c.lback == -1984) {
            EXPECT_EQ(IPAG, 4);  // the number typed after J
        }
    }
}

TEST_F(FintopTest, SelectionsNotOfferedDrawThePageAgain) {
    // 8 is not listed for this program's data and does not import; 9, 10 and 11 are not offered.
    answers("8\n9\n10\n11\n2\n");
    call(16);
    EXPECT_EQ(count_of(screen(), "End of Session"), 5u);
    EXPECT_EQ(screen().find("not available"), std::string::npos);
    EXPECT_EQ(LBACK, 101);
}

TEST_F(FintopTest, ImportsAndTheWaveReportComeBackToThePage) {
    // A bare Return at the import's path prompt: the refusal, its pause, and the page again.
    answers("7\n\n\n6\n\n2\n");
    call(16);
    EXPECT_NE(screen().find(" >>> Invalid Filename!"), std::string::npos);
    EXPECT_EQ(count_of(screen(), "End of Session"), 3u);
    EXPECT_EQ(count_of(screen(), "Press <RETURN> to continue: "), 2u);
    EXPECT_EQ(LBACK, 101);
    EXPECT_EQ(LRETRN, 1);
}

TEST_F(FintopTest, ExecuteAskedElsewhereReturnsAtOnceWithoutWarnings) {
    LBACK = -1983;
    call();
    EXPECT_EQ(LRETRN, 0);
    EXPECT_EQ(screen(), "");
}

TEST_F(FintopTest, PendingWarningsShowThePageEvenForExecute) {
    LBACK = -1983;
    WARNEM = 1;
    answers("3\n");
    call();
    EXPECT_NE(screen().find("End of Session"), std::string::npos);
    EXPECT_EQ(LRETRN, 1);
}

TEST_F(FintopTest, DumpOpensTheEchoFileAndTheEndOfThePassShowsThePageAgain) {
    testing::ScratchDir dir;
    capture_unit(SCREEN_UNIT);
    testing::put_file("BREVIN.stxt", " an earlier dump\n");
    answers("5\n2\n");
    call();
    EXPECT_EQ(LBACK, -1980);
    EXPECT_EQ(LRETRN, 1);
    EXPECT_EQ(LCOPY, 1);
    EXPECT_EQ(EDUNIT, DISK_UNIT);
    EXPECT_EQ(UNTSAV, SCREEN_UNIT);
    // The dump is written beside the earlier one, which stays whole until the pass is complete.
    EXPECT_TRUE(std::filesystem::exists("BREVIN.stxt.brvtmp"));
    EXPECT_EQ(testing::file_bytes("BREVIN.stxt"), " an earlier dump\n");
    write_record(DISK_UNIT, " a page");
    // The pass comes back to the last page with LBACK 0.
    LBACK = 0;
    LCOPY = 4;
    call();
    EXPECT_EQ(LCOPY, 0);
    EXPECT_EQ(EDUNIT, SCREEN_UNIT);
    EXPECT_FALSE(unit_is_open(DISK_UNIT));
    EXPECT_EQ(count_of(screen(), "End of Session"), 2u);
    EXPECT_EQ(LBACK, 101);
    EXPECT_EQ(testing::file_bytes("BREVIN.stxt"), " a page\n");
    EXPECT_FALSE(std::filesystem::exists("BREVIN.stxt.brvtmp"));
}

// A page pass whose file could not be written whole (here the full device /dev/full) is handled as
// a failed save: its temporary goes, nothing of the pass stays pending, and the access error comes
// with its pause on the screen, and the page follows. A silent run writes the message in its file
// too, says on standard error that it cannot start, and ends there when nothing is unsaved.
TEST_F(FintopTest, AFailedPassBringsThePageBackEvenOfASilentRun) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no full device to write to";
    struct Case {
        const char* what;
        Int console;
        bool edited;
    };
    for (const Case& c : {Case{"on the screen", SCREEN_UNIT, true}, Case{"silent, an edit unsaved", SILENT_UNIT, true},
                          Case{"silent, nothing unsaved", SILENT_UNIT, false}}) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        reset_units();
        capture_unit(SCREEN_UNIT);
        capture_unit(SILENT_UNIT);
        capture_unit(0);
        reset_images();
        reset_session();
        if (c.edited) TPCM.DWATR = 62.44f;  // an edit since the load
        testing::put_file("BREVIN.stxt.brvtmp", " the pages so far\n");
        ASSERT_TRUE(open_unit(DISK_UNIT, "/dev/full", UnitMode::Write));
        write_record(DISK_UNIT, std::string(100000, 'x'));  // beyond any buffer: the device is full
        HCDONE = 1;
        VESTRAKEL_GO = 1;
        LCOPY = 1;
        LBACK = 0;
        EDUNIT = DISK_UNIT;
        UNTSAV = c.console;
        answers("\n2\n");
        int status = -1;
        try {
            call();
        } catch (const ProgramEnd& end) {
            status = end.status;
        }
        const std::string message = " ++> File not found or file access error in Brevedit    \n"
                                    "     File name: BREVIN.stxt \n";
        const auto error = screen().find(message + " \n Press <RETURN> to continue: ");
        EXPECT_NE(error, std::string::npos) << screen();
        EXPECT_FALSE(std::filesystem::exists("BREVIN.stxt.brvtmp"));
        EXPECT_FALSE(std::filesystem::exists("BREVIN.stxt"));
        EXPECT_EQ(HCDONE, 0);
        EXPECT_EQ(VESTRAKEL_GO, 0);
        EXPECT_EQ(LCOPY, 0);
        if (c.console == SILENT_UNIT) {
            EXPECT_NE(silent().find(message), std::string::npos) << silent();
            EXPECT_EQ(captured(0), " ++> The silent run cannot start: \"BREVIN.stxt\" cannot be written.\n");
        } else {
            EXPECT_EQ(silent(), "");
            EXPECT_EQ(captured(0), "");
        }
        if (c.edited) {
            EXPECT_EQ(status, -1);
            EXPECT_EQ(EDUNIT, SCREEN_UNIT);
            EXPECT_NE(screen().find("End of Session", error), std::string::npos);
            EXPECT_EQ(LBACK, 101);  // the "2" typed at the page
            EXPECT_EQ(LRETRN, 1);
        } else {
            EXPECT_EQ(status, 1);
            EXPECT_EQ(screen().find("End of Session"), std::string::npos);
        }
    }
    reset_images();
    reset_session();
}

TEST_F(FintopTest, EndOfAPassHandsBackTheDecision) {
    struct Case {
        Logical chain, save;
        Int lback, lretrn;
    };
    for (const Case& c : {Case{0, 0, -1983, 1}, Case{0, 1, -2, 1}, Case{1, 1, 101, 999}}) {
        VESTRAKEL_GO = c.chain;
        SAVEDATA = c.save;
        LCOPY = 1;
        EDUNIT = 41;  // a pass that was not writing to the echo file closes nothing
        UNTSAV = SCREEN_UNIT;
        call();
        EXPECT_EQ(LBACK, c.lback);
        EXPECT_EQ(LRETRN, c.lretrn);
        EXPECT_EQ(EDUNIT, SCREEN_UNIT);
        EXPECT_EQ(LCOPY, 0);
    }
    EXPECT_EQ(screen(), "");
}

TEST_F(FintopTest, SilentExecuteOpensDiagnosticsAndClearsTheCounts) {
    testing::ScratchDir dir;
    testing::put_file("Diagnostics.stxt", " the last silent run\n");
    capture_unit(SCREEN_UNIT);
    WARNEM = 3;
    FWARN = 1;
    answers("4\n");
    call();
    EXPECT_EQ(EDUNIT, SILENT_UNIT);
    EXPECT_EQ(WARNEM, 0);
    EXPECT_EQ(FWARN, 0);
    EXPECT_EQ(LBACK, -1983);
    EXPECT_EQ(LRETRN, 0);
    // The console is written beside the file of the last silent run, which stays whole until the
    // run starts.
    EXPECT_TRUE(silent_console_waits_for_its_name());
    EXPECT_TRUE(std::filesystem::exists("Diagnostics.stxt.brvtmp"));
    EXPECT_EQ(testing::file_bytes("Diagnostics.stxt"), " the last silent run\n");
    drop_silent_console();
    EXPECT_FALSE(std::filesystem::exists("Diagnostics.stxt.brvtmp"));
}

// A folder holds the file's name: no silent run starts. The page hands the caller the code of a run
// not started, the console stays the screen, and the counts stay as they were.
TEST_F(FintopTest, SilentExecuteWhoseFileCannotBeMadeStartsNoRun) {
    testing::ScratchDir dir;
    std::filesystem::create_directory("Diagnostics.stxt");
    capture_unit(SCREEN_UNIT);
    capture_unit(0);
    WARNEM = 3;
    FWARN = 1;
    answers("4\n\n");
    call();
    EXPECT_EQ(LBACK, kSilentRunNotStarted);
    EXPECT_EQ(LRETRN, 1);
    EXPECT_EQ(EDUNIT, SCREEN_UNIT);
    EXPECT_EQ(WARNEM, 3);
    EXPECT_EQ(FWARN, 1);
    EXPECT_EQ(captured(SILENT_UNIT), "");
    EXPECT_EQ(captured(0), std::string(kSilentFileNotMadeMessage) + "\n");
    EXPECT_NE(screen().find(" ++> File not found or file access error in Fintop\n     File name: Diagnostics.stxt\n"),
              std::string::npos);
}

TEST_F(FintopTest, ChainingIsAcceptedOnlyWhereOffered) {
    answers("10\n");
    call(15, 1);
    EXPECT_EQ(LRETRN, 999);
    EXPECT_EQ(LBACK, -1983);
    EXPECT_EQ(VESTRAKEL_GO, 1);
}

TEST_F(FintopTest, HelpForAllItemsPausesAfterEachGroup) {
    answers("?\n\n\n\n\n\n2\n");
    call(16);
    EXPECT_EQ(count_of(screen(), "Press <RETURN> to continue: "), 5u);
    EXPECT_EQ(count_of(screen(), "****  Vessel Environmental Load Notes  ****"), 1u);
    EXPECT_NE(screen().find("\n ++> Item Number  1\n\n     This option will save the current *DAT data file (and, if\n"),
              std::string::npos);
    EXPECT_NE(screen().find("\n ++> Item Number  8\n\n     This option permits importation of an entire mooring"),
              std::string::npos);
    EXPECT_EQ(screen().find("Item Number  10"), std::string::npos);
    EXPECT_EQ(count_of(screen(), "           ND  (All OS's)\n"), 2u);

    clear_captured(SCREEN_UNIT);
    answers("?\n\n\n\n\n\n\n2\n");
    call(12, 1);
    EXPECT_EQ(count_of(screen(), "Press <RETURN> to continue: "), 6u);
    EXPECT_NE(screen().find("\n ++> Item Number  10\n\n     If there have been no changes to the parent application's "
                            "data during \n"),
              std::string::npos);
}

TEST_F(FintopTest, HelpForOneItem) {
    answers("?9\n\n2\n");
    call(16);
    EXPECT_NE(screen().find(" ++> Item Number   9\n\n     This option permits importation of vessel and environmental "
                            "data\n"),
              std::string::npos)
        << screen();
    EXPECT_EQ(count_of(screen(), "Press <RETURN> to continue: "), 1u);

    clear_captured(SCREEN_UNIT);
    answers("?11\n\n2\n");
    call(16);
    EXPECT_NE(screen().find(" ++> Item Number  11\n\n ++> Sorry, no help for this line...\n\n"), std::string::npos);
}

}  // namespace
}  // namespace brevant

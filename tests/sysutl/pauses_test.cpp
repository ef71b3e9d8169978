// Pauses and aborts: silent runs, the three abort questions, the no-help screen, the warning
// pager, the debugging-level prompt and the clock wait. The pause PRSRET itself and ACERR are
// tested with the error exits.
#include "sysutl/pauses.h"

#include <chrono>

#include "platform/platform.h"
#include "test_support.h"

namespace brevant {
namespace {

using Pauses = testing::ConsoleTest;

const std::string kBeepLine = std::string("\a\0\0\0", 4) + "\n";
const std::string kPause = " \n Press <RETURN> to continue: ";
const std::string kAbortAsk = kBeepLine + " Enter \"A\" to abort or Press <RETURN> to continue: ";

TEST_F(Pauses, SilentRunsNeverWait) {
    answers("kept\n");
    Int lback = 555;
    PRSRET(SILENT_UNIT, KBD_UNIT, lback);
    EXPECT_EQ(lback, 0);
    lback = 555;
    ABORT0(SILENT_UNIT, KBD_UNIT, lback);
    EXPECT_EQ(lback, 0);
    Int nwarn = 9;
    WRNFUL(nwarn, SILENT_UNIT, KBD_UNIT);
    EXPECT_EQ(nwarn, 0);
    EXPECT_THROW(SERV_ABORT(SILENT_UNIT, KBD_UNIT, lback), ProgramEnd);
    try {
        ABORT3(SILENT_UNIT, KBD_UNIT, lback);
        ADD_FAILURE() << "ABORT3 returned in a silent run";
    } catch (const ProgramEnd& end) {
        EXPECT_EQ(end.status, 1);
    }
    EXPECT_EQ(silent(), "");
    EXPECT_EQ(screen(), "");
    EXPECT_EQ(read_keyboard_line(), "kept");
}

TEST_F(Pauses, Abort0AndServAbort) {
    struct {
        const char* answer;
        Int lback;
    } cases[] = {{"a", -1}, {"A", -1}, {"B", 0}, {"", 0}, {"abort", -1}, {" a", 0}, {"1", 0}};
    for (const auto& c : cases) {
        for (auto fn : {ABORT0, SERV_ABORT}) {
            clear_captured(SCREEN_UNIT);
            answers(std::string(c.answer) + "\n");
            Int lback = 555;
            fn(SCREEN_UNIT, KBD_UNIT, lback);
            EXPECT_EQ(lback, c.lback) << '"' << c.answer << '"';
            EXPECT_EQ(screen(), kAbortAsk);
        }
    }
}

TEST_F(Pauses, Abort3Answers) {
    struct {
        const char* answer;
        Int lback;
    } cases[] = {{"99", 99}, {"  a", -1}, {"A", -1}, {"", 0}, {"            x", 0}, {" 99 ", 99}, {"'a'", -1},
                 {"abort", -1}, {" Again", -1}};  // the first character of the first item
    for (const auto& c : cases) {
        clear_captured(SCREEN_UNIT);
        answers(std::string(c.answer) + "\n");
        Int lback = 555;
        ABORT3(SCREEN_UNIT, KBD_UNIT, lback);
        EXPECT_EQ(lback, c.lback) << '"' << c.answer << '"';
        EXPECT_EQ(screen(), kAbortAsk);
    }
}

TEST_F(Pauses, Abort3EndsOnAnUnknownAnswer) {
    for (const char* answer : {"5", "x", "-1", "0", "1,2"}) {
        clear_captured(SCREEN_UNIT);
        answers(std::string(answer) + "\nconfirm\nleft over\n");
        Int lback = 99;  // an old 99 in the caller's variable must not pass an unknown answer
        try {
            ABORT3(SCREEN_UNIT, KBD_UNIT, lback);
            ADD_FAILURE() << answer << " returned " << lback;
        } catch (const ProgramEnd& end) {
            EXPECT_EQ(end.status, 1);
        }
        EXPECT_EQ(screen(), kAbortAsk + " \n >>> Unrecognized option in ABORT3: " + fixed_len(answer, 12) +
                                "\n     Press <Return> to continue\n")
            << answer;
        EXPECT_EQ(read_keyboard_line(), "left over") << answer;
    }
}

TEST_F(Pauses, NohelpShowsTheSameScreenForEveryItem) {
    for (Int item : {1, 7, -3}) {
        clear_captured(SCREEN_UNIT);
        answers("4\n");
        NOHELP(SCREEN_UNIT, KBD_UNIT, item);
        EXPECT_EQ(screen(), "\n\n ++> Sorry, no help for this page...\n\n" + kPause);
    }
    // On a silent run the text is written but nothing is read.
    answers("kept\n");
    NOHELP(SILENT_UNIT, KBD_UNIT, 1);
    EXPECT_EQ(silent(), "\n\n ++> Sorry, no help for this page...\n\n");
    EXPECT_EQ(read_keyboard_line(), "kept");
}

TEST_F(Pauses, WrnfulPagesFromFiveWarnings) {
    Int nwarn = 4;
    WRNFUL(nwarn, SCREEN_UNIT, KBD_UNIT);
    EXPECT_EQ(nwarn, 4);
    EXPECT_EQ(screen(), "");

    answers("\n");
    nwarn = 5;
    WRNFUL(nwarn, SCREEN_UNIT, KBD_UNIT);
    EXPECT_EQ(nwarn, 0);
    EXPECT_EQ(screen(), kPause);

    clear_captured(SCREEN_UNIT);
    answers("-2\n");
    nwarn = 6;
    WRNFUL(nwarn, SCREEN_UNIT, KBD_UNIT);
    EXPECT_EQ(nwarn, 6) << "a negative answer keeps the count so the next warning pauses again";
}

TEST_F(Pauses, InbugReadsTheLevel) {
    answers("3\n\nh\n");
    Int nbug = 9;
    INBUG(nbug, SCREEN_UNIT, KBD_UNIT);
    EXPECT_EQ(nbug, 3);
    EXPECT_EQ(screen(), " Input NBUG: ");
    INBUG(nbug, SCREEN_UNIT, KBD_UNIT);
    EXPECT_EQ(nbug, 0) << "a blank answer leaves the level at 0";
    INBUG(nbug, SILENT_UNIT, KBD_UNIT);
    EXPECT_EQ(nbug, -1979);
    EXPECT_EQ(screen(), " Input NBUG:  Input NBUG: ");
}

TEST_F(Pauses, RhdelayWaitsTheTimeAskedAtMostADay) {
    platform::set_manual_clock(1000.0);
    Real secdly = 100000.0f;
    Int nloop = -1;
    RHDELAY(secdly, nloop);
    EXPECT_EQ(secdly, 86400.0f);
    EXPECT_NEAR(platform::clock_seconds() - 1000.0, 86400.0, 1e-6);
    EXPECT_GT(nloop, 0);

    const double before = platform::clock_seconds();
    for (Real zero : {0.0f, -5.0f}) {
        secdly = zero;
        RHDELAY(secdly, nloop);
        EXPECT_EQ(nloop, 0);
        EXPECT_EQ(secdly, zero);
    }
    EXPECT_EQ(platform::clock_seconds(), before);

    // The time of day plays no part: a wait across midnight still lasts what was asked.
    platform::set_fixed_local_time({2020, 3, 7, 23, 59, 59, 0});
    secdly = 60.0f;
    RHDELAY(secdly, nloop);
    EXPECT_NEAR(platform::clock_seconds() - before, 60.0, 1e-6);
}

TEST_F(Pauses, RhdelaySleepsInsteadOfSpinning) {
    platform::reset_clock();
    const auto t0 = std::chrono::steady_clock::now();
    Real secdly = 0.25f;
    Int nloop = 0;
    RHDELAY(secdly, nloop);
    const double waited = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    EXPECT_GE(waited, 0.25);
    EXPECT_LT(waited, 2.0);
    EXPECT_LE(nloop, 4) << "the clock is read after each short sleep, not in a busy loop";
}

}  // namespace
}  // namespace brevant

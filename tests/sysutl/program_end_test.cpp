// The end of the program: the one line a fatal end owes standard error, and the messages a silent
// run's "Diagnostics.stxt" could not take.
#include "sysutl/program_end.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "sysutl/pauses.h"
#include "sysutl/paging.h"
#include "sysutl/units.h"
#include "test_support.h"

namespace brevant {
namespace {

constexpr Int kStandardError = 0;

// The end of the program gives standard error the one line a fatal end owes it, once: in a silent
// run (its console "Diagnostics.stxt") the line that names the file; on the screen the reason the
// stop named, or the "A" answered right before it (by what became of the case), or the message the
// screen gave last since it was cleared. A normal end, or an end that said why, gets nothing more.
TEST(ProgramEnd, AFatalEndSaysWhyOnStandardErrorOnce) {
    struct Case {
        const char* what;
        bool silent;
        ProgramEnd end;
        std::function<void()> before;  // what the program did before its end
        std::string line;              // on standard error
    };
    const auto say = [](std::string record) { return [record] { write_record(SCREEN_UNIT, record); }; };
    const auto answer_a = [] {
        bind_keyboard("A\n");
        Int LBACK = 0;
        ABORT0(SCREEN_UNIT, KBD_UNIT, LBACK);
    };
    const std::string silent_line = std::string(kSilentRunStoppedMessage) + "\n";
    const Case cases[] = {
        {"a stop of a silent run", true, ProgramEnd{1}, [] {}, silent_line},
        {"a stop of a silent run that named its reason", true, ProgramEnd{1, false, " ++> why"}, [] {}, silent_line},
        {"a stop of a silent run that said why", true, ProgramEnd{1, true}, [] {}, ""},
        {"the normal end of a silent run", true, ProgramEnd{0}, [] {}, ""},
        {"a stop on the screen that named its reason", false, ProgramEnd{1, false, " ++> why"}, [] {}, " ++> why\n"},
        {"a stop on the screen that said why", false, ProgramEnd{1, true}, say(" ++> Warning: x"), ""},
        {"the normal end on the screen", false, ProgramEnd{0}, say(" ++> Warning: x"), ""},
        {"\"A\" answered in the editor", false, ProgramEnd{1}, answer_a, std::string(kAbortAnsweredMessage) + "\n"},
        {"\"A\" answered in a run of the saved case", false, ProgramEnd{1},
         [&] {
             set_case_for_run(CaseForRun::saved);
             answer_a();
         },
         std::string(kAbortAnsweredAfterSaveMessage) + "\n"},
        {"\"A\" answered in a run of the case in the folder", false, ProgramEnd{1},
         [&] {
             set_case_for_run(CaseForRun::already_in_folder);
             answer_a();
         },
         std::string(kAbortAnsweredCaseInFolderMessage) + "\n"},
        {"a message of the run, its next line and a pause", false, ProgramEnd{1},
         [] {
             set_case_for_run(CaseForRun::saved);
             write_record(SCREEN_UNIT, " ++> FATAL error: unfixable roundoff error in VESL1;  ");
             write_record(SCREEN_UNIT, "     recheck the periods");
             write_partial(SCREEN_UNIT, " >>> Press <RETURN> to continue: ");
         },
         " ++> The run stopped: FATAL error: unfixable roundoff error in VESL1\n"},
        {"an error of the editor", false, ProgramEnd{1}, say(" +=> Index error in X; contact Velmora"),
         " ++> The program stopped: Index error in X; contact Velmora\n"},
        // A message without a marker starts after an empty line; the prompt of its pause is none.
        {"an unmarked message after an empty line", false, ProgramEnd{1},
         [] {
             write_record(SCREEN_UNIT, " ++> Warning: earlier");
             write_record(SCREEN_UNIT, "     its second line");
             write_record(SCREEN_UNIT, "");
             write_record(SCREEN_UNIT, " Too many dimensions specified in GMPRD; contact Velmora");
             write_record(SCREEN_UNIT, " its second line");
             write_record(SCREEN_UNIT, "");
             write_record(SCREEN_UNIT, " Press <Return> to Continue...");
         },
         " ++> The program stopped: Too many dimensions specified in GMPRD; contact Velmora\n"},
        // An "A" answered, then another answer: the "A" is not why the program stops.
        {"a message after an \"A\" and another answer", false, ProgramEnd{1},
         [&] {
             answer_a();
             bind_keyboard("\n");
             (void)read_keyboard_line();
             write_record(SCREEN_UNIT, " >>> IER = 2 in WAVVEC; Please contact Velmora.");
         },
         " ++> The program stopped: IER = 2 in WAVVEC; Please contact Velmora.\n"},
        // What the screen said before it was cleared, or before the run began, is not why.
        {"a message, then the screen cleared", false, ProgramEnd{1},
         [] {
             write_record(SCREEN_UNIT, " ++> Warning: earlier");
             CLEAR(SCREEN_UNIT);
         },
         " ++> The program stopped: see the messages on standard output.\n"},
        {"a message of the editor, then the run", false, ProgramEnd{1},
         [] {
             write_record(SCREEN_UNIT, " ++> Warning: earlier");
             set_case_for_run(CaseForRun::saved);
         },
         " ++> The run stopped: see the messages on standard output.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        reset_units();
        capture_unit(SCREEN_UNIT);
        capture_unit(kStandardError);
        if (c.silent) capture_unit(SILENT_UNIT);
        c.before();
        EXPECT_EQ(end_of_program(c.end.status, c.end.said, c.end.why), c.end.status);
        EXPECT_EQ(captured(kStandardError), c.line);
    }
    reset_units();
}

// A silent run's "Diagnostics.stxt" that could not take its messages (a full device): standard error
// gives them after its line, and the program ends with status 1 whatever else ended it; a file that
// took them all changes nothing.
TEST(ProgramEnd, MessagesTheSilentFileCouldNotTakeGoToStandardErrorWithStatusOne) {
    testing::ScratchDir dir;
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no full device to write to";
    const std::string lacked = std::string(kSilentFileLackedMessage) + "\n a finding\n";
    struct Case {
        const char* what;
        const char* file;
        ProgramEnd end;
        int status;
        std::string line;
    };
    const Case cases[] = {
        {"a full device, the normal end", "/dev/full", ProgramEnd{0}, 1, lacked},
        {"a full device, a stop", "/dev/full", ProgramEnd{1}, 1, lacked},
        {"a full device, a stop that said why", "/dev/full", ProgramEnd{1, true}, 1, lacked},
        {"a file that took it all, the normal end", "Diagnostics.stxt", ProgramEnd{0}, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        reset_units();
        capture_unit(kStandardError);
        ASSERT_TRUE(open_unit(SILENT_UNIT, c.file, UnitMode::Write));
        write_record(SILENT_UNIT, " a finding");
        EXPECT_EQ(end_of_program(c.end.status, c.end.said, c.end.why), c.status);
        EXPECT_EQ(captured(kStandardError), c.line);
        EXPECT_FALSE(unit_is_open(SILENT_UNIT));
    }
    // Once said (a silent run refused by its findings), the program ends with 1 at its later end too.
    reset_units();
    capture_unit(kStandardError);
    say_what_the_silent_file_lacks(" a finding\n");
    EXPECT_EQ(end_of_program(0, false, ""), 1);
    EXPECT_EQ(captured(kStandardError), lacked);
    reset_units();
}

TEST(ProgramEnd, AStopAfterItsLineSaysWhy) {
    reset_units();
    capture_unit(kStandardError);
    try {
        stop_program_after_line(" ++> why");
        FAIL() << "the program went on";
    } catch (const ProgramEnd& end) {
        EXPECT_EQ(end.status, 1);
        EXPECT_TRUE(end.said);
    }
    EXPECT_EQ(captured(kStandardError), " ++> why\n");
    reset_units();
}

// "A" at a question of the spectra ends the run, but inside the editor's scope gives the page back;
// the scope ends with its object, nested ones included.
TEST(ProgramEnd, AnAbortAnswerEndsTheProgramOutsideTheEditorsScopeOnly) {
    const auto outcome = [] {
        try {
            stop_on_abort_answer();
        } catch (const ProgramEnd& end) {
            return end.status == 1 ? std::string("end 1") : std::string("end other");
        } catch (const AbortAnswered&) {
            return std::string("page back");
        }
        return std::string("went on");
    };
    EXPECT_EQ(outcome(), "end 1");
    {
        const AbortGivesThePageBack outer;
        EXPECT_EQ(outcome(), "page back");
        { const AbortGivesThePageBack inner; }
        EXPECT_EQ(outcome(), "page back");
    }
    EXPECT_EQ(outcome(), "end 1");
}

}  // namespace
}  // namespace brevant

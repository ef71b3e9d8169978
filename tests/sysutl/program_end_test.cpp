// The end of the program: the one line a fatal end of a silent run owes standard error.
#include "sysutl/program_end.h"

#include <gtest/gtest.h>

#include <string>

#include "sysutl/units.h"
#include "test_support.h"

namespace brevant {
namespace {

constexpr Int kStandardError = 0;

// While the silent-run console is open, a fatal end that has not said why gets the line; a normal
// end, an end that said why (the fatal findings, the end of input), or an end outside a silent run
// gets nothing more.
TEST(ProgramEnd, AFatalEndOfASilentRunNamesItsDiagnosticsFileOnce) {
    struct Case {
        const char* what;
        bool silent;
        ProgramEnd end;
        bool line;
    };
    const Case cases[] = {
        {"a stop of a silent run", true, ProgramEnd{1}, true},
        {"a stop of a silent run that said why", true, ProgramEnd{1, true}, false},
        {"the normal end of a silent run", true, ProgramEnd{0}, false},
        {"a stop on the screen", false, ProgramEnd{1}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        reset_units();
        capture_unit(kStandardError);
        if (c.silent) capture_unit(SILENT_UNIT);
        say_how_the_program_ended(c.end);
        EXPECT_EQ(captured(kStandardError), c.line ? std::string(kSilentRunStoppedMessage) + "\n" : std::string());
    }
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

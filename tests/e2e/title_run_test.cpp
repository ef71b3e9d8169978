// Whole-program runs: the built program in a scratch folder with scripted answers, checking the
// screen text and the exit status, closed input included.
#include <gtest/gtest.h>

#include <string>

#include "e2e_support.h"
#include "sysutl/program_end.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

const std::string kMenuLine = " (M) Modify existing, (C) Create new, (E) Execute simulation, (B) Batch modify";

TEST(ProgramRun, TitleScreenAndStartLetter) {
    testing::ScratchDir dir;
    // The start letter opens a new case, which is left from the last page without saving.
    const ProgramResult r = run_brevant("x\n7\nc\nL\n2\n\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::string margin(11, ' ');
    EXPECT_NE(r.out.find(margin + "|" + std::string(17, ' ') + "Brevant Version: 6.80.00 " + std::string(14, ' ') + "|\n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find(margin + "|" + std::string(14, ' ') + "  Mooring Capacity: 149 lines " + std::string(12, ' ') +
                         "|\n"),
              std::string::npos);
    EXPECT_NE(r.out.find("**   Welcome to Brevant   **"), std::string::npos);
    EXPECT_EQ(count_of(r.out, "\n" + kMenuLine + "\n\n Enter letter of selection: "), 3u);
    // Output to a pipe is a clean transcript: no screen-clearing sequence.
    EXPECT_EQ(r.out.find('\x1b'), std::string::npos);
}

TEST(ProgramRun, AnswersWithWindowsLineEnds) {
    testing::ScratchDir dir;
    const ProgramResult r = run_brevant("q\r\nc\r\nL\r\n2\r\n\r\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(count_of(r.out, kMenuLine), 2u);
}

TEST(ProgramRun, ClosedInputEndsWithStatusOne) {
    // An empty answer file is input closed at once.
    for (const char* answers : {"", "x\n7\n", "z"}) {
        testing::ScratchDir dir;
        const ProgramResult r = run_brevant(answers);
        EXPECT_EQ(r.status, 1) << (*answers ? answers : "(closed)");
        EXPECT_EQ(r.err, std::string(kEndOfInputMessage) + "\n");
        EXPECT_NE(r.out.find(kMenuLine), std::string::npos);
    }
}

}  // namespace
}  // namespace brevant::e2e

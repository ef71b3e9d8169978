// Whole-program runs: the built program in a scratch folder with scripted answers, checking the
// screen text and the exit status, closed input included.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "platform/platform.h"
#include "sysutl/program_end.h"
#include "test_support.h"

namespace brevant {
namespace {

struct ProgramResult {
    int status;
    std::string out;
    std::string err;
};

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs the program with the answers on standard input (nullptr: input closed at once).
ProgramResult run_brevant(const char* answers) {
    std::string command = std::string("'") + BREVANT_BINARY + "'";
    if (answers) {
        std::ofstream("answers.txt", std::ios::binary) << answers;
        command += " < answers.txt";
    } else {
        command += " < /dev/null";
    }
    command += " > out.txt 2> err.txt";
    ProgramResult r;
    r.status = platform::run_command(command);
    r.out = slurp("out.txt");
    r.err = slurp("err.txt");
    return r;
}

const std::string kMenuLine = " (M) Modify existing, (C) Create new, (E) Execute simulation, (B) Batch modify";

std::size_t count_of(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
    return n;
}

TEST(ProgramRun, TitleScreenAndStartLetter) {
    testing::ScratchDir dir;
    const ProgramResult r = run_brevant("x\n7\nm\n");
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
    const ProgramResult r = run_brevant("q\r\nc\r\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(count_of(r.out, kMenuLine), 2u);
}

TEST(ProgramRun, ClosedInputEndsWithStatusOne) {
    for (const char* answers : {static_cast<const char*>(nullptr), "x\n7\n", "z"}) {
        testing::ScratchDir dir;
        const ProgramResult r = run_brevant(answers);
        EXPECT_EQ(r.status, 1) << (answers ? answers : "(closed)");
        EXPECT_EQ(r.err, std::string(kEndOfInputMessage) + "\n");
        EXPECT_NE(r.out.find(kMenuLine), std::string::npos);
    }
}

}  // namespace
}  // namespace brevant

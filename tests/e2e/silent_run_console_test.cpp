// A silent run writes every message of its run to "Diagnostics.stxt", the stop that ends it
// included, and says on standard error where to look; a silent run whose file cannot be made never
// starts, says so on standard error naming the file, and loses no edit.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "e2e_support.h"
#include "sysutl/program_end.h"
#include "sysutl/report_files.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

namespace fs = std::filesystem;

// The sample's KMT made 10,000 m: the equivalent box is "suspicious", a silent run goes on at risk
// (nobody can answer), and the box gives the hull a natural frequency no wave has.
TEST(SilentRunConsole, AStopAfterContinuingAtRiskIsWrittenInTheFile) {
    testing::ScratchDir dir;
    copy_sample();
    edit_on_disk({{1417, real_word(10000.0f)}});  // VKMT
    const ProgramResult r = run_brevant(std::string("M\nL\n4\n") + std::string(10, '\n'), 120);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, std::string(kSilentRunStoppedMessage) + "\n");
    const std::string diagnostics = file_bytes("Diagnostics.stxt");
    const std::size_t box = diagnostics.find(" ++> Suspicious equivalent box");
    ASSERT_NE(box, std::string::npos) << diagnostics;
    const std::size_t stop = diagnostics.find(" natural frequency cannot be computed:", box);
    EXPECT_NE(stop, std::string::npos) << diagnostics;
    // The screen ends at the page where the silent run was chosen: nothing of the run is there.
    EXPECT_EQ(r.out.find(kRunBanner), std::string::npos);
    EXPECT_EQ(r.out.find(" ++>"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find(">>>"), std::string::npos) << r.out;
}

constexpr const char* kFileError = " ++> File not found or file access error in Fintop\n     File name: Diagnostics.stxt\n";

// A folder holds the name of the silent run's file (as a read-only folder would stop it, which
// does not stop the superuser). The run does not start; standard error names the file first. With
// an edit of page 1 (a water depth of 777 m) the End of Session page comes back, where the edit can
// be saved; with nothing edited the session ends there with status 1.
TEST(SilentRunConsole, AFileThatCannotBeMadeStartsNoRunAndKeepsTheEdits) {
    struct Case {
        const char* what;
        const char* answers;
        int status;
        std::string err;
        bool page_again;
        bool saved;
    };
    const std::string line = std::string(kSilentFileNotMadeMessage) + "\n";
    const Case cases[] = {
        {"edited, then the input ends at the message", "M\nJ1\n4\n777\nL\n4\n", 1, line + kEndOfInputMessage + "\n",
         false, false},
        {"edited, then saved at the page", "M\nJ1\n4\n777\nL\n4\n\n1\n", 0, line, true, true},
        {"edited, then left without saving", "M\nJ1\n4\n777\nL\n4\n\n2\n\n", 0, line, true, false},
        {"edited, then the input ends at the page", "M\nJ1\n4\n777\nL\n4\n\n", 1, line + kEndOfInputMessage + "\n",
         true, false},
        {"nothing edited", "M\nL\n4\n\n", 1, line, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        copy_sample();
        const std::string before = file_bytes("BREVDAT");
        fs::create_directories("Diagnostics.stxt/kept");
        const ProgramResult r = run_brevant(c.answers, 60);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.err, c.err);
        const std::size_t error = r.out.find(kFileError);
        ASSERT_NE(error, std::string::npos) << r.out;
        EXPECT_EQ(r.out.find(kRunBanner), std::string::npos);
        EXPECT_EQ(r.out.find("End of Session", error) != std::string::npos, c.page_again) << r.out.substr(error);
        EXPECT_TRUE(fs::is_directory("Diagnostics.stxt/kept"));
        if (c.saved) {
            EXPECT_EQ(WordFile("BREVDAT").real(446), 777.0f);
            EXPECT_EQ(file_bytes("BREVBAK"), before);
        } else {
            EXPECT_EQ(file_bytes("BREVDAT"), before);
            EXPECT_EQ(files_here(), (Files{"BREVDAT", "Diagnostics.stxt", "LOWDAT"}));
        }
    }
}

}  // namespace
}  // namespace brevant::e2e

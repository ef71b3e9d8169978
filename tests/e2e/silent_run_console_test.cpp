// A silent run writes every message of its run to "Diagnostics.stxt", the stop that ends it
// included, and says on standard error where to look; a silent run whose file cannot be made never
// starts, says so on standard error naming the file, and loses no edit.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

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

constexpr const char* kEarlierDiagnostics = " the messages of the last silent run\n";

// The file of the last silent run is replaced only by a silent run whose messages the user is sent
// to: one that starts (and ends well, or stops in the run: standard error then points to the file)
// or one stopped by its fatal findings (standard error points to the file). A silent run that never
// starts because its save is refused (a read-only "BREVDAT") sends the user to the screen and to
// standard error only: the earlier file stays as it was. No temporary stays in any case.
TEST(SilentRunConsole, TheFileOfTheLastSilentRunIsReplacedOnlyByMessagesTheUserIsSentTo) {
    struct Case {
        const char* what;
        void (*prepare)();
        const char* answers;
        int status;
        const char* err;             // the first line of standard error ("" for none)
        const char* in_diagnostics;  // nullptr: the earlier file stays whole
    };
    const Case cases[] = {
        {"a run that ends well", [] { write_ship_case(); }, "M\nL\n4\n", 0, "", kRunBanner},
        {"a run that stops",
         [] {
             copy_sample();
             edit_on_disk({{1417, real_word(10000.0f)}});  // VKMT: a natural frequency no wave has
         },
         "M\nL\n4\n\n\n\n\n\n\n\n\n\n\n", 1, kSilentRunStoppedMessage, " natural frequency cannot be computed:"},
        {"fatal findings", [] { create_case(); }, "M\nL\n4\n", 1,
         " ++> Fatal findings stop the silent run: see \"Diagnostics.stxt\".",
         " ++> Fatal Warning: The water depth is nonpositive."},
        {"a save that is refused",
         [] {
             copy_sample();
             fs::permissions("BREVDAT", fs::perms::owner_read);
         },
         "M\nJ1\n4\n777\nL\n4\n\n2\n\n", 0, " ++> The silent run cannot start: \"BREVDAT\" cannot be written.",
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        c.prepare();
        put_file("Diagnostics.stxt", kEarlierDiagnostics);
        const ProgramResult r = run_brevant(c.answers, 120);
        if (fs::exists("BREVDAT")) fs::permissions("BREVDAT", fs::perms::owner_all);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_EQ(r.err.substr(0, r.err.find('\n')), c.err);
        const std::string diagnostics = file_bytes("Diagnostics.stxt");
        if (c.in_diagnostics == nullptr) {
            EXPECT_EQ(diagnostics, kEarlierDiagnostics);
        } else {
            EXPECT_EQ(diagnostics.find(kEarlierDiagnostics), std::string::npos);
            EXPECT_NE(diagnostics.find(c.in_diagnostics), std::string::npos) << diagnostics;
        }
        EXPECT_FALSE(fs::exists("Diagnostics.stxt.brvtmp"));
    }
}

// A silent run of the sample killed part way (the process ends at once, nothing flushed on the way
// out). Killed once "Diagnostics.stxt" has its name (the run started), at the opening of its report,
// the file holds every message the run wrote before: its banner. Killed before that, at the rename
// of the echo or of the console itself, the run had not started: the file of the last silent run
// stays whole.
TEST(SilentRunConsole, AStopInTheMiddleOfASilentRunLeavesWhatItHadSaid) {
    struct Case {
        const char* what;
        const char* fault;
        std::string left;  // "Diagnostics.stxt" after the stop
    };
    const Case cases[] = {
        {"at the rename of the echo", "BREVANT_TEST_STOPPING_RENAME=1", kEarlierDiagnostics},
        {"at the rename of the console", "BREVANT_TEST_STOPPING_RENAME=2", kEarlierDiagnostics},
        {"at the opening of the report", "BREVANT_TEST_STOPPING_OPEN=BREVOUT.stxt",
         std::string("\n") + kRunBanner + "\n\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        copy_sample();
        put_file("Diagnostics.stxt", kEarlierDiagnostics);
        const ProgramResult r = run_with_file_fault("M\nL\n4\n", c.fault);
        EXPECT_EQ(r.status, platform::kStoppedAtFileStep) << r.err;
        EXPECT_EQ(file_bytes("Diagnostics.stxt"), c.left);
        EXPECT_FALSE(fs::exists("BREVOUT.stxt"));
    }
}

// A case folder that takes no renames (marked append-only or immutable) could neither give the
// silent run's file its name nor save the case for the run: item 4 names the folder by its full path,
// as items 1, 3, 5 and 6 do, on standard error and in the access error, before anything is written.
// With an edit of page 1 the End of Session page comes back; with nothing edited the session ends
// there with status 1. An earlier "Diagnostics.stxt" stays as it was, and none is made.
TEST(SilentRunConsole, ACaseFolderThatTakesNoRenamesIsNamedByTheSilentRun) {
    struct Case {
        const char* what;
        const char* mark;  // the chattr flag of the case folder
        bool earlier;      // an earlier "Diagnostics.stxt" stands there
        bool edited;
    };
    const Case cases[] = {
        {"append-only, an earlier file, nothing edited", "a", true, false},
        {"append-only, no earlier file, nothing edited", "a", false, false},
        {"append-only, an earlier file, edited", "a", true, true},
        {"immutable, an earlier file, nothing edited", "i", true, false},
        {"immutable, no earlier file, edited", "i", false, true},
    };
    testing::SkippedRows skipped;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        copy_sample();
        if (c.earlier) put_file("Diagnostics.stxt", kEarlierDiagnostics);
        fs::create_directories(".run");  // the answers and the captured streams go there
        const std::string folder = fs::current_path().string() + "/";
        const std::string flag = c.mark;
        if (platform::run_command("chattr +" + flag + " . > /dev/null 2>&1") != 0) {
            skipped.add(c.what);
            continue;
        }
        const ProgramResult r = run_brevant(c.edited ? "M\nJ1\n4\n777\nL\n4\n\n2\n\n" : "M\nL\n4\n\n", 60);
        platform::run_command("chattr -" + flag + " . > /dev/null 2>&1");
        EXPECT_EQ(r.status, c.edited ? 0 : 1);
        EXPECT_EQ(r.err, " ++> The silent run cannot start: \"" + folder + "\" cannot be written.\n");
        const std::size_t error =
            r.out.find(" ++> File not found or file access error in Fintop\n     File name: " + folder + "\n");
        ASSERT_NE(error, std::string::npos) << r.out;
        EXPECT_EQ(r.out.find("End of Session", error) != std::string::npos, c.edited);
        EXPECT_EQ(r.out.find(kRunBanner), std::string::npos);
        EXPECT_EQ(files_here(), c.earlier ? (Files{"BREVDAT", "Diagnostics.stxt", "LOWDAT"}) : (Files{"BREVDAT", "LOWDAT"}));
        if (c.earlier) {
            EXPECT_EQ(file_bytes("Diagnostics.stxt"), kEarlierDiagnostics);
        }
    }
    if (skipped.any()) GTEST_SKIP() << skipped.text();
}

// A silent run whose "Diagnostics.stxt" fills the disk part way (every write to it failing from the
// fifth on, once it has its name; or every write to it failing while it is written beside its name
// for checks that refuse the case): standard error gives, after its line, exactly the messages the
// file lacks (the file and standard error together hold what a run on a roomy disk writes there), in
// place of the line that would send the user to the file, and the program ends with status 1
// whatever else ended it: a run that ends well, a run that stops, fatal findings, and fatal findings
// of an edited case whose session goes on on the screen and saves the edit.
TEST(SilentRunConsole, MessagesTheFileCouldNotTakeGoToStandardErrorAndTheStatusIsOne) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, std::uint32_t>> words;  // set in the sample's "BREVDAT"
        std::string answers;
        const char* fault;
        int roomy_status;  // the status of the same run on a roomy disk
        bool saved;        // the edit of page 1 (a depth of 777 m) was saved
    };
    const std::string full_from_fifth = "BREVANT_TEST_FULL_FILE=Diagnostics.stxt BREVANT_TEST_FULL_FROM=5";
    const std::string full_beside = "BREVANT_TEST_FULL_FILE=Diagnostics.stxt.brvtmp";
    const Case cases[] = {
        {"a run that ends well", {}, "M\nL\n4\n", full_from_fifth.c_str(), 0, false},
        // A KMT of 10,000 m gives the hull a natural frequency no wave has: the run stops.
        {"a run that stops", {{1417, real_word(10000.0f)}}, "M\nL\n4\n" + std::string(10, '\n'),
         full_from_fifth.c_str(), 1, false},
        // A gyradius of 0: the checks refuse the case.
        {"fatal findings", {{1414, real_word(0.0f)}}, "M\nL\n4\n", full_beside.c_str(), 1, false},
        {"fatal findings of an edited case, then saved", {{1414, real_word(0.0f)}}, "M\nJ1\n4\n777\nL\n4\n1\n",
         full_beside.c_str(), 0, true},
    };
    const std::string lacked = std::string(kSilentFileLackedMessage) + "\n";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string roomy;  // "Diagnostics.stxt" on a roomy disk
        {
            testing::ScratchDir dir;
            copy_sample();
            edit_on_disk(c.words);
            const ProgramResult r = run_brevant(c.answers, 120);
            EXPECT_EQ(r.status, c.roomy_status) << r.err;
            EXPECT_EQ(r.err.find(lacked), std::string::npos);
            roomy = file_bytes("Diagnostics.stxt");
        }
        testing::ScratchDir dir;
        copy_sample();
        edit_on_disk(c.words);
        const ProgramResult r = run_with_file_fault(c.answers, c.fault);
        EXPECT_EQ(r.status, 1) << r.err;
        if (r.err.substr(0, lacked.size()) != lacked) {
            ADD_FAILURE() << "standard error: " << r.err;
            continue;
        }
        const std::string given = r.err.substr(lacked.size());
        EXPECT_FALSE(given.empty());
        // The file holds whole records up to where the disk filled; standard error gives the rest.
        const std::string held = file_bytes("Diagnostics.stxt");
        EXPECT_EQ(held.substr(0, held.rfind('\n') + 1) + given, roomy);
        if (c.saved) {
            EXPECT_EQ(WordFile("BREVDAT").real(446), 777.0f);
        }
    }
}

}  // namespace
}  // namespace brevant::e2e

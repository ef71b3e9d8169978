// Nothing is lost on the last paths of a session: a page echo or dump that cannot be written (a
// full disk, a file-size limit) brings the End of Session page back with the edits kept and no
// temporary left; a silent run stopped by fatal findings gives unsaved edits back to the screen; and
// every fatal end of a silent run says on standard error where its console went.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "sysutl/program_end.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> temporaries_in(const std::string& listing) {
    std::vector<std::string> names;
    std::size_t at = 0;
    while ((at = listing.find(".brvtmp", at)) != std::string::npos) {
        const std::size_t start = listing.rfind('\n', at) + 1;
        names.push_back(listing.substr(start, listing.find('\n', at) - start));
        at = listing.find('\n', at);
    }
    return names;
}

std::string listing_here() {
    std::string listing;
    for (const std::string& name : files_here()) listing += name + "\n";
    return listing;
}

bool have_prlimit() { return platform::run_command("command -v prlimit > /dev/null 2>&1") == 0; }

struct LimitedRun {
    ProgramResult result;
    std::string data_at_page;     // "BREVDAT" when the page had come back PAGES times
    std::string listing_at_page;  // the folder's names then, one a line
};

// Runs the program under a file-size limit of KIB KiB (the soft limit only, so that it can be
// lifted), FIRST on its input. With PAGES above 0 it waits (at most about 20 s) until the End of
// Session page has been drawn PAGES times, notes the data file and the folder, lifts the limit when
// LIFT is true (as the user would once the disk has room again), and sends THEN; the input then
// ends. The screen goes through a pipe, which the limit does not cover.
LimitedRun run_under_file_size_limit(const std::string& first, int pages, bool lift, const std::string& then,
                                     int kib = 5) {
    fs::create_directories(".run");
    put_file(".run/first.txt", first);
    put_file(".run/then.txt", then);
    put_file(".run/out.txt", "");
    const std::string script =
        "cd \"$(dirname \"$0\")/..\"\n"
        "mkfifo .run/in .run/screen\n"
        "cat .run/screen > .run/out.txt &\n"
        "reader=$!\n"
        "(ulimit -S -f " + std::to_string(kib) + "; exec '" + BREVANT_BINARY +
        "' < .run/in > .run/screen 2> .run/err.txt) &\n"
        "pid=$!\n"
        "exec 3> .run/in\n"
        "cat .run/first.txt >&3\n"
        "if [ " + std::to_string(pages) + " -gt 0 ]; then\n"
        "  for i in $(seq 1 400); do\n"
        "    [ $(grep -c 'End of Session' .run/out.txt) -ge " + std::to_string(pages) + " ] && break; sleep 0.05\n"
        "  done\n"
        "  cp BREVDAT .run/data_at_page\n"
        "  ls -A | grep -v '^.run$' > .run/listing_at_page\n" +
        std::string(lift ? "  prlimit --pid $pid --fsize=unlimited\n" : "") +
        "fi\n"
        "cat .run/then.txt >&3\n"
        "exec 3>&-\n"
        "wait $pid\n"
        "echo $? > .run/status.txt\n"
        "wait $reader\n"
        "rm -f .run/in .run/screen\n";
    put_file(".run/limited.sh", script);
    LimitedRun run;
    run.result.status = platform::run_command("bash .run/limited.sh") == 0 ? std::stoi(file_bytes(".run/status.txt")) : -1;
    run.result.out = file_bytes(".run/out.txt");
    run.result.err = file_bytes(".run/err.txt");
    if (pages > 0) {
        run.data_at_page = file_bytes(".run/data_at_page");
        run.listing_at_page = file_bytes(".run/listing_at_page");
    }
    return run;
}

constexpr const char* kEchoError = " ++> File not found or file access error in Brevedit    \n     File name: BREVIN.stxt \n";
// The echo of a run, written whole, that cannot take its place beside the saved case.
constexpr const char* kEchoPlacedError = " ++> File not found or file access error in BrevEdit    \n     File name: BREVIN.stxt\n";

// The water depth of the sample edited on page 1 (777 m), then an execute whose echo of the pages
// outgrows the limit.
constexpr const char* kEditAndExecute = "M\nJ1\n4\n777\nL\n3\n\n";

// The reproduction of the full disk: the echo fails before the save, the page comes back with the
// edit, the data file and the folder are as they were, and once the limit is lifted the save keeps
// the edit (the old file in the back-up).
TEST(SessionKept, FailedEchoReturnsToTheLastPageAndSavesOnceTheLimitIsLifted) {
    if (!have_prlimit()) GTEST_SKIP() << "no prlimit command to lift the limit of a running program";
    testing::ScratchDir dir;
    copy_sample();
    const std::string before = file_bytes("BREVDAT");
    const LimitedRun run = run_under_file_size_limit(kEditAndExecute, 2, true, "1\n");
    const ProgramResult& r = run.result;
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const auto error = r.out.find(kEchoError);
    ASSERT_NE(error, std::string::npos) << r.out;
    EXPECT_NE(r.out.find("End of Session", error), std::string::npos);
    EXPECT_EQ(r.out.find(kRunBanner), std::string::npos);
    EXPECT_EQ(run.data_at_page, before);
    EXPECT_EQ(run.listing_at_page, "BREVDAT\nLOWDAT\n");
    EXPECT_EQ(files_here(), (Files{"BREVBAK", "BREVDAT", "LOWDAT"}));
    EXPECT_EQ(file_bytes("BREVBAK"), before);
    EXPECT_EQ(WordFile("BREVDAT").real(446), 777.0f);
}

// Under the limit, whatever the user does after the failed echo: leave without saving (Return at
// the loss warning), or let the input end at the page. The data file stays as it was, no temporary
// stays, no run starts.
TEST(SessionKept, FailedEchoKeepsTheSessionUntilTheUserLeaves) {
    struct Case {
        const char* what;
        const char* then;
        int status;
        const char* err;
    };
    const Case cases[] = {
        {"leave without saving", "2\n\n", 0, ""},
        {"end of input at the page", "", 1, kEndOfInputMessage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        copy_sample();
        const std::string before = file_bytes("BREVDAT");
        const ProgramResult r = run_under_file_size_limit(std::string(kEditAndExecute) + c.then, 0, false, "").result;
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_EQ(r.err, *c.err ? std::string(c.err) + "\n" : std::string());
        const auto error = r.out.find(kEchoError);
        ASSERT_NE(error, std::string::npos) << r.out;
        EXPECT_NE(r.out.find("End of Session", error), std::string::npos);
        if (c.status == 0) {
            EXPECT_NE(r.out.find("This action will result in the loss of data changes", error), std::string::npos);
        }
        EXPECT_EQ(r.out.find(kRunBanner), std::string::npos);
        EXPECT_EQ(file_bytes("BREVDAT"), before);
        EXPECT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT"}));
    }
}

// An echo file that cannot even be made (a folder holds its name) fails the same way, before any
// page is written: the message, the page again, nothing changed; the folder is left as it was.
TEST(SessionKept, EchoThatCannotBeMadeReturnsToTheLastPage) {
    testing::ScratchDir dir;
    copy_sample();
    const std::string before = file_bytes("BREVDAT");
    fs::create_directories("BREVIN.stxt.brvtmp/kept");
    const ProgramResult r = run_brevant(std::string(kEditAndExecute) + "2\n\n", 60);
    EXPECT_EQ(r.status, 0) << r.err;
    const auto error = r.out.find(kEchoError);
    ASSERT_NE(error, std::string::npos) << r.out;
    EXPECT_NE(r.out.find("End of Session", error), std::string::npos);
    EXPECT_EQ(r.out.find(kRunBanner), std::string::npos);
    EXPECT_EQ(file_bytes("BREVDAT"), before);
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "BREVIN.stxt.brvtmp", "LOWDAT"}));
    EXPECT_TRUE(fs::is_directory("BREVIN.stxt.brvtmp/kept"));
}

// The dump of the pages (item 5) under the limit leaves the earlier dump whole and the session on
// the page; with the limit lifted the same session writes the dump.
TEST(SessionKept, FailedDumpKeepsTheEarlierDump) {
    testing::ScratchDir dir;
    copy_sample();
    const std::string earlier = " an earlier dump of the pages\n";
    put_file("BREVIN.stxt", earlier);
    const ProgramResult r = run_under_file_size_limit("M\nL\n5\n\n2\n", 0, false, "").result;
    EXPECT_EQ(r.status, 0) << r.err;
    const auto error = r.out.find(kEchoError);
    ASSERT_NE(error, std::string::npos) << r.out;
    EXPECT_EQ(pages_drawn(r.out.substr(error)), (std::vector<int>{17}));
    EXPECT_EQ(file_bytes("BREVIN.stxt"), earlier);
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "BREVIN.stxt", "LOWDAT"}));

    if (!have_prlimit()) GTEST_SKIP() << "no prlimit command to lift the limit of a running program";
    const LimitedRun lifted = run_under_file_size_limit("M\nL\n5\n\n", 2, true, "5\n2\n");
    EXPECT_EQ(lifted.result.status, 0) << lifted.result.err;
    EXPECT_EQ(temporaries_in(lifted.listing_at_page), std::vector<std::string>{});
    const std::string dump = file_bytes("BREVIN.stxt");
    EXPECT_NE(dump.find("Welcome to Brevant"), std::string::npos) << dump;
    EXPECT_NE(dump.find("Page 15:"), std::string::npos) << dump;
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "BREVIN.stxt", "LOWDAT"}));
}

// A silent run has nobody to answer at the page: its echo that cannot be written (a file-size limit)
// or put in place (a folder holds its name) ends it with status 1, the message in
// "Diagnostics.stxt", one line on standard error naming that file, the data file as it was and no
// temporary.
TEST(SessionKept, FailedEchoEndsASilentRunSayingWhereToLook) {
    const char* const edit_and_run_silently = "M\nJ1\n4\n777\nL\n4\n";
    for (const bool limit : {true, false}) {
        SCOPED_TRACE(limit ? "file-size limit" : "a folder named BREVIN.stxt");
        testing::ScratchDir dir;
        copy_sample();
        const std::string before = file_bytes("BREVDAT");
        if (!limit) fs::create_directories("BREVIN.stxt/inside");
        const ProgramResult r = limit ? run_under_file_size_limit(edit_and_run_silently, 0, false, "").result
                                      : run_brevant(edit_and_run_silently, 60);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, std::string(kSilentRunStoppedMessage) + "\n");
        EXPECT_NE(file_bytes("Diagnostics.stxt").find(limit ? kEchoError : kEchoPlacedError), std::string::npos)
            << file_bytes("Diagnostics.stxt");
        EXPECT_EQ(r.out.find(kRunBanner), std::string::npos);
        EXPECT_EQ(file_bytes("BREVDAT"), before);
        EXPECT_EQ(files_here(), limit ? (Files{"BREVDAT", "Diagnostics.stxt", "LOWDAT"})
                                      : (Files{"BREVDAT", "BREVIN.stxt", "Diagnostics.stxt", "LOWDAT"}));
    }
}

constexpr const char* kFatalFindingsLine = " ++> Fatal findings stop the silent run: see \"Diagnostics.stxt\".";

// Every file and folder below the current one (the run's own subfolder aside), with the content of
// each file: what a session that changed nothing leaves as it found.
std::vector<std::pair<std::string, std::string>> tree_here() {
    std::vector<std::pair<std::string, std::string>> all;
    for (const auto& entry : fs::recursive_directory_iterator(".")) {
        const std::string name = entry.path().lexically_relative(".").string();
        if (name == ".run" || name.starts_with(".run/")) continue;
        all.emplace_back(name, entry.is_directory() ? std::string("(folder)") : file_bytes(name));
    }
    std::sort(all.begin(), all.end());
    return all;
}

// Each last write of a session that cannot be done (a file-size limit, a folder standing in a file's
// place, a file the file system has locked): the access error naming the file, its pause, the End of
// Session page again with the edit of the water depth still there (leaving warns of its loss), no
// run, and every file and folder as it was, no temporary left.
TEST(SessionKept, ALastWriteThatCannotBeDoneKeepsTheSessionAndEveryFile) {
    struct Case {
        const char* what;
        const char* choice;   // on the End of Session page, after the edit
        const char* obstacle;  // a folder of this name, or the file locked
        bool lock;
        bool limit;           // under a file-size limit of 5 KiB
        const char* caption;  // of the access error
        const char* file;     // its file name, as the message writes it
    };
    const Case cases[] = {
        {"wave report under a file-size limit", "6\n\n", nullptr, false, true, "WAVEOUT", "WAVEOUT.stxt"},
        {"wave report, a folder named WAVEOUT.stxt", "6\n\n", "WAVEOUT.stxt", false, false, "WAVEOUT",
         "WAVEOUT.stxt"},
        {"save, a folder named BREVBAK", "1\n\n", "BREVBAK", false, false, "BrevEdit    ", "BREVBAK     "},
        {"save, a folder named BREVDAT.brvtmp", "1\n\n", "BREVDAT.brvtmp", false, false, "BrevEdit    ",
         "BREVDAT     "},
        {"run, a folder named BREVIN.stxt", "3\n\n", "BREVIN.stxt", false, false, "BrevEdit    ", "BREVIN.stxt"},
        {"dump, a folder named BREVIN.stxt", "5\n\n", "BREVIN.stxt", false, false, "Brevedit    ", "BREVIN.stxt "},
        {"save, BREVDAT locked", "1\n\n", "BREVDAT", true, false, "BrevEdit    ", "BREVDAT     "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        copy_sample();
        // A coefficient file the load cannot read is written by every save, with its back-ups: a save
        // that failed half-way would have rotated them already.
        put_file("LOWDAT", file_bytes("LOWDAT").substr(0, 100));
        put_file("LOWBAK", " an older coefficient file\n");
        put_file("WAVEOUT.stxt", " an earlier wave report\n");
        if (c.obstacle != nullptr && !c.lock) {
            fs::remove(c.obstacle);
            fs::create_directories(std::string(c.obstacle) + "/inside");
        }
        const testing::LockedFile locked(c.lock ? c.obstacle : "");
        if (c.lock && !locked.locked()) continue;  // files cannot be marked immutable here: the row is left out
        const auto before = tree_here();
        const std::string answers = std::string("M\nJ1\n4\n777\nL\n") + c.choice + "2\n\n";
        const ProgramResult r =
            c.limit ? run_under_file_size_limit(answers, 0, false, "").result : run_brevant(answers, 60);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        const auto error = r.out.find(std::string(" ++> File not found or file access error in ") + c.caption +
                                      "\n     File name: " + c.file + "\n");
        ASSERT_NE(error, std::string::npos) << r.out;
        const auto pause = r.out.find("Press <RETURN> to continue: ", error);
        EXPECT_NE(r.out.find("End of Session", pause), std::string::npos);
        EXPECT_NE(r.out.find("This action will result in the loss of data changes", pause), std::string::npos);
        EXPECT_EQ(r.out.find(kRunBanner), std::string::npos);
        EXPECT_EQ(tree_here(), before);
    }
}

// A silent run stopped by a fatal finding, of a case the user has not edited, ends there even
// where the checks have tidied words of their own (a second swell without a swell, the direction of
// a speed of 0, external forces beyond those switched on, the member-hull flag of a ship, the
// version suffix): nothing is left unsaved, so nothing comes back to the page.
TEST(SessionKept, FatalFindingOfASilentRunWithNothingEditedEndsWhateverTheChecksTidy) {
    struct Case {
        const char* what;
        int word;
        std::uint32_t value;
        bool update;  // the load takes the case for another version: a note and a question
    };
    const Case cases[] = {
        {"second swell without a swell", 194, 1, false},            // LSWEL2
        {"direction of no speed", 1406, real_word(45.0f), false},  // VGLDIR
        {"second external force", 792, 1, false},                   // AXFC2
        {"third external force", 796, 1, false},                    // AXFC3
        {"member-hull flag of a ship", 791, 1, false},              // SEMI_LIKE
        {"version suffix", 163, 3, true},                           // IVERS_SUFX
    };
    testing::ScratchDir dir;
    create_case();  // no water depth: a fatal finding
    const std::string created = file_bytes("BREVDAT");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        put_file("BREVDAT", created);
        fs::remove("Diagnostics.stxt");
        fs::remove("DATUPWRN.stxt");
        edit_on_disk({{c.word, c.value}});
        const std::string before = file_bytes("BREVDAT");
        const ProgramResult r = run_brevant(c.update ? "M\n\nL\n4\n" : "M\nL\n4\n", 60);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, std::string(kFatalFindingsLine) + "\n");
        EXPECT_EQ(count_of(r.out, "End of Session"), 1u) << r.out;
        EXPECT_EQ(file_bytes("BREVDAT"), before);
        EXPECT_EQ(files_here(), c.update ? (Files{"BREVDAT", "DATUPWRN.stxt", "Diagnostics.stxt", "LOWDAT"})
                                         : (Files{"BREVDAT", "Diagnostics.stxt", "LOWDAT"}));
    }
}


// The new case has no water depth: a fatal finding. With an edit on page 1 (fresh water), the
// silent run's findings give the session back to the End of Session page on the screen after the
// line on standard error; the user then saves, leaves, or lets the input end (without saving).
TEST(SessionKept, FatalFindingOfASilentRunGivesUnsavedEditsBackToThePage) {
    struct Case {
        const char* what;
        const char* then;
        int status;
        std::string err;
        bool saved;
    };
    const std::string fatal_line = std::string(kFatalFindingsLine) + "\n";
    const Case cases[] = {
        {"end of input", "", 1, fatal_line + kEndOfInputMessage + "\n", false},
        {"save and exit", "1\n", 0, fatal_line, true},
        {"leave without saving", "2\n\n", 0, fatal_line, false},
        // Execute on the screen: the findings now shown there, a pause after the first seven and
        // one after the last, the page again.
        {"execute interactively, then leave", "3\n\n\n2\n\n", 0, fatal_line, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        create_case();
        const std::string before = file_bytes("BREVDAT");
        const ProgramResult r = run_brevant(std::string("M\nJ1\n5\n2\nL\n4\n") + c.then, 60);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_EQ(r.err, c.err);
        const std::vector<int> pages = pages_drawn(r.out);
        ASSERT_GE(pages.size(), 3u) << r.out;
        EXPECT_EQ(std::vector<int>(pages.end() - 2, pages.end()), (std::vector<int>{17, 17})) << r.out;
        EXPECT_EQ(r.out.find(kRunBanner), std::string::npos);
        EXPECT_NE(file_bytes("Diagnostics.stxt").find(" ++> Fatal Warning: The water depth is nonpositive."),
                  std::string::npos);
        if (std::string(c.what).starts_with("execute")) {
            EXPECT_NE(r.out.find(" ++> Fatal Warning: The water depth is nonpositive."), std::string::npos);
        }
        if (c.saved) {
            EXPECT_EQ(WordFile("BREVDAT").real(447), 62.44f);
            EXPECT_EQ(file_bytes("BREVBAK"), before);
            // The silent run's own settings were undone with its end: the case is saved as edited.
            EXPECT_EQ(WordFile("BREVDAT").integer(109), WordFile("BREVBAK").integer(109));  // IUNIT
        } else {
            EXPECT_EQ(file_bytes("BREVDAT"), before);
            EXPECT_EQ(files_here(), (Files{"BREVDAT", "Diagnostics.stxt", "LOWDAT"}));
        }
    }
}

// Every fatal end of a silent run that has not said why on standard error gets the one line naming
// "Diagnostics.stxt", whatever stopped it: a save that fails on a protected data file, a user RAO
// table whose frequencies do not reach the grid's (the run's range question, which a silent run
// cannot answer). A silent run that ends well says nothing there.
TEST(SessionKept, EveryFatalEndOfASilentRunNamesItsDiagnosticsFile) {
    struct Case {
        const char* what;
        void (*prepare)();
        int status;
        const char* in_diagnostics;
    };
    const Case cases[] = {
        {"protected data file",
         [] {
             create_case();
             make_runnable();
             make_box_on_grid();
             fs::permissions("BREVDAT", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
         },
         1, "     File name: BREVDAT"},
        {"user RAO table short of the grid's frequencies",
         [] {
             create_case();
             make_runnable();
             WordFile f("BREVDAT");
             f.set(778, 1);                         // AUXVSH: the user's RAOs, from "USERRAOS.txt"
             f.set(172, 1);                         // LRANDM: the sea on
             f.set_real(430, 10.0f);                // SWHT(1)
             f.set_real(436, 10.0f);                // SIGPD(1)
             f.set_real(448, 10.0f / 1.4142135f);   // SLPHT
             f.set(180, f.word(180) | (1u << 22));  // BRVFLG bit 23: the net-force pages
             f.set(787, 0x666);                     // LWVCOF
             f.set(179, 4);                         // NUMBRV
             f.set_real(472, 90.0f);                // BRVINC
             f.set(774, 0x777);                     // LCBARG
             f.set(775, 0x555);                     // LWBARG
             f.save("BREVDAT");
             put_file("USERRAOS.txt", "2 2\n0\n0.5 1 0 0 0 1 0 0 0 0 0 0 0\n0.6 1 0 0 0 1 0 0 0 0 0 0 0\n"
                                      "360\n0.5 1 0 0 0 1 0 0 0 0 0 0 0\n0.6 1 0 0 0 1 0 0 0 0 0 0 0\n");
         },
         1, " ++> Warning: Frequency outside user-supplied RAO range;"},
        {"a run that ends well",
         [] {
             create_case();
             make_runnable();
             make_box_on_grid();
         },
         0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        c.prepare();
        const ProgramResult r = run_brevant("M\nJ1\n5\n2\nL\n4\n", 120);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_EQ(r.err, c.status == 1 ? std::string(kSilentRunStoppedMessage) + "\n" : std::string());
        EXPECT_EQ(r.out.find(kRunBanner), std::string::npos);
        if (c.in_diagnostics != nullptr) {
            EXPECT_NE(file_bytes("Diagnostics.stxt").find(c.in_diagnostics), std::string::npos)
                << file_bytes("Diagnostics.stxt");
        }
        EXPECT_EQ(temporaries_in(listing_here()), std::vector<std::string>{});
        if (fs::exists("BREVDAT")) fs::permissions("BREVDAT", fs::perms::owner_all);
    }
}

}  // namespace
}  // namespace brevant::e2e

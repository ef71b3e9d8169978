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
// ends. The screen and standard error go through pipes, which the limit does not cover.
LimitedRun run_under_file_size_limit(const std::string& first, int pages, bool lift, const std::string& then,
                                     int kib = 5) {
    fs::create_directories(".run");
    put_file(".run/first.txt", first);
    put_file(".run/then.txt", then);
    put_file(".run/out.txt", "");
    const std::string script =
        "cd \"$(dirname \"$0\")/..\"\n"
        "mkfifo .run/in .run/screen .run/errors\n"
        "cat .run/screen > .run/out.txt &\n"
        "reader=$!\n"
        "cat .run/errors > .run/err.txt &\n"
        "error_reader=$!\n"
        "(ulimit -S -f " + std::to_string(kib) + "; exec '" + BREVANT_BINARY +
        "' < .run/in > .run/screen 2> .run/errors) &\n"
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
        "wait $reader $error_reader\n"
        "rm -f .run/in .run/screen .run/errors\n";
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

// The messages of an earlier silent run, which a silent run that does not start leaves as they are.
constexpr const char* kEarlierDiagnostics = " the messages of the last silent run\n";

// The line on standard error of a silent run whose save or echo FILE cannot be written.
std::string cannot_start_line(const std::string& file) {
    return " ++> The silent run cannot start: \"" + file + "\" cannot be written.\n";
}

struct SilentObstacle {
    const char* what;
    const char* obstacle;  // a folder of this name, a file locked by the file system, or nullptr
    enum Kind { Folder, Locked, ReadOnly, AppendOnlyCase, Limit } kind;
    const char* named;     // the file the messages name (nullptr: the case folder)
    int kib;               // the file-size limit of a Limit row
};

// A silent run chosen on the End of Session page whose save or "BREVIN.stxt" cannot be written (a
// read-only or locked "BREVDAT", a folder named "BREVBAK" or "BREVIN.stxt", a locked "BREVIN.stxt",
// a file-size limit, an append-only case folder) does not lose the session: standard error says the
// run cannot start and names the file, the screen gives the access error with its pause, and the End
// of Session page comes back with the edit of the water depth. The input ending there ends the
// program with status 1 (without saving); leaving with item 2 warns of the loss; saving with item 1,
// where the obstacle allows it, keeps the edit. With nothing edited the program ends after the
// message, status 1. No run starts, no temporary stays, the data file is as it was.
TEST(SessionKept, ASilentRunThatCannotSaveGivesTheSessionBackToTheScreen) {
    const SilentObstacle obstacles[] = {
        {"read-only BREVDAT", "BREVDAT", SilentObstacle::ReadOnly, "BREVDAT", 0},
        {"locked BREVDAT", "BREVDAT", SilentObstacle::Locked, "BREVDAT", 0},
        {"a folder named BREVBAK", "BREVBAK", SilentObstacle::Folder, "BREVBAK", 0},
        {"a folder named BREVIN.stxt", "BREVIN.stxt", SilentObstacle::Folder, "BREVIN.stxt", 0},
        {"locked BREVIN.stxt", "BREVIN.stxt", SilentObstacle::Locked, "BREVIN.stxt", 0},
        {"file-size limit below the echo", nullptr, SilentObstacle::Limit, "BREVIN.stxt", 5},
        // The back-up, a copy of the data file, is the first file of the save that outgrows it.
        {"file-size limit below the data file", nullptr, SilentObstacle::Limit, "BREVBAK", 16},
        {"append-only case folder", ".", SilentObstacle::AppendOnlyCase, nullptr, 0},
    };
    struct Then {
        const char* what;
        bool edited;
        const char* then;  // after the silent run's choice
        int status;
        bool page_again;
        bool saved;
    };
    const Then thens[] = {
        {"edited, the input ends at the pause", true, "", 1, false, false},
        {"edited, the input ends at the page", true, "\n", 1, true, false},
        {"edited, then left without saving", true, "\n2\n\n", 0, true, false},
        {"edited, then saved", true, "\n1\n", 0, true, true},
        {"nothing edited", false, "\n", 1, false, false},
    };
    testing::SkippedRows skipped;
    for (const SilentObstacle& o : obstacles) {
        for (const Then& t : thens) {
            const std::string what = std::string(o.what) + ", " + t.what;
            SCOPED_TRACE(what);
            // Saving needs the obstacle out of the data file's way.
            const bool can_save = o.kind == SilentObstacle::Folder && std::string(o.obstacle) == "BREVIN.stxt";
            if (t.saved && !can_save) continue;
            // With nothing edited there is nothing to save: only the echo's obstacles stop the run.
            const bool stops_the_echo = (o.named != nullptr && std::string(o.named) == "BREVIN.stxt") ||
                                        o.kind == SilentObstacle::AppendOnlyCase;
            if (!t.edited && !stops_the_echo) continue;
            testing::ScratchDir dir;
            copy_sample();
            // The report on the screen: the silent run sets its file, and must set it back.
            edit_on_disk({{109, 6}});  // IUNIT
            const std::string before = file_bytes("BREVDAT");
            // The messages of the last silent run: nothing sends the user to a run that never
            // started, so they stay as they were.
            put_file("Diagnostics.stxt", kEarlierDiagnostics);
            if (o.kind == SilentObstacle::Folder) fs::create_directories(std::string(o.obstacle) + "/inside");
            if (o.kind == SilentObstacle::Locked && !fs::exists(o.obstacle)) put_file(o.obstacle, " kept\n");
            if (o.kind == SilentObstacle::ReadOnly) fs::permissions(o.obstacle, fs::perms::owner_read);
            const testing::LockedFile locked(o.kind == SilentObstacle::Locked ? o.obstacle : "");
            testing::AppendOnlyFolder append_only(o.kind == SilentObstacle::AppendOnlyCase ? "." : "");
            if ((o.kind == SilentObstacle::Locked && !locked.locked()) ||
                (o.kind == SilentObstacle::AppendOnlyCase && !append_only.marked())) {
                skipped.add(what);
                continue;
            }
            const std::string named = o.named ? std::string(o.named) : fs::current_path().string() + "/";
            const std::string answers = std::string(t.edited ? "M\nJ1\n4\n777\nL\n4\n" : "M\nL\n4\n") + t.then;
            const ProgramResult r = o.kind == SilentObstacle::Limit
                                        ? run_under_file_size_limit(answers, 0, false, "", o.kib).result
                                        : run_brevant(answers, 60);
            append_only.lift();
            EXPECT_EQ(r.status, t.status) << r.err;
            const bool input_ended = t.status == 1 && t.edited;
            EXPECT_EQ(r.err, cannot_start_line(named) + (input_ended ? std::string(kEndOfInputMessage) + "\n" : ""));
            const auto error = r.out.find(" ++> File not found or file access error in ");
            ASSERT_NE(error, std::string::npos) << r.out;
            const auto name_line = r.out.find("     File name: " + named, error);
            EXPECT_EQ(name_line, r.out.find("\n", error) + 1) << r.out.substr(error);
            EXPECT_NE(r.out.find("Press <RETURN> to continue: ", error), std::string::npos);
            EXPECT_EQ(r.out.find("End of Session", error) != std::string::npos, t.page_again) << r.out.substr(error);
            if (std::string(t.then).starts_with("\n2")) {
                EXPECT_NE(r.out.find("This action will result in the loss of data changes", error), std::string::npos);
            }
            EXPECT_EQ(r.out.find(kRunBanner), std::string::npos);
            EXPECT_EQ(file_bytes("Diagnostics.stxt"), kEarlierDiagnostics);
            EXPECT_EQ(temporaries_in(listing_here()), std::vector<std::string>{});
            if (o.kind == SilentObstacle::ReadOnly) fs::permissions(o.obstacle, fs::perms::owner_all);
            if (t.saved) {
                EXPECT_EQ(WordFile("BREVDAT").real(446), 777.0f);
                EXPECT_EQ(file_bytes("BREVBAK"), before);
                // The silent run's own settings were undone: the case is saved as edited.
                EXPECT_EQ(WordFile("BREVDAT").integer(109), 6);  // IUNIT
            } else {
                EXPECT_EQ(file_bytes("BREVDAT"), before);
                EXPECT_FALSE(fs::exists("BREVBAK") && o.kind != SilentObstacle::Folder);
            }
        }
    }
    if (skipped.any()) GTEST_SKIP() << skipped.text();
}

// A silent run on a full disk (here a file-size limit of 0: no file can take a byte) cannot write its
// messages to "Diagnostics.stxt". Stopped by a fatal finding (the new case has no water depth), it
// does not send the user to that empty file: standard error gives the messages themselves. Stopped
// by its echo, which cannot be written either, it never started: standard error names the echo, the
// screen gives the access error, and the earlier "Diagnostics.stxt" stays as it was.
TEST(SessionKept, ASilentRunWhoseDiagnosticsFileIsFullSaysItsMessagesOnStandardError) {
    struct Case {
        const char* what;
        bool fatal;         // the new case, with its fatal finding; else the sample
    };
    const Case cases[] = {
        {"fatal finding", true},
        {"echo that cannot be written", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        if (c.fatal) {
            create_case();
        } else {
            copy_sample();
        }
        put_file("Diagnostics.stxt", kEarlierDiagnostics);
        const std::string before = file_bytes("BREVDAT");
        const ProgramResult r = run_under_file_size_limit("M\nL\n4\n\n", 0, false, "", 0).result;
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err.find("see \"Diagnostics.stxt\""), std::string::npos) << r.err;
        if (c.fatal) {
            EXPECT_EQ(file_bytes("Diagnostics.stxt"), "");
            EXPECT_EQ(r.err.rfind(std::string(kSilentFileLackedMessage) + "\n", 0), 0u) << r.err;
            EXPECT_NE(r.err.find(" ++> Fatal Warning: The water depth is nonpositive."), std::string::npos) << r.err;
        } else {
            EXPECT_EQ(file_bytes("Diagnostics.stxt"), kEarlierDiagnostics);
            EXPECT_EQ(r.err, cannot_start_line("BREVIN.stxt"));
            EXPECT_NE(r.out.find("     File name: BREVIN.stxt"), std::string::npos) << r.out;
        }
        EXPECT_EQ(file_bytes("BREVDAT"), before);
        EXPECT_EQ(temporaries_in(listing_here()), std::vector<std::string>{});
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
        const char* obstacle;  // a folder of this name, or the file locked ("." the case folder, append-only)
        bool lock;
        bool limit;           // under a file-size limit of 5 KiB
        const char* caption;  // of the access error
        const char* file;     // its file name, as the message writes it (nullptr: the case folder)
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
        {"run, BREVIN.stxt locked", "3\n\n", "BREVIN.stxt", true, false, "BrevEdit    ", "BREVIN.stxt"},
        {"save, an append-only case folder", "1\n\n", ".", true, false, "BrevEdit    ", nullptr},
        {"run, an append-only case folder", "3\n\n", ".", true, false, "Brevedit    ", nullptr},
        {"dump, an append-only case folder", "5\n\n", ".", true, false, "Brevedit    ", nullptr},
        {"wave report, an append-only case folder", "6\n\n", ".", true, false, "WAVEOUT", nullptr},
    };
    testing::SkippedRows skipped;
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
        const bool case_folder = c.obstacle != nullptr && std::string(c.obstacle) == ".";
        if (c.lock && !case_folder && !fs::exists(c.obstacle)) put_file(c.obstacle, " an earlier echo\n");
        const testing::LockedFile locked(c.lock && !case_folder ? c.obstacle : "");
        const auto before = tree_here();
        testing::AppendOnlyFolder append_only(case_folder ? "." : "");
        if (c.lock && !(case_folder ? append_only.marked() : locked.locked())) {
            skipped.add(c.what);
            continue;
        }
        const std::string file = c.file ? std::string(c.file) : fs::current_path().string() + "/";
        const std::string answers = std::string("M\nJ1\n4\n777\nL\n") + c.choice + "2\n\n";
        const ProgramResult r =
            c.limit ? run_under_file_size_limit(answers, 0, false, "").result : run_brevant(answers, 60);
        append_only.lift();
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        const auto error = r.out.find(std::string(" ++> File not found or file access error in ") + c.caption +
                                      "\n     File name: " + file + "\n");
        ASSERT_NE(error, std::string::npos) << r.out;
        const auto pause = r.out.find("Press <RETURN> to continue: ", error);
        EXPECT_NE(r.out.find("End of Session", pause), std::string::npos);
        EXPECT_NE(r.out.find("This action will result in the loss of data changes", pause), std::string::npos);
        EXPECT_EQ(r.out.find(kRunBanner), std::string::npos);
        EXPECT_EQ(tree_here(), before);
    }
    if (skipped.any()) GTEST_SKIP() << skipped.text();
}

// Runs the program as run_brevant does, with rename number FAILING of the run failing after every
// check of the program has passed (EBUSY, as a mount point over the file makes it fail).
ProgramResult run_with_failing_rename(const std::string& answers, int failing) {
    return run_with_file_fault(answers, "BREVANT_TEST_FAILING_RENAME=" + std::to_string(failing));
}

// Runs the program as run_brevant does, with NAME a mount point: the program is told so when it
// asks, and a rename over it fails (EBUSY), as a file mounted over that name makes it.
ProgramResult run_with_mount_point(const std::string& answers, const std::string& name) {
    return run_with_file_fault(answers, "BREVANT_TEST_MOUNT_POINT='" + name + "'");
}

// A file mounted over the name a last write must replace is found before anything is written or
// rotated: the save of item 1, the run of item 3 or 4 (its echo "BREVIN.stxt", or the console
// "Diagnostics.stxt" of a silent run), the wave report. The message names the file, the End of
// Session page comes back with the edit (leaving warns of its loss), no run starts, and every file
// is as it was, the mounted one and the earlier reports included, no temporary left. A silent run
// says on standard error that it cannot start.
TEST(SessionKept, AMountPointOverAFileIsFoundBeforeAnythingIsWritten) {
    struct Case {
        const char* what;
        const char* choice;   // on the End of Session page, after the edit of the water depth
        const char* mounted;  // the name mounted over
        const char* caption;
        const char* file;     // as the message gives it
        const char* err;      // standard error
    };
    const Case cases[] = {
        {"save, BREVDAT", "1\n\n", "BREVDAT", "BrevEdit    ", "BREVDAT     ", ""},
        {"save, LOWBAK", "1\n\n", "LOWBAK", "BrevEdit    ", "LOWBAK      ", ""},
        {"run, BREVIN.stxt", "3\n\n", "BREVIN.stxt", "BrevEdit    ", "BREVIN.stxt", ""},
        {"silent run, BREVIN.stxt", "4\n\n", "BREVIN.stxt", "BrevEdit    ", "BREVIN.stxt",
         " ++> The silent run cannot start: \"BREVIN.stxt\" cannot be written.\n"},
        {"silent run, Diagnostics.stxt", "4\n\n", "Diagnostics.stxt", "Fintop", "Diagnostics.stxt",
         " ++> The silent run cannot start: \"Diagnostics.stxt\" cannot be created.\n"},
        {"wave report, WAVEOUT.stxt", "6\n\n", "WAVEOUT.stxt", "WAVEOUT", "WAVEOUT.stxt", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        copy_sample();
        // A coefficient file the load cannot read is written by every save, with its back-ups.
        put_file("LOWDAT", file_bytes("LOWDAT").substr(0, 100));
        put_file("LOWBAK", " an older coefficient file\n");
        put_file("BREVIN.stxt", " an earlier echo\n");
        put_file("WAVEOUT.stxt", " an earlier wave report\n");
        put_file("Diagnostics.stxt", kEarlierDiagnostics);
        const auto before = tree_here();
        const ProgramResult r = run_with_mount_point(std::string("M\nJ1\n4\n777\nL\n") + c.choice + "2\n\n", c.mounted);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, c.err);
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

// A rename of the save that fails after every check (here each of the seven in turn: the record of
// the save, "LASTLOW", "LOWBAK", "LOWDAT", "LASTBAK", "BREVBAK", "BREVDAT") puts back what the save
// had already renamed: the message names the file, the page comes back with the edit and every file
// is as it was, no temporary, kept copy or record left. Saving again at the page rotates each
// back-up once.
TEST(SessionKept, ARenameThatFailsLeavesNoHalfDoneSave) {
    const char* const order[] = {"BREVSAVE.brvjournal", "LASTLOW", "LOWBAK", "LOWDAT", "LASTBAK", "BREVBAK", "BREVDAT"};
    for (int failing = 1; failing <= 7; ++failing) {
        SCOPED_TRACE(order[failing - 1]);
        testing::ScratchDir dir;
        // A coefficient file the load cannot read is written by every save: both groups rotate.
        put_case_with_backups();
        const auto before = tree_here();
        const std::string data = file_bytes("BREVDAT"), coefficients = file_bytes("LOWDAT");
        const std::string edit_and_save = "M\nJ1\n4\n777\nL\n1\n\n";
        const ProgramResult failed = run_with_failing_rename(edit_and_save + "2\n\n", failing);
        EXPECT_EQ(failed.status, 0) << failed.err;
        const auto error = failed.out.find(std::string(" ++> File not found or file access error in BrevEdit    \n"
                                                       "     File name: ") + order[failing - 1]);
        ASSERT_NE(error, std::string::npos) << failed.out;
        EXPECT_NE(failed.out.find("This action will result in the loss of data changes", error), std::string::npos);
        EXPECT_EQ(failed.out.find("could not be read; a new one is written"), std::string::npos) << failed.out;
        EXPECT_EQ(tree_here(), before);

        // The same session saves at the page once the rename goes through.
        const ProgramResult saved = run_with_failing_rename(edit_and_save + "1\n", failing);
        EXPECT_EQ(saved.status, 0) << saved.err;
        EXPECT_NE(saved.out.find(" ++> LOWDAT could not be read; a new one is written and the old one kept as LOWBAK",
                                 saved.out.find("File name: ")),
                  std::string::npos)
            << saved.out;
        EXPECT_EQ(WordFile("BREVDAT").real(446), 777.0f);
        EXPECT_EQ(file_bytes("BREVBAK"), data);
        EXPECT_EQ(file_bytes("LASTBAK"), " an older data file\n");
        EXPECT_EQ(file_bytes("LOWBAK"), coefficients);
        EXPECT_EQ(file_bytes("LASTLOW"), " an older coefficient file\n");
        EXPECT_EQ(files_here(), (Files{"BREVBAK", "BREVDAT", "LASTBAK", "LASTLOW", "LOWBAK", "LOWDAT"}));
    }
}

// A rename that fails once the case is saved for a run (a device error: every name was found able to
// take its file before the save): the echo's (the fourth rename, after the record of the save,
// "BREVBAK" and "BREVDAT") or a silent run's console's (the fifth). The run does not start and the
// message names the file. An interactive run comes back to the End of Session page with the case
// saved: leaving asks nothing, executing again writes no file but the echo, rotating no back-up, and
// the input ending there says the program stops without saving (no run took the saved case). A
// silent run, with nothing unsaved, ends with status 1 after naming the file on standard error and on
// the screen; the messages of the last silent run stay as they were. No temporary stays.
TEST(SessionKept, ARenameThatFailsAfterTheSaveStopsTheRunWithTheCaseSaved) {
    struct Case {
        const char* what;
        const char* answers;
        int failing;
        const char* named;
        int status;
        Files files;
    };
    const Case cases[] = {
        {"interactive, then leave", "M\nJ1\n4\n777\nL\n3\n\n2\n", 4, "BREVIN.stxt", 0,
         {"BREVBAK", "BREVDAT", "Diagnostics.stxt", "LOWDAT"}},
        {"interactive, then execute again", "M\nJ1\n4\n777\nL\n3\n\n3\n", 4, "BREVIN.stxt", 0,
         {"BREVBAK", "BREVDAT", "BREVIN.stxt", "BREVOUT.stxt", "Diagnostics.stxt", "LOWDAT"}},
        {"interactive, then the input ends at the page", "M\nJ1\n4\n777\nL\n3\n\n", 4, "BREVIN.stxt", 1,
         {"BREVBAK", "BREVDAT", "Diagnostics.stxt", "LOWDAT"}},
        {"silent, the echo", "M\nJ1\n4\n777\nL\n4\n\n", 4, "BREVIN.stxt", 1,
         {"BREVBAK", "BREVDAT", "Diagnostics.stxt", "LOWDAT"}},
        {"silent, its console", "M\nJ1\n4\n777\nL\n4\n\n", 5, "Diagnostics.stxt", 1,
         {"BREVBAK", "BREVDAT", "BREVIN.stxt", "Diagnostics.stxt", "LOWDAT"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        copy_sample();
        put_file("Diagnostics.stxt", kEarlierDiagnostics);
        const std::string before = file_bytes("BREVDAT");
        const ProgramResult r = run_with_failing_rename(c.answers, c.failing);
        EXPECT_EQ(r.status, c.status) << r.err;
        const auto error = r.out.find(std::string(" ++> File not found or file access error in BrevEdit    \n"
                                                  "     File name: ") + c.named + "\n");
        ASSERT_NE(error, std::string::npos) << r.out;
        EXPECT_EQ(WordFile("BREVDAT").real(446), 777.0f);
        EXPECT_EQ(file_bytes("BREVBAK"), before);
        EXPECT_EQ(file_bytes("Diagnostics.stxt"), kEarlierDiagnostics);
        EXPECT_EQ(files_here(), c.files);
        if (c.status == 1 && std::string(c.what).starts_with("interactive")) {
            EXPECT_EQ(r.err, std::string(kEndOfInputMessage) + "\n");
            EXPECT_NE(r.out.find("End of Session", error), std::string::npos) << r.out.substr(error);
            EXPECT_EQ(r.out.find(kRunBanner), std::string::npos);
            continue;
        }
        if (c.status == 1) {
            EXPECT_EQ(r.err, cannot_start_line(c.named));
            EXPECT_EQ(r.out.find("End of Session", error), std::string::npos);
            EXPECT_EQ(r.out.find(kRunBanner), std::string::npos);
            continue;
        }
        EXPECT_EQ(r.err, "");
        const auto page = r.out.find("End of Session", error);
        ASSERT_NE(page, std::string::npos) << r.out.substr(error);
        // Nothing is unsaved: no loss warning; the run that follows saves nothing more.
        EXPECT_EQ(r.out.find("This action will result in the loss of data changes", error), std::string::npos);
        EXPECT_EQ(r.out.find(kRunBanner, page) != std::string::npos, std::string(c.what).ends_with("again"));
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
// "Diagnostics.stxt", whatever stopped it: a user RAO table whose frequencies do not reach the
// grid's (the run's range question, which a silent run cannot answer). A silent run that ends well
// says nothing there. (A failed save no longer ends a silent run: see above.)
TEST(SessionKept, EveryFatalEndOfASilentRunNamesItsDiagnosticsFile) {
    struct Case {
        const char* what;
        void (*prepare)();
        int status;
        const char* in_diagnostics;
    };
    const Case cases[] = {
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
    }
}

}  // namespace
}  // namespace brevant::e2e

// Whole editor sessions of the built program in an empty folder: creating and saving a case, back-up
// generations, leaving without saving, navigation, the forced settings of a load, execution.
#include <gtest/gtest.h>

#include "brevant_paths.h"

#include <regex>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

TEST(EditorSession, CreateSaveAndExitWritesTheDataAndCoefficientFiles) {
    testing::ScratchDir dir;
    const ProgramResult r = run_brevant("C\nL\n1\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    ASSERT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT"}));
    // The coefficient image of a new case: empty tables, every count 0.
    EXPECT_EQ(file_bytes("LOWDAT"), std::string(4 * 680, '\0'));
    const WordFile f("BREVDAT");
    EXPECT_EQ(f.bytes(), 19900u);
    EXPECT_EQ(f.integer(1), 4975);
    EXPECT_EQ(f.integer(2), 16);
    EXPECT_EQ(f.integer(121), 5);
    EXPECT_EQ(f.real(217), 6.8f);
    // Settings forced after every load.
    EXPECT_EQ(f.integer(4), 0);
    for (int k : {28, 29, 30}) EXPECT_EQ(f.integer(k), 1) << "word " << k;
    EXPECT_EQ(f.integer(32), 36);
    EXPECT_EQ(f.integer(104), 1);
    EXPECT_EQ(f.integer(118), 0);
    EXPECT_EQ(f.real(498), 35.0f);
    EXPECT_EQ(f.integer(1920), 1);
    // The editor words are stored at 0, as is the version increment.
    for (int k : {163, 700, 701, 702, 703}) EXPECT_EQ(f.integer(k), 0) << "word " << k;
    // Defaults of a new case.
    EXPECT_EQ(f.integer(167), 30);
    EXPECT_EQ(f.real(318), 5.0f);
    EXPECT_EQ(f.real(417), 54.5f);
    EXPECT_EQ(f.real(447), 64.0f);
    for (int k : {774, 775, 787}) EXPECT_EQ(f.integer(k), 273) << "word " << k;
    EXPECT_EQ(f.integer(777), 1);
    EXPECT_EQ(f.real(1368), 1.25f);
}

TEST(EditorSession, SavesRotateTwoGenerationsOfBackup) {
    testing::ScratchDir dir;
    create_case();

    // A save with no change writes nothing.
    const std::string first = file_bytes("BREVDAT");
    const auto stamp = std::filesystem::last_write_time("BREVDAT");
    ProgramResult r = run_brevant("M\nL\n1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT"}));
    EXPECT_EQ(file_bytes("BREVDAT"), first);
    EXPECT_EQ(std::filesystem::last_write_time("BREVDAT"), stamp);

    // Nor does a save of what only the load set: a minimum low-frequency period of 0 on disk, which
    // the load sets to 35 s.
    edit_on_disk({{498, real_word(0.0f)}});
    const std::string second = file_bytes("BREVDAT");
    r = run_brevant("M\nL\n1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT"}));
    EXPECT_EQ(file_bytes("BREVDAT"), second);

    // Each following save after an edit of one value (the water depth typed on page 1) keeps the
    // file as it stood on disk, with what the load set in the case.
    r = run_brevant("M\nJ1\n4\n777\nL\n1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(files_here(), (Files{"BREVBAK", "BREVDAT", "LOWDAT"}));
    EXPECT_EQ(file_bytes("BREVBAK"), second);
    EXPECT_EQ(WordFile("BREVDAT").real(446), 777.0f);
    EXPECT_EQ(WordFile("BREVDAT").real(498), 35.0f);

    edit_on_disk({{447, real_word(62.4f)}});
    const std::string third = file_bytes("BREVDAT");
    r = run_brevant("M\nJ1\n4\n778\nL\n1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(files_here(), (Files{"BREVBAK", "BREVDAT", "LASTBAK", "LOWDAT"}));
    EXPECT_EQ(file_bytes("LASTBAK"), second);
    EXPECT_EQ(file_bytes("BREVBAK"), third);
    EXPECT_EQ(WordFile("BREVDAT").real(446), 778.0f);
    EXPECT_EQ(WordFile("BREVDAT").real(447), 62.4f);
}

// A coefficient file that loads as it stands (the sample's with 4 zero bytes after it, or framed by
// its byte counts) is the session's own: a save of an edit of the data file alone (the water depth)
// leaves it as it is, with no back-up made of it and nothing said.
TEST(EditorSession, ACoefficientFileThatLoadsAsItStandsIsNotRewrittenByASave) {
    struct Case {
        const char* what;
        std::string (*form)(const std::string& sample);
    };
    const Case cases[] = {
        {"4 zero bytes after it", [](const std::string& sample) { return sample + std::string(4, '\0'); }},
        {"framed", [](const std::string& sample) {
             const std::string count = testing::big_endian({static_cast<std::uint32_t>(sample.size())});
             return count + sample + count;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        copy_sample();
        const std::string coefficients = c.form(file_bytes("LOWDAT"));
        put_file("LOWDAT", coefficients);
        const ProgramResult r = run_brevant("M\nJ1\n4\n777\nL\n1\n");
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out.find("LOWDAT"), std::string::npos) << r.out;
        EXPECT_EQ(files_here(), (Files{"BREVBAK", "BREVDAT", "LOWDAT"}));
        EXPECT_EQ(file_bytes("LOWDAT"), coefficients);
        EXPECT_EQ(WordFile("BREVDAT").real(446), 777.0f);
    }
}

// A case whose coefficient file has gone: the load reports it, puts the built-in models in place of
// the user tables, and the save writes the coefficient file again, so the next load is clean.
TEST(EditorSession, LostCoefficientFileIsReportedOnceAndWrittenByTheSave) {
    testing::ScratchDir dir;
    create_case();
    std::filesystem::remove("LOWDAT");
    ProgramResult r = run_brevant("M\n\nL\n1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(" ++> LOWDAT file not found."), std::string::npos);
    EXPECT_EQ(files_here(), (Files{"BREVBAK", "BREVDAT", "DATUPWRN.stxt", "LOWDAT"}));
    EXPECT_EQ(WordFile("BREVDAT").integer(774), 0x666);
    EXPECT_EQ(WordFile("BREVDAT").integer(775), 0x444);
    EXPECT_EQ(WordFile("BREVDAT").integer(787), 0x222);
    EXPECT_EQ(file_bytes("LOWDAT").size(), 4u * 680);

    const std::string data = file_bytes("BREVDAT");
    const std::string coefficients = file_bytes("LOWDAT");
    r = run_brevant("M\nL\n2\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.find("LOWDAT file not found"), std::string::npos);
    EXPECT_EQ(file_bytes("BREVDAT"), data);
    EXPECT_EQ(file_bytes("LOWDAT"), coefficients);
}

TEST(EditorSession, ExitWithoutSavingWarnsAbortReturnsAndReturnLosesTheChange) {
    testing::ScratchDir dir;
    create_case();
    const std::string before = file_bytes("BREVDAT");
    // The water depth typed on page 1.
    const ProgramResult r = run_brevant("M\nJ1\n4\n777\nL\n2\nA\n2\n\n");
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string warning = "\n\n" + std::string(24, ' ') +
                                ">>> WARNING <<<\n\n"
                                " This action will result in the loss of data changes to BREVDAT or LOWDAT\n"
                                " made during this editing session. If you wish to \"Abort\" this\n"
                                " decision and reinspect your data, enter \"A\" below.\n";
    EXPECT_EQ(count_of(r.out, warning), 2u) << r.out;
    // "A" leads back to the last page; Return ends the run.
    EXPECT_EQ(pages_drawn(r.out.substr(r.out.find(warning))), (std::vector<int>{17}));
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT"}));
    EXPECT_EQ(file_bytes("BREVDAT"), before);
}

TEST(EditorSession, NavigationThroughThePageChain) {
    constexpr std::uint32_t kOn = 1;
    struct Case {
        const char* what;
        std::uint32_t semi, wind, current;
        const char* script;
        std::vector<int> pages;
    };
    const Case cases[] = {
        {"forward from 4, ship hull", 0, kOn, kOn, "J4\n\n", {1, 4, 6}},
        {"forward from 4, member-built hull", kOn, kOn, kOn, "J4\n\n", {1, 4, 5}},
        {"back from 6", kOn, kOn, kOn, "J6\nB\n", {1, 6, 4}},
        {"skip on 3", 0, kOn, kOn, "J3\nS\n", {1, 3, 6}},
        {"jump to 9, wind off", 0, 0, kOn, "J9\n", {1, 10}},
        {"jump to 9, wind and current off", 0, 0, 0, "J9\n", {1, 11}},
        {"jump without a number", 0, kOn, kOn, "J5\nJ\n", {1, 6, 1}},
        {"jump to 19", 0, kOn, kOn, "J5\nJ19\n", {1, 6, 1}},
        {"back from 1", 0, kOn, kOn, "B\n", {1, 17}},
        {"Return on the last page", 0, kOn, kOn, "L\n\n", {1, 17, 1}},
        {"skip on the last page", 0, kOn, kOn, "L\nS\n", {1, 17, 2}},
    };
    for (const Case& c : cases) {
        testing::ScratchDir dir;
        create_case();
        // With the member capacity (word 3663) that page 5 sets on entry, a visit changes nothing.
        edit_on_disk({{791, c.semi}, {175, c.wind}, {176, c.current}, {3663, 50}});
        const ProgramResult r = run_brevant(std::string("M\n") + c.script + "L\n2\n");
        EXPECT_EQ(r.status, 0) << c.what << r.err;
        std::vector<int> expected = c.pages;
        expected.push_back(17);
        EXPECT_EQ(pages_drawn(r.out), expected) << c.what;
        EXPECT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT"}));
    }
}

// What the load sets (and the last page, which clears bit 12 of the output options) is no edit: a
// save of the case as loaded writes nothing. A save of an edit (the water depth of page 1) keeps it.
TEST(EditorSession, NormalLoadSetsAMinimumPeriodOnlyWhereNoneIsSet) {
    struct Case {
        float stored, saved;
    };
    for (const Case& c : {Case{0.0f, 35.0f}, Case{-4.0f, 35.0f}, Case{20.0f, 20.0f}}) {
        for (const bool edited : {false, true}) {
            SCOPED_TRACE(::testing::Message() << c.stored << (edited ? ", edited" : ", as loaded"));
            testing::ScratchDir dir;
            create_case();
            edit_on_disk({{498, real_word(c.stored)}, {180, 1u << 11}});
            const std::string before = file_bytes("BREVDAT");
            const ProgramResult r = run_brevant(edited ? "M\nJ1\n4\n777\nL\n1\n" : "M\nL\n1\n");
            ASSERT_EQ(r.status, 0) << r.err;
            if (edited) {
                EXPECT_EQ(WordFile("BREVDAT").real(498), c.saved);
                EXPECT_EQ(WordFile("BREVDAT").word(180), 0u);
                EXPECT_EQ(file_bytes("BREVBAK"), before);
            } else {
                EXPECT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT"}));
                EXPECT_EQ(file_bytes("BREVDAT"), before);
            }
        }
    }
}

// Pages of the default case (ship hull, wind and current off) in the order the walk writes them.
const std::vector<int> kShownPages = {1, 2, 3, 4, 6, 7, 8, 11, 12, 13, 14, 15};

void expect_echo_of_every_page(const std::string& echo) {
    EXPECT_EQ(count_of(echo, "Welcome to Brevant"), 1u);
    EXPECT_EQ(pages_drawn(echo), kShownPages);
    EXPECT_LT(echo.find("Welcome to Brevant"), echo.find("Page 1:"));
    EXPECT_EQ(echo.find("Enter"), std::string::npos);  // nothing is asked while echoing
}

TEST(EditorSession, ExecuteAtTheTitleScreenGoesStraightToTheAnalysis) {
    testing::ScratchDir dir;
    create_case();
    make_runnable();
    make_box_on_grid();
    // A case that runs as it stands: none of the settings of a normal load is forced. The echo of
    // page 6 raises the empty user tables' counts to 2, as the page does whenever it is shown: no
    // edit, so neither file is saved. The vessel summary stays on (word 104 is 0): motion phase 1
    // writes its own file beside the report.
    edit_on_disk({{498, real_word(0.0f)}, {104, 0}, {32, 12}});
    const std::string before = file_bytes("BREVDAT");
    // Nothing beyond the start letter may be read: a read would meet the end of the input.
    const ProgramResult r = run_brevant("E\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(pages_drawn(r.out).empty()) << r.out;
    EXPECT_NE(r.out.find(kRunBanner), std::string::npos);
    EXPECT_EQ(r.out.find("The analysis is not available yet."), std::string::npos);
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "BREVIN.stxt", "BREVOUT.stxt", "KORVSUM.stxt", "LOWDAT"}));
    EXPECT_EQ(file_bytes("BREVOUT.stxt").substr(0, 2), "\f\n");
    EXPECT_EQ(file_bytes("BREVDAT"), before);
    expect_echo_of_every_page(file_bytes("BREVIN.stxt"));
}

// An execute choice echoes every page and saves what was edited (the water depth, item 4 of page 1)
// with what the last page set (bit 12 of the output options cleared). What the editor alone set is
// no edit: with nothing edited the data file stays as it was.
TEST(EditorSession, ExecuteChoicesEchoEveryPageOnceAndSave) {
    struct Case {
        const char* what;
        const char* script;
        std::vector<int> screen_pages;
        bool edited;
    };
    const Case cases[] = {
        {"letter E on a page", "M\n4\n150\nJ3\nE\n", {1, 1, 3}, true},
        {"End of Session item 3", "M\n4\n150\nL\n3\n", {1, 1, 17}, true},
        {"End of Session item 3, nothing edited", "M\nL\n3\n", {1, 17}, false},
    };
    for (const Case& c : cases) {
        testing::ScratchDir dir;
        create_case();
        make_runnable();
        make_box_on_grid();
        edit_on_disk({{180, 1u << 11}});  // cleared on the last page
        const std::string before = file_bytes("BREVDAT");
        const ProgramResult r = run_brevant(c.script);
        EXPECT_EQ(r.status, 0) << c.what << r.err;
        EXPECT_EQ(pages_drawn(r.out), c.screen_pages) << c.what;
        EXPECT_NE(r.out.find(kRunBanner), std::string::npos) << c.what;
        // The echo of page 6 raises the empty user tables' counts to 2: after an edit, that is saved
        // with it; in a case as loaded it is page 6's own setting, and nothing is saved.
        if (c.edited) {
            EXPECT_EQ(files_here(),
                      (Files{"BREVBAK", "BREVDAT", "BREVIN.stxt", "BREVOUT.stxt", "LOWBAK", "LOWDAT"})) << c.what;
            EXPECT_EQ(file_bytes("BREVBAK"), before);
            EXPECT_EQ(WordFile("BREVDAT").real(446), 150.0f);
            EXPECT_EQ(WordFile("BREVDAT").integer(180), 0);
        } else {
            EXPECT_EQ(files_here(), (Files{"BREVDAT", "BREVIN.stxt", "BREVOUT.stxt", "LOWDAT"})) << c.what;
            EXPECT_EQ(file_bytes("BREVDAT"), before);
        }
        expect_echo_of_every_page(file_bytes("BREVIN.stxt"));
    }
}

TEST(EditorSession, SilentExecuteWritesTheConsoleToDiagnostics) {
    testing::ScratchDir dir;
    create_case();
    make_runnable();
    make_box_on_grid();
    const ProgramResult r = run_brevant("M\nL\n4\n");
    EXPECT_EQ(r.status, 0) << r.err;
    // The echo of page 6 raises the empty user tables' counts to 2, as the page does whenever it is
    // shown: no edit, so nothing is saved.
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "BREVIN.stxt", "BREVOUT.stxt", "Diagnostics.stxt", "LOWDAT"}));
    EXPECT_EQ(r.out.find(kRunBanner), std::string::npos);
    EXPECT_NE(file_bytes("Diagnostics.stxt").find(kRunBanner), std::string::npos);
    EXPECT_NE(file_bytes("BREVOUT.stxt").find("Velmora Quasi-Static Environmental Characteristics"), std::string::npos);
    expect_echo_of_every_page(file_bytes("BREVIN.stxt"));
}

TEST(EditorSession, FatalFindingEndsASilentRunWithoutSavingOrAnalysis) {
    testing::ScratchDir dir;
    create_case();  // no water depth: a fatal finding
    edit_on_disk({{180, 1u << 11}});
    const std::string before = file_bytes("BREVDAT");
    const ProgramResult r = run_brevant("M\nL\n4\n");
    EXPECT_EQ(r.status, 1);
    // The screen shows nothing of a silent run: one line on standard error says where to look.
    EXPECT_EQ(r.err, " ++> Fatal findings stop the silent run: see \"Diagnostics.stxt\".\n");
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "Diagnostics.stxt", "LOWDAT"}));
    EXPECT_EQ(file_bytes("BREVDAT"), before);
    const std::string diagnostics = file_bytes("Diagnostics.stxt");
    EXPECT_NE(diagnostics.find(" ++> Fatal Warning: The water depth is nonpositive."), std::string::npos);
    EXPECT_EQ(diagnostics.find(kRunBanner), std::string::npos);
}

TEST(EditorSession, FatalFindingKeepsAnInteractiveRunOnTheLastPage) {
    testing::ScratchDir dir;
    create_case();
    const std::string before = file_bytes("BREVDAT");
    // Execute, the pauses of the findings (twelve: the one after the seventh and the one after the
    // last), then leave without saving.
    const ProgramResult r = run_brevant("M\nL\n3\n\n\n2\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(" ++> Fatal Warning: The water depth is nonpositive."), std::string::npos);
    EXPECT_EQ(pages_drawn(r.out), (std::vector<int>{1, 17, 17}));
    EXPECT_EQ(r.out.find(kRunBanner), std::string::npos);
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT"}));
    EXPECT_EQ(file_bytes("BREVDAT"), before);
}

TEST(EditorSession, PageDumpWritesEveryPageAndComesBackToTheLastPage) {
    testing::ScratchDir dir;
    create_case();
    const std::string before = file_bytes("BREVDAT"), coefficients = file_bytes("LOWDAT");
    // The dump of page 6 raises the empty user tables' counts to 2, as the page does whenever it is
    // shown: no edit, so leaving warns of nothing.
    const ProgramResult r = run_brevant("M\nL\n5\n2\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.find("This action will result in the loss of data changes"), std::string::npos);
    EXPECT_EQ(file_bytes("LOWDAT"), coefficients);
    EXPECT_EQ(pages_drawn(r.out), (std::vector<int>{1, 17, 17}));
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "BREVIN.stxt", "LOWDAT"}));
    EXPECT_EQ(file_bytes("BREVDAT"), before);
    expect_echo_of_every_page(file_bytes("BREVIN.stxt"));
}

TEST(EditorSession, EndOfInputOnAPageStopsWithoutSaving) {
    testing::ScratchDir dir;
    create_case();
    edit_on_disk({{498, real_word(0.0f)}});
    const std::string before = file_bytes("BREVDAT");
    const ProgramResult r = run_brevant("M\nJ4\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, " ++> End of input: the program stops without saving.\n");
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT"}));
    EXPECT_EQ(file_bytes("BREVDAT"), before);
}

// The editor words 700-702 of a file are session state, not a choice of the user: a saved case that
// holds other values there (or an old file whose resize carries a word there) opens like any other,
// and nothing is saved, echoed or run unless the user asks.
TEST(EditorSession, SessionWordsInAFileStartNoWalkSaveOrRun) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, std::uint32_t>> words;
        const char* script;
    };
    const Case cases[] = {
        {"page-dump walk under way", {{702, 1}}, "M\n\nL\n2\n"},
        {"execute code and a page number", {{700, static_cast<std::uint32_t>(-1983)}, {701, 7}}, "M\n\nL\n2\n"},
        // Version 5.5, old layout: the resize opens 200 words at word 500, so word 502 becomes LCOPY.
        // The load reports the older version (Return goes on); the update changes the case, so leaving
        // without saving warns first (Return leaves).
        {"version 5.5, word 502 set", {{217, real_word(5.5f)}, {15, 0}, {502, 1}}, "M\n\n\nL\n2\n\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        create_case();
        edit_on_disk(c.words);
        const std::string before = file_bytes("BREVDAT");
        const ProgramResult r = run_brevant(c.script);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        // Page 1 is drawn and read (Return: page 2), "L" on page 2 leads to the End of Session page.
        EXPECT_EQ(pages_drawn(r.out), (std::vector<int>{1, 2, 17}));
        EXPECT_EQ(file_bytes("BREVDAT"), before);
        EXPECT_FALSE(std::filesystem::exists("BREVBAK"));
        EXPECT_FALSE(std::filesystem::exists("BREVIN.stxt"));
    }
}

// A new case is saved with its coefficient file, so that it reopens with nothing to report: no
// missing-"LOWDAT" text, no question beyond the pages (one more read would meet the end of the input),
// both files as they were, and the user-table model words as saved.
TEST(EditorSession, NewCaseReopensWithNothingToReport) {
    testing::ScratchDir dir;
    create_case();
    const std::string data = file_bytes("BREVDAT");
    const std::string coefficients = file_bytes("LOWDAT");
    const ProgramResult r = run_brevant("M\nL\n2\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.find("LOWDAT"), std::string::npos);
    EXPECT_EQ(pages_drawn(r.out), (std::vector<int>{1, 17}));
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT"}));
    EXPECT_EQ(file_bytes("BREVDAT"), data);
    EXPECT_EQ(file_bytes("LOWDAT"), coefficients);
    for (int k : {774, 775, 787}) EXPECT_EQ(WordFile("BREVDAT").integer(k), 273) << "word " << k;
}

// A member-built hull with a drift model that shows page 16, where item 1 is edited (choice 2), and
// the case saved from the last page.
constexpr const char* kEditPage16AndSave = "M\nJ16\n1\n2\nL\n1\n\n";

void prepare_page16_case() {
    create_case();
    edit_on_disk({{791, 1}, {787, 0x555}});
}

std::vector<std::string> temporaries_here() {
    std::vector<std::string> names;
    for (const std::string& name : files_here())
        if (name.find(".brvtmp") != std::string::npos) names.push_back(name);
    return names;
}

// The mode bits of the data file decide, whoever runs the program (root included): a file its owner
// may not write is not replaced and the save ends with the access error; a writable one is replaced
// and keeps its mode.
TEST(EditorSession, ProtectedDataFileIsNotReplaced) {
    namespace fs = std::filesystem;
    struct Case {
        fs::perms mode;
        int status;
    };
    const auto m0444 = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    const auto m0640 = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    for (const Case& c : {Case{m0444, 1}, Case{m0640, 0}}) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        testing::ScratchDir dir;
        prepare_page16_case();
        const std::string before = file_bytes("BREVDAT");
        fs::permissions("BREVDAT", c.mode);
        const ProgramResult r = run_brevant(kEditPage16AndSave);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_EQ(fs::status("BREVDAT").permissions(), c.mode);
        EXPECT_TRUE(temporaries_here().empty());
        if (c.status == 1) {
            const auto error = r.out.find(" ++> File not found or file access error in BrevEdit");
            ASSERT_NE(error, std::string::npos) << r.out;
            EXPECT_EQ(r.out.find("\n     File name: BREVDAT ", error), r.out.find('\n', error)) << r.out;
            EXPECT_EQ(file_bytes("BREVDAT"), before);
            EXPECT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT"}));
            // The page came back after the pause, and the input ended there: nothing was saved.
            EXPECT_NE(r.out.find("End of Session", error), std::string::npos);
            EXPECT_EQ(r.err, std::string(kEndOfInputMessage) + "\n");
        } else {
            EXPECT_EQ(WordFile("BREVDAT").integer(143), 1);  // SQLFRC: the second choice
            EXPECT_EQ(file_bytes("BREVBAK"), before);
        }
        fs::permissions("BREVDAT", fs::perms::owner_all);
    }
}

// A save beyond the file-size limit of the process fails like a full disk: reported, status 1, the
// data file as it was and no temporary left, instead of the process being killed by the limit's signal.
TEST(EditorSession, SaveBeyondTheFileSizeLimitFailsCleanly) {
    testing::ScratchDir dir;
    prepare_page16_case();
    const std::string before = file_bytes("BREVDAT");
    ASSERT_GT(before.size(), 10u * 1024);
    std::filesystem::create_directories(".run");
    put_file(".run/answers.txt", kEditPage16AndSave);
    // Only the program runs under the limit (10 KiB); its screen goes through a pipe, which the limit
    // does not cover, and its status through a file of a few bytes.
    const std::string command = std::string("bash -c \"(ulimit -f 10 && '") + BREVANT_BINARY +
                                "' < .run/answers.txt 2> .run/err.txt; echo \\$? > .run/status.txt) | cat > .run/out.txt\"";
    ASSERT_EQ(platform::run_command(command), 0);
    const std::string status = file_bytes(".run/status.txt");
    EXPECT_EQ(status, "1\n") << file_bytes(".run/err.txt");
    const std::string out = file_bytes(".run/out.txt");
    EXPECT_NE(out.find(" ++> File not found or file access error in BrevEdit"), std::string::npos) << out;
    EXPECT_EQ(file_bytes("BREVDAT"), before);
    EXPECT_TRUE(temporaries_here().empty());
}

// Runs the program with FIRST on its input, waits (at most about 20 s) until the End of Session page
// has been drawn PAGES times, then makes "BREVDAT" writable (0644) as the user would from another
// shell while the program waits at the page, and sends THEN.
ProgramResult run_making_writable_at_the_page(const std::string& first, int pages, const std::string& then) {
    std::filesystem::create_directories(".run");
    put_file(".run/first.txt", first);
    put_file(".run/then.txt", then);
    put_file(".run/out.txt", "");
    const std::string feed = "cat .run/first.txt; for i in $(seq 1 400); do "
                             "[ $(grep -c 'End of Session' .run/out.txt) -ge " +
                             std::to_string(pages) + " ] && break; sleep 0.05; done; chmod 644 BREVDAT; cat .run/then.txt";
    put_file(".run/feed.sh", feed);
    const std::string command = std::string("bash .run/feed.sh | '") + BREVANT_BINARY +
                                "' > .run/out.txt 2> .run/err.txt; echo $? > .run/status.txt";
    ProgramResult r;
    r.status = platform::run_command("bash -c \"" + command + "\"") == 0 ? std::stoi(file_bytes(".run/status.txt")) : -1;
    r.out = file_bytes(".run/out.txt");
    r.err = file_bytes(".run/err.txt");
    return r;
}

// A save that fails on a read-only data file keeps the session: the access error and its pause,
// then the End of Session page again with the edit (a depth of 120) still in memory and nothing on
// disk changed. Made writable while the page waits, "1" saves the edit; "2" leaves it unsaved. An
// execute ("E" on a page) starts no run and writes no echo or report while its save fails.
TEST(EditorSession, FailedSaveOfAReadOnlyDataFileReturnsToTheLastPage) {
    namespace fs = std::filesystem;
    const auto m0444 = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    const auto m0644 = m0444 | fs::perms::owner_write;
    struct Case {
        const char* what;
        const char* first;  // up to the page drawn again after the failed save
        int pages;          // End of Session pages drawn by then
        const char* then;   // nullptr: the file stays read-only and the rest follows at once
        int status;
        bool saved;
        bool ran;
    };
    const Case cases[] = {
        {"save, made writable, save again", "M\n4\n120\nL\n1\n\n", 2, "1\n", 0, true, false},
        {"save, then leave without saving", "M\n4\n120\nL\n1\n\n2\n\n", 2, nullptr, 0, false, false},
        // The failed save is no decision of its own: the execute chosen next runs the case.
        {"save, made writable, execute", "M\n4\n120\nL\n1\n\n", 2, "3\n", 0, true, true},
        {"execute, made writable, execute again", "M\n4\n120\nE\n\n", 1, "3\n", 0, true, true},
        {"execute, then leave without saving", "M\n4\n120\nE\n\n2\n\n", 1, nullptr, 0, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        create_case();
        make_runnable();
        make_box_on_grid();
        const std::string before = file_bytes("BREVDAT");
        fs::permissions("BREVDAT", m0444);
        const ProgramResult r =
            c.then ? run_making_writable_at_the_page(c.first, c.pages, c.then) : run_brevant(c.first);
        EXPECT_EQ(r.status, c.status) << r.err;
        const auto error = r.out.find(" ++> File not found or file access error in BrevEdit");
        ASSERT_NE(error, std::string::npos) << r.out;
        EXPECT_NE(r.out.find("     File name: BREVDAT", error), std::string::npos);
        // The page comes back after the pause, and the run (when there is one) only after that.
        const auto page_again = r.out.find("End of Session", r.out.find("Press <RETURN> to continue: ", error));
        EXPECT_NE(page_again, std::string::npos) << r.out;
        const auto run = r.out.find(kRunBanner);
        EXPECT_EQ(run != std::string::npos, c.ran);
        if (c.ran) {
            EXPECT_GT(run, page_again);
        }
        EXPECT_TRUE(temporaries_here().empty());
        if (c.saved) {
            EXPECT_EQ(WordFile("BREVDAT").real(446), 120.0f);
            EXPECT_EQ(file_bytes("BREVBAK"), before);
            EXPECT_EQ(fs::status("BREVDAT").permissions(), m0644);
        } else {
            EXPECT_EQ(file_bytes("BREVDAT"), before);
            EXPECT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT"}));
        }
        if (c.ran) {
            // The echo is of the case as saved.
            const std::string echo = file_bytes("BREVIN.stxt");
            expect_echo_of_every_page(echo);
            EXPECT_TRUE(std::regex_search(echo, std::regex(" 4\\) Site water depth: +120\\.00"))) << echo;
            EXPECT_TRUE(fs::exists("BREVOUT.stxt"));
        }
        fs::permissions("BREVDAT", fs::perms::owner_all);
    }
}

// Under a file-size limit below the data file's size, the save fails, the page comes back, and "2"
// (Return at the loss warning) leaves with status 0, the data file unchanged and no temporary.
TEST(EditorSession, SaveBeyondTheFileSizeLimitKeepsTheSession) {
    testing::ScratchDir dir;
    prepare_page16_case();
    const std::string before = file_bytes("BREVDAT");
    ASSERT_GT(before.size(), 10u * 1024);
    std::filesystem::create_directories(".run");
    put_file(".run/answers.txt", std::string(kEditPage16AndSave) + "2\n\n");
    const std::string command = std::string("bash -c \"(ulimit -f 10 && '") + BREVANT_BINARY +
                                "' < .run/answers.txt 2> .run/err.txt; echo \\$? > .run/status.txt) | cat > .run/out.txt\"";
    ASSERT_EQ(platform::run_command(command), 0);
    EXPECT_EQ(file_bytes(".run/status.txt"), "0\n") << file_bytes(".run/err.txt");
    const std::string out = file_bytes(".run/out.txt");
    const auto error = out.find(" ++> File not found or file access error in BrevEdit");
    ASSERT_NE(error, std::string::npos) << out;
    EXPECT_NE(out.find("End of Session", error), std::string::npos);
    EXPECT_NE(out.find("This action will result in the loss of data changes", error), std::string::npos);
    EXPECT_EQ(file_bytes("BREVDAT"), before);
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT"}));
}

// On a terminal the end-of-input line starts on a line of its own, not after the prompt it ended.
TEST(EditorSession, EndOfInputOnATerminalStartsItsOwnLine) {
    testing::ScratchDir dir;
    if (platform::run_command("command -v script > /dev/null 2>&1") != 0) GTEST_SKIP() << "no script command";
    std::filesystem::create_directories(".run");
    // The program's standard output and error are a terminal; its input is empty.
    const std::string command = std::string("script -qec \"'") + BREVANT_BINARY +
                                "' < /dev/null\" /dev/null < /dev/null > .run/tty.txt 2>&1";
    platform::run_command(command);
    std::string tty = file_bytes(".run/tty.txt");
    std::erase(tty, '\r');
    const std::string message = " ++> End of input: the program stops without saving.";
    const auto at = tty.find(message);
    ASSERT_NE(at, std::string::npos) << tty;
    const std::string prompt = " Enter letter of selection: ";
    ASSERT_GE(at, prompt.size() + 1);
    EXPECT_EQ(tty.substr(at - prompt.size() - 1, prompt.size() + 1), prompt + "\n") << tty;
}

// Whatever number is typed at the pause of a help screen (it lands in the page counter) the walk goes
// on as it would for a small one, and a session left without saving leaves the case as it was. Under
// the sanitizers an overflow of the counter would end the run with status 1.
TEST(EditorSession, AnyNumberTypedAtAHelpPauseLeavesTheWalkAsItWas) {
    struct Case {
        const char* what;
        const char* script;
        std::vector<int> pages;
    };
    const Case cases[] = {
        {"page 1 help, one past the integer range", "?\n2147483648\n\n", {1, 1, 2}},
        {"page 1 help, a small number", "?\n5\n\n", {1, 1, 2}},
        {"page 1 help, below the integer range", "?\n-2147483649\n\n", {1, 1, 2}},
        {"page 12 help, a real far beyond the range", "J12\n?3\n1e38\n\n", {1, 12, 12, 13}},
        {"last page help, two short of the largest integer", "L\n?3\n2147483646\n\n", {1, 17, 17, 1}},
        {"page 8 help, then forward through the later pages", "J8\n?3\n40\n\n\n", {1, 8, 8, 9, 10}},
        {"page 1 help, then a jump", "?\n-7\nJ9\n", {1, 1, 9}},
        {"page 1 help, then back to the last page", "?\n17\nB\n", {1, 1, 17}},
    };
    for (const Case& c : cases) {
        testing::ScratchDir dir;
        copy_sample();
        const std::string case_before = file_bytes("BREVDAT");
        const std::string tables_before = file_bytes("LOWDAT");
        const ProgramResult r = run_brevant(std::string("M\n") + c.script + "L\n2\n");
        EXPECT_EQ(r.status, 0) << c.what << "\n" << r.err;
        EXPECT_EQ(r.err, "") << c.what;
        std::vector<int> expected = c.pages;
        expected.push_back(17);
        EXPECT_EQ(pages_drawn(r.out), expected) << c.what;
        EXPECT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT"})) << c.what;
        EXPECT_EQ(file_bytes("BREVDAT"), case_before) << c.what;
        EXPECT_EQ(file_bytes("LOWDAT"), tables_before) << c.what;
    }
}

}  // namespace
}  // namespace brevant::e2e

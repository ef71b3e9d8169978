// Whole editor sessions of the built program in an empty folder: creating and saving a case, back-up
// generations, leaving without saving, navigation, the forced settings of a load, execution.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

// The numbers of the editor pages in a transcript, in the order they were drawn.
std::vector<int> pages_drawn(const std::string& text) {
    std::vector<int> pages;
    const std::regex header("Page ([0-9]+):");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), header); it != std::sregex_iterator(); ++it)
        pages.push_back(std::stoi((*it)[1].str()));
    return pages;
}

TEST(EditorSession, CreateSaveAndExitWritesOnlyTheDataFile) {
    testing::ScratchDir dir;
    const ProgramResult r = run_brevant("C\nL\n1\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    ASSERT_EQ(files_here(), Files{"BREVDAT"});
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
    ProgramResult r = run_brevant("C\nL\n1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string first = file_bytes("BREVDAT");
    // The reload reports the missing "LOWDAT" (Return goes on) and puts built-in coefficient models
    // in place of the user tables: the case has changed.
    r = run_brevant("M\n\nL\n1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(" ++> LOWDAT file not found."), std::string::npos);
    EXPECT_EQ(files_here(), (Files{"BREVBAK", "BREVDAT", "DATUPWRN.stxt"}));
    EXPECT_EQ(file_bytes("BREVBAK"), first);
    EXPECT_EQ(WordFile("BREVDAT").integer(775), 0x444);

    // A save with no change writes nothing.
    const std::string second = file_bytes("BREVDAT");
    const auto stamp = std::filesystem::last_write_time("BREVDAT");
    r = run_brevant("M\nL\n1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(files_here(), (Files{"BREVBAK", "BREVDAT", "DATUPWRN.stxt"}));
    EXPECT_EQ(file_bytes("BREVDAT"), second);
    EXPECT_EQ(file_bytes("BREVBAK"), first);
    EXPECT_EQ(std::filesystem::last_write_time("BREVDAT"), stamp);

    // The third save, after an edit of one value: a minimum low-frequency period of 0 on disk,
    // which the load sets to 35 s.
    edit_on_disk({{498, real_word(0.0f)}});
    const std::string third = file_bytes("BREVDAT");
    r = run_brevant("M\nL\n1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(files_here(), (Files{"BREVBAK", "BREVDAT", "DATUPWRN.stxt", "LASTBAK"}));
    EXPECT_EQ(file_bytes("LASTBAK"), first);
    EXPECT_EQ(file_bytes("BREVBAK"), third);
    EXPECT_EQ(WordFile("BREVDAT").real(498), 35.0f);
}

TEST(EditorSession, ExitWithoutSavingWarnsAbortReturnsAndReturnLosesTheChange) {
    testing::ScratchDir dir;
    create_case();
    edit_on_disk({{498, real_word(0.0f)}});
    const std::string before = file_bytes("BREVDAT");
    const ProgramResult r = run_brevant("M\nL\n2\nA\n2\n\n");
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string warning = "\n\n" + std::string(24, ' ') +
                                ">>> WARNING <<<\n\n"
                                " This action will result in the loss of data changes to BREVDAT or LOWDAT\n"
                                " made during this editing session. If you wish to \"Abort\" this\n"
                                " decision and reinspect your data, enter \"A\" below.\n";
    EXPECT_EQ(count_of(r.out, warning), 2u) << r.out;
    // "A" leads back to the last page; Return ends the run.
    EXPECT_EQ(pages_drawn(r.out.substr(r.out.find(warning))), (std::vector<int>{17}));
    EXPECT_EQ(files_here(), Files{"BREVDAT"});
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
        edit_on_disk({{791, c.semi}, {175, c.wind}, {176, c.current}});
        const ProgramResult r = run_brevant(std::string("M\n") + c.script + "L\n2\n");
        EXPECT_EQ(r.status, 0) << c.what << r.err;
        std::vector<int> expected = c.pages;
        expected.push_back(17);
        EXPECT_EQ(pages_drawn(r.out), expected) << c.what;
        EXPECT_EQ(files_here(), Files{"BREVDAT"});
    }
}

TEST(EditorSession, NormalLoadSetsAMinimumPeriodOnlyWhereNoneIsSet) {
    struct Case {
        float stored, saved;
    };
    for (const Case& c : {Case{0.0f, 35.0f}, Case{-4.0f, 35.0f}, Case{20.0f, 20.0f}}) {
        testing::ScratchDir dir;
        create_case();
        // Bit 12 of the output options is cleared on the last page, so the case is saved in any event.
        edit_on_disk({{498, real_word(c.stored)}, {180, 1u << 11}});
        const ProgramResult r = run_brevant("M\nL\n1\n");
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(WordFile("BREVDAT").real(498), c.saved) << c.stored;
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
    // A case that runs as it stands: none of the settings of a normal load is forced, so nothing
    // changes and nothing is saved.
    edit_on_disk({{498, real_word(0.0f)}, {104, 0}, {32, 12}});
    const std::string before = file_bytes("BREVDAT");
    // Nothing beyond the start letter may be read: a read would meet the end of the input.
    const ProgramResult r = run_brevant("E\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(pages_drawn(r.out).empty()) << r.out;
    EXPECT_NE(r.out.find(" >>> The analysis is not available yet."), std::string::npos);
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "BREVIN.stxt"}));
    EXPECT_EQ(file_bytes("BREVDAT"), before);
    expect_echo_of_every_page(file_bytes("BREVIN.stxt"));
}

TEST(EditorSession, ExecuteChoicesEchoEveryPageOnceAndSave) {
    struct Case {
        const char* what;
        const char* script;
        std::vector<int> screen_pages;
    };
    const Case cases[] = {
        {"letter E on a page", "M\nJ3\nE\n", {1, 3}},
        {"End of Session item 3", "M\nL\n3\n", {1, 17}},
    };
    for (const Case& c : cases) {
        testing::ScratchDir dir;
        create_case();
        make_runnable();
        edit_on_disk({{180, 1u << 11}});  // cleared on the last page: the execute saves it
        const std::string before = file_bytes("BREVDAT");
        const ProgramResult r = run_brevant(c.script);
        EXPECT_EQ(r.status, 0) << c.what << r.err;
        EXPECT_EQ(pages_drawn(r.out), c.screen_pages) << c.what;
        EXPECT_NE(r.out.find(" >>> The analysis is not available yet."), std::string::npos);
        EXPECT_EQ(files_here(), (Files{"BREVBAK", "BREVDAT", "BREVIN.stxt"})) << c.what;
        EXPECT_EQ(file_bytes("BREVBAK"), before);
        EXPECT_EQ(WordFile("BREVDAT").integer(180), 0);
        expect_echo_of_every_page(file_bytes("BREVIN.stxt"));
    }
}

TEST(EditorSession, SilentExecuteWritesTheConsoleToDiagnostics) {
    testing::ScratchDir dir;
    create_case();
    make_runnable();
    const ProgramResult r = run_brevant("M\nL\n4\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "BREVIN.stxt", "Diagnostics.stxt"}));
    EXPECT_EQ(r.out.find("The analysis is not available yet."), std::string::npos);
    EXPECT_NE(file_bytes("Diagnostics.stxt").find(" >>> The analysis is not available yet."), std::string::npos);
    expect_echo_of_every_page(file_bytes("BREVIN.stxt"));
}

TEST(EditorSession, FatalFindingEndsASilentRunWithoutSavingOrAnalysis) {
    testing::ScratchDir dir;
    create_case();  // no water depth: a fatal finding
    edit_on_disk({{180, 1u << 11}});
    const std::string before = file_bytes("BREVDAT");
    const ProgramResult r = run_brevant("M\nL\n4\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "Diagnostics.stxt"}));
    EXPECT_EQ(file_bytes("BREVDAT"), before);
    const std::string diagnostics = file_bytes("Diagnostics.stxt");
    EXPECT_NE(diagnostics.find(" ++> Fatal Warning: The water depth is nonpositive."), std::string::npos);
    EXPECT_EQ(diagnostics.find("The analysis is not available yet."), std::string::npos);
}

TEST(EditorSession, FatalFindingKeepsAnInteractiveRunOnTheLastPage) {
    testing::ScratchDir dir;
    create_case();
    const std::string before = file_bytes("BREVDAT");
    // Execute, the pause after the findings, then leave without saving.
    const ProgramResult r = run_brevant("M\nL\n3\n\n2\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(" ++> Fatal Warning: The water depth is nonpositive."), std::string::npos);
    EXPECT_EQ(pages_drawn(r.out), (std::vector<int>{1, 17, 17}));
    EXPECT_EQ(r.out.find("The analysis is not available yet."), std::string::npos);
    EXPECT_EQ(files_here(), Files{"BREVDAT"});
    EXPECT_EQ(file_bytes("BREVDAT"), before);
}

TEST(EditorSession, PageDumpWritesEveryPageAndComesBackToTheLastPage) {
    testing::ScratchDir dir;
    create_case();
    const std::string before = file_bytes("BREVDAT");
    const ProgramResult r = run_brevant("M\nL\n5\n2\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(pages_drawn(r.out), (std::vector<int>{1, 17, 17}));
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "BREVIN.stxt"}));
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
    EXPECT_EQ(files_here(), Files{"BREVDAT"});
    EXPECT_EQ(file_bytes("BREVDAT"), before);
}

}  // namespace
}  // namespace brevant::e2e

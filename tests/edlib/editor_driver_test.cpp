// The editor driver: which page each navigation code leads to, the conditional slots, and the end of
// the edit, walked through the pages with scripted answers.
#include "edlib/editor_driver.h"

#include <gtest/gtest.h>

#include <bit>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <sstream>
#include <regex>
#include <string>
#include <vector>

#include "edlib/end_of_session.h"
#include "edlib/last_page.h"
#include "pre_run_case.h"
#include "sysutl/option_words.h"
#include "sysutl/record_io.h"
#include "sysutl/units.h"
#include "sysutl/word_ops.h"
#include "test_support.h"

namespace brevant {
namespace {

struct Hull {
    Logical semi;
    Int lwind, lcurnt;
};
constexpr Hull kShip{0, 1, 1};
constexpr Hull kMembers{1, 1, 1};

class DriverTest : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_images();
        reset_session();
        reset_end_of_session();
        reset_last_page();
        set_session_values();
    }
    void TearDown() override {
        reset_images();
        reset_session();
        reset_end_of_session();
        reset_last_page();
        ConsoleTest::TearDown();
    }
    // A row of a table, in its own scratch folder: the last page and the End of Session page as at
    // the start of a run, the screen captured (the scratch folder of the row before gave it back).
    void start_row() {
        reset_end_of_session();
        reset_last_page();
        capture_unit(SCREEN_UNIT);
    }
    // A loaded case of this program; the load copies match it, so nothing counts as changed.
    void load(const Hull& hull, Int lwvcof = 273) {
        reset_images();
        TPCM.NTOGO = NTOGOQ;
        TPCM.SIMTYP = 16;
        TPCM.CMPUTR = 5;
        TPCM.SEMI_LIKE = hull.semi;
        TPCM.LWIND = hull.lwind;
        TPCM.LCURNT = hull.lcurnt;
        TPCM.LWVCOF = lwvcof;
        take_as_loaded();
    }
    // The words every case of this program holds, and the load's copies of the case taken: the
    // irregular-wave page sets these on entry, and the member page brings the member capacity to 50,
    // and a page that changed the image would make the end of the edit ask about the changes.
    void take_as_loaded() {
        TPCM.N_OCHI_COMP = 2;
        TPCM.NSEAHG = 1;
        TPCM.NSEAHT() = 1;
        TPCM.MAXCYL = 50;
        MOVCOM(NTOGOQ, word_span(TPCM), word_span(SESSION.COPIES.IOBUF));
        MOVCOM(kLowcofWords, word_span(LOWCOF), word_span(SESSION.COPIES.ILOBUF));
        TPCM.EDUNIT = SCREEN_UNIT;
    }
    // A loaded case that the checks before a run pass: a metric ship with the wind and current off.
    void load_runnable() {
        testing::passing_ship();
        TPCM.PGYR = 37.5f;
        TPCM.RGYR = 8.75f;
        TPCM.YGYR = 37.5f;
        TPCM.DURATN = 1.0f;
        // The 2001 tanker drift with its shape and enhancement factors, the drift model of a ship.
        TPCM.LWVCOF = 0x666;
        TPCM.BOWFAC = 1.0f;
        TPCM.VWDFAC = 1.0f;
        TPCM.STRNFC = 1.25f;
        TPCM.WVFCX = TPCM.WVFCY = TPCM.WVFCM = 1.0f;
        TPCM.NWP = 30;
        for (int i = 1; i <= 30; ++i) TPCM.T(i) = 5.0f + 0.5f * static_cast<float>(i - 1);
        TPCM.NTOGO = NTOGOQ;
        TPCM.CMPUTR = 5;
        TPCM.LWIND = 0;
        TPCM.LCURNT = 0;
        take_as_loaded();
    }
    // Walks from page 1 with the answers; the walk ends the program inside FINISH. Returns the
    // numbers of the pages drawn, in order.
    std::vector<int> walk(const std::string& script, int expected_status = 0) {
        clear_captured(SCREEN_UNIT);
        answers(script);
        try {
            walk_page_chain(kFirstSlot);
            ADD_FAILURE() << "the edit did not end the program: " << script;
        } catch (const ProgramEnd& end) {
            EXPECT_EQ(end.status, expected_status) << script;
        }
        std::vector<int> pages;
        const std::string text = screen();
        const std::regex header("Page ([0-9]+):");
        for (auto it = std::sregex_iterator(text.begin(), text.end(), header); it != std::sregex_iterator(); ++it)
            pages.push_back(std::stoi((*it)[1].str()));
        return pages;
    }
};

TEST_F(DriverTest, NavigationLeadsToTheRightPage) {
    struct Case {
        const char* what;
        Hull hull;
        const char* script;
        std::vector<int> pages;
    };
    const Case cases[] = {
        {"forward from 4, ship hull", kShip, "J4\n\nL\n2\n", {1, 4, 6, 17}},
        {"forward from 4, member-built hull", kMembers, "J4\n\nL\n2\n", {1, 4, 5, 17}},
        {"back from 6, ship hull", kShip, "J6\nB\nL\n2\n", {1, 6, 4, 17}},
        {"back from 6, member-built hull", kMembers, "J6\nB\nL\n2\n", {1, 6, 4, 17}},
        {"skip on 3", kShip, "J3\nS\nL\n2\n", {1, 3, 6, 17}},
        {"skip on 4", kMembers, "J4\nS\nL\n2\n", {1, 4, 7, 17}},
        {"skip on 5", kMembers, "J4\n\nS\nL\n2\n", {1, 4, 5, 7, 17}},
        {"skip on 15 without page 16", kShip, "J15\nS\n2\n", {1, 15, 17}},
        {"jump to 5", kMembers, "J5\nL\n2\n", {1, 6, 17}},
        {"jump to 9, wind off", {0, 0, 1}, "J9\nL\n2\n", {1, 10, 17}},
        {"jump to 9, wind and current off", {0, 0, 0}, "J9\nL\n2\n", {1, 11, 17}},
        {"jump to 16 that is not shown", kShip, "J16\n2\n", {1, 17}},
        {"jump to 17", kShip, "J17\n2\n", {1, 17}},
        {"jump without a number", kShip, "J3\nJ\nL\n2\n", {1, 3, 1, 17}},
        {"jump to 19", kShip, "J3\nJ19\nL\n2\n", {1, 3, 1, 17}},
        {"back from 1", kShip, "B\n2\n", {1, 17}},
        {"back from 10 with wind off", {0, 0, 1}, "J10\nB\nL\n2\n", {1, 10, 8, 17}},
        {"first page", kShip, "J8\nF\nL\n2\n", {1, 8, 1, 17}},
        {"help on one item, one pause", kShip, "J6\n?26\n\nL\n2\n", {1, 6, 6, 17}},
        {"same page", kShip, "J2\nH\n\nL\n2\n", {1, 2, 2, 17}},
        {"unexpected letter on 3 goes back", kShip, "J3\nM\nL\n2\n", {1, 3, 2, 17}},
        {"unexpected letter on 11 goes on", kShip, "J11\nX\nL\n2\n", {1, 11, 12, 17}},
        {"a number that is no item goes on", kShip, "7\nL\n2\n", {1, 2, 17}},
        {"Return on the last page", kShip, "L\n\nL\n2\n", {1, 17, 1, 17}},
        {"skip on the last page", kShip, "L\nS\nL\n2\n", {1, 17, 2, 17}},
        {"back from the last page", kShip, "L\nB\nL\n2\n", {1, 17, 15, 17}},
        {"same last page", kShip, "L\nH\n\n2\n", {1, 17, 17}},
        {"last page again", kShip, "L\nL\n2\n", {1, 17, 17}},
        {"jump from the last page", kShip, "L\nJ7\nL\n2\n", {1, 17, 7, 17}},
        {"unexpected letter on the last page ends the edit", kShip, "L\nM\n", {1, 17}},
        {"skip on 14 to page 16", {1, 1, 1}, "J14\nS\nL\n2\n", {1, 14, 16, 17}},
        {"skip on page 16 to the last page", {1, 1, 1}, "J16\nS\n2\n", {1, 16, 17}},
        {"back from the last page to 16", {1, 1, 1}, "L\nB\nL\n2\n", {1, 17, 16, 17}},
        {"every page of a ship hull", kShip, "\n\n\n\n\n\n\n\n\n\n\n\n\n\n2\n",
         {1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 17}},
        {"every page of a member-built hull, wind and current off", {1, 0, 0},
         "\n\n\n\n\n\n\n\n\n\n\n\n\n\n2\n", {1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 13, 14, 15, 16, 17}},
    };
    for (const Case& c : cases) {
        // The member-built hulls of these cases use drift model 5 for Cx, so page 16 exists.
        load(c.hull, c.hull.semi != 0 ? 0x115 : 273);
        EXPECT_EQ(walk(c.script), c.pages) << c.what;
    }
}

TEST_F(DriverTest, PageSixteenNeedsAMemberBuiltHullWithDriftModelFiveOrSeven) {
    struct Case {
        Logical semi;
        Int fields[3];
        bool shown;
    };
    const Case cases[] = {
        {1, {1, 1, 1}, false}, {1, {5, 1, 1}, true}, {1, {1, 7, 1}, true}, {1, {2, 3, 7}, true},
        {1, {4, 6, 2}, false}, {0, {5, 5, 5}, false}, {1, {6, 6, 6}, false},
    };
    for (const Case& c : cases) {
        Int word = 0;
        for (Int f = 1; f <= 3; ++f) NIBSET(word, f, c.fields[f - 1], SCREEN_UNIT);
        NIBSET(word, 4, 5, SCREEN_UNIT);  // a fourth field plays no part
        load({c.semi, 1, 1}, word);
        EXPECT_EQ(slot_shown(16), c.shown) << c.semi << " " << c.fields[0] << c.fields[1] << c.fields[2];
    }
    load(kShip);
    EXPECT_FALSE(slot_shown(17));
    for (Int slot : {1, 2, 3, 4, 6, 7, 8, 11, 12, 13, 14, 15, 18}) EXPECT_TRUE(slot_shown(slot)) << slot;
}

TEST(DriverSlots, EveryCodeLeadsToADefinedSlot) {
    // After slots 1-9 an unexpected negative code steps back, a positive one goes on; after 10-17
    // every code goes on; after the last page every unlisted code ends the edit.
    for (Int slot = 1; slot <= 17; ++slot) {
        for (Int code : {-1989, -1988, -1987, -1986, -1985, -1978, -2, 5, 101, 999}) {
            const Int next = slot_after(slot, code, 0);
            const Int expected = slot <= 9 && code < -1 ? slot_after(slot, -1, 0) : slot + 1;
            EXPECT_EQ(next, expected) << "slot " << slot << " code " << code;
        }
    }
    for (Int code : {-2, 101, -1983, -1985, -1978, 5}) EXPECT_EQ(slot_after(kLastSlot, code, 0), 0) << code;
    for (Int n : {-3, 0, 19, 1000}) EXPECT_EQ(jump_slot(n), 1) << n;
    EXPECT_EQ(jump_slot(5), 6);
    EXPECT_EQ(jump_slot(18), 18);
}

TEST(DriverSlots, ThePageCounterStepsWithinTheHeldRangeAndNamesTheSlotOfTheUnheldStep) {
    // The slot a jump to the unheld value + 1 would name, by hand: 1..18 as they are (5 goes on
    // to 6), every other value slot 1.
    struct Case {
        Int IPAG;
        Int stepped;
        Int slot;
    };
    const Case cases[] = {
        {std::numeric_limits<Int>::min(), 1, 1},
        {-1, 1, 1},
        {0, 1, 1},
        {3, 4, 4},
        {4, 5, 6},
        {17, 18, 18},
        {18, 19, 1},  // the held range's upper end: one step past the last slot
        {19, 19, 1},
        {1000, 19, 1},
        {std::numeric_limits<Int>::max(), 19, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(stepped_page_counter(c.IPAG), c.stepped) << c.IPAG;
        EXPECT_EQ(jump_slot(stepped_page_counter(c.IPAG)), c.slot) << c.IPAG;
    }
}

TEST_F(DriverTest, BackingOutOfLosingChangesShowsTheLastPageAgain) {
    load(kShip);
    TPCM.LRANDM = 1;  // changed since the load
    testing::ScratchDir dir;
    capture_unit(SCREEN_UNIT);
    EXPECT_EQ(walk("L\n2\nA\n2\n\n"), (std::vector<int>{1, 17, 17}));
    EXPECT_NE(screen().find(">>> WARNING <<<"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(DriverTest, PageDumpWritesEveryShownPageOnceAndComesBackToTheLastPage) {
    struct Case {
        const char* what;
        Hull hull;
        Int lwvcof;
        std::vector<int> echoed;
    };
    const Case cases[] = {
        {"ship hull, wind and current on", kShip, 273, {1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
        {"member-built hull with drift model 7, wind off", {1, 0, 1}, 0x171,
         {1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 16}},
        {"member-built hull without drift model 5 or 7", {1, 1, 0}, 0x111,
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15}},
    };
    for (const Case& c : cases) {
        testing::ScratchDir dir;
        reset_last_page();
        reset_end_of_session();
        capture_unit(SCREEN_UNIT);
        load(c.hull, c.lwvcof);
        // The last page, the dump, then the last page again and leave without saving.
        EXPECT_EQ(walk("L\n5\n2\n"), (std::vector<int>{1, 17, 17})) << c.what;
        std::ifstream in("BREVIN.stxt");
        std::ostringstream echo;
        echo << in.rdbuf();
        const std::string text = echo.str();
        std::vector<int> pages;
        const std::regex header("Page ([0-9]+):");
        for (auto it = std::sregex_iterator(text.begin(), text.end(), header); it != std::sregex_iterator(); ++it)
            pages.push_back(std::stoi((*it)[1].str()));
        EXPECT_EQ(pages, c.echoed) << c.what;
        EXPECT_EQ(text.find("Enter"), std::string::npos) << c.what;  // nothing is asked while echoing
        EXPECT_EQ(HCDONE, 0) << c.what;  // a dump is not the echo of an execute choice
    }
}

TEST_F(DriverTest, SessionValuesAndTypeTable) {
    EXPECT_EQ(SESSION.DATFIL.view(), "BREVDAT     ");
    EXPECT_EQ(SESSION.BAKFIL.view(), "BREVBAK     ");
    EXPECT_EQ(SESSION.LOWFIL.view(), "LOWDAT      ");
    EXPECT_EQ(SESSION.LOWBAK.view(), "LOWBAK      ");
    EXPECT_EQ(SESSION.EDPRG.view(), "BrevEdit    ");
    EXPECT_EQ(SESSION.CREATQ, 16);
    EXPECT_EQ(SESSION.VERNQ, 6.8f);
    EXPECT_EQ(SESSION.NTOGOQ, 4975);
    EXPECT_EQ(SESSION.CMPUTQ, 5);
    EXPECT_NE(SESSION.LEASTQ, 3);
    EXPECT_EQ(STYP(16).view(), "BREVANT");
    EXPECT_EQ(STYP(10).view(), "MARDEK ");
    EXPECT_EQ(STYP(9).view(), "UNKNOWN");
    EXPECT_EQ(STYP(5).view(), "       ");
}

// Word K of a data file, a big-endian real, read without the program's record I/O.
float real_word_of(const std::string& path, int k) {
    const std::string bytes = testing::file_bytes(path);
    std::uint32_t w = 0;
    for (std::size_t i = 0; i < 4; ++i)
        w = (w << 8) | static_cast<unsigned char>(bytes.at(4 * static_cast<std::size_t>(k - 1) + i));
    return std::bit_cast<float>(w);
}

constexpr int kDepthWord = 446;

// A silent run whose "Diagnostics.stxt" can no longer take its name when the case is to be saved for
// the run (a folder has come to stand there since the console was opened beside it) is stopped
// before the save: nothing is written, standard error says the run cannot start, the access error
// names the file on the screen, and the End of Session page comes back there with the edit, which
// the user may still save or leave (here: leaves, warned of the loss).
TEST_F(DriverTest, ASilentConsoleThatCannotTakeItsNameIsFoundBeforeTheSave) {
    testing::ScratchDir dir;
    reset_units();
    capture_unit(SCREEN_UNIT);
    capture_unit(0);
    load_runnable();
    TPCM.DEPTH = 555.0f;  // an edit no save has kept
    // The silent run as item 4 starts it: its console beside the name, the run to execute.
    ASSERT_TRUE(open_silent_console_beside_its_name());
    TPCM.EDUNIT = SILENT_UNIT;
    TPCM.LBACK = -1983;
    std::filesystem::create_directories(std::string(kSilentFileName) + "/inside");
    answers("\n2\n\n");
    int status = -1;
    try {
        walk_page_chain(kLastSlot);
    } catch (const ProgramEnd& end) {
        status = end.status;
    }
    EXPECT_EQ(status, 0);
    EXPECT_EQ(captured(0),
              std::string(" ++> The silent run cannot start: \"") + kSilentFileName + "\" cannot be written.\n");
    const std::string text = screen();
    const auto error = text.find(std::string(" ++> File not found or file access error in BrevEdit    \n"
                                             "     File name: ") +
                                 kSilentFileName + "\n");
    ASSERT_NE(error, std::string::npos) << text;
    const auto page = text.find("End of Session", error);
    ASSERT_NE(page, std::string::npos) << text.substr(error);
    EXPECT_NE(text.find("This action will result in the loss of data changes", page), std::string::npos);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator("."))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{kSilentFileName}) << "nothing saved, no temporary left";
    EXPECT_TRUE(std::filesystem::is_directory(std::string(kSilentFileName) + "/inside"));
}

// A run (item 3, or item 4 silent) whose save finds the lock of the folder held by another program
// for longer than a save waits: the save is refused in words and the End of Session page comes back
// with the edit. While the refusal waits for Return (and at every other answer), no temporary stands
// in the folder: the run's echo, written before the save, is not left beside its name for a
// program ended at that pause to leave for good. Nothing is written.
TEST_F(DriverTest, ARunsSaveRefusedByTheLockLeavesNoTemporaryAtItsPause) {
    struct Row {
        const char* what;
        const char* choice;
        const char* err;  // standard error
    };
    const Row rows[] = {
        {"interactive", "3", ""},
        {"silent", "4", " ++> The silent run cannot start: the case cannot be saved.\n"},
    };
    const std::string refusal = " ++> Another program has held the lock of this folder for 30 s: no save is made.\n";
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        testing::ScratchDir dir;
        start_row();
        capture_unit(0);
        load_runnable();
        TPCM.DEPTH = 555.0f;  // an edit no save has kept
        const testing::LockHolder other(0);
        std::vector<std::string> temporaries;  // what stood beside a name at each answer
        std::size_t answers_after_refusal = 0;
        set_keyboard_hook([&] {
            for (const auto& entry : std::filesystem::directory_iterator(".")) {
                const std::string name = entry.path().filename().string();
                if (name.ends_with(".brvtmp")) temporaries.push_back(name);
            }
            if (screen().find(refusal) != std::string::npos) ++answers_after_refusal;
        });
        walk(std::string("L\n") + row.choice + "\n\n2\n\n");
        set_keyboard_hook(nullptr);
        EXPECT_EQ(temporaries, std::vector<std::string>{});
        EXPECT_GE(answers_after_refusal, 1u) << screen();
        const std::string text = screen();
        const auto said = text.find(refusal);
        ASSERT_NE(said, std::string::npos) << text;
        EXPECT_NE(text.find("This action will result in the loss of data changes", said), std::string::npos);
        EXPECT_EQ(captured(0), row.err);
        EXPECT_TRUE(std::filesystem::is_empty(".")) << "nothing is saved, and no echo or console is left";
    }
}

// An interactive run whose echo cannot take its name once the case is saved for it (its rename
// fails: a device error), then a new edit at the page (page 1, item 4: the water depth 777) saved
// with item 1. The case saved for the run is the case as loaded for the second save: a new case,
// whose data file did not stand at the load, now keeps it as its back-up, beside the coefficient file
// it loaded, which no save rewrites while it is the session's; a coefficient file that
// could not be read at the load, and that the first save wrote, is not written again (its back-up,
// the file as found, stays), and the line that tells of its replacement comes once, at the first save.
TEST_F(DriverTest, AfterAnEchoThatCannotTakeItsNameTheSavedCaseIsTheCaseAsLoaded) {
    using Files = std::map<std::string, std::string>;
    struct Row {
        const char* what;
        Int IERR0, IERR1;
        Files before;   // the folder at the load
        int echo;       // the number of the echo's rename, the first after those of the save
        Files after;    // the folder after the second save; "DEPTH n" stands for a data file of depth n
    };
    const std::string old_data = " the data file as loaded\n";
    const std::string unreadable = " a coefficient file the load could not read\n";
    const Row rows[] = {
        {"a new case", 0, 1, {}, 3,
         {{"BREVBAK", "DEPTH 555"}, {"BREVDAT", "DEPTH 777"}, {"LOWDAT", "(as loaded)"}}},
        {"a coefficient file that could not be read", 2, 0, {{"BREVDAT", old_data}, {"LOWDAT", unreadable}}, 6,
         {{"BREVBAK", "DEPTH 555"}, {"BREVDAT", "DEPTH 777"}, {"LASTBAK", old_data}, {"LOWBAK", unreadable},
          {"LOWDAT", "(written)"}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        testing::ScratchDir dir;
        start_row();
        for (const auto& [name, bytes] : row.before) testing::put_file(name, bytes);
        load_runnable();
        // The coefficient file the session loaded, as a save would write it.
        std::string as_loaded;
        if (!row.before.count("LOWDAT")) {
            Int words = kLowcofWords, ierr = -1;
            DISKIO(0, words, "LOWDAT", DISK_UNIT, ierr, image_bytes(LOWCOF), 5);
            ASSERT_EQ(ierr, 0);
            as_loaded = testing::file_bytes("LOWDAT");
        }
        set_case_file_seen(mark_of_file("BREVDAT"));  // the files as the load read them
        set_coefficient_file_seen(mark_of_file("LOWDAT"));
        SESSION.IERR0 = row.IERR0;
        SESSION.IERR1 = row.IERR1;
        TPCM.DEPTH = 555.0f;  // the edit the run is saved with
        const testing::RenameFaults echo_fails(row.echo, 1, EIO);
        walk("L\n3\n\nJ1\n4\n777\nL\n1\n");
        const std::string text = screen();
        const auto error =
            text.find(" ++> File not found or file access error in BrevEdit    \n     File name: BREVIN.stxt\n");
        ASSERT_NE(error, std::string::npos) << text;
        EXPECT_EQ(text.find(">>> WARNING <<<"), std::string::npos);
        EXPECT_EQ(testing::count_of(text, "could not be read; a new one is written"), row.IERR0 != 0 ? 1u : 0u);
        Files after;
        for (const auto& entry : std::filesystem::directory_iterator(".")) {
            const std::string name = entry.path().filename().string();
            const std::string bytes = testing::file_bytes(name);
            if (name == "LOWDAT") {
                after[name] = bytes == unreadable ? bytes : bytes == as_loaded ? "(as loaded)" : "(written)";
            } else if ((name == "BREVDAT" || name == "BREVBAK") && bytes != old_data) {
                after[name] = "DEPTH " + std::to_string(static_cast<int>(real_word_of(name, kDepthWord)));
            } else {
                after[name] = bytes;
            }
        }
        EXPECT_EQ(after, row.after);
    }
}

}  // namespace
}  // namespace brevant

// Loading and checking the data file: the start letters, the checks against the running program,
// the load report "DATUPWRN.stxt", the byte-order repair and the new-case defaults.
#include "edlib/loader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "../test_support.h"
#include "records/coefficient_image.h"
#include "records/data_image.h"
#include "edlib/data_update.h"
#include "edlib/new_case.h"
#include "image_moves.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"

namespace brevant {
namespace {

using brevant::testing::lines_of;

using testing::ConsoleTest;
using testing::count_of;
using testing::ScratchDir;
using testing::write_words;
using testing::file_bytes;

constexpr Real kVersion = 6.8f;

std::uint32_t bits(Real x) {
    std::uint32_t u;
    std::memcpy(&u, &x, 4);
    return u;
}

// Words 1..4975 of a clean file of this program: a saved case of version 6.8 from machine code 5.
std::vector<std::uint32_t> clean_file() {
    reset_images();
    store_new_case_defaults(16);
    TPCM.NTOGO = 4975;
    TPCM.SIMTYP = 16;
    TPCM.VERNO = kVersion;
    TPCM.IYEAR = 2020;
    TPCM.CMPUTR = 5;
    TPCM.DAT_ID = 149;
    TPCM.SRCDAT = 2;
    TPCM.CID1P.assign("Test case one");
    std::vector<std::uint32_t> w(4975);
    for (int k = 1; k <= 4975; ++k) w[static_cast<std::size_t>(k - 1)] = static_cast<std::uint32_t>(image_word(TPCM, k));
    reset_images();
    return w;
}

void set_word(std::vector<std::uint32_t>& w, int k, std::uint32_t v) { w[static_cast<std::size_t>(k - 1)] = v; }

class LoaderTest : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_images();
        copies = std::make_unique<LoadCopies>();
        std::memset(copies.get(), 0xAB, sizeof(LoadCopies));
    }
    void TearDown() override {
        reset_images();
        ConsoleTest::TearDown();
    }

    // An empty coefficient file (all counts 0).
    void write_lowdat() { write_words("LOWDAT", std::vector<std::uint32_t>(680, 0)); }

    // Runs IOINIT with this program's identity; the exit status when the program ended.
    std::optional<int> load(const std::string& keys, Int leastq = 0, Int creatq = 16) {
        answers(keys);
        try {
            IOINIT("Brevant ", "     ", *copies, ANSWER, JMPLOC, "BREVDAT     ", IERR0, IERR1, kVersion, 2020, creatq,
                   "BrevEdit    ", 5, leastq, 4975);
        } catch (const ProgramEnd& e) {
            close_unit(WARN_UNIT);
            return e.status;
        }
        close_unit(WARN_UNIT);
        return std::nullopt;
    }

    std::string report() const { return file_bytes(kLoadReportFile); }
    bool report_exists() const { return std::filesystem::exists(kLoadReportFile); }

    std::unique_ptr<LoadCopies> copies;
    char ANSWER = ' ';
    Int JMPLOC = -7, IERR0 = -7, IERR1 = -7;
};

const std::string kHeading = std::string(18, ' ') + " >>> Input File Characteristics <<< ";

TEST_F(LoaderTest, CreateInAnEmptyFolderGivesTheDefaultCase) {
    ScratchDir dir;
    ASSERT_FALSE(load("C\n"));
    EXPECT_EQ(JMPLOC, 0);
    EXPECT_EQ(ANSWER, 'C');
    EXPECT_EQ(IERR1, 1);
    EXPECT_FALSE(report_exists());
    EXPECT_EQ(TPCM.NWP, 30);
    EXPECT_EQ(TPCM.T(1), 5.0f);
    EXPECT_EQ(TPCM.T(2), 5.5f);
    EXPECT_EQ(TPCM.T(100), 54.5f);
    EXPECT_EQ(TPCM.DWATR, 64.0f);
    EXPECT_EQ(TPCM.STRNFC, 1.25f);
    EXPECT_EQ(image_word(TPCM, 774), 273);
    EXPECT_EQ(image_word(TPCM, 775), 273);
    EXPECT_EQ(image_word(TPCM, 787), 273);
    EXPECT_EQ(bits(TPCM.VERNO), bits(6.8f));
    EXPECT_EQ(TPCM.SIMTYP, 16);
    EXPECT_EQ(TPCM.NTOGO, 4975);
    EXPECT_EQ(TPCM.CMPUTR, 5);
    EXPECT_EQ(TPCM.IYEAR, 2020);
    EXPECT_EQ(TPCM.CID1P.view(), std::string(80, ' '));
    EXPECT_EQ(TPCM.CID2P.view(), std::string(80, ' '));
    EXPECT_EQ(TPCM.EDUNIT, 6);
    EXPECT_EQ(TPCM.IUNIT, 1);
    EXPECT_EQ(TPCM.SRCDAT, 0);
    EXPECT_EQ(TPCM.IBATCH, 0);
}

TEST_F(LoaderTest, CreateOverAnExistingFileReplacesEveryStoredWord) {
    ScratchDir dir;
    auto w = clean_file();
    set_word(w, 446, bits(300.0f));  // DEPTH
    set_word(w, 3661, 7);            // NCYL
    write_words("BREVDAT", w);
    ASSERT_FALSE(load("C\n"));
    EXPECT_EQ(JMPLOC, 0);
    EXPECT_EQ(TPCM.DEPTH, 0.0f);
    EXPECT_EQ(TPCM.NCYL, 0);
    EXPECT_EQ(TPCM.NWP, 30);
}

TEST_F(LoaderTest, ModifyOnACleanFileWritesNoReportAndKeepsTheFileWords) {
    ScratchDir dir;
    const auto w = clean_file();
    write_words("BREVDAT", w);
    write_lowdat();
    ASSERT_FALSE(load("M\n"));
    EXPECT_EQ(JMPLOC, 0);
    EXPECT_EQ(ANSWER, 'M');
    EXPECT_EQ(IERR0, 0);
    EXPECT_EQ(IERR1, 0);
    EXPECT_FALSE(report_exists());
    // The copy is the case as loaded: the file's words, with what the start stamps on a file it
    // asked nothing about (here the run mode of the file's session, 2 in the file, 0 as loaded).
    for (int k = 1; k <= 4975; ++k) {
        const std::uint32_t expected = k == 6 ? 0u : w[static_cast<std::size_t>(k - 1)];
        ASSERT_EQ(static_cast<std::uint32_t>(copies->IOBUF(k)), expected) << "word " << k;
    }
    EXPECT_EQ(copies->IOBUF(703), 0);
    for (int k = 1; k <= 680; ++k) ASSERT_EQ(copies->ILOBUF(k), 0) << "word " << k;
    EXPECT_EQ(TPCM.EDUNIT, 6);
    EXPECT_EQ(TPCM.CID1P.trimmed(), "Test case one");
    EXPECT_EQ(TPCM.SRCDAT, 0);  // the run mode of this session, as loaded
    EXPECT_EQ(TPCM.LWBARG, 273);
}

TEST_F(LoaderTest, ExecuteLeavesTheStampsAsRead) {
    ScratchDir dir;
    auto w = clean_file();
    set_word(w, 217, bits(6.8005f));  // within 0.001 of the running version: the same
    set_word(w, 1, 4975);
    write_words("BREVDAT", w);
    write_lowdat();
    ASSERT_FALSE(load("E\n"));
    EXPECT_EQ(JMPLOC, 3000);
    EXPECT_EQ(ANSWER, 'E');
    EXPECT_EQ(TPCM.LBACK, -1983);
    EXPECT_EQ(bits(TPCM.VERNO), bits(6.8005f));
    EXPECT_EQ(TPCM.SIMTYP, 16);
    EXPECT_EQ(TPCM.NTOGO, 4975);
    EXPECT_EQ(TPCM.SRCDAT, 2);
    EXPECT_FALSE(report_exists());
}

TEST_F(LoaderTest, ModifyStampsTheRunningIdentity) {
    ScratchDir dir;
    auto w = clean_file();
    set_word(w, 217, bits(6.8005f));
    set_word(w, 112, 1999);  // IYEAR
    set_word(w, 107, 5);     // LGAP outside 0..2
    set_word(w, 109, 42);    // IUNIT
    set_word(w, 780, 3);     // MORFBK: kept, this is a mooring-type program
    write_words("BREVDAT", w);
    write_lowdat();
    ASSERT_FALSE(load("M\n"));
    EXPECT_EQ(bits(TPCM.VERNO), bits(6.8f));
    EXPECT_EQ(TPCM.IYEAR, 2020);
    EXPECT_EQ(TPCM.LGAP, 0);
    EXPECT_EQ(TPCM.IUNIT, 1);
    EXPECT_EQ(TPCM.MORFBK, 3);
    EXPECT_EQ(TPCM.LEASTP, 0);
}

TEST_F(LoaderTest, BatchModifyIsModifyWithTheBatchFlag) {
    ScratchDir dir;
    write_words("BREVDAT", clean_file());
    write_lowdat();
    ASSERT_FALSE(load("B\n"));
    EXPECT_EQ(ANSWER, 'M');
    EXPECT_EQ(JMPLOC, 0);
    EXPECT_EQ(TPCM.IBATCH, 1);
}

TEST_F(LoaderTest, MissingDataFileStopsModifyAndExecute) {
    for (const char* key : {"M\n", "E\n", "B\n"}) {
        ScratchDir dir;
        reset_images();
        capture_unit(SCREEN_UNIT);
        const auto status = load(std::string(key) + "\n\n");
        ASSERT_TRUE(status) << key;
        EXPECT_EQ(*status, 1);
        EXPECT_FALSE(report_exists());
        EXPECT_FALSE(std::filesystem::exists("BREVDAT"));
    }
}

TEST_F(LoaderTest, PageDumpReEntryReadsNothing) {
    ScratchDir dir;
    write_words("BREVDAT", clean_file());
    TPCM.LCOPY = 1;
    TPCM.EDUNIT = 41;
    TPCM.DEPTH = 12.0f;
    ASSERT_FALSE(load(""));
    EXPECT_EQ(JMPLOC, 200);
    EXPECT_EQ(TPCM.DEPTH, 12.0f);
    EXPECT_EQ(TPCM.NTOGO, 0);
    EXPECT_EQ(TPCM.LCOPY, 2);
}

TEST_F(LoaderTest, ShortFileIsReportedAndItsTailZeroed) {
    ScratchDir dir;
    auto w = clean_file();
    set_word(w, 1, 4900);
    w.resize(4900);
    write_words("BREVDAT", w);
    write_lowdat();
    // Stale words behind the end of the file must not survive the load.
    for (int k = 4901; k <= 4975; ++k) set_image_word(TPCM, k, 77);
    ASSERT_FALSE(load("M\n\n"));
    EXPECT_EQ(IERR1, 4);
    EXPECT_EQ(JMPLOC, 0);
    const std::vector<std::string> expected = {
        "", "", kHeading, "", " ++> Input Data File smaller than expected:",
        "     Expected   4975 I*4s, found   4900 I*4s... CAUTION!"};
    EXPECT_EQ(lines_of(report()), expected);
    for (int k = 4901; k <= 4975; ++k) {
        ASSERT_EQ(image_word(TPCM, k), 0) << "word " << k;
        ASSERT_EQ(copies->IOBUF(k), 0) << "word " << k;
    }
    EXPECT_EQ(static_cast<std::uint32_t>(copies->IOBUF(4900)), w[4899]);
    EXPECT_NE(screen().find(" ++> Input Data File smaller than expected:"), std::string::npos);
}

TEST_F(LoaderTest, ShortFileOfAnOldVersionIsNotNamedButStillZeroed) {
    ScratchDir dir;
    auto w = clean_file();
    set_word(w, 1, 4900);
    set_word(w, 217, bits(4.8f));
    w.resize(4900);
    write_words("BREVDAT", w);
    write_lowdat();
    for (int k = 4901; k <= 4975; ++k) set_image_word(TPCM, k, 77);
    ASSERT_FALSE(load("M\n" + std::string(40, '\n')));
    EXPECT_EQ(screen().find("than expected"), std::string::npos);
    for (int k = 4901; k <= 4975; ++k) ASSERT_EQ(copies->IOBUF(k), 0) << "word " << k;
}

TEST_F(LoaderTest, LargerFileOfThisProgramIsACorruptionWarning) {
    ScratchDir dir;
    auto w = clean_file();
    set_word(w, 1, 5000);
    w.resize(5000, 0x01010101u);
    write_words("BREVDAT", w);
    write_lowdat();
    ASSERT_FALSE(load("M\n\n\n"));
    EXPECT_NE(screen().find(" ++> Warning: Data file is seriously corrupt or from a very early version."),
              std::string::npos);
    const auto rep = lines_of(report());
    ASSERT_GE(rep.size(), 6u);
    EXPECT_EQ(rep[4], " ++> Input Data File larger than expected:");
    EXPECT_EQ(rep[5], "     Expected   4975 I*4s, found   5000 I*4s... CAUTION!");
    EXPECT_EQ(JMPLOC, 0);
}

TEST_F(LoaderTest, CreatorOutOfRangeWarnsAndAbortEndsWithNothingWritten) {
    ScratchDir dir;
    auto w = clean_file();
    set_word(w, 2, 18);
    write_words("BREVDAT", w);
    write_lowdat();
    const std::string before = file_bytes("BREVDAT");
    const auto status = load("M\nA\n");
    ASSERT_TRUE(status);
    EXPECT_EQ(*status, 1);
    const auto scr = lines_of(screen());
    bool found = false;
    for (std::size_t i = 0; i + 1 < scr.size(); ++i)
        if (scr[i] == " ++> Warning: Data file is seriously corrupt." &&
            scr[i + 1] == "              It will very probably crash the simulation if you continue...")
            found = true;
    EXPECT_TRUE(found) << screen();
    EXPECT_NE(screen().find("Enter \"A\" to abort or Press <RETURN> to continue: "), std::string::npos);
    EXPECT_EQ(file_bytes("BREVDAT"), before);
    EXPECT_FALSE(report_exists());
}

TEST_F(LoaderTest, CreatorOutOfRangeNamedUnknownWhenTheUserGoesOn) {
    ScratchDir dir;
    for (Int creator : {0, 18, -5, 5}) {
        reset_images();
        capture_unit(SCREEN_UNIT);
        auto w = clean_file();
        set_word(w, 2, static_cast<std::uint32_t>(creator));
        write_words("BREVDAT", w);
        write_lowdat();
        load("M\n\n\n\n");
        EXPECT_NE(report().find(" ++> Input Data File Creator was UNKNOWN"), std::string::npos) << creator;
    }
}

TEST_F(LoaderTest, DoublePrecisionFileIsFatal) {
    ScratchDir dir;
    auto w = clean_file();
    set_word(w, 16, 1);
    write_words("BREVDAT", w);
    write_lowdat();
    const auto status = load("M\n\n");
    ASSERT_TRUE(status);
    EXPECT_EQ(*status, 1);
    const std::string p1 = " ++> Fatal Warning: The precision specification of the loaded";
    const std::string p2 = "     DAT_file and the executable are not the same!";
    EXPECT_NE(screen().find(p1 + "\n" + p2 + "\n"), std::string::npos);
    EXPECT_NE(screen().find("Press <RETURN> to continue: "), std::string::npos);
    EXPECT_EQ(lines_of(report()), (std::vector<std::string>{"", "", kHeading, "", p1, p2}));
}

// Word 60 holding "ABCD" in file order, loaded from the given machine code.
struct ByteOrderCase {
    Int machine;
    const char* text;
    const char* report_line;  // nullptr: no report
};

TEST_F(LoaderTest, TextOfTheOtherByteOrderIsRepaired) {
    const ByteOrderCase cases[] = {
        {3, "ABCD", " ++> File was produced on a Macintosh PPC computer."},
        {5, "DCBA", nullptr},
        {9, "DCBA", nullptr},
    };
    for (const auto& c : cases) {
        ScratchDir dir;
        reset_images();
        capture_unit(SCREEN_UNIT);
        auto w = clean_file();
        set_word(w, 121, static_cast<std::uint32_t>(c.machine));
        set_word(w, 60, 0x41424344u);  // bytes A B C D in the file
        write_words("BREVDAT", w);
        write_lowdat();
        ASSERT_FALSE(load("M\n\n"));
        EXPECT_EQ(std::string(TPCM.CID1P.c, 4), c.text) << c.machine;
        EXPECT_EQ(TPCM.CMPUTR, 5);
        if (c.report_line) {
            EXPECT_EQ(lines_of(report()),
                      (std::vector<std::string>{"", "", kHeading, "", c.report_line}));
        } else {
            EXPECT_FALSE(report_exists()) << c.machine;
        }
    }
}

TEST_F(LoaderTest, OtherByteOrderWithAnotherVersionAsksBeforeGoingOn) {
    ScratchDir dir;
    auto w = clean_file();
    set_word(w, 121, 2);
    set_word(w, 217, bits(6.9f));
    write_words("BREVDAT", w);
    write_lowdat();
    const auto status = load("M\nA\n");
    ASSERT_TRUE(status);
    const auto rep = lines_of(report());
    ASSERT_GE(rep.size(), 7u);
    EXPECT_EQ(rep[4], " ++> File was produced on a Macintosh PPC computer.");
    EXPECT_EQ(rep[5], "     Importing datafiles between chip architectures can be problematic;");
    EXPECT_EQ(rep[6], "     proceed with caution; carefully inspect all data screens after import.");
}

TEST(Chswap, ReversesGroupsOfFour) {
    std::string s = "ABCDEFGH";
    CHSWAP(s, 8, SCREEN_UNIT, KBD_UNIT);
    EXPECT_EQ(s, "DCBAHGFE");
    // A length that cuts a group takes the group's characters from the whole text.
    s = "ABCDEFGH";
    CHSWAP(s, 6, SCREEN_UNIT, KBD_UNIT);
    EXPECT_EQ(s, "DCBAHGGH");
    // A text shorter than its last group: the missing positions are blanks.
    s = "ABCDEF";
    CHSWAP(s, 6, SCREEN_UNIT, KBD_UNIT);
    EXPECT_EQ(s, "DCBA  ");
    // Twice is the identity.
    s = "Semi-submersible case 12, 800 m.";
    const std::string orig = s;
    CHSWAP(s, 32, SCREEN_UNIT, KBD_UNIT);
    CHSWAP(s, 32, SCREEN_UNIT, KBD_UNIT);
    EXPECT_EQ(s, orig);
}

class ChswapConsole : public ConsoleTest {};

TEST_F(ChswapConsole, LengthAboveTwoHundredWarnsAndRepairsTwoHundred) {
    std::string s(208, 'x');
    for (std::size_t i = 0; i < s.size(); ++i) s[i] = static_cast<char>('a' + i % 26);
    const std::string orig = s;
    answers("\n");
    CHSWAP(s, 208, SCREEN_UNIT, KBD_UNIT);
    EXPECT_NE(screen().find(" ++> LEN overflow in chswap!\n"), std::string::npos);
    EXPECT_NE(screen().find("Press <RETURN> to continue: "), std::string::npos);
    EXPECT_EQ(s[0], orig[3]);
    EXPECT_EQ(s[199], orig[196]);
    EXPECT_EQ(s.substr(200), orig.substr(200));
}

class DatcrptTest : public ConsoleTest {};

TEST_F(DatcrptTest, WritesTheLinesOfEachLevel) {
    const std::vector<std::vector<std::string>> levels = {
        {},
        {" ++> Warning: Data file is corrupt."},
        {" ++> Warning: Data file is seriously corrupt or from a very early version.",
         "              Inspect all editor pages with particular care..."},
        {" ++> Warning: Data file is seriously corrupt.",
         "              Some versions of Internet Explorer can cause this problem."},
        {" ++> Warning: Data file is seriously corrupt.",
         "              It will very probably crash the simulation if you continue..."},
    };
    for (int level = 0; level <= 5; ++level) {
        clear_captured(SCREEN_UNIT);
        DATCRPT(SCREEN_UNIT, level);
        std::vector<std::string> expected = {" "};
        if (level >= 1 && level <= 4) expected.insert(expected.end(), levels[level].begin(), levels[level].end());
        expected.push_back(" ");
        EXPECT_EQ(lines_of(screen()), expected) << "level " << level;
    }
}

TEST(CreatorName, NamesOfTheTypeTable) {
    EXPECT_EQ(creator_name(1), "KORVELL");
    EXPECT_EQ(creator_name(8), "FURNEL ");
    EXPECT_EQ(creator_name(9), "UNKNOWN");
    EXPECT_EQ(creator_name(14), "ZELFOR ");
    EXPECT_EQ(creator_name(16), "BREVANT");
    EXPECT_EQ(creator_name(17), "LOMIRAS");
    for (Int t : {-2147483647 - 1, -1, 0, 5, 6, 18, 20, 21, 1000}) EXPECT_EQ(creator_name(t), "UNKNOWN") << t;
}

TEST_F(LoaderTest, MissingLowdatReplacesTheUserTables) {
    ScratchDir dir;
    write_words("BREVDAT", clean_file());
    ASSERT_FALSE(load("M\n\n"));
    EXPECT_EQ(IERR0, 1);
    const std::vector<std::string> expected = {
        "", "", kHeading, "", " ++> LOWDAT file not found. User-specified environmental coefficients ",
        "     will be missing."};
    EXPECT_EQ(lines_of(report()), expected);
    const std::string scr = screen();
    EXPECT_NE(scr.find(kHeading + "\n\n" + expected[4] + "\n" + expected[5] + "\n"), std::string::npos);
    EXPECT_EQ(TPCM.LWBARG, 1092);
    EXPECT_EQ(TPCM.LCBARG, 1638);
    EXPECT_EQ(TPCM.LWVCOF, 546);
    EXPECT_EQ(ANSWER, 'M');
    EXPECT_EQ(JMPLOC, 0);
}

TEST_F(LoaderTest, MissingLowdatOnExecuteTurnsIntoModify) {
    ScratchDir dir;
    write_words("BREVDAT", clean_file());
    ASSERT_FALSE(load("E\n\n"));
    EXPECT_EQ(ANSWER, 'M');
    EXPECT_EQ(JMPLOC, 0);
    EXPECT_EQ(TPCM.LWBARG, 1092);
}

TEST_F(LoaderTest, MissingLowdatWithBuiltInModelsIsNoFinding) {
    ScratchDir dir;
    auto w = clean_file();
    set_word(w, 774, 0x666);
    set_word(w, 775, 0x343);
    set_word(w, 787, 0x111);  // drift from DRFTCOFS.txt: no LOWDAT table needed
    write_words("BREVDAT", w);
    ASSERT_FALSE(load("M\n"));
    EXPECT_FALSE(report_exists());
    EXPECT_EQ(TPCM.LWVCOF, 0x111);
}

// A table count of "LOWDAT" beyond its 21 rows (or below 0) is held to the table: the file is used
// with the rows it holds, one note per held count names the file, the table and the count found on
// the console and in the load report, and the load code makes the next save write the held file.
// The copy for the change check is the held image, so leaving without saving warns of nothing.
TEST_F(LoaderTest, LowdatCountBeyondItsTableIsHeldAndNoted) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, std::uint32_t>> counts;  // word, value
        std::size_t words;                                  // length of the file
        std::vector<std::string> notes;
        Int IERR0;
    };
    const Case cases[] = {
        {"current count 22",
         {{2, 22}},
         680,
         {" ++> LOWDAT: the count of the current table (word 2) reads 22; it is held to 21 rows."},
         kLowdatCountsHeld},
        {"negative wind count and a huge second fourth count",
         {{1, static_cast<std::uint32_t>(-3)}, {344, 1000000}},
         680,
         {" ++> LOWDAT: the count of the wind table (word 1) reads -3; it is held to 0 rows.",
          " ++> LOWDAT: the count of the second fourth table (word 344) reads 1000000; it is held to 21 rows."},
         kLowdatCountsHeld},
        {"short file with a count beyond its table keeps the short file's code",
         {{3, 40}},
         200,
         {" ++> LOWDAT: the count of the wave-drift table (word 3) reads 40; it is held to 21 rows."},
         4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchDir dir;
        reset_images();
        reset_units();
        capture_unit(SCREEN_UNIT);
        write_words("BREVDAT", clean_file());
        // Four full tables: every count 21, every angle and coefficient its own value.
        std::vector<std::uint32_t> low(680);
        for (std::size_t k = 0; k < low.size(); ++k) low[k] = bits(static_cast<Real>(k));
        for (int k : {1, 2, 3, 4, 341, 342, 343, 344}) low[static_cast<std::size_t>(k - 1)] = 21;
        for (auto [k, v] : c.counts) low[static_cast<std::size_t>(k - 1)] = v;
        low.resize(c.words);
        write_words("LOWDAT", low);
        ASSERT_FALSE(load("M\n"));  // no question: the note asks nothing
        EXPECT_EQ(IERR0, c.IERR0);
        EXPECT_EQ(JMPLOC, 0);
        for (const std::string& note : c.notes) {
            EXPECT_NE(screen().find(note + "\n"), std::string::npos) << screen();
            EXPECT_NE(report().find(note + "\n"), std::string::npos) << report();
        }
        EXPECT_EQ(count_of(report(), " ++> LOWDAT: "), c.notes.size());
        EXPECT_EQ(report().find("LOWDAT file not found"), std::string::npos);
        // The case's choices of the user tables stay (no built-in model takes their place); every
        // count lies within its table, the rest of the file is the image as read and the copy is
        // the image as held.
        for (Int word : {TPCM.LWBARG, TPCM.LCBARG, TPCM.LWVCOF}) EXPECT_EQ(word, 273);
        for (int k = 1; k <= 680; ++k) {
            const bool count = k <= 4 || (k >= 341 && k <= 344);
            const auto at = static_cast<std::size_t>(k - 1);
            const Int word = LOWCOF.ILOWCF(k);
            if (count) {
                EXPECT_GE(word, 0) << "word " << k;
                EXPECT_LE(word, 21) << "word " << k;
            } else {
                ASSERT_EQ(static_cast<std::uint32_t>(word), at < c.words ? low[at] : 0u) << "word " << k;
            }
            ASSERT_EQ(copies->ILOBUF(k), word) << "word " << k;
        }
        for (auto [k, v] : c.counts) {
            const Int found = static_cast<Int>(v);
            EXPECT_EQ(LOWCOF.ILOWCF(k), found < 0 ? 0 : 21) << "word " << k;
        }
    }
}

// The load report of one finding on a file of this program's length, going on to modify: the
// report's lines from the start (the whole report, or its head where the updater writes on); the
// case goes on as this program's, of the running version, from the editor's first page.
TEST_F(LoaderTest, LoadReportOfEachFinding) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, std::uint32_t>> words;
        std::string keys;
        std::vector<std::string> report;
        bool whole;  // false: the report starts with these lines
    };
    const Case cases[] = {
        {"a newer file: the user decides",
         {{217, bits(7.25f)}},
         "M\n\n",
         {"", "", kHeading, "", " ++> Version mismatch: Data (version  7.25) POSTDATES simulation (version  6.80)", "",
          "     Data files are NOT generally backwards-compatible!",
          "     Carefully inspect each editor screen before proceeding..."},
         true},
        {"a version increment mismatch",
         {{163, 3}},
         "M\n\n",
         {"", "", kHeading, "", " ++> Version increment mismatch: ", "     DATfile  version  increment  =  3",
          "     Simulation version increment =  0"},
         true},
        {"an older file: reported before the update",
         {{217, bits(6.5f)}},
         "M\n" + std::string(40, '\n'),
         {"", "", kHeading, "", " ++> Version mismatch: Data (version  6.50) predates simulation (version  6.80)", "",
          "     Although a reasonable effort has been made to insure forward",
          "     compatibility of data files, this cannot be guaranteed.",
          "     Carefully inspect each editor screen before proceeding...", " "},
         false},
        {"a file of another type is imported",
         {{2, 3}},  // PELMARO, same length
         "M\n\n",
         {"", "", kHeading, "", " ++> Input Data File Creator was PELMARO", "",
          "     Although a reasonable effort has been made to achieve cross-compatibility",
          "     between data files of different simulations, this cannot be guaranteed.",
          "     Carefully inspect each editor screen before proceeding...", " "},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchDir dir;
        reset_images();
        capture_unit(SCREEN_UNIT);
        auto w = clean_file();
        for (auto [k, v] : c.words) set_word(w, k, v);
        write_words("BREVDAT", w);
        write_lowdat();
        JMPLOC = -7;
        ASSERT_FALSE(load(c.keys));
        const auto rep = lines_of(report());
        if (c.whole) {
            EXPECT_EQ(rep, c.report);
        } else {
            ASSERT_GE(rep.size(), c.report.size());
            EXPECT_EQ(std::vector<std::string>(rep.begin(), rep.begin() + static_cast<long>(c.report.size())), c.report);
        }
        EXPECT_EQ(bits(TPCM.VERNO), bits(6.8f));
        EXPECT_EQ(TPCM.SIMTYP, 16);
        EXPECT_EQ(JMPLOC, 0);
    }
}

// Versions on both sides of the 0.001 tolerance against the running 6.80: within it the file is of
// this version and loads without a report; beyond it the load report says the file is later or
// earlier. Both stored versions print as 6.80 to two places (6.795f is a little above 6.795).
TEST_F(LoaderTest, VersionToleranceOnBothSides) {
    struct Case {
        Real version;
        const char* note;  // the version line of the report; nullptr: no report at all
    };
    const Case cases[] = {
        {6.805f, " ++> Version mismatch: Data (version  6.80) POSTDATES simulation (version  6.80)"},
        {6.8005f, nullptr},
        {6.7995f, nullptr},
        {6.795f, " ++> Version mismatch: Data (version  6.80) predates simulation (version  6.80)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        ScratchDir dir;
        reset_images();
        capture_unit(SCREEN_UNIT);
        auto w = clean_file();
        set_word(w, 217, bits(c.version));
        write_words("BREVDAT", w);
        write_lowdat();
        ASSERT_FALSE(load("M\n" + std::string(40, '\n')));
        if (c.note) {
            const auto rep = lines_of(report());
            ASSERT_GE(rep.size(), 5u);
            EXPECT_EQ(rep[4], c.note);
        } else {
            EXPECT_FALSE(report_exists());
        }
        EXPECT_EQ(bits(TPCM.VERNO), bits(6.8f));
    }
}

// The version updater runs on an older file of this program: it stamps the layout of 149 lines and
// defaults the words added since the file's version.
TEST_F(LoaderTest, OlderFileIsUpdatedByTheUpdater) {
    ScratchDir dir;
    auto w = clean_file();
    set_word(w, 217, bits(5.5f));
    set_word(w, 15, 0);         // DAT_ID
    set_word(w, 489, 0);        // BRVFRQ_DELTA, defaulted by the step below 5.55
    write_words("BREVDAT", w);
    write_lowdat();
    ASSERT_FALSE(load("M\n" + std::string(60, '\n')));
    EXPECT_EQ(TPCM.DAT_ID, 149) << "the updater did not stamp the 149-line layout";
    EXPECT_EQ(TPCM.BRVFRQ_DELTA, 0.0025f);
    EXPECT_EQ(copies->IOBUF(15), 0);  // the load copy is the file as read
}

TEST_F(LoaderTest, FileOfAnotherTypeAndVersionMustBeUpdatedFirst) {
    ScratchDir dir;
    auto w = clean_file();
    set_word(w, 2, 14);
    set_word(w, 1, 78635);
    set_word(w, 217, bits(6.2f));
    write_words("BREVDAT", w);
    write_lowdat();
    const auto status = load("M\n\n\n");
    ASSERT_TRUE(status);
    EXPECT_EQ(*status, 1);
    const auto rep = lines_of(report());
    ASSERT_GE(rep.size(), 2u);
    const std::vector<std::string> tail = {"", " ++> Input Data File Creator was ZELFOR ",
                                           "     Before importing this data file, you MUST first update it",
                                           "     with version  6.80 of ZELFOR  on the originating computer platform."};
    ASSERT_GE(rep.size(), tail.size());
    EXPECT_EQ(std::vector<std::string>(rep.end() - static_cast<long>(tail.size()), rep.end()), tail);
}

TEST_F(LoaderTest, NonInteractiveRunExecutesWithoutAsking) {
    ScratchDir dir;
    write_words("BREVDAT", clean_file());
    write_lowdat();
    ASSERT_FALSE(load("", 3));
    EXPECT_EQ(ANSWER, 'E');
    EXPECT_EQ(JMPLOC, 3000);
    EXPECT_EQ(TPCM.EDUNIT, 41);
    EXPECT_EQ(TPCM.LEASTP, 3);
    EXPECT_EQ(screen(), "");
}

TEST_F(LoaderTest, NonInteractiveRunStopsOnAnyFinding) {
    ScratchDir dir;
    auto w = clean_file();
    set_word(w, 1, 4900);
    w.resize(4900);
    write_words("BREVDAT", w);
    write_lowdat();
    const auto status = load("", 3);
    ASSERT_TRUE(status);
    EXPECT_EQ(*status, 1);
}

TEST_F(LoaderTest, VersionWordThatIsNoNumberIsACorruptionWarning) {
    ScratchDir dir;
    auto w = clean_file();
    set_word(w, 217, 0x7FC00000u);  // NaN
    write_words("BREVDAT", w);
    write_lowdat();
    const auto status = load("M\nA\n");
    ASSERT_TRUE(status);
    EXPECT_NE(screen().find(" ++> Warning: Data file is seriously corrupt."), std::string::npos);
}

// Damaged files: each gives a message and then either a clean stop or a usable image.
TEST_F(LoaderTest, DamagedFilesNeverCrashOrHang) {
    std::mt19937 rng(12345);
    struct Damage {
        const char* name;
        std::vector<std::uint32_t> words;
    };
    std::vector<Damage> files;
    {
        auto w = clean_file();
        w.resize(1000);
        files.push_back({"truncated", w});
    }
    {
        std::vector<std::uint32_t> w(4975);
        for (auto& x : w) x = rng();
        files.push_back({"random", w});
    }
    files.push_back({"empty", {}});
    files.push_back({"one word", {4975}});
    {
        auto w = clean_file();
        w.resize(2000);
        set_word(w, 1, 2000);
        set_word(w, 2, 0);
        files.push_back({"zero creator", w});
    }
    for (const auto& f : files) {
        for (const char* keys : {"M\n", "E\n"}) {
            ScratchDir dir;
            reset_images();
            capture_unit(SCREEN_UNIT);
            write_words("BREVDAT", f.words);
            write_lowdat();
            const auto status = load(keys + std::string(30, '\n'));
            SCOPED_TRACE(std::string(f.name) + " " + keys);
            EXPECT_NE(screen().find(" ++>"), std::string::npos);
            if (status) {
                EXPECT_EQ(*status, 1);
            } else if (JMPLOC == 3000) {
                EXPECT_EQ(ANSWER, 'E');
            } else {
                // Going on past a finding edits the case: it carries the running identity and
                // nothing beyond the words the file held.
                EXPECT_EQ(JMPLOC, 0);
                EXPECT_EQ(ANSWER, 'M');
                EXPECT_EQ(TPCM.SIMTYP, 16);
                EXPECT_EQ(TPCM.NTOGO, 4975);
                for (int k = static_cast<int>(f.words.size()) + 1; k <= 4975; ++k)
                    ASSERT_EQ(copies->IOBUF(k), 0) << "word " << k;
            }
        }
    }
}

TEST(NewCaseDefaults, SecondVesselTypesAndHullTypes) {
    struct Case {
        Int type, vestyp, lwvcof;
    } cases[] = {{16, 1, 273}, {2, 2, 273}, {3, 3, 546}, {4, 4, 1092}, {14, 3, 546}, {17, 3, 819}};
    for (const auto& c : cases) {
        reset_images();
        store_new_case_defaults(c.type);
        EXPECT_EQ(TPCM.VESTYP, c.vestyp) << c.type;
        EXPECT_EQ(TPCM.LWVCOF, c.lwvcof) << c.type;
        EXPECT_EQ(TPCM.BLCBRG, 0) << c.type;
    }
    reset_images();
    store_new_case_defaults(13);
    EXPECT_EQ(TPCM.BLCBRG, 1092);
    EXPECT_EQ(TPCM.BLWBRG, 546);
    EXPECT_EQ(TPCM.BWVCOF, 1092);
    EXPECT_EQ(TPCM.BVSTYP, 4);
    EXPECT_EQ(TPCM.IARCO, 1);
    EXPECT_EQ(TPCM.BXSHDW, 1.0f);
    EXPECT_EQ(TPCM.BDFTPC, 100.0f);
    reset_images();
    store_new_case_defaults(10);
    EXPECT_EQ(TPCM.BWVCOF, 273);
    EXPECT_EQ(TPCM.BVSTYP, 1);
    EXPECT_EQ(TPCM.IARCO, 0);
    EXPECT_EQ(TPCM.BRLTYP, 1);
    reset_images();
}

// Every word of a new case of this program, by word number: the listed defaults, blanks in the two
// identification lines and zero everywhere else.
TEST(NewCaseDefaults, EveryWordOfTheNewCase) {
    std::vector<std::uint32_t> expected(4975, 0);
    const auto put = [&](int k, std::uint32_t v) { expected[static_cast<std::size_t>(k - 1)] = v; };
    const auto put_real = [&](int k, Real v) { put(k, bits(v)); };
    for (int k = 54; k <= 59; ++k) put(k, 1);  // MOTION
    for (int k = 60; k <= 99; ++k) put(k, 0x20202020u);  // CID1, CID2
    for (int k : {105, 106, 109, 164, 165, 168, 170, 171, 754, 763, 777, 1920, 1921}) put(k, 1);
    put(167, 30);  // NWP
    put(169, 6);   // NA
    put(178, 2);   // NCURNT
    put(192, 2);   // N_OCHI_COMP
    for (int i = 1; i <= 100; ++i) put_real(317 + i, 5.0f + 0.5f * static_cast<Real>(i - 1));  // T
    put_real(447, 64.0f);
    put_real(449, 2.0f);
    put_real(450, 1.0f);
    put_real(461, 0.1f);
    put_real(488, 0.1f);
    put_real(478, 180.0f);
    for (int k : {774, 775, 787}) put(k, 273);
    for (int k : {1361, 1362, 1363, 1364, 1404, 1405, 1367, 1407, 1408, 1652, 1653, 1654, 1655, 1659, 1660, 1661, 1662})
        put_real(k, 1.0f);
    put_real(1368, 1.25f);
    put_real(1390, 100.0f);
    put_real(1392, 100.0f);

    reset_images();
    store_new_case_defaults(16);
    for (int k = 1; k <= 4975; ++k)
        ASSERT_EQ(static_cast<std::uint32_t>(image_word(TPCM, k)), expected[static_cast<std::size_t>(k - 1)])
            << "word " << k;
    EXPECT_EQ(TPCM.T(100), 54.5f);
    reset_images();
}

// Lines of a transcript from the load-report heading on (the heading itself first).
std::vector<std::string> from_heading(const std::string& text) {
    const auto all = lines_of(text);
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i] == kHeading) return std::vector<std::string>(all.begin() + static_cast<long>(i), all.end());
    return {};
}

std::vector<std::string> first_lines(const std::vector<std::string>& v, std::size_t n) {
    return std::vector<std::string>(v.begin(), v.begin() + static_cast<long>(std::min(n, v.size())));
}

const std::string kInspect = "     Carefully inspect each editor screen before proceeding...";
const std::string kForward1 = "     Although a reasonable effort has been made to insure forward";
const std::string kForward2 = "     compatibility of data files, this cannot be guaranteed.";

TEST_F(LoaderTest, OlderFileOnTheScreenInOrder) {
    ScratchDir dir;
    auto w = clean_file();
    set_word(w, 217, bits(6.5f));
    write_words("BREVDAT", w);
    write_lowdat();
    ASSERT_FALSE(load("M\n" + std::string(40, '\n')));
    const std::vector<std::string> expected = {
        kHeading, "", " ++> Version mismatch: Data (version  6.50) predates simulation (version  6.80)", "",
        kForward1, kForward2, kInspect, " "};
    EXPECT_EQ(first_lines(from_heading(screen()), expected.size()), expected);
    EXPECT_EQ(screen().find("PLEASE update"), std::string::npos);
}

// A run without a keyboard writes the older-file notes, with the request to update the editor, only
// to its console file; the case goes on as it stands, with the running version.
TEST_F(LoaderTest, OlderFileInARunWithoutKeyboard) {
    ScratchDir dir;
    auto w = clean_file();
    set_word(w, 217, bits(6.5f));
    write_words("BREVDAT", w);
    write_lowdat();
    ASSERT_FALSE(load("", 3));
    const std::vector<std::string> expected = {
        kHeading, "", " ++> Version mismatch: Data (version  6.50) predates simulation (version  6.80)",
        "     PLEASE update your data file editor to the current version...", "", kForward1, kForward2, " "};
    const std::string console = silent();
    EXPECT_EQ(first_lines(from_heading(console), expected.size()), expected) << console;
    EXPECT_EQ(report().find("Version mismatch"), std::string::npos);
    EXPECT_EQ(JMPLOC, 3000);
    EXPECT_EQ(bits(TPCM.VERNO), bits(6.8f));
    EXPECT_EQ(TPCM.CMPUTR, 5);
}

TEST_F(LoaderTest, NewerFileOnTheScreenInOrder) {
    ScratchDir dir;
    auto w = clean_file();
    set_word(w, 217, bits(7.25f));
    write_words("BREVDAT", w);
    write_lowdat();
    ASSERT_FALSE(load("E\n\n"));
    const std::vector<std::string> expected = {
        kHeading, "", " ++> Version mismatch: Data (version  7.25) POSTDATES simulation (version  6.80)", "",
        "     Data files are NOT generally backwards-compatible!", kInspect};
    EXPECT_EQ(first_lines(from_heading(screen()), expected.size()), expected);
    // Going on past a finding edits the case: "E" becomes "M" and the case is stamped.
    EXPECT_EQ(ANSWER, 'M');
    EXPECT_EQ(JMPLOC, 0);
    EXPECT_EQ(bits(TPCM.VERNO), bits(6.8f));
}

// The older layout identity runs the update at the same version, without the version message.
TEST_F(LoaderTest, OldLayoutIdentityIsUpdatedWithoutVersionMessage) {
    ScratchDir dir;
    auto w = clean_file();
    set_word(w, 15, 49);  // DAT_ID
    set_word(w, 163, 2);  // IVERS_SUFX: something to report
    write_words("BREVDAT", w);
    write_lowdat();
    ASSERT_FALSE(load("M\n" + std::string(40, '\n')));
    EXPECT_EQ(report().find("Version mismatch"), std::string::npos);
    EXPECT_NE(report().find("**** Data File Changes Since Version  6.80: ****"), std::string::npos);
    EXPECT_EQ(TPCM.DAT_ID, 149);
    EXPECT_EQ(copies->IOBUF(15), 49);
}

// A file of this program at the running version (or within the tolerance of 0.001 either way) that
// still stands in the 49-line layout: nothing else to report, yet its words are 200 to 1001 words off
// their names. The update resizes it to the current layout with only its own notes (no version
// message), stamps the identity 149 for the save, and changes nothing else.
TEST_F(LoaderTest, Layout49AtTheRunningVersionIsResizedWithoutVersionMessage) {
    const std::string changes = std::string(15, ' ') + "**** Data File Changes Since Version  6.80: ****";
    const std::vector<std::string> expected_report = {"", "", kHeading, changes, "",
                                                      " ++> Data file resized for 149 Fairleads"};
    for (const Real version : {6.8f, 6.8009f, 6.7991f}) {
        SCOPED_TRACE(version);
        ScratchDir dir;
        reset_images();
        capture_unit(SCREEN_UNIT);
        clear_captured(SCREEN_UNIT);
        // The case in the current layout: every word from 800 on tells where it belongs.
        auto now = clean_file();
        set_word(now, 217, bits(version));
        for (int k = 800; k <= 4975; ++k)
            if (!testing::opened_by_149(k)) set_word(now, k, 0x01000000u + static_cast<std::uint32_t>(k));
        std::vector<std::uint32_t> older(4975, 0);
        for (int k = 1; k <= 4975; ++k)
            if (const int o = testing::in_49_layout(k)) older[static_cast<std::size_t>(o - 1)] = now[static_cast<std::size_t>(k - 1)];
        set_word(older, 15, 49);
        write_words("BREVDAT", older);
        write_lowdat();

        ASSERT_FALSE(load("M\n\n"));
        std::vector<std::string> expected = expected_report;
        if (version > 6.8f) {
            // The updater's own note of a file newer than the program, however little.
            for (const char* line : {"", " ++> Warning: The data file loaded was created by a more recent program",
                                     "     version than this one; you should inspect each data page THOROUGHLY",
                                     "     before proceeding..."})
                expected.push_back(line);
        }
        EXPECT_EQ(lines_of(report()), expected);
        EXPECT_EQ(from_heading(screen()).at(1), changes) << screen();
        EXPECT_EQ(screen().find("Version mismatch"), std::string::npos);
        EXPECT_EQ(TPCM.DAT_ID, 149);
        EXPECT_EQ(copies->IOBUF(15), 49) << "the load copy is the file as read";
        EXPECT_EQ(JMPLOC, 0);
        for (int k = 800; k <= 4975; ++k) {
            if (k == 1987) continue;  // TOPCOM_LAST keeps the word that stood before its room
            const auto expected = testing::opened_by_149(k) ? 0u : now[static_cast<std::size_t>(k - 1)];
            ASSERT_EQ(static_cast<std::uint32_t>(image_word(TPCM, k)), expected) << "word " << k;
        }
        EXPECT_EQ(TPCM.EDUNIT, SCREEN_UNIT);
        EXPECT_EQ(TPCM.LBACK, 0);
        EXPECT_EQ(TPCM.LCOPY, 0);
    }
}

TEST_F(LoaderTest, ImportFromZelforNotesTheMissingTendons) {
    ScratchDir dir;
    auto w = clean_file();
    set_word(w, 2, 14);
    set_word(w, 1, 78635);
    w.resize(78635, 0);
    write_words("BREVDAT", w);
    write_lowdat();
    ASSERT_FALSE(load("M\n" + std::string(40, '\n')));
    const std::vector<std::string> expected = {
        "", "", kHeading, "", " ++> Input Data File larger than expected:",
        "     Expected   4975 I*4s, found  78635 I*4s... CAUTION!", "", " ++> Input Data File Creator was ZELFOR ", "",
        "     Note: Due to missing tendon information, imports into Brevant from Zelfor",
        "           cannot presently model the correct wave response required for",
        "           evaluation of wave reflection and absorption coefficients. The",
        "           resulting errors are usually small, but not necessarily negligible.", "",
        "     Although a reasonable effort has been made to achieve cross-compatibility",
        "     between data files of different simulations, this cannot be guaranteed.", kInspect, " "};
    EXPECT_EQ(first_lines(lines_of(report()), expected.size()), expected);
    EXPECT_EQ(TPCM.SIMTYP, 16);
    EXPECT_EQ(TPCM.NTOGO, 4975);
}

// Which corruption warning a stored length or creator type gives, and whether the user is asked.
TEST_F(LoaderTest, CorruptionWarningByLengthAndCreator) {
    const std::string level1 = " ++> Warning: Data file is corrupt.";
    const std::string level2 = " ++> Warning: Data file is seriously corrupt or from a very early version.";
    const std::string level3 = "              Some versions of Internet Explorer can cause this problem.";
    const std::string level4 = "              It will very probably crash the simulation if you continue...";
    struct Case {
        const char* what;
        Int creator, stored;  // word 2 and word 1 of a file of 4975 words
        Int leastq;
        const std::string* warning;  // nullptr: none
        bool stops;
    } cases[] = {
        {"larger, this program", 16, 5000, 0, &level2, false},
        {"smaller, this program", 16, 4900, 0, nullptr, false},
        {"larger, another program of the same length rule", 3, 5000, 0, nullptr, false},
        {"larger, length rule for every creator", 11, 5000, 0, &level2, false},
        {"smaller, length rule for every creator", 11, 4000, 0, nullptr, false},
        {"not checked", 2, 12345, 0, nullptr, false},
        {"not checked", 9, 1, 0, nullptr, false},
        {"creator zero", 0, 4975, 0, &level4, false},
        {"creator 18", 18, 4975, 0, &level4, false},
        {"no keyboard, smaller", 16, 4900, 3, &level1, true},
        {"no keyboard, creator zero", 0, 4975, 3, &level3, true},
    };
    for (const auto& c : cases) {
        ScratchDir dir;
        reset_images();
        capture_unit(SCREEN_UNIT);
        capture_unit(SILENT_UNIT);
        auto w = clean_file();
        set_word(w, 2, static_cast<std::uint32_t>(c.creator));
        set_word(w, 1, static_cast<std::uint32_t>(c.stored));
        write_words("BREVDAT", w);
        write_lowdat();
        const auto status = load("M\n" + std::string(40, '\n'), c.leastq);
        const std::string console = c.leastq == 3 ? silent() : screen();
        SCOPED_TRACE(c.what);
        EXPECT_EQ(status.has_value(), c.stops);
        if (c.warning) {
            EXPECT_NE(console.find(*c.warning), std::string::npos) << console;
        } else {
            EXPECT_EQ(console.find(" ++> Warning: Data file is"), std::string::npos) << console;
        }
        if (c.leastq != 3) {
            EXPECT_EQ(TPCM.NTOGO, 4975);
        }
    }
}

// The stamps of a modify load for a running type below 10: the mooring feedback words are cleared,
// LGAP in 0..2 is kept; the print unit stays when it is the console or the printer.
TEST_F(LoaderTest, StampsOfAVesselOnlyRunningType) {
    struct Case {
        Int iunit, kept_iunit;
    } cases[] = {{1, 1}, {6, 6}, {99, 99}, {42, 1}, {0, 1}};
    for (const auto& c : cases) {
        ScratchDir dir;
        reset_images();
        capture_unit(SCREEN_UNIT);
        auto w = clean_file();
        set_word(w, 2, 3);  // PELMARO, running as PELMARO
        set_word(w, 107, 2);  // LGAP
        set_word(w, 109, static_cast<std::uint32_t>(c.iunit));
        set_word(w, 779, 5);   // CATFBK
        set_word(w, 780, 6);   // MORFBK
        set_word(w, 2013, 7);  // BCTFBK
        set_word(w, 2014, 8);  // BMRFBK
        set_word(w, 7, 3);     // LEASTP of a run without keyboard
        write_words("BREVDAT", w);
        ASSERT_FALSE(load("B\n", 0, 3));
        EXPECT_EQ(IERR0, 0);  // no coefficient file is read for a running type below 10
        EXPECT_FALSE(report_exists());
        EXPECT_EQ(TPCM.SIMTYP, 3);
        EXPECT_EQ(TPCM.LGAP, 2);
        EXPECT_EQ(TPCM.CATFBK, 0);
        EXPECT_EQ(TPCM.MORFBK, 0);
        EXPECT_EQ(TPCM.BCTFBK, 0);
        EXPECT_EQ(TPCM.BMRFBK, 0);
        EXPECT_EQ(TPCM.IUNIT, c.kept_iunit) << c.iunit;
        EXPECT_EQ(TPCM.IBATCH, 1);
        EXPECT_EQ(TPCM.SRCDAT, 0);  // the loaded run mode 3 gave way to this run's
        EXPECT_EQ(TPCM.LEASTP, 0);
        EXPECT_EQ(TPCM.EDUNIT, 6);
    }
}

// Without "LOWDAT", a two-vessel running type replaces the user tables of both vessels.
TEST_F(LoaderTest, MissingLowdatReplacesSecondVesselUserTables) {
    struct Case {
        Int creatq, bwvcof;
    } cases[] = {{13, 0x474}, {10, 0x272}};
    for (const auto& c : cases) {
        ScratchDir dir;
        reset_images();
        capture_unit(SCREEN_UNIT);
        auto w = clean_file();
        set_word(w, 2, static_cast<std::uint32_t>(c.creatq));
        set_word(w, 1, 78635);  // the stored length of the type: only 4975 words are kept here
        set_word(w, 2008, 0x161);  // BLCBRG
        set_word(w, 2009, 0x511);  // BLWBRG
        set_word(w, 2021, 0x171);  // BWVCOF
        write_words("BREVDAT", w);
        ASSERT_FALSE(load("M\n\n", 0, c.creatq));
        SCOPED_TRACE(c.creatq);
        EXPECT_EQ(IERR0, 1);
        EXPECT_EQ(TPCM.LWBARG, 0x444);
        EXPECT_EQ(TPCM.LCBARG, 0x666);
        EXPECT_EQ(TPCM.LWVCOF, 0x222);
        EXPECT_EQ(TPCM.BLCBRG, 0x363);
        EXPECT_EQ(TPCM.BLWBRG, 0x533);
        EXPECT_EQ(TPCM.BWVCOF, c.bwvcof);
        EXPECT_EQ(TPCM.LGAP, 0);
    }
}

TEST_F(LoaderTest, CoefficientCopyIsTheFileAsRead) {
    ScratchDir dir;
    write_words("BREVDAT", clean_file());
    std::vector<std::uint32_t> low(680, 0);
    low[0] = 3;  // NUWNPT
    for (int i = 0; i < 3; ++i) low[static_cast<std::size_t>(4 + i)] = bits(10.0f * static_cast<Real>(i));
    low[679] = 0x12345678u;
    write_words("LOWDAT", low);
    ASSERT_FALSE(load("M\n"));
    EXPECT_EQ(IERR0, 0);
    for (int k = 1; k <= 680; ++k)
        ASSERT_EQ(static_cast<std::uint32_t>(copies->ILOBUF(k)), low[static_cast<std::size_t>(k - 1)]) << "word " << k;
    EXPECT_EQ(LOWCOF.NUWNPT, 3);
}

}  // namespace
}  // namespace brevant

namespace brevant {
namespace {

// Words 700-702 (LBACK, IPAG, LCOPY) are session state: whatever a file holds there, or an update
// moves there, the session starts from none of it, and the copy for the change check holds them as
// the save stores them (0), so they never count as a change on their own.
TEST_F(LoaderTest, SessionWordsOfTheFileAreCleared) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, std::uint32_t>> words;
        const char* keys;
        Int lback;  // LBACK after the load
    };
    const Case cases[] = {
        {"a page-dump walk under way", {{702, 1}}, "M\n", 0},
        {"an execute code and a page number", {{700, static_cast<std::uint32_t>(-1983)}, {701, 7}}, "M\n", 0},
        {"all three, batch modify", {{700, 101}, {701, 3}, {702, 5}}, "B\n", 0},
        {"all three, execute", {{700, 101}, {701, 3}, {702, 5}}, "E\n", -1983},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchDir dir;
        reset_images();
        capture_unit(SCREEN_UNIT);
        auto w = clean_file();
        for (auto [k, v] : c.words) set_word(w, k, v);
        write_words("BREVDAT", w);
        write_lowdat();
        ASSERT_FALSE(load(c.keys));
        EXPECT_EQ(JMPLOC, c.lback == 0 ? 0 : 3000);
        EXPECT_EQ(TPCM.LBACK, c.lback);
        EXPECT_EQ(TPCM.IPAG, 0);
        EXPECT_EQ(TPCM.LCOPY, 0);
        for (int k : {700, 701, 702}) EXPECT_EQ(copies->IOBUF(k), 0) << "word " << k;
        // Every other word of the copy is the file as read, but for what the start stamps on a file
        // it asked nothing about (the run mode SRCDAT, the batch flag IBATCH): the case as loaded.
        for (int k = 1; k <= 699; ++k) {
            const bool stamped = c.lback == 0 && (k == 6 || k == 14);
            const std::uint32_t expected =
                stamped ? static_cast<std::uint32_t>(image_word(TPCM, k)) : w[static_cast<std::size_t>(k - 1)];
            ASSERT_EQ(static_cast<std::uint32_t>(copies->IOBUF(k)), expected) << k;
        }
    }
}

// A file of the 49-line layout: the resize for 149 lines opens 200 words at word 500, so old word 502
// lands on LCOPY. The session still starts with no walk under way.
TEST_F(LoaderTest, OldLayoutWordMovedIntoTheSessionWordsIsCleared) {
    ScratchDir dir;
    auto w = clean_file();
    set_word(w, 217, bits(5.5f));
    set_word(w, 15, 0);  // DAT_ID of the old layout
    set_word(w, 500, 4);
    set_word(w, 501, 9);
    set_word(w, 502, 1);
    write_words("BREVDAT", w);
    write_lowdat();
    ASSERT_FALSE(load("M\n" + std::string(60, '\n')));
    ASSERT_EQ(TPCM.DAT_ID, 149) << "the update did not run";
    EXPECT_EQ(TPCM.LBACK, 0);
    EXPECT_EQ(TPCM.IPAG, 0);
    EXPECT_EQ(TPCM.LCOPY, 0);
}

// A file of the 49-line layout holds motion points in words 700-703. The loader's own use of those
// words (the console unit, the answers of its questions) must not reach them: the update finds the
// file's words there and carries them to the points' own words, 300 further on.
TEST_F(LoaderTest, FileWordsWhereTheSessionWordsStandNowReachTheirOwnNames) {
    struct Case {
        Real version;
        int first;  // where the file's words 700-703 belong once updated
    };
    // 5.5: RACC(3, 32) and RACC(1..3, 33). 4.5: before the 5.0 resize the file's words 700-703 are
    // words 820-823 of the 49-line layout, the waterline breadth and the three words after it.
    const Case cases[] = {{5.5f, 1000}, {4.5f, 1420}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        ScratchDir dir;
        reset_images();
        capture_unit(SCREEN_UNIT);
        clear_captured(SCREEN_UNIT);
        auto w = clean_file();
        // The clean file in the 49-line layout (below 4.9 the words from 258 on stood earlier still;
        // only the words the test reads matter here).
        std::vector<std::uint32_t> older(4975, 0);
        for (int k = 1; k <= 4975; ++k)
            if (const int o = testing::in_49_layout(k); o != 0 && o < 258)
                older[static_cast<std::size_t>(o - 1)] = w[static_cast<std::size_t>(k - 1)];
        set_word(older, 217, bits(c.version));
        set_word(older, 15, 49);
        const Real points[4] = {12.5f, -3.25f, 7.0f, 40.5f};
        for (int i = 0; i < 4; ++i) set_word(older, 700 + i, bits(points[i]));
        write_words("BREVDAT", older);
        write_lowdat();
        ASSERT_FALSE(load("M\n" + std::string(40, '\n')));
        ASSERT_EQ(TPCM.DAT_ID, 149);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(image_word(TPCM, c.first + i), static_cast<Int>(bits(points[i]))) << i;
        if (c.version > 4.9f) {
            EXPECT_EQ(TPCM.RACC(3, 33), points[3]);
        }
        EXPECT_EQ(TPCM.EDUNIT, SCREEN_UNIT);
        EXPECT_EQ(TPCM.LBACK, 0);
        EXPECT_EQ(TPCM.IPAG, 0);
        EXPECT_EQ(TPCM.LCOPY, 0);
        // The notes of the update reached the console.
        EXPECT_NE(screen().find(" ++> Data file resized for 149 Fairleads"), std::string::npos);
    }
}

// The import of another program's file of the 49-line layout: the file is brought to the current
// layout before the import writes into it, so the import gives the image the same file gives in the
// current layout, except the words the resize opens (which are 0). A creator 9 file with no mooring
// tables gets the member and table defaults at their own words.
TEST_F(LoaderTest, ImportOfAFileOfThe49LineLayoutGivesTheImageOfTheCurrentLayout) {
    struct Case {
        const char* what;
        Int creator;
        Int words;  // NTOGO of the creator
        Int ntab;
    };
    const Case cases[] = {
        {"creator 9 without tables", 9, 4975, 0},
        {"creator 9 with 45 tables", 9, 4975, 45},
        {"creator 3", 3, 4975, 45},
        {"creator 12", 12, 78635, 45},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // The other program's file in the current layout: every word from 1000 on distinct.
        auto now = clean_file();
        set_word(now, 2, static_cast<std::uint32_t>(c.creator));
        set_word(now, 1, static_cast<std::uint32_t>(c.words));
        for (int k = 1000; k <= 4975; ++k)
            if (!testing::opened_by_149(k) && k != 1987)
                set_word(now, k, 0x01000000u + static_cast<std::uint32_t>(k));
        set_word(now, 1915, static_cast<std::uint32_t>(c.ntab));
        set_word(now, 3661, 0);  // NCYL: a file without members gets the member defaults
        set_word(now, 15, 149);
        std::vector<std::uint32_t> older(4975, 0);
        for (int k = 1; k <= 4975; ++k)
            if (const int o = testing::in_49_layout(k))
                older[static_cast<std::size_t>(o - 1)] = now[static_cast<std::size_t>(k - 1)];
        set_word(older, 15, 49);

        const auto import = [&](const std::vector<std::uint32_t>& file) {
            ScratchDir dir;
            reset_images();
            capture_unit(SCREEN_UNIT);
            write_words("BREVDAT", file);
            write_lowdat();
            EXPECT_FALSE(load("M\n" + std::string(40, '\n')));
            std::vector<Int> image(4976);
            for (int k = 1; k <= 4975; ++k) image[static_cast<std::size_t>(k)] = image_word(TPCM, k);
            // The console of the load, read before the folder goes.
            const bool noted = screen().find(" ++> Data file resized for 149 Fairleads") != std::string::npos;
            return std::pair{image, noted};
        };
        const auto [from_current, noted_current] = import(now);
        const auto [from_49, noted] = import(older);
        EXPECT_EQ(from_49[15], 149);
        EXPECT_EQ(from_current[15], 149);
        for (int k = 1; k <= 4975; ++k) {
            if (k == 15 || k == 1987) continue;
            if (testing::opened_by_149(k)) {
                ASSERT_EQ(from_49[static_cast<std::size_t>(k)], 0) << "opened word " << k;
            } else {
                ASSERT_EQ(from_49[static_cast<std::size_t>(k)], from_current[static_cast<std::size_t>(k)]) << "word " << k;
            }
        }
        // The mooring-table defaults come only for a file without tables, at NTAB's own word.
        EXPECT_EQ(from_49[1915], c.ntab == 0 && c.creator < 10 ? 90 : c.ntab);
        // Creator 9 passes the updater, which notes the resize once and moves nothing more.
        EXPECT_EQ(noted, c.creator == 9);
        EXPECT_FALSE(noted_current);
    }
}

}  // namespace
}  // namespace brevant

namespace brevant {
namespace {

// What the start did before the load (a save stopped half-way) is said once, after the title screen
// and before the files are read: on the console under the heading of the load report with a pause,
// and at the head of "DATUPWRN.stxt", where the findings of the load follow it instead of replacing
// it. A silent console shows it without a pause.
TEST_F(LoaderTest, NotesOfTheStartComeAfterTheTitleAndHeadTheLoadReport) {
    const std::string note = " ++> A save stopped before it was done has been finished: BREVDAT is the new case.";
    const std::string pause = " Press <RETURN> to continue: ";
    struct Case {
        const char* what;
        float version;
        bool findings;
    };
    for (const Case& c : {Case{"a clean file", kVersion, false}, Case{"an older file", 6.5f, true}}) {
        SCOPED_TRACE(c.what);
        ScratchDir dir;
        capture_unit(SCREEN_UNIT);  // the scratch folder of the row before gave the units back
        capture_unit(SILENT_UNIT);
        auto w = clean_file();
        set_word(w, 217, bits(c.version));
        write_words("BREVDAT", w);
        write_lowdat();
        hold_start_notes({note});
        ASSERT_FALSE(load("M\n\n" + std::string(40, '\n')));
        EXPECT_EQ(JMPLOC, 0);
        const std::string text = screen();
        const auto title = text.find("Enter letter of selection: ");
        const auto shown = text.find(note);
        ASSERT_NE(shown, std::string::npos) << text;
        EXPECT_LT(title, shown);
        EXPECT_EQ(text.find(pause, shown), text.find('\n', shown) + 3) << text;  // a line of one blank, then the pause
        EXPECT_EQ(count_of(text, note), 1u);
        const std::string head = "\n\n" + kHeading + "\n\n" + note + "\n";
        EXPECT_EQ(report().substr(0, head.size()), head) << report();
        EXPECT_EQ(report().find("Version mismatch") != std::string::npos, c.findings) << report();

        // Said once: the next load has nothing to say.
        std::filesystem::remove(kLoadReportFile);
        capture_unit(SCREEN_UNIT);
        ASSERT_FALSE(load("M\n" + std::string(40, '\n')));
        EXPECT_EQ(screen().find(note), std::string::npos);
        EXPECT_EQ(report_exists(), c.findings);
    }
    {
        SCOPED_TRACE("the input ends at the pause");
        ScratchDir dir;
        capture_unit(SCREEN_UNIT);  // the scratch folder of the row before gave the units back
        capture_unit(SILENT_UNIT);
        write_words("BREVDAT", clean_file());
        write_lowdat();
        hold_start_notes({note});
        EXPECT_EQ(load("M\n"), 1);
        EXPECT_NE(screen().find(note), std::string::npos);
        EXPECT_NE(report().find(note), std::string::npos);
    }
    {
        SCOPED_TRACE("a silent console");
        ScratchDir dir;
        capture_unit(SCREEN_UNIT);  // the scratch folder of the row before gave the units back
        capture_unit(SILENT_UNIT);
        write_words("BREVDAT", clean_file());
        write_lowdat();
        hold_start_notes({note});
        ASSERT_FALSE(load("", 3));
        EXPECT_EQ(JMPLOC, 3000);
        EXPECT_NE(silent().find(kHeading + "\n\n" + note + "\n"), std::string::npos) << silent();
    }
}

}  // namespace
}  // namespace brevant

// Import of one part of another data file: the full and the short vessel import, the warnings and
// what "A" and Return leave behind, the mooring block, the paths (quoted, unquoted, blank, a
// folder, an empty file), and the session words that never come from the other file.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "edlib/data_load.h"
#include "image_moves.h"
#include "records/data_image.h"
#include "sysutl/units.h"
#include "test_support.h"

namespace brevant {
namespace {

using testing::count_of;

constexpr const char* kAbortQuestion = "Enter \"A\" to abort or Press <RETURN> to continue: ";

std::uint32_t real_bits(float v) { return std::bit_cast<std::uint32_t>(v); }

// The words of another data file: word k holds 0x20000000 + k, then its own header words.
std::vector<std::uint32_t> other_file(int words, Int simtyp = 16, float verno = 6.8f, Int cmputr = 5) {
    std::vector<std::uint32_t> w(static_cast<std::size_t>(words));
    for (int k = 1; k <= words; ++k) w[static_cast<std::size_t>(k - 1)] = 0x20000000u + static_cast<std::uint32_t>(k);
    auto set = [&](int k, std::uint32_t v) {
        if (k <= words) w[static_cast<std::size_t>(k - 1)] = v;
    };
    set(1, static_cast<std::uint32_t>(words));
    set(2, static_cast<std::uint32_t>(simtyp));
    set(118, 7);                 // ISPM
    set(121, static_cast<std::uint32_t>(cmputr));
    set(217, real_bits(verno));  // VERNO
    set(700, 1);                 // LBACK, IPAG, LCOPY of the session that wrote it
    set(701, 1);
    set(702, 1);
    set(703, 41);                // EDUNIT
    return w;
}

class DataLoadTest : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        // Every word of the image tells where it sits; then the image's own header.
        for (int k = 1; k <= kTpcmWords; ++k) set_image_word(TPCM, k, 0x10000000 + k);
        TPCM.NTOGO = 4975;
        TPCM.SIMTYP = 16;
        TPCM.ISPM = 3;
        TPCM.CMPUTR = 5;
        TPCM.VERNO = 6.8f;
        TPCM.LBACK = 11;
        TPCM.IPAG = 12;
        TPCM.LCOPY = 0;
        TPCM.EDUNIT = 6;
    }
    void TearDown() override {
        reset_tpcm();
        ConsoleTest::TearDown();
    }
    static std::vector<std::byte> snapshot() {
        const auto b = image_bytes(TPCM);
        return {b.begin(), b.end()};
    }
    static Int word(int k) { return image_word(TPCM, k); }
    // Words FIRST..LAST are the file's (0x20000000 + k), but for the kept ones.
    static void expect_file_words(int first, int last) {
        for (int k = first; k <= last; ++k) {
            if (k == 1 || k == 2 || k == 118 || k == 121 || k == 217 || (k >= 700 && k <= 703)) continue;
            ASSERT_EQ(word(k), 0x20000000 + k) << k;
        }
    }
    static void expect_own_words(int first, int last) {
        for (int k = first; k <= last; ++k) ASSERT_EQ(word(k), 0x10000000 + k) << k;
    }
    // Words FIRST..LAST as in the snapshot BEFORE.
    static void expect_unchanged(int first, int last, const std::vector<std::byte>& before) {
        const auto now = image_bytes(TPCM);
        for (int k = first; k <= last; ++k) {
            const auto at = static_cast<std::size_t>(4 * (k - 1));
            ASSERT_TRUE(std::equal(now.begin() + static_cast<std::ptrdiff_t>(at),
                                   now.begin() + static_cast<std::ptrdiff_t>(at + 4),
                                   before.begin() + static_cast<std::ptrdiff_t>(at)))
                << k;
        }
    }
    // The case keeps its creating type, mooring type and session words after any kept import.
    static void expect_own_session() {
        EXPECT_EQ(TPCM.NTOGO, 4975);
        EXPECT_EQ(TPCM.SIMTYP, 16);
        EXPECT_EQ(TPCM.ISPM, 3);
        EXPECT_EQ(TPCM.LBACK, 11);
        EXPECT_EQ(TPCM.IPAG, 12);
        EXPECT_EQ(TPCM.LCOPY, 0);
    }
    testing::ScratchDir dir_;
};

TEST_F(DataLoadTest, FullVesselImportFromAFileOfThisProgram) {
    testing::write_words("OTHER", other_file(4975));
    answers("OTHER\n\n");
    DATLOAD(1);
    const std::string out = screen();
    EXPECT_NE(out.find(" >>> Input full or relative path to import target in quotes\n"
                       "     (e.g. \"C:\\Velmora\\KORVDAT)\" or \"KORVDAT\")\n\n  >>> Path: "),
              std::string::npos)
        << out;
    EXPECT_NE(out.find(" >>> Import successful!\n"), std::string::npos);
    EXPECT_EQ(out.find(kAbortQuestion), std::string::npos);
    expect_file_words(1, 4975);
    expect_own_words(4976, kTpcmWords);
    expect_own_session();
    // The file's version and machine words come in; the console word is the screen.
    EXPECT_EQ(TPCM.VERNO, 6.8f);
    EXPECT_EQ(TPCM.EDUNIT, 6);
}

TEST_F(DataLoadTest, ShortFileAfterAFullImportLeavesZerosNotStaleWords) {
    testing::write_words("OTHER", other_file(4975));
    testing::write_words("SHORT", other_file(4000));
    answers("OTHER\n\n");
    DATLOAD(1);
    const std::vector<std::byte> before = snapshot();

    // "A": every byte as it was.
    clear_captured(SCREEN_UNIT);
    answers("SHORT\nA\n");
    DATLOAD(1);
    EXPECT_NE(screen().find(" >>> Suspicious import file size;there may be a problem!\n"), std::string::npos);
    EXPECT_EQ(snapshot(), before);

    // Return: the file's words, zeros beyond its end, no success line.
    clear_captured(SCREEN_UNIT);
    answers("SHORT\n\n");
    DATLOAD(1);
    const std::string out = screen();
    EXPECT_NE(out.find(kAbortQuestion), std::string::npos);
    EXPECT_EQ(out.find("Import successful"), std::string::npos);
    expect_file_words(1, 4000);
    for (int k = 4001; k <= 4975; ++k) ASSERT_EQ(word(k), 0) << k;
    expect_own_words(4976, kTpcmWords);
    expect_own_session();
    EXPECT_EQ(TPCM.EDUNIT, 6);
}

TEST_F(DataLoadTest, MachineWarningKeepsTheCaseOwnTypeOnReturn) {
    testing::write_words("OTHER", other_file(4975, 16, 6.8f, 3));
    const std::vector<std::byte> before = snapshot();
    answers("OTHER\nA\n");
    DATLOAD(1);
    EXPECT_NE(screen().find("\n\n >>> Importing data files between computer operating systems is a *very*\n"
                            "     bad idea. You are strongly advised to \"Abort\" this operation, save\n"
                            "     any data file changes you have made, and update the target file\n"
                            "     with the latest version of its application before importing the data.\n"),
              std::string::npos)
        << screen();
    EXPECT_EQ(snapshot(), before);

    answers("OTHER\n\n");
    DATLOAD(1);
    expect_file_words(1, 4975);
    expect_own_session();
    EXPECT_EQ(TPCM.CMPUTR, 3);
}

TEST_F(DataLoadTest, VersionWarningShowsBothVersions) {
    testing::write_words("OTHER", other_file(4975, 16, 6.75f));
    const std::vector<std::byte> before = snapshot();
    answers("OTHER\nA\n");
    DATLOAD(1);
    EXPECT_NE(screen().find("\n >>> Importing data files across version number boundaries is a *very*\n"
                            "     bad idea. You are strongly advised to \"Abort\" this operation, save\n"
                            "     any data file changes you have made, and update the target file\n"
                            "     with the latest version of its application before importing the data.\n\n"
                            "     Application version:    6.80\n"
                            "     Import file version:    6.75\n\n"),
              std::string::npos)
        << screen();
    EXPECT_EQ(snapshot(), before);
    // Compared exactly: a hair's difference warns as well.
    testing::write_words("NEAR", other_file(4975, 16, std::nextafter(6.8f, 7.0f)));
    clear_captured(SCREEN_UNIT);
    answers("NEAR\n\n");
    DATLOAD(1);
    EXPECT_NE(screen().find("across version number boundaries"), std::string::npos);
    expect_own_session();
}

TEST_F(DataLoadTest, MooringBlockFromAnotherTypeKeepsTheStoredLength) {
    testing::write_words("MOOR", other_file(78635, 13));
    const std::vector<std::byte> before = snapshot();
    answers("MOOR\n\n");
    DATLOAD(2);
    EXPECT_NE(screen().find(" >>> Import successful!\n"), std::string::npos);
    expect_unchanged(2, 4975, before);
    expect_file_words(4976, 78635);
    expect_own_words(78636, kTpcmWords);
    EXPECT_EQ(TPCM.NTOGO, 4975);
}

TEST_F(DataLoadTest, SecondVesselRangeOnly) {
    TPCM.SIMTYP = 13;
    testing::write_words("TUG", other_file(78635, 13));
    const std::vector<std::byte> before = snapshot();
    answers("TUG\n\n");
    DATLOAD(3);
    EXPECT_NE(screen().find(" >>> Import successful!\n"), std::string::npos);
    expect_unchanged(2, 1987, before);
    expect_file_words(1988, 4975);
    expect_own_words(4976, kTpcmWords);
    // A type whose files hold the mooring block stores it all.
    EXPECT_EQ(TPCM.NTOGO, 78635);
}

TEST_F(DataLoadTest, PathsQuotedUnquotedBlankAndMissing) {
    std::filesystem::create_directories("sub dir");
    std::filesystem::create_directories("sub");
    testing::write_words("sub dir/BREV, DAT", other_file(4975));
    testing::write_words("sub/BREVDAT", other_file(4975));
    const std::vector<std::byte> before = snapshot();

    struct Case {
        const char* answer;
        const char* message;
    };
    for (const Case& c : {Case{"\n", " >>> Invalid Filename!\n"}, Case{"   \n", " >>> Invalid Filename!\n"},
                          Case{"sub/BREVDAT\n", " >>> INPUT file not found!\n"},
                          Case{"NOSUCH\n", " >>> INPUT file not found!\n"}}) {
        clear_captured(SCREEN_UNIT);
        answers(std::string(c.answer) + "\nafter\n");
        DATLOAD(1);
        EXPECT_NE(screen().find(c.message), std::string::npos) << c.answer << screen();
        EXPECT_NE(screen().find("Press <RETURN> to continue: "), std::string::npos);
        EXPECT_EQ(snapshot(), before) << c.answer;
        EXPECT_EQ(read_keyboard_line(), "after");
    }

    clear_captured(SCREEN_UNIT);
    answers("'sub dir/BREV, DAT'\n\n");
    DATLOAD(1);
    EXPECT_NE(screen().find(" >>> Import successful!\n"), std::string::npos) << screen();
    expect_file_words(1, 4975);
}

TEST_F(DataLoadTest, EmptyFileReadsAsZeros) {
    testing::put_file("EMPTY", "");
    const std::vector<std::byte> before = snapshot();
    answers("EMPTY\nA\n");
    DATLOAD(1);
    EXPECT_NE(screen().find("     Application version:    6.80\n     Import file version:     .00\n"),
              std::string::npos)
        << screen();
    EXPECT_EQ(snapshot(), before);
}

TEST_F(DataLoadTest, ForeignSessionWordsNeverComeIn) {
    // Whatever the answer path, the other file's LBACK, IPAG and LCOPY (1, 1, 1) stay outside.
    struct Case {
        float verno;
        Int cmputr;
        int words;
    };
    for (const Case& c : {Case{6.8f, 5, 4975}, Case{6.75f, 5, 4975}, Case{6.8f, 3, 4975}, Case{6.8f, 5, 3000}}) {
        SetUp();
        testing::write_words("OTHER", other_file(c.words, 16, c.verno, c.cmputr));
        answers("OTHER\n\n");
        DATLOAD(1);
        expect_own_session();
    }
}

// A file in the 49-line layout: the case `now` of the current layout with every word where that
// layout kept it (before 4.9 also the 40-entry wave tables and no drag blocks), the words it lacked
// left out.
std::vector<std::uint32_t> in_older_layout(const std::vector<std::uint32_t>& now, float version) {
    std::vector<std::uint32_t> older(now.size(), 0);
    for (int c = 1; c <= 4975; ++c) {
        const int w = version < 4.9f ? testing::in_layout_before_4_9(c) : testing::in_49_layout(c);
        if (w != 0) older[static_cast<std::size_t>(w - 1)] = now[static_cast<std::size_t>(c - 1)];
    }
    older[216] = real_bits(version);
    older[14] = 49;  // DAT_ID
    return older;
}

// A file of this program in the 49-line layout at the data's own version: the loader's update brings
// it to the current layout before the exchange (its notes on the screen, nothing in the load
// report), so every word lands under its own name and the case stores the identity 149. The file's
// words at 700-702 are motion points there, not editor words: they reach their points.
TEST_F(DataLoadTest, FileOfThe49LineLayoutIsBroughtToTheCurrentLayoutBeforeTheExchange) {
    capture_unit(WARN_UNIT);
    std::vector<std::uint32_t> now = other_file(4975);
    now[14] = 149;
    const std::vector<std::uint32_t> older = in_older_layout(now, 6.8f);
    ASSERT_EQ(older[699], now[999]) << "RACC(3, 33) at word 700 of the older layout";
    testing::write_words("OLDER", older);
    answers("OLDER\n\n");
    DATLOAD(1);
    const std::string out = screen();
    EXPECT_NE(out.find("**** Data File Changes Since Version  6.80: ****\n\n"
                       " ++> Data file resized for 149 Fairleads\n"
                       " >>> Import successful!\n"),
              std::string::npos)
        << out;
    EXPECT_EQ(out.find(kAbortQuestion), std::string::npos);
    EXPECT_EQ(captured(WARN_UNIT), "") << "an import writes nothing in the load report";
    for (int k = 3; k <= 4975; ++k) {
        if (k == 15 || k == 118 || k == 121 || k == 217 || (k >= 700 && k <= 703) || k == 1987) continue;
        const std::uint32_t expected = testing::opened_by_149(k) ? 0u : now[static_cast<std::size_t>(k - 1)];
        ASSERT_EQ(static_cast<std::uint32_t>(word(k)), expected) << "word " << k;
    }
    EXPECT_EQ(TPCM.DAT_ID, 149);
    EXPECT_EQ(TPCM.VERNO, 6.8f);
    expect_own_session();
    expect_own_words(4976, kTpcmWords);
}

// A file of this program older than 4.9: past the version warning, every step of the update has acted
// on the words it names, the file's words at 700-702 (the waterline beam, the bilge radius and the
// bilge keel then) reach their names, and the case is stamped with the data's version, so that the
// next load does not resize it again. "A" leaves the image as it was.
TEST_F(DataLoadTest, FileOlderThan49IsUpdatedByTheLoadersStepsAndKeepsItsBeamAndBilgeWords) {
    std::vector<std::uint32_t> now = other_file(4975);
    now[773] = 0x666;                // LCBARG: the old NSMB code 6 of every field
    now[776] = 1;                    // VESTYP
    now[1419] = real_bits(31.5f);    // BWL
    now[1420] = real_bits(1.25f);    // BILGR
    now[1421] = real_bits(12.0f);    // TKEEL
    std::vector<std::uint32_t> older = in_older_layout(now, 4.27f);
    ASSERT_EQ(older[699], real_bits(31.5f)) << "BWL at word 700 of a file before 4.9";
    ASSERT_EQ(older[453], 0x666u) << "LCBARG at word 454 of a file before 4.9";
    testing::write_words("OLDER", older);

    const std::vector<std::byte> before = snapshot();
    answers("OLDER\nA\n");
    DATLOAD(1);
    EXPECT_NE(screen().find("     Import file version:    4.27\n"), std::string::npos) << screen();
    EXPECT_EQ(snapshot(), before);

    clear_captured(SCREEN_UNIT);
    answers("OLDER\n\n");  // five counted notes: no pager pause before the warning's question
    DATLOAD(1);
    const std::string out = screen();
    EXPECT_NE(out.find("**** Data File Changes Since Version  4.27: ****"), std::string::npos) << out;
    EXPECT_LT(out.find(" ++> Data file resized for 149 Fairleads"), out.find("across version number boundaries"));
    EXPECT_EQ(TPCM.BWL, 31.5f);
    EXPECT_EQ(TPCM.BILGR, 1.25f);
    EXPECT_EQ(TPCM.TKEEL, 12.0f);
    EXPECT_EQ(TPCM.VESTYP, 1);
    EXPECT_EQ(TPCM.LCBARG, 0xFFF) << "renumbered by the step below 4.28";
    EXPECT_EQ(TPCM.STRNFC, 1.25f) << "set by the step below 5.0";
    EXPECT_EQ(TPCM.WVDGCX, 1.0f) << "set by the 5.0 resize";
    EXPECT_EQ(TPCM.DAT_ID, 149);
    EXPECT_EQ(TPCM.VERNO, 6.8f);
    expect_own_session();
    expect_own_words(4976, kTpcmWords);
}

// Another program's file: at 6.01 or later with the identity 49 it gets the resize the loader gives
// it; older than 6.01 it is refused by name and the image stays as it was (only that program knows
// its version steps).
TEST_F(DataLoadTest, AnotherProgramsFileOfTheOlderLayoutIsResizedOrRefused) {
    std::vector<std::uint32_t> now = other_file(4975, 3);
    now[14] = 149;
    testing::write_words("OLDER", in_older_layout(now, 6.8f));
    answers("OLDER\n\n");
    DATLOAD(1);
    EXPECT_NE(screen().find(" >>> Import successful!\n"), std::string::npos) << screen();
    for (int k = 1000; k <= 4975; ++k) {
        if (k == 1987) continue;
        const std::uint32_t expected = testing::opened_by_149(k) ? 0u : now[static_cast<std::size_t>(k - 1)];
        ASSERT_EQ(static_cast<std::uint32_t>(word(k)), expected) << "word " << k;
    }
    EXPECT_EQ(TPCM.DAT_ID, 149);
    expect_own_session();

    SetUp();
    testing::write_words("OLDER", in_older_layout(other_file(4975, 3), 5.5f));
    const std::vector<std::byte> before = snapshot();
    answers("OLDER\n\nafter\n");
    DATLOAD(1);
    EXPECT_NE(screen().find(" >>> Cannot import OLDER: a PELMARO data file of version  5.50,\n"
                            "     in the older layout of 49 points and 50 lines. Update it with the\n"
                            "     current version of PELMARO before importing its data.\n"),
              std::string::npos)
        << screen();
    EXPECT_EQ(screen().find(kAbortQuestion), std::string::npos);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(read_keyboard_line(), "after");
}

}  // namespace
}  // namespace brevant

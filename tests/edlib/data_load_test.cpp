// Import of one part of another data file: the full and the short vessel import, the warnings and
// what "A" and Return leave behind, the mooring block, the paths (quoted, unquoted, blank, a
// folder), the files refused (empty, cut short, a version that is no number, a stopped save's record
// beside), and the session words that never come from the other file.
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
#include "records/coefficient_image.h"
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
        reset_images();
        // Every word of the image tells where it sits; then the image's own header.
        for (int k = 1; k <= kTpcmWords; ++k) set_image_word(TPCM, k, 0x10000000 + k);
        for (int k = 1; k <= kLowcofWords; ++k) set_image_word(LOWCOF, k, 0x30000000 + k);
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
        reset_images();
        ConsoleTest::TearDown();
    }
    static std::vector<std::byte> snapshot() {
        const auto b = image_bytes(TPCM);
        return {b.begin(), b.end()};
    }
    // The session's two images, every word.
    static std::vector<std::byte> session() {
        std::vector<std::byte> both = snapshot();
        const auto c = image_bytes(LOWCOF);
        both.insert(both.end(), c.begin(), c.end());
        return both;
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

// A file whose words cannot be put under their names is refused by name, after the one pause,
// whatever part is asked for: every word of the session's data and coefficient images stays as it
// was, its editor words 700-702 included. A file that holds its version word is read.
TEST_F(DataLoadTest, FilesThatCannotBeReadOntoTheirNamesAreRefusedAndTheSessionStaysAsItWas) {
    TPCM.LCOPY = 13;  // an editor word of the session that no other file may bring in or clear
    std::filesystem::create_directories("other");
    const auto with = [](std::vector<std::uint32_t> w, int k, std::uint32_t v) {
        w[static_cast<std::size_t>(k - 1)] = v;
        return w;
    };
    std::vector<std::uint32_t> cut = other_file(4975);
    cut.resize(216);
    std::vector<std::uint32_t> one_word = other_file(4975);
    one_word.resize(1);
    struct Case {
        const char* what;
        std::vector<std::uint32_t> words;  // the file's words
        const char* path;
        std::string said;                  // the lines before the pause
    };
    const std::string corrupt = "     Data file is seriously corrupt: nothing was imported.\n";
    const std::string no_number = ": its version word is not a number.\n" + corrupt;
    const std::vector<Case> cases{
        {"an empty file", {}, "EMPTY", " >>> Cannot import EMPTY: the file is empty.\n" + corrupt},
        {"one word", one_word, "ONE",
         " >>> Cannot import ONE: the file is cut short at word 1, before its\n"
         "     version (word 217). Data file is seriously corrupt: nothing was imported.\n"},
        {"cut one word before its version", cut, "other/CUT",
         " >>> Cannot import other/CUT: the file is cut short at word 216, before its\n"
         "     version (word 217). Data file is seriously corrupt: nothing was imported.\n"},
        {"a NaN version", with(other_file(4975), 217, 0x7FC00000u), "NAN", " >>> Cannot import NAN" + no_number},
        {"an infinite version", with(other_file(4975), 217, 0x7F800000u), "INF", " >>> Cannot import INF" + no_number},
        {"a negative infinite version of another creator", with(other_file(4975, 3), 217, 0xFF800000u), "NINF",
         " >>> Cannot import NINF" + no_number},
        {"a NaN in the old version word", with(with(other_file(4975), 217, 0), 111, 0x7FC00001u), "OLDNAN",
         " >>> Cannot import OLDNAN" + no_number},
        {"a NaN version of an unknown creator", with(other_file(4975, 18), 217, 0x7FC00000u), "NAN18",
         " >>> Cannot import NAN18" + no_number},
    };
    for (Int part : {1, 2, 3}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(::testing::Message() << c.what << ", part " << part);
            testing::write_words(c.path, c.words);
            const std::vector<std::byte> before = session();
            clear_captured(SCREEN_UNIT);
            answers("'" + std::string(c.path) + "'\n\nafter\n");
            DATLOAD(part);
            const std::string out = screen();
            EXPECT_NE(out.find(c.said + " \n Press <RETURN> to continue: "), std::string::npos) << out;
            EXPECT_EQ(out.find(kAbortQuestion), std::string::npos);
            EXPECT_EQ(out.find("Import successful"), std::string::npos);
            EXPECT_EQ(out.find("Data File Changes"), std::string::npos);
            EXPECT_EQ(read_keyboard_line(), "after");
            EXPECT_TRUE(session() == before) << "a word of the session changed";
        }
    }

    // The shortest file that holds its version is read: its words come in past the size question.
    std::vector<std::uint32_t> header_only = other_file(4975);
    header_only.resize(217);
    testing::write_words("HEADER", header_only);
    clear_captured(SCREEN_UNIT);
    answers("HEADER\n\n");
    DATLOAD(1);
    EXPECT_NE(screen().find(" >>> Suspicious import file size;there may be a problem!\n"), std::string::npos)
        << screen();
    expect_file_words(1, 217);
    for (int k = 218; k <= 4975; ++k) {
        if (k < 700 || k > 703) {
            ASSERT_EQ(word(k), 0) << k;
        }
    }
    EXPECT_EQ(TPCM.LBACK, 11);
    EXPECT_EQ(TPCM.IPAG, 12);
    EXPECT_EQ(TPCM.LCOPY, 13);
    EXPECT_EQ(TPCM.EDUNIT, 6);
}

// A file beside the record of a save that was stopped may be the old case of a save that the next
// start in its folder finishes, or half of a new one: it is refused, naming the record, and the
// session stays as it was. The same file with no record beside it comes in.
TEST_F(DataLoadTest, FileBesideAStoppedSavesRecordIsRefusedNamingTheRecord) {
    std::filesystem::create_directories("other");
    testing::write_words("other/BREVDAT", other_file(4975));
    testing::write_words("BREVDAT", other_file(4975));
    testing::put_file("other/BREVSAVE.brvjournal", "a record\n");
    testing::put_file("BREVSAVE.brvjournal", "a record\n");
    struct Case {
        const char* path;
        const char* record;
    };
    // A file that the stopped save has renamed away is refused the same way: the record says why.
    for (const Case& c : {Case{"other/BREVDAT", "other/BREVSAVE.brvjournal"}, Case{"BREVDAT", "BREVSAVE.brvjournal"},
                          Case{"NOSUCH", "BREVSAVE.brvjournal"}}) {
        SCOPED_TRACE(c.path);
        const std::vector<std::byte> before = session();
        clear_captured(SCREEN_UNIT);
        answers("'" + std::string(c.path) + "'\n\nafter\n");
        DATLOAD(1);
        EXPECT_NE(screen().find(std::string(" >>> Cannot import ") + c.path + ": its folder holds " + c.record +
                                ",\n"
                                "     the record of a save that was stopped before it was done. The next start of\n"
                                "     the program in that folder finishes or undoes that save; import the file\n"
                                "     after it. Nothing was imported.\n"
                                " \n Press <RETURN> to continue: "),
                  std::string::npos)
            << screen();
        EXPECT_EQ(read_keyboard_line(), "after");
        EXPECT_TRUE(session() == before) << "a word of the session changed";
    }

    std::filesystem::remove("other/BREVSAVE.brvjournal");
    clear_captured(SCREEN_UNIT);
    answers("'other/BREVDAT'\n\n");
    DATLOAD(1);
    EXPECT_NE(screen().find(" >>> Import successful!\n"), std::string::npos) << screen();
    expect_file_words(1, 4975);
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

// A file that is not this program's, whatever its creator word (another program of the family, a
// damaged word the loader calls "UNKNOWN", 0, 18 or a negative one): at 6.01 or later with the
// identity 49 it gets the resize the loader gives it, every word under its own name, and comes in at
// its own version; older than 6.01 it is refused by name and the image stays as it was (only its
// program knows its version steps). A file old enough to keep its version in the older word (word
// 217 at 0, the version's bits in word 111) is read at that version, as the loader reads any file.
TEST_F(DataLoadTest, AnotherProgramsFileOfTheOlderLayoutIsResizedOrRefused) {
    struct Case {
        Int creator;
        std::string refusal;      // the refusal of its file at 5.50
        float version = 6.8f;     // the version of the file that is resized
        bool old_word = false;    // the version in word 111, word 217 at 0
    };
    const std::string named = ": a PELMARO data file of version  5.50,\n"
                              "     in the older layout of 49 points and 50 lines. Update it with the\n"
                              "     current version of PELMARO before importing its data.\n";
    const auto unknown = [](Int creator) {
        return ": a data file of an unknown program (creator " + std::to_string(creator) +
               "),\n"
               "     of version  5.50, in the older layout of 49 points and 50 lines.\n"
               "     Update it with the current version of its program before importing its data.\n";
    };
    // The case NOW as a file of VERSION in the older layout, with its version where the case says.
    const auto older_file = [](const Case& c, const std::vector<std::uint32_t>& now, float version) {
        std::vector<std::uint32_t> older = in_older_layout(now, version);
        if (c.old_word) {
            older[216] = 0;                   // VERNO
            older[110] = real_bits(version);  // IVERSN
        }
        return older;
    };
    for (const Case& c : {Case{3, named}, Case{0, unknown(0)}, Case{18, unknown(18)}, Case{-7, unknown(-7)},
                          Case{9, unknown(9)}, Case{3, named, 6.1f, true}}) {
        SCOPED_TRACE(::testing::Message() << c.creator << (c.old_word ? ", the version in word 111" : ""));
        SetUp();
        std::vector<std::uint32_t> now = other_file(4975, c.creator);
        now[14] = 149;
        testing::write_words("OLDER", older_file(c, now, c.version));
        answers("OLDER\n\n");
        DATLOAD(1);
        if (c.version == 6.8f) {
            EXPECT_NE(screen().find(" >>> Import successful!\n"), std::string::npos) << screen();
        } else {
            // Past the version warning, answered with Return.
            EXPECT_NE(screen().find("     Application version:    6.80\n"
                                    "     Import file version:    6.10\n"),
                      std::string::npos)
                << screen();
            EXPECT_EQ(screen().find(" >>> Import successful!"), std::string::npos);
        }
        EXPECT_EQ(screen().find(" >>> Cannot import"), std::string::npos);
        for (int k = 3; k <= 4975; ++k) {
            if (k == 15 || k == 118 || k == 121 || k == 217 || (k >= 700 && k <= 703) || k == 1987) continue;
            std::uint32_t expected = testing::opened_by_149(k) ? 0u : now[static_cast<std::size_t>(k - 1)];
            if (k == 111 && c.old_word) expected = real_bits(c.version);
            ASSERT_EQ(static_cast<std::uint32_t>(word(k)), expected) << "word " << k;
        }
        EXPECT_EQ(TPCM.DAT_ID, 149);
        EXPECT_EQ(TPCM.VERNO, c.version);
        expect_own_session();

        SetUp();
        testing::write_words("OLDER", older_file(c, other_file(4975, c.creator), 5.5f));
        const std::vector<std::byte> before = session();
        answers("OLDER\n\nafter\n");
        DATLOAD(1);
        EXPECT_NE(screen().find(" >>> Cannot import OLDER" + c.refusal + " \n Press <RETURN> to continue: "),
                  std::string::npos)
            << screen();
        EXPECT_EQ(screen().find(kAbortQuestion), std::string::npos);
        EXPECT_TRUE(session() == before) << "a word of the session changed";
        EXPECT_EQ(read_keyboard_line(), "after");
    }
}

// A file of this program old enough to keep its version in the older word (VERNO 0, the version's
// bits in word 111) is updated from that version, as the loader reads it: the steps from 4.50 on,
// not those of a file older than 1.0.
TEST_F(DataLoadTest, OldFileOfThisProgramIsUpdatedFromTheVersionInItsOldWord) {
    std::vector<std::uint32_t> now = other_file(4975);
    now[773] = 0x777;              // LCBARG: NSMB as code 7 of every field, its number from 4.28 to 5.0
    now[774] = 0x121;              // LWBARG
    now[776] = 1;                  // VESTYP
    now[1367] = real_bits(2.5f);   // STRNFC
    std::vector<std::uint32_t> older = in_older_layout(now, 4.5f);
    older[216] = 0;                // VERNO
    older[110] = real_bits(4.5f);  // IVERSN
    testing::write_words("OLDER", older);
    answers("OLDER\n\n\n\n");  // Returns to spare: a file read as older than 1.0 has more notes to page
    DATLOAD(1);
    const std::string out = screen();
    EXPECT_NE(out.find("**** Data File Changes Since Version  4.50: ****"), std::string::npos) << out;
    EXPECT_NE(out.find("     Import file version:    4.50\n"), std::string::npos) << out;
    EXPECT_EQ(TPCM.LCBARG, 0xFFF) << "renumbered by the step below 5.0 only";
    EXPECT_EQ(TPCM.LWBARG, 0x121) << "not renumbered by the steps below 1.0 and 4.28";
    EXPECT_EQ(TPCM.STRNFC, 1.25f) << "set by the step below 5.0";
    EXPECT_EQ(TPCM.DAT_ID, 149);
    EXPECT_EQ(TPCM.VERNO, 6.8f);
    expect_own_session();
}

}  // namespace
}  // namespace brevant

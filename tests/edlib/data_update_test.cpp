// The version updater: its notes on the console and in the load report, the version steps, the 5.0
// and 149-line resizes, and where the steps' words land in an image of the older layout.
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "records/data_image.h"
#include "edlib/data_update.h"
#include "image_moves.h"
#include "test_support.h"

namespace brevant {
namespace {

using testing::after_149;

constexpr Real kRunningVersion = 6.02f;
const std::string kNone = "\n ++> None...\n";
const std::string kResized149 = "\n ++> Data file resized for 149 Fairleads\n";

std::string heading(const std::string& version) {
    return std::string(15, ' ') + "**** Data File Changes Since Version " + version + ": ****\n";
}

Real word_real(int k) { return std::bit_cast<Real>(image_word(TPCM, k)); }
void set_word_real(int k, Real v) { set_image_word(TPCM, k, std::bit_cast<Int>(v)); }

class VersionUpdate : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_images();
        capture_unit(WARN_UNIT);
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.DAT_ID = 149;
        TPCM.SIMTYP = 16;
    }
    void TearDown() override {
        reset_images();
        ConsoleTest::TearDown();
    }
    Int update(Real version, Real running = kRunningVersion) {
        TPCM.VERNO = version;
        Int flag = -7;
        BRVUPD(running, flag);
        return flag;
    }
    std::string report() const { return captured(WARN_UNIT); }
};

TEST_F(VersionUpdate, CurrentFileGetsTheHeadingAndNoneInBothPlacesAndLeavesTheImage) {
    testing::ScratchDir dir;
    reset_units();
    capture_unit(SCREEN_UNIT);
    ASSERT_TRUE(open_unit(WARN_UNIT, "DATUPWRN.stxt", UnitMode::Write));
    for (int k = 1; k <= NTOGOQ; ++k) set_image_word(TPCM, k, k * 7);
    TPCM.EDUNIT = SCREEN_UNIT;
    TPCM.DAT_ID = 149;
    TPCM.VERNO = 6.02f;
    const Tpcm before = TPCM;

    Int flag = -7;
    BRVUPD(kRunningVersion, flag);
    ASSERT_TRUE(close_unit(WARN_UNIT));

    EXPECT_EQ(flag, 0);
    const std::string expected = heading(" 6.02") + kNone;
    EXPECT_EQ(screen(), expected);
    std::ifstream in("DATUPWRN.stxt");
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), expected);
    EXPECT_EQ(std::memcmp(&before, &TPCM, sizeof(Tpcm)), 0) << "no step may touch the image";
}

TEST_F(VersionUpdate, Layout49AtAVersionPastEveryStepIsResizedWordForWord) {
    std::vector<Int> old(NTOGOQ + 1);
    for (int k = 1; k <= NTOGOQ; ++k) {
        old[k] = 100000 + k;
        set_image_word(TPCM, k, old[k]);
    }
    TPCM.EDUNIT = SCREEN_UNIT;  // the loader's unit, at word 703 of the old image
    old[703] = SCREEN_UNIT;
    TPCM.DAT_ID = 49;
    TPCM.VERNO = 6.05f;
    old[217] = std::bit_cast<Int>(6.05f);
    const Int beyond = image_word(TPCM, 4976);

    EXPECT_EQ(update(6.05f, 6.05f), 1);

    EXPECT_EQ(screen(), heading(" 6.05") + kResized149);
    EXPECT_EQ(report(), screen());
    EXPECT_EQ(TPCM.DAT_ID, 149);
    EXPECT_EQ(image_word(TPCM, 1652), old[1052]);
    std::vector<Int> expected(NTOGOQ + 1, 0);
    for (int k = 1; k <= NTOGOQ; ++k)
        if (int p = after_149(k)) expected[p] = old[k];
    expected[1987] = old[1387];  // TOPCOM_LAST keeps what stood there before its word was opened
    expected[15] = 149;
    expected[703] = SCREEN_UNIT;  // the session's unit, not the old file's stored 0
    for (int k = 1; k <= NTOGOQ; ++k) {
        if (testing::opened_by_149(k)) {
            ASSERT_EQ(image_word(TPCM, k), 0) << "opened word " << k;
        } else {
            ASSERT_EQ(image_word(TPCM, k), expected[k]) << "word " << k;
        }
    }
    EXPECT_EQ(image_word(TPCM, 4976), beyond) << "the resize stays inside the stored words";
}

TEST_F(VersionUpdate, TheResizeKeysOnTheVersionAloneAndTheNotesFollowItOnTheSessionUnit) {
    set_image_word(TPCM, 1052, 4242);
    TPCM.EDUNIT = SILENT_UNIT;
    TPCM.LEASTP = 3;
    EXPECT_EQ(update(6.005f, 6.0f), 1);  // a newer file: the warning comes after the resize
    EXPECT_EQ(image_word(TPCM, 1652), 4242);
    EXPECT_EQ(image_word(TPCM, 1052), 0);
    EXPECT_EQ(TPCM.EDUNIT, SILENT_UNIT);
    EXPECT_EQ(screen(), "");
    EXPECT_EQ(silent(), heading(" 6.01") + kResized149 +
                            "\n ++> Warning: The data file loaded was created by a more recent program\n"
                            "     version than this one; you should inspect each data page THOROUGHLY\n"
                            "     before proceeding...\n");
    EXPECT_EQ(report(), silent());
}

// The notes of every step, by their first line, for a file of each version; a version equal to a
// step's constant skips the step.
struct StepCase {
    Real version;
    std::vector<std::string> screen_notes;
    std::vector<std::string> report_notes;
    Int flag;
};

const char* const N1 = " ++> Updated & enhanced environmental forcing options; implemented user";
const char* const N2 = " ++> Added variable wave drift spectrum enhancement factor.";
const char* const N5 = " ++> Changed handling of swell and irregular wave options.";
const char* const N6 = " ++> Revised treatment of Semisubmersible drift-force specification.";
const char* const N7 = " ++> Eliminated surface point for current depth distribution. ";
const char* const N8 = " ++> Data file resized for version 5.0";
const char* const N9 = " ++> Wave drag and drift forces on semi/tlp/spar shapes ";
const char* const N10 = " ++> Data file resized for 149 Fairleads";
const char* const N11 = " ++> None...";

// First lines of the notes in a transcript: the line after each empty line.
std::vector<std::string> note_heads(const std::string& text) {
    std::vector<std::string> heads;
    std::istringstream in(text);
    std::string line;
    bool after_empty = false;
    while (std::getline(in, line)) {
        // The pager's prompt stays open, so the empty line of the next note ends it.
        if (line.find("Press <RETURN>") != std::string::npos) {
            after_empty = true;
            continue;
        }
        if (after_empty) heads.push_back(line);
        after_empty = line.empty();
    }
    return heads;
}

TEST_F(VersionUpdate, EachStepWritesItsNotesWhereItSaysFromItsThresholdDown) {
    const std::vector<std::string> from_538 = {N9, N10};
    const std::vector<std::string> from_441 = {N7, N8, N9, N10};
    const std::vector<std::string> from_15 = {N6, N7, N8, N9, N10};
    const std::vector<std::string> from_142 = {N5, N6, N7, N8, N9, N10};
    const StepCase cases[] = {
        {6.02f, {N11}, {N11}, 0},
        {6.01f, {N11}, {N11}, 0},
        {6.009f, {N10}, {N10}, 1},
        {5.59f, {N10}, {N10}, 1},
        {5.57f, {N10}, {N10}, 1},
        {5.56f, {N10}, {N10}, 1},  // the 5.57 step counts but writes nothing
        {5.38f, {N10}, {N10}, 1},
        {5.37f, from_538, from_538, 1},
        {5.0f, from_538, from_538, 1},
        {4.41f, from_538, from_538, 1},
        {4.40f, from_441, from_441, 1},
        {4.28f, from_441, from_441, 1},
        {1.5f, from_441, from_441, 1},
        {1.49f, from_15, from_15, 1},
        {1.42f, from_15, from_15, 1},
        {1.41f, from_142, from_142, 1},
        {1.19f, from_142, from_142, 1},
        {1.18f, {N2, N5, N6, N7, N8, N9, N10}, from_142, 1},  // N2 on the screen only
        {1.0f, {N2, N5, N6, N7, N8, N9, N10}, from_142, 1},
        {0.99f, {N1, N2, N5, N6, N7, N8, N9, N10}, from_142, 1},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.version);
        reset_images();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.DAT_ID = 149;
        clear_captured(SCREEN_UNIT);
        clear_captured(WARN_UNIT);
        answers("\n");  // the pager's pause before the sixth counted note
        EXPECT_EQ(update(c.version), c.flag);
        EXPECT_EQ(note_heads(screen()), c.screen_notes);
        EXPECT_EQ(note_heads(report()), c.report_notes);
        EXPECT_EQ(TPCM.DAT_ID, 149);
    }
}

TEST_F(VersionUpdate, SixthCountedNoteOnOneScreenWaitsForReturn) {
    answers("\n");
    update(1.18f);  // counted: N2, N5, N6, the 4.28 remap, N7/N8, then N9 is the sixth
    const std::string out = screen();
    const auto pause = out.find("Press <RETURN> to continue: ");
    ASSERT_NE(pause, std::string::npos);
    EXPECT_LT(out.find(N7), pause);
    EXPECT_GT(out.find(N9), pause);
    EXPECT_EQ(out.find("Press <RETURN>", pause + 1), std::string::npos) << "one pause only";

    answers("");
    reset_images();
    TPCM.EDUNIT = SCREEN_UNIT;
    EXPECT_THROW(update(1.18f), ProgramEnd) << "the pause reads the keyboard";
}

TEST_F(VersionUpdate, NegativeVersionIsTakenByItsMagnitude) {
    EXPECT_EQ(update(-5.58f), 1);
    EXPECT_EQ(screen(), heading(" 5.58") + kResized149);
    EXPECT_EQ(TPCM.WSPEC_HGT, 32.81f);
}

TEST_F(VersionUpdate, WindSpectrumHeightDefaultsByUnitsOnlyWhenZero) {
    struct Case {
        Real version;
        Int units;
        Real height;
        Real expected;
    };
    const Case cases[] = {
        {5.58f, 0, 0.0f, 32.81f}, {5.58f, 1, 0.0f, 10.0f}, {5.58f, 0, 15.0f, 15.0f},
        {5.58f, 1, -3.0f, -3.0f}, {5.59f, 0, 0.0f, 0.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.version << " units " << c.units << " height " << c.height);
        reset_images();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.NUNTS = c.units;
        TPCM.WSPEC_HGT = c.height;
        update(c.version);
        EXPECT_EQ(TPCM.WSPEC_HGT, c.expected);
    }
}

// Each step acts on the words it names: a file of each era holds its words where that era's layout
// kept them (the 49-line layout from 4.9 on; below 4.9 also 40 wave periods and no drag blocks), and
// after the update the name the step sets holds its value, while the words around it keep theirs.
// The file's words are given by number in the file's own layout, worked out by hand.
TEST_F(VersionUpdate, EachStepActsOnTheWordsItNamesInTheLayoutOfTheFile) {
    struct Planted {
        int word;  // in the layout of the file's era
        Int value;
    };
    struct Row {
        const char* step;
        Real version;
        std::vector<Planted> file;
        const char* name;
        Int (*after)();
        Int expected;
    };
    const auto r = [](Real x) { return std::bit_cast<Int>(x); };
    const Row rows[] = {
        // 5.56: the 49-line layout. VESTYP 777 -> 577, SEMI_LIKE 791 -> 591, BOWWND 1391 -> 791.
        {"below 5.57: hull of members from the hull type", 5.56f, {{577, 3}, {591, 0}, {791, r(2.5f)}}, "SEMI_LIKE",
         [] { return TPCM.SEMI_LIKE; }, 1},
        {"below 5.57: the bow factor of the wind keeps its value", 5.56f, {{577, 3}, {591, 0}, {791, r(2.5f)}},
         "BOWWND", [] { return std::bit_cast<Int>(TPCM.BOWWND); }, r(2.5f)},
        {"below 5.57: the hull type is only read", 5.56f, {{577, 3}}, "VESTYP", [] { return TPCM.VESTYP; }, 3},
        // 5.54: words below 500 stand where they stand now.
        {"below 5.55: frequency interval", 5.54f, {{489, r(0.5f)}}, "BRVFRQ_DELTA",
         [] { return std::bit_cast<Int>(TPCM.BRVFRQ_DELTA); }, r(0.0025f)},
        {"below 5.55: least period", 5.54f, {{498, r(20.0f)}}, "BRV_PD_MIN",
         [] { return std::bit_cast<Int>(TPCM.BRV_PD_MIN()); }, r(35.0f)},
        {"5.54: the 5.0 step is past", 5.54f, {{768, r(9.0f)}}, "STRNFC", [] { return std::bit_cast<Int>(TPCM.STRNFC); },
         r(9.0f)},
        // 4.95: STRNFC 1368 -> 768, LCBARG 774 -> 574, WVFCX 1404 -> 804, XCURNTDN 1652 -> 1052,
        // BXCURNTDN 2886 -> 1885.
        {"below 5.0: STRNFC", 4.95f, {{768, r(9.0f)}}, "STRNFC", [] { return std::bit_cast<Int>(TPCM.STRNFC); },
         r(1.25f)},
        {"below 5.0: NSMB code 7 of the current model becomes 15", 4.95f, {{574, 0x1F67}}, "LCBARG",
         [] { return TPCM.LCBARG; }, 0x1F6F},
        {"below 5.0: WVFCX", 4.95f, {{804, r(3.0f)}}, "WVFCX", [] { return std::bit_cast<Int>(TPCM.WVFCX); }, r(1.0f)},
        {"below 5.0: XCURNTDN", 4.95f, {{1052, r(3.0f)}}, "XCURNTDN",
         [] { return std::bit_cast<Int>(TPCM.XCURNTDN); }, r(1.0f)},
        {"below 5.0: BXCURNTDN", 4.95f, {{1885, r(3.0f)}}, "BXCURNTDN",
         [] { return std::bit_cast<Int>(TPCM.BXCURNTDN); }, r(1.0f)},
        {"below 5.0: the word after the step's words keeps its value", 4.95f, {{1053 + 3, r(7.5f)}}, "YCURNTUP+1",
         [] { return image_word(TPCM, 1656); }, r(7.5f)},
        // 4.27, before the 5.0 resize: a word w of the 49-line layout at 418 or later stood 120
        // words earlier, one at 863 or later 320 words earlier. LCBARG -> 454, LWBARG -> 455,
        // VESTYP -> 457, LWVCOF -> 467, VWDFAC 1367 -> 767 -> 647.
        {"below 4.28: old code 6 of the current model becomes 15", 4.27f, {{454, 0x666}}, "LCBARG",
         [] { return TPCM.LCBARG; }, 0xFFF},
        {"below 4.28: the wind model renumbered", 4.27f, {{455, 0x321}}, "LWBARG", [] { return TPCM.LWBARG; }, 0x134},
        {"below 4.28: the drift model of a semi-submersible", 4.27f, {{467, 0x21}, {457, 3}}, "LWVCOF",
         [] { return TPCM.LWVCOF; }, 0x13},
        {"below 4.28: the drag factors of the 5.0 resize", 4.27f, {}, "WVDGCX",
         [] { return std::bit_cast<Int>(TPCM.WVDGCX); }, r(1.0f)},
        {"below 4.28: the second vessel's drag factors", 4.27f, {}, "BVWDRGFC",
         [] { return std::bit_cast<Int>(TPCM.BVWDRGFC); }, r(1.0f)},
        // 1.41: OCHI_LAMBDA 442-445 -> 322-325, SEAHDG 714 -> 514 -> 394, ANGSEC 478 -> 358,
        // CURCOR 771 -> 451, XSHDOW 1407 -> 807 -> 687.
        {"below 1.42: the first sea heading from the Ochi-Hubble word", 1.41f, {{322, r(10.0f)}, {394, r(99.0f)}},
         "SEAHDG(1)", [] { return std::bit_cast<Int>(TPCM.SEAHDG(1)); }, r(10.0f)},
        {"below 1.42: the fourth sea heading", 1.41f, {{325, r(40.0f)}}, "SEAHDG(4)",
         [] { return std::bit_cast<Int>(TPCM.SEAHDG(4)); }, r(40.0f)},
        {"below 1.42: the Ochi-Hubble word cleared", 1.41f, {{322, r(10.0f)}}, "OCHI_LAMBDA(1)",
         [] { return std::bit_cast<Int>(TPCM.OCHI_LAMBDA(1)); }, 0},
        {"below 1.42: the fifth sea heading kept", 1.41f, {{398, r(55.0f)}}, "SEAHDG(5)",
         [] { return std::bit_cast<Int>(TPCM.SEAHDG(5)); }, r(55.0f)},
        {"below 1.42: spreading sector", 1.41f, {{358, r(90.0f)}}, "ANGSEC",
         [] { return std::bit_cast<Int>(TPCM.ANGSEC); }, r(180.0f)},
        {"below 1.5: current correction", 1.41f, {{451, 0}}, "CURCOR", [] { return TPCM.CURCOR; }, 1},
        {"below 1.5: shadow factor", 1.41f, {{687, r(0.5f)}}, "XSHDOW", [] { return std::bit_cast<Int>(TPCM.XSHDOW); },
         r(1.0f)},
        {"below 1.19: drift enhancement factor", 1.18f, {{647, r(0.0f)}}, "VWDFAC",
         [] { return std::bit_cast<Int>(TPCM.VWDFAC); }, r(1.0f)},
        // 0.9: the integer model values at 451-453 (words 771-773 of today), SIZE 1389 -> 789 -> 669.
        {"below 1.0: SIZE from the integer at 771", 0.9f, {{451, 2}, {452, 80}, {453, 3}}, "SIZE",
         [] { return std::bit_cast<Int>(TPCM.SIZE); }, r(2.0f)},
        {"below 1.0: DFTPCT from the integer at 772", 0.9f, {{451, 2}, {452, 80}, {453, 3}}, "DFTPCT",
         [] { return std::bit_cast<Int>(TPCM.DFTPCT); }, r(80.0f)},
        {"below 1.0: BOWWAV from the integer at 773", 0.9f, {{451, 2}, {452, 80}, {453, 3}}, "BOWWAV",
         [] { return std::bit_cast<Int>(TPCM.BOWWAV); }, r(3.0f)},
        {"below 1.0: the integer word of 772 cleared", 0.9f, {{451, 2}, {452, 80}, {453, 3}}, "GETSUCK",
         [] { return TPCM.GETSUCK; }, 0},
        {"below 1.0: wind model 0, then renumbered below 4.28", 0.9f, {{455, 0}}, "LWBARG",
         [] { return TPCM.LWBARG; }, 0x444},
        {"below 1.0: current model not 0, then renumbered below 4.28", 0.9f, {{454, 5}}, "LCBARG",
         [] { return TPCM.LCBARG; }, 0x333},
        {"below 1.0: drift model, then renumbered below 4.28", 0.9f, {{457, 1}}, "LWVCOF",
         [] { return TPCM.LWVCOF; }, 0x222},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.step << " (" << row.version << "): " << row.name);
        reset_images();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.DAT_ID = 49;
        for (const Planted& w : row.file) set_image_word(TPCM, w.word, w.value);
        answers("\n\n");
        update(row.version);
        EXPECT_EQ(row.after(), row.expected);
        EXPECT_EQ(TPCM.DAT_ID, 149);
        EXPECT_EQ(TPCM.EDUNIT, SCREEN_UNIT);
    }
}

// The steps that write no note: a file at the step's constant skips it, one just below runs it.
TEST_F(VersionUpdate, SilentStepsRunJustBelowTheirConstantAndNotAtIt) {
    struct Case {
        const char* what;
        Real threshold;
        int word;       // where the step writes, in the image the step sees
        Real stored;    // the file's value there
        Real set;       // what the step writes
    };
    const Case cases[] = {
        {"USRPSD(41) opened by the 5.0 resize", 4.9f, 258, 77.0f, 0.0f},
        {"STRNFC of the 5.0 step", 5.0f, 1368, 9.0f, 1.25f},
        {"WVFCX of the 5.0 step", 5.0f, 1404, 3.0f, 1.0f},
        {"BRVFRQ_DELTA of the 5.55 step", 5.55f, 489, 0.5f, 0.0025f},
        {"BRV_PD_MIN of the 5.55 step", 5.55f, 498, 20.0f, 35.0f},
    };
    for (const Case& c : cases) {
        for (const bool below : {false, true}) {
            const Real version = below ? std::nextafter(c.threshold, 0.0f) : c.threshold;
            SCOPED_TRACE(::testing::Message() << c.what << " at " << version);
            reset_images();
            TPCM.EDUNIT = SCREEN_UNIT;
            TPCM.DAT_ID = 149;
            // Every version here is below 6.00999: the file holds the word where its layout kept it.
            int stored_at = version < 4.9f ? testing::in_layout_before_4_9(c.word) : testing::in_49_layout(c.word);
            // A word that such a file lacks: what stood there is moved on and the word opened.
            if (stored_at == 0) stored_at = c.word;
            set_word_real(stored_at, c.stored);
            answers("\n\n");
            update(version);
            EXPECT_EQ(word_real(c.word), below ? c.set : c.stored);
        }
    }
}

// NTAB (1915) in a file before 4.9: word 1315 of the 49-line layout, 320 words earlier again.
constexpr int kNtabBefore49 = 995;

TEST_F(VersionUpdate, TableCountIsCheckedBelow14Only) {
    for (const Real version : {1.4f, std::nextafter(1.4f, 0.0f)}) {
        SCOPED_TRACE(version);
        reset_images();
        TPCM.EDUNIT = SCREEN_UNIT;
        set_image_word(TPCM, kNtabBefore49, 1);
        clear_captured(SCREEN_UNIT);
        answers("\n\n");
        update(version);
        const auto heads = note_heads(screen());
        ASSERT_FALSE(heads.empty());
        EXPECT_EQ(heads.front(), version < 1.4f ? " ++> This file shows an anomalous NTAB =           1" : N5);
    }
}

TEST_F(VersionUpdate, MooringTableCountOfFilesBefore14) {
    struct Case {
        Int ntab;
        std::string note;  // empty: no note
    };
    const Case cases[] = {
        {0, ""},
        {45, ""},
        {31, ""},
        {90, ""},
        {1, " ++> This file shows an anomalous NTAB =           1"},
        {-4, " ++> This file shows an anomalous NTAB =          -4"},
        {91, " ++> This file shows an anomalous NTAB =          91"},
        {20, " ++> Point of information: This file had an interpolation table size of 20;"},
        {2, " ++> Point of information: This file had an interpolation table size of  2;"},
        {30, " ++> Point of information: This file had an interpolation table size of 30;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ntab);
        reset_images();
        TPCM.EDUNIT = SCREEN_UNIT;
        set_image_word(TPCM, kNtabBefore49, c.ntab);  // NTAB once the 5.0 resize has run
        clear_captured(SCREEN_UNIT);
        clear_captured(WARN_UNIT);
        answers("\n\n");
        update(1.39f);
        const auto heads = note_heads(screen());
        ASSERT_FALSE(heads.empty());
        if (c.note.empty()) {
            EXPECT_EQ(heads.front(), N5);
        } else {
            EXPECT_EQ(heads.front(), c.note);
            EXPECT_EQ(note_heads(report()).front(), c.note);
        }
    }

    // A running version of 1.35 or below does not check.
    reset_images();
    TPCM.EDUNIT = SCREEN_UNIT;
    set_image_word(TPCM, kNtabBefore49, 1);
    clear_captured(SCREEN_UNIT);
    answers("\n");
    update(1.2f, 1.35f);
    EXPECT_EQ(screen().find("NTAB"), std::string::npos);
}

TEST_F(VersionUpdate, AnomalousTableCountNoteInFull) {
    set_image_word(TPCM, kNtabBefore49, 1);
    answers("\n");
    update(1.39f);
    const std::string out = screen();
    const std::string expected =
        "\n ++> This file shows an anomalous NTAB =           1\n\n"
        "     It may not have been properly converted using the\n"
        "     conversion utility for older mooring line files. Proceed with caution.\n";
    EXPECT_NE(out.find(expected), std::string::npos) << out;
    const std::string info = heading(" 1.39");
    EXPECT_EQ(out.substr(0, info.size()), info);
}

TEST_F(VersionUpdate, LegacyCurrentProfileLosesItsSurfacePoint) {
    struct Case {
        Int count;
        Int expected_count;
        int moved;  // points that take the next point's depth and speed
    };
    // A count above the five points of the profile is first taken as 5.
    const Case cases[] = {{3, 2, 2}, {1, 1, 1}, {5, 4, 4}, {9, 4, 4}, {0, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        reset_images();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.NCURNT = c.count;
        std::array<Real, 6> depth{}, speed{};
        for (int i = 1; i <= 5; ++i) {
            depth[i] = 10.0f * static_cast<Real>(i);
            speed[i] = 0.5f * static_cast<Real>(i);
            set_word_real(testing::in_layout_before_4_9(461 + i), depth[i]);
            set_word_real(testing::in_layout_before_4_9(466 + i), speed[i]);
        }
        const Real inc = 12.5f;
        set_word_real(testing::in_layout_before_4_9(472), inc);  // BRVINC, the word after VELI(5)
        answers("\n");
        update(4.40f);
        EXPECT_EQ(TPCM.NCURNT, c.expected_count);
        for (int i = 1; i <= 5; ++i) {
            const int from = i <= c.moved ? i + 1 : i;
            EXPECT_EQ(TPCM.DPTHI(i), depth[from]) << i;
            EXPECT_EQ(TPCM.VELI(i), speed[from]) << i;
        }
        EXPECT_EQ(TPCM.BRVINC, inc);
    }
}

TEST_F(VersionUpdate, ModelCodesRenumberedOncePerField) {
    struct Case {
        Int vestyp;
        Int wind, current, drift;
        Int wind_after, current_after, drift_after;
    };
    const Case cases[] = {
        // nibbles 1-3 (lowest first); nibble 4 carried to show it is not touched
        {1, 0x1321, 0x1321, 0x1521, 0x1134, 0x1546, 0x1512},
        {3, 0x0000, 0x0654, 0x0001, 0x0000, 0x0F13, 0x0003},
        {4, 0x0004, 0x0007, 0x0011, 0x0004, 0x000F, 0x0044},  // current 7 becomes 15 in the 5.0 step
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.vestyp);
        reset_images();
        TPCM.EDUNIT = SCREEN_UNIT;
        // LWBARG, LCBARG, LWVCOF and VESTYP where a file before 4.9 holds them.
        set_image_word(TPCM, 455, c.wind);
        set_image_word(TPCM, 454, c.current);
        set_image_word(TPCM, 467, c.drift);
        set_image_word(TPCM, 457, c.vestyp);
        answers("\n");
        update(4.27f);
        EXPECT_EQ(TPCM.LWBARG, c.wind_after);
        EXPECT_EQ(TPCM.LCBARG, c.current_after);
        EXPECT_EQ(TPCM.LWVCOF, c.drift_after);
    }
}

TEST_F(VersionUpdate, Resize50GrowsTheWavePeriodTablesAndTheDragBlocks) {
    std::vector<Int> old(NTOGOQ + 1);
    for (int k = 1; k <= NTOGOQ; ++k) {
        old[k] = 500000 + k;
        set_image_word(TPCM, k, old[k]);
    }
    TPCM.NCURNT = 0;
    TPCM.DAT_ID = 149;
    TPCM.LEASTP = 3;
    TPCM.EDUNIT = SILENT_UNIT;
    answers("\n");
    update(4.40f);
    // Through both resizes: USRPSD(40) now ends at 257, T(1) stands at 318.
    EXPECT_EQ(image_word(TPCM, 257), old[257]);
    for (int k = 258; k <= 317; ++k) ASSERT_EQ(image_word(TPCM, k), 0) << k;
    EXPECT_EQ(image_word(TPCM, 318), old[258]);
    for (int k = 358; k <= 417; ++k) ASSERT_EQ(image_word(TPCM, k), 0) << k;
    EXPECT_EQ(image_word(TPCM, 418), old[298]);
    // The edges of the two drag blocks (1463-1662 and 2697-2896 once updated): the block's first word
    // is opened, the words just before and just after it hold the file's words that stood on either
    // side of it (a block opened one word early or late zeroes one of them and keeps the other).
    struct Edge {
        int word;         // in the current layout
        int file_word;    // the word of the file before 4.9 that belongs there; 0 for an opened word
    };
    const Edge edges[] = {
        {1462, 742}, {1463, 0}, {1663, 743},    // the first vessel's block, at 863 of the 49-line layout
        {2696, 1375}, {2697, 0}, {2897, 1376},  // the second vessel's, at 1696 of that layout
    };
    for (const Edge& e : edges) {
        ASSERT_EQ(testing::in_layout_before_4_9(e.word), e.file_word) << e.word;
        EXPECT_EQ(image_word(TPCM, e.word), e.file_word == 0 ? 0 : old[static_cast<std::size_t>(e.file_word)])
            << "word " << e.word;
    }
    EXPECT_EQ(TPCM.LEGDFC, 1);
    EXPECT_EQ(TPCM.LEGPKF, 1);
    EXPECT_EQ(TPCM.LEGDRG, 1);
    EXPECT_EQ(TPCM.EDUNIT, SILENT_UNIT);
    EXPECT_NE(silent().find(N8), std::string::npos);
    EXPECT_EQ(screen(), "");
}

// The room of the 4.9 resize in the 49-line image, every word of it: the two wave tables grow from
// 40 to 100 entries and both drag blocks open 200 words, zero to their last word (1062 and 1895),
// with every word of the file at the place the older shapes give it. The defaults that follow set
// the last words of the blocks by name, so only the image as the room leaves it shows a block
// cleared one word short.
TEST_F(VersionUpdate, TheRoomOfThe49ResizeIsZeroToTheLastWordOfEachBlock) {
    std::vector<Int> file(NTOGOQ + 1);
    for (int k = 1; k <= NTOGOQ; ++k) {
        file[k] = 700000 + k;
        set_image_word(TPCM, k, file[k]);
    }
    open_version_5_room();
    for (int w = 1; w <= NTOGOQ; ++w) {
        const int from = testing::before_version_5_of_49(w);
        ASSERT_EQ(image_word(TPCM, w), from == 0 ? 0 : file[static_cast<std::size_t>(from)]) << "word " << w;
    }
    // The edges, as the older shapes give them: the word before each block, its first and last
    // words, the word after it.
    struct Edge {
        int word;       // of the 49-line layout
        int file_word;  // of the file before 4.9; 0 for room
    };
    for (const Edge& e : {Edge{257, 257}, Edge{258, 0}, Edge{317, 0}, Edge{318, 258}, Edge{862, 742}, Edge{863, 0},
                          Edge{1062, 0}, Edge{1063, 743}, Edge{1695, 1375}, Edge{1696, 0}, Edge{1895, 0},
                          Edge{1896, 1376}}) {
        EXPECT_EQ(testing::before_version_5_of_49(e.word), e.file_word) << e.word;
        EXPECT_EQ(image_word(TPCM, e.word), e.file_word == 0 ? 0 : file[static_cast<std::size_t>(e.file_word)])
            << "word " << e.word;
    }
}

}  // namespace
}  // namespace brevant

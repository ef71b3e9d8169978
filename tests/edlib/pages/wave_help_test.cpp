// The wave definition notes: which screens each page's help shows, in which order, which note
// answers a single item, the pauses, and that no word of the data image changes.
#include <gtest/gtest.h>

#include <cstring>
#include <regex>
#include <string>
#include <vector>

#include "edlib/pages/wave_help.h"
#include "records/data_image.h"
#include "test_support.h"

namespace brevant {
namespace {

// A phrase of each note, to tell the notes apart on the screen.
constexpr const char* kCategories = "seven categories";         // wave note 2
constexpr const char* kLock = "\"relative\" angle";               // wave note 3
constexpr const char* kAngles = "right-handed, earth-fixed";      // wave note 4 (and the headings note)
constexpr const char* kJonswap = "the peak parameters";           // wave note J
constexpr const char* kWidth = "68% of the total";                // wave note W
constexpr const char* kOchi = "Up to 4";                          // wave note O
constexpr const char* kAlpha = "\"Phillips Parameter\"), beside"; // wave note A
constexpr const char* kLongCrested = "long-crested model";        // wave note L
constexpr const char* kSpreading = "power p of the cosine";       // wave note S
constexpr const char* kUsualSector = "180 degrees has been";      // wave note H
constexpr const char* kSector = "size in degrees of the sector";  // wave note C
constexpr const char* kWedges = "number of wedges";               // wave note E
constexpr const char* kLegacy = "single such";                    // type note 9
constexpr const char* kUserSpectra = "For every user spectrum";   // type note U
constexpr const char* kSorry = " ++> Sorry, no help for this line...";
constexpr const char* kPause = "Press <RETURN> to continue: ";

class WaveHelpTest : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        before_.assign(image_bytes(TPCM).begin(), image_bytes(TPCM).end());
    }
    void TearDown() override {
        const auto now = image_bytes(TPCM);
        EXPECT_EQ(std::memcmp(now.data(), before_.data(), before_.size()), 0) << "a help screen changed the image";
        reset_tpcm();
        ConsoleTest::TearDown();
    }
    // The texts after " ++> Item Number(s) " in the order shown.
    static std::vector<std::string> headings(const std::string& text) {
        std::vector<std::string> out;
        const std::regex heading(R"( \+\+> Item Numbers? +([^\n]*)\n)");
        for (auto it = std::sregex_iterator(text.begin(), text.end(), heading); it != std::sregex_iterator(); ++it)
            out.push_back((*it)[1].str());
        return out;
    }
    static std::size_t count(const std::string& text, const std::string& what) {
        std::size_t n = 0;
        for (auto p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
        return n;
    }
    static bool before(const std::string& text, const std::string& a, const std::string& b) {
        const auto pa = text.find(a);
        const auto pb = text.find(b);
        return pa != std::string::npos && pb != std::string::npos && pa < pb;
    }
    std::vector<std::byte> before_;
};

using Headings = std::vector<std::string>;

TEST_F(WaveHelpTest, AllNotesOfTheRandomWavePagesScreenByScreen) {
    struct Case {
        const char* what;
        Int CREATR, L_SWELL, WAVTYP;
        Headings shown;
        std::size_t pauses;
        std::vector<const char*> notes;  // in order
    };
    const Case cases[] = {
        {"sea, General JONSWAP", 16, 0, 5, {"2", "4", "8-10", "11", "20", "21", "22", "23"}, 7,
         {kCategories, kAngles, kJonswap, kAlpha, kLongCrested, kSpreading, kUsualSector, kSector, kWedges}},
        {"sea, TMA", 16, 0, 10, {"2", "4", "8-10", "11", "20", "21", "22", "23"}, 7, {kJonswap, kAlpha}},
        {"sea, Pierson-Moskowitz", 16, 0, 1, {"2", "4", "20", "21", "22", "23"}, 5, {kCategories, kAngles}},
        {"sea, Ochi-Hubble", 16, 0, 9, {"2", "4", "8", "20", "21", "22", "23"}, 6, {kAngles, kOchi, kLongCrested}},
        {"sea of an older type never gets the lock note", 5, 0, 0, {"2", "4", "8", "20", "21", "22", "23"}, 6,
         {kWidth}},
        {"swell, Gaussian, older type", 5, 1, 0, {"2", "3", "4", "8"}, 4, {kCategories, kLock, kAngles, kWidth}},
        {"swell, Gaussian, own type", 16, 1, 0, {"2", "4", "8"}, 3, {kAngles, kWidth}},
        {"swell, TMA", 16, 1, 10, {"2", "4", "8-10", "11"}, 4, {kJonswap, kAlpha}},
        {"swell, stored type out of range", 16, 1, 12, {"2", "4"}, 2, {kAngles}},
    };
    for (const Case& c : cases) {
        clear_captured(SCREEN_UNIT);
        answers(std::string(c.pauses, '\n'));
        Int LINE = 0;
        RANHP1(SCREEN_UNIT, KBD_UNIT, LINE, c.CREATR, c.L_SWELL, c.WAVTYP);
        const std::string s = screen();
        EXPECT_EQ(headings(s), c.shown) << c.what;
        EXPECT_EQ(count(s, kPause), c.pauses) << c.what;
        EXPECT_EQ(count(s, "****  Random Wave Definition Notes  ****"), 1u) << c.what;
        EXPECT_EQ(s.rfind(kPause), s.size() - std::strlen(kPause)) << c.what << ": the last pause ends the help";
        for (std::size_t i = 1; i < c.notes.size(); ++i)
            EXPECT_TRUE(before(s, c.notes[i - 1], c.notes[i])) << c.what << ": " << c.notes[i];
        if (c.notes.size() == 1) {
            EXPECT_NE(s.find(c.notes[0]), std::string::npos) << c.what;
        }
        if (c.L_SWELL == 1) {
            EXPECT_EQ(s.find(kLongCrested), std::string::npos) << c.what;
        }
    }
}

TEST_F(WaveHelpTest, RandomWaveTitleStandsInColumnNineteen) {
    answers("\n");
    Int LINE = 2;
    RANHP1(SCREEN_UNIT, KBD_UNIT, LINE, 16, 0, 1);
    EXPECT_EQ(screen().substr(0, 59), std::string(18, ' ') + "****  Random Wave Definition Notes  ****\n");
    EXPECT_NE(screen().find("\n ++> Item Number   2\n"), std::string::npos);
}

TEST_F(WaveHelpTest, OneItemOfTheRandomWavePages) {
    struct Case {
        Int CREATR, L_SWELL, WAVTYP, LINE;
        std::vector<const char*> notes;  // empty: the sorry line
    };
    const Case cases[] = {
        {16, 0, 1, 1, {}},
        {16, 0, 1, 2, {kCategories}},
        {5, 1, 0, 3, {kLock}},
        {16, 1, 0, 3, {}},
        {5, 0, 0, 3, {}},
        {16, 1, 1, 4, {kAngles}},
        {16, 0, 9, 5, {kOchi}},
        {16, 0, 9, 6, {kOchi}},
        {16, 0, 1, 6, {}},
        {16, 0, 9, 7, {kOchi}},
        {16, 0, 0, 8, {kWidth}},
        {16, 0, 5, 8, {kJonswap}},
        {16, 0, 9, 8, {kOchi}},
        {16, 0, 1, 8, {}},
        {16, 1, 10, 9, {kJonswap}},
        {16, 0, 5, 10, {kJonswap}},
        {16, 0, 0, 10, {}},
        {16, 1, 5, 11, {kAlpha}},
        {16, 0, 1, 11, {}},
        {16, 0, 1, 20, {kLongCrested}},
        {16, 1, 1, 20, {}},
        {16, 0, 1, 21, {kSpreading, kUsualSector}},
        {16, 0, 1, 22, {kSector, kUsualSector}},
        {16, 1, 1, 22, {}},
        {16, 0, 1, 23, {kWedges}},
        {16, 0, 1, 24, {}},
        {16, 0, 1, 12, {}},
    };
    for (const Case& c : cases) {
        clear_captured(SCREEN_UNIT);
        answers("\n");
        Int LINE = c.LINE;
        RANHP1(SCREEN_UNIT, KBD_UNIT, LINE, c.CREATR, c.L_SWELL, c.WAVTYP);
        const std::string s = screen();
        const std::string what = "item " + std::to_string(c.LINE) + " type " + std::to_string(c.WAVTYP) +
                                 " swell " + std::to_string(c.L_SWELL) + " creator " + std::to_string(c.CREATR);
        EXPECT_EQ(headings(s), Headings{std::to_string(c.LINE)}) << what;
        EXPECT_EQ(count(s, kPause), 1u) << what;
        EXPECT_EQ(s.find(kSorry) != std::string::npos, c.notes.empty()) << what;
        for (std::size_t i = 0; i < c.notes.size(); ++i) {
            EXPECT_NE(s.find(c.notes[i]), std::string::npos) << what << ": " << c.notes[i];
            if (i > 0) {
                EXPECT_TRUE(before(s, c.notes[i - 1], c.notes[i])) << what;
            }
        }
        EXPECT_EQ(LINE, 0) << what << ": a blank answer at the pause";
    }
}

TEST_F(WaveHelpTest, TheNumberTypedAtThePauseComesBack) {
    answers("7\n");
    Int LINE = 4;
    RANHP1(SCREEN_UNIT, KBD_UNIT, LINE, 16, 0, 1);
    EXPECT_EQ(LINE, 7);
    answers("3\n");
    LINE = 9;
    RANHP2(SCREEN_UNIT, KBD_UNIT, LINE);
    EXPECT_EQ(LINE, 3);
    answers("\n\n12\n");
    LINE = 0;
    REGHLP(SCREEN_UNIT, KBD_UNIT, LINE, 1);
    EXPECT_EQ(LINE, 12);
}

TEST_F(WaveHelpTest, SpectrumTypeRows) {
    answers(std::string(7, '\n'));
    Int LINE = 0;
    RANHP2(SCREEN_UNIT, KBD_UNIT, LINE);
    std::string s = screen();
    EXPECT_EQ(headings(s), (Headings{"1", "2", "3 -> 6", "7", "8", "9", "10", "11"}));
    EXPECT_EQ(count(s, kPause), 7u);
    EXPECT_EQ(count(s, kUserSpectra), 2u);

    struct Case {
        Int row;
        std::vector<const char*> notes;
    };
    const Case cases[] = {
        {1, {"Gaussian exponential"}},
        {2, {"\"fully developed\""}},
        {3, {"\"Squat\" JONSWAP"}},
        {6, {"\"Mean\"  JONSWAP"}},
        {7, {"ISSC"}},
        {8, {"\"WAVSPEC.txt\", prepared", kUserSpectra}},
        {9, {kLegacy, kUserSpectra}},
        {10, {"Six-"}},
        {11, {"shallow-water modification"}},
        {12, {}},
        {-3, {}},
    };
    for (const Case& c : cases) {
        clear_captured(SCREEN_UNIT);
        answers("\n");
        LINE = c.row;
        RANHP2(SCREEN_UNIT, KBD_UNIT, LINE);
        s = screen();
        EXPECT_EQ(count(s, kPause), 1u) << c.row;
        EXPECT_EQ(s.find(kSorry) != std::string::npos, c.notes.empty()) << c.row;
        for (std::size_t i = 0; i < c.notes.size(); ++i) {
            EXPECT_NE(s.find(c.notes[i]), std::string::npos) << c.row << ": " << c.notes[i];
            if (i > 0) {
                EXPECT_TRUE(before(s, c.notes[i - 1], c.notes[i])) << c.row;
            }
        }
    }
}

TEST_F(WaveHelpTest, RegularWaveNotes) {
    answers("\n\n\n");
    Int LINE = 0;
    REGHLP(SCREEN_UNIT, KBD_UNIT, LINE, 1);
    std::string s = screen();
    EXPECT_EQ(s.substr(0, 60), std::string(18, ' ') + "****  Regular Wave Definition Notes  ****\n");
    EXPECT_NE(s.find("\n ++> Item Numbers 3 -> 4\n"), std::string::npos);
    EXPECT_EQ(headings(s), (Headings{"2", "3 -> 4", "6"}));
    EXPECT_EQ(count(s, kPause), 3u);
    EXPECT_TRUE(before(s, "\"auto repeat\"", "SWH/sqrt(2)"));
    EXPECT_TRUE(before(s, "SWH/sqrt(2)", kAngles));

    struct Case {
        Int item;
        const char* note;  // nullptr: the sorry line
    };
    for (const Case& c : {Case{1, nullptr}, Case{2, "\"auto repeat\""}, Case{3, "uniform wave slope"},
                          Case{4, "uniform wave slope"}, Case{5, nullptr}, Case{6, kAngles}, Case{7, nullptr}}) {
        clear_captured(SCREEN_UNIT);
        answers("\n");
        LINE = c.item;
        REGHLP(SCREEN_UNIT, KBD_UNIT, LINE, 1);
        s = screen();
        EXPECT_EQ(count(s, kPause), 1u) << c.item;
        if (c.note == nullptr)
            EXPECT_NE(s.find(kSorry), std::string::npos) << c.item;
        else
            EXPECT_NE(s.find(c.note), std::string::npos) << c.item;
    }
}

}  // namespace
}  // namespace brevant

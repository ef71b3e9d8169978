// Page 2, the hydrostatic characteristics: its lines in both unit systems, the items shown by
// creator and vessel type, the walk that edits an item or shows its note, the vessel-type sub-page,
// the notes, dump mode, the codes it hands back and the opening of the tanker database.
#include <gtest/gtest.h>

#include <cstring>
#include <regex>
#include <string>
#include <vector>

#include "edlib/pages/hydrostatics_page.h"
#include "edlib/pages/tanker_database.h"
#include "edlib/pages/vessel_pages.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "sysutl/fortran_format.h"
#include "test_support.h"

namespace brevant {
namespace {

// The numbered label of an item, dotted out to column 57.
std::string dotted(int item, const std::string& label) {
    std::string s = (item < 10 ? "  " : " ") + std::to_string(item) + ") " + label + " ";
    s.resize(57, '.');
    return s;
}

std::string padded(std::string s, std::size_t n) {
    s.resize(n, ' ');
    return s;
}

// Lines that start with an item number " nn)".
std::size_t numbered_lines(const std::string& text) {
    const std::regex numbered("(^|\n) [ 0-9][0-9]\\)");
    return static_cast<std::size_t>(std::distance(std::sregex_iterator(text.begin(), text.end(), numbered),
                                                  std::sregex_iterator()));
}

std::size_t count(const std::string& text, const std::string& what) { return testing::count_of(text, what); }

const std::string kHeader = " **************  Page 2: Vessel Hydrostatic Characteristics  **************\n\n";
const std::string kSelect = " \n Enter number of selection (\"H\" for help): ";
const std::string kNotesTitle = " ********************  Vessel Definition Notes  ********************\n\n";

class HydrostaticsPageTest : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        reset_tanker_state();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.SIMTYP = 16;
        TPCM.VESTYP = 1;
    }
    void TearDown() override {
        reset_tpcm();
        reset_tanker_state();
        ConsoleTest::TearDown();
    }
    void run(const std::string& script) {
        clear_captured(SCREEN_UNIT);
        answers(script);
        VESEL1("2", "Vessel");
    }
    std::vector<std::byte> image() const {
        const auto b = image_bytes(TPCM);
        return {b.begin(), b.end()};
    }
    static bool same(const std::vector<std::byte>& a, const std::vector<std::byte>& b) {
        return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size()) == 0;
    }
    // The image with the editor words that every answer sets put back.
    std::vector<std::byte> image_but_editor_words() {
        const Int lback = TPCM.LBACK, ipag = TPCM.IPAG;
        TPCM.LBACK = 0;
        TPCM.IPAG = 0;
        auto b = image();
        TPCM.LBACK = lback;
        TPCM.IPAG = ipag;
        return b;
    }
};

TEST_F(HydrostaticsPageTest, EnglishPageAsDrawn) {
    TPCM.DISPL = 137338.6f;
    TPCM.VKMT = 41.25f;
    TPCM.VKML = 812.5f;
    TPCM.VKB = 19.47f;
    TPCM.VKG = 24.0f;
    TPCM.CG_to_Midship = -3.5f;
    TPCM.AWP = 62000.0f;
    TPCM.LWL = 656.32f;
    TPCM.BWL = 110.9f;
    TPCM.DRAFT = 37.5f;
    run("\n");
    EXPECT_EQ(TPCM.LBACK, 0);
    const std::string expected =
        kHeader +                                                                              //
        dotted(1, "Vessel displacement") + "  137338.59 k.lbs \n" +                            //
        dotted(2, "Transverse metacentric height (KMT)") + "      41.25 ft    \n" +            //
        dotted(3, "Longitudinal metacentric height (KML)") + "     812.50 ft    \n" +          //
        dotted(4, "Vertical center of buoyancy (VKB)") + "      19.47 ft    \n" +              //
        dotted(5, "Vertical center of gravity (VKG)") + "      24.00 ft    \n" +               //
        dotted(6, "LCG-to-Midships distance") + "      -3.50 ft    \n" +                       //
        dotted(7, "Vessel water plane area") + "   62000.00 ft^2  \n" +                        //
        dotted(8, "Length of vessel at waterline") + "     656.32 ft    \n" +                  //
        dotted(9, "Beam of vessel at waterline") + "     110.90 ft    \n" +                    //
        dotted(10, "Mean vessel draft") + "      37.50 ft    \n" +                             //
        "\n" + dotted(11, "Vessel type for simulation") + padded(" Ship/barge/tanker", 26) + "\n" +  //
        "\n 12) Help for Tanker-Type Physical Characteristics\n" + kSelect;
    EXPECT_EQ(screen(), expected);
}

TEST_F(HydrostaticsPageTest, MetricCaptionsAndTheDraftLine) {
    TPCM.NUNTS = 1;
    TPCM.DRAFT = 15.25f;
    TPCM.AWP = 5000.0f;
    run("\n");
    const std::string s = screen();
    EXPECT_NE(s.find("\n 10) Mean vessel draft ..................................      15.25 m     \n"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find(dotted(1, "Vessel displacement") + "        .00 m.ton \n"), std::string::npos) << s;
    EXPECT_NE(s.find(dotted(7, "Vessel water plane area") + "    5000.00 m^2   \n"), std::string::npos) << s;
    EXPECT_NE(s.find(dotted(8, "Length of vessel at waterline") + "        .00 m     \n"), std::string::npos) << s;
}

TEST_F(HydrostaticsPageTest, ItemsElevenAndTwelveShownByCreatorAndType) {
    struct Case {
        Int CREATR, VESTYP;
        bool type_line, tanker_line;
        const char* caption;
    };
    const Case cases[] = {
        {16, 1, true, true, " Ship/barge/tanker"}, {16, 3, true, false, " Semisubmersible"},
        {16, 2, true, false, " Floating Jack-up "}, {16, 4, true, false, " Disc-shaped vessel"},
        {16, 5, true, false, " Tension Leg Platform"}, {16, 6, true, false, " Caisson Spar"},
        {16, 7, true, false, " Undefined!"},        {16, 0, true, false, " Undefined!"},
        {14, 1, false, true, nullptr},              {17, 3, false, false, nullptr},
        {3, 3, true, false, " Semisubmersible"},    {9, 1, false, true, nullptr},
        {10, 1, true, true, " Ship/barge/tanker"},  {2, 2, false, false, nullptr},
    };
    for (const Case& c : cases) {
        TPCM.SIMTYP = c.CREATR;
        TPCM.VESTYP = c.VESTYP;
        run("\n");
        const std::string s = screen();
        const std::string type_line = "\n" + dotted(11, "Vessel type for simulation");
        EXPECT_EQ(s.find(type_line) != std::string::npos, c.type_line) << c.CREATR << " " << c.VESTYP;
        if (c.caption) {
            EXPECT_NE(s.find(type_line + padded(c.caption, 26) + "\n"), std::string::npos) << c.VESTYP << s;
        }
        EXPECT_EQ(s.find("\n 12) Help for Tanker-Type Physical Characteristics\n") != std::string::npos, c.tanker_line)
            << c.CREATR << " " << c.VESTYP;
        EXPECT_EQ(numbered_lines(s), 10u + (c.type_line ? 1 : 0) + (c.tanker_line ? 1 : 0)) << c.CREATR << " " << c.VESTYP;
    }
}

TEST_F(HydrostaticsPageTest, HiddenItemsNeitherEditNorHelp) {
    struct Case {
        Int CREATR, VESTYP;
        const char* script;
    };
    const Case cases[] = {
        {16, 3, "12\n\n"}, {16, 7, "12\n\n"}, {14, 1, "11\n\n"}, {17, 1, "11\n\n"},
        {8, 1, "11\n\n"},  {16, 3, "?12\n\n"}, {14, 1, "?11\n\n"},
    };
    for (const Case& c : cases) {
        TPCM.SIMTYP = c.CREATR;
        TPCM.VESTYP = c.VESTYP;
        const auto before = image_but_editor_words();
        run(c.script);
        EXPECT_EQ(count(screen(), "Page 2: Vessel Hydrostatic Characteristics"), 2u) << c.script;
        EXPECT_EQ(screen().find("Vessel Definition Notes"), std::string::npos) << c.script;
        EXPECT_EQ(screen().find("+++"), std::string::npos) << c.script;
        EXPECT_EQ(TPCM.LBACK, 0);
        EXPECT_TRUE(same(image_but_editor_words(), before)) << c.script;
    }
}

TEST_F(HydrostaticsPageTest, EditingANumberItemStoresTheTypedValue) {
    struct Case {
        int item;
        const char* label;
        const char* typed;
        Real Tpcm::*word;
        Real stored;
    };
    const Case cases[] = {
        {1, "Vessel displacement", "54321.5", &Tpcm::DISPL, 54321.5f},
        {2, "Transverse metacentric height (KMT)", "40.25", &Tpcm::VKMT, 40.25f},
        {3, "Longitudinal metacentric height (KML)", "900", &Tpcm::VKML, 900.0f},
        {4, "Vertical center of buoyancy (VKB)", "12.5", &Tpcm::VKB, 12.5f},
        {5, "Vertical center of gravity (VKG)", "-3", &Tpcm::VKG, -3.0f},
        {6, "LCG-to-Midships distance", "-12.5", &Tpcm::CG_to_Midship, -12.5f},
        {7, "Vessel water plane area", "1.5e4", &Tpcm::AWP, 15000.0f},
        {8, "Length of vessel at waterline", "300", &Tpcm::LWL, 300.0f},
        {9, "Beam of vessel at waterline", "55", &Tpcm::BWL, 55.0f},
        {10, "Mean vessel draft", "32.5", &Tpcm::DRAFT, 32.5f},
        {10, "Mean vessel draft", "", &Tpcm::DRAFT, 7.0f},
        {10, "Mean vessel draft", "x", &Tpcm::DRAFT, 7.0f},
    };
    for (const Case& c : cases) {
        reset_tpcm();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.SIMTYP = 16;
        TPCM.VESTYP = 1;
        TPCM.DRAFT = 7.0f;
        run(std::to_string(c.item) + "\n" + c.typed + "\n\n");
        EXPECT_EQ(TPCM.*(c.word), c.stored) << c.item << " " << c.typed;
        EXPECT_EQ(TPCM.LBACK, 0);
        // Right after the selection: the item's line once more, then the value prompt.
        const std::string s = screen();
        const std::size_t edit = s.find(kSelect + dotted(c.item, c.label));
        ASSERT_NE(edit, std::string::npos) << c.item << s;
        EXPECT_EQ(s.find("\n Enter new value: ", edit), s.find('\n', edit + kSelect.size())) << c.item;
        EXPECT_EQ(count(s, "Page 2: Vessel"), 2u);
    }
}

TEST_F(HydrostaticsPageTest, VesselTypeSubPage) {
    struct Case {
        Int CREATR;
        const char* answer;
        Int VESTYP;
        Logical SEMI_LIKE;
    };
    const Case cases[] = {
        {16, "4", 4, 0},  {16, "5", 5, 1},  {16, "6", 6, 1},   {16, "3", 3, 1},  {16, "1", 1, 0},
        {16, "2", 2, 0},  {16, "9", 6, 1},  {16, "", 3, 1},    {16, "-2", 3, 1}, {16, "0", 3, 1},
        {16, "L", 3, 1},  {3, "", 3, 1},    {3, "1", 1, 0},    {3, "4", 4, 0},
    };
    for (const Case& c : cases) {
        TPCM.SIMTYP = c.CREATR;
        TPCM.VESTYP = 3;
        TPCM.SEMI_LIKE = c.CREATR == 3 ? 0 : 1;  // creator 3 sets it on opening the sub-page
        run(std::string("11\n") + c.answer + "\n\n");
        EXPECT_EQ(TPCM.VESTYP, c.VESTYP) << c.CREATR << " " << c.answer;
        EXPECT_EQ(TPCM.SEMI_LIKE, c.SEMI_LIKE) << c.CREATR << " " << c.answer;
        EXPECT_EQ(TPCM.LBACK, 0);
        const std::string s = screen();
        EXPECT_NE(s.find("\n\n +++   Vessel type for wave-frequency dynamics simulation  +++\n\n"), std::string::npos);
        const std::string menu =
            c.CREATR == 3 ? " 3) Semisubmersible\n 5) Tension Leg Platform\n 6) Caisson Spar\n\n\n"
                          : " 1) Displacement hull (ship/barge/tanker)\n 2) Floating Jack-up\n 3) Semisubmersible\n"
                            " 4) Disc-shaped vessel (CALM buoy, arctic drillship)\n 5) Tension Leg Platform\n"
                            " 6) Caisson Spar\n\n\n";
        EXPECT_NE(s.find("+++\n\n" + menu + kSelect), std::string::npos) << c.CREATR << s;
        EXPECT_EQ(count(s, "Page 2: Vessel"), 2u);
    }
}

TEST_F(HydrostaticsPageTest, VesselTypeNotes) {
    TPCM.VESTYP = 3;
    run("11\n?\n\n4\n\n");  // every note, Return at its pause, then type 4
    std::string s = screen();
    EXPECT_NE(s.find(std::string(17, ' ') + "****  Vessel Definition Notes  ****\n"), std::string::npos) << s;
    for (const char* program : {"Korvell", "Tandril", "Pelmaro", "Voskarn"})
        EXPECT_NE(s.find("     program " + std::string(program) + " to evaluate the vessel motion response.\n"),
                  std::string::npos)
            << program;
    for (const char* heading : {"1", "2", "3", "4"})
        EXPECT_NE(s.find("\n ++> Item Number  " + std::string(heading) + "\n\n     Choosing"), std::string::npos);
    EXPECT_EQ(TPCM.VESTYP, 4);
    EXPECT_EQ(count(s, "+++   Vessel type"), 2u);

    run("11\n?2\n\n\n\n");
    s = screen();
    EXPECT_NE(s.find("\n ++> Item Number   2\n\n"), std::string::npos) << s;
    EXPECT_NE(s.find("Tandril"), std::string::npos);
    EXPECT_EQ(s.find("Korvell"), std::string::npos);

    run("11\n?7\n5\n\n\n");  // the number typed at the pause is left in IPAG
    s = screen();
    EXPECT_NE(s.find("\n ++> Item Number   7\n ++> Sorry, no help for this line...\n\n"), std::string::npos) << s;
    EXPECT_EQ(TPCM.IPAG, 5);
    EXPECT_EQ(TPCM.VESTYP, 4);
}

TEST_F(HydrostaticsPageTest, HelpForOneItemIsReachedThroughTheWalk) {
    struct Case {
        const char* answer;
        const char* heading;  // nullptr: the page is only drawn again
        const char* note;
    };
    const Case cases[] = {
        {"?6", " ++> Item Number 6\n", "     The LCG-to-Midships distance is the longitudinal distance"},
        {"?10", " ++> Item Number 10\n", "     The mean draft is the draft in the simulated condition."},
        {"?1", " ++> Item Number 1\n", "     The vessel displacement is the total weight"},
        {"?3", " ++> Item Number 3\n", "     The metacentric height KM (transverse or longitudinal)"},
        {"?7", " ++> Item Number 7\n", "     The water plane area can be obtained\n"},
        {"?9", " ++> Item Number 9\n", "     Length and beam are the total waterline lengths"},
        {"?11", " ++> Item Number 11\n", "     The vessel type selects the wave-frequency simulation"},
        {"?12", " ++> Item Number 12\n", "     A built-in database of nominal crude-oil tankers"},
        {"?13", nullptr, nullptr},
        {"?-2", nullptr, nullptr},
        {"?99", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        const auto before = image_but_editor_words();
        run(std::string(c.answer) + "\n\n\n");
        const std::string s = screen();
        EXPECT_EQ(count(s, "Page 2: Vessel"), 2u) << c.answer;
        EXPECT_EQ(TPCM.LBACK, 0);
        if (c.heading) {
            EXPECT_NE(s.find(kNotesTitle + "\n" + c.heading + "\n" + c.note), std::string::npos) << c.answer << s;
            EXPECT_EQ(count(s, " ++> Item Number"), 1u);
            // The walk went straight to the note, writing no line before it.
            const std::size_t select = s.find(kSelect);
            const std::size_t notes = s.find(kNotesTitle);
            EXPECT_LT(select, notes);
            EXPECT_EQ(numbered_lines(s.substr(select, notes - select)), 0u) << c.answer;
        } else {
            EXPECT_EQ(s.find("Vessel Definition Notes"), std::string::npos) << c.answer;
        }
        TPCM.IPAG = 0;
        EXPECT_TRUE(same(image_but_editor_words(), before));
    }
}

TEST_F(HydrostaticsPageTest, AllNotesAndTheVesselTypeNoteByCreator) {
    struct Case {
        Int CREATR;
        bool type_note;
        int pauses;
    };
    for (const Case& c : {Case{16, true, 5}, Case{14, true, 5}, Case{17, false, 4}, Case{3, false, 4},
                          Case{9, false, 4}}) {
        TPCM.SIMTYP = c.CREATR;
        run("?\n\n\n\n\n\n\n");
        const std::string s = screen();
        EXPECT_EQ(s.find("The vessel type selects") != std::string::npos, c.type_note) << c.CREATR;
        EXPECT_EQ(count(s, "Press <RETURN> to continue: "), static_cast<std::size_t>(c.pauses)) << c.CREATR;
        for (const char* text : {"total weight", "GM = KM - VKG", "1.0 to 1.2 times half", "free-surface corrections",
                                 "LCG-to-Midships distance is", "water plane area can be obtained",
                                 "total waterline lengths", "mean draft is the draft", "nominal crude-oil tankers"})
            EXPECT_EQ(count(s, text), 1u) << c.CREATR << " " << text;
        EXPECT_EQ(count(s, "Page 2: Vessel"), 2u);
        // The tanker note shares the screen of the note before it.
        const std::size_t before = s.find(c.type_note ? " ++> Item Number 11" : " ++> Item Number 10");
        const std::size_t tanker = s.find(" ++> Item Number 12");
        ASSERT_LT(before, tanker);
        EXPECT_EQ(s.find("Press <RETURN>", before), s.find("Press <RETURN>", tanker)) << c.CREATR;
    }
    // A number typed at the last pause is left in IPAG.
    TPCM.SIMTYP = 16;
    run("?\n\n\n\n\n7\n\n");
    EXPECT_EQ(TPCM.IPAG, 7);
}

TEST_F(HydrostaticsPageTest, NotesOfOneItem) {
    // A note code without a note.
    Int line = 4;
    answers("3\n");
    V1HLP(SCREEN_UNIT, KBD_UNIT, line, 12, 1);
    EXPECT_EQ(screen(), kNotesTitle + "\n ++> Item Number 4\n ++> Sorry, no help for this item ...\n\n \n" +
                            " Press <RETURN> to continue: ");
    EXPECT_EQ(line, 3);
}

TEST_F(HydrostaticsPageTest, NumbersBeyondTheItemsRedrawAndCodesGoToTheDriver) {
    struct Case {
        const char* answer;
        Int code;
        std::size_t pages;
    };
    const Case cases[] = {
        {"", 0, 1},           {"13", 0, 2},        {"99", 0, 2},          {"L", NAV_LAST, 1}, {"B", NAV_BACK, 1},
        {"F", NAV_FIRST, 1},  {"S", NAV_SKIP, 1},  {"E", NAV_EXECUTE, 1}, {"J5", NAV_JUMP, 1},
        {"H", NAV_REDRAW, 1}, {"!", NAV_REDRAW, 1}, {"-7", 0, 1},
    };
    for (const Case& c : cases) {
        const auto before = image_but_editor_words();
        // A number beyond the items redraws, and Return then leaves.
        run(std::string(c.answer) + "\n\n\n");
        EXPECT_EQ(TPCM.LBACK, c.code) << c.answer;
        EXPECT_EQ(count(screen(), "Page 2: Vessel"), c.pages) << c.answer;
        TPCM.IPAG = 0;
        EXPECT_TRUE(same(image_but_editor_words(), before)) << c.answer;
    }
}

TEST_F(HydrostaticsPageTest, DumpModeWritesThePageOnce) {
    TPCM.LCOPY = 1;
    TPCM.LBACK = 5;
    TPCM.DRAFT = 12.0f;
    run("");  // any read would meet the end of the input
    EXPECT_EQ(TPCM.LBACK, 0);
    EXPECT_EQ(TPCM.LCOPY, 2);
    const std::string s = screen();
    EXPECT_EQ(s.rfind(kHeader, 0), 0u);
    EXPECT_EQ(count(s, "Page 2: Vessel"), 1u);
    EXPECT_NE(s.find(dotted(10, "Mean vessel draft") + "      12.00 ft    \n"), std::string::npos);
    EXPECT_NE(s.find(dotted(11, "Vessel type for simulation")), std::string::npos);
    EXPECT_NE(s.find(" 12) Help for Tanker-Type"), std::string::npos);
    EXPECT_EQ(s.find("Enter"), std::string::npos);
}

TEST_F(HydrostaticsPageTest, TankerValuesCopiedBackShowOnThePage) {
    TPCM.DWTONS = 112000.0f;  // kips: 50000 long tons
    TPCM.DRAFT = 30.0f;
    TPCM.CG_to_Midship = 4.0f;
    TPCM.LBACK = 33;
    run("12\nz\n\n");
    EXPECT_EQ(TPCM.LBACK, 0);
    EXPECT_NEAR(TPCM.LWL, 656.32f, 0.7f);
    EXPECT_EQ(TPCM.DRAFT, 30.0f);
    EXPECT_EQ(TPCM.CG_to_Midship, 4.0f);
    EXPECT_EQ(TPCM.VESTYP, 1);
    const std::string s = screen();
    const std::size_t redraw = s.find("Page 2: Vessel", s.find(">>> Independent variables"));
    ASSERT_NE(redraw, std::string::npos);
    EXPECT_NE(s.find(dotted(8, "Length of vessel at waterline") + fmt_F(TPCM.LWL, 11, 2), redraw), std::string::npos);
}

}  // namespace
}  // namespace brevant

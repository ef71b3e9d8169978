// The notes of the load-model sub-pages: title runs, one screen per item with its pause, the
// shared text of bow items 1 and 2, the "Sorry" line, the answer left by the last pause, and text
// that stays within the screen.
#include "edlib/pages/load_model_help.h"

#include <gtest/gtest.h>

#include <string>

#include "sysutl/units.h"
#include "test_support.h"

namespace brevant {
namespace {

const std::string kPause = "Press <RETURN> to continue: ";
const std::string kSorry = "\n ++> Sorry, no help for this line...\n\n \n ";

std::size_t count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
    return n;
}

bool has(const std::string& text, const std::string& what) { return text.find(what) != std::string::npos; }

using Notes = void (*)(Int, Int, Int&);

struct Routine {
    const char* name;
    Notes notes;
    const char* title;
    int stars;  // (73 - title length) / 2
    int screens;
    int items;
};

const Routine kRoutines[] = {
    {"WNDFHP", WNDFHP, "Wind Load Model Notes", 26, 5, 5},
    {"CURFHP", CURFHP, "Current Load Model Notes", 24, 7, 7},
    {"WAVFHP", WAVFHP, "Wave Load Model Notes", 26, 7, 7},
    {"WBOWHP", WBOWHP, "Wind-Associated Bow Shape Notes", 21, 2, 3},
    {"OCIMHP", OCIMHP, "OCIMF '77 Current-Associated Bow Shape Notes", 14, 2, 3},
    {"NSMBHP", NSMBHP, "NSMB '91 Current-Associated Bow Shape Notes", 15, 2, 3},
};

class LoadModelHelpTest : public testing::ConsoleTest {
protected:
    std::string show(Notes notes, Int& line, const std::string& script) {
        clear_captured(SCREEN_UNIT);
        answers(script);
        notes(SCREEN_UNIT, KBD_UNIT, line);
        return screen();
    }
};

std::string title_line(const Routine& r) {
    return " " + std::string(r.stars, '*') + "  " + r.title + "  " + std::string(r.stars, '*') + "\n\n";
}

TEST_F(LoadModelHelpTest, EveryItemInTurn) {
    for (const Routine& r : kRoutines) {
        Int line = 0;
        const std::string s = show(r.notes, line, std::string(r.screens - 1, '\n') + "6\n");
        // The title on the first screen only, one pause per screen.
        EXPECT_EQ(s.find(title_line(r)), 0u) << r.name;
        EXPECT_EQ(count(s, std::string(r.title)), 1u) << r.name;
        EXPECT_EQ(count(s, kPause), static_cast<std::size_t>(r.screens)) << r.name;
        EXPECT_EQ(count(s, " ++> Item Number"), static_cast<std::size_t>(r.screens)) << r.name;
        EXPECT_EQ(line, 6) << r.name;  // the answer of the last pause
        for (std::size_t p = 0, end; (end = s.find('\n', p)) != std::string::npos; p = end + 1) {
            const std::string text = s.substr(p, end - p);
            EXPECT_LE(text.size(), 80u) << r.name << ": " << text;
            if (!text.empty() && text[0] != ' ') ADD_FAILURE() << r.name << ": " << text;
        }
    }
    Int line = 0;
    const std::string wind = show(WNDFHP, line, "\n\n\n\n\n");
    EXPECT_TRUE(has(wind, title_line(kRoutines[0]) + " ++> Item Number  1\n"));
    EXPECT_TRUE(has(wind, " ++> Item Number  5\n"));
    line = 0;
    const std::string bow = show(WBOWHP, line, "\n\n");
    EXPECT_TRUE(has(bow, title_line(kRoutines[3]) + " ++> Item Numbers 1, 2\n"));
    EXPECT_TRUE(has(bow, " ++> Item Number  3\n"));
    line = 0;
    EXPECT_TRUE(has(show(OCIMHP, line, "\n\n"), " ++> Item Numbers 1,2\n"));
    line = 0;
    EXPECT_TRUE(has(show(NSMBHP, line, "\n\n"), " ++> Item Numbers 1,2\n"));
}

TEST_F(LoadModelHelpTest, OneItem) {
    for (const Routine& r : kRoutines) {
        for (Int item = 1; item <= r.items; ++item) {
            Int line = item;
            const std::string s = show(r.notes, line, "\n");
            const std::string heading =
                std::string(" ++> Item Number  ") + (item < 10 ? " " : "") + std::to_string(item) + "\n\n     ";
            EXPECT_EQ(s.find(title_line(r) + heading), 0u) << r.name << " " << item << "\n" << s;
            EXPECT_EQ(count(s, kPause), 1u) << r.name << " " << item;
            EXPECT_EQ(line, 0);
        }
    }
    // Bow items 1 and 2 share their text; item 3 has its own.
    for (const Routine& r : {kRoutines[3], kRoutines[4], kRoutines[5]}) {
        Int one = 1, two = 2, three = 3;
        std::string s1 = show(r.notes, one, "\n");
        std::string s2 = show(r.notes, two, "\n");
        const std::string s3 = show(r.notes, three, "\n");
        EXPECT_NE(s1, s3) << r.name;
        s1.replace(s1.find("Number   1"), 10, "Number   2");
        EXPECT_EQ(s1, s2) << r.name;
    }
}

TEST_F(LoadModelHelpTest, NoNoteForTheLine) {
    struct Case {
        Notes notes;
        Int line;
    };
    const Case cases[] = {{WNDFHP, 6}, {CURFHP, 8}, {WAVFHP, 8}, {WBOWHP, 4}, {OCIMHP, 4},
                          {NSMBHP, 4}, {WNDFHP, -1}, {CURFHP, -3}, {NSMBHP, 99}};
    for (const Case& c : cases) {
        Int line = c.line;
        const std::string s = show(c.notes, line, "3\n");
        EXPECT_TRUE(has(s, "*\n\n" + kSorry + kPause)) << c.line << "\n" << s;
        EXPECT_FALSE(has(s, "Item Number")) << c.line;
        EXPECT_EQ(count(s, kPause), 1u);
        EXPECT_EQ(line, 3);
    }
}

TEST_F(LoadModelHelpTest, TextsThatCarryNumbers) {
    Int line = 2;
    const std::string file = show(WNDFHP, line, "\n");
    EXPECT_TRUE(has(file, "\"WINDCOFS.txt\""));
    EXPECT_TRUE(has(file, " 145"));
    line = 4;
    // The wind tanker note keeps its own range of deadweights.
    EXPECT_TRUE(has(show(WNDFHP, line, "\n"), "between 80 and 155 kDWT"));
    line = 1;
    const std::string drift = show(WAVFHP, line, "\n");
    EXPECT_TRUE(has(drift, "121 frequencies"));
    EXPECT_TRUE(has(drift, "145 attack"));
    line = 2;
    EXPECT_TRUE(has(show(CURFHP, line, "\n"), "\"CRNTCOFS.txt\""));
}

}  // namespace
}  // namespace brevant

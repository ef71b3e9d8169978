// The pre-run checks of codes and user files: each code passes at both ends of the values its page
// offers and is refused one beyond each end, naming page, item and value; a load-model field, a
// member code and a user file are looked at only where the run reads them.
#include "edlib/run_choice_checks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "options/output_selection.h"
#include "pre_run_case.h"
#include "records/coefficient_image.h"
#include "records/data_image.h"
#include "sysutl/option_words.h"
#include "test_support.h"

namespace brevant {
namespace {

Int bits(std::initializer_list<Int> list) {
    Int w = 0;
    for (Int b : list) w |= 1 << (b - 1);
    return w;
}

// The passing ship with sea, swell, wind, current and the external force on, every code set to a
// value its page offers, built-in load models, and every report table: no finding.
void valid_case() {
    testing::passing_ship();
    Tpcm& t = TPCM;
    t.EDUNIT = SCREEN_UNIT;
    t.LRANDM = t.LSWELL = t.LWIND = t.LCURNT = t.AUXFRC = 1;
    t.WNDTYP = 1;
    t.WAVTYP = 2;
    t.LWVCOF = 0x666;
    t.BRVFLG = 0x07FFFFFF;
}

std::vector<std::string> heads() { return testing::first_lines(run_choice_findings()); }

std::string head(std::string_view name, Int page, Int item, Int value) {
    return " ++> Fatal Warning: " + std::string(name) + " (page " + std::to_string(page) + ", item " +
           std::to_string(item) + ") is " + std::to_string(value) + ";";
}

class RunChoiceChecksTest : public ::testing::Test {
protected:
    void SetUp() override { valid_case(); }
    void TearDown() override { reset_images(); }
    testing::ScratchDir dir_;
};

TEST_F(RunChoiceChecksTest, ValidCaseHasNoFinding) { EXPECT_TRUE(run_choice_findings().empty()); }

// Every code of the table, with the case's other words valid: the ends of the list pass, one beyond
// each end is refused with page, item and value, and with the list the page offers.
TEST_F(RunChoiceChecksTest, EachCodeAtTheEndsOfItsListPassesAndOneBeyondIsRefused) {
    // The last spectral type of the wind and the last depth variation read files: they are there.
    for (const char* name : {"WINDSPEC.txt", "CRNTPROF.txt"}) testing::put_file(name, "2\n");
    for (const ChoiceCode& c : choice_codes()) {
        for (const Int value : {c.first, c.last}) {
            valid_case();
            TPCM.*(c.word) = value;
            EXPECT_TRUE(run_choice_findings().empty()) << c.name << " " << value;
        }
        for (const Int value : {c.first - 1, c.last + 1}) {
            valid_case();
            TPCM.*(c.word) = value;
            const std::vector<RunInputFinding> found = run_choice_findings();
            ASSERT_EQ(found.size(), 1u) << c.name << " " << value;
            EXPECT_EQ(found[0][0], head(c.name, c.page, c.item, value));
            if (c.skipped == kNoneSkipped) {
                EXPECT_EQ(found[0][1], "     its page offers the codes " + std::to_string(c.first) + " to " +
                                           std::to_string(c.last) + ".")
                    << c.name;
            }
        }
    }
}

// The codes the issue names, as the page offers them.
TEST_F(RunChoiceChecksTest, ListsOfTheSpectrumAndHullTypes) {
    struct Row {
        Int Tpcm::*word;
        Int first, last;
        Int page, item;
    };
    const Row rows[] = {
        {&Tpcm::WNDTYP, 1, 6, 9, 3},  {&Tpcm::CURTYP, 0, 3, 10, 6}, {&Tpcm::LCSTCR, 0, 3, 10, 3},
        {&Tpcm::WAVTYP, 0, 10, 12, 2}, {&Tpcm::SWLTYP, 0, 10, 13, 2}, {&Tpcm::VESTYP, 1, 6, 2, 11},
    };
    for (const Row& r : rows) {
        const ChoiceCode* code = nullptr;
        for (const ChoiceCode& c : choice_codes())
            if (c.word == r.word) code = &c;
        ASSERT_NE(code, nullptr) << r.page << " " << r.item;
        EXPECT_EQ(code->first, r.first);
        EXPECT_EQ(code->last, r.last);
        EXPECT_EQ(code->page, r.page);
        EXPECT_EQ(code->item, r.item);
    }
}

TEST_F(RunChoiceChecksTest, OchiHubbleIsNoSwell) {
    TPCM.SWLTYP = 9;
    const std::vector<RunInputFinding> found = run_choice_findings();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0], (RunInputFinding{head("Swell type", 13, 2, 9), "     its page offers the codes 0 to 8 and 10."}));
    TPCM.SWLTYP = 8;
    EXPECT_TRUE(run_choice_findings().empty());
    // The sea offers it.
    TPCM.WAVTYP = 9;
    EXPECT_TRUE(run_choice_findings().empty());
}

TEST_F(RunChoiceChecksTest, CodesOfALoadThatIsOffAreNotRead) {
    TPCM.LWIND = TPCM.LCURNT = TPCM.LRANDM = TPCM.LSWELL = TPCM.AUXFRC = 0;
    TPCM.WNDTYP = 7;
    TPCM.CURTYP = 4;
    TPCM.LCSTCR = -1;
    TPCM.WAVTYP = 11;
    TPCM.SWLTYP = 9;
    TPCM.LSWLOK = 2;
    TPCM.CRDSYS = 2;
    EXPECT_TRUE(run_choice_findings().empty());
    // The spectral types are read by the speed spectra only.
    valid_case();
    TPCM.BRVFLG = bits({kBitWindMeanForces, kBitCurrentMeanForces});
    TPCM.WNDTYP = 7;
    TPCM.CURTYP = 4;
    EXPECT_TRUE(run_choice_findings().empty());
    TPCM.BRVFLG = bits({kBitCurrentSpeedSpectrum});
    EXPECT_EQ(heads(), (std::vector<std::string>{head("Wind spectral type", 9, 3, 7),
                                                 head("Current spectral type", 10, 6, 4)}));
}

// The three fields of a model word: one item while they agree, an item each otherwise; each field
// passes at 1 and the last model of its list, and is refused beyond.
TEST_F(RunChoiceChecksTest, LoadModelFieldsAtTheEndsOfTheirLists) {
    struct Row {
        Int Tpcm::*word;
        const char* load;
        Int item;
        Int rows;
    };
    const Row rows[] = {{&Tpcm::LWBARG, "Wind", 2, 5}, {&Tpcm::LCBARG, "Current", 12, 7}, {&Tpcm::LWVCOF, "Wave", 22, 7}};
    for (const Row& r : rows) {
        for (const Int v : {1, r.rows}) {
            valid_case();
            TPCM.*(r.word) = v * 0x111;
            // Model 1 of the wave drift and 2 of wind and current read a file: it is there.
            for (const char* name : {"DRFTCOFS.txt", "WINDCOFS.txt", "CRNTCOFS.txt"}) testing::put_file(name, "2\n");
            // Model 1 of wind and current is the LOWDAT table: checked elsewhere.
            EXPECT_TRUE(run_choice_findings().empty()) << r.load << " " << v;
        }
        for (const Int v : {0, r.rows + 1}) {
            valid_case();
            TPCM.*(r.word) = v * 0x111;
            EXPECT_EQ(heads(), (std::vector<std::string>{head(std::string(r.load) + " force model", 6, r.item, v)}))
                << r.load << " " << v;
            // One field apart: the item of that component.
            valid_case();
            TPCM.*(r.word) = 0x101 * r.rows + 0x010 * (r.rows + 1);
            EXPECT_EQ(heads(), (std::vector<std::string>{head(std::string(r.load) + " Cy force model", 6, r.item + 1,
                                                               r.rows + 1)}))
                << r.load;
        }
    }
    // The NSMB mean curve is a current Cx of its own (15), read with 4 in Cy and Cz.
    valid_case();
    TPCM.LCBARG = 0x44F;
    EXPECT_TRUE(run_choice_findings().empty());
    TPCM.LCBARG = 0x4F4;
    EXPECT_EQ(heads(), (std::vector<std::string>{head("Current Cy force model", 6, 13, 15)}));
}

TEST_F(RunChoiceChecksTest, LoadModelFieldsAreCheckedWhereTheRunReadsThem) {
    // No table reads a model, whatever its field.
    TPCM.BRVFLG = 0;
    TPCM.LWBARG = TPCM.LCBARG = TPCM.LWVCOF = 0;
    EXPECT_TRUE(run_choice_findings().empty());
    // The net loads read the wind and current models with neither on, and the drift model with waves.
    valid_case();
    TPCM.LWIND = TPCM.LCURNT = 0;
    TPCM.BRVFLG = bits({kBitNetLoadTables});
    TPCM.LWBARG = TPCM.LCBARG = TPCM.LWVCOF = 0;
    EXPECT_EQ(heads().size(), 3u);
    TPCM.LRANDM = TPCM.LSWELL = 0;
    EXPECT_EQ(heads().size(), 2u);
    // The mean wind forces only while the wind blows.
    valid_case();
    TPCM.BRVFLG = bits({kBitWindMeanForces});
    TPCM.LWBARG = 0;
    EXPECT_EQ(heads().size(), 1u);
    TPCM.LWIND = 0;
    EXPECT_TRUE(run_choice_findings().empty());
    // The reflection table reads the drift and the current model without waves.
    valid_case();
    TPCM.LRANDM = TPCM.LSWELL = TPCM.LCURNT = 0;
    TPCM.BRVFLG = bits({kBitReflectionCoefficients});
    TPCM.LCBARG = TPCM.LWVCOF = 0x888;
    EXPECT_EQ(heads().size(), 2u);
    // A ship's absorption forces read the current model as the drag of the waves; another hull's do not.
    valid_case();
    TPCM.LCURNT = 0;
    TPCM.BRVFLG = bits({kBitAbsorptionMeanForces});
    TPCM.LCBARG = 0x888;
    EXPECT_EQ(heads(), (std::vector<std::string>{head("Current force model", 6, 12, 8)}));
    TPCM.VESTYP = 4;
    EXPECT_TRUE(run_choice_findings().empty());
}

TEST_F(RunChoiceChecksTest, MemberCodesOfAMemberBuiltHull) {
    struct Row {
        FArray<Int, 50> Tpcm::*word;
        const char* name;
        Int item;
        Int last;
    };
    const Row rows[] = {{&Tpcm::NCYLTP, "Axial cross-section profile", 3, 2},
                        {&Tpcm::BOTTYP, "Base end termination type", 11, 2},
                        {&Tpcm::TOPTYP, "Top end termination type", 13, 2},
                        {&Tpcm::MASCMP, "Added mass/moment coefficients option", 15, 2}};
    for (const Row& r : rows) {
        for (const Int v : {0, r.last}) {
            valid_case();
            TPCM.VESTYP = 3;
            TPCM.NCYL = 2;
            (TPCM.*(r.word))(2) = v;
            EXPECT_TRUE(run_choice_findings().empty()) << r.name << " " << v;
        }
        for (const Int v : {-1, r.last + 1}) {
            valid_case();
            TPCM.VESTYP = 3;
            TPCM.NCYL = 2;
            (TPCM.*(r.word))(2) = v;
            const std::vector<RunInputFinding> found = run_choice_findings();
            ASSERT_EQ(found.size(), 1u) << r.name;
            EXPECT_EQ(found[0], (RunInputFinding{head(std::string(r.name) + " of member 2", 5, r.item, v),
                                                 "     its page offers the codes 0 to 2."}));
            // A member beyond the count, or a hull of no members, is not read.
            TPCM.NCYL = 1;
            EXPECT_TRUE(run_choice_findings().empty()) << r.name;
            TPCM.NCYL = 2;
            TPCM.VESTYP = 1;
            EXPECT_TRUE(run_choice_findings().empty()) << r.name;
        }
    }
    // A count beyond the table reads the 50 members it holds.
    valid_case();
    TPCM.VESTYP = 6;
    TPCM.NCYL = 2147483647;
    TPCM.TOPTYP(50) = 3;
    EXPECT_EQ(heads(), (std::vector<std::string>{head("Top end termination type of member 50", 5, 13, 3)}));
}

}  // namespace
}  // namespace brevant

// The pre-run checks of the codes: each code passes at both ends of the values its page offers and
// is refused one beyond each end, naming page, item and value; a load-model field and a member code
// are looked at only where the run reads them.
#include "edlib/run_choice_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "options/output_selection.h"
#include "pre_run_case.h"
#include "records/data_image.h"
#include "sysutl/option_words.h"
#include "test_support.h"

namespace brevant {
namespace {

using testing::bits;

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
};

TEST_F(RunChoiceChecksTest, ValidCaseHasNoFinding) { EXPECT_TRUE(run_choice_findings().empty()); }

// The codes of single words as the pages offer them, written from the pages themselves: word, page
// and item (page 0: the word's number, for a word no page of the walk shows), the name the finding
// gives, every value offered, and what makes the run read the word in the valid case.
struct OfferedCode {
    Int Tpcm::*word;
    Int page, item;
    const char* name;
    std::vector<Int> offered;
    void (*read)();
};

void nothing() {}
void member_built_hull() { TPCM.VESTYP = 3; }

const std::vector<Int> kYesNo = {0, 1};

const std::vector<OfferedCode>& offered_codes() {
    static const std::vector<OfferedCode> codes = {
        {&Tpcm::VESTYP, 2, 11, "Vessel type for simulation", {1, 2, 3, 4, 5, 6}, nothing},
        {&Tpcm::LHVDMP, 4, 1, "Heave damping switch", kYesNo, nothing},
        {&Tpcm::LPTDMP, 4, 3, "Pitch damping switch", kYesNo, nothing},
        {&Tpcm::LRLDMP, 4, 5, "Roll damping switch", kYesNo, nothing},
        {&Tpcm::LHVPRD, 4, 7, "Heave period switch", kYesNo, nothing},
        {&Tpcm::LPTPRD, 4, 9, "Pitch period switch", kYesNo, nothing},
        {&Tpcm::LRLPRD, 4, 11, "Roll period switch", kYesNo, nothing},
        {&Tpcm::AUXFRC, 7, 1, "External force switch", kYesNo, nothing},
        {&Tpcm::CRDSYS, 7, 5, "External force coordinate system", kYesNo, nothing},
        {&Tpcm::LWIND, 8, 1, "Wind switch", kYesNo, nothing},
        {&Tpcm::LCURNT, 8, 11, "Current switch", kYesNo, nothing},
        {&Tpcm::WNDTYP, 9, 3, "Wind spectral type", {1, 2, 3, 4, 5, 6}, nothing},
        {&Tpcm::LCSTCR, 10, 3, "Current variation with depth", {0, 1, 2, 3}, nothing},
        {&Tpcm::CURTYP, 10, 6, "Current spectral type", {0, 1, 2, 3}, nothing},
        {&Tpcm::LSLPHT, 11, 3, "Constant wave height or slope", kYesNo, nothing},
        {&Tpcm::LRANDM, 12, 1, "Irregular waves switch", kYesNo, nothing},
        {&Tpcm::WAVTYP, 12, 2, "Wave type", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, nothing},
        {&Tpcm::LSWELL, 13, 1, "Swell switch", kYesNo, nothing},
        {&Tpcm::SWLTYP, 13, 2, "Swell type", {0, 1, 2, 3, 4, 5, 6, 7, 8, 10}, nothing},
        {&Tpcm::LSWLOK, 13, 3, "Swell heading lock", kYesNo, nothing},
        {&Tpcm::LPHANTOM_WGHT, 0, 189, "Phantom weight switch", kYesNo, member_built_hull},
    };
    return codes;
}

std::string code_head(const OfferedCode& c, Int value) {
    const std::string where = c.page == 0 ? " (word " + std::to_string(c.item) + " of the data file)"
                                          : " (page " + std::to_string(c.page) + ", item " + std::to_string(c.item) + ")";
    return " ++> Fatal Warning: " + std::string(c.name) + where + " is " + std::to_string(value) + ";";
}

// Every code with the case's other words valid: each value its page offers passes; every value in
// the gaps of the list and one beyond each end is refused with page, item and value.
TEST_F(RunChoiceChecksTest, EachCodePassesTheValuesItsPageOffersAndNoOther) {
    for (const OfferedCode& c : offered_codes()) {
        const Int low = c.offered.front(), high = c.offered.back();
        for (Int value = low - 1; value <= high + 1; ++value) {
            valid_case();
            c.read();
            TPCM.*(c.word) = value;
            const bool offered = std::find(c.offered.begin(), c.offered.end(), value) != c.offered.end();
            if (offered) {
                EXPECT_TRUE(run_choice_findings().empty()) << c.name << " " << value;
            } else {
                EXPECT_EQ(heads(), std::vector<std::string>{code_head(c, value)}) << c.name << " " << value;
            }
        }
    }
    // The checks know no code the pages do not set.
    EXPECT_EQ(choice_codes().size(), offered_codes().size());
}

// The list a refusal names: a range, or a range with the one gap of the swell types.
TEST_F(RunChoiceChecksTest, ARefusalNamesTheListItsPageOffers) {
    TPCM.WNDTYP = 7;
    const std::vector<RunInputFinding> found = run_choice_findings();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0][1], "     its page offers the codes 1 to 6.");
}

// The report's unit: the disk, the console or the printer unit, the only units the load keeps;
// a silent run writes to the disk whatever the word holds.
TEST_F(RunChoiceChecksTest, TheReportGoesToAUnitTheLoadKeeps) {
    for (const Int unit : {1, 6, 99}) {
        TPCM.IUNIT = unit;
        EXPECT_TRUE(run_choice_findings().empty()) << unit;
    }
    for (const Int unit : {0, 2, 7, 41, -1, 2147483647}) {
        TPCM.IUNIT = unit;
        const std::vector<RunInputFinding> found = run_choice_findings();
        ASSERT_EQ(found.size(), 1u) << unit;
        EXPECT_EQ(found[0], (RunInputFinding{head("Output goes to", 15, 25, unit),
                                             "     its page offers the console (6) and the disk (1)."}));
    }
    TPCM.EDUNIT = SILENT_UNIT;
    EXPECT_TRUE(run_choice_findings().empty());
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
    // The version updates write it into any current field.
    for (const Int word : {0x4F4, 0xF44, 0xFFF, 0x1F7}) {
        TPCM.LCBARG = word;
        EXPECT_TRUE(run_choice_findings().empty()) << std::hex << word;
    }
    // The wind and the wave drift have no such model.
    TPCM.LWBARG = 0x5F5;
    EXPECT_EQ(heads(), (std::vector<std::string>{head("Wind Cy force model", 6, 3, 15)}));
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

// The irregular-wave page: its lines for every spectrum type, the type list, the Ochi-Hubble
// tables, the entries asked again while negative, the wedge count, the "Alpha" calculator (with its
// guard against shapes the integral cannot take), help, codes, damaged counts and dump mode.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "edlib/pages/environment_pages.h"
#include "edlib/pre_run_case.h"
#include "edlib/run_input_checks.h"
#include "numeric/wave_number.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "sysutl/fortran_format.h"
#include "sysutl/program_end.h"
#include "test_support.h"

namespace brevant {
namespace {

class IrregularWavePageTest : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.SIMTYP = 16;
        TPCM.MAXSHT() = 1;
        TPCM.MAXSHG() = 1;
        TPCM.MAXANG = 36;
        TPCM.LRANDM = 1;
        TPCM.WAVTYP = 1;
        TPCM.NWP = 30;
        TPCM.N_OCHI_COMP = 2;
        TPCM.NA = 6;
        TPCM.COSEXP = 2.0f;
        TPCM.ANGSEC = 180.0f;
        TPCM.WAVWID = 0.1f;
    }
    void TearDown() override {
        reset_tpcm();
        ConsoleTest::TearDown();
    }
    void run(const std::string& script) {
        answers(script);
        MORRAN("12");
    }
    static std::size_t count(const std::string& text, const std::string& what) { return testing::count_of(text, what); }
    static bool has(const std::string& text, const std::string& what) { return text.find(what) != std::string::npos; }
    static constexpr const char* kTitle = "           ****  Page 12: Irregular wave specifications  ****\n\n\n";
};

TEST_F(IrregularWavePageTest, SeaOffShowsOnlyItemOneAndOtherNumbersRedraw) {
    TPCM.LRANDM = 0;
    TPCM.WAVTYP = 5;
    run("5\n20\n\n");
    const std::string page = std::string(kTitle) + "  1) Simulate irregular waves?   No \n \n" +
                             " Enter number of selection (\"H\" for help): ";
    EXPECT_EQ(screen(), page + page + page);
    EXPECT_EQ(TPCM.LSPRED, 0);
    run("1\n\n");
    EXPECT_EQ(TPCM.LRANDM, 1);
}

TEST_F(IrregularWavePageTest, GeneralJonswapSpreadSeaAsDrawn) {
    TPCM.WAVTYP = 5;
    TPCM.SEAHDG(1) = 180.0f;
    TPCM.SWHT(1) = 4.5f;
    TPCM.SIGPD(1) = 11.0f;
    TPCM.JONGAM = 2.0f;
    TPCM.JONPL = 0.07f;
    TPCM.JONPG = 0.09f;
    TPCM.LSPRED = 1;
    TPCM.NA = 10;
    run("\n");
    const std::string expected = std::string(kTitle) +
                                 "  1) Simulate irregular waves?   Yes\n"
                                 "\n"
                                 "  2) Wave type:  General JONSWAP       \n"
                                 "  4) Wave heading:   180.00 degrees\n"
                                 "\n"
                                 "                          -- Wave parameters --\n"
                                 "\n"
                                 "  6) Significant height:       4.50 feet           \n"
                                 "  7) Spectrum peak period:    11.00 seconds\n"
                                 "\n"
                                 "  8) JONSWAP \"Gamma\" Parameter ...............................    2.0000\n"
                                 "  9) JONSWAP \"Sigma a\" Shape Parameter .......................     .0700\n"
                                 " 10) JONSWAP \"Sigma b\" Shape Parameter .......................     .0900\n"
                                 " 11) Compute JONSWAP \"Alpha\" parameter\n"
                                 "\n"
                                 " 20) Use azimuthal spreading of irregular wave energy\n"
                                 " 21) Wave spreading index ....................................    2.00\n"
                                 " 22) Sector size containing wave energy ......................  180.00 deg\n"
                                 " 23) Number of angular wedges (Max 36) .......................   10\n"
                                 " \n Enter number of selection (\"H\" for help): ";
    EXPECT_EQ(screen(), expected);
}

TEST_F(IrregularWavePageTest, ItemsOfferedByEachSpectrumType) {
    struct Case {
        Int type;
        const char* caption;
        bool header, height, period, bandwidth, jonswap;
    };
    const Case cases[] = {
        {0, " Velmora swell spectrum", true, true, true, true, false},
        {1, " Pierson-Moskowitz     ", true, true, false, false, false},
        {2, " Mean JONSWAP          ", true, true, true, false, false},
        {3, " Sharp JONSWAP         ", true, true, true, false, false},
        {4, " Squat JONSWAP         ", true, true, true, false, false},
        {5, " General JONSWAP       ", true, true, true, false, true},
        {6, " Bretschneider         ", true, true, true, false, false},
        {7, " WAVSPEC.txt input file", false, false, false, false, false},
        {8, " Legacy custom spectrum", false, false, false, false, false},
        {10, " TMA Shallow Water     ", true, true, true, false, true},
        {12, " Index error           ", true, true, false, false, false},
    };
    TPCM.LSPRED = 1;
    for (const Case& c : cases) {
        clear_captured(SCREEN_UNIT);
        TPCM.WAVTYP = c.type;
        run("\n");
        const std::string s = screen();
        EXPECT_TRUE(has(s, std::string("  2) Wave type: ") + c.caption + "\n")) << c.type << s;
        EXPECT_EQ(has(s, "-- Wave parameters --"), c.header) << c.type;
        EXPECT_EQ(has(s, "  6) Significant height:"), c.height) << c.type;
        EXPECT_EQ(has(s, "  7) Spectrum peak period:"), c.period) << c.type;
        EXPECT_EQ(has(s, "  8) Spectral bandwidth parameter"), c.bandwidth) << c.type;
        EXPECT_EQ(has(s, "\"Gamma\""), c.jonswap) << c.type;
        EXPECT_EQ(has(s, "\"Sigma b\""), c.jonswap) << c.type;
        EXPECT_FALSE(has(s, "Ochi-Hubble wave components")) << c.type;
        EXPECT_FALSE(has(s, " 11) ")) << c.type << ": no shape parameters above 0";
        for (const char* item : {" 20) ", " 21) ", " 22) ", " 23) "}) EXPECT_TRUE(has(s, item)) << c.type << item;
    }
}

TEST_F(IrregularWavePageTest, AlphaLineOnlyWhenAllThreeShapeParametersArePositive) {
    struct Case {
        Real gamma, sigma_a, sigma_b;
        bool shown;
    };
    TPCM.WAVTYP = 10;
    for (const Case& c : {Case{1.0f, 0.07f, 0.09f, true}, Case{0.0f, 0.07f, 0.09f, false},
                          Case{1.0f, 0.0f, 0.09f, false}, Case{1.0f, 0.07f, 0.0f, false},
                          Case{1.0f, 0.07f, -0.09f, false}}) {
        clear_captured(SCREEN_UNIT);
        TPCM.JONGAM = c.gamma;
        TPCM.JONPL = c.sigma_a;
        TPCM.JONPG = c.sigma_b;
        run("\n");
        EXPECT_EQ(has(screen(), " 11) Compute JONSWAP \"Alpha\" parameter\n"), c.shown)
            << c.gamma << " " << c.sigma_a << " " << c.sigma_b;
    }
}

TEST_F(IrregularWavePageTest, OchiHubbleFromTheTypeList) {
    TPCM.WAVTYP = 1;
    TPCM.MAXSHT() = 1;
    run("2\n10\n5\n3\n\n");
    EXPECT_EQ(TPCM.WAVTYP, 9);
    EXPECT_EQ(TPCM.MAXSHT(), 4) << "set while type 9 is drawn, and kept";
    EXPECT_EQ(TPCM.N_OCHI_COMP, 3);
    const std::string s = screen();
    EXPECT_TRUE(has(s, " -- Irregular wave types --\n\n  1)  Velmora swell spectrum\n  2)  Pierson-Moskowitz     \n"));
    EXPECT_TRUE(has(s, " 10)  Ochi-Hubble           \n 11)  TMA Shallow Water     \n"));
    EXPECT_TRUE(has(s, "  5) Number of Ochi-Hubble wave components ......... (Max  4):  2\n Enter new value: "));
    EXPECT_TRUE(has(s, "  5) Number of Ochi-Hubble wave components ......... (Max  4):  3\n"));

    struct Case {
        const char* typed;
        Int stored;
    };
    for (const Case& c : {Case{"-2", 1}, Case{"0", 1}, Case{"7", 4}, Case{"4", 4}, Case{"L", 1}, Case{"", 3}}) {
        TPCM.N_OCHI_COMP = 3;
        run(std::string("5\n") + c.typed + "\n\n");
        EXPECT_EQ(TPCM.N_OCHI_COMP, c.stored) << c.typed;
        EXPECT_EQ(TPCM.LBACK, 0) << c.typed;
    }
}

TEST_F(IrregularWavePageTest, OchiHubbleTables) {
    TPCM.WAVTYP = 9;
    TPCM.N_OCHI_COMP = 2;
    TPCM.NUNTS = 1;
    for (int i = 1; i <= 4; ++i) {
        TPCM.SWHT(i) = static_cast<float>(i);
        TPCM.SIGPD(i) = 10.0f + static_cast<float>(i);
        TPCM.OCHI_LAMBDA(i) = 0.5f * static_cast<float>(i);
    }
    // Heights, periods and lambdas through the array editor, two rows each.
    run("6\n2\n2.5\n\n7\n1\n9\n\n\n8\n1\n1.25\n\n\n\n");
    EXPECT_EQ(TPCM.SWHT(2), 2.5f);
    EXPECT_EQ(TPCM.SIGPD(1), 9.0f);
    EXPECT_EQ(TPCM.OCHI_LAMBDA(1), 1.25f);
    EXPECT_EQ(TPCM.SWHT(3), 3.0f);
    const std::string s = screen();
    EXPECT_TRUE(has(s, "  6) Component heights in meters         \n         1.00         2.00\n"));
    EXPECT_TRUE(has(s, "  7) Component peak periods (seconds)\n        11.00        12.00\n"));
    EXPECT_TRUE(has(s, "  8) Component Lambda Values\n          .50000      1.00000\n"));
    EXPECT_TRUE(has(s, " --- Irregular wave significant heights ---\n"));
    EXPECT_TRUE(has(s, "  --- Irregular wave spectrum peak periods ---\n"));
    EXPECT_TRUE(has(s, " --- Component Lambda Values ---\n"));
    EXPECT_FALSE(has(s, "Significant height:"));

    // The heading of an Ochi-Hubble sea goes through the array editor too (one heading).
    clear_captured(SCREEN_UNIT);
    run("4\n1\n30\n\n\n");
    EXPECT_EQ(TPCM.SEAHDG(1), 30.0f);
    EXPECT_TRUE(has(screen(), " --- Irregular wave headings ---\n"));
}

TEST_F(IrregularWavePageTest, DamagedComponentCountStaysInsideTheTables) {
    TPCM.WAVTYP = 9;
    TPCM.N_OCHI_COMP = 50;
    for (int i = 1; i <= 6; ++i) TPCM.SWHT(i) = 100.0f + static_cast<float>(i);
    run("6\n\n\n");
    const std::string s = screen();
    EXPECT_TRUE(has(s, "       101.00       102.00       103.00       104.00\n"));
    EXPECT_FALSE(has(s, "105.00"));
    EXPECT_TRUE(has(s, "  4)    104.00"));
    EXPECT_TRUE(has(s, "  5) Auto repeat"));
    EXPECT_FALSE(has(s, "Array overflow"));
}

TEST_F(IrregularWavePageTest, SingleComponentItemsActWhetherOrNotShown) {
    TPCM.WAVTYP = 1;
    run("7\n12.5\n6\n3\n8\n0.2\n\n");
    EXPECT_EQ(TPCM.SIGPD(1), 12.5f);
    EXPECT_EQ(TPCM.SWHT(1), 3.0f);
    EXPECT_EQ(TPCM.WAVWID, 0.2f);
    EXPECT_TRUE(has(screen(), "  7) Spectrum peak period:      .00 seconds\n Enter new value: "));

    // 9, 10, 11 and 5 change nothing outside their types; 3 and 12-19 only redraw.
    TPCM.WAVTYP = 2;
    TPCM.IPAG = 0;
    const auto before = std::vector<std::byte>(image_bytes(TPCM).begin(), image_bytes(TPCM).end());
    run("9\n10\n11\n5\n3\n12\n19\n24\n\n");
    TPCM.IPAG = 0;  // the digits after the first of "24" reach IPAG, as at every selection prompt
    const auto now = image_bytes(TPCM);
    for (std::size_t k = 0; k < before.size(); k += 4)
        EXPECT_EQ(std::memcmp(now.data() + k, before.data() + k, 4), 0) << "word " << k / 4 + 1;
}

TEST_F(IrregularWavePageTest, TypesSevenAndEightAndTheDensityTable) {
    TPCM.NWP = 4;
    run("2\n9\n1\n0.5\n\n\n\n");
    EXPECT_EQ(TPCM.WAVTYP, 8);
    EXPECT_EQ(TPCM.USRPSD(1), 0.5f);
    const std::string s = screen();
    EXPECT_TRUE(has(s, "  Specify spectral densities at regular wave periods\n\n   1)       .00\n"));
    EXPECT_TRUE(has(s, "  4)       .00\n\n   5) Auto repeat")) << "as many rows as regular-wave periods";

    run("2\n8\n\n");
    EXPECT_EQ(TPCM.WAVTYP, 7);
}

TEST_F(IrregularWavePageTest, TypeListAnswersThatChooseNothing) {
    TPCM.WAVTYP = 3;
    run("2\n12\n0\n\n");
    EXPECT_EQ(TPCM.WAVTYP, 3);
    EXPECT_EQ(count(screen(), " -- Irregular wave types --"), 2u);
    run("2\nL\n\n");
    EXPECT_EQ(TPCM.WAVTYP, 3);
    EXPECT_EQ(TPCM.LBACK, 0) << "a command letter on the list goes back to the page only";
    clear_captured(SCREEN_UNIT);
    run("2\n?9\n\n\n\n");
    EXPECT_TRUE(has(screen(), "single such"));
    EXPECT_EQ(count(screen(), " -- Irregular wave types --"), 2u);
}

TEST_F(IrregularWavePageTest, ShapeParametersAreAskedAgainWhileNegative) {
    TPCM.WAVTYP = 5;
    run("8\n-1\n2\n\n");
    EXPECT_EQ(TPCM.JONGAM, 2.0f);
    std::string s = screen();
    EXPECT_EQ(count(s, "\n  8) JONSWAP \"Gamma\" Parameter ...............................   -1.0000\n Enter new value: "),
              1u);
    EXPECT_EQ(count(s, "Enter new value: "), 2u);

    // A blank answer keeps a negative old value, so the question comes again.
    struct Case {
        const char* item;
        Real* word;
    };
    for (const Case& c : {Case{"8", &TPCM.JONGAM}, Case{"9", &TPCM.JONPL}, Case{"10", &TPCM.JONPG}}) {
        *c.word = -0.5f;
        clear_captured(SCREEN_UNIT);
        run(std::string(c.item) + "\n\n0.25\n\n");
        EXPECT_EQ(*c.word, 0.25f) << c.item;
        EXPECT_EQ(count(screen(), "Enter new value: "), 2u) << c.item;
    }
    TPCM.WAVTYP = 0;
    TPCM.WAVWID = -0.1f;
    run("8\nx\n\n0\n\n");
    EXPECT_EQ(TPCM.WAVWID, 0.0f);
}

TEST_F(IrregularWavePageTest, AngularWedges) {
    TPCM.LSPRED = 1;
    struct Case {
        const char* typed;
        Int stored;
    };
    for (const Case& c : {Case{"11", 10}, Case{"7", 6}, Case{"40", 36}, Case{"37", 36}, Case{"-5", 0},
                          Case{"-3", 0}, Case{"1", 0}, Case{"L", 0}, Case{"", 6}}) {
        TPCM.NA = 6;
        run(std::string("23\n") + c.typed + "\n\n");
        EXPECT_EQ(TPCM.NA, c.stored) << c.typed;
    }
    TPCM.MAXANG = 35;
    run("23\n40\n\n");
    EXPECT_EQ(TPCM.NA, 35) << "even first, clamp second";
    TPCM.MAXANG = 36;
    clear_captured(SCREEN_UNIT);
    run("23\n11\n\n");
    EXPECT_TRUE(has(screen(), " 23) Number of angular wedges (Max 36) .......................   10\n \n"));

    // Without spreading, 21-23 change nothing; 20 switches spreading.
    TPCM.LSPRED = 0;
    run("21\n22\n23\n\n");
    EXPECT_EQ(TPCM.NA, 10);
    EXPECT_EQ(TPCM.COSEXP, 2.0f);
    run("20\n21\n4\n22\n90\n\n");
    EXPECT_EQ(TPCM.LSPRED, 1);
    EXPECT_EQ(TPCM.COSEXP, 4.0f);
    EXPECT_EQ(TPCM.ANGSEC, 90.0f);
}

// alpha = (Hs/4)^2 wp^4 / (J g^2), wp = 2 pi / Tp, J the area under the normalised JONSWAP shape.
double alpha(double Hs, double Tp, double J, double g) {
    const double wp = 2.0 * 3.14159265358979 / Tp;
    return (Hs / 4.0) * (Hs / 4.0) * std::pow(wp, 4) / (J * g * g);
}

TEST_F(IrregularWavePageTest, AlphaCalculator) {
    TPCM.WAVTYP = 5;
    TPCM.JONGAM = 1.0f;
    TPCM.JONPL = 0.07f;
    TPCM.JONPG = 0.09f;
    struct Case {
        Int NUNTS;
        const char* typed;
        const char* shown;  // nullptr: no result line
    };
    // With gamma 1 the shape's area is 0.2, so alpha = 5 Hs^2 wp^4 / (16 g^2).
    for (const Case& c : {Case{0, "20,12", "   .0091"}, Case{1, "6,12", "   .0088"}, Case{1, "6 12", "   .0088"},
                          Case{0, "20", nullptr}, Case{0, "", nullptr}, Case{0, "0,12", nullptr},
                          Case{0, "20,-12", nullptr}}) {
        clear_captured(SCREEN_UNIT);
        TPCM.NUNTS = c.NUNTS;
        run(std::string("11\n") + c.typed + (c.shown ? "\n\n\n" : "\n\n"));
        const std::string s = screen();
        EXPECT_TRUE(has(s, " \n Enter number of selection (\"H\" for help):  Enter [Sig. Height, Peak Period]: "))
            << c.typed;
        if (c.shown) {
            EXPECT_TRUE(has(s, std::string("Period]: \n ++> The JONSWAP \"Alpha\" Parameter is:") + c.shown +
                                   "\n \n Press <RETURN> to continue: "))
                << c.typed << s;
        } else {
            EXPECT_FALSE(has(s, "Alpha\" Parameter is")) << c.typed;
        }
        EXPECT_EQ(count(s, "Page 12:"), 2u) << c.typed;
        EXPECT_EQ(TPCM.LBACK, 0);
    }
    EXPECT_NEAR(alpha(20.0, 12.0, 0.2, 32.152), 0.0091, 0.00005);
    EXPECT_NEAR(alpha(6.0, 12.0, 0.2, 9.8), 0.0088, 0.00005);

    // Values kept between uses of the calculator in one visit: ",10" keeps the height 20.
    clear_captured(SCREEN_UNIT);
    TPCM.NUNTS = 0;
    run("11\n20,12\n\n11\n,10\n\n\n");
    EXPECT_TRUE(has(screen(), "Parameter is:   .0091\n"));
    const std::string second = fmt_F(static_cast<float>(alpha(20.0, 10.0, 0.2, 32.152)), 8, 4);
    EXPECT_TRUE(has(screen(), "Parameter is:" + second + "\n")) << second;
}

TEST_F(IrregularWavePageTest, AlphaOfAPeakedShapeAgainstADirectQuadrature) {
    // J(2, .07, .09) = 0.249125 by a fine Simpson sum of x^-5 exp(-1.25 x^-4) gamma^r(x).
    TPCM.WAVTYP = 5;
    TPCM.NUNTS = 1;
    TPCM.JONGAM = 2.0f;
    TPCM.JONPL = 0.07f;
    TPCM.JONPG = 0.09f;
    run("11\n40,5\n\n\n");
    const std::string s = screen();
    const std::string lead = "Parameter is:";
    const auto p = s.find(lead);
    ASSERT_NE(p, std::string::npos);
    const double shown = std::stod(s.substr(p + lead.size(), 8));
    EXPECT_NEAR(shown, alpha(40.0, 5.0, 0.249125, 9.8), 0.01 * alpha(40.0, 5.0, 0.249125, 9.8));
}

// Every shape that the checks before the run refuse gives no alpha: said, one pause, and the page
// back with the case as it was, asking nothing (gamma 5000 asked whether to abort after every 20
// passes for as long as Return was given, and "A" ended the program with the edits unsaved; a sigma a
// of 993.425781 went deeper at every pass; gamma 1e-38 ended in round-off). Every shape they take
// gives its alpha. Each row is put to the checks before the run as well, on a ship they pass.
TEST_F(IrregularWavePageTest, AlphaCalculatorGivesNoAlphaForEveryShapeTheChecksRefuse) {
    const Real inf = std::numeric_limits<Real>::infinity();
    struct Shape {
        const char* what;
        Real gamma, below, above;
        bool refused;
    };
    const Shape shapes[] = {
        {"gamma 5000: the iteration limit above the peak", 5000.0f, 0.07f, 0.09f, true},
        {"gamma 2914.75146", 2914.75146f, 0.07f, 0.09f, true},
        {"gamma 2914.69849, on the ragged upper edge", 2914.69849f, 0.07f, 0.09f, true},
        {"gamma 1e-5: the iteration limit below the peak", 1.0e-5f, 0.07f, 0.09f, true},
        {"gamma 1e-38: round-off", 1.0e-38f, 0.07f, 0.09f, true},
        {"sigma a 20", 3.3f, 20.0f, 0.09f, true},
        {"sigma a 100", 3.3f, 100.0f, 0.09f, true},
        {"sigma a 993.425781: the stages used up", 3.3f, 993.425781f, 0.09f, true},
        {"sigma a whose square leaves single precision", 3.3f, 1.4e19f, 0.09f, true},
        {"sigma b whose square leaves single precision", 3.3f, 0.07f, 1.4e19f, true},
        {"gamma not finite", inf, 0.07f, 0.09f, true},
        {"the mean sea", 3.3f, 0.07f, 0.09f, false},
        {"gamma 2914.69824, the float below it", 2914.69824f, 0.07f, 0.09f, false},
        {"gamma 3.12540651e-05, on the ragged lower edge", 3.12540651e-05f, 0.07f, 0.09f, false},
        {"gamma 2e4, where the integration converges again", 2.0e4f, 0.07f, 0.09f, false},
        {"gamma 1e-9, likewise", 1.0e-9f, 0.07f, 0.09f, false},
        {"gamma 1 with any widths", 1.0f, 2000.0f, 0.09f, false},
        {"sigma a 5000: the lower limit 1", 3.3f, 5000.0f, 0.09f, false},
        {"sigma a whose square is 0, the peak off the grid", 3.3f, 1.0e-30f, 0.09f, false},
    };
    for (const Shape& c : shapes) {
        SCOPED_TRACE(c.what);
        TPCM.WAVTYP = 5;
        TPCM.NUNTS = 1;
        TPCM.JONGAM = c.gamma;
        TPCM.JONPL = c.below;
        TPCM.JONPG = c.above;
        clear_captured(SCREEN_UNIT);
        // The height and period, the pause, and Return at the page: a question whether to abort
        // would take a Return and leave the page at the end of the input.
        try {
            run("11\n4,10\n\n\n");
        } catch (const ProgramEnd& e) {
            ADD_FAILURE() << "the program ended, status " << e.status << ":\n" << screen();
            continue;
        }
        const std::string s = screen();
        EXPECT_EQ(has(s, "Period]: \n ++> The JONSWAP integral does not converge with this gamma and these sigmas: "
                         "no alpha\n \n Press <RETURN> to continue: "),
                  c.refused)
            << s;
        EXPECT_EQ(has(s, "Period]: \n ++> The JONSWAP \"Alpha\" Parameter is:"), !c.refused) << s;
        EXPECT_FALSE(has(s, "JONSVAL"));
        EXPECT_EQ(count(s, "Page 12:"), 2u);
        EXPECT_EQ(TPCM.LBACK, 0);
        EXPECT_EQ(TPCM.WAVTYP, 5);
        EXPECT_EQ(TPCM.JONGAM, c.gamma);
        EXPECT_EQ(TPCM.JONPL, c.below);
        EXPECT_EQ(TPCM.JONPG, c.above);
    }
    for (const Shape& c : shapes) {
        testing::passing_ship();
        TPCM.LRANDM = 1;
        TPCM.WAVTYP = 5;
        TPCM.SWHT(1) = 4.0f;
        TPCM.SIGPD(1) = 10.0f;
        TPCM.JONGAM = c.gamma;
        TPCM.JONPL = c.below;
        TPCM.JONPG = c.above;
        EXPECT_EQ(!run_input_findings().empty(), c.refused) << c.what;
    }
}

TEST_F(IrregularWavePageTest, AlphaCalculatorLeavesInvalidShapesAlone) {
    // The line is not offered, and the number does nothing: no prompt, no read, no integral.
    TPCM.WAVTYP = 5;
    for (const Real gamma : {0.0f, -1.0f}) {
        TPCM.JONGAM = gamma;
        TPCM.JONPL = 0.07f;
        TPCM.JONPG = 0.09f;
        LOCALJ = LocalJ{-7.0f, -7.0f, -7};
        clear_captured(SCREEN_UNIT);
        run("11\n\n");  // a prompt would take the blank line and leave the page nothing to read
        const std::string s = screen();
        EXPECT_FALSE(has(s, "Sig. Height")) << gamma;
        EXPECT_FALSE(has(s, "Alpha\" Parameter is")) << gamma;
        EXPECT_EQ(count(s, "Page 12:"), 2u) << gamma;
        EXPECT_EQ(LOCALJ.GAM, -7.0f) << gamma << ": the integral was not called";
    }
    TPCM.JONGAM = 1.0f;
    TPCM.JONPL = 0.0f;
    LOCALJ = LocalJ{-7.0f, -7.0f, -7};
    run("11\n\n");
    EXPECT_EQ(LOCALJ.GAM, -7.0f);
}

TEST_F(IrregularWavePageTest, EntrySteps) {
    struct Case {
        Int comp_before, comp_after;
    };
    for (const Case& c : {Case{0, 2}, Case{-3, 2}, Case{1, 1}, Case{4, 4}}) {
        TPCM.N_OCHI_COMP = c.comp_before;
        TPCM.NSEAHG = 5;
        TPCM.NSEAHT() = 0;
        run("\n");
        EXPECT_EQ(TPCM.N_OCHI_COMP, c.comp_after) << c.comp_before;
        EXPECT_EQ(TPCM.NSEAHG, 1);
        EXPECT_EQ(TPCM.NSEAHT(), 1);
    }
}

TEST_F(IrregularWavePageTest, HelpAndCodes) {
    TPCM.WAVTYP = 9;
    run("?6\n\n\n");
    EXPECT_TRUE(has(screen(), "Up to 4"));
    TPCM.WAVTYP = 1;
    clear_captured(SCREEN_UNIT);
    run("?6\n\n\n");
    EXPECT_TRUE(has(screen(), " ++> Sorry, no help for this line..."));
    EXPECT_EQ(count(screen(), "Page 12:"), 2u);

    struct Case {
        const char* answer;
        Int code;
    };
    for (const Case& c : {Case{"", 0}, Case{"B", NAV_BACK}, Case{"L", NAV_LAST}, Case{"S", NAV_SKIP},
                          Case{"X", NAV_X}, Case{"J3", NAV_JUMP}}) {
        clear_captured(SCREEN_UNIT);
        run(std::string(c.answer) + "\n");
        EXPECT_EQ(TPCM.LBACK, c.code) << c.answer;
        EXPECT_EQ(count(screen(), "Page 12:"), 1u) << c.answer;
    }
}

TEST_F(IrregularWavePageTest, DumpWithTheCustomSpectrumWritesTheTableAsASecondPage) {
    TPCM.WAVTYP = 8;
    TPCM.NWP = 3;
    TPCM.USRPSD(3) = 1.5f;
    TPCM.LCOPY = 1;
    TPCM.LBACK = 4;
    run("");
    EXPECT_EQ(TPCM.LBACK, 0);
    EXPECT_EQ(TPCM.LCOPY, 4) << "two closings by the page, one by the table";
    const std::string s = screen();
    const auto page = s.find("Page 12: Irregular wave specifications");
    const auto table = s.find("  Specify spectral densities at regular wave periods\n\n   1)       .00\n   2)       .00\n"
                              "   3)      1.50\n");
    ASSERT_NE(page, std::string::npos);
    ASSERT_NE(table, std::string::npos);
    EXPECT_LT(page, table);
    EXPECT_FALSE(has(s, "Enter"));

    TPCM.WAVTYP = 2;
    TPCM.LCOPY = 1;
    clear_captured(SCREEN_UNIT);
    run("");
    EXPECT_EQ(TPCM.LCOPY, 2);
    EXPECT_FALSE(has(screen(), "Specify spectral densities"));
}

}  // namespace
}  // namespace brevant

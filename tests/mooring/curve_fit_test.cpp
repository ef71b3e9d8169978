// The stress-strain curve fit: DETRM against hand determinants, POLFIT recovering an exact cubic strain
// law in both weightings, and the FITCRV / ARAYIN dialogue on scripted answers.
#include "mooring/curve_fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "sysutl/program_end.h"
#include "sysutl/units.h"
#include "test_support.h"

namespace brevant {
namespace {

FitMatrix rows_of(const std::vector<std::vector<double>>& rows) {
    FitMatrix m{};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (std::size_t j = 0; j < rows[i].size(); ++j) m(static_cast<int>(i + 1), static_cast<int>(j + 1)) = rows[i][j];
    }
    return m;
}

TEST(Detrm, DeterminantsOfSmallMatrices) {
    struct Row {
        std::vector<std::vector<double>> rows;
        Real det;
    };
    const Row cases[] = {
        {{{2, -1, 0}, {-1, 2, -1}, {0, -1, 2}}, 4.0f},
        {{{0, 2, 1}, {3, 1, 0}, {1, 0, 4}}, -25.0f},  // a zero first pivot: columns exchanged
        {{{0, 0, 0}, {3, 1, 0}, {1, 0, 4}}, 0.0f},    // a zero first row
        {{{0, 1}, {1, 0}}, -1.0f},
        {{{1, 2}, {2, 4}}, 0.0f},  // singular: the second pivot is zero and so is the rest of its row
    };
    for (const Row& c : cases) {
        FitMatrix m = rows_of(c.rows);
        EXPECT_NEAR(DETRM(m, static_cast<Int>(c.rows.size())), c.det, 1e-5f) << c.det;
    }
}

TEST(Detrm, OnlyTheLeadingBlockCounts) {
    FitMatrix m = rows_of({{2, 0, 9}, {0, 3, 9}, {9, 9, 9}});
    EXPECT_NEAR(DETRM(m, 2), 6.0f, 1e-6f);
}

// strain = 0.02 T - 3e-4 T^2 + 2e-6 T^3: the ratio strain / T is a quadratic, recovered exactly.
TEST(Polfit, RecoversAnExactQuadraticInEitherWeighting) {
    const Real T[5] = {5, 10, 20, 40, 60};
    const Real strain[5] = {0.09275f, 0.172f, 0.296f, 0.448f, 0.552f};
    Real ratio[5];
    for (int i = 0; i < 5; ++i) ratio[i] = strain[i] / T[i];
    const Real sigma[5] = {1, 1, 1, 1, 1};
    for (const Int mode : {0, -1, 1}) {
        Real A[3] = {-1, -1, -1};
        Real chi = -1.0f;
        POLFIT(T, ratio, sigma, 5, 3, mode, A, chi);
        EXPECT_NEAR(A[0], 0.02f, 0.02f * 1e-3f) << mode;
        EXPECT_NEAR(A[1], -3e-4f, 3e-4f * 1e-3f) << mode;
        EXPECT_NEAR(A[2], 2e-6f, 2e-6f * 1e-3f) << mode;
        EXPECT_NEAR(chi, 0.0f, 1e-8f) << mode;
    }
}

TEST(Polfit, LineThroughNoisyPointsHasTheHandChiSquare) {
    // y = 1 + x fitted to (0, 1), (1, 3), (2, 3): least squares gives 1.333 + 1 x, residuals
    // -1/3, 2/3, -1/3, chi-square 2/3 over one degree of freedom.
    const Real x[3] = {0, 1, 2}, y[3] = {1, 3, 3}, s[3] = {1, 1, 1};
    Real A[2] = {0, 0};
    Real chi = 0.0f;
    POLFIT(x, y, s, 3, 2, 0, A, chi);
    EXPECT_NEAR(A[0], 4.0f / 3.0f, 1e-5f);
    EXPECT_NEAR(A[1], 1.0f, 1e-5f);
    EXPECT_NEAR(chi, 2.0f / 3.0f, 1e-5f);
}

TEST(Polfit, SingularSystemGivesZeros) {
    const Real x[4] = {2, 2, 2, 2}, y[4] = {1, 2, 3, 4}, s[4] = {1, 1, 1, 1};
    Real A[3] = {5, 5, 5};
    Real chi = 5.0f;
    POLFIT(x, y, s, 4, 3, 0, A, chi);
    EXPECT_EQ(A[0], 0.0f);
    EXPECT_EQ(A[1], 0.0f);
    EXPECT_EQ(A[2], 0.0f);
    EXPECT_EQ(chi, 0.0f);
}

class CurveFitDialogue : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_fitcrv();
    }
    void TearDown() override {
        reset_fitcrv();
        ConsoleTest::TearDown();
    }
    std::vector<Real> run(const std::string& script) {
        answers(script);
        std::vector<Real> A(20, 7.0f);
        FITCRV(A.data(), SCREEN_UNIT, KBD_UNIT);
        return A;
    }
};

// The start of editor row i: one blank and the index in two columns.
std::string row_start(Int i) { return std::string("\n") + (i < 10 ? "  " : " ") + std::to_string(i) + ")"; }

const std::string kCountPrompt = " Enter number of data points (max 20, min 4; -1 to abort): ";
const std::string kTensionEditor = " -->> Array input for NONZERO Tension values (a point at [0,0] is ASSUMED)";
const std::string kZeroMessage = " A tension or elongation of zero is not allowed;\n a point at (0,0) is ASSUMED! - reenter arrays\n";

TEST_F(CurveFitDialogue, CountPromptAnswers) {
    struct Row {
        std::string answer;
        Int prompts;  // count prompts shown before the dialogue left
        Int rows;     // editor rows of the tension array (0: no editor)
    };
    // After the answer: Return in both editors where they show (zero points, so the zero message), then
    // "-1" at the next count prompt.
    const Row rows[] = {
        {"-1", 1, 0}, {"B", 1, 0}, {"1", 2, 0}, {"3", 2, 0}, {"4", 2, 4}, {"20", 2, 15}, {"21", 2, 15}, {"", 1, 0},
    };
    for (const Row& r : rows) {
        testing::ConsoleTest::SetUp();
        reset_fitcrv();
        const std::vector<Real> A = run(r.answer + (r.rows > 0 ? "\n\n\n" : "\n") + "-1\n");
        EXPECT_EQ(A[0], 7.0f) << r.answer;
        EXPECT_EQ(testing::count_of(screen(), kCountPrompt), static_cast<std::size_t>(r.prompts)) << r.answer;
        const bool editor = r.rows > 0;
        EXPECT_EQ(screen().find(kTensionEditor) != std::string::npos, editor) << r.answer;
        if (editor) {
            EXPECT_NE(screen().find(row_start(r.rows)), std::string::npos) << r.answer;
            EXPECT_EQ(screen().find(row_start(r.rows + 1)), std::string::npos) << r.answer;
            EXPECT_NE(screen().find(kZeroMessage), std::string::npos) << r.answer;
        }
    }
}

TEST_F(CurveFitDialogue, EmptyAnswerTakesTheKeptCount) {
    fitcrv_state().NPTS = 5;
    run("\n\n\n-1\n");
    EXPECT_EQ(testing::count_of(screen(), kCountPrompt), 2u);
    EXPECT_NE(screen().find(row_start(5)), std::string::npos);
    EXPECT_EQ(screen().find(row_start(6)), std::string::npos);
}

TEST_F(CurveFitDialogue, TwentyValuesShowInTwoColumnsUpToRowFive) {
    std::vector<Real> v(20);
    for (int i = 0; i < 20; ++i) v[static_cast<std::size_t>(i)] = 1.5f * static_cast<Real>(i + 1);
    answers("\n");
    Int ITEMP = -5;
    ARAYIN(20, 0, SCREEN_UNIT, KBD_UNIT, v.data(), ITEMP, "THE ARRAY");
    EXPECT_EQ(ITEMP, 0);
    const std::string expected =
        " -->> Array input for THE ARRAY\n\n"
        "  1)       1.5000  16)      24.0000\n"
        "  2)       3.0000  17)      25.5000\n"
        "  3)       4.5000  18)      27.0000\n"
        "  4)       6.0000  19)      28.5000\n"
        "  5)       7.5000  20)      30.0000\n"
        "  6)       9.0000\n"
        "  7)      10.5000\n"
        "  8)      12.0000\n"
        "  9)      13.5000\n"
        " 10)      15.0000\n"
        " 11)      16.5000\n"
        " 12)      18.0000\n"
        " 13)      19.5000\n"
        " 14)      21.0000\n"
        " 15)      22.5000\n";
    EXPECT_EQ(screen().substr(0, expected.size()), expected);
}

TEST_F(CurveFitDialogue, EditorRunsOfEntriesAndRedisplays) {
    std::vector<Real> v(10, 0.5f);
    // "7" and three values fill 7, 8, 9; a blank ends the run; "F" (a navigation letter) and "?" (the
    // no-help page, then its pause) show the editor again; "12" is held to the last item 10, whose
    // value ends the run by itself; Return leaves.
    answers("7\n1.25\n2.5\n3.75\n\nF\n?\n\n12\n-4\n\n");
    Int ITEMP = -5;
    ARAYIN(10, 0, SCREEN_UNIT, KBD_UNIT, v.data(), ITEMP, "X");
    EXPECT_EQ(v[5], 0.5f);
    EXPECT_EQ(v[6], 1.25f);
    EXPECT_EQ(v[7], 2.5f);
    EXPECT_EQ(v[8], 3.75f);
    EXPECT_EQ(v[9], -4.0f);
    EXPECT_EQ(ITEMP, 0);
    EXPECT_EQ(testing::count_of(screen(), " -->> Array input for X"), 5u);
    EXPECT_EQ(testing::count_of(screen(), " Enter new value for #   7  "), 1u);
    EXPECT_EQ(testing::count_of(screen(), " Enter new value for #  10  "), 2u);
    EXPECT_NE(screen().find(" ++> Sorry, no help for this page..."), std::string::npos);
}

TEST_F(CurveFitDialogue, ZeroTensionGoesBackToTheCountWithTheArraysAsTyped) {
    // Tensions 10, 20, 0, 40 (the third typed as 0); elongations 0.1 .. 0.4.
    const std::vector<Real> A = run("4\n1\n10\n20\n0\n40\n\n1\n.1\n.2\n.3\n.4\n\n-1\n");
    EXPECT_EQ(A[0], 7.0f);
    EXPECT_NE(screen().find("\n" + kZeroMessage), std::string::npos);
    EXPECT_EQ(testing::count_of(screen(), kCountPrompt), 2u);
    EXPECT_EQ(fitcrv_state().X(2), 20.0f);
    EXPECT_EQ(fitcrv_state().X(3), 0.0f);
    EXPECT_EQ(fitcrv_state().Y(4), 0.4f);
}

TEST_F(CurveFitDialogue, FitsTheTypedCurveInEitherWeighting) {
    const std::string points =
        "5\n1\n5\n10\n20\n40\n60\n\n1\n.09275\n.172\n.296\n.448\n.552\n\n";
    // The first run fits unweighted; the second changes the weighting with "c" and keeps it.
    for (const std::string& weighting : {std::string("\n"), std::string("c\n\n")}) {
        testing::ConsoleTest::SetUp();
        const std::vector<Real> A = run(points + weighting);
        EXPECT_NEAR(A[0], 0.02f, 2e-5f);
        EXPECT_NEAR(A[1], -3e-4f, 3e-7f);
        EXPECT_NEAR(A[2], 2e-6f, 2e-9f);
        EXPECT_EQ(A[3], 7.0f);
    }
    EXPECT_EQ(fitcrv_state().MODE, -1);
    EXPECT_NE(screen().find("\n Curve fit will be unweighted; to CHANGE weighting method,\n"
                            " enter \"C\"; otherwise press <Return> to continue:"),
              std::string::npos);
    EXPECT_NE(screen().find(" Curve fit will be weighted by 1/elongation; to CHANGE weighting method,"),
              std::string::npos);
}

TEST_F(CurveFitDialogue, SilentRunAsksNothingAboutTheWeighting) {
    answers("4\n1\n10\n20\n30\n40\n\n1\n.1\n.2\n.3\n.4\n\n");
    std::vector<Real> A(3, 7.0f);
    FITCRV(A.data(), SILENT_UNIT, KBD_UNIT);
    EXPECT_NEAR(A[0], 0.01f, 1e-7f);
    EXPECT_NEAR(A[1], 0.0f, 1e-8f);
    EXPECT_NEAR(A[2], 0.0f, 1e-10f);
}

}  // namespace
}  // namespace brevant

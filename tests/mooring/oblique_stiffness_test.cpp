// Stiffness along the fairlead direction from hand-made statics tables: a linear table (three equal
// layers) where every result is hand arithmetic, a table with a kink that shows the step of the
// search, the vertical-line path, and the warnings.
#include "mooring/morlib/oblique_stiffness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "mooring/catlib/vertical_lines.h"
#include "records/data_image.h"
#include "records/mooring_line_records.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"
#include "test_support.h"

namespace brevant {
namespace {

struct Result {
    Real RFORCE = -1, FGZTMP = -1, KSTATN = -1, KCATO = -1, SIGCP = -1, SIGCM = -1, YCATP = -1, YCATM = -1;
};

class ObliqueStiffness : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_all();
        TPCM.EDUNIT = SCREEN_UNIT;
        // ANCDST 480..520, TOPTEN 5000 + 25 (x - 500), HLOD 3000..4000, TOPANG atan 0.75, in each of
        // three equal layers.
        for (Int l = 1; l <= 3; ++l)
            for (Int i = 1; i <= 5; ++i) {
                const Real x = 470.0f + 10.0f * static_cast<Real>(i);
                LINCOM.ANCDST(i, l, 1) = x;
                LINCOM.TOPTEN(i, l, 1) = 5000.0f + 25.0f * (x - 500.0f);
                LINCOM.TOPANG(i, l, 1) = std::atan(0.75f);
            }
        for (Int i = 1; i <= 5; ++i) LINCOM.HLOD(i) = 2750.0f + 250.0f * static_cast<Real>(i);
    }
    void TearDown() override {
        reset_all();
        ConsoleTest::TearDown();
    }
    static void reset_all() {
        reset_tpcm();
        reset_lincom();
        reset_foblq();
        reset_dummy1();
    }
    static Result run(Real EXTNSN, Real KCAT, Real KELAS, Int ILINE = 1, Int unit = SCREEN_UNIT, Real RANCQ = 500.0f,
                      Int NTAB = 5) {
        Result r;
        FOBLQ(ILINE, 1, RANCQ, EXTNSN, KCAT, KELAS, LINCOM.ANCDST, LINCOM.TOPANG, LINCOM.TOPTEN, LINCOM.TOTWT,
              TPCM.ANCHGT, LINCOM.HLOD, TPCM.RFLD, 2, 10.0f, 3, NTAB, 20.0f, 0.0f, 0.0f, TPCM.ZMCTR, unit, KBD_UNIT,
              r.RFORCE, r.FGZTMP, r.KSTATN, 0.8f, 0.6f, r.KCATO, r.SIGCP, r.SIGCM, r.YCATP, r.YCATM);
        return r;
    }
    static int run_to_end(Real EXTNSN, Real KCAT, Real KELAS, Int unit) {
        try {
            run(EXTNSN, KCAT, KELAS, 1, unit);
        } catch (const ProgramEnd& e) {
            return e.status;
        }
        return -1;
    }
};

const std::string kAbortQuestion = std::string("\a\0\0\0\n", 5) + " Enter \"A\" to abort or Press <RETURN> to continue: ";
const std::string kDiffer = "\n ++> Warning: KCAT, KCATO differ in FOBLQ for line #  4\n";
const std::string kOffer99 = "              Enter 99 to ignore additional ocurrences of this condition OR...\n\n";

TEST_F(ObliqueStiffness, LinearTableGivesTheHandArithmetic) {
    const Result r = run(2.0f, 30.0f, 80.0f);
    // A change of about 50 on tensions of 5000 keeps about 5 float digits.
    EXPECT_NEAR(r.KSTATN, 20.0f, 2e-4f);          // 25 FXCOMP
    EXPECT_NEAR(r.KCATO, 26.66667f, 3e-4f);       // dF / (e - dF / KELAS)
    EXPECT_NEAR(r.SIGCP, 0.0f, 1e-4f);            // a straight table has no quadratic term
    EXPECT_NEAR(r.SIGCM, 0.0f, 1e-4f);
    EXPECT_FLOAT_EQ(r.YCATP, 1.5f);               // 2 - 40 / 80
    EXPECT_FLOAT_EQ(r.YCATM, -1.5f);
    EXPECT_FLOAT_EQ(r.RFORCE, 3460.0f);           // pass 3, at 498.4
    EXPECT_FLOAT_EQ(r.FGZTMP, -2595.0f);          // -3460 0.75
    EXPECT_EQ(screen(), "");
}

TEST_F(ObliqueStiffness, NoAmplitudeAndRigidCatenaryTakeTheElasticBranch) {
    const Result z = run(0.0f, 30.0f, 80.0f);
    EXPECT_EQ(z.SIGCP, 0.0f);
    EXPECT_EQ(z.SIGCM, 0.0f);
    EXPECT_EQ(z.YCATP, 0.0f);
    EXPECT_EQ(z.YCATM, 0.0f);
    EXPECT_FLOAT_EQ(z.RFORCE, 3500.0f);
    const Result rigid = run(2.0f, 1.23e23f, 80.0f);
    EXPECT_EQ(rigid.KCATO, 1.23e23f);
    EXPECT_EQ(rigid.YCATP, 0.0f);
    EXPECT_EQ(rigid.YCATM, 0.0f);
    EXPECT_EQ(rigid.SIGCP, 0.0f);
    EXPECT_EQ(rigid.SIGCM, 0.0f);
    EXPECT_EQ(screen(), "");
}

TEST_F(ObliqueStiffness, StepSearchDoublesUntilOnePercentOfTheTension) {
    // F0 1000 and KEFF 100 (KCAT = KELAS = 200): 0.01 .. 0.08 fail, 0.16 passes. A kink at 500.1
    // (slope 10 below, 1 above) makes the secant stiffness tell the step: dx = 0.128 gives
    // dF = 1 + 0.028, KSTATN = 1.028 / 0.16.
    const Real x[5] = {480.0f, 490.0f, 500.0f, 500.1f, 520.0f};
    const Real t[5] = {800.0f, 900.0f, 1000.0f, 1001.0f, 1020.9f};
    for (Int l = 1; l <= 3; ++l)
        for (Int i = 1; i <= 5; ++i) {
            LINCOM.ANCDST(i, l, 1) = x[i - 1];
            LINCOM.TOPTEN(i, l, 1) = t[i - 1];
        }
    answers("\n\n\n");  // KCATO (about 6.6) is far from KCAT: a warning to pass
    const Result r = run(0.0f, 200.0f, 200.0f);
    EXPECT_NE(screen().find("KCAT, KCATO differ"), std::string::npos);
    EXPECT_NEAR(r.KSTATN, 1.028f / 0.16f, 1e-3f);
}

TEST_F(ObliqueStiffness, SlackDisplacedLineHangsVerticallyFromTheMomentCentreHeight) {
    // No horizontal tension anywhere: every displaced state is a vertical line spanning
    // RFLD(3, ITYP) - ZMCTR + ANCHGT + dz = 12 - 2 + 200 + dz, an inextensible element of weight 0.8
    // longer than that, so its fairlead tension is 0.8 times the span.
    for (Int i = 1; i <= 5; ++i) LINCOM.HLOD(i) = 0.0f;
    for (Int l = 1; l <= 3; ++l)
        for (Int i = 1; i <= 5; ++i) LINCOM.TOPTEN(i, l, 1) = 168.0f;
    TPCM.NELEM(1) = 1;
    TPCM.SLEN(1, 1) = 400.0f;
    TPCM.WETWT(1, 1) = 0.8f;
    TPCM.TLOAD = 1000.0f;
    TPCM.RFLD(3, 1) = 12.0f;
    TPCM.RFLD(3, 2) = 99.0f;  // the fairlead column of another line type is not read
    TPCM.ZMCTR = 2.0f;
    TPCM.ANCHGT(1) = 200.0f;
    LINCOM.TOTWT(1) = 320.0f;
    const Result r = run(2.0f, 1.23e23f, 80.0f);
    EXPECT_EQ(r.RFORCE, 0.0f);
    EXPECT_NEAR(r.FGZTMP, -0.8f * (210.0f - 1.2f), 0.05f);
    EXPECT_EQ(screen(), "");
}

TEST_F(ObliqueStiffness, DifferingCatenaryStiffnessWarnsOncePerLineInARow) {
    // KCAT 80: KCATO 26.67 is 67 % away.
    answers("\n\n");
    run(2.0f, 80.0f, 80.0f, 4);
    EXPECT_EQ(screen(), kDiffer + kOffer99 + kAbortQuestion);
    run(2.0f, 80.0f, 80.0f, 4);  // the same line again: no warning
    EXPECT_EQ(screen(), kDiffer + kOffer99 + kAbortQuestion);
    run(2.0f, 80.0f, 80.0f, 5);  // another line warns
    EXPECT_EQ(testing::count_of(screen(), "KCAT, KCATO differ"), 2u);
}

TEST_F(ObliqueStiffness, AnswerNinetyNineSilencesTheDifferenceForTheRun) {
    answers("99\n");
    run(2.0f, 80.0f, 80.0f, 4);
    run(2.0f, 80.0f, 80.0f, 5);
    run(2.0f, 80.0f, 80.0f, 4);
    EXPECT_EQ(screen(), kDiffer + kOffer99 + kAbortQuestion);
}

TEST_F(ObliqueStiffness, SilentUnitCountsAsNinetyNine) {
    run(2.0f, 80.0f, 80.0f, 4, SILENT_UNIT);
    run(2.0f, 80.0f, 80.0f, 5, SILENT_UNIT);
    EXPECT_EQ(silent(), kDiffer + "\n");
}

TEST_F(ObliqueStiffness, FallingTensionGivesTheSingularKcatoWarningOncePerRun) {
    // TOPTEN 5000 - 25 (x - 500): dF -51.2 at e 2.56, y = 2.56 + 0.64, KCATO = -16.
    for (Int l = 1; l <= 3; ++l)
        for (Int i = 1; i <= 5; ++i) LINCOM.TOPTEN(i, l, 1) = 5000.0f - 25.0f * (LINCOM.ANCDST(i, l, 1) - 500.0f);
    answers("\n\n\n\n");
    const Result r = run(2.0f, 30.0f, 80.0f, 4);
    EXPECT_NEAR(r.KCATO, -16.0f, 1e-3f);
    const std::string singular = "\n ++> Warning: Singular KCATO in line  4; routine FOBLQ.\n" + kOffer99 + kAbortQuestion;
    EXPECT_EQ(screen(), kDiffer + kOffer99 + kAbortQuestion + singular);
    run(2.0f, 30.0f, 80.0f, 5);  // no second singular-KCATO warning in the run
    EXPECT_EQ(testing::count_of(screen(), "Singular KCATO"), 1u);
    EXPECT_EQ(testing::count_of(screen(), "KCAT, KCATO differ"), 2u);
}

TEST_F(ObliqueStiffness, SaturatingTensionGivesTheSingularSigcqWarning) {
    // Slope 5 up to 510, flat beyond, F0 60; KCAT 1, KELAS 80. Pass 2 (e 20) reaches the flat part:
    // dF 50, y 19.375, s = (50 (KCATO/80 + 1) - 20 KCATO) / y^2 < 0 with s y^2 / (KCAT y) about -1.6.
    const Real t[5] = {-40.0f, 10.0f, 60.0f, 110.0f, 110.0f};
    for (Int l = 1; l <= 3; ++l)
        for (Int i = 1; i <= 5; ++i) LINCOM.TOPTEN(i, l, 1) = t[i - 1];
    const Result r = run(20.0f, 1.0f, 80.0f, 4, SILENT_UNIT);
    const Real KCATO = 2.56f / (0.64f - 2.56f / 80.0f);
    EXPECT_NEAR(r.KCATO, KCATO, 1e-3f);
    const Real y = 20.0f - 50.0f / 80.0f;
    EXPECT_FLOAT_EQ(r.YCATP, y);
    EXPECT_NEAR(r.SIGCP, (50.0f * (KCATO / 80.0f + 1.0f) - KCATO * 20.0f) / (y * y), 1e-4f);
    EXPECT_LT(r.SIGCP, 0.0f);
    // On the silent unit both warnings count as 99 (and the fairlead, 12 up, leaves the layers).
    const std::string span =
        "\n ++> Warning: A vertical translation of amount  12.00 has carried\n"
        "     fairlead number  4 (and possibly others) outside the bounds of the\n"
        "     specified vertical interpolation span in FOBLQ.\n"
        "     Consider increasing the span before continuing simulation.\n\n";
    const std::string sigcq = "\n ++> Warning: Singular SIGCQ in line  4; routine FOBLQ.\n\n";
    EXPECT_EQ(silent(), kDiffer + "\n" + span + sigcq);
    run(20.0f, 1.0f, 80.0f, 5, SILENT_UNIT);
    EXPECT_EQ(silent(), kDiffer + "\n" + span + sigcq);
}

TEST_F(ObliqueStiffness, AbortEndsTheRun) {
    answers("A\n");
    try {
        run(2.0f, 80.0f, 80.0f, 4);
        FAIL() << "the run went on";
    } catch (const ProgramEnd& e) {
        EXPECT_EQ(e.status, 1);
    }
}

TEST_F(ObliqueStiffness, ZeroReferenceTensionEndsTheStepSearch) {
    // F0 0: the 1 % test can never pass. One warning block, status 1, on either unit, without asking.
    for (Int l = 1; l <= 3; ++l)
        for (Int i = 1; i <= 5; ++i) LINCOM.TOPTEN(i, l, 1) = 0.0f;
    const std::string block = "\n ++> Warning: DO-loop overflow in FOBLQ (label 49).\n\n";
    EXPECT_EQ(run_to_end(2.0f, 30.0f, 80.0f, SCREEN_UNIT), 1);
    EXPECT_EQ(screen(), block);
    EXPECT_EQ(run_to_end(2.0f, 30.0f, 80.0f, SILENT_UNIT), 1);
    EXPECT_EQ(silent(), block);
    // A series stiffness that is not positive (KCAT 0) ends the same way.
    for (Int l = 1; l <= 3; ++l)
        for (Int i = 1; i <= 5; ++i) LINCOM.TOPTEN(i, l, 1) = 5000.0f;
    EXPECT_EQ(run_to_end(2.0f, 0.0f, 80.0f, SILENT_UNIT), 1);
    EXPECT_EQ(silent(), block + block);
}

TEST_F(ObliqueStiffness, LongStepSearchAsksAfterEveryHundredDoublings) {
    // KEFF / F0 about 1e-31: the test passes only after more than 100 doublings (0.01 2^100 = 1.3e28).
    for (Int l = 1; l <= 3; ++l)
        for (Int i = 1; i <= 5; ++i) LINCOM.TOPTEN(i, l, 1) = 1e33f;
    // The huge step then trips the other warnings of pass 1; every question is answered with Return.
    answers("\n\n\n\n\n\n\n\n");
    run(0.0f, 1e2f, 1e2f);
    const std::string out = screen();
    EXPECT_EQ(out.rfind("\n ++> Warning: DO-loop overflow in FOBLQ (label 49).\n\n" + kAbortQuestion, 0), 0u);
    EXPECT_EQ(testing::count_of(out, "DO-loop overflow"), 1u);
}

TEST_F(ObliqueStiffness, OutOfSpanWarnsOncePerRun) {
    // EXTNSN 20: dz = 12, outside the span -10 .. 10.
    answers("\n");
    run(20.0f, 30.0f, 80.0f, 7);
    const std::string warning =
        "\n ++> Warning: A vertical translation of amount  12.00 has carried\n"
        "     fairlead number  7 (and possibly others) outside the bounds of the\n"
        "     specified vertical interpolation span in FOBLQ.\n"
        "     Consider increasing the span before continuing simulation.\n\n" +
        kAbortQuestion;
    EXPECT_EQ(screen(), warning);
    run(20.0f, 30.0f, 80.0f, 8);
    EXPECT_EQ(screen(), warning);
}

}  // namespace
}  // namespace brevant

// Wind and current force coefficients by model: the tanker blends, the depth interpolation of the
// current sets, the mirrored coefficient-image tables, the user files with their cache and
// messages, the box and the cylinder, and the refusals of fields and words no model can use.
#include "lowlib/wind_current_coefficients.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "lowlib/heading_functions.h"
#include "lowlib/lowlib_fixture.h"
#include "lowlib/tanker_coefficient_sets.h"
#include "records/coefficient_image.h"
#include "refused_tables.h"
#include "sysutl/pauses.h"

namespace brevant {
namespace {

using testing::LowlibTest;
using testing::put_file;

Real radians(double degrees) { return static_cast<Real>(degrees * std::numbers::pi / 180.0); }

// Model word with the same type in the three fields.
constexpr Int all_fields(Int type) { return type | type << 4 | type << 8; }

const std::string kPause = " \n Press <RETURN> to continue: ";

// ---------------------------------------------------------------------------------------------
// Wind

class Wind : public LowlibTest {
protected:
    struct Vessel {
        Real XWNDAR = 300.0f, YWNDAR = 1200.0f, XWARM = 20.0f, YWARM = 10.0f, LWL = 250.0f, BWL = 40.0f;
        Int ISPM = 1, CREATR = 16;
    } v;
    // The caller's two steps: TRIGLD at the angle, then WINDCF at the same angle.
    Real windcf(Int IXYZ, Int word, Real angle, Real LOADED = 100.0f, Real BOWTYP = 0.0f, Real SIZE = 1.0f,
                Int IOSCRN = SCREEN_UNIT) {
        TRIGLD(angle);
        return WINDCF(IXYZ, word, LOADED, BOWTYP, SIZE, angle, v.XWNDAR, v.YWNDAR, v.XWARM, v.YWARM, v.LWL, v.BWL,
                      IOSCRN, v.ISPM, v.CREATR);
    }
};

TEST_F(Wind, TankerSetsAtTheirCorners) {
    const Int word = 0x444;
    EXPECT_NEAR(windcf(2, word, radians(90), 100.0f, 0.0f, 0.0f), -0.729484, 2e-6);  // small, loaded
    EXPECT_NEAR(windcf(3, word, radians(90), 100.0f, 0.0f, 0.0f), 0.024762, 2e-6);
    EXPECT_NEAR(windcf(1, word, 0.0f, 32.0f, 1.0f, 1.0f), -0.842586, 2e-6);  // large, cylindrical, ballasted
    // Each corner of (size, bow, load) is one set alone; the small tanker has no bow choice.
    struct Corner {
        Real SIZE, BOWTYP, LOADED;
        WindSet set;
    };
    const Corner corners[] = {{1, 0, 32, WindSet::CNVBAL},  {1, 0, 100, WindSet::CNVLOD}, {1, 1, 32, WindSet::CYLBAL},
                              {1, 1, 100, WindSet::CYLLOD}, {0, 0, 32, WindSet::SMLBAL},  {0, 1, 100, WindSet::SMLLOD}};
    for (const Corner& c : corners)
        for (double deg : {0.0, 35.0, 90.0, 160.0, 250.0})
            for (Int k = 1; k <= 3; ++k) {
                const Real value = windcf(k, word, radians(deg), c.LOADED, c.BOWTYP, c.SIZE);
                const CoefficientSet& set = wind_set(c.set);
                const Real series = k == 1 ? CCOF(&set(1, 1)) : SCOF(&set(1, k));
                EXPECT_NEAR(value, series, 3e-7) << static_cast<int>(c.set) << " " << deg << " " << k;
            }
    // The small ballasted tanker is the set exactly: no blend arithmetic is left over.
    const Real small_ballasted = windcf(1, word, radians(50), 32.0f, 0.3f, 0.0f);
    EXPECT_EQ(small_ballasted, CCOF(&wind_set(WindSet::SMLBAL)(1, 1)));
}

TEST_F(Wind, TankerBlendsAreLinearInLoadBowAndSize) {
    const Int word = 0x444;
    for (double deg : {0.0, 20.0, 90.0, 135.0, 200.0, 300.0})
        for (Int k = 1; k <= 3; ++k) {
            const Real a = radians(deg);
            const auto at = [&](Real load, Real bow, Real size) { return windcf(k, word, a, load, bow, size); };
            EXPECT_NEAR(at(66, 0.3f, 0.7f), 0.5f * (at(32, 0.3f, 0.7f) + at(100, 0.3f, 0.7f)), 1e-6) << deg << k;
            EXPECT_NEAR(at(80, 0.5f, 1), 0.5f * (at(80, 0, 1) + at(80, 1, 1)), 1e-6) << deg << k;
            EXPECT_NEAR(at(50, 0.2f, 0.5f), 0.5f * (at(50, 0.2f, 0) + at(50, 0.2f, 1)), 1e-6) << deg << k;
            // Nothing is clamped: beyond an end the line goes on.
            EXPECT_NEAR(at(168, 0, 1), 2 * at(100, 0, 1) - at(32, 0, 1), 2e-6) << deg << k;
        }
}

TEST_F(Wind, ImageTableIsMirroredAboutTheCentreLine) {
    LOWCOF.NUWNPT = 4;
    const float angles[] = {0, 60, 120, 180}, cx[] = {-0.8f, -0.3f, 0.2f, 0.6f}, cy[] = {0, -0.9f, -0.7f, 0},
                cz[] = {0, 0.05f, -0.04f, 0};
    for (int i = 0; i < 4; ++i) {
        LOWCOF.UWNANG(i + 1) = angles[i];
        LOWCOF.UWNCX(i + 1) = cx[i];
        LOWCOF.UWNCY(i + 1) = cy[i];
        LOWCOF.UWNCZ(i + 1) = cz[i];
    }
    const Int word = all_fields(1);
    EXPECT_NEAR(windcf(1, word, radians(-100)), 0.0333333, 1e-6);
    EXPECT_NEAR(windcf(2, word, radians(-100)), 0.766667, 1e-6);
    EXPECT_NEAR(windcf(3, word, radians(-100)), 0.01, 1e-6);
    EXPECT_NEAR(windcf(1, word, radians(100)), 0.0333333, 1e-6);
    EXPECT_NEAR(windcf(2, word, radians(100)), -0.766667, 1e-6);
    EXPECT_NEAR(windcf(3, word, radians(100)), -0.01, 1e-6);
    // 260 degrees is -100 degrees.
    EXPECT_NEAR(windcf(2, word, radians(260)), 0.766667, 1e-6);
    EXPECT_NEAR(windcf(1, word, radians(180)), 0.6, 1e-6);

    // A table that stops at 120 degrees is extended from its last interval.
    LOWCOF.NUWNPT = 3;
    EXPECT_NEAR(windcf(1, word, radians(150)), 0.45, 1e-6);
}

TEST_F(Wind, ImageTableOfOneOrNoPoint) {
    const Int word = all_fields(1);
    EXPECT_EQ(windcf(1, word, radians(40)), 0.0f);
    EXPECT_EQ(windcf(2, word, radians(-40)), 0.0f);
    LOWCOF.NUWNPT = -3;
    EXPECT_EQ(windcf(3, word, radians(40)), 0.0f);

    LOWCOF.NUWNPT = 1;
    LOWCOF.UWNANG(1) = 90.0f;
    LOWCOF.UWNCX(1) = -0.4f;
    LOWCOF.UWNCY(1) = -0.7f;
    LOWCOF.UWNCZ(1) = 0.02f;
    for (double deg : {10.0, 90.0, 170.0}) {
        EXPECT_EQ(windcf(1, word, radians(deg)), -0.4f);
        EXPECT_EQ(windcf(1, word, radians(-deg)), -0.4f);
        EXPECT_EQ(windcf(2, word, radians(deg)), -0.7f);
        EXPECT_EQ(windcf(2, word, radians(-deg)), 0.7f);
        EXPECT_EQ(windcf(3, word, radians(-deg)), -0.02f);
    }
}

TEST_F(Wind, ImageTableReadsAtMostItsTwentyOnePoints) {
    LOWCOF.NUWNPT = 21;
    for (int i = 1; i <= 21; ++i) {
        LOWCOF.UWNANG(i) = 9.0f * static_cast<float>(i - 1);
        LOWCOF.UWNCX(i) = static_cast<float>(i);
    }
    const Real inside = windcf(1, all_fields(1), radians(175));
    EXPECT_NEAR(inside, 20.0f + 4.0f / 9.0f, 1e-5);
    // A count above the table (an imported file) reads the 21 points, not the words after them.
    LOWCOF.NUWNPT = 400;
    EXPECT_EQ(windcf(1, all_fields(1), radians(175)), inside);
    EXPECT_NEAR(windcf(1, all_fields(1), radians(180)), 21.0f, 1e-5);
}

TEST_F(Wind, BoxModel) {
    const Int word = all_fields(3);
    EXPECT_NEAR(windcf(1, word, 0.0f), -1.0, 1e-6);
    EXPECT_EQ(windcf(2, word, 0.0f), 0.0f);
    EXPECT_NEAR(windcf(3, word, 0.0f), 20.0 * 300.0 / (1200.0 * 250.0), 1e-8);
    EXPECT_NEAR(windcf(1, word, radians(90)), 0.0, 1e-6);
    EXPECT_NEAR(windcf(2, word, radians(90)), -1.0, 1e-6);
    EXPECT_NEAR(windcf(3, word, radians(90)), -10.0 / 250.0, 1e-8);
    // In between: the projected area X |cos| + Y |sin| over the component's own area.
    for (double deg : {30.0, 120.0, 225.0, 330.0}) {
        const double a = deg * std::numbers::pi / 180.0;
        const double area = 300.0 * std::fabs(std::cos(a)) + 1200.0 * std::fabs(std::sin(a));
        EXPECT_NEAR(windcf(1, word, radians(deg)), -std::cos(a) * area / 300.0, 2e-6) << deg;
        EXPECT_NEAR(windcf(2, word, radians(deg)), -std::sin(a) * area / 1200.0, 2e-6) << deg;
        EXPECT_NEAR(windcf(3, word, radians(deg)), (20.0 * std::cos(a) - 10.0 * std::sin(a)) * area / (1200.0 * 250.0),
                    1e-7)
            << deg;
    }
    // A square box agrees with the cylinder head-on and beam-on.
    v.XWNDAR = v.YWNDAR = 500.0f;
    for (double deg : {0.0, 90.0})
        for (Int k = 1; k <= 3; ++k)
            EXPECT_NEAR(windcf(k, word, radians(deg)), windcf(k, all_fields(5), radians(deg)), 1e-6) << deg << k;
}

TEST_F(Wind, BoxModelWithoutAnArea) {
    const Int word = all_fields(3);
    v.YWNDAR = 0.0f;
    const Real a = radians(40);
    EXPECT_FLOAT_EQ(windcf(2, word, a), -std::sin(a));
    EXPECT_FLOAT_EQ(windcf(3, word, a), (v.XWARM * std::cos(a) - v.YWARM * std::sin(a)) / v.LWL);
    // The end area alone is seen along the direction.
    EXPECT_NEAR(windcf(1, word, a), -std::cos(a) * std::fabs(std::cos(a)), 1e-6);
    v.XWNDAR = 0.0f;
    EXPECT_FLOAT_EQ(windcf(1, word, a), -std::cos(a));
}

TEST_F(Wind, Cylinder) {
    const Int word = all_fields(5);
    for (double deg : {0.0, 75.0, 190.0}) {
        const Real a = radians(deg);
        EXPECT_FLOAT_EQ(windcf(1, word, a), -std::cos(a));
        EXPECT_FLOAT_EQ(windcf(2, word, a), -std::sin(a));
        EXPECT_FLOAT_EQ(windcf(3, word, a), (v.XWARM * std::cos(a) - v.YWARM * std::sin(a)) / v.LWL);
    }
}

TEST_F(Wind, EachComponentHasItsOwnModel) {
    // Cx by the cylinder, Cy by the tanker sets, Cz by the box.
    const Int word = 5 | 4 << 4 | 3 << 8;
    const Real a = radians(70);
    EXPECT_FLOAT_EQ(windcf(1, word, a), windcf(1, all_fields(5), a));
    EXPECT_FLOAT_EQ(windcf(2, word, a), windcf(2, all_fields(4), a));
    EXPECT_FLOAT_EQ(windcf(3, word, a), windcf(3, all_fields(3), a));
}

TEST_F(Wind, FieldWithoutAModelEndsTheRun) {
    for (Int type : {0, 6, 9, 15}) {
        clear_captured(SCREEN_UNIT);
        answers("\n");
        EXPECT_EQ(end_status([&] { windcf(2, type << 4 | 0x404, radians(30)); }), 1) << type;
        EXPECT_EQ(screen(), " =+> Invalid COFTYP in WINDCF\n" + kPause) << type;
    }
    // Cx and Cz of that word have models.
    EXPECT_NO_THROW(windcf(1, 0x4F4, radians(30)));
}

TEST_F(Wind, ZeroWaterlineLengthEndsTheRunWhereTheMomentNeedsIt) {
    v.LWL = 0.0f;
    for (Int type : {3, 5}) {
        clear_captured(SCREEN_UNIT);
        answers("\n");
        EXPECT_FLOAT_EQ(windcf(1, all_fields(type), 0.0f), -1.0f);
        EXPECT_EQ(end_status([&] { windcf(3, all_fields(type), radians(30)); }), 1) << type;
        EXPECT_EQ(screen(), " =+> Zero waterline length or beam in WINDCF\n" + kPause) << type;
    }
    // The tanker sets do not divide by it.
    EXPECT_NEAR(windcf(3, all_fields(4), radians(90), 100.0f, 0.0f, 0.0f), 0.024762, 2e-6);
}

// ---------------------------------------------------------------------------------------------
// User coefficient files

// Five headings round the circle; the file's headings are half a circle from the program's angle.
const char* kTankWind =
    "5\n"
    "0, -0.9, 0, 0\n"
    "90 0 -0.8 0.05\n"
    "180 0.7 0 0\n"
    "270 0 0.8 -0.05\r\n"
    "360 -0.9 0 0\n";

class UserCoefficientFile : public Wind {
protected:
    Real crntcf(Int IXYZ, Real angle, Int IOSCRN = SCREEN_UNIT) {
        TRIGLD(angle);
        return CRNTCF(IXYZ, all_fields(2), 100.0f, 0.0f, 3.0f, angle, 1.0f, 1.0f, 0.0f, 0.0f, 250.0f, 40.0f, IOSCRN,
                      v.ISPM, v.CREATR);
    }
};

TEST_F(UserCoefficientFile, TankerWindFileIsReadOnceForTheThreeComponents) {
    v.CREATR = 13;
    v.ISPM = 3;
    put_file("TANKWIND.txt", kTankWind);
    const Int word = all_fields(2);
    EXPECT_NEAR(windcf(1, word, radians(45)), 0.35, 1e-5);
    // A file changed on disk during the run is not read again for the same name.
    put_file("TANKWIND.txt", "2\n0 9 9 9\n360 9 9 9\n");
    EXPECT_NEAR(windcf(2, word, radians(45)), 0.4, 1e-5);
    EXPECT_NEAR(windcf(3, word, radians(45)), -0.025, 1e-5);
    // Head wind looks up 180 degrees in the file, stern wind 0 degrees; no mirroring.
    EXPECT_NEAR(windcf(1, word, 0.0f), 0.7, 1e-6);
    EXPECT_NEAR(windcf(1, word, radians(180)), -0.9, 1e-6);
    EXPECT_NEAR(windcf(2, word, radians(-45)), -0.4, 1e-5);  // 135 degrees in the file
    EXPECT_EQ(screen(), "");

    // Another name reads that file; the first name again reads the first file afresh.
    put_file("OTHER.txt", "2\n0 1 2 3\n360 1 2 3\n");
    EXPECT_FLOAT_EQ(USRWND(3, radians(10), SCREEN_UNIT, KBD_UNIT, "OTHER.txt    "), 3.0f);
    EXPECT_FLOAT_EQ(windcf(1, word, radians(45)), 9.0f);
}

TEST_F(UserCoefficientFile, FileNameByCreatorAndMooringKind) {
    struct Case {
        Int CREATR, ISPM;
        float marker;  // the Cx written into the file that should be read
    };
    put_file("BUOYWIND.txt", "2\n0 1 0 0\n360 1 0 0\n");
    put_file("TANKWIND.txt", "2\n0 2 0 0\n360 2 0 0\n");
    put_file("TUGWIND.txt", "2\n0 3 0 0\n360 3 0 0\n");
    put_file("BARGWIND.txt", "2\n0 4 0 0\n360 4 0 0\n");
    put_file("WINDCOFS.txt", "2\n0 5 0 0\n360 5 0 0\n");
    const Case cases[] = {{13, 2, 1}, {13, 3, 2}, {10, 2, 3}, {10, 3, 4}, {16, 3, 5},
                          {12, 2, 5}, {13, 1, 5}, {13, 4, 5}, {10, 0, 5}};
    for (const Case& c : cases) {
        v.CREATR = c.CREATR;
        v.ISPM = c.ISPM;
        EXPECT_EQ(windcf(1, all_fields(2), radians(30)), c.marker) << c.CREATR << " " << c.ISPM;
    }
    put_file("BUOYCRNT.txt", "2\n0 1 0 0\n360 1 0 0\n");
    put_file("TANKCRNT.txt", "2\n0 2 0 0\n360 2 0 0\n");
    put_file("TUGCRNT.txt", "2\n0 3 0 0\n360 3 0 0\n");
    put_file("BARGCRNT.txt", "2\n0 4 0 0\n360 4 0 0\n");
    put_file("CRNTCOFS.txt", "2\n0 5 0 0\n360 5 0 0\n");
    for (const Case& c : cases) {
        v.CREATR = c.CREATR;
        v.ISPM = c.ISPM;
        EXPECT_EQ(crntcf(1, radians(30)), c.marker) << c.CREATR << " " << c.ISPM;
    }
}

TEST_F(UserCoefficientFile, WindAndCurrentKeepTheirOwnTables) {
    put_file("WINDCOFS.txt", "2\n0 1 0 0\n360 1 0 0\n");
    put_file("CRNTCOFS.txt", "2\n0 2 0 0\n360 2 0 0\n");
    EXPECT_EQ(windcf(1, all_fields(2), 0.0f), 1.0f);
    EXPECT_EQ(crntcf(1, 0.0f), 2.0f);
    put_file("WINDCOFS.txt", "2\n0 7 0 0\n360 7 0 0\n");
    put_file("CRNTCOFS.txt", "2\n0 8 0 0\n360 8 0 0\n");
    EXPECT_EQ(windcf(1, all_fields(2), 0.0f), 1.0f);
    EXPECT_EQ(crntcf(1, 0.0f), 2.0f);
    reset_usrcrn();
    EXPECT_EQ(windcf(1, all_fields(2), 0.0f), 1.0f);
    EXPECT_EQ(crntcf(1, 0.0f), 8.0f);
}

TEST_F(UserCoefficientFile, CurrentFileLooksUpHalfACircleAway) {
    put_file("CRNTCOFS.txt", "3 9 9\n0 -1 0 0\n180 1 0.5 0.1\n360 -1 0 0\n");
    EXPECT_NEAR(crntcf(1, 0.0f), 1.0, 1e-6);
    EXPECT_NEAR(crntcf(2, radians(90)), 0.25, 1e-6);
    EXPECT_NEAR(crntcf(3, radians(-90)), 0.05, 1e-6);
    // Descending headings read the same.
    reset_usrcrn();
    put_file("CRNTCOFS.txt", "3\n360 -1 0 0\n180 1 0.5 0.1\n0 -1 0 0\n");
    EXPECT_NEAR(crntcf(2, radians(90)), 0.25, 1e-6);
}

TEST_F(UserCoefficientFile, MissingFileAsksAndEndsWhateverTheAnswer) {
    for (const char* answer : {"\n", "a\n"}) {
        reset_usrcrn();
        clear_captured(SCREEN_UNIT);
        answers(answer);
        EXPECT_EQ(end_status([&] { crntcf(1, 0.0f); }), 1);
        EXPECT_EQ(screen(), "\n ++>  User-supplied force coefficients \"CRNTCOFS.txt \" not found\n\n" +
                                std::string(1, '\a') + std::string(3, '\0') + "\n " + kAbortPrompt);
    }
}

TEST_F(UserCoefficientFile, OversizeCountShowsTheDimensions) {
    std::string text = "200\n";
    for (int i = 0; i < 200; ++i) text += std::to_string(i) + " 0 0 0\n";
    put_file("WINDCOFS.txt", text);
    answers("\n");
    EXPECT_EQ(end_status([&] { windcf(1, all_fields(2), 0.0f); }), 1);
    EXPECT_EQ(screen(),
              "\n ++>  User-supplied force coefficient array in WINDCOFS.txt \n"
              "      dimension = [200] out of range; allowable\n"
              "      dimension = [145]\n\n" +
                  kPause);
}

TEST_F(UserCoefficientFile, LargestTableIsRead) {
    std::string text = "145\n";
    for (int i = 0; i < 145; ++i) text += std::to_string(2.5 * i) + " " + std::to_string(i) + " 0 0\n";
    put_file("WINDCOFS.txt", text);
    // 180 + 90 = 270 degrees is the 109th heading.
    EXPECT_NEAR(windcf(1, all_fields(2), radians(90)), 108.0f, 1e-3);
}

TEST_F(UserCoefficientFile, TooFewPointsOrAShortFileIsAReadError) {
    struct Case {
        const char* text;
        bool wind;
    };
    const Case cases[] = {
        {"1\n0 1 2 3\n", true},           {"0\n", true}, {"-4\n", false}, {"3\n0 1 2 3\n90 1 2 3\n", false},
        {"2\n0 1 2 3\n90 1 x 3\n", true}, {"", false}};
    for (const Case& c : cases) {
        reset_usrwnd();
        reset_usrcrn();
        clear_captured(SCREEN_UNIT);
        answers("\n");
        put_file(c.wind ? "WINDCOFS.txt" : "CRNTCOFS.txt", c.text);
        if (c.wind) {
            EXPECT_EQ(end_status([&] { windcf(2, all_fields(2), 0.0f); }), 1) << c.text;
            EXPECT_EQ(screen(),
                      "\n ++> End of file or related file error in routine USRWND\n"
                      "     file name WINDCOFS.txt \n" +
                          kPause)
                << c.text;
        } else {
            EXPECT_EQ(end_status([&] { crntcf(2, 0.0f); }), 1) << c.text;
            EXPECT_EQ(screen(),
                      "\n ++> End of file or related file error in routine USERWC\n"
                      "     file name CRNTCOFS.txt \n" +
                          kPause)
                << c.text;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Current

class Current : public LowlibTest {
protected:
    struct Vessel {
        Real XCURAR = 400.0f, YCURAR = 3000.0f, XCARM = 15.0f, YCARM = 5.0f, LWL = 1.0f, BWL = 1.0f;
        Int ISPM = 1, CREATR = 16;
    } v;
    Real crntcf(Int IXYZ, Int word, Real angle, Real LOADED, Real BOWTYP, Real HOVERD, Int IOSCRN = SCREEN_UNIT) {
        TRIGLD(angle);
        return CRNTCF(IXYZ, word, LOADED, BOWTYP, HOVERD, angle, v.XCURAR, v.YCURAR, v.XCARM, v.YCARM, v.LWL, v.BWL,
                      IOSCRN, v.ISPM, v.CREATR);
    }
    static Real series(CurrentSet s, Int k) {
        const CoefficientSet& set = current_set(s);
        return k == 1 ? CCOF(&set(1, 1)) : SCOF(&set(1, k));
    }
};

TEST_F(Current, OcimfSetsByDepth) {
    const Int word = 0x666;
    // One third of the way from the 1.5 point (-1.6707) to the 3.0 point (-0.996879).
    EXPECT_NEAR(crntcf(2, word, radians(90), 100.0f, 0.3f, 2.0f), -1.446093, 2e-6);
    // Deeper than 6.0: the 6.0 sets, Cx per length over beam.
    v.LWL = 250.0f;
    v.BWL = 40.0f;
    EXPECT_NEAR(crntcf(1, word, 0.0f, 100.0f, 0.3f, 8.0f), -0.079006 * 6.25, 2e-6);
    for (double deg : {0.0, 40.0, 90.0, 150.0, 300.0})
        for (Int k = 1; k <= 3; ++k) {
            const Real a = radians(deg);
            EXPECT_EQ(crntcf(k, word, a, 100.0f, 0.3f, 1.0f), crntcf(k, word, a, 100.0f, 0.3f, 1.05f)) << deg << k;
            EXPECT_NEAR(crntcf(k, word, a, 100.0f, 0.3f, 10.0f), crntcf(k, word, a, 100.0f, 0.3f, 6.0f), 1e-6);
            // The bow changes Cx only.
            if (k > 1) {
                EXPECT_EQ(crntcf(k, word, a, 100.0f, 0.0f, 1.3f), crntcf(k, word, a, 100.0f, 1.0f, 1.3f));
            }
        }
    // At a depth point, the bow blend of that point's pair (independent sums at 0 degrees).
    v.LWL = v.BWL = 1.0f;
    EXPECT_NEAR(crntcf(1, word, 0.0f, 100.0f, 0.3f, 1.1f), 0.7 * -0.0739485 + 0.3 * -0.0960410, 2e-6);
    EXPECT_NEAR(crntcf(1, word, 0.0f, 100.0f, 0.5f, 1.2f), 0.5 * (-0.0822010 + -0.0901340), 2e-6);
    // The load percentage plays no part in the OCIMF sets.
    EXPECT_EQ(crntcf(2, word, radians(60), 40.0f, 0.3f, 2.0f), crntcf(2, word, radians(60), 100.0f, 0.3f, 2.0f));
}

TEST_F(Current, NsmbSetsByDepthLoadAndBow) {
    const Int word = 0x444;
    EXPECT_NEAR(crntcf(2, word, radians(90), 100.0f, 0.0f, 1.2f), -2.363690, 2e-6);
    // 50 % load at 3.0 over the actual draft is 1.5 over the full-load draft: a sixth of the way
    // from the ballast set (-0.7754) to the loaded one (-1.77624).
    EXPECT_NEAR(crntcf(2, word, radians(90), 50.0f, 0.0f, 3.0f), -0.7754 + (-1.77624 + 0.7754) / 6.0, 2e-6);
    EXPECT_NEAR(crntcf(2, word, radians(90), 40.0f, 0.0f, 3.75f), -0.7754, 2e-6);  // ballast alone
    // 32 % extrapolates past the ballast value.
    EXPECT_NEAR(crntcf(2, word, radians(90), 32.0f, 0.0f, 4.6875f), -0.7754 - (-1.77624 + 0.7754) * 8.0 / 60.0, 2e-6);
    // Bow factor 1 at 1.2: the sets without bulb.
    EXPECT_NEAR(crntcf(2, word, radians(90), 100.0f, 1.0f, 1.2f), -2.096020, 2e-6);
    EXPECT_NEAR(crntcf(1, word, 0.0f, 100.0f, 0.5f, 1.2f), 0.5 * (-0.0481300 + -0.0351372), 2e-6);
}

TEST_F(Current, NsmbBeyondTheLastSets) {
    const Int word = 0x444;
    for (Real LOADED : {100.0f, 70.0f})
        for (double deg : {0.0, 30.0, 90.0, 135.0}) {
            const Real a = radians(deg);
            const auto at = [&](Int k, Real hov100) {
                return crntcf(k, word, a, LOADED, 0.4f, hov100 * 100.0f / LOADED);
            };
            // Cx stays at its 4.4 value.
            for (Real h : {4.6f, 5.5f, 7.0f, 20.0f}) EXPECT_NEAR(at(1, h), at(1, 4.4f), 1e-6) << deg << h;
            // Cy and Cmz go on to 6.0 and stay there.
            for (Int k = 2; k <= 3; ++k) {
                EXPECT_NEAR(at(k, 5.2f), 0.5f * (at(k, 4.4f) + at(k, 6.0f)), 1e-6) << deg << k;
                EXPECT_NEAR(at(k, 9.0f), at(k, 6.0f), 1e-6) << deg << k;
            }
        }
    // At 6.0 loaded: the OCIMF 6.0 set.
    EXPECT_NEAR(crntcf(2, word, radians(90), 100.0f, 0.4f, 7.0f), -0.5870910, 2e-6);
    EXPECT_NEAR(crntcf(3, word, radians(45), 100.0f, 0.4f, 7.0f), -0.0505094, 2e-6);
    // At 4.4 ballasted: the one ballast set, whatever the bow.
    EXPECT_NEAR(crntcf(1, word, 0.0f, 40.0f, 0.9f, 11.0f), -0.0570295, 2e-6);
    EXPECT_NEAR(crntcf(2, word, radians(90), 40.0f, 0.9f, 15.0f), -0.4996931, 2e-6);
}

TEST_F(Current, NsmbWithTheMeanBallastCurve) {
    const Int mean = 15 | 4 << 4 | 4 << 8;
    const Int plain = 0x444;
    for (Real LOADED : {100.0f, 70.0f, 40.0f})
        for (Real HOVERD : {0.8f, 1.15f, 1.7f, 2.5f, 4.0f, 5.0f, 6.5f, 9.0f, 14.0f})
            for (double deg : {0.0, 50.0, 90.0, 170.0}) {
                const Real a = radians(deg);
                // The mean curve is a Cx curve: Cy and Cmz of type 15 are those of type 4.
                for (Int k = 2; k <= 3; ++k)
                    EXPECT_EQ(crntcf(k, all_fields(15), a, LOADED, 0.6f, HOVERD),
                              crntcf(k, plain, a, LOADED, 0.6f, HOVERD));
                const Real hov100 = LOADED * 0.01f * HOVERD;
                if (hov100 > 4.4f) {
                    EXPECT_EQ(crntcf(1, mean, a, LOADED, 0.6f, HOVERD), crntcf(1, plain, a, LOADED, 0.6f, HOVERD));
                }
            }
    // Ballasted, up to 3.0, Cx is the mean curve whatever the bow.
    for (Real BOWTYP : {0.0f, 1.0f}) EXPECT_NEAR(crntcf(1, mean, 0.0f, 40.0f, BOWTYP, 3.75f), -0.0392564, 2e-6);
    EXPECT_NEAR(crntcf(1, mean, radians(180), 40.0f, 0.0f, 3.75f), 0.0551157, 2e-6);
    // Loaded, the ballast curve has no weight.
    EXPECT_NEAR(crntcf(1, mean, 0.0f, 100.0f, 0.0f, 1.2f), crntcf(1, plain, 0.0f, 100.0f, 0.0f, 1.2f), 1e-7);
    EXPECT_NE(crntcf(1, mean, 0.0f, 70.0f, 0.0f, 2.0f), crntcf(1, plain, 0.0f, 70.0f, 0.0f, 2.0f));
}

TEST_F(Current, ExtremeCylindricalBow) {
    const Int word = all_fields(5);
    EXPECT_NEAR(crntcf(2, word, radians(90), 50.0f, 0.2f, 1.5f), -2.5293, 2e-6);
    EXPECT_NEAR(crntcf(3, word, radians(90), 50.0f, 0.2f, 1.5f), 0.13082, 2e-6);
    v.LWL = 300.0f;
    v.BWL = 50.0f;
    EXPECT_NEAR(crntcf(1, word, 0.0f, 50.0f, 0.2f, 9.0f), -0.07868 * 6.0, 2e-6);
}

TEST_F(Current, ImageTableIsMirroredAboutTheCentreLine) {
    LOWCOF.NUCRPT = 3;
    const float angles[] = {0, 90, 180}, cx[] = {-0.05f, 0.01f, 0.06f}, cy[] = {0, -0.9f, 0}, cz[] = {0, 0.04f, 0};
    for (int i = 0; i < 3; ++i) {
        LOWCOF.UCRANG(i + 1) = angles[i];
        LOWCOF.UCRCX(i + 1) = cx[i];
        LOWCOF.UCRCY(i + 1) = cy[i];
        LOWCOF.UCRCZ(i + 1) = cz[i];
    }
    const Int word = all_fields(1);
    for (double deg : {30.0, 90.0, 135.0}) {
        EXPECT_EQ(crntcf(1, word, radians(-deg), 100, 0, 2), crntcf(1, word, radians(deg), 100, 0, 2)) << deg;
        EXPECT_EQ(crntcf(2, word, radians(-deg), 100, 0, 2), -crntcf(2, word, radians(deg), 100, 0, 2)) << deg;
        EXPECT_EQ(crntcf(3, word, radians(-deg), 100, 0, 2), -crntcf(3, word, radians(deg), 100, 0, 2)) << deg;
    }
    EXPECT_NEAR(crntcf(2, word, radians(-90), 100, 0, 2), 0.9, 1e-6);
    EXPECT_NEAR(crntcf(1, word, radians(45), 100, 0, 2), -0.02, 1e-6);
    EXPECT_NEAR(crntcf(3, word, radians(45), 100, 0, 2), 0.02, 1e-6);
    // One point holds everywhere, none gives 0.
    LOWCOF.NUCRPT = 1;
    EXPECT_EQ(crntcf(1, word, radians(170), 100, 0, 2), -0.05f);
    LOWCOF.NUCRPT = 0;
    EXPECT_EQ(crntcf(2, word, radians(170), 100, 0, 2), 0.0f);
}

TEST_F(Current, BoxAndCylinder) {
    EXPECT_FLOAT_EQ(crntcf(1, all_fields(7), 0.0f, 100, 0, 2), -1.0f);
    EXPECT_FLOAT_EQ(crntcf(2, all_fields(7), 0.0f, 100, 0, 2), 0.0f);
    v.LWL = 200.0f;
    EXPECT_FLOAT_EQ(crntcf(3, all_fields(7), 0.0f, 100, 0, 2), 15.0f / 200.0f);
    const Real a = radians(60);
    EXPECT_FLOAT_EQ(crntcf(2, all_fields(7), a, 100, 0, 2), -std::sin(a));
    // The box: projected area over the own area; the moment has no minus sign.
    const double area = 400.0 * 0.5 + 3000.0 * std::sqrt(3.0) / 2.0;
    EXPECT_NEAR(crntcf(1, all_fields(3), a, 100, 0, 2), -0.5 * area / 400.0, 2e-6);
    EXPECT_NEAR(crntcf(3, all_fields(3), a, 100, 0, 2),
                (15.0 * 0.5 - 5.0 * std::sqrt(3.0) / 2.0) * area / (3000.0 * 200.0), 1e-7);
    v.XCURAR = 0.0f;
    EXPECT_FLOAT_EQ(crntcf(1, all_fields(3), a, 100, 0, 2), -std::cos(a));
}

TEST_F(Current, FieldWithoutAModelEndsTheRun) {
    for (Int type : {0, 8, 9, 14}) {
        clear_captured(SCREEN_UNIT);
        answers("\n");
        EXPECT_EQ(end_status([&] { crntcf(1, 0x660 | type, 0.0f, 100, 0, 2); }), 1) << type;
        EXPECT_EQ(screen(), " =+> Invalid COFTYP in CRNTCF\n" + kPause) << type;
    }
    // A silent run does not wait for the keyboard.
    answers("kept\n");
    EXPECT_EQ(end_status([&] { crntcf(3, 0x966, 0.0f, 100, 0, 2, SILENT_UNIT); }), 1);
    EXPECT_EQ(silent(), " =+> Invalid COFTYP in CRNTCF\n");
    EXPECT_EQ(read_keyboard_line(), "kept");
}

TEST_F(Current, ZeroBeamOrLengthEndsTheRunWhereTheTypeDividesByIt) {
    v.BWL = 0.0f;
    for (Int type : {4, 5, 6, 15}) {
        clear_captured(SCREEN_UNIT);
        answers("\n");
        EXPECT_EQ(end_status([&] { crntcf(1, type | 0x440, 0.0f, 100, 0, 2); }), 1) << type;
        EXPECT_EQ(screen(), " =+> Zero waterline length or beam in CRNTCF\n" + kPause) << type;
        EXPECT_NO_THROW(crntcf(2, all_fields(type == 15 ? 4 : type), radians(90), 100, 0, 2));
    }
    v.LWL = 0.0f;
    for (Int type : {3, 7}) {
        clear_captured(SCREEN_UNIT);
        answers("\n");
        EXPECT_EQ(end_status([&] { crntcf(3, all_fields(type), radians(30), 100, 0, 2); }), 1) << type;
        EXPECT_EQ(screen(), " =+> Zero waterline length or beam in CRNTCF\n" + kPause) << type;
    }
}

}  // namespace
// The row at 180 degrees given twice is read as written: the same coefficients at 180 and on either
// side as without the repeat. Twice at 0 degrees (where a stern wind looks up) or at a last heading
// short of 360 (looked up beyond), the look-up would divide by the interval of no width: refused.
TEST_F(UserCoefficientFile, ARepeatedHeadingIsReadWhereTheLookUpNeverDividesByIt) {
    const char* const whole = "5\n0 -1 0 0\n90 0 -1 0.05\n180 1 0 0\n270 0 1 -0.05\n360 -1 0 0\n";
    const char* const repeated = "6\n0 -1 0 0\n90 0 -1 0.05\n180 1 0 0\n180 1 0 0\n270 0 1 -0.05\n360 -1 0 0\n";
    put_file("WINDCOFS.txt", repeated);
    EXPECT_TRUE(read_user_coefficient_file("WINDCOFS.txt", SCREEN_UNIT).ok());
    put_file("PLAIN.txt", whole);
    for (double wind : {-1.0, 0.0, 1.0, 30.0, 150.0})
        for (Int k = 1; k <= 3; ++k)
            EXPECT_EQ(USRWND(k, radians(wind), SCREEN_UNIT, KBD_UNIT, "WINDCOFS.txt "),
                      USRWND(k, radians(wind), SCREEN_UNIT, KBD_UNIT, "PLAIN.txt    "))
                << wind << " " << k;
    EXPECT_FLOAT_EQ(USRWND(1, 0.0f, SCREEN_UNIT, KBD_UNIT, "WINDCOFS.txt "), 1.0f);
    EXPECT_EQ(screen(), "");
    testing::expect_refused(read_user_coefficient_file, "CRNTCOFS.txt",
                            {{"3\n0 1 0 0\n0 1 0 0\n360 1 0 0\n", TableFault::EmptyInterval, 3},
                             {"3\n0 1 0 0\n270 1 0 0\n270 1 0 0\n", TableFault::EmptyInterval, 4},
                             {"3\n0 1 0 0\n180 1 0 0\n90 1 0 0\n", TableFault::OutOfOrder, 4}});
    // A last heading of 360 given twice is never looked up beyond: read.
    put_file("CRNTCOFS.txt", "3\n0 1 0 0\n360 1 0 0\n360 1 0 0\n");
    EXPECT_TRUE(read_user_coefficient_file("CRNTCOFS.txt", SCREEN_UNIT).ok());
}

}  // namespace brevant

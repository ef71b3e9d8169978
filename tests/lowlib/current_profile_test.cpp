// The current profile of each kind against the power law in double, and the profile file with its
// messages.
#include "lowlib/current_profile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "lowlib/depth_current_drag.h"
#include "lowlib/lowlib_fixture.h"
#include "refused_tables.h"
#include "sysutl/pauses.h"

namespace brevant {
namespace {

using testing::LowlibTest;
using testing::put_file;

class CurrentProfile : public LowlibTest {
protected:
    void current(Int lcstcr, Real depth, Real speed, Real heading) {
        TPCM.LCURNT = 1;
        TPCM.LCSTCR = lcstcr;
        TPCM.DEPTH = depth;
        TPCM.CURSPD = speed;
        TPCM.CURHDG = heading;
    }
    // Runs the first call; the status of a run that ends, -1 when it returned.
    int build(Real draft = 12.0f) {
        return end_status([&] { CURPROF_INIT(draft, DZMIN, SCREEN_UNIT, KBD_UNIT); });
    }
    Real DZMIN = -7.0f;
};

TEST_F(CurrentProfile, VoneSeventhIsOneAtTheSurfaceAndZeroAtTheFloor) {
    EXPECT_EQ(VONE7TH(60.0f, 0.0f), 1.0f);
    EXPECT_EQ(VONE7TH(60.0f, 60.0f), 0.0f);
    EXPECT_EQ(VONE7TH(60.0f, 75.0f), 0.0f);
    EXPECT_NEAR(VONE7TH(100.0f, 30.0f), std::pow(0.7, 1.0 / 7.0), 1e-6);
}

TEST_F(CurrentProfile, PowerLawHasSevenPointsDownToTheFloor) {
    current(0, 60.0f, 1.2f, 45.0f);
    ASSERT_EQ(build(), -1);
    ASSERT_EQ(CURPROF.NCURNTPF, 7);
    const double depths[] = {18, 36, 42, 48, 54, 58.5, 60};
    const double given[] = {1.14039, 1.05277, 1.01038, 0.953517, 0.863623, 0.70846, 0.0};
    for (int j = 1; j <= 7; ++j) {
        EXPECT_FLOAT_EQ(CURPROF.DPTHIPF(j), static_cast<Real>(depths[j - 1])) << j;
        const double law = j < 7 ? 1.2 * std::pow(1.0 - depths[j - 1] / 60.0, 1.0 / 7.0) : 0.0;
        EXPECT_NEAR(CURPROF.VELIPF(j), law, 1e-5 * law) << j;
        EXPECT_NEAR(CURPROF.VELIPF(j), given[j - 1], 1e-5 * given[j - 1]) << j;
        EXPECT_EQ(CURPROF.CURHDGPF(j), 45.0f) << j;
    }
    EXPECT_NEAR(DZMIN, 1.5f, 1e-5f);
    EXPECT_EQ(screen(), "");
}

TEST_F(CurrentProfile, ASecondCallChangesNothing) {
    current(0, 60.0f, 1.2f, 45.0f);
    ASSERT_EQ(build(), -1);
    const CurProf first = CURPROF;
    current(1, 200.0f, 3.0f, 10.0f);
    DZMIN = -7.0f;
    ASSERT_EQ(build(), -1);
    EXPECT_EQ(std::memcmp(&first, &CURPROF, sizeof first), 0);
    EXPECT_EQ(DZMIN, -7.0f);
    // A reset is a fresh run: the profile is built again.
    reset_curprof();
    ASSERT_EQ(build(), -1);
    EXPECT_EQ(CURPROF.NCURNTPF, 5);
}

TEST_F(CurrentProfile, UniformHasFivePoints) {
    current(1, 80.0f, 0.9f, 120.0f);
    ASSERT_EQ(build(), -1);
    ASSERT_EQ(CURPROF.NCURNTPF, 5);
    for (int j = 1; j <= 5; ++j) {
        EXPECT_FLOAT_EQ(CURPROF.DPTHIPF(j), 16.0f * static_cast<Real>(j)) << j;
        EXPECT_EQ(CURPROF.VELIPF(j), 0.9f);
        EXPECT_EQ(CURPROF.CURHDGPF(j), 120.0f);
    }
    EXPECT_EQ(CURPROF.DPTHIPF(5), 80.0f);
    EXPECT_FLOAT_EQ(DZMIN, 16.0f);
}

TEST_F(CurrentProfile, NoCurrentClearsTheSurfaceSpeed) {
    current(0, 80.0f, 1.4f, 30.0f);
    TPCM.LCURNT = 0;
    ASSERT_EQ(build(), -1);
    ASSERT_EQ(CURPROF.NCURNTPF, 2);
    EXPECT_EQ(CURPROF.DPTHIPF(1), 40.0f);
    EXPECT_EQ(CURPROF.DPTHIPF(2), 80.0f);
    EXPECT_EQ(CURPROF.VELIPF(1), 0.0f);
    EXPECT_EQ(CURPROF.VELIPF(2), 0.0f);
    EXPECT_EQ(CURPROF.CURHDGPF(1), 0.0f);
    EXPECT_EQ(TPCM.CURSPD, 0.0f);
    EXPECT_EQ(DZMIN, 40.0f);
}

TEST_F(CurrentProfile, ImageTableTakesItsPointsAndTheSurfaceHeading) {
    current(2, 100.0f, 2.0f, 15.0f);
    TPCM.NCURNT = 3;
    const Real d[] = {4.0f, 10.0f, 13.0f};
    const Real v[] = {1.8f, 1.1f, 0.5f};
    for (int j = 1; j <= 3; ++j) {
        TPCM.DPTHI(j) = d[j - 1];
        TPCM.VELI(j) = v[j - 1];
    }
    ASSERT_EQ(build(), -1);
    ASSERT_EQ(CURPROF.NCURNTPF, 3);
    for (int j = 1; j <= 3; ++j) {
        EXPECT_EQ(CURPROF.DPTHIPF(j), d[j - 1]);
        EXPECT_EQ(CURPROF.VELIPF(j), v[j - 1]);
        EXPECT_EQ(CURPROF.CURHDGPF(j), 15.0f);
    }
    EXPECT_EQ(DZMIN, 3.0f);  // the last step is the smallest
}

TEST_F(CurrentProfile, ImageTableCountIsHeldToItsFiveSlots) {
    current(2, 100.0f, 2.0f, 15.0f);
    for (int j = 1; j <= 5; ++j) {
        TPCM.DPTHI(j) = 10.0f * static_cast<Real>(j);
        TPCM.VELI(j) = 1.0f;
    }
    // The words after the table: a read past the fifth slot would bring them in.
    TPCM.BRVINC = 1.0f;
    TPCM.NCURNT = 9;
    ASSERT_EQ(build(), -1);
    EXPECT_EQ(CURPROF.NCURNTPF, 5);
    EXPECT_EQ(CURPROF.DPTHIPF(5), 50.0f);
    EXPECT_EQ(CURPROF.DPTHIPF(6), 0.0f);
    EXPECT_EQ(CURPROF.VELIPF(6), 0.0f);
    EXPECT_EQ(DZMIN, 10.0f);

    reset_curprof();
    TPCM.NCURNT = -2;
    ASSERT_EQ(build(), -1);
    EXPECT_EQ(CURPROF.NCURNTPF, 0);
    EXPECT_EQ(DZMIN, 1.0e20f);  // no points, no step
}

class ProfileFile : public CurrentProfile {
protected:
    void SetUp() override {
        CurrentProfile::SetUp();
        current(3, 100.0f, 2.0f, 45.0f);
    }
};

TEST_F(ProfileFile, ReadsDepthSpeedAndHeadingPerPoint) {
    // Commas or blanks, CR LF line ends, further values on the count line ignored.
    put_file("CRNTPROF.txt", "3, 99 junk\r\n15.0, 1.8, 45.0\r\n  40 1.1 50\r\n90,0.3,60\r\n");
    ASSERT_EQ(build(12.0f), -1);
    ASSERT_EQ(CURPROF.NCURNTPF, 3);
    EXPECT_EQ(CURPROF.DPTHIPF(1), 15.0f);
    EXPECT_EQ(CURPROF.VELIPF(2), 1.1f);
    EXPECT_EQ(CURPROF.CURHDGPF(3), 60.0f);
    EXPECT_EQ(DZMIN, 15.0f);
    // Deeper points turning do not concern the vessel: no note.
    EXPECT_EQ(screen(), "");
}

TEST_F(ProfileFile, ExactlyOneHundredAndOnePointsAreAccepted) {
    std::string text = "101\n";
    for (int j = 1; j <= 101; ++j) text += std::to_string(j) + " 1.0 45\n";
    put_file("CRNTPROF.txt", text);
    ASSERT_EQ(build(), -1);
    EXPECT_EQ(CURPROF.NCURNTPF, 101);
    EXPECT_EQ(CURPROF.DPTHIPF(101), 101.0f);
    EXPECT_EQ(DZMIN, 1.0f);
}

TEST_F(ProfileFile, OversizeCountIsRefusedBeforeAnythingIsStored) {
    for (Int count : {102, 150}) {
        reset_curprof();
        clear_captured(SCREEN_UNIT);
        answers("\n");
        std::string text = std::to_string(count) + "\n";
        for (int j = 1; j <= count; ++j) text += std::to_string(j) + " 1.0 45\n";
        put_file("CRNTPROF.txt", text);
        EXPECT_EQ(build(), 1);
        EXPECT_EQ(screen(), "\n ++>  User-supplied current profile array in CRNTPROF.txt\n"
                            "      dimension = [" + std::to_string(count) + "] out of range; allowable\n"
                            "      dimension = [101]\n\n \n Press <RETURN> to continue: ");
        EXPECT_EQ(CURPROF.NCURNTPF, 0);
        EXPECT_EQ(CURPROF.DPTHIPF(1), 0.0f);
    }
}

TEST_F(ProfileFile, AFileWithoutPointsIsAReadError) {
    for (const char* text : {"0\n", "-4\n1 1 1\n"}) {
        reset_curprof();
        clear_captured(SCREEN_UNIT);
        answers("\n");
        put_file("CRNTPROF.txt", text);
        EXPECT_EQ(build(), 1) << text;
        EXPECT_EQ(screen(), "\n ++> End of file or related file error in routine CURPROF_INIT\n"
                            "     file name CRNTPROF.txt\n \n Press <RETURN> to continue: ")
            << text;
    }
}

TEST_F(ProfileFile, ShortOrDamagedFilesGoToTheFileErrorReport) {
    for (const char* text : {"", "3\n10 1 45\n20 1 45\n", "2\n10 1 45\n20 x 45\n", "two\n"}) {
        reset_curprof();
        clear_captured(SCREEN_UNIT);
        answers("\n");
        put_file("CRNTPROF.txt", text);
        EXPECT_EQ(build(), 1) << text;
        EXPECT_NE(screen().find(" ++> End of file or related file error in routine CURPROF_INIT\n"
                                "     file name CRNTPROF.txt\n"),
                  std::string::npos)
            << text;
    }
}

TEST_F(ProfileFile, APointSplitOverTwoLinesIsOneRecord) {
    put_file("CRNTPROF.txt", "2\n10 1.5\n 45 this rest is ignored\n20, 1.0, 45\n");
    ASSERT_EQ(build(), -1);
    EXPECT_EQ(CURPROF.CURHDGPF(1), 45.0f);
    EXPECT_EQ(CURPROF.DPTHIPF(2), 20.0f);
    EXPECT_EQ(CURPROF.VELIPF(2), 1.0f);
}

TEST_F(ProfileFile, DirectionChangeAboveTheDraftGivesOneNote) {
    answers("\n");
    // Two points above the draft of 12 turn away from CURHDG; one at the draft does not count.
    put_file("CRNTPROF.txt", "4\n5 1.8 30\n10 1.5 35\n12 1.2 60\n40 0.5 45\n");
    ASSERT_EQ(build(12.0f), -1);
    EXPECT_EQ(screen(),
              "\n ++>  Note: The current direction specified in CRNTPROF.txt changes at a depth\n"
              "      less than vessel draft; vessel forces are computed assuming constant\n"
              "      current direction down to the vessel draft. Mooring line and riser forces\n"
              "      will, however, reflect the current direction as specified in CRNTPROF.txt.\n"
              "\n \n Press <RETURN> to continue: ");
    EXPECT_EQ(CURPROF.NCURNTPF, 4);
    EXPECT_FALSE(unit_is_open(31));
}

TEST_F(ProfileFile, PointAtTheDraftGivesNoNote) {
    put_file("CRNTPROF.txt", "2\n12 1.2 60\n40 0.5 45\n");
    ASSERT_EQ(build(12.0f), -1);
    EXPECT_EQ(screen(), "");
}

// The run passes the depths where its member drag looks the profile up: a depth given twice is
// refused only where one of them falls between the two or at equal first depths, at the line of
// the row that closes them; without those depths every depth at and below the first point counts.
TEST_F(ProfileFile, ADepthGivenTwiceCountsOnlyAtTheDepthsLookedUp) {
    const std::vector<Real> levels = {0.0f, 5.0f, 10.0f, 15.0f, 20.0f};
    const char* text = "3\n10 1.0 45\n20 0.5 45\n20 0.2 45\n";
    put_file("CRNTPROF.txt", text);
    ASSERT_EQ(end_status([&] { CURPROF_INIT(20.0f, DZMIN, SCREEN_UNIT, KBD_UNIT, levels); }), -1);
    EXPECT_EQ(CURPROF.NCURNTPF, 3);
    EXPECT_EQ(CURPROF.VELIPF(3), 0.2f);
    EXPECT_EQ(DZMIN, 0.0f);
    EXPECT_EQ(screen(), "");
    EXPECT_TRUE(read_current_profile_file("CRNTPROF.txt", SCREEN_UNIT, levels).outcome.ok());
    EXPECT_TRUE(read_current_profile_file("CRNTPROF.txt", SCREEN_UNIT, {}).outcome.ok());
    // A level below the pair, or every depth: the file error report.
    for (const bool every : {false, true}) {
        reset_curprof();
        clear_captured(SCREEN_UNIT);
        answers("\n");
        const std::vector<Real> deeper = {0.0f, 21.0f};
        EXPECT_EQ(end_status([&] {
                      if (every)
                          CURPROF_INIT(20.0f, DZMIN, SCREEN_UNIT, KBD_UNIT);
                      else
                          CURPROF_INIT(20.0f, DZMIN, SCREEN_UNIT, KBD_UNIT, deeper);
                  }),
                  1);
        EXPECT_NE(screen().find(" ++> End of file or related file error in routine CURPROF_INIT\n"), std::string::npos);
    }
    // The lines of the points, one split over two lines: the row that closes the pair names it.
    put_file("CRNTPROF.txt", "3\n10 1.0 45\n20\n0.5 45\n20 0.2 45\n");
    ProfileFileRead read = read_current_profile_file("CRNTPROF.txt", SCREEN_UNIT, {25.0f});
    EXPECT_EQ(read.outcome.fault, TableFault::EmptyInterval);
    EXPECT_EQ(read.outcome.line, 5);
    put_file("CRNTPROF.txt", "3\n10 1.0 45\n10\n0.5 45\n20 0.2 45\n");
    read = read_current_profile_file("CRNTPROF.txt", SCREEN_UNIT, {9.0f});  // above the first point
    ASSERT_TRUE(read.outcome.ok());
    EXPECT_EQ(read.profile.NCURNTPF, 3);
    EXPECT_EQ(read.lines[0], 2);
    EXPECT_EQ(read.lines[1], 4);
    EXPECT_EQ(read.lines[2], 5);
    read = read_current_profile_file("CRNTPROF.txt", SCREEN_UNIT, {10.0f});  // at the equal first depths
    EXPECT_EQ(read.outcome.fault, TableFault::EmptyInterval);
    EXPECT_EQ(read.outcome.line, 4);
}

TEST_F(ProfileFile, MissingFileAsksAndEndsWhateverTheAnswer) {
    for (const char* answer : {"A\n", "\n"}) {
        reset_curprof();
        clear_captured(SCREEN_UNIT);
        answers(answer);
        EXPECT_EQ(build(), 1);
        const std::string s = screen();
        EXPECT_EQ(s.rfind("\n ++>  User-supplied current profile \"CRNTPROF.txt\" not found\n\n", 0), 0u) << s;
        EXPECT_NE(s.find(kAbortPrompt), std::string::npos);
    }
}

TEST_F(ProfileFile, SilentRunWritesTheMessagesWithoutWaiting) {
    answers("kept\n");
    put_file("CRNTPROF.txt", "1\n5 1.8 30\n");
    ASSERT_EQ(end_status([&] { CURPROF_INIT(12.0f, DZMIN, SILENT_UNIT, KBD_UNIT); }), -1);
    EXPECT_NE(silent().find(" ++>  Note: The current direction"), std::string::npos);
    EXPECT_EQ(read_keyboard_line(), "kept");
}

}  // namespace
// A step in the profile (two points at 4 m) is read as written: above it the line to its upper
// speed, at it the upper speed, below it the line from its lower speed. Two points at the first
// depth, where the look-up starts, would leave it an interval of no width: refused. A turn too.
TEST_F(ProfileFile, AStepIsReadAsWrittenAndARepeatAtTheTopIsRefused) {
    put_file("CRNTPROF.txt", "4\n0 1.0 45\n4 0.9 45\n4 0.6 45\n10 0.2 45\n");
    EXPECT_TRUE(read_current_profile_file("CRNTPROF.txt", SCREEN_UNIT).ok());
    ASSERT_EQ(build(), -1);
    ASSERT_EQ(CURPROF.NCURNTPF, 4);
    EXPECT_EQ(DZMIN, 0.0f);
    const auto speed = [](Real z) {
        return GET_VCX_LOC(z, 2.0f, 45.0f, 45.0f, CURPROF.DPTHIPF.data(), CURPROF.VELIPF.data(),
                           CURPROF.CURHDGPF.data(), CURPROF.NCURNTPF);
    };
    EXPECT_FLOAT_EQ(speed(2.0f), 0.95f);
    EXPECT_FLOAT_EQ(speed(4.0f), 0.9f);
    EXPECT_FLOAT_EQ(speed(7.0f), 0.4f);
    testing::expect_refused(read_current_profile_file, "CRNTPROF.txt",
                            {{"3\n0 1.0 45\n0 0.9 45\n10 0.2 45\n", TableFault::EmptyInterval, 3},
                             {"3\n0 1.0 45\n10 0.9 45\n10 0.2 45\n", TableFault::EmptyInterval, 4},
                             {"3\n0 1.0 45\n10 0.9 45\n5 0.2 45\n", TableFault::OutOfOrder, 4},
                             {"3\n100 0.2 45\n100 0.5 45\n10 0.9 45\n", TableFault::EmptyInterval, 3},
                             {"3\n100 0.2 45\n10 0.9 45\n20 1.0 45\n", TableFault::OutOfOrder, 4}});
}

// A falling profile (its first point the deepest) is looked up only at and below its first point,
// where the search takes its first interval; above that depth the speed runs on a line from the
// surface value. Its last two depths equal are never looked up in: read, and the speeds finite.
TEST_F(ProfileFile, AFallingProfileIsLookedUpBelowItsFirstPointOnly) {
    put_file("CRNTPROF.txt", "3\n100 0.2 45\n10 0.9 45\n10 1.0 45\n");
    EXPECT_TRUE(read_current_profile_file("CRNTPROF.txt", SCREEN_UNIT).ok());
    ASSERT_EQ(build(), -1);
    ASSERT_EQ(CURPROF.NCURNTPF, 3);
    const auto speed = [](Real z) {
        return GET_VCX_LOC(z, 2.0f, 45.0f, 45.0f, CURPROF.DPTHIPF.data(), CURPROF.VELIPF.data(),
                           CURPROF.CURHDGPF.data(), CURPROF.NCURNTPF);
    };
    EXPECT_FLOAT_EQ(speed(0.0f), 2.0f);
    EXPECT_FLOAT_EQ(speed(10.0f), 2.0f - 1.8f * 0.1f);   // the surface line, not the step at 10 m
    EXPECT_FLOAT_EQ(speed(50.0f), 2.0f - 1.8f * 0.5f);
    EXPECT_FLOAT_EQ(speed(100.0f), 0.2f);
    EXPECT_FLOAT_EQ(speed(120.0f), 0.2f - 0.7f * 20.0f / 90.0f);  // the line through 100 m and 10 m
}

}  // namespace brevant

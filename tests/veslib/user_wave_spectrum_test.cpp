// The user wave spectrum file: interpolation in either order, the cache by file name, the table
// size limits, the one-time range warning, and the files it refuses.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "refused_tables.h"
#include "test_support.h"
#include "veslib/user_wave_spectrum.h"

namespace brevant {
namespace {

class UserWaveSpectrum : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_uwvspc();
    }
    void TearDown() override {
        reset_uwvspc();
        ConsoleTest::TearDown();
    }
    testing::ScratchDir dir_;
    const FixedText<13> file_{"WAVSPEC.txt"};

    Real at(Real w, Int console = SCREEN_UNIT) { return UWVSPC(w, console, KBD_UNIT, file_); }
    // The run's end status of a call that must end it (-1 when it returned).
    int end_status(Real w, const FixedText<13>& name, Int console = SCREEN_UNIT) {
        try {
            UWVSPC(w, console, KBD_UNIT, name);
        } catch (const ProgramEnd& e) {
            return e.status;
        }
        return -1;
    }
};

// Points (0.5, 1), (1.0, 3), (2.0, 2): straight lines between them.
double reference(double w) { return w <= 1.0 ? std::lerp(1.0, 3.0, (w - 0.5) / 0.5) : std::lerp(3.0, 2.0, w - 1.0); }

const char* const kWarning =
    " ++> Warning: Frequency outside user-supplied wave spectrum\n"
    "     range; \"continue\" to extrapolate outside available range.\n";

TEST_F(UserWaveSpectrum, AscendingAndDescendingTablesGiveTheSameValues) {
    for (const char* text : {"3\n0.5 1.0\n1.0 3.0\n2.0 2.0\n", "3\n2.0 2.0\n1.0 3.0\n0.5 1.0\n"}) {
        reset_uwvspc();
        testing::put_file("WAVSPEC.txt", text);
        for (double w : {0.5, 0.6, 0.99, 1.0, 1.25, 1.9, 2.0})
            EXPECT_NEAR(at(static_cast<Real>(w)), reference(w), 1e-6) << text << w;
    }
    // The table ends are inside: no warning.
    EXPECT_EQ(screen(), "");
}

// The densities the checks before a run take: UWVSPC's at each frequency, inside the table and
// beyond its ends (extrapolated, as after "continue"), without the warning, keeping no table; none
// from a file that cannot be read.
TEST_F(UserWaveSpectrum, FileValuesAreUwvspcsWithoutTheQuestion) {
    testing::put_file("WAVSPEC.txt", "3\n0.5 1.0\n1.0 3.0\n2.0 2.0\n");
    const Real W[] = {0.25f, 0.5f, 0.75f, 1.5f, 2.0f, 3.0f};
    Real PSD[6] = {};
    ASSERT_TRUE(wave_spectrum_file_values("WAVSPEC.txt", SCREEN_UNIT, W, 6, PSD));
    EXPECT_EQ(screen(), "");
    const double want[] = {0.0, 1.0, 2.0, 2.5, 2.0, 1.0};  // the end intervals' lines beyond the table
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(PSD[i], want[i], 1e-6) << W[i];
    // The same as the run's, once it has been told to continue.
    answers("\n");
    for (int i = 0; i < 6; ++i) EXPECT_EQ(at(W[i]), PSD[i]) << W[i];
    // A file it cannot read whole leaves the densities as they were.
    testing::put_file("WAVSPEC.txt", "3\n0.5 1.0\n");
    PSD[0] = -7.0f;
    EXPECT_FALSE(wave_spectrum_file_values("WAVSPEC.txt", SCREEN_UNIT, W, 6, PSD));
    EXPECT_EQ(PSD[0], -7.0f);
}

TEST_F(UserWaveSpectrum, ValuesRunOverLinesAndExtraValuesOnALineAreDropped) {
    // The count on its own line with a comment-like tail, one pair split over two lines, commas,
    // and a third value on the last line that belongs to no read.
    testing::put_file("WAVSPEC.txt", "3 points\n0.5,\n1.0\n1.0 , 3.0\n2.0 2.0 99.0\n");
    EXPECT_NEAR(at(0.75f), reference(0.75), 1e-6);
    EXPECT_NEAR(at(1.5f), reference(1.5), 1e-6);
}

TEST_F(UserWaveSpectrum, SecondCallWithTheSameNameKeepsTheTableAnotherNameRereads) {
    testing::put_file("WAVSPEC.txt", "2\n1.0 1.0\n2.0 2.0\n");
    EXPECT_NEAR(at(1.5f), 1.5f, 1e-6f);
    testing::put_file("WAVSPEC.txt", "2\n1.0 10.0\n2.0 20.0\n");
    EXPECT_NEAR(at(1.5f), 1.5f, 1e-6f);
    testing::put_file("OTHER.txt", "2\n1.0 5.0\n2.0 5.0\n");
    EXPECT_NEAR(UWVSPC(1.5f, SCREEN_UNIT, KBD_UNIT, FixedText<13>("OTHER.txt")), 5.0f, 1e-6f);
    // Back to the first name: read again, now with the new contents.
    EXPECT_NEAR(at(1.5f), 15.0f, 1e-5f);
}

std::string table_of(int n) {
    std::string text = std::to_string(n) + "\n";
    for (int i = 1; i <= n; ++i) text += std::to_string(0.01 * i) + " " + std::to_string(i) + "\n";
    return text;
}

TEST_F(UserWaveSpectrum, AThousandPointsAreAcceptedOneMoreEndsTheRun) {
    testing::put_file("WAVSPEC.txt", table_of(1000));
    EXPECT_NEAR(at(10.0f), 1000.0f, 1e-2f);  // the last point
    EXPECT_NEAR(at(5.005f), 500.5f, 1e-2f);

    reset_uwvspc();
    testing::put_file("WAVSPEC.txt", table_of(1001));
    answers("\n");
    EXPECT_EQ(end_status(1.0f, file_), 1);
    EXPECT_EQ(screen(),
              " ++>  User-supplied wave spectral array in WAVSPEC.txt  \n"
              "      dimension = [1001] out of range; allowable\n"
              "      dimension = [1000]\n"
              " \n Press <RETURN> to continue: ");
}

TEST_F(UserWaveSpectrum, FirstFrequencyOutsideWarnsOnceAndExtrapolates) {
    testing::put_file("WAVSPEC.txt", "3\n0.5 1.0\n1.0 3.0\n2.0 2.0\n");
    testing::put_file("OTHER.txt", "2\n1.0 1.0\n2.0 2.0\n");
    answers("\n");
    EXPECT_NEAR(at(2.5f), 1.5f, 1e-6f);  // the end interval carried on
    EXPECT_EQ(screen(), std::string(kWarning) + std::string("\a\0\0\0\n", 5) + " Enter \"A\" to abort or Press <RETURN> to continue: ");
    clear_captured(SCREEN_UNIT);
    EXPECT_NEAR(at(0.2f), -0.2f, 1e-6f);  // below the table, no clamping at zero
    EXPECT_NEAR(UWVSPC(5.0f, SCREEN_UNIT, KBD_UNIT, FixedText<13>("OTHER.txt")), 5.0f, 1e-6f);
    EXPECT_EQ(screen(), "");
}

TEST_F(UserWaveSpectrum, AbortAtTheWarningOrASilentRunEndsTheRun) {
    testing::put_file("WAVSPEC.txt", "2\n1.0 1.0\n2.0 2.0\n");
    answers("a\n");
    EXPECT_EQ(end_status(3.0f, file_), 1);

    reset_uwvspc();
    EXPECT_EQ(end_status(3.0f, file_, SILENT_UNIT), 1);
    EXPECT_EQ(silent(), kWarning);
}

TEST_F(UserWaveSpectrum, TablesThatCannotBeInterpolatedAreRefusedLikeDamagedFiles) {
    struct Case {
        const char* what;
        const char* text;
    };
    const Case cases[] = {
        {"one point", "1\n1.0 1.0\n"},
        {"no point", "0\n"},
        {"negative count", "-3\n1.0 1.0\n2.0 2.0\n"},
        {"equal neighbours", "3\n1.0 1.0\n2.0 2.0\n2.0 3.0\n"},
        {"short file", "3\n1.0 1.0\n2.0 2.0\n"},
        {"unreadable value", "2\n1.0 x\n2.0 2.0\n"},
        {"unreadable count", "two\n1.0 1.0\n2.0 2.0\n"},
        {"empty file", ""},
    };
    for (const Case& c : cases) {
        reset_uwvspc();
        clear_captured(SCREEN_UNIT);
        testing::put_file("WAVSPEC.txt", c.text);
        answers("\n");
        EXPECT_EQ(end_status(1.5f, file_), 1) << c.what;
        EXPECT_EQ(screen(),
                  "\n ++> End of file or related file error in routine UWVSPC\n"
                  "     file name WAVSPEC.txt  \n \n Press <RETURN> to continue: ")
            << c.what;
    }
}

TEST_F(UserWaveSpectrum, RefusedFileLeavesTheHeldTableAlone) {
    testing::put_file("WAVSPEC.txt", "2\n1.0 1.0\n2.0 2.0\n");
    EXPECT_NEAR(at(1.5f), 1.5f, 1e-6f);
    testing::put_file("BAD.txt", "1\n1.0 9.0\n");
    answers("\n");
    EXPECT_EQ(end_status(1.5f, FixedText<13>("BAD.txt")), 1);
    EXPECT_NEAR(at(1.5f), 1.5f, 1e-6f);
}

TEST_F(UserWaveSpectrum, MissingFileIsReportedWithItsPaddedNameAndEndsTheRun) {
    answers("\n");
    EXPECT_EQ(end_status(1.0f, file_), 1);
    EXPECT_EQ(screen(), std::string(" ++>  User-supplied wave spectrum file \"WAVSPEC.txt  \" not found\n") +
                            std::string("\a\0\0\0\n", 5) + " Enter \"A\" to abort or Press <RETURN> to continue: ");
}

}  // namespace
// A point given twice inside the table is read as written, the same values at it and on either
// side; twice at either end, a look-up at or beyond that end (extrapolated) would divide by the
// interval of no width between them: refused at the line of the second. A turn is refused too.
TEST_F(UserWaveSpectrum, ARepeatedPointIsReadInsideAndRefusedAtAnEnd) {
    testing::put_file("WAVSPEC.txt", "4\n0.5 1.0\n1.0 3.0\n1.0 3.0\n2.0 2.0\n");
    EXPECT_TRUE(read_wave_spectrum_file("WAVSPEC.txt", SCREEN_UNIT).ok());
    for (double w : {0.5, 0.99, 1.0, 1.01, 2.0}) EXPECT_NEAR(at(static_cast<Real>(w)), reference(w), 1e-6) << w;
    EXPECT_EQ(screen(), "");
    testing::expect_refused(read_wave_spectrum_file, "WAVSPEC.txt",
                            {{"3\n0.5 1.0\n0.5 1.0\n2.0 2.0\n", TableFault::EmptyInterval, 3},
                             {"3\n0.5 1.0\n2.0 2.0\n2.0 2.0\n", TableFault::EmptyInterval, 4},
                             {"3\n2.0 2.0\n2.0 2.0\n0.5 1.0\n", TableFault::EmptyInterval, 3},
                             {"3\n0.5 1.0\n2.0 2.0\n1.0 3.0\n", TableFault::OutOfOrder, 4}});
}

}  // namespace brevant

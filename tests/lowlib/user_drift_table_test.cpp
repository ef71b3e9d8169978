// The user drift coefficient table: bilinear data reproduced, the file read once per name, the
// once-per-run frequency warning with its linear extrapolation, and the refused files.
#include <cmath>
#include <filesystem>

#include "drift_fixture.h"
#include "sysutl/pauses.h"

namespace brevant::testing {
namespace {

constexpr Real kPi = 3.14159265f;

// Cx = 1 + 2w + 0.01h + 0.02wh (h in degrees), Cy = 2 Cx, Cmz = -Cx: bilinear, so the table
// reproduces it exactly and extrapolates it exactly.
DriftCoefficients bilinear(double w, double h) {
    const double cx = 1.0 + 2.0 * w + 0.01 * h + 0.02 * w * h;
    return {cx, 2.0 * cx, -cx};
}

double bilinear_cx(double w, double h) { return bilinear(w, h).cx; }

const std::vector<double> kFreqs{0.2, 0.5, 0.8, 1.1};
const std::vector<double> kHeadings{0.0, 90.0, 180.0};

class UserDriftTableTest : public DriftTest {
protected:
    void write_table(const std::string& name, const DriftFormula& f = bilinear, const std::string& header = "") {
        put_file(name, drift_table_text(kFreqs, kHeadings, f, header));
    }
    static Real lookup(Real w, Int LCOMP, Real ANGLE, const char* name = "DRFTCOFS.txt", Int IOOUT = SCREEN_UNIT) {
        return DRFTCB(w, LCOMP, ANGLE, IOOUT, 5, FixedText<13>(name).view());
    }
};

TEST_F(UserDriftTableTest, ReproducesBilinearDataAtTheFluxDirectionTurnedByHalfATurn) {
    write_table("DRFTCOFS.txt");
    // Flux direction -pi/4 reads the table at 135 degrees.
    const double cx = bilinear_cx(0.65, 135.0);
    EXPECT_NEAR(cx, 5.405, 1e-12);
    EXPECT_NEAR(lookup(0.65f, 1, -kPi / 4.0f), 5.405, 5.405e-5);
    EXPECT_NEAR(lookup(0.65f, 2, -kPi / 4.0f), 10.81, 10.81e-5);
    EXPECT_NEAR(lookup(0.65f, 3, -kPi / 4.0f), -5.405, 5.405e-5);

    // A table heading of 180 degrees is met by a flux direction of 0; 0 degrees by pi.
    struct Case {
        Real w, angle;
        double heading;
    };
    for (const Case& c : {Case{0.2f, 0.0f, 180.0}, Case{1.1f, kPi, 0.0}, Case{0.35f, -kPi / 2.0f, 90.0},
                          Case{0.95f, kPi * 0.1f, 198.0}}) {
        const double want = bilinear_cx(c.w, c.heading);
        EXPECT_NEAR(lookup(c.w, 1, c.angle), want, 1e-5 * std::fabs(want)) << c.w << " " << c.heading;
    }
    EXPECT_EQ(screen(), "") << "inside the table nothing is written";
    EXPECT_EQ(DRFTCB_TABLE.NFREQ, 4);
    EXPECT_EQ(DRFTCB_TABLE.NAZ, 3);
}

TEST_F(UserDriftTableTest, HeaderCountsAreTruncatedAndFrequenciesComeFromTheFirstBlock) {
    // 4.9 frequencies and 3.7 headings are 4 and 3; the later blocks' frequency column is wrong
    // on purpose and must be ignored.
    std::string text = drift_table_text(kFreqs, kHeadings, bilinear, "4.9, 3.7");
    const std::string second_block = "90\n0.2,";
    const auto at = text.find(second_block);
    ASSERT_NE(at, std::string::npos);
    text.replace(at, second_block.size(), "90\n7.5,");
    put_file("DRFTCOFS.txt", text);
    EXPECT_NEAR(lookup(0.65f, 1, -kPi / 4.0f), 5.405, 5.405e-5);
    EXPECT_EQ(DRFTCB_TABLE.NFREQ, 4);
    EXPECT_EQ(DRFTCB_TABLE.NAZ, 3);
    EXPECT_FLOAT_EQ(DRFTCB_TABLE.WARRAY(1), 0.2f);
}

TEST_F(UserDriftTableTest, ReadsTheFileOncePerNameAndAgainForAnotherName) {
    write_table("DRFTCOFS.txt");
    const Real first = lookup(0.65f, 1, -kPi / 4.0f);
    // The file changes on disk: three components and a second call still see the kept table.
    write_table("DRFTCOFS.txt", [](double, double) { return DriftCoefficients{7.0, 7.0, 7.0}; });
    EXPECT_EQ(lookup(0.65f, 1, -kPi / 4.0f), first);
    EXPECT_NEAR(lookup(0.65f, 2, -kPi / 4.0f), 10.81, 10.81e-5);
    EXPECT_NEAR(lookup(0.65f, 3, -kPi / 4.0f), -5.405, 5.405e-5);
    // Another name reads its own file.
    write_table("TANKDRFT.txt", [](double, double) { return DriftCoefficients{3.0, 3.0, 3.0}; });
    EXPECT_FLOAT_EQ(lookup(0.65f, 1, 0.3f, "TANKDRFT.txt"), 3.0f);
    // The first name again reads its file again, as it now stands.
    EXPECT_FLOAT_EQ(lookup(0.65f, 1, 0.3f), 7.0f);
    EXPECT_EQ(DRFTCB_TABLE.LASTFILE, FixedText<13>("DRFTCOFS.txt"));
}

TEST_F(UserDriftTableTest, FrequencyOutsideTheTableWarnsOnceAndExtrapolates) {
    write_table("DRFTCOFS.txt");
    answers("\n");
    const Real high = lookup(1.4f, 1, -kPi / 4.0f);
    EXPECT_NEAR(high, 8.93, 8.93e-5);
    EXPECT_NEAR(bilinear_cx(1.4, 135.0), 8.93, 1e-12);
    const std::string warning =
        "\n"
        " ++> Warning: Frequency outside user-supplied drift coefficient\n"
        "     range; \"continue\" to extrapolate outside available range.\n";
    EXPECT_EQ(screen().substr(0, warning.size()), warning);
    EXPECT_NE(screen().find(kAbortPrompt), std::string::npos);
    // Later calls outside the range are silent, whatever the side (and read no answer).
    clear_captured(SCREEN_UNIT);
    EXPECT_NEAR(lookup(0.1f, 1, -kPi / 4.0f), bilinear_cx(0.1, 135.0), 1e-5 * bilinear_cx(0.1, 135.0));
    EXPECT_EQ(screen(), "");
    // A heading beyond the table's last one extrapolates too, with no warning: 270 degrees.
    EXPECT_NEAR(lookup(0.5f, 1, kPi / 2.0f), bilinear_cx(0.5, 270.0), 1e-5 * bilinear_cx(0.5, 270.0));
    EXPECT_EQ(screen(), "");
}

TEST_F(UserDriftTableTest, WarningEndsTheRunOnAbortAndInASilentRun) {
    write_table("DRFTCOFS.txt");
    answers("A\n");
    EXPECT_EQ(end_status([] { lookup(1.4f, 1, 0.0f); }), 1);

    reset_drftcb();
    answers("");
    EXPECT_EQ(end_status([] { lookup(1.4f, 1, 0.0f, "DRFTCOFS.txt", SILENT_UNIT); }), 1);
    EXPECT_NE(silent().find(" ++> Warning: Frequency outside user-supplied drift coefficient"), std::string::npos);
}

TEST_F(UserDriftTableTest, OversizeHeaderGivesTheDimensionMessage) {
    write_table("DRFTCOFS.txt", bilinear, "130 10");
    answers("\n");
    EXPECT_EQ(end_status([] { lookup(0.5f, 1, 0.0f); }), 1);
    EXPECT_EQ(screen(),
              "\n"
              " ++>  User-supplied drift force coefficient array \n"
              "      dimensions = [130, 10] out of range; allowable\n"
              "      dimensions = [121,145]\n"
              " \n Press <RETURN> to continue: ");
}

TEST_F(UserDriftTableTest, TableSizesAtTheirLimits) {
    struct Case {
        int nfreq, naz;
        bool accepted;
    };
    for (const Case& c : {Case{121, 145, true}, Case{122, 2, false}, Case{2, 146, false}}) {
        SCOPED_TRACE(std::to_string(c.nfreq) + " x " + std::to_string(c.naz));
        reset_drftcb();
        clear_captured(SCREEN_UNIT);
        std::vector<double> f;
        std::vector<double> h;
        for (int i = 0; i < c.nfreq; ++i) f.push_back(0.1 + 0.01 * i);
        for (int j = 0; j < c.naz; ++j) h.push_back(2.5 * j);
        put_file("DRFTCOFS.txt", drift_table_text(f, h, bilinear));
        answers("\n");
        if (c.accepted) {
            // The last frequency and heading of the table are read and used: 1.3 rad/s, between
            // 357.5 and 360 degrees.
            const double want = bilinear_cx(1.3, 358.75);
            EXPECT_NEAR(lookup(1.3f, 1, kPi * (178.75f / 180.0f)), want, 1e-5 * want);
            EXPECT_EQ(screen(), "");
        } else {
            EXPECT_EQ(end_status([] { lookup(0.5f, 1, 0.0f); }), 1);
            EXPECT_NE(screen().find(" ++>  User-supplied drift force coefficient array "), std::string::npos);
        }
    }
}

TEST_F(UserDriftTableTest, TooFewPointsOrADamagedFileGoToTheFileErrorReport) {
    struct Case {
        const char* what;
        std::string text;
    };
    std::string truncated = drift_table_text(kFreqs, kHeadings, bilinear);
    truncated.resize(truncated.size() / 2);
    const Case cases[] = {
        {"one heading", drift_table_text(kFreqs, {0.0}, bilinear)},
        {"one frequency", drift_table_text({0.5}, kHeadings, bilinear)},
        {"negative count", drift_table_text(kFreqs, kHeadings, bilinear, "-4 3")},
        {"ends early", truncated},
        {"letters", "4 3\n0\n0.2 x 1 1\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        reset_drftcb();
        clear_captured(SCREEN_UNIT);
        put_file("DRFTCOFS.txt", c.text);
        answers("\n");
        EXPECT_EQ(end_status([] { lookup(0.5f, 1, 0.0f); }), 1);
        EXPECT_NE(screen().find(" ++> End of file or related file error in routine DRFTCB"), std::string::npos);
        EXPECT_NE(screen().find("     file name DRFTCOFS.txt "), std::string::npos);
        EXPECT_EQ(screen().find("dimensions ="), std::string::npos);
    }
}

TEST_F(UserDriftTableTest, MissingFileNamesItInItsThirteenCharacters) {
    answers("\n");
    EXPECT_EQ(end_status([] { lookup(0.5f, 1, 0.0f, "TUGDRFT.txt"); }), 1);
    EXPECT_EQ(screen(),
              "\n ++>  User-supplied drift force coefficients \"TUGDRFT.txt  \" not found.\n\n"
              " \n Press <RETURN> to continue: ");
}

TEST_F(UserDriftTableTest, AcceptsCarriageReturnsAndBlankSeparatedValues) {
    std::string text = drift_table_text(kFreqs, kHeadings, bilinear);
    std::string crlf;
    for (char ch : text) {
        if (ch == ',') continue;
        if (ch == '\n') crlf += '\r';
        crlf += ch;
    }
    put_file("DRFTCOFS.txt", crlf);
    EXPECT_NEAR(lookup(0.65f, 1, -kPi / 4.0f), 5.405, 5.405e-5);
}

}  // namespace
// The block of heading 180 given twice, and the frequency 0.8 twice in every block, are read as
// written: the bilinear look-up holds the lower entry across an interval of no width, so the
// table still reproduces the data at 180 degrees, at 0.8 rad/s and on either side. A turn is
// refused.
TEST_F(UserDriftTableTest, RepeatedHeadingsAndFrequenciesAreReadAndATurnIsRefused) {
    put_file("DRFTCOFS.txt", drift_table_text({0.2, 0.5, 0.8, 0.8, 1.1}, {0.0, 90.0, 180.0, 180.0, 270.0}, bilinear));
    EXPECT_TRUE(read_drift_file("DRFTCOFS.txt", SCREEN_UNIT).ok());
    struct Case {
        Real w, angle;
        double heading;
    };
    for (const Case& c : {Case{0.8f, 0.0f, 180.0}, Case{0.79f, 0.01f, 180.5729578},
                          Case{0.81f, -0.01f, 179.4270422}, Case{0.5f, kPi / 2.0f, 270.0}}) {
        const double want = bilinear_cx(c.w, c.heading);
        EXPECT_NEAR(lookup(c.w, 1, c.angle), want, 1e-5 * std::fabs(want)) << c.w << " " << c.heading;
    }
    EXPECT_EQ(screen(), "");
    put_file("DRFTCOFS.txt", drift_table_text({0.2, 0.8, 0.5}, {0.0, 180.0}, bilinear));
    const TableOutcome o = read_drift_file("DRFTCOFS.txt", SCREEN_UNIT);
    EXPECT_EQ(o.fault, TableFault::OutOfOrder);
    EXPECT_EQ(o.what, "frequencies");
}

// The first record (the two sizes) spread over 200,000 blank lines reads in one pass: read again
// from its start at each line it would step through about 2e10 blanks and hold the suite up.
TEST_F(UserDriftTableTest, ASizeRecordOverManyBlankLinesIsReadInOnePass) {
    std::string text = drift_table_text(kFreqs, kHeadings, bilinear);
    const std::size_t gap = text.find(' ') + 1;  // after the first size
    text.insert(gap, std::string(200000, '\n'));
    put_file("DRFTCOFS.txt", text);
    EXPECT_TRUE(read_drift_file("DRFTCOFS.txt", SCREEN_UNIT).ok());
    EXPECT_NEAR(lookup(0.65f, 1, -kPi / 4.0f), 5.405, 5.405e-5);
}

}  // namespace brevant::testing

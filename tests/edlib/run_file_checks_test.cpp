// The pre-run checks of the user files: each file a chosen model reads is read before the run with
// the run's own reader, and every way it can fail to be read whole (missing, empty, cut short, a
// count beyond its rows or its table, a word or NaN where a number stands, abscissae that turn back
// or repeat where the look-up would divide by them) is a fatal finding naming the file, the page and item, and the line; the file is read
// only where the run reads it; the user RAO table is looked for.
#include "edlib/run_file_checks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "edlib/run_choice_checks.h"
#include "lowlib/wind_current_coefficients.h"
#include "options/output_selection.h"
#include "pre_run_case.h"
#include "records/coefficient_image.h"
#include "records/data_image.h"
#include "sysutl/units.h"
#include "test_support.h"

namespace brevant {
namespace {

using testing::bits;

// The passing ship with sea, swell, wind and current on, built-in load models, every report table.
void valid_case() {
    testing::passing_ship();
    Tpcm& t = TPCM;
    t.EDUNIT = SCREEN_UNIT;
    t.LRANDM = t.LSWELL = t.LWIND = t.LCURNT = 1;
    t.WNDTYP = 1;
    t.WAVTYP = 2;
    t.LWVCOF = 0x666;
    t.BRVFLG = 0x07FFFFFF;
}

std::vector<RunInputFinding> fatal_findings() {
    std::vector<RunInputFinding> found;
    for (const RunFileFinding& f : run_file_findings()) {
        EXPECT_TRUE(f.fatal);
        found.push_back(f.lines);
    }
    return found;
}

class RunFileChecksTest : public ::testing::Test {
protected:
    void SetUp() override { valid_case(); }
    void TearDown() override {
        reset_images();
        reset_units();
    }
    testing::ScratchDir dir_;
};

// ---- The formats of the files, and the ways each can be damaged -------------------------------

// A valid table of three abscissae, line by line, and what a damage puts in place of its lines.
struct Format {
    const char* name;
    std::vector<std::string> lines;  // the valid file
    const char* count_beyond_rows;   // a first line that counts more rows than the file holds
    const char* too_many;            // a first line beyond the table's slots
    const char* too_few;             // a first line below what interpolation needs
    int row;                         // the line (1-based) of a row whose abscissa follows another's
    const char* turned_back;         // that row with an abscissa that turns back
    const char* repeated;            // that row with the abscissa before it again (the last pair)
    const char* abscissae;           // what the abscissae are
    const char* beyond_text;         // the second line for too_many
    const char* few_text;            // the second line for too_few
};

const Format kCoefficients{"coefficients",
                           {"3", "0 -1 0 0", "90 0 1 0.1", "180 1 0 0"},
                           "5",
                           "146",
                           "1",
                           4,
                           "45 1 0 0",
                           "90 1 0 0",
                           "headings",
                           "     gives a count of 146 at line 1; its table holds at most 145 headings.",
                           "     gives a count of 1 at line 1; the run needs at least 2 headings."};
const Format kDrift{"drift",
                    {"2 3", "0", "0.5 1 0 0", "1.5 1 0 0", "90", "0.5 0 1 0", "1.5 0 1 0", "180", "0.5 -1 0 0",
                     "1.5 -1 0 0"},
                    "2 4",
                    "2 146",
                    "1 3",
                    8,
                    "45",
                    "90",
                    "headings",
                    "     gives a count of 146 at line 1; its table holds at most 145 headings.",
                    "     gives a count of 1 at line 1; the run needs at least 2 frequencies."};
const Format kSpectrum{"spectrum",
                       {"3", "0.01 1.0", "1.0 2.0", "3.0 1.0"},
                       "4",
                       "1001",
                       "1",
                       4,
                       "0.5 1.0",
                       "1.0 1.0",
                       "frequencies",
                       "     gives a count of 1001 at line 1; its table holds at most 1000 points.",
                       "     gives a count of 1 at line 1; the run needs at least 2 points."};
const Format kProfile{"profile",
                      {"3", "10 1.0 0", "50 0.8 0", "100 0.5 0"},
                      "4",
                      "102",
                      "0",
                      4,
                      "30 0.5 0",
                      "50 0.5 0",
                      "depths",
                      "     gives a count of 102 at line 1; its table holds at most 101 points.",
                      "     gives a count of 0 at line 1; the run needs at least 1 point."};

// Two frequencies by three headings: each block a heading, then per frequency the frequency and the
// real and imaginary parts of the six RAOs.
const Format kRaos{"raos",
                   {"2 3", "0", "0.5 1 0 0 0 1 0 0 0 0 0 0 0", "1.5 1 0 0 0 1 0 0 0 0 0 0 0", "90",
                    "0.5 0 0 1 0 1 0 0 0 0 0 0 0", "1.5 0 0 1 0 1 0 0 0 0 0 0 0", "180", "0.5 -1 0 0 0 1 0 0 0 0 0 0 0",
                    "1.5 -1 0 0 0 1 0 0 0 0 0 0 0"},
                   "2 4",
                   "2 146",
                   "1 3",
                   8,
                   "45",
                   "90",
                   "headings",
                   "     gives a count of 146 at line 1; its table holds at most 145 headings.",
                   "     gives a count of 1 at line 1; the run needs at least 2 frequencies."};

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) text += l + "\n";
    return text;
}

// One damage: the file's text and the second line of the finding it gives.
struct Damage {
    std::string what;
    std::string text;
    std::string finding;
};

std::vector<Damage> damages(const Format& f) {
    const int n = static_cast<int>(f.lines.size());
    const std::string line_n = std::to_string(n);
    std::vector<Damage> d;
    const auto with = [&f](int line, const std::string& text) {
        std::vector<std::string> lines = f.lines;
        lines[static_cast<std::size_t>(line - 1)] = text;
        return joined(lines);
    };
    // The third line's second value: a number in every format.
    const auto third_with_second = [&f](const std::string& word) {
        std::istringstream in(f.lines[2]);
        std::string first, second, rest;
        in >> first >> second;
        std::getline(in, rest);
        return first + " " + word + rest;
    };
    const std::string last_first_value = f.lines.back().substr(0, f.lines.back().find(' '));
    d.push_back({"empty", "", "     is empty."});
    d.push_back({"blank lines only", "\n\n", "     ends after line 2, before the table its count gives is whole."});
    d.push_back({"cut after its count line", f.lines[0] + "\n",
                 "     ends after line 1, before the table its count gives is whole."});
    d.push_back({"count beyond its rows", with(1, f.count_beyond_rows),
                 "     ends after line " + line_n + ", before the table its count gives is whole."});
    d.push_back({"cut short in its last row", with(n, last_first_value),
                 "     ends after line " + line_n + ", before the table its count gives is whole."});
    d.push_back({"a word for a number", with(3, third_with_second("abc")),
                 "     holds a value that is not a number at line 3."});
    d.push_back({"NaN for a number", with(3, third_with_second("NaN")),
                 "     holds a value that is not a number at line 3."});
    d.push_back({"a number beyond single precision", with(3, third_with_second("1e39")),
                 "     holds a value that is not a number at line 3."});
    d.push_back({"a word for the count", with(1, "three"), "     holds a value that is not a number at line 1."});
    d.push_back({"abscissae turning back", with(f.row, f.turned_back),
                 "     has " + std::string(f.abscissae) + " that turn back at line " + std::to_string(f.row) + "."});
    d.push_back({"a count beyond its table", with(1, f.too_many), f.beyond_text});
    d.push_back({"a count too small to interpolate", with(1, f.too_few), f.few_text});
    return d;
}

// ---- The files and the choices that make the run read them -------------------------------------

struct FileCase {
    const char* what;
    void (*choose)();
    const char* file;
    const Format* format;
    const char* chooser;
    Int page, item;
};

const FileCase kFileCases[] = {
    {"wind coefficients", [] { TPCM.LWBARG = 0x222; }, "WINDCOFS.txt", &kCoefficients, "wind force model", 6, 2},
    {"current coefficients, Cx", [] { TPCM.LCBARG = 0x772; }, "CRNTCOFS.txt", &kCoefficients, "current force model",
     6, 12},
    {"drift coefficients, Cy and Cz", [] { TPCM.LWVCOF = 0x616; }, "DRFTCOFS.txt", &kDrift, "wave force model", 6, 23},
    {"wind spectrum", [] { TPCM.WNDTYP = 6; }, "WINDSPEC.txt", &kSpectrum, "wind spectral type", 9, 3},
    {"current spectrum", [] { TPCM.CURTYP = 2; }, "CRNTSPEC.txt", &kSpectrum, "current spectral type", 10, 6},
    {"current profile", [] { TPCM.LCSTCR = 3; }, "CRNTPROF.txt", &kProfile, "current variation with depth", 10, 3},
    {"sea spectrum", [] { TPCM.WAVTYP = 7; }, "WAVSPEC.txt", &kSpectrum, "wave type", 12, 2},
    {"swell spectrum", [] { TPCM.SWLTYP = 7; }, "WAVSPEC.txt", &kSpectrum, "swell type", 13, 2},
    // The vessels of the two-vessel programs read files of their own.
    {"tug wind coefficients",
     [] {
         TPCM.SIMTYP = 10;
         TPCM.ISPM = 2;
         TPCM.LWBARG = 0x222;
     },
     "TUGWIND.txt", &kCoefficients, "wind force model", 6, 2},
    {"barge current coefficients",
     [] {
         TPCM.SIMTYP = 10;
         TPCM.ISPM = 3;
         TPCM.LCBARG = 0x222;
     },
     "BARGCRNT.txt", &kCoefficients, "current force model", 6, 12},
    {"buoy drift coefficients, the forces only",
     [] {
         TPCM.SIMTYP = 13;
         TPCM.ISPM = 2;
         TPCM.LWVCOF = 0x111;
         TPCM.BRVFLG = bits({kBitReflectionMeanForces});
     },
     "BUOYDRFT.txt", &kDrift, "wave force model", 6, 22},
};

std::string head(const FileCase& c) {
    return " ++> Fatal Warning: The file \"" + std::string(c.file) + "\" of the " + c.chooser + " (page " +
           std::to_string(c.page) + ", item " + std::to_string(c.item) + ")";
}

TEST_F(RunFileChecksTest, ValidFilesOfEveryChoiceGiveNoFinding) {
    testing::put_valid_user_files();
    for (const FileCase& c : kFileCases) {
        valid_case();
        c.choose();
        EXPECT_TRUE(run_file_findings().empty()) << c.what;
        // The three-abscissa table each damage below starts from is read whole too.
        testing::put_file(c.file, joined(c.format->lines));
        EXPECT_TRUE(run_file_findings().empty()) << c.what << ", three rows";
        testing::put_valid_user_files();
    }
}

// The spectrum file of the sea and of the swell, read whole, must give its sea a significant height
// the run can compute with, as a custom table must: its densities at the grid periods as the run
// interpolates them integrate to a variance at least 0, and to a height within the wave height bound.
TEST_F(RunFileChecksTest, TheSpectrumFileGivesItsSeaAHeightTheRunCanComputeWith) {
    const auto on_grid = [](Int units) {
        valid_case();
        TPCM.NUNTS = units;
        TPCM.NWP = 55;
        for (int i = 1; i <= 55; ++i) TPCM.T(i) = 3.0f + 0.5f * static_cast<float>(i - 1);
    };
    const std::string negative = "     integrates to a negative variance: no significant height to compute.";
    struct Case {
        const char* what;
        Int units;
        const char* text;
        std::vector<std::string> seconds;  // the second line of each finding: the sea's, then the swell's
    };
    const Case cases[] = {
        {"a peak of 2", 1, "3\n0.1 0\n1.0 2\n3.0 0\n", {}},
        {"a peak of 1e38", 1, "3\n0.1 0\n1.0 1e38\n3.0 0\n",
         {"     gives a significant height too large to compute (beyond 1000)."}},
        {"a peak of 1e38 in feet", 0, "3\n0.1 0\n1.0 1e38\n3.0 0\n",
         {"     gives a significant height too large to compute (beyond 3280)."}},
        {"a peak of -1", 1, "3\n0.1 0\n1.0 -1\n3.0 0\n", {negative}},
        {"a peak of -1e-30", 0, "3\n0.1 0\n1.0 -1e-30\n3.0 0\n", {negative}},
        {"a dip below 0 in a sea", 1, "3\n0.1 1\n1.0 -0.1\n3.0 1\n", {}},
        {"the table beyond the grid's frequencies, extrapolated to a negative variance", 1, "2\n0.1 0\n0.2 -1\n",
         {negative}},
    };
    for (const Case& c : cases) {
        on_grid(c.units);
        testing::put_file("WAVSPEC.txt", c.text);
        TPCM.WAVTYP = 7;
        std::vector<RunInputFinding> expected;
        for (const std::string& second : c.seconds)
            expected.push_back({" ++> Fatal Warning: The file \"WAVSPEC.txt\" of the wave type (page 12, item 2)", second});
        EXPECT_EQ(fatal_findings(), expected) << c.what;
        // The swell of the file's type: the same, named on its page.
        TPCM.SWLTYP = 7;
        for (const std::string& second : c.seconds)
            expected.push_back({" ++> Fatal Warning: The file \"WAVSPEC.txt\" of the swell type (page 13, item 2)", second});
        EXPECT_EQ(fatal_findings(), expected) << c.what << ", the swell too";
        // The same file with no sea or swell of its type: not read.
        TPCM.WAVTYP = 2;
        TPCM.SWLTYP = 1;
        EXPECT_TRUE(fatal_findings().empty()) << c.what;
    }
}

TEST_F(RunFileChecksTest, EachFileMissingOrAFolderIsRefused) {
    for (const FileCase& c : kFileCases) {
        valid_case();
        c.choose();
        const std::vector<RunInputFinding> expected = {{head(c), "     is missing or cannot be read."}};
        EXPECT_EQ(fatal_findings(), expected) << c.what;
        std::filesystem::create_directory(c.file);
        EXPECT_EQ(fatal_findings(), expected) << c.what;
        std::filesystem::remove(c.file);
    }
}

// Every file, every damage: one fatal finding naming the file, its page and item, and the line.
TEST_F(RunFileChecksTest, EachDamageOfEachFileIsRefusedByFileAndLine) {
    for (const FileCase& c : kFileCases) {
        for (const Damage& d : damages(*c.format)) {
            valid_case();
            c.choose();
            testing::put_file(c.file, d.text);
            EXPECT_EQ(fatal_findings(), (std::vector<RunInputFinding>{{head(c), d.finding}})) << c.what << ": " << d.what;
        }
        std::filesystem::remove(c.file);
    }
}

// An abscissa repeated as the last of a table: refused where the reader's look-up reaches beyond
// the table's end and would divide by the interval of no width (the coefficient files, the wave
// spectrum), read where it never does (the speed spectra interpolate only inside their range; the
// ship never looks its current profile up at a depth) or never divides (the drift table's look-up
// holds the lower entry).
TEST_F(RunFileChecksTest, ARepeatedLastAbscissaIsRefusedOnlyWhereTheLookUpWouldDivideByIt) {
    for (const FileCase& c : kFileCases) {
        valid_case();
        c.choose();
        std::vector<std::string> lines = c.format->lines;
        lines[static_cast<std::size_t>(c.format->row - 1)] = c.format->repeated;
        testing::put_file(c.file, joined(lines));
        const bool speed_spectrum = c.format == &kSpectrum && (c.page == 9 || c.page == 10);
        if (c.format == &kDrift || speed_spectrum || c.format == &kProfile) {
            EXPECT_TRUE(run_file_findings().empty()) << c.what;
        } else {
            EXPECT_EQ(fatal_findings(), (std::vector<RunInputFinding>{
                                            {head(c), "     has equal " + std::string(c.format->abscissae) +
                                                          " at line " + std::to_string(c.format->row) +
                                                          " at an end of the table: no interval to interpolate in."}}))
                << c.what;
        }
        std::filesystem::remove(c.file);
    }
}

// The frequencies of a drift table's first block keep their order too (the later blocks' are not
// used); a falling table is as good as a rising one, and equal neighbours are read.
TEST_F(RunFileChecksTest, DriftFrequenciesOfTheFirstBlockKeepTheirOrder) {
    kFileCases[2].choose();
    std::vector<std::string> lines = {"3 2", "0", "0.5 1 0 0", "1.5 1 0 0", "1.0 1 0 0", "180", "0.5 -1 0 0",
                                      "1.5 -1 0 0", "1.0 -1 0 0"};
    testing::put_file("DRFTCOFS.txt", joined(lines));
    EXPECT_EQ(fatal_findings(), (std::vector<RunInputFinding>{
                                    {head(kFileCases[2]), "     has frequencies that turn back at line 5."}}));
    lines = kDrift.lines;
    lines[3] = "0.5 1 0 0";  // the first block's frequencies equal: the look-up holds the lower entry
    testing::put_file("DRFTCOFS.txt", joined(lines));
    EXPECT_TRUE(run_file_findings().empty());
    lines = kDrift.lines;
    lines[6] = "0.5 0 1 0";  // the second block's repeated frequency: read and not used
    testing::put_file("DRFTCOFS.txt", joined(lines));
    EXPECT_TRUE(run_file_findings().empty());
    lines = {"2 3", "180", "1.5 1 0 0", "0.5 1 0 0", "90", "1.5 0 1 0", "0.5 0 1 0", "0", "1.5 -1 0 0", "0.5 -1 0 0"};
    testing::put_file("DRFTCOFS.txt", joined(lines));
    EXPECT_TRUE(run_file_findings().empty());
}

TEST_F(RunFileChecksTest, AFileIsNotReadWhereTheRunDoesNotReadIt) {
    // Each load off and no table asked for: its file is not read (so missing is no finding).
    for (const FileCase& c : kFileCases) {
        valid_case();
        c.choose();
        TPCM.LWIND = TPCM.LCURNT = TPCM.LRANDM = TPCM.LSWELL = 0;
        TPCM.BRVFLG = 0;
        EXPECT_TRUE(run_file_findings().empty()) << c.what;
    }
    // With waves, the drift file is read by the drift forces, not by the absorption table alone.
    valid_case();
    kFileCases[2].choose();
    TPCM.BRVFLG = bits({kBitAbsorptionCoefficients, kBitWindCoefficients});
    EXPECT_TRUE(run_file_findings().empty());
    TPCM.BRVFLG = bits({kBitReflectionMeanForces});
    EXPECT_EQ(run_file_findings().size(), 1u);
    // Without waves, by the reflection table only.
    TPCM.LRANDM = TPCM.LSWELL = 0;
    EXPECT_TRUE(run_file_findings().empty());
    TPCM.BRVFLG = bits({kBitReflectionCoefficients});
    EXPECT_EQ(run_file_findings().size(), 1u);
    // The wind spectrum file is read by the speed spectra only.
    valid_case();
    kFileCases[3].choose();
    TPCM.BRVFLG = bits({kBitWindMeanForces, kBitNetLoadTables});
    EXPECT_TRUE(run_file_findings().empty());
}

// The profile file by the rules of the table of page 10: a depth given twice is refused only where
// the run looks the profile up between the two or at equal first depths (a member-built hull's drag
// at the levels of its draft, 0, 2, ..., 20 m here), at the line that closes them; elsewhere, and
// on a ship, which never looks it up at a depth, it is read as written.
TEST_F(RunFileChecksTest, AProfileDepthGivenTwiceIsRefusedOnlyWhereTheRunLooksBetween) {
    const auto semi_in_current = [] {
        valid_case();
        Tpcm& t = TPCM;
        t.LCSTCR = 3;
        t.VESTYP = 3;
        t.DRAFT = 20.0f;
        t.SLPHT = 2.0f;
        t.NUMBRV = 1;
        t.NCYL = 1;  // a column with drag from the keel through the surface
        t.RCYLT(3, 1) = 60.0f;
        t.XAREA(1) = 78.54f;
        t.CYLCD(1, 1) = t.CYLCD(2, 1) = 1.0f;
        t.BRVFLG = bits({kBitAbsorptionCoefficients});
    };
    const std::string head = " ++> Fatal Warning: The file \"CRNTPROF.txt\" of the current variation with depth (page 10, item 3)";
    struct Row {
        const char* text;
        Int line;  // of the refusal; 0 read
    };
    const Row rows[] = {
        {"3\n10 1.0 180\n20 0.5 180\n20 0.2 180\n", 0},  // the deepest level on the last point, not below
        {"3\n30 1.0 180\n30 0.5 180\n50 0.2 180\n", 0},  // every level above the first point
        {"4\n5 1.0 180\n5 0.8 180\n10 0.5 180\n15 0 180\n", 0},
        {"3\n5 1.0 180\n10 0.5 180\n10 0.2 180\n", 4},   // the levels below 10 m
        {"3\n10 1.0 180\n10 0.5 180\n20 0.2 180\n", 3},  // the level at 10 m
        {"5\n2 1.0 0\n4 0.9 0\n6 0.8 0\n9 0.5 0\n9 0.0 0\n", 6},
    };
    for (const Row& r : rows) {
        semi_in_current();
        testing::put_file("CRNTPROF.txt", r.text);
        const std::vector<RunInputFinding> expected =
            r.line == 0 ? std::vector<RunInputFinding>{}
                        : std::vector<RunInputFinding>{{head, "     has equal depths at line " + std::to_string(r.line) +
                                                                  " at an end of the table: no interval to interpolate in."}};
        EXPECT_EQ(fatal_findings(), expected) << r.text;
        // The same file on a ship, or on the semi without the table that looks, is read.
        TPCM.VESTYP = 1;
        EXPECT_TRUE(run_file_findings().empty()) << r.text << ", a ship";
        semi_in_current();
        TPCM.BRVFLG = bits({kBitCurrentMeanForces});
        EXPECT_TRUE(run_file_findings().empty()) << r.text << ", no drag table";
    }
}

TEST_F(RunFileChecksTest, ATwoVesselProgramsVesselReadsItsOwnFile) {
    TPCM.SIMTYP = 13;
    TPCM.ISPM = 2;
    TPCM.LWVCOF = 0x111;
    TPCM.LWBARG = 0x222;
    TPCM.BRVFLG = bits({kBitReflectionMeanForces, kBitWindCoefficients});
    std::vector<std::string> expected = {
        " ++> Fatal Warning: The file \"BUOYWIND.txt\" of the wind force model (page 6, item 2)",
        " ++> Fatal Warning: The file \"BUOYDRFT.txt\" of the wave force model (page 6, item 22)"};
    std::vector<std::string> heads;
    for (const RunInputFinding& f : fatal_findings()) heads.push_back(f.front());
    EXPECT_EQ(heads, expected);
    // The reflection table reads "DRFTCOFS.txt" beside it.
    TPCM.BRVFLG |= bits({kBitReflectionCoefficients});
    expected.insert(expected.begin() + 1,
                    " ++> Fatal Warning: The file \"DRFTCOFS.txt\" of the wave force model (page 6, item 22)");
    heads.clear();
    for (const RunInputFinding& f : fatal_findings()) heads.push_back(f.front());
    EXPECT_EQ(heads, expected);
}

// The names of the coefficient files by the data's creator and mooring-system type, as the load
// models' tables give them: the checks and the run take them from one definition.
TEST(UserCoefficientFileNames, ByCreatorAndMooringSystem) {
    struct Row {
        Int CREATR, ISPM;
        const char* wind;
        const char* current;
    };
    const Row rows[] = {{13, 2, "BUOYWIND.txt", "BUOYCRNT.txt"}, {13, 3, "TANKWIND.txt", "TANKCRNT.txt"},
                        {10, 2, "TUGWIND.txt", "TUGCRNT.txt"},   {10, 3, "BARGWIND.txt", "BARGCRNT.txt"},
                        {16, 2, "WINDCOFS.txt", "CRNTCOFS.txt"}, {13, 1, "WINDCOFS.txt", "CRNTCOFS.txt"},
                        {10, 0, "WINDCOFS.txt", "CRNTCOFS.txt"}};
    for (const Row& r : rows) {
        EXPECT_EQ(wind_coefficient_file(r.CREATR, r.ISPM).trimmed(), r.wind) << r.CREATR << " " << r.ISPM;
        EXPECT_EQ(current_coefficient_file(r.CREATR, r.ISPM).trimmed(), r.current) << r.CREATR << " " << r.ISPM;
    }
}

// ---- One rule for the user wind table in "LOWDAT" and in "WINDCOFS.txt" ---------------------------

// The same angles as the LOWDAT table and as the file: each is refused in both or in neither, except
// where the two look-ups differ: the file is looked up from 0 to 360 degrees, LOWDAT from 0 to 180.
TEST_F(RunFileChecksTest, TheSameAnglesAreRefusedInLowdatAndInTheFileAlike) {
    struct Angles {
        const char* what;
        std::vector<Real> angles;
        bool usable;
        bool usable_in_lowdat = usable;
    };
    const Angles cases[] = {
        {"rising", {0, 90, 180}, true},
        {"falling", {180, 90, 0}, true},
        {"a repeated angle in a rising table", {0, 90, 90, 180}, true},
        {"a repeated angle in a falling table", {180, 90, 90, 0}, true},
        {"the last two equal at 180: the file is looked up beyond, LOWDAT not", {0, 90, 180, 180}, false, true},
        {"the last two equal at 360", {0, 90, 360, 360}, true},
        {"the last two equal at 90: LOWDAT is looked up beyond", {0, 45, 90, 90}, false},
        {"turning back", {0, 90, 45, 180}, false},
        {"turning back at the end", {0, 90, 180, 170}, false},
        {"the first two equal", {0, 0, 90}, false},
        {"one row", {0}, false},
    };
    for (const Angles& c : cases) {
        // The file.
        valid_case();
        TPCM.LWBARG = 0x222;
        std::string text = std::to_string(c.angles.size()) + "\n";
        for (Real a : c.angles) text += std::to_string(a) + " 0.5 0.5 0.1\n";
        testing::put_file("WINDCOFS.txt", text);
        EXPECT_EQ(run_file_findings().empty(), c.usable) << "WINDCOFS.txt, " << c.what;
        // The same table in LOWDAT.
        valid_case();
        TPCM.LWBARG = 0x111;
        LOWCOF.NUWNPT = static_cast<Int>(c.angles.size());
        for (std::size_t i = 0; i < c.angles.size(); ++i) {
            LOWCOF.UWNANG(static_cast<int>(i) + 1) = c.angles[i];
            for (int k = 1; k <= 3; ++k) LOWCOF.UWNCFS(static_cast<int>(i) + 1, k) = 0.5f;
        }
        bool lowdat_refused = false;
        for (const RunInputFinding& f : run_input_findings())
            if (f.front().find("The user wind coefficient table") != std::string::npos) lowdat_refused = true;
        EXPECT_EQ(!lowdat_refused, c.usable_in_lowdat) << "LOWDAT, " << c.what;
    }
}

// ---- The user RAO table -------------------------------------------------------------------------

void user_raos() {
    TPCM.AUXVSH = 1;
    TPCM.BRVFLG = bits({kBitNetLoadTables});
}

const char* const kRaoHead =
    " ++> Fatal Warning: The file \"USERRAOS.txt\" of the user-supplied vessel RAO data (page 3, item 13)";

// The RAO table is read whole before the run, in a run on the screen as in a silent one: every
// damage is a fatal finding naming the file and the line.
TEST_F(RunFileChecksTest, EachDamageOfTheRaoTableIsRefusedByFileAndLine) {
    for (const Int unit : {SCREEN_UNIT, SILENT_UNIT}) {
        valid_case();
        user_raos();
        TPCM.EDUNIT = unit;
        testing::put_file("USERRAOS.txt", joined(kRaos.lines));
        EXPECT_TRUE(run_file_findings().empty()) << unit;
        for (const Damage& d : damages(kRaos)) {
            testing::put_file("USERRAOS.txt", d.text);
            EXPECT_EQ(fatal_findings(), (std::vector<RunInputFinding>{{kRaoHead, d.finding}})) << unit << ": " << d.what;
        }
    }
}

// The frequencies turn back or repeat in any block (the run keeps the last block's), the headings
// repeat at either end or inside; the headings and the frequencies may fall as well as rise; the
// size limits of the kept table.
TEST_F(RunFileChecksTest, RaoAbscissaeOfEveryBlockAndTheSizeLimits) {
    user_raos();
    const auto refused_at = [](const std::vector<std::string>& lines, const std::string& text) {
        testing::put_file("USERRAOS.txt", joined(lines));
        return fatal_findings() == std::vector<RunInputFinding>{{kRaoHead, text}};
    };
    // Three frequencies by two headings.
    const std::string row = " 1 0 0 0 1 0 0 0 0 0 0 0";
    const std::vector<std::string> three = {"3 2", "0", "0.5" + row, "1.0" + row, "1.5" + row,
                                            "90", "0.5" + row, "1.0" + row, "1.5" + row};
    testing::put_file("USERRAOS.txt", joined(three));
    EXPECT_TRUE(run_file_findings().empty());
    for (const std::size_t last : {4u, 8u}) {
        std::vector<std::string> lines = three;
        lines[last] = "0.7" + row;
        EXPECT_TRUE(refused_at(lines, "     has frequencies that turn back at line " + std::to_string(last + 1) + "."))
            << last;
    }
    // A heading or a frequency given twice is read as written, except at an end of the table (of
    // the kept block, for the frequencies), where the look-up, which extrapolates beyond both ends,
    // would fall into the interval of no width and divide by it: the finding names the line of the
    // second of the two.
    const auto with = [](std::vector<std::string> lines, std::size_t index, const std::string& text) {
        lines[index] = text;
        return lines;
    };
    const std::vector<std::string> frequencies_inside = {"4 2", "0", "0.5" + row, "1.0" + row, "1.0" + row,
                                                         "1.5" + row, "90", "0.5" + row, "1.0" + row, "1.0" + row,
                                                         "1.5" + row};
    // Four headings (lines 2, 5, 8 and 11) of two frequencies each.
    std::vector<std::string> four_headings = kRaos.lines;
    four_headings[0] = "2 4";
    for (const char* line : {"270", "0.5 0 -1 0 0 1 0 0 0 0 0 0 0", "1.5 0 -1 0 0 1 0 0 0 0 0 0 0"})
        four_headings.push_back(line);
    struct Repeat {
        const char* what;
        std::vector<std::string> lines;
        int line;  // the line named, 0 when the table is read
        const char* abscissae = "frequencies";
    };
    const Repeat repeats[] = {
        {"a frequency of an earlier block at its end", with(three, 4, "1.0" + row), 0},
        {"the last two frequencies of the kept block", with(with(three, 4, "1.0" + row), 8, "1.0" + row), 9},
        {"the first two frequencies of the kept block", with(three, 7, "0.5" + row), 8},
        {"two frequencies inside every block", frequencies_inside, 0},
        {"the first two headings", with(kRaos.lines, 4, "0"), 5, "headings"},
        {"the last two headings", with(kRaos.lines, 7, "90"), 8, "headings"},
        {"the two headings inside", with(four_headings, 7, "90"), 0, "headings"},
        {"the first two of four headings", with(four_headings, 4, "0"), 5, "headings"},
        {"the last two of four headings", with(four_headings, 10, "180"), 11, "headings"},
    };
    for (const Repeat& r : repeats) {
        if (r.line == 0) {
            testing::put_file("USERRAOS.txt", joined(r.lines));
            EXPECT_TRUE(run_file_findings().empty()) << r.what;
        } else {
            EXPECT_TRUE(refused_at(r.lines, "     has equal " + std::string(r.abscissae) + " at line " +
                                                std::to_string(r.line) +
                                                " at an end of the table: no interval to interpolate in."))
                << r.what;
        }
    }
    std::vector<std::string> falling = kRaos.lines;
    std::swap(falling[1], falling[7]);
    for (const std::size_t block : {1u, 4u, 7u}) std::swap(falling[block + 1], falling[block + 2]);
    testing::put_file("USERRAOS.txt", joined(falling));
    EXPECT_TRUE(run_file_findings().empty());
    // 121 frequencies and 145 headings are the most the table holds; one more is refused.
    const auto table = [](int frequencies, int headings) {
        std::string text = std::to_string(frequencies) + " " + std::to_string(headings) + "\n";
        for (int j = 0; j < headings; ++j) {
            text += std::to_string(j * 2.5) + "\n";
            for (int i = 1; i <= frequencies; ++i) text += std::to_string(0.05 * i) + " 1 0 0 0 1 0 0 0 0 0 0 0\n";
        }
        return text;
    };
    testing::put_file("USERRAOS.txt", table(121, 145));
    EXPECT_TRUE(run_file_findings().empty());
    testing::put_file("USERRAOS.txt", table(122, 2));
    EXPECT_EQ(fatal_findings(),
              (std::vector<RunInputFinding>{
                  {kRaoHead, "     gives a count of 122 at line 1; its table holds at most 121 frequencies."}}));
}

TEST_F(RunFileChecksTest, AMissingRaoTableWarnsOnTheScreenAndIsFatalInASilentRun) {
    user_raos();
    const std::string head = "The file \"USERRAOS.txt\" of the user-supplied vessel RAO data (page 3, item 13)";
    std::vector<RunFileFinding> found = run_file_findings();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_FALSE(found[0].fatal);
    EXPECT_EQ(found[0].lines, (RunInputFinding{" ++> Warning: " + head,
                                                "     is missing or cannot be read; the run will use unit RAOs."}));
    TPCM.EDUNIT = SILENT_UNIT;
    found = run_file_findings();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_TRUE(found[0].fatal);
    EXPECT_EQ(found[0].lines, (RunInputFinding{" ++> Fatal Warning: " + head,
                                                "     is missing or cannot be read; a silent run would stop on it."}));
    // A folder of the name is no table either; the file there, nothing.
    std::filesystem::create_directory("USERRAOS.txt");
    EXPECT_EQ(run_file_findings().size(), 1u);
    std::filesystem::remove("USERRAOS.txt");
    testing::put_file("USERRAOS.txt", joined(kRaos.lines));
    EXPECT_TRUE(run_file_findings().empty());
}

TEST_F(RunFileChecksTest, TheRaoTableIsLookedForOnlyWhereTheRunReadsIt) {
    user_raos();
    // No wave system on: no wave-frequency response is computed.
    TPCM.LRANDM = TPCM.LSWELL = 0;
    EXPECT_TRUE(run_file_findings().empty());
    // Waves on, but only wind and current tables asked for.
    TPCM.LRANDM = 1;
    TPCM.BRVFLG = bits({kBitWindCoefficients, kBitCurrentMeanForces, kBitWaveSpectrum});
    EXPECT_TRUE(run_file_findings().empty());
    // The hull's own RAOs.
    TPCM.AUXVSH = 0;
    TPCM.BRVFLG = 0x07FFFFFF;
    EXPECT_TRUE(run_file_findings().empty());
    // The swell alone reads it; the towing program's tug its own file.
    TPCM.AUXVSH = 1;
    TPCM.LRANDM = 0;
    TPCM.LSWELL = 1;
    TPCM.SIMTYP = 10;
    TPCM.ISPM = 2;
    const std::vector<RunFileFinding> found = run_file_findings();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_NE(found[0].lines.front().find("\"UTUGSRAO.txt\""), std::string::npos) << found[0].lines.front();
}

}  // namespace
}  // namespace brevant

// Whole-program runs of the wave report from the End of Session page: the report file is written,
// the page comes back, and the saved case is the one the session edited, word for word.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>

#include "e2e_support.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

TEST(WaveReportRun, KinematicsReportLeavesTheSavedCaseAsWithoutIt) {
    std::string plain;
    {
        testing::ScratchDir dir;
        const ProgramResult r = run_brevant("C\n4\n300\nJ11\n4\n10\nL\n1\n");
        ASSERT_EQ(r.status, 0) << r.err;
        plain = file_bytes("BREVDAT");
    }
    testing::ScratchDir dir;
    const ProgramResult r = run_brevant("C\n4\n300\nJ11\n4\n10\nL\n6\n1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT", "WAVEOUT.stxt"}));
    EXPECT_NE(r.out.find("\n >>> Outputting wave kinematics data...\n\n"), std::string::npos);
    const std::string report = file_bytes("WAVEOUT.stxt");
    EXPECT_EQ(count_of(report, "\n     5.00     127.93      14.07      25.59      12.79    0.491E-01     1.257\n"), 1u);
    EXPECT_EQ(count_of(report, "\n     8.00     327.49       5.50      40.94      20.47    0.192E-01      .785\n"), 1u);
    EXPECT_EQ(file_bytes("BREVDAT"), plain);
}

TEST(WaveReportRun, PiersonMoskowitzSwellReportKeepsTheTypedPeriod) {
    testing::ScratchDir dir;
    const ProgramResult r = run_brevant("C\n4\n300\nJ13\n1\n2\n2\n6\n12\n7\n14\nL\n6\n1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string report = file_bytes("WAVEOUT.stxt");
    EXPECT_EQ(count_of(report, "\n     Swell Spectral Type --  Pierson-Moskowitz            \n"), 2u);
    EXPECT_EQ(count_of(report, "\n          Swell period .........................      9.57 seconds         \n"), 2u);
    const WordFile f("BREVDAT");
    EXPECT_EQ(f.integer(190), 1);     // SWLTYP
    EXPECT_EQ(f.real(451), 12.0f);    // SWELHT
    EXPECT_EQ(f.real(452), 14.0f);    // SWELPD, as typed
}

TEST(WaveReportRun, SwellOutsideThePeriodsReturnsToTheEndOfSessionPage) {
    testing::ScratchDir dir;
    // A swell of 3 ft and 4 s on the default periods 5 to 19.5: the message, a pause, the page
    // again; "1" then saves as usual. The report could not be finished: none is left.
    const ProgramResult r = run_brevant("C\n4\n300\nJ13\n1\n6\n3\n7\n4\nL\n6\n\n1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\n ++> Swell outside wave period range\n\n"), std::string::npos);
    EXPECT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT"}));
    const WordFile f("BREVDAT");
    EXPECT_EQ(f.real(452), 4.0f);
    EXPECT_EQ(f.integer(174), 1);
}

// A report and the run's findings that item 6 must give for the sample ship's sea edited on the
// pages: the report written before from the sample as it was stays whole, no cut report takes its
// place and no temporary is left, the page comes back, and each finding is the one that a silent
// run of the same edits writes in "Diagnostics.stxt".
struct RefusedEdits {
    const char* edits;                  // answers from page 1 to the last page
    std::vector<std::string> findings;  // the first line of each finding item 6 gives, in order
};

void expect_refused_as_the_run_refuses(const RefusedEdits& c) {
    testing::ScratchDir dir;
    copy_sample();
    const ProgramResult first = run_brevant("M\nL\n6\n2\n");
    ASSERT_EQ(first.status, 0) << first.err;
    const std::string earlier = file_bytes("WAVEOUT.stxt");
    ASSERT_NE(earlier.find("Irregular Wave Group Spectral Values"), std::string::npos);

    const ProgramResult r = run_brevant(std::string("M\n") + c.edits + "L\n6\n\n2\n\n", 60);
    ASSERT_EQ(r.status, 0) << r.err;
    const auto item6 = r.out.rfind("Enter number of selection", r.out.find(c.findings.front()));
    ASSERT_NE(item6, std::string::npos) << r.out;
    const std::string shown = r.out.substr(item6, r.out.find("Press <RETURN>", item6) - item6);
    EXPECT_EQ(shown.find(" ++> JONSWAP integral"), std::string::npos) << shown;  // the report's own word
    EXPECT_NE(r.out.find("End of Session", item6), std::string::npos);
    EXPECT_EQ(file_bytes("WAVEOUT.stxt"), earlier);
    EXPECT_FALSE(std::filesystem::exists("WAVEOUT.stxt.brvtmp"));

    // The same edits run silently: the checks before the run give the same lines.
    testing::ScratchDir silent;
    copy_sample();
    run_brevant(std::string("M\n") + c.edits + "L\n4\n", 60);
    const std::string diagnostics = file_bytes("Diagnostics.stxt");
    std::size_t previous = 0;
    for (const std::string& head : c.findings) {
        SCOPED_TRACE(head);
        const std::string at_item6 = testing::finding_at(shown, head);
        ASSERT_FALSE(at_item6.empty()) << shown;
        EXPECT_EQ(at_item6, testing::finding_at(diagnostics, head)) << diagnostics;
        const auto here = shown.find(head);
        EXPECT_GT(here, previous);  // in the run's order
        previous = here;
    }
    // No other finding than these.
    EXPECT_EQ(count_of(shown, " ++>"), c.findings.size()) << shown;
}

// The sample ship's sea made a General JONSWAP with gamma 3.3 and its sigmas left at 0 wrote a
// report of NaN throughout; the run refuses sigma a, and so does item 6 now.
TEST(WaveReportRun, AGeneralJonswapSeaWithItsSigmasAtZeroIsRefusedAsTheRunRefusesIt) {
    expect_refused_as_the_run_refuses(
        {"J12\n2\n6\n8\n3.3\n", {" ++> Fatal Warning: JONSWAP sigma a shape parameter (page 12, item 9) is a value"}});
}

// With gamma left at 0 as well, item 6 said that the integral did not converge; the run says that
// gamma and sigma a are values the spectrum cannot compute with.
TEST(WaveReportRun, AGeneralJonswapSeaWithGammaAtZeroNamesGammaAndSigmaA) {
    expect_refused_as_the_run_refuses(
        {"J12\n2\n6\n",
         {" ++> Fatal Warning: JONSWAP gamma parameter (page 12, item 8) is a value",
          " ++> Fatal Warning: JONSWAP sigma a shape parameter (page 12, item 9) is a value"}});
}

// A shape whose normalising integral does not converge (a gamma far below a sea's, with the widths
// of a sea) is refused with the run's finding on the integral.
TEST(WaveReportRun, AGeneralJonswapSeaWhoseIntegralDoesNotConvergeIsRefusedAsTheRunRefusesIt) {
    expect_refused_as_the_run_refuses({"J12\n2\n6\n8\n.00001\n9\n.07\n10\n.09\n",
                                       {" ++> Fatal Warning: JONSWAP gamma parameter (page 12, item 8) and the sigmas"}});
}

// A regular wave height typed beyond what the run can compute with (the sample's regular wave is
// on every row of the kinematics) wrote a report of NaN and Infinity; item 6 gives the run's finding.
TEST(WaveReportRun, ARegularWaveHeightTheRunRefusesIsRefusedAsTheRunRefusesIt) {
    expect_refused_as_the_run_refuses(
        {"J11\n4\n3e38\n", {" ++> Fatal Warning: Regular wave height or slope (page 11, item 4) is too large to compute"}});
}

// A sea of the swell type whose bandwidth is typed 0 divides by it in its spectrum. Where no check
// before the run refuses it by name, item 6 computes the report, finds fields of NaN or Infinity in
// it and writes nothing: the earlier report stays whole, the screen gives the count and the page of
// the first, and the End of Session page comes back, where item 1 saves the edits.
TEST(WaveReportRun, AReportThatWouldHoldNaNIsNotWrittenAndTheSessionGoesOn) {
    testing::ScratchDir dir;
    copy_sample();
    ASSERT_EQ(run_brevant("M\nL\n6\n2\n").status, 0);
    const std::string earlier = file_bytes("WAVEOUT.stxt");
    // Page 12, item 2, choice 1: the swell-type spectrum; item 8: its bandwidth.
    const ProgramResult r = run_brevant("M\nJ12\n2\n1\n8\n0\nL\n6\n\n1\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto item6 = r.out.rfind("Enter number of selection", r.out.rfind("Press <RETURN> to continue"));
    ASSERT_NE(item6, std::string::npos) << r.out;
    const std::string shown = r.out.substr(item6);
    EXPECT_EQ(file_bytes("WAVEOUT.stxt"), earlier);
    EXPECT_FALSE(std::filesystem::exists("WAVEOUT.stxt.brvtmp"));
    EXPECT_NE(shown.find("****  Page 17: End of Session  ****"), std::string::npos) << shown;
    // Once the checks before the run refuse such a bandwidth, item 6 gives their finding instead.
    if (shown.find(" ++> Fatal Warning: ") == std::string::npos) {
        const std::regex guard(
            "\n \\+\\+> ([0-9]+) report fields are NaN or Infinity \\(the first in section Irregular Wave Spectral Values\\):\n"
            "     the case holds values the wave report cannot use; \"WAVEOUT\\.stxt\" is not written\\.\n \n Press <RETURN>");
        std::smatch found;
        ASSERT_TRUE(std::regex_search(shown, found, guard)) << shown;
        EXPECT_GT(std::stoll(found[1]), 0);
        EXPECT_NE(shown.find(" >>> Outputting wave kinematics data...\n"), std::string::npos) << shown;
    }
    const WordFile f("BREVDAT");
    EXPECT_EQ(f.integer(164), 0);    // WAVTYP
    EXPECT_EQ(f.real(488), 0.0f);    // WAVWID
}

// The same sea with widths that the run takes: the report is written, every number finite.
TEST(WaveReportRun, AGeneralJonswapSeaTheRunTakesIsReported) {
    testing::ScratchDir dir;
    copy_sample();
    const ProgramResult r = run_brevant("M\nJ12\n2\n6\n8\n3.3\n9\n.07\n10\n.09\nL\n6\n2\n\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.find("Fatal Warning"), std::string::npos) << r.out;
    const std::string report = file_bytes("WAVEOUT.stxt");
    EXPECT_EQ(count_of(report, "\n     Wave Spectral Type -- General JONSWAP"), 2u);
    EXPECT_EQ(testing::non_finite_words(report), 0);
}

// A sea of the user's spectrum file whose frequencies do not cover the periods asks whether to
// extrapolate. "A" there abandons the report and gives the End of Session page back with the edits
// (it used to end the program with them unsaved); Return extrapolates and writes the report.
TEST(WaveReportRun, AbortAtTheQuestionOfAUserSpectrumGivesThePageBackWithTheEdits) {
    struct Case {
        const char* answer;  // at the question
        bool written;        // the report is written
    };
    for (const Case& c : {Case{"A", false}, Case{"", true}}) {
        SCOPED_TRACE(c.answer);
        testing::ScratchDir dir;
        copy_sample();
        put_file("WAVSPEC.txt", "3\n0.5 1\n0.7 2\n0.9 1\n");
        // Page 12, item 2, choice 8: the sea of "WAVSPEC.txt"; then item 1 saves the edit.
        const ProgramResult r = run_brevant(std::string("M\nJ12\n2\n8\nL\n6\n") + c.answer + "\n1\n");
        ASSERT_EQ(r.status, 0) << r.err;
        const auto question = r.out.find(" ++> Warning: Frequency outside user-supplied wave spectrum");
        ASSERT_NE(question, std::string::npos) << r.out;
        EXPECT_NE(r.out.find("****  Page 17: End of Session  ****", question), std::string::npos);
        EXPECT_EQ(std::filesystem::exists("WAVEOUT.stxt"), c.written);
        EXPECT_FALSE(std::filesystem::exists("WAVEOUT.stxt.brvtmp"));
        if (c.written) {
            EXPECT_EQ(testing::non_finite_words(file_bytes("WAVEOUT.stxt")), 0);
        }
        EXPECT_EQ(WordFile("BREVDAT").integer(164), 7);  // the edit was kept and saved
    }
}

}  // namespace
}  // namespace brevant::e2e

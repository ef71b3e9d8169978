// The wave report of the End of Session page (item 6) against the checks before the run: every
// case whose depth, periods, regular wave, sea or swell the checks refuse, item 6 refuses with the
// same finding, writing no report and leaving an earlier one whole; every case they take, or refuse
// only for what the report does not use, gives the report, every number finite, or none at all
// where it would hold NaN or Infinity.
#include "edlib/wave_report_findings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "edlib/consistency_warnings.h"
#include "edlib/end_of_session.h"
#include "records/data_image.h"
#include "records/motion_record.h"
#include "records/wave_record.h"
#include "sysutl/program_end.h"
#include "sysutl/report_files.h"
#include "sysutl/units.h"
#include "veslib/user_wave_spectrum.h"
#include "pre_run_case.h"
#include "test_support.h"

namespace brevant {
namespace {

constexpr Real kNaN = std::numeric_limits<Real>::quiet_NaN();
constexpr Real kInf = std::numeric_limits<Real>::infinity();
constexpr const char* kEarlierReport = " an earlier, whole wave report\n";

std::string fatal(const std::string& rest) { return " ++> Fatal Warning: " + rest; }

// A metric ship on 100 m of water with the 30 periods 5 to 19.5 s, a mean JONSWAP sea of 3 m at
// 10 s and a Gaussian swell of 1 m at 12 s: a case the checks take. The general JONSWAP shapes,
// the Ochi-Hubble components and the custom table are those of a sea, for the rows that choose them.
void waves_the_checks_take() {
    testing::passing_ship();
    Tpcm& t = TPCM;
    t.EDUNIT = SCREEN_UNIT;
    t.PGYR = 37.5f;
    t.RGYR = 10.0f;
    t.YGYR = 37.5f;
    t.NWP = 30;
    for (int i = 1; i <= 100; ++i) t.T(i) = 5.0f + 0.5f * static_cast<float>(i - 1);
    t.LSLPHT = 0;
    t.SLPHT = 2.12f;
    t.LRANDM = 1;
    t.WAVTYP = 2;
    t.NPARM = 1;
    t.SWHT(1) = 3.0f;
    t.SIGPD(1) = 10.0f;
    t.SEAHDG(1) = 180.0f;
    t.WAVWID = 0.1f;
    t.JONGAM = 3.3f;
    t.JONPL = 0.07f;
    t.JONPG = 0.09f;
    t.N_OCHI_COMP = 2;
    t.SWHT(2) = 2.0f;
    t.SIGPD(2) = 8.0f;
    t.SWHT(3) = t.SWHT(4) = 1.0f;  // the slots a count raised to four takes
    t.SIGPD(3) = t.SIGPD(4) = 8.0f;
    for (int j = 1; j <= 4; ++j) t.OCHI_LAMBDA(j) = 1.0f;
    for (int i = 1; i <= 30; ++i) t.USRPSD(i) = 0.1f;
    t.LSWELL = 1;
    t.SWLTYP = 0;
    t.SWELHT = 1.0f;
    t.SWELPD = 12.0f;
    t.SWLHDG = 180.0f;
    t.SWLWID = 0.1f;
    t.JONGAM_SWL = 3.3f;
    t.JONPL_SWL = 0.07f;
    t.JONPG_SWL = 0.09f;
}

// A row: the case changed from the one the checks take, and the first line of each finding that
// item 6 gives, in order (none: the report is written). RUN_ONLY is a finding the run gives and
// the report must not, being about what the report does not use. OWN is the report's own refusal,
// which item 6 gives in place of the run's finding RUN_ONLY. GUARDED_PAGE is the page of the first
// field of NaN or Infinity of a report that the checks before the run may not refuse: item 6
// refuses it with their findings where they give any, else with its guard on such fields.
struct Row {
    const char* what;
    std::function<void(Tpcm&)> set;
    std::vector<std::string> heads = {};
    std::string run_only = {};
    std::string own = {};
    const char* guarded_page = nullptr;
};

class WaveReportFindings : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_end_of_session();
        reset_uwvspc();
        reset_wavcom();
        reset_himem();
        waves_the_checks_take();
    }
    void TearDown() override {
        reset_images();
        reset_wavcom();
        reset_himem();
        reset_uwvspc();
        reset_end_of_session();
        ConsoleTest::TearDown();
    }
    // Item 6 of the End of Session page, then item 2 on the page drawn again; the screen it wrote.
    // False when the program ended.
    bool item_6() {
        clear_captured(SCREEN_UNIT);
        answers("6\n\n2\n");
        Int LRETRN = 0, IPAG = 0, LCOPY = 0, EDUNIT = SCREEN_UNIT, UNTSAV = 0, WARNEM = 0, FWARN = 0;
        LBACK = 0;
        try {
            FINTOP("17", 16, LRETRN, "BREVIN.stxt ", "Brevedit    ", IPAG, LCOPY, EDUNIT, UNTSAV, LBACK, WARNEM, FWARN,
                   5, 0);
        } catch (const ProgramEnd&) {
            return false;
        }
        return true;
    }
    // The checks before the run on the same case, as they show their findings.
    std::string run_checks() {
        clear_captured(SCREEN_UNIT);
        answers("\n\n\n\n\n\n");
        Int WARNEM = 0, FWARN = 0;
        VESWRN(WARNEM, FWARN);
        return screen();
    }
    // The case of the row, in a folder with an earlier report and without a spectrum file.
    void prepare(const Row& row) {
        waves_the_checks_take();
        reset_uwvspc();
        std::filesystem::remove("WAVSPEC.txt");
        testing::put_file("WAVEOUT.stxt", kEarlierReport);
        row.set(TPCM);
    }
    // Item 6 gives the findings of the row, each as the checks before the run give it, writes
    // nothing, and gives the page back.
    void expect_refused(const Row& row) {
        ASSERT_TRUE(item_6()) << screen();
        const std::string page = screen();
        const std::string prompt = "Enter number of selection (\"H\" for help): ";
        const auto from = page.find(prompt);
        const auto to = page.find(" \n Press <RETURN> to continue: ", from);
        ASSERT_NE(to, std::string::npos) << page;
        const std::string shown = page.substr(from + prompt.size(), to - from - prompt.size());
        // The page comes back after the one pause, and takes its next answer.
        EXPECT_NE(page.find("End of Session", to), std::string::npos) << page;
        EXPECT_EQ(LBACK, 101);
        // Nothing written: the earlier report stays whole, no temporary, the unit closed.
        EXPECT_EQ(testing::file_bytes("WAVEOUT.stxt"), kEarlierReport);
        EXPECT_FALSE(std::filesystem::exists("WAVEOUT.stxt.brvtmp"));
        EXPECT_FALSE(unit_is_open(1));
        const std::string run = run_checks();
        if (!row.own.empty()) {
            // The report's own message alone, though the run refuses the case with its finding.
            EXPECT_NE(shown.find("\n" + row.own + "\n"), std::string::npos) << shown;
            EXPECT_EQ(testing::count_of(shown, "\n ++>"), 1u) << shown;
            EXPECT_NE(run.find("\n" + row.run_only), std::string::npos) << run;
            return;
        }
        std::vector<std::string> heads = row.heads;
        if (row.guarded_page != nullptr) {
            if (run.find(" ++> Fatal Warning") == std::string::npos) {
                // No check before the run refuses it: the report's guard does, on the page of its
                // first such field, after computing it.
                const auto at = shown.find(std::string(" report fields are NaN or Infinity (the first in section ") +
                                           row.guarded_page + "):\n     the case holds values the wave report "
                                                              "cannot use; \"WAVEOUT.stxt\" is not written.\n");
                EXPECT_NE(at, std::string::npos) << shown;
                EXPECT_EQ(testing::count_of(shown, "\n ++>"), 1u) << shown;
                return;
            }
            // Refused by the checks: item 6 gives each of their findings as they give it.
            std::istringstream lines(run);
            for (std::string line; std::getline(lines, line);)
                if (line.starts_with(" ++> Fatal Warning")) heads.push_back(line);
        }
        EXPECT_EQ(shown.find(">>> Outputting"), std::string::npos) << shown;

        std::size_t previous = 0;
        for (const std::string& head : heads) {
            SCOPED_TRACE(head);
            // The head is the start of the finding's first line: the whole finding as item 6 shows
            // it is the one the checks before the run show.
            const auto here = shown.find("\n" + head);
            ASSERT_NE(here, std::string::npos) << shown;
            const std::string first = shown.substr(here + 1, shown.find('\n', here + 1) - here - 1);
            const std::string block = testing::finding_at(shown, first);
            ASSERT_FALSE(block.empty());
            EXPECT_EQ(block, testing::finding_at(run, first)) << run;
            EXPECT_GE(here, previous);  // in the order of the checks
            previous = here + 1;
        }
        // No finding but these.
        EXPECT_EQ(testing::count_of(shown, "\n ++>"), heads.size()) << shown;
    }
    // Item 6 writes the report, every number of it finite; the checks before the run give no
    // finding but the row's own.
    void expect_written(const Row& row) {
        EXPECT_TRUE(wave_report_findings(TPCM).empty());
        ASSERT_TRUE(item_6()) << screen();
        EXPECT_EQ(screen().find(" ++>"), std::string::npos) << screen();
        const std::string report = testing::file_bytes("WAVEOUT.stxt");
        EXPECT_NE(report.find("REGULAR WAVE KINEMATICS SUMMARY"), std::string::npos);
        EXPECT_EQ(report.find("Irregular Wave Group Spectral Values") != std::string::npos,
                  TPCM.LRANDM != 0 || TPCM.LSWELL != 0);
        EXPECT_EQ(testing::non_finite_words(report), 0);
        const std::string run = run_checks();
        if (!row.run_only.empty()) {
            EXPECT_NE(run.find("\n" + row.run_only), std::string::npos) << run;
        } else {
            EXPECT_EQ(run.find("Fatal Warning"), std::string::npos) << run;
        }
    }
    Int LBACK = 0;
    testing::ScratchDir dir;
};

std::string not_finite(const std::string& name, int page, int item) {
    return fatal(name + " (page " + std::to_string(page) + ", item " + std::to_string(item) +
                 ") is not a finite number.");
}
std::string cannot(const std::string& name, int page, int item) {
    return fatal(name + " (page " + std::to_string(page) + ", item " + std::to_string(item) + ") is a value");
}

const std::string kSpecification = fatal("Irregular wave specification problem. Check for:");
const std::string kPeriodTable = fatal("Wave period array problem. Check for:");
const std::string kDraftDepth = fatal("A vessel draft exceeds water depth.");
const char* const kSpectraPage = "Irregular Wave Spectral Values";

void jonswap_sea(Tpcm& t, Int type, Real gamma, Real below, Real above) {
    t.WAVTYP = type;
    t.JONGAM = gamma;
    t.JONPL = below;
    t.JONPG = above;
}
void jonswap_swell(Tpcm& t, Int type, Real gamma, Real below, Real above) {
    t.SWLTYP = type;
    t.JONGAM_SWL = gamma;
    t.JONPL_SWL = below;
    t.JONPG_SWL = above;
}

// Every refusal by the checks before the run of the words the report computes from: the sea's and
// the swell's switches and types, the heights and peak periods, the period table as the spectra take
// it, each real of their pages that is no finite number or beyond its bound, the custom table, the
// Ochi-Hubble count and lambdas, the JONSWAP shapes of each (gamma, either width, the integral), the
// spectrum file; the periods, the regular wave and the depth, which every row of the kinematics
// takes. Then the report's own refusals, and reports of NaN that the checks may not foresee.
const std::vector<Row>& refused_rows() {
    static const std::vector<Row> rows = {
        // Switches and types.
        {"sea switch 2", [](Tpcm& t) { t.LRANDM = 2; }, {fatal("Irregular waves switch (page 12, item 1) is 2;")}},
        {"sea type 11", [](Tpcm& t) { t.WAVTYP = 11; }, {fatal("Wave type (page 12, item 2) is 11;")}},
        {"swell switch -1", [](Tpcm& t) { t.LSWELL = -1; }, {fatal("Swell switch (page 13, item 1) is -1;")}},
        {"swell Ochi-Hubble", [](Tpcm& t) { t.SWLTYP = 9; }, {fatal("Swell type (page 13, item 2) is 9;")}},
        {"swell type -1", [](Tpcm& t) { t.SWLTYP = -1; }, {fatal("Swell type (page 13, item 2) is -1;")}},
        // Heights and peak periods.
        {"sea height 0", [](Tpcm& t) { t.SWHT(1) = 0.0f; }, {kSpecification}},
        {"Pierson-Moskowitz height 0", [](Tpcm& t) { t.WAVTYP = 1; t.SWHT(1) = 0.0f; }, {kSpecification}},
        {"sea peak period -1", [](Tpcm& t) { t.SIGPD(1) = -1.0f; }, {kSpecification}},
        {"swell height 0", [](Tpcm& t) { t.SWELHT = 0.0f; }, {kSpecification}},
        {"swell period 0", [](Tpcm& t) { t.SWELPD = 0.0f; }, {kSpecification}},
        {"sea peak period too short", [](Tpcm& t) { t.SIGPD(1) = 1.0e-4f; },
         {fatal("Peak period (page 12, item 7) is too short to compute")}},
        // The period table as the spectra take it.
        {"unequal periods", [](Tpcm& t) { t.T(30) = 25.0f; }, {kPeriodTable}},
        {"unequal periods, swell alone", [](Tpcm& t) { t.LRANDM = 0; t.T(2) = 5.25f; }, {kPeriodTable}},
        {"150 periods", [](Tpcm& t) { t.NWP = 150; }, {kPeriodTable}},
        // Reals of the sea's page.
        {"sea height NaN", [](Tpcm& t) { t.SWHT(1) = kNaN; },
         {kSpecification, not_finite("Significant wave height", 12, 6)}},
        {"sea height beyond 1000 m", [](Tpcm& t) { t.SWHT(1) = 1.0e6f; },
         {fatal("Significant wave height (page 12, item 6) is too large to compute")}},
        {"sea heading NaN", [](Tpcm& t) { t.SEAHDG(1) = kNaN; }, {not_finite("Direction of irregular seas", 12, 4)}},
        {"sea peak period infinite", [](Tpcm& t) { t.SIGPD(1) = kInf; }, {not_finite("Peak period", 12, 7)}},
        {"sea bandwidth NaN", [](Tpcm& t) { t.WAVTYP = 0; t.WAVWID = kNaN; },
         {not_finite("Spectral bandwidth parameter", 12, 8)}},
        {"spreading power infinite", [](Tpcm& t) { t.LSPRED = 1; t.COSEXP = kInf; },
         {not_finite("Power of cosine in spreading factor", 12, 21)}},
        {"sea sigma b NaN", [](Tpcm& t) { jonswap_sea(t, 5, 3.3f, 0.07f, kNaN); },
         {not_finite("JONSWAP sigma b shape parameter", 12, 10)}},
        {"Ochi-Hubble lambda NaN", [](Tpcm& t) { t.WAVTYP = 9; t.OCHI_LAMBDA(2) = kNaN; },
         {not_finite("Component lambda values", 12, 8)}},
        {"sea custom table NaN", [](Tpcm& t) { t.WAVTYP = 8; t.USRPSD(5) = kNaN; },
         {not_finite("Custom spectrum table", 12, 2)}},
        // Reals of the swell's page.
        {"swell height NaN", [](Tpcm& t) { t.SWELHT = kNaN; },
         {kSpecification, not_finite("Significant swell height", 13, 6)}},
        {"swell height beyond 1000 m", [](Tpcm& t) { t.SWELHT = 1.0e6f; },
         {fatal("Significant swell height (page 13, item 6) is too large to compute")}},
        {"swell direction infinite", [](Tpcm& t) { t.SWLHDG = -kInf; }, {not_finite("Swell direction", 13, 4)}},
        {"swell period NaN", [](Tpcm& t) { t.SWELPD = kNaN; }, {kSpecification, not_finite("Swell period", 13, 7)}},
        {"swell bandwidth NaN", [](Tpcm& t) { t.SWLWID = kNaN; },
         {not_finite("Swell spectral bandwidth parameter", 13, 8)}},
        {"swell gamma NaN", [](Tpcm& t) { jonswap_swell(t, 10, kNaN, 0.07f, 0.09f); },
         {not_finite("Swell JONSWAP gamma parameter", 13, 8)}},
        {"swell custom table NaN", [](Tpcm& t) { t.SWLTYP = 8; t.USRPSD(5) = kNaN; },
         {not_finite("Custom spectrum table", 13, 2)}},
        // The custom table's variance.
        {"sea custom table negative", [](Tpcm& t) { t.WAVTYP = 8; for (int i = 1; i <= 30; ++i) t.USRPSD(i) = -0.1f; },
         {fatal("Custom spectrum table (page 12, item 2) integrates to a negative")}},
        {"sea custom table too high", [](Tpcm& t) { t.WAVTYP = 8; for (int i = 1; i <= 30; ++i) t.USRPSD(i) = 1.0e12f; },
         {fatal("Custom spectrum table (page 12, item 2) gives a significant height too large")}},
        {"swell custom table negative", [](Tpcm& t) { t.SWLTYP = 8; for (int i = 1; i <= 30; ++i) t.USRPSD(i) = -0.1f; },
         {fatal("Custom spectrum table (page 13, item 2) integrates to a negative")}},
        // The Ochi-Hubble sea.
        {"Ochi-Hubble count 0", [](Tpcm& t) { t.WAVTYP = 9; t.N_OCHI_COMP = 0; },
         {fatal("Number of Ochi-Hubble wave components (page 12, item 5) is 0;")}},
        {"Ochi-Hubble count 5", [](Tpcm& t) { t.WAVTYP = 9; t.N_OCHI_COMP = 5; },
         {fatal("Number of Ochi-Hubble wave components (page 12, item 5) is 5;")}},
        {"Ochi-Hubble lambda 0", [](Tpcm& t) { t.WAVTYP = 9; t.OCHI_LAMBDA(2) = 0.0f; },
         {fatal("Component lambda values (page 12, item 8) hold a lambda of component 2")}},
        {"Ochi-Hubble lambda 40", [](Tpcm& t) { t.WAVTYP = 9; t.OCHI_LAMBDA(2) = 40.0f; },
         {fatal("Component lambda values (page 12, item 8) hold a lambda of component 2")}},
        // The JONSWAP shapes of the sea (general and TMA) and of the swell.
        {"sea gamma 0", [](Tpcm& t) { jonswap_sea(t, 5, 0.0f, 0.07f, 0.09f); },
         {cannot("JONSWAP gamma parameter", 12, 8)}},
        {"TMA sea gamma -1", [](Tpcm& t) { jonswap_sea(t, 10, -1.0f, 0.07f, 0.09f); },
         {cannot("JONSWAP gamma parameter", 12, 8)}},
        {"sea sigma a 0, the peak on the list", [](Tpcm& t) { jonswap_sea(t, 5, 3.3f, 0.0f, 0.0f); },
         {cannot("JONSWAP sigma a shape parameter", 12, 9)}},
        {"sea gamma and sigma a 0", [](Tpcm& t) { jonswap_sea(t, 5, 0.0f, 0.0f, 0.0f); },
         {cannot("JONSWAP gamma parameter", 12, 8), cannot("JONSWAP sigma a shape parameter", 12, 9)}},
        {"sea sigma a 1e20", [](Tpcm& t) { jonswap_sea(t, 5, 3.3f, 1.0e20f, 0.09f); },
         {cannot("JONSWAP sigma a shape parameter", 12, 9)}},
        {"sea sigma b 1e20", [](Tpcm& t) { jonswap_sea(t, 5, 3.3f, 0.07f, 1.0e20f); },
         {cannot("JONSWAP sigma b shape parameter", 12, 10)}},
        {"sea integral", [](Tpcm& t) { jonswap_sea(t, 5, 1.0e-5f, 0.07f, 0.09f); },
         {fatal("JONSWAP gamma parameter (page 12, item 8) and the sigmas")}},
        {"swell gamma 0", [](Tpcm& t) { jonswap_swell(t, 5, 0.0f, 0.07f, 0.09f); },
         {cannot("Swell JONSWAP gamma parameter", 13, 8)}},
        {"swell sigma a 0, the peak on the list", [](Tpcm& t) { jonswap_swell(t, 10, 3.3f, 0.0f, 0.09f); },
         {cannot("Swell JONSWAP sigma a shape parameter", 13, 9)}},
        {"swell sigma b 1e20", [](Tpcm& t) { jonswap_swell(t, 5, 3.3f, 0.07f, 1.0e20f); },
         {cannot("Swell JONSWAP sigma b shape parameter", 13, 10)}},
        {"TMA swell integral", [](Tpcm& t) { jonswap_swell(t, 10, 1.0e-5f, 0.07f, 0.09f); },
         {fatal("Swell JONSWAP gamma parameter (page 13, item 8) and the sigmas")}},
        {"sea and swell both refused", [](Tpcm& t) {
             jonswap_sea(t, 5, 0.0f, 0.07f, 0.09f);
             jonswap_swell(t, 5, 3.3f, 0.0f, 0.09f);
         },
         {cannot("JONSWAP gamma parameter", 12, 8), cannot("Swell JONSWAP sigma a shape parameter", 13, 9)}},
        // The spectrum file, where the sea or the swell reads it.
        {"sea file missing", [](Tpcm& t) { t.WAVTYP = 7; },
         {fatal("The file \"WAVSPEC.txt\" of the wave type (page 12, item 2)")}},
        {"swell file missing", [](Tpcm& t) { t.SWLTYP = 7; },
         {fatal("The file \"WAVSPEC.txt\" of the swell type (page 13, item 2)")}},
        {"sea file cut short", [](Tpcm& t) { t.WAVTYP = 7; testing::put_file("WAVSPEC.txt", "3\n0.01 1.0\n3.0 1.0\n"); },
         {fatal("The file \"WAVSPEC.txt\" of the wave type (page 12, item 2)")}},
        // Every period becomes a wave number on the first page of the report, sea or no sea.
        {"a period without a wave number", [](Tpcm& t) { t.LRANDM = 0; t.LSWELL = 0; t.T(1) = 1.0e-20f; },
         {fatal("Table of wave periods (page 11, item 2) holds a period too short to compute")}},
        {"a period infinite, no sea or swell", [](Tpcm& t) { t.LRANDM = 0; t.LSWELL = 0; t.T(30) = kInf; },
         {not_finite("Table of wave periods", 11, 2)}},
        {"a period infinite", [](Tpcm& t) { t.T(30) = kInf; }, {kPeriodTable, not_finite("Table of wave periods", 11, 2)}},
        // The regular wave's height or slope, which every row of the kinematics takes, sea or no sea.
        {"regular wave height NaN", [](Tpcm& t) { t.SLPHT = kNaN; }, {not_finite("Regular wave height or slope", 11, 4)}},
        {"regular wave height infinite, no sea or swell", [](Tpcm& t) { t.LRANDM = 0; t.LSWELL = 0; t.SLPHT = kInf; },
         {not_finite("Regular wave height or slope", 11, 4)}},
        {"regular wave height -Infinity", [](Tpcm& t) { t.SLPHT = -kInf; },
         {not_finite("Regular wave height or slope", 11, 4)}},
        {"regular wave height 3e38", [](Tpcm& t) { t.SLPHT = 3.0e38f; },
         {fatal("Regular wave height or slope (page 11, item 4) is too large to compute")}},
        {"regular wave slope NaN", [](Tpcm& t) { t.LSLPHT = 1; t.SLPHT = kNaN; },
         {not_finite("Regular wave height or slope", 11, 4)}},
        // The water depth, at which every wave number is computed.
        {"water depth 1.4e-45, below the draft", [](Tpcm& t) { t.DEPTH = 1.4e-45f; }, {kDraftDepth}},
        {"water depth infinite", [](Tpcm& t) { t.DEPTH = kInf; }, {not_finite("Water depth", 1, 4)}},
        // The report's own refusals come first, in its own words.
        {.what = "one period, the sea on", .set = [](Tpcm& t) { t.NWP = 1; }, .run_only = kPeriodTable,
         .own = " ++> At least two wave periods are needed for the wave spectra"},
        {.what = "one period, the swell alone on", .set = [](Tpcm& t) { t.LRANDM = 0; t.NWP = 1; },
         .run_only = kPeriodTable, .own = " ++> At least two wave periods are needed for the wave spectra"},
        {.what = "water depth 0", .set = [](Tpcm& t) { t.DEPTH = 0.0f; },
         .run_only = fatal("The water depth is nonpositive."),
         .own = " ++> Water depth must be positive for the wave report"},
        {.what = "a period 0", .set = [](Tpcm& t) { t.T(5) = 0.0f; }, .run_only = kPeriodTable,
         .own = " ++> Wave periods must be positive for the wave report"},
        // Spectra that divide by a bandwidth or a peak period of 0, or whose densities leave single
        // precision, and a depth a negative draft lets through: refused with the run's findings
        // where the checks see them, and by the report's guard on NaN and Infinity where not.
        {.what = "sea of the swell type, bandwidth 0", .set = [](Tpcm& t) { t.WAVTYP = 0; t.WAVWID = 0.0f; },
         .guarded_page = kSpectraPage},
        {.what = "swell of its type, bandwidth 0", .set = [](Tpcm& t) { t.SWLWID = 0.0f; }, .guarded_page = kSpectraPage},
        {.what = "Ochi-Hubble sea whose second peak period is 0",
         .set = [](Tpcm& t) { t.WAVTYP = 9; t.SIGPD(2) = 0.0f; }, .guarded_page = kSpectraPage},
        {.what = "spectrum file with a density of 1e38",
         .set = [](Tpcm& t) { t.WAVTYP = 7; testing::put_file("WAVSPEC.txt", "3\n0.1 0\n1.0 1e38\n3.0 0\n"); },
         .guarded_page = kSpectraPage},
        {.what = "spectrum file with a density of -1",
         .set = [](Tpcm& t) { t.WAVTYP = 7; testing::put_file("WAVSPEC.txt", "3\n0.1 0\n1.0 -1\n3.0 0\n"); },
         .guarded_page = kSpectraPage},
        {.what = "water depth 1.4e-45 above a negative draft",
         .set = [](Tpcm& t) { t.DRAFT = -1.0f; t.DEPTH = 1.4e-45f; }, .guarded_page = "Wave Properties"},
    };
    return rows;
}

TEST_F(WaveReportFindings, ItemSixRefusesEverySeaAndSwellTheRunRefusesWithTheSameFinding) {
    for (const Row& row : refused_rows()) {
        SCOPED_TRACE(row.what);
        prepare(row);
        expect_refused(row);
    }
}

// Cases the checks take, and cases they refuse only for what the report does not use (a sea or
// swell that is off, the second swell, the wind, a period list the kinematics alone take): the
// report is written, every number of it finite.
TEST_F(WaveReportFindings, ItemSixWritesTheReportOfEverySeaAndSwellTheRunTakes) {
    const std::vector<Row> rows = {
        {"sea and swell", [](Tpcm&) {}, {}},
        {"general JONSWAP sea and TMA swell", [](Tpcm& t) {
             jonswap_sea(t, 5, 3.3f, 0.07f, 0.09f);
             jonswap_swell(t, 10, 2.0f, 0.08f, 0.1f);
         },
         {}},
        {"sea sigma a 0, the peak off the list", [](Tpcm& t) { jonswap_sea(t, 5, 3.3f, 0.0f, 0.09f); t.SIGPD(1) = 10.2f; },
         {}},
        {"Ochi-Hubble sea", [](Tpcm& t) { t.WAVTYP = 9; }, {}},
        {"spectrum file", [](Tpcm& t) { t.WAVTYP = 7; testing::put_file("WAVSPEC.txt", testing::kValidSpectrumFile); }, {}},
        {"sea off, its height NaN", [](Tpcm& t) { t.LRANDM = 0; t.SWHT(1) = kNaN; }, {},
         not_finite("Significant wave height", 12, 6)},
        {"sea off, its heading NaN", [](Tpcm& t) { t.LRANDM = 0; t.SEAHDG(1) = kNaN; }, {},
         not_finite("Direction of irregular seas", 12, 4)},
        {"swell off, its gamma 0", [](Tpcm& t) { t.LSWELL = 0; jonswap_swell(t, 5, 0.0f, 0.07f, 0.09f); }, {}},
        {"custom table NaN, no sea or swell of its type", [](Tpcm& t) { t.USRPSD(3) = kNaN; }, {},
         not_finite("Custom spectrum table", 12, 2)},
        {"second swell gamma 0", [](Tpcm& t) {
             t.LSWEL2 = 1;
             t.SWLTYP2 = 5;
             t.SWELHT2 = 1.0f;
             t.SWELPD2 = 8.0f;
             t.JONPL_SWL2 = 0.07f;
             t.JONPG_SWL2 = 0.09f;
         },
         {}, cannot("Second swell JONSWAP gamma parameter", 13, 28)},
        {"wind speed NaN", [](Tpcm& t) { t.WNDSPD = kNaN; }, {}, not_finite("Wind speed", 9, 1)},
        {"second swell of height 0", [](Tpcm& t) {
             t.LSWEL2 = 1;
             t.SWLTYP2 = 0;
             t.SWELHT2 = 0.0f;
             t.SWELPD2 = 8.0f;
             t.SWLWID2 = 0.1f;
         },
         {}, kSpecification},
        {"one period, no sea or swell", [](Tpcm& t) { t.LRANDM = 0; t.LSWELL = 0; t.NWP = 1; }, {}, kPeriodTable},
        {"150 periods, no sea or swell", [](Tpcm& t) { t.LRANDM = 0; t.LSWELL = 0; t.NWP = 150; }, {}, kPeriodTable},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        prepare(row);
        expect_written(row);
    }
}

}  // namespace
}  // namespace brevant

// The pre-run checks of the spectrum parameters whose formula needs a sign or a size: each refused
// by page and item where the run computes that spectrum and cannot with it; where it can, or does
// not use it, nothing. The JONSWAP normalising integral is judged by the run's own integration.
#include "edlib/spectrum_parameter_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "edlib/run_input_checks.h"
#include "lowlib/waves_in_current.h"
#include "numeric/wave_number.h"
#include "records/data_image.h"
#include "records/wave_record.h"
#include "sysutl/two_pi.h"
#include "veslib/wave_environment.h"
#include "veslib/wave_spectra.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"
#include "pre_run_case.h"
#include "test_support.h"

namespace brevant {
namespace {

using testing::passing_ship;

std::vector<std::string> heads() { return testing::first_lines(run_input_findings()); }

std::string head(const std::string& name, int page, int item, const std::string& rest) {
    return " ++> Fatal Warning: " + name + " (page " + std::to_string(page) + ", item " + std::to_string(item) + ")" +
           rest;
}

// The finding of a JONSWAP shape whose normalising integral does not converge, its two lines.
RunInputFinding no_integral(const std::string& gamma_name, int page, int item) {
    return {head(gamma_name, page, item, " and the sigmas"),
            "     (items " + std::to_string(item + 1) + " and " + std::to_string(item + 2) +
                ") give a JONSWAP spectrum whose integral does not converge."};
}

// A sea of TYPE with periods 9, 10 and 11 s and its peak at 10, the JONSWAP shape of the mean sea.
void sea(Int type) {
    TPCM.LRANDM = 1;
    TPCM.WAVTYP = type;
    TPCM.NWP = 3;
    for (int i = 1; i <= 3; ++i) TPCM.T(i) = 8.0f + static_cast<float>(i);
    TPCM.SIGPD(1) = 10.0f;
    TPCM.JONGAM = 3.3f;
    TPCM.JONPL = 0.07f;
    TPCM.JONPG = 0.09f;
}

// An Ochi-Hubble sea of two components, the second of lambda L2; the two slots beyond the count
// hold components of their own (a count raised to four takes them).
void ochi(Real l2) {
    sea(9);
    TPCM.N_OCHI_COMP = 2;
    TPCM.SWHT(1) = 3.0f;
    TPCM.SWHT(2) = 2.0f;
    TPCM.SIGPD(2) = 6.0f;
    TPCM.SWHT(3) = TPCM.SWHT(4) = 1.0f;
    TPCM.SIGPD(3) = TPCM.SIGPD(4) = 8.0f;
    TPCM.OCHI_LAMBDA(1) = 2.0f;
    TPCM.OCHI_LAMBDA(2) = l2;
}

class SpectrumParameterChecksTest : public testing::ConsoleTest {
protected:
    void SetUp() override {
        testing::ConsoleTest::SetUp();
        passing_ship();
    }
    void TearDown() override {
        reset_images();
        testing::ConsoleTest::TearDown();
    }
};

// The two ends of the range of gammas about a sea's that the integration converges with (the
// widths 0.07 and 0.09): each the float next to one it does not converge with. Beyond them the
// integration converges again here and there, which only the integration itself can tell.
constexpr Real kLeastGamma = 3.12540651e-05f;
constexpr Real kGreatestGamma = 2914.69824f;

TEST_F(SpectrumParameterChecksTest, ValuesTheFormulaCannotComputeWith) {
    const std::string api = head("A.P.I. wind spectrum parameter", 9, 3, " is not positive:");
    const std::string lambda = head("Component lambda values", 12, 8, " hold a lambda of component 2");
    const auto jonswap = [&](const std::string& name, int page, int item) { return head(name, page, item, " is a value"); };
    const std::string gamma = jonswap("JONSWAP gamma parameter", 12, 8);
    const std::string below = jonswap("JONSWAP sigma a shape parameter", 12, 9);
    const std::string above = jonswap("JONSWAP sigma b shape parameter", 12, 10);
    const std::string integral = no_integral("JONSWAP gamma parameter", 12, 8).front();
    const auto components = [](const std::string& count) {
        return head("Number of Ochi-Hubble wave components", 12, 5, " is " + count + ";");
    };
    // Wind with its speed spectrum reported.
    const auto api_wind = [](Real p) {
        TPCM.LWIND = 1;
        TPCM.BRVFLG = 1 << 15;  // the wind speed spectrum
        TPCM.WNDTYP = 4;
        TPCM.APIPRM = p;
    };
    const auto gamma_of = [](Int type, Real g) {
        sea(type);
        TPCM.JONGAM = g;
    };
    struct Case {
        const char* what;
        std::function<void()> set;
        std::vector<std::string> findings;
    };
    const std::vector<Case> cases = {
        {"API 0", [&] { api_wind(0.0f); }, {api}},
        {"API below 0", [&] { api_wind(-1.0f); }, {api}},
        {"API tiny", [&] { api_wind(1.0e-30f); }, {}},
        {"API 0, wind off", [&] { api_wind(0.0f); TPCM.LWIND = 0; }, {}},
        {"API 0, no speed spectrum", [&] { api_wind(0.0f); TPCM.BRVFLG = 0; }, {}},
        {"API 0, Davenport", [&] { api_wind(0.0f); TPCM.WNDTYP = 1; }, {}},
        // Every lambda at or below 0 makes no sea; above 0, the gamma function must have a value.
        {"lambda 0 (a new case)", [&] { ochi(0.0f); }, {lambda}},
        {"lambda -0", [&] { ochi(-0.0f); }, {lambda}},
        {"lambda -1e-30", [&] { ochi(-1.0e-30f); }, {lambda}},
        {"lambda -0.1, a negative gamma function", [&] { ochi(-0.1f); }, {lambda}},
        {"lambda -0.2499", [&] { ochi(-0.2499f); }, {lambda}},
        {"lambda -0.25", [&] { ochi(-0.25f); }, {lambda}},
        {"lambda -1, a pole", [&] { ochi(-1.0f); }, {lambda}},
        {"lambda -1.5", [&] { ochi(-1.5f); }, {lambda}},
        {"lambda at the gamma function's pole tolerance", [&] { ochi(1.0e-6f); }, {lambda}},
        {"lambda just above it", [&] { ochi(2.0e-6f); }, {}},
        {"lambda 0.5", [&] { ochi(0.5f); }, {}},
        {"lambda 34.5", [&] { ochi(34.5f); }, {}},
        {"lambda 34.6, beyond the gamma function", [&] { ochi(34.6f); }, {lambda}},
        // Only the components of the count, only where the sea is an Ochi-Hubble sea.
        {"lambda 0 beyond the count", [&] { ochi(2.0f); TPCM.OCHI_LAMBDA(3) = 0.0f; }, {}},
        {"lambda 0 in the last of four components",
         [&] {
             ochi(2.0f);
             TPCM.N_OCHI_COMP = 4;
             TPCM.OCHI_LAMBDA(3) = 1.0f;
             TPCM.OCHI_LAMBDA(4) = 0.0f;
         },
         {head("Component lambda values", 12, 8, " hold a lambda of component 4")}},
        {"lambda 0, the sea off", [&] { ochi(0.0f); TPCM.LRANDM = 0; }, {}},
        // The count of components: 1 to 4 as the page writes them; any other, where the sea is an
        // Ochi-Hubble sea, is refused (and the lambdas of the table checked as far as it holds).
        {"1 component", [&] { ochi(2.0f); TPCM.N_OCHI_COMP = 1; }, {}},
        {"4 components", [&] { ochi(2.0f); TPCM.N_OCHI_COMP = 4; TPCM.OCHI_LAMBDA(3) = TPCM.OCHI_LAMBDA(4) = 1.0f; },
         {}},
        {"5 components", [&] { ochi(2.0f); TPCM.N_OCHI_COMP = 5; TPCM.OCHI_LAMBDA(3) = TPCM.OCHI_LAMBDA(4) = 1.0f; },
         {components("5")}},
        {"5 components, a lambda of 0 among the four",
         [&] {
             ochi(2.0f);
             TPCM.N_OCHI_COMP = 5;
             TPCM.OCHI_LAMBDA(3) = 0.0f;
             TPCM.OCHI_LAMBDA(4) = 1.0f;
         },
         {components("5"), head("Component lambda values", 12, 8, " hold a lambda of component 3")}},
        {"2147483647 components",
         [&] { ochi(2.0f); TPCM.N_OCHI_COMP = 2147483647; TPCM.OCHI_LAMBDA(3) = TPCM.OCHI_LAMBDA(4) = 1.0f; },
         {components("2147483647")}},
        {"0 components", [&] { ochi(2.0f); TPCM.N_OCHI_COMP = 0; }, {components("0")}},
        {"-1 components", [&] { ochi(2.0f); TPCM.N_OCHI_COMP = -1; }, {components("-1")}},
        {"the least integer of components", [&] { ochi(2.0f); TPCM.N_OCHI_COMP = -2147483647 - 1; },
         {components("-2147483648")}},
        {"5 components, the sea off", [&] { ochi(2.0f); TPCM.N_OCHI_COMP = 5; TPCM.LRANDM = 0; }, {}},
        {"-1 components, a sea of another type", [&] { ochi(2.0f); TPCM.N_OCHI_COMP = -1; TPCM.WAVTYP = 1; }, {}},
        {"lambda -0.1, a sea of another type", [&] { ochi(-0.1f); TPCM.WAVTYP = 5; }, {}},
        {"JONSWAP as given", [&] { sea(5); }, {}},
        {"gamma 0", [&] { sea(5); TPCM.JONGAM = 0.0f; }, {gamma}},
        {"gamma below 0", [&] { sea(10); TPCM.JONGAM = -1.0f; }, {gamma}},
        {"gamma 0, Mean JONSWAP", [&] { sea(2); TPCM.JONGAM = 0.0f; }, {}},
        // Gammas the integration does not converge with: it would ask whether to abort (again and
        // again) or stop on its round-off message.
        {"gamma 1e-5", [&] { gamma_of(5, 1.0e-5f); }, {integral}},
        {"gamma 1e-5, TMA", [&] { gamma_of(10, 1.0e-5f); }, {integral}},
        {"gamma 1e-38", [&] { gamma_of(5, 1.0e-38f); }, {integral}},
        {"gamma denormal", [&] { gamma_of(10, 1.0e-40f); }, {integral}},
        {"gamma of the least denormal", [&] { gamma_of(5, std::numeric_limits<Real>::denorm_min()); }, {integral}},
        {"gamma 5000", [&] { gamma_of(5, 5000.0f); }, {integral}},
        {"gamma the largest float", [&] { gamma_of(5, std::numeric_limits<Real>::max()); }, {integral}},
        {"gamma just below the least that converges", [&] { gamma_of(5, std::nextafter(kLeastGamma, 0.0f)); },
         {integral}},
        {"gamma just above the greatest that converges",
         [&] { gamma_of(5, std::nextafter(kGreatestGamma, 1.0e4f)); }, {integral}},
        {"sigma a 100", [&] { sea(5); TPCM.JONPL = 100.0f; }, {integral}},
        // Widths with which the integration went deeper at every pass and never ended: stopped at
        // its bound of stages.
        {"sigma a 993.425781", [&] { sea(5); TPCM.JONPL = 993.425781f; }, {integral}},
        {"sigma a 2000, TMA", [&] { sea(10); TPCM.JONPL = 2000.0f; }, {integral}},
        // With gamma 1 there is nothing to integrate: every width passes.
        {"sigma a 1000, gamma 1", [&] { gamma_of(5, 1.0f); TPCM.JONPL = 1000.0f; }, {}},
        {"sigma a 2000, gamma 1", [&] { gamma_of(10, 1.0f); TPCM.JONPL = 2000.0f; }, {}},
        {"sigma a 100, gamma 1", [&] { gamma_of(5, 1.0f); TPCM.JONPL = 100.0f; }, {}},
        {"sigma a 5000, the lower limit 1", [&] { sea(5); TPCM.JONPL = 5000.0f; }, {}},
        // And those it converges with.
        {"gamma the least that converges", [&] { gamma_of(5, kLeastGamma); }, {}},
        {"gamma the greatest that converges", [&] { gamma_of(10, kGreatestGamma); }, {}},
        {"gamma 1", [&] { gamma_of(5, 1.0f); }, {}},
        {"gamma 2", [&] { gamma_of(10, 2.0f); }, {}},
        {"gamma 7", [&] { gamma_of(5, 7.0f); }, {}},
        {"gamma 20", [&] { gamma_of(5, 20.0f); }, {}},
        {"gamma 1000", [&] { gamma_of(5, 1000.0f); }, {}},
        {"the squat shape", [&] { sea(5); TPCM.JONGAM = 7.0f; TPCM.JONPL = 0.68f; TPCM.JONPG = 0.123f; }, {}},
        {"gamma 1e-5, Mean JONSWAP", [&] { gamma_of(2, 1.0e-5f); }, {}},
        {"gamma 1e-5, the sea off", [&] { gamma_of(5, 1.0e-5f); TPCM.LRANDM = 0; }, {}},
        // The widths.
        {"sigma a 0, the peak on the grid", [&] { sea(5); TPCM.JONPL = 0.0f; }, {below}},
        {"sigma a 1e-23, its square 0", [&] { sea(5); TPCM.JONPL = 1.0e-23f; }, {below}},
        {"sigma a 0, the peak off the grid", [&] { sea(5); TPCM.JONPL = 0.0f; TPCM.SIGPD(1) = 10.25f; }, {}},
        {"sigma a below 0 computes", [&] { sea(5); TPCM.JONPL = -0.07f; }, {}},
        {"sigma b 0 computes", [&] { sea(5); TPCM.JONPG = 0.0f; }, {}},
        // One finding for a width whose square leaves single precision, though the integration
        // fails with it too.
        {"sigma a whose square leaves single precision", [&] { sea(5); TPCM.JONPL = 1.4e19f; }, {below}},
        {"sigma b likewise", [&] { sea(5); TPCM.JONPG = 1.4e19f; }, {above}},
        {"sigma b 1.3e19", [&] { sea(5); TPCM.JONPG = 1.3e19f; }, {}},
        {"the swell's gamma",
         [&] {
             TPCM.LSWELL = 1;
             TPCM.SWLTYP = 10;
             TPCM.JONGAM_SWL = 0.0f;
         },
         {jonswap("Swell JONSWAP gamma parameter", 13, 8)}},
        {"the second swell's width",
         [&] {
             sea(2);
             TPCM.LSWELL = TPCM.LSWEL2 = 1;
             TPCM.SWLTYP2 = 5;
             TPCM.JONGAM_SWL2 = 1.0f;
             TPCM.JONPL_SWL2 = 0.0f;
             TPCM.SWELPD2 = 9.0f;
         },
         {jonswap("Second swell JONSWAP sigma a shape parameter", 13, 29)}},
    };
    for (const Case& c : cases) {
        passing_ship();
        c.set();
        EXPECT_EQ(heads(), c.findings) << c.what;
    }
}

// The lines of the Ochi-Hubble findings: no sea from a lambda at or below 0 (0 and -0 among them,
// where the gamma function has no value either), no gamma function beyond; the count the page takes.
TEST_F(SpectrumParameterChecksTest, TheOchiHubbleFindingsSayWhy) {
    const std::string lambda = head("Component lambda values", 12, 8, " hold a lambda of component 2");
    const std::string no_sea = "     at or below 0, which makes no Ochi-Hubble sea.";
    struct Case {
        Real l2;
        Int count;
        RunInputFinding finding;
    };
    const Case cases[] = {
        {-0.1f, 2, {lambda, no_sea}},
        {0.0f, 2, {lambda, no_sea}},
        {-0.0f, 2, {lambda, no_sea}},
        {34.6f, 2, {lambda, "     the Ochi-Hubble spectrum cannot compute with."}},
        {2.0f, 0, {head("Number of Ochi-Hubble wave components", 12, 5, " is 0;"), "     its page takes 1 to 4 components."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.l2);
        ochi(c.l2);
        TPCM.N_OCHI_COMP = c.count;
        EXPECT_EQ(run_input_findings(), std::vector<RunInputFinding>{c.finding});
    }
}

// The sea, the swell and the second swell each with the gamma of no integral: each named on its
// page, where its system is on; the swell of a silent run as the interactive one.
TEST_F(SpectrumParameterChecksTest, EachWaveSystemsIntegral) {
    const auto swells = [] {
        sea(2);
        TPCM.LSWELL = 1;
        TPCM.SWLTYP = 5;
        TPCM.SWELPD = 10.0f;
        TPCM.JONGAM_SWL = 3.3f;
        TPCM.JONPL_SWL = 0.07f;
        TPCM.JONPG_SWL = 0.09f;
        TPCM.LSWEL2 = 1;
        TPCM.SWLTYP2 = 10;
        TPCM.SWELPD2 = 9.0f;
        TPCM.JONGAM_SWL2 = 3.3f;
        TPCM.JONPL_SWL2 = 0.07f;
        TPCM.JONPG_SWL2 = 0.09f;
    };
    swells();
    EXPECT_TRUE(run_input_findings().empty());
    TPCM.JONGAM_SWL = 1.0e-5f;
    TPCM.EDUNIT = SILENT_UNIT;
    EXPECT_EQ(run_input_findings(), std::vector<RunInputFinding>{no_integral("Swell JONSWAP gamma parameter", 13, 8)});
    swells();
    TPCM.JONGAM_SWL2 = 1.0e-38f;
    EXPECT_EQ(run_input_findings(),
              std::vector<RunInputFinding>{no_integral("Second swell JONSWAP gamma parameter", 13, 28)});
    TPCM.LSWEL2 = 0;
    EXPECT_TRUE(run_input_findings().empty());
    // The swell's sigma a with which the integration never ended.
    swells();
    TPCM.JONPL_SWL = 993.425781f;
    EXPECT_EQ(run_input_findings(), std::vector<RunInputFinding>{no_integral("Swell JONSWAP gamma parameter", 13, 8)});
    // All three at once, in the order sea, swell, second swell.
    swells();
    TPCM.WAVTYP = 5;
    TPCM.JONGAM = TPCM.JONGAM_SWL = TPCM.JONGAM_SWL2 = 5000.0f;
    EXPECT_EQ(run_input_findings(), (std::vector<RunInputFinding>{no_integral("JONSWAP gamma parameter", 12, 8),
                                                                  no_integral("Swell JONSWAP gamma parameter", 13, 8),
                                                                  no_integral("Second swell JONSWAP gamma parameter",
                                                                              13, 28)}));
    EXPECT_EQ(screen(), "");
    EXPECT_EQ(silent(), "");
}

// The findings of the sea and the first swell alone (what the wave report computes) are those of
// the whole check, in the same order, less the wind's and the second swell's.
TEST_F(SpectrumParameterChecksTest, TheSeaAndTheFirstSwellAloneAreTheirsOfTheWholeCheck) {
    sea(5);
    TPCM.JONGAM = 5000.0f;
    TPCM.LSWELL = 1;
    TPCM.SWLTYP = 10;
    TPCM.SWELPD = 10.0f;
    TPCM.JONGAM_SWL = 0.0f;
    TPCM.JONPL_SWL = 0.07f;
    TPCM.JONPG_SWL = 0.09f;
    TPCM.LSWEL2 = 1;
    TPCM.SWLTYP2 = 5;
    TPCM.SWELPD2 = 9.0f;
    TPCM.JONGAM_SWL2 = 5000.0f;
    TPCM.JONPL_SWL2 = 0.07f;
    TPCM.JONPG_SWL2 = 0.09f;
    TPCM.LWIND = 1;
    TPCM.BRVFLG = 1 << 15;
    TPCM.WNDTYP = 4;
    TPCM.APIPRM = 0.0f;
    const RunInputFinding swell_gamma = {head("Swell JONSWAP gamma parameter", 13, 8, " is a value"),
                                         "     the JONSWAP spectrum cannot compute with."};
    std::vector<RunInputFinding> all, ours;
    spectrum_parameter_findings(TPCM, all);
    sea_and_swell_parameter_findings(TPCM, ours);
    EXPECT_EQ(testing::first_lines(all),
              (std::vector<std::string>{head("A.P.I. wind spectrum parameter", 9, 3, " is not positive:"),
                                        no_integral("JONSWAP gamma parameter", 12, 8).front(), swell_gamma.front(),
                                        no_integral("Second swell JONSWAP gamma parameter", 13, 28).front()}));
    EXPECT_EQ(ours, (std::vector<RunInputFinding>{no_integral("JONSWAP gamma parameter", 12, 8), swell_gamma}));

    // The custom table of the second swell alone is no table of theirs; of the first swell it is.
    passing_ship();
    sea(2);
    TPCM.LSWELL = 1;
    TPCM.SWLTYP = 0;
    TPCM.SWELPD = 10.0f;
    TPCM.LSWEL2 = 1;
    TPCM.SWLTYP2 = 8;
    for (int i = 1; i <= 3; ++i) TPCM.USRPSD(i) = -1.0f;
    all.clear();
    ours.clear();
    spectrum_parameter_findings(TPCM, all);
    sea_and_swell_parameter_findings(TPCM, ours);
    const std::string table = head("Custom spectrum table", 13, 2, " integrates to a negative");
    EXPECT_EQ(testing::first_lines(all), std::vector<std::string>{table});
    EXPECT_TRUE(ours.empty());
    TPCM.SWLTYP = 8;
    sea_and_swell_parameter_findings(TPCM, ours);
    EXPECT_EQ(testing::first_lines(ours), std::vector<std::string>{table});
}

// The check refuses exactly the gammas with which the run's own routine stops: the run's JONSVAL on
// a silent run's console (where it ends at its iteration warning instead of asking) against the
// check, across the decades and at both ends of the range that converges.
TEST_F(SpectrumParameterChecksTest, RefusesExactlyWhatTheRunsIntegrationCannotTake) {
    std::vector<Real> gammas = {std::numeric_limits<Real>::denorm_min(), 1.0e-40f, 1.0e-38f, 1.0e-20f, 1.0e-10f,
                                3.16e-10f, 1.0e-5f, kLeastGamma, std::nextafter(kLeastGamma, 0.0f), 1.0e-4f, 0.01f,
                                0.5f, 1.0f, 3.3f, 20.0f, 1000.0f, kGreatestGamma,
                                std::nextafter(kGreatestGamma, 1.0e4f), 5000.0f, 2.0e4f, 1.0e30f,
                                std::numeric_limits<Real>::max()};
    int refused = 0;
    for (Real g : gammas) {
        passing_ship();
        sea(5);
        TPCM.JONGAM = g;
        const bool refused_here = !run_input_findings().empty();
        refused += refused_here ? 1 : 0;
        bool stopped = false;
        Real JONVAL = 0.0f;
        try {
            JONSVAL(0.07f, 0.09f, g, JONVAL, SILENT_UNIT);
        } catch (const ProgramEnd& e) {
            stopped = true;
            EXPECT_EQ(e.status, 1);
        }
        EXPECT_EQ(refused_here, stopped) << g;
        if (!stopped) {
            EXPECT_TRUE(std::isfinite(JONVAL) && JONVAL > 0.0f) << g;
        }
    }
    // Both kinds are there: gammas taken and gammas refused.
    EXPECT_GT(refused, 5);
    EXPECT_LT(refused, static_cast<int>(gammas.size()) - 5);
}

// The custom spectrum table of wave type 8: every row its count reaches finite, named on the page
// of the sea or of the swell that uses it, and a significant height it can give.
TEST_F(SpectrumParameterChecksTest, TheCustomSpectrumTable) {
    const auto table = [](Real value) {
        TPCM.NWP = 5;
        for (int i = 1; i <= 5; ++i) {
            TPCM.T(i) = 5.0f + static_cast<float>(i);
            TPCM.USRPSD(i) = value;
        }
    };
    const std::string sea_head = " ++> Fatal Warning: Custom spectrum table (page 12, item 2)";
    const std::string swell_head = " ++> Fatal Warning: Custom spectrum table (page 13, item 2)";
    // Not a number in the last row: refused whether a sea uses the table or not.
    table(1.0f);
    TPCM.USRPSD(5) = std::numeric_limits<Real>::quiet_NaN();
    EXPECT_EQ(heads(), std::vector<std::string>{sea_head + " is not a finite number."});
    TPCM.USRPSD(5) = 1.0f;
    TPCM.USRPSD(6) = std::numeric_limits<Real>::quiet_NaN();  // beyond the count
    EXPECT_TRUE(run_input_findings().empty());
    // A swell of the table's type alone names the swell page.
    TPCM.USRPSD(5) = std::numeric_limits<Real>::infinity();
    TPCM.LSWELL = 1;
    TPCM.SWLTYP = 8;
    EXPECT_EQ(heads(), std::vector<std::string>{swell_head + " is not a finite number."});
    // A sea of the type: a table whose integral is negative has no significant height; one negative
    // row in a positive table computes.
    passing_ship();
    TPCM.LRANDM = 1;
    TPCM.WAVTYP = 8;
    table(-1.0f);
    EXPECT_EQ(heads(), std::vector<std::string>{sea_head + " integrates to a negative"});
    table(1.0f);
    TPCM.USRPSD(3) = -2.0f;
    EXPECT_TRUE(run_input_findings().empty());
    // A table that holds no energy integrates to 0, which is no negative variance: a sea of no
    // height, which the run computes.
    table(0.0f);
    EXPECT_TRUE(run_input_findings().empty());
    table(-0.0f);
    EXPECT_TRUE(run_input_findings().empty());
    // The significant height 4 sqrt(m0) held to the bound of the heights: 1000 m, 3280.8 ft.
    table(1.0f);
    TPCM.USRPSD(3) = 1.0e8f;
    EXPECT_EQ(heads(), std::vector<std::string>{sea_head + " gives a significant height too large"});
    TPCM.NUNTS = 0;
    EXPECT_EQ(heads(), std::vector<std::string>{sea_head + " gives a significant height too large"});
    TPCM.USRPSD(3) = 1.0e6f;
    EXPECT_TRUE(run_input_findings().empty());
    TPCM.NUNTS = 1;
    EXPECT_EQ(heads(), std::vector<std::string>{sea_head + " gives a significant height too large"});
}

// The reference ship's waves in UNITS (1 metric, 0 English): 100 m of water, the 55 periods 3 to 30 s,
// a Pierson-Moskowitz sea of 4 m and swell of 2 m (14 s), every heading 180 with a current of 1 knot,
// the wave spectra reported.
void reference_waves(Int units) {
    passing_ship();
    Tpcm& t = TPCM;
    const float feet = units == 1 ? 1.0f : 3.28084f;
    t.NUNTS = units;
    t.DEPTH = 100.0f * feet;
    t.NWP = 55;
    for (int i = 1; i <= 55; ++i) t.T(i) = 3.0f + 0.5f * static_cast<float>(i - 1);
    t.LRANDM = 1;
    t.WAVTYP = 1;
    t.SWHT(1) = 4.0f * feet;
    t.SIGPD(1) = 10.0f;
    t.SEAHDG(1) = 180.0f;
    t.LSWELL = 1;
    t.SWLTYP = 1;
    t.SWELHT = 2.0f * feet;
    t.SWELPD = 14.0f;
    t.SWLHDG = 180.0f;
    t.LCURNT = 1;
    t.CURSPD = 1.0f;
    t.CURHDG = 180.0f;
    t.ANGSEC = 180.0f;
    t.COSEXP = 2.0f;
    t.SLPHT = 2.83f * feet;
    t.BRVFLG = testing::bits({5, 6});
}

// The wave words the run cannot compute with, each refused by its page and item, at the run's own
// edge where the run has one (the floats on either side, in metres and in feet), and the values
// next to them that it takes.
TEST_F(SpectrumParameterChecksTest, WaveWordsTheRunCannotComputeWith) {
    const std::string width = head("Spectral bandwidth parameter", 12, 8, " is a value");
    const std::string spike = head("Spectral bandwidth parameter", 12, 8, " gives the swell-type spectrum");
    const std::string swell_width = head("Swell spectral bandwidth parameter", 13, 8, " is a value");
    const std::string component = head("Component peak periods", 12, 7, " hold a period of component 2");
    const std::string sea_height = head("Significant wave height", 12, 6, " is too small to compute:");
    const std::string swell_height = head("Significant swell height", 13, 6, " is too small to compute:");
    const std::string spreading = head("Power of cosine in spreading factor", 12, 21, " is a value");
    const std::string sea_off = head("Peak period", 12, 7, " lies off the table of wave periods");
    const std::string swell_off = head("Swell period", 13, 7, " lies off the table of wave periods");
    const std::string wind = head("Peak period", 12, 7, " is too long to compute: the sea's");
    const std::string depth = head("Water depth", 1, 4, " is too large for the wave numbers");
    const std::string regular = head("Regular wave height or slope", 11, 4, " is negative: the roll damping");
    const auto swell_type_sea = [](Real w) {
        TPCM.WAVTYP = 0;
        TPCM.WAVWID = w;
    };
    const auto ochi_sea = [](Real period2) {
        TPCM.WAVTYP = 9;
        TPCM.N_OCHI_COMP = 2;
        TPCM.SWHT(1) = 3.0f;
        TPCM.SWHT(2) = 2.0f;
        TPCM.SIGPD(2) = period2;
        TPCM.OCHI_LAMBDA(1) = TPCM.OCHI_LAMBDA(2) = 1.0f;
    };
    const auto jonswap_sea = [](Real period) {
        TPCM.WAVTYP = 5;
        TPCM.JONGAM = 3.3f;
        TPCM.JONPL = 0.07f;
        TPCM.JONPG = 0.09f;
        TPCM.SIGPD(1) = period;
    };
    const Real denormal = std::numeric_limits<Real>::denorm_min();
    struct Case {
        const char* what;
        Int units;
        std::function<void()> set;
        std::vector<std::string> findings;
    };
    const std::vector<Case> cases = {
        {"the reference ship", 1, [] {}, {}},
        {"the reference ship in feet", 0, [] {}, {}},
        // The swell-type width: its square 0 or a negative width has no spectrum; a spike so narrow
        // that its sea leaves the height bound; any width above that, however wide.
        {"width 0", 1, [&] { swell_type_sea(0.0f); }, {width}},
        {"width 1.4e-45", 0, [&] { swell_type_sea(denormal); }, {width}},
        {"width -1e-30", 1, [&] { swell_type_sea(-1.0e-30f); }, {width}},
        {"width 1e-9", 1, [&] { swell_type_sea(1.0e-9f); }, {spike}},
        {"width 1e-9 in feet", 0, [&] { swell_type_sea(1.0e-9f); }, {spike}},
        {"width 0.1", 1, [&] { swell_type_sea(0.1f); }, {}},
        {"width 1e30", 0, [&] { swell_type_sea(1.0e30f); }, {}},
        {"width 3e38", 1, [&] { swell_type_sea(3.0e38f); }, {}},
        {"the swell's width 0", 1, [] { TPCM.SWLTYP = 0; TPCM.SWLWID = 0.0f; }, {swell_width}},
        {"a width 0 of a sea of another type", 1, [] { TPCM.WAVWID = 0.0f; }, {}},
        // The Ochi-Hubble component at or so near 0 that its exponent is infinite on the grid.
        {"component period 0", 1, [&] { ochi_sea(0.0f); }, {component}},
        {"component period -7.385653e-09", 0, [&] { ochi_sea(-7.385653e-09f); }, {component}},
        {"component period -7.3856534e-09", 1, [&] { ochi_sea(-7.3856534e-09f); }, {}},
        {"component period -1", 1, [&] { ochi_sea(-1.0f); }, {}},
        {"component period 1e30", 0, [&] { ochi_sea(1.0e30f); }, {}},
        // The Pierson-Moskowitz period of a height so small that it has no wave number.
        {"sea height 4.730824e-38 m", 1, [] { TPCM.SWHT(1) = 4.730824e-38f; }, {sea_height}},
        {"sea height 4.7308245e-38 m", 1, [] { TPCM.SWHT(1) = 4.7308245e-38f; }, {}},
        {"sea height 1.5521078e-37 ft", 0, [] { TPCM.SWHT(1) = 1.5521078e-37f; }, {sea_height}},
        {"sea height 1.5521079e-37 ft", 0, [] { TPCM.SWHT(1) = 1.5521079e-37f; }, {}},
        {"swell height 1.4e-45", 1, [&] { TPCM.SWELHT = denormal; }, {swell_height}},
        {"sea height 1.4e-45, JONSWAP", 1, [&] { jonswap_sea(10.0f); TPCM.SWHT(1) = denormal; }, {}},
        // The spreading power wherever the sector is at most a circle, the sea spread or not.
        {"spreading power -1", 1, [] { TPCM.COSEXP = -1.0f; }, {spreading}},
        {"spreading power -2, spread", 0, [] { TPCM.LSPRED = 1; TPCM.COSEXP = -2.0f; }, {spreading}},
        {"spreading power 68", 1, [] { TPCM.COSEXP = 68.0f; }, {spreading}},
        {"spreading power 67", 1, [] { TPCM.COSEXP = 67.0f; }, {}},
        {"spreading power -0.5", 1, [] { TPCM.COSEXP = -0.5f; }, {}},
        {"spreading power -1, a sector of 400", 1, [] { TPCM.COSEXP = -1.0f; TPCM.ANGSEC = 400.0f; }, {}},
        // The peaks the run centres a spectrum on a period of the table by.
        {"a swell-type sea's peak at 40 s", 1, [&] { swell_type_sea(0.1f); TPCM.SIGPD(1) = 40.0f; }, {sea_off}},
        {"a swell-type sea's peak at 30.24 s", 1, [&] { swell_type_sea(0.1f); TPCM.SIGPD(1) = 30.24f; }, {}},
        {"a Pierson-Moskowitz swell's period 40 s", 0, [] { TPCM.SWELPD = 40.0f; }, {swell_off}},
        {"a swell's period 2.74 s", 1, [] { TPCM.SWELPD = 2.74f; }, {swell_off}},
        {"a JONSWAP sea's peak at 40 s", 1, [&] { jonswap_sea(40.0f); }, {}},
        // The characteristic wind speed of the reported sea.
        {"peak 2.459114e38 s", 1, [&] { jonswap_sea(2.459114e+38f); }, {wind}},
        {"peak 2.4591138e38 s", 1, [&] { jonswap_sea(2.4591138e+38f); }, {}},
        {"peak 7.495433e37 s in feet", 0, [&] { jonswap_sea(7.495433e+37f); }, {wind}},
        {"peak 7.4954324e37 s in feet", 0, [&] { jonswap_sea(7.4954324e+37f); }, {}},
        {"peak 3e38 s, the spectra not reported", 1, [&] { jonswap_sea(3.0e38f); TPCM.BRVFLG = 0; }, {}},
        // Water too deep for the wave numbers in the current.
        {"depth 3.472269e37 m", 1, [] { TPCM.DEPTH = 3.472269e+37f; }, {depth}},
        {"depth 3.4722687e37 m", 1, [] { TPCM.DEPTH = 3.4722687e+37f; }, {}},
        {"depth 1.0583552e37 ft", 0, [] { TPCM.DEPTH = 1.0583552e+37f; }, {depth}},
        {"depth 1.05835515e37 ft", 0, [] { TPCM.DEPTH = 1.05835515e+37f; }, {}},
        {"depth 3.472269e37 m, no current", 1, [] { TPCM.DEPTH = 3.472269e+37f; TPCM.LCURNT = 0; }, {}},
        // A negative regular wave on the hulls whose roll damping takes its slope.
        {"regular height -1", 1, [] { TPCM.SLPHT = -1.0f; }, {regular}},
        {"regular slope -1e-30", 0, [] { TPCM.LSLPHT = 1; TPCM.SLPHT = -1.0e-30f; }, {regular}},
        {"regular height -0", 1, [] { TPCM.SLPHT = -0.0f; }, {}},
        {"regular height -1, a member-built hull", 1, [] { TPCM.VESTYP = 3; TPCM.SLPHT = -1.0f; }, {}},
    };
    for (const Case& c : cases) {
        reference_waves(c.units);
        c.set();
        EXPECT_EQ(heads(), c.findings) << c.what;
    }
    // The disc buoy's roll and pitch damping take the slope as the ship's does.
    reference_waves(1);
    TPCM.VESTYP = 4;
    TPCM.SLPHT = -0.5f;
    std::vector<RunInputFinding> found;
    regular_wave_height_findings(TPCM, found);
    EXPECT_EQ(testing::first_lines(found), std::vector<std::string>{regular});
}

// The edges above are where the run's own routines give up: its spectrum and wave-number searches on
// the period grid, handed the value on either side.
TEST_F(SpectrumParameterChecksTest, TheEdgesAreTheRunsOwn) {
    const auto spectrum = [](Int type, Real height, Real period) {
        set_wave_grid(&TPCM.T(1), TPCM.NWP, TPCM.NUNTS);
        Real PSD[100] = {};
        Real QSWH = height, QTPK = period, QWPK = 0.0f, QWKPK = 0.0f;
        try {
            WVSPEC(type, PSD, QSWH, QTPK, QWPK, QWKPK, 0);
        } catch (const ProgramEnd&) {
            return false;  // the wave-number search stopped the run
        }
        for (int i = 0; i < TPCM.NWP; ++i)
            if (!std::isfinite(PSD[i])) return false;
        return true;
    };
    for (Int units : {1, 0}) {
        reference_waves(units);
        TPCM.EDUNIT = SILENT_UNIT;
        const bool metric = units == 1;
        EXPECT_FALSE(spectrum(1, metric ? 4.730824e-38f : 1.5521078e-37f, 10.0f));
        EXPECT_TRUE(spectrum(1, metric ? 4.7308245e-38f : 1.5521079e-37f, 10.0f));
        TPCM.N_OCHI_COMP = 2;
        TPCM.SWHT(2) = 2.0f;
        TPCM.OCHI_LAMBDA(1) = TPCM.OCHI_LAMBDA(2) = 1.0f;
        TPCM.SIGPD(2) = -7.385653e-09f;
        EXPECT_FALSE(spectrum(9, 4.0f, 10.0f));
        TPCM.SIGPD(2) = -7.3856534e-09f;
        EXPECT_TRUE(spectrum(9, 4.0f, 10.0f));
        TPCM.WAVWID = std::numeric_limits<Real>::denorm_min();
        EXPECT_FALSE(spectrum(0, 4.0f, 10.0f));
        // The wave number in the current of the shortest period, as the drift of the waves asks it.
        const auto in_current = [&](Real DEPTH) {
            const Real G = metric ? 9.8f : 32.152f;
            const Real along = 1.0f * (metric ? 0.5142f : 1.687f) * std::cos(0.0f);
            Real kh = 0.0f;
            const Int IER = current_wave_number_search(kTwoPi / 3.0f * std::sqrt(DEPTH / G), along / std::sqrt(G * DEPTH), kh);
            return IER == 0 && std::isfinite(kh);
        };
        EXPECT_FALSE(in_current(metric ? 3.472269e+37f : 1.0583552e+37f));
        EXPECT_TRUE(in_current(metric ? 3.4722687e+37f : 1.05835515e+37f));
    }
}

}  // namespace
}  // namespace brevant

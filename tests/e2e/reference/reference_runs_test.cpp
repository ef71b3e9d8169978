// The reference runs: each case executed by the built program, its report read section by section
// and checked against computations that do not come from the program (closed forms, public
// formulas, identities between sections), and the metric case against its English twin.
#include <gtest/gtest.h>

#include "brevant_paths.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <thread>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <cmath>
#include <map>
#include <memory>
#include <stdexcept>
#include <numbers>
#include <sstream>
#include <string>
#include <tuple>

#include "e2e/reference/reference_cases.h"
#include "e2e/reference/report_reader.h"

namespace brevant::e2e::reference {
namespace {

TEST(ReferenceReader, FindsSectionsByTitleAndReadsRows) {
    const std::string text =
        "     Executed at 03:16 on 12/10/26\n"
        "   *****  IIIa. Mean Wave Reflection Forces & Moments   ****\n"
        "          Calculated Significant wave height ...      3.90 m.\n"
        " Angle of     Fx\n"
        "     .0  -5.842E+00   0.000E+00\n"
        "  .0000     Infinity       Infinity\n"
        "   **  IVa. \"Low-Frequency\" Wave  **\n"
        "   15.0   1.396E+02\n";
    const Report r(text);
    ASSERT_EQ(r.sections().size(), 2u);
    EXPECT_EQ(r.sections()[0].title, "IIIa. Mean Wave Reflection Forces & Moments");
    const auto rows = r.find("IIIa.")->rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (Row{0.0, -5.842, 0.0}));
    EXPECT_TRUE(std::isinf(rows[1][1]));
    EXPECT_DOUBLE_EQ(r.find("IIIa.")->value_after("Calculated Significant wave height ..."), 3.90);
    EXPECT_EQ(r.find("IVa.")->rows(2).size(), 1u);
    EXPECT_EQ(r.find("V."), nullptr);
    EXPECT_EQ(without_time_stamp(text).find("Executed"), std::string::npos);
}

// The regression comparison names the first line where a report leaves its fixture, with the
// time-stamp lines skipped on both sides and a missing line read as the end of the report.
TEST(ReferenceReader, FirstDifferenceNamesTheLineAndSkipsTheTimeStamp) {
    const std::string fixture = "title\n     Executed at (time stamp not kept)\n  1.0\n  2.0\n";
    EXPECT_EQ(first_difference(fixture, "title\n     Executed at 05:12 on 12/10/26\n  1.0\n  2.0\n").line, 0u);
    const LineDifference d = first_difference(fixture, "title\n     Executed at 05:12 on 12/10/26\n  1.0\n  2.1\n");
    EXPECT_EQ(d.line, 4u);
    EXPECT_EQ(d.expected, "  2.0");
    EXPECT_EQ(d.got, "  2.1");
    const LineDifference shorter = first_difference(fixture, "title\n     Executed at 05:12 on 12/10/26\n  1.0\n");
    EXPECT_EQ(shorter.line, 4u);
    EXPECT_EQ(shorter.got, "(end of report)");
    EXPECT_EQ(first_difference(fixture, fixture + "  3.0\n").expected, "(end of report)");
    // A time stamp where the fixture has a number is a difference, not a skipped line.
    EXPECT_EQ(first_difference(fixture, "title\n  1.0\n  1.0\n  2.0\n").line, 2u);
}

// ---- Runs, made once per build ---------------------------------------------------------------

struct CaseRun {
    int status = -1;
    std::string err;
    std::string report;
};

// ctest starts every test in a process of its own, and a member-built case takes long to run under
// the sanitizers: the outcome of each case is kept in a folder named after the two programs (the
// analysis and this test program, by size and time of writing), so the processes of one build run
// each case once. A stale folder is never read: another build gives another name.
std::filesystem::path run_cache_folder() {
    std::size_t h = 1469598103934665603ull;
    for (const std::filesystem::path& p : {std::filesystem::path(BREVANT_BINARY), std::filesystem::path("/proc/self/exe")}) {
        std::error_code ec;
        const std::filesystem::path real = std::filesystem::canonical(p, ec);
        const auto size = std::filesystem::file_size(real, ec);
        const auto time = std::filesystem::last_write_time(real, ec).time_since_epoch().count();
        h = (h ^ std::hash<std::string>{}(real.string())) * 1099511628211ull;
        h = (h ^ static_cast<std::size_t>(size)) * 1099511628211ull;
        h = (h ^ static_cast<std::size_t>(time)) * 1099511628211ull;
    }
    return std::filesystem::temp_directory_path() / ("brevant_reference_runs_" + std::to_string(h));
}

// A kept outcome: the status on the first line, the length of the error text on the second, then
// the error text and the report.
bool read_kept(const std::filesystem::path& file, CaseRun& run) {
    std::ifstream in(file, std::ios::binary);
    std::size_t err_length = 0;
    if (!(in >> run.status >> err_length) || in.get() != '\n') return false;
    run.err.assign(err_length, '\0');
    if (!in.read(run.err.data(), static_cast<std::streamsize>(err_length))) return false;
    run.report.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

void keep(const std::filesystem::path& file, const CaseRun& run) {
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    // Written aside and renamed, so a process that reads it never meets half a file.
    const std::filesystem::path part = file.string() + "." + std::to_string(::getpid());
    {
        std::ofstream out(part, std::ios::binary);
        out << run.status << ' ' << run.err.size() << '\n' << run.err << run.report;
        if (!out) return;
    }
    std::filesystem::rename(part, file, ec);
    if (ec) std::filesystem::remove(part, ec);
}

// The file name of a case's kept outcome and of its fixture: every option of the case in it.
std::string case_name(const ShipOptions& o) {
    const char* hull = o.hull == Hull::ship ? "ship" : o.hull == Hull::disc ? "disc" : "semi";
    std::string name = std::string(hull) + (o.units == Units::metric ? "_metric" : "_english");
    if (!o.current) name += "_no_current";
    if (!o.swell) name += "_no_swell";
    if (o.api_wind) name += "_api_wind";
    if (o.jonswap_tanker) name += "_jonswap_tanker";
    return name;
}

const CaseRun& case_run(const ShipOptions& o) {
    static std::map<std::string, CaseRun> runs;
    const std::string key = case_name(o);
    auto found = runs.find(key);
    if (found == runs.end()) {
        // The case is entered through the pages: the name adds a digest of the answers and of the
        // words written after them, so a change in how the case is made never meets an old outcome.
        std::string making = reference_page_answers(o);
        for (const WordAfterPages& w : words_after_pages(o)) making += std::to_string(w.word) + "=" + std::to_string(w.value) + ";";
        const std::filesystem::path kept =
            run_cache_folder() / (key + "_pages_" + std::to_string(std::hash<std::string>{}(making)));
        const Hull hull = o.hull;
        // One process runs the case (the one that makes the lock folder); the others wait for its
        // outcome, and run the case themselves only if the lock goes without an outcome or the wait
        // grows too long.
        CaseRun run;
        const std::filesystem::path lock = kept.string() + ".lock";
        std::error_code ec;
        std::filesystem::create_directories(kept.parent_path(), ec);
        bool have = read_kept(kept, run);
        for (int waited = 0; !have && !std::filesystem::create_directory(lock, ec) && waited < 6000; ++waited) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            have = read_kept(kept, run);
            if (!have && !std::filesystem::exists(lock)) waited = 6000;
        }
        if (!have) {
            // The tanker drift model is a ship's: no warning there either.
            const RunOutcome out = run_reference([&] { enter_reference_case(o); },
                                                 hull == Hull::disc || o.jonswap_tanker ? "E\n"
                                                 : hull == Hull::semi ? "E\n\n"
                                                                      : "E\n\n4\n");
            run = CaseRun{out.program.status, out.program.err, out.report};
            keep(kept, run);
            std::filesystem::remove(lock, ec);
        }
        found = runs.emplace(key, run).first;
    }
    return found->second;
}

// A twin case (with the swell), the ship without current or the JONSWAP tanker ship.
const CaseRun& ship_run(Units units, bool current = true, Hull hull = Hull::ship, bool jonswap_tanker = false) {
    ShipOptions o;
    o.units = units;
    o.current = current;
    o.hull = hull;
    o.jonswap_tanker = jonswap_tanker;
    return case_run(o);
}

struct UnitSystem {
    Units units;
    Hull hull;
    double g;        // gravity in the case's length unit
    double metres;   // case length units per metre
    double tonnes;   // case force units per tonne
    bool jonswap_tanker = false;  // the ship with the JONSWAP sea and the 2001 tanker drift model
};
// The program takes g as 9.8 m/s^2 in its wave tables.
const UnitSystem kMetric{Units::metric, Hull::ship, 9.8, 1.0, 1.0};
const UnitSystem kEnglish{Units::english, Hull::ship, 9.8 * 3.28084, 3.28084, 2.20462};
const UnitSystem kDiscMetric{Units::metric, Hull::disc, 9.8, 1.0, 1.0};
const UnitSystem kDiscEnglish{Units::english, Hull::disc, 9.8 * 3.28084, 3.28084, 2.20462};
const UnitSystem kSemiMetric{Units::metric, Hull::semi, 9.8, 1.0, 1.0};
const UnitSystem kSemiEnglish{Units::english, Hull::semi, 9.8 * 3.28084, 3.28084, 2.20462};
const UnitSystem kJonswapTankerMetric{Units::metric, Hull::ship, 9.8, 1.0, 1.0, true};
const UnitSystem kJonswapTankerEnglish{Units::english, Hull::ship, 9.8 * 3.28084, 3.28084, 2.20462, true};

constexpr double kPi = std::numbers::pi;
double deg(double rad) { return rad * 180.0 / kPi; }
double rad(double deg) { return deg * kPi / 180.0; }

// The wave number of the linear dispersion relation w^2 = g k tanh(k h), by Newton's method.
double wave_number(double w, double g, double h) {
    double k = w * w / g;
    for (int i = 0; i < 100; ++i) {
        const double t = std::tanh(k * h);
        const double f = g * k * t - w * w;
        const double df = g * t + g * k * h * (1.0 - t * t);
        k -= f / df;
    }
    return k;
}

// The finite-depth group speed (w / 2k)(1 + 2kh / sinh 2kh) of a wave of that period.
double group_speed(double period, double g, double h) {
    const double w = 2.0 * kPi / period, k = wave_number(w, g, h), kh2 = 2.0 * k * h;
    return w / (2.0 * k) * (1.0 + kh2 / std::sinh(kh2));
}

// Simpson's rule on an uneven grid, pair of intervals by pair (a last odd interval by the trapezoid).
double simpson(const std::vector<double>& x, const std::vector<double>& y) {
    double sum = 0.0;
    std::size_t i = 0;
    for (; i + 2 < x.size(); i += 2) {
        const double h0 = x[i + 1] - x[i], h1 = x[i + 2] - x[i + 1];
        sum += (h0 + h1) / 6.0 *
               ((2.0 - h1 / h0) * y[i] + (h0 + h1) * (h0 + h1) / (h0 * h1) * y[i + 1] + (2.0 - h0 / h1) * y[i + 2]);
    }
    if (i + 1 < x.size()) sum += 0.5 * (x[i + 1] - x[i]) * (y[i] + y[i + 1]);
    return sum;
}

// Half a unit in the last printed place of a value in the 1PE10.3 or 1PE9.2 layout, with a margin.
double e_rounding(double v) { return 5.1e-3 * std::fabs(v) + 1e-12; }

const char* const kSectionOrder[] = {"Ia.",   "Ib.",  "IIa.", "IIIa.", "IIIb.", "IVa.", "IVb.", "V.",
                                     "VI.",   "VII.", "VIIp.", "VIII.", "VIIIp.", "IX. Net Environmental Forces",
                                     "IX. Net Environmental Force & Moment Spectra", "X."};

class ReferenceCase : public ::testing::TestWithParam<UnitSystem> {
protected:
    void SetUp() override {
        const CaseRun& run = ship_run(GetParam().units, true, GetParam().hull, GetParam().jonswap_tanker);
        ASSERT_EQ(run.status, 0) << run.err;
        report_ = std::make_unique<Report>(run.report);
        text_ = &run.report;
    }
    const Report& report() const { return *report_; }
    const Section& one(const std::string& prefix, std::size_t n = 0) const {
        const Section* s = report_->find(prefix, n);
        if (s == nullptr) throw std::runtime_error("no section " + prefix);
        return *s;
    }
    double depth() const { return 100.0 * GetParam().metres; }

    std::unique_ptr<Report> report_;
    const std::string* text_ = nullptr;
};

TEST_P(ReferenceCase, WritesEverySectionInRunOrderAndNoUndefinedValue) {
    std::size_t at = 0;
    const auto& sections = report().sections();
    for (const char* prefix : kSectionOrder) {
        while (at < sections.size() && sections[at].title.rfind(prefix, 0) != 0) ++at;
        ASSERT_LT(at, sections.size()) << prefix << " missing or out of order";
    }
    EXPECT_EQ(report().all("Ia.").size(), 13u);
    EXPECT_EQ(report().all("IIa.").size(), 13u);
    EXPECT_EQ(report().all("IX. Net Environmental Forces").size(), 3u);
    EXPECT_EQ(report().all("IX. Net Environmental Force & Moment Spectra").size(), 3u);
    std::istringstream lines(*text_);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_EQ(line.find("NaN"), std::string::npos) << line;
        EXPECT_EQ(line.find("nan"), std::string::npos) << line;
        // A field of asterisks is a number too wide for its layout; titles have text between theirs.
        if (Report::title_of(line).empty()) {
            EXPECT_EQ(line.find("**"), std::string::npos) << line;
        }
        if (line.find("Inf") != std::string::npos) {
            EXPECT_EQ(line.rfind("  .0000 ", 0), 0u) << "infinity outside the zero-frequency row: " << line;
        }
    }
}

// Periods, frequencies and lengths of the wave tables against w = 2 pi / T and the dispersion
// relation at the site's depth; the slope column against k H / 2.
TEST_P(ReferenceCase, WaveTablesFollowTheDispersionRelation) {
    const UnitSystem u = GetParam();
    for (const char* prefix : {"Ia.", "VIII."}) {
        const Section& s = one(prefix);
        // The case's regular-wave height; the page prints it to two decimals.
        const double H = 4.0 * u.metres / std::sqrt(2.0);
        EXPECT_NEAR(s.value_after("Wave height for slope calculation ="), H, 0.0051);
        const auto rows = s.rows(5);
        ASSERT_EQ(rows.size(), 55u) << prefix;
        for (const Row& r : rows) {
            const double T = r[0], w = r[1], lambda = r[2], slope = r[3];
            const double k = wave_number(2.0 * kPi / T, u.g, depth());
            EXPECT_NEAR(w, 2.0 * kPi / T, 6e-4) << prefix << " T " << T;
            EXPECT_NEAR(lambda, 2.0 * kPi / k, 5e-4 * lambda + 1e-3) << prefix << " T " << T;
            EXPECT_NEAR(slope, deg(k * H / 2.0), 5e-4 * slope + 1e-3) << prefix << " T " << T;
        }
    }
}

// Section VIII's heading values: the calculated height against 4 sqrt(m0) of the printed spectrum
// and the requested height (2 % on this grid), the Pierson-Moskowitz peak period, the
// characteristic wind speed 0.1412 g Tp and slope Hs k_p / 2.
TEST_P(ReferenceCase, IrregularWaveValuesAgainstTheirDefinitions) {
    const UnitSystem u = GetParam();
    const Section& s = one("VIII.");
    const double Hs = 4.0 * u.metres;
    const double Hc = s.value_after("Calculated Significant wave height ...");
    EXPECT_NEAR(Hc, Hs, 0.02 * Hs);
    std::vector<double> w, S;
    const auto rows = s.rows(5);
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        w.push_back((*it)[1]);
        S.push_back((*it)[4]);
    }
    // The frequency column has 3 decimals; the integral takes 2 pi / T.
    for (std::size_t i = 0; i < w.size(); ++i) w[i] = 2.0 * kPi / rows[rows.size() - 1 - i][0];
    EXPECT_NEAR(4.0 * std::sqrt(simpson(w, S)), Hc, 0.01 * Hc + 0.005 * u.metres);
    // The Pierson-Moskowitz sea's peak period follows from its height; the JONSWAP sea's is typed.
    const double Tp = s.value_after("Spectrum peak period .................");
    EXPECT_NEAR(Tp, u.jonswap_tanker ? double(kJonswapPeak) : 15.66 * std::sqrt(Hs / u.g), 0.006);
    const double V = 0.1412 * u.g * Tp;
    EXPECT_NEAR(s.value_after("Spectrum characteristic wind speed ..."), V, 0.0051 + 2e-3 * V);
    const double kp = wave_number(2.0 * kPi / Tp, u.g, depth());
    EXPECT_NEAR(s.value_after("Spectrum characteristic wave slope ..."), deg(0.5 * Hs * kp), 0.006 + 0.003 * 4.6);

    // The first row of the group spectrum against 8 times the integral of S^2. With the swell the
    // page has the sea's and the swell's spacing and group spectrum (frequency, period, two
    // spacings, two spectra).
    const auto group = one("VIIIp.").rows(6);
    ASSERT_FALSE(group.empty());
    ASSERT_EQ(group[0].size(), 6u) << "no swell group spectrum column";
    std::vector<double> S2;
    for (double v : S) S2.push_back(v * v);
    EXPECT_NEAR(group[0][4], 8.0 * simpson(w, S2), 0.02 * group[0][4]);

    // The swell, a Pierson-Moskowitz spectrum of its own height: its peak period 15.66 sqrt(Hs / g)
    // (the program derives it from the height, as for the sea), its slope Hs k_p / 2. Its
    // calculated height is 4 sqrt(m0) over the grid of periods 3 to 30 s, which for
    // S = 5/16 Hs^2 w_p^4 / w^5 exp(-5/4 (w_p / w)^4) is Hs times the square root of
    // exp(-5/4 (w_p / w_max)^4) - exp(-5/4 (w_p / w_min)^4): the short swell peak (7.07 s) leaves
    // 4 % of its variance above 2 pi / 3 s, so the calculated height lies 2 % under the requested
    // one, at the edge of the 2 % band (checked with the printed rounding).
    const double Hsw = 2.0 * u.metres;
    EXPECT_NEAR(s.value_after("Requested Significant swell height ..."), Hsw, 0.0051);
    EXPECT_NEAR(s.value_after("Swell direction ......................"), 180.0, 0.0051);
    const double Tsw = s.value_after("Swell period .........................");
    EXPECT_NEAR(Tsw, 15.66 * std::sqrt(Hsw / u.g), 0.006);
    const double Hcsw = s.value_after("Calculated Significant swell height ..");
    EXPECT_NEAR(Hcsw, Hsw, 0.02 * Hsw + 0.0051);
    const double wp = 2.0 * kPi / Tsw, w_max = 2.0 * kPi / 3.0, w_min = 2.0 * kPi / 30.0;
    const double kept = std::exp(-1.25 * std::pow(wp / w_max, 4.0)) - std::exp(-1.25 * std::pow(wp / w_min, 4.0));
    EXPECT_NEAR(Hcsw, Hsw * std::sqrt(kept), 0.005 * Hsw + 0.0051);
    const double ksw = wave_number(wp, u.g, depth());
    EXPECT_NEAR(s.value_after("Swell characteristic wave slope ......"), deg(0.5 * Hsw * ksw), 0.006 + 0.003 * 4.6);
    // The printed swell spectrum (the last column) integrates to the calculated height, and the
    // first row of its group spectrum is 8 times the integral of its square.
    std::vector<double> Ssw, Ssw2;
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        ASSERT_EQ(it->size(), 6u) << "no swell spectrum column";
        Ssw.push_back((*it)[5]);
        Ssw2.push_back((*it)[5] * (*it)[5]);
    }
    EXPECT_NEAR(4.0 * std::sqrt(simpson(w, Ssw)), Hcsw, 0.01 * Hcsw + 0.005 * u.metres);
    EXPECT_NEAR(group[0][5], 8.0 * simpson(w, Ssw2), 0.02 * group[0][5]);

    // The inter-group spacings: the group speed at the peak, c_g = (w / 2k)(1 + 2kh / sinh 2kh),
    // times the group period 2 pi / mu. The sea's peak is its 10 s. The swell's peak index comes from
    // the period as typed (14 s), taken before the program derives the Pierson-Moskowitz period
    // from the height, so its spacing is that of a 14 s wave although its spectrum peaks at 7.07 s.
    const double cg_sea = group_speed(Tp, u.g, depth()), cg_swell = group_speed(14.0, u.g, depth());
    ASSERT_EQ(group.size(), 41u);
    for (std::size_t i = 1; i < group.size(); ++i) {
        const double mu = group[i][0];
        EXPECT_NEAR(group[i][2], cg_sea * 2.0 * kPi / mu, 2e-3 * group[i][2] + 0.006) << "sea spacing, mu " << mu;
        EXPECT_NEAR(group[i][3], cg_swell * 2.0 * kPi / mu, 2e-3 * group[i][3] + 0.006) << "swell spacing, mu " << mu;
    }
}

// The Simpson integral over frequency of each section II column, the sea's and the swell's, equals
// the section III force of the same attack angle.
TEST_P(ReferenceCase, DistributionIntegratesToTheMeanForce) {
    const auto pages = report().all("IIa.");
    const auto mean = one("IIIa.").rows(7);
    ASSERT_EQ(pages.size(), mean.size());
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const auto rows = pages[p]->rows(7);
        ASSERT_EQ(rows.size(), 55u);
        for (int c = 1; c <= 6; ++c) {  // the sea's columns, then the swell's
            std::vector<double> w, y;
            for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
                w.push_back(2.0 * kPi / (*it)[0]);
                y.push_back((*it)[c]);
            }
            double scale = 0.0;
            for (const Row& r : mean) scale = std::max(scale, std::fabs(r[c]));
            EXPECT_NEAR(simpson(w, y), mean[p][c], 0.01 * scale) << "angle " << mean[p][0] << " column " << c;
        }
    }
}

// Each row of a IIa page is the mean force density of that wave period: the weight density of the
// water (1025 kg/m^3, 1.025 tonnes-force per m^3; 64 lb/ft^3, 0.064 kips per ft^3) times the
// breadth (Fx), the length (Fy) or the squared length (Mz) times the sea spectrum of section VIII times
// the coefficient of the Ia page of the same angle: S(Fx) = rho g B S(w) Cx(w), as the Ia page's
// note defines the regular-wave force .5 B rho g a^2 Cx with a^2 / 2 = S(w) dw.
TEST_P(ReferenceCase, DistributionIsWaterWeightTimesSpectrumTimesCoefficient) {
    const UnitSystem u = GetParam();
    const HullSize m = hull_size(u.hull);
    const double L = static_cast<double>(m.L) * u.metres, B = static_cast<double>(m.B) * u.metres;
    const double rho_g = u.units == Units::metric ? 1025.0 / 1000.0 : 64.0 / 1000.0;
    const double length[3] = {B, L, L * L};
    const auto sea = one("VIII.").rows(5);
    ASSERT_EQ(sea.size(), 55u);
    const auto coefficients = report().all("Ia."), distribution = report().all("IIa.");
    ASSERT_EQ(coefficients.size(), 13u);
    ASSERT_EQ(distribution.size(), 13u);
    double largest = 0.0, peak = 0.0;
    for (const Row& r : sea) peak = std::max(peak, r[4]);
    for (std::size_t p = 0; p < 13; ++p) {
        const auto c = coefficients[p]->rows(7), d = distribution[p]->rows(4);
        ASSERT_EQ(c.size(), 55u);
        ASSERT_EQ(d.size(), 55u);
        for (std::size_t i = 0; i < 55; ++i) {
            ASSERT_NEAR(d[i][0], sea[i][0], 0.0051);
            ASSERT_NEAR(c[i][0], sea[i][0], 0.0051);
            const double S = sea[i][4];
            for (std::size_t k = 0; k < 3; ++k) {
                const double C = c[i][4 + k], expected = rho_g * length[k] * S * C;
                // Half a unit in the last place of S (4 decimals) and of C (5 decimals), and of the
                // three digits of the distribution; values that vanish in theory are rounding noise.
                const double band = 5.1e-3 * std::fabs(expected) + rho_g * length[k] * (5e-5 * std::fabs(C) + 5e-6 * S + 1e-9 * peak);
                EXPECT_NEAR(d[i][1 + k], expected, band) << "angle " << 15 * p << " T " << d[i][0] << " column " << k + 1;
                largest = std::max(largest, std::fabs(expected));
            }
        }
    }
    EXPECT_GT(largest, 0.0);
}

// The tanh-law drift force is Cx ~ cos(attack), Cy ~ sin(attack), taken on the breadth and the
// length: Fy / Fx = (L / B) tan(attack), and no moment; in the sea and in the swell alike.
// The cases of the tanh-law drift model (the semi-submersible has the member model).
class TanhLawCase : public ReferenceCase {};

TEST_P(TanhLawCase, MeanDriftFollowsTheTanhLawRatios) {
    const auto mean = one("IIIa.").rows(7);
    ASSERT_EQ(mean.size(), 13u);
    for (const Row& r : mean) {
        const double a = rad(r[0]);
        if (std::fabs(std::cos(a)) < 0.2 || std::fabs(std::sin(a)) < 0.2) continue;
        const HullSize m = hull_size(GetParam().hull);
        const double ratio = static_cast<double>(m.L / m.B) * std::tan(a);
        for (std::size_t off : {0u, 3u}) {  // the sea, then the swell
            const char* what = off == 0 ? "sea" : "swell";
            EXPECT_NEAR(r[2 + off] / r[1 + off], ratio, 2e-3 * std::fabs(ratio)) << what << " angle " << r[0];
            EXPECT_NEAR(r[3 + off], 0.0, 1e-3 * std::fabs(r[2 + off]) * static_cast<double>(m.L) * GetParam().metres)
                << what << " angle " << r[0];
        }
    }
}

// Section Ib of a hull not built of members: Cx = 1.5958 x WVDGCX x CRNTCF(1) x RLRAO2, the last a
// squared relative motion, and likewise Cy and Cz. The cylindrical current model's coefficients
// are -cos, -sin and 0, so every Cx has the sign of -cos(attack), every Cy that of -sin(attack),
// Cx vanishes beam-on, Cy head-on, and Cz everywhere; and the coefficients are not all zero.
TEST_P(TanhLawCase, AbsorptionCoefficientsFollowTheCurrentModel) {
    const auto pages = report().all("Ib.");
    ASSERT_EQ(pages.size(), 13u);
    double largest = 0.0;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const double a = rad(15.0 * static_cast<double>(p)), c = -std::cos(a), s = -std::sin(a);
        const auto rows = pages[p]->rows(7);
        ASSERT_EQ(rows.size(), 55u);
        for (const Row& r : rows) {
            largest = std::max({largest, std::fabs(r[4]), std::fabs(r[5])});
            const std::string at = "angle " + std::to_string(15 * p) + " T " + std::to_string(r[0]);
            if (std::fabs(c) > 1e-3) {
                EXPECT_GE(r[4] * c, 0.0) << at;
            } else {
                EXPECT_NEAR(r[4], 0.0, 6e-6) << at;
            }
            if (std::fabs(s) > 1e-3) {
                EXPECT_GE(r[5] * s, 0.0) << at;
            } else {
                EXPECT_NEAR(r[5], 0.0, 6e-6) << at;
            }
            EXPECT_NEAR(r[6], 0.0, 6e-6) << at;
        }
    }
    EXPECT_GT(largest, 0.0);
}

// With the current, section Ia has a closed form too: waves and current come from the same side,
// so the current U runs along the waves at every attack angle (the page states "Current Angle
// Relative to Waves = .00") and the flux of the wave action keeps the wave direction. The wave number
// k is that of the Doppler-shifted dispersion relation (w - k U)^2 = g k tanh(k h); the group speed is
// taken, as without current, on the deep-water phase speed, c = 0.5 sqrt(g / k) (1 + 2kh / sinh 2kh);
// the current enhances the flux of wave action by (1 + U / c)^2. So
// Cx = -(1/3)(1 + tanh(k L / 2 - 3.5)) (1 + U / c)^2 (1 + 2kh / sinh 2kh) cos(attack), Cy with sin.
// U is 1 knot (1852 m per hour), g the program's 9.8 m/s^2 (32.152 ft/s^2).
TEST_P(TanhLawCase, ReflectionCoefficientsFollowTheTanhLawInTheCurrent) {
    const UnitSystem u = GetParam();
    const double L = static_cast<double>(hull_size(u.hull).L) * u.metres, h = depth();
    const double U = 1852.0 / 3600.0 * u.metres;
    const auto pages = report().all("Ia.");
    ASSERT_EQ(pages.size(), 13u);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        EXPECT_NEAR(pages[p]->value_after("Current Angle Relative to Waves ="), 0.0, 1e-9);
        const double a = rad(15.0 * static_cast<double>(p));
        const auto rows = pages[p]->rows(7);
        ASSERT_EQ(rows.size(), 55u);
        for (const Row& row : rows) {
            const double w = 2.0 * kPi / row[0];
            // Newton's method on (w - k U)^2 - g k tanh(k h), from the still-water wave number.
            double k = wave_number(w, u.g, h);
            for (int i = 0; i < 100; ++i) {
                const double t = std::tanh(k * h), s = w - k * U;
                const double f = s * s - u.g * k * t;
                const double df = -2.0 * U * s - u.g * t - u.g * k * h * (1.0 - t * t);
                k -= f / df;
            }
            const double kh2 = 2.0 * k * h, depth_factor = 1.0 + kh2 / std::sinh(kh2);
            const double c = 0.5 * std::sqrt(u.g / k) * depth_factor;
            const double coefficient = -(1.0 / 3.0) * (1.0 + std::tanh(0.5 * k * L - 3.5)) * (1.0 + U / c) * (1.0 + U / c) * depth_factor;
            const double band = 1.5e-5 + 2e-3 * std::fabs(coefficient);
            const std::string at = "angle " + std::to_string(15 * p) + " T " + std::to_string(row[0]);
            EXPECT_NEAR(row[4], coefficient * std::cos(a), band) << at;
            EXPECT_NEAR(row[5], coefficient * std::sin(a), band) << at;
            EXPECT_NEAR(row[6], 0.0, 6e-6) << at;
        }
    }
}

// The cylindrical wind and current models: Cx = -cos, Cy = -sin, Cz = 0 (no arms).
TEST_P(ReferenceCase, CylindricalCoefficientsInClosedForm) {
    const auto rows = one("V.").rows(7);
    ASSERT_EQ(rows.size(), 13u);
    for (const Row& r : rows) {
        const double a = rad(r[0]);
        for (int off : {0, 3}) {
            EXPECT_NEAR(r[1 + off], -std::cos(a), 6e-6) << r[0];
            EXPECT_NEAR(r[2 + off], -std::sin(a), 6e-6) << r[0];
            EXPECT_NEAR(r[3 + off], 0.0, 6e-6) << r[0];
        }
    }
}

// Section VI against F = 1/2 rho V^2 A C (the OCIMF form), worked in SI units: air of 1.2553 kg/m^3
// (the engineering 0.128 kgf s^2/m^4), sea water of 1025 kg/m^3, the cylindrical models' C, and for
// the current the mean square speed over the draft of the 1/7-power profile,
// V^2 (1 - (1 - t)^(9/7)) / (9/7 t) with t = draft / depth. Forces in tonnes-force or kips.
TEST_P(ReferenceCase, MeanWindAndCurrentForcesAreHalfRhoVSquaredAC) {
    const UnitSystem u = GetParam();
    const HullSize m = hull_size(u.hull);
    const double L = m.L, B = m.B, T = m.T;
    const double freeboard = u.hull == Hull::disc ? 3.0 : 15.0;
    const double knot = 1852.0 / 3600.0, newtons_per_unit = u.units == Units::metric ? 9806.65 : 4448.2216;
    const double wind_q = 0.5 * 1.2553 * (30.0 * knot) * (30.0 * knot);
    const double tau = T / 100.0, p = 9.0 / 7.0;
    const double current_q = 0.5 * 1025.0 * (1.0 * knot) * (1.0 * knot) * (1.0 - std::pow(1.0 - tau, p)) / (p * tau);
    const auto rows = one("VI.").rows(7);
    ASSERT_EQ(rows.size(), 13u);
    for (const Row& r : rows) {
        const double a = rad(r[0]);
        const double expected[6] = {-wind_q * B * freeboard * std::cos(a), -wind_q * L * freeboard * std::sin(a), 0.0,
                                    -current_q * B * T * std::cos(a),      -current_q * L * T * std::sin(a),      0.0};
        for (int c = 0; c < 6; ++c) {
            const double e = expected[c] / newtons_per_unit;
            const double scale = (c < 3 ? wind_q * L * freeboard : current_q * L * T) / newtons_per_unit;
            EXPECT_NEAR(r[1 + c], e, 6e-3 * std::fabs(e) + 1e-6 * scale) << "angle " << r[0] << " column " << c + 1;
        }
    }
}

// Davenport: f S(f) / (kappa U^2) = 4 x^2 / (1 + x^2)^(4/3), x = 1200 m f / U, kappa 0.005; per
// rad/s S(w) = S(f) / 2 pi. The spacing columns are V 2 pi / w.
TEST_P(ReferenceCase, WindSpeedSpectrumIsDavenports) {
    const double U = 30.0 * 1852.0 / 3600.0;  // m/s
    const double unit_per_metre = GetParam().metres;
    const auto rows = one("VIIp.").rows(6);
    ASSERT_EQ(rows.size(), 41u);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const Row& r = rows[i];
        const double w = r[0], f = w / (2.0 * kPi), x = 1200.0 * f / U;
        const double Sf = 4.0 * 0.005 * U * U * x * x / (f * std::pow(1.0 + x * x, 4.0 / 3.0));
        const double Sw = Sf / (2.0 * kPi) * unit_per_metre * unit_per_metre;
        EXPECT_NEAR(r[4], Sw, 0.003 * Sw + 0.006 * std::pow(10.0, std::floor(std::log10(Sw)))) << "w " << w;
        EXPECT_NEAR(r[1], 2.0 * kPi / w, 0.006 + 1e-5 * r[1]) << "w " << w;
        EXPECT_NEAR(r[2], U * unit_per_metre * 2.0 * kPi / w, 0.002 * r[2]) << "w " << w;
        EXPECT_NEAR(r[3], (1.0 * 1852.0 / 3600.0) * unit_per_metre * 2.0 * kPi / w, 0.002 * r[3]) << "w " << w;
        EXPECT_EQ(r[5], 0.0) << "a steady current has no spectrum";
    }
}

// Each NET column of the IX pages is the sum of its row's sources.
TEST_P(ReferenceCase, NetColumnsAreRowSums) {
    for (const char* prefix : {"IX. Net Environmental Forces", "IX. Net Environmental Force & Moment Spectra"}) {
        for (const Section* s : report().all(prefix)) {
            const auto rows = s->rows(9);
            ASSERT_EQ(rows.size(), 13u) << prefix;
            for (const Row& r : rows) {
                double sum = 0.0, scale = 0.0;
                for (int c = 1; c <= 7; ++c) {
                    sum += r[c];
                    scale = std::max(scale, std::fabs(r[c]));
                }
                EXPECT_NEAR(r[8], sum, 1e-3 * scale + 1e-20) << prefix << " heading " << r[0];
            }
        }
    }
}

// Page X: the vessel forces are the NET columns of the IX pages; the global forces their rotation
// by the heading; the angles and the net force from atan2 and hypot; the moment the Z page's NET.
TEST_P(ReferenceCase, SummaryIsTheRotatedNetForce) {
    const auto pages = report().all("IX. Net Environmental Forces");
    ASSERT_EQ(pages.size(), 3u);
    const auto fx = pages[0]->rows(9), fy = pages[1]->rows(9), mz = pages[2]->rows(9);
    const auto summary = one("X.").rows(9);
    ASSERT_EQ(summary.size(), 13u);
    for (std::size_t i = 0; i < summary.size(); ++i) {
        const Row& r = summary[i];
        ASSERT_EQ(r[0], fx[i][0]);
        const double vx = fx[i][8], vy = fy[i][8], psi = rad(r[0]);
        const double gx = vx * std::cos(psi) - vy * std::sin(psi);
        const double gy = vx * std::sin(psi) + vy * std::cos(psi);
        const double tol = 0.051 + 1e-3 * std::hypot(vx, vy);
        EXPECT_NEAR(r[1], vx, tol) << r[0];
        EXPECT_NEAR(r[2], vy, tol) << r[0];
        EXPECT_NEAR(r[4], gx, tol) << r[0];
        EXPECT_NEAR(r[5], gy, tol) << r[0];
        EXPECT_NEAR(r[7], std::hypot(vx, vy), tol) << r[0];
        EXPECT_NEAR(r[8], mz[i][8], e_rounding(mz[i][8])) << r[0];  // printed as 1PE9.2
        if (std::hypot(vx, vy) > 1.0) {
            auto angle_near = [&](double printed, double expected) {
                double d = std::fabs(printed - expected);
                d = std::min(d, 360.0 - d);
                EXPECT_LE(d, 0.06 + deg(0.1 / std::hypot(vx, vy))) << r[0] << ": " << printed << " vs " << expected;
            };
            angle_near(r[3], deg(std::atan2(vy, vx)));
            angle_near(r[6], deg(std::atan2(gy, gx)));
        }
    }
}

// The External column of the IX force pages: the case's external force, (50, -20) tonnes in the global
// system at the origin with a moment of 300 tonne-metres (converted in the English twin), seen in the
// axes of a vessel heading psi (the row label): Fx = X cos psi + Y sin psi, Fy = -X sin psi + Y cos psi,
// Mz = 300, the moment of a force at the origin being its own.
TEST_P(ReferenceCase, ExternalColumnIsTheGlobalForceInVesselAxes) {
    const UnitSystem u = GetParam();
    const double X = 50.0 * u.tonnes, Y = -20.0 * u.tonnes, Mz = 300.0 * u.tonnes * u.metres;
    const auto pages = report().all("IX. Net Environmental Forces");
    ASSERT_EQ(pages.size(), 3u);
    const auto fx = pages[0]->rows(9), fy = pages[1]->rows(9), mz = pages[2]->rows(9);
    ASSERT_EQ(fx.size(), 13u);
    for (std::size_t i = 0; i < fx.size(); ++i) {
        const double psi = rad(fx[i][0]);
        const double ex = X * std::cos(psi) + Y * std::sin(psi), ey = -X * std::sin(psi) + Y * std::cos(psi);
        EXPECT_NEAR(fx[i][7], ex, e_rounding(ex) + 1e-4 * X) << "heading " << fx[i][0];
        EXPECT_NEAR(fy[i][7], ey, e_rounding(ey) + 1e-4 * X) << "heading " << fy[i][0];
        EXPECT_NEAR(mz[i][7], Mz, e_rounding(Mz)) << "heading " << mz[i][0];
    }
}

// With every source from 180 degrees, the vessel heading 360 - a meets each source at the attack
// angle a: the IX source columns repeat sections III (the sea's and the swell's halves) and VI row
// for row.
TEST_P(ReferenceCase, NetForcePagesRepeatTheSourceSections) {
    const auto pages = report().all("IX. Net Environmental Forces");
    ASSERT_EQ(pages.size(), 3u);
    const auto reflection = one("IIIa.").rows(7), absorption = one("IIIb.").rows(7), wind_current = one("VI.").rows(7);
    for (int k = 0; k < 3; ++k) {
        const auto rows = pages[static_cast<std::size_t>(k)]->rows(9);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const Row& r = rows[i];
            ASSERT_NEAR(360.0 - r[0], reflection[i][0], 1e-9);
            auto same = [&](double ix, double source, const char* what) {
                EXPECT_NEAR(ix, source, 1.1e-3 * std::fabs(source) + 1e-5 * std::fabs(pages.size()))
                    << what << " component " << k + 1 << " heading " << r[0];
            };
            same(r[1], reflection[i][1 + k], "reflection");
            same(r[2], absorption[i][1 + k], "absorption");
            same(r[3], wind_current[i][1 + k], "wind");
            same(r[4], wind_current[i][4 + k], "current");
            same(r[5], reflection[i][4 + k], "swell reflection");
            EXPECT_GT(std::fabs(reflection[i][4]) + std::fabs(reflection[i][5]), 0.0) << "no swell force, heading " << r[0];
            same(r[6], absorption[i][4 + k], "swell absorption");
        }
    }
}

// The IX spectra repeat sections IVa (the sea's and the swell's halves) and VII row for row (every
// source from 180 degrees). The IX absorption columns add the drift-drag interaction to IVb's drag
// and have no section of their own to repeat.
TEST_P(ReferenceCase, NetForceSpectraRepeatTheSourceSections) {
    const auto pages = report().all("IX. Net Environmental Force & Moment Spectra");
    ASSERT_EQ(pages.size(), 3u);
    const auto sea = one("IVa.").rows(7), wind_current = one("VII.").rows(7);
    double column_max[3] = {0.0, 0.0, 0.0};
    for (int k = 0; k < 3; ++k) {
        for (const Row& r : sea) column_max[k] = std::max({column_max[k], std::fabs(r[1 + k]), std::fabs(r[4 + k])});
        for (const Row& r : wind_current) {
            column_max[k] = std::max({column_max[k], std::fabs(r[1 + k]), std::fabs(r[4 + k])});
        }
    }
    for (int k = 0; k < 3; ++k) {
        const auto rows = pages[static_cast<std::size_t>(k)]->rows(9);
        ASSERT_EQ(rows.size(), sea.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const Row& r = rows[i];
            ASSERT_NEAR(360.0 - r[0], sea[i][0], 1e-9);
            // Values that vanish in theory (a sway spectrum at head seas) are rounding noise, a
            // millionth of the column's largest at most.
            auto same = [&](double ix, double source, const char* what) {
                EXPECT_NEAR(ix, source, 1.1e-3 * std::fabs(source) + 1e-6 * column_max[k])
                    << what << " component " << k + 1 << " heading " << r[0];
            };
            same(r[1], sea[i][1 + k], "sea");
            same(r[3], wind_current[i][1 + k], "wind");
            same(r[4], wind_current[i][4 + k], "current");
            same(r[5], sea[i][4 + k], "swell");
        }
    }
}

// The spectra by attack angle at the low-frequency frequency BRVFRQ repeat the sections of the same
// angle: the reflection pages (VIIs) of the sea and of the swell the two halves of section IVa, the
// wind page (VIIq) and the current page (VIIr) the two halves of section VII, the absorption pages
// (VIIs), drag plus drift-drag interaction, the IX spectra's absorption columns of the sea and of the
// swell; and each summed page is, row for row, the sum of its angle's six environment pages.
// Section IVb is the pure drag part alone, so it never exceeds the sea's absorption column.
TEST_P(ReferenceCase, AttackAngleSpectraRepeatTheirSections) {
    const char* const environments[] = {"VIIs. Spectral Values: Wave Reflection", "VIIs. Spectral Values: Wave Absorption",
                                        "VIIs. Spectral Values: Swell Reflection", "VIIs. Spectral Values: Swell Absorption",
                                        "VIIq. Spectral Values: Wind",            "VIIr. Spectral Values: Current"};
    enum { kSeaReflection, kSeaAbsorption, kSwellReflection, kSwellAbsorption, kWind, kCurrent, kEnvironments };
    std::vector<std::vector<const Section*>> by_environment;
    for (const char* e : environments) {
        by_environment.push_back(report().all(e));
        ASSERT_EQ(by_environment.back().size(), 13u) << e;
    }
    const auto summed = report().all("VIIr. Summed Spectral Values");
    ASSERT_EQ(summed.size(), 13u);
    const auto sea = one("IVa.").rows(7), drag = one("IVb.").rows(7), wind_current = one("VII.").rows(7);
    const auto net_spectra = report().all("IX. Net Environmental Force & Moment Spectra");
    ASSERT_EQ(net_spectra.size(), 3u);
    std::vector<std::vector<Row>> net;
    for (const Section* s : net_spectra) net.push_back(s->rows(9));
    const double brvfrq = 0.05;
    // The last three fields of a row are S(Fx), S(Fy), S(Mz); the rows of a page by frequency.
    auto by_frequency = [](const Section* s) {
        std::vector<Row> out;
        for (const Row& r : s->rows(5)) {
            if (std::isfinite(r[1])) out.push_back(r);
        }
        return out;
    };
    for (std::size_t p = 0; p < 13; ++p) {
        const double angle = 15.0 * static_cast<double>(p);
        ASSERT_NEAR(sea[p][0], angle, 1e-9);
        std::vector<std::vector<Row>> pages;
        for (const auto& e : by_environment) pages.push_back(by_frequency(e[p]));
        const auto sum = by_frequency(summed[p]);
        ASSERT_FALSE(sum.empty());
        for (std::size_t e = 0; e < kEnvironments; ++e) {
            ASSERT_EQ(pages[e].size(), sum.size()) << environments[e] << " angle " << angle;
        }
        // Spectra printed as 1PE9.2 beside sections printed as 1PE10.3: half a unit in the second
        // decimal of the coarser, plus noise a millionth of the page's largest.
        auto same = [&](double page, double section, double scale, const std::string& what) {
            EXPECT_NEAR(page, section, 5.1e-3 * std::fabs(section) + 1e-6 * scale) << what << " angle " << angle;
        };
        auto field = [](const Row& r, int c) { return r[r.size() - 3 + static_cast<std::size_t>(c)]; };
        // The spacing column: the distance travelled in one period 2 pi / mu at the wind's and the
        // current's mean speed, or at the group speed of the sea's peak (10 s) and of the swell's peak
        // index, taken from the period as typed (14 s; see the group spectra above).
        const double knot = 1852.0 / 3600.0 * GetParam().metres;
        const double speeds[kEnvironments] = {group_speed(10.0, GetParam().g, depth()), group_speed(10.0, GetParam().g, depth()),
                                              group_speed(14.0, GetParam().g, depth()), group_speed(14.0, GetParam().g, depth()),
                                              30.0 * knot,                            1.0 * knot};
        for (std::size_t e = 0; e < kEnvironments; ++e) {
            for (const Row& r : pages[e]) {
                ASSERT_EQ(r.size(), 6u) << environments[e];
                EXPECT_NEAR(r[2], speeds[e] * 2.0 * kPi / r[0], 2e-3 * r[2] + 0.006)
                    << environments[e] << " spacing, angle " << angle << " w " << r[0];
            }
        }
        bool at_brvfrq = false;
        for (std::size_t i = 0; i < sum.size(); ++i) {
            double scale = 0.0;
            for (int c = 0; c < 3; ++c) {
                for (const auto& page : pages) scale = std::max(scale, std::fabs(field(page[i], c)));
            }
            for (int c = 0; c < 3; ++c) {
                double total = 0.0;
                for (const auto& page : pages) total += field(page[i], c);
                EXPECT_NEAR(field(sum[i], c), total, 1.5e-2 * std::fabs(total) + 1e-6 * scale)
                    << "summed page, angle " << angle << " w " << sum[i][0] << " column " << c + 1;
            }
            if (std::fabs(sum[i][0] - brvfrq) > 1e-6) continue;
            at_brvfrq = true;
            const Row& ix_row_x = net[0][p];
            ASSERT_NEAR(360.0 - ix_row_x[0], angle, 1e-9);
            for (int c = 0; c < 3; ++c) {
                const std::size_t s = static_cast<std::size_t>(1 + c);
                const Row& ix = net[static_cast<std::size_t>(c)][p];
                same(field(pages[kSeaReflection][i], c), sea[p][s], scale, "VIIs reflection against IVa");
                same(field(pages[kSwellReflection][i], c), sea[p][s + 3], scale, "VIIs swell reflection against IVa");
                same(field(pages[kWind][i], c), wind_current[p][s], scale, "VIIq against VII wind");
                same(field(pages[kCurrent][i], c), wind_current[p][s + 3], scale, "VIIr against VII current");
                same(field(pages[kSeaAbsorption][i], c), ix[2], scale, "VIIs absorption against IX");
                same(field(pages[kSwellReflection][i], c), ix[5], scale, "VIIs swell reflection against IX");
                same(field(pages[kSwellAbsorption][i], c), ix[6], scale, "VIIs swell absorption against IX");
                EXPECT_LE(drag[p][s], ix[2] * (1.0 + 1.1e-3) + 1e-6 * scale)
                    << "IVb is the pure drag part of the IX absorption column, angle " << angle;
                EXPECT_LE(drag[p][s + 3], ix[6] * (1.0 + 1.1e-3) + 1e-6 * scale)
                    << "IVb's swell half is the pure drag part of the IX swell absorption column, angle " << angle;
            }
        }
        EXPECT_TRUE(at_brvfrq) << "no row at BRVFRQ, angle " << angle;
    }
}

// The metric ship with the A.P.I. wind spectrum (peak parameter 0.025) in place of Davenport's; the
// rest of the case is the metric ship's, swell included.
TEST(ReferenceShipApiWind, WindSpeedSpectrumIsTheApiFormula) {
    ShipOptions o;
    o.api_wind = true;
    const CaseRun& run = case_run(o);
    ASSERT_EQ(run.status, 0) << run.err;
    const Report r(run.report);

    // The A.P.I. wind spectrum (API RP 2A): S(f) = sigma^2 / f_p / (1 + 1.5 f / f_p)^(5/3), with
    // sigma the turbulence intensity 0.15 (z / 20 m)^-0.125 at z = 10 m times U and f_p = a U / z
    // (a = 0.025); per rad/s S(w) = S(f) / 2 pi.
    const double U = 30.0 * 1852.0 / 3600.0, z = 10.0, a = 0.025;
    const double sigma = 0.15 * std::pow(z / 20.0, -0.125) * U, fp = a * U / z;
    ASSERT_NE(r.find("VIIp."), nullptr);
    const auto rows = r.find("VIIp.")->rows(6);
    ASSERT_EQ(rows.size(), 41u);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const double w = rows[i][0], f = w / (2.0 * kPi);
        const double Sw = sigma * sigma / fp / std::pow(1.0 + 1.5 * f / fp, 5.0 / 3.0) / (2.0 * kPi);
        EXPECT_NEAR(rows[i][4], Sw, 0.004 * Sw + 0.006 * std::pow(10.0, std::floor(std::log10(Sw)))) << "w " << w;
    }
}

// Without current the tanh-law coefficient has its closed form on section Ia:
// Cx = -(1/3)(1 + tanh(k L / 2 - 3.5)) cos(attack), Cy the same with sin, Cz = 0 (unit factors),
// times the finite-depth factor 1 + 2kh / sinh 2kh = 2 c_g / c, twice the ratio of group to phase
// speed: the mean force of a wave fully reflected by a wall in water of depth h over its deep-water
// value. It is 1 in deep water and grows towards 2 in shallow water. The drift model forms it as
// 2 sqrt(k / g) times a group speed built on the deep-water phase speed, 0.5 sqrt(g / k)
// (1 + 2kh / sinh 2kh); the true group speed (w / 2k)(1 + 2kh / sinh 2kh) in its place would carry an
// extra sqrt(tanh kh), 3 % at kh 1.7. Every row is checked, those of finite depth (kh down to 0.67)
// included.
TEST(ReferenceShipWithoutCurrent, ReflectionCoefficientsFollowTheTanhLaw) {
    const CaseRun& run = ship_run(Units::metric, false);
    ASSERT_EQ(run.status, 0) << run.err;
    const Report r(run.report);
    const auto pages = r.all("Ia.");
    ASSERT_EQ(pages.size(), 13u);
    std::size_t finite_depth_rows = 0;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const double a = rad(15.0 * static_cast<double>(p));
        const auto rows = pages[p]->rows(7);
        ASSERT_EQ(rows.size(), 55u);
        for (const Row& row : rows) {
            const double w = 2.0 * kPi / row[0];
            const double k = wave_number(w, 9.8, 100.0);
            const double kh2 = 2.0 * k * 100.0;
            const double depth_factor = 1.0 + kh2 / std::sinh(kh2);
            const double c = -(1.0 / 3.0) * (1.0 + std::tanh(0.5 * k * 150.0 - 3.5)) * depth_factor;
            if (depth_factor > 1.001) ++finite_depth_rows;
            const double band = 1.5e-5 + 2e-3 * std::fabs(c);
            EXPECT_NEAR(row[4], c * std::cos(a), band) << "angle " << deg(a) << " T " << row[0];
            EXPECT_NEAR(row[5], c * std::sin(a), band) << "angle " << deg(a) << " T " << row[0];
            EXPECT_NEAR(row[6], 0.0, 6e-6);
        }
    }
    EXPECT_GT(finite_depth_rows, 0u) << "the case has no wave that feels the bottom";
}

// The moment arm: the metric ship run again with its yaw moments taken about x = 20 m (BRVARM) in
// place of midships. Each mean moment moves by the lever times its own sway force, M(20) = M(0) -
// 20 m x Fy, row for row against the run about midships: in sections IIIa and IIIb, in section VI
// (wind and current), and in every source column and the NET column of the IX yaw-moment page, whose
// NET goes on to page X. The spectra of sections IVa and IVb and of the IX spectra pages are not moved
// (their pages state Xves = .00): they repeat the run about midships.
TEST(ReferenceShipWithMomentArm, MeanMomentsMoveToTheArm) {
    const double arm = 20.0;
    const CaseRun& base = ship_run(Units::metric);
    ASSERT_EQ(base.status, 0) << base.err;
    const RunOutcome run = run_reference([&] {
        enter_reference_case();
        edit_on_disk({{474, real_word(static_cast<float>(arm))}});  // BRVARM
    });
    ASSERT_EQ(run.program.status, 0) << run.program.err;
    const Report r0(base.report), r(run.report);
    // Two printed values of the 1PE10.3 layout, each within half a unit of its last place.
    auto moved = [&](double m, double m0, double fy, const std::string& what) {
        EXPECT_NEAR(m, m0 - arm * fy, e_rounding(m) + e_rounding(m0) + arm * e_rounding(fy)) << what;
    };
    // (section, column of Fy, column of Mz) of the mean pages.
    const std::tuple<const char*, std::size_t, std::size_t> mean[] = {
        {"IIIa.", 2, 3}, {"IIIb.", 2, 3}, {"VI.", 2, 3}, {"VI.", 5, 6}};
    bool any_sway = false;
    for (const auto& [prefix, y, z] : mean) {
        ASSERT_NE(r.find(prefix), nullptr) << prefix;
        const auto a = r.find(prefix)->rows(4), b = r0.find(prefix)->rows(4);
        ASSERT_EQ(a.size(), 13u) << prefix;
        ASSERT_EQ(b.size(), 13u) << prefix;
        for (std::size_t i = 0; i < a.size(); ++i) {
            EXPECT_NEAR(a[i][y], b[i][y], e_rounding(b[i][y])) << prefix << " the sway force does not move";
            moved(a[i][z], b[i][z], b[i][y], std::string(prefix) + " angle " + std::to_string(b[i][0]));
            any_sway = any_sway || std::fabs(b[i][y]) > 1.0;
        }
    }
    EXPECT_TRUE(any_sway) << "no sway force to move a moment with";
    const auto pages = r.all("IX. Net Environmental Forces"), pages0 = r0.all("IX. Net Environmental Forces");
    ASSERT_EQ(pages.size(), 3u);
    ASSERT_EQ(pages0.size(), 3u);
    const auto fy = pages0[1]->rows(9), mz = pages[2]->rows(9), mz0 = pages0[2]->rows(9);
    ASSERT_EQ(mz.size(), 13u);
    for (std::size_t i = 0; i < mz.size(); ++i) {
        for (std::size_t c = 1; c <= 8; ++c) {
            moved(mz[i][c], mz0[i][c], fy[i][c], "IX yaw page heading " + std::to_string(mz0[i][0]) + " column " + std::to_string(c));
        }
    }
    const auto summary = r.find("X.")->rows(9);
    ASSERT_EQ(summary.size(), 13u);
    for (std::size_t i = 0; i < summary.size(); ++i) {
        EXPECT_NEAR(summary[i][8], mz[i][8], e_rounding(mz[i][8])) << "page X moment, heading " << summary[i][0];
    }
    for (const char* prefix : {"IVa.", "IVb."}) {
        EXPECT_EQ(r.find(prefix)->rows(4), r0.find(prefix)->rows(4)) << prefix;
    }
    const auto spectra = r.all("IX. Net Environmental Force & Moment Spectra"), spectra0 = r0.all("IX. Net Environmental Force & Moment Spectra");
    ASSERT_EQ(spectra.size(), 3u);
    ASSERT_EQ(spectra0.size(), 3u);
    EXPECT_EQ(spectra[2]->rows(9), spectra0[2]->rows(9));
}

INSTANTIATE_TEST_SUITE_P(Units, TanhLawCase, ::testing::Values(kMetric, kEnglish, kDiscMetric, kDiscEnglish),
                         [](const auto& info) {
                             return std::string(info.param.hull == Hull::ship ? "Ship" : "Disc") +
                                    (info.param.units == Units::metric ? "Metric" : "English");
                         });
INSTANTIATE_TEST_SUITE_P(Units, ReferenceCase, ::testing::Values(kMetric, kEnglish, kDiscMetric, kDiscEnglish, kSemiMetric,
                                                              kSemiEnglish, kJonswapTankerMetric, kJonswapTankerEnglish),
                         [](const auto& info) {
                             const char* hull = info.param.jonswap_tanker      ? "JonswapTanker"
                                                : info.param.hull == Hull::ship ? "Ship"
                                                : info.param.hull == Hull::disc ? "Disc"
                                                                                : "Semi";
                             return std::string(hull) +
                                    (info.param.units == Units::metric ? "Metric" : "English");
                         });

// The ship with the General JONSWAP sea (4 m, 10 s peak, gamma 3.3, widths 0.07 below and 0.09 above
// the peak) and the 2001 tanker drift model, in both units.
class JonswapTankerCase : public ReferenceCase {};

// The JONSWAP normaliser N = integral over x > 0 of x^-5 exp(-5/4 x^-4) gamma^r(x),
// r = exp(-(x - 1)^2 / 2 sigma^2), sigma the width of the side of x = 1; by Simpson's rule in double
// on a fine grid, the tail beyond x = 60 (1 / (4 60^4), 1e-7 of N) left out.
double jonswap_normaliser(double gamma, double sigma_a, double sigma_b) {
    const int n = 200000;
    const double a = 0.05, b = 60.0, h = (b - a) / n;
    auto f = [&](double x) {
        const double s = x <= 1.0 ? sigma_a : sigma_b;
        return std::pow(x, -5.0) * std::exp(-1.25 * std::pow(x, -4.0)) *
               std::pow(gamma, std::exp(-(x - 1.0) * (x - 1.0) / (2.0 * s * s)));
    };
    double sum = f(a) + f(b);
    for (int i = 1; i < n; ++i) sum += (i % 2 == 1 ? 4.0 : 2.0) * f(a + h * i);
    return sum * h / 3.0;
}

// Section VIII's sea spectrum, row by row, against the JONSWAP closed form
// S(w) = Hs^2 wp^4 / (16 N) w^-5 exp(-5/4 (wp / w)^4) gamma^r, whose integral over all frequencies is
// Hs^2 / 16: the peak enhancement with its own width on each side of the peak (the rows next to the
// 10 s peak, 10.5 s and 9.5 s, differ by 9 % and 6 % if the widths are swapped), the peak at the
// 10 s row; and the calculated height against 4 sqrt(m0) of the closed form over the grid's band
// of periods, 3 to 30 s, integrated finely here (the program integrates the printed rows).
TEST_P(JonswapTankerCase, SeaSpectrumIsTheJonswapShape) {
    const UnitSystem u = GetParam();
    // The quadrature against closed forms: without the enhancement N is 1/5, and the normaliser of
    // gamma 3.3 with these widths is the published 0.3049 of the mean JONSWAP shape.
    ASSERT_NEAR(jonswap_normaliser(1.0, 0.07, 0.09), 0.2, 1e-7);
    const double N = jonswap_normaliser(kJonswapGamma, kJonswapSigmaA, kJonswapSigmaB);
    ASSERT_NEAR(N, 0.3049, 5e-4);
    const double Hs = 4.0 * u.metres, wp = 2.0 * kPi / double(kJonswapPeak);
    auto S = [&](double w) {
        const double s = w <= wp ? double(kJonswapSigmaA) : double(kJonswapSigmaB);
        const double r = std::exp(-(w / wp - 1.0) * (w / wp - 1.0) / (2.0 * s * s));
        return Hs * Hs * std::pow(wp, 4.0) / (16.0 * N) * std::pow(w, -5.0) * std::exp(-1.25 * std::pow(wp / w, 4.0)) *
               std::pow(double(kJonswapGamma), r);
    };
    const Section& s = one("VIII.");
    EXPECT_TRUE(std::any_of(s.lines.begin(), s.lines.end(), [](const std::string& line) {
        return line.find("Wave Spectral Type -- General JONSWAP") != std::string::npos;
    }));
    const auto rows = s.rows(5);
    ASSERT_EQ(rows.size(), 55u);
    double peak = 0.0, peak_period = 0.0;
    for (const Row& r : rows) {
        const double expected = S(2.0 * kPi / r[0]);
        // Four decimals printed; the program's single precision and its normaliser's quadrature.
        EXPECT_NEAR(r[4], expected, 2e-3 * expected + 5.1e-5) << "T " << r[0];
        if (r[4] > peak) {
            peak = r[4];
            peak_period = r[0];
        }
    }
    EXPECT_NEAR(peak_period, kJonswapPeak, 1e-9);
    // The peak itself: Hs^2 / (16 N wp) exp(-5/4) gamma.
    EXPECT_NEAR(peak, Hs * Hs / (16.0 * N * wp) * std::exp(-1.25) * double(kJonswapGamma), 2e-3 * peak + 5.1e-5);
    const double w_min = 2.0 * kPi / 30.0, w_max = 2.0 * kPi / 3.0;
    double m0 = 0.0;
    const int n = 20000;
    for (int i = 0; i <= n; ++i) {
        const double weight = i == 0 || i == n ? 1.0 : (i % 2 == 1 ? 4.0 : 2.0);
        m0 += weight * S(w_min + (w_max - w_min) * i / n);
    }
    m0 *= (w_max - w_min) / n / 3.0;
    const double Hc = s.value_after("Calculated Significant wave height ...");
    EXPECT_NEAR(Hc, 4.0 * std::sqrt(m0), 0.01 * Hc + 0.0051);
    EXPECT_LT(4.0 * std::sqrt(m0), Hs);  // the band leaves some of the sea out
}

// Section IIIa's yaw moment is the IX yaw page's reflection column, row by row, for the sea and the
// swell; and it is no zero moment: the tanker model's moment reaches a few per cent of the
// waterline length times the largest sway force, where a moment that had lost its length would not.
TEST_P(JonswapTankerCase, ReflectionYawMomentIsTheIXReflectionColumn) {
    const UnitSystem u = GetParam();
    const double L = static_cast<double>(hull_size(u.hull).L) * u.metres;
    const auto mean = one("IIIa.").rows(7);
    const auto pages = report().all("IX. Net Environmental Forces");
    ASSERT_EQ(pages.size(), 3u);
    const auto yaw = pages[2]->rows(9);
    ASSERT_EQ(mean.size(), 13u);
    ASSERT_EQ(yaw.size(), 13u);
    for (const std::size_t half : {0u, 3u}) {  // the sea, then the swell
        const char* what = half == 0 ? "sea" : "swell";
        const std::size_t column = half == 0 ? 1 : 5;
        double largest_mz = 0.0, largest_fy = 0.0;
        for (std::size_t i = 0; i < mean.size(); ++i) {
            ASSERT_NEAR(360.0 - yaw[i][0], mean[i][0], 1e-9);
            const double mz = mean[i][3 + half];
            EXPECT_NEAR(yaw[i][column], mz, e_rounding(mz) + e_rounding(yaw[i][column]) + 1e-6 * L)
                << what << " angle " << mean[i][0];
            largest_mz = std::max(largest_mz, std::fabs(mz));
            largest_fy = std::max(largest_fy, std::fabs(mean[i][2 + half]));
        }
        EXPECT_GT(largest_fy, 1.0 * u.tonnes) << what;
        EXPECT_GT(largest_mz, 0.03 * L * largest_fy) << what << ": no yaw moment to compare";
    }
}

INSTANTIATE_TEST_SUITE_P(Units, JonswapTankerCase, ::testing::Values(kJonswapTankerMetric, kJonswapTankerEnglish),
                         [](const auto& info) { return info.param.units == Units::metric ? "Metric" : "English"; });

// Sections whose rows the twin cases must share: (title prefix, first column, columns, kind of each).
// The English twin converts forces by 2.20462 kips per tonne and lengths by 3.28084 ft per metre.
struct Twins {
    Hull hull;
    bool jonswap_tanker;
    const char* name;
};

class ReferenceUnits : public ::testing::TestWithParam<Twins> {};

TEST_P(ReferenceUnits, EnglishTwinAgreesWithMetricCase) {
    const CaseRun& m = ship_run(Units::metric, true, GetParam().hull, GetParam().jonswap_tanker);
    const CaseRun& e = ship_run(Units::english, true, GetParam().hull, GetParam().jonswap_tanker);
    ASSERT_EQ(m.status, 0) << m.err;
    ASSERT_EQ(e.status, 0) << e.err;
    const Report rm(m.report), re(e.report);
    const double F = 2.20462, M = 2.20462 * 3.28084;
    struct Table {
        const char* prefix;
        std::vector<double> factor;  // per column after the first; 0 leaves the column out
    };
    const Table tables[] = {
        {"Ib.", {0, 0, 0, 1, 1, 1}},  // the coefficients, dimensionless (the wave columns are checked above)
        {"IIIa.", {F, F, M, F, F, M}},  // the sea's half, then the swell's
        {"IIIb.", {F, F, M, F, F, M}},
        {"IVa.", {F * F, F * F, M * M, F * F, F * F, M * M}},
        {"IVb.", {F * F, F * F, M * M, F * F, F * F, M * M}},
        {"V.", {1, 1, 1, 1, 1, 1}},
        {"VI.", {F, F, M, F, F, M}},
        {"VII.", {F * F, F * F, M * M, F * F, F * F, M * M}},
    };
    for (const Table& t : tables) {
        ASSERT_NE(rm.find(t.prefix), nullptr) << t.prefix;
        ASSERT_NE(re.find(t.prefix), nullptr) << t.prefix;
        const auto a = rm.find(t.prefix)->rows(t.factor.size() + 1);
        const auto b = re.find(t.prefix)->rows(t.factor.size() + 1);
        ASSERT_EQ(a.size(), b.size()) << t.prefix;
        for (std::size_t i = 0; i < a.size(); ++i) {
            double scale = 0.0;
            for (std::size_t c = 0; c < t.factor.size(); ++c) {
                scale = std::max(scale, std::fabs(a[i][c + 1] * t.factor[c]));
            }
            for (std::size_t c = 0; c < t.factor.size(); ++c) {
                if (t.factor[c] == 0.0) continue;  // a column not compared here
                const double expected = a[i][c + 1] * t.factor[c];
                EXPECT_NEAR(b[i][c + 1], expected, 2e-3 * std::fabs(expected) + 1e-3 * scale + 1e-5)
                    << t.prefix << " row " << a[i][0] << " column " << c + 1;
            }
        }
    }
    // The requested and calculated heights of the sea and the swell, printed to two decimals.
    for (const char* label : {"Requested Significant wave height ....", "Calculated Significant wave height ...",
                              "Requested Significant swell height ...", "Calculated Significant swell height .."}) {
        const double a = rm.find("VIII.")->value_after(label), b = re.find("VIII.")->value_after(label);
        EXPECT_NEAR(b, a * 3.28084, 2e-3 * a * 3.28084 + 0.005 * 3.28084 + 0.005) << label;
    }
    // The IX pages of forces and moments and of their spectra, every column (absorption included).
    for (const char* prefix : {"IX. Net Environmental Forces", "IX. Net Environmental Force & Moment Spectra"}) {
    const bool spectra = std::string(prefix).find("Spectra") != std::string::npos;
    const auto pages_m = rm.all(prefix), pages_e = re.all(prefix);
    ASSERT_EQ(pages_m.size(), 3u);
    ASSERT_EQ(pages_e.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        const double f = spectra ? (k < 2 ? F * F : M * M) : (k < 2 ? F : M);
        const auto a = pages_m[k]->rows(9), b = pages_e[k]->rows(9);
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t i = 0; i < a.size(); ++i) {
            double scale = 0.0;
            for (int c = 1; c <= 8; ++c) scale = std::max(scale, std::fabs(a[i][c] * f));
            for (int c = 1; c <= 8; ++c) {
                EXPECT_NEAR(b[i][c], a[i][c] * f, 2e-3 * std::fabs(a[i][c] * f) + 1e-3 * scale + 1e-5)
                    << prefix << " page " << k + 1 << " heading " << a[i][0] << " column " << c;
            }
        }
    }
    }
    // The pages by attack angle, the swell's among them, and the summed pages: the frequencies
    // alike, the spacing (not on the summed pages) in feet, S(Fx) and S(Fy) times F^2, S(Mz) times M^2. Both sides are printed
    // as 1PE9.2, so each carries up to half a unit in its second decimal.
    for (const char* prefix : {"VIIs. Spectral Values: Wave Reflection", "VIIs. Spectral Values: Wave Absorption",
                               "VIIs. Spectral Values: Swell Reflection", "VIIs. Spectral Values: Swell Absorption",
                               "VIIq. Spectral Values: Wind", "VIIr. Spectral Values: Current", "VIIr. Summed Spectral Values"}) {
        const auto pages_m = rm.all(prefix), pages_e = re.all(prefix);
        ASSERT_EQ(pages_m.size(), 13u) << prefix;
        ASSERT_EQ(pages_e.size(), 13u) << prefix;
        for (std::size_t p = 0; p < 13; ++p) {
            const auto a = pages_m[p]->rows(5), b = pages_e[p]->rows(5);
            ASSERT_EQ(a.size(), b.size()) << prefix;
            for (std::size_t i = 0; i < a.size(); ++i) {
                ASSERT_EQ(a[i].size(), b[i].size()) << prefix;
                const std::size_t n = a[i].size();
                const std::string at = std::string(prefix) + " angle " + std::to_string(15 * p) + " w " + std::to_string(a[i][0]);
                EXPECT_EQ(b[i][0], a[i][0]) << at;
                if (!std::isfinite(a[i][1])) continue;  // the first row's "Infinity"
                if (n == 6) {  // frequency, period, spacing and three spectra; the summed pages have no spacing
                    EXPECT_NEAR(b[i][2], a[i][2] * 3.28084, 2e-3 * a[i][2] * 3.28084 + 0.006) << at << " spacing";
                }
                const double factor[3] = {F * F, F * F, M * M};
                double scale = 0.0;
                for (int c = 0; c < 3; ++c) scale = std::max(scale, std::fabs(a[i][n - 3 + static_cast<std::size_t>(c)] * factor[c]));
                for (int c = 0; c < 3; ++c) {
                    const std::size_t k = n - 3 + static_cast<std::size_t>(c);
                    const double expected = a[i][k] * factor[c];
                    EXPECT_NEAR(b[i][k], expected, 2e-3 * std::fabs(expected) + e_rounding(expected) + e_rounding(b[i][k]) + 1e-3 * scale + 1e-20)
                        << at << " column " << c + 1;
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Hulls, ReferenceUnits,
                         ::testing::Values(Twins{Hull::ship, false, "Ship"}, Twins{Hull::disc, false, "Disc"},
                                           Twins{Hull::semi, false, "Semi"}, Twins{Hull::ship, true, "JonswapTanker"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The metric ship with its report on the console, chosen on output options page 15 (item 25,
// "1) Console") and run by the interactive execute choice (3; the vessel-type warning takes one RETURN
// and offers the last page again). The console shows the report page by page; the run pauses after
// the title page, after each attack angle's Ia and Ib pages, after each IIa page, after each of the
// four III/IV pages, after V, VI and VII, not after VIIp and VIII, after VIIIp, after the X and Y
// pages of IX, before each IX spectra page (the first closes the yaw page) and after the last, after
// each page of the series by attack angle (wave reflection and absorption, wind, current, summed) and
// once after the series, and after page X. Each pause is a read: the run takes exactly that many
// answers, one fewer ends it at the end of input.
std::vector<std::string> console_run_sequence(const std::string& out) {
    const std::string prompt = "Press <RETURN> to continue: ";
    std::vector<std::string> seq;
    // The run starts at its banner; the editor's own pauses come before it.
    const std::size_t start = out.find(" >>> Brevant Version:");
    if (start == std::string::npos) return seq;
    std::istringstream in(out.substr(start));
    for (std::string line; std::getline(in, line);) {
        for (std::size_t at; (at = line.find(prompt)) != std::string::npos;) {
            seq.push_back("<pause>");
            line = line.substr(at + prompt.size());
        }
        const std::string title = Report::title_of(line);
        if (!title.empty()) seq.push_back(title);
    }
    return seq;
}

TEST(ReferenceConsoleRun, PausesWhereTheSectionsEnd) {
    const std::string editor = "M\nJ15\n25\n1\nL\n3\n\n3\n";
    std::vector<std::string> expected = {"<pause>"};  // the title page
    auto page = [&](const char* prefix, bool pause) {
        expected.push_back(prefix);
        if (pause) expected.push_back("<pause>");
    };
    for (int angle = 0; angle < 13; ++angle) {
        page("Ia.", false);
        page("Ib.", true);
    }
    for (int angle = 0; angle < 13; ++angle) page("IIa.", true);
    for (const char* p : {"IIIa.", "IIIb.", "IVa.", "IVb.", "V.", "VI.", "VII."}) page(p, true);
    page("VIIp.", false);
    page("VIII.", false);
    page("VIIIp.", true);
    page("IX. Net Environmental Forces", true);
    page("IX. Net Environmental Forces", true);
    page("IX. Net Environmental Forces", false);
    for (int k = 0; k < 3; ++k) {
        expected.push_back("<pause>");
        page("IX. Net Environmental Force & Moment Spectra", false);
    }
    expected.push_back("<pause>");
    for (int angle = 0; angle < 13; ++angle) {
        for (const char* p : {"VIIs. Spectral Values: Wave Reflection", "VIIs. Spectral Values: Wave Absorption",
                              "VIIs. Spectral Values: Swell Reflection", "VIIs. Spectral Values: Swell Absorption"}) {
            page(p, true);
        }
        expected.push_back("<pause>");  // the swell pair adds one pause, printed or not
        for (const char* p : {"VIIq. Spectral Values: Wind", "VIIr. Spectral Values: Current", "VIIr. Summed Spectral Values"}) {
            page(p, true);
        }
    }
    expected.push_back("<pause>");  // after the series
    page("X.", true);
    const auto pauses = static_cast<std::size_t>(std::count(expected.begin(), expected.end(), std::string("<pause>")));
    ASSERT_EQ(pauses, 147u);

    brevant::testing::ScratchDir dir;
    enter_reference_case();
    const ProgramResult r = run_brevant(editor + std::string(pauses, '\n'));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err.find("End of input"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists("BREVOUT.stxt")) << "the report went to the console, not to a file";
    const auto seq = console_run_sequence(r.out);
    std::size_t i = 0;
    for (; i < std::min(seq.size(), expected.size()); ++i) {
        if (seq[i].rfind(expected[i], 0) != 0) break;
    }
    EXPECT_EQ(i, expected.size()) << "the run departs from the pauses of its sections at step " << i << ": "
                                  << (i < seq.size() ? seq[i] : "(end)") << " where " << (i < expected.size() ? expected[i] : "(end)")
                                  << " was due";
    EXPECT_EQ(seq.size(), expected.size());

    // One answer fewer: the last pause meets the end of the input.
    brevant::testing::ScratchDir short_dir;
    enter_reference_case();
    const ProgramResult cut = run_brevant(editor + std::string(pauses - 1, '\n'));
    EXPECT_NE(cut.status, 0);
    EXPECT_NE(cut.err.find("End of input"), std::string::npos) << cut.err;
}

// The semi-submersible with drag on its members (drag coefficient 1 across each member, none
// along it), in metric and English units: the member drag with its current enters sections Ib, IIIb
// and IVb, and the two twins agree there after the unit conversion
// (forces 2.20462 kips per tonne, lengths 3.28084 ft per metre), so a wrong unit constant on the
// member drag path (a knot factor of the current, a density) shows up. The reference semi itself
// carries no member drag: its absorption pages are zero.
TEST(ReferenceSemiWithMemberDrag, EnglishTwinAgreesOnTheDragPages) {
    auto write = [](Units units) {
        enter_reference_case({units, true, Hull::semi});
        std::vector<std::pair<int, std::uint32_t>> drag;
        for (int i = 1; i <= 6; ++i) {
            for (int j = 1; j <= 2; ++j) drag.push_back({member_triple_word(4476, j, i), real_word(1.0f)});  // CYLCD
        }
        edit_on_disk(drag);
    };
    const RunOutcome m = run_reference([&] { write(Units::metric); }, "E\n\n");
    const RunOutcome e = run_reference([&] { write(Units::english); }, "E\n\n");
    ASSERT_EQ(m.program.status, 0) << m.program.err;
    ASSERT_EQ(e.program.status, 0) << e.program.err;
    const Report rm(m.report), re(e.report);
    const double F = 2.20462, M = 2.20462 * 3.28084;
    const std::pair<const char*, std::vector<double>> tables[] = {
        {"Ib.", {0, 0, 0, 1, 1, 1}}, {"IIIb.", {F, F, M}}, {"IVb.", {F * F, F * F, M * M}}};
    double largest = 0.0;
    for (const auto& [prefix, factor] : tables) {
        const auto pages_m = rm.all(prefix), pages_e = re.all(prefix);
        ASSERT_FALSE(pages_m.empty()) << prefix;
        ASSERT_EQ(pages_m.size(), pages_e.size()) << prefix;
        for (std::size_t p = 0; p < pages_m.size(); ++p) {
            const auto a = pages_m[p]->rows(factor.size() + 1), b = pages_e[p]->rows(factor.size() + 1);
            ASSERT_EQ(a.size(), b.size()) << prefix;
            for (std::size_t i = 0; i < a.size(); ++i) {
                double scale = 0.0;
                for (std::size_t c = 0; c < factor.size(); ++c) scale = std::max(scale, std::fabs(a[i][c + 1] * factor[c]));
                for (std::size_t c = 0; c < factor.size(); ++c) {
                    if (factor[c] == 0.0) continue;
                    const double expected = a[i][c + 1] * factor[c];
                    if (c < 2) largest = std::max(largest, std::fabs(a[i][c + 1]));
                    EXPECT_NEAR(b[i][c + 1], expected, 2e-3 * std::fabs(expected) + 1e-3 * scale + 1e-5)
                        << prefix << " page " << p + 1 << " row " << a[i][0] << " column " << c + 1;
                }
            }
        }
    }
    EXPECT_GT(largest, 0.0) << "no member drag";
}

// A second run of the same case writes the same report byte for byte, the time stamp apart.
TEST(ReferenceRegression, SecondRunWritesTheSameReport) {
    const CaseRun& first = ship_run(Units::metric);
    const RunOutcome again = run_reference([] { enter_reference_case(); });
    ASSERT_EQ(again.program.status, 0) << again.program.err;
    ASSERT_EQ(first.status, 0);
    EXPECT_EQ(without_time_stamp(again.report), without_time_stamp(first.report));
    EXPECT_NE(first.report.find("     Executed at "), std::string::npos);
}

// The silent execute choice writes the same report as the interactive one with the report on
// disk: the interactive run answers each of its pauses with RETURN (more answers than pauses; the
// unread rest is harmless), the time stamp apart.
TEST(ReferenceRegression, SilentRunWritesTheInteractiveReport) {
    const CaseRun& silent = ship_run(Units::metric);
    ASSERT_EQ(silent.status, 0) << silent.err;
    const RunOutcome interactive = run_reference([] { enter_reference_case(); }, "E\n\n3\n" + std::string(4000, '\n'));
    ASSERT_EQ(interactive.program.status, 0) << interactive.program.err;
    ASSERT_FALSE(interactive.report.empty());
    EXPECT_EQ(without_time_stamp(interactive.report), without_time_stamp(silent.report));
    // The run was the interactive one: its console shows more than the silent run's.
    const RunOutcome quiet = run_reference([] { enter_reference_case(); });
    ASSERT_EQ(quiet.program.status, 0) << quiet.program.err;
    EXPECT_GT(interactive.program.out.size(), quiet.program.out.size());
}

// ---- Regression fixtures -----------------------------------------------------------------------

// The reports of the cases are kept in tests/e2e/reference/fixtures/, one file per case named after
// its options, the time stamp replaced by a fixed text; each run's report must repeat its fixture
// line for line, the time stamp apart. A fixture is renewed on purpose only, never by a failing
// run: the test run with BREVANT_RENEW_REFERENCE=1 writes this build's reports over the stored
// ones (see README.md), and the commit gives the reason.
std::filesystem::path fixture_path(const ShipOptions& o) {
    return std::filesystem::path(BREVANT_SOURCE_DIR) / "tests" / "e2e" / "reference" / "fixtures" / (case_name(o) + ".txt");
}

bool renewing_fixtures() {
    const char* v = std::getenv("BREVANT_RENEW_REFERENCE");
    return v != nullptr && std::string(v) == "1";
}

// The report as stored: its time-stamp line keeps its place, so the line numbers of the fixture are
// those of the report, but not the host clock's time.
std::string as_fixture(const std::string& report) {
    std::istringstream in(report);
    std::string out;
    for (std::string line; std::getline(in, line);) out += (is_time_stamp(line) ? "     Executed at (time stamp not kept)" : line) + "\n";
    return out;
}

// A profile table of page 10: depths and speeds, as many rows as depths.
struct ProfileTable {
    std::vector<float> depths, speeds;
};

// The metric reference semi-submersible in a current that varies with depth as TABLE says (LCSTCR
// 2), its members with drag across them (CYLCD 1) or without, and the words EXTRA after.
void write_semi_in_profile(bool member_drag, const ProfileTable& table,
                           const std::vector<std::pair<int, std::uint32_t>>& extra = {}) {
    write_reference_ship({Units::metric, true, Hull::semi});
    std::vector<std::pair<int, std::uint32_t>> words = {
        {177, 2u}, {178, static_cast<std::uint32_t>(table.depths.size())}};  // LCSTCR the table, NCURNT
    for (std::size_t j = 0; j < table.depths.size(); ++j) {
        words.push_back({462 + static_cast<int>(j), real_word(table.depths[j])});  // DPTHI
        words.push_back({467 + static_cast<int>(j), real_word(table.speeds[j])});  // VELI
    }
    if (member_drag)
        for (int i = 1; i <= 6; ++i)
            for (int j = 1; j <= 2; ++j) words.push_back({member_triple_word(4476, j, i), real_word(1.0f)});  // CYLCD
    words.insert(words.end(), extra.begin(), extra.end());
    edit_on_disk(words);
}

// The semi-submersibles of 20 m draft (the reference one, whose members carry no drag, and the one
// with drag across its members) in a current that varies with depth as the profile table of page 10
// says (LCSTCR 2). The run takes the current at the levels of the members' draft, 0 to 20 m. A depth
// given twice where no level falls at the first of the two or below the last (30, 30, 50: every
// level above the first point; 5, 10, 50, 50: none below 50; 10, 20, 20: the deepest level on the
// last point, not below it) runs, and its report is the report of the table without the repeat, the
// time stamp apart; the reports of those tables all differ, so the table is in them. Two equal
// depths that a level reaches so (5, 10, 10: the levels below 10 m; 10, 10, 20: the level at 10 m)
// are refused before the run.
TEST(ReferenceSemiProfileTable, ADepthGivenTwiceWhereNoLevelLooksGivesTheReportWithoutIt) {
    const std::pair<ProfileTable, ProfileTable> recipes[] = {
        {{{30, 30, 50}, {0.8f, 0.8f, 0.0f}}, {{30, 50}, {0.8f, 0.0f}}},
        {{{5, 10, 50, 50}, {0.9f, 0.7f, 0.0f, 0.0f}}, {{5, 10, 50}, {0.9f, 0.7f, 0.0f}}},
        {{{2, 4, 6, 30, 30}, {1.0f, 0.9f, 0.8f, 0.0f, 0.0f}}, {{2, 4, 6, 30}, {1.0f, 0.9f, 0.8f, 0.0f}}},
        {{{5, 5, 10, 15}, {0.8f, 0.8f, 0.5f, 0.0f}}, {{5, 10, 15}, {0.8f, 0.5f, 0.0f}}},
        {{{10, 20, 20}, {0.9f, 0.0f, 0.0f}}, {{10, 20}, {0.9f, 0.0f}}},
    };
    const ProfileTable refused[] = {{{5, 10, 10}, {0.9f, 0.5f, 0.0f}}, {{10, 10, 20}, {0.9f, 0.9f, 0.0f}}};
    for (const bool member_drag : {false, true}) {
        const std::string semi = member_drag ? "the semi with member drag" : "the reference semi";
        std::vector<std::string> reports;
        for (const auto& [repeated, single] : recipes) {
            const std::string what = semi + ", " + ::testing::PrintToString(repeated.depths);
            const RunOutcome a = run_reference([&] { write_semi_in_profile(member_drag, repeated); }, "E\n\n");
            const RunOutcome b = run_reference([&] { write_semi_in_profile(member_drag, single); }, "E\n\n");
            ASSERT_EQ(a.program.status, 0) << what << "\n" << a.program.out << a.program.err;
            ASSERT_EQ(b.program.status, 0) << what << ", once\n" << b.program.err;
            EXPECT_EQ(a.program.out.find("Current profile depths"), std::string::npos) << what;
            // A report holding a number field of NaN or Infinity ends with status 1 and says so.
            EXPECT_EQ(a.program.out.find("NaN or Infinity"), std::string::npos) << what;
            const LineDifference d = first_difference(a.report, b.report);
            EXPECT_EQ(d.line, 0u) << what << ": the report leaves that of the table without the repeat at line "
                                  << d.line << "\n  with it:    " << d.expected << "\n  without it: " << d.got;
            reports.push_back(without_time_stamp(b.report));
        }
        for (std::size_t i = 0; i < reports.size(); ++i)
            for (std::size_t j = i + 1; j < reports.size(); ++j)
                EXPECT_NE(reports[i], reports[j]) << semi << ": tables " << i + 1 << " and " << j + 1;
        for (const ProfileTable& t : refused) {
            const std::string what = semi + ", " + ::testing::PrintToString(t.depths);
            const RunOutcome r = run_reference([&] { write_semi_in_profile(member_drag, t); }, "E\n\n");
            EXPECT_EQ(r.program.status, 1) << what;
            EXPECT_NE(r.program.out.find(" ++> Fatal Warning: Current profile depths (page 10, item 5) are equal at points"),
                      std::string::npos)
                << what << "\n" << r.program.out;
            EXPECT_TRUE(r.report.empty()) << what;
        }
    }
}

// The same semi-submersibles with the sea and the swell off (LRANDM and LSWELL 0): the profile is
// then looked up only by the regular waves' absorption table (Ib), through the drag of the columns
// that pierce the surface. The reference semi's columns carry no drag, so Ib is 0 whatever the
// current at their levels: a depth given twice at the surface (0, 0, ...) or below the deepest
// level (..., 15, 15) runs, to the report of the table without it. With drag across the columns the
// same tables are refused before the run, where the run would divide by their interval of no width.
TEST(ReferenceSemiProfileTable, WithoutSeasADepthGivenTwiceCountsOnlyWhereTheColumnsDrag) {
    const std::vector<std::pair<int, std::uint32_t>> no_seas = {{172, 0u}, {174, 0u}};  // LRANDM, LSWELL
    const std::pair<ProfileTable, ProfileTable> recipes[] = {
        {{{0, 0, 30, 60, 100}, {1.0f, 0.9f, 0.7f, 0.4f, 0.0f}}, {{0, 30, 60, 100}, {0.9f, 0.7f, 0.4f, 0.0f}}},
        {{{0, 2, 5, 15, 15}, {1.0f, 0.9f, 0.7f, 0.4f, 0.0f}}, {{0, 2, 5, 15}, {1.0f, 0.9f, 0.7f, 0.4f}}},
    };
    std::vector<std::string> reports;
    for (const auto& [repeated, single] : recipes) {
        const std::string what = ::testing::PrintToString(repeated.depths);
        const RunOutcome a = run_reference([&] { write_semi_in_profile(false, repeated, no_seas); }, "E\n\n");
        const RunOutcome b = run_reference([&] { write_semi_in_profile(false, single, no_seas); }, "E\n\n");
        ASSERT_EQ(a.program.status, 0) << what << "\n" << a.program.out << a.program.err;
        ASSERT_EQ(b.program.status, 0) << what << ", once\n" << b.program.err;
        EXPECT_EQ(a.program.out.find("Current profile depths"), std::string::npos) << what;
        EXPECT_EQ(a.program.out.find("NaN or Infinity"), std::string::npos) << what;
        const LineDifference d = first_difference(a.report, b.report);
        EXPECT_EQ(d.line, 0u) << what << ": the report leaves that of the table without the repeat at line " << d.line
                              << "\n  with it:    " << d.expected << "\n  without it: " << d.got;
        // The regular waves' tables are there, so the current was at hand for them.
        EXPECT_NE(b.report.find("Ib. Dimensionless Regular Wave Absorption Coefficients"), std::string::npos) << what;
        reports.push_back(without_time_stamp(b.report));

        const RunOutcome r = run_reference([&] { write_semi_in_profile(true, repeated, no_seas); }, "E\n\n");
        EXPECT_EQ(r.program.status, 1) << what << ", the columns dragging";
        EXPECT_NE(r.program.out.find(" ++> Fatal Warning: Current profile depths (page 10, item 5) are equal at points"),
                  std::string::npos)
            << what << ", the columns dragging\n" << r.program.out;
        EXPECT_TRUE(r.report.empty()) << what;
    }
    EXPECT_NE(reports[0], reports[1]);
}

// The profile file "CRNTPROF.txt" (LCSTCR 3) on the reference semi-submersible of 20 m draft, for
// one attack angle (NUMBRV 1): the rule of the table of page 10. A depth given twice where no level
// of the draft falls between the two or at equal first depths (20 m twice: the deepest level is on
// the last point, not below it) runs, to the report of the file without the repeat; the same pair
// at 10 m, where the levels below 10 m look between them, is refused before the run by its line.
TEST(ReferenceSemiProfileTable, TheProfileFileFollowsTheRuleOfThePageTable) {
    const std::vector<std::pair<int, std::uint32_t>> words = {{179, 1u}, {176, 1u}, {177, 3u}};
    const auto run_with = [&words](const char* profile) {
        return run_reference(
            [&] {
                write_reference_ship({Units::metric, true, Hull::semi});
                edit_on_disk(words);
                brevant::testing::put_file("CRNTPROF.txt", profile);
            },
            "E\n\n");
    };
    const RunOutcome repeated = run_with("3\n10 1.0 180\n20 0.5 180\n20 0.2 180\n");
    const RunOutcome single = run_with("2\n10 1.0 180\n20 0.5 180\n");
    ASSERT_EQ(repeated.program.status, 0) << repeated.program.out << repeated.program.err;
    ASSERT_EQ(single.program.status, 0) << single.program.out << single.program.err;
    EXPECT_EQ(repeated.program.out.find("CRNTPROF.txt"), std::string::npos) << repeated.program.out;
    EXPECT_EQ(repeated.program.out.find("NaN or Infinity"), std::string::npos);
    const LineDifference d = first_difference(repeated.report, single.report);
    EXPECT_EQ(d.line, 0u) << "the report leaves that of the file without the repeat at line " << d.line
                          << "\n  with it:    " << d.expected << "\n  without it: " << d.got;
    // The profile is in the report: another speed at 20 m gives another one.
    const RunOutcome other = run_with("2\n10 1.0 180\n20 0.3 180\n");
    EXPECT_NE(without_time_stamp(other.report), without_time_stamp(single.report));

    const RunOutcome refused = run_with("3\n10 1.0 180\n15 0.5 180\n15 0.2 180\n");
    EXPECT_EQ(refused.program.status, 1);
    EXPECT_NE(refused.program.out.find(
                  " ++> Fatal Warning: The file \"CRNTPROF.txt\" of the current variation with depth (page 10, item 3)\n"
                  "     has equal depths at line 4 at an end of the table: no interval to interpolate in."),
              std::string::npos)
        << refused.program.out;
    EXPECT_TRUE(refused.report.empty());
}

// A profile point above the surface, alike in metres and in feet: on the reference ship the point
// at -1e19 m (-3.28e19 ft) gives the current's loads beyond single precision and is refused by page
// and item; the point at -1e18 m runs to a finite report.
TEST(ReferenceShipProfileTable, APointAboveTheSurfaceIsRefusedAlikeInBothUnits) {
    for (const Units units : {Units::metric, Units::english}) {
        const float length = units == Units::english ? kFeetPerMetre : 1.0f;
        for (const float depth : {-1e19f, -1e18f}) {
            const std::string what = std::string(units == Units::english ? "feet" : "metres") + ", " +
                                     ::testing::PrintToString(depth) + " m";
            const RunOutcome r = run_reference([&] {
                write_reference_ship({units, true, Hull::ship});
                edit_on_disk({{177, 2u}, {178, 1u}, {462, real_word(depth * length)}, {467, real_word(1.0f)}});
            });
            const bool refused = depth == -1e19f;
            EXPECT_EQ(r.program.status, refused ? 1 : 0) << what << "\n" << r.program.out;
            EXPECT_EQ(r.program.out.find(" ++> Fatal Warning: Current profile depths (page 10, item 5) give a mean "
                                         "current over the draft\n     whose loads are too large to compute.") !=
                          std::string::npos,
                      refused)
                << what << "\n" << r.program.out;
            EXPECT_EQ(r.report.empty(), refused) << what;
            EXPECT_EQ(r.program.out.find("NaN or Infinity"), std::string::npos) << what;
        }
    }
}

ShipOptions case_options(Hull hull, Units units, bool current = true, bool api_wind = false, bool jonswap_tanker = false) {
    ShipOptions o;
    o.hull = hull;
    o.units = units;
    o.current = current;
    o.api_wind = api_wind;
    o.jonswap_tanker = jonswap_tanker;
    return o;
}

class ReferenceFixture : public ::testing::TestWithParam<ShipOptions> {};

TEST_P(ReferenceFixture, ReportRepeatsItsFixture) {
    const ShipOptions o = GetParam();
    const CaseRun& run = case_run(o);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::filesystem::path path = fixture_path(o);
    if (renewing_fixtures()) {
        std::error_code ec;
        std::filesystem::create_directories(path.parent_path(), ec);
        std::ofstream out(path, std::ios::binary);
        out << as_fixture(run.report);
        out.close();
        ASSERT_TRUE(out.good()) << "could not write " << path;
        std::cout << "renewed " << path << "\n";
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in.good()) << "no fixture " << path << " for the case " << case_name(o)
                           << " (renew on purpose with BREVANT_RENEW_REFERENCE=1, see README.md)";
    const std::string fixture((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const LineDifference d = first_difference(fixture, run.report);
    EXPECT_EQ(d.line, 0u) << "the report of the case " << case_name(o) << " leaves its fixture " << path << " at line "
                          << d.line << "\n  expected: " << d.expected << "\n  got:      " << d.got;
}

INSTANTIATE_TEST_SUITE_P(Cases, ReferenceFixture,
                         ::testing::Values(case_options(Hull::ship, Units::metric), case_options(Hull::ship, Units::english),
                                           case_options(Hull::disc, Units::metric), case_options(Hull::disc, Units::english),
                                           case_options(Hull::semi, Units::metric), case_options(Hull::semi, Units::english),
                                           case_options(Hull::ship, Units::metric, false),
                                           case_options(Hull::ship, Units::metric, true, true),
                                           case_options(Hull::ship, Units::metric, true, false, true),
                                           case_options(Hull::ship, Units::english, true, false, true)),
                         [](const auto& info) { return case_name(info.param); });

}  // namespace
}  // namespace brevant::e2e::reference

// When the run reads a user file, a load model or a code, against the run itself. A row of a file
// sets up the deep-box case with one choice, leaves the file missing, and runs the whole analysis in
// the process: every reader names the file it misses before the run stops (a silent run stops
// there), so the run read the file exactly when its console names it. Each row says what the run
// does; the predicate the checks use must say the same, and the checks look at the file (or the
// code) exactly there: not where the run does not read it, and where it does.
#include "edlib/run_reads.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cstdint>
#include <cmath>
#include <cstdio>
#include <functional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "core/deep_box_case.h"
#include "core/semi_ring_case.h"
#include "edlib/consistency_warnings.h"
#include "edlib/current_load_checks.h"
#include "edlib/run_choice_checks.h"
#include "edlib/run_file_checks.h"
#include "edlib/run_input_checks.h"
#include "lowlib/drift_coefficients.h"
#include "lowlib/speed_spectra.h"
#include "lowlib/user_drift_table.h"
#include "lowlib/wind_current_coefficients.h"
#include "options/low_frequency_rows.h"
#include "options/output_selection.h"
#include "sysutl/program_end.h"
#include "sysutl/two_pi.h"
#include "veslib/user_raos.h"
#include "veslib/user_wave_spectrum.h"
#include "veslib/wave_spectra.h"

namespace brevant {
namespace {

using testing::bits;

// ---- The user files, against the run ---------------------------------------------------------

struct FileRow {
    const char* what;
    void (*choose)();  // on the deep-box case
    bool reads;        // what the run does
};

struct FilePredicate {
    const char* file;
    bool (*read)(const Tpcm&);
    std::vector<FileRow> rows;
};

void wind_on() {
    TPCM.LWIND = 1;
    TPCM.WNDSPD = 20.0f;
    TPCM.LWBARG = 0x555;
}
void current_on() {
    TPCM.LCURNT = 1;
    TPCM.CURSPD = 1.0f;
    TPCM.LCBARG = 0x777;
}
void swell_on() {
    TPCM.LSWELL = 1;
    TPCM.SWLTYP = 2;
    TPCM.SWELHT = 2.0f;
    TPCM.SWELPD = 8.0f;
    TPCM.SWLHDG = 180.0f;
}

bool drift_file_read(const Tpcm& t) { return regular_wave_drift_file_read(t) || wave_drift_file_read(t); }

const std::vector<FilePredicate>& file_predicates() {
    static const std::vector<FilePredicate> predicates = {
        {"WINDSPEC.txt",
         wind_spectrum_file_read,
         {
             {"the wind speed spectrum", [] { wind_on(); TPCM.WNDTYP = 6; TPCM.BRVFLG = bits({16}); }, true},
             {"the current speed spectrum beside it",
              [] { wind_on(); current_on(); TPCM.WNDTYP = 6; TPCM.BRVFLG = bits({15}); },
              true},
             {"the wind force spectra", [] { wind_on(); TPCM.WNDTYP = 6; TPCM.BRVFLG = bits({19}); }, true},
             {"the spectra by attack angle", [] { wind_on(); TPCM.WNDTYP = 6; TPCM.BRVFLG = bits({27}); }, true},
             {"the mean wind forces only", [] { wind_on(); TPCM.WNDTYP = 6; TPCM.BRVFLG = bits({18, 23}); }, false},
             {"no wind", [] { wind_on(); TPCM.LWIND = 0; TPCM.WNDTYP = 6; TPCM.BRVFLG = bits({16, 19, 27}); }, false},
             {"Davenport", [] { wind_on(); TPCM.WNDTYP = 1; TPCM.BRVFLG = bits({16}); }, false},
         }},
        {"CRNTSPEC.txt",
         current_spectrum_file_read,
         {
             {"the current speed spectrum", [] { current_on(); TPCM.CURTYP = 2; TPCM.BRVFLG = bits({15}); }, true},
             {"the current force spectra", [] { current_on(); TPCM.CURTYP = 2; TPCM.BRVFLG = bits({22}); }, true},
             {"the spectra by attack angle", [] { current_on(); TPCM.CURTYP = 2; TPCM.BRVFLG = bits({27}); }, true},
             {"no speed spectrum", [] { current_on(); TPCM.CURTYP = 2; TPCM.BRVFLG = bits({20, 21, 23}); }, false},
             {"no current", [] { current_on(); TPCM.LCURNT = 0; TPCM.CURTYP = 2; TPCM.BRVFLG = bits({15, 27}); }, false},
             {"band-limited white", [] { current_on(); TPCM.CURTYP = 3; TPCM.BRVFLG = bits({15}); }, false},
         }},
        {"CRNTPROF.txt",
         current_profile_file_read,
         {
             {"the profile file", [] { current_on(); TPCM.LCSTCR = 3; }, true},
             {"the profile table of page 10", [] { current_on(); TPCM.LCSTCR = 2; TPCM.NCURNT = 2; }, false},
             {"no current", [] { current_on(); TPCM.LCURNT = 0; TPCM.LCSTCR = 3; }, false},
         }},
        {"WAVSPEC.txt",
         [](const Tpcm& t) { return sea_spectrum_file_read(t) || swell_spectrum_file_read(t); },
         {
             {"the sea", [] { testing::add_sea(); TPCM.WAVTYP = kUserSpectrumFile; }, true},
             {"the swell", [] { swell_on(); TPCM.SWLTYP = kUserSpectrumFile; }, true},
             {"no sea", [] { TPCM.WAVTYP = kUserSpectrumFile; }, false},
             {"no swell", [] { swell_on(); TPCM.LSWELL = 0; TPCM.SWLTYP = kUserSpectrumFile; }, false},
         }},
        {"WINDCOFS.txt",
         wind_coefficient_file_read,
         {
             {"the wind table", [] { TPCM.LWBARG = 0x222; TPCM.BRVFLG = bits({17}); }, true},
             {"Cz alone", [] { TPCM.LWBARG = 0x255; TPCM.BRVFLG = bits({17}); }, true},
             {"the net loads without wind", [] { TPCM.LWBARG = 0x522; TPCM.BRVFLG = bits({23}); }, true},
             {"the mean forces without wind, cleared by the last page", [] { TPCM.LWBARG = 0x222; TPCM.BRVFLG = bits({18}); }, false},
             {"no table", [] { wind_on(); TPCM.LWBARG = 0x222; }, false},
         }},
        {"CRNTCOFS.txt",
         current_coefficient_file_read,
         {
             {"the current table", [] { TPCM.LCBARG = 0x222; TPCM.BRVFLG = bits({20}); }, true},
             {"Cz alone", [] { TPCM.LCBARG = 0x277; TPCM.BRVFLG = bits({20}); }, true},
             {"Cy alone, the regular-wave table", [] { TPCM.LCBARG = 0x727; TPCM.BRVFLG = bits({1}); }, true},
             {"the mean forces of a current", [] { current_on(); TPCM.LCBARG = 0x277; TPCM.BRVFLG = bits({21}); }, true},
             {"the mean forces without current, cleared by the last page", [] { TPCM.LCBARG = 0x277; TPCM.BRVFLG = bits({21}); }, false},
             {"the cylinder", [] { TPCM.LCBARG = 0x777; TPCM.BRVFLG = bits({20}); }, false},
         }},
        {"DRFTCOFS.txt",
         drift_file_read,
         {
             {"the reflection table", [] { TPCM.LWVCOF = 0x111; TPCM.BRVFLG = bits({1}); }, true},
             {"Cz alone", [] { TPCM.LWVCOF = 0x144; TPCM.BRVFLG = bits({1}); }, true},
             {"the mean forces of a sea", [] { testing::add_sea(); TPCM.LWVCOF = 0x111; TPCM.BRVFLG = bits({3}); }, true},
             {"the net loads of a swell", [] { swell_on(); TPCM.LWVCOF = 0x111; TPCM.BRVFLG = bits({23}); }, true},
             {"the mean forces without waves", [] { TPCM.LWVCOF = 0x111; TPCM.BRVFLG = bits({3, 23}); }, false},
             {"the absorption table alone", [] { TPCM.LWVCOF = 0x111; TPCM.BRVFLG = bits({11}); }, false},
         }},
        {"USERRAOS.txt",
         user_raos_read,
         {
             {"the net loads of a sea", [] { testing::add_sea(); TPCM.AUXVSH = 1; TPCM.BRVFLG = bits({23}); }, true},
             {"the net spectral tables of a sea",
              [] { testing::add_sea(); TPCM.AUXVSH = 1; TPCM.BRVFLG = bits({27}); },
              true},
             {"the reflection table of a swell", [] { swell_on(); TPCM.AUXVSH = 1; TPCM.BRVFLG = bits({1}); }, true},
             {"the absorption forces of a sea", [] { testing::add_sea(); TPCM.AUXVSH = 1; TPCM.BRVFLG = bits({13}); },
              true},
             {"the net spectral tables without waves", [] { TPCM.AUXVSH = 1; TPCM.BRVFLG = bits({27}); }, false},
             {"the net tables of wind and current without waves",
              [] { wind_on(); current_on(); TPCM.AUXVSH = 1; TPCM.BRVFLG = bits({19, 22, 23, 27}); },
              false},
             {"the wave spectrum of a sea", [] { testing::add_sea(); TPCM.AUXVSH = 1; TPCM.BRVFLG = bits({5}); }, false},
             {"the hull's own RAOs", [] { testing::add_sea(); TPCM.BRVFLG = bits({23}); }, false},
         }},
    };
    return predicates;
}

// The deep-box case with a low-frequency grid (30 s by 0.01 rad/s), every reader of a user file back
// at its start (a reader keeps the name of the file it last tried).
void fresh_case() {
    testing::reset_run_state();
    reset_uwndspec();
    reset_ucurspec();
    reset_usrwnd();
    reset_usrcrn();
    reset_drftcb();
    reset_drftc();
    reset_uwvspc();
    reset_usrrao();
    testing::store_deep_box_case();
    TPCM.BRV_PD_MIN() = 30.0f;
    TPCM.BRVFRQ_DELTA = 0.01f;
    TPCM.BRVFRQ = 0.05f;
}

// The row's choice, and the output options tidied as the last page tidies them before the checks and
// the run (no table of a load that is off).
void chosen(const FileRow& row) {
    row.choose();
    tidy_output_bits_at_last_page(TPCM);
}

class RunReadsFiles : public testing::DeepBoxRun {
protected:
    // The whole run; true when its console names FILE (the run stopped on it missing).
    bool run_names(const std::string& file) {
        try {
            BRVCOR();
        } catch (const ProgramEnd&) {
        }
        return silent().find("\"" + file) != std::string::npos;
    }
};

TEST_F(RunReadsFiles, EachFileIsReadWhereThePredicateSays) {
    for (const FilePredicate& p : file_predicates()) {
        for (const FileRow& row : p.rows) {
            fresh_case();
            clear_captured(SILENT_UNIT);
            chosen(row);
            EXPECT_EQ(p.read(TPCM), row.reads) << p.file << ", " << row.what;
            EXPECT_EQ(run_names(p.file), row.reads) << p.file << ", " << row.what << "\n" << silent();
        }
    }
}

// The checks before the run look for the missing file exactly where the run reads it.
TEST_F(RunReadsFiles, TheChecksLookForEachFileWhereTheRunReadsIt) {
    for (const FilePredicate& p : file_predicates()) {
        for (const FileRow& row : p.rows) {
            fresh_case();
            chosen(row);
            std::vector<std::string> named;
            for (const RunFileFinding& f : run_file_findings())
                if (f.lines.front().find("\"" + std::string(p.file) + "\"") != std::string::npos)
                    named.push_back(f.lines.front());
            EXPECT_EQ(named.size(), row.reads ? 1u : 0u) << p.file << ", " << row.what;
        }
    }
}

// ---- The current profile, against the run ------------------------------------------------------

bool finding_named(const std::vector<RunInputFinding>& found, const std::string& head) {
    return std::any_of(found.begin(), found.end(),
                       [&head](const RunInputFinding& f) { return f.front().find(head) != std::string::npos; });
}

// A row sets up the deep-box case as the member-built semi-submersible of four columns and four
// pontoons (20 m draft), in a current whose profile table of page 10 holds two equal depths at its
// deep end (5, 10, 10 m): wherever the run looks the current up below 10 m, the interpolation divides
// by the interval of no width between them, and where a table of the report shows the result, the
// report's last guard names its NaN. So the run used the profile exactly when the guard speaks; the
// same case with a sound table (5, 10, 15 m) gives a finite report, so the NaN is the table's.
struct ProfileRow {
    const char* what;
    void (*choose)();  // on the semi-submersible in a current
    bool looks_up;     // what the run does
};

void semi_in_current(Real deepest) {
    fresh_case();
    testing::shape_semi(TPCM, 4);
    Tpcm& P = TPCM;
    P.LCURNT = 1;
    P.CURSPD = 1.0f;
    P.CURHDG = 160.0f;
    P.LCBARG = 0x777;
    P.LCSTCR = 2;
    P.NCURNT = 3;
    const Real depths[3] = {5.0f, 10.0f, deepest};
    const Real speeds[3] = {1.0f, 0.5f, 0.0f};
    for (int j = 1; j <= 3; ++j) {
        P.DPTHI(j) = depths[j - 1];
        P.VELI(j) = speeds[j - 1];
    }
}

// No drag coefficient across the columns FIRST to LAST (members 1 to 4 of the semi, which pierce
// the surface).
void no_column_drag(Int first, Int last) {
    for (Int i = first; i <= last; ++i) TPCM.CYLCD(1, i) = TPCM.CYLCD(2, i) = 0.0f;
}

// The row's choice, tidied as the last page tidies the output options.
void chosen(const ProfileRow& row) {
    row.choose();
    tidy_output_bits_at_last_page(TPCM);
}

const std::vector<ProfileRow>& profile_rows() {
    static const std::vector<ProfileRow> rows = {
        {"Ib, the regular waves' absorption table", [] { TPCM.BRVFLG = bits({11}); }, true},
        {"Ib without the wave drag", [] { TPCM.LEGDRG = 1; TPCM.BRVFLG = bits({11}); }, false},
        {"Ib, no drag on the columns (the pontoons, under water, keep theirs)",
         [] { no_column_drag(1, 4); TPCM.BRVFLG = bits({11}); },
         false},
        {"Ib, drag on one column", [] { no_column_drag(2, 4); TPCM.BRVFLG = bits({11}); }, true},
        {"Ib of a regular wave of no height", [] { TPCM.SLPHT = 0.0f; TPCM.BRVFLG = bits({11}); }, false},
        {"IIIb of a sea, no drag on the columns",
         [] { testing::add_sea(); no_column_drag(1, 4); TPCM.BRVFLG = bits({13}); },
         true},
        {"no member through the surface, Ib and IIIb of a sea",
         [] {
             testing::add_sea();
             for (Int i = 1; i <= 4; ++i) TPCM.RCYLT(3, i) = 18.0f;
             TPCM.BRVFLG = bits({11, 13});
         },
         false},
        {"a column lifted clear of the water (its base above the draft), the others under it, Ib and IIIb of a sea",
         [] {
             testing::add_sea();
             for (Int i = 1; i <= 3; ++i) TPCM.RCYLT(3, i) = 18.0f;
             TPCM.RCYLB(3, 4) = 21.0f;
             TPCM.BRVFLG = bits({11, 13});
         },
         false},
        {"IIIb of a sea", [] { testing::add_sea(); TPCM.BRVFLG = bits({13}); }, true},
        {"IIIb of a sea, the wave drag left out of the report",
         [] { testing::add_sea(); TPCM.LEGDRG = 1; TPCM.BRVFLG = bits({13}); },
         true},
        {"IVb of a swell", [] { swell_on(); TPCM.BRVFLG = bits({14}); }, true},
        {"IIIb and IVb without waves", [] { TPCM.BRVFLG = bits({13, 14}); }, false},
        {"IX, the net loads of a sea", [] { testing::add_sea(); TPCM.BRVFLG = bits({23}); }, true},
        {"IX without the wave drag", [] { testing::add_sea(); TPCM.LEGDRG = 1; TPCM.BRVFLG = bits({23}); }, false},
        {"the absorption pages by attack angle (VIIs) of a sea, without the wave drag",
         [] { testing::add_sea(); TPCM.LEGDRG = 1; TPCM.BRVFLG = bits({10, 27}); },
         true},
        {"the summed page by attack angle of a sea", [] { testing::add_sea(); TPCM.BRVFLG = bits({9, 27}); }, true},
        {"the summed page without the wave drag",
         [] { testing::add_sea(); TPCM.LEGDRG = 1; TPCM.BRVFLG = bits({9, 27}); },
         false},
        {"the series by attack angle without a page", [] { testing::add_sea(); TPCM.BRVFLG = bits({27}); }, false},
        {"the series beyond its 1000 rows, the net spectra of a sea",
         [] { testing::add_sea(); TPCM.BRVFRQ_DELTA = 0.0002f; TPCM.BRVFLG = bits({4, 27}); },
         true},
        {"the series of exactly its 1000 rows, the absorption pages of a sea, without the wave drag",
         [] {
             testing::add_sea();
             TPCM.LEGDRG = 1;
             TPCM.BRVFRQ_DELTA = kTwoPi / (TPCM.BRV_PD_MIN() * 1000.5f);
             EXPECT_EQ(low_frequency_rows(TPCM.BRV_PD_MIN(), TPCM.BRVFRQ_DELTA), kMaxAngleSpectrumRows);
             TPCM.BRVFLG = bits({10, 27});
         },
         true},
        {"beyond its 1000 rows, without the wave drag",
         [] { testing::add_sea(); TPCM.LEGDRG = 1; TPCM.BRVFRQ_DELTA = 0.0002f; TPCM.BRVFLG = bits({4, 10, 27}); },
         false},
        {"the series without rows",
         [] { testing::add_sea(); TPCM.LEGDRG = 1; TPCM.BRVFRQ_DELTA = 0.0f; TPCM.BRVFLG = bits({10, 27}); },
         false},
        {"the reflection tables of a sea", [] { testing::add_sea(); TPCM.BRVFLG = bits({1, 2, 3, 4}); }, false},
        {"the current's own tables", [] { TPCM.BRVFLG = bits({20, 21, 22}); }, false},
        {"no attack angle", [] { testing::add_sea(); TPCM.NUMBRV = 0; TPCM.BRVFLG = bits({11, 13, 23}); }, false},
        {"no current",
         [] { testing::add_sea(); TPCM.LCURNT = 0; TPCM.BRVFLG = bits({9, 10, 11, 13, 14, 23, 27}); },
         false},
        {"the box ship",
         [] {
             // The table's equal depths within the ship's 8 m draft.
             fresh_case();
             testing::add_sea();
             current_on();
             TPCM.LCSTCR = 2;
             TPCM.NCURNT = 3;
             for (int j = 1; j <= 3; ++j) {
                 TPCM.DPTHI(j) = j == 1 ? 2.0f : 4.0f;
                 TPCM.VELI(j) = j == 1 ? 1.0f : 0.0f;
             }
             TPCM.BRVFLG = bits({9, 10, 11, 13, 14, 23, 27});
         },
         false},
    };
    return rows;
}

class RunReadsProfile : public testing::DeepBoxRun {
protected:
    // The whole run; true when its last guard found NaN or Infinity in the report. A run that ends
    // before its end for any other reason fails the row: it may have stopped before the look-up.
    bool run_gives_nan() {
        clear_captured(SILENT_UNIT);
        const auto guard_spoke = [this] {
            return silent().find(" NaN or Infinity (the first in section") != std::string::npos;
        };
        try {
            BRVCOR();
        } catch (const ProgramEnd&) {
            EXPECT_TRUE(guard_spoke()) << "the run stopped before its end\n" << silent().substr(0, 4000);
            return guard_spoke();
        }
        EXPECT_FALSE(guard_spoke());
        return false;
    }
};

TEST_F(RunReadsProfile, TheProfileIsLookedUpWhereThePredicateSays) {
    for (const ProfileRow& row : profile_rows()) {
        semi_in_current(10.0f);
        chosen(row);
        EXPECT_EQ(current_profile_looked_up(TPCM), row.looks_up) << row.what;
        EXPECT_EQ(run_gives_nan(), row.looks_up) << row.what << "\n" << silent().substr(0, 4000);
        if (!row.looks_up) continue;
        semi_in_current(15.0f);
        chosen(row);
        EXPECT_FALSE(run_gives_nan()) << row.what << ", a sound table\n" << silent().substr(0, 4000);
    }
}

// The checks refuse the table by page and item exactly where the run looks it up.
TEST_F(RunReadsProfile, TheChecksRefuseTheTableWhereTheRunLooksItUp) {
    const std::string refused =
        " ++> Fatal Warning: Current profile depths (page 10, item 5) are equal at points 2 and 3";
    for (const ProfileRow& row : profile_rows()) {
        semi_in_current(10.0f);
        chosen(row);
        EXPECT_EQ(finding_named(run_input_findings(), refused), row.looks_up) << row.what;
        semi_in_current(15.0f);
        chosen(row);
        EXPECT_FALSE(finding_named(run_input_findings(), refused)) << row.what << ", a sound table";
    }
}

// Tables of two equal depths on the semi-submersible: the checks refuse a table exactly where the
// whole run finds NaN or Infinity in its report, for the regular waves' absorption (Ib: the levels the
// drag over the draft steps down to), the mean absorption of a sea (IIIb: the levels of the spectral
// preparation) and the absorption spectra of a swell (IVb: both). At the 20 m draft the levels are
// 0, 2, ..., 20 m whichever way they are made; at 21 m the stepped ones end 2 ulp below the keel
// (21.000002 m), at 19 m 1 ulp above it (18.999998 m), where the scaled ones end at the draft.
// One division by 0 leaves no NaN in the report: the spectra's narrow-band term takes the stepped
// levels, and its NaN fails the comparison that would choose it, so the spectra are those of a case
// without that term. The checks refuse it all the same.
TEST_F(RunReadsProfile, TheChecksRefuseEqualDepthsExactlyWhereTheRunDividesByThem) {
    struct Row {
        std::vector<Real> depths;
        Real draft;
        bool refused[3];  // Ib, IIIb, IVb
        bool dropped = false;  // the division of IVb is in its narrow-band term alone
    };
    const Row rows[] = {
        {{30, 30, 50}, 20, {false, false, false}},
        {{5, 10, 50, 50}, 20, {false, false, false}},
        {{2, 4, 6, 30, 30}, 20, {false, false, false}},
        {{5, 5, 10, 15}, 20, {false, false, false}},
        {{10, 20, 20}, 20, {false, false, false}},
        {{5, 10, 10}, 20, {true, true, true}},
        {{10, 10, 20}, 20, {true, true, true}},
        {{10, 21, 21}, 21, {true, false, true}, true},
        {{19, 19, 30}, 19, {false, true, true}},
    };
    const std::pair<const char*, void (*)()> tables[] = {
        {"Ib", [] { TPCM.BRVFLG = bits({11}); }},
        {"IIIb of a sea", [] { testing::add_sea(); TPCM.BRVFLG = bits({13}); }},
        {"IVb of a swell", [] { swell_on(); TPCM.BRVFLG = bits({14}); }},
    };
    const Real speeds[] = {1.0f, 0.8f, 0.6f, 0.3f, 0.0f};
    const std::string refused = "Current profile depths (page 10, item 5) are equal at points";
    for (const Row& r : rows) {
        for (std::size_t k = 0; k < 3; ++k) {
            semi_in_current(10.0f);
            TPCM.DRAFT = r.draft;
            TPCM.NCURNT = static_cast<Int>(r.depths.size());
            for (std::size_t j = 0; j < r.depths.size(); ++j) {
                TPCM.DPTHI(static_cast<int>(j) + 1) = r.depths[j];
                TPCM.VELI(static_cast<int>(j) + 1) = speeds[j];
            }
            tables[k].second();
            tidy_output_bits_at_last_page(TPCM);
            const std::string what = ::testing::PrintToString(r.depths) + ", draft " + std::to_string(r.draft) +
                                     ", " + tables[k].first;
            EXPECT_EQ(finding_named(run_input_findings(), refused), r.refused[k]) << what;
            EXPECT_EQ(run_gives_nan(), r.refused[k] && !(k == 2 && r.dropped)) << what << "\n" << silent().substr(0, 4000);
        }
    }
}

// ---- The current the members' drag takes from a profile, against the run -------------------------

// The semi-submersible of 20 m draft in a current of 1 knot from 160 degrees, whose columns' drag
// takes the current at 0, 2, ..., 20 m: a row sets the table of page 10 or the profile file with one
// value V (a depth, a speed or a heading) and the tables of the report. The checks' first refused
// value is found by halving between a value they accept and one they refuse, and the whole run at
// the float on each side finds NaN or Infinity in its report exactly on the refused side; in metres
// and in feet (the same numbers in feet, where a knot is 1.687 ft/s).
struct DragCurrentRow {
    const char* what;
    void (*set)(Real V);
    Real accepted, refused;  // the refused value 0: no value is refused, and the run is finite at FLT_MAX
};

// The value written to its last place, so that the file holds the float the halving took.
std::string last_place(Real v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(v));
    return text;
}

// Halves between the bits of a value the checks accept and one they refuse (floats of one sign, whose
// bits rise with their size) until the two are neighbours; REFUSES sets the case with the value of
// the bits and says whether the checks refuse it.
void halve_to_neighbours(std::uint32_t& accepted, std::uint32_t& refused,
                         const std::function<bool(std::uint32_t)>& refuses) {
    while ((refused > accepted ? refused - accepted : accepted - refused) > 1) {
        const std::uint32_t middle = accepted / 2 + refused / 2 + (accepted % 2 + refused % 2) / 2;
        (refuses(middle) ? refused : accepted) = middle;
    }
}

// The profile from the file of TEXT, with the tables TABLES of the report and a sea or none.
void file_profile(const std::string& text, Int tables, bool sea) {
    TPCM.LCSTCR = 3;
    testing::put_file("CRNTPROF.txt", text);
    if (sea) testing::add_sea();
    TPCM.BRVFLG = tables;
}

bool drag_current_refused() {
    for (const RunInputFinding& f : run_input_findings())
        if (f.size() == 2 && f[0].find(" the members' drag a current") != std::string::npos) return true;
    for (const RunFileFinding& f : run_file_findings())
        if (f.lines.size() == 2 && f.lines[1].find(" the members' drag a current too large") != std::string::npos)
            return true;
    return false;
}

TEST_F(RunReadsProfile, TheChecksRefuseTheDragsCurrentExactlyWhereItLeavesSinglePrecision) {
    const DragCurrentRow rows[] = {
        {"Ib, the table's points at 0 and V m (0.5 and 1 knot): the line below them",
         [](Real V) {
             TPCM.NCURNT = 2;
             TPCM.DPTHI(1) = 0.0f;
             TPCM.DPTHI(2) = V;
             TPCM.VELI(1) = 0.5f;
             TPCM.VELI(2) = 1.0f;
             TPCM.BRVFLG = bits({11});
         },
         1.0f, 1.4e-45f},
        {"Ib, the file's speed V at 10 m: the line below it",
         [](Real V) { file_profile("2\n0 1.0 160\n10 " + last_place(V) + " 160\n", bits({11}), false); }, 1.0f,
         3.0e38f},
        {"IIIb of a sea, the file's heading V at 5 m: the line from the surface above it",
         [](Real V) { file_profile("2\n5 1.0 " + last_place(V) + "\n10 0.5 160\n", bits({13}), true); }, 200.0f,
         3.0e38f},
        {"IIIb of a sea, the file's speed V at 10 m: the mean forces take the speed at the surface alone",
         [](Real V) { file_profile("2\n0 1.0 160\n10 " + last_place(V) + " 160\n", bits({13}), true); }, 1.0f,
         0.0f},
    };
    const auto bits_of = [](Real v) { return std::bit_cast<std::uint32_t>(v); };
    for (const Int units : {1, 0}) {
        for (const DragCurrentRow& row : rows) {
            const std::string what = std::string(row.what) + (units == 1 ? ", metres" : ", feet");
            const auto set = [&row, units](std::uint32_t v) {
                semi_in_current(15.0f);
                TPCM.NUNTS = units;
                row.set(std::bit_cast<Real>(v));
                tidy_output_bits_at_last_page(TPCM);
            };
            std::uint32_t accepted = bits_of(row.accepted);
            set(accepted);
            ASSERT_FALSE(drag_current_refused()) << what;
            if (row.refused == 0.0f) {
                set(bits_of(FLT_MAX));
                EXPECT_FALSE(drag_current_refused()) << what;
                EXPECT_FALSE(run_gives_nan()) << what << "\n" << silent().substr(0, 3000);
                continue;
            }
            std::uint32_t refused = bits_of(row.refused);
            set(refused);
            ASSERT_TRUE(drag_current_refused()) << what;
            halve_to_neighbours(accepted, refused, [&set](std::uint32_t v) {
                set(v);
                return drag_current_refused();
            });
            for (const std::uint32_t v : {accepted, refused}) {
                set(v);
                EXPECT_EQ(run_gives_nan(), v == refused)
                    << what << ", " << last_place(std::bit_cast<Real>(v)) << "\n" << silent().substr(0, 3000);
            }
        }
    }
}

// Every value a damaged file can hold in a word of the profile of page 10 (its depths and speeds,
// in use or beyond the count, and its two switches, the integer words given the same bits) or in a
// field of "CRNTPROF.txt" (its count, each depth, speed and heading): either the checks before the
// run refuse the case by a finding that names page 10 (the table, the variation with depth, or the
// file by its line), or the whole run gives a report without NaN or Infinity. On the semi-submersible
// whose columns pierce the surface with drag (every table of the report, or Ib alone) and on the box
// ship (every table), in metres and in feet (the same numbers in feet).
// A row per hull and unit system, so that the rows run side by side.
struct ProfileSweepHull {
    const char* what;
    void (*set)();
};
class RunReadsProfileSweep : public RunReadsProfile,
                             public ::testing::WithParamInterface<std::tuple<int, Int>> {};

TEST_P(RunReadsProfileSweep, EveryValueOfTheProfileIsRefusedByNameOrRunsFinite) {
    const Real kValues[] = {0.0f, -1.0f, 1.4e-45f, 1e30f, 3e38f, NAN, INFINITY, -INFINITY};
    const Int kCounts[] = {-1, 0, 1, 3, 4, 5, 6, 2147483647};
    using Hull = ProfileSweepHull;
    const Hull hulls[] = {
        {"the semi-submersible, every table",
         [] {
             semi_in_current(15.0f);
             testing::add_sea();
             swell_on();
             TPCM.NUMBRV = 3;
             TPCM.BRVINC = 45.0f;
             TPCM.BRVFLG = 0x07FFFFFF;
         }},
        {"the semi-submersible, Ib alone", [] { semi_in_current(15.0f); TPCM.BRVFLG = bits({11}); }},
        {"the box ship, every table",
         [] {
             fresh_case();
             current_on();
             testing::add_sea();
             TPCM.CURHDG = 160.0f;
             TPCM.LCSTCR = 2;
             TPCM.NCURNT = 3;
             TPCM.BRVFLG = 0x07FFFFFF;
         }},
    };
    // The table of page 10 (five slots, three in use), and the file's three points.
    const Real depths[5] = {5.0f, 10.0f, 15.0f, 17.0f, 18.0f}, speeds[5] = {1.0f, 0.5f, 0.2f, 0.1f, 0.0f};
    const std::vector<std::vector<std::string>> files = {
        {"3", "5 1.0 160", "10 0.5 160", "15 0.2 160"},
        {"3", "0 1.0 160", "10 0.5 160", "20 0.2 160"},  // a point at the surface
    };
    struct Item {
        std::string what;
        std::function<void()> set;
    };
    std::vector<Item> items;
    for (int j = 1; j <= 5; ++j)
        for (const Real v : kValues) {
            const std::string of = " " + last_place(v);
            items.push_back({"DPTHI(" + std::to_string(j) + ")" + of, [j, v] { TPCM.DPTHI(j) = v; }});
            items.push_back({"VELI(" + std::to_string(j) + ")" + of, [j, v] { TPCM.VELI(j) = v; }});
        }
    for (const Real v : kValues) {
        const Int bits_of_v = std::bit_cast<Int>(v);
        items.push_back({"LCSTCR of the bits of" + std::string(" ") + last_place(v), [bits_of_v] { TPCM.LCSTCR = bits_of_v; }});
        items.push_back({"NCURNT of the bits of" + std::string(" ") + last_place(v), [bits_of_v] { TPCM.NCURNT = bits_of_v; }});
    }
    for (const Int n : kCounts) {
        items.push_back({"LCSTCR " + std::to_string(n), [n] { TPCM.LCSTCR = n; }});
        items.push_back({"NCURNT " + std::to_string(n), [n] { TPCM.NCURNT = n; }});
    }
    for (std::size_t f = 0; f < files.size(); ++f) {
        const std::vector<std::string>& base = files[f];
        const auto put = [](const std::vector<std::string>& lines) {
            std::string text;
            for (const std::string& l : lines) text += l + "\n";
            TPCM.LCSTCR = 3;
            testing::put_file("CRNTPROF.txt", text);
        };
        for (const Real v : kValues) {
            std::vector<std::string> counted = base;
            counted[0] = last_place(v);
            items.push_back({"file " + std::to_string(f + 1) + ", the count " + last_place(v), [put, counted] { put(counted); }});
            for (std::size_t line = 1; line < base.size(); ++line)
                for (int field = 0; field < 3; ++field) {
                    std::istringstream in(base[line]);
                    std::string words[3];
                    in >> words[0] >> words[1] >> words[2];
                    words[field] = last_place(v);
                    std::vector<std::string> lines = base;
                    lines[line] = words[0] + " " + words[1] + " " + words[2];
                    items.push_back({"file " + std::to_string(f + 1) + ", line " + std::to_string(line + 1) + " field " +
                                         std::to_string(field + 1) + " " + last_place(v),
                                     [put, lines] { put(lines); }});
                }
        }
    }
    const Hull& hull = hulls[std::get<0>(GetParam())];
    const Int units = std::get<1>(GetParam());
    const auto base = [&hull, units, &depths, &speeds] {
        hull.set();
        TPCM.NUNTS = units;
        TPCM.LWBARG = 0x555;
        TPCM.NCURNT = 3;
        for (int j = 1; j <= 5; ++j) {
            TPCM.DPTHI(j) = depths[j - 1];
            TPCM.VELI(j) = speeds[j - 1];
        }
    };
    // The findings of the last page, on the silent console.
    const auto fatal_findings = [] {
        tidy_output_bits_at_last_page(TPCM);
        clear_captured(SILENT_UNIT);
        Int WARNEM = 0, FWARN = 0;
        VESWRN(WARNEM, FWARN);
        return FWARN;
    };
    base();
    ASSERT_EQ(fatal_findings(), 0) << hull.what << "\n" << silent();
    ASSERT_FALSE(run_gives_nan()) << hull.what;
    for (const Item& item : items) {
        const std::string what = std::string(hull.what) + (units == 1 ? ", metres, " : ", feet, ") + item.what;
        base();
        item.set();
        const Int FWARN = fatal_findings();
        if (FWARN > 0) {
            EXPECT_NE(silent().find(" ++> Fatal Warning: "), std::string::npos) << what;
            bool named = false;
            for (const std::string& line : testing::lines_of(silent()))
                named = named || (line.find("Fatal Warning") != std::string::npos &&
                                  line.find("(page 10, item ") != std::string::npos);
            EXPECT_TRUE(named) << what << "\n" << silent();
            continue;
        }
        EXPECT_FALSE(run_gives_nan()) << what << "\n" << silent().substr(0, 3000);
    }
}

std::string profile_sweep_row(const ::testing::TestParamInfo<std::tuple<int, Int>>& info) {
    static const char* const hull[] = {"semi_every_table", "semi_Ib_alone", "ship_every_table"};
    return std::string(hull[std::get<0>(info.param)]) + (std::get<1>(info.param) == 1 ? "_metres" : "_feet");
}

INSTANTIATE_TEST_SUITE_P(HullsAndUnits, RunReadsProfileSweep,
                         ::testing::Combine(::testing::Values(0, 1, 2), ::testing::Values(Int{1}, Int{0})),
                         profile_sweep_row);

// ---- The current's loads of a profile, against the run --------------------------------------------

// A profile of one point at the depth D and 1 knot, on the deep-box case (or the semi-submersible)
// in a current of 1 knot: a point above the surface carries the mean current over the draft to
// sqrt((T - D) / T) knots, past the table's speeds. A row chooses the tables of the report that take
// the current's loads; the checks' first refused depth is found by halving, and the whole run at
// the float on each side finds NaN or Infinity in its report exactly on the refused side. Each row
// in metres and in feet (the same numbers in feet).
struct LoadRow {
    const char* what;
    void (*choose)();
};

void profile_point(Real D) {
    TPCM.DPTHI(1) = D;
    TPCM.VELI(1) = 1.0f;
    testing::put_file(std::string(kCurrentProfileFile), "1\n" + std::to_string(D) + " 1.0 180\n");
}

class RunReadsProfileLoads : public RunReadsProfile {
protected:
    // The case of ROW with its profile from the table of page 10 or (FILE) the profile file.
    static void choose(const LoadRow& row, bool file, Int units = 1) {
        testing::reset_run_state();
        testing::store_deep_box_case();
        TPCM.NUNTS = units;
        current_on();
        TPCM.CURHDG = 180.0f;
        TPCM.CURFAC = 1.0f;
        TPCM.XCURAR = TPCM.BWL * TPCM.DRAFT;
        TPCM.YCURAR = TPCM.LWL * TPCM.DRAFT;
        TPCM.LCSTCR = file ? 3 : 2;
        TPCM.NCURNT = 1;
        row.choose();
        tidy_output_bits_at_last_page(TPCM);
    }
    static bool refused(bool file) {
        if (!file) return finding_named(run_input_findings(), "give a mean current over the draft");
        for (const RunFileFinding& f : run_file_findings())
            if (f.lines.size() == 2 && f.lines[1] == "     has a depth or speed at line 2 whose current loads are too "
                                                        "large to compute.")
                return true;
        return false;
    }
};

TEST_F(RunReadsProfileLoads, TheChecksRefuseAProfileExactlyWhereItsLoadsLeaveSinglePrecision) {
    const LoadRow rows[] = {
        {"VII, a steady current", [] { TPCM.BRVFLG = bits({22}); }},
        {"VI alone, moments about a point 2 km off, whose lever passes the length's",
         [] { TPCM.BRVARM = 2000.0f; TPCM.BRVFLG = bits({21}); }},
        {"IX and X, the current from 30 degrees, the tanker model",
         [] { TPCM.CURHDG = 30.0f; TPCM.LCBARG = 0x666; TPCM.BRVFLG = bits({23}); }},
        {"the pages by attack angle, a band-limited spectrum",
         [] {
             TPCM.CURTYP = 3;
             TPCM.CURDEN = 2.0f;
             TPCM.BRV_PD_MIN() = 30.0f;
             TPCM.BRVFRQ_DELTA = 0.01f;
             TPCM.BRVFLG = bits({25, 27});
         }},
        {"IX's net spectra, a white spectrum, five angles",
         [] {
             TPCM.CURTYP = 1;
             TPCM.CURDEN = 0.7f;
             TPCM.NUMBRV = 5;
             TPCM.BRVINC = 20.0f;
             TPCM.BRVFLG = bits({22, 27});
         }},
        {"VI about a point 2 km off and VII, 91 attack angles by 1 degree: past the 37 of a list",
         [] {
             TPCM.NUMBRV = 91;
             TPCM.BRVINC = 1.0f;
             TPCM.VESAN0 = 0.0f;
             TPCM.BRVARM = 2000.0f;
             TPCM.BRVFLG = bits({21, 22});
         }},
        {"VII, a surface current of 0.05 knots: the squared speed it divides by is below 1 in feet too",
         [] {
             TPCM.CURSPD = 0.05f;
             TPCM.CURTYP = 1;
             TPCM.CURDEN = 0.7f;
             TPCM.BRVFLG = bits({22});
         }},
        {"VII from the user's coefficient file",
         [] {
             testing::put_file("CRNTCOFS.txt", "3\n0 -1 0 0\n90 0 1.3 0.1\n180 1 0 0\n");
             TPCM.LCBARG = 0x222;
             TPCM.BRVFLG = bits({22, 23});
         }},
        {"the semi-submersible, every table",
         [] {
             testing::shape_semi(TPCM, 4);
             TPCM.NUMBRV = 3;
             TPCM.BRVINC = 45.0f;
             TPCM.BRVFLG = 0x07FFFFFF;
         }},
    };
    const auto bits_of = [](Real v) { return std::bit_cast<std::uint32_t>(v); };
    for (const auto& [file, units] : {std::pair{false, 1}, {false, 0}, {true, 1}, {true, 0}}) {
        for (const LoadRow& row : rows) {
            const std::string what = std::string(row.what) + (file ? ", the profile file" : ", the table of page 10") +
                                     (units == 1 ? ", metres" : ", feet");
            const auto choose_in = [&row, file, units] { choose(row, file, units); };
            // Depths above the surface, from 1e10 m up, as float bit patterns that rise with the size.
            std::uint32_t accepted = bits_of(-1.0e10f), refused_bits = bits_of(-3.0e38f);
            choose_in();
            profile_point(std::bit_cast<Real>(accepted));
            ASSERT_FALSE(refused(file)) << what;
            profile_point(std::bit_cast<Real>(refused_bits));
            ASSERT_TRUE(refused(file)) << what;
            halve_to_neighbours(accepted, refused_bits, [file](std::uint32_t depth) {
                profile_point(std::bit_cast<Real>(depth));
                return refused(file);
            });
            for (const std::uint32_t depth : {accepted, refused_bits}) {
                choose_in();
                profile_point(std::bit_cast<Real>(depth));
                EXPECT_EQ(run_gives_nan(), depth == refused_bits)
                    << what << ", " << std::bit_cast<Real>(depth) << " m\n" << silent().substr(0, 3000);
            }
        }
    }
}

// A file's speed at one point (4 m) under areas of 1e-30 m2: no load of the tables leaves single
// precision before the mean current over the draft K itself does (the cubes of its layers' speeds,
// near 7e12 knots), and with it the load factor CURCOF = DWATR / G CURFAC FCONST K K, in metres and
// in feet. The checks' first refused speed is found by halving, and the whole run at the float on
// each side finds NaN or Infinity in its report exactly on the refused side.
TEST_F(RunReadsProfileLoads, TheChecksRefuseAFileSpeedExactlyWhereTheLoadFactorLeavesSinglePrecision) {
    const auto bits_of = [](Real v) { return std::bit_cast<std::uint32_t>(v); };
    const auto speed_at_4m = [](std::uint32_t speed) {
        testing::put_file(std::string(kCurrentProfileFile), "1\n4 " + last_place(std::bit_cast<Real>(speed)) + " 180\n");
    };
    for (const Int units : {1, 0}) {
        const LoadRow row = {units == 1 ? "metres" : "feet", [] { TPCM.BRVFLG = bits({22}); }};
        const auto set = [&row, units] {
            choose(row, true, units);
            TPCM.XCURAR = TPCM.YCURAR = 1e-30f;
        };
        std::uint32_t accepted = bits_of(1.0f), refused_bits = bits_of(3.0e38f);
        set();
        speed_at_4m(accepted);
        ASSERT_FALSE(refused(true)) << row.what;
        speed_at_4m(refused_bits);
        ASSERT_TRUE(refused(true)) << row.what;
        halve_to_neighbours(accepted, refused_bits, [&speed_at_4m](std::uint32_t speed) {
            speed_at_4m(speed);
            return refused(true);
        });
        // The bound is the mean current's, as the run forms it.
        for (const std::uint32_t speed : {accepted, refused_bits}) {
            ProfileArray D{}, V{};
            D(1) = 4.0f;
            V(1) = std::bit_cast<Real>(speed);
            EXPECT_EQ(std::isfinite(profile_mean_current(TPCM, D, V, 1)), speed == accepted) << row.what;
        }
        for (const std::uint32_t speed : {accepted, refused_bits}) {
            set();
            speed_at_4m(speed);
            EXPECT_EQ(run_gives_nan(), speed == refused_bits)
                << row.what << ", " << std::bit_cast<Real>(speed) << " knots\n" << silent().substr(0, 3000);
        }
    }
}

// ---- The codes and values that the hull models read -------------------------------------------

class RunReadsCodes : public ::testing::Test {
protected:
    void SetUp() override { case_(); }
    void TearDown() override { fresh_case(); }
    // The deep-box case, its report on the disk.
    static void case_() {
        testing::reset_run_state();
        testing::store_deep_box_case();
    }
};

// The hull model of a member-built hull (semisubmersible 3, tension leg platform 5, caisson spar 6)
// reads the phantom weight switch and its weight, but for the tension-leg programs (creators 14 and
// 17), whose tendons take their place; a ship and a disc buoy never.
TEST_F(RunReadsCodes, ThePhantomWeightIsCheckedWhereTheMemberBuiltHullReadsIt) {
    struct Row {
        Int VESTYP, CREATR;
        bool read;
    };
    const Row rows[] = {{3, 16, true},  {5, 16, true},  {6, 16, true},  {6, 15, true},  {1, 16, false},
                        {4, 16, false}, {2, 16, false}, {3, 14, false}, {3, 17, false}, {6, 17, false}};
    for (const Row& r : rows) {
        case_();
        TPCM.VESTYP = r.VESTYP;
        TPCM.SIMTYP = r.CREATR;
        EXPECT_EQ(phantom_weight_switch_read(TPCM), r.read) << r.VESTYP << " " << r.CREATR;
        EXPECT_EQ(tension_leg_program(TPCM), r.CREATR == 14 || r.CREATR == 17);
        // The switch: a value its page never writes.
        TPCM.LPHANTOM_WGHT = 2;
        EXPECT_EQ(finding_named(run_choice_findings(), "Phantom weight switch (word 189 of the data file) is 2;"), r.read)
            << r.VESTYP << " " << r.CREATR;
        // The weight: on, and not below the displacement.
        TPCM.LPHANTOM_WGHT = 1;
        TPCM.TLP_TENSION = TPCM.DISPL;
        EXPECT_EQ(finding_named(run_input_findings(), "Phantom weight value (word 483 of the data file) is not below"),
                  r.read)
            << r.VESTYP << " " << r.CREATR;
    }
}

// The second swell's JONSWAP words are looked at only with the swell and the second swell on.
TEST_F(RunReadsCodes, TheSecondSwellsJonswapWordsOnlyWithTheSecondSwellOn) {
    struct Row {
        Int LSWELL, LSWEL2;
        bool checked;
    };
    const Row rows[] = {{1, 1, true}, {1, 0, false}, {0, 1, false}, {0, 0, false}};
    for (const Row& r : rows) {
        case_();
        TPCM.LSWELL = r.LSWELL;
        TPCM.SWLTYP = 2;
        TPCM.SWELHT = 2.0f;
        TPCM.SWELPD = 8.0f;
        TPCM.LSWEL2 = r.LSWEL2;
        TPCM.SWLTYP2 = kGeneralJonswap;
        TPCM.SWELHT2 = 1.0f;
        TPCM.SWELPD2 = 9.0f;
        TPCM.JONGAM_SWL2 = 0.0f;
        TPCM.JONPL_SWL2 = 0.07f;
        TPCM.JONPG_SWL2 = 0.09f;
        EXPECT_EQ(finding_named(run_input_findings(), "Second swell JONSWAP gamma parameter (page 13, item 28)"),
                  r.checked)
            << r.LSWELL << " " << r.LSWEL2;
    }
}

// ---- The load-model fields and their items on page 6 ------------------------------------------

TEST(LoadModelFields, TheFieldThatChoseAModelAndItsItem) {
    reset_images();
    Tpcm& t = TPCM;
    struct Row {
        Int Tpcm::*word;
        Int value;
        Int model;
        Int field;  // the first field that chose the model, 0 none
        Int item;   // its item on page 6
    };
    const Row rows[] = {
        {&Tpcm::LCBARG, 0x222, 2, 1, 12}, {&Tpcm::LCBARG, 0x277, 2, 3, 14}, {&Tpcm::LCBARG, 0x727, 2, 2, 13},
        {&Tpcm::LCBARG, 0x777, 2, 0, 0},  {&Tpcm::LWBARG, 0x255, 2, 3, 4},  {&Tpcm::LWVCOF, 0x144, 1, 3, 24},
        {&Tpcm::LWVCOF, 0x111, 1, 1, 22}, {&Tpcm::LCBARG, 0x44F, 4, 2, 12},
    };
    for (const Row& r : rows) {
        t.*(r.word) = r.value;
        EXPECT_EQ(field_choosing(t, r.word, r.model), r.field) << std::hex << r.value;
        if (r.field != 0) {
            EXPECT_EQ(load_model_item(t, r.word, r.field), r.item) << std::hex << r.value;
        }
    }
    reset_images();
}

}  // namespace
}  // namespace brevant

// The wave report: kinematics and particle-dynamics pages for the period list, then, with the sea
// or the swell on, the spectra page and the group-spectra page.
#include "options/wave_report.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "numeric/table_search.h"
#include "numeric/wave_number.h"
#include "records/data_image.h"
#include "records/wave_record.h"
#include "sysutl/captions.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/paging.h"
#include "sysutl/program_end.h"
#include "sysutl/report_field_guard.h"
#include "sysutl/report_files.h"
#include "sysutl/staged_files.h"
#include "sysutl/two_pi.h"
#include "sysutl/units.h"
#include "veslib/wave_environment.h"
#include "veslib/wave_spectra.h"

namespace brevant {

namespace {

constexpr Real kDegrees = 57.295776f;
constexpr std::string_view kReportFile = "WAVEOUT.stxt";
constexpr std::string_view kCaller = "WAVEOUT";
constexpr Int kGroupRows = 75;

// The heading lines of the four pages.
constexpr std::string_view kKinematicsHeading = " >>> Wave Properties";
constexpr std::string_view kParticleHeading = " >>> Water Particle Dynamics At Surface";
constexpr std::string_view kSpectraHeading =
    "   ********************   Irregular Wave Spectral Values  *******************";
constexpr std::string_view kGroupHeading =
    "   ****************   Irregular Wave Group Spectral Values  *****************";

// The title of the page a report line opens ("Wave Properties", ...); empty for any other line.
// The report's guard names with it where its first field of NaN or Infinity stands.
std::string_view report_page_title(std::string_view line) {
    for (std::string_view heading : {kKinematicsHeading, kParticleHeading, kSpectraHeading, kGroupHeading}) {
        if (line != heading) continue;
        const auto start = line.find_first_not_of("*> ");
        return line.substr(start, line.find_last_not_of("* ") + 1 - start);
    }
    return {};
}

// The values one report holds while it writes its pages.
struct Report {
    Int unit = 0;     // IUNIT: where the report lines go
    Int console = 0;  // EDUNIT
    Int count = 0;    // periods in use, NWP kept within the record's 100 slots
    bool to_file = false;
    std::string AUNIT;          // "ft" or "m."
    std::string CSLPHT, SLHTUN;  // caption and unit of the value line of the wave
    std::string CSLPH2, SLHUN2;  // caption and unit of the derived column
    Real WDCNST = 0.0f;
    bool sea = false, swell = false;
    // Sea
    Real SWHC = 0.0f;
    Int NWAVPK = 0;
    std::string CWAV;
    Int LENWAV = 0;
    std::string CWAV2;
    // Swell, on local copies so that a derived height or period never reaches the case
    Real swell_height = 0.0f, swell_period = 0.0f;
};

void line(const Report& r, std::string_view text) { write_record(r.unit, text); }

void pause_on_console(const Report& r) {
    if (r.unit == r.console) PRSRET(r.console, KBD_UNIT, TPCM.LBACK);
}

void new_page(const Report& r) { PAGE(r.unit, r.console, 1, PRINTER_UNIT); }

// A message between empty lines on the console and a pause: the report goes no further.
void console_message(const Report& r, std::string_view message) {
    write_record(r.console, "");
    write_record(r.console, message);
    write_record(r.console, "");
    PRSRET(r.console, KBD_UNIT, TPCM.LBACK);
}

// The report file is written beside an earlier report, which stays whole until this one is
// complete and closed. One that cannot be made, written whole (a full disk, a file-size limit) or
// put in place (a folder of that name) is reported with its pause, its temporary removed, and the
// End of Session page comes back with the case as it is. A case folder that would keep the
// temporary (append-only) is found before anything is written, and named.
bool open_report_file(const Report& r) {
    const std::string refused = open_staged_file(r.unit, kReportFile);
    if (refused.empty()) return true;
    report_access_error(kCaller, refused, r.console);
    return false;
}

void close_report(const Report& r) {
    if (!r.to_file) return;
    if (close_unit(r.unit) && place_staged_file(kReportFile)) return;
    drop_staged_file(kReportFile);
    report_access_error(kCaller, kReportFile, r.console);
}

// A report its spectra cut short (their message has been given) is no report: the pages written so
// far go with their temporary, and an earlier report stays whole under its name.
void abandon_report(const Report& r) {
    if (!r.to_file) return;
    close_unit(r.unit);
    drop_staged_file(kReportFile);
}

// A report that would hold a field of NaN or Infinity gives no numbers its case cannot give: on
// file it is dropped, an earlier report staying whole, and the screen says how many such fields
// there are and on which page the first stands, with one pause.
void refuse_non_finite_fields(const Report& r, const NonFiniteFields& found) {
    abandon_report(r);
    write_record(r.console, "");
    write_record(r.console, " ++> " + non_finite_fields_found(found) + ":");
    write_record(r.console, r.to_file ? "     the case holds values the wave report cannot use; \"WAVEOUT.stxt\" is not written."
                                      : "     the case holds values the wave report cannot use.");
    PRSRET(r.console, KBD_UNIT, TPCM.LBACK);
}

// A report cut short by an end of the program leaves no temporary behind.
struct ReportFileGuard {
    const Report& r;
    ~ReportFileGuard() {
        if (r.to_file && unit_is_open(r.unit)) {
            close_unit(r.unit);
            drop_staged_file(kReportFile);
        }
    }
};

// Amplitude and slope (radians) of the regular wave at grid point i, and the derived column.
struct RegularWave {
    Real WVAMP, SLOPE, HTORSL;
};

RegularWave regular_wave(Int i) {
    const Tpcm& P = TPCM;
    RegularWave rw{};
    if (P.LSLPHT == 0) {
        rw.WVAMP = 0.5f * P.SLPHT;
        rw.SLOPE = rw.WVAMP * WAVCOM.WVK(i);
        rw.HTORSL = rw.SLOPE * kDegrees;
    } else {
        rw.SLOPE = P.SLPHT / kDegrees;
        rw.WVAMP = rw.SLOPE / WAVCOM.WVK(i);
        rw.HTORSL = 2.0f * rw.WVAMP;
    }
    return rw;
}

void title_block(const Report& r) {
    line(r, "");
    line(r, "   ***************       REGULAR WAVE KINEMATICS SUMMARY      ***************");
    line(r, "");
    line(r, "");
}

void value_lines(const Report& r) {
    const Tpcm& P = TPCM;
    line(r, Record().x(27).put("Water Depth    =").F(P.DEPTH, 10, 2).x(1).A(r.AUNIT).str());
    line(r, Record().x(27).put("Wave ").A(r.CSLPHT, 7).put("   =").F(P.SLPHT, 10, 2).x(1).A(r.SLHTUN, 16).str());
    LINES(r.unit, 3);
}

void kinematics_page(const Report& r) {
    const Tpcm& P = TPCM;
    WavCom& V = WAVCOM;
    title_block(r);
    line(r, kKinematicsHeading);
    LINES(r.unit, 2);
    value_lines(r);
    line(r, "    Wave       Wave       Wave       Wave       Wave        Wave     Circular");
    line(r, Record().put("   Period     Length     ").A(r.CSLPH2, 6).put("      Phase      Group      Number    Frequency").str());
    line(r, Record().x(37).put("Speed      Speed").str());
    line(r, Record()
                .put("   (Sec)       (")
                .A(r.AUNIT)
                .put(")       (")
                .A(r.SLHUN2, 3)
                .put(")    (")
                .A(r.AUNIT)
                .put("/Sec)   (")
                .A(r.AUNIT)
                .put("/Sec)     (1/")
                .A(r.AUNIT)
                .put(")    (Rad/Sec)")
                .str());
    LINES(r.unit, 2);
    for (Int i = 1; i <= r.count; ++i) {
        Real kh = 0.0f;
        WAVVEC(V.W(i) * r.WDCNST, kh, TPCM.EDUNIT);
        V.WVK(i) = kh / P.DEPTH;
        const RegularWave rw = regular_wave(i);
        const Real PHSPD = V.W(i) / V.WVK(i);
        const Real GRPSPQ = wave_group_speed(V.W(i), V.WVK(i), P.DEPTH, V.G);
        Record row;
        row.x(1);
        for (Real value : {P.T(i), kTwoPi / V.WVK(i), rw.HTORSL, PHSPD, GRPSPQ}) row.F(value, 8, 2).x(3);
        row.E(V.WVK(i), 10, 3).x(2).F(V.W(i), 8, 3);
        line(r, row.str());
    }
    pause_on_console(r);
    new_page(r);
}

void particle_page(const Report& r) {
    const Tpcm& P = TPCM;
    const WavCom& V = WAVCOM;
    title_block(r);
    line(r, kParticleHeading);
    LINES(r.unit, 2);
    value_lines(r);
    line(r, "   Wave    << Accelerations  >>   <<   Velocities   >>   << Displacements >>");
    line(r, "  Period   Horizontal  Vertical   Horizontal  Vertical   Horizontal  Vertical");
    line(r, Record()
                .put("  (Sec)           (G's)                 (")
                .A(r.AUNIT)
                .put("/Sec)                 (")
                .A(r.AUNIT)
                .put(")")
                .str());
    LINES(r.unit, 2);
    for (Int i = 1; i <= r.count; ++i) {
        const RegularWave rw = regular_wave(i);
        const Real ORBSP = rw.WVAMP * V.W(i);
        const Real TNHFAC = V.W(i) * V.W(i) / (V.WVK(i) * V.G);
        const Real VHOR = ORBSP / TNHFAC;
        Record row;
        row.x(1).F(P.T(i), 7, 2).x(1);
        const Real pairs[3][2] = {{rw.SLOPE, ORBSP * V.W(i) / V.G}, {VHOR, ORBSP}, {VHOR / V.W(i), rw.WVAMP}};
        for (const auto& pair : pairs) row.F(pair[0], 9, 3).x(2).F(pair[1], 9, 3).x(3);
        line(r, row.str());
    }
    pause_on_console(r);
}

// The sea spectrum with its height and peak. False when a Gaussian sea's peak lies off the grid
// (that shape is centred on the grid point of its peak); the message has then been given.
bool sea_spectrum(Report& r) {
    const Tpcm& P = TPCM;
    WavCom& V = WAVCOM;
    // A count of components the page does not write would give the height of words that are no
    // components, or of none, beside a spectrum of at most four: the report goes no further.
    if (P.WAVTYP == kOchiHubble && (P.N_OCHI_COMP < 1 || P.N_OCHI_COMP > kOchiHubbleComponents)) {
        console_message(r, " ++> Number of Ochi-Hubble wave components (page 12, item 5) must be 1 to 4");
        return false;
    }
    if (P.WAVTYP == kOchiHubble) {
        const Int components = std::clamp<Int>(P.N_OCHI_COMP, 0, 6);
        Real sum = 0.0f;
        for (Int j = 1; j <= components; ++j) sum += P.SWHT(j) * P.SWHT(j);
        V.SWH = std::sqrt(sum);
        Int MINI = 1, MAXI = 1;
        Real MINVAL = 0.0f, MAXVAL = 0.0f;
        Logical MONOTN = 0, ASCEND = 0;
        if (components >= 1) MAX_MIN(&P.SWHT(1), components, MINI, MAXI, MINVAL, MAXVAL, MONOTN, ASCEND);
        V.TPK = P.SIGPD(MAXI);
    } else {
        V.SWH = P.SWHT(1);
        V.TPK = P.SIGPD(1);
    }
    if (P.WAVTYP == kGaussianSwell) {
        const Int peak = swell_peak_index(V.TPK);
        if (peak < 1 || peak > r.count) {
            console_message(r, " ++> Wave peak period outside wave period range");
            return false;
        }
    }
    // A JONSWAP shape whose normaliser cannot be integrated would ask whether to abort, or stop the
    // program with the edits unsaved: the report goes no further instead.
    if (!wave_spectrum_normalised(P.WAVTYP, 0)) {
        console_message(r, " ++> JONSWAP integral of the sea (page 12, items 8 to 10) does not converge");
        return false;
    }
    WVSPEC(P.WAVTYP, &V.WPSD(1), V.SWH, V.TPK, V.WPK, V.WKPK, 0);
    // A peak period of 0 or less (typed, or derived from a height of 0) lies off the list of
    // positive periods too, and the characteristic slope at it has no wave number.
    if (!(V.TPK > 0.0f)) {
        console_message(r, " ++> Wave peak period outside wave period range");
        return false;
    }
    Real VAR = 0.0f, VARDOT = 0.0f;
    SMPINT(&V.WPSD(1), VAR, VARDOT);
    r.NWAVPK = swell_peak_index(V.TPK);
    r.SWHC = 4.0f * std::sqrt(VAR);
    return true;
}

// The swell spectrum on local copies of its height and period. False (message given) when its peak
// lies off the grid.
bool swell_spectrum(Report& r) {
    const Tpcm& P = TPCM;
    WavCom& V = WAVCOM;
    V.DELSWL = P.SWLWID;
    V.NSWEL = swell_peak_index(P.SWELPD);
    if (V.NSWEL < 1 || V.NSWEL > r.count) {
        console_message(r, " ++> Swell outside wave period range");
        return false;
    }
    r.swell_height = P.SWELHT;
    r.swell_period = P.SWELPD;
    if (!wave_spectrum_normalised(P.SWLTYP, 1)) {
        console_message(r, " ++> JONSWAP integral of the swell (page 13, items 8 to 10) does not converge");
        return false;
    }
    WVSPEC(P.SWLTYP, &V.SWLPSD(1), r.swell_height, r.swell_period, V.WSWLPK, V.WKSWLPK, 1);
    if (!(r.swell_period > 0.0f)) {
        console_message(r, " ++> Swell outside wave period range");
        return false;
    }
    Real VAR = 0.0f, VARDOT = 0.0f;
    SMPINT(&V.SWLPSD(1), VAR, VARDOT);
    V.SWHSWL = 4.0f * std::sqrt(VAR);
    return true;
}

// (Hs / 2) k at the peak period, in degrees, with the finite-depth wave number.
Real characteristic_slope(const Report& r, Real height, Real period) {
    Real kh = 0.0f;
    WAVVEC(r.WDCNST * kTwoPi / period, kh, TPCM.EDUNIT);
    return 0.5f * height * kDegrees * kh / TPCM.DEPTH;
}

void characteristics_block(const Report& r) {
    const Tpcm& P = TPCM;
    const WavCom& V = WAVCOM;
    const CaptionFunction units = UNITS;
    const Int length_unit = P.NUNTS + 7;
    auto characteristic = [&](std::string_view caption, Real value, Int unit_index) {
        ONELIN(caption, static_cast<Int>(caption.size()), value, units, unit_index, r.unit);
    };
    if (r.sea) {
        line(r, Record()
                    .x(5)
                    .put("Wave Spectral Type -- ")
                    .A(r.CWAV, r.LENWAV)
                    .A(r.CWAV2, static_cast<int>(r.CWAV2.size()))
                    .str());
        line(r, "");
        if (P.LSPRED != 0) characteristic("Power of Cosine in spreading factor", P.COSEXP, 99);
        if (P.WAVTYP != kUserSpectrumFile && P.WAVTYP != kSpectrumTable)
            characteristic("Requested Significant wave height", V.SWH, length_unit);
        characteristic("Calculated Significant wave height", r.SWHC, length_unit);
        characteristic("Direction of maximum seas", P.SEAHDG(1), 2);
        characteristic("Spectrum peak period", V.TPK, 16);
        characteristic("Spectrum characteristic wind speed", 0.1412f * V.G * V.TPK, P.NUNTS + 14);
        characteristic("Spectrum characteristic wave slope", characteristic_slope(r, V.SWH, V.TPK), 2);
        if (P.WAVTYP == kGaussianSwell) characteristic("Swell spectral bandwidth", P.WAVWID, -1);
    }
    if (r.swell) {
        line(r, "");
        line(r, Record().x(5).put("Swell Spectral Type -- ").A(WAVPRT(P.SWLTYP), 30).str());
        line(r, "");
        characteristic("Requested Significant swell height", r.swell_height, length_unit);
        characteristic("Calculated Significant swell height", V.SWHSWL, length_unit);
        characteristic("Swell direction", P.SWLHDG, 2);
        characteristic("Swell period", r.swell_period, 16);
        characteristic("Swell characteristic wave slope", characteristic_slope(r, r.swell_height, r.swell_period), 2);
        if (P.SWLTYP == kGaussianSwell) characteristic("Swell spectral bandwidth", P.SWLWID, -1);
    }
}

void page_heading(const Report& r, std::string_view stars) {
    new_page(r);
    line(r, stars);
    line(r, "");
    line(r, "     ----  Wave Characteristics  ----");
    line(r, "");
    characteristics_block(r);
}

void spectra_page(const Report& r) {
    const Tpcm& P = TPCM;
    const WavCom& V = WAVCOM;
    page_heading(r, kSpectraHeading);
    line(r, "");
    if (P.LSLPHT == 0) {
        line(r, Record().x(5).put(">>> Wave height for slope calculation = ").F(P.SLPHT, 6, 2).x(1).A(r.AUNIT).str());
    } else {
        line(r, Record().x(5).put(">>> Wave slope for height calculation = ").F(P.SLPHT, 6, 2).x(1).put("degrees").str());
    }
    const bool both = r.sea && r.swell;
    line(r, "");
    if (both) {
        line(r, "      Wave         Wave         Wave         Wave         Wave        Swell");
        line(r, Record().put("     Period      Frequency     Length       ").A(r.CSLPH2, 6).put("      Spectrum     Spectrum").str());
    } else {
        line(r, Record().put("      Wave         Wave         Wave         Wave         ").A(fixed_len(r.sea ? "Wave " : "Swell", 7), 7).str());
        line(r, Record().put("     Period      Frequency     Length       ").A(r.CSLPH2, 6).put("      Spectrum").str());
    }
    Record units;
    units.put("     (Sec)       (rad/sec)      (").A(r.AUNIT).put(")         (").A(r.SLHUN2, 3).put(")");
    if (both) {
        units.t(55).put("<-- (").A(r.AUNIT).put("^2/[rad/sec]) -->");
    } else {
        units.t(53).put("(").A(r.AUNIT).put("^2/[rad/sec])");
    }
    line(r, units.str());
    line(r, "");
    for (Int i = 1; i <= r.count; ++i) {
        Record row;
        row.F(P.T(i), 11, 3).F(V.W(i), 13, 3).F(kTwoPi / V.WVK(i), 13, 3).F(regular_wave(i).HTORSL, 13, 3);
        if (r.sea) row.F(V.WPSD(i), 13, 4);
        if (r.swell) row.F(V.SWLPSD(i), 13, 4);
        line(r, row.str());
    }
    pause_on_console(r);
}

void group_page(const Report& r) {
    const Tpcm& P = TPCM;
    const WavCom& V = WAVCOM;
    page_heading(r, kGroupHeading);
    const bool both = r.sea && r.swell;
    line(r, "");
    if (both) {
        line(r, "                            Wave          Swell       Wave          Swell");
        line(r, "   Group      Group      InterGroup    InterGroup     Group         Group");
        line(r, " Frequency    Period       Spacing       Spacing     Spectrum      Spectrum");
        line(r, Record()
                    .put(" (rad/sec)    (Sec)          (")
                    .A(r.AUNIT)
                    .put(")          (")
                    .A(r.AUNIT)
                    .put(")     <-- (")
                    .A(r.AUNIT)
                    .put("^4/[rad/sec]) -->")
                    .str());
    } else {
        line(r, Record().put("   Group        Group         InterGroup      ").A(fixed_len(r.sea ? " Wave" : "Swell", 7), 5).put(" Group").str());
        line(r, " Frequency      Period         Spacing          Spectrum");
        line(r, Record()
                    .put(" (rad/sec)      (Sec)           (")
                    .A(r.AUNIT)
                    .put(")        (")
                    .A(r.AUNIT)
                    .put("^4/[rad/sec])")
                    .str());
    }
    line(r, "");

    // Group speeds at the peaks. A sea peak off the grid takes the nearest end of the grid.
    Real GSWAV = 0.0f, GSSWL = 0.0f;
    if (r.sea) {
        const Int k = clamp_grid_index(r.NWAVPK, P.NWP);
        GSWAV = wave_group_speed(V.W(k), V.WVK(k), P.DEPTH, V.G);
    }
    if (r.swell) GSSWL = wave_group_speed(V.W(V.NSWEL), V.WVK(V.NSWEL), P.DEPTH, V.G);

    Real WFREQ = 0.0f;
    for (Int row_number = 1; row_number <= kGroupRows; ++row_number) {
        Real WVGPSP = 0.0f, SWGPSP = 0.0f;
        if (r.sea) GRPSPC(&V.WPSD(1), WVGPSP, WFREQ);
        if (r.swell) GRPSPC(&V.SWLPSD(1), SWGPSP, WFREQ);
        Record row;
        row.x(2).F(WFREQ, 5, 4);
        if (row_number == 1) {
            if (both) {
                row.t(13).put("Infinity").t(28).put("Infinity").t(42).put("Infinity");
                row.x(4).PE(WVGPSP, 9, 2).x(5).PE(SWGPSP, 9, 2);
            } else {
                row.t(15).put("Infinity").t(32).put("Infinity");
                row.x(8).PE(r.sea ? WVGPSP : SWGPSP, 9, 2);
            }
        } else {
            const Real period = kTwoPi / WFREQ;
            const Real GPSPW = kTwoPi * GSWAV / WFREQ;
            const Real GPSPS = kTwoPi * GSSWL / WFREQ;
            if (both) {
                row.x(5).F(period, 8, 2).x(4).F(GPSPW, 11, 2).x(3).F(GPSPS, 11, 2);
                row.x(4).PE(WVGPSP, 9, 2).x(5).PE(SWGPSP, 9, 2);
            } else {
                row.x(7).F(period, 8, 2).x(6).F(r.sea ? GPSPW : GPSPS, 11, 2);
                row.x(8).PE(r.sea ? WVGPSP : SWGPSP, 9, 2);
            }
        }
        line(r, row.str());
        WFREQ += 0.0025f;
    }
    pause_on_console(r);
    new_page(r);
}

// The case words the report cannot work with: refused before anything is written.
bool refused(const Report& r) {
    const Tpcm& P = TPCM;
    std::string_view message;
    if (!(P.DEPTH > 0.0f)) {
        message = " ++> Water depth must be positive for the wave report";
    } else {
        for (Int i = 1; i <= r.count; ++i) {
            if (!(P.T(i) > 0.0f)) {
                message = " ++> Wave periods must be positive for the wave report";
                break;
            }
        }
    }
    if (message.empty()) return false;
    write_record(r.console, "");
    write_record(r.console, message);
    PRSRET(r.console, KBD_UNIT, TPCM.LBACK);
    return true;
}

}  // namespace

Real wave_group_speed(Real W, Real WVK, Real DEPTH, Real G) {
    const Real q = WVK * DEPTH;
    if (q < 80.0f) return 0.5f * G * (q / std::cosh(q) + std::sinh(q)) / (W * std::cosh(q));
    return 0.5f * (W / WVK);
}

void WAVOUT(std::span<const std::vector<std::string>> REFUSALS) {
    Tpcm& P = TPCM;
    WavCom& V = WAVCOM;
    Report r;
    r.unit = P.IUNIT;
    r.console = P.EDUNIT;
    r.count = std::clamp<Int>(P.NWP, 0, 100);
    P.LBACK = 0;
    if (refused(r)) return;
    // A sea or swell the run would refuse gives a report of what cannot be computed (NaN, a program
    // stopped with the edits unsaved): the run's own findings instead, before anything is written.
    if (!REFUSALS.empty()) {
        for (const std::vector<std::string>& finding : REFUSALS) {
            write_record(r.console, "");
            for (const std::string& text : finding) write_record(r.console, text);
        }
        PRSRET(r.console, KBD_UNIT, P.LBACK);
        return;
    }

    write_record(r.console, "");
    write_record(r.console, " >>> Outputting wave kinematics data...");
    write_record(r.console, "");
    if (P.IUNIT == 1) {
        if (!open_report_file(r)) return;
        r.to_file = true;
    }
    const ReportFileGuard guard{r};
    const ReportFieldCount count(r.unit, report_page_title);

    // Gravity, the grid and its frequencies, by the rules every writer of the grid shares.
    set_wave_grid(&P.T(1), P.NWP, P.NUNTS);
    V.NSPEC = P.WAVTYP;
    // The captions hold their full lengths, blank-padded: a slot narrower than a caption shows its
    // leftmost characters, a wider one the caption and blanks.
    r.AUNIT = P.NUNTS == 0 ? "ft" : "m.";
    const bool height_given = P.LSLPHT == 0;
    r.CSLPHT = fixed_len(height_given ? "Height" : "Slope", 7);
    r.SLHTUN = fixed_len(height_given ? r.AUNIT : "Deg", 16);
    r.CSLPH2 = fixed_len(height_given ? " Slope" : "Height", 7);
    r.SLHUN2 = fixed_len(height_given ? "Deg" : r.AUNIT, 16);
    r.WDCNST = std::sqrt(P.DEPTH / V.G);

    kinematics_page(r);
    particle_page(r);

    r.sea = P.LRANDM != 0;
    r.swell = P.LSWELL != 0;
    if (r.sea || r.swell) {
        if (r.count < 2) {
            write_record(r.console, "");
            write_record(r.console, " ++> At least two wave periods are needed for the wave spectra");
            PRSRET(r.console, KBD_UNIT, P.LBACK);
            abandon_report(r);
            return;
        }
        r.CWAV = sea_spectrum_caption(P.WAVTYP, r.LENWAV);
        r.CWAV2 = P.LSPRED == 0 ? "; Long-crested seas" : "; Short-crested seas";
        // "A" at a question of the spectra (a frequency outside the user's spectrum, a TMA factor
        // that does not converge) abandons the report and gives the page back with the edits.
        bool made = false;
        try {
            const AbortGivesThePageBack in_the_editor;
            made = (!r.sea || sea_spectrum(r)) && (!r.swell || swell_spectrum(r));
        } catch (const AbortAnswered&) {
            P.LBACK = 0;
        }
        if (!made) {
            abandon_report(r);
            return;
        }
        spectra_page(r);
        group_page(r);
    }
    if (const NonFiniteFields found = report_non_finite_fields(); found.count > 0) {
        refuse_non_finite_fields(r, found);
        return;
    }
    close_report(r);
}

}  // namespace brevant

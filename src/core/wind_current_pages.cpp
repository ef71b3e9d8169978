// Sections V, VI and VII of the analysis report.
#include "core/wind_current_pages.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "lowlib/heading_functions.h"
#include "lowlib/speed_spectra.h"
#include "lowlib/wind_current_coefficients.h"
#include "records/data_image.h"
#include "records/equilibrium_record.h"
#include "records/sines_record.h"
#include "sysutl/angles.h"
#include "sysutl/captions.h"
#include "sysutl/fortran_format.h"
#include "sysutl/ftypes.h"
#include "sysutl/option_words.h"

namespace brevant {

namespace {

constexpr Real kDegPerRad = 57.295776f;

bool bit_on(Int bit) { return BITVAL(TPCM.BRVFLG, bit, TPCM.EDUNIT) == 1; }

Int wind_field(Int k) { return NIBVAL(TPCM.LWBARG, k, TPCM.EDUNIT); }
Int current_field(Int k) { return NIBVAL(TPCM.LCBARG, k, TPCM.EDUNIT); }

bool interpolated(std::string_view bow) {
    return bow.substr(0, 12) == "Interpolated" && bow.find_first_not_of(' ', 12) == std::string_view::npos;
}

// A summary line: 12 blanks and the 37-character label, then one blank and a caption.
void caption_line(std::string_view label, std::string_view caption) {
    write_record(TPCM.IUNIT, Record().x(12).put(label).put(" ").put(caption).str());
}
// A summary line with a number in F7.2 and what follows it.
void number_line(std::string_view label, Real value, std::string_view after = {}) {
    write_record(TPCM.IUNIT, Record().x(12).put(label).F(value, 7, 2).put(after).str());
}

void write_wind_summary(const RunValues& R) {
    const Tpcm& P = TPCM;
    const Int U = P.IUNIT;
    write_record(U, "");
    if (R.SWNFM == 1) {
        caption_line("Wind force model ................... ", model_caption(ModelList::Wind, wind_field(1)));
    } else {
        caption_line("Head-on Wind Coefficients (Cx) ..... ", model_caption(ModelList::Wind, wind_field(1)));
        caption_line("Beam-on Wind Coefficients (Cy) ..... ", model_caption(ModelList::Wind, wind_field(2)));
        caption_line("Wind Moment Coefficients  (Cz) ..... ", model_caption(ModelList::Wind, wind_field(3)));
    }
    if (!ONEON(P.LWBARG, 4, P.EDUNIT)) return;
    caption_line("Above-Water Bow Shape .............. ", R.BOWTPW.view());
    if (interpolated(R.BOWTPW.view())) number_line("Bow Interpolation Factor ........... ", P.BOWWND);
    number_line("Freeboard-Based Load ............... ", P.LOADED, " Percent");
    write_record(U, Record()
                        .x(12)
                        .put("Tanker Deadweight .................. ")
                        .I(clamp_to_int(static_cast<double>(P.DWTONS)), 7)
                        .A(UNITP(P.NUNTS), 16)
                        .str());
}

void write_current_summary(const RunValues& R) {
    const Tpcm& P = TPCM;
    const Int U = P.IUNIT;
    const Int f1 = current_field(1);
    Int NSMFLG = 0;
    write_record(U, "");
    if (R.SCRFM == 1) {
        caption_line("Current force model ................ ", model_caption(ModelList::Current, f1));
        if (f1 == 4 || f1 == kNsmbMeanCurrent) NSMFLG = 1;
    } else {
        const Int f2 = current_field(2);
        const Int f3 = current_field(3);
        caption_line("Head-on Current Coefficients (Cx) .. ", model_caption(ModelList::Current, f1));
        if (f1 == 4 || f1 == kNsmbMeanCurrent) NSMFLG = 1;
        caption_line("Beam-on Current Coefficients (Cy) .. ", model_caption(ModelList::Current, f2));
        if (f2 == 4) NSMFLG = 1;
        caption_line("Current Moment Coefficients  (Cz) .. ", model_caption(ModelList::Current, f3));
        if (f3 == 4) NSMFLG = 1;
    }
    if (ONEON(P.LCBARG, 6, P.EDUNIT) || ONEON(P.LCBARG, 4, P.EDUNIT) || ONEON(P.LCBARG, kNsmbMeanCurrent, P.EDUNIT)) {
        caption_line("Below-Water Bow Shape .............. ", R.BOWTPC.view());
        if (interpolated(R.BOWTPC.view())) number_line("Bow Interpolation Factor ........... ", P.BOWCUR);
        number_line("Draft-Based Load ................... ", P.DFTPCT, " Percent");
    }
    const Real HOVERD = SINES.HOVERD;
    const Real HOV100 = NSMFLG == 1 ? 0.01f * P.DFTPCT * HOVERD : HOVERD;
    number_line("Water depth/draft ratio ............ ", HOVERD);
    if (NSMFLG == 1) number_line("Water depth/draft parameter ........ ", HOV100);
    if (f1 == kNsmbMeanCurrent && P.DFTPCT != 100.0f) {
        write_record(U, "");
        write_record(U, Record().x(12).put("[NSMB \"Mean\" 40% load curves utilized for Cx]").str());
    }
}

// The attack angle of row I, degrees: the uniform grid from STARTA, or the angle list.
Real attack_angle(const RunValues& R, Int I) {
    const Tpcm& P = TPCM;
    return P.LANGARR == 0 ? static_cast<Real>(I - 1) * P.BRVINC + R.STARTA : P.BRVHDG(I);
}

Real wind_coefficient(Int k, Real RELANG) {
    const Tpcm& P = TPCM;
    return WINDCF(k, P.LWBARG, P.LOADED, P.BOWWND, P.SIZE, RELANG, P.XWNDAR, P.YWNDAR, P.XWARM, P.YWARM, P.LWL, P.BWL,
                  P.EDUNIT, P.ISPM, P.CREATR());
}

Real current_coefficient(Int k, Real RELANG) {
    const Tpcm& P = TPCM;
    return CRNTCF(k, P.LCBARG, P.DFTPCT, P.BOWCUR, SINES.HOVERD, RELANG, P.XCURAR, P.YCURAR, P.XCARM, P.YCARM, P.LWL,
                  P.BWL, P.EDUNIT, P.ISPM, P.CREATR());
}

// The wind's and the current's surge and sway forces and yaw moment about the centre of gravity at
// attack angle RELANG: load constant, projected area (times the length for the moment), coefficient.
std::array<Real, 3> wind_loads(Real RELANG) {
    const Tpcm& P = TPCM;
    const Real WNDCOF = SINES.WNDCOF;
    return {WNDCOF * P.XWNDAR * wind_coefficient(1, RELANG), WNDCOF * P.YWNDAR * wind_coefficient(2, RELANG),
            WNDCOF * P.YWNDAR * P.LWL * wind_coefficient(3, RELANG)};
}

std::array<Real, 3> current_loads(Real RELANG) {
    const Tpcm& P = TPCM;
    const Real CURCOF = SINES.CURCOF;
    return {CURCOF * P.XCURAR * current_coefficient(1, RELANG), CURCOF * P.YCURAR * current_coefficient(2, RELANG),
            CURCOF * P.YCURAR * P.LWL * current_coefficient(3, RELANG)};
}

// One row of sections VI and VII: 1X, the printed angle in F6.1, each value as 2X, 1PE10.3.
void write_force_row(Real OUTDEG, std::span<const Real> values) {
    Record row;
    row.x(1).F(REDDEG(OUTDEG), 6, 1);
    for (Real v : values) row.x(2).PE(v, 10, 3);
    write_record(TPCM.IUNIT, row.str());
}

// The selected groups of a row: all six values, or the three of the group that is on.
std::span<const Real> shown(const std::array<Real, 6>& v, bool wind, bool current) {
    if (wind && current) return {v.data(), 6};
    return {v.data() + (wind ? 0 : 3), 3};
}

// "(", the unit right-aligned in 6 characters, ")".
std::string unit_box(std::string_view unit) { return "(" + fmt_A(unit, 6) + ")"; }

// Starts the page of one of the sections V to VII when its wind or its current group is asked
// for: the progress line on the console, a new report page and the title line. False, with
// nothing written, when neither group is.
bool start_section_page(bool wind, bool current, std::initializer_list<std::string_view> progress,
                        std::string_view title) {
    if (!wind && !current) return false;
    progress_line(progress);
    start_report_page();
    write_record(TPCM.IUNIT, title);
    return true;
}

// The angles of the table row of attack angle I: in radians for the load models, whose
// trigonometric words are set for it, and as printed (with the heading offset ZEDDEG), degrees.
struct RowAngles {
    Real RELANG;
    Real OUTDEG;
};

RowAngles row_angles(const RunValues& R, Int I) {
    const Real RELDEG = attack_angle(R, I);
    const Real RELANG = RELDEG / kDegPerRad;
    TRIGLD(RELANG);
    return {RELANG, RELDEG + R.ZEDDEG};
}

}  // namespace

Real over_squared_speed(Real NUM, Real V) {
    const Real V2 = V * V;
    return V2 == 0.0f ? 0.0f : NUM / V2;
}

void write_load_model_summary(const RunValues& R, bool WIND, bool CURRENT) {
    if (WIND) write_wind_summary(R);
    if (CURRENT) write_current_summary(R);
}

void wind_current_coefficient_pages(RunValues& R) {
    const Tpcm& P = TPCM;
    const bool wind = bit_on(17);
    const bool current = bit_on(20);
    if (!start_section_page(wind, current,
                            {" >>> Computing dimensionless wind/current", " force/moment coefficients..."},
                            "   **********   V. Dimensionless Wind and Current Coefficients   ************")) {
        return;
    }
    const Int U = P.IUNIT;
    const std::string FSTCL = wind ? " Wind  " : "Current";
    write_record(U, "");
    write_record(U, " >>> NOTE: Dimensional wind/current forces & moments are defined by:");
    write_record(U, "");
    for (std::string_view line : {"Head-on force = .5*Ah*Df*(V^2)*Cx", "Beam-on force = .5*Ab*Df*(V^2)*Cy",
                                  "Moment at CG  = .5*L*Ab*Df*(V^2)*Cz", "", "V  = Relevant (wind or current) speed",
                                  "", "Ah = Head-On Projected Area", "Ab = Beam-On Projected Area",
                                  "L  = Vessel Length", "Df = Relevant (air or water) mass density"}) {
        write_record(U, line.empty() ? std::string() : std::string(12, ' ') + std::string(line));
    }
    write_load_model_summary(R, wind, current);

    write_record(U, "");
    write_record(U, "");
    if (wind && current) {
        write_record(U, "              --------    Wind    --------        ---------  Current  --------");
        write_record(
            U, std::string(R.FSTCL2.view()) + "      Cx          Cy          Cz          Cx          Cy          Cz");
    } else {
        write_record(U, "               --------   " + FSTCL + "  --------");
        write_record(U, std::string(R.FSTCL2.view()) + "       Cx          Cy          Cz         ");
    }
    write_record(U, std::string(R.FSTCL3.view()));
    write_record(U, "  (deg)");
    write_record(U, "");

    for (Int I = 1; I <= P.NUMBRV; ++I) {
        const auto [RELANG, OUTDEG] = row_angles(R, I);
        std::array<Real, 6> C{};
        for (Int k = 1; k <= 3; ++k) {
            if (wind) C[static_cast<std::size_t>(k - 1)] = wind_coefficient(k, RELANG);
        }
        for (Int k = 1; k <= 3; ++k) {
            if (current) C[static_cast<std::size_t>(k + 2)] = current_coefficient(k, RELANG);
        }
        Record row;
        row.F(REDDEG(OUTDEG), 7, 1);
        for (Real c : shown(C, wind, current)) row.F(c, 12, 5);
        write_record(U, row.str());
    }
    section_pause();
}

void wind_current_mean_force_pages(RunValues& R) {
    const Tpcm& P = TPCM;
    const bool wind = bit_on(18);
    const bool current = bit_on(21);
    if (!start_section_page(wind, current, {" >>> Computing mean wind/current", " forces and moments..."},
                            "   ************   VI. Mean Wind and Current Forces & Moments   ***********")) {
        return;
    }
    const Int U = P.IUNIT;
    const std::string FSTCL = wind ? "Wind   " : "Current";
    write_record(U, "");
    write_load_model_summary(R, wind, current);
    write_record(U, "");
    write_record(U, Record()
                        .put(" >>> NOTE: Moments in this table are computed about Xves = ")
                        .F(P.BRVARM, 8, 2)
                        .put(" ")
                        .A(R.AUNIT.view())
                        .str());

    const std::string T = unit_box(R.TUNIT.view());
    const std::string M = unit_box(R.MUNIT.view());
    write_record(U, "");
    write_record(U, "");
    if (wind && current) {
        write_record(U, "             --------    Wind    --------        ---------  Current  --------");
        write_record(
            U, std::string(R.FSTCL2.view()) + "     Fx          Fy          Mz          Fx          Fy          Mz");
        write_record(U, std::string(R.FSTCL3.view()) + "   " + T + "    " + T + "    " + M + "    " + T + "    " + T +
                            "    " + M);
    } else {
        write_record(U, "             --------   " + FSTCL + "  --------");
        write_record(U, std::string(R.FSTCL2.view()) + "     Fx          Fy          Mz         ");
        write_record(U, std::string(R.FSTCL3.view()) + "   " + T + "    " + T + "    " + M);
    }
    write_record(U, "  (deg)");
    write_record(U, "");

    const Real YAWARM = EQUILB.YAWARM;
    for (Int I = 1; I <= P.NUMBRV; ++I) {
        const auto [RELANG, OUTDEG] = row_angles(R, I);
        std::array<Real, 6> F{};
        // The moments about the reference Xves = YAWARM.
        if (wind) {
            const std::array<Real, 3> W = wind_loads(RELANG);
            F[0] = W[0];
            F[1] = W[1];
            F[2] = W[2] - YAWARM * W[1];
        }
        if (current) {
            const std::array<Real, 3> C = current_loads(RELANG);
            F[3] = C[0];
            F[4] = C[1];
            F[5] = C[2] - YAWARM * C[1];
        }
        write_force_row(OUTDEG, shown(F, wind, current));
    }
    section_pause();
}

void wind_current_spectrum_pages(RunValues& R) {
    Tpcm& P = TPCM;
    const bool wind = bit_on(19);
    const bool current = bit_on(22);
    if (!start_section_page(
            wind, current, {" >>> Computing \"low-frequency\" variable", " wind/current spectral densities..."},
            "  ***  VII. \"Low-Frequency\" Wind/Current Force & Moment Spectral Densities  ***")) {
        return;
    }
    const Int U = P.IUNIT;
    const std::string FSTCL = wind ? "  Wind " : "Current";
    write_record(U, "");
    write_record(U, "");
    write_record(U, Record()
                        .put(" >>> NOTE: Moments in this table are computed about Xves = ")
                        .F(0.0f, 8, 2)
                        .put(" ")
                        .A(R.AUNIT.view())
                        .str());
    write_record(U, Record()
                        .put("           Frequency of \"low-frequency\" oscillations     = ")
                        .F(P.BRVFRQ, 8, 3)
                        .put(" rad/sec")
                        .str());

    const std::string T(R.TUNIT.view()), M(R.MUNIT.view());
    write_record(U, "");
    if (wind && current) {
        write_record(U, "           --------   Wind Data   --------     -------   Current Data   ------");
        write_record(
            U, std::string(R.FSTCL2.view()) + "    SFx         SFy        SMz          SFx         SFy        SMz");
        write_record(U, std::string(R.FSTCL3.view()) + " <-- [" + T + "]^2*s -->   [" + M + "]^2*s  <-- [" + T +
                            "]^2*s -->  [" + M + "]^2*s");
    } else {
        write_record(U, "           ------   " + FSTCL + " Data    -----");
        write_record(U, std::string(R.FSTCL2.view()) + "    SFx         SFy        SMz");
        write_record(U, std::string(R.FSTCL3.view()) + " <-- [" + T + "]^2*s -->   [" + M + "]^2*s");
    }
    write_record(U, "  (deg)");
    write_record(U, "");

    for (Int I = 1; I <= P.NUMBRV; ++I) {
        const auto [RELANG, OUTDEG] = row_angles(R, I);
        Real WNDDENQ = 0.0f;
        if (P.LWIND != 0) {
            Real V_ADJ_RAT = 1.0f;
            WNDDENQ =
                WNDSPC(P.BRVFRQ, P.WNDSPD, P.WNDDEN, P.NUNTS, P.WNDTYP, P.APIPRM, P.WSPEC_HGT, V_ADJ_RAT, P.EDUNIT);
            WNDDENQ = WNDDENQ * V_ADJ_RAT;
        }
        std::array<Real, 6> S{};
        if (wind) {
            const std::array<Real, 3> W = wind_loads(RELANG);
            std::copy(W.begin(), W.end(), S.begin());
        }
        for (std::size_t j = 0; j < 3; ++j) S[j] = over_squared_speed(4.0f * S[j] * S[j] * WNDDENQ, R.TMPWSP);
        if (current) {
            const std::array<Real, 3> C = current_loads(RELANG);
            std::copy(C.begin(), C.end(), S.begin() + 3);
        }
        const Real CURDENQ = P.LCURNT != 0 ? CURSPC(P.BRVFRQ, P.CURDEN, P.CURTYP, P.EDUNIT) : 0.0f;
        for (std::size_t j = 3; j < 6; ++j) S[j] = over_squared_speed(4.0f * S[j] * S[j] * CURDENQ, R.TMPCSP);
        write_force_row(OUTDEG, shown(S, wind, current));
    }
    section_pause();
    start_report_page();
}

}  // namespace brevant

// Sections VIIs, VIIq, VIIr and the summed spectra by attack angle.
#include "core/attack_angle_spectra.h"

#include <array>
#include <initializer_list>
#include <string>

#include "core/low_frequency_grid.h"
#include "core/spectrum_pages.h"
#include "core/wind_current_pages.h"
#include "lowlib/drag_entry.h"
#include "lowlib/drift_forces.h"
#include "lowlib/heading_functions.h"
#include "lowlib/row_series_reuse.h"
#include "lowlib/speed_spectra.h"
#include "lowlib/wind_current_coefficients.h"
#include "options/low_frequency_rows.h"
#include "records/data_image.h"
#include "records/equilibrium_record.h"
#include "records/sines_record.h"
#include "records/wave_record.h"
#include "sysutl/fortran_format.h"
#include "sysutl/option_words.h"
#include "sysutl/paging.h"
#include "sysutl/units.h"
#include "veslib/rao_refresh.h"
#include "veslib/wave_environment.h"

namespace brevant {

namespace {

constexpr Real kDegPerRad = 57.2957763671875f;
constexpr Real kPi = 3.1415927410125732f;

// The running sums of the environments computed at the current attack angle, row by row.
FArray<Real, kMaxAngleSpectrumRows> SXCUM{}, SYCUM{}, SZCUM{};

// Set once a table of too many rows has been refused: the series asks up to seven tables an angle,
// for any number of angles, and one refusal and one wait say all there is to say.
Logical ROWS_REFUSED = 0;

bool bit_on(Int bit) { return BITVAL(TPCM.BRVFLG, bit, TPCM.EDUNIT) == 1; }

// A refusal: its lines on the console (the file of a silent run), then one answer line where
// somebody can give it.
void refuse(std::initializer_list<std::string_view> lines) {
    for (const std::string_view line : lines) write_record(console_unit(TPCM.EDUNIT), line);
    if (TPCM.EDUNIT != SILENT_UNIT) read_keyboard_line(KBD_UNIT);
}

constexpr std::string_view kPressAnyKey = "      Press any key + <Return> to continue...";

void angle_line(std::string_view word, Real RELDEG) {
    const Int U = TPCM.IUNIT;
    write_record(U, Record().x(12).put("Bow-relative ").put(word).put(" attack angle = ").F(RELDEG, 6, 2).put(" Degrees").str());
    write_record(U, "");
}

// The parameters above the table of one environment (1 to 6), written when LPRINT is true. The
// wave and swell summary values are computed on every call, printed or not: where the wave-number
// search of the characteristic slope fails, the run ends there either way.
void parameter_summary(const RunValues& R, Int SPECTYP, Real RELDEG, bool LPRINT) {
    const Tpcm& P = TPCM;
    const Int U = P.IUNIT;
    const CaptionFunction units = UNITS;
    switch (SPECTYP) {
        case 1:
            if (!LPRINT) return;
            angle_line("Wind", RELDEG);
            write_record(U, Record().x(5).put("Wind").put(" Spectral Type -- ").put(wind_spectrum_caption(P.WNDTYP)).str());
            ONELIN("Mean wind speed", 15, P.WNDSPD, units, 13, U);
            if (P.WNDTYP == 4) ONELIN("A.P.I. wind spectrum parameter", 30, P.APIPRM, units, -1, U);
            break;
        case 2:
            if (!LPRINT) return;
            angle_line("Current", RELDEG);
            write_record(U,
                         Record().x(5).put("Current").put(" Spectral Type -- ").put(current_spectrum_caption(P.CURTYP)).str());
            ONELIN("Mean current speed", 18, P.CURSPD, units, 13, U);
            break;
        case 3:
        case 4: {
            if (LPRINT) angle_line("Wave", RELDEG);
            const SeaCharacteristics C = sea_characteristics(R);
            if (!LPRINT) return;
            write_record(U, Record().x(5).put("----  Wave Characteristics  ----").str());
            write_record(U, "");
            write_sea_characteristics_lines(R, C);
            write_record(U, "");
            write_slope_basis_line(R);
            break;
        }
        default: {
            if (LPRINT) angle_line("Swell", RELDEG);
            const Real SLOPE = swell_characteristic_slope(R);
            if (LPRINT) write_swell_characteristics_lines(R, SLOPE);
            break;
        }
    }
}

void source_table_heading(const RunValues& R) {
    const Int U = TPCM.IUNIT;
    write_record(U, "");
    write_record(U, "                         InterGroup");
    write_record(U, std::string(" Frequency    Period      Spacing       ") + " S(Fx)        S(Fy)         S(Mz)");
    write_record(U, Record()
                        .put(" (rad/sec)    (Sec)        (")
                        .A(R.AUNIT.view(), 2)
                        .put(")       <-- Frc^2/(rad/sec) -->   Mom^2/(rad/sec)")
                        .str());
    write_record(U, "");
}

void summed_table_heading() {
    const Int U = TPCM.IUNIT;
    write_record(U, "");
    write_record(U, std::string(" Frequency    Period    ") + " S(Fx)        S(Fy)         S(Mz)");
    write_record(U, std::string(" (rad/sec)    (Sec)    ") + "<-- Frc^2/(rad/sec) -->   Mom^2/(rad/sec)");
    write_record(U, "");
}

// The mean wind (1) or current (2) load of each component at the angle of the last TRIGLD.
std::array<Real, 3> mean_loads(Int SPECTYP, Real RELANG) {
    const Tpcm& P = TPCM;
    std::array<Real, 3> F{};
    for (Int k = 1; k <= 3; ++k) {
        if (SPECTYP == 1) {
            const Real C = WINDCF(k, P.LWBARG, P.LOADED, P.BOWWND, P.SIZE, RELANG, P.XWNDAR, P.YWNDAR, P.XWARM, P.YWARM,
                                  P.LWL, P.BWL, P.EDUNIT, P.ISPM, P.CREATR());
            const Real A = k == 1 ? P.XWNDAR : k == 2 ? P.YWNDAR : P.YWNDAR * P.LWL;
            F[static_cast<std::size_t>(k - 1)] = SINES.WNDCOF * A * C;
        } else {
            const Real C = CRNTCF(k, P.LCBARG, P.DFTPCT, P.BOWCUR, SINES.HOVERD, RELANG, P.XCURAR, P.YCURAR, P.XCARM,
                                  P.YCARM, P.LWL, P.BWL, P.EDUNIT, P.ISPM, P.CREATR());
            const Real A = k == 1 ? P.XCURAR : k == 2 ? P.YCURAR : P.YCURAR * P.LWL;
            F[static_cast<std::size_t>(k - 1)] = SINES.CURCOF * A * C;
        }
    }
    return F;
}

}  // namespace

void ANGSPEC(const RunValues& R, Real RELANG, Int SPECTYP, Int NWAVPK, std::string_view HEADER, bool LPRINT,
             bool& FRSTIM) {
    const Tpcm& P = TPCM;
    const WavCom& V = WAVCOM;
    const Int U = P.IUNIT;
    TRIGLD(RELANG);
    if (FRSTIM) {
        FRSTIM = false;
        for (Int i = 1; i <= kMaxAngleSpectrumRows; ++i) {
            SXCUM(i) = 0.0f;
            SYCUM(i) = 0.0f;
            SZCUM(i) = 0.0f;
        }
    }
    const Real RELDEG = RELANG * kDegPerRad;

    if (LPRINT) {
        start_report_page();
        write_record(U, std::string("   ").append(HEADER));
        write_record(U, "");
        write_record(U, "");
        write_record(U, std::string(" >>> NOTES: Moments in this table are ") + "computed about the center of gravity");
    }
    if (SPECTYP < 1 || SPECTYP > 7) {
        refuse({" +++> Unknown environment in ANGSPEC", kPressAnyKey});
        return;
    }
    if (SPECTYP == 7) {
        angle_line("Aligned Environments", RELDEG);
        summed_table_heading();
    } else {
        parameter_summary(R, SPECTYP, RELDEG, LPRINT);
        if (LPRINT) source_table_heading(R);
    }

    const Int NIWQ = low_frequency_row_count();
    if (NIWQ > kMaxAngleSpectrumRows) {
        // The sums hold no more rows: no rows, nothing added, whether or not the page is written.
        if (ROWS_REFUSED == 0) {
            ROWS_REFUSED = 1;
            refuse({" +++> Max Freq Overflow in ANGSPEC...",
                    "      Increase frequency interval for group spectral tables", kPressAnyKey});
        }
        return;
    }

    // What a row needs that does not change along the table.
    std::array<Real, 3> F{};
    Real TMPSPD = 0.0f;
    const Real* PSD = nullptr;
    Int IWAVID = 1;
    if (SPECTYP == 1 || SPECTYP == 2) {
        F = mean_loads(SPECTYP, RELANG);
        TMPSPD = SPECTYP == 1 ? R.TMPWSP : R.TMPCSP;
    } else if (SPECTYP <= 6) {
        const bool sea = SPECTYP <= 4;
        TMPSPD = grid_group_speed(sea ? NWAVPK : V.NSWEL);
        PSD = sea ? &V.WPSD(1) : &V.SWLPSD(1);
        IWAVID = sea ? 1 : 2;
    }
    const bool summed = SPECTYP != 7 && (SPECTYP == 1 || SPECTYP == 2 || SPECTYP == 3 || SPECTYP == 5 || P.LEGDRG == 0);

    // Down the rows only the row frequency changes: the load routines may keep what does not
    // depend on it.
    const RowSeriesScope rows;
    for_each_low_frequency_row([&](Int IW, Real WFREQ) {
        Real SFX = 0.0f, SFY = 0.0f, SMZ = 0.0f;
        switch (SPECTYP) {
            case 1: {
                Real V_ADJ_RAT = 1.0f;
                const Real SV =
                    WNDSPC(WFREQ, P.WNDSPD, P.WNDDEN, P.NUNTS, P.WNDTYP, P.APIPRM, P.WSPEC_HGT, V_ADJ_RAT, P.EDUNIT);
                // A wind at rest carries no mean load and so no load spectrum: 0, not 0/0.
                SFX = over_squared_speed(4.0f * F[0] * F[0] * V_ADJ_RAT * SV, TMPSPD);
                SFY = over_squared_speed(4.0f * F[1] * F[1] * V_ADJ_RAT * SV, TMPSPD);
                SMZ = over_squared_speed(4.0f * F[2] * F[2] * V_ADJ_RAT * SV, TMPSPD);
                break;
            }
            case 2: {
                const Real SC = CURSPC(WFREQ, P.CURDEN, P.CURTYP, P.EDUNIT);
                SFX = over_squared_speed(4.0f * F[0] * F[0] * SC, TMPSPD);
                SFY = over_squared_speed(4.0f * F[1] * F[1] * SC, TMPSPD);
                SMZ = over_squared_speed(4.0f * F[2] * F[2] * SC, TMPSPD);
                break;
            }
            case 3:
            case 5: {
                std::array<Real, 3> D{};
                for (Int k = 1; k <= 3; ++k) {
                    Real WC = WFREQ;
                    D[static_cast<std::size_t>(k - 1)] = DRIFTF(1, k, RELANG, PSD, WC, 0, IWAVID);
                }
                const Real factor = 2.0f * P.VWDFAC;
                const Real yaw = P.LWL * V.BEAMCF;
                SFX = D[0] * factor * (V.BOWCF * V.BOWCF);
                SFY = D[1] * factor * (V.BEAMCF * V.BEAMCF);
                SMZ = D[2] * factor * (yaw * yaw);
                break;
            }
            case 4:
            case 6: {
                std::array<Real, 3> S{};
                for (Int k = 1; k <= 3; ++k) {
                    Real WC = WFREQ, FOUTD = 0.0f, FOUTR = 0.0f;
                    DRAGF(1, k, RELANG, PSD, WC, FOUTD, FOUTR, IWAVID);
                    S[static_cast<std::size_t>(k - 1)] = FOUTD + FOUTR;
                }
                SFX = S[0];
                SFY = S[1];
                SMZ = S[2];
                break;
            }
            default:
                SFX = SXCUM(IW);
                SFY = SYCUM(IW);
                SMZ = SZCUM(IW);
                break;
        }
        if (summed) {
            SXCUM(IW) = SXCUM(IW) + SFX;
            SYCUM(IW) = SYCUM(IW) + SFY;
            SZCUM(IW) = SZCUM(IW) + SMZ;
        }
        if (!LPRINT) return;
        if (SPECTYP == 7) {
            write_record(U, summed_force_spectrum_low_frequency_row(IW, WFREQ, SFX, SFY, SMZ));
        } else {
            const Real GPSPAC = IW == 1 ? 0.0f : kTwoPi * TMPSPD / WFREQ;
            write_record(U, force_spectrum_low_frequency_row(IW, WFREQ, GPSPAC, SFX, SFY, SMZ));
        }
    });
}

void reset_angspec_row_refusal() { ROWS_REFUSED = 0; }

void attack_angle_spectra_series(RunValues& R) {
    const Tpcm& P = TPCM;
    if (!bit_on(27)) return;
    reset_angspec_row_refusal();
    static constexpr std::string_view kHeadings[] = {
        " **************  VIIq. Spectral Values: Wind Forces & Moment  *************",
        " ************  VIIr. Spectral Values: Current Forces & Moment  ************",
        " *******  VIIs. Spectral Values: Wave Reflection Forces & Moment*******",
        " *******  VIIs. Spectral Values: Wave Absorption Forces & Moment*******",
        " *******  VIIs. Spectral Values: Swell Reflection Forces & Moment *******",
        " *******  VIIs. Spectral Values: Swell Absorption Forces & Moment *******",
        " **********   VIIr. Summed Spectral Values; All Environments  ***********",
    };
    // The series writes pages only when one of these is asked for (each angle then ends with the
    // summed page).
    const bool reflection = bit_on(9), absorption = bit_on(10), wind = bit_on(24), current = bit_on(25);
    // The sea peak's index kept on the period grid, as the group spectra keep it.
    const Int NWAVPK = clamp_grid_index(R.NWAVPK, P.NWP);
    bool FRSTIM = true;
    // One environment's page; on the console a pause after it when it was written.
    const auto page = [&](Real RELANG, Int SPECTYP, bool LPRINT) {
        ANGSPEC(R, RELANG, SPECTYP, NWAVPK, kHeadings[SPECTYP - 1], LPRINT, FRSTIM);
        if (LPRINT) section_pause();
    };
    // The wave-frequency responses at the relative heading of a wave system from HEADING degrees.
    const auto responses_for = [](Real HEADING, Real RELDEG, Real RELANG) {
        EQUILB.VESANG = HEADING / kDegPerRad + kPi - RELANG;
        Real heading = RELDEG + 180.0f;
        RELRAOUP(heading, EQUILB.VESANG, 0, 0, 1);
    };

    start_report_page();
    for (Int I = 1; I <= P.NUMBRV; ++I) {
        FRSTIM = true;
        const Real RELDEG = P.LANGARR == 0 ? static_cast<Real>(I - 1) * P.BRVINC + R.STARTA : P.BRVHDG(I);
        const Real RELANG = RELDEG / kDegPerRad;
        if (P.LRANDM == 1) {
            responses_for(P.SEAHDG(1), RELDEG, RELANG);
            page(RELANG, 3, reflection);
            page(RELANG, 4, absorption);
        }
        if (P.LSWELL == 1) {
            responses_for(P.SWLHDG, RELDEG, RELANG);
            page(RELANG, 5, reflection);
            page(RELANG, 6, absorption);
            section_pause();
        }
        if (P.LWIND != 0 || P.LCURNT != 0) {
            TRIGLD(RELANG);
            if (P.LWIND == 1) {
                page(RELANG, 1, wind);
                if (wind) start_report_page();
            }
            if (P.LCURNT == 1) {
                page(RELANG, 2, current);
                if (current) start_report_page();
            }
        }
        if (reflection || absorption || wind || current) {
            page(RELANG, 7, true);
            start_report_page();
        }
    }
    section_pause();
}

}  // namespace brevant

// Sections VIIp, VIII and VIIIp.
#include "core/spectrum_pages.h"

#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "core/drift_coefficient_pages.h"
#include "core/low_frequency_grid.h"
#include "lowlib/speed_spectra.h"
#include "numeric/grid_integrals.h"
#include "numeric/wave_number.h"
#include "options/output_selection.h"
#include "records/data_image.h"
#include "records/equilibrium_record.h"
#include "records/motion_record.h"
#include "records/wave_record.h"
#include "sysutl/captions.h"
#include "sysutl/fortran_format.h"
#include "sysutl/option_words.h"
#include "sysutl/paging.h"
#include "veslib/wave_environment.h"

namespace brevant {

namespace {

constexpr Real kDegPerRad = 57.295776f;
constexpr std::string_view kMissing = "Missing!";

bool bit_on(Int bit) { return BITVAL(TPCM.BRVFLG, bit, TPCM.EDUNIT) == 1; }

// The characteristic slope (degrees) of a wave of HEIGHT at the period PERIOD in the run's depth.
Real characteristic_slope(const RunValues& R, Real PERIOD, Real HEIGHT) {
    Real KD = 0.0f;
    WAVVEC(kTwoPi / PERIOD * R.WDCNST, KD, TPCM.EDUNIT);
    const Real K = KD / TPCM.DEPTH;
    return 0.5f * HEIGHT * kDegPerRad * K;
}

// The characteristic wind speed of the sea, 0.1412 g TPK (ft/s or m/s): about the wind of a fully
// developed sea with that peak period (w_p = 0.88 g / U).
Real characteristic_wind_speed() { return 0.1412f * WAVCOM.G * WAVCOM.TPK; }

void speed_spectrum_header(const RunValues& R, bool wind, bool both) {
    const Int U = TPCM.IUNIT;
    const std::string A(R.AUNIT.view());
    write_record(U, "");
    if (both) {
        write_record(U, std::string("                            Wind         Current    ") + "  Wind         Current");
        write_record(U, std::string("                         InterGroup    InterGroup   ") + "  Speed         Speed");
        write_record(U, std::string(" Frequency    Period       Spacing       Spacing    ") + " Spectrum      Spectrum");
        write_record(U, Record()
                            .put(" (rad/sec)    (Sec)          (")
                            .A(R.AUNIT.view(), 2)
                            .put(")          (" + A + ")     ")
                            .put("< (" + A + "/sec)^2/(rad/sec) >")
                            .str());
    } else {
        const std::string_view FSTCL2 = wind ? "   Wind" : "Current";
        write_record(U, Record().put("                              InterGroup    ").A(FSTCL2, 7).put(" Speed").str());
        write_record(U, std::string(" Frequency      Period         Spacing          ") + "Spectrum");
        write_record(U, Record()
                            .put(" (rad/sec)      (Sec)           (")
                            .A(R.AUNIT.view(), 2)
                            .put(")     < (" + A + "/sec)^2/(rad/sec) >")
                            .str());
    }
    write_record(U, "");
}

void group_spectrum_header(const RunValues& R, bool wave, bool both) {
    const Int U = TPCM.IUNIT;
    const std::string A(R.AUNIT.view());
    write_record(U, "");
    if (both) {
        write_record(U, std::string("                            Wave          Swell     ") + "  Wave          Swell");
        write_record(U, std::string("   Group      Group      InterGroup    InterGroup   ") + "  Group         Group");
        write_record(U, std::string(" Frequency    Period       Spacing       Spacing    ") + " Spectrum      Spectrum");
        write_record(U, " (rad/sec)    (Sec)          (" + A + ")          (" + A + ")     " + "<-- (" + A + "^4/[rad/sec]) -->");
    } else {
        const std::string_view FSTCL = wave ? " Wave" : "Swell";
        write_record(U, Record().put("   Group        Group         InterGroup      ").A(FSTCL, 5).put(" Group").str());
        write_record(U, std::string(" Frequency      Period         Spacing          ") + "Spectrum");
        write_record(U, " (rad/sec)      (Sec)           (" + A + ")        (" + A + "^4/[rad/sec])");
    }
    write_record(U, "");
}

}  // namespace

std::string_view wind_spectrum_caption(Int WNDTYP) {
    static constexpr std::array<std::string_view, 6> names = {"Davenport", "User Specified", "Steady Wind",
                                                              "A.P.I.",    "N.P.D.",         "WINDSPEC.txt file"};
    return WNDTYP >= 1 && WNDTYP <= 6 ? names[static_cast<std::size_t>(WNDTYP - 1)] : kMissing;
}

std::string_view current_spectrum_caption(Int CURTYP) {
    static constexpr std::array<std::string_view, 4> names = {"Steady Current", "User Specified", "CRNTSPEC.txt file",
                                                              "Band-limited white spectrum"};
    return CURTYP >= 0 && CURTYP <= 3 ? names[static_cast<std::size_t>(CURTYP)] : kMissing;
}

void speed_spectrum_pages(RunValues& R) {
    const Tpcm& P = TPCM;
    const Int U = P.IUNIT;
    const bool wind = bit_on(kBitWindSpeedSpectrum), current = bit_on(kBitCurrentSpeedSpectrum);
    if (!wind && !current) return;
    hold_low_frequency_rows();
    const CaptionFunction units = UNITS;
    start_report_page();
    write_record(U, std::string("   *********  VIIp. Spectral Values:") + " Wind Speed and Current Speed  **********");
    write_record(U, "");
    if (P.LWIND != 0 && wind) {
        write_record(U, Record().x(5).put("Wind").put(" Spectral Type -- ").put(wind_spectrum_caption(P.WNDTYP)).str());
        ONELIN("Mean wind speed", 15, P.WNDSPD, units, 13, U);
        if (P.WNDTYP == 4) ONELIN("A.P.I. wind spectrum parameter", 30, P.APIPRM, units, -1, U);
        if (P.WNDTYP == 5) ONELIN("N.P.D. Spectral Evaluation Height", 33, P.WSPEC_HGT, units, P.NUNTS + 7, U);
    }
    if (P.LCURNT != 0 && current) {
        if (wind) write_record(U, " ");
        write_record(U, Record().x(5).put("Current").put(" Spectral Type -- ").put(current_spectrum_caption(P.CURTYP)).str());
        ONELIN("Mean current speed", 18, P.CURSPD, units, 13, U);
    }
    const bool both = wind && current;
    speed_spectrum_header(R, wind, both);

    for_each_low_frequency_row([&](Int IW, Real WFREQ) {
        Real WNDDENQ = 0.0f, CURDENQ = 0.0f;
        if (P.LWIND != 0) {
            // The table shows the speed spectrum itself: the speed-adjustment ratio is not applied.
            Real V_ADJ_RAT = 1.0f;
            WNDDENQ =
                WNDSPC(WFREQ, P.WNDSPD, P.WNDDEN, P.NUNTS, P.WNDTYP, P.APIPRM, P.WSPEC_HGT, V_ADJ_RAT, P.EDUNIT);
        }
        if (P.LCURNT != 0) CURDENQ = CURSPC(WFREQ, P.CURDEN, P.CURTYP, P.EDUNIT);
        Real GPSPW = 0.0f, GPSPS = 0.0f;
        if (IW != 1) {
            GPSPW = kTwoPi * R.TMPWSP / WFREQ;
            GPSPS = kTwoPi * R.TMPCSP / WFREQ;
        }
        if (both) {
            write_record(U, two_column_low_frequency_row(IW, WFREQ, GPSPW, GPSPS, WNDDENQ, CURDENQ));
        } else if (wind) {
            write_record(U, one_column_low_frequency_row(IW, WFREQ, GPSPW, WNDDENQ));
        } else {
            write_record(U, one_column_low_frequency_row(IW, WFREQ, GPSPS, CURDENQ));
        }
    });
}

void write_sea_spectrum_lines(const RunValues& R) {
    const Tpcm& P = TPCM;
    const Int U = P.IUNIT;
    const CaptionFunction units = UNITS;
    write_record(U, Record()
                        .x(5)
                        .put("Wave")
                        .put(" Spectral Type -- ")
                        .put(R.CWAV.view().substr(0, static_cast<std::size_t>(R.LENWAV)))
                        .put(R.CWAV2.view().substr(0, static_cast<std::size_t>(R.LNWAV2)))
                        .str());
    write_record(U, "");
    if (P.LSPRED != 0) ONELIN("Power of Cosine in spreading factor", 35, P.COSEXP, units, 99, U);
    if (P.WAVTYP != 7 && P.WAVTYP != 8) {
        ONELIN("Requested Significant wave height", 33, P.SWHT(1), units, P.NUNTS + 7, U);
    }
    ONELIN("Calculated Significant wave height", 34, EQUILB.SWHC, units, P.NUNTS + 7, U);
    ONELIN("Spectrum peak period", 20, WAVCOM.TPK, units, 16, U);
}

SeaCharacteristics sea_characteristics(const RunValues& R) {
    const WavCom& V = WAVCOM;
    SeaCharacteristics C;
    C.VWIND = characteristic_wind_speed();
    // The requested height, also for the user spectra whose requested-height line is not shown.
    C.SLOPE = characteristic_slope(R, V.TPK, TPCM.SWHT(1));
    return C;
}

Real swell_characteristic_slope(const RunValues& R) { return characteristic_slope(R, TPCM.SWELPD, TPCM.SWELHT); }

namespace {

void write_sea_slope_and_direction_lines(Real SLOPE) {
    const Int U = TPCM.IUNIT;
    const CaptionFunction units = UNITS;
    ONELIN("Spectrum characteristic wave slope", 34, SLOPE, units, 2, U);
    ONELIN("Direction of maximum seas", 25, TPCM.SEAHDG(1), units, 2, U);
}

void write_sea_wind_speed_line(Real VWIND) {
    const CaptionFunction units = UNITS;
    ONELIN("Spectrum characteristic wind speed", 34, VWIND, units, TPCM.NUNTS + 14, TPCM.IUNIT);
}

}  // namespace

void write_sea_characteristics_lines(const RunValues& R) {
    write_sea_spectrum_lines(R);
    write_sea_wind_speed_line(characteristic_wind_speed());
    write_sea_slope_and_direction_lines(sea_characteristics(R).SLOPE);
}

void write_sea_characteristics_lines(const RunValues& R, const SeaCharacteristics& C) {
    write_sea_spectrum_lines(R);
    write_sea_wind_speed_line(C.VWIND);
    write_sea_slope_and_direction_lines(C.SLOPE);
}

void write_swell_characteristics_lines(const RunValues& R) { write_swell_characteristics_lines(R, swell_characteristic_slope(R)); }

void write_swell_characteristics_lines(const RunValues& /*R*/, Real SLOPE) {
    const Tpcm& P = TPCM;
    const WavCom& V = WAVCOM;
    const Int U = P.IUNIT;
    const CaptionFunction units = UNITS;
    write_record(U, "");
    write_record(U, Record().x(10).put("+++ Background Swell Data +++").str());
    write_record(U, "");
    if (P.SWLTYP != 7 && P.SWLTYP != 8) {
        ONELIN("Requested Significant swell height", 34, P.SWELHT, units, P.NUNTS + 7, U);
    }
    ONELIN("Calculated Significant swell height", 35, V.SWHSWL, units, P.NUNTS + 7, U);
    ONELIN("Swell direction", 15, P.SWLHDG, units, 2, U);
    ONELIN("Swell period", 12, P.SWELPD, units, 16, U);
    ONELIN("Swell spectral bandwidth parameter", 34, P.SWLWID, units, -1, U);
    ONELIN("Swell characteristic wave slope", 31, SLOPE, units, 2, U);
}

void write_wave_characteristics_block(const RunValues& R) {
    const Int U = TPCM.IUNIT;
    write_record(U, Record().x(5).put("----  Wave Characteristics  ----").str());
    write_record(U, "");
    if (TPCM.LRANDM != 0) write_sea_characteristics_lines(R);
    if (TPCM.LSWELL != 0) write_swell_characteristics_lines(R);
}

void write_slope_basis_line(const RunValues& R) {
    const Tpcm& P = TPCM;
    if (P.LSLPHT == 0) {
        write_record(P.IUNIT,
                     Record().x(5).put(">>> Wave height for slope calculation = ").F(P.SLPHT, 6, 2).put(" ").A(R.AUNIT.view()).str());
    } else {
        write_record(P.IUNIT, Record().x(5).put(">>> Wave slope for height calculation = ").F(P.SLPHT, 6, 2).put(" degrees").str());
    }
}

void wave_spectrum_pages(RunValues& R) {
    const Tpcm& P = TPCM;
    const WavCom& V = WAVCOM;
    const Int U = P.IUNIT;
    const bool sea = bit_on(kBitWaveSpectrum), swell = bit_on(kBitSwellSpectrum);
    if (!sea && !swell) return;
    progress_line({" >>> Computing requested wave spectra..."});
    start_report_page();
    write_record(U, std::string("   *****************  VIII. Irregular Wave Spectral") + " Values  *****************");
    write_record(U, "");
    write_wave_characteristics_block(R);

    write_record(U, "");
    write_slope_basis_line(R);

    const std::string A(R.AUNIT.view());
    write_record(U, "");
    if (sea && swell) {
        write_record(U, std::string("      Wave         Wave         Wave         Wave") + "         Wave        Swell");
        write_record(U, Record()
                            .put("     Period      Frequency     Length       ")
                            .A(R.CSLPH2.view(), 6)
                            .put("      Spectrum     Spectrum")
                            .str());
        write_record(U, Record()
                            .put("     (Sec)       (rad/sec)      (" + A + ")         (")
                            .A(R.SLHUN2.view(), 3)
                            .put(")")
                            .t(55)
                            .put("<-- (" + A + "^2/[rad/sec]) -->")
                            .str());
    } else {
        const std::string_view FSTCL = sea ? "Wave   " : "Swell  ";
        write_record(U, Record().put("      Wave         Wave         Wave         Wave         ").A(FSTCL, 7).str());
        write_record(U, Record()
                            .put("     Period      Frequency     Length       ")
                            .A(R.CSLPH2.view(), 6)
                            .put("      Spectrum")
                            .str());
        write_record(U, Record()
                            .put("     (Sec)       (rad/sec)      (" + A + ")         (")
                            .A(R.SLHUN2.view(), 3)
                            .put(")")
                            .t(53)
                            .put("(" + A + "^2/[rad/sec])")
                            .str());
    }
    write_record(U, "");

    const Int NWP = P.NWP < 100 ? P.NWP : 100;
    Int IW = 1;
    for (; IW <= NWP; ++IW) {
        Record row;
        row.F(P.T(IW), 11, 3)
            .F(V.W(IW), 13, 3)
            .F(kTwoPi / V.WVK(IW), 13, 3)
            .F(regular_wave(IW).HTORSL, 13, 3);
        if (sea) row.F(V.WPSD(IW), 13, 4);
        if (swell) row.F(V.SWLPSD(IW), 13, 4);
        write_record(U, row.str());
    }
    HIMEM.IW = IW;
}

Real grid_group_speed(Int n) {
    const WavCom& V = WAVCOM;
    const Real OMEGA = V.W(n), K = V.WVK(n);
    const Real KD = K * TPCM.DEPTH;
    const Real C = OMEGA / K;
    if (KD >= 80.0f) return 0.5f * C;
    const Real CH = std::cosh(KD);
    return 0.5f * V.G * (KD / CH + std::sinh(KD)) / (OMEGA * CH);
}

void group_spectrum_pages(RunValues& R) {
    const Tpcm& P = TPCM;
    WavCom& V = WAVCOM;
    const Int U = P.IUNIT;
    const bool sea = bit_on(kBitWaveGroupSpectrum), swell = bit_on(kBitSwellGroupSpectrum);
    if (!sea && !swell) return;
    hold_low_frequency_rows();
    progress_line({" >>> Computing requested group spectra..."});
    start_report_page();
    write_record(U, std::string("   *************  VIIIp. Irregular Wave Group Spectral") + " Values  **************");
    write_record(U, "");
    write_wave_characteristics_block(R);
    const bool both = sea && swell;
    group_spectrum_header(R, sea, both);

    // A sea peak off the period grid takes the nearest grid end.
    Real GSWAV = 0.0f, GSSWL = 0.0f;
    if (P.LRANDM != 0 && P.NWP >= 1) GSWAV = grid_group_speed(clamp_grid_index(R.NWAVPK, P.NWP));
    if (P.LSWELL != 0) GSSWL = grid_group_speed(V.NSWEL);

    Real WVGPSP = 0.0f, SWGPSP = 0.0f;
    for_each_low_frequency_row([&](Int IW, Real WFREQ) {
        if (P.LRANDM != 0) GRPSPC(&V.WPSD(1), WVGPSP, WFREQ);
        if (P.LSWELL != 0) GRPSPC(&V.SWLPSD(1), SWGPSP, WFREQ);
        Real GPSPW = 0.0f, GPSPS = 0.0f;
        if (IW != 1) {
            GPSPW = kTwoPi * GSWAV / WFREQ;
            GPSPS = kTwoPi * GSSWL / WFREQ;
        }
        if (both) {
            write_record(U, two_column_low_frequency_row(IW, WFREQ, GPSPW, GPSPS, WVGPSP, SWGPSP));
        } else if (sea) {
            write_record(U, one_column_low_frequency_row(IW, WFREQ, GPSPW, WVGPSP));
        } else {
            write_record(U, one_column_low_frequency_row(IW, WFREQ, GPSPS, SWGPSP));
        }
    });
    section_pause();
}

}  // namespace brevant

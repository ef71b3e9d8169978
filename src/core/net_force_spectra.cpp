// Section IX: the net environmental force and moment spectra.
#include "core/net_force_spectra.h"

#include <string>
#include <string_view>

#include "core/net_force_pages.h"
#include "core/wind_current_pages.h"
#include "lowlib/drag_entry.h"
#include "lowlib/drift_forces.h"
#include "lowlib/heading_functions.h"
#include "lowlib/net_environmental_forces.h"
#include "lowlib/speed_spectra.h"
#include "lowlib/wind_current_coefficients.h"
#include "records/data_image.h"
#include "records/equilibrium_record.h"
#include "records/sines_record.h"
#include "records/wave_record.h"
#include "sysutl/angles.h"
#include "sysutl/fortran_format.h"
#include "sysutl/option_words.h"
#include "veslib/rao_refresh.h"

namespace brevant {

namespace {

// Single-precision 180/pi and pi, as this section's angle arithmetic uses them.
constexpr Real kDegPerRad = 57.2957763671875f;
constexpr Real kPi = 3.1415927f;

bool bit_on(Int bit) { return BITVAL(TPCM.BRVFLG, bit, TPCM.EDUNIT) == 1; }

bool any_source_asked() {
    const Tpcm& P = TPCM;
    return (P.LWIND == 1 && bit_on(19)) || (P.LCURNT == 1 && bit_on(22)) ||
           ((P.LRANDM == 1 || P.LSWELL == 1) && (bit_on(4) || bit_on(14)));
}

// The source's angle relative to the vessel at the heading VESANG (radians), loaded into SINES.
Real relative_angle(Real HEADING_DEG, Real VESANG) {
    const Real TMPANG = REDRAD(HEADING_DEG / kDegPerRad - VESANG + kPi);
    TRIGLD(TMPANG);
    return TMPANG;
}

// Drift and drag densities of one wave system (sea 1 with WPSD, swell 2 with SWLPSD).
struct WaveDensities {
    Real drift = 0.0f, drag = 0.0f, interaction = 0.0f;
};

WaveDensities wave_densities(Int k, Real HEADING_DEG, const Real* PSD, Int IWAVID) {
    const Tpcm& P = TPCM;
    WaveDensities out;
    Real scratch = 0.0f;
    RELRAOUP(scratch, EQUILB.VESANG, 1, 0, 1);
    const Real TMPANG = relative_angle(HEADING_DEG, EQUILB.VESANG);
    Real WC = P.BRVFRQ;
    const Real D = DRIFTF(1, k, TMPANG, PSD, WC, 0, IWAVID);
    const Real S = k == 1 ? WAVCOM.BOWCF : k == 2 ? WAVCOM.BEAMCF : P.LWL * WAVCOM.BEAMCF;
    out.drift = 2.0f * P.VWDFAC * S * S * D;
    if (P.LEGDRG == 0) {
        WC = P.BRVFRQ;
        DRAGF(1, k, TMPANG, PSD, WC, out.drag, out.interaction, IWAVID);
    }
    return out;
}

}  // namespace

std::array<Real, 8> net_force_spectrum_row(const RunValues& R, Int k, Real ALPHA) {
    const Tpcm& P = TPCM;
    const Real RELDEG = 360.0f - ALPHA;
    EQUILB.VESANG = RELDEG / kDegPerRad;

    Real FWIND = 0.0f;
    if (P.LWIND == 1) {
        Real V_ADJ_RAT = 1.0f;
        const Real WNDDENQ =
            WNDSPC(P.BRVFRQ, P.WNDSPD, P.WNDDEN, P.NUNTS, P.WNDTYP, P.APIPRM, P.WSPEC_HGT, V_ADJ_RAT, P.EDUNIT);
        const Real TMPANG = relative_angle(P.WNDHDG, EQUILB.VESANG);
        const Real C = WINDCF(k, P.LWBARG, P.LOADED, P.BOWWND, P.SIZE, TMPANG, P.XWNDAR, P.YWNDAR, P.XWARM, P.YWARM,
                              P.LWL, P.BWL, P.EDUNIT, P.ISPM, P.CREATR());
        const Real A = k == 1 ? P.XWNDAR : k == 2 ? P.YWNDAR : P.YWNDAR * P.LWL;
        const Real F = SINES.WNDCOF * A * C;
        FWIND = over_squared_speed(4.0f * F * F * V_ADJ_RAT * WNDDENQ, R.TMPWSP);
    }
    Real FCURNT = 0.0f;
    if (P.LCURNT == 1) {
        const Real CURDENQ = CURSPC(P.BRVFRQ, P.CURDEN, P.CURTYP, P.EDUNIT);
        const Real TMPANG = relative_angle(P.CURHDG, EQUILB.VESANG);
        const Real C = CRNTCF(k, P.LCBARG, P.DFTPCT, P.BOWCUR, SINES.HOVERD, TMPANG, P.XCURAR, P.YCURAR, P.XCARM,
                              P.YCARM, P.LWL, P.BWL, P.EDUNIT, P.ISPM, P.CREATR());
        const Real A = k == 1 ? P.XCURAR : k == 2 ? P.YCURAR : P.YCURAR * P.LWL;
        const Real F = SINES.CURCOF * A * C;
        FCURNT = over_squared_speed(4.0f * F * F * CURDENQ, R.TMPCSP);
    }
    WaveDensities wave, swell;
    if (P.LRANDM == 1) wave = wave_densities(k, P.SEAHDG(1), &WAVCOM.WPSD(1), 1);
    if (P.LSWELL == 1) swell = wave_densities(k, P.SWLHDG, &WAVCOM.SWLPSD(1), 2);
    const Real FEXT = 0.0f;
    const Real FNET =
        wave.drift + wave.drag + wave.interaction + swell.drift + swell.drag + swell.interaction + FCURNT + FWIND;
    return {wave.drift,  wave.drag + wave.interaction,   FWIND, FCURNT,
            swell.drift, swell.drag + swell.interaction, FEXT,  FNET};
}

void net_force_spectrum_pages(RunValues& R) {
    const Tpcm& P = TPCM;
    if (!bit_on(27)) return;
    if (!any_source_asked()) {
        section_pause();
        return;
    }
    const Int U = P.IUNIT;
    const bool drag = P.LEGDRG == 0;
    const std::string title =
        drag ? "******************  IX. Net Environmental Force & Moment Spectra   ******************"
             : "***************  IX. Net Environmental Force & Moment Spectra   ************";
    static constexpr std::string_view kCaptions[] = {"Vessel-Based X Force Spectra ", "Vessel-Based Y Force Spectra ",
                                                     "Vessel-Based Z Moment Spectra "};
    for (Int k = 1; k <= 3; ++k) {
        section_pause();
        start_report_page();
        write_record(U, "   " + title);
        write_record(U, "");
        write_source_headings(R);
        write_record(U, "");
        write_record(U, Record()
                            .put(" >>> NOTES: Frequency of \"low-frequency\" oscillations     = ")
                            .F(P.BRVFRQ, 9, 3)
                            .put(" rad/sec")
                            .str());
        if (k < 3) {
            write_record(U, "");
        } else {
            write_record(U, Record()
                                .x(12)
                                .put("Moments in this table are computed about Xves = ")
                                .F(0.0f, 8, 2)
                                .put(" ")
                                .A(R.AUNIT.view())
                                .str());
            write_record(U, "");
        }
        const std::string hyphens(drag ? 27 : 19, '-');
        write_record(U, Record().t(13).put(hyphens).x(3).put(kCaptions[k - 1]).x(2).put(hyphens).str());
        write_record(
            U, Record().t(drag ? 50 : 42).put("([").put(k == 3 ? R.MUNIT.view() : R.TUNIT.view()).put("]^2*s)").str());
        write_net_force_column_headers();
        for (Int I = 1; I <= P.NUMBRV; ++I) {
            const Real ALPHA = P.LANGARR == 0 ? R.STARTA + static_cast<Real>(I - 1) * P.BRVINC : P.BRVHDG(I);
            const std::array<Real, 8> v = net_force_spectrum_row(R, k, ALPHA);
            if (drag) {
                write_net_force_row(U, 360.0f - ALPHA, v);
            } else {
                const std::array<Real, 6> shown{v[0], v[2], v[3], v[4], v[6], v[7]};
                write_net_force_row(U, 360.0f - ALPHA, shown);
            }
        }
    }
    section_pause();
}

}  // namespace brevant

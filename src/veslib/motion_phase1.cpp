// Motion phase 1: the set-up of the vessel-motion library for one analysis run, in the order the
// run needs it, and the cosine-power integrand of the spreading normaliser.
#include "veslib/motion_phase1.h"

#include <cmath>
#include <string>

#include "numeric/quadrature.h"
#include "numeric/table_search.h"
#include "numeric/wave_number.h"
#include "records/data_image.h"
#include "records/motion_record.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/pauses.h"
#include "sysutl/paging.h"
#include "sysutl/program_end.h"
#include "sysutl/report_files.h"
#include "sysutl/title.h"
#include "sysutl/two_pi.h"
#include "sysutl/units.h"
#include "veslib/hull_dispatch.h"
#include "veslib/natural_modes.h"
#include "veslib/relative_headings.h"
#include "veslib/wave_environment.h"
#include "veslib/wave_spectra.h"

namespace brevant {

namespace {

constexpr Int kKeyboard = KBD_UNIT;
constexpr Real kDegreesPerRadian = 57.29578f;

// The first call of the process checks the natural periods against the grid; later calls do not.
Logical FRQWN = 1;

// The captions of the hull type and of the service, and the summary file they name.
struct Captions {
    std::string program;   // 8 characters
    std::string summary;   // the summary file name
    Real version;
    std::string title;     // title of the title page
    Int title_length;
    std::string service;   // 7 characters, blank when no row applies
    std::string vessel;    // up to 16 characters
};

Captions captions_of(const Tpcm& P) {
    Captions c;
    switch (P.VESTYP) {
        case 2: c = {"Tandril ", "TANDSUM.stxt", 1.0f, " Jack-Up Vessels Afloat", 23, "", ""}; break;
        case 3:
        case 5:
        case 6: c = {"Pelmaro ", "PELMSUM.stxt", 6.8f, " Semi-Submersible Offshore Vessels", 34, "", ""}; break;
        case 4: c = {"Voskarn ", "VOSKSUM.stxt", 6.8f, " Disc-Shaped Buoys and Vessels", 30, "", ""}; break;
        default: c = {"Korvell ", "KORVSUM.stxt", 6.8f, " Displacement-Hull Offshore Vessels", 35, "", ""}; break;
    }
    auto service = [&](const char* s, const char* v) {
        c.service = s;
        c.vessel = v;
    };
    switch (P.ISPM) {
        case 1:
            service("Quental", "tanker");
            c.summary = "TANKSUM.stxt";
            break;
        case 2:
            if (P.SIMTYP == 13) {
                service("Dorvine", "CALM buoy");
                c.summary = "BUOYSUM.stxt";
            } else if (P.SIMTYP == 10) {
                service("Mardek ", "tugboat");
                c.summary = "TUGSUM.stxt";
            }
            break;
        case 3:
            if (P.SIMTYP == 13) {
                service("Dorvine", "moored vessel");
                c.summary = "TANKSUM.stxt";
            } else if (P.SIMTYP == 10) {
                service("Mardek ", "barge");
                c.summary = "BARGSUM.stxt";
            }
            break;
        case 4: service("Baskero", "moored vessel"); break;
        case 5: service("Navrik ", "moored vessel"); break;
        case 6: service("Zelfor ", "moored vessel"); break;
        case 8: service("Lomiras", "caisson spar"); break;
        default:
            if (P.SIMTYP == 16) service("Brevant", "simulated vessel");
            break;
    }
    return c;
}

// Step 8: mean period, extreme-value factors and the extreme regular wave.
void extreme_values() {
    Tpcm& P = TPCM;
    WavCom& V = WAVCOM;
    Himem& H = HIMEM;
    if (P.SIMTYP < 10) {
        V.DURFAC = 1.3141f;
        V.GAUSFK = 2.828f * V.DURFAC;
        return;
    }
    bool RANWVS = true;
    if (P.LSWELL != 0 && P.LRANDM != 0) {
        const Real swell2 = P.SWELHT * P.SWELHT;
        const Real sea2 = V.SWH * V.SWH;
        // Two systems without height have no energy to weight their periods by: the sea's holds.
        V.TAVG = swell2 + sea2 > 0.0f ? (P.SWELPD * swell2 + V.TPK * sea2) / (swell2 + sea2) : V.TPK;
    } else if (P.LRANDM != 0) {
        V.TAVG = V.TPK;
    } else if (P.LSWELL != 0) {
        V.TAVG = P.SWELPD;
    } else {
        // Gravity over draft, as the program has it: with no waves at all only the factors use it.
        V.TAVG = std::sqrt(V.G / P.DRAFT);
        RANWVS = false;
    }
    // A storm of no length, or a mean period that is not positive, counts 1000 cycles; fewer than
    // one cycle gives no extreme factor rather than the root of a negative logarithm.
    const Real RCYCLE = P.DURATN > 0.0f && V.TAVG > 0.0f && std::isfinite(V.TAVG) ? P.DURATN * 3600.0f / V.TAVG
                                                                                   : 1000.0f;
    V.DURFAC = 0.5f * std::sqrt(std::fmax(std::log(RCYCLE), 0.0f));
    if (P.LSLPHT == 0) {
        V.XTRMWV = RANWVS ? V.DURFAC * P.SLPHT : 0.5f * P.SLPHT;
    } else {
        Real kd = 0.0f;
        WAVVEC(H.WCONST * kTwoPi / V.TAVG, kd, P.EDUNIT);
        H.RSLOPE = RANWVS ? 2.0f * V.DURFAC * P.SLPHT / kDegreesPerRadian : P.SLPHT / kDegreesPerRadian;
        V.XTRMWV = H.RSLOPE * P.DEPTH / kd;
    }
    V.GAUSFK = 2.828f * V.DURFAC;
}

// Step 12, sectors wider than a circle: the integral of cos^COSEXP over the lobe by Romberg
// integration, loosening the tolerance or deepening the table as the quadrature asks.
Real integrated_spreading(Real ANGSEC) {
    const Tpcm& P = TPCM;
    Himem& H = HIMEM;
    const Real XL = 0.0f;
    const Real XU = 565.4867f / ANGSEC;
    H.EPS = 1.0e-4f;
    Int NDIM = 10;
    Int NITER = 0;
    Real AUX[80] = {};
    for (;;) {
        NITER = NITER + 1;
        if (NITER > 100) {
            write_record(P.EDUNIT, " ++> Possible COSEXP integration failure in VESL1");
            TPCM.LBACK = 0;
            ABORT0(P.EDUNIT, kKeyboard, TPCM.LBACK);
            if (TPCM.LBACK < 0 || P.EDUNIT == SILENT_UNIT) stop_program(1);
            NITER = 0;
        }
        // The wave-number solver uses the same word: the exponent goes in just before the call.
        LOCALCS.OMEGA2 = P.COSEXP;
        Real QF = 0.0f;
        Int IER = 0;
        QATR(XL, XU, H.EPS, NDIM, COSPWR, QF, IER, AUX);
        if (IER == 1) {
            if (std::fabs(QF) > 10.0f * H.EPS) {
                H.EPS = 10.0f * H.EPS;
                continue;
            }
            write_record(P.EDUNIT, " ++> FATAL error: unfixable roundoff error in VESL1");
            PRSRET(P.EDUNIT, kKeyboard, TPCM.LBACK);
            stop_program(1);
        }
        if (IER == 2) {
            if (NDIM <= 40) {
                NDIM = 2 * NDIM;
                continue;
            }
            write_record(P.EDUNIT, "++> FATAL error: NDIM > NDMSUP in VESL1");
            PRSRET(P.EDUNIT, kKeyboard, TPCM.LBACK);
            stop_program(1);
        }
        if (0.01f * QF < H.EPS) {
            H.EPS = 0.008f * QF;
            continue;
        }
        return 2.0f * QF;  // both halves of the symmetric lobe
    }
}

// Steps 11 and 12: spreading step and normaliser.
void spreading() {
    Tpcm& P = TPCM;
    WavCom& V = WAVCOM;
    if (P.NA == 0) P.NA = 6;
    V.LWVCMP = 0;
    V.NSPEC = P.WAVTYP;
    V.NA2 = P.NA / 2;
    V.LEXP = 1;
    Real S = 0.0f;
    Real QF = 0.0f;
    if (!(P.ANGSEC > 360.0f)) {
        S = P.ANGSEC;
        QF = FACTRI(P.COSEXP, P.EDUNIT, kKeyboard);
    } else {
        S = 360.0f;
        QF = integrated_spreading(P.ANGSEC);
    }
    V.DA = S / (static_cast<Real>(P.NA) * kDegreesPerRadian);
    V.DADEG = S / static_cast<Real>(P.NA);
    V.ANGNRM = (180.0f / P.ANGSEC) * V.DA / (3.0f * QF);
}

// Step 14: the grid by the shared rules, and the pool's frequencies, squares and wave numbers.
void frequency_grid(bool hide) {
    Tpcm& P = TPCM;
    WavCom& V = WAVCOM;
    Himem& H = HIMEM;
    H.EPS = 1.0e-5f;
    set_wave_grid(P.T.data(), P.NWP, P.NUNTS);
    if (!hide) {
        write_record(P.EDUNIT, "");
        write_record(P.EDUNIT, " --> Computing shallow water wave lengths...");
        write_record(P.EDUNIT, "");
    }
    const Int n = std::min<Int>(P.NWP, 100);
    for (H.IW = 1; H.IW <= n; ++H.IW) {
        INDXUP();
        const Real w = kTwoPi / P.T(H.IW);
        H.RLDUM(H.LW) = w;
        H.RLDUM(H.LW2) = w * w;
        V.W(H.IW) = w;
        V.W2(H.IW) = w * w;
        Real kd = 0.0f;
        WAVVEC(H.WCONST * w, kd, P.EDUNIT);
        H.RLDUM(H.LWK) = kd / P.DEPTH;
    }
}

// Step 19: new page and title page on the report unit until no page command is answered, then the
// hull's summary and output pages.
void pages(const Captions& c) {
    Tpcm& P = TPCM;
    do {
        PAGE(P.IUNIT, P.EDUNIT, 1, PRINTER_UNIT);
        TITLPG(P.SIMTYP, c.title, c.title_length, c.program, 8, c.version, P.CID1P.view().substr(0, 72),
               P.CID2P.view().substr(0, 72), P.IUNIT);
        P.LBACK = 0;
        if (P.IUNIT == P.EDUNIT) PRSRET(P.EDUNIT, kKeyboard, P.LBACK);
    } while (P.LBACK <= -1);
    hull_summary();
    hull_output();
}

// The natural frequencies of the hull become wave numbers at its resonance passes (WAVVEC takes
// the frequency times the square root of depth over gravity, and squares it). A frequency that is no
// number, or whose square there leaves single precision, has no wave to compute: an inertia of zero
// or below (an equivalent box far from any ship, a displacement lost to rounding against the added
// masses of the members) or a specified period far too short. The run ends here, naming the mode,
// its restoring term and its inertia, or the specified period.
void natural_frequency_check() {
    for (const NaturalMode& m : natural_modes()) {
        const Real OMEGA = HIMEM.WCONST * m.w;
        if (!std::isfinite(OMEGA * OMEGA)) natural_mode_stop(m, {}, "is too short for the water depth.", false);
    }
}

// Step 20: on the first call, a warning when a natural frequency lies off the grid.
void natural_period_check() {
    const Tpcm& P = TPCM;
    const Himem& H = HIMEM;
    if (FRQWN == 0) return;
    FRQWN = 0;
    const Int n = std::min<Int>(P.NWP, 100);
    if (n < 1 || P.SEMI_LIKE != 0) return;
    bool outside = false;
    for (Real w : {H.WP, H.WH, H.WR}) {
        Int IER = 0;
        Int MIN = 1;
        BSRCH(&H.RLDUM(H.LCNW), w, IER, MIN, n);
        if (IER != 0) outside = true;
    }
    if (!outside) return;
    write_record(P.EDUNIT, "");
    write_record(P.EDUNIT,
                 std::string(" ++> Warning: A natural period of heave, pitch or roll lies ") + "outside the");
    write_record(P.EDUNIT, std::string("              assigned period array. Serious computational") +
                               " errors may result.");
    write_record(P.EDUNIT, std::string("              Consider widening your array to include ") +
                               "all periods if possible.");
    PRSRET(P.EDUNIT, kKeyboard, TPCM.LBACK);
}

// The report unit while phase 1 writes its pages: the summary file's unit in place of the disk
// unit, given back however phase 1 is left.
class ReportUnitSwap {
public:
    ReportUnitSwap(bool active) : active_(active), saved_(TPCM.IUNIT) {
        if (active_) TPCM.IUNIT = kMotionSummaryUnit;
    }
    ~ReportUnitSwap() {
        if (active_) TPCM.IUNIT = saved_;
    }
    ReportUnitSwap(const ReportUnitSwap&) = delete;
    ReportUnitSwap& operator=(const ReportUnitSwap&) = delete;

private:
    bool active_;
    Int saved_;
};

}  // namespace

Real COSPWR(Real& X) {
    const Real Y = std::fabs(std::cos(X));
    return Y > 1.0e-10f ? std::pow(Y, LOCALCS.OMEGA2) : 0.0f;
}

void reset_vesl1() { FRQWN = 1; }

void VESL1() {
    Tpcm& P = TPCM;
    WavCom& V = WAVCOM;
    Himem& H = HIMEM;
    const bool hide = P.hideTorMedaReports != 0;

    // 1-2. Captions, and the summary file when the report goes to disk.
    const Captions c = captions_of(P);
    const bool summary_file = P.IUNIT == DISK_UNIT && P.NEGSUM == 0;
    if (summary_file) RHOPEN(c.summary, 1, 0, P.IDRIVE, kMotionSummaryUnit, c.program, P.EDUNIT, P.CMPUTR);

    // 3-6. Debug level, screen, banner.
    if (P.NBUG0 == 1) {
        write_record(P.EDUNIT, " ### In VESL1:");
        INBUG(P.NBUG, P.EDUNIT, kKeyboard);
    } else {
        P.NBUG = 0;
    }
    if (P.ISPM == 0 && P.SIMTYP != 16) CLEAR(P.EDUNIT);
    const std::string version = VERSION_STRING(c.version);
    if (!hide) {
        write_record(P.EDUNIT, "");
        write_record(P.EDUNIT, " --> " + c.program + " " + version);
        write_record(P.EDUNIT, "");
        if (P.ISPM != 0 || P.SIMTYP == 16) {
            write_record(P.EDUNIT, "");
            write_record(P.EDUNIT, " --> In " + c.service + " service for motions of " + c.vessel);
            write_record(P.EDUNIT, "");
        }
    }

    // 7. Gravity and densities.
    V.G = P.NUNTS == 0 ? 32.152f : 9.8f;
    H.WCONST = std::sqrt(P.DEPTH / V.G);
    V.RHOWTR = 0.001f * P.DWATR / V.G;

    // 8-9. Mean period, extreme values, sea bookkeeping.
    extreme_values();
    if (P.WAVTYP == kUserSpectrumFile || P.WAVTYP == kSpectrumTable) P.NSEAHT() = 1;
    if (P.LRANDM == 0) {
        P.NSEAHT() = 0;
        P.NSEAHG = 0;
    }
    P.NUM_SWEL = P.LSWELL + P.LSWEL2;

    // 10-12. Pool layout and spreading.
    lay_out_himem_pool();
    spreading();

    // 13. Relative headings.
    H.NPASS = 0;
    for (Int k = 1; k <= 500; ++k) H.LRAO(k) = 0;
    if (P.LSPRED == 0) V.LEXP = 0;
    LOADN();
    if (V.NRAO > MAXRAO) {
        write_record(P.EDUNIT, "");
        write_record(P.EDUNIT, " ++> Too many regular wave raos requested (=" + fmt_I(V.NRAO, 4) + ").");
        write_record(P.EDUNIT, "     Reduce total number to " + fmt_I(MAXRAO, 3) + " or less");
        PRSRET(P.EDUNIT, kKeyboard, P.LBACK);
        stop_program(1);
    }

    // 14-17. Grid, swell peak, hull box.
    frequency_grid(hide);
    if (P.SWLTYP == 0) {
        V.NSWEL = swell_peak_index(P.SWELPD);
        V.DELSWL = P.SWLWID;
    }
    if (!hide) {
        write_record(P.EDUNIT, "");
        write_record(P.EDUNIT, " --> Computing vessel resonance characteristics...");
        write_record(P.EDUNIT, "");
    }
    V.SHPLNQ = P.LWL;
    V.BEAMQ = P.BWL;
    V.DRAFTQ = P.DRAFT;

    // 18. Characteristics and the resonance pass of the hull.
    hull_characteristics();
    natural_frequency_check();
    Int NPASS2 = 0;
    hull_forces(NPASS2);

    // 19. Title, summary and output pages.
    if (P.NEGSUM != 1) {
        const ReportUnitSwap report(summary_file);
        pages(c);
    }

    // 20-22. Natural periods, the largest wave system, pitch frequency.
    natural_period_check();
    V.BIGWVS = 1;
    if (P.LSWELL == 1 && P.SWELHT > P.SWHT(1)) V.BIGWVS = V.ISWELL;
    P.WPITCH = H.WP;

    // 23.
    if (summary_file) HCLOSE(kMotionSummaryUnit, c.summary, c.program, P.EDUNIT);
}

}  // namespace brevant

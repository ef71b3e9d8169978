// SHPCHR and its box equation FCT: the dynamically similar box of the ship and everything the force
// and RAO steps derive from it.
#include "vessels/ship/ship_characteristics.h"

#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

#include "numeric/grid_point.h"
#include "numeric/root_finders.h"
#include "records/data_image.h"
#include "records/motion_record.h"
#include "records/wave_record.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/pauses.h"
#include "sysutl/program_end.h"
#include "sysutl/two_pi.h"
#include "sysutl/units.h"
#include "vessels/ship/ship_fits.h"
#include "vessels/ship/ship_hull.h"

namespace brevant {

namespace {

constexpr Real PI = 3.1415927f;

// True until the first "Suspicious equivalent box" lines of the run are written.
Logical FRSTIM = 1;

// A warning that matters for the report: on the console, and on the report unit as well when
// summaries are on and the report is not the console.
void warn_twice(const char* line1, const char* line2) {
    write_record(TPCM.EDUNIT, line1);
    write_record(TPCM.EDUNIT, line2);
    if (TPCM.NEGSUM == 0 && TPCM.IUNIT != TPCM.EDUNIT) {
        write_record(TPCM.IUNIT, line1);
        write_record(TPCM.IUNIT, line2);
    }
}

// The abort question after a warning; "A" ends the run.
void ask_abort() {
    ABORT0(TPCM.EDUNIT, KBD_UNIT, TPCM.LBACK);
    if (TPCM.LBACK < 0) stop_program(1);
}

[[noreturn]] void box_failure(Int IER) {
    write_record(TPCM.EDUNIT, " ++> Equivalent box determination failure;");
    write_record(TPCM.EDUNIT, std::string("     recheck vessel hydrostatics (especially KML, KMT)") + " and retry");
    write_record(TPCM.EDUNIT, "     Error Index = " + fmt_I(IER, 5));
    PRSRET(TPCM.EDUNIT, KBD_UNIT, TPCM.LBACK);
    stop_program(1);
}

void debug_reals(std::initializer_list<Real> values) {
    std::vector<FmtItem> items;
    for (Real v : values) items.emplace_back(v);
    write_formatted(TPCM.EDUNIT, "(1X,6E12.4)", items);
}

// Frequency and wave number of grid period j, as motion phase 1 left them in the pool.
Real grid_w(Int j) { return HIMEM.RLDUM(HIMEM.LCNW + j - 1); }
Real grid_k(Int j) { return HIMEM.RLDUM(HIMEM.LCNWK + j - 1); }

Real pow5(Real x) {
    const Real x2 = x * x;
    return x2 * x2 * x;
}

}  // namespace

void reset_ship_characteristics() {
    FRSTIM = 1;
    reset_box_fit_warning();
}

Real FCT(Real& T) {
    const Real VKMT = TPCM.VKMT;
    const Real VKML = TPCM.VKML;
    const Real DELTA = HIMEM.DELTA;
    return T * T * T * T * (36.0f * T * T - 72.0f * T * (VKML + VKMT) + 144.0f * VKML * VKMT) - DELTA * DELTA;
}

void SHPCHR() {
    Himem& H = HIMEM;
    Tpcm& P = TPCM;
    const Real G = WAVCOM.G;
    const bool debug = P.NBUG == 1;

    // 1-2. Displaced volume and the draft tolerance of the root search.
    H.DELTA = P.DISPL * 1000.0f / P.DWATR;
    H.EPS = 0.001f;
    const Int IEND = 50;
    if (debug) debug_reals({H.DELTA, P.VKML, P.VKMT, P.VKB, P.DRAFT});

    // 3. Box draft: the root of FCT below the first maximum of the box volume; a bracket without a
    // sign change is widened by doubling Q, ten times at most. The loose function tolerance leaves
    // the last digits of the draft to the root finder's own steps.
    {
        const Real EPSF = 0.5f * H.DELTA * H.DELTA;
        Real Q = P.VKML / P.VKMT + 1.0f;
        Int NTRY = 0;
        for (;;) {
            const Real DUPP = (0.83333f * Q - std::sqrt(0.69444f * Q * Q - 2.6666f * (Q - 1.0f))) * P.VKMT;
            Real F = 0.0f;
            Int IER = 0;
            RTMI1(H.EDRAFT, F, FCT, 0.0f, DUPP, H.EPS, EPSF, IEND, IER);
            if (IER == 0) break;
            if (IER == 1) box_failure(IER);
            NTRY = NTRY + 1;
            if (NTRY > 10) box_failure(IER);
            Q = Q + Q;
        }
    }

    // 4-5. Beam and length of the box.
    H.BEAM = std::sqrt(12.0f * H.EDRAFT * P.VKMT - 6.0f * H.EDRAFT * H.EDRAFT);
    H.SHIPL = H.DELTA / (H.EDRAFT * H.BEAM);
    WAVCOM.SHPLNQ = H.SHIPL;
    WAVCOM.BEAMQ = H.BEAM;
    WAVCOM.DRAFTQ = H.EDRAFT;
    if (H.BEAM > H.SHIPL) {
        warn_twice(" ++> Warning: equivalent box beam exceeds length;",
                   " --> Pitch/roll damping estimates may be compromised.");
        ask_abort();
    }

    // 6-10. Half dimensions, metacentric heights, water-plane moments, the box's centre of gravity.
    H.SHIPL2 = H.SHIPL / 2.0f;
    H.BEAM2 = H.BEAM / 2.0f;
    H.XSCALE = H.SHIPL2;
    H.YSCALE = H.BEAM2;
    H.GML = P.VKML - P.VKG;
    H.GMT = P.VKMT - P.VKG;
    H.WPML = H.SHIPL * H.SHIPL * H.SHIPL * H.BEAM / 12.0f;
    H.WPMT = H.BEAM * H.BEAM * H.BEAM * H.SHIPL / 12.0f;
    H.EVKG = H.WPMT / H.DELTA + H.EDRAFT / 2.0f - H.GMT;
    if (debug) debug_reals({H.SHIPL, H.BEAM, H.EDRAFT, H.GML, H.GMT, P.VKG, H.EVKG});

    // 11-13. Restoring terms; the heave spring uses the user's water plane, not the box's.
    H.PRMT = G * H.GML * H.DELTA;
    H.RRMT = G * H.GMT * H.DELTA;
    const Real BOXWP = H.SHIPL * H.BEAM;
    if (P.AWP <= 0.0f) P.AWP = BOXWP;
    if (std::fabs(P.AWP - BOXWP) / P.AWP >= 0.3f) {
        if (FRSTIM) {
            warn_twice(" ++> Suspicious equivalent box", " --> Re-check input data and retry or proceed at risk...");
            FRSTIM = 0;
        }
        ask_abort();
    }
    H.HC = G * P.AWP;

    // 14-16. Proportions, surge and sway added-mass coefficients, centres of rotation.
    H.DLRAT = 2.0f * H.EDRAFT / H.SHIPL;
    H.BLRAT = H.BEAM / H.SHIPL;
    H.DBRAT = 2.0f * H.EDRAFT / H.BEAM;
    const Real LBRAT = 1.0f / H.BLRAT;
    H.CSG = SGSWMS(H.DLRAT, H.BLRAT, 1, P.EDUNIT);
    H.CSW = SGSWMS(H.DBRAT, LBRAT, 1, P.EDUNIT);
    H.VTCRR = (H.CSW * H.EDRAFT / 2.0f + H.EVKG) / (1.0f + H.CSW);
    H.VTCRP = (H.CSG * H.EDRAFT / 2.0f + H.EVKG) / (1.0f + H.CSG);

    // 17. Roll inertia of the bilge keels.
    const Real BKAMRL =
        P.LKEEL != 0 ? PI * P.TKEEL * P.RKEEL * P.RKEEL * (P.DKEEL * P.DKEEL + H.VTCRR * H.VTCRR) : 0.0f;

    // 18. Damping scales.
    const Real L3 = H.SHIPL2 * H.SHIPL2 * H.SHIPL2;
    H.HCONST = L3 * std::sqrt(H.BLRAT) * H.BLRAT;
    H.PCONST = H.HCONST * H.SHIPL2 * H.SHIPL2 * std::pow(H.BLRAT, -0.16666667f);
    H.RCONST = H.PCONST * pow5(H.BLRAT);

    // 19-21. Added masses at zero and infinite frequency.
    H.HMAS0 = L3 * FHEAVE(H.BLRAT);
    H.HMASHI = (1.0f - 0.39025f * H.BLRAT) * (PI / 2.0f) * H.SHIPL * (H.BEAM / 2.0f) * (H.BEAM / 2.0f);
    H.HMSRAT = H.HMASHI / H.HMAS0;
    const Real b = H.BLRAT;
    const Real L5 = pow5(H.SHIPL2);
    H.PMAS0 = FPITCH(b) * L5;
    H.PMASHI = (1.0f - 1.1707f * b - 0.65852f * b * b + 1.15823f * b * b * b) * L5 * b * b * PI / 3.0f;
    H.PMSRAT = H.PMASHI / H.PMAS0;
    const Real B5 = pow5(H.BEAM2);
    H.RMAS0 = FPITCH(1.0f / H.BLRAT) * B5;
    H.RMASHI = (0.392699f / H.BLRAT - 0.067497f) * B5;
    H.RMSRAT = H.RMASHI / H.RMAS0;
    const Real TBRAT = (H.EDRAFT / H.BEAM) * (H.EDRAFT / H.BEAM);
    H.RMAS0 = TBRAT * H.RMAS0 + (1.0f - TBRAT) * H.RMASHI;

    // 22-23. Frequencies of the added mass alone, body inertias.
    H.WHL = std::sqrt(H.HC / H.HMAS0);
    H.WPL = std::sqrt(H.PRMT / H.PMAS0);
    H.WRL = std::sqrt(H.RRMT / H.RMAS0);
    const Real ARMP = H.VTCRP - H.EDRAFT / 2.0f;
    H.PTCH1 = (P.PGYR * P.PGYR + ARMP * ARMP * H.CSG) * H.DELTA;
    const Real ARMR = H.VTCRR - H.EDRAFT / 2.0f;
    H.ROL1 = (P.RGYR * P.RGYR + ARMR * ARMR * H.CSW) * H.DELTA;
    H.HVM1 = H.DELTA;
    H.YAWI = H.DELTA * P.YGYR * P.YGYR;

    // 24-25.
    H.JP = P.NWP;
    H.JH = P.NWP;
    H.JR = P.NWP;
    if (debug) debug_reals({H.HMAS0, H.PMAS0, H.RMAS0, H.PTCH1, H.ROL1, H.VTCRR, H.VTCRP, H.CSG, H.CSW});

    // 26. Natural periods against the added mass at the grid period they fall on, until the grid
    // indices settle (31 passes at most).
    Int NPASS = 0;
    Int JPOLD = 0;
    Int JHOLD = 0;
    Int JROLD = 0;
    Real XP = 0.0f;
    Real XH = 0.0f;
    for (;;) {
        NPASS = NPASS + 1;
        if (debug) {
            write_formatted(P.EDUNIT, "(1X,3I5)", {H.JR, H.JP, H.JH});
            debug_reals({H.PTCHI, H.ROLI, H.HVMAS, H.WP, H.WH, H.WR});
        }
        JPOLD = H.JP;
        JHOLD = H.JH;
        JROLD = H.JR;
        Real A33 = 0.0f;
        Real A55 = 0.0f;
        Real B33 = 0.0f;
        Real B55 = 0.0f;

        XP = grid_k(H.JP) * H.SHIPL2;
        DPMAS0(A33, A55, B33, B55, grid_w(H.JP), XP, H.HCONST, H.HMAS0, H.HMSRAT, H.PCONST, H.PMAS0, H.PMSRAT);
        H.PTCHI = H.PTCH1 + A55;
        H.WP = P.LPTPRD != 0 ? kTwoPi / P.PITPRD : std::sqrt(H.PRMT / H.PTCHI);

        XH = grid_k(H.JH) * H.SHIPL2;
        DPMAS0(A33, A55, B33, B55, grid_w(H.JH), XH, H.HCONST, H.HMAS0, H.HMSRAT, H.PCONST, H.PMAS0, H.PMSRAT);
        H.HVMAS = H.DELTA + A33;
        H.WH = P.LHVPRD != 0 ? kTwoPi / P.HEVPRD : std::sqrt(H.HC / H.HVMAS);

        const Real XR = grid_k(H.JR) * H.BEAM2;
        H.RMAS1 = H.RMAS0 * RMAS(XR, H.RMSRAT) + BKAMRL;
        H.ROLI = H.ROL1 + H.RMAS1;
        H.WR = P.LRLPRD != 0 ? kTwoPi / P.ROLPRD : std::sqrt(H.RRMT / H.ROLI);

        GRIDPT(H.WP, H.JP);
        GRIDPT(H.WR, H.JR);
        GRIDPT(H.WH, H.JH);
        const bool moved = H.JP != JPOLD || H.JH != JHOLD || H.JR != JROLD;
        if (!moved || NPASS > 30) break;
    }

    // 27. A loop stopped by its pass limit is accepted while no index still jumps by more than one
    // grid step.
    if (std::abs(H.JP - JPOLD) > 1 || std::abs(H.JH - JHOLD) > 1 || std::abs(H.JR - JROLD) > 1) {
        write_record(P.EDUNIT, std::string(" ++> Failure in natural period loop; change") + " wave period grid and retry.");
        PRSRET(P.EDUNIT, KBD_UNIT, P.LBACK);
        stop_program(1);
    }

    // 28. Periods and damping estimates (percent of critical).
    if (debug) {
        const Real PDAMP = PDMP(XP) * L5 * std::pow(H.BLRAT, 1.333f) * 50.0f / H.PTCHI;
        const Real HDAMP = HDMP(XH) * H.SHIPL2 * H.BEAM2 * H.BEAM2 * 50.0f / H.HVMAS;
        write_formatted(P.EDUNIT, "(1X,5E12.4)", {kTwoPi / H.WP, kTwoPi / H.WR, kTwoPi / H.WH, PDAMP, HDAMP});
    }
}

}  // namespace brevant

// DSKCHR, HTSLOP and AVGUPD: the equivalent cylinder of the disc buoy, the natural-period passes,
// and with mooring feedback the iteration of the moor-modified periods and dampings with the line
// springs, followed by the mooring energy table.
#include "vessels/disc/disc_characteristics.h"

#include <array>
#include <cmath>
#include <string>

#include "numeric/grid_point.h"
#include "numeric/member_added_mass.h"
#include "numeric/wave_number.h"
#include "records/data_image.h"
#include "records/mooring_line_records.h"
#include "records/motion_record.h"
#include "records/wave_record.h"
#include "sysutl/fortran_format.h"
#include "sysutl/pauses.h"
#include "sysutl/program_end.h"
#include "sysutl/two_pi.h"
#include "sysutl/units.h"
#include "sysutl/word_ops.h"
#include "vessels/disc/disc_fits.h"
#include "vessels/disc/disc_forces.h"
#include "vessels/disc/disc_line_calls.h"
#include "vessels/disc/disc_trace.h"

namespace brevant {

namespace {

constexpr Real PI = 3.1415927f;
constexpr Real KEEL_FAC = 1.5f;
constexpr Real ERRPRD = 0.01f;
constexpr Real ERRDMP = 0.05f;
// Passes of the natural-period loop without mooring feedback: the grid indices normally settle in
// two or three; a loop that still moves after 31 keeps its last pass.
constexpr Int kMaxPlainPasses = 31;

// The modes in the order the DYNSPR arguments take them.
enum class LineMode { Surge = 0, Sway, Heave, Roll, Pitch, Yaw };

struct LineResult {
    Real spring = 0.0f;
    Real damping = 0.0f;
    Complex fx{0.0f, 0.0f};
};

// One DYNSPR evaluation with a single mode moving: that mode's spring and damping and the net
// surge force; the other outputs go to scratch.
LineResult line_springs(LineMode mode, Real amplitude, Real wfreq) {
    std::array<Real, 6> amp{};
    amp[static_cast<std::size_t>(mode)] = amplitude;
    std::array<Real, 6> spr{};
    std::array<Real, 6> dmp{};
    std::array<Complex, 6> net{};
    disc_line_calls().dynspr(amp[0], amp[1], amp[2], amp[3], amp[4], amp[5], wfreq, LINCOM.RANCK, spr[0], spr[1],
                             spr[2], spr[3], spr[4], spr[5], dmp[0], dmp[1], dmp[2], dmp[3], dmp[4], dmp[5], net[0],
                             net[1], net[2], net[3], net[4], net[5]);
    const auto i = static_cast<std::size_t>(mode);
    return LineResult{spr[i], dmp[i], net[0]};
}

// A relative change of more than the tolerance. A quantity zero before and after has not changed;
// one that falls to zero from a non-zero value has.
bool unsettled(Real value, Real saved, Real tol) {
    if (value == 0.0f) return saved != 0.0f;
    return std::fabs(1.0f - saved / value) > tol;
}

}  // namespace

void HTSLOP(Real DEPTH, Real G, Int LSLPHT, Real SLPHT, Real W, Real& WHGT, Real& WSLOPE) {
    const Real OMEGA = W * std::sqrt(DEPTH / G);
    Real KH = 0.0f;
    WAVVEC(OMEGA, KH, TPCM.EDUNIT);
    const Real K = KH / DEPTH;
    if (LSLPHT == 1) {
        WSLOPE = SLPHT / 57.295776f;
        WHGT = 2.0f * WSLOPE / K;
    } else {
        WHGT = SLPHT;
        WSLOPE = WHGT * 0.5f * K;
    }
}

void AVGUPD(Real& WH, Real& WHSAV, Real& WP, Real& WPSAV, Real& WR, Real& WRSAV, Real& WY, Real& WYSAV, Real& WSG,
            Real& WSGSAV, Real& WSW, Real& WSWSAV, Real& HVMDMP, Real& DHVSAV, Real& PTMDMP, Real& DPTSAV,
            Real& RLMDMP, Real& DRLSAV, Real& SGMDMP, Real& DSGSAV, Real& SWMDMP, Real& DSWSAV, Real& YWMDMP,
            Real& DYWSAV) {
    const auto mean = [](Real& value, Real& saved) {
        value = (value + saved) * 0.5f;
        saved = value;
    };
    mean(WH, WHSAV);
    mean(WP, WPSAV);
    mean(WR, WRSAV);
    mean(WY, WYSAV);
    mean(WSG, WSGSAV);
    mean(WSW, WSWSAV);
    mean(HVMDMP, DHVSAV);
    mean(PTMDMP, DPTSAV);
    mean(RLMDMP, DRLSAV);
    mean(SGMDMP, DSGSAV);
    mean(SWMDMP, DSWSAV);
    mean(YWMDMP, DYWSAV);
}

void DSKCHR() {
    Himem& H = HIMEM;
    Tpcm& P = TPCM;
    const WavCom& V = WAVCOM;
    const Real G = V.G;
    // Only the value 1 solves the lines, runs the moored-period iteration and builds the energy
    // table here; the forces and RAOs take any non-zero value for feedback. The pages store 0 or 1;
    // another value has no moored pass to set the amplitudes an energy table would be built from.
    const bool feedback = P.MORFBK == 1;

    // A. The equivalent cylinder.
    const Real EPSK = (P.LKEEL != 0 && P.DKEEL > 0.0f) ? P.RKEEL / P.DKEEL : 0.0f;
    H.DELTA = P.DISPL * 1000.0f / P.DWATR;
    H.HVM1 = H.DELTA;
    H.RADIUS() = std::sqrt(P.AWP / PI);
    H.BEAM = H.RADIUS() + H.RADIUS();
    H.SHIPL = H.BEAM;
    H.XSCALE = H.RADIUS();
    {
        const Real BTEMP = P.DRAFT - P.VKG;
        const Real CTEMP = (P.VKB - P.VKG) * H.DELTA / P.AWP;
        H.EDRAFT = BTEMP + std::sqrt(BTEMP * BTEMP - 2.0f * CTEMP);
    }
    H.DLRAT = H.EDRAFT / H.RADIUS();
    const Real ABRAT2 = 1.0f / (H.DLRAT * H.DLRAT);
    const Real ACRAT2 = 1.0f;
    Real ELPSCF = 0.0f;
    ELPCOF(ABRAT2, ACRAT2, 0, 1, ELPSCF, P.EDUNIT, KBD_UNIT, disc_elpcof_warned(), 0);
    const Real CS = COFCLC(1, ELPSCF, ABRAT2, ACRAT2);
    H.CSG = CS;
    H.CSW = CS;
    H.VTCRP = (P.VKG + CS * P.VKB) / (1.0f + CS);
    H.VTCRR = H.VTCRP;
    H.WPML = H.DELTA * (P.VKML - P.VKB);
    H.WPMT = H.WPML;
    const Real EKB = H.EDRAFT / 2.0f;
    const Real EKG = P.VKG + H.EDRAFT - P.DRAFT;
    H.WLCRP = (CS * EKB + EKG) / (1.0f + CS) - H.EDRAFT;
    H.SWLCRP = H.WLCRP / H.RADIUS();
    H.GML = H.WPML / H.DELTA - P.VKG + P.VKB;
    H.GMT = H.GML;
    H.SDRAFT = H.EDRAFT / H.RADIUS();
    H.TQCNST = H.WPML / (H.GML * H.DELTA);
    H.HCONST = H.RADIUS() * H.RADIUS() * H.RADIUS();
    H.PCONST = H.HCONST * H.RADIUS() * H.RADIUS();
    {
        const Real A = H.WLCRP + H.EDRAFT - EKB;
        H.PTCH1 = H.DELTA * (P.PGYR * P.PGYR + CS * A * A);
        H.ROL1 = H.DELTA * (P.RGYR * P.RGYR + CS * A * A);
    }
    H.HC = G * P.AWP;
    H.PRMT = H.GML * H.DELTA * G;
    H.RRMT = H.PRMT;
    H.YAWI = H.DELTA * P.YGYR * P.YGYR;
    if (P.LKEEL != 0) {
        const Real E1 = 1.0f + EPSK;
        H.SKAMHV = (1.333f * E1 * E1 * E1 - 1.3333f + 4.9348025f * EPSK * EPSK) * H.HCONST;
        const Real EF = 1.0f + KEEL_FAC * EPSK;
        H.SKAMRL = 4.935f * H.PCONST * EPSK * EPSK * (1.0f + 0.5f * EPSK) * EF * EF;
    } else {
        H.SKAMHV = 0.0f;
        H.SKAMRL = 0.0f;
    }
    H.JP = P.NWP;
    H.JR = P.NWP;
    H.JH = P.NWP;
    H.JSG = P.NWP;
    H.JSW = P.NWP;
    H.JY = P.NWP;

    // Line statics, with the second-vessel block standing in the vessel block for a buoy case.
    if (feedback) {
        const auto image = image_bytes(TPCM);
        const auto vessel = image.subspan(4 * (754 - 1), 4 * 913);
        const auto second = image.subspan(4 * (1988 - 1), 4 * 913);
        if (P.SIMTYP == 13) SWPCOM(913, second, vessel);
        disc_line_calls().lindrv(LINCOM.RANCK, LINCOM.ZANCK);
        if (P.SIMTYP == 13) SWPCOM(913, second, vessel);
        const Real WLAST = V.W(P.NWP);
        H.WSG = WLAST;
        H.WSW = WLAST;
        H.WY = WLAST;
        H.WP = WLAST;
        H.WR = WLAST;
        H.WH = WLAST;
    }

    // Per-call iteration state.
    Real WHSAV = 0.0f, WPSAV = 0.0f, WRSAV = 0.0f, WYSAV = 0.0f, WSGSAV = 0.0f, WSWSAV = 0.0f;
    Real DHVSAV = 0.0f, DPTSAV = 0.0f, DRLSAV = 0.0f, DSGSAV = 0.0f, DSWSAV = 0.0f, DYWSAV = 0.0f;
    Int JRR = 0, JPP = 0, JHH = 0, JGG = 0, JWW = 0, JYY = 0;
    Int ITRATN = 0;
    Int ITRY = 0;
    Int NPLAIN = 0;
    Real WHGT = 0.0f;
    Real WSLOPE = 0.0f;
    Real SRGAMT = 0.0f;

    const auto save_all = [&] {
        WHSAV = H.WH;
        WPSAV = H.WP;
        WRSAV = H.WR;
        WYSAV = H.WY;
        WSGSAV = H.WSG;
        WSWSAV = H.WSW;
        DHVSAV = P.HVMDMP;
        DPTSAV = P.PTMDMP;
        DRLSAV = P.RLMDMP;
        DSGSAV = P.SGMDMP;
        DSWSAV = P.SWMDMP;
        DYWSAV = P.YWMDMP;
    };
    const auto average = [&] {
        AVGUPD(H.WH, WHSAV, H.WP, WPSAV, H.WR, WRSAV, H.WY, WYSAV, H.WSG, WSGSAV, H.WSW, WSWSAV, P.HVMDMP, DHVSAV,
               P.PTMDMP, DPTSAV, P.RLMDMP, DRLSAV, P.SGMDMP, DSGSAV, P.SWMDMP, DSWSAV, P.YWMDMP, DYWSAV);
    };
    const auto refresh_grid = [&] {
        GRIDPT(H.WP, H.JP);
        GRIDPT(H.WR, H.JR);
        GRIDPT(H.WH, H.JH);
        GRIDPT(H.WSG, H.JSG);
        GRIDPT(H.WSW, H.JSW);
        GRIDPT(H.WY, H.JY);
    };

    for (;;) {
        // B. One pass.
        ITRATN = ITRATN + 1;
        if (P.NBUG == 1) {
            disc_trace_label(P.EDUNIT, "JRR,JR,JPP,JP,JHH,JH,JGG,JSG,JWW,JSW,JYY,JY");
            disc_trace_ints(P.EDUNIT, {JRR, H.JR, JPP, H.JP, JHH, H.JH, JGG, H.JSG, JWW, H.JSW, JYY, H.JY});
        }
        JRR = H.JR;
        JPP = H.JP;
        JHH = H.JH;
        JGG = H.JSG;
        JWW = H.JSW;
        JYY = H.JY;

        // Added masses at the current frequencies.
        const Real PMS = PMASD(H.WP * H.WP * H.RADIUS() / G) * H.PCONST;
        const Real RMS = RMASD(H.WR * H.WR * H.RADIUS() / G) * H.PCONST;
        const Real HMS = HMASD(H.WH * H.WH * H.RADIUS() / G) * H.HCONST;
        H.PTCHI = H.PTCH1 + PMS + H.SKAMRL;
        H.RMAS1 = RMS;
        H.PMAS1 = PMS;
        H.ROLI = H.ROL1 + H.RMAS1 + H.SKAMRL;
        H.HVMAS = H.HVM1 + HMS + H.SKAMHV;
        H.SGMAS = (1.0f + CS) * H.HVM1;

        // Unmoored natural frequencies.
        if (P.LPTPRD == 0)
            H.WP = std::sqrt(H.PRMT / H.PTCHI);
        else if (P.LPTPRD == 1)
            H.WP = kTwoPi / P.PITPRD;
        if (P.LHVPRD == 0)
            H.WH = std::sqrt(H.HC / H.HVMAS);
        else if (P.LHVPRD == 1)
            H.WH = kTwoPi / P.HEVPRD;
        if (P.LRLPRD == 0)
            H.WR = std::sqrt(H.PRMT / H.ROLI);
        else if (P.LRLPRD == 1)
            H.WR = kTwoPi / P.ROLPRD;

        if (feedback) {
            if (P.LSGPRD == 1) H.WSG = kTwoPi / P.SGK;
            if (P.LSWPRD == 1) H.WSW = kTwoPi / P.SWK;
            if (P.LYWPRD == 1) H.WY = kTwoPi / P.YWK;
        }
        const Real WP0 = H.WP;
        const Real WH0 = H.WH;
        const Real WR0 = H.WR;

        if (!feedback) {
            // D.5 without feedback, bounded.
            NPLAIN = NPLAIN + 1;
            refresh_grid();
            const bool still = H.JR == JRR && H.JP == JPP && H.JH == JHH && H.JSG == JGG && H.JSW == JWW && H.JY == JYY;
            if (still || NPLAIN >= kMaxPlainPasses) break;
            continue;
        }

        // The resonance pass at the current frequencies.
        Int NPASS2 = 0;
        DSKFRC(NPASS2);

        // Mode blocks: heave, pitch, roll, surge, sway, yaw.
        struct Block {
            LineMode mode;
            Real* freq;
            Int LPRD;
            Int LDMP;
            Real* spring;
            Real* damping;
            const Complex* response;
            Real mass;
            Real W0;
            bool rotation;
            bool no_restoring;  // surge, sway, yaw: no hydrostatic restoring
        };
        const Block blocks[] = {
            {LineMode::Heave, &H.WH, P.LHVPRD, P.LHVDMP, &P.HVK, &P.HVMDMP, &H.CHVRAX, H.HVMAS, WH0, false, false},
            {LineMode::Pitch, &H.WP, P.LPTPRD, P.LPTDMP, &P.PTK, &P.PTMDMP, &H.CPTRAX, H.PTCHI, WP0, true, false},
            {LineMode::Roll, &H.WR, P.LRLPRD, P.LRLDMP, &P.RLK, &P.RLMDMP, &H.CRLRAX, H.ROLI, WR0, true, false},
            {LineMode::Surge, &H.WSG, P.LSGPRD, P.LSGDMP, &P.SGK, &P.SGMDMP, &H.CSGRAX, H.SGMAS, 0.0f, false, true},
            {LineMode::Sway, &H.WSW, P.LSWPRD, P.LSWDMP, &P.SWK, &P.SWMDMP, &H.CSWRAX, H.SGMAS, 0.0f, false, true},
            {LineMode::Yaw, &H.WY, P.LYWPRD, P.LYWDMP, &P.YWK, &P.YWMDMP, nullptr, H.YAWI, 0.0f, true, true},
        };
        for (const Block& b : blocks) {
            if (b.LPRD != 0 && b.LDMP != 0) continue;
            const Real WFREQ = *b.freq;
            HTSLOP(P.DEPTH, G, P.LSLPHT, P.SLPHT, WFREQ, WHGT, WSLOPE);
            const Real AMP1 = b.rotation ? 0.1f * WSLOPE : 0.1f * WHGT;
            if (b.mode == LineMode::Surge) SRGAMT = AMP1;
            const LineResult first = line_springs(b.mode, AMP1, WFREQ);
            const Real K = first.spring;
            Real D = first.damping;
            if (b.response != nullptr) {
                // The damping belongs to the expected extreme motion at resonance.
                const Real AMP2 = V.DURFAC * WHGT * std::abs(*b.response);
                if (b.mode == LineMode::Surge) SRGAMT = AMP2;
                D = line_springs(b.mode, AMP2, WFREQ).damping;
            }
            if (b.LDMP == 0) *b.damping = D;
            if (b.LPRD == 0) {
                *b.spring = K;
                if (!b.no_restoring)
                    *b.freq = std::sqrt(b.W0 * b.W0 + K / (V.RHOWTR * b.mass));
                else
                    *b.freq = K > 0.0f ? std::sqrt(K / (V.RHOWTR * b.mass)) : 1.0e-15f;
            }
        }
        refresh_grid();

        // D. Convergence, relaxation and attempts.
        const bool moving = unsettled(H.WH, WHSAV, ERRPRD) || unsettled(H.WP, WPSAV, ERRPRD) ||
                            unsettled(H.WR, WRSAV, ERRPRD) || unsettled(H.WY, WYSAV, ERRPRD) ||
                            unsettled(H.WSG, WSGSAV, ERRPRD) || unsettled(H.WSW, WSWSAV, ERRPRD) ||
                            unsettled(P.HVMDMP, DHVSAV, ERRDMP) || unsettled(P.PTMDMP, DPTSAV, ERRDMP) ||
                            unsettled(P.RLMDMP, DRLSAV, ERRDMP) || unsettled(P.SGMDMP, DSGSAV, ERRDMP) ||
                            unsettled(P.SWMDMP, DSWSAV, ERRDMP) || unsettled(P.YWMDMP, DYWSAV, ERRDMP);
        if (moving) {
            if (ITRATN > 20) average();
            if (ITRATN <= 200) {
                save_all();
                continue;
            }
            ITRY = ITRY + 1;
            if (ITRY <= 2) {
                average();
                ITRATN = 0;
                continue;
            }
            write_record(P.EDUNIT, "");
            write_record(P.EDUNIT, " ++> Possible iteration failure in DSKCHR period/damping loop.");
            write_record(P.EDUNIT, "");
            write_record(P.EDUNIT, "     Completing attempt # " + fmt_I(ITRY, 2));
            write_record(P.EDUNIT, "     Enter 99 to continue with current best estimate OR...");
            ABORT3(P.EDUNIT, KBD_UNIT, P.LBACK);
            if (P.LBACK == -1) stop_program(1);
            if (P.LBACK == 99) break;
            ITRATN = 0;
            continue;
        }
        // D.5 grid test after a settled pass.
        refresh_grid();
        if (H.JR == JRR && H.JP == JPP && H.JH == JHH && H.JSG == JGG && H.JSW == JWW && H.JY == JYY) break;
    }

    // E. The mooring energy table of the surge correction: work of the net surge line force over 90
    // offsets of equal step.
    if (!feedback) return;
    const bool surge_block = P.LSGPRD == 0 || P.LSGDMP == 0;
    const Real DELSRG = surge_block ? 2.0f * (SRGAMT > WHGT ? SRGAMT : WHGT) / 90.0f : 8.0f * V.DURFAC * WHGT / 90.0f;
    const Real WFREQ = kTwoPi / V.TAVG;
    SRGAMT = 0.0f;
    LINCOM.WFERGF(1) = 0.0f;
    LINCOM.WVOFST(1) = DELSRG;
    for (Int IERG = 2; IERG <= 90; ++IERG) {
        SRGAMT = SRGAMT + DELSRG;
        const LineResult r = line_springs(LineMode::Surge, SRGAMT, WFREQ);
        LINCOM.WFERGF(IERG) = LINCOM.WFERGF(IERG - 1) + std::abs(r.fx) * DELSRG;
    }
}

}  // namespace brevant

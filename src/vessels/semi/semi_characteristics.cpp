// SEMCHR and DIMADJ: the member walk of a member-built hull and everything derived from its sums.
#include "vessels/semi/semi_characteristics.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "numeric/algebra.h"
#include "numeric/grid_point.h"
#include "numeric/member_added_mass.h"
#include "records/data_image.h"
#include "records/member_table.h"
#include "records/member_words.h"
#include "records/motion_record.h"
#include "records/response_record.h"
#include "records/wave_record.h"
#include "sysutl/fortran_format.h"
#include "sysutl/pauses.h"
#include "sysutl/program_end.h"
#include "sysutl/two_pi.h"
#include "sysutl/units.h"
#include "vessels/semi/member_built_hull.h"

namespace brevant {

namespace {

constexpr Real PI = 3.1415927f;

// Once per run: the input-versus-estimate check, the no-piercing warning, the waterline-sum notice.
Logical FRSTIM = 1;
Logical FRSTIM2 = 1;
Logical FRSTIM3 = 1;

// The abort-or-continue question after a warning; "A" ends the run unfinished (status 1).
void ask_abort(bool serv) {
    if (serv)
        SERV_ABORT(TPCM.EDUNIT, KBD_UNIT, TPCM.LBACK);
    else
        ABORT0(TPCM.EDUNIT, KBD_UNIT, TPCM.LBACK);
    if (TPCM.LBACK < 0) stop_program(1);
}

void say(const std::string& line) { write_record(TPCM.EDUNIT, line); }

// Waterplane gyradius coefficient of a section profile: I / (A d^2) about the centre.
Real profile_coefficient(Int NCYLTP) {
    switch (NCYLTP) {
        case SECTION_ELLIPTIC: return 0.0625f;
        case SECTION_INTERMEDIATE: return 0.0714f;
        // An unknown profile is taken as rectangular: the pre-run checks refuse such a member, and a
        // stand-alone call must not borrow another member's coefficient.
        default: return 1.0f / 12.0f;
    }
}

// Natural frequency from a restoring term and an inertia, or from the user's period, which then
// replaces the restoring term.
void natural_frequency(Int user_period, Real period, Real& restoring, Real inertia, Real& w) {
    if (user_period == 0) {
        w = restoring > 0.0f ? std::sqrt(restoring / inertia) : 0.0f;
    } else {
        w = kTwoPi / period;
        restoring = w * w * inertia;
    }
}

struct Discrepancy {
    Int bit;
    const char* caption;
};

constexpr Discrepancy kDiscrepancies[] = {
    {1, "vertical center of buoyancy:"},
    {2, "transverse metacentric height (KMT):"},
    {4, "longitudinal metacentric height (KML):"},
    {8, "displacement:"},
    {16, "water plane area:"},
    {32, "longitudinal center of buoyancy"},
    {64, "transverse center of buoyancy"},
    {128, "longitudinal waterplane centroid"},
    {256, "transverse waterplane centroid"},
};

}  // namespace

void reset_semi_characteristics() {
    FRSTIM = 1;
    FRSTIM2 = 1;
    FRSTIM3 = 1;
}

void DIMADJ(const Real* DIM, Real& LENGTH, Real& WIDTH, Int INDEX) {
    const Int m = INDEX % 3 + 1;
    const Int n = m % 3 + 1;
    WIDTH = DIM[INDEX - 1];
    LENGTH = DIM[m - 1] > DIM[n - 1] ? DIM[m - 1] : DIM[n - 1];
}

void member_axes(const Real* MEMVEC, Real DIRVEC3, Real& THETAM, Real& PHIM, Real* ROTMAT) {
    THETAM = MEMVEC[2] == 0.0f ? -PI / 2.0f : -std::acos(DIRVEC3);
    PHIM = (MEMVEC[0] == 0.0f && MEMVEC[1] == 0.0f) ? 0.0f : -std::atan2(MEMVEC[1], MEMVEC[0]);
    const Real ct = std::cos(THETAM), st = std::sin(THETAM);
    const Real cp = std::cos(PHIM), sp = std::sin(PHIM);
    const Real R[9] = {ct * cp, sp, -st * cp, -ct * sp, cp, st * sp, st, 0.0f, ct};
    for (int j = 0; j < 9; ++j) ROTMAT[j] = R[j];
}

void SEMCHR() {
    Tpcm& P = TPCM;
    Himem& H = HIMEM;
    const Real G = WAVCOM.G;
    const bool tlp = P.SIMTYP == 14 || P.SIMTYP == 17;

    // Step 1: effective hydrostatics, with the set-down and tendon terms of a TLP.
    if (tlp) {
        const Real DELTA_DRAFT = PASCOM.DELTA_DRAFT;
        H.EDRAFT = P.DRAFT + DELTA_DRAFT;
        const Real added = DELTA_DRAFT * P.AWP * P.DWATR / 1000.0f;
        H.EDISPL = P.DISPL + added;
        H.EVKB = (P.DISPL * P.VKB + (P.DRAFT + 0.5f * DELTA_DRAFT) * added) / H.EDISPL;
        H.EVKML = (P.VKML - P.VKB) * P.DISPL / H.EDISPL + H.EVKB;
        H.EVKMT = (P.VKMT - P.VKB) * P.DISPL / H.EDISPL + H.EVKB;
    } else {
        H.EDISPL = P.DISPL;
        H.EDRAFT = P.DRAFT;
        H.EVKB = P.VKB;
        H.EVKML = P.VKML;
        H.EVKMT = P.VKMT;
    }
    H.DELTA = H.EDISPL * 1000.0f / P.DWATR;
    Real D0;
    if (tlp) {
        D0 = PASCOM.TLPWGHT * 1000.0f / P.DWATR;
        H.EVKG = P.VKG * D0 / H.DELTA;
    } else if (P.LPHANTOM_WGHT == 1) {
        D0 = (H.EDISPL - P.TLP_TENSION) * 1000.0f / P.DWATR;
        H.EVKG = P.VKG * D0 / H.DELTA;
    } else {
        D0 = H.DELTA;
        H.EVKG = P.VKG;
    }
    const Real VKROT_EST = (H.EVKB * H.DELTA + P.VKG * D0) / (H.DELTA + D0);

    H.BEAM = P.BWL;
    H.SHIPL = P.LWL;
    H.SHIPL2 = H.SHIPL / 2.0f;
    H.XSCALE = H.SHIPL2;
    H.BEAM2 = H.BEAM / 2.0f;
    H.YSCALE = H.BEAM2;
    H.GML = H.EVKML - H.EVKG;
    H.GMT = H.EVKMT - H.EVKG;
    H.PRMT = G * H.GML * H.DELTA;
    H.RRMT = G * H.GMT * H.DELTA;
    H.HC = G * P.AWP;
    if (tlp) {
        H.PRMT += PASCOM.PTENDN;
        H.RRMT += PASCOM.RTENDN;
        H.HC += PASCOM.HTENDN;
    }

    // Step 2: the sums start at zero.
    Simcom& S = SIMCOM;
    S.CQRL = S.CQPT = S.CQHV = 0.0f;
    S.NPIERCE = 0;
    PASCOM.ACDSG = PASCOM.ACDSW = PASCOM.MENWLX = PASCOM.MENWLY = 0.0f;
    P.VCBEST = P.XCBEST = P.YCBEST = P.VOLEST = P.AWPEST = P.XWPCTR = P.YWPCTR = 0.0f;
    Real ACDSGP = 0.0f, ACDSWP = 0.0f, PRPCUX = 0.0f, PRPCUY = 0.0f;
    Real PWPMOI = 0.0f, RWPMOI = 0.0f;
    Real RLFMSW = 0.0f, YWFMSW = 0.0f, PTFMSG = 0.0f;
    Real AVLSG = 0.0f, AVLSW = 0.0f, AVLHV = 0.0f;
    // First moments of the added masses: only those the centroids below need.
    Real ZVMSG = 0.0f, XVMSW = 0.0f, ZVMSW = 0.0f;
    Real AVMIRL = 0.0f, AVMIPT = 0.0f, AVMIYW = 0.0f;

    // Step 3: the member walk. NCYL comes from the file: never past the tables.
    const Int ncyl = std::clamp(P.NCYL, 0, kMemberCapacity);
    for (Int i = 1; i <= ncyl; ++i) {
        Real MEMVEC[3], DIRVEC[3];
        Real MEMLEN = 0.0f, WETLEN = 0.0f, TILTFC = 1.0f;
        Int PIERCE = 0;
        WPCHEK(member_triple(P.RCYLB, i), member_triple(P.RCYLT, i), H.EDRAFT, MEMVEC, DIRVEC, MEMLEN, WETLEN,
               TILTFC, PIERCE);
        // A dry member adds nothing and keeps its entries; so does a member of no length, which has
        // neither a direction nor a wetted length to divide by.
        if (PIERCE == 99 || !(MEMLEN > 0.0f)) continue;
        const Real* RB = member_triple(P.RCYLB, i);
        for (int j = 1; j <= 3; ++j) S.DIRVEC(j, i) = DIRVEC[j - 1];

        S.CYLLEN(i) = WETLEN;
        const bool crossing = PIERCE != 0;
        if (crossing) {
            ++S.NPIERCE;
            S.CYLLEN(i) = 1.001f * WETLEN;
            S.LPIERCE(i) = 1;
        } else {
            S.LPIERCE(i) = 0;
        }
        const Real WETFRAC = WETLEN / MEMLEN;
        const Real x = RB[0] + 0.5f * WETFRAC * MEMVEC[0];
        const Real y = RB[1] + 0.5f * WETFRAC * MEMVEC[1];
        const Real z = RB[2] + 0.5f * WETFRAC * MEMVEC[2];
        S.CYLCG(1, i) = x;
        S.CYLCG(2, i) = y;
        S.CYLCG(3, i) = z;

        const Real VOLMEM = WETLEN * P.XAREA(i);
        P.VOLEST += VOLMEM;
        P.VCBEST += VOLMEM * z;
        P.XCBEST += VOLMEM * x;
        P.YCBEST += VOLMEM * y;

        const Real DIAMSQ[3] = {P.DIAMS(1, i), P.DIAMS(2, i), P.DIAMS(3, i) * WETFRAC};
        Real VOLGY2[3], PRPAR[3], EFFAR[3], EFMOM[3];
        for (Int k = 1; k <= 3; ++k) {
            const Int m = k % 3 + 1;
            const Int n = m % 3 + 1;
            const Real dm = DIAMSQ[m - 1];
            const Real dn = DIAMSQ[n - 1];
            VOLGY2[k - 1] = (dm * dm + dn * dn) / 12.0f;
            PRPAR[k - 1] = dm * dn;
            EFFAR[k - 1] = P.CYLCD(k, i) * PRPAR[k - 1];
            Real l = 0.0f, w = 0.0f;
            DIMADJ(DIAMSQ, l, w, k);
            const Real l2 = l * l;
            EFMOM[k - 1] = P.CYLCDI(k, i) * w * (l2 * l2);
        }

        // Step 5: member axes in vessel axes.
        Real THETAM = 0.0f, PHIM = 0.0f, ROTMAT[9];
        member_axes(MEMVEC, DIRVEC[2], THETAM, PHIM, ROTMAT);
        const Real cp = std::cos(PHIM), sp = std::sin(PHIM);
        Real R2MTRX[9];
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k) R2MTRX[k * 3 + j] = ROTMAT[j * 3 + k] * ROTMAT[j * 3 + k];

        // Step 6: the waterplane of a crossing member.
        if (crossing) {
            const Real XLOC = RB[0] + WETLEN * DIRVEC[0];
            const Real YLOC = RB[1] + WETLEN * DIRVEC[1];
            const Real c = profile_coefficient(P.NCYLTP(i));
            const Real d1 = DIAMSQ[0], d2 = DIAMSQ[1];
            const Real MPYMOI = TILTFC * TILTFC * c * d1 * d1;
            const Real MRXMOI = c * d2 * d2;
            S.MRWPG2(i) = cp * cp * MRXMOI + sp * sp * MPYMOI;
            S.MPWPG2(i) = sp * sp * MRXMOI + cp * cp * MPYMOI;
            const Real TMPAR = TILTFC * P.XAREA(i);
            PWPMOI += (XLOC * XLOC + S.MPWPG2(i)) * TMPAR;
            RWPMOI += (YLOC * YLOC + S.MRWPG2(i)) * TMPAR;
            P.AWPEST += TMPAR;
            P.XWPCTR += XLOC * TMPAR;
            P.YWPCTR += YLOC * TMPAR;
        }

        // Step 7: the coefficient tensors, diagonal in member axes, turned into vessel axes.
        Real tensors[4][9] = {};
        const bool inertia = P.DRAG_ONLY != 1;
        for (Int k = 1; k <= 3; ++k) {
            const int d = (k - 1) * 4;
            tensors[0][d] = inertia ? P.CYLCM(k, i) + 1.0f : 0.0f;
            tensors[1][d] = inertia ? P.CYLCMI(k, i) + 1.0f : 0.0f;
            tensors[2][d] = P.CYLCM(k, i) * VOLMEM;
            tensors[3][d] = P.CYLCMI(k, i) * VOLGY2[k - 1] * VOLMEM;
        }
        Real vessel[4][9];
        for (int t = 0; t < 4; ++t) {
            Real half[9];
            GTPRD(ROTMAT, tensors[t], half, 3, 3, 3);
            GMPRD(half, ROTMAT, vessel[t], 3, 3, 3);
        }
        for (int j = 1; j <= 3; ++j)
            for (int k = 1; k <= 3; ++k) {
                S.FRCCOF(j, k, i) = vessel[0][(k - 1) * 3 + j - 1];
                S.MNTCOF(j, k, i) = vessel[1][(k - 1) * 3 + j - 1];
            }
        const auto A = [&](int r, int c) { return vessel[2][(c - 1) * 3 + r - 1]; };
        const auto ADMOIC = [&](int r, int c) { return vessel[3][(c - 1) * 3 + r - 1]; };

        // Step 8: coupling of the added masses with the rotations about the keel origin.
        RLFMSW += A(3, 2) * y - A(2, 2) * z;
        YWFMSW += A(2, 2) * x - A(1, 2) * y;
        PTFMSG += A(1, 1) * z - A(3, 1) * x;

        // Step 9: areas and drag-moment terms per vessel axis.
        MATPRD(R2MTRX, PRPAR, PRPAR, 3, P.EDUNIT);
        MATPRD(R2MTRX, EFFAR, EFFAR, 3, P.EDUNIT);
        MATPRD(R2MTRX, EFMOM, EFMOM, 3, P.EDUNIT);

        // Step 10: added-mass sums and their moments.
        const Real VLSG = A(1, 1), VLSW = A(2, 2), VLHV = A(3, 3);
        AVLSG += VLSG;
        AVLSW += VLSW;
        AVLHV += VLHV;
        ZVMSG += z * VLSG;
        XVMSW += x * VLSW;
        ZVMSW += z * VLSW;
        AVMIRL += y * y * VLHV + z * z * VLSW + ADMOIC(1, 1);
        AVMIPT += x * x * VLHV + z * z * VLSG + ADMOIC(2, 2);
        AVMIYW += x * x * VLSW + y * y * VLSG + ADMOIC(3, 3);

        // Step 11: drag factors.
        S.CQHV += EFFAR[2];
        for (int j = 1; j <= 3; ++j) S.DRGFCF(j, i) = EFFAR[j - 1] / WETLEN;
        const Int dir = P.MEMDIR(i);
        if (dir >= 1 && dir <= 3) S.DRGFCF(dir, i) = EFFAR[dir - 1];
        for (int j = 1; j <= 3; ++j) S.DRGMCF(j, i) = EFMOM[j - 1] / (32.0f * WETLEN * WETLEN * WETLEN);

        // Step 12: drag areas and waterline widths of the crossing members.
        if (crossing) {
            PASCOM.ACDSG += EFFAR[0];
            ACDSGP += PRPAR[0];
            const Real wx = PRPAR[0] / WETLEN;
            const Real wy = PRPAR[1] / WETLEN;
            PASCOM.MENWLX += wx * wx;
            PASCOM.MENWLY += wy * wy;
            PRPCUX += wx;
            PRPCUY += wy;
            PASCOM.ACDSW += EFFAR[1];
            ACDSWP += PRPAR[1];
        }

        // Step 13: square-law constants with lever arms from the estimated rotation centre.
        const Real dz = std::fabs(z - VKROT_EST);
        const Real h = dz * dz * dz;
        const Real ax = std::fabs(x), ay = std::fabs(y);
        S.CQPT += EFMOM[1] / 32.0f + EFFAR[0] * h + EFFAR[2] * (ax * ax * ax);
        S.CQRL += EFMOM[0] / 32.0f + EFFAR[1] * h + EFFAR[2] * (ay * ay * ay);
    }

    // Step 4: no member crosses the waterline.
    if (S.NPIERCE == 0 && FRSTIM2 != 0) {
        if (tlp) {
            say("");
            say(std::string(" ++> Warning: No member crosses the waterline. ") + "Quasi-static pulldown may");
            say(std::string("     have completely submerged all water-piercing members;") + " you should");
            say("     increase their lengths to prevent this.");
            FRSTIM2 = 0;
            ask_abort(true);
        } else {
            say("");
            say(" ++> Warning: No member crosses the waterline.");
            say("");
            FRSTIM2 = 0;
            ask_abort(false);
        }
    }

    // Step 5: the estimates. Without a wet member there is nothing to estimate from.
    const bool have_volume = P.VOLEST != 0.0f;
    Real KMTEST = 0.0f, KMLEST = 0.0f;
    if (have_volume) {
        P.VCBEST /= P.VOLEST;
        P.XCBEST /= P.VOLEST;
        P.YCBEST /= P.VOLEST;
        KMTEST = RWPMOI / P.VOLEST + P.VCBEST;
        KMLEST = PWPMOI / P.VOLEST + P.VCBEST;
        P.GMTEST = KMTEST - H.EVKG;
        P.GMLEST = KMLEST - H.EVKG;
    } else {
        P.GMTEST = 0.0f;
        P.GMLEST = 0.0f;
    }
    if (P.AWPEST != 0.0f) {
        P.XWPCTR /= P.AWPEST;
        P.YWPCTR /= P.AWPEST;
    }
    PASCOM.MENWLX = PRPCUX > 0.0f ? PASCOM.MENWLX / PRPCUX : P.LWL;
    PASCOM.MENWLY = PRPCUY > 0.0f ? PASCOM.MENWLY / PRPCUY : P.BWL;

    // Step 6: the summed waterline widths of the crossing members against LWL and BWL.
    if (S.NPIERCE != 0 && FRSTIM3 != 0) {
        const Real rx = PRPCUX / P.LWL;
        const Real ry = PRPCUY / P.BWL;
        if (rx < 0.8f || rx > 1.2f || ry < 0.8f || ry > 1.2f) {
            say("");
            say(std::string(" ++> Notice: Summed water-piercing member waterlines") + " differ from LWL, BWL...");
            say("");
            FRSTIM3 = 0;
            ask_abort(false);
        }
    }

    // Step 7: drag-area coefficients, added masses and centres of rotation.
    PASCOM.ACDSG = ACDSGP != 0.0f ? PASCOM.ACDSG / ACDSGP : 0.0f;
    PASCOM.ACDSW = ACDSWP != 0.0f ? PASCOM.ACDSW / ACDSWP : 0.0f;
    const Real ZAMSG = AVLSG > 0.0f ? ZVMSG / AVLSG : H.EVKG;
    const Real ZAMSW = AVLSW > 0.0f ? ZVMSW / AVLSW : H.EVKG;
    const Real XAMSW = AVLSW > 0.0f ? XVMSW / AVLSW : 0.0f;
    H.CSG = AVLSG / H.DELTA;
    PASCOM.CMSRG = 1.0f + H.CSG;
    H.CSW = AVLSW / H.DELTA;
    PASCOM.CMSWY = 1.0f + H.CSW;
    H.CYW = AVMIYW / (H.DELTA * P.YGYR * P.YGYR);
    PASCOM.CMYAW = 1.0f + H.CYW;
    H.HVMAS = D0 + AVLHV;
    H.SGMAS = D0 + AVLSG;
    H.SWMAS = D0 + AVLSW;
    H.VTCRR = (P.VKG * D0 - RLFMSW) / H.SWMAS;
    H.VTCRP = (P.VKG * D0 + PTFMSG) / H.SGMAS;
    PASCOM.VTCRRS = H.VTCRR;
    PASCOM.VTCRPS = H.VTCRP;
    H.XCRYW = YWFMSW / H.SWMAS;
    H.XCRPT = 0.0f;

    // Step 8: the typed hydrostatics against the estimates, on the first call only.
    if (FRSTIM != 0) {
        FRSTIM = 0;
        Int WRNFLG = 0;
        if (have_volume) {
            const Real T = H.EDRAFT;
            if (H.EVKB != 0.0f && std::fabs(1.0f - P.VCBEST / H.EVKB) > 0.02f) WRNFLG |= 1;
            if (H.GMT != 0.0f && std::fabs(1.0f - P.GMTEST / H.GMT) > 0.02f) WRNFLG |= 2;
            if (H.GML != 0.0f && std::fabs(1.0f - P.GMLEST / H.GML) > 0.02f) WRNFLG |= 4;
            if (std::fabs(1.0f - P.VOLEST / H.DELTA) > 0.02f) WRNFLG |= 8;
            if (P.AWP != 0.0f && std::fabs(1.0f - P.AWPEST / P.AWP) > 0.02f) WRNFLG |= 16;
            if (std::fabs(P.XCBEST / T) > 0.01f) WRNFLG |= 32;
            if (std::fabs(P.YCBEST / T) > 0.0001f) WRNFLG |= 64;
            if (std::fabs(P.XWPCTR / T) > 0.001f) WRNFLG |= 128;
            if (std::fabs(P.YWPCTR / T) > 0.0001f) WRNFLG |= 256;
        }
        if (WRNFLG != 0 && P.NOWARN == 0) {
            const Real input[] = {H.EVKB, H.EVKMT, H.EVKML, 0.001f * P.DWATR * H.DELTA, P.AWP, 0.0f, 0.0f, 0.0f, 0.0f};
            const Real estimate[] = {P.VCBEST, KMTEST, KMLEST, 0.001f * P.DWATR * P.VOLEST, P.AWPEST,
                                     P.XCBEST, P.YCBEST, P.XWPCTR, P.YWPCTR};
            say("");
            say(" ++> WARNING <++");
            say("");
            for (int b = 0; b < 9; ++b) {
                if ((WRNFLG & kDiscrepancies[b].bit) == 0) continue;
                say(std::string(" Possible discrepancy in vessel ") + kDiscrepancies[b].caption);
                say(" (Input value, simulation estimated value) = (" + fmt_1PE(input[b], 11, 4) + "," +
                    fmt_1PE(estimate[b], 11, 4) + ")");
                say("");
            }
            ask_abort(false);
        }
    }

    // Step 9: inertias about the centres of rotation; the added-mass terms move the added inertia
    // from the keel origin to the centre.
    const Real dp = H.VTCRP - P.VKG;
    const Real dr = H.VTCRR - P.VKG;
    const Real sp_ = H.VTCRP - ZAMSG;
    const Real sr_ = H.VTCRR - ZAMSW;
    const Real sy_ = H.XCRYW - XAMSW;
    H.PTCHI = (P.PGYR * P.PGYR + dp * dp + H.XCRPT * H.XCRPT) * D0 + AVMIPT + (sp_ * sp_ - ZAMSG * ZAMSG) * AVLSG;
    H.ROLI = (P.RGYR * P.RGYR + dr * dr) * D0 + AVMIRL + (sr_ * sr_ - ZAMSW * ZAMSW) * AVLSW;
    H.YAWI = (P.YGYR * P.YGYR + H.XCRYW * H.XCRYW) * D0 + AVMIYW + (sy_ * sy_ - XAMSW * XAMSW) * AVLSW;
    H.PTCH1 = H.PTCHI;
    H.ROL1 = H.ROLI;
    H.HVM1 = D0;

    // Step 10: natural frequencies and their grid indices.
    natural_frequency(P.LPTPRD, P.PITPRD, H.PRMT, H.PTCHI, H.WP);
    natural_frequency(P.LHVPRD, P.HEVPRD, H.HC, H.HVMAS, H.WH);
    natural_frequency(P.LRLPRD, P.ROLPRD, H.RRMT, H.ROLI, H.WR);
    H.JP = H.JR = H.JH = P.NWP;
    if (H.WP != 0.0f) GRIDPT(H.WP, H.JP);
    if (H.WR != 0.0f) GRIDPT(H.WR, H.JR);
    if (H.WH != 0.0f) GRIDPT(H.WH, H.JH);

    // Step 11: the square-law constants take half the mass density (in thousands).
    const Real half_density = 0.0005f * P.DWATR / G;
    S.CQHV *= half_density;
    S.CQPT *= half_density;
    S.CQRL *= half_density;
}

}  // namespace brevant

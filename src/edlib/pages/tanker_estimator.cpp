// The average-tanker property estimator. Everything is worked in English units and single
// precision, with the regression constants as the database gives them; the case's units are applied
// in the last step only.
#include "edlib/pages/tanker_estimator.h"

#include <cmath>
#include <string>
#include <string_view>

#include "numeric/root_finders.h"
#include "records/data_image.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/paging.h"
#include "sysutl/pauses.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"

namespace brevant {

Epscom EPSCOM{};

namespace {

constexpr Real kCubicFeetPerLongTon = 35.0f;  // sea water
constexpr Real kLeastDeadweight = 2000.0f;    // long tons

void blank_line(Int unit) { write_record(unit, ""); }

// The warning of a draft outside the range of the deadweight: `side` "less" or "greater", `limit`
// "minimum" or "maximum".
void draft_warning(Int unit, std::string_view side, std::string_view limit) {
    CLEAR(unit);
    blank_line(unit);
    write_record(unit, std::string(" ++> Requested draft is ").append(side).append(" than the ").append(limit));
    write_record(unit, "     allowed draft for the specified deadweight...");
    write_record(unit, "     To continue, the draft will be replaced by ");
    write_record(unit, std::string("     the ").append(limit).append(" allowable value"));
}

}  // namespace

Real ALPHA(Real& SIMDFT) { return EPSCOM.EPSLN + (1.0f - EPSCOM.EPSLN) * SIMDFT / EPSCOM.MAXDFT; }

Real VOLFUN(Real& DFTRAT) {
    return (2.0f * EPSCOM.EPSLN * DFTRAT + (1.0f - EPSCOM.EPSLN) * DFTRAT * DFTRAT) / (1.0f + EPSCOM.EPSLN);
}

Real NULFUN(Real& DFTRAT) { return EPSCOM.MINRAT - VOLFUN(DFTRAT); }

void light_ship_gyradii(Real L, Real B, Real D, Real r, Real& LTGROL, Real& LTGPIT, Real& LTGYAW) {
    const Real S = B * L + B * D + L * D;
    LTGROL = std::sqrt(((D * D * (3.0f * B * L + B * D + L * D) + B * B * (L * B + B * D + 3.0f * D * L)) / S +
                        r * (B * B + D * D)) /
                       12.0f / (1.0f + r));
    LTGPIT = std::sqrt(((D * D * (3.0f * B * L + B * D + L * D) + L * L * (L * B + L * D + 3.0f * D * B)) / S +
                        r * (L * L + D * D)) /
                       12.0f / (1.0f + r));
    LTGYAW = std::sqrt(((L * L * (3.0f * B * D + B * L + L * D) + B * B * (L * B + B * D + 3.0f * D * L)) / S +
                        r * (B * B + L * L)) /
                       12.0f / (1.0f + r));
}

TankerHull tanker_hull(Real DWTONS, Int EDUNIT) {
    TankerHull h{};
    // Weights and volumes.
    h.BKHDWT = 0.0422f * DWTONS;
    h.SHELWT = 6.78f * std::pow(DWTONS, 2.0f / 3.0f);
    h.LTSHIP = h.SHELWT + h.BKHDWT;
    h.LTSVOL = kCubicFeetPerLongTon * h.LTSHIP;
    h.MAXDSP = DWTONS + h.LTSHIP;
    h.MAXVOL = kCubicFeetPerLongTon * h.MAXDSP;
    // Depth.
    h.VOLSCL = std::cbrt(h.MAXVOL);
    h.MLDPTH = 0.4039f * h.VOLSCL;
    h.LTSVKG = 0.54f * h.MLDPTH;
    // Shape record.
    h.MINRAT = h.LTSVOL / h.MAXVOL;
    h.MAXDFT = 13.32f - 0.0000001502f * h.MAXVOL + 0.01673f * std::sqrt(h.MAXVOL);
    // Beam and bilge.
    h.BWL = 0.25f * h.VOLSCL * h.VOLSCL / h.MAXDFT;
    h.BILGR = 0.07f * h.BWL;
    // Coefficients; with this EPSLN the volume under the linear area law up to MAXDFT is
    // BLKCOF L B MAXDFT.
    h.BLKCOF = 0.275f * std::exp(-194.0f / h.VOLSCL) + 0.725f;
    h.WPCOF = 0.3f * std::exp(-69.0f / h.VOLSCL) + 0.7f;
    h.EPSLN = 2.0f * h.BLKCOF / h.WPCOF - 1.0f;
    EPSCOM = Epscom{h.EPSLN, h.MAXDFT, h.MINRAT};
    // Length and full-load waterplane.
    h.LWL = h.MAXVOL / (h.BLKCOF * h.MAXDFT * h.BWL);
    h.MAXAWP = h.LWL * h.BWL * h.WPCOF;
    h.LODFBD = h.MLDPTH - h.MAXDFT;
    // Superstructure part of the wind areas.
    h.XWNDAR = 0.1f * h.VOLSCL * h.VOLSCL + 3000.0f;
    h.YWNDAR = 16.0f * h.VOLSCL + 3000.0f;
    // Minimum draft: the light-ship volume fraction reached by the area law; the draft is taken a
    // hundred-thousandth above the root.
    Real X = 0.0f;
    Real F = 0.0f;
    Int IER = 0;
    RTMI1(X, F, NULFUN, 0.0f, 1.0f, 0.00001f, 0.00001f, 100, IER);
    if (IER != 0) {
        blank_line(EDUNIT);
        write_record(EDUNIT, " ++> RTMI failure in minimum draft determination (subroutine ESTIM8)");
        write_record(EDUNIT, "     Error Index = " + fmt_I(IER, 2));
        Int ignored = 0;
        PRSRET(EDUNIT, KBD_UNIT, ignored);
        stop_program(1);
    }
    h.MINDFT = X * h.MAXDFT * 1.00001f;
    light_ship_gyradii(h.LWL, h.BWL, h.MLDPTH, h.BKHDWT / h.SHELWT, h.LTGROL, h.LTGPIT, h.LTGYAW);
    return h;
}

void ESTIM8(Real& DISPL, Real& VKB, Real& VKG, Real& DRAFT, Real& AWP, Real& VKMT, Real& VKML, Real& LWL, Real& BWL,
            Real& PGYR, Real& RGYR, Real& YGYR, Real& BILGR, Real& XWNDAR, Real& YWNDAR, Real& XCURAR, Real& YCURAR,
            Real& DWTONS, Real& LOADED, Real& DFTPCT, Real& DSPPCT) {
    const Int EDUNIT = TPCM.EDUNIT;
    const Int NUNTS = TPCM.NUNTS;
    Int& LBACK = TPCM.LBACK;

    Real SIMDFT = NUNTS == 1 ? DRAFT / 0.3048f : DRAFT;

    if (DWTONS < kLeastDeadweight) {
        CLEAR(EDUNIT);
        blank_line(EDUNIT);
        write_record(EDUNIT, " ++> Requested deadweight is less than 2000 long tons.");
        write_record(EDUNIT, "     To continue, the deadweight will be replaced by 2000...");
        ABORT0(EDUNIT, KBD_UNIT, LBACK);
        if (LBACK == -1) return;
        DWTONS = kLeastDeadweight;
    }

    const TankerHull h = tanker_hull(DWTONS, EDUNIT);
    const Real L = h.LWL;
    const Real B = h.BWL;
    const Real D = h.MLDPTH;

    // Draft check. Everything so far lives in locals, so an abort leaves the caller's values as they
    // were (a deadweight raised to 2000 excepted). The volume law has a second, negative branch:
    // a draft of 0 or below is always below the minimum, whatever volume the law gives it.
    Real DFTRAT = SIMDFT / h.MAXDFT;
    Real SIMVOL = 0.0f;
    if (SIMDFT > h.MAXDFT) {
        draft_warning(EDUNIT, "greater", "maximum");
        ABORT0(EDUNIT, KBD_UNIT, LBACK);
        if (LBACK == -1) return;
        SIMDFT = h.MAXDFT;
        SIMVOL = h.MAXVOL;
    } else {
        SIMVOL = h.MAXVOL * VOLFUN(DFTRAT);
        if (SIMDFT <= 0.0f || SIMVOL < h.LTSVOL) {
            draft_warning(EDUNIT, "less", "minimum");
            ABORT0(EDUNIT, KBD_UNIT, LBACK);
            if (LBACK == -1) return;
            SIMDFT = h.MINDFT;
            SIMVOL = h.LTSVOL;
        }
    }

    // Displacement and loads (long tons, ft).
    DFTRAT = SIMDFT / h.MAXDFT;
    Real DSPL = SIMVOL / kCubicFeetPerLongTon;
    const Real DSPRAT = DSPL / h.MAXDSP;
    Real CARGO = DSPL - h.LTSHIP;
    if (CARGO < 0.0f) CARGO = 0.0f;
    const Real SIMFBD = h.MLDPTH - SIMDFT;
    LOADED = h.LODFBD / SIMFBD * 100.0f;
    DFTPCT = 100.0f * DFTRAT;
    DSPPCT = 100.0f * DSPRAT;

    // Waterplane and form coefficients at the simulation draft.
    Real AREA = h.MAXAWP * ALPHA(SIMDFT);
    const Real SIMWPC = AREA / (L * B);
    const Real SIMBLC = SIMVOL / (L * B * SIMDFT);

    // Centres and metacentres: VKB is the centroid of the linear area law; light ship at its own
    // centre, cargo at half the depth.
    Real KB = (SIMWPC / SIMBLC + 2.0f) * SIMDFT / 6.0f;
    Real KG = (h.LTSVKG * h.LTSHIP + 0.5f * h.MLDPTH * CARGO) / DSPL;
    const Real IXXOVD = (3.0f * SIMWPC - 1.0f) * B * B / (24.0f * SIMDFT * SIMBLC);
    const Real IYYOVD = L * L * SIMWPC * (1.0f - 2.0f * SIMWPC + 2.0f * SIMWPC * SIMWPC) / (12.0f * SIMDFT * SIMBLC);
    Real KMT = KB + IXXOVD;
    Real KML = KB + IYYOVD;

    // Gyradii of the loaded ship: light ship plus a cargo block, about the loaded centre of gravity.
    const Real KXXCAR = std::sqrt((B * B + D * D) / 12.0f);
    const Real KYYCAR = std::sqrt(((L * SIMWPC) * (L * SIMWPC) + D * D) / 12.0f);
    const Real KZZCAR = std::sqrt(((L * SIMWPC) * (L * SIMWPC) + B * B) / 12.0f);
    const Real c = CARGO / h.LTSHIP;
    const Real dKG = KG - h.LTSVKG;
    const Real dKC = KG - D / 2.0f;
    Real KROL = std::sqrt((h.LTGROL * h.LTGROL + dKG * dKG + c * (KXXCAR * KXXCAR + dKC * dKC)) / (c + 1.0f));
    Real KPIT = std::sqrt((h.LTGPIT * h.LTGPIT + dKG * dKG + c * (KYYCAR * KYYCAR + dKC * dKC)) / (c + 1.0f));
    Real KYAW = std::sqrt((h.LTGYAW * h.LTGYAW + c * KZZCAR * KZZCAR) / (c + 1.0f));

    // Areas: the hull above water joins the superstructure.
    const Real XWIND = h.XWNDAR + B * SIMFBD;
    const Real YWIND = h.YWNDAR + L * SIMFBD;
    const Real XCUR = B * SIMDFT;
    const Real YCUR = L * SIMDFT;

    // Output in the case's units; the deadweight stays in long tons.
    Real LCONV = 1.0f;
    Real L2CONV = 1.0f;
    Real WTCONV = 2.24f;
    if (NUNTS == 1) {
        LCONV = 0.3048f;
        L2CONV = 0.09290304f;
        WTCONV = 1.0160469f;
    }
    DISPL = DSPL * WTCONV;
    VKB = KB * LCONV;
    VKG = KG * LCONV;
    VKMT = KMT * LCONV;
    VKML = KML * LCONV;
    LWL = L * LCONV;
    BWL = B * LCONV;
    PGYR = KPIT * LCONV;
    RGYR = KROL * LCONV;
    YGYR = KYAW * LCONV;
    BILGR = h.BILGR * LCONV;
    DRAFT = SIMDFT * LCONV;
    AWP = AREA * L2CONV;
    XWNDAR = XWIND * L2CONV;
    YWNDAR = YWIND * L2CONV;
    XCURAR = XCUR * L2CONV;
    YCURAR = YCUR * L2CONV;
}

}  // namespace brevant

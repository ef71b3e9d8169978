// Added-mass and added-moment coefficients of one member of a member-built hull. The member is an
// ellipsoid with the axes of its dimensions (its length doubled by its image in a wall), or a
// two-dimensional section when both ends are closed; rectangular sections take a shape factor.
#include "edlib/members/member_mass_coefficients.h"

#include <cmath>

#include "records/data_image.h"
#include "edlib/members/member_table.h"
#include "edlib/members/surface_correction.h"
#include "numeric/algebra.h"
#include "numeric/member_added_mass.h"
#include "sysutl/fortran_format.h"
#include "sysutl/pauses.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

constexpr Real PI = 3.1415927f;
constexpr Int HULL_TLP = 5;
constexpr Int HULL_SPAR = 6;

bool valid_code(Int code) { return code >= 0 && code <= 2; }

void write_incomplete(Int EDUNIT) {
    write_record(EDUNIT, "");
    write_record(EDUNIT, " ++> All member dimension data and member endpoint data must be");
    write_record(EDUNIT, "     specified before mass/damping coefficients can be computed.");
    write_record(EDUNIT, "     Check for missing or incorrect data...");
}

}  // namespace

void MSCALC(Int ICYL, Int& WRNFLG, Int& IFAIL) {
    IFAIL = 0;
    if (!member_has_storage(ICYL)) return;
    Tpcm& t = TPCM;
    const Int EDUNIT = t.EDUNIT;
    Real* RB = member_triple(t.RCYLB, ICYL);
    Real* RT = member_triple(t.RCYLT, ICYL);

    // The length is taken for every member: one of another kind still has its two end points.
    Real TMPL = 0.0f;
    Int IDIR = 0;
    VECLEN(RT, RB, TMPL, IDIR);

    const Int BOT = t.BOTTYP(ICYL);
    const Int TOP = t.TOPTYP(ICYL);
    const bool FREWAL = valid_code(BOT) && valid_code(TOP) && (BOT == END_FREE) != (TOP == END_FREE);
    const bool WALWAL = valid_code(BOT) && valid_code(TOP) && BOT != END_FREE && TOP != END_FREE;
    Logical ONEWRN = 0;
    Real EFF_DIA = 0.0f;
    Real D[3] = {t.DIAMS(1, ICYL), t.DIAMS(2, ICYL), t.DIAMS(3, ICYL)};

    Real MEMVEC[3];
    Real DIRVEC[3];
    Real MEMLEN = 0.0f;
    Real WETLEN = 0.0f;
    Real TILTFC = 1.0f;
    Int PIERCE = 0;
    WPCHEK(RB, RT, t.TDRAFT(), MEMVEC, DIRVEC, MEMLEN, WETLEN, TILTFC, PIERCE);

    // The cross-section area enters wherever the member's diameter is needed (a column through the
    // waterline, the surface correction); an end type or profile outside the lists defines no
    // model. Such data are as incomplete as a missing dimension.
    const bool area_needed = PIERCE == 1 || t.MASCMP(ICYL) == MASS_SURFACE;
    if (!(D[0] > 0.0f && D[1] > 0.0f && D[2] > 0.0f && TMPL > 0.0f) || (area_needed && !(t.XAREA(ICYL) > 0.0f)) ||
        !valid_code(BOT) || !valid_code(TOP) || !valid_code(t.NCYLTP(ICYL))) {
        write_incomplete(EDUNIT);
        t.MASCMP(ICYL) = MASS_USER;
        WRNFLG = 1;
        return;
    }

    if (PIERCE == 1) {
        D[2] = WETLEN;
        EFF_DIA = 2.0f * std::sqrt(t.XAREA(ICYL) / PI);
        // A spar's column is measured by its waterplane; the moon pool that the difference of
        // the areas makes enters no coefficient.
        if (t.VESTYP == HULL_SPAR) EFF_DIA = 2.0f * std::sqrt(t.AWP / PI);
    }

    for (Int IA = 1; IA <= 3; ++IA) {
        const Int IB = (IA % 3) + 1;
        const Int IC = (IB % 3) + 1;
        Real ABRAT2 = D[IA - 1] / D[IB - 1];
        Real ACRAT2 = D[IA - 1] / D[IC - 1];

        if (FREWAL) {
            if (IA == 3) {
                // A spar's column is measured against its waterplane diameter; without one (a
                // member that does not reach the surface, or no waterplane area) the wall image
                // doubles the length as for any other hull.
                if (t.VESTYP == HULL_SPAR && EFF_DIA > 0.0f) {
                    ABRAT2 = 2.0f * D[2] / EFF_DIA;
                    ACRAT2 = ABRAT2;
                } else {
                    ABRAT2 = 2.0f * ABRAT2;
                    ACRAT2 = 2.0f * ACRAT2;
                }
            }
            if (IB == 3) ABRAT2 = 0.5f * ABRAT2;
            if (IC == 3) ACRAT2 = 0.5f * ACRAT2;
        }

        Real RCTMAS = 1.0f;
        Real RCTMOM = 1.0f;
        if (IB == 3) {
            RCTMAS = 1.0f / ACRAT2;
            RCTMOM = ACRAT2;
        } else if (IC == 3) {
            RCTMAS = 1.0f / ABRAT2;
            RCTMOM = ABRAT2;
        }

        Real CORMAS = 1.0f;
        Real CORMOM = 1.0f;
        if (IA != 3) {
            switch (t.NCYLTP(ICYL)) {
                case SECTION_RECTANGULAR:
                    CORMAS = RECTCM(RCTMAS);
                    CORMOM = RECTCM(RCTMOM);
                    break;
                case SECTION_INTERMEDIATE:
                    CORMAS = (RECTCM(RCTMAS) + 1.0f) * 0.5f;
                    CORMOM = (RECTCM(RCTMOM) + 1.0f) * 0.5f;
                    break;
                default:
                    break;
            }
        }

        Real TMPMAS = 0.0f;
        Real TMPMOM = 0.0f;
        if (WALWAL) {
            if (IA != 3) {
                TMPMAS = RCTMAS;
                TMPMOM = RCTMOM;
            } else {
                const Real BCRAT = ACRAT2 / ABRAT2;
                const Real BCRAT2 = BCRAT * BCRAT;
                const Real DIFF = BCRAT2 - 1.0f;
                TMPMAS = 0.0f;
                TMPMOM = 0.5f * DIFF * DIFF / ((BCRAT2 + 1.0f) * BCRAT);
            }
        } else {
            ABRAT2 = ABRAT2 * ABRAT2;
            ACRAT2 = ACRAT2 * ACRAT2;
            Real ELPSCF = 0.0f;
            ELPCOF(ABRAT2, ACRAT2, 0, 1, ELPSCF, EDUNIT, KBD_UNIT, ONEWRN, ICYL);
            TMPMAS = COFCLC(1, ELPSCF, ABRAT2, ACRAT2);
            ELPCOF(ABRAT2, ACRAT2, 0, 2, ELPSCF, EDUNIT, KBD_UNIT, ONEWRN, ICYL);
            TMPMOM = COFCLC(2, ELPSCF, ABRAT2, ACRAT2);

            if (FREWAL && IA == 3) {
                if (t.VESTYP == HULL_SPAR) {
                    // The spar keeps the ellipsoid value.
                } else if (t.VESTYP == HULL_TLP) {
                    // The monopole term needs a wetted length: a member wholly above the water
                    // has none and gets nothing added.
                    if (WETLEN > 0.0f) {
                        const Real MONOPOLE_CONTR = 0.125f * EFF_DIA / WETLEN;
                        TMPMAS = TMPMAS + MONOPOLE_CONTR;
                    }
                } else if (t.TDRAFT() > 0.0f) {
                    const Real TMPMASQ = 0.849f * EFF_DIA / t.TDRAFT();
                    if (TMPMASQ > TMPMAS) TMPMAS = TMPMASQ;
                }
            }
        }

        t.CYLCM(IA, ICYL) = CORMAS * TMPMAS;
        t.CYLCMI(IA, ICYL) = CORMOM * TMPMOM;
    }

    if (t.MASCMP(ICYL) != MASS_SURFACE) return;

    if (RB[0] == RT[0] && RB[1] == RT[1]) {
        write_record(EDUNIT, "");
        write_record(EDUNIT, " ++> Member " + fmt_I(ICYL, 2) + " is perfectly vertical; no surface");
        write_record(EDUNIT, " proximity correction applies...");
        WRNFLG = 1;
        t.MASCMP(ICYL) = MASS_DEEP_WATER;
        return;
    }
    if (RB[2] != RT[2]) {
        write_record(EDUNIT, "");
        write_record(EDUNIT, " ++> Member " + fmt_I(ICYL, 2) + " is not perfectly horizontal; the surface");
        write_record(EDUNIT, "     proximity correction applies rigorously only to horizontal");
        write_record(EDUNIT, "     members.  Proceed with caution or enter \"A\" at the ");
        write_record(EDUNIT, "     \"Press Return\" prompt to abort surface correction");
        WRNFLG = 0;
        Int LBACK = 0;
        ABORT0(EDUNIT, KBD_UNIT, LBACK);
        if (LBACK == -1) {
            t.MASCMP(ICYL) = MASS_DEEP_WATER;
            return;
        }
    }

    const Real RTEMP = (RB[2] + RT[2]) * 0.5f;
    const Real TMPRAT = D[1] / D[0];
    const Real ADIAM = 2.0f * std::sqrt(t.XAREA(ICYL) * TMPRAT / PI);
    const Real BDIAM = ADIAM / TMPRAT;
    TEMPCM.DCNTR = 4.0f * (t.TDRAFT() - RTEMP) / BDIAM;
    TEMPCM.BOVRA = BDIAM / ADIAM;

    Real MASFAC = 1.0f;
    Int IER = 0;
    SRFCOR(MASFAC, ICYL, EDUNIT, WRNFLG, IER);
    if (IER != SRFCOR_OK) {
        // The correction cannot be had: say which member, keep its deep-water coefficients and
        // let the caller count a fatal finding rather than lose the session.
        write_record(EDUNIT, "");
        write_record(EDUNIT, " ++> Fatal Warning: No surface proximity correction for member " + fmt_I(ICYL, 2) + ";");
        write_record(EDUNIT, "     its deep water added mass coefficients are kept.");
        t.MASCMP(ICYL) = MASS_DEEP_WATER;
        WRNFLG = 1;
        IFAIL = 1;
        return;
    }
    t.CYLCM(1, ICYL) = t.CYLCM(1, ICYL) * MASFAC;
    t.CYLCMI(2, ICYL) = t.CYLCMI(2, ICYL) * MASFAC;
}

}  // namespace brevant

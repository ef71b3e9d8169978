// Checks of one member of a member-built hull.
#include "edlib/members/member_checks.h"

#include <string>

#include "records/data_image.h"
#include "edlib/members/member_mass_coefficients.h"
#include "edlib/members/member_table.h"
#include "numeric/algebra.h"
#include "numeric/member_added_mass.h"
#include "sysutl/fortran_format.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

void message(Int EDUNIT, const std::string& line) {
    write_record(EDUNIT, "");
    write_record(EDUNIT, line);
}

}  // namespace

void CHKPAK(Int ICYL, Int& WARNEM, Int& FWARN, Int& WRNFLG, Int& PRCFLG) {
    WARNEM = 0;
    FWARN = 0;
    WRNFLG = 0;
    Tpcm& t = TPCM;
    // A count read from a file may exceed the storage: nothing beyond it is a member.
    if (ICYL > t.NCYL || !member_has_storage(ICYL)) return;
    const Int EDUNIT = t.EDUNIT;
    const std::string number = fmt_I(ICYL, 2);
    Real* RB = member_triple(t.RCYLB, ICYL);
    Real* RT = member_triple(t.RCYLT, ICYL);

    Real MEMVEC[3];
    Real DIRVEC[3];
    Real MEMLEN = 0.0f;
    Real WETLEN = 0.0f;
    Real TILTFC = 1.0f;
    Int PIERCE = 0;
    WPCHEK(RB, RT, t.TDRAFT(), MEMVEC, DIRVEC, MEMLEN, WETLEN, TILTFC, PIERCE);

    const Real FAC = MEMLEN / t.DIAMS(3, ICYL);
    if (!(FAC <= 1.01f && FAC >= 0.99f)) {
        WARNEM = 1;
        WRNFLG = 1;
        message(EDUNIT, " ++> Warning: Mz-dimension inconsistent with top/base locations for member " + number);
    }

    if (RB[2] > RT[2] || PIERCE == -1) {
        WARNEM = 1;
        FWARN = 1;
        WRNFLG = 1;
        message(EDUNIT, " ++> Fatal Warning: Top of member " + number + " is below the base!");
        PRCFLG = 1;
    } else if (PIERCE == 99) {
        WARNEM = 1;
        WRNFLG = 1;
        message(EDUNIT, " ++> Warning: Member number " + number + " is completely dry!");
    } else if (PIERCE == 1) {
        PRCFLG = 1;
        if (t.BOTTYP(ICYL) != END_PIERCING && t.TOPTYP(ICYL) != END_PIERCING) {
            WARNEM = 1;
            WRNFLG = 1;
            message(EDUNIT, " ++> Warning: Member number " + number + " top/bottom types should be checked!");
        }
    } else if (PIERCE != 0) {
        message(EDUNIT, " ++> Fatal Warning: SOMETHING is seriously amiss with Member " + number);
        WRNFLG = 1;
        WARNEM = 1;
        FWARN = 1;
        PRCFLG = 1;
    }

    // Members of another kind keep the axis class they have.
    if (t.MEMTYP(ICYL) == 0) {
        Real ALNGTH = 0.0f;
        Int IDIR = AXIS_INCLINED;
        VECLEN(RT, RB, ALNGTH, IDIR);
        t.MEMDIR(ICYL) = IDIR;
    }

    if (t.MASCMP(ICYL) != MASS_USER) {
        Int IFAIL = 0;
        MSCALC(ICYL, WRNFLG, IFAIL);
        if (IFAIL != 0) {
            FWARN = 1;
            WRNFLG = 1;
        }
    }

    if (WRNFLG != 0) WARNEM = 1;
}

}  // namespace brevant

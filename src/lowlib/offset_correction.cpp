// The energy-equivalent offset correction of the moored disc.
#include "lowlib/offset_correction.h"

#include <cmath>

#include "numeric/root_finders.h"
#include "numeric/table_search.h"
#include "sysutl/answers.h"
#include "sysutl/fortran_format.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

[[noreturn]] void search_failed(Int IER, Int IOSCRN) {
    write_record(IOSCRN, Record().put(" ++> Nonzero IER = ").I(IER, 2).put(" in NLNCOR").str());
    write_record(IOSCRN, "     Press <RETURN> to continue");
    if (IOSCRN != SILENT_UNIT) {
        char answer = ' ';
        READCP(answer);
    }
    stop_program(1);
}

}  // namespace

void NLNCOR(const Real* ERG, Real EQB, const Real* OFFSET, Real DXLIN, Real& DXNLIN, Real SPRNGK, Real /*FENV*/,
            Real EQLOFF, Int NERG, Int& MIN, Logical LSPM, Int IOSCRN) {
    const Real TMPEN = 0.5f * SPRNGK * DXLIN * DXLIN;
    const Real OFF_DIR = std::signbit(EQLOFF) ? -1.0f : 1.0f;

    Int IER = 0;
    Int NEQB = 0;
    BRACKT(ERG, EQB, IER, NEQB, 1, NERG);
    if (IER != 0) search_failed(IER, IOSCRN);

    Int MINDST = 0;
    Int MAXDST = 0;
    Int NUMINC = 0;
    if (DXLIN * OFF_DIR >= 0.0f) {
        BRACKT(ERG, TMPEN, IER, MINDST, NEQB, NERG);
        if (IER != 0) search_failed(IER, IOSCRN);
        MAXDST = MINDST + 1;
        NUMINC = MINDST - NEQB;
        MIN = MINDST;
    } else {
        // The part below equilibrium holds at least the first pair.
        if (NEQB == 1) NEQB = 2;
        BRACKT(ERG, TMPEN, IER, MAXDST, 1, NEQB);
        if (IER != 0) search_failed(IER, IOSCRN);
        MINDST = MAXDST + 1;
        NUMINC = NEQB - MINDST;
        MIN = MAXDST;
    }

    if (std::abs(MINDST - NEQB) < 2) {
        DXNLIN = DXLIN;
    } else if (LSPM) {
        Real XNLIN = 0.0f;
        INTERP(ERG, OFFSET, TMPEN, XNLIN, MIN);
        DXNLIN = XNLIN - OFFSET[NEQB - 1];
    } else {
        const Real fraction = (TMPEN - ERG[MINDST - 1]) / (ERG[MAXDST - 1] - ERG[MINDST - 1]);
        const Real TEMP = (static_cast<Real>(NUMINC) + fraction) * std::abs(OFFSET[0]);
        DXNLIN = std::copysign(std::abs(TEMP), DXLIN);
    }
}

}  // namespace brevant

// The relative wave headings.
#include "veslib/relative_headings.h"

#include <algorithm>
#include <cmath>

#include "numeric/angles.h"
#include "records/data_image.h"
#include "records/motion_record.h"
#include "records/wave_record.h"
#include "sysutl/fortran_format.h"

namespace brevant {

void LOGFIL(Int& MATCH, Real HEADG, const Real* RAOANG, Int NRAO) {
    MATCH = 0;
    for (Int K = NRAO; K >= 1; --K) {
        if (std::fabs(HEADG - RAOANG[K - 1]) < 0.05f) {
            MATCH = K;
            return;
        }
    }
}

namespace {

// Adds the direction A to the list unless one within 0.05 degrees is listed already; gives the
// index it sits at. MATCH is the index found by the merge test (0 when none).
Int add_or_match(Real A, bool flag, Int& MATCH) {
    LOGFIL(MATCH, A, HIMEM.RAOANG.data(), WAVCOM.NRAO);
    if (MATCH != 0) return MATCH;
    // A full list takes no more entries; the caller's limit of 498 then ends the run.
    if (WAVCOM.NRAO >= kMaxRelativeHeadings) return 0;
    WAVCOM.NRAO = WAVCOM.NRAO + 1;
    HIMEM.RAOANG(WAVCOM.NRAO) = A;
    HIMEM.LRAO(WAVCOM.NRAO) = flag ? 1 : 0;
    return WAVCOM.NRAO;
}

Int add_or_match(Real A, bool flag) {
    Int MATCH = 0;
    return add_or_match(A, flag, MATCH);
}

}  // namespace

Int spreading_angle_count() { return std::clamp<Int>(TPCM.NA, 0, kMaxRelativeHeadings - 1) + 1; }

void LOADN() {
    Himem& H = HIMEM;
    // Counts from the data file are held to the tables they index.
    const Int NDIR = std::clamp<Int>(TPCM.NDIR, 0, 12);
    const Int NSEAHG = std::clamp<Int>(TPCM.NSEAHG, 0, 37);
    const Int NANG = spreading_angle_count();

    WAVCOM.NRAO = 0;
    WAVCOM.ISWELL = 0;
    WAVCOM.ISWEL2 = 0;

    // Regular headings, each its own entry even when two are equal.
    for (Int I = 1; I <= NDIR; ++I) {
        H.RAOANG(I) = REDDEG(TPCM.WAVHDG(I));
        H.LRAO(I) = 1;
    }
    WAVCOM.NRAO = NDIR;

    // Free swells: one heading each.
    if (TPCM.LSWELL != 0 && TPCM.LSWLOK == 0) WAVCOM.ISWELL = add_or_match(REDDEG(TPCM.SWLHDG), true);
    if (TPCM.LSWEL2 != 0 && TPCM.LSWLOK == 0) WAVCOM.ISWEL2 = add_or_match(REDDEG(TPCM.SWLHDG2), true);
    // Locked swells: one heading per sea heading, relative to it.
    if (TPCM.LSWELL != 0 && TPCM.LSWLOK == 1) {
        for (Int IH = 1; IH <= NSEAHG; ++IH) H.ISWL(IH) = add_or_match(REDDEG(TPCM.SEAHDG(IH) + TPCM.SWLHDG), true);
    }
    if (TPCM.LSWEL2 != 0 && TPCM.LSWLOK == 1) {
        for (Int IH = 1; IH <= NSEAHG; ++IH)
            H.ISWL2(IH) = add_or_match(REDDEG(TPCM.SEAHDG(IH) + TPCM.SWLHDG2), true);
    }

    // The irregular sea: its headings when long-crested, else every spreading angle of each.
    if (TPCM.LRANDM == 0) return;
    if (!WAVCOM.LEXP) {
        for (Int IH = 1; IH <= NSEAHG; ++IH) H.IRAN(IH) = add_or_match(REDDEG(TPCM.SEAHDG(IH)), true);
        return;
    }
    for (Int IH = 1; IH <= NSEAHG; ++IH) {
        const Real BEGINA = TPCM.SEAHDG(IH) - 0.5f * TPCM.ANGSEC;
        for (Int I = 1; I <= NANG; ++I) {
            const Real A = REDDEG(BEGINA + static_cast<Real>(I - 1) * WAVCOM.DADEG);
            const Int before = WAVCOM.NRAO;
            Int MATCH = 0;
            H.INTGFL(I, IH) = add_or_match(A, false, MATCH);
            if (TPCM.NBUG == 1) {
                write_formatted(TPCM.EDUNIT, "(A/4I5,3F12.4)",
                                {" In LOADN; IHDG,IANG,MATCH,NRAO,ANG,SEAHDG,DADEG", IH, I, MATCH, before, A,
                                 TPCM.SEAHDG(IH), WAVCOM.DADEG});
            }
        }
    }
}

}  // namespace brevant

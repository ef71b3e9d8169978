// The RAO refresh: the vessel's wave-frequency RAOs brought up to date for a vessel heading, once
// for each active wave system (sea, swell, second swell), from the hull model or the user's RAO
// table, each followed by that system's relative motions and drag-transfer arrays (RELRAO).
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// RELDEG: relative wave heading, degrees. ITYPFLG 0: an input used for every wave system, and at the
// end one column of RLRAO2, FDRGLAT, MDRGLAT, RLRAOH2 is copied into the other (column 1 into 2
// when the sea is on, else 2 into 1). ITYPFLG 1: each system's own heading minus the vessel heading
// (no reduction), the last active system's on return.
// TNKANG: vessel heading, radians. DOSPEC: handed to RELRAO (statistics). FORCE_NEW_RAO: run the
// hull (or read the user table) whatever was kept.
//
// The analysis calls it in two forms, both with DOSPEC false and FORCE_NEW_RAO true:
//   attack angle:   RELRAOUP(relative angle + 180, VESANG, 0, 0, 1)
//   vessel heading: RELRAOUP(scratch, VESANG, 1, 0, 1)
//
// On return the pool RAOs are those of the last active system at RAOANG(1), IRAO is 1, VGLDIR is as
// it was. With no active system the pool, IRAO and RAOANG are left alone. An unforced call reuses a
// system's saved RAOs only when that system was last computed at a vessel heading within 0.02 rad,
// a draft change within 0.2 and the same wave heading input.
void RELRAOUP(Real& RELDEG, Real TNKANG, Int ITYPFLG, Logical DOSPEC, Logical FORCE_NEW_RAO);

// Back to the state at program start: nothing saved, every system to be computed.
void reset_relraoup();

// A forced refresh whose hull inputs (data image, wave and equilibrium records, relative heading,
// draft change, vessel heading) are bit for bit those of the last hull solve, with no hull run in
// between, takes that solve's RAOs instead of running the hull again. The switch exists for the
// tests that prove the reuse changes no result (off: every forced refresh runs the hull); it is on
// at program start and is not a user option. Switching clears the kept solve.
void set_rao_solve_reuse(bool on);

}  // namespace brevant

// Load-model flags: the packed model words of wind (LWBARG), current (LCBARG) and wave drift
// (LWVCOF) and the flags every user derives from them (INITFM, TNKRID). The caption lists of the
// words (TNKWND, TNKCUR, TNKWAV) and kNsmbMeanCurrent sit with the other captions, below the load
// models that check their fields against them.
#pragma once

#include "sysutl/captions.h"
#include "sysutl/ftypes.h"

namespace brevant {

// One-model flags: SWNFM (wind), SCRFM (current), SWVFM (wave drift) are 1 when fields 1, 2 and 3
// of their word agree (field 1 of the current word read with 15 as 4), else 0. The words are not
// changed. IOSCRN is the console unit for a fault of the field access.
void INITFM(const Int& LWBARG, Int& SWNFM, const Int& LCBARG, Int& SCRFM, const Int& LWVCOF, Int& SWVFM, Int IOSCRN);

// Brings the words into line with the one-model flags (field 1 copied into fields 2 and 3 where a
// flag is 1; 15 copied as 4, field 1 keeping 15) and derives the model-class flags:
// WNDUSR/CURUSR 1 some field is 1 (LOWDAT table), 2 none is 1 but some is 2 (user file), else 0;
// WAVUSR 1 some drift field is 1; LCTNKR 2 current field 1 is 15 or some field is 4 (NSMB),
// 1 otherwise some field is 6 (OCIMF), else 0; LWTNKR some wind field is 4; LWNBRG some wind field
// is 3 or 5; LCRBRG some current field is 3 or 7.
//   LWBARG, LCBARG, LWVCOF      in/out  the wind, current and wave-drift model words (the loader
//                                       passes image words 775, 774 and 787)
//   SWNFM, SCRFM, SWVFM         in      the one-model flags from INITFM
//   WNDUSR, CURUSR, WAVUSR      out     the user-table classes above
//   LCTNKR, LWTNKR, LWNBRG, LCRBRG  out the model-class flags above (the loader does not use them)
//   IOSCRN                      in      console unit for a fault of the field access
void TNKRID(Int& LWBARG, const Int& SWNFM, Int& WNDUSR, Int& LCBARG, const Int& SCRFM, Int& CURUSR, Int& LWVCOF,
            const Int& SWVFM, Int& WAVUSR, Int& LCTNKR, Int& LWTNKR, Int& LWNBRG, Int& LCRBRG, Int IOSCRN);

}  // namespace brevant

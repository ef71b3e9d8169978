// The RAO report pages of the second motion phase: the motion page header, the regular-wave RAO
// tables (three degrees of freedom to a page) with their plot copies, and the force/torque scale
// factors that close a force/torque table.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// The RAO plot file of the second motion phase.
inline constexpr Int PLOT_UNIT = 14;

// Starts a page on the report unit and writes the framed title and the regular-wave data of the
// heading WAVCOM.IRAO; the roll-damping line only on a ship's response page that holds roll
// (ROLINF). With IPLOTS 1 the title and the first five wave-data lines go to the plot unit too.
void HEADR2(bool& ROLINF);

// The regular-wave force/torque scale factors HIMEM.SCALE with their units, and the note on the
// point the moments are taken about.
void SCALEF();

// Prints the flagged degrees of freedom (TPCM.MOTION) three to a page through RAOOUT.
void RUTIL();

// One RAO table page for the HIMEM.NCOL degrees of freedom in HIMEM.IDCLMN, of the kind
// HIMEM.LFRFLG (1 force/torque, 0 response), for every period of the grid.
void RAOOUT(bool& ROLINF);

}  // namespace brevant

// The dynamic springs and dampings of the buoy's mooring lines for a small harmonic motion of the
// buoy at one frequency, summed over the lines, with the net complex line force and moment.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// DYNSPR: for the translation amplitudes XOFF, YOFF, ZOFF (surge, sway, heave) and the rotation
// amplitudes XTOFF, YTOFF, ZTOFF (roll, pitch, yaw, radians) at the circular frequency WFREQ, with
// the per-line fairlead-to-anchor distances RANCQ: the six summed springs (in-phase force per unit
// motion), the six summed dampings (quadrature force per unit velocity), and the net complex line
// force CFNETX..Z and moment CTNETX..Z about the buoy origin. Every output is reset on entry.
// Reads the line tables and working words of LINCOM, the sensitivities of CATCOM (left by the line
// statics), EQUILB VESANG (BUYNGL for SIMTYP 13); leaves the last active line's working words in LINCOM
// and its CAFLD, CABOT in CATCOM. The line dynamics run through disc_line_calls().dyncod.
void DYNSPR(Real XOFF, Real YOFF, Real ZOFF, Real XTOFF, Real YTOFF, Real ZTOFF, Real WFREQ,
            const FArray<Real, 150>& RANCQ, Real& XSPR, Real& YSPR, Real& ZSPR, Real& XTSPR, Real& YTSPR,
            Real& ZTSPR, Real& XDMP, Real& YDMP, Real& ZDMP, Real& XTDMP, Real& YTDMP, Real& ZTDMP,
            Complex& CFNETX, Complex& CFNETY, Complex& CFNETZ, Complex& CTNETX, Complex& CTNETY,
            Complex& CTNETZ);

}  // namespace brevant

// Response-spectrum statistics on the regular-wave frequency grid: the spectral peak and its
// half-power points (PSDPEK), and RMS, RMS rate, peak period and half-power bandwidth (SPCPROCES).
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Peak of |PSD| over the first NWP points (PSD and W point at element 1): PSDPK, the first and
// last index holding it, the peak period, and with GETHALF the first indices above and below the
// peak where |PSD| falls under half the peak (0 when none). A spectrum with no nonzero value has
// no peak: every index 0 and TPEAK 0.
void PSDPEK(const Real* PSD, const Real* W, Real& PSDPK, Real& TPEAK, Int& IFIRST, Int& ILAST, Logical GETHALF,
            Int& IHALFP, Int& IHALFM);

// RMS, RMS rate, half-power bandwidth (Hz) and peak period (s) of the spectrum PSD on the grid W.
void SPCPROCES(const Real* PSD, const Real* W, Real& RMS, Real& RMSDOT, Real& BNDWDTH, Real& TPEAK);

}  // namespace brevant

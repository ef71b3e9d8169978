// Irregular-wave response statistics of the second motion phase: the spectral moments (m0, m2) of
// forces, motions and point motions for the RAO heading WAVCOM.IRAO, added into the result block at
// HIMEM.LOCSIG by sea height, sea heading and response, with the swell spectra built per heading and
// the sea spectra once per run (STAT1); one response spectrum from a squared-modulus array (STATCP)
// or from a complex RAO block with the transfer to the centre of gravity and the encounter-frequency
// re-gridding (STATCM); and the Simpson integration of a spectrum into its two moments (SMPIN2).
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Works on the RAO heading WAVCOM.IRAO, the mode HIMEM.LFRFLG (0 motion RAOs, 1 force RAOs, 2 to 4
// point motions from the squared-modulus arrays at HIMEM.LBASEX, HIMEM.NCOL points of three
// components, group HIMEM.IREP) and the block at HIMEM.LOCSIG. Only adds into the block. Leaves
// IHT, IHD and IW changed, sets LWVCMP after the sea part and may set ISWELL, ISWEL2.
void STAT1();

// The response spectrum RAOSQ(IW) x S(IW) (S the pool spectrum at real location LWPSD) into
// HIMEM.PSD and its moments at real locations LSIG, LSIG + 1.
void STATCP(const Real* RAOSQ, Int LWPSD, Int LSIG);

// The same from the complex RAO block at complex location LCNRAO: with TPCM.LCGFLG 1 the translation
// or rotation is carried to the centre of gravity, forces other than heave are scaled by the wave
// number, and with forward speed the response at grid frequency w is read at the encounter frequency.
void STATCM(Int LCNRAO, Int LWPSD, Int LSIG);

// m0 of the spectrum PSDEN (one value per grid point) over circular frequency into RLDUM(LSIG), m2
// into RLDUM(LSIG + 1), by Simpson's rule on the period grid (an even count of points ends with the
// 3/8 rule, as SMPINT).
void SMPIN2(const Real* PSDEN, Int LSIG);

}  // namespace brevant

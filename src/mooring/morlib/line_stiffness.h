// The axial stiffnesses of one mooring line at its working tension: the elastic stiffness of the
// whole line (with the wave number of the longitudinal elastic wave in each element as a by-product)
// and the catenary stiffness that, in series with it, gives the static stiffness along the motion.
#pragma once

#include "mooring/catlib/line_arrays.h"
#include "sysutl/ftypes.h"

namespace brevant {

using WaveNumbers = FArray<Real, MAX_ELEMENTS>;  // per element: wave number of the longitudinal wave

// KELAS = 1 / sum of SLEN mu over the elements of line type ITYP, mu = EAINV at TPTEN0 the compliance
// (1e28 when the sum is not positive: an inextensible line); WAVEK(j) = WFREQ sqrt(mu m / G), m the
// dry weight per unit length, or, without a dry weight, the wet weight plus the added mass of the
// displaced water (DIAM in inches or millimetres). Writes the data-image word COFMAS (the element's
// added-mass coefficient; the last element's stays). A negative compliance (warning 1) makes the
// element inextensible, a negative effective weight (warning 2) weightless; each warning is given
// once per line type in a run and followed by the abort question, "A" ending the program.
void KELAST(Real& KELAS, Int ITYP, WaveNumbers& WAVEK, Real WFREQ, Real TPTEN0);

// Forgets the warnings KELAST has given in this run (tests start from a fresh run).
void reset_kelast();

// KSTAT = |DTFDAF CAFLD + DTBDAB CABOT| / |CAFLD - CABOT| (DTFDAF when the ends move together), and
// the catenary stiffness KCAT with 1/KSTAT = 1/KCAT + 1/KELAS: 1e5 KELAS when the static line is at
// least as stiff as its elastic part, 0 for a line of no static (or no elastic) stiffness.
void KCATN(Real& KCAT, Real KELAS, Real& KSTAT, Complex CAFLD, Complex CABOT, Real DTFDAF, Real DTBDAB);

}  // namespace brevant

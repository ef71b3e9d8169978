// The ship box's hydrodynamic vocabulary: fitted added-mass and damping shapes against a
// nondimensional wave number, the box's zero-frequency added masses, the surge and sway coefficient
// of an equivalent ellipsoid, the yaw moment shapes, and the heave and pitch coefficients of the box
// at one frequency with their forward-speed correction. Masses per unit water density (volumes).
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Roll added-inertia ratio to its zero-frequency value: (1 + (0.624 + 1.26 X) e^(-0.9 X)) / 1.624.
// RMSRAT is accepted for the callers' sake and does not enter.
Real RMAS(Real X, Real RMSRAT);
// Pitch added-inertia ratio: PMSRAT (1 + (1/PMSRAT - 1 + 3.6 X^2) e^(-1.825 X)); 1 at X = 0.
Real PMAS(Real X, Real PMSRAT);
// Damping shapes: heave 2.42 X / (X + 1)^1.59, pitch 0.1 X^2 e^(-0.606 X),
// roll 0.151 Y^2 e^(-0.952 Y), surge and sway 1.425 X^3.71 e^(-1.613 X).
Real HDMP(Real X);
Real PDMP(Real X);
Real RDMP(Real Y);
Real SDMP(Real X);
// Zero-frequency heave added mass of a rectangular water plane [-1, 1] x [-X, X] over SHIPL2^3
// (X the beam/length ratio, > 0), Q = sqrt(X^2 + 1):
// 8/pi ((X^3 + 1 - Q^3)/3 + X^2 ln((1 + Q)/X) + X ln(X + Q)).
Real FHEAVE(Real X);
// Zero-frequency pitch (roll, with the inverse ratio) added inertia over the half dimension to the
// fifth, Q = sqrt(1 + X^2), L = ln((1 + Q)/X):
// 8/(45 pi) (15 X^2 L - 3 + 15 X^3 + 2 X^5 + (3 - 14 X^2 - 2 X^4) Q).
Real FPITCH(Real X);
// Yaw moment shapes, cos Y (resp. sin Y) times (X cos X - sin X) / X^2 (Y an angle, radians).
// Below |X| = 0.1 the difference cancels in single precision, so the series
// -X/3 + X^3/30 - X^5/840 stands in for it; at |X| <= 1e-4 the first term alone.
Real YAWDRG(Real X, Real Y);
Real YAWFKF(Real X, Real Y);
// Surge (or sway) added-mass coefficient, a fraction of the displaced volume, from the ellipsoid
// whose semi-axis ratios to the half dimension along the motion are CARAT (2 x draft) and BARAT
// (the across dimension), times the rectangle correction for MASMOM 1. ELPCOF's many-points warning
// goes to IOSCRN, once in the run (with its pause), whatever the box.
Real SGSWMS(Real CARAT, Real BARAT, Int MASMOM, Int IOSCRN);  // a repeat is answered from the last fits
// Arms the many-points warning again, as at the start of the program.
void reset_box_fit_warning();
// Heave and pitch added mass (A33, A55) and damping (B33, B55) of the box at frequency FREQ and
// nondimensional wave number XVAR:
// A33 = HMAS0 (HMSRAT + (1 - HMSRAT) e^(-XVAR)), A55 = PMAS0 PMAS(XVAR, PMSRAT),
// B33 = FREQ HDMP(XVAR) HCONST, B55 = FREQ PDMP(XVAR) PCONST.
void DPMAS0(Real& A33, Real& A55, Real& B33, Real& B55, Real FREQ, Real XVAR, Real HCONST, Real HMAS0, Real HMSRAT,
            Real PCONST, Real PMAS0, Real PMSRAT);
// Forward-speed correction of the four values in place (box length SHIPL from HIMEM), WENC2 the
// squared encounter frequency, VCOMP the speed along the waves; with the entry values,
// SFAC1 = 1.5 VCOMP^2 / WENC2, SFAC2 = -0.25 VCOMP SHIPL, SFAC3 = -VCOMP / SHIPL:
// B55 += SFAC1 B33 + SFAC2 A33; A55 += SFAC1 A33 - SFAC2 B33 / WENC2;
// B33 += SFAC3 A33; A33 -= SFAC3 B33 / WENC2.
// An encounter frequency of 0 leaves the four values as they are (the terms have no finite value there).
void DAMMAS(Real& A33, Real& A55, Real& B33, Real& B55, Real WENC2, Real VCOMP);

}  // namespace brevant

// Preparation of the load coefficients, once per analysis: the hull-geometry terms of the drift and
// current models, the external-force totals, the size blend and the Munk moment factors.
#pragma once

namespace brevant {

// Fills, from the data image and WAVCOM.G, WAVCOM.RANCOF:
//   EQUILB    YAWARM = XSALM, WAVARM, WSCALE = sqrt(G / LWL), the bow and stern wedge
//             (SINBOW = sqrt(0.36 BOWFAC), BOWANG = asin SINBOW, COTBOW; blunt, pi/2 and 0, from
//             BOWFAC 2.77777 on; the same from STRNFC for the stern), BLRAT0 = BWL / LWL, LEFRAT,
//             LEFRT2, BOWARM, STRNRM, MOMCOF, and the magnitude and direction of each external
//             force that is switched on (a force of zero magnitude keeps its earlier direction)
//   TPCM      SIZE: the deadweight in thousands of long tons, DWTONS (kips in English units,
//             metric tonnes in metric ones) times 0.000446429 or 0.000984207, blended from 0 at 80
//             to 1 at 140; MUNKFAC1, MUNKFAC2 = 1 + k, k = a / (2 - a) of the ellipsoid integral a
//             along and across the hull
//   SINES     HOVERD = DEPTH / DRAFT, then the wind and current factors through COFLD
//   WAVCOM    BEAMCF = RANCOF LWL, BOWCF = RANCOF BWL
// The ellipsoid integral's warning of a very eccentric hull is given at most once per run.
void CFPREP();

// Test hook: a new run (the ellipsoid warning may be given again).
void reset_cfprep();

}  // namespace brevant

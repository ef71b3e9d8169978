// Spans of a chain of elastic catenary elements from its node tangents, the scaled weights, the
// touchdown point of a line on the sea floor, and the choice of the two table layers that bracket a
// fairlead height. Pure functions of their arguments.
//
// Conventions: element i of scaled weight s(i) = w(i)/H runs from node i (upper) to node i + 1;
// P the node tangents, R = sqrt(1 + P^2) the node secants. Elements are summed from the fairlead.
#pragma once

#include "mooring/catlib/line_arrays.h"

namespace brevant {

// SCLWT(i) = WETWT(i) / DPHLD, i = 1..NELEM. DPHLD must not be 0.
void SCLWLD(ElementArray& SCLWT, ElementColumn WETWT, double DPHLD, Int NELEM);

// Height of the upper end of element 1 above the lower end of element IELEM: the sum of
// dz(i) = (ZFCN(R(i)) - ZFCN(R(i + 1))) / s(i), or SLEN(i) STRECH(P(i)) P(i) / R(i) for a weightless
// (straight) element. 0 for IELEM 0.
double ZDIST(const ElementArray& SCLWT, const NodeArray& R, const BetaBlock& BETA, Int IELEM, ElementColumn SLEN,
             const NodeArray& TMPTAN);

// Horizontal span of elements 1..IELEM: the sum of dx(i) = (XFCN(R(i), P(i)) - XFCN(R(i+1), P(i+1))) / s(i),
// or SLEN(i) STRECH(P(i)) / R(i) for a weightless element; plus, when BOTFLG is 1, the tangent at the
// element's lower end is at or below DSLOPE, P(i) is not negative and no element i+1..NELEM floats,
// the stretched length STRECH(DSLOPE) (SLEN(i) + (DSLOPE - P(i)) / s(i)) of its part on the sea floor.
// A weightless element takes no sea-floor part: its straight span already counts its stretched
// length once, as the catenary iteration counts it on the floor.
double XDIST(const ElementArray& SCLWT, const NodeArray& R, const NodeArray& P, const BetaBlock& BETA, Int IELEM,
             Int NELEM, Int BOTFLG, ElementColumn SLEN, double DSLOPE);

// Touchdown of a line with the stretched length BOTLEN on the sea floor, walking up from the anchor end:
// BOTELM the lowest element whose stretched length (at the floor slope DSLOPE) carries the running sum
// past BOTLEN, UNSTRL the unstretched grounded length, BOTWGT the grounded wet weight. With BOTLEN at
// or beyond the stretched length of the whole line, the whole line lies on the floor: BOTELM 1,
// UNSTRL the sum of SLEN, BOTWGT the sum of WETWT SLEN. A line of no elements gives 0, 0, 0.
void TUCHDN(Real BOTLEN, ElementColumn WETWT, ElementColumn SLEN, const BetaBlock& BETA, Int NELEM, double DSLOPE,
            Real& BOTWGT, Int& BOTELM, Real& UNSTRL);

// Layers of the statics tables lie DLAYER apart, layer MIDLYR at the nominal fairlead height, so the
// span runs from ZBOT = (1 - MIDLYR) DLAYER to ZTOP = ZBOT + ZSPAN. For the height DFLZG (relative to
// nominal): ILAYER the lower bracketing layer and DELLAY the fraction towards ILAYER + 1; outside the
// span OUTWRN 1 and the two end layers extrapolated (ILAYER NLAYER - 1 above, 1 below). With one layer,
// or with no layer step (DLAYER 0), at any height: layer 1, fraction 0 (OUTWRN as above), so the caller
// never reads a layer outside its tables.
void SETLYR(Int NLAYER, Int MIDLYR, Real DLAYER, Real ZSPAN, Real DFLZG, Int& ILAYER, Real& DELLAY, Int& OUTWRN);
// The same in 64-bit reals.
void SETLDP(Int NLAYER, Int MIDLYR, double DLAYER, double ZSPAN, double DFLZG, Int& ILAYER, double& DELLAY,
            Int& OUTWRN);

}  // namespace brevant

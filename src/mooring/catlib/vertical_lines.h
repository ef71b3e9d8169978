// Lines without horizontal tension: the line hangs straight down from the fairlead, part of it
// perhaps on the sea floor. VRTLIN finds which elements hang free, the tension at the lower end of
// the hanging part, the length on the floor (less what buoyant elements on the floor lift into
// arches), the fairlead tension and the end angles; DPDSTER is the height residual of its search.
#pragma once

#include "mooring/catlib/line_arrays.h"
#include "sysutl/ftypes.h"

namespace brevant {

// The line the residual DPDSTER works on, copied in 64-bit reals by VRTLIN; zero at start.
struct Dummy1 {
    Int LSTFRE;   // elements hanging free above the touchdown element (all of them for a free line)
    Int ITYPP;    // line type
    double DELZP;  // vertical distance to span, |DELTAZ|
    double NULBOT;  // for a weightless touchdown element: its length lying slack on the floor
    FArray<double, 3, MAX_ELEMENTS> ALPHDP;  // a1..a3 of each element
    FArray<double, MAX_ELEMENTS> SLENDP;     // unstretched length of each element
    FArray<double, MAX_ELEMENTS> WETWDP;     // wet weight per unit length of each element
};
extern Dummy1 DUMMY1;
void reset_dummy1();

// The vertical line of type ITYP spanning |DELTAZ|.
//   DELTAZ  in      signed height of the fairlead above the anchor end (the sign sets the angle signs)
//   ITYP    in      line type (data-image words NELEM, SLEN, WETWT, ALPHA; TLOAD scales the search)
//   VRTFLG  in-out  +1 / -1 (sign of DELTAZ) when the whole line hangs free, 0 after a failed arch
//                   step, otherwise as the caller set it
//   TOTWT   in      total weight of the line: the tolerance of the tension search
//   ANCDST  out     horizontal fairlead-to-anchor distance, equal to BOTLEN
//   TOPANG  out     fairlead angle, +-1.5707964
//   TOPTEN  out     fairlead tension (magnitude)
//   BOTLEN  out     length of line on the floor
//   BOTANG  out     anchor-end angle: 0 with line on the floor, else TOPANG
// An arch that cannot balance (zero denominator, or a weightless neighbour of the buoyant element)
// zeroes the outputs, sets VRTFLG 0, warns and waits; a tension search failing 20 times ends the
// program after its message.
void VRTLIN(Real DELTAZ, Int ITYP, Int& VRTFLG, Real TOTWT, Real& ANCDST, Real& TOPANG, Real& TOPTEN, Real& BOTLEN,
            Real& BOTANG);

// DELZP minus the stretched height of the hanging line of DUMMY1 whose lower end carries TN.
double DPDSTER(double& TN);

}  // namespace brevant

// The help facility of the sublines of one mooring-line type: the menu HELPUS with its notes page
// MTLHLP, the material estimates of the line-material calculator (HELP), and TENDNDP, the length of
// the fairlead subline that gives a taut vertical line its pretension, with DVSTER the residual of
// its root search.
#pragma once

#include "mooring/catlib/line_arrays.h"
#include "sysutl/ftypes.h"

namespace brevant {

// The parameter record of DVSTER, written by TENDNDP; zero at start.
struct Dummy2 {
    Int LSTFRE;     // declared only
    Int ITYP;       // line type under computation (also named ITYPQ)
    double DELTAZ;  // vertical distance from the anchor to the fairlead that the stretched line spans
    double TOPTEN;  // required fairlead tension
    FArray<double, 3, MAX_ELEMENTS> ALPHDP;  // a1..a3 of each subline
    ElementArray SLENDP;                     // unstretched lengths; entry 1 is the trial length
    ElementArray WETWDP;                     // submerged weight per unit length
    Int& ITYPQ() { return ITYP; }
};
extern Dummy2 DUMMY2;
void reset_dummy2();

// DELTAZ minus the stretched height of the vertical line of DUMMY2 whose fairlead subline has the
// unstretched length SLENP and whose fairlead carries TOPTEN (NELEM(ITYP) of the data image sublines).
double DVSTER(double SLENP);

// The length SLEN(1, ITYP) of the fairlead subline for which line type ITYP, hanging vertically from
// the fairlead of its first line to its anchor depth with the pretension HTENS of that line at the
// fairlead, spans exactly the height between them. Warnings with the abort question ("A" leaves with
// nothing changed) for a pretension not given as fairlead tension (LODTYP not 2), a pretension that
// is not positive, and a line without compliance (then the length is the height less the other
// sublines). Where no positive length fits (the other sublines already longer than the height, or a
// search ending at a length that is not positive), the warning " ++> WARNING: No positive fairlead
// subline length fits this line type." and a pause, SLEN unchanged. A failed search gives its message
// and, except on the silent unit, waits for a key; SLEN is unchanged.
void TENDNDP(Int ITYP);

// The notes page of the help menu: item LINE (0 all items; item 5 only when CREATR is not 7).
void MTLHLP(Int IOSCRN, Int KBD, Int LINE, Int CREATR);

// The help menu for one subline of line type ITYP with diameter DIAM: 1 WETWT, 2 TBRK, 3 ALPHA,
// 4 DRYWT from the line-material calculator, 5 (not for creator type 7) the fairlead subline length.
// A diameter that is not positive gives only its message. Loops until a code below 1 is typed.
void HELPUS(Real& DIAM, Real& WETWT, Real& DRYWT, Real& TBRK, Real* ALPHA, Int ITYP);

// The line-material calculator: IFLAG 0 submerged weight per unit length (medium asked), 1 compliance
// coefficients into ALPHA (built-in, or fitted to a typed curve), 2 breaking strength, 3 dry weight per
// unit length, for the diameter OD (inches, or millimetres with NUNTS 1). A result is written only when
// a computation completes; any other IFLAG does nothing.
void HELP(Real& WLNGTH, Real* ALPHA, Int NUNTS, Real OD, Int IFLAG, Int EDUNIT, Int KBD);

// The notes pages of the calculator: compliance menu, medium menu, line types (LINE 0 every item).
void HHLP1(Int IOSCRN, Int KBD, Int LINE);
void HHLP2(Int IOSCRN, Int KBD, Int LINE);
void HHLP3(Int IOSCRN, Int KBD, Int LINE);

}  // namespace brevant

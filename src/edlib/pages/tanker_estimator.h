// The average-tanker property estimator: from a deadweight (long tons) and a simulation draft, a
// consistent set of hull particulars, centres, gyradii, areas and load percentages.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// The hull-shape record shared by the estimator and its three small functions. The waterplane-area
// fraction rises linearly from EPSLN at zero draft to 1 at the full-load draft MAXDFT.
struct Epscom {
    Real EPSLN;   // waterplane-area fraction at zero draft
    Real MAXDFT;  // full-load draft, ft
    Real MINRAT;  // light-ship displaced volume over full-load displaced volume
};
extern Epscom EPSCOM;

// Waterplane-area fraction at draft SIMDFT (ft): EPSLN + (1 - EPSLN) SIMDFT / MAXDFT.
Real ALPHA(Real& SIMDFT);
// Displaced-volume fraction at draft ratio x: (2 EPSLN x + (1 - EPSLN) x^2) / (1 + EPSLN), the integral
// of the area fraction from 0 to x scaled so that VOLFUN(1) = 1.
Real VOLFUN(Real& DFTRAT);
// MINRAT - VOLFUN(x): its root on [0, 1] is the light-ship draft ratio.
Real NULFUN(Real& DFTRAT);

// The full-load hull of an average tanker of deadweight DWTONS (long tons), English units: weights in
// long tons, lengths in ft, areas in ft^2, volumes in ft^3 (35 ft^3 of sea water to the long ton).
// Building it fills EPSCOM and finds the minimum draft with RTMI1; a failed root search writes its
// message, pauses and ends the program.
struct TankerHull {
    Real BKHDWT, SHELWT, LTSHIP, LTSVOL;  // bulkhead, shell and light-ship weights; light-ship volume
    Real MAXDSP, MAXVOL, VOLSCL;          // full-load displacement and volume; cube root of MAXVOL
    Real MLDPTH, LTSVKG;                  // moulded depth; light-ship centre of gravity above the keel
    Real MINRAT, MAXDFT, EPSLN;           // the shape record
    Real BWL, BILGR, BLKCOF, WPCOF;       // beam, bilge radius, full-load block and waterplane coefficients
    Real LWL, MAXAWP, LODFBD;             // length, full-load waterplane area and freeboard
    Real XWNDAR, YWNDAR;                  // superstructure part of the head-on and beam-on wind areas
    Real MINDFT;                          // minimum (light-ship) draft
    Real LTGROL, LTGPIT, LTGYAW;          // light-ship roll, pitch and yaw gyradii
};
TankerHull tanker_hull(Real DWTONS, Int EDUNIT);

// Gyradii of a thin-walled box shell of plating L x B x D (uniform), with bulkheads of weight ratio r
// to the shell spread along the length; S = BL + BD + LD:
//   roll  k^2 = ([D^2(3BL + BD + LD) + B^2(LB + BD + 3DL)] / S + r (B^2 + D^2)) / 12 / (1 + r)
//   pitch k^2 = ([D^2(3BL + BD + LD) + L^2(LB + LD + 3DB)] / S + r (L^2 + D^2)) / 12 / (1 + r)
//   yaw   k^2 = ([L^2(3BD + BL + LD) + B^2(LB + BD + 3DL)] / S + r (B^2 + L^2)) / 12 / (1 + r)
void light_ship_gyradii(Real L, Real B, Real D, Real r, Real& LTGROL, Real& LTGPIT, Real& LTGYAW);

// The estimate. In: DWTONS, the deadweight in long tons whatever the unit system (raised to 2000 when
// below, after a warning), and DRAFT, the simulation draft in the case's units (replaced by the
// full-load or the minimum draft, after a warning, when it lies outside them). Out: the other 19
// values in the case's units (displacement in kips or metric tonnes, lengths ft or m, areas ft^2 or
// m^2; LOADED, DFTPCT, DSPPCT in percent). The editor words come from TPCM: EDUNIT (messages), NUNTS
// (1 metric, else English) and LBACK (-1 when a warning is answered "A", 0 when it is answered
// otherwise, untouched without a warning). An abort changes no output but a deadweight already raised
// to 2000.
void ESTIM8(Real& DISPL, Real& VKB, Real& VKG, Real& DRAFT, Real& AWP, Real& VKMT, Real& VKML, Real& LWL, Real& BWL,
            Real& PGYR, Real& RGYR, Real& YGYR, Real& BILGR, Real& XWNDAR, Real& YWNDAR, Real& XCURAR, Real& YCURAR,
            Real& DWTONS, Real& LOADED, Real& DFTPCT, Real& DSPPCT);

}  // namespace brevant

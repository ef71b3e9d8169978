// The line statics driver: the static shape of every mooring line at its anchor distance, read from
// the statics tables, and by finite differences of three catenary solves per line the motions of its
// nodes and the changes of its end tensions when the fairlead rises or the horizontal tension grows.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// LINDRV(RANCHR, ZANCHR): for every line 1..NLIN whose LINEID names a line type (a word above 1024,
// or one whose low ten bits are 0 or above 150, leaves the line out and its CATCOM entries as they
// were):
// - HMEAN from the statics tables: HLOD interpolated linearly in ANCDST at the anchor distance
//   RANCHR(ILINE), in layer MIDLYR, or for simulation types 14 and 17 between the two layers that
//   bracket the fairlead offset ZANCHR(ILINE) (which also raises the fairlead);
// - the unperturbed solve at DPHLD = HMEAN, a solve with the fairlead raised by dz = DZFRAC TOTLEN
//   (DZFRAC 0.001) and one at DPHLD2 = (1 + DHFRAC) DPHLD (DHFRAC 0.0078125), each bracketed by the
//   tabulated fairlead angles of the table interval;
// - into CATCOM the node tangents TANARR, the node motions DXSDZF, DZSDZF (per unit fairlead rise) and
//   DXSDH, DZSDH (per unit horizontal tension), the tension derivatives DTFDZF, DTBDZB, DTFDAF,
//   DTBDAB, DTFDXF, DTBDXB, DTZFDZ, DTZFDH; into LINCOM DPHIF_DAF(ILINE) and the end tensions, angles
//   and shapes of the three solves (the single-value members describe the last line solved).
// RANCHR, ZANCHR: per line, the horizontal fairlead-to-anchor distance and the vertical fairlead offset
// (the disc buoy passes LINCOM.RANCK and LINCOM.ZANCK).
// The trace switch: NBUG0 1 writes " ### In LINDRV:" and asks for NBUG (not on the silent unit 41);
// otherwise NBUG is 0.
// A line type whose tables cannot be read (NTAB outside 2..90, HLOD not increasing, the distance
// column of the layers in use not strictly monotonic, a layer outside the tables) or whose fairlead
// number is outside 1..150: a message on EDUNIT, a wait for Return (none on unit 41), the end of the
// program (status 1). A catenary solve that fails ends the program inside ITER8P.
void LINDRV(const FArray<Real, 150>& RANCHR, const FArray<Real, 150>& ZANCHR);

}  // namespace brevant

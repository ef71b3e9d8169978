// How a point of one catenary element moves when the element's end conditions change: the point's
// separation from the element's lower end, its derivatives against a uniform change of the tangents
// and against a change of the catenary parameter, and from them the point's motion across and along
// the line per unit motion of the element's upper end. The element is one of the line in hand
// (LINCOM: DPHLD, DPHLD2, DHFRAC, ITYP, SCLWT, SCLWTP, BETA, BETAP, DSLOPE).
#pragma once

#include "mooring/catlib/line_arrays.h"
#include "sysutl/ftypes.h"

namespace brevant {

// Horizontal and vertical separation of the point of tangent DQP from the element's lower end (tangent
// DQPB): (XFCN(r, DQP) - XFCN(rb, DQPB)) / SCLWTP and (ZFCN(r) - ZFCN(rb)) / SCLWTP; when BOTFLG is
// non-zero, plus the stretched length on the sea floor, (SLENP - (DQPF - DQPB - DSLOPE) / SCLWTP)
// STRECH(DSLOPE), laid along the floor of slope DSLOPE. TX is only traced; NBUG 1 traces to IOSCRN.
void PNTSEP(double& DXSEP, double& DZSEP, double DQP, double DQPB, double DQPF, double TX, const BetaBlock& BETA,
            double SCLWTP, Real SLENP, double DSLOPE, Int NBUG, Int IELEM, Int BOTFLG, Int IOSCRN);

// Motion derivatives of the point of tangent QP on element IELEM (lower and upper end tangents DQB,
// DQF; BOTFLG non-zero holds the lower-end tangent in every perturbation):
//   DXDP, DZDP    out  separation per uniform tangent change (step |QP DHFRAC|, at least 0.001)
//   DXDT, DZDT    out  separation per change of the catenary parameter DPHLD / WETWT, upper-end
//                      tangent held
//   DXDSI, DZDSI  out  cosine and sine of the line angle at the point
//   DADXF, DADZF  out  motion across the line per unit horizontal / vertical upper-end motion, and
//   DSDXF, DSDZF  out  the same along the line; all four times the Jacobian of the upper-end
//                      derivatives DXFDP, DXFDT, DZFDP, DZFDT of CATCOM (the caller divides by it)
// The four separation derivatives are written before CATCOM is read, so a call that passes the CATCOM
// upper-end derivatives themselves as DXDP .. DZDT combines the fresh values. NBUG 1 in the data image
// traces to EDUNIT and then asks for a new NBUG.
void CATMOT(Real& DADXF, Real& DADZF, Real& DSDXF, Real& DSDZF, double& DXDP, double& DXDT, double& DZDP,
            double& DZDT, Real& DXDSI, Real& DZDSI, Real QP, double DQB, double DQF, Int IELEM, Int BOTFLG);

}  // namespace brevant

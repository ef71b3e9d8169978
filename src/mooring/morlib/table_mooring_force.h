// The force, moment and stored energy of the whole mooring system at a displaced vessel position,
// read straight from the statics tables of the line types (no line is solved): FMOOR2 moves and
// turns every fairlead with the vessel, LOADUP looks one line's loads up in its tables, and VARUPD
// turns a six-component displacement into FMOOR2's inputs.
//
// Matrices (3, 3) are packed by columns as the algebra routines take them: M(i, j) is row i,
// column j. Per-line arrays hold one entry per line, per-type arrays one per line type.
#pragma once

#include "mooring/morlib/oblique_stiffness.h"  // LineTable
#include "sysutl/ftypes.h"

namespace brevant {

using Mat3 = FArray<Real, 3, 3>;
using PerLine = FArray<Real, 150>;

// FMOOR2: the mooring loads on the vessel displaced by the translation (RVES(1), RVES(2), ZVES), the
// rotation of ROTVAL_DEG degrees about ROTDIR_IN (turned by VESAN0) and the heading VESANG, for lines
// MINLN..MAXLN (held to 1..150).
//   PITANG, ROLANG, YAWANG       out  pitch, roll and yaw of the rotation
//   FGXMOR..FGZMOR, TGXMOR..TGZMOR  out  total force and moment, global axes
//   FVXMOR..FVZMOR, TVXMOR..TVZMOR  out  total force, and moment about (XMCTR, YMCTR, ZMCTR), vessel axes
//   ERGMOR                       out  potential energy of all lines
//   ROTMOD                       in   factor on the axis components in the span warning only
//   DRVFLG, EPSROT, TRIMHL, TRIMFL, EPS   in  perturbation: 1 in vessel axes (trimmed axes with TRIMFL),
//                                     2 in global axes, 3 accumulates ASMCOR, other values none
//   ASMCOR                       in-out  zeroed and accumulated in mode 3 only
//   IOFLAG                       in-out  99 once a span warning has been handled (no further warning)
//   SPNERR                       out  the last line whose fairlead left the vertical span
//   TOPTH..LINERG                out  per line (BOTTZ, BOTTH not written)
//   RANCP, ZANCP, ANGDPP         out  with IEQSET 2: displaced distance, vertical offset, direction
//   ROTVO, ZROTL                 out  the rotation R = ROTVO^T ZROTL ROTVO
//   NBUG0, XCENTR, LSPM          not read
// A line whose LINEID word is not a line type of the tables (above 1024, 1024 itself, a low part of 0
// or above 150) is left out with zero results. The span warning is followed by the abort question;
// "A" ends the run (status 1).
void FMOOR2(Real& PITANG, Real& ROLANG, Real& YAWANG, Real& FGXMOR, Real& FGYMOR, Real& FGZMOR, Real& TGXMOR,
            Real& TGYMOR, Real& TGZMOR, Real& FVXMOR, Real& FVYMOR, Real& FVZMOR, Real& TVXMOR, Real& TVYMOR,
            Real& TVZMOR, Real& ERGMOR, const FArray<Real, 3>& RVES, Real VESANG, Real VESAN0,
            const FArray<Real, 90>& HLOAD, const PerLine& ANGDEP, PerLine& ANGDPP, Real ZVES,
            const FArray<Real, 3>& ROTDIR_IN, Real ROTVAL_DEG, Real ROTMOD, Int MIDLYR, Real DLAYER, Int NLAYER,
            Real ZSPAN, Int DRVFLG, const Mat3& EPSROT, const Mat3& TRIMHL, Logical TRIMFL, const FArray<Real, 6>& EPS,
            Mat3& ASMCOR, const LineTable& ANCDST, const LineTable& TOPTEN, const LineTable& BOTLEN,
            const LineTable& TOPANG, const LineTable& BOTANG, Int& IOFLAG, Int& SPNERR,
            const LineTable& TT_SPLINE_DERIV, const FArray<Real, 29>& ZDIST_ARR, PerLine& TOPTH, PerLine& TOPTZ,
            PerLine& TOPTT, PerLine& TOPAN, PerLine& BOTLIN, PerLine& BOTAN, PerLine& BOTTZ, PerLine& BOTTH,
            PerLine& LINERG, const PerLine& RANC, PerLine& RANCP, PerLine& ZANCP, const FArray<Real, 3, 150>& RFLD,
            const FArray<Int, 150>& LINEID, Int MINLN, Int MAXLN, Int NTAB, Real XMCTR, Real YMCTR, Real ZMCTR,
            const PerLine& TOTWT, const PerLine& ANCHGT, Mat3& ROTVO, Mat3& ZROTL, Real ROTCTX, Real ROTCTY,
            Real ROTCTZ, Int NBUG0, Int IOSCRN, Int KBD, Int IEQSET, Real XCENTR, Logical LSPM, Real DRAFT,
            Int TENDON_FLG);

// LOADUP: the loads of one line of type ITYP at the horizontal fairlead-to-anchor distance RANCHR with
// the fairlead DZFLDG above its nominal height (ZFLDV in vessel axes).
//   DELZ          out  fairlead height above the anchor end
//   MIN, DELLAY, ILAYER   out  table interval, fraction within the layer, lower layer
//   RFORCE        out  horizontal tension (0 for a slack line, which hangs vertically)
//   TTTMP, FGZTMP out  fairlead tension, vertical force on the vessel
//   TOPANQ, BTANGQ, BTLENQ   out  top angle, bottom angle, bottom length
// ITYP must name a line type of the tables (1..150). The slack-line lengths disagreeing by more than
// 1e-5 give a message and the abort question ("A" ends the run).
void LOADUP(Real RANCHR, Real DZFLDG, Real ZFLDV, Real DRAFT, Int ITYP, Int NLAYER, Real DLAYER, Int MIDLYR,
            Real ZSPAN, Int NTAB, const FArray<Real, 90>& HLOAD, const PerLine& ANCHGT, const PerLine& TOTWT,
            const LineTable& ANCDST, const LineTable& TOPTEN, const LineTable& BOTLEN, const LineTable& TOPANG,
            const LineTable& BOTANG, Real& DELZ, Int& MIN, Real& DELLAY, const LineTable& TT_SPLINE_DERIV,
            const FArray<Real, 29>& ZDIST_ARR, Real& RFORCE, Real& TTTMP, Real& FGZTMP, Real& TOPANQ, Real& BTANGQ,
            Real& BTLENQ, Int& ILAYER, Int IOSCRN, Int KBD);

// VARUPD: the displacement XVEC (x, y, z, rotation vector in radians) as FMOOR2's inputs: RVES(1..2),
// ZCGVAR, VESANG = VESAN0, the unit axis ROTDIR ((1, 0, 0) for no rotation), ROTVAL_DEG, ROTMOD = 1.
void VARUPD(const FArray<Real, 6>& XVEC, FArray<Real, 3>& RVES, Real& ZCGVAR, Real& VESANG, Real VESAN0,
            FArray<Real, 3>& ROTDIR, Real& ROTVAL_DEG, Real& ROTMOD);

}  // namespace brevant

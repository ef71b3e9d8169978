// PENDING: the line dynamics behind the buoy's mooring springs come with the disc-buoy springs and
// pages; until then every spring, damping and net force is zero, as for a buoy without lines.
#include "vessels/disc/mooring_springs.h"

namespace brevant {

// PENDING: line springs and dampings not built yet: all outputs zero.
void DYNSPR(Real /*XOFF*/, Real /*YOFF*/, Real /*ZOFF*/, Real /*XTOFF*/, Real /*YTOFF*/, Real /*ZTOFF*/,
            Real /*WFREQ*/, const FArray<Real, 150>& /*RANCQ*/, Real& XSPR, Real& YSPR, Real& ZSPR, Real& XTSPR,
            Real& YTSPR, Real& ZTSPR, Real& XDMP, Real& YDMP, Real& ZDMP, Real& XTDMP, Real& YTDMP, Real& ZTDMP,
            Complex& CFNETX, Complex& CFNETY, Complex& CFNETZ, Complex& CTNETX, Complex& CTNETY,
            Complex& CTNETZ) {
    XSPR = YSPR = ZSPR = XTSPR = YTSPR = ZTSPR = 0.0f;
    XDMP = YDMP = ZDMP = XTDMP = YTDMP = ZTDMP = 0.0f;
    const Complex zero(0.0f, 0.0f);
    CFNETX = CFNETY = CFNETZ = zero;
    CTNETX = CTNETY = CTNETZ = zero;
}

}  // namespace brevant

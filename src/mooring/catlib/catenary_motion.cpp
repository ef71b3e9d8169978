// Motion derivatives of a point on a catenary element, by finite differences of its separation.
#include "mooring/catlib/catenary_motion.h"

#include <cmath>
#include <initializer_list>
#include <string_view>

#include "mooring/catlib/element_functions.h"
#include "numeric/algebra.h"
#include "records/data_image.h"
#include "records/mooring_line_records.h"
#include "sysutl/fortran_format.h"
#include "sysutl/pauses.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

// A trace line: its caption, then the values in G13.4 fields (fixed or exponent form by size).
void trace_values(Int unit, std::string_view caption, std::initializer_list<double> values) {
    write_record(unit, caption);
    Record r;
    for (double v : values) r.put(fmt_G(v, 13, 4));
    write_record(unit, r.str());
}

}  // namespace

void PNTSEP(double& DXSEP, double& DZSEP, double DQP, double DQPB, double DQPF, double TX, const BetaBlock& BETA,
            double SCLWTP, Real SLENP, double DSLOPE, Int NBUG, Int IELEM, Int BOTFLG, Int IOSCRN) {
    const double RTMP = SECFCN(DQP);
    const double RTMPB = SECFCN(DQPB);
    if (NBUG == 1) trace_values(IOSCRN, " IN CATCOF; RTMP,RTMPB,DQP,DQPF,DQPB,TX", {RTMP, RTMPB, DQP, DQPF, DQPB, TX});
    DXSEP = (XFCN(RTMP, DQP, IELEM, BETA) - XFCN(RTMPB, DQPB, IELEM, BETA)) / SCLWTP;
    DZSEP = (ZFCN(RTMP, IELEM, BETA) - ZFCN(RTMPB, IELEM, BETA)) / SCLWTP;
    if (NBUG == 1) {
        write_record(IOSCRN, " BEFORE BOTTOM CORRECTION: BOTFLG,DXSEP,DZSEP");
        Record r;
        r.I(BOTFLG, 5).put(fmt_G(DXSEP, 13, 4)).put(fmt_G(DZSEP, 13, 4));
        write_record(IOSCRN, r.str());
    }
    if (BOTFLG == 0) return;

    const double stretch = STRECH(DSLOPE, BETA, IELEM);
    const double BOTLN = (static_cast<double>(SLENP) - (DQPF - DQPB - DSLOPE) / SCLWTP) * stretch;
    DXSEP = DXSEP + BOTLN * DCSPHI(DSLOPE);
    DZSEP = DZSEP + BOTLN * DSNPHI(DSLOPE);
    if (NBUG == 1) {
        write_record(IOSCRN, " IELEM,DXSEP,DZSEP,SCLWTP,BOTLN,STRECH(DSLOPE,BETA,IELEM)");
        Record r;
        r.I(IELEM, 5);
        for (double v : {DXSEP, DZSEP, SCLWTP, BOTLN, stretch}) r.put(fmt_G(v, 13, 4));
        write_record(IOSCRN, r.str());
    }
}

void CATMOT(Real& DADXF, Real& DADZF, Real& DSDXF, Real& DSDZF, double& DXDP, double& DXDT, double& DZDP,
            double& DZDT, Real& DXDSI, Real& DZDSI, Real QP, double DQB, double DQF, Int IELEM, Int BOTFLG) {
    const Int EDUNIT = TPCM.EDUNIT;
    const bool trace = TPCM.NBUG == 1;
    if (trace) write_record(EDUNIT, "IN CATMOT");

    const LinCom& L = LINCOM;
    const Int ITYP = L.ITYP;
    const double w = static_cast<double>(TPCM.WETWT(IELEM, ITYP));
    const Real SLENP = TPCM.SLEN(IELEM, ITYP);
    const double a = L.DPHLD / w;
    const double a2 = L.DPHLD2 / w;

    // 1. Direction of the line at the point.
    const double q = static_cast<double>(QP);
    DXDSI = COSPHT(QP);
    DZDSI = SINPHT(QP);

    // 2. Tangent step: the relative tension step, but never below 0.001.
    double dq = std::fabs(q * L.DHFRAC);
    if (dq < 0.001) dq = 0.001;

    // 3. Base state.
    if (trace) write_record(EDUNIT, "IN CATMOT; BEFORE PNTSEP");
    double x1 = 0.0, z1 = 0.0;
    PNTSEP(x1, z1, q, DQB, DQF, a, L.BETA, L.SCLWT(IELEM), SLENP, L.DSLOPE, TPCM.NBUG, IELEM, BOTFLG, EDUNIT);

    // 4. All tangents shifted (a grounded element keeps its lower-end tangent).
    double x2 = 0.0, z2 = 0.0;
    const double qb2 = BOTFLG != 0 ? DQB : DQB + dq;
    PNTSEP(x2, z2, q + dq, qb2, DQF + dq, a, L.BETA, L.SCLWT(IELEM), SLENP, L.DSLOPE, TPCM.NBUG, IELEM, BOTFLG,
           EDUNIT);
    DXDP = (x2 - x1) / dq;
    DZDP = (z2 - z1) / dq;

    // 5. Catenary parameter shifted with the upper-end tangent held: the tangents below it close in
    // on it so that each point keeps its arc length from the upper end.
    const double da = (L.DPHLD2 - L.DPHLD) / w;
    const double ratio = a / a2;
    const double qp3 = DQF + (q - DQF) * ratio;
    const double qb3 = BOTFLG != 0 ? DQB : DQF + (DQB - DQF) * ratio;
    double x3 = 0.0, z3 = 0.0;
    PNTSEP(x3, z3, qp3, qb3, DQF, a2, L.BETAP, L.SCLWTP(IELEM), SLENP, L.DSLOPE, TPCM.NBUG, IELEM, BOTFLG, EDUNIT);
    DXDT = (x3 - x1) / da;
    DZDT = (z3 - z1) / da;

    // 6. Point motion per unit upper-end motion, times the Jacobian (the outputs above may be the
    // CATCOM words themselves, so they are read only now).
    const CatCom& C = CATCOM;
    const Real DXDXF = static_cast<Real>(DXDP * C.DZFDT - DXDT * C.DZFDP);
    const Real DZDXF = static_cast<Real>(DZDP * C.DZFDT - DZDT * C.DZFDP);
    const Real DXDZF = static_cast<Real>(DXDT * C.DXFDP - DXDP * C.DXFDT);
    const Real DZDZF = static_cast<Real>(DZDT * C.DXFDP - DZDP * C.DXFDT);

    // 7. Across and along the line.
    const Real c = DXDSI, s = DZDSI;
    DADXF = c * DZDXF - s * DXDXF;
    DADZF = c * DZDZF - s * DXDZF;
    DSDXF = c * DXDXF + s * DZDXF;
    DSDZF = c * DXDZF + s * DZDZF;

    if (!trace) return;
    write_record(EDUNIT, " >>IN CATMOT:");
    trace_values(EDUNIT, " DXFDP,DXFDT,DZFDP,DZFDT", {C.DXFDP, C.DXFDT, C.DZFDP, C.DZFDT});
    trace_values(EDUNIT, " DXDXF,DZDXF,DXDZF,DZDZF",
                 {static_cast<double>(DXDXF), static_cast<double>(DZDXF), static_cast<double>(DXDZF),
                  static_cast<double>(DZDZF)});
    trace_values(EDUNIT, " DXDP,DXDT,DZDP,DZDT", {DXDP, DXDT, DZDP, DZDT});
    trace_values(EDUNIT, " DXDSI,DZDSI,QP,TX ",
                 {static_cast<double>(DXDSI), static_cast<double>(DZDSI), static_cast<double>(QP), a});
    trace_values(EDUNIT, "CATMOT END; DADXF,DADZF,DXDP,DZDP,DZDT,DXDSI,DZDSI,QP,DQB,DQF",
                 {static_cast<double>(DADXF), static_cast<double>(DADZF), DXDP, DZDP, DZDT,
                  static_cast<double>(DXDSI), static_cast<double>(DZDSI), static_cast<double>(QP), DQB, DQF});
    INBUG(TPCM.NBUG, EDUNIT, KBD_UNIT);
    if (TPCM.NBUG == 1)
        for (int i = 0; i < 3; ++i) write_record(EDUNIT, "TRY AGAIN, AND...");
}

}  // namespace brevant

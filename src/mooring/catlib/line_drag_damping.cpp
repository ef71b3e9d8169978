// Drag damping of one catenary element by Simpson's rule in the tangent.
#include "mooring/catlib/line_drag_damping.h"

#include <cmath>
#include <complex>

#include "mooring/catlib/catenary_motion.h"
#include "mooring/catlib/element_functions.h"
#include "numeric/algebra.h"
#include "records/mooring_line_records.h"

namespace brevant {

void CATDMP(double TX, double DQF, double DQB, Real& DISSIP, Real& DISOOP, Real& KEELMT, Real& KEELML, Real& KEOOP,
            Real XBASE, Real /*ZBASE*/, Int NQP, Complex DXFLD, Complex DZFLD, Complex DXBOT, Complex DZBOT,
            Real& ADAMAX, Real& ADATOP, Real& LONTOP, Int /*NBUG*/, Int IELEM, Complex& CTXACC, Complex& CTZACC,
            Int BOTFLG, Logical DO_OOP) {
    // 1. Start from zero.
    DISSIP = 0.0f;
    DISOOP = 0.0f;
    KEELMT = 0.0f;
    KEELML = 0.0f;
    KEOOP = 0.0f;
    ADAMAX = 0.0f;
    ADATOP = 0.0f;
    LONTOP = 0.0f;
    CTXACC = CATCOM.ZERO;
    CTZACC = CATCOM.ZERO;

    // 2. An element on the sea floor does not move across the line.
    const LinCom& L = LINCOM;
    if (L.BOTELM != 0 && IELEM >= L.BOTELM && DQF <= L.DSLOPE) return;

    // Simpson's rule needs an odd count of at least 3 points.
    if (NQP < 3) NQP = 3;
    if (NQP % 2 == 0) NQP = NQP + 1;

    // 3. Tangent step, the upper end's derivatives and their Jacobian.
    const Real h = static_cast<Real>((DQF - DQB) / static_cast<double>(NQP - 1));
    {
        Real dadxf = 0.0f, dadzf = 0.0f, dsdxf = 0.0f, dsdzf = 0.0f, c = 0.0f, s = 0.0f;
        CATMOT(dadxf, dadzf, dsdxf, dsdzf, CATCOM.DXFDP, CATCOM.DXFDT, CATCOM.DZFDP, CATCOM.DZFDT, c, s,
               static_cast<Real>(DQF), DQB, DQF, IELEM, BOTFLG);
    }
    CATCOM.JACOBY = CATCOM.DXFDP * CATCOM.DZFDT - CATCOM.DXFDT * CATCOM.DZFDP;
    if (CATCOM.JACOBY == 0.0) CATCOM.JACOBY = 1e-20;
    const Real J = static_cast<Real>(CATCOM.JACOBY);
    const double hd = static_cast<double>(h);
    const double F = TX * 4.0 * hd / 9.0;

    // 4. The points, each tangent one float step h above the last.
    double sum_a3 = 0.0, sum_a2 = 0.0, sum_b2 = 0.0, sum_o = 0.0;
    Complex sum_x = CATCOM.ZERO, sum_z = CATCOM.ZERO;
    Real q = static_cast<Real>(DQB);
    double x0 = 0.0;
    for (Int i = 1; i <= NQP; ++i) {
        if (i > 1) q = q + h;
        Real dadxf = 0.0f, dadzf = 0.0f, dsdxf = 0.0f, dsdzf = 0.0f, c = 0.0f, s = 0.0f;
        double dxdp = 0.0, dxdt = 0.0, dzdp = 0.0, dzdt = 0.0;
        CATMOT(dadxf, dadzf, dsdxf, dsdzf, dxdp, dxdt, dzdp, dzdt, c, s, q, DQB, DQF, IELEM, BOTFLG);

        const Complex A = (dadxf * DXFLD + dadzf * DZFLD) / J + (c * DZBOT - s * DXBOT);
        const Complex B = (dsdxf * DXFLD + dsdzf * DZFLD) / J + (c * DXBOT + s * DZBOT);
        const Complex X = A * SINPHT(q);
        const Complex Z = A * COSPHT(q);
        const Real a = std::abs(A);
        const Real b = std::abs(B);
        if (a > ADAMAX) ADAMAX = a;
        if (i == NQP) {
            ADATOP = a;
            LONTOP = b;
        }

        double o = 0.0;
        if (DO_OOP != 0) {
            const double qd = static_cast<double>(q);
            const double r = SECFCN(qd);
            double v = 0.0;
            if (i == 1)
                x0 = XFCN(r, qd, IELEM, L.BETA);
            else
                v = x0 - XFCN(r, qd, IELEM, L.BETA);
            const double p = static_cast<double>(XBASE) - TX * v;
            o = r * TX * DXFCN(r, qd, IELEM, L.BETA) * p * p;
        }

        const Real wgt = (i == 1 || i == NQP) ? 1.0f : (i % 2 == 0 ? 4.0f : 2.0f);
        const double wd = static_cast<double>(wgt);
        sum_a3 += wd * static_cast<double>(a) * static_cast<double>(a) * static_cast<double>(a);
        sum_a2 += wd * static_cast<double>(a) * static_cast<double>(a);
        sum_b2 += wd * static_cast<double>(b) * static_cast<double>(b);
        sum_x += wgt * X;
        sum_z += wgt * Z;
        sum_o += wd * o;
    }

    // 5. Scale to integrals over the arc length (ds = TX dq).
    DISSIP = static_cast<Real>(sum_a3 * F);
    KEELMT = static_cast<Real>(sum_a2 * TX * hd / 3.0);
    KEELML = static_cast<Real>(sum_b2 * TX * hd / 3.0);
    KEOOP = static_cast<Real>(sum_o * hd / 3.0);

    // 6. Resultants, the horizontal one in 64-bit complex arithmetic from the unscaled sums.
    if (sum_x != CATCOM.ZERO) {
        const std::complex<double> X(sum_x.real(), sum_x.imag());
        const std::complex<double> Z(sum_z.real(), sum_z.imag());
        const std::complex<double> R = (TX * 0.5 * hd / 3.0) * (X * X - Z * Z) / X;
        CTXACC = Complex(static_cast<Real>(R.real()), static_cast<Real>(R.imag()));
    }
    CTZACC = sum_z * static_cast<Real>(TX * hd / 3.0);
    if (BOTFLG == 0) CTXACC = CATCOM.ZERO;
}

}  // namespace brevant

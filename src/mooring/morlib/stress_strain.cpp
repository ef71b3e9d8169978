// Compliance coefficients from stress-strain curves.
#include "mooring/morlib/stress_strain.h"

#include <algorithm>

#include "mooring/catlib/element_functions.h"
#include "mooring/catlib/line_spans.h"
#include "mooring/morlib/catenary_iteration.h"
#include "mooring/morlib/cubic_splines.h"
#include "numeric/table_search.h"
#include "records/data_image.h"
#include "records/mooring_line_records.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/option_words.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

constexpr Int kMaxPasses = 10;    // evaluations before the refresh gives up
constexpr Int kCurvePoints = 30;  // points of a stress-strain curve

// An element tension that lies outside its curve: the message, the pause, the end.
[[noreturn]] void tension_outside_curve(const char* search, Int ITYP, Int IELEM) {
    const Int EDUNIT = TPCM.EDUNIT;
    write_record(EDUNIT, "");
    write_record(EDUNIT, std::string(" ++> ") + search + " evaluation produced a nonzero IER in LOAD_ALPHAS.");
    write_record(EDUNIT, "     (ITYP,IELEM) = (" + fmt_I(ITYP, 2) + "," + fmt_I(IELEM, 2) + ").");
    write_record(EDUNIT, "");
    PRSRET(EDUNIT, KBD_UNIT, TPCM.LBACK);
    stop_program(1);
}

// The curve interval that holds the tension T of element IELEM. A curve of fewer than two points (or
// more than the table holds) can hold no tension: it is reported like a tension outside the curve.
Int curve_interval(const char* search, Int ITYP, Int IELEM, Real T) {
    const Int n = LINCOM.NSTRS_STRN(IELEM, ITYP);
    if (n < 2 || n > kCurvePoints) tension_outside_curve(search, ITYP, IELEM);
    Int IER = 0;
    Int MIN = 0;
    BSRCH(&LINCOM.TENS_ARR(1, IELEM, ITYP), T, IER, MIN, n);
    if (IER != 0) tension_outside_curve(search, ITYP, IELEM);
    return MIN;
}

// Scaled weights and compliances at the line's tension, the bracket from the tabulated tangents of
// the interval MIN in LAYER, and the line solved on it.
void solve_line(double DP_HMEAN, Int MIN, Int LAYER, Int N) {
    LinCom& L = LINCOM;
    const Int ITYP = L.ITYP;
    SCLWLD(L.SCLWT, element_column(TPCM.WETWT, ITYP), DP_HMEAN, N);
    BETALD(alpha_block(TPCM.ALPHA, ITYP), L.BETA, DP_HMEAN, N);
    Real TOPT1 = L.TANPHI(MIN + 1, LAYER, 1);
    Real TOPT2 = MIN > 1 ? L.TANPHI(MIN, LAYER, 1) : 100.0f * TOPT1;
    ITER8P(TOPT1, TOPT2);
}

bool curve_defined(Int ITYP, Int IELEM) { return BITVAL(TPCM.STRESS_STRAIN_FILE(ITYP), IELEM, TPCM.EDUNIT) == 1; }

// The value (and slope) of a curve's spline at x, sharing splint's interval search and report.
struct CurvePoint {
    Real value;
    Real slope;
};

CurvePoint curve_at(const Real* xa, const Real* ya, const Real* y2a, Int n, Real x) {
    if (n < 1) return {0.0f, 0.0f};
    if (n == 1) return {ya[0], 0.0f};
    Int klo = 0;
    Int khi = 0;
    const Real h = spline_interval(xa, n, x, klo, khi);
    if (h == 0.0f) return {ya[klo - 1], 0.0f};
    const Real a = (xa[khi - 1] - x) / h;
    const Real b = (x - xa[klo - 1]) / h;
    const Real value =
        a * ya[klo - 1] + b * ya[khi - 1] + ((a * a * a - a) * y2a[klo - 1] + (b * b * b - b) * y2a[khi - 1]) * (h * h) / 6.0f;
    const Real slope = (ya[khi - 1] - ya[klo - 1]) / h +
                       ((3.0f * b * b - 1.0f) * y2a[khi - 1] - (3.0f * a * a - 1.0f) * y2a[klo - 1]) * h / 6.0f;
    return {value, slope};
}

}  // namespace

Real STRAIN_VAL(const Real* xa, const Real* ya, const Real* y2a, Int n, Real x) {
    return curve_at(xa, ya, y2a, n, x).value;
}

Real STRAIN_SLOPE(const Real* xa, const Real* ya, const Real* y2a, Int n, Real x) {
    return curve_at(xa, ya, y2a, n, x).slope;
}

void GET_ALPHAS(Real T, const Real* TENS_ARR, const Real* E_ARR, const Real* SPLINE_2DERIV, Int NVAL,
                std::span<Real, 3> ALPHAS) {
    const Real E = STRAIN_VAL(TENS_ARR, E_ARR, SPLINE_2DERIV, NVAL, T);
    ALPHAS[0] = STRAIN_SLOPE(TENS_ARR, E_ARR, SPLINE_2DERIV, NVAL, 0.0f);
    const Real SLOPE_VAL = STRAIN_SLOPE(TENS_ARR, E_ARR, SPLINE_2DERIV, NVAL, T);
    if (T > 0.0f) {
        ALPHAS[1] = (3.0f * E - T * (2.0f * ALPHAS[0] + SLOPE_VAL)) / (T * T);
        ALPHAS[2] = (E - T * (ALPHAS[0] + T * ALPHAS[1])) / (T * T * T);
    } else {
        ALPHAS[1] = 0.0f;
        ALPHAS[2] = 0.0f;
    }
}

void LOAD_ALPHAS(double DP_HMEAN, Int LAYER) {
    LinCom& L = LINCOM;
    const Int ITYP = L.ITYP;
    const Int N = element_count(TPCM.NELEM(ITYP));
    // The tables hold 90 points and 29 layers: a count or a layer beyond them reads nothing outside.
    const Int NTAB = std::clamp<Int>(TPCM.NTAB, 2, 90);
    LAYER = std::clamp<Int>(LAYER, 1, 29);

    Int LOC_ERR = 0;
    Int IER = 0;
    Int MIN = 0;
    BSRCH(&L.HLOD(1), static_cast<Real>(DP_HMEAN), IER, MIN, NTAB);
    solve_line(DP_HMEAN, MIN, LAYER, N);

    FArray<Real, 25> TMPTEN{};
    FArray<Int, 25> MIN2{};
    for (;;) {
        // Evaluation: each curve-defined element's cubic at the tension of its upper end.
        for (Int IELEM = 1; IELEM <= N; ++IELEM) {
            if (!curve_defined(ITYP, IELEM)) continue;
            TMPTEN(IELEM) = static_cast<Real>(DP_HMEAN * L.SECARR(IELEM));
            MIN2(IELEM) = curve_interval("MIN2", ITYP, IELEM, TMPTEN(IELEM));
            GET_ALPHAS(TMPTEN(IELEM), &L.TENS_ARR(1, IELEM, ITYP), &L.E_ARR(1, IELEM, ITYP),
                       &L.SPLINE_2DERIV(1, IELEM, ITYP), L.NSTRS_STRN(IELEM, ITYP),
                       std::span<Real, 3>(&TPCM.ALPHA(1, IELEM, ITYP), 3));
        }
        solve_line(DP_HMEAN, MIN, LAYER, N);

        // Confirmation: the tensions of the new solution must stay in the same curve intervals.
        bool DO_MORE = false;
        for (Int IELEM = 1; IELEM <= N; ++IELEM) {
            if (!curve_defined(ITYP, IELEM)) continue;
            TMPTEN(IELEM) = static_cast<Real>(DP_HMEAN * L.SECARR(IELEM));
            const Int MIN2Q = curve_interval("MIN2Q", ITYP, IELEM, TMPTEN(IELEM));
            if (MIN2Q != MIN2(IELEM)) DO_MORE = true;
        }
        if (!DO_MORE) return;
        LOC_ERR = LOC_ERR + 1;
        if (LOC_ERR >= kMaxPasses) break;
    }
    const Int EDUNIT = TPCM.EDUNIT;
    write_record(EDUNIT, "");
    write_record(EDUNIT, " ++> Alpha coefficient setting failed in LOAD_ALPHAS; contact Velmora");
    write_record(EDUNIT, "");
    PRSRET(EDUNIT, KBD_UNIT, TPCM.LBACK);
    stop_program(1);
}

}  // namespace brevant

// Blending, search and interpolation in layered tables, single and double precision.
#include "numeric/layered_tables.h"

#include "numeric/table_bisection.h"

namespace brevant {

namespace {

template <typename T>
void layered_search(const T* W, T DELLAY, T WP, Int& IER, Int& MIN, Int NWP, T (*blend)(const T*, T)) {
    const T first = W[0];
    const T last = W[NWP - 1];
    if (WP > first && WP > last)
        IER = 2;
    else if (WP < first && WP < last)
        IER = 1;
    else
        IER = 0;
    auto entry = [W, DELLAY, blend](Int i) { return blend(W + (i - 1), DELLAY); };
    const bool LUP = !(entry(1) - entry(NWP) > T(0));
    MIN = detail::table_bisection(entry, WP, NWP, LUP);
}

// YMIN + (YMAX - YMIN)(XVAL - XMIN) / (XMAX - XMIN) on the corner values, with no rounding
// between the operations: the single-precision result is rounded once, on store.
template <typename T>
T line_through(T XMIN, T XMAX, T YMIN, T YMAX, T XVAL) {
    const double ymin = YMIN;
    const double xmin = XMIN;
    return static_cast<T>(ymin + (static_cast<double>(YMAX) - ymin) * (static_cast<double>(XVAL) - xmin) /
                                     (static_cast<double>(XMAX) - xmin));
}

enum class Blend { Both, Abscissae, Ordinates };

template <typename T>
T layered_line(const T* XARRAY, const T* YARRAY, T XVAL, Int MIN, T DELLAY, Blend which, T (*blend)(const T*, T)) {
    const Int MAX = MIN + 1;
    const bool bx = which != Blend::Ordinates;
    const bool by = which != Blend::Abscissae;
    const T XMIN = bx ? blend(XARRAY + (MIN - 1), DELLAY) : XARRAY[MIN - 1];
    const T XMAX = bx ? blend(XARRAY + (MAX - 1), DELLAY) : XARRAY[MAX - 1];
    const T YMIN = by ? blend(YARRAY + (MIN - 1), DELLAY) : YARRAY[MIN - 1];
    const T YMAX = by ? blend(YARRAY + (MAX - 1), DELLAY) : YARRAY[MAX - 1];
    return line_through(XMIN, XMAX, YMIN, YMAX, XVAL);
}

}  // namespace

// A term of weight 0 is left out rather than read: at the top layer the caller blends with weight 0
// towards a layer past the end of its tables. For any finite entry the value is the same.
Real MIDLAY(const Real* ANCLY, Real DELLAY) {
    if (DELLAY == 0.0f) return ANCLY[0];
    if (DELLAY == 1.0f) return ANCLY[LAYER_STRIDE];
    const Real TMPVAR = (1.0f - DELLAY) * ANCLY[0] + DELLAY * ANCLY[LAYER_STRIDE];
    return TMPVAR;
}

void BSRCHQ(const Real* W, Real DELLAY, Real WP, Int& IER, Int& MIN, Int NWP) {
    layered_search(W, DELLAY, WP, IER, MIN, NWP, MIDLAY);
}

void INTRPQ(const Real* XARRAY, const Real* YARRAY, Real XVAL, Real& YVAL, Int MIN, Real DELLAY) {
    YVAL = layered_line(XARRAY, YARRAY, XVAL, MIN, DELLAY, Blend::Both, MIDLAY);
}

void INTRPR(const Real* XARRAY, const Real* YARRAY, Real XVAL, Real& YVAL, Int MIN, Real DELLAY) {
    YVAL = layered_line(XARRAY, YARRAY, XVAL, MIN, DELLAY, Blend::Abscissae, MIDLAY);
}

void INTRPS(const Real* XARRAY, const Real* YARRAY, Real XVAL, Real& YVAL, Int MIN, Real DELLAY) {
    YVAL = layered_line(XARRAY, YARRAY, XVAL, MIN, DELLAY, Blend::Ordinates, MIDLAY);
}

double MDLYDP(const double* ANCLY, double DELLAY) {
    if (DELLAY == 0.0) return ANCLY[0];
    if (DELLAY == 1.0) return ANCLY[LAYER_STRIDE];
    return (1.0 - DELLAY) * ANCLY[0] + DELLAY * ANCLY[LAYER_STRIDE];
}

void BSRCDP(const double* W, double DELLAY, double WP, Int& IER, Int& MIN, Int NWP) {
    layered_search(W, DELLAY, WP, IER, MIN, NWP, MDLYDP);
}

void INTDPQ(const double* XARRAY, const double* YARRAY, double XVAL, double& YVAL, Int MIN, double DELLAY) {
    YVAL = layered_line(XARRAY, YARRAY, XVAL, MIN, DELLAY, Blend::Both, MDLYDP);
}

void INTDPR(const double* XARRAY, const double* YARRAY, double XVAL, double& YVAL, Int MIN, double DELLAY) {
    YVAL = layered_line(XARRAY, YARRAY, XVAL, MIN, DELLAY, Blend::Abscissae, MDLYDP);
}

void INTDPS(const double* XARRAY, const double* YARRAY, double XVAL, double& YVAL, Int MIN, double DELLAY) {
    YVAL = layered_line(XARRAY, YARRAY, XVAL, MIN, DELLAY, Blend::Ordinates, MDLYDP);
}

}  // namespace brevant

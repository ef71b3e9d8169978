// Element spans, touchdown and layer choice of the catenary library.
#include "mooring/catlib/line_spans.h"

#include <algorithm>
#include <cmath>

#include "mooring/catlib/element_functions.h"

namespace brevant {

namespace {

double slen_of(ElementColumn SLEN, Int i) { return static_cast<double>(SLEN[static_cast<std::size_t>(i - 1)]); }

// True when an element below element i (i+1..NELEM) floats: it holds the line off the sea floor.
bool floats_below(const ElementArray& SCLWT, Int i, Int NELEM) {
    for (Int k = i + 1; k <= NELEM; ++k)
        if (SCLWT(k) < 0.0) return true;
    return false;
}

template <typename T>
void set_layer(Int NLAYER, Int MIDLYR, T DLAYER, T ZSPAN, T DFLZG, Int& ILAYER, T& DELLAY, Int& OUTWRN) {
    const T ZBOT = static_cast<T>(1 - MIDLYR) * DLAYER;
    const T ZTOP = ZSPAN + ZBOT;
    OUTWRN = (DFLZG > ZTOP || DFLZG < ZBOT) ? 1 : 0;
    if (NLAYER < 2 || DLAYER == T(0)) {
        // One layer, or layers with no height between them: nothing to blend or extrapolate over
        // (layer NLAYER - 1 or a step of 0 would send the caller outside its tables).
        ILAYER = 1;
        DELLAY = T(0);
    } else if (OUTWRN == 1) {
        if (DFLZG > T(0)) {
            ILAYER = NLAYER - 1;
            DELLAY = (DFLZG - ZTOP) / DLAYER + T(1);
        } else {
            ILAYER = 1;
            DELLAY = (DFLZG - ZBOT) / DLAYER;
        }
    } else {
        const T x = (DFLZG - ZBOT) / DLAYER;
        const T whole = std::trunc(x);
        // Inside the span x lies in 0..ZSPAN/DLAYER; the bound only keeps a wild ZSPAN from overflowing.
        ILAYER = clamp_to_int(std::min(static_cast<double>(whole), 2.0e9)) + 1;
        DELLAY = x - whole;
    }
}

}  // namespace

void SCLWLD(ElementArray& SCLWT, ElementColumn WETWT, double DPHLD, Int NELEM) {
    const Int N = element_count(NELEM);
    for (Int i = 1; i <= N; ++i) SCLWT(i) = static_cast<double>(WETWT[static_cast<std::size_t>(i - 1)]) / DPHLD;
}

double ZDIST(const ElementArray& SCLWT, const NodeArray& R, const BetaBlock& BETA, Int IELEM, ElementColumn SLEN,
             const NodeArray& TMPTAN) {
    const Int N = element_count(IELEM);
    double sum = 0.0;
    for (Int i = 1; i <= N; ++i) {
        if (SCLWT(i) != 0.0)
            sum += (ZFCN(R(i), i, BETA) - ZFCN(R(i + 1), i, BETA)) / SCLWT(i);
        else
            sum += slen_of(SLEN, i) * STRECH(TMPTAN(i), BETA, i) * TMPTAN(i) / R(i);
    }
    return sum;
}

double XDIST(const ElementArray& SCLWT, const NodeArray& R, const NodeArray& P, const BetaBlock& BETA, Int IELEM,
             Int NELEM, Int BOTFLG, ElementColumn SLEN, double DSLOPE) {
    const Int N = element_count(IELEM);
    const Int NE = element_count(NELEM);
    double sum = 0.0;
    for (Int i = 1; i <= N; ++i) {
        double dx;
        if (SCLWT(i) != 0.0) {
            dx = (XFCN(R(i), P(i), i, BETA) - XFCN(R(i + 1), P(i + 1), i, BETA)) / SCLWT(i);
            if (P(i) >= 0.0 && !floats_below(SCLWT, i, NE) && BOTFLG == 1 && P(i + 1) <= DSLOPE)
                dx += STRECH(DSLOPE, BETA, i) * (slen_of(SLEN, i) + (DSLOPE - P(i)) / SCLWT(i));
        } else {
            dx = slen_of(SLEN, i) * STRECH(P(i), BETA, i) / R(i);
        }
        sum += dx;
    }
    return sum;
}

void TUCHDN(Real BOTLEN, ElementColumn WETWT, ElementColumn SLEN, const BetaBlock& BETA, Int NELEM, double DSLOPE,
            Real& BOTWGT, Int& BOTELM, Real& UNSTRL) {
    const Int N = element_count(NELEM);
    BOTELM = 0;
    UNSTRL = 0.0f;
    double stretched = 0.0;  // running sums from the anchor end
    double unstretched = 0.0;
    double STRLEN = 0.0;  // stretched length of the elements wholly on the floor
    double grounded = 0.0;
    double whole_weight = 0.0;  // weight of the whole line, for a line wholly on the floor
    for (Int i = N; i >= 1; --i) {
        const double L = slen_of(SLEN, i);
        const double w = static_cast<double>(WETWT[static_cast<std::size_t>(i - 1)]);
        stretched += L * STRECH(DSLOPE, BETA, i);
        unstretched += L;
        whole_weight += L * w;
        if (BOTELM != 0) continue;
        if (stretched > static_cast<double>(BOTLEN)) {
            BOTELM = i;
        } else {
            STRLEN = stretched;
            UNSTRL = static_cast<Real>(unstretched);
            grounded += L * w;
        }
    }
    if (BOTELM == 0) {
        // No element holds the touchdown point: the whole line lies on the floor (or there is no line).
        BOTELM = N >= 1 ? 1 : 0;
        UNSTRL = static_cast<Real>(unstretched);
        BOTWGT = static_cast<Real>(whole_weight);
        return;
    }
    const double u = (static_cast<double>(BOTLEN) - STRLEN) / STRECH(DSLOPE, BETA, BOTELM);
    BOTWGT = static_cast<Real>(static_cast<double>(WETWT[static_cast<std::size_t>(BOTELM - 1)]) * u + grounded);
    UNSTRL = static_cast<Real>(static_cast<double>(UNSTRL) + u);
}

void SETLYR(Int NLAYER, Int MIDLYR, Real DLAYER, Real ZSPAN, Real DFLZG, Int& ILAYER, Real& DELLAY, Int& OUTWRN) {
    set_layer<Real>(NLAYER, MIDLYR, DLAYER, ZSPAN, DFLZG, ILAYER, DELLAY, OUTWRN);
}

void SETLDP(Int NLAYER, Int MIDLYR, double DLAYER, double ZSPAN, double DFLZG, Int& ILAYER, double& DELLAY,
            Int& OUTWRN) {
    set_layer<double>(NLAYER, MIDLYR, DLAYER, ZSPAN, DFLZG, ILAYER, DELLAY, OUTWRN);
}

}  // namespace brevant

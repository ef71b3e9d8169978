// Tanker heading functions, the sector filter and the opacity factor of the 2001 model.
#include "lowlib/tanker_headings.h"

#include <cmath>

#include "lowlib/waves_in_current.h"
#include "numeric/angles.h"
#include "sysutl/two_pi.h"

namespace brevant {

Real ANGFC(Int LCOMP, Real WAVANG, Real BOWANG, Real BLRAT0, Real COTBOW) {
    const Real t1 = std::sin(BOWANG + WAVANG);
    const Real t2 = std::sin(BOWANG - WAVANG);
    const Real a1 = t1 * std::fabs(t1);
    const Real a2 = t2 * std::fabs(t2);
    switch (LCOMP) {
        case 1: return -0.5f * (a1 + a2);
        case 2: return -(BLRAT0 * 0.5f * COTBOW * (a1 - a2));
        case 3: return -0.5f * (t1 * t1 - t2 * t2);
        default: return 0.0f;
    }
}

Real S2LTPI(Real THETA) {
    const Real a = REDRAD(THETA);
    if (a > 0.0f && a < 3.1415927f) {
        const Real s = std::sin(THETA);
        return s * s;
    }
    return 0.0f;
}

Real S2GTPI(Real THETA) {
    const Real a = REDRAD(THETA);
    if (a > 3.1415927f && a < kTwoPi) {
        const Real s = std::sin(THETA);
        return s * s;
    }
    return 0.0f;
}

Real FILTA(Real WAVANG, Real ANGFBX, Real ANGFSX, Real ANG1, Real ANG2, Real ANG3, Real ANG4, Real ANG5, Real ANG6,
           Real ANG7, Real ANG8, Logical SWPEND) {
    const Real a = REDRAD(WAVANG);
    const Real B = ANGFBX;
    const Real S = ANGFSX;
    const Real B_unswapped = SWPEND ? 0.0f : B;
    const Real S_swapped = SWPEND ? S : 0.0f;
    Real bow = 0.0f;
    Real stern = 0.0f;
    if (a <= ANG1) {
        bow = B;
    } else if (a <= ANG2) {
        bow = B;
        stern = S_swapped;
    } else if (a <= ANG3) {
        bow = B;
        stern = S;
    } else if (a <= ANG4) {
        bow = B_unswapped;
        stern = S;
    } else if (a <= ANG5) {
        stern = S;
    } else if (a <= ANG6) {
        bow = B_unswapped;
        stern = S;
    } else if (a <= ANG7) {
        bow = B;
        stern = S;
    } else if (a <= ANG8) {
        bow = B;
        stern = S_swapped;
    } else {
        bow = B;
    }
    return 0.5f * (bow + stern);
}

Real ANGFC2(Int LCOMP, Real WAVANG, Real BOWANG, Real STRNAN, Real BOWARM, Real STRNRM, Real BLRAT0, Real COTBOW,
            Real COTSTN) {
    const Logical SWPEND = BOWANG > STRNAN ? 1 : 0;
    const Real big = SWPEND ? BOWANG : STRNAN;
    const Real small = SWPEND ? STRNAN : BOWANG;

    const Real S2PBOW = S2LTPI(WAVANG + BOWANG);
    const Real S2MBOW = S2GTPI(WAVANG - BOWANG);
    const Real S2PSRN = S2LTPI(WAVANG - STRNAN);
    const Real S2MSRN = S2GTPI(WAVANG + STRNAN);

    const Real PI = 3.1415927f;
    const Real ANG1 = small;
    const Real ANG2 = big;
    const Real ANG3 = PI - big;
    const Real ANG4 = PI - small;
    const Real ANG5 = PI + small;
    const Real ANG6 = PI + big;
    const Real ANG7 = kTwoPi - big;
    const Real ANG8 = kTwoPi - small;

    Real bow = 0.0f;
    Real stern = 0.0f;
    switch (LCOMP) {
        case 1:
            bow = -(S2MBOW + S2PBOW);
            stern = S2MSRN + S2PSRN;
            break;
        case 2:
            bow = BLRAT0 * COTBOW * (S2MBOW - S2PBOW);
            stern = BLRAT0 * COTSTN * (S2MSRN - S2PSRN);
            break;
        case 3: {
            const Real db = S2MBOW - S2PBOW;
            const Real ds = S2MSRN - S2PSRN;
            bow = BOWARM * COTBOW * db - 0.25f * BLRAT0 * db;
            stern = -(STRNRM * COTSTN * ds - 0.25f * BLRAT0 * ds);
            break;
        }
        default: return 0.0f;
    }
    Real result = FILTA(WAVANG, bow, stern, ANG1, ANG2, ANG3, ANG4, ANG5, ANG6, ANG7, ANG8, SWPEND);
    if (LCOMP == 3) result = result * BLRAT0;
    return result;
}

namespace {

// The facets of the wedge ends, fixed on the first call of the run: unit vector and reference
// point of each, column I = (x, y) of facet I.
struct OpacityFacets {
    Logical FRSTIM = 1;
    FArray<Real, 2, 4> NUNIT{};
    FArray<Real, 2, 4> RFACET{};
};
OpacityFacets facets;

// The shape functions of a half-angle: S = sin a / a, Q = (a cos a - sin a) / a^3,
// F = (S - cos a) / a, with their small-angle limits.
struct Shape {
    Real S, Q, F;
};
Shape shape(Real alpha) {
    if (std::fabs(alpha) > 0.0001f) {
        const Real s = std::sin(alpha);
        const Real c = std::cos(alpha);
        const Real S = s / alpha;
        return {S, (alpha * c - s) / (alpha * alpha * alpha), (S - c) / alpha};
    }
    return {1.0f, -0.33333334f, alpha / 3.0f};
}

}  // namespace

void reset_opacity() { facets = OpacityFacets{}; }

void OPACITY(Real& RELMFC, Real WK, Real THETA, Real LWL, Real BWL, Real DRAFT, Real BOWARM, Real STRNRM,
             Real BOWANG, Real STRNAN, Int DOFFLG) {
    const Real kT = WK * DRAFT;
    const Real R2 = (LWL * LWL + BWL * BWL) / 12.0f;
    const Real c = std::cos(THETA);
    const Real s = std::sin(THETA);
    const Real kx = WK * c;
    const Real ky = WK * s;
    const Real ax = 0.5f * kx * LWL;
    const Real ay = 0.5f * ky * BWL;

    // Depth decay of the wave over the draft, (1 - e^-kT) / kT and (1 - e^-2kT) / 2kT; both tend
    // to 1 as kT goes to 0, which a zero draft or wave number takes.
    Real D1 = 1.0f;
    Real D2 = 1.0f;
    if (kT != 0.0f) {
        D1 = (1.0f - std::exp(-kT)) / kT;
        D2 = (1.0f - std::exp(-2.0f * kT)) / (2.0f * kT);
    }

    if (facets.FRSTIM) {
        facets.FRSTIM = 0;
        const Real cb = std::cos(BOWANG);
        const Real sb = std::sin(BOWANG);
        const Real cs = std::cos(STRNAN);
        const Real ss = std::sin(STRNAN);
        const Real q = 0.25f * BWL;
        const Real n[4][2] = {{cb, sb}, {-cs, ss}, {-cs, -ss}, {cb, -sb}};
        const Real r[4][2] = {{BOWARM * LWL, q}, {-STRNRM * LWL, q}, {-STRNRM * LWL, -q}, {BOWARM * LWL, -q}};
        for (int I = 1; I <= 4; ++I) {
            facets.NUNIT(1, I) = n[I - 1][0];
            facets.NUNIT(2, I) = n[I - 1][1];
            facets.RFACET(1, I) = r[I - 1][0];
            facets.RFACET(2, I) = r[I - 1][1];
        }
    }

    const Shape X = shape(ax);
    const Shape Y = shape(ay);
    const Real G = D1 * X.S * Y.S;
    const Real P = (0.25f * D1 * WK * BWL * LWL / R2) * ((LWL / BWL) * Y.S * X.Q - (BWL / LWL) * X.S * Y.Q);

    if (DOFFLG == 1) {
        const Real bp = BWL * P * s;
        RELMFC = 1.0f - 2.0f * (D1 / D2) * std::cos(ax) * (G * Y.S - 0.5f * P * s * BWL * Y.F) +
                 (G * G + bp * bp / 12.0f) / D2;
    } else if (DOFFLG == 2) {
        const Real lp = LWL * P * c;
        RELMFC = 1.0f - 2.0f * (D1 / D2) * std::cos(ay) * (G * X.S - 0.5f * P * c * LWL * X.F) +
                 (G * G + lp * lp / 12.0f) / D2;
    } else if (DOFFLG == 3) {
        const Real dir[2] = {c, s};
        const Real kvec[2] = {kx, ky};
        Real SD2 = 0.0f;
        Real SX2 = 0.0f;
        Real SD2COS = 0.0f;
        Real SXDSIN = 0.0f;
        for (int I = 1; I <= 4; ++I) {
            const Real* n = &facets.NUNIT(1, I);
            const Real* r = &facets.RFACET(1, I);
            const Real d = DOTP2D(n, dir);
            const Real x = XPRD2D(n, r);
            const Real phi = DOTP2D(kvec, r);
            SD2 = SD2 + d * d;
            SX2 = SX2 + x * x;
            SD2COS = SD2COS + d * d * std::cos(phi);
            SXDSIN = SXDSIN + x * d * std::sin(phi);
        }
        const Real psc = P * s * c;
        RELMFC = 1.0f + (G * G + psc * psc * SX2 / SD2) / D2 +
                 2.0f * D1 * (s * c * P * SXDSIN - G * SD2COS) / (D2 * SD2);
    }
}

}  // namespace brevant

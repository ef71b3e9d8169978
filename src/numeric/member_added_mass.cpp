// Ellipsoid integrals and coefficients, rectangular sections and the member waterline test.
#include "numeric/member_added_mass.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/units.h"

namespace brevant {

Real ARGMAS(Real X, Real ABRAT2, Real ACRAT2) {
    const Real TX = std::tan(X);
    const Real CX = std::cos(X);
    return 1.0f / (CX * CX * (1.0f + TX) * std::sqrt((1.0f + TX) * (1.0f + ABRAT2 * TX) * (1.0f + ACRAT2 * TX)));
}

Real ARGMOM(Real X, Real ABRAT2, Real ACRAT2) {
    const Real TX = std::tan(X);
    const Real CX = std::cos(X);
    return 1.0f / (CX * CX * (1.0f + ABRAT2 * TX) * (1.0f + ACRAT2 * TX) *
                   std::sqrt((1.0f + TX) * (1.0f + ABRAT2 * TX) * (1.0f + ACRAT2 * TX)));
}

void ELPCOF(Real ABRAT2, Real ACRAT2, Int NPOINT, Int MASMOM, Real& ELPSCF, Int IOSCRN, Int KBD, Logical& ONEWRN,
            Int ICYL) {
    // Counted in 64 bits: a degenerate ratio clamps to the 32-bit limit, which the raise to an
    // even count would otherwise overflow.
    std::int64_t NLOC = NPOINT;
    if (NPOINT == 0) {
        const Real biggest = std::max({2.0f / ABRAT2, 2.0f / ACRAT2, 2.0f * ABRAT2, 2.0f * ACRAT2});
        NLOC = clamp_to_int(biggest);
    }
    if (NLOC % 2 != 0) NLOC = NLOC + 1;
    NLOC = std::max<std::int64_t>(NLOC, MASMOM != 2 ? 400 : 4000);
    // A needle-thin member would ask for up to 2^31 intervals: minutes of work on every check, and
    // past about a million steps the single-precision abscissa no longer advances evenly anyway.
    NLOC = std::min<std::int64_t>(NLOC, kMaxElpcofIntervals);

    if (NLOC > 7500 && !ONEWRN) {
        write_record(IOSCRN, "");
        if (ICYL != 0) {
            write_record(IOSCRN, " ++> Warning: Member " + fmt_I(ICYL, 2) + " requires" +
                                     fmt_I(NLOC, 7) + " integration points");
            write_record(IOSCRN, "              in ELPCOF; this may result in pathological mass coefficients.");
            write_record(IOSCRN, "              Consider using a less eccentric member model; this will not");
            write_record(IOSCRN, "              appreciably affect your added mass estimates.");
        } else {
            write_record(IOSCRN, " ++> Warning: A highly eccentric body requires" + fmt_I(NLOC, 7) +
                                     " integration points");
            write_record(IOSCRN, "              in ELPCOF; this may result in pathological mass coefficients.");
            write_record(IOSCRN, "              Contact Velmora to report this message.");
        }
        ONEWRN = 1;
        Int LBACK = 0;
        PRSRET(IOSCRN, KBD, LBACK);
    }

    // Simpson on 0..pi/2; the integrands are 1 at 0 and 0 at pi/2, hence the start at 1.
    const Real DQLOC = kElpcofEndAbscissa / static_cast<Real>(NLOC);
    ELPSCF = 1.0f;
    Real QLOC = 0.0f;
    for (std::int64_t I = 2; I <= NLOC; ++I) {
        QLOC = QLOC + DQLOC;
        const Real FAC = (I % 2 == 0) ? 4.0f : 2.0f;
        Real ARG = 0.0f;
        if (QLOC >= kElpcofEndAbscissa) {
            // The rounded running sum can reach the end of the range before the last interval:
            // there the tangent turns large and negative and the integrand would be NaN; its
            // limit at the end is 0, so the point adds nothing.
        } else if (MASMOM == 1) {
            ARG = ARGMAS(QLOC, ABRAT2, ACRAT2);
        } else if (MASMOM == 2) {
            ARG = ARGMOM(QLOC, ABRAT2, ACRAT2);
        }
        ELPSCF = ELPSCF + FAC * ARG;
    }
    ELPSCF = ELPSCF * DQLOC / 3.0f;
}

Real COFCLC(Int MASMOM, Real ELPSCF, Real ABRAT2, Real ACRAT2) {
    if (MASMOM == 1) return ELPSCF / (2.0f - ELPSCF);
    const Real ABRI2 = 1.0f / ABRAT2;
    const Real ACRI2 = 1.0f / ACRAT2;
    const Real diff = ABRI2 - ACRI2;
    return diff * diff * ELPSCF / ((ABRI2 + ACRI2) * (2.0f * ABRI2 * ACRI2 - ELPSCF * (ABRI2 + ACRI2)));
}

Real RECTCM(Real ABRAT) { return 1.215488f * std::pow(ABRAT, -0.14883f); }

void WPCHEK(const Real* RBASE, const Real* RTOP, Real DRAFT, Real* MEMVEC, Real* DIRVEC, Real& MEMLEN, Real& WETLEN,
            Real& TILTFC, Int& PIERCE) {
    for (int i = 0; i < 3; ++i) MEMVEC[i] = RTOP[i] - RBASE[i];
    MEMLEN = std::sqrt(MEMVEC[0] * MEMVEC[0] + MEMVEC[1] * MEMVEC[1] + MEMVEC[2] * MEMVEC[2]);
    for (int i = 0; i < 3; ++i) {
        // A member of no length has no direction: zero, so that it is judged by its base alone.
        DIRVEC[i] = MEMLEN > 0.0f ? MEMVEC[i] / MEMLEN : 0.0f;
        if (DIRVEC[i] > 1.0f) DIRVEC[i] = 1.0f;
    }
    const Real BASE = RBASE[2] - DRAFT;
    const Real TOP = MEMLEN * DIRVEC[2] + BASE;
    if (TOP > 0.0f && BASE > 0.0f) {
        PIERCE = 99;
    } else if (TOP <= 0.0f && BASE <= 0.0f) {
        PIERCE = 0;
    } else if (TOP > 0.0f && BASE < 0.0f) {
        PIERCE = 1;
    } else if (TOP < 0.0f && BASE > 0.0f) {
        PIERCE = -1;
    } else {
        // One end exactly on the waterline and the other above it: nothing below the water.
        PIERCE = 99;
    }
    if (PIERCE == 0) {
        WETLEN = MEMLEN;
        TILTFC = 1.0f;
    } else if (PIERCE == 99) {
        WETLEN = 0.0f;
        TILTFC = 1.0f;
    } else {
        TILTFC = 1.0f / DIRVEC[2];
        WETLEN = -TILTFC * BASE;
    }
}

}  // namespace brevant

// The ship box's fitted coefficients and closed-form added masses.
#include "vessels/ship/ship_fits.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

#include "numeric/member_added_mass.h"
#include "records/motion_record.h"
#include "sysutl/result_reuse.h"
#include "sysutl/units.h"
#include "vessels/fit_limits.h"

namespace brevant {

Real RMAS(Real X, Real /*RMSRAT*/) { return (1.0f + (0.624f + 1.26f * X) * std::exp(-0.9f * X)) / 1.624f; }

Real PMAS(Real X, Real PMSRAT) {
    return fit_or_limit(PMSRAT * (1.0f + (1.0f / PMSRAT - 1.0f + 3.6f * X * X) * std::exp(-1.825f * X)), X, PMSRAT);
}

Real HDMP(Real X) { return 2.42f * X / std::pow(X + 1.0f, 1.59f); }

Real PDMP(Real X) { return fit_or_limit(0.1f * X * X * std::exp(-0.606f * X), X, 0.0f); }

Real RDMP(Real Y) { return fit_or_limit(0.151f * Y * Y * std::exp(-0.952f * Y), Y, 0.0f); }

Real SDMP(Real X) { return fit_or_limit(1.425f * std::pow(X, 3.71f) * std::exp(-1.613f * X), X, 0.0f); }

Real FHEAVE(Real X) {
    const Real Q = std::sqrt(X * X + 1.0f);
    return 2.54648f * ((X * X * X + 1.0f - Q * Q * Q) / 3.0f + X * X * std::log((1.0f + Q) / X) +
                       X * std::log(X + Q));
}

Real FPITCH(Real X) {
    const Real Q = std::sqrt(1.0f + X * X);
    const Real L = std::log((1.0f + Q) / X);
    const Real X2 = X * X;
    const Real X3 = X2 * X;
    const Real X4 = X2 * X2;
    const Real X5 = X4 * X;
    return 0.056588f * (15.0f * X2 * L - 3.0f + 15.0f * X3 + 2.0f * X5 + (3.0f - 14.0f * X2 - 2.0f * X4) * Q);
}

namespace {

// (X cos X - sin X) / X^2. In single precision the difference cancels completely near |X| = 1e-4
// and still loses digits towards 0.1, so the series takes over below 0.1; the first term alone at
// |X| <= 1e-4, as it always has.
Real yaw_shape(Real X) {
    const Real AX = std::fabs(X);
    if (AX <= 0.0001f) return -X / 3.0f;
    if (AX < 0.1f) {
        const Real X2 = X * X;
        return X * (-1.0f / 3.0f + X2 * (1.0f / 30.0f - X2 / 840.0f));
    }
    return (X * std::cos(X) - std::sin(X)) / (X * X);
}

}  // namespace

Real YAWDRG(Real X, Real Y) {
    if (std::fabs(X) <= 0.0001f) return -X * std::cos(Y) / 3.0f;
    return std::cos(Y) * yaw_shape(X);
}

Real YAWFKF(Real X, Real Y) {
    if (std::fabs(X) <= 0.0001f) return -X * std::sin(Y) / 3.0f;
    return std::sin(Y) * yaw_shape(X);
}

namespace {

// The fits of the last few boxes, by the exact bits of their ratios: every hull solve (one per
// heading and wave system) asks for the same two boxes, and each is a long quadrature.
struct KeptMassFit {
    std::uint32_t CARAT = 0, BARAT = 0;
    Int MASMOM = 0;
    Real value = 0.0f;
    bool valid = false;
};
std::array<KeptMassFit, 4> KEPT_MASS_FITS{};
std::size_t next_mass_fit = 0;

// ELPCOF's many-points warning flag, kept for the run: every hull solve asks for the box's fits
// again, and an eccentric box would otherwise warn and wait on the pause at each of them.
Logical BOX_FIT_WARNED = 0;

Real box_mass_fit(Real CARAT, Real BARAT, Int MASMOM, Int IOSCRN);

}  // namespace

void reset_box_fit_warning() { BOX_FIT_WARNED = 0; }

// The fit depends on its three inputs alone; a fit that warned (on a very eccentric box) is not
// kept, so that the console shows the same with the reuse on as off.
Real SGSWMS(Real CARAT, Real BARAT, Int MASMOM, Int IOSCRN) {
    if (!result_reuse_on()) return box_mass_fit(CARAT, BARAT, MASMOM, IOSCRN);
    const std::uint32_t c = std::bit_cast<std::uint32_t>(CARAT), b = std::bit_cast<std::uint32_t>(BARAT);
    for (const KeptMassFit& k : KEPT_MASS_FITS)
        if (k.valid && k.CARAT == c && k.BARAT == b && k.MASMOM == MASMOM) return k.value;
    const unsigned long long talk = console_activity();
    const Real value = box_mass_fit(CARAT, BARAT, MASMOM, IOSCRN);
    if (console_activity() != talk) return value;
    KEPT_MASS_FITS[next_mass_fit] = {c, b, MASMOM, value, true};
    next_mass_fit = (next_mass_fit + 1) % KEPT_MASS_FITS.size();
    return value;
}

namespace {

Real box_mass_fit(Real CARAT, Real BARAT, Int MASMOM, Int IOSCRN) {
    const Real ABRAT2 = 1.0f / (CARAT * CARAT);
    const Real ACRAT2 = 1.0f / (BARAT * BARAT);
    Real E = 0.0f;
    ELPCOF(ABRAT2, ACRAT2, 0, MASMOM, E, IOSCRN, KBD_UNIT, BOX_FIT_WARNED, 0);
    const Real TMPMAS = COFCLC(MASMOM, E, ABRAT2, ACRAT2);
    const Real RECTFAC = MASMOM == 1 ? RECTCM(CARAT) : 1.0f;
    return RECTFAC * TMPMAS;
}

}  // namespace

void DPMAS0(Real& A33, Real& A55, Real& B33, Real& B55, Real FREQ, Real XVAR, Real HCONST, Real HMAS0, Real HMSRAT,
            Real PCONST, Real PMAS0, Real PMSRAT) {
    A33 = HMAS0 * (HMSRAT + (1.0f - HMSRAT) * std::exp(-XVAR));
    A55 = PMAS0 * PMAS(XVAR, PMSRAT);
    B33 = FREQ * HDMP(XVAR) * HCONST;
    B55 = FREQ * PDMP(XVAR) * PCONST;
}

void DAMMAS(Real& A33, Real& A55, Real& B33, Real& B55, Real WENC2, Real VCOMP) {
    // A following wave at the speed that cancels its encounter frequency: 1/WENC2 has no value, and
    // the wave is standing still for the hull, so nothing is corrected.
    if (WENC2 == 0.0f) return;
    const Real SHIPL = HIMEM.SHIPL;
    const Real SFAC1 = 1.5f * VCOMP * VCOMP / WENC2;
    const Real SFAC2 = -0.25f * VCOMP * SHIPL;
    const Real SFAC3 = -VCOMP / SHIPL;
    const Real A33E = A33;
    const Real A55E = A55;
    const Real B33E = B33;
    const Real B55E = B55;
    B55 = B55E + SFAC1 * B33E + SFAC2 * A33E;
    A55 = A55E + SFAC1 * A33E - SFAC2 * B33E / WENC2;
    B33 = B33E + SFAC3 * A33E;
    A33 = A33E - SFAC3 * B33E / WENC2;
}

}  // namespace brevant

// Textbook closed forms of the ellipsoid integral alpha of potential flow (twice the
// demagnetising factor of the axis along the motion) and of the added-mass coefficients built on
// it, in double precision, to check the single-precision quadrature against.
#pragma once

#include <cmath>

namespace brevant::testing {

// Prolate spheroid of axis ratio r (semi-axes r, 1, 1), eccentricity e = sqrt(1 - 1/r^2):
// Lamb's alpha0 along the axis and beta0 across it.
inline double prolate_e(double r) { return std::sqrt(1.0 - 1.0 / (r * r)); }
inline double prolate_along(double r) {
    const double e = prolate_e(r);
    return 2.0 * (1.0 - e * e) / (e * e * e) * (0.5 * std::log((1.0 + e) / (1.0 - e)) - e);
}
inline double prolate_across(double r) {
    const double e = prolate_e(r);
    return 1.0 / (e * e) - (1.0 - e * e) / (2.0 * e * e * e) * std::log((1.0 + e) / (1.0 - e));
}
// Lamb's added moment of inertia of the prolate spheroid turning about an axis across it, over
// the moment of inertia of the displaced fluid.
inline double prolate_rotation(double r) {
    const double e = prolate_e(r);
    const double d = prolate_across(r) - prolate_along(r);
    return std::pow(e, 4) * d / ((2.0 - e * e) * (2.0 * e * e - (2.0 - e * e) * d));
}
// Oblate spheroid (semi-axes r, r, 1) moving along a diameter: edgewise.
inline double oblate_edgewise(double r) {
    const double e = prolate_e(r);
    return std::sqrt(1.0 - e * e) / (e * e * e) * std::asin(e) - (1.0 - e * e) / (e * e);
}
// A general ellipsoid a > b > c moving along its longest axis a, by Legendre's incomplete
// elliptic integrals: 2 abc (F(k, t) - E(k, t)) / ((a^2 - b^2) sqrt(a^2 - c^2)), with
// cos t = c / a and k^2 = (a^2 - b^2) / (a^2 - c^2).
inline double triaxial_longest(double a, double b, double c) {
    const double t = std::acos(c / a);
    const double k = std::sqrt((a * a - b * b) / (a * a - c * c));
    return 2.0 * a * b * c * (std::ellint_1(k, t) - std::ellint_2(k, t)) / ((a * a - b * b) * std::sqrt(a * a - c * c));
}
// The added-mass coefficient of translation from alpha.
inline double translation_coefficient(double alpha) { return alpha / (2.0 - alpha); }

}  // namespace brevant::testing

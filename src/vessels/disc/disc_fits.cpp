// The disc buoy's fitted added-mass and damping curves, in single precision.
#include "vessels/disc/disc_fits.h"

#include <cmath>

#include "vessels/fit_limits.h"

namespace brevant {

Real SMASD(Real /*Y*/) { return 0.15f; }

Real SDMPD(Real Y) { return fit_or_limit(0.181f * Y * Y * std::exp(-0.8f * Y), Y, 0.0f); }

Real PMASD(Real Y) { return fit_or_limit((0.641f * Y * Y + 0.089f) * std::exp(-1.825f * Y) + 0.11f, Y, 0.11f); }

// The roll curves are the pitch curves: the cylinder is axisymmetric.
Real RMASD(Real Y) { return fit_or_limit((0.641f * Y * Y + 0.089f) * std::exp(-1.825f * Y) + 0.11f, Y, 0.11f); }

Real PDMPD(Real Y) { return fit_or_limit(0.151f * Y * Y * std::exp(-0.952f * Y), Y, 0.0f); }

Real RDMPD(Real Y) { return fit_or_limit(0.151f * Y * Y * std::exp(-0.952f * Y), Y, 0.0f); }

Real HMASD(Real Y) { return 1.7f * std::exp(-1.224f * Y) + 1.0f; }

Real HDMPD(Real Y) { return 4.92f * Y / std::pow(Y + 1.0f, 2.429f); }

}  // namespace brevant

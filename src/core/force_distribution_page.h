// Report section II: the frequency distribution of the mean wave-drift forces and yaw moment for each
// attack angle, written by DFTOUT in its modes 2 (IIa, reflection) and 12 (IIb, absorption).
#pragma once

#include "core/drift_coefficient_pages.h"
#include "core/run_values.h"
#include "sysutl/ftypes.h"

namespace brevant {

// The mean reflection force distribution of one attack angle: per grid period the drift coefficient
// times its dimensional factor times the sea (1) or swell (2) spectral density, in force x sec and
// moment x sec (about the centre of gravity).
struct ForceDistribution {
    FArray<Real, 100> XPSD1{}, YPSD1{}, ZPSD1{};  // sea
    FArray<Real, 100> XPSD2{}, YPSD2{}, ZPSD2{};  // swell
};

// The distribution at the angle RELANG (radians) after DFTOUT's entry steps; both systems are
// filled from the same coefficients, whichever is simulated (an absent system has a zero spectrum).
ForceDistribution mean_force_distribution(Real RELANG);

// Section II: when bit 2 or bit 12 of BRVFLG is set, the progress line, then for each attack angle
// the vessel turned and its RAOs refreshed, page IIa (bit 2), page IIb (bit 12) and the console
// pause. Nothing at all when both bits are clear.
void mean_force_distribution_pages(RunValues& R);

// One IIa (OUTTYP 2) or IIb (OUTTYP 12) page for the angle RELANG after DFTOUT's entry steps S.
void mean_force_distribution_page(const DriftPageSetup& S, Real RELANG, Int OUTTYP, Int SWVFM);

}  // namespace brevant

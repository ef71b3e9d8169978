// The wave energy spectra of the wind sea and the swells on the period grid (WVSPEC), and the
// root function of the TMA depth factor (RWHFUN) with the record LOCALWAVE that feeds it.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// The nondimensional frequency w sqrt(DEPTH / G) of the grid point whose TMA depth factor is being
// solved: written by WVSPEC before each root search, read by RWHFUN.
struct LocalWave {
    Real WH_TMA;
};
extern LocalWave LOCALWAVE;

// Spectrum types (WAVSEL, in the order of the spectrum captions).
inline constexpr Int kGaussianSwell = 0;
inline constexpr Int kPiersonMoskowitz = 1;
inline constexpr Int kMeanJonswap = 2;
inline constexpr Int kSharpJonswap = 3;
inline constexpr Int kSquatJonswap = 4;
inline constexpr Int kGeneralJonswap = 5;
inline constexpr Int kBretschneider = 6;
inline constexpr Int kUserSpectrumFile = 7;
inline constexpr Int kSpectrumTable = 8;
inline constexpr Int kOchiHubble = 9;
inline constexpr Int kTmaShallowWater = 10;

// The most components an Ochi-Hubble sea sums: its lambdas and the spectrum's factors hold four.
inline constexpr Int kOchiHubbleComponents = 4;

// The spectrum of one wave system on the grid of WAVCOM (W(i) = 2 pi / T(i), i = 1 .. NWP of the
// data image), in the case's units (length^2 s / rad).
//   WAVSEL       in   spectrum type 0-10 (constants above)
//   PSDQ         out  the density at W(1) .. W(NWP) (PSDQ points at element 1)
//   QSWH, QTPK   in   significant height and peak period (s); QTPK comes back derived for types 1,
//                     7 and 8, QSWH for types 7 and 8 (the swell calls pass SWELHT, SWELPD of the
//                     data image itself, which thus take the derived values)
//   QWPK, QWKPK  out  peak circular frequency 2 pi / QTPK and the wave number there at DEPTH
//                     (both 0 when the peak period is not positive)
//   WAVE_SYS_ID  in   0 sea, 1 swell, 2 second swell: which width, sigmas and gamma of the data
//                     image the Gaussian and JONSWAP shapes take
// Also writes WCONST of HIMEM, the peak period into the wave-height slot of the motion pool (only
// once the pool is laid out and the height index IHT is in 1 .. MAXHT), and leaves IW at NWP + 1.
void WVSPEC(Int WAVSEL, Real* PSDQ, Real& QSWH, Real& QTPK, Real& QWPK, Real& QWKPK, Int WAVE_SYS_ID);

// Whether the JONSWAP shapes that WVSPEC normalises by integration (the general JONSWAP and TMA
// types) can be normalised with gamma GAMMA and the widths PL below and PG above the peak: the
// run's own integration, in the form that reports where WVSPEC would ask whether to abort or stop.
// LOCALJ, its scratch, is put back.
bool jonswap_normaliser_converges(Real PL, Real PG, Real GAMMA);
// True for the types whose normaliser that integration gives.
bool integrated_jonswap_type(Int WAVSEL);
// The same for the spectrum of type WAVSEL of wave system WAVE_SYS_ID (0 the sea, 1 the swell, 2
// the second swell), with its own gamma and widths: true for every type that takes no integration.
bool wave_spectrum_normalised(Int WAVSEL, Int WAVE_SYS_ID);

// The pieces of the shapes that the checks before a run evaluate as WVSPEC forms them:
// - the peak period 15.66 sqrt(QSWH / G) that the Pierson-Moskowitz type derives from its height;
// - the Gaussian swell shape of width SIGMA about the grid frequency wn nearest QTPK (the grid of
//   WAVCOM), QSWH^2 / (16 sqrt(2 pi) SIGMA wn) exp(-(w / wn - 1)^2 / (2 SIGMA^2)), at its N points
//   into PSDQ[0] .. PSDQ[N - 1];
// - the exponent y = (lambda + 1/4) (wm / w)^4 of an Ochi-Hubble component of peak period PERIOD at
//   the frequency w, whose exp(-y) y^lambda the spectrum takes.
Real pierson_moskowitz_peak_period(Real QSWH, Real G);
void gaussian_swell_spectrum(Real* PSDQ, Int N, Real QSWH, Real QTPK, Real SIGMA);
Real ochi_hubble_exponent(Real w, Real PERIOD, Real lambda);

// 1 - X tanh(X WH_TMA^2): zero at X = 1 / tanh(kh), kh = X WH_TMA^2, WH_TMA from LOCALWAVE.
Real RWHFUN(Real& X);

}  // namespace brevant

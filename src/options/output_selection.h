// The output selection word BRVFLG (word 180 of the data image): one bit per optional table of the
// analysis report, plus the angle convention of the tables. The bit numbers (1 = least significant)
// are part of the data-file format; BITVAL and BITSET read and write them.
#pragma once

#include <array>
#include <span>

#include "records/data_image.h"
#include "sysutl/ftypes.h"

namespace brevant {

// ---- The bits (the page and item that toggle each are noted) -----------------------------------

// Wave reflection (page 14, items 1-5).
inline constexpr Int kBitReflectionCoefficients = 1;       // Ia dimensionless regular-wave coefficients
inline constexpr Int kBitReflectionDistribution = 2;       // IIa mean force frequency distribution
inline constexpr Int kBitReflectionMeanForces = 3;         // IIIa mean irregular-wave forces
inline constexpr Int kBitReflectionSpectraByAngle = 4;     // IVa low-frequency spectra, fixed frequency
inline constexpr Int kBitReflectionSpectraByFrequency = 9; // VIIs spectra per attack angle
// Spectra of the sea and the swell (page 14, items 10-13).
inline constexpr Int kBitWaveSpectrum = 5;                 // VIII wave spectrum column
inline constexpr Int kBitSwellSpectrum = 6;                // VIII swell spectrum column
inline constexpr Int kBitWaveGroupSpectrum = 7;            // VIIIp wave group spectrum
inline constexpr Int kBitSwellGroupSpectrum = 8;           // VIIIp swell group spectrum
// Wave absorption (page 14, items 6-9; bit 12 has no item).
inline constexpr Int kBitAbsorptionSpectraByFrequency = 10; // VIIs spectra per attack angle
inline constexpr Int kBitAbsorptionCoefficients = 11;       // Ib dimensionless regular-wave coefficients
inline constexpr Int kBitAbsorptionDistribution = 12;       // IIb, only ever set in files written elsewhere
inline constexpr Int kBitAbsorptionMeanForces = 13;         // IIIb mean irregular-wave forces
inline constexpr Int kBitAbsorptionSpectraByAngle = 14;     // IVb low-frequency spectra, fixed frequency
// Wind and current (page 15, items 1-10).
inline constexpr Int kBitCurrentSpeedSpectrum = 15;         // VIIp current speed spectrum
inline constexpr Int kBitWindSpeedSpectrum = 16;            // VIIp wind speed spectrum
inline constexpr Int kBitWindCoefficients = 17;             // V wind table
inline constexpr Int kBitWindMeanForces = 18;               // VI wind part
inline constexpr Int kBitWindSpectraByAngle = 19;           // VII wind part
inline constexpr Int kBitCurrentCoefficients = 20;          // V current table
inline constexpr Int kBitCurrentMeanForces = 21;            // VI current part
inline constexpr Int kBitCurrentSpectraByAngle = 22;        // VII current part
inline constexpr Int kBitWindSpectraByFrequency = 24;       // VIIq per attack angle
inline constexpr Int kBitCurrentSpectraByFrequency = 25;    // VIIr per attack angle
// Net loads and the angle convention (page 15, items 12, 13 and 24).
inline constexpr Int kBitNetLoadTables = 23;                // IX net forces and moments, X summary
inline constexpr Int kBitRelativeHeadings = 26;             // tables by relative heading, not attack angle
inline constexpr Int kBitNetSpectralTables = 27;            // IX net force and moment spectra

// The tables over low frequencies: they need a positive frequency interval and minimum period.
inline constexpr std::array<Int, 8> kLowFrequencyTableBits = {
    kBitReflectionSpectraByFrequency, kBitAbsorptionSpectraByFrequency, kBitWindSpectraByFrequency,
    kBitCurrentSpectraByFrequency,    kBitWaveGroupSpectrum,            kBitWindSpeedSpectrum,
    kBitCurrentSpeedSpectrum,         kBitSwellGroupSpectrum};
// The tables at one low oscillation frequency (BRVFRQ).
inline constexpr std::array<Int, 3> kOscillationFrequencyBits = {
    kBitReflectionSpectraByAngle, kBitWindSpectraByAngle, kBitCurrentSpectraByAngle};

// True when at least one of the bits is set in WORD.
bool any_output_bit(Int WORD, std::span<const Int> bits);

// ---- Clearing rules: nothing is asked of the report that the case cannot produce ----------------
// Each works on T.BRVFLG through BITSET, with T.EDUNIT as the message unit.

// On entry to output options page 1 (every call, dump included): without waves and swell every
// wave-drift bit but 1 and 11; without waves the wave spectra, without swell the swell spectra.
void tidy_wave_output_bits(Tpcm& T);

// On entry to output options page 2: without wind its mean, spectral and speed-spectrum bits,
// without current the same three of the current.
void tidy_wind_current_output_bits(Tpcm& T);

// At the last page, every arrival: bit 12 always; bits 2-4 without waves and swell (9, 10, 13 and
// 14 stay); the spectra as page 1; wind and current as page 2.
void tidy_output_bits_at_last_page(Tpcm& T);

}  // namespace brevant

// The size of the low-frequency spectral tables.
#include "options/low_frequency_rows.h"

#include <array>

#include "options/output_selection.h"

namespace brevant {

Int low_frequency_rows(Real PDMIN, Real DELTA) {
    if (!(PDMIN > 0.0f) || !(DELTA > 0.0f)) return 0;
    const Real rows = kTwoPi / (PDMIN * DELTA);
    if (!(rows < 2147483520.0f)) return 2147483520;
    return static_cast<Int>(rows);
}

bool too_many_low_frequency_rows(Real PDMIN, Real DELTA) {
    return low_frequency_rows(PDMIN, DELTA) > kMaxLowFrequencyRows;
}

bool too_many_attack_angle_rows(Real PDMIN, Real DELTA) {
    return low_frequency_rows(PDMIN, DELTA) > kMaxAngleSpectrumRows;
}

bool speed_or_group_spectra_asked(const Tpcm& T) {
    static constexpr std::array<Int, 4> kBits = {kBitWindSpeedSpectrum, kBitCurrentSpeedSpectrum,
                                                 kBitWaveGroupSpectrum, kBitSwellGroupSpectrum};
    return any_output_bit(T.BRVFLG, kBits);
}

bool attack_angle_spectra_computed(const Tpcm& T) {
    static constexpr std::array<Int, 1> kSeries = {kBitNetSpectralTables};
    static constexpr std::array<Int, 4> kPages = {kBitReflectionSpectraByFrequency, kBitAbsorptionSpectraByFrequency,
                                                  kBitWindSpectraByFrequency, kBitCurrentSpectraByFrequency};
    if (!any_output_bit(T.BRVFLG, kSeries) || T.NUMBRV < 1) return false;
    const bool source = T.LRANDM == 1 || T.LSWELL == 1 || T.LWIND == 1 || T.LCURNT == 1;
    return source || any_output_bit(T.BRVFLG, kPages);
}

}  // namespace brevant

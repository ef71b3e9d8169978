// The clearing rules of the output selection word. The order of the bits within a rule is the
// order in which they are cleared; it does not change the result.
#include "options/output_selection.h"

#include <initializer_list>

#include "sysutl/option_words.h"

namespace brevant {

namespace {

void clear_bits(Tpcm& T, std::initializer_list<Int> bits) {
    for (Int bit : bits) BITSET(T.BRVFLG, bit, 0, T.EDUNIT);
}

void clear_wind_current_bits(Tpcm& T) {
    if (T.LWIND == 0) clear_bits(T, {kBitWindMeanForces, kBitWindSpectraByAngle, kBitWindSpeedSpectrum});
    if (T.LCURNT == 0)
        clear_bits(T, {kBitCurrentMeanForces, kBitCurrentSpectraByAngle, kBitCurrentSpeedSpectrum});
}

void clear_spectrum_bits(Tpcm& T) {
    if (T.LRANDM == 0) clear_bits(T, {kBitWaveSpectrum, kBitWaveGroupSpectrum});
    if (T.LSWELL == 0) clear_bits(T, {kBitSwellSpectrum, kBitSwellGroupSpectrum});
}

}  // namespace

bool any_output_bit(Int WORD, std::span<const Int> bits) {
    for (Int bit : bits)
        if (BITVAL(WORD, bit) != 0) return true;
    return false;
}

void tidy_wave_output_bits(Tpcm& T) {
    if (T.LRANDM == 0 && T.LSWELL == 0)
        clear_bits(T, {kBitReflectionMeanForces, kBitReflectionDistribution, kBitReflectionSpectraByAngle,
                       kBitReflectionSpectraByFrequency, kBitAbsorptionDistribution, kBitAbsorptionMeanForces,
                       kBitAbsorptionSpectraByAngle, kBitAbsorptionSpectraByFrequency});
    clear_spectrum_bits(T);
}

void tidy_wind_current_output_bits(Tpcm& T) { clear_wind_current_bits(T); }

void tidy_output_bits_at_last_page(Tpcm& T) {
    clear_bits(T, {kBitAbsorptionDistribution});
    if (T.LRANDM == 0 && T.LSWELL == 0)
        clear_bits(T, {kBitReflectionMeanForces, kBitReflectionDistribution, kBitReflectionSpectraByAngle});
    clear_spectrum_bits(T);
    clear_wind_current_bits(T);
}

}  // namespace brevant

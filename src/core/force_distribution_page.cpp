#include "core/force_distribution_page.h"

namespace brevant {

// PENDING: the mean force frequency distribution pages (IIa, IIb) come with the spectra pages;
// until then the modes write nothing.
void mean_force_distribution_page(const DriftPageSetup&, Real, Int, Int) {}

}  // namespace brevant

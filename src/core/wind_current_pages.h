// Report sections V, VI and VII: the wind and current load models by attack angle. V tabulates the
// dimensionless coefficients, VI the mean forces and yaw moment, VII the low-frequency force and
// moment spectral densities at the run's oscillation frequency. V and VI print the same summary of
// the chosen load models.
#pragma once

#include "core/run_values.h"

namespace brevant {

// The load-model summary of sections V and VI: its wind part when WIND, its current part when
// CURRENT. Model fields without a caption row show "Undefined model".
void write_load_model_summary(const RunValues& R, bool WIND, bool CURRENT);

// Section V (bits 17 wind, 20 current): coefficients Cx, Cy, Cz at every attack angle.
void wind_current_coefficient_pages(RunValues& R);
// Section VI (bits 18 wind, 21 current): mean forces, and yaw moments about Xves = BRVARM.
void wind_current_mean_force_pages(RunValues& R);
// Section VII (bits 19 wind, 22 current): 4 F^2 S(BRVFRQ) / V^2 of every mean load about the centre
// of gravity, S the wind or current speed spectrum; 0 where the mean speed is 0.
void wind_current_spectrum_pages(RunValues& R);

// The linearised low-frequency density of a load: NUM (4 F^2 times the speed spectral density, in
// the order its section writes it) over the squared mean speed V^2 (V in ft/s or m/s). At a mean
// speed of 0 the mean load is 0 too and the quotient would be 0/0: the density is then 0.
Real over_squared_speed(Real NUM, Real V);

}  // namespace brevant

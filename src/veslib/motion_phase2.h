// Motion phase 2 (VESL2): the stand-alone vessel-motion run's walk over every relative wave heading
// (forces, the tilt into trimmed and heeled axes, force and RAO pages, force and motion statistics,
// the export records of mooring-system types, the point motions), and the tilt rotation ROTVES.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Units of the phase: the companion-body file, the line-angle file (the export is kExportUnit 13,
// "RELMOT" kSecondBodyUnit 11, the plot table PLOT_UNIT 14).
inline constexpr Int kCompanionUnit = 10;
inline constexpr Int kLineAngleUnit = 12;

// Needs motion phase 1 for the same case (pool layout, grid, spectra, heading tables, hull
// characteristics); hull routines are reached through the hull dispatch. Opens its files (none for
// running type 16) and closes exactly the ones it opened.
void VESL2();

// HIMEM.ROTVES from the trim TRIMDG and heel HEELDG in degrees: rows (cT, 0, -sT), (sT sH, cH, cT sH),
// (sT cH, -sH, cT cH).
void set_ROTVES(Real TRIMDG, Real HEELDG);

// Every grid frequency's translational and rotational triples of the six RAO arrays replaced by ROTVES
// times the triple (into the tilted axes), or by its transpose times the triple when back is true.
void rotate_rao_triples(bool back);

}  // namespace brevant

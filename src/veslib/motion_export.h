// The mooring-system motion export of the second motion phase: the records motion phase 2 itself
// writes into the binary export files (unit 13, and for two bodies "RELMOT" on unit 11): the heading
// list, one record per heading, and after all headings the sea state with the roll, yaw and pitch
// RMS values and the RMS values and rates of the hinge-point and point-displacement motions.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

inline constexpr Int kExportUnit = 13;
inline constexpr Int kSecondBodyUnit = 11;

// The header: one record holding WAVCOM.NRAO.
void write_export_header();

// The record of heading WAVCOM.IRAO: RAOANG(IRAO) and LRAO(IRAO).
void write_export_heading();

// The statistics after the heading loop (mooring types other than 0 and 1, with swell or irregular
// waves), in layout A (ISPM 4 and up, or ISPM 2 with SIMTYP 13) or layout B (ISPM 2 otherwise, ISPM
// 3). Sets PASCOM.WRLRMS, WPTRMS, WYWRMS.
void write_export_statistics();

}  // namespace brevant

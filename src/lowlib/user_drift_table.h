// The user's own mean wave-drift coefficient table ("DRFTCOFS.txt" and its vessel variants): read
// on first use and whenever another file is named, kept for the run, looked up bilinearly in
// frequency and heading.
#pragma once

#include <string_view>

#include "sysutl/ftypes.h"
#include "sysutl/user_table.h"

namespace brevant {

// The table of this program's own vessel, which the regular-wave tables read for every vessel.
inline constexpr std::string_view kDriftCoefficientFile = "DRFTCOFS.txt";

inline constexpr Int kDriftTableFrequencies = 121;  // MAXW
inline constexpr Int kDriftTableHeadings = 145;     // MAXA

// The kept table: the file it came from, its sizes, headings (radians), frequencies (first heading
// block) and the surge, sway and yaw coefficients, COF(frequency, heading, component).
struct DrftcbTable {
    Int FRSTIM;                                                             // 1 until a file has been read
    FixedText<13> LASTFILE;                                                 // name of the file read
    Int WARN1;                                                              // 1 once the frequency warning was given
    Int IERR;                                                               // status of the last open (0 opened)
    Int NFREQ;                                                              // frequencies in use
    Int NAZ;                                                                // headings in use
    FArray<Real, kDriftTableHeadings> ANGARR;                               // headings, radians
    FArray<Real, kDriftTableFrequencies> WARRAY;                            // frequencies, rad/s
    FArray<Real, kDriftTableFrequencies, kDriftTableHeadings, 3> COF;       // CFX, CFY, CMZ one after another

    Real& CFX(int i, int j) { return COF(i, j, 1); }
    Real& CFY(int i, int j) { return COF(i, j, 2); }
    Real& CMZ(int i, int j) { return COF(i, j, 3); }
};
extern DrftcbTable DRFTCB_TABLE;

// Test hook and start of a run: no table read, LASTFILE "========     ", the warning not given.
void reset_drftcb();

// The drift coefficient of component LCOMP (1 surge, 2 sway, 3 yaw; 0 for any other) at the
// frequency WCOMOV and the wave flux direction ANGLE (radians, relative to the vessel) from the
// table in USERDAT (13 characters, blank-padded). The file's headings are the flux direction
// turned by half a turn. Outside the table the end intervals extrapolate; a frequency outside it
// is warned about once per run (the abort question on IOOUT, keyboard IOIN; a silent run ends).
// A missing file, an oversize table, fewer than two frequencies or headings, or a damaged file
// end the run with a message.
Real DRFTCB(Real WCOMOV, Int LCOMP, Real ANGLE, Int IOOUT, Int IOIN, std::string_view USERDAT);

// Reads the drift table file NAME (trailing blanks no part of it) as DRFTCB reads it, keeping
// nothing: why it cannot be read whole, if it cannot. IOOUT: the console unit.
TableOutcome read_drift_file(std::string_view NAME, Int IOOUT);

// Bilinear interpolation in one component table COFARR (leading dimension 121), heading first:
// between the headings ANGARR(MINA), ANGARR(MINA+1) at AVAL on the frequency rows MINW and MINW+1,
// then between those rows at WVAL. Extrapolates outside. NFREQ, NAZ are not used.
void INTRP4(const Real* COFARR, const Real* WARRAY, const Real* ANGARR, Real WVAL, Real AVAL, Real& OUTVAL, Int MINW,
            Int MINA, Int NFREQ, Int NAZ);

}  // namespace brevant

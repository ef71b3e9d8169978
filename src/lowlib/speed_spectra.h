// The spectra of the fluctuating wind and current speeds that turn mean wind and current loads into
// slowly-varying ones, and the two readers of the user's spectrum files.
#pragma once

#include <string_view>

#include "sysutl/ftypes.h"
#include "sysutl/user_table.h"

namespace brevant {

inline constexpr Int kMaxSpectrumPoints = 1000;

// The spectral types that read the user's spectrum file (WNDTYP, CURTYP), and the files.
inline constexpr Int kWindSpectrumFromFile = 6;
inline constexpr Int kCurrentSpectrumFromFile = 2;
inline constexpr std::string_view kWindSpectrumFile = "WINDSPEC.txt";
inline constexpr std::string_view kCurrentSpectrumFile = "CRNTSPEC.txt";

// Wind speed spectral density at W0 (rad/s) for the wind spectrum type WNDTYP:
//   1 Davenport  S = 0.02 U L X / (1 + X^2)^(4/3), X = W0 L / U
//   2 constant   S = WNDDEN
//   3 steady     S = 0
//   4 A.P.I.     S = 0.02676 U^2 / (wp (1 + 1.5 W0 / wp)^(5/3)), wp = APIPRM U 2 pi / zr
//   5 N.P.D.     S = (320 / 2 pi) u^2 h^0.45 / (1 + f^0.468)^3.5612535,
//                f = (W0 / 2 pi) 172 h^(2/3) / u^0.75, u = VEL 0.05139 (m/s over 10), h = height / 10 m;
//                in metric units always, times 10.764 for English units
//   6 the file "WINDSPEC.txt" (UWNDSPEC)
// VEL is the wind speed in knots: U = VEL 0.5139 m/s, L = 191.0 m, zr = 10.0 m (NUNTS 1), or
// U = VEL 1.6867 ft/s, L = 626.67 ft, zr = 32.81 ft (NUNTS 0). WSPEC_HGT: N.P.D. height, ft or m.
// V_ADJ_RAT (out): 1.0, or for N.P.D. the squared ratio of the 10 m speed to the speed at the height
// (1 / (1 + C ln h))^2, C = 0.0573 sqrt(1 + 1.5 u), 0.0 at or below 1.01 exp(-1 / C).
// A wind speed of 0 gives 0.0 for types 1, 4 and 5 (their limit). NUNTS other than 0 or 1, A.P.I.
// with APIPRM 0 or below, and a WNDTYP outside 1..6 end the run with a message on IOSCRN.
Real WNDSPC(Real W0, Real VEL, Real WNDDEN, Int NUNTS, Int WNDTYP, Real APIPRM, Real WSPEC_HGT, Real& V_ADJ_RAT,
            Int IOSCRN);

// Current speed spectral density at W0 (rad/s) for the current spectrum type CURTYP: 0 steady (0),
// 1 constant (CURDEN), 3 band-limited white (CURDEN up to 0.1257 rad/s, 0 above), any other the
// file "CRNTSPEC.txt" (UCURSPEC).
Real CURSPC(Real W0, Real CURDEN, Int CURTYP, Int IOSCRN);

// The user spectrum of the file USERDAT (12 characters) at W (rad/s), interpolated linearly; 0.0
// outside the table's frequencies, with a warning and the abort question the first time in the run
// ("A" ends the run). Each reader keeps its own table, reads its file on the first call and again
// only for another file name. A missing file, a count above 1000 or below 2, or a read error ends
// the run with a message on IOOUT.
Real UWNDSPEC(Real W, Int IOOUT, std::string_view USERDAT);
Real UCURSPEC(Real W, Int IOOUT, std::string_view USERDAT);

// Reads the spectrum file NAME (trailing blanks no part of it) as UWNDSPEC and UCURSPEC read it,
// keeping nothing: why it cannot be read whole, if it cannot. IOOUT: the console unit.
TableOutcome read_speed_spectrum_file(std::string_view NAME, Int IOOUT);

// Put each reader back to its start: no table, first-time flag set, no warning given.
void reset_uwndspec();
void reset_ucurspec();

}  // namespace brevant

// The user's own motion RAO tables: the file name by creating program and mooring type, the table
// read once per file name and interpolated bilinearly in frequency and relative heading, and the
// unit RAOs that take its place when the file is missing.
#pragma once

#include <string_view>

#include "sysutl/ftypes.h"
#include "sysutl/user_table.h"

namespace brevant {

// Sizes of the kept table and the unit it is read on.
inline constexpr Int kUserRaoFrequencies = 121;
inline constexpr Int kUserRaoHeadings = 145;
inline constexpr Int kUserRaoUnit = 32;

// The table's file name (12 characters, blank-padded to 13) from the creating simulation type
// CREATR and the mooring-system type ISPM.
void USRDATSEL(Int CREATR, Int ISPM, FixedText<13>& USRDAT);

// The six RAOs of the current relative heading RAOANG(IRAO) at every grid frequency, into SGRAO ..
// YWRAO of the motion pool; IW is left at NWP + 1. The table of DATFIL is read when the name
// differs from the last one (or at the first call); rotations given per unit wave slope come out
// per unit wave amplitude (times k), and surge and sway are moved from the centre of gravity to the
// heights of the pitch and roll centres of rotation. A missing file warns and gives unit RAOs
// (treated the same way); an oversized, short or unreadable table, or one whose headings or
// frequencies turn back or repeat, ends the run.
void USRRAO(const FixedText<13>& DATFIL);

// Reads the RAO table file NAME (trailing blanks no part of it) as USRRAO reads it, keeping
// nothing: why it cannot be read whole, if it cannot (Missing: the run goes on with unit RAOs).
// IOOUT: the console unit.
TableOutcome read_user_rao_file(std::string_view NAME, Int IOOUT);

// Bilinear interpolation (and linear extrapolation) of the table CPLXAR (leading dimension 121 by
// heading columns) between frequencies MINW, MINW+1 and headings MINA, MINA+1. NFREQ and NAZ are
// accepted and not used.
void CINTRP4(const Complex* CPLXAR, const Real* WARRAY, const Real* ANGARR, Real WVAL, Real AVAL, Complex& CXOUT,
             Int MINW, Int MINA, Int NFREQ, Int NAZ);

// Six RAOs of modulus 1, phases 45, 105, ..., 345 degrees (surge, sway, heave, roll, pitch, yaw).
// FREQ and WVANGL are accepted and not used.
void UNITRAO(Real FREQ, Real WVANGL, Complex& SGRAO, Complex& SWRAO, Complex& HVRAO, Complex& PTRAO, Complex& RLRAO,
             Complex& YWRAO);

// Back to the state at program start: no table, no file name, the range warning not yet given.
void reset_usrrao();

}  // namespace brevant

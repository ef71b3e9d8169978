// The wind and current force coefficients: one dimensionless coefficient per load component
// (1 surge force Cx, 2 sway force Cy, 3 yaw moment Cz) at one relative angle, from the model chosen
// for that component in a packed model word (user tables, box model, built-in tanker sets,
// cylinder). The caller loads record SINES with TRIGLD at the same angle first and turns the
// coefficient into a load itself (load factor x area, x LWL for the moment).
#pragma once

#include <string_view>

#include "sysutl/ftypes.h"
#include "sysutl/user_table.h"

namespace brevant {

// Headings a user coefficient file may hold.
inline constexpr Int kMaxUserCoefficientPoints = 145;

// Wind coefficient of component IXYZ (1..3), the model being field IXYZ of NIBPAK (LWBARG):
// 1 the wind table of LOWCOF mirrored about the centre line, 2 the user file, 3 the box model,
// 4 the tanker sets blended by LOADED (freeboard-based load %, 32 ballasted, 100 loaded), BOWTYP
// (0 conventional, 1 cylindrical bow) and SIZE (0 small, 1 large tanker), 5 the cylinder.
//   WNDANG          relative wind angle, radians (the angle of the last TRIGLD)
//   XWNDAR, YWNDAR  head-on and beam-on wind areas; XWARM, YWARM their moment arms
//   LWL, BWL        waterline length and beam (BWL is not used)
//   IOSCRN          console unit; ISPM, CREATR choose the name of the user file
// A field with no wind model, or a zero LWL where the moment divides by it, ends the run with an
// " =+> " message and a pause.
Real WINDCF(Int IXYZ, Int NIBPAK, Real LOADED, Real BOWTYP, Real SIZE, Real WNDANG, Real XWNDAR, Real YWNDAR,
            Real XWARM, Real YWARM, Real LWL, Real BWL, Int IOSCRN, Int ISPM, Int CREATR);

// Coefficient LCOMP (1..3) at the wind angle ANGLE (radians) from the user wind file USERDAT
// (13 characters, blank-padded), looked up at ANGLE + 180 degrees without mirroring. The table is
// kept and read again only for another name. IOOUT, IOIN: console and keyboard units.
Real USRWND(Int LCOMP, Real ANGLE, Int IOOUT, Int IOIN, std::string_view USERDAT);

// Current coefficient of component IXYZ (1..3), the model being field IXYZ of NIBPAK (LCBARG):
// 1 the current table of LOWCOF mirrored about the centre line, 2 the user file, 3 the box model,
// 4 the NSMB '91 sets by depth over full-load draft, load and bow, 15 the same with the mean 40 %
// load Cx curve, 5 the extreme cylindrical bow set, 6 the OCIMF '77 sets by depth over draft and
// bow, 7 the cylinder. Cx of types 4, 5, 6 and 15 is scaled by LWL / BWL.
//   LOADED          draft-based load percentage (40 ballast, 100 loaded)
//   BOWTYP          below-water bow factor: 0 conventional with bulb, 1 cylindrical without
//   HOVERD          water depth over draft
//   CURANG          relative current heading, radians (the angle of the last TRIGLD)
//   XCURAR, YCURAR  head-on and beam-on current areas; XCARM, YCARM their levers
//   LWL, BWL        waterline length and beam
//   IOSCRN          console unit; ISPM, CREATR choose the name of the user file
// A field with no current model, or a zero LWL or BWL where the type divides by it, ends the run
// with an " =+> " message and a pause.
Real CRNTCF(Int IXYZ, Int NIBPAK, Real LOADED, Real BOWTYP, Real HOVERD, Real CURANG, Real XCURAR, Real YCURAR,
            Real XCARM, Real YCARM, Real LWL, Real BWL, Int IOSCRN, Int ISPM, Int CREATR);

// Coefficient LCOMP (1..3) at the current heading ANGLE (radians) from the user current file
// USERDAT, as USRWND does for wind, with a cache of its own.
Real USRCRN(Int LCOMP, Real ANGLE, Int IOOUT, Int IOIN, std::string_view USERDAT);

// The user coefficient files of wind (model 2) and current as the models name them for the data of
// the creating program CREATR and mooring-system type ISPM: the buoy (ISPM 2) and tanker (3) of the
// turret-mooring data (CREATR 13), the tug (2) and barge (3) of the towing data (CREATR 10), else
// "WINDCOFS.txt" and "CRNTCOFS.txt". 13 characters, blank-padded.
FixedText<13> wind_coefficient_file(Int CREATR, Int ISPM);
FixedText<13> current_coefficient_file(Int CREATR, Int ISPM);

// Reads the user coefficient file NAME (trailing blanks no part of it) as USRWND and USRCRN read
// it, keeping nothing: why it cannot be read whole, if it cannot. IOOUT: the console unit.
TableOutcome read_user_coefficient_file(std::string_view NAME, Int IOOUT);

// Empty the kept tables of the two readers, as at program start (for tests).
void reset_usrwnd();
void reset_usrcrn();

}  // namespace brevant

// The current profile: speed and heading of the current at a list of depths, built once per run
// from the case's current settings (no current, one-seventh power law, uniform, the data image's
// short table or the file "CRNTPROF.txt") and read by the current averaging and the drag models.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "sysutl/ftypes.h"
#include "sysutl/user_table.h"

namespace brevant {

inline constexpr Int kMaxProfilePoints = 101;
// The current variations with depth (LCSTCR) that take the profile from the data image's short
// table (DPTHI, VELI) and from the user's file, and the file.
inline constexpr Int kProfileFromTable = 2;
inline constexpr Int kProfileFromFile = 3;
inline constexpr std::string_view kCurrentProfileFile = "CRNTPROF.txt";
// Slots of the data image's own profile table (DPTHI, VELI).
inline constexpr Int kImageProfilePoints = 5;

using ProfileArray = FArray<Real, kMaxProfilePoints>;

// The record CURPROF; zero at program start.
struct CurProf {
    Int NCURNTPF;           // points in use, 0..101
    ProfileArray VELIPF;    // current speed at each point, knots (the file's speeds are knots too)
    ProfileArray DPTHIPF;   // depth below still water, positive down, ft or m
    ProfileArray CURHDGPF;  // current heading at each point, degrees, as CURHDG
};

extern CurProf CURPROF;

// Puts CURPROF back to zero and re-arms CURPROF_INIT's first-call flag (a fresh run).
void reset_curprof();

// The one-seventh power-law factor at depth ZTOSURF in water of depth WDEPTH:
// (1 - ZTOSURF / WDEPTH)^(1/7) while that base is positive, else 0.
Real VONE7TH(Real WDEPTH, Real ZTOSURF);

// Builds CURPROF from the data image on the first call of the run; later calls change nothing.
// DRFT_MAX (in): vessel draft, ft or m, for the note on a direction change above it (file only);
// DZMIN (out, first call only): the smallest depth step of the profile, the first depth included;
// IOOUT, IOIN: console and keyboard units of the messages. With the current off, TPCM.CURSPD is
// set to 0.0 for the rest of the run. The file's depths given twice are refused where the run
// looks the profile up between them or at equal first depths: at the depths LOOK_UPS (the run
// passes those of its member drag), or without them at every depth at and below the first point.
void CURPROF_INIT(Real DRFT_MAX, Real& DZMIN, Int IOOUT, Int IOIN);
void CURPROF_INIT(Real DRFT_MAX, Real& DZMIN, Int IOOUT, Int IOIN, const std::vector<Real>& LOOK_UPS);

// The line of the file that holds each point of the profile.
using ProfileLines = std::array<Int, kMaxProfilePoints>;

// Reads the profile file NAME (trailing blanks no part of it; the run reads "CRNTPROF.txt") as
// CURPROF_INIT reads it, keeping nothing: why it cannot be read whole, if it cannot. IOOUT: the
// console unit. Depths given twice are looked for at every depth at and below the first point.
TableOutcome read_current_profile_file(std::string_view NAME, Int IOOUT);

// The same read with the depths LOOK_UPS where the run looks the profile up, keeping the points as
// read (all of them when the outcome is whole) and the line of each.
struct ProfileFileRead {
    TableOutcome outcome;
    CurProf profile{};
    ProfileLines lines{};
};
ProfileFileRead read_current_profile_file(std::string_view NAME, Int IOOUT, const std::vector<Real>& LOOK_UPS);

}  // namespace brevant

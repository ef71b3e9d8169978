// The member words of the data image for a hull built of members: the codes they hold and the
// end points of one member as three-vectors. The words themselves are members of TPCM; the editor
// pages and the member-built hull model both read them.
#pragma once

#include "records/data_image.h"
#include "sysutl/ftypes.h"

namespace brevant {

// Storage exists for this many members, whatever NCYL or MAXCYL say.
inline constexpr Int kMemberCapacity = 50;

// End termination types (BOTTYP, TOPTYP).
inline constexpr Int END_FREE = 0;       // "Free, submerged"
inline constexpr Int END_PIERCING = 1;   // "Water-piercing"
inline constexpr Int END_WALL = 2;       // "Wall terminated"

// Axial cross-section profile (NCYLTP).
inline constexpr Int SECTION_RECTANGULAR = 0;
inline constexpr Int SECTION_ELLIPTIC = 1;
inline constexpr Int SECTION_INTERMEDIATE = 2;

// Added mass/moment option (MASCMP).
inline constexpr Int MASS_USER = 0;
inline constexpr Int MASS_DEEP_WATER = 1;
inline constexpr Int MASS_SURFACE = 2;

// Drag option (DRGCMP): this value asks for the defaults; any other means typed by the user.
inline constexpr Int DRAG_DEFAULT = 1;

// Axis classes of MEMDIR.
inline constexpr Int AXIS_VX = 1;
inline constexpr Int AXIS_VY = 2;
inline constexpr Int AXIS_VZ = 3;
inline constexpr Int AXIS_INCLINED = 4;

// True for a member number that has storage in the table.
inline bool member_has_storage(Int ICYL) { return ICYL >= 1 && ICYL <= kMemberCapacity; }

// The three values (x, y, z or Mx, My, Mz) of member ICYL in a (3, 50) array of the table; the
// component index runs first, so they are three consecutive words.
inline Real* member_triple(FArray<Real, 3, 50>& table, Int ICYL) { return &table(1, ICYL); }
inline const Real* member_triple(const FArray<Real, 3, 50>& table, Int ICYL) { return &table(1, ICYL); }

}  // namespace brevant

// The member table SIMCOM of a member-built hull (semi-submersible or TLP, at most 50 members): per
// member what the force and drag routines need in vessel axes, the square-law drag constants and the
// quasi-linear dampings of the resonance pass. Its builder SEMCHR belongs to the hull model.
#pragma once

#include <cstddef>
#include <type_traits>

#include "sysutl/ftypes.h"

namespace brevant {

// 1,957 words in storage order; zero at program start. Per-member arrays run over members 1 .. 50
// (entries beyond NCYL keep older contents); a (3, 50) array holds x, y, z of each member, a (3, 3, 50)
// array one 3 x 3 matrix per member by columns. Lengths in feet or metres.
struct Simcom {
    Int NPIERCE;                    // 1 members crossing the waterline in the last build
    FArray<Int, 50> LPIERCE;        // 2-51 1 when member i crosses the waterline
    FArray<Int, 50> SIMAVBL;        // 52-101 reserved
    FArray<Real, 50> CYLLEN;        // 102-151 wetted length (x 1.001 for piercing members)
    FArray<Real, 3, 50> DIRVEC;     // 152-301 unit vector of the member axis, base to top, vessel axes
    FArray<Real, 3, 50> CYLCG;      // 302-451 centre of the wetted part
    FArray<Real, 3, 3, 50> FRCCOF;  // 452-901 inertia-force coefficient matrix, vessel axes
    FArray<Real, 3, 3, 50> MNTCOF;  // 902-1351 inertia-moment coefficient matrix, vessel axes
    Real CQRL;                      // 1352 square-law roll drag constant
    Real CQPT;                      // 1353 square-law pitch drag constant
    Real CQHV;                      // 1354 square-law heave drag constant
    Real GAMRL;                     // 1355 quasi-linear roll damping (resonance pass)
    Real GAMPT;                     // 1356 quasi-linear pitch damping
    Real GAMHV;                     // 1357 quasi-linear heave damping
    FArray<Real, 200> SIMDUM;       // 1358-1557 reserved
    FArray<Real, 50> MRWPG2;        // 1558-1607 squared roll gyradius of the waterplane section (piercing members)
    FArray<Real, 50> MPWPG2;        // 1608-1657 squared pitch gyradius of the waterplane section
    FArray<Real, 3, 50> DRGFCF;     // 1658-1807 drag-force factors, vessel axes, per unit wetted length
    FArray<Real, 3, 50> DRGMCF;     // 1808-1957 drag-moment factors, vessel axes
};

static_assert(sizeof(Simcom) == 4 * 1957);
static_assert(std::is_standard_layout_v<Simcom> && std::is_trivially_copyable_v<Simcom>);

static_assert(offsetof(Simcom, NPIERCE) == 4 * (1 - 1));
static_assert(offsetof(Simcom, LPIERCE) == 4 * (2 - 1));
static_assert(offsetof(Simcom, SIMAVBL) == 4 * (52 - 1));
static_assert(offsetof(Simcom, CYLLEN) == 4 * (102 - 1));
static_assert(offsetof(Simcom, DIRVEC) == 4 * (152 - 1));
static_assert(offsetof(Simcom, CYLCG) == 4 * (302 - 1));
static_assert(offsetof(Simcom, FRCCOF) == 4 * (452 - 1));
static_assert(offsetof(Simcom, MNTCOF) == 4 * (902 - 1));
static_assert(offsetof(Simcom, CQRL) == 4 * (1352 - 1));
static_assert(offsetof(Simcom, CQPT) == 4 * (1353 - 1));
static_assert(offsetof(Simcom, CQHV) == 4 * (1354 - 1));
static_assert(offsetof(Simcom, GAMRL) == 4 * (1355 - 1));
static_assert(offsetof(Simcom, GAMPT) == 4 * (1356 - 1));
static_assert(offsetof(Simcom, GAMHV) == 4 * (1357 - 1));
static_assert(offsetof(Simcom, SIMDUM) == 4 * (1358 - 1));
static_assert(offsetof(Simcom, MRWPG2) == 4 * (1558 - 1));
static_assert(offsetof(Simcom, MPWPG2) == 4 * (1608 - 1));
static_assert(offsetof(Simcom, DRGFCF) == 4 * (1658 - 1));
static_assert(offsetof(Simcom, DRGMCF) == 4 * (1808 - 1));

extern Simcom SIMCOM;

// Puts SIMCOM back to all zero (tests start from a fresh record).
void reset_simcom();

}  // namespace brevant

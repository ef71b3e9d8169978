// The record EQUILB: statics and low-frequency results of a run. The load-coefficient preparation
// fills the hull-geometry and external-force members, the analysis core the vessel heading; the
// drift models, the drag routines, the analysis core and the disc buoy read it.
#pragma once

#include <cstddef>
#include <type_traits>

#include "sysutl/ftypes.h"

namespace brevant {

// 490 single-precision members; zero at program start. A member sits at its number in the record;
// numbers without a name are spare until the routines that own them place them (pin a spare slot
// with its offset when adding one).
struct Equilb {
    Real PHIFEX;            // 1 direction of external force 1, radians, atan2(YVFRC, XVFRC)
    Real FEXTRN;            // 2 magnitude of external force 1, force unit of the case
    Real PHIFX2;            // 3 direction of external force 2, radians
    Real FXTRN2;            // 4 magnitude of external force 2
    Real PHIFX3;            // 5 direction of external force 3, radians
    Real FXTRN3;            // 6 magnitude of external force 3
    Real spare_7[35];       // 7-41 spare
    Real FDPTOT;            // 42 magnitude of the further force (DPXFRC, DPYFRC)
    Real PHIFDP;            // 43 its direction, radians
    Real spare_44[23];      // 44-66 spare
    Real YAWARM;            // 67 yaw moment arm of the environmental loads, ft or m
    Real WAVARM;            // 68 moment arm of the wave-drift yaw moment, ft or m
    Real spare_69[4];       // 69-72 spare
    Real WSCALE;            // 73 frequency scale sqrt(G / LWL), rad/s
    Real COTBOW;            // 74 cotangent of the bow entrance half-angle (0 for a blunt bow)
    Real BOWANG;            // 75 bow entrance half-angle, radians (pi/2 for a blunt bow)
    Real spare_76[11];      // 76-86 spare
    Real SINBOW;            // 87 sine of the bow entrance half-angle
    Real BLRAT0;            // 88 beam over length, BWL / LWL
    Real LEFRAT;            // 89 length fraction outside the bow taper, not below 0
    Real MOMCOF;            // 90 yaw moment coefficient of the legacy tanker model
    Real SINSTN;            // 91 sine of the stern half-angle
    Real STRNAN;            // 92 stern half-angle, radians
    Real COTSTN;            // 93 cotangent of the stern half-angle
    Real BOWARM;            // 94 bow lever from midships, fraction of LWL
    Real STRNRM;            // 95 stern lever from midships, fraction of LWL
    Real LEFRT2;            // 96 length fraction outside the bow and stern tapers, not below 0
    Real spare_97[357];     // 97-453 spare
    Real VESANG;            // 454 vessel heading, radians (set by the analysis core)
    Real SWHC;              // 455 significant height of the sea from its spectrum, 4 sqrt(m0), ft or m
    Real BUYNGL;            // 456 buoy heading, radians: the reference of a buoy's line azimuths (SIMTYP 13);
                            //     nothing in this program writes it, so it reads 0
    Real spare_457[34];     // 457-490 spare
};

static_assert(std::is_standard_layout_v<Equilb> && std::is_trivially_copyable_v<Equilb>);
static_assert(sizeof(Equilb) == 4 * 490);
static_assert(offsetof(Equilb, PHIFEX) == 4 * (1 - 1));
static_assert(offsetof(Equilb, FEXTRN) == 4 * (2 - 1));
static_assert(offsetof(Equilb, PHIFX2) == 4 * (3 - 1));
static_assert(offsetof(Equilb, FXTRN2) == 4 * (4 - 1));
static_assert(offsetof(Equilb, PHIFX3) == 4 * (5 - 1));
static_assert(offsetof(Equilb, FXTRN3) == 4 * (6 - 1));
static_assert(offsetof(Equilb, FDPTOT) == 4 * (42 - 1));
static_assert(offsetof(Equilb, PHIFDP) == 4 * (43 - 1));
static_assert(offsetof(Equilb, YAWARM) == 4 * (67 - 1));
static_assert(offsetof(Equilb, WAVARM) == 4 * (68 - 1));
static_assert(offsetof(Equilb, WSCALE) == 4 * (73 - 1));
static_assert(offsetof(Equilb, COTBOW) == 4 * (74 - 1));
static_assert(offsetof(Equilb, BOWANG) == 4 * (75 - 1));
static_assert(offsetof(Equilb, SINBOW) == 4 * (87 - 1));
static_assert(offsetof(Equilb, BLRAT0) == 4 * (88 - 1));
static_assert(offsetof(Equilb, LEFRAT) == 4 * (89 - 1));
static_assert(offsetof(Equilb, MOMCOF) == 4 * (90 - 1));
static_assert(offsetof(Equilb, SINSTN) == 4 * (91 - 1));
static_assert(offsetof(Equilb, STRNAN) == 4 * (92 - 1));
static_assert(offsetof(Equilb, COTSTN) == 4 * (93 - 1));
static_assert(offsetof(Equilb, BOWARM) == 4 * (94 - 1));
static_assert(offsetof(Equilb, STRNRM) == 4 * (95 - 1));
static_assert(offsetof(Equilb, LEFRT2) == 4 * (96 - 1));
static_assert(offsetof(Equilb, VESANG) == 4 * (454 - 1));
static_assert(offsetof(Equilb, SWHC) == 4 * (455 - 1));
static_assert(offsetof(Equilb, BUYNGL) == 4 * (456 - 1));

extern Equilb EQUILB;

// Puts EQUILB back to its start: every member zero.
void reset_equilb();

}  // namespace brevant

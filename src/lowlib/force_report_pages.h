// The low-frequency force report pages: the environmental force and moment summary (net force by
// attack angle in the vessel and the global system), and two bare numeric tables of loads by angle.
#pragma once

#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant {

// The head shared by the net-force pages and the summary page: one "Global Heading of" line for
// each source that is on (wind, current, waves, swell), then, with AUXFRC 1, the external force
// block (GLBVES caption, XVFRC, YVFRC with TUNIT, VESMOMQ with MUNIT). Captions are written at their
// fixed lengths (TUNIT 5, MUNIT 6, GLBVES 16), blank-padded.
void write_force_source_block(Int IOUNIT, std::string_view TUNIT, std::string_view MUNIT, std::string_view GLBVES,
                              Real VESMOMQ);

// Everything the summary page needs; the two writers of it differ only in where these come from.
struct ForceSummaryPage {
    Int IOUNIT = 0;
    Int LANGARRQ = 0;  // 0: uniform angles STARTA + (I - 1) BRVINCQ; otherwise ANGLES
    Int NUMBRVQ = 0;
    Real BRVINCQ = 0.0f;
    Real STARTA = 0.0f;
    const Real* ANGLES = nullptr;  // attack angles, degrees, element 1 first
    const Real* FXTMP = nullptr;
    const Real* FYTMP = nullptr;
    const Real* MZTMP = nullptr;
    Real VESMOMQ = 0.0f;
    std::string_view TUNIT, MUNIT, AUNIT, GLBVES;
    Real XVES = 0.0f;              // the moment reference printed as "Xves"
    Real* HEADING_OUT = nullptr;   // when set, receives each row's heading in radians
};

// The whole summary page: title, source block, moment line, column heads, one row per angle.
void write_force_summary_page(const ForceSummaryPage& page);

// The page words from the arguments of the page writers; XVES and HEADING_OUT are left to the caller.
ForceSummaryPage force_summary_page(Int IOUNIT, Int LANGARRQ, Int NUMBRVQ, Real BRVINCQ, Real STARTA,
                                    const Real* ANGLES, const Real* FXTMP, const Real* FYTMP, const Real* MZTMP,
                                    Real VESMOMQ, std::string_view TUNIT, std::string_view MUNIT,
                                    std::string_view AUNIT, std::string_view GLBVES);

// "X. Environmental Force & Moment Summary" on IOUNIT for the net surge, sway and yaw arrays by
// attack angle, the moments about x = YAWARM (EQUILB).
void WRITE_LF_NET_FRC_PG(Int IOUNIT, Int LANGARRQ, Int NUMBRVQ, Real BRVINCQ, Real STARTA,
                         const Real* GLOB_VES_ATTACK_ANG, const Real* FXTMP, const Real* FYTMP, const Real* MZTMP,
                         Real VESMOMQ, std::string_view TUNIT, std::string_view MUNIT, std::string_view AUNIT,
                         std::string_view GLBVES);

// A count line (1X, I4), then for I = 1 .. NUMBRVQ - 1 the angle ENV_HEADING + attack angle (F8.2)
// and the three loads over STRENGTH^2 when SCALED (E17.8), and a closing line at the last angle with
// the loads of the first. NUMBRVQ below 1 writes the count line only. DELTA_ANG, VESANG_DEG: unused.
void WRITE_LF_FRC_PGS(Int IOUNIT, Int NUMBRVQ, Real DELTA_ANG, const Real* GLOB_VES_ATTACK_ANG, const Real* FXTMP,
                      const Real* FYTMP, const Real* MZTMP, Real STRENGTH, Real ENV_HEADING, Real VESANG_DEG,
                      Logical SCALED);

// A count line (1X, I3), then per angle WNDHDG - attack angle (F8.2) and the three loads over
// WNDSPD^2 (E13.4); with WNDSPD 0 the loads are written unscaled. DELTA_ANG, VESANG_DEG: unused.
void WRITE_LF_WND_FRC_PG(Int IOUNIT, Int NUMBRVQ, Real DELTA_ANG, const Real* BRVHDGQ, const Real* FXTMP,
                         const Real* FYTMP, const Real* MZTMP, Real WNDSPD, Real WNDHDG, Real VESANG_DEG);

}  // namespace brevant

// The member-built hull the member drag tests run: two columns of radius 4 standing on the keel,
// 40 m apart, 20 m draft in 300 m of water, a smooth 4 m sea from ahead on 21 periods, the cylinder
// drift model, and the current of a two-point profile.
#pragma once

#include <cmath>

#include "drift_fixture.h"
#include "lowlib/current_profile.h"
#include "lowlib/drag_entry.h"
#include "records/member_table.h"
#include "records/response_record.h"

namespace brevant::testing {

// The fixture of the member drag tests.
class MemberDragCase : public DriftTest {
protected:
    static constexpr Int NWP = 21;
    FArray<Real, 100> PSD{};

    // A column of radius 4 standing on the keel at (x, y), piercing or ending below the surface.
    static void column(Int i, Real x, Real y, bool piercing) {
        TPCM.RCYLB(1, i) = x;
        TPCM.RCYLB(2, i) = y;
        TPCM.RCYLB(3, i) = -20.0f;
        TPCM.XAREA(i) = 50.265482f;
        TPCM.CYLCD(1, i) = TPCM.CYLCD(2, i) = 1.0f;
        SIMCOM.LPIERCE(i) = piercing ? 1 : 0;
        SIMCOM.CYLLEN(i) = piercing ? 20.02f : 10.0f;
        SIMCOM.DIRVEC(3, i) = 1.0f;
    }

    // A uniform current of KNOTS from HEADING degrees, on a profile of two points (150 m, 300 m).
    static void current(Real knots, Real heading) {
        TPCM.LCURNT = 1;
        TPCM.NUNTS = 1;
        TPCM.CURSPD = knots;
        TPCM.CURHDG = heading;
        CURPROF.NCURNTPF = 2;
        CURPROF.DPTHIPF(1) = 150.0f;
        CURPROF.DPTHIPF(2) = 300.0f;
        CURPROF.VELIPF(1) = CURPROF.VELIPF(2) = knots;
        CURPROF.CURHDGPF(1) = CURPROF.CURHDGPF(2) = heading;
    }

    // The hull, its responses and the sea spectrum PSD on the grid of NWP periods from 4 s by 1 s,
    // with the two piercing columns at y = +-20 m. With RAOS_VARY the horizontal and angular
    // responses change with the frequency (otherwise they are the same at every period). The
    // current is left as it is.
    void set_up_case(bool RAOS_VARY) {
        reset_simcom();
        reset_dragf_semi();
        grid(periods(4.0f, 1.0f, NWP));
        TPCM.DRAFT = 20.0f;
        TPCM.DEPTH = 300.0f;
        TPCM.DWATR = 1025.0f;
        TPCM.LWL = TPCM.BWL = 60.0f;
        TPCM.WVDGCX = TPCM.WVDGCY = TPCM.WVDGCM = 1.0f;
        TPCM.VWDFAC = TPCM.VWDRGFC = 1.0f;
        TPCM.LWVCOF = 0x777;
        TPCM.SEMI_LIKE = 1;
        TPCM.SWHT(1) = 4.0f;
        TPCM.SEAHDG(1) = 180.0f;
        PASCOM.VTCRPS = PASCOM.VTCRRS = 10.0f;
        PASCOM.MENWLX = PASCOM.MENWLY = 4.0f;
        for (Int i = 1; i <= NWP; ++i) {
            const Real w = WAVCOM.W(i);
            PASCOM.RLRAOH2(i, 1) = 1.0f;
            PASCOM.HRAO(i, 1) = 0.3f;
            PASCOM.HOR_WAV_RAO(i, 1) = RAOS_VARY ? Complex(0.2f + 0.1f * w, 0.1f) : Complex(0.2f, 0.1f);
            PASCOM.ANG_WAV_RAO(i, 1) = RAOS_VARY ? Complex(0.002f, 0.001f * w) : Complex(0.002f, 0.0f);
            PSD(i) = 3.0f * std::exp(-8.0f * (w - 0.6f) * (w - 0.6f));
        }
        TPCM.NCYL = 2;
        for (Int i = 1; i <= 2; ++i) column(i, 0.0f, i == 1 ? 20.0f : -20.0f, true);
    }
};

}  // namespace brevant::testing

// The disc buoy's report pages: page I, the site and the buoy's hydrostatics, and page II, its
// natural periods and quasi-linear dampings, unmoored or moor-modified.
#include <string>

#include "records/data_image.h"
#include "records/motion_record.h"
#include "records/wave_record.h"
#include "sysutl/two_pi.h"
#include "sysutl/units.h"
#include "vessels/disc/disc_buoy_hull.h"
#include "vessels/hull_pages.h"

namespace brevant {

namespace {

constexpr int W = 6;

}  // namespace

void DSKSUM() {
    using namespace hull_pages;
    const Int U = TPCM.IUNIT;
    write_page([&] {
        title_box(U, "*****************   I.  PHYSICAL CHARACTERISTICS SUMMARY   *****************");
        blank_led_heading(U, "----  SITE CHARACTERISTICS  ----");
        site_lines(U);
        blank_led_heading(U, "----  VESSEL CHARACTERISTICS  ----");
        hydrostatic_lines(U);
    });
}

void DSKOUT() {
    using namespace hull_pages;
    const Tpcm& P = TPCM;
    const Himem& H = HIMEM;
    const Int U = P.IUNIT;
    const MotionCaptions c = motion_captions(P.NUNTS, P.LSLPHT);
    const Real RHOWTR = WAVCOM.RHOWTR;
    const auto mode_line = [&](const char* label, Real value, const char* caption) {
        write_record(U, period_line(label, value, W, caption));
    };
    // A damping line, its conversion line and an empty line.
    const auto damping = [&](const char* label, Real percent, Real frequency, Real inertia, const std::string& unit) {
        mode_line(label, percent, "PERCENT");
        write_record(U, conversion_line(0.02f * frequency * RHOWTR * inertia, unit));
        write_record(U, "");
    };
    write_page([&] {
        motion_page_head(U, P.AUXVSH, "VOSKARN", " >>>");
        write_record(U, " ");
        empty_lines(U, 2);
        write_record(U, "     ----  NATURAL PERIODS AT ZERO SPEED  ----");
        empty_lines(U, 3);

        const Real TROLQ = kTwoPi / H.WR, TPITQ = kTwoPi / H.WP, THEVQ = kTwoPi / H.WH;
        if (P.MORFBK == 0) {
            mode_line("UNMOORED ROLL PERIOD ...................", TROLQ, "SECONDS");
            mode_line("UNMOORED PITCH PERIOD ..................", TPITQ, "SECONDS");
            mode_line("UNMOORED HEAVE PERIOD ..................", THEVQ, "SECONDS");
        } else if (P.MORFBK == 1) {
            write_record(U, "");
            mode_line("MOOR-MODIFIED ROLL PERIOD ..............", TROLQ, "SECONDS");
            mode_line("MOOR-MODIFIED PITCH PERIOD .............", TPITQ, "SECONDS");
            mode_line("MOOR-MODIFIED HEAVE PERIOD .............", THEVQ, "SECONDS");
            mode_line("MOOR-MODIFIED SURGE PERIOD .............", kTwoPi / H.WSG, "SECONDS");
            mode_line("MOOR-MODIFIED SWAY PERIOD ..............", kTwoPi / H.WSW, "SECONDS");
            mode_line("MOOR-MODIFIED YAW PERIOD ...............", kTwoPi / H.WY, "SECONDS");
        }

        write_record(U, " ");
        empty_lines(U, 2);
        write_record(U, "     ----  QUASI-LINEAR DAMPING COEFFICIENTS  ----");
        empty_lines(U, 3);

        // Computed dampings: the hull's own, and with the mooring term added for the moor-modified
        // form; a damping the user gives replaces both.
        const Real Q3 = 50.0f * H.GAMROL, Q1 = 50.0f * H.GAMPIT, Q2 = 50.0f * H.GAMHEV;
        if (P.MORFBK == 0) {
            damping("UNMOORED ROLL DAMPING ..................", P.LRLDMP != 0 ? P.RLDAMP : Q3, H.WR, H.ROLI, c.ROLDUN);
            damping("UNMOORED PITCH DAMPING .................", P.LPTDMP != 0 ? P.PTDAMP : Q1, H.WP, H.PTCHI, c.ROLDUN);
            damping("UNMOORED HEAVE DAMPING .................", P.LHVDMP != 0 ? P.HVDAMP : Q2, H.WH, H.HVMAS, c.HEVDUN);
        } else if (P.MORFBK == 1) {
            const Real Q3Q = P.LRLDMP != 0 ? P.RLDAMP : 50.0f * P.RLMDMP / (H.WR * RHOWTR * H.ROLI) + Q3;
            const Real Q1Q = P.LPTDMP != 0 ? P.PTDAMP : 50.0f * P.PTMDMP / (H.WP * RHOWTR * H.PTCHI) + Q1;
            const Real Q2Q = P.LHVDMP != 0 ? P.HVDAMP : 50.0f * P.HVMDMP / (RHOWTR * H.WH * H.HVMAS) + Q2;
            const Real SGTMP = P.LSGDMP != 0 ? P.SGMDMP : 50.0f * H.GAMSRG;
            const Real SWTMP = P.LSWDMP != 0 ? P.SWMDMP : 50.0f * H.GAMSWY;
            const Real WYTMP = P.LYWDMP != 0 ? P.YWMDMP : 50.0f * H.GAMYAW;
            write_record(U, "");
            damping("MOOR-MODIFIED ROLL DAMPING .............", Q3Q, kTwoPi / TROLQ, H.ROLI, c.ROLDUN);
            damping("MOOR-MODIFIED PITCH DAMPING ............", Q1Q, kTwoPi / TPITQ, H.PTCHI, c.ROLDUN);
            damping("MOOR-MODIFIED HEAVE DAMPING ............", Q2Q, kTwoPi / THEVQ, H.HVMAS, c.HEVDUN);
            damping("MOOR-MODIFIED SURGE DAMPING ............", SGTMP, H.WSG, H.SGMAS, c.HEVDUN);
            damping("MOOR-MODIFIED SWAY DAMPING .............", SWTMP, H.WSW, H.SGMAS, c.HEVDUN);
            damping("MOOR-MODIFIED YAW DAMPING ..............", WYTMP, H.WY, H.YAWI, c.ROLDUN);
        }
        motion_page_tail(U, c, P.SLPHT, P.DEPTH, P.NUNTS, W);
    });
}

}  // namespace brevant

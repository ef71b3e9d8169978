// The member-built hull's report pages: page I, the hydrostatics as the user entered them and as the
// members give them, and page II, the natural (and, for a moored TLP, moor-modified) periods and the
// member model's quasi-linear dampings.
#include <cmath>
#include <string>

#include "records/data_image.h"
#include "records/member_table.h"
#include "records/motion_record.h"
#include "records/response_record.h"
#include "records/wave_record.h"
#include "sysutl/captions.h"
#include "sysutl/error_exits.h"
#include "sysutl/paging.h"
#include "sysutl/two_pi.h"
#include "sysutl/units.h"
#include "vessels/hull_pages.h"
#include "vessels/semi/member_built_hull.h"

namespace brevant {

namespace {

// The natural period of a mode without its tendon term, or the user's period. A flag other than 0
// counts as "given by the user", as the characteristics step reads it, so the line never shows an
// unset value.
Real untethered_period(Int flag, Real user_period, Real restoring, Real tendon, Real inertia) {
    if (flag != 0) return user_period;
    return kTwoPi / std::sqrt((restoring - tendon) / inertia);
}

}  // namespace

void SEMSUM() {
    using namespace hull_pages;
    Tpcm& P = TPCM;
    const Himem& H = HIMEM;
    const Int U = P.IUNIT;
    const std::string length = CAPUN(P.NUNTS);
    const std::string mass = CAPUN(P.NUNTS + 4);
    const bool tlp = P.SIMTYP == 14 || P.SIMTYP == 17;
    const bool GOT_PHANTOM = tlp || P.LPHANTOM_WGHT == 1;
    const bool console = P.IUNIT == P.EDUNIT;

    auto as_input = [&] {
        PAGE(U, P.EDUNIT, 1, PRINTER_UNIT);
        title_box(U, "*************   I.  PHYSICAL CHARACTERISTICS SUMMARY (AS INPUT)  ***********");
        blank_led_heading(U, "----  SITE CHARACTERISTICS  ----");
        site_lines(U);
        blank_led_heading(U, "----  VESSEL CHARACTERISTICS  ----");
        displacement_lines(U, P.DISPL, P.AWP, P.VKB, P.DRAFT, mass, length);
        write_record(U, "");
        write_record(U, value_line("VERTICAL (Z) KG ", P.VKG, length));
        write_record(U, value_line("LONGITUDINAL (X) CG ", 0.0f, length));
        write_record(U, value_line("TRANSVERSE (Y) CG ", 0.0f, length));
        write_record(U, "");
        gyradius_lines(U, length);
        write_record(U, "");
        metacentre_lines(U, "LONGITUDINAL", 'L', P.VKML - P.VKG, GOT_PHANTOM ? &H.GML : nullptr, P.VKML,
                         H.EVKML - H.EVKB, length);
        write_record(U, "");
        metacentre_lines(U, "TRANSVERSE", 'T', P.VKMT - P.VKG, GOT_PHANTOM ? &H.GMT : nullptr, P.VKMT,
                         H.EVKMT - H.EVKB, length);
        write_record(U, "");
        write_record(U, angle_line("TRIM ANGLE ", P.TRIMDG));
        write_record(U, angle_line("HEEL ANGLE ", P.HEELDG));
    };

    auto as_estimated = [&] {
        PAGE(U, P.EDUNIT, 1, PRINTER_UNIT);
        title_box(U, "***********   I.  PHYSICAL CHARACTERISTICS SUMMARY (AS ESTIMATED)  *********");
        blank_led_heading(U, "----  VESSEL CHARACTERISTICS  ----");
        if (tlp) write_record(U, value_line("VERTICAL PULL-DOWN ", PASCOM.DELTA_DRAFT, length));
        displacement_lines(U, H.EDISPL, P.AWPEST, P.VCBEST, H.EDRAFT, mass, length);
        write_record(U, "");
        write_record(U, value_line("EQUIVALENT VERTICAL KG ", H.EVKG, length));
        write_record(U, value_line("FORWARD (X) KB ", P.XCBEST, length));
        write_record(U, value_line("LATERAL (Y) KB ", P.YCBEST, length));
        write_record(U, "");
        write_record(U, value_line("FORWARD (X) WATERPLANE CENTROID  ", P.XWPCTR, length));
        write_record(U, value_line("LATERAL (Y) WATERPLANE CENTROID  ", P.YWPCTR, length));
        write_record(U, "");
        // The estimated metacentres are reported against the input KG.
        const Real kml = P.GMLEST + H.EVKG;
        const Real kmt = P.GMTEST + H.EVKG;
        metacentre_lines(U, "LONGITUDINAL", 'L', kml - P.VKG, GOT_PHANTOM ? &P.GMLEST : nullptr, kml, kml - P.VCBEST,
                         length);
        write_record(U, value_line("PITCH CENTER OF ROTATION ", H.VTCRP, length));
        write_record(U, "");
        metacentre_lines(U, "TRANSVERSE", 'T', kmt - P.VKG, GOT_PHANTOM ? &P.GMTEST : nullptr, kmt, kmt - P.VCBEST,
                         length);
        write_record(U, value_line("ROLL CENTER OF ROTATION ", H.VTCRR, length));
    };

    // A page command at either pause writes the whole page again from its first half; a page on a
    // file is written once.
    for (;;) {
        as_input();
        if (console) {
            PRSRET(P.EDUNIT, KBD_UNIT, P.LBACK);
            if (P.LBACK <= -1) continue;
        }
        as_estimated();
        if (!console) return;
        PRSRET(P.EDUNIT, KBD_UNIT, P.LBACK);
        if (P.LBACK > -1) return;
    }
}

void SEMOUT() {
    using namespace hull_pages;
    const Tpcm& P = TPCM;
    const Himem& H = HIMEM;
    const Pascom& S = PASCOM;
    const Int U = P.IUNIT;
    constexpr int W = 7;
    const MotionCaptions c = motion_captions(P.NUNTS, P.LSLPHT);
    const Real RHOWTR = WAVCOM.RHOWTR;
    const bool moored = P.SIMTYP == 17;
    write_page([&] {
        motion_page_head(U, P.AUXVSH, "PELMARO");
        periods_heading(U);
        Real TROLQ = 0.0f, TPITQ = 0.0f, THEVQ = 0.0f;
        if (moored) {
            // The natural periods leave the tendons out.
            TROLQ = untethered_period(P.LRLPRD, P.ROLPRD, H.RRMT, S.RTENDN, H.ROLI);
            TPITQ = untethered_period(P.LPTPRD, P.PITPRD, H.PRMT, S.PTENDN, H.PTCHI);
            THEVQ = untethered_period(P.LHVPRD, P.HEVPRD, H.HC, S.HTENDN, H.HVMAS);
        } else {
            TROLQ = kTwoPi / H.WR;
            TPITQ = kTwoPi / H.WP;
            THEVQ = kTwoPi / H.WH;
        }
        write_record(U, period_line("NATURAL ROLL PERIOD ....................", TROLQ, W, "SECONDS"));
        write_record(U, period_line("NATURAL PITCH PERIOD ...................", TPITQ, W, "SECONDS"));
        write_record(U, period_line("NATURAL HEAVE PERIOD ...................", THEVQ, W, "SECONDS"));
        Real WRQ = H.WR, WPQ = H.WP, WHQ = H.WH;
        if (moored) {
            TROLQ = kTwoPi / H.WR;
            TPITQ = kTwoPi / H.WP;
            THEVQ = kTwoPi / H.WH;
            write_record(U, "");
            write_record(U, period_line("MOOR-MODIFIED ROLL PERIOD ..............", TROLQ, W, "SECONDS"));
            write_record(U, period_line("MOOR-MODIFIED PITCH PERIOD .............", TPITQ, W, "SECONDS"));
            write_record(U, period_line("MOOR-MODIFIED HEAVE PERIOD .............", THEVQ, W, "SECONDS"));
            WRQ = kTwoPi / TROLQ;
            WPQ = kTwoPi / TPITQ;
            WHQ = kTwoPi / THEVQ;
        }
        const Simcom& M = SIMCOM;
        damping_heading(U);
        write_record(U, period_line("NATURAL ROLL DAMPING ...................", 50.0f * M.GAMRL, W, "PERCENT"));
        write_record(U, conversion_line(0.02f * WRQ * RHOWTR * H.ROLI, c.ROLDUN));
        write_record(U, "");
        write_record(U, period_line("NATURAL PITCH DAMPING ..................", 50.0f * M.GAMPT, W, "PERCENT"));
        write_record(U, conversion_line(0.02f * WPQ * RHOWTR * H.PTCHI, c.ROLDUN));
        write_record(U, "");
        write_record(U, period_line("NATURAL HEAVE DAMPING ..................", 50.0f * M.GAMHV, W, "PERCENT"));
        write_record(U, conversion_line(0.02f * WHQ * RHOWTR * H.HVMAS, c.HEVDUN));
        write_record(U, "");
        motion_page_tail(U, c, P.SLPHT, P.DEPTH, P.NUNTS, W);
    });
}

}  // namespace brevant

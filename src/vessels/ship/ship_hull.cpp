// The ship's report pages: page I, the physical characteristics of the vessel and of the
// dynamically similar box that stands for it, and page II, its natural periods and quasi-linear
// dampings. The characteristics, forces and RAO entry points live in ship_characteristics.cpp,
// ship_forces.cpp and ship_raos.cpp.
#include "vessels/ship/ship_hull.h"

#include <string>

#include "records/data_image.h"
#include "records/motion_record.h"
#include "records/wave_record.h"
#include "sysutl/captions.h"
#include "sysutl/two_pi.h"
#include "sysutl/units.h"
#include "vessels/hull_pages.h"
#include "vessels/ship/ship_fits.h"

namespace brevant {

namespace {


void section_heading(Int unit, const std::string& title) {
    hull_pages::empty_lines(unit, 2);
    write_record(unit, "     " + title);
    hull_pages::empty_lines(unit, 2);
}

}  // namespace

void SHPSUM() {
    using namespace hull_pages;
    const Tpcm& P = TPCM;
    const Himem& H = HIMEM;
    const Int U = P.IUNIT;
    const std::string length = CAPUN(P.NUNTS);
    write_page([&] {
        title_box(U, "*****************   I.  PHYSICAL CHARACTERISTICS SUMMARY   *****************");
        section_heading(U, "----  SITE CHARACTERISTICS  ----");
        site_lines(U);
        section_heading(U, "----  VESSEL CHARACTERISTICS  ----");
        hydrostatic_lines(U);
        section_heading(U, "----  DYNAMICALLY SIMILAR BOX CHARACTERISTICS  ----");
        write_record(U, value_line("BOX LENGTH ", H.SHIPL, length));
        write_record(U, value_line("BOX WIDTH ", H.BEAM, length));
        write_record(U, value_line("BOX DRAFT ", H.EDRAFT, length));
        write_record(U, "");
        write_record(U, angle_line("TRIM ANGLE ", P.TRIMDG));
        write_record(U, angle_line("HEEL ANGLE ", P.HEELDG));
    });
}

void SHPOUT() {
    using namespace hull_pages;
    const Tpcm& P = TPCM;
    const Himem& H = HIMEM;
    const Int U = P.IUNIT;
    constexpr int W = 6;
    const MotionCaptions c = motion_captions(P.NUNTS, P.LSLPHT);
    const Real RHOWTR = WAVCOM.RHOWTR;
    write_page([&] {
        motion_page_head(U, P.AUXVSH, "KORVELL");
        periods_heading(U);
        write_record(U, period_line("NATURAL ROLL PERIOD ....................", kTwoPi / H.WR, W, "SECONDS"));
        write_record(U, period_line("NATURAL PITCH PERIOD ...................", kTwoPi / H.WP, W, "SECONDS"));
        write_record(U, period_line("NATURAL HEAVE PERIOD ...................", kTwoPi / H.WH, W, "SECONDS"));

        // The box's pitch and heave dampings at their natural frequencies, read off the fits at
        // the wave numbers of the nearest grid periods; a damping the user gives replaces only
        // the printed percentage.
        Real A33 = 0.0f, A55 = 0.0f, B33 = 0.0f, B55 = 0.0f;
        Real X = H.RLDUM(H.LCNWK + H.JP - 1) * H.XSCALE;
        DPMAS0(A33, A55, B33, B55, H.WP, X, H.HCONST, H.HMAS0, H.HMSRAT, H.PCONST, H.PMAS0, H.PMSRAT);
        const Real Q1 = P.LPTDMP == 0 ? 50.0f * B55 / (H.PTCHI * H.WP) : P.PTDAMP;
        X = H.RLDUM(H.LCNWK + H.JH - 1) * H.XSCALE;
        DPMAS0(A33, A55, B33, B55, H.WH, X, H.HCONST, H.HMAS0, H.HMSRAT, H.PCONST, H.PMAS0, H.PMSRAT);
        const Real Q2 = P.LHVDMP == 0 ? 50.0f * B33 / (H.HVMAS * H.WH) : P.HVDAMP;
        const Real Q3 = P.LRLDMP == 0 ? 50.0f * H.GAMROL : P.RLDAMP;

        damping_heading(U);
        write_record(U, period_line("NATURAL ROLL DAMPING IN BEAM WAVES .....", Q3, W, "PERCENT"));
        write_record(U, conversion_line(0.02f * H.WR * RHOWTR * H.ROLI, c.ROLDUN));
        write_record(U, "");
        write_record(U, period_line("NATURAL PITCH DAMPING IN HEAD WAVES ....", Q1, W, "PERCENT"));
        write_record(U, conversion_line(0.02f * H.WP * RHOWTR * H.PTCHI, c.ROLDUN));
        write_record(U, "");
        write_record(U, period_line("NATURAL HEAVE DAMPING ..................", Q2, W, "PERCENT"));
        write_record(U, conversion_line(0.02f * H.WH * RHOWTR * H.HVMAS, c.HEVDUN));
        write_record(U, "");
        motion_page_tail(U, c, P.SLPHT, P.DEPTH, P.NUNTS, W);
    });
}

}  // namespace brevant

// Page 7, the external force and moment: the switch, the two force components and the moment, the
// axes of the force, the point of application, and the page's help screens.
#include "edlib/pages/external_force_page.h"

#include <span>
#include <string>
#include <string_view>

#include "edlib/pages/vessel_pages.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "sysutl/captions.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/page_loop.h"
#include "sysutl/paging.h"
#include "sysutl/toggles.h"
#include "sysutl/units.h"
#include "sysutl/value_entry.h"

namespace brevant {

namespace {

constexpr std::string_view kSwitchNote[] = {
    "",
    "     A constant force and moment, acting in either the vessel or the",
    "     global coordinate system, can be specified to simulate thrusters,",
    "     tugboats, or constant-tension lines running to a fixed point on",
    "     the earth.",
};
constexpr std::string_view kApplicationNote[] = {
    "",
    "     The moment and the (x, y) components of the net force are",
    "     applied at the point specified on the vessel. The coordinates of",
    "     that point are given in the vessel coordinate system, which is",
    "     right-handed: x positive towards the bow, y positive to port",
    "     (left when facing the bow) and z positive upwards.",
    "     The plan-view origin of the system is at the vessel center of",
    "     gravity.",
};
constexpr std::string_view kMomentNote[] = {
    "",
    "     Any force that does not act through the center of gravity",
    "     automatically produces a moment about it. The moment specified",
    "     on this page is independent of that moment: it acts in addition",
    "     to any moment that results from the applied force and its point",
    "     of application.",
};
constexpr std::string_view kAxesNote[] = {
    "",
    "     The applied force can be given in either the vessel or the",
    "     global coordinate system.",
    "     A thruster fixed to the vessel should use the vessel-fixed",
    "     system.",
    "     A tugboat pulling in a constant direction fixed to the earth",
    "     should use the global system.",
};

void blank_line(Int unit) { write_record(unit, ""); }

std::string unit_caption(Int base) { return unit_caption_as_flagged(base, TPCM.NUNTS); }

std::string moment_caption() { return TPCM.NUNTS == 1 ? " ton-meters" : " k. ft-lbs "; }

void write_value_line(Int unit, std::string_view label, Real value, const std::string& caption) {
    write_record(unit, Record().put(label).F(value, 11, 2).A(caption, 16).str());
}

// The value items 2, 3, 4, 6 and 7, drawn alike on the page and before their prompt.
void write_item(Int unit, Int item) {
    switch (item) {
        case 2:
            write_value_line(unit, " 2) X force component ........................", TPCM.XVFRC, unit_caption(0));
            break;
        case 3:
            write_value_line(unit, " 3) Y force component ........................", TPCM.YVFRC, unit_caption(0));
            break;
        case 4:
            write_record(unit, Record()
                                   .put(" 4) Applied moment (force couple) value ......")
                                   .E(TPCM.VESMOM, 11, 3)
                                   .A(moment_caption(), 11)
                                   .str());
            break;
        case 6:
            write_value_line(unit, " 6) Applied force X-coordinate (from c.g.) ...", TPCM.XVLOC, unit_caption(7));
            break;
        case 7:
            write_value_line(unit, " 7) Applied force Y-coordinate (from c.g.) ...", TPCM.YVLOC, unit_caption(7));
            break;
        default: break;
    }
}

Real& item_word(Int item) {
    switch (item) {
        case 2: return TPCM.XVFRC;
        case 3: return TPCM.YVFRC;
        case 4: return TPCM.VESMOM;
        case 6: return TPCM.XVLOC;
        default: return TPCM.YVLOC;
    }
}

void draw_page(Int unit, std::string_view PAGE, std::string_view TUGBAR) {
    write_record(unit, Record()
                           .t(4)
                           .put("****  Page ")
                           .put(PAGE)
                           .put(": ")
                           .put(TUGBAR)
                           .put(" External Force/Moment ")
                           .put("Specification  ****")
                           .str());
    blank_line(unit);
    blank_line(unit);
    write_record(unit, " 1) Simulate constant force/moment on vessel: " + fmt_A(YESNO(TPCM.AUXFRC), 5));
    if (TPCM.AUXFRC == 0) return;
    blank_line(unit);
    write_item(unit, 2);
    write_item(unit, 3);
    write_item(unit, 4);
    write_record(unit, std::string(" 5) Auxiliary force components defined in ") +
                           (TPCM.CRDSYS == 1 ? "<<vessel>>" : "<<global>>") + " coordinate system");
    blank_line(unit);
    // The point of application is always in vessel axes, whatever axes the force is given in.
    write_record(unit, "   ++> Coordinates of Applied Force are in <<vessel>> system");
    blank_line(unit);
    write_item(unit, 6);
    write_item(unit, 7);
}

void help_heading(Int IOSCRN, std::string_view heading, std::string_view items) {
    blank_line(IOSCRN);
    write_record(IOSCRN, std::string(heading).append(items));
}

constexpr std::string_view kOneItem = " ++> Item Number  ";
constexpr std::string_view kItemRange = " ++> Item Numbers ";

}  // namespace

void EXTFHP(Int IOSCRN, Int KBD, Int& LINE) {
    CLEAR(IOSCRN);
    write_record(IOSCRN, Record().t(18).put("****  Vessel Environmental Load Notes  ****").str());
    if (LINE == 0) {
        help_heading(IOSCRN, kOneItem, "1");
        write_records(IOSCRN, kSwitchNote);
        PRSRET(IOSCRN, KBD, LINE);
        CLEAR(IOSCRN);
        help_heading(IOSCRN, kItemRange, "2 -> 4");
        write_records(IOSCRN, kApplicationNote);
        write_records(IOSCRN, kMomentNote);
        PRSRET(IOSCRN, KBD, LINE);
        CLEAR(IOSCRN);
        help_heading(IOSCRN, kOneItem, "5");
        write_records(IOSCRN, kAxesNote);
        help_heading(IOSCRN, kItemRange, "6 -> 7");
        write_records(IOSCRN, kApplicationNote);
        PRSRET(IOSCRN, KBD, LINE);
        return;
    }
    help_heading(IOSCRN, kOneItem, fmt_I(LINE, 2));
    if (LINE == 1) {
        write_records(IOSCRN, kSwitchNote);
    } else if (LINE >= 2 && LINE <= 4) {
        write_records(IOSCRN, kApplicationNote);
        write_records(IOSCRN, kMomentNote);
    } else if (LINE == 5) {
        write_records(IOSCRN, kAxesNote);
    } else if (LINE == 6 || LINE == 7) {
        write_records(IOSCRN, kApplicationNote);
    } else {
        // Beyond the items, and a negative number typed after "?", have no note.
        write_record(IOSCRN, " ++> Sorry, no help for this line...");
        blank_line(IOSCRN);
    }
    PRSRET(IOSCRN, KBD, LINE);
}

void EXTFRC(std::string_view PAGE, std::string_view TUGBAR) {
    PageParts parts;
    parts.draw = [&](Int unit) { draw_page(unit, PAGE, TUGBAR); };
    parts.help = [](Int unit) { EXTFHP(unit, KBD_UNIT, TPCM.IPAG); };
    // Items 2 to 7 exist only while the force is on; their values stay stored while it is off.
    parts.switch_item = 1;
    parts.switch_word = &TPCM.AUXFRC;
    parts.act = [](Int choice, Int unit) {
        if (choice > 7) return PageStep::Stay;
        if (choice == 5) {
            TOGGLE3(TPCM.CRDSYS, TPCM.IBATCH, unit, KBD_UNIT, "Vessel", "Global");
            return PageStep::Stay;
        }
        if (choice == 2 || choice == 6) blank_line(unit);
        write_item(unit, choice);
        ENTERF(item_word(choice), unit, KBD_UNIT);
        return PageStep::Stay;
    };
    run_page({TPCM.EDUNIT, TPCM.LCOPY, TPCM.LBACK, TPCM.IPAG, TPCM.IBATCH}, parts);
}

}  // namespace brevant

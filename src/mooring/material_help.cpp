// The line-material calculator: weight, breaking strength and compliance of a subline estimated from
// its diameter and a built-in table of materials, and its three notes pages.
#include <cmath>
#include <string>
#include <string_view>

#include "mooring/curve_fit.h"
#include "mooring/help_facility.h"
#include "sysutl/answers.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/paging.h"
#include "sysutl/units.h"
#include "sysutl/value_entry.h"

namespace brevant {

namespace {

// One slot of the material table. Slots that are not offered hold no material.
struct Material {
    std::string_view caption;  // empty: never offered
    Real WIA;                  // weight in air per unit length per squared diameter (lb/ft/in^2)
    Real SPG;                  // specific gravity
    Real BC1, BC2;             // breaking strength BC1 D^BC2 (kips, D in inches)
    Real ELAS[3];              // strain at the fraction T/TB of the breaking strength: powers 1..3
};

constexpr Material kMaterials[20] = {
    {"Stud-link chain (generic O.R.Q.; 1975)", 10.0f, 7.82f, 107.8f, 2.0f, {0.00948f, 0.0f, 0.0f}},
    {"Stud-link chain (Ramnas  O.R.Q.; 1994)", 9.5f, 7.82f, 101.3f, 2.0f, {0.00695f, 0.0f, 0.0f}},
    {"Studless Grade RQ4 Chain", 8.67f, 7.82f, 101.3f, 2.0f, {0.007548f, 0.0f, 0.0f}},
    {"Inextensible stud-link chain", 10.0f, 7.82f, 107.8f, 2.0f, {0.0f, 0.0f, 0.0f}},
    {"", 0.0f, 0.0f, 0.0f, 0.0f, {0.0f, 0.0f, 0.0f}},
    {"I.W.R.C. wire rope (O.R.Q.)", 1.856f, 6.03f, 91.9f, 2.0f, {0.013f, 0.0f, 0.0f}},
    {"Brydon spiral strand wire rope (unsheathed)", 2.16f, 7.93f, 123.1f, 1.981f, {0.008868f, 0.0f, 0.0f}},
    {"Brydon spiral strand wire rope (unsheathed; remodeled 1995)", 2.16f, 7.93f, 174.0f, 1.77f,
     {0.009524f, 0.0f, 0.0f}},
    {"", 0.0f, 0.0f, 0.0f, 0.0f, {0.0f, 0.0f, 0.0f}},
    {"", 0.0f, 0.0f, 0.0f, 0.0f, {0.0f, 0.0f, 0.0f}},
    {"Kevlar stranded rope (Samson)", 0.26f, 1.42f, 60.0f, 2.0f, {0.0223f, 0.0f, 0.0f}},
    {"Braided nylon rope (Samson \"two-in-one\")", 0.29f, 1.14f, 38.38f, 1.791f, {0.811f, -0.584f, 0.154f}},
    {"Samson Nystron rope", 0.316f, 1.24f, 42.18f, 1.792f, {0.509f, -0.308f, 0.083f}},
    {"Vermeire 100% polyester braided rope", 0.306f, 1.38f, 33.09f, 1.861f, {0.676f, -0.42f, 0.112f}},
    {"Vermeire \"Monogrip\" 100% polypropylene rope", 0.172f, 0.9f, 17.62f, 1.821f, {0.509f, -0.296f, 0.076f}},
    {"Vermeire manilla rope", 0.34f, 1.42f, 52.12f, 1.717f, {0.313f, -0.176f, 0.043f}},
    {"", 0.0f, 0.0f, 0.0f, 0.0f, {0.0f, 0.0f, 0.0f}},
    {"", 0.0f, 0.0f, 0.0f, 0.0f, {0.0f, 0.0f, 0.0f}},
    {"", 0.0f, 0.0f, 0.0f, 0.0f, {0.0f, 0.0f, 0.0f}},
    {"", 0.0f, 0.0f, 0.0f, 0.0f, {0.0f, 0.0f, 0.0f}},
};

// Specific gravity of the medium: air, fresh water, sea water.
constexpr Real WCOEFF[3] = {0.0f, 1.0f, 1.025f};

bool offered(Int n) { return n >= 1 && n <= 16 && !kMaterials[n - 1].caption.empty(); }

constexpr std::string_view kTitle = "****  Material Properties Help Notes  ****";

void write_lines(Int IOSCRN, std::initializer_list<std::string_view> lines) {
    for (std::string_view l : lines) write_record(IOSCRN, l);
}

void notes_heading(Int IOSCRN) {
    CLEAR(IOSCRN);
    write_record(IOSCRN, kTitle);
    write_record(IOSCRN, "");
}

void item_heading(Int IOSCRN, Int item) { write_record(IOSCRN, " ++> Item Number  " + std::to_string(item)); }

void sorry(Int IOSCRN) { write_record(IOSCRN, " ++> Sorry, no help for this line..."); }

void wait(Int IOSCRN, Int KBD) {
    Int LBACK = 0;
    PRSRET(IOSCRN, KBD, LBACK);
}

bool compliance_note(Int IOSCRN, Int item) {
    switch (item) {
        case 1:
            write_lines(IOSCRN, {"     A user-supplied array of (tension,elongation) data",
                                 "     points will be used to estimate the three required compliance",
                                 "     coefficients. Tension values must be given",
                                 "     in simulation-consistent units (kips or metric tons);",
                                 "     elongation values are decimal fractions (an",
                                 "     elongation of 10% is entered as 0.1).",
                                 "     (0,0) is automatically included; no zero values of",
                                 "     tension or elongation will be accepted."});
            return true;
        case 2:
            write_lines(IOSCRN, {"     A built-in database covering a number of important line",
                                 "     types will be used.",
                                 "     In this database, chain, wire rope and kevlar exhibit",
                                 "     Hooke's law (linear stress-strain characteristic)",
                                 "     behaviour, with a single nonzero compliance coefficient;",
                                 "     the other synthetics have three distinct coefficients."});
            return true;
        default:
            return false;
    }
}

bool type_note(Int IOSCRN, Int item) {
    switch (item) {
        case 1:
            write_lines(IOSCRN, {"     Oil Rig Quality chain data compiled from various",
                                 "     sources by Velmora; circa 1975."});
            return true;
        case 2:
            write_lines(IOSCRN, {"     Oil Rig Quality chain data from the Ramnas catalogue;", "     circa 1994."});
            return true;
        case 3:
            write_lines(IOSCRN, {"     Studless Grade RQ4 Chain from 1993 Vicinay Cadenas, S.A.", "     catalogue."});
            return true;
        case 4:
            write_lines(IOSCRN, {"     This chain does not stretch under tension. It is useful for",
                                 "     comparing simulation results with data in which the",
                                 "     elasticity of the material is neglected."});
            return true;
        case 6:
            write_lines(IOSCRN, {"     Oil Rig Quality wire rope data compiled from various sources."});
            return true;
        case 7:
            write_lines(IOSCRN, {"     Brydon data for blocked, unsheathed spiral strand wire rope;",
                                 "     the model before 1995."});
            return true;
        case 8:
            write_lines(IOSCRN, {"     Brydon data for blocked, unsheathed spiral strand wire rope;",
                                 "     the 1995 revision."});
            return true;
        case 11:
            write_lines(IOSCRN, {"     Samson Kevlar stranded rope; has a Dacron protective",
                                 "     sheath. Data from Samson for wet rope (ca 1983)."});
            return true;
        case 12:
            write_lines(IOSCRN, {"     Data from Samson for wet rope (ca 1983)."});
            return true;
        case 13:
            write_lines(IOSCRN, {"     Samson Nystron rope is a nylon-polyester composite with",
                                 "     a Dacron sheath. Data from Samson for wet rope (ca 1983)."});
            return true;
        case 14:
        case 15:
        case 16:
            write_lines(IOSCRN, {"     Data from Vermeire; ca 1985."});
            return true;
        default:
            return false;
    }
}

// The type menu: three groups, numbers right-aligned in three columns.
void type_menu(Int EDUNIT) {
    struct Group {
        std::string_view title;
        Int first, last;
    };
    constexpr Group groups[3] = {{"        >>> Chain Types <<<", 1, 4},
                                 {"        >>> Wire Rope Types <<<", 6, 8},
                                 {"        >>> Synthetic Rope Types <<<", 11, 16}};
    for (const Group& g : groups) {
        write_record(EDUNIT, g.title);
        write_record(EDUNIT, "");
        for (Int n = g.first; n <= g.last; ++n) {
            write_record(EDUNIT, fmt_I(n, 3) + ") " + std::string(kMaterials[n - 1].caption));
        }
        write_record(EDUNIT, "");
    }
}

}  // namespace

void HELP(Real& WLNGTH, Real* ALPHA, Int NUNTS, Real OD, Int IFLAG, Int EDUNIT, Int KBD) {
    if (IFLAG < 0 || IFLAG > 3) return;
    const std::string_view header = IFLAG == 2   ? "***  Help for breaking strengths  ***"
                                    : IFLAG == 1 ? "***  Help for line compliance coefficients  ***"
                                                 : "***  Help for line weight/length  ***";
    Int IPAG = 0;
    Int NUM = 0;
    Int NUM1 = 1;

    // The first screen, where something is asked before the type: the compliance source or the medium.
    while (IFLAG == 0 || IFLAG == 1) {
        CLEAR(EDUNIT);
        write_record(EDUNIT, header);
        write_record(EDUNIT, "");
        if (IFLAG == 1) {
            write_record(EDUNIT, " 1) User-specified stress/strain curve");
            write_record(EDUNIT, " 2) Built-in compliance coefficients");
            ENTSEL(NUM, EDUNIT, KBD, IPAG);
            if (NUM == NAV_HELP) {
                HHLP1(EDUNIT, KBD, IPAG);
                continue;
            }
            if (NUM < 1) return;
            if (NUM == 1) {
                FITCRV(ALPHA, EDUNIT, KBD);
                return;
            }
            if (NUM > 2) continue;
        } else if (IFLAG == 0) {
            NUM1 = 1;
            write_record(EDUNIT, "   >>> Select submergence medium:");
            write_record(EDUNIT, "");
            write_record(EDUNIT, " 1) Air");
            write_record(EDUNIT, " 2) Freshwater");
            write_record(EDUNIT, " 3) Seawater");
            ENTSEL(NUM1, EDUNIT, KBD, IPAG);
            if (NUM1 == NAV_HELP) {
                HHLP2(EDUNIT, KBD, IPAG);
                continue;
            }
            if (NUM1 < 1) return;
            if (NUM1 > 3) continue;
        }
        break;
    }

    // The type menu under the header of the help in progress.
    for (;;) {
        CLEAR(EDUNIT);
        write_record(EDUNIT, header);
        write_record(EDUNIT, "");
        type_menu(EDUNIT);
        ENTSEL(NUM, EDUNIT, KBD, IPAG);
        if (NUM == NAV_HELP) {
            HHLP3(EDUNIT, KBD, IPAG);
            continue;
        }
        if (NUM < 1) return;
        if (!offered(NUM)) continue;
        break;
    }

    const Material& m = kMaterials[NUM - 1];
    const bool metric = NUNTS == 1;
    if (IFLAG == 0 || IFLAG == 3) {
        Real w = 0.001f * m.WIA * OD * OD;
        if (IFLAG == 0) w = (m.SPG - WCOEFF[NUM1 - 1]) / m.SPG * 0.001f * m.WIA * OD * OD;
        if (metric) w *= 0.00231f;
        WLNGTH = w;
        return;
    }
    const Real ODP = metric ? OD / 25.4f : OD;
    const Real TB = m.BC1 * std::pow(ODP, m.BC2);
    WLNGTH = metric ? TB / 2.204f : TB;
    if (IFLAG == 2) return;
    ALPHA[0] = m.ELAS[0] / TB;
    ALPHA[1] = m.ELAS[1] / (TB * TB);
    ALPHA[2] = m.ELAS[2] / (TB * TB * TB);
    if (metric) {
        ALPHA[0] *= 2.204f;
        ALPHA[1] *= 4.858f;
        ALPHA[2] *= 10.706f;
    }
}

void HHLP1(Int IOSCRN, Int KBD, Int LINE) {
    notes_heading(IOSCRN);
    if (LINE != 0) {
        item_heading(IOSCRN, LINE);
        if (!compliance_note(IOSCRN, LINE)) sorry(IOSCRN);
    } else {
        for (Int item = 1; item <= 2; ++item) {
            item_heading(IOSCRN, item);
            compliance_note(IOSCRN, item);
            write_record(IOSCRN, "");
        }
    }
    wait(IOSCRN, KBD);
}

void HHLP2(Int IOSCRN, Int KBD, Int LINE) {
    notes_heading(IOSCRN);
    if (LINE == 0) {
        write_record(IOSCRN, " ++> Item Numbers 1 -> 3");
    } else {
        item_heading(IOSCRN, LINE);
    }
    if (LINE >= 0 && LINE <= 3) {
        write_lines(IOSCRN, {"     Weight per unit length will be estimated from the",
                             "     built-in database for the indicated medium and the",
                             "     specified line type and diameter."});
    } else {
        sorry(IOSCRN);
    }
    wait(IOSCRN, KBD);
}

void HHLP3(Int IOSCRN, Int KBD, Int LINE) {
    notes_heading(IOSCRN);
    if (LINE != 0) {
        item_heading(IOSCRN, LINE);
        if (!type_note(IOSCRN, LINE)) sorry(IOSCRN);
        wait(IOSCRN, KBD);
        return;
    }
    struct Screen {
        Int first, last;
    };
    constexpr Screen screens[4] = {{1, 4}, {6, 8}, {11, 13}, {14, 16}};
    for (std::size_t s = 0; s < 4; ++s) {
        if (s > 0) notes_heading(IOSCRN);
        for (Int item = screens[s].first; item <= screens[s].last; ++item) {
            item_heading(IOSCRN, item);
            type_note(IOSCRN, item);
            write_record(IOSCRN, "");
        }
        wait(IOSCRN, KBD);
    }
}

}  // namespace brevant

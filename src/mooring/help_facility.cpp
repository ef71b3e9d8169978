// The help menu of a subline, its notes page, and the taut-line length of the fairlead subline.
#include "mooring/help_facility.h"

#include <cmath>
#include <span>
#include <string>
#include <string_view>

#include "mooring/catlib/vertical_line_formulas.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "sysutl/error_exits.h"
#include "sysutl/paging.h"
#include "sysutl/pauses.h"
#include "sysutl/units.h"
#include "sysutl/value_entry.h"

namespace brevant {

Dummy2 DUMMY2{};

void reset_dummy2() { DUMMY2 = Dummy2{}; }

namespace {

constexpr Int kMaxTries = 20;  // failed root searches before TENDNDP gives up
constexpr Int kNoSubline = 7;  // the creator type that has no taut-line item

bool is_line_type(Int ITYP) { return ITYP >= 1 && ITYP <= 150; }

Int sublines_of(Int ITYP) { return is_line_type(ITYP) ? element_count(TPCM.NELEM(ITYP)) : 0; }

// The abort question of the dialogue on the keyboard; true when the user abandons ("A").
bool abandoned(Int EDUNIT) {
    Int LBACK = 0;
    ABORT0(EDUNIT, KBD_UNIT, LBACK);
    return LBACK == -1;
}

void pause(Int EDUNIT) {
    Int LBACK = 0;
    PRSRET(EDUNIT, KBD_UNIT, LBACK);
}

// The length that would be stored is not positive: nothing fits, and nothing is written.
void refuse_length(Int EDUNIT) {
    write_record(EDUNIT, "");
    write_record(EDUNIT, " ++> WARNING: No positive fairlead subline length fits this line type.");
    pause(EDUNIT);
}

void search_failed(Int EDUNIT, std::string_view message) {
    if (!message.empty()) {
        write_record(EDUNIT, message);
        write_record(EDUNIT, "");
        write_record(EDUNIT, " Press <Return> to Continue...");
    }
    if (EDUNIT != SILENT_UNIT) {
        char answer = ' ';
        READCP(answer);
    }
}

void write_item(Int IOSCRN, Int item) { write_record(IOSCRN, " ++> Item Number  " + std::to_string(item)); }

void write_menu_note(Int IOSCRN, Int item) {
    write_item(IOSCRN, item);
    switch (item) {
        case 1:
            write_record(IOSCRN, "     Weight per unit length in air, seawater or freshwater");
            write_record(IOSCRN, "     will be estimated for the specified line diameter and line type.");
            break;
        case 2:
            write_record(IOSCRN, "     Breaking strength will be estimated for the specified");
            write_record(IOSCRN, "     line diameter and line type.");
            break;
        case 3:
            write_record(IOSCRN, "     Compliance coefficients will be estimated for the");
            write_record(IOSCRN, "     specified line diameter and line type. Either the built-in");
            write_record(IOSCRN, "     compliance database or a user-input tension versus elongation");
            write_record(IOSCRN, "     curve can be used.");
            break;
        case 4:
            write_record(IOSCRN, "     Dry weight per unit length (i.e., the weight per unit");
            write_record(IOSCRN, "     length in air) will be estimated for the specified line");
            write_record(IOSCRN, "     diameter and line type.");
            break;
        default:
            write_record(IOSCRN, "     This item is normally used for taut-wire or tension-leg");
            write_record(IOSCRN, "     calculations. It computes the length of the subline attached to");
            write_record(IOSCRN, "     the fairlead that produces the requested pretension for the");
            write_record(IOSCRN, "     current line type. The line is taken as perfectly vertical, with");
            write_record(IOSCRN, "     a local strain that changes with height under its own weight.");
            write_record(IOSCRN, "     ALL weights and elastic coefficients for sublines of the");
            write_record(IOSCRN, "     relevant line type must first be provided.");
            break;
    }
    write_record(IOSCRN, "");
}

}  // namespace

double DVSTER(double SLENP) {
    const Int N = sublines_of(DUMMY2.ITYP);
    DUMMY2.SLENDP(1) = SLENP;
    double TOTWT = 0.0;
    for (Int i = 1; i <= N; ++i) TOTWT += DUMMY2.WETWDP(i) * DUMMY2.SLENDP(i);
    const double TN = DUMMY2.TOPTEN - TOTWT;
    FArray<double, MAX_NODES> TK{};
    for (Int i = 1; i <= N; ++i) DTKLTN(DUMMY2.SLENDP, DUMMY2.WETWDP, i, N, N, TK(i), TN);
    TK(N + 1) = TN;
    double SUMLEN = 0.0;
    for (Int i = 1; i <= N; ++i) {
        const AlphaTriple a(&DUMMY2.ALPHDP(1, i), 3);
        if (TK(i) != TK(i + 1)) {
            double top = 0.0, bottom = 0.0;
            SFNCDP(a, TK(i), DUMMY2.WETWDP(i), top);
            SFNCDP(a, TK(i + 1), DUMMY2.WETWDP(i), bottom);
            SUMLEN += top - bottom;
        } else {
            SUMLEN += DUMMY2.SLENDP(i) * SFCDP2(a, TK(i));
        }
    }
    return DUMMY2.DELTAZ - SUMLEN;
}

void TENDNDP(Int ITYP) {
    const Int EDUNIT = TPCM.EDUNIT;
    if (!is_line_type(ITYP)) return;
    DUMMY2.ITYP = ITYP;
    const Int L = TPCM.LINTYP(1, ITYP);
    if (L < 1 || L > 150) {
        // No line uses this type: there is no fairlead height and no pretension to work from.
        write_record(EDUNIT, "");
        write_record(EDUNIT, " ++> WARNING: No line of this line type has been entered.");
        pause(EDUNIT);
        return;
    }
    const Real height = std::fabs(TPCM.ANCHGT(ITYP) - TPCM.DRAFT + TPCM.RFLD(3, L));
    DUMMY2.DELTAZ = static_cast<double>(height);
    DUMMY2.TOPTEN = static_cast<double>(TPCM.HTENS(L));

    const Int N = sublines_of(ITYP);
    double TMPLEN = 0.0;
    Real SUBLEN = 0.0f;
    for (Int i = 2; i <= N; ++i) {
        TMPLEN += static_cast<double>(TPCM.SLEN(i, ITYP));
        SUBLEN += TPCM.SLEN(i, ITYP);
    }

    if (TPCM.LODTYP != 2) {
        CLEAR(EDUNIT);
        write_record(EDUNIT, " ++> WARNING: Pretension specification must be determined by ");
        write_record(EDUNIT, "     fairlead tension for the exercise of this help option...");
        if (abandoned(EDUNIT)) return;
    }
    if (!(DUMMY2.TOPTEN > 0.0)) {
        CLEAR(EDUNIT);
        write_record(EDUNIT, " ++> WARNING: The specified pretension for this line type is not positive");
        if (abandoned(EDUNIT)) return;
    }

    bool rigid = true;
    for (Int i = 1; i <= N; ++i) {
        DUMMY2.SLENDP(i) = static_cast<double>(TPCM.SLEN(i, ITYP));
        DUMMY2.WETWDP(i) = static_cast<double>(TPCM.WETWT(i, ITYP));
        for (Int k = 1; k <= 3; ++k) {
            DUMMY2.ALPHDP(k, i) = static_cast<double>(TPCM.ALPHA(k, i, ITYP));
            if (DUMMY2.ALPHDP(k, i) != 0.0) rigid = false;
        }
    }

    if (rigid) {
        CLEAR(EDUNIT);
        write_record(EDUNIT, " ++> WARNING: This line type is totally inelastic...");
        if (abandoned(EDUNIT)) return;
        const double length = DUMMY2.DELTAZ - TMPLEN;
        if (!(length > 0.0)) {
            refuse_length(EDUNIT);
            return;
        }
        TPCM.SLEN(1, ITYP) = static_cast<Real>(length);
        return;
    }

    const RootFunctionDP residual = [](double& x) { return DVSTER(x); };
    double TN2 = 1.1 * static_cast<double>(DUMMY2.DELTAZ - static_cast<double>(SUBLEN));
    double TN1 = 0.0;
    double EPSX = 1e-17 * DUMMY2.DELTAZ;
    constexpr Int MAXITR = 100;
    for (Int failures = 0;;) {
        double SLENP = 0.0, FUNC = 0.0;
        Int IER = 0, ITRN = 0;
        RTMIDP(SLENP, FUNC, residual, TN2, TN1, EPSX, MAXITR, IER, ITRN);
        if (IER == 0) {
            if (!(SLENP > 0.0)) {
                refuse_length(EDUNIT);
                return;
            }
            TPCM.SLEN(1, ITYP) = static_cast<Real>(SLENP);
            return;
        }
        if (IER == 1) {
            ++failures;
            if (failures < kMaxTries) {
                EPSX *= 5.0;
                TN2 = 2.0 * SLENP;
                TN1 = SLENP / 2.0;
                continue;
            }
            search_failed(EDUNIT, " ++> Iteration overflow in TENDON");
        } else if (IER == 2) {
            search_failed(EDUNIT, " ++> Bounds error in TENDON ");
        } else {
            search_failed(EDUNIT, "");
        }
        return;
    }
}

void MTLHLP(Int IOSCRN, Int KBD, Int LINE, Int CREATR) {
    CLEAR(IOSCRN);
    write_record(IOSCRN, "****  Material Properties Help Notes  ****");
    write_record(IOSCRN, "");
    Int LBACK = 0;
    if (LINE != 0) {
        if ((LINE >= 1 && LINE <= 4) || (LINE == 5 && CREATR != kNoSubline)) {
            write_menu_note(IOSCRN, LINE);
        } else {
            write_record(IOSCRN, " ++> Sorry, no help for this line...");
        }
        PRSRET(IOSCRN, KBD, LBACK);
        return;
    }
    write_menu_note(IOSCRN, 1);
    write_menu_note(IOSCRN, 2);
    PRSRET(IOSCRN, KBD, LBACK);
    CLEAR(IOSCRN);
    write_menu_note(IOSCRN, 3);
    write_menu_note(IOSCRN, 4);
    if (CREATR != kNoSubline) {
        PRSRET(IOSCRN, KBD, LBACK);
        CLEAR(IOSCRN);
        write_menu_note(IOSCRN, 5);
    }
    PRSRET(IOSCRN, KBD, LBACK);
}

void HELPUS(Real& DIAM, Real& WETWT, Real& DRYWT, Real& TBRK, Real* ALPHA, Int ITYP) {
    const Int EDUNIT = TPCM.EDUNIT;
    for (;;) {
        CLEAR(EDUNIT);
        write_record(EDUNIT, "****  Simulation Help Facility  ****");
        write_record(EDUNIT, "");
        if (!(DIAM > 0.0f)) {
            write_record(EDUNIT, " ++> Subline diameter must be input to obtain help.");
            pause(EDUNIT);
            return;
        }
        const bool taut_item = TPCM.SIMTYP != kNoSubline;
        write_record(EDUNIT, " 1) HELP with submerged weight per unit length...");
        write_record(EDUNIT, " 2) HELP with breaking strength...");
        write_record(EDUNIT, " 3) HELP with compliance coefficients...");
        write_record(EDUNIT, " 4) HELP with dry weight per unit length...");
        if (taut_item) write_record(EDUNIT, " 5) Fairlead subline length for specified tautwire tension...");
        ENTSEL(TPCM.LBACK, EDUNIT, KBD_UNIT, TPCM.IPAG);
        const Int choice = TPCM.LBACK;
        if (choice == NAV_HELP) {
            MTLHLP(EDUNIT, KBD_UNIT, TPCM.IPAG, TPCM.SIMTYP);
            continue;
        }
        if (choice < 1) return;
        switch (choice) {
            case 1:
                HELP(WETWT, ALPHA, TPCM.NUNTS, DIAM, 0, EDUNIT, KBD_UNIT);
                break;
            case 2:
                HELP(TBRK, ALPHA, TPCM.NUNTS, DIAM, 2, EDUNIT, KBD_UNIT);
                break;
            case 3: {
                Real DUMMY = 0.0f;
                HELP(DUMMY, ALPHA, TPCM.NUNTS, DIAM, 1, EDUNIT, KBD_UNIT);
                break;
            }
            case 4:
                HELP(DRYWT, ALPHA, TPCM.NUNTS, DIAM, 3, EDUNIT, KBD_UNIT);
                break;
            case 5:
                if (!taut_item) break;
                CLEAR(EDUNIT);
                write_record(EDUNIT, " ++> The requested computation REQUIRES the following data:");
                write_record(EDUNIT, "");
                write_record(EDUNIT, "     1. Submerged weights for ALL sublines of this type");
                write_record(EDUNIT, "     2. Elastic coefficients for ALL sublines of this type");
                write_record(EDUNIT, "     3. Fairlead heights for fairleads of this type");
                write_record(EDUNIT, "     4. Line pretensions for lines of this type");
                write_record(EDUNIT, "     5. Anchor depth for this line type");
                write_record(EDUNIT, "     6. Line numbers corresponding to lines of this type");
                write_record(EDUNIT, "");
                write_record(EDUNIT, " The calculation will fail if any data is missing or incorrect.");
                if (!abandoned(EDUNIT)) TENDNDP(ITYP);
                break;
            default:
                break;
        }
    }
}

}  // namespace brevant

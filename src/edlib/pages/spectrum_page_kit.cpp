// The spectrum-type list and the JONSWAP "Alpha" calculator of the irregular-wave and swell pages.
#include "edlib/pages/spectrum_page_kit.h"

#include <algorithm>
#include <span>
#include <string>

#include "edlib/pages/wave_help.h"
#include "edlib/spectrum_parameter_checks.h"
#include "numeric/wave_number.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "sysutl/captions.h"
#include "sysutl/array_editor.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/paging.h"
#include "sysutl/two_pi.h"
#include "sysutl/units.h"
#include "sysutl/value_entry.h"
#include "sysutl/word_ops.h"

namespace brevant {

namespace {

constexpr Int kTypeChoices = 11;
constexpr Int kOchiHubbleType = 9;
constexpr Int kOchiHubbleChoice = kOchiHubbleType + 1;
constexpr Int kCustomType = 8;
constexpr Int kMaxPeriods = 100;       // the regular-wave period list, and USRPSD beside it

}  // namespace

void write_value_rows(Int unit, std::span<const Real> VALUES, Int COUNT, int DECIMALS, std::string_view LEAD) {
    const Int n = std::clamp<Int>(COUNT, 0, static_cast<Int>(VALUES.size()));
    for (Int first = 0; first < n; first += 6) {
        Record row;
        row.put(LEAD);
        for (Int i = first; i < std::min<Int>(first + 6, n); ++i)
            row.F(VALUES[static_cast<std::size_t>(i)], 13, DECIMALS);
        write_record(unit, row.str());
    }
}

Int shown_count(Int COUNT, Int LIMIT, Int CAPACITY) {
    const Int limit = std::clamp<Int>(LIMIT, 0, CAPACITY);
    return COUNT >= 0 && COUNT <= limit ? COUNT : limit;
}

Real page_gravity(Int NUNTS) { return NUNTS == 1 ? 9.8f : 32.152f; }

std::string length_caption(Int NUNTS) {
    // Only the two unit systems have a length caption; any other flag (a damaged file) is kept
    // out of the neighbouring captions and far from an overflowing index.
    return UNITP(NUNTS == 0 || NUNTS == 1 ? 7 + NUNTS : -1);
}

Int flow_spectrum_choice(Int unit, std::string_view HEADING, Int COUNT, std::string (*CAPTION)(Int),
                         void (*HELP)(Int, Int, Int&)) {
    for (;;) {
        CLEAR(unit);
        write_record(unit, HEADING);
        LINES(unit, 2);
        for (Int i = 1; i <= COUNT; ++i) write_record(unit, Record().x(1).I(i, 1).put(") ").put(CAPTION(i)).str());
        Int LBACKP = 0;
        ENTSEL(LBACKP, unit, KBD_UNIT, TPCM.IPAG);
        if (LBACKP == NAV_HELP) {
            HELP(unit, KBD_UNIT, TPCM.IPAG);
            continue;
        }
        if (LBACKP > COUNT) continue;
        if (LBACKP <= 0) return 0;
        MAXCHK(LBACKP, COUNT);
        return LBACKP;
    }
}

void custom_spectrum_table() {
    Int rows = TPCM.NWP;
    MAXCHK(rows, kMaxPeriods);
    AUTORP(" Specify spectral densities at regular wave periods",
           std::span<Real>(TPCM.USRPSD.data(), static_cast<std::size_t>(TPCM.USRPSD.size())), rows, kMaxPeriods, TPCM.EDUNIT, KBD_UNIT,
           TPCM.LCOPY);
}

namespace {

void draw_type_list(std::string_view HEADING, Int unit) {
    if (TPCM.LCOPY == 0) CLEAR(unit);
    write_record(unit, Record().x(1).put(HEADING).str());
    write_record(unit, "");
    for (Int type = 0; type < kTypeChoices; ++type)
        write_record(unit, Record().I(type + 1, 3).put(") ").A(WAVPRT(type), 23).str());
}

// The refusal of the Ochi-Hubble type for a swell: the message and a pause answered into ANSWER.
void refuse_ochi_hubble(Int unit, Int& ANSWER) {
    write_record(unit, "");
    write_record(unit, " ++> The Ochi-Hubble spectrum cannot be used for swell seas.");
    write_record(unit, "");
    PRSRET(unit, KBD_UNIT, ANSWER);
}

}  // namespace

void spectrum_type_list(std::string_view HEADING, Int& TYPE, bool REFUSE_OCHI_HUBBLE) {
    for (;;) {
        const Int unit = TPCM.EDUNIT;
        draw_type_list(HEADING, unit);
        ENTSEL(TPCM.LBACK, unit, KBD_UNIT, TPCM.IPAG);
        Int choice = TPCM.LBACK;
        if (choice == NAV_HELP) {
            RANHP2(unit, KBD_UNIT, TPCM.IPAG);
            continue;
        }
        if (choice > kTypeChoices) continue;
        if (choice <= 0) return;
        if (REFUSE_OCHI_HUBBLE && choice == kOchiHubbleChoice) {
            refuse_ochi_hubble(unit, TPCM.LBACK);
            continue;
        }
        MAXCHK(choice, kTypeChoices);
        TYPE = choice - 1;
        if (TYPE == kCustomType) custom_spectrum_table();
        return;
    }
}

void two_swell_type_list(std::string_view HEADING, Int& TYPE) {
    for (;;) {
        const Int unit = TPCM.EDUNIT;
        draw_type_list(HEADING, unit);
        Int LBACKQ = 0;
        ENTSEL(LBACKQ, unit, KBD_UNIT, TPCM.IPAG);
        if (LBACKQ == NAV_HELP) {
            RANHP2(unit, KBD_UNIT, TPCM.IPAG);
            continue;
        }
        if (LBACKQ > kTypeChoices || LBACKQ < 0) continue;
        if (LBACKQ == 0) {
            // A blank answer keeps the type, but a kept Ochi-Hubble type (only a data file holds
            // one) is no swell: the list stays until another type is chosen.
            if (TYPE != kOchiHubbleType) return;
            refuse_ochi_hubble(unit, LBACKQ);
            continue;
        }
        if (LBACKQ == kOchiHubbleChoice) {
            refuse_ochi_hubble(unit, LBACKQ);
            continue;
        }
        TYPE = LBACKQ - 1;
        return;
    }
}

void jonswap_alpha_calculator(Real GAMMA, Real SIGMA_A, Real SIGMA_B, Real G, Real& JONSWH, Real& JONTPK) {
    if (!(GAMMA > 0.0f && SIGMA_A > 0.0f && SIGMA_B > 0.0f)) return;
    const Int unit = TPCM.EDUNIT;
    constexpr std::string_view prompt = "Enter [Sig. Height, Peak Period]: ";
    WRTLIN(prompt, static_cast<Int>(prompt.size()), unit);
    Real X = 0.0f;
    Logical CR = 0;
    CRREAL(JONSWH, JONTPK, X, CR, KBD_UNIT);
    if (JONSWH <= 0.0f || CR != 0 || JONTPK <= 0.0f) return;
    // A shape that the checks before the run refuse has no alpha: the page comes back with the
    // session's edits, where the integration would ask whether to abort without end or stop the
    // program. The calculator evaluates the shape at no grid frequency. The value is then the one
    // the run takes, from the form of the integration that never asks or stops.
    Real JONVAL = 0.0f;
    if (jonswap_shape_refusal(GAMMA, SIGMA_A, SIGMA_B, false).any() ||
        jonswap_outcome(SIGMA_A, SIGMA_B, GAMMA, JONVAL) != JonswapOutcome::Converged) {
        write_record(unit, "");
        write_record(unit, " ++> The JONSWAP integral does not converge with this gamma and these sigmas: no alpha");
        PRSRET(unit, KBD_UNIT, TPCM.LBACK);
        return;
    }
    const Real wp = kTwoPi / JONTPK;
    const Real wp2 = wp * wp;
    const Real wp4 = wp2 * wp2;
    const Real quarter_height = 0.25f * JONSWH;
    const Real TMPVAL = (quarter_height * quarter_height * wp4 / JONVAL) / (G * G);
    write_record(unit, "");
    write_record(unit, Record().put(" ++> The JONSWAP \"Alpha\" Parameter is:").F(TMPVAL, 8, 4).str());
    PRSRET(unit, KBD_UNIT, TPCM.LBACK);
}

}  // namespace brevant

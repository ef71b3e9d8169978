// The average-tanker database page: its saved working copies, the page, its answer reader and its
// help screen.
#include "edlib/pages/tanker_database.h"

#include <span>
#include <string>

#include "edlib/pages/tanker_estimator.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "sysutl/captions.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/paging.h"
#include "sysutl/units.h"
#include "sysutl/value_entry.h"

namespace brevant {

TankerPageState TANKER_STATE;

void reset_tanker_state() { TANKER_STATE = TankerPageState{}; }

namespace {

// Long tons per unit of the case's deadweight: metric tonnes, else kips (1/2.24).
Real long_tons_per_unit(Int NUNTS) { return NUNTS == 1 ? 0.9842f : 0.44642857f; }

// A value of the page: its letter, its working copy and the word it is copied into. The deadweight
// (S) is converted on its way and is handled apart.
struct Letter {
    char letter;
    Real TankerPageState::*copy;
    Real Tpcm::*word;
};

constexpr Letter kLetters[] = {
    {'A', &TankerPageState::DISPLQ, &Tpcm::DISPL},  {'B', &TankerPageState::DSPPCQ, &Tpcm::DSPPCT},
    {'C', &TankerPageState::LWLQ, &Tpcm::LWL},      {'D', &TankerPageState::BWLQ, &Tpcm::BWL},
    {'E', &TankerPageState::DRAFTQ, &Tpcm::DRAFT},  {'F', &TankerPageState::RGYRQ, &Tpcm::RGYR},
    {'G', &TankerPageState::PGYRQ, &Tpcm::PGYR},    {'H', &TankerPageState::YGYRQ, &Tpcm::YGYR},
    {'I', &TankerPageState::AWPQ, &Tpcm::AWP},      {'J', &TankerPageState::XCURAQ, &Tpcm::XCURAR},
    {'K', &TankerPageState::YCURAQ, &Tpcm::YCURAR}, {'L', &TankerPageState::LOADEQ, &Tpcm::LOADED},
    {'M', &TankerPageState::DFTPCQ, &Tpcm::DFTPCT}, {'N', &TankerPageState::VKMTQ, &Tpcm::VKMT},
    {'O', &TankerPageState::VKMLQ, &Tpcm::VKML},    {'P', &TankerPageState::VKBQ, &Tpcm::VKB},
    {'Q', &TankerPageState::VKGQ, &Tpcm::VKG},      {'R', &TankerPageState::BILGRQ, &Tpcm::BILGR},
    {'T', &TankerPageState::XWNDAQ, &Tpcm::XWNDAR}, {'U', &TankerPageState::YWNDAQ, &Tpcm::YWNDAR},
};

// Copies the value of one letter into the case; letters without a value (V to Y) copy nothing.
void copy_letter(char letter) {
    TankerPageState& Q = TANKER_STATE;
    if (letter == 'S') {
        TPCM.DWTONS = Q.DWTONQ / long_tons_per_unit(TPCM.NUNTS);
        return;
    }
    for (const Letter& l : kLetters)
        if (l.letter == letter) TPCM.*(l.word) = Q.*(l.copy);
}

// First visit of the run: the working copies take the case's values.
void seed_from_case() {
    TankerPageState& Q = TANKER_STATE;
    Q.DWTONQ = TPCM.DWTONS * long_tons_per_unit(TPCM.NUNTS);
    for (const Letter& l : kLetters) Q.*(l.copy) = TPCM.*(l.word);
}

void run_estimator() {
    TankerPageState& Q = TANKER_STATE;
    ESTIM8(Q.DISPLQ, Q.VKBQ, Q.VKGQ, Q.DRAFTQ, Q.AWPQ, Q.VKMTQ, Q.VKMLQ, Q.LWLQ, Q.BWLQ, Q.PGYRQ, Q.RGYRQ, Q.YGYRQ,
           Q.BILGRQ, Q.XWNDAQ, Q.YWNDAQ, Q.XCURAQ, Q.YCURAQ, Q.DWTONQ, Q.LOADEQ, Q.DFTPCQ, Q.DSPPCQ);
}

// The long length caption of the case's units (" feet", " meters"). A unit flag of a damaged file
// far outside the captions gets the caption list's own error text rather than an overflowed index.
std::string length_caption(Int NUNTS) { return unit_caption_as_flagged(7, NUNTS); }

void blank_line(Int unit) { write_record(unit, ""); }

// Two values on one line, the second from column 43.
void pair_line(Int unit, std::string_view left, Real a, std::string_view right, Real b, int d) {
    write_record(unit, Record().put(left).F(a, 9, d).t(43).put(right).F(b, 9, d).str());
}

void draw_page(Int unit) {
    TankerPageState& Q = TANKER_STATE;
    const Int NUNTS = TPCM.NUNTS;
    Q.CMPSPC = NUNTS == 0 ? "Kips" : NUNTS == 1 ? "M.Tons" : "Whoops";
    CLEAR(unit);
    blank_line(unit);
    write_record(unit, Record()
                           .put(" >>> Independent variables for")
                           .t(36)
                           .put("1. Deadweight (DWT).... ")
                           .F(Q.DWTONQ, 8, 0)
                           .put(" Long Tons")
                           .str());
    write_record(unit, Record()
                           .put("     tanker property estimates:")
                           .t(36)
                           .put("2. Simulation Draft ... ")
                           .F(Q.DRAFTQ, 7, 2)
                           .x(1)
                           .A(length_caption(NUNTS))
                           .str());
    blank_line(unit);
    write_record(unit, Record()
                           .put("A. Vessel Displacement   ")
                           .F(Q.DISPLQ, 9, 0)
                           .x(1)
                           .A(Q.CMPSPC.view(), 6)
                           .t(43)
                           .put("L. Freeboard-based load...")
                           .F(Q.LOADEQ, 8, 1)
                           .put("%")
                           .str());
    write_record(unit, Record()
                           .put("B. Displacement-based load")
                           .F(Q.DSPPCQ, 9, 1)
                           .put("%")
                           .t(43)
                           .put("M. Draft-based load.......")
                           .F(Q.DFTPCQ, 8, 1)
                           .put("%")
                           .str());
    blank_line(unit);
    pair_line(unit, "C. Length (LPP) ..........", Q.LWLQ, "N. Transverse KM .........", Q.VKMTQ, 2);
    pair_line(unit, "D. Beam ..................", Q.BWLQ, "O. Longitudinal KM .......", Q.VKMLQ, 2);
    pair_line(unit, "E. Draft .................", Q.DRAFTQ, "P. VKB ...................", Q.VKBQ, 2);
    pair_line(unit, "F. Roll Gyradius..........", Q.RGYRQ, "Q. VKG ...................", Q.VKGQ, 2);
    pair_line(unit, "G. Pitch Gyradius ........", Q.PGYRQ, "R. Bilge radius ..........", Q.BILGRQ, 2);
    write_record(unit, Record().put("H. Yaw Gyradius ..........").F(Q.YGYRQ, 9, 2).str());
    blank_line(unit);
    pair_line(unit, "I. Water Plane Area ...... ", Q.AWPQ, "S. Deadweight (DWT) ...... ", Q.DWTONQ, 0);
    pair_line(unit, "J. Head-on Current Area .. ", Q.XCURAQ, "T. Head-on Wind Area ..... ", Q.XWNDAQ, 0);
    pair_line(unit, "K. Beam-on Current Area .. ", Q.YCURAQ, "U. Beam-on Wind Area ..... ", Q.YWNDAQ, 0);
}

constexpr std::string_view kHelpNote[] = {
    "",
    "     A built-in database of average tanker characteristics gives an",
    "     internally consistent set of vessel properties for a given",
    "     deadweight (ALWAYS in long tons) and simulation draft (in the units",
    "     of the data set).",
    "",
    "     Type the letter of a value to place that value into the data set,",
    "     or \"Z\" to place all displayed values. A subset is typed as a",
    "     string of letters with or without delimiters, for example \"AGQ\"",
    "     or \"A,G,Q\". <Return> leaves the page with no change to the data.",
    "",
    "     >>> Physical properties of tankers of the same deadweight commonly",
    "         vary by 15% or more. The maximum displacement in this facility",
    "         is the deadweight (cargo capacity) plus the light-ship weight.",
};

}  // namespace

void ENTEST(Int& LBACK, Int IOSCRN, Int KBD, FixedText<41>& CHARAY) {
    CHARAY = "";  // a list is only ever the one of this answer
    blank_line(IOSCRN);
    write_record(IOSCRN, " >>> Change items 1 or 2 for new estimates or input letter(s) (\"ACD...\")");
    write_record(IOSCRN, "     to select individual replacements (or \"Z\" to replace all);");
    if (IOSCRN != SILENT_UNIT) write_partial(IOSCRN, "    \"?\" for help, <Return> to continue WITHOUT replacement: ");
    const std::string ANSWER = fixed_len(read_keyboard_line(KBD), 40);
    const char first = ANSWER[0];
    if (first == 'Z' || first == 'z') {
        LBACK = TANKER_COPY_ALL;
        return;
    }
    if (first == '1' || first == '2' || first == ' ') {
        // Blanks are ignored and an all-blank field reads 0. A text that is not a whole number
        // ("1x", "2.5") is taken as Return: it must neither copy nor stay on an old code. So is a
        // typed number that would pass for one of the page's own codes ("Z" or help).
        Int n = 0;
        if (!read_int_field(std::string_view(ANSWER).substr(0, 6), n)) n = 0;
        if (n == TANKER_COPY_ALL || n == NAV_HELP) n = 0;
        LBACK = n;
        return;
    }
    if (first == '?') {
        LBACK = NAV_HELP;
        return;
    }
    LBACK = TANKER_LETTERS;
    std::string letters;
    for (char ch : ANSWER) {
        if ((ch >= 'A' && ch <= 'Y') || (ch >= 'a' && ch <= 'y')) {
            Int IERR = 0;
            UPCASE(ch, IERR);
            letters.push_back(ch);
        }
    }
    CHARAY = letters;  // at most 40 letters: the 41st character stays the closing blank
}

void TNKHLP(Int IOSCRN, Int KBD, Int& LINE) {
    CLEAR(IOSCRN);
    for (std::string_view line : kHelpNote) write_record(IOSCRN, line);
    PRSRET(IOSCRN, KBD, LINE);
}

void TANKER(std::string_view /*PAGE*/, std::string_view /*TUGBAR*/) {
    TankerPageState& Q = TANKER_STATE;
    // The copies are taken from the case once per run; later visits show the last estimate again,
    // also when the case was edited (or its units changed) in between.
    if (Q.FRSTIM) {
        seed_from_case();
        Q.FRSTIM = false;
    }
    Q.REFRSH = Q.DWTONQ > 0.0f && Q.DRAFTQ > 0.0f;
    for (;;) {
        if (Q.REFRSH) {
            run_estimator();
            Q.REFRSH = false;
        }
        const Int unit = TPCM.EDUNIT;
        draw_page(unit);
        ENTEST(TPCM.LBACK, unit, KBD_UNIT, Q.CHARAY);
        const Int code = TPCM.LBACK;
        if (code == NAV_HELP) {
            TNKHLP(unit, KBD_UNIT, TPCM.IPAG);
        } else if (code == 1) {
            Q.REFRSH = true;
            blank_line(unit);
            write_record(unit, Record().put("1. Deadweight ............... ").F(Q.DWTONQ, 7, 0).put(" Long Tons").str());
            ENTERF(Q.DWTONQ, unit, KBD_UNIT);
        } else if (code == 2) {
            Q.REFRSH = true;
            blank_line(unit);
            write_record(unit, Record()
                                   .put("2. Simulation Draft ......... ")
                                   .F(Q.DRAFTQ, 6, 2)
                                   .x(1)
                                   .A(length_caption(TPCM.NUNTS))
                                   .str());
            ENTERF(Q.DRAFTQ, unit, KBD_UNIT);
        } else if (code > 2) {
            Q.REFRSH = true;
        } else if (code == TANKER_LETTERS) {
            for (int k = 0; k < 41 && Q.CHARAY[k] != ' '; ++k) copy_letter(Q.CHARAY[k]);
            return;
        } else if (code == TANKER_COPY_ALL) {
            copy_letter('S');
            for (const Letter& l : kLetters) copy_letter(l.letter);
            return;
        } else {
            return;  // Return, or another code of 0 or below: nothing copied
        }
    }
}

}  // namespace brevant

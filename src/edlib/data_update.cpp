// The version updater of this program's data files: the chain of version steps with their notes on the
// console and in the load report, and the resize of the image to the 149-line layout.
#include "edlib/data_update.h"

#include <cmath>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "records/data_image.h"
#include "sysutl/fortran_format.h"
#include "sysutl/option_words.h"
#include "sysutl/pauses.h"
#include "sysutl/units.h"
#include "sysutl/word_ops.h"

namespace brevant {

namespace {

// The stored length of the current layout: every move of the updater works inside these words.
constexpr Int SIZ_DAT = 4975;

// The stored words of the image from word `first` to the end of the stored length, as bytes.
WordBytes stored_words_from(Int first) {
    return image_bytes(TPCM).subspan(4 * static_cast<std::size_t>(first - 1),
                                     4 * static_cast<std::size_t>(SIZ_DAT - first + 1));
}

// Words `first`..`last` move to `to`.. (a higher word), copied from the last one backwards so that
// the block can slide over itself; what stood after the target is overwritten.
void shift_block(Int first, Int last, Int to) {
    MOVDWN(last - first + 1, stored_words_from(first), stored_words_from(to));
}

// Words `first`..`last` of the stored image set to zero.
void zero_words(Int first, Int last) {
    CLEAR_1D(image_bytes(TPCM).first(4 * static_cast<std::size_t>(SIZ_DAT)), SIZ_DAT, first, last);
}

// Where the notes of the update in progress go: the session's console unit (EDUNIT) and the load
// report, or the screen alone.
UpdateNotes note_target = UpdateNotes::SessionAndReport;

Int note_console() { return note_target == UpdateNotes::ScreenOnly ? SCREEN_UNIT : TPCM.EDUNIT; }

// One note: an empty line, then its lines, on the console and, when `both`, the same again in the
// load report.
void write_note(std::initializer_list<std::string_view> lines, bool both) {
    auto to_unit = [&](Int unit) {
        write_record(unit, "");
        for (std::string_view line : lines) write_record(unit, line);
    };
    to_unit(note_console());
    if (both && note_target == UpdateNotes::SessionAndReport) to_unit(WARN_UNIT);
}

// A counted step: one more note for the pager, which pauses before the sixth on one screen.
void count_step(Int& NWARN) {
    NWARN = NWARN + 1;
    WRNFUL(NWARN, note_console(), KBD_UNIT);
}

// The console unit of the session, for an image whose editor words were moved by a resize.
void restore_console_unit() { TPCM.EDUNIT = TPCM.LEASTP == 3 ? SILENT_UNIT : SCREEN_UNIT; }

// The blocks of MEXDP1 and BMXDP1 open at words 863 and 1696 of the 49-line layout (1463 and 2697
// once the 149-line resize has run).
constexpr Int kDragBlockOf49Layout = 863;
constexpr Int kSecondDragBlockOf49Layout = 1696;

// The words of the 5.0 resize that are not room, set once the image is in the current layout.
void version_5_defaults() {
    TPCM.WVDGCX = 1.0f;
    TPCM.WVDGCY = 1.0f;
    TPCM.WVDGCM = 1.0f;
    TPCM.VWDRGFC = 1.0f;
    TPCM.BWVDGCX = 1.0f;
    TPCM.BWVDGCY = 1.0f;
    TPCM.BWVDGCM = 1.0f;
    TPCM.BVWDRGFC = 1.0f;
    TPCM.LEGPKF = 1;
    TPCM.LEGDRG = 1;
    TPCM.LEGDFC = 1;
}

// The older layout had no RTPCM2, four words of ITPCM6 and 49 motion points for each vessel, and
// its top block ended one word early. All moves first, then the clears.
void resize_for_149_lines() {
    shift_block(500, SIZ_DAT - 200, 700);
    shift_block(804, SIZ_DAT - 100, 904);
    shift_block(1052, SIZ_DAT - 300, 1352);
    shift_block(1987, SIZ_DAT - 1, 1988);
    shift_block(2038, SIZ_DAT - 100, 2138);
    shift_block(2286, SIZ_DAT - 300, 2586);
    zero_words(500, 699);
    CLEAR_1D(word_span(TPCM.ITPCM6), 104, 5, 104);
    CLEAR_2D(word_span(TPCM.RACC), 3, 149, 1, 3, 50, 149);
    CLEAR_1D(word_span(TPCM.BTPCM6), 104, 5, 104);
    CLEAR_2D(word_span(TPCM.BRACC), 3, 149, 1, 3, 50, 149);
}

// The model codes of the three force components were renumbered in 4.28.
void remap_model_codes() {
    const Int unit = note_console();
    // The new code of each old one (1, 2, ...); other codes stay.
    constexpr Int kWindCodes[] = {4, 3, 1};
    constexpr Int kCurrentCodes[] = {6, 4, 5, 3, 1, 15};
    for (Int I = 1; I <= 3; ++I) {
        const auto renumber = [&](Int& word, std::span<const Int> codes) {
            const Int code = NIBVAL(word, I, unit);
            if (code >= 1 && code <= static_cast<Int>(codes.size()))
                NIBSET(word, I, codes[static_cast<std::size_t>(code - 1)], unit);
        };
        renumber(TPCM.LWBARG, kWindCodes);
        renumber(TPCM.LCBARG, kCurrentCodes);

        const Int drift = NIBVAL(TPCM.LWVCOF, I, unit);
        if (drift == 1) {
            const Int code = TPCM.VESTYP == 3 ? 3 : TPCM.VESTYP == 4 ? 4 : 2;
            NIBSET(TPCM.LWVCOF, I, code, unit);
        } else if (drift == 2) {
            NIBSET(TPCM.LWVCOF, I, 1, unit);
        }
    }
}

// Mooring-table count of files before 1.4: an odd count is reported, a count of an earlier table
// size is pointed out; either note counts.
void check_table_count(Int& NWARN) {
    const Int NTAB = TPCM.NTAB;
    if (NTAB < 0 || NTAB > 90 || NTAB == 1) {
        count_step(NWARN);
        const std::string first = " ++> This file shows an anomalous NTAB =" + fmt_I(NTAB, 12);
        write_note({first, "", "     It may not have been properly converted using the",
                    "     conversion utility for older mooring line files. Proceed with caution."},
                   true);
    } else if (NTAB >= 2 && NTAB <= 30) {
        count_step(NWARN);
        const std::string first =
            " ++> Point of information: This file had an interpolation table size of " + fmt_I(NTAB, 2) + ";";
        write_note({first, "     it may have been converted from an earlier simulation version",
                    "     supporting a maximum table size of 30."},
                   true);
    }
}

}  // namespace

void open_version_5_room() {
    shift_block(258, 4915, 318);
    CLEAR_1D(word_span(TPCM.USRPSD), 100, 41, 100);
    shift_block(358, 4915, 418);
    CLEAR_1D(word_span(TPCM.T), 100, 41, 100);
    shift_block(kDragBlockOf49Layout, SIZ_DAT - 200, kDragBlockOf49Layout + 200);
    zero_words(kDragBlockOf49Layout, kDragBlockOf49Layout + 199);
    shift_block(kSecondDragBlockOf49Layout, SIZ_DAT - 200, kSecondDragBlockOf49Layout + 200);
    zero_words(kSecondDragBlockOf49Layout, kSecondDragBlockOf49Layout + 199);
}

bool in_49_line_layout() { return std::abs(TPCM.VERNO) < 6.00999f || TPCM.DAT_ID == 49; }

void BRVUPD(Real APPVR, Int& ISRVFG, bool layout_already_current, UpdateNotes notes) {
    note_target = notes;
    ISRVFG = 1;
    const Real DATVER = std::abs(TPCM.VERNO);
    const Real APPVER = std::abs(APPVR);

    // The moves first, in the layout the image is in when each acts: the steps below then read and
    // write the words they name.
    if (!layout_already_current && in_49_line_layout()) {
        if (DATVER < 4.9f) open_version_5_room();
        resize_for_149_lines();
        // The editor words came along with the blocks: the old file's stored unit now stands in
        // EDUNIT, and the notes that follow would go nowhere.
        restore_console_unit();
    }
    if (DATVER < 4.9f) version_5_defaults();

    Int NWARN = -1;
    const std::string heading =
        Record().t(16).put("**** Data File Changes Since Version ").F(DATVER, 5, 2).put(": ****").str();
    write_record(note_console(), heading);
    if (notes == UpdateNotes::SessionAndReport) write_record(WARN_UNIT, heading);

    if (DATVER < 1.0f) {
        TPCM.LWBARG = TPCM.LWBARG == 0 ? 273 : 546;
        TPCM.LCBARG = TPCM.LCBARG == 0 ? 273 : 1092;
        TPCM.LWVCOF = 273;
        // Words 771-773 held integer model values before 1.0; they become the reals of the model.
        const Real size_value = static_cast<Real>(image_word(TPCM, 771));
        const Real load_value = static_cast<Real>(image_word(TPCM, 772));
        const Real bow_value = static_cast<Real>(image_word(TPCM, 773));
        TPCM.SIZE = size_value;
        TPCM.LOADED = load_value;
        TPCM.DFTPCT = load_value;
        TPCM.BOWCUR = bow_value;
        TPCM.BOWWND = bow_value;
        TPCM.BOWWAV = bow_value;
        set_image_word(TPCM, 771, 0);
        set_image_word(TPCM, 772, 0);
        set_image_word(TPCM, 773, 0);
        write_note({" ++> Updated & enhanced environmental forcing options; implemented user",
                    "     specification of force coefficients."},
                   false);
    }

    if (DATVER < 1.19f) {
        TPCM.VWDFAC = 1.0f;
        count_step(NWARN);
        write_note({" ++> Added variable wave drift spectrum enhancement factor."}, false);
    }

    if (DATVER < 1.4f && APPVER > 1.35f) check_table_count(NWARN);

    if (DATVER < 1.42f) {
        count_step(NWARN);
        write_note({" ++> Changed handling of swell and irregular wave options."}, true);
        TPCM.ANGSEC = 180.0f;
        for (Int I = 1; I <= 4; ++I) {
            TPCM.SEAHDG(I) = TPCM.OCHI_LAMBDA(I);  // words 441+I
            TPCM.OCHI_LAMBDA(I) = 0.0f;
        }
    }

    if (DATVER < 1.5f) {
        count_step(NWARN);
        write_note({" ++> Revised treatment of Semisubmersible drift-force specification.",
                    "     Revised treatment of current correction for user-specified drift forces"},
                   true);
        TPCM.CURCOR = 1;
        TPCM.XSHDOW = 1.0f;
        TPCM.YSHDOW = 1.0f;
    }

    if (DATVER < 4.28f) {
        count_step(NWARN);
        remap_model_codes();
    }

    if (DATVER < 4.41f) {
        count_step(NWARN);
        write_note({" ++> Eliminated surface point for current depth distribution. ",
                    "     See Current definition page."},
                   true);
        write_note({" ++> Data file resized for version 5.0"}, true);
        // The legacy profile has five points: a larger count would read past its arrays.
        if (TPCM.NCURNT > 5) TPCM.NCURNT = 5;
        if (TPCM.NCURNT > 1) TPCM.NCURNT = TPCM.NCURNT - 1;
        for (Int I = 1; I <= TPCM.NCURNT; ++I) {
            TPCM.VELI(I) = TPCM.VELI(I + 1);
            TPCM.DPTHI(I) = TPCM.DPTHI(I + 1);
        }
    }

    if (DATVER < 5.0f) {
        TPCM.STRNFC = 1.25f;
        TPCM.WVFCX = 1.0f;
        TPCM.WVFCY = 1.0f;
        TPCM.WVFCM = 1.0f;
        TPCM.XCURNTDN = 1.0f;
        TPCM.XCURNTUP = 1.0f;
        TPCM.YCURNTDN = 1.0f;
        TPCM.YCURNTUP = 1.0f;
        TPCM.BXCURNTDN = 1.0f;
        TPCM.BXCURNTUP = 1.0f;
        TPCM.BYCURNTDN = 1.0f;
        TPCM.BYCURNTUP = 1.0f;
        for (Int I = 1; I <= 3; ++I)
            if (NIBVAL(TPCM.LCBARG, I, note_console()) == 7) NIBSET(TPCM.LCBARG, I, 15, note_console());
    }

    if (DATVER < 5.38f) {
        count_step(NWARN);
        write_note({" ++> Wave drag and drift forces on semi/tlp/spar shapes ",
                    "     reworked from the ground up."},
                   true);
    }

    if (DATVER < 5.55f) {
        TPCM.BRVFRQ_DELTA = 0.0025f;
        TPCM.BRV_PD_MIN() = 35.0f;
    }

    if (DATVER < 5.57f) {
        count_step(NWARN);
        const Int vestyp = TPCM.VESTYP;
        TPCM.SEMI_LIKE = semi_like_type(vestyp) ? 1 : 0;
    }

    if (DATVER < 5.59f && TPCM.WSPEC_HGT == 0.0f) TPCM.WSPEC_HGT = TPCM.NUNTS == 0 ? 32.81f : 10.0f;

    // The resize itself ran before the steps.
    if (DATVER < 6.00999f || TPCM.DAT_ID == 49) {
        count_step(NWARN);
        write_note({" ++> Data file resized for 149 Fairleads"}, true);
    }

    TPCM.DAT_ID = 149;

    if (NWARN < 0) {
        ISRVFG = 0;
        write_note({" ++> None..."}, true);
    }

    if (DATVER > APPVER) {
        write_note({" ++> Warning: The data file loaded was created by a more recent program",
                    "     version than this one; you should inspect each data page THOROUGHLY",
                    "     before proceeding..."},
                   true);
    }
}

}  // namespace brevant

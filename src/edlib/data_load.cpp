// Import of one part of another data file into the data image.
#include "edlib/data_load.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <span>
#include <string>

#include "edlib/data_update.h"
#include "edlib/loader.h"
#include "edlib/update_to_149.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/option_words.h"
#include "sysutl/paging.h"
#include "sysutl/pauses.h"
#include "sysutl/record_io.h"
#include "sysutl/report_files.h"
#include "sysutl/staged_files.h"
#include "sysutl/units.h"
#include "sysutl/word_ops.h"

namespace brevant {

namespace {

constexpr Int kHeaderWords = 1987;      // words compared: the top sub-block
constexpr Int kVesselWords = 4975;      // a data file of this program (and of types 3, 10 and above)
constexpr Int kMooringEnd = 78635;      // the last word of the mooring block
constexpr Int kEditUnitWord = 703;      // EDUNIT
constexpr Int kThisProgram = 16;        // the creating type of this program's own files
constexpr Int kLayout49 = 49;           // DAT_ID of the older layout (49 points, 50 lines)
constexpr Int kVersionWord = 217;       // VERNO: the last of the words that say what wrote a file
constexpr Real kFirstVersionOf149 = 6.00999f;  // files before it stand in the older layout

// The whole image read from the other file.
std::array<Int, static_cast<std::size_t>(kTpcmWords)> FULL_BUFF{};

struct ImportRange {
    Int first;  // first word exchanged
    Int count;  // words exchanged
};

// Exchanges COUNT words from word FIRST between the buffer and the image.
void exchange(Int FIRST, Int COUNT) {
    const auto off = static_cast<std::size_t>(FIRST - 1);
    const auto n = static_cast<std::size_t>(COUNT);
    SWPCOM(COUNT, word_span(&FULL_BUFF[off], n), image_bytes(TPCM).subspan(4 * off, 4 * n));
}

void write_bad_idea_lines(Int U) {
    write_record(U, "     bad idea. You are strongly advised to \"Abort\" this operation, save");
    write_record(U, "     any data file changes you have made, and update the target file");
    write_record(U, "     with the latest version of its application before importing the data.");
}

// True when the user answers "A": the caller then undoes the exchange.
bool user_aborts(Int U) {
    Int LBACK = 0;
    ABORT0(U, KBD_UNIT, LBACK);
    return LBACK == -1;
}

// A file that is not imported: its lines, then a pause. The image has not been touched.
void refuse(std::initializer_list<std::string> lines) {
    for (const std::string& line : lines) write_record(SCREEN_UNIT, line);
    Int LBACK = 0;
    PRSRET(SCREEN_UNIT, KBD_UNIT, LBACK);
}

// What became of the other file before the exchange.
enum class OlderLayout { None, Updated, Refused };

// A file in the 49-line layout holds most of its words hundreds of words before their names, and its
// words 700-702 are data, not editor words. Such a file is brought to the current layout here, before
// any word is exchanged, as the loader would bring it: a file of this program by the version update
// (its notes on the screen), any other file at 6.01 or later by the resize alone, whatever its
// creator word says (a damaged word or an unknown program is no reason to take the words where they
// stand). For the moment the file's words stand in the image (the session's image waits in the
// buffer), so that the update acts on them by their names. A file of another program older than
// 6.01 is refused, as the loader refuses it: only that program knows its version steps. So is a file
// whose version is no number: nothing says which layout it is in.
OlderLayout bring_to_current_layout(Int NREAD, Real VERNOQ, const std::string& path) {
    Tpcm& P = TPCM;
    exchange(1, kTpcmWords);
    // Old files kept their version in another word, as the loader reads it.
    if (P.VERNO == 0.0f) VRCVRT(P.IVERSN(), P.VERNO);
    const Int creator = P.SIMTYP;
    const Real version = P.VERNO;
    const bool finite = std::isfinite(version);
    const bool before_149 = std::abs(version) < kFirstVersionOf149;
    OlderLayout result = OlderLayout::None;
    if (!finite) {
        result = OlderLayout::Refused;
    } else if (creator == kThisProgram && (before_149 || P.DAT_ID == kLayout49)) {
        Int ISRVFG = 0;
        BRVUPD(VERNOQ, ISRVFG, false, UpdateNotes::ScreenOnly);
        result = OlderLayout::Updated;
    } else if (creator != kThisProgram && before_149) {
        result = OlderLayout::Refused;
    } else if (P.DAT_ID == kLayout49) {
        UPDATE_TO_149(version, NREAD, NREAD, NREAD + 1);
        P.DAT_ID = 149;
        result = OlderLayout::Updated;
    }
    exchange(1, kTpcmWords);

    if (result == OlderLayout::Refused && !finite) {
        refuse({" >>> Cannot import " + path + ": its version word is not a number.",
                "     Data file is seriously corrupt: nothing was imported."});
    } else if (result == OlderLayout::Refused) {
        std::string name = creator_name(creator);
        name.erase(name.find_last_not_of(' ') + 1);
        const std::string version_text = fmt_F(std::abs(version), 6, 2);
        if (name == "UNKNOWN") {
            refuse({" >>> Cannot import " + path + ": a data file of an unknown program (creator " +
                        std::to_string(creator) + "),",
                    "     of version" + version_text + ", in the older layout of 49 points and 50 lines.",
                    "     Update it with the current version of its program before importing its data."});
        } else {
            refuse({" >>> Cannot import " + path + ": a " + name + " data file of version" + version_text + ",",
                    "     in the older layout of 49 points and 50 lines. Update it with the",
                    "     current version of " + name + " before importing its data."});
        }
    }
    return result;
}

}  // namespace

void DATLOAD(Int DAT_TYP) {
    constexpr Int U = SCREEN_UNIT;
    Tpcm& P = TPCM;
    const Int CREATQ = P.SIMTYP;
    const Int ISPMQ = P.ISPM;
    const Real VERNOQ = P.VERNO;
    const Int CMPUTQ = P.CMPUTR;

    Int NREAD = 0;
    ImportRange range{};
    switch (DAT_TYP) {
        case 1:
            NREAD = (CREATQ == 3 || CREATQ >= 10) ? kVesselWords : kHeaderWords;
            range = {1, NREAD};
            break;
        case 2:
            NREAD = kMooringEnd;
            range = {kVesselWords + 1, kMooringEnd - kVesselWords};
            break;
        case 3:
            NREAD = kMooringEnd;
            range = {kHeaderWords + 1, kVesselWords - kHeaderWords};
            break;
        default:
            return;  // no such part: nothing to import
    }

    CLEAR(U);
    write_record(U, " >>> Input full or relative path to import target in quotes");
    write_record(U, "     (e.g. \"C:\\Velmora\\KORVDAT)\" or \"KORVDAT\")");
    write_record(U, "");
    WRTLIN(" >>> Path: ", 11, U);
    std::string DATFIL(160, ' ');
    (void)read_list(read_keyboard_line(), {ListTarget::of(DATFIL, 160)});
    if (DATFIL.find_first_not_of(' ') == std::string::npos) {
        write_record(U, " >>> Invalid Filename!");
        Int LBACK = 0;
        PRSRET(U, KBD_UNIT, LBACK);
        return;
    }

    write_record(U, "");
    const std::string path = name_on_disk(DATFIL);
    // Beside the record of a stopped save, the file may be the old case of a save that the next start
    // in that folder finishes, or only half of a new one.
    if (const std::string record = unfinished_save_record(path); !record.empty()) {
        refuse({" >>> Cannot import " + path + ": its folder holds " + record + ",",
                "     the record of a save that was stopped before it was done. The next start of",
                "     the program in that folder finishes or undoes that save; import the file",
                "     after it. Nothing was imported."});
        return;
    }
    // Words of the range beyond the end of a shorter file arrive as 0, never as words of an earlier
    // import.
    FULL_BUFF.fill(0);
    Int NTOGO = NREAD;
    Int IERR = 0;
    DISKIO(1, NTOGO, DATFIL, 21, IERR, word_span(FULL_BUFF), P.CMPUTR);
    if (IERR == 1) {
        write_record(U, " >>> INPUT file not found!");
        Int LBACK = 0;
        PRSRET(U, KBD_UNIT, LBACK);
        return;
    }
    // A read that failed part-way leaves words of unknown state in the buffer: they are not imported.
    if (IERR != 0 && IERR != 4) {
        write_record(U, " >>> INPUT file read error!");
        Int LBACK = 0;
        PRSRET(U, KBD_UNIT, LBACK);
        return;
    }
    // A file that ends before its version word does not say what wrote it, nor in which layout:
    // none of its words can be put under a name. NTOGO holds the words the file held.
    if (NTOGO == 0) {
        refuse({" >>> Cannot import " + path + ": the file is empty.",
                "     Data file is seriously corrupt: nothing was imported."});
        return;
    }
    if (NTOGO < kVersionWord) {
        refuse({" >>> Cannot import " + path + ": the file is cut short at word " + std::to_string(NTOGO) +
                    ", before its",
                "     version (word 217). Data file is seriously corrupt: nothing was imported."});
        return;
    }

    const OlderLayout older = bring_to_current_layout(NREAD, VERNOQ, path);
    if (older == OlderLayout::Refused) return;

    // The comparison runs on the image's own member names: the file's header goes into the image for
    // the moment and comes back with the console word set to the screen.
    exchange(1, kHeaderWords);
    P.EDUNIT = 6;
    Int ERRFLG = 0;
    if (P.VERNO != VERNOQ) ERRFLG += 1;
    if (P.CMPUTR != CMPUTQ) ERRFLG += 2;
    if (P.SIMTYP != CREATQ) ERRFLG += 4;
    const Real VERNO_FILE = P.VERNO;
    // A file updated from a version before the current layout now holds the words of the data's own
    // version: with its old version it would be resized again by the next load of the saved case.
    if (older == OlderLayout::Updated && std::abs(P.VERNO) < kFirstVersionOf149) P.VERNO = VERNOQ;
    exchange(1, kHeaderWords);

    exchange(range.first, range.count);

    bool warned = false;
    if (BITVAL(ERRFLG, 1) == 1) {
        write_record(U, "");
        write_record(U, " >>> Importing data files across version number boundaries is a *very*");
        write_bad_idea_lines(U);
        write_record(U, "");
        write_record(U, Record().put("     Application version: ").F(std::abs(VERNOQ), 7, 2).str());
        write_record(U, Record().put("     Import file version: ").F(std::abs(VERNO_FILE), 7, 2).str());
        write_record(U, "");
        warned = true;
    } else if (BITVAL(ERRFLG, 2) == 1) {
        write_record(U, "");
        write_record(U, " >>> Importing data files between computer operating systems is a *very*");
        write_bad_idea_lines(U);
        warned = true;
    }
    if (warned) {
        if (user_aborts(U)) {
            exchange(range.first, range.count);
            return;
        }
    } else {
        if (IERR == 4 && BITVAL(ERRFLG, 3) == 0) {
            write_record(U, " >>> Suspicious import file size;there may be a problem!");
            if (user_aborts(U)) {
                exchange(range.first, range.count);
                return;
            }
        }
        if (IERR == 0) {
            write_record(U, " >>> Import successful!");
            Int LBACK = 0;
            PRSRET(U, KBD_UNIT, LBACK);
        }
    }

    // Whatever was imported, the case keeps its own creating type, mooring type and session state:
    // a foreign LCOPY of 1 would start a page pass and run the case unasked. The session words sit
    // in the buffer now when the range held them, and in the image otherwise.
    if (range.first == 1) {
        for (Int k : {700, 701, 702}) set_image_word(TPCM, k, FULL_BUFF[static_cast<std::size_t>(k - 1)]);
    }
    P.SIMTYP = CREATQ;
    P.ISPM = ISPMQ;
    // A file of this program holds 4975 words whatever part came in: a larger count would make the
    // next save claim words it does not write.
    P.NTOGO = CREATQ == 16 ? kVesselWords : NREAD;
}

}  // namespace brevant

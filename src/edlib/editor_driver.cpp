// The editor driver: session values, the page chain with its navigation codes, the end of the edit.
#include "edlib/editor_driver.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "edlib/case_as_loaded.h"
#include "edlib/end_of_session.h"
#include "edlib/finish.h"
#include "edlib/last_page.h"
#include "edlib/pages/environment_pages.h"
#include "edlib/pages/vessel_pages.h"
#include "edlib/square_law_page.h"
#include "options/output_option_pages.h"
#include "platform/platform.h"
#include "sysutl/answers.h"
#include "sysutl/error_exits.h"
#include "sysutl/option_words.h"
#include "sysutl/page_loop.h"
#include "sysutl/program_end.h"
#include "sysutl/report_files.h"
#include "sysutl/save_files.h"
#include "sysutl/save_journal.h"
#include "sysutl/staged_files.h"
#include "sysutl/units.h"
#include "sysutl/word_ops.h"

namespace brevant {

FArray<FixedText<7>, kSimulationTypes> STYP;
EditorSession SESSION;

namespace {

// Skip and back targets of slots 1-17 (index 0 unused). Page 5 is never a target of either: it is
// reached only by walking forward from page 4.
constexpr Int kSkipTo[18] = {0, 3, 4, 6, 7, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 18};
constexpr Int kBackTo[18] = {0, 18, 1, 2, 3, 4, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};

constexpr Int kSlotPageDump = 200;
constexpr Int kSlotExecute = 3000;

// The page of a slot; slot 17 has none and slot 18 is the last page, handled by the loop.
void show_page(Int SLOT) {
    switch (SLOT) {
        case 1: STATIC(); break;
        case 2: VESEL1("2", "Vessel"); break;
        case 3: VESEL2("3", "Vessel"); break;
        case 4: VESEL3("4", "Vessel"); break;
        case 5: CYLNDR("5"); break;
        case 6: LOWVES("6", "Vessel"); break;
        case 7: EXTFRC("7", "Vessel"); break;
        case 8: AREAS("8", "Vessel"); break;
        case 9: WIND("9"); break;
        case 10: CURENT(0, "10"); break;
        case 11: REGLAR("11"); break;
        case 12: MORRAN("12"); break;
        case 13: SWELL("13"); break;
        case 14: BRVIO("14"); break;
        case 15: BRVIO2("15"); break;
        case 16: SEMSET("16"); break;
        default: break;
    }
}

void load_case() {
    EditorSession& S = SESSION;
    IOINIT(S.NAME.view(), "     ", S.COPIES, S.ANSWER, S.JMPLOC, S.DATFIL.view(), S.IERR0, S.IERR1, S.VERNQ, S.IYEARQ,
           S.CREATQ, S.EDPRG.view(), S.CMPUTQ, S.LEASTQ, S.NTOGOQ);
}

// The slot to start at after a load; a normal load first forces the settings this program always
// runs with. They are the load's, not the user's: a case that held other values counts as changed
// only once the user changes it.
Int entry_slot(Int JMPLOC) {
    if (JMPLOC == kSlotPageDump) return kFirstSlot;
    if (JMPLOC == kSlotExecute) return kLastSlot;
    set_by_the_editor([] {
        Tpcm& T = TPCM;
        T.NEWFLG = 0;
        T.MAXSEA = 1;
        T.MAXPRM = 1;
        T.MAXANG = 36;
        T.MAXDIR = 1;
        T.ISPM = 0;
        if (!(T.BRV_PD_MIN() > 0.0f)) T.BRV_PD_MIN() = 35.0f;
        T.NEGSUM = 1;
        T.LQUAS = 1;
    });
    return kFirstSlot;
}

// The echo of an execute choice waits under its own name until the case is saved. Only an echo
// this run has written is pending (HCDONE): anything else of that name is not ours to move or remove.
// While the case is saved for its run the echo is held here, off the disk: no temporary of it stands
// while the save waits for the lock of its folder or a refused save waits for an answer, and a
// program ended there leaves none behind.
std::optional<std::string> held_echo;

void hold_pending_echo() {
    if (HCDONE == 0) return;
    held_echo = file_on_disk(kPendingEchoFile);
    drop_staged_file(kEchoFile);
}

void drop_pending_echo() {
    if (HCDONE != 0) drop_staged_file(kEchoFile);
    held_echo.reset();
    HCDONE = 0;  // the next execute writes its echo again
}

// Puts a waiting echo in place as "BREVIN.stxt" (written again beside its name first when it was
// held); false when there was one and it could not be.
bool place_pending_echo() {
    if (HCDONE == 0) return true;
    const std::optional<std::string> held = std::exchange(held_echo, std::nullopt);
    if ((!held || platform::write_new_file(kPendingEchoFile, *held, std::nullopt) == platform::WriteResult::Done) &&
        place_staged_file(kEchoFile))
        return true;
    drop_staged_file(kEchoFile);
    HCDONE = 0;
    return false;
}

// The file that could not take its name beside the case once an execute choice has saved it: the
// run's pending echo, or the console a silent run is writing beside its name. Nullptr when both can.
const char* file_that_cannot_follow_the_save() {
    if (HCDONE != 0 && !can_be_replaced(kEchoFile)) return kEchoFile;
    if (silent_console_waits_for_its_name() && !can_be_replaced(kSilentFileName)) return kSilentFileName;
    return nullptr;
}

// After a save that the session goes on from, the saved images are the ones a later save compares
// with, and the files are there to keep back-ups of: a second save of the same case writes nothing,
// and one with new edits rotates each back-up once. True when the save wrote a file: FINISH writes
// the data file only when the image differs from its copy, and the coefficient file when its tables
// differ from theirs or the load could not read it; otherwise the run takes the files as they stand.
bool keep_saved_case_as_loaded() {
    EditorSession& S = SESSION;
    Tpcm& T = TPCM;
    // The image as FINISH compared and stored it: the console unit at 0.
    const Int console = T.EDUNIT;
    T.EDUNIT = 0;
    Int unchanged = 1;
    NOCHNG(unchanged, image_bytes(static_cast<const Tpcm&>(T)), word_span(S.COPIES.IOBUF), S.NTOGOQ);
    Int tables_unchanged = 1;
    if (S.CREATQ > 10)
        NOCHNG(tables_unchanged, image_bytes(static_cast<const Lowcof&>(LOWCOF)), word_span(S.COPIES.ILOBUF),
               kLowcofWords);
    const bool wrote = unchanged == 0 || tables_unchanged == 0 || (S.CREATQ > 10 && S.IERR0 != 0);
    if (unchanged == 0) S.IERR1 = 0;  // the data file was written
    MOVCOM(S.NTOGOQ, image_bytes(static_cast<const Tpcm&>(T)), word_span(S.COPIES.IOBUF));
    T.EDUNIT = console;
    MOVCOM(kLowcofWords, image_bytes(static_cast<const Lowcof&>(LOWCOF)), word_span(S.COPIES.ILOBUF));
    // A save for a run writes the coefficient file whenever the load could not read it.
    S.IERR0 = 0;
    return wrote;
}

// Ends the edit through FINISH; true when the session is over (after an execute choice, with the
// case saved), false when the user backed out or the save failed and the last page is to be shown
// again with the session as it was.
bool end_of_edit() {
    EditorSession& S = SESSION;
    Tpcm& T = TPCM;
    if (const char* in_the_way = file_that_cannot_follow_the_save(); T.LBACK == NAV_EXECUTE && in_the_way != nullptr) {
        // The run's echo, or a silent run's console, could not take its place beside the saved case
        // (a folder, a locked file or a mount point holds its name): nothing is saved, and the page
        // comes back as for an echo that could not be written (a silent run's on the screen, where
        // it was chosen).
        drop_pending_echo();
        SAVEDATA = 0;
        report_access_error(S.EDPRG.view(), in_the_way, T.EDUNIT);
        if (T.EDUNIT == SILENT_UNIT) {
            silent_run_not_saved(S.EDPRG.view(), in_the_way);
            T.EDUNIT = SCREEN_UNIT;
        }
        T.LBACK = 0;
        return false;
    }
    hold_pending_echo();
    T.IVERS_SUFX = 0;
    S.EDUNIT_TMP = T.EDUNIT;
    T.EDUNIT = 0;  // the image is stored with 0 there
    S.KBD = KBD_UNIT;
    const Int code = T.LBACK;  // the last page's decision; FINISH stores the image with 0 there
    try {
        FINISH(S.CMPUTQ, T.SRCDAT, S.LEASTQ, S.KBD, T.LBACK, S.JMPLOC, image_bytes(TPCM), word_span(S.COPIES.IOBUF),
               image_bytes(LOWCOF), word_span(S.COPIES.ILOBUF), T.IPAG, S.CREATQ, S.EDUNIT_TMP, S.IERR0, S.IERR1,
               kLowcofWords, S.NTOGOQ, S.DATFIL.view(), S.BAKFIL.view(), S.LOWFIL.view(), S.LOWBAK.view(),
               S.EDPRG.view(), VESTRAKEL_GO);
    } catch (const ProgramEnd& end) {
        // The program ends inside the end of the edit. A fatal end (a failed save of a silent run,
        // the input closed at a question) leaves no echo of a case that was not saved; a normal end
        // (the chaining after its page pass) keeps its echo as it always did.
        if (end.status == 0) {
            place_pending_echo();
        } else {
            drop_pending_echo();
        }
        throw;
    }
    T.EDUNIT = S.EDUNIT_TMP;
    // A silent run whose save failed has been given back to the screen by the end of the edit.
    if (S.JMPLOC == 1 && code != 101 && T.EDUNIT == SILENT_UNIT) T.EDUNIT = SCREEN_UNIT;
    if (S.JMPLOC == 1) {
        if (code == 101) {
            // The user backed out of leaving without saving: an echo of the chaining's page pass
            // stays written, as it always was.
            place_pending_echo();
        } else {
            // The save failed: the echo written for the run goes with the run, and the failed save
            // is no decision the next page pass may act on.
            drop_pending_echo();
            SAVEDATA = 0;
        }
        return false;
    }
    // The case is on disk for the run, saved now or as the folder held it: what a later save
    // compares with is now that case.
    set_case_for_run(keep_saved_case_as_loaded() ? CaseForRun::saved : CaseForRun::already_in_folder);
    // Its echo takes its place beside it, then a silent run's console takes its name: the run starts.
    // Each was found able to before the save; a rename that still fails (a device error) stops the
    // run before it starts, with the case saved.
    const bool echo_placed = place_pending_echo();
    if (echo_placed && (T.EDUNIT != SILENT_UNIT || place_silent_console())) return true;
    const char* failed = echo_placed ? kSilentFileName : kEchoFile;
    report_access_error(S.EDPRG.view(), failed, T.EDUNIT);
    // A silent run with nothing unsaved ends here, naming the file on the screen.
    if (T.EDUNIT == SILENT_UNIT) silent_run_not_saved(S.EDPRG.view(), failed, true);
    // The page comes back: the next execute writes its echo anew and finds nothing left to save.
    drop_pending_echo();
    set_case_for_run(CaseForRun::no_run);
    T.LBACK = 0;
    return false;
}

}  // namespace

Int jump_slot(Int N) {
    if (N < 1 || N > 18) return 1;
    return N == 5 ? 6 : N;
}

Int slot_after(Int SLOT, Int CODE, Int IPAG) {
    if (SLOT == kLastSlot) {
        switch (CODE) {
            case 0:
            case NAV_FIRST: return 1;
            case NAV_SKIP: return 2;
            case NAV_BACK: return 17;
            case NAV_REDRAW:
            case NAV_LAST: return kLastSlot;
            case NAV_JUMP: return jump_slot(IPAG);
            default: return 0;  // save and exit, exit without saving, execute, and every other code
        }
    }
    switch (CODE) {
        case NAV_REDRAW: return SLOT;
        case NAV_FIRST: return 1;
        case NAV_LAST:
        case NAV_EXECUTE: return kLastSlot;
        case NAV_SKIP: return kSkipTo[SLOT];
        case NAV_JUMP: return jump_slot(IPAG);
        case NAV_BACK: return kBackTo[SLOT];
        case 0: return SLOT + 1;
        default: break;
    }
    // Pages 1-9 take an unexpected negative code as a step back; later pages take every code as next.
    if (SLOT <= 9 && CODE < -1) return kBackTo[SLOT];
    return SLOT + 1;
}

bool slot_shown(Int SLOT) {
    const Tpcm& T = TPCM;
    switch (SLOT) {
        case 5: return T.SEMI_LIKE != 0;
        case 9: return T.LWIND == 1;
        case 10: return T.LCURNT == 1;
        case 16: {
            if (T.SEMI_LIKE == 0) return false;
            for (Int field = 1; field <= 3; ++field) {
                const Int model = NIBVAL(T.LWVCOF, field, T.EDUNIT);
                if (model == 5 || model == 7) return true;
            }
            return false;
        }
        case 17: return false;
        default: return SLOT >= 1 && SLOT <= kLastSlot;
    }
}

Int stepped_page_counter(Int IPAG) { return std::clamp<Int>(IPAG, 0, kLastSlot) + 1; }

void set_session_values() {
    static constexpr const char* kNames[kSimulationTypes] = {
        "KORVELL", "TANDRIL", "PELMARO", "VOSKARN", "",        "",        "GRELDIN", "FURNEL ", "UNKNOWN",
        "MARDEK ", "QUENTAL", "BASKERO", "DORVINE", "ZELFOR ", "NAVRIK ", "BREVANT", "LOMIRAS",
    };
    for (int k = 1; k <= kSimulationTypes; ++k) STYP(k) = kNames[k - 1];
    EditorSession& S = SESSION;
    S.LOWFIL = "LOWDAT";
    S.LOWBAK = "LOWBAK";
    S.NTOGOQ = NTOGOQ;
    VESTRAKEL_GO = 0;
    S.NAME = "Brevant";
    S.EDPRG = "BrevEdit";
    S.DATFIL = "BREVDAT";
    S.BAKFIL = "BREVBAK";
    S.VERNQ = 6.8f;
    S.CREATQ = 16;
    S.IYEARQ = 2020;
    S.CMPUTQ = 5;
    S.LEASTQ = kInteractiveRun;
    S.KBD = KBD_UNIT;
    // What a page sets in the case as it is shown is the editor's, not the user's.
    set_drawing_wrapper(set_by_the_editor);
}

void reset_session() {
    SESSION = EditorSession{};
    held_echo.reset();
    set_case_file_seen(std::nullopt);
    set_coefficient_file_seen(std::nullopt);
    for (int k = 1; k <= kSimulationTypes; ++k) STYP(k) = "";
    set_drawing_wrapper(nullptr);
}

void walk_page_chain(Int FIRST) {
    Tpcm& T = TPCM;
    Int SLOT = FIRST;
    for (;;) {
        T.IPAG = stepped_page_counter(T.IPAG);
        // A skip is used up by the slot it lands on; slot 16 uses it up after its page instead.
        if (SLOT != 16 && T.LBACK == NAV_SKIP) T.LBACK = 0;

        if (SLOT == kLastSlot) {
            BRVFIN("17");
            if (T.LCOPY != 0) {
                // The last page has started a page pass: the loader writes the title box to the
                // pass's file and the walk begins again at page 1.
                load_case();
                SLOT = entry_slot(SESSION.JMPLOC);
                continue;
            }
            const Int next = slot_after(SLOT, T.LBACK, T.IPAG);
            if (next != 0) {
                SLOT = next;
                continue;
            }
            if (end_of_edit()) return;
            SLOT = kLastSlot;
            continue;
        }

        // A page that is not shown leaves LBACK as it found it, so its code carries on through the slot.
        if (slot_shown(SLOT)) show_page(SLOT);
        if (SLOT == 16 && T.LBACK == NAV_SKIP) T.LBACK = 0;
        SLOT = slot_after(SLOT, T.LBACK, T.IPAG);
    }
}

// A save of the case stopped half-way by an earlier run in this folder is finished or undone
// before anything is read, and the load says which. The load does it under the lock of the folder,
// with the reads of the case: no other program is then saving or resolving a save there.
void resolve_stopped_save() {
    const EditorSession& S = SESSION;
    std::vector<std::string> files = {name_on_disk(S.DATFIL.view()), name_on_disk(S.BAKFIL.view()), "LASTBAK",
                                      name_on_disk(S.LOWFIL.view()), name_on_disk(S.LOWBAK.view()), "LASTLOW"};
    hold_start_work([files = std::move(files)] { return recover_stopped_save(files).lines; });
}

Int start_session() {
    set_session_values();
    TPCM.LCOPY = 0;
    resolve_stopped_save();
    load_case();
    return entry_slot(SESSION.JMPLOC);
}

void BREVED() { walk_page_chain(start_session()); }

}  // namespace brevant

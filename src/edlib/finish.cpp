// The end of an edit: change check, loss warning, saving with two generations of back-up, chaining.
#include "edlib/finish.h"

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "edlib/last_page.h"
#include "edlib/loader.h"

#include "platform/platform.h"
#include "sysutl/error_exits.h"
#include "sysutl/paging.h"
#include "sysutl/pauses.h"
#include "sysutl/program_end.h"
#include "sysutl/record_io.h"
#include "sysutl/report_files.h"
#include "sysutl/save_files.h"
#include "sysutl/staged_files.h"
#include "sysutl/units.h"
#include "sysutl/word_ops.h"

namespace brevant {

namespace {

void write_loss_warning(Int EDUNIT, std::string_view DATFIL, std::string_view LOWFIL) {
    LINES(EDUNIT, 2);
    write_record(EDUNIT, std::string(24, ' ') + ">>> WARNING <<<");
    write_record(EDUNIT, "");
    write_record(EDUNIT, " This action will result in the loss of data changes to " + name_on_disk(DATFIL) + " or " +
                             name_on_disk(LOWFIL));
    write_record(EDUNIT, " made during this editing session. If you wish to \"Abort\" this");
    write_record(EDUNIT, " decision and reinspect your data, enter \"A\" below.");
}

void write_chaining_warning(Int EDUNIT, std::string_view DATFIL, std::string_view LOWFIL) {
    LINES(EDUNIT, 2);
    write_record(EDUNIT, std::string(24, ' ') + ">>> WARNING <<<");
    write_record(EDUNIT, "");
    write_record(EDUNIT, " Changes to " + name_on_disk(DATFIL) + ", or " + name_on_disk(LOWFIL) +
                             ", or the Vestrakel excursion disk diameter");
    write_record(EDUNIT, " were detected during this editing session.");
    write_record(EDUNIT, "");
    write_record(EDUNIT, " Chaining to VestraKel is a VERY bad idea without first rebuilding your support");
    write_record(EDUNIT, " files with a normal \"Execute\" (i.e., without chaining directly to Vestrakel).");
    write_record(EDUNIT, "");
    write_record(EDUNIT, " If you wish to Abort this bad decision and review your options, enter \"A\" below.");
    write_record(EDUNIT, "");
    write_record(EDUNIT, " If you choose *not* to Abort, the NAVRDAT, etc., changes you made will be lost,");
    write_record(EDUNIT, " and your simulation output will likely be seriously compromised.");
}

// Said once on the console when a save finds the lock of its folder held, and flushed at once so that
// it is seen while the save waits. The holder may be saving, or starting and reading the case.
void say_save_waits(Int EDUNIT) {
    write_record(EDUNIT, " >>> Another program holds the lock of this folder: the case is saved once it lets go.");
    flush_all_units();
}

// The message of a save that failed, with its pause: why in words when the save was refused for what
// stands in its way, else the access error naming FAILED.
void report_failed_save(const StagedSave& save, std::string_view EDPRG, std::string_view FAILED, Int EDUNIT) {
    if (save.refusal()) {
        report_refused_save(refusal_lines(save.refusal()), EDUNIT);
    } else {
        report_access_error(EDPRG, FAILED, EDUNIT);
    }
}

}  // namespace

bool BACKIT(Int EDUNIT, std::string_view EDPROG, Int CMPUTR, Int NTOGOQ, std::span<std::byte> IDUM,
            std::string_view DATFIL, Int IERR1, std::string_view BAKFIL, std::string_view BAKFL2, std::string* FAILED) {
    JoinedSave joined;
    StagedSave& save = joined.save();
    if (joined.owned()) save.on_lock_wait([EDUNIT] { say_save_waits(EDUNIT); });
    // A folder that takes no renames (append-only, immutable, read-only) is found before anything is
    // written, and named: its files are not what stops the save.
    std::string failed = folder_refusing_renames(DATFIL);
    // Nor is anything written beside the leftovers of a save that was not finished, or while another
    // program is saving in the folder: the save is refused, and says why.
    if (failed.empty() && !save.admit(DATFIL)) failed = DATFIL;
    // A file that stands there now though none could be opened at load (another program's save
    // since) is kept as the back-up like any other: nothing of it is lost.
    std::error_code absent;
    if (failed.empty() && (IERR1 != 1 || std::filesystem::exists(name_on_disk(DATFIL), absent))) {
        // The back-ups are copies of the files as they stand on disk, not of an image read from them:
        // a framed, short or long file is kept word for word at its own length.
        if (const auto older = file_on_disk(name_on_disk(BAKFIL));
            older && save.stage(BAKFL2, *older) != StageResult::Staged)
            failed = BAKFL2;
        if (const auto current = file_on_disk(name_on_disk(DATFIL));
            failed.empty() && current && save.stage(BAKFIL, *current) != StageResult::Staged)
            failed = BAKFIL;
    }
    if (failed.empty()) {
        Int NTOGO = NTOGOQ;
        Int IERR = 0;
        DISKIO(0, NTOGO, DATFIL, DISK_UNIT, IERR, IDUM, CMPUTR);
        if (IERR != 0) failed = DATFIL;
    }
    if (failed.empty()) {
        failed = joined.finish();
        if (failed.empty()) return true;
    }
    save.discard();  // before the pause: no temporary and no lock waits on the user
    report_failed_save(save, EDPROG, failed, EDUNIT);
    if (FAILED != nullptr) *FAILED = failed;
    return false;
}

void CHAIN_SQUAL(Int CMPUTQ) {
    if (CMPUTQ != 5 && CMPUTQ != 21) {
        write_record(SCREEN_UNIT, "++> Undefined OS type! Aborting out of CHAIN_SQUAL");
        stop_program(1);
    }
    // Both codes start the program by its name here: the shell of this platform needs no "cmd /c".
    // A missing program is reported by the shell itself; only a shell that cannot start is ours to say.
    if (platform::run_command("VestraKel") == -1) write_record(SCREEN_UNIT, " ++> Could not start VestraKel.");
}

void FINISH(Int CMPUTQ, Int& SRCDAT, Int LEASTQ, Int KBD, Int& LBACK, Int& JMPLOC, std::span<std::byte> IDUM,
            std::span<const std::byte> IOBUF, std::span<std::byte> ILOWCF, std::span<const std::byte> ILOBUF,
            Int& IPAG, Int CREATQ, Int EDUNIT, Int IERR0, Int IERR1, Int NLOCOF, Int NTOGOQ, std::string_view DATFIL,
            std::string_view BAKFIL, std::string_view LOWFIL, std::string_view LOWBAK, std::string_view EDPRG,
            Logical VESTRAKEL_GO) {
    JMPLOC = 0;
    // The image is stored with the editor's navigation words at 0 and the run mode of this run.
    const Int LBACKP = LBACK;
    LBACK = 0;
    SRCDAT = LEASTQ;
    IPAG = 0;

    Int NOCHG = 1;
    NOCHNG(NOCHG, IDUM, IOBUF, NTOGOQ);
    Int NOCHG1 = 1;
    if (CREATQ > 10) NOCHNG(NOCHG1, ILOWCF, ILOBUF, NLOCOF);

    if (LBACKP == 101) {
        if (NOCHG == 0 || NOCHG1 == 0) {
            CLEAR(EDUNIT);
            if (VESTRAKEL_GO != 0) {
                write_chaining_warning(EDUNIT, DATFIL, LOWFIL);
            } else {
                write_loss_warning(EDUNIT, DATFIL, LOWFIL);
            }
            Int answer = 0;
            ABORT0(EDUNIT, KBD, answer);
            if (answer == -1) {
                JMPLOC = 1;
                return;
            }
            if (VESTRAKEL_GO != 0) {
                write_record(SCREEN_UNIT, "");
                write_record(SCREEN_UNIT, " >>> Chaining to Vestrakel");
                CHAIN_SQUAL(CMPUTQ);
            }
            stop_program(0);
        }
        if (VESTRAKEL_GO != 0) {
            CHAIN_SQUAL(CMPUTQ);
            stop_program(0);
        }
    }

    // A coefficient file that could not be read at load (missing, short, or with its counts held to
    // their tables) is written by any save, changed or not: otherwise a case whose coefficient
    // tables were never written reports the file missing at every load and loses its model choices
    // to the built-in models.
    const bool save_chosen = LBACKP != 101;
    bool write_coefficients = NOCHG1 == 0 || (save_chosen && CREATQ > 10 && IERR0 != 0);
    bool write_data = NOCHG == 0;

    // Both groups are written beside their files first and put in place together, coefficient file
    // first: a failed write of either changes nothing on disk.
    StagedSave save;
    save.on_lock_wait([EDUNIT] { say_save_waits(EDUNIT); });
    std::string failed;
    // The lock of the folder first: while another program holds it (its save, or its start reading
    // the case) the save waits for it, and nothing it looks at below can change under it.
    if ((write_data || write_coefficients) && !save.admit(DATFIL)) {
        failed = name_on_disk(DATFIL);
        save.discard();  // before the pause: no lock waits on the user
        report_failed_save(save, EDPRG, failed, EDUNIT);
    }
    // A save leaves its session's whole case on disk: the coefficient file goes with the data file
    // whenever the one on disk is no longer the one this session read or last wrote (another
    // program in this folder may have saved its own since the load, or removed it), or the
    // session's data file would stand beside another case's coefficient tables; and the data file
    // goes with the coefficient file likewise. A file that loaded as it stands (framed, or longer
    // than its image) is the session's own, and is not rewritten for that alone.
    if (failed.empty() && CREATQ > 10 && write_data != write_coefficients) {
        if (write_data) {
            write_coefficients = mark_of_file(name_on_disk(LOWFIL)) != coefficient_file_seen();
        } else {
            write_data = mark_of_file(name_on_disk(DATFIL)) != case_file_seen();
        }
    }
    if (failed.empty() && write_coefficients)
        BACKIT(EDUNIT, EDPRG, CMPUTQ, NLOCOF, ILOWCF, LOWFIL, IERR0, LOWBAK, "LASTLOW   ", &failed);
    if (failed.empty() && write_data)
        BACKIT(EDUNIT, EDPRG, CMPUTQ, NTOGOQ, IDUM, DATFIL, IERR1, BAKFIL, "LASTBAK   ", &failed);
    if (failed.empty()) {
        // A coefficient file on disk that the load could not read is replaced: the user hears of it
        // once the new one is in place, and finds the old one in the back-up.
        const bool unreadable_replaced = write_coefficients && IERR0 != 0 && IERR0 != 1 &&
                                         IERR0 != kLowdatCountsHeld &&
                                         std::filesystem::is_regular_file(name_on_disk(LOWFIL));
        failed = save.commit();
        if (!failed.empty()) {
            report_failed_save(save, EDPRG, failed, EDUNIT);
        } else {
            // What this save wrote is what a later save of the session compares the disk with.
            if (write_data) set_case_file_seen(mark_of(image_file_bytes(IDUM, NTOGOQ)));
            if (write_coefficients) set_coefficient_file_seen(mark_of(image_file_bytes(ILOWCF, NLOCOF)));
            if (unreadable_replaced)
                write_record(EDUNIT, " ++> " + name_on_disk(LOWFIL) +
                                         " could not be read; a new one is written and the old one kept as " +
                                         name_on_disk(LOWBAK));
        }
    }
    if (!failed.empty()) {
        // The session goes back to the End of Session page with every edit in memory; a silent run
        // gives it back to the screen, where it was chosen (it ends there when nothing is unsaved).
        if (EDUNIT == SILENT_UNIT) {
            if (save.refusal()) {
                silent_run_not_saved(EDPRG, refusal_lines(save.refusal()));
            } else {
                silent_run_not_saved(EDPRG, failed);
            }
        }
        JMPLOC = 1;
        return;
    }

    if (LBACKP != -1983) stop_program(0);
}

}  // namespace brevant

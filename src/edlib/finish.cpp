// The end of an edit: change check, loss warning, saving with two generations of back-up, chaining.
#include "edlib/finish.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "edlib/loader.h"

#include "platform/platform.h"
#include "sysutl/error_exits.h"
#include "sysutl/paging.h"
#include "sysutl/pauses.h"
#include "sysutl/program_end.h"
#include "sysutl/record_io.h"
#include "sysutl/units.h"
#include "sysutl/word_ops.h"

namespace brevant {

namespace {

std::string trimmed(std::string_view s) {
    std::size_t n = s.size();
    while (n > 0 && s[n - 1] == ' ') --n;
    return std::string(s.substr(0, n));
}

// A file whose owner may not write it (by its mode bits, so that the rule holds for every user,
// root included) is one the user has protected: a save never replaces it.
bool write_protected(const std::string& name) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status st = fs::status(name, ec);
    if (ec || !fs::exists(st)) return false;
    return (st.permissions() & fs::perms::owner_write) == fs::perms::none;
}

// The first file that a BACKIT of DATFIL would replace and may not, as the caller named it; empty
// when there is none. The second back-up is replaced only when there is a back-up to move down,
// the back-up only when there is a data file on disk.
std::string_view protected_target(std::string_view DATFIL, Int IERR1, std::string_view BAKFIL,
                                  std::string_view BAKFL2) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (IERR1 != 1) {
        if (fs::is_regular_file(trimmed(BAKFIL), ec) && write_protected(trimmed(BAKFL2))) return BAKFL2;
        if (fs::is_regular_file(trimmed(DATFIL), ec) && write_protected(trimmed(BAKFIL))) return BAKFIL;
    }
    if (write_protected(trimmed(DATFIL))) return DATFIL;
    return {};
}

// A file exactly as it stands on disk, every byte and its own length, so that a back-up made of it
// is never padded or trimmed by another buffer. Nothing when there is no such file (no back-up
// yet) or it cannot be read: a read error is not reported, and there is then nothing to keep.
std::optional<std::vector<char>> file_on_disk(const std::string& name) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!fs::is_regular_file(name, ec)) return std::nullopt;
    std::ifstream in(name, std::ios::binary);
    if (!in.is_open()) return std::nullopt;
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

// The files of one save. Each is written in full beside its name first; only when every one is
// written are they renamed into place, in the order they were staged. A save that fails on the way
// (a full disk, a file-size limit, a folder in the way) thus leaves every file on disk as it was,
// and the session can try again. The temporaries of a save that did not complete are removed.
class StagedSave {
public:
    StagedSave() = default;
    StagedSave(const StagedSave&) = delete;
    StagedSave& operator=(const StagedSave&) = delete;
    ~StagedSave() { discard(); }

    // Writes BYTES beside the file SHOWN names (blank-padded as the caller holds it); a file that
    // is replaced keeps its permission bits. False when the temporary could not be written whole.
    bool stage(std::string_view shown, const std::vector<char>& bytes) {
        namespace fs = std::filesystem;
        const std::string name = trimmed(shown);
        std::error_code status_ec;  // a file that is not there yet is no error
        const fs::file_status old_status = fs::status(name, status_ec);
        const std::string temp = name + ".brvtmp";
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out.is_open()) return false;
        files_.push_back({name, temp, shown, false});
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        const bool written = !out.fail();
        out.close();
        if (!written || out.fail()) return false;
        std::error_code ec;
        if (fs::exists(old_status)) fs::permissions(temp, old_status.permissions(), ec);
        return !ec;
    }

    // Renames every staged file over its name. The name (as shown) of the first that could not be
    // put in place, empty when all were; the files renamed before it stay, each back-up ahead of
    // the file it keeps.
    std::string_view commit() {
        namespace fs = std::filesystem;
        for (Staged& f : files_) {
            std::error_code ec;
            fs::rename(f.temp, f.name, ec);
            if (ec) {
                discard();
                return f.shown;
            }
            f.placed = true;
        }
        return {};
    }

    // Removes every temporary not yet in place.
    void discard() {
        for (Staged& f : files_) {
            if (f.placed) continue;
            std::error_code ec;
            std::filesystem::remove(f.temp, ec);
            f.placed = true;
        }
    }

private:
    struct Staged {
        std::string name;
        std::string temp;
        std::string_view shown;
        bool placed;
    };
    std::vector<Staged> files_;
};

// Stages the save of one image with its back-ups: unless the file could not be opened at load
// (IERR1 = 1), the former back-up becomes BAKFL2 and the file as it stands on disk BAKFIL; then
// words 1..NTOGOQ of IDUM become DATFIL. With no back-up yet there is no second back-up; with no
// file on disk any more there is nothing to keep and the back-up stays as it was. Returns the name
// of the file that could not be staged, empty when all were.
std::string_view stage_rotation(StagedSave& save, std::span<const std::byte> IDUM, Int NTOGOQ,
                                std::string_view DATFIL, Int IERR1, std::string_view BAKFIL,
                                std::string_view BAKFL2) {
    if (IERR1 != 1) {
        if (const auto older = file_on_disk(trimmed(BAKFIL)); older && !save.stage(BAKFL2, *older)) return BAKFL2;
        if (const auto current = file_on_disk(trimmed(DATFIL)); current && !save.stage(BAKFIL, *current))
            return BAKFIL;
    }
    if (!save.stage(DATFIL, image_file_bytes(IDUM, NTOGOQ))) return DATFIL;
    return {};
}

void write_loss_warning(Int EDUNIT, std::string_view DATFIL, std::string_view LOWFIL) {
    LINES(EDUNIT, 2);
    write_record(EDUNIT, std::string(24, ' ') + ">>> WARNING <<<");
    write_record(EDUNIT, "");
    write_record(EDUNIT, " This action will result in the loss of data changes to " + trimmed(DATFIL) + " or " +
                             trimmed(LOWFIL));
    write_record(EDUNIT, " made during this editing session. If you wish to \"Abort\" this");
    write_record(EDUNIT, " decision and reinspect your data, enter \"A\" below.");
}

void write_chaining_warning(Int EDUNIT, std::string_view DATFIL, std::string_view LOWFIL) {
    LINES(EDUNIT, 2);
    write_record(EDUNIT, std::string(24, ' ') + ">>> WARNING <<<");
    write_record(EDUNIT, "");
    write_record(EDUNIT, " Changes to " + trimmed(DATFIL) + ", or " + trimmed(LOWFIL) +
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

}  // namespace

void BACKIT(Int EDUNIT, std::string_view EDPROG, [[maybe_unused]] Int CMPUTR, Int NTOGOQ, std::span<std::byte> IDUM,
            std::string_view DATFIL, Int IERR1, std::string_view BAKFIL, std::string_view BAKFL2) {
    // Nothing of the rotation is written when one of its files is protected.
    std::string_view failed = protected_target(DATFIL, IERR1, BAKFIL, BAKFL2);
    StagedSave save;
    if (failed.empty()) failed = stage_rotation(save, IDUM, NTOGOQ, DATFIL, IERR1, BAKFIL, BAKFL2);
    if (failed.empty()) failed = save.commit();
    if (failed.empty()) return;
    save.discard();  // before the pause: no temporary waits on the user
    ACERR(EDPROG, failed, EDUNIT);
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
    const bool write_coefficients = NOCHG1 == 0 || (save_chosen && CREATQ > 10 && IERR0 != 0);
    const bool write_data = NOCHG == 0;

    // A protected file stops the save before anything of either group is written; otherwise both
    // groups are written beside their files first and put in place together, coefficient file first.
    std::string_view failed;
    if (write_coefficients) failed = protected_target(LOWFIL, IERR0, LOWBAK, "LASTLOW   ");
    if (failed.empty() && write_data) failed = protected_target(DATFIL, IERR1, BAKFIL, "LASTBAK   ");
    StagedSave save;
    if (failed.empty() && write_coefficients)
        failed = stage_rotation(save, ILOWCF, NLOCOF, LOWFIL, IERR0, LOWBAK, "LASTLOW   ");
    if (failed.empty() && write_data) failed = stage_rotation(save, IDUM, NTOGOQ, DATFIL, IERR1, BAKFIL, "LASTBAK   ");
    if (failed.empty()) {
        // A coefficient file on disk that the load could not read is replaced: the user hears of it
        // before it goes, and finds it again in the back-up.
        if (write_coefficients && IERR0 != 0 && IERR0 != 1 && IERR0 != kLowdatCountsHeld &&
            std::filesystem::is_regular_file(trimmed(LOWFIL)))
            write_record(EDUNIT, " ++> " + trimmed(LOWFIL) + " could not be read; a new one is written and the old one kept as " +
                                     trimmed(LOWBAK));
        failed = save.commit();
    }
    if (!failed.empty()) {
        save.discard();
        // A silent run has nobody to make the file writable and choose again: it ends here.
        if (EDUNIT == SILENT_UNIT) ACERR(EDPRG, failed, EDUNIT);
        // Otherwise the session goes back to the End of Session page with every edit in memory.
        report_access_error(EDPRG, failed, EDUNIT);
        JMPLOC = 1;
        return;
    }

    if (LBACKP != -1983) stop_program(0);
}

}  // namespace brevant

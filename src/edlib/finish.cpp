// The end of an edit: change check, loss warning, saving with two generations of back-up, chaining.
#include "edlib/finish.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

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

enum class CopyResult { Copied, NoSource, WriteFailed };

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

// A back-up is the file exactly as it stands on disk, every byte and its own length: it is copied
// as it is rather than read into a word buffer, so that a short or framed file is never padded or
// trimmed by another buffer. The copy is written beside the target and renamed over it, like every
// save, so that a failed copy leaves the former back-up whole.
CopyResult copy_as_backup(const std::string& from, const std::string& to) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!fs::is_regular_file(from, ec)) return CopyResult::NoSource;
    std::ifstream in(from, std::ios::binary);
    if (!in.is_open()) return CopyResult::NoSource;
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return CopyResult::NoSource;

    // A protected back-up stays as it is; one that is replaced keeps its permission bits.
    if (write_protected(to)) return CopyResult::WriteFailed;
    std::error_code status_ec;  // a back-up that is not there yet is no error
    const fs::file_status old_status = fs::status(to, status_ec);
    const std::string temp = to + ".brvtmp";
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out.is_open()) return CopyResult::WriteFailed;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    const bool written = !out.fail();
    out.close();
    if (!written || out.fail()) {
        fs::remove(temp, ec);
        return CopyResult::WriteFailed;
    }
    if (fs::exists(old_status)) fs::permissions(temp, old_status.permissions(), ec);
    if (ec) {
        fs::remove(temp, ec);
        return CopyResult::WriteFailed;
    }
    fs::rename(temp, to, ec);
    if (ec) {
        fs::remove(temp, ec);
        return CopyResult::WriteFailed;
    }
    return CopyResult::Copied;
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

void BACKIT(Int EDUNIT, std::string_view EDPROG, Int CMPUTR, Int NTOGOQ, std::span<std::byte> IDUM,
            std::string_view DATFIL, Int IERR1, std::string_view BAKFIL, std::string_view BAKFL2) {
    // Nothing of the rotation is written when one of its files is protected.
    const std::string_view locked = protected_target(DATFIL, IERR1, BAKFIL, BAKFL2);
    if (!locked.empty()) ACERR(EDPROG, locked, EDUNIT);
    if (IERR1 != 1) {
        const std::string data = trimmed(DATFIL);
        const std::string back = trimmed(BAKFIL);
        const std::string last = trimmed(BAKFL2);
        // The former back-up moves down one generation; with none yet there is no second back-up.
        if (copy_as_backup(back, last) == CopyResult::WriteFailed) ACERR(EDPROG, BAKFL2, EDUNIT);
        // The file as it is on disk now becomes the back-up. When it has gone from the disk since
        // the load there is nothing to keep, and the back-up stays as it was.
        if (copy_as_backup(data, back) == CopyResult::WriteFailed) ACERR(EDPROG, BAKFIL, EDUNIT);
    }
    Int NTOGO = NTOGOQ;
    Int IERR = 0;
    DISKIO(0, NTOGO, DATFIL, DISK_UNIT, IERR, IDUM, CMPUTR);
    if (IERR != 0) ACERR(EDPROG, DATFIL, EDUNIT);
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

    // A coefficient file that could not be read at load (missing, short, or rejected) is written by
    // any save, changed or not: otherwise a case whose coefficient tables were never written reports
    // the file missing at every load and loses its model choices to the built-in models.
    const bool save_chosen = LBACKP != 101;
    const bool write_coefficients = NOCHG1 == 0 || (save_chosen && CREATQ > 10 && IERR0 != 0);
    const bool write_data = NOCHG == 0;

    // A protected file stops the save before anything of either group is written.
    if (write_coefficients) {
        const std::string_view locked = protected_target(LOWFIL, IERR0, LOWBAK, "LASTLOW   ");
        if (!locked.empty()) ACERR(EDPRG, locked, EDUNIT);
    }
    if (write_data) {
        const std::string_view locked = protected_target(DATFIL, IERR1, BAKFIL, "LASTBAK   ");
        if (!locked.empty()) ACERR(EDPRG, locked, EDUNIT);
    }

    // Coefficient file first, then the data file.
    if (write_coefficients) BACKIT(EDUNIT, EDPRG, CMPUTQ, NLOCOF, ILOWCF, LOWFIL, IERR0, LOWBAK, "LASTLOW   ");
    if (write_data) BACKIT(EDUNIT, EDPRG, CMPUTQ, NTOGOQ, IDUM, DATFIL, IERR1, BAKFIL, "LASTBAK   ");

    if (LBACKP != -1983) stop_program(0);
}

}  // namespace brevant

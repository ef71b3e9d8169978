// The end of an edit: the change check against the copies taken at load, the warning before
// unsaved changes are lost, saving with two generations of back-up, and chaining to the squall program.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant {

// Ends the edit. LBACK holds the code of the last page: 101 exit without saving, -1983 execute,
// anything else save and exit. The image IDUM (first NTOGOQ words) and the coefficient image ILOWCF
// (NLOCOF words) are compared with their load copies IOBUF and ILOBUF and saved only when they differ;
// a save (not an exit without saving) also writes the coefficient image when its file could not be
// read at load (IERR0 not 0), saying so in one line when an unreadable file on disk is replaced, and
// a save of the data image writes it whenever the coefficient file on disk is no longer the one the
// session read or last wrote (another program's save, a file removed), and the reverse: the files
// on disk are then the session's whole case. A type that keeps no coefficient file (CREATQ 10 or
// below) writes none. A save takes the lock of its folder before it looks at the files; while
// another program holds it, the save waits, saying so once on EDUNIT (" >>> Another program holds
// the lock of this folder: ..."), and is refused in words only past kLockWaitSeconds.
// Every file of the save is written beside its name first and put in place only when all are
// written, so a save that fails (a protected file by its mode bits, a full disk, a file-size limit)
// changes nothing on disk (a rename that fails after every check puts back what the save had
// replaced): the access error and its pause come (or, for a save refused because something of an
// earlier save stands in its way, the reason in words), and FINISH returns 1 with every edit still in
// the images. A silent run has nobody at its console: its message goes to "Diagnostics.stxt", and the
// session is given back to the screen (silent_run_not_saved), ending with status 1 only when
// nothing is unsaved.
// JMPLOC: 1 the user backed out of losing changes, or the save failed (show the last page again);
// 0 the case is saved after an execute choice. Every other outcome ends the program here.
//   CMPUTQ          in      machine code of this program (5): file transfers and the chaining command
//   SRCDAT          out     image word 6, set to LEASTQ before the comparison
//   LEASTQ          in      run mode of this run (3 silent), stored in SRCDAT
//   KBD             in      keyboard unit (5) for the answer to the loss warning
//   LBACK           in/out  image word 700: the code of the last page in, 0 out
//   JMPLOC          out     1 backed out, 0 saved after an execute choice
//   IDUM, IOBUF     in      the data image as bytes and its copy taken at load (NTOGOQ words compared)
//   ILOWCF, ILOBUF  in      LOWCOF as bytes and its copy taken at load (NLOCOF words compared, when
//                           CREATQ is above 10)
//   IPAG            out     image word 701, set to 0
//   CREATQ          in      simulation type of this program (16)
//   EDUNIT          in      console unit of the warnings and of a failed save
//   IERR0, IERR1    in      load codes of "LOWDAT" and of the data file: 1 saves without back-ups
//   NLOCOF, NTOGOQ  in      words saved of LOWCOF (680) and of the data image (4975)
//   DATFIL, BAKFIL  in      the data file and its first back-up
//   LOWFIL, LOWBAK  in      the coefficient file and its first back-up
//   EDPRG           in      caption of the caller in the file-error messages
//   VESTRAKEL_GO    in      chain to the squall program when the edit ends with 101
// SRCDAT, LBACK and IPAG are words of the image passed as IDUM in the same call: writing them
// changes what is compared and saved (that is why they are written first). The driver passes the
// words of TPCM and LOWCOF and members of its session record, all of which FINISH could read
// itself; the list stays as the driver and the tests use it.
void FINISH(Int CMPUTQ, Int& SRCDAT, Int LEASTQ, Int KBD, Int& LBACK, Int& JMPLOC, std::span<std::byte> IDUM,
            std::span<const std::byte> IOBUF, std::span<std::byte> ILOWCF, std::span<const std::byte> ILOBUF,
            Int& IPAG, Int CREATQ, Int EDUNIT, Int IERR0, Int IERR1, Int NLOCOF, Int NTOGOQ, std::string_view DATFIL,
            std::string_view BAKFIL, std::string_view LOWFIL, std::string_view LOWBAK, std::string_view EDPRG,
            Logical VESTRAKEL_GO);

// Saves the first NTOGOQ words of IDUM to DATFIL. Unless the file could not be opened at load
// (IERR1 = 1), the file as it stands on disk first becomes BAKFIL and the former BAKFIL becomes
// BAKFL2, each copied byte for byte at its own length; the image itself is written by DISKIO. The
// files join the save in progress (StagedSave), which puts them in place with the rest of its files;
// with none in progress they are put in place together at the end of the call. A replaced file keeps
// its permission bits.
// A write that fails, or a file to replace whose owner may not write it, abandons the whole save
// (no file on disk changes, no temporary stays) and is reported by the access error with EDPROG and
// the file's name on EDUNIT, with its pause where a keyboard exists; BACKIT then returns false and
// its caller decides how the session goes on. True when the files were written (or staged).
// A folder of DATFIL that cannot take the renames (append-only, immutable, read-only) is found
// before anything is written, and the message names the folder. A save refused because the record
// of a save not finished or a kept copy of an earlier save stands there, or because another program
// has held the lock of that folder past the wait (a save of BACKIT's own waits for it as FINISH's
// does), writes nothing either, and its message says so in words, and what to do (refusal_lines),
// with the same pause.
// CMPUTR (the machine code) is handed to DISKIO. IDUM holds NTOGOQ words (both in). FAILED, when
// given, receives the name the message gave (out; untouched on success).
bool BACKIT(Int EDUNIT, std::string_view EDPROG, Int CMPUTR, Int NTOGOQ, std::span<std::byte> IDUM,
            std::string_view DATFIL, Int IERR1, std::string_view BAKFIL, std::string_view BAKFL2,
            std::string* FAILED = nullptr);

// Runs the squall program "VestraKel" for computer codes 5 and 21 and waits for it (its exit status
// is ignored); any other code ends the program with "++> Undefined OS type! Aborting out of CHAIN_SQUAL".
void CHAIN_SQUAL(Int CMPUTQ);

}  // namespace brevant

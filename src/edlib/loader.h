// Loading and checking the data file at the start of a session: the start menu, the reading of
// "LOWDAT" and the data file, the checks against the running program with their load report
// "DATUPWRN.stxt", the repair of text from a machine of the other byte order, and a new case.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "records/coefficient_image.h"
#include "records/data_image.h"
#include "sysutl/ftypes.h"
#include "sysutl/save_journal.h"

namespace brevant {

// The images as they were loaded, kept for the whole session: the end of the edit compares the
// images with them to find out whether anything changed (and uses IOBUF as a scratch buffer of
// NTOGOQ words for its back-ups afterwards). A new case ("C") takes no copy of the data image, so
// the driver starts from an all-zero record (LoadCopies copies{}): the new case then counts as changed.
struct LoadCopies {
    FArray<Int, NTOGOQ> IOBUF;        // data-image words 1..NTOGOQ as loaded, EDUNIT (word 703) 0
    FArray<Int, kLowcofWords> ILOBUF;  // LOWCOF as loaded
};

// Result codes of IOINIT (JMPLOC).
inline constexpr Int kJumpEdit = 0;        // start the page chain
inline constexpr Int kJumpPageDump = 200;  // a page-dump walk is under way: nothing was loaded
inline constexpr Int kJumpExecute = 3000;  // "E" on the title screen: straight to the last page

inline constexpr const char* kLoadReportFile = "DATUPWRN.stxt";

// IERR0 of a "LOWDAT" read whole whose table counts lay beyond their tables and were held to them:
// the image is not the file, so every save writes it, with its back-ups (apart from the codes of
// the record reader, 1 not found and 4 another length).
inline constexpr Int kLowdatCountsHeld = 8;

// Opens the editing session: title screen and start menu (M modify, C create, E execute, B batch
// modify), "LOWDAT" into LOWCOF and DATFIL into TPCM, the checks and their report, then an update,
// an import or a new case. ANSWER returns "M", "C" or "E" ("B" comes back as "M"); JMPLOC one of
// the codes above; IERR0/IERR1 the read codes of "LOWDAT" and of the data file (IERR0 is
// kLowdatCountsHeld for a "LOWDAT" whose table counts were held to their tables, with a note on the
// console and in the load report, so that a save writes the held file). The mooring
// segment names repaired with the rest of the text are those of TPCM (SCOMP); LOWCOF is the
// coefficient image. DATE is accepted for the title screen, which does not show it. A load that
// cannot go on ends the program (status 1) with nothing written to the data files.
//   NAME            in      program name for the title screen (8 characters)
//   DATE            in      date text for the title screen (not shown)
//   COPIES          out     the images as loaded (IOBUF, ILOBUF), for the change check at the end
//   ANSWER          out     the start choice: "M", "C" or "E"
//   JMPLOC          out     kJumpEdit, kJumpPageDump or kJumpExecute
//   DATFIL          in      name of the data file ("BREVDAT")
//   IERR0, IERR1    out     read codes of "LOWDAT" and of the data file (1 not found, 4 another length;
//                           IERR0 kLowdatCountsHeld for counts held to their tables)
//   VERNQ, IYEARQ   in      version and year of this program
//   CREATQ          in      simulation type of this program (16)
//   EDPRG           in      caption of the caller in the file-access error
//   CMPUTQ          in      machine code of this program (5)
//   LEASTQ          in      run mode (3 silent run)
//   NTOGOQ          in      number of image words this program keeps (4975)
// Every argument but COPIES is a member of the driver's session record that IOINIT could read
// itself; the list stays as the driver and the tests use it. The words IOINIT reads and writes
// in TPCM and LOWCOF (EDUNIT, LCOPY, the loaded words) are not passed.
void IOINIT(std::string_view NAME, std::string_view DATE, LoadCopies& COPIES, char& ANSWER, Int& JMPLOC,
            std::string_view DATFIL, Int& IERR0, Int& IERR1, Real VERNQ, Int IYEARQ, Int CREATQ,
            std::string_view EDPRG, Int CMPUTQ, Int LEASTQ, Int NTOGOQ);

// Lines the start of the program has for the user before the case is loaded (what became of a save
// stopped before it was done). The next IOINIT that loads a case shows them once, after the title
// screen and before any finding of the load: on the console under the heading of the load report,
// at the head of "DATUPWRN.stxt", then a pause (none on the silent-run console).
void hold_start_notes(std::vector<std::string> lines);

// What the start does before the case is read (finish or undo a save stopped before it was done).
// The next IOINIT that loads a case runs WORK once, with the lock of the case folder held: the
// start waits while another program holds it (" >>> Another program is saving in this folder: ...",
// said once), for at most kLockWaitSeconds, past which the program ends with status 1 having read
// and changed nothing. Under the same lock the coefficient file and the data file are then read, and
// the lock goes before anything is shown or asked; the lines WORK returns join the start notes.
void hold_start_work(std::function<std::vector<std::string>()> work);

// The data file as this session last read it (at the load) or wrote it (at a save): its length and
// checksum, nothing when no file stood there. A save that writes only the coefficient file looks
// whether another program has put a data file of its own there since.
const std::optional<FileMark>& case_file_seen();
void set_case_file_seen(std::optional<FileMark> mark);
// The coefficient file "LOWDAT" likewise, for a save that writes only the data file. The file as it
// was read counts, whatever its form (framed, or longer than the image): such a file is not the
// work of another program, and no save rewrites it for that alone.
const std::optional<FileMark>& coefficient_file_seen();
void set_coefficient_file_seen(std::optional<FileMark> mark);

// Reverses the first LEN characters of C in groups of four (text written on a machine of the other
// byte order). At most 200 characters are repaired: a longer LEN is reported on EDUNIT with a pause
// read from KBD, and the rest of the text is left as it is.
void CHSWAP(std::span<char> C, Int LEN, Int EDUNIT, Int KBD);

// Clears EDUNIT and writes the corruption warning of level I (1-4) between two lines of one blank.
void DATCRPT(Int EDUNIT, Int I);

// The name of simulation type ITYPE (7 characters) as the load report shows it: the name of the
// type table, or "UNKNOWN" for a type that has none (5, 6, or outside 1-17).
std::string creator_name(Int ITYPE);

}  // namespace brevant

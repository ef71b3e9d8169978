// The end of an edit: the change check against the copies taken at load, the warning before
// unsaved changes are lost, saving with two generations of back-up, and chaining to the squall program.
#pragma once

#include <span>
#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant {

// Ends the edit. LBACK holds the code of the last page: 101 exit without saving, -1983 execute,
// anything else save and exit. The image IDUM (first NTOGOQ words) and the coefficient image ILOWCF
// (NLOCOF words) are compared with their load copies IOBUF and ILOBUF and saved only when they differ;
// a save (not an exit without saving) also writes the coefficient image when its file could not be
// read at load (IERR0 not 0). A file the save would replace that its owner may not write stops the
// save through ACERR before anything is written.
// JMPLOC: 1 the user backed out of losing changes (show the last page again); 0 the case is saved
// after an execute choice. Every other outcome ends the program here.
void FINISH(Int CMPUTQ, Int& SRCDAT, Int LEASTQ, Int KBD, Int& LBACK, Int& JMPLOC, std::span<std::byte> IDUM,
            std::span<const std::byte> IOBUF, std::span<std::byte> ILOWCF, std::span<const std::byte> ILOBUF,
            Int& IPAG, Int CREATQ, Int EDUNIT, Int IERR0, Int IERR1, Int NLOCOF, Int NTOGOQ, std::string_view DATFIL,
            std::string_view BAKFIL, std::string_view LOWFIL, std::string_view LOWBAK, std::string_view EDPRG,
            Logical VESTRAKEL_GO);

// Saves the first NTOGOQ words of IDUM to DATFIL. Unless the file could not be opened at load
// (IERR1 = 1), the file as it stands on disk first becomes BAKFIL and the former BAKFIL becomes
// BAKFL2, each copied word for word at its own length. Every write goes through a temporary name
// and a replaced file keeps its permission bits; a failed write, or a file to replace whose owner may
// not write it (checked before anything is written), ends the program through ACERR with EDPROG and
// the file's name on EDUNIT.
void BACKIT(Int EDUNIT, std::string_view EDPROG, Int CMPUTR, Int NTOGOQ, std::span<std::byte> IDUM,
            std::string_view DATFIL, Int IERR1, std::string_view BAKFIL, std::string_view BAKFL2);

// Runs the squall program "VestraKel" for computer codes 5 and 21 and waits for it (its exit status
// is ignored); any other code ends the program with "++> Undefined OS type! Aborting out of CHAIN_SQUAL".
void CHAIN_SQUAL(Int CMPUTQ);

}  // namespace brevant

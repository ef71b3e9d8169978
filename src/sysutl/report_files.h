// Text report files: a named file opened on a unit for reading or as a fresh file for writing, and
// closed keeping it. Every failure is fatal and reported through ACERR.
#pragma once

#include <string>
#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant {

// A file name as the platform takes it: the name without its trailing blanks.
std::string name_on_disk(std::string_view name);

// Connects IUNIT to HFILE (trailing blanks are not part of the name) at its start: IOREWR 1 reads an
// existing file; 0 writes a new one, replacing any file of that name by an empty one. IFORM (0 binary,
// else text), IDRIVE and CMPUTR are accepted and change nothing here: the platform makes no difference.
// On a failure ACERR reports CALFIL and HFILE on IOSCRN and the program ends.
void RHOPEN(std::string_view HFILE, Int IFORM, Int IOREWR, Int IDRIVE, Int IUNIT, std::string_view CALFIL,
            Int IOSCRN, Int CMPUTR);

// Closes IUNIT keeping its file. A close that fails, or a flush of the last records that fails, is
// reported through ACERR (CALFIL, HFILE, IOSCRN): the end of a report is never lost silently.
void HCLOSE(Int IUNIT, std::string_view HFILE, std::string_view CALFIL, Int IOSCRN);

}  // namespace brevant

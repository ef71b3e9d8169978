// Text report files: a named file opened on a unit for reading or as a fresh file for writing, and
// closed keeping it. Every failure of RHOPEN and HCLOSE is fatal and reported through ACERR.
#pragma once

#include <string>
#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant {

// Connects IUNIT to HFILE (trailing blanks are not part of the name) at its start: IOREWR 1 reads an
// existing file; 0 writes a new one, replacing any file of that name by an empty one. IFORM (0 binary,
// else text), IDRIVE and CMPUTR are accepted and change nothing here: the platform makes no difference.
// On a failure ACERR reports CALFIL and HFILE on IOSCRN and the program ends.
void RHOPEN(std::string_view HFILE, Int IFORM, Int IOREWR, Int IDRIVE, Int IUNIT, std::string_view CALFIL,
            Int IOSCRN, Int CMPUTR);

// Opens HFILE on IUNIT as a new file, replacing any file of that name, as RHOPEN writes one; false,
// with nothing written anywhere, when the file cannot be made (a folder or a protected file of that
// name, a folder that takes no new file).
bool open_new_file(std::string_view HFILE, Int IUNIT);

// Opens UNIT on staged_name(NAME) for a text file written line by line (the page echo, the wave
// report), to be put in place by place_staged_file (staged_files.h) once complete. Empty when it is
// open; otherwise nothing is left behind and the result is the name the message gives: the folder
// (folder_refusing_renames) when it cannot take the file's rename, else NAME as the caller holds it.
std::string open_staged_file(Int unit, std::string_view name);

// The line on standard error of a silent run whose file cannot be made: it never started.
inline constexpr const char* kSilentFileNotMadeMessage =
    " ++> The silent run cannot start: \"Diagnostics.stxt\" cannot be created.";

// Opens the silent run's console, "Diagnostics.stxt" on unit 41, as a new file written beside its
// name (open_silent_console_beside_its_name): the file of an earlier silent run stays whole until
// this one's messages take its name. When it cannot be made or could not take the name (a folder,
// a locked file or a mount point of that name), the silent run has nowhere to write: the line above
// on standard error, then the access error of CALFIL on the screen with its pause (nobody would see
// the file's own messages), and false. A case folder that takes no renames is named instead, in
// both, by its full path ending in "/".
bool open_silent_console(std::string_view CALFIL);

// Closes IUNIT keeping its file. A close that fails, or a flush of the last records that fails, is
// reported through ACERR (CALFIL, HFILE, IOSCRN): the end of a report is never lost silently.
void HCLOSE(Int IUNIT, std::string_view HFILE, std::string_view CALFIL, Int IOSCRN);

}  // namespace brevant

// Whole-image record I/O: an image (the data image, the coefficient image or a buffer of words) moved
// between memory and a file of big-endian 32-bit words in one call.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "sysutl/ftypes.h"

namespace brevant {

// No file contributes more words than this to one read.
inline constexpr Int kDiskioMaxWords = 126831;
// The code that replaces IERR when the final close of the file fails (distinct from every code
// composed of 1, 2 and 4).
inline constexpr Int kDiskioCloseFailed = 16;

// IORW 0 writes words 1..NTOGO of IDUM to DATFIL; 1 reads DATFIL into IDUM and leaves in NTOGO the
// number of words the file held. DATFIL is a blank-padded name; a name starting "LOWDAT" is the
// coefficient file. IDUM is the image as bytes (image_bytes(TPCM), std::as_writable_bytes of a word
// buffer). IERR: 0 success; 1 the file could not be opened for a read; 2 added when the write or the
// creation failed; 4 a read found another number of words than NTOGO (or could not read the two
// leading words); kDiskioCloseFailed when the final close failed. A write goes to a temporary file
// beside DATFIL (staged_files.h): within a save in progress it is put in place when that save commits,
// otherwise at once. A failed write thus leaves the old file as it was; the new file keeps the
// permission bits of the old one, and an old file whose owner may not write it (by its mode bits,
// whoever runs the program) is not replaced (IERR 2).
// IOUNIT is accepted for the callers' sake: the file never occupies a unit of the unit table.
void DISKIO(Int IORW, Int& NTOGO, std::string_view DATFIL, Int IOUNIT, Int& IERR, std::span<std::byte> IDUM,
            Int CMPUTR);

// The bytes of words 1..NTOGO of IDUM as DISKIO writes them to a file: big-endian words.
std::vector<char> image_file_bytes(std::span<const std::byte> IDUM, Int NTOGO);


}  // namespace brevant

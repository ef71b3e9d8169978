// The reader of the user table files of the load models ("CRNTPROF.txt", "WINDSPEC.txt",
// "CRNTSPEC.txt", the coefficient and drift tables): open the existing file on unit 31, read a
// count record and then the points in free format, refuse counts the caller's table cannot take,
// close with the caller's caption. The messages that differ between tables stay with the callers.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "sysutl/fortran_format.h"
#include "sysutl/ftypes.h"

namespace brevant {

inline constexpr Int USER_TABLE_UNIT = 31;

// Writes a caller's dimension message for an oversize count (empty lines included).
using DimensionMessage = std::function<void(Int count)>;

class UserTableFile {
public:
    // FILE: the file name as the caller holds it (trailing blanks are kept for the messages and are
    // no part of the name on disk); CAPTION: the caller's routine name for FILERR and HCLOSE, as the
    // caller holds it (blank padding included); IOOUT, IOIN: console and keyboard units.
    UserTableFile(std::string_view FILE, std::string_view CAPTION, Int IOOUT, Int IOIN);
    // The same for a reader that closes its file under another caption (CLOSE_CAPTION) than the
    // one it reports read errors under.
    UserTableFile(std::string_view FILE, std::string_view CAPTION, std::string_view CLOSE_CAPTION, Int IOOUT,
                  Int IOIN);

    // Closes unit 31 and opens the file on it for reading. False when it does not exist or cannot be
    // read (a directory, no permission): the caller then writes its own not-found message.
    [[nodiscard]] bool open();

    // One record of values in free format (blanks or commas), going on over the next lines while
    // the list is incomplete and ignoring the rest of its last line. A read error or the end of the
    // file ends the run through FILERR naming the file.
    void read_record(const std::vector<ListTarget>& targets);

    // The count record: one integer, further values on the line ignored, checked by check_count
    // before the caller stores it.
    Int read_count(Int min_count, Int max_count, const DimensionMessage& oversize);

    // A count above MAX_COUNT: the caller's dimension message, a pause and the end of the run. A count
    // below MIN_COUNT (fewer points than the table's use needs): the FILERR report naming the file.
    void check_count(Int count, Int min_count, Int max_count, const DimensionMessage& oversize);

    // The two refusals on their own, for tables whose sizes come in other shapes.
    [[noreturn]] void refuse_oversize(Int count, const DimensionMessage& oversize);
    [[noreturn]] void refuse_unreadable();

    // Closes unit 31 keeping the file (HCLOSE with the caller's caption).
    void close();

    const std::string& file() const { return file_; }

private:
    std::string file_;
    std::string caption_;
    std::string close_caption_;
    Int IOOUT_;
    Int IOIN_;
};

}  // namespace brevant

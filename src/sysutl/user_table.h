// The reader of the user table files ("CRNTPROF.txt", "WINDSPEC.txt", "CRNTSPEC.txt", "WAVSPEC.txt",
// the coefficient and drift tables): open the existing file, read a count record and then the
// points in free format, refuse counts the caller's table cannot take and abscissae that turn back
// or leave the look-up an interval of no width, close. Reading records why a table cannot be read
// whole (and at which line), so that the checks before a run and the run itself read a file with
// the same code: the checks report the outcome, the run refuses the file with its own messages
// (those that differ between tables stay with the callers).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "sysutl/fortran_format.h"
#include "sysutl/ftypes.h"

namespace brevant {

inline constexpr Int USER_TABLE_UNIT = 31;

// Why a user table cannot be read whole.
enum class TableFault {
    None,
    Missing,        // no file of the name, a folder, or no permission to read it
    EndOfFile,      // the file ends before the table its count gives is whole (an empty file too)
    NotANumber,     // a value where a number stands is no number (a word, "NaN", beyond single precision)
    TooMany,        // a count beyond what the caller's table holds
    TooFew,         // a count below what the table's use needs
    OutOfOrder,     // abscissae that turn back
    EmptyInterval,  // equal abscissae at an end of the table, where a look-up would find no interval
};

struct TableOutcome {
    TableFault fault = TableFault::None;
    Int line = 0;      // the line of the file where reading stopped (EndOfFile: the lines it holds;
                       // EmptyInterval: the line of the row that closes the interval)
    Int count = 0;     // TooMany, TooFew: the count read
    Int limit = 0;     // TooMany: the most the table holds; TooFew: the fewest it needs
    std::string what;  // what the count or the order is of ("headings"; not for Missing, EndOfFile,
                       // NotANumber)
    bool ok() const { return fault == TableFault::None; }
};

// Writes a caller's dimension message for an oversize count (empty lines included).
using DimensionMessage = std::function<void(Int count)>;

class UserTableFile {
public:
    // FILE: the file name as the caller holds it (trailing blanks are kept for the messages and are
    // no part of the name on disk); CAPTION: the caller's routine name for FILERR and HCLOSE, as the
    // caller holds it (blank padding included); IOOUT, IOIN: console and keyboard units.
    UserTableFile(std::string_view FILE, std::string_view CAPTION, Int IOOUT, Int IOIN, Int unit = USER_TABLE_UNIT);
    // The same for a reader that closes its file under another caption (CLOSE_CAPTION) than the
    // one it reports read errors under.
    UserTableFile(std::string_view FILE, std::string_view CAPTION, std::string_view CLOSE_CAPTION, Int IOOUT,
                  Int IOIN);

    // Closes the unit and opens the file on it for reading. False (Missing) when it does not exist
    // or cannot be read (a directory, no permission).
    [[nodiscard]] bool open();

    // One record of values in free format (blanks or commas), going on over the next lines while
    // the list is incomplete and ignoring the rest of its last line. False (EndOfFile, NotANumber)
    // when the file ends first or a value cannot be read.
    [[nodiscard]] bool read_record(const std::vector<ListTarget>& targets);

    // The count record: one integer, further values on the line ignored, checked by check_count.
    [[nodiscard]] bool read_count(Int& count, Int min_count, Int max_count, std::string_view what);

    // False (TooMany, TooFew) for a count above MAX_COUNT or below MIN_COUNT (fewer points than the
    // table's use needs).
    [[nodiscard]] bool check_count(Int count, Int min_count, Int max_count, std::string_view what);

    // False (OutOfOrder, at the line of the record just read) when the abscissa just read does not
    // keep the order of those before it (IN_ORDER false: keeps_order of the tables).
    [[nodiscard]] bool check_order(bool in_order, std::string_view what);

    // False (EmptyInterval, at LINE) when EMPTY: the row read at LINE closes an interval of no width
    // that the reader's look-up would pick and divide by (empty_interval_picked of the tables).
    [[nodiscard]] bool check_interval(bool empty, Int line, std::string_view what);

    // The lines read so far (the line of the record just read).
    Int lines() const { return lines_; }

    // Closes the unit keeping the file (HCLOSE with the caller's close caption).
    void close();

    // The end of a read made only to check the file: the unit closed quietly, whatever the read
    // found, and why the file cannot be read whole, if it cannot.
    TableOutcome close_check();

    const TableOutcome& outcome() const { return outcome_; }
    const std::string& file() const { return file_; }

    // The run's refusal of a file that open() found but that cannot be read whole: an oversize
    // count gives the caller's dimension message, a pause and the end of the run; anything else the
    // FILERR report naming the file. The caller writes its own message for a missing file.
    [[noreturn]] void refuse(const DimensionMessage& oversize);

private:
    bool fail(TableFault fault);

    std::string file_;
    std::string caption_;
    std::string close_caption_;
    Int IOOUT_;
    Int IOIN_;
    Int unit_;
    Int lines_ = 0;
    TableOutcome outcome_;
};

// The second line of a finding about a user file that cannot be read whole, as the checks before a
// run write it ("     ends after line 3, before ...").
std::string table_fault_text(const TableOutcome& outcome);

}  // namespace brevant

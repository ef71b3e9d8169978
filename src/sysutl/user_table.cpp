// Opening, reading and closing the user table files.
#include "sysutl/user_table.h"

#include <filesystem>
#include <system_error>

#include "sysutl/error_exits.h"
#include "sysutl/free_read.h"
#include "sysutl/pauses.h"
#include "sysutl/program_end.h"
#include "sysutl/report_files.h"
#include "sysutl/save_files.h"
#include "sysutl/units.h"

namespace brevant {

UserTableFile::UserTableFile(std::string_view FILE, std::string_view CAPTION, Int IOOUT, Int IOIN, Int unit)
    : file_(FILE), caption_(CAPTION), close_caption_(CAPTION), IOOUT_(IOOUT), IOIN_(IOIN), unit_(unit) {}

UserTableFile::UserTableFile(std::string_view FILE, std::string_view CAPTION, std::string_view CLOSE_CAPTION,
                             Int IOOUT, Int IOIN)
    : file_(FILE), caption_(CAPTION), close_caption_(CLOSE_CAPTION), IOOUT_(IOOUT), IOIN_(IOIN),
      unit_(USER_TABLE_UNIT) {}

bool UserTableFile::fail(TableFault fault) {
    outcome_.fault = fault;
    outcome_.line = lines_;
    return false;
}

bool UserTableFile::open() {
    close_unit(unit_);
    lines_ = 0;
    outcome_ = TableOutcome{};
    const std::string name = name_on_disk(file_);
    std::error_code ec;
    // A folder of that name opens as a stream that reads nothing: it is no table either.
    if (name.empty() || std::filesystem::is_directory(name, ec) || !open_unit(unit_, name, UnitMode::Read))
        return fail(TableFault::Missing);
    return true;
}

bool UserTableFile::read_record(const std::vector<ListTarget>& targets) {
    switch (read_free_counted(unit_, targets, lines_)) {
        case FreeRead::Complete:
            return true;
        case FreeRead::EndOfFile:
            return fail(TableFault::EndOfFile);
        case FreeRead::Unreadable:
            break;
    }
    return fail(TableFault::NotANumber);
}

bool UserTableFile::read_count(Int& count, Int min_count, Int max_count, std::string_view what) {
    return read_record({ListTarget::of(count)}) && check_count(count, min_count, max_count, what);
}

bool UserTableFile::check_count(Int count, Int min_count, Int max_count, std::string_view what) {
    if (count >= min_count && count <= max_count) return true;
    outcome_.count = count;
    outcome_.limit = count > max_count ? max_count : min_count;
    outcome_.what = what;
    return fail(count > max_count ? TableFault::TooMany : TableFault::TooFew);
}

bool UserTableFile::check_order(bool in_order, std::string_view what) {
    if (in_order) return true;
    outcome_.what = what;
    return fail(TableFault::OutOfOrder);
}

bool UserTableFile::check_interval(bool empty, Int line, std::string_view what) {
    if (!empty) return true;
    outcome_.what = what;
    outcome_.fault = TableFault::EmptyInterval;
    outcome_.line = line;
    return false;
}

void UserTableFile::close() { HCLOSE(unit_, file_, close_caption_, IOOUT_); }

TableOutcome UserTableFile::close_check() {
    close_unit(unit_);
    return outcome_;
}

void UserTableFile::refuse(const DimensionMessage& oversize) {
    close_unit(unit_);
    if (outcome_.fault == TableFault::TooMany) {
        oversize(outcome_.count);
        Int LBACK = 0;
        PRSRET(IOOUT_, IOIN_, LBACK);
        stop_program(1);
    }
    FILERR(file_, caption_, IOOUT_, IOIN_);
}

std::string table_fault_text(const TableOutcome& o) {
    const std::string at_line = " at line " + std::to_string(o.line);
    // "1 point", "2 points".
    const std::string noun = o.limit == 1 && !o.what.empty() && o.what.back() == 's'
                                 ? o.what.substr(0, o.what.size() - 1)
                                 : o.what;
    switch (o.fault) {
        case TableFault::None:
            break;
        case TableFault::Missing:
            return "     is missing or cannot be read.";
        case TableFault::EndOfFile:
            if (o.line == 0) return "     is empty.";
            return "     ends after line " + std::to_string(o.line) + ", before the table its count gives is whole.";
        case TableFault::NotANumber:
            return "     holds a value that is not a number" + at_line + ".";
        case TableFault::TooMany:
            return "     gives a count of " + std::to_string(o.count) + at_line + "; its table holds at most " +
                   std::to_string(o.limit) + " " + noun + ".";
        case TableFault::TooFew:
            return "     gives a count of " + std::to_string(o.count) + at_line + "; the run needs at least " +
                   std::to_string(o.limit) + " " + noun + ".";
        case TableFault::OutOfOrder:
            return "     has " + o.what + " that turn back" + at_line + ".";
        case TableFault::EmptyInterval:
            return "     has equal " + o.what + at_line + " at an end of the table: no interval to interpolate in.";
    }
    return {};
}

}  // namespace brevant

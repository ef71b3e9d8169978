// Opening, reading and closing the user table files of the load models.
#include "lowlib/user_table.h"

#include <filesystem>
#include <system_error>

#include "sysutl/error_exits.h"
#include "sysutl/free_read.h"
#include "sysutl/program_end.h"
#include "sysutl/report_files.h"
#include "sysutl/units.h"

namespace brevant {

UserTableFile::UserTableFile(std::string_view FILE, std::string_view CAPTION, Int IOOUT, Int IOIN)
    : UserTableFile(FILE, CAPTION, CAPTION, IOOUT, IOIN) {}

UserTableFile::UserTableFile(std::string_view FILE, std::string_view CAPTION, std::string_view CLOSE_CAPTION,
                             Int IOOUT, Int IOIN)
    : file_(FILE), caption_(CAPTION), close_caption_(CLOSE_CAPTION), IOOUT_(IOOUT), IOIN_(IOIN) {}

bool UserTableFile::open() {
    close_unit(USER_TABLE_UNIT);
    const std::string name = name_on_disk(file_);
    std::error_code ec;
    // A folder of that name opens as a stream that reads nothing: it is no table either.
    if (name.empty() || std::filesystem::is_directory(name, ec)) return false;
    return open_unit(USER_TABLE_UNIT, name, UnitMode::Read);
}

void UserTableFile::read_record(const std::vector<ListTarget>& targets) {
    if (!read_free(USER_TABLE_UNIT, targets)) refuse_unreadable();
}

Int UserTableFile::read_count(Int min_count, Int max_count, const DimensionMessage& oversize) {
    Int count = 0;
    read_record({ListTarget::of(count)});
    check_count(count, min_count, max_count, oversize);
    return count;
}

void UserTableFile::check_count(Int count, Int min_count, Int max_count, const DimensionMessage& oversize) {
    if (count > max_count) refuse_oversize(count, oversize);
    if (count < min_count) refuse_unreadable();
}

void UserTableFile::refuse_oversize(Int count, const DimensionMessage& oversize) {
    close_unit(USER_TABLE_UNIT);
    oversize(count);
    Int LBACK = 0;
    PRSRET(IOOUT_, IOIN_, LBACK);
    stop_program(1);
}

void UserTableFile::refuse_unreadable() {
    close_unit(USER_TABLE_UNIT);
    FILERR(file_, caption_, IOOUT_, IOIN_);
}

void UserTableFile::close() { HCLOSE(USER_TABLE_UNIT, file_, close_caption_, IOOUT_); }

}  // namespace brevant

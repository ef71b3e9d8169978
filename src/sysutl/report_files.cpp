// Text report files opened and closed by name on the units of the unit table.
#include "sysutl/report_files.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "sysutl/error_exits.h"
#include "sysutl/save_files.h"
#include "sysutl/staged_files.h"
#include "sysutl/units.h"

namespace brevant {

void RHOPEN(std::string_view HFILE, [[maybe_unused]] Int IFORM, Int IOREWR, [[maybe_unused]] Int IDRIVE, Int IUNIT,
            std::string_view CALFIL, Int IOSCRN, [[maybe_unused]] Int CMPUTR) {
    namespace fs = std::filesystem;
    const std::string name = name_on_disk(HFILE);
    std::error_code ec;
    if (name.empty() || fs::is_directory(name, ec)) ACERR(CALFIL, HFILE, IOSCRN);
    if (IOREWR == 1) {
        if (!open_unit(IUNIT, name, UnitMode::Read) || !rewind_unit(IUNIT)) ACERR(CALFIL, HFILE, IOSCRN);
    } else if (!open_new_file(HFILE, IUNIT)) {
        ACERR(CALFIL, HFILE, IOSCRN);
    }
}

bool open_new_file(std::string_view HFILE, Int IUNIT) {
    namespace fs = std::filesystem;
    const std::string name = name_on_disk(HFILE);
    std::error_code ec;
    if (name.empty() || fs::is_directory(name, ec)) return false;
    // The old file goes first, so the new one starts empty. Only a plain file is deleted; anything
    // else of that name (a device) is opened as it is.
    if (fs::is_regular_file(fs::symlink_status(name, ec)) && !fs::remove(name, ec)) return false;
    return open_unit(IUNIT, name, UnitMode::Write);
}

std::string open_staged_file(Int unit, std::string_view name) {
    if (std::string folder = folder_refusing_renames(name); !folder.empty()) return folder;
    if (open_unit(unit, staged_name(name), UnitMode::Write)) return {};
    drop_staged_file(name);
    return std::string(name);
}

bool open_silent_console(std::string_view CALFIL) {
    // A case folder that takes no renames could never give the file its name (nor save the case for
    // the run): it is named, as every other item names it, before anything is written.
    const std::string folder = folder_refusing_renames(kSilentFileName);
    if (folder.empty() && can_be_replaced(kSilentFileName) && open_silent_console_beside_its_name()) return true;
    // Standard error first: the pause below may meet the end of the input.
    constexpr Int kStandardErrorUnit = 0;
    write_record(kStandardErrorUnit, folder.empty() ? std::string(kSilentFileNotMadeMessage)
                                                    : " ++> The silent run cannot start: \"" + folder + "\" cannot be written.");
    report_access_error(CALFIL, folder.empty() ? std::string(kSilentFileName) : folder, SCREEN_UNIT);
    return false;
}

void HCLOSE(Int IUNIT, std::string_view HFILE, std::string_view CALFIL, Int IOSCRN) {
    if (!close_unit(IUNIT)) ACERR(CALFIL, HFILE, IOSCRN);
}

}  // namespace brevant

// Writing and reading the squall program's options file "VESTRDAT", and the two tests of the
// editor's picks and duration against the defaults the file holds.
#include "sysutl/squall_options.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <vector>

#include "sysutl/fortran_format.h"
#include "sysutl/free_read.h"
#include "sysutl/program_end.h"
#include "sysutl/title.h"
#include "sysutl/units.h"

namespace brevant {

Squalcom SQUALCOM{};

void reset_squalcom() { std::memset(static_cast<void*>(&SQUALCOM), 0, sizeof SQUALCOM); }

namespace {

constexpr const char* kWriteError = "++> I/O Error in WRITE_TD_OPTS; aborting... ";
constexpr const char* kReadError = "++> I/O Error in READ_TD_OPTS (missing VESTRDAT?); aborting... ";

// Every value of a line goes after one tab, so that the squall program reads the file in free
// format; a line holds at most this many values, a longer list goes on over the next lines.
constexpr int kValuesPerLine = 100;

std::string without_trailing_blanks(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

// Writes the fields of one list, kValuesPerLine to a line; an empty list still writes one line.
void write_fields(Int unit, const std::vector<std::string>& fields) {
    std::size_t k = 0;
    do {
        std::string line;
        for (int m = 0; m < kValuesPerLine && k < fields.size(); ++m, ++k) {
            line += '\t';
            line += fields[k];
        }
        write_record(unit, line);
    } while (k < fields.size());
}

// The number of report values a list may hold, whatever a count says.
int within_table(Int n) { return std::clamp<Int>(n, 0, kMaxFldReports); }

bool count_fits(Int n, Int table_size) { return n >= 0 && n <= table_size; }

}  // namespace

void WRITE_TD_OPTS(const std::string& SQUAL_IO, Real VERNOQ, Int VERS_SUFXQ, Real SQ_VERNOQ, Int SQ_VERS_SUFXQ,
                   Real DURATNQ, Int NDYNEVQ, const FldReportList& IDYNEVQ, const FldReportList& linePicks) {
    const Int unit = kSquallOptionsUnit;
    std::error_code ec;
    std::filesystem::remove(SQUAL_IO, ec);  // an old file goes first; failing that, the create fails
    if (!open_unit(unit, SQUAL_IO, UnitMode::Write)) {
        write_record(SCREEN_UNIT, kWriteError);
        stop_program(1);
    }

    write_record(unit, "VESTRDAT Ver [" + without_trailing_blanks(VERSION_STRING2(SQ_VERNOQ, SQ_VERS_SUFXQ)) + "];" +
                           " " + " Velmora Ver [" + without_trailing_blanks(VERSION_STRING2(VERNOQ, VERS_SUFXQ)) + "]");
    write_fields(unit, {fmt_I(kSquallFlagCount, 3), fmt_I(kSquallIntCount, 3), fmt_I(kSquallRealCount, 3)});
    write_fields(unit, {fmt_F(DURATNQ * 3600.0f, 10, 2), fmt_I(NDYNEVQ, 3)});

    std::vector<std::string> fields;
    for (Logical f : SQUALCOM.FlagArray) fields.push_back(fmt_L(f != 0, 1));
    write_fields(unit, fields);

    fields.clear();
    for (Int v : SQUALCOM.IntVarArray) fields.push_back(fmt_I(v, 3));
    write_fields(unit, fields);

    // The event and pick lists are as long as nFldReports says, but never longer than the lists.
    const int n = within_table(SQUALCOM.nFldReports());
    fields.clear();
    for (int i = 1; i <= n; ++i) fields.push_back(fmt_I(IDYNEVQ(i), 3));
    write_fields(unit, fields);
    fields.clear();
    for (int i = 1; i <= n; ++i) fields.push_back(fmt_I(linePicks(i), 3));
    write_fields(unit, fields);

    fields.clear();
    for (Real v : SQUALCOM.RealVarArray) fields.push_back(fmt_E(v, 14, 7, 2));
    write_fields(unit, fields);

    // A write that did not reach the disk is a failed write: the broken file is not left behind.
    if (!close_unit(unit)) {
        std::filesystem::remove(SQUAL_IO, ec);
        write_record(SCREEN_UNIT, kWriteError);
        stop_program(1);
    }
}

void READ_TD_OPTS(const std::string& SQUAL_IO, Int& iBadOpts, FldReportList& linePicks, FldReportList& defaultPics,
                  FixedText<80>& VERSION_DAT) {
    const Int unit = kSquallOptionsUnit;
    iBadOpts = 0;
    if (!std::filesystem::is_regular_file(SQUAL_IO) || !open_unit(unit, SQUAL_IO, UnitMode::Read)) {
        write_record(SCREEN_UNIT, kReadError);
        stop_program(1);
    }

    // Every count is checked against the table it fills before anything of that table is
    // stored; a count that does not fit makes the file unreadable.
    auto read_all = [&]() -> bool {
        std::string line;
        if (!read_unit_line(unit, line)) return false;
        VERSION_DAT = std::string_view(line).substr(0, 80);

        Int nflags = 0, nints = 0, nreals = 0;
        if (!read_free(unit, {ListTarget::of(nflags), ListTarget::of(nints), ListTarget::of(nreals)})) return false;
        if (!count_fits(nflags, kSquallFlagCount) || !count_fits(nints, kSquallIntCount) ||
            !count_fits(nreals, kSquallRealCount))
            return false;

        // The default number of events sizes no list here: it is kept as the file gives it.
        if (!read_free(unit, {ListTarget::of(SQUALCOM.fullDuration_D()), ListTarget::of(SQUALCOM.nFldReports_D())}))
            return false;

        std::vector<ListTarget> targets;
        for (int i = 1; i <= nflags; ++i) targets.push_back(ListTarget::logical(SQUALCOM.FlagArray(i)));
        if (!read_free(unit, targets)) return false;

        // The integers hold the report count: read them aside and check it before they are kept.
        FArray<Int, kSquallIntCount> ints = SQUALCOM.IntVarArray;
        targets.clear();
        for (int i = 1; i <= nints; ++i) targets.push_back(ListTarget::of(ints(i)));
        if (!read_free(unit, targets)) return false;
        const Int nreports = ints(2);
        if (!count_fits(nreports, kMaxFldReports)) return false;
        SQUALCOM.IntVarArray = ints;

        targets.clear();
        for (int i = 1; i <= nreports; ++i) targets.push_back(ListTarget::of(defaultPics(i)));
        if (!read_free(unit, targets)) return false;
        targets.clear();
        for (int i = 1; i <= nreports; ++i) targets.push_back(ListTarget::of(linePicks(i)));
        if (!read_free(unit, targets)) return false;

        targets.clear();
        for (int i = 1; i <= nreals; ++i) targets.push_back(ListTarget::of(SQUALCOM.RealVarArray(i)));
        if (!read_free(unit, targets)) return false;

        if (nflags != kSquallFlagCount || nints != kSquallIntCount || nreals != kSquallRealCount) iBadOpts = 2;
        return true;
    };

    if (read_all()) {
        close_unit(unit);
        return;
    }
    // A damaged file goes, so that the next run writes a fresh one.
    iBadOpts = 1;
    close_unit(unit);
    std::error_code ec;
    std::filesystem::remove(SQUAL_IO, ec);
}

bool overRideLinePicks_F(const FldReportList& linePicks, Int nFldReports, const FldReportList& defaultPics,
                         Int nDefaultFldReports) {
    if (nFldReports != nDefaultFldReports) return true;
    const int n = within_table(nFldReports);
    for (int i = 1; i <= n; ++i)
        if (linePicks(i) != defaultPics(i)) return true;
    return false;
}

bool overRideFullDuration_F(Real fullDurationHrs, Real DURATNQ) { return fullDurationHrs != DURATNQ; }

}  // namespace brevant

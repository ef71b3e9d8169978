// Building the current profile of a run and reading the user's profile file.
#include "lowlib/current_profile.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <string>

#include "lowlib/depth_current_drag.h"
#include "numeric/table_search.h"
#include "records/data_image.h"
#include "sysutl/fortran_format.h"
#include "sysutl/pauses.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"

namespace brevant {

CurProf CURPROF{};

namespace {

// 1 until the profile of the run has been built.
Int FRSTIM = 1;

constexpr const char* kCaption = "CURPROF_INIT";

void write_not_found(Int IOOUT) {
    write_record(IOOUT, "");
    write_record(IOOUT, " ++>  User-supplied current profile \"CRNTPROF.txt\" not found");
    write_record(IOOUT, "");
}

void write_dimension(Int IOOUT, Int count) {
    write_record(IOOUT, "");
    write_record(IOOUT, " ++>  User-supplied current profile array in CRNTPROF.txt");
    write_record(IOOUT, "      dimension = [" + fmt_I(count, 3) + "] out of range; allowable");
    write_record(IOOUT, "      dimension = [" + fmt_I(kMaxProfilePoints, 3) + "]");
    write_record(IOOUT, "");
}

void write_direction_note(Int IOOUT) {
    write_record(IOOUT, "");
    write_record(IOOUT, " ++>  Note: The current direction specified in CRNTPROF.txt changes at a depth");
    write_record(IOOUT, "      less than vessel draft; vessel forces are computed assuming constant");
    write_record(IOOUT, "      current direction down to the vessel draft. Mooring line and riser forces");
    write_record(IOOUT, "      will, however, reflect the current direction as specified in CRNTPROF.txt.");
    write_record(IOOUT, "");
}

// Reads the profile of FILE into P: a count of 1 to 101 points (a file without a point is refused:
// every depth lookup needs one), then per point a record of depth, speed and heading, the line of
// each kept in LINES. The depths rise or fall as written (a step, two points at one depth, is read
// as written); only a repeat that a look-up of the run would pick and divide by is refused: at the
// depths LOOK_UPS where the run looks the profile up, or at every depth at and below the first
// point without them. The file is left open. False when it cannot be read whole (the outcome of
// FILE says why).
bool read_profile_rows(UserTableFile& file, CurProf& P, ProfileLines& LINES, const std::vector<Real>* LOOK_UPS) {
    if (!file.open()) return false;
    Int count = 0;
    if (!file.read_count(count, 1, kMaxProfilePoints, "points")) return false;
    P.NCURNTPF = count;
    for (Int j = 1; j <= count; ++j) {
        if (!file.read_record(
                {ListTarget::of(P.DPTHIPF(j)), ListTarget::of(P.VELIPF(j)), ListTarget::of(P.CURHDGPF(j))}))
            return false;
        if (!file.check_order(j < 2 || keeps_order(P.DPTHIPF.data(), j), "depths")) return false;
        LINES[static_cast<std::size_t>(j - 1)] = file.lines();
    }
    const Int picked = LOOK_UPS != nullptr ? profile_interval_of_no_width(P.DPTHIPF.data(), count, *LOOK_UPS)
                                           : empty_interval_picked(P.DPTHIPF.data(), count, P.DPTHIPF(1),
                                                                   std::numeric_limits<Real>::infinity());
    // The row that closes the interval names it.
    return file.check_interval(picked != 0, picked != 0 ? LINES[static_cast<std::size_t>(picked)] : 0, "depths");
}

// The profile of "CRNTPROF.txt", with a note when the direction changes above the draft DRFT_MAX.
void read_profile_file(Real DRFT_MAX, Int IOOUT, Int IOIN, const std::vector<Real>* LOOK_UPS) {
    UserTableFile table(kCurrentProfileFile, kCaption, IOOUT, IOIN);
    ProfileLines lines{};
    if (!read_profile_rows(table, CURPROF, lines, LOOK_UPS)) {
        if (table.outcome().fault == TableFault::Missing) {
            write_not_found(IOOUT);
            Int LBACK = 0;
            ABORT0(IOOUT, IOIN, LBACK);
            stop_program(1);
        }
        table.refuse([IOOUT](Int n) { write_dimension(IOOUT, n); });
    }
    bool note = false;
    for (Int j = 1; j <= CURPROF.NCURNTPF; ++j)
        if (CURPROF.DPTHIPF(j) < DRFT_MAX && CURPROF.CURHDGPF(j) != TPCM.CURHDG) note = true;
    if (note) {
        write_direction_note(IOOUT);
        Int LBACK = 0;
        PRSRET(IOOUT, IOIN, LBACK);
    }
    table.close();
}

// NCURNTPF points at the given fractions of the water depth, the last one the sea floor itself.
template <int N>
void set_depths(const Real (&fraction)[N]) {
    CURPROF.NCURNTPF = N;
    for (int j = 1; j < N; ++j) CURPROF.DPTHIPF(j) = fraction[j - 1] * TPCM.DEPTH;
    CURPROF.DPTHIPF(N) = TPCM.DEPTH;
}

// The profile of the run from the data image (and the file), once per run; see CURPROF_INIT.
void build_profile(Real DRFT_MAX, Real& DZMIN, Int IOOUT, Int IOIN, const std::vector<Real>* LOOK_UPS) {
    if (FRSTIM == 0) return;
    FRSTIM = 0;

    if (TPCM.LCURNT == 0) {
        static constexpr Real fraction[] = {0.5f, 1.0f};
        set_depths(fraction);
        TPCM.CURSPD = 0.0f;
        for (int j = 1; j <= 2; ++j) {
            CURPROF.VELIPF(j) = 0.0f;
            CURPROF.CURHDGPF(j) = 0.0f;
        }
    } else if (TPCM.LCSTCR == 0) {
        static constexpr Real fraction[] = {0.3f, 0.6f, 0.7f, 0.8f, 0.9f, 0.975f, 1.0f};
        set_depths(fraction);
        for (int j = 1; j <= 7; ++j) {
            CURPROF.VELIPF(j) = j < 7 ? TPCM.CURSPD * VONE7TH(TPCM.DEPTH, CURPROF.DPTHIPF(j)) : 0.0f;
            CURPROF.CURHDGPF(j) = TPCM.CURHDG;
        }
    } else if (TPCM.LCSTCR == 1) {
        static constexpr Real fraction[] = {0.2f, 0.4f, 0.6f, 0.8f, 1.0f};
        set_depths(fraction);
        for (int j = 1; j <= 5; ++j) {
            CURPROF.VELIPF(j) = TPCM.CURSPD;
            CURPROF.CURHDGPF(j) = TPCM.CURHDG;
        }
    } else if (TPCM.LCSTCR == kProfileFromFile) {
        read_profile_file(DRFT_MAX, IOOUT, IOIN, LOOK_UPS);
    } else {
        // A case run with "E" never passes the current page, which would hold the count to the five
        // slots of the table: a stored count beyond them reads no word past the fifth.
        const Int n = std::clamp<Int>(TPCM.NCURNT, 0, kImageProfilePoints);
        CURPROF.NCURNTPF = n;
        for (int j = 1; j <= n; ++j) {
            CURPROF.DPTHIPF(j) = TPCM.DPTHI(j);
            CURPROF.VELIPF(j) = TPCM.VELI(j);
            CURPROF.CURHDGPF(j) = TPCM.CURHDG;
        }
    }

    DZMIN = 1.0e20f;
    for (int i = 1; i <= CURPROF.NCURNTPF; ++i) {
        const Real step = i == 1 ? CURPROF.DPTHIPF(1) : CURPROF.DPTHIPF(i) - CURPROF.DPTHIPF(i - 1);
        if (step < DZMIN) DZMIN = step;
    }
}


}  // namespace

TableOutcome read_current_profile_file(std::string_view NAME, Int IOOUT) {
    const auto scratch = std::make_unique<ProfileFileRead>();
    UserTableFile file(NAME, kCaption, IOOUT, KBD_UNIT);
    read_profile_rows(file, scratch->profile, scratch->lines, nullptr);
    return file.close_check();
}

ProfileFileRead read_current_profile_file(std::string_view NAME, Int IOOUT, const std::vector<Real>& LOOK_UPS) {
    ProfileFileRead read;
    UserTableFile file(NAME, kCaption, IOOUT, KBD_UNIT);
    read_profile_rows(file, read.profile, read.lines, &LOOK_UPS);
    read.outcome = file.close_check();
    return read;
}

void reset_curprof() {
    std::memset(static_cast<void*>(&CURPROF), 0, sizeof(CURPROF));
    FRSTIM = 1;
}

Real VONE7TH(Real WDEPTH, Real ZTOSURF) {
    const Real x = 1.0f - ZTOSURF / WDEPTH;
    return x > 0.0f ? std::pow(x, 0.14285715f) : 0.0f;
}

void CURPROF_INIT(Real DRFT_MAX, Real& DZMIN, Int IOOUT, Int IOIN) { build_profile(DRFT_MAX, DZMIN, IOOUT, IOIN, nullptr); }

void CURPROF_INIT(Real DRFT_MAX, Real& DZMIN, Int IOOUT, Int IOIN, const std::vector<Real>& LOOK_UPS) {
    build_profile(DRFT_MAX, DZMIN, IOOUT, IOIN, &LOOK_UPS);
}

}  // namespace brevant

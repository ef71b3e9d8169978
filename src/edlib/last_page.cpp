// The last page: tidy the case, End of Session page, pre-run checks, start of the echo walk.
#include "edlib/last_page.h"

#include <cstring>
#include <functional>
#include <iostream>
#include <optional>
#include <string>

#include "edlib/case_as_loaded.h"
#include "edlib/consistency_warnings.h"
#include "edlib/editor_driver.h"
#include "records/data_image.h"
#include "edlib/end_of_session.h"
#include "options/low_frequency_rows.h"
#include "options/output_selection.h"
#include "sysutl/error_exits.h"
#include "sysutl/page_drawing.h"
#include "sysutl/paging.h"
#include "sysutl/program_end.h"
#include "sysutl/report_files.h"
#include "sysutl/save_files.h"
#include "sysutl/staged_files.h"
#include "sysutl/units.h"
#include "sysutl/word_ops.h"

namespace brevant {

Int HCDONE = 0;
Int UNTSAV = 0;

namespace {

// What a silent run sets in the case for its run (no debug output, the report on its file), as it
// was before: a silent run that never started gives the case back as the user left it.
struct SilentRunSettings {
    Int NBUG, NBUG0, IUNIT;
};
std::optional<SilentRunSettings> settings_before_silent_run;

}  // namespace

void reset_last_page() {
    HCDONE = 0;
    UNTSAV = 0;
    settings_before_silent_run.reset();
}

namespace {

constexpr const char* INDUMP = "BREVIN.stxt ";
constexpr const char* EDPRG = "Brevedit    ";
constexpr Int kStandardErrorUnit = 0;  // the unit table's standard error
constexpr const char* kSilentFatalFindingsLine = " ++> Fatal findings stop the silent run: see \"Diagnostics.stxt\".";

// Nothing is asked of the report that the case cannot produce.
void tidy_output_options(Tpcm& T) {
    tidy_output_bits_at_last_page(T);
    T.WAVHDG(1) = T.SEAHDG(1);
    T.DPAFLG = 0;
    T.DPRFLG = 0;
    if (T.WNDTYP == 3) T.WNDDEN = 0.0f;
    if (T.CURTYP == 0) T.CURDEN = 0.0f;
}

// What the row count of the low-frequency tables will keep from the report, said before the run:
// beyond the sums' 1000 rows the force spectra by attack angle come without rows. (A runaway count
// that would stop the run at the speed or group spectra is a fatal finding of the pre-run checks,
// so no run that reaches the series has one.)
void warn_of_low_frequency_row_count(Int& WARNEM, Int FWARN) {
    Tpcm& T = TPCM;
    const Real PDMIN = T.BRV_PD_MIN(), DELTA = T.BRVFRQ_DELTA;
    if (speed_or_group_spectra_asked(T) && too_many_low_frequency_rows(PDMIN, DELTA)) return;
    if (!attack_angle_spectra_computed(T) || !too_many_attack_angle_rows(PDMIN, DELTA)) return;
    write_record(T.EDUNIT, "");
    write_record(T.EDUNIT, " ++> Warning: Frequency interval and minimum period give more than " +
                               std::to_string(kMaxAngleSpectrumRows) +
                               " rows: the run skips the rows of the force spectra by attack angle (VIIq, VIIr, VIIs).");
    WRNINC(WARNEM, WARNEM, FWARN, T.EDUNIT, KBD_UNIT, 7);
}

// The checks of the low-frequency spectral tables' size; warnings only, never fatal.
void check_low_frequency_tables(Int& WARNEM, Int FWARN) {
    Tpcm& T = TPCM;
    if (any_output_bit(T.BRVFLG, kLowFrequencyTableBits)) {
        if (!(T.BRVFRQ_DELTA > 0.0f)) {
            write_record(T.EDUNIT, "");
            write_record(T.EDUNIT,
                         " ++> Warning: Non-positive frequency interval for low-frequency spectral tables.");
            WRNINC(WARNEM, WARNEM, FWARN, T.EDUNIT, KBD_UNIT, 7);
        }
        if (!(T.BRV_PD_MIN() > 0.0f)) {
            write_record(T.EDUNIT, "");
            write_record(T.EDUNIT,
                         " ++> Warning: Non-positive minimum period (maximum frequency) for low-frquency spectral tables.");
            WRNINC(WARNEM, WARNEM, FWARN, T.EDUNIT, KBD_UNIT, 7);
        }
    }
    warn_of_low_frequency_row_count(WARNEM, FWARN);
}

// Whether the case holds edits that no save has kept: the data image or the coefficient image
// differs from its copy taken at load, leaving aside what this page, the checks and the end of the
// edit set themselves (the tidied output options and settings, the editor words, the run mode and
// the version suffix). The checks have tidied the image by now: the copy is tidied alike, so that
// a case the user has not touched compares equal.
bool case_has_unsaved_edits() {
    const EditorSession& S = SESSION;
    static Tpcm loaded;  // the image as loaded, tidied as this page tidies it (too large for the stack)
    loaded = TPCM;
    std::memcpy(&loaded, word_span(S.COPIES.IOBUF).data(), 4 * static_cast<std::size_t>(NTOGOQ));
    tidy_output_options(loaded);
    tidy_case_for_checks(loaded);
    loaded.SRCDAT = TPCM.SRCDAT;
    loaded.IVERS_SUFX = TPCM.IVERS_SUFX;
    loaded.LBACK = TPCM.LBACK;
    loaded.IPAG = TPCM.IPAG;
    loaded.LCOPY = TPCM.LCOPY;
    loaded.EDUNIT = TPCM.EDUNIT;
    Int NOCHG = 1;
    NOCHNG(NOCHG, word_span(loaded), word_span(TPCM), NTOGOQ);
    Int NOCHG1 = 1;
    NOCHNG(NOCHG1, word_span(S.COPIES.ILOBUF), word_span(LOWCOF), kLowcofWords);
    return NOCHG == 0 || NOCHG1 == 0;
}

void set_silent_run_settings(Tpcm& T) {
    settings_before_silent_run = SilentRunSettings{T.NBUG, T.NBUG0, T.IUNIT};
    T.NBUG = 0;
    T.NBUG0 = 0;
    T.IUNIT = 1;
}

void undo_silent_run_settings(Tpcm& T) {
    if (!settings_before_silent_run) return;
    T.NBUG = settings_before_silent_run->NBUG;
    T.NBUG0 = settings_before_silent_run->NBUG0;
    T.IUNIT = settings_before_silent_run->IUNIT;
    settings_before_silent_run.reset();
}

// Item 4 could not make the silent run's file, and has said so on standard error and on the screen:
// no run started. Edits that no save has kept bring the page back on the screen, where they can be
// saved or run; with nothing to lose the session ends there (status 1), as a silent run stopped by
// its findings does.
void silent_run_not_started() {
    TPCM.LBACK = 0;
    if (!case_has_unsaved_edits()) throw ProgramEnd{1, true};
}

// After an execute choice that passed its checks, the first time in the run: the echo of every
// page is started on unit 1, written beside "BREVIN.stxt" until the case is saved. True when the
// page is left (the echo started, or no echo is due); false when the echo file could not be made,
// which is reported like a failed save (a silent run, which nobody can answer, ends there) and
// brings the page back with the case as it is.
bool start_echo_walk() {
    Tpcm& T = TPCM;
    if (T.LBACK != -1983 || HCDONE != 0) return true;
    if (const std::string refused = open_staged_file(DISK_UNIT, INDUMP); !refused.empty()) {
        report_access_error(EDPRG, refused, T.EDUNIT);
        if (T.EDUNIT == SILENT_UNIT) {
            silent_run_not_saved(EDPRG, refused);
            T.EDUNIT = SCREEN_UNIT;
        }
        T.LBACK = 0;
        return false;
    }
    HCDONE = 1;
    T.LCOPY = 1;
    T.LBACK = -1980;
    UNTSAV = T.EDUNIT;
    T.EDUNIT = DISK_UNIT;
    return true;
}

}  // namespace

namespace {

// A silent run that cannot start: the line REASON on standard error, the REPORT on the screen with
// its pause, and the session given back to the screen, or ended when nothing is unsaved.
void give_back_silent_run(const std::string& REASON, const std::function<void()>& REPORT, bool CASE_SAVED) {
    Tpcm& T = TPCM;
    drop_silent_console();
    // Standard error first: the pause below may meet the end of the input.
    std::cout.flush();
    write_record(kStandardErrorUnit, REASON);
    REPORT();
    undo_silent_run_settings(T);
    if (CASE_SAVED || !case_has_unsaved_edits()) throw ProgramEnd{1, true};
}

}  // namespace

void silent_run_not_saved(std::string_view EDPRG_OF_CALLER, std::string_view FILE, bool CASE_SAVED) {
    give_back_silent_run(" ++> The silent run cannot start: \"" + name_on_disk(FILE) + "\" cannot be written.",
                         [&] { report_access_error(EDPRG_OF_CALLER, FILE, SCREEN_UNIT); }, CASE_SAVED);
}

void silent_run_not_saved([[maybe_unused]] std::string_view EDPRG_OF_CALLER, std::span<const std::string> WHY) {
    give_back_silent_run(" ++> The silent run cannot start: the case cannot be saved.",
                         [&] { report_refused_save(WHY, SCREEN_UNIT); }, false);
}

void BRVFIN(std::string_view PAGE) {
    Tpcm& T = TPCM;
    // What this page and its checks set in the case is theirs, not the user's: a case nobody
    // changed is left, or refused for a run, without unsaved edits.
    set_by_the_editor([&] { tidy_output_options(T); });

    Int FWARN = 0;
    Int WARNEM = 0;
    Int LRETRN = 0;
    for (;;) {
        FINTOP(PAGE, T.SIMTYP, LRETRN, INDUMP, EDPRG, T.IPAG, T.LCOPY, T.EDUNIT, UNTSAV, T.LBACK, WARNEM, FWARN,
               T.CMPUTR, T.WriteAuxDatFiles);
        if (LRETRN == 1) {
            if (T.LBACK == kSilentRunNotStarted) {
                silent_run_not_started();
                continue;
            }
            if (start_echo_walk()) return;
            continue;  // the echo could not be started: the page again
        }
        WARNEM = 0;
        FWARN = 0;
        set_by_the_editor([&] {
            VESWRN(WARNEM, FWARN);
            check_low_frequency_tables(WARNEM, FWARN);
        });
        if (T.EDUNIT == SILENT_UNIT) {
            // The console of a silent run is the file: without the line on standard error the run
            // would end with nothing on the screen to say why.
            if (FWARN != 0) {
                // Standard error names the file, or says what it could not take (a full disk).
                point_to_silent_file(kSilentFatalFindingsLine, close_silent_console());
                // Edits that no save has kept are not dropped for a run that never started: the
                // session comes back to this page on the screen, where they can be mended, saved or
                // left, and the case keeps the settings it had.
                if (!case_has_unsaved_edits()) throw ProgramEnd{1, true};
                T.EDUNIT = SCREEN_UNIT;
                continue;
            }
            set_silent_run_settings(T);
            if (WARNEM != 0) {
                if (start_echo_walk()) return;
                continue;
            }
        }
        if (FWARN == 0 && WARNEM == 0) {
            if (start_echo_walk()) return;
            continue;
        }
        // The warning counter's own pause comes with the finding after every seventh, never right
        // after the last one: the findings shown since are always paused over here, or the page
        // would be drawn over a seventh, fourteenth, ... finding before it could be read.
        Int ignored = 0;
        PRSRET(T.EDUNIT, KBD_UNIT, ignored);
        CLEAR(T.EDUNIT);
    }
}

}  // namespace brevant

// The End of Session page and its help screens.
#include "edlib/end_of_session.h"

#include <span>
#include <string>

#include "edlib/data_load.h"
#include "edlib/last_page.h"
#include "edlib/wave_report_findings.h"
#include "options/wave_report.h"
#include "records/data_image.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/paging.h"
#include "sysutl/report_files.h"
#include "sysutl/staged_files.h"
#include "sysutl/units.h"
#include "sysutl/value_entry.h"

namespace brevant {

Logical VESTRAKEL_GO = 0;
Logical SAVEDATA = 0;
Logical USRHCP = 0;

void reset_end_of_session() {
    VESTRAKEL_GO = 0;
    SAVEDATA = 0;
    USRHCP = 0;
}

namespace {

// Help texts; each begins with an empty line.
constexpr std::string_view kH1[] = {
    "",
    "     This option will save the current *DAT data file (and, if",
    "     necessary, produce appropriate *BAK and/or LASTBAK backup files)",
    "     and exit to the operating system. It is useful to save partially",
    "     completed data prior to completion of data file development.",
    "",
    "     No error checking is involved in this operation; a save and exit",
    "     will always be accomplished without further ado.",
    "",
    "     Be warned, however, that repeated invocations of this option will",
    "     cause the *original* data file to be lost \"off the end\" of the",
    "     backup process as repeated [*DAT -> *BAK -> LASTBAK -> deletion]",
    "     cascades take place. You should therefore always work on a copy of",
    "     important data files lest you lose valuable data.",
};
constexpr std::string_view kH2[] = {
    "",
    "     This option will cause program termination, after a warning",
    "     message, without writing the current data buffers to disk. It can",
    "     be used when you have made an undesired global change of some kind",
    "     which you wish to simply trash. No updates to existing *DAT, *BAK",
    "     or LASTBAK files will occur.",
};
constexpr std::string_view kH3[] = {
    "",
    "     This option causes simulation execution to proceed with a",
    "     comprehensive information stream directed to the console. This",
    "     stream is useful for troubleshooting purposes. This is the same as",
    "     the \"E\"xecution item available from any editor page or from the",
    "     opening screen.",
};
constexpr std::string_view kH4[] = {
    "",
    "     This option causes the normal console messages that accompany",
    "     execution to be written instead to a text file",
    "     (\"Diagnostics.stxt\"). Because console output is very",
    "     CPU-intensive, executions will run to completion substantially",
    "     faster with this option; batch operations in particular will enjoy",
    "     a considerable speed increase.",
    "",
    "     The downside: should unusual conditions be encountered during",
    "     simulation, there is no mechanism for user control or",
    "     intervention. Problematic simulations may therefore terminate",
    "     prematurely in \"silent\" mode. These should be re-run in",
    "     \"interactive\" mode because they can often be coaxed to completion",
    "     with appropriate user response(s) to run-time error conditions.",
};
constexpr std::string_view kH5[] = {
    "",
    "     This option will produce a textfile mirror of the editor screens",
    "     showing the current state of the data file.",
    "",
    "     >>> NOTE: This item does *not* cause a *DAT, *BAK, LASTBAK",
    "     datafile update cascade to occur; i.e., the current state of the",
    "     binary files is not updated. The only way to do an intermediate",
    "     \"save\" of binary data without executing the program is to use",
    "     option #1.",
};
constexpr std::string_view kH6[] = {
    "",
    "     This option will produce a text file, \"WAVEOUT.stxt\", with",
    "     comprehensive tables of regular wave properties applicable to the",
    "     current simulation (including group and phase speeds, horizontal",
    "     and vertical water particle accelerations, velocities and",
    "     amplitudes, etc.) at each of the user-specified wave periods.",
};
constexpr std::string_view kH7[] = {
    "",
    "     This option permits importation of vessel and environmental data",
    "     from any Velmora data file.  It is particularly useful for",
    "     importing complex vessels such as Semisubmersibles.",
};
constexpr std::string_view kH8[] = {
    "",
    "     This option permits importation of an entire mooring system from",
    "     any Velmora data file.",
};
constexpr std::string_view kHImport[] = {
    "",
    "     The data file can be from any simulation, but should have been",
    "     created or passed through a simulation having the same version",
    "     number as the importing application or the importation may be",
    "     corrupted. In particular, to import a data file from a prehistoric",
    "     \"legacy\" project, you must first update the data file using the",
    "     current version of its originating simulation.",
    "",
    "     The file selection mechanism is very rudimentary to preserve",
    "     cross-platform independence: The editor will produce a prompt to",
    "     which you must supply, in the notation of your operating system, a",
    "     valid absolute or relative path to the target file. For example,",
    "",
    "     - Absolute path to a file in any directory:",
    "",
    "         /Velmora/SPM/Proj_1/PELMDAT    (Linux-*nix)",
    "         C:\\Velmora\\SPM\\Proj_1\\PELMDAT  (Windows OS)",
    "         HD3:Velmora:SPM:Proj_1:PELMDAT (Classic Mac)",
    "",
    "     The relative path method is simpler and is recommended, especially",
    "     if the desired import file is in a deeply-buried directory. Place",
    "     a copy of the target file in your working directory, give it a",
    "     convenient short name (e.g., \"ND\" for New Data), and type that",
    "     short name at the system prompt.",
    "",
    "     - For a resident file \"ND\" in the working directory:",
    "",
    "           ND  (All OS's)",
};
constexpr std::string_view kH10[] = {
    "",
    "     If there have been no changes to the parent application's data during ",
    "     your editing session (such as particulars of vessel, moorings, ",
    "     environment, etc.), you can chain directly to VestraKel to perform the ",
    "     time domain analysis. This permits a quick turnaround for investigation ",
    "     of changes to the time history arising from changes on the \"Time-Domain ",
    "     Options\" page (interpolation choice, legacy versus full sway-yaw ",
    "     treatment, etc.) without rebuilding time domain support files or running ",
    "     the parent application again first. (Note: Changes in the excursion disk ",
    "     diameter will always necessitate re-running the parent application and ",
    "     rebuild of support files).",
};

void write_lines(Int IOSCRN, std::span<const std::string_view> text) {
    for (std::string_view line : text) write_record(IOSCRN, line);
}

void write_item_help(Int IOSCRN, Int item) {
    switch (item) {
        case 1: write_lines(IOSCRN, kH1); break;
        case 2: write_lines(IOSCRN, kH2); break;
        case 3: write_lines(IOSCRN, kH3); break;
        case 4: write_lines(IOSCRN, kH4); break;
        case 5: write_lines(IOSCRN, kH5); break;
        case 6: write_lines(IOSCRN, kH6); break;
        case 7:
        case 9:
            write_lines(IOSCRN, kH7);
            write_lines(IOSCRN, kHImport);
            break;
        case 8:
            write_lines(IOSCRN, kH8);
            write_lines(IOSCRN, kHImport);
            break;
        case 10: write_lines(IOSCRN, kH10); break;
        default: break;
    }
}

void item_heading(Int IOSCRN, std::string_view number) {
    write_record(IOSCRN, "");
    write_record(IOSCRN, std::string(" ++> Item Number  ").append(number));
}

// A page pass whose file could not be written whole (a full disk, a file-size limit) is handled as a
// failed save: its temporary goes, the access error and its pause come, and the page is shown again
// with the case as it is. Nothing of the pass stays pending: the next execute writes its echo anew,
// and no decision taken before it is acted on. A silent run gives the session back to the screen
// (or ends, with nothing unsaved); EDUNIT is then the screen.
void failed_page_pass(std::string_view INDUMP, std::string_view EDPRG, Int& EDUNIT) {
    drop_staged_file(INDUMP);
    HCDONE = 0;
    VESTRAKEL_GO = 0;
    SAVEDATA = 0;
    report_access_error(EDPRG, INDUMP, EDUNIT);
    if (EDUNIT == SILENT_UNIT) {
        silent_run_not_saved(EDPRG, INDUMP);
        EDUNIT = SCREEN_UNIT;
    }
}

void draw_page(std::string_view PAGE, Int CREATR, bool VestraKel_OK) {
    constexpr Int S = SCREEN_UNIT;
    CLEAR(S);
    write_record(S, std::string(19, ' ') + "****  Page " + std::string(PAGE) + ": End of Session  ****");
    write_record(S, "");
    write_record(S, "");
    write_record(S, " 1) Exit to operating system and update data file");
    write_record(S, " 2) Exit to operating system WITHOUT updating data file");
    write_record(S, "");
    write_record(S, " 3) Execute simulation in interactive mode");
    write_record(S, " 4) Execute simulation in silent mode");
    write_record(S, "");
    write_record(S, " 5) Produce diskfile of input data");
    if (CREATR <= 6 || CREATR >= 10)
        write_record(S, " 6) Produce \"WAVEOUT\" file containing regular wave kinematics data");
    write_record(S, "");
    const char* vessel = CREATR == 10 ? "Barge" : CREATR == 13 ? "Tanker" : "Vessel";
    write_record(S, std::string(" 7) Import ") + vessel + " and environment data from an external file");
    if (CREATR >= 7 && CREATR != 16) write_record(S, " 8) Import mooring system data from an external file");
    if (CREATR == 10 || CREATR == 13)
        write_record(S, std::string(" 9) Import ") + (CREATR == 10 ? "Tug" : "Buoy") + " data from an external file");
    if (VestraKel_OK) {
        write_record(S, "");
        write_record(S, "10) Chain to VestraKel");
    }
    write_record(S, "");
    write_record(S, "  (Press <RETURN> to review data)");
}

}  // namespace

void FINHLP(Int IOSCRN, Int KBD, Int& LINE, Int CREATR, Logical VestraKel_OK) {
    (void)CREATR;  // item 6 has its help whatever type made the data
    CLEAR(IOSCRN);
    write_record(IOSCRN, std::string(17, ' ') + "****  Vessel Environmental Load Notes  ****");
    if (LINE == 0) {
        const auto pause_and_clear = [&](bool clear) {
            PRSRET(IOSCRN, KBD, LINE);
            if (clear) CLEAR(IOSCRN);
        };
        for (Int item = 1; item <= 6; ++item) {
            item_heading(IOSCRN, std::to_string(item));
            write_item_help(IOSCRN, item);
            if (item % 2 == 0) pause_and_clear(true);
        }
        item_heading(IOSCRN, "7");
        write_item_help(IOSCRN, 7);
        pause_and_clear(true);
        item_heading(IOSCRN, "8");
        write_item_help(IOSCRN, 8);
        PRSRET(IOSCRN, KBD, LINE);
        if (VestraKel_OK != 0) {
            CLEAR(IOSCRN);
            item_heading(IOSCRN, "10");
            write_item_help(IOSCRN, 10);
            PRSRET(IOSCRN, KBD, LINE);
        }
        return;
    }
    item_heading(IOSCRN, fmt_I(LINE, 2));
    if ((LINE >= 1 && LINE <= 9) || (LINE == 10 && VestraKel_OK != 0)) {
        write_item_help(IOSCRN, LINE);
    } else {
        write_record(IOSCRN, "");
        write_record(IOSCRN, " ++> Sorry, no help for this line...");
        write_record(IOSCRN, "");
    }
    PRSRET(IOSCRN, KBD, LINE);
}

void FINTOP(std::string_view PAGE, Int CREATR, Int& LRETRN, std::string_view INDUMP, std::string_view EDPRG, Int& IPAG,
            Int& LCOPY, Int& EDUNIT, Int& UNTSAV, Int& LBACK, Int& WARNEM, Int& FWARN, [[maybe_unused]] Int CMPUTR,
            Int WriteAuxDatFiles) {
    LRETRN = 0;
    const bool VestraKel_OK = (CREATR == 15 || CREATR == 12) && WriteAuxDatFiles != 0;

    if (WARNEM == 0 && FWARN == 0) {
        if (LCOPY != 0) {
            // A page pass has come back to the last page: close its file and give the decision back.
            LCOPY = 0;
            const bool written = EDUNIT != DISK_UNIT || close_unit(DISK_UNIT);
            EDUNIT = UNTSAV;
            const bool dump = USRHCP != 0;
            USRHCP = 0;
            if (!written) {
                failed_page_pass(INDUMP, EDPRG, EDUNIT);
                LBACK = 0;
            } else if (dump) {
                // The dump replaces the file of an earlier one only now that it is complete.
                if (!place_staged_file(INDUMP)) report_access_error(EDPRG, INDUMP, EDUNIT);
            } else if (VESTRAKEL_GO != 0) {
                LRETRN = 999;
                LBACK = 101;
                return;
            } else if (SAVEDATA != 0) {
                LRETRN = 1;
                LBACK = -2;
                return;
            } else {
                LRETRN = 1;
                LBACK = -1983;
                return;
            }
        }
        // Execute asked for elsewhere (the letter E on another page): the caller runs the checks first.
        if (LBACK == -1983) return;
    }

    for (;;) {
        draw_page(PAGE, CREATR, VestraKel_OK);
        Int ITEMP = 0;
        ENTSEL(ITEMP, SCREEN_UNIT, KBD_UNIT, IPAG);
        if (ITEMP == -1978) {
            FINHLP(SCREEN_UNIT, KBD_UNIT, IPAG, CREATR, VestraKel_OK ? 1 : 0);
            continue;
        }
        switch (ITEMP) {
            case 1:
                SAVEDATA = 1;
                LBACK = -2;
                LRETRN = 1;
                return;
            case 2:
                LBACK = 101;
                LRETRN = 1;
                return;
            case 3:
            case -1983:
                // Only non-fatal warnings pending: the user goes ahead; a fatal one runs the checks again.
                LBACK = -1983;
                LRETRN = FWARN != 0 ? 0 : (WARNEM != 0 ? 1 : 0);
                return;
            case 4:
                CLEAR(SCREEN_UNIT);
                if (!open_silent_console("Fintop")) {
                    LBACK = kSilentRunNotStarted;
                    LRETRN = 1;
                    return;
                }
                EDUNIT = SILENT_UNIT;
                FWARN = 0;
                WARNEM = 0;
                LBACK = -1983;
                LRETRN = 0;
                return;
            case 5:
                // Written beside the file of an earlier dump, which stays whole until this one is.
                if (const std::string refused = open_staged_file(DISK_UNIT, INDUMP); !refused.empty()) {
                    report_access_error(EDPRG, refused, EDUNIT);
                    continue;
                }
                LCOPY = 1;
                UNTSAV = EDUNIT;
                EDUNIT = DISK_UNIT;
                USRHCP = 1;
                LBACK = -1980;
                LRETRN = 1;
                return;
            case 6:
                // The report refuses every sea and swell the run refuses, with the run's findings.
                if (CREATR <= 6 || CREATR >= 10) WAVOUT(wave_report_findings(TPCM));
                continue;
            case 7:
                DATLOAD(1);
                continue;
            case 8:
                // Only where the page lists it: this program never stores the mooring block, and an
                // import of it would leave a stored length in the image that the next load rejects.
                if (CREATR >= 7 && CREATR != 16) DATLOAD(2);
                continue;
            case 9:
                if (CREATR == 10 || CREATR == 13) DATLOAD(3);
                continue;
            case 10:
                if (VestraKel_OK) {
                    VESTRAKEL_GO = 1;
                    LBACK = -1983;
                    LRETRN = 999;
                    return;
                }
                continue;
            default:
                break;
        }
        if (ITEMP <= 0) {
            LBACK = ITEMP;
            LRETRN = 1;
            return;
        }
        // Any other number: the page is drawn again.
    }
}

}  // namespace brevant

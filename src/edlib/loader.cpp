// Loading and checking the data file: IOINIT with its checks, messages and load report, CHSWAP and
// DATCRPT.
#include "edlib/loader.h"

#include <array>
#include <cmath>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "edlib/data_import.h"
#include "edlib/data_update.h"
#include "edlib/load_model_flags.h"
#include "edlib/new_case.h"
#include "edlib/update_to_149.h"
#include "sysutl/answers.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/option_words.h"
#include "sysutl/paging.h"
#include "sysutl/pauses.h"
#include "sysutl/program_end.h"
#include "sysutl/record_io.h"
#include "sysutl/report_files.h"
#include "sysutl/save_files.h"
#include "sysutl/title.h"
#include "sysutl/units.h"
#include "sysutl/word_ops.h"

namespace brevant {

namespace {

constexpr Int kNonInteractive = 3;
constexpr int kChswapWork = 200;
constexpr const char* kCaller = "IoInit";
constexpr const char* kCoefficientFile = "LOWDAT";
constexpr Int kMaxCoefficientRows = 21;

// Simulation type names by type code; rows 5, 6 and 18-20 have none.
const std::array<const char*, 20>& STYP() {
    static const std::array<const char*, 20> names{
        "KORVELL", "TANDRIL", "PELMARO", "VOSKARN", nullptr, nullptr, "GRELDIN", "FURNEL ", "UNKNOWN", "MARDEK ",
        "QUENTAL", "BASKERO", "DORVINE", "ZELFOR ", "NAVRIK ", "BREVANT", "LOMIRAS", nullptr, nullptr, nullptr};
    return names;
}

// Words a file of creator type ITYPE holds, and whether a difference counts against the running
// type only (1/2 from the running type, 3/4 from another) or always as 1/2. 0: not checked.
struct ExpectedLength {
    Int words;
    bool by_creator;  // true: 1/2 only when the creator is the running type
};

ExpectedLength expected_length(Int ITYPE) {
    switch (ITYPE) {
        case 1:
        case 4: return {1987, true};
        case 3:
        case 16: return {4975, true};
        case 10:
        case 12:
        case 13:
        case 14:
        case 15:
        case 17: return {78635, true};
        case 7: return {79524, false};
        case 8: return {79676, false};
        case 11: return {4975, false};
        default: return {0, false};  // 2, 5, 6, 9: not checked
    }
}

// FTLSRV of the size check: 0 none, 1/2 larger/smaller from the running program, 3/4 larger/smaller
// from another program, -1 creator type out of range.
Int size_check(Int NTOGO, Int SIMTYP, Int CREATQ) {
    if (SIMTYP < 1 || SIMTYP > 17) return -1;
    const ExpectedLength e = expected_length(SIMTYP);
    if (e.words == 0 || NTOGO == e.words) return 0;
    const bool larger = NTOGO > e.words;
    if (!e.by_creator || SIMTYP == CREATQ) return larger ? 1 : 2;
    return larger ? 3 : 4;
}

// Messages go to the console unit and, in an interactive run, also to the load report on unit 21.
class LoadReport {
public:
    LoadReport(Int& LOCLUN, bool interactive) : LOCLUN_(LOCLUN), interactive_(interactive) {}

    void console(std::initializer_list<std::string> lines) const {
        for (const auto& l : lines) write_record(LOCLUN_, l);
    }
    void file(std::initializer_list<std::string> lines) const {
        if (!interactive_) return;
        for (const auto& l : lines) write_record(WARN_UNIT, l);
    }
    void both(std::initializer_list<std::string> lines) const {
        console(lines);
        file(lines);
    }

private:
    Int& LOCLUN_;
    bool interactive_;
};

std::string msg_heading() { return std::string(18, ' ') + " >>> Input File Characteristics <<< "; }

// The end of the program when a check cannot be passed or the user chose to stop: the data files
// are untouched, the report so far reaches the disk with the closing of the units. WHY is the line
// standard error gives for it (a silent start, which nobody answers, names "Diagnostics.stxt").
[[noreturn]] void stop_load(std::string_view why = {}) { stop_program_because(std::string(why)); }

// A table count of "LOWDAT" that lay beyond its table, as found in the file.
struct HeldCount {
    Int word;         // the word of the count in the file
    const char* table;
    Int found;
    Int held;         // 0 or kMaxCoefficientRows
};

// Holds every table count of the coefficient image to its table (a negative count to 0, one above
// 21 to 21), so that nothing reads past the rows the file holds, and lists the counts it held.
std::vector<HeldCount> hold_coefficient_counts(Lowcof& L) {
    struct Count {
        Int word;
        const char* table;
        Int& n;
    };
    const Count counts[] = {
        {1, "wind", L.NUWNPT},        {2, "current", L.NUCRPT},        {3, "wave-drift", L.NUWVPT},
        {4, "fourth", L.NUQQPT},      {341, "second wind", L.BUWNPT},  {342, "second current", L.BUCRPT},
        {343, "second wave-drift", L.BUWVPT}, {344, "second fourth", L.BUQQPT},
    };
    std::vector<HeldCount> held;
    for (const Count& c : counts) {
        if (c.n >= 0 && c.n <= kMaxCoefficientRows) continue;
        const Int to = c.n < 0 ? 0 : kMaxCoefficientRows;
        held.push_back({c.word, c.table, c.n, to});
        c.n = to;
    }
    return held;
}

// The note of one held count, naming the file, the table and the count found.
std::string held_count_note(const HeldCount& h) {
    return std::string(" ++> ") + kCoefficientFile + ": the count of the " + h.table + " table (word " +
           std::to_string(h.word) + ") reads " + std::to_string(h.found) + "; it is held to " +
           std::to_string(h.held) + " rows.";
}

// Replaces the value 1 (a user table of "LOWDAT") in fields 1 to 3 of a model word.
void replace_user_table(Int& word, Int value, Int IOSCRN) {
    for (Int k = 1; k <= 3; ++k)
        if (NIBVAL(word, k, IOSCRN) == 1) NIBSET(word, k, value, IOSCRN);
}

// LBACK, IPAG and LCOPY are the editor's state of one session, stored as 0 at every save. Values in
// a loaded file (a damaged file, an old layout whose resize carries a word there, another program's
// file) would otherwise start a page walk, a save or a run that nobody chose.
void clear_session_words(Tpcm& P) {
    P.LBACK = 0;
    P.IPAG = 0;
    P.LCOPY = 0;
}

// Words 700-703 as the file held them. In a file of the 49-line layout they are motion-point words,
// not the session's: the loader's own use of them (the console unit, an answer in LBACK) is undone
// before the image is resized, and the session words are set again once it is in the current layout.
struct WordsAsRead {
    std::array<Int, 4> words{};

    static constexpr Int kFirst = 700;

    void keep(const Tpcm& P, Int words_read) {
        for (Int k = 0; k < 4; ++k)
            words[static_cast<std::size_t>(k)] = kFirst + k <= words_read ? image_word(P, kFirst + k) : 0;
    }
    void put_back(Tpcm& P) const {
        for (Int k = 0; k < 4; ++k) set_image_word(P, kFirst + k, words[static_cast<std::size_t>(k)]);
    }
};

std::vector<std::string>& start_notes() {
    static std::vector<std::string> lines;
    return lines;
}

std::function<std::vector<std::string>()>& start_work() {
    static std::function<std::vector<std::string>()> work;
    return work;
}

// Takes the lock of the folder of DATFIL for the reads of the case. While another program holds it
// (its save, or its start finishing or undoing one) the start waits, saying so once on UNIT, the
// line flushed at once so that it is seen while the program waits; the lock is never held for long,
// so a lock held past the bound is of a program that is stuck: the program stops, having read and
// changed nothing. Where the file system keeps no such lock, the case is read without it.
void lock_case_folder(SaveLock& lock, std::string_view DATFIL, Int unit) {
    const std::string folder = std::filesystem::path(name_on_disk(DATFIL)).parent_path().string();
    const platform::LockResult got = lock.take_waiting(folder, kLockWaitSeconds, [unit] {
        write_record(unit, " >>> Another program is saving in this folder: the case is read once its save has ended.");
        flush_all_units();
    });
    if (got != platform::LockResult::Busy) return;
    const std::string held = " ++> Another program has held the lock of this folder for " +
                             std::to_string(static_cast<int>(kLockWaitSeconds)) +
                             " s: the program stops without reading or changing a file.";
    write_record(unit, held);
    write_record(unit, "     Start again once that program has ended.");
    stop_load(held);
}

// The line on standard error of a start that refuses a file of another program of another version:
// it must be updated by its own program first.
std::string refused_import_line(const std::string& creator, Real VERNO) {
    std::string name = creator;
    name.erase(name.find_last_not_of(' ') + 1);
    std::string version = " whose version word is not a number";
    if (std::isfinite(VERNO)) {
        version = fmt_F(std::abs(VERNO), 5, 2);
        version = " of version " + version.substr(version.find_first_not_of(' '));
    }
    return " ++> The data file is a " + name + " file" + version +
           ", which this program cannot import: the program stops.";
}

// The copy of the case for the change check at the end of the session: the image's stored words
// with the console unit at 0, as the save stores them (the session words are 0 by now).
void copy_case_as_loaded(Tpcm& P, Int NTOGOQ, FArray<Int, brevant::NTOGOQ>& IOBUF) {
    const Int edunit = P.EDUNIT;
    P.EDUNIT = 0;
    MOVCOM(NTOGOQ, image_bytes(static_cast<const Tpcm&>(P)), word_span(IOBUF));
    P.EDUNIT = edunit;
}

void copy_coefficients(FArray<Int, kLowcofWords>& ILOBUF) {
    MOVCOM(kLowcofWords, image_bytes(static_cast<const Lowcof&>(LOWCOF)), word_span(ILOBUF));
}

}  // namespace

void hold_start_notes(std::vector<std::string> lines) { start_notes() = std::move(lines); }

void hold_start_work(std::function<std::vector<std::string>()> work) { start_work() = std::move(work); }

namespace {
// The data file and the coefficient file as the session last read or wrote them.
enum SeenFile { kSeenData, kSeenCoefficients };
std::optional<FileMark>& seen_file(SeenFile which) {
    static std::optional<FileMark> marks[2];
    return marks[which];
}
}  // namespace

const std::optional<FileMark>& case_file_seen() { return seen_file(kSeenData); }
void set_case_file_seen(std::optional<FileMark> mark) { seen_file(kSeenData) = mark; }
const std::optional<FileMark>& coefficient_file_seen() { return seen_file(kSeenCoefficients); }
void set_coefficient_file_seen(std::optional<FileMark> mark) { seen_file(kSeenCoefficients) = mark; }

std::string creator_name(Int ITYPE) {
    if (ITYPE >= 1 && ITYPE <= 20 && STYP()[static_cast<std::size_t>(ITYPE - 1)] != nullptr)
        return STYP()[static_cast<std::size_t>(ITYPE - 1)];
    return "UNKNOWN";
}

void CHSWAP(std::span<char> C, Int LEN, Int EDUNIT, Int KBD) {
    if (LEN > kChswapWork) {
        write_record(EDUNIT, " ++> LEN overflow in chswap!");
        Int answer = 0;
        PRSRET(EDUNIT, KBD, answer);
    }
    std::array<char, kChswapWork> work;
    work.fill(' ');
    const std::size_t have = std::min<std::size_t>(C.size(), kChswapWork);
    std::copy_n(C.begin(), have, work.begin());
    const std::size_t n = std::min<std::size_t>(have, static_cast<std::size_t>(std::max<Int>(LEN, 0)));
    for (std::size_t j = 1; j <= n; ++j) {
        const std::size_t p = (j - 1) % 4;
        const std::size_t b = j - p;
        C[j - 1] = work[b + 3 - p - 1];
    }
}

void DATCRPT(Int EDUNIT, Int I) {
    CLEAR(EDUNIT);
    write_record(EDUNIT, " ");
    switch (I) {
        case 1: write_record(EDUNIT, " ++> Warning: Data file is corrupt."); break;
        case 2:
            write_record(EDUNIT, " ++> Warning: Data file is seriously corrupt or from a very early version.");
            write_record(EDUNIT, "              Inspect all editor pages with particular care...");
            break;
        case 3:
            write_record(EDUNIT, " ++> Warning: Data file is seriously corrupt.");
            write_record(EDUNIT, "              Some versions of Internet Explorer can cause this problem.");
            break;
        case 4:
            write_record(EDUNIT, " ++> Warning: Data file is seriously corrupt.");
            write_record(EDUNIT, "              It will very probably crash the simulation if you continue...");
            break;
        default: break;
    }
    write_record(EDUNIT, " ");
}

void IOINIT(std::string_view NAME, std::string_view /*DATE*/, LoadCopies& COPIES, char& ANSWER, Int& JMPLOC,
            std::string_view DATFIL, Int& IERR0, Int& IERR1, Real VERNQ, Int IYEARQ, Int CREATQ,
            std::string_view EDPRG, Int CMPUTQ, Int LEASTQ, Int NTOGOQ) {
    assert(NTOGOQ >= 1 && NTOGOQ <= brevant::NTOGOQ);
    Tpcm& P = TPCM;
    const bool interactive = LEASTQ != kNonInteractive;
    JMPLOC = kJumpEdit;
    Int FTLSRV = 0;
    Int ICHSWP = 0;
    Int WRNFIL_OPEN = 0;
    Int IBATCH_LOC = 0;
    Int LOCLUN = SCREEN_UNIT;
    LoadReport report(LOCLUN, interactive);

    // Start screen. Nobody is asked in a non-interactive run: the case is executed as it stands.
    if (!interactive) {
        if (P.LCOPY == 0) {
            RHOPEN(kSilentFileName, 1, 0, 0, SILENT_UNIT, kCaller, SCREEN_UNIT, CMPUTQ);
            TITLE(CREATQ, NAME, VERNQ, SILENT_UNIT, KBD_UNIT, ANSWER, 1);
        } else {
            TITLE(CREATQ, NAME, VERNQ, P.EDUNIT, KBD_UNIT, ANSWER, 1);
        }
        ANSWER = 'E';
    } else {
        if (P.LCOPY == 0) P.EDUNIT = SCREEN_UNIT;
        TITLE(CREATQ, NAME, VERNQ, P.EDUNIT, KBD_UNIT, ANSWER, P.LCOPY);
    }
    if (ANSWER == 'B') {
        IBATCH_LOC = 1;
        ANSWER = 'M';
    }

    // A page-dump walk re-enters here: nothing is read or checked.
    if (P.LCOPY != 0) {
        TWOPG(P.LCOPY, P.EDUNIT);
        JMPLOC = kJumpPageDump;
        return;
    }

    // The case is read whole: the files are read under the lock of their folder, so that no save of
    // another program puts its files in place between the reads of the coefficient file and the data
    // file, and a save stopped half-way is finished or undone (the start's work) under the same lock,
    // so that none can be left half-placed between that work and the reads.
    const Int console = interactive ? SCREEN_UNIT : SILENT_UNIT;
    std::vector<std::string> notes = std::exchange(start_notes(), {});
    SaveLock lock;
    lock_case_folder(lock, DATFIL, console);
    if (start_work()) {
        const std::vector<std::string> lines = std::exchange(start_work(), nullptr)();
        notes.insert(notes.end(), lines.begin(), lines.end());
    }

    // The coefficient file. A table count beyond its 21 rows is held to the table and the file is
    // used with the rows it holds: the user's tables are kept, nothing reads past them, and a note
    // below says which count was held.
    bool lowdat_missing = false;
    std::vector<HeldCount> held_counts;
    IERR0 = 0;
    if (CREATQ > 9) {
        Int nlow = kLowcofWords;
        DISKIO(1, nlow, kCoefficientFile, DISK_UNIT, IERR0, image_bytes(LOWCOF), CMPUTQ);
        set_coefficient_file_seen(mark_of_file(name_on_disk(kCoefficientFile)));
        lowdat_missing = IERR0 == 1;
        if (!lowdat_missing) {
            held_counts = hold_coefficient_counts(LOWCOF);
            // The file on disk is not the image: the save writes it, keeping the file as found as
            // its back-up. A file read short keeps its own code, and its own line at the save.
            if (!held_counts.empty() && IERR0 == 0) IERR0 = kLowdatCountsHeld;
        }
        // The copy is of the image as held: only the user's own edits count as changes.
        copy_coefficients(COPIES.ILOBUF);
    }

    // The data file; NTOGO1 comes back as the number of words the file held.
    Int NTOGO1 = NTOGOQ;
    DISKIO(1, NTOGO1, DATFIL, DISK_UNIT, IERR1, image_bytes(P), CMPUTQ);
    set_case_file_seen(mark_of_file(name_on_disk(DATFIL)));
    WordsAsRead as_read;
    as_read.keep(P, NTOGO1);
    // Nobody waits for an answer with the lock held: it goes before the notes and every question below.
    lock.release();

    // What the start did (a save stopped half-way, finished or undone) is said where the title screen
    // has given way, before any finding of the load, and stays at the head of the load report: the
    // findings below write after it instead of making the report anew.
    if (!notes.empty()) {
        RHOPEN(kLoadReportFile, 1, 0, 0, WARN_UNIT, kCaller, console, CMPUTQ);
        WRNFIL_OPEN = 1;
        CLEAR(console);
        std::vector<std::string> lines{"", "", msg_heading(), ""};
        lines.insert(lines.end(), notes.begin(), notes.end());
        for (const std::string& line : lines) {
            write_record(console, line);
            if (interactive) write_record(WARN_UNIT, line);
        }
        Int ignored = 0;
        PRSRET(console, KBD_UNIT, ignored);
    }

    // Old files kept their version in a text word.
    if (P.VERNO == 0.0f) VRCVRT(P.IVERSN(), P.VERNO);

    // Units of the session.
    if (!interactive) {
        P.EDUNIT = SILENT_UNIT;
        LOCLUN = SILENT_UNIT;
        P.LEASTP = kNonInteractive;
    } else {
        P.EDUNIT = SCREEN_UNIT;
        LOCLUN = SCREEN_UNIT;
        if (P.LEASTP == kNonInteractive) P.LEASTP = LEASTQ;
    }

    if (IERR1 == 1 && (ANSWER == 'M' || ANSWER == 'E')) ACERR(EDPRG, DATFIL, LOCLUN);

    if (IERR1 != 1 && ANSWER != 'C') {
        FTLSRV = size_check(P.NTOGO, P.SIMTYP, CREATQ);
        // A version word that is no number at all comes only from a damaged file.
        if (!std::isfinite(P.VERNO)) FTLSRV = -1;
    }

    // Corruption warnings: the user may stop here.
    int level = 0;
    if (FTLSRV == -1) {
        level = interactive ? 4 : 3;
    } else if (FTLSRV > 0 && !interactive) {
        level = 1;
    } else if (FTLSRV == 1 && interactive) {
        level = 2;
    }
    // Whether the start brings the file to this program's form: a file it asks about (damaged, older,
    // of another program or layout, of another increment, its user tables missing) is changed below
    // after the copy is taken, so that the first save writes it and the question does not come back.
    bool brought_to_form = level != 0;
    if (level != 0) {
        DATCRPT(LOCLUN, level);
        SERV_ABORT(LOCLUN, KBD_UNIT, P.LBACK);
        if (P.LBACK < 0) stop_load(kStartAbortedMessage);
    }

    if (ANSWER != 'C') {
        // The copy for the change check is taken before any repair, update or import, with the
        // session's output unit and the session words out of it, as the save stores them.
        clear_session_words(P);
        copy_case_as_loaded(P, NTOGOQ, COPIES.IOBUF);

        // Text from a machine of the other byte order.
        const Int CMPUTR_LOADED = P.CMPUTR;
        if ((CMPUTQ <= 4) != (CMPUTR_LOADED <= 4)) {
            ICHSWP = 1;
            CHSWAP(std::span<char>(P.CID1P.c, 80), 80, LOCLUN, KBD_UNIT);
            CHSWAP(std::span<char>(P.CID2P.c, 80), 80, LOCLUN, KBD_UNIT);
            switch (P.SIMTYP) {
                case 7:
                case 8:
                case 10:
                case 12:
                case 13:
                case 14:
                case 15:
                case 17:
                    for (int j = 1; j <= 150; ++j)
                        for (int i = 1; i <= 25; ++i) CHSWAP(std::span<char>(P.SCOMP(i, j).c, 8), 8, LOCLUN, KBD_UNIT);
                    break;
                default: break;
            }
        }

        const Real VERSN_DELTA = std::abs(VERNQ) - std::abs(P.VERNO);
        // A version that is no number counts as different: it never passes for the running one.
        const bool versions_differ = !(std::abs(VERSN_DELTA) <= 0.001f);
        const Int creator = P.SIMTYP;
        const bool same_creator = creator == CREATQ;

        // A file in the 49-line layout is updated whatever its version says: read as it stands, its
        // words would sit hundreds of words off their names, and a save would keep the old identity.
        const bool layout_49 = P.DAT_ID == 49;
        const bool findings = !same_creator || IERR1 == 4 || versions_differ || P.DP_FLAG == 1 || layout_49 ||
                              (ICHSWP == 1 && interactive) || (P.IVERS_SUFX != 0 && interactive);
        if (findings) {
            brought_to_form = true;
            if (WRNFIL_OPEN == 0) RHOPEN(kLoadReportFile, 1, 0, P.IDRIVE, WARN_UNIT, kCaller, P.EDUNIT, CMPUTQ);
            WRNFIL_OPEN = 1;
            CLEAR(LOCLUN);
            report.both({"", "", msg_heading()});

            if (P.DP_FLAG == 1) {
                report.both({"", " ++> Fatal Warning: The precision specification of the loaded",
                             "     DAT_file and the executable are not the same!"});
                PRSRET(LOCLUN, KBD_UNIT, P.LBACK);
                stop_load(" ++> The data file was written in double precision, which this program cannot read: the program stops.");
            }

            if (IERR1 == 4) {
                if (!same_creator || std::abs(P.VERNO) >= 4.9f) {
                    const char* how = NTOGO1 > NTOGOQ ? "larger" : "smaller";
                    report.both({"", std::string(" ++> Input Data File ") + how + " than expected:",
                                 "     Expected " + fmt_I(NTOGOQ, 6) + " I*4s, found " + fmt_I(NTOGO1, 6) +
                                     " I*4s... CAUTION!"});
                }
                if (NTOGO1 < NTOGOQ) {
                    const Int first = std::max<Int>(NTOGO1, 0) + 1;
                    CLEAR_1D(image_bytes(P), kTpcmWords, first, NTOGOQ);
                    CLEAR_1D(word_span(COPIES.IOBUF), brevant::NTOGOQ, first, NTOGOQ);
                }
            }

            if (ICHSWP == 1) {
                report.both({"", std::string(" ++> File was produced on a ") +
                                     (CMPUTR_LOADED < 5 ? "Macintosh PPC" : "Intel") + " computer."});
                if (versions_differ) {
                    const std::string x2a = "     Importing datafiles between chip architectures can be problematic;";
                    const std::string x2b = "     proceed with caution; carefully inspect all data screens after import.";
                    report.console({x2a, x2b});
                    if (interactive) {
                        report.file({x2a, x2b});
                        ABORT0(LOCLUN, KBD_UNIT, P.LBACK);
                        if (P.LBACK < 0) stop_load(kStartAbortedMessage);
                    }
                }
            }

            const auto version_line = [&](const char* relation) {
                return " ++> Version mismatch: Data (version " + fmt_F(std::abs(P.VERNO), 5, 2) + ") " + relation +
                       " simulation (version " + fmt_F(std::abs(VERNQ), 5, 2) + ")";
            };
            const std::string inspect = "     Carefully inspect each editor screen before proceeding...";

            if (same_creator) {
                if (VERSN_DELTA > 0.001f || layout_49) {
                    if (VERSN_DELTA > 0.001f) {
                        const std::string v = version_line("predates");
                        const std::string f1a =
                            "     Although a reasonable effort has been made to insure forward";
                        const std::string f1b = "     compatibility of data files, this cannot be guaranteed.";
                        report.console({"", v});
                        if (!interactive) report.console({"     PLEASE update your data file editor to the current version..."});
                        report.console({"", f1a, f1b});
                        if (interactive) {
                            report.file({"", v, "", f1a, f1b});
                            report.both({inspect});
                            report.file({" "});
                        }
                        report.console({" "});
                    }
                    const Real DATVER = std::abs(P.VERNO);
                    switch (CREATQ) {
                        case 16:
                            if (in_49_line_layout()) as_read.put_back(P);
                            BRVUPD(VERNQ, FTLSRV);
                            break;
                        case 1: SHPUPD(DATVER, FTLSRV); break;
                        case 2: JCKUPD(DATVER, FTLSRV); break;
                        case 3: SEMUPD(DATVER, FTLSRV); break;
                        case 4: DSCUPD(DATVER, FTLSRV); break;
                        case 7: STMUPD(DATVER, FTLSRV); break;
                        case 8: CATUPD(DATVER, FTLSRV); break;
                        case 10: TOWUPD(DATVER, FTLSRV); break;
                        case 11: SLMUPD(DATVER, FTLSRV); break;
                        case 12:
                        case 14:
                        case 15:
                        case 17: MORUPD(DATVER, FTLSRV); break;
                        case 13: CLMUPD(DATVER, FTLSRV); break;
                        default:
                            report.both({"", " ++> Unknown file type..."});
                            PRSRET(LOCLUN, KBD_UNIT, P.LBACK);
                            stop_load(" ++> The data file is of an unknown type: the program stops without loading the case.");
                    }
                } else if (VERSN_DELTA >= -0.001f && VERSN_DELTA <= 0.001f) {
                    if (P.IVERS_SUFX != 0) {
                        report.both({"", " ++> Version increment mismatch: ",
                                     "     DATfile  version  increment  = " + fmt_I(P.IVERS_SUFX, 2),
                                     "     Simulation version increment = " + fmt_I(0, 2)});
                        // The case takes this program's increment here, as an older file takes its
                        // version in the update: it differs from the copy as loaded, so the first
                        // save writes it and the question does not come back at the next start.
                        P.IVERS_SUFX = 0;
                    }
                } else if (VERSN_DELTA < -0.001f) {
                    report.both({"", version_line("POSTDATES"), "",
                                 "     Data files are NOT generally backwards-compatible!", inspect});
                }
            } else {
                const std::string name = creator_name(creator);
                report.both({"", " ++> Input Data File Creator was " + name});
                if (versions_differ) {
                    report.both({"     Before importing this data file, you MUST first update it",
                                 "     with version " + fmt_F(std::abs(VERNQ), 5, 2) + " of " + name +
                                     " on the originating computer platform."});
                    PRSRET(LOCLUN, KBD_UNIT, P.LBACK);
                    stop_load(refused_import_line(name, P.VERNO));
                }
                // A file of the 49-line layout is brought to the current one before the import
                // writes into it: its words 700-703 as read, the room of the grown arrays opened
                // in the stored words, then the session's console unit again.
                const bool import_resized = layout_49;
                if (import_resized) {
                    const Int edunit = P.EDUNIT;
                    as_read.put_back(P);
                    UPDATE_TO_149(P.VERNO, NTOGOQ, NTOGOQ, NTOGOQ + 1);
                    P.EDUNIT = edunit;
                }
                if (CREATQ == 16) {
                    BRVIMPORT(creator);
                    if (creator == 14) {
                        report.both({"",
                                     "     Note: Due to missing tendon information, imports into Brevant from Zelfor",
                                     "           cannot presently model the correct wave response required for",
                                     "           evaluation of wave reflection and absorption coefficients. The",
                                     "           resulting errors are usually small, but not necessarily negligible."});
                    }
                } else if (CREATQ == 8) {
                    CATIMPORT(creator);
                }
                if (CREATQ > 9 && creator < 10 && P.NTAB == 0) MRINIT('C', CREATQ);
                report.both({"", "     Although a reasonable effort has been made to achieve cross-compatibility",
                             "     between data files of different simulations, this cannot be guaranteed.", inspect,
                             " "});
                if (creator == 12 && CREATQ == 15) MORUPD(std::abs(P.VERNO), FTLSRV);
                if (creator == 9 && CREATQ == 16) BRVUPD(VERNQ, FTLSRV, import_resized);
                // The other creators pass no updater: the image is in the current layout now.
                if (import_resized) P.DAT_ID = 149;
                if (CREATQ == 17) P.VESTYP = 6;
            }

            if (!interactive) {
                if (IERR1 == 4 || FTLSRV != 0 || !same_creator) stop_load();
                P.CMPUTR = CMPUTQ;
                P.VERNO = VERNQ;
            } else {
                ABORT0(LOCLUN, KBD_UNIT, P.LBACK);
                if (P.LBACK < 0) stop_load(kStartAbortedMessage);
                if (ANSWER == 'E') ANSWER = 'M';
            }
        }

        // No coefficient file while the case takes its wind or current coefficients from it: the
        // built-in models take the place of the user tables.
        if (lowdat_missing && CREATQ >= 10) {
            Int SWNFM = 0, SCRFM = 0, SWVFM = 0;
            Int WNDUSR = 0, CURUSR = 0, WAVUSR = 0, LCTNKR = 0, LWTNKR = 0, LWNBRG = 0, LCRBRG = 0;
            INITFM(P.LWBARG, SWNFM, P.LCBARG, SCRFM, P.LWVCOF, SWVFM, LOCLUN);
            TNKRID(P.LWBARG, SWNFM, WNDUSR, P.LCBARG, SCRFM, CURUSR, P.LWVCOF, SWVFM, WAVUSR, LCTNKR, LWTNKR, LWNBRG,
                   LCRBRG, LOCLUN);
            if (WNDUSR == 1 || CURUSR == 1) {
                if (ANSWER == 'M' || ANSWER == 'E') {
                    CLEAR(LOCLUN);
                    if (interactive && WRNFIL_OPEN == 0) {
                        RHOPEN(kLoadReportFile, 1, 0, P.IDRIVE, WARN_UNIT, kCaller, P.EDUNIT, CMPUTQ);
                        WRNFIL_OPEN = 1;
                    }
                    report.both({"", "", msg_heading(), "",
                                 " ++> LOWDAT file not found. User-specified environmental coefficients ",
                                 "     will be missing."});
                    SERV_ABORT(LOCLUN, KBD_UNIT, P.LBACK);
                    if (P.LBACK < 0) stop_load(kStartAbortedMessage);
                    ANSWER = 'M';
                    brought_to_form = true;
                    replace_user_table(P.LWBARG, 4, LOCLUN);
                    replace_user_table(P.LCBARG, 6, LOCLUN);
                    replace_user_table(P.LWVCOF, 2, LOCLUN);
                    if (CREATQ == 10 || CREATQ == 13) {
                        replace_user_table(P.BLWBRG, 3, LOCLUN);
                        replace_user_table(P.BLCBRG, 3, LOCLUN);
                        replace_user_table(P.BWVCOF, CREATQ == 10 ? 2 : 4, LOCLUN);
                    }
                }
                if (interactive) HCLOSE(WARN_UNIT, kLoadReportFile, kCaller, LOCLUN);
            }
        }
    }

    // Counts of the coefficient file held to their tables: one note for each, on the console and
    // in the load report.
    if (!held_counts.empty()) {
        const bool opened_here = interactive && WRNFIL_OPEN == 0;
        if (opened_here) {
            RHOPEN(kLoadReportFile, 1, 0, P.IDRIVE, WARN_UNIT, kCaller, P.EDUNIT, CMPUTQ);
            WRNFIL_OPEN = 1;
        }
        report.both({"", "", msg_heading(), ""});
        for (const HeldCount& h : held_counts) report.both({held_count_note(h)});
        if (opened_here) HCLOSE(WARN_UNIT, kLoadReportFile, kCaller, LOCLUN);
    }

    // The case is read, updated and imported: whatever the file held in the session words (or an
    // update moved there, or an answer above left in LBACK), the session starts from none.
    clear_session_words(P);

    if (ANSWER == 'E') {
        P.LBACK = NAV_EXECUTE;
        JMPLOC = kJumpExecute;
        return;
    }

    // Modify or create: the case is stamped with the running program's identity.
    if (ANSWER == 'C') {
        CLEAR_1D(image_bytes(P), kTpcmWords, 1, NTOGOQ);
        store_new_case_defaults(CREATQ);
        P.SRCDAT = LEASTQ;
    } else {
        P.SRCDAT = P.LEASTP;
    }
    P.VERNO = VERNQ;
    P.IYEAR = IYEARQ;
    P.SIMTYP = CREATQ;
    P.EDUNIT = SCREEN_UNIT;
    P.IBATCH = IBATCH_LOC;
    P.LEASTP = LEASTQ;
    P.CMPUTR = CMPUTQ;
    P.NTOGO = NTOGOQ;
    if (P.LGAP < 0 || P.LGAP > 2 || CREATQ > 9) P.LGAP = 0;
    if (CREATQ < 10) {
        P.MORFBK = 0;
        P.CATFBK = 0;
        P.BMRFBK = 0;
        P.BCTFBK = 0;
    }
    if (P.IUNIT != 1 && P.IUNIT != P.EDUNIT && P.IUNIT != PRINTER_UNIT) P.IUNIT = 1;
    // A file the start asked nothing about is in this program's form already: what the stamp sets
    // in it (the year, a version within the tolerance, the run mode, a length word) is the case as
    // loaded, so a case nobody changes leaves without the loss warning and its save writes nothing.
    if (ANSWER == 'M' && !brought_to_form) copy_case_as_loaded(P, NTOGOQ, COPIES.IOBUF);
}

}  // namespace brevant

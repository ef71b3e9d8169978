// The semi-submersible output options page with its square-law and output-device sub-pages, and
// the notes shown by its help.
#include "options/semi_output_options.h"

#include <string>
#include <vector>

#include "records/data_image.h"
#include "sysutl/answers.h"
#include "sysutl/captions.h"
#include "sysutl/fortran_format.h"
#include "sysutl/page_loop.h"
#include "sysutl/paging.h"
#include "sysutl/pauses.h"
#include "sysutl/toggles.h"
#include "sysutl/units.h"
#include "sysutl/value_entry.h"
#include "sysutl/word_ops.h"

namespace brevant {

namespace {

constexpr int kCaptionLength = 75;

void blank_line(Int unit) { write_record(unit, ""); }

// This page's own captions of the square-law treatments, looked up by SQLFRC.
std::string semi_sqltyp(Int SQLFRC) {
    static constexpr const char* captions[3] = {
        "<<Resonant damping ONLY, no square-law driving forces>>",
        "<<Full square-law driving force calculation at all wave periods>>",
        "<<Resonant damping PLUS square-law driving forces on fixed vessel>>",
    };
    // A word outside the three treatments must not reach past the captions.
    if (SQLFRC < 0 || SQLFRC > 2) return fixed_len("Undefined", kCaptionLength);
    return fixed_len(captions[SQLFRC], kCaptionLength);
}

void write_item7(Int unit) {
    write_record(unit, Record()
                           .put("  7) Phantom weight value ...................")
                           .put("......... ")
                           .F(TPCM.TLP_TENSION, 9, 2)
                           .put(UNITP(TPCM.NUNTS).substr(0, 12))
                           .str());
}

void draw_page(std::string_view PAGE) {
    const Int unit = TPCM.EDUNIT;
    write_record(unit, Record().t(18).put(" ****  Page ").put(PAGE).put(": More output options  ****").str());
    blank_line(unit);
    blank_line(unit);
    write_record(unit, "  1) Output force/torque RAOs .................." + std::string("................ ") +
                           YESNO(TPCM.LFORCE));
    write_record(unit, "  2) Output motion RAOs ........................" + std::string("................ ") +
                           YESNO(TPCM.LMOTN));
    if (TPCM.LSPRED != 0)
        write_record(unit, "  3) Output RAOs for all spread sea angles .... " + std::string("................ ") +
                               YESNO(TPCM.ALLRAO));
    blank_line(unit);
    write_record(unit, "  4) Square-law driving force treatment:");
    blank_line(unit);
    write_record(unit, fmt_X(5) + semi_sqltyp(TPCM.SQLFRC));
    blank_line(unit);
    write_record(unit, "  5) Utilize ONLY square law driving forces ...." + std::string("................ ") +
                           YESNO(TPCM.DRAG_ONLY));
    write_record(unit, "  6) Simulate TLP mooring (\"phantom weight\") ..." + std::string("................ ") +
                           YESNO(TPCM.LPHANTOM_WGHT));
    if (TPCM.LPHANTOM_WGHT != 0) write_item7(unit);
    blank_line(unit);
    if (TPCM.IUNIT == 6) {
        write_record(unit, "  9) Output goes to Console");
    } else if (TPCM.IUNIT == 1 && TPCM.IDRIVE == 0) {
        write_record(unit, "  9) Output goes to Disk, on logged drive");
    } else if (TPCM.IUNIT == 1 && TPCM.IDRIVE > 0) {
        // Nothing here edits IDRIVE; drives are named by letter from A.
        const char drive = TPCM.IDRIVE <= 26 ? static_cast<char>('A' + TPCM.IDRIVE - 1) : '?';
        write_record(unit, std::string("  9) Output goes to Disk, on drive ") + drive);
    }
    write_record(unit, TPCM.NBUG0 != 0 ? " 10) Debug option is on" : " 10) Debug option is off");
}

// Item 9: console or disk.
void output_device_subpage() {
    for (;;) {
        const Int unit = TPCM.EDUNIT;
        CLEAR(unit);
        blank_line(unit);
        write_record(unit, " >>> Output Device Selection: <<<");
        blank_line(unit);
        write_record(unit, " 1) Console");
        write_record(unit, " 2) Disc");
        blank_line(unit);
        blank_line(unit);
        Int ITMP = 0;
        ENTSEL(ITMP, unit, KBD_UNIT, TPCM.IPAG);
        if (ITMP == NAV_HELP) {
            NOHELP(unit, KBD_UNIT, TPCM.IPAG);
            continue;
        }
        if (ITMP == 1) TPCM.IUNIT = TPCM.EDUNIT;
        if (ITMP == 2) TPCM.IUNIT = 1;
        return;
    }
}

// ---- Help screens ----------------------------------------------------------------------------

struct Topic {
    std::vector<int> items;  // the item numbers the note answers
    const char* label;       // its label on the all-topics screens
    bool plural;             // "Item Numbers" in place of "Item Number " before the label
    std::vector<const char*> text;
};

void write_title(Int unit) { write_record(unit, Record().t(22).put("****  Output Definition Notes  ****").str()); }

void write_text(Int unit, const Topic& t) {
    blank_line(unit);
    for (const char* line : t.text) write_record(unit, fmt_X(5) + line);
}

// Shows every topic, screen by screen, or the topic of one item, then pauses.
void show_help(Int IOSCRN, Int KBD, Int& LINE, const std::vector<Topic>& topics,
               const std::vector<std::vector<int>>& screens) {
    CLEAR(IOSCRN);
    write_title(IOSCRN);
    if (LINE == 0) {
        for (std::size_t s = 0; s < screens.size(); ++s) {
            if (s > 0) CLEAR(IOSCRN);
            for (int k : screens[s]) {
                const Topic& t = topics[static_cast<std::size_t>(k)];
                blank_line(IOSCRN);
                write_record(IOSCRN, std::string(t.plural ? " ++> Item Numbers " : " ++> Item Number  ") + t.label);
                write_text(IOSCRN, t);
            }
            PRSRET(IOSCRN, KBD, LINE);
        }
        return;
    }
    blank_line(IOSCRN);
    write_record(IOSCRN, " ++> Item Number  " + fmt_I(LINE, 2));
    const Topic* found = nullptr;
    for (const Topic& t : topics)
        for (int item : t.items)
            if (item == LINE) found = &t;
    if (found != nullptr) {
        write_text(IOSCRN, *found);
    } else {
        blank_line(IOSCRN);
        write_record(IOSCRN, " ++> Sorry, no help for this line...");
        blank_line(IOSCRN);
    }
    PRSRET(IOSCRN, KBD, LINE);
}

const std::vector<Topic>& page_topics() {
    static const std::vector<Topic> topics = {
        {{1, 2},
         "1, 2",
         true,
         {"Output of the motions and/or of the loads can be included in or",
          "excluded from the report, as desired."}},
        {{3},
         "3",
         false,
         {"When azimuthal spreading of the wave energy is specified, the RAO data",
          "for the intermediate angles on either side of the direction of the",
          "maximum seas can be included in or excluded from the output."}},
        {{4},
         "4",
         false,
         {"Pelmaro offers several treatments of the square-law hydrodynamic",
          "driving and damping forces on the submerged members. The details are",
          "given on this item's own page."}},
        {{5},
         "5",
         false,
         {"The wave driving force on a submerged member has three components,",
          "sorted by their phase relative to the acceleration of the undisturbed",
          "water particles: \"reactive\" (in phase), \"restorative\" (180 degrees",
          "out of phase) and \"dissipative\" (90 degrees out of phase). For",
          "semi-submersibles the dissipative part is dominated by square-law",
          "drag. This flag isolates the cumulative vessel-wide dissipative",
          "contributions to the net driving forces. It is a specialised feature,",
          "used mainly by Velmora for debugging the square-law model."}},
        {{6, 7},
         "6,7",
         false,
         {"The phantom weight lets the RAO computation approximate a moored",
          "structure. It is meant for use beside a comprehensive simulation of a",
          "semi-submersible-type structure (such as Zelfor, Lomiras or Baskero),",
          "which is limited to one environment per run. Pelmaro cannot estimate",
          "the effect of moorings and risers on the RAOs: the phantom weight is",
          "no substitute for a complete simulation and needs engineering",
          "judgement.",
          "Recipe: pick a comprehensive run whose mean offset state (net mooring",
          "force, mean pull-down, mean trim and heel) suits. Copy the mass",
          "properties, the hydrostatics and all natural periods of its summary",
          "table labelled",
          "\"******   I.  PHYSICAL CHARACTERISTICS SUMMARY (AS ESTIMATED)  *****\"",
          "into this model's input (\"hardwired\"). Set the phantom weight equal,",
          "except for its sign, to the net mean vertical mooring/riser load",
          "(\"VFz+\") of that run. The phantom weight is normally positive, but",
          "need not be. The mean trim and heel may also be set, though that is",
          "rarely worth it, and the same forward speed may be used."}},
        {{10},
         "10",
         false,
         {"With the debug option \"on\" a stream of debugging information goes to",
          "the screen during the execution; it is useful in telephone support",
          "discussions with Velmora."}},
    };
    return topics;
}

const std::vector<Topic>& square_law_topics() {
    static const std::vector<Topic> topics = {
        {{1},
         "1",
         false,
         {"Resonant damping only: the square-law wave forces on the submerged",
          "members are ignored altogether. The damping near resonance comes from",
          "an approximate nonlinear procedure that gives quasi-linear damping",
          "coefficients; they are applied at all wave periods, but they matter",
          "only very near resonance, because the motions are lightly damped.",
          "Alternatively, \"hardwired\" linear damping can be given instead. The",
          "turnaround is quick: use it for preliminary debugging of new data",
          "files and for quick looks."}},
        {{2},
         "2",
         false,
         {"Full square-law calculation: the most comprehensive and formally exact",
          "treatment. Square-law forces act on all submerged members and the",
          "response is found by a fully nonlinear calculation, iterated at every",
          "wave period, so run times are long. The quasi-linear damping",
          "coefficients reported then only characterise the height of the RAO",
          "near resonance, and the RAOs depend on the input wave amplitudes. A",
          "user-specified linear damping (useful for TLPs) is added to the",
          "square-law contribution."}},
        {{3},
         "3",
         false,
         {"Resonant damping plus square-law forces on the fixed vessel: the",
          "square-law forces are approximated at each regular wave period without",
          "iteration, with the vessel held fixed in space for the square-law",
          "forces only. The damping at resonance comes from the approximate",
          "quasi-linear procedure, applied at all periods. Run times are much",
          "shorter, and the results are normally comparable to those of the full",
          "square-law calculation."}},
    };
    return topics;
}

}  // namespace

// The options sub-page: one choice (or a command) and back to the page; help and redraw stay here.
void square_law_choice(const CaptionFunction& caption) {
    for (;;) {
        const Int unit = TPCM.EDUNIT;
        CLEAR(unit);
        blank_line(unit);
        write_record(unit, " +++ Square-Law Driving Force Treatment Options +++");
        blank_line(unit);
        for (Int k = 1; k <= 3; ++k) {
            write_record(unit, Record().put(" ").I(k, 1).put(") ").put(caption(k - 1)).str());
            blank_line(unit);
        }
        Int ITMP = 0;
        ENTSEL(ITMP, unit, KBD_UNIT, TPCM.IPAG);
        if (ITMP == NAV_HELP) {
            SMO3HP(unit, KBD_UNIT, TPCM.IPAG);
            continue;
        }
        if (ITMP == NAV_REDRAW) continue;
        MAXCHK(ITMP, 3);
        if (ITMP != 0) TPCM.SQLFRC = ITMP - 1;
        return;
    }
}

void SMO2HP(Int IOSCRN, Int KBD, Int& LINE) {
    show_help(IOSCRN, KBD, LINE, page_topics(), {{0, 1, 2}, {3}, {4}, {5}});
}

void SMO3HP(Int IOSCRN, Int KBD, Int& LINE) {
    show_help(IOSCRN, KBD, LINE, square_law_topics(), {{0}, {1}, {2}});
}

void SEMOT2(std::string_view PAGE) {
    PageParts parts;
    parts.draw = [&](Int) { draw_page(PAGE); };
    parts.help = [](Int unit) { SMO2HP(unit, KBD_UNIT, TPCM.IPAG); };
    parts.act = [](Int sel, Int unit) {
        if (sel > 10) return PageStep::Leave;
        switch (sel) {
            case 1: {
                Int ITEMP = TPCM.LFORCE;
                TOGGLE2(ITEMP, TPCM.IBATCH, unit, KBD_UNIT);
                TPCM.LFORCE = ITEMP;
                break;
            }
            case 2: {
                Int ITEMP = TPCM.LMOTN;
                TOGGLE2(ITEMP, TPCM.IBATCH, unit, KBD_UNIT);
                TPCM.LMOTN = ITEMP;
                break;
            }
            case 3:
                TOGGLE2(TPCM.ALLRAO, TPCM.IBATCH, unit, KBD_UNIT);
                break;
            case 4:
                square_law_choice(semi_sqltyp);
                break;
            case 5:
                TOGGLE2(TPCM.DRAG_ONLY, TPCM.IBATCH, unit, KBD_UNIT);
                break;
            case 6:
                TOGGLE2(TPCM.LPHANTOM_WGHT, TPCM.IBATCH, unit, KBD_UNIT);
                break;
            case 7:
                write_item7(unit);
                ENTERF(TPCM.TLP_TENSION, unit, KBD_UNIT);
                break;
            case 9:
                output_device_subpage();
                break;
            case 10:
                TOGGLE3(TPCM.NBUG0, TPCM.IBATCH, unit, KBD_UNIT, "On", "Off");
                break;
            default:  // 8: no such item, the page is drawn again
                break;
        }
        return PageStep::Stay;
    };
    run_page({TPCM.EDUNIT, TPCM.LCOPY, TPCM.LBACK, TPCM.IPAG, TPCM.IBATCH}, parts);
}

}  // namespace brevant

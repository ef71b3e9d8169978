// The hull dispatch: which hull model a case runs (ship, jack-up, member-built hull, disc buoy or
// none) and the table of their entry points through which motion phase 1, the RAO refresh and
// motion phase 2 reach them. The analysis run's set-up installs the real hulls; tests install
// recording doubles. The motion library itself never names a hull routine.
#pragma once

#include <functional>

#include "sysutl/ftypes.h"

namespace brevant {

// The five entry points every hull model offers. None takes arguments except the force routine's
// pass code NPASS2 (0 the resonance pass that fixes the damping, 5 the forces of the current
// relative heading at every period).
struct HullEntryPoints {
    std::function<void()> CHR;          // characteristics: the particulars of HIMEM, WP, WR, WH among them
    std::function<void(Int&)> FRC;      // exciting forces into the six RAO arrays of the pool
    std::function<void()> RAO;          // the forces replaced in place by the motion RAOs
    std::function<void()> SUM;          // summary page (page I) on the report unit TPCM.IUNIT
    std::function<void()> OUT;          // output page (page II) on the report unit
};

struct HullTable {
    HullEntryPoints ship;          // SHPCHR, SHPFRC, SHPRAO, SHPSUM, SHPOUT
    HullEntryPoints jackup;        // JCKCHR ... JCKOUT
    HullEntryPoints member_built;  // SEMCHR ... SEMOUT (semi-submersible, TLP)
    HullEntryPoints disc_buoy;     // DSKCHR ... DSKOUT
    // True when the entry points' RAOs depend only on the records they read and on what earlier hull
    // runs left in the motion record (no state of their own that changes a result): then a caller may
    // keep a solve and take it again for the same inputs. False for doubles that count their calls.
    bool repeatable = false;
};

enum class HullModel { None, Ship, JackUp, MemberBuilt, DiscBuoy };

// Installs the table the dispatch calls through (replacing the one installed before).
void install_hull_table(const HullTable& table);
// Removes every entry point (the start state; a dispatch to a hull then is a programming error).
void clear_hull_table();

// The dispatch rule, first match wins: VESTYP 1 ship, VESTYP 2 jack-up, SEMI_LIKE set member-built
// hull, VESTYP 4 disc buoy, else none.
HullModel selected_hull();

// The entry points of the selected hull; nothing happens when the case has no hull model. A hull
// that is selected but has no installed entry point throws std::logic_error: a run set up without
// its hulls must not pass for one without a hull.
void hull_characteristics();
void hull_forces(Int& NPASS2);
void hull_raos();
void hull_summary();
void hull_output();

// A count that moves on with every call of the characteristics, force and RAO entry points and with
// every change of the installed table: a caller that keeps a hull result can tell whether the hull
// has run (and rewritten what it leaves in the records) since.
unsigned long long hull_run_count();
// The installed table's `repeatable`.
bool hull_solves_repeatable();

}  // namespace brevant

// The table of the real hull entry points.
#include "vessels/hull_table.h"

#include "vessels/disc/disc_buoy_hull.h"
#include "vessels/jackup/jackup_hull.h"
#include "vessels/semi/member_built_hull.h"
#include "vessels/ship/ship_hull.h"

namespace brevant {

HullTable real_hull_table() {
    HullTable t;
    t.ship = {SHPCHR, SHPFRC, SHPRAO, SHPSUM, SHPOUT};
    t.jackup = {JCKCHR, JCKFRC, JCKRAO, JCKSUM, JCKOUT};
    t.member_built = {SEMCHR, SEMFRC, SEMRAO, SEMSUM, SEMOUT};
    t.disc_buoy = {DSKCHR, DSKFRC, DSKRAO, DSKSUM, DSKOUT};
    // Their RAOs follow from the records alone: the one flag the ship hull keeps (FRSTIM) only
    // stops a repeated warning, and a solve that talks to the console is never kept.
    t.repeatable = true;
    return t;
}

}  // namespace brevant

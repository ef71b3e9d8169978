// Imports of files from other simulation types: what this program needs that the creator did not
// store, the default mooring and member tables of the mooring types, and the update entries of the
// other types, which are inoperative here.
#include "edlib/data_import.h"

#include <algorithm>

#include "options/output_selection.h"
#include "records/data_image.h"
#include "sysutl/option_words.h"
#include "sysutl/pauses.h"
#include "sysutl/units.h"

namespace brevant {

void BRVIMPORT(Int /*CREATR*/) {
    TPCM.NUMBRV = 37;
    TPCM.LANGARR = 0;
    TPCM.BRVINC = 10.0f;
    // The net moments-and-loads tables of the second output-options page.
    BITSET(TPCM.BRVFLG, kBitNetLoadTables, 1, TPCM.EDUNIT);
    // The types that carry a SALM keep its arm where this program keeps the moment arm.
    const Int SIMTYP = TPCM.SIMTYP;
    if (SIMTYP == 15 || SIMTYP == 13 || SIMTYP == 10) TPCM.BRVARM = TPCM.XSALM;
}

void CATIMPORT(Int /*CREATR*/) {}

void MRINIT(char ANSWER, Int CREATP) {
    TPCM.NEWFLG = 0;
    TPCM.MAXSHG() = 1;
    TPCM.MAXSHT() = 1;
    TPCM.MAXANG = 36;
    TPCM.MAXDIR = 1;
    TPCM.MAXELM = 25;
    TPCM.IPLOTS = 0;

    if (CREATP == 10) {
        TPCM.ISPM = 3;
        TPCM.MAXDYN = 1;
        TPCM.MAXLIN = 1;
        TPCM.MAXTYP = 1;
        TPCM.NDYNEV = 1;
        TPCM.IDYNEV(1) = 1;
        TPCM.NTYP = 1;
        TPCM.NLINE(1) = 1;
        TPCM.NLIN = 1;
        TPCM.LIN_DUM(1) = 1;
    } else {
        TPCM.MAXDYN = 149;
        TPCM.MAXLIN = 149;
        TPCM.MAXTYP = 149;
        TPCM.MAXCYL = 50;
        TPCM.MAXPOD = 16;
        TPCM.MAXEND = 100;
        TPCM.MAXMEM = 50;
        if (CREATP != 8) {
            TPCM.LRESET = 1;
            switch (CREATP) {
                case 12: TPCM.ISPM = 4; break;
                case 13: TPCM.ISPM = 7; break;
                case 14:
                    TPCM.ISPM = 6;
                    TPCM.VESTYP = 5;
                    break;
                case 15: TPCM.ISPM = 5; break;
                case 17:
                    TPCM.ISPM = 8;
                    TPCM.VESTYP = 6;
                    break;
                default: break;
            }
        }
    }

    if (ANSWER != 'C') return;

    if (CREATP == 10 || CREATP == 13) {
        TPCM.MOORTP = 0;
    } else {
        TPCM.MOORTP = 1;
        // This program keeps its hull members in its own file: a member table that came with the
        // imported file is the case itself, and only a file without members gets the defaults.
        const bool keep_members = CREATP == 16 && TPCM.NCYL > 0;
        if (!keep_members) {
            TPCM.CCOFDX = 1.0f;
            TPCM.CCOFDY = 1.0f;
            TPCM.CCOFDZ = 1.0f;
            TPCM.NCYL = 1;
            // MAXCYL comes from the file for type 10 and 13 only, which do not get here; the bound
            // still keeps to the 50 members the table holds.
            const Int members = std::clamp<Int>(TPCM.MAXCYL, 0, 50);
            for (Int ICYL = 1; ICYL <= members; ++ICYL) {
                for (Int K = 1; K <= 3; ++K) {
                    TPCM.CYLCM(K, ICYL) = 1.0f;
                    TPCM.CYLCMI(K, ICYL) = 1.0f;
                    TPCM.CYLCD(K, ICYL) = 1.0f;
                    TPCM.CYLCDI(K, ICYL) = 1.0f;
                }
            }
        }
    }

    TPCM.NTYP = 1;
    TPCM.NLIN = 1;
    TPCM.HAWSTP = 1;
    TPCM.HAWSLN = 1;
    TPCM.NLAYER = 1;
    TPCM.IDYNEV(1) = 1;
    TPCM.COFMAS = 1.0f;
    TPCM.COFDMP = 1.0f;
    TPCM.NDYNEV = 1;
    TPCM.NTAB = 90;
    TPCM.WLFLAG = 0;
    TPCM.LBOUND = 1;
    TPCM.STAMOT = 1;
    TPCM.LRESET = 1;
    TPCM.LEQCND = 1;
    TPCM.LOWMOT = 1;

    // The limits were set above: at most 150 lines and line types of 25 components.
    const Int MAXLIN = std::clamp<Int>(TPCM.MAXLIN, 0, 150);
    const Int MAXTYP = std::clamp<Int>(TPCM.MAXTYP, 0, 150);
    const Int MAXELM = std::clamp<Int>(TPCM.MAXELM, 0, 25);
    for (Int LINE = 1; LINE <= MAXLIN; ++LINE) TPCM.LIN_DUM(LINE) = LINE;
    for (Int ITYP = 1; ITYP <= MAXTYP; ++ITYP) {
        TPCM.NELEM(ITYP) = 1;
        TPCM.NLINE(ITYP) = 1;
        TPCM.ANCTYP(ITYP) = CREATP == 10 ? 0 : 1;
        for (Int IELEM = 1; IELEM <= MAXELM; ++IELEM) {
            TPCM.SCOMP(IELEM, ITYP).assign("");
            TPCM.COFMST(IELEM, ITYP) = 1.0f;
            TPCM.COFDMT(IELEM, ITYP) = 1.0f;
        }
    }
}

namespace {

// Every update entry of another type: it tells the user, waits for Return and ends the program;
// nothing is saved.
[[noreturn]] void inoperative_update() {
    write_record(SCREEN_UNIT, " ++> You are in an inoperative ???UPD file!");
    write_record(SCREEN_UNIT, "     Press <Return> to quit");
    quit_after_return(SCREEN_UNIT);
}

}  // namespace

void SHPUPD(Real, Int&) { inoperative_update(); }
void JCKUPD(Real, Int&) { inoperative_update(); }
void SEMUPD(Real, Int&) { inoperative_update(); }
void DSCUPD(Real, Int&) { inoperative_update(); }
void STMUPD(Real, Int&) { inoperative_update(); }
void CATUPD(Real, Int&) { inoperative_update(); }
void TOWUPD(Real, Int&) { inoperative_update(); }
void SLMUPD(Real, Int&) { inoperative_update(); }
void MORUPD(Real, Int&) { inoperative_update(); }
void CLMUPD(Real, Int&) { inoperative_update(); }
void SPMUPD(Real, Int&) { inoperative_update(); }
void SPRUPD(Real, Int&) { inoperative_update(); }
void TLPUPD(Real, Int&) { inoperative_update(); }

}  // namespace brevant

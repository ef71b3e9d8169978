// Loading data files written by the other simulation types of the family.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Brings the common parts of a file made by another type into this program's form.
void BRVIMPORT(Int CREATR);
// The import entry of the catenary type: nothing to do in this program.
void CATIMPORT(Int CREATR);
// Default mooring and member tables for a mooring-type running program.
void MRINIT(char ANSWER, Int CREATP);

// Update entries of the other running types: inoperative in this program, each tells the user,
// waits for Return and ends the program.
void SHPUPD(Real DATVER, Int& IFATAL);
void JCKUPD(Real DATVER, Int& IFATAL);
void SEMUPD(Real DATVER, Int& IFATAL);
void DSCUPD(Real DATVER, Int& IFATAL);
void STMUPD(Real DATVER, Int& IFATAL);
void CATUPD(Real DATVER, Int& IFATAL);
void TOWUPD(Real DATVER, Int& IFATAL);
void SLMUPD(Real DATVER, Int& IFATAL);
void MORUPD(Real DATVER, Int& IFATAL);
void CLMUPD(Real DATVER, Int& IFATAL);
void SPMUPD(Real DATVER, Int& IFATAL);
void SPRUPD(Real DATVER, Int& IFATAL);
void TLPUPD(Real DATVER, Int& IFATAL);

}  // namespace brevant

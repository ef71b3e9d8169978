// Imports of files from other simulation types.
#include "edlib/data_import.h"

namespace brevant {

// PENDING: the import of other types' files is built with the updater; the image stays as read.
void BRVIMPORT(Int /*CREATR*/) {}
void CATIMPORT(Int /*CREATR*/) {}
// PENDING: the default mooring and member tables are built with the importer.
void MRINIT(char /*ANSWER*/, Int /*CREATP*/) {}

// PENDING: the update stubs of the other types and their message are built with the importer.
void SHPUPD(Real, Int&) {}
void JCKUPD(Real, Int&) {}
void SEMUPD(Real, Int&) {}
void DSCUPD(Real, Int&) {}
void STMUPD(Real, Int&) {}
void CATUPD(Real, Int&) {}
void TOWUPD(Real, Int&) {}
void SLMUPD(Real, Int&) {}
void MORUPD(Real, Int&) {}
void CLMUPD(Real, Int&) {}
void SPMUPD(Real, Int&) {}
void SPRUPD(Real, Int&) {}
void TLPUPD(Real, Int&) {}

}  // namespace brevant

// Version updates of the data image.
#include "edlib/data_update.h"

namespace brevant {

// PENDING: the version steps are built with the updater; until then the image stays as read.
void BRVUPD(Real /*APPVR*/, Int& ISRVFG) { ISRVFG = 0; }

// PENDING: the 149-line resize is built with the updater.
void UPDATE_TO_149(Real /*DATVER*/, Int /*SIZ_DAT*/, Int /*Ntop*/, Int /*Nbottom*/) {}

}  // namespace brevant

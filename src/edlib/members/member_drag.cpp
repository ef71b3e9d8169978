// Default square-law drag coefficients of one member of a member-built hull.
#include "edlib/members/member_drag.h"

#include "records/data_image.h"
#include "edlib/members/member_table.h"

namespace brevant {

void DGCALC(Int ICYL) {
    if (!member_has_storage(ICYL)) return;
    Tpcm& t = TPCM;
    const Int WALWAL = (t.BOTTYP(ICYL) == END_FREE || t.TOPTYP(ICYL) == END_FREE) ? 0 : 1;
    t.CYLCD(1, ICYL) = 1.0f;
    t.CYLCD(2, ICYL) = 1.0f;
    t.CYLCDI(1, ICYL) = 1.0f;
    t.CYLCDI(2, ICYL) = 1.0f;
    t.CYLCDI(3, ICYL) = 0.0f;
    t.CYLCD(3, ICYL) = WALWAL == 1 ? 0.0f : 1.0f;
}

}  // namespace brevant

// Drift force integration: coefficient times spectrum, integrated for the mean force or passed
// through the group-envelope integral for the slowly-varying variance.
#include "lowlib/drift_forces.h"

#include <algorithm>
#include <cmath>

#include "lowlib/drift_coefficients.h"
#include "lowlib/group_variance.h"
#include "lowlib/user_drift_table.h"
#include "numeric/grid_integrals.h"
#include "records/data_image.h"
#include "records/wave_record.h"
#include "sysutl/fortran_format.h"
#include "sysutl/option_words.h"
#include "sysutl/units.h"

namespace brevant {

FixedText<13> drift_file_name(Int SIMTYP, Int ISPM) {
    if (SIMTYP == 13 && ISPM == 2) return FixedText<13>("BUOYDRFT.txt");
    if (SIMTYP == 13 && ISPM == 3) return FixedText<13>("TANKDRFT.txt");
    if (SIMTYP == 10 && ISPM == 2) return FixedText<13>("TUGDRFT.txt");
    if (SIMTYP == 10 && ISPM == 3) return FixedText<13>("BARGDRFT.txt");
    return FixedText<13>(kDriftCoefficientFile);
}

Real DRIFTF(Int LVARST, Int LCOMP, Real RELANG, const Real* PSD, Real& WC, Logical /*LSPREAD*/, Int IWAVID) {
    const Int DRFTYP = NIBVAL(TPCM.LWVCOF, LCOMP, TPCM.EDUNIT);
    const Int DOUSER = DRFTYP == 1 ? 1 : 0;
    const FixedText<13> USERDAT = DOUSER ? drift_file_name(TPCM.SIMTYP, TPCM.ISPM) : FixedText<13>();

    Real TPSD[100] = {};
    // No grid point: nothing to weight, and no entry 0 is read.
    const Int NWP = std::min<Int>(TPCM.NWP, 100);
    Real C[100] = {};
    drift_coefficient_series(LCOMP, DOUSER, DRFTYP, USERDAT.view(), RELANG, "DRIFTF", IWAVID, NWP, C);
    for (Int IW = 1; IW <= NWP; ++IW) TPSD[IW - 1] = PSD[IW - 1] * C[IW - 1];

    if (LVARST == 0) {
        Real VAR = 0.0f;
        Real VARDOT = 0.0f;
        SMPINT(TPSD, VAR, VARDOT);
        return VAR;
    }
    Real GVAR = 0.0f;
    Real GVARDOT = 0.0f;
    Real VGPSD2 = 0.0f;
    Real VDGPSD2 = 0.0f;
    GET_GVAR(WC, WAVCOM.W.data(), TPCM.NWP, TPSD, GVAR, GVARDOT, VGPSD2, VDGPSD2);
    if (TPCM.NBUG != 0) write_record(TPCM.EDUNIT, " GVAR =" + fmt_F(GVAR, 10, 4));
    return std::fabs(GVAR);
}

}  // namespace brevant

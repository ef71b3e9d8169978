// Group-envelope integrals of one spectrum and of two, over the wave grid.
#include "lowlib/group_variance.h"

#include <algorithm>
#include <cmath>

#include "numeric/grid_integrals.h"
#include "numeric/table_search.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

// A negative difference frequency: a notice and, where somebody can answer, a key; then its
// magnitude, in the caller's variable.
void make_positive(Real& DELTAW) {
    if (!(DELTAW < 0.0f)) return;
    const Int unit = TPCM.EDUNIT;
    write_record(unit, " Negative DELTAW in GET_GVAR, using ABS[DELTAW]; press c + <Return> to continue");
    if (unit != SILENT_UNIT) {
        char ANSWER = ' ';
        READCP(ANSWER);
    }
    DELTAW = -DELTAW;
}

// The spectrum PSD at the frequency WQ: straight lines between the grid points, 0 off the grid
// (and on a grid of fewer than two points, which has no interval).
Real spectrum_at(const Real* W, Int NWP, const Real* PSD, Real WQ) {
    if (NWP < 2 || !(WQ >= W[NWP - 1] && WQ <= W[0])) return 0.0f;
    Int IER = 0;
    Int MIN = 1;
    BSRCH(W, WQ, IER, MIN, NWP);
    Real value = 0.0f;
    INTERP(W, PSD, WQ, value, MIN);
    return value;
}

}  // namespace

void GET_GVAR(Real& DELTAW, const Real* W, Int NWP, const Real* PSDIN, Real& GVAR, Real& GVARDOT, Real& VGPSD2,
              Real& VDGPSD2) {
    VGPSD2 = 0.0f;
    VDGPSD2 = 0.0f;
    Real GPSD[100] = {};
    make_positive(DELTAW);
    const Real XC = 0.5f * DELTAW;
    const Int n = std::clamp<Int>(NWP, 0, 100);
    for (Int IW = 1; IW <= n; ++IW) {
        const Real WP = W[IW - 1] + XC;
        const Real WM = std::fabs(W[IW - 1] - XC);
        const Real DUMP = spectrum_at(W, n, PSDIN, WP);
        const Real DUMM = spectrum_at(W, n, PSDIN, WM);
        GPSD[IW - 1] = DUMM * DUMP;
    }
    SMPINT(GPSD, GVAR, GVARDOT);
}

void GET_GVAR2(Real& DELTAW, const Real* W, Int NWP, const Real* PSD1, const Real* PSD2, Real& GVAR, Real& GVARDOT) {
    Real GPSD[100] = {};
    make_positive(DELTAW);
    const Real XC = 0.5f * DELTAW;
    const Int n = std::clamp<Int>(NWP, 0, 100);
    for (Int IW = 1; IW <= n; ++IW) {
        const Real WP = W[IW - 1] + XC;
        const Real WM = std::fabs(W[IW - 1] - XC);
        const Real DUMP1 = spectrum_at(W, n, PSD1, WP);
        const Real DUMP2 = spectrum_at(W, n, PSD2, WP);
        const Real DUMM1 = spectrum_at(W, n, PSD1, WM);
        const Real DUMM2 = spectrum_at(W, n, PSD2, WM);
        GPSD[IW - 1] = 0.5f * (DUMP1 * DUMM2 + DUMP2 * DUMM1);
    }
    SMPINT(GPSD, GVAR, GVARDOT);
}

}  // namespace brevant

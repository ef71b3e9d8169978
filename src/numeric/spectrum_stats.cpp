// Peak, half-power points and the statistics of a response spectrum.
#include "numeric/spectrum_stats.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "numeric/grid_integrals.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "sysutl/program_end.h"
#include "sysutl/two_pi.h"
#include "sysutl/units.h"

namespace brevant {

void PSDPEK(const Real* PSD, const Real* W, Real& PSDPK, Real& TPEAK, Int& IFIRST, Int& ILAST, Logical GETHALF,
            Int& IHALFP, Int& IHALFM) {
    const Int NWP = std::clamp<Int>(TPCM.NWP, 0, 100);
    auto psd = [PSD](Int i) { return std::fabs(PSD[i - 1]); };
    auto w = [W](Int i) { return W[i - 1]; };
    PSDPK = 0.0f;
    IFIRST = 0;
    ILAST = 0;
    for (Int IW = 1; IW <= NWP; ++IW) {
        const Real TMPVAR = psd(IW);
        if (TMPVAR > PSDPK) {
            IFIRST = IW;
            ILAST = IW;
            PSDPK = TMPVAR;
        } else if (TMPVAR == PSDPK) {
            ILAST = IW;
        }
    }
    IHALFP = 0;
    IHALFM = 0;
    if (IFIRST == 0) {
        // No nonzero value: no peak point to take a period from, so no period and no indices.
        ILAST = 0;
        TPEAK = 0.0f;
        return;
    }
    TPEAK = kTwoPi / (w(IFIRST) - (w(IFIRST) - w(ILAST)) * 0.5f);
    if (GETHALF == 0) return;
    for (Int IP = IFIRST; IP <= NWP; ++IP) {
        const Int IM = std::max(2 * IFIRST - IP, 1);
        if (psd(IP) < 0.5f * PSDPK && IHALFP == 0) IHALFP = IP;
        if (psd(IM) < 0.5f * PSDPK && IHALFM == 0) IHALFM = IM;
    }
}

void SPCPROCES(const Real* PSD, const Real* W, Real& RMS, Real& RMSDOT, Real& BNDWDTH, Real& TPEAK) {
    Real VAR = 0.0f;
    Real VARDOT = 0.0f;
    SMPINT(PSD, VAR, VARDOT);
    RMS = std::sqrt(VAR);
    RMSDOT = std::sqrt(VARDOT);
    Real PSDPK = 0.0f;
    Int IFIRST = 0;
    Int ILAST = 0;
    Int IHALFP = 0;
    Int IHALFM = 0;
    PSDPEK(PSD, W, PSDPK, TPEAK, IFIRST, ILAST, 1, IHALFP, IHALFM);
    const Int IDELTA = std::abs(IHALFM - IHALFP);
    if (IDELTA >= 3 && IHALFP != 0 && IHALFM != 0) {
        BNDWDTH = std::fabs(W[IHALFM - 1] - W[IHALFP - 1]);
        Real TESTIT = VAR / PSDPK;
        if (TESTIT < BNDWDTH) BNDWDTH = TESTIT;
        TESTIT = kTwoPi * std::sqrt(VAR / VARDOT);
        if (TESTIT < TPEAK) TPEAK = TESTIT;
    } else if (IDELTA >= 1) {
        // Half-power points close together, or one of them beyond the grid (no frequency to
        // take): the equivalent rectangular width.
        BNDWDTH = VAR / PSDPK;
    } else {
        BNDWDTH = 0.0f;
    }
    const Real VARP = BNDWDTH * PSDPK;
    const Real TESTIT = 1.0f - VARP / VAR;
    if (std::fabs(TESTIT) > 1.0f) {
        // A silent run's message goes to its file, where nobody can answer: it goes on as "c" would.
        const Int console = console_unit(TPCM.EDUNIT);
        write_record(console, " ++> Variance overflow in SPCPROCES;");
        write_record(console, "     press \"q\" to quit or \"c\" to continue");
        char CDUM = ' ';
        if (console != SILENT_UNIT) READCP(CDUM);
        if (CDUM == 'Q' || CDUM == 'q') stop_program(1);
    }
    BNDWDTH = BNDWDTH / kTwoPi;
}

}  // namespace brevant

// Elastic and catenary stiffness of a mooring line.
#include "mooring/morlib/line_stiffness.h"

#include <cmath>
#include <string_view>

#include "mooring/catlib/element_functions.h"
#include "records/data_image.h"
#include "records/wave_record.h"
#include "sysutl/fortran_format.h"
#include "sysutl/pauses.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

// Kept for the whole run: the warnings already given, per line type.
struct KelastState {
    Int FIRSTM = 0;
    FArray<Int, 150> EAWARN{};
    FArray<Int, 150> WTWARN{};
};
KelastState kelast_state;

// One warning of KELAST: FIRST (the text that runs on into "encountered"), the element, the two
// closing lines; then the abort question, "A" ending the program.
void warn(std::string_view first, Int ITYP, Int IELEM, std::string_view third, std::string_view fourth) {
    const Int EDUNIT = TPCM.EDUNIT;
    write_record(EDUNIT, "");
    Record head;
    head.put(first).put("encountered");
    write_record(EDUNIT, head.str());
    Record where;
    where.put("              in line (type,element) = (").I(ITYP, 2).put(",").I(IELEM, 2).put(").");
    write_record(EDUNIT, where.str());
    write_record(EDUNIT, third);
    write_record(EDUNIT, fourth);
    write_record(EDUNIT, "");
    TPCM.LBACK = 0;
    ABORT0(EDUNIT, KBD_UNIT, TPCM.LBACK);
    if (TPCM.LBACK == -1) stop_program(1);
}

}  // namespace

void reset_kelast() { kelast_state = KelastState{}; }

void KELAST(Real& KELAS, Int ITYP, WaveNumbers& WAVEK, Real WFREQ, Real TPTEN0) {
    KelastState& S = kelast_state;
    if (S.FIRSTM == 0) {
        S.FIRSTM = 1;
        S.EAWARN = {};
        S.WTWARN = {};
    }

    const AlphaBlock ALPHA = alpha_block(TPCM.ALPHA, ITYP);
    const Real G = WAVCOM.G;
    bool slope_warned = false;
    bool weight_warned = false;
    KELAS = 0.0f;
    const Int N = TPCM.NELEM(ITYP) > 0 ? element_count(TPCM.NELEM(ITYP)) : 0;
    for (Int IELEM = 1; IELEM <= N; ++IELEM) {
        TPCM.COFMAS = TPCM.COFMST(IELEM, ITYP);

        Real TMPEAI = EAINV(ALPHA, TPTEN0, IELEM);
        if (!(TMPEAI >= 0.0f)) {
            if (S.EAWARN(ITYP) == 0) {
                warn(" ++> Warning: A negative stress-strain curve slope was ", ITYP, IELEM,
                     "              The slope value will be replaced by infinity",
                     "              (inextensible line) if you choose to continue");
                slope_warned = true;
            }
            TMPEAI = 0.0f;
        }
        KELAS = KELAS + TPCM.SLEN(IELEM, ITYP) * TMPEAI;

        // Mass per unit length that the wave moves: the dry weight, or the wet weight plus the added
        // mass of the displaced water (diameter in millimetres or inches).
        Real TMPWT = TPCM.DRYWT(IELEM, ITYP);
        if (!(TMPWT > 0.0f)) {
            const Real DIAM = TPCM.DIAM(IELEM, ITYP);
            TMPWT = 0.00078539824f * (DIAM * DIAM) * TPCM.DWATR * TPCM.COFMAS;
            if (TPCM.NUNTS != 0)
                TMPWT = TMPWT * 1e-6f;
            else
                TMPWT = TMPWT / 144.0f;
            TMPWT = TMPWT + TPCM.WETWT(IELEM, ITYP);
            if (!(TMPWT >= 0.0f)) {
                TMPWT = 0.0f;
                if (TMPEAI != 0.0f && S.WTWARN(ITYP) == 0) {
                    warn(" ++> Warning: A negative dry segment weight was ", ITYP, IELEM,
                         "              The weight value will be replaced by zero",
                         "              (weightless line) if you choose to continue");
                    weight_warned = true;
                }
            }
        }
        WAVEK(IELEM) = WFREQ * std::sqrt(TMPEAI * TMPWT / G);
    }
    if (slope_warned) S.EAWARN(ITYP) = 1;
    if (weight_warned) S.WTWARN(ITYP) = 1;
    KELAS = KELAS > 0.0f ? 1.0f / KELAS : 1e28f;
}

void KCATN(Real& KCAT, Real KELAS, Real& KSTAT, Complex CAFLD, Complex CABOT, Real DTFDAF, Real DTBDAB) {
    const Real RELAMP = std::abs(CAFLD - CABOT);
    KSTAT = RELAMP > 0.0f ? std::abs(DTFDAF * CAFLD + DTBDAB * CABOT) / RELAMP : DTFDAF;
    // A slack line (no static stiffness) or one without elastic stiffness has no catenary stiffness
    // in series: the limit of the formula below, 0, without dividing by zero.
    if (KSTAT == 0.0f || KELAS == 0.0f) {
        KCAT = 0.0f;
        return;
    }
    KCAT = 1.0f / KSTAT - 1.0f / KELAS;
    KCAT = KCAT > 0.0f ? 1.0f / KCAT : 1e5f * KELAS;
}

}  // namespace brevant

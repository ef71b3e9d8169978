// Load-coefficient preparation of an analysis run.
#include "lowlib/drift_preparation.h"

#include <cmath>

#include "lowlib/load_constants.h"
#include "numeric/member_added_mass.h"
#include "records/data_image.h"
#include "records/equilibrium_record.h"
#include "records/sines_record.h"
#include "records/wave_record.h"
#include "sysutl/option_words.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

// The ellipsoid integral's once-only warning: kept for the whole run, so that the second hull
// direction and every later preparation of the run stay quiet once it has been given.
Logical ONEWRN = 0;

// The wedge of one hull end from its entrance factor: sine, half-angle and cotangent. From
// 2.77777 on the end is blunt (0.36 times it is just below 1, so the sine never passes 1).
void wedge(Real factor, Real& sine, Real& angle, Real& cotangent) {
    if (factor >= 2.77777f) {
        sine = 1.0f;
        angle = 1.5707964f;
        cotangent = 0.0f;
    } else {
        sine = std::sqrt(0.36f * factor);
        angle = std::asin(sine);
        cotangent = 1.0f / std::tan(angle);
    }
}

// Magnitude and direction of one external force; the direction of a zero force stays as it was.
void external_force(Int on, Real x, Real y, Real& magnitude, Real& direction) {
    if (on != 1) {
        magnitude = 0.0f;
        direction = 0.0f;
        return;
    }
    magnitude = std::sqrt(x * x + y * y);
    if (magnitude != 0.0f) direction = std::atan2(y, x);
}

}  // namespace

void reset_cfprep() { ONEWRN = 0; }

void CFPREP() {
    Tpcm& T = TPCM;
    Equilb& E = EQUILB;

    E.YAWARM = T.XSALM;

    const Real TMPDWT = T.DWTONS * (T.NUNTS == 0 ? 0.000446429f : 0.000984207f);
    if (TMPDWT >= 140.0f) {
        T.SIZE = 1.0f;
    } else if (TMPDWT > 80.0f) {
        T.SIZE = (TMPDWT - 80.0f) / 60.0f;
    } else {
        T.SIZE = 0.0f;
    }

    const Real ratio = T.LWL / T.BWL;
    Real ABRAT2 = ratio * ratio;
    Real ACRAT2 = ABRAT2;
    Real ELPSCF = 0.0f;
    ELPCOF(ABRAT2, ACRAT2, 0, 1, ELPSCF, T.EDUNIT, KBD_UNIT, ONEWRN, 0);
    T.MUNKFAC1 = 1.0f + ELPSCF / (2.0f - ELPSCF);
    ABRAT2 = 1.0f / ABRAT2;
    ACRAT2 = 1.0f;
    ELPCOF(ABRAT2, ACRAT2, 0, 1, ELPSCF, T.EDUNIT, KBD_UNIT, ONEWRN, 0);
    T.MUNKFAC2 = 1.0f + ELPSCF / (2.0f - ELPSCF);

    E.WSCALE = std::sqrt(WAVCOM.G / T.LWL);
    SINES.HOVERD = T.DEPTH / T.DRAFT;
    WAVCOM.BEAMCF = WAVCOM.RANCOF * T.LWL;
    WAVCOM.BOWCF = WAVCOM.RANCOF * T.BWL;

    wedge(T.BOWFAC, E.SINBOW, E.BOWANG, E.COTBOW);
    wedge(T.STRNFC, E.SINSTN, E.STRNAN, E.COTSTN);

    E.BLRAT0 = T.BWL / T.LWL;
    E.LEFRAT = 1.0f - E.BLRAT0 * E.COTBOW;
    if (E.LEFRAT < 0.0f) E.LEFRAT = 0.0f;
    E.LEFRT2 = 1.0f - 0.5f * E.BLRAT0 * (E.COTBOW + E.COTSTN);
    if (E.LEFRT2 < 0.0f) E.LEFRT2 = 0.0f;
    E.BOWARM = 0.5f * (1.0f - 0.5f * E.BLRAT0 * E.COTBOW);
    E.STRNRM = 0.5f * (1.0f - 0.5f * E.BLRAT0 * E.COTSTN);

    // The 2001 tanker's yaw drift acts about the mid-point of its bow and stern levers.
    if (NIBVAL(T.LWVCOF, 3, T.EDUNIT) == 6) {
        E.WAVARM = E.YAWARM + T.LWL * (E.STRNRM - E.BOWARM);
    } else {
        E.WAVARM = E.YAWARM;
    }

    E.MOMCOF = 0.5f * E.BLRAT0 * (E.COTBOW * (1.0f - 0.5f * E.BLRAT0 * E.COTBOW) - 0.5f * E.BLRAT0);

    external_force(T.AUXFRC, T.XVFRC, T.YVFRC, E.FEXTRN, E.PHIFEX);
    external_force(T.AXFC2, T.XVFRC2, T.YVFRC2, E.FXTRN2, E.PHIFX2);
    external_force(T.AXFC3, T.XVFRC3, T.YVFRC3, E.FXTRN3, E.PHIFX3);

    E.FDPTOT = 0.0f;
    E.PHIFDP = 0.0f;
    if (BITVAL(T.DPRFLG, 1, T.EDUNIT) == 1) {
        E.FDPTOT = std::sqrt(T.DPXFRC * T.DPXFRC + T.DPYFRC * T.DPYFRC);
        if (E.FDPTOT != 0.0f) E.PHIFDP = std::atan2(T.DPYFRC, T.DPXFRC);
    }

    COFLD();
}

}  // namespace brevant

// The mean environmental load by attack angle, source by source.
#include "lowlib/net_environmental_forces.h"

#include <cmath>

#include "lowlib/drag_entry.h"
#include "lowlib/drift_forces.h"
#include "lowlib/heading_functions.h"
#include "lowlib/wind_current_coefficients.h"
#include "records/data_image.h"
#include "records/equilibrium_record.h"
#include "records/sines_record.h"
#include "records/wave_record.h"
#include "sysutl/angles.h"
#include "sysutl/fortran_format.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"
#include "veslib/rao_refresh.h"

namespace brevant {

namespace {

constexpr Real DEG_PER_RAD = 57.295776f;
constexpr Real PI = 3.1415927f;

// Restores VESANG however the loop is left (an index or coefficient message ends the run).
class HeadingGuard {
public:
    HeadingGuard() : saved_(EQUILB.VESANG) {}
    ~HeadingGuard() { EQUILB.VESANG = saved_; }
    HeadingGuard(const HeadingGuard&) = delete;
    HeadingGuard& operator=(const HeadingGuard&) = delete;

private:
    Real saved_;
};

Real wind_coefficient(Int k, Real angle) {
    const Tpcm& P = TPCM;
    return WINDCF(k, P.LWBARG, P.LOADED, P.BOWWND, P.SIZE, angle, P.XWNDAR, P.YWNDAR, P.XWARM, P.YWARM, P.LWL, P.BWL,
                  P.EDUNIT, P.ISPM, P.SIMTYP);
}

Real current_coefficient(Int k, Real angle) {
    const Tpcm& P = TPCM;
    return CRNTCF(k, P.LCBARG, P.DFTPCT, P.BOWCUR, SINES.HOVERD, angle, P.XCURAR, P.YCURAR, P.XCARM, P.YCARM, P.LWL,
                  P.BWL, P.EDUNIT, P.ISPM, P.SIMTYP);
}

// The mean load of a steady flow (wind or current) coming from SOURCE_HDG_DEG (global, degrees) at
// the vessel heading HDG (radians), and its coefficient, the load per squared SPEED. AREA is the
// component's area (times the length for the yaw moment), LATERAL_AREA the sway area whose force
// YAWARM shifts; FACTOR makes the load of the flow that is on, COF0 the coefficient of one
// that is off. A speed of 0 with the flow on has no load to divide: the coefficient then takes the
// switched-off value (the limit of the load per squared speed), never a division by zero.
struct SteadyLoad {
    Real force = 0.0f;
    Real coefficient = 0.0f;
};
SteadyLoad steady_load(Int IXYZ, bool on, Real SOURCE_HDG_DEG, Real HDG, Real AREA, Real LATERAL_AREA, Real YAWARM,
                       Real (*coefficient_of)(Int, Real), Real FACTOR, Real SPEED, Real COF0) {
    const Real TMPANG = on ? REDRAD(SOURCE_HDG_DEG / DEG_PER_RAD - HDG + PI) : REDRAD(PI - HDG);
    TRIGLD(TMPANG);
    const Real YFORCE = IXYZ == 3 ? LATERAL_AREA * coefficient_of(2, TMPANG) : 0.0f;
    const Real load = AREA * coefficient_of(IXYZ, TMPANG) - YAWARM * YFORCE;
    SteadyLoad out;
    if (on) {
        out.force = load * FACTOR;
        out.coefficient = SPEED != 0.0f ? out.force / (SPEED * SPEED) : load * COF0;
    } else {
        out.coefficient = load * COF0;
    }
    return out;
}

struct WaveLoads {
    Real drift = 0.0f;
    Real drag = 0.0f;
};

// Mean drift and drag of one wave system coming from SOURCE_HDG_DEG (global, degrees) at the vessel
// heading HDG (radians).
WaveLoads wave_loads(Int IXYZ, Real WAVAREA, Real SOURCE_HDG_DEG, Real HDG, const Real* PSD, Int IWAVID) {
    const Real YAWARM = EQUILB.YAWARM;
    const Real TMPANG = REDRAD(SOURCE_HDG_DEG / DEG_PER_RAD - HDG + PI);
    TRIGLD(TMPANG);
    Real WC = 0.0f;
    WaveLoads out;
    const Real YFORCE = IXYZ == 3 ? WAVCOM.BEAMCF * DRIFTF(0, 2, TMPANG, PSD, WC, 0, IWAVID) : 0.0f;
    out.drift = WAVAREA * DRIFTF(0, IXYZ, TMPANG, PSD, WC, 0, IWAVID) - YFORCE * YAWARM;
    if (TPCM.LEGDRG == 0) {
        Real FOUTR = 0.0f;
        Real YDRAG = 0.0f;
        if (IXYZ == 3) DRAGF(0, 2, TMPANG, PSD, WC, YDRAG, FOUTR, IWAVID);
        Real FWVDG = 0.0f;
        DRAGF(0, IXYZ, TMPANG, PSD, WC, FWVDG, FOUTR, IWAVID);
        // The drag is dimensional already: no drift factor.
        out.drag = FWVDG - YDRAG * YAWARM;
    }
    return out;
}

}  // namespace

void write_net_force_row(Int IOUNIT, Real HEADING_DEG, std::span<const Real> VALUES) {
    Record row;
    row.x(1).F(REDDEG2(HEADING_DEG), 6, 1);
    for (Real v : VALUES) row.x(2).PE(v, 10, 3);
    write_record(IOUNIT, row.str());
}

void GET_LF_NET_FORCES(Int IOUNIT, Int IXYZ, Real* NET, Real* WIND, Real* CRNT, Real* WAVDFT, Real* WAVDRG,
                       Real* SWLDFT, Real* SWLDRG, Real* SWLDFT2, Real* SWLDRG2, Real* FEXT, Int NUMBRVQ,
                       const Real* ANGLES, Int LARR, Real START) {
    const Tpcm& P = TPCM;
    Real WNDAREA = 0.0f;
    Real CRNTAREA = 0.0f;
    Real WAVAREA = 0.0f;
    switch (IXYZ) {
        case 1:
            WNDAREA = P.XWNDAR;
            CRNTAREA = P.XCURAR;
            WAVAREA = WAVCOM.BOWCF;
            break;
        case 2:
            WNDAREA = P.YWNDAR;
            CRNTAREA = P.YCURAR;
            WAVAREA = WAVCOM.BEAMCF;
            break;
        case 3:
            WNDAREA = P.YWNDAR * P.LWL;
            CRNTAREA = P.YCURAR * P.LWL;
            WAVAREA = WAVCOM.BEAMCF * P.LWL;
            break;
        default: {
            const Int U = P.EDUNIT;
            write_record(U, " +=> Index error in GET_LF_NET_FORCES; please contact Velmora");
            write_record(U, "     Press X to exit...");
            // Nobody can answer in a silent run.
            if (U != SILENT_UNIT) (void)read_keyboard_line();
            stop_program(1);
        }
    }

    const Real CNVKTS = P.NUNTS == 1 ? 0.5142f : 1.687f;
    const Real WNDCOF0 = P.WNDFAC * WAVCOM.RHOAIR / 2000.0f;
    const Real CURCOF0 = P.DWATR / WAVCOM.G * P.CURFAC / 2000.0f;
    const Real YAWARM = EQUILB.YAWARM;
    const HeadingGuard guard;

    for (Int INDEX = 1; INDEX <= NUMBRVQ; ++INDEX) {
        const Real VES_GLOB_HDG_DEG = LARR != 0 ? 360.0f - ANGLES[INDEX - 1]
                                                : 360.0f - static_cast<Real>(INDEX - 1) * P.BRVINC - START;
        const Real VES_GLOB_HDG = VES_GLOB_HDG_DEG / DEG_PER_RAD;
        EQUILB.VESANG = VES_GLOB_HDG;

        const SteadyLoad wind = steady_load(IXYZ, P.LWIND == 1, P.WNDHDG, VES_GLOB_HDG, WNDAREA, P.YWNDAR, YAWARM,
                                            wind_coefficient, SINES.WNDCOF, P.WNDSPD * CNVKTS, WNDCOF0);
        const SteadyLoad current = steady_load(IXYZ, P.LCURNT == 1, P.CURHDG, VES_GLOB_HDG, CRNTAREA, P.YCURAR, YAWARM,
                                               current_coefficient, SINES.CURCOF, P.CURSPD * CNVKTS, CURCOF0);
        const Real FWIND = wind.force, FWIND_COF = wind.coefficient;
        const Real FCURNT = current.force, FCURNT_COF = current.coefficient;

        // The drift and drag routines need the RAOs of this heading (the second swell alone does
        // not refresh them).
        if (P.LRANDM == 1 || P.LSWELL == 1) {
            Real DUMVAR = 0.0f;
            RELRAOUP(DUMVAR, VES_GLOB_HDG, 1, 0, 1);
        }
        const WaveLoads sea = P.LRANDM == 1 ? wave_loads(IXYZ, WAVAREA, P.SEAHDG(1), VES_GLOB_HDG, &WAVCOM.WPSD(1), 1)
                                            : WaveLoads{};
        const WaveLoads swell = P.LSWELL == 1
                                    ? wave_loads(IXYZ, WAVAREA, P.SWLHDG, VES_GLOB_HDG, &WAVCOM.SWLPSD(1), 2)
                                    : WaveLoads{};
        const WaveLoads swell2 = P.LSWEL2 == 1
                                     ? wave_loads(IXYZ, WAVAREA, P.SWLHDG2, VES_GLOB_HDG, &WAVCOM.SWLPSD2(1), 3)
                                     : WaveLoads{};

        // External load, given in the global (CRDSYS 0) or the vessel (1) system.
        Real FEXTV = 0.0f;
        if (P.AUXFRC == 1) {
            const Real C = std::cos(VES_GLOB_HDG);
            const Real S = std::sin(VES_GLOB_HDG);
            if (IXYZ == 1) {
                FEXTV = P.CRDSYS == 0 ? P.XVFRC * C + P.YVFRC * S : P.CRDSYS == 1 ? P.XVFRC : 0.0f;
            } else if (IXYZ == 2) {
                FEXTV = P.CRDSYS == 0 ? -P.XVFRC * S + P.YVFRC * C : P.CRDSYS == 1 ? P.YVFRC : 0.0f;
            } else {
                const Real a = P.CRDSYS == 0 ? EQUILB.PHIFEX - VES_GLOB_HDG : EQUILB.PHIFEX;
                FEXTV = ((P.XVLOC - YAWARM) * std::sin(a) - P.YVLOC * std::cos(a)) * EQUILB.FEXTRN + P.VESMOM;
            }
        }

        const Real FNET = sea.drift + sea.drag + swell.drift + swell2.drift + swell.drag + swell2.drag + FCURNT +
                          FWIND + FEXTV;
        const auto I = static_cast<std::size_t>(INDEX - 1);
        NET[I] = FNET;
        WIND[I] = FWIND_COF;
        CRNT[I] = FCURNT_COF;
        WAVDFT[I] = sea.drift;
        WAVDRG[I] = sea.drag;
        SWLDFT[I] = swell.drift;
        SWLDRG[I] = swell.drag;
        SWLDFT2[I] = swell2.drift;
        SWLDRG2[I] = swell2.drag;
        FEXT[I] = FEXTV;

        if (IOUNIT != 0) {
            if (P.LEGDRG == 0) {
                const Real v[] = {sea.drift, sea.drag, FWIND, FCURNT, swell.drift, swell.drag, FEXTV, FNET};
                write_net_force_row(IOUNIT, VES_GLOB_HDG_DEG, v);
            } else {
                const Real v[] = {sea.drift, FWIND, FCURNT, swell.drift, FEXTV, FNET};
                write_net_force_row(IOUNIT, VES_GLOB_HDG_DEG, v);
            }
        }
    }
}

}  // namespace brevant

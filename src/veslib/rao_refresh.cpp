// The per-heading RAO refresh: recompute or reuse per wave system, the hull run with the speed
// direction turned into vessel axes, the user table in place of the hull's RAOs, and the final
// column copy.
#include "veslib/rao_refresh.h"

#include <algorithm>
#include <cmath>

#include "records/data_image.h"
#include "records/motion_record.h"
#include "records/response_record.h"
#include "records/wave_record.h"
#include "sysutl/angles.h"
#include "veslib/hull_dispatch.h"
#include "veslib/relative_motions.h"
#include "veslib/user_raos.h"

namespace brevant {

namespace {

constexpr Real kDegreesPerRadian = 57.2957764f;
constexpr Real kHeadingThreshold = 0.02f;
constexpr Real kDraftThreshold = 0.2f;

// What is kept between calls. The heading and draft of the last computation are tracked per wave
// system, so that a system whose saved RAOs are put back always had them computed at the present
// heading; with one value for all systems a heading change would recompute only the first.
struct RefreshState {
    FArray<Real, 3> LAST_VESANG{};
    FArray<Real, 3> LAST_DELTA_DRAFT{};
    FArray<Real, 3> LAST_HEADING{};  // the wave heading input of the last computation, degrees,
    FArray<Int, 3> LAST_FORM{};      // and its form: ITYPFLG 0 a relative heading, 1 the system's own
    FArray<Logical, 3> FRSTIM{};      // 1: the system has never been computed
    Int N_WAVE_SYSTEMS = 3;
    FArray<Complex, 100, 6, 3> SAVED_RAOS{};
    RefreshState() { FRSTIM.fill(1); }
};

RefreshState& kept() {
    static RefreshState s;
    return s;
}

Int grid_points() { return std::clamp<Int>(TPCM.NWP, 0, 100); }

// The pool location of degree of freedom d (1 surge .. 6 yaw) at the current IW.
Complex& pool(Int d) {
    Himem& H = HIMEM;
    const Int at[6] = {H.LSG, H.LSW, H.LHV, H.LRL, H.LPT, H.LYA};
    return H.CXDUM(at[d - 1]);
}

// VGLDIR turned into vessel axes while the hull routines run, put back when the scope ends.
class SpeedDirectionInVesselAxes {
public:
    explicit SpeedDirectionInVesselAxes(Real TNKANG) : VGLSAV_(TPCM.VGLDIR) {
        TPCM.VGLDIR = REDDEG(TPCM.VGLDIR - TNKANG * kDegreesPerRadian);
    }
    ~SpeedDirectionInVesselAxes() { TPCM.VGLDIR = VGLSAV_; }
    SpeedDirectionInVesselAxes(const SpeedDirectionInVesselAxes&) = delete;
    SpeedDirectionInVesselAxes& operator=(const SpeedDirectionInVesselAxes&) = delete;

private:
    Real VGLSAV_;
};

// Characteristics, the resonance pass, the forces at every period, then the RAOs of the hull or of
// the user's table.
void compute_raos() {
    hull_characteristics();
    Int NPASS2 = 0;
    hull_forces(NPASS2);
    NPASS2 = 5;
    hull_forces(NPASS2);
    if (TPCM.AUXVSH == 0) {
        hull_raos();
        if (PASCOM.QUASQUENCH == 1) {
            Himem& H = HIMEM;
            for (H.IW = 1; H.IW <= TPCM.NWP; ++H.IW) {
                INDXUP();
                H.CXDUM(H.LHV) = Complex(0.0f, 0.0f);
                H.CXDUM(H.LRL) = Complex(0.0f, 0.0f);
                H.CXDUM(H.LPT) = Complex(0.0f, 0.0f);
            }
        }
    } else {
        FixedText<13> USRDAT;
        USRDATSEL(TPCM.SIMTYP, TPCM.ISPM, USRDAT);
        USRRAO(USRDAT);
    }
}

}  // namespace

void RELRAOUP(Real& RELDEG, Real TNKANG, Int ITYPFLG, Logical DOSPEC, Logical FORCE_NEW_RAO) {
    RefreshState& k = kept();
    Tpcm& T = TPCM;
    Himem& H = HIMEM;
    if (FORCE_NEW_RAO != 0) k.N_WAVE_SYSTEMS = 3;

    for (Int IWAVID = 1; IWAVID <= 3; ++IWAVID) {
        const Int on = IWAVID == 1 ? T.LRANDM : IWAVID == 2 ? T.LSWELL : T.LSWEL2;
        if (on == 0) {
            k.N_WAVE_SYSTEMS = k.N_WAVE_SYSTEMS - 1;
            continue;
        }
        Real heading_input = RELDEG;
        if (ITYPFLG == 1) {
            heading_input = IWAVID == 1 ? T.SEAHDG(1) : IWAVID == 2 ? T.SWLHDG : T.SWLHDG2;
            RELDEG = heading_input - TNKANG * kDegreesPerRadian;
        }
        WAVCOM.IRAO = 1;
        H.RAOANG(1) = REDDEG(RELDEG);
        {
            const SpeedDirectionInVesselAxes turned(TNKANG);
            const Real DELTA_DRAFT = PASCOM.DELTA_DRAFT;
            const bool recompute = FORCE_NEW_RAO != 0 || k.FRSTIM(IWAVID) != 0 ||
                                   std::fabs(REDRAD_SYM(k.LAST_VESANG(IWAVID) - TNKANG)) > kHeadingThreshold ||
                                   std::fabs(k.LAST_DELTA_DRAFT(IWAVID) - DELTA_DRAFT) > kDraftThreshold ||
                                   !(k.LAST_HEADING(IWAVID) == heading_input) || k.LAST_FORM(IWAVID) != ITYPFLG;
            const Int n = grid_points();
            if (recompute) {
                k.FRSTIM(IWAVID) = 0;
                k.LAST_VESANG(IWAVID) = REDRAD(TNKANG);
                k.LAST_DELTA_DRAFT(IWAVID) = DELTA_DRAFT;
                k.LAST_HEADING(IWAVID) = heading_input;
                k.LAST_FORM(IWAVID) = ITYPFLG;
                compute_raos();
                for (H.IW = 1; H.IW <= n; ++H.IW) {
                    INDXUP();
                    for (Int d = 1; d <= 6; ++d) k.SAVED_RAOS(H.IW, d, IWAVID) = pool(d);
                }
            } else {
                for (H.IW = 1; H.IW <= n; ++H.IW) {
                    INDXUP();
                    for (Int d = 1; d <= 6; ++d) pool(d) = k.SAVED_RAOS(H.IW, d, IWAVID);
                }
            }
        }
        RELRAO(TNKANG, DOSPEC, IWAVID);
    }

    if (ITYPFLG == 0) {
        const Int from = T.LRANDM != 0 ? 1 : 2;
        const Int to = T.LRANDM != 0 ? 2 : 1;
        Pascom& P = PASCOM;
        for (Int IW = 1; IW <= grid_points(); ++IW) {
            P.RLRAO2(IW, to) = P.RLRAO2(IW, from);
            P.FDRGLAT(IW, to) = P.FDRGLAT(IW, from);
            P.MDRGLAT(IW, to) = P.MDRGLAT(IW, from);
            P.RLRAOH2(IW, to) = P.RLRAOH2(IW, from);
        }
    }
}

void reset_relraoup() { kept() = RefreshState{}; }

}  // namespace brevant

// The per-heading RAO refresh: recompute or reuse per wave system, the hull run with the speed
// direction turned into vessel axes, the user table in place of the hull's RAOs, and the final
// column copy.
#include "veslib/rao_refresh.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <type_traits>
#include <vector>

#include "records/data_image.h"
#include "records/equilibrium_record.h"
#include "records/motion_record.h"
#include "records/response_record.h"
#include "records/wave_record.h"
#include "sysutl/angles.h"
#include "sysutl/units.h"
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

// The last hull solve of the refresh, kept so that a solve with the same inputs is not run again:
// the analysis asks for the RAOs of one relative heading many times over (every force component of
// an attack angle, and every wave system of the attack-angle form, which all take the same heading).
// The hull's RAOs depend only on the records it reads (the data image with the speed direction
// already in vessel axes, the wave and equilibrium records, the relative heading RAOANG(1), the draft
// change) and on what earlier hull runs left in the motion record. A solve is reused only when all of
// those are bit for bit what they were at the kept solve, and no hull entry point has run since (the
// run count of the dispatch), so what the hull left in the motion record is still its own.
struct LastSolve {
    bool valid = false;
    unsigned long long hull_runs = 0;
    Real TNKANG = 0.0f;
    Real RAOANG1 = 0.0f;
    Real DELTA_DRAFT = 0.0f;
    Int QUASQUENCH = 0;
    Int NWP = 0;
    std::vector<unsigned char> inputs;  // the data image, the wave and the equilibrium records
    FArray<Complex, 100, 6> RAOS{};
};

LastSolve& last_solve() {
    static LastSolve s;
    return s;
}

bool& reuse_switch() {
    static bool on = true;
    return on;
}

template <typename Rec>
void append_bytes(std::vector<unsigned char>& out, const Rec& r) {
    static_assert(std::is_trivially_copyable_v<Rec>);
    const auto* p = reinterpret_cast<const unsigned char*>(&r);
    out.insert(out.end(), p, p + sizeof(Rec));
}

std::vector<unsigned char> solve_inputs() {
    std::vector<unsigned char> bytes;
    bytes.reserve(sizeof(Tpcm) + sizeof(WavCom) + sizeof(Equilb));
    append_bytes(bytes, TPCM);
    append_bytes(bytes, WAVCOM);
    append_bytes(bytes, EQUILB);
    return bytes;
}

// Whether the records a solve reads are, byte for byte, the ones KEPT holds (compared in place: the
// refresh runs often, and a copy of the records for each comparison cost more than the comparison).
bool same_inputs(const std::vector<unsigned char>& kept) {
    if (kept.size() != sizeof(Tpcm) + sizeof(WavCom) + sizeof(Equilb)) return false;
    const unsigned char* p = kept.data();
    if (std::memcmp(p, &TPCM, sizeof(Tpcm)) != 0) return false;
    p += sizeof(Tpcm);
    if (std::memcmp(p, &WAVCOM, sizeof(WavCom)) != 0) return false;
    p += sizeof(WavCom);
    return std::memcmp(p, &EQUILB, sizeof(Equilb)) == 0;
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

// The hull solve of the current relative heading, or the kept one when its inputs are the same.
void solve_or_reuse(Real TNKANG) {
    LastSolve& last = last_solve();
    Himem& H = HIMEM;
    const Int n = grid_points();
    if (reuse_switch() && hull_solves_repeatable() && last.valid && last.hull_runs == hull_run_count() &&
        std::memcmp(&last.TNKANG, &TNKANG, sizeof(Real)) == 0 &&
        std::memcmp(&last.RAOANG1, &H.RAOANG(1), sizeof(Real)) == 0 &&
        std::memcmp(&last.DELTA_DRAFT, &PASCOM.DELTA_DRAFT, sizeof(Real)) == 0 &&
        last.QUASQUENCH == PASCOM.QUASQUENCH && last.NWP == n && same_inputs(last.inputs)) {
        for (H.IW = 1; H.IW <= n; ++H.IW) {
            INDXUP();
            for (Int d = 1; d <= 6; ++d) pool(d) = last.RAOS(H.IW, d);
        }
        return;
    }
    last.valid = false;
    const bool keepable = reuse_switch() && hull_solves_repeatable();
    std::vector<unsigned char> inputs;
    if (keepable) inputs = solve_inputs();
    const unsigned long long console_before = console_activity();
    compute_raos();
    // A solve that changed the records it reads is not kept (a repeat would not start from the same
    // state), nor one that wrote a warning or asked a question: a repeat must say and ask it again.
    if (!keepable || !hull_solves_repeatable() || console_activity() != console_before || !same_inputs(inputs))
        return;
    last.valid = true;
    last.hull_runs = hull_run_count();
    last.TNKANG = TNKANG;
    last.RAOANG1 = H.RAOANG(1);
    last.DELTA_DRAFT = PASCOM.DELTA_DRAFT;
    last.QUASQUENCH = PASCOM.QUASQUENCH;
    last.NWP = n;
    last.inputs = std::move(inputs);
    for (H.IW = 1; H.IW <= n; ++H.IW) {
        INDXUP();
        for (Int d = 1; d <= 6; ++d) last.RAOS(H.IW, d) = pool(d);
    }
}

}  // namespace

void set_rao_solve_reuse(bool on) {
    reuse_switch() = on;
    last_solve() = LastSolve{};
}

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
                solve_or_reuse(TNKANG);
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

void reset_relraoup() {
    kept() = RefreshState{};
    last_solve() = LastSolve{};
}

}  // namespace brevant

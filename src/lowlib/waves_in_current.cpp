// Group speed, the current-shifted dispersion relation and the transverse wave number behind a
// current step.
#include "lowlib/waves_in_current.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <unordered_map>

#include "numeric/root_finders.h"
#include "numeric/wave_number.h"
#include "records/data_image.h"
#include "sysutl/answers.h"
#include "sysutl/pauses.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/result_reuse.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"

namespace brevant {

LocalQ LOCALQ{};

void reset_localq() { LOCALQ = LocalQ{}; }

Real GRPVEL(Real WK, Real W, Real DEPTH, Real G) {
    const Real SCALDP = WK * DEPTH;
    Real C = 0.5f * std::sqrt(G / WK);
    if (W < 0.0f) C = -C;
    if (SCALDP > 30.0f) return C;
    // kh / (cosh kh sinh kh) tends to 1 as kh goes to 0 (no depth): the factor's limit is 2.
    if (SCALDP == 0.0f) return C * 2.0f;
    return C * (1.0f + SCALDP / (std::cosh(SCALDP) * std::sinh(SCALDP)));
}

Real DISPRS2(Real& X) {
    const Real shifted = LOCALCS.OMEGATMP() - X * LOCALCS.CURTMP();
    return shifted * shifted - X * std::tanh(X);
}

namespace {

// The roots found so far, by the exact bits of the two inputs. The search depends on nothing else
// (it starts from its bounds, never from an earlier root), so a repeat gives the same bits: the
// analysis asks for the same frequency and current component for every component, row and section
// of an attack angle. A search that ends the run is never kept.
struct CurrentRoots {
    std::unordered_map<std::uint64_t, Real> roots;
    unsigned long long hits = 0;
};

CurrentRoots& current_roots() {
    static CurrentRoots r;
    return r;
}

std::uint64_t root_key(Real OMEGA, Real CURCST) {
    return (static_cast<std::uint64_t>(std::bit_cast<std::uint32_t>(OMEGA)) << 32) |
           std::bit_cast<std::uint32_t>(CURCST);
}

// Bounded: a long session keeps at most this many, then starts afresh.
constexpr std::size_t kMostKeptRoots = 1u << 16;

void search_current_root(Real OMEGA, Real CURCST, Real& WVVEC);

}  // namespace

unsigned long long current_root_reuse_count() { return current_roots().hits; }

void WAVCURVEC(Real OMEGA, Real CURCST, Real& WVVEC) {
    CurrentRoots& kept = current_roots();
    if (!result_reuse_on()) {
        search_current_root(OMEGA, CURCST, WVVEC);
        return;
    }
    const std::uint64_t key = root_key(OMEGA, CURCST);
    if (const auto it = kept.roots.find(key); it != kept.roots.end()) {
        // What the search leaves in its parameter record, as a search would.
        LOCALCS.OMEGATMP() = OMEGA;
        LOCALCS.CURTMP() = CURCST;
        WVVEC = it->second;
        ++kept.hits;
        return;
    }
    search_current_root(OMEGA, CURCST, WVVEC);
    if (kept.roots.size() >= kMostKeptRoots) kept.roots.clear();
    kept.roots.emplace(key, WVVEC);
}

namespace {

void search_current_root(Real OMEGA, Real CURCST, Real& WVVEC) {
    const Int IER = current_wave_number_search(OMEGA, CURCST, WVVEC);
    if (IER == 1) wavcurvec_stop(IER);
}

}  // namespace

Int current_wave_number_search(Real OMEGA, Real CURCST, Real& WVVEC) {
    LOCALCS.OMEGATMP() = OMEGA;
    LOCALCS.CURTMP() = CURCST;
    Int NUMTRIES = 0;
    const Real KLOWER = 0.0f;
    // The intrinsic frequency vanishes at |OMEGA / CURCST|.
    Real KUPPER = std::fabs(OMEGA / CURCST);
    for (;;) {
        Real F = 0.0f;
        Int IER = 0;
        RTMI1(WVVEC, F, DISPRS2, KLOWER, KUPPER, 0.00001f, 0.0f, 100, IER);
        if (IER == 2) {
            if (NUMTRIES < 20) {
                NUMTRIES = NUMTRIES + 1;
                KUPPER = KUPPER + KUPPER;
                continue;
            }
            // A current against the waves strong enough to block them: no wave travels.
            WVVEC = 0.0f;
            return 0;
        }
        return IER;
    }
}

void wavcurvec_stop(Int IER) {
    // Nobody can press a key in a silent run: the message goes to its console and the run ends
    // without a read.
    const std::string line = " >>> In WAVCURVEC; IER = " + fmt_I(IER, 12);
    stop_after_key(TPCM.EDUNIT, {line, "     Contact Velmora; press \"C\" + <RETURN> to continue"});
}

Real VKYFUN(Real& YY) {
    const Real alpha = LOCALQ.ALPHAX;
    return 1.0f - std::pow(YY * YY + alpha * alpha, 0.25f) - LOCALQ.BETAX * YY;
}

Real VKYPFUN(Real& YY) {
    const Real alpha = LOCALQ.ALPHAX;
    return YY + 2.0f * LOCALQ.BETAX * std::pow(YY * YY + alpha * alpha, 0.75f);
}

void GETVKY(Real& YY, Real GUESSH, Int IOSCRN, Int KBD) {
    const Real GUESSL = 0.0f;
    Real F = 0.0f;
    Int IER = 0;
    RTMI1(YY, F, VKYFUN, GUESSL, GUESSH, 0.000001f, 0.0f, 100, IER);
    if (IER == 2) {
        YY = 0.0f;
        return;
    }
    if (IER != 1) return;
    write_record(IOSCRN, "");
    write_record(IOSCRN, " ++> Iteration overflow in GETVKY; IER =" + fmt_I(IER, 2));
    write_record(IOSCRN, "     Please report this ocurrence to Velmora");
    write_record(IOSCRN, "");
    PRSRET(IOSCRN, KBD, TPCM.LBACK);
    stop_program(1);
}

Real DOTP2D(const Real* X, const Real* Y) { return X[0] * Y[0] + X[1] * Y[1]; }

Real XPRD2D(const Real* X, const Real* Y) { return X[0] * Y[1] - X[1] * Y[0]; }

}  // namespace brevant

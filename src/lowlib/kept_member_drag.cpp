#include "lowlib/kept_member_drag.h"

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "lowlib/depth_current_drag.h"
#include "lowlib/member_drag_functions.h"
#include "lowlib/row_series_reuse.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

using Integral = Real (*)(Complex, Complex, Real, Real, Int, Real, Real, Real, Real, Int&);

struct Kept {
    std::array<std::uint32_t, 10> key;
    Int NXP, NDEPTHQ_IN, NDEPTHQ_OUT;
    Real value;
};

struct Store {
    unsigned long long epoch = 0;
    std::vector<Kept> kept;
};

// Members x wave systems x headings x periods of one scope stay far below this.
constexpr std::size_t kMostKept = 8192;

Real kept(Store& store, Integral integral, Complex HOR_WAV_RAO, Complex ANG_WAV_RAO, Real PHSHFT_W, Real EFF_ROT_CTR,
          Int NXP, Real WAVHDG_LOC, Real SIG0WV, Real WPK_NB, Real WAVK, Int& NDEPTHQ) {
    const unsigned long long epoch = row_series_epoch();
    if (epoch == 0)
        return integral(HOR_WAV_RAO, ANG_WAV_RAO, PHSHFT_W, EFF_ROT_CTR, NXP, WAVHDG_LOC, SIG0WV, WPK_NB, WAVK, NDEPTHQ);
    if (store.epoch != epoch) {
        store.kept.clear();
        store.epoch = epoch;
    }
    auto b = [](Real x) { return std::bit_cast<std::uint32_t>(x); };
    const std::array<std::uint32_t, 10> key = {b(HOR_WAV_RAO.real()), b(HOR_WAV_RAO.imag()), b(ANG_WAV_RAO.real()),
                                               b(ANG_WAV_RAO.imag()), b(PHSHFT_W),           b(EFF_ROT_CTR),
                                               b(WAVHDG_LOC),         b(SIG0WV),             b(WPK_NB),
                                               b(WAVK)};
    for (const Kept& k : store.kept) {
        if (k.key == key && k.NXP == NXP && k.NDEPTHQ_IN == NDEPTHQ) {
            count_row_series_reuse();
            NDEPTHQ = k.NDEPTHQ_OUT;
            return k.value;
        }
    }
    const Int NDEPTHQ_IN = NDEPTHQ;
    const unsigned long long console = console_activity();
    const Real value =
        integral(HOR_WAV_RAO, ANG_WAV_RAO, PHSHFT_W, EFF_ROT_CTR, NXP, WAVHDG_LOC, SIG0WV, WPK_NB, WAVK, NDEPTHQ);
    if (console_activity() == console && store.kept.size() < kMostKept)
        store.kept.push_back({key, NXP, NDEPTHQ_IN, NDEPTHQ, value});
    return value;
}

using SurfaceIntegral = Real (*)(Real, Real, Real, Real, Int);

Real kept_surface(Store& store, SurfaceIntegral integral, Real B0, Real R, Real PHI, Real COS_C, Int NXP) {
    const unsigned long long epoch = row_series_epoch();
    if (epoch == 0) return integral(B0, R, PHI, COS_C, NXP);
    if (store.epoch != epoch) {
        store.kept.clear();
        store.epoch = epoch;
    }
    auto b = [](Real x) { return std::bit_cast<std::uint32_t>(x); };
    const std::array<std::uint32_t, 10> key = {b(B0), b(R), b(PHI), b(COS_C), 0, 0, 0, 0, 0, 0};
    for (const Kept& k : store.kept) {
        if (k.key == key && k.NXP == NXP) {
            count_row_series_reuse();
            return k.value;
        }
    }
    const unsigned long long console = console_activity();
    const Real value = integral(B0, R, PHI, COS_C, NXP);
    if (console_activity() == console && store.kept.size() < kMostKept) store.kept.push_back({key, NXP, 0, 0, value});
    return value;
}

}  // namespace

Real kept_FCF_SURF_PRP(Real B0, Real R, Real PHI, Real COS_C, Int NXP) {
    static Store store;
    return kept_surface(store, FCF_SURF_PRP, B0, R, PHI, COS_C, NXP);
}

Real kept_GISURF(Real B0, Real R, Real PHI, Real COS_C, Int NXP) {
    static Store store;
    return kept_surface(store, GISURF, B0, R, PHI, COS_C, NXP);
}

Real kept_GISURF_PRP(Real B0, Real R, Real PHI, Real COS_C, Int NXP) {
    static Store store;
    return kept_surface(store, GISURF_PRP, B0, R, PHI, COS_C, NXP);
}

Real kept_FCF_SUB_Z(Complex HOR_WAV_RAO, Complex ANG_WAV_RAO, Real PHSHFT_W, Real EFF_ROT_CTR, Int NXP,
                    Real WAVHDG_LOC, Real SIG0WV, Real WPK_NB, Real WAVK, Int& NDEPTHQ) {
    static Store store;
    return kept(store, FCF_SUB_Z, HOR_WAV_RAO, ANG_WAV_RAO, PHSHFT_W, EFF_ROT_CTR, NXP, WAVHDG_LOC, SIG0WV, WPK_NB, WAVK,
                NDEPTHQ);
}

Real kept_GISUB_Z(Complex HOR_WAV_RAO, Complex ANG_WAV_RAO, Real PHSHFT_W, Real EFF_ROT_CTR, Int NXP, Real WAVHDG_LOC,
                  Real SIG0WV, Real WPK_NB, Real WAVK, Int& NDEPTHQ) {
    static Store store;
    return kept(store, GISUB_Z, HOR_WAV_RAO, ANG_WAV_RAO, PHSHFT_W, EFF_ROT_CTR, NXP, WAVHDG_LOC, SIG0WV, WPK_NB, WAVK,
                NDEPTHQ);
}

}  // namespace brevant

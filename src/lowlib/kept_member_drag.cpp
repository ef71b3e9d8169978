#include "lowlib/kept_member_drag.h"

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "lowlib/depth_current_drag.h"
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

}  // namespace

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

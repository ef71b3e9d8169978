// The record SINES: the sines and cosines of 1 to 10 times the last relative angle, against which
// every coefficient set is evaluated, and the dimensional wind and current load factors. The load
// models, the drift preparation and the analysis core all read it.
#pragma once

#include <cassert>
#include <cstddef>
#include <type_traits>

#include "sysutl/ftypes.h"

namespace brevant {

// 27 single-precision words; zero at program start.
struct Sines {
    FArray<Real, 20> TRIG;  // 1-20 S1..S10 then C1..C10: sin and cos of n times the angle, n = 1..10
    Real WNDCOF;            // 21 wind load factor, force per unit area per unit coefficient; 0 with wind off
    Real CURCOF;            // 22 current load factor, force per unit area per unit coefficient; 0 with current off
    Real WAVCOF;            // 23 reserved: meaning known to no routine, never written or read, 0
    Real HOVERD;            // 24 water depth over mean draft, DEPTH / DRAFT
    Real SWLCOF;            // 25 reserved: meaning known to no routine, never written or read, 0
    Real WAVCFT;            // 26 reserved: meaning known to no routine, never written or read, 0
    Real SWLCFT;            // 27 reserved: meaning known to no routine, never written or read, 0

    // The ten sines under their own names (words 1-10) and the ten cosines (words 11-20).
#define BREVANT_SINES_NAME(n)                                  \
    Real& S##n() { return TRIG(n); }                           \
    const Real& S##n() const { return TRIG(n); }               \
    Real& C##n() { return TRIG(10 + n); }                      \
    const Real& C##n() const { return TRIG(10 + n); }
    BREVANT_SINES_NAME(1)
    BREVANT_SINES_NAME(2)
    BREVANT_SINES_NAME(3)
    BREVANT_SINES_NAME(4)
    BREVANT_SINES_NAME(5)
    BREVANT_SINES_NAME(6)
    BREVANT_SINES_NAME(7)
    BREVANT_SINES_NAME(8)
    BREVANT_SINES_NAME(9)
    BREVANT_SINES_NAME(10)
#undef BREVANT_SINES_NAME

    // SN(n), n = 1..10: the sine of n times the angle (words 1-10).
    Real& SN(int n) {
        assert(n >= 1 && n <= 10);
        return TRIG(n);
    }
    const Real& SN(int n) const {
        assert(n >= 1 && n <= 10);
        return TRIG(n);
    }
    // CN(n), n = 1..11: the view that starts one word before C1, so CN(n + 1) is the cosine of n
    // times the angle (CN(1) is the word of S10).
    Real& CN(int n) {
        assert(n >= 1 && n <= 11);
        return TRIG(9 + n);
    }
    const Real& CN(int n) const {
        assert(n >= 1 && n <= 11);
        return TRIG(9 + n);
    }
};

static_assert(std::is_standard_layout_v<Sines> && std::is_trivially_copyable_v<Sines>);
static_assert(sizeof(Sines) == 4 * 27);
static_assert(offsetof(Sines, TRIG) == 4 * (1 - 1));
static_assert(offsetof(Sines, WNDCOF) == 4 * (21 - 1));
static_assert(offsetof(Sines, CURCOF) == 4 * (22 - 1));
static_assert(offsetof(Sines, WAVCOF) == 4 * (23 - 1));
static_assert(offsetof(Sines, HOVERD) == 4 * (24 - 1));
static_assert(offsetof(Sines, SWLCOF) == 4 * (25 - 1));
static_assert(offsetof(Sines, WAVCFT) == 4 * (26 - 1));
static_assert(offsetof(Sines, SWLCFT) == 4 * (27 - 1));

extern Sines SINES;

// Puts SINES back to its start: every word zero.
void reset_sines();

}  // namespace brevant

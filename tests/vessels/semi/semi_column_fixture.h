// One vertical circular column (radius 4, draft 25, added mass (1, 1, 0), metric) whose wave forces
// have closed forms, on a wave-period grid in the motion pool with wave numbers from a
// double-precision dispersion solver of our own; SEMCHR has filled the member table and HIMEM.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "semi_hull_fixture.h"
#include "vessels/semi/semi_forces.h"
#include "vessels/ship/ship_box_fixture.h"

namespace brevant::testing {

class ColumnForcesTest : public TwinColumnTest {
protected:
    static constexpr double kDepth = 3000.0;

    void SetUp() override {
        TwinColumnTest::SetUp();
        reset_semi_forces();
        TPCM.NUNTS = 1;
        TPCM.NOWARN = 1;
        TPCM.NCYL = 1;
        TPCM.LWL = 8.0f;
        TPCM.BWL = 8.0f;
        TPCM.AWP = 50.265482f;
        TPCM.DISPL = 1288.0530f;  // 1.025 x 50.265482 x 25
        TPCM.VKMT = 12.66f;
        TPCM.VKML = 12.66f;
        TPCM.DEPTH = 3000.0f;
        TPCM.SLPHT = 4.0f;  // a wave height
        TPCM.LSLPHT = 0;
        place_column(0.0f, 0.0f);
    }
    void TearDown() override {
        reset_semi_forces();
        TwinColumnTest::TearDown();
    }

    // The column with its base on the keel at (x, y), top 40 up.
    static void place_column(float x, float y) { set_member(1, {x, y, 0.0f}, {x, y, 40.0f}); }

    // SEMCHR, then the period grid 5.0, 5.5, ..., 12.0 (or the one given) in the pool.
    static void build(const std::vector<float>& periods = grid_5_to_12()) {
        ASSERT_EQ(run_semchr(), -1);
        set_grid(periods);
    }
    static std::vector<float> grid_5_to_12() {
        std::vector<float> t;
        for (int i = 0; i <= 14; ++i) t.push_back(5.0f + 0.5f * static_cast<float>(i));
        return t;
    }
    static void set_grid(const std::vector<float>& periods) {
        TPCM.NWP = static_cast<Int>(periods.size());
        lay_out_himem_pool();
        HIMEM.WCONST = std::sqrt(TPCM.DEPTH / WAVCOM.G);
        for (std::size_t i = 0; i < periods.size(); ++i) {
            const int j = static_cast<int>(i) + 1;
            TPCM.T(j) = periods[i];
            const float w = 6.2831855f / periods[i];
            const double d = static_cast<double>(TPCM.DEPTH);
            const double kh = dispersion_kh(static_cast<double>(w), d, static_cast<double>(WAVCOM.G));
            set_grid_point(j, w, static_cast<float>(kh / d));
        }
    }
    static void set_grid_point(int j, float omega, float k) {
        HIMEM.RLDUM(HIMEM.LCNW + j - 1) = omega;
        HIMEM.RLDUM(HIMEM.LCNWK + j - 1) = k;
        HIMEM.RLDUM(HIMEM.LCNW2 + j - 1) = omega * omega;
    }
    static float omega(int j) { return HIMEM.RLDUM(HIMEM.LCNW + j - 1); }
    static float wave_k(int j) { return HIMEM.RLDUM(HIMEM.LCNWK + j - 1); }
    static void set_heading(float degrees) {
        HIMEM.RAOANG(1) = degrees;
        WAVCOM.IRAO = 1;
    }
    // The complex pool value of a mode (1 surge, 2 sway, 3 heave, 4 roll, 5 pitch, 6 yaw) at period j.
    static Complex& pool(int mode, int j) {
        const Int base[] = {HIMEM.LCNSG, HIMEM.LCNSWY, HIMEM.LCNHV, HIMEM.LCNROL, HIMEM.LCNPIT, HIMEM.LCNYAW};
        return HIMEM.CXDUM(base[mode - 1] + j - 1);
    }
    // SEMFRC with the given pass; the exit status when it ends the program, -1 when it returns.
    static int run_semfrc(Int& npass) {
        try {
            SEMFRC(npass);
        } catch (const ProgramEnd& e) {
            return e.status;
        }
        return -1;
    }
    static int all_periods() {
        Int npass = 5;
        return run_semfrc(npass);
    }
};

}  // namespace brevant::testing

// A disc buoy of radius 8 m and draft 3 m (metric, water of 1025 kgw/m^3), with the data-image words
// the disc model reads, a wave-period grid with its frequencies and wave numbers in the motion pool
// and in WAVCOM (wave numbers from a double-precision dispersion solver of our own), and fresh
// records, units and line services for every test.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "numeric/grid_point.h"
#include "records/data_image.h"
#include "records/mooring_line_records.h"
#include "records/motion_record.h"
#include "records/wave_record.h"
#include "test_support.h"
#include "vessels/disc/disc_forces.h"
#include "vessels/disc/disc_line_calls.h"

namespace brevant::testing {

inline double dbl(float x) { return static_cast<double>(x); }

class DiscTest : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        fresh();
        TPCM.NUNTS = 1;
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.IUNIT = SCREEN_UNIT;
        TPCM.NEGSUM = 1;
        TPCM.DWATR = 1025.0f;
        TPCM.AWP = 201.06193f;
        TPCM.DRAFT = 3.0f;
        TPCM.VKB = 1.5f;
        TPCM.VKG = 2.5f;
        TPCM.VKML = 6.8333333f;
        TPCM.VKMT = 6.8333333f;
        TPCM.DISPL = 618.2654f;
        TPCM.PGYR = 3.0f;
        TPCM.RGYR = 3.0f;
        TPCM.YGYR = 3.0f;
        TPCM.SLPHT = 2.0f;
        WAVCOM.G = 9.8f;
        WAVCOM.RHOWTR = 0.001f * 1025.0f / 9.8f;
        WAVCOM.DURFAC = 1.86f;
        WAVCOM.XTRMWV = 1.86f;
        WAVCOM.TAVG = 8.0f;
        WAVCOM.IRAO = 1;
        HIMEM.EPS = 1.0e-5f;
        std::vector<float> periods;
        for (int i = 0; i <= 34; ++i) periods.push_back(3.0f + 0.5f * static_cast<float>(i));
        set_grid(periods, 150.0f);
    }
    void TearDown() override {
        fresh();
        ConsoleTest::TearDown();
    }
    // Moored surge, sway and yaw frequencies on the grid, with surge and sway springs and dampings.
    static void moor_surge_sway() {
        HIMEM.WSG = HIMEM.WSW = HIMEM.WY = 0.2f;
        GRIDPT(HIMEM.WSG, HIMEM.JSG);
        GRIDPT(HIMEM.WSW, HIMEM.JSW);
        GRIDPT(HIMEM.WY, HIMEM.JY);
        TPCM.SGK = TPCM.SWK = 50.0f;
        TPCM.SGMDMP = TPCM.SWMDMP = 5.0f;
    }
    // Mooring springs and dampings of heave, pitch and roll, so that those modes show the mooring.
    static void moor_heave_pitch_roll() {
        TPCM.HVK = 40.0f;
        TPCM.PTK = 900.0f;
        TPCM.RLK = 700.0f;
        TPCM.HVMDMP = 6.0f;
        TPCM.PTMDMP = 80.0f;
        TPCM.RLMDMP = 60.0f;
    }
    static void fresh() {
        reset_tpcm();
        reset_himem();
        reset_wavcom();
        reset_lincom();
        reset_disc_line_calls();
        reset_disc_warnings();
    }

    // The period list, and in the pool and WAVCOM the frequency 2 pi / T and the wave number.
    static void set_grid(const std::vector<float>& periods, float depth) {
        TPCM.DEPTH = depth;
        TPCM.NWP = static_cast<Int>(periods.size());
        lay_out_himem_pool();
        HIMEM.WCONST = std::sqrt(depth / WAVCOM.G);
        for (std::size_t i = 0; i < periods.size(); ++i) {
            const int j = static_cast<int>(i) + 1;
            TPCM.T(j) = periods[i];
            const float w = 6.2831855f / periods[i];
            const double d = static_cast<double>(depth);
            const double kh = dispersion_kh(static_cast<double>(w), d, static_cast<double>(WAVCOM.G));
            set_grid_point(j, w, static_cast<float>(kh / d));
        }
    }
    static void set_grid_point(int j, float omega, float k) {
        HIMEM.RLDUM(HIMEM.LCNW + j - 1) = omega;
        HIMEM.RLDUM(HIMEM.LCNWK + j - 1) = k;
        HIMEM.RLDUM(HIMEM.LCNW2 + j - 1) = omega * omega;
        WAVCOM.W(j) = omega;
        WAVCOM.WVK(j) = k;
    }
    static void set_heading(float degrees) {
        HIMEM.RAOANG(1) = degrees;
        WAVCOM.IRAO = 1;
    }
    // The complex pool value of a mode (1 surge, 2 sway, 3 heave, 4 roll, 5 pitch, 6 yaw) at period j.
    static Complex& pool(int mode, int j) {
        const Int base[] = {HIMEM.LCNSG, HIMEM.LCNSWY, HIMEM.LCNHV, HIMEM.LCNROL, HIMEM.LCNPIT, HIMEM.LCNYAW};
        return HIMEM.CXDUM(base[mode - 1] + j - 1);
    }
};

}  // namespace brevant::testing

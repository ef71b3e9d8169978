// A case whose hull is an exact box (English units): the data-image words the ship model reads, a
// wave-period grid with its frequencies and wave numbers in the motion pool (wave numbers from a
// double-precision dispersion solver of our own), and fresh records and units for every test.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "records/data_image.h"
#include "records/motion_record.h"
#include "records/response_record.h"
#include "records/wave_record.h"
#include "test_support.h"
#include "vessels/ship/ship_characteristics.h"

namespace brevant::testing {

class ShipBoxTest : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        reset_himem();
        reset_wavcom();
        reset_pascom();
        reset_ship_characteristics();
        set_box(100.0f, 20.0f, 5.0f);
        TPCM.VKG = 5.0f;
        TPCM.AWP = 0.0f;
        TPCM.PGYR = 25.0f;
        TPCM.RGYR = 7.0f;
        TPCM.YGYR = 25.0f;
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.IUNIT = SCREEN_UNIT;
        TPCM.NEGSUM = 1;
        TPCM.SLPHT = 10.0f;  // a 10 ft regular wave
        WAVCOM.G = 32.152f;
        WAVCOM.IRAO = 1;
        WAVCOM.BIGWVS = 1;
        std::vector<float> periods;
        for (int t = 4; t <= 25; ++t) periods.push_back(static_cast<float>(t));
        set_grid(periods, 1000.0f);
    }
    void TearDown() override {
        reset_tpcm();
        reset_himem();
        reset_wavcom();
        reset_pascom();
        reset_ship_characteristics();
        ConsoleTest::TearDown();
    }

    // The hydrostatics of an exact L x B x T box in water of 64 lb/ft^3: KMT = T/2 + B^2/(12 T),
    // KML = T/2 + L^2/(12 T), displacement in thousands of pounds.
    static void set_box(float L, float B, float T) {
        TPCM.DWATR = 64.0f;
        TPCM.DISPL = L * B * T * 64.0f / 1000.0f;
        TPCM.VKMT = T / 2.0f + B * B / (12.0f * T);
        TPCM.VKML = T / 2.0f + L * L / (12.0f * T);
        TPCM.DRAFT = T;
        TPCM.VKB = T / 2.0f;
    }

    // The period list, and in the pool the frequency 2 pi / T and the wave number at the depth.
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
    }
    // One heading in the heading table, the current one.
    static void set_heading(float degrees) {
        HIMEM.RAOANG(1) = degrees;
        WAVCOM.IRAO = 1;
    }
    // Zeroes the six RAO arrays (the frequency grid after them stays).
    static void clear_forces() {
        for (Complex& c : HIMEM.SEARAO()) c = Complex(0.0f, 0.0f);
    }
    // The complex pool value of a mode (1 surge, 2 sway, 3 heave, 4 roll, 5 pitch, 6 yaw) at period j.
    static Complex pool(int mode, int j) {
        const Int base[] = {HIMEM.LCNSG, HIMEM.LCNSWY, HIMEM.LCNHV, HIMEM.LCNROL, HIMEM.LCNPIT, HIMEM.LCNYAW};
        return HIMEM.CXDUM(base[mode - 1] + j - 1);
    }
};

}  // namespace brevant::testing

// Fresh records for the RAO tests: a frequency grid of given circular frequencies and wave numbers
// in the motion pool (W, W^2 and k also in WAVCOM), a current heading, and a scratch folder for the
// user's tables.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "records/data_image.h"
#include "records/motion_record.h"
#include "records/response_record.h"
#include "records/wave_record.h"
#include "test_support.h"

namespace brevant::testing {

class RaoPoolTest : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_records();
        TPCM.EDUNIT = SCREEN_UNIT;
        WAVCOM.G = 32.152f;
    }
    void TearDown() override {
        reset_records();
        ConsoleTest::TearDown();
    }
    static void reset_records() {
        reset_tpcm();
        reset_himem();
        reset_wavcom();
        reset_pascom();
    }

    struct Point {
        float omega;
        float k;
    };
    // The grid: NWP points of the given frequencies and wave numbers, in the pool and in WAVCOM.
    static void set_grid(const std::vector<Point>& points) {
        TPCM.NWP = static_cast<Int>(points.size());
        lay_out_himem_pool();
        for (std::size_t i = 0; i < points.size(); ++i) {
            const int j = static_cast<int>(i) + 1;
            HIMEM.RLDUM(HIMEM.LCNW + j - 1) = points[i].omega;
            HIMEM.RLDUM(HIMEM.LCNWK + j - 1) = points[i].k;
            HIMEM.RLDUM(HIMEM.LCNW2 + j - 1) = points[i].omega * points[i].omega;
            WAVCOM.W(j) = points[i].omega;
            WAVCOM.W2(j) = points[i].omega * points[i].omega;
            WAVCOM.WVK(j) = points[i].k;
            TPCM.T(j) = 6.2831855f / points[i].omega;
        }
        // The period grid the spectral integrals read (an even step assumed).
        WAVCOM.NW = TPCM.NWP - 1;
        WAVCOM.TS = TPCM.T(1);
        WAVCOM.TL = TPCM.T(TPCM.NWP);
        WAVCOM.DT = TPCM.NWP > 1 ? TPCM.T(2) - TPCM.T(1) : 0.0f;
    }
    static void set_heading(float degrees) {
        HIMEM.RAOANG(1) = degrees;
        WAVCOM.IRAO = 1;
    }
    // The run's end status of a call that must end it (-1 when it returned).
    template <class F>
    static int end_status(F&& f) {
        try {
            f();
        } catch (const ProgramEnd& e) {
            return e.status;
        }
        return -1;
    }
    static int count(const std::string& text, const std::string& what) { return static_cast<int>(testing::count_of(text, what)); }
};

}  // namespace brevant::testing

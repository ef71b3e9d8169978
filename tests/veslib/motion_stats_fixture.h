// Fresh records for the second motion phase's tests: a period grid in WAVCOM and in the motion pool
// (deep-water wave numbers), unit RAOs, and the spread-sea words as motion phase 1 leaves them.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "records/data_image.h"
#include "records/motion_record.h"
#include "records/response_record.h"
#include "records/wave_record.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"
#include "test_support.h"
#include "veslib/hull_dispatch.h"
#include "veslib/wave_environment.h"

namespace brevant::testing {

class MotionStatsTest : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_records();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.NUNTS = 1;
        TPCM.DEPTH = 1000.0f;
        TPCM.MOTION.fill(1);
    }
    void TearDown() override {
        reset_records();
        clear_hull_table();
        ConsoleTest::TearDown();
    }
    static void reset_records() {
        reset_tpcm();
        reset_himem();
        reset_wavcom();
        reset_pascom();
    }

    // Periods first, first + step, ... (n of them) in WAVCOM and the pool, k = w^2 / g.
    static void grid(float first, float step, int n) {
        TPCM.NWP = n;
        for (int i = 1; i <= n; ++i) TPCM.T(i) = first + step * static_cast<float>(i - 1);
        set_wave_grid(TPCM.T.data(), TPCM.NWP, TPCM.NUNTS);
        lay_out_himem_pool();
        for (int j = 1; j <= n; ++j) {
            HIMEM.RLDUM(HIMEM.LCNW + j - 1) = WAVCOM.W(j);
            HIMEM.RLDUM(HIMEM.LCNW2 + j - 1) = WAVCOM.W2(j);
            HIMEM.RLDUM(HIMEM.LCNWK + j - 1) = WAVCOM.W2(j) / WAVCOM.G;
            WAVCOM.WVK(j) = WAVCOM.W2(j) / WAVCOM.G;
        }
    }
    // Every RAO of the six arrays 1 + 0i.
    static void unit_raos() {
        for (int d = 1; d <= 6; ++d)
            for (int i = 1; i <= 100; ++i) HIMEM.SEARAO(i, d) = Complex(1.0f, 0.0f);
    }
    // A sea spectrum in the slot of height IHT, already integrated (LWVCMP set): the values given by
    // f(w) at the grid frequencies.
    template <class F>
    static void sea_spectrum(Int IHT, F f) {
        const Int slot = HIMEM.LCNPSD + (IHT - 1) * HIMEM.NARRAY;
        for (int j = 1; j <= TPCM.NWP; ++j) HIMEM.RLDUM(slot + j - 1) = f(WAVCOM.W(j));
        WAVCOM.LWVCMP = 1;
    }
    static Int sea_slot(Int IHT) { return HIMEM.LCNPSD + (IHT - 1) * HIMEM.NARRAY; }
    static Int pair(Int IHT, Int IHD, Int IIN) {
        return LOCAT0(HIMEM.NHTNHD, HIMEM.MAXHT, IHD, IHT, IIN, HIMEM.LOCSIG);
    }
    // The run's end status of a call that must end it (-1 when it returned).
    template <class Fn>
    static int end_status(Fn&& fn) {
        try {
            fn();
        } catch (const ProgramEnd& e) {
            return e.status;
        }
        return -1;
    }
};

}  // namespace brevant::testing

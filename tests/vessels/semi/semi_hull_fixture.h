// A member-built hull of two vertical circular columns (metric), whose hydrostatics have closed
// forms: radius 4 at 20 either side of the centreline, draft 25, so V = 2 A T, KB = T/2,
// KM - KB = r^2/(4T) (+ y^2/T transversely), AWP = 2 A; fresh records and units for every test.
#pragma once

#include <gtest/gtest.h>

#include <cmath>

#include "records/data_image.h"
#include "records/member_table.h"
#include "records/motion_record.h"
#include "records/response_record.h"
#include "records/wave_record.h"
#include "sysutl/program_end.h"
#include "test_support.h"
#include "vessels/semi/member_built_hull.h"
#include "vessels/semi/member_forces.h"
#include "vessels/semi/semi_characteristics.h"

namespace brevant::testing {

class TwinColumnTest : public ConsoleTest {
protected:
    static constexpr double kRadius = 4.0;
    static constexpr double kDraft = 25.0;
    static constexpr double kOffset = 20.0;
    static constexpr double kArea = 3.14159265358979 * kRadius * kRadius;  // 50.265482

    void SetUp() override {
        ConsoleTest::SetUp();
        reset_all();
        TPCM.EDUNIT = SCREEN_UNIT;
        WAVCOM.G = 9.8f;
        TPCM.DWATR = 1025.0f;
        TPCM.DRAFT = 25.0f;
        TPCM.VKB = 12.5f;
        TPCM.VKG = 8.0f;
        TPCM.AWP = 100.53096f;
        TPCM.VKMT = 28.66f;
        TPCM.VKML = 12.66f;
        TPCM.LWL = 16.0f;
        TPCM.BWL = 16.0f;
        TPCM.DISPL = 2576.106f;
        TPCM.PGYR = 20.0f;
        TPCM.RGYR = 18.0f;
        TPCM.YGYR = 22.0f;
        TPCM.NCYL = 2;
        for (int i = 1; i <= 2; ++i) {
            const float y = i == 1 ? 20.0f : -20.0f;
            set_member(i, {0.0f, y, 0.0f}, {0.0f, y, 40.0f});
        }
        // Periods 5, 6, ..., 25 s.
        TPCM.NWP = 21;
        for (int j = 1; j <= 21; ++j) TPCM.T(j) = static_cast<float>(j + 4);
    }
    void TearDown() override {
        reset_all();
        ConsoleTest::TearDown();
    }
    static void reset_all() {
        reset_tpcm();
        reset_himem();
        reset_wavcom();
        reset_pascom();
        reset_simcom();
        reset_semi_characteristics();
        reset_member_forces();
    }

    // A circular member of radius 4 (axial length 40) from base to top, MEMDIR 3, added mass (1, 1, 0).
    static void set_member(int i, std::initializer_list<float> base, std::initializer_list<float> top) {
        int j = 1;
        for (float v : base) TPCM.RCYLB(j++, i) = v;
        j = 1;
        for (float v : top) TPCM.RCYLT(j++, i) = v;
        TPCM.NCYLTP(i) = 1;
        TPCM.MEMDIR(i) = 3;
        TPCM.XAREA(i) = 50.265482f;
        TPCM.DIAMS(1, i) = 8.0f;
        TPCM.DIAMS(2, i) = 8.0f;
        TPCM.DIAMS(3, i) = 40.0f;
        TPCM.CYLCM(1, i) = 1.0f;
        TPCM.CYLCM(2, i) = 1.0f;
        TPCM.CYLCM(3, i) = 0.0f;
        for (int k = 1; k <= 3; ++k) TPCM.CYLCMI(k, i) = TPCM.CYLCD(k, i) = TPCM.CYLCDI(k, i) = 0.0f;
    }

    // Runs SEMCHR; the exit status when it ends the program, -1 when it returns.
    static int run_semchr() {
        try {
            SEMCHR();
        } catch (const ProgramEnd& e) {
            return e.status;
        }
        return -1;
    }
};

}  // namespace brevant::testing

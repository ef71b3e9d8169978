// A metric box ship 120 x 24 x 8 m in 1000 m of water (deep for every period of its grid, 4 to 12 s
// by 0.5), drift fields 4, 4, 4, regular waves of constant height 3 m, no wind, current or waves,
// one attack angle of 120 degrees, the report to "BREVOUT.stxt", the console on the silent unit.
// Tests switch on what they need and run the whole analysis in the process.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/analysis_core.h"
#include "core/attack_angle_spectra.h"
#include "core/run_values.h"
#include "edlib/new_case.h"
#include "lowlib/current_profile.h"
#include "lowlib/drift_preparation.h"
#include "records/data_image.h"
#include "records/equilibrium_record.h"
#include "records/motion_record.h"
#include "records/response_record.h"
#include "records/sines_record.h"
#include "records/wave_record.h"
#include "sysutl/units.h"
#include "test_support.h"
#include "vessels/hull_table.h"
#include "vessels/ship/ship_characteristics.h"
#include "veslib/hull_dispatch.h"
#include "veslib/motion_phase1.h"
#include "veslib/rao_refresh.h"

namespace brevant::testing {

inline void reset_run_state() {
    reset_tpcm();
    reset_wavcom();
    reset_equilb();
    reset_himem();
    reset_pascom();
    reset_sines();
    reset_curprof();
    reset_cfprep();
    reset_vesl1();
    reset_relraoup();
    reset_angspec_row_refusal();
    reset_ship_characteristics();
    clear_hull_table();
}

inline constexpr float kBoxL = 120.0f, kBoxB = 24.0f, kBoxT = 8.0f, kBoxRho = 1025.0f;

inline void store_deep_box_case() {
    store_new_case_defaults(16);
    Tpcm& P = TPCM;
    P.EDUNIT = SILENT_UNIT;
    P.IUNIT = DISK_UNIT;
    P.NEGSUM = 1;
    P.NUNTS = 1;
    P.VESTYP = 1;
    P.DEPTH = 1000.0f;
    P.DWATR = kBoxRho;
    P.DISPL = kBoxL * kBoxB * kBoxT * kBoxRho / 1000.0f;
    P.VKB = kBoxT / 2.0f;
    P.VKG = 8.0f;
    P.DRAFT = kBoxT;
    P.AWP = kBoxL * kBoxB;
    P.PGYR = 0.25f * kBoxL;
    P.RGYR = 0.35f * kBoxB;
    P.YGYR = 0.25f * kBoxL;
    P.VKMT = kBoxT / 2.0f + kBoxB * kBoxB / (12.0f * kBoxT);
    P.VKML = kBoxT / 2.0f + kBoxL * kBoxL / (12.0f * kBoxT);
    P.LWL = kBoxL;
    P.BWL = kBoxB;
    P.NWP = 17;
    for (int i = 1; i <= 17; ++i) P.T(i) = 4.0f + 0.5f * static_cast<float>(i - 1);
    P.LWVCOF = 0x444;
    P.LSLPHT = 0;
    P.SLPHT = 3.0f;
    P.LWIND = 0;
    P.LCURNT = 0;
    P.LRANDM = 0;
    P.LSWELL = 0;
    P.AUXFRC = 0;
    P.NUMBRV = 1;
    P.LANGARR = 0;
    P.VESAN0 = 120.0f;
    P.BRVINC = 0.0f;
    P.BRVARM = 0.0f;
    P.BRVFLG = 0;
}

// A Mean JONSWAP sea of 4 m and 8 s from 180 degrees.
inline void add_sea() {
    Tpcm& P = TPCM;
    P.LRANDM = 1;
    P.WAVTYP = 2;
    P.SWHT(1) = 4.0f;
    P.SIGPD(1) = 8.0f;
    P.SEAHDG(1) = 180.0f;
}

inline Int bits(std::initializer_list<int> numbers) {
    unsigned w = 0;
    for (int b : numbers) w |= 1u << (b - 1);
    return static_cast<Int>(w);
}

// The number printed in WIDTH columns from column FIRST_COLUMN (counted from 1) of a line.
inline double field(const std::string& line, std::size_t first_column, std::size_t width) {
    return std::stod(line.substr(first_column - 1, width));
}

// A whole run of the deep-box case in the process: each test starts from the stored case in a
// scratch folder of its own and leaves no run state behind.
class DeepBoxRun : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_run_state();
        store_deep_box_case();
    }
    void TearDown() override {
        reset_run_state();
        ConsoleTest::TearDown();
    }
    // The run, and the report's pages after the title page.
    std::vector<std::string> run() {
        BRVCOR();
        std::vector<std::string> pages = pages_of(file_bytes(kReportFile));
        EXPECT_FALSE(pages.empty());
        if (!pages.empty()) pages.erase(pages.begin());
        return pages;
    }
    ScratchDir dir_;
};

}  // namespace brevant::testing

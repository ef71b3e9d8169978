// The reuse of a hull solve by the RAO refresh, on the real ship hull: a series of forced refreshes
// (the attack-angle form with sea and swell, repeated and changing headings, the vessel-heading form)
// leaves the same pool RAOs and relative motions, bit for bit, with the reuse on and off, and the
// reuse runs the hull only for inputs it has not just solved.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <vector>

#include "records/response_record.h"
#include "ship_box_fixture.h"
#include "vessels/hull_table.h"
#include "veslib/hull_dispatch.h"
#include "veslib/rao_refresh.h"

namespace brevant {
namespace {

class RaoSolveReuse : public testing::ShipBoxTest {
protected:
    void SetUp() override {
        ShipBoxTest::SetUp();
        TPCM.VESTYP = 1;
        TPCM.LWL = 100.0f;
        TPCM.BWL = 20.0f;
        TPCM.AWP = 2000.0f;
        TPCM.LRANDM = 1;
        TPCM.LSWELL = 1;
        TPCM.SEAHDG(1) = 180.0f;
        TPCM.SWLHDG = 150.0f;
        reset_relraoup();
        install_hull_table(real_hull_table());
    }
    void TearDown() override {
        clear_hull_table();
        set_rao_solve_reuse(true);
        reset_relraoup();
        ShipBoxTest::TearDown();
    }

    struct Step {
        Real heading;  // the relative heading input (form 0) or unused (form 1)
        Real vesang;   // vessel heading, radians
        Int form;
    };
    struct Outcome {
        std::vector<std::uint32_t> bits;  // pool RAOs and the relative motions after every step
        unsigned long long hull_runs;
    };

    Outcome run(const std::vector<Step>& steps, bool reuse) {
        reset_relraoup();
        reset_pascom();
        set_rao_solve_reuse(reuse);
        Outcome out{{}, 0};
        const unsigned long long before = hull_run_count();
        for (const Step& s : steps) {
            Real heading = s.heading;
            RELRAOUP(heading, s.vesang, s.form, 0, 1);
            for (int mode = 1; mode <= 6; ++mode)
                for (int j = 1; j <= TPCM.NWP; ++j) {
                    const Complex c = pool(mode, j);
                    out.bits.push_back(std::bit_cast<std::uint32_t>(c.real()));
                    out.bits.push_back(std::bit_cast<std::uint32_t>(c.imag()));
                }
            for (int col = 1; col <= 2; ++col)
                for (int j = 1; j <= TPCM.NWP; ++j)
                    out.bits.push_back(std::bit_cast<std::uint32_t>(PASCOM.RLRAO2(j, col)));
        }
        out.hull_runs = hull_run_count() - before;
        return out;
    }
};

TEST_F(RaoSolveReuse, SeriesOfRefreshesIsBitForBitTheSameWithFewerHullRuns) {
    const std::vector<Step> steps = {
        {180.0f, 0.0f, 0}, {180.0f, 0.0f, 0}, {210.0f, 0.5f, 0}, {210.0f, 0.5f, 0},
        {180.0f, 0.0f, 0}, {0.0f, 0.5f, 1},   {0.0f, 0.5f, 1},   {195.0f, 0.25f, 0},
    };
    const Outcome off = run(steps, false);
    const Outcome on = run(steps, true);
    ASSERT_EQ(on.bits.size(), off.bits.size());
    EXPECT_TRUE(on.bits == off.bits);
    // Off: every system of every step runs the hull (four entry-point calls a solve).
    EXPECT_EQ(off.hull_runs, 4u * 2u * steps.size());
    // On: the swell of each attack-angle step takes the sea's solve, and a step that repeats the one
    // before it takes its solve; the vessel-heading form gives sea and swell their own headings.
    EXPECT_EQ(on.hull_runs, 4u * (1u + 0u + 1u + 0u + 1u + 2u + 2u + 1u));
}

TEST_F(RaoSolveReuse, ChangedCaseDataIsSolvedAgain) {
    set_rao_solve_reuse(true);
    Real heading = 180.0f;
    RELRAOUP(heading, 0.0f, 0, 0, 1);
    const Complex before = pool(3, 5);
    const unsigned long long runs = hull_run_count();
    TPCM.DRAFT = 6.0f;  // a changed word of the data image
    TPCM.DISPL = 100.0f * 20.0f * 6.0f * 64.0f / 1000.0f;
    heading = 180.0f;
    RELRAOUP(heading, 0.0f, 0, 0, 1);
    EXPECT_GT(hull_run_count(), runs);
    EXPECT_NE(pool(3, 5), before);
}

}  // namespace
}  // namespace brevant

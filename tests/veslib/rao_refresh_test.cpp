// The RAO refresh through a recording hull: the order of the hull calls and of RELRAO per active
// wave system, the headings and the speed direction the hull sees, the user table in place of the
// hull's RAOs, the zeroing of computed RAOs, the final column copy, and the recompute-or-reuse rule.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rao_pool_fixture.h"
#include "veslib/hull_dispatch.h"
#include "veslib/rao_refresh.h"
#include "veslib/user_raos.h"

namespace brevant {
namespace {

constexpr Real kUnset = -1.0f;

class RaoRefresh : public testing::RaoPoolTest {
protected:
    void SetUp() override {
        RaoPoolTest::SetUp();
        reset_relraoup();
        reset_usrrao();
        set_grid({{0.4f, 0.02f}, {0.6f, 0.04f}, {0.8f, 0.07f}});
        TPCM.VESTYP = 1;
        TPCM.LWL = 100.0f;
        TPCM.BWL = 20.0f;
        TPCM.DRAFT = 5.0f;
        TPCM.DEPTH = 500.0f;
        TPCM.SIMTYP = 16;
        HullEntryPoints ship{[this] { record("CHR"); },
                             [this](Int& NPASS2) { record("FRC " + std::to_string(NPASS2)); },
                             [this] {
                                 record("RAO");
                                 ++rao_runs_;
                                 // Every RAO of the run: (run, degree of freedom + frequency / 10).
                                 for (int j = 1; j <= TPCM.NWP; ++j)
                                     for (int d = 1; d <= 6; ++d)
                                         HIMEM.SEARAO(j, d) = Complex(static_cast<float>(rao_runs_),
                                                                      static_cast<float>(d) + 0.1f * static_cast<float>(j));
                             },
                             [this] { record("SUM"); }, [this] { record("OUT"); }};
        HullTable t;
        t.ship = ship;
        install_hull_table(t);
        mark_columns();
    }
    void TearDown() override {
        clear_hull_table();
        reset_relraoup();
        reset_usrrao();
        RaoPoolTest::TearDown();
    }

    // The columns RELRAO has written so far: its ship branch always writes RLRAO2.
    std::string written() const {
        std::string s;
        for (int c = 1; c <= 3; ++c)
            if (PASCOM.RLRAO2(1, c) != kUnset) s += std::to_string(c);
        return s;
    }
    void mark_columns() {
        for (int c = 1; c <= 3; ++c) PASCOM.RLRAO2(1, c) = kUnset;
    }
    void record(const std::string& what) {
        calls_.push_back(what + " [" + written() + "]");
        vgldir_seen_.push_back(TPCM.VGLDIR);
        heading_seen_.push_back(HIMEM.RAOANG(WAVCOM.IRAO));
    }
    void refresh(Real tnkang, Int itypflg, Logical force = 1, Real reldeg = 0.0f) {
        reldeg_ = reldeg;
        RELRAOUP(reldeg_, tnkang, itypflg, 0, force);
    }

    std::vector<std::string> calls_;
    std::vector<Real> vgldir_seen_;
    std::vector<Real> heading_seen_;
    int rao_runs_ = 0;
    Real reldeg_ = 0.0f;
};

std::vector<std::string> hull_run(const std::string& columns_before) {
    return {"CHR [" + columns_before + "]", "FRC 0 [" + columns_before + "]", "FRC 5 [" + columns_before + "]",
            "RAO [" + columns_before + "]"};
}

TEST_F(RaoRefresh, EachActiveSystemRunsTheHullThenItsRelativeMotions) {
    struct Case {
        Int sea, swell, swell2;
        std::vector<std::string> calls;
        std::string columns;
    };
    const auto join = [](std::vector<std::vector<std::string>> parts) {
        std::vector<std::string> all;
        for (auto& p : parts) all.insert(all.end(), p.begin(), p.end());
        return all;
    };
    const Case cases[] = {
        {1, 1, 1, join({hull_run(""), hull_run("1"), hull_run("12")}), "123"},
        {1, 0, 1, join({hull_run(""), hull_run("1")}), "13"},
        {0, 1, 0, hull_run(""), "2"},
        {0, 0, 1, hull_run(""), "3"},
    };
    for (const Case& c : cases) {
        calls_.clear();
        mark_columns();
        TPCM.LRANDM = c.sea;
        TPCM.LSWELL = c.swell;
        TPCM.LSWEL2 = c.swell2;
        refresh(0.3f, 1);
        EXPECT_EQ(calls_, c.calls) << c.sea << c.swell << c.swell2;
        EXPECT_EQ(written(), c.columns);
        EXPECT_EQ(WAVCOM.IRAO, 1);
    }
}

TEST_F(RaoRefresh, SwellHeadingAndSpeedDirectionAreTurnedIntoVesselAxesForTheHull) {
    TPCM.LSWELL = 1;
    TPCM.SWLHDG = 100.0f;
    TPCM.VGLDIR = 0.0f;
    refresh(1.2f, 1);
    EXPECT_NEAR(reldeg_, 31.245064f, 2e-5f);
    EXPECT_NEAR(HIMEM.RAOANG(1), 31.245064f, 2e-5f);
    EXPECT_EQ(WAVCOM.IRAO, 1);
    ASSERT_EQ(vgldir_seen_.size(), 4u);
    for (Real v : vgldir_seen_) EXPECT_NEAR(v, 291.24506f, 2e-4f);
    for (Real h : heading_seen_) EXPECT_NEAR(h, 31.245064f, 2e-5f);
    EXPECT_EQ(TPCM.VGLDIR, 0.0f);

    // A sea heading of 30 and a vessel heading of 0.5 rad: 1.3521118 degrees, not reduced.
    TPCM.LSWELL = 0;
    TPCM.LRANDM = 1;
    TPCM.SEAHDG(1) = 30.0f;
    TPCM.VGLDIR = 45.0f;
    refresh(0.5f, 1);
    EXPECT_NEAR(reldeg_, 1.3521118f, 1e-6f);
    EXPECT_EQ(TPCM.VGLDIR, 45.0f);
    // A heading that goes negative is reduced only for RAOANG.
    refresh(1.0f, 1);
    EXPECT_NEAR(reldeg_, 30.0f - 57.2957764f, 1e-5f);
    EXPECT_NEAR(HIMEM.RAOANG(1), 360.0f + 30.0f - 57.2957764f, 1e-4f);
}

TEST_F(RaoRefresh, AttackAngleFormUsesTheGivenHeadingForEverySystem) {
    TPCM.LRANDM = 1;
    TPCM.LSWELL = 1;
    refresh(0.2f, 0, 1, 400.0f);
    EXPECT_EQ(reldeg_, 400.0f);
    for (Real h : heading_seen_) EXPECT_NEAR(h, 40.0f, 1e-4f);
}

TEST_F(RaoRefresh, UserTableTakesThePlaceOfTheHullRaos) {
    testing::ScratchDir dir;
    testing::put_file("USERRAOS.txt",
                      "2 2\n0\n0.1 1 0 0 0 0 0 0 0 0 0 0 0\n1.0 1 0 0 0 0 0 0 0 0 0 0 0\n"
                      "180\n0.1 3 0 0 0 0 0 0 0 0 0 0 0\n1.0 3 0 0 0 0 0 0 0 0 0 0 0\n");
    TPCM.AUXVSH = 1;
    TPCM.LSWELL = 1;
    TPCM.SWLHDG = 90.0f;
    PASCOM.QUASQUENCH = 1;
    refresh(0.0f, 1);
    EXPECT_EQ(calls_, (std::vector<std::string>{"CHR []", "FRC 0 []", "FRC 5 []"}));
    for (int j = 1; j <= 3; ++j) {
        EXPECT_NEAR(HIMEM.SGRAO(j).real(), 2.0f, 1e-6f);  // halfway between the headings 0 and 180
        EXPECT_EQ(HIMEM.HVRAO(j), Complex(0.0f, 0.0f));
    }
    EXPECT_EQ(written(), "2");
    EXPECT_EQ(screen(), "");
}

TEST_F(RaoRefresh, QuenchZeroesHeaveRollAndPitchOfComputedRaosOnly) {
    TPCM.LRANDM = 1;
    PASCOM.QUASQUENCH = 1;
    refresh(0.0f, 1);
    for (int j = 1; j <= 3; ++j) {
        EXPECT_EQ(HIMEM.HVRAO(j), Complex(0.0f, 0.0f));
        EXPECT_EQ(HIMEM.RLRAO(j), Complex(0.0f, 0.0f));
        EXPECT_EQ(HIMEM.PTRAO(j), Complex(0.0f, 0.0f));
        EXPECT_EQ(HIMEM.SGRAO(j), Complex(1.0f, 1.0f + 0.1f * static_cast<float>(j)));
        EXPECT_EQ(HIMEM.SWRAO(j), Complex(1.0f, 2.0f + 0.1f * static_cast<float>(j)));
        EXPECT_EQ(HIMEM.YWRAO(j), Complex(1.0f, 6.0f + 0.1f * static_cast<float>(j)));
    }
    // Another value than 1 zeroes nothing.
    PASCOM.QUASQUENCH = 2;
    refresh(0.0f, 1);
    EXPECT_EQ(HIMEM.HVRAO(1), Complex(2.0f, 3.1f));
}

TEST_F(RaoRefresh, FinalCopyMovesOneColumnOfTheFourArrays) {
    const auto fill = [] {
        for (int j = 1; j <= 3; ++j)
            for (int c = 1; c <= 3; ++c) {
                const float v = static_cast<float>(10 * c + j);
                PASCOM.RLRAO2(j, c) = v;
                PASCOM.FDRGLAT(j, c) = v + 100.0f;
                PASCOM.MDRGLAT(j, c) = v + 200.0f;
                PASCOM.RLRAOH2(j, c) = v + 300.0f;
                PASCOM.HRAO(j, c) = v + 400.0f;
            }
    };
    // All systems off, attack-angle form: no hull, no RELRAO, column 2 into column 1.
    fill();
    refresh(0.0f, 0);
    EXPECT_TRUE(calls_.empty());
    for (int j = 1; j <= 3; ++j) {
        EXPECT_EQ(PASCOM.RLRAO2(j, 1), static_cast<float>(20 + j));
        EXPECT_EQ(PASCOM.FDRGLAT(j, 1), static_cast<float>(120 + j));
        EXPECT_EQ(PASCOM.MDRGLAT(j, 1), static_cast<float>(220 + j));
        EXPECT_EQ(PASCOM.RLRAOH2(j, 1), static_cast<float>(320 + j));
        EXPECT_EQ(PASCOM.HRAO(j, 1), static_cast<float>(410 + j));  // not one of the four
        EXPECT_EQ(PASCOM.RLRAO2(j, 3), static_cast<float>(30 + j));
        EXPECT_EQ(PASCOM.RLRAO2(j, 2), static_cast<float>(20 + j));
    }
    // The vessel-heading form copies nothing.
    fill();
    refresh(0.0f, 1);
    EXPECT_EQ(PASCOM.RLRAO2(1, 1), 11.0f);

    // Sea and swell on: column 2, as the swell's RELRAO wrote it, is overwritten by column 1.
    TPCM.LRANDM = 1;
    TPCM.LSWELL = 1;
    fill();
    refresh(0.0f, 0, 1, 30.0f);
    for (int j = 1; j <= 3; ++j) {
        EXPECT_EQ(PASCOM.RLRAO2(j, 2), PASCOM.RLRAO2(j, 1));
        EXPECT_EQ(PASCOM.FDRGLAT(j, 2), PASCOM.FDRGLAT(j, 1));
        EXPECT_EQ(PASCOM.MDRGLAT(j, 2), PASCOM.MDRGLAT(j, 1));
        EXPECT_EQ(PASCOM.RLRAOH2(j, 2), PASCOM.RLRAOH2(j, 1));
        EXPECT_EQ(PASCOM.RLRAO2(j, 3), static_cast<float>(30 + j));
    }
    EXPECT_NE(PASCOM.RLRAO2(1, 1), 11.0f);  // RELRAO did write column 1
}

TEST_F(RaoRefresh, UnforcedCallsReuseSavedRaosOnlyNearTheLastHeadingAndDraft) {
    TPCM.LRANDM = 1;
    refresh(0.0f, 1, 0);  // first call ever: computed even unforced
    EXPECT_EQ(rao_runs_, 1);
    struct Step {
        Real tnkang;
        Real delta_draft;
        bool recompute;
    };
    // From a computation at 0.0: the seam, exactly the threshold, just above it; the draft likewise.
    const Step steps[] = {
        {0.01f, 0.0f, false}, {6.27f, 0.0f, false}, {0.02f, 0.0f, false}, {0.0201f, 0.0f, true},
        {0.0201f, 0.2f, false}, {0.0201f, 0.25f, true},
    };
    for (const Step& s : steps) {
        const int before = rao_runs_;
        // A disturbed pool: reuse must put the saved RAOs back.
        for (Complex& c : HIMEM.SEARAO()) c = Complex(-9.0f, -9.0f);
        PASCOM.DELTA_DRAFT = s.delta_draft;
        calls_.clear();
        refresh(s.tnkang, 1, 0);
        EXPECT_EQ(rao_runs_ - before, s.recompute ? 1 : 0) << s.tnkang << " " << s.delta_draft;
        EXPECT_EQ(calls_.empty(), !s.recompute);
        EXPECT_EQ(HIMEM.SGRAO(2), Complex(static_cast<float>(rao_runs_), 1.2f)) << s.tnkang;
        EXPECT_EQ(written(), "1");
    }
    // A forced call always computes.
    refresh(0.0201f, 1, 1);
    EXPECT_EQ(rao_runs_, 4);
}

TEST_F(RaoRefresh, UnforcedHeadingChangeRecomputesEveryActiveSystem) {
    TPCM.LRANDM = 1;
    TPCM.LSWELL = 1;
    TPCM.SEAHDG(1) = 0.0f;
    TPCM.SWLHDG = 90.0f;
    refresh(0.0f, 1, 1);
    EXPECT_EQ(rao_runs_, 2);
    calls_.clear();
    refresh(0.5f, 1, 0);
    EXPECT_EQ(rao_runs_, 4);
    // The swell's RAOs were computed at its own new heading.
    EXPECT_NEAR(heading_seen_.back(), 90.0f - 0.5f * 57.2957764f, 1e-4f);
    // Unchanged heading: both reused, the swell's (the last) RAOs back in the pool.
    for (Complex& c : HIMEM.SEARAO()) c = Complex(0.0f, 0.0f);
    refresh(0.5f, 1, 0);
    EXPECT_EQ(rao_runs_, 4);
    EXPECT_EQ(HIMEM.SGRAO(1), Complex(4.0f, 1.1f));
    // The same vessel heading with another wave heading is not the same relative heading.
    TPCM.SWLHDG = 120.0f;
    refresh(0.5f, 1, 0);
    EXPECT_EQ(rao_runs_, 5);
}

TEST_F(RaoRefresh, ShipWithMembersRunsTheShipAndAHullWithoutModelSavesThePoolAsItStands) {
    TPCM.LRANDM = 1;
    TPCM.SEMI_LIKE = 1;
    refresh(0.0f, 1);
    EXPECT_EQ(calls_.size(), 4u);

    TPCM.VESTYP = 3;
    TPCM.SEMI_LIKE = 0;
    calls_.clear();
    for (Complex& c : HIMEM.SEARAO()) c = Complex(0.5f, 0.25f);
    refresh(0.0f, 1);
    EXPECT_TRUE(calls_.empty());
    for (Complex& c : HIMEM.SEARAO()) c = Complex(0.0f, 0.0f);
    refresh(0.0f, 1, 0);
    EXPECT_EQ(HIMEM.SGRAO(3), Complex(0.5f, 0.25f));
}

}  // namespace
}  // namespace brevant

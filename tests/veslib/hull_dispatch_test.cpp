// The hull dispatch: the first-match rule over VESTYP and SEMI_LIKE, every entry point reaching the
// selected hull only, and a selected hull without installed entry points refused loudly.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "records/data_image.h"
#include "veslib/hull_dispatch.h"

namespace brevant {
namespace {

class HullDispatch : public ::testing::Test {
protected:
    void SetUp() override {
        reset_tpcm();
        HullTable t;
        t.ship = recording("ship");
        t.jackup = recording("jackup");
        t.member_built = recording("member");
        t.disc_buoy = recording("disc");
        install_hull_table(t);
    }
    void TearDown() override {
        clear_hull_table();
        reset_tpcm();
    }
    std::vector<std::string> calls_;

    HullEntryPoints recording(const std::string& name) {
        return {[this, name] { calls_.push_back(name + " CHR"); },
                [this, name](Int& NPASS2) { calls_.push_back(name + " FRC " + std::to_string(NPASS2)); },
                [this, name] { calls_.push_back(name + " RAO"); }, [this, name] { calls_.push_back(name + " SUM"); },
                [this, name] { calls_.push_back(name + " OUT"); }};
    }
};

TEST_F(HullDispatch, FirstMatchWinsAndEveryEntryPointReachesTheSameHull) {
    struct Case {
        Int VESTYP;
        Logical SEMI_LIKE;
        HullModel model;
        const char* name;
    };
    const Case cases[] = {
        {1, 0, HullModel::Ship, "ship"},          {1, 1, HullModel::Ship, "ship"},
        {2, 1, HullModel::JackUp, "jackup"},      {3, 1, HullModel::MemberBuilt, "member"},
        {4, 1, HullModel::MemberBuilt, "member"}, {6, -1, HullModel::MemberBuilt, "member"},
        {4, 0, HullModel::DiscBuoy, "disc"},      {3, 0, HullModel::None, nullptr},
        {5, 0, HullModel::None, nullptr},         {0, 0, HullModel::None, nullptr},
        {-4, 0, HullModel::None, nullptr},
    };
    for (const Case& c : cases) {
        TPCM.VESTYP = c.VESTYP;
        TPCM.SEMI_LIKE = c.SEMI_LIKE;
        EXPECT_EQ(selected_hull(), c.model) << c.VESTYP << " " << c.SEMI_LIKE;
        calls_.clear();
        Int NPASS2 = 5;
        hull_characteristics();
        hull_forces(NPASS2);
        hull_raos();
        hull_summary();
        hull_output();
        std::vector<std::string> expected;
        if (c.name != nullptr) {
            const std::string n = c.name;
            expected = {n + " CHR", n + " FRC 5", n + " RAO", n + " SUM", n + " OUT"};
        }
        EXPECT_EQ(calls_, expected) << c.VESTYP << " " << c.SEMI_LIKE;
    }
}

TEST_F(HullDispatch, ASelectedHullWithoutEntryPointsIsAProgrammingError) {
    clear_hull_table();
    TPCM.VESTYP = 1;
    EXPECT_THROW(hull_characteristics(), std::logic_error);
    Int NPASS2 = 0;
    EXPECT_THROW(hull_forces(NPASS2), std::logic_error);
    // No hull selected: nothing to call, nothing missing.
    TPCM.VESTYP = 3;
    EXPECT_NO_THROW(hull_characteristics());
}

}  // namespace
}  // namespace brevant

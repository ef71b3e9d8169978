// The net environmental load by attack angle: the external force alone (both coordinate systems),
// the yaw-arm identity over every source, the rows and their widths, the heading restored, the
// coefficient arrays of a source that is off or on at zero speed, and the index error.
#include <algorithm>
#include <cmath>
#include <sstream>
#include <vector>

#include "drift_fixture.h"
#include "lowlib/drift_preparation.h"
#include "lowlib/net_environmental_forces.h"

namespace brevant::testing {
namespace {

// The ten arrays of one call.
struct Loads {
    explicit Loads(int n) : net(n), wind(n), crnt(n), wdft(n), wdrg(n), sdft(n), sdrg(n), sdft2(n), sdrg2(n), fext(n) {}
    std::vector<Real> net, wind, crnt, wdft, wdrg, sdft, sdrg, sdft2, sdrg2, fext;
};

class NetForceTest : public DriftTest {
protected:
    void SetUp() override {
        DriftTest::SetUp();
        TPCM.NUNTS = 1;
        TPCM.DEPTH = 100.0f;
        TPCM.DRAFT = 10.0f;
        TPCM.LWL = 100.0f;
        TPCM.BWL = 20.0f;
        TPCM.LWBARG = 0x333;  // the box models: no table needed
        TPCM.LCBARG = 0x333;
        TPCM.XWNDAR = 400.0f;
        TPCM.YWNDAR = 1500.0f;
        TPCM.XWARM = 3.0f;
        TPCM.YWARM = 8.0f;
        TPCM.XCURAR = 200.0f;
        TPCM.YCURAR = 1000.0f;
        TPCM.XCARM = 2.0f;
        TPCM.YCARM = -4.0f;
        TPCM.WNDFAC = 1.0f;
        TPCM.CURFAC = 1.0f;
        TPCM.DWATR = 1025.0f;
        WAVCOM.G = 9.8f;
        WAVCOM.RHOAIR = 1.226f;
        TPCM.BRVINC = 90.0f;
    }
    static Loads call(Int IOUNIT, Int IXYZ, int n, Real START = 0.0f, const std::vector<Real>& angles = {}) {
        Loads L(std::max(n, 1));
        GET_LF_NET_FORCES(IOUNIT, IXYZ, L.net.data(), L.wind.data(), L.crnt.data(), L.wdft.data(), L.wdrg.data(),
                          L.sdft.data(), L.sdrg.data(), L.sdft2.data(), L.sdrg2.data(), L.fext.data(), n,
                          angles.empty() ? nullptr : angles.data(), angles.empty() ? 0 : 1, START);
        return L;
    }
    // The vessel-system external force of the acceptance case, its direction and size from CFPREP.
    static void external_force_only() {
        TPCM.AUXFRC = 1;
        TPCM.CRDSYS = 1;
        TPCM.XVFRC = 40.0f;
        TPCM.YVFRC = -30.0f;
        TPCM.VESMOM = 500.0f;
        TPCM.XVLOC = 5.0f;
        TPCM.YVLOC = 0.0f;
        TPCM.XSALM = 10.0f;  // CFPREP makes it the moment arm YAWARM
        CFPREP();
    }
};

TEST_F(NetForceTest, ExternalForceAloneInTheVesselSystem) {
    external_force_only();
    ASSERT_EQ(EQUILB.YAWARM, 10.0f);
    EQUILB.VESANG = 1.25f;
    for (Int k : {1, 2}) {
        const Loads L = call(0, k, 2);
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(L.net[i], k == 1 ? 40.0f : -30.0f) << k << " " << i;
            EXPECT_EQ(L.fext[i], L.net[i]);
            EXPECT_EQ(L.wdft[i], 0.0f);
        }
    }
    capture_unit(SCREEN_UNIT);
    const Loads M = call(SCREEN_UNIT, 3, 2);
    // (5 - 10) x 50 sin(atan2(-30, 40)) + 500 = 650.
    EXPECT_NEAR(M.net[0], 650.0f, 1e-3f);
    EXPECT_NEAR(M.net[1], 650.0f, 1e-3f);
    std::istringstream rows(screen());
    std::string first, second;
    std::getline(rows, first);
    std::getline(rows, second);
    EXPECT_EQ(first.substr(0, 7), "  360.0");
    EXPECT_EQ(second,
              "  270.0   0.000E+00   0.000E+00   0.000E+00   0.000E+00   0.000E+00   0.000E+00   6.500E+02   6.500E+02");
    EXPECT_EQ(EQUILB.VESANG, 1.25f);
}

TEST_F(NetForceTest, GlobalExternalForceTurnsWithTheVessel) {
    TPCM.AUXFRC = 1;
    TPCM.CRDSYS = 0;
    TPCM.XVFRC = -25.0f;
    TPCM.YVFRC = 60.0f;
    // Attack angle 270: the vessel heads 90 degrees, so surge = YVFRC and sway = -XVFRC.
    const Loads X = call(0, 1, 1, 0.0f, {270.0f});
    const Loads Y = call(0, 2, 1, 0.0f, {270.0f});
    EXPECT_NEAR(X.net[0], 60.0f, 1e-4f);
    EXPECT_NEAR(Y.net[0], 25.0f, 1e-4f);
    // Any other system code has no force.
    TPCM.CRDSYS = 2;
    EXPECT_EQ(call(0, 1, 1).net[0], 0.0f);
}

TEST_F(NetForceTest, NoAngleWritesNothingAndLeavesTheHeading) {
    external_force_only();
    EQUILB.VESANG = -0.5f;
    Loads L(1);
    L.net[0] = 7.0f;
    GET_LF_NET_FORCES(SCREEN_UNIT, 1, L.net.data(), L.wind.data(), L.crnt.data(), L.wdft.data(), L.wdrg.data(),
                      L.sdft.data(), L.sdrg.data(), L.sdft2.data(), L.sdrg2.data(), L.fext.data(), 0, nullptr, 0, 0.0f);
    EXPECT_EQ(L.net[0], 7.0f);
    EXPECT_EQ(screen(), "");
    EXPECT_EQ(EQUILB.VESANG, -0.5f);
}

TEST_F(NetForceTest, RowsHaveSixValuesWithoutDrag) {
    external_force_only();
    TPCM.BRVINC = 10.0f;
    for (Int legdrg : {0, 1}) {
        clear_captured(SCREEN_UNIT);
        TPCM.LEGDRG = legdrg;
        call(SCREEN_UNIT, 1, 3);
        std::istringstream in(screen());
        std::vector<std::string> rows;
        for (std::string line; std::getline(in, line);) rows.push_back(line);
        ASSERT_EQ(rows.size(), 3u);
        EXPECT_EQ(rows[1].substr(0, 7), "  350.0");
        EXPECT_EQ(rows[0].size(), 7u + 12u * (legdrg == 0 ? 8u : 6u)) << rows[0];
    }
}

// Wind, current and the second swell (which needs no RAO refresh) with drift from a user table and
// an external force: the moment about x = a is the moment about 0 less a times the sway force.
TEST_F(NetForceTest, YawArmIdentityOverEverySource) {
    grid(periods(4.0f, 2.0f, 9));
    TPCM.LWVCOF = 0x111;
    TPCM.WVFCX = TPCM.WVFCY = TPCM.WVFCM = 1.0f;
    put_file("DRFTCOFS.txt", drift_table_text({0.2, 0.8, 1.4, 2.0}, {0, 90, 180, 270, 360}, [](double w, double h) {
                 const double r = h / 57.29577951308232;
                 return DriftCoefficients{0.4 * std::cos(r) * w, 0.7 * std::sin(r), 0.05 * std::sin(2.0 * r) + 0.01 * w};
             }));
    for (Int i = 1; i <= TPCM.NWP; ++i) WAVCOM.SWLPSD2(i) = 1.5f / WAVCOM.W2(i);
    TPCM.LWIND = 1;
    TPCM.WNDHDG = 20.0f;
    TPCM.WNDSPD = 40.0f;
    TPCM.LCURNT = 1;
    TPCM.CURHDG = 200.0f;
    TPCM.CURSPD = 2.0f;
    TPCM.LSWEL2 = 1;
    TPCM.SWLHDG2 = 135.0f;
    TPCM.AUXFRC = 1;
    TPCM.CRDSYS = 0;
    TPCM.XVFRC = 12.0f;
    TPCM.YVFRC = -7.0f;
    TPCM.VESMOM = 90.0f;
    TPCM.XVLOC = 4.0f;
    TPCM.YVLOC = 1.5f;
    TPCM.BRVINC = 30.0f;
    EQUILB.YAWARM = 0.0f;
    CFPREP();
    WAVCOM.BOWCF = 30.0f;  // the drift factors after CFPREP, which writes its own
    WAVCOM.BEAMCF = 45.0f;
    ASSERT_GT(SINES.WNDCOF, 0.0f);
    ASSERT_GT(SINES.CURCOF, 0.0f);
    const int n = 12;
    const Loads Y = call(0, 2, n, 15.0f);
    const Loads M0 = call(0, 3, n, 15.0f);
    const Real a = 6.5f;
    EQUILB.YAWARM = a;
    const Loads Ma = call(0, 3, n, 15.0f);
    const Loads Ya = call(0, 2, n, 15.0f);
    for (int i = 0; i < n; ++i) {
        // The sway force does not depend on the arm.
        EXPECT_EQ(Ya.net[i], Y.net[i]) << i;
        const double arm = static_cast<double>(a);
        const double want = static_cast<double>(M0.net[i]) - arm * static_cast<double>(Y.net[i]);
        const double scale = std::fabs(static_cast<double>(M0.net[i])) + std::fabs(arm * static_cast<double>(Y.net[i]));
        EXPECT_NEAR(Ma.net[i], want, 1e-5 * scale) << i;
    }
    // Every source takes part (the second swell's sway drift vanishes only in head and following seas).
    EXPECT_EQ(std::count(Y.sdft2.begin(), Y.sdft2.end(), 0.0f), 2);
    EXPECT_EQ(std::count(Y.wind.begin(), Y.wind.end(), 0.0f) + std::count(Y.crnt.begin(), Y.crnt.end(), 0.0f) +
                  std::count(Y.fext.begin(), Y.fext.end(), 0.0f),
              0);
    EXPECT_EQ(screen(), "");
}

TEST_F(NetForceTest, WindAndCurrentCoefficientsPerSquaredSpeed) {
    TPCM.LWIND = 1;
    TPCM.WNDHDG = 0.0f;
    TPCM.WNDSPD = 30.0f;
    CFPREP();
    // Wind alone: the net is the wind load, the array the load per squared speed in m/s.
    const Loads on = call(0, 2, 4, 10.0f);
    for (int i = 0; i < 4; ++i) {
        const Real V = 30.0f * 0.5142f;
        EXPECT_NEAR(on.wind[i], on.net[i] / (V * V), 1e-6f * std::fabs(on.net[i]) + 1e-12f) << i;
    }
    // Off, the per-speed coefficient is still given (relative angle pi - heading), the load is not.
    TPCM.LWIND = 0;
    const Loads off = call(0, 2, 4, 10.0f);
    // On at a speed of 0 and wind from 0 (the same relative angle): the switched-off value, never a
    // division by zero.
    TPCM.LWIND = 1;
    TPCM.WNDSPD = 0.0f;
    CFPREP();
    const Loads still = call(0, 2, 4, 10.0f);
    TPCM.LCURNT = 1;
    TPCM.CURHDG = 0.0f;
    TPCM.CURSPD = 0.0f;
    const Loads still_current = call(0, 2, 4, 10.0f);
    TPCM.LCURNT = 0;
    const Loads off_current = call(0, 2, 4, 10.0f);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(off.net[i], 0.0f);
        EXPECT_NE(off.wind[i], 0.0f) << i;
        // The two ways of writing the coefficient agree to the rounding of the load constant.
        EXPECT_NEAR(off.wind[i], on.wind[i], 2e-3f * std::fabs(on.wind[i])) << i;
        EXPECT_TRUE(std::isfinite(still.wind[i]));
        EXPECT_EQ(still.wind[i], off.wind[i]) << i;
        EXPECT_TRUE(std::isfinite(still_current.crnt[i]));
        EXPECT_EQ(still_current.crnt[i], off_current.crnt[i]) << i;
        EXPECT_NE(off_current.crnt[i], 0.0f) << i;
    }
}

TEST_F(NetForceTest, ComponentOutsideTheThreeEndsTheRun) {
    TPCM.EDUNIT = SCREEN_UNIT;
    answers("x\nnext\n");
    const int status = end_status([] { call(SCREEN_UNIT, 4, 2); });
    EXPECT_EQ(status, 1);
    EXPECT_EQ(screen(), " +=> Index error in GET_LF_NET_FORCES; please contact Velmora\n     Press X to exit...\n");
    EXPECT_EQ(read_keyboard_line(), "next");
    // A silent run reads nothing.
    TPCM.EDUNIT = SILENT_UNIT;
    answers("kept\n");
    EXPECT_EQ(end_status([] { call(0, 0, 1); }), 1);
    EXPECT_EQ(silent(), " +=> Index error in GET_LF_NET_FORCES; please contact Velmora\n     Press X to exit...\n");
    EXPECT_EQ(read_keyboard_line(), "kept");
}

}  // namespace
}  // namespace brevant::testing

// The low-frequency force pages: the summary page (head, moment line, rows in both systems, zero
// force, the round trip from the net-force routine) and the two bare tables.
#include <sstream>
#include <string>
#include <vector>

#include "lowlib/force_report_pages.h"
#include "lowlib/net_environmental_forces.h"
#include "lowlib_fixture.h"
#include "records/equilibrium_record.h"

namespace brevant::testing {
namespace {

class ForcePagesTest : public LowlibTest {
protected:
    void SetUp() override {
        LowlibTest::SetUp();
        reset_equilb();
    }
    void TearDown() override {
        reset_equilb();
        LowlibTest::TearDown();
    }
    // The rows after the column heads (the lines after the "(deg)" line and its empty line).
    static std::vector<std::string> rows_of(const std::string& page) {
        const std::vector<std::string> lines = lines_of(page);
        std::vector<std::string> rows;
        bool in_rows = false;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (in_rows) rows.push_back(lines[i]);
            if (lines[i].rfind("  (deg)", 0) == 0) {
                in_rows = true;
                ++i;
            }
        }
        return rows;
    }
};

TEST_F(ForcePagesTest, SummaryPageMetricRowsAndMomentLine) {
    EQUILB.YAWARM = -7.25f;
    const Real FX[] = {120.5f, 0.0f};
    const Real FY[] = {-30.4f, 250.0f};
    const Real MZ[] = {2500.0f, -15000.0f};
    WRITE_LF_NET_FRC_PG(SCREEN_UNIT, 0, 2, 45.0f, 0.0f, nullptr, FX, FY, MZ, 0.0f, "m.ton", "ton-m.", "m.",
                        "(Vessel System) ");
    const std::string page = screen();
    // No source and no external force: from the title straight to the moment line.
    EXPECT_EQ(page.substr(0, page.find("Moments")),
              "   ****************  X. Environmental Force & Moment Summary   ***************\n\n\n\n            ");
    EXPECT_NE(page.find("\n            Moments in this table are computed about Xves =    -7.25 m.\n\n\n"
                        "  Vessel   ---  Vessel System  ---   ---  Global System  ---    Net      Net\n"
                        " Heading    VFx      VFy    Angle     GFx      GFy    Angle    Force    Moment\n"
                        "  (deg)   (m.ton)  (m.ton)  (deg)   (m.ton)  (m.ton)  (deg)   (m.ton)  (ton-m.)\n\n"),
              std::string::npos)
        << page;
    const std::vector<std::string> rows = rows_of(page);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], "  360.0    120.5    -30.4   -14.2    120.5    -30.4   -14.2    124.3   2.50E+03");
    EXPECT_EQ(rows[1], "  315.0       .0    250.0    90.0    176.8    176.8    45.0    250.0  -1.50E+04");
}

TEST_F(ForcePagesTest, SummaryPageHeadWithSourcesExternalForceAndShortCaptions) {
    TPCM.LWIND = 1;
    TPCM.WNDHDG = 45.0f;
    TPCM.LSWELL = 1;
    TPCM.SWLHDG = 190.0f;
    TPCM.LSWEL2 = 1;  // no line of its own
    TPCM.AUXFRC = 1;
    TPCM.XVFRC = 12.0f;
    TPCM.YVFRC = -3.0f;
    const Real zero[] = {0.0f};
    const Real angle[] = {360.0f};
    // English captions handed over shorter than their fixed lengths are written blank-padded.
    WRITE_LF_NET_FRC_PG(SCREEN_UNIT, 1, 1, 0.0f, 0.0f, angle, zero, zero, zero, 75.0f, "k.lbs", "kip-ft", "ft",
                        "(Global System)");
    const std::string page = screen();
    EXPECT_NE(page.find("\n                     Global Heading of Wind    =   45.00 deg\n"
                        "                     Global Heading of Swell   =  190.00 deg\n\n"
                        "                           External Forces & Moments\n"
                        "                                (Global System) \n\n"
                        "                             Fx =   1.20E+01 k.lbs\n"
                        "                             Fy =  -3.00E+00 k.lbs\n"
                        "                             Mz =   7.50E+01 kip-ft\n\n\n"
                        "            Moments in this table are computed about Xves =      .00 ft\n"),
              std::string::npos)
        << page;
    // A zero force at attack angle 360: both directions 0, the heading 0.0.
    EXPECT_EQ(rows_of(page).at(0), "     .0       .0       .0      .0       .0       .0      .0       .0   0.00E+00");
}

TEST_F(ForcePagesTest, GlobalExternalForceRoundTrip) {
    TPCM.LWBARG = TPCM.LCBARG = 0x333;
    TPCM.LWL = 100.0f;
    TPCM.AUXFRC = 1;
    TPCM.CRDSYS = 0;
    TPCM.XVFRC = -25.0f;
    TPCM.YVFRC = 60.0f;
    TPCM.BRVINC = 30.0f;
    const int n = 12;
    std::vector<Real> net[3];
    for (Int k = 1; k <= 3; ++k) {
        std::vector<Real> a(n), b(n), c(n), d(n), e(n), f(n), g(n), h(n), i(n);
        net[k - 1].resize(n);
        GET_LF_NET_FORCES(0, k, net[k - 1].data(), a.data(), b.data(), c.data(), d.data(), e.data(), f.data(),
                          g.data(), h.data(), i.data(), n, nullptr, 0, 0.0f);
    }
    WRITE_LF_NET_FRC_PG(SCREEN_UNIT, 0, n, 30.0f, 0.0f, nullptr, net[0].data(), net[1].data(), net[2].data(), 0.0f,
                        "m.ton", "ton-m.", "m.", "(Global System) ");
    const std::vector<std::string> rows = rows_of(screen());
    ASSERT_EQ(rows.size(), 12u);
    for (const std::string& row : rows) {
        ASSERT_EQ(row.size(), 79u) << row;
        EXPECT_EQ(row.substr(33, 9), "    -25.0") << row;
        EXPECT_EQ(row.substr(42, 9), "     60.0") << row;
        EXPECT_EQ(row.substr(59, 9), "     65.0") << row;
    }
}

TEST_F(ForcePagesTest, LoadTableScaledAndClosedOnTheFirstLoads) {
    const Real angles[] = {0.0f, 120.0f, 240.0f};
    const Real FX[] = {10.0f, 4.0f, 99.0f};
    const Real FY[] = {-5.0f, 8.0f, 99.0f};
    const Real MZ[] = {100.0f, -40.0f, 99.0f};
    WRITE_LF_FRC_PGS(SCREEN_UNIT, 3, 0.0f, angles, FX, FY, MZ, 2.0f, 30.0f, 0.0f, 1);
    EXPECT_EQ(screen(),
              "    3\n"
              "    30.00   0.25000000E+01  -0.12500000E+01   0.25000000E+02\n"
              "   150.00   0.10000000E+01   0.20000000E+01  -0.10000000E+02\n"
              "   270.00   0.25000000E+01  -0.12500000E+01   0.25000000E+02\n");
    // Unscaled whatever the strength; one angle gives the count and the closing line.
    clear_captured(SCREEN_UNIT);
    WRITE_LF_FRC_PGS(SCREEN_UNIT, 1, 0.0f, angles, FX, FY, MZ, 2.0f, 0.0f, 0.0f, 0);
    EXPECT_EQ(screen(), "    1\n      .00   0.10000000E+02  -0.50000000E+01   0.10000000E+03\n");
    // No angle: the count line alone, no entry read.
    clear_captured(SCREEN_UNIT);
    WRITE_LF_FRC_PGS(SCREEN_UNIT, 0, 0.0f, nullptr, nullptr, nullptr, nullptr, 2.0f, 0.0f, 0.0f, 1);
    EXPECT_EQ(screen(), "    0\n");
}

TEST_F(ForcePagesTest, WindTableDividesBySquaredSpeedButNeverByZero) {
    const Real angles[] = {0.0f, 90.0f};
    const Real FX[] = {400.0f, -8.0f};
    const Real FY[] = {0.0f, 1200.0f};
    const Real MZ[] = {-20.0f, 3.0f};
    WRITE_LF_WND_FRC_PG(SCREEN_UNIT, 2, 0.0f, angles, FX, FY, MZ, 20.0f, 45.0f, 0.0f);
    EXPECT_EQ(screen(),
              "   2\n"
              "    45.00   0.1000E+01   0.0000E+00  -0.5000E-01\n"
              "   -45.00  -0.2000E-01   0.3000E+01   0.7500E-02\n");
    clear_captured(SCREEN_UNIT);
    WRITE_LF_WND_FRC_PG(SCREEN_UNIT, 1, 0.0f, angles, FX, FY, MZ, 0.0f, 45.0f, 0.0f);
    EXPECT_EQ(screen(), "   1\n    45.00   0.4000E+03   0.0000E+00  -0.2000E+02\n");
}

}  // namespace
}  // namespace brevant::testing

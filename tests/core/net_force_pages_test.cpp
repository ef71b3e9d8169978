// Section IX's net environmental force pages: the page head (title, source headings, external force
// block), the caption, unit and moment lines, the pauses on the console, the gates of bits 23 and
// 27, and the net loads kept for the summary page.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "core/net_force_pages.h"
#include "core/net_force_spectra.h"
#include "core/run_setup.h"
#include "core/run_values.h"
#include "records/data_image.h"
#include "records/equilibrium_record.h"
#include "records/wave_record.h"
#include "test_support.h"

namespace brevant {
namespace {

using brevant::testing::lines_of;

constexpr const char* kPause = " \n Press <RETURN> to continue: ";
constexpr unsigned kBit23 = 1u << 22;
constexpr unsigned kBit27 = 1u << 26;

std::size_t count_of(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
    return n;
}

// A metric case whose report goes to the screen: current on, heading 202.5, moments about 12.5 m.
class NetForcePages : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        reset_wavcom();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.IUNIT = SCREEN_UNIT;
        TPCM.NUNTS = 1;
        TPCM.DEPTH = 100.0f;
        TPCM.LCURNT = 1;
        TPCM.CURHDG = 202.5f;
        TPCM.BRVARM = 12.5f;
        TPCM.NUMBRV = 13;
        TPCM.BRVINC = 15.0f;
        TPCM.BRVFLG = static_cast<Int>(kBit23);
        // The box models of wind and current: the rows are computed through the real coefficients.
        TPCM.LWBARG = 0x333;
        TPCM.LCBARG = 0x333;
        TPCM.LWL = 100.0f;
        TPCM.BWL = 20.0f;
        set_run_constants(R);
    }
    void TearDown() override {
        reset_tpcm();
        reset_wavcom();
        ConsoleTest::TearDown();
    }
    RunValues R;
};

TEST_F(NetForcePages, PageHeadCaptionsAndMomentLine) {
    answers("\n\n\n");
    net_force_pages(R);
    const std::string out = screen();
    const std::vector<std::string> lines = lines_of(out);
    auto has = [&](const std::string& line) { return std::find(lines.begin(), lines.end(), line) != lines.end(); };
    EXPECT_EQ(out.substr(0, 57), "\n >>> Computing net environmental forces and moments...\n\n");
    EXPECT_EQ(count_of(out, "   *********************  IX. Net Environmental Forces & Moments   ********************\n"),
              3u);
    EXPECT_EQ(count_of(out, "\n" + std::string(21, ' ') + "Global Heading of Current =  202.50 deg\n"), 3u);
    EXPECT_EQ(out.find("Global Heading of Wind"), std::string::npos);
    EXPECT_EQ(out.find("External Forces"), std::string::npos);
    EXPECT_TRUE(has(std::string(12, ' ') + std::string(31, '-') + "   Vessel-Based Y Forces   " + std::string(31, '-')));
    EXPECT_TRUE(has(std::string(12, ' ') + std::string(31, '-') + "   Vessel-Based Z Moments   " + std::string(31, '-')));
    EXPECT_EQ(count_of(out, "\n" + std::string(53, ' ') + "(m.ton)\n"), 2u);
    EXPECT_EQ(count_of(out, "\n" + std::string(53, ' ') + "(ton-m.)\n"), 1u);
    EXPECT_EQ(count_of(out, "\n            Moments in this table are computed about Xves =    12.50 m.\n\n"), 1u);
    EXPECT_EQ(count_of(out, "\n Heading     Wave        Wave       Wind       Current      Swell       Swell      External      NET\n"),
              3u);
    // The moment line sits on the yaw-moment page only.
    EXPECT_GT(out.find("Moments in this table"), out.find("Vessel-Based Y Forces"));
    EXPECT_LT(out.find("Moments in this table"), out.find("Vessel-Based Z Moments"));
}

TEST_F(NetForcePages, ExternalForceBlockAndShortLayoutWithoutDrag) {
    TPCM.AUXFRC = 1;
    TPCM.CRDSYS = 1;
    TPCM.XVFRC = 50.0f;
    TPCM.YVFRC = -20.0f;
    TPCM.VESMOM = 300.0f;
    TPCM.LEGDRG = 1;
    TPCM.LWIND = 1;
    TPCM.WNDHDG = 90.0f;
    set_run_constants(R);
    answers("\n\n\n");
    net_force_pages(R);
    const std::string out = screen();
    EXPECT_EQ(count_of(out, "   ****************  IX. Net Environmental Forces & Moments   ***************\n"), 3u);
    EXPECT_NE(out.find("\n                     Global Heading of Wind    =   90.00 deg\n"
                       "                     Global Heading of Current =  202.50 deg\n"
                       "\n"
                       "                           External Forces & Moments\n"
                       "                                (Vessel System) \n"
                       "\n"
                       "                             Fx =   5.00E+01 m.ton\n"
                       "                             Fy =  -2.00E+01 m.ton\n"
                       "                             Mz =   3.00E+02 ton-m.\n"),
              std::string::npos)
        << out;
    EXPECT_EQ(count_of(out, "\n            " + std::string(19, '-') + "   Vessel-Based X Forces   " + std::string(19, '-') + "\n" +
                                std::string(41, ' ') + "(m.ton)\n  Vessel\n Heading    Wave        Wind       Current     Swell      "
                                                       "External      NET\n  (deg)\n\n"),
              1u)
        << out;
}

TEST_F(NetForcePages, NetLoadsAreKeptForTheSummaryPage) {
    // A vessel-system external force alone (the current factor of SINES is not prepared here, so the
    // current adds nothing): the nets are the force and its moment at every angle.
    TPCM.AUXFRC = 1;
    TPCM.CRDSYS = 1;
    TPCM.XVFRC = 40.0f;
    TPCM.YVFRC = -30.0f;
    TPCM.VESMOM = 500.0f;
    answers("\n\n\n");
    // Leftovers that the pages must replace with the nets of their rows, and leave alone beyond them.
    for (int i = 1; i <= kMaxUniformAngles; ++i) R.FXTMP(i) = R.FYTMP(i) = R.MZTMP(i) = 7.0f;
    net_force_pages(R);
    for (int i = 1; i <= 13; ++i) {
        EXPECT_EQ(R.FXTMP(i), 40.0f) << i;
        EXPECT_EQ(R.FYTMP(i), -30.0f) << i;
        EXPECT_EQ(R.MZTMP(i), 500.0f) << i;
    }
    EXPECT_EQ(R.FXTMP(14), 7.0f);
    // Every slot of the largest count is written.
    TPCM.NUMBRV = kMaxUniformAngles;
    answers("\n\n\n");
    net_force_pages(R);
    EXPECT_EQ(R.MZTMP(kMaxUniformAngles), 500.0f);
}

TEST_F(NetForcePages, PausesOnTheConsoleFollowEachPage) {
    struct Case {
        unsigned flags;
        std::size_t pages, pauses_here, pauses_after;
    };
    // With bit 27 the spectra step takes the pause that closes the yaw-moment page.
    for (const Case& c : {Case{kBit23, 3, 3, 0}, Case{kBit23 | kBit27, 3, 2, 1}, Case{kBit27, 0, 0, 1}, Case{0, 0, 0, 0}}) {
        clear_captured(SCREEN_UNIT);
        answers("\n\n\n\n");
        TPCM.BRVFLG = static_cast<Int>(c.flags);
        net_force_pages(R);
        const std::string pages = screen();
        EXPECT_EQ(count_of(pages, "IX. Net Environmental Forces"), c.pages) << c.flags;
        EXPECT_EQ(count_of(pages, kPause), c.pauses_here) << c.flags;
        EXPECT_EQ(pages.find("Computing net environmental") != std::string::npos, c.flags != 0) << c.flags;
        if (c.pages == 3) {
            EXPECT_EQ(pages.substr(pages.size() - std::string(kPause).size()) == kPause, c.pauses_here == 3);
        }
        clear_captured(SCREEN_UNIT);
        net_force_spectrum_pages(R);
        EXPECT_EQ(count_of(screen(), kPause), c.pauses_after) << c.flags;
    }
}

TEST_F(NetForcePages, ReportOnDiskNeverPauses) {
    testing::ScratchDir dir;
    ASSERT_TRUE(open_unit(DISK_UNIT, "report.txt", UnitMode::Write));
    TPCM.IUNIT = DISK_UNIT;
    TPCM.BRVFLG = static_cast<Int>(kBit23 | kBit27);
    net_force_pages(R);
    net_force_spectrum_pages(R);
    ASSERT_TRUE(close_unit(DISK_UNIT));
    EXPECT_EQ(screen(), "\n >>> Computing net environmental forces and moments...\n\n");
    const std::string report = testing::file_bytes("report.txt");
    EXPECT_EQ(count_of(report, "\f\n   *****"), 3u);
}

}  // namespace
}  // namespace brevant

namespace brevant {
namespace {

// The core's own copy of the summary page: the report unit, the angle switch and the moment
// reference come from the data image, and each row's heading is left in VESANG.
class CoreSummaryPage : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        reset_equilb();
        TPCM.IUNIT = SCREEN_UNIT;
        TPCM.BRVARM = 3.5f;
        EQUILB.YAWARM = -99.0f;  // not the twin's reference
        EQUILB.VESANG = 0.75f;
    }
    void TearDown() override {
        reset_tpcm();
        reset_equilb();
        ConsoleTest::TearDown();
    }
};

TEST_F(CoreSummaryPage, ReadsTheImageAndLeavesTheLastHeading) {
    const Real FX[] = {0.0f, 100.0f};
    const Real FY[] = {100.0f, 0.0f};
    const Real MZ[] = {1.0f, 2.0f};
    const Real angles[] = {0.0f, 270.0f};
    TPCM.LANGARR = 1;
    // The unit argument is not read: the page goes to IUNIT.
    WRITE_LF_NETFRC_PG(DISK_UNIT, 2, 10.0f, 0.0f, angles, FX, FY, MZ, 0.0f, "m.ton", "ton-m.", "m.",
                       "(Vessel System) ");
    const std::string out = screen();
    EXPECT_NE(out.find("Moments in this table are computed about Xves =     3.50 m.\n"), std::string::npos) << out;
    // A pure sway force at heading 360 and a pure surge force at heading 90: both 90 degrees global.
    EXPECT_NE(out.find("\n  360.0       .0    100.0    90.0"), std::string::npos) << out;
    EXPECT_NE(out.find("\n   90.0    100.0       .0      .0"), std::string::npos) << out;
    EXPECT_NEAR(EQUILB.VESANG, 90.0f / 57.295776f, 1e-6f);
    // No row: VESANG stays.
    EQUILB.VESANG = 0.75f;
    WRITE_LF_NETFRC_PG(0, 0, 10.0f, 0.0f, angles, FX, FY, MZ, 0.0f, "m.ton", "ton-m.", "m.", "(Vessel System) ");
    EXPECT_EQ(EQUILB.VESANG, 0.75f);
}

}  // namespace
}  // namespace brevant

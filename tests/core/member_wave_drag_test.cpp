// The member-hull absorption coefficient: the no-current closed form of one piercing member, the
// members that do not pierce, the zero scales and the rotation-centre warning.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/member_wave_drag.h"
#include "records/data_image.h"
#include "records/equilibrium_record.h"
#include "records/member_table.h"
#include "records/response_record.h"
#include "records/wave_record.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"
#include "test_support.h"

namespace brevant {
namespace {

constexpr const char* kWarning =
    "\n +=> Suspiciously large separation between pitch and roll rotation centers;\n"
    "     please forward this datafile to Velmora for analysis.\n\n";

// An English hull 100 x 20 ft at 10 ft draft in 1000 ft of water with one vertical piercing member
// at the origin (diameter 2 ft, drag coefficients 0.6 and 0.6) and a second, larger member away
// from it that does not pierce; three grid frequencies.
class MemberWaveDrag : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_all();
        Tpcm& P = TPCM;
        P.EDUNIT = SILENT_UNIT;
        P.NUNTS = 0;
        P.LWL = 100.0f;
        P.BWL = 20.0f;
        P.DRAFT = 10.0f;
        P.DEPTH = 1000.0f;
        P.DWATR = 64.0f;
        P.WVDGCX = 1.0f;
        P.WVDGCY = 1.0f;
        P.WVDGCM = 1.0f;
        P.NCYL = 2;
        P.XAREA(1) = 3.1415927f;
        P.CYLCD(1, 1) = 0.6f;
        P.CYLCD(2, 1) = 0.6f;
        P.RCYLB(1, 2) = 30.0f;
        P.RCYLB(2, 2) = 10.0f;
        P.XAREA(2) = 20.0f;
        P.CYLCD(1, 2) = 1.0f;
        P.CYLCD(2, 2) = 1.0f;
        SIMCOM.LPIERCE(1) = 1;
        SIMCOM.CYLLEN(1) = 15.0f;
        SIMCOM.DIRVEC(3, 1) = 1.0f;
        SIMCOM.LPIERCE(2) = 0;
        SIMCOM.CYLLEN(2) = 8.0f;
        SIMCOM.DIRVEC(1, 2) = 1.0f;
        WAVCOM.G = 32.152f;
        WAVCOM.W(1) = 1.0f;
        WAVCOM.W(2) = 0.6f;
        WAVCOM.W(3) = 0.3f;
        EQUILB.VESANG = 0.5f;
    }
    void TearDown() override {
        reset_all();
        ConsoleTest::TearDown();
    }
    static void reset_all() {
        reset_tpcm();
        reset_wavcom();
        reset_equilb();
        reset_pascom();
        reset_simcom();
    }
    static Real coefficient(Int LCOMP, Real deg, Int IW, Real SIG0WV = 1.5f) {
        Real C = -99.0f;
        NB_DRAG_RAO(LCOMP, 1, deg / 57.295776f, SIG0WV, IW, C);
        return C;
    }
};

TEST_F(MemberWaveDrag, WithoutCurrentOneMemberGivesTheClosedFormOfTheWaterLineDrag) {
    struct Case {
        float HRAO;
        double WVDGCX, WVDGCY;
        float deg;
        Int NCYL;  // 2: the member that does not pierce is there as well
        double share;  // |R^2 - 2R + 1| of the no-current water-line factor
    };
    const Case cases[] = {
        {0.0f, 2.0f, 1.0f, 60.0f, 2, 1.0},  {0.0f, 1.0f, 3.0f, 150.0f, 1, 1.0}, {0.0f, 1.0f, 1.0f, 0.0f, 2, 1.0},
        {0.5f, 2.0f, 1.0f, 60.0f, 2, 0.25}, {0.5f, 1.0f, 3.0f, 150.0f, 1, 0.25}, {0.5f, 1.0f, 3.0f, 150.0f, 2, 0.25},
    };
    const double k = 1.5957692 / 2.8284;
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.HRAO << " " << c.deg << " " << c.NCYL);
        TPCM.WVDGCX = static_cast<Real>(c.WVDGCX);
        TPCM.WVDGCY = static_cast<Real>(c.WVDGCY);
        TPCM.NCYL = c.NCYL;
        const double a = static_cast<double>(c.deg) * M_PI / 180.0;
        for (Int IW = 1; IW <= 3; ++IW) {
            PASCOM.HRAO(IW, 1) = c.HRAO;
            EXPECT_NEAR(coefficient(1, c.deg, IW), -k * c.share * c.WVDGCX * std::cos(a), 2e-6) << IW;
            EXPECT_NEAR(coefficient(2, c.deg, IW), -k * c.share * c.WVDGCY * std::sin(a), 2e-6) << IW;
            EXPECT_EQ(coefficient(3, c.deg, IW), 0.0f) << IW;
        }
    }
    TPCM.WVDGCX = 2.0f;
    PASCOM.HRAO(2, 1) = 0.0f;
    EXPECT_NEAR(coefficient(1, 60.0f, 2), -0.56419, 5e-6);
    EXPECT_EQ(silent(), "");
}

TEST_F(MemberWaveDrag, AZeroScaleOrNoPiercingMemberGivesZeroNotNaN) {
    struct Case {
        const char* what;
        Int LEGDRG, pierce;
        Real SIG0WV;
    };
    const Case cases[] = {{"wave drag excluded", 1, 1, 1.5f}, {"no piercing member", 0, 0, 1.5f}, {"no wave", 0, 1, 0.0f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TPCM.LEGDRG = c.LEGDRG;
        SIMCOM.LPIERCE(1) = c.pierce;
        for (Int LCOMP = 1; LCOMP <= 3; ++LCOMP) {
            for (Int IW = 1; IW <= 3; ++IW) EXPECT_EQ(coefficient(LCOMP, 45.0f, IW, c.SIG0WV), 0.0f);
        }
    }
}

TEST_F(MemberWaveDrag, ACurrentWithoutSpeedIsNoCurrent) {
    const Real still = coefficient(1, 60.0f, 2);
    TPCM.LCURNT = 1;
    TPCM.CURSPD = 0.0f;
    // Every current heading, square to the waves among them (the waves run toward 60 + 0.5 rad + 180).
    const Real waves = (60.0f / 57.295776f + 0.5f + 3.1415927f) * 57.295776f;
    for (const Real heading : {0.0f, 45.0f, waves + 90.0f, waves - 90.0f}) {
        TPCM.CURHDG = heading;
        EXPECT_EQ(coefficient(1, 60.0f, 2), still) << heading;
        EXPECT_TRUE(std::isfinite(coefficient(2, 60.0f, 2))) << heading;
    }
}

TEST_F(MemberWaveDrag, FarApartRotationCentresAreReportedAndMayEndTheRun) {
    struct Case {
        float VTCRPS, VTCRRS;
        bool warned;
    };
    const Case cases[] = {{-3.0f, -8.0f, true}, {4.0f, 3.0f, false}, {0.5f, -0.5f, false}, {6.0f, 6.0f, false}};
    const Real expected = coefficient(1, 60.0f, 2);
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.VTCRPS << " " << c.VTCRRS);
        PASCOM.VTCRPS = c.VTCRPS;
        PASCOM.VTCRRS = c.VTCRRS;
        // On the console: an empty answer goes on with the computation.
        TPCM.EDUNIT = SCREEN_UNIT;
        clear_captured(SCREEN_UNIT);
        answers("\n");
        EXPECT_EQ(coefficient(1, 60.0f, 2), expected);
        EXPECT_EQ(screen().find(kWarning) != std::string::npos, c.warned) << screen();
        EXPECT_EQ(screen().find("Enter \"A\" to abort") != std::string::npos, c.warned);
        // "A" ends the program.
        if (c.warned) {
            answers("A\n");
            int status = -1;
            try {
                coefficient(1, 60.0f, 2);
            } catch (const ProgramEnd& end) {
                status = end.status;
            }
            EXPECT_EQ(status, 1);
        }
        // The silent console asks nothing and the computation goes on.
        TPCM.EDUNIT = SILENT_UNIT;
        clear_captured(SILENT_UNIT);
        answers("");
        EXPECT_EQ(coefficient(1, 60.0f, 2), expected);
        EXPECT_EQ(silent().find(kWarning) != std::string::npos, c.warned) << silent();
        EXPECT_EQ(silent().find("Enter \"A\""), std::string::npos);
    }
}

}  // namespace
}  // namespace brevant

// Elastic and catenary line stiffness: the elastic stiffness against the series compliance of the
// elements and against a finite difference of the vertical line's tension over its height (an
// elastic bar, EA/L), the wave numbers against the longitudinal bar wave, the warnings of KELAST, and
// KCATN against springs in series.
#include "mooring/morlib/line_stiffness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "classic_catenary.h"
#include "mooring/catlib/vertical_lines.h"
#include "records/data_image.h"
#include "records/wave_record.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"
#include "test_support.h"

namespace brevant {
namespace {

struct Element {
    Real L, a1, a2, dry;
    Real wet = 0.0f, diam = 0.0f, cm = 0.0f;
};

class LineStiffness : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
        reset_wavcom();
        reset_kelast();
        reset_dummy1();
        TPCM.EDUNIT = SCREEN_UNIT;
        WAVCOM.G = 9.81f;
    }
    void TearDown() override {
        reset_tpcm();
        reset_wavcom();
        reset_kelast();
        reset_dummy1();
        ConsoleTest::TearDown();
    }
    void set_line(Int ityp, const std::vector<Element>& els) {
        TPCM.NELEM(ityp) = static_cast<Int>(els.size());
        for (Int j = 1; j <= static_cast<Int>(els.size()); ++j) {
            const Element& e = els[static_cast<std::size_t>(j - 1)];
            TPCM.SLEN(j, ityp) = e.L;
            TPCM.ALPHA(1, j, ityp) = e.a1;
            TPCM.ALPHA(2, j, ityp) = e.a2;
            TPCM.DRYWT(j, ityp) = e.dry;
            TPCM.WETWT(j, ityp) = e.wet;
            TPCM.DIAM(j, ityp) = e.diam;
            TPCM.COFMST(j, ityp) = e.cm;
        }
    }
};

// The abort question as ABORT0 puts it: the bell line, then the prompt.
const std::string kAbortQuestion = std::string("\a\0\0\0\n", 5) + " Enter \"A\" to abort or Press <RETURN> to continue: ";

std::string warning(const std::string& what, const std::string& where, const std::string& value,
                    const std::string& kind) {
    return "\n ++> Warning: A negative " + what + " was encountered\n              in line (type,element) = (" +
           where + ").\n              The " + value + "\n              (" + kind +
           ") if you choose to continue\n\n" + kAbortQuestion;
}
const std::string kWeightWarning43 =
    warning("dry segment weight", " 4, 3", "weight value will be replaced by zero", "weightless line");

TEST_F(LineStiffness, ElasticStiffnessIsTheSeriesOfTheElements) {
    set_line(2, {{300.0f, 1e-4f, 0.0f, 0.5f, 0.0f, 0.0f, 0.7f}, {500.0f, 2e-5f, 1e-8f, 1.2f, 0.0f, 0.0f, 1.3f}});
    Real KELAS = -1.0f;
    WaveNumbers WAVEK{};
    KELAST(KELAS, 2, WAVEK, 0.8f, 80.0f);
    // Compliances at 80: 1e-4 and 2e-5 + 2 1e-8 80 = 2.16e-5; 300 1e-4 + 500 2.16e-5 = 0.0408.
    EXPECT_NEAR(KELAS, 1.0 / 0.0408, 1e-5 * 24.5);
    EXPECT_NEAR(KELAS, 24.50980f, 2e-4f);
    // The axial bar: k = omega sqrt(m / EA), m = dry weight / g.
    EXPECT_NEAR(WAVEK(1), 0.8 * std::sqrt(0.5 / 9.81 * 1e-4), 1e-6 * 1.8e-3);
    EXPECT_NEAR(WAVEK(1), 1.806095e-3f, 1e-8f);
    EXPECT_NEAR(WAVEK(2), 0.8 * std::sqrt(1.2 / 9.81 * 2.16e-5), 1e-6 * 1.3e-3);
    EXPECT_NEAR(WAVEK(2), 1.300388e-3f, 1e-8f);
    EXPECT_EQ(TPCM.COFMAS, 1.3f) << "the last element's added-mass coefficient stays";
    EXPECT_EQ(screen(), "");
}

TEST_F(LineStiffness, ElasticStiffnessIsTheSlopeOfTheVerticalLine) {
    // A weightless line hanging straight at tension T spans sum L (1 + strain(T)): its tension changes
    // with the height by 1 / sum (L d strain / dT) exactly, the elastic stiffness at T.
    set_line(3, {{200.0f, 1e-4f, 2e-7f, 0.0f}, {100.0f, 3e-4f, 0.0f, 0.0f}});
    TPCM.TLOAD = 100.0f;
    auto tension = [](Real dz) {
        Int VRTFLG = 0;
        Real ANCDST, TOPANG, TOPTEN, BOTLEN, BOTANG;
        VRTLIN(dz, 3, VRTFLG, 0.0f, ANCDST, TOPANG, TOPTEN, BOTLEN, BOTANG);
        EXPECT_EQ(VRTFLG, 1);
        return static_cast<double>(TOPTEN);
    };
    const Real dz = 306.0f;
    const double T = tension(dz);
    const double slope = (tension(dz + 0.25f) - tension(dz - 0.25f)) / 0.5;
    Real KELAS = 0.0f;
    WaveNumbers WAVEK{};
    KELAST(KELAS, 3, WAVEK, 1.0f, static_cast<Real>(T));
    EXPECT_NEAR(KELAS, slope, 1e-3 * slope);
    EXPECT_GT(T, 50.0);
    // And a linear line with weight: the fairlead tension is the bottom tension plus the weight, so its
    // slope is 1 / sum (a1 L) = EA / L whatever the tension.
    set_line(4, {{200.0f, 2e-4f, 0.0f, 0.0f, 0.5f}});
    TPCM.WETWT(1, 4) = 0.5f;
    auto tension4 = [](Real z) {
        Int VRTFLG = 0;
        Real ANCDST, TOPANG, TOPTEN, BOTLEN, BOTANG;
        VRTLIN(z, 4, VRTFLG, 100.0f, ANCDST, TOPANG, TOPTEN, BOTLEN, BOTANG);
        return static_cast<double>(TOPTEN);
    };
    KELAST(KELAS, 4, WAVEK, 1.0f, 175.0f);
    EXPECT_NEAR(KELAS, (tension4(206.0f) - tension4(204.0f)) / 2.0, 1e-4 * static_cast<double>(KELAS));
    EXPECT_NEAR(KELAS, 1.0 / (200.0 * 2e-4), 1e-5 * 25.0);
}

TEST_F(LineStiffness, AddedMassStandsInForAMissingDryWeight) {
    // Without a dry weight the wave moves the wet weight plus the weight of the displaced water times
    // the added-mass coefficient: pi/4 D^2 rho Cm, D in millimetres (metric) or inches (English), with
    // the scale 1e-3 the constant carries.
    struct Case {
        Int nunts;
        Real diam, dwatr;
        double area_scale;
    };
    for (const Case c : {Case{1, 120.0f, 1.025f, 1e-6}, Case{0, 5.0f, 64.0f, 1.0 / 144.0}}) {
        const double D = static_cast<double>(c.diam), rho = static_cast<double>(c.dwatr);
        reset_kelast();
        TPCM.NUNTS = c.nunts;
        TPCM.DWATR = c.dwatr;
        set_line(5, {{400.0f, 5e-5f, 0.0f, 0.0f, 0.03f, c.diam, 1.5f}});
        Real KELAS = 0.0f;
        WaveNumbers WAVEK{};
        KELAST(KELAS, 5, WAVEK, 1.2f, 50.0f);
        const double m = std::numbers::pi / 4.0 * 1e-3 * D * D * c.area_scale * rho * 1.5 + 0.03;
        EXPECT_NEAR(WAVEK(1), 1.2 * std::sqrt(5e-5 * m / 9.81), 1e-5 * static_cast<double>(WAVEK(1))) << c.nunts;
        EXPECT_NEAR(KELAS, 1.0 / (400.0 * 5e-5), 1e-5 * static_cast<double>(KELAS));
    }
}

TEST_F(LineStiffness, NegativeWeightWarnsOncePerLineType) {
    const std::vector<Element> line = {{100.0f, 1e-4f, 0.0f, 0.4f},
                                       {100.0f, 1e-4f, 0.0f, 0.4f},
                                       {50.0f, 2e-4f, 0.0f, 0.0f, -0.5f},
                                       {50.0f, 2e-4f, 0.0f, 0.0f, -0.5f}};
    set_line(4, line);
    answers("\n\n\n\n\n");
    Real KELAS = 0.0f;
    WaveNumbers WAVEK{};
    KELAST(KELAS, 4, WAVEK, 1.0f, 60.0f);
    // Both offending elements of the call warn; they stay extensible but weightless.
    EXPECT_EQ(screen(), kWeightWarning43 + warning("dry segment weight", " 4, 4",
                                                   "weight value will be replaced by zero", "weightless line"));
    EXPECT_EQ(WAVEK(3), 0.0f);
    EXPECT_EQ(WAVEK(4), 0.0f);
    EXPECT_GT(WAVEK(2), 0.0f);
    EXPECT_NEAR(KELAS, 1.0 / (200.0 * 1e-4 + 100.0 * 2e-4), 1e-5 * static_cast<double>(KELAS));

    clear_captured(SCREEN_UNIT);
    KELAST(KELAS, 4, WAVEK, 1.0f, 60.0f);
    EXPECT_EQ(screen(), "") << "once per line type in a run";

    set_line(5, line);
    KELAST(KELAS, 5, WAVEK, 1.0f, 60.0f);
    EXPECT_NE(screen().find("in line (type,element) = ( 5, 3)."), std::string::npos) << "another type warns";

    reset_kelast();
    clear_captured(SCREEN_UNIT);
    answers("A\n");
    try {
        KELAST(KELAS, 4, WAVEK, 1.0f, 60.0f);
        ADD_FAILURE() << "A at the question ends the run";
    } catch (const ProgramEnd& e) {
        EXPECT_EQ(e.status, 1);
    }
    EXPECT_EQ(screen(), kWeightWarning43);
}

TEST_F(LineStiffness, NegativeSlopeMakesTheElementInextensible) {
    // a1 + 2 a2 T = 1e-4 - 2e-4 at T 100: the slope warning; the element then adds nothing to the
    // compliance, carries no wave, and (zero compliance) gives no weight warning despite its weight.
    set_line(2, {{100.0f, 1e-4f, -1e-6f, 0.0f, -0.5f}, {300.0f, 1e-4f, 0.0f, 0.6f}});
    answers("\n");
    Real KELAS = 0.0f;
    WaveNumbers WAVEK{};
    KELAST(KELAS, 2, WAVEK, 1.0f, 100.0f);
    EXPECT_EQ(screen(), warning("stress-strain curve slope", " 2, 1", "slope value will be replaced by infinity",
                                "inextensible line"));
    EXPECT_EQ(WAVEK(1), 0.0f);
    EXPECT_NEAR(KELAS, 1.0 / (300.0 * 1e-4), 1e-5 * static_cast<double>(KELAS));

    // A line with no compliance at all is inextensible.
    set_line(3, {{100.0f, 0.0f, 0.0f, 0.4f}});
    KELAST(KELAS, 3, WAVEK, 1.0f, 100.0f);
    EXPECT_EQ(KELAS, 1e28f);
    EXPECT_EQ(WAVEK(1), 0.0f);
}

TEST_F(LineStiffness, SilentRunContinuesPastTheWarning) {
    TPCM.EDUNIT = SILENT_UNIT;
    set_line(4, {{100.0f, 1e-4f, 0.0f, 0.4f}, {100.0f, 1e-4f, 0.0f, 0.4f}, {50.0f, 2e-4f, 0.0f, 0.0f, -0.5f}});
    Real KELAS = 0.0f;
    WaveNumbers WAVEK{};
    KELAST(KELAS, 4, WAVEK, 1.0f, 60.0f);
    EXPECT_NE(silent().find("( 4, 3)."), std::string::npos);
    EXPECT_EQ(WAVEK(3), 0.0f);
}

TEST(Kcatn, CatenaryAndElasticSpringsInSeries) {
    struct Case {
        Real KELAS, DTFDAF, DTBDAB;
        Complex CAFLD, CABOT;
        double KSTAT, KCAT;
    };
    const double k1 = std::sqrt(104.0) / std::sqrt(1.25);  // |10 (1, 0) + 4 (0, 0.5)| / |(1, -0.5)|
    const std::vector<Case> cases = {
        // 1/8 - 1/50 = 0.105: the catenary share is 9.523810.
        {50.0f, 8.0f, 3.0f, {0.3f, 0.0f}, {0.0f, 0.0f}, 8.0, 1.0 / (1.0 / 8.0 - 1.0 / 50.0)},
        {20.0f, 10.0f, 4.0f, {1.0f, 0.0f}, {0.0f, 0.5f}, k1, 1.0 / (1.0 / k1 - 1.0 / 20.0)},
        // Ends moving together: the fairlead derivative alone.
        {50.0f, 8.0f, 3.0f, {0.2f, 0.1f}, {0.2f, 0.1f}, 8.0, 1.0 / (1.0 / 8.0 - 1.0 / 50.0)},
        // The static line at least as stiff as its elastic part: a catenary 1e5 times stiffer.
        {50.0f, 50.0f, 0.0f, {1.0f, 0.0f}, {0.0f, 0.0f}, 50.0, 5e6},
        {50.0f, 80.0f, 0.0f, {1.0f, 0.0f}, {0.0f, 0.0f}, 80.0, 5e6},
        // A slack line: no static stiffness, no catenary stiffness (the limit, not 1/0).
        {50.0f, 0.0f, 0.0f, {1.0f, 0.0f}, {0.0f, 0.0f}, 0.0, 0.0},
        {50.0f, 0.0f, 0.0f, {0.5f, 0.0f}, {0.5f, 0.0f}, 0.0, 0.0},
    };
    for (const Case& c : cases) {
        Real KCAT = -1.0f, KSTAT = -1.0f;
        KCATN(KCAT, c.KELAS, KSTAT, c.CAFLD, c.CABOT, c.DTFDAF, c.DTBDAB);
        EXPECT_NEAR(KSTAT, c.KSTAT, 1e-5 * (1.0 + c.KSTAT));
        EXPECT_NEAR(KCAT, c.KCAT, 1e-5 * (1.0 + c.KCAT)) << c.KELAS << " " << c.DTFDAF;
    }
    Real KCAT = 0.0f, KSTAT = 0.0f;
    KCATN(KCAT, 50.0f, KSTAT, {0.3f, 0.0f}, {0.0f, 0.0f}, 8.0f, 0.0f);
    EXPECT_NEAR(KCAT, 9.523810f, 1e-5f);
}

TEST(Kcatn, CatenaryPartIsTheStiffnessOfTheInextensibleLine) {
    // A line of 1000 (weight 1) lying partly on the floor, its fairlead 200 up and 900 across. Its
    // static stiffness along the line at the fairlead, by a finite difference of the classic elastic
    // catenary, split by KCATN from the elastic stiffness of KELAST, leaves a catenary part equal to
    // the stiffness of the same hanging shape made inextensible, to the order of the line's strain.
    using testing::classic_line;
    using testing::ClassicElement;
    using testing::solve_classic;
    for (const Real a1 : {1e-5f, 1e-6f}) {
        reset_tpcm();
        reset_wavcom();
        reset_kelast();
        WAVCOM.G = 9.81f;
        const double EA = 1.0 / static_cast<double>(a1);
        const std::vector<ClassicElement> line = {{1000.0, 1.0, EA}};
        const auto [H, V] = solve_classic(900.0, 200.0, line, true, 200.0, 300.0);
        const double T = std::hypot(H, V), c = H / T, s = V / T;
        // Fairlead tension when the fairlead moves by da along the line, away from the anchor.
        auto tension = [&](const std::vector<ClassicElement>& l, double X, double Z, double da) {
            const auto [h, v] = solve_classic(X + c * da, Z + s * da, l, true, H, V);
            return std::hypot(h, v);
        };
        const double da = 1e-3;
        const double kstat = (tension(line, 900.0, 200.0, da) - tension(line, 900.0, 200.0, -da)) / (2.0 * da);
        const std::vector<ClassicElement> rigid = {{1000.0, 1.0, 1e15}};
        const testing::ClassicShape shape = classic_line(H, V, rigid, true);
        const double kinext = (tension(rigid, shape.x, shape.z, da) - tension(rigid, shape.x, shape.z, -da)) / (2.0 * da);

        TPCM.NELEM(1) = 1;
        TPCM.SLEN(1, 1) = 1000.0f;
        TPCM.ALPHA(1, 1, 1) = a1;
        TPCM.DRYWT(1, 1) = 1.0f;
        Real KELAS = 0.0f, KCAT = 0.0f, KSTAT = 0.0f;
        WaveNumbers WAVEK{};
        KELAST(KELAS, 1, WAVEK, 1.0f, static_cast<Real>(T));
        EXPECT_NEAR(KELAS, EA / 1000.0, 1e-6 * EA / 1000.0);
        KCATN(KCAT, KELAS, KSTAT, {1.0f, 0.0f}, {0.0f, 0.0f}, static_cast<Real>(kstat), 0.0f);
        EXPECT_LT(KSTAT, KCAT) << "the elastic spring in series softens the line";
        const double strain = T / EA;
        EXPECT_NEAR(KCAT, kinext, 5.0 * strain * kinext) << "a1 " << a1;
    }
    reset_tpcm();
    reset_wavcom();
    reset_kelast();
}

}  // namespace
}  // namespace brevant

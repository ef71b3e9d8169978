// The line statics driver on a statics table made from the classic elastic catenary: the tension read
// from the table, the solved line against the oracle at that tension, the finite-difference
// sensitivities against the oracle's own finite differences and exact derivatives, the lines left
// out, the trace switch, the widened bracket, the layered lookup, and the tables it refuses.
#include "mooring/line_statics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>

#include "classic_catenary.h"
#include "mooring/morlib/catenary_iteration.h"
#include "mooring_statics_fixture.h"
#include "records/data_image.h"
#include "records/mooring_line_records.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"
#include "test_support.h"

namespace brevant {
namespace {

using testing::classic_line;
using testing::fixture_line;
using testing::oracle_at;
using testing::OracleState;
using testing::solve_classic;

constexpr Real kRanck = 904.7258f;

class LineStatics : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_all();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.SIMTYP = 16;
        TPCM.NLIN = 1;
        testing::put_fixture_line(1);
        LINCOM.LINEID(1) = 1;
        LINCOM.MIDLYR = 1;
        LINCOM.RANCK(1) = kRanck;
    }
    void TearDown() override {
        reset_all();
        ConsoleTest::TearDown();
    }
    static void reset_all() {
        reset_tpcm();
        reset_lincom();
        reset_catcom();
        reset_locitr();
    }
    static void run() { LINDRV(LINCOM.RANCK, LINCOM.ZANCK); }
    // The horizontal tension the table gives at the distance: the straight line of the float table.
    static double table_tension(double r, Int layer = 1) {
        for (Int i = 1; i < TPCM.NTAB; ++i) {
            const double x0 = LINCOM.ANCDST(i, layer, 1), x1 = LINCOM.ANCDST(i + 1, layer, 1);
            if ((r >= x0 && r <= x1) || i == TPCM.NTAB - 1)
                return static_cast<double>(LINCOM.HLOD(i)) +
                       (r - x0) / (x1 - x0) * static_cast<double>(LINCOM.HLOD(i + 1) - LINCOM.HLOD(i));
        }
        return 0.0;
    }
    // A run that must end the program: its exit status.
    static int run_to_end() {
        try {
            run();
        } catch (const ProgramEnd& e) {
            return e.status;
        }
        return -1;
    }
};

TEST_F(LineStatics, TheFixtureIsTheTableOfTheIssue) {
    // The oracle's table agrees with the values quoted for this line (a check on the fixture itself).
    EXPECT_NEAR(LINCOM.ANCDST(1, 1, 1), 893.6372f, 2e-3f);
    EXPECT_NEAR(LINCOM.ANCDST(2, 1, 1), 901.4277f, 2e-3f);
    EXPECT_NEAR(LINCOM.ANCDST(3, 1, 1), 907.7122f, 2e-3f);
    EXPECT_NEAR(LINCOM.TOPANG(1, 1, 1), 1.230884f, 2e-6f);
    EXPECT_NEAR(LINCOM.TOPANG(3, 1, 1), 1.127777f, 2e-6f);
}

TEST_F(LineStatics, UnperturbedLineAgreesWithTheOracleAtTheTabulatedTension) {
    run();
    const LinCom& L = LINCOM;
    const double H = table_tension(kRanck);
    EXPECT_NEAR(L.HMEAN, H, 1e-6 * H);
    EXPECT_NEAR(L.HMEAN, 110.4961, 1e-3);
    EXPECT_EQ(L.DPHLD, static_cast<double>(L.HMEAN));
    EXPECT_FLOAT_EQ(L.TOTLEN, 1000.0f);
    EXPECT_FLOAT_EQ(L.DELTAZ, 200.0f);  // the height the tension-perturbed solve left

    const OracleState o = oracle_at(static_cast<double>(L.HMEAN), 200.0);
    EXPECT_NEAR(L.QF, o.V / o.H, 2e-4);
    EXPECT_NEAR(L.TPTEN0, o.T, 0.05);
    EXPECT_NEAR(L.BOTLNM, o.botln, 0.1);
    // The anchor end lies on the floor: horizontal, carrying the horizontal tension alone.
    EXPECT_EQ(CATCOM.TANARR(2, 1), 0.0f);
    EXPECT_EQ(L.QB, 0.0f);
    EXPECT_EQ(L.BTTEN0, L.DPHLD);
    EXPECT_FLOAT_EQ(CATCOM.TANARR(1, 1), L.QF);
    EXPECT_NEAR(L.FXCOMP, o.H / o.T, 1e-4);
    EXPECT_NEAR(L.FZCOMP, o.V / o.T, 1e-4);
    EXPECT_FLOAT_EQ(L.BXCOMP, 1.0f);
    EXPECT_FLOAT_EQ(L.BZCOMP, 0.0f);
    EXPECT_EQ(L.AVTAN(1), static_cast<double>(CATCOM.TANARR(1, 1)));
    // The tension-perturbed state stays in the records.
    EXPECT_DOUBLE_EQ(L.DPHLD2, 1.0078125 * L.DPHLD);
    EXPECT_EQ(L.DHFRAC, 0.0078125);
    EXPECT_FLOAT_EQ(L.DZFRAC, 0.001f);
    EXPECT_NEAR(L.TPTEN_CSTZ, oracle_at(L.DPHLD2, 200.0).T, 0.05);
    EXPECT_NEAR(L.TPTEN_CSTH, oracle_at(L.DPHLD, 201.0).T, 0.05);
    EXPECT_NEAR(L.BETAP(1, 1), 2e-6 * L.DPHLD2, 1e-12);
    EXPECT_NEAR(L.BETA(1, 1), 2e-6 * L.DPHLD, 1e-12);
    EXPECT_EQ(L.SCLWT(1), static_cast<double>(0.8f) / L.DPHLD);  // restored to the unperturbed weights
    EXPECT_EQ(L.SCLWTP(1), static_cast<double>(0.8f) / L.DPHLD2);
}

TEST_F(LineStatics, SensitivitiesAgreeWithTheOraclesFiniteDifferencesAndDerivatives) {
    run();
    const CatCom& C = CATCOM;
    const double H = LINCOM.HMEAN;
    const double dz = static_cast<double>(0.001f * 1000.0f);
    const double dH = 0.0078125 * H;
    const OracleState o = oracle_at(H, 200.0);
    const OracleState raised = oracle_at(H, 200.0 + dz);
    const OracleState pulled = oracle_at(H + dH, 200.0);

    const double dxs_dzf = (raised.x - o.x) / dz;
    const double dxs_dh = (pulled.x - o.x) / dH;
    const double dtf_dxf = (pulled.T - o.T) / (pulled.x - o.x);
    const double dtf_dzf = (raised.T - o.T) / dz - dxs_dzf * dtf_dxf;
    struct Case {
        const char* name;
        double driver, oracle;
    };
    for (const Case& c : {Case{"DTFDXF", C.DTFDXF(1), dtf_dxf}, Case{"DTFDZF", C.DTFDZF(1), dtf_dzf},
                          Case{"DXSDZF(1)", C.DXSDZF(1, 1), dxs_dzf}, Case{"DXSDH(1)", C.DXSDH(1, 1), dxs_dh}})
        EXPECT_NEAR(c.driver, c.oracle, 0.03 * std::fabs(c.oracle)) << c.name;
    EXPECT_NEAR(dtf_dxf, 3.220, 0.002);
    EXPECT_NEAR(dtf_dzf, 2.886, 0.002);

    // The exact derivatives of the fairlead tension at a fixed fairlead, from the classic equations
    // solved for H and V by central differences of the fairlead position.
    const auto line = fixture_line();
    auto tension = [&](double X, double Z) {
        const auto [h, v] = solve_classic(X, Z, line, true, o.H, o.V);
        return std::sqrt(h * h + v * v);
    };
    const double e = 1e-3;
    const double exact_dx = (tension(o.x + e, 200.0) - tension(o.x - e, 200.0)) / (2 * e);
    const double exact_dz = (tension(o.x, 200.0 + e) - tension(o.x, 200.0 - e)) / (2 * e);
    EXPECT_NEAR(exact_dx, 3.206, 0.002);
    EXPECT_NEAR(exact_dz, 2.876, 0.002);
    EXPECT_NEAR(C.DTFDXF(1), exact_dx, 0.03 * exact_dx);
    EXPECT_NEAR(C.DTFDZF(1), exact_dz, 0.03 * exact_dz);

    // The anchor node does not move; the fairlead rises by exactly the step.
    EXPECT_EQ(C.DXSDZF(2, 1), 0.0f);
    EXPECT_EQ(C.DXSDH(2, 1), 0.0f);
    EXPECT_EQ(C.DZSDH(2, 1), 0.0f);
    EXPECT_EQ(C.DZSDZF(1, 1), 1.0f);
    EXPECT_LT(std::fabs(C.DZSDZF(2, 1)), 0.03f);
    // With the height held, the fairlead's height changes only within the iteration's tolerance.
    EXPECT_LT(std::fabs(static_cast<double>(C.DZSDH(1, 1)) * dH), 0.03);

    // The vertical fairlead force -H tan(phi) against the oracle's -V.
    EXPECT_NEAR(C.DTZFDZ(1), -(raised.V - o.V) / dz, 0.03 * std::fabs((raised.V - o.V) / dz));
    EXPECT_NEAR(C.DTZFDH(1), -(pulled.V - o.V) / dH, 0.03 * std::fabs((pulled.V - o.V) / dH));
    // The anchor end lies on the floor: its tension is the horizontal tension, which a fixed-height
    // pull raises by dH over the fairlead's horizontal motion.
    EXPECT_NEAR(C.DTBDXB(1), -dH / (pulled.x - o.x), 0.03 * dH / (pulled.x - o.x));
    EXPECT_NEAR(C.DTFDAF(1), C.DTFDXF(1) * LINCOM.FXCOMP + C.DTFDZF(1) * LINCOM.FZCOMP, 1e-4);
    EXPECT_TRUE(std::isfinite(LINCOM.DPHIF_DAF(1)));
}

TEST_F(LineStatics, LinesLeftOutKeepTheirEntries) {
    TPCM.NLIN = 4;
    LINCOM.LINEID(1) = 1025;  // above 1024: skipped
    LINCOM.LINEID(2) = 1024;  // low part 0: no line type
    LINCOM.LINEID(3) = 1;
    LINCOM.LINEID(4) = 1026;  // skipped after a solved line
    LINCOM.RANCK(3) = kRanck;
    for (Int line : {1, 2, 4}) {
        CATCOM.DTFDXF(line) = 123.0f;
        CATCOM.DXSDZF(1, line) = -7.0f;
        CATCOM.TANARR(1, line) = 9.0f;
        LINCOM.DPHIF_DAF(line) = 5.0;
    }
    run();
    for (Int line : {1, 2, 4}) {
        EXPECT_EQ(CATCOM.DTFDXF(line), 123.0f) << line;
        EXPECT_EQ(CATCOM.DXSDZF(1, line), -7.0f) << line;
        EXPECT_EQ(CATCOM.TANARR(1, line), 9.0f) << line;
        EXPECT_EQ(LINCOM.DPHIF_DAF(line), 5.0) << line;
    }
    EXPECT_NEAR(CATCOM.DTFDXF(3), 3.22f, 0.1f);
    // The last line only changed ITYP; the rest describes line 3.
    EXPECT_EQ(LINCOM.ITYP, 2);
    EXPECT_NEAR(LINCOM.HMEAN, 110.4961f, 1e-3f);
}

TEST_F(LineStatics, TraceSwitch) {
    // NBUG0 other than 1 turns the trace off, whatever NBUG was.
    TPCM.NBUG = 1;
    TPCM.NBUG0 = 0;
    run();
    EXPECT_EQ(TPCM.NBUG, 0);
    EXPECT_EQ(screen(), "");

    // NBUG0 1 asks for the level; 0 keeps the trace off.
    clear_captured(SCREEN_UNIT);
    TPCM.NBUG0 = 1;
    answers("0\n");
    run();
    EXPECT_EQ(screen(), " ### In LINDRV:\n Input NBUG: ");
    EXPECT_EQ(TPCM.NBUG, 0);

    // On the silent unit nothing is asked and the trace stays off.
    TPCM.EDUNIT = SILENT_UNIT;
    TPCM.NBUG = 1;
    answers("1\n");
    run();
    EXPECT_EQ(silent(), " ### In LINDRV:\n");
    EXPECT_EQ(TPCM.NBUG, 0);
    EXPECT_EQ(read_keyboard_line(), "1");
}

// The three values of the first ITER8 trace line "  ALEVER,TOPT1,TOPT2" of a traced run.
std::vector<double> first_bracket(const std::string& out) {
    const std::string label = "  ALEVER,TOPT1,TOPT2";
    const std::size_t at = out.find(label);
    std::vector<double> v;
    if (at == std::string::npos) return v;
    std::istringstream in(out.substr(at + label.size(), out.find('\n', at) - at - label.size()));
    double d;
    while (in >> d) v.push_back(d);
    return v;
}

TEST_F(LineStatics, EqualTabulatedTangentsWidenTheBracket) {
    const Real angle = 1.15f;
    for (Int i = 1; i <= 3; ++i) LINCOM.TOPANG(i, 1, 1) = angle;
    TPCM.NBUG0 = 1;
    std::string ones;
    for (int i = 0; i < 20; ++i) ones += "1\n";
    answers(ones);
    run();
    const Real t = std::tan(angle);
    const Real top = t + 0.1f;
    const std::vector<double> b = first_bracket(screen());
    ASSERT_EQ(b.size(), 3u);
    EXPECT_NEAR(b[1], static_cast<double>(top - 0.2f), 1e-6 * static_cast<double>(top));
    EXPECT_NEAR(b[2], static_cast<double>(top), 1e-6 * static_cast<double>(top));
    // The widened bracket still leads to the line.
    const OracleState o = oracle_at(static_cast<double>(LINCOM.HMEAN), 200.0);
    EXPECT_NEAR(LINCOM.QF, o.V / o.H, 2e-4);
    EXPECT_NE(screen().find("ITERATION LOOP FOLLOWS:"), std::string::npos);
}

TEST_F(LineStatics, LayeredLookupBlendsTheLayersAroundTheFairleadOffset) {
    // Types 14 and 17: the offset ZANCHR raises the fairlead and picks the layers. Layer 1 tabulated
    // at the height 200, layer 2 at 210; the offset 5 lies half way, so the fairlead stands 205 high.
    testing::put_fixture_line(1, 2, 210.0);
    TPCM.SIMTYP = 14;
    TPCM.NLAYER = 2;
    TPCM.ZSPAN = 10.0f;
    LINCOM.DLAYER = 10.0f;
    LINCOM.ZANCK(1) = 5.0f;
    const Real r = 902.0f;
    LINCOM.RANCK(1) = r;
    run();
    EXPECT_EQ(LINCOM.ILAYER, 1);
    EXPECT_FLOAT_EQ(LINCOM.DELTAZ, 205.0f);
    // The straight line through the blended distances of the interval that holds r.
    double x[3];
    for (Int i = 1; i <= 3; ++i) x[i - 1] = 0.5 * static_cast<double>(LINCOM.ANCDST(i, 1, 1)) + 0.5 * static_cast<double>(LINCOM.ANCDST(i, 2, 1));
    const double rd = static_cast<double>(r);
    const Int i = rd < x[1] ? 1 : 2;
    const double H = static_cast<double>(LINCOM.HLOD(i)) +
                     (rd - x[i - 1]) / (x[i] - x[i - 1]) * static_cast<double>(LINCOM.HLOD(i + 1) - LINCOM.HLOD(i));
    EXPECT_NEAR(LINCOM.HMEAN, H, 1e-5 * H);
    const OracleState o = oracle_at(static_cast<double>(LINCOM.HMEAN), 205.0);
    EXPECT_NEAR(LINCOM.QF, o.V / o.H, 2e-4);
    EXPECT_NEAR(LINCOM.TPTEN0, o.T, 0.05);
}

TEST_F(LineStatics, CurveDefinedElementsTakeTheirCoefficientsBeforeTheSolve) {
    // The element starts far too soft; its straight curve has the fixture's compliance 2e-6, so with
    // the curves in use the line is the oracle's again. Without the flag the soft line stays.
    TPCM.ALPHA(1, 1, 1) = 1e-4f;
    TPCM.STRESS_STRAIN_FILE(1) = 1;
    LINCOM.NSTRS_STRN(1, 1) = 2;
    LINCOM.TENS_ARR(1, 1, 1) = 0.0f;
    LINCOM.TENS_ARR(2, 1, 1) = 2000.0f;
    LINCOM.E_ARR(2, 1, 1) = 2000.0f * 2e-6f;
    for (Int i = 1; i <= 3; ++i) LINCOM.TANPHI(i, 1, 1) = std::tan(LINCOM.TOPANG(i, 1, 1));
    run();
    EXPECT_EQ(TPCM.ALPHA(1, 1, 1), 1e-4f);
    LINCOM.NEED_STRAIN_FILE = 1;
    run();
    EXPECT_NEAR(TPCM.ALPHA(1, 1, 1), 2e-6f, 1e-10f);
    const OracleState o = oracle_at(static_cast<double>(LINCOM.HMEAN), 200.0);
    EXPECT_NEAR(LINCOM.QF, o.V / o.H, 2e-4);
    EXPECT_NEAR(LINCOM.TPTEN0, o.T, 0.05);
}

struct BadTable {
    const char* name;
    std::function<void()> spoil;
};

TEST_F(LineStatics, TablesThatCannotGiveATensionEndTheRun) {
    const BadTable cases[] = {
        {"all-zero distances", [] { for (Int i = 1; i <= 3; ++i) LINCOM.ANCDST(i, 1, 1) = 0.0f; }},
        {"no table points", [] { TPCM.NTAB = 0; }},
        {"one table point", [] { TPCM.NTAB = 1; }},
        {"more points than the table", [] { TPCM.NTAB = 91; }},
        {"tensions not increasing", [] { LINCOM.HLOD(2) = LINCOM.HLOD(1); }},
        {"distances not monotonic", [] { LINCOM.ANCDST(3, 1, 1) = LINCOM.ANCDST(1, 1, 1); }},
        {"middle layer outside the tables", [] { LINCOM.MIDLYR = 0; }},
        {"layer count beyond the tables", [] { TPCM.SIMTYP = 17; TPCM.NLAYER = 30; }},
        {"empty upper layer of a blend", [] {
             TPCM.SIMTYP = 17;
             TPCM.NLAYER = 2;
             TPCM.ZSPAN = 10.0f;
             LINCOM.DLAYER = 10.0f;
             LINCOM.ZANCK(1) = 5.0f;
         }},
    };
    for (const BadTable& c : cases) {
        SetUp();
        c.spoil();
        answers("\nleft\n");
        EXPECT_EQ(run_to_end(), 1) << c.name;
        EXPECT_EQ(screen(),
                  "\n ++> Statics tables missing or invalid for mooring line type  1\n"
                  "     Press <Return> to Continue...\n")
            << c.name;
        EXPECT_EQ(read_keyboard_line(), "left") << c.name;
        EXPECT_FALSE(std::isnan(LINCOM.HMEAN)) << c.name;
        EXPECT_EQ(CATCOM.DTFDXF(1), 0.0f) << c.name;
        TearDown();
    }
}

TEST_F(LineStatics, SilentRunEndsWithoutWaiting) {
    for (Int i = 1; i <= 3; ++i) LINCOM.ANCDST(i, 1, 1) = 0.0f;
    TPCM.EDUNIT = SILENT_UNIT;
    answers("kept\n");
    EXPECT_EQ(run_to_end(), 1);
    EXPECT_EQ(silent(),
              "\n ++> Statics tables missing or invalid for mooring line type  1\n"
              "     Press <Return> to Continue...\n");
    EXPECT_EQ(read_keyboard_line(), "kept");
}

TEST_F(LineStatics, FairleadNumberOutsideTheTableEndsTheRun) {
    TPCM.LINTYP(1, 1) = 0;
    answers("\n");
    EXPECT_EQ(run_to_end(), 1);
    EXPECT_EQ(screen(),
              "\n ++> Fairlead number out of range for mooring line type  1\n"
              "     Press <Return> to Continue...\n");
}

TEST_F(LineStatics, FairleadHeightBySimulationType) {
    // The hawser of types 10, and 8/13 with IARCO 1, runs to the far end at ENDHT - DRAFT; other lines
    // of those types hang from the second vessel's draft. The solve must succeed at each height, so
    // every case is arranged to give the table's 200.
    struct Case {
        Int simtyp, iarco, hawstp;
        Real bdraft, endht;
    };
    for (const Case& c : {Case{10, 0, 0, 12.0f, 0.0f}, Case{13, 1, 0, 12.0f, 0.0f}, Case{8, 1, 1, 12.0f, -188.0f},
                          Case{13, 0, 0, 50.0f, 0.0f}}) {
        SetUp();
        TPCM.SIMTYP = c.simtyp;
        TPCM.IARCO = c.iarco;
        TPCM.HAWSTP = c.hawstp;
        TPCM.BDRAFT = c.bdraft;
        TPCM.ENDHT = c.endht;
        run();
        EXPECT_FLOAT_EQ(LINCOM.DELTAZ, 200.0f) << c.simtyp << "/" << c.iarco;
        TearDown();
    }
}

}  // namespace
}  // namespace brevant

// SEMRAO on the single column against the single-degree-of-freedom oscillator: -i F / gamma at
// resonance, F for heave and -F / (1 + CSG) for surge in long deep-water waves, the inertia-only
// heave of a hull without heave restoring, the TLP and user-period factors, the damping term of the
// square-law options, and finite results at a zero encounter frequency and an undamped resonance.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>

#include "semi_column_fixture.h"

namespace brevant::testing {
namespace {

class SemiRaos : public ColumnForcesTest {
protected:
    void SetUp() override {
        ColumnForcesTest::SetUp();
        build({10.0f, 12.0f, 14.0f});
        set_heading(0.0f);
        SIMCOM.GAMHV = 0.05f;
        SIMCOM.GAMPT = 0.07f;
        SIMCOM.GAMRL = 0.09f;
    }
    // Deep-water wave number of a frequency.
    static float deep_k(float w) { return w * w / WAVCOM.G; }
    // The same force F at every degree of every period.
    static void store_forces(Complex F) {
        for (int j = 1; j <= TPCM.NWP; ++j)
            for (int m = 1; m <= 6; ++m) pool(m, j) = F;
    }
    static void expect_close(Complex got, std::complex<double> want, double rel, const char* what) {
        const double err = std::abs(std::complex<double>(got.real(), got.imag()) - want);
        EXPECT_LE(err, rel * std::abs(want)) << what << ": " << got << " against " << want;
    }
};

const Complex kF(0.8f, 0.3f);

TEST_F(SemiRaos, HeaveAtItsNaturalFrequencyIsMinusIFOverGamma) {
    const float wh = HIMEM.WH;
    ASSERT_GT(wh, 0.0f);
    set_grid_point(2, wh, deep_k(wh));
    store_forces(kF);
    SEMRAO();
    const std::complex<double> F(kF.real(), kF.imag());
    expect_close(pool(3, 2), -std::complex<double>(0.0, 1.0) * F / 0.05, 1e-5, "heave");
    EXPECT_EQ(HIMEM.IW, TPCM.NWP + 1);
}

TEST_F(SemiRaos, LongDeepWaterWaves) {
    const float w = 0.01f;
    set_grid_point(1, w, deep_k(w));
    store_forces(kF);
    SEMRAO();
    const std::complex<double> F(kF.real(), kF.imag());
    expect_close(pool(3, 1), F, 1e-3, "heave");
    expect_close(pool(1, 1), -F / (1.0 + static_cast<double>(HIMEM.CSG)), 1e-5, "surge");
    expect_close(pool(2, 1), -F / (1.0 + static_cast<double>(HIMEM.CSW)), 1e-5, "sway");
}

TEST_F(SemiRaos, NoHeaveRestoringRespondsByInertia) {
    HIMEM.WH = 0.0f;
    const float w = 0.5f;
    set_grid_point(1, w, deep_k(w));
    store_forces(kF);
    SEMRAO();
    const double w2scal = static_cast<double>(WAVCOM.G) / std::cbrt(static_cast<double>(HIMEM.DELTA));
    const std::complex<double> F(kF.real(), kF.imag());
    expect_close(pool(3, 1), -F * w2scal / 0.25, 1e-5, "heave");
}

TEST_F(SemiRaos, RestoringFactorsOfTlpDataAndUserPeriods) {
    // Particulars whose restoring terms differ from the hydrostatic ones.
    HIMEM.HC *= 1.1f;
    HIMEM.RRMT *= 1.2f;
    HIMEM.PRMT *= 1.3f;
    const double g = WAVCOM.G;
    const double heave = g * static_cast<double>(TPCM.AWP) / static_cast<double>(HIMEM.HC);
    const double roll = g * std::fabs(static_cast<double>(HIMEM.GMT)) * static_cast<double>(HIMEM.DELTA) /
                        static_cast<double>(HIMEM.RRMT);
    const double pitch = g * std::fabs(static_cast<double>(HIMEM.GML)) * static_cast<double>(HIMEM.DELTA) /
                         static_cast<double>(HIMEM.PRMT);
    struct Case {
        const char* what;
        Int simtyp, lhvprd, lrlprd, lptprd;
        double fh, fr, fp;
    };
    const Case cases[] = {
        {"this program's data", 16, 0, 0, 0, 1.0, 1.0, 1.0},
        {"type 14", 14, 0, 0, 0, heave, roll, pitch},
        {"type 17", 17, 0, 0, 0, heave, roll, pitch},
        {"user heave period", 16, 1, 0, 0, heave, 1.0, 1.0},
        {"user roll period", 16, 0, 1, 0, 1.0, roll, 1.0},
        {"user pitch period", 16, 0, 0, 1, 1.0, 1.0, pitch},
    };
    TPCM.SIMTYP = 16;
    store_forces(kF);
    SEMRAO();
    Complex base[7];
    for (int m = 1; m <= 6; ++m) base[m] = pool(m, 2);
    for (const Case& c : cases) {
        TPCM.SIMTYP = c.simtyp;
        TPCM.LHVPRD = c.lhvprd;
        TPCM.LRLPRD = c.lrlprd;
        TPCM.LPTPRD = c.lptprd;
        store_forces(kF);
        SEMRAO();
        const auto b = [&](int m) { return std::complex<double>(base[m].real(), base[m].imag()); };
        expect_close(pool(3, 2), b(3) * c.fh, 1e-5, c.what);
        expect_close(pool(4, 2), b(4) * c.fr, 1e-5, c.what);
        expect_close(pool(5, 2), b(5) * c.fp, 1e-5, c.what);
        expect_close(pool(1, 2), b(1), 1e-6, c.what);
        expect_close(pool(6, 2), b(6), 1e-6, c.what);
    }
}

TEST_F(SemiRaos, FullSquareLawOptionDampsOnlyWhereTheUserGaveIt) {
    const float w = 0.5f;
    set_grid_point(1, w, deep_k(w));
    TPCM.SQLFRC = 1;
    store_forces(kF);
    SEMRAO();
    const std::complex<double> F(kF.real(), kF.imag());
    const double wh2 = static_cast<double>(HIMEM.WH) * static_cast<double>(HIMEM.WH);
    expect_close(pool(3, 1), F * wh2 / (wh2 - 0.25), 1e-5, "undamped heave");

    TPCM.LHVDMP = 1;
    store_forces(kF);
    SEMRAO();
    const std::complex<double> den(wh2 - 0.25, 0.05 * 0.5 * static_cast<double>(HIMEM.WH));
    expect_close(pool(3, 1), F * wh2 / den, 1e-5, "user-damped heave");

    // Options 0 and 2 always take the damping ratio.
    for (Int option : {0, 2}) {
        TPCM.SQLFRC = option;
        TPCM.LHVDMP = 0;
        store_forces(kF);
        SEMRAO();
        expect_close(pool(3, 1), F * wh2 / den, 1e-5, "option 0 or 2");
    }
}

TEST_F(SemiRaos, ZeroDivisorsGiveFiniteResults) {
    auto expect_finite = [](const char* what) {
        for (int m = 1; m <= 6; ++m)
            EXPECT_TRUE(std::isfinite(pool(m, 1).real()) && std::isfinite(pool(m, 1).imag()))
                << what << " dof " << m << ": " << pool(m, 1);
    };
    // A wave met at zero encounter frequency: 1 - 0.125 x 8 = 0 exactly.
    set_grid_point(1, 1.0f, 0.125f);
    TPCM.VFWD = 8.0f;
    store_forces(kF);
    SEMRAO();
    expect_finite("zero encounter frequency");

    // An undamped resonance in the full square-law option.
    TPCM.VFWD = 0.0f;
    set_grid_point(1, HIMEM.WH, deep_k(HIMEM.WH));
    TPCM.SQLFRC = 1;
    store_forces(kF);
    SEMRAO();
    expect_finite("undamped resonance");
    EXPECT_GT(std::abs(pool(3, 1)), 1.0e6f);
}

}  // namespace
}  // namespace brevant::testing

// G_FRC_PREP on one member against quantities rebuilt from its inputs: level spectra from the
// transfer functions, Gaussian drag moments by quadrature, and the group spectra of the spectra
// the terms are defined on; plus the no-current, no-motion, calm-sea and argument-handling cases.
#include "lowlib/member_spectral_preparation.h"

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>

#include "drift_fixture.h"
#include "lowlib/depth_current_drag.h"
#include "lowlib/group_variance.h"
#include "numeric/grid_integrals.h"

namespace brevant::testing {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr Real kSqrt2Pi = 2.5066283f;

double d(Real x) { return static_cast<double>(x); }

// sqrt(2 pi) E[g(X)], X normal with mean M and unit variance, by quadrature.
double gauss_mean(double M, const std::function<double(double)>& g) {
    const int n = 100000;
    const double a = -12.0, h = 24.0 / n;
    double s = 0.0;
    for (int i = 0; i < n; ++i) {
        const double x = a + (i + 0.5) * h;
        s += g(x + M) * std::exp(-0.5 * x * x);
    }
    return s * h;
}

struct Outputs {
    Real FSURF = -7, FSUB = -7, FWDRFT_PAR = -7, FWDRFT_PRP = -7, FLXANG_AVG = -7;
    Real SFX_RR = -7, SFX_BB = -7, SFX_WD = -7, SFX_BR = -7, SFX_WB = -7, SFX_WR = -7, VS_COR = -7;
};

class MemberPrepTest : public DriftTest {
protected:
    static constexpr Int NWP = 21;
    FArray<Real, 100> PSD{};
    FArray<Complex, 100> H{}, A{};
    Real XCOL = 12.0f, EFF = 8.0f, SIG0WV = 0.0f;

    void SetUp() override {
        DriftTest::SetUp();
        grid(periods(4.0f, 1.0f, NWP));
        TPCM.DRAFT = 20.0f;
        TPCM.DEPTH = 300.0f;
        PASCOM.MENWLX = 8.0f;
        PASCOM.MENWLY = 8.0f;
        for (Int i = 1; i <= NWP; ++i) PASCOM.RLRAOH2(i, 1) = 1.0f;
        set_spectrum(1.0f);
        no_current();
    }
    // A smooth bump around 0.6 rad/s, scaled; SIG0WV its RMS.
    void set_spectrum(Real scale) {
        for (Int i = 1; i <= NWP; ++i) {
            const Real w = WAVCOM.W(i);
            PSD(i) = scale * std::exp(-8.0f * (w - 0.6f) * (w - 0.6f));
        }
        Real VAR = 0, VARDOT = 0;
        SMPINT(PSD.data(), VAR, VARDOT);
        SIG0WV = std::sqrt(VAR);
    }
    static void no_current() {
        TPCM.LCURNT = 0;
        TPCM.CURSPD = 0.0f;
        CURPROF.NCURNTPF = 2;
        CURPROF.DPTHIPF(1) = 150.0f;
        CURPROF.DPTHIPF(2) = 300.0f;
        CURPROF.VELIPF(1) = 0.0f;
        CURPROF.VELIPF(2) = 0.0f;
    }
    static void uniform_current(Real knots) {
        TPCM.LCURNT = 1;
        TPCM.CURSPD = knots;
        TPCM.CURHDG = 0.0f;
        CURPROF.VELIPF(1) = knots;
        CURPROF.VELIPF(2) = knots;
    }
    Outputs run(Real& WC, Logical LVARST, Int& NDEPTHQ, Outputs o = {}) {
        G_FRC_PREP(WC, o.FSURF, o.FSUB, o.FWDRFT_PAR, o.FWDRFT_PRP, o.FLXANG_AVG, o.SFX_RR, o.SFX_BB, o.SFX_WD,
                   o.SFX_BR, o.SFX_WB, o.SFX_WR, o.VS_COR, LVARST, PSD.data(), SIG0WV, 0.0f, XCOL, EFF, H.data(),
                   A.data(), 27, 0, 7, FixedText<13>("").view(), 0.0f, 1, "DRAGF ", 1.0f, 0.0f, 0.0f, 1, NDEPTHQ);
        return o;
    }
    // The hull motion at height z (0 at the water line) and its modulus and phase.
    Complex motion(Int IW, double z) const { return H(IW) + Complex(static_cast<Real>(20.0 + z - d(EFF)), 0) * A(IW); }
    // A spectrum built per grid frequency.
    static FArray<Real, 100> spectrum(const std::function<double(Int)>& f) {
        FArray<Real, 100> s{};
        for (Int i = 1; i <= NWP; ++i) s(i) = static_cast<Real>(f(i));
        return s;
    }
    static Real integral(const FArray<Real, 100>& s) {
        Real VAR = 0, VARDOT = 0;
        SMPINT(s.data(), VAR, VARDOT);
        return VAR;
    }
    static Real group(Real WC, const FArray<Real, 100>& s) {
        Real G = 0, GD = 0, V1 = 0, V2 = 0;
        GET_GVAR(WC, WAVCOM.W.data(), NWP, s.data(), G, GD, V1, V2);
        return G;
    }
    static Real cross_group(Real WC, const FArray<Real, 100>& s1, const FArray<Real, 100>& s2) {
        Real G = 0, GD = 0;
        GET_GVAR2(WC, WAVCOM.W.data(), NWP, s1.data(), s2.data(), G, GD);
        return G;
    }
    // The member's drift coefficient along the flux per grid frequency (no current: along the waves).
    static FArray<Real, 100> drift_coefficients() {
        return spectrum([](Int i) {
            Real DFC = 0.0f, ANG = 0.0f;
            DFC_ALIGN(DFC, ANG, i, 0, "", 1.0f, 0.0f, 0.0f, "DRAGF ", 1);
            return d(DFC);
        });
    }
    // Relative velocity spectrum at the water line and the elevation-velocity cross spectrum.
    FArray<Real, 100> surface_velocity_spectrum() const {
        return spectrum([&](Int i) {
            const std::complex<double> R(d(motion(i, 0).real()), d(motion(i, 0).imag()));
            const double p = std::arg(R) + d(WAVCOM.WVK(i)) * d(XCOL);
            const double m = std::abs(R);
            return d(WAVCOM.W2(i)) * d(PSD(i)) * (1.0 + 2.0 * m * std::sin(p) + m * m);
        });
    }
    FArray<Real, 100> cross_spectrum() const {
        return spectrum([&](Int i) {
            const std::complex<double> R(d(motion(i, 0).real()), d(motion(i, 0).imag()));
            const double p = std::arg(R) + d(WAVCOM.WVK(i)) * d(XCOL);
            return d(WAVCOM.W(i)) * d(PSD(i)) * (1.0 + std::abs(R) * std::sin(p));
        });
    }
};

TEST_F(MemberPrepTest, WithoutCurrentOnlyTheSurfaceTermsRemain) {
    for (Int i = 1; i <= NWP; ++i) {
        H(i) = Complex(0.3f + 0.02f * static_cast<Real>(i), -0.2f);
        A(i) = Complex(0.004f, 0.01f * static_cast<Real>(i % 3));
    }
    Real WC = 0.05f;
    Int N = 11;
    const Outputs o = run(WC, 1, N);
    const double SIGV2 = d(integral(surface_velocity_spectrum()));
    const double VAR_CCS = d(integral(cross_spectrum()));
    EXPECT_EQ(o.FSUB, 0.0f);
    EXPECT_NEAR(d(o.VS_COR), VAR_CCS / (std::sqrt(SIGV2) * d(SIG0WV)), 1e-4 * std::fabs(d(o.VS_COR)));
    EXPECT_NEAR(d(o.FSURF), 4.0 * SIGV2 * d(SIG0WV) * d(o.VS_COR) / std::sqrt(2.0 * kPi), 1e-4 * d(o.FSURF));
    EXPECT_EQ(o.SFX_BB, 0.0f);
    EXPECT_EQ(o.SFX_BR, 0.0f);
    EXPECT_EQ(o.SFX_WB, 0.0f);
    const double GVARW = d(group(WC, cross_spectrum()));
    EXPECT_GT(GVARW, 0.0);
    EXPECT_NEAR(d(o.SFX_RR), 16.0 * SIGV2 * GVARW / kPi, 1e-4 * d(o.SFX_RR));
    // Drift terms: the spectrum S times the coefficient along the flux, its group spectrum and its
    // cross group spectrum with the surface one (I1 = 4 without current).
    const auto dfc = drift_coefficients();
    const auto drift = spectrum([&](Int i) { return d(PSD(i)) * d(dfc(i)); });
    EXPECT_NEAR(d(o.FWDRFT_PAR), d(integral(drift)), 1e-5 * d(o.FWDRFT_PAR));
    EXPECT_NEAR(d(o.SFX_WD), d(group(WC, drift)), 1e-5 * d(o.SFX_WD));
    const double WR = 2.0 * std::sqrt(SIGV2) * 4.0 * d(cross_group(WC, drift, cross_spectrum())) / std::sqrt(2.0 * kPi);
    EXPECT_NEAR(d(o.SFX_WR), WR, 1e-4 * std::fabs(WR));
    // Mean drift without current: along the waves only.
    EXPECT_GT(o.FWDRFT_PAR, 0.0f);
    EXPECT_EQ(o.FWDRFT_PRP, 0.0f);
    EXPECT_EQ(o.FLXANG_AVG, 0.0f);
}

TEST_F(MemberPrepTest, FixedHullUnderAUniformCurrent) {
    // No motion: level spectra w^2 S e^(2kz), cross spectrum w S.
    uniform_current(1.5f);
    Real WC = 0.05f;
    Int N = 11;
    const Outputs o = run(WC, 0, N);
    const double V = 1.5 * 0.5142;
    auto level_var = [&](double z) {
        return d(integral(spectrum([&](Int i) {
            return d(WAVCOM.W2(i)) * d(PSD(i)) * std::exp(2.0 * d(WAVCOM.WVK(i)) * z);
        })));
    };
    const double SIGV2_1 = level_var(0.0);
    const double VAR_CCS = d(integral(spectrum([&](Int i) { return d(WAVCOM.W(i)) * d(PSD(i)); })));
    EXPECT_NEAR(d(o.VS_COR), VAR_CCS / (std::sqrt(SIGV2_1) * d(SIG0WV)), 1e-5);
    // Surface term: sqrt(2 pi) E|X| for the surface ratio.
    const double M1 = V / std::sqrt(SIGV2_1);
    const double GAM = gauss_mean(M1, [](double x) { return std::fabs(x); });
    EXPECT_NEAR(d(o.FSURF), 2.0 * SIGV2_1 * d(SIG0WV) * d(o.VS_COR) * GAM / std::sqrt(2.0 * kPi), 1e-4 * d(o.FSURF));
    // Submerged term: Simpson over 11 levels of sqrt(2 pi)(E[X|X|] - M|M|) SIGV2 over sqrt(2 pi).
    double sum = 0.0;
    for (int i = 1; i <= 11; ++i) {
        const double s2 = level_var(-(i - 1) * 2.0);
        const double M = V / std::sqrt(s2);
        const double ISUB = std::fabs(M) > 8.0 ? std::sqrt(2.0 * kPi)
                                               : gauss_mean(M, [](double x) { return x * std::fabs(x); }) -
                                                     std::sqrt(2.0 * kPi) * M * std::fabs(M);
        const double w = i == 1 || i == 11 ? 1.0 : (i % 2 == 0 ? 4.0 : 2.0);
        sum += w * ISUB * s2;
    }
    const double FSUB = 2.0 * sum / 3.0 / std::sqrt(2.0 * kPi);
    EXPECT_NEAR(d(o.FSUB), FSUB, 1e-3 * FSUB);
    EXPECT_GT(o.FSUB, 0.0f);
}

TEST_F(MemberPrepTest, StrongCurrentGivesTheLimitFormsOfThePairTerms) {
    // A weak sea on a strong current: every level's ratio exceeds 8, so I0 = c, I2 = 3c, IP0 = 0
    // and the pair function is 2 c^2 times the group spectrum of the level pair; I2 - I0 = 2c.
    set_spectrum(1e-6f);
    uniform_current(3.0f);
    Real WC = 0.04f;
    Int N = 5;
    const Outputs o = run(WC, 1, N);
    const double c = d(kSqrt2Pi);
    const double DZ = 5.0;
    auto zl = [&](int i) { return -(i - 1) * DZ; };
    auto wt = [](int i) { return i == 1 || i == 5 ? 1.0 : (i % 2 == 0 ? 4.0 : 2.0); };
    double bb = 0.0, g1 = 0.0, g2 = 0.0;
    // The drift coefficient with this current (along the waves: no cross flux).
    const auto dfc = spectrum([](Int k) {
        Real DFC = 0.0f, ANG = 0.0f;
        DFC_ALIGN(DFC, ANG, k, 0, "", 1.0f, 0.0f, 0.0f, "DRAGF ", 1);
        return d(DFC) * std::cos(d(ANG));
    });
    for (int i = 1; i <= 5; ++i) {
        for (int j = 1; j <= 5; ++j) {
            const auto pair = spectrum([&](Int k) {
                return d(WAVCOM.W2(k)) * d(PSD(k)) * std::exp(d(WAVCOM.WVK(k)) * (zl(i) + zl(j)));
            });
            bb += wt(i) * wt(j) * 2.0 * c * c * d(group(WC, pair));
        }
        const auto snv = spectrum([&](Int k) {
            return d(WAVCOM.W(k)) * d(PSD(k)) * std::exp(d(WAVCOM.WVK(k)) * zl(i));
        });
        const auto svv = spectrum([&](Int k) {
            return d(WAVCOM.W2(k)) * d(PSD(k)) * std::exp(d(WAVCOM.WVK(k)) * zl(i));
        });
        g1 += wt(i) * 2.0 * c * d(cross_group(WC, snv, svv));
        const auto spv = spectrum([&](Int k) {
            return d(WAVCOM.W(k)) * d(PSD(k)) * std::sqrt(std::fabs(d(dfc(k)))) * std::exp(d(WAVCOM.WVK(k)) * zl(i));
        });
        g2 += wt(i) * 2.0 * c * d(cross_group(WC, spv, spv));
    }
    bb *= DZ * DZ / 56.548668;
    EXPECT_NEAR(d(o.SFX_BB), bb, 1e-4 * bb);
    const double SIGV1 = std::sqrt(d(integral(surface_velocity_spectrum())));
    const double I1 = 2.0 * (3.0 * 0.5142 / SIGV1) * c;
    EXPECT_NEAR(d(o.SFX_BR), SIGV1 * g1 * I1 * DZ / 18.849556, 1e-3 * std::fabs(d(o.SFX_BR)));
    EXPECT_NEAR(d(o.SFX_WB), g2 * DZ / 7.519885, 1e-4 * d(o.SFX_WB));
    EXPECT_GT(o.SFX_WB, 0.0f);
    EXPECT_NEAR(d(o.SFX_RR), SIGV1 * SIGV1 * I1 * I1 * d(group(WC, cross_spectrum())) / kPi, 1e-3 * d(o.SFX_RR));
}

TEST_F(MemberPrepTest, SlowlyVaryingTermsOnlyWhenAsked) {
    uniform_current(1.0f);
    Real WC = -0.05f;
    Int N = 40;
    const Outputs o = run(WC, 0, N);
    EXPECT_EQ(N, 31);
    EXPECT_EQ(WC, -0.05f);
    EXPECT_EQ(screen(), "");
    for (Real v : {o.SFX_RR, o.SFX_BB, o.SFX_WD, o.SFX_BR, o.SFX_WB, o.SFX_WR}) EXPECT_EQ(v, -7.0f);
    EXPECT_NE(o.FSURF, -7.0f);
    EXPECT_NE(o.FSUB, -7.0f);
    EXPECT_NE(o.VS_COR, -7.0f);
    EXPECT_NE(o.FLXANG_AVG, -7.0f);

    // A negative WC when they are asked: one notice, and the terms of |WC|.
    answers("c\n");
    N = 11;
    const Outputs neg = run(WC, 1, N);
    EXPECT_EQ(WC, 0.05f);
    EXPECT_EQ(count_of(screen(), "Negative DELTAW in GET_GVAR"), 1u);
    const Outputs pos = run(WC, 1, N);
    EXPECT_EQ(neg.SFX_RR, pos.SFX_RR);
    EXPECT_EQ(neg.SFX_BB, pos.SFX_BB);
    EXPECT_EQ(neg.SFX_WD, pos.SFX_WD);
    EXPECT_EQ(neg.SFX_BR, pos.SFX_BR);
    EXPECT_EQ(neg.SFX_WB, pos.SFX_WB);
    EXPECT_EQ(neg.SFX_WR, pos.SFX_WR);
}

TEST_F(MemberPrepTest, CalmSeaGivesFiniteZeros) {
    set_spectrum(0.0f);
    EXPECT_EQ(SIG0WV, 0.0f);
    for (bool current : {false, true}) {
        if (current) uniform_current(2.0f);
        Real WC = 0.05f;
        Int N = 11;
        const Outputs o = run(WC, 1, N);
        for (Real v : {o.FSURF, o.FSUB, o.FWDRFT_PAR, o.FWDRFT_PRP, o.SFX_RR, o.SFX_BB, o.SFX_WD, o.SFX_BR, o.SFX_WB,
                       o.SFX_WR, o.VS_COR}) {
            EXPECT_TRUE(std::isfinite(v));
            EXPECT_EQ(v, 0.0f);
        }
        EXPECT_TRUE(std::isfinite(o.FLXANG_AVG));
    }
}

}  // namespace
}  // namespace brevant::testing

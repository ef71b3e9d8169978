// Wind speed spectra against their published forms and variances, the current spectra, and the
// user spectrum files with their messages.
#include "lowlib/speed_spectra.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>

#include "lowlib/lowlib_fixture.h"
#include "refused_tables.h"
#include "sysutl/pauses.h"

namespace brevant {
namespace {

using testing::LowlibTest;
using testing::put_file;

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Integral over omega from 0 to infinity with omega = e^s: the spectra fall off as a power of
// omega at both ends, so the integrand in s dies out exponentially.
double integral_to_infinity(const std::function<double(double)>& s_of_w) {
    const double a = -25.0, b = 35.0;
    const int n = 12000;
    const double h = (b - a) / n;
    double sum = 0.0;
    for (int i = 0; i <= n; ++i) {
        const double w = std::exp(a + i * h);
        sum += s_of_w(w) * w * (i == 0 || i == n ? 1.0 : (i % 2 == 1 ? 4.0 : 2.0));
    }
    return sum * h / 3.0;
}

class WindSpectrum : public LowlibTest {
protected:
    Real spectrum(Real w, Real vel, Int nunts, Int type, Real apiprm = 0.025f, Real height = 10.0f) {
        return WNDSPC(w, vel, 3.5f, nunts, type, apiprm, height, V_ADJ_RAT, SCREEN_UNIT);
    }
    Real V_ADJ_RAT = -1.0f;
};

TEST_F(WindSpectrum, DavenportAndApiHoldTheirVariance) {
    const double U = 25.0 * 0.5139;
    const double davenport =
        integral_to_infinity([&](double w) { return static_cast<double>(spectrum(static_cast<Real>(w), 25.0f, 1, 1)); });
    EXPECT_NEAR(davenport, 0.03 * U * U, 1e-3 * 0.03 * U * U);
    EXPECT_EQ(V_ADJ_RAT, 1.0f);
    const double api =
        integral_to_infinity([&](double w) { return static_cast<double>(spectrum(static_cast<Real>(w), 25.0f, 1, 4)); });
    EXPECT_NEAR(api, 0.02676 * U * U, 1e-3 * 0.02676 * U * U);
}

TEST_F(WindSpectrum, DavenportAndApiAtZeroFrequency) {
    EXPECT_EQ(spectrum(0.0f, 25.0f, 1, 1), 0.0f);
    const Real U = 25.0f * 0.5139f;
    const Real wp = 0.025f * U * 6.2831855f / 10.0f;
    EXPECT_FLOAT_EQ(spectrum(0.0f, 25.0f, 1, 4), 0.02676f * U * U / wp);
}

TEST_F(WindSpectrum, DavenportInEnglishUnitsUsesFeet) {
    // The same physical spectrum, per ft^2/s^2 against per m^2/s^2 (L and U in feet).
    const double U = 25.0 * 1.6867;
    const double variance =
        integral_to_infinity([&](double w) { return static_cast<double>(spectrum(static_cast<Real>(w), 25.0f, 0, 1)); });
    EXPECT_NEAR(variance, 0.03 * U * U, 1e-3 * 0.03 * U * U);
}

// The N.P.D. (ISO 19901-1) gust spectrum per Hz for the 10 m mean speed U0 (m/s) at height z (m).
double npd_per_hz(double f, double U0, double z) {
    const double n = 0.468;
    const double ft = 172.0 * f * std::pow(z / 10.0, 2.0 / 3.0) * std::pow(U0 / 10.0, -0.75);
    return 320.0 * std::pow(U0 / 10.0, 2.0) * std::pow(z / 10.0, 0.45) / std::pow(1.0 + std::pow(ft, n), 5.0 / (3.0 * n));
}

TEST_F(WindSpectrum, NpdIsThePublishedGustSpectrumPerRadian) {
    const double U0 = 30.0 * 0.5139;
    const Real s = spectrum(0.05f, 30.0f, 1, 5, 0.0f, 40.0f);
    EXPECT_NEAR(s, npd_per_hz(0.05 / kTwoPi, U0, 40.0) / kTwoPi, 1e-5 * 8.245427);
    EXPECT_NEAR(s, 8.245427f, 1e-5f * 8.245427f);
    const double C = 0.0573 * std::sqrt(1.0 + 0.15 * U0);
    const double profile = 1.0 + C * std::log(40.0 / 10.0);
    EXPECT_NEAR(V_ADJ_RAT, 1.0 / (profile * profile), 1e-6);
    EXPECT_NEAR(V_ADJ_RAT, 0.7633294f, 1e-6f);
    for (double w : {0.005, 0.02, 0.3, 1.5}) {
        const Real v = spectrum(static_cast<Real>(w), 30.0f, 1, 5, 0.0f, 40.0f);
        const double iso = npd_per_hz(w / kTwoPi, U0, 40.0) / kTwoPi;
        EXPECT_NEAR(v, iso, 2e-5 * iso) << w;
    }
}

TEST_F(WindSpectrum, NpdHeightRatioAndEnglishUnits) {
    spectrum(0.05f, 30.0f, 1, 5, 0.0f, 10.0f);
    EXPECT_EQ(V_ADJ_RAT, 1.0f);  // at 10 m the ratio is 1
    // A height at or below 1.01 exp(-1/C) gives no ratio, while the spectrum is still computed.
    const double C = 0.0573 * std::sqrt(1.0 + 1.5 * 30.0 * 0.05139);
    const Real low = static_cast<Real>(10.0 * 1.01 * std::exp(-1.0 / C) * 0.99);
    const Real s = spectrum(0.05f, 30.0f, 1, 5, 0.0f, low);
    EXPECT_EQ(V_ADJ_RAT, 0.0f);
    EXPECT_GT(s, 0.0f);
    // English units: the height in feet over 32.81, the value times 10.764 (m^2 to ft^2).
    const Real metric = spectrum(0.05f, 30.0f, 1, 5, 0.0f, 40.0f);
    const Real english = spectrum(0.05f, 30.0f, 0, 5, 0.0f, 40.0f * 3.281f);
    EXPECT_NEAR(english, 10.764f * metric, 1e-5f * english);
}

TEST_F(WindSpectrum, ConstantSteadyAndZeroSpeed) {
    EXPECT_EQ(spectrum(0.1f, 25.0f, 1, 2), 3.5f);
    EXPECT_EQ(spectrum(0.1f, 25.0f, 0, 3), 0.0f);
    for (Int type : {1, 4, 5})
        for (Real w : {0.0f, 0.1f}) {
            const Real v = spectrum(w, 0.0f, 1, type, 0.025f, 40.0f);
            EXPECT_EQ(v, 0.0f) << type << " " << w;
        }
    EXPECT_NEAR(V_ADJ_RAT, 1.0 / std::pow(1.0 + 0.0573 * std::log(4.0), 2.0), 1e-6);
}

TEST_F(WindSpectrum, UnknownUnitsEndTheRunForEveryType) {
    for (Int type = 1; type <= 6; ++type) {
        clear_captured(SCREEN_UNIT);
        answers("\nkept\n");
        EXPECT_EQ(end_status([&] { spectrum(0.1f, 25.0f, 2, type); }), 1) << type;
        EXPECT_EQ(screen(), " >>! NUNTS error in WNDSPC, <RETURN> to quit\n");
        EXPECT_EQ(read_keyboard_line(), "kept");  // one line was read
    }
}

TEST_F(WindSpectrum, ApiWithoutItsParameterEndsTheRun) {
    answers("\nkept\n");
    EXPECT_EQ(end_status([&] { spectrum(0.1f, 25.0f, 1, 4, 0.0f); }), 1);
    EXPECT_EQ(screen(), " >>! API parameter error in WNDSPC, <RETURN> to quit\n");
    EXPECT_EQ(read_keyboard_line(), "kept");
    // A silent run writes the line and does not wait.
    answers("kept\n");
    EXPECT_EQ(end_status([&] { WNDSPC(0.1f, 25.0f, 0.0f, 1, 4, -1.0f, 10.0f, V_ADJ_RAT, SILENT_UNIT); }), 1);
    EXPECT_EQ(end_status([&] { WNDSPC(0.1f, 25.0f, 0.0f, 7, 1, 0.02f, 10.0f, V_ADJ_RAT, SILENT_UNIT); }), 1);
    EXPECT_EQ(silent(), " >>! API parameter error in WNDSPC, <RETURN> to quit\n"
                        " >>! NUNTS error in WNDSPC, <RETURN> to quit\n");
    EXPECT_EQ(read_keyboard_line(), "kept");
}

TEST_F(WindSpectrum, InvalidTypeIsAnInvalidSelector) {
    for (Int type : {0, 7, -3}) {
        clear_captured(SCREEN_UNIT);
        answers("\n");
        EXPECT_EQ(end_status([&] { spectrum(0.1f, 25.0f, 1, type); }), 1) << type;
        EXPECT_EQ(screen(), " =+> Invalid WNDTYP in WNDSPC\n \n Press <RETURN> to continue: ");
    }
}

TEST_F(WindSpectrum, TypeSixReadsTheWindFile) {
    put_file("WINDSPEC.txt", "3\n0.01 10.0\n0.1 4.0\n1.0 1.0\n");
    EXPECT_FLOAT_EQ(spectrum(0.055f, 25.0f, 1, 6), 7.0f);
    EXPECT_EQ(V_ADJ_RAT, 1.0f);
}

class CurrentSpectrum : public LowlibTest {};

TEST_F(CurrentSpectrum, SteadyConstantAndBandLimited) {
    EXPECT_EQ(CURSPC(0.05f, 0.7f, 0, SCREEN_UNIT), 0.0f);
    EXPECT_EQ(CURSPC(0.05f, 0.7f, 1, SCREEN_UNIT), 0.7f);
    EXPECT_EQ(CURSPC(0.12f, 0.7f, 3, SCREEN_UNIT), 0.7f);
    EXPECT_EQ(CURSPC(0.1257f, 0.7f, 3, SCREEN_UNIT), 0.7f);
    EXPECT_EQ(CURSPC(0.1258f, 0.7f, 3, SCREEN_UNIT), 0.0f);
    EXPECT_EQ(CURSPC(0.13f, 0.7f, 3, SCREEN_UNIT), 0.0f);
    EXPECT_EQ(screen(), "");
}

class UserSpectrumFile : public LowlibTest {
protected:
    void SetUp() override {
        LowlibTest::SetUp();
        put_file("CRNTSPEC.txt", "4, 0 0\n0.04 2.0\n0.1, 5.0\n0.3 1.0\r\n0.6 0.4\n");
    }
    Real current(Real w) { return CURSPC(w, 0.0f, 2, SCREEN_UNIT); }
};

TEST_F(UserSpectrumFile, InterpolatesLinearlyInsideWithEndsIncluded) {
    EXPECT_FLOAT_EQ(current(0.04f), 2.0f);
    EXPECT_FLOAT_EQ(current(0.6f), 0.4f);
    EXPECT_FLOAT_EQ(current(0.07f), 3.5f);
    EXPECT_FLOAT_EQ(current(0.2f), 3.0f);
    EXPECT_FLOAT_EQ(current(0.45f), 0.7f);
    EXPECT_EQ(screen(), "");
}

TEST_F(UserSpectrumFile, DescendingTableReadsTheSame) {
    put_file("CRNTSPEC.txt", "3\n0.6 0.4\n0.3 1.0\n0.1 5.0\n");
    EXPECT_FLOAT_EQ(current(0.45f), 0.7f);
    EXPECT_FLOAT_EQ(current(0.2f), 3.0f);
}

TEST_F(UserSpectrumFile, TheFileIsReadOncePerRun) {
    EXPECT_FLOAT_EQ(current(0.07f), 3.5f);
    put_file("CRNTSPEC.txt", "2\n0.0 0.0\n1.0 0.0\n");  // later edits are not seen
    EXPECT_FLOAT_EQ(current(0.07f), 3.5f);
    // Another name reads that file; the first name again reads it afresh.
    put_file("OTHER.txt", "2\n0.0 1.0\n1.0 3.0\n");
    EXPECT_FLOAT_EQ(UCURSPEC(0.5f, SCREEN_UNIT, "OTHER.txt"), 2.0f);
    EXPECT_EQ(current(0.07f), 0.0f);
}

TEST_F(UserSpectrumFile, OutsideTheTableWarnsOnceAndGivesZero) {
    answers("\n\n");
    EXPECT_EQ(current(0.03f), 0.0f);
    EXPECT_EQ(current(0.9f), 0.0f);
    EXPECT_EQ(screen(),
              "\n ++> Warning: Frequencies are required lying outside the range of your user-supplied current spectrum.\n"
              "     The associated spectral values will be set to zero. If this is not what you want, extend the spectrum.\n"
              "     Required Interval: 0.400E-01 to 0.600E+00 radians/sec\n\n" +
                  std::string(1, '\a') + std::string(3, '\0') + "\n " + kAbortPrompt);
    EXPECT_FLOAT_EQ(current(0.07f), 3.5f);  // the run goes on
}

TEST_F(UserSpectrumFile, AbortAnswerEndsTheRun) {
    answers("a\n");
    EXPECT_EQ(end_status([&] { current(0.9f); }), 1);
}

TEST_F(UserSpectrumFile, WindAndCurrentReadersWarnEachOnTheirOwn) {
    put_file("WINDSPEC.txt", "2\n0.01 1.0\n0.5 2.0\n");
    answers("\n\n\n");
    EXPECT_EQ(current(0.9f), 0.0f);
    clear_captured(SCREEN_UNIT);
    EXPECT_EQ(UWNDSPEC(0.9f, SCREEN_UNIT, "WINDSPEC.txt"), 0.0f);
    EXPECT_EQ(screen().rfind(
                  "\n ++> Warning: Frequencies are required lying outside the range of your user-supplied wind spectrum.\n"
                  "     The associated spectral values will be set to zero. If this is not what you want, extend the spectrum. \n"
                  "     Required Interval: 0.100E-01 to 0.500E+00 radians/sec\n\n",
                  0),
              0u)
        << screen();
    clear_captured(SCREEN_UNIT);
    EXPECT_EQ(UWNDSPEC(0.001f, SCREEN_UNIT, "WINDSPEC.txt"), 0.0f);
    EXPECT_EQ(current(0.001f), 0.0f);
    EXPECT_EQ(screen(), "");
    // The reset puts the warning back for a fresh run.
    reset_ucurspec();
    current(0.9f);
    EXPECT_NE(screen().find("current spectrum."), std::string::npos);
}

TEST_F(UserSpectrumFile, SilentRunWarnsWithoutAsking) {
    answers("kept\n");
    EXPECT_EQ(CURSPC(0.9f, 0.0f, 2, SILENT_UNIT), 0.0f);
    EXPECT_NE(silent().find("     Required Interval: 0.400E-01 to 0.600E+00 radians/sec\n"), std::string::npos);
    EXPECT_EQ(read_keyboard_line(), "kept");
}

TEST_F(UserSpectrumFile, ThousandPointsAreAcceptedAndOneMoreIsRefused) {
    std::string text = "1000\n";
    for (int i = 1; i <= 1000; ++i) text += std::to_string(0.001 * i) + " " + std::to_string(i) + "\n";
    put_file("CRNTSPEC.txt", text);
    EXPECT_NEAR(current(0.9995f), 999.5f, 1e-2f);

    reset_ucurspec();
    answers("\n");
    put_file("CRNTSPEC.txt", "1001\n" + text.substr(text.find('\n') + 1) + "1.001 0\n");
    EXPECT_EQ(end_status([&] { current(0.5f); }), 1);
    EXPECT_EQ(screen(), "\n ++>  User-supplied spectrum array in CRNTSPEC.txt\n"
                        "      dimension = [1001] out of range; allowable\n"
                        "      dimension = [1000]\n\n \n Press <RETURN> to continue: ");
}

TEST_F(UserSpectrumFile, FewerThanTwoPointsIsAReadError) {
    for (const char* text : {"1\n0.1 1.0\n", "0\n", "-1\n"}) {
        reset_ucurspec();
        clear_captured(SCREEN_UNIT);
        answers("\n");
        put_file("CRNTSPEC.txt", text);
        EXPECT_EQ(end_status([&] { current(0.1f); }), 1) << text;
        EXPECT_EQ(screen(), "\n ++> End of file or related file error in routine UCURSPEC     \n"
                            "     file name CRNTSPEC.txt\n \n Press <RETURN> to continue: ")
            << text;
    }
}

TEST_F(UserSpectrumFile, ShortFileIsAReadErrorOfItsReader) {
    answers("\n");
    put_file("WINDSPEC.txt", "3\n0.01 1.0\n0.5 2.0\n");
    EXPECT_EQ(end_status([&] { UWNDSPEC(0.1f, SCREEN_UNIT, "WINDSPEC.txt"); }), 1);
    EXPECT_EQ(screen(), "\n ++> End of file or related file error in routine UWNDSPEC     \n"
                        "     file name WINDSPEC.txt\n \n Press <RETURN> to continue: ");
}

TEST_F(UserSpectrumFile, MissingFileAsksAndEnds) {
    answers("\n");
    EXPECT_EQ(end_status([&] { UWNDSPEC(0.1f, SCREEN_UNIT, "WINDSPEC.txt"); }), 1);
    const std::string s = screen();
    EXPECT_EQ(s.rfind("\n ++>  User-supplied spectrum file \"WINDSPEC.txt\" not found\n\n", 0), 0u) << s;
    EXPECT_NE(s.find(kAbortPrompt), std::string::npos);
}

}  // namespace
// A point given twice inside the table is read as written: at it and on either side the values of
// the table without the repeat. Twice at the lowest frequency, a look-up there would divide by the
// interval of no width: refused; at the highest it is never picked (nothing beyond is interpolated).
TEST_F(UserSpectrumFile, ARepeatedPointIsReadWhereTheLookUpNeverDividesByIt) {
    put_file("CRNTSPEC.txt", "5\n0.04 2.0\n0.1 5.0\n0.1 5.0\n0.3 1.0\n0.6 0.4\n");
    EXPECT_TRUE(read_speed_spectrum_file("CRNTSPEC.txt", SCREEN_UNIT).ok());
    EXPECT_FLOAT_EQ(current(0.07f), 3.5f);
    EXPECT_FLOAT_EQ(current(0.1f), 5.0f);
    EXPECT_FLOAT_EQ(current(0.2f), 3.0f);
    EXPECT_EQ(screen(), "");

    put_file("WINDSPEC.txt", "3\n0.04 2.0\n0.6 0.4\n0.6 0.4\n");
    EXPECT_TRUE(read_speed_spectrum_file("WINDSPEC.txt", SCREEN_UNIT).ok());
    EXPECT_FLOAT_EQ(UWNDSPEC(0.6f, SCREEN_UNIT, "WINDSPEC.txt"), 0.4f);
    // Refused at the line of the second of the two; a turn as before.
    testing::expect_refused(read_speed_spectrum_file, "WINDSPEC.txt",
                            {{"3\n0.04 2.0\n0.04 2.0\n0.6 0.4\n", TableFault::EmptyInterval, 3},
                             {"3\n0.6 0.4\n0.04 2.0\n0.04 2.0\n", TableFault::EmptyInterval, 4},
                             {"3\n0.04 2.0\n0.6 0.4\n0.3 1.0\n", TableFault::OutOfOrder, 4}});
}

}  // namespace brevant

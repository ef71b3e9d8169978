// The user RAO table: the file names, bilinear interpolation and extrapolation against a bilinear
// function, the slope and lever-arm transforms, unit RAOs for a missing file, the table kept by
// name, the size limits and the tables refused as unreadable.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <complex>
#include <functional>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

#include "rao_pool_fixture.h"
#include "sysutl/pauses.h"
#include "veslib/user_raos.h"

namespace brevant {
namespace {

using Parts = std::array<double, 12>;  // real and imaginary parts of surge .. yaw
using RaoFunction = std::function<Parts(double omega, double heading)>;

// A table file in the user's format: counts, then per heading its angle and one line per frequency.
std::string table_text(const std::vector<double>& freqs, const std::vector<double>& headings, const RaoFunction& f) {
    std::ostringstream s;
    s << std::setprecision(9) << freqs.size() << " " << headings.size() << "\n";
    for (double h : headings) {
        s << h << "\n";
        for (double w : freqs) {
            s << w;
            for (double v : f(w, h)) s << " " << v;
            s << "\n";
        }
    }
    return s.str();
}

double bilinear_surge(double w, double h) { return 1.0 + 2.0 * w + 0.01 * h + 0.02 * w * h; }

Parts surge_only(double w, double h) {
    Parts p{};
    p[0] = bilinear_surge(w, h);
    return p;
}

const char* const kRangeWarning =
    "\n ++> Warning: Frequency outside user-supplied RAO range;\n"
    "     \"continue\" to extrapolate outside available range.\n";

class UserRaos : public testing::RaoPoolTest {
protected:
    void SetUp() override {
        RaoPoolTest::SetUp();
        reset_usrrao();
    }
    void TearDown() override {
        reset_usrrao();
        RaoPoolTest::TearDown();
    }
    testing::ScratchDir dir_;
    const FixedText<13> file_{"USERRAOS.txt"};

    void run(Real heading) {
        set_heading(heading);
        USRRAO(file_);
    }
};

TEST_F(UserRaos, FileNameFollowsCreatingTypeAndMooringType) {
    struct Case {
        Int CREATR, ISPM;
        const char* name;
    };
    const Case cases[] = {{16, 0, "USERRAOS.txt"}, {16, 2, "USERRAOS.txt"}, {13, 2, "UBUOYRAO.txt"},
                          {13, 1, "UTANKRAO.txt"}, {13, 0, "UTANKRAO.txt"}, {10, 2, "UTUGSRAO.txt"},
                          {10, 3, "UBARGRAO.txt"}, {1, 2, "USERRAOS.txt"},  {15, 2, "USERRAOS.txt"}};
    for (const Case& c : cases) {
        FixedText<13> name("xxxxxxxxxxxxx");
        USRDATSEL(c.CREATR, c.ISPM, name);
        EXPECT_EQ(name.str(), std::string(c.name) + " ") << c.CREATR << " " << c.ISPM;
    }
}

TEST_F(UserRaos, BilinearTableIsReproducedInsideAndOutsideWithOneRangeWarning) {
    // Ascending and descending frequency columns give the same values.
    for (bool descending : {false, true}) {
        reset_usrrao();
        clear_captured(SCREEN_UNIT);
        std::vector<double> freqs{0.4, 0.8, 1.2};
        if (descending) freqs = {1.2, 0.8, 0.4};
        testing::put_file("USERRAOS.txt", table_text(freqs, {0.0, 60.0, 120.0}, surge_only));
        set_grid({{0.6f, 0.1f}, {1.5f, 0.2f}});
        answers("\n");
        for (Real heading : {75.0f, 150.0f}) {
            run(heading);
            for (int j = 1; j <= 2; ++j) {
                const double w = j == 1 ? 0.6 : 1.5;
                const double expected = bilinear_surge(w, heading);
                EXPECT_NEAR(HIMEM.SGRAO(j).real(), expected, 2e-6 * expected) << w << " " << heading;
                EXPECT_EQ(HIMEM.SGRAO(j).imag(), 0.0f);
                for (int d = 2; d <= 6; ++d) EXPECT_EQ(HIMEM.SEARAO(j, d), Complex(0.0f, 0.0f));
            }
            EXPECT_EQ(HIMEM.IW, 3);
        }
        // The frequency 1.5 lies outside: one warning and one abort question for the whole process,
        // none for the heading 150 that is outside the headings too.
        EXPECT_EQ(count(screen(), kRangeWarning), 1) << screen();
        EXPECT_EQ(count(screen(), kAbortPrompt), 1);
    }
}

TEST_F(UserRaos, RotationsAreScaledByWaveNumberAndTranslationsMovedToTheCentresOfRotation) {
    // Pitch (0.3, 0.1), roll (0.2, 0) and yaw (0.5, -0.5) everywhere; surge and sway bilinear.
    const RaoFunction f = [](double w, double h) {
        Parts p{};
        p[0] = bilinear_surge(w, h);
        p[1] = 0.5;
        p[2] = -1.0 + w;
        p[3] = 0.25 * h / 60.0;
        p[4] = 2.0;
        p[6] = 0.2;
        p[8] = 0.3;
        p[9] = 0.1;
        p[10] = 0.5;
        p[11] = -0.5;
        return p;
    };
    testing::put_file("USERRAOS.txt", table_text({0.4, 0.8, 1.2}, {0.0, 60.0, 120.0}, f));
    TPCM.VKG = 10.0f;
    HIMEM.VTCRP = 12.0f;  // VTCRP - VKG = 2
    HIMEM.VTCRR = 9.0f;   // VTCRR - VKG = -1
    set_grid({{0.6f, 0.05f}, {1.0f, 0.3f}});
    run(30.0f);
    for (int j = 1; j <= 2; ++j) {
        const double w = j == 1 ? 0.6 : 1.0;
        const double k = j == 1 ? 0.05 : 0.3;
        const std::complex<double> pitch = k * std::complex<double>(0.3, 0.1);
        const std::complex<double> roll = k * std::complex<double>(0.2, 0.0);
        const std::complex<double> surge = std::complex<double>(bilinear_surge(w, 30.0), 0.5) + 2.0 * pitch;
        const std::complex<double> sway = std::complex<double>(-1.0 + w, 0.125) + 1.0 * roll;
        const auto near = [](Complex got, std::complex<double> want, const char* what) {
            EXPECT_NEAR(got.real(), want.real(), 2e-6 * (1.0 + std::abs(want))) << what;
            EXPECT_NEAR(got.imag(), want.imag(), 2e-6 * (1.0 + std::abs(want))) << what;
        };
        near(HIMEM.PTRAO(j), pitch, "pitch");
        near(HIMEM.RLRAO(j), roll, "roll");
        near(HIMEM.YWRAO(j), k * std::complex<double>(0.5, -0.5), "yaw");
        near(HIMEM.HVRAO(j), {2.0, 0.0}, "heave");
        near(HIMEM.SGRAO(j), surge, "surge");
        near(HIMEM.SWRAO(j), sway, "sway");
    }
    EXPECT_EQ(screen(), "");
}

TEST_F(UserRaos, UnitRaosHaveModulusOneAndPhasesSixtyDegreesApart) {
    Complex r[6];
    UNITRAO(0.7f, 33.0f, r[0], r[1], r[2], r[4], r[3], r[5]);  // pitch before roll in the argument list
    const double phases[6] = {45, 105, 165, 225, 285, 345};
    for (int d = 0; d < 6; ++d) {
        EXPECT_NEAR(std::abs(std::complex<double>(r[d].real(), r[d].imag())), 1.0, 1e-6) << d;
        double deg = std::atan2(static_cast<double>(r[d].imag()), static_cast<double>(r[d].real())) * 180.0 / M_PI;
        if (deg < 0) deg += 360.0;
        EXPECT_NEAR(deg, phases[d], 1e-4) << d;
    }
}

TEST_F(UserRaos, MissingFileWarnsOnceAndGivesTransformedUnitRaos) {
    TPCM.VKG = 10.0f;
    HIMEM.VTCRP = 12.0f;
    HIMEM.VTCRR = 9.0f;
    set_grid({{0.6f, 0.05f}, {1.0f, 0.3f}});
    answers("\n");
    run(10.0f);
    const std::string warning =
        "\n ++> Warning: User-supplied vessel RAOs \"USERRAOS.txt \" not found;\n"
        "     Dimensionless RAOs will default to unity.\n\n";
    EXPECT_EQ(screen().substr(0, warning.size()), warning);
    EXPECT_EQ(count(screen(), "not found"), 1);
    EXPECT_EQ(count(screen(), kAbortPrompt), 1);
    Complex u[6];
    UNITRAO(0.0f, 0.0f, u[0], u[1], u[2], u[4], u[3], u[5]);
    for (int j = 1; j <= 2; ++j) {
        const Real k = j == 1 ? 0.05f : 0.3f;
        EXPECT_EQ(HIMEM.HVRAO(j), u[2]);
        EXPECT_EQ(HIMEM.RLRAO(j), k * u[3]);
        EXPECT_EQ(HIMEM.PTRAO(j), k * u[4]);
        EXPECT_EQ(HIMEM.YWRAO(j), k * u[5]);
        EXPECT_NEAR(std::abs(HIMEM.SGRAO(j) - (u[0] + 2.0f * k * u[4])), 0.0f, 1e-6f);
        EXPECT_NEAR(std::abs(HIMEM.SWRAO(j) - (u[1] + k * u[3])), 0.0f, 1e-6f);
        EXPECT_GT(std::abs(std::abs(HIMEM.SGRAO(j)) - 1.0f), 1e-3f);  // not of unit amplitude any more
    }
    // The same name again: no second warning, unit RAOs again, also when the file has appeared.
    testing::put_file("USERRAOS.txt", table_text({0.4, 1.2}, {0.0, 90.0}, surge_only));
    clear_captured(SCREEN_UNIT);
    run(10.0f);
    EXPECT_EQ(screen(), "");
    EXPECT_EQ(HIMEM.HVRAO(1), u[2]);
}

TEST_F(UserRaos, MissingFileStopsOnAbortAndInASilentRun) {
    set_grid({{0.6f, 0.05f}});
    answers("A\n");
    EXPECT_EQ(end_status([&] { run(0.0f); }), 1);
    EXPECT_NE(screen().find("not found;"), std::string::npos);

    reset_usrrao();
    TPCM.EDUNIT = SILENT_UNIT;
    EXPECT_EQ(end_status([&] { run(0.0f); }), 1);
    EXPECT_NE(silent().find(" ++> Warning: User-supplied vessel RAOs \"USERRAOS.txt \" not found;"),
              std::string::npos);
}

TEST_F(UserRaos, RangeWarningStopsOnAbortAndInASilentRun) {
    testing::put_file("USERRAOS.txt", table_text({0.4, 0.8}, {0.0, 90.0}, surge_only));
    set_grid({{1.0f, 0.05f}});
    answers("a\n");
    EXPECT_EQ(end_status([&] { run(0.0f); }), 1);

    reset_usrrao();
    TPCM.EDUNIT = SILENT_UNIT;
    EXPECT_EQ(end_status([&] { run(0.0f); }), 1);
    EXPECT_EQ(count(silent(), kRangeWarning), 1);
}

TEST_F(UserRaos, TableIsKeptByNameAndReadAgainForAnotherName) {
    testing::put_file("USERRAOS.txt", table_text({0.4, 1.2}, {0.0, 90.0}, surge_only));
    set_grid({{0.8f, 0.05f}});
    run(45.0f);
    EXPECT_NEAR(HIMEM.SGRAO(1).real(), bilinear_surge(0.8, 45.0), 1e-5);
    // Changed on disk, same name: the kept table answers, also at a new heading.
    testing::put_file("USERRAOS.txt", table_text({0.4, 1.2}, {0.0, 90.0}, [](double, double) { return Parts{}; }));
    run(80.0f);
    EXPECT_NEAR(HIMEM.SGRAO(1).real(), bilinear_surge(0.8, 80.0), 1e-5);
    // Another name is read, and going back to the first name reads its new contents.
    testing::put_file("UBARGRAO.txt", table_text({0.4, 1.2}, {0.0, 90.0}, [](double, double) {
                          Parts p{};
                          p[0] = 7.0;
                          return p;
                      }));
    set_heading(80.0f);
    USRRAO(FixedText<13>("UBARGRAO.txt"));
    EXPECT_NEAR(HIMEM.SGRAO(1).real(), 7.0, 1e-6);
    run(80.0f);
    EXPECT_EQ(HIMEM.SGRAO(1), Complex(0.0f, 0.0f));
    EXPECT_EQ(screen(), "");
}

TEST_F(UserRaos, OversizedTablesStopWithTheDimensionMessageAndTheLimitsAreAccepted) {
    set_grid({{0.8f, 0.05f}});
    testing::put_file("USERRAOS.txt", "122 2\n");
    answers("\n");
    EXPECT_EQ(end_status([&] { run(0.0f); }), 1);
    const std::string message =
        "\n ++>  User-supplied RAO array dimensions = [122,  2] out of range;\n"
        "      maximum allowable array dimensions = [121,145]\n\n";
    EXPECT_EQ(screen().substr(0, message.size()), message);
    EXPECT_NE(screen().find("Press <RETURN> to continue"), std::string::npos);

    reset_usrrao();
    clear_captured(SCREEN_UNIT);
    testing::put_file("USERRAOS.txt", "2 146\n");
    answers("\n");
    EXPECT_EQ(end_status([&] { run(0.0f); }), 1);
    EXPECT_NE(screen().find("dimensions = [  2,146] out of range;"), std::string::npos);

    // The limits themselves: 121 frequencies, then 145 headings.
    std::vector<double> many_w, two_w{0.1, 2.0};
    for (int i = 0; i < 121; ++i) many_w.push_back(0.1 + 0.01 * i);
    std::vector<double> many_h, two_h{0.0, 360.0};
    for (int i = 0; i < 145; ++i) many_h.push_back(2.5 * i);
    for (const auto& [w, h] : {std::pair{many_w, two_h}, std::pair{two_w, many_h}}) {
        reset_usrrao();
        clear_captured(SCREEN_UNIT);
        testing::put_file("USERRAOS.txt", table_text(w, h, surge_only));
        run(100.0f);
        EXPECT_EQ(screen(), "");
        EXPECT_NEAR(HIMEM.SGRAO(1).real(), bilinear_surge(0.8, 100.0), 1e-4);
    }
}

TEST_F(UserRaos, ShortRepeatedTurningOrDamagedTablesEndThroughTheFileErrorReport) {
    const Parts zero{};
    const auto flat = [&](double, double) { return zero; };
    const std::string cases[] = {
        table_text({0.8}, {0.0, 90.0}, flat),             // one frequency
        table_text({0.4, 0.8}, {30.0}, flat),             // one heading
        "0 2\n",                                          // no frequency at all
        "-3 2\n",                                         // a negative count
        table_text({0.4, 0.4, 0.8}, {0.0, 90.0}, flat),   // equal neighbouring frequencies
        table_text({0.4, 0.8}, {0.0, 90.0, 90.0}, flat),  // equal neighbouring headings
        table_text({0.4, 0.8, 0.6}, {0.0, 90.0}, flat),   // frequencies that turn back
        table_text({0.4, 0.8}, {0.0, 90.0, 45.0}, flat),  // headings that turn back
        "2 2\n0\n0.4 1 0 0 0 0 0 0 0 0 0 0 NaN\n",        // NaN for a number
        "2 2\n0\n0.4 1 0 0 0\n",                          // ends inside a frequency line
        "2 2\n0\n0.4 1 0 0 0 0 0 0 0 0 0 0 x\n",          // an unreadable value
        "",                                               // nothing at all
    };
    set_grid({{0.6f, 0.05f}});
    for (const std::string& text : cases) {
        reset_usrrao();
        clear_captured(SCREEN_UNIT);
        testing::put_file("USERRAOS.txt", text);
        answers("\n");
        EXPECT_EQ(end_status([&] { run(0.0f); }), 1) << text;
        const std::string report =
            "\n ++> End of file or related file error in routine USRRAO\n"
            "     file name USERRAOS.txt \n";
        EXPECT_EQ(screen().substr(0, report.size()), report) << text;
        EXPECT_EQ(screen().find("dimensions"), std::string::npos);
    }
}

}  // namespace
}  // namespace brevant

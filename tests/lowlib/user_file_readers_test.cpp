// The run's readers of the user files refuse what the checks before the run refuse, with the same
// code: abscissae that turn back, or repeat where the look-up would divide by the interval between
// them, end the run through the file error report naming the routine and the file, where the
// table the other way round (falling) is read and used.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "lowlib/current_profile.h"
#include "lowlib/lowlib_fixture.h"
#include "lowlib/speed_spectra.h"
#include "lowlib/user_drift_table.h"
#include "lowlib/wind_current_coefficients.h"
#include "veslib/user_wave_spectrum.h"

namespace brevant {
namespace {

using testing::LowlibTest;
using testing::put_file;

class UserFileReaders : public LowlibTest {
protected:
    void SetUp() override {
        LowlibTest::SetUp();
        reset_drftcb();
        reset_uwvspc();
    }
    void TearDown() override {
        reset_drftcb();
        reset_uwvspc();
        LowlibTest::TearDown();
    }
};

struct Reader {
    const char* file;
    const char* routine;  // as the reader holds its caption
    const char* falling;      // a good table, abscissae falling
    const char* turned_back;  // the same with an abscissa that turns back
    std::function<void()> read;
};

TEST_F(UserFileReaders, AbscissaeOutOfOrderEndTheRunThroughTheFileErrorReport) {
    const Reader readers[] = {
        {"WINDCOFS.txt", "USRWND", "3\n360 1 0 0\n180 0 1 0\n0 1 0 0\n", "3\n360 1 0 0\n180 0 1 0\n270 1 0 0\n",
         [] { USRWND(1, 0.5f, SCREEN_UNIT, KBD_UNIT, "WINDCOFS.txt "); }},
        {"DRFTCOFS.txt", "DRFTCB", "2 2\n360\n2 1 0 0\n0.1 1 0 0\n0\n2 1 0 0\n0.1 1 0 0\n",
         "3 2\n360\n2 1 0 0\n0.1 1 0 0\n1 1 0 0\n0\n2 1 0 0\n0.1 1 0 0\n1 1 0 0\n",
         [] { DRFTCB(0.5f, 1, 0.5f, SCREEN_UNIT, KBD_UNIT, "DRFTCOFS.txt "); }},
        {"WINDSPEC.txt", "UWNDSPEC     ", "3\n3 1\n1 1\n0.01 1\n", "3\n3 1\n1 1\n2 1\n",
         [] { UWNDSPEC(0.5f, SCREEN_UNIT, "WINDSPEC.txt"); }},
        {"WAVSPEC.txt", "UWVSPC", "3\n3 1\n1 1\n0.01 1\n", "3\n3 1\n1 1\n1 1\n",
         [] { UWVSPC(0.5f, SCREEN_UNIT, KBD_UNIT, FixedText<13>("WAVSPEC.txt")); }},
        {"CRNTPROF.txt", "CURPROF_INIT", "2\n10 1 180\n50 1 180\n", "3\n10 1 180\n50 1 180\n20 1 180\n",
         [] {
             TPCM.LCURNT = 1;
             TPCM.LCSTCR = 3;
             TPCM.CURHDG = 180.0f;
             TPCM.DEPTH = 100.0f;
             Real DZMIN = 0.0f;
             CURPROF_INIT(5.0f, DZMIN, SCREEN_UNIT, KBD_UNIT);
         }},
    };
    for (const Reader& r : readers) {
        reset_all();
        reset_drftcb();
        reset_uwvspc();
        clear_captured(SCREEN_UNIT);
        put_file(r.file, r.falling);
        EXPECT_EQ(end_status(r.read), -1) << r.file << "\n" << screen();
        reset_all();
        reset_drftcb();
        reset_uwvspc();
        clear_captured(SCREEN_UNIT);
        answers("\n");
        put_file(r.file, r.turned_back);
        EXPECT_EQ(end_status(r.read), 1) << r.file;
        EXPECT_NE(screen().find(" ++> End of file or related file error in routine " + std::string(r.routine) +
                                "\n     file name " + r.file),
                  std::string::npos)
            << r.file << "\n" << screen();
    }
}

// The five checks before a run read a file the same way: by its name, and with their unit closed
// after a good file, a damaged one and a missing one alike.
TEST_F(UserFileReaders, EachCheckTakesTheNameAndClosesItsUnitOnEveryPath) {
    using Check = TableOutcome (*)(std::string_view, Int);
    struct Case {
        const char* file;
        Check check;
        const char* good;
        const char* damaged;
        Int unit;
    };
    const Case cases[] = {
        {"A.txt", read_user_coefficient_file, "2\n0 1 0 0\n360 1 0 0\n", "2\n0 1 0 0\n", USER_TABLE_UNIT},
        {"B.txt", read_drift_file, "2 2\n0\n0.1 1 0 0\n2 1 0 0\n360\n0.1 1 0 0\n2 1 0 0\n", "2 2\n0\n",
         USER_TABLE_UNIT},
        {"C.txt", read_speed_spectrum_file, "2\n0.1 1\n2 1\n", "2\n0.1 1\n", USER_TABLE_UNIT},
        {"D.txt", read_current_profile_file, "2\n10 1 0\n50 1 0\n", "2\n10 1 0\n", USER_TABLE_UNIT},
        {"E.txt", read_wave_spectrum_file, "2\n0.1 1\n2 1\n", "2\n0.1 1\n", kUserSpectrumUnit},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.check(c.file, SCREEN_UNIT).fault, TableFault::Missing) << c.file;
        EXPECT_FALSE(unit_is_open(c.unit)) << c.file;
        put_file(c.file, c.good);
        EXPECT_TRUE(c.check(c.file, SCREEN_UNIT).ok()) << c.file;
        EXPECT_FALSE(unit_is_open(c.unit)) << c.file;
        put_file(c.file, c.damaged);
        EXPECT_EQ(c.check(c.file, SCREEN_UNIT).fault, TableFault::EndOfFile) << c.file;
        EXPECT_FALSE(unit_is_open(c.unit)) << c.file;
    }
    EXPECT_EQ(screen(), "");
}

}  // namespace
}  // namespace brevant

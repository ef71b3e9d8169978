// The start of a session beside another program's save in the same folder: the start waits for the
// lock of the folder before it reads the case, says so once, and then loads the other program's
// whole case; a lock that is never let go ends the start after its bound, with nothing read or
// changed. The other program is another holder of the lock in this process (a second open of the
// folder); the wait runs on the platform's clock, so the bound passes without waiting for it.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <string>

#include "edlib/editor_driver.h"
#include "edlib/loader.h"
#include "platform/platform.h"
#include "records/coefficient_image.h"
#include "records/data_image.h"
#include "sysutl/program_end.h"
#include "sysutl/record_io.h"
#include "sysutl/units.h"
#include "test_support.h"

namespace brevant {
namespace {

namespace fs = std::filesystem;
using testing::file_bytes;
using testing::put_file;

using testing::Contents;
using testing::contents_here;

const std::string kWaiting = " >>> Another program is saving in this folder: the case is read once its save has ended.";

class StartLockTest : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_images();
        reset_session();
    }
    void TearDown() override {
        hold_start_work(nullptr);
        reset_session();
        reset_images();
        ConsoleTest::TearDown();
    }

    // The bytes of the data file and of the coefficient file of a case of this program with water
    // depth DEPTH and the wind table ANGLES, as a save writes them.
    static std::pair<std::string, std::string> case_files(float depth, std::vector<float> angles) {
        reset_images();
        TPCM.NTOGO = NTOGOQ;
        TPCM.SIMTYP = 16;
        TPCM.VERNO = 6.8f;
        TPCM.CMPUTR = 5;
        TPCM.DEPTH = depth;
        LOWCOF.NUWNPT = static_cast<Int>(angles.size());
        for (std::size_t k = 0; k < angles.size(); ++k) LOWCOF.UWNANG(static_cast<int>(k + 1)) = angles[k];
        Int words = NTOGOQ, ierr = -1;
        DISKIO(0, words, "CASE.data", DISK_UNIT, ierr, image_bytes(TPCM), 5);
        EXPECT_EQ(ierr, 0);
        words = kLowcofWords;
        DISKIO(0, words, "CASE.coef", DISK_UNIT, ierr, image_bytes(LOWCOF), 5);
        EXPECT_EQ(ierr, 0);
        std::pair<std::string, std::string> files{file_bytes("CASE.data"), file_bytes("CASE.coef")};
        fs::remove("CASE.data");
        fs::remove("CASE.coef");
        reset_images();
        return files;
    }
};

// Program A in the middle of its save (depth 90 and a wind table of three angles): its new
// "LOWDAT" in place, its new "BREVDAT" still beside its name, the lock of the folder held. The start
// waits: while it waits nothing in the folder changes; once A has put "BREVDAT" in place and let go,
// the start reads A's whole case. When A never lets go, the start ends with status 1 past its bound
// (30 s on its clock), saying why, and the folder is as A has it.
TEST_F(StartLockTest, AStartWaitsForAnotherProgramsSaveAndLoadsItsWholeCase) {
    struct Case {
        const char* what;
        bool released;  // A ends its save and lets go at the start's third look
    };
    for (const Case& c : {Case{"the lock let go", true}, Case{"the lock never let go", false}}) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        capture_unit(SCREEN_UNIT);  // the scratch folder of the row before gave the units back
        const auto [old_data, old_coef] = case_files(100.0f, {});
        const auto [a_data, a_coef] = case_files(90.0f, {0.0f, 90.0f, 180.0f});
        put_file("BREVDAT", old_data);
        put_file("LOWDAT", a_coef);
        put_file("BREVDAT.brvtmp", a_data);
        const Contents during = contents_here();
        int other = -1;
        ASSERT_EQ(platform::lock_folder(".", other), platform::LockResult::Held);

        int looks = 0;
        bool untouched = true;
        platform::set_manual_clock(0.0);
        platform::set_sleep_hook([&] {
            ++looks;
            untouched = untouched && contents_here() == during;
            if (c.released && looks == 3) {
                fs::rename("BREVDAT.brvtmp", "BREVDAT");
                platform::release_folder_lock(other);
                other = -1;
            }
        });
        answers("M\n");
        int status = -1;
        std::string why;
        try {
            start_session();
        } catch (const ProgramEnd& end) {
            status = end.status;
            why = end.why;
        }
        const double waited = platform::clock_seconds();
        platform::reset_clock();
        platform::release_folder_lock(other);

        EXPECT_TRUE(untouched);
        const std::string text = screen();
        EXPECT_EQ(testing::count_of(text, kWaiting + "\n"), 1u) << text;
        EXPECT_LT(text.find("Enter letter of selection: "), text.find(kWaiting)) << text;
        if (c.released) {
            EXPECT_EQ(status, -1) << text;
            EXPECT_EQ(looks, 3);
            EXPECT_EQ(TPCM.DEPTH, 90.0f);
            EXPECT_EQ(LOWCOF.NUWNPT, 3);
            EXPECT_EQ(LOWCOF.UWNANG(3), 180.0f);
            EXPECT_EQ(SESSION.IERR0, 0);
            EXPECT_EQ(SESSION.IERR1, 0);
            EXPECT_EQ(contents_here(), (Contents{{"BREVDAT", a_data}, {"LOWDAT", a_coef}}));
        } else {
            EXPECT_EQ(status, 1);
            // Standard error says why at the end of the program.
            EXPECT_EQ(why, " ++> Another program has held the lock of this folder for 30 s: the program stops "
                           "without reading or changing a file.");
            EXPECT_GE(waited, 30.0);
            EXPECT_LT(waited, 31.0);
            EXPECT_NE(text.find(" ++> Another program has held the lock of this folder for 30 s: the program stops "
                                "without reading or changing a file.\n"
                                "     Start again once that program has ended.\n"),
                      std::string::npos)
                << text;
            EXPECT_EQ(contents_here(), during);
        }
    }
}

// With the lock free the start neither waits nor says so, and it lets go of the lock once the case
// is read: the session waits for its answers without it.
TEST_F(StartLockTest, WithTheLockFreeTheStartNeitherWaitsNorSaysSo) {
    testing::ScratchDir dir;
    capture_unit(SCREEN_UNIT);
    const auto [data, coef] = case_files(90.0f, {0.0f, 90.0f});
    put_file("BREVDAT", data);
    put_file("LOWDAT", coef);
    int sleeps = 0;
    platform::set_manual_clock(0.0);
    platform::set_sleep_hook([&] { ++sleeps; });
    answers("M\n");
    start_session();
    EXPECT_EQ(sleeps, 0);
    EXPECT_EQ(screen().find(kWaiting), std::string::npos);
    EXPECT_EQ(TPCM.DEPTH, 90.0f);
    int probe = -1;
    EXPECT_EQ(platform::lock_folder(".", probe), platform::LockResult::Held);
    platform::release_folder_lock(probe);
}

}  // namespace
}  // namespace brevant

// The jack-up entry points: the two lines on standard output with their leading blank, one line
// read and dropped, status 1; a silent run writes them to "Diagnostics.stxt" as well and reads
// nothing; a closed keyboard ends as every prompt does; and a summary file that motion phase 1
// opened before the hull call is on disk once the program has closed its units.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "records/data_image.h"
#include "records/motion_record.h"
#include "records/wave_record.h"
#include "test_support.h"
#include "veslib/hull_dispatch.h"
#include "veslib/motion_phase1.h"
#include "vessels/hull_table.h"
#include "vessels/jackup/jackup_hull.h"

namespace brevant {
namespace {

const char* const kLines =
    "  ++> You are in an inoperative vessel utility file!\n"
    "      Press <Return> to quit\n";

class JackUpHull : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_images();
        TPCM.EDUNIT = SCREEN_UNIT;
    }
    void TearDown() override {
        clear_hull_table();
        reset_images();
        reset_wavcom();
        reset_himem();
        reset_vesl1();
        ConsoleTest::TearDown();
    }
    static int status_of(const std::function<void()>& f) {
        try {
            f();
        } catch (const ProgramEnd& e) {
            return e.status;
        }
        return -1;
    }
};

TEST_F(JackUpHull, EveryEntryPointTellsTheUserReadsOneLineAndEndsWithStatusOne) {
    const std::function<void()> entries[] = {
        [] { JCKCHR(); }, [] { Int n = 0; JCKFRC(n); }, [] { JCKRAO(); }, [] { JCKSUM(); }, [] { JCKOUT(); }};
    for (const auto& entry : entries) {
        clear_captured(SCREEN_UNIT);
        answers("Q\nnext\n");
        EXPECT_EQ(status_of(entry), 1);
        EXPECT_EQ(screen(), kLines);
        // Exactly one line was taken: the next one is still there.
        EXPECT_EQ(read_keyboard_line(), "next");
    }
    EXPECT_EQ(silent(), "");
}

TEST_F(JackUpHull, ASilentRunWritesTheLinesToDiagnosticsAndReadsNothing) {
    TPCM.EDUNIT = SILENT_UNIT;
    answers("untouched\n");
    EXPECT_EQ(status_of([] { JCKCHR(); }), 1);
    EXPECT_EQ(silent(), kLines);
    EXPECT_EQ(screen(), kLines);
    EXPECT_EQ(read_keyboard_line(), "untouched");
}

TEST_F(JackUpHull, AClosedKeyboardEndsTheRunWithTheEndOfInputLine) {
    answers("");
    ::testing::internal::CaptureStderr();
    const int status = status_of([] { JCKCHR(); });
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 1);
    EXPECT_EQ(err, std::string(kEndOfInputMessage) + "\n");
}

TEST_F(JackUpHull, MotionPhase1ReachesItFirstAndTheSummaryFileIsLeftClosedOnDisk) {
    testing::ScratchDir dir;
    reset_wavcom();
    reset_himem();
    reset_vesl1();
    install_hull_table(real_hull_table());
    TPCM.SIMTYP = 16;
    TPCM.NUNTS = 1;
    TPCM.VESTYP = 2;
    TPCM.IUNIT = DISK_UNIT;
    TPCM.NEGSUM = 0;
    TPCM.hideTorMedaReports = 1;
    TPCM.DEPTH = 50.0f;
    TPCM.DRAFT = 5.0f;
    TPCM.ANGSEC = 180.0f;
    TPCM.COSEXP = 2.0f;
    TPCM.NWP = 3;
    TPCM.T(1) = 5.0f;
    TPCM.T(2) = 10.0f;
    TPCM.T(3) = 15.0f;
    answers("\n");
    EXPECT_EQ(status_of(VESL1), 1);
    EXPECT_EQ(screen(), kLines);
    // What the program's end does after every stop: close the units.
    close_all_units();
    EXPECT_TRUE(std::filesystem::is_regular_file("TANDSUM.stxt"));
    EXPECT_FALSE(unit_is_open(kMotionSummaryUnit));
    EXPECT_EQ(TPCM.IUNIT, DISK_UNIT);
}

}  // namespace
}  // namespace brevant

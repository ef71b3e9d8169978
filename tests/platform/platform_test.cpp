// Host services: running a command, the settable clock and the timed wait.
#include "platform/platform.h"

#include <gtest/gtest.h>

namespace brevant::platform {
namespace {

TEST(Platform, RunCommandReturnsTheExitStatus) {
    EXPECT_EQ(run_command("exit 3"), 3);
    EXPECT_EQ(run_command("true"), 0);
    EXPECT_EQ(run_command("no-such-program-brevant-test 2>/dev/null"), 127);
    // A program that started and was then killed is not "could not start".
    EXPECT_EQ(run_command("kill -9 $$"), 128 + 9);
}

TEST(Platform, ManualClockMovesOnlyWhenSleeping) {
    set_manual_clock(100.0);
    EXPECT_EQ(clock_seconds(), 100.0);
    sleep_seconds(2.5);
    EXPECT_EQ(clock_seconds(), 102.5);
    sleep_seconds(-1.0);
    EXPECT_EQ(clock_seconds(), 102.5);
    reset_clock();
    EXPECT_NE(clock_seconds(), 102.5);
}

TEST(Platform, FixedLocalTime) {
    set_fixed_local_time({2020, 3, 7, 9, 5, 0, 0});
    const LocalTime t = local_time();
    EXPECT_EQ(t.year, 2020);
    EXPECT_EQ(t.month, 3);
    EXPECT_EQ(t.hour, 9);
    reset_clock();
    const LocalTime now = local_time();
    EXPECT_GE(now.year, 2024);
    EXPECT_GE(now.month, 1);
    EXPECT_LE(now.month, 12);
}

}  // namespace
}  // namespace brevant::platform

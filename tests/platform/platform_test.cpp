// Host services: running a command, the settable clock and the timed wait, mount points.
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "test_support.h"

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

// The mount points the kernel lists for this process (the fifth field of each line of
// /proc/self/mountinfo): the oracle for is_mount_point, whatever the machine has mounted.
std::set<std::string> listed_mount_points() {
    std::set<std::string> points;
    std::ifstream in("/proc/self/mountinfo");
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string id, parent, device, root, point;
        if (fields >> id >> parent >> device >> root >> point) points.insert(point);
    }
    return points;
}

// A name mounted over (a folder such as /proc, or a single file as a container mounts /etc/hosts)
// is told as the kernel lists it; a file or folder beneath one, a plain file of a case folder and a
// name that is not there are not mount points.
TEST(Platform, MountPointsAreToldAsTheKernelListsThem) {
    const std::set<std::string> listed = listed_mount_points();
    ASSERT_TRUE(listed.contains("/proc"));
    for (const char* path : {"/", "/proc", "/proc/sys", "/sys", "/dev", "/dev/shm", "/etc/hosts", "/etc/hostname",
                             "/etc/resolv.conf", "/usr", "/proc/self/status", "/proc/version"}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(is_mount_point(path), listed.contains(path));
    }
    testing::ScratchDir dir;
    testing::put_file("BREVIN.stxt", " an echo\n");
    EXPECT_FALSE(is_mount_point("BREVIN.stxt"));
    EXPECT_FALSE(is_mount_point("./BREVIN.stxt"));
    EXPECT_FALSE(is_mount_point("."));
    EXPECT_FALSE(is_mount_point("no such file"));
}

}  // namespace
}  // namespace brevant::platform

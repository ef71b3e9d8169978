// Host services: running a command, the settable clock and the timed wait, the file operations of
// a save and the stop that a test can put at any one of them, mount points.
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
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

// Each operation of a save is one step: the creation, the write and the flush of a whole file, a
// link, a rename, a removal, the flush of a folder.
TEST(Platform, EveryFileOperationOfASaveIsOneStep) {
    testing::ScratchDir dir;
    stop_at_file_step(0);
    EXPECT_EQ(write_new_file("F", std::string("abcdefgh"), 0640u), WriteResult::Done);
    EXPECT_EQ(file_steps_taken(), 3);
    EXPECT_EQ(testing::file_bytes("F"), "abcdefgh");
    EXPECT_EQ(std::filesystem::status("F").permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
    EXPECT_EQ(link_file("F", "G"), 0);
    EXPECT_EQ(link_file("F", "G"), EEXIST);
    EXPECT_EQ(rename_file("G", "H"), 0);
    EXPECT_EQ(sync_file("H"), 0);
    EXPECT_EQ(sync_folder("."), 0);
    EXPECT_EQ(remove_file("H"), 0);
    EXPECT_EQ(remove_file("H"), 0);  // nothing there is no error
    EXPECT_EQ(file_steps_taken(), 10);
    std::filesystem::create_directory("D");
    EXPECT_NE(remove_file("D"), 0);  // never a folder
    EXPECT_TRUE(std::filesystem::is_directory("D"));
    EXPECT_EQ(write_new_file("D", std::string("x"), std::nullopt), WriteResult::NotCreated);
}

// A stop at a step ends the process there with the stop's status, the step not done; a write is
// cut after the first half of its bytes.
TEST(PlatformDeathTest, AStopAtAStepEndsTheProcessThere) {
    struct Row {
        int step;
        bool exists;
        const char* content;
    };
    for (const Row& row : {Row{1, false, ""}, Row{2, true, "abcd"}, Row{3, true, "abcdefgh"}}) {
        SCOPED_TRACE(row.step);
        testing::ScratchDir dir;
        EXPECT_EXIT(
            {
                stop_at_file_step(row.step);
                write_new_file("F", std::string("abcdefgh"), std::nullopt);
                std::_Exit(0);
            },
            ::testing::ExitedWithCode(kStoppedAtFileStep), "");
        EXPECT_EQ(std::filesystem::exists("F"), row.exists);
        EXPECT_EQ(testing::file_bytes("F"), row.content);
    }
    testing::ScratchDir dir;
    testing::put_file("F", "f");
    EXPECT_EXIT(
        {
            stop_at_file_step(1);
            rename_file("F", "G");
            std::_Exit(0);
        },
        ::testing::ExitedWithCode(kStoppedAtFileStep), "");
    EXPECT_EQ(testing::file_bytes("F"), "f");
    EXPECT_FALSE(std::filesystem::exists("G"));
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

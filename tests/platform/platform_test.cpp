// Host services: running a command, the settable clock and the timed wait, the file operations of
// a save and the stop that a test can put at any one of them, mount points.
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

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
// link, a rename, a removal, the flush of a folder. Each step is recorded once, in order, with the
// names it took and what it gave.
TEST(Platform, EveryFileOperationOfASaveIsOneStep) {
    testing::ScratchDir dir;
    stop_at_file_step(0);
    start_recording_file_steps();
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
    using K = FileStepKind;
    const std::vector<FileStep> expected = {
        {K::Create, "F", "", 0},      {K::Write, "F", "", 0},       {K::FlushFile, "F", "", 0},
        {K::Link, "F", "G", 0},       {K::Link, "F", "G", EEXIST},  {K::Rename, "G", "H", 0},
        {K::FlushFile, "H", "", 0},   {K::FlushFolder, ".", "", 0}, {K::Remove, "H", "", 0},
        {K::Remove, "H", "", 0},
    };
    EXPECT_EQ(recorded_file_steps(), expected);
    // A new record starts empty; a stopped one records nothing more.
    start_recording_file_steps();
    EXPECT_EQ(sync_folder(""), 0);
    EXPECT_EQ(recorded_file_steps(), (std::vector<FileStep>{{K::FlushFolder, ".", "", 0}}));
    stop_recording_file_steps();
    EXPECT_EQ(remove_file("F"), 0);
    EXPECT_TRUE(recorded_file_steps().empty());
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

// The mount points the kernel lists for this process, in the order it lists them, with their
// devices (the third field, "major:minor").
struct ListedMount {
    std::string point;
    std::string device;
};
std::vector<ListedMount> listed_mounts() {
    std::vector<ListedMount> mounts;
    std::ifstream in("/proc/self/mountinfo");
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string id, parent, device, root, point;
        if (fields >> id >> parent >> device >> root >> point) mounts.push_back({point, device});
    }
    return mounts;
}

// The device of the mount that holds PATH as the kernel lists it: the mount over the longest
// leading folder of PATH, the last listed where mounts are stacked on one name.
std::string device_holding(const std::vector<ListedMount>& mounts, const std::string& path) {
    std::string device;
    std::size_t longest = 0;
    for (const ListedMount& m : mounts) {
        const bool holds = m.point == "/" || path == m.point || path.starts_with(m.point + "/");
        if (holds && m.point.size() >= longest) {
            longest = m.point.size();
            device = m.device;
        }
    }
    return device;
}

// is_mount_point as on a kernel without the mount-root mark, for the life of the object.
class MountMarkHidden {
public:
    MountMarkHidden() { hide_mount_root_mark(true); }
    MountMarkHidden(const MountMarkHidden&) = delete;
    MountMarkHidden& operator=(const MountMarkHidden&) = delete;
    ~MountMarkHidden() { hide_mount_root_mark(false); }
};

// Without the kernel's mark a mount point is told by its device, which differs from its folder's:
// every name here whose mount the kernel lists on another device than its folder's is one, every
// other name is not. The root, whose folder is itself, and a folder mounted over a folder of its
// own device cannot be told this way. Among the mounts there must be some whose device shares one
// of its two numbers with its folder's (file systems without a disk share the major number 0):
// a mount point differs from its folder in either number, not only in both.
TEST(Platform, WithoutTheKernelsMarkAMountPointIsToldByItsDevice) {
    const std::vector<ListedMount> mounts = listed_mounts();
    ASSERT_FALSE(mounts.empty());
    const MountMarkHidden hidden;
    int told = 0, sharing_a_number = 0;
    for (const char* path : {"/", "/proc", "/proc/sys", "/sys", "/sys/fs/cgroup", "/sys/fs/cgroup/memory", "/dev",
                             "/dev/shm", "/dev/pts", "/dev/mqueue", "/etc/hosts", "/etc/hostname", "/etc/resolv.conf",
                             "/usr", "/tmp", "/proc/self/status", "/proc/version", "/dev/null"}) {
        SCOPED_TRACE(path);
        const std::filesystem::path p(path);
        const std::string device = device_holding(mounts, path);
        const std::string folders = device_holding(mounts, p.parent_path().string());
        std::error_code ec;
        const bool expected = std::filesystem::exists(p, ec) && device != folders;
        EXPECT_EQ(is_mount_point(path), expected) << device << " in " << folders;
        if (!expected) continue;
        ++told;
        const auto major = [](const std::string& d) { return d.substr(0, d.find(':')); };
        const auto minor = [](const std::string& d) { return d.substr(d.find(':') + 1); };
        if (major(device) == major(folders) || minor(device) == minor(folders)) ++sharing_a_number;
    }
    EXPECT_GT(told, 0);
    testing::ScratchDir dir;
    testing::put_file("BREVIN.stxt", " an echo\n");
    EXPECT_FALSE(is_mount_point("BREVIN.stxt"));
    EXPECT_FALSE(is_mount_point("."));
    EXPECT_FALSE(is_mount_point("no such file"));
    if (sharing_a_number == 0)
        GTEST_SKIP() << "no mount here shares a device number with its folder: a comparison of both numbers at once "
                        "is not told from one of either";
}

// The flush of a folder that the file system does not keep (EINVAL, ENOTSUP) or cannot make
// (EROFS, a read-only file system) leaves its names as safe as they get there: no error. Any other
// error is given to the caller. The fsync is made and recorded with what it gave.
TEST(Platform, AFolderFlushTheFileSystemDoesNotKeepIsNoError) {
    struct Row {
        const char* what;
        int error;     // the fsync's error
        int returned;  // what sync_folder gives
    };
    testing::ScratchDir dir;
    for (const Row& row : {Row{"EINVAL", EINVAL, 0}, Row{"ENOTSUP", ENOTSUP, 0}, Row{"EROFS", EROFS, 0},
                           Row{"EIO", EIO, EIO}, Row{"ENOSPC", ENOSPC, ENOSPC}, Row{"EDQUOT", EDQUOT, EDQUOT}}) {
        SCOPED_TRACE(row.what);
        fail_folder_flushes(row.error);
        start_recording_file_steps();
        EXPECT_EQ(sync_folder("."), row.returned);
        EXPECT_EQ(recorded_file_steps(), (std::vector<FileStep>{{FileStepKind::FlushFolder, ".", "", row.error}}));
        stop_recording_file_steps();
        // The file flushes are not the folder's.
        testing::put_file("F", "f");
        EXPECT_EQ(sync_file("F"), 0);
        fail_folder_flushes(0);
        EXPECT_EQ(sync_folder("."), 0);
    }
}

}  // namespace
}  // namespace brevant::platform

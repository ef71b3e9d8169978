// Text report files: replace on writing, the fatal message on a missing file, reading from the first
// record, and close failures that are reported rather than ignored.
#include "sysutl/report_files.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "test_support.h"

namespace brevant {
namespace {

namespace fs = std::filesystem;
using testing::ConsoleTest;
using testing::file_bytes;
using testing::ScratchDir;

int end_status(const std::function<void()>& f) {
    try {
        f();
    } catch (const ProgramEnd& e) {
        return e.status;
    }
    return -1;
}

TEST_F(ConsoleTest, RhopenForWritingReplacesAnExistingFileByAnEmptyOne) {
    ScratchDir dir;
    std::ofstream("BREVIN.stxt") << "old content\nmore\n";
    RHOPEN("BREVIN.stxt    ", 1, 0, 0, 1, "BRVFIN", SCREEN_UNIT, 5);
    EXPECT_TRUE(unit_is_open(1));
    EXPECT_EQ(fs::file_size("BREVIN.stxt"), 0u);  // empty before the first write
    write_record(1, " page 1");
    HCLOSE(1, "BREVIN.stxt", "BRVFIN", SCREEN_UNIT);
    EXPECT_FALSE(unit_is_open(1));
    EXPECT_EQ(file_bytes("BREVIN.stxt"), " page 1\n");
    EXPECT_EQ(screen(), "");
}

TEST_F(ConsoleTest, RhopenCreatesANewFile) {
    ScratchDir dir;
    RHOPEN("DATUPWRN.stxt", 1, 0, 0, WARN_UNIT, "IOINIT", SCREEN_UNIT, 5);
    HCLOSE(WARN_UNIT, "DATUPWRN.stxt", "IOINIT", SCREEN_UNIT);
    EXPECT_TRUE(fs::exists("DATUPWRN.stxt"));
}

TEST_F(ConsoleTest, RhopenForReadingAMissingFileEndsTheProgram) {
    ScratchDir dir;
    answers("\n");
    EXPECT_EQ(end_status([] { RHOPEN("USRCUR.DAT  ", 1, 1, 0, 3, "CURPRF", SCREEN_UNIT, 5); }), 1);
    EXPECT_EQ(screen(),
              "\n ++> File not found or file access error in CURPRF\n"
              "     File name: USRCUR.DAT  \n \n Press <RETURN> to continue: ");
    EXPECT_FALSE(unit_is_open(3));
}

TEST_F(ConsoleTest, RhopenForWritingInAMissingFolderEndsTheProgram) {
    ScratchDir dir;
    answers("\n");
    EXPECT_EQ(end_status([] { RHOPEN("nofolder/REPORT", 1, 0, 0, 3, "REPORT", SCREEN_UNIT, 5); }), 1);
    EXPECT_NE(screen().find("     File name: nofolder/REPORT\n"), std::string::npos);
}

// The open of a new file that reports its failure to the caller: a folder of that name (which the
// superuser cannot write through either) is left as it was, and nothing is written anywhere.
TEST_F(ConsoleTest, OpenNewFileGivesFalseWhereTheFileCannotBeMade) {
    ScratchDir dir;
    fs::create_directories("REPORT/kept");
    EXPECT_FALSE(open_new_file("REPORT  ", 3));
    EXPECT_FALSE(unit_is_open(3));
    EXPECT_TRUE(fs::is_directory("REPORT/kept"));
    EXPECT_FALSE(open_new_file("nofolder/REPORT", 3));
    EXPECT_FALSE(open_new_file("   ", 3));
    EXPECT_EQ(screen(), "");
    std::ofstream("OLD") << "old content\n";
    EXPECT_TRUE(open_new_file("OLD ", 3));
    EXPECT_EQ(fs::file_size("OLD"), 0u);
    close_unit(3);
}

TEST_F(ConsoleTest, RhopenForReadingStartsAtTheFirstRecordAndHcloseAfterTheEndIsQuiet) {
    ScratchDir dir;
    std::ofstream("TABLE") << "first\nsecond\n";
    RHOPEN("TABLE", 1, 1, 0, 3, "RDTAB", SCREEN_UNIT, 5);
    std::string line;
    ASSERT_TRUE(read_unit_line(3, line));
    ASSERT_TRUE(read_unit_line(3, line));
    EXPECT_FALSE(read_unit_line(3, line));  // read to the end, as the table readers do
    RHOPEN("TABLE", 1, 1, 0, 3, "RDTAB", SCREEN_UNIT, 5);
    ASSERT_TRUE(read_unit_line(3, line));
    EXPECT_EQ(line, "first");
    while (read_unit_line(3, line)) {
    }
    EXPECT_EQ(end_status([] { HCLOSE(3, "TABLE", "RDTAB", SCREEN_UNIT); }), -1);
    EXPECT_EQ(screen(), "");
    EXPECT_EQ(file_bytes("TABLE"), "first\nsecond\n");  // kept
}

TEST_F(ConsoleTest, HcloseReportsAFlushThatFails) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no device that refuses writes";
    answers("\n");
    ASSERT_TRUE(open_unit(4, "/dev/full", UnitMode::Write));
    write_record(4, "the end of a report that cannot reach the disk");
    EXPECT_EQ(end_status([] { HCLOSE(4, "REPORT.stxt", "RPTOUT", SCREEN_UNIT); }), 1);
    EXPECT_EQ(screen(),
              "\n ++> File not found or file access error in RPTOUT\n"
              "     File name: REPORT.stxt\n \n Press <RETURN> to continue: ");
}

}  // namespace
}  // namespace brevant

// Units: records, prompts, the scripted keyboard, end of input and file units.
#include <filesystem>
#include <fstream>

#include "test_support.h"

namespace brevant {
namespace {

using testing::ConsoleTest;
using testing::ScratchDir;

TEST_F(ConsoleTest, RecordsAndPromptsShareTheScreen) {
    write_partial(SCREEN_UNIT, " Enter: ");
    write_record(SCREEN_UNIT, "x");
    write_record(SCREEN_UNIT, "");
    EXPECT_EQ(screen(), " Enter: x\n\n");
}

TEST_F(ConsoleTest, KeyboardDropsCarriageReturnAndEndsAtEndOfInput) {
    answers("first\r\nsecond\n");
    EXPECT_EQ(read_keyboard_line(), "first");
    EXPECT_EQ(read_keyboard_line(), "second");
    try {
        read_keyboard_line();
        FAIL() << "end of input must end the program";
    } catch (const ProgramEnd& e) {
        EXPECT_EQ(e.status, 1);
    }
}

TEST_F(ConsoleTest, FileUnitWritesAndReadsBack) {
    ScratchDir dir;
    ASSERT_TRUE(open_unit(21, "DATUPWRN.stxt", UnitMode::Write));
    write_record(21, "line one");
    write_partial(21, "two");
    write_record(21, "");
    ASSERT_TRUE(close_unit(21));
    ASSERT_TRUE(open_unit(3, "DATUPWRN.stxt", UnitMode::Read));
    std::string line;
    ASSERT_TRUE(read_unit_line(3, line));
    EXPECT_EQ(line, "line one");
    ASSERT_TRUE(read_unit_line(3, line));
    EXPECT_EQ(line, "two");
    EXPECT_FALSE(read_unit_line(3, line));
    EXPECT_TRUE(rewind_unit(3));
    ASSERT_TRUE(read_unit_line(3, line));
    EXPECT_EQ(line, "line one");
}

TEST_F(ConsoleTest, OpeningAMissingFileForReadingFails) {
    ScratchDir dir;
    EXPECT_FALSE(open_unit(3, "no-such-file", UnitMode::Read));
    EXPECT_FALSE(unit_is_open(3));
}

TEST(Units, SilentUnitWritesDiagnosticsFile) {
    ScratchDir dir;
    reset_units();
    write_record(SILENT_UNIT, " silent line");
    close_all_units();
    std::ifstream in(kSilentFileName);
    std::string line;
    ASSERT_TRUE(std::getline(in, line));
    EXPECT_EQ(line, " silent line");
}

// Closing the silent run's file tells what it could not take: nothing when every record reached it;
// on a full device, the records from the first one it lacks.
TEST(Units, ClosingTheSilentFileGivesWhatItCouldNotTake) {
    testing::ScratchDir dir;
    reset_units();
    ASSERT_TRUE(open_unit(SILENT_UNIT, "Diagnostics.stxt", UnitMode::Write));
    write_record(SILENT_UNIT, " first");
    EXPECT_EQ(close_silent_console(), "");
    EXPECT_EQ(testing::file_bytes("Diagnostics.stxt"), " first\n");
    EXPECT_EQ(close_silent_console(), "");  // nothing open
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no full device to write to";
    ASSERT_TRUE(open_unit(SILENT_UNIT, "/dev/full", UnitMode::Write));
    write_record(SILENT_UNIT, " a finding");
    write_partial(SILENT_UNIT, " Press <RETURN> to continue: ");
    EXPECT_EQ(close_silent_console(), " a finding\n Press <RETURN> to continue: \n");
    EXPECT_FALSE(unit_is_open(SILENT_UNIT));
    reset_units();
}

}  // namespace
}  // namespace brevant

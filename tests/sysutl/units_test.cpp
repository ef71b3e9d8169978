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

// The silent run's console written beside its name: the file of the last silent run stays whole
// while the new console is open, and is replaced only when the console takes the name (the run
// starts, or its messages are what the user is sent to); a console dropped leaves it as it was and
// no temporary. A console that cannot take its name (a folder now stands there) gives every record
// it holds as lacking, and leaves no temporary.
TEST(Units, TheSilentConsoleTakesItsNameOnlyWhenPlaced) {
    namespace fs = std::filesystem;
    testing::ScratchDir dir;
    reset_units();
    const std::string earlier = " the last silent run\n";
    const std::string temporary = std::string(kSilentFileName) + ".brvtmp";

    // Placed when the run starts; the records written after go on into the named file.
    testing::put_file(kSilentFileName, earlier);
    ASSERT_TRUE(open_silent_console_beside_its_name());
    EXPECT_TRUE(silent_console_waits_for_its_name());
    write_record(SILENT_UNIT, " before the start");
    EXPECT_EQ(testing::file_bytes(kSilentFileName), earlier);
    ASSERT_TRUE(place_silent_console());
    EXPECT_FALSE(silent_console_waits_for_its_name());
    write_record(SILENT_UNIT, " in the run");
    EXPECT_EQ(close_silent_console(), "");
    EXPECT_EQ(testing::file_bytes(kSilentFileName), " before the start\n in the run\n");
    EXPECT_FALSE(fs::exists(temporary));

    // Dropped: the run never started.
    testing::put_file(kSilentFileName, earlier);
    ASSERT_TRUE(open_silent_console_beside_its_name());
    write_record(SILENT_UNIT, " a run that never started");
    drop_silent_console();
    EXPECT_FALSE(unit_is_open(SILENT_UNIT));
    EXPECT_EQ(testing::file_bytes(kSilentFileName), earlier);
    EXPECT_FALSE(fs::exists(temporary));

    // Closed while it waits: the user is sent to it, so it takes the name.
    ASSERT_TRUE(open_silent_console_beside_its_name());
    write_record(SILENT_UNIT, " a fatal finding");
    EXPECT_EQ(close_silent_console(), "");
    EXPECT_EQ(testing::file_bytes(kSilentFileName), " a fatal finding\n");
    EXPECT_FALSE(fs::exists(temporary));

    // Left open at the end of the program: nothing sent the user to it.
    testing::put_file(kSilentFileName, earlier);
    ASSERT_TRUE(open_silent_console_beside_its_name());
    write_record(SILENT_UNIT, " an end before the run");
    close_all_units();
    EXPECT_EQ(testing::file_bytes(kSilentFileName), earlier);
    EXPECT_FALSE(fs::exists(temporary));

    // The name cannot be taken: every record is lacking, and neither the place nor the close leaves
    // a temporary.
    fs::remove(kSilentFileName);
    ASSERT_TRUE(open_silent_console_beside_its_name());
    write_record(SILENT_UNIT, " first finding");
    write_record(SILENT_UNIT, " second finding");
    fs::create_directories(std::string(kSilentFileName) + "/inside");
    EXPECT_FALSE(place_silent_console());
    EXPECT_TRUE(silent_console_waits_for_its_name());
    EXPECT_EQ(close_silent_console(), " first finding\n second finding\n");
    EXPECT_TRUE(fs::is_directory(std::string(kSilentFileName) + "/inside"));
    EXPECT_FALSE(fs::exists(temporary));
    reset_units();
}

}  // namespace
}  // namespace brevant

// Units: records, prompts, the scripted keyboard, end of input and file units.
#include <csignal>
#include <filesystem>
#include <fstream>

#include <sys/resource.h>

#include "platform/platform.h"
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

// A silent run killed part way (SIGKILL: nothing flushed on the way out). Once its console has the
// name "Diagnostics.stxt", taken when the run starts or opened under it at its first use, the file
// holds every record written before the kill; a console still beside its name leaves the file of
// the last silent run as it was.
TEST(UnitsDeathTest, AKilledSilentRunLeavesWhatItSaidOnceItsConsoleHasItsName) {
    enum class Console { Placed, FirstUse, Beside };
    struct Row {
        const char* what;
        Console console;
        std::string left;  // "Diagnostics.stxt" after the kill
    };
    const std::string earlier = " the last silent run\n";
    const Row rows[] = {
        {"placed when the run starts", Console::Placed,
         " before the start\n first message of the run\n second message of the run\n"},
        {"opened under its name at its first use", Console::FirstUse,
         " first message of the run\n second message of the run\n"},
        {"still beside its name", Console::Beside, earlier},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        testing::ScratchDir dir;
        reset_units();
        testing::put_file(kSilentFileName, earlier);
        EXPECT_EXIT(
            {
                if (row.console != Console::FirstUse) {
                    if (!open_silent_console_beside_its_name()) std::_Exit(2);
                    write_record(SILENT_UNIT, " before the start");
                }
                if (row.console == Console::Placed && !place_silent_console()) std::_Exit(3);
                write_record(SILENT_UNIT, " first message of the run");
                write_record(SILENT_UNIT, " second message of the run");
                std::raise(SIGKILL);
                std::_Exit(4);
            },
            ::testing::KilledBySignal(SIGKILL), "");
        EXPECT_EQ(testing::file_bytes(kSilentFileName), row.left);
        reset_units();
    }
}

// The soft file-size limit of this process set to BYTES for the life of the object (as a full disk
// would stop a file there); ok() is false where it cannot be set.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        if (::getrlimit(RLIMIT_FSIZE, &old_) != 0 || (old_.rlim_max != RLIM_INFINITY && old_.rlim_max < bytes)) return;
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        set_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        if (set_) ::setrlimit(RLIMIT_FSIZE, &old_);
    }
    bool ok() const { return set_; }

private:
    rlimit old_{};
    bool set_ = false;
};

// A console that has taken its name and then meets a full disk (a file-size limit of 40 bytes, which
// cuts the third record): the file holds each record as it was written, up to the cut, and closing
// it gives what it lacks from the start of the record that was cut, nothing of what it holds.
TEST(Units, ASilentConsoleWithItsNameOnAFullDiskKeepsWhatReachedItAndGivesTheRest) {
    testing::ScratchDir dir;
    reset_units();
    platform::ignore_file_size_signal();
    ASSERT_TRUE(open_silent_console_beside_its_name());
    write_record(SILENT_UNIT, " before the start");  // 18 bytes
    ASSERT_TRUE(place_silent_console());
    std::string before_the_cut, lacking;
    {
        FileSizeLimit limit(40);
        if (!limit.ok()) GTEST_SKIP() << "the file-size limit cannot be set here";
        write_record(SILENT_UNIT, " in the run");  // 30 bytes
        before_the_cut = testing::file_bytes(kSilentFileName);
        write_record(SILENT_UNIT, " the record the disk cuts");
        write_record(SILENT_UNIT, " one after it");
        lacking = close_silent_console();
    }
    EXPECT_EQ(before_the_cut, " before the start\n in the run\n");
    EXPECT_EQ(testing::file_bytes(kSilentFileName), " before the start\n in the run\n the recor");
    EXPECT_EQ(lacking, " the record the disk cuts\n one after it\n");
    EXPECT_FALSE(std::filesystem::exists(std::string(kSilentFileName) + ".brvtmp"));
    reset_units();
}

}  // namespace
}  // namespace brevant

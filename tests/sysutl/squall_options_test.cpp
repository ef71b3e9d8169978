// The squall options file: its exact text, reading it back, damaged files and the two override tests.
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "sysutl/squall_options.h"
#include "test_support.h"

namespace brevant {
namespace {

using brevant::testing::lines_of;

using testing::ConsoleTest;
using testing::ScratchDir;

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void spill(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

std::string join(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\n";
    return s;
}

class SquallOptionsTest : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_squalcom();
    }
    void TearDown() override {
        reset_squalcom();
        ConsoleTest::TearDown();
    }

    // A record with a value in every word, and four report events with their picks.
    void fill_options(Int reports = 4) {
        for (int i = 1; i <= kSquallFlagCount; ++i) SQUALCOM.FlagArray(i) = (i % 3 == 0) ? 1 : 0;
        for (int i = 1; i <= kSquallIntCount; ++i) SQUALCOM.IntVarArray(i) = 10 * i - 7;
        for (int i = 1; i <= kSquallRealCount; ++i)
            SQUALCOM.RealVarArray(i) = static_cast<Real>(i) * 1.25f - 20.0f;
        SQUALCOM.RealVarArray(1) = 3600.0f;
        SQUALCOM.RealVarArray(2) = 0.001f;
        SQUALCOM.RealVarArray(3) = -1.5e-7f;
        SQUALCOM.RealVarArray(4) = 2.5e12f;
        SQUALCOM.RealVarArray(5) = 0.0f;
        SQUALCOM.nFldReports() = reports;
        for (int i = 1; i <= kMaxFldReports; ++i) {
            events(i) = 0;
            picks(i) = 0;
        }
        for (int i = 1; i <= reports; ++i) {
            events(i) = 3 * i;
            picks(i) = (i * 7) % 149 + 1;
        }
    }
    void write_file(Real hours = 1.0f, Int ndynev = 4) {
        WRITE_TD_OPTS("VESTRDAT", 4.95f, 3, 1.2f, 12, hours, ndynev, events, picks);
    }
    void read_file() {
        for (int i = 1; i <= kMaxFldReports; ++i) {
            read_picks(i) = -99;
            read_defaults(i) = -99;
        }
        READ_TD_OPTS("VESTRDAT", iBadOpts, read_picks, read_defaults, version);
    }

    FldReportList events{};
    FldReportList picks{};
    FldReportList read_picks{};
    FldReportList read_defaults{};
    FixedText<80> version;
    Int iBadOpts = -5;
};

TEST_F(SquallOptionsTest, RecordWordsSitWhereTheSquallProgramExpectsThem) {
    auto word = [](const void* p) {
        return static_cast<int>((static_cast<const char*>(p) - reinterpret_cast<const char*>(&SQUALCOM)) / 4) + 1;
    };
    EXPECT_EQ(word(&SQUALCOM.aaLogical()), 1);
    EXPECT_EQ(word(&SQUALCOM.maneuvering()), 32);
    EXPECT_EQ(word(&SQUALCOM.LLz()), 53);
    EXPECT_EQ(word(&SQUALCOM.nFldReports()), 55);
    EXPECT_EQ(word(&SQUALCOM.squalProfiles()), 61);
    EXPECT_EQ(word(&SQUALCOM.IIz()), 85);
    EXPECT_EQ(word(&SQUALCOM.fullDuration()), 99);
    EXPECT_EQ(word(&SQUALCOM.absSolvTolFac()), 113);
    EXPECT_EQ(word(&SQUALCOM.RRz()), 137);
    EXPECT_EQ(word(&SQUALCOM.aaLogical_D()), 138);
    EXPECT_EQ(word(&SQUALCOM.nFldReports_D()), 192);
    EXPECT_EQ(word(&SQUALCOM.fullDuration_D()), 236);
    EXPECT_EQ(word(&SQUALCOM.RRz_D()), 274);
    // Names: 30 characters each from byte 1097.
    EXPECT_EQ(SQUALCOM.existSquall_C().data() - reinterpret_cast<const char*>(&SQUALCOM), 1096 + 8 * 30);
    EXPECT_EQ(SQUALCOM.squalProfiles_C().data() - reinterpret_cast<const char*>(&SQUALCOM), 2686 + 7 * 30);
    EXPECT_EQ(SQUALCOM.RRz_C().data() - reinterpret_cast<const char*>(&SQUALCOM), 5206 - 30);
    EXPECT_EQ(SQUALCOM.RRz_C().size(), 30u);
}

TEST_F(SquallOptionsTest, WrittenFileHasTheSharedLayout) {
    ScratchDir dir;
    fill_options();
    write_file(1.0f, 4);
    const auto lines = lines_of(slurp("VESTRDAT"));
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "VESTRDAT Ver [1.20.12];  Velmora Ver [4.95.03]");
    EXPECT_EQ(lines[1], "\t 53\t 32\t 52");
    EXPECT_EQ(lines[2], "\t   3600.00\t  4");
    std::string flags;
    for (int i = 1; i <= 53; ++i) flags += (i % 3 == 0) ? "\tT" : "\tF";
    EXPECT_EQ(lines[3], flags);
    EXPECT_EQ(lines[4].substr(0, 16), "\t  3\t  4\t 23\t 33");  // word 2 is the report count
    EXPECT_EQ(lines[4].size(), 32u * 4u);
    EXPECT_EQ(lines[5], "\t  3\t  6\t  9\t 12");
    EXPECT_EQ(lines[6], "\t  8\t 15\t 22\t 29");
    EXPECT_EQ(lines[7].substr(0, 75),
              "\t 0.3600000E+04\t 0.1000000E-02\t-0.1500000E-06\t 0.2500000E+13\t 0.0000000E+00");
    EXPECT_EQ(lines[7].size(), 52u * 15u);
}

TEST_F(SquallOptionsTest, VersionLineMarksAPreReleaseAndDropsTrailingBlanks) {
    ScratchDir dir;
    WRITE_TD_OPTS("VESTRDAT", 0.5f, 0, -2.0f, 7, 0.0f, 0, events, picks);
    const auto lines = lines_of(slurp("VESTRDAT"));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "VESTRDAT Ver [2.00.07b];  Velmora Ver [ .50.00]");
    EXPECT_EQ(lines[2], "\t       .00\t  0");
}

TEST_F(SquallOptionsTest, WrittenFileReadsBackUnchanged) {
    ScratchDir dir;
    fill_options();
    write_file(2.5f, 4);
    const Squalcom written = SQUALCOM;
    reset_squalcom();
    read_file();
    EXPECT_EQ(iBadOpts, 0);
    EXPECT_EQ(std::memcmp(SQUALCOM.FlagArray.data(), written.FlagArray.data(), sizeof written.FlagArray), 0);
    EXPECT_EQ(std::memcmp(SQUALCOM.IntVarArray.data(), written.IntVarArray.data(), sizeof written.IntVarArray), 0);
    for (int i = 1; i <= kSquallRealCount; ++i) EXPECT_EQ(SQUALCOM.RealVarArray(i), written.RealVarArray(i)) << i;
    EXPECT_EQ(SQUALCOM.fullDuration_D(), 9000.0f);  // seconds
    EXPECT_EQ(SQUALCOM.nFldReports_D(), 4);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(read_defaults(i), events(i));
        EXPECT_EQ(read_picks(i), picks(i));
    }
    EXPECT_EQ(read_picks(5), -99);  // nothing beyond the count
    EXPECT_EQ(version, FixedText<80>("VESTRDAT Ver [1.20.12];  Velmora Ver [4.95.03]"));
    EXPECT_TRUE(std::filesystem::exists("VESTRDAT"));
}

TEST_F(SquallOptionsTest, LongListsGoOnOverTheNextLineAndReadBack) {
    ScratchDir dir;
    fill_options(kMaxFldReports);
    write_file(3.0f, kMaxFldReports);
    const auto lines = lines_of(slurp("VESTRDAT"));
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[5].size(), 100u * 4u);
    EXPECT_EQ(lines[6].size(), 50u * 4u);
    EXPECT_EQ(lines[7].size(), 100u * 4u);
    EXPECT_EQ(lines[8].size(), 50u * 4u);
    reset_squalcom();
    read_file();
    EXPECT_EQ(iBadOpts, 0);
    EXPECT_EQ(SQUALCOM.nFldReports(), kMaxFldReports);
    for (int i = 1; i <= kMaxFldReports; ++i) {
        EXPECT_EQ(read_defaults(i), events(i)) << i;
        EXPECT_EQ(read_picks(i), picks(i)) << i;
    }
    EXPECT_EQ(SQUALCOM.RealVarArray(1), 3600.0f);
}

TEST_F(SquallOptionsTest, NoReportsWriteEmptyLinesThatReadBack) {
    ScratchDir dir;
    fill_options(0);
    write_file(1.0f, 0);
    const auto lines = lines_of(slurp("VESTRDAT"));
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6], "");
    reset_squalcom();
    read_file();
    EXPECT_EQ(iBadOpts, 0);
    EXPECT_EQ(SQUALCOM.RealVarArray(1), 3600.0f);
    EXPECT_EQ(read_picks(1), -99);
}

// The event count of line 3 only sets the default count: the lists follow the integers' count.
TEST_F(SquallOptionsTest, DefaultEventCountSizesNoListAndIsKeptAsGiven) {
    ScratchDir dir;
    fill_options(4);
    write_file(2.0f, 200);
    EXPECT_EQ(lines_of(slurp("VESTRDAT"))[2], "\t   7200.00\t200");
    reset_squalcom();
    read_file();
    EXPECT_EQ(iBadOpts, 0);
    EXPECT_EQ(SQUALCOM.nFldReports_D(), 200);
    EXPECT_EQ(SQUALCOM.fullDuration_D(), 7200.0f);
    EXPECT_EQ(read_picks(4), picks(4));
    EXPECT_EQ(read_picks(5), -99);

    for (const char* line3 : {"\t   3600.00\t999999", "\t   3600.00\t -3"}) {
        fill_options(4);
        write_file();
        auto lines = lines_of(slurp("VESTRDAT"));
        lines[2] = line3;
        spill("VESTRDAT", join(lines));
        reset_squalcom();
        read_file();
        EXPECT_EQ(iBadOpts, 0) << line3;
        EXPECT_TRUE(std::filesystem::exists("VESTRDAT")) << line3;
        EXPECT_EQ(read_defaults(4), events(4)) << line3;
    }
    EXPECT_EQ(SQUALCOM.nFldReports_D(), -3);
}

TEST_F(SquallOptionsTest, ReportCountBeyondTheListsWritesOnlyWhatTheListsHold) {
    ScratchDir dir;
    fill_options(4);
    SQUALCOM.nFldReports() = 100000;
    write_file(1.0f, 4);
    const auto lines = lines_of(slurp("VESTRDAT"));
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[5].size() + lines[6].size(), 150u * 4u);
}

TEST_F(SquallOptionsTest, CarriageReturnsAndCommasAreAccepted) {
    ScratchDir dir;
    fill_options();
    write_file();
    const Squalcom written = SQUALCOM;
    std::string text;
    for (std::string line : lines_of(slurp("VESTRDAT"))) {
        if (line.rfind("VESTRDAT", 0) != 0)
            for (std::size_t p = 1; p < line.size(); ++p)
                if (line[p] == '\t') line[p] = ',';
        text += line + "\r\n";
    }
    spill("VESTRDAT", text);
    reset_squalcom();
    read_file();
    EXPECT_EQ(iBadOpts, 0);
    EXPECT_EQ(std::memcmp(&SQUALCOM, &written, 4 * 137), 0);
    EXPECT_EQ(read_picks(4), picks(4));
    EXPECT_EQ(version, FixedText<80>("VESTRDAT Ver [1.20.12];  Velmora Ver [4.95.03]"));
}

TEST_F(SquallOptionsTest, OtherCountsReadWhatIsThereAndKeepTheRest) {
    ScratchDir dir;
    fill_options();
    write_file();
    auto lines = lines_of(slurp("VESTRDAT"));
    lines[1] = "\t 50\t 32\t 52";
    spill("VESTRDAT", join(lines));
    const Squalcom written = SQUALCOM;
    for (int i = 1; i <= kSquallFlagCount; ++i) SQUALCOM.FlagArray(i) = 7;
    read_file();
    EXPECT_EQ(iBadOpts, 2);
    for (int i = 1; i <= 50; ++i) EXPECT_EQ(SQUALCOM.FlagArray(i), written.FlagArray(i)) << i;
    for (int i = 51; i <= 53; ++i) EXPECT_EQ(SQUALCOM.FlagArray(i), 7) << i;
    EXPECT_EQ(SQUALCOM.RealVarArray(52), written.RealVarArray(52));
    EXPECT_EQ(read_picks(4), picks(4));
    EXPECT_TRUE(std::filesystem::exists("VESTRDAT"));
}

// Damaged files: each is reported as unreadable and deleted.
struct DamagedCase {
    const char* what;
    int line;              // 0-based line to replace, or -1 to cut the file
    const char* replacement;
};

void PrintTo(const DamagedCase& c, std::ostream* os) { *os << c.what; }

class DamagedFileTest : public SquallOptionsTest, public ::testing::WithParamInterface<DamagedCase> {};

TEST_P(DamagedFileTest, IsUnreadableAndDeleted) {
    ScratchDir dir;
    fill_options();
    write_file();
    auto lines = lines_of(slurp("VESTRDAT"));
    const DamagedCase& c = GetParam();
    if (c.line >= 0) {
        lines[static_cast<std::size_t>(c.line)] = c.replacement;
    } else {
        // Cut inside the reals: twenty values of line 8 and no more.
        lines[7] = lines[7].substr(0, 20 * 15 + 5);
    }
    spill("VESTRDAT", join(lines));
    const FArray<Int, kSquallIntCount> ints_before = SQUALCOM.IntVarArray;
    read_file();
    EXPECT_EQ(iBadOpts, 1) << c.what;
    EXPECT_FALSE(std::filesystem::exists("VESTRDAT")) << c.what;
    if (c.line == 4) {
        // A report count that does not fit stores nothing of the integers or the picks.
        EXPECT_EQ(std::memcmp(SQUALCOM.IntVarArray.data(), ints_before.data(), sizeof ints_before), 0) << c.what;
        EXPECT_EQ(read_defaults(1), -99) << c.what;
        EXPECT_EQ(read_picks(1), -99) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    SquallOptions, DamagedFileTest,
    ::testing::Values(DamagedCase{"too many flags", 1, "\t 60\t 32\t 52"},
                      DamagedCase{"too many integers", 1, "\t 53\t 33\t 52"},
                      DamagedCase{"too many reals", 1, "\t 53\t 32\t 53"},
                      DamagedCase{"negative count", 1, "\t -1\t 32\t 52"},
                      DamagedCase{"counts not numbers", 1, "\tabc\t 32\t 52"},
                      DamagedCase{"absurd report count", 4,
                                  "\t  3\t999999\t 23\t 33\t 43\t 53\t 63\t 73\t 83\t 93\t103\t113\t123\t133\t143\t153"
                                  "\t163\t173\t183\t193\t203\t213\t223\t233\t243\t253\t263\t273\t283\t293\t303\t313"},
                      DamagedCase{"report count one past the lists", 4,
                                  "\t  3\t151\t 23\t 33\t 43\t 53\t 63\t 73\t 83\t 93\t103\t113\t123\t133\t143\t153"
                                  "\t163\t173\t183\t193\t203\t213\t223\t233\t243\t253\t263\t273\t283\t293\t303\t313"},
                      DamagedCase{"flag that is not a logical", 3, "\tT\tX"},
                      DamagedCase{"file cut inside the reals", -1, ""}),
    [](const ::testing::TestParamInfo<DamagedCase>& info) { return "case" + std::to_string(info.index); });

TEST_F(SquallOptionsTest, AnEmptyFileIsUnreadable) {
    ScratchDir dir;
    spill("VESTRDAT", "");
    read_file();
    EXPECT_EQ(iBadOpts, 1);
    EXPECT_FALSE(std::filesystem::exists("VESTRDAT"));
}

TEST_F(SquallOptionsTest, WritingReplacesAnOldFile) {
    ScratchDir dir;
    spill("VESTRDAT", std::string(5000, 'x') + "\n");
    fill_options();
    write_file();
    EXPECT_EQ(lines_of(slurp("VESTRDAT")).size(), 8u);
    read_file();
    EXPECT_EQ(iBadOpts, 0);
}

TEST_F(SquallOptionsTest, MissingFileEndsTheProgram) {
    ScratchDir dir;
    try {
        read_file();
        FAIL() << "a missing options file must end the program";
    } catch (const ProgramEnd& e) {
        EXPECT_EQ(e.status, 1);
    }
    EXPECT_EQ(screen(), "++> I/O Error in READ_TD_OPTS (missing VESTRDAT?); aborting... \n");
}

TEST_F(SquallOptionsTest, UncreatableFileEndsTheProgram) {
    ScratchDir dir;
    // A folder of that name with something in it cannot be deleted or opened as a file.
    std::filesystem::create_directories("VESTRDAT/inside");
    fill_options();
    try {
        write_file();
        FAIL() << "an uncreatable options file must end the program";
    } catch (const ProgramEnd& e) {
        EXPECT_EQ(e.status, 1);
    }
    EXPECT_EQ(screen(), "++> I/O Error in WRITE_TD_OPTS; aborting... \n");
}

TEST(SquallOverrides, LinePicksDifferInCountOrValue) {
    FldReportList a{}, b{};
    for (int i = 1; i <= 4; ++i) a(i) = b(i) = i + 10;
    EXPECT_TRUE(overRideLinePicks_F(a, 3, b, 4));  // counts differ, values equal
    EXPECT_FALSE(overRideLinePicks_F(a, 4, b, 4));
    EXPECT_FALSE(overRideLinePicks_F(a, 0, b, 0));
    b(4) = 99;
    EXPECT_TRUE(overRideLinePicks_F(a, 4, b, 4));
    EXPECT_FALSE(overRideLinePicks_F(a, 3, b, 3));  // the difference is past the count
    // A count beyond the lists compares the lists only.
    b(4) = a(4);
    EXPECT_FALSE(overRideLinePicks_F(a, 100000, b, 100000));
}

TEST(SquallOverrides, DurationComparesExactly) {
    EXPECT_FALSE(overRideFullDuration_F(3.0f, 3.0f));
    EXPECT_TRUE(overRideFullDuration_F(3.0f, 3.0000002f));
    EXPECT_TRUE(overRideFullDuration_F(0.0f, 1.0f));
}

}  // namespace
}  // namespace brevant

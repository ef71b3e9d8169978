// A silent analysis run of a ship described by the user's own RAO table, with the sea on and the
// net-force pages asked for: the refresh reads "USERRAOS.txt" at every attack angle, and the summary
// page X has one row per attack angle. The checks before the run read the table as the run does,
// and look for it only where the run reads it.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "e2e_support.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

// The rows of the X page: the lines after its "(deg)" head line up to the next empty line.
int x_page_rows(const std::string& report) {
    const std::size_t title = report.find("X. Environmental Force & Moment Summary");
    if (title == std::string::npos) return -1;
    const std::size_t head = report.find("  (deg)", title);
    if (head == std::string::npos) return -1;
    std::istringstream in(report.substr(report.find('\n', head) + 1));
    std::string line;
    int rows = 0;
    bool started = false;
    while (std::getline(in, line)) {
        if (line.empty()) {
            if (started) break;
            continue;
        }
        started = true;
        ++rows;
    }
    return rows;
}

class UserRaoRun : public ::testing::Test {
protected:
    testing::ScratchDir dir_;

    void prepare() {
        create_case();
        make_runnable();
        WordFile f("BREVDAT");
        f.set(778, 1);                                      // AUXVSH: the user's RAOs
        f.set(172, 1);                                      // LRANDM: the sea on
        f.set_real(430, 10.0f);                             // SWHT(1), ft
        f.set_real(436, 10.0f);                             // SIGPD(1), s
        f.set_real(448, 10.0f / 1.4142135f);                // SLPHT: the regular wave that matches
        f.set(180, f.word(180) | (1u << 22));               // BRVFLG bit 23: the net-force pages
        f.set(787, 0x666);                                  // LWVCOF: the 2001 tanker drift model
        f.set(179, 4);                                      // NUMBRV: four attack angles
        f.set_real(472, 90.0f);                             // BRVINC
        // The ship's wave drag takes its coefficient from the current model even with the current
        // off: the new case's user table (two rows, both at 0 degrees) gives NaN, so the cylinder.
        f.set(774, 0x777);                                  // LCBARG cylindrical
        f.set(775, 0x555);                                  // LWBARG cylindrical
        f.save("BREVDAT");
        numbrv_ = WordFile("BREVDAT").integer(179);
    }
    int numbrv_ = 0;
};

TEST_F(UserRaoRun, TableSpanningTheGridGivesOneXPageRowPerAttackAngle) {
    prepare();
    // Two frequencies around any grid, two headings around the circle: a silent run would stop at
    // the range warning otherwise.
    testing::put_file("USERRAOS.txt",
                      "2 2\n0\n0.01 1 0 0 0 1 0 0 0 0 0 0 0\n100 1 0 0 0 1 0 0 0 0 0 0 0\n"
                      "360\n0.01 1 0 0 0 1 0 0 0 0 0 0 0\n100 1 0 0 0 1 0 0 0 0 0 0 0\n");
    const ProgramResult r = run_brevant("M\nL\n4\n");
    const std::string diagnostics = file_bytes("Diagnostics.stxt");
    const std::string report = file_bytes("BREVOUT.stxt");
    ASSERT_NE(diagnostics.find(" >>> Computing net environmental forces and moments..."), std::string::npos)
        << diagnostics;
    ASSERT_EQ(r.status, 0) << r.err << diagnostics;
    ASSERT_EQ(numbrv_, 4);
    EXPECT_EQ(x_page_rows(report), numbrv_);
    EXPECT_EQ(diagnostics.find("USRRAO"), std::string::npos);
}

// A table the run cannot read whole, or whose frequencies turn back, is a fatal finding of the
// checks before the run, naming the file and the line: the run does not start, the last report
// stays, on the screen as in a silent run.
TEST_F(UserRaoRun, ADamagedTableIsRefusedBeforeTheRunByFileAndLine) {
    const std::string row = " 1 0 0 0 1 0 0 0 0 0 0 0\n";
    struct Damaged {
        const char* what;
        std::string text;
        const char* finding;
    };
    const Damaged cases[] = {
        {"one frequency", "1 2\n0\n0.5" + row + "360\n0.5" + row,
         "     gives a count of 1 at line 1; the run needs at least 2 frequencies.\n"},
        {"a word for a number", "2 2\n0\n0.01" + row + "100 1 0 x 0 1 0 0 0 0 0 0 0\n360\n0.01" + row + "100" + row,
         "     holds a value that is not a number at line 4.\n"},
        {"cut short", "2 2\n0\n0.01" + row + "100" + row + "360\n0.01" + row,
         "     ends after line 6, before the table its count gives is whole.\n"},
        {"frequencies that turn back", "3 2\n0\n0.01" + row + "100" + row + "50" + row + "360\n0.01" + row + "100" +
                                           row + "50" + row,
         "     has frequencies that turn back at line 5.\n"},
    };
    const std::string head = " ++> Fatal Warning: The file \"USERRAOS.txt\" of the user-supplied vessel RAO data (page 3, "
                             "item 13)\n";
    prepare();
    for (const Damaged& c : cases) {
        testing::put_file("USERRAOS.txt", c.text);
        testing::put_file("BREVOUT.stxt", "the last report\n");
        const ProgramResult silent = run_brevant("M\nL\n4\n");
        const std::string diagnostics = file_bytes("Diagnostics.stxt");
        EXPECT_EQ(silent.status, 1) << c.what;
        EXPECT_NE(diagnostics.find(head + c.finding), std::string::npos) << c.what << "\n" << diagnostics;
        EXPECT_EQ(diagnostics.find(kRunBanner), std::string::npos) << c.what;
        EXPECT_EQ(file_bytes("BREVOUT.stxt"), "the last report\n") << c.what;
        // On the screen: execute (3); the finding keeps the End of Session page until the input ends.
        const ProgramResult screen = run_brevant("M\nL\n3\n");
        EXPECT_NE(screen.out.find(head + c.finding), std::string::npos) << c.what << "\n" << screen.out;
        EXPECT_EQ(screen.out.find(kRunBanner), std::string::npos) << c.what;
        EXPECT_EQ(file_bytes("BREVOUT.stxt"), "the last report\n") << c.what;
    }
}

// No RAO table: the checks name the file and the item before the run. On the screen a warning, and
// the run goes on with unit RAOs after its own warning; a silent run, which would stop there, ends
// on a fatal finding before the run with the last report untouched.
TEST_F(UserRaoRun, AMissingTableIsAWarningOnTheScreenAndFatalInASilentRun) {
    prepare();
    const std::string head = "The file \"USERRAOS.txt\" of the user-supplied vessel RAO data (page 3, item 13)\n";
    // On the screen: execute (3), past the warning (Return) and once more (3); Return to the run's
    // questions.
    {
        const ProgramResult r = run_brevant("M\nL\n3\n\n3\n" + std::string(40, '\n'));
        const std::size_t warning =
            r.out.find(" ++> Warning: " + head + "     is missing or cannot be read; the run will use unit RAOs.\n");
        const std::size_t banner = r.out.find(kRunBanner);
        ASSERT_NE(warning, std::string::npos) << r.out;
        ASSERT_NE(banner, std::string::npos) << r.out;
        EXPECT_LT(warning, banner);
        EXPECT_NE(r.out.find(" ++> Warning: User-supplied vessel RAOs \"USERRAOS.txt \" not found;", banner),
                  std::string::npos);
    }
    // Silent (4): the fatal finding in "Diagnostics.stxt", status 1, the report as it was.
    testing::put_file("BREVOUT.stxt", "the last report\n");
    const ProgramResult r = run_brevant("M\nL\n4\n");
    const std::string diagnostics = file_bytes("Diagnostics.stxt");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(diagnostics.find(" ++> Fatal Warning: " + head +
                               "     is missing or cannot be read; a silent run would stop on it.\n"),
              std::string::npos)
        << diagnostics;
    EXPECT_EQ(diagnostics.find(kRunBanner), std::string::npos);
    EXPECT_EQ(file_bytes("BREVOUT.stxt"), "the last report\n");
}

// The table is looked for only where the run reads it: a silent run whose only tables are the net
// spectral ones (IX spectra, VIIs, VIIr) reads it with a sea on (the series by attack angle takes the
// sea's responses at every angle), and never without waves, where the run goes on to its report
// without it.
TEST_F(UserRaoRun, ASilentRunLooksForTheTableOnlyWhereTheRunReadsIt) {
    prepare();
    WordFile f("BREVDAT");
    f.set(180, 1u << 26);  // BRVFLG: bit 27 alone, the net spectral tables
    f.save("BREVDAT");
    const std::string finding = " ++> Fatal Warning: The file \"USERRAOS.txt\" of the user-supplied vessel RAO data";
    {
        const ProgramResult r = run_brevant("M\nL\n4\n");
        const std::string diagnostics = file_bytes("Diagnostics.stxt");
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(diagnostics.find(finding), std::string::npos) << diagnostics;
    }
    f = WordFile("BREVDAT");
    f.set(172, 0);  // LRANDM: no sea, no swell
    f.save("BREVDAT");
    const ProgramResult r = run_brevant("M\nL\n4\n");
    const std::string diagnostics = file_bytes("Diagnostics.stxt");
    EXPECT_EQ(r.status, 0) << diagnostics;
    EXPECT_EQ(diagnostics.find(finding), std::string::npos) << diagnostics;
    EXPECT_EQ(diagnostics.find("USERRAOS.txt"), std::string::npos) << diagnostics;
    EXPECT_NE(diagnostics.find(kRunBanner), std::string::npos) << diagnostics;
    EXPECT_FALSE(file_bytes("BREVOUT.stxt").empty());
}

}  // namespace
}  // namespace brevant::e2e

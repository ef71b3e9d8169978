// A silent analysis run of a ship described by the user's own RAO table, with the sea on and the
// net-force pages asked for: the refresh reads "USERRAOS.txt" at every attack angle. Skips itself
// while the analysis, or the net-force routine that calls the refresh, is still a stand-in.
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
        f.set(180, f.word(180) | (1u << 22));               // BRVFLG bit 23: the net-force pages
        f.save("BREVDAT");
        numbrv_ = WordFile("BREVDAT").integer(179);
    }
    // True when the run did not reach the refresh, so nothing here can be checked yet.
    static bool analysis_is_stand_in(const std::string& diagnostics, const std::string& report) {
        return diagnostics.find(" >>> The analysis is not available yet.") != std::string::npos ||
               x_page_rows(report) <= 0;
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
    if (analysis_is_stand_in(diagnostics, report)) GTEST_SKIP() << "the analysis run is not built yet";
    ASSERT_EQ(r.status, 0) << r.err << diagnostics;
    EXPECT_EQ(x_page_rows(report), numbrv_);
    EXPECT_EQ(diagnostics.find("USRRAO"), std::string::npos);
}

TEST_F(UserRaoRun, OneFrequencyTableEndsThroughTheFileErrorReport) {
    prepare();
    testing::put_file("USERRAOS.txt", "1 2\n0\n0.5 1 0 0 0 1 0 0 0 0 0 0 0\n360\n0.5 1 0 0 0 1 0 0 0 0 0 0 0\n");
    const ProgramResult r = run_brevant("M\nL\n4\n");
    const std::string diagnostics = file_bytes("Diagnostics.stxt");
    if (diagnostics.find(" >>> The analysis is not available yet.") != std::string::npos ||
        diagnostics.find("USRRAO") == std::string::npos)
        GTEST_SKIP() << "the analysis run does not reach the RAO refresh yet";
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(diagnostics.find(" ++> End of file or related file error in routine USRRAO\n"
                               "     file name USERRAOS.txt \n"),
              std::string::npos)
        << diagnostics;
}

}  // namespace
}  // namespace brevant::e2e

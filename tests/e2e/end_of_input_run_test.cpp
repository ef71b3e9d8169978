// The input ending inside an analysis run, or the run stopped there: the line on standard error says
// why, and what became of the case.
// A run that found nothing to save took the files as the folder held them; one started after an
// edit saved the case first. Every way to start a run: "E" at the title, item 3 of the End of
// Session page, "E" on a page. (A silent run, item 4, reads nothing: its input never ends in it.)
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "e2e_support.h"
#include "reference/reference_cases.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

constexpr const char* kSavedLine = " ++> End of input: the program stops; the case was saved before the run.\n";
constexpr const char* kInFolderLine =
    " ++> End of input: the program stops; the case in the folder is the one the run used.\n";

struct Start {
    const char* what;
    const char* answers;
    bool edited;      // page 1's depth set to 777 m before the run
    const char* err;  // the line on standard error
    bool lowdat_cut = false;  // "LOWDAT" cut short: the load cannot read it, so any save writes it anew
};

// What the folder holds after the run: the case as it was when nothing was edited (no back-up
// either), else the edited case saved with the case as it was in its back-up.
void expect_case_on_disk(const Start& s, const std::string& before) {
    if (s.edited) {
        EXPECT_EQ(WordFile("BREVDAT").real(446), 777.0f);
        EXPECT_TRUE(file_bytes("BREVBAK") == before) << "the back-up is the case as it was";
    } else {
        EXPECT_TRUE(file_bytes("BREVDAT") == before) << "the data file changed";
        EXPECT_FALSE(std::filesystem::exists("BREVBAK"));
    }
}

// The ship case with its report on the console: the run pauses after its title page, and the input
// ends at the second pause.
TEST(EndOfInputRun, ThePauseOfAReportOnTheConsoleSaysWhetherTheCaseWasSaved) {
    constexpr const char* kPause = " \n Press <RETURN> to continue: ";
    const Start starts[] = {
        {"unedited, E at the title", "E\n\n", false, kInFolderLine},
        {"unedited, item 3", "M\nL\n3\n\n", false, kInFolderLine},
        {"unedited, E on a page", "M\nE\n\n", false, kInFolderLine},
        {"edited, item 3", "M\nJ1\n4\n777\nL\n3\n\n", true, kSavedLine},
        {"edited, E on a page", "M\nJ1\n4\n777\nE\n\n", true, kSavedLine},
        {"unedited, its coefficient file unreadable", "E\n\n", false, kSavedLine, true},
    };
    for (const Start& s : starts) {
        SCOPED_TRACE(s.what);
        testing::ScratchDir dir;
        write_ship_case();
        edit_on_disk({{109, 6}});  // IUNIT: the report on the console
        const std::string lowdat = file_bytes("LOWDAT");
        if (s.lowdat_cut) put_file("LOWDAT", lowdat.substr(0, 100));
        const std::string before = file_bytes("BREVDAT");
        const ProgramResult r = run_brevant(s.answers, 120);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, s.err);
        // The run had started and waited at its second pause when the input ended.
        const std::size_t banner = r.out.find(kRunBanner);
        ASSERT_NE(banner, std::string::npos) << r.out;
        EXPECT_EQ(count_of(r.out.substr(banner), kPause), 2u);
        EXPECT_TRUE(r.out.ends_with(kPause));
        expect_case_on_disk(s, before);
        if (s.lowdat_cut) {
            EXPECT_EQ(file_bytes("LOWBAK"), lowdat.substr(0, 100)) << "the coefficient file was saved";
        } else {
            EXPECT_TRUE(file_bytes("LOWDAT") == lowdat) << "the coefficient file changed";
            EXPECT_FALSE(std::filesystem::exists("LOWBAK"));
        }
    }
}

// The reference semi-submersible in metres (written through the data image, word for word the case
// its pages enter) stops at the run's own notice, that its members' summed waterlines differ from
// LWL and BWL, and asks whether to go on: the input ends there.
TEST(EndOfInputRun, TheNoticeOfTheSemiSubmersibleSaysWhetherTheCaseWasSaved) {
    const Start starts[] = {
        {"unedited, E at the title", "E\n", false, kInFolderLine},
        {"edited, E on a page", "M\nJ1\n4\n777\nE\n", true, kSavedLine},
    };
    for (const Start& s : starts) {
        SCOPED_TRACE(s.what);
        testing::ScratchDir dir;
        reference::ShipOptions semi;
        semi.hull = reference::Hull::semi;
        reference::write_reference_ship(semi);
        const std::string before = file_bytes("BREVDAT");
        const ProgramResult r = run_brevant(s.answers, 120);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, s.err);
        // The notice is the run's last word, and its question the last thing on the screen.
        const std::size_t notice = r.out.find(" ++> Notice: Summed water-piercing member waterlines differ");
        ASSERT_NE(notice, std::string::npos) << r.out;
        EXPECT_GT(notice, r.out.find(kRunBanner));
        EXPECT_EQ(r.out.rfind(" ++> "), notice);
        EXPECT_TRUE(r.out.ends_with("\n Enter \"A\" to abort or Press <RETURN> to continue: "));
        expect_case_on_disk(s, before);
    }
}

// A question of the run answered "A", or a stop on the run's own message: status 1, and one line on
// standard error that says why (with what became of the case, for "A"). The semi-submersible's
// notice (a question of its characteristics), and the sample ship with a KMT of 10,000 m, whose
// suspicious equivalent box asks and whose heave natural frequency then cannot be computed.
TEST(EndOfInputRun, AStopOfTheRunSaysWhyOnStandardError) {
    const Start starts[] = {
        {"semi-submersible, unedited, A at its notice", "E\nA\n", false,
         " ++> \"A\" was answered: the run stops; the case in the folder is the one the run used.\n"},
        {"semi-submersible, edited, A at its notice", "M\nJ1\n4\n777\nE\nA\n", true,
         " ++> \"A\" was answered: the run stops; the case was saved before the run.\n"},
        {"ship, unedited, A at the box", "M\nL\n3\n\nA\n", false,
         " ++> \"A\" was answered: the run stops; the case in the folder is the one the run used.\n"},
        {"ship, edited, on to the natural frequency", "M\nJ1\n4\n777\nL\n3\n\n\n\n\n", true,
         " ++> The run stopped: The vessel's heave natural frequency cannot be computed\n"},
    };
    for (const Start& s : starts) {
        SCOPED_TRACE(s.what);
        testing::ScratchDir dir;
        if (std::string(s.what).starts_with("semi")) {
            reference::ShipOptions semi;
            semi.hull = reference::Hull::semi;
            reference::write_reference_ship(semi);
        } else {
            copy_sample();
            edit_on_disk({{1417, real_word(10000.0f)}});  // VKMT
        }
        const std::string before = file_bytes("BREVDAT");
        const ProgramResult r = run_brevant(s.answers, 120);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, s.err) << r.out;
        EXPECT_NE(r.out.find(kRunBanner), std::string::npos);
        expect_case_on_disk(s, before);
    }
}

}  // namespace
}  // namespace brevant::e2e

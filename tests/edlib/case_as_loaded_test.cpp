// What the editor sets by itself in a case nobody changed moves the copies taken at load along with
// it; in a changed case it counts with the changes. Through the helper and through a page's drawing.
#include "edlib/case_as_loaded.h"

#include <gtest/gtest.h>

#include <string>

#include "edlib/editor_driver.h"
#include "edlib/pages/environment_pages.h"
#include "records/coefficient_image.h"
#include "records/data_image.h"
#include "sysutl/program_end.h"
#include "sysutl/word_ops.h"
#include "test_support.h"

namespace brevant {
namespace {

class CaseAsLoadedTest : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        load();
    }
    void TearDown() override {
        reset_images();
        reset_session();
        ConsoleTest::TearDown();
    }
    // A case of this program as loaded: the copies hold it, with the session words at 0, and the
    // console unit is the screen. WAVTYP 9 gives it an Ochi-Hubble sea of two components.
    static void load(Int WAVTYP = 2) {
        reset_images();
        reset_session();
        set_session_values();
        TPCM.SIMTYP = 16;
        TPCM.NTOGO = NTOGOQ;
        TPCM.WAVTYP = WAVTYP;
        TPCM.LRANDM = 1;
        TPCM.N_OCHI_COMP = 2;
        TPCM.NSEAHG = 1;
        TPCM.NSEAHT() = 1;
        TPCM.MAXPRM = 1;
        LOWCOF.NUWNPT = 3;
        MOVCOM(NTOGOQ, word_span(TPCM), word_span(SESSION.COPIES.IOBUF));
        MOVCOM(kLowcofWords, word_span(LOWCOF), word_span(SESSION.COPIES.ILOBUF));
        TPCM.EDUNIT = SCREEN_UNIT;
    }
};

TEST_F(CaseAsLoadedTest, TheSessionWordsAreNoChangeOfTheCase) {
    TPCM.LBACK = -1983;
    TPCM.IPAG = 12;
    TPCM.LCOPY = 1;
    TPCM.EDUNIT = SILENT_UNIT;
    EXPECT_TRUE(case_is_as_loaded());
    TPCM.NTOGO = NTOGOQ - 1;  // word 1
    EXPECT_FALSE(case_is_as_loaded());
    TPCM.NTOGO = NTOGOQ;
    TPCM.CCOFDX = 1.0f;  // past the session words: word 3669
    EXPECT_FALSE(case_is_as_loaded());
    TPCM.CCOFDX = 0.0f;
    LOWCOF.NUCRPT = 2;
    EXPECT_FALSE(case_is_as_loaded());
}

// A step of the editor's: what it sets becomes part of the case as loaded when nothing was changed
// before it, and counts with the changes otherwise (the copies stay as they were).
TEST_F(CaseAsLoadedTest, AStepMovesTheCopiesOnlyOfACaseNobodyChanged) {
    struct Case {
        const char* what;
        void (*change)();  // the user's change before the step, if any
        void (*step)();
        bool as_loaded_after;
        Int maxprm_copy;  // word 30 of the data copy after the step
        Int nuwnpt_copy;  // word 1 of the coefficient copy after the step
    };
    const Case cases[] = {
        {"nothing changed, the step sets a data word", nullptr, [] { TPCM.MAXPRM = 4; }, true, 4, 3},
        {"nothing changed, the step sets a coefficient word", nullptr, [] { LOWCOF.NUWNPT = 2; }, true, 1, 2},
        {"nothing changed, the step sets a session word", nullptr, [] { TPCM.LBACK = 7; }, true, 1, 3},
        {"a data word changed before", [] { TPCM.DEPTH = 777.0f; }, [] { TPCM.MAXPRM = 4; }, false, 1, 3},
        {"a coefficient word changed before", [] { LOWCOF.NUCRPT = 5; }, [] { TPCM.MAXPRM = 4; }, false, 1, 3},
        {"a data word changed before, the step sets a coefficient word", [] { TPCM.DEPTH = 777.0f; },
         [] { LOWCOF.NUWNPT = 2; }, false, 1, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        load();
        if (c.change != nullptr) c.change();
        set_by_the_editor(c.step);
        EXPECT_EQ(case_is_as_loaded(), c.as_loaded_after);
        EXPECT_EQ(SESSION.COPIES.IOBUF(30), c.maxprm_copy);
        EXPECT_EQ(SESSION.COPIES.IOBUF(700), 0);  // the copies keep the session words at 0
        EXPECT_EQ(SESSION.COPIES.IOBUF(703), 0);
        EXPECT_EQ(SESSION.COPIES.ILOBUF(1), c.nuwnpt_copy);
    }
}

// A step that ends the program (the end of the input at a pause of the checks) leaves the copies.
TEST_F(CaseAsLoadedTest, AStepThatEndsTheProgramLeavesTheCopies) {
    EXPECT_THROW(set_by_the_editor([] {
                     TPCM.MAXPRM = 4;
                     throw ProgramEnd{1};
                 }),
                 ProgramEnd);
    EXPECT_EQ(SESSION.COPIES.IOBUF(30), 1);
    EXPECT_FALSE(case_is_as_loaded());
}

// Page 12 stores MAXPRM as 4 whenever it is drawn with an Ochi-Hubble sea. Drawn on the case as
// loaded, that is part of the case; drawn after a change, it counts with the change.
TEST_F(CaseAsLoadedTest, PageTwelveDrawnWithAnOchiHubbleSea) {
    for (const bool changed : {false, true}) {
        SCOPED_TRACE(changed ? "after a change" : "on the case as loaded");
        load(9);
        if (changed) TPCM.DEPTH = 777.0f;
        answers("\n");
        MORRAN("12");
        EXPECT_EQ(TPCM.MAXPRM, 4);
        EXPECT_EQ(SESSION.COPIES.IOBUF(30), changed ? 1 : 4);
        EXPECT_EQ(case_is_as_loaded(), !changed);
    }
}

}  // namespace
}  // namespace brevant

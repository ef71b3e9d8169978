// The editor pages' selection loop: dump, help, leaving, the on/off item and the page's action.
#include "sysutl/page_loop.h"

#include <string>
#include <vector>

#include "sysutl/answers.h"
#include "test_support.h"

namespace brevant {
namespace {

// A page that logs what the loop asks of it; item 9 leaves, every other item stays.
class PageLoop : public testing::ConsoleTest {
protected:
    Int EDUNIT = SCREEN_UNIT;
    Int LCOPY = 0;
    Int LBACK = 77;
    Int IPAG = 0;
    Int IBATCH = 0;
    Int ON = 0;
    std::vector<std::string> log;

    PageParts parts() {
        PageParts p;
        p.draw = [this](Int unit) { log.push_back("draw " + std::to_string(unit)); };
        p.dump_extras = [this](Int) { log.push_back("extras LCOPY " + std::to_string(LCOPY)); };
        p.help = [this](Int) { log.push_back("help " + std::to_string(IPAG)); };
        p.act = [this](Int item, Int) {
            log.push_back("act " + std::to_string(item));
            return item == 9 ? PageStep::Leave : PageStep::Stay;
        };
        return p;
    }
    void run(const PageParts& p) { run_page({EDUNIT, LCOPY, LBACK, IPAG, IBATCH}, p); }
};

TEST_F(PageLoop, ADumpWritesThePageOnceThenItsBreakAndExtrasAndReadsNothing) {
    LCOPY = 1;
    answers("3\n");  // never read
    run(parts());
    EXPECT_EQ(log, (std::vector<std::string>{"draw 6", "extras LCOPY 2"}));
    EXPECT_EQ(LBACK, 0);
    EXPECT_EQ(LCOPY, 2);
    EXPECT_EQ(screen().find("Enter"), std::string::npos);  // no selection prompt
}

TEST_F(PageLoop, SelectionsRunUntilReturnOrAPageCommand) {
    struct Case {
        const char* answers;
        std::vector<std::string> log;
        Int LBACK;
    };
    const Case cases[] = {
        // Help takes the item typed after "?", then the page is drawn again.
        {"?3\n2\n\n", {"draw 6", "help 3", "draw 6", "act 2", "draw 6"}, 0},
        {"?\nF\n", {"draw 6", "help 0", "draw 6"}, NAV_FIRST},
        {"J4\n", {"draw 6"}, NAV_JUMP},
        {"B\n", {"draw 6"}, NAV_BACK},
        // "!" goes back to the driver, which draws the page afresh.
        {"!\n", {"draw 6"}, NAV_REDRAW},
        // The action may leave; LBACK keeps the item.
        {"4\n9\n", {"draw 6", "act 4", "draw 6", "act 9"}, 9},
    };
    for (const Case& c : cases) {
        log.clear();
        IPAG = 0;
        answers(c.answers);
        run(parts());
        EXPECT_EQ(log, c.log) << c.answers;
        EXPECT_EQ(LBACK, c.LBACK) << c.answers;
    }
}

TEST_F(PageLoop, ThePageMayRedrawItselfOnARedrawCode) {
    PageParts p = parts();
    p.redraw_here = true;
    answers("!\n\n");
    run(p);
    EXPECT_EQ(log, (std::vector<std::string>{"draw 6", "draw 6"}));
    EXPECT_EQ(LBACK, 0);
}

TEST_F(PageLoop, TheOnOffItemFlipsItsWordAndTheOtherItemsWaitForIt) {
    PageParts p = parts();
    p.switch_item = 1;
    p.switch_word = &ON;
    // Off: item 2 does nothing; on: item 2 reaches the page; off again: nothing.
    answers("2\n1\n2\n1\n2\n\n");
    run(p);
    EXPECT_EQ(log, (std::vector<std::string>{"draw 6", "draw 6", "draw 6", "act 2", "draw 6", "draw 6", "draw 6"}));
    EXPECT_EQ(ON, 0);
    EXPECT_EQ(LBACK, 0);
}

TEST_F(PageLoop, TheUnitIsReadAfreshOnEveryTurn) {
    PageParts p = parts();
    p.act = [this](Int, Int) {
        EDUNIT = SILENT_UNIT;
        return PageStep::Stay;
    };
    answers("2\n\n");
    run(p);
    EXPECT_EQ(log, (std::vector<std::string>{"draw 6", "draw 41"}));
}

}  // namespace
}  // namespace brevant

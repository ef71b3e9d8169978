// Imports from the other simulation types: the words this program needs, the default mooring and
// member tables, and the inoperative update entries of the other types.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "records/data_image.h"
#include "edlib/data_import.h"
#include "test_support.h"

namespace brevant {
namespace {

class Import : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_images();
        TPCM.EDUNIT = SCREEN_UNIT;
    }
    void TearDown() override {
        reset_images();
        ConsoleTest::TearDown();
    }
};

TEST_F(Import, SalmTypesBringTheirArmAndEveryTypeGetsTheAttackAngles) {
    struct Case {
        Int creator;
        bool takes_arm;
    };
    const Case cases[] = {{13, true}, {10, true}, {15, true}, {1, false}, {3, false}, {12, false}, {14, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.creator);
        reset_images();
        TPCM.EDUNIT = SCREEN_UNIT;
        TPCM.SIMTYP = c.creator;
        TPCM.XSALM = 42.0f;
        TPCM.BRVARM = 7.0f;
        TPCM.NUMBRV = 19;
        TPCM.LANGARR = 1;
        TPCM.BRVINC = 20.0f;
        TPCM.BRVFLG = 0x00000005 | static_cast<Int>(1u << 30);  // bits 1, 3 and 31
        BRVIMPORT(TPCM.CREATR());
        EXPECT_EQ(TPCM.BRVARM, c.takes_arm ? 42.0f : 7.0f);
        EXPECT_EQ(TPCM.NUMBRV, 37);
        EXPECT_EQ(TPCM.LANGARR, 0);
        EXPECT_EQ(TPCM.BRVINC, 10.0f);
        EXPECT_EQ(static_cast<std::uint32_t>(TPCM.BRVFLG), 0x00000005u | (1u << 30) | (1u << 22));
        EXPECT_EQ(TPCM.SIMTYP, c.creator) << "the loader's stamps set the creator, not the import";
    }
    EXPECT_EQ(screen(), "");
}

TEST_F(Import, BitOfTheNetLoadsTablesAlreadySetStaysSet) {
    TPCM.SIMTYP = 13;
    TPCM.BRVFLG = static_cast<Int>(1u << 22);
    BRVIMPORT(13);
    EXPECT_EQ(TPCM.BRVFLG, static_cast<Int>(1u << 22));
}

TEST_F(Import, CatenaryImportChangesNothing) {
    for (int k = 1; k <= 200; ++k) set_image_word(TPCM, k, k);
    const Tpcm before = TPCM;
    CATIMPORT(8);
    EXPECT_EQ(std::memcmp(&before, &TPCM, sizeof(Tpcm)), 0);
}

TEST_F(Import, MooringDefaultsOfThisProgramWithTheCreateAnswer) {
    TPCM.ISPM = 2;
    TPCM.NEWFLG = 1;
    TPCM.MAXANG = 10;
    TPCM.IPLOTS = 4;
    TPCM.SCOMP(25, 149).assign("CHAIN");
    TPCM.SCOMP(1, 150).assign("WIRE");
    MRINIT('C', 16);
    EXPECT_EQ(TPCM.ISPM, 2);
    EXPECT_EQ(TPCM.NEWFLG, 0);
    EXPECT_EQ(TPCM.MAXSHG(), 1);
    EXPECT_EQ(TPCM.MAXSHT(), 1);
    EXPECT_EQ(TPCM.MAXANG, 36);
    EXPECT_EQ(TPCM.MAXDIR, 1);
    EXPECT_EQ(TPCM.MAXELM, 25);
    EXPECT_EQ(TPCM.IPLOTS, 0);
    EXPECT_EQ(TPCM.MAXTYP, 149);
    EXPECT_EQ(TPCM.MAXLIN, 149);
    EXPECT_EQ(TPCM.MAXDYN, 149);
    EXPECT_EQ(TPCM.MAXCYL, 50);
    EXPECT_EQ(TPCM.MAXPOD, 16);
    EXPECT_EQ(TPCM.MAXEND, 100);
    EXPECT_EQ(TPCM.MAXMEM, 50);
    EXPECT_EQ(TPCM.MOORTP, 1);
    EXPECT_EQ(TPCM.NCYL, 1);
    EXPECT_EQ(TPCM.NTAB, 90);
    EXPECT_EQ(TPCM.CCOFDX, 1.0f);
    EXPECT_EQ(TPCM.CCOFDY, 1.0f);
    EXPECT_EQ(TPCM.CCOFDZ, 1.0f);
    for (int m = 1; m <= 50; ++m)
        for (int k = 1; k <= 3; ++k) {
            ASSERT_EQ(TPCM.CYLCM(k, m), 1.0f);
            ASSERT_EQ(TPCM.CYLCMI(k, m), 1.0f);
            ASSERT_EQ(TPCM.CYLCD(k, m), 1.0f);
            ASSERT_EQ(TPCM.CYLCDI(k, m), 1.0f);
        }
    for (Int w : {TPCM.NTYP, TPCM.NLIN, TPCM.HAWSTP, TPCM.HAWSLN, TPCM.NLAYER, TPCM.IDYNEV(1), TPCM.NDYNEV,
                  TPCM.LBOUND, TPCM.STAMOT, TPCM.LRESET, TPCM.LEQCND, TPCM.LOWMOT})
        EXPECT_EQ(w, 1);
    EXPECT_EQ(TPCM.WLFLAG, 0);
    EXPECT_EQ(TPCM.COFMAS, 1.0f);
    EXPECT_EQ(TPCM.COFDMP, 1.0f);
    for (int line = 1; line <= 149; ++line) ASSERT_EQ(TPCM.LIN_DUM(line), line);
    EXPECT_EQ(TPCM.LIN_DUM(150), 0);
    for (int t = 1; t <= 149; ++t) {
        ASSERT_EQ(TPCM.NELEM(t), 1);
        ASSERT_EQ(TPCM.NLINE(t), 1);
        ASSERT_EQ(TPCM.ANCTYP(t), 1);
        for (int e = 1; e <= 25; ++e) {
            ASSERT_EQ(TPCM.SCOMP(e, t).view(), "        ");
            ASSERT_EQ(TPCM.COFMST(e, t), 1.0f);
            ASSERT_EQ(TPCM.COFDMT(e, t), 1.0f);
        }
    }
    EXPECT_EQ(TPCM.SCOMP(1, 150).trimmed(), "WIRE") << "line type 150 lies past MAXTYP";
    EXPECT_EQ(TPCM.NELEM(150), 0);
}

TEST_F(Import, ThisProgramKeepsTheMemberTableOfTheImportedFile) {
    TPCM.NCYL = 4;
    TPCM.CCOFDX = 0.7f;
    TPCM.CYLCM(2, 3) = 1.8f;
    TPCM.CYLCD(1, 4) = 0.6f;
    MRINIT('C', 16);
    EXPECT_EQ(TPCM.NCYL, 4);
    EXPECT_EQ(TPCM.CCOFDX, 0.7f);
    EXPECT_EQ(TPCM.CYLCM(2, 3), 1.8f);
    EXPECT_EQ(TPCM.CYLCD(1, 4), 0.6f);
    EXPECT_EQ(TPCM.CYLCMI(1, 1), 0.0f);
    EXPECT_EQ(TPCM.MOORTP, 1);
    EXPECT_EQ(TPCM.NTAB, 90) << "the mooring tables are defaulted all the same";

    // Another mooring type defaults the table whatever the file held.
    reset_images();
    TPCM.NCYL = 4;
    TPCM.CYLCM(2, 3) = 1.8f;
    MRINIT('C', 12);
    EXPECT_EQ(TPCM.NCYL, 1);
    EXPECT_EQ(TPCM.CYLCM(2, 3), 1.0f);
}

TEST_F(Import, OtherAnswersSetOnlyTheLimitsAndCounts) {
    for (char answer : {'M', 'E', ' ', 'c'}) {
        SCOPED_TRACE(answer);
        reset_images();
        MRINIT(answer, 16);
        EXPECT_EQ(TPCM.MAXANG, 36);
        EXPECT_EQ(TPCM.MAXTYP, 149);
        EXPECT_EQ(TPCM.LRESET, 1);
        EXPECT_EQ(TPCM.MOORTP, 0);
        EXPECT_EQ(TPCM.NCYL, 0);
        EXPECT_EQ(TPCM.NTAB, 0);
        EXPECT_EQ(TPCM.NELEM(1), 0);
        EXPECT_EQ(TPCM.COFMST(1, 1), 0.0f);
        EXPECT_EQ(TPCM.LIN_DUM(1), 0);
    }
}

TEST_F(Import, SystemCodesAndLimitsByRunningType) {
    struct Case {
        Int type;
        Int ispm;
        Int vestyp;
        Int limit;
        Int lreset;
    };
    const Case cases[] = {
        {10, 3, 9, 1, 0}, {12, 4, 9, 149, 1}, {13, 7, 9, 149, 1}, {14, 6, 5, 149, 1},
        {15, 5, 9, 149, 1}, {17, 8, 6, 149, 1}, {16, 2, 9, 149, 1}, {8, 2, 9, 149, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        reset_images();
        TPCM.ISPM = 2;
        TPCM.VESTYP = 9;
        TPCM.MAXCYL = 33;
        MRINIT('M', c.type);
        EXPECT_EQ(TPCM.ISPM, c.ispm);
        EXPECT_EQ(TPCM.VESTYP, c.vestyp);
        EXPECT_EQ(TPCM.MAXLIN, c.limit);
        EXPECT_EQ(TPCM.MAXTYP, c.limit);
        EXPECT_EQ(TPCM.MAXDYN, c.limit);
        EXPECT_EQ(TPCM.LRESET, c.lreset);
        EXPECT_EQ(TPCM.MAXCYL, c.type == 10 ? 33 : 50);
        if (c.type == 10) {
            EXPECT_EQ(TPCM.NTYP, 1);
            EXPECT_EQ(TPCM.NLINE(1), 1);
            EXPECT_EQ(TPCM.LIN_DUM(1), 1);
            EXPECT_EQ(TPCM.IDYNEV(1), 1);
        }
    }
}

TEST_F(Import, TowingTypeDefaultsOneLineAndNoMembers) {
    TPCM.MAXCYL = 50;
    TPCM.NCYL = 0;
    MRINIT('C', 10);
    EXPECT_EQ(TPCM.MOORTP, 0);
    EXPECT_EQ(TPCM.NCYL, 0);
    EXPECT_EQ(TPCM.CYLCM(1, 1), 0.0f);
    EXPECT_EQ(TPCM.ANCTYP(1), 0);
    EXPECT_EQ(TPCM.NELEM(1), 1);
    EXPECT_EQ(TPCM.COFMST(25, 1), 1.0f);
    EXPECT_EQ(TPCM.COFMST(1, 2), 0.0f) << "one line type only";
    EXPECT_EQ(TPCM.LIN_DUM(2), 0);
}

TEST_F(Import, CreateAnswerMooringTypeAndAnchorsByRunningType) {
    struct Case {
        Int type;
        Int moortp;
        Int ncyl;   // the member defaults come with MOORTP 1 only
        Int anctyp;
    };
    const Case cases[] = {{10, 0, 0, 0}, {13, 0, 0, 1}, {12, 1, 1, 1}, {8, 1, 1, 1}, {16, 1, 1, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        reset_images();
        TPCM.MOORTP = 9;
        MRINIT('C', c.type);
        EXPECT_EQ(TPCM.MOORTP, c.moortp);
        EXPECT_EQ(TPCM.NCYL, c.ncyl);
        EXPECT_EQ(TPCM.CCOFDZ, c.moortp == 1 ? 1.0f : 0.0f);
        EXPECT_EQ(TPCM.CYLCDI(3, 50), c.moortp == 1 ? 1.0f : 0.0f);
        EXPECT_EQ(TPCM.ANCTYP(1), c.anctyp);
        EXPECT_EQ(TPCM.NTAB, 90);
        EXPECT_EQ(TPCM.LRESET, 1);
    }
}

TEST_F(Import, UpdateEntryReadsOneLineBeforeEnding) {
    answers("\nnext\n");
    Int fatal = 0;
    EXPECT_THROW(MORUPD(4.0f, fatal), ProgramEnd);
    EXPECT_EQ(read_keyboard_line(), "next") << "the Return was read, and only that line";
}

TEST_F(Import, UpdateEntriesOfOtherTypesTellTheUserAndEndTheProgram) {
    const std::vector<std::pair<const char*, std::function<void(Real, Int&)>>> entries = {
        {"SHPUPD", SHPUPD}, {"JCKUPD", JCKUPD}, {"SEMUPD", SEMUPD}, {"DSCUPD", DSCUPD}, {"STMUPD", STMUPD},
        {"CATUPD", CATUPD}, {"TOWUPD", TOWUPD}, {"SLMUPD", SLMUPD}, {"MORUPD", MORUPD}, {"CLMUPD", CLMUPD},
        {"SPMUPD", SPMUPD}, {"SPRUPD", SPRUPD}, {"TLPUPD", TLPUPD},
    };
    for (const auto& [name, entry] : entries) {
        SCOPED_TRACE(name);
        clear_captured(SCREEN_UNIT);
        answers("\n");
        Int fatal = 0;
        try {
            entry(5.0f, fatal);
            ADD_FAILURE() << "returned";
        } catch (const ProgramEnd& end) {
            EXPECT_EQ(end.status, 1);
        }
        EXPECT_EQ(screen(), " ++> You are in an inoperative ???UPD file!\n     Press <Return> to quit\n");
    }
}

}  // namespace
}  // namespace brevant

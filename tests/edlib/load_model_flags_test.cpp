// Load-model flags: the one-model flags, the copy of field 1 and the derived model-class flags,
// checked against nibble arithmetic of the test's own.
#include <gtest/gtest.h>

#include <cstdint>

#include "edlib/load_model_flags.h"
#include "sysutl/units.h"

namespace brevant {
namespace {

// A model word from its fields 1, 2, 3 (field 1 the lowest nibble).
Int word(Int f1, Int f2, Int f3) { return f1 | (f2 << 4) | (f3 << 8); }
Int field(Int w, int k) { return static_cast<Int>((static_cast<std::uint32_t>(w) >> (4 * (k - 1))) & 15u); }

struct Flags {
    Int swnfm = -9, scrfm = -9, swvfm = -9;
    Int wndusr = -9, curusr = -9, wavusr = -9, lctnkr = -9, lwtnkr = -9, lwnbrg = -9, lcrbrg = -9;
};

Flags both_calls(Int& wnd, Int& cur, Int& wav) {
    Flags f;
    INITFM(wnd, f.swnfm, cur, f.scrfm, wav, f.swvfm, SCREEN_UNIT);
    TNKRID(wnd, f.swnfm, f.wndusr, cur, f.scrfm, f.curusr, wav, f.swvfm, f.wavusr, f.lctnkr, f.lwtnkr, f.lwnbrg,
           f.lcrbrg, SCREEN_UNIT);
    return f;
}

TEST(LoadModelFlags, NewCaseWordsAreUserTablesWithOneModelEach) {
    Int wnd = 273, cur = 273, wav = 273;
    const Flags f = both_calls(wnd, cur, wav);
    EXPECT_EQ(f.swnfm, 1);
    EXPECT_EQ(f.scrfm, 1);
    EXPECT_EQ(f.swvfm, 1);
    EXPECT_EQ(f.wndusr, 1);
    EXPECT_EQ(f.curusr, 1);
    EXPECT_EQ(f.wavusr, 1);
    EXPECT_EQ(f.lctnkr, 0);
    EXPECT_EQ(f.lcrbrg, 0);
    EXPECT_EQ(f.lwnbrg, 0);
    EXPECT_EQ(f.lwtnkr, 0);
    EXPECT_EQ(wnd, 273);
    EXPECT_EQ(cur, 273);
    EXPECT_EQ(wav, 273);
}

TEST(LoadModelFlags, InitfmLeavesWordsAndReadsNsmbMeanAsFour) {
    struct Case {
        Int f1, f2, f3;
        Int current_flag;  // SCRFM for this word as the current word
        Int other_flag;    // SWNFM/SWVFM for this word as wind or drift word
    } cases[] = {
        {15, 4, 4, 1, 0}, {4, 4, 4, 1, 1}, {15, 15, 15, 0, 1}, {6, 4, 4, 0, 0}, {0, 0, 0, 1, 1}, {2, 1, 2, 0, 0},
    };
    for (const auto& c : cases) {
        const Int w = word(c.f1, c.f2, c.f3);
        Int s1 = -9, s2 = -9, s3 = -9;
        INITFM(w, s1, w, s2, w, s3, SCREEN_UNIT);
        EXPECT_EQ(s1, c.other_flag) << c.f1 << "," << c.f2 << "," << c.f3;
        EXPECT_EQ(s2, c.current_flag) << c.f1 << "," << c.f2 << "," << c.f3;
        EXPECT_EQ(s3, c.other_flag) << c.f1 << "," << c.f2 << "," << c.f3;
    }
}

TEST(LoadModelFlags, CurrentNsmbMeanKeepsFieldOneAndCopiesFour) {
    // (15, 4, 4): one model, the word stays as it is, NSMB tanker.
    Int wnd = 0, cur = word(15, 4, 4), wav = 0;
    Flags f = both_calls(wnd, cur, wav);
    EXPECT_EQ(f.scrfm, 1);
    EXPECT_EQ(cur, word(15, 4, 4));
    EXPECT_EQ(f.lctnkr, 2);

    // (15, 6, 6) with the one-model flag set by the user: fields 2 and 3 become 4, field 1 stays 15.
    cur = word(15, 6, 6);
    Int one = 1, zero = 0;
    TNKRID(wnd, zero, f.wndusr, cur, one, f.curusr, wav, zero, f.wavusr, f.lctnkr, f.lwtnkr, f.lwnbrg, f.lcrbrg,
           SCREEN_UNIT);
    EXPECT_EQ(field(cur, 1), 15);
    EXPECT_EQ(field(cur, 2), 4);
    EXPECT_EQ(field(cur, 3), 4);
    EXPECT_EQ(f.lctnkr, 2);
}

TEST(LoadModelFlags, DerivedFlagsByFieldValues) {
    struct Case {
        Int wnd[3], cur[3], wav[3];
        Int wndusr, curusr, wavusr, lctnkr, lwtnkr, lwnbrg, lcrbrg;
    } cases[] = {
        // NSMB test overrides the OCIMF one.
        {{3, 3, 3}, {6, 4, 4}, {2, 2, 2}, 0, 0, 0, 2, 0, 1, 0},
        {{5, 5, 5}, {5, 5, 5}, {3, 3, 3}, 0, 0, 0, 0, 0, 1, 0},
        {{2, 1, 2}, {6, 6, 6}, {4, 1, 4}, 1, 0, 1, 1, 0, 0, 0},
        {{2, 4, 4}, {2, 3, 7}, {7, 7, 7}, 2, 2, 0, 0, 1, 0, 1},
        {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, 0, 0, 0, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        Int wnd = word(c.wnd[0], c.wnd[1], c.wnd[2]);
        Int cur = word(c.cur[0], c.cur[1], c.cur[2]);
        Int wav = word(c.wav[0], c.wav[1], c.wav[2]);
        const Int wnd0 = wnd, cur0 = cur, wav0 = wav;
        const Flags f = both_calls(wnd, cur, wav);
        SCOPED_TRACE(::testing::Message() << "wind " << wnd0 << " current " << cur0 << " drift " << wav0);
        EXPECT_EQ(f.wndusr, c.wndusr);
        EXPECT_EQ(f.curusr, c.curusr);
        EXPECT_EQ(f.wavusr, c.wavusr);
        EXPECT_EQ(f.lctnkr, c.lctnkr);
        EXPECT_EQ(f.lwtnkr, c.lwtnkr);
        EXPECT_EQ(f.lwnbrg, c.lwnbrg);
        EXPECT_EQ(f.lcrbrg, c.lcrbrg);
        // After INITFM on the same words, TNKRID changes no field.
        EXPECT_EQ(wnd, wnd0);
        EXPECT_EQ(cur, cur0);
        EXPECT_EQ(wav, wav0);
    }
}

TEST(LoadModelFlags, OneModelCopyComesBeforeTheWindClassFlags) {
    // Wind (4, 3, 3) with the one-model flag set: (4, 4, 4) first, so no barge and a tanker.
    Int wnd = word(4, 3, 3) | (9 << 12), cur = 0, wav = word(5, 2, 2);
    Int one = 1, zero = 0;
    Flags f;
    TNKRID(wnd, one, f.wndusr, cur, zero, f.curusr, wav, one, f.wavusr, f.lctnkr, f.lwtnkr, f.lwnbrg, f.lcrbrg,
           SCREEN_UNIT);
    EXPECT_EQ(wnd, word(4, 4, 4) | (9 << 12));  // field 4 untouched
    EXPECT_EQ(f.lwnbrg, 0);
    EXPECT_EQ(f.lwtnkr, 1);
    EXPECT_EQ(wav, word(5, 5, 5));
}

TEST(LoadModelFlags, CaptionListsAreTwentyNineCharactersByRow) {
    EXPECT_EQ(TNKWND()[0].view(), "User-Specified LOWDAT        ");
    EXPECT_EQ(TNKWND()[3].trimmed(), "OCIMF Tanker '77 (extended)");
    EXPECT_EQ(TNKCUR()[1].trimmed(), "User-Specified CRNTCOFS.txt");
    EXPECT_EQ(TNKCUR()[4].trimmed(), "Extreme Cylindrical Bow '91");
    EXPECT_EQ(TNKCUR()[6].trimmed(), "Cylindrical Vessel");
    EXPECT_EQ(TNKWAV()[0].trimmed(), "User-Specified DRFTCOFS.txt");
    EXPECT_EQ(TNKWAV()[6].trimmed(), "Semi/TLP (2001)");
    EXPECT_EQ(TNKWAV()[6].view().size(), 29u);
}

}  // namespace
}  // namespace brevant

// Word-range housekeeping: shifts within one array, bitwise comparison, clearing and clamping.
#include "sysutl/word_ops.h"

#include <gtest/gtest.h>

#include "records/data_image.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <memory>
#include <numeric>
#include <stdexcept>
#include <vector>

namespace brevant {
namespace {

std::vector<Int> iota_words(int n) {
    std::vector<Int> v(static_cast<std::size_t>(n));
    std::iota(v.begin(), v.end(), 1);
    return v;
}

TEST(WordOps, ShiftsWithinOneArrayLoseNothing) {
    // MOVDWN from element 3 to element 6 opens three words of room (std::memmove is the oracle).
    for (int m : {1, 3, 7}) {
        auto a = iota_words(30);
        auto expect = a;
        std::memmove(&expect[2 + m], &expect[2], 12 * sizeof(Int));
        MOVDWN(12, word_span(&a[2], a.size() - 2), word_span(&a[2 + m], a.size() - 2 - m));
        EXPECT_EQ(a, expect) << "MOVDWN shift " << m;

        auto b = iota_words(30);
        auto expect_b = b;
        std::memmove(&expect_b[2], &expect_b[2 + m], 12 * sizeof(Int));
        MOVUP(12, word_span(&b[2 + m], b.size() - 2 - m), word_span(&b[2], b.size() - 2));
        EXPECT_EQ(b, expect_b) << "MOVUP shift " << m;
    }
}

TEST(WordOps, CopyOrderIsTheStatedOne) {
    // Ascending copy toward higher addresses repeats the first word: the order is observable and
    // is the one the callers were written against.
    auto a = iota_words(6);
    MOVCOM(5, word_span(&a[0], 6), word_span(&a[1], 5));
    EXPECT_EQ(a, (std::vector<Int>{1, 1, 1, 1, 1, 1}));

    // Two-word elements shifted up by one element: a complex array opening one slot.
    auto c = iota_words(10);
    MOVDWN2(4, word_span(&c[0], 10), word_span(&c[2], 8));
    EXPECT_EQ(c, (std::vector<Int>{1, 2, 1, 2, 3, 4, 5, 6, 7, 8}));
    auto d = iota_words(12);
    MOVDWN3(3, word_span(&d[0], 12), word_span(&d[3], 9));
    EXPECT_EQ(d, (std::vector<Int>{1, 2, 3, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(WordOps, WordCopiesBetweenTypesAreBitExact) {
    FArray<Real, 4> r;
    r(1) = -0.0f;
    r(2) = std::nanf("0x123");
    r(3) = 1.5f;
    r(4) = -3.25e-40f;  // subnormal
    FArray<Int, 4> words;
    words.fill(0);
    MOVCOM(4, word_span(r), word_span(words));
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(words(i), std::bit_cast<Int>(r(i))) << i;

    FArray<Real, 4> back;
    back.fill(9.0f);
    MOVREL(4, r, back);
    Int same = 0;
    NOCHNG(same, word_span(r), word_span(back), 4);
    EXPECT_EQ(same, 1);

    double dp_from[3] = {1.0, -0.0, 1e300};
    double dp_to[3] = {};
    MOVDP(3, dp_from, dp_to);
    EXPECT_EQ(std::memcmp(dp_from, dp_to, sizeof dp_from), 0);
}

TEST(WordOps, ImageCopyTakenAtLoadShowsAChangedWord) {
    // The end of the edit compares the image with the copy taken at load over the stored length.
    auto image = std::make_unique<Tpcm>();
    auto iobuf = std::make_unique<FArray<Int, kTpcmWords>>();
    image->VERNO = 6.8f;
    image->SIMTYP = 16;
    MOVCOM(NTOGOQ, word_span(*image), word_span(*iobuf));
    EXPECT_EQ(iobuf->at_linear(2), 16);
    EXPECT_EQ(iobuf->at_linear(217), std::bit_cast<Int>(6.8f));
    Int nochg = 0;
    NOCHNG(nochg, word_span(*image), word_span(*iobuf), NTOGOQ);
    EXPECT_EQ(nochg, 1);
    image->VERNO = -image->VERNO;
    NOCHNG(nochg, word_span(*image), word_span(*iobuf), NTOGOQ);
    EXPECT_EQ(nochg, 0);
}

TEST(WordOps, CountsPastTheRunAreRefused) {
    Int small[3] = {1, 2, 3};
    Int big[10] = {};
    EXPECT_THROW(MOVCOM(4, word_span(small), word_span(big)), std::out_of_range);
    EXPECT_THROW(SWPCOM(4, word_span(small), word_span(big)), std::out_of_range);
    Int same = 0;
    EXPECT_THROW(NOCHNG(same, word_span(small), word_span(big), 4), std::out_of_range);
    // A count of 0 or below is no work at all.
    MOVCOM(0, word_span(big), word_span(small));
    MOVDWN(-2, word_span(big), word_span(small));
    EXPECT_EQ(small[0], 1);
}

TEST(WordOps, NochngComparesBitsAndEveryWord) {
    Real a[4] = {1.0f, 2.0f, 0.0f, 4.0f};
    Real b[4] = {1.0f, 2.0f, -0.0f, 4.0f};
    Int nochg = 5;
    NOCHNG(nochg, word_span(a), word_span(b), 4);
    EXPECT_EQ(nochg, 0) << "+0.0 against -0.0 is a change";
    NOCHNG(nochg, word_span(a), word_span(b), 2);
    EXPECT_EQ(nochg, 1);
    NOCHNG(nochg, word_span(a), word_span(b), 0);
    EXPECT_EQ(nochg, 1);
    // A NaN equals itself word for word, though not as a number.
    Real n1[1] = {std::nanf("")};
    Real n2[1] = {n1[0]};
    NOCHNG(nochg, word_span(n1), word_span(n2), 1);
    EXPECT_EQ(nochg, 1);
    // A difference in the last word counts.
    Int i1[5] = {1, 2, 3, 4, 5}, i2[5] = {1, 2, 3, 4, 6};
    NOCHNG(nochg, word_span(i1), word_span(i2), 5);
    EXPECT_EQ(nochg, 0);
}

TEST(WordOps, SwapsExchangeWholeValues) {
    Int a[4] = {1, 2, 3, 4}, b[4] = {5, 6, 7, 8};
    SWPCOM(3, word_span(a), word_span(b));
    EXPECT_EQ((std::vector<Int>(a, a + 4)), (std::vector<Int>{5, 6, 7, 4}));
    EXPECT_EQ((std::vector<Int>(b, b + 4)), (std::vector<Int>{1, 2, 3, 8}));

    Real x = 1.0f, y = -2.0f;
    SWPVAL(x, y);
    EXPECT_EQ(x, -2.0f);
    EXPECT_EQ(y, 1.0f);
    double dx = 1.0, dy = 2.0;
    DSWPVAL(dx, dy);
    EXPECT_EQ(dx, 2.0);
    Complex c1(1.0f, 2.0f), c2(3.0f, 4.0f);
    CSWPVAL(c1, c2);
    EXPECT_EQ(c1, Complex(3.0f, 4.0f));
    EXPECT_EQ(c2, Complex(1.0f, 2.0f));
}

TEST(WordOps, FillupConvertsBothWays) {
    Int n[4] = {3, -7, 0, 2147483647};
    Real r[4] = {};
    FILLUP(n, r, 1, 4);
    EXPECT_EQ(r[0], 3.0f);
    EXPECT_EQ(r[1], -7.0f);
    EXPECT_EQ(r[3], 2147483648.0f);

    Real r2[5] = {-2.7f, 2.7f, -0.5f, 1e20f, -1e20f};
    Int n2[5] = {9, 9, 9, 9, 9};
    FILLUP(n2, r2, 0, 5);
    EXPECT_EQ((std::vector<Int>(n2, n2 + 5)), (std::vector<Int>{-2, 2, 0, 2147483647, -2147483647 - 1}));
    // Only NTOGO elements are touched.
    Int n3[3] = {9, 9, 9};
    FILLUP(n3, r2, -1, 2);
    EXPECT_EQ(n3[2], 9);
}

TEST(WordOps, ClearingStoresZeroWordsOverTheRanges) {
    FArray<Real, 4, 3> a;
    a.fill(-1.0f);
    CLEAR_2D(word_span(a), 4, 3, 2, 3, 2, 3);
    for (int j = 1; j <= 3; ++j)
        for (int i = 1; i <= 4; ++i) {
            const bool cleared = i >= 2 && i <= 3 && j >= 2;
            EXPECT_EQ(std::bit_cast<Int>(a(i, j)), cleared ? 0 : std::bit_cast<Int>(-1.0f)) << i << "," << j;
        }
    a.fill(-1.0f);
    CLEAR_2D(word_span(a), 4, 3, 3, 2, 1, 3);  // empty first range
    EXPECT_TRUE(std::all_of(a.begin(), a.end(), [](Real v) { return v == -1.0f; }));

    FArray<Int, 2, 3, 4> b;
    b.fill(7);
    CLEAR_3D(word_span(b), 2, 3, 4, 2, 2, 1, 2, 3, 4);
    for (int k = 1; k <= 4; ++k)
        for (int j = 1; j <= 3; ++j)
            for (int i = 1; i <= 2; ++i) EXPECT_EQ(b(i, j, k), (i == 2 && j <= 2 && k >= 3) ? 0 : 7);

    Int c[6] = {1, 2, 3, 4, 5, 6};
    CLEAR_1D(word_span(c), 6, 2, 5);
    EXPECT_EQ((std::vector<Int>(c, c + 6)), (std::vector<Int>{1, 0, 0, 0, 0, 6}));
    EXPECT_THROW(CLEAR_1D(word_span(c), 6, 0, 2), std::out_of_range);
    EXPECT_THROW(CLEAR_1D(word_span(c), 7, 1, 7), std::out_of_range);  // extent larger than the array
}

TEST(WordOps, ClampingOrder) {
    struct {
        Int n, max, maxchk, poschk;
    } cases[] = {{25, 20, 20, 20}, {-3, 20, 0, 1}, {0, 40, 0, 1}, {99, 40, 40, 40},
                 {5, 0, 0, 1},     {5, -4, 0, 1},  {7, 9, 7, 7}};
    for (const auto& c : cases) {
        Int n = c.n;
        MAXCHK(n, c.max);
        EXPECT_EQ(n, c.maxchk) << c.n << " " << c.max;
        n = c.n;
        POSCHK(n, c.max);
        EXPECT_EQ(n, c.poschk) << c.n << " " << c.max;
    }
}

TEST(WordOps, VrcvrtMovesTheWordUnchanged) {
    Real v = 0.0f;
    VRCVRT(std::bit_cast<Int>(4.95f), v);
    EXPECT_EQ(v, 4.95f);
    VRCVRT(5, v);  // an integer word is not converted
    EXPECT_EQ(std::bit_cast<Int>(v), 5);
}

}  // namespace
}  // namespace brevant

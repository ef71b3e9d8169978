// The vessel-motion record, the response results record and the member table: every name at its word
// with its type and shape (from the transcribed layout table), the primary members covering every word
// once, the views over the pool and over single words, the landmark words written out by hand, and
// the resets.
#include <gtest/gtest.h>

#include <bit>
#include <complex>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "records/motion_records_layout_table.h"
#include "records/motion_records_locators.h"

namespace brevant {
namespace {

using testing::kMotionRecordsLayout;
using testing::LayoutRow;

// Word k of a record read straight from its bytes (independent of the accessors under test).
template <class Rec>
std::uint32_t raw_word(const Rec& r, int k) {
    std::uint32_t v;
    std::memcpy(&v, image_bytes(r).data() + 4 * static_cast<std::size_t>(k - 1), 4);
    return v;
}
template <class Rec>
void put_raw_word(Rec& r, int k, std::uint32_t v) {
    std::memcpy(image_bytes(r).data() + 4 * static_cast<std::size_t>(k - 1), &v, 4);
}

class MotionRecords : public ::testing::Test {
protected:
    void SetUp() override { reset_all(); }
    void TearDown() override { reset_all(); }
    static void reset_all() {
        reset_himem();
        reset_pascom();
        reset_simcom();
    }
};

template <class Rec>
void check_locators(const std::string& view, const testing::Locator<Rec>* begin, const testing::Locator<Rec>* end,
                    Rec& rec) {
    std::map<std::string, const LayoutRow*> rows;
    for (const LayoutRow& r : kMotionRecordsLayout)
        if (r.view == view && r.kind != 'V') rows[r.name] = &r;
    std::set<std::string> seen;
    for (auto* l = begin; l != end; ++l) {
        SCOPED_TRACE(view + " " + l->name);
        auto it = rows.find(l->name);
        ASSERT_NE(it, rows.end()) << "a member with no row in the layout table";
        const LayoutRow& r = *it->second;
        const testing::Span s = l->locate(rec);
        EXPECT_EQ(s.first, 4u * static_cast<std::size_t>(r.first - 1)) << "first word";
        EXPECT_EQ(s.end, 4u * static_cast<std::size_t>(r.last)) << "last word";
        EXPECT_EQ(s.type, r.type == 'L' ? 'I' : r.type) << "element type";
        // The extents too: a transposed or flattened array keeps its words but not its indexing.
        if (s.shape != "?") {
            EXPECT_EQ(s.shape, r.dims) << "array shape";
        }
        seen.insert(l->name);
    }
    for (const auto& [name, row] : rows) EXPECT_TRUE(seen.count(name)) << view << " " << name << " has no member";
}

TEST_F(MotionRecords, EveryNameSitsAtItsWordWithItsType) {
    check_locators<Himem>("HIMEM", std::begin(testing::kHimemLocators), std::end(testing::kHimemLocators), HIMEM);
    check_locators<Pascom>("PASCOM", std::begin(testing::kPascomLocators), std::end(testing::kPascomLocators),
                           PASCOM);
    check_locators<Simcom>("SIMCOM", std::begin(testing::kSimcomLocators), std::end(testing::kSimcomLocators),
                           SIMCOM);
}

TEST_F(MotionRecords, PrimaryMembersCoverEveryWordExactlyOnce) {
    struct Extent {
        const char* view;
        int words;
        std::size_t bytes;
    };
    for (const Extent& e : {Extent{"HIMEM", 868245, sizeof(Himem)}, Extent{"PASCOM", 3624, sizeof(Pascom)},
                            Extent{"SIMCOM", 1957, sizeof(Simcom)}}) {
        SCOPED_TRACE(e.view);
        EXPECT_EQ(e.bytes, 4u * static_cast<std::size_t>(e.words));
        std::vector<int> count(static_cast<std::size_t>(e.words + 1), 0);
        for (const LayoutRow& r : kMotionRecordsLayout) {
            if (std::string(r.view) != e.view || r.kind != 'P') continue;
            ASSERT_GE(r.first, 1) << r.name;
            ASSERT_LE(r.last, e.words) << r.name;
            for (int w = r.first; w <= r.last; ++w) ++count[static_cast<std::size_t>(w)];
        }
        for (int w = 1; w <= e.words; ++w) ASSERT_EQ(count[static_cast<std::size_t>(w)], 1) << "word " << w;
    }
}

TEST_F(MotionRecords, SecondNamesSpanTheirTargetsWords) {
    std::map<std::string, const LayoutRow*> primary;
    for (const LayoutRow& r : kMotionRecordsLayout)
        if (r.kind == 'P') primary[std::string(r.view) + "/" + r.name] = &r;
    for (const LayoutRow& r : kMotionRecordsLayout) {
        if (r.kind != 'R' && r.kind != 'V') continue;
        SCOPED_TRACE(r.name);
        auto it = primary.find(std::string(r.view) + "/" + r.target);
        ASSERT_NE(it, primary.end());
        EXPECT_GE(r.first, it->second->first);
        EXPECT_LE(r.last, it->second->last);
    }
}

TEST_F(MotionRecords, IntegerViewsReadAndWriteTheirWords) {
    std::map<std::string, const LayoutRow*> rows;
    for (const LayoutRow& r : kMotionRecordsLayout)
        if (std::string(r.view) == "HIMEM" && r.kind == 'V') rows[r.name] = &r;
    std::set<std::string> seen;
    for (const auto& p : testing::kHimemProbes) {
        SCOPED_TRACE(p.name);
        auto it = rows.find(p.name);
        ASSERT_NE(it, rows.end());
        const LayoutRow& r = *it->second;
        reset_himem();
        p.set_first(HIMEM, 0x11223344);
        EXPECT_EQ(raw_word(HIMEM, r.first), 0x11223344u);
        EXPECT_EQ(p.get_first(HIMEM), 0x11223344);
        p.set_last(HIMEM, -7);
        EXPECT_EQ(raw_word(HIMEM, r.last), static_cast<std::uint32_t>(-7));
        EXPECT_EQ(p.get_last(HIMEM), -7);
        // Nothing else was touched (every word that is not zero).
        int changed = 0;
        for (std::byte b : image_bytes(HIMEM)) changed += b != std::byte{0};
        EXPECT_EQ(changed, 4);
        seen.insert(p.name);
    }
    for (const auto& [name, row] : rows) EXPECT_TRUE(seen.count(name)) << name << " has no accessor";
}

// Sizes and landmark words, written out by hand from the word orders rather than taken from the table.
TEST_F(MotionRecords, SizesAndLandmarkWords) {
    EXPECT_EQ(sizeof(Pascom), 4u * 3624);
    EXPECT_EQ(sizeof(Simcom), 4u * 1957);
    EXPECT_TRUE(std::is_standard_layout_v<Himem> && std::is_trivially_copyable_v<Himem>);
    EXPECT_TRUE(std::is_standard_layout_v<Pascom> && std::is_trivially_copyable_v<Pascom>);
    EXPECT_TRUE(std::is_standard_layout_v<Simcom> && std::is_trivially_copyable_v<Simcom>);
    struct Landmark {
        const char* name;
        std::size_t offset;
        int word;
    };
    const Landmark marks[] = {
        {"ROLARM", offsetof(Pascom, ROLARM), 31},
        {"WSGRMS", offsetof(Pascom, WSGRMS), 32},
        {"DELTA_DRAFT", offsetof(Pascom, DELTA_DRAFT), 137},
        {"QUASQUENCH", offsetof(Pascom, QUASQUENCH), 140},
        {"IPASDUM", offsetof(Pascom, IPASDUM), 142},
        {"PASDUM", offsetof(Pascom, PASDUM), 188},
        {"WMOON_X", offsetof(Pascom, WMOON_X), 237},
        {"RLRAO2", offsetof(Pascom, RLRAO2), 238},
        {"HRAO", offsetof(Pascom, HRAO), 1438},
        {"HOR_WAV_RAO", offsetof(Pascom, HOR_WAV_RAO), 1738},
        {"ANG_WAV_RAO", offsetof(Pascom, ANG_WAV_RAO), 2338},
        {"NETVESFRC_RMS", offsetof(Pascom, NETVESFRC_RMS), 2938},
        {"FLD_ANG_RAT", offsetof(Pascom, FLD_ANG_RAT), 3472},
        {"SWLBANDW2", offsetof(Pascom, SWLBANDW2), 3624},
        {"NPIERCE", offsetof(Simcom, NPIERCE), 1},
        {"LPIERCE", offsetof(Simcom, LPIERCE), 2},
        {"FRCCOF", offsetof(Simcom, FRCCOF), 452},
        {"GAMRL", offsetof(Simcom, GAMRL), 1355},
        {"EVKMT", offsetof(Himem, EVKMT), 121},
        {"BIGDUM", offsetof(Himem, BIGDUM), 122},
        {"IW", offsetof(Himem, IW), 165},
        {"CXDUM", offsetof(Himem, CXDUM), 19944},
    };
    for (const Landmark& m : marks) EXPECT_EQ(m.offset, 4u * static_cast<std::size_t>(m.word - 1)) << m.name;

    // Elements inside the arrays, by their indexing: a (100, 3) array of complex values is two words a
    // value, frequency fastest; DRGMCF(3, 50) is the last word of the member table.
    PASCOM.ANG_WAV_RAO(2, 3) = Complex(1.0f, -1.0f);
    const int at = 2338 + 2 * ((2 - 1) + 100 * (3 - 1));
    EXPECT_EQ(std::bit_cast<float>(raw_word(PASCOM, at)), 1.0f);
    EXPECT_EQ(std::bit_cast<float>(raw_word(PASCOM, at + 1)), -1.0f);
    PASCOM.RLRAO2(1, 1) = 3.0f;
    EXPECT_EQ(std::bit_cast<float>(raw_word(PASCOM, 238)), 3.0f);
    SIMCOM.DRGMCF(3, 50) = 4.0f;
    EXPECT_EQ(std::bit_cast<float>(raw_word(SIMCOM, 1957)), 4.0f);
    SIMCOM.FRCCOF(2, 3, 1) = 5.0f;  // row 2 of column 3 of member 1
    EXPECT_EQ(std::bit_cast<float>(raw_word(SIMCOM, 452 + 7)), 5.0f);
    HIMEM.INTGFL(500, 37) = 9;
    EXPECT_EQ(raw_word(HIMEM, 287 + 18499), 9u);
}

TEST_F(MotionRecords, PoolAsComplexAndAsReals) {
    HIMEM.CXDUM(7) = Complex(1.5f, -2.0f);
    EXPECT_EQ(HIMEM.RLDUM(13), 1.5f);
    EXPECT_EQ(HIMEM.RLDUM(14), -2.0f);
    HIMEM.RLDUM(1) = 0.25f;
    HIMEM.RLDUM(2) = 0.5f;
    EXPECT_EQ(HIMEM.CXDUM(1), Complex(0.25f, 0.5f));
    // The first real sits at the pool's first word, the last real just before LASTHI.
    EXPECT_EQ(std::bit_cast<float>(raw_word(HIMEM, 19944)), 0.25f);
    HIMEM.RLDUM(848301) = 6.0f;
    EXPECT_EQ(std::bit_cast<float>(raw_word(HIMEM, 868244)), 6.0f);
    EXPECT_EQ(HIMEM.CXDUM(424151).real(), 6.0f);
}

TEST_F(MotionRecords, RaoWindowsCoverTheFirstSixHundredComplexValues) {
    struct Window {
        const char* name;
        Complex& (*at)(int);
        int first;  // complex location of element 1
    };
    const Window windows[] = {
        {"SGRAO", [](int i) -> Complex& { return HIMEM.SGRAO(i); }, 1},
        {"SWRAO", [](int i) -> Complex& { return HIMEM.SWRAO(i); }, 101},
        {"HVRAO", [](int i) -> Complex& { return HIMEM.HVRAO(i); }, 201},
        {"RLRAO", [](int i) -> Complex& { return HIMEM.RLRAO(i); }, 301},
        {"PTRAO", [](int i) -> Complex& { return HIMEM.PTRAO(i); }, 401},
        {"YWRAO", [](int i) -> Complex& { return HIMEM.YWRAO(i); }, 501},
    };
    int j = 0;
    for (const Window& w : windows) {
        SCOPED_TRACE(w.name);
        ++j;
        for (int i : {1, 3, 100}) {
            EXPECT_EQ(&w.at(i), &HIMEM.CXDUM(w.first + i - 1));
            EXPECT_EQ(&HIMEM.SEARAO(i, j), &HIMEM.CXDUM(w.first + i - 1));
        }
    }
    HIMEM.CXDUM(203) = Complex(2.0f, 3.0f);
    EXPECT_EQ(HIMEM.HVRAO(3), Complex(2.0f, 3.0f));
    EXPECT_EQ(HIMEM.SEARAO().data(), &HIMEM.CXDUM(1));
    EXPECT_EQ(&HIMEM.SEARAO()[599], &HIMEM.CXDUM(600));
}

TEST_F(MotionRecords, LasthiIsTheImaginaryPartOfTheLastComplexValue) {
    HIMEM.set_LASTHI(0x3F800000);  // the bits of 1.0f
    EXPECT_EQ(HIMEM.CXDUM(424151), Complex(0.0f, 1.0f));
    HIMEM.CXDUM(424151) = Complex(0.0f, std::bit_cast<float>(0x12345678));
    EXPECT_EQ(HIMEM.LASTHI(), 0x12345678);
    EXPECT_EQ(raw_word(HIMEM, 868245), 0x12345678u);
}

TEST_F(MotionRecords, SecondNamesOfSingleWordsAndArrays) {
    HIMEM.HMAS0 = 1.0f;
    EXPECT_EQ(HIMEM.IHI(), 0x3F800000);
    HIMEM.set_IHI(5);
    EXPECT_EQ(raw_word(HIMEM, 1), 5u);
    HIMEM.RADIUS() = 12.5f;
    EXPECT_EQ(HIMEM.R, 12.5f);
    EXPECT_EQ(std::bit_cast<float>(raw_word(HIMEM, 44)), 12.5f);
    HIMEM.REDANG()(500) = 359.5f;
    EXPECT_EQ(HIMEM.RAOANG(500), 359.5f);
}

TEST_F(MotionRecords, ResetsPutEveryWordBackToZero) {
    HIMEM.HMAS0 = 1.0f;
    HIMEM.IW = 37;
    HIMEM.set_LASTHI(-1);
    PASCOM.CMSRG = 2.0f;
    PASCOM.QUASQUENCH = 1;
    PASCOM.SWLBANDW2 = 3.0f;
    SIMCOM.NPIERCE = 4;
    SIMCOM.DRGMCF(3, 50) = 5.0f;
    put_raw_word(HIMEM, 500000, 7u);

    reset_pascom();
    for (std::byte b : image_bytes(PASCOM)) ASSERT_EQ(b, std::byte{0});
    EXPECT_EQ(SIMCOM.NPIERCE, 4);  // each reset clears its own record only
    reset_simcom();
    for (std::byte b : image_bytes(SIMCOM)) ASSERT_EQ(b, std::byte{0});
    EXPECT_EQ(HIMEM.IW, 37);
    reset_himem();
    for (std::byte b : image_bytes(HIMEM)) ASSERT_EQ(b, std::byte{0});
}

}  // namespace
}  // namespace brevant

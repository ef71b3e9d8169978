// The data image and the coefficient image: every name at its word with its type and array shape
// (from the layout table), the primary members covering each word once, the second names and integer
// views, and the acceptance words of the layout.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "data_image_layout_table.h"
#include "data_image_locators.h"
#include "records/coefficient_image.h"
#include "records/data_image.h"

namespace brevant {
namespace {

using testing::kImageLayout;
using testing::LayoutRow;

// Word k of a record read straight from its bytes (independent of the accessors under test).
template <class Rec>
std::uint32_t raw_word(const Rec& r, int k) {
    std::uint32_t v;
    std::memcpy(&v, image_bytes(r).data() + 4 * static_cast<std::size_t>(k - 1), 4);
    return v;
}

int view_base(const std::string& view) {
    if (view == "SALM") return 1988;
    if (view == "CAT7" || view == "CAT8") return 78636;
    return 1;
}

class DataImage : public ::testing::Test {
protected:
    void SetUp() override { reset_images(); }
    void TearDown() override { reset_images(); }
};

template <class Rec>
void check_locators(const std::string& view, const testing::Locator<Rec>* begin, const testing::Locator<Rec>* end,
                    Rec& rec) {
    std::map<std::string, const LayoutRow*> rows;
    for (const LayoutRow& r : kImageLayout)
        if (r.view == view && r.kind != 'V') rows[r.name] = &r;
    std::set<std::string> seen;
    for (auto* l = begin; l != end; ++l) {
        SCOPED_TRACE(std::string(view) + " " + l->name);
        auto it = rows.find(l->name);
        ASSERT_NE(it, rows.end()) << "a member with no row in the layout table";
        const LayoutRow& r = *it->second;
        const testing::Span s = l->locate(rec);
        const int base = view_base(view);
        EXPECT_EQ(s.first, 4u * static_cast<std::size_t>(r.first - base)) << "first word";
        EXPECT_EQ(s.end, 4u * static_cast<std::size_t>(r.last - base + 1)) << "last word";
        const char want = r.kind == 'F' ? 'I' : (r.type == 'L' ? 'I' : r.type);
        EXPECT_EQ(s.type, want) << "element type";
        // The extents too: a transposed or flattened array keeps its words but not its indexing.
        if (s.shape != "?") {
            EXPECT_EQ(s.shape, r.dims) << "array shape";
        }
        seen.insert(l->name);
    }
    for (const auto& [name, row] : rows) EXPECT_TRUE(seen.count(name)) << view << " " << name << " has no member";
}

TEST_F(DataImage, EveryNameSitsAtItsWordWithItsType) {
    check_locators<Tpcm>("TPCM", std::begin(testing::kTpcmLocators), std::end(testing::kTpcmLocators), TPCM);
    static SalmView salm{};
    check_locators<SalmView>("SALM", std::begin(testing::kSalmViewLocators), std::end(testing::kSalmViewLocators),
                             salm);
    static CatenaryView7 cat7{};
    check_locators<CatenaryView7>("CAT7", std::begin(testing::kCatenaryView7Locators),
                                  std::end(testing::kCatenaryView7Locators), cat7);
    static CatenaryView8 cat8{};
    check_locators<CatenaryView8>("CAT8", std::begin(testing::kCatenaryView8Locators),
                                  std::end(testing::kCatenaryView8Locators), cat8);
    check_locators<Lowcof>("LOWCOF", std::begin(testing::kLowcofLocators), std::end(testing::kLowcofLocators),
                           LOWCOF);
}

TEST_F(DataImage, PrimaryMembersCoverEveryWordExactlyOnce) {
    struct Extent {
        const char* view;
        int first, last;
    };
    for (const Extent& e : {Extent{"TPCM", 1, 79676}, Extent{"SALM", 1988, 4975},
                           Extent{"CAT7", 78636, 79675}, Extent{"CAT8", 78636, 79675}, Extent{"LOWCOF", 1, 680}}) {
        std::vector<int> count(static_cast<std::size_t>(e.last + 1), 0);
        for (const LayoutRow& r : kImageLayout) {
            if (std::string(r.view) != e.view || (r.kind != 'P' && r.kind != 'F')) continue;
            ASSERT_GE(r.first, e.first) << r.name;
            ASSERT_LE(r.last, e.last) << r.name;
            for (int w = r.first; w <= r.last; ++w) ++count[static_cast<std::size_t>(w)];
        }
        for (int w = e.first; w <= e.last; ++w)
            ASSERT_EQ(count[static_cast<std::size_t>(w)], 1) << e.view << " word " << w;
    }
}

TEST_F(DataImage, SecondNamesSpanTheirTargetsWords) {
    std::map<std::string, const LayoutRow*> primary;
    for (const LayoutRow& r : kImageLayout)
        if (r.kind == 'P') primary[std::string(r.view) + "/" + r.name] = &r;
    for (const LayoutRow& r : kImageLayout) {
        if (r.kind != 'R' && !(r.kind == 'V' && *r.target)) continue;
        SCOPED_TRACE(r.name);
        // A second name may run over several members in a row ("XMCTR,YMCTR,ZMCTR").
        int first = 0, last = 0;
        std::string targets = r.target;
        for (std::size_t at = 0; at <= targets.size();) {
            const std::size_t comma = std::min(targets.find(',', at), targets.size());
            auto it = primary.find(std::string(r.view) + "/" + targets.substr(at, comma - at));
            ASSERT_NE(it, primary.end()) << targets.substr(at, comma - at);
            if (at == 0) first = it->second->first;
            else EXPECT_EQ(it->second->first, last + 1) << "targets not in a row";
            last = it->second->last;
            at = comma + 1;
        }
        EXPECT_GE(r.first, first);
        EXPECT_LE(r.last, last);
    }
}

template <class Rec>
void check_probes(const std::string& view, const testing::Probe<Rec>* begin, const testing::Probe<Rec>* end,
                  Rec& rec) {
    std::map<std::string, const LayoutRow*> rows;
    for (const LayoutRow& r : kImageLayout)
        if (r.view == view && r.kind == 'V') rows[r.name] = &r;
    std::set<std::string> seen;
    for (auto* p = begin; p != end; ++p) {
        SCOPED_TRACE(p->name);
        auto it = rows.find(p->name);
        ASSERT_NE(it, rows.end());
        const LayoutRow& r = *it->second;
        std::ranges::fill(image_bytes(rec), std::byte{0});
        p->set_first(rec, 0x11223344);
        EXPECT_EQ(raw_word(rec, r.first), 0x11223344u);
        EXPECT_EQ(p->get_first(rec), 0x11223344);
        p->set_last(rec, -7);
        EXPECT_EQ(raw_word(rec, r.last), static_cast<std::uint32_t>(-7));
        EXPECT_EQ(p->get_last(rec), -7);
        // Nothing else was touched.
        int changed = 0;
        for (int k = 1; k <= static_cast<int>(sizeof(Rec) / 4); ++k) changed += raw_word(rec, k) != 0;
        EXPECT_EQ(changed, r.first == r.last ? 1 : 2);
        seen.insert(p->name);
    }
    for (const auto& [name, row] : rows) EXPECT_TRUE(seen.count(name)) << name << " has no accessor";
}

TEST_F(DataImage, IntegerViewsReadAndWriteTheirWords) {
    check_probes<Tpcm>("TPCM", std::begin(testing::kTpcmProbes), std::end(testing::kTpcmProbes), TPCM);
    check_probes<Lowcof>("LOWCOF", std::begin(testing::kLowcofProbes), std::end(testing::kLowcofProbes), LOWCOF);
}

// Sizes and the landmark words, written out by hand from the layout rather than taken from the table.
TEST_F(DataImage, SizesAndLandmarkWords) {
    EXPECT_EQ(sizeof(Tpcm), 318704u);
    EXPECT_EQ(sizeof(Lowcof), 2720u);
    EXPECT_TRUE(std::is_standard_layout_v<Tpcm> && std::is_trivially_copyable_v<Tpcm>);
    EXPECT_TRUE(std::is_standard_layout_v<Lowcof> && std::is_trivially_copyable_v<Lowcof>);
    struct Landmark {
        std::size_t offset;
        int word;
    };
    const Landmark marks[] = {
        {offsetof(Tpcm, VERNO), 217},         {offsetof(Tpcm, LBACK), 700},
        {offsetof(Tpcm, SEMI_LIKE), 791},     {offsetof(Tpcm, TOPCOM_LAST), 1987},
        {offsetof(Tpcm, BVSTYP), 2011},       {offsetof(Tpcm, NCYL), 3661},
        {offsetof(Tpcm, SEMCOM_LAST), 4975},  {offsetof(Tpcm, MORCOM_LAST), 78635},
        {offsetof(Tpcm, LAST_CATNCOM), 79676}, {offsetof(Tpcm, EDUNIT), 703},
        {offsetof(Tpcm, DAT_ID), 15},         {offsetof(Tpcm, CMPUTR), 121},
        {offsetof(Tpcm, NTAB), 1915},         {offsetof(Tpcm, SCOMP), 28582},
        {offsetof(Tpcm, BOTFRC), 78236},      {offsetof(Lowcof, UCRANG), 89},
        {offsetof(Lowcof, BUWNPT), 341},      {offsetof(Lowcof, BQQCZ), 660},
    };
    for (const Landmark& m : marks) EXPECT_EQ(m.offset, 4u * static_cast<std::size_t>(m.word - 1)) << m.word;
}

TEST_F(DataImage, BrvhdgIsSeahdgFromItsSecondElement) {
    TPCM.BRVHDG(1) = 45.0f;
    EXPECT_EQ(TPCM.SEAHDG(2), 45.0f);
    TPCM.SEAHDG(40) = -10.0f;
    EXPECT_EQ(TPCM.BRVHDG(39), -10.0f);
    EXPECT_EQ(TPCM.SEAHDG(1), 0.0f);
    TPCM.BRV_PD_MIN() = 35.0f;
    EXPECT_EQ(std::bit_cast<float>(raw_word(TPCM, 498)), 35.0f);
    TPCM.CREATR() = 16;
    EXPECT_EQ(TPCM.SIMTYP, 16);
}

TEST_F(DataImage, IdentificationTextSitsInMemoryOrder) {
    TPCM.CID1P.assign("ABCD");
    const auto bytes = image_bytes(TPCM);
    const std::size_t w60 = 4 * 59;
    EXPECT_EQ(static_cast<char>(bytes[w60]), 'A');
    EXPECT_EQ(static_cast<char>(bytes[w60 + 1]), 'B');
    EXPECT_EQ(static_cast<char>(bytes[w60 + 2]), 'C');
    EXPECT_EQ(static_cast<char>(bytes[w60 + 3]), 'D');
    EXPECT_EQ(static_cast<char>(bytes[w60 + 4]), ' ');  // blank-padded to 80 characters
    EXPECT_EQ(std::string(TPCM.CID1(1).data(), 4), "ABCD");
    // The integer view of the same word holds the four characters as they stand in memory.
    Int expect;
    std::memcpy(&expect, "ABCD", 4);
    EXPECT_EQ(TPCM.IDENT1(1), expect);
    TPCM.CID2(20)[3] = 'Z';
    EXPECT_EQ(TPCM.CID2P[79], 'Z');
    TPCM.CVERSN.assign("4.91");
    std::memcpy(&expect, "4.91", 4);
    EXPECT_EQ(TPCM.IVERSN(), expect);
}

TEST_F(DataImage, SalmViewSharesTheSemiSubBlock) {
    TPCM.BNACC = 123;
    TPCM.SEMCOM_LAST = 2.5f;
    SalmView s = TPCM.salm_view();
    EXPECT_EQ(s.LODFRE_SLM, 123);
    EXPECT_EQ(s.SEMFIL(2338), std::bit_cast<Int>(2.5f));
    s.LPERCN = 9;     // word 2637
    s.SLEN(1) = 7.0f;  // word 2093
    TPCM.set_salm_view(s);
    EXPECT_EQ(raw_word(TPCM, 2637), 9u);
    EXPECT_EQ(std::bit_cast<float>(raw_word(TPCM, 2093)), 7.0f);
    EXPECT_EQ(raw_word(TPCM, 1987), 0u);  // nothing outside words 1988-4975
    EXPECT_EQ(raw_word(TPCM, 4976), 0u);
}

TEST_F(DataImage, CatenaryViewsShareTheCatenarySubBlock) {
    set_image_word(TPCM, 78776, std::bit_cast<Int>(1.5f));
    set_image_word(TPCM, 79675, 77);
    const CatenaryView7 s7 = TPCM.catenary_view7();
    EXPECT_EQ(s7.OFFL(1, 1), 1.5f);
    EXPECT_EQ(s7.spare_79176[499], 77);
    CatenaryView8 s8 = TPCM.catenary_view8();
    EXPECT_EQ(s8.spare_78636[140], std::bit_cast<Int>(1.5f));  // the same word, another layout
    s8.RCTOFF(50) = 4.0f;  // word 79576
    s8.XINIT = 3.0f;       // word 78928
    TPCM.set_catenary_view8(s8);
    EXPECT_EQ(std::bit_cast<float>(raw_word(TPCM, 79576)), 4.0f);
    EXPECT_EQ(std::bit_cast<float>(raw_word(TPCM, 78928)), 3.0f);
    CatenaryView7 back = TPCM.catenary_view7();
    back.OFFL(50, 8) = 2.0f;  // word 79175
    TPCM.set_catenary_view7(back);
    EXPECT_EQ(std::bit_cast<float>(raw_word(TPCM, 79175)), 2.0f);
    EXPECT_EQ(raw_word(TPCM, 78635), 0u);  // nothing outside words 78636-79675
    EXPECT_EQ(raw_word(TPCM, 79676), 0u);
}

TEST_F(DataImage, CoefficientTablesAsColumnsAndWords) {
    LOWCOF.UWNCZ(21) = 1.5f;
    EXPECT_EQ(LOWCOF.UWNCFS(21, 3), 1.5f);
    EXPECT_EQ(std::bit_cast<float>(raw_word(LOWCOF, 88)), 1.5f);
    LOWCOF.UCRCX(1) = 2.0f;
    EXPECT_EQ(std::bit_cast<float>(raw_word(LOWCOF, 110)), 2.0f);
    LOWCOF.NUQQPT = 21;
    EXPECT_EQ(LOWCOF.ILOWCF(4), 21);
}

TEST_F(DataImage, MooringWordsAndSegmentNames) {
    TPCM.LIN_DUM(152) = 5;  // line 2, row 1 of LINTYP(151,150)
    EXPECT_EQ(TPCM.LINTYP(1, 2), 5);
    TPCM.DOHINGE() = 1;
    EXPECT_EQ(raw_word(TPCM, 5018), 1u);
    // SCOMP(IELEM, ITYP) lies (ITYP - 1) x 25 + (IELEM - 1) names from word 28582, two words a name.
    TPCM.SCOMP(2, 3).assign("CHAIN");
    const std::size_t at = 4 * (28582 - 1) + 8 * ((3 - 1) * 25 + (2 - 1));
    EXPECT_EQ(std::memcmp(image_bytes(TPCM).data() + at, "CHAIN   ", 8), 0);
    TPCM.COFMST(25, 150) = 3.0f;
    EXPECT_EQ(std::bit_cast<float>(raw_word(TPCM, 66681)), 3.0f);
    TPCM.ALPHA(3, 25, 150) = 4.0f;
    EXPECT_EQ(std::bit_cast<float>(raw_word(TPCM, 58581)), 4.0f);
}

// The options of the line solver that no layout places sit in the spare words after the semi block;
// RMCTRG is the second name of XMCTR..ZMCTR, not of RMCTR.
TEST_F(DataImage, LineSolverOptionsAndMomentCentre) {
    const struct {
        Int* member;
        int word;
    } options[] = {{&TPCM.PULLDN, 4976}, {&TPCM.NLWVFG, 4977}, {&TPCM.QSFLAG2, 4978},
                   {&TPCM.INRLFG, 4979}, {&TPCM.NEXCLD_I, 4980}};
    for (const auto& o : options) {
        *o.member = o.word;
        EXPECT_EQ(raw_word(TPCM, o.word), static_cast<std::uint32_t>(o.word));
    }
    EXPECT_EQ(raw_word(TPCM, 4981), 0u);
    EXPECT_EQ(raw_word(TPCM, 4983), 0u);  // LOWMOT untouched
    EXPECT_EQ(&TPCM.RMCTRG(1), &TPCM.XMCTR);
    EXPECT_EQ(&TPCM.RMCTRG(2), &TPCM.YMCTR);
    EXPECT_EQ(&TPCM.RMCTRG(3), &TPCM.ZMCTR);
    TPCM.RMCTRG(3) = 12.5f;
    EXPECT_EQ(std::bit_cast<float>(raw_word(TPCM, 78392)), 12.5f);
    EXPECT_EQ(TPCM.RMCTR(3), 0.0f);
}

TEST_F(DataImage, ResetPutsEveryWordBackToZero) {
    TPCM.NTOGO = 4975;
    TPCM.LAST_CATNCOM = 1;
    LOWCOF.BQQCZ(21) = 1.0f;
    reset_images();
    for (std::byte b : image_bytes(TPCM)) ASSERT_EQ(b, std::byte{0});
    for (std::byte b : image_bytes(LOWCOF)) ASSERT_EQ(b, std::byte{0});
}

}  // namespace
}  // namespace brevant

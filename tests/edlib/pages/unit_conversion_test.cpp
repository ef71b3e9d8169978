// The whole-case unit conversion: its word table against the layout of the image, the factors,
// chosen words converted towards metric and English, the blocks each creating type converts, every
// other word left as it was, and the round trip.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "records/data_image_layout_table.h"
#include "edlib/pages/unit_conversion.h"
#include "records/data_image.h"
#include "test_support.h"

namespace brevant {
namespace {

// The base factors as the conversion defines them, and the unit sizes they stand for.
constexpr double kFoot = 0.3048;           // m
constexpr double kPoundForce = 0.45359248;  // kgf as the program states it (single precision)
constexpr double kInchMm = 25.400051;       // mm, the reciprocal of 0.03937

float real_at(Int k) { return std::bit_cast<float>(image_word(TPCM, k)); }
void set_real_at(Int k, float x) { set_image_word(TPCM, k, std::bit_cast<Int>(x)); }

const char* view_of(Converter c) {
    switch (c) {
        case Converter::SLMCVRT: return "SALM";
        case Converter::CATCVRT: return "CAT8";
        case Converter::STMCVRT: return "CAT7";
        default: return "TPCM";
    }
}

// The image words of the rows of one converter.
std::set<Int> words_of(Converter c) {
    std::set<Int> words;
    for (const ConversionRow& row : conversion_table())
        if (row.converter == c)
            for (Int k = row.first; k < row.first + row.count; ++k) words.insert(k);
    return words;
}

class UnitConversionTest : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_tpcm();
    }
    void TearDown() override {
        reset_tpcm();
        ConsoleTest::TearDown();
    }
};

TEST_F(UnitConversionTest, EveryRowNamesTheWordsOfItsMember) {
    std::map<std::string, const testing::LayoutRow*> layout;
    for (const testing::LayoutRow& r : testing::kImageLayout)
        if (r.kind == 'P') layout[std::string(r.view) + "/" + r.name] = &r;
    for (const ConversionRow& row : conversion_table()) {
        const std::string key = std::string(view_of(row.converter)) + "/" + row.name;
        SCOPED_TRACE(key);
        auto it = layout.find(key);
        ASSERT_NE(it, layout.end()) << "no member of that name in its view";
        const testing::LayoutRow& member = *it->second;
        EXPECT_EQ(row.first, member.first);
        // Arrays are converted over their whole declared size.
        EXPECT_EQ(row.count, member.last - member.first + 1);
        EXPECT_EQ(member.type, 'R') << "only reals carry units";
    }
}

TEST_F(UnitConversionTest, NoWordHasTwoRowsInOneLayout) {
    // The top, vessel, member-table and mooring rows share the names of TPCM; each view has its own.
    const std::vector<std::vector<Converter>> layouts = {
        {Converter::TOPCVRT, Converter::VESCVRT, Converter::SEMCVRT, Converter::MORCVRT},
        {Converter::SLMCVRT},
        {Converter::CATCVRT},
        {Converter::STMCVRT},
    };
    for (const auto& group : layouts) {
        std::map<Int, const char*> owner;
        for (const ConversionRow& row : conversion_table()) {
            bool in_group = false;
            for (Converter c : group) in_group = in_group || row.converter == c;
            if (!in_group) continue;
            for (Int k = row.first; k < row.first + row.count; ++k) {
                auto [it, fresh] = owner.emplace(k, row.name);
                EXPECT_TRUE(fresh) << "word " << k << " in " << it->second << " and " << row.name;
            }
        }
    }
}

TEST_F(UnitConversionTest, FactorsTowardsEachSystem) {
    const ConversionFactors m = conversion_factors(true);
    EXPECT_EQ(m.LENCV, 0.3048f);
    EXPECT_EQ(m.FRCCV, 0.45359248f);
    EXPECT_EQ(m.LENCVS, 25.400051f);
    EXPECT_EQ(m.FDENCV, 16.018467f);  // not the relabelling factor 16.0185
    EXPECT_FLOAT_EQ(m.FDENCV, static_cast<float>(kPoundForce / (kFoot * kFoot * kFoot)));
    EXPECT_FLOAT_EQ(m.VOLCV, static_cast<float>(kFoot * kFoot * kFoot));
    EXPECT_FLOAT_EQ(m.MMOMCV, static_cast<float>(kPoundForce * kFoot));
    EXPECT_FLOAT_EQ(m.LSPRCV, static_cast<float>(kPoundForce / kFoot));
    EXPECT_EQ(m.KSPRCV, m.FRCCV);
    EXPECT_EQ(m.SPECCV, m.AREACV);

    const ConversionFactors e = conversion_factors(false);
    EXPECT_EQ(e.LENCV, 3.28084f);
    EXPECT_EQ(e.FRCCV, 2.204622f);
    EXPECT_EQ(e.LENCVS, 0.03937f);
    EXPECT_EQ(e.FDENCV, 0.062427945f);
    EXPECT_EQ(e.AREACV, e.LENCV * e.LENCV);
    EXPECT_FLOAT_EQ(e.FMOMCV, static_cast<float>(2.204622 * 3.28084));
}

struct WordCase {
    const char* what;
    Int SIMTYP;
    Int LSLPHT;
    Int LODTYP;
    Int word;
    float start;
    float expected;
};

void PrintTo(const WordCase& c, std::ostream* os) { *os << c.what; }

class TowardsMetricTest : public UnitConversionTest, public ::testing::WithParamInterface<WordCase> {};

TEST_P(TowardsMetricTest, ConvertsTheWordByItsFactor) {
    const WordCase& c = GetParam();
    TPCM.NUNTS = 0;
    TPCM.SIMTYP = c.SIMTYP;
    TPCM.LSLPHT = c.LSLPHT;
    TPCM.LODTYP = c.LODTYP;
    set_real_at(c.word, c.start);
    convert_whole_case();
    EXPECT_EQ(TPCM.NUNTS, 1);
    EXPECT_FLOAT_EQ(real_at(c.word), c.expected);
}

constexpr float f(double x) { return static_cast<float>(x); }

INSTANTIATE_TEST_SUITE_P(
    Words, TowardsMetricTest,
    ::testing::Values(
        WordCase{"DEPTH by the foot", 16, 0, 0, 446, 250.0f, 76.2000046f},
        WordCase{"DWATR by FDENCV", 16, 0, 0, 447, 62.44f, 1000.19305f},
        WordCase{"AUXTRQ(1) by the force factor", 16, 0, 0, 1776, 2.0f, 0.907185f},
        WordCase{"AUXTRQ(90)", 16, 0, 0, 1865, 2.0f, 0.907185f},
        WordCase{"SLPHT as a height", 16, 0, 0, 448, 10.0f, f(10 * kFoot)},
        WordCase{"SLPHT as a slope", 16, 1, 0, 448, 10.0f, 10.0f},
        WordCase{"SWELHT2 as SWELHT", 16, 0, 0, 491, 10.0f, f(10 * kFoot)},
        WordCase{"USRPSD(100) by the area", 16, 0, 0, 317, 1.0f, 0.09290304f},
        WordCase{"WNDSPD stays in knots", 16, 0, 0, 455, 30.0f, 30.0f},
        WordCase{"T(1) is a period", 16, 0, 0, 318, 5.0f, 5.0f},
        WordCase{"DISPL by the force", 16, 0, 0, 1409, 1.0f, 0.45359248f},
        WordCase{"RACC(3,149), the last point", 16, 0, 0, 1351, 1.0f, 0.3048f},
        WordCase{"TLP_TENSION", 16, 0, 0, 483, 1.0f, 0.45359248f},
        WordCase{"SPECF1 by the force twice", 16, 0, 0, 1460, 1.0f, f(kPoundForce * kPoundForce)},
        WordCase{"SPECM3 by the moment twice", 16, 0, 0, 1489, 1.0f,
                 f((kPoundForce * kFoot) * (kPoundForce * kFoot))},
        WordCase{"PTK by force per length", 16, 0, 0, 1381, 1.0f, f(kPoundForce / kFoot)},
        WordCase{"XAREA(50) of this program's member table", 16, 0, 0, 4025, 1.0f, 0.09290304f},
        WordCase{"DIAMS(3,50)", 3, 0, 0, 4175, 1.0f, 0.3048f},
        WordCase{"HTENS left with LODTYP 0", 12, 0, 0, 62332, 100.0f, 100.0f},
        WordCase{"HTENS(150) a length with LODTYP 1", 12, 0, 1, 62481, 100.0f, f(100 * kFoot)},
        WordCase{"HTENS a force with LODTYP 3", 12, 0, 3, 62332, 100.0f, f(100 * kPoundForce)},
        WordCase{"HTENS times 1.0 with LODTYP 4", 12, 0, 4, 62332, 100.0f, 100.0f},
        WordCase{"DIAM in millimeters", 12, 0, 0, 39832, 1.0f, 25.400051f},
        WordCase{"WETWT per unit length", 14, 0, 0, 43582, 1.0f, f(kPoundForce / kFoot)},
        WordCase{"DRYWT(25,150)", 17, 0, 0, 74181, 1.0f, f(kPoundForce / kFoot)},
        WordCase{"ALPHA a1", 15, 0, 0, 47332, 1.0f, f(1 / kPoundForce)},
        WordCase{"ALPHA a2", 15, 0, 0, 47333, 1.0f, f(1 / (kPoundForce * kPoundForce))},
        WordCase{"ALPHA(3,25,150) a3", 15, 0, 0, 58581, 1.0f, f(1 / (kPoundForce * kPoundForce * kPoundForce))},
        WordCase{"CLUMP(12)", 12, 0, 0, 78416, 1.0f, 0.45359248f},
        WordCase{"SALM TMASS(40)", 11, 0, 0, 2252, 1.0f, 0.45359248f},
        WordCase{"SALM BUOY by the volume", 11, 0, 0, 2133, 1.0f, f(kFoot * kFoot * kFoot)},
        WordCase{"type-7 OFFL(50,8)", 7, 0, 0, 79175, 10.0f, f(10 * kFoot)},
        WordCase{"type-8 TRQOFF by MMOMCV", 8, 0, 0, 79447, 1.0f, f(kPoundForce * kFoot)},
        WordCase{"type-8 RCTOFF(50)", 8, 0, 0, 79576, 1.0f, 0.3048f}));

TEST_F(UnitConversionTest, TowardsEnglish) {
    TPCM.NUNTS = 1;
    TPCM.SIMTYP = 16;
    TPCM.DEPTH = 76.2f;
    TPCM.DWATR = 1000.0f;
    TPCM.DRAFT = 10.0f;
    convert_whole_case();
    EXPECT_EQ(TPCM.NUNTS, 0);
    EXPECT_EQ(TPCM.DEPTH, 76.2f * 3.28084f);
    EXPECT_EQ(TPCM.DWATR, 1000.0f * 0.062427945f);
    EXPECT_EQ(TPCM.DRAFT, 10.0f * 3.28084f);
}

TEST_F(UnitConversionTest, OnlyAUnitFlagOfOneIsMetricForTheTypeSevenView) {
    struct Case {
        Int NUNTS;
        float catenary;  // STMCVRT
        float vessel;    // VESCVRT: anything but 0 is metric
    };
    for (const Case& c : {Case{1, 0.3048f, 0.3048f}, Case{0, 3.28084f, 3.28084f}, Case{2, 3.28084f, 0.3048f},
                          Case{-1, 3.28084f, 0.3048f}}) {
        reset_tpcm();
        TPCM.NUNTS = c.NUNTS;
        set_real_at(78776, 1.0f);
        TPCM.DRAFT = 1.0f;
        STMCVRT();
        VESCVRT();
        EXPECT_EQ(real_at(78776), c.catenary) << c.NUNTS;
        EXPECT_EQ(TPCM.DRAFT, c.vessel) << c.NUNTS;
    }
}

// The blocks beyond the top block and the vessel record that each creating type converts.
struct Dispatch {
    std::vector<Int> types;
    std::vector<Converter> blocks;
    bool second_vessel;
};
const std::vector<Dispatch> kDispatch = {
    {{3}, {Converter::SEMCVRT}, false},
    {{7}, {Converter::MORCVRT, Converter::STMCVRT}, false},
    {{8}, {Converter::MORCVRT, Converter::CATCVRT}, false},
    {{10, 13}, {Converter::SEMCVRT, Converter::MORCVRT}, true},
    {{11}, {Converter::SLMCVRT}, false},
    {{12, 14, 15, 17}, {Converter::SEMCVRT, Converter::MORCVRT}, false},
    {{16}, {Converter::SEMCVRT}, false},
    {{1, 2, 4, 5, 6, 9}, {}, false},
};

TEST_F(UnitConversionTest, EachCreatingTypeConvertsItsBlocks) {
    // One word of each block that no other block converts.
    struct Probe {
        const char* block;
        Int word;
        Converter converter;
        bool second_vessel;
    };
    const Probe probes[] = {
        {"member table (RCYLB)", 3676, Converter::SEMCVRT, false},
        {"SALM view (BUOY)", 2133, Converter::SLMCVRT, false},
        {"second vessel record (DISPL)", 1409 + (1988 - 754), Converter::TOPCVRT, true},
        {"mooring block (DIAM)", 39832, Converter::MORCVRT, false},
        {"type-7 view (OFFL)", 78776, Converter::STMCVRT, false},
        {"type-8 view (RCTOFF)", 79527, Converter::CATCVRT, false},
    };
    for (const Dispatch& d : kDispatch) {
        for (Int type : d.types) {
            reset_tpcm();
            TPCM.SIMTYP = type;
            for (const Probe& p : probes) set_real_at(p.word, 2.0f);
            TPCM.DEPTH = 2.0f;
            TPCM.DRAFT = 2.0f;
            convert_whole_case();
            EXPECT_NE(TPCM.DEPTH, 2.0f) << type;
            EXPECT_NE(TPCM.DRAFT, 2.0f) << type;
            for (const Probe& p : probes) {
                bool expected = p.second_vessel && d.second_vessel;
                for (Converter c : d.blocks) expected = expected || (!p.second_vessel && c == p.converter);
                EXPECT_EQ(real_at(p.word) != 2.0f, expected) << "type " << type << ", " << p.block;
            }
        }
    }
}

// An image of random bits, with the control words that steer the conversion set.
std::vector<std::uint32_t> random_image(Int SIMTYP, unsigned seed) {
    std::mt19937 gen(seed);
    std::uniform_real_distribution<float> value(0.01f, 1.0e5f);
    for (Int k = 1; k <= kTpcmWords; ++k) set_image_word(TPCM, k, static_cast<Int>(gen()));
    // Converted words hold ordinary positive reals, so every one of them must change.
    for (const ConversionRow& row : conversion_table())
        for (Int k = row.first; k < row.first + row.count; ++k) set_real_at(k, value(gen));
    // The second vessel record holds reals where the first one does.
    for (Int k : words_of(Converter::VESCVRT))
        if (k >= 754 && k <= 1666) set_real_at(k + (1988 - 754), value(gen));
    TPCM.SIMTYP = SIMTYP;
    TPCM.NUNTS = 0;
    TPCM.LSLPHT = 0;
    TPCM.LODTYP = 2;
    std::vector<std::uint32_t> words(static_cast<std::size_t>(kTpcmWords) + 1);
    for (Int k = 1; k <= kTpcmWords; ++k) words[static_cast<std::size_t>(k)] = static_cast<std::uint32_t>(image_word(TPCM, k));
    return words;
}

// The words a full conversion of the type must change: the unit flag and the rows of its blocks.
std::set<Int> expected_changes(const Dispatch& d) {
    std::set<Int> words = words_of(Converter::TOPCVRT);
    for (Int k : words_of(Converter::VESCVRT)) {
        words.insert(k);
        if (d.second_vessel && k >= 754 && k <= 1666) words.insert(k + (1988 - 754));
    }
    for (Converter c : d.blocks)
        for (Int k : words_of(c)) words.insert(k);
    words.insert(117);  // NUNTS
    return words;
}

TEST_F(UnitConversionTest, WordsOutsideTheTablesKeepTheirBits) {
    for (const Dispatch& d : kDispatch) {
        for (Int type : d.types) {
            const std::vector<std::uint32_t> start = random_image(type, 1234u + static_cast<unsigned>(type));
            convert_whole_case();
            const std::set<Int> expected = expected_changes(d);
            std::vector<Int> wrong;
            for (Int k = 1; k <= kTpcmWords; ++k) {
                const bool changed = static_cast<std::uint32_t>(image_word(TPCM, k)) != start[static_cast<std::size_t>(k)];
                if (changed != (expected.count(k) != 0)) wrong.push_back(k);
            }
            EXPECT_TRUE(wrong.empty()) << "type " << type << ": " << wrong.size() << " words, first " << wrong.front();
        }
    }
}

// One unit in the last place between two positive reals.
std::int64_t ulps(float a, float b) {
    return std::abs(static_cast<std::int64_t>(std::bit_cast<std::int32_t>(a)) - std::bit_cast<std::int32_t>(b));
}

TEST_F(UnitConversionTest, MetricAndBackReturnsEveryWordWithinTwoUlp) {
    for (const Dispatch& d : kDispatch) {
        const Int type = d.types.front();
        const std::vector<std::uint32_t> start = random_image(type, 99u + static_cast<unsigned>(type));
        convert_whole_case();
        EXPECT_EQ(TPCM.NUNTS, 1);
        convert_whole_case();
        EXPECT_EQ(TPCM.NUNTS, 0);
        // A word converted twice or only one way would be far off.
        for (Int k : expected_changes(d)) {
            if (k == 117) continue;
            const float before = std::bit_cast<float>(start[static_cast<std::size_t>(k)]);
            EXPECT_LE(ulps(real_at(k), before), 2) << "type " << type << ", word " << k;
        }
    }
}

TEST_F(UnitConversionTest, BothVesselRecordsAreConvertedOnce) {
    for (Int type : {10, 13}) {
        reset_tpcm();
        TPCM.SIMTYP = type;
        TPCM.DISPL = 100.0f;
        TPCM.BDISPL = 200.0f;
        TPCM.TLP_TENSION = 10.0f;
        TPCM.IVESL = 7;   // word 754, not converted
        TPCM.BNACC = 8;   // word 1988
        convert_whole_case();
        EXPECT_EQ(TPCM.DISPL, 100.0f * 0.45359248f);
        EXPECT_EQ(TPCM.BDISPL, 200.0f * 0.45359248f);
        EXPECT_EQ(TPCM.TLP_TENSION, 10.0f * 0.45359248f);
        EXPECT_EQ(TPCM.IVESL, 7);
        EXPECT_EQ(TPCM.BNACC, 8);
    }
}

}  // namespace
}  // namespace brevant

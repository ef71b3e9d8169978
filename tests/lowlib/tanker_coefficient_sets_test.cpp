// The built-in tanker sets against sums of their series worked out on their own: each row below
// is the Fourier series of one set evaluated in double precision with std::cos and std::sin from
// the published coefficients, and the program's tables must give the same through TRIGLD, CCOF
// and SCOF. Then the identities between sets that the models rely on.
#include "lowlib/tanker_coefficient_sets.h"

#include <gtest/gtest.h>

#include <numbers>

#include "lowlib/heading_functions.h"
#include "lowlib/lowlib_fixture.h"

namespace brevant {
namespace {

using testing::LowlibTest;

// Cx at 0, 60, 90 and 180 degrees; Cy at 30, 45 and 90; Cz at 30, 45 and 90.
constexpr double kCxAngles[4] = {0.0, 60.0, 90.0, 180.0};
constexpr double kSineAngles[3] = {30.0, 45.0, 90.0};

template <typename Id>
struct SeriesSums {
    Id set;
    double sums[10];
};

constexpr SeriesSums<CurrentSet> kCurrentSums[] = {
    {CurrentSet::CNV105,
     {-0.0627130, -0.2269310, -0.0016330, 0.0918070, -1.6233813, -1.9559973, -3.3025000, -0.3434419, -0.2132260,
      0.1236220}},
    {CurrentSet::CYL105,
     {-0.0802730, -0.0301585, -0.0149870, 0.0988070, -1.6233813, -1.9559973, -3.3025000, -0.3434419, -0.2132260,
      0.1236220}},
    {CurrentSet::CNV110,
     {-0.0739485, -0.0925407, 0.0010115, 0.1009315, -1.5269853, -1.6854826, -2.8542000, -0.3001255, -0.2379538,
      0.0870675}},
    {CurrentSet::CYL110,
     {-0.0960410, -0.0609605, -0.0165290, 0.1141750, -1.5269853, -1.6854826, -2.8542000, -0.3001255, -0.2379538,
      0.0870675}},
    {CurrentSet::CNV120,
     {-0.0822010, -0.0398190, 0.0333400, 0.0922410, -1.3236147, -1.6768339, -2.3298010, -0.2342483, -0.2426929,
      0.0589930}},
    {CurrentSet::CYL120,
     {-0.0901340, 0.2085230, 0.0135220, 0.1000100, -1.3236147, -1.6768339, -2.3298010, -0.2342483, -0.2426929,
      0.0589930}},
    {CurrentSet::CNV150,
     {-0.0704080, 0.0329825, 0.0110220, 0.1068920, -0.9163109, -1.2710302, -1.6707000, -0.1709133, -0.1884469,
      0.0407120}},
    {CurrentSet::CYL150,
     {-0.0833630, 0.2190965, -0.0012650, 0.1099370, -0.9163109, -1.2710302, -1.6707000, -0.1709133, -0.1884469,
      0.0407120}},
    {CurrentSet::CNV300,
     {-0.0748879, 0.0026010, 0.0014639, 0.0955801, -0.3855523, -0.5948248, -0.9968790, -0.0795885, -0.0925057,
      0.0185204}},
    {CurrentSet::CYL300,
     {-0.0748879, 0.0026010, 0.0014639, 0.0955801, -0.3855523, -0.5948248, -0.9968790, -0.0795885, -0.0925057,
      0.0185204}},
    {CurrentSet::CNV600,
     {-0.0790060, 0.0352530, 0.0058430, 0.0916800, -0.2451105, -0.3653723, -0.5870910, -0.0495090, -0.0505094,
      0.0186421}},
    {CurrentSet::CYL600,
     {-0.0790060, 0.0352530, 0.0058430, 0.0916800, -0.2451105, -0.3653723, -0.5870910, -0.0495090, -0.0505094,
      0.0186421}},
    {CurrentSet::LNB105,
     {-0.0389600, -0.0682200, 0.0652600, 0.0200400, -1.6233813, -1.9559973, -3.3025000, -0.3434419, -0.2132260,
      0.1236220}},
    {CurrentSet::BNB105,
     {-0.0474181, 0.0016684, 0.0205527, 0.0543795, -0.2930303, -0.5042523, -0.8190260, -0.0309278, -0.0363959,
      0.0359720}},
    {CurrentSet::LWB105,
     {-0.0387070, -0.1069365, -0.0039730, 0.0240930, -1.6233813, -1.9559973, -3.3025000, -0.3434419, -0.2132260,
      0.1236220}},
    {CurrentSet::BWB105,
     {-0.0250110, 0.0000090, -0.0013360, 0.0567630, -0.3281807, -0.5981029, -0.9657000, -0.0545356, -0.0764275,
      0.0009900}},
    {CurrentSet::LNB11,
     {-0.0389600, -0.0682200, 0.0652600, 0.0200400, -1.2689971, -1.7613058, -2.4045000, -0.2644068, -0.2168665,
      0.0604000}},
    {CurrentSet::BNB11,
     {-0.0474181, 0.0016684, 0.0205527, 0.0543795, -0.2930303, -0.5042523, -0.8190260, -0.0309278, -0.0363959,
      0.0359720}},
    {CurrentSet::LWB11,
     {-0.0387070, -0.1069365, -0.0039730, 0.0240930, -1.3859977, -2.0584514, -2.6669000, -0.2964151, -0.2652910,
      0.0006400}},
    {CurrentSet::BWB11,
     {-0.0250110, 0.0000090, -0.0013360, 0.0567630, -0.3281807, -0.5981029, -0.9657000, -0.0545356, -0.0764275,
      0.0009900}},
    {CurrentSet::LNB12,
     {-0.0351372, -0.0047767, 0.0348022, 0.0412448, -1.0878201, -1.4495700, -2.0960200, -0.2219690, -0.2067165,
      0.0496600}},
    {CurrentSet::BNB12,
     {-0.0476427, -0.0011202, 0.0193257, 0.0546713, -0.2799167, -0.4772259, -0.7685500, -0.0286393, -0.0340228,
      0.0334000}},
    {CurrentSet::LWB12,
     {-0.0481300, -0.0517050, -0.0063200, 0.0428100, -1.2419244, -1.6799785, -2.3636900, -0.2750465, -0.2618523,
      0.0072800}},
    {CurrentSet::BWB12,
     {-0.0302190, -0.0055220, -0.0034120, 0.0569950, -0.3137134, -0.5697451, -0.9182000, -0.0510730, -0.0719837,
      0.0025090}},
    {CurrentSet::LWB15,
     {-0.0310148, 0.0510154, 0.0208348, 0.0379852, -0.8824839, -1.3216352, -1.7762400, -0.1748370, -0.2055807,
      0.0014870}},
    {CurrentSet::BWB15,
     {-0.0454700, -0.0219000, -0.0096280, 0.0573300, -0.2704527, -0.4848737, -0.7754000, -0.0405191, -0.0584735,
      0.0070640}},
    {CurrentSet::LNB15,
     {-0.0367700, 0.1096050, 0.0800600, 0.0324900, -0.8276455, -1.2221291, -1.5924000, -0.1516891, -0.1673428,
      0.0410300}},
    {CurrentSet::BNB15,
     {-0.0486010, -0.0097440, 0.0153400, 0.0552810, -0.2408606, -0.3965609, -0.6180000, -0.0219989, -0.0272199,
      0.0253900}},
    {CurrentSet::LWB30,
     {-0.0296935, 0.0402998, 0.0097235, 0.0347265, -0.4147729, -0.7159425, -1.0392000, -0.0713253, -0.1009776,
      0.0050230}},
    {CurrentSet::BWB30,
     {-0.0454700, -0.0219000, -0.0096280, 0.0573300, -0.2430399, -0.4092301, -0.6329816, -0.0303821, -0.0396118,
      0.0153020}},
    {CurrentSet::LNB30,
     {-0.0338376, 0.0434596, 0.0305160, 0.0416056, -0.3878777, -0.6752082, -1.0257000, -0.0621756, -0.0807120,
      0.0348800}},
    {CurrentSet::BNB30,
     {-0.0486010, -0.0097440, 0.0153400, 0.0552810, -0.2284635, -0.3662801, -0.5566816, -0.0213875, -0.0244726,
      0.0241830}},
    {CurrentSet::LWB44,
     {-0.0334339, 0.0378282, 0.0097709, 0.0368561, -0.3325998, -0.5525013, -0.8280000, -0.0610360, -0.0772977,
      0.0113450}},
    {CurrentSet::BLST44,
     {-0.0570295, -0.0253876, 0.0204026, 0.0461763, -0.2171611, -0.3384160, -0.4996931, -0.0208385, -0.0219320,
      0.0229350}},
    {CurrentSet::LNB44,
     {-0.0332709, 0.0374089, 0.0179897, 0.0476475, -0.3183262, -0.5310252, -0.8212000, -0.0565163, -0.0669201,
      0.0272730}},
    {CurrentSet::LCY11,
     {-0.0786800, -0.0744100, 0.1508200, 0.0027200, -1.3243028, -1.7891959, -2.5293000, -0.2450343, -0.2055260,
      0.1308200}},
};

constexpr SeriesSums<WindSet> kWindSums[] = {
    {WindSet::CNVBAL,
     {-0.8484480, -0.1287980, 0.0024390, 0.6171700, -0.5087100, -0.7349853, -0.9852600, -0.0531202, -0.0625396,
      0.0351000}},
    {WindSet::CNVLOD,
     {-0.9475025, -0.3355260, 0.0508820, 0.7597665, -0.2943880, -0.4902010, -0.7194870, 0.0321233, 0.0580717,
      0.1116558}},
    {WindSet::CYLBAL,
     {-0.8425860, 0.2914630, 0.2852760, 0.6102340, -0.5087100, -0.7349853, -0.9852600, -0.0531202, -0.0625396,
      0.0351000}},
    {WindSet::CYLLOD,
     {-0.9475025, -0.3355260, 0.0508820, 0.7597665, -0.2943880, -0.4902010, -0.7194870, 0.0321233, 0.0580717,
      0.1116558}},
    {WindSet::SMLBAL,
     {-0.4548590, -0.2595545, -0.0505700, 0.3954790, -0.4445919, -0.6779477, -0.9758500, -0.0612230, -0.0758264,
      -0.0027510}},
    {WindSet::SMLLOD,
     {-0.5092200, -0.3338100, -0.0171500, 0.4036800, -0.3858403, -0.5978339, -0.7294840, -0.0218358, -0.0228055,
      0.0247620}},
};

// BLSTMN at the four Cx angles.
constexpr double kBlstmnSums[4] = {-0.0392564, -0.0067870, 0.0073087, 0.0551157};

// TRIGLD's products keep single-precision rounding; with coefficients up to about 3 the sums agree
// to a few units in the sixth decimal.
constexpr double kTolerance = 2e-6;

Real radians(double degrees) { return static_cast<Real>(degrees * std::numbers::pi / 180.0); }

Real evaluate(const CoefficientSet& set, int component, double degrees) {
    TRIGLD(radians(degrees));
    return component == 1 ? CCOF(&set(1, 1)) : SCOF(&set(1, component));
}

template <typename Id>
void expect_sums(const CoefficientSet& set, const SeriesSums<Id>& row) {
    const int id = static_cast<int>(row.set);
    for (int a = 0; a < 4; ++a)
        EXPECT_NEAR(evaluate(set, 1, kCxAngles[a]), row.sums[a], kTolerance)
            << "set " << id << " Cx at " << kCxAngles[a];
    for (int a = 0; a < 3; ++a) {
        EXPECT_NEAR(evaluate(set, 2, kSineAngles[a]), row.sums[4 + a], kTolerance)
            << "set " << id << " Cy at " << kSineAngles[a];
        EXPECT_NEAR(evaluate(set, 3, kSineAngles[a]), row.sums[7 + a], kTolerance)
            << "set " << id << " Cz at " << kSineAngles[a];
    }
}

class TankerSets : public LowlibTest {};

TEST_F(TankerSets, EveryCurrentSetGivesItsSeriesSums) {
    ASSERT_EQ(std::size(kCurrentSums), static_cast<std::size_t>(kCurrentSetCount));
    for (const auto& row : kCurrentSums) expect_sums(current_set(row.set), row);
}

TEST_F(TankerSets, EveryWindSetGivesItsSeriesSums) {
    ASSERT_EQ(std::size(kWindSums), static_cast<std::size_t>(kWindSetCount));
    for (const auto& row : kWindSums) expect_sums(wind_set(row.set), row);
}

TEST_F(TankerSets, MeanBallastCurveGivesItsSeriesSums) {
    for (int a = 0; a < 4; ++a) {
        TRIGLD(radians(kCxAngles[a]));
        EXPECT_NEAR(CCOF(BLSTMN().data()), kBlstmnSums[a], kTolerance) << kCxAngles[a];
    }
}

// Values stated for the sets, to six decimals.
TEST_F(TankerSets, StatedValues) {
    struct Case {
        CurrentSet set;
        int component;
        double degrees;
        double value;
    };
    const Case cases[] = {
        {CurrentSet::CNV105, 2, 90.0, -3.3025},   {CurrentSet::CNV300, 1, 0.0, -0.074888},
        {CurrentSet::CNV300, 1, 180.0, 0.095580}, {CurrentSet::CNV300, 2, 90.0, -0.996879},
        {CurrentSet::CNV300, 3, 90.0, 0.018520},  {CurrentSet::CYL150, 1, 0.0, -0.083363},
        {CurrentSet::CYL150, 2, 90.0, -1.670700}, {CurrentSet::CNV150, 2, 90.0, -1.670700},
        {CurrentSet::LNB12, 2, 90.0, -2.096020},  {CurrentSet::LNB12, 3, 45.0, -0.206717},
        {CurrentSet::BWB30, 2, 90.0, -0.632982},  {CurrentSet::BLST44, 1, 0.0, -0.057030},
        {CurrentSet::LCY11, 2, 90.0, -2.529300},  {CurrentSet::LCY11, 3, 90.0, 0.130820},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(evaluate(current_set(c.set), c.component, c.degrees), c.value, kTolerance)
            << static_cast<int>(c.set) << " component " << c.component << " at " << c.degrees;
    // Two sums stated to five decimals only.
    EXPECT_NEAR(evaluate(current_set(CurrentSet::CNV105), 1, 0.0), -0.06271, 5e-6);
    EXPECT_NEAR(evaluate(current_set(CurrentSet::CNV105), 1, 180.0), 0.09181, 5e-6);
    TRIGLD(0.0f);
    EXPECT_NEAR(CCOF(BLSTMN().data()), -0.039256, kTolerance);
    EXPECT_NEAR(evaluate(wind_set(WindSet::CNVLOD), 1, 0.0), -0.947502, kTolerance);
    EXPECT_NEAR(evaluate(wind_set(WindSet::CNVLOD), 2, 90.0), -0.719487, kTolerance);
}

bool same_column(const CoefficientSet& a, const CoefficientSet& b, int k) {
    for (int n = 1; n <= 11; ++n)
        if (a(n, k) != b(n, k)) return false;
    return true;
}

TEST_F(TankerSets, SetsThatShareTheirValues) {
    for (int k = 1; k <= 3; ++k) {
        // The OCIMF bows differ only below a depth ratio of 3.0.
        EXPECT_TRUE(same_column(current_set(CurrentSet::CYL300), current_set(CurrentSet::CNV300), k)) << k;
        EXPECT_TRUE(same_column(current_set(CurrentSet::CYL600), current_set(CurrentSet::CNV600), k)) << k;
        EXPECT_TRUE(same_column(wind_set(WindSet::CYLLOD), wind_set(WindSet::CNVLOD), k)) << k;
    }
    EXPECT_FALSE(same_column(current_set(CurrentSet::CYL150), current_set(CurrentSet::CNV150), 1));
    EXPECT_FALSE(same_column(wind_set(WindSet::CYLBAL), wind_set(WindSet::CNVBAL), 1));
    const CurrentSet conventional[] = {CurrentSet::CNV105, CurrentSet::CNV110, CurrentSet::CNV120, CurrentSet::CNV150};
    const CurrentSet cylindrical[] = {CurrentSet::CYL105, CurrentSet::CYL110, CurrentSet::CYL120, CurrentSet::CYL150};
    for (int k = 2; k <= 3; ++k) {
        EXPECT_TRUE(same_column(wind_set(WindSet::CYLBAL), wind_set(WindSet::CNVBAL), k));
        for (int i = 0; i < 4; ++i)
            EXPECT_TRUE(same_column(current_set(cylindrical[i]), current_set(conventional[i]), k)) << i;
        // The loaded NSMB sets at 1.05 carry the OCIMF sway and yaw of that depth.
        EXPECT_TRUE(same_column(current_set(CurrentSet::LWB105), current_set(CurrentSet::CNV105), k));
        EXPECT_TRUE(same_column(current_set(CurrentSet::LNB105), current_set(CurrentSet::CNV105), k));
    }
}

TEST_F(TankerSets, SineColumnsEndInZero) {
    for (int i = 0; i < kCurrentSetCount; ++i)
        for (int k = 2; k <= 3; ++k) EXPECT_EQ(current_set(static_cast<CurrentSet>(i))(11, k), 0.0f) << i;
    for (int i = 0; i < kWindSetCount; ++i)
        for (int k = 2; k <= 3; ++k) EXPECT_EQ(wind_set(static_cast<WindSet>(i))(11, k), 0.0f) << i;
}

}  // namespace
}  // namespace brevant

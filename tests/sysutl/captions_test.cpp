// Caption functions: table edges, error texts, fixed lengths, and use as ONELIN's caption function.
#include "sysutl/captions.h"

#include "sysutl/paging.h"
#include "test_support.h"

namespace brevant {
namespace {

using Captions = testing::ConsoleTest;

std::string pad(std::string s, std::size_t n) {
    s.resize(n, ' ');
    return s;
}

TEST_F(Captions, EveryIndexGivesItsFixedLength) {
    struct {
        const char* name;
        std::string (*fn)(Int);
        std::size_t length;
    } fns[] = {{"UNITP", UNITP, 16}, {"UNITS", UNITS, 16}, {"CAPUN", CAPUN, 8},  {"WAVPRT", WAVPRT, 30},
               {"WNDPRT", WNDPRT, 30}, {"CURPRT", CURPRT, 30}, {"DOF", DOF, 8}};
    for (const auto& f : fns)
        for (Int i = -3; i <= 30; ++i) EXPECT_EQ(f.fn(i).size(), f.length) << f.name << "(" << i << ")";
}

TEST_F(Captions, TableEdgesAndErrorTexts) {
    struct {
        std::string got, want;
    } cases[] = {
        {UNITP(0), " kips"},          {UNITP(19), "k.lbs"},          {UNITP(20), "m.ton"},
        {UNITP(21), " Index error"},  {UNITP(-1), " Index error"},   {UNITP(7 + 1), " meters"},
        {UNITP(12), " kgw/cubic meter"},
        {UNITS(0), "k.lbs"},          {UNITS(22), "ton-m"},          {UNITS(23), ""},
        {UNITS(-1), ""},              {UNITS(12), "kgw/cubic meter"},
        {CAPUN(0), "FEET"},           {CAPUN(8), "FT"},              {CAPUN(11), "HEIGHT"},
        {CAPUN(12), "ERROR !"},       {CAPUN(-1), "ERROR !"},
        {WAVPRT(0), " Velmora swell spectrum"}, {WAVPRT(10), " TMA Shallow Water"},
        {WAVPRT(11), " Index error"}, {WAVPRT(-1), " Index error"},
        {WNDPRT(0), " Index error"},  {WNDPRT(1), " Davenport"},     {WNDPRT(6), " WINDSPEC.txt input file"},
        {WNDPRT(7), " Index error"},
        {CURPRT(0), " Index error"},  {CURPRT(1), " Steady current"}, {CURPRT(4), " Band-limited white spectrum"},
        {CURPRT(5), " Index error"},
        {DOF(0), "ERROR !"},          {DOF(1), "SURGE"},             {DOF(6), "YAW"},
        {DOF(7), "ERROR !"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, pad(c.want, c.got.size()));
}

TEST_F(Captions, EnglishAndMetricCaptionsSitOnNeighbouringRows) {
    struct {
        Int english;
        const char* metric_unitp;
        const char* metric_units;
    } pairs[] = {{0, " metric tons", "m.ton"},       {3, " millimeters", "mm"},
                 {5, " kgw/meter", "kgw/m."},        {7, " meters", "m."},
                 {9, " meters/meters", "meters/meters"}, {11, " kgw/cubic meter", "kgw/cubic meter"},
                 {19, "m.ton", "ton-meters"}};
    for (const auto& p : pairs) {
        EXPECT_EQ(UNITP(p.english + 1), pad(p.metric_unitp, 16)) << p.english;
        EXPECT_EQ(UNITS(p.english + 1), pad(p.metric_units, 16)) << p.english;
    }
}

TEST_F(Captions, ServeAsTheCaptionFunctionOfAReportLine) {
    ONELIN("Water depth", 11, 150.0f, UNITP, 8, SCREEN_UNIT);
    EXPECT_EQ(screen(), std::string(10, ' ') + "Water depth " + std::string(26, '.') + "    150.00  meters" +
                            std::string(9, ' ') + "\n");
}

// The pages that show a unit flag as it stands: 0 and 1 give the English and the metric caption, a
// damaged flag the caption its sum lands on or the error text, and no flag an overflowing sum.
TEST_F(Captions, UnitCaptionAsFlagged) {
    const struct {
        Int FIRST, NUNTS;
        const char* caption;
    } cases[] = {
        {7, 0, " feet           "},        {7, 1, " meters         "},  {11, 1, " kgw/cubic meter"},
        {7, 2, " feet/feet      "},        {0, -1, " Index error    "}, {7, 14, " Index error    "},
        {7, 2147483647, " Index error    "}, {7, -2147483647 - 1, " Index error    "},
    };
    for (const auto& c : cases) EXPECT_EQ(unit_caption_as_flagged(c.FIRST, c.NUNTS), c.caption) << c.FIRST << " " << c.NUNTS;
}

}  // namespace
}  // namespace brevant

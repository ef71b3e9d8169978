// The reference cases entered through the editor's pages, page by page with typed answers, against
// the same cases written through the named words of the data image: "BREVDAT" and "LOWDAT" word
// for word. The words no page sets are listed with their reasons (words_after_pages); the pages
// alone must differ from the written case in exactly those words, no more (a page that stores a
// typed value wrongly) and no fewer (a listed word that the pages do set after all).
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "e2e/reference/reference_cases.h"

namespace brevant::e2e::reference {
namespace {

struct EnteredCase {
    const char* name;
    ShipOptions options;
};

struct CaseFiles {
    WordFile data;
    WordFile coefficients;
};

CaseFiles files_of(const std::function<void()>& make) {
    brevant::testing::ScratchDir dir;
    make();
    return {WordFile("BREVDAT"), WordFile("LOWDAT")};
}

// The numbers of the words in which two files differ (every word when their sizes differ).
std::set<int> differing_words(const WordFile& a, const WordFile& b) {
    std::set<int> words;
    const std::size_t n = std::max(a.words(), b.words());
    for (std::size_t k = 1; k <= n; ++k) {
        if (k > a.words() || k > b.words() || a.word(static_cast<int>(k)) != b.word(static_cast<int>(k))) {
            words.insert(static_cast<int>(k));
        }
    }
    return words;
}

std::string describe(const WordFile& pages, const WordFile& written, int k, const char* first = "pages",
                     const char* second = "written") {
    const auto show = [&](const WordFile& f) {
        if (static_cast<std::size_t>(k) > f.words()) return std::string("(none)");
        return std::to_string(f.word(k)) + " (real " + std::to_string(f.real(k)) + ")";
    };
    return "word " + std::to_string(k) + ": " + first + " " + show(pages) + ", " + second + " " + show(written);
}

class PageEntry : public ::testing::TestWithParam<EnteredCase> {};

TEST_P(PageEntry, PagesWriteTheWordsOfTheDataImage) {
    const ShipOptions o = GetParam().options;
    const CaseFiles written = files_of([&] { write_reference_ship(o); });
    const CaseFiles pages_alone = files_of([&] {
        const ProgramResult r = run_brevant(reference_page_answers(o));
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT"}));
    });
    const CaseFiles entered = files_of([&] { enter_reference_case(o); });

    ASSERT_EQ(pages_alone.data.bytes(), written.data.bytes());
    ASSERT_EQ(pages_alone.coefficients.bytes(), written.coefficients.bytes());
    std::set<int> listed;
    for (const WordAfterPages& w : words_after_pages(o)) listed.insert(w.word);
    const std::set<int> differ = differing_words(pages_alone.data, written.data);
    for (int k : differ) {
        EXPECT_TRUE(listed.count(k)) << "BREVDAT " << describe(pages_alone.data, written.data, k);
    }
    for (int k : listed) {
        EXPECT_TRUE(differ.count(k)) << "word " << k << " is listed but the pages write it as the data image does";
    }
    for (int k : differing_words(pages_alone.coefficients, written.coefficients)) {
        ADD_FAILURE() << "LOWDAT " << describe(pages_alone.coefficients, written.coefficients, k);
    }

    // With the listed words written after the pages, the files are those of the written case.
    EXPECT_EQ(entered.data.raw(), written.data.raw());
    EXPECT_EQ(entered.coefficients.raw(), written.coefficients.raw());
}

// Each twin entered on the pages and then converted whole to the other units on the site page
// (item 3, "Convert ALL data values") is the other twin entered on the pages: every word within a
// few units of the last place, the water density apart, which the conversion takes to what the
// typed density is in the other units (1 lb/ft^3 = 16.0184634 kg/m^3) where the other twin types
// its own round value (64 lb/ft^3, 1025 kg/m^3).
struct Conversion {
    Hull hull;
    Units from;
};

class WholeConversion : public ::testing::TestWithParam<Conversion> {};

TEST_P(WholeConversion, ConvertedTwinIsTheOtherTwin) {
    const Conversion c = GetParam();
    const bool to_metric = c.from == Units::english;
    const Units to = to_metric ? Units::metric : Units::english;
    const CaseFiles other = files_of([&] {
        const ProgramResult r = run_brevant(reference_page_answers({to, true, c.hull}));
        ASSERT_EQ(r.status, 0) << r.err;
    });
    const CaseFiles converted = files_of([&] {
        std::string answers = reference_page_answers({c.from, true, c.hull});
        ASSERT_EQ(answers.substr(answers.size() - 2), "1\n");
        answers.resize(answers.size() - 2);
        // RETURN on the last page reviews the case from page 1: item 3, choice 2 (convert every value),
        // RETURN past the warning, then the last page and save.
        answers += "\n3\n2\n\nL\n1\n";
        const ProgramResult r = run_brevant(answers);
        ASSERT_EQ(r.status, 0) << r.err;
    });
    const int kDensity = 447;  // DWATR
    const double density = to_metric ? 64.0 * 16.0184634 : 1025.0 / 16.0184634;
    EXPECT_NEAR(converted.data.real(kDensity), density, 1e-5 * density);
    for (const auto& [name, a, b] : {std::tuple{"BREVDAT", &other.data, &converted.data},
                                     std::tuple{"LOWDAT", &other.coefficients, &converted.coefficients}}) {
        ASSERT_EQ(a->words(), b->words()) << name;
        for (int k = 1; k <= static_cast<int>(a->words()); ++k) {
            if (a->word(k) == b->word(k) || (a == &other.data && k == kDensity)) continue;
            // A real word may differ in its last places (the conversion multiplies by its factors); an
            // integer word, read as a real, is tiny and differs by far more than that.
            const double x = a->real(k), y = b->real(k);
            EXPECT_LE(std::fabs(x - y), 4e-6 * std::max(std::fabs(x), std::fabs(y)))
                << name << " " << describe(*b, *a, k, "converted", "entered");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Twins, WholeConversion,
                         ::testing::Values(Conversion{Hull::ship, Units::english}, Conversion{Hull::ship, Units::metric},
                                           Conversion{Hull::disc, Units::english}, Conversion{Hull::disc, Units::metric},
                                           Conversion{Hull::semi, Units::english}, Conversion{Hull::semi, Units::metric}),
                         [](const auto& info) {
                             const Hull h = info.param.hull;
                             return std::string(h == Hull::ship ? "Ship" : h == Hull::disc ? "Disc" : "Semi") +
                                    (info.param.from == Units::english ? "EnglishToMetric" : "MetricToEnglish");
                         });

INSTANTIATE_TEST_SUITE_P(Cases, PageEntry,
                         ::testing::Values(EnteredCase{"ShipMetric", {Units::metric, true, Hull::ship}},
                                           EnteredCase{"ShipEnglish", {Units::english, true, Hull::ship}},
                                           EnteredCase{"DiscMetric", {Units::metric, true, Hull::disc}},
                                           EnteredCase{"DiscEnglish", {Units::english, true, Hull::disc}},
                                           EnteredCase{"SemiMetric", {Units::metric, true, Hull::semi}},
                                           EnteredCase{"SemiEnglish", {Units::english, true, Hull::semi}},
                                           EnteredCase{"ShipWithoutCurrent", {Units::metric, false, Hull::ship}},
                                           EnteredCase{"ShipWithApiWind",
                                                       {Units::metric, true, Hull::ship, true, true}},
                                           EnteredCase{"ShipJonswapTankerMetric",
                                                       {Units::metric, true, Hull::ship, true, false, true}},
                                           EnteredCase{"ShipJonswapTankerEnglish",
                                                       {Units::english, true, Hull::ship, true, false, true}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brevant::e2e::reference

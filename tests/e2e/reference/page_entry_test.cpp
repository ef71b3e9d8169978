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

// The English twin entered on the pages and then converted whole to metric units on the site page
// (item 3, "Convert ALL data values") is the metric twin entered on the pages: every word within a
// few units of the last place, the water density apart, which the conversion takes to what 64 lb/ft^3
// is (1025.18 kg/m^3, 1 lb/ft^3 = 16.0184634 kg/m^3) where the metric twin types 1025.
class WholeConversion : public ::testing::TestWithParam<Hull> {};

TEST_P(WholeConversion, EnglishTwinConvertedIsTheMetricTwin) {
    const Hull hull = GetParam();
    const CaseFiles metric = files_of([&] {
        const ProgramResult r = run_brevant(reference_page_answers({Units::metric, true, hull}));
        ASSERT_EQ(r.status, 0) << r.err;
    });
    const CaseFiles converted = files_of([&] {
        std::string answers = reference_page_answers({Units::english, true, hull});
        ASSERT_EQ(answers.substr(answers.size() - 2), "1\n");
        answers.resize(answers.size() - 2);
        // RETURN on the last page reviews the case from page 1: item 3, choice 2 (convert every value),
        // RETURN past the warning, then the last page and save.
        answers += "\n3\n2\n\nL\n1\n";
        const ProgramResult r = run_brevant(answers);
        ASSERT_EQ(r.status, 0) << r.err;
    });
    const int kDensity = 447;  // DWATR
    EXPECT_NEAR(converted.data.real(kDensity), 64.0 * 16.0184634, 1e-5 * 1025.0);
    for (const auto& [name, a, b] : {std::tuple{"BREVDAT", &metric.data, &converted.data},
                                     std::tuple{"LOWDAT", &metric.coefficients, &converted.coefficients}}) {
        ASSERT_EQ(a->words(), b->words()) << name;
        for (int k = 1; k <= static_cast<int>(a->words()); ++k) {
            if (a->word(k) == b->word(k) || (a == &metric.data && k == kDensity)) continue;
            // A real word may differ in its last places (the conversion multiplies by its factors); an
            // integer word, read as a real, is tiny and differs by far more than that.
            const double x = a->real(k), y = b->real(k);
            EXPECT_LE(std::fabs(x - y), 4e-6 * std::max(std::fabs(x), std::fabs(y)))
                << name << " " << describe(*b, *a, k, "converted", "metric");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Hulls, WholeConversion, ::testing::Values(Hull::ship, Hull::disc, Hull::semi),
                         [](const auto& info) {
                             return info.param == Hull::ship ? "Ship" : info.param == Hull::disc ? "Disc" : "Semi";
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
                                                       {Units::metric, true, Hull::ship, true, true}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brevant::e2e::reference

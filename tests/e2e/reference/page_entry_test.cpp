// The reference cases entered through the editor's pages, page by page with typed answers, against
// the same cases written through the named words of the data image: "BREVDAT" and "LOWDAT" word
// for word. The words no page sets are listed with their reasons (words_after_pages); the pages
// alone must differ from the written case in exactly those words, no more (a page that stores a
// typed value wrongly) and no fewer (a listed word that the pages do set after all).
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
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

std::string describe(const WordFile& pages, const WordFile& written, int k) {
    const auto show = [&](const WordFile& f) {
        if (static_cast<std::size_t>(k) > f.words()) return std::string("(none)");
        return std::to_string(f.word(k)) + " (real " + std::to_string(f.real(k)) + ")";
    };
    return "word " + std::to_string(k) + ": pages " + show(pages) + ", written " + show(written);
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

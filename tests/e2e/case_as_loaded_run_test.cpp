// A case that nobody changed, as a user meets it: what the load, a page as it is shown and the checks
// before a run set in it is part of the case as loaded. Leaving gives no loss warning, a save writes
// nothing, and a silent run the checks refuse ends there; a real edit still warns and is saved.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "e2e_support.h"
#include "reference/reference_cases.h"
#include "sysutl/program_end.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

constexpr const char* kLossWarning = " This action will result in the loss of data changes to BREVDAT or LOWDAT";
constexpr const char* kFatalFindingsLine = " ++> Fatal findings stop the silent run: see \"Diagnostics.stxt\".";

constexpr int MAXPRM = 30;
constexpr int NPARM = 171;
constexpr int DEPTH = 446;

// The numbers of the words in which two data files, given as their bytes, differ.
std::set<int> words_that_differ(const std::string& a, const std::string& b) {
    std::set<int> differ;
    for (std::size_t k = 0; 4 * k < std::max(a.size(), b.size()); ++k)
        if (a.substr(4 * k, 4) != b.substr(4 * k, 4)) differ.insert(static_cast<int>(k) + 1);
    return differ;
}

// What a run of the program did to the case and to the folder.
struct Outcome {
    ProgramResult r;
    std::string data, coefficients;  // "BREVDAT" and "LOWDAT" before the run
};

Outcome run_on_case(const std::string& answers) {
    Outcome o;
    o.data = file_bytes("BREVDAT");
    o.coefficients = file_bytes("LOWDAT");
    o.r = run_brevant(answers, 120);
    return o;
}

// Nothing was written: the folder holds the case as it was, and the silent run's console when
// there was one.
void expect_nothing_written(const Outcome& o, bool silent) {
    EXPECT_EQ(files_here(), silent ? (Files{"BREVDAT", "Diagnostics.stxt", "LOWDAT"}) : (Files{"BREVDAT", "LOWDAT"}));
    EXPECT_EQ(file_bytes("BREVDAT"), o.data);
    EXPECT_EQ(file_bytes("LOWDAT"), o.coefficients);
}

// How a session ends in the rows below.
enum class End {
    Left,           // leaves without saving: no loss warning, status 0, nothing written
    Saved,          // saves and exits: nothing to save, status 0, nothing written
    Ran,            // runs: status 0, the run's echo and report written, the case not saved
    Refused,        // a silent run the checks refuse: status 1, one End of Session page
    EditWarned,     // a real edit, then leave: the loss warning, Return loses it
    EditSaved,      // a real edit, then save: the case is saved with the edit
};

struct Row {
    const char* what;
    std::string answers;
    End end;
};

void expect_outcome(const Row& row, const Outcome& o) {
    const ProgramResult& r = o.r;
    switch (row.end) {
        case End::Left:
        case End::Saved:
            EXPECT_EQ(r.status, 0) << r.err;
            EXPECT_EQ(r.err, "");
            EXPECT_EQ(r.out.find(kLossWarning), std::string::npos) << r.out;
            expect_nothing_written(o, false);
            break;
        case End::Ran:
            EXPECT_EQ(r.status, 0) << r.err;
            EXPECT_EQ(r.err, "");
            EXPECT_EQ(r.out.find(kLossWarning), std::string::npos) << r.out;
            EXPECT_EQ(files_here(), (Files{"BREVDAT", "BREVIN.stxt", "BREVOUT.stxt", "LOWDAT"}));
            EXPECT_EQ(file_bytes("BREVDAT"), o.data);
            EXPECT_EQ(file_bytes("LOWDAT"), o.coefficients);
            break;
        case End::Refused:
            EXPECT_EQ(r.status, 1);
            EXPECT_EQ(r.err, std::string(kFatalFindingsLine) + "\n");
            EXPECT_EQ(count_of(r.out, "End of Session"), 1u) << r.out;
            expect_nothing_written(o, true);
            break;
        case End::EditWarned:
            EXPECT_EQ(r.status, 0) << r.err;
            EXPECT_EQ(count_of(r.out, kLossWarning), 1u) << r.out;
            expect_nothing_written(o, false);
            break;
        case End::EditSaved:
            EXPECT_EQ(r.status, 0) << r.err;
            EXPECT_EQ(files_here(), (Files{"BREVBAK", "BREVDAT", "LOWDAT"}));
            EXPECT_EQ(file_bytes("BREVBAK"), o.data);
            EXPECT_EQ(WordFile("BREVDAT").real(DEPTH), 777.0f);
            break;
    }
}

// The water depth of page 1 typed as 777: an edit of the user's.
const std::string kEditDepth = "J1\n4\n777\n";

// The sample ship with an Ochi-Hubble sea of two components (lambdas 2 and LAMBDA2) and MAXPRM as
// given: page 12 stores it as 4 whenever it is drawn with this sea, and every load sets it to 1.
void write_ochi_hubble_sample(std::uint32_t maxprm, float lambda2) {
    copy_sample();
    edit_on_disk({{164, 9u},                    // WAVTYP Ochi-Hubble
                  {NPARM, 2u},                  // page 12 sets 1 as it is shown
                  {192, 2u},                    // N_OCHI_COMP
                  {430, real_word(3.0f)},       // SWHT(1), SWHT(2)
                  {431, real_word(2.0f)},
                  {436, real_word(10.0f)},      // SIGPD(1), SIGPD(2)
                  {437, real_word(6.0f)},
                  {442, real_word(2.0f)},       // OCHI_LAMBDA(1), OCHI_LAMBDA(2)
                  {443, real_word(lambda2)},
                  {MAXPRM, maxprm}});
}

// A case saved with an Ochi-Hubble sea holds MAXPRM 4; the load sets 1 and page 12 sets 4 again.
// Neither is an edit: leaving at once or after page 12 warns of nothing, a save writes nothing, and
// with a lambda of 0 (which the checks refuse) the silent run ends. An edit still warns, and a save
// of it writes the words it always wrote: the edit and what the load set.
TEST(CaseAsLoadedRun, OchiHubbleSeaSavedByPageTwelve) {
    struct OchiRow {
        Row row;
        std::uint32_t maxprm;  // as the file holds it
        float lambda2;
    };
    const OchiRow rows[] = {
        {{"leave at once", "M\nL\n2\n", End::Left}, 4u, 2.5f},
        {{"save at once", "M\nL\n1\n", End::Saved}, 4u, 2.5f},
        {{"page 12 drawn, a file held 1, leave", "M\nJ12\nL\n2\n", End::Left}, 1u, 2.5f},
        // Pages 1 to 4 and 6 to 15, each left with Return, then the last page.
        {{"every page drawn, a file held 1, leave", "M\n" + std::string(14, '\n') + "2\n", End::Left}, 1u, 2.5f},
        {{"refused silent run", "M\nL\n4\n", End::Refused}, 4u, 0.0f},
        {{"page 12 drawn, refused silent run", "M\nJ12\nL\n4\n", End::Refused}, 1u, 0.0f},
        {{"an edit, leave", "M\n" + kEditDepth + "L\n2\n\n", End::EditWarned}, 4u, 2.5f},
        {{"an edit, save", "M\n" + kEditDepth + "L\n1\n", End::EditSaved}, 4u, 2.5f},
        {{"page 12 drawn, an edit, save", "M\nJ12\n" + kEditDepth + "L\n1\n", End::EditSaved}, 1u, 2.5f},
    };
    for (const OchiRow& c : rows) {
        SCOPED_TRACE(c.row.what);
        testing::ScratchDir dir;
        write_ochi_hubble_sample(c.maxprm, c.lambda2);
        const Outcome o = run_on_case(c.row.answers);
        expect_outcome(c.row, o);
        if (c.row.end == End::EditSaved) {
            // The save writes the words it always wrote: the depth, and MAXPRM (and NPARM) as the
            // load or page 12 left them.
            const bool page_12_drawn = c.row.answers.find("J12") != std::string::npos;
            const std::uint32_t maxprm = page_12_drawn ? 4u : 1u;
            EXPECT_EQ(WordFile("BREVDAT").integer(MAXPRM), static_cast<std::int32_t>(maxprm));
            std::set<int> expected{DEPTH};
            if (maxprm != c.maxprm) expected.insert(MAXPRM);
            if (page_12_drawn) expected.insert(NPARM);
            EXPECT_EQ(words_that_differ(o.data, file_bytes("BREVDAT")), expected);
        }
        if (c.row.end == End::Refused) {
            EXPECT_NE(file_bytes("Diagnostics.stxt").find(" ++> Fatal Warning: Component lambda values (page 12, item 8)"),
                      std::string::npos);
        }
    }
}

// The reference semi-submersible with a seventh member: a brace 0.6 m across and 60 m long between
// the pontoons, free at both ends, whose added mass the checks compute (an axis ratio of 100, over
// 20000 intervals: the many-points warning) in place of the coefficients the file holds. With
// REFUSED, a gyradius of 0, which the checks refuse.
void write_semi_with_slender_brace(bool refused) {
    reference::ShipOptions o;
    o.hull = reference::Hull::semi;
    reference::write_reference_ship(o);
    std::vector<std::pair<int, std::uint32_t>> w = {{3661, 7u}, {3658, 7u}};  // NCYL, NMEM
    push_member(w, 7, {{0.0f, -30.0f, 4.0f}, {0.0f, 30.0f, 4.0f}, {0.6f, 0.6f, 60.0f}, 0u, 0u, 2u, 1u, 0.28274334f});
    if (refused) w.push_back({1414, real_word(0.0f)});  // PGYR
    edit_on_disk(w);
}

constexpr const char* kManyPoints = " ++> Warning: Member  7 requires  20000 integration points";

// After the checks before a run have computed the brace's coefficients, the case is as loaded:
// the refused silent run ends, leaving after an interactive run's findings warns of nothing, and a
// save then writes nothing. An edit made before the checks still warns, and is saved.
TEST(CaseAsLoadedRun, MemberHullWhoseChecksComputeASlenderBrace) {
    // Interactive: the many-points warning's pause and the pause after the findings, then the page.
    const Row rows[] = {
        {"refused silent run", "M\nL\n4\n", End::Refused},
        {"checks, then leave", "M\nL\n3\n\n\n2\n", End::Left},
        {"checks, then save", "M\nL\n3\n\n\n1\n", End::Saved},
        {"an edit, checks, then leave", "M\n" + kEditDepth + "L\n3\n\n\n2\n\n", End::EditWarned},
        {"an edit, checks, then save", "M\n" + kEditDepth + "L\n3\n\n\n1\n", End::EditSaved},
    };
    testing::ScratchDir source;
    write_semi_with_slender_brace(true);
    const std::string data = file_bytes("BREVDAT"), coefficients = file_bytes("LOWDAT");
    for (const Row& c : rows) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        testing::put_file("BREVDAT", data);
        testing::put_file("LOWDAT", coefficients);
        const Outcome o = run_on_case(c.answers);
        expect_outcome(c, o);
        const std::string console = c.end == End::Refused ? file_bytes("Diagnostics.stxt") : o.r.out;
        EXPECT_EQ(count_of(console, kManyPoints), 1u) << console;
        EXPECT_NE(console.find(" ++> Fatal Warning: A vessel gyradii is nonpositive."), std::string::npos);
        if (c.end == End::EditSaved) {
            // The brace's coefficients as the checks computed them are saved with the edit.
            const WordFile saved("BREVDAT");
            EXPECT_NE(saved.real(reference::member_triple_word(4176, 1, 7)), 1.0f);  // CYLCM(1, 7)
            EXPECT_GT(saved.real(reference::member_triple_word(4326, 1, 7)), 0.9f);  // CYLCMI(1, 7)
        }
    }
}

// A file of this program that the start asks nothing about is in this program's form already: what
// the start stamps on it (the writer's year, a version within 0.001 of this one, a length word of
// fewer words than the file holds) is the case as loaded. Unchanged, it leaves without the loss
// warning, a save writes nothing, and a run saves nothing.
TEST(CaseAsLoadedRun, AFileTheStartAsksNothingAboutIsNotSavedUnchanged) {
    struct Kind {
        const char* what;
        std::vector<std::pair<int, std::uint32_t>> words;
    };
    const Kind kinds[] = {
        {"the sample as it stands", {}},
        {"written by a program of another year", {{112, 2019u}}},
        {"a version within the tolerance of this one", {{217, real_word(6.8009f)}}},
        {"a length word of fewer words than the file holds", {{1, 4000u}}},
    };
    const Row rows[] = {
        {"leave", "M\nL\n2\n", End::Left},
        {"save", "M\nL\n1\n", End::Saved},
        {"run", "M\nL\n3\n", End::Ran},
        {"E on a page", "M\nE\n", End::Ran},
        {"E at the title", "E\n", End::Ran},
    };
    for (const Kind& k : kinds) {
        for (const Row& row : rows) {
            SCOPED_TRACE(::testing::Message() << k.what << ", " << row.what);
            testing::ScratchDir dir;
            copy_sample();
            edit_on_disk(k.words);
            const Outcome o = run_on_case(row.answers);
            EXPECT_EQ(o.r.out.find(" >>> Input File Characteristics <<< "), std::string::npos);
            expect_outcome(row, o);
        }
    }
}

}  // namespace
}  // namespace brevant::e2e

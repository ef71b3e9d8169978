// Data files of older versions as a user meets them: a case written back into the layout and codes
// of an older version (the 49-line layout; below 4.9 also the 40-entry wave tables and no drag
// blocks), loaded, updated and saved, or run.
#include <gtest/gtest.h>

#include "brevant_paths.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "e2e_support.h"
#include "older_eras.h"
#include "reference/reference_cases.h"
#include "sysutl/program_end.h"
#include "test_support.h"

namespace brevant::e2e {
namespace {

// Every version class of the case: written as its era held it, loaded with "M", saved at once from
// the End of Session page, and compared word for word with the case after the era's steps.
void every_era_comes_back(const SampleCase& sample) {
    testing::ScratchDir source;
    sample.write();
    const WordFile now("BREVDAT");
    ASSERT_EQ(now.words(), static_cast<std::size_t>(kStoredWords));
    const std::string lowdat = file_bytes("LOWDAT");
    for (const Era& e : kEras) {
        SCOPED_TRACE(::testing::Message() << sample.what << ", " << e.what);
        testing::ScratchDir dir;
        const WordFile older = era_file(now, e);
        older.save("BREVDAT");
        put_file("LOWDAT", lowdat);
        const std::string returns(static_cast<std::size_t>(returns_for(e, older)), '\n');
        const ProgramResult r = run_brevant("M\n" + returns + "L\n1\n", 120);
        ASSERT_EQ(r.status, 0) << r.out << r.err;
        EXPECT_EQ(r.out.find(" ++> Data file resized for 149 Fairleads") != std::string::npos, e.layout_49());
        EXPECT_EQ(r.out.find(" ++> Version mismatch") == std::string::npos, at_running_version(e));
        const WordFile saved("BREVDAT");
        ASSERT_EQ(saved.words(), static_cast<std::size_t>(kStoredWords));
        const WordFile expected = updated_case(now, older, e);
        std::vector<int> differ;
        for (int k = 1; k <= kStoredWords; ++k)
            if (saved.word(k) != expected.word(k)) differ.push_back(k);
        EXPECT_EQ(differ, std::vector<int>{}) << "words that differ from the updated case";
    }
}

TEST(OlderDataFileRun, EveryVersionClassOfTheSampleShipComesBackWordForWord) {
    every_era_comes_back({"the sample ship", [] { copy_sample(); }});
}

TEST(OlderDataFileRun, EveryVersionClassOfTheSemiSubmersibleComesBackWordForWord) {
    reference::ShipOptions o;
    o.hull = reference::Hull::semi;
    o.units = reference::Units::english;
    every_era_comes_back({"the semi-submersible in feet", [o] { reference::write_reference_ship(o); }});
}

// The other reference cases: the ship in both unit systems and with the tanker drift model, the
// semi-submersible in metres, the disc buoy in both.
TEST(OlderDataFileRun, EveryVersionClassOfTheOtherReferenceCasesComesBackWordForWord) {
    using reference::Hull;
    using reference::ShipOptions;
    using reference::Units;
    struct Named {
        const char* what;
        ShipOptions o;
    };
    const auto with = [](Hull hull, Units units, bool tanker) {
        ShipOptions o;
        o.hull = hull;
        o.units = units;
        o.jonswap_tanker = tanker;
        return o;
    };
    const Named cases[] = {
        {"ship in metres", with(Hull::ship, Units::metric, false)},
        {"ship in feet", with(Hull::ship, Units::english, false)},
        {"ship in metres, tanker drift model", with(Hull::ship, Units::metric, true)},
        {"semi-submersible in metres", with(Hull::semi, Units::metric, false)},
        {"disc buoy in metres", with(Hull::disc, Units::metric, false)},
        {"disc buoy in feet", with(Hull::disc, Units::english, false)},
    };
    for (const Named& c : cases) {
        const ShipOptions o = c.o;
        every_era_comes_back({c.what, [o] { reference::write_reference_ship(o); }});
    }
}

// The sample's "BREVDAT" with `model` as its current model word, stored as a file of `version` held
// it (every word where that layout kept it, the words it lacked left out).
void write_older_sample(float version, std::uint32_t model) {
    copy_sample();
    WordFile sample("BREVDAT");
    sample.set(LCBARG, model);
    const Era e{"", version, 49};
    WordFile older = sample;
    for (int k = 1; k <= kStoredWords; ++k) older.set(k, 0);
    for (int c = 1; c <= kStoredWords; ++c)
        if (const int w = era_word(e, c)) older.set(w, sample.word(c));
    older.set_real(VERNO, version);
    older.set(DAT_ID, 49);
    older.save("BREVDAT");
}

struct OlderFile {
    const char* what;
    float version;
    std::uint32_t stored;   // the current model word as the older version wrote it (nibbles Cx, Cy, Cz)
    std::uint32_t updated;  // the same word after the update: the old NSMB code becomes 15
    bool nsmb_cz;           // the moment coefficient (Cz) is the NSMB model too
};

// Below 5.0 the NSMB current model was code 7 (now the cylindrical vessel); below 4.28 it was 6 (now
// the OCIMF tanker), and 4 stood for what is now 3.
const OlderFile kOlderFiles[] = {
    {"4.95, NSMB in Cy and Cz", 4.95f, 0x774, 0xFF4, true},
    {"4.95, NSMB in every field", 4.95f, 0x777, 0xFFF, true},
    {"4.27, NSMB in every field", 4.27f, 0x666, 0xFFF, true},
    {"4.27, NSMB in Cy", 4.27f, 0x464, 0x3F3, false},
};

// The older file of `c` is loaded with "E" (the version report goes on with Return, the update sends
// the session to the pages), the End of Session page runs it with item 3: the run passes the checks
// and ends with a finite report, which is returned.
std::string load_and_run(const OlderFile& c) {
    write_older_sample(c.version, c.stored);
    const ProgramResult r = run_brevant("E\n\nL\n3\n", 120);
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_NE(r.out.find(" predates simulation (version "), std::string::npos);
    EXPECT_NE(r.out.find(" ++> Data file resized for 149 Fairleads"), std::string::npos);
    EXPECT_EQ(r.out.find("Fatal Warning"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(kRunBanner), std::string::npos);
    const std::string report = std::filesystem::exists("BREVOUT.stxt") ? file_bytes("BREVOUT.stxt") : "";
    EXPECT_NE(report.find("V. Dimensionless Wind and Current Coefficients"), std::string::npos);
    EXPECT_EQ(testing::non_finite_words(report), 0);
    return report;
}

// The sample asks for the current coefficient table (V) and the net loads, so the run computes with
// the current model whatever it is: an old NSMB code is the NSMB model in the run, and a field that
// held another model keeps it.
TEST(OlderDataFileRun, OldNsmbCodeOfTheCurrentModelBecomes15AndTheRunUsesIt) {
    const WordFile sample((std::filesystem::path(BREVANT_SOURCE_DIR) / "examples" / "ship" / "BREVDAT").string());
    for (const OlderFile& c : kOlderFiles) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        const std::string report = load_and_run(c);
        const WordFile saved("BREVDAT");
        ASSERT_EQ(saved.words(), sample.words());
        EXPECT_EQ(saved.integer(DAT_ID), 149);
        EXPECT_EQ(saved.word(LCBARG), c.updated);
        // The vessel and load words of the sample stand under their own names.
        for (int k : {176, 457, 458, 775, 777, 787, 1357, 1359, 1409, 1412, 1419, 1420})
            EXPECT_EQ(saved.word(k), sample.word(k)) << "word " << k;
        const std::string cy = "Beam-on Current Coefficients (Cy) ..  NSMB Tanker '91";
        const std::string cz = "Current Moment Coefficients  (Cz) ..  NSMB Tanker '91";
        EXPECT_NE(report.find(cy), std::string::npos);
        EXPECT_EQ(report.find(cz) != std::string::npos, c.nsmb_cz);
    }
}

// A file that the start brings to this program's form, as the start leaves it on disk before the
// first run, with the Returns its questions take.
struct BroughtFile {
    const char* what;
    std::function<void()> write;  // writes "BREVDAT" (and the sample's "LOWDAT") in the current folder
    int returns;
};

// The sample with WORDS changed on disk.
std::function<void()> sample_with(std::vector<std::pair<int, std::uint32_t>> words) {
    return [words] {
        copy_sample();
        edit_on_disk(words);
    };
}

// The sample written back into the layout of era E.
std::function<void()> sample_of_era(Era e) {
    return [e] {
        copy_sample();
        era_file(WordFile("BREVDAT"), e).save("BREVDAT");
    };
}

// Each file the start asks about, brought to this program's form at the start (updated, resized,
// imported, its increment or version word set to this program's), is saved so by the first save of
// the session, whichever it is: "E" at the title (after the question, the session opens on page 1,
// where "E" runs), "E" on a page, items 1, 3 and 4. The next start asks nothing and saves nothing.
TEST(OlderDataFileRun, AFileTheStartBringsToThisFormIsSavedByTheFirstSave) {
    const BroughtFile files[] = {
        {"an older version, 6.02", sample_of_era({"", 6.02f, 149}), 1},
        {"the 49-line layout at this version", sample_of_era({"", 6.8f, 49}), 1},
        {"another program's file of this version (PELMARO)", sample_with({{2, 3u}}), 1},
        {"a version increment of 1", sample_with({{163, 1u}}), 1},
        // The damaged-file warning and the version report each ask.
        {"a version word that is no number", sample_with({{VERNO, 0x7FC00000u}}), 2},
    };
    struct Save {
        const char* what;
        const char* first;  // the title's answer
        const char* then;   // after the start's questions
        bool run;
    };
    const Save saves[] = {
        {"E at the title, E on page 1", "E\n", "E\n", true},
        {"E on a page", "M\n", "J11\nE\n", true},
        {"item 1", "M\n", "L\n1\n", false},
        {"item 3", "M\n", "L\n3\n", true},
        {"item 4", "M\n", "L\n4\n", true},
    };
    for (const BroughtFile& f : files) {
        for (const Save& v : saves) {
            SCOPED_TRACE(::testing::Message() << f.what << ", " << v.what);
            testing::ScratchDir dir;
            f.write();
            const std::string as_found = file_bytes("BREVDAT");
            const ProgramResult r = run_brevant(v.first + std::string(static_cast<std::size_t>(f.returns), '\n') + v.then, 120);
            EXPECT_EQ(r.status, 0) << r.out << r.err;
            EXPECT_EQ(r.err, "");
            EXPECT_NE(r.out.find(" >>> Input File Characteristics <<< "), std::string::npos);
            EXPECT_EQ(std::filesystem::exists("BREVOUT.stxt"), v.run);
            // The file as found is the back-up; the data file is this program's.
            if (!std::filesystem::exists("BREVBAK")) {
                ADD_FAILURE() << "the first save wrote nothing";
                continue;
            }
            EXPECT_EQ(file_bytes("BREVBAK"), as_found);
            const std::string saved = file_bytes("BREVDAT");
            const WordFile data("BREVDAT");
            if (data.words() != static_cast<std::size_t>(kStoredWords)) {
                ADD_FAILURE() << "the data file holds " << data.words() << " words";
                continue;
            }
            EXPECT_EQ(data.integer(1), kStoredWords);
            EXPECT_EQ(data.integer(2), 16);
            EXPECT_NE(data.integer(DAT_ID), 49);  // the layout of this program
            EXPECT_EQ(data.integer(163), 0);
            EXPECT_EQ(data.real(VERNO), 6.8f);
            // The next start asks nothing, and its run saves nothing.
            const ProgramResult again = run_brevant("E\n", 120);
            EXPECT_EQ(again.status, 0) << again.out << again.err;
            EXPECT_EQ(again.out.find(" >>> Input File Characteristics <<< "), std::string::npos) << again.out;
            EXPECT_EQ(again.out.find("Enter \"A\" to abort"), std::string::npos);
            EXPECT_EQ(file_bytes("BREVDAT"), saved);
            EXPECT_EQ(file_bytes("BREVBAK"), as_found);
        }
    }
}

// A length word larger than the file of this program ("seriously corrupt or from a very early
// version") asks once. Modified ("M"), the start sets the word to this program's length: the first
// save writes it, "E" on a page included, and the next start asks nothing. Executed at the title
// ("E"), the case runs exactly as it was read, so nothing is mended and nothing saved: the next start
// asks again.
TEST(OlderDataFileRun, ADamagedLengthWordIsMendedByModifyOnly) {
    struct Row {
        const char* what;
        const char* answers;
        bool mended;
    };
    const Row rows[] = {
        {"M, then E on a page", "M\n\nE\n", true},
        {"M, then item 1", "M\n\nL\n1\n", true},
        {"E at the title", "E\n\n", false},
    };
    for (const Row& c : rows) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        copy_sample();
        edit_on_disk({{1, 5000u}});
        const std::string as_found = file_bytes("BREVDAT");
        const ProgramResult r = run_brevant(c.answers, 120);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(count_of(r.out, "Enter \"A\" to abort"), 1u);
        EXPECT_EQ(WordFile("BREVDAT").integer(1), c.mended ? kStoredWords : 5000);
        EXPECT_EQ(std::filesystem::exists("BREVBAK"), c.mended);
        const ProgramResult again = run_brevant("E\n\n", 120);
        EXPECT_EQ(again.status, 0) << again.err;
        EXPECT_EQ(count_of(again.out, "Enter \"A\" to abort"), c.mended ? 0u : 1u);
        if (c.mended) {
            EXPECT_EQ(file_bytes("BREVBAK"), as_found);
        }
    }
}

// A start that stops at its question ("A") or refuses the file (another program's file of another
// version, which its own program must update first) says why in one line on standard error, ends
// with status 1, and changes no file of the case.
TEST(OlderDataFileRun, AStartThatStopsSaysWhyOnStandardError) {
    const std::string aborted = std::string(kStartAbortedMessage) + "\n";
    struct Stop {
        const char* what;
        std::function<void()> write;
        const char* answers;
        std::string err;
    };
    const Stop stops[] = {
        {"an older version", sample_of_era({"", 6.02f, 149}), "M\nA\n", aborted},
        {"the 49-line layout", sample_of_era({"", 6.8f, 49}), "E\nA\n", aborted},
        {"another program's file of this version", sample_with({{2, 3u}}), "M\nA\n", aborted},
        {"a version increment", sample_with({{163, 1u}}), "E\nA\n", aborted},
        {"a damaged version word, at its warning", sample_with({{VERNO, 0x7FC00000u}}), "M\nA\n", aborted},
        {"a damaged version word, at the version report", sample_with({{VERNO, 0x7FC00000u}}), "M\n\nA\n", aborted},
        {"a damaged length word", sample_with({{1, 5000u}}), "E\nA\n", aborted},
        {"written on another chip by another version", sample_with({{121, 3u}, {VERNO, real_word(6.5f)}}), "M\nA\n",
         aborted},
        // The wind coefficients of the user table, and no "LOWDAT".
        {"a missing LOWDAT",
         [] {
             copy_sample();
             edit_on_disk({{LWBARG, 273u}});
             std::filesystem::remove("LOWDAT");
         },
         "M\nA\n", aborted},
        {"another program's file of another version",
         sample_with({{2, 3u}, {VERNO, real_word(6.5f)}}), "M\n\n",
         " ++> The data file is a PELMARO file of version 6.50, which this program cannot import: the program stops.\n"},
    };
    for (const Stop& c : stops) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        c.write();
        const std::string data = file_bytes("BREVDAT");
        const ProgramResult r = run_brevant(c.answers, 60);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, c.err) << r.out;
        EXPECT_EQ(file_bytes("BREVDAT"), data);
        EXPECT_FALSE(std::filesystem::exists("BREVBAK"));
    }
}

}  // namespace
}  // namespace brevant::e2e

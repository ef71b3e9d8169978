// End of the edit: saving with two generations of back-up, the loss warning, chaining.
#include "edlib/finish.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "records/coefficient_image.h"
#include "edlib/editor_driver.h"
#include "edlib/loader.h"
#include "records/data_image.h"
#include "sysutl/record_io.h"
#include "sysutl/word_ops.h"
#include "test_support.h"

namespace brevant {
namespace {

namespace fs = std::filesystem;

using testing::big_endian;
using testing::file_bytes;
using testing::put_file;

std::uint32_t file_word(const std::string& bytes, int k) {
    const auto b = [&](int i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[4 * (k - 1) + i])); };
    return (b(0) << 24) | (b(1) << 16) | (b(2) << 8) | b(3);
}

class BackitTest : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_images();
        TPCM.NTOGO = NTOGOQ;
        TPCM.SIMTYP = 16;
        TPCM.LRANDM = 7;
    }
    void TearDown() override {
        reset_images();
        ConsoleTest::TearDown();
    }
    void save(Int IERR1) {
        BACKIT(SCREEN_UNIT, "BrevEdit", 5, NTOGOQ, image_bytes(TPCM), "BREVDAT     ", IERR1, "BREVBAK     ",
               "LASTBAK   ");
    }
};

TEST_F(BackitTest, NewFileIsWrittenWithoutBackups) {
    testing::ScratchDir dir;
    save(1);
    EXPECT_TRUE(fs::exists("BREVDAT"));
    EXPECT_FALSE(fs::exists("BREVBAK"));
    EXPECT_FALSE(fs::exists("LASTBAK"));
    const std::string data = file_bytes("BREVDAT");
    ASSERT_EQ(data.size(), 4u * NTOGOQ);
    EXPECT_EQ(file_word(data, 1), 4975u);
    EXPECT_EQ(file_word(data, 2), 16u);
    EXPECT_EQ(file_word(data, 172), 7u);
}

TEST_F(BackitTest, FirstSaveBacksUpTheFileAsOnDiskAndWritesNoSecondBackup) {
    testing::ScratchDir dir;
    // A short file, as an older program may have left: the back-up keeps its own length.
    const std::string old = big_endian({1987, 16, 3, 4, 5});
    put_file("BREVDAT", old);
    save(0);
    EXPECT_EQ(file_bytes("BREVBAK"), old);
    EXPECT_FALSE(fs::exists("LASTBAK"));
    EXPECT_EQ(file_bytes("BREVDAT").size(), 4u * NTOGOQ);
}

TEST_F(BackitTest, RotationKeepsTwoGenerationsWordForWord) {
    testing::ScratchDir dir;
    // A framed back-up whose first words are zero counts: copied as it is, framing and all.
    const std::string older = big_endian({0, 0, 9, 9, 0});
    const std::string current = big_endian({4975, 16, 42});
    put_file("BREVBAK", older);
    put_file("BREVDAT", current);
    save(0);
    EXPECT_EQ(file_bytes("LASTBAK"), older);
    EXPECT_EQ(file_bytes("BREVBAK"), current);
    EXPECT_EQ(file_word(file_bytes("BREVDAT"), 172), 7u);
    // No temporary file is left behind.
    for (const auto& entry : fs::directory_iterator("."))
        EXPECT_EQ(entry.path().filename().string().find(".brvtmp"), std::string::npos) << entry.path();
}

// A write that fails part-way abandons the whole rotation: the access error names the file, every
// file stays as it was (the back-up staged before it included) and no temporary is left; BACKIT
// hands the decision back to its caller.
TEST_F(BackitTest, FailedWriteIsReportedAndChangesNothing) {
    testing::ScratchDir dir;
    const std::string older = big_endian({1, 2});
    const std::string current = big_endian({4975, 16, 42});
    put_file("BREVBAK", older);
    put_file("BREVDAT", current);
    fs::create_directory("BREVDAT.brvtmp");  // the data file's temporary cannot be made
    answers("\n");
    EXPECT_FALSE(BACKIT(SCREEN_UNIT, "BrevEdit", 5, NTOGOQ, image_bytes(TPCM), "BREVDAT     ", 0, "BREVBAK     ",
                        "LASTBAK   "));
    EXPECT_NE(screen().find(" ++> File not found or file access error in BrevEdit\n     File name: BREVDAT"),
              std::string::npos)
        << screen();
    EXPECT_EQ(file_bytes("BREVDAT"), current);
    EXPECT_EQ(file_bytes("BREVBAK"), older);
    EXPECT_FALSE(fs::exists("LASTBAK"));
    EXPECT_FALSE(fs::exists("BREVBAK.brvtmp"));
    EXPECT_FALSE(fs::exists("LASTBAK.brvtmp"));
}

// FINISH over the session's images and load copies.
class FinishTest : public BackitTest {
protected:
    void SetUp() override {
        BackitTest::SetUp();
        MOVCOM(NTOGOQ, word_span(TPCM), word_span(IOBUF));
        MOVCOM(kLowcofWords, word_span(LOWCOF), word_span(ILOBUF));
        set_case_file_seen(std::nullopt);  // as a load that found no data file
        set_coefficient_file_seen(std::nullopt);  // nor a coefficient file
    }
    // Runs FINISH with LBACK = code; returns the exit status, or -1 when FINISH returned.
    int finish(Int code, Int IERR0 = 0, Int IERR1 = 0, Logical chain = 0, Int CREATQ = 16) {
        TPCM.LBACK = code;
        try {
            FINISH(5, TPCM.SRCDAT, 0, KBD_UNIT, TPCM.LBACK, JMPLOC, image_bytes(TPCM), word_span(IOBUF),
                   image_bytes(LOWCOF), word_span(ILOBUF), TPCM.IPAG, CREATQ, SCREEN_UNIT, IERR0, IERR1, kLowcofWords,
                   NTOGOQ, "BREVDAT     ", "BREVBAK     ", "LOWDAT      ", "LOWBAK      ", "BrevEdit    ", chain);
        } catch (const ProgramEnd& end) {
            return end.status;
        }
        return -1;
    }
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(".")) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    FArray<Int, NTOGOQ> IOBUF{};
    FArray<Int, kLowcofWords> ILOBUF{};
    Int JMPLOC = -7;
};

TEST_F(FinishTest, SaveWithoutChangeWritesNothingAndEnds) {
    testing::ScratchDir dir;
    EXPECT_EQ(finish(-2), 0);
    EXPECT_TRUE(files().empty());
}

TEST_F(FinishTest, ChangedCoefficientsAloneWriteOnlyTheCoefficientFiles) {
    testing::ScratchDir dir;
    put_file("BREVDAT", big_endian({4975, 16}));
    set_case_file_seen(mark_of_file("BREVDAT"));  // the data file as the load read it
    put_file("LOWDAT", big_endian({3, 0, 0, 0}));
    put_file("LOWBAK", big_endian({2, 0}));
    LOWCOF.UWNANG(1) = 45.0f;
    EXPECT_EQ(finish(-2), 0);
    EXPECT_EQ(files(), (std::vector<std::string>{"BREVDAT", "LASTLOW", "LOWBAK", "LOWDAT"}));
    EXPECT_EQ(file_bytes("LASTLOW"), big_endian({2, 0}));
    EXPECT_EQ(file_bytes("LOWBAK"), big_endian({3, 0, 0, 0}));
    EXPECT_EQ(file_bytes("LOWDAT").size(), 4u * kLowcofWords);
    EXPECT_EQ(file_bytes("BREVDAT"), big_endian({4975, 16}));
}

TEST_F(FinishTest, StoredImageHasTheEditorWordsAtZeroAndTheRunMode) {
    testing::ScratchDir dir;
    TPCM.IPAG = 12;
    TPCM.SRCDAT = 3;
    TPCM.LRANDM = 1;  // the edit
    const std::string coefficients(4 * kLowcofWords, '\0');  // the session's, all zero
    put_file("LOWDAT", coefficients);
    set_coefficient_file_seen(mark_of_file("LOWDAT"));  // as the load read it
    EXPECT_EQ(finish(-1983, 0, 1), -1);  // execute: saved, back to the driver
    EXPECT_EQ(JMPLOC, 0);
    const std::string data = file_bytes("BREVDAT");
    for (int k : {6, 700, 701, 702, 703}) EXPECT_EQ(file_word(data, k), 0u) << "word " << k;
    EXPECT_EQ(files(), (std::vector<std::string>{"BREVDAT", "LOWDAT"}));
    EXPECT_EQ(file_bytes("LOWDAT"), coefficients);
}

TEST_F(FinishTest, ExecuteWithoutChangeWritesNothingAndReturns) {
    testing::ScratchDir dir;
    EXPECT_EQ(finish(-1983), -1);
    EXPECT_EQ(JMPLOC, 0);
    EXPECT_TRUE(files().empty());
}

const char* const kLossWarning =
    "\n\n                        >>> WARNING <<<\n\n"
    " This action will result in the loss of data changes to BREVDAT or LOWDAT\n"
    " made during this editing session. If you wish to \"Abort\" this\n"
    " decision and reinspect your data, enter \"A\" below.\n";

TEST_F(FinishTest, ExitWithoutSavingWarnsAndAbortGoesBack) {
    testing::ScratchDir dir;
    TPCM.LRANDM = 1;
    answers("a\n");
    EXPECT_EQ(finish(101), -1);
    EXPECT_EQ(JMPLOC, 1);
    EXPECT_NE(screen().find(kLossWarning), std::string::npos) << screen();
    EXPECT_TRUE(files().empty());
}

TEST_F(FinishTest, ExitWithoutSavingEndsOnReturnWithNothingWritten) {
    testing::ScratchDir dir;
    LOWCOF.NUWNPT = 2;
    answers("\n");
    EXPECT_EQ(finish(101), 0);
    EXPECT_NE(screen().find(kLossWarning), std::string::npos);
    EXPECT_TRUE(files().empty());
}

TEST_F(FinishTest, ExitWithoutSavingAndNoChangeEndsWithoutAWord) {
    testing::ScratchDir dir;
    EXPECT_EQ(finish(101), 0);
    EXPECT_EQ(screen(), "");
    EXPECT_TRUE(files().empty());
}

TEST_F(FinishTest, ChainingWithChangesShowsTheChainingWarning) {
    testing::ScratchDir dir;
    TPCM.LRANDM = 1;
    answers("A\n");
    EXPECT_EQ(finish(101, 0, 0, 1), -1);
    EXPECT_EQ(JMPLOC, 1);
    EXPECT_NE(screen().find(" Changes to BREVDAT, or LOWDAT, or the Vestrakel excursion disk diameter\n"
                            " were detected during this editing session.\n"),
              std::string::npos)
        << screen();
    EXPECT_NE(screen().find(" and your simulation output will likely be seriously compromised.\n"), std::string::npos);
    EXPECT_TRUE(files().empty());
}

// A coefficient file that could not be read at load is written by every save, changed or not, with
// the rotation of a changed image; leaving without saving writes nothing and warns of nothing. A
// file on disk that the load could not read is not replaced without a line saying so; one whose
// counts were held to their tables is saved like a changed file, without that line.
TEST_F(FinishTest, CoefficientFileUnreadAtLoadIsWrittenByASave) {
    struct Case {
        const char* what;
        Int code;
        Int IERR0;
        const char* on_disk;  // "LOWDAT" as it was at load, nullptr when missing
        std::vector<std::string> files;
        const char* screen;
    };
    const std::string short_file = big_endian({3, 0, 0});
    const char* const replaced = " ++> LOWDAT could not be read; a new one is written and the old one kept as LOWBAK\n";
    const Case cases[] = {
        {"missing, save", -2, 1, nullptr, {"LOWDAT"}, ""},
        {"missing, execute", -1983, 1, nullptr, {"LOWDAT"}, ""},
        {"short, save", -2, 4, "short", {"LOWBAK", "LOWDAT"}, replaced},
        {"short, execute", -1983, 4, "short", {"LOWBAK", "LOWDAT"}, replaced},
        {"counts held, save", -2, kLowdatCountsHeld, "short", {"LOWBAK", "LOWDAT"}, ""},
        {"short and gone since the load, save", -2, 4, nullptr, {"LOWDAT"}, ""},
        {"missing, exit without saving", 101, 1, nullptr, {}, ""},
        {"short, exit without saving", 101, 4, "short", {"LOWDAT"}, ""},
        {"read, save", -2, 0, "short", {"LOWDAT"}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        reset_units();
        capture_unit(SCREEN_UNIT);
        if (c.on_disk) put_file("LOWDAT", short_file);
        const int status = finish(c.code, c.IERR0);
        EXPECT_EQ(status, c.code == -1983 ? -1 : 0);
        EXPECT_EQ(screen(), c.screen);
        EXPECT_EQ(files(), c.files);
        if (c.IERR0 == 0 || c.code == 101) {
            if (c.on_disk) {
                EXPECT_EQ(file_bytes("LOWDAT"), short_file);
            }
            continue;
        }
        EXPECT_EQ(file_bytes("LOWDAT").size(), 4u * kLowcofWords);
        if (c.on_disk) {
            EXPECT_EQ(file_bytes("LOWBAK"), short_file);
        }
    }
}

// The line of a save that finds the lock of its folder held by another program.
const char* const kSaveWaits = " >>> Another program holds the lock of this folder: the case is saved once it lets go.\n";

// NAME's bytes, or "(none)" when no file stands there.
std::string bytes_or_none(const std::string& name) { return fs::exists(name) ? file_bytes(name) : "(none)"; }

// What a save that writes NAME (with the back-up BAK and the second back-up BAK2) leaves there, given
// the three files as it found them: NAME holds the session's IMAGE, BAK what NAME held, BAK2 what BAK
// held.
void expect_rotated(const std::map<std::string, std::string>& found, const std::string& image, const char* name,
                    const char* bak, const char* bak2) {
    EXPECT_EQ(file_bytes(name), image);
    EXPECT_EQ(bytes_or_none(bak), found.at(name) != "(none)" ? found.at(name) : found.at(bak));
    EXPECT_EQ(bytes_or_none(bak2), found.at(bak));
}

// A save of the data image leaves the session's whole case on disk: where the coefficient file on
// disk is no longer the one the session read or last wrote (another program has saved its own since,
// be it of the same length or longer and beginning with the session's bytes, or removed it), the
// session's is written with its back-ups rotated, as for a changed one. A file that loaded as it
// stands (longer than its image, or framed) is the session's own, and so is one the session's own
// save wrote: nothing rotates. The files are looked at under the lock of the save: a file another
// program puts in place while the save waits for the lock is seen, and the save says once that it
// waits. A save that writes no data image writes no coefficient file; a type that keeps no
// coefficient file writes none.
TEST_F(FinishTest, ASaveWritesTheSessionsCoefficientFileWhereTheDiskHoldsAnother) {
    enum class Read { Plain, Padded, Framed };  // the session's file as the load read it
    enum class Now { AsRead, Other, SameLength, Longer, None, SavedBySession };  // "LOWDAT" at the save
    struct Case {
        const char* what;
        Read read;
        Now now;
        bool while_waiting;  // NOW put in place by another program holding the lock, at the save's third look
        bool edit;           // the data image was edited
        Int creatq;
        bool written;        // the session's "LOWDAT" is written
    };
    const Case cases[] = {
        {"another program's file", Read::Plain, Now::Other, false, true, 16, true},
        {"another program's file of the same length, one word changed", Read::Plain, Now::SameLength, false, true, 16,
         true},
        {"another program's longer file beginning with the session's", Read::Plain, Now::Longer, false, true, 16, true},
        {"the file removed", Read::Plain, Now::None, false, true, 16, true},
        {"another program's file put in place while the save waits for the lock", Read::Plain, Now::Other, true, true,
         16, true},
        {"the session's file", Read::Plain, Now::AsRead, false, true, 16, false},
        {"the session's file, read with 4 zero bytes after it", Read::Padded, Now::AsRead, false, true, 16, false},
        {"the session's file, read framed", Read::Framed, Now::AsRead, false, true, 16, false},
        {"the file the session's own save of a coefficient edit wrote", Read::Plain, Now::SavedBySession, false, true,
         16, false},
        {"another program's file, no edit", Read::Plain, Now::Other, false, false, 16, false},
        {"another program's file, a type without coefficient file", Read::Plain, Now::Other, false, true, 10, false},
    };
    // The session's file: two wind angles, 0 and 90 degrees.
    std::vector<std::uint32_t> words(kLowcofWords, 0);
    words[0] = 2;
    words[5] = std::bit_cast<std::uint32_t>(90.0f);
    const std::string plain = big_endian(words);
    const std::string padded = plain + std::string(4, '\0');
    const std::string framed = big_endian({4 * kLowcofWords}) + plain + big_endian({4 * kLowcofWords});
    std::vector<std::uint32_t> changed = words;
    changed[6] = std::bit_cast<std::uint32_t>(45.0f);  // another program's third wind angle
    const std::string same_length = big_endian(changed);
    const std::string other = big_endian({680, 5, 5});
    const std::string data = big_endian({4975, 16});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        reset_units();
        capture_unit(SCREEN_UNIT);
        put_file("LOWDAT", c.read == Read::Padded ? padded : c.read == Read::Framed ? framed : plain);
        Int nlow = kLowcofWords, ierr = -1;
        DISKIO(1, nlow, "LOWDAT", DISK_UNIT, ierr, image_bytes(LOWCOF), 5);
        ASSERT_EQ(ierr, 0);
        ASSERT_EQ(LOWCOF.UWNANG(2), 90.0f);
        MOVCOM(kLowcofWords, word_span(LOWCOF), word_span(ILOBUF));
        MOVCOM(NTOGOQ, word_span(TPCM), word_span(IOBUF));
        put_file("BREVDAT", data);
        put_file("LOWBAK", big_endian({1}));
        put_file("LASTLOW", big_endian({9}));
        set_case_file_seen(mark_of_file("BREVDAT"));  // the files as the load read them
        set_coefficient_file_seen(mark_of_file("LOWDAT"));
        if (c.now == Now::SavedBySession) {
            // A save of an edit of the coefficient tables alone (for a run: the session goes on),
            // whose images the session then compares with, as the driver keeps them.
            LOWCOF.UWNANG(1) = 45.0f;
            ASSERT_EQ(finish(-1983), -1);
            ASSERT_NE(file_bytes("LOWDAT"), plain);
            MOVCOM(kLowcofWords, word_span(LOWCOF), word_span(ILOBUF));
            MOVCOM(NTOGOQ, word_span(TPCM), word_span(IOBUF));
        }
        const std::string session = std::string(image_file_bytes(image_bytes(LOWCOF), kLowcofWords).data(),
                                                 4u * kLowcofWords);
        const auto put_now = [&] {
            if (c.now == Now::Other) put_file("LOWDAT", other);
            if (c.now == Now::SameLength) put_file("LOWDAT", same_length);
            if (c.now == Now::Longer) put_file("LOWDAT", padded);
            if (c.now == Now::None) fs::remove("LOWDAT");
        };
        std::optional<testing::LockHolder> holder;
        if (c.while_waiting) {
            holder.emplace(3, put_now);
        } else {
            put_now();
        }
        std::map<std::string, std::string> found;
        for (const char* name : {"LOWDAT", "LOWBAK", "LASTLOW"}) found[name] = bytes_or_none(name);
        if (c.while_waiting) found["LOWDAT"] = other;
        if (c.edit) TPCM.LRANDM = 1;
        EXPECT_EQ(finish(-2, 0, 0, 0, c.creatq), 0);
        EXPECT_EQ(testing::count_of(screen(), kSaveWaits), c.while_waiting ? 1u : 0u) << screen();
        if (holder) {
            EXPECT_EQ(holder->looks(), 3);
        }
        holder.reset();
        EXPECT_EQ(file_bytes("BREVDAT") != data, c.edit);
        if (c.written) {
            expect_rotated(found, session, "LOWDAT", "LOWBAK", "LASTLOW");
        } else {
            for (const auto& [name, bytes] : found) EXPECT_EQ(bytes_or_none(name), bytes) << name;
        }
        TPCM.LRANDM = 7;
    }
}

// The other way round: a save of the coefficient tables alone writes the session's data file too
// when the one on disk is no longer the one the session read or last wrote (another program's save
// since, one made where the load found none, one put in place while the save waits for the lock),
// keeping that file as the back-up; a data file as the session read it, or as its own save of a
// data edit wrote it, stays as it is, and so do its back-ups.
TEST_F(FinishTest, ASaveOfTheCoefficientsWritesTheSessionsDataFileWhereTheDiskHoldsAnother) {
    struct Case {
        const char* what;
        bool read_at_load;      // the load found a data file
        bool other_now;         // another program's data file stands there at the save
        bool while_waiting;     // ... put in place while the save waits for the lock (its third look)
        bool saved_by_session;  // the session saved a data edit before (for a run: it goes on)
        bool written;           // the session's data file is written
    };
    const Case cases[] = {
        {"another program's file since the load", true, true, false, false, true},
        {"a file where the load found none", false, true, false, false, true},
        {"another program's file put in place while the save waits for the lock", true, true, true, false, true},
        {"the file as the session read it", true, false, false, false, false},
        {"no file, as at the load", false, false, false, false, false},
        {"the file the session's own save of a data edit wrote", true, false, false, true, false},
    };
    const std::string read = big_endian({4975, 16, 1});
    const std::string other = big_endian({4975, 16, 2});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::ScratchDir dir;
        reset_units();
        capture_unit(SCREEN_UNIT);
        put_file("BREVBAK", big_endian({4975, 16, 3}));
        if (c.read_at_load) put_file("BREVDAT", read);
        set_case_file_seen(mark_of_file("BREVDAT"));
        if (c.saved_by_session) {
            TPCM.LRANDM = 1;  // the data edit, saved for a run; the images kept as the driver keeps them
            ASSERT_EQ(finish(-1983), -1);
            ASSERT_NE(file_bytes("BREVDAT"), read);
            MOVCOM(NTOGOQ, word_span(TPCM), word_span(IOBUF));
        }
        std::optional<testing::LockHolder> holder;
        if (c.other_now && c.while_waiting) {
            holder.emplace(3, [&] { put_file("BREVDAT", other); });
        } else if (c.other_now) {
            put_file("BREVDAT", other);
        }
        std::map<std::string, std::string> found;
        for (const char* name : {"BREVDAT", "BREVBAK", "LASTBAK"}) found[name] = bytes_or_none(name);
        if (c.while_waiting) found["BREVDAT"] = other;
        LOWCOF.UWNANG(1) = 45.0f;  // the edit: the coefficient tables alone
        EXPECT_EQ(finish(-2, 0, c.read_at_load ? 0 : 1), 0);
        EXPECT_EQ(testing::count_of(screen(), kSaveWaits), c.while_waiting ? 1u : 0u) << screen();
        holder.reset();
        EXPECT_EQ(file_bytes("LOWDAT").size(), 4u * kLowcofWords);
        if (c.written) {
            expect_rotated(found, std::string(image_file_bytes(image_bytes(TPCM), NTOGOQ).data(), 4u * NTOGOQ),
                           "BREVDAT", "BREVBAK", "LASTBAK");
        } else {
            for (const auto& [name, bytes] : found) EXPECT_EQ(bytes_or_none(name), bytes) << name;
        }
        LOWCOF.UWNANG(1) = 0.0f;
        TPCM.LRANDM = 7;
    }
}

// Every file a save writes, each a small framed image of its own (its third word its number).
void put_every_file_of_a_save() {
    std::uint32_t n = 0;
    for (const char* name : {"BREVDAT", "BREVBAK", "LASTBAK", "LOWDAT", "LOWBAK", "LASTLOW"})
        put_file(name, big_endian({4975, 16, ++n}));
}

std::vector<std::pair<std::string, std::string>> contents_here() {
    std::vector<std::pair<std::string, std::string>> all;
    for (const auto& entry : fs::directory_iterator("."))
        all.emplace_back(entry.path().filename().string(), file_bytes(entry.path().string()));
    std::sort(all.begin(), all.end());
    return all;
}

// A file whose owner may not write it (mode bits, whoever runs the program) stops the save before
// anything is written: the access error names it, every file stays as it was, no temporary is left.
TEST_F(FinishTest, AProtectedFileStopsTheSaveBeforeAnythingIsWritten) {
    for (const char* locked : {"BREVDAT", "BREVBAK", "LASTBAK", "LOWDAT", "LOWBAK", "LASTLOW"}) {
        SCOPED_TRACE(locked);
        testing::ScratchDir dir;
        reset_units();
        capture_unit(SCREEN_UNIT);
        put_every_file_of_a_save();
        fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        const auto before = contents_here();
        TPCM.LRANDM = 1;          // both images changed: both groups would be written
        LOWCOF.UWNANG(1) = 45.0f;
        answers("\n");
        // The session goes back to the End of Session page after the message and its pause.
        EXPECT_EQ(finish(-2), -1);
        EXPECT_EQ(JMPLOC, 1);
        EXPECT_NE(screen().find(" ++> File not found or file access error in BrevEdit"), std::string::npos);
        EXPECT_NE(screen().find("     File name: " + std::string(locked)), std::string::npos) << screen();
        EXPECT_EQ(contents_here(), before);
        EXPECT_EQ(fs::status(locked).permissions(),
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        fs::permissions(locked, fs::perms::owner_all);
    }
}

// A save that fails changes no file of either group, and the retry rotates each group once. Four
// ways to fail, for each of the six files: a write that fails part-way (a folder where the file's
// temporary would go, as a full disk or a file-size limit would fail it), a folder standing in the
// file's place, a file the file system has locked, and the file's rename failing after every check
// (a mount point over it: EBUSY). The first three are found before the first rename; the last puts
// back what the save had renamed before it. So a failed save neither rotates the back-ups nor lets
// the retry rotate them a second time and lose the oldest. The access error names the file and
// FINISH goes back to the End of Session page; with the obstacle gone, the same FINISH saves.
TEST_F(FinishTest, AFailedSaveChangesNothingAndTheRetryRotatesEachGroupOnce) {
    enum class Obstacle { TemporaryFolder, FolderInPlace, LockedFile, RenameFails };
    const char* const names[] = {"BREVDAT", "BREVBAK", "LASTBAK", "LOWDAT", "LOWBAK", "LASTLOW"};
    // The order in which the save renames its files into place, after the rename of its record.
    const char* const rename_order[] = {"LASTLOW", "LOWBAK", "LOWDAT", "LASTBAK", "BREVBAK", "BREVDAT"};
    testing::SkippedRows skipped;
    for (const Obstacle obstacle :
         {Obstacle::TemporaryFolder, Obstacle::FolderInPlace, Obstacle::LockedFile, Obstacle::RenameFails}) {
        for (const char* blocked : names) {
            const std::string what = std::string(blocked) + " obstacle " + std::to_string(static_cast<int>(obstacle));
            SCOPED_TRACE(what);
            testing::ScratchDir dir;
            reset_units();
            capture_unit(SCREEN_UNIT);
            int n = 0;
            for (const char* name : names) put_file(name, big_endian({4975, 16, static_cast<std::uint32_t>(++n)}));
            const auto before = contents_here();
            const std::string temporary = std::string(blocked) + ".brvtmp";
            std::optional<testing::LockedFile> locked;
            std::optional<testing::RenameFaults> fault;
            switch (obstacle) {
                case Obstacle::TemporaryFolder: fs::create_directory(temporary); break;
                case Obstacle::FolderInPlace:
                    fs::rename(blocked, "kept");
                    fs::create_directories(std::string(blocked) + "/inside");
                    break;
                case Obstacle::LockedFile:
                    locked.emplace(blocked);
                    if (!locked->locked()) {
                        skipped.add(what);
                        continue;
                    }
                    break;
                case Obstacle::RenameFails: {
                    const auto at = std::find(std::begin(rename_order), std::end(rename_order), std::string(blocked));
                    fault.emplace(static_cast<int>(at - std::begin(rename_order)) + 2, 1, EBUSY);
                    break;
                }
            }
            TPCM.LRANDM = 1;  // both images changed: both groups are written
            LOWCOF.UWNANG(1) = 45.0f;
            answers("\n");
            EXPECT_EQ(finish(-1983), -1);
            EXPECT_EQ(JMPLOC, 1);
            EXPECT_NE(screen().find(" ++> File not found or file access error in BrevEdit"), std::string::npos);
            EXPECT_NE(screen().find("     File name: " + std::string(blocked)), std::string::npos) << screen();
            EXPECT_NE(screen().find("Press <RETURN> to continue: "), std::string::npos);
            switch (obstacle) {
                case Obstacle::TemporaryFolder: fs::remove(temporary); break;
                case Obstacle::FolderInPlace:
                    EXPECT_TRUE(fs::is_directory(std::string(blocked) + "/inside"));
                    fs::remove_all(blocked);
                    fs::rename("kept", blocked);
                    break;
                case Obstacle::LockedFile: locked.reset(); break;
                case Obstacle::RenameFails: fault.reset(); break;
            }
            EXPECT_EQ(contents_here(), before);  // no file changed, no temporary or kept copy left

            // The session tries again with the same images and load copies.
            EXPECT_EQ(finish(-1983), -1);
            EXPECT_EQ(JMPLOC, 0);
            EXPECT_EQ(file_word(file_bytes("BREVDAT"), 172), 1u);
            EXPECT_EQ(file_bytes("BREVBAK"), big_endian({4975, 16, 1}));
            EXPECT_EQ(file_bytes("LASTBAK"), big_endian({4975, 16, 2}));
            EXPECT_EQ(file_bytes("LOWBAK"), big_endian({4975, 16, 4}));
            EXPECT_EQ(file_bytes("LASTLOW"), big_endian({4975, 16, 5}));
            EXPECT_EQ(file_bytes("LOWDAT").size(), 4u * kLowcofWords);
            EXPECT_EQ(files().size(), 6u);
        }
    }
    if (skipped.any()) GTEST_SKIP() << skipped.text();
}

// A save refused because something of an earlier save stands in its way (the record of a save that
// was not finished, a kept copy without its record) or because another program has held the lock of
// the folder past the 30 s the save waits for it (having said once that it waits) says why in words
// and what to do, not that a file cannot be accessed; nothing is written, the session goes back to
// the End of Session page after the pause, and once the obstacle is gone the same FINISH saves.
TEST_F(FinishTest, ASaveRefusedByAnEarlierSaveOrARunningOneSaysWhyInWords) {
    struct Row {
        const char* what;
        const char* put;  // the file in the way ("" for the lock of another program)
        std::vector<std::string> lines;
    };
    const Row rows[] = {
        {"the record of a save not finished", "BREVSAVE.brvjournal",
         {" ++> No save is made here while BREVSAVE.brvjournal stands: the record of a save that was not finished.",
          "     Start the program again in this folder: it finishes or undoes that save. If it says it cannot,",
          "     keep under each name the file you want (NAME.brvtmp holds the new content, NAME.brvold the old),",
          "     then delete BREVSAVE.brvjournal and the NAME.brvtmp and NAME.brvold files that are left."}},
        {"a kept copy of the data file", "BREVDAT.brvold",
         {" ++> No save replaces BREVDAT while BREVDAT.brvold stands beside it: the copy an earlier save kept of it.",
          "     BREVDAT is as that save left it; BREVDAT.brvold holds what it replaced.",
          "     Move BREVDAT.brvold elsewhere or delete it, then save again."}},
        {"a kept copy of a back-up", "LASTLOW.brvold",
         {" ++> No save replaces LASTLOW while LASTLOW.brvold stands beside it: the copy an earlier save kept of it.",
          "     LASTLOW is as that save left it; LASTLOW.brvold holds what it replaced.",
          "     Move LASTLOW.brvold elsewhere or delete it, then save again."}},
        {"another program holding the lock past the wait", "",
         {" ++> Another program has held the lock of this folder for 30 s: no save is made.",
          "     Save again once that program has ended."}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        testing::ScratchDir dir;
        reset_units();
        capture_unit(SCREEN_UNIT);
        put_every_file_of_a_save();
        std::optional<testing::LockHolder> holder;
        if (*row.put != '\0') {
            put_file(row.put, "in the way");
        } else {
            holder.emplace(0);
        }
        const auto before = contents_here();
        const std::string old_data = file_bytes("BREVDAT");
        TPCM.LRANDM = 1;  // both images changed: both groups are written
        LOWCOF.UWNANG(1) = 45.0f;
        answers("\n");
        EXPECT_EQ(finish(-2), -1);
        EXPECT_EQ(JMPLOC, 1);
        std::string expected = "\n";
        for (const std::string& line : row.lines) expected += line + "\n";
        expected += " \n Press <RETURN> to continue: ";
        EXPECT_NE(screen().find(expected), std::string::npos) << screen();
        EXPECT_EQ(screen().find("File not found"), std::string::npos) << screen();
        EXPECT_EQ(contents_here(), before);
        if (holder) {
            EXPECT_EQ(testing::count_of(screen(), kSaveWaits), 1u) << screen();
            EXPECT_LT(screen().find(kSaveWaits), screen().find(expected));
            EXPECT_GE(platform::clock_seconds(), 30.0);
            EXPECT_LT(platform::clock_seconds(), 30.1);
        }

        if (*row.put != '\0') {
            fs::remove(row.put);
        } else {
            holder.reset();
        }
        EXPECT_EQ(finish(-1983), -1);
        EXPECT_EQ(JMPLOC, 0);
        EXPECT_EQ(files().size(), 6u);
        EXPECT_EQ(file_bytes("BREVBAK"), old_data);
    }
}

// A first save whose new files had no old ones (no back-ups yet, no coefficient file): a rename that
// fails removes again the files the save had newly put in place. The first rename is the one that
// puts the record of the save in place: when it fails, the save names the record and touches nothing.
TEST_F(FinishTest, AFailedRenameRemovesTheFilesTheSaveHadNewlyMade) {
    const char* const named[] = {"BREVSAVE.brvjournal", "LOWDAT", "BREVBAK", "BREVDAT"};
    for (int failing = 1; failing <= 4; ++failing) {
        SCOPED_TRACE(failing);
        testing::ScratchDir dir;
        reset_units();
        capture_unit(SCREEN_UNIT);
        put_file("BREVDAT", big_endian({4975, 16, 1}));
        const auto before = contents_here();
        TPCM.LRANDM = 1;
        answers("\n");
        {
            const testing::RenameFaults fault(failing, 1, EIO);
            // The record, LOWDAT (missing at load), then BREVBAK and BREVDAT.
            EXPECT_EQ(finish(-1983, 1, 0), -1);
        }
        EXPECT_EQ(JMPLOC, 1);
        EXPECT_NE(screen().find(std::string("     File name: ") + named[failing - 1]), std::string::npos) << screen();
        EXPECT_EQ(contents_here(), before);
    }
}

// The line that a coefficient file the load could not read is replaced comes once the new file is
// in place, never before a save that then fails.
TEST_F(FinishTest, TheReplacedCoefficientFileIsToldOfOnlyOnceTheSaveIsDone) {
    testing::ScratchDir dir;
    const std::string short_file = big_endian({3, 0, 0});
    put_file("LOWDAT", short_file);
    put_file("BREVDAT", big_endian({4975, 16, 1}));
    TPCM.LRANDM = 1;
    const char* const replaced = " ++> LOWDAT could not be read; a new one is written and the old one kept as LOWBAK\n";
    answers("\n");
    {
        const testing::RenameFaults fault(5, 1, EIO);  // BREVDAT, after the record, LOWBAK, LOWDAT and BREVBAK
        EXPECT_EQ(finish(-1983, 4, 0), -1);
    }
    EXPECT_EQ(JMPLOC, 1);
    EXPECT_EQ(screen().find(replaced), std::string::npos) << screen();
    EXPECT_EQ(file_bytes("LOWDAT"), short_file);
    EXPECT_EQ(files(), (std::vector<std::string>{"BREVDAT", "LOWDAT"}));
    clear_captured(SCREEN_UNIT);
    EXPECT_EQ(finish(-1983, 4, 0), -1);
    EXPECT_EQ(JMPLOC, 0);
    EXPECT_EQ(screen(), replaced);
    EXPECT_EQ(file_bytes("LOWBAK"), short_file);
}

// A case folder marked append-only takes the temporaries but lets none be renamed or removed: the
// save finds it before writing anything, names the folder, and leaves no temporary behind.
TEST_F(FinishTest, AnAppendOnlyCaseFolderIsNamedBeforeAnythingIsWritten) {
    testing::ScratchDir dir;
    put_every_file_of_a_save();
    const auto before = contents_here();
    testing::AppendOnlyFolder folder(".");
    if (!folder.marked()) GTEST_SKIP() << "the file system cannot mark a folder append-only here";
    TPCM.LRANDM = 1;
    LOWCOF.UWNANG(1) = 45.0f;
    answers("\n");
    EXPECT_EQ(finish(-2), -1);
    EXPECT_EQ(JMPLOC, 1);
    EXPECT_NE(screen().find(" ++> File not found or file access error in BrevEdit    \n     File name: " +
                            fs::current_path().string() + "/\n"),
              std::string::npos)
        << screen();
    folder.lift();
    EXPECT_EQ(contents_here(), before);
}

// A silent run has nobody at its console: its failed save writes the message to "Diagnostics.stxt"
// without a pause, says on standard error that the run cannot start naming the file, and gives the
// access error with its pause on the screen, where the run was chosen. With an edit no save has kept
// FINISH goes back to the End of Session page; with nothing unsaved since the load the program ends
// there (status 1). Every file stays as it was.
TEST_F(FinishTest, AFailedSaveOfASilentRunIsToldOnTheScreen) {
    for (const bool edited : {true, false}) {
        SCOPED_TRACE(edited ? "an edit unsaved" : "nothing unsaved");
        testing::ScratchDir dir;
        reset_units();
        capture_unit(SCREEN_UNIT);
        capture_unit(SILENT_UNIT);
        capture_unit(0);
        reset_session();
        put_file("BREVDAT", big_endian({4975, 16, 1}));
        fs::permissions("BREVDAT", fs::perms::owner_read);
        const auto before = contents_here();
        TPCM.LRANDM = 1;  // what FINISH saves: it differs from the copy FINISH is given
        // The session's own load copies: the case as loaded, or already holding that value.
        if (edited) {
            MOVCOM(NTOGOQ, word_span(IOBUF), word_span(SESSION.COPIES.IOBUF));
        } else {
            MOVCOM(NTOGOQ, word_span(TPCM), word_span(SESSION.COPIES.IOBUF));
        }
        MOVCOM(kLowcofWords, word_span(LOWCOF), word_span(SESSION.COPIES.ILOBUF));
        TPCM.LBACK = -1983;
        answers("\n");
        int status = -1;
        try {
            FINISH(5, TPCM.SRCDAT, 0, KBD_UNIT, TPCM.LBACK, JMPLOC, image_bytes(TPCM), word_span(IOBUF),
                   image_bytes(LOWCOF), word_span(ILOBUF), TPCM.IPAG, 16, SILENT_UNIT, 0, 0, kLowcofWords, NTOGOQ,
                   "BREVDAT     ", "BREVBAK     ", "LOWDAT      ", "LOWBAK      ", "BrevEdit    ", 0);
        } catch (const ProgramEnd& end) {
            status = end.status;
        }
        if (edited) {
            EXPECT_EQ(status, -1);
            EXPECT_EQ(JMPLOC, 1);
        } else {
            EXPECT_EQ(status, 1);
        }
        const std::string error =
            " ++> File not found or file access error in BrevEdit    \n     File name: BREVDAT     \n";
        EXPECT_NE(silent().find(error), std::string::npos) << silent();
        EXPECT_NE(screen().find(error + " \n Press <RETURN> to continue: "), std::string::npos) << screen();
        EXPECT_EQ(captured(0), " ++> The silent run cannot start: \"BREVDAT\" cannot be written.\n");
        EXPECT_EQ(contents_here(), before);
        fs::permissions("BREVDAT", fs::perms::owner_all);
    }
    reset_session();
}

// Every file a save replaces keeps its permission bits: data file, coefficient file and back-ups.
TEST_F(FinishTest, ReplacedFilesKeepTheirMode) {
    testing::ScratchDir dir;
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;  // 0640
    const auto other = fs::perms::owner_read | fs::perms::owner_write;                        // 0600
    int n = 0;
    for (const char* name : {"BREVDAT", "BREVBAK", "LASTBAK", "LOWDAT", "LOWBAK", "LASTLOW"}) {
        put_file(name, big_endian({4975, 16, static_cast<std::uint32_t>(++n)}));
        fs::permissions(name, n % 2 == 0 ? mode : other);
    }
    TPCM.LRANDM = 1;
    LOWCOF.UWNANG(1) = 45.0f;
    EXPECT_EQ(finish(-2), 0);
    n = 0;
    for (const char* name : {"BREVDAT", "BREVBAK", "LASTBAK", "LOWDAT", "LOWBAK", "LASTLOW"})
        EXPECT_EQ(fs::status(name).permissions(), ++n % 2 == 0 ? mode : other) << name;
    EXPECT_EQ(file_word(file_bytes("BREVDAT"), 172), 1u);
    EXPECT_EQ(file_bytes("BREVBAK"), big_endian({4975, 16, 1}));
}

TEST(ChainSqual, UnknownComputerCodeEndsTheRun) {
    reset_units();
    capture_unit(SCREEN_UNIT);
    try {
        CHAIN_SQUAL(7);
        FAIL();
    } catch (const ProgramEnd& end) {
        EXPECT_EQ(end.status, 1);
    }
    EXPECT_EQ(captured(SCREEN_UNIT), "++> Undefined OS type! Aborting out of CHAIN_SQUAL\n");
    reset_units();
}

// Puts a folder in front of the process's search path, and the path back as it was when it goes
// out of scope, whether the test goes on or a call throws.
class PathInFront {
public:
    explicit PathInFront(const fs::path& folder) {
        const char* path = std::getenv("PATH");
        if (path) old_ = path;
        ::setenv("PATH", (folder.string() + (path ? ":" + *old_ : std::string())).c_str(), 1);
    }
    ~PathInFront() {
        if (old_) {
            ::setenv("PATH", old_->c_str(), 1);
        } else {
            ::unsetenv("PATH");
        }
    }
    PathInFront(const PathInFront&) = delete;
    PathInFront& operator=(const PathInFront&) = delete;

private:
    std::optional<std::string> old_;
};

TEST(ChainSqual, KnownCodesRunTheSquallProgramAndWait) {
    const char* before = std::getenv("PATH");
    const std::string path_before = before ? before : "";
    for (Int code : {5, 21}) {
        testing::ScratchDir dir;
        // A stand-in squall program on the search path leaves a mark when it runs.
        {
            std::ofstream script("VestraKel");
            script << "#!/bin/sh\necho ran > chained.txt\nexit 3\n";
        }
        fs::permissions("VestraKel", fs::perms::owner_all);
        {
            const PathInFront path(dir.path());
            EXPECT_NO_THROW(CHAIN_SQUAL(code));  // the exit status 3 is ignored
        }
        EXPECT_EQ(file_bytes("chained.txt"), "ran\n") << "code " << code;
        EXPECT_EQ(std::getenv("PATH") ? std::string(std::getenv("PATH")) : "", path_before);
    }
}

}  // namespace
}  // namespace brevant

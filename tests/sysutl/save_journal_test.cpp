// The record a save keeps of its files: what it holds comes back whole, and a record that is not
// whole, names a file outside its folder, a file the save does not write, or one file twice, is not
// read at all.
#include "sysutl/save_journal.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace brevant {
namespace {

bool operator==(const JournalEntry& a, const JournalEntry& b) {
    return a.name == b.name && a.existed == b.existed && a.new_file == b.new_file &&
           (!a.existed || a.old_file == b.old_file);
}

// The published check values of 64-bit FNV-1a.
TEST(SaveJournal, TheMarkIsTheLengthAndTheFnv1aChecksum) {
    EXPECT_EQ(mark_of(std::string("")), (FileMark{0, 0xcbf29ce484222325ull}));
    EXPECT_EQ(mark_of(std::string("a")), (FileMark{1, 0xaf63dc4c8601ec8cull}));
    EXPECT_EQ(mark_of(std::string("foobar")), (FileMark{6, 0x85944171f73967e8ull}));
}

// The files a save writes, as the start passes them: here the names of the sample entries below.
const std::vector<std::string> kNames = {"LASTLOW", "BREVDAT", "A NAME WITH BLANKS"};

std::vector<JournalEntry> sample_entries() {
    return {{"LASTLOW", true, {12, 0x0123456789abcdefull}, {2720, 0xfedcba9876543210ull}},
            {"BREVDAT", false, {}, {19900, 1}},
            {"A NAME WITH BLANKS", true, {0, 0xcbf29ce484222325ull}, {3, 42}}};
}

TEST(SaveJournal, TheRecordComesBackAsItWasWritten) {
    const auto entries = sample_entries();
    const auto read = read_journal_text(journal_text(entries), kNames);
    ASSERT_TRUE(read.has_value());
    ASSERT_EQ(read->size(), entries.size());
    for (std::size_t k = 0; k < entries.size(); ++k) EXPECT_TRUE((*read)[k] == entries[k]) << k;
}

// A record cut anywhere, or with any one bit changed, is not read.
TEST(SaveJournal, ARecordThatIsNotWholeIsNotRead) {
    const std::string text = journal_text(sample_entries());
    for (std::size_t n = 0; n < text.size(); ++n)
        EXPECT_FALSE(read_journal_text(text.substr(0, n), kNames).has_value()) << "cut to " << n;
    for (std::size_t k = 0; k < text.size(); ++k) {
        for (int bit = 0; bit < 8; ++bit) {
            std::string damaged = text;
            damaged[k] = static_cast<char>(damaged[k] ^ (1 << bit));
            EXPECT_FALSE(read_journal_text(damaged, kNames).has_value()) << "byte " << k << " bit " << bit;
        }
    }
    EXPECT_FALSE(read_journal_text(text + "x\n", kNames).has_value());
}

// Even a whole record moves nothing outside its own folder, and holds at least one file; so even
// when the caller's names hold such a name.
TEST(SaveJournal, ARecordNamingAFileElsewhereIsNotRead) {
    for (const std::string name : {"../BREVDAT", "case/BREVDAT", "/tmp/BREVDAT", ".", ".."}) {
        SCOPED_TRACE(name);
        const std::string allowed[] = {name};
        EXPECT_FALSE(read_journal_text(journal_text({{name, false, {}, {1, 2}}}), allowed).has_value());
    }
    EXPECT_FALSE(read_journal_text(journal_text({}), kNames).has_value());
}

// A whole record is read only when each name it holds is one of the files the caller's save writes
// and none comes twice: the start would otherwise remove a file of the user's that the record says
// the save added, or act twice on one file with a content it never held.
TEST(SaveJournal, ARecordNamingAFileTheSaveDoesNotWriteOrOneTwiceIsNotRead) {
    const std::vector<std::string> save_files = {"BREVDAT", "BREVBAK", "LASTBAK", "LOWDAT", "LOWBAK", "LASTLOW"};
    const JournalEntry dat{"BREVDAT", true, {19900, 7}, {19900, 8}};
    const JournalEntry low{"LOWDAT", true, {2720, 9}, {2720, 10}};
    const auto named = [](const char* name) { return JournalEntry{name, false, {}, {5, 6}}; };
    struct Row {
        const char* what;
        std::vector<JournalEntry> entries;
        bool read;
    };
    const Row rows[] = {
        {"every file a save writes, each once",
         {named("LASTLOW"), named("LOWBAK"), low, named("LASTBAK"), named("BREVBAK"), dat}, true},
        {"the data file alone", {dat}, true},
        {"a file of the user's beside the coefficient file", {named("notes.txt"), low}, false},
        {"the data file twice, as replaced and as added", {dat, JournalEntry{"BREVDAT", false, {}, {19900, 7}}}, false},
        {"the data file twice, the same line", {low, dat, dat}, false},
        {"a back-up twice, apart", {named("LOWBAK"), low, named("LOWBAK")}, false},
        {"a name of a save file in small letters", {named("brevdat")}, false},
        {"a name of a save file with a trailing blank", {named("BREVDAT ")}, false},
        {"a temporary of a save file", {named("BREVDAT.brvtmp")}, false},
        {"a kept copy of a save file", {named("BREVDAT.brvold")}, false},
        {"the record itself", {named("BREVSAVE.brvjournal")}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const auto read = read_journal_text(journal_text(row.entries), save_files);
        ASSERT_EQ(read.has_value(), row.read);
        if (read) {
            ASSERT_EQ(read->size(), row.entries.size());
            for (std::size_t k = 0; k < read->size(); ++k) EXPECT_TRUE((*read)[k] == row.entries[k]) << k;
        }
    }
    // The names allowed are the caller's, not a list of the reader's own.
    const std::string others[] = {"A", "C"};
    EXPECT_TRUE(read_journal_text(journal_text({named("C"), named("A")}), others).has_value());
    EXPECT_FALSE(read_journal_text(journal_text({named("C"), named("A")}), save_files).has_value());
    EXPECT_FALSE(read_journal_text(journal_text({dat}), others).has_value());
}

// The record's last line for BODY: "end" and the checksum of everything before it, so that a record
// damaged on purpose is whole by its checksum and only its content can refuse it.
std::string closed(const std::string& body) {
    char sum[17];
    std::snprintf(sum, sizeof sum, "%016llx", static_cast<unsigned long long>(mark_of(body).sum));
    return body + "end " + sum + "\n";
}

// Records whose checksum matches but whose content is not what a save writes: none is read.
TEST(SaveJournal, AWholeRecordWithAnythingButItsOwnLinesIsNotRead) {
    const std::string head = "brevant save record 1\n";
    const std::string one = "new 4 0123456789abcdef none BREVDAT\n";
    const std::string two = "new 8 0123456789abcdef old 4 00000000000000ff BREVBAK\n";
    const std::string names[] = {"BREVDAT", "BREVBAK"};
    ASSERT_TRUE(read_journal_text(closed(head + "files 1\n" + one), names).has_value());
    ASSERT_TRUE(read_journal_text(closed(head + "files 2\n" + one + two), names).has_value());
    struct Row {
        const char* what;
        std::string text;
    };
    const Row rows[] = {
        {"a checksum of 15 digits", closed(head + "files 1\n" + "new 4 123456789abcdef none BREVDAT\n")},
        {"an old checksum of 15 digits", closed(head + "files 1\n" + "new 8 0123456789abcdef old 4 0000000000000ff BREVBAK\n")},
        {"a checksum of 17 digits", closed(head + "files 1\n" + "new 4 00123456789abcdef none BREVDAT\n")},
        {"more entry lines than the count", closed(head + "files 1\n" + one + two)},
        {"fewer entry lines than the count", closed(head + "files 3\n" + one + two)},
        {"a count of 0", closed(head + "files 0\n")},
        {"capital hexadecimal digits", closed(head + "files 1\n" + "new 4 0123456789ABCDEF none BREVDAT\n")},
        {"another head", closed("brevant save record 2\nfiles 1\n" + one)},
    };
    for (const Row& row : rows) EXPECT_FALSE(read_journal_text(row.text, names).has_value()) << row.what;
}

// A name the system would cut at a NUL ("BREVDAT<NUL>x" is "BREVDAT" to it), or one with any other
// byte that is not a printable character, makes the record unreadable, however whole it is, and
// even when the caller's names hold it.
TEST(SaveJournal, ARecordNamingAFileWithAnythingButPrintableCharactersIsNotRead) {
    const std::string names[] = {std::string("BREVDAT\0x", 9), std::string("\0", 1), std::string("..\0", 3),
                                 "BREV\tDAT", "BREVDAT\r", "BREV\x7f", "BR\xc3\x89VDAT", "\x1b[2J"};
    for (const std::string& name : names) {
        SCOPED_TRACE(::testing::PrintToString(name));
        const std::vector<JournalEntry> entries = {{"LASTBAK", true, {1, 2}, {3, 4}}, {name, false, {}, {5, 6}}};
        const std::string allowed[] = {"LASTBAK", name};
        EXPECT_FALSE(read_journal_text(journal_text(entries), allowed).has_value());
    }
    // Blanks and every other printable character stay readable.
    const std::vector<JournalEntry> printable = {{" !\"#$%&'()*+,-.0123456789:;<=>?@AZ[\\]^_`az{|}~", false, {}, {5, 6}}};
    const std::string allowed[] = {printable[0].name};
    EXPECT_TRUE(read_journal_text(journal_text(printable), allowed).has_value());
}

}  // namespace
}  // namespace brevant

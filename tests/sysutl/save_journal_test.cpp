// The record a save keeps of its files: what it holds comes back whole, and a record that is not
// whole, or names a file outside its folder, is not read at all.
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

std::vector<JournalEntry> sample_entries() {
    return {{"LASTLOW", true, {12, 0x0123456789abcdefull}, {2720, 0xfedcba9876543210ull}},
            {"BREVDAT", false, {}, {19900, 1}},
            {"A NAME WITH BLANKS", true, {0, 0xcbf29ce484222325ull}, {3, 42}}};
}

TEST(SaveJournal, TheRecordComesBackAsItWasWritten) {
    const auto entries = sample_entries();
    const auto read = read_journal_text(journal_text(entries));
    ASSERT_TRUE(read.has_value());
    ASSERT_EQ(read->size(), entries.size());
    for (std::size_t k = 0; k < entries.size(); ++k) EXPECT_TRUE((*read)[k] == entries[k]) << k;
}

// A record cut anywhere, or with any one bit changed, is not read.
TEST(SaveJournal, ARecordThatIsNotWholeIsNotRead) {
    const std::string text = journal_text(sample_entries());
    for (std::size_t n = 0; n < text.size(); ++n)
        EXPECT_FALSE(read_journal_text(text.substr(0, n)).has_value()) << "cut to " << n;
    for (std::size_t k = 0; k < text.size(); ++k) {
        for (int bit = 0; bit < 8; ++bit) {
            std::string damaged = text;
            damaged[k] = static_cast<char>(damaged[k] ^ (1 << bit));
            EXPECT_FALSE(read_journal_text(damaged).has_value()) << "byte " << k << " bit " << bit;
        }
    }
    EXPECT_FALSE(read_journal_text(text + "x\n").has_value());
}

// Even a whole record moves nothing outside its own folder, and holds at least one file.
TEST(SaveJournal, ARecordNamingAFileElsewhereIsNotRead) {
    for (const char* name : {"../BREVDAT", "case/BREVDAT", "/tmp/BREVDAT", ".", ".."}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(read_journal_text(journal_text({{name, false, {}, {1, 2}}})).has_value());
    }
    EXPECT_FALSE(read_journal_text(journal_text({})).has_value());
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
    ASSERT_TRUE(read_journal_text(closed(head + "files 1\n" + one)).has_value());
    ASSERT_TRUE(read_journal_text(closed(head + "files 2\n" + one + two)).has_value());
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
    for (const Row& row : rows) EXPECT_FALSE(read_journal_text(row.text).has_value()) << row.what;
}

// A name the system would cut at a NUL ("BREVDAT<NUL>x" is "BREVDAT" to it), or one with any other
// byte that is not a printable character, makes the record unreadable, however whole it is.
TEST(SaveJournal, ARecordNamingAFileWithAnythingButPrintableCharactersIsNotRead) {
    const std::string names[] = {std::string("BREVDAT\0x", 9), std::string("\0", 1), std::string("..\0", 3),
                                 "BREV\tDAT", "BREVDAT\r", "BREV\x7f", "BR\xc3\x89VDAT", "\x1b[2J"};
    for (const std::string& name : names) {
        SCOPED_TRACE(::testing::PrintToString(name));
        const std::vector<JournalEntry> entries = {{"LASTBAK", true, {1, 2}, {3, 4}}, {name, false, {}, {5, 6}}};
        EXPECT_FALSE(read_journal_text(journal_text(entries)).has_value());
    }
    // Blanks and every other printable character stay readable.
    const std::vector<JournalEntry> printable = {{" !\"#$%&'()*+,-.0123456789:;<=>?@AZ[\\]^_`az{|}~", false, {}, {5, 6}}};
    EXPECT_TRUE(read_journal_text(journal_text(printable)).has_value());
}

}  // namespace
}  // namespace brevant

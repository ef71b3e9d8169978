// The record a save keeps of its files: what it holds comes back whole, and a record that is not
// whole, or names a file outside its folder, is not read at all.
#include "sysutl/save_journal.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace brevant

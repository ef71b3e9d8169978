// Framed binary records: the bytes on disk, the round trip through a file, and the damaged files a
// reader must refuse instead of reading past them.
#include "sysutl/binary_records.h"

#include <gtest/gtest.h>

#include <string>

#include "sysutl/report_files.h"
#include "sysutl/units.h"
#include "test_support.h"

namespace brevant {
namespace {

class BinaryRecords : public testing::ConsoleTest {};

constexpr Int kUnit = 13;

TEST_F(BinaryRecords, RecordIsFramedByLittleEndianByteCounts) {
    testing::ScratchDir dir;
    RHOPEN("REC", 0, 0, 0, kUnit, "TEST", SCREEN_UNIT, 5);
    BinaryRecord r;
    r.add_int(3).add_real(1.0f).add_logical(true);
    ASSERT_TRUE(write_binary_record(kUnit, r));
    HCLOSE(kUnit, "REC", "TEST", SCREEN_UNIT);
    const std::string expected("\x0c\x00\x00\x00"
                               "\x03\x00\x00\x00"
                               "\x00\x00\x80\x3f"
                               "\x01\x00\x00\x00"
                               "\x0c\x00\x00\x00",
                               20);
    EXPECT_EQ(testing::file_bytes("REC"), expected);
}

TEST_F(BinaryRecords, WhatOneRunWritesAnotherReadsBackInOrder) {
    testing::ScratchDir dir;
    RHOPEN("REC", 0, 0, 0, kUnit, "TEST", SCREEN_UNIT, 5);
    BinaryRecord a;
    a.add_int(-7);
    BinaryRecord b;
    b.add_real(-2.5f).add_logical(false).add_real(1.0e-30f);
    BinaryRecord empty;
    ASSERT_TRUE(write_binary_record(kUnit, a));
    ASSERT_TRUE(write_binary_record(kUnit, b));
    ASSERT_TRUE(write_binary_record(kUnit, empty));
    HCLOSE(kUnit, "REC", "TEST", SCREEN_UNIT);

    RHOPEN("REC", 0, 1, 0, kUnit, "TEST", SCREEN_UNIT, 5);
    BinaryRecord r;
    ASSERT_EQ(read_binary_record(kUnit, r), RecordRead::Ok);
    EXPECT_EQ(r.get_int(), -7);
    EXPECT_EQ(r.bytes_left(), 0u);
    ASSERT_EQ(read_binary_record(kUnit, r), RecordRead::Ok);
    EXPECT_EQ(r.get_real(), -2.5f);
    EXPECT_FALSE(r.get_logical());
    EXPECT_EQ(r.get_real(), 1.0e-30f);
    EXPECT_TRUE(r.ok());
    // Reading past the record's contents fails and gives zero.
    EXPECT_EQ(r.get_int(), 0);
    EXPECT_FALSE(r.ok());
    ASSERT_EQ(read_binary_record(kUnit, r), RecordRead::Ok);
    EXPECT_EQ(r.bytes_left(), 0u);
    EXPECT_EQ(read_binary_record(kUnit, r), RecordRead::End);
    HCLOSE(kUnit, "REC", "TEST", SCREEN_UNIT);
}

TEST_F(BinaryRecords, DamagedFilesAreReadErrorsNotReadsPastTheEnd) {
    testing::ScratchDir dir;
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"count cut short", std::string("\x04\x00", 2)},
        {"contents cut short", std::string("\x08\x00\x00\x00\x01\x00\x00\x00", 8)},
        {"huge count", std::string("\xff\xff\xff\x7f\x01\x00\x00\x00\x01\x00\x00\x00", 12)},
        {"counts differ", std::string("\x04\x00\x00\x00\x01\x00\x00\x00\x08\x00\x00\x00", 12)},
        {"trailing count missing", std::string("\x04\x00\x00\x00\x01\x00\x00\x00", 8)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::put_file("BAD", c.bytes);
        RHOPEN("BAD", 0, 1, 0, kUnit, "TEST", SCREEN_UNIT, 5);
        BinaryRecord r;
        EXPECT_EQ(read_binary_record(kUnit, r), RecordRead::Error);
        HCLOSE(kUnit, "BAD", "TEST", SCREEN_UNIT);
    }
}

TEST_F(BinaryRecords, UnitThatIsNotOpenIsRefused) {
    BinaryRecord r;
    r.add_int(1);
    EXPECT_FALSE(write_binary_record(kUnit, r));
    EXPECT_EQ(read_binary_record(kUnit, r), RecordRead::End);
}

}  // namespace
}  // namespace brevant

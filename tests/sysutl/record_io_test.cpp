// Whole-image record I/O: exact big-endian files, framed and unframed reads, length codes, the short
// coefficient file, and writes that never leave a broken file behind.
#include "sysutl/record_io.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "records/coefficient_image.h"
#include "records/data_image.h"
#include "test_support.h"

namespace brevant {
namespace {

namespace fs = std::filesystem;
using testing::file_bytes;
using testing::ScratchDir;
using testing::write_words;

std::vector<std::uint32_t> counting_words(std::size_t n, std::uint32_t start = 1) {
    std::vector<std::uint32_t> w(n);
    for (std::size_t k = 0; k < n; ++k) w[k] = start + static_cast<std::uint32_t>(k);
    return w;
}

class RecordIo : public ::testing::Test {
protected:
    void SetUp() override { reset_images(); }
    void TearDown() override { reset_images(); }
    ScratchDir dir_;
};

TEST_F(RecordIo, WritesExactlyNtogoBigEndianWordsAndReplacesALongerFile) {
    TPCM.NTOGO = 4975;
    TPCM.SIMTYP = 16;
    TPCM.SEMCOM_LAST = 1.0f;
    write_words("BREVDAT", counting_words(6000));  // an older, longer file
    Int ntogo = 4975, ierr = -1;
    DISKIO(0, ntogo, "BREVDAT     ", 1, ierr, image_bytes(TPCM), 5);
    EXPECT_EQ(ierr, 0);
    EXPECT_EQ(ntogo, 4975);
    const std::string bytes = file_bytes("BREVDAT");
    ASSERT_EQ(bytes.size(), 19900u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x00\x00\x13\x6F\x00\x00\x00\x10", 8));
    EXPECT_EQ(bytes.substr(19896, 4), std::string("\x3F\x80\x00\x00", 4));  // 1.0f, word 4975
    // Only the file itself is left in the folder: the temporary name is gone.
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);
}

TEST_F(RecordIo, WritesANewFile) {
    Int ntogo = 680, ierr = -1;
    LOWCOF.NUWNPT = 3;
    DISKIO(0, ntogo, "LOWDAT", 1, ierr, image_bytes(LOWCOF), 5);
    EXPECT_EQ(ierr, 0);
    EXPECT_EQ(file_bytes("LOWDAT").size(), 2720u);
    EXPECT_EQ(file_bytes("LOWDAT").substr(0, 4), std::string("\x00\x00\x00\x03", 4));
}

// Read cases of the data file: the file's words, NTOGO given, and what comes back.
struct ReadCase {
    const char* label;
    std::vector<std::uint32_t> file;  // empty: no file at all
    Int ierr;
    Int ntogo_after;
    int first_data;  // index in `file` of the first data word
    int copied;      // words copied to the image
};

TEST_F(RecordIo, ReadsFramedAndUnframedFilesWithTheirLengthCodes) {
    std::vector<std::uint32_t> framed = counting_words(4975, 100);
    framed.insert(framed.begin(), 19900u);
    framed.push_back(19900u);
    framed[1] = 4975;  // the data's own first word, the stored length
    std::vector<std::uint32_t> exact = counting_words(4975, 7);
    const ReadCase cases[] = {
        {"unframed, exact", exact, 0, 4975, 0, 4975},
        {"short", counting_words(4900, 7), 4, 4900, 0, 4900},
        {"long", counting_words(5000, 7), 4, 5000, 0, 4975},
        {"framed", framed, 0, 4975, 1, 4975},
        // Too short to hold the two leading words: nothing is read into the image.
        {"one word only", {4975u}, 4, 1, 0, 0},
        {"missing", {}, 1, 4975, 0, 0},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.label);
        fs::remove("BREVDAT");
        if (!c.file.empty()) write_words("BREVDAT", c.file);
        // Sentinel in every word, so untouched words show.
        for (int k = 1; k <= 5000; ++k) TPCM.set_IDUM(k, -5);
        Int ntogo = 4975, ierr = -1;
        DISKIO(1, ntogo, "BREVDAT     ", 1, ierr, image_bytes(TPCM), 5);
        EXPECT_EQ(ierr, c.ierr);
        EXPECT_EQ(ntogo, c.ntogo_after);
        for (int k = 1; k <= c.copied; ++k)
            ASSERT_EQ(static_cast<std::uint32_t>(TPCM.IDUM(k)), c.file[static_cast<std::size_t>(c.first_data + k - 1)])
                << "word " << k;
        for (int k = c.copied + 1; k <= 5000; ++k) ASSERT_EQ(TPCM.IDUM(k), -5) << "word " << k << " was touched";
    }
}

TEST_F(RecordIo, AFileTooShortForItsTwoLeadingWordsLeavesTheImageAsItWas) {
    struct Case {
        const char* name;
        std::vector<std::uint32_t> file;
        Int ntogo;
    };
    const Case cases[] = {
        {"BREVDAT", {}, 4975},    // an empty file
        {"BREVDAT", {7u}, 4975},  // one word
        {"LOWDAT", {}, 680},
        {"LOWDAT", {3u}, 680},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " of " + std::to_string(c.file.size()) + " words");
        write_words(c.name, c.file);
        std::vector<Int> image(5000, -5);
        Int ntogo = c.ntogo, ierr = -1;
        DISKIO(1, ntogo, c.name, 1, ierr, std::as_writable_bytes(std::span(image)), 5);
        EXPECT_EQ(ierr, 4);
        EXPECT_EQ(ntogo, static_cast<Int>(c.file.size()));
        for (std::size_t k = 0; k < image.size(); ++k) ASSERT_EQ(image[k], -5) << "word " << k + 1 << " was touched";
    }
}

TEST_F(RecordIo, AFramedFileReadsTheSameWithAnotherMachineCode) {
    std::vector<std::uint32_t> framed = counting_words(4975, 3);
    framed.insert(framed.begin(), 19900u);
    framed[1] = 4975;
    framed.push_back(19900u);
    write_words("BREVDAT", framed);
    Int ntogo = 4975, ierr = -1;
    DISKIO(1, ntogo, "BREVDAT", 1, ierr, image_bytes(TPCM), 21);
    EXPECT_EQ(ierr, 0);
    EXPECT_EQ(ntogo, 4975);
    EXPECT_EQ(TPCM.NTOGO, 4975);
    EXPECT_EQ(static_cast<std::uint32_t>(TPCM.IDUM(4975)), framed[4975]);
}

TEST_F(RecordIo, AFramedFileClaimingMoreWordsThanItHoldsIsReadOnAnotherMachineCode) {
    // A damaged framed file: its leading byte count claims 4975 words (19900 bytes), but the file
    // ends after 99 data words, with no trailing count. Only the words present are taken.
    std::vector<std::uint32_t> file = counting_words(100, 2);
    file[0] = 19900u;
    file[1] = 4975;  // the data's own first word, the stored length: the file looks framed
    write_words("BREVDAT", file);
    for (const Int machine : {21, 3}) {
        SCOPED_TRACE(machine);
        for (int k = 1; k <= 5000; ++k) TPCM.set_IDUM(k, -5);
        Int ntogo = 4975, ierr = -1;
        DISKIO(1, ntogo, "BREVDAT", 1, ierr, image_bytes(TPCM), machine);
        EXPECT_EQ(ierr, 4);
        EXPECT_EQ(ntogo, 99);
        for (int k = 1; k <= 99; ++k)
            ASSERT_EQ(static_cast<std::uint32_t>(TPCM.IDUM(k)), file[static_cast<std::size_t>(k)]) << "word " << k;
        for (int k = 100; k <= 5000; ++k) ASSERT_EQ(TPCM.IDUM(k), -5) << "word " << k << " was touched";
    }
}

TEST_F(RecordIo, TextWordsAreStoredAsTheirValueAndReadBackUnchanged) {
    TPCM.NTOGO = 4975;
    TPCM.SIMTYP = 16;
    TPCM.CID1P.assign("ABCD");
    Int ntogo = 4975, ierr = -1;
    DISKIO(0, ntogo, "BREVDAT", 1, ierr, image_bytes(TPCM), 5);
    ASSERT_EQ(ierr, 0);
    const std::string word60 = file_bytes("BREVDAT").substr(4 * 59, 4);
    EXPECT_EQ(word60, std::endian::native == std::endian::little ? "DCBA" : "ABCD");
    reset_tpcm();
    DISKIO(1, ntogo, "BREVDAT", 1, ierr, image_bytes(TPCM), 5);
    EXPECT_EQ(ierr, 0);
    EXPECT_EQ(TPCM.CID1P.trimmed(), "ABCD");
}

TEST_F(RecordIo, WholeImageRoundTrip) {
    for (int k = 1; k <= NTOGOQ; ++k) TPCM.set_IDUM(k, k * 7919 - 3000000);
    TPCM.VERNO = 6.05f;
    TPCM.MORCOM_LAST = 99;  // beyond the stored words: not written, not read
    std::vector<std::byte> before(image_bytes(TPCM).begin(), image_bytes(TPCM).end());
    Int ntogo = NTOGOQ, ierr = -1;
    DISKIO(0, ntogo, "BREVDAT", 1, ierr, image_bytes(TPCM), 5);
    ASSERT_EQ(ierr, 0);
    reset_tpcm();
    DISKIO(1, ntogo, "BREVDAT", 1, ierr, image_bytes(TPCM), 5);
    EXPECT_EQ(ierr, 0);
    EXPECT_EQ(std::memcmp(image_bytes(TPCM).data(), before.data(), 4 * NTOGOQ), 0);
    EXPECT_EQ(TPCM.MORCOM_LAST, 0);
}

TEST_F(RecordIo, CoefficientFileCountsAndFraming) {
    std::vector<std::uint32_t> framed = counting_words(680, 11);
    framed.insert(framed.begin(), 2720u);
    framed.push_back(2720u);
    struct Case {
        const char* label;
        std::vector<std::uint32_t> file;
        Int ierr;
        Int ntogo_after;
        int first_data;
        int copied;
    };
    const Case cases[] = {
        {"exact", counting_words(680, 11), 0, 680, 0, 680},
        {"framed by 2720", framed, 0, 680, 1, 680},
        {"longer: 680 words taken", counting_words(700, 11), 0, 680, 0, 680},
        // A short file reports its real count and leaves no stale words behind its end.
        {"short", counting_words(600, 11), 4, 600, 0, 600},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        write_words("LOWDAT", c.file);
        for (int k = 1; k <= 680; ++k) LOWCOF.set_ILOWCF(k, -9);
        Int ntogo = 680, ierr = -1;
        DISKIO(1, ntogo, "LOWDAT      ", 1, ierr, image_bytes(LOWCOF), 5);
        EXPECT_EQ(ierr, c.ierr);
        EXPECT_EQ(ntogo, c.ntogo_after);
        for (int k = 1; k <= c.copied; ++k)
            ASSERT_EQ(static_cast<std::uint32_t>(LOWCOF.ILOWCF(k)), c.file[static_cast<std::size_t>(c.first_data + k - 1)]);
        for (int k = c.copied + 1; k <= 680; ++k) ASSERT_EQ(LOWCOF.ILOWCF(k), 0) << "stale word " << k;
    }
}

TEST_F(RecordIo, AFileLongerThanTheWorkBufferYieldsItsBound) {
    write_words("BIG", counting_words(static_cast<std::size_t>(kDiskioMaxWords) + 5));
    std::vector<Int> buffer(static_cast<std::size_t>(kDiskioMaxWords) + 5, 0);
    Int ntogo = kDiskioMaxWords + 5, ierr = -1;
    DISKIO(1, ntogo, "BIG", 21, ierr, std::as_writable_bytes(std::span(buffer)), 5);
    EXPECT_EQ(ierr, 4);
    EXPECT_EQ(ntogo, kDiskioMaxWords);
    EXPECT_EQ(buffer[static_cast<std::size_t>(kDiskioMaxWords) - 1], kDiskioMaxWords);
    EXPECT_EQ(buffer[static_cast<std::size_t>(kDiskioMaxWords)], 0);
}

TEST_F(RecordIo, AWriteThatCannotCreateItsFileReportsIt) {
    Int ntogo = 4975, ierr = -1;
    DISKIO(0, ntogo, "no-such-folder/BREVDAT", 1, ierr, image_bytes(TPCM), 5);
    EXPECT_EQ(ierr, 3);  // neither opened nor created
    // More words asked for than the image holds: nothing is written.
    std::array<Int, 10> small{};
    ntogo = 11;
    DISKIO(0, ntogo, "SMALL", 1, ierr, std::as_writable_bytes(std::span(small)), 5);
    EXPECT_EQ(ierr, 3);
    EXPECT_FALSE(fs::exists("SMALL"));
}

TEST_F(RecordIo, AWriteThatFailsBeforeTheRenameLeavesTheOldFile) {
    write_words("BREVDAT", counting_words(4975));
    const std::string old = file_bytes("BREVDAT");
    fs::create_directory("BREVDAT.brvtmp");  // the temporary name is taken: the new file cannot be made
    Int ntogo = 4975, ierr = -1;
    TPCM.NTOGO = 1;
    DISKIO(0, ntogo, "BREVDAT", 1, ierr, image_bytes(TPCM), 5);
    EXPECT_EQ(ierr, 2);
    EXPECT_EQ(file_bytes("BREVDAT"), old);
}

TEST_F(RecordIo, AFailedWriteInAReadOnlyFolderLeavesTheOldFile) {
    write_words("BREVDAT", counting_words(4975));
    const std::string old = file_bytes("BREVDAT");
    fs::permissions(".", fs::perms::owner_write, fs::perm_options::remove);
    {
        std::ofstream probe("probe");
        if (probe.is_open()) {  // privileges override folder permissions here: nothing to show
            probe.close();
            fs::permissions(".", fs::perms::owner_write, fs::perm_options::add);
            GTEST_SKIP() << "folder permissions are not enforced for this user";
        }
    }
    Int ntogo = 4975, ierr = -1;
    TPCM.NTOGO = 1;
    DISKIO(0, ntogo, "BREVDAT", 1, ierr, image_bytes(TPCM), 5);
    fs::permissions(".", fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(ierr, 2);
    EXPECT_EQ(file_bytes("BREVDAT"), old);
}

// The mode bits decide, not the user's privileges: a file its owner may not write is left as it is
// (root included), and a file that is replaced keeps the bits it had.
TEST_F(RecordIo, AProtectedFileIsNotReplacedAndAReplacedFileKeepsItsMode) {
    struct Case {
        fs::perms mode;
        bool replaced;
    };
    const Case cases[] = {
        {fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read, false},  // 0444
        {fs::perms::owner_read, false},                                                   // 0400
        {fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read, true},   // 0640
        {fs::perms::owner_read | fs::perms::owner_write, true},                           // 0600
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        write_words("BREVDAT", counting_words(10));
        const std::string old = file_bytes("BREVDAT");
        fs::permissions("BREVDAT", c.mode);
        Int ntogo = 4975, ierr = -1;
        TPCM.NTOGO = 4975;
        DISKIO(0, ntogo, "BREVDAT     ", 1, ierr, image_bytes(TPCM), 5);
        EXPECT_EQ(ierr, c.replaced ? 0 : 2);
        EXPECT_EQ(file_bytes("BREVDAT").size(), c.replaced ? 4u * 4975 : old.size());
        EXPECT_EQ(fs::status("BREVDAT").permissions(), c.mode);
        EXPECT_FALSE(fs::exists("BREVDAT.brvtmp"));
        fs::permissions("BREVDAT", fs::perms::owner_all);
        fs::remove("BREVDAT");
    }
}

}  // namespace
}  // namespace brevant

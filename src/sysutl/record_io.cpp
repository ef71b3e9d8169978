// Whole-image record I/O: big-endian word files, written beside the old file and renamed over it
// (alone, or with the other files of a save in progress), read plain or framed by byte-count words.
#include "sysutl/record_io.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "sysutl/report_files.h"
#include "sysutl/save_files.h"
#include "sysutl/staged_files.h"

namespace brevant {

namespace {

constexpr Int kCoefficientWords = 680;
constexpr std::int64_t kCoefficientFrame = 4 * kCoefficientWords;  // 2720 bytes

// Word k (0-based) of the caller's image as the 32-bit value it holds in memory, and its replacement.
std::uint32_t image_word_at(std::span<const std::byte> image, std::size_t k) {
    std::uint32_t v;
    std::memcpy(&v, image.data() + 4 * k, 4);
    return v;
}
void set_image_word_at(std::span<std::byte> image, std::size_t k, std::uint32_t v) {
    std::memcpy(image.data() + 4 * k, &v, 4);
}

// The file stores every word big-endian, characters included: a word is converted as the value it
// holds, so on a little-endian machine each group of four characters lands reversed in the file.
void put_big_endian(std::uint32_t v, char* out) {
    out[0] = static_cast<char>((v >> 24) & 0xFFu);
    out[1] = static_cast<char>((v >> 16) & 0xFFu);
    out[2] = static_cast<char>((v >> 8) & 0xFFu);
    out[3] = static_cast<char>(v & 0xFFu);
}
std::uint32_t get_big_endian(const char* in) {
    const auto b = [&](int i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(in[i])); };
    return (b(0) << 24) | (b(1) << 16) | (b(2) << 8) | b(3);
}


void write_image(Int& NTOGO, std::string_view name, Int& IERR, std::span<const std::byte> IDUM) {
    namespace fs = std::filesystem;
    // The original is "opened as an existing file" when there is one; a new name adds 1 to a failure.
    std::error_code ec;  // a missing file is no error here
    const Int missing = fs::exists(name_on_disk(name), ec) ? 0 : 1;
    if (NTOGO < 0 || static_cast<std::size_t>(NTOGO) > IDUM.size() / 4) {
        IERR = missing + 2;  // more words asked for than the image holds: nothing is written
        return;
    }
    const std::vector<char> bytes = image_file_bytes(IDUM, NTOGO);
    JoinedSave joined;
    switch (joined.save().stage(name, bytes)) {
        case StageResult::Staged: break;
        case StageResult::Protected: IERR = 2; return;
        case StageResult::NotClosed: IERR = kDiskioCloseFailed; return;
        case StageResult::FolderRefused:
        case StageResult::LockHeld:
        case StageResult::RecordStands:
        case StageResult::NotCreated:
        case StageResult::NotWritten: IERR = missing + 2; return;
    }
    IERR = joined.finish().empty() ? 0 : missing + 2;
}

void read_image(Int& NTOGO, const std::string& name, bool coefficient, Int& IERR, std::span<std::byte> IDUM,
                Int CMPUTR) {
    namespace fs = std::filesystem;
    std::error_code ec;
    std::ifstream in;
    if (fs::is_regular_file(name, ec)) in.open(name, std::ios::binary);
    if (!in.is_open()) {
        IERR = 1;  // the caller's image and NTOGO stay as they were
        return;
    }
    // Every word the file holds, up to the work-buffer bound; a read error ends the words found.
    std::vector<char> bytes(4 * static_cast<std::size_t>(kDiskioMaxWords));
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    const auto found = static_cast<std::size_t>(in.gcount()) / 4;
    std::vector<std::uint32_t> words(found);
    for (std::size_t k = 0; k < found; ++k) words[k] = get_big_endian(bytes.data() + 4 * k);

    // A file too short to hold the two leading words cannot be read at all: the image keeps every word
    // it had, and NTOGO says how many words the file held.
    if (found < 2) {
        IERR = 4;
        NTOGO = static_cast<Int>(found);
        in.clear();
        in.close();
        if (in.fail()) IERR = kDiskioCloseFailed;
        return;
    }

    std::size_t first = 0;  // first data word in `words`
    std::size_t count = found;
    const std::int64_t n1 = static_cast<Int>(words[0]);
    const std::int64_t n2 = static_cast<Int>(words[1]);
    const bool framed = coefficient ? n1 == kCoefficientFrame : n1 == 4 * n2;
    if (framed) {
        first = 1;
        if (CMPUTR == 5) {
            count = found - 2;  // the leading and trailing byte counts are dropped
        } else {
            // The byte count says how many data words follow it; never more than the file holds.
            count = static_cast<std::size_t>(std::clamp<std::int64_t>(n1 / 4, 0, static_cast<std::int64_t>(found - 1)));
        }
    }
    if (coefficient && count > static_cast<std::size_t>(kCoefficientWords)) count = kCoefficientWords;

    const std::size_t room = IDUM.size() / 4;
    const std::size_t wanted = static_cast<std::size_t>(std::max<Int>(NTOGO, 0));
    const std::size_t copy = std::min({count, wanted, room});
    for (std::size_t k = 0; k < copy; ++k) set_image_word_at(IDUM, k, words[first + k]);
    // A short coefficient file must not leave words of an earlier read behind its end.
    if (coefficient)
        for (std::size_t k = copy; k < std::min(wanted, room); ++k) set_image_word_at(IDUM, k, 0);

    IERR = count != wanted ? 4 : 0;
    NTOGO = static_cast<Int>(count);
    in.clear();  // reaching the end of the file is not a failure of the close
    in.close();
    if (in.fail()) IERR = kDiskioCloseFailed;
}

}  // namespace

std::vector<char> image_file_bytes(std::span<const std::byte> IDUM, Int NTOGO) {
    const std::size_t words = std::min(static_cast<std::size_t>(std::max<Int>(NTOGO, 0)), IDUM.size() / 4);
    std::vector<char> bytes(4 * words);
    for (std::size_t k = 0; k < words; ++k) put_big_endian(image_word_at(IDUM, k), bytes.data() + 4 * k);
    return bytes;
}

void DISKIO(Int IORW, Int& NTOGO, std::string_view DATFIL, [[maybe_unused]] Int IOUNIT, Int& IERR,
            std::span<std::byte> IDUM, Int CMPUTR) {
    const std::string name = name_on_disk(DATFIL);
    if (IORW == 0) {
        write_image(NTOGO, DATFIL, IERR, IDUM);
    } else {
        const bool coefficient = DATFIL.substr(0, 6) == "LOWDAT";
        read_image(NTOGO, name, coefficient, IERR, IDUM, CMPUTR);
    }
}

}  // namespace brevant

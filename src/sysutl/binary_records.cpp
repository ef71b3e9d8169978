// Framed records of the sequential binary files.
#include "sysutl/binary_records.h"

#include <array>
#include <bit>
#include <cstdint>
#include <span>
#include <utility>

#include "sysutl/units.h"

namespace brevant {

namespace {

std::array<std::byte, 4> le_bytes(std::uint32_t w) {
    return {std::byte(w & 0xFFu), std::byte((w >> 8) & 0xFFu), std::byte((w >> 16) & 0xFFu),
            std::byte((w >> 24) & 0xFFu)};
}

std::uint32_t le_word(const std::byte* b) {
    return std::to_integer<std::uint32_t>(b[0]) | (std::to_integer<std::uint32_t>(b[1]) << 8) |
           (std::to_integer<std::uint32_t>(b[2]) << 16) | (std::to_integer<std::uint32_t>(b[3]) << 24);
}

}  // namespace

void BinaryRecord::put_word(std::uint32_t w) {
    const auto b = le_bytes(w);
    bytes_.insert(bytes_.end(), b.begin(), b.end());
}

std::uint32_t BinaryRecord::take_word() {
    if (bytes_.size() - next_ < 4) {
        ok_ = false;
        next_ = bytes_.size();
        return 0;
    }
    const std::uint32_t w = le_word(bytes_.data() + next_);
    next_ += 4;
    return w;
}

BinaryRecord& BinaryRecord::add_int(Int v) {
    put_word(static_cast<std::uint32_t>(v));
    return *this;
}

BinaryRecord& BinaryRecord::add_real(Real v) {
    put_word(std::bit_cast<std::uint32_t>(v));
    return *this;
}

BinaryRecord& BinaryRecord::add_logical(bool v) {
    put_word(v ? 1u : 0u);
    return *this;
}

Int BinaryRecord::get_int() { return static_cast<Int>(take_word()); }

Real BinaryRecord::get_real() { return std::bit_cast<Real>(take_word()); }

bool BinaryRecord::get_logical() { return take_word() != 0u; }

void BinaryRecord::assign(std::vector<std::byte> bytes) {
    bytes_ = std::move(bytes);
    next_ = 0;
    ok_ = true;
}

bool write_binary_record(Int unit, const BinaryRecord& record) {
    if (!unit_is_open(unit)) return false;
    const std::vector<std::byte>& body = record.bytes();
    const auto count = le_bytes(static_cast<std::uint32_t>(body.size()));
    return write_unit_bytes(unit, count) && write_unit_bytes(unit, body) && write_unit_bytes(unit, count);
}

RecordRead read_binary_record(Int unit, BinaryRecord& record) {
    if (unit_bytes_left(unit) == 0) return RecordRead::End;
    std::array<std::byte, 4> head{};
    if (!read_unit_bytes(unit, head)) return RecordRead::Error;
    const std::uint32_t n = le_word(head.data());
    // A count read from the file is trusted no further than the file reaches: a damaged count
    // must not ask for more memory than the file holds.
    if (static_cast<std::uint64_t>(n) + 4u > unit_bytes_left(unit)) return RecordRead::Error;
    std::vector<std::byte> body(n);
    std::array<std::byte, 4> tail{};
    if (!read_unit_bytes(unit, body) || !read_unit_bytes(unit, tail)) return RecordRead::Error;
    if (le_word(tail.data()) != n) return RecordRead::Error;
    record.assign(std::move(body));
    return RecordRead::Ok;
}

}  // namespace brevant

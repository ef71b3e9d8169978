// Sequential binary files of records: each record is framed by its byte count, a 4-byte
// little-endian integer, before and after its contents, so that one run's files can be read back
// by another. Integers, reals and logicals take 4 bytes each, little-endian; a logical is 1 for
// true and 0 for false (any other non-zero value reads as true).
#pragma once

#include <cstddef>
#include <vector>

#include "sysutl/ftypes.h"

namespace brevant {

// The contents of one record, built value by value for a write or taken apart after a read.
class BinaryRecord {
public:
    BinaryRecord& add_int(Int v);
    BinaryRecord& add_real(Real v);
    BinaryRecord& add_logical(bool v);

    // Values in the order they were added; a get past the end of the record fails (ok() false) and
    // gives 0.
    Int get_int();
    Real get_real();
    bool get_logical();
    bool ok() const { return ok_; }
    // Bytes not yet taken by a get.
    std::size_t bytes_left() const { return bytes_.size() - next_; }

    const std::vector<std::byte>& bytes() const { return bytes_; }
    void assign(std::vector<std::byte> bytes);

private:
    void put_word(std::uint32_t w);
    std::uint32_t take_word();
    std::vector<std::byte> bytes_;
    std::size_t next_ = 0;
    bool ok_ = true;
};

// Writes one framed record on a unit opened for writing (RHOPEN binary). False when the unit is
// not open or the write failed.
bool write_binary_record(Int unit, const BinaryRecord& record);

enum class RecordRead {
    Ok,     // one whole record read
    End,    // the file ended before the record began
    Error,  // a record cut short, a count larger than what is left, or the two counts differ
};

// Reads the next framed record of a unit opened for reading.
RecordRead read_binary_record(Int unit, BinaryRecord& record);

}  // namespace brevant

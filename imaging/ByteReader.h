#pragma once
// ByteReader: the one input type of every decoder. A read-only view of the
// whole encoded file with a cursor; every read is bounds-checked and a read
// past the end sets the failed flag and yields zeros, so a decoder checks
// failed() (or remaining()) instead of trusting header fields.

#include <cstddef>
#include <cstdint>
#include <span>

namespace pictavo {

using ByteView = std::span<const std::uint8_t>;

class ByteReader {
public:
    explicit ByteReader(ByteView data) : data_(data) {}

    std::size_t size() const { return data_.size(); }
    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return data_.size() - pos_; }
    bool failed() const { return failed_; }
    ByteView data() const { return data_; }

    // Moves the cursor; a position beyond the end fails.
    bool seek(std::size_t position);
    bool skip(std::size_t count);

    std::uint8_t u8();
    std::uint16_t le16();
    std::uint32_t le32();
    std::uint16_t be16();
    std::uint32_t be32();
    std::int16_t sle16() { return static_cast<std::int16_t>(le16()); }
    std::int32_t sle32() { return static_cast<std::int32_t>(le32()); }

    // A view of the next count bytes (empty and failed when fewer remain).
    ByteView bytes(std::size_t count);

private:
    ByteView data_;
    std::size_t pos_ = 0;
    bool failed_ = false;
};

}  // namespace pictavo

#include "imaging/ByteReader.h"

namespace pictavo {

bool ByteReader::seek(std::size_t position) {
    if (position > data_.size()) {
        failed_ = true;
        pos_ = data_.size();
        return false;
    }
    pos_ = position;
    return true;
}

bool ByteReader::skip(std::size_t count) {
    if (count > remaining()) return seek(data_.size() + 1);
    return seek(pos_ + count);
}

std::uint8_t ByteReader::u8() {
    if (remaining() < 1) {
        failed_ = true;
        return 0;
    }
    return data_[pos_++];
}

std::uint16_t ByteReader::le16() {
    const ByteView b = bytes(2);
    return b.empty() ? 0 : static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

std::uint32_t ByteReader::le32() {
    const ByteView b = bytes(4);
    if (b.empty()) return 0;
    return std::uint32_t(b[0]) | (std::uint32_t(b[1]) << 8) | (std::uint32_t(b[2]) << 16) |
           (std::uint32_t(b[3]) << 24);
}

std::uint16_t ByteReader::be16() {
    const ByteView b = bytes(2);
    return b.empty() ? 0 : static_cast<std::uint16_t>((b[0] << 8) | b[1]);
}

std::uint32_t ByteReader::be32() {
    const ByteView b = bytes(4);
    if (b.empty()) return 0;
    return (std::uint32_t(b[0]) << 24) | (std::uint32_t(b[1]) << 16) |
           (std::uint32_t(b[2]) << 8) | std::uint32_t(b[3]);
}

ByteView ByteReader::bytes(std::size_t count) {
    if (count > remaining()) {
        failed_ = true;
        pos_ = data_.size();
        return {};
    }
    const ByteView view = data_.subspan(pos_, count);
    pos_ += count;
    return view;
}

}  // namespace pictavo

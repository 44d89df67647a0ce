#include "imaging/picture/DibImage.h"

namespace pictavo {

namespace {

constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBitfields = 3;
constexpr std::uint32_t kAlphaBitfields = 6;

bool headerIsBottomUp(ByteView info) {
    if (info.size() < kInfoHeaderSize)
        return true;
    ByteReader reader(info);
    if (reader.le32() == kCoreHeaderSize)
        return true;
    reader.seek(8);
    return reader.sle32() >= 0;
}

DibImage decodeWith(DibDecoder decode, ByteView info, ByteView bits) {
    if (info.size() < kCoreHeaderSize)
        return {};
    return {decode(info, bits), headerIsBottomUp(info)};
}

}  // namespace

std::size_t dibInfoSize(ByteView packed) {
    ByteReader reader(packed);
    const std::uint32_t headerSize = reader.le32();
    if (reader.failed() || headerSize < kCoreHeaderSize || headerSize > packed.size())
        return 0;
    std::uint64_t size = headerSize;
    if (headerSize == kCoreHeaderSize) {
        reader.seek(10);
        const int bitCount = reader.le16();
        if (bitCount <= 8)
            size += 3u * (1u << bitCount);
    } else {
        if (headerSize < kInfoHeaderSize)
            return 0;
        reader.seek(14);
        const int bitCount = reader.le16();
        const std::uint32_t compression = reader.le32();
        reader.seek(32);
        const std::uint32_t coloursUsed = reader.le32();
        if (headerSize == kInfoHeaderSize && compression == kBitfields)
            size += 12;
        if (headerSize == kInfoHeaderSize && compression == kAlphaBitfields)
            size += 16;
        if (coloursUsed != 0) {
            size += 4ull * coloursUsed;
        } else if (bitCount <= 8) {
            size += 4ull << bitCount;
        }
    }
    return size <= packed.size() ? std::size_t(size) : 0;
}

DibImage decodePackedDib(ByteView packed, DibDecoder decode) {
    const std::size_t infoSize = dibInfoSize(packed);
    if (infoSize == 0)
        return {};
    return decodeWith(decode, packed.first(infoSize), packed.subspan(infoSize));
}

DibImage decodeSplitDib(ByteView info, ByteView bits, DibDecoder decode) {
    return decodeWith(decode, info, bits);
}

}  // namespace pictavo

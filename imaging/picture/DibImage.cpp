#include "imaging/picture/DibImage.h"

#include "imaging/QtImageBridge.h"
#include "imaging/codecs/Codecs.h"

#include <vector>

namespace pictavo {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBitfields = 3;
constexpr std::uint32_t kAlphaBitfields = 6;

void putLe32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out[at + std::size_t(i)] = std::uint8_t(value >> (8 * i));
}

bool headerIsBottomUp(ByteView info) {
    if (info.size() < kInfoHeaderSize)
        return true;
    ByteReader reader(info);
    if (reader.le32() == kCoreHeaderSize)
        return true;
    reader.seek(8);
    return reader.sle32() >= 0;
}

DibImage decodeFile(ByteView info, ByteView bits) {
    const std::size_t total = kFileHeaderSize + info.size() + bits.size();
    if (info.size() < kCoreHeaderSize || total > 0xFFFFFFFFu)
        return {};
    std::vector<std::uint8_t> file(kFileHeaderSize);
    file[0] = 'B';
    file[1] = 'M';
    putLe32(file, 2, std::uint32_t(total));
    putLe32(file, 10, std::uint32_t(kFileHeaderSize + info.size()));
    file.insert(file.end(), info.begin(), info.end());
    file.insert(file.end(), bits.begin(), bits.end());

    RasterImage raster;
    if (!bmpCodec().decode(ByteView(file), raster, {}).ok())
        return {};
    return {toQImage(raster), headerIsBottomUp(info)};
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

DibImage decodePackedDib(ByteView packed) {
    const std::size_t infoSize = dibInfoSize(packed);
    if (infoSize == 0)
        return {};
    return decodeFile(packed.first(infoSize), packed.subspan(infoSize));
}

DibImage decodeSplitDib(ByteView info, ByteView bits) {
    return decodeFile(info, bits);
}

}  // namespace pictavo

#include "imaging/Exif.h"

#include <array>
#include <cstring>

namespace pictavo {

namespace {

constexpr std::array<std::uint8_t, 6> kExifSignature = {'E', 'x', 'i', 'f', 0, 0};
constexpr std::uint16_t kTiffMagic = 42;
constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kTypeShort = 3;
constexpr std::size_t kIfdEntrySize = 12;

// A ByteReader over the TIFF structure that honours its byte order.
class TiffReader {
public:
    TiffReader(ByteView tiff, bool bigEndian) : reader_(tiff), bigEndian_(bigEndian) {}
    std::uint16_t u16() { return bigEndian_ ? reader_.be16() : reader_.le16(); }
    std::uint32_t u32() { return bigEndian_ ? reader_.be32() : reader_.le32(); }
    bool seek(std::size_t position) { return reader_.seek(position); }
    bool failed() const { return reader_.failed(); }

private:
    ByteReader reader_;
    bool bigEndian_;
};

}  // namespace

int exifOrientationFromApp1(ByteView app1) {
    if (app1.size() < kExifSignature.size() + 8 ||
        std::memcmp(app1.data(), kExifSignature.data(), kExifSignature.size()) != 0)
        return 1;
    const ByteView tiff = app1.subspan(kExifSignature.size());
    bool bigEndian = false;
    if (tiff[0] == 'M' && tiff[1] == 'M') {
        bigEndian = true;
    } else if (!(tiff[0] == 'I' && tiff[1] == 'I')) {
        return 1;
    }
    TiffReader reader(tiff, bigEndian);
    reader.seek(2);
    if (reader.u16() != kTiffMagic)
        return 1;
    const std::uint32_t ifdOffset = reader.u32();
    if (!reader.seek(ifdOffset))
        return 1;
    const std::uint16_t entries = reader.u16();
    for (std::uint16_t i = 0; i < entries && !reader.failed(); ++i) {
        if (!reader.seek(std::size_t(ifdOffset) + 2 + i * kIfdEntrySize))
            return 1;
        const std::uint16_t tag = reader.u16();
        if (tag != kOrientationTag)
            continue;
        const std::uint16_t type = reader.u16();
        const std::uint32_t count = reader.u32();
        const std::uint16_t value = reader.u16();
        if (reader.failed() || type != kTypeShort || count != 1)
            return 1;
        return value >= 1 && value <= 8 ? value : 1;
    }
    return 1;
}

}  // namespace pictavo

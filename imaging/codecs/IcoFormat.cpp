#include "imaging/codecs/IcoFormat.h"

#include "imaging/codecs/CodecSupport.h"

#include <cstring>

namespace pictavo::ico {

namespace {

constexpr const char* kCodec = "ICO";
constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

struct Directory {
    std::uint16_t type = 0;
    std::uint16_t count = 0;
};

Result<Directory> readDirectory(ByteView data) {
    ByteReader reader(data);
    const std::uint16_t reserved = reader.le16();
    Directory directory;
    directory.type = reader.le16();
    directory.count = reader.le16();
    if (reader.failed() || reserved != 0 ||
        (directory.type != kTypeIcon && directory.type != kTypeCursor))
        return codecError(kCodec, QStringLiteral("not an icon file"));
    if (directory.count == 0)
        return codecError(kCodec, QStringLiteral("the icon holds no image"));
    if (data.size() < kDirSize + kEntrySize * std::size_t(directory.count))
        return codecError(kCodec, QStringLiteral("icon directory ends early"));
    return directory;
}

}  // namespace

bool looksLikeIcon(ByteView data) {
    Result<std::vector<Entry>> entries = parseDirectory(data);
    return entries.ok();
}

Result<std::vector<Entry>> parseDirectory(ByteView data) {
    Result<Directory> directory = readDirectory(data);
    if (!directory)
        return directory.error();
    std::vector<Entry> entries;
    ByteReader reader(data);
    for (int i = 0; i < directory->count; ++i) {
        reader.seek(kDirSize + kEntrySize * std::size_t(i));
        const ByteView raw = reader.bytes(kEntrySize);
        ByteReader fields(raw);
        Entry entry;
        entry.width = raw[kEntryWidth] == 0 ? 256 : raw[kEntryWidth];
        entry.height = raw[kEntryHeight] == 0 ? 256 : raw[kEntryHeight];
        fields.seek(kEntryBitCount);
        entry.bitCount = fields.le16();
        const std::uint64_t size = fields.le32();
        const std::uint64_t offset = fields.le32();
        if (size == 0 || offset + size > data.size())
            return codecError(kCodec, QStringLiteral("entry %1 lies outside the file").arg(i));
        entry.data = data.subspan(std::size_t(offset), std::size_t(size));
        entries.push_back(entry);
    }
    return entries;
}

bool isPng(ByteView entry) {
    return entry.size() >= sizeof kPngSignature &&
           std::memcmp(entry.data(), kPngSignature, sizeof kPngSignature) == 0;
}

void writeDirectory(std::vector<std::uint8_t>& out, int width, int height, int bitCount,
                    std::uint32_t size) {
    ByteWriter writer(out);
    writer.le16(0);
    writer.le16(kTypeIcon);
    writer.le16(1);
    writer.u8(width >= 256 ? 0 : static_cast<unsigned>(width));
    writer.u8(height >= 256 ? 0 : static_cast<unsigned>(height));
    writer.u8(0);    // colour count: no palette
    writer.u8(0);    // reserved
    writer.le16(1);  // planes
    writer.le16(static_cast<unsigned>(bitCount));
    writer.le32(size);
    writer.le32(kDirSize + kEntrySize);
}

}  // namespace pictavo::ico

#include "imaging/codecs/WbmpFormat.h"

#include "imaging/codecs/CodecSupport.h"

namespace pictavo::wbmp {

namespace {

constexpr const char* kCodec = "WBMP";

// -1 for an integer longer than kMaxIntegerBytes or cut short.
std::int64_t readInteger(ByteReader& reader) {
    std::int64_t value = 0;
    for (int i = 0; i < kMaxIntegerBytes; ++i) {
        const std::uint8_t byte = reader.u8();
        if (reader.failed())
            return -1;
        value = (value << 7) | (byte & 0x7F);
        if (!(byte & 0x80))
            return value;
    }
    return -1;
}

void writeInteger(std::uint32_t value, std::vector<std::uint8_t>& out) {
    int groups = 1;
    while (groups < kMaxIntegerBytes && (value >> (7 * groups)) != 0)
        ++groups;
    for (int i = groups - 1; i >= 0; --i)
        out.push_back(static_cast<std::uint8_t>(((value >> (7 * i)) & 0x7F) | (i > 0 ? 0x80 : 0)));
}

}  // namespace

Result<Header> parseHeader(ByteView data) {
    ByteReader reader(data);
    const std::int64_t type = readInteger(reader);
    const std::uint8_t fixedHeader = reader.u8();
    if (type != 0 || fixedHeader != 0 || reader.failed())
        return codecError(kCodec, QStringLiteral("not a type 0 wireless bitmap"));
    const std::int64_t width = readInteger(reader);
    const std::int64_t height = readInteger(reader);
    if (width < 0 || height < 0)
        return codecError(kCodec, QStringLiteral("invalid dimensions"));
    if (Status size = checkImageSize(kCodec, width, height); !size)
        return size.error();
    return Header{static_cast<int>(width), static_cast<int>(height), reader.position()};
}

bool looksLikeWbmp(ByteView data) {
    Result<Header> header = parseHeader(data);
    return header && header->fileSize() == data.size();
}

void writeHeader(int width, int height, std::vector<std::uint8_t>& out) {
    out.push_back(0);  // type 0
    out.push_back(0);  // fixed header
    writeInteger(static_cast<std::uint32_t>(width), out);
    writeInteger(static_cast<std::uint32_t>(height), out);
}

}  // namespace pictavo::wbmp

#include "imaging/file/MetafileDib.h"

#include "imaging/QtImageBridge.h"
#include "imaging/codecs/BmpFormat.h"
#include "imaging/codecs/Codecs.h"

#include <vector>

namespace pictavo {

namespace {

void putLe32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out[at + std::size_t(i)] = std::uint8_t(value >> (8 * i));
}

}  // namespace

QImage decodeMetafileDib(ByteView info, ByteView bits) {
    // The two parts become a BMP file, whose file header places the bits
    // right after the info.
    const std::size_t total = bmp::kFileHeaderSize + info.size() + bits.size();
    if (total > 0xFFFFFFFFu)
        return {};
    std::vector<std::uint8_t> file(bmp::kFileHeaderSize);
    file[bmp::kFileMagic] = 'B';
    file[bmp::kFileMagic + 1] = 'M';
    putLe32(file, bmp::kFileSize, std::uint32_t(total));
    putLe32(file, bmp::kFilePixelOffset, std::uint32_t(bmp::kFileHeaderSize + info.size()));
    file.insert(file.end(), info.begin(), info.end());
    file.insert(file.end(), bits.begin(), bits.end());

    RasterImage raster;
    if (!bmpCodec().decode(ByteView(file), raster, {}).ok())
        return {};
    return toQImage(raster);
}

}  // namespace pictavo

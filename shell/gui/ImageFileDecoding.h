#pragma once
// Decoding image files for drawing at a known size, shared by the list
// thumbnails and the property area's preview. Every format of the image
// layer is read from memory through its checked codecs; a decode that would
// create more pixels than kMaxDecodedPixels is refused before it allocates.
// A JPEG is decoded at the smallest DCT scale that still covers the size
// it will be drawn at.
//
// Threading: any thread (no widgets, no pixmaps).

#include "imaging/ByteReader.h"
#include "imaging/RasterImage.h"
#include "imaging/codecs/Codec.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <atomic>
#include <optional>

namespace pictavo {

// 96 MB at 24 bits. Photographs far larger than this still qualify as
// JPEGs, which decode at down to 1/8 scale.
constexpr qint64 kMaxDecodedPixels = 32'000'000;

// The whole file when it is not empty and smaller than the 5 MiB up to
// which files are decoded for display at all.
std::optional<QByteArray> readFileForDisplay(const QString& path);

inline ByteView byteViewOf(const QByteArray& bytes) {
    return ByteView(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                    std::size_t(bytes.size()));
}

struct ProbedImage {
    const Codec* codec = nullptr;
    ImageHeader header;

    bool swapsAxes() const { return header.exifOrientation >= 5 && header.exifOrientation <= 8; }
    // The size once turned upright by its EXIF orientation.
    QSize uprightSize() const {
        const QSize stored(header.width, header.height);
        return swapsAxes() ? stored.transposed() : stored;
    }
};

// The header of the data, by the type the name gives first (typeByName > 0),
// then by content in detection order; nullopt when no codec reads it.
std::optional<ProbedImage> probeImage(ByteView data, int typeByName);

// The image decoded at a scale that still covers drawSize (upright),
// turned upright and flattened to 24 bits; nullopt when it cannot be
// decoded, needs too many pixels, or stop was set.
std::optional<RasterImage> decodeUprightFor(ByteView data, const ProbedImage& probed,
                                            QSize drawSize,
                                            const std::atomic<bool>* stop = nullptr);

}  // namespace pictavo

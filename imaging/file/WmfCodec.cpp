#include "imaging/file/WmfCodec.h"

#include "imaging/QtImageBridge.h"
#include "imaging/file/MetafileDib.h"
#include "imaging/picture/WmfRenderer.h"

#include <QImage>
#include <QPainter>

namespace pictavo {

bool WmfCodec::sniff(ByteView data) const {
    return looksLikeWmf(data);
}

Result<ImageHeader> WmfCodec::readHeader(ByteView data) const {
    const Result<WmfHeader> header = readWmfHeader(data);
    if (!header)
        return header.error();
    return ImageHeader{header->naturalSize.width(), header->naturalSize.height(), 24, 1};
}

Status WmfCodec::decode(ByteView data, RasterImage& image, const DecodeOptions&) const {
    image.clear();
    const Result<WmfHeader> header = readWmfHeader(data);
    if (!header)
        return header.error();
    QImage canvas(header->naturalSize, QImage::Format_RGB32);
    if (canvas.isNull())
        return Error(QStringLiteral("WMF: out of memory"));
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        playWmf(data, header.value(), painter, QRectF(canvas.rect()), decodeMetafileDib);
    }
    image = fromQImage(canvas);
    if (!image.isValid())
        return Error(QStringLiteral("WMF: out of memory"));
    return {};
}

Status WmfCodec::encode(const RasterImage&, std::vector<std::uint8_t>&) const {
    return Error(QStringLiteral("Save WMF not supported"));
}

const Codec& wmfCodec() {
    static const WmfCodec codec;
    return codec;
}

}  // namespace pictavo

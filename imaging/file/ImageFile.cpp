#include "imaging/file/ImageFile.h"

#include "core/AtomicFile.h"
#include "imaging/file/CodecRegistry.h"

#include <QFile>

namespace pictavo {

namespace {

const QString kUnknownFormat = QStringLiteral("Decode: Unknown or wrong format");

// The bytes of a whole file, memory-mapped when possible.
class FileBytes {
public:
    explicit FileBytes(const QString& path) : file_(path) {
        if (!file_.open(QIODevice::ReadOnly))
            return;
        opened_ = true;
        const qint64 size = file_.size();
        if (size <= 0)
            return;
        if (const uchar* mapped = file_.map(0, size)) {
            view_ = ByteView(mapped, std::size_t(size));
        } else {
            copy_ = file_.readAll();
            view_ = ByteView(reinterpret_cast<const std::uint8_t*>(copy_.constData()),
                             std::size_t(copy_.size()));
        }
    }
    bool opened() const { return opened_; }
    ByteView view() const { return view_; }
    QString errorText() const { return file_.errorString(); }

private:
    QFile file_;
    QByteArray copy_;
    ByteView view_;
    bool opened_ = false;
};

bool decodeWith(RasterImage& image, const Codec& codec, ByteView data,
                const DecodeOptions& options) {
    image.clear();
    image.setResolution(RasterImage::dpiToPelsPerMeter(96), RasterImage::dpiToPelsPerMeter(96));
    const Status status = codec.decode(data, image, options);
    if (!status) {
        image.clear();
        image.setLastError(status.error().message());
        return false;
    }
    image.setType(codec.type());
    return true;
}

}  // namespace

bool loadImage(RasterImage& image, const QString& path, int type, const DecodeOptions& options) {
    const FileBytes file(path);
    if (!file.opened()) {
        image.setLastError(QStringLiteral("Load: cannot open %1: %2").arg(path, file.errorText()));
        return false;
    }
    if (isDecodableType(type)) {
        if (decodeImage(image, file.view(), type, options))
            return true;
        const QString typedError = image.lastError();
        if (decodeImage(image, file.view(), kImageUnknown, options))
            return true;
        image.setLastError(typedError);
        return false;
    }
    return decodeImage(image, file.view(), kImageUnknown, options);
}

bool decodeImage(RasterImage& image, ByteView data, int type, const DecodeOptions& options) {
    if (type == kImageUnknown) {
        for (const Codec* codec : detectionOrder()) {
            if (codec->sniff(data) && decodeWith(image, *codec, data, options))
                return true;
        }
        image.clear();
        image.setLastError(kUnknownFormat);
        return false;
    }
    const Codec* codec = isDecodableType(type) ? codecForType(type) : nullptr;
    if (!codec) {
        image.setLastError(kUnknownFormat);
        return false;
    }
    return decodeWith(image, *codec, data, options);
}

bool encodeImage(RasterImage& image, std::vector<std::uint8_t>& out, int type) {
    const Codec* codec = codecForType(type);
    const Status status =
        codec ? codec->encode(image, out) : Status(Error(QStringLiteral("Encode: Unknown format")));
    if (!status)
        image.setLastError(status.error().message());
    return status.ok();
}

bool saveImage(RasterImage& image, const QString& path, int type) {
    std::vector<std::uint8_t> out;
    if (!encodeImage(image, out, type))
        return false;
    const Status written = writeFileAtomically(
        path,
        QByteArray::fromRawData(reinterpret_cast<const char*>(out.data()), qsizetype(out.size())));
    if (!written)
        image.setLastError(written.error().message());
    return written.ok();
}

}  // namespace pictavo

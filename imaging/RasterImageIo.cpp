// RasterImage file operations: typed decode with fallback to content
// detection, and encode dispatch by type.
#include "core/AtomicFile.h"
#include "imaging/RasterImage.h"
#include "imaging/codecs/Codec.h"

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

bool isDecodableType(int type) {
    return type >= kImageBmp && type <= kImageJ2kReserved15;
}

}  // namespace

bool RasterImage::load(const QString& path, int type, const DecodeOptions& options) {
    const FileBytes file(path);
    if (!file.opened()) {
        setLastError(QStringLiteral("Load: cannot open %1: %2").arg(path, file.errorText()));
        return false;
    }
    if (isDecodableType(type)) {
        if (decode(file.view(), type, options))
            return true;
        const QString typedError = lastError_;
        if (decode(file.view(), kImageUnknown, options))
            return true;
        setLastError(typedError);
        return false;
    }
    return decode(file.view(), kImageUnknown, options);
}

bool RasterImage::decodeWith(const Codec& codec, ByteView data, const DecodeOptions& options) {
    clear();
    xPelsPerMeter_ = yPelsPerMeter_ = dpiToPelsPerMeter(96);
    const Status status = codec.decode(data, *this, options);
    if (!status) {
        clear();
        setLastError(status.error().message());
        return false;
    }
    type_ = codec.type();
    return true;
}

bool RasterImage::decode(ByteView data, int type, const DecodeOptions& options) {
    if (type == kImageUnknown) {
        for (const Codec* codec : detectionOrder()) {
            if (codec->sniff(data) && decodeWith(*codec, data, options))
                return true;
        }
        clear();
        setLastError(kUnknownFormat);
        return false;
    }
    const Codec* codec = isDecodableType(type) ? codecForType(type) : nullptr;
    if (!codec) {
        setLastError(kUnknownFormat);
        return false;
    }
    return decodeWith(*codec, data, options);
}

bool RasterImage::encode(std::vector<std::uint8_t>& out, int type) {
    const Codec* codec = codecForType(type);
    const Status status =
        codec ? codec->encode(*this, out) : Status(Error(QStringLiteral("Encode: Unknown format")));
    if (!status)
        setLastError(status.error().message());
    return status.ok();
}

bool RasterImage::save(const QString& path, int type) {
    // Encoded in memory first so that a failed encode leaves an existing
    // file untouched.
    std::vector<std::uint8_t> out;
    if (!encode(out, type))
        return false;
    const Status written = writeFileAtomically(
        path,
        QByteArray::fromRawData(reinterpret_cast<const char*>(out.data()), qsizetype(out.size())));
    if (!written)
        setLastError(written.error().message());
    return written.ok();
}

}  // namespace pictavo

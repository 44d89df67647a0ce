#pragma once
// Picture: a drawable picture with a natural size, standing in for the
// platform's picture loader. It holds an icon or any raster the codecs
// decode (as a QImage, alpha kept), or a Windows or enhanced metafile (its
// bytes, played by imaging/picture on every draw).
//
// Copies are cheap (metafile bytes are shared, QImage is implicitly
// shared). A Picture may be drawn from any thread that owns the painter;
// text in metafiles needs a QGuiApplication.

#include "core/Result.h"
#include "imaging/picture/EmfRenderer.h"
#include "imaging/picture/WmfRenderer.h"

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace pictavo {

class Picture {
public:
    enum class Kind { Raster, Wmf, Emf };

    // Reads and recognises the file by its content.
    static Result<Picture> load(const QString& path);
    static Result<Picture> fromData(std::vector<std::uint8_t> data);

    Kind kind() const { return kind_; }
    // Size in pixels at 96 dpi.
    QSize naturalSize() const { return naturalSize_; }
    // Draws the whole picture stretched into target.
    void draw(QPainter& painter, const QRect& target) const;

private:
    Picture() = default;

    Kind kind_ = Kind::Raster;
    QSize naturalSize_;
    QImage raster_;
    std::shared_ptr<const std::vector<std::uint8_t>> bytes_;
    WmfHeader wmf_;
    EmfHeader emf_;
};

// Renders the picture at its natural size on white into a 24-bit image.
QImage renderOnWhite(const Picture& picture);

// Draws an icon or metafile at its natural size on white and saves it as
// destinationType. Nothing is written when the source cannot be read.
bool RenderPictureFile(const QString& source, const QString& destination, int sourceType,
                       int destinationType);

}  // namespace pictavo

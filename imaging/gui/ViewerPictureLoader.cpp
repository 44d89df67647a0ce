#include "imaging/gui/ViewerPictureLoader.h"

#include "imaging/QtImageBridge.h"
#include "imaging/RasterImage.h"
#include "imaging/file/ImageFile.h"
#include "imaging/file/Picture.h"

namespace pictavo {

namespace {

// Icons and metafiles are drawn on white at their natural size.
std::optional<QImage> drawnOnWhite(const QString& path) {
    Result<Picture> picture = Picture::load(path);
    if (!picture)
        return std::nullopt;
    QImage image = renderOnWhite(picture.value());
    if (image.isNull())
        return std::nullopt;
    return image;
}

// Other images are decoded, turned upright and flattened: transparent
// pixels show the colour stored under them.
std::optional<QImage> decodedUpright(const QString& path, int type) {
    RasterImage image;
    if (!loadImage(image, path, type > 0 ? type : kImageUnknown))
        return std::nullopt;
    image.orientUpright();
    QImage picture = toQImage(FlattenToRgb(image));
    if (picture.isNull())
        return std::nullopt;
    return picture;
}

}  // namespace

std::optional<QImage> loadViewerPicture(const QString& path) {
    const int type = imageTypeFromPath(path);
    if (type == kImageIco || type == kImageWmf || type == kImageEmf)
        return drawnOnWhite(path);
    if (std::optional<QImage> picture = decodedUpright(path, type))
        return picture;
    // A metafile under another name is still recognised by its content.
    return drawnOnWhite(path);
}

}  // namespace pictavo

#include "imaging/file/ConvertImageFile.h"

#include "core/AtomicFile.h"
#include "imaging/RasterImage.h"
#include "imaging/file/ImageFile.h"
#include "imaging/file/Picture.h"

namespace pictavo {

FileConversion convertImageFileWithOutcome(const QString& source, const QString& destination,
                                           int sourceType, int destinationType) {
    if (sourceType == kImageIco || sourceType == kImageEmf) {
        if (RenderPictureFile(source, destination, sourceType, destinationType))
            return {FileConversionOutcome::Converted, {}};
        return {FileConversionOutcome::Failed, QStringLiteral("cannot draw %1").arg(source)};
    }
    RasterImage image;
    if (!loadImage(image, source, sourceType)) {
        const QString decodeError = image.lastError();
        const Status copied = copyFileAtomically(source, destination);
        if (!copied)
            return {FileConversionOutcome::Failed, copied.error().message()};
        return {FileConversionOutcome::CopiedUnchanged, decodeError};
    }
    image.orientUpright();
    RasterImage flat = FlattenToRgb(image);
    if (!saveImage(flat, destination, destinationType))
        return {FileConversionOutcome::Failed, flat.lastError()};
    return {FileConversionOutcome::Converted, {}};
}

bool ConvertImageFile(const QString& source, const QString& destination, int sourceType,
                      int destinationType) {
    return convertImageFileWithOutcome(source, destination, sourceType, destinationType).outcome !=
           FileConversionOutcome::Failed;
}

}  // namespace pictavo

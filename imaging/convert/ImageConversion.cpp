#include "imaging/convert/ImageConversion.h"

#include "core/PathUtil.h"
#include "imaging/ImageType.h"
#include "imaging/file/ConvertImageFile.h"

namespace pictavo {

namespace {

constexpr ConversionTarget kTargets[] = {
    {kImageBmp, "bmp", "BMP Windows Bitmap"},
    {kImageJpeg, "jpg", "JPG JPEG"},
    {kImagePng, "png", "PNG Portable Network Graphics"},
    {kImageTga, "tga", "TGA Targa"},
    {kImagePcx, "pcx", "PCX PCX"},
    {kImageTiff, "tif", "TIFF Tag Image File Format"},
};

ConversionOutcome outcomeOf(FileConversionOutcome outcome) {
    switch (outcome) {
        case FileConversionOutcome::Converted:
            return ConversionOutcome::Converted;
        case FileConversionOutcome::CopiedUnchanged:
            return ConversionOutcome::CopiedUnchanged;
        case FileConversionOutcome::Failed:
            break;
    }
    return ConversionOutcome::Failed;
}

}  // namespace

std::span<const ConversionTarget> conversionTargets() {
    return kTargets;
}

const ConversionTarget* findConversionTarget(const QString& extension) {
    for (const ConversionTarget& target : kTargets) {
        if (extension == QLatin1String(target.extension))
            return &target;
    }
    return nullptr;
}

QString conversionDestination(const QString& source, const QString& folderText,
                              const QString& extension) {
    const QString name = path::fileName(source);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString base = dot < 0 ? name + QLatin1Char('.') : name.left(dot + 1);
    return path::join(folderText, base + extension);
}

std::vector<ConversionResult> convertImages(const QStringList& paths, const QString& folderText,
                                            const ConversionTarget& target) {
    std::vector<ConversionResult> results;
    results.reserve(std::size_t(paths.size()));
    for (const QString& source : paths) {
        ConversionResult result;
        result.source = source;
        int type = -1;
        if (!GetImageTypeFromPath(source, type)) {
            result.outcome = ConversionOutcome::NotAnImage;
        } else if (type == target.type) {
            result.outcome = ConversionOutcome::SameFormat;
        } else {
            result.destination =
                conversionDestination(source, folderText, QLatin1String(target.extension));
            const FileConversion conversion =
                convertImageFileWithOutcome(source, result.destination, type, target.type);
            result.outcome = outcomeOf(conversion.outcome);
            result.detail = conversion.error;
        }
        results.push_back(std::move(result));
    }
    return results;
}

}  // namespace pictavo

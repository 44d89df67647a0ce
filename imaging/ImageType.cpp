#include "imaging/ImageType.h"

#include "core/PathUtil.h"

#include <QHash>

namespace pictavo {

bool GetImageTypeFromPath(const QString& path, int& type) {
    static const QHash<QString, int> kByExtension = {
        {QStringLiteral("bmp"), kImageBmp},  {QStringLiteral("dib"), kImageBmp},
        {QStringLiteral("gif"), kImageGif},  {QStringLiteral("jpg"), kImageJpeg},
        {QStringLiteral("jpeg"), kImageJpeg}, {QStringLiteral("png"), kImagePng},
        {QStringLiteral("ico"), kImageIco},  {QStringLiteral("tif"), kImageTiff},
        {QStringLiteral("tiff"), kImageTiff}, {QStringLiteral("tga"), kImageTga},
        {QStringLiteral("pcx"), kImagePcx},  {QStringLiteral("wmf"), kImageWmf},
        {QStringLiteral("emf"), kImageEmf},
    };
    // The extension is the text after the last "." of the whole path.
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot < 0 ? QString() : path.mid(dot + 1).toLower();
    const auto it = kByExtension.constFind(extension);
    type = it == kByExtension.constEnd() ? -1 : it.value();
    return type != -1;
}

int imageTypeFromPath(const QString& path) {
    int type = -1;
    GetImageTypeFromPath(path, type);
    return type;
}

}  // namespace pictavo

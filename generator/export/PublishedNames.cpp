#include "generator/export/PublishedNames.h"

#include "core/FileKind.h"
#include "core/PathUtil.h"
#include "imaging/ImageType.h"

#include <QDir>

namespace pictavo {

namespace {

bool needsEncoding(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x20 || u == 0x7F)
        return true;
    switch (u) {
        case '"':
        case '#':
        case '%':
        case '&':
        case '<':
        case '>':
        case '?':
            return true;
        default:
            return false;
    }
}

// URL of a file inside the output folder: the rest of its cleaned path, each
// component encoded.
QString siteRelativeUrl(const QString& source, const QString& outputFolder) {
    const QString rest = QDir::cleanPath(source).mid(QDir::cleanPath(outputFolder).size() + 1);
    QStringList parts = rest.split(QLatin1Char('/'));
    for (QString& part : parts)
        part = encodeUrlComponent(part);
    return parts.join(QLatin1Char('/'));
}

QString filesUrl(const QString& subfolder, const QString& name) {
    return QStringLiteral("./files/") + subfolder + QLatin1Char('/') + encodeUrlComponent(name);
}

QString filesPath(const QString& outputFolder, const QString& subfolder, const QString& name) {
    return path::join(outputFolder, QStringLiteral("files/") + subfolder + QLatin1Char('/') + name);
}

}  // namespace

QString encodeUrlComponent(const QString& name) {
    QString out;
    out.reserve(name.size());
    for (const QChar c : name) {
        if (needsEncoding(c))
            out += QStringLiteral("%%1").arg(int(c.unicode()), 2, 16, QLatin1Char('0')).toUpper();
        else
            out += c;
    }
    return out;
}

bool isConvertedImageType(const QString& path) {
    const int type = imageTypeFromPath(path);
    return type > 0 && type != kImageJpeg && type != kImageGif;
}

QString convertedImageName(const QString& fileName) {
    return (path::baseName(fileName) + QLatin1Char('_') + path::extension(fileName) +
            QStringLiteral(".jpg"))
        .toLower();
}

PublishedFile planPublishedFile(const QString& sourcePath, const QString& outputFolder,
                                PublishSwitches switches) {
    PublishedFile result;
    if (sourcePath.isEmpty())
        return result;

    // A web address is told by its prefix, before any split on "/".
    if (ClassifyFileKind(sourcePath) == FileKind::WebLink) {
        result.url = sourcePath;
        return result;
    }
    const QString name = path::fileName(sourcePath);
    const FileKind kind = ClassifyFileKind(name);

    result.source = path::toNative(sourcePath);
    const bool convert = kind == FileKind::Image && switches.copyFiles && switches.convertImages &&
                         isConvertedImageType(name);

    if (path::isInside(result.source, outputFolder)) {
        result.url = siteRelativeUrl(result.source, outputFolder);
        if (convert) {
            result.action = PublishAction::Convert;
            result.destination =
                path::folderWithSeparator(result.source) + convertedImageName(name);
        }
        return result;
    }

    const QString subfolder = fileKindSubfolder(kind);
    if (!switches.copyFiles) {
        result.url = filesUrl(subfolder, name);
        return result;
    }
    const QString published = convert ? convertedImageName(name) : name.toLower();
    result.url = filesUrl(subfolder, published);
    result.action = convert ? PublishAction::Convert : PublishAction::Copy;
    result.destination = filesPath(outputFolder, subfolder, published);
    return result;
}

}  // namespace pictavo

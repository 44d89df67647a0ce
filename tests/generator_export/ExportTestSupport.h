#pragma once
// Helpers of the export tests: fixture images made with Qt's own writers
// (independent of the image layer under test) and file inspection.

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSize>
#include <QString>

namespace pictavo::testing_support {

inline QString writeImage(const QString& path, QSize size, const char* format,
                          QColor colour = QColor(40, 120, 200)) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    // A diagonal so that orientation mistakes would show.
    for (int i = 0; i < std::min(size.width(), size.height()); ++i)
        image.setPixel(i, i, 0xFFFFFF);
    image.save(path, format);
    return path;
}

inline QString copyTestData(const QString& name, const QString& folder) {
    const QString target = QDir(folder).filePath(name);
    QFile::copy(QStringLiteral(PICTAVO_TEST_DATA "/generator_export/") + name, target);
    return target;
}

// Size of an image file as an independent decoder sees it (no EXIF turn).
inline QSize imageFileSize(const QString& path) {
    QImageReader reader(path);
    reader.setAutoTransform(false);
    return reader.read().size();
}

inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Names of files left behind under a temporary name anywhere below folder.
inline QStringList temporaryFilesBelow(const QString& folder) {
    QStringList found;
    const QDir dir(folder);
    for (const QFileInfo& info :
         dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (info.isDir())
            found += temporaryFilesBelow(info.filePath());
        else if (info.fileName().startsWith(QLatin1Char('.')) ||
                 info.fileName().contains(QStringLiteral(".tmp")))
            found << info.filePath();
    }
    return found;
}

}  // namespace pictavo::testing_support

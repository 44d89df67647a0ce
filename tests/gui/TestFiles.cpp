#include "TestFiles.h"

#include "imaging/RasterImage.h"
#include "imaging/file/ImageFile.h"

#include <QDateTime>
#include <QFile>
#include <QtEndian>

namespace pictavo::test {

bool writePicture(const QString& path, int width, int height, int type) {
    RasterImage image;
    if (!image.create(width, height, 24))
        return false;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixelColor(x, y, x < width / 2 ? Rgb{200, 40, 40} : Rgb{40, 40, 200});
    return saveImage(image, path, type);
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool makeOlder(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadWrite) &&
           file.setFileTime(QDateTime::currentDateTime().addSecs(-600),
                            QFileDevice::FileModificationTime);
}

QByteArray bmpHeaderOnly(int width, int height) {
    QByteArray bytes(54, '\0');
    auto put32 = [&](int offset, quint32 value) { qToLittleEndian(value, bytes.data() + offset); };
    auto put16 = [&](int offset, quint16 value) { qToLittleEndian(value, bytes.data() + offset); };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, 54);   // file size: the header alone
    put32(10, 54);  // pixel data offset
    put32(14, 40);  // BITMAPINFOHEADER
    put32(18, quint32(width));
    put32(22, quint32(height));
    put16(26, 1);   // planes
    put16(28, 24);  // bits per pixel
    return bytes;
}

}  // namespace pictavo::test

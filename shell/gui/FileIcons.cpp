#include "shell/gui/FileIcons.h"

#include "core/FileKind.h"

#include <QPainter>
#include <QPainterPath>

namespace pictavo {

namespace {

bool isWebAddress(const QString& path) {
    for (const char* prefix : {"http:", "https:", "ftp:", "mailto:"})
        if (path.startsWith(QLatin1String(prefix), Qt::CaseInsensitive))
            return true;
    return false;
}

QString extensionOf(const QString& path) {
    const qsizetype slash =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot > slash ? path.mid(dot + 1).toLower() : QString();
}

FileIconKind kindOfExtension(const QString& extension) {
    switch (ClassifyFileKind(QStringLiteral("x.") + extension)) {
        case FileKind::Image:
            return FileIconKind::Image;
        case FileKind::Document:
            return FileIconKind::Document;
        case FileKind::Audio:
            return FileIconKind::Audio;
        case FileKind::Video:
            return FileIconKind::Video;
        case FileKind::Archive:
            return FileIconKind::Archive;
        case FileKind::WebLink:
            return FileIconKind::WebLink;
        case FileKind::Other:
            break;
    }
    return FileIconKind::Other;
}

// The icons are drawn on a 32 x 32 grid and scaled to the size asked.
void drawSheet(QPainter& p, const QColor& fill) {
    QPainterPath sheet;
    sheet.moveTo(7, 2);
    sheet.lineTo(20, 2);
    sheet.lineTo(26, 8);
    sheet.lineTo(26, 30);
    sheet.lineTo(7, 30);
    sheet.closeSubpath();
    p.setPen(QPen(QColor(90, 90, 90), 1.2));
    p.setBrush(fill);
    p.drawPath(sheet);
    p.setBrush(QColor(220, 220, 220));
    p.drawPolygon(QPolygonF({QPointF(20, 2), QPointF(20, 8), QPointF(26, 8)}));
}

void drawFolder(QPainter& p) {
    p.setPen(QPen(QColor(150, 110, 20), 1.2));
    p.setBrush(QColor(240, 200, 80));
    p.drawRoundedRect(QRectF(2, 6, 12, 6), 1.5, 1.5);
    p.setBrush(QColor(250, 215, 100));
    p.drawRoundedRect(QRectF(2, 9, 28, 19), 1.5, 1.5);
}

void drawImage(QPainter& p) {
    p.setPen(QPen(QColor(70, 70, 70), 1.2));
    p.setBrush(QColor(150, 200, 250));
    p.drawRect(QRectF(3, 5, 26, 22));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 210, 40));
    p.drawEllipse(QRectF(19, 8, 6, 6));
    p.setBrush(QColor(60, 150, 60));
    p.drawPolygon(QPolygonF(
        {QPointF(4, 26), QPointF(13, 13), QPointF(20, 21), QPointF(23, 18), QPointF(28, 26)}));
}

void drawWebLink(QPainter& p) {
    p.setPen(QPen(QColor(20, 70, 150), 1.5));
    p.setBrush(QColor(120, 180, 240));
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(10, 3, 12, 26));
    p.drawLine(QPointF(16, 3), QPointF(16, 29));
    p.drawLine(QPointF(3, 16), QPointF(29, 16));
    p.drawLine(QPointF(6, 9), QPointF(26, 9));
    p.drawLine(QPointF(6, 23), QPointF(26, 23));
}

void drawDocument(QPainter& p) {
    drawSheet(p, Qt::white);
    p.setPen(QPen(QColor(60, 90, 160), 1.5));
    for (int y = 12; y <= 26; y += 4)
        p.drawLine(QPointF(10, y), QPointF(23, y));
}

void drawAudio(QPainter& p) {
    drawSheet(p, Qt::white);
    p.setPen(QPen(QColor(120, 40, 140), 1.8));
    p.setBrush(QColor(120, 40, 140));
    p.drawLine(QPointF(19, 11), QPointF(19, 23));
    p.drawLine(QPointF(19, 11), QPointF(23, 13));
    p.drawEllipse(QRectF(12.5, 21, 6, 4.5));
}

void drawVideo(QPainter& p) {
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.setBrush(QColor(60, 60, 70));
    p.drawRect(QRectF(3, 6, 26, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int x = 5; x <= 25; x += 5) {
        p.drawRect(QRectF(x, 7.5, 2.5, 2.5));
        p.drawRect(QRectF(x, 22, 2.5, 2.5));
    }
    p.setBrush(QColor(120, 190, 240));
    p.drawRect(QRectF(6, 11.5, 20, 9));
}

void drawArchive(QPainter& p) {
    p.setPen(QPen(QColor(110, 80, 40), 1.2));
    p.setBrush(QColor(200, 160, 100));
    p.drawRect(QRectF(4, 5, 24, 24));
    p.setPen(QPen(QColor(70, 70, 70), 1.5));
    for (int y = 7; y <= 19; y += 3) {
        p.drawLine(QPointF(14, y), QPointF(16, y));
        p.drawLine(QPointF(16, y + 1.5), QPointF(18, y + 1.5));
    }
    p.setBrush(QColor(230, 230, 230));
    p.drawRect(QRectF(13, 21, 6, 5));
}

void drawOther(QPainter& p) {
    drawSheet(p, Qt::white);
}

QPixmap drawIcon(FileIconKind kind, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    switch (kind) {
        case FileIconKind::Folder:
            drawFolder(p);
            break;
        case FileIconKind::Image:
            drawImage(p);
            break;
        case FileIconKind::WebLink:
            drawWebLink(p);
            break;
        case FileIconKind::Document:
            drawDocument(p);
            break;
        case FileIconKind::Audio:
            drawAudio(p);
            break;
        case FileIconKind::Video:
            drawVideo(p);
            break;
        case FileIconKind::Archive:
            drawArchive(p);
            break;
        case FileIconKind::Other:
            drawOther(p);
            break;
    }
    p.end();
    return QPixmap::fromImage(image);
}

quint64 pixmapKey(FileIconKind kind, int size, bool tile) {
    return (quint64(kind) << 33) | (quint64(tile) << 32) | quint32(size);
}

}  // namespace

FileIconKind fileIconKind(const QString& path, bool isFolder) {
    if (isFolder)
        return FileIconKind::Folder;
    if (isWebAddress(path))
        return FileIconKind::WebLink;
    return kindOfExtension(extensionOf(path));
}

FileIconCache& FileIconCache::instance() {
    static FileIconCache cache;
    return cache;
}

FileIconKind FileIconCache::kindFor(const QString& path, bool isFolder) {
    if (isFolder)
        return FileIconKind::Folder;
    if (isWebAddress(path))
        return FileIconKind::WebLink;
    const QString extension = extensionOf(path);
    const auto known = kindByExtension_.constFind(extension);
    if (known != kindByExtension_.constEnd())
        return known.value();
    const FileIconKind kind = kindOfExtension(extension);
    kindByExtension_.insert(extension, kind);
    return kind;
}

QPixmap FileIconCache::icon(FileIconKind kind, int size) {
    const quint64 key = pixmapKey(kind, size, false);
    const auto known = pixmaps_.constFind(key);
    if (known != pixmaps_.constEnd())
        return known.value();
    const QPixmap pixmap = drawIcon(kind, size);
    pixmaps_.insert(key, pixmap);
    return pixmap;
}

QPixmap FileIconCache::tile(FileIconKind kind, int tileSide) {
    const quint64 key = pixmapKey(kind, tileSide, true);
    const auto known = pixmaps_.constFind(key);
    if (known != pixmaps_.constEnd())
        return known.value();
    QImage image(tileSide, tileSide, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    const QPixmap small = icon(kind, 32);
    p.drawPixmap((tileSide - small.width()) / 2, (tileSide - small.height()) / 2, small);
    p.end();
    const QPixmap pixmap = QPixmap::fromImage(image);
    pixmaps_.insert(key, pixmap);
    return pixmap;
}

}  // namespace pictavo

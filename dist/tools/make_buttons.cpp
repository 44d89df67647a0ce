// make_buttons: draws the five navigation buttons of the image pages and the
// site icon, and writes them with our own GIF and ICO encoders into the dist
// folder given as the only argument. The output is committed; run this only
// to change the artwork.
//
// Buttons: 32 x 32, a rounded steel-blue tile with a white glyph, corners
// transparent. Icon: a page with a globe, 16 x 16 and 32 x 32 in one file.

#include "imaging/QtImageBridge.h"
#include "imaging/RasterImage.h"
#include "imaging/codecs/Codecs.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <functional>
#include <map>
#include <vector>

namespace {

using namespace pictavo;

constexpr int kButtonSize = 32;
const QColor kTile(0x2F, 0x5F, 0x8F);
const QColor kTileEdge(0x1C, 0x3A, 0x58);
const QColor kGlyph(0xFF, 0xFF, 0xFF);

void triangle(QPainter& painter, QPointF tip, double width, double height, bool pointsLeft) {
    const double base = pointsLeft ? tip.x() + width : tip.x() - width;
    QPainterPath path;
    path.moveTo(tip);
    path.lineTo(base, tip.y() - height / 2);
    path.lineTo(base, tip.y() + height / 2);
    path.closeSubpath();
    painter.fillPath(path, kGlyph);
}

void bar(QPainter& painter, double x) {
    painter.fillRect(QRectF(x, 10, 3, 12), kGlyph);
}

// The tile (drawn without antialiasing so that its edge stays opaque) and,
// antialiased over it, the glyph.
QImage drawButton(const std::function<void(QPainter&)>& glyph) {
    QImage image(kButtonSize, kButtonSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(kTileEdge);
    painter.setBrush(kTile);
    painter.drawRoundedRect(QRectF(1, 1, kButtonSize - 3, kButtonSize - 3), 6, 6);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    glyph(painter);
    return image;
}

// An 8-bit palette image with index 0 transparent; false when the drawing
// holds more than 255 opaque colours.
bool toPaletteImage(const QImage& source, RasterImage& image) {
    if (!image.create(source.width(), source.height(), 8))
        return false;
    std::map<QRgb, int> indexes;
    image.setPaletteEntry(0, PaletteEntry{0xFF, 0xFF, 0xFF, 0});
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb pixel = source.pixel(x, y);
            if (qAlpha(pixel) < 128) {
                image.setPixelIndex(x, y, 0);
                continue;
            }
            const QRgb opaque = qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
            auto found = indexes.find(opaque);
            if (found == indexes.end()) {
                if (indexes.size() >= 255)
                    return false;
                const int index = int(indexes.size()) + 1;
                found = indexes.emplace(opaque, index).first;
                image.setPaletteEntry(
                    index, PaletteEntry{std::uint8_t(qBlue(opaque)), std::uint8_t(qGreen(opaque)),
                                        std::uint8_t(qRed(opaque)), 0});
            }
            image.setPixelIndex(x, y, std::uint8_t(found->second));
        }
    }
    image.setTransparentIndex(0);
    return true;
}

bool writeFile(const QString& path, const std::vector<std::uint8_t>& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) ==
               qint64(bytes.size());
}

bool writeGif(const QString& path, const QImage& drawing) {
    RasterImage image;
    std::vector<std::uint8_t> bytes;
    return toPaletteImage(drawing, image) && gifCodec().encode(image, bytes).ok() &&
           writeFile(path, bytes);
}

QImage drawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    // A page with a folded corner.
    QPainterPath page;
    page.moveTo(5, 1.5);
    page.lineTo(21, 1.5);
    page.lineTo(27, 7.5);
    page.lineTo(27, 30.5);
    page.lineTo(5, 30.5);
    page.closeSubpath();
    painter.setPen(QPen(QColor(0x55, 0x55, 0x55), 1.2));
    painter.setBrush(Qt::white);
    painter.drawPath(page);
    painter.drawLine(QPointF(21, 1.5), QPointF(21, 7.5));
    painter.drawLine(QPointF(21, 7.5), QPointF(27, 7.5));
    // A globe over its lower half.
    const QRectF globe(8, 11, 18, 18);
    painter.setPen(QPen(QColor(0x1C, 0x3A, 0x58), 1.4));
    painter.setBrush(QColor(0x3A, 0x8E, 0xD8));
    painter.drawEllipse(globe);
    painter.setPen(QPen(Qt::white, 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(13, 11, 8, 18));
    painter.drawLine(QPointF(17, 11), QPointF(17, 29));
    painter.drawLine(QPointF(8, 20), QPointF(26, 20));
    painter.drawLine(QPointF(9.5, 15.5), QPointF(24.5, 15.5));
    painter.drawLine(QPointF(9.5, 24.5), QPointF(24.5, 24.5));
    return image;
}

// Joins single-image ICO files into one icon directory.
std::vector<std::uint8_t> joinIcons(const std::vector<std::vector<std::uint8_t>>& icons) {
    constexpr std::size_t kDirectorySize = 6;
    constexpr std::size_t kEntrySize = 16;
    std::vector<std::uint8_t> out = {0, 0, 1, 0, std::uint8_t(icons.size()), 0};
    std::vector<std::uint8_t> data;
    const std::size_t dataStart = kDirectorySize + kEntrySize * icons.size();
    for (const auto& icon : icons) {
        const std::uint8_t* entry = icon.data() + kDirectorySize;
        const std::uint32_t offset = entry[12] | entry[13] << 8 | entry[14] << 16 | entry[15] << 24;
        const std::uint32_t newOffset = std::uint32_t(dataStart + data.size());
        out.insert(out.end(), entry, entry + 12);
        for (int i = 0; i < 4; ++i)
            out.push_back(std::uint8_t(newOffset >> (8 * i)));
        data.insert(data.end(), icon.begin() + offset, icon.end());
    }
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

bool writeIcon(const QString& path) {
    std::vector<std::vector<std::uint8_t>> icons;
    for (int size : {16, 32}) {
        std::vector<std::uint8_t> bytes;
        if (!icoCodec().encode(fromQImage(drawIcon(size)), bytes).ok())
            return false;
        icons.push_back(std::move(bytes));
    }
    return writeFile(path, joinIcons(icons));
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_buttons <dist folder>\n");
        return 2;
    }
    const QDir dist(QString::fromLocal8Bit(argv[1]));
    dist.mkpath(QStringLiteral("button"));
    const std::vector<std::pair<const char*, std::function<void(QPainter&)>>> buttons = {
        {"pctvnavt.gif",
         [](QPainter& p) {
             QPainterPath arrow;
             arrow.moveTo(16, 7);
             arrow.lineTo(24, 16);
             arrow.lineTo(19, 16);
             arrow.lineTo(19, 24);
             arrow.lineTo(13, 24);
             arrow.lineTo(13, 16);
             arrow.lineTo(8, 16);
             arrow.closeSubpath();
             p.fillPath(arrow, kGlyph);
         }},
        {"pctvnavf.gif",
         [](QPainter& p) {
             bar(p, 8);
             triangle(p, {11, 16}, 12, 12, true);
         }},
        {"pctvnavp.gif",
         [](QPainter& p) {
             triangle(p, {10, 16}, 12, 14, true);
         }},
        {"pctvnavn.gif",
         [](QPainter& p) {
             triangle(p, {22, 16}, 12, 14, false);
         }},
        {"pctvnavl.gif",
         [](QPainter& p) {
             bar(p, 21);
             triangle(p, {21, 16}, 12, 12, false);
         }},
    };
    for (const auto& [name, glyph] : buttons) {
        const QString path = dist.filePath(QStringLiteral("button/") + QLatin1String(name));
        if (!writeGif(path, drawButton(glyph))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    if (!writeIcon(dist.filePath(QStringLiteral("ie.ico")))) {
        std::fprintf(stderr, "cannot write ie.ico\n");
        return 1;
    }
    return 0;
}

#include "generator/cd/TitleCard.h"

#include "core/AtomicFile.h"

#include "imaging/QtImageBridge.h"
#include "imaging/RasterImage.h"
#include "imaging/file/ImageFile.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <cmath>

#include <cstdint>
#include <vector>

namespace pictavo {

namespace {

constexpr int kCaptionPoints = 24;
constexpr int kDescriptionPoints = 14;
const QColor kCaptionColour(0, 255, 128);
const QColor kDescriptionColour(0, 255, 0);
const QSize kDefaultScreen(1024, 768);
constexpr int kDefaultDpi = 96;

QFont cardFont(int points, int dpi, bool bold) {
    // "Times New Roman" resolves through fontconfig to a metric-compatible
    // face (Liberation Serif) where the original is not installed.
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(fontPixelHeight(points, dpi));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace

TitleCardCanvas titleCardCanvas(QSize exportLimit) {
    TitleCardCanvas canvas{kDefaultScreen, kDefaultDpi};
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        canvas.size = screen->size() * screen->devicePixelRatio();
        canvas.dpi = static_cast<int>(std::lround(screen->logicalDotsPerInchY()));
        if (canvas.size.isEmpty())
            canvas.size = kDefaultScreen;
        if (canvas.dpi <= 0)
            canvas.dpi = kDefaultDpi;
    }
    if (!exportLimit.isEmpty())
        canvas.size = exportLimit;
    return canvas;
}

int fontPixelHeight(int pointSize, int dpi) {
    return std::max(1, static_cast<int>(std::lround(pointSize * static_cast<double>(dpi) / 72.0)));
}

QImage drawTitleCard(const QString& caption, const QString& description,
                     const TitleCardCanvas& canvas) {
    const int w = canvas.size.width();
    const int h = canvas.size.height();
    QImage card(canvas.size, QImage::Format_RGB32);
    if (card.isNull())
        return card;
    card.fill(Qt::black);
    QPainter painter(&card);
    painter.setRenderHint(QPainter::TextAntialiasing);

    painter.setFont(cardFont(kCaptionPoints, canvas.dpi, true));
    painter.setPen(kCaptionColour);
    const QRect captionBand(QPoint(0, h / 8), QPoint(w - 1, 3 * h / 8 - 1));
    painter.drawText(captionBand, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, caption);

    const QFont descriptionFont = cardFont(kDescriptionPoints, canvas.dpi, false);
    painter.setFont(descriptionFont);
    painter.setPen(kDescriptionColour);
    const QRect descriptionBand(QPoint(w / 8, 7 * h / 16), QPoint(7 * w / 8 - 1, h - 1));
    const bool fitsOnOneLine =
        QFontMetrics(descriptionFont).horizontalAdvance(description) <= descriptionBand.width();
    const Qt::Alignment alignment = fitsOnOneLine ? Qt::AlignHCenter : Qt::AlignLeft;
    painter.drawText(descriptionBand, alignment | Qt::AlignTop | Qt::TextWordWrap, description);
    painter.end();
    return card;
}

Status MakeTitleCard(const QString& caption, const QString& description, const QString& path,
                     const TitleCardCanvas& canvas) {
    const QImage card = drawTitleCard(caption, description, canvas);
    if (card.isNull())
        return Error(QStringLiteral("cannot draw a title card of %1 x %2 pixels")
                         .arg(canvas.size.width())
                         .arg(canvas.size.height()));
    RasterImage image = fromQImage(card);
    std::vector<std::uint8_t> jpeg;
    if (!encodeImage(image, jpeg, kImageJpeg))
        return Error(QStringLiteral("cannot write %1: %2").arg(path, image.lastError()));
    return writeFileAtomically(path, QByteArray(reinterpret_cast<const char*>(jpeg.data()),
                                                static_cast<qsizetype>(jpeg.size())));
}

}  // namespace pictavo

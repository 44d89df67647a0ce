#pragma once
// Shared by the metafile fuzz targets: one offscreen QGuiApplication for the
// whole run (text records need fonts), and a draw of every loaded picture
// into a small target, plus its natural size when that is modest.

#include "imaging/file/Picture.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdint>
#include <vector>

namespace pictavo::fuzz {

inline void ensureGuiApplication() {
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance() != nullptr)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}

inline void loadAndDraw(const std::uint8_t* data, std::size_t size) {
    const Result<Picture> picture = Picture::fromData(std::vector<std::uint8_t>(data, data + size));
    if (!picture)
        return;
    QImage small(48, 48, QImage::Format_RGB32);
    small.fill(Qt::white);
    QPainter painter(&small);
    picture->draw(painter, small.rect());
    painter.end();
    const QSize natural = picture->naturalSize();
    if (std::int64_t(natural.width()) * natural.height() <= 256 * 256)
        renderOnWhite(picture.value());
}

}  // namespace pictavo::fuzz

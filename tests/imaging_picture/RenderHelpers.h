#pragma once
// Renders test metafiles and reads back pixels.

#include "imaging/file/Picture.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace pictavo::testing {

constexpr std::uint32_t kRedRef = 0x000000FF;  // COLORREF 0x00BBGGRR
constexpr std::uint32_t kBlueRef = 0x00FF0000;
constexpr std::uint32_t kGreenRef = 0x0000FF00;

inline QImage renderNatural(const std::vector<std::uint8_t>& bytes) {
    Result<Picture> picture = Picture::fromData(bytes);
    EXPECT_TRUE(picture.ok()) << picture.error().message().toStdString();
    if (!picture)
        return {};
    return renderOnWhite(picture.value());
}

inline QColor pixel(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

// Every listed point of the rendering has the colour.
inline void expectPixels(const QImage& image, Qt::GlobalColor colour,
                         std::initializer_list<QPoint> points) {
    for (const QPoint& p : points)
        EXPECT_EQ(pixel(image, p.x(), p.y()), QColor(colour)) << "at " << p.x() << "," << p.y();
}

}  // namespace pictavo::testing

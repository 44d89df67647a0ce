#include "generator/cd/TitleCard.h"
#include "imaging/RasterImage.h"
#include "imaging/file/ImageFile.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>

namespace pictavo {
namespace {

// The first and last rows of the card, at or below row from, that hold any
// pixel brighter than black; (-1, -1) for none.
std::pair<int, int> inkedRows(const QImage& card, int from = 0) {
    std::pair<int, int> rows{-1, -1};
    for (int y = from; y < card.height(); ++y)
        for (int x = 0; x < card.width(); ++x)
            if (qGreen(card.pixel(x, y)) > 60) {
                rows = {rows.first < 0 ? y : rows.first, y};
                break;
            }
    return rows;
}

TEST(TitleCard, FontHeightsFollowTheScreenDpi) {
    EXPECT_EQ(fontPixelHeight(24, 96), 32);
    EXPECT_EQ(fontPixelHeight(14, 96), 19);  // 18.67 rounds to 19
    EXPECT_EQ(fontPixelHeight(14, 120), 23);
    EXPECT_EQ(fontPixelHeight(1, 10), 1);
}

TEST(TitleCard, CanvasIsTheExportBoxWhenALimitIsSetElseTheScreen) {
    EXPECT_EQ(titleCardCanvas(QSize(640, 480)).size, QSize(640, 480));
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize =
        screen ? screen->size() * screen->devicePixelRatio() : QSize(1024, 768);
    for (const QSize off : {QSize(0, 0), QSize(640, 0), QSize()}) {
        const TitleCardCanvas card = titleCardCanvas(off);
        EXPECT_EQ(card.size, screenSize) << off.width() << "x" << off.height();
        EXPECT_GT(card.dpi, 0);
    }
}

TEST(TitleCard, CaptionIsDrawnInTheUpperBandAndTheDescriptionBelow) {
    const TitleCardCanvas canvas{QSize(640, 480), 96};
    const QImage captionOnly = drawTitleCard(QStringLiteral("Holidays"), QString(), canvas);
    ASSERT_EQ(captionOnly.size(), QSize(640, 480));
    const auto [top, bottom] = inkedRows(captionOnly);
    EXPECT_GE(top, 480 / 8);
    EXPECT_LT(bottom, 3 * 480 / 8);
    // The caption's colour is red 0, green 255, blue 128 (antialiased edges
    // aside): find one fully inked pixel.
    bool exactColour = false;
    for (int y = 60; y < 180 && !exactColour; ++y)
        for (int x = 0; x < 640 && !exactColour; ++x)
            exactColour = captionOnly.pixel(x, y) == qRgb(0, 255, 128);
    EXPECT_TRUE(exactColour);
    const QImage both =
        drawTitleCard(QStringLiteral("Holidays"), QStringLiteral("Two weeks by the sea"), canvas);
    EXPECT_GE(inkedRows(both, 7 * 480 / 16).first, 0);
}

TEST(TitleCard, AnEmptyCaptionGivesABlackCardSavedAsJpeg) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("00000000.jpg"));
    ASSERT_TRUE(MakeTitleCard(QString(), QString(), path, {QSize(200, 100), 96}).ok());
    RasterImage card;
    ASSERT_TRUE(loadImage(card, path, kImageJpeg));
    EXPECT_EQ(QSize(card.width(), card.height()), QSize(200, 100));
    for (int y = 0; y < 100; y += 9)
        for (int x = 0; x < 200; x += 13)
            EXPECT_LT(card.pixelColor(x, y).green, 16);
}

}  // namespace
}  // namespace pictavo

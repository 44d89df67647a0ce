// The pictures shipped in the data folder decode with our own codecs: five
// 32 x 32 navigation buttons with transparent corners and a site icon.

#include "imaging/RasterImage.h"
#include "imaging/file/ImageFile.h"

#include <gtest/gtest.h>

#include <QFile>

using namespace pictavo;

TEST(ShippedData, NavigationButtonsAreTransparentCornered32PixelGifs) {
    for (const char* name : {"pctvnavt", "pctvnavf", "pctvnavp", "pctvnavn", "pctvnavl"}) {
        const QString path =
            QStringLiteral(PICTAVO_SOURCE_DIR "/dist/button/%1.gif").arg(QLatin1String(name));
        RasterImage button;
        ASSERT_TRUE(loadImage(button, path, kImageGif)) << name;
        EXPECT_EQ(button.width(), 32) << name;
        EXPECT_EQ(button.height(), 32) << name;
        ASSERT_GE(button.transparentIndex(), 0) << name;
        EXPECT_EQ(button.pixelIndex(0, 0), button.transparentIndex()) << name;
        EXPECT_NE(button.pixelIndex(16, 16), button.transparentIndex()) << name;
    }
}

TEST(ShippedData, SiteIconHoldsTheSmallAndTheLargeSize) {
    QFile file(QStringLiteral(PICTAVO_SOURCE_DIR "/dist/ie.ico"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GE(bytes.size(), 6 + 2 * 16);
    EXPECT_EQ(bytes[4], 2);                      // two images
    EXPECT_EQ(std::uint8_t(bytes[6]), 16);       // first entry width
    EXPECT_EQ(std::uint8_t(bytes[6 + 16]), 32);  // second entry width
    RasterImage icon;
    ASSERT_TRUE(loadImage(icon, file.fileName(), kImageIco));
    EXPECT_EQ(icon.width(), 32);  // the largest entry
}

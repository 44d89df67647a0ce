// Windows metafiles built byte by byte, rendered at natural size on white.

#include "MetafileBuilders.h"
#include "RenderHelpers.h"

#include "imaging/picture/WmfRenderer.h"

using namespace pictavo;
using namespace pictavo::testing;

namespace {

// A placeable file: 1440 units per inch, box 1440 x 960 units = 96 x 64 px.
WmfBuilder placeableFrame() {
    WmfBuilder wmf;
    wmf.placeable(0, 0, 1440, 960, 1440).header().windowOrg(0, 0).windowExt(1440, 960);
    return wmf;
}

}  // namespace

TEST(WmfRender, PlaceableNaturalSizeAndFilledRectangle) {
    WmfBuilder wmf = placeableFrame();
    wmf.solidBrush(kRedRef).select(0).pen(5, 0, 0).select(1).rectangle(360, 240, 1080, 720);
    const std::vector<std::uint8_t> bytes = wmf.build();

    const Result<WmfHeader> header = readWmfHeader(bytes);
    ASSERT_TRUE(header.ok());
    EXPECT_TRUE(header->placeable);

    const QImage image = renderNatural(bytes);
    ASSERT_EQ(image.size(), QSize(96, 64));
    expectPixels(image, Qt::red, {{48, 32}, {25, 17}, {70, 46}});
    expectPixels(image, Qt::white, {{20, 32}, {48, 12}, {80, 55}});
}

TEST(WmfRender, StandardFileTakesItsSizeFromTheWindowExtent) {
    WmfBuilder wmf;
    wmf.header().windowOrg(10, 20).windowExt(200, 100);
    wmf.solidBrush(kBlueRef).select(0).rectangle(10, 20, 60, 70);
    const std::vector<std::uint8_t> bytes = wmf.build();

    const Result<WmfHeader> header = readWmfHeader(bytes);
    ASSERT_TRUE(header.ok());
    EXPECT_FALSE(header->placeable);

    const QImage image = renderNatural(bytes);
    ASSERT_EQ(image.size(), QSize(200, 100));
    EXPECT_EQ(pixel(image, 25, 25), QColor(Qt::blue));
    expectPixels(image, Qt::white, {{150, 75}, {25, 80}});
}

TEST(WmfRender, DrawingIntoALargerTargetScales) {
    WmfBuilder wmf = placeableFrame();
    wmf.solidBrush(kRedRef).select(0).pen(5, 0, 0).select(1).rectangle(0, 0, 720, 480);
    const Result<Picture> picture = Picture::fromData(wmf.build());
    ASSERT_TRUE(picture.ok());
    QImage image(192, 128, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture->draw(painter, image.rect());
    painter.end();
    EXPECT_EQ(pixel(image, 90, 60), QColor(Qt::red));
    expectPixels(image, Qt::white, {{100, 60}, {90, 70}});
}

TEST(WmfRender, ShapesFillTheirInteriorWithTheSelectedBrush) {
    WmfBuilder wmf;
    wmf.header().windowOrg(0, 0).windowExt(100, 100).solidBrush(kGreenRef).select(0);
    wmf.record(0x0418, {90, 90, 10, 10});         // Ellipse 10,10 - 90,90
    wmf.record(0x0324, {3, 0, 0, 30, 0, 0, 30});  // Polygon triangle
    // Pie in the box 20,20 - 100,100, counter-clockwise from 3 o'clock to
    // 6 o'clock: three quarters, the lower right one left out.
    wmf.record(0x081A, {100, 60, 60, 100, 100, 100, 20, 20});
    const QImage image = renderNatural(wmf.build());
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(pixel(image, 50, 50), QColor(Qt::green));  // ellipse centre
    EXPECT_EQ(pixel(image, 8, 8), QColor(Qt::green));    // inside the triangle
    EXPECT_EQ(pixel(image, 94, 6), QColor(Qt::white));   // outside everything
    EXPECT_EQ(pixel(image, 92, 50), QColor(Qt::green));  // pie only, upper right
    EXPECT_EQ(pixel(image, 88, 88), QColor(Qt::white));  // the quarter left out
}

TEST(WmfRender, NullBrushLeavesTheInteriorAndPenDrawsTheOutline) {
    WmfBuilder wmf;
    wmf.header().windowOrg(0, 0).windowExt(100, 100);
    wmf.record(0x02FC, {1, 0, 0, 0});  // null brush
    wmf.select(0).pen(0, 4, kBlueRef).select(1).rectangle(20, 20, 80, 80);
    const QImage image = renderNatural(wmf.build());
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(pixel(image, 50, 50), QColor(Qt::white));
    expectPixels(image, Qt::blue, {{50, 20}, {20, 50}});
}

TEST(WmfRender, HatchedBrushMixesHatchAndBackground) {
    WmfBuilder wmf;
    wmf.header().windowOrg(0, 0).windowExt(64, 64).hatchBrush(kRedRef, 4).select(0);
    wmf.record(0x0201, {0x00FF, 0x00FF});  // background colour yellow-ish (0x00FF00FF)
    wmf.pen(5, 0, 0).select(1).rectangle(0, 0, 64, 64);
    const QImage image = renderNatural(wmf.build());
    int red = 0;
    int other = 0;
    for (int y = 8; y < 56; ++y) {
        for (int x = 8; x < 56; ++x)
            (pixel(image, x, y) == QColor(Qt::red) ? red : other)++;
    }
    EXPECT_GT(red, 100);
    EXPECT_GT(other, 1000);
}

TEST(WmfRender, DeletedSlotIsReusedByTheNextObject) {
    WmfBuilder wmf;
    wmf.header(2).windowOrg(0, 0).windowExt(40, 40);
    wmf.solidBrush(kRedRef).record(0x01F0, {0});  // create in slot 0, delete it
    wmf.solidBrush(kBlueRef).select(0);           // slot 0 again: blue
    wmf.select(7);                                // out of range: ignored
    wmf.rectangle(0, 0, 40, 40);
    const QImage image = renderNatural(wmf.build());
    EXPECT_EQ(pixel(image, 20, 20), QColor(Qt::blue));
}

TEST(WmfRender, RestoreDcBringsBackTheSavedBrush) {
    WmfBuilder wmf;
    wmf.header().windowOrg(0, 0).windowExt(40, 40);
    wmf.solidBrush(kRedRef).solidBrush(kBlueRef).select(0);
    wmf.record(0x001E, {})
        .select(1)
        .record(0x0127, {0xFFFF});  // SaveDC, select blue, RestoreDC(-1)
    wmf.rectangle(0, 0, 40, 40);
    const QImage image = renderNatural(wmf.build());
    EXPECT_EQ(pixel(image, 20, 20), QColor(Qt::red));
}

TEST(WmfRender, StretchDibPlacesTheTopRowAtTheTop) {
    WmfBuilder wmf;
    wmf.header().windowOrg(0, 0).windowExt(40, 40);
    std::vector<std::uint8_t> params;
    putLe32(params, 0x00CC0020);  // SRCCOPY
    for (int v : {0, 2, 2, 0, 0, 40, 40, 0, 0})
        putLe16(params, v);
    const auto dib = packedDib24(2, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF});
    params.insert(params.end(), dib.begin(), dib.end());
    wmf.raw(0x0F43, params);
    const QImage image = renderNatural(wmf.build());
    EXPECT_EQ(pixel(image, 10, 10), QColor(Qt::red));
    EXPECT_EQ(pixel(image, 30, 10), QColor(Qt::green));
    EXPECT_EQ(pixel(image, 10, 30), QColor(Qt::blue));
    EXPECT_EQ(pixel(image, 30, 30), QColor(Qt::white));
}

TEST(WmfRender, TextIsDrawnInTheTextColourAtItsReferencePoint) {
    WmfBuilder wmf;
    wmf.header().windowOrg(0, 0).windowExt(200, 60);
    wmf.font(-32, "DejaVu Sans").select(0);
    wmf.record(0x0209, {0x00FF, 0x0000});  // text colour red
    wmf.record(0x0102, {1});               // transparent background
    wmf.textOut(10, 10, "MMMM");
    const QImage image = renderNatural(wmf.build());
    ASSERT_FALSE(image.isNull());
    int inked = 0;
    for (int y = 10; y < 50; ++y) {
        for (int x = 10; x < 120; ++x) {
            const QColor c = pixel(image, x, y);
            if (c.red() > 200 && c.green() < 100)
                ++inked;
        }
    }
    EXPECT_GT(inked, 200);
    for (int x = 0; x < 200; ++x)
        EXPECT_EQ(pixel(image, x, 55), QColor(Qt::white)) << x;
    for (int y = 0; y < 60; ++y)
        EXPECT_EQ(pixel(image, 180, y), QColor(Qt::white)) << y;
}

// IntersectClipRect narrows and ExcludeClipRect punches out the clip, both
// undone by RestoreDC; SetROP2 with R2_NOT inverts what the brush covers.
TEST(WmfRender, ClipRecordsAndMixModeShapeWhatIsDrawn) {
    WmfBuilder wmf;
    wmf.header().windowOrg(0, 0).windowExt(100, 100);
    wmf.solidBrush(kRedRef).select(0).pen(5, 0, 0).select(1);
    wmf.record(0x001E, {});                // SaveDC
    wmf.record(0x0416, {60, 60, 20, 20});  // IntersectClipRect 20,20 - 60,60
    wmf.record(0x0415, {40, 40, 30, 30});  // ExcludeClipRect 30,30 - 40,40
    wmf.rectangle(0, 0, 100, 100);
    wmf.record(0x0127, {0xFFFF});  // RestoreDC -1
    wmf.record(0x0104, {6});       // SetROP2 R2_NOT
    wmf.rectangle(70, 70, 90, 90);
    const QImage image = renderNatural(wmf.build());
    ASSERT_EQ(image.size(), QSize(100, 100));
    EXPECT_EQ(pixel(image, 25, 25), QColor(Qt::red));
    expectPixels(image, Qt::white, {{35, 35}, {10, 10}, {65, 50}});
    EXPECT_EQ(pixel(image, 80, 80), QColor(Qt::black));
}

TEST(WmfRender, RegionObjectsAreFilledPaintedInvertedAndClipTo) {
    WmfBuilder wmf;
    wmf.header().windowOrg(0, 0).windowExt(100, 100);
    // Slot 0: the squares 0,0 - 50,50 and 50,50 - 100,100, one scan each.
    wmf.record(0x06FF, {0, 6, 0,  0, 0,  2, 2, 0,  0,   100, 100,  // header, two scans
                        2, 0, 50, 0, 50, 2, 2, 50, 100, 50,  100, 2});
    wmf.solidBrush(kRedRef).solidBrush(kBlueRef);  // slots 1 and 2
    wmf.record(0x0228, {1, 0});                    // FillRegion: brush 1, region 0
    const QImage filled = renderNatural(wmf.build());
    expectPixels(filled, Qt::red, {{25, 25}, {75, 75}});
    EXPECT_EQ(pixel(filled, 75, 25), QColor(Qt::white));

    // Clipped to the region, a rectangle over everything covers only it;
    // inverted, blue turns yellow; painted with the current brush, blue again.
    wmf.record(0x012C, {0}).select(2).rectangle(0, 0, 100, 100);
    const QImage clipped = renderNatural(wmf.build());
    EXPECT_EQ(pixel(clipped, 25, 25), QColor(Qt::blue));
    EXPECT_EQ(pixel(clipped, 25, 75), QColor(Qt::white));
    wmf.record(0x012A, {0});
    EXPECT_EQ(pixel(renderNatural(wmf.build()), 75, 75), QColor(Qt::yellow));
    wmf.record(0x012B, {0});
    const QImage painted = renderNatural(wmf.build());
    EXPECT_EQ(pixel(painted, 75, 75), QColor(Qt::blue));
    EXPECT_EQ(pixel(painted, 25, 75), QColor(Qt::white));
}

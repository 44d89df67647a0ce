// Enhanced metafiles built byte by byte, rendered at natural size on white.

#include "MetafileBuilders.h"
#include "RenderHelpers.h"

#include <bit>

using namespace pictavo;
using namespace pictavo::testing;

namespace {

// Frame 0,0 - 2540,1270 (0.01 mm) on a 96 dpi reference: 96 x 48 pixels.
EmfBuilder frame96x48() {
    return EmfBuilder({0, 0, 95, 47}, {0, 0, 2540, 1270});
}

std::int64_t floatBits(float value) {
    return std::bit_cast<std::uint32_t>(value);
}

}  // namespace

TEST(EmfRender, FrameGivesTheNaturalSizeAndRectangleLandsInPlace) {
    EmfBuilder emf = frame96x48();
    emf.solidBrush(1, kRedRef).select(1).nullPen().rectangle(10, 10, 50, 40);
    const QImage image = renderNatural(emf.build());
    ASSERT_EQ(image.size(), QSize(96, 48));
    expectPixels(image, Qt::red, {{30, 25}, {12, 12}});
    expectPixels(image, Qt::white, {{5, 25}, {70, 25}, {30, 44}});
}

TEST(EmfRender, EmptyFrameFallsBackToTheBounds) {
    EmfBuilder emf({0, 0, 29, 19}, {0, 0, 0, 0});
    emf.solidBrush(1, kBlueRef).select(1).nullPen().rectangle(0, 0, 15, 20);
    const QImage image = renderNatural(emf.build());
    ASSERT_EQ(image.size(), QSize(30, 20));
    EXPECT_EQ(pixel(image, 7, 10), QColor(Qt::blue));
    EXPECT_EQ(pixel(image, 22, 10), QColor(Qt::white));
}

TEST(EmfRender, StockObjectsAndSixteenBitPolygon) {
    EmfBuilder emf = frame96x48();
    emf.select(0x80000004).nullPen();  // BLACK_BRUSH, NULL_PEN
    std::vector<std::uint8_t> params;
    for (int v : {0, 0, 0, 0})
        putLe32(params, std::uint32_t(v));  // bounds
    putLe32(params, 4);
    for (int v : {60, 5, 90, 5, 90, 40, 60, 40})
        putLe16(params, v);
    emf.raw(86, params);  // EMR_POLYGON16
    const QImage image = renderNatural(emf.build());
    EXPECT_EQ(pixel(image, 75, 20), QColor(Qt::black));
    EXPECT_EQ(pixel(image, 50, 20), QColor(Qt::white));
}

TEST(EmfRender, WorldTransformMovesLaterDrawing) {
    EmfBuilder emf = frame96x48();
    emf.solidBrush(1, kGreenRef).select(1).nullPen();
    // SETWORLDTRANSFORM: translate by (50, 0).
    emf.record(
        35, {floatBits(1), floatBits(0), floatBits(0), floatBits(1), floatBits(50), floatBits(0)});
    emf.rectangle(0, 0, 20, 20);
    // MODIFYWORLDTRANSFORM with identity mode: back to no transform.
    emf.record(36, {floatBits(1), floatBits(0), floatBits(0), floatBits(1), 0, 0, 1});
    emf.rectangle(0, 30, 10, 40);
    const QImage image = renderNatural(emf.build());
    expectPixels(image, Qt::green, {{60, 10}, {5, 35}});
    EXPECT_EQ(pixel(image, 10, 10), QColor(Qt::white));
}

TEST(EmfRender, StretchDiBitsDrawsTheBitmapUpright) {
    EmfBuilder emf = frame96x48();
    const auto dib = packedDib24(2, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF});
    const std::uint32_t infoSize = 40;
    const std::uint32_t bitsSize = std::uint32_t(dib.size()) - infoSize;
    const std::uint32_t recordHeader = 8;
    const std::uint32_t fixed = 16 + 4 * 14;  // bounds + fourteen 32-bit fields
    std::vector<std::uint8_t> params;
    for (int v : {0, 0, 0, 0})
        putLe32(params, std::uint32_t(v));
    for (std::uint32_t v : {0u, 0u, 0u, 0u, 2u, 2u})
        putLe32(params, v);                 // dest, src, src size
    putLe32(params, recordHeader + fixed);  // offBmiSrc
    putLe32(params, infoSize);
    putLe32(params, recordHeader + fixed + infoSize);  // offBitsSrc
    putLe32(params, bitsSize);
    putLe32(params, 0);           // DIB_RGB_COLORS
    putLe32(params, 0x00CC0020);  // SRCCOPY
    putLe32(params, 40);          // dest size
    putLe32(params, 40);
    params.insert(params.end(), dib.begin(), dib.end());
    emf.raw(81, params);
    const QImage image = renderNatural(emf.build());
    EXPECT_EQ(pixel(image, 10, 10), QColor(Qt::red));
    EXPECT_EQ(pixel(image, 30, 10), QColor(Qt::green));
    EXPECT_EQ(pixel(image, 10, 30), QColor(Qt::blue));
    expectPixels(image, Qt::white, {{30, 30}, {60, 30}});
}

TEST(EmfRender, PathBracketFillsTheOutlineOnce) {
    EmfBuilder emf = frame96x48();
    emf.solidBrush(1, kBlueRef).select(1).nullPen();
    emf.record(59, {});        // BEGINPATH
    emf.record(27, {10, 10});  // MOVETOEX
    emf.record(54, {60, 10});  // LINETO
    emf.record(54, {60, 40});
    emf.record(54, {10, 40});
    emf.record(61, {});            // CLOSEFIGURE
    emf.record(60, {});            // ENDPATH
    emf.record(62, {0, 0, 0, 0});  // FILLPATH
    const QImage image = renderNatural(emf.build());
    EXPECT_EQ(pixel(image, 35, 25), QColor(Qt::blue));
    EXPECT_EQ(pixel(image, 70, 25), QColor(Qt::white));
}

TEST(EmfRender, WideTextIsDrawn) {
    EmfBuilder emf = frame96x48();
    std::vector<std::uint8_t> font;
    putLe32(font, 1);  // handle index
    for (int v : {-30, 0, 0, 0, 400})
        putLe32(font, std::uint32_t(v));
    for (int i = 0; i < 8; ++i)
        font.push_back(0);
    for (char16_t c : u"DejaVu Sans")
        putLe16(font, c);
    while (font.size() < 4 + 92)
        font.push_back(0);
    emf.raw(82, font).select(1);
    emf.record(18, {1});  // transparent background
    const std::u16string text = u"HH";
    std::vector<std::uint8_t> params;
    for (int v : {0, 0, 0, 0})
        putLe32(params, std::uint32_t(v));  // bounds
    putLe32(params, 1);                     // graphics mode
    putLe32(params, 0);
    putLe32(params, 0);
    putLe32(params, 10);  // reference x, y
    putLe32(params, 5);
    putLe32(params, std::uint32_t(text.size()));
    putLe32(params, 76);  // string offset from the record start: after the fixed part
    putLe32(params, 0);   // options
    for (int v : {0, 0, 0, 0})
        putLe32(params, std::uint32_t(v));
    putLe32(params, 0);  // no advances
    for (char16_t c : text)
        putLe16(params, c);
    emf.raw(84, params);
    const QImage image = renderNatural(emf.build());
    int inked = 0;
    for (int y = 5; y < 40; ++y) {
        for (int x = 10; x < 60; ++x)
            inked += pixel(image, x, y).lightness() < 100 ? 1 : 0;
    }
    EXPECT_GT(inked, 50);
    EXPECT_EQ(pixel(image, 90, 45), QColor(Qt::white));
}

// ExtSelectClipRgn with a region replaces the clip and without one resets
// it; IntersectClipRect narrows it; SetROP2 R2_XORPEN mixes with the page.
TEST(EmfRender, ClipRecordsAndMixModeShapeWhatIsDrawn) {
    EmfBuilder emf = frame96x48();
    emf.solidBrush(1, kRedRef).select(1).nullPen();
    // A region of two rectangles: 0,0 - 20,48 and 40,0 - 60,48 (device pixels).
    std::vector<std::uint8_t> region;
    for (std::uint32_t v : {64u, 5u, 32u, 1u, 2u, 32u, 0u, 0u, 60u, 48u,  // RGN_COPY, header
                            0u, 0u, 20u, 48u, 40u, 0u, 60u, 48u})         // the two rectangles
        putLe32(region, v);
    emf.raw(75, region);
    emf.record(30, {0, 10, 96, 48});  // IntersectClipRect: rows from 10 down
    emf.rectangle(0, 0, 96, 48);
    emf.raw(75, {0, 0, 0, 0, 5, 0, 0, 0});  // no region, RGN_COPY: clip off
    emf.record(20, {7});                    // SetROP2 R2_XORPEN
    emf.rectangle(80, 0, 96, 20);
    const QImage image = renderNatural(emf.build());
    ASSERT_EQ(image.size(), QSize(96, 48));
    expectPixels(image, Qt::red, {{10, 30}, {50, 30}});
    expectPixels(image, Qt::white, {{10, 5}, {30, 30}, {70, 30}});
    EXPECT_EQ(pixel(image, 88, 10), QColor(Qt::cyan));  // white XOR red
}

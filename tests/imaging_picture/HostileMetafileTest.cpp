// Malformed and hostile metafiles: sizes, counts and indexes out of range
// must fail cleanly or be skipped, never read out of bounds or hang.

#include "MetafileBuilders.h"
#include "RenderHelpers.h"

#include "imaging/RasterImage.h"
#include "imaging/picture/EmfRenderer.h"
#include "imaging/picture/PictureLimits.h"
#include "imaging/picture/WmfRenderer.h"

using namespace pictavo;
using namespace pictavo::testing;

TEST(HostileMetafile, HeadersThatCannotGiveASizeAreRefused) {
    WmfBuilder zeroInch;
    zeroInch.placeable(0, 0, 100, 100, 0).header();
    WmfBuilder emptyBox;
    emptyBox.placeable(5, 5, 5, 100, 1440).header();
    WmfBuilder noExtent;
    noExtent.header().windowOrg(0, 0);
    WmfBuilder hugeBox;  // 65534 units at 1 unit per inch: far beyond the limits
    hugeBox.placeable(-32767, -32767, 32767, 32767, 1).header();
    for (auto* builder : {&zeroInch, &emptyBox, &noExtent, &hugeBox}) {
        EXPECT_FALSE(readWmfHeader(builder->build()).ok());
        EXPECT_FALSE(Picture::fromData(builder->build()).ok());
    }

    EmfBuilder hugeFrame({0, 0, 10, 10}, {0, 0, 2000000000, 2000000000});
    EXPECT_FALSE(readEmfHeader(hugeFrame.build()).ok());
    EmfBuilder noSize({10, 10, 0, 0}, {0, 0, 0, 0});
    EXPECT_FALSE(readEmfHeader(noSize.build()).ok());
    std::vector<std::uint8_t> truncated = EmfBuilder({0, 0, 9, 9}, {0, 0, 100, 100}).build();
    truncated.resize(60);
    EXPECT_FALSE(readEmfHeader(truncated).ok());
}

// A few bytes of metafile must not make us allocate gigabytes: the natural
// size is capped at 16384 pixels a side and 64 Mi pixels.
TEST(HostileMetafile, NaturalSizesBeyondTheMetafileCapAreRefused) {
    const auto wmfOfSize = [](int width, int height) {
        WmfBuilder wmf;
        wmf.header().windowOrg(0, 0).windowExt(width, height);
        return wmf.build();
    };
    // Frame in 0.01 mm that gives these pixels at 96 dpi.
    const auto emfOfSize = [](int width, int height) {
        const auto mm100 = [](int pixels) { return int(std::lround(pixels * 2540.0 / 96)); };
        return EmfBuilder({0, 0, 9, 9}, {0, 0, mm100(width), mm100(height)}).build();
    };
    struct Case {
        int width, height;
        bool allowed;
    };
    for (const Case c : {Case{16384, 4096, true}, Case{16385, 10, false}, Case{10, 16385, false},
                         Case{10000, 10000, false}}) {
        SCOPED_TRACE(::testing::Message() << c.width << "x" << c.height);
        const Result<WmfHeader> wmf = readWmfHeader(wmfOfSize(c.width, c.height));
        const Result<EmfHeader> emf = readEmfHeader(emfOfSize(c.width, c.height));
        EXPECT_EQ(wmf.ok(), c.allowed);
        EXPECT_EQ(emf.ok(), c.allowed);
        if (c.allowed) {
            EXPECT_EQ(wmf->naturalSize, QSize(c.width, c.height));
            EXPECT_EQ(emf->naturalSize, QSize(c.width, c.height));
        } else {
            EXPECT_FALSE(Picture::fromData(wmfOfSize(c.width, c.height)).ok());
            EXPECT_FALSE(Picture::fromData(emfOfSize(c.width, c.height)).ok());
        }
    }
}

TEST(HostileMetafile, BadRecordSizesEndPlaybackWithoutHarm) {
    WmfBuilder wmf;
    wmf.header().windowOrg(0, 0).windowExt(20, 20).solidBrush(kRedRef).select(0);
    std::vector<std::uint8_t> zeroSize = wmf.build(false);
    putLe32(zeroSize, 0);  // a record of size 0, then a rectangle that must not run
    putLe16(zeroSize, 0x041B);
    std::vector<std::uint8_t> rest = WmfBuilder().rectangle(0, 0, 20, 20).build(false);
    const QImage stopped = renderNatural(zeroSize);
    ASSERT_FALSE(stopped.isNull());
    EXPECT_EQ(pixel(stopped, 10, 10), QColor(Qt::white));

    std::vector<std::uint8_t> oversized = wmf.build(false);
    putLe32(oversized, 0x7FFFFFFF);  // claims far more than the file holds
    putLe16(oversized, 0x041B);
    for (int v : {20, 20, 0, 0})
        putLe16(oversized, v);
    const QImage cut = renderNatural(oversized);
    EXPECT_EQ(pixel(cut, 10, 10), QColor(Qt::white));
}

TEST(HostileMetafile, CountsBeyondTheRecordAreIgnored) {
    WmfBuilder wmf;
    wmf.header().windowOrg(0, 0).windowExt(20, 20).solidBrush(kRedRef).select(0);
    wmf.record(0x0324, {30000, 0, 0, 20, 0});     // polygon claiming 30000 points
    wmf.record(0x0538, {2, 30000, 30000, 0, 0});  // poly-polygon with huge counts
    wmf.record(0x0521, {500, 0x4141});            // TextOut longer than its record
    wmf.record(0x0A32, {0, 0, 1000, 6, 0, 0});    // ExtTextOut, rectangle missing
    wmf.record(0x0F43, {0x0020, 0x00CC, 0, 2, 2, 0, 0, 20, 20, 0, 0, 40, 0});  // broken DIB
    const QImage image = renderNatural(wmf.build());
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(pixel(image, 10, 10), QColor(Qt::white));

    EmfBuilder emf({0, 0, 19, 19}, {0, 0, 529, 529}, 4);
    emf.solidBrush(1, kRedRef).select(1);
    emf.solidBrush(100000, kBlueRef).select(100000);  // handle beyond the table
    emf.record(86, {0, 0, 0, 0, 0x7FFFFFFF});         // POLYGON16 with a huge count
    emf.record(91, {0, 0, 0, 0, 0x40000000, 1, 1});   // POLYPOLYGON16, counts disagree
    emf.record(84, {0, 0, 0, 0, 1, 0, 0, 0, 0, 1000, 0x7FFFFFF0, 0, 0, 0, 0, 0, 0});
    emf.record(81, {0, 0, 0, 0, 0, 0, 0, 0, 2, 2, 0xFFFFFFF0, 40, 16, 16, 0, 0xCC0020, 20, 20});
    emf.rectangle(0, 0, 20, 20);
    const QImage drawn = renderNatural(emf.build());
    EXPECT_EQ(pixel(drawn, 10, 10), QColor(Qt::red));  // the bad records changed nothing
}

TEST(HostileMetafile, AbsurdCoordinatesAndTransformsAreSkipped) {
    EmfBuilder emf({0, 0, 19, 19}, {0, 0, 529, 529});
    emf.solidBrush(1, kRedRef).select(1);
    emf.record(35, {0x7F7FFFFF, 0, 0, 0x7F7FFFFF, 0, 0});  // FLT_MAX scale: refused
    emf.record(9, {1, 1});                                 // window extent 1 ...
    emf.record(11, {2000000000, 2000000000});              // ... viewport extent huge
    emf.record(17, {8});                                   // MM_ANISOTROPIC
    emf.rectangle(0, 0, 5, 5);
    emf.record(17, {1});  // back to MM_TEXT
    // A font with the most negative escapement and a height of INT_MIN.
    std::vector<std::uint8_t> font;
    for (std::uint32_t v : {2u, 0x80000000u, 0u, 0x80000000u, 0u, 400u})
        putLe32(font, v);
    font.resize(4 + 92, 0);
    emf.raw(82, font).select(2);
    emf.record(84, {0, 0, 0, 0, 1, 0, 0, 3, 3, 1, 76, 0, 0, 0, 0, 0, 0, 'x'});
    emf.record(43, {0, 0, 10, 10});
    const QImage image = renderNatural(emf.build());
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(pixel(image, 5, 5), QColor(Qt::red));
    EXPECT_EQ(pixel(image, 15, 15), QColor(Qt::white));
}

TEST(HostileMetafile, SourceRectangleBeyondTheBitmapDrawsOnlyTheBitmap) {
    const auto dib = packedDib24(2, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF});
    // DIBSTRETCHBLT: raster op, source height and width, source y and x,
    // destination height, width, y, x, then the DIB.
    const auto stretchBlt = [&](int sourceSize) {
        std::vector<std::uint8_t> params;
        putLe32(params, 0x00CC0020);
        for (int v : {sourceSize, sourceSize, 0, 0, 40, 40, 0, 0})
            putLe16(params, v);
        params.insert(params.end(), dib.begin(), dib.end());
        WmfBuilder wmf;
        wmf.header().windowOrg(0, 0).windowExt(40, 40).raw(0x0B41, params);
        return wmf.build();
    };
    // Source 4 x 4 of a 2 x 2 bitmap: the bitmap fills the top left quarter.
    const QImage quarter = renderNatural(stretchBlt(4));
    EXPECT_EQ(pixel(quarter, 5, 5), QColor(Qt::red));
    EXPECT_EQ(pixel(quarter, 15, 5), QColor(Qt::green));
    EXPECT_EQ(pixel(quarter, 5, 15), QColor(Qt::blue));
    expectPixels(quarter, Qt::white, {{30, 5}, {5, 30}});
    // A huge source rectangle must not make a huge copy of the bitmap.
    const QImage tiny = renderNatural(stretchBlt(32000));
    ASSERT_EQ(tiny.size(), QSize(40, 40));
    EXPECT_EQ(pixel(tiny, 20, 20), QColor(Qt::white));
}

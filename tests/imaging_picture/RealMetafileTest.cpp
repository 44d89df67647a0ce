// Metafiles written by Inkscape and LibreOffice (tests/data/metafiles; its
// README says how each was made and where the sizes come from). Each loads
// at the size its header gives, and sample points land where the writer's
// own rendering of the drawing has them.

#include "imaging/file/Picture.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <cstdlib>
#include <initializer_list>

using namespace pictavo;

namespace {

constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kBlack = 0x000000;

struct RealFile {
    const char* name;
    Picture::Kind kind;
    QSize size;
};

struct Probe {
    QPoint at;
    QRgb colour;
};

QImage load(const RealFile& file) {
    const Result<Picture> picture =
        Picture::load(QStringLiteral(PICTAVO_TEST_DATA "/metafiles/") + QLatin1String(file.name));
    EXPECT_TRUE(picture.ok()) << file.name << ": " << picture.error().message().toStdString();
    if (!picture)
        return {};
    EXPECT_EQ(picture->kind(), file.kind) << file.name;
    EXPECT_EQ(picture->naturalSize(), file.size) << file.name;
    return renderOnWhite(picture.value());
}

// Within a few levels per channel: the writers' renderings smooth edges, ours does not.
bool near(QRgb actual, QRgb expected) {
    constexpr int kTolerance = 8;
    return std::abs(qRed(actual) - qRed(expected)) <= kTolerance &&
           std::abs(qGreen(actual) - qGreen(expected)) <= kTolerance &&
           std::abs(qBlue(actual) - qBlue(expected)) <= kTolerance;
}

void expectColours(const QImage& image, const RealFile& file, std::initializer_list<Probe> probes) {
    for (const Probe& probe : probes) {
        const QRgb actual = image.pixel(probe.at);
        EXPECT_TRUE(near(actual, probe.colour))
            << file.name << " at " << probe.at.x() << "," << probe.at.y() << ": "
            << QColor(actual).name().toStdString() << ", expected "
            << QColor(probe.colour).name().toStdString();
    }
}

// The share of the pixels in box for which counts(pixel) holds.
template <typename Predicate>
double share(const QImage& image, const QRect& box, Predicate counts) {
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x)
            count += counts(image.pixel(x, y)) ? 1 : 0;
    }
    return double(count) / (box.width() * box.height());
}

auto nearTo(QRgb colour) {
    return [colour](QRgb pixel) { return near(pixel, colour); };
}

// Text is smoothed: its strokes are dark rather than black.
bool dark(QRgb pixel) {
    return qGray(pixel) < 128;
}

}  // namespace

// Inkscape: a red octagon, a white outline inset from its edge, white
// "STOP" across the middle (EMF paths with ExtTextOutW; WMF polygons with
// ExtTextOut).
TEST(RealMetafile, InkscapeStopSignHasItsFillOutlineAndText) {
    constexpr QRgb kRed = 0xE81108;
    for (const RealFile& file : {RealFile{"stop-inkscape.emf", Picture::Kind::Emf, {302, 302}},
                                 RealFile{"stop-inkscape.wmf", Picture::Kind::Wmf, {299, 300}}}) {
        const QImage image = load(file);
        ASSERT_FALSE(image.isNull()) << file.name;
        expectColours(image, file,
                      {{{150, 40}, kRed},
                       {{150, 262}, kRed},
                       {{150, 2}, kRed},
                       {{150, 7}, kWhite},
                       {{150, 13}, kRed},
                       {{6, 6}, kWhite}});
        // Letters, not a white box and not nothing: both colours in the band.
        const QRect letters(40, 135, 220, 30);
        EXPECT_GT(share(image, letters, nearTo(kWhite)), 0.1) << file.name;
        EXPECT_GT(share(image, letters, nearTo(kRed)), 0.1) << file.name;
    }
}

// Inkscape: bars under a clip path that cuts notches for the digits,
// except under the guard bars. The EMF keeps the clip (a path bracket and
// SelectClipPath); Inkscape's WMF writer drops it, so there the bars run
// through the notches.
TEST(RealMetafile, InkscapeBarcodeIsClippedInEmfAndHasItsDigits) {
    const QPoint inNotches[] = {{38, 137}, {64, 137}, {159, 137}, {173, 137}};
    const QPoint guards[] = {{13, 137}, {105, 137}, {197, 137}};
    const QRect firstDigit(0, 134, 9, 14);  // the "0" left of the bars
    for (const RealFile& file :
         {RealFile{"barcode-inkscape.emf", Picture::Kind::Emf, {215, 151}},
          RealFile{"barcode-inkscape.wmf", Picture::Kind::Wmf, {215, 149}}}) {
        const QImage image = load(file);
        ASSERT_FALSE(image.isNull()) << file.name;
        const QRgb notch = file.kind == Picture::Kind::Emf ? kWhite : kBlack;
        for (const QPoint& point : inNotches)
            expectColours(image, file, {{point, notch}});
        for (const QPoint& point : guards)
            expectColours(image, file, {{point, kBlack}});
        expectColours(image, file, {{{66, 60}, kBlack}, {{48, 60}, kWhite}, {{3, 60}, kWhite}});
        EXPECT_GT(share(image, firstDigit, dark), 0.1) << file.name;
    }
}

// LibreOffice Draw (shapes.fodg, 8 x 5 cm): a blue rectangle, an orange
// ellipse with a 1 mm black outline, "Pictavo" in bold and an 8 x 8 bitmap
// of red, green, blue and yellow quadrants; the EMF and WMF put them at
// the same pixels.
TEST(RealMetafile, LibreOfficeDrawingHasItsShapesTextAndBitmap) {
    for (const RealFile& file :
         {RealFile{"shapes-libreoffice.emf", Picture::Kind::Emf, {302, 189}},
          RealFile{"shapes-libreoffice.wmf", Picture::Kind::Wmf, {302, 189}}}) {
        const QImage image = load(file);
        ASSERT_FALSE(image.isNull()) << file.name;
        expectColours(image, file,
                      {{{75, 56}, 0x1E50C8},
                       {{22, 56}, 0x1E50C8},
                       {{15, 56}, kWhite},
                       {{75, 22}, 0x1E50C8},
                       {{75, 15}, kWhite},
                       {{227, 56}, 0xF0A000},
                       {{227, 19}, kBlack},
                       {{150, 56}, kWhite},
                       {{300, 5}, kWhite},
                       {{226, 128}, 0xFF0000},
                       {{264, 128}, 0x00A000},
                       {{226, 166}, 0x0000FF},
                       {{264, 166}, 0xFFFF00}});
        const QRect text(19, 113, 143, 61);
        EXPECT_GT(share(image, text, dark), 0.05) << file.name;
        EXPECT_GT(share(image, text, nearTo(kWhite)), 0.3) << file.name;
    }
}

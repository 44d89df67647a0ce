// Behaviour the reference files do not pin down: RLE escapes, clamping of
// palette indexes outside the palette, the choice among icon entries of one
// size, structural sniffing and the screen around a GIF frame.

#include "CodecTestSupport.h"
#include "imaging/codecs/Codecs.h"

#include <gtest/gtest.h>

namespace pictavo::test {
namespace {

std::vector<int> rowIndexes(const RasterImage& image, int y) {
    std::vector<int> row;
    for (int x = 0; x < image.width(); ++x)
        row.push_back(image.pixelIndex(x, y));
    return row;
}

TEST(BmpBehaviourTest, Rle8FollowsRunsDeltasLineEndsAndLiterals) {
    const Bytes rle = {2, 7,              // two pixels of 7 on the bottom row
                       0, 2, 1, 1,        // delta: right 1, up 1 -> (3, 1)
                       1, 9,              // one pixel of 9
                       0, 0,              // end of line -> row 2
                       0, 3, 4, 5, 6, 0,  // literal of three, padded
                       0, 1};             // end of bitmap
    std::vector<std::uint32_t> palette(16);
    for (std::uint32_t i = 0; i < 16; ++i)
        palette[i] = i * 0x010101;
    RasterImage image;
    ASSERT_TRUE(bmpCodec().decode(bitmap(4, 3, 8, 1, palette, rle), image, {}).ok());
    EXPECT_EQ(rowIndexes(image, 0), (std::vector<int>{4, 5, 6, 0}));
    EXPECT_EQ(rowIndexes(image, 1), (std::vector<int>{0, 0, 0, 9}));
    EXPECT_EQ(rowIndexes(image, 2), (std::vector<int>{7, 7, 0, 0}));
}

TEST(BmpBehaviourTest, Rle4RunsAlternateTheirTwoNibbles) {
    const Bytes rle = {5, 0x12, 0, 0, 0, 3, 0x34, 0x50, 0, 1};
    RasterImage image;
    ASSERT_TRUE(
        bmpCodec().decode(bitmap(5, 2, 4, 2, std::vector<std::uint32_t>(16), rle), image, {}).ok());
    EXPECT_EQ(rowIndexes(image, 1), (std::vector<int>{1, 2, 1, 2, 1}));
    EXPECT_EQ(rowIndexes(image, 0), (std::vector<int>{3, 4, 5, 0, 0}));
}

TEST(BmpBehaviourTest, IndexBeyondAShortPaletteTakesItsLastEntry) {
    const Bytes pixels = {0, 1, 200, 0};  // one row of 3 pixels, padded
    RasterImage image;
    ASSERT_TRUE(
        bmpCodec().decode(bitmap(3, 1, 8, 0, {0x000000, 0x00FF8040}, pixels), image, {}).ok());
    EXPECT_EQ(image.pixelColor(2, 0), (Rgb{0xFF, 0x80, 0x40}));
    EXPECT_EQ(image.pixelColor(1, 0), (Rgb{0xFF, 0x80, 0x40}));
    EXPECT_EQ(image.pixelColor(0, 0), (Rgb{0, 0, 0}));
}

TEST(BmpBehaviourTest, ZeroAlphaBytesMeanNoAlphaChannel) {
    const Bytes pixels = {10, 20, 30, 0, 40, 50, 60, 0};
    Bytes file = bitmap(2, 1, 32, 3, {0x00FF0000, 0x0000FF00, 0x000000FF}, pixels);
    // The three masks sit where a palette would; colours used must then be 0.
    file = patchedLe(file, 14 + 32, 0, 4);
    RasterImage image;
    ASSERT_TRUE(bmpCodec().decode(file, image, {}).ok());
    EXPECT_FALSE(image.hasAlpha());
    EXPECT_EQ(image.pixelColor(1, 0), (Rgb{60, 50, 40}));
}

TEST(GifBehaviourTest, IndexBeyondTheColourTableTakesItsLastEntry) {
    // 2 x 2, two colours, code size 2; codes: clear, 3, 3, 3, 3, end.
    // Index 3 is beyond the two-entry table.
    const Bytes gif = {'G', 'I', 'F', '8', '9', 'a', 2,  0,    2,    0,    0x80, 0,
                       0,   0,   0,   0,   200, 100, 50, 0x2C, 0,    0,    0,    0,
                       2,   0,   2,   0,   0,   2,   3,  0xDC, 0x36, 0x05, 0,    0x3B};
    RasterImage image;
    const Status status = gifCodec().decode(gif, image, {});
    ASSERT_TRUE(status.ok()) << status.error().message().toStdString();
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(image.pixelColor(x, y), (Rgb{200, 100, 50}));
}

TEST(GifBehaviourTest, FrameSitsOnTheScreenOverTheBackground) {
    const Bytes file = fixture("gif-offset-frame.gif");
    RasterImage image;
    ASSERT_TRUE(gifCodec().decode(file, image, {}).ok());
    const int background = file[11];
    EXPECT_EQ(image.pixelIndex(0, 0), background);
    EXPECT_EQ(image.pixelIndex(23, 19), background);
}

TEST(TgaBehaviourTest, IndexOutsideTheColourMapIsClamped) {
    // 3 x 1 colour mapped, map of two 24-bit entries starting at index 0.
    const Bytes tga = {0, 1, 1, 0, 0, 2, 0, 24, 0,  0,  0, 0, 3, 0,
                       1, 0, 8, 0, 1, 2, 3, 40, 50, 60, 0, 1, 9};
    RasterImage image;
    ASSERT_TRUE(tgaCodec().decode(tga, image, {}).ok());
    EXPECT_EQ(image.pixelColor(0, 0), (Rgb{3, 2, 1}));
    EXPECT_EQ(image.pixelColor(2, 0), (Rgb{60, 50, 40}));
}

TEST(TgaBehaviourTest, RightToLeftRowsAreMirrored) {
    // 2 x 1, 24 bits, right-to-left: the first pixel in the file is the rightmost.
    const Bytes tga = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 1, 0, 24, 0x10, 1, 2, 3, 4, 5, 6};
    RasterImage image;
    ASSERT_TRUE(tgaCodec().decode(tga, image, {}).ok());
    EXPECT_EQ(image.pixelColor(1, 0), (Rgb{3, 2, 1}));
    EXPECT_EQ(image.pixelColor(0, 0), (Rgb{6, 5, 4}));
}

// Two entries of one size, 24 bits without alpha and 32 bits with alpha:
// the deeper one is chosen whichever comes first.
TEST(IcoBehaviourTest, TheDeepestOfEqualSizesWins) {
    RasterImage opaque = rgbImage(8, 8);
    RasterImage translucent = rgbImage(8, 8);
    translucent.createAlpha(77);
    Bytes shallow, deep;
    ASSERT_TRUE(icoCodec().encode(opaque, shallow).ok());
    ASSERT_TRUE(icoCodec().encode(translucent, deep).ok());
    const std::size_t kDirectory = 6 + 16;
    for (bool deepFirst : {false, true}) {
        const Bytes& first = deepFirst ? deep : shallow;
        const Bytes& second = deepFirst ? shallow : deep;
        Bytes file = {0, 0, 1, 0, 2, 0};
        const auto firstSize = std::uint32_t(first.size() - kDirectory);
        const auto secondSize = std::uint32_t(second.size() - kDirectory);
        file.insert(file.end(), first.begin() + 6, first.begin() + 14);  // entry up to its size
        appendLe(file, firstSize, 4);
        appendLe(file, 6 + 32, 4);
        file.insert(file.end(), second.begin() + 6, second.begin() + 14);
        appendLe(file, secondSize, 4);
        appendLe(file, 6 + 32 + firstSize, 4);
        file.insert(file.end(), first.begin() + kDirectory, first.end());
        file.insert(file.end(), second.begin() + kDirectory, second.end());
        RasterImage image;
        ASSERT_TRUE(icoCodec().decode(file, image, {}).ok());
        ASSERT_TRUE(image.hasAlpha()) << "deep entry first: " << deepFirst;
        EXPECT_EQ(image.alphaRow(3)[3], 77);
    }
}

// ImageMagick reads such a file the other way round (0 as white); we follow
// the PCX convention of black for 0 unless the header palette says otherwise.
TEST(PcxBehaviourTest, MonochromeIsBlackForZero) {
    Bytes file = fixture("pcx-1bit.pcx");
    RasterImage image;
    ASSERT_TRUE(pcxCodec().decode(file, image, {}).ok());
    EXPECT_EQ(image.pixelIndex(0, 0), 0);  // the pattern starts 0, 1, 0, 1
    EXPECT_EQ(image.pixelIndex(1, 0), 1);
    EXPECT_EQ(image.pixelColor(0, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(image.pixelColor(1, 0), (Rgb{255, 255, 255}));
    // A header palette of two distinct colours is honoured.
    file = patchedLe(patchedLe(file, 16, 0x0000FF, 3), 19, 0x00FF00, 3);
    ASSERT_TRUE(pcxCodec().decode(file, image, {}).ok());
    EXPECT_EQ(image.pixelColor(0, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(image.pixelColor(1, 0), (Rgb{0, 255, 0}));
}

// CGA-style files: 2 bits per pixel in one plane, colours from the header
// palette.
TEST(PcxBehaviourTest, TwoBitPixelsTakeTheHeaderPalette) {
    Bytes file(128, 0);
    file[0] = 0x0A;
    file[1] = 5;
    file[2] = 0;  // not run-length coded
    file[3] = 2;
    file = patchedLe(patchedLe(file, 8, 4, 2), 10, 1, 2);  // x 0..4, y 0..1
    for (std::size_t i = 0; i < 4; ++i)
        file = patchedLe(file, 16 + 3 * i, 0x102030u * std::uint32_t(i + 1), 3);
    file[65] = 1;
    file = patchedLe(file, 66, 2, 2);
    const Bytes rows = {0x1B, 0xC0, 0xE4, 0x00};  // 0 1 2 3 | 0 / 3 2 1 0 | 0
    file.insert(file.end(), rows.begin(), rows.end());
    RasterImage image;
    const Status status = pcxCodec().decode(file, image, {});
    ASSERT_TRUE(status.ok()) << status.error().message().toStdString();
    ASSERT_EQ(image.width(), 5);
    EXPECT_EQ(rowIndexes(image, 0), (std::vector<int>{0, 1, 2, 3, 3}));
    EXPECT_EQ(rowIndexes(image, 1), (std::vector<int>{3, 2, 1, 0, 0}));
    EXPECT_EQ(image.pixelColor(2, 0), (Rgb{0x90, 0x60, 0x30}));
}

TEST(SniffTest, WbmpIsRecognisedOnlyWhenItsSizeIsExact) {
    Bytes file = fixture("wbmp-mono.wbmp");
    EXPECT_TRUE(wbmpCodec().sniff(file));
    file.push_back(0);
    EXPECT_FALSE(wbmpCodec().sniff(file));
    file.resize(file.size() - 2);
    EXPECT_FALSE(wbmpCodec().sniff(file));
}

struct SniffCase {
    const char* file;
    const Codec& (*owner)();
};

class ForeignSniffTest : public testing::TestWithParam<SniffCase> {};

// Each fixture is claimed by its own codec and by none of the others.
TEST_P(ForeignSniffTest, OnlyTheOwnerClaimsTheFile) {
    const Bytes file = fixture(GetParam().file);
    for (const Codec* codec :
         {&bmpCodec(), &gifCodec(), &icoCodec(), &tgaCodec(), &pcxCodec(), &wbmpCodec()})
        EXPECT_EQ(codec->sniff(file), codec == &GetParam().owner()) << codec->name();
}

INSTANTIATE_TEST_SUITE_P(Files, ForeignSniffTest,
                         testing::Values(SniffCase{"bmp-8bit.bmp", bmpCodec},
                                         SniffCase{"gif-mono.gif", gifCodec},
                                         SniffCase{"icon-32-alpha.ico", icoCodec},
                                         SniffCase{"tga-rle-top-left.tga", tgaCodec},
                                         SniffCase{"pcx-8bit.pcx", pcxCodec},
                                         SniffCase{"wbmp-mono.wbmp", wbmpCodec}));

}  // namespace
}  // namespace pictavo::test

// Every depth each codec writes is read back pixel for pixel: colours,
// transparency (where the format keeps it) and the depth the reader
// produces.

#include "CodecTestSupport.h"
#include "imaging/codecs/Codecs.h"

#include <gtest/gtest.h>

namespace pictavo::test {
namespace {

RasterImage withAlpha(RasterImage image) {
    image.createAlpha();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.alphaRow(y)[x] = std::uint8_t((x * 40 + y * 3) % 256);
    return image;
}

RasterImage withTransparentIndex(RasterImage image, int index) {
    image.setTransparentIndex(index);
    return image;
}

RasterImage blackAndWhite(int width, int height) {
    RasterImage image = paletteImage(width, height, 1);
    image.setPaletteEntry(0, {0, 0, 0, 0});
    image.setPaletteEntry(1, {255, 255, 255, 0});
    return image;
}

struct RoundTripCase {
    const char* label;
    const Codec& (*codec)();
    RasterImage (*make)();
    int decodedDepth;
    bool keepsTransparency;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) {
    *os << c.label;
}

class RoundTripTest : public testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTripTest, ReadsBackWhatItWrote) {
    const RoundTripCase& c = GetParam();
    const RasterImage original = c.make();
    std::vector<std::uint8_t> encoded;
    const Status written = c.codec().encode(original, encoded);
    ASSERT_TRUE(written.ok()) << written.error().message().toStdString();
    EXPECT_TRUE(c.codec().sniff(encoded));

    RasterImage decoded;
    const Status read = c.codec().decode(encoded, decoded, {});
    ASSERT_TRUE(read.ok()) << read.error().message().toStdString();
    ASSERT_EQ(decoded.width(), original.width());
    ASSERT_EQ(decoded.height(), original.height());
    EXPECT_EQ(decoded.bitsPerPixel(), c.decodedDepth);
    for (int y = 0; y < original.height(); ++y) {
        for (int x = 0; x < original.width(); ++x) {
            ASSERT_EQ(decoded.pixelColor(x, y), original.pixelColor(x, y))
                << "at " << x << "," << y;
            if (c.keepsTransparency) {
                ASSERT_EQ(effectiveAlpha(decoded, x, y), effectiveAlpha(original, x, y))
                    << "at " << x << "," << y;
            }
        }
    }
}

// Odd sizes make every row need padding.
constexpr int kW = 19;
constexpr int kH = 7;

const RoundTripCase kCases[] = {
    {"bmp_1bit", bmpCodec, [] { return paletteImage(kW, kH, 1); }, 1, false},
    {"bmp_4bit", bmpCodec, [] { return paletteImage(kW, kH, 4); }, 4, false},
    {"bmp_8bit", bmpCodec, [] { return paletteImage(kW, kH, 8); }, 8, false},
    {"bmp_24bit", bmpCodec, [] { return rgbImage(kW, kH); }, 24, false},
    {"gif_1bit", gifCodec, [] { return paletteImage(kW, kH, 1); }, 1, true},
    {"gif_4bit", gifCodec, [] { return paletteImage(kW, kH, 4); }, 4, true},
    {"gif_8bit", gifCodec, [] { return paletteImage(300, 41, 8); }, 8, true},
    {"gif_8bit_transparent_index", gifCodec,
     [] { return withTransparentIndex(paletteImage(kW, kH, 8), 5); }, 8, true},
    {"gif_24bit_few_colours", gifCodec, [] { return rgbImage(16, 16); }, 8, true},
    {"ico_24bit", icoCodec, [] { return rgbImage(kW, kH); }, 24, true},
    {"ico_32bit_alpha", icoCodec, [] { return withAlpha(rgbImage(kW, kH)); }, 24, true},
    {"ico_palette_transparent_index", icoCodec,
     [] { return withTransparentIndex(paletteImage(kW, kH, 4), 2); }, 24, true},
    {"tga_grey", tgaCodec, [] { return greyImage(kW, kH); }, 8, true},
    {"tga_8bit_colour_mapped", tgaCodec, [] { return paletteImage(kW, kH, 8); }, 8, true},
    {"tga_4bit_widened", tgaCodec, [] { return paletteImage(kW, kH, 4); }, 8, true},
    {"tga_24bit", tgaCodec, [] { return rgbImage(300, 5); }, 24, true},
    {"tga_32bit_alpha", tgaCodec, [] { return withAlpha(rgbImage(kW, kH)); }, 24, true},
    {"pcx_8bit", pcxCodec, [] { return paletteImage(kW, kH, 8); }, 8, false},
    {"pcx_1bit_widened", pcxCodec, [] { return paletteImage(kW, kH, 1); }, 8, false},
    {"pcx_4bit_widened", pcxCodec, [] { return paletteImage(kW, kH, 4); }, 8, false},
    {"pcx_24bit", pcxCodec, [] { return rgbImage(kW, kH); }, 24, false},
    {"wbmp_1bit", wbmpCodec, [] { return blackAndWhite(kW, kH); }, 1, false},
};

INSTANTIATE_TEST_SUITE_P(Depths, RoundTripTest, testing::ValuesIn(kCases),
                         [](const auto& row) { return std::string(row.param.label); });

TEST(RoundTripTest, GifQuantisesManyColoursToTheNearestCubeColour) {
    RasterImage image;
    ASSERT_TRUE(image.create(64, 64, 24));
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            image.setPixelColor(x, y, {std::uint8_t(x * 4), std::uint8_t(y * 4), 77});
    std::vector<std::uint8_t> encoded;
    ASSERT_TRUE(gifCodec().encode(image, encoded).ok());
    RasterImage decoded;
    ASSERT_TRUE(gifCodec().decode(encoded, decoded, {}).ok());
    EXPECT_EQ(decoded.bitsPerPixel(), 8);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const Rgb want = image.pixelColor(x, y);
            const Rgb got = decoded.pixelColor(x, y);
            // Half a cube step: 255 / 5 / 2 for red and blue, 255 / 6 / 2 for green.
            ASSERT_LE(std::abs(got.red - want.red), 26);
            ASSERT_LE(std::abs(got.green - want.green), 22);
            ASSERT_LE(std::abs(got.blue - want.blue), 26);
        }
    }
}

TEST(RoundTripTest, BmpKeepsTheResolution) {
    RasterImage image = rgbImage(4, 4);
    image.setResolution(2835, 5669);
    std::vector<std::uint8_t> encoded;
    ASSERT_TRUE(bmpCodec().encode(image, encoded).ok());
    RasterImage decoded;
    ASSERT_TRUE(bmpCodec().decode(encoded, decoded, {}).ok());
    EXPECT_EQ(decoded.xPelsPerMeter(), 2835);
    EXPECT_EQ(decoded.yPelsPerMeter(), 5669);
}

TEST(RoundTripTest, EncodersRefuseAnEmptyImage) {
    const RasterImage empty;
    for (const Codec* codec :
         {&bmpCodec(), &gifCodec(), &icoCodec(), &tgaCodec(), &pcxCodec(), &wbmpCodec()}) {
        std::vector<std::uint8_t> out;
        EXPECT_FALSE(codec->encode(empty, out).ok()) << codec->name();
    }
}

}  // namespace
}  // namespace pictavo::test

// Decodes files written by ImageMagick (and variants assembled by
// make-fixtures.py) and files other programs wrote (tests/data/real), and
// compares every pixel with ImageMagick's own decoding of the same file,
// stored beside it as an RGBA PAM.

#include "CodecTestSupport.h"
#include "imaging/codecs/Codecs.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace pictavo::test {
namespace {

struct ReferenceCase {
    const char* file;
    const Codec& (*codec)();
    int width;
    int height;
    int depth;      // of the decoded RasterImage
    int frameLeft;  // where the reference's pixels lie in the decoded image
    int frameTop;
    int tolerance;  // per channel, for depths that scale 5-bit channels
};

void PrintTo(const ReferenceCase& c, std::ostream* os) {
    *os << c.file;
}

class ReferenceDecodeTest : public testing::TestWithParam<ReferenceCase> {};

TEST_P(ReferenceDecodeTest, MatchesImageMagick) {
    const ReferenceCase& c = GetParam();
    const Bytes bytes = fixture(c.file);
    const Codec& codec = c.codec();
    EXPECT_TRUE(codec.sniff(bytes));
    Result<ImageHeader> header = codec.readHeader(bytes);
    ASSERT_TRUE(header.ok()) << header.error().message().toStdString();
    EXPECT_EQ(header->width, c.width);
    EXPECT_EQ(header->height, c.height);

    RasterImage image;
    const Status status = codec.decode(bytes, image, {});
    ASSERT_TRUE(status.ok()) << status.error().message().toStdString();
    ASSERT_EQ(image.width(), c.width);
    ASSERT_EQ(image.height(), c.height);
    EXPECT_EQ(image.bitsPerPixel(), c.depth);

    const Pam reference = readPam(std::string(c.file) + ".pam");
    int mismatches = 0;
    for (int y = 0; y < reference.height; ++y) {
        for (int x = 0; x < reference.width; ++x) {
            const int alpha = effectiveAlpha(image, x + c.frameLeft, y + c.frameTop);
            if (alpha != reference.alpha(x, y))
                ++mismatches;
            if (reference.alpha(x, y) == 0)
                continue;  // colour under a hole is not defined
            const Rgb got = image.pixelColor(x + c.frameLeft, y + c.frameTop);
            const Rgb want = reference.colour(x, y);
            if (std::abs(got.red - want.red) > c.tolerance ||
                std::abs(got.green - want.green) > c.tolerance ||
                std::abs(got.blue - want.blue) > c.tolerance)
                ++mismatches;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

const ReferenceCase kCases[] = {
    {"bmp-1bit.bmp", bmpCodec, 16, 12, 1, 0, 0, 0},
    {"bmp-4bit.bmp", bmpCodec, 16, 12, 4, 0, 0, 0},
    {"bmp-8bit.bmp", bmpCodec, 16, 12, 8, 0, 0, 0},
    {"bmp-24bit.bmp", bmpCodec, 16, 12, 24, 0, 0, 0},
    {"bmp-rle4.bmp", bmpCodec, 13, 9, 4, 0, 0, 0},
    {"bmp-rle8.bmp", bmpCodec, 16, 12, 8, 0, 0, 0},
    {"bmp-top-down.bmp", bmpCodec, 13, 9, 8, 0, 0, 0},
    {"bmp-bitfields-565.bmp", bmpCodec, 16, 12, 24, 0, 0, 1},
    {"bmp-v4-alpha.bmp", bmpCodec, 16, 12, 24, 0, 0, 0},
    {"bmp-v5-alpha.bmp", bmpCodec, 16, 12, 24, 0, 0, 0},
    {"bmp-os2-core.bmp", bmpCodec, 16, 12, 24, 0, 0, 0},
    {"gif-64-colours.gif", gifCodec, 16, 12, 8, 0, 0, 0},
    {"gif-interlaced.gif", gifCodec, 16, 12, 8, 0, 0, 0},
    {"gif-mono.gif", gifCodec, 16, 12, 1, 0, 0, 0},
    {"gif-transparent.gif", gifCodec, 16, 12, 8, 0, 0, 0},
    {"gif-offset-frame.gif", gifCodec, 24, 20, 4, 5, 3, 0},
    {"icon-16-32bit.ico", icoCodec, 16, 16, 24, 0, 0, 0},
    {"icon-1bit-and-mask.ico", icoCodec, 16, 12, 1, 0, 0, 0},
    {"icon-4bit-and-mask.ico", icoCodec, 16, 12, 4, 0, 0, 0},
    {"icon-8bit-and-mask.ico", icoCodec, 16, 12, 8, 0, 0, 0},
    {"icon-24bit-and-mask.ico", icoCodec, 16, 12, 24, 0, 0, 0},
    {"icon-32-alpha.ico", icoCodec, 32, 32, 24, 0, 0, 0},
    {"icon-png-entry.ico", icoCodec, 24, 24, 24, 0, 0, 0},
    {"tga-raw-24bit.tga", tgaCodec, 16, 12, 24, 0, 0, 0},
    {"tga-rle-bottom-left.tga", tgaCodec, 16, 12, 24, 0, 0, 0},
    {"tga-rle-top-left.tga", tgaCodec, 16, 12, 24, 0, 0, 0},
    {"tga-colour-mapped.tga", tgaCodec, 16, 12, 8, 0, 0, 0},
    {"tga-grey.tga", tgaCodec, 16, 12, 8, 0, 0, 0},
    {"tga-rle-32bit-alpha.tga", tgaCodec, 16, 12, 24, 0, 0, 0},
    {"pcx-4bit-planar.pcx", pcxCodec, 13, 9, 4, 0, 0, 0},
    {"pcx-8bit.pcx", pcxCodec, 16, 12, 8, 0, 0, 0},
    {"pcx-24bit.pcx", pcxCodec, 16, 12, 24, 0, 0, 0},
    {"wbmp-mono.wbmp", wbmpCodec, 16, 12, 1, 0, 0, 0},
};

// Files shipped by other projects; tests/data/real/README says where from.
const ReferenceCase kRealCases[] = {
    {"../real/sdl-axis.bmp", bmpCodec, 50, 50, 24, 0, 0, 0},
    {"../real/sdl-button.bmp", bmpCodec, 50, 50, 8, 0, 0, 0},
    {"../real/sdl-icon.bmp", bmpCodec, 32, 32, 4, 0, 0, 0},
    {"../real/allegro-alexlogo.bmp", bmpCodec, 128, 128, 8, 0, 0, 0},
    {"../real/nsis-checks-modern.bmp", bmpCodec, 96, 16, 8, 0, 0, 0},
    {"../real/tk-earthris.gif", gifCodec, 320, 200, 8, 0, 0, 0},
    {"../real/apache-small-doc.gif", gifCodec, 16, 16, 4, 0, 0, 0},
    {"../real/wx-throbber.gif", gifCodec, 32, 32, 4, 0, 0, 0},
    {"../real/nsis-menu.ico", icoCodec, 256, 256, 24, 0, 0, 0},
    {"../real/nsis-modern-install.ico", icoCodec, 48, 48, 8, 0, 0, 0},
    {"../real/cgit-favicon.ico", icoCodec, 32, 32, 4, 0, 0, 0},
    {"../real/xrdp-cursor0.cur", icoCodec, 32, 32, 1, 0, 0, 0},
    {"../real/allegro-cursor.tga", tgaCodec, 16, 16, 24, 0, 0, 0},
    {"../real/allegro-icon.tga", tgaCodec, 48, 48, 24, 0, 0, 0},
    {"../real/gdk-gray-alpha-rle-top-right.tga", tgaCodec, 48, 48, 8, 0, 0, 0},
    {"../real/allegro-planet.pcx", pcxCodec, 49, 49, 8, 0, 0, 0},
    {"../real/allegro-mask.pcx", pcxCodec, 420, 300, 24, 0, 0, 0},
};

// The file's name without its folder, as a test name.
std::string caseName(const testing::TestParamInfo<ReferenceCase>& row) {
    std::string name = row.param.file;
    name.erase(0, name.rfind('/') + 1);
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Files, ReferenceDecodeTest, testing::ValuesIn(kCases), caseName);
INSTANTIATE_TEST_SUITE_P(RealFiles, ReferenceDecodeTest, testing::ValuesIn(kRealCases), caseName);

}  // namespace
}  // namespace pictavo::test

#include "TestImages.h"
#include "fuzz/JpegEighthCheck.h"
#include "imaging/codecs/Codecs.h"
#include "imaging/file/ImageFile.h"

#include <gtest/gtest.h>

#include <random>

namespace pictavo {
namespace {

using fuzz::EighthScaleOutcome;

struct Encoding {
    int width = 203;
    int height = 141;
    int components = 3;
    int lumaH = 1;  // luma sampling; chroma is 1 x 1
    int lumaV = 1;
    int quality = 95;
    unsigned int restartInterval = 0;  // in MCUs
    bool optimized = false;            // Huffman tables made for the image
    bool progressive = false;
};

// A noisy image over a gradient, so that blocks carry many AC coefficients
// and saturate at both ends.
std::vector<std::uint8_t> encode(const Encoding& e) {
    std::mt19937 random(7);
    std::vector<std::uint8_t> pixels(std::size_t(e.width * e.height * e.components));
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = std::uint8_t(std::clamp(int(i % 256) + int(random() % 160) - 80, 0, 255));
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(e.width);
    info.image_height = JDIMENSION(e.height);
    info.input_components = e.components;
    info.in_color_space = e.components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, e.quality, TRUE);
    info.comp_info[0].h_samp_factor = e.lumaH;
    info.comp_info[0].v_samp_factor = e.lumaV;
    for (int c = 1; c < e.components; ++c)
        info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
    info.restart_interval = e.restartInterval;
    info.optimize_coding = e.optimized ? TRUE : FALSE;
    if (e.progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row =
            pixels.data() + std::size_t(info.next_scanline) * std::size_t(e.width * e.components);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<std::uint8_t> out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

EighthScaleOutcome compare(const std::vector<std::uint8_t>& data) {
    return fuzz::compareEighthScale(data.data(), data.size());
}

TEST(JpegEighthScale, GivesLibjpegsPixelsForEverySamplingAndCoding) {
    const std::vector<Encoding> encodings = {
        {},                        // 4:4:4
        {.lumaH = 2},              // 4:2:2
        {.lumaH = 2, .lumaV = 2},  // 4:2:0: chroma by the 2 x 2 inverse DCT
        {.lumaV = 2},              // 4:4:0
        {.lumaH = 4},              // 4:1:1
        {.components = 1},         // grey
        {.lumaH = 2, .lumaV = 2, .quality = 40, .optimized = true},
        {.width = 64, .height = 48, .restartInterval = 1},
        {.lumaH = 2, .lumaV = 2, .restartInterval = 5, .optimized = true},
        {.width = 1, .height = 1},
        {.width = 9, .height = 17, .components = 1, .restartInterval = 2},
    };
    for (std::size_t i = 0; i < encodings.size(); ++i)
        EXPECT_EQ(compare(encode(encodings[i])), EighthScaleOutcome::Same) << "encoding " << i;
}

TEST(JpegEighthScale, DeclinesWhatItDoesNotDecodeExactly) {
    EXPECT_EQ(compare(encode({.progressive = true})), EighthScaleOutcome::Declined);
    EXPECT_EQ(compare(test::fixtureBytes("quadrants-cmyk.jpg")), EighthScaleOutcome::Declined);

    const std::vector<std::uint8_t> whole = encode({.restartInterval = 4});
    std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + std::ptrdiff_t(whole.size() / 2));
    EXPECT_EQ(compare(cut), EighthScaleOutcome::Declined);

    // The restart markers numbered out of order.
    std::vector<std::uint8_t> misnumbered = whole;
    for (std::size_t i = 0; i + 1 < misnumbered.size(); ++i) {
        if (misnumbered[i] == 0xFF && misnumbered[i + 1] == 0xD0)
            misnumbered[i + 1] = 0xD3;
    }
    EXPECT_EQ(compare(misnumbered), EighthScaleOutcome::Declined);

    // The first Huffman table given three codes of one bit, with the same
    // total: the codes no longer fit their lengths.
    std::vector<std::uint8_t> overfull = whole;
    for (std::size_t i = 0; i + 24 < overfull.size(); ++i) {
        if (overfull[i] == 0xFF && overfull[i + 1] == 0xC4) {
            std::uint8_t* counts = &overfull[i + 5];  // after marker, length and class byte
            counts[0] = std::uint8_t(counts[0] + 3);
            for (int length = 1; length < 16; ++length) {
                if (counts[length] >= 3) {
                    counts[length] = std::uint8_t(counts[length] - 3);
                    break;
                }
            }
            break;
        }
    }
    EXPECT_EQ(compare(overfull), EighthScaleOutcome::Declined);
}

TEST(JpegEighthScale, CodecFallsBackToLibjpegForDataThatEndsEarly) {
    const std::vector<std::uint8_t> whole = encode({.width = 400, .height = 300});
    const std::vector<std::uint8_t> cut(whole.begin(), whole.end() - 2000);
    RasterImage image;
    EXPECT_FALSE(decodeImage(image, cut, kImageJpeg, {1, 1}));
    EXPECT_TRUE(image.lastError().contains(QStringLiteral("premature end"), Qt::CaseInsensitive))
        << image.lastError().toStdString();
    ASSERT_TRUE(decodeImage(image, whole, kImageJpeg, {1, 1}));
    EXPECT_EQ(image.width(), 50);
    EXPECT_EQ(image.height(), 38);
}

}  // namespace
}  // namespace pictavo

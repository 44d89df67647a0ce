// Crafted hostile files, each named after the fault it carries: every one
// must fail cleanly, with the codec's name on the error text and the image
// left empty.

#include "CodecTestSupport.h"
#include "imaging/codecs/Codecs.h"

#include <gtest/gtest.h>

namespace pictavo::test {
namespace {

Bytes truncated(Bytes bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

// An 8-bit RLE bitmap of the given size with a two-entry palette.
Bytes rle8Bitmap(int width, int height, const Bytes& rle) {
    Bytes out = {'B', 'M'};
    const std::uint32_t offset = 14 + 40 + 8;
    auto le = [&](std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            out.push_back(std::uint8_t(v >> (8 * i)));
    };
    le(offset + std::uint32_t(rle.size()), 4);
    le(0, 4);
    le(offset, 4);
    le(40, 4);
    le(std::uint32_t(width), 4);
    le(std::uint32_t(height), 4);
    le(1, 2);
    le(8, 2);
    le(1, 4);  // RLE8
    le(std::uint32_t(rle.size()), 4);
    le(0, 4);
    le(0, 4);
    le(2, 4);  // colours used
    le(0, 4);
    le(0x00000000, 4);
    le(0x00FFFFFF, 4);
    out.insert(out.end(), rle.begin(), rle.end());
    return out;
}

// A 2 x 2 GIF with a two-entry palette and the given LZW bytes (code size 2).
Bytes tinyGif(const Bytes& lzw, int minCodeSize = 2) {
    Bytes out = {'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0x80, 0, 0, 0, 0, 0, 255, 255, 255};
    const Bytes descriptor = {0x2C, 0, 0, 0, 0, 2, 0, 2, 0, 0};
    out.insert(out.end(), descriptor.begin(), descriptor.end());
    out.push_back(std::uint8_t(minCodeSize));
    out.push_back(std::uint8_t(lzw.size()));
    out.insert(out.end(), lzw.begin(), lzw.end());
    out.insert(out.end(), {0, 0x3B});
    return out;
}

// A 2 x 1 true-colour RLE TGA with the given packets.
Bytes tinyRleTga(const Bytes& packets) {
    Bytes out = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 1, 0, 24, 0};
    out.insert(out.end(), packets.begin(), packets.end());
    return out;
}

// A 2 x 1 8-bit PCX with the given run data.
Bytes tinyPcx(const Bytes& runs) {
    Bytes out(128, 0);
    out[0] = 0x0A;
    out[1] = 5;
    out[2] = 1;
    out[3] = 8;
    out[8] = 1;  // x max
    out[65] = 1;
    out[66] = 2;  // bytes per line
    out.insert(out.end(), runs.begin(), runs.end());
    return out;
}

struct HostileCase {
    const char* fault;
    const Codec& (*codec)();
    Bytes (*make)();
};

void PrintTo(const HostileCase& c, std::ostream* os) {
    *os << c.fault;
}

class HostileInputTest : public testing::TestWithParam<HostileCase> {};

TEST_P(HostileInputTest, FailsCleanly) {
    const HostileCase& c = GetParam();
    RasterImage image = paletteImage(3, 3, 8);  // decoding must empty it
    const DecodeOutcome outcome = decodeWith(c.codec(), c.make(), &image);
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.imageEmpty);
    EXPECT_TRUE(outcome.error.startsWith(QString::fromLatin1(c.codec().name()) + ":"))
        << outcome.error.toStdString();
}

const HostileCase kCases[] = {
    // BMP (bmp-8bit.bmp: 40-byte header, 256 colours, 16 x 12)
    {"bmp_huge_dimensions", bmpCodec,
     [] { return patchedLe(patchedLe(fixture("bmp-8bit.bmp"), 18, 100000, 4), 22, 100000, 4); }},
    {"bmp_zero_width", bmpCodec, [] { return patchedLe(fixture("bmp-8bit.bmp"), 18, 0, 4); }},
    {"bmp_pixel_offset_past_end", bmpCodec,
     [] { return patchedLe(fixture("bmp-8bit.bmp"), 10, 0xFFFFFF, 4); }},
    {"bmp_pixel_data_ends_early", bmpCodec,
     [] { return truncated(fixture("bmp-8bit.bmp"), 14 + 40 + 1024 + 50); }},
    {"bmp_palette_ends_early", bmpCodec,
     [] { return truncated(fixture("bmp-8bit.bmp"), 14 + 40 + 100); }},
    {"bmp_unknown_header_size", bmpCodec,
     [] { return patchedLe(fixture("bmp-8bit.bmp"), 14, 41, 4); }},
    {"bmp_unsupported_depth", bmpCodec,
     [] { return patchedLe(fixture("bmp-8bit.bmp"), 28, 7, 2); }},
    {"bmp_rle_on_24_bits", bmpCodec, [] { return patchedLe(fixture("bmp-24bit.bmp"), 30, 1, 4); }},
    {"bmp_bitfield_mask_not_contiguous", bmpCodec,
     [] { return patchedLe(fixture("bmp-bitfields-565.bmp"), 54, 0xF0F0, 4); }},
    {"bmp_rle8_run_overruns_row", bmpCodec,
     [] {
         return rle8Bitmap(4, 2, {5, 1, 0, 1});
     }},
    {"bmp_rle8_literal_overruns_row", bmpCodec,
     [] {
         return rle8Bitmap(4, 2, {0, 6, 1, 1, 1, 1, 1, 1, 0, 1});
     }},
    {"bmp_rle8_delta_leaves_image", bmpCodec,
     [] {
         return rle8Bitmap(4, 2, {0, 2, 9, 0, 0, 1});
     }},
    {"bmp_rle8_rows_past_the_last", bmpCodec,
     [] {
         return rle8Bitmap(4, 1, {0, 0, 2, 1, 0, 1});
     }},
    {"bmp_rle8_ends_without_end_of_bitmap", bmpCodec,
     [] {
         return rle8Bitmap(4, 2, {2, 1});
     }},
    {"bmp_rle8_literal_ends_early", bmpCodec,
     [] {
         return rle8Bitmap(4, 2, {0, 4, 1});
     }},
    {"bmp_top_down_rle", bmpCodec,
     [] {
         return patchedLe(rle8Bitmap(4, 2, {0, 1}), 22, std::uint32_t(-2), 4);
     }},
    // GIF
    {"gif_huge_screen", gifCodec,
     [] {
         return patchedLe(patchedLe(fixture("gif-64-colours.gif"), 6, 0xFFFF, 2), 8, 0xFFFF, 2);
     }},
    {"gif_colour_table_ends_early", gifCodec,
     [] { return truncated(fixture("gif-64-colours.gif"), 40); }},
    {"gif_image_data_ends_early", gifCodec,
     [] {
         return truncated(fixture("gif-64-colours.gif"), fixture("gif-64-colours.gif").size() - 40);
     }},
    {"gif_no_image", gifCodec,
     [] { return Bytes{'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0, 0, 0, 0x3B}; }},
    {"gif_unknown_block", gifCodec,
     [] { return Bytes{'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0, 0, 0, 0x99}; }},
    {"gif_lzw_code_beyond_table", gifCodec,
     [] {
         return tinyGif({0xCC, 0x01});
     }},
    {"gif_lzw_starts_with_table_code", gifCodec,
     [] {
         return tinyGif({0x34, 0x00});
     }},
    {"gif_lzw_ends_before_all_pixels", gifCodec,
     [] {
         return tinyGif({0x4C, 0x01});
     }},
    {"gif_lzw_garbage", gifCodec,
     [] {
         return tinyGif({0xFF, 0xFF, 0xFF, 0xFF});
     }},
    {"gif_invalid_code_size", gifCodec,
     [] {
         return tinyGif({0x4C, 0x01}, 12);
     }},
    {"gif_zero_sized_image", gifCodec,
     [] {
         return patchedLe(tinyGif({0x4C, 0x01}), 24, 0, 2);
     }},
    // ICO (icon-24bit-and-mask.ico: one 16 x 12 entry at 22)
    {"ico_entry_offset_past_end", icoCodec,
     [] { return patchedLe(fixture("icon-24bit-and-mask.ico"), 18, 0xFFFFF, 4); }},
    {"ico_entry_size_past_end", icoCodec,
     [] { return patchedLe(fixture("icon-24bit-and-mask.ico"), 14, 0xFFFFF, 4); }},
    {"ico_no_entries", icoCodec,
     [] { return patchedLe(fixture("icon-24bit-and-mask.ico"), 4, 0, 2); }},
    {"ico_directory_ends_early", icoCodec,
     [] { return patchedLe(fixture("icon-24bit-and-mask.ico"), 4, 500, 2); }},
    {"ico_huge_bitmap_entry", icoCodec,
     [] { return patchedLe(fixture("icon-24bit-and-mask.ico"), 22 + 4, 100000, 4); }},
    {"ico_and_mask_ends_early", icoCodec,
     [] {
         Bytes bytes = truncated(fixture("icon-24bit-and-mask.ico"),
                                 fixture("icon-24bit-and-mask.ico").size() - 40);
         return patchedLe(bytes, 14, std::uint32_t(bytes.size() - 22), 4);
     }},
    // TGA
    {"tga_huge_dimensions", tgaCodec,
     [] {
         return patchedLe(patchedLe(fixture("tga-raw-24bit.tga"), 12, 0xFFFF, 2), 14, 0xFFFF, 2);
     }},
    {"tga_raw_pixels_end_early", tgaCodec,
     [] { return truncated(fixture("tga-raw-24bit.tga"), 300); }},
    {"tga_rle_ends_early", tgaCodec,
     [] { return truncated(fixture("tga-rle-bottom-left.tga"), 200); }},
    {"tga_rle_packet_overruns_image", tgaCodec,
     [] {
         return tinyRleTga({0x83, 1, 2, 3});
     }},
    {"tga_rle_declares_more_than_data_can_hold", tgaCodec,
     [] {
         return patchedLe(patchedLe(tinyRleTga({0x81, 1, 2, 3}), 12, 16000, 2), 14, 16000, 2);
     }},
    {"tga_invalid_colour_map_entry_size", tgaCodec,
     [] { return patchedLe(fixture("tga-colour-mapped.tga"), 7, 7, 1); }},
    {"tga_colour_map_ends_early", tgaCodec,
     [] { return patchedLe(fixture("tga-colour-mapped.tga"), 5, 60000, 2); }},
    {"tga_colour_map_first_index_past_255", tgaCodec,
     [] { return patchedLe(fixture("tga-colour-mapped.tga"), 3, 0x402E, 2); }},
    {"tga_unsupported_type", tgaCodec,
     [] { return patchedLe(fixture("tga-raw-24bit.tga"), 2, 5, 1); }},
    {"tga_unsupported_depth", tgaCodec,
     [] { return patchedLe(fixture("tga-raw-24bit.tga"), 16, 12, 1); }},
    // PCX
    {"pcx_huge_window", pcxCodec,
     [] { return patchedLe(patchedLe(fixture("pcx-24bit.pcx"), 8, 0xFFFF, 2), 10, 0xFFFF, 2); }},
    {"pcx_inverted_window", pcxCodec,
     [] { return patchedLe(fixture("pcx-24bit.pcx"), 4, 100, 2); }},
    {"pcx_line_too_short", pcxCodec, [] { return patchedLe(fixture("pcx-24bit.pcx"), 66, 2, 2); }},
    {"pcx_unsupported_layout", pcxCodec,
     [] { return patchedLe(fixture("pcx-24bit.pcx"), 65, 2, 1); }},
    {"pcx_run_overruns_image", pcxCodec,
     [] {
         return tinyPcx({0xC5, 7});
     }},
    {"pcx_data_ends_early", pcxCodec, [] { return tinyPcx({0xC1}); }},
    {"pcx_declares_more_than_data_can_hold", pcxCodec,
     [] {
         return patchedLe(patchedLe(patchedLe(tinyPcx({0xC2, 7}), 8, 9999, 2), 10, 9999, 2), 66,
                          10000, 2);
     }},
    // WBMP
    {"wbmp_integer_too_long", wbmpCodec,
     [] { return Bytes{0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 1, 0}; }},
    {"wbmp_not_type_0", wbmpCodec,
     [] {
         return Bytes{1, 0, 8, 1, 0};
     }},
    {"wbmp_huge_dimensions", wbmpCodec,
     [] { return Bytes{0, 0, 0xBF, 0xFF, 0xFF, 0x7F, 0xBF, 0xFF, 0xFF, 0x7F, 0}; }},
    {"wbmp_pixels_end_early", wbmpCodec, [] { return truncated(fixture("wbmp-mono.wbmp"), 20); }},
    {"wbmp_zero_height", wbmpCodec,
     [] {
         return Bytes{0, 0, 8, 0};
     }},
};

INSTANTIATE_TEST_SUITE_P(Faults, HostileInputTest, testing::ValuesIn(kCases),
                         [](const auto& row) { return std::string(row.param.fault); });

}  // namespace
}  // namespace pictavo::test

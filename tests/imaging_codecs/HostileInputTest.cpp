// Crafted hostile files, each named after the fault it carries: every one
// must fail cleanly with its own error text and the image left empty.

#include "CodecTestSupport.h"
#include "imaging/codecs/Codecs.h"

#include <gtest/gtest.h>

#include <string>

namespace pictavo::test {
namespace {

Bytes truncated(Bytes bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

// An 8-bit RLE bitmap of the given size with a black and white palette.
Bytes rle8Bitmap(int width, int height, const Bytes& rle) {
    return bitmap(width, height, 8, 1, {0x000000, 0xFFFFFF}, rle);
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

// A hostile file and the error it must produce: a check that is lost in a
// codec shows up as another (or no) error here.
struct HostileCase {
    const char* fault;
    const Codec& (*codec)();
    Bytes (*make)();
    const char* error;
};

void PrintTo(const HostileCase& c, std::ostream* os) {
    *os << c.fault;
}

class HostileInputTest : public testing::TestWithParam<HostileCase> {};

TEST_P(HostileInputTest, FailsCleanly) {
    const HostileCase& c = GetParam();
    RasterImage image = paletteImage(3, 3, 8);  // decoding must empty it
    const Status status = c.codec().decode(c.make(), image, {});
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().message().toStdString(), c.error);
    EXPECT_FALSE(image.isValid());
    EXPECT_EQ(image.width(), 0);
    EXPECT_EQ(image.height(), 0);
}

const HostileCase kCases[] = {
    // BMP (bmp-8bit.bmp: 40-byte header, 256 colours, 16 x 12, RLE8;
    // bmp-24bit.bmp: 40-byte header, 16 x 12, uncompressed)
    {"bmp_pixel_data_ends_early", bmpCodec,
     [] { return truncated(fixture("bmp-24bit.bmp"), 14 + 40 + 300); },
     "BMP: pixel data ends early (576 bytes needed, 300 available)"},
    {"bmp_huge_dimensions", bmpCodec,
     [] { return patchedLe(patchedLe(fixture("bmp-8bit.bmp"), 18, 100000, 4), 22, 100000, 4); },
     "BMP: image of 100000 x 100000 exceeds the size limit"},
    {"bmp_zero_width", bmpCodec, [] { return patchedLe(fixture("bmp-8bit.bmp"), 18, 0, 4); },
     "BMP: invalid image size 0 x 12"},
    {"bmp_pixel_offset_past_end", bmpCodec,
     [] { return patchedLe(fixture("bmp-8bit.bmp"), 10, 0xFFFFFF, 4); },
     "BMP: pixel offset 16777201 lies past the end of the file"},
    {"bmp_unknown_header_size", bmpCodec,
     [] { return patchedLe(fixture("bmp-8bit.bmp"), 14, 41, 4); }, "BMP: not a BMP file"},
    {"bmp_unsupported_depth", bmpCodec, [] { return patchedLe(fixture("bmp-8bit.bmp"), 28, 7, 2); },
     "BMP: unsupported depth of 7 bits"},
    {"bmp_rle_on_24_bits", bmpCodec, [] { return patchedLe(fixture("bmp-24bit.bmp"), 30, 1, 4); },
     "BMP: compression 1 does not fit 24 bits per pixel"},
    {"bmp_bitfield_mask_not_contiguous", bmpCodec,
     [] { return patchedLe(fixture("bmp-bitfields-565.bmp"), 54, 0xF0F0, 4); },
     "BMP: invalid bit-field mask 0000f0f0"},
    {"bmp_rle8_run_overruns_row", bmpCodec, [] { return rle8Bitmap(4, 2, bytes("5 1 0 1")); },
     "BMP: RLE run overruns the image"},
    {"bmp_rle8_literal_overruns_row", bmpCodec,
     [] { return rle8Bitmap(4, 2, bytes("0 6 1 1 1 1 1 1 0 1")); },
     "BMP: RLE literal run overruns the image"},
    {"bmp_rle8_delta_leaves_image", bmpCodec, [] { return rle8Bitmap(4, 2, bytes("0 2 9 0 0 1")); },
     "BMP: RLE delta leaves the image"},
    {"bmp_rle8_rows_past_the_last", bmpCodec, [] { return rle8Bitmap(4, 1, bytes("0 0 2 1 0 1")); },
     "BMP: RLE run overruns the image"},
    {"bmp_rle8_ends_without_end_of_bitmap", bmpCodec, [] { return rle8Bitmap(4, 2, bytes("2 1")); },
     "BMP: RLE data ends before the end-of-bitmap code"},
    {"bmp_rle8_literal_ends_early", bmpCodec, [] { return rle8Bitmap(4, 2, bytes("0 4 1")); },
     "BMP: RLE literal run overruns the image"},
    {"bmp_top_down_rle", bmpCodec,
     [] { return patchedLe(rle8Bitmap(4, 2, bytes("0 1")), 22, std::uint32_t(-2), 4); },
     "BMP: compression 1 does not fit 8 bits per pixel top-down"},
    // GIF
    {"gif_huge_screen", gifCodec,
     [] { return patchedLe(patchedLe(fixture("gif-64-colours.gif"), 6, 0xFFFF, 2), 8, 0xFFFF, 2); },
     "GIF: image of 65535 x 65535 exceeds the size limit"},
    {"gif_colour_table_ends_early", gifCodec,
     [] { return truncated(fixture("gif-64-colours.gif"), 40); }, "GIF: colour table ends early"},
    {"gif_image_data_ends_early", gifCodec,
     [] {
         return truncated(fixture("gif-64-colours.gif"), fixture("gif-64-colours.gif").size() - 40);
     },
     "GIF: data sub-block ends early"},
    {"gif_no_image", gifCodec,
     [] { return Bytes{'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0, 0, 0, 0x3B}; },
     "GIF: the file holds no image"},
    {"gif_unknown_block", gifCodec,
     [] { return Bytes{'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0, 0, 0, 0x99}; },
     "GIF: unknown block 0x99"},
    {"gif_lzw_code_beyond_table", gifCodec, [] { return tinyGif(bytes("0xCC 0x01")); },
     "GIF: LZW code 7 beyond the table"},
    {"gif_lzw_starts_with_table_code", gifCodec, [] { return tinyGif(bytes("0x34 0x00")); },
     "GIF: LZW data starts with a non-literal code"},
    {"gif_lzw_ends_before_all_pixels", gifCodec, [] { return tinyGif(bytes("0x4C 0x01")); },
     "GIF: image data ends early (1 of 4 pixels)"},
    {"gif_invalid_code_size", gifCodec,
     [] {
         return tinyGif({0x4C, 0x01}, 12);
     },
     "GIF: invalid LZW code size 12"},
    {"gif_zero_sized_image", gifCodec,
     [] { return patchedLe(tinyGif(bytes("0x4C 0x01")), 24, 0, 2); },
     "GIF: invalid image size 0 x 2"},
    // ICO (icon-24bit-and-mask.ico: one 16 x 12 entry at 22)
    {"ico_entry_offset_past_end", icoCodec,
     [] { return patchedLe(fixture("icon-24bit-and-mask.ico"), 18, 0xFFFFF, 4); },
     "ICO: entry 0 lies outside the file"},
    {"ico_entry_size_past_end", icoCodec,
     [] { return patchedLe(fixture("icon-24bit-and-mask.ico"), 14, 0xFFFFF, 4); },
     "ICO: entry 0 lies outside the file"},
    {"ico_no_entries", icoCodec,
     [] { return patchedLe(fixture("icon-24bit-and-mask.ico"), 4, 0, 2); },
     "ICO: the icon holds no image"},
    {"ico_directory_ends_early", icoCodec,
     [] { return patchedLe(fixture("icon-24bit-and-mask.ico"), 4, 500, 2); },
     "ICO: icon directory ends early"},
    {"ico_huge_bitmap_entry", icoCodec,
     [] { return patchedLe(fixture("icon-24bit-and-mask.ico"), 22 + 4, 100000, 4); },
     "ICO: bitmap entry: BMP: pixel data ends early (3600000 bytes needed, 624 available)"},
    {"ico_and_mask_ends_early", icoCodec,
     [] {
         Bytes bytes = truncated(fixture("icon-24bit-and-mask.ico"),
                                 fixture("icon-24bit-and-mask.ico").size() - 40);
         return patchedLe(bytes, 14, std::uint32_t(bytes.size() - 22), 4);
     },
     "ICO: AND mask ends early (48 bytes needed, 8 available)"},
    // TGA
    {"tga_huge_dimensions", tgaCodec,
     [] {
         return patchedLe(patchedLe(fixture("tga-raw-24bit.tga"), 12, 0xFFFF, 2), 14, 0xFFFF, 2);
     },
     "TGA: image of 65535 x 65535 exceeds the size limit"},
    {"tga_raw_pixels_end_early", tgaCodec,
     [] { return truncated(fixture("tga-raw-24bit.tga"), 300); },
     "TGA: pixel data ends early (576 bytes needed, 282 available)"},
    {"tga_rle_ends_early", tgaCodec,
     [] { return truncated(fixture("tga-rle-bottom-left.tga"), 200); }, "TGA: RLE data ends early"},
    {"tga_rle_packet_overruns_image", tgaCodec, [] { return tinyRleTga(bytes("0x83 1 2 3")); },
     "TGA: RLE packet overruns the image"},
    {"tga_rle_declares_more_than_data_can_hold", tgaCodec,
     [] {
         return patchedLe(patchedLe(tinyRleTga(bytes("0x81 1 2 3")), 12, 16000, 2), 14, 16000, 2);
     },
     "TGA: RLE data too short for 16000 x 16000 pixels"},
    {"tga_invalid_colour_map_entry_size", tgaCodec,
     [] { return patchedLe(fixture("tga-colour-mapped.tga"), 7, 7, 1); },
     "TGA: invalid colour map entry size 7"},
    {"tga_colour_map_ends_early", tgaCodec,
     [] { return patchedLe(fixture("tga-colour-mapped.tga"), 5, 60000, 2); },
     "TGA: colour map ends early"},
    {"tga_colour_map_first_index_past_255", tgaCodec,
     [] { return patchedLe(fixture("tga-colour-mapped.tga"), 3, 0x402E, 2); },
     "TGA: invalid colour map"},
    {"tga_unsupported_type", tgaCodec,
     [] { return patchedLe(fixture("tga-raw-24bit.tga"), 2, 5, 1); },
     "TGA: unsupported image type 5"},
    {"tga_unsupported_depth", tgaCodec,
     [] { return patchedLe(fixture("tga-raw-24bit.tga"), 16, 12, 1); },
     "TGA: unsupported depth of 12 bits"},
    // PCX
    {"pcx_huge_window", pcxCodec,
     [] { return patchedLe(patchedLe(fixture("pcx-24bit.pcx"), 8, 0xFFFF, 2), 10, 0xFFFF, 2); },
     "PCX: image of 65536 x 65536 exceeds the size limit"},
    {"pcx_inverted_window", pcxCodec, [] { return patchedLe(fixture("pcx-24bit.pcx"), 4, 100, 2); },
     "PCX: invalid image window"},
    {"pcx_line_too_short", pcxCodec, [] { return patchedLe(fixture("pcx-24bit.pcx"), 66, 2, 2); },
     "PCX: line length 2 too short for 16 pixels"},
    {"pcx_unsupported_layout", pcxCodec,
     [] { return patchedLe(fixture("pcx-24bit.pcx"), 65, 2, 1); },
     "PCX: unsupported layout of 8 bits in 2 planes"},
    {"pcx_run_overruns_image", pcxCodec, [] { return tinyPcx(bytes("0xC5 7")); },
     "PCX: byte run overruns the image"},
    {"pcx_data_ends_early", pcxCodec, [] { return tinyPcx(bytes("0xC1")); },
     "PCX: image data ends early"},
    {"pcx_declares_more_than_data_can_hold", pcxCodec,
     [] {
         return patchedLe(patchedLe(patchedLe(tinyPcx(bytes("0xC2 7")), 8, 9999, 2), 10, 9999, 2),
                          66, 10000, 2);
     },
     "PCX: image data too short for 10000 x 10000 pixels"},
    // WBMP
    {"wbmp_integer_too_long", wbmpCodec, [] { return bytes("0 0 0xFF 0xFF 0xFF 0xFF 0x7F 1 0"); },
     "WBMP: invalid dimensions"},
    {"wbmp_not_type_0", wbmpCodec, [] { return bytes("1 0 8 1 0"); },
     "WBMP: not a type 0 wireless bitmap"},
    {"wbmp_huge_dimensions", wbmpCodec,
     [] { return bytes("0 0 0xBF 0xFF 0xFF 0x7F 0xBF 0xFF 0xFF 0x7F 0"); },
     "WBMP: image of 134217727 x 134217727 exceeds the size limit"},
    {"wbmp_pixels_end_early", wbmpCodec, [] { return truncated(fixture("wbmp-mono.wbmp"), 20); },
     "WBMP: pixel data ends early (28 bytes needed, 20 available)"},
    {"wbmp_zero_height", wbmpCodec, [] { return bytes("0 0 8 0"); },
     "WBMP: invalid image size 8 x 0"},
};

INSTANTIATE_TEST_SUITE_P(Faults, HostileInputTest, testing::ValuesIn(kCases),
                         [](const auto& row) { return std::string(row.param.fault); });

}  // namespace
}  // namespace pictavo::test

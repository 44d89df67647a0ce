#pragma once
// Decodes a JPEG file at 1/8 scale twice from one decompressor, first with
// the quick decoder (which leaves the decompressor untouched), then with
// libjpeg itself, and compares the two images value for value. Shared by
// the JPEG fuzz target and the codec's tests.

#include "imaging/RasterImage.h"
#include "imaging/codecs/JpegEighthScale.h"

#include <csetjmp>
#include <cstring>

namespace pictavo::fuzz {

enum class EighthScaleOutcome {
    NoHeader,  // libjpeg cannot read the header
    Declined,  // the quick decoder declined the file
    Same,      // both decoded it to the same pixels
    Differs,   // the quick decoder's pixels differ, or libjpeg failed where it succeeded
};

namespace detail {

struct JumpingErrors {
    jpeg_error_mgr manager{};
    std::jmp_buf jump{};
};

[[noreturn]] inline void jumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JumpingErrors*>(info->err)->jump, 1);
}

inline void ignoreMessage(j_common_ptr, int) {}

inline bool sameRows(jpeg_decompress_struct& info, const RasterImage& quick,
                     std::vector<std::uint8_t>& row) {
    if (quick.width() != int(info.output_width) || quick.height() != int(info.output_height))
        return false;
    const std::size_t bytes = std::size_t(info.output_width) * std::size_t(info.output_components);
    row.resize(bytes);
    bool same = true;
    while (info.output_scanline < info.output_height) {
        const int y = int(info.output_scanline);
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        same = same && std::memcmp(quick.rowFromTop(y), row.data(), bytes) == 0;
    }
    return same;
}

}  // namespace detail

inline EighthScaleOutcome compareEighthScale(const std::uint8_t* data, std::size_t size) {
    jpeg_decompress_struct info{};
    detail::JumpingErrors errors;
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = detail::jumpBack;
    errors.manager.emit_message = detail::ignoreMessage;
    RasterImage quick;
    std::vector<std::uint8_t> row;
    volatile bool headerRead = false;
    volatile bool quickDecoded = false;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        if (!headerRead)
            return EighthScaleOutcome::NoHeader;
        return quickDecoded ? EighthScaleOutcome::Differs : EighthScaleOutcome::Declined;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    headerRead = true;
    if (std::int64_t(info.image_width) * info.image_height > kMaxImagePixels) {
        jpeg_destroy_decompress(&info);
        return EighthScaleOutcome::Declined;  // the codec refuses it before decoding
    }
    if (info.num_components == 3 && info.jpeg_color_space == JCS_YCbCr)
        info.out_color_space = JCS_EXT_BGR;
    info.scale_num = 1;
    info.scale_denom = 8;
    jpeg_calc_output_dimensions(&info);
    quickDecoded = decodeEighthScale(info, quick);
    EighthScaleOutcome outcome = EighthScaleOutcome::Declined;
    if (quickDecoded) {
        jpeg_start_decompress(&info);
        outcome = detail::sameRows(info, quick, row) ? EighthScaleOutcome::Same
                                                     : EighthScaleOutcome::Differs;
    }
    jpeg_destroy_decompress(&info);
    return outcome;
}

}  // namespace pictavo::fuzz

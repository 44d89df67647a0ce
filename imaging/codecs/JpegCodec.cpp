#include "imaging/codecs/JpegCodec.h"

#include "imaging/Exif.h"
#include "imaging/codecs/Codecs.h"
#include "imaging/codecs/JpegEighthScale.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jerror.h>
#include <jpeglib.h>

namespace pictavo {

namespace {

constexpr int kApp1 = JPEG_APP0 + 1;
constexpr int kMaxRowsPerRead = 16;

// libjpeg's error manager extended with the jump back to the codec entry
// point. Fatal errors jump, and so does data that ends early: the end of the
// data is fatal while headers or (progressive) scans are still expected, and
// in a sequential scan once the entropy decoder runs out of data after it.
// A file that lacks only its end marker therefore decodes. Other warnings
// (damaged but readable data) are ignored.
struct JpegErrors {
    jpeg_error_mgr manager{};
    std::jmp_buf jump{};
    char text[JMSG_LENGTH_MAX] = {};
    bool endIsFatal = true;
    bool sawEnd = false;
};

[[noreturn]] void failJpeg(j_common_ptr info) {
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    errors->manager.format_message(info, errors->text);
    std::longjmp(errors->jump, 1);
}

void onJpegMessage(j_common_ptr info, int level) {
    if (level != -1)
        return;
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    const int code = errors->manager.msg_code;
    if (code == JWRN_JPEG_EOF) {
        if (errors->endIsFatal)
            failJpeg(info);
        errors->sawEnd = true;
    } else if (code == JWRN_HIT_MARKER && errors->sawEnd) {
        failJpeg(info);
    }
}

void installErrors(JpegErrors& errors) {
    jpeg_std_error(&errors.manager);
    errors.manager.error_exit = failJpeg;
    errors.manager.emit_message = onJpegMessage;
}

Error jpegError(const JpegErrors& errors) {
    return Error(QStringLiteral("JPEG: ") + QString::fromLatin1(errors.text));
}

// A decompressor over a memory buffer that keeps APP1 segments for EXIF.
// Only trivially destructible state lives between setjmp and the libjpeg
// calls; this object outlives the jump and cleans up in its destructor.
struct Decompressor {
    jpeg_decompress_struct info{};
    JpegErrors errors;
    bool created = false;

    Decompressor() {
        info.err = &errors.manager;
        installErrors(errors);
    }
    ~Decompressor() {
        if (created)
            jpeg_destroy_decompress(&info);
    }
    // Called after setjmp: may jump.
    void open(ByteView data) {
        jpeg_create_decompress(&info);
        created = true;
        jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
        jpeg_save_markers(&info, kApp1, 0xFFFF);
        jpeg_read_header(&info, TRUE);
    }
};

int orientationOf(const jpeg_decompress_struct& info) {
    for (jpeg_saved_marker_ptr marker = info.marker_list; marker; marker = marker->next) {
        if (marker->marker != kApp1)
            continue;
        const int orientation =
            exifOrientationFromApp1(ByteView(marker->data, marker->data_length));
        if (orientation != 1)
            return orientation;
    }
    return 1;
}

bool withinLimits(JDIMENSION width, JDIMENSION height) {
    return width <= JDIMENSION(kMaxImageSide) && height <= JDIMENSION(kMaxImageSide) &&
           std::int64_t(width) * height <= kMaxImagePixels;
}

bool isCmyk(J_COLOR_SPACE space) {
    return space == JCS_CMYK || space == JCS_YCCK;
}

// Chooses the output colour space and the DCT scale; after this the output
// dimensions are known.
void configureOutput(jpeg_decompress_struct& info, const DecodeOptions& options) {
    if (info.jpeg_color_space == JCS_GRAYSCALE) {
        info.out_color_space = JCS_GRAYSCALE;
    } else if (isCmyk(info.jpeg_color_space)) {
        info.out_color_space = JCS_CMYK;
    } else {
        info.out_color_space = JCS_EXT_BGR;
    }
    info.scale_denom = 8;
    info.scale_num = 8;
    if (options.minWidth > 0 && options.minHeight > 0) {
        for (unsigned int n = 1; n <= 8; ++n) {
            info.scale_num = n;
            jpeg_calc_output_dimensions(&info);
            if (info.output_width >= JDIMENSION(options.minWidth) &&
                info.output_height >= JDIMENSION(options.minHeight))
                break;
        }
        if (info.scale_num < 8)
            info.dct_method = JDCT_IFAST;
    }
    jpeg_calc_output_dimensions(&info);
}

// Adobe writers store CMYK inverted; others store it plain.
void cmykRowToBgr(const JSAMPLE* cmyk, std::uint8_t* bgr, JDIMENSION width, bool inverted) {
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
        const int c = inverted ? cmyk[0] : 255 - cmyk[0];
        const int m = inverted ? cmyk[1] : 255 - cmyk[1];
        const int y = inverted ? cmyk[2] : 255 - cmyk[2];
        const int k = inverted ? cmyk[3] : 255 - cmyk[3];
        bgr[0] = static_cast<std::uint8_t>(y * k / 255);
        bgr[1] = static_cast<std::uint8_t>(m * k / 255);
        bgr[2] = static_cast<std::uint8_t>(c * k / 255);
    }
}

// Reads every scan line into the image's rows. May jump.
void readScanlines(jpeg_decompress_struct& info, RasterImage& image) {
    const bool cmyk = info.out_color_space == JCS_CMYK;
    JSAMPARRAY scratch = nullptr;
    if (cmyk) {
        scratch = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                            info.output_width * 4, 1);
    }
    JSAMPROW rows[kMaxRowsPerRead];
    while (info.output_scanline < info.output_height) {
        const JDIMENSION first = info.output_scanline;
        if (cmyk) {
            jpeg_read_scanlines(&info, scratch, 1);
            cmykRowToBgr(scratch[0], image.rowFromTop(int(first)), info.output_width,
                         info.saw_Adobe_marker);
            continue;
        }
        JDIMENSION count = 0;
        while (count < JDIMENSION(kMaxRowsPerRead) && first + count < info.output_height) {
            rows[count] = image.rowFromTop(int(first + count));
            ++count;
        }
        jpeg_read_scanlines(&info, rows, count);
    }
}

// A compressor writing into memory that libjpeg allocates; freed here.
struct Compressor {
    jpeg_compress_struct info{};
    JpegErrors errors;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    bool created = false;

    Compressor() {
        info.err = &errors.manager;
        installErrors(errors);
    }
    ~Compressor() {
        if (created)
            jpeg_destroy_compress(&info);
        std::free(buffer);
    }
};

}  // namespace

bool JpegCodec::sniff(ByteView data) const {
    return data.size() >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

Result<ImageHeader> JpegCodec::readHeader(ByteView data) const {
    Decompressor decompressor;
    if (setjmp(decompressor.errors.jump))
        return jpegError(decompressor.errors);
    decompressor.open(data);
    const jpeg_decompress_struct& info = decompressor.info;
    ImageHeader header;
    header.width = int(info.image_width);
    header.height = int(info.image_height);
    header.bitsPerPixel = info.num_components == 1 ? 8 : 24;
    header.exifOrientation = orientationOf(info);
    return header;
}

Status JpegCodec::decode(ByteView data, RasterImage& image, const DecodeOptions& options) const {
    Decompressor decompressor;
    if (setjmp(decompressor.errors.jump)) {
        image.clear();
        return jpegError(decompressor.errors);
    }
    decompressor.open(data);
    jpeg_decompress_struct& info = decompressor.info;
    if (!withinLimits(info.image_width, info.image_height))
        return Error(QStringLiteral("JPEG: image of %1 x %2 exceeds the size limit")
                         .arg(info.image_width)
                         .arg(info.image_height));
    configureOutput(info, options);
    if (decodeEighthScale(info, image)) {
        image.setExifOrientation(orientationOf(info));
        return Status::success();
    }
    // Multi-scan files are read whole here; sequential ones only up to
    // their first scan.
    jpeg_start_decompress(&info);
    decompressor.errors.endIsFatal = false;
    const int depth = info.out_color_space == JCS_GRAYSCALE ? 8 : 24;
    if (!image.create(int(info.output_width), int(info.output_height), depth))
        return Error(image.lastError());
    image.setExifOrientation(orientationOf(info));
    readScanlines(info, image);
    // The end marker is not required: the destructor aborts the decompressor.
    return Status::success();
}

Status JpegCodec::encode(const RasterImage& image, std::vector<std::uint8_t>& out) const {
    const bool grey = image.isGreyScale();
    if (image.bitsPerPixel() != 24 && !grey)
        return Error(QStringLiteral("JPEG can save only RGB or GreyScale images"));
    if (!image.isValid())
        return Error(QStringLiteral("JPEG: empty image"));
    Compressor compressor;
    if (setjmp(compressor.errors.jump))
        return jpegError(compressor.errors);
    jpeg_compress_struct& info = compressor.info;
    jpeg_create_compress(&info);
    compressor.created = true;
    jpeg_mem_dest(&info, &compressor.buffer, &compressor.size);
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_EXT_BGR;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, image.quality(), TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.rowFromTop(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    out.insert(out.end(), compressor.buffer, compressor.buffer + compressor.size);
    return Status::success();
}

const Codec& jpegCodec() {
    static const JpegCodec codec;
    return codec;
}

}  // namespace pictavo

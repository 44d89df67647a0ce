#include "imaging/codecs/Jpeg2000Codec.h"

#include "imaging/codecs/Codecs.h"

#include <openjpeg.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

namespace pictavo {

namespace {

constexpr std::array<std::uint8_t, 12> kJp2Signature = {0x00, 0x00, 0x00, 0x0C, 0x6A, 0x50,
                                                        0x20, 0x20, 0x0D, 0x0A, 0x87, 0x0A};
constexpr std::array<std::uint8_t, 4> kCodestreamStart = {0xFF, 0x4F, 0xFF, 0x51};  // SOC, SIZ
constexpr OPJ_UINT32 kMaxComponents = 4;
constexpr int kDefaultResolutions = 6;

// The bytes OpenJPEG reads (a view) or writes (a vector), with a position.
struct MemoryStream {
    ByteView input;
    std::vector<std::uint8_t>* output = nullptr;
    std::size_t position = 0;
    std::size_t size() const { return output ? output->size() : input.size(); }
};

OPJ_SIZE_T readStream(void* buffer, OPJ_SIZE_T count, void* user) {
    auto* stream = static_cast<MemoryStream*>(user);
    if (stream->position >= stream->input.size())
        return OPJ_SIZE_T(-1);
    const std::size_t n = std::min<std::size_t>(count, stream->input.size() - stream->position);
    std::memcpy(buffer, stream->input.data() + stream->position, n);
    stream->position += n;
    return n;
}

OPJ_SIZE_T writeStream(void* buffer, OPJ_SIZE_T count, void* user) {
    auto* stream = static_cast<MemoryStream*>(user);
    const std::size_t end = stream->position + count;
    try {
        if (end > stream->output->size())
            stream->output->resize(end);
    } catch (const std::bad_alloc&) {
        return OPJ_SIZE_T(-1);
    }
    std::memcpy(stream->output->data() + stream->position, buffer, count);
    stream->position = end;
    return count;
}

OPJ_BOOL seekStream(OPJ_OFF_T offset, void* user) {
    auto* stream = static_cast<MemoryStream*>(user);
    if (offset < 0 || (!stream->output && std::uint64_t(offset) > stream->size()))
        return OPJ_FALSE;
    stream->position = std::size_t(offset);
    return OPJ_TRUE;
}

OPJ_OFF_T skipStream(OPJ_OFF_T count, void* user) {
    auto* stream = static_cast<MemoryStream*>(user);
    const OPJ_OFF_T target = OPJ_OFF_T(stream->position) + count;
    if (!seekStream(target, user))
        return -1;
    return count;
}

struct Messages {
    char error[256] = {};
};

void onError(const char* message, void* user) {
    auto* messages = static_cast<Messages*>(user);
    if (messages->error[0] == 0)
        std::snprintf(messages->error, sizeof messages->error, "%s", message);
}

void ignoreMessage(const char*, void*) {}

struct StreamDeleter {
    void operator()(opj_stream_t* stream) const { opj_stream_destroy(stream); }
};
struct CodecDeleter {
    void operator()(opj_codec_t* codec) const { opj_destroy_codec(codec); }
};
struct ImageDeleter {
    void operator()(opj_image_t* image) const { opj_image_destroy(image); }
};
using StreamHandle = std::unique_ptr<opj_stream_t, StreamDeleter>;
using CodecHandle = std::unique_ptr<opj_codec_t, CodecDeleter>;
using ImageHandle = std::unique_ptr<opj_image_t, ImageDeleter>;

StreamHandle openStream(MemoryStream& memory, bool reading) {
    StreamHandle stream(
        opj_stream_create(OPJ_J2K_STREAM_CHUNK_SIZE, reading ? OPJ_TRUE : OPJ_FALSE));
    if (!stream)
        return stream;
    opj_stream_set_user_data(stream.get(), &memory, nullptr);
    opj_stream_set_user_data_length(stream.get(), memory.input.size());
    opj_stream_set_read_function(stream.get(), readStream);
    opj_stream_set_write_function(stream.get(), writeStream);
    opj_stream_set_skip_function(stream.get(), skipStream);
    opj_stream_set_seek_function(stream.get(), seekStream);
    return stream;
}

void attachHandlers(opj_codec_t* codec, Messages& messages) {
    opj_set_error_handler(codec, onError, &messages);
    opj_set_warning_handler(codec, ignoreMessage, nullptr);
    opj_set_info_handler(codec, ignoreMessage, nullptr);
}

Error j2kError(const char* format, const Messages& messages, const char* fallback) {
    return Error(QStringLiteral("%1: %2").arg(
        QLatin1String(format), QLatin1String(messages.error[0] ? messages.error : fallback)));
}

// A decoder positioned after the main header.
struct HeaderReader {
    MemoryStream memory;
    Messages messages;
    StreamHandle stream;
    CodecHandle codec;
    ImageHandle image;

    bool open(ByteView data, OPJ_CODEC_FORMAT format) {
        memory.input = data;
        stream = openStream(memory, true);
        codec.reset(opj_create_decompress(format));
        if (!stream || !codec)
            return false;
        attachHandlers(codec.get(), messages);
        opj_dparameters_t parameters;
        opj_set_default_decoder_parameters(&parameters);
        if (!opj_setup_decoder(codec.get(), &parameters))
            return false;
        // Strict: a truncated codestream fails instead of decoding as grey,
        // so a few hundred bytes cannot claim (and cost) a huge image.
        opj_decoder_set_strict_mode(codec.get(), OPJ_TRUE);
        opj_image_t* header = nullptr;
        const bool ok = opj_read_header(stream.get(), codec.get(), &header) != 0;
        image.reset(header);
        return ok && image;
    }
    int width() const { return int(image->x1 - image->x0); }
    int height() const { return int(image->y1 - image->y0); }
};

bool withinLimits(const opj_image_t& image) {
    if (image.x1 <= image.x0 || image.y1 <= image.y0)
        return false;
    const std::int64_t width = std::int64_t(image.x1) - image.x0;
    const std::int64_t height = std::int64_t(image.y1) - image.y0;
    return image.numcomps >= 1 && image.numcomps <= kMaxComponents && width <= kMaxImageSide &&
           height <= kMaxImageSide && width * height * image.numcomps <= kMaxImagePixels;
}

// One component's samples as 8-bit values, read at image coordinates.
class ComponentSampler {
public:
    explicit ComponentSampler(const opj_image_comp_t& component) : component_(component) {
        offset_ = component.sgnd ? 1 << (component.prec - 1) : 0;
        const int maximum = int((std::int64_t(1) << component.prec) - 1);
        maximum_ = std::max(maximum, 1);
    }
    std::uint8_t at(OPJ_UINT32 x, OPJ_UINT32 y) const {
        const OPJ_UINT32 cx =
            std::min(x / std::max<OPJ_UINT32>(component_.dx, 1), component_.w - 1);
        const OPJ_UINT32 cy =
            std::min(y / std::max<OPJ_UINT32>(component_.dy, 1), component_.h - 1);
        const std::int64_t value =
            std::int64_t(component_.data[std::size_t(cy) * component_.w + cx]) + offset_;
        return std::uint8_t(std::clamp<std::int64_t>(value * 255 / maximum_, 0, 255));
    }

private:
    const opj_image_comp_t& component_;
    int offset_ = 0;
    int maximum_ = 255;
};

bool componentsUsable(const opj_image_t& image) {
    for (OPJ_UINT32 i = 0; i < image.numcomps; ++i) {
        const opj_image_comp_t& c = image.comps[i];
        if (!c.data || c.w == 0 || c.h == 0 || c.prec < 1 || c.prec > 31)
            return false;
    }
    return true;
}

Rgb ycc(int y, int cb, int cr) {
    const auto clamp = [](double v) { return std::uint8_t(std::clamp(v + 0.5, 0.0, 255.0)); };
    return {clamp(y + 1.402 * (cr - 128)), clamp(y - 0.344136 * (cb - 128) - 0.714136 * (cr - 128)),
            clamp(y + 1.772 * (cb - 128))};
}

Status copyPixels(const opj_image_t& decoded, RasterImage& image) {
    const bool colour = decoded.numcomps >= 3;
    const bool alpha = decoded.numcomps == 2 || decoded.numcomps == 4;
    const bool sycc = colour && decoded.color_space == OPJ_CLRSPC_SYCC;
    const int width = int(decoded.x1 - decoded.x0);
    const int height = int(decoded.y1 - decoded.y0);
    if (!image.create(width, height, colour ? 24 : 8))
        return Error(image.lastError());
    if (alpha)
        image.createAlpha();
    std::vector<ComponentSampler> samplers;
    for (OPJ_UINT32 i = 0; i < decoded.numcomps; ++i)
        samplers.emplace_back(decoded.comps[i]);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = image.rowFromTop(y);
        for (int x = 0; x < width; ++x) {
            const auto sx = OPJ_UINT32(x);
            const auto sy = OPJ_UINT32(y);
            if (!colour) {
                row[x] = samplers[0].at(sx, sy);
            } else if (sycc) {
                image.setPixelColor(
                    x, y,
                    ycc(samplers[0].at(sx, sy), samplers[1].at(sx, sy), samplers[2].at(sx, sy)));
            } else {
                image.setPixelColor(
                    x, y, {samplers[0].at(sx, sy), samplers[1].at(sx, sy), samplers[2].at(sx, sy)});
            }
            if (alpha)
                image.alphaRow(y)[x] = samplers.back().at(sx, sy);
        }
    }
    return Status::success();
}

int resolutionsFor(int width, int height) {
    int levels = 1;
    while (levels < kDefaultResolutions && (std::min(width, height) >> levels) > 0)
        ++levels;
    return levels;
}

ImageHandle imageForEncoding(const RasterImage& image) {
    const bool grey = image.isGreyScale();
    const OPJ_UINT32 components = (grey ? 1 : 3) + (image.hasAlpha() ? 1 : 0);
    std::array<opj_image_cmptparm_t, kMaxComponents> parameters{};
    for (OPJ_UINT32 i = 0; i < components; ++i) {
        parameters[i].dx = parameters[i].dy = 1;
        parameters[i].w = OPJ_UINT32(image.width());
        parameters[i].h = OPJ_UINT32(image.height());
        parameters[i].prec = 8;
        parameters[i].sgnd = 0;
    }
    ImageHandle result(
        opj_image_create(components, parameters.data(), grey ? OPJ_CLRSPC_GRAY : OPJ_CLRSPC_SRGB));
    if (!result)
        return result;
    result->x0 = result->y0 = 0;
    result->x1 = OPJ_UINT32(image.width());
    result->y1 = OPJ_UINT32(image.height());
    if (image.hasAlpha())
        result->comps[components - 1].alpha = 1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const std::size_t at = std::size_t(y) * std::size_t(image.width()) + std::size_t(x);
            const Rgb colour = image.pixelColor(x, y);
            if (grey) {
                result->comps[0].data[at] = colour.red;
            } else {
                result->comps[0].data[at] = colour.red;
                result->comps[1].data[at] = colour.green;
                result->comps[2].data[at] = colour.blue;
            }
            if (image.hasAlpha())
                result->comps[components - 1].data[at] = image.alphaRow(y)[x];
        }
    }
    return result;
}

// The library's codec for this codec's container.
OPJ_CODEC_FORMAT libraryFormat(const Jpeg2000Codec& codec) {
    return codec.type() == kImageJp2 ? OPJ_CODEC_JP2 : OPJ_CODEC_J2K;
}

// Checks the signature and reads the main header of data into reader.
Status openHeader(const Jpeg2000Codec& codec, ByteView data, HeaderReader& reader) {
    if (!codec.sniff(data))
        return Error(QStringLiteral("%1: wrong signature").arg(QLatin1String(codec.name())));
    if (!reader.open(data, libraryFormat(codec)))
        return j2kError(codec.name(), reader.messages, "cannot read header");
    return {};
}

}  // namespace

bool Jpeg2000Codec::sniff(ByteView data) const {
    if (container_ == Container::Jp2File)
        return data.size() >= kJp2Signature.size() &&
               std::memcmp(data.data(), kJp2Signature.data(), kJp2Signature.size()) == 0;
    return data.size() >= kCodestreamStart.size() &&
           std::memcmp(data.data(), kCodestreamStart.data(), kCodestreamStart.size()) == 0;
}

Result<ImageHeader> Jpeg2000Codec::readHeader(ByteView data) const {
    HeaderReader reader;
    if (const Status opened = openHeader(*this, data, reader); !opened)
        return opened.error();
    ImageHeader header;
    header.width = reader.width();
    header.height = reader.height();
    header.bitsPerPixel = reader.image->numcomps >= 3 ? 24 : 8;
    return header;
}

Status Jpeg2000Codec::decode(ByteView data, RasterImage& image, const DecodeOptions&) const {
    HeaderReader reader;
    if (const Status opened = openHeader(*this, data, reader); !opened)
        return opened;
    if (!withinLimits(*reader.image))
        return Error(QStringLiteral("%1: image exceeds the size limit").arg(QLatin1String(name())));
    if (!opj_decode(reader.codec.get(), reader.stream.get(), reader.image.get()) ||
        !opj_end_decompress(reader.codec.get(), reader.stream.get()))
        return j2kError(name(), reader.messages, "cannot decode");
    if (!withinLimits(*reader.image) || !componentsUsable(*reader.image))
        return Error(QStringLiteral("%1: unusable components").arg(QLatin1String(name())));
    const Status status = copyPixels(*reader.image, image);
    if (!status)
        image.clear();
    return status;
}

Status Jpeg2000Codec::encode(const RasterImage& image, std::vector<std::uint8_t>& out) const {
    if (!image.isValid())
        return Error(QStringLiteral("%1: empty image").arg(QLatin1String(name())));
    const ImageHandle source = imageForEncoding(image);
    if (!source)
        return Error(QStringLiteral("%1: out of memory").arg(QLatin1String(name())));
    Messages messages;
    CodecHandle codec(opj_create_compress(libraryFormat(*this)));
    if (!codec)
        return Error(QStringLiteral("%1: cannot create encoder").arg(QLatin1String(name())));
    attachHandlers(codec.get(), messages);
    opj_cparameters_t parameters;
    opj_set_default_encoder_parameters(&parameters);
    parameters.tcp_numlayers = 1;
    parameters.tcp_rates[0] = 0;  // lossless
    parameters.cp_disto_alloc = 1;
    parameters.numresolution = resolutionsFor(image.width(), image.height());
    if (!opj_setup_encoder(codec.get(), &parameters, source.get()))
        return j2kError(name(), messages, "cannot set up encoder");
    std::vector<std::uint8_t> encoded;
    MemoryStream memory;
    memory.output = &encoded;
    const StreamHandle stream = openStream(memory, false);
    if (!stream || !opj_start_compress(codec.get(), source.get(), stream.get()) ||
        !opj_encode(codec.get(), stream.get()) || !opj_end_compress(codec.get(), stream.get()))
        return j2kError(name(), messages, "cannot encode");
    out.insert(out.end(), encoded.begin(), encoded.end());
    return Status::success();
}

const Codec& jpeg2000Codec() {
    static const Jpeg2000Codec codec(Jpeg2000Codec::Container::Jp2File);
    return codec;
}

const Codec& jpeg2000CodestreamCodec() {
    static const Jpeg2000Codec codec(Jpeg2000Codec::Container::Codestream);
    return codec;
}

}  // namespace pictavo

#include "imaging/file/CodecRegistry.h"

#include "imaging/codecs/Codecs.h"
#include "imaging/file/WmfCodec.h"

namespace pictavo {

const Codec* codecForType(int type) {
    switch (type) {
        case kImageBmp:
            return &bmpCodec();
        case kImageGif:
            return &gifCodec();
        case kImageJpeg:
            return &jpegCodec();
        case kImagePng:
            return &pngCodec();
        case kImageIco:
            return &icoCodec();
        case kImageTiff:
            return &tiffCodec();
        case kImageTga:
            return &tgaCodec();
        case kImagePcx:
            return &pcxCodec();
        case kImageWbmp:
            return &wbmpCodec();
        case kImageWmf:
            return &wmfCodec();
        case kImageJpc:
            return &jpeg2000CodestreamCodec();
        // JP2 and the reserved members of the JPEG-2000 family share the JP2
        // codec.
        case kImageJp2:
        case kImageJ2kReserved13:
        case kImageJ2kReserved14:
        case kImageJ2kReserved15:
            return &jpeg2000Codec();
        default:
            return nullptr;
    }
}

bool isDecodableType(int type) {
    return type >= kImageBmp && type <= kImageJ2kReserved15;
}

const std::vector<const Codec*>& detectionOrder() {
    static const std::vector<const Codec*> kOrder = {
        &bmpCodec(),  &jpegCodec(), &icoCodec(),      &gifCodec(),
        &pngCodec(),  &tiffCodec(), &tgaCodec(),      &pcxCodec(),
        &wbmpCodec(), &wmfCodec(),  &jpeg2000Codec(), &jpeg2000CodestreamCodec(),
    };
    return kOrder;
}

}  // namespace pictavo

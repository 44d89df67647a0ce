// Fuzz target: enhanced metafiles through the picture loader.
#include "PictureFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    pictavo::fuzz::ensureGuiApplication();
    pictavo::fuzz::loadAndDraw(data, size);
    return 0;
}

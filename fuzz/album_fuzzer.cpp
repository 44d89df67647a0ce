// Fuzz target of the album file: parse any bytes (text or legacy binary),
// then check the exact round trip: what was read, written and read again
// must write the same bytes.
#include "album/file/AlbumFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pictavo;
    Album album;
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    (void)parseAlbum(album, input);  // a failure leaves a new album, which must round-trip too
    const QByteArray first = serializeAlbum(album);
    Album again;
    if (!parseAlbum(again, first).ok()) {
        std::fprintf(stderr, "a written album does not read back\n");
        std::abort();
    }
    if (serializeAlbum(again) != first) {
        std::fprintf(stderr, "the album changed between two saves\n");
        std::abort();
    }
    return 0;
}
